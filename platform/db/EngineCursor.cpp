#include "EngineCursor.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <unordered_map>

#include "ADODB.h"
#include "DateTime.h"
#include "FmtBcd.h"
#include "NativeFields.h"
#include "SqlDialect.h"
#include "SqlFunctions.h"
#include "SqliteDatabase.h"
#include "Strings.h"

namespace EngineCursor {

namespace {

// ---- Bookmark encoding: tagged values whose byte order is the row order, then the row id
enum : char { tagNull = 1, tagNumber = 2, tagText = 3 };

void AppendBigEndian(String& Out, uint64_t Bits) {
  for (int shift = 56; shift >= 0; shift -= 8) Out += static_cast<char>((Bits >> shift) & 0xFF);
}

// Dates compare as whole milliseconds, so that a date read from its text and one computed meet.
double OrderNumber(const Variant& Value) {
  if (VarType(Value) == varDate) return std::round(Value.ToDouble() * MSecsPerDay);
  double d = Value.ToDouble();
  return d == 0 ? 0.0 : d;  // -0 sorts as 0
}

void AppendValue(String& Out, const Variant& Value) {
  if (VarIsNull(Value) || VarIsEmpty(Value)) {
    Out += tagNull;
  } else if (VarIsNumeric(Value) || VarType(Value) == varDate || VarIsFMTBcd(Value)) {
    Out += tagNumber;
    uint64_t bits = std::bit_cast<uint64_t>(OrderNumber(Value));
    AppendBigEndian(Out, (bits & 0x8000000000000000ull) ? ~bits : bits ^ 0x8000000000000000ull);
  } else {
    // A zero byte is written 0 255, and the text ends in 0 0, so a shorter text sorts first.
    Out += tagText;
    for (char c : VarToStr(Value)) {
      Out += c;
      if (c == '\0') Out += '\xFF';
    }
    Out += String(2, '\0');
  }
}

String QuotedName(const String& Name) { return "[" + Name + "]"; }

// A record buffer: the row id, a blank flag per field, then the native forms.
struct TLayout {
  std::vector<Integer> Offsets;  // per field
  Integer Size = 0;
  static constexpr Integer FlagsAt = sizeof(Int64);
};

TLayout LayoutOf(const std::vector<TCursorFieldDesc>& Fields) {
  TLayout layout;
  Integer at = TLayout::FlagsAt + static_cast<Integer>(Fields.size());
  at = (at + 7) / 8 * 8;
  for (const TCursorFieldDesc& f : Fields) {
    layout.Offsets.push_back(at);
    at += NativeFields::NativeSize(f.DataType, f.Size);
  }
  layout.Size = at;
  return layout;
}

Int64 RecordRowId(const void* Record) {
  Int64 id;
  std::memcpy(&id, Record, sizeof id);
  return id;
}

}  // namespace

TBookmarkStr EncodeBookmark(const std::vector<Variant>& OrderValues, Int64 RowId) {
  String out;
  for (const Variant& v : OrderValues) AppendValue(out, v);
  AppendBigEndian(out, static_cast<uint64_t>(RowId) ^ 0x8000000000000000ull);
  return out;
}

Int64 BookmarkRowId(const TBookmarkStr& Bookmark) {
  if (Bookmark.size() < 8) return -1;
  uint64_t bits = 0;
  for (size_t i = Bookmark.size() - 8; i < Bookmark.size(); ++i) bits = bits << 8 | static_cast<unsigned char>(Bookmark[i]);
  return static_cast<Int64>(bits ^ 0x8000000000000000ull);
}

String CursorResultMessage(TCursorResult Result) {
  switch (Result) {
    case crOk: return "No error";
    case crBof: return "At beginning of table";
    case crEof: return "At end of table";
    case crNoCurrentRecord: return "No current record";
    case crNotSupported: return "Capability not supported";
    case crEndOfBlob: return "End of BLOB";
    case crBlobNothingRead: return "Nothing read from BLOB";
    default: return "Engine error " + IntToStr(Result);
  }
}

void CheckCursorResult(TCursorResult Result) {
  if (Result != crOk) throw EEngineError(CursorResultMessage(Result));
}

Variant ColumnValue(const TCursorFieldDesc& Field, const Variant& Stored) {
  if (VarIsNull(Stored) || VarIsEmpty(Stored)) return Null();
  try {
    switch (Field.DataType) {
      case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: return Stored.ToInteger();
      case ftLargeint: return Stored.ToInt64();
      case ftFloat: return Stored.ToDouble();
      case ftCurrency: case ftBCD: case ftFMTBcd: return Stored.ToCurrency();
      case ftBoolean: return Stored.ToBoolean();
      case ftDate: case ftTime: case ftDateTime: case ftTimeStamp: {
        TDateTime value;
        if (!VarIsStr(Stored)) return VarFromDateTime(Stored.ToDouble());
        if (SqlFunctions::TryDialectTextToDateTime(VarToStr(Stored), value)) return VarFromDateTime(value);
        break;
      }
      default:
        return VarToStr(Stored);
    }
  } catch (const Exception&) {
  }
  throw EEngineError("Field '" + Field.Name + "' holds a value of another type");
}

// ---- The cursor ---------------------------------------------------------------------------------------
struct TEngineCursor::TImpl {
  struct TRow {
    String Key;
    Int64 RowId;
  };
  const TCursorSource& Source;
  TLayout Layout;
  std::vector<TRow> Rows;  // in order
  // On Rows[Pos] when OnRecord; else just before Rows[Pos] (Pos = Rows.size(): after the last).
  size_t Pos = 0;
  bool OnRecord = false;
  Cardinal SeenChanges = 0;
  std::map<Cardinal, NativeInt> Props{{cpRecordTypes, 0}};
  std::map<std::pair<const void*, Integer>, String> Blobs;
  String RecordSql;  // reads a row's values by its row id
  std::unordered_map<Int64, size_t> RowIndex;  // row id to index in Rows, made when first asked

