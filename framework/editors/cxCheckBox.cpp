// The check box editor's settings (a value for each state, the texts shown for them, the glyph strip),
// the control that toggles with the mouse, the space key and the caption's accelerator, its action
// link, and the unit's start.
#include "cxCheckBox.h"

#include "Filer.h"
#include "Multibyte.h"
#include "StdCtrls.h"
#include "WinUser.h"
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxEditConsts.h"
#include "cxEditRegistry.h"
#include "cxVariants.h"

namespace cxCheckBox {

namespace {

WideString ResourceText(const TResStringRec& AString) { return Utf8ToWide(cxGetResourceString(&AString)); }

}  // namespace

// ---- TcxCustomCheckBoxProperties ------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomCheckBoxProperties)

IMPLEMENT_CLASS_PUBLISHED(TcxCheckBoxProperties) {
  using P = TcxCheckBoxProperties;
  d.Property("Alignment", &P::GetHorzAlignment, &P::SetHorzAlignment).Stored(&P::IsHorzAlignmentStored);
  d.Property("AllowGrayed", &P::GetAllowGrayed, &P::SetAllowGrayed).Default(false);
  d.Property("AssignedValues", &P::GetAssignedValues, &P::SetAssignedValues);
  d.Property("Caption", &P::GetCaption, &P::SetCaption).Stored(false);
  d.Property("ClearKey", &P::GetClearKey, &P::SetClearKey).Default(0);
  d.Property("DisplayChecked", &P::GetDisplayChecked, &P::SetDisplayChecked).Stored(&P::IsDisplayCheckedStored);
  d.Property("DisplayUnchecked", &P::GetDisplayUnchecked, &P::SetDisplayUnchecked)
      .Stored(&P::IsDisplayUncheckedStored);
  d.Property("DisplayGrayed", &P::GetDisplayGrayed, &P::SetDisplayGrayed).Stored(&P::IsDisplayGrayedStored);
  d.Property("FullFocusRect", &P::GetFullFocusRect, &P::SetFullFocusRect).Default(false);
  d.Property("Glyph", &P::GetGlyph, &P::SetGlyph).Stored(&P::IsGlyphStored);
  d.Property("GlyphCount", &P::GetGlyphCount, &P::SetGlyphCount).Default(6);
  d.Property("ImmediatePost", &P::GetImmediatePost, &P::SetImmediatePost).Default(false);
  d.Property("MultiLine", &P::GetMultiLine, &P::SetMultiLine).Default(false);
  d.Property("NullStyle", &P::GetNullStyle, &P::SetNullStyle).Default(nssGrayedChecked);
  d.Property("ReadOnly", &P::GetReadOnly, &P::SetReadOnly).Stored(&P::IsReadOnlyStored);
  d.Property("UseAlignmentWhenInplace", &P::GetUseAlignmentWhenInplace, &P::SetUseAlignmentWhenInplace)
      .Default(false);
  d.Property("ValueChecked", &P::GetValueChecked, &P::SetValueChecked).Stored(&P::IsValueCheckedStored);
  d.Property("ValueGrayed", &P::GetValueGrayed, &P::SetValueGrayed).Stored(&P::IsValueGrayedStored);
  d.Property("ValueUnchecked", &P::GetValueUnchecked, &P::SetValueUnchecked).Stored(&P::IsValueUncheckedStored);
  d.Property("OnChange", &P::GetOnChange, &P::SetOnChange);
  d.Property("OnEditValueChanged", &P::GetOnEditValueChanged, &P::SetOnEditValueChanged);
  d.Property("OnValidate", &P::GetOnValidate, &P::SetOnValidate);
}

void TcxCustomCheckBoxProperties::Construct() {
  inherited::Construct();
  FDisplayChecked = ResourceText(cxSEditCheckBoxChecked);
  FDisplayGrayed = ResourceText(cxSEditCheckBoxGrayed);
  FDisplayUnchecked = ResourceText(cxSEditCheckBoxUnchecked);
  FValueChecked = Variant(true);
  FValueGrayed = Null();
  FValueUnchecked = Variant(false);
}

void TcxCustomCheckBoxProperties::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

TClass TcxCustomCheckBoxProperties::GetViewDataClass() { return TcxCustomCheckBoxViewData::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetContainerClass() { return TcxCheckBox::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetStyleClass() { return TcxCheckBoxStyle::StaticClass(); }
TClass TcxCustomCheckBoxProperties::GetViewInfoClass() { return TcxCustomCheckBoxViewInfo::StaticClass(); }

TcxEditSpecialFeatures TcxCustomCheckBoxProperties::GetSpecialFeatures() {
  return inherited::GetSpecialFeatures().Include(esfNoContentPart);
}

TcxEditSupportedOperations TcxCustomCheckBoxProperties::GetSupportedOperations() {
  return {esoAlwaysHotTrack, esoEditing, esoFiltering, esoHotTrack, esoShowingCaption, esoSorting, esoTransparency};
}

void TcxCustomCheckBoxProperties::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue,
                                                      bool AEditFocused) {
  Integer state = cbsGrayed;
  if (VarEqualsExact(AEditValue, FValueChecked)) state = cbsChecked;
  else if (VarEqualsExact(AEditValue, FValueUnchecked)) state = cbsUnchecked;
  DisplayValue = Variant(state);
}

TcxCheckBoxState TcxCustomCheckBoxProperties::GetState(const TcxEditValue& AEditValue) {
  TcxEditValue display;
  PrepareDisplayValue(AEditValue, display, false);
  return static_cast<TcxCheckBoxState>(display.ToInteger());
}

String TcxCustomCheckBoxProperties::GetDisplayText(const TcxEditValue& AEditValue, bool, bool) {
  switch (GetState(AEditValue)) {
    case cbsUnchecked: return WideToUtf8(FDisplayUnchecked);
    case cbsChecked: return WideToUtf8(FDisplayChecked);
    default: return WideToUtf8(FDisplayGrayed);
  }
}

bool TcxCustomCheckBoxProperties::CompareDisplayValues(const TcxEditValue& AEditValue1,
                                                       const TcxEditValue& AEditValue2) {
  return GetState(AEditValue1) == GetState(AEditValue2);
}

bool TcxCustomCheckBoxProperties::CheckValue(const TcxEditValue& AValue) {
  return !InternalVarEqualsExact(AValue, FValueChecked) && !InternalVarEqualsExact(AValue, FValueGrayed) &&
         !InternalVarEqualsExact(AValue, FValueUnchecked);
}

bool TcxCustomCheckBoxProperties::IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) {
  return inherited::IsEditValueValid(AEditValue, AEditFocused) && !CheckValue(AEditValue);
}

bool TcxCustomCheckBoxProperties::IsLoading() {
  TComponent* owner = GetOwnerComponent(this);
  return owner && owner->ComponentState().Contains(csLoading);
}

void TcxCustomCheckBoxProperties::SetStateValue(Variant& AField, const Variant& Value, bool ANullAllowed) {
  if (!IsLoading() && ((!ANullAllowed && VarIsNull(Value)) || !CheckValue(Value))) return;
  if (InternalVarEqualsExact(AField, Value)) return;
  AField = Value;
  Changed();
}

void TcxCustomCheckBoxProperties::SetValueChecked(const Variant& Value) { SetStateValue(FValueChecked, Value, false); }
void TcxCustomCheckBoxProperties::SetValueGrayed(const Variant& Value) { SetStateValue(FValueGrayed, Value, true); }
void TcxCustomCheckBoxProperties::SetValueUnchecked(const Variant& Value) {
  SetStateValue(FValueUnchecked, Value, false);
}

void TcxCustomCheckBoxProperties::SetStateValues(const Variant& AValueChecked, const Variant& AValueGrayed,
                                                 const Variant& AValueUnchecked) {
  if (InternalVarEqualsExact(AValueChecked, AValueGrayed) || InternalVarEqualsExact(AValueChecked, AValueUnchecked) ||
      InternalVarEqualsExact(AValueGrayed, AValueUnchecked) || VarIsNull(AValueChecked) ||
      VarIsNull(AValueUnchecked))
    return;
  FValueChecked = AValueChecked;
  FValueGrayed = AValueGrayed;
  FValueUnchecked = AValueUnchecked;
  Changed();
}

TBitmap* TcxCustomCheckBoxProperties::InternalGetGlyph() {
  if (!FGlyph) {
    FGlyph = New<TBitmap>();
    FGlyph->OnChange = TNotifyEvent(this, &TcxCustomCheckBoxProperties::GlyphChanged);
  }
  return FGlyph;
}

void TcxCustomCheckBoxProperties::SetGlyph(TBitmap* Value) {
  if (Value) InternalGetGlyph()->Assign(Value);
  else FreeAndNil(FGlyph);
  Changed();
}

void TcxCustomCheckBoxProperties::SetGlyphCount(Integer Value) {
  if (FGlyphCount == Value) return;
  FGlyphCount = Value;
  if (FGlyph) Changed();
}

void TcxCustomCheckBoxProperties::SetCaption(const String& Value) {
  FCaptionAssigned = true;
  if (InternalCompareString(FCaption, Value, true)) return;
  FCaption = Value;
  Changed();
}

bool TcxCustomCheckBoxProperties::IsDisplayCheckedStored() const {
  return FDisplayChecked != ResourceText(cxSEditCheckBoxChecked);
}
bool TcxCustomCheckBoxProperties::IsDisplayGrayedStored() const {
  return FDisplayGrayed != ResourceText(cxSEditCheckBoxGrayed);
}
bool TcxCustomCheckBoxProperties::IsDisplayUncheckedStored() const {
  return FDisplayUnchecked != ResourceText(cxSEditCheckBoxUnchecked);
}
bool TcxCustomCheckBoxProperties::IsValueCheckedStored() const {
  return !InternalVarEqualsExact(FValueChecked, Variant(true));
}
bool TcxCustomCheckBoxProperties::IsValueUncheckedStored() const {
  return !InternalVarEqualsExact(FValueUnchecked, Variant(false));
}

// A caption written by older forms reaches the settings; the settings never write one.
void TcxCustomCheckBoxProperties::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("Caption", Filer::TReaderProc(this, &TcxCustomCheckBoxProperties::ReadCaption),
                        Filer::TWriterProc(), false);
}

