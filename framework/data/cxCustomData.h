// The data controller: the engine of records behind a data-aware view. It keeps one data field per
// view item, holds records in a typed storage or reaches them through a provider and a data
// source, batches change requests, runs the update engine and tells the view what changed.
//
// The controller's sources, by topic: cxCustomData.cpp (lifecycle, items, values, change batching,
// the stream), cxCustomDataNavigation.cpp (rows, focus, selection, bookmarks, search, sorting,
// master-detail) and cxCustomDataEditing.cpp (editing, storage upkeep, comparison).
#pragma once

#include <vector>

#include "Closures.h"
#include "Persistent.h"
#include "Variants.h"
#include "cxCustomDataChangeInfo.h"
#include "cxCustomDataFields.h"
#include "cxCustomDataInfo.h"
#include "cxCustomDataProvider.h"
#include "cxCustomDataSummary.h"

namespace Streams {
class TStream;
}
namespace cxDataStorage {
class TcxDataStorage;
class TcxValueDefReader;
}  // namespace cxDataStorage

namespace cxCustomData {

using cxDataStorage::TcxDataStorage;

enum TcxDataControllerChange {
  dccLayout, dccData, dccFocus, dccSelection, dccDetail, dccSummary, dccSearch, dccSorting, dccGrouping,
  dccSyncMasterPos, dccBookmark, dccUpdateRecord
};
using TcxDataControllerChanges = TSet<TcxDataControllerChange, 16>;

enum TcxDataControllerOption {
  dcoAnsiSort, dcoCaseInsensitive, dcoAssignGroupingValues, dcoAssignMasterDetailKeys, dcoSaveExpanding,
  dcoSortByDisplayText, dcoFocusTopRowAfterSorting, dcoGroupsAlwaysExpanded, dcoImmediatePost,
  dcoInsertOnNewItemRowFocusing
};
using TcxDataControllerOptions = TSet<TcxDataControllerOption, 16>;

enum TcxDataControllerEditKind { dceInsert, dceEdit, dceChanging, dceModified };
using TcxDataControllerEditState = TSet<TcxDataControllerEditKind, 8>;
enum TcxDataControllerEditOperation { dceoAppend, dceoDelete, dceoEdit, dceoInsert, dceoShowEdit };
using TcxDataControllerEditOperations = TSet<TcxDataControllerEditOperation, 8>;
enum TcxDataControllerDetailMode { dcdmNone, dcdmPattern, dcdmClone };

struct TcxDataChangeInfo {
  TcxDataChange Kind = dcTotal;
  Integer ItemIndex = -1;
  Integer RecordIndex = -1;
};
struct TcxDataSelectionInfo {
  Integer SelectedCount = 0;
  Integer RowIndex = -1;
};

class TcxDataFilterCriteria;
class TcxDataFilterList;
class TcxDataControllerGroups;
class TcxDataControllerSearch;
class TcxSaveObject;

using TcxDataControllerNotifyEvent = TClosure<void(TcxCustomDataController* ADataController)>;
using TcxDataControllerRecordEvent = TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex)>;
using TcxDataRecordChangedEvent =
    TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex, Integer AItemIndex)>;
using TcxDataFilterRecordEvent =
    TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex, bool& Accept)>;
using TcxDataDetailExpandingEvent =
    TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex, bool& AAllow)>;
using TcxDataDetailExpandedEvent = TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex)>;
using TcxDataControllerCompareEvent =
    TClosure<void(TcxCustomDataController* ADataController, Integer ARecordIndex1, Integer ARecordIndex2,
                  Integer AItemIndex, const Variant& V1, const Variant& V2, Integer& Compare)>;
using TcxUpdateControlEvent = TClosure<void(TcxUpdateControlInfo* AInfo)>;
using TcxDataControllerEachRowProc = TClosure<void(Integer ARowIndex, const TcxRowInfo& ARowInfo)>;
using TcxDataControllerEachDetailProc = TClosure<void(TcxCustomDataController* ADataController)>;

// Survives the controller: its Ref becomes nil when the controller is destroyed.
struct TcxDataListenerLink {
  TcxCustomDataController* Ref = nullptr;
};

struct TNotifyEventItem {
  TObject* Instance;
  TNotifyEvent Event;
};

class TcxCustomDataController : public TPersistent {
  DECLARE_CLASS(TcxCustomDataController, TPersistent)
 public:
  explicit TcxCustomDataController(TComponent* AOwner = nullptr) : FOwner(AOwner) {}

