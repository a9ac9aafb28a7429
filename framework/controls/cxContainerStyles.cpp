// Container styles: value resolution along the controller chain, defaults, change notification,
// controller binding and streaming.
#include "cxContainerStyles.h"

#include <algorithm>

#include "Filer.h"
#include "RtlMath.h"
#include "Strings.h"
#include "TypInfo.h"
#include "cxContainerControl.h"

namespace cxContainer {

TcxStyleController* cxContainerDefaultStyleController = nullptr;

TcxStyleController* DefaultContainerStyleController() { return cxContainerDefaultStyleController; }

namespace {

// The border style of an active or hot state by its base style's: the normal and disabled rows
// keep it, the focused and hot rows raise it.
constexpr TcxContainerBorderStyle RaisedBorderStyles[4][7] = {
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11},
    {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11},
};

constexpr TcxContainerBorderStyle DefaultBorderStyles[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};

}  // namespace

// ---- TcxContainerStyle ----------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxContainerStyle) {
  d.Property("AssignedValues", &TcxContainerStyle::GetAssignedValues, &TcxContainerStyle::SetAssignedValues)
      .Stored(false);
  d.Property("BorderColor", &TcxContainerStyle::GetBorderColor, &TcxContainerStyle::SetBorderColor)
      .Type(ColorTypeInfo())
      .Stored(&TcxContainerStyle::IsBorderColorStored);
  d.Property("BorderStyle", &TcxContainerStyle::GetBorderStyle, &TcxContainerStyle::SetBorderStyle)
      .Stored(&TcxContainerStyle::IsBorderStyleStored);
  d.Property("Color", &TcxContainerStyle::GetColor, &TcxContainerStyle::SetColor)
      .Type(ColorTypeInfo())
      .Stored(&TcxContainerStyle::IsColorStored);
  d.Property("Edges", &TcxContainerStyle::GetEdges, &TcxContainerStyle::SetEdges)
      .Stored(&TcxContainerStyle::IsEdgesStored);
  d.Property("Font", &TcxContainerStyle::GetFont, &TcxContainerStyle::SetFont)
      .Stored(&TcxContainerStyle::IsFontStored);
  d.Property("HotTrack", &TcxContainerStyle::GetHotTrack, &TcxContainerStyle::SetHotTrack)
      .Stored(&TcxContainerStyle::IsHotTrackStored);
  d.Property("LookAndFeel", &TcxContainerStyle::GetLookAndFeel, &TcxContainerStyle::SetLookAndFeel);
  d.Property("Shadow", &TcxContainerStyle::GetShadow, &TcxContainerStyle::SetShadow)
      .Stored(&TcxContainerStyle::IsShadowStored);
  d.Property("StyleController", &TcxContainerStyle::GetStyleController, &TcxContainerStyle::SetStyleController)
      .Stored(&TcxContainerStyle::IsStyleControllerStored);
  d.Property("TextColor", &TcxContainerStyle::GetTextColor, &TcxContainerStyle::SetTextColor)
      .Type(ColorTypeInfo())
      .Stored(&TcxContainerStyle::IsTextColorStored);
  d.Property("TextStyle", &TcxContainerStyle::GetTextStyle, &TcxContainerStyle::SetTextStyle)
      .Stored(&TcxContainerStyle::IsTextStyleStored);
  d.Property("TransparentBorder", &TcxContainerStyle::GetTransparentBorder,
             &TcxContainerStyle::SetTransparentBorder)
      .Stored(&TcxContainerStyle::IsTransparentBorderStored);
}

TcxContainerStyle* TcxContainerStyle::Create(TClass AClass, TPersistent* AOwner, bool ADirectAccessMode,
                                             TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* style = static_cast<TcxContainerStyle*>(AClass->NewInstance());
  style->InitializeOwner(AOwner);
  style->FDirectAccessMode = ADirectAccessMode;
  style->FState = AState;
  style->FParentStyle = AState == csNormal ? nullptr : AParentStyle;
  return static_cast<TcxContainerStyle*>(TObject::Initialize(style));
}

void TcxContainerStyle::Construct() {
  inherited::Construct();
  if (FDirectAccessMode) FAssignedValues = {csvColor, csvFont, csvTextColor, csvTextStyle};
  if (IsBaseStyle() && !FDirectAccessMode) {
    FFont = New<TFont>();
    FFont->OnChange = TNotifyEvent(this, &TcxContainerStyle::FontChangeHandler);
  }
  FVisibleFont = New<TFont>();
  if (IsBaseStyle()) {
    FLookAndFeel = New<TcxLookAndFeel>(this);
    FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxContainerStyle::LookAndFeelChanged);
    BaseSetStyleController(nullptr);
  }
}

