// The data strategies of the data-bound grid. The grid never reads its dataset for rows directly: a
// strategy knows which records are buffered for display, where a bookmark lies relative to that
// buffer, how to step and compare bookmark positions, and how to move the dataset. TtsGridData is the
// interface with the behaviour every strategy shares; TtsStandardDataset shows the data link's own
// record window as the grid's rows; TtsScrollDataset (TSDBGridScrollDataset.h) keeps a buffer of its
// own over a clone of the dataset's engine cursor.
//
// A buffer row is a 1-based index into the strategy's buffer of displayed records; a bookmark is the
// dataset's bookmark string, empty for no record.
#pragma once

#include <vector>

#include "TSDBGridTypes.h"

namespace TSGrid {
class TtsBaseGrid;
}

namespace TSDBGrid {

using TSGrid::TtsBaseGrid;
class TtsFieldLayout;
class TtsSelectedList;

// The grid's data edit mode, following the dataset's edit state.
enum TtsDataEditMode { demNone, demEdit, demAppend, demInsert };

// A place relative to a record: before it, on it, after it, or the dataset's start or end (the
// bookmark is then empty).
enum TtsBkmPosOffset { bpoBof, bpoPrior, bpoCurrent, bpoNext, bpoEof };

struct TtsBkmPos {
  String Bookmark;
  TtsBkmPosOffset Offset = bpoCurrent;
};

// Builders of bookmark positions: on a record, the dataset's start, the dataset's end.
TtsBkmPos CurrentBkmPos(const String& Bookmark);
TtsBkmPos StartBkmPos();
TtsBkmPos EndBkmPos();

// A saved view: the top row's bookmark and the current buffer row.
struct TtsDatasetPosition {
  String Bookmark;
  Integer BufferRow = 0;
};

// One property-buffer entry per buffer row: the row's per-record row properties once looked up.
struct TtsPropBufferEntry {
  bool Resolved = false;
  TtsDBRowElement* Element = nullptr;
  // The row's selected state once looked up (by its bookmark).
  bool SelectedResolved = false;
  bool Selected = false;
};

class TtsGridData : public TObject {
  DECLARE_CLASS(TtsGridData, TObject)
 public:
  // ======== Overridable operations, in their slot order ==========================================
  virtual void InitGridDataSet();
  virtual void LinkActive(bool Value);
  virtual Integer GetBufferRows() = 0;
  virtual bool GetActive() = 0;
  virtual void MoveFirst() = 0;
  virtual void MoveLast() = 0;
  virtual void SetActiveRecord(Integer Row) = 0;
  virtual Integer GetActiveRecord() = 0;
  virtual Integer GetActiveRecordNumber() = 0;
  virtual String GetActiveBookmark() = 0;
  virtual Integer GetRecCount() = 0;
  virtual Integer FirstRow() = 0;
  virtual Integer CurrentBufRow() = 0;
  // 0 before the buffer (or unknown), 1..BufferRows inside, BufferRows + 1 after it.
  virtual Integer BufferPos(const String& Bookmark) = 0;
  virtual Integer BufferRow(const String& Bookmark) = 0;
  virtual Integer BufferBkmPos(const TtsBkmPos& Pos) = 0;
  virtual Integer MoveActive(Integer Distance, Integer& Beyond) = 0;
  virtual String GetBookmark(Integer Row) = 0;
  virtual void GetRecId(Integer Row, Variant& Id) = 0;
  virtual void GetRecordId(Integer Row, Variant& DataRow) = 0;
  virtual bool ResizeBuffer(Integer Rows, bool& Grown) = 0;
  virtual bool OnLastRecord() = 0;
  virtual bool NextBookmark(const String& Bookmark, String& Next) = 0;
  virtual bool PrevBookmark(const String& Bookmark, String& Prev) = 0;
  virtual void PrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) = 0;
  virtual void NextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) = 0;
  virtual void CheckPrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) = 0;
  virtual void CheckNextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) = 0;
  virtual void FirstBookmark(String& Bookmark) = 0;
  virtual void LastBookmark(String& Bookmark) = 0;
  virtual bool IsSequenced();
  virtual void FirstBkmPos(TtsBkmPos& Pos);
  virtual void LastBkmPos(TtsBkmPos& Pos);
  virtual bool BufferPositionChanged(const TtsDatasetPosition& Pos) { return false; }
  virtual void GetDatasetPosition(TtsDatasetPosition& Pos);
  virtual void SetDatasetPosition(const TtsDatasetPosition& Pos) {}
  virtual Integer MoveBy(Integer Distance) = 0;
  virtual bool GetAtEnd() = 0;
  virtual void SetAtEnd(bool Value) = 0;
  virtual bool GetAtStart() = 0;
  virtual void SetAtStart(bool Value) = 0;
  virtual bool MoveToRecord(const String& Bookmark) = 0;
  virtual void RereadBuffer(Integer Row, bool Force) = 0;
  virtual void SetProperties(bool Value) = 0;
  virtual void BookmarkValue(Integer DataCol, const String& Bookmark, Variant& Value) = 0;
  virtual void GetBookmarkRecID(const String& Bookmark, Integer Row, Variant& Id) = 0;
  virtual void GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value, Variant& DataRow) = 0;
  virtual Integer DoRecCount(bool Exact) = 0;
  virtual String FindKey(const String& Key, Integer DataCol, TtsComboCompareType CompareType, TtsBaseGrid* Grid,
                         bool FullLength, bool& Found) = 0;
  virtual String LocateValue(const String& Start, const String& Stop, const String& Key, Integer DataCol,
                             TtsComboCompareType CompareType, TtsBaseGrid* Grid, bool FullLength, bool& Found) = 0;
  virtual bool GetPreviousBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount,
                               bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) = 0;
  virtual bool GetNextBkms(String& Bookmark, const String& Stop, TtsSelectedList* List, Integer MaxCount,
                           bool ScanAll, bool& Done, Integer& Count, Integer& Reported, bool& Cancel) = 0;
  virtual void SetBookmarkPos(const String& Bookmark) = 0;
  virtual String GetBookmarkPos() = 0;

  // ======== Shared operations ====================================================================
  TtsCustomDBGrid* GetGrid() const { return FGrid; }
  TDataSet* GetDataSet() const { return FDataSet; }

  // The field layout saved when the link last became active or the layout last changed.
  void ResetFieldLayout();
  void SaveFieldLayout();
  bool FieldLayoutChanged();
  bool FieldOrderChanged();

  String DatasetIndexName();
  String DatasetIndexFieldNames();
  void SaveCurIndex();
  bool IndexChanged();

  // The grid's bookmark order: -1, 0, 1.
  Integer CompareBkm(const String& A, const String& B);

  // Bookmark-position arithmetic; Decided tells whether the answer was found without moving the
  // dataset. CompareBkmPos and the relations may resolve their arguments to actual records.
  Integer CheckCompareBkmPos(const TtsBkmPos& P1, const TtsBkmPos& P2, bool& Decided);
  Integer CompareBkmPos(TtsBkmPos& P1, TtsBkmPos& P2);
  bool GreaterEqualBkmPos(TtsBkmPos& P1, TtsBkmPos& P2);
  bool LessEqualBkmPos(TtsBkmPos& P1, TtsBkmPos& P2);
  bool GreaterBkmPos(TtsBkmPos& P1, TtsBkmPos& P2) { return !LessEqualBkmPos(P1, P2); }
  bool LessBkmPos(TtsBkmPos& P1, TtsBkmPos& P2) { return !GreaterEqualBkmPos(P1, P2); }
  void ActualBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result);
  bool BkmPosBookmark(const TtsBkmPos& Pos, String& Bookmark);

  Integer RecIDRow(const Variant& Id);
  Integer GetRecNo();
  void SetRecNo(Integer Value);

  // The bracket inside which the strategy may disable the dataset's controls while it walks.
  void CheckDisableControls();
  void SetCanDisableControls(bool Value);
  bool GetCanDisableControls() const { return FDisableCount > 0; }

  // The data link's record window.
  void CheckDatalinkBufferOk(Integer OldCount);
  void SetDatasetBufferCount(Integer Count);

  // The per-row property buffer.
  void ClearPropBuffer(Integer First, Integer Last, bool All);
  void ResizePropBuffer(Integer Rows);
  Integer GetPropBufferSize() const { return static_cast<Integer>(FPropBuffer.size()); }
  bool GetPropBufferClear() const { return FPropBufferClear; }
  TtsPropBufferEntry& PropBufferEntry(Integer Row);  // 1-based, within GetPropBufferSize
  void SetPropBufferEntry(Integer Row, TtsDBRowElement* Element);
  void SetPropBufferSelected(Integer Row, bool Selected);

 protected:
  friend struct ::System::TObjectFactory;
  explicit TtsGridData(TtsCustomDBGrid* Grid = nullptr) : FGrid(Grid) {}
  void Construct() override;
  void Destroy() override;

  TtsCustomDBGrid* FGrid;
  TDataSet* FDataSet = nullptr;
  TtsGridDataLink* FDataLink = nullptr;
  Integer FDisableCount = 0;
  bool FControlsDisabledHere = false;
  std::vector<TtsFieldLayout*> FFieldLayouts;
  std::vector<TtsPropBufferEntry> FPropBuffer;
  bool FPropBufferClear = false;
  String FSavedIndexName;
  String FSavedIndexFieldNames;
};