  explicit TImpl(const TCursorSource& ASource) : Source(ASource), Layout(LayoutOf(ASource.Fields)) {
    String columns;
    for (const TCursorFieldDesc& f : Source.Fields) {
      if (!columns.empty()) columns += ", ";
      columns += NativeFields::IsBlobType(f.DataType) ? "length(" + QuotedName(f.Name) + ")" : QuotedName(f.Name);
    }
    RecordSql = SqlDialect::TranslateSql("SELECT " + columns + " FROM " + QuotedName(Source.TableName) +
                                         " WHERE rowid = :id");
  }

  template <typename F>
  auto Guarded(F&& Body) -> decltype(Body()) {
    try {
      return Body();
    } catch (const EEngineError&) {
      throw;
    } catch (const EDatabaseError& e) {
      throw EEngineError(e.Message());
    }
  }

  SqliteDatabase::TSqliteDatabase* Database() {
    if (!Source.Connection) throw EEngineError("Cursor has no connection");
    return Guarded([&] { return Source.Connection->Database(); });
  }

  // " WHERE ..." for the filter and the range ("" for neither).
  String WhereClause(SqliteDatabase::TParamValues& Params) const {
    std::vector<String> conditions;
    if (!Source.Filter.empty()) conditions.push_back("(" + Source.Filter + ")");
    for (size_t i = 0; i < Source.RangeValues.size() && i < Source.OrderFields.size(); ++i) {
      const TCursorFieldDesc& f = Source.Fields[static_cast<size_t>(Source.OrderFields[i] - 1)];
      const Variant& v = Source.RangeValues[i];
      if (VarIsNull(v) || VarIsEmpty(v)) {
        conditions.push_back(QuotedName(f.Name) + " IS NULL");
        continue;
      }
      String name = "r" + IntToStr(static_cast<Integer>(i));
      conditions.push_back(QuotedName(f.Name) + " = :" + name);
      Params.push_back({name, v, f.DataType});
    }
    String where;
    for (size_t i = 0; i < conditions.size(); ++i) where += (i ? " AND " : " WHERE ") + conditions[i];
    return where;
  }

