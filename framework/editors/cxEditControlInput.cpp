// The editor's keys (clear key, click key, Tab, Enter, Escape and the navigation keys), the mouse,
// its buttons' down, up and click, accelerators, the clipboard, the messages it filters and the
// lock of the inner edit's repainting.
#include <algorithm>

#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "WinInput.h"
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxEditControl.h"

namespace cxEdit {

// ---- Keys -------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::IsEditorKey(Word Key, TShiftState Shift) {
  return GetDefaultButtonVisibleIndex() != -1 && ShortCut(Key, Shift) == GetActiveProperties()->GetClickKey();
}

bool TcxCustomEdit::IsSpecialKey(Word Key, TShiftState Shift) {
  const TShortCut shortCut = ShortCut(Key, Shift);
  TcxCustomEditProperties* properties = GetActiveProperties();
  return (properties->GetClearKey() != 0 && shortCut == properties->GetClearKey()) || IsEditorKey(Key, Shift);
}

void TcxCustomEdit::KeyDown(Word& Key, TShiftState Shift) {
  FEscapeHandled = false;
  if (!IsEditorKey(Key, Shift)) inherited::KeyDown(Key, Shift);
  if (Key == 0) return;
  DoEditKeyDown(Key, Shift);
  if (Key != 0 && NeedsInvokeAfterKeyDown(Key, Shift)) DoAfterKeyDown(Key, Shift);
}

void TcxCustomEdit::DoAfterKeyDown(Word& Key, TShiftState Shift) {
  if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
}

bool TcxCustomEdit::ValidateKeyDown(Word& Key, TShiftState Shift) {
  return FDataBinding->GetModified() || !CanKeyDownModifyEdit(Key, Shift) || DoEditing();
}

void TcxCustomEdit::DoEditKeyDown(Word& Key, TShiftState Shift) {
  if (Key == 0) return;
  const TShortCut shortCut = ShortCut(Key, Shift);
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (properties->GetClearKey() != 0 && shortCut == properties->GetClearKey()) {
    // The change events this causes fire once each, when the key has been handled.
    LockChangeEvents(true);
    FUserAction = true;
    {
      TFinally done([this] {
        FUserAction = false;
        LockChangeEvents(false);
      });
      SetInternalEditValue(GetClearValue());
      FValidated = true;
    }
    Key = 0;
    return;
  }
  if (GetDefaultButtonVisibleIndex() != -1 && shortCut == properties->GetClickKey()) {
    if (HandleAllocated()) KillMessages(GetHandle(), WM_CHAR, WM_CHAR);
    DefaultButtonClick();
    Key = 0;
    return;
  }
  if (!ValidateKeyDown(Key, Shift)) {
    DoAfterKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_TAB:
      if (Focused() && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl) && !properties->InnerEditNeedsTabs()) {
        DoEditProcessTab(Shift);
        DoAfterKeyDown(Key, Shift);
        if (Key == 0) break;
        Key = 0;
        if (TCustomForm* form = GetParentForm(this))
          form->SelectNext(form->GetActiveControl(), !Shift.Contains(ssShift), true);
        if (HandleAllocated() && GetFocus() == GetHandle() && FInnerEdit) FInnerEdit->SafelySetFocus();
      }
      break;
    case VK_RETURN:
      if (properties->GetValidateOnEnter()) {
        Key = 0;
        LockChangeEvents(true);
        TFinally unlock([this] { LockChangeEvents(false); });
        if (ValidateEdit(true) && CanPostEditValue()) InternalPostEditValue(false);
      }
      break;
    case VK_ESCAPE:
      if (FModifiedAfterEnter && IsResetEditClass()) {
        {
          LockChangeEvents(true);
          TFinally unlock([this] { LockChangeEvents(false); });
          FDataBinding->Reset();
          SetModified(true);
        }
        FEscapeHandled = true;
        Key = 0;
      }
      break;
    default: break;
  }
  if (Key == 0 || WantNavigationKeys() || Key < VK_PRIOR || Key > VK_DOWN) return;
  // A navigation key the editor does not want goes to the host only.
  DoAfterKeyDown(Key, Shift);
  Key = 0;
}

