// The text editor's settings: change notification of each setting, the display and edit formats,
// the conversion of edit values into shown text, the lookup-item check, value bounds and the
// digit-grouping routines.
#include "cxTextEditProperties.h"

#include <algorithm>

#include "DateFormat.h"
#include "Exceptions.h"
#include "Filer.h"
#include "FloatFormat.h"
#include "FmtBcd.h"
#include "FormatSettings.h"
#include "Multibyte.h"
#include "Strings.h"
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxEditConsts.h"
#include "cxControlsInternal.h"
#include "cxTextEdit.h"
#include "cxVariants.h"

namespace cxTextEdit {

// ---- Text routines ------------------------------------------------------------------------------------------
void CheckCharsRegister(String& AText, TEditCharCase ACharCase) {
  if (ACharCase == ecUpperCase) AText = AnsiUpperCase(AText);
  else if (ACharCase == ecLowerCase) AText = AnsiLowerCase(AText);
}

void RemoveExponentialPart(String& AText, String& AExponentialPart) {
  const size_t pos = AnsiUpperCase(AText).find('E');
  if (pos == String::npos) {
    AExponentialPart.clear();
    return;
  }
  AExponentialPart = AText.substr(pos);
  AText.resize(pos);
}

void RemoveThousandSeparator(String& AText) {
  AText.erase(std::remove(AText.begin(), AText.end(), FormatSettings.ThousandSeparator), AText.end());
}

void InsertThousandSeparator(String& AText) {
  const size_t first = AText.find_first_not_of(' ');
  if (first == String::npos) return;  // empty or only blanks: nothing to group
  const size_t last = AText.find_last_not_of(' ');
  const String leading = AText.substr(0, first), trailing = AText.substr(last + 1);
  String number = AText.substr(first, last - first + 1), exponent;
  RemoveExponentialPart(number, exponent);
  RemoveThousandSeparator(number);
  const size_t decimal = number.find(FormatSettings.DecimalSeparator);
  // A number that starts with its decimal separator has no integer part to group.
  if (decimal != 0 && !number.empty()) {
    size_t digitEnd = decimal == String::npos ? number.size() : decimal;  // one past the integer part's last digit
    Integer count = 0;
    for (size_t i = digitEnd; i > 0 && number[i - 1] >= '0' && number[i - 1] <= '9'; --i) {
      if (count > 0 && count % 3 == 0) number.insert(i, 1, FormatSettings.ThousandSeparator);
      ++count;
    }
  }
  AText = leading + number + exponent + trailing;
}

// ---- TcxTextEditPropertiesValues --------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxTextEditPropertiesValues) {
  d.Property("DisplayFormat", &TcxTextEditPropertiesValues::GetDisplayFormat,
             &TcxTextEditPropertiesValues::SetDisplayFormat)
      .Stored(&TcxTextEditPropertiesValues::IsDisplayFormatStored);
  d.Property("EditFormat", &TcxTextEditPropertiesValues::GetEditFormat, &TcxTextEditPropertiesValues::SetEditFormat)
      .Stored(&TcxTextEditPropertiesValues::IsEditFormatStored);
  d.Property("MaxLength", &TcxTextEditPropertiesValues::GetMaxLength, &TcxTextEditPropertiesValues::SetMaxLength)
      .Stored(false);
}

void TcxTextEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxTextEditPropertiesValues*>(Source);
  if (!source) return inherited::Assign(Source);
  TcxCustomEditProperties* properties = GetProperties();
  if (properties) properties->BeginUpdate();
  TFinally end([properties] {
    if (properties) properties->EndUpdate();
  });
  inherited::Assign(Source);
  SetDisplayFormat(source->FDisplayFormat);
  SetEditFormat(source->FEditFormat);
  SetMaxLength(source->FMaxLength);
}

void TcxTextEditPropertiesValues::RestoreDefaults() {
  TcxCustomEditProperties* properties = GetProperties();
  if (properties) properties->BeginUpdate();
  TFinally end([properties] {
    if (properties) properties->EndUpdate();
  });
  inherited::RestoreDefaults();
  SetDisplayFormat(false);
  SetEditFormat(false);
  SetMaxLength(false);
}

