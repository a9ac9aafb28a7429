// The view's record list and the tree of groups laid over it: sorting the list with a record
// comparison, compacting it through record filters, building the groups of a sorted list level by
// level, and mapping rows to group rows and data rows as groups expand and collapse.
//
// The tree is one flat array in depth-first order (every group followed by its subtree). For a
// group above the last level, first and last are the item indexes of its subtree; for a group of
// the last level they are positions in the record list.
#pragma once

#include <utility>
#include <vector>

#include "Closures.h"
#include "Variants.h"

namespace cxDataGroups {

// The records of a view, in view order (record indexes; negative ones are internal records).
using TcxRecordList = std::vector<Integer>;

struct TcxRowInfo {
  bool Expanded = false;
  Integer Level = 0;
  Integer RecordIndex = 0;  // from the tree: a record-list position
};

class TcxDataGroupInfo : public TObject {
  DECLARE_CLASS(TcxDataGroupInfo, TObject)
 public:
  Integer RowIndex = 0;
  bool Expanded = false;
  Integer Level = 0;
  Integer FirstIndex = 0;
  Integer LastIndex = 0;
  Variant SummaryValues;
};

class TcxDataGroups : public TObject {
  DECLARE_CLASS(TcxDataGroups, TObject)
 public:
  // Structure
  void AddField(TObject* AField) { FFields.push_back(AField); }
  Integer FieldCount() const { return static_cast<Integer>(FFields.size()); }
  TObject* GetField(Integer AIndex) const { return FFields.at(static_cast<size_t>(AIndex)); }
  TcxDataGroupInfo* AddEmpty();
  TcxDataGroupInfo* Add(const TcxDataGroupInfo* AGroupInfo);  // a copy
  void Clear();       // the items and the fields
  void ClearItems();
  Integer ItemCount() const { return static_cast<Integer>(FItems.size()); }
  TcxDataGroupInfo* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  void SetItem(Integer AIndex, TcxDataGroupInfo* AGroupInfo) { FItems.at(static_cast<size_t>(AIndex)) = AGroupInfo; }

  // Rows
  void Rebuild();
  Integer Find(Integer ARowIndex, TcxDataGroupInfo*& AGroupInfo) const;
  Integer GetRowCount() const;
  TcxRowInfo GetRowInfo(Integer ARowIndex) const;
  TcxDataGroupInfo* GetTopVisibleItem(Integer ARowIndex, Integer& AIndex) const;
  bool IsVisible(Integer AIndex) const;
  bool MakeVisible(Integer AIndex, bool AExpandSelf);
  void ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive);
  void FullExpanding(bool AExpanded);

  // Navigation (an index out of range gives -1, or 0 for a count)
  Integer GetChildCount(Integer AIndex) const;
  Integer GetChildIndex(Integer AIndex, Integer AChildIndex) const;
  Integer GetChildRecordListIndex(Integer AIndex, Integer AChildIndex) const;
  Integer GetFirstLevelCount() const;
  Integer GetFirstLevelIndex(Integer AIndex) const;
  Integer GetParentIndex(Integer AIndex) const;
  Integer GetLevel(Integer AIndex) const;
  Integer GetDataRecordListIndex(const TcxDataGroupInfo* AGroupInfo) const;
  Integer FindByIndex(Integer AListIndex, Integer ALevel) const;
  Integer GetIndexByRowIndex(Integer ARowIndex) const { return GetIndexByRowIndexLevel(ARowIndex, -1); }
  Integer GetIndexByRowIndexLevel(Integer ARowIndex, Integer ALevel) const;

 protected:
  void Destroy() override;

 private:
  bool IsLastLevel(const TcxDataGroupInfo* G) const { return G->Level >= FieldCount() - 1; }
  bool InRange(Integer AIndex) const { return AIndex >= 0 && AIndex < ItemCount(); }
  Integer FindItem(Integer ARowIndex, Integer& AGroupIndex) const;
  void RebuildLevel(Integer& AIndex, Integer ALevel, bool AVisible, Integer& ARow);

  std::vector<TObject*> FFields;
  std::vector<TcxDataGroupInfo*> FItems;
};

// Orders two records: negative, zero or positive. It may be inconsistent (a user event, a failed
// conversion): the sort still stays within the list and ends.
using TcxRecordCompare = TClosure<Integer(Integer ARecordIndex1, Integer ARecordIndex2)>;
// Whether two records fall into different groups at a grouping level (non-zero when they do).
using TcxGroupCompare = TClosure<Integer(Integer ARecordIndex1, Integer ARecordIndex2, Integer ALevel)>;
using TcxRecordFilter = TClosure<bool(Integer ARecordIndex)>;  // true: the record is dropped