void TcxContainerStyle::Destroy() {
  FIsDestroying = true;
  if (IsBaseStyle() && FStyleController) FStyleController->RemoveListener(this);
  FStyleController = nullptr;
  FreeAndNil(FLookAndFeel);
  FreeAndNil(FVisibleFont);
  if (!FDirectAccessMode) FreeAndNil(FFont);
  inherited::Destroy();
}

TcxContainer* TcxContainerStyle::GetContainer() { return dynamic_cast<TcxContainer*>(GetOwner()); }

TcxContainerStyle* TcxContainerStyle::GetBaseStyle() { return IsBaseStyle() ? this : FParentStyle; }

TcxLookAndFeel* TcxContainerStyle::GetLookAndFeel() { return GetBaseStyle()->FLookAndFeel; }

void TcxContainerStyle::SetLookAndFeel(TcxLookAndFeel* Value) { GetLookAndFeel()->Assign(Value); }

bool TcxContainerStyle::HasBorder() { return IsBaseStyle() || FParentStyle->HasBorder(); }

bool TcxContainerStyle::GetStyleValueName(TcxContainerStyleValue AStyleValue, String& AName) {
  const bool known = AStyleValue >= 0 && AStyleValue < cxContainerStyleValueCount;
  AName = known ? cxContainerStyleValueNameA[AStyleValue] : "";
  return known;
}

bool TcxContainerStyle::GetStyleValue(const String& APropertyName, TcxContainerStyleValue& AStyleValue) {
  for (TcxContainerStyleValue value = 0; value < GetStyleValueCount(); ++value) {
    String name;
    if (GetStyleValueName(value, name) && AnsiCompareText(name, APropertyName) == 0) {
      AStyleValue = value;
      return true;
    }
  }
  return false;
}

bool TcxContainerStyle::IsExtendedStylePropertyPublished(const String& APropertyName) {
  if (AnsiCompareText(APropertyName, "LookAndFeel") == 0 || AnsiCompareText(APropertyName, "StyleController") == 0)
    return false;
  TcxContainerStyleValue value;
  return !GetStyleValue(APropertyName, value) || !InternalGetNotPublishedExtendedStyleValues().Contains(value);
}

TcxContainerStyleValues TcxContainerStyle::InternalGetNotPublishedExtendedStyleValues() {
  return {csvEdges, csvFont, csvHotTrack, csvShadow, csvTransparentBorder};
}

bool TcxContainerStyle::IsBaseOnlyValue(TcxContainerStyleValue AValue) {
  // What a state style does not publish is what it shares with its base style.
  return InternalGetNotPublishedExtendedStyleValues().Contains(AValue);
}

bool TcxContainerStyle::IsValueStored(TcxContainerStyleValue AValue, const char* AName) const {
  auto* self = const_cast<TcxContainerStyle*>(this);
  if (!self->GetAssignedValues().Contains(AValue)) return false;
  TcxContainer* container = self->GetContainer();
  return !container || container->IsStylePropertyPublished(AName, !IsBaseStyle());
}

// ---- Resolution -------------------------------------------------------------------------------------------
TcxContainerStyle* TcxContainerStyle::FindAssigned(TcxContainerStyleValue AValue) {
  const bool baseOnly = IsBaseOnlyValue(AValue);
  TcxContainerStyle* style = baseOnly ? GetBaseStyle() : this;
  // Bindings never form a cycle; the visited list only guards the walk.
  std::vector<TcxContainerStyle*> visited;
  while (style && std::find(visited.begin(), visited.end(), style) == visited.end()) {
    if (style->FAssignedValues.Contains(AValue)) return style;
    visited.push_back(style);
    TcxStyleController* controller = style->GetActiveStyleController();
    if (!controller) return nullptr;
    style = controller->GetInternalStyle(style->FState);
    if (baseOnly) style = style->GetBaseStyle();
  }
  return nullptr;
}

bool TcxContainerStyle::IsValueAssigned(TcxContainerStyleValue AValue) {
  if (FDirectAccessMode) return GetAssignedValues().Contains(AValue);
  return FindAssigned(AValue) != nullptr;
}

TcxContainerStyleValues TcxContainerStyle::GetAssignedValues() {
  if (!FDirectAccessMode) return FAssignedValues;
  TcxContainerStyleValues all;
  for (TcxContainerStyleValue value = 0; value < GetStyleValueCount(); ++value) all.Include(value);
  return all;
}