void TcxTextEditPropertiesValues::SetMaxLength(bool Value) {
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  if (auto* properties = dynamic_cast<TcxCustomTextEditProperties*>(GetProperties())) properties->MaxLengthChanged();
}

namespace {

// A flag is written only when its text is empty (a text is written itself) and the settings class
// publishes the text.
bool IsFormatFlagStored(TcxCustomEditProperties* AProperties, bool AFlag, const char* AName, const String& AText) {
  return AFlag && AText.empty() && AProperties && GetPropInfo(AProperties->ClassType(), AName);
}

}  // namespace

bool TcxTextEditPropertiesValues::IsDisplayFormatStored() {
  auto* properties = static_cast<TcxCustomTextEditProperties*>(GetProperties());
  return IsFormatFlagStored(properties, FDisplayFormat, "DisplayFormat",
                            properties ? properties->GetDisplayFormatValue() : String());
}

bool TcxTextEditPropertiesValues::IsEditFormatStored() {
  auto* properties = static_cast<TcxCustomTextEditProperties*>(GetProperties());
  return IsFormatFlagStored(properties, FEditFormat, "EditFormat",
                            properties ? properties->GetEditFormatValue() : String());
}

// ---- TcxCustomTextEditProperties ----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomTextEditProperties)

void TcxCustomTextEditProperties::Construct() {
  inherited::Construct();
  FLookupItems = New<TStringList>();
  FLookupItems->SetDuplicates(dupAccept);
  FLookupItems->OnChange = TNotifyEvent(this, &TcxCustomTextEditProperties::LookupItemsChanged);
  cxFormatController()->AddListener(this);
}

void TcxCustomTextEditProperties::Destroy() {
  cxFormatController()->RemoveListener(this);
  FreeAndNil(FLookupItems);
  inherited::Destroy();
}

TClass TcxCustomTextEditProperties::GetAssignedValuesClass() { return TcxTextEditPropertiesValues::StaticClass(); }
TClass TcxCustomTextEditProperties::GetViewDataClass() { return TcxCustomTextEditViewData::StaticClass(); }
TClass TcxCustomTextEditProperties::GetViewInfoClass() { return TcxCustomTextEditViewInfo::StaticClass(); }
TClass TcxCustomTextEditProperties::GetContainerClass() { return TcxTextEdit::StaticClass(); }
TClass TcxCustomTextEditProperties::GetLookupDataClass() { return TcxCustomTextEditLookupData::StaticClass(); }

void TcxCustomTextEditProperties::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("IsDisplayFormatAssigned",
                        Filer::TReaderProc(this, &TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned),
                        Filer::TWriterProc(), false);
}

void TcxCustomTextEditProperties::ReadIsDisplayFormatAssigned(Filer::TReader* Reader) {
  GetAssignedTextValues()->FDisplayFormat = Reader->ReadBoolean();
}

void TcxCustomTextEditProperties::FormatChanged() {
  FFormatChanging = true;
  TFinally done([this] { FFormatChanging = false; });
  Changed();
}

void TcxCustomTextEditProperties::AlignmentChangedHandler(TObject* Sender) {
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::AlignmentChangedHandler(Sender);
}

void TcxCustomTextEditProperties::BaseSetAlignment(TcxEditAlignment* Value) {
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::BaseSetAlignment(Value);
}

void TcxCustomTextEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomTextEditProperties*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::Assign(Source);
  SetCharCase(source->FCharCase);
  SetEchoMode(source->FEchoMode);
  SetFixedListSelection(source->FFixedListSelection);
  SetHideCursor(source->FHideCursor);
  SetHideSelection(source->FHideSelection);
  FImmediateUpdateText = source->FImmediateUpdateText;
  SetIncrementalSearch(source->FIncrementalSearch);
  SetMRUMode(source->FMRUMode);
  AcceptedChars = source->AcceptedChars;
  FLookupItems->SetSorted(false);
  FLookupItems->Assign(source->FLookupItems);
  FLookupItems->SetSorted(source->FLookupItems->GetSorted());
  TcxTextEditPropertiesValues* own = GetAssignedTextValues();
  TcxTextEditPropertiesValues* other = source->GetAssignedTextValues();
  own->FDisplayFormat = false;
  if (other->FDisplayFormat) SetDisplayFormat(source->FDisplayFormat);
  own->FEditFormat = false;
  if (other->FEditFormat) SetEditFormat(source->FEditFormat);
  own->FMaxLength = false;
  if (other->FMaxLength) SetMaxLength(source->FMaxLength);
  SetOEMConvert(source->FOEMConvert);
  SetImeMode(source->FImeMode);
  SetImeName(source->FImeName);
  SetPasswordChar(source->FPasswordChar);
  SetUseDisplayFormatWhenEditing(source->FUseDisplayFormatWhenEditing);
  OnNewLookupDisplayText = source->OnNewLookupDisplayText;
}

