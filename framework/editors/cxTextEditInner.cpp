// The text editor's inner edit window and the helper through which the editor reaches it.
#include "cxTextEditInner.h"

#include "Forms.h"
#include "Messages.h"
#include "WinInput.h"
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxDWMApi.h"
#include "cxTextEdit.h"

namespace cxTextEdit {

// ---- State of a key ---------------------------------------------------------------------------------------------
void SaveTextEditState(TcxCustomInnerTextEdit* AEdit, bool ASaveText, TcxTextEditState& AState) {
  AState.TextSaved = ASaveText;
  if (ASaveText) AState.Text = AEdit->GetText();
  AState.SelStart = AEdit->GetTextHelper()->GetSelStart();
  AState.SelLength = AEdit->GetTextHelper()->GetSelLength();
}

bool CheckTextEditState(TcxCustomInnerTextEdit* AEdit, const TcxTextEditState& AState) {
  if (!AEdit->HandleAllocated()) return true;
  TcxCustomInnerTextEditHelper* helper = AEdit->GetTextHelper();
  if (helper->GetSelStart() != AState.SelStart || helper->GetSelLength() != AState.SelLength) return true;
  return AState.TextSaved && AnsiCompareText(AState.Text, AEdit->GetText()) != 0;
}

// ---- TcxCustomInnerTextEditHelper ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomInnerTextEditHelper)

TWinControl* TcxCustomInnerTextEditHelper::GetControl() { return FEdit; }
TcxContainer* TcxCustomInnerTextEditHelper::GetControlContainer() { return FEdit->GetControlContainer(); }

LRESULT TcxCustomInnerTextEditHelper::CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) {
  TMessage message{AMsg, WParam, LParam, 0};
  FEdit->TWinControl::DefaultHandler(message);
  return message.Result;
}

TcxEditValue TcxCustomInnerTextEditHelper::GetEditValue() { return FEdit->GetText(); }

void TcxCustomInnerTextEditHelper::SetEditValue(const TcxEditValue& Value) {
  const String text = VarToStr(Value);
  const bool changed = text != FEdit->GetText();
  FEdit->SetText(text);
  if (changed && FEdit->ComponentState().Contains(csDesigning)) FEdit->Change();
}

TNotifyEvent TcxCustomInnerTextEditHelper::GetOnChange() { return FEdit->GetOnChange(); }
void TcxCustomInnerTextEditHelper::SetOnChange(TNotifyEvent Value) { FEdit->SetOnChange(Value); }
bool TcxCustomInnerTextEditHelper::GetReadOnly() { return FEdit->GetReadOnly(); }
void TcxCustomInnerTextEditHelper::SetReadOnly(bool Value) { FEdit->SetReadOnly(Value); }
void TcxCustomInnerTextEditHelper::SetParent(TWinControl* Value) { FEdit->SetParent(Value); }

void TcxCustomInnerTextEditHelper::LockBounds(bool ALock) {
  if (ALock) ++FEdit->FLockBoundsCount;
  else if (FEdit->FLockBoundsCount > 0) --FEdit->FLockBoundsCount;
}

void TcxCustomInnerTextEditHelper::SafelySetFocus() {
  const bool autoSelect = FEdit->GetAutoSelect();
  FEdit->SetAutoSelect(false);
  TFinally restore([this, autoSelect] { FEdit->SetAutoSelect(autoSelect); });
  FEdit->SetFocus();
}

Integer TcxCustomInnerTextEditHelper::GetSelStart() {
  if (FEdit->FImeCharsPending > 0) return FSavedSelStart;
  return FEdit->HandleAllocated() ? FEdit->TCustomEdit::GetSelStart() : 0;
}

Integer TcxCustomInnerTextEditHelper::GetSelLength() {
  if (FEdit->FImeCharsPending > 0) return FSavedSelLength;
  return FEdit->HandleAllocated() ? FEdit->TCustomEdit::GetSelLength() : 0;
}

void TcxCustomInnerTextEditHelper::SetSelStart(Integer Value) {
  if (!FEdit->HandleAllocated()) return;
  if (FEdit->FImeCharsPending > 0) FSavedSelStart = Value;
  else FEdit->TCustomEdit::SetSelStart(Value);
}

void TcxCustomInnerTextEditHelper::SetSelLength(Integer Value) {
  if (!FEdit->HandleAllocated()) return;
  if (FEdit->FImeCharsPending > 0) FSavedSelLength = Value;
  else FEdit->TCustomEdit::SetSelLength(Value);
}