// Rows are the data link's record window: buffer row r is the link's record r - 1. Bookmarks and
// record ids of the rows are cached per row and shifted, not re-read, when the dataset scrolls.
class TtsStandardDataset : public TtsGridData {
  DECLARE_CLASS(TtsStandardDataset, TtsGridData)
 public:
  void LinkActive(bool Value) override;
  Integer GetBufferRows() override;
  bool GetActive() override;
  void MoveFirst() override;
  void MoveLast() override;
  void SetActiveRecord(Integer Row) override;
  Integer GetActiveRecord() override;
  Integer GetActiveRecordNumber() override;
  String GetActiveBookmark() override;
  Integer GetRecCount() override;
  Integer FirstRow() override;
  Integer CurrentBufRow() override;
  Integer BufferPos(const String& Bookmark) override;
  Integer BufferRow(const String& Bookmark) override;
  Integer BufferBkmPos(const TtsBkmPos& Pos) override;
  Integer MoveActive(Integer Distance, Integer& Beyond) override;
  String GetBookmark(Integer Row) override;
  void GetRecId(Integer Row, Variant& Id) override;
  void GetRecordId(Integer Row, Variant& DataRow) override;
  bool ResizeBuffer(Integer Rows, bool& Grown) override;
  bool OnLastRecord() override;
  bool NextBookmark(const String& Bookmark, String& Next) override;
  bool PrevBookmark(const String& Bookmark, String& Prev) override;
  void PrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void NextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void CheckPrevBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void CheckNextBkmPos(const TtsBkmPos& Pos, TtsBkmPos& Result) override;
  void FirstBookmark(String& Bookmark) override;
  void LastBookmark(String& Bookmark) override;
  bool BufferPositionChanged(const TtsDatasetPosition& Pos) override;
  void GetDatasetPosition(TtsDatasetPosition& Pos) override;
  void SetDatasetPosition(const TtsDatasetPosition& Pos) override;
  Integer MoveBy(Integer Distance) override;
  bool GetAtEnd() override;
  void SetAtEnd(bool Value) override {}
  bool GetAtStart() override;
  void SetAtStart(bool Value) override {}
  bool MoveToRecord(const String& Bookmark) override;
  void RereadBuffer(Integer Row, bool Force) override {}
  void SetProperties(bool Value) override {}
  void BookmarkValue(Integer DataCol, const String& Bookmark, Variant& Value) override;
  void GetBookmarkRecID(const String& Bookmark, Integer Row, Variant& Id) override;
  void GetBkmValueAndRecordID(Integer DataCol, const String& Bookmark, Variant& Value, Variant& DataRow) override;
  Integer DoRecCount(bool Exact) override;
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


