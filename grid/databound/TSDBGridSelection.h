// The data-bound grid's row selection, kept by record identity so that it survives scrolling and
// refreshes and can hold records the grid never displayed. Two representations:
//   range mode: sorted, disjoint, non-touching ranges of bookmark positions (all records from one
//     bookmark to another cost one entry), for bookmarks that follow the dataset's order;
//   set mode: an ordered set of single bookmarks, filled from scanned lists.
// While the grid is not bound the queries answer from the plain grid's selection of row numbers.
#pragma once

#include <vector>

#include "StringLists.h"
#include "TSDBGridData.h"
#include "TSSetLib.h"

namespace TSGrid {
class TtsSelection;
}

namespace TSDBGrid {

using TSSetLib::TtsSetList;
using TSSetLib::TtsSetOrder;
using TSSetLib::TtsStringSet;
using TSSetLib::TtsStringSetNode;

// Every record from StartPos to EndPos inclusive.
struct TtsSelectedRange {
  TtsBkmPos StartPos;
  TtsBkmPos EndPos;
};

// With which neighbours a new range merges when they touch it.
enum TtsCombineRange { crPrior, crNext, crBoth };

class TtsBookmarkSetNode : public TtsStringSetNode {
  DECLARE_CLASS(TtsBookmarkSetNode, TtsStringSetNode)
 public:
  // Ordered by the owning grid's bookmark comparison.
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;

 protected:
  friend struct ::System::TObjectFactory;
  using TtsStringSetNode::TtsStringSetNode;
};

// Bookmarks in the grid's order, with a cached flat list and a cursor so that a front-to-back walk
// costs one search in all.
class TtsBookmarkSet : public TtsStringSet {
  DECLARE_CLASS(TtsBookmarkSet, TtsStringSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  // Copies another bookmark set (any other class is ignored).
  void Assign(TtsCustomSet* Source) override;
  void Clear() override;
  String* Add(const String& Bkm) override;
  bool Remove(const String& Bkm) override;

  TtsCustomDBGrid* GetGrid() const { return FGrid; }
  void SetGrid(TtsCustomDBGrid* Value) { FGrid = Value; }
  TtsSetList* GetBkmList();
  void ResetBkmList();
  // Binary search over list items Low..High (1-based): on a match Low = High = its item; otherwise
  // High ends at the last item before Bkm and Low at the first after it.
  void GetBkmListPos(const String& Bkm, Integer& Low, Integer& High);
  String First();
  String Last();
  String Next(const String& Bkm);
  String Previous(const String& Bkm);

 protected:
  friend struct ::System::TObjectFactory;
  TtsBookmarkSet() = default;
  void Destroy() override;

 private:
  const String& ItemAt(Integer Index);
  TtsCustomDBGrid* FGrid = nullptr;
  TtsSetList* FBkmList = nullptr;
  Integer FCursor = 0;
};

// The bookmarks a scan met, in the order met (0-based).
class TtsSelectedList : public StringLists::TStringList {
  DECLARE_CLASS(TtsSelectedList, StringLists::TStringList)
 public:
  void AddItem(const String& Bkm) { Add(Bkm); }
  String GetItem(Integer Index) { return Get(Index); }
  void SetItem(Integer Index, const String& Bkm) { Put(Index, Bkm); }
  // Empties every item; the items stay.
  void ClearList();

 protected:
  friend struct ::System::TObjectFactory;
  TtsSelectedList() = default;
};

// The grid's dataset position, saved for the life of a scope and restored however it ends (an
// error while restoring during an unwinding is dropped so that the first one goes on).
class TtsDatasetKeeper {
 public:
  explicit TtsDatasetKeeper(TtsCustomDBGrid* Grid);
  ~TtsDatasetKeeper() noexcept(false);
  TtsDatasetKeeper(const TtsDatasetKeeper&) = delete;
  TtsDatasetKeeper& operator=(const TtsDatasetKeeper&) = delete;

 private:
  TtsCustomDBGrid* FGrid;
  TtsDatasetPosition FPosition;
  int FUnwinding;
};

class TtsDBSelection : public TObject {
  DECLARE_CLASS(TtsDBSelection, TObject)
 public:
  // Takes Source's mode and records; answers whether either selection had rows selected.
  bool Assign(TtsDBSelection* Source);
  bool RowsSelected() const;
  // Mirrors the selection in the grid status and drops the strategy's cached row states.
  void CheckRowsSelected();
  void ResetAll();
  bool GetUseRangeSelection() const { return FUseRangeSelection; }
  // A change of mode empties a non-empty selection.
  void SetUseRangeSelection(bool UseRange);
  void SetAllSelected(bool Value) { FAllSelected = Value; }
  bool GetAllSelected();

