// What the scroll strategy needs of an engine cursor: a read-only, bidirectional clone of the bound
// dataset's cursor that steps record by record into the strategy's own record buffers. Results are
// the engine's result codes; the strategy tells apart only those named below and hands any other one
// to the cursor for its message.
#pragma once

#include <memory>

#include "TSDBGridTypes.h"

namespace TSDBGrid {

enum : Integer {
  crOk = 0,
  crBof = 8705,           // stepped before the first record
  crEof = 8706,           // stepped after the last record
  crNoCurrentRecord = 8708,
  crNotSupported = 12289,
};

// How a cursor numbers its records.
enum TtsRecordNumbering : Integer { rnPhysical = 0, rnSequence = 1, rnNone = 2 };

struct TtsCursorProperties {
  Integer RecordSize = 0;
  Integer BookmarkSize = 0;
  TtsRecordNumbering Numbering = rnNone;
};

// What a read tells of the record beside its bytes.
struct TtsRecordProperties {
  Integer SequenceNumber = -1;
  Integer PhysicalNumber = -1;
  Byte Status = 0;
};

class TtsScrollCursor {
 public:
  virtual ~TtsScrollCursor() = default;
  virtual TtsCursorProperties Properties() = 0;
  virtual Integer SetToBegin() = 0;
  virtual Integer SetToEnd() = 0;
  // Direction +1 the next record, -1 the prior one, 0 the current one.
  virtual Integer GetRecord(Integer Direction, Byte* Record, TtsRecordProperties& Props) = 0;
  virtual Integer GetBookmark(String& Bookmark) = 0;
  virtual Integer SetToBookmark(const String& Bookmark) = 0;
  virtual Integer GetSequenceNumber(Integer& Number) = 0;
  virtual Integer SetToSequenceNumber(Integer Number) = 0;
  // Greater-or-equal search on the first field of the current order, the key taken from Record.
  virtual Integer SetToKey(const Byte* Record) = 0;
  virtual Integer ForceReread() = 0;
  virtual Integer GetProperty(Cardinal Id, Integer& Value) = 0;
  virtual Integer SetProperty(Cardinal Id, Integer Value) = 0;
  virtual String ErrorMessage(Integer Code) = 0;
};

// The cursor property that is only carried from the dataset's cursor to its clone and compared.
constexpr Cardinal RecordTypesProperty = 0x05050003;

// Opens the clone of DataSet's cursor, or answers nil when DataSet reads through no engine cursor.
// Also reads the record-types property of the dataset's own cursor.
struct TtsScrollCursorSource {
  virtual ~TtsScrollCursorSource() = default;
  virtual std::unique_ptr<TtsScrollCursor> CloneCursor(TDataSet* DataSet) = 0;
  virtual Integer DataSetRecordTypes(TDataSet* DataSet) = 0;
};

}  // namespace TSDBGrid