TColor TcxContainerStyle::GetBorderColor() {
  if (FDirectAccessMode) return clDefault;
  if (TcxContainerStyle* style = FindAssigned(csvBorderColor)) return style->FBorderColor;
  return DefaultBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::GetBorderStyle() {
  if (FDirectAccessMode) return HasOwnValue(csvBorderStyle) ? FBorderStyle : DefaultBorderStyle();
  if (TcxContainerStyle* style = FindAssigned(csvBorderStyle)) return style->FBorderStyle;
  return DefaultBorderStyle();
}

TColor TcxContainerStyle::GetColor() {
  if (FDirectAccessMode) return FColor;
  TcxContainer* container = GetContainer();
  if (IsBaseStyle() && container && container->GetParentColor() && container->GetParent())
    return container->GetParent()->GetColor();
  if (TcxContainerStyle* style = FindAssigned(csvColor)) return style->FColor;
  return DefaultColor();
}

TColor TcxContainerStyle::GetStyleColor() {
  if (FDirectAccessMode) return FColor;
  if (TcxContainerStyle* style = FindAssigned(csvColor)) return style->FColor;
  TcxContainer* container = GetContainer();
  if (IsBaseStyle() && container && !container->IsInplace() && container->GetParentColor() && container->GetParent())
    return container->GetParent()->GetColor();
  return DefaultColor();
}

TcxBorders TcxContainerStyle::GetEdges() {
  if (FDirectAccessMode) return {};
  if (TcxContainerStyle* style = FindAssigned(csvEdges)) return style->FEdges;
  return GetBaseStyle()->DefaultEdges();
}

TFont* TcxContainerStyle::GetFont() { return FDirectAccessMode ? FFont : GetBaseStyle()->FFont; }

bool TcxContainerStyle::GetHotTrack() {
  if (FDirectAccessMode) return HasOwnValue(csvHotTrack) ? FHotTrack : DefaultHotTrack();
  if (TcxContainerStyle* style = FindAssigned(csvHotTrack)) return style->FHotTrack;
  return GetBaseStyle()->DefaultHotTrack();
}

bool TcxContainerStyle::GetShadow() {
  if (FDirectAccessMode) return false;
  if (TcxContainerStyle* style = FindAssigned(csvShadow)) return style->FShadow;
  return GetBaseStyle()->DefaultShadow();
}

TColor TcxContainerStyle::GetTextColor() {
  if (FDirectAccessMode) return FTextColor;
  if (TcxContainerStyle* style = FindAssigned(csvTextColor)) return style->FTextColor;
  return DefaultTextColor();
}

TFontStyles TcxContainerStyle::GetTextStyle() {
  if (FDirectAccessMode) return FFont ? FFont->GetStyle() : TFontStyles();
  if (TcxContainerStyle* style = FindAssigned(csvTextStyle)) return style->FTextStyle;
  return DefaultTextStyle();
}

bool TcxContainerStyle::GetTransparentBorder() {
  if (FDirectAccessMode) return true;
  if (TcxContainerStyle* style = FindAssigned(csvTransparentBorder)) return style->FTransparentBorder;
  return GetBaseStyle()->DefaultTransparentBorder();
}

TFont* TcxContainerStyle::GetVisibleFont() {
  if (TFont* font = GetFont()) FVisibleFont->Assign(font);
  FVisibleFont->SetColor(GetTextColor());
  FVisibleFont->SetStyle(GetTextStyle());
  return FVisibleFont;
}

// ---- Defaults -----------------------------------------------------------------------------------------------
TColor TcxContainerStyle::DefaultBorderColor() {
  if (FState == csDisabled) return clBtnShadow;
  return IsBaseStyle() ? clWindowFrame : FParentStyle->GetBorderColor();
}

TcxContainerBorderStyle TcxContainerStyle::DefaultBorderStyle() {
  if (IsBaseStyle()) return DefaultBorderStyles[GetLookAndFeel()->GetKind()];
  const TcxContainerStateItem row = GetHotTrack() || FState == csDisabled ? FState : csNormal;
  return RaisedBorderStyles[row][FParentStyle->GetBorderStyle()];
}

TColor TcxContainerStyle::DefaultColor() {
  TcxContainer* container = GetContainer();
  const bool parentColored = !container || container->DefaultParentColor();
  if (IsBaseStyle()) return parentColored ? clBtnFace : clWindow;
  if (FState == csDisabled && !parentColored) return clBtnFace;
  return FParentStyle->GetColor();
}

TColor TcxContainerStyle::DefaultTextColor() {
  if (FState == csDisabled) return clBtnShadow;
  if (!IsBaseStyle()) return FParentStyle->GetTextColor();
  return FFont ? FFont->GetColor() : clWindowText;
}

TFontStyles TcxContainerStyle::DefaultTextStyle() {
  if (!IsBaseStyle()) return FParentStyle->GetTextStyle();
  return FFont ? FFont->GetStyle() : TFontStyles();
}

// ---- Setters --------------------------------------------------------------------------------------------------
void TcxContainerStyle::SetBorderColor(TColor Value) { SetValue(csvBorderColor, FBorderColor, Value); }

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle Value) { SetValue(csvBorderStyle, FBorderStyle, Value); }