  // By bookmarks; ignored (with ordered bookmarks) when Start sorts after End.
  void AddSelection(const String& StartBkm, const String& EndBkm, bool& Changed);
  void RemoveSelection(const String& StartBkm, const String& EndBkm, bool& Changed);
  void UpdateSelection(const String& StartBkm, const String& EndBkm, bool Select);
  void ChangeSelection(const String& StartBkm, const String& EndBkm);
  // By positions.
  void AddBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void RemoveBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void UpdateBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool Select);
  void ChangeBkmPosSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, TtsCombineRange Combine);
  // Set mode: toggles the records of buffer lines FromLine..ToLine.
  void ChangeRownrSelection(Integer FromLine, Integer ToLine);
  void SetSelected(const String& Bkm, bool Select);

  bool GetSelected(const Variant& DataRow);
  void GetFirst(Variant& DataRow);
  void GetLast(Variant& DataRow);
  void GetFirstBkmPos(TtsBkmPos& Pos);
  void GetLastBkmPos(TtsBkmPos& Pos);
  void Next(const Variant& DataRow, Variant& Result);
  void Previous(const Variant& DataRow, Variant& Result);
  Integer RangeCount(const Variant& FromRow, const Variant& ToRow);
  Integer Count();

  // Set mode: adds or removes a scanned list, reporting each record; a cancel or an error leaves
  // the bookmarks as they were.
  void AddSelectedList(TtsSelectedList* List, bool Reset, bool ScanAll, bool& Cancel);
  void DeleteSelectedList(TtsSelectedList* List, bool ScanAll, bool& Cancel);

  Integer GetRangesInUse() const { return static_cast<Integer>(FRanges.size()); }
  const TtsSelectedRange& GetRange(Integer Index) const { return FRanges[static_cast<size_t>(Index - 1)]; }
  TtsBookmarkSet* GetBookmarkSet() const { return FBookmarkSet; }

 protected:
  friend class TtsCustomDBGrid;
  friend struct ::System::TObjectFactory;
  explicit TtsDBSelection(TtsCustomDBGrid* Grid = nullptr, TSGrid::TtsSelection* RowSelection = nullptr)
      : FGrid(Grid), FRowSelection(RowSelection) {}
  void Construct() override;
  void Destroy() override;

 private:
  bool Bound() const;
  TtsGridData* Data() const;
  bool OrderedArguments(const String& StartBkm, const String& EndBkm);
  // Range mode.
  void AddRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void RemoveRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void ChangeRangeSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, TtsCombineRange Combine);
  void SearchRangeIndex(Integer Low, Integer High, bool& Found, Integer& Index, TtsBkmPos Pos);
  // The first range that does not end before the range's start and the last that does not start
  // after its end (Last < First: it overlaps nothing).
  void CompRangeIndexes(const TtsSelectedRange& Range, Integer& First, Integer& Last, bool& StartInside,
                        bool& EndInside);
  bool CombinePrevRange(TtsBkmPos& Pos, Integer& Index, bool Adopt);
  bool CombineNextRange(TtsBkmPos& Pos, Integer& Index, bool Adopt);
  void InsertNewRange(Integer Index, const TtsSelectedRange& Range, TtsCombineRange Combine);
  void CombineRanges(Integer Low, Integer High, const TtsSelectedRange& Range);
  void InvertSelection(const TtsSelectedRange& Range, Integer First, Integer Last, TtsCombineRange Combine);
  bool EmptyPiece(const TtsSelectedRange& Piece);
  // Ranges First..Last are replaced by the pieces that hold records.
  void KeepPieces(Integer First, Integer Last, std::vector<TtsSelectedRange>& Pieces);
  TtsSelectedRange& RangeAt(Integer Index) { return FRanges[static_cast<size_t>(Index - 1)]; }
  // The range buffer grows by 4 entries beyond the need.
  void AdjustRangeBuffer(Integer Needed);
  void NextInRange(const String& Bkm, Variant& Result);
  void PreviousInRange(const String& Bkm, Variant& Result);
  // Set mode.
  void AddSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void RemoveSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool& Changed);
  void ChangeSetSelection(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos);
  void ToggleBookmark(const String& Bkm);
  void ApplyList(TtsSelectedList* List, bool Add, bool Reset, bool ScanAll, bool& Cancel);

  TtsCustomDBGrid* FGrid;
  TSGrid::TtsSelection* FRowSelection;
  TtsBookmarkSet* FBookmarkSet = nullptr;
  std::vector<TtsSelectedRange> FRanges;
  bool FUseRangeSelection = true;
  bool FAllSelected = false;
};

}  // namespace TSDBGrid