// ---- Setters --------------------------------------------------------------------------------------------------
template <class T>
void TcxCustomTextEditProperties::SetField(T& AField, const T& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Changed();
}

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase Value) { SetField(FCharCase, Value); }
void TcxCustomTextEditProperties::SetEchoMode(TcxEditEchoMode Value) { SetField(FEchoMode, Value); }
void TcxCustomTextEditProperties::SetHideCursor(bool Value) { SetField(FHideCursor, Value); }
void TcxCustomTextEditProperties::SetHideSelection(bool Value) { SetField(FHideSelection, Value); }
void TcxCustomTextEditProperties::SetImeMode(TImeMode Value) { SetField(FImeMode, Value); }
void TcxCustomTextEditProperties::SetImeName(const TImeName& Value) { SetField(FImeName, Value); }
void TcxCustomTextEditProperties::SetImmediateUpdateText(bool Value) { SetField(FImmediateUpdateText, Value); }
void TcxCustomTextEditProperties::SetIncrementalSearch(bool Value) { SetField(FIncrementalSearch, Value); }
void TcxCustomTextEditProperties::SetMRUMode(bool Value) { SetField(FMRUMode, Value); }
void TcxCustomTextEditProperties::SetOEMConvert(bool Value) { SetField(FOEMConvert, Value); }
void TcxCustomTextEditProperties::SetPasswordChar(Char Value) { SetField(FPasswordChar, Value); }
void TcxCustomTextEditProperties::SetUseDisplayFormatWhenEditing(bool Value) {
  SetField(FUseDisplayFormatWhenEditing, Value);
}

void TcxCustomTextEditProperties::SetFixedListSelection(bool Value) {
  if (FFixedListSelection == Value) return;
  FFixedListSelection = Value;
  if (GetEditingStyle() == esFixedList) Changed();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const String& Value) {
  TcxTextEditPropertiesValues* values = GetAssignedTextValues();
  if (values->FDisplayFormat && FDisplayFormat == Value) return;
  values->FDisplayFormat = true;
  FDisplayFormat = Value;
  Changed();
}

void TcxCustomTextEditProperties::SetEditFormat(const String& Value) {
  TcxTextEditPropertiesValues* values = GetAssignedTextValues();
  if (values->FEditFormat && FEditFormat == Value) return;
  values->FEditFormat = true;
  FEditFormat = Value;
  Changed();
}

void TcxCustomTextEditProperties::SetMaxLength(Integer Value) {
  Value = std::max(0, Value);
  TcxTextEditPropertiesValues* values = GetAssignedTextValues();
  if (values->FMaxLength && FMaxLength == Value) return;
  values->FMaxLength = true;
  FMaxLength = Value;
  MaxLengthChanged();
}

TcxTextEditViewStyle TcxCustomTextEditProperties::GetViewStyle() {
  switch (GetButtonsViewStyle()) {
    case bvsButtonsOnly: return vsButtonsOnly;
    case bvsButtonsAutoWidth: return vsButtonsAutoWidth;
    default: return FHideCursor ? vsHideCursor : vsNormal;
  }
}

void TcxCustomTextEditProperties::SetViewStyle(TcxTextEditViewStyle Value) {
  if (Value == GetViewStyle()) return;
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  static constexpr TcxEditButtonsViewStyle ButtonsStyles[] = {bvsNormal, bvsNormal, bvsButtonsOnly,
                                                              bvsButtonsAutoWidth};
  SetButtonsViewStyle(ButtonsStyles[Value]);
  SetHideCursor(Value != vsNormal);
}

