// The drop-down editors' settings and the drop-down cycle: open requests (button, keys, typing,
// paste, click, activation) queued as one posted show message, setting up and placing the popup,
// closing it with a reason, and remembering the size the user gave it.
#include "Forms.h"
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "cxDWMApi.h"
#include <limits>

#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxVariants.h"
#include "cxDropDownEdit.h"
#include "cxEditUtils.h"

namespace cxDropDownEdit {

IMPLEMENT_CLASS(TcxCustomDropDownEditProperties)
IMPLEMENT_CLASS(TcxCustomDropDownEditData)
IMPLEMENT_CLASS(TcxCustomDropDownEditViewData)
IMPLEMENT_ABSTRACT_CLASS(TcxCustomDropDownEdit)
IMPLEMENT_CLASS(TcxCustomDropDownInnerEdit)
IMPLEMENT_CLASS(TcxEditPopupControlLookAndFeel)

// ---- Settings -----------------------------------------------------------------------------------------

void TcxCustomDropDownEditProperties::Construct() {
  inherited::Construct();
  TcxEditButton* button = GetButtons()->Add();
  button->SetKind(bkDown);
  FGlyphButtonIndex = DropDownButtonVisibleIndex();
}

void TcxCustomDropDownEditProperties::Destroy() {
  FreeAndNil(FButtonGlyph);
  inherited::Destroy();
}

TClass TcxCustomDropDownEditProperties::GetContainerClass() { return TcxCustomDropDownEdit::StaticClass(); }
TClass TcxCustomDropDownEditProperties::GetViewDataClass() { return TcxCustomDropDownEditViewData::StaticClass(); }
TClass TcxCustomDropDownEditProperties::GetPopupWindowClass() { return TcxCustomEditPopupWindow::StaticClass(); }

TBitmap* TcxCustomDropDownEditProperties::GetButtonGlyph() {
  if (!FButtonGlyph) FButtonGlyph = New<TBitmap>();
  return FButtonGlyph;
}

void TcxCustomDropDownEditProperties::SetButtonGlyph(TBitmap* Value) {
  if (Value)
    GetButtonGlyph()->Assign(Value);
  else
    FreeAndNil(FButtonGlyph);
  Changed();
}

void TcxCustomDropDownEditProperties::CheckGlyphButtonKind() {
  if (FGlyphButtonIndex >= GetButtons()->GetVisibleCount()) return;
  TcxEditButton* button = GetButtons()->GetItem(FGlyphButtonIndex);
  if (VerifyBitmap(FButtonGlyph)) {
    button->SetGlyph(FButtonGlyph);
    button->SetKind(bkGlyph);
  } else if (button->GetKind() == bkGlyph) {
    button->SetKind(bkDown);
  }
}

void TcxCustomDropDownEditProperties::Changed() {
  if (FChanging) return;
  FChanging = true;
  TFinally done([this] { FChanging = false; });
  CheckGlyphButtonKind();
  inherited::Changed();
}

void TcxCustomDropDownEditProperties::SetGlyphButtonIndex(Integer Value) {
  if (Value == FGlyphButtonIndex) return;
  TcxEditButtons* buttons = GetButtons();
  if (FGlyphButtonIndex >= 0 && FGlyphButtonIndex < buttons->Count()) {
    buttons->GetItem(FGlyphButtonIndex)->SetGlyph(nullptr);
    if (buttons->GetItem(FGlyphButtonIndex)->GetKind() == bkGlyph) buttons->GetItem(FGlyphButtonIndex)->SetKind(bkDown);
  }
  FGlyphButtonIndex = Value;
  Changed();
}

TAlignment TcxCustomDropDownEditProperties::GetPopupAlignment() const {
  static constexpr TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
  return alignments[PopupHorzAlignment];
}

void TcxCustomDropDownEditProperties::SetPopupAlignment(TAlignment Value) {
  static constexpr TcxPopupAlignHorz aligns[] = {pahLeft, pahRight, pahCenter};  // by TAlignment
  if (aligns[Value] == PopupHorzAlignment) return;
  PopupHorzAlignment = aligns[Value];
  Changed();
}

void TcxCustomDropDownEditProperties::SetPopupWidth(Integer Value) {
  Value = std::max<Integer>(Value, 0);
  FPopupWidth = Value > 0 ? std::max(Value, FPopupMinWidth) : 0;
}

void TcxCustomDropDownEditProperties::SetPopupMinHeight(Integer Value) {
  FPopupMinHeight = std::max<Integer>(Value, 0);
  SetPopupHeight(FPopupHeight);
}

void TcxCustomDropDownEditProperties::SetPopupMinWidth(Integer Value) {
  FPopupMinWidth = std::max<Integer>(Value, 0);
  SetPopupWidth(FPopupWidth);
}

void TcxCustomDropDownEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomDropDownEditProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::Assign(Source);
  SetButtonGlyph(source->FButtonGlyph);
  FImmediateDropDown = source->FImmediateDropDown;
  FImmediatePopup = source->FImmediatePopup;
  SetKeepArrowButtonPressedWhenDroppedDown(source->FKeepArrowButtonPressedWhenDroppedDown);
  FPopupAutoSize = source->FPopupAutoSize;
  SetPopupClientEdge(source->FPopupClientEdge);
  PopupDirection = source->PopupDirection;
  PopupHorzAlignment = source->PopupHorzAlignment;
  PopupVertAlignment = source->PopupVertAlignment;
  FPopupMinHeight = source->FPopupMinHeight;
  FPopupMinWidth = source->FPopupMinWidth;
  SetPopupHeight(source->FPopupHeight);
  SetPopupWidth(source->FPopupWidth);
  SetPopupSizeable(source->FPopupSizeable);
  SetPopupSysPanelStyle(source->FPopupSysPanelStyle);
  FPostPopupValueOnTab = source->FPostPopupValueOnTab;
  OnCloseQuery = source->OnCloseQuery;
  OnCloseUp = source->OnCloseUp;
  OnInitPopup = source->OnInitPopup;
  OnPopup = source->OnPopup;
  OnFinalizePopup = source->OnFinalizePopup;
}

