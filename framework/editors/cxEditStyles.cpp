// The editor style's own six values, the editor style controller and the component that shows the
// default controller.
#include "cxEditStyles.h"

#include "cxControlsInternal.h"
#include "cxEditControl.h"
#include "cxEditRegistry.h"

namespace cxEdit {

namespace {

constexpr const char* EditStyleValueNames[] = {"ButtonStyle", "ButtonTransparency", "PopupBorderStyle",
                                               "GradientButtons", "Gradient", "GradientDirection"};

Integer DefaultEditStyleControllerCount = 0;

}  // namespace

// ---- TcxCustomEditStyle ---------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomEditStyle)

bool TcxCustomEditStyle::GetStyleValueName(TcxContainerStyleValue AStyleValue, String& AName) {
  if (AStyleValue < cxContainerStyleValueCount) return inherited::GetStyleValueName(AStyleValue, AName);
  const bool known = AStyleValue < cxEditStyleValueCount;
  AName = known ? EditStyleValueNames[AStyleValue - cxContainerStyleValueCount] : "";
  return known;
}

TcxContainerStyleValues TcxCustomEditStyle::InternalGetNotPublishedExtendedStyleValues() {
  return inherited::InternalGetNotPublishedExtendedStyleValues() + TcxContainerStyleValues{
      svButtonTransparency, svPopupBorderStyle, svGradientButtons, svGradient, svGradientDirection};
}

TcxStyleController* TcxCustomEditStyle::GetDefaultStyleController() {
  if (GetDirectAccessMode()) return nullptr;
  // An in-place editor follows its host, not the process-wide default.
  if (TcxCustomEdit* edit = GetEdit(); edit && edit->IsInplace()) return nullptr;
  return DefaultEditStyleController();
}

TcxCustomEdit* TcxCustomEditStyle::GetEdit() { return dynamic_cast<TcxCustomEdit*>(GetOwner()); }

TcxEditStyleController* TcxCustomEditStyle::GetActiveStyleController() {
  return dynamic_cast<TcxEditStyleController*>(TcxContainerStyle::GetActiveStyleController());
}

TcxEditStyleController* TcxCustomEditStyle::GetStyleController() {
  return dynamic_cast<TcxEditStyleController*>(BaseGetStyleController());
}

void TcxCustomEditStyle::SetStyleController(TcxEditStyleController* Value) { BaseSetStyleController(Value); }

void TcxCustomEditStyle::Init(const TcxViewParams& AParams) {
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  SetColor(AParams.Color);
  SetFont(AParams.Font);
  SetTextColor(AParams.TextColor);
}

// ---- Resolution ---------------------------------------------------------------------------------------------------
TcxCustomEditStyle* TcxCustomEditStyle::FindEditValue(TcxContainerStyleValue AValue) {
  return dynamic_cast<TcxCustomEditStyle*>(FindAssigned(AValue));
}

template <class T>
bool TcxCustomEditStyle::InternalGet(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField, T& Value) {
  TcxCustomEditStyle* style = FindEditValue(AValue);
  if (style) Value = style->*AField;
  return style != nullptr;
}

bool TcxCustomEditStyle::InternalGetButtonStyle(TcxEditButtonStyle& Value) {
  return InternalGet(svButtonStyle, &TcxCustomEditStyle::FButtonStyle, Value);
}

bool TcxCustomEditStyle::InternalGetButtonTransparency(TcxEditButtonTransparency& Value) {
  return InternalGet(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency, Value);
}

bool TcxCustomEditStyle::InternalGetGradient(bool& Value) {
  return InternalGet(svGradient, &TcxCustomEditStyle::FGradient, Value);
}

bool TcxCustomEditStyle::InternalGetGradientButtons(bool& Value) {
  return InternalGet(svGradientButtons, &TcxCustomEditStyle::FGradientButtons, Value);
}

bool TcxCustomEditStyle::InternalGetGradientDirection(TcxEditGradientDirection& Value) {
  return InternalGet(svGradientDirection, &TcxCustomEditStyle::FGradientDirection, Value);
}

bool TcxCustomEditStyle::InternalGetPopupBorderStyle(TcxEditPopupBorderStyle& Value) {
  return InternalGet(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle, Value);
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue AValue) {
  if (AValue < cxContainerStyleValueCount) return inherited::IsValueAssigned(AValue);
  return AValue < cxEditStyleValueCount && FindEditValue(AValue) != nullptr;
}

// In direct-access mode a value is the style's own or its default; otherwise it is looked up along
// the controller chain first.
#define AT_EDIT_STYLE_GETTER(Type, Name, Value)                                  \
  Type TcxCustomEditStyle::Get##Name() {                                          \
    Type value;                                                                   \
    if (GetDirectAccessMode()) return HasOwnValue(Value) ? F##Name : Default##Name(); \
    return InternalGet##Name(value) ? value : Default##Name();                    \
  }