  // Takes the rows' order; with All, also every row's values.
  void ReadOrder(std::vector<TEngineCursor::TRowValues>* All = nullptr) {
    String sql = "SELECT rowid";
    if (All)
      for (const TCursorFieldDesc& f : Source.Fields) sql += ", " + QuotedName(f.Name);
    else
      for (Integer no : Source.OrderFields) sql += ", " + QuotedName(Source.Fields[static_cast<size_t>(no - 1)].Name);
    SqliteDatabase::TParamValues params;
    sql += " FROM " + QuotedName(Source.TableName) + WhereClause(params);
    SqliteDatabase::TSqliteDatabase* db = Database();
    SqliteDatabase::TResultSet result = Guarded([&] { return db->Query(SqlDialect::TranslateSql(sql), params); });
    Rows.clear();
    RowIndex.clear();
    Rows.reserve(result.RowCount());
    std::vector<Variant> order(Source.OrderFields.size());
    std::vector<TEngineCursor::TRowValues> all;
    for (size_t r = 0; r < result.RowCount(); ++r) {
      Int64 id = result.Value(r, 0).ToInt64();
      if (All) {
        std::vector<Variant> values(Source.Fields.size());
        for (size_t c = 0; c < values.size(); ++c) values[c] = ColumnValue(Source.Fields[c], result.Value(r, c + 1));
        for (size_t i = 0; i < order.size(); ++i) order[i] = values[static_cast<size_t>(Source.OrderFields[i] - 1)];
        all.push_back({EncodeBookmark(order, id), std::move(values)});
        Rows.push_back({all.back().Bookmark, id});
        continue;
      }
      for (size_t i = 0; i < order.size(); ++i)
        order[i] = ColumnValue(Source.Fields[static_cast<size_t>(Source.OrderFields[i] - 1)], result.Value(r, i + 1));
      Rows.push_back({EncodeBookmark(order, id), id});
    }
    std::sort(Rows.begin(), Rows.end(), [](const TRow& a, const TRow& b) { return a.Key < b.Key; });
    if (All) {
      std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.Bookmark < b.Bookmark; });
      *All = std::move(all);
    }
    if (Source.Changes) SeenChanges = *Source.Changes;
  }

  size_t LowerBound(const String& Key) const {
    return static_cast<size_t>(std::lower_bound(Rows.begin(), Rows.end(), Key,
                                                [](const TRow& r, const String& k) { return r.Key < k; }) -
                               Rows.begin());
  }

  // Takes the order afresh (with All: the values too) and stands where it stood: on the same
  // record, or before the record that followed (at the ends: at the same end).
  void Reread(std::vector<TEngineCursor::TRowValues>* All = nullptr) {
    bool atEnd = Pos >= Rows.size();
    bool wasOn = OnRecord;
    String key = atEnd ? String() : Rows[Pos].Key;
    bool atBegin = !OnRecord && Pos == 0;
    ReadOrder(All);
    OnRecord = false;
    if (atBegin) Pos = 0;
    else if (atEnd) Pos = Rows.size();
    else {
      Pos = LowerBound(key);
      OnRecord = wasOn && Pos < Rows.size() && Rows[Pos].Key == key;
    }
  }

  void Sync() {
    if (Source.Changes && *Source.Changes != SeenChanges) Reread();
  }

  // Reads row Index into Record; false when the row is gone.
  bool ReadRow(size_t Index, void* Record, TRecordProps* Props) {
    Int64 id = Rows[Index].RowId;
    if (Record) {
      SqliteDatabase::TSqliteDatabase* db = Database();
      SqliteDatabase::TResultSet result = Guarded([&] { return db->Query(RecordSql, {{"id", id, ftLargeint}}); });
      if (result.RowCount() == 0) return false;
      Byte* rec = static_cast<Byte*>(Record);
      std::memset(rec, 0, static_cast<size_t>(Layout.Size));
      std::memcpy(rec, &id, sizeof id);
      for (size_t c = 0; c < Source.Fields.size(); ++c) {
        const TCursorFieldDesc& f = Source.Fields[c];
        Variant stored = result.Value(0, c);
        bool blank = VarIsNull(stored);
        rec[TLayout::FlagsAt + c] = blank ? 1 : 0;
        if (blank || NativeFields::IsBlobType(f.DataType)) continue;
        Variant value = ColumnValue(f, stored);
        try {
          NativeFields::ValueToNative(f.DataType, f.Size, value, rec + Layout.Offsets[c]);
        } catch (const Exception& e) {
          throw EEngineError("Field '" + f.Name + "': " + e.Message());
        }
      }
    } else if (!RowExists(id)) {
      return false;
    }
    if (Props) {
      Props->SeqNum = static_cast<Integer>(Index + 1);
      Props->PhyRecNum = static_cast<Integer>(id);
      Props->Status = 0;
    }
    return true;
  }

  bool RowExists(Int64 Id) {
    SqliteDatabase::TSqliteDatabase* db = Database();
    String sql = SqlDialect::TranslateSql("SELECT 1 FROM " + QuotedName(Source.TableName) + " WHERE rowid = :id");
    return Guarded([&] { return db->Query(sql, {{"id", Id, ftLargeint}}); }).RowCount() > 0;
  }

  TCursorResult Step(bool Forward, void* Record, TRecordProps* Props) {
    Sync();
    // The next candidate, as a signed index (-1: before the first).
    NativeInt i = Forward ? static_cast<NativeInt>(OnRecord ? Pos + 1 : Pos)
                          : static_cast<NativeInt>(Pos) - 1;
    const NativeInt n = static_cast<NativeInt>(Rows.size());
    for (; i >= 0 && i < n; i += Forward ? 1 : -1)
      if (ReadRow(static_cast<size_t>(i), Record, Props)) {
        Pos = static_cast<size_t>(i);
        OnRecord = true;
        return crOk;
      }
    OnRecord = false;
    Pos = Forward ? Rows.size() : 0;
    return Forward ? crEof : crBof;
  }

  void CheckField(Integer FieldNo) const {
    if (FieldNo < 1 || FieldNo > static_cast<Integer>(Source.Fields.size()))
      throw EEngineError("Invalid field number " + IntToStr(FieldNo));
  }

  const String& OpenedBlob(const void* Record, Integer FieldNo) const {
    auto it = Blobs.find({Record, FieldNo});
    if (it == Blobs.end()) throw EEngineError("BLOB not opened");
    return it->second;
  }
};