void TcxContainerStyle::SetColor(TColor Value) { SetValue(csvColor, FColor, Value); }

void TcxContainerStyle::SetEdges(TcxBorders Value) { SetBaseValue(csvEdges, &TcxContainerStyle::FEdges, Value); }

void TcxContainerStyle::SetHotTrack(bool Value) { SetBaseValue(csvHotTrack, &TcxContainerStyle::FHotTrack, Value); }

void TcxContainerStyle::SetShadow(bool Value) { SetBaseValue(csvShadow, &TcxContainerStyle::FShadow, Value); }

void TcxContainerStyle::SetTransparentBorder(bool Value) {
  SetBaseValue(csvTransparentBorder, &TcxContainerStyle::FTransparentBorder, Value);
}

void TcxContainerStyle::SetTextColor(TColor Value) {
  if (FAssignedValues.Contains(csvTextColor) && GetTextColor() == Value) return;
  FTextColor = Value;
  FAssignedValues.Include(csvTextColor);
  Changed();
}

void TcxContainerStyle::SetTextStyle(TFontStyles Value) {
  if (FAssignedValues.Contains(csvTextStyle) && GetTextStyle() == Value) return;
  FTextStyle = Value;
  FAssignedValues.Include(csvTextStyle);
  Changed();
}

void TcxContainerStyle::SetFont(TFont* Value) {
  if (FDirectAccessMode) {
    FFont = Value;
    return;
  }
  if (!IsBaseStyle()) return FParentStyle->SetFont(Value);
  if (Value) FFont->Assign(Value);
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues Value) {
  if (FAssignedValues == Value) return;
  FAssignedValues = Value;
  GetBaseStyle()->UpdateFont();
  Changed();
}

// ---- Change notification ----------------------------------------------------------------------------------------
void TcxContainerStyle::BeginUpdate() { ++FUpdateCount; }

void TcxContainerStyle::EndUpdate() {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  CheckChanges();
}

void TcxContainerStyle::Changed() {
  FModified = true;
  CheckChanges();
}

void TcxContainerStyle::CheckChanges() {
  if (!FModified || FUpdateCount > 0) return;
  FModified = false;
  if (!FIsDestroying && !FDirectAccessMode && OnChanged) OnChanged(this);
}

void TcxContainerStyle::FontChanged(TObject*) {
  if (FFontAssignedLockCount == 0) FAssignedValues.Include(csvFont);
  Changed();
}

void TcxContainerStyle::UpdateFont() {
  if (FDirectAccessMode || !IsBaseStyle() || FAssignedValues.Contains(csvFont)) return;
  ++FFontAssignedLockCount;
  struct TUnlock {
    Integer& Count;
    ~TUnlock() { --Count; }
  } unlock{FFontAssignedLockCount};
  TcxStyleController* controller = GetActiveStyleController();
  TcxContainerStyle* source = controller ? controller->GetStyle()->FindAssigned(csvFont) : nullptr;
  TcxContainer* container = GetContainer();
  if (source)
    FFont->Assign(source->FFont);
  else if (!container || !container->GetParentFont())
    RestoreFont(FFont);
}

void TcxContainerStyle::RestoreFont(TFont* AFont) {
  TOwnedPtr<TFont> defaults = NewOwned<TFont>();
  AFont->Assign(defaults.get());
}

// ---- Controller binding -----------------------------------------------------------------------------------------
TcxStyleController* TcxContainerStyle::GetDefaultStyleController() { return DefaultContainerStyleController(); }

TcxStyleController* TcxContainerStyle::GetActiveStyleController() { return GetBaseStyle()->FStyleController; }