  // ---- Lifecycle (cxCustomData.cpp) ----
  void Assign(TPersistent* Source) override;
  virtual void Loaded();
  virtual bool ExecuteAction(TObject* Action) { return false; }
  virtual bool UpdateAction(TObject* Action) { return false; }
  virtual void Destroying() {}
  bool IsDestroyingFlag() const { return FDestroying; }

  // Update locks
  virtual void BeginFullUpdate() { BeginUpdate(); }
  virtual void EndFullUpdate() { EndUpdate(); }
  void BeginUpdate();
  void EndUpdate();
  Integer GetLockCount() const;
  void BeginUpdateFields() { ++FUpdateFieldsLockCount; }
  void EndUpdateFields();
  void LockDataChangedNotify() { ++FDataChangedNotifyLockCount; }
  void UnlockDataChangedNotify() { --FDataChangedNotifyLockCount; }
  virtual bool DataChangedNotifyLocked() { return FDataChangedNotifyLockCount > 0; }
  void LockGridModeNotify();
  void UnlockGridModeNotify();
  void SaveKeys();
  void RestoreKeys();

  // Items and fields
  virtual TObject* GetItem(Integer AIndex) = 0;
  virtual Integer GetItemCount();
  virtual Integer GetItemID(TObject* AItem) { return -1; }
  virtual String GetItemName(TObject* AItem);
  virtual TObject* FindItemByInternalID(Integer AID);
  virtual TObject* FindItemByName(const String& AName);
  virtual TObject* FindProperItemLink(TObject* AItemLink) { return FindItemByInternalID(GetItemID(AItemLink)); }
  virtual TcxCustomDataField* AddItem(TObject* AItem);
  virtual TcxCustomDataField* AddField();
  virtual TcxCustomDataField* AddInternalField();
  virtual void RemoveItem(TObject* AItem);
  virtual void RemoveField(TcxCustomDataField* AField);
  virtual void UpdateItemIndexes();
  virtual void UpdateFields();
  virtual void PrepareField(TcxCustomDataField* AField) {}
  virtual bool ItemPropertiesChanged(Integer AItemIndex);
  virtual void ChangeNeedConversion(Integer AItemIndex, bool Value);
  virtual void ChangeTextStored(Integer AItemIndex, bool Value);
  virtual void ChangeValueTypeClass(Integer AItemIndex, TcxValueTypeClass AClass);
  virtual bool GetItemNeedConversion(Integer AItemIndex) { return false; }
  virtual bool GetItemTextStored(Integer AItemIndex);
  TcxValueTypeClass GetItemValueTypeClass(Integer AItemIndex);
  virtual bool IsDisplayFormatDefined(Integer AItemIndex, bool AIgnoreSimpleCurrency) {
    return GetItemTextStored(AItemIndex);
  }
  virtual bool IsDataField(TcxCustomDataField* AField);
  virtual void RemoveNotification(TComponent* AComponent);
  virtual void DoValueTypeClassChanged(Integer AItemIndex) {}
  virtual TcxDataFilterCriteria* CreateFilter();
  void UpdateItems(bool AUpdateFields);
  void CheckItemRange(Integer AItemIndex);
  TcxCustomDataField* GetField(Integer AItemIndex);  // checked
  TcxCustomDataFieldList* GetFields() const { return FFields; }

  // Data-changed listeners
  void AddDataChangedListener(TObject* AInstance, TNotifyEvent AEvent);
  void RemoveDataChangedListener(TObject* AInstance, TNotifyEvent AEvent);
  void ClearDataChangedListeners();
  bool IsDataChangedListenersExist();
  void AddDataChangeRefCount();
  void RemoveDataChangeRefCount();
  static TcxDataListenerLink* AddListenerLink(TcxCustomDataController* ARef);
  static void RemoveListenerLink(TcxDataListenerLink* ALink);
  bool IsDataLoading();

