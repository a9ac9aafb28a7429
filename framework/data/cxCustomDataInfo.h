// The update engine of a data controller: requests only add change bits, and one pass (when no
// update lock is held) loads the record list, filters, sorts, builds the group tree, keeps the
// focused row, the selection and the expanded groups, and hands the controller its change set.
#pragma once

#include <vector>

#include "Variants.h"
#include "cxCustomDataFields.h"
#include "cxDataGroups.h"
#include "cxDataSortKeys.h"
#include "cxDataSortInfo.h"

namespace cxCustomData {

enum TcxDataControllerInfoChange {
  dcicLoad, dcicGrouping, dcicSorting, dcicFocusedRow, dcicView, dcicExpanding, dcicResetFocusedRow,
  dcicSelection, dcicSummary, dcicFocusedRecord
};
using TcxDataControllerInfoChanges = TSet<TcxDataControllerInfoChange, 16>;

class TcxCustomDataControllerInfo;

// ---- Focus --------------------------------------------------------------------------------------------------
class TcxDataFocusingInfo : public TObject {
  DECLARE_CLASS(TcxDataFocusingInfo, TObject)
 public:
  explicit TcxDataFocusingInfo(TcxCustomDataControllerInfo* AInfo = nullptr) : FDataControllerInfo(AInfo) {}
  void Assign(const TcxDataFocusingInfo* AInfo);
  void Clear();
  bool IsEqual(const TcxDataFocusingInfo* AInfo) const;
  void ResetPos();
  void SavePos();

  bool Changed = false;
  Integer Level = -1;
  bool PrevNewItemRowFocused = false;
  Integer PrevRecordIndex = -1;
  Integer RecordIndex = -1;
  Integer RowIndex = -1;

 private:
  friend class TcxCustomDataControllerInfo;
  TcxCustomDataControllerInfo* FDataControllerInfo;
};

// ---- Selection ------------------------------------------------------------------------------------------------
struct TcxDataSelectionItem {
  Integer Level;        // -1 for a group row
  Integer RecordIndex;  // a group row: the group's item index
  Integer RowIndex;
};

class TcxDataSelection : public TObject {
  DECLARE_CLASS(TcxDataSelection, TObject)
 public:
  explicit TcxDataSelection(TcxCustomDataController* AController = cxCreatingDataController()) : FDataController(AController) {}
  virtual void ClearAnchor() { AnchorRowIndex = -1; }
  virtual Integer Add(Integer AIndex, Integer ARowIndex, Integer ARecordIndex, Integer ALevel);
  virtual bool FindByRowIndex(Integer ARowIndex, Integer& AIndex) const;

  void Delete(Integer AIndex);
  void Clear();
  void ClearAll();
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxDataSelectionItem& GetItem(Integer AIndex) { return FItems.at(static_cast<size_t>(AIndex)); }
  Integer FindByRecordIndex(Integer ARecordIndex) const;
  Integer FindByGroupIndex(Integer AGroupIndex) const;
  bool IsRecordSelected(Integer ARecordIndex) const { return FindByRecordIndex(ARecordIndex) != -1; }
  bool IsRowSelected(Integer ARowIndex) const;
  void Sort();
  void CheckAfterFiltering(const std::vector<Integer>& ARecordList);
  void SetInternalCount(Integer ACount);
  // Changes without a notice, for the engine's re-mapping.
  void InternalDelete(Integer AIndex) { FItems.erase(FItems.begin() + AIndex); }
  void InternalClear() { FItems.clear(); }
  std::vector<TcxDataSelectionItem>& GetItemsForRemap() { return FItems; }
  TcxCustomDataController* GetDataController() const { return FDataController; }

  Integer AnchorRowIndex = -1;
  TClosure<void()> OnChanged;

 protected:
  void Changed() {
    if (OnChanged) OnChanged();
  }