TEngineCursor::TEngineCursor(TCursorSource Source) : FSource(std::move(Source)), FImpl(std::make_unique<TImpl>(FSource)) {
  FImpl->ReadOrder();
}

TEngineCursor::~TEngineCursor() = default;

std::unique_ptr<TEngineCursor> TEngineCursor::CloneReadOnly() const {
  auto clone = std::make_unique<TEngineCursor>(FSource);
  clone->FImpl->Props = FImpl->Props;
  return clone;
}

TCursorProps TEngineCursor::GetProps() const {
  TCursorProps props;
  props.RecordSize = FImpl->Layout.Size;
  props.BookmarkSize = 0;
  props.Numbering = rnSequence;
  props.FieldCount = static_cast<Integer>(FSource.Fields.size());
  return props;
}

TCursorResult TEngineCursor::GetProp(Cardinal Id, NativeInt& Value) const {
  auto it = FImpl->Props.find(Id);
  if (it == FImpl->Props.end()) return crNotSupported;
  Value = it->second;
  return crOk;
}

TCursorResult TEngineCursor::SetProp(Cardinal Id, NativeInt Value) {
  auto it = FImpl->Props.find(Id);
  if (it == FImpl->Props.end()) return crNotSupported;
  it->second = Value;
  return crOk;
}

TCursorResult TEngineCursor::SetToBegin() {
  FImpl->Sync();
  FImpl->Pos = 0;
  FImpl->OnRecord = false;
  return crOk;
}

TCursorResult TEngineCursor::SetToEnd() {
  FImpl->Sync();
  FImpl->Pos = FImpl->Rows.size();
  FImpl->OnRecord = false;
  return crOk;
}

TCursorResult TEngineCursor::GetNextRecord(void* Record, TRecordProps* Props) { return FImpl->Step(true, Record, Props); }
TCursorResult TEngineCursor::GetPriorRecord(void* Record, TRecordProps* Props) { return FImpl->Step(false, Record, Props); }

TCursorResult TEngineCursor::GetRecord(void* Record, TRecordProps* Props) {
  FImpl->Sync();
  if (!FImpl->OnRecord || !FImpl->ReadRow(FImpl->Pos, Record, Props)) return crNoCurrentRecord;
  return crOk;
}

