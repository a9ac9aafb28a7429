#include "CursorDataSet.h"

#include "ADODB.h"
#include "EngineCursor.h"
#include "NativeFields.h"
#include "SqlDialect.h"
#include "SqliteDatabase.h"
#include "Strings.h"

namespace CursorDataSet {

IMPLEMENT_ABSTRACT_CLASS(TCursorDataSet)

namespace {
String QuotedName(const String& Name) { return "[" + Name + "]"; }
}  // namespace

void TCursorDataSet::Destroy() {
  FCursor.reset();
  inherited::Destroy();
}

void TCursorDataSet::SetFilter(const String& Value) {
  if (Value == FFilter) return;
  FFilter = Value;
  if (FFiltered) SourceChanged();
}

void TCursorDataSet::SetFiltered(bool Value) {
  if (Value == FFiltered) return;
  FFiltered = Value;
  SourceChanged();
}

EngineCursor::TEngineCursor* TCursorDataSet::Handle() const { return GetActive() ? FCursor.get() : nullptr; }

bool TCursorDataSet::GetFieldData(TField* Field, void* Buffer) const {
  Variant value = Field->GetData();
  if (VarIsNull(value) || VarIsEmpty(value)) return false;
  if (Buffer) NativeFields::ValueToNative(Field->DataType(), Field->GetSize(), value, Buffer);
  return true;
}

TBookmarkStr TCursorDataSet::CurrentBookmarkOf(const TBookmarkStr& Bookmark) const {
  if (!FCursor || Bookmark.empty()) return TBookmarkStr();
  TBookmarkStr current = FCursor->BookmarkOfRow(EngineCursor::BookmarkRowId(Bookmark));
  return BookmarkValid(current) ? current : TBookmarkStr();
}

void TCursorDataSet::SourceChanged() {
  if (!GetActive()) return;
  TBookmarkStr bookmark = GetBookmark();
  FSourceChanged = true;
  Refresh();
  TBookmarkStr current = CurrentBookmarkOf(bookmark);
  if (!current.empty() && current != GetBookmark()) SetBookmark(current);
}

void TCursorDataSet::OpenCursor() {
  EngineCursor::TCursorSource source = CursorSource();
  source.Filter = FFiltered ? FFilter : String();
  source.Changes = FChanges;
  FCursor.reset();
  FCursor = std::make_unique<EngineCursor::TEngineCursor>(std::move(source));
}

void TCursorDataSet::InternalOpen() {
  OpenCursor();
  FieldDefs()->Clear();
  for (const EngineCursor::TCursorFieldDesc& f : FCursor->Source().Fields) FieldDefs()->Add(f.Name, f.DataType, f.Size);
  FetchRecords();
}

void TCursorDataSet::InternalClose() { FCursor.reset(); }

void TCursorDataSet::InternalRefresh() {
  if (FSourceChanged) {
    FSourceChanged = false;
    OpenCursor();
  }
  ClearRecords();
  FetchRecords();
}

void TCursorDataSet::FetchRecords() {
  std::vector<EngineCursor::TEngineCursor::TRowValues> rows = FCursor->ReadAllRows();
  ReserveRecords(rows.size());
  for (auto& row : rows) AppendFetchedRecord(std::move(row.Values), std::move(row.Bookmark));
}

// Writes the record to its table; the cursors of the dataset see the change at their next call.
void TCursorDataSet::InternalPost(Integer Position, bool Inserting, const std::vector<Variant>& Values) {
  const EngineCursor::TCursorSource& source = FCursor->Source();
  SqliteDatabase::TParamValues params;
  String names, places, sets;
  for (size_t i = 0; i < source.Fields.size() && i < Values.size(); ++i) {
    const EngineCursor::TCursorFieldDesc& f = source.Fields[i];
    // A new row takes its own number when none is given.
    if (Inserting && f.DataType == ftAutoInc && (VarIsNull(Values[i]) || VarIsEmpty(Values[i]))) continue;
    String param = "p" + IntToStr(static_cast<Integer>(i));
    params.push_back({param, Values[i], f.DataType});
    if (!names.empty()) {
      names += ", ";
      places += ", ";
      sets += ", ";
    }
    names += QuotedName(f.Name);
    places += ":" + param;
    sets += QuotedName(f.Name) + " = :" + param;
  }
  SqliteDatabase::TSqliteDatabase* db = source.Connection->Database();
  String table = QuotedName(source.TableName);
  if (Inserting) {
    String sql = names.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                               : "INSERT INTO " + table + " (" + names + ") VALUES (" + places + ")";
    db->Execute(SqlDialect::TranslateSql(sql), params);
    FPostedRowId = db->Query("SELECT last_insert_rowid()").Value(0, 0).ToInt64();
  } else if (!sets.empty()) {
    params.push_back({"rowid_", EngineCursor::BookmarkRowId(GetBookmark()), ftLargeint});
    db->Execute(SqlDialect::TranslateSql("UPDATE " + table + " SET " + sets + " WHERE rowid = :rowid_"), params);
  }
  RowsChanged();
}

// No bookmark is a prefix of another (EngineCursor.h), so Low with a zero byte added sorts after
// Low and before every bookmark above it; every bookmark starts above a zero byte.
TBookmarkStr TCursorDataSet::PendingBookmark(const TBookmarkStr& Low, const TBookmarkStr& High) {
  return Low + '\0';
}

// The posted row as its table holds it now: its stored values (a new row's number included) and
// its bookmark as the cursor reads it back.
TBookmarkStr TCursorDataSet::PostedBookmark(const TBookmarkStr& Bookmark, std::vector<Variant>& Values) {
  Int64 rowId = Bookmark.empty() ? FPostedRowId : EngineCursor::BookmarkRowId(Bookmark);
  FCursor->ReadRowValues(rowId, Values);
  TBookmarkStr bookmark = FCursor->BookmarkOfRow(rowId);
  if (!bookmark.empty()) return bookmark;
  // A row outside the filter or range keeps a place by its values.
  const EngineCursor::TCursorSource& source = FCursor->Source();
  std::vector<Variant> order;
  for (Integer no : source.OrderFields) order.push_back(Values[static_cast<size_t>(no - 1)]);
  return EngineCursor::EncodeBookmark(order, rowId);
}

void TCursorDataSet::InternalDelete(Integer Position) {
  const EngineCursor::TCursorSource& source = FCursor->Source();
  source.Connection->Database()->Execute(
      SqlDialect::TranslateSql("DELETE FROM " + QuotedName(source.TableName) + " WHERE rowid = :rowid_"),
      {{"rowid_", EngineCursor::BookmarkRowId(GetBookmark()), ftLargeint}});
  RowsChanged();
}

}  // namespace CursorDataSet