void TcxCustomCheckBoxProperties::ReadCaption(Filer::TReader* Reader) { SetCaption(Reader->ReadString()); }

void TcxCustomCheckBoxProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomCheckBoxProperties*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally done([this] { EndUpdate(true); });
  inherited::Assign(Source);
  SetAllowGrayed(source->GetAllowGrayed());
  SetDisplayChecked(source->GetDisplayChecked());
  SetDisplayGrayed(source->GetDisplayGrayed());
  SetDisplayUnchecked(source->GetDisplayUnchecked());
  SetFullFocusRect(source->GetFullFocusRect());
  SetGlyph(source->FGlyph);
  SetGlyphCount(source->GetGlyphCount());
  SetMultiLine(source->GetMultiLine());
  SetNullStyle(source->GetNullStyle());
  SetUseAlignmentWhenInplace(source->GetUseAlignmentWhenInplace());
  SetStateValues(source->GetValueChecked(), source->GetValueGrayed(), source->GetValueUnchecked());
}

// ---- TcxCustomCheckBox ----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomCheckBox)

IMPLEMENT_CLASS_PUBLISHED(TcxCheckBox) {
  using C = TcxCheckBox;
  d.Property("Action", &C::GetAction, &C::SetAction);
  d.Property("Align", &C::GetAlign, &C::SetAlign).Default(alNone);
  d.Property("Anchors", &C::GetAnchors, &C::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSize", &C::GetAutoSize, &C::SetAutoSize).Default(true);
  d.Property("Caption", &C::GetCaption, &C::SetCaption);
  d.Property("Checked", &C::GetChecked, &C::SetChecked).Stored(false);
  d.Property("Constraints", &C::GetConstraints, &C::SetConstraints);
  d.Property("DragCursor", &C::GetDragCursor, &C::SetDragCursor).Default(-12);
  d.Property("DragKind", &C::GetDragKind, &C::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &C::GetDragMode, &C::SetDragMode).Default(dmManual);
  d.Property("Enabled", &C::GetEnabled, &C::SetEnabled).Default(true);
  d.Property("ParentBackground", &C::GetParentBackground, &C::SetParentBackground).Default(true);
  d.Property("ParentColor", &C::GetParentColor, &C::SetParentColor).Default(true);
  d.Property("ParentFont", &C::GetParentFont, &C::SetParentFont).Default(true);
  d.Property("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &C::GetPopupMenu, &C::SetPopupMenu);
  d.Property("Properties", &C::GetProperties, &C::SetProperties);
  d.Property("ShowHint", &C::GetShowHint, &C::SetShowHint);
  d.Property("State", &C::GetState, &C::SetState).Default(cbsUnchecked).Stored(&C::IsStateStored);
  d.Property("Style", &C::GetStyle, &C::SetStyle);
  d.Property("StyleDisabled", &C::GetStyleDisabled, &C::SetStyleDisabled);
  d.Property("StyleFocused", &C::GetStyleFocused, &C::SetStyleFocused);
  d.Property("StyleHot", &C::GetStyleHot, &C::SetStyleHot);
  d.Property("TabOrder", &C::GetTabOrder, &C::SetTabOrder).Default(-1);
  d.Property("TabStop", &C::GetTabStop, &C::SetTabStop).Default(true);
  d.Property("Transparent", &C::GetTransparent, &C::SetTransparent).Default(false);
  d.Property("Visible", &C::GetVisible, &C::SetVisible).Default(true);
  d.Property("OnClick", &C::GetOnClick, &C::SetOnClick);
  d.Property("OnContextPopup", &C::GetOnContextPopup, &C::SetOnContextPopup);
  d.Property("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop);
  d.Property("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver);
  d.Property("OnEditing", &C::GetOnEditing, &C::SetOnEditing);
  d.Property("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock);
  d.Property("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag);
  d.Property("OnEnter", &C::GetOnEnter, &C::SetOnEnter);
  d.Property("OnExit", &C::GetOnExit, &C::SetOnExit);
  d.Property("OnKeyDown", &C::GetOnKeyDown, &C::SetOnKeyDown);
  d.Property("OnKeyPress", &C::GetOnKeyPress, &C::SetOnKeyPress);
  d.Property("OnKeyUp", &C::GetOnKeyUp, &C::SetOnKeyUp);
  d.Property("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown);
  d.Property("OnMouseEnter", &C::GetOnMouseEnterEvent, &C::SetOnMouseEnterEvent);
  d.Property("OnMouseLeave", &C::GetOnMouseLeaveEvent, &C::SetOnMouseLeaveEvent);
  d.Property("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove);
  d.Property("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp);
  d.Property("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock);
  d.Property("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag);
}

TClass TcxCustomCheckBox::GetPropertiesClass() { return TcxCustomCheckBoxProperties::StaticClass(); }
TClass TcxCheckBox::GetPropertiesClass() { return TcxCheckBoxProperties::StaticClass(); }
TClass TcxCustomCheckBox::GetActionLinkClass() const { return TcxCheckBoxActionLink::StaticClass(); }

void TcxCustomCheckBox::Initialize() {
  inherited::Initialize();
  ControlStyle.Exclude(csDoubleClicks);
  FWidth = 121;
  TcxEditValue value;
  PrepareEditValue(Variant(Integer(cbsUnchecked)), value, false);
  FEditValue = value;
}

bool TcxCustomCheckBox::IsDBEdit() { return GetDataBinding()->ClassType() != TcxEditDataBinding::StaticClass(); }

void TcxCustomCheckBox::PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool) {
  TcxCustomCheckBoxProperties* properties = GetActiveProperties();
  switch (VarIsOrdinal(ADisplayValue) ? ADisplayValue.ToInteger() : -1) {
    case cbsUnchecked: EditValue = properties->GetValueUnchecked(); break;
    case cbsChecked: EditValue = properties->GetValueChecked(); break;
    case cbsGrayed: EditValue = properties->GetValueGrayed(); break;
    default: EditValue = Variant(); break;
  }
}

TcxCheckBoxState TcxCustomCheckBox::GetState() { return GetActiveProperties()->GetState(GetEditValue()); }

void TcxCustomCheckBox::SetState(TcxCheckBoxState Value) {
  if (IsLoading()) {
    FPendingState = Value;
    FStatePending = true;
    return;
  }
  if (Value == GetState()) return;
  TcxEditValue value;
  PrepareEditValue(Variant(Integer(Value)), value, InternalFocused());
  SetInternalEditValue(value);
}

void TcxCustomCheckBox::InternalSetEditValue(const TcxEditValue& Value, bool AValidateEditValue) {
  const TcxCheckBoxState oldState = GetState();
  inherited::InternalSetEditValue(Value, AValidateEditValue);
  const TcxCheckBoxState newState = GetState();
  if (newState != oldState) {
    GetCheckBoxViewInfo()->State = newState;
    Click();
    DoChange();
  }
  ShortRefreshContainer(false);
}

void TcxCustomCheckBox::Toggle() {
  LockChangeEvents(true);
  TFinally unlock([this] { LockChangeEvents(false, true); });
  {
    SetUserAction(true);
    TFinally endUserAction([this] { SetUserAction(false); });
    static constexpr TcxCheckBoxState Next[] = {cbsChecked, cbsUnchecked, cbsChecked};
    const TcxCheckBoxState state = GetState();
    SetState(state == cbsUnchecked && GetActiveProperties()->GetAllowGrayed() ? cbsGrayed : Next[state]);
  }
  if (GetActiveProperties()->GetImmediatePost() && CanPostEditValue() && ValidateEdit(true))
    InternalPostEditValue(false);
}

void TcxCustomCheckBox::InvalidateCheckRect() {
  if (!HandleAllocated()) return;
  TcxCustomCheckBoxViewInfo* info = GetCheckBoxViewInfo();
  InternalInvalidateRect(this, cxRectOffset(info->CheckBoxRect, info->Left, info->Top), false);
}

bool TcxCustomCheckBox::IsStateStored() {
  auto* action = dynamic_cast<ActnList::TCustomAction*>(GetAction());
  if (!action) return true;
  return GetState() != (action->GetChecked() ? cbsChecked : cbsUnchecked);
}

void TcxCustomCheckBox::PropertiesChanged(TObject* Sender) {
  TcxCustomCheckBoxProperties* properties = GetActiveProperties();
  if (properties->GetCaptionAssigned()) {
    SetCaption(properties->GetCaption());
    properties->ClearCaptionAssigned();
  }
  TcxCustomCheckBoxViewInfo* info = GetCheckBoxViewInfo();
  if (const TcxCheckBoxState state = GetState(); info && info->State != state) {
    info->State = state;
    InvalidateCheckRect();
    if (!AreChangeEventsLocked()) {
      Click();
      DoChange();
    }
  }
  inherited::PropertiesChanged(Sender);
}

void TcxCustomCheckBox::Loaded() {
  FIsLoaded = true;
  LockChangeEvents(true);
  LockClick(true);
  TFinally done([this] {
    LockClick(false);
    LockChangeEvents(false, false);
    FIsLoaded = false;
  });
  inherited::Loaded();
  if (FStatePending) SetState(FPendingState);
  else if (!IsDBEdit()) SetState(cbsUnchecked);
}

void TcxCustomCheckBox::DoEditKeyDown(Word& Key, TShiftState Shift) {
  inherited::DoEditKeyDown(Key, Shift);
  TcxCustomCheckBoxViewInfo* info = GetCheckBoxViewInfo();
  if (Key != VK_SPACE || (info->CheckBoxCheckState != ecsNormal && info->CheckBoxCheckState != ecsHot)) return;
  FIsKeyPressed = true;
  info->CheckBoxCheckState = ecsPressed;
  ShortRefreshContainer(false);
  Key = 0;
}

void TcxCustomCheckBox::DoEditKeyUp(Word& Key, TShiftState Shift) {
  inherited::DoEditKeyUp(Key, Shift);
  TcxCustomCheckBoxViewInfo* info = GetCheckBoxViewInfo();
  if (Key != VK_SPACE || info->CheckBoxCheckState != ecsPressed) return;
  FIsKeyPressed = false;
  info->CheckBoxCheckState = ecsNormal;
  InvalidateCheckRect();
  Toggle();
}

void TcxCustomCheckBox::DoEditKeyPress(char& Key) {
  inherited::DoEditKeyPress(Key);
  if (Key == ' ' && IsInplace() && GetCheckBoxViewInfo()->CheckBoxCheckState == ecsNormal) {
    Toggle();
    Key = 0;
  }
}

void TcxCustomCheckBox::DoExit() {
  FIsKeyPressed = false;
  inherited::DoExit();
}

void TcxCustomCheckBox::ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool AIsMouseDownUpEvent) {
  inherited::ProcessViewInfoChanges(APrevViewInfo, AIsMouseDownUpEvent);
  auto* previous = dynamic_cast<TcxCustomCheckBoxViewInfo*>(APrevViewInfo);
  // The left button released over the box.
  if (previous && previous->CheckBoxCheckState == ecsPressed && GetCheckBoxViewInfo()->CheckBoxCheckState == ecsHot)
    Toggle();
}

void TcxCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      return CMDialogChar(Message);
    case WM_LBUTTONUP:
      // The click comes from the state change alone.
      ControlState.Exclude(csClicked);
      break;
    case CM_PARENTCOLORCHANGED:
      inherited::Dispatch(Message);
      if (GetViewInfo()->NativeStyle && GetParentBackground()) Invalidate();
      return;
  }
  inherited::Dispatch(Message);
}

void TcxCustomCheckBox::CMDialogChar(TMessage& Message) {
  if (IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && CanFocus()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

bool TcxCustomCheckBox::CanHaveTransparentBorder() {
  return (!IsInplace() && !GetActiveProperties()->IsEmbeddedEdit()) || inherited::CanHaveTransparentBorder();
}

TRect TcxCustomCheckBox::GetShadowBounds() {
  if (!IsInplace() && !GetActiveProperties()->IsEmbeddedEdit() && GetViewInfo()->NativeStyle &&
      GetStyle()->GetTransparentBorder())
    return cxRectInflate(GetClientRect(), -2, -2);
  return inherited::GetShadowBounds();
}

bool TcxCustomCheckBox::IsNativeBackground() {
  return IsNativeStyle() && GetParentBackground() && !IsInplace() && !GetTransparent();
}

// State styles do not publish Edges.
TcxContainerStyleValues TcxCustomCheckBox::InternalGetNotPublishedStyleValues() {
  return inherited::InternalGetNotPublishedStyleValues().Include(static_cast<TcxContainerStyleValue>(3));
}

void TcxCustomCheckBox::TextChanged() {
  inherited::TextChanged();
  GetCheckBoxViewInfo()->Text = GetCaption();
  Invalidate();
}

void TcxCustomCheckBox::FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) {
  AEditSizeProperties = DefaultcxEditSizeProperties;
  if (!GetActiveProperties()->GetMultiLine()) AEditSizeProperties.MaxLineCount = 1;
  AEditSizeProperties.Width = GetCheckBoxViewInfo()->TextRect.Width();
}

void TcxCustomCheckBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  if ((IsLoading() || FIsLoaded) && FStatePending) return;
  auto* action = dynamic_cast<ActnList::TCustomAction*>(Sender);
  if (!action || (CheckDefaults && GetChecked())) return;
  if (auto* link = dynamic_cast<TcxCheckBoxActionLink*>(GetActionLink())) link->InternalSetChecked(action->GetChecked());
}

// ---- TcxCheckBoxActionLink --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCheckBoxActionLink)

void TcxCheckBoxActionLink::AssignClient(TObject* AClient) {
  inherited::AssignClient(AClient);
  FClientCheckBox = dynamic_cast<TcxCustomCheckBox*>(AClient);
}

void TcxCheckBoxActionLink::InternalSetChecked(bool Value) {
  if (!FClientCheckBox) return;
  FClientCheckBox->LockClick(true);
  FClientCheckBox->LockChangeEvents(true);
  TFinally unlock([this] {
    FClientCheckBox->LockChangeEvents(false, false);
    FClientCheckBox->LockClick(false);
  });
  FClientCheckBox->SetChecked(Value);
}

bool TcxCheckBoxActionLink::IsCheckedLinked() {
  auto* action = dynamic_cast<ActnList::TCustomAction*>(GetAction());
  return inherited::IsCheckedLinked() && FClientCheckBox && FClientCheckBox->GetState() != cbsGrayed && action &&
         FClientCheckBox->GetChecked() == action->GetChecked();
}

void TcxCheckBoxActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) InternalSetChecked(Value);
}

// ---- Unit start and end ----------------------------------------------------------------------------------------
namespace {
Integer FCheckBoxUnitStartCount = 0;
}

void InitCheckBox() {
  if (FCheckBoxUnitStartCount++ > 0) return;
  GetRegisteredEditProperties()->Register(TcxCheckBoxProperties::StaticClass(),
                                          cxGetResourceString(&scxSEditRepositoryCheckBoxItem));
  RegisterClasses({TcxCheckBox::StaticClass()});
  InitCheckBoxDrawing();
}

void DoneCheckBox() {
  if (FCheckBoxUnitStartCount == 0 || --FCheckBoxUnitStartCount > 0) return;
  GetRegisteredEditProperties()->Unregister(TcxCheckBoxProperties::StaticClass());
  DoneCheckBoxDrawing();
}

}  // namespace cxCheckBox
