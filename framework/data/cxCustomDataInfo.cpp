// The update engine: requests, the pass and its stages (load, filter, summaries) and the row
// operations over the group tree. Sorting, group building and comparison are in
// cxCustomDataInfoSorting.cpp; focus, selection and remembered expansion in cxCustomDataFocus.cpp.
#include "cxCustomDataInfo.h"

#include <algorithm>

#include "Components.h"
#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxDataConsts.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxCustomDataControllerInfo)
IMPLEMENT_ABSTRACT_CLASS(TcxSortingBySummaryEngine)

void TcxCustomDataControllerInfo::Construct() {
  inherited::Construct();
  FGroupingFieldList = New<TcxGroupingFieldList>();
  FGroupingFieldList->OnChanged = [this] { GroupingChanged(); };
  FSortingFieldList = New<TcxSortingFieldList>();
  FSortingFieldList->OnChanged = [this] { SortingChanged(); };
  FTotalSortingFieldList = New<TcxSortingFieldList>();
  FDataGroups = New<TcxDataGroups>();
  FExpandingInfo = New<TcxDataExpandingInfos>(FDataController);
  FFocusingInfo = New<TcxDataFocusingInfo>(this);
  FPrevFocusingInfo = New<TcxDataFocusingInfo>(this);
  FSelection = cxCreateDataControllerPart<TcxDataSelection>(FDataController->GetDataSelectionClass(), FDataController);
  FSelection->OnChanged = [this] { SelectionChanged(); };
}

void TcxCustomDataControllerInfo::Destroy() {
  FreeAndNil(FDataGroups);
  FreeAndNil(FGroupingFieldList);
  FreeAndNil(FSortingFieldList);
  FreeAndNil(FTotalSortingFieldList);
  FreeAndNil(FFocusingInfo);
  FreeAndNil(FPrevFocusingInfo);
  FreeAndNil(FExpandingInfo);
  FreeAndNil(FSelection);
  inherited::Destroy();
}

// ---- Locking and requests ------------------------------------------------------------------------------------

void TcxCustomDataControllerInfo::EndUpdate() {
  --FLockCount;
  CheckChanges();
}

void TcxCustomDataControllerInfo::CheckChanges() {
  if (!Changes.Empty() && FLockCount == 0) Update();
}

void TcxCustomDataControllerInfo::Refresh() {
  Changes.Include(dcicLoad);
  if (!FDataController->LockOnAfterSummary()) Changes.Include(dcicSummary);
  if (FSortingFieldList->Count() > 0) Changes.Include(dcicSorting);
  if (FGroupingFieldList->Count() > 0) Changes.Include(dcicGrouping);
  CheckChanges();
}

void TcxCustomDataControllerInfo::RefreshFocused() {
  Changes.Include(dcicResetFocusedRow);
  FFocusingInfo->ResetPos();
  CheckChanges();
}

void TcxCustomDataControllerInfo::RefreshSummary(bool ARedrawOnly) {
  const bool ASorted = IsSortingBySummary();
  Changes.Include(!ARedrawOnly || ASorted ? dcicSummary : dcicView);
  if (ASorted) Changes.Include(dcicGrouping);
  CheckChanges();
}

void TcxCustomDataControllerInfo::ExpandingChanged() {
  Changes.Include(dcicExpanding);
  FExpandingChanged = true;
}

void TcxCustomDataControllerInfo::FocusedRecordChanged(bool AChangedFlag) {
  Changes.Include(dcicFocusedRecord);
  if (AChangedFlag) FPrevFocusingInfo->Changed = true;
}

void TcxCustomDataControllerInfo::GroupingChanged() { Changes += {dcicGrouping, dcicSorting, dcicSummary}; }

void TcxCustomDataControllerInfo::SortingChanged() { Changes.Include(dcicSorting); }

void TcxCustomDataControllerInfo::SelectionChanged() {
  Changes.Include(dcicSelection);
  const TcxSummaryOptions O = FDataController->GetSummary()->GetOptions();
  if (O.Contains(soSelectedRecords) || O.Contains(soMultipleSelectedRecords)) Changes.Include(dcicSummary);
}

void TcxCustomDataControllerInfo::RemoveField(TcxCustomDataField* AField) {
  FSortingFieldList->ChangeSorting(AField, soNone);
  if (FGroupingFieldList->Find(AField) != -1) FSelection->ClearAll();
  FGroupingFieldList->Remove(AField);
  FGroupingFieldList->UpdateSorting(FSortingFieldList);
  FExpandingInfo->CheckField(AField);
  CheckChanges();
}