// ---- View data ---------------------------------------------------------------------------------------

namespace {
TcxCustomDropDownEdit* DropDownEditOf(TcxCustomEditViewData* AViewData) {
  return dynamic_cast<TcxCustomDropDownEdit*>(AViewData->Edit);
}
}  // namespace

void TcxCustomDropDownEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                              TcxMouseButton Button, TShiftState Shift,
                                              TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
  const bool nativeOnGlass = NativeStyle && IsCompositionEnabled();
  KeepArrowButtonPressed = properties->GetKeepArrowButtonPressedWhenDroppedDown() || nativeOnGlass;
  inherited::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  // A focused fixed list shows its value on a selection bar, unless a search shows what it found
  // as a selection of its own.
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(AViewInfo);
  const TcxEditEditingStyle style = properties->GetEditingStyle();
  auto* textEdit = dynamic_cast<TcxCustomTextEdit*>(Edit);
  const bool findSelectionShown =
      textEdit && style == esFixedList && properties->GetFixedListSelection() && textEdit->GetFindSelection();
  viewInfo->DrawSelectionBar = !IsInplace() && !findSelectionShown && style == esFixedList && Focused &&
                               !viewInfo->Transparent && !nativeOnGlass;
}

bool TcxCustomDropDownEditViewData::CanPressButton(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) {
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
  return !(IsHotAndPopup && AButtonVisibleIndex == properties->DropDownButtonVisibleIndex());
}

bool TcxCustomDropDownEditViewData::IsButtonPressed(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) {
  if (inherited::IsButtonPressed(AViewInfo, AButtonVisibleIndex)) return true;
  TcxCustomDropDownEdit* edit = DropDownEditOf(this);
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
  return edit && (edit->GetDroppedDown() || edit->IsHotAndPopup()) && KeepArrowButtonPressed &&
         AButtonVisibleIndex == properties->DropDownButtonVisibleIndex();
}

Integer TcxCustomDropDownEditViewData::GetEditNativeState(TcxCustomEditViewInfo* AViewInfo) {
  const Integer state = inherited::GetEditNativeState(AViewInfo);
  TcxCustomDropDownEdit* edit = DropDownEditOf(this);
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(GetProperties());
  if (state != ETS_SELECTED || properties->GetEditingStyle() != esFixedList || (edit && edit->GetDroppedDown()))
    return state;
  return ContainerState.Contains(csHotTrack) ? ETS_HOT : ETS_NORMAL;
}

