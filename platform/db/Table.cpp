#include "Table.h"

#include <algorithm>

#include "ADODB.h"
#include "DBConsts.h"
#include "EngineCursor.h"
#include "SqlDialect.h"
#include "SqliteDatabase.h"
#include "Strings.h"
#include "TypInfo.h"

namespace Table {

namespace {

std::vector<String> SplitNames(const String& Names) {
  std::vector<String> list;
  size_t start = 0;
  while (start <= Names.size()) {
    size_t end = Names.find(';', start);
    if (end == String::npos) end = Names.size();
    String name = Trim(Names.substr(start, end - start));
    if (!name.empty()) list.push_back(name);
    start = end + 1;
  }
  return list;
}

// The number in parentheses at Index of "NAME(a, b)" (Default when absent).
Integer TypeArgument(const String& Declared, size_t Index, Integer Default) {
  size_t open = Declared.find('(');
  if (open == String::npos) return Default;
  String args = Declared.substr(open + 1, Declared.find(')', open) - open - 1);
  for (size_t i = 0; i < Index; ++i) {
    size_t comma = args.find(',');
    if (comma == String::npos) return Default;
    args.erase(0, comma + 1);
  }
  return StrToIntDef(Trim(args.substr(0, args.find(','))), Default);
}

}  // namespace

TFieldType TableFieldType(const String& DeclaredType, Integer& Size) {
  String u = UpperCase(DeclaredType);
  auto has = [&](const char* part) { return u.find(part) != String::npos; };
  Size = 0;
  if (has("AUTOINC")) return ftAutoInc;
  if (has("SMALLINT")) return ftSmallint;
  if (has("WORD")) return ftWord;
  if (has("INT")) return ftInteger;
  if (has("BOOL") || has("BIT") || has("YESNO")) return ftBoolean;
  if (has("MONEY") || has("CURRENCY")) return ftCurrency;
  if (has("DECIMAL") || has("NUMERIC") || has("BCD")) {
    Size = TypeArgument(u, 1, 4);
    return ftBCD;
  }
  if (has("REAL") || has("FLOA") || has("DOUB")) return ftFloat;
  if (has("DATETIME") || has("TIMESTAMP")) return ftDateTime;
  if (has("DATE")) return ftDate;
  if (has("TIME")) return ftTime;
  if (has("MEMO") || has("LONGTEXT")) return ftMemo;
  if (has("VARBINARY")) {
    Size = TypeArgument(u, 0, 255);
    return ftVarBytes;
  }
  if (has("BINARY")) {
    Size = TypeArgument(u, 0, 16);
    return ftBytes;
  }
  if (has("GRAPHIC") || has("IMAGE")) return ftGraphic;
  if (has("BLOB") || has("OLEOBJECT")) return ftBlob;
  Size = TypeArgument(u, 0, 255);
  return ftString;
}

// ---- The master link --------------------------------------------------------------------------------
class TTable::TMasterLink : public TDataLink {
  DECLARE_CLASS(TMasterLink, TDataLink)
 protected:
  friend struct ::System::TObjectFactory;
  explicit TMasterLink(TTable* Table = nullptr) : FTable(Table) {}
  void ActiveChanged() override { FTable->MasterChanged(); }
  void RecordChanged(TField* Field) override { FTable->MasterChanged(); }

 private:
  TTable* FTable;
};

IMPLEMENT_CLASS(TTable::TMasterLink)

// ---- TTable ---------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTable) {
  d.Property("Connection", &TTable::GetConnection, &TTable::SetConnection);
  d.Property("TableName", &TTable::GetTableName, &TTable::SetTableName);
  d.Property("IndexName", &TTable::GetIndexName, &TTable::SetIndexName);
  d.Property("IndexFieldNames", &TTable::GetIndexFieldNames, &TTable::SetIndexFieldNames);
  d.Property("MasterSource", &TTable::GetMasterSource, &TTable::SetMasterSource);
  d.Property("MasterFields", &TTable::GetMasterFields, &TTable::SetMasterFields);
  d.Property("Filter", &TTable::GetFilter, &TTable::SetFilter);
  d.Property("Filtered", &TTable::GetFiltered, &TTable::SetFiltered).Default(0);
}

void TTable::Construct() {
  inherited::Construct();
  FMasterLink = New<TMasterLink>(this);
}

void TTable::Destroy() {
  SetActive(false);
  if (FMasterLink) FMasterLink->Free();
  FMasterLink = nullptr;
  inherited::Destroy();
}

void TTable::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FConnection) {
    SetActive(false);
    FConnection = nullptr;
  }
  if (FMasterLink && AComponent == FMasterLink->GetDataSource()) SetMasterSource(nullptr);
}

void TTable::SetConnection(ADODB::TADOConnection* Value) {
  if (Value == FConnection) return;
  CheckInactive();
  if (FConnection) FConnection->RemoveFreeNotification(this);
  FConnection = Value;
  if (FConnection) FConnection->FreeNotification(this);
}

void TTable::SetTableName(const String& Value) {
  if (Value == FTableName) return;
  CheckInactive();
  FTableName = Value;
}

void TTable::SetIndexName(const String& Value) {
  if (Value == FIndexName && FIndexFieldNames.empty()) return;
  FIndexName = Value;
  FIndexFieldNames.clear();
  SourceChanged();
}

void TTable::SetIndexFieldNames(const String& Value) {
  if (Value == FIndexFieldNames && FIndexName.empty()) return;
  FIndexFieldNames = Value;
  FIndexName.clear();
  SourceChanged();
}

TDataSource* TTable::GetMasterSource() const { return FMasterLink->GetDataSource(); }