AT_EDIT_STYLE_GETTER(TcxEditButtonStyle, ButtonStyle, svButtonStyle)
AT_EDIT_STYLE_GETTER(TcxEditButtonTransparency, ButtonTransparency, svButtonTransparency)
AT_EDIT_STYLE_GETTER(bool, Gradient, svGradient)
AT_EDIT_STYLE_GETTER(bool, GradientButtons, svGradientButtons)
AT_EDIT_STYLE_GETTER(TcxEditGradientDirection, GradientDirection, svGradientDirection)
AT_EDIT_STYLE_GETTER(TcxEditPopupBorderStyle, PopupBorderStyle, svPopupBorderStyle)
#undef AT_EDIT_STYLE_GETTER

bool TcxCustomEditStyle::GetPopupCloseButton() { return GetBaseStyle()->FPopupCloseButton; }

// ---- Defaults: the base style's table, a state style its base style's resolved value -----------------------
TcxEditButtonStyle TcxCustomEditStyle::DefaultButtonStyle() {
  return IsBaseStyle() ? btsDefault : GetBaseStyle()->GetButtonStyle();
}

TcxEditButtonTransparency TcxCustomEditStyle::DefaultButtonTransparency() {
  return IsBaseStyle() ? ebtNone : GetBaseStyle()->GetButtonTransparency();
}

bool TcxCustomEditStyle::DefaultGradient() { return IsBaseStyle() ? false : GetBaseStyle()->GetGradient(); }

bool TcxCustomEditStyle::DefaultGradientButtons() {
  return IsBaseStyle() ? false : GetBaseStyle()->GetGradientButtons();
}

TcxEditGradientDirection TcxCustomEditStyle::DefaultGradientDirection() {
  return IsBaseStyle() ? dirDown : GetBaseStyle()->GetGradientDirection();
}

TcxEditPopupBorderStyle TcxCustomEditStyle::DefaultPopupBorderStyle() {
  return IsBaseStyle() ? epbsDefault : GetBaseStyle()->GetPopupBorderStyle();
}

// ---- Setters -----------------------------------------------------------------------------------------------------
void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle Value) { SetValue(svButtonStyle, FButtonStyle, Value); }

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency Value) {
  SetBaseValue(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency, Value);
}

void TcxCustomEditStyle::SetGradient(bool Value) { SetBaseValue(svGradient, &TcxCustomEditStyle::FGradient, Value); }

void TcxCustomEditStyle::SetGradientButtons(bool Value) {
  SetBaseValue(svGradientButtons, &TcxCustomEditStyle::FGradientButtons, Value);
}

void TcxCustomEditStyle::SetGradientDirection(TcxEditGradientDirection Value) {
  SetBaseValue(svGradientDirection, &TcxCustomEditStyle::FGradientDirection, Value);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle Value) {
  SetBaseValue(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle, Value);
}

void TcxCustomEditStyle::SetPopupCloseButton(bool Value) {
  TcxCustomEditStyle* base = GetBaseStyle();
  if (base->FPopupCloseButton == Value) return;
  base->FPopupCloseButton = Value;
  base->Changed();
}

// ---- Assignment and storing -----------------------------------------------------------------------------------------
void TcxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditStyle*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally end([this] {
    Changed();
    EndUpdate();
  });
  FButtonStyle = source->FButtonStyle;
  FButtonTransparency = source->FButtonTransparency;
  FGradient = source->FGradient;
  FGradientButtons = source->FGradientButtons;
  FGradientDirection = source->FGradientDirection;
  FPopupBorderStyle = source->FPopupBorderStyle;
  FPopupCloseButton = source->FPopupCloseButton;
  inherited::Assign(Source);
}

bool TcxCustomEditStyle::IsEditValueStored(TcxContainerStyleValue AValue, const char* AName) const {
  auto* self = const_cast<TcxCustomEditStyle*>(this);
  if (!self->GetAssignedValues().Contains(AValue)) return false;
  TcxCustomEdit* edit = self->GetEdit();
  return !edit || edit->IsStylePropertyPublished(AName, !IsBaseStyle());
}

// ---- TcxEditStyle ---------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxEditStyle) {
  d.Property("BorderStyle", &TcxEditStyle::GetBorderStyle, &TcxEditStyle::SetBorderStyle)
      .Stored(&TcxEditStyle::IsBorderStyleStored);
  d.Property("ButtonStyle", &TcxEditStyle::GetButtonStyle, &TcxEditStyle::SetButtonStyle)
      .Stored(&TcxEditStyle::IsButtonStyleStored);
  d.Property("ButtonTransparency", &TcxEditStyle::GetButtonTransparency, &TcxEditStyle::SetButtonTransparency)
      .Stored(&TcxEditStyle::IsButtonTransparencyStored);
  d.Property("Gradient", &TcxEditStyle::GetGradient, &TcxEditStyle::SetGradient)
      .Stored(&TcxEditStyle::IsGradientStored);
  d.Property("GradientDirection", &TcxEditStyle::GetGradientDirection, &TcxEditStyle::SetGradientDirection)
      .Stored(&TcxEditStyle::IsGradientDirectionStored);
  d.Property("PopupBorderStyle", &TcxEditStyle::GetPopupBorderStyle, &TcxEditStyle::SetPopupBorderStyle)
      .Stored(&TcxEditStyle::IsPopupBorderStyleStored);
  d.Property("StyleController", &TcxEditStyle::GetStyleController, &TcxEditStyle::SetStyleController)
      .Stored(&TcxEditStyle::IsStyleControllerStored);
}