void TcxCustomDropDownInnerEdit::Dispatch(TMessage& Message) {
  auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(GetContainer());
  if (Message.Msg == CM_HINTSHOW && edit && edit->GetDroppedDown()) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

// ---- The popup controls' look and feel ---------------------------------------------------------------

TcxEditPopupControlLookAndFeel::TcxEditPopupControlLookAndFeel(TcxCustomDropDownEdit* AEdit)
    : TcxLookAndFeel(AEdit), FEdit(AEdit) {}

TcxLookAndFeelKind TcxEditPopupControlLookAndFeel::InternalGetKind() const {
  return FEdit ? GetEditPopupWindowControlsLookAndFeelKind(FEdit) : inherited::InternalGetKind();
}

bool TcxEditPopupControlLookAndFeel::InternalGetNativeStyle() const {
  return FEdit && FEdit->GetViewInfo() ? FEdit->GetViewInfo()->NativeStyle : inherited::InternalGetNativeStyle();
}

TdxSkinName TcxEditPopupControlLookAndFeel::InternalGetSkinName() const {
  return FEdit ? FEdit->GetEditActiveStyle()->GetLookAndFeel()->GetSkinName() : inherited::InternalGetSkinName();
}

void TcxEditPopupControlLookAndFeel::EditStyleChanged() {
  TcxLookAndFeelValues changed;
  if (InternalGetKind() != GetKind()) changed.Include(lfvKind);
  if (InternalGetNativeStyle() != GetNativeStyle()) changed.Include(lfvNativeStyle);
  if (InternalGetSkinName() != GetSkinName()) changed.Include(lfvSkinName);
  if (!changed.Empty()) MasterLookAndFeelChanged(this, changed);
}

// ---- Life ---------------------------------------------------------------------------------------------

TClass TcxCustomDropDownEdit::GetPropertiesClass() { return TcxCustomDropDownEditProperties::StaticClass(); }

void TcxCustomDropDownEdit::Construct() { inherited::Construct(); }

void TcxCustomDropDownEdit::Initialize() {
  inherited::Initialize();
  if (!ComponentState().Contains(csDesigning)) CreatePopupWindow();
  FPopupControlsLookAndFeel = New<TcxEditPopupControlLookAndFeel>(this);
  FPopupControlsLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(
      [this](TcxLookAndFeel* Sender, TcxLookAndFeelValues) { PopupControlsLookAndFeelChanged(Sender); });
}

bool TcxCustomDropDownEdit::RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                             bool AIsMouseEvent) {
  const bool result = inherited::RefreshContainer(P, Button, Shift, AIsMouseEvent);
  // A press the open popup keeps from pressing the drop-down button (the pointer is over the editor)
  // closes the popup. The button drawn held while the popup is open counts as pressed, so it never
  // closes the popup by itself.
  TcxCustomEditViewInfo* info = GetViewInfo();
  if (GetDroppedDown() && info->IsButtonReallyPressed && info->PressedButton == -1) CloseUp(crUnknown);
  // A drag with the left button keeps the flag of its press, so the drag does not press the button.
  if (AIsMouseEvent && !(Button == cxmbNone && Shift.Contains(ssLeft)))
    FIsHotAndPopup = GetDroppedDown() && info->ContainerState.Contains(csHotTrack);
  if (FPopupControlsLookAndFeel) FPopupControlsLookAndFeel->EditStyleChanged();
  return result;
}

void TcxCustomDropDownEdit::ContainerStyleChanged(TObject* Sender) {
  if (HandleAllocated() && FPopupControlsLookAndFeel) FPopupControlsLookAndFeel->EditStyleChanged();
  inherited::ContainerStyleChanged(Sender);
}

void TcxCustomDropDownEdit::Destroy() {
  DeleteShowPopupWindowMessages();
  if (FPopupWindow) {
    // The closing events must not reach an editor that is going.
    FPopupWindow->OnClosed = TNotifyEvent();
    FPopupWindow->OnClosing = TNotifyEvent();
    FPopupWindow->OnCloseQuery = TCloseQueryEvent();
    FPopupWindow->CloseUp();
  }
  FreeAndNil(FPopupWindow);
  FreeAndNil(FPopupControlsLookAndFeel);
  inherited::Destroy();
}

void TcxCustomDropDownEdit::BeforeDestruction() {
  if (GetLookupData()) GetLookupData()->Deinitialize();
  inherited::BeforeDestruction();
}