String TcxCustomInnerTextEditHelper::GetSelText() { return FEdit->HandleAllocated() ? FEdit->GetSelText() : String(); }
void TcxCustomInnerTextEditHelper::SetSelText(const String& Value) { FEdit->TCustomEdit::SetSelText(Value); }
void TcxCustomInnerTextEditHelper::SelectAll() {
  if (FEdit->HandleAllocated()) FEdit->TCustomEdit::SelectAll();
}
void TcxCustomInnerTextEditHelper::ClearSelection() { FEdit->TCustomEdit::ClearSelection(); }
void TcxCustomInnerTextEditHelper::CopyToClipboard() { FEdit->TCustomEdit::CopyToClipboard(); }

char TcxCustomInnerTextEditHelper::GetImeLastChar() { return FEdit->FImeCharsPending == 2 ? FEdit->FImeLastChar : 0; }

TAlignment TcxCustomInnerTextEditHelper::GetAlignment() { return FEdit->GetAlignment(); }
void TcxCustomInnerTextEditHelper::SetAlignment(TAlignment Value) { FEdit->SetAlignment(Value); }
bool TcxCustomInnerTextEditHelper::GetAutoSelect() { return FEdit->GetAutoSelect(); }
void TcxCustomInnerTextEditHelper::SetAutoSelect(bool Value) { FEdit->SetAutoSelect(Value); }
TEditCharCase TcxCustomInnerTextEditHelper::GetCharCase() { return FEdit->GetCharCase(); }
void TcxCustomInnerTextEditHelper::SetCharCase(TEditCharCase Value) { FEdit->SetCharCase(Value); }
TcxEditEchoMode TcxCustomInnerTextEditHelper::GetEchoMode() { return FEdit->GetEchoMode(); }
void TcxCustomInnerTextEditHelper::SetEchoMode(TcxEditEchoMode Value) { FEdit->SetEchoMode(Value); }
bool TcxCustomInnerTextEditHelper::GetHideSelection() { return FEdit->GetHideSelection(); }
void TcxCustomInnerTextEditHelper::SetHideSelection(bool Value) { FEdit->SetHideSelection(Value); }
TImeMode TcxCustomInnerTextEditHelper::GetImeMode() { return FEdit->GetImeMode(); }
void TcxCustomInnerTextEditHelper::SetImeMode(TImeMode Value) { FEdit->SetImeMode(Value); }
TImeName TcxCustomInnerTextEditHelper::GetImeName() { return FEdit->GetImeName(); }
void TcxCustomInnerTextEditHelper::SetImeName(const TImeName& Value) { FEdit->SetImeName(Value); }
bool TcxCustomInnerTextEditHelper::GetInternalUpdating() { return FEdit->GetInternalUpdating(); }
void TcxCustomInnerTextEditHelper::SetInternalUpdating(bool Value) { FEdit->SetInternalUpdating(Value); }
Integer TcxCustomInnerTextEditHelper::GetMaxLength() { return FEdit->GetMaxLength(); }
void TcxCustomInnerTextEditHelper::SetMaxLength(Integer Value) { FEdit->SetMaxLength(Value); }
bool TcxCustomInnerTextEditHelper::GetOEMConvert() { return FEdit->GetOEMConvert(); }
void TcxCustomInnerTextEditHelper::SetOEMConvert(bool Value) { FEdit->SetOEMConvert(Value); }
TNotifyEvent TcxCustomInnerTextEditHelper::GetOnSelChange() { return FEdit->OnSelChange; }
void TcxCustomInnerTextEditHelper::SetOnSelChange(TNotifyEvent Value) { FEdit->OnSelChange = Value; }
Char TcxCustomInnerTextEditHelper::GetPasswordChar() { return FEdit->GetInnerPasswordChar(); }
void TcxCustomInnerTextEditHelper::SetPasswordChar(Char Value) { FEdit->SetInnerPasswordChar(Value); }

// ---- TcxCustomInnerTextEdit ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomInnerTextEdit)

void TcxCustomInnerTextEdit::Construct() {
  FCreating = true;
  inherited::Construct();
  FHelper = New<TcxCustomInnerTextEditHelper>(this);
  ControlStyle.Include(csDoubleClicks);
  SetParentColor(true);
  SetParentFont(false);
  FAlignment = cxEditDefaultHorzAlignment;
  FInternalUpdating = false;
  FEchoMode = eemNormal;
  ApplyEchoMode();
  FCreating = false;
}