 private:
  TcxCustomDataController* FDataController;
  std::vector<TcxDataSelectionItem> FItems;
};

// ---- Remembered expansion -------------------------------------------------------------------------------------
enum TcxDataExpandingInfoState { eisExpanded, eisSelected };
using TcxDataExpandingInfoStateSet = TSet<TcxDataExpandingInfoState, 8>;

struct TcxDataExpandingInfo {
  Integer Level;
  Variant Value;
  TcxDataExpandingInfoStateSet State;
};

class TcxDataExpandingInfos : public TObject {
  DECLARE_CLASS(TcxDataExpandingInfos, TObject)
 public:
  explicit TcxDataExpandingInfos(TcxCustomDataController* AController = nullptr) : FDataController(AController) {}
  void AddField(TcxCustomDataField* AField);  // raises "Item already exists" for a present field
  void AddItem(Integer ALevel, const Variant& AValue, TcxDataExpandingInfoStateSet AState);
  void CheckField(TcxCustomDataField* AField);
  void Clear();
  void ClearFields() { FFields.clear(); }
  void ClearValues() { FItems.clear(); }
  Integer Find(TcxCustomDataField* AField) const;
  bool Empty() const { return FItems.empty() || FFields.empty(); }
  Integer FieldCount() const { return static_cast<Integer>(FFields.size()); }
  TcxCustomDataField* GetField(Integer AIndex) const { return FFields.at(static_cast<size_t>(AIndex)); }
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  const TcxDataExpandingInfo& GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }

  TcxDataExpandingInfoStateSet SaveStates;

 private:
  TcxCustomDataController* FDataController;
  std::vector<TcxCustomDataField*> FFields;
  std::vector<TcxDataExpandingInfo> FItems;
};

// ---- The engine -----------------------------------------------------------------------------------------------
class TcxCustomDataControllerInfo : public TObject {
  DECLARE_CLASS(TcxCustomDataControllerInfo, TObject)
 public:
  explicit TcxCustomDataControllerInfo(TcxCustomDataController* AController = nullptr)
      : FDataController(AController) {}
  virtual void TruncateSelection();
  virtual void Update();

  // Locking
  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  void CheckChanges();
  Integer LockCount() const { return FLockCount; }