void TcxCustomDropDownEdit::DoStartDock(TDragObject*& DragObject) {
  CloseUp(crUnknown);
  inherited::DoStartDock(DragObject);
}

// The drop-down editors publish the button styles, the popup border style and the gradient buttons.
TcxContainerStyleValues TcxCustomDropDownEdit::InternalGetNotPublishedStyleValues() {
  TcxContainerStyleValues values = inherited::InternalGetNotPublishedStyleValues();
  for (Integer value = 10; value <= 13; ++value) values.Exclude(static_cast<TcxContainerStyleValue>(value));
  return values;
}

void TcxCustomDropDownEdit::CreatePopupWindow() {
  FPopupWindow = static_cast<TcxCustomEditPopupWindow*>(
      TcxCustomPopupWindow::Create(GetActiveProperties()->GetPopupWindowClass(), this));
  FPopupWindow->SetCaptureFocus(GetActiveProperties()->PopupWindowCapturesFocus());
  FPopupWindow->SetIsTopMost(!IsInplace());
  FPopupWindow->GetStyle()->GetLookAndFeel()->SetMasterLookAndFeel(GetEditActiveStyle()->GetLookAndFeel());
  FPopupWindow->SetBiDiMode(GetBiDiMode());
  FPopupWindow->OnCloseQuery = TCloseQueryEvent(this, &TcxCustomDropDownEdit::PopupWindowCloseQuery);
  FPopupWindow->OnClosed = TNotifyEvent(this, &TcxCustomDropDownEdit::PopupWindowClosed);
  FPopupWindow->OnClosing = TNotifyEvent(this, &TcxCustomDropDownEdit::PopupWindowClosing);
  FPopupWindow->OnShowed = TNotifyEvent(this, &TcxCustomDropDownEdit::PopupWindowShowed);
  FPopupWindow->OnShowing = TNotifyEvent(this, &TcxCustomDropDownEdit::PopupWindowShowing);
}

void TcxCustomDropDownEdit::DestroyWnd() {
  if (FPopupWindow) {
    CloseUp(crUnknown);
    DoFinalizePopup();
    if (FPopupWindow->HandleAllocated()) FPopupWindow->DestroyPopupHandle();
  }
  inherited::DestroyWnd();
}

TcxCustomEditViewData* TcxCustomDropDownEdit::CreateViewData() {
  TcxCustomEditViewData* viewData = inherited::CreateViewData();
  if (auto* dropDownData = dynamic_cast<TcxCustomDropDownEditViewData*>(viewData)) {
    dropDownData->HasPopupWindow = GetDroppedDown();
    dropDownData->IsHotAndPopup = FIsHotAndPopup;
  }
  return viewData;
}

void TcxCustomDropDownEdit::PropertiesChanged(TObject* Sender) {
  if (!GetActiveProperties()->GetPopupSizeable()) FUserSizeValid = false;
  if (GetDroppedDown()) SetupPopupWindow();
  inherited::PropertiesChanged(Sender);
}

// ---- Opening ------------------------------------------------------------------------------------------

bool TcxCustomDropDownEdit::GetDroppedDown() { return FPopupWindow && FPopupWindow->IsVisible(); }

void TcxCustomDropDownEdit::SetDroppedDown(bool Value) {
  if (Value == GetDroppedDown()) return;
  if (!Value) {
    CloseUp(crUnknown);
    return;
  }
  MSG msg;
  // A request made before the popup has shown is dropped: one popup per queued show message.
  if (FPopupWindow && FPopupWindow->HandleAllocated() &&
      PeekMessage(&msg, FPopupWindow->GetHandle(), CM_SHOWPOPUPWINDOW, CM_SHOWPOPUPWINDOW, PM_NOREMOVE))
    return;
  DropDown();
}

void TcxCustomDropDownEdit::DropDown() {
  if (!FPopupWindow || !HandleAllocated() || !IsWindowVisible(GetHandle())) return;
  DoInitPopup();
  if (!CanDropDown()) {
    DoFinalizePopup();
    return;
  }
  SetupPopupWindow();
  FPopupWindow->HandleNeeded();
  FPopupWindow->SetPopupFocusedControl(GetPopupFocusedControl());
  PostMessage(FPopupWindow->GetHandle(), CM_SHOWPOPUPWINDOW, 0, 0);
}