void TcxCustomInnerTextEdit::Destroy() {
  FreeAndNil(FHelper);
  inherited::Destroy();
}

TcxContainer* TcxCustomInnerTextEdit::GetControlContainer() { return dynamic_cast<TcxContainer*>(GetOwner()); }
TcxCustomTextEdit* TcxCustomInnerTextEdit::GetContainer() { return dynamic_cast<TcxCustomTextEdit*>(GetOwner()); }

void TcxCustomInnerTextEdit::SetAlignment(TAlignment Value) {
  TcxCustomTextEdit* container = GetContainer();
  if (container && container->GetActiveProperties()->GetUseLeftAlignmentOnEditing()) Value = taLeftJustify;
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TcxCustomInnerTextEdit::SetEchoMode(TcxEditEchoMode Value) {
  FEchoMode = Value;
  ApplyEchoMode();
}

void TcxCustomInnerTextEdit::SetInnerPasswordChar(Char Value) {
  FPasswordChar = Value;
  ApplyEchoMode();
}

void TcxCustomInnerTextEdit::ApplyEchoMode() {
  SetPasswordChar(FEchoMode == eemNormal ? 0 : (FPasswordChar ? FPasswordChar : '*'));
}

Integer TcxCustomInnerTextEdit::GetCursorPos() {
  POINT caret{};
  ::GetCaretPos(&caret);
  const auto length = static_cast<Integer>(GetText().size());
  if (length == 0) return 0;
  auto xOf = [this](Integer AIndex) {
    return static_cast<int16_t>(LOWORD(SendMessage(GetHandle(), EM_POSFROMCHAR, static_cast<WPARAM>(AIndex), 0)));
  };
  Integer low = 0, high = length - 1;
  while (high - low >= 2) {
    const Integer middle = (low + high) / 2;
    if (xOf(middle) < caret.x) low = middle;
    else high = middle;
  }
  if (xOf(low) == caret.x) return low;
  if (xOf(high) == caret.x) return high;
  return high + 1;
}

void TcxCustomInnerTextEdit::AdjustMargins() {
  if (HandleAllocated()) SendMessage(GetHandle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, 1));
}

void TcxCustomInnerTextEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FCreating || FLockBoundsCount > 0) return;
  TcxContainer* container = GetControlContainer();
  if (container) container->LockAlignControls(true);
  TFinally unlock([container] {
    if (container) container->LockAlignControls(false);
  });
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TcxCustomInnerTextEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  static constexpr DWORD Alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  Params.Style |= Alignments[FAlignment] | ES_AUTOHSCROLL;
  Params.Style &= ~(WS_BORDER | WS_DLGFRAME | WS_THICKFRAME);
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TcxCustomInnerTextEdit::CreateHandle() {
  if (TcxContainer* container = GetControlContainer()) container->HandleNeeded();
  inherited::CreateHandle();
}

void TcxCustomInnerTextEdit::CreateWindowHandle(const TCreateParams& Params) {
  // The window is made empty and then given its text straight through the edit's own procedure,
  // so the text is laid out by the edit class with every style already in place.
  TCreateParams params = Params;
  params.Caption.clear();
  inherited::CreateWindowHandle(params);
  if (HandleAllocated()) FHelper->CallDefWndProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Params.Caption.c_str()));
}

void TcxCustomInnerTextEdit::CreateWnd() {
  inherited::CreateWnd();
  AdjustMargins();
}

bool TcxCustomInnerTextEdit::CanFocus() {
  TcxContainer* container = GetControlContainer();
  return container ? container->CanFocus() : inherited::CanFocus();
}

void TcxCustomInnerTextEdit::Change() {
  inherited::Change();
}

// ---- Events forwarded to the editor ---------------------------------------------------------------------------
void TcxCustomInnerTextEdit::Click() {
  inherited::Click();
  if (TcxContainer* container = GetControlContainer()) _TcxContainerAccess::Click(container);
}

void TcxCustomInnerTextEdit::DblClick() {
  inherited::DblClick();
  if (TcxContainer* container = GetControlContainer()) _TcxContainerAccess::DblClick(container);
}