void TTable::SetMasterSource(TDataSource* Value) {
  if (Value == GetMasterSource()) return;
  if (TDataSource* old = GetMasterSource()) old->RemoveFreeNotification(this);
  FMasterLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
  MasterChanged();
}

void TTable::SetMasterFields(const String& Value) {
  if (Value == FMasterFields) return;
  FMasterFields = Value;
  MasterChanged();
}

void TTable::InternalOpen() {
  if (!FConnection) DatabaseError(DBConsts::SMissingConnection, this);
  if (FTableName.empty()) DatabaseError("Missing TableName", this);
  FRangeValues = MasterValues();
  inherited::InternalOpen();
}

EngineCursor::TCursorSource TTable::CursorSource() const {
  EngineCursor::TCursorSource source;
  source.Connection = FConnection;
  source.TableName = FTableName;
  SqliteDatabase::TSqliteDatabase* db = FConnection->Database();
  SqliteDatabase::TResultSet columns = db->Query(SqlDialect::TranslateSql("PRAGMA table_info([" + FTableName + "])"));
  if (columns.RowCount() == 0) DatabaseErrorFmt("Table '%s' does not exist", FTableName, const_cast<TTable*>(this));
  for (size_t r = 0; r < columns.RowCount(); ++r) {
    EngineCursor::TCursorFieldDesc field;
    field.Name = VarToStr(columns.Value(r, 1));
    String declared = VarToStr(columns.Value(r, 2));
    field.DataType = TableFieldType(declared, field.Size);
    source.Fields.push_back(field);
  }
  std::vector<String> orderNames = SplitNames(FIndexFieldNames);
  if (!FIndexName.empty()) {
    SqliteDatabase::TResultSet index = db->Query(SqlDialect::TranslateSql("PRAGMA index_info([" + FIndexName + "])"));
    if (index.RowCount() == 0) DatabaseErrorFmt("Index '%s' not found", FIndexName, const_cast<TTable*>(this));
    for (size_t r = 0; r < index.RowCount(); ++r) orderNames.push_back(VarToStr(index.Value(r, 2)));
  }
  for (const String& name : orderNames) {
    Integer no = 0;
    for (size_t i = 0; i < source.Fields.size() && !no; ++i)
      if (SameText(source.Fields[i].Name, name)) no = static_cast<Integer>(i + 1);
    if (!no) DatabaseErrorFmt("Field '%s' not found", name, const_cast<TTable*>(this));
    source.OrderFields.push_back(no);
  }
  source.RangeValues = FRangeValues;
  return source;
}

std::vector<Integer> TTable::OrderFieldNos() const {
  EngineCursor::TEngineCursor* cursor = Handle();
  return cursor ? cursor->Source().OrderFields : std::vector<Integer>();
}

Integer TTable::IndexFieldCount() const { return static_cast<Integer>(OrderFieldNos().size()); }

TField* TTable::IndexFields(Integer Index) const {
  std::vector<Integer> nos = OrderFieldNos();
  if (Index < 0 || Index >= static_cast<Integer>(nos.size())) DatabaseError("Index field out of range", const_cast<TTable*>(this));
  return Fields()->FieldByNumber(nos[static_cast<size_t>(Index)]);
}

// The master record's values of MasterFields (none without an active master).
std::vector<Variant> TTable::MasterValues() const {
  std::vector<Variant> values;
  TDataSet* master = FMasterLink ? FMasterLink->DataSet() : nullptr;
  if (!master || !master->GetActive()) return values;
  for (const String& name : SplitNames(FMasterFields)) values.push_back(master->FieldByName(name)->GetAsVariant());
  return values;
}

void TTable::MasterChanged() {
  if (!GetActive()) return;
  std::vector<Variant> values = MasterValues();
  if (values.size() == FRangeValues.size() && std::equal(values.begin(), values.end(), FRangeValues.begin(),
                                                          [](const Variant& a, const Variant& b) { return VarSameValue(a, b); }))
    return;
  FRangeValues = std::move(values);
  SourceChanged();
  First();
}

bool TTable::SeekKey(const std::vector<Variant>& KeyValues, bool Exact) {
  CheckBrowseMode();
  EngineCursor::TEngineCursor* cursor = Handle();
  if (!cursor) CheckActive();
  if (cursor->SetToKeyValues(KeyValues) != EngineCursor::crOk)
    DatabaseError("No index is active", this);
  // The key as the order fields hold it ("2" for an integer field is 2).
  std::vector<Variant> key;
  const EngineCursor::TCursorSource& source = cursor->Source();
  for (size_t i = 0; i < KeyValues.size(); ++i)
    key.push_back(EngineCursor::ColumnValue(source.Fields[static_cast<size_t>(source.OrderFields[i] - 1)], KeyValues[i]));
  TBookmarkStr bookmark;
  while (cursor->GetNextRecord(nullptr, nullptr) == EngineCursor::crOk) {
    cursor->GetBookmark(bookmark);
    if (BookmarkValid(bookmark)) break;
    bookmark.clear();
  }
  if (bookmark.empty()) {
    if (Exact) return false;
    Last();
    return true;
  }
  if (Exact) {
    String prefix = EngineCursor::EncodeBookmark(key, 0);
    prefix.resize(prefix.size() - 8);
    if (bookmark.compare(0, prefix.size(), prefix) != 0) return false;
  }
  SetBookmark(bookmark);
  return true;
}

bool TTable::FindKey(const std::vector<Variant>& KeyValues) { return SeekKey(KeyValues, true); }

void TTable::FindNearest(const std::vector<Variant>& KeyValues) { SeekKey(KeyValues, false); }

}  // namespace Table