TcxStyleController* TcxContainerStyle::BaseGetStyleController() {
  TcxStyleController* controller = GetActiveStyleController();
  return controller == GetDefaultStyleController() ? nullptr : controller;
}

bool TcxContainerStyle::IsOwnerDefaultStyleController() {
  TcxStyleController* defaultController = GetDefaultStyleController();
  return defaultController && GetOwner() == defaultController;
}

void TcxContainerStyle::BaseSetStyleController(TcxStyleController* Value) {
  if (!IsBaseStyle()) return FParentStyle->BaseSetStyleController(Value);
  if (IsOwnerDefaultStyleController()) return;
  if (!Value) Value = GetDefaultStyleController();
  // A controller whose chain leads back to this style would make the lookups circular.
  std::vector<TcxStyleController*> visited;
  for (TcxStyleController* c = Value; c && std::find(visited.begin(), visited.end(), c) == visited.end();
       c = c->GetStyle()->FStyleController) {
    if (c->GetStyle() == this) return;
    visited.push_back(c);
  }
  if (Value == FStyleController) return;
  InternalSetStyleController(Value);
}

void TcxContainerStyle::InternalSetStyleController(TcxStyleController* Value) {
  if (FStyleController) FStyleController->RemoveListener(this);
  FStyleController = Value;
  if (FStyleController) FStyleController->AddListener(this);
  ControllerChangedNotification(FStyleController);
}

void TcxContainerStyle::ControllerChangedNotification(TcxStyleController*) {
  UpdateFont();
  Changed();
}

void TcxContainerStyle::ControllerFreeNotification(TcxStyleController* AStyleController) {
  if (!AStyleController || AStyleController != GetActiveStyleController()) return;
  // A default controller that is going away itself is not bound again.
  TcxStyleController* defaultController = GetDefaultStyleController();
  GetBaseStyle()->InternalSetStyleController(defaultController == AStyleController ? nullptr : defaultController);
}

// ---- Assignment and defaults --------------------------------------------------------------------------------------
void TcxContainerStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxContainerStyle*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  struct TEnd {
    TcxContainerStyle* Style;
    ~TEnd() { Style->EndUpdate(); }
  } end{this};
  if (IsBaseStyle()) {
    BaseSetStyleController(source->BaseGetStyleController());
    GetLookAndFeel()->Assign(source->GetLookAndFeel());
  }
  FBorderColor = source->FBorderColor;
  FBorderStyle = source->FBorderStyle;
  FEdges = source->FEdges;
  FHotTrack = source->FHotTrack;
  FShadow = source->FShadow;
  FTransparentBorder = source->FTransparentBorder;
  FColor = source->FColor;
  if (FDirectAccessMode) {
    FFont = source->GetFont();
    FTextColor = source->GetTextColor();
  } else {
    ++FFontAssignedLockCount;
    if (TFont* font = source->GetFont(); font && GetFont()) {
      GetFont()->Assign(font);
      if (source->FDirectAccessMode) GetFont()->SetColor(source->GetTextColor());
    }
    --FFontAssignedLockCount;
    FTextColor = source->GetTextColor();
    FTextStyle = source->GetTextStyle();
  }
  FAssignedValues = source->FAssignedValues;
  Changed();
}

void TcxContainerStyle::RestoreDefaults() {
  BeginUpdate();
  struct TEnd {
    TcxContainerStyle* Style;
    ~TEnd() { Style->EndUpdate(); }
  } end{this};
  FAssignedValues = {};
  if (IsBaseStyle()) {
    FLookAndFeel->Reset();
    if (TcxContainer* container = GetContainer()) {
      container->SetParentColor(false);
      container->SetParentFont(true);
      if (container->DefaultParentColor()) {
        TcxStyleController* controller = GetActiveStyleController();
        if (!controller || !controller->GetStyle()->IsValueAssigned(csvColor)) container->SetParentColor(true);
      }
    } else if (!FDirectAccessMode) {
      ++FFontAssignedLockCount;
      RestoreFont(FFont);
      --FFontAssignedLockCount;
    }
  }
  Changed();
}

// ---- Streaming ----------------------------------------------------------------------------------------------------
void TcxContainerStyle::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("IsFontAssigned", Filer::TReaderProc(this, &TcxContainerStyle::ReadIsFontAssigned),
                        Filer::TWriterProc(this, &TcxContainerStyle::WriteIsFontAssigned), IsFontStored());
}

void TcxContainerStyle::ReadIsFontAssigned(Filer::TReader* Reader) {
  Reader->ReadBoolean();
  FAssignedValues.Include(csvFont);
}