void TcxCustomDropDownEdit::DoInitPopup() {
  if (FPopupInitialized) return;
  FPopupInitialized = true;
  try {
    if (GetProperties()->OnInitPopup) GetProperties()->OnInitPopup(this);
    if (GetRepositoryItem() && GetActiveProperties()->OnInitPopup) GetActiveProperties()->OnInitPopup(this);
  } catch (...) {
    FPopupInitialized = false;
    throw;
  }
  if (GetActiveProperties()->UseLookupData() && GetLookupData()) GetLookupData()->DropDown();
}

void TcxCustomDropDownEdit::InitializeLookupData() {
  if (GetLookupData() && !ComponentState().Contains(csDesigning) && GetActiveProperties()->IsLookupDataVisual())
    GetLookupData()->Initialize(FPopupWindow);
}

void TcxCustomDropDownEdit::InitializePopupWindow() {
  TcxCustomDropDownEditProperties* properties = GetActiveProperties();
  TcxCustomEditPopupWindow* popup = FPopupWindow;
  popup->SetOwnerParent(GetParent());
  popup->SetDirection(properties->PopupDirection);
  popup->SetAlignHorz(properties->PopupHorzAlignment);
  popup->SetAlignVert(properties->PopupVertAlignment);
  popup->SetClientEdge(properties->GetPopupClientEdge());
  popup->MinHeight = properties->GetPopupMinHeight();
  popup->MinWidth = properties->GetPopupMinWidth();
  popup->SetPopupAutoSize(properties->GetPopupAutoSize());
  popup->SetSizeable(properties->GetPopupSizeable());
  popup->SetSysPanelStyle(properties->GetPopupSysPanelStyle());
  TcxCustomDropDownEditData* data = GetDropDownEditData();
  if (IsInplace() && properties->GetPopupSizeable() && data && FUserSizeValid) {
    popup->PreferredWidth = data->Width;
    popup->PreferredHeight = data->Height;
  } else {
    popup->PreferredWidth = properties->GetPopupWidth();
    popup->PreferredHeight = properties->GetPopupHeight();
  }
  popup->SetCloseButton(GetEditActiveStyle()->GetPopupCloseButton());
  TcxCustomEditViewInfo* info = GetViewInfo();
  popup->SetBorderStyle(info->PopupBorderStyle);
  popup->SetNativeStyle(info->NativeStyle);
  popup->SetShadow(info->Shadow);
}

void TcxCustomDropDownEdit::SetupPopupWindow() {
  FPopupWindow->SetCaptureFocus(GetActiveProperties()->PopupWindowCapturesFocus());
  InitializeLookupData();
  InitializePopupWindow();
  TPoint p;
  {
    FPopupWindow->LayoutInProgress = true;
    TFinally done([this] { FPopupWindow->LayoutInProgress = false; });
    FPopupWindow->CalculateSize();
    p = FPopupWindow->CalculatePosition();
    FPopupWindow->CorrectBoundsWithDesktopWorkArea(p);
    FPopupWindow->SetBounds(p.x, p.y, FPopupWindow->GetWidth(), FPopupWindow->GetHeight());
  }
  FPopupWindow->RefreshPopupWindow();
  PositionPopupWindowChilds(FPopupWindow->GetViewInfo()->ClientRect);
  FPopupWindow->SetShadowRegion();
  // The popup is as translucent as the form the editor sits on.
  if (TCustomForm* form = GetParentForm(this)) {
    FPopupWindow->SetAlphaBlend(form->GetAlphaBlend());
    FPopupWindow->SetAlphaBlendValue(form->GetAlphaBlendValue());
    FPopupWindow->SetTransparentColor(form->GetTransparentColor());
    FPopupWindow->SetTransparentColorValue(form->GetTransparentColorValue());
  }
}

TWinControl* TcxCustomDropDownEdit::GetPopupFocusedControl() {
  TcxCustomDropDownEditProperties* properties = GetActiveProperties();
  if (GetLookupData() && properties->IsLookupDataVisual() && properties->PopupWindowCapturesFocus())
    return GetLookupData()->GetActiveControl();
  return GetInnerControl();
}

TRect TcxCustomDropDownEdit::GetPopupWindowOwnerControlBounds() {
  TRect r = GetVisibleBounds();
  if (GetViewInfo()->Shadow) r.right += 3;
  return cxRectOffset(r, GetLeft(), GetTop());
}