void TcxCustomDataControllerInfo::UpdateField(TcxCustomDataField* AField) {
  Changes.Include(dcicView);
  FSortingFieldList->CheckField(AField);
  if (FGroupingFieldList->Find(AField) != -1) FSelection->ClearAll();
  FGroupingFieldList->CheckField(AField);
  FExpandingInfo->CheckField(AField);
  CheckChanges();
}

void TcxCustomDataControllerInfo::ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) {
  FSortingFieldList->ChangeSorting(AField, ASortOrder);
  FGroupingFieldList->UpdateSorting(FSortingFieldList);
  CheckChanges();
}

void TcxCustomDataControllerInfo::ChangeSortIndex(TcxCustomDataField* AField, Integer AIndex) {
  const Integer ACur = FSortingFieldList->Find(AField);
  if (ACur == -1) FSortingFieldList->GetItem(-1);  // the list's index error
  AIndex = std::clamp(AIndex, 0, FSortingFieldList->Count() - 1);
  if (ACur == AIndex) return;
  FSortingFieldList->Move(ACur, AIndex);
  FDataController->BeforeSorting();
  FDataController->SortingChangedFlag = true;
  CheckChanges();
}

void TcxCustomDataControllerInfo::ClearSorting(bool AKeepGroupedItems) {
  const Integer ACount = FSortingFieldList->Count();
  if (AKeepGroupedItems) {
    for (Integer I = ACount - 1; I >= 0; --I)
      if (FGroupingFieldList->Find(FSortingFieldList->GetItem(I).Field) == -1) FSortingFieldList->Delete(I);
  } else {
    FSortingFieldList->Clear();
    FGroupingFieldList->UpdateSorting(FSortingFieldList);
  }
  if (FSortingFieldList->Count() != ACount) {
    FDataController->BeforeSorting();
    FDataController->SortingChangedFlag = true;
  }
  CheckChanges();
}

void TcxCustomDataControllerInfo::ChangeGrouping(TcxCustomDataField* AField, Integer AGroupIndex) {
  FGroupingFieldList->ChangeGrouping(AField, AGroupIndex);
  FGroupingFieldList->UpdateSorting(FSortingFieldList);
  CheckChanges();
}

void TcxCustomDataControllerInfo::ClearGrouping() {
  FGroupingFieldList->Clear();
  CheckChanges();
}

bool TcxCustomDataControllerInfo::IsAlwaysExpanded() const {
  return FDataController->GetOptions().Contains(dcoGroupsAlwaysExpanded);
}

bool TcxCustomDataControllerInfo::IsSummaryForSelectedRecords() {
  const TcxSummaryOptions O = FDataController->GetSummary()->GetOptions();
  return O.Contains(soSelectedRecords) || (O.Contains(soMultipleSelectedRecords) && FDataController->GetSelectedCount() > 1);
}

bool TcxCustomDataControllerInfo::IsSortingBySummary() {
  TcxDataSummary* S = FDataController->GetSummary();
  if (S->GetOptions().Contains(soSelectedRecords) || S->GetOptions().Contains(soMultipleSelectedRecords)) return false;
  for (Integer L = 0; L < FGroupingFieldList->Count(); ++L)
    if (auto* AItems = dynamic_cast<TcxDataGroupSummaryItems*>(S->GetGroupSummaryItems(L)))
      if (AItems->SortedSummaryItem()) return true;
  return false;
}

Integer TcxCustomDataControllerInfo::GetInternalRecordListIndex(Integer ARecordIndex) const {
  for (size_t I = 0; I < FRecordList.size(); ++I)
    if (FRecordList[I] == ARecordIndex) return static_cast<Integer>(I);
  return -1;
}

// ---- The pass ---------------------------------------------------------------------------------------------------

void TcxCustomDataControllerInfo::Update() {
  TcxCustomDataController* C = FDataController;
  FCalculating = true;
  try {
    C->CheckMode();
    if (C->SortingBySummaryChangedFlag) {
      Changes.Include(dcicSorting);
      if (!IsSortingBySummary()) Changes += {dcicGrouping, dcicSummary};
    }
    TComponent* AOwner = C->GetOwnerComponent();
    const bool ASummaryNeeded =
        Changes.Contains(dcicSummary) &&
        !(AOwner && (AOwner->ComponentState().Contains(csReading) || AOwner->ComponentState().Contains(csDestroying)));
    FExpandingChanged = false;
    SaveInfo();
    if (Changes.Contains(dcicLoad)) {
      DoLoad();
      DoFilter();
    }
    if (ASummaryNeeded) DoBeginSummary();
    if (Changes.Contains(dcicGrouping) || Changes.Contains(dcicSorting)) DoSort();
    if (Changes.Contains(dcicGrouping)) {
      C->BeforeGroupingNotification();
      DoGrouping();
    }
    FSortedKeys.Clear();
    if (Changes.Contains(dcicGrouping) || Changes.Contains(dcicSorting)) ResetFocusing();
    CheckInfo();
    if (ASummaryNeeded) DoEndSummary();
    if ((ASummaryNeeded || Changes.Contains(dcicGrouping) || Changes.Contains(dcicSorting)) && IsSortingBySummary()) {
      DoSortBySummary();
      CheckInfo();
    }
  } catch (...) {
    try {
      ClearInfo();
      if (FExpandingChanged) RecalcSelection();
      FCalculating = false;
      ForwardChanges();
    } catch (...) {
    }
    throw;
  }
  ClearInfo();
  if (FExpandingChanged) RecalcSelection();
  if (Changes.Contains(dcicSorting) || Changes.Contains(dcicExpanding)) C->CorrectPrevSelectionChangedInfo();
  FCalculating = false;
  ForwardChanges();
}