  // The per-row caches of bookmarks and record ids.
  void ClearIdBuffers(Integer First, Integer Last, bool Finalize);
  void ResizeIdBuffers(Integer Rows);
  void MoveIdBuffers(Integer Distance);
  Integer GetIdCacheSize() const { return static_cast<Integer>(FBookmarkCache.size()); }

  // Dataset walks beside the buffer.
  bool SetToBookmark(const String& Bookmark, bool RaiseErrors);
  bool NextBufferBkm(const String& Bookmark, String& Next);
  bool PrevBufferBkm(const String& Bookmark, String& Prev);
  bool GetNextBookmark(const String& Bookmark, String& Next);
  bool GetPrevBookmark(const String& Bookmark, String& Prev);
  bool KeyEqual(const String& Bookmark, const String& Key, bool FullLength, TtsBaseGrid* Grid,
                TtsComboCompareType CompareType, Integer DataCol);

 protected:
  friend struct ::System::TObjectFactory;
  using TtsGridData::TtsGridData;
  void Destroy() override;

 private:
  bool ControlsDisabled();
  // Runs Body with the link's active record on buffer row Row, putting the old one back however it ends.
  template <class F>
  void WithActiveRow(Integer Row, F Body);
  template <class F>
  void WithSavedPosition(F Body);
  bool StepBookmark(const String& Bookmark, Integer Direction, String& Neighbour);
  String TopRowBookmark();

  std::vector<Variant> FRecordIdCache;
  std::vector<Variant> FBookmarkCache;
};

}  // namespace TSDBGrid