void TcxCustomDropDownEdit::PositionPopupWindowChilds(const TRect& AClientRect) {
  if (GetLookupData()) GetLookupData()->PositionVisualArea(AClientRect);
}

void TcxCustomDropDownEdit::PopupWindowShowed(TObject*) {
  ShortRefreshContainer(false);
  FPopupWindow->CalculateViewInfo();
  PositionPopupWindowChilds(FPopupWindow->GetViewInfo()->ClientRect);
  DoPopup();
  UpdateDrawValue();
  FPopupSizeChanged = false;
}

void TcxCustomDropDownEdit::DoPopup() {
  FCloseUpReason = crUnknown;
  if (GetProperties()->OnPopup) GetProperties()->OnPopup(this);
  if (GetRepositoryItem() && GetActiveProperties()->OnPopup) GetActiveProperties()->OnPopup(this);
}

// ---- Closing ------------------------------------------------------------------------------------------

void TcxCustomDropDownEdit::CloseUp(TcxEditCloseUpReason AReason) {
  if (!GetDroppedDown()) return;
  {
    LockChangeEvents(true);
    TFinally unlock([this] { LockChangeEvents(false); });
    TcxCustomDropDownEditProperties* properties = GetActiveProperties();
    if ((AReason == crTab || AReason == crClose || AReason == crEnter) && properties->UseLookupData() &&
        GetLookupData()) {
      const TcxEditValue prevKey = GetLookupData()->GetCurrentKey();
      LockClick(true);
      {
        TFinally unlockClick([this] { LockClick(false); });
        GetLookupData()->SelectItem();
      }
      if (GetModifiedAfterEnter() && !VarEqualsExact(prevKey, GetLookupData()->GetCurrentKey())) DoClick();
      if (!properties->GetAlwaysPostEditValue() && properties->GetImmediatePost() && CanPostEditValue())
        InternalPostEditValue(true);
    }
  }
  FCloseUpReason = AReason;
  FPopupWindow->CloseUp();
}

void TcxCustomDropDownEdit::PopupWindowCloseQuery(TObject*, bool& CanClose) {
  if (GetProperties()->OnCloseQuery) GetProperties()->OnCloseQuery(this, CanClose);
  if (GetRepositoryItem() && GetActiveProperties()->OnCloseQuery) GetActiveProperties()->OnCloseQuery(this, CanClose);
}

void TcxCustomDropDownEdit::PopupWindowClosed(TObject*) {
  TcxCustomDropDownEditProperties* properties = GetActiveProperties();
  if (properties->GetPopupSizeable() && FPopupSizeChanged) {
    if (IsInplace() && GetDropDownEditData()) {
      GetDropDownEditData()->Initialized = true;
      GetDropDownEditData()->Width = FPopupWindow->GetWidth();
      GetDropDownEditData()->Height = FPopupWindow->GetHeight();
      FUserSizeValid = true;
    } else {
      properties->SetPopupWidth(FPopupWindow->GetWidth());
      properties->SetPopupHeight(FPopupWindow->GetHeight());
    }
  }
  DoFinalizePopup();
  if (properties->GetEditingStyle() == esFixedList) ShortRefreshContainer(false);
  DoCloseUp();
  {
    LockChangeEvents(true);
    TFinally unlock([this] { LockChangeEvents(false); });
    if (properties->GetAlwaysPostEditValue() && properties->GetImmediatePost() && CanPostEditValue() &&
        ValidateEdit(true))
      InternalPostEditValue(false);
  }
  ShortRefreshContainer(false);
  if (!HandleAllocated()) FIsHotAndPopup = false;
}

void TcxCustomDropDownEdit::DoFinalizePopup() {
  if (!FPopupInitialized) return;
  FPopupInitialized = false;
  if (GetActiveProperties()->UseLookupData() && GetLookupData()) GetLookupData()->CloseUp();
  if (GetProperties()->OnFinalizePopup) GetProperties()->OnFinalizePopup(this);
  if (GetRepositoryItem() && GetActiveProperties()->OnFinalizePopup) GetActiveProperties()->OnFinalizePopup(this);
}

void TcxCustomDropDownEdit::DoCloseUp() {
  DoClosePopup(FCloseUpReason);
  if (GetProperties()->OnCloseUp) GetProperties()->OnCloseUp(this);
  if (GetRepositoryItem() && GetActiveProperties()->OnCloseUp) GetActiveProperties()->OnCloseUp(this);
}