// ---- Formats --------------------------------------------------------------------------------------------------
String TcxCustomTextEditProperties::GetDisplayFormat() {
  if (GetAssignedTextValues()->FDisplayFormat) return FDisplayFormat;
  if (IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider()) {
    const String format = provider->DefaultDisplayFormat();
    if (!format.empty()) return format;
  }
  return GetDefaultDisplayFormat();
}

String TcxCustomTextEditProperties::GetEditFormat() {
  bool isCurrency = false, isOnGetTextAssigned = false;
  return InternalGetEditFormat(isCurrency, isOnGetTextAssigned);
}

String TcxCustomTextEditProperties::InternalGetEditFormat(bool& AIsCurrency, bool& AIsOnGetTextAssigned,
                                                          TcxCustomEdit* AEdit) {
  AIsCurrency = AIsOnGetTextAssigned = false;
  if (GetAssignedTextValues()->FEditFormat) return FEditFormat;
  IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider();
  if ((!AEdit || !AEdit->IsInplace()) && provider && provider->IsOnGetTextAssigned()) {
    AIsOnGetTextAssigned = true;
    return "";
  }
  if (provider && !provider->DefaultEditFormat().empty()) return provider->DefaultEditFormat();
  String format = GetDisplayFormat();
  if (format.empty() && provider)
    AIsCurrency = !GetDisplayFormatOptions().Contains(dfoNoCurrencyValue) && provider->IsCurrency();
  return FUseDisplayFormatWhenEditing ? format : String();
}

Integer TcxCustomTextEditProperties::GetDefaultMaxLength() {
  IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider();
  return provider ? provider->DefaultMaxLength() : 0;
}

Integer TcxCustomTextEditProperties::GetMaxLength() {
  return GetAssignedTextValues()->FMaxLength ? FMaxLength : GetDefaultMaxLength();
}

// ---- Display text ---------------------------------------------------------------------------------------------
void TcxCustomTextEditProperties::DisplayValueToDisplayText(String& ADisplayValue) {
  if (FEchoMode == eemPassword) {
    const String mask(1, FPasswordChar ? FPasswordChar : '*');
    String masked;
    for (const char* p = ADisplayValue.c_str(); *p; p = CharNext(p)) masked += mask;
    ADisplayValue = masked;
  } else if (FCharCase != ecNormal) {
    CheckCharsRegister(ADisplayValue, FCharCase);
  }
}

String TcxCustomTextEditProperties::GetDisplayText(const TcxEditValue& AEditValue, bool, bool AIsInplace) {
  String text;
  if (IsValueEditorWithValueFormatting()) {
    text = VarToStr(AEditValue);
  } else {
    text = VarToStr(GetDefaultDisplayValue(AEditValue, !AIsInplace && !IsEditValueConversionDependOnFocused()));
  }
  DisplayValueToDisplayText(text);
  return text;
}

bool TcxCustomTextEditProperties::CompareDisplayValues(const TcxEditValue& AEditValue1,
                                                       const TcxEditValue& AEditValue2) {
  return GetDisplayText(AEditValue1, true, true) == GetDisplayText(AEditValue2, true, true);
}

TcxEditValue TcxCustomTextEditProperties::GetDefaultDisplayValue(const TcxEditValue& AEditValue, bool AEditFocused) {
  TcxEditValue value = AEditValue;
  if (IsEditValueValid(value, AEditFocused)) {
    TcxEditValue displayValue;
    PrepareDisplayValue(AEditValue, displayValue, AEditFocused);
    return displayValue;
  }
  if (VarIsType(AEditValue, varDate)) return DateTimeToStr(VarToDateTime(AEditValue));
  return VarToStr(AEditValue);
}