// Partition sort of AList[L..R] in place; not stable (order among equal keys comes from ACompare).
// At most a small multiple of n log n comparisons whatever the order of the list.
void QuickSortList(TcxRecordList& AList, Integer L, Integer R, const TcxRecordCompare& ACompare);

namespace cxSortDetail {

// Runs shorter than this are finished by insertion.
constexpr Integer InsertionRun = 16;

template <class TCompare>
void InsertionSort(Integer* A, Integer N, TCompare& ACompare) {
  for (Integer I = 1; I < N; ++I) {
    const Integer V = A[I];
    Integer J = I;
    for (; J > 0 && ACompare(V, A[J - 1]) < 0; --J) A[J] = A[J - 1];
    A[J] = V;
  }
}

template <class TCompare>
void SiftDown(Integer* A, Integer ARoot, Integer N, TCompare& ACompare) {
  const Integer V = A[ARoot];
  for (Integer AChild; (AChild = 2 * ARoot + 1) < N; ARoot = AChild) {
    if (AChild + 1 < N && ACompare(A[AChild], A[AChild + 1]) < 0) ++AChild;
    if (ACompare(V, A[AChild]) >= 0) break;
    A[ARoot] = A[AChild];
  }
  A[ARoot] = V;
}

template <class TCompare>
void HeapSort(Integer* A, Integer N, TCompare& ACompare) {
  for (Integer I = N / 2; I-- > 0;) SiftDown(A, I, N, ACompare);
  for (Integer I = N - 1; I > 0; --I) {
    std::swap(A[0], A[I]);
    SiftDown(A, 0, I, ACompare);
  }
}

// Orders A[X] <= A[Y] <= A[Z], so that the middle one is the median of the three.
template <class TCompare>
void SortThree(Integer* A, Integer X, Integer Y, Integer Z, TCompare& ACompare) {
  if (ACompare(A[Y], A[X]) < 0) std::swap(A[X], A[Y]);
  if (ACompare(A[Z], A[Y]) < 0) {
    std::swap(A[Y], A[Z]);
    if (ACompare(A[Y], A[X]) < 0) std::swap(A[X], A[Y]);
  }
}

// Partitions around the median of the first, middle and last entries; a range that has been split
// ADepth times without shrinking enough is heap-sorted instead, which bounds the work by n log n.
// Every scan is bounded by the range, so a comparison that contradicts itself cannot lead outside
// it, and each step leaves two parts shorter than the range, so the sort ends.
template <class TCompare>
void IntroSort(Integer* A, Integer N, Integer ADepth, TCompare& ACompare) {
  while (N > InsertionRun) {
    if (ADepth-- == 0) {
      HeapSort(A, N, ACompare);
      return;
    }
    SortThree(A, 0, N / 2, N - 1, ACompare);
    const Integer APivot = A[N / 2];
    Integer I = 0, J = N - 1;
    do {
      while (I < N - 1 && ACompare(A[I], APivot) < 0) ++I;
      while (J > 0 && ACompare(A[J], APivot) > 0) --J;
      if (I <= J) {
        std::swap(A[I], A[J]);
        ++I;
        --J;
      }
    } while (I <= J);
    // The smaller part by recursion bounds the stack depth.
    if (J + 1 < N - I) {
      IntroSort(A, J + 1, ADepth, ACompare);
      A += I;
      N -= I;
    } else {
      IntroSort(A + I, N - I, ADepth, ACompare);
      N = J + 1;
    }
  }
  InsertionSort(A, N, ACompare);
}

}  // namespace cxSortDetail

// The same sort over any list of integers with a comparison known at compile time (inlined).
template <class TCompare>
void QuickSortListOf(std::vector<Integer>& AList, Integer L, Integer R, TCompare& ACompare) {
  if (L < 0 || R >= static_cast<Integer>(AList.size()) || R <= L) return;
  const Integer N = R - L + 1;
  Integer ADepth = 0;
  for (Integer K = N; K > 1; K >>= 1) ADepth += 2;
  cxSortDetail::IntroSort(AList.data() + L, N, ADepth, ACompare);
}

// Drops every record that AReject rejects, except AKeptRecord, keeping the order of the rest. The
// records are asked from the last position to the first. Answers whether the list shrank.
bool FilterRecordList(TcxRecordList& AList, Integer AKeptRecord, const TcxRecordFilter& AReject);

// Clears AGroups' items (its fields, one per level, stay) and builds the groups of the sorted
// AList: every group collapsed at the row of a fully collapsed tree. When ACompare raises, the
// exception passes on and the tree is left without items.
void BuildDataGroups(TcxDataGroups* AGroups, const TcxRecordList& AList, const TcxGroupCompare& ACompare);

}  // namespace cxDataGroups

using namespace cxDataGroups;