void TcxCustomDropDownEdit::DeleteShowPopupWindowMessages() {
  if (FPopupWindow && FPopupWindow->HandleAllocated() &&
      KillMessages(FPopupWindow->GetHandle(), CM_SHOWPOPUPWINDOW, CM_SHOWPOPUPWINDOW))
    PopupWindowClosed(FPopupWindow);
}

// ---- Activation and focus ----------------------------------------------------------------------------

void TcxCustomDropDownEdit::Activate(TcxCustomEditData*& AEditData) {
  inherited::Activate(AEditData);
  auto* data = GetDropDownEditData();
  FUserSizeValid = data && data->Initialized && GetActiveProperties()->GetPopupSizeable();
  if (GetActiveProperties()->GetImmediatePopup()) SetDroppedDown(true);
}

void TcxCustomDropDownEdit::ActivateByKey(char Key, TcxCustomEditData*& AEditData) {
  inherited::ActivateByKey(Key, AEditData);
  TcxCustomDropDownEditProperties* properties = GetActiveProperties();
  const auto code = static_cast<unsigned char>(Key);
  if (code >= 32 && properties->GetImmediateDropDown() && !properties->GetImmediatePopup() && !SendActivationKey(Key))
    SetDroppedDown(true);
  if (!SendActivationKey(Key) && CanDropDown() && GetPopupFocusedControl() && FPopupWindow->HandleAllocated())
    PostMessage(FPopupWindow->GetHandle(), CM_POPUPCONTROLKEY, code, 0);
}

bool TcxCustomDropDownEdit::SendActivationKey(char Key) {
  if (!GetActiveProperties()->GetImmediateDropDown()) return true;
  return !(GetActiveProperties()->PopupWindowCapturesFocus() && Key != '\r');
}

void TcxCustomDropDownEdit::ActivateByMouse(TShiftState Shift, Integer X, Integer Y, TcxCustomEditData*& AEditData) {
  FActivatingByMouse = true;
  TFinally done([this] { FActivatingByMouse = false; });
  inherited::ActivateByMouse(Shift, X, Y, AEditData);
}

bool TcxCustomDropDownEdit::Deactivate() {
  if (GetDroppedDown()) CloseUp(crUnknown);
  if (auto* data = GetDropDownEditData()) data->Initialized = FUserSizeValid;
  const bool result = inherited::Deactivate();
  DeleteShowPopupWindowMessages();
  return result;
}

bool TcxCustomDropDownEdit::Focused() { return inherited::Focused() || GetDroppedDown(); }

void TcxCustomDropDownEdit::FocusChanged() {
  if (!GetActiveProperties()->PopupWindowCapturesFocus() && GetInnerControl() && !GetInnerControl()->Focused())
    CloseUp(crUnknown);
  inherited::FocusChanged();
}

void TcxCustomDropDownEdit::DoExit() {
  CloseUp(crUnknown);
  inherited::DoExit();
}

// ---- Keys, mouse and paste --------------------------------------------------------------------------

void TcxCustomDropDownEdit::DoEditKeyDown(Word& Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt)) {
    if (GetDroppedDown())
      CloseUp(crClose);
    else
      SetDroppedDown(true);
    Key = 0;
    return;
  }
  if ((Key == VK_RETURN || Key == VK_ESCAPE) && !alt && GetDroppedDown()) {
    SetEscapeFlag(true);
    const bool escape = Key == VK_ESCAPE;
    WithUserAction(true, [&] { CloseUp(!escape && DoEditing() ? crEnter : crCancel); });
    if (!GetDroppedDown()) {
      if (escape) ReleaseCapture();
      Key = 0;
      return;
    }
  }
  inherited::DoEditKeyDown(Key, Shift);
}

void TcxCustomDropDownEdit::DoEditKeyPress(char& Key) {
  TcxCustomDropDownEditProperties* properties = GetActiveProperties();
  if (static_cast<unsigned char>(Key) >= 32 && properties->GetImmediateDropDown() && !GetDroppedDown()) {
    SetDroppedDown(true);
    if (properties->PopupWindowCapturesFocus() && Key != '\r' && CanDropDown() && GetPopupFocusedControl() &&
        FPopupWindow->HandleAllocated()) {
      PostMessage(FPopupWindow->GetHandle(), CM_POPUPCONTROLKEY, static_cast<unsigned char>(Key), 0);
      Key = 0;
      return;
    }
  }
  inherited::DoEditKeyPress(Key);
}

