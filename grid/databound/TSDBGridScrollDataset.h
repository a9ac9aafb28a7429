// The scroll strategy: instead of letting the data link hold the displayed records, it reads them
// through its own read-only clone of the dataset's engine cursor into a buffer of its own, one buffer
// row per display row. The dataset stays where the application put it. An engine cursor does not
// cheaply tell how many records it has or where a record lies, so positions (1-based, counted from the
// start of the data) and the record count are kept as estimates, refined as records are read, and
// exact only once a read ran from one end of the data to the other or the dataset was asked for its
// RecordCount. A pending insert or append shows as a placeholder row that no cursor record backs.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "TSDBGridData.h"
#include "TSDBGridScrollCursor.h"

namespace TSDBGrid {

enum TtsCursorPosition { cpBof, cpNormal, cpEof };
enum TtsCountDirection { cdForward, cdBackward };

// One buffer row: the cursor record with what the read told of it and the record's lookup slots.
struct TtsScrollRow {
  std::vector<Byte> Record;  // the cursor record, then the lookup area
  String Bookmark;           // empty for the placeholder
  bool Placeholder = false;
  Variant RecordId;
  Integer RecordNumber = -1;
  Byte Status = 0;
  void Clear();
};

class TtsScrollDataset : public TtsGridData {
  DECLARE_CLASS(TtsScrollDataset, TtsGridData)
 public:
  void InitGridDataSet() override;
  void LinkActive(bool Value) override;
  Integer GetBufferRows() override { return Filled(); }
  bool GetActive() override { return FActive; }
  void MoveFirst() override;
  void MoveLast() override;
  void SetActiveRecord(Integer Row) override;
  Integer GetActiveRecord() override { return FActive && FActiveRow > 0 ? FActiveRow : -1; }
  Integer GetActiveRecordNumber() override;
  String GetActiveBookmark() override { return FActiveBookmark; }
  Integer GetRecCount() override;
  Integer FirstRow() override { return FFirst; }
  Integer CurrentBufRow() override;
  Integer BufferPos(const String& Bookmark) override;
  Integer BufferRow(const String& Bookmark) override;
  Integer BufferBkmPos(const TtsBkmPos& Pos) override;
  Integer MoveActive(Integer Distance, Integer& Scrolled) override;
  String GetBookmark(Integer Row) override;
  void GetRecId(Integer Row, Variant& Id) override;
  void GetRecordId(Integer Row, Variant& DataRow) override;
  bool ResizeBuffer(Integer Rows, bool& Reset) override;
  bool OnLastRecord() override;
  bool NextBookmark(const String& Bookmark, String& Next) override;
  bool PrevBookmark(const String& Bookmark, String& Prev) override;
  void PrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void NextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void CheckPrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void CheckNextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void FirstBookmark(String& Bookmark) override;
  void LastBookmark(String& Bookmark) override;
  bool IsSequenced() override;
  Integer MoveBy(Integer Distance) override;
  bool GetAtEnd() override { return FAtEnd; }
  void SetAtEnd(bool Value) override { FAtEnd = Value; }
  bool GetAtStart() override { return FAtStart; }
  void SetAtStart(bool Value) override { FAtStart = Value; }
  bool MoveToRecord(const String& Bookmark) override;
  void RereadBuffer(Integer Row, bool Force) override;
  void SetProperties(bool Reread) override;
  void BookmarkValue(Integer DataCol, const String& Bookmark, Variant& Value) override;
  void GetBookmarkRecID(const String& Bookmark, Integer Row, Variant& Id) override;
  void GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value, Variant& DataRow) override;
  Integer DoRecCount(bool Force) override;
  String FindKey(const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid,
                 bool FullLength, bool& Found) override;
  String LocateValue(const String& Start, const String& Stop, const String& Key, Integer DataCol,
                     TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) override;
  bool GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll,
                       bool& Done, Integer& Count, Integer& Reported, bool& Cancel) override;
  bool GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount, bool ScanAll,
                   bool& Done, Integer& Count, Integer& Reported, bool& Cancel) override;
  void SetBookmarkPos(const String& Bookmark) override;
  String GetBookmarkPos() override;

  // ======== Called by the grid directly ==========================================================
  // Where the clone comes from instead of the platform's cursor datasets. Not owned.
  void SetCursorSource(TtsScrollCursorSource* Source) { FCursorSource = Source; }

  void Open();
  void Close();
  void Reopen();
  void ResizeAppend(Integer Delta);
  void InsertRecord(bool KeepBelow, const String& Bookmark, String& NewBookmark);
  void AppendRecord(const String& Bookmark, String& NewBookmark);
  void EndInsert(String& Bookmark, bool Cancelled, bool& Changed, Integer Row, bool Reread);
  void EndUpdate(String& Bookmark, Integer Row, bool& Changed, bool& Moved);
  // Measures the buffer's true position.
  void CalculatePos();
  void MoveToRecnr(Integer Position) { MoveBy(Position - FFirst); }
  bool GetRowCountKnown() const { return FExactCount >= 0; }
  void SetActiveBookmark(const String& Bookmark) { FActiveBookmark = Bookmark; }
  bool CheckAtEnd();
  bool CheckAtStart();
  void MoveNext();
  void MovePrevious();
  Integer GetBufRecCount() const { return Filled(); }
  bool AppendRecordAtEnd();
  void ForceReread();
  bool GetEnableCheckRows() const { return FCheckLock == 0; }
  void SetEnableCheckRows(bool Value);
  bool PropertiesChanged();

  // For the field wrappers.
  Byte* GetActiveRecordBuffer();
  // Raises the grid's invalid-operation error with the engine's message for a failure code.
  void CheckErr(Integer Code);
  void SetToRecord(Integer Row);

  // State the tests and the grid's thumb read.
  Integer LastRow() const { return FLast; }
  Integer CursorPos() const { return FCursorPos; }
  Integer CountedRecords() const { return FCounted; }
  Integer ExactCount() const { return FExactCount; }
  bool GetEstimated() const { return FEstimated; }
  TtsCountDirection GetCountDirection() const { return FCountDirection; }
  bool GetInsertPending() const { return FInsertPending; }
  Integer RowCount() const { return static_cast<Integer>(FRows.size()); }
  bool IsPlaceholderRow(Integer Row) const;

 protected:
  friend struct ::System::TObjectFactory;
  using TtsGridData::TtsGridData;
  void Destroy() override;

 private:
  Integer Filled() const { return FLast - FFirst + 1; }
  TtsScrollRow& Row(Integer R) { return (*FBuffer)[static_cast<size_t>(R - 1)]; }
  void CreateBuffer(Integer Rows);
  void GrowCounts(Integer Position, Integer By, bool ShiftBuffer);
  Integer OutsidePosition();
  void ResizeRows(Integer Rows);
  void ResetPositions();
  void AllocateRows(std::vector<TtsScrollRow>& Rows, Integer Count);
  void MoveRows(Integer To, Integer From, Integer Count);
  Integer ReadRecord(Integer R, Integer Direction);
  void FillRowExtras(Integer R);
  Integer GetRecords(Integer From, Integer To, Integer Direction);
  Integer ReadStep(TtsScrollRow& Target, Integer Direction, bool& Placeholder);
  void AfterStep(Integer Code, Integer Direction);
  Integer MoveRelative(Integer Distance, Integer& Moved);
  bool JumpBySequence(Integer Distance, Integer& Moved, Integer& Code);
  void CheckCounts(Integer Code);
  void AdjustRange();
  void ShiftPositions(Integer By);
  void EstimatePosition(const String& OldBookmark, const String& NewBookmark);
  bool PlaceBuffer(const String& Bookmark, Integer RowOffset, bool Keeping, const String& OldTop);
  void SetCloneTo(const String& Bookmark);
  String CloneBookmark();
  bool StepFrom(const String& Bookmark, Integer Direction, String& Neighbour);
  TtsBkmPos StepBkmPos(const TtsBkmPos& Pos, Integer Direction, bool StayAtEnd);
  // Runs Body with the clone's position restored afterwards, also when Body raises.
  bool WalkBookmarks(Integer Direction, String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount,
                     bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel);
  void KeepingClonePosition(const std::function<void()>& Body);

  TtsScrollCursorSource* FCursorSource = nullptr;
  std::unique_ptr<TtsScrollCursor> FCursor;
  TCursorProps FProps;
  bool FActive = false;
  Integer FRecordTypes = 0;

  std::vector<TtsScrollRow> FRows;
  std::vector<TtsScrollRow> FTempRows;  // the one-row buffer for records read beside the display
  std::vector<TtsScrollRow>* FBuffer = &FRows;
  std::vector<Byte> FScratch;

  Integer FFirst = 0;
  Integer FLast = -1;
  Integer FCursorPos = 0;
  TtsCursorPosition FCursorState = cpBof;
  TtsCountDirection FCountDirection = cdForward;
  Integer FPassed = 0;
  Integer FCounted = 0;
  Integer FExactCount = -1;
  bool FEstimated = false;
  bool FAtStart = false;
  bool FAtEnd = false;
  Integer FActiveRow = -1;
  String FActiveBookmark;
  bool FInsertPending = false;
  String FInsertBookmark;
  bool FOnPlaceholder = false;
  Integer FCheckLock = 0;
};

}  // namespace TSDBGrid