// ---- TcxEditStyleController -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxEditStyleController) {
  d.Property("Style", &TcxEditStyleController::GetStyle, &TcxEditStyleController::SetStyle);
  d.Property("StyleDisabled", &TcxEditStyleController::GetStyleDisabled, &TcxEditStyleController::SetStyleDisabled);
  d.Property("StyleFocused", &TcxEditStyleController::GetStyleFocused, &TcxEditStyleController::SetStyleFocused);
  d.Property("StyleHot", &TcxEditStyleController::GetStyleHot, &TcxEditStyleController::SetStyleHot);
  d.Property("OnStyleChanged", &TcxEditStyleController::GetOnStyleChanged,
             &TcxEditStyleController::SetOnStyleChanged);
}

// ---- TcxDefaultEditStyleController -------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxDefaultEditStyleController) {
  d.Property("EmulateStandardControlDrawing", &TcxDefaultEditStyleController::GetEmulateStandardControlDrawing,
             &TcxDefaultEditStyleController::SetEmulateStandardControlDrawing)
      .Default(false);
  d.Property("Style", &TcxDefaultEditStyleController::GetStyle, &TcxDefaultEditStyleController::SetStyle);
  d.Property("StyleDisabled", &TcxDefaultEditStyleController::GetStyleDisabled,
             &TcxDefaultEditStyleController::SetStyleDisabled);
  d.Property("StyleFocused", &TcxDefaultEditStyleController::GetStyleFocused,
             &TcxDefaultEditStyleController::SetStyleFocused);
  d.Property("StyleHot", &TcxDefaultEditStyleController::GetStyleHot, &TcxDefaultEditStyleController::SetStyleHot);
  d.Property("OnStyleChanged", &TcxDefaultEditStyleController::GetOnStyleChanged,
             &TcxDefaultEditStyleController::SetOnStyleChanged);
}

void TcxDefaultEditStyleController::Construct() {
  inherited::Construct();
  ++DefaultEditStyleControllerCount;
}

void TcxDefaultEditStyleController::Destroy() {
  if (--DefaultEditStyleControllerCount == 0 && DefaultEditStyleController()) {
    RestoreStyles();
    DefaultEditStyleController()->OnStyleChanged = TNotifyEvent();
  }
  inherited::Destroy();
}

Integer TcxDefaultEditStyleController::InstanceCount() { return DefaultEditStyleControllerCount; }

void TcxDefaultEditStyleController::RestoreStyles() { DefaultEditStyleController()->RestoreStyles(); }

bool TcxDefaultEditStyleController::GetEmulateStandardControlDrawing() const {
  return cxEdit::EmulateStandardControlDrawing();
}

void TcxDefaultEditStyleController::SetEmulateStandardControlDrawing(bool Value) {
  SetStandardControlDrawingEmulationMode(Value);
}

TcxEditStyle* TcxDefaultEditStyleController::GetStyle() const { return DefaultEditStyleController()->GetStyle(); }
void TcxDefaultEditStyleController::SetStyle(TcxEditStyle* Value) { DefaultEditStyleController()->SetStyle(Value); }
TcxEditStyle* TcxDefaultEditStyleController::GetStyleDisabled() const {
  return DefaultEditStyleController()->GetStyleDisabled();
}
void TcxDefaultEditStyleController::SetStyleDisabled(TcxEditStyle* Value) {
  DefaultEditStyleController()->SetStyleDisabled(Value);
}
TcxEditStyle* TcxDefaultEditStyleController::GetStyleFocused() const {
  return DefaultEditStyleController()->GetStyleFocused();
}
void TcxDefaultEditStyleController::SetStyleFocused(TcxEditStyle* Value) {
  DefaultEditStyleController()->SetStyleFocused(Value);
}
TcxEditStyle* TcxDefaultEditStyleController::GetStyleHot() const { return DefaultEditStyleController()->GetStyleHot(); }
void TcxDefaultEditStyleController::SetStyleHot(TcxEditStyle* Value) { DefaultEditStyleController()->SetStyleHot(Value); }
TNotifyEvent TcxDefaultEditStyleController::GetOnStyleChanged() const {
  return DefaultEditStyleController()->OnStyleChanged;
}
void TcxDefaultEditStyleController::SetOnStyleChanged(TNotifyEvent Value) {
  DefaultEditStyleController()->OnStyleChanged = Value;
}

}  // namespace cxEdit