TCursorResult TEngineCursor::GetBookmark(TBookmarkStr& Bookmark) const {
  FImpl->Sync();
  if (!FImpl->OnRecord) return crNoCurrentRecord;
  Bookmark = FImpl->Rows[FImpl->Pos].Key;
  return crOk;
}

TCursorResult TEngineCursor::SetToBookmark(const TBookmarkStr& Bookmark) {
  if (Bookmark.size() < 8) throw EEngineError("Invalid bookmark");
  FImpl->Sync();
  FImpl->Pos = FImpl->LowerBound(Bookmark);
  FImpl->OnRecord = FImpl->Pos < FImpl->Rows.size() && FImpl->Rows[FImpl->Pos].Key == Bookmark;
  return crOk;
}

TCursorResult TEngineCursor::GetSeqNo(Integer& SeqNo) const {
  FImpl->Sync();
  if (!FImpl->OnRecord) return crNoCurrentRecord;
  SeqNo = static_cast<Integer>(FImpl->Pos + 1);
  return crOk;
}

TCursorResult TEngineCursor::SetToSeqNo(Integer SeqNo) {
  FImpl->Sync();
  FImpl->OnRecord = false;
  if (SeqNo < 1) {
    FImpl->Pos = 0;
    return crBof;
  }
  if (static_cast<size_t>(SeqNo) > FImpl->Rows.size()) {
    FImpl->Pos = FImpl->Rows.size();
    return crEof;
  }
  FImpl->Pos = static_cast<size_t>(SeqNo - 1);
  FImpl->OnRecord = true;
  return crOk;
}

TCursorResult TEngineCursor::SetToKey(const void* KeyRecord) {
  if (FSource.OrderFields.empty()) return crNotSupported;
  Integer no = FSource.OrderFields[0];
  const TCursorFieldDesc& f = FSource.Fields[static_cast<size_t>(no - 1)];
  bool blank;
  std::vector<Byte> native(static_cast<size_t>(std::max(1, NativeFields::NativeSize(f.DataType, f.Size))));
  CheckCursorResult(GetField(no, KeyRecord, native.data(), blank));
  return SetToKeyValues({blank ? Null() : NativeFields::NativeToValue(f.DataType, f.Size, native.data())});
}

TCursorResult TEngineCursor::SetToKeyValues(const std::vector<Variant>& KeyValues) {
  if (FSource.OrderFields.empty() || KeyValues.size() > FSource.OrderFields.size()) return crNotSupported;
  FImpl->Sync();
  String prefix;
  for (size_t i = 0; i < KeyValues.size(); ++i)
    AppendValue(prefix, ColumnValue(FSource.Fields[static_cast<size_t>(FSource.OrderFields[i] - 1)], KeyValues[i]));
  FImpl->Pos = FImpl->LowerBound(prefix);
  FImpl->OnRecord = false;
  return crOk;
}

TCursorResult TEngineCursor::ForceReread() {
  FImpl->Reread();
  return crOk;
}

std::vector<TEngineCursor::TRowValues> TEngineCursor::ReadAllRows() {
  std::vector<TRowValues> rows;
  FImpl->Reread(&rows);
  return rows;
}

bool TEngineCursor::ReadRowValues(Int64 RowId, std::vector<Variant>& Values) {
  String columns;
  for (const TCursorFieldDesc& f : FSource.Fields) columns += (columns.empty() ? "" : ", ") + QuotedName(f.Name);
  String sql = SqlDialect::TranslateSql("SELECT " + columns + " FROM " + QuotedName(FSource.TableName) + " WHERE rowid = :id");
  SqliteDatabase::TSqliteDatabase* db = FImpl->Database();
  SqliteDatabase::TResultSet result = FImpl->Guarded([&] { return db->Query(sql, {{"id", RowId, ftLargeint}}); });
  if (result.RowCount() == 0) return false;
  if (Values.size() < FSource.Fields.size()) Values.resize(FSource.Fields.size());
  for (size_t c = 0; c < FSource.Fields.size(); ++c) Values[c] = ColumnValue(FSource.Fields[c], result.Value(0, c));
  return true;
}