void TcxCustomDataControllerInfo::DoLoad() {
  const Integer ACount = std::max(FDataController->GetRecordCount(), 0);
  FRecordList.resize(static_cast<size_t>(ACount));
  for (Integer I = 0; I < ACount; ++I) FRecordList[static_cast<size_t>(I)] = I;
}

void TcxCustomDataControllerInfo::DoFilter() {
  TcxCustomDataController* C = FDataController;
  const bool AIncremental = C->IsIncrementalFilter();
  const bool ACriteria = C->GetFilter()->IsFiltering();
  const bool AEvent = !C->IsGridMode() && C->IsFilterRecord();
  if (!AIncremental && !ACriteria && !AEvent) return;
  TcxDataFilterCriteria* AFilter = C->GetFilter();
  const bool AShrank = FilterRecordList(FRecordList, C->GetProvider()->EditingRecordIndex, [&](Integer R) {
    if (AEvent && !C->DoFilterRecord(R)) return true;
    if (AIncremental && !C->DoIncrementalFilterRecord(R)) return true;
    return ACriteria && !AFilter->DoFilterRecord(R);
  });
  if (!AShrank) return;
  FSelection->CheckAfterFiltering(FRecordList);
  if (C->CheckFocusingAfterFilterNeeded) {
    C->CheckFocusingAfterFilterNeeded = false;
    C->FilterChangedFlag = true;
  }
}

void TcxCustomDataControllerInfo::DoBeginSummary() {
  if (!IsSummaryForSelectedRecords()) FDataController->GetSummary()->BeginCalculate();
}

void TcxCustomDataControllerInfo::DoEndSummary() {
  if (IsSummaryForSelectedRecords())
    FDataController->GetSummary()->Calculate();
  else
    FDataController->GetSummary()->EndCalculate();
}

void TcxCustomDataControllerInfo::DoSortBySummary() {
  TClass ACls = FDataController->GetSortingBySummaryEngineClass();
  if (!ACls) return;
  auto* AEngine = As<TcxSortingBySummaryEngine>(ACls->Create());
  AEngine->FDataControllerInfo = this;
  try {
    AEngine->Sort();
  } catch (...) {
    AEngine->Free();
    throw;
  }
  AEngine->Free();
}

void TcxCustomDataControllerInfo::CheckInfo() {
  CheckExpanding();
  CheckFocusing();
  FDataController->CheckBookmarkValid(-1);
}

void TcxCustomDataControllerInfo::ForwardChanges() {
  TcxCustomDataController* C = FDataController;
  const TcxDataControllerInfoChanges P = Changes;
  TcxDataControllerChanges A;
  if (P.Contains(dcicSorting) || P.Contains(dcicView)) A.Include(dccLayout);
  if (P.Contains(dcicLoad) || P.Contains(dcicGrouping) || P.Contains(dcicExpanding)) A.Include(dccData);
  if (P.Contains(dcicFocusedRow) || P.Contains(dcicResetFocusedRow) || P.Contains(dcicFocusedRecord))
    A.Include(dccFocus);
  if (P.Contains(dcicSelection)) A.Include(dccSelection);
  if (P.Contains(dcicSummary)) A.Include(dccSummary);
  if (C->GroupingChangedFlag) A.Include(dccGrouping);
  if (C->SortingChangedFlag) A.Include(dccSorting);
  Changes = TcxDataControllerInfoChanges();
  C->GroupingChangedFlag = C->SortingChangedFlag = C->FilterChangedFlag = C->SortingBySummaryChangedFlag = false;
  C->Change(A);
  C->LoadedStorage = false;
}

// ---- Rows --------------------------------------------------------------------------------------------------------

Integer TcxCustomDataControllerInfo::GetRowCount() const {
  return IsGrouped() ? FDataGroups->GetRowCount() : static_cast<Integer>(FRecordList.size());
}