void TcxCustomDropDownEdit::DoEditProcessTab(TShiftState Shift) {
  if (GetDroppedDown() && GetActiveProperties()->GetPostPopupValueOnTab()) CloseUp(crTab);
}

bool TcxCustomDropDownEdit::TabsNeeded() {
  return inherited::TabsNeeded() || (GetDroppedDown() && GetActiveProperties()->GetPostPopupValueOnTab());
}

bool TcxCustomDropDownEdit::IsEditorKey(Word Key, TShiftState Shift) {
  if (inherited::IsEditorKey(Key, Shift)) return true;
  if (IsInplace() || GetDroppedDown()) return false;
  return Shift.Contains(ssAlt) || Shift.Contains(ssCtrl) || Key < 32 || Key >= 256;
}

void TcxCustomDropDownEdit::DoButtonDown(Integer AButtonVisibleIndex) {
  inherited::DoButtonDown(AButtonVisibleIndex);
  // The press that has just closed the popup does not open it again.
  if (FPopupWindow && FPopupWindow->GetJustClosed()) return;
  if (AButtonVisibleIndex == GetActiveProperties()->DropDownButtonVisibleIndex()) SetDroppedDown(true);
}

void TcxCustomDropDownEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || FActivatingByMouse || !GetActiveProperties()->DropDownOnClick() ||
      !cxRectPtIn(GetViewInfo()->ClientRect, TPoint(X, Y)))
    return;
  // The press that has just closed the popup does not open it again.
  if (FPopupWindow && FPopupWindow->GetJustClosed()) return;
  if (!GetDroppedDown() && !FIsHotAndPopup && Focused()) SetDroppedDown(true);
}

bool TcxCustomDropDownEdit::GetScrollLookupDataList(TcxEditScrollCause AScrollCause) {
  if (IsPropertiesChangesLocked()) return false;
  return !(IsInplace() && !GetDroppedDown() && AScrollCause != escMouseWheel);
}

bool TcxCustomDropDownEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!GetScrollLookupDataList(escMouseWheel) || !GetDroppedDown() || !GetActiveProperties()->UseLookupData() ||
      !GetLookupData())
    return false;
  if (GetLookupData()->IsEmpty()) return false;
  TWinControl* list = GetLookupData()->GetActiveControl();
  if (list && list->HandleAllocated())
    SendMessage(list->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WheelDelta)),
                MAKELPARAM(MousePos.x, MousePos.y));
  return true;
}

void TcxCustomDropDownEdit::PasteFromClipboard() {
  if (!Focused()) {
    inherited::PasteFromClipboard();
    return;
  }
  const String before = GetText();
  WithUserAction(true, [this] { inherited::PasteFromClipboard(); });
  if (GetText() != before && GetActiveProperties()->GetImmediateDropDown() && !GetDroppedDown()) {
    SetDroppedDown(true);
    if (GetLookupData() && HandleAllocated()) PostMessage(GetHandle(), CM_DROPDOWNBYPASTE, 0, 0);
  }
}

void TcxCustomDropDownEdit::DropDownByPasteHandler() {
  if (!GetDroppedDown() || !GetLookupData()) return;
  TcxCustomTextEditLookupData* lookup = GetLookupData();
  const TcxEditValue prevKey = lookup->GetCurrentKey();
  LockClick(true);
  {
    TFinally unlock([this] { LockClick(false); });
    lookup->TextChanged();
  }
  if (!VarEqualsExact(prevKey, lookup->GetCurrentKey())) DoClick();
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  if (style == esEdit)
    SetFindSelection(GetSelStart() == static_cast<Integer>(GetText().size()) && lookup->Find(GetText()));
  else if (style == esFixedList)
    SetFindSelection(true);
}

void TcxCustomDropDownEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DROPDOWNBYPASTE: DropDownByPasteHandler(); return;
    case CM_BIDIMODECHANGED:
      inherited::Dispatch(Message);
      if (FPopupWindow) FPopupWindow->SetBiDiMode(GetBiDiMode());
      return;
    case CM_HINTSHOW:
      inherited::Dispatch(Message);
      if (GetDroppedDown()) Message.Result = 1;  // no hint while the popup is open
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxDropDownEdit
