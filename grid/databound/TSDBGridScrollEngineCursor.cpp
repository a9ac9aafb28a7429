// The scroll strategy's cursors for the platform's cursor datasets: a read-only clone of the
// dataset's own engine cursor.
#include "CursorDataSet.h"
#include "EngineCursor.h"
#include "TSDBGridScrollCursor.h"
#include "TSDBGridScrollDataset.h"

namespace TSDBGrid {

namespace {

class TtsEngineScrollCursor : public TtsScrollCursor {
 public:
  explicit TtsEngineScrollCursor(std::unique_ptr<TEngineCursor> Cursor) : FCursor(std::move(Cursor)) {}
  TCursorProps Properties() override { return FCursor->GetProps(); }
  Integer SetToBegin() override { return FCursor->SetToBegin(); }
  Integer SetToEnd() override { return FCursor->SetToEnd(); }
  Integer GetRecord(Integer Direction, Byte* Record, TRecordProps& Props) override {
    if (Direction > 0) return FCursor->GetNextRecord(Record, &Props);
    if (Direction < 0) return FCursor->GetPriorRecord(Record, &Props);
    return FCursor->GetRecord(Record, &Props);
  }
  Integer GetBookmark(String& Bookmark) override { return FCursor->GetBookmark(Bookmark); }
  Integer SetToBookmark(const String& Bookmark) override { return FCursor->SetToBookmark(Bookmark); }
  Integer GetSequenceNumber(Integer& Number) override { return FCursor->GetSeqNo(Number); }
  Integer SetToSequenceNumber(Integer Number) override { return FCursor->SetToSeqNo(Number); }
  Integer SetToKey(const Byte* Record) override { return FCursor->SetToKey(Record); }
  Integer ForceReread() override { return FCursor->ForceReread(); }
  Integer GetProperty(Cardinal Id, Integer& Value) override {
    NativeInt value = 0;
    Integer code = FCursor->GetProp(Id, value);
    Value = static_cast<Integer>(value);
    return code;
  }
  Integer SetProperty(Cardinal Id, Integer Value) override { return FCursor->SetProp(Id, Value); }
  String ErrorMessage(Integer Code) override { return CursorResultMessage(static_cast<TCursorResult>(Code)); }

 private:
  std::unique_ptr<TEngineCursor> FCursor;
};

TEngineCursor* DataSetCursor(TDataSet* DataSet) {
  auto* cursorDataSet = dynamic_cast<TCursorDataSet*>(DataSet);
  return cursorDataSet ? cursorDataSet->Handle() : nullptr;
}

class TtsEngineCursorSource : public TtsScrollCursorSource {
 public:
  std::unique_ptr<TtsScrollCursor> CloneCursor(TDataSet* DataSet) override {
    TEngineCursor* cursor = DataSetCursor(DataSet);
    if (!cursor) return nullptr;
    return std::make_unique<TtsEngineScrollCursor>(cursor->CloneReadOnly());
  }
  Integer DataSetRecordTypes(TDataSet* DataSet) override {
    TEngineCursor* cursor = DataSetCursor(DataSet);
    NativeInt value = 0;
    if (!cursor || cursor->GetProp(cpRecordTypes, value) != crOk) return 0;
    return static_cast<Integer>(value);
  }
};

}  // namespace

TtsScrollCursorSource* EngineCursorSource() {
  static TtsEngineCursorSource source;
  return &source;
}

}  // namespace TSDBGrid