void TcxCustomTextEditProperties::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue,
                                                      bool AEditFocused) {
  if (!IsEditValueNumeric()) {
    DisplayValue = VarIsArray(AEditValue) ? String() : VarToStr(AEditValue);
    return;
  }
  if (cxVariants::VarIsSoftNull(AEditValue)) {
    DisplayValue = String();
    return;
  }
  if (!cxVariants::VarIsNumericEx(AEditValue) && !VarIsStr(AEditValue))
    throw EConvertError(cxGetResourceString(&cxSEditNumericValueConvertError));
  const String plain = VarToStr(AEditValue);
  if (!AEditFocused) {
    const String format = GetDisplayFormat();
    DisplayValue = format.empty() ? plain : FormatFloat(format, AEditValue.ToDouble());
    return;
  }
  bool isCurrency = false, isOnGetTextAssigned = false;
  const String editFormat = InternalGetEditFormat(isCurrency, isOnGetTextAssigned);
  IcxEditDefaultValuesProvider* provider = GetIDefaultValuesProvider();
  const Integer precision = provider ? provider->DefaultPrecision() : 15;
  TBcd bcd;
  if (isCurrency) {
    DisplayValue = TryStrToBcd(plain, bcd) ? BcdToStrF(bcd, ffFixed, precision, FormatSettings.CurrencyDecimals) : plain;
  } else if (!editFormat.empty()) {
    DisplayValue = FormatFloat(editFormat, AEditValue.ToDouble());
  } else {
    String text = TryStrToBcd(plain, bcd) ? BcdToStrF(bcd, ffGeneral, precision, 0) : plain;
    if (HasDigitGrouping(false)) InsertThousandSeparator(text);
    DisplayValue = text;
  }
}

// ---- Validation -----------------------------------------------------------------------------------------------
bool TcxCustomTextEditProperties::FindLookupText(const String& AText) {
  for (Integer i = 0; i < FLookupItems->GetCount(); ++i)
    if (AnsiCompareText(FLookupItems->GetStrings(i), AText) == 0) return true;
  return false;
}

bool TcxCustomTextEditProperties::IsDisplayValueValid(TcxEditValue& DisplayValue, bool) {
  String text = VarToStr(DisplayValue);
  if (text.empty()) return true;
  const TcxEditEditingStyle style = GetEditingStyle();
  if ((style == esEditList || style == esFixedList) && UseLookupData() && !FindLookupText(text)) return false;
  CheckCharsRegister(text, FCharCase);
  DisplayValue = text;
  return true;
}

bool TcxCustomTextEditProperties::IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) {
  if (VarIsNull(AEditValue) || !VarIsStr(AEditValue)) return true;
  TcxEditValue value = AEditValue;
  return IsDisplayValueValid(value, AEditFocused);
}

bool TcxCustomTextEditProperties::IsValueBoundDefined(TcxEditValueBound ABound) {
  TcxCustomEditPropertiesValues* values = GetAssignedValues();
  if (values->GetMinValue() != values->GetMaxValue()) return ABound == evbMin ? values->GetMinValue() : values->GetMaxValue();
  return GetMaxValue() > GetMinValue();
}

bool TcxCustomTextEditProperties::IsValueBoundsDefined() {
  return IsValueBoundDefined(evbMin) || IsValueBoundDefined(evbMax);
}

void TcxCustomTextEditProperties::SetMinMaxValues(double AMinValue, double AMaxValue) {
  FillMinMaxValues(AMaxValue, AMinValue);
}

void TcxCustomTextEditProperties::CheckEditorValueBounds(TcxEditValue& ADisplayValue, String& AErrorText,
                                                         bool& AError, TcxCustomEdit* AEdit) {
  TcxEditValue value;
  AEdit->PrepareEditValue(ADisplayValue, value, AEdit->InternalFocused());
  if (!VarIsNumeric(value) && !cxVariants::VarIsDate(value)) return;
  const double number = cxVariants::VarIsDate(value) ? VarToDateTime(value) : value.ToDouble();
  if ((IsValueBoundDefined(evbMin) && number < GetMinValue()) ||
      (IsValueBoundDefined(evbMax) && number > GetMaxValue())) {
    AError = true;
    AErrorText = GetValidateErrorText(ekValueOutOfBounds);
  }
}

