// The mask editor's settings: the mask and its kind, the modes they make, the display value of a
// masked value, validation of a posted text, and the unit's registration.
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxEditConsts.h"
#include "cxEditRegistry.h"
#include "cxControlsInternal.h"
#include "cxMaskEdit.h"
#include "cxMaskEditConsts.h"
#include "cxRegExpr.h"

namespace cxMaskEdit {

IMPLEMENT_CLASS(TcxCustomMaskEditProperties)

IMPLEMENT_CLASS_PUBLISHED(TcxMaskEditProperties) {
  using P = TcxMaskEditProperties;
  d.Property("Alignment", &P::GetAlignment, &P::SetAlignment).Stored(&P::IsAlignmentStored);
  d.Property("AlwaysShowBlanksAndLiterals", &P::GetAlwaysShowBlanksAndLiterals, &P::SetAlwaysShowBlanksAndLiterals)
      .Default(false);
  d.Property("AssignedValues", &P::GetAssignedValues, &P::SetAssignedValues);
  d.Property("AutoSelect", &P::GetAutoSelect, &P::SetAutoSelect).Default(true);
  d.Property("BeepOnError", &P::GetBeepOnError, &P::SetBeepOnError).Default(false);
  d.Property("CaseInsensitive", &P::GetCaseInsensitive, &P::SetCaseInsensitive).Default(true);
  d.Property("CharCase", &P::GetCharCase, &P::SetCharCase).Default(StdCtrls::ecNormal);
  d.Property("ClearKey", &P::GetClearKey, &P::SetClearKey).Default(0);
  d.Property("EchoMode", &P::GetEchoMode, &P::SetEchoMode).Default(eemNormal);
  d.Property("HideSelection", &P::GetHideSelection, &P::SetHideSelection).Default(true);
  d.Property("IgnoreMaskBlank", &P::GetIgnoreMaskBlank, &P::SetIgnoreMaskBlank).Default(false);
  d.Property("ImeMode", &P::GetImeMode, &P::SetImeMode).Default(imDontCare);
  d.Property("ImeName", &P::GetImeName, &P::SetImeName);
  d.Property("IncrementalSearch", &P::GetIncrementalSearch, &P::SetIncrementalSearch).Default(true);
  d.Property("LookupItems", &P::GetLookupItems, &P::SetLookupItems);
  d.Property("LookupItemsSorted", &P::GetLookupItemsSorted, &P::SetLookupItemsSorted).Default(false);
  // The kind comes before the mask, so that a stream sets the kind first.
  d.Property("MaskKind", &P::GetMaskKind, &P::SetMaskKind).Default(emkStandard);
  d.Property("EditMask", &P::GetEditMaskValue, &P::SetEditMask);
  d.Property("MaxLength", &P::GetMaxLengthValue, &P::SetMaxLength).Stored(&P::IsMaxLengthStored);
  d.Property("OEMConvert", &P::GetOEMConvert, &P::SetOEMConvert).Default(false);
  d.Property("PasswordChar", &P::GetPasswordChar, &P::SetPasswordChar).Default(0);
  d.Property("ReadOnly", &P::GetReadOnly, &P::SetReadOnly).Stored(&P::IsReadOnlyStored);
  d.Property("UseLeftAlignmentOnEditing", &P::GetUseLeftAlignmentOnEditing, &P::SetUseLeftAlignmentOnEditing)
      .Stored(&P::IsUseLeftAlignmentOnEditingStored);
  d.Property("ValidateOnEnter", &P::GetValidateOnEnter, &P::SetValidateOnEnter).Default(true);
  d.Property("OnChange", &P::GetOnChange, &P::SetOnChange);
  d.Property("OnEditValueChanged", &P::GetOnEditValueChanged, &P::SetOnEditValueChanged);
  d.Property("OnNewLookupDisplayText", &P::GetOnNewLookupDisplayText, &P::SetOnNewLookupDisplayText);
  d.Property("OnValidate", &P::GetOnValidate, &P::SetOnValidate);
}

void TcxCustomMaskEditProperties::Construct() {
  inherited::Construct();
  SetValidateOnEnter(true);
  SetCaseInsensitive(true);
}

void TcxCustomMaskEditProperties::Destroy() {
  FreeAndNil(FTempMode);
  inherited::Destroy();
}

TClass TcxCustomMaskEditProperties::GetContainerClass() { return TcxMaskEdit::StaticClass(); }

TClass TcxCustomMaskEditProperties::GetModeClass(TcxEditMaskKind AMaskKind) {
  switch (AMaskKind) {
    case emkRegExpr: return TcxMaskEditRegExprMode::StaticClass();
    case emkRegExprEx: return TcxMaskEditRegExprExMode::StaticClass();
    default: return TcxMaskEditStandardMode::StaticClass();
  }
}

// ---- The mask ---------------------------------------------------------------------------------------------------
bool TcxCustomMaskEditProperties::EmptyMask(const String& AMask) {
  for (char32_t c : ToMaskChars(AMask))
    if (!IsRegExprBlank(c)) return false;
  return true;
}

String TcxCustomMaskEditProperties::GetEditMask() {
  if (FMaskKind != emkStandard || !EmptyMask(FEditMask)) return FEditMask;
  IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider();
  return provider ? provider->DefaultEditMask() : String();
}

bool TcxCustomMaskEditProperties::IsMasked() { return !EmptyMask(GetEditMask()); }

void TcxCustomMaskEditProperties::SetEditMask(const String& Value) {
  if (Value == GetEditMask()) {
    FEditMask = Value;
    return;
  }
  {
    // An invalid mask raises here and nothing changes.
    TOwnedPtr<TcxMaskEditCustomMode> mode(CreateMode1());
    mode->Compile(Value);
  }
  FEditMask = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind Value) {
  if (FMaskKind == Value) return;
  FMaskKind = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetAlwaysShowBlanksAndLiterals(bool Value) {
  if (FAlwaysShowBlanksAndLiterals == Value) return;
  FAlwaysShowBlanksAndLiterals = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool Value) {
  // A converted case makes every comparison case-insensitive.
  FCaseInsensitive = GetCharCase() != StdCtrls::ecNormal || Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetCharCase(TEditCharCase Value) {
  if (Value != StdCtrls::ecNormal) FCaseInsensitive = true;
  inherited::SetCharCase(Value);
}

void TcxCustomMaskEditProperties::Changed() {
  FreeAndNil(FTempMode);
  inherited::Changed();
}

void TcxCustomMaskEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomMaskEditProperties*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally end([this] { EndUpdate(true); });
  inherited::Assign(Source);
  SetMaskKind(source->FMaskKind);
  SetEditMask(source->GetEditMask());
  SetCaseInsensitive(source->FCaseInsensitive);
  FIgnoreMaskBlank = source->FIgnoreMaskBlank;
  SetAlwaysShowBlanksAndLiterals(source->FAlwaysShowBlanksAndLiterals);
}

TcxMaskEditCustomMode* TcxCustomMaskEditProperties::CreateMode1() {
  return TcxMaskEditCustomMode::Create(GetModeClass(FMaskKind), nullptr, this);
}

TcxMaskEditCustomMode* TcxCustomMaskEditProperties::CreateMode() {
  if (!IsMasked()) return nullptr;
  TOwnedPtr<TcxMaskEditCustomMode> mode(CreateMode1());
  mode->Compile(GetEditMask());
  return mode.release();
}

// ---- Values -------------------------------------------------------------------------------------------------------
bool TcxCustomMaskEditProperties::UseLookupData() { return !IsMasked() && inherited::UseLookupData(); }

bool TcxCustomMaskEditProperties::IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) {
  return IsMasked() || inherited::IsEditValueValid(AEditValue, AEditFocused);
}

TcxEditDisplayFormatOptions TcxCustomMaskEditProperties::GetDisplayFormatOptions() {
  return IsMasked() ? TcxEditDisplayFormatOptions{} : TcxEditDisplayFormatOptions{dfoSupports};
}

void TcxCustomMaskEditProperties::MaxLengthChanged() {
  if (!IsMasked()) return inherited::MaxLengthChanged();
  // A masked text is as long as its mask says: the limit stays 0.
  if (FMaxLengthChanging) return;
  FMaxLengthChanging = true;
  BeginUpdate();
  TFinally done([this] {
    EndUpdate();
    FMaxLengthChanging = false;
  });
  SetMaxLength(0);
}

void TcxCustomMaskEditProperties::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue,
                                                      bool AEditFocused) {
  IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider();
  if (!IsMasked() || (!AEditFocused && provider && provider->IsDisplayFormatDefined(true)))
    return inherited::PrepareDisplayValue(AEditValue, DisplayValue, AEditFocused);
  const String text = VarIsNull(AEditValue) ? String() : VarToStr(AEditValue);
  if (!FTempMode || FTempMode->GetMaskKind() != FMaskKind || FTempMode->GetEditMask() != GetEditMask()) {
    FreeAndNil(FTempMode);
    FTempMode = CreateMode();
  }
  if (!FTempMode) return;
  if (AEditFocused || FTempMode->GetMaskKind() != emkStandard || FAlwaysShowBlanksAndLiterals)
    DisplayValue = FTempMode->GetFormattedText(text, false);
  else
    DisplayValue = FTempMode->GetUpdatedText(text, false);
}

void TcxCustomMaskEditProperties::ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  if (!AError && IsMasked()) {
    auto* edit = dynamic_cast<TcxCustomMaskEdit*>(AEdit);
    AError = edit && edit->GetMode() && !edit->GetMode()->IsFullValidText(VarToStr(ADisplayValue));
    if (AError) AErrorText = cxGetResourceString(&cxSEditMaskInvalidEditValue);
  }
  inherited::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

// ---- Unit ---------------------------------------------------------------------------------------------------------
namespace {
Integer FMaskEditUnitStartCount = 0;
}

void InitMaskEdit() {
  if (FMaskEditUnitStartCount++ > 0) return;
  GetRegisteredEditProperties()->Register(TcxMaskEditProperties::StaticClass(),
                                          cxGetResourceString(&scxSEditRepositoryMaskItem));
  RegisterClasses({TcxMaskEdit::StaticClass()});
}

}  // namespace cxMaskEdit