TBookmarkStr TEngineCursor::BookmarkOfRow(Int64 RowId) {
  FImpl->Sync();
  if (FImpl->RowIndex.empty())
    for (size_t i = 0; i < FImpl->Rows.size(); ++i) FImpl->RowIndex[FImpl->Rows[i].RowId] = i;
  auto it = FImpl->RowIndex.find(RowId);
  return it == FImpl->RowIndex.end() ? TBookmarkStr() : FImpl->Rows[it->second].Key;
}

TCursorResult TEngineCursor::GetField(Integer FieldNo, const void* Record, void* Dest, bool& Blank) const {
  FImpl->CheckField(FieldNo);
  size_t c = static_cast<size_t>(FieldNo - 1);
  const Byte* rec = static_cast<const Byte*>(Record);
  Blank = rec[TLayout::FlagsAt + c] != 0;
  const TCursorFieldDesc& f = FSource.Fields[c];
  if (!Blank && Dest)
    std::memcpy(Dest, rec + FImpl->Layout.Offsets[c], static_cast<size_t>(NativeFields::NativeSize(f.DataType, f.Size)));
  return crOk;
}

TCursorResult TEngineCursor::PutField(Integer FieldNo, void* Record, const void* Source) const {
  FImpl->CheckField(FieldNo);
  size_t c = static_cast<size_t>(FieldNo - 1);
  Byte* rec = static_cast<Byte*>(Record);
  const TCursorFieldDesc& f = FSource.Fields[c];
  size_t size = static_cast<size_t>(NativeFields::NativeSize(f.DataType, f.Size));
  rec[TLayout::FlagsAt + c] = Source ? 0 : 1;
  if (Source) std::memcpy(rec + FImpl->Layout.Offsets[c], Source, size);
  else std::memset(rec + FImpl->Layout.Offsets[c], 0, size);
  return crOk;
}

void TEngineCursor::InitRecord(void* Record) const {
  Byte* rec = static_cast<Byte*>(Record);
  std::memset(rec, 0, static_cast<size_t>(FImpl->Layout.Size));
  Int64 none = -1;
  std::memcpy(rec, &none, sizeof none);
  std::memset(rec + TLayout::FlagsAt, 1, FSource.Fields.size());
}

TCursorResult TEngineCursor::OpenBlob(const void* Record, Integer FieldNo) {
  FImpl->CheckField(FieldNo);
  const TCursorFieldDesc& f = FSource.Fields[static_cast<size_t>(FieldNo - 1)];
  if (!NativeFields::IsBlobType(f.DataType)) throw EEngineError("Field '" + f.Name + "' is not a BLOB");
  String sql = SqlDialect::TranslateSql("SELECT " + QuotedName(f.Name) + " FROM " + QuotedName(FSource.TableName) +
                                        " WHERE rowid = :id");
  SqliteDatabase::TSqliteDatabase* db = FImpl->Database();
  SqliteDatabase::TResultSet result =
      FImpl->Guarded([&] { return db->Query(sql, {{"id", RecordRowId(Record), ftLargeint}}); });
  if (result.RowCount() == 0) return crNoCurrentRecord;
  FImpl->Blobs[{Record, FieldNo}] = VarToStr(result.Value(0, 0));
  return crOk;
}

TCursorResult TEngineCursor::GetBlob(const void* Record, Integer FieldNo, Cardinal Offset, Cardinal Count, void* Dest,
                                     Cardinal& Read) {
  const String& blob = FImpl->OpenedBlob(Record, FieldNo);
  Read = 0;
  if (Offset >= blob.size()) return crBlobNothingRead;
  Read = static_cast<Cardinal>(std::min<size_t>(Count, blob.size() - Offset));
  std::memcpy(Dest, blob.data() + Offset, Read);
  return Read < Count ? crEndOfBlob : crOk;
}

TCursorResult TEngineCursor::GetBlobSize(const void* Record, Integer FieldNo, Cardinal& Size) {
  Size = static_cast<Cardinal>(FImpl->OpenedBlob(Record, FieldNo).size());
  return crOk;
}

TCursorResult TEngineCursor::FreeBlob(const void* Record, Integer FieldNo) {
  FImpl->OpenedBlob(Record, FieldNo);
  FImpl->Blobs.erase({Record, FieldNo});
  return crOk;
}

}  // namespace EngineCursor