  // Values
  void CheckRecordRange(Integer ARecordIndex);
  void CheckRange(Integer ARecordIndex, Integer AItemIndex);
  void CheckSelectedCount(Integer ARecordIndex);
  virtual Integer GetRecordCount();
  virtual void SetRecordCount(Integer ACount);
  virtual Variant GetValue(Integer ARecordIndex, Integer AItemIndex);
  virtual String GetDisplayText(Integer ARecordIndex, Integer AItemIndex);
  virtual void SetValue(Integer ARecordIndex, Integer AItemIndex, const Variant& Value);
  virtual void SetDisplayText(Integer ARecordIndex, Integer AItemIndex, const String& AText);
  virtual Variant GetInternalValue(Integer ARecordIndex, TcxCustomDataField* AField);
  // Whether the summaries and the filter may read AField's values of the view's records straight
  // from the storage (TcxDataStorage::GetCompareInfo) instead of as Variants through
  // GetInternalValue and GetFilterDataValue: true when those give the stored value. A descendant
  // that gives other values answers false.
  virtual bool CanReadStoredValues(TcxCustomDataField* AField);
  virtual String GetInternalDisplayText(Integer ARecordIndex, TcxCustomDataField* AField);
  Variant GetStoredValue(Integer ARecordIndex, TcxCustomDataField* AField);
  String GetStoredDisplayText(Integer ARecordIndex, TcxCustomDataField* AField);
  void SetStoredValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value);
  virtual Variant GetRecordId(Integer ARecordIndex);
  virtual Variant GetInternalRecordId(Integer ARecordIndex, const std::vector<TcxCustomDataField*>& AKeyFields);
  virtual void GetKeyFields(std::vector<TcxCustomDataField*>& AList) {}
  virtual Variant GetGroupValue(Integer ARecordIndex, TcxCustomDataField* AField) {
    return GetInternalValue(ARecordIndex, AField);
  }
  virtual void GetGroupValues(Integer ARecordIndex, std::vector<Variant>& AValues);
  Integer AppendRecord();
  Integer InsertRecord(Integer ARecordIndex);
  void DeleteRecord(Integer ARecordIndex);
  virtual void CopyRecord(Integer AFromRecordIndex, Integer AToRecordIndex);
  virtual Integer LoadRecord(cxDataStorage::TcxValueDefReader* AReader);
  virtual Integer AppendInSmartLoad();
  virtual void DeleteInSmartLoad(Integer ARecordIndex);
  virtual void BeginSmartLoad();
  virtual void EndSmartLoad();
  virtual void BeginReadRecord() {}
  virtual void EndReadRecord() {}
  virtual void DoReadRecord(Integer ARecordIndex);
  virtual bool IsSmartLoad() { return false; }
  virtual bool IsSmartRefresh() { return false; }
  virtual bool UseRecordID() { return false; }
  virtual void NotifyDataControllers() {}
  virtual bool SyncDetailsFocusWithMaster() { return false; }
  virtual void CheckDataSetCurrent() {}
  virtual void CheckBrowseMode() {}
  virtual void RefreshExternalData() {}
  virtual void UpdateData() {}
  virtual void DoBeforeFocusedRowChange(Integer ARowIndex) {}
  virtual TClass GetSortingBySummaryEngineClass() { return nullptr; }
  virtual Integer GetDefaultActiveRelationIndex() { return 0; }
  Integer GetFilteredRecordCount() const;
  Integer GetFilteredRecordIndex(Integer AIndex) const;
  Integer GetFilteredIndexByRecordIndex(Integer ARecordIndex) const;
  bool GetIsRowInfoValid() const;

  // Settings objects and modes
  TcxDataFilterCriteria* GetFilter() const { return FFilter; }
  void SetFilter(TcxDataFilterCriteria* Value);
  TcxDataSummary* GetSummary() const { return FSummary; }
  void SetSummary(TcxDataSummary* Value);
  TcxCustomDataSource* GetCustomDataSource() const;
  void SetCustomDataSource(TcxCustomDataSource* Value);
  TcxDataControllerOptions GetOptions() const { return FOptions; }
  void SetOptions(TcxDataControllerOptions Value);
  virtual bool IsProviderMode();
  virtual bool IsUnboundMode();
  bool IsGridMode();
  bool IsDataBound();
  virtual bool IsProviderDataSource();
  virtual bool IsKeyNavigation();
  bool IsRecordID();
  void UpdateUseRecordIDState();
  virtual bool IsImmediatePost();
  virtual bool IsFocusedSelectedMode() { return !FMultiSelect; }
  virtual bool IsLoading();
  virtual bool IsDestroying();
  bool IsReading();
  virtual TClass GetDataProviderClass();
  virtual TClass GetDataSelectionClass();
  virtual TClass GetFieldClass();
  virtual TClass GetFilterCriteriaClass();
  virtual TClass GetRelationClass();
  virtual TClass GetSearchClass();
  virtual TClass GetSummaryClass();
  virtual TClass GetSummaryItemClass();
  virtual TClass GetSummaryGroupItemLinkClass();

  // Change batching and notification
  void Change(TcxDataControllerChanges AChanges);
  void CheckChanges();
  virtual void Unlocked() {}
  virtual void UpdateControl(TcxUpdateControlInfo* AInfo);
  virtual void DataChanged(TcxDataChange ADataChange, Integer AItemIndex, Integer ARecordIndex);
  virtual void DoDataChanged();
  virtual void LayoutChanged(TcxDataLayoutChanges AChanges);
  virtual void ActiveChanged(bool AActive);
  virtual void DataScrolled(Integer ADistance);
  virtual void FilterChanged();
  virtual void SummaryChanged(bool ARedrawOnly);
  virtual void Refresh();
  void SortByDisplayTextChanged() { Refresh(); }
  virtual bool LockOnAfterSummary();
  virtual void UpdateFocused();
  void BeforeGroupingNotification();
  void CorrectPrevSelectionChangedInfo();
  void ResetDataChangeInfo();
  const TcxDataChangeInfo& GetDataChangeInfo() const { return FDataChangeInfo; }
  void DataStorageClearInternalRecords(TObject* Sender);
  void DoGroupingChanged();
  void DoSortingChanged();

  // The stream
  void SaveToStream(Streams::TStream* AStream);
  void LoadFromStream(Streams::TStream* AStream);

  // Events' dispatchers
  virtual void DoAfterCancel();
  virtual void DoAfterDelete();
  virtual void DoAfterInsert();
  virtual void DoAfterPost();
  virtual void DoBeforeCancel();
  virtual void DoBeforeDelete(Integer ARecordIndex);
  virtual void DoBeforeInsert();
  virtual void DoBeforePost();
  virtual bool DoFilterRecord(Integer ARecordIndex);
  virtual bool IsFilterRecord() { return static_cast<bool>(FOnFilterRecord); }
  virtual void DoNewRecord(Integer ARecordIndex);

  // ---- Rows, focus, navigation, selection, search, sorting, master-detail (cxCustomDataNavigation.cpp) ----
  Integer GetRowCount();
  TcxRowInfo GetRowInfo(Integer ARowIndex);
  Integer GetNearestRowIndex(Integer ARowIndex);
  Integer GetRowIndexByRecordIndex(Integer ARecordIndex, bool AMakeVisible);
  Integer MakeRecordVisible(Integer ARecordIndex) { return GetRowIndexByRecordIndex(ARecordIndex, true); }
  Variant GetRowValue(const TcxRowInfo& ARowInfo, Integer AItemIndex);
  String GetRowDisplayText(const TcxRowInfo& ARowInfo, Integer& AItemIndex);
  virtual void ForEachRow(bool ASelectedRows, const TcxDataControllerEachRowProc& AProc);
  virtual Variant GetRowId(Integer ARowIndex) { return ARowIndex; }
  Integer GetFocusedRowIndex() const;
  void SetFocusedRowIndex(Integer ARowIndex) { ChangeFocusedRowIndex(ARowIndex); }
  Integer GetFocusedRecordIndex() const;
  void SetFocusedRecordIndex(Integer ARecordIndex) { ChangeFocusedRecordIndex(ARecordIndex); }
  bool ChangeFocusedRowIndex(Integer ARowIndex);
  bool ChangeFocusedRecordIndex(Integer ARecordIndex);
  virtual Integer GetActiveRecordIndex() { return GetFocusedRecordIndex(); }
  virtual Integer GetRecordIndex();
  Integer GetLastRecordIndex();
  void CheckNearestFocusRow();
  void CheckFocusedRow();
  virtual bool FocusSelectedRow(Integer AIndex);
  void FocusDetails(Integer ARecordIndex);
  virtual void SetFocus() {}
  void GotoFirst();
  void GotoLast();
  void GotoNext();
  void GotoPrev();
  Integer MoveBy(Integer ADistance);
  bool IsBOF();
  bool IsEOF();
  void Scroll(Integer ADistance);
  virtual void SaveDataSetPos();
  virtual void RestoreDataSetPos();
  // Bookmarks
  void SaveBookmark();
  void ClearBookmark();
  void GotoBookmark();
  virtual bool IsBookmarkAvailable() { return FBookmarkRecordIndex != -1; }
  virtual bool IsBookmarkRow(Integer ARowIndex);
  virtual void CheckBookmarkValid(Integer ARecordIndex);
  virtual bool InternalCheckBookmark(Integer ARecordIndex);
  virtual void InternalClearBookmark();
  virtual void InternalGotoBookmark();
  virtual void InternalSaveBookmark();
  Integer GetBookmarkRecordIndex() const { return FBookmarkRecordIndex; }
  // Incremental filter and text search
  Integer SetIncrementalFilter(Integer AItemIndex, const String& AText);
  virtual bool IsIncrementalFilter();
  virtual void ResetIncrementalFilter();
  bool ChangeIncrementalFilterText(const String& AText);
  virtual String GetIncrementalFilterText() { return FIncrementalFilterText; }
  virtual bool DoIncrementalFilterRecord(Integer ARecordIndex);
  virtual Variant GetFilterDataValue(Integer ARecordIndex, TcxCustomDataField* AField) {
    return GetInternalValue(ARecordIndex, AField);
  }
  virtual String GetFilterItemFieldCaption(TObject* AItem) { return String(); }
  virtual String GetFilterItemFieldName(TObject* AItem) { return GetFilterItemFieldCaption(AItem); }
  virtual String GetFilterDisplayText(Integer ARecordIndex, Integer AItemIndex) {
    return GetDisplayText(ARecordIndex, AItemIndex);
  }
  virtual String GetIncrementalSearchText(Integer ARecordIndex, Integer AItemIndex) {
    return GetDisplayText(ARecordIndex, AItemIndex);
  }
  virtual bool DoSearchInGridMode(const String& AText, bool AForward, bool ANext);
  virtual Integer FindRecordIndexByText(Integer AStartIndex, Integer AItemIndex, const String& AText,
                                        bool APartialCompare, bool ACircular, bool AForward);
  // Sorting
  void ChangeSorting(Integer AItemIndex, TcxDataSortOrder ASortOrder);
  void ChangeItemSortingIndex(Integer AItemIndex, Integer AIndex);
  void ClearSorting(bool AKeepGroupedItems);
  TcxDataSortOrder GetItemSortOrder(Integer AItemIndex);
  Integer GetItemSortingIndex(Integer AItemIndex);
  Integer GetSortingItemCount();
  Integer GetSortingItemIndex(Integer AIndex);
  virtual bool GetItemSortByDisplayText(Integer AItemIndex, bool ASortByDisplayText) { return false; }
  void SetSortingBySummaryDataItemIndex(Integer AItemIndex);
  Integer GetSortingBySummaryDataItemIndex();
  void DoSortingBySummaryChanged();
  // Selection
  Integer GetSelectedCount();
  virtual Integer GetSelectedRowIndex(Integer AIndex);
  bool IsRowSelected(Integer ARowIndex);
  virtual void ChangeRowSelection(Integer ARowIndex, bool ASelection);
  void ClearSelection();
  virtual void ClearSelectionAnchor();
  virtual Integer GetSelectionAnchorRowIndex();
  virtual bool IsSelectionAnchorExist() { return GetSelectionAnchorRowIndex() != -1; }
  virtual void SetSelectionAnchor(Integer ARowIndex);
  virtual void SelectAll();
  void SelectRows(Integer AFromRowIndex, Integer AToRowIndex);
  virtual void SelectFromAnchor(Integer ARowIndex, bool AKeepSelection);
  void SyncSelected(bool ASelected);
  virtual void SyncSelectionFocusedRecord();
  void CheckFocusedSelected();
  virtual bool CanSelectRow(Integer ARowIndex) { return true; }
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  // Master-detail
  TcxCustomDataRelationList* GetRelations();
  TcxDataControllerDetailMode GetDetailMode();
  bool GetIsPattern() { return GetDetailMode() == dcdmPattern; }
  virtual bool IsDetailMode() { return FMasterRelation != nullptr; }
  virtual TcxCustomDataController* GetMasterDataController();
  virtual Integer GetMasterRecordIndex() { return FMasterRecordIndex; }
  virtual TcxCustomDataRelation* GetMasterRelation() { return FMasterRelation; }
  TcxCustomDataController* GetRootDataController();
  TcxCustomDataController* GetPatternDataController();
  virtual TObject* CreateDetailLinkObject(TcxCustomDataRelation* ARelation, Integer ARecordIndex) { return nullptr; }
  virtual TcxCustomDataController* GetDetailDataControllerByLinkObject(TObject* ALinkObject) { return nullptr; }
  TObject* GetDetailLinkObject(Integer ARecordIndex, Integer ARelationIndex);
  TcxCustomDataController* GetDetailDataController(Integer ARecordIndex, Integer ARelationIndex);
  bool IsDetailDataControllerExist(Integer ARecordIndex, Integer ARelationIndex);
  Integer GetDetailActiveRelationIndex(Integer ARecordIndex);
  void ChangeDetailActiveRelationIndex(Integer ARecordIndex, Integer ARelationIndex);
  bool GetDetailExpanding(Integer ARecordIndex);
  bool ChangeDetailExpanding(Integer ARecordIndex, bool AExpanded);
  virtual bool CanChangeDetailExpanding(Integer ARecordIndex, bool AExpanded);
  void CollapseDetails();
  void ClearDetails();
  void ClearDetailLinkObject(Integer ARecordIndex, Integer ARelationIndex);
  bool GetDetailHasChildren(Integer ARecordIndex, Integer ARelationIndex);
  void ResetHasChildrenFlag();
  void ResetMasterHasChildrenFlag();
  virtual void ResetRelationByItem(TObject* AItem);
  virtual void SetMasterRelation(TcxCustomDataRelation* ARelation, Integer AMasterRecordIndex);
  void SetMasterMode(TcxCustomDataRelation* ARelation, bool AIsPattern);
  void SetIsPattern(bool AValue);
  void ForEachDetail(TcxCustomDataRelation* ARelation, const TcxDataControllerEachDetailProc& AProc);
  virtual void CorrectAfterInsert(Integer ARecordIndex);
  virtual void CorrectAfterDelete(Integer ARecordIndex);
  void ClearDetailsMasterRelation(TcxCustomDataRelation* ARelation);
  virtual void UpdateRelations(TcxCustomDataRelation* ARelation);
  virtual void DoDetailExpanding(Integer ARecordIndex, bool& AAllow);
  virtual void DoDetailExpanded(Integer ARecordIndex);
  virtual void DoDetailCollapsing(Integer ARecordIndex, bool& AAllow);
  virtual void DoDetailCollapsed(Integer ARecordIndex);
  bool IsCreatingLinkObject() const { return FCreatingLinkObject; }

  // ---- Editing, storage upkeep, comparison (cxCustomDataEditing.cpp) ----
  virtual TcxDataControllerEditState GetEditState();
  virtual TcxDataControllerEditOperations GetEditOperations();
  bool GetIsEditing();
  virtual void Append();
  virtual void Insert();
  virtual void Edit();
  virtual void Post();
  virtual void Cancel();
  virtual void DeleteFocused();
  virtual void DeleteSelection();
  void DeleteFocusedRecord();
  void DeleteRecords(std::vector<Integer> AList);
  virtual bool CanInitEditing(Integer AItemIndex);
  virtual Variant GetEditValue(Integer AItemIndex, TcxDataEditValueSource AEditValueSource);
  virtual bool SetEditValue(Integer AItemIndex, const Variant& Value, TcxDataEditValueSource AEditValueSource);
  virtual TcxDataEditValueSource GetItemValueSource(Integer AItemIndex) { return evsText; }
  virtual void PostEditingData();
  virtual void FocusControl(Integer AItemIndex, bool& Done) { Done = false; }
  virtual Integer GetEditingRecordIndex();
  virtual Integer CalcEditingRecordIndex();
  virtual void CheckEditingRecordIndex(Integer ARecordIndex);
  virtual Integer GetNewItemRecordIndex();
  bool IsNewItemRecordIndex(Integer ARecordIndex);
  bool GetUseNewItemRowForEditing() const { return FUseNewItemRowForEditing; }
  void SetUseNewItemRowForEditing(bool Value);
  bool GetNewItemRowFocused();
  void SetNewItemRowFocused(bool Value);
  void ResetNewItemRowFocused();
  virtual void BeforeSorting();
  virtual bool CanFocusRecord(Integer ARecordIndex);
  virtual bool CheckMasterBrowseMode() { return true; }
  virtual void CheckDetailsBrowseMode();
  virtual void LoadStorage();
  virtual void RestructData();
  void UpdateStorage(bool AUpdateFields);
  void CheckMode();
  virtual void SyncMasterPos();
  virtual void ProviderValueDefSetProc(TcxValueDef* AValueDef, Integer AFromRecordIndex, Integer AToRecordIndex,
                                       cxDataStorage::TcxValueDefReader* AReader);
  // Whether the view may be sorted by the stored values of the sort items read once into key
  // columns, which orders exactly as CompareRecords does here (no compare event, no conversion,
  // no provider, no record being inserted in place). A descendant that compares records otherwise
  // answers false.
  virtual bool CanSortByStoredValues();
  // Whether a sort may read the values of each record once (the stored value where the native
  // comparison applies, GetComparedValue where the values are converted and no compare event
  // takes part) and compare them as CompareByField does. A descendant that compares records or
  // reads compared values otherwise answers false.
  virtual bool CanSortByComparedValues() { return true; }
  // How CompareByField orders AField's values during a sort: by the stored values, by the compared
  // values without an event (CompareComparedValues), or only pair by pair.
  enum TcxFieldComparison { fcStoredValues, fcComparedValues, fcPairwise };
  TcxFieldComparison GetFieldComparison(TcxCustomDataField* AField);
  // The order of two compared values without a compare event: texts by the string options, anything
  // else by the Variant comparison.
  Integer CompareComparedValues(const Variant& V1, const Variant& V2);
  virtual Integer CompareRecords(Integer ARecordIndex1, Integer ARecordIndex2, const TcxDataSortInfo& ASortInfo,
                                 TcxDataControllerComparisonMode AMode);
  virtual Integer CompareEqualRecords(Integer ARecordIndex1, Integer ARecordIndex2) {
    return ARecordIndex1 - ARecordIndex2;
  }
  virtual Integer CompareByField(Integer ARecordIndex1, Integer ARecordIndex2, TcxCustomDataField* AField,
                                 TcxDataControllerComparisonMode AMode);
  virtual Variant GetComparedValue(Integer ARecordIndex, TcxCustomDataField* AField);
  virtual bool IsConversionNeededForCompare(TcxCustomDataField* AField);
  virtual bool IsFilterItemSortByDisplayText(Integer AItemIndex);
  virtual bool IsStringConversionNeeded(TcxCustomDataField* AField);
  virtual bool IsSortByDisplayTextNeeded(TcxCustomDataField* AField);
  Integer FindRecordByFields(Integer ARecordIndex, const std::vector<TcxCustomDataField*>& AFields);
  Integer FindGroupRecord(Integer ARecordIndex, Integer ALevelCount);
  void CheckInternalRecordRange(Integer ARecordIndex);

  // ---- Parts ----
  TComponent* GetOwnerComponent() const { return FOwner; }
  TcxDataStorage* GetDataStorage() const { return FDataStorage; }
  TcxCustomDataProvider* GetProvider() const { return FProvider; }
  TcxCustomDataControllerInfo* GetDataControllerInfo() const { return FDataControllerInfo; }
  TcxDataControllerGroups* GetGroups() const { return FGroups; }
  TcxDataControllerSearch* GetSearch() const { return FSearch; }
  TcxDataFilterList* GetFilters() const { return FFilters; }
  TcxDataControllerNotifier* GetNotifier() const { return FNotifier; }
  TcxCustomDataField* GetRecordHandlesField() const { return FRecordHandlesField; }
  Integer GetNearestRecordIndex() const { return FNearestRecordIndex; }
  void SetNearestRecordIndex(Integer Value) { FNearestRecordIndex = Value; }
  bool IsDeletingSelection() const { return FInDeleteSelection; }
  bool IsCancelling() const { return FInCancel; }
  bool InNotifyControl() const { return FInNotifyControl; }
  bool InSetCustomDataSource() const { return FInSetCustomDataSource; }
  bool InInternalFindRecord() const { return FInternalFindRecord; }
  void SetInternalFindRecord(bool Value) { FInternalFindRecord = Value; }
  bool GetInSmartLoad() const { return FInSmartLoad; }
  bool GetInLoadStorage() const { return FInLoadStorage; }
  void SetAfterSummaryFlag(bool Value) { FAfterSummaryFlag = Value; }
  void SetInSetCustomDataSourceFlag(bool Value) { FInSetCustomDataSource = Value; }
  // Deletes the records of the selected rows with the in-delete-selection flag raised.
  void DeleteRecordsOfSelection(const std::vector<Integer>& AList);
  void SetInSmartLoad(bool Value) { FInSmartLoad = Value; }

  // Flags the update engine reads and clears
  bool GroupingChangedFlag = false;
  bool SortingChangedFlag = false;
  bool FilterChangedFlag = false;
  bool SortingBySummaryChangedFlag = false;
  bool CheckFocusingAfterFilterNeeded = false;
  bool LoadedStorage = false;

  // Events
  TcxDataControllerNotifyEvent OnAfterCancel, OnAfterDelete, OnAfterInsert, OnAfterPost, OnBeforeCancel,
      OnBeforeInsert, OnBeforePost, OnDataChanged, OnGroupingChanged, OnSortingChanged;
  TcxDataControllerRecordEvent OnBeforeDelete, OnNewRecord;
  TcxDataControllerCompareEvent OnCompare;
  TcxDataRecordChangedEvent OnRecordChanged;
  TcxDataDetailExpandingEvent OnDetailExpanding, OnDetailCollapsing;
  TcxDataDetailExpandedEvent OnDetailExpanded, OnDetailCollapsed;
  TcxUpdateControlEvent OnUpdateControl;
  TcxDataFilterRecordEvent GetOnFilterRecord() const { return FOnFilterRecord; }
  void SetOnFilterRecord(TcxDataFilterRecordEvent Value);

 protected:
  friend class TcxCustomDataControllerInfo;
  friend class TcxDataControllerSearch;
  void Construct() override;
  void BeforeDestruction() override;
  void Destroy() override;
  TPersistent* GetOwner() override;
  void Update();
  void NotifyControl(TcxUpdateControlInfo* AInfo);
  void DataNotification();
  void LayoutNotification();
  void FocusedNotification();
  void SelectionNotification();
  void SearchNotification();
  void BookmarkNotification();
  void UpdateRecordNotification();
  void NotifyDataChangedListeners();
  void NotifyListenerLinks();
  void CancelSearch();
  void LoadRecords();

 private:
  TComponent* FOwner;
  std::vector<TNotifyEventItem>* FDataChangedListeners = nullptr;
  TcxDataStorage* FDataStorage = nullptr;
  TcxDataControllerGroups* FGroups = nullptr;
  TcxCustomDataFieldList* FFields = nullptr;
  TcxDataFilterList* FFilters = nullptr;
  TcxDataFilterCriteria* FFilter = nullptr;
  TcxDataControllerSearch* FSearch = nullptr;
  TcxDataSummary* FSummary = nullptr;
  TcxCustomDataProvider* FProvider = nullptr;
  TcxCustomDataControllerInfo* FDataControllerInfo = nullptr;
  TcxDataControllerNotifier* FNotifier = nullptr;
  TcxCustomDataRelationList* FRelations = nullptr;
  std::vector<TcxDataListenerLink*>* FListenerLinks = nullptr;

  bool FActive = false;
  bool FAfterSummaryFlag = false;
  Integer FBookmarkRecordIndex = -1;
  bool FDataChangedFlag = false;
  Integer FDataChangedNotifyLockCount = 0;
  TcxDataControllerChanges FChanges;
  TcxCustomDataController* FCreatingDetailController = nullptr;
  bool FCreatingLinkObject = false;
  Integer FDataChangeRefCount = 0;
  bool FIsPatternRequested = false;
  bool FIsPattern = false;
  bool FDestroying = false;
  bool FFocusedSelected = true;
  TcxCustomDataField* FIncrementalFilterField = nullptr;
  String FIncrementalFilterText;
  TcxCustomDataField* FIncrementalSearchField = nullptr;
  bool FIncrementalSearching = false;
  String FIncrementalSearchText;
  bool FInCancel = false;
  bool FInLoadStorage = false;
  bool FInNotifyControl = false;
  bool FInSortingChangedEvent = false;
  bool FInternalFindRecord = false;
  bool FIsDetailExpanding = false;
  bool FInSetCustomDataSource = false;
  bool FInSmartLoad = false;
  bool FInDeleteSelection = false;
  bool FInFocusDetails = false;
  Integer FGridModeNotifyLockCount = 0;
  Integer FUpdateFieldsLockCount = 0;
  bool FUpdateFieldsPending = false;
  Integer FNewItemRecordIndex = 0;
  bool FNewItemRowFocused = false;
  Integer FMasterRecordIndex = -1;
  TcxCustomDataRelation* FMasterRelation = nullptr;
  bool FMultiSelect = false;
  TcxDataControllerOptions FOptions;
  TcxDataSelectionInfo FSelectionInfo;
  TcxDataSelectionInfo FPrevSelectionInfo;
  TcxCustomDataField* FRecordHandlesField = nullptr;
  bool FRecreatingLinkObject = false;
  TcxSaveObject* FSaveObject = nullptr;
  Integer FSaveObjectLockCount = 0;
  TcxCustomDataField* FSortingBySummaryField = nullptr;
  bool FStructureChanged = false;
  bool FStructureRecreated = false;
  bool FUpdateItems = false;
  bool FUseNewItemRowForEditing = false;
  TcxDataFilterRecordEvent FOnFilterRecord;
  TcxDataChangeInfo FDataChangeInfo;
  bool FDataChangePending = false;  // a change arrived since the last reset
  Integer FNearestRecordIndex = -1;
  bool FInUpdateItems = false;
  bool FInDataNotification = false;

  friend class TcxDataControllerSearchAccess;
  friend class TcxSelectedKeys;
  friend class TcxDetailKeys;
};

}  // namespace cxCustomData

using namespace cxCustomData;