void TcxCustomTextEditProperties::ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText,
                                                       bool& AError, TcxCustomEdit* AEdit) {
  if (IsEditValueNumeric() && IsValueBoundsDefined()) CheckEditorValueBounds(ADisplayValue, AErrorText, AError, AEdit);
  inherited::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

String TcxCustomTextEditProperties::GetValidateErrorText(TcxEditErrorKind AErrorKind) {
  if (AErrorKind == ekValueOutOfBounds) return cxGetResourceString(&cxSEditValueOutOfBounds);
  return inherited::GetValidateErrorText(AErrorKind);
}

TcxEditSupportedOperations TcxCustomTextEditProperties::GetSupportedOperations() {
  TcxEditSupportedOperations operations = inherited::GetSupportedOperations();
  for (TcxEditSupportedOperation op : {esoAutoHeight, esoEditing, esoFiltering, esoHorzAlignment, esoIncSearch, esoSorting})
    operations.Include(op);
  return operations;
}

bool TcxCustomTextEditProperties::CanIncrementalSearch() {
  switch (GetEditingStyle()) {
    case esEdit: return FIncrementalSearch;
    case esEditList:
    case esFixedList: return true;
    default: return false;
  }
}

// ---- TcxTextEditProperties ------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxTextEditProperties) {
  using P = TcxTextEditProperties;
  d.Property("Alignment", &P::GetAlignment, &P::SetAlignment).Stored(&P::IsAlignmentStored);
  d.Property("AssignedValues", &P::GetAssignedValues, &P::SetAssignedValues);
  d.Property("AutoSelect", &P::GetAutoSelect, &P::SetAutoSelect).Default(true);
  d.Property("BeepOnError", &P::GetBeepOnError, &P::SetBeepOnError).Default(false);
  d.Property("CharCase", &P::GetCharCase, &P::SetCharCase).Default(ecNormal);
  d.Property("ClearKey", &P::GetClearKey, &P::SetClearKey).Default(0);
  d.Property("EchoMode", &P::GetEchoMode, &P::SetEchoMode).Default(eemNormal);
  d.Property("HideSelection", &P::GetHideSelection, &P::SetHideSelection).Default(true);
  d.Property("ImeMode", &P::GetImeMode, &P::SetImeMode).Default(imDontCare);
  d.Property("ImeName", &P::GetImeName, &P::SetImeName);
  d.Property("IncrementalSearch", &P::GetIncrementalSearch, &P::SetIncrementalSearch).Default(true);
  d.Property("LookupItems", &P::GetLookupItems, &P::SetLookupItems);
  d.Property("LookupItemsSorted", &P::GetLookupItemsSorted, &P::SetLookupItemsSorted).Default(false);
  d.Property("MaxLength", &P::GetMaxLengthValue, &P::SetMaxLength).Stored(&P::IsMaxLengthStored);
  d.Property("OEMConvert", &P::GetOEMConvert, &P::SetOEMConvert).Default(false);
  d.Property("PasswordChar", &P::GetPasswordChar, &P::SetPasswordChar).Default(0);
  d.Property("ReadOnly", &P::GetReadOnly, &P::SetReadOnly).Stored(&P::IsReadOnlyStored);
  d.Property("UseLeftAlignmentOnEditing", &P::GetUseLeftAlignmentOnEditing, &P::SetUseLeftAlignmentOnEditing)
      .Stored(&P::IsUseLeftAlignmentOnEditingStored);
  d.Property("ValidateOnEnter", &P::GetValidateOnEnter, &P::SetValidateOnEnter).Default(false);
  d.Property("OnChange", &P::GetOnChange, &P::SetOnChange);
  d.Property("OnEditValueChanged", &P::GetOnEditValueChanged, &P::SetOnEditValueChanged);
  d.Property("OnValidate", &P::GetOnValidate, &P::SetOnValidate);
  d.Property("OnNewLookupDisplayText", &P::GetOnNewLookupDisplayText, &P::SetOnNewLookupDisplayText);
}

// ---- Unit ---------------------------------------------------------------------------------------------------------
namespace {
Integer FTextEditUnitStartCount = 0;
}

void InitTextEdit() {
  if (FTextEditUnitStartCount++ > 0) return;
  GetRegisteredEditProperties()->Register(TcxTextEditProperties::StaticClass(),
                                          cxGetResourceString(&scxSEditRepositoryTextItem));
  RegisterClasses({TcxTextEdit::StaticClass()});
}

void DoneTextEdit() {
  if (FTextEditUnitStartCount == 0 || --FTextEditUnitStartCount > 0) return;
}

}  // namespace cxTextEdit