void TcxCustomDataControllerInfo::CheckRowIndex(Integer ARowIndex) const {
  if (ARowIndex < 0 || ARowIndex >= GetRowCount()) InvalidOperation(&cxSDataRowIndexError);
}

TcxRowInfo TcxCustomDataControllerInfo::GetRowInfo(Integer ARowIndex) const {
  CheckRowIndex(ARowIndex);
  TcxRowInfo R;
  if (IsGrouped())
    R = FDataGroups->GetRowInfo(ARowIndex);
  else
    R.RecordIndex = ARowIndex;
  R.RecordIndex = FRecordList.at(static_cast<size_t>(R.RecordIndex));
  return R;
}

Integer TcxCustomDataControllerInfo::FindDataGroup(Integer AListIndex) const {
  return FDataGroups->FindByIndex(AListIndex, FDataGroups->FieldCount() - 1);
}

Integer TcxCustomDataControllerInfo::GetRowIndexByRecordIndex(Integer ARecordIndex, bool AMakeVisible) {
  const Integer APos = GetInternalRecordListIndex(ARecordIndex);
  if (APos == -1 || !IsGrouped()) return APos;
  const Integer G = FindDataGroup(APos);
  if (G == -1) return -1;
  const bool AWasPending = Changes.Contains(dcicExpanding);
  Changes.Exclude(dcicExpanding);
  const Integer R = LocateDetail(G, APos, AMakeVisible);
  const bool AChanged = Changes.Contains(dcicExpanding);
  if (AWasPending) Changes.Include(dcicExpanding);
  if (AMakeVisible && AChanged) CheckChanges();
  return R;
}

Integer TcxCustomDataControllerInfo::LocateDetail(Integer AGroupIndex, Integer AListIndex, bool AMakeVisible) {
  TcxDataGroupInfo* G = FDataGroups->GetItem(AGroupIndex);
  if (!AMakeVisible) {
    if (!FDataGroups->IsVisible(AGroupIndex) || !G->Expanded) return -1;
  } else if (FDataGroups->MakeVisible(AGroupIndex, true)) {
    ExpandingChanged();
  }
  return G->RowIndex + (AListIndex - G->FirstIndex) + 1;
}

Integer TcxCustomDataControllerInfo::LocateGroupByLevel(Integer AGroupIndex, Integer ALevel) {
  Integer ACur = AGroupIndex;
  while (FDataGroups->GetLevel(ACur) != ALevel) {
    const Integer AParent = FDataGroups->GetParentIndex(ACur);
    if (AParent == -1 || FDataGroups->GetItem(AParent)->FirstIndex != ACur) break;
    ACur = AParent;
  }
  if (FDataGroups->MakeVisible(ACur, false)) ExpandingChanged();
  return FDataGroups->GetItem(ACur)->RowIndex;
}

Integer TcxCustomDataControllerInfo::GetNearestRowIndex(Integer ARowIndex) const {
  CheckRowIndex(ARowIndex);
  const Integer ACount = GetRowCount();
  const bool ANextExists = ARowIndex + 1 < ACount;
  if (!IsGrouped()) return ANextExists ? ARowIndex + 1 : ARowIndex - 1;
  const Integer ALevel = GetRowInfo(ARowIndex).Level;
  if (ANextExists && GetRowInfo(ARowIndex + 1).Level == ALevel) return ARowIndex + 1;
  if (ARowIndex > 0 && GetRowInfo(ARowIndex - 1).Level == ALevel) return ARowIndex - 1;
  if (!ANextExists) return ARowIndex > 0 ? ARowIndex - 1 : ARowIndex;
  return ARowIndex + 1;
}

void TcxCustomDataControllerInfo::ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive) {
  CheckRowIndex(ARowIndex);
  if (!IsGrouped() || IsAlwaysExpanded()) return;
  const Integer AFocused = GetFocusedRowIndex();
  if (!AExpanded && AFocused != -1 && AFocused < GetRowCount() &&
      FDataController->GetGroups()->HasAsParent(AFocused, ARowIndex))
    FDataController->CheckBrowseMode();
  FDataGroups->ChangeExpanding(ARowIndex, AExpanded, ARecursive);
  ExpandingChanged();
  BeginUpdate();
  try {
    if (!AExpanded) CheckAfterCollapsing();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomDataControllerInfo::FullCollapse() {
  if (!IsGrouped() || IsAlwaysExpanded()) return;
  FDataGroups->FullExpanding(false);
  ExpandingChanged();
  BeginUpdate();
  try {
    CheckAfterCollapsing();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomDataControllerInfo::FullExpand() {
  if (!IsGrouped() || IsAlwaysExpanded()) return;
  FDataGroups->FullExpanding(true);
  ExpandingChanged();
  CheckChanges();
}

}  // namespace cxCustomData