void TcxCustomEdit::KeyPress(char& Key) {
  if (Key == 27 && FEscapeHandled) {
    FEscapeHandled = false;
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
  if (Key != 0) DoEditKeyPress(Key);
}

void TcxCustomEdit::DoEditKeyPress(char& Key) { ValidateKeyPress(Key); }

bool TcxCustomEdit::ValidateKeyPress(char& Key) {
  if (IsTextChar(Key) && !IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
    return false;
  }
  if (!FDataBinding->GetModified() && CanKeyPressModifyEdit(Key) && !DoEditing()) Key = 0;
  return Key != 0;
}

bool TcxCustomEdit::IsValidChar(char AChar) {
  IcxEditDefaultValuesProvider* provider = GetActiveProperties()->GetIDefaultValuesProvider();
  return !provider || provider->IsValidChar(AChar) || provider->IsOnSetTextAssigned();
}

void TcxCustomEdit::KeyUp(Word& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  if (Key != 0) DoEditKeyUp(Key, Shift);
}

// ---- Mouse --------------------------------------------------------------------------------------------------------
void TcxCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  ClearStateHint(false);
  // A click of an editor that a click has just activated in place is a double click.
  if (Button == mbLeft && FDblClickTimer->GetEnabled()) {
    FDblClickTimer->SetEnabled(false);
    if (ButtonVisibleIndexAt(ScreenToClient(GetMouseCursorPos())) == -1) DblClick();
  }
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !GetMouseCapture()) return;
  const Integer index = ButtonVisibleIndexAt(TPoint(X, Y));
  if (index != -1 && GetViewInfo()->ButtonsInfo[index]->State == ebsPressed) FCaptureButtonVisibleIndex = index;
}

void TcxCustomEdit::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  UpdateHintByMouse();
  inherited::MouseMove(Shift, X, Y);
}

void TcxCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  ClearStateHint(false);
  inherited::MouseUp(Button, Shift, X, Y);
}

void TcxCustomEdit::MouseLeave(TControl* AControl) {
  CheckHideHint();
  inherited::MouseLeave(AControl);
}

void TcxCustomEdit::Click() {
  if (IsDestroying() || FClickLockCount > 0 || (IsLoading() && !IsClickEnabledDuringLoading())) return;
  inherited::Click();
}

void TcxCustomEdit::DoClick() {
  SetModifiedAfterEnter(true);
  if (FClickLockCount == 0) Click();
}

void TcxCustomEdit::DblClick() {
  const TPoint p = ScreenToClient(GetMouseCursorPos());
  if (ButtonVisibleIndexAt(p) == -1) return inherited::DblClick();
  // A fast second click on a button is a second press of it.
  MouseDown(mbLeft, InternalGetShiftState() + TShiftState{ssLeft}, p.x, p.y);
  Click();
}

bool TcxCustomEdit::HandleMouseWheel(TShiftState Shift) {
  return !IsInplace() || GetActiveProperties()->GetUseMouseWheel() || Shift.Contains(ssCtrl);
}

// ---- Buttons ---------------------------------------------------------------------------------------------------------
Integer TcxCustomEdit::ButtonVisibleIndexAt(const TPoint& P) {
  const std::vector<TcxEditButtonViewInfo*>& buttons = GetViewInfo()->ButtonsInfo;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (cxRectPtIn(buttons[i]->Bounds, P)) return static_cast<Integer>(i);
  return -1;
}

Integer TcxCustomEdit::GetDefaultButtonVisibleIndex() {
  const std::vector<TcxEditButtonViewInfo*>& buttons = GetViewInfo()->ButtonsInfo;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->Default) return static_cast<Integer>(i);
  return -1;
}

void TcxCustomEdit::DefaultButtonClick() {
  const Integer index = GetDefaultButtonVisibleIndex();
  if (index != -1) DoButtonClick(index);
}

void TcxCustomEdit::DoButtonClick(Integer AButtonVisibleIndex) {
  const Integer index = GetViewInfo()->ButtonsInfo[AButtonVisibleIndex]->ButtonIndex;
  if (FProperties->OnButtonClick) FProperties->OnButtonClick(this, index);
  if (FRepositoryItem && FRepositoryItem->GetProperties()->OnButtonClick)
    FRepositoryItem->GetProperties()->OnButtonClick(this, index);
}

void TcxCustomEdit::ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool) {
  auto* previous = static_cast<TcxCustomEditViewInfo*>(APrevViewInfo);
  TcxCustomEditViewInfo* current = GetViewInfo();
  if (current->PressedButton == previous->PressedButton && current->SelectedButton == previous->SelectedButton)
    return;
  // A button clicks when the mouse is released over it.
  if (const Integer pressed = previous->PressedButton; pressed != -1) {
    DoButtonUp(pressed);
    if (current->SelectedButton == pressed) DoButtonClick(pressed);
  }
  if (current->PressedButton != -1 && previous->PressedButton == -1) DoButtonDown(current->PressedButton);
}