  // Requests
  void Refresh();
  void RefreshFocused();
  void RefreshSummary(bool ARedrawOnly);
  void ExpandingChanged();
  void FocusedRecordChanged(bool AChangedFlag);
  void GroupingChanged();
  void SelectionChanged();
  void SortingChanged();
  void RemoveField(TcxCustomDataField* AField);
  void UpdateField(TcxCustomDataField* AField);
  void ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder);
  void ChangeSortIndex(TcxCustomDataField* AField, Integer AIndex);
  void ClearSorting(bool AKeepGroupedItems);
  void ChangeGrouping(TcxCustomDataField* AField, Integer AGroupIndex);
  void ClearGrouping();
  bool IsGrouped() const { return FDataGroups->ItemCount() > 0; }
  bool IsAlwaysExpanded() const;
  bool IsSortingBySummary();
  bool IsSummaryForSelectedRecords();

  // The record list of the view
  Integer GetInternalRecordCount() const { return static_cast<Integer>(FRecordList.size()); }
  Integer GetInternalRecordIndex(Integer AListIndex) const { return FRecordList.at(static_cast<size_t>(AListIndex)); }
  Integer GetInternalRecordListIndex(Integer ARecordIndex) const;
  const TcxRecordList& GetRecordList() const { return FRecordList; }

  // Comparison
  Integer CompareRecords(Integer ARecordIndex1, Integer ARecordIndex2);
  Integer CompareGroupRecords(Integer ARecordIndex1, Integer ARecordIndex2, Integer ALevel);
  void PrepareSorting();
  void UnprepareSorting();

  // Rows
  Integer GetRowCount() const;
  TcxRowInfo GetRowInfo(Integer ARowIndex) const;
  void CheckRowIndex(Integer ARowIndex) const;
  Integer FindDataGroup(Integer AListIndex) const;
  Integer GetRowIndexByRecordIndex(Integer ARecordIndex, bool AMakeVisible);
  Integer LocateDetail(Integer AGroupIndex, Integer AListIndex, bool AMakeVisible);
  Integer LocateGroupByLevel(Integer AGroupIndex, Integer ALevel);
  Integer GetNearestRowIndex(Integer ARowIndex) const;
  void ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive);
  void FullExpand();
  void FullCollapse();

  // Focus
  Integer GetFocusedRowIndex() const { return FFocusingInfo->RowIndex; }
  Integer GetFocusedRecordIndex() const;
  Integer GetPrevFocusedRowIndex() const { return FPrevFocusingInfo->RowIndex; }
  Integer GetPrevFocusedRecordIndex() const { return FPrevFocusingInfo->PrevRecordIndex; }
  bool GetNewItemRowFocusingChanged() const { return FPrevFocusingInfo->Changed; }
  void SetFocusedRowIndex(Integer ARowIndex);
  void DoChangeFocusedRow(Integer ARowIndex, bool AForce);
  bool CanFocusedRowChanging(Integer ARowIndex);
  void CorrectFocusedRow(Integer ARowIndex);
  Integer FindFocusedRow(bool AKeepCollapsed);
  void CheckFocusing();
  void CheckFocusingAfterFilter();
  void CheckAfterCollapsing();
  void ResetFocusing();
  bool IsFocusing() const { return FFocusing; }
  bool InCanFocusedRowChanging() const { return FInCanFocusedRowChanging; }
  bool IsCalculating() const { return FCalculating; }

  // Selection
  void ChangeRowSelection(Integer ARowIndex, bool ASelection);
  void ClearSelection();
  void ClearSelectionAnchor() { FSelection->ClearAnchor(); }
  Integer GetSelectedCount() const { return FSelection->Count(); }
  Integer GetSelectedRowIndex(Integer AIndex) const;
  bool IsRowSelected(Integer ARowIndex) const;
  void RecalcSelection();

  // Remembered expansion
  void SaveInfo();
  void SaveExpanding(TcxDataExpandingInfoStateSet ASaveStates);
  void CheckExpanding();
  void ClearInfo() { FExpandingInfo->Clear(); }

  TcxCustomDataController* GetDataController() const { return FDataController; }
  TcxGroupingFieldList* GetGroupingFieldList() const { return FGroupingFieldList; }
  TcxSortingFieldList* GetSortingFieldList() const { return FSortingFieldList; }
  TcxSortingFieldList* GetTotalSortingFieldList() const { return FTotalSortingFieldList; }
  TcxDataGroups* GetDataGroups() const { return FDataGroups; }
  TcxDataSelection* GetSelection() const { return FSelection; }
  TcxDataExpandingInfos* GetExpandingInfo() const { return FExpandingInfo; }
  TcxDataFocusingInfo* GetFocusingInfo() const { return FFocusingInfo; }
  TcxDataFocusingInfo* GetPrevFocusingInfo() const { return FPrevFocusingInfo; }
  TcxDataControllerInfoChanges Changes;

 protected:
  void Construct() override;
  void Destroy() override;
  void DoLoad();
  void DoFilter();
  void DoSort();
  void DoGrouping();
  bool CanGroupByStoredValues(std::vector<cxDataStorage::TcxValueDef*>& ADefs);
  void DoBeginSummary();
  void DoEndSummary();
  void DoSortBySummary();
  void CheckInfo();
  void ForwardChanges();
  void RemapSelection();
  void RestoreExpanding();

 private:
  TcxCustomDataController* FDataController;
  TcxRecordList FRecordList;
  TcxGroupingFieldList* FGroupingFieldList = nullptr;
  TcxSortingFieldList* FSortingFieldList = nullptr;
  TcxSortingFieldList* FTotalSortingFieldList = nullptr;
  TcxDataGroups* FDataGroups = nullptr;
  TcxDataExpandingInfos* FExpandingInfo = nullptr;
  TcxDataFocusingInfo* FFocusingInfo = nullptr;
  TcxDataFocusingInfo* FPrevFocusingInfo = nullptr;
  TcxDataSelection* FSelection = nullptr;
  // The keys of the last sort by stored numbers, for the group building of the same pass.
  TcxSortedKeys FSortedKeys;
  Integer FLockCount = 0;
  bool FExpandingChanged = false;
  bool FFocusing = false;
  bool FInCanFocusedRowChanging = false;
  bool FCalculating = false;
};

class TcxSortingBySummaryEngine : public TObject {
  DECLARE_CLASS(TcxSortingBySummaryEngine, TObject)
 public:
  explicit TcxSortingBySummaryEngine(TcxCustomDataControllerInfo* AInfo = nullptr) : FDataControllerInfo(AInfo) {}
  virtual void Sort() = 0;
  TcxCustomDataControllerInfo* GetDataControllerInfo() const { return FDataControllerInfo; }
  TcxCustomDataController* GetDataController() const { return FDataControllerInfo->GetDataController(); }

 private:
  friend class TcxCustomDataControllerInfo;
  TcxCustomDataControllerInfo* FDataControllerInfo;
};

}  // namespace cxCustomData

using namespace cxCustomData;
