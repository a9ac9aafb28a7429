// What the scroll strategy needs of an engine cursor: a read-only, bidirectional clone of the bound
// dataset's cursor that steps record by record into the strategy's own record buffers. Results are
// the engine's result codes (EngineCursor.h); the strategy tells apart the ends of the data, no
// current record and a call not supported, and hands any other one to the cursor for its message.
#pragma once

#include <memory>

#include "EngineCursor.h"
#include "TSDBGridTypes.h"

namespace TSDBGrid {

class TtsScrollCursor {
 public:
  virtual ~TtsScrollCursor() = default;
  virtual TCursorProps Properties() = 0;
  virtual Integer SetToBegin() = 0;
  virtual Integer SetToEnd() = 0;
  // Direction +1 the next record, -1 the prior one, 0 the current one.
  virtual Integer GetRecord(Integer Direction, Byte* Record, TRecordProps& Props) = 0;
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

// Opens the clone of DataSet's cursor, or answers nil when DataSet reads through no engine cursor.
// Also reads the record-types property of the dataset's own cursor.
struct TtsScrollCursorSource {
  virtual ~TtsScrollCursorSource() = default;
  virtual std::unique_ptr<TtsScrollCursor> CloneCursor(TDataSet* DataSet) = 0;
  virtual Integer DataSetRecordTypes(TDataSet* DataSet) = 0;
};

// The source for the platform's cursor datasets (TCursorDataSet and its tables).
TtsScrollCursorSource* EngineCursorSource();

}  // namespace TSDBGrid