bool TcxCustomEdit::CheckButtonShortCuts(char AKey) {
  const std::vector<TcxEditButtonViewInfo*>& buttons = GetViewInfo()->ButtonsInfo;
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->State != ebsDisabled && IsAccel(static_cast<unsigned char>(AKey), buttons[i]->Caption)) {
      DoButtonClick(static_cast<Integer>(i));
      return true;
    }
  return false;
}

// ---- Messages ---------------------------------------------------------------------------------------------------------
void TcxCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
      if (FIsShadowRegionSetting) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_NCMOUSEMOVE:
    case WM_COMMAND:
    case CM_ACTIVATE:
    case CM_DEACTIVATE:
    case CM_APPKEYDOWN:
    case CM_APPSYSCOMMAND: ClearStateHint(false); break;
    case CM_HINTSHOW:
      if (FHintActivating) return;
      Application->CancelHint();
      break;
    default:
      if (Message.Msg >= WM_LBUTTONDOWN && Message.Msg <= WM_MBUTTONDBLCLK) ClearStateHint(false);
      break;
  }
  inherited::WndProc(Message);
}

void TcxCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COPY: WMCopy(Message); return;
    case WM_CUT: WMCut(Message); return;
    case WM_PASTE: WMPaste(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); return;
    default: inherited::Dispatch(Message);
  }
}

void TcxCustomEdit::DefaultHandler(TMessage& Message) {
  if (IsInplace() && Message.Msg == WM_CONTEXTMENU) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomEdit::WMCopy(TMessage&) { CopyToClipboard(); }

void TcxCustomEdit::WMCut(TMessage&) {
  const bool userAction = FUserAction;
  FUserAction = true;
  TFinally restore([this, userAction] { FUserAction = userAction; });
  if (GetActiveProperties()->GetReadOnly() || !FDataBinding->GetIsDataAvailable())
    CopyToClipboard();
  else
    CutToClipboard();
}

void TcxCustomEdit::WMPaste(TMessage&) {
  if (GetActiveProperties()->GetReadOnly() || !FDataBinding->GetIsDataAvailable()) return;
  const bool userAction = FUserAction;
  FUserAction = true;
  TFinally restore([this, userAction] { FUserAction = userAction; });
  PasteFromClipboard();
}

void TcxCustomEdit::CMDialogChar(TMessage& Message) {
  if (CheckButtonShortCuts(static_cast<char>(Message.WParam)))
    Message.Result = 1;
  else
    inherited::Dispatch(Message);
}

void TcxCustomEdit::GetTabOrderList(std::vector<TWinControl*>& List) {
  inherited::GetTabOrderList(List);
  if (IsInplace() && GetVisible()) List.erase(std::remove(List.begin(), List.end(), GetParent()), List.end());
}

bool TcxCustomEdit::ExecuteAction(ActnList::TBasicAction* Action) {
  return inherited::ExecuteAction(Action) || FDataBinding->ExecuteAction(Action);
}

bool TcxCustomEdit::UpdateAction(ActnList::TBasicAction* Action) {
  return inherited::UpdateAction(Action) || FDataBinding->UpdateAction(Action);
}

// ---- The inner edit -----------------------------------------------------------------------------------------------------
void TcxCustomEdit::CreateHandle() {
  inherited::CreateHandle();
  if (FInnerEdit && IsContainerFocused()) FInnerEdit->SafelySetFocus();
}

void TcxCustomEdit::UpdateInnerEditReadOnly() {
  if (IsPropertiesChangesLocked() || !FInnerEdit) return;
  FInnerEdit->SetReadOnly(RealReadOnly());
}

void TcxCustomEdit::LockInnerEditRepainting() {
  if (!FInnerEdit || FInnerEditRepaintingLocked) return;
  TWinControl* control = FInnerEdit->GetControl();
  FSavedInnerEditWindowProc = control->WindowProc;
  control->WindowProc = TWndMethod(this, &TcxCustomEdit::LockedInnerEditWindowProc);
  FInnerEditRepaintingLocked = true;
}

void TcxCustomEdit::UnlockInnerEditRepainting() {
  if (!FInnerEditRepaintingLocked) return;
  FInnerEditRepaintingLocked = false;
  if (FInnerEdit) FInnerEdit->GetControl()->WindowProc = FSavedInnerEditWindowProc;
  FSavedInnerEditWindowProc = TWndMethod();
}

void TcxCustomEdit::LockedInnerEditWindowProc(TMessage& Message) {
  if (FSavedInnerEditWindowProc) FSavedInnerEditWindowProc(Message);
}

}  // namespace cxEdit