void TcxCustomInnerTextEdit::DragDrop(TObject* Source, Integer X, Integer Y) {
  if (TcxContainer* container = GetControlContainer()) container->DragDrop(Source, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerTextEdit::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  if (TcxContainer* container = GetControlContainer())
    _TcxContainerAccess::DragOver(container, Source, X + GetLeft(), Y + GetTop(), State, Accept);
}

void TcxCustomInnerTextEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  TcxContainer* container = GetControlContainer();
  if (!container) return;
  container->FInnerControlMouseDown = true;
  TFinally done([container] { container->FInnerControlMouseDown = false; });
  _TcxContainerAccess::MouseDown(container, Button, Shift, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerTextEdit::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (TcxContainer* container = GetControlContainer())
    _TcxContainerAccess::MouseMove(container, Shift, X + GetLeft(), Y + GetTop());
}

void TcxCustomInnerTextEdit::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (TcxContainer* container = GetControlContainer())
    _TcxContainerAccess::MouseUp(container, Button, Shift, X + GetLeft(), Y + GetTop());
}

// ---- Keys -------------------------------------------------------------------------------------------------------
void TcxCustomInnerTextEdit::KeyDown(Word& Key, TShiftState Shift) {
  FInternalUpdating = false;
  if (TcxContainer* container = GetControlContainer()) _TcxContainerAccess::KeyDown(container, Key, Shift);
  if (Key == 0) FInternalUpdating = true;
  else inherited::KeyDown(Key, Shift);
  FKeySurvived = Key != 0;
}

void TcxCustomInnerTextEdit::KeyPress(char& Key) {
  FInternalUpdating = false;
  // Tab never reaches the edit; the form moves the focus.
  if (Key == VK_TAB) Key = 0;
  TcxCustomTextEdit* container = GetContainer();
  if (Key != 0 && container) {
    _TcxContainerAccess::KeyPress(container, Key);
    if (Key == 0) FInternalUpdating = true;
  }
  if (container && (Key == VK_RETURN || Key == VK_ESCAPE)) {
    const bool escapeFlag = container->GetEscapeFlag();
    if (container->IsInplace() || escapeFlag || (Key == VK_RETURN && !container->GetBeepOnEnter())) {
      container->SetEscapeFlag(false);
      Key = 0;
    }
  }
  if (Key != 0) inherited::KeyPress(Key);
  FKeySurvived = Key != 0;
}

void TcxCustomInnerTextEdit::KeyUp(Word& Key, TShiftState Shift) {
  FInternalUpdating = false;
  if (Key == VK_TAB) Key = 0;
  if (TcxContainer* container = GetControlContainer()) _TcxContainerAccess::KeyUp(container, Key, Shift);
  if (Key == 0) FInternalUpdating = true;
  else inherited::KeyUp(Key, Shift);
}

void TcxCustomInnerTextEdit::UserEdit(void (TcxCustomTextEdit::*ACommand)()) {
  TcxCustomTextEdit* container = GetContainer();
  if (!container) return;
  container->WithUserAction(true, [container, ACommand] { (container->*ACommand)(); });
}

// ---- Messages ----------------------------------------------------------------------------------------------------
bool TcxCustomInnerTextEdit::IsGlassPaintingNeeded() {
  TcxCustomTextEdit* container = GetContainer();
  return container && container->FIsOnGlass && IsCompositionEnabled();
}

void TcxCustomInnerTextEdit::WndProc(TMessage& Message) {
  TcxContainer* container = GetControlContainer();
  if (container && container->InnerControlMenuHandler(Message)) return;
  if (HandleGlassPaintMessage(this, IsGlassPaintingNeeded(), FRepaintOnGlass, Message)) return;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The editor is dragged as a whole, never its inner edit alone.
      if (container && container->GetDragMode() == dmAutomatic && !container->Dragging()) {
        _TcxContainerAccess::BeginAutoDrag(container);
        return;
      }
      break;
    default: break;
  }
  inherited::WndProc(Message);
  PostGlassRepaintAfterColorMessage(this, IsGlassPaintingNeeded(), FRepaintOnGlass, Message);
}

bool TcxCustomInnerTextEdit::ExecuteAction(ActnList::TBasicAction* Action) {
  if (inherited::ExecuteAction(Action)) return true;
  TcxCustomTextEdit* container = GetContainer();
  return container && container->GetDataBinding()->ExecuteAction(Action);
}

