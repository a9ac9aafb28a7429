// Field definitions, the dataset's field list and the database error helpers.
#include <algorithm>

#include "DB.h"
#include "DBConsts.h"
#include "Format.h"
#include "Strings.h"
#include "SysConst.h"

namespace DB {

using namespace DBConsts;

void DatabaseError(const String& Message, TComponent* Component) {
  if (Component && !Component->GetName().empty()) throw EDatabaseError(Component->GetName() + ": " + Message);
  throw EDatabaseError(Message);
}

void DatabaseErrorFmt(const String& Message, const String& Arg, TComponent* Component) {
  DatabaseError(Format(Message, {Arg}), Component);
}

// ---- TFieldDef -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TFieldDef)

TClass TFieldDef::FieldClass() const {
  switch (FDataType) {
    case ftString: case ftFixedChar: case ftWideString: case ftGuid: return TStringField::StaticClass();
    case ftSmallint: return TSmallintField::StaticClass();
    case ftInteger: case ftLargeint: return TIntegerField::StaticClass();
    case ftWord: return TWordField::StaticClass();
    case ftAutoInc: return TAutoIncField::StaticClass();
    case ftBoolean: return TBooleanField::StaticClass();
    case ftFloat: return TFloatField::StaticClass();
    case ftCurrency: return TCurrencyField::StaticClass();
    case ftBCD: case ftFMTBcd: return TBCDField::StaticClass();
    case ftDate: return TDateField::StaticClass();
    case ftTime: return TTimeField::StaticClass();
    case ftDateTime: case ftTimeStamp: return TDateTimeField::StaticClass();
    case ftBytes: return TBytesField::StaticClass();
    case ftVarBytes: return TVarBytesField::StaticClass();
    case ftMemo: case ftFmtMemo: case ftOraClob: return TMemoField::StaticClass();
    case ftGraphic: return TGraphicField::StaticClass();
    case ftBlob: case ftParadoxOle: case ftDBaseOle: case ftTypedBinary: case ftOraBlob: return TBlobField::StaticClass();
    default: DatabaseErrorFmt("Field '%s' is of an unknown type", FName);
  }
}

TField* TFieldDef::CreateField(TComponent* Owner) {
  TField* field = static_cast<TField*>(Components::CreateComponent(FieldClass(), Owner));
  try {
    field->FFieldName = FName;
    field->FFieldNo = FieldNo();
    field->FRequired = FRequired;
    if (field->DataType() == ftUnknown || System::Is<TBlobField>(field) || System::Is<TStringField>(field)) field->FDataType = FDataType;
    if (System::Is<TStringField>(field) || System::Is<TBinaryField>(field) || System::Is<TBCDField>(field) || System::Is<TBlobField>(field))
      field->SetSize(FSize);
    if (auto* bcd = dynamic_cast<TBCDField*>(field)) bcd->SetPrecision(FPrecision);
    auto* defs = static_cast<TFieldDefs*>(GetCollection());
    field->SetDataSet(defs ? defs->DataSet() : nullptr);
  } catch (...) {
    field->Free();
    throw;
  }
  return field;
}

// ---- TFieldDefs ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TFieldDefs)

TFieldDefs::TFieldDefs(TDataSet* DataSet) : TOwnedCollection(DataSet, TFieldDef::StaticClass()), FDataSet(DataSet) {}

TFieldDef* TFieldDefs::AddFieldDef() { return static_cast<TFieldDef*>(TCollection::Add()); }

void TFieldDefs::Add(const String& Name, TFieldType DataType, Integer Size, bool Required) {
  if (IndexOf(Name) >= 0) DatabaseErrorFmt(SDuplicateFieldName, Name, FDataSet);
  TFieldDef* def = AddFieldDef();
  def->SetName(Name);
  def->SetDataType(DataType);
  def->SetSize(Size);
  def->SetRequired(Required);
}

TFieldDef* TFieldDefs::GetItem(Integer Index) const { return static_cast<TFieldDef*>(TCollection::GetItem(Index)); }

Integer TFieldDefs::IndexOf(const String& Name) const {
  for (Integer i = 0; i < Count(); ++i)
    if (AnsiSameText(GetItem(i)->GetName(), Name)) return i;
  return -1;
}

TFieldDef* TFieldDefs::Find(const String& Name) const {
  Integer i = IndexOf(Name);
  if (i < 0) DatabaseErrorFmt(SFieldNotFound, Name, FDataSet);
  return GetItem(i);
}

// ---- TFields -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TFields)

void TFields::Destroy() {
  // The fields stay with their owners; they only lose their dataset (which is going).
  for (TField* field : FList) {
    field->FDataSet = nullptr;
    field->FFieldNo = 0;
    field->FValueIndex = -1;
  }
  FList.clear();
  inherited::Destroy();
}

TField* TFields::GetField(Integer Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(SysConst::SListIndexError, {Index}));
  return FList[Index];
}

TField* TFields::FindField(const String& FieldName) const {
  for (TField* f : FList)
    if (AnsiSameText(f->GetFieldName(), FieldName)) return f;
  return nullptr;
}

TField* TFields::FieldByName(const String& FieldName) const {
  TField* f = FindField(FieldName);
  if (!f) DatabaseErrorFmt(SFieldNotFound, FieldName, FDataSet);
  return f;
}

TField* TFields::FieldByNumber(Integer FieldNo) const {
  for (TField* f : FList)
    if (f->FieldNo() == FieldNo) return f;
  return nullptr;
}

Integer TFields::IndexOf(const TField* Field) const {
  auto it = std::find(FList.begin(), FList.end(), Field);
  return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

void TFields::Add(TField* Field) {
  FList.push_back(Field);
  if (FDataSet) FDataSet->DataEvent(deFieldListChange, 0);
}

void TFields::Remove(TField* Field) {
  auto it = std::find(FList.begin(), FList.end(), Field);
  if (it == FList.end()) return;
  FList.erase(it);
  if (FDataSet) FDataSet->DataEvent(deFieldListChange, 0);
}

void TFields::Clear() {
  while (!FList.empty()) FList.back()->Free();
}

}  // namespace DB
