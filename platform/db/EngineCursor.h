// The engine cursor: a read-only, bidirectional position in the rows of one SQLite table, taken in
// an order (the fields of an index, then the row id), restricted by a filter condition in the
// application's dialect and by equal values of the first order fields (a detail table's range).
//
// A cursor takes the order of the rows it sees when it opens (the row ids and their order keys)
// and reads a record's values when it steps onto it, so a record another connection deleted is
// skipped when stepping and answers crNoCurrentRecord when it is the current one; ForceReread takes
// the order afresh (records added or moved since then show up) and keeps the position by its key.
// Changes made through the cursor's dataset are taken at once (TCursorSource::Changes).
//
// Bookmarks are strings: the record's order values, then its row id, in an encoding whose byte order
// is the order of the rows (NULL first, numbers by value, texts and blobs by their bytes), so
// bookmarks compare as strings in the cursor's order. No bookmark is a prefix of another, and none
// starts with a zero byte. A cursor dataset's records carry the same
// strings as their bookmarks.
//
// Record buffers hold the row id, a blank flag per field and each field's value in its native form
// (NativeFields.h), at offsets fixed per cursor. Text is UTF-8 on both sides: no transliteration.
//
// Calls answer the result codes below; any other failure raises EEngineError.
#pragma once

#include <memory>
#include <vector>

#include "DB.h"

namespace ADODB {
class TADOConnection;
}

namespace EngineCursor {

DECLARE_EXCEPTION(EEngineError, EDatabaseError)

using TCursorResult = Word;
constexpr TCursorResult crOk = 0;
constexpr TCursorResult crBof = 8705;              // stepped before the first record
constexpr TCursorResult crEof = 8706;              // stepped after the last record
constexpr TCursorResult crNoCurrentRecord = 8708;  // between records, or the current record is gone
constexpr TCursorResult crNotSupported = 12289;    // a call this cursor cannot serve
constexpr TCursorResult crEndOfBlob = 8711;        // a blob read that reached the blob's end
constexpr TCursorResult crBlobNothingRead = 9998;  // a blob read at or after the blob's end

// The text of a result code.
String CursorResultMessage(TCursorResult Result);
// Raises EEngineError with the code's text for any result but crOk.
void CheckCursorResult(TCursorResult Result);

enum TRecordNumbering : Byte { rnPhysical, rnSequence, rnNone };

struct TCursorProps {
  Integer RecordSize = 0;    // bytes of a record buffer
  Integer BookmarkSize = 0;  // 0: bookmarks vary in length (they are strings)
  TRecordNumbering Numbering = rnSequence;
  Integer FieldCount = 0;
};

struct TRecordProps {
  Integer SeqNum = -1;     // 1-based position in the cursor's order
  Integer PhyRecNum = -1;  // the row id
  Byte Status = 0;         // 0: an ordinary record
};

// A cursor property that is only kept, copied and compared (ids other than these: crNotSupported).
constexpr Cardinal cpRecordTypes = 0x05050003;

// A field of the cursor's table, as the records hold it.
struct TCursorFieldDesc {
  String Name;
  TFieldType DataType = ftUnknown;
  Integer Size = 0;
};

// What a cursor reads.
struct TCursorSource {
  ADODB::TADOConnection* Connection = nullptr;
  String TableName;
  std::vector<TCursorFieldDesc> Fields;  // the table's columns in order (FieldNo = index + 1)
  std::vector<Integer> OrderFields;      // FieldNo of each order field; empty: row id order
  String Filter;                         // a condition in the dialect; empty: every row
  std::vector<Variant> RangeValues;      // the first order fields must equal these
  // Bumped by the rows' owner whenever it changed them: its cursors then take the order afresh
  // at their next call, as ForceReread does. May be null.
  std::shared_ptr<Cardinal> Changes;
};

// The value of a field that a stored column value stands for (the dialect's date texts read as
// dates, numbers of text columns as text, ...); Null stays Null. Raises EEngineError when the
// stored value is no value of the field's type.
Variant ColumnValue(const TCursorFieldDesc& Field, const Variant& Stored);

// The bookmark of a row with these order values (field values, as ColumnValue gives them).
TBookmarkStr EncodeBookmark(const std::vector<Variant>& OrderValues, Int64 RowId);
// The row id a bookmark names (-1 for a string that is no bookmark).
Int64 BookmarkRowId(const TBookmarkStr& Bookmark);

class TEngineCursor {
 public:
  // Opens on the beginning of the data. Raises EEngineError when the table cannot be read.
  explicit TEngineCursor(TCursorSource Source);
  ~TEngineCursor();
  TEngineCursor(const TEngineCursor&) = delete;
  TEngineCursor& operator=(const TEngineCursor&) = delete;

  // A new cursor over the same rows in the same order, on the beginning, with this one's properties.
  std::unique_ptr<TEngineCursor> CloneReadOnly() const;
  const TCursorSource& Source() const { return FSource; }

  // ---- Properties
  TCursorProps GetProps() const;
  TCursorResult GetProp(Cardinal Id, NativeInt& Value) const;
  TCursorResult SetProp(Cardinal Id, NativeInt Value);

  // ---- Positions: the cursor stands on a record or between two (or before the first, after the last)
  TCursorResult SetToBegin();
  TCursorResult SetToEnd();
  // Move and read the record into Record (RecordSize bytes; may be null), with its props (may be null).
  TCursorResult GetNextRecord(void* Record, TRecordProps* Props);
  TCursorResult GetPriorRecord(void* Record, TRecordProps* Props);
  TCursorResult GetRecord(void* Record, TRecordProps* Props);  // the current one
  TCursorResult GetBookmark(TBookmarkStr& Bookmark) const;   // crNoCurrentRecord between records
  // On the bookmark's record; a record no longer seen leaves the cursor just before where it would be.
  TCursorResult SetToBookmark(const TBookmarkStr& Bookmark);
  TCursorResult GetSeqNo(Integer& SeqNo) const;
  TCursorResult SetToSeqNo(Integer SeqNo);  // crEof past the last record, crBof below 1
  // Just before the first record whose first order field is >= that field's value in KeyRecord
  // (crNotSupported in row id order).
  TCursorResult SetToKey(const void* KeyRecord);
  // The same over the first KeyValues.size() order fields.
  TCursorResult SetToKeyValues(const std::vector<Variant>& KeyValues);
  TCursorResult ForceReread();
  // Every row's field values (ColumnValue; blobs whole) with its bookmark, in order. Takes the
  // order afresh as ForceReread does, from the same read.
  struct TRowValues {
    TBookmarkStr Bookmark;
    std::vector<Variant> Values;
  };
  std::vector<TRowValues> ReadAllRows();
  // Puts the stored values of the row with RowId (ColumnValue; blobs whole) into the first fields'
  // places of Values; false, Values untouched, when no row has that id.
  bool ReadRowValues(Int64 RowId, std::vector<Variant>& Values);
  // The bookmark that the row with RowId has now ("" when no row of the cursor's rows has it).
  TBookmarkStr BookmarkOfRow(Int64 RowId);

  // ---- Fields of a record buffer (FieldNo 1-based)
  // Copies the native form to Dest (may be null); Blank tells whether the field is empty.
  TCursorResult GetField(Integer FieldNo, const void* Record, void* Dest, bool& Blank) const;
  // Puts the native form from Source, or blank when Source is null.
  TCursorResult PutField(Integer FieldNo, void* Record, const void* Source) const;
  void InitRecord(void* Record) const;  // every field blank, no row

  // ---- Blobs of a record buffer's row, read-only: opened, read in pieces and freed
  TCursorResult OpenBlob(const void* Record, Integer FieldNo);
  // Reads up to Count bytes at Offset: crOk when Count were read, crEndOfBlob when fewer (the end
  // reached), crBlobNothingRead when none were left.
  TCursorResult GetBlob(const void* Record, Integer FieldNo, Cardinal Offset, Cardinal Count, void* Dest,
                        Cardinal& Read);
  TCursorResult GetBlobSize(const void* Record, Integer FieldNo, Cardinal& Size);
  TCursorResult FreeBlob(const void* Record, Integer FieldNo);

 private:
  struct TImpl;
  TCursorSource FSource;
  std::unique_ptr<TImpl> FImpl;
};

}  // namespace EngineCursor

using namespace EngineCursor;