void TcxContainerStyle::WriteIsFontAssigned(Filer::TWriter* Writer) { Writer->WriteBoolean(true); }

// ---- TcxContainerStyles -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxContainerStyles)

TcxContainerStyles* TcxContainerStyles::Create(TClass AStylesClass, TPersistent* AOwner, TClass AStyleClass) {
  if (!AStylesClass || !AStylesClass->InheritsFrom(StaticClass()) || AStylesClass->IsAbstract()) RaiseInvalidCast();
  auto* styles = static_cast<TcxContainerStyles*>(AStylesClass->NewInstance());
  styles->FOwner = AOwner;
  styles->FStyleClass = AStyleClass;
  return static_cast<TcxContainerStyles*>(TObject::Initialize(styles));
}

void TcxContainerStyles::Construct() {
  inherited::Construct();
  if (!FStyleClass) FStyleClass = TcxContainerStyle::StaticClass();
  for (TcxContainerStateItem state : {csNormal, csActive, csDisabled, csHotTrack})
    FStyles[state] = TcxContainerStyle::Create(FStyleClass, FOwner, false, FStyles[csNormal], state);
}

void TcxContainerStyles::Destroy() {
  for (Integer i = 3; i >= 0; --i) FreeAndNil(FStyles[i]);
  inherited::Destroy();
}

void TcxContainerStyles::SetStyle(TcxContainerStateItem AState, TcxContainerStyle* AStyle) {
  FStyles[AState]->Assign(AStyle);
}

void TcxContainerStyles::SetOnChanged(TNotifyEvent Value) {
  for (TcxContainerStyle* style : FStyles)
    if (style) style->OnChanged = Value;
}

void TcxContainerStyles::RestoreDefaults() {
  for (TcxContainerStyle* style : FStyles) style->RestoreDefaults();
}

// ---- TcxStyleController -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxStyleController) {
  d.Property("FakeStyleController", &TcxStyleController::GetFakeStyleController,
             &TcxStyleController::SetFakeStyleController)
      .Stored(false);
}

void TcxStyleController::Construct() {
  inherited::Construct();
  FStyles = TcxContainerStyles::Create(GetStylesClass(), this, GetStyleClass());
  FStyles->SetOnChanged(TNotifyEvent(this, &TcxStyleController::StyleChanged));
}

void TcxStyleController::Destroy() {
  FIsDestruction = true;
  for (size_t i = FListeners.size(); i-- > 0;)
    if (i < FListeners.size()) FListeners[i]->ControllerFreeNotification(this);
  FreeAndNil(FStyles);
  FListeners.clear();
  inherited::Destroy();
}

void TcxStyleController::Loaded() {
  inherited::Loaded();
  Changed();
}

TcxStyleController* TcxStyleController::GetFakeStyleController() const {
  return GetStyle()->BaseGetStyleController();
}

void TcxStyleController::AddListener(TcxContainerStyle* AStyle) {
  if (!AStyle || std::find(FListeners.begin(), FListeners.end(), AStyle) != FListeners.end()) return;
  FListeners.push_back(AStyle);
  AStyle->GetLookAndFeel()->SetMasterLookAndFeel(GetStyle()->GetLookAndFeel());
}

void TcxStyleController::RemoveListener(TcxContainerStyle* AStyle) {
  auto at = std::find(FListeners.begin(), FListeners.end(), AStyle);
  if (at == FListeners.end()) return;
  FListeners.erase(at);
  if (TcxLookAndFeel* lookAndFeel = AStyle->GetLookAndFeel()) lookAndFeel->SetMasterLookAndFeel(nullptr);
}

void TcxStyleController::Changed() {
  if (OnStyleChanged) OnStyleChanged(this);
  if (FIsDestruction) return;
  for (TcxContainerStyle* style : std::vector<TcxContainerStyle*>(FListeners))
    if (std::find(FListeners.begin(), FListeners.end(), style) != FListeners.end())
      style->ControllerChangedNotification(this);
}

void TcxStyleController::ChangeFontScale(Integer M, Integer D) {
  TcxContainerStyle* style = GetStyle();
  if (style->HasOwnValue(csvFont)) {
    if (FFontScaled) return;
    FFontScaled = true;
    style->GetFont()->SetSize(MulDiv(style->GetFont()->GetSize(), M, D));
  } else if (TcxStyleController* controller = style->GetActiveStyleController()) {
    controller->ChangeFontScale(M, D);
  }
}

}  // namespace cxContainer