bool TcxCustomInnerTextEdit::UpdateAction(ActnList::TBasicAction* Action) {
  if (inherited::UpdateAction(Action)) return true;
  TcxCustomTextEdit* container = GetContainer();
  return container && container->GetDataBinding()->UpdateAction(Action);
}

void TcxCustomInnerTextEdit::DefaultHandler(TMessage& Message) {
  TcxContainer* container = GetControlContainer();
  if (container && container->InnerControlDefaultHandler(Message)) return;
  inherited::DefaultHandler(Message);
}

void TcxCustomInnerTextEdit::Dispatch(TMessage& Message) {
  TcxCustomTextEdit* container = GetContainer();
  switch (Message.Msg) {
    case WM_KEYDOWN: {
      if (container && container->HasPopupWindow() &&
          container->GetActiveProperties()->IsPopupKey(static_cast<Word>(Message.WParam), InternalGetShiftState()) &&
          container->GetLookupData() && container->GetLookupData()->GetActiveControl()) {
        Message.Result = SendMessage(container->GetLookupData()->GetActiveControl()->GetHandle(), Message.Msg,
                                     Message.WParam, Message.LParam);
        return;
      }
      TcxTextEditState state;
      SaveTextEditState(this, true, state);
      FInternalUpdating = false;
      FKeySurvived = false;
      inherited::Dispatch(Message);
      if (FKeySurvived && !FInternalUpdating && container && !CheckTextEditState(this, state)) {
        Word key = static_cast<Word>(Message.WParam);
        container->DoAfterKeyDown(key, InternalGetShiftState());
      }
      return;
    }
    case WM_CHAR: {
      TcxTextEditState state;
      SaveTextEditState(this, true, state);
      FInternalUpdating = false;
      inherited::Dispatch(Message);
      if (FImeCharsPending > 0 && --FImeCharsPending == 0 && container && container->GetFindSelection()) {
        TCustomEdit::SetSelStart(FHelper->FSavedSelStart);
        TCustomEdit::SetSelLength(FHelper->FSavedSelLength);
      }
      if (!container) return;
      container->UnlockLookupDataTextChanged();
      if (!FInternalUpdating && CheckTextEditState(this, state)) container->SetFindSelection(false);
      return;
    }
    case WM_IME_CHAR:
      if (Message.WParam & 0xFF00) {
        FImeCharsPending = 2;
        FImeLastChar = static_cast<char>(Message.WParam & 0xFF);
      } else {
        FImeCharsPending = 1;
      }
      FHelper->FSavedSelStart = TCustomEdit::GetSelStart();
      FHelper->FSavedSelLength = TCustomEdit::GetSelLength();
      inherited::Dispatch(Message);
      return;
    case WM_IME_COMPOSITION:
      if (!container || container->DoEditing()) inherited::Dispatch(Message);
      return;
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      Message.Result |= DLGC_WANTCHARS;
      if (container && container->TabsNeeded() && !IsCtrlPressed()) Message.Result |= DLGC_WANTTAB;
      if (container && (container->IsInplace() || container->HasPopupWindow())) Message.Result |= DLGC_WANTALLKEYS;
      return;
    case WM_CUT:
      if (GetReadOnly()) UserEdit(&TcxCustomTextEdit::CopyToClipboard);
      else UserEdit(&TcxCustomTextEdit::CutToClipboard);
      return;
    case WM_PASTE:
      if (!GetReadOnly()) UserEdit(&TcxCustomTextEdit::PasteFromClipboard);
      return;
    case WM_CLEAR:
      if (!GetReadOnly()) UserEdit(&TcxCustomTextEdit::ClearSelection);
      return;
    case WM_UNDO:
      inherited::Dispatch(Message);
      if (container) container->UndoPerformed();
      return;
    case WM_SETFOCUS:
      inherited::Dispatch(Message);
      if (container && !ComponentState().Contains(csDestroying) && reinterpret_cast<HWND>(Message.WParam) != container->GetHandle())
        container->FocusChanged();
      return;
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      if (container && !ComponentState().Contains(csDestroying)) container->FocusChanged();
      return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_SIZE:
      inherited::Dispatch(Message);
      AdjustMargins();
      return;
    case EM_SETSEL:
      inherited::Dispatch(Message);
      if (OnSelChange) OnSelChange(this);
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      if (container) container->ShortRefreshContainer(false);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxTextEdit
