// The field wrappers: the base wrapper, the typed wrappers' own answers and the field list with its
// factory.
#include "TSDBGridFields.h"

#include "DB.h"
#include "DBConsts.h"
#include "FmtBcd.h"
#include "Multibyte.h"
#include "Strings.h"
#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"

namespace TSDBGrid {

IMPLEMENT_ABSTRACT_CLASS(TtsDBField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBStringField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBNumericField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBIntegerField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBSmallintField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBWordField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBAutoIncField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBFloatField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBCurrencyField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBBCDField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBBooleanField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBDateTimeField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBDateField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBTimeField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBBinaryField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBBytesField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBVarBytesField)
IMPLEMENT_ABSTRACT_CLASS(TtsFieldList)

// ---- TtsDBField ------------------------------------------------------------------------------------

bool TtsDBField::StandardScrolling() const { return FGrid->GetUseStandardScrolling(); }

String TtsDBField::GetText(bool DisplayText) { return GetAsString(); }
bool TtsDBField::GetAsBoolean() { return FField->GetAsBoolean(); }
// The field's currency value: its number with four decimals.
Currency TtsDBField::GetAsCurrency() { return FField->GetAsCurrency(); }
TDateTime TtsDBField::GetAsDateTime() { return FField->GetAsDateTime(); }
double TtsDBField::GetAsFloat() { return FField->GetAsFloat(); }
Integer TtsDBField::GetAsInteger() { return FField->GetAsInteger(); }
String TtsDBField::GetAsString() { return FField->GetAsString(); }
Variant TtsDBField::GetAsVariant() { return FField->GetAsVariant(); }

void TtsDBField::SetAsBoolean(bool Value) {
  if (FieldEditOk()) FField->SetAsBoolean(Value);
}
void TtsDBField::SetAsCurrency(Currency Value) {
  if (FieldEditOk()) FField->SetAsCurrency(Value);
}
void TtsDBField::SetAsDateTime(TDateTime Value) {
  if (FieldEditOk()) FField->SetAsDateTime(Value);
}
void TtsDBField::SetAsFloat(double Value) {
  if (FieldEditOk()) FField->SetAsFloat(Value);
}
void TtsDBField::SetAsInteger(Integer Value) {
  if (FieldEditOk()) FField->SetAsInteger(Value);
}
void TtsDBField::SetAsString(const String& Value) {
  if (FieldEditOk()) FField->SetAsString(Value);
}
void TtsDBField::SetAsVariant(const Variant& Value) {
  if (FieldEditOk()) FField->SetAsVariant(Value);
}
void TtsDBField::SetEditText(const String& Value) {
  if (FieldEditOk()) FField->SetText(Value);
}

String TtsDBField::GetDisplayText() { return FField->DisplayText(); }
String TtsDBField::GetEditText() { return FField->GetText(); }
TtsControlType TtsDBField::GetControlType() { return TSGrid::ctText; }

TClass TtsDBField::GetFieldClass() const { return FField->ClassType(); }
String TtsDBField::GetDisplayLabel() const { return FField->GetDisplayLabel(); }
void TtsDBField::SetDisplayLabel(const String& Value) { FField->SetDisplayLabel(Value); }
String TtsDBField::GetDisplayName() const { return FField->DisplayName(); }
String TtsDBField::GetFieldName() const { return FField->GetFieldName(); }
bool TtsDBField::GetReadOnly() const { return FField->GetReadOnly(); }
void TtsDBField::SetReadOnly(bool Value) { FField->SetReadOnly(Value); }
TAlignment TtsDBField::GetAlignment() const { return FField->GetAlignment(); }
void TtsDBField::SetAlignment(TAlignment Value) { FField->SetAlignment(Value); }
Integer TtsDBField::GetFieldNo() const { return FField->FieldNo(); }
DB::TFieldType TtsDBField::GetDataType() const { return FField->DataType(); }
bool TtsDBField::GetVisible() const { return FField->GetVisible(); }
void TtsDBField::SetVisible(bool Value) { FField->SetVisible(Value); }
Integer TtsDBField::GetDisplayWidth() const { return FField->GetDisplayWidth(); }
void TtsDBField::SetDisplayWidth(Integer Value) { FField->SetDisplayWidth(Value); }
bool TtsDBField::CanModify() const { return FField->CanModify(); }
String TtsDBField::GetEditMask() const { return FField->GetEditMask(); }
void TtsDBField::SetEditMask(const String& Value) { FField->SetEditMask(Value); }
bool TtsDBField::GetLookup() const { return FField->Lookup(); }
Integer TtsDBField::GetDataSize() const { return FField->DataSize(); }
Integer TtsDBField::GetSize() const { return FField->GetSize(); }
void TtsDBField::SetSize(Integer Value) { FField->SetSize(Value); }
bool TtsDBField::IsBlobField() const { return System::Is<DB::TBlobField>(FField); }
bool TtsDBField::GetIsNull() const { return FField->IsNull(); }

bool TtsDBField::IsEditField() {
  return !FGrid->ReadOnly() && !FField->GetReadOnly() && !FField->Calculated() && !FField->Lookup();
}

bool TtsDBField::FieldEditOk() {
  if (!IsEditField()) return false;
  if (!FCol) {
    if (!FGrid->StartRowEdit()) return false;
    return FGrid->GetDataLink()->Edit();
  }
  bool ok = true;
  Integer dataCol = FCol->GetDataCol();
  if (dataCol == FGrid->GetCurDataCol()) ok = FGrid->StartCellEdit();
  if (ok) ok = FGrid->StartRowEdit();
  if (ok) ok = FGrid->StartCellChange(dataCol, false);
  return ok;
}

// ---- Typed wrappers ------------------------------------------------------------------------------------

bool TtsDBStringField::GetTransliterate() { return static_cast<DB::TStringField*>(GetFieldObject())->GetTransliterate(); }
void TtsDBStringField::SetTransliterate(bool Value) {
  static_cast<DB::TStringField*>(GetFieldObject())->SetTransliterate(Value);
}
Integer TtsDBStringField::GetMaxLength() { return GetSize(); }

String TtsDBNumericField::GetDisplayFormat() {
  return static_cast<DB::TNumericField*>(GetFieldObject())->GetDisplayFormat();
}
String TtsDBNumericField::GetEditFormat() { return static_cast<DB::TNumericField*>(GetFieldObject())->GetEditFormat(); }

void TtsDBBooleanField::Construct() {
  inherited::Construct();
  FLastDisplayValues.clear();
  FTrueText = DBConsts::STextTrue;
  FFalseText = DBConsts::STextFalse;
}

TtsControlType TtsDBBooleanField::GetControlType() { return TSGrid::ctCheck; }

void TtsDBBooleanField::RefreshTexts() {
  const String& values = static_cast<DB::TBooleanField*>(GetFieldObject())->GetDisplayValues();
  if (values == FLastDisplayValues) return;
  FLastDisplayValues = values;
  DB::SplitBooleanDisplayValues(values, FTrueText, FFalseText);
  // The texts are short strings of the stored form: at most 255 characters each.
  constexpr Integer MaxTextLength = 255;
  FTrueText.resize(static_cast<size_t>(CharToByteLen(FTrueText, MaxTextLength)));
  FFalseText.resize(static_cast<size_t>(CharToByteLen(FFalseText, MaxTextLength)));
}

String TtsDBDateTimeField::GetDisplayFormat() {
  return static_cast<DB::TDateTimeField*>(GetFieldObject())->GetDisplayFormat();
}

// ---- TtsFieldList ------------------------------------------------------------------------------------

void TtsFieldList::Destroy() {
  Reset();
  inherited::Destroy();
}

void TtsFieldList::Reset() {
  for (Integer i = 0; i < GetCount(); ++i) GetField(i)->Free();
  Clear();
}

void TtsFieldList::CreateFields() {
  Reset();
  DB::TDataSet* dataSet = FGrid->GetDataLink()->DataSet();
  if (!dataSet || (!dataSet->GetActive() && dataSet->DefaultFields())) return;
  for (Integer i = 0; i < dataSet->FieldCount(); ++i) Add(CreateField(dataSet->Fields()->GetField(i)));
}

TtsDBField* TtsFieldList::CreateField(TField* Field) {
  // The first class the field is (or descends from) decides, in this order.
  using Maker = TtsDBField* (*)(TtsCustomDBGrid*, TField*);
  struct Row {
    TClass FieldClass;
    Maker Make;
  };
  auto make = []<class W>() -> Maker {
    return [](TtsCustomDBGrid* grid, TField* field) -> TtsDBField* { return New<W>(grid, nullptr, field); };
  };
  static const Row rows[] = {
      {DB::TStringField::StaticClass(), make.operator()<TtsDBStringField>()},
      {DB::TIntegerField::StaticClass(), make.operator()<TtsDBIntegerField>()},
      {DB::TSmallintField::StaticClass(), make.operator()<TtsDBSmallintField>()},
      {DB::TWordField::StaticClass(), make.operator()<TtsDBWordField>()},
      {DB::TAutoIncField::StaticClass(), make.operator()<TtsDBAutoIncField>()},
      {DB::TFloatField::StaticClass(), make.operator()<TtsDBFloatField>()},
      {DB::TCurrencyField::StaticClass(), make.operator()<TtsDBCurrencyField>()},
      {DB::TBCDField::StaticClass(), make.operator()<TtsDBBCDField>()},
      {DB::TBooleanField::StaticClass(), make.operator()<TtsDBBooleanField>()},
      {DB::TDateTimeField::StaticClass(), make.operator()<TtsDBDateTimeField>()},
      {DB::TDateField::StaticClass(), make.operator()<TtsDBDateField>()},
      {DB::TTimeField::StaticClass(), make.operator()<TtsDBTimeField>()},
      {DB::TBinaryField::StaticClass(), make.operator()<TtsDBBinaryField>()},
      {DB::TBytesField::StaticClass(), make.operator()<TtsDBBytesField>()},
      {DB::TVarBytesField::StaticClass(), make.operator()<TtsDBVarBytesField>()},
      {DB::TMemoField::StaticClass(), make.operator()<TtsDBMemoField>()},
      {DB::TGraphicField::StaticClass(), make.operator()<TtsDBGraphicField>()},
  };
  for (const Row& row : rows)
    if (Field->InheritsFrom(row.FieldClass)) return row.Make(FGrid, Field);
  if (auto* blob = dynamic_cast<DB::TBlobField*>(Field)) {
    if (blob->GetBlobType() == DB::ftGraphic) return New<TtsDBGraphicField>(FGrid, nullptr, Field);
    return New<TtsDBBlobField>(FGrid, nullptr, Field);
  }
  return New<TtsDBField>(FGrid, nullptr, Field);
}

TtsDBField* TtsFieldList::FindField(const String& Name) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (AnsiCompareText(GetField(i)->GetFieldName(), Name) == 0) return GetField(i);
  return nullptr;
}

Integer TtsFieldList::FieldIndex(TField* Field) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetField(i)->GetFieldObject() == Field) return i;
  return -1;
}

// ---- Unit routines ---------------------------------------------------------------------------------------

bool GetBCDToCurr(const FmtBcd::TBcd& Bcd, Currency& Value) { return FmtBcd::BCDToCurr(Bcd, Value); }

void GetCurrToBCD(Currency Value, FmtBcd::TBcd& Bcd, Integer Precision, Integer Decimals) {
  FmtBcd::CurrToBCD(Value, Bcd, Precision, Decimals);
}

}  // namespace TSDBGrid
