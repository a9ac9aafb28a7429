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
void QuickSortList(TcxRecordList& AList, Integer L, Integer R, const TcxRecordCompare& ACompare);

// The same sort over any list of integers with a comparison known at compile time (inlined). The
// scans stay inside L..R whatever the comparison answers.
template <class TCompare>
void QuickSortListOf(std::vector<Integer>& AList, Integer L, Integer R, TCompare& ACompare) {
  if (L < 0 || R >= static_cast<Integer>(AList.size())) return;
  while (L < R) {
    Integer I = L, J = R;
    const Integer APivot = AList[static_cast<size_t>(static_cast<Cardinal>(L + R) >> 1)];
    do {
      while (I < R && ACompare(AList[static_cast<size_t>(I)], APivot) < 0) ++I;
      while (J > L && ACompare(AList[static_cast<size_t>(J)], APivot) > 0) --J;
      if (I <= J) {
        std::swap(AList[static_cast<size_t>(I)], AList[static_cast<size_t>(J)]);
        ++I;
        --J;
      }
    } while (I <= J);
    if (J - L < R - I) {
      if (L < J) QuickSortListOf(AList, L, J, ACompare);
      L = I;
    } else {
      if (I < R) QuickSortListOf(AList, I, R, ACompare);
      R = J;
    }
  }
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
