// The data controller's rows and focus, dataset-style navigation, bookmarks, the incremental
// filter, text search, sorting, selection and master-detail.
#include <algorithm>
#include <functional>

#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxCustomDataGuards.h"
#include "cxCustomDataSearch.h"
#include "cxDataUtils.h"

namespace cxCustomData {

// ---- Rows ----------------------------------------------------------------------------------------------------

Integer TcxCustomDataController::GetRowCount() { return FDataControllerInfo->GetRowCount(); }

TcxRowInfo TcxCustomDataController::GetRowInfo(Integer ARowIndex) { return FDataControllerInfo->GetRowInfo(ARowIndex); }

Integer TcxCustomDataController::GetNearestRowIndex(Integer ARowIndex) {
  return FDataControllerInfo->GetNearestRowIndex(ARowIndex);
}

Integer TcxCustomDataController::GetRowIndexByRecordIndex(Integer ARecordIndex, bool AMakeVisible) {
  CheckRecordRange(ARecordIndex);
  return FDataControllerInfo->GetRowIndexByRecordIndex(ARecordIndex, AMakeVisible);
}

namespace {
// A group row that does not show the new-item record shows its level's grouping item.
Integer RowItem(TcxCustomDataController* C, const TcxRowInfo& ARowInfo, Integer AItemIndex) {
  TcxGroupingFieldList* G = C->GetDataControllerInfo()->GetGroupingFieldList();
  if (ARowInfo.Level < G->Count() && !C->IsNewItemRecordIndex(ARowInfo.RecordIndex))
    return G->GetItem(ARowInfo.Level).Field->GetIndex();
  return AItemIndex;
}
}  // namespace

Variant TcxCustomDataController::GetRowValue(const TcxRowInfo& ARowInfo, Integer AItemIndex) {
  return GetValue(ARowInfo.RecordIndex, RowItem(this, ARowInfo, AItemIndex));
}

String TcxCustomDataController::GetRowDisplayText(const TcxRowInfo& ARowInfo, Integer& AItemIndex) {
  AItemIndex = RowItem(this, ARowInfo, AItemIndex);
  return GetDisplayText(ARowInfo.RecordIndex, AItemIndex);
}

void TcxCustomDataController::ForEachRow(bool ASelectedRows, const TcxDataControllerEachRowProc& AProc) {
  if (ASelectedRows) {
    for (Integer I = 0; I < GetSelectedCount(); ++I) {
      const Integer R = GetSelectedRowIndex(I);
      AProc(R, GetRowInfo(R));
    }
  } else {
    for (Integer R = 0; R < GetRowCount(); ++R) AProc(R, GetRowInfo(R));
  }
}

// ---- Focus ----------------------------------------------------------------------------------------------------

Integer TcxCustomDataController::GetFocusedRowIndex() const { return FDataControllerInfo->GetFocusedRowIndex(); }

Integer TcxCustomDataController::GetFocusedRecordIndex() const { return FDataControllerInfo->GetFocusedRecordIndex(); }

bool TcxCustomDataController::ChangeFocusedRowIndex(Integer ARowIndex) {
  const bool AChanging = ARowIndex != GetFocusedRowIndex();
  if (FProvider->IsSyncMode() && AChanging && !CheckMasterBrowseMode()) return false;
  if (AChanging) CheckDetailsBrowseMode();
  FDataControllerInfo->SetFocusedRowIndex(ARowIndex);
  if (FProvider->IsSyncMode() && SyncDetailsFocusWithMaster() && GetFocusedRecordIndex() != -1) {
    FInFocusDetails = true;
    try {
      FocusDetails(GetFocusedRecordIndex());
    } catch (...) {
      FInFocusDetails = false;
      throw;
    }
    FInFocusDetails = false;
  }
  return true;
}

bool TcxCustomDataController::ChangeFocusedRecordIndex(Integer ARecordIndex) {
  return ChangeFocusedRowIndex(ARecordIndex < 0 && !IsNewItemRecordIndex(ARecordIndex)
                                   ? -1
                                   : FDataControllerInfo->GetRowIndexByRecordIndex(ARecordIndex, true));
}

Integer TcxCustomDataController::GetRecordIndex() {
  if (FProvider->IsDataSource() && FProvider->IsSyncMode()) return FProvider->GetRecordIndex();
  return GetFocusedRecordIndex();
}

Integer TcxCustomDataController::GetLastRecordIndex() {
  const Integer N = GetRowCount();
  return N == 0 ? -1 : GetRowInfo(N - 1).RecordIndex;
}

void TcxCustomDataController::CheckNearestFocusRow() {
  if (FNearestRecordIndex != -1) {
    if (FNearestRecordIndex < GetRecordCount()) ChangeFocusedRecordIndex(FNearestRecordIndex);
    return;
  }
  if (GetLockCount() > 0 || GetFocusedRecordIndex() != -1) return;
  ChangeFocusedRecordIndex(GetLastRecordIndex());
}

void TcxCustomDataController::CheckFocusedRow() {
  if (GetFocusedRowIndex() == -1 && !GetNewItemRowFocused()) ChangeFocusedRowIndex(0);
}

bool TcxCustomDataController::FocusSelectedRow(Integer AIndex) {
  const Integer R = GetSelectedRowIndex(AIndex);
  ChangeFocusedRowIndex(R);
  return R == GetFocusedRowIndex();
}

void TcxCustomDataController::FocusDetails(Integer ARecordIndex) {
  const Integer A = GetDetailActiveRelationIndex(ARecordIndex);
  if (A == -1) return;
  if (IsDetailDataControllerExist(ARecordIndex, A))
    if (TcxCustomDataController* D = GetDetailDataController(ARecordIndex, A)) D->CheckFocusedRow();
}

// ---- Navigation ---------------------------------------------------------------------------------------------

void TcxCustomDataController::GotoFirst() {
  if (IsGridMode())
    FProvider->First();
  else
    ChangeFocusedRowIndex(0);
}

void TcxCustomDataController::GotoLast() {
  if (IsGridMode())
    FProvider->Last();
  else
    ChangeFocusedRowIndex(GetRowCount() - 1);
}

void TcxCustomDataController::GotoNext() {
  if (IsGridMode())
    FProvider->Next();
  else
    ChangeFocusedRowIndex(GetFocusedRowIndex() + 1);
}

void TcxCustomDataController::GotoPrev() {
  if (IsGridMode())
    FProvider->Prev();
  else
    ChangeFocusedRowIndex(std::max(GetFocusedRowIndex() - 1, 0));
}

Integer TcxCustomDataController::MoveBy(Integer ADistance) {
  if (IsGridMode()) {
    FProvider->MoveBy(ADistance);
    return ADistance;
  }
  const Integer AOld = GetFocusedRowIndex();
  ChangeFocusedRowIndex(std::max(AOld + ADistance, 0));
  return GetFocusedRowIndex() - AOld;
}

bool TcxCustomDataController::IsBOF() {
  if (IsGridMode()) return FProvider->IsBOF();
  return GetFocusedRowIndex() == 0 || GetRowCount() == 0;
}

bool TcxCustomDataController::IsEOF() {
  if (IsGridMode()) return FProvider->IsEOF();
  return GetRowCount() == 0 || GetFocusedRowIndex() == GetRowCount() - 1;
}

void TcxCustomDataController::Scroll(Integer ADistance) {
  if (IsGridMode()) FProvider->Scroll(ADistance);
}

void TcxCustomDataController::SaveDataSetPos() { FProvider->SavePos(); }
void TcxCustomDataController::RestoreDataSetPos() { FProvider->RestorePos(); }

// ---- Bookmarks -----------------------------------------------------------------------------------------------

void TcxCustomDataController::SaveBookmark() { InternalSaveBookmark(); }
void TcxCustomDataController::ClearBookmark() { InternalClearBookmark(); }
void TcxCustomDataController::GotoBookmark() { InternalGotoBookmark(); }

void TcxCustomDataController::InternalSaveBookmark() {
  if (GetFocusedRecordIndex() == FBookmarkRecordIndex) return;
  FBookmarkRecordIndex = GetFocusedRecordIndex();
  Change({dccBookmark});
}

void TcxCustomDataController::InternalClearBookmark() {
  const bool ASet = FBookmarkRecordIndex != -1;
  FBookmarkRecordIndex = -1;
  if (ASet) Change({dccBookmark});
}

void TcxCustomDataController::InternalGotoBookmark() {
  if (FBookmarkRecordIndex != -1) ChangeFocusedRecordIndex(FBookmarkRecordIndex);
}

bool TcxCustomDataController::IsBookmarkRow(Integer ARowIndex) {
  return FBookmarkRecordIndex != -1 && GetRowInfo(ARowIndex).RecordIndex == FBookmarkRecordIndex;
}

void TcxCustomDataController::CheckBookmarkValid(Integer ARecordIndex) {
  if (FBookmarkRecordIndex == -1 || !InternalCheckBookmark(ARecordIndex)) return;
  FBookmarkRecordIndex = -1;
  Change({dccBookmark});
}

bool TcxCustomDataController::InternalCheckBookmark(Integer ARecordIndex) {
  return (ARecordIndex != -1 && ARecordIndex == FBookmarkRecordIndex) ||
         GetFilteredIndexByRecordIndex(FBookmarkRecordIndex) == -1;
}

// ---- Incremental filter and text search ----------------------------------------------------------------------

Integer TcxCustomDataController::SetIncrementalFilter(Integer AItemIndex, const String& AText) {
  FIncrementalFilterField = GetField(AItemIndex);
  FIncrementalFilterText = AText;
  Refresh();
  return GetFilteredRecordCount() > 0 ? GetFilteredRecordIndex(0) : -1;
}

bool TcxCustomDataController::IsIncrementalFilter() {
  return FIncrementalFilterField && !FIncrementalFilterText.empty();
}

void TcxCustomDataController::ResetIncrementalFilter() {
  const bool AActive = IsIncrementalFilter();
  FIncrementalFilterField = nullptr;
  FIncrementalFilterText.clear();
  if (AActive && !IsDestroying()) Refresh();
}

bool TcxCustomDataController::ChangeIncrementalFilterText(const String& AText) {
  if (!FIncrementalFilterField || AText == FIncrementalFilterText) return false;
  SetIncrementalFilter(FIncrementalFilterField->GetIndex(), AText);
  return true;
}

bool TcxCustomDataController::DoIncrementalFilterRecord(Integer ARecordIndex) {
  return DataCompareText(GetInternalDisplayText(ARecordIndex, FIncrementalFilterField), FIncrementalFilterText, true);
}

// The second pass of a circular search covers the positions the first one did not; it is also
// made when the first pass started at position 0 going backward, which left every other row unseen.
Integer TcxCustomDataController::FindRecordIndexByText(Integer AStartIndex, Integer AItemIndex, const String& AText,
                                                       bool APartialCompare, bool ACircular, bool AForward) {
  TcxCustomDataField* F = GetField(AItemIndex);
  const Integer N = GetFilteredRecordCount();
  if (AStartIndex < 0 || AStartIndex >= N) return -1;
  auto Match = [&](Integer APos) {
    return DataCompareText(GetInternalDisplayText(GetFilteredRecordIndex(APos), F), AText, APartialCompare);
  };
  if (AForward) {
    for (Integer P = AStartIndex; P < N; ++P)
      if (Match(P)) return GetFilteredRecordIndex(P);
    if (ACircular && AStartIndex != 0)
      for (Integer P = 0; P < AStartIndex; ++P)
        if (Match(P)) return GetFilteredRecordIndex(P);
  } else {
    for (Integer P = AStartIndex; P >= 0; --P)
      if (Match(P)) return GetFilteredRecordIndex(P);
    if (ACircular)
      for (Integer P = N - 1; P > AStartIndex; --P)
        if (Match(P)) return GetFilteredRecordIndex(P);
  }
  return -1;
}

// ---- Sorting ----------------------------------------------------------------------------------------------

void TcxCustomDataController::ChangeSorting(Integer AItemIndex, TcxDataSortOrder ASortOrder) {
  TcxCustomDataField* F = GetField(AItemIndex);
  if (FDataControllerInfo->GetSortingFieldList()->SortOrderByField(F) == ASortOrder) return;
  BeforeSorting();
  SortingChangedFlag = true;
  FDataControllerInfo->ChangeSorting(F, ASortOrder);
}

void TcxCustomDataController::ChangeItemSortingIndex(Integer AItemIndex, Integer AIndex) {
  TcxCustomDataField* F = GetField(AItemIndex);
  if (GetItemSortingIndex(AItemIndex) == AIndex) return;
  TcxUpdateScope U(this);
  const bool AGrouped = FDataControllerInfo->GetGroupingFieldList()->Find(F) != -1;
  if (AGrouped && GetItemSortOrder(AItemIndex) == soAscending && AIndex == -1) {
    ChangeSorting(AItemIndex, soNone);
    return;
  }
  if (FDataControllerInfo->GetSortingFieldList()->Find(F) == -1) ChangeSorting(AItemIndex, GetItemSortOrder(AItemIndex));
  if (GetItemSortOrder(AItemIndex) != soNone && FDataControllerInfo->GetSortingFieldList()->Find(F) != -1)
    FDataControllerInfo->ChangeSortIndex(F, AIndex);
}

void TcxCustomDataController::ClearSorting(bool AKeepGroupedItems) { FDataControllerInfo->ClearSorting(AKeepGroupedItems); }

TcxDataSortOrder TcxCustomDataController::GetItemSortOrder(Integer AItemIndex) {
  TcxCustomDataField* F = GetField(AItemIndex);
  TcxSortingFieldList* S = FDataControllerInfo->GetSortingFieldList();
  if (S->Find(F) != -1) return S->SortOrderByField(F);
  return FDataControllerInfo->GetGroupingFieldList()->SortOrderByField(F);
}

Integer TcxCustomDataController::GetItemSortingIndex(Integer AItemIndex) {
  return FDataControllerInfo->GetSortingFieldList()->Find(GetField(AItemIndex));
}

Integer TcxCustomDataController::GetSortingItemCount() { return FDataControllerInfo->GetSortingFieldList()->Count(); }

Integer TcxCustomDataController::GetSortingItemIndex(Integer AIndex) {
  return FDataControllerInfo->GetSortingFieldList()->GetItem(AIndex).Field->GetIndex();
}

void TcxCustomDataController::SetSortingBySummaryDataItemIndex(Integer AItemIndex) {
  TcxCustomDataField* F = AItemIndex == -1 ? nullptr : GetField(AItemIndex);
  if (F == FSortingBySummaryField) return;
  FSortingBySummaryField = F;
  if (!IsDestroying()) DoSortingBySummaryChanged();
}

Integer TcxCustomDataController::GetSortingBySummaryDataItemIndex() {
  return FSortingBySummaryField ? FSortingBySummaryField->GetIndex() : -1;
}

void TcxCustomDataController::DoSortingBySummaryChanged() {
  SortingBySummaryChangedFlag = true;
  Change({dccSorting});
}

// ---- Selection ------------------------------------------------------------------------------------------------

Integer TcxCustomDataController::GetSelectedCount() {
  if (!FMultiSelect) return FFocusedSelected && GetFocusedRowIndex() != -1 ? 1 : 0;
  return FDataControllerInfo->GetSelectedCount();
}

Integer TcxCustomDataController::GetSelectedRowIndex(Integer AIndex) {
  if (!FMultiSelect) return AIndex == 0 && FFocusedSelected ? GetFocusedRowIndex() : -1;
  return FDataControllerInfo->GetSelectedRowIndex(AIndex);
}

bool TcxCustomDataController::IsRowSelected(Integer ARowIndex) {
  if (!FMultiSelect) return FFocusedSelected && ARowIndex != -1 && ARowIndex == GetFocusedRowIndex();
  return FDataControllerInfo->IsRowSelected(ARowIndex);
}

void TcxCustomDataController::ChangeRowSelection(Integer ARowIndex, bool ASelection) {
  if (FMultiSelect) FDataControllerInfo->ChangeRowSelection(ARowIndex, ASelection);
}

void TcxCustomDataController::ClearSelection() { FDataControllerInfo->ClearSelection(); }
void TcxCustomDataController::ClearSelectionAnchor() { FDataControllerInfo->ClearSelectionAnchor(); }
Integer TcxCustomDataController::GetSelectionAnchorRowIndex() {
  return FDataControllerInfo->GetSelection()->AnchorRowIndex;
}

void TcxCustomDataController::SetSelectionAnchor(Integer ARowIndex) {
  FDataControllerInfo->CheckRowIndex(ARowIndex);
  FDataControllerInfo->GetSelection()->AnchorRowIndex = ARowIndex;
}

void TcxCustomDataController::SelectAll() {
  if (GetRowCount() > 0) SelectRows(0, GetRowCount() - 1);
}

void TcxCustomDataController::SelectRows(Integer AFromRowIndex, Integer AToRowIndex) {
  if (!FMultiSelect) return;
  if (AFromRowIndex > AToRowIndex) std::swap(AFromRowIndex, AToRowIndex);
  TcxUpdateScope U(this);
  for (Integer R = AFromRowIndex; R <= AToRowIndex; ++R) ChangeRowSelection(R, true);
}

void TcxCustomDataController::SelectFromAnchor(Integer ARowIndex, bool AKeepSelection) {
  if (!IsSelectionAnchorExist()) return;
  TcxUpdateScope U(this);
  if (!AKeepSelection) ClearSelection();
  SelectRows(GetSelectionAnchorRowIndex(), ARowIndex);
}

void TcxCustomDataController::SyncSelected(bool ASelected) {
  if (!IsFocusedSelectedMode() || FFocusedSelected == ASelected) return;
  FFocusedSelected = ASelected;
  if (GetFocusedRowIndex() != -1) {
    FPrevSelectionInfo = {1, GetFocusedRowIndex()};
    Change({dccSelection});
  }
}

void TcxCustomDataController::SyncSelectionFocusedRecord() {
  const Integer R = GetFocusedRowIndex();
  if (R == -1) {
    ClearSelection();
    return;
  }
  FDataControllerInfo->GetSelection()->AnchorRowIndex = R;
  SelectFromAnchor(R, false);
}

void TcxCustomDataController::CheckFocusedSelected() {
  if (!FMultiSelect) return;
  TcxUpdateScope U(this);
  ClearSelection();
  if (GetFocusedRowIndex() != -1) ChangeRowSelection(GetFocusedRowIndex(), true);
}

void TcxCustomDataController::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  FFocusedSelected = true;
  {
    TcxUpdateScope U(this);
    if (!Value)
      FDataControllerInfo->ClearSelection();
    else if (GetFocusedRowIndex() != -1)
      ChangeRowSelection(GetFocusedRowIndex(), true);
  }
  const TcxSummaryOptions O = FSummary->GetOptions();
  if (O.Contains(soSelectedRecords) || O.Contains(soMultipleSelectedRecords)) FSummary->Changed(false);
}

// ---- Master-detail -----------------------------------------------------------------------------------------

TcxCustomDataRelationList* TcxCustomDataController::GetRelations() {
  if (!FRelations) FRelations = New<TcxCustomDataRelationList>(this);
  return FRelations;
}

TcxDataControllerDetailMode TcxCustomDataController::GetDetailMode() {
  if (FMasterRelation) return FMasterRecordIndex == -1 ? dcdmPattern : dcdmClone;
  return FIsPattern ? dcdmPattern : dcdmNone;
}

TcxCustomDataController* TcxCustomDataController::GetMasterDataController() {
  return FMasterRelation ? FMasterRelation->GetDataController() : nullptr;
}

TcxCustomDataController* TcxCustomDataController::GetRootDataController() {
  TcxCustomDataController* C = this;
  while (TcxCustomDataController* M = C->GetMasterDataController()) C = M;
  return C;
}

namespace {
TcxCustomDataController* FindPattern(TcxCustomDataController* C, TObject* AItem, Integer ADepth) {
  if (!C || ADepth > 64) return nullptr;
  TcxCustomDataRelationList* L = C->GetRelations();
  if (TcxCustomDataRelation* R = L->FindByItem(AItem)) return R->GetDetailDataController();
  for (Integer I = 0; I < L->Count(); ++I)
    if (TcxCustomDataController* P = FindPattern(L->GetItem(I)->GetDetailDataController(), AItem, ADepth + 1)) return P;
  return nullptr;
}
}  // namespace

TcxCustomDataController* TcxCustomDataController::GetPatternDataController() {
  if (!FMasterRelation) return this;
  return FindPattern(GetRootDataController(), FMasterRelation->GetItem(), 0);
}

TObject* TcxCustomDataController::GetDetailLinkObject(Integer ARecordIndex, Integer ARelationIndex) {
  TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex);
  if (!D) return nullptr;
  TObject* L = D->GetLinkObject(ARelationIndex);
  if (L || FCreatingLinkObject || ARelationIndex < 0 || ARelationIndex >= GetRelations()->Count()) return L;
  TcxCustomDataController* P = GetPatternDataController();
  FCreatingLinkObject = true;
  if (P) P->FCreatingLinkObject = true;
  try {
    L = CreateDetailLinkObject(GetRelations()->GetItem(ARelationIndex), ARecordIndex);
  } catch (...) {
    FCreatingLinkObject = false;
    if (P) P->FCreatingLinkObject = false;
    FCreatingDetailController = nullptr;
    throw;
  }
  FCreatingLinkObject = false;
  if (P) P->FCreatingLinkObject = false;
  FCreatingDetailController = nullptr;
  if (L && (ARecordIndex < 0 || ARecordIndex >= GetRecordCount() ||
            GetRelations()->GetValueAsDetailObject(ARecordIndex) != D)) {
    L->Free();
    L = nullptr;
  }
  if (L) D->SetLinkObject(ARelationIndex, L);
  if (!L && !FRecreatingLinkObject) {
    FRecreatingLinkObject = true;
    try {
      L = GetDetailLinkObject(ARecordIndex, ARelationIndex);
    } catch (...) {
      FRecreatingLinkObject = false;
      throw;
    }
    FRecreatingLinkObject = false;
  }
  return L;
}

TcxCustomDataController* TcxCustomDataController::GetDetailDataController(Integer ARecordIndex,
                                                                         Integer ARelationIndex) {
  return GetDetailDataControllerByLinkObject(GetDetailLinkObject(ARecordIndex, ARelationIndex));
}

bool TcxCustomDataController::IsDetailDataControllerExist(Integer ARecordIndex, Integer ARelationIndex) {
  return GetRelations()->IsDetailObjectExist(ARecordIndex, ARelationIndex);
}

Integer TcxCustomDataController::GetDetailActiveRelationIndex(Integer ARecordIndex) {
  if (GetRelations()->Count() == 0) return -1;
  TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex);
  return D ? D->ActiveRelationIndex : -1;
}

void TcxCustomDataController::ChangeDetailActiveRelationIndex(Integer ARecordIndex, Integer ARelationIndex) {
  if (GetDetailActiveRelationIndex(ARecordIndex) == ARelationIndex) return;
  CheckBrowseMode();
  if (TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex)) {
    D->ActiveRelationIndex = ARelationIndex;
    Change({dccDetail});
  }
}

bool TcxCustomDataController::GetDetailExpanding(Integer ARecordIndex) {
  if (GetRelations()->Count() == 0) return false;
  TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex);
  return D && D->Expanded;
}

bool TcxCustomDataController::ChangeDetailExpanding(Integer ARecordIndex, bool AExpanded) {
  if (ARecordIndex < 0 || ARecordIndex >= GetRecordCount()) return false;
  if (GetDetailExpanding(ARecordIndex) == AExpanded) return true;
  const bool ASaved = FIsDetailExpanding;
  FIsDetailExpanding = true;
  bool AResult = false;
  try {
    CheckBrowseMode();
    TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex);
    if (D && CanChangeDetailExpanding(ARecordIndex, AExpanded)) {
      D->Expanded = AExpanded;
      TcxCustomDataController* M = GetMasterDataController();
      if (!M || M->GetLockCount() == 0) Change({dccDetail});
      if (AExpanded)
        DoDetailExpanded(ARecordIndex);
      else
        DoDetailCollapsed(ARecordIndex);
      AResult = true;
    }
  } catch (...) {
    FIsDetailExpanding = ASaved;
    throw;
  }
  FIsDetailExpanding = ASaved;
  return AResult;
}

bool TcxCustomDataController::CanChangeDetailExpanding(Integer ARecordIndex, bool AExpanded) {
  bool AAllow = true;
  if (AExpanded)
    DoDetailExpanding(ARecordIndex, AAllow);
  else
    DoDetailCollapsing(ARecordIndex, AAllow);
  return AAllow;
}

void TcxCustomDataController::DoDetailExpanding(Integer ARecordIndex, bool& AAllow) {
  if (OnDetailExpanding) OnDetailExpanding(this, ARecordIndex, AAllow);
}
void TcxCustomDataController::DoDetailExpanded(Integer ARecordIndex) {
  if (OnDetailExpanded) OnDetailExpanded(this, ARecordIndex);
}
void TcxCustomDataController::DoDetailCollapsing(Integer ARecordIndex, bool& AAllow) {
  if (OnDetailCollapsing) OnDetailCollapsing(this, ARecordIndex, AAllow);
}
void TcxCustomDataController::DoDetailCollapsed(Integer ARecordIndex) {
  if (OnDetailCollapsed) OnDetailCollapsed(this, ARecordIndex);
}

void TcxCustomDataController::CollapseDetails() {
  CheckBrowseMode();
  TcxUpdateScope U(this);
  for (Integer R = 0; R < GetRecordCount(); ++R) {
    ClearDetailLinkObject(R, -1);
    if (TcxDetailObject* D = GetRelations()->GetValueAsDetailObject(R)) {
      D->Expanded = false;
      Change({dccDetail});
    }
  }
}

void TcxCustomDataController::ClearDetails() {
  TcxUpdateScope U(this);
  for (Integer R = 0; R < GetRecordCount(); ++R) ClearDetailLinkObject(R, -1);
}

void TcxCustomDataController::ClearDetailLinkObject(Integer ARecordIndex, Integer ARelationIndex) {
  if (GetRelations()->ClearDetailObject(ARecordIndex, ARelationIndex)) Change({dccDetail});
}

bool TcxCustomDataController::GetDetailHasChildren(Integer ARecordIndex, Integer ARelationIndex) {
  if (IsDetailDataControllerExist(ARecordIndex, ARelationIndex)) {
    TcxCustomDataController* D = GetDetailDataController(ARecordIndex, ARelationIndex);
    return D && D->GetRecordCount() > 0;
  }
  if (!IsDataBound()) return false;
  TcxDetailObject* D = GetRelations()->GetDetailObject(ARecordIndex);
  if (!D) return true;
  TcxDetailInfoObject* I = D->GetInfoObject(ARelationIndex);
  if (!I) {
    I = New<TcxDetailInfoObject>();
    D->SetInfoObject(ARelationIndex, I);
  }
  if (!I->HasChildrenAssigned) {
    I->HasChildren = FProvider->GetDetailHasChildren(ARecordIndex, ARelationIndex);
    I->HasChildrenAssigned = true;
  }
  return I->HasChildren;
}

void TcxCustomDataController::ResetHasChildrenFlag() {
  bool AAny = false;
  for (Integer R = 0; R < GetRecordCount(); ++R)
    if (TcxDetailObject* D = GetRelations()->GetValueAsDetailObject(R)) AAny = D->ClearHasChildrenFlag() || AAny;
  if (AAny) Change({dccLayout});
}

void TcxCustomDataController::ResetMasterHasChildrenFlag() {
  TcxCustomDataController* M = GetMasterDataController();
  if (!IsDataBound() || !M) return;
  const TcxDataControllerEditState S = M->GetEditState();
  if (!S.Contains(dceInsert) && !S.Contains(dceEdit)) M->ResetHasChildrenFlag();
}

void TcxCustomDataController::ResetRelationByItem(TObject* AItem) {
  if (GetRelations()->FindByItem(AItem)) {
    ClearDetails();
    return;
  }
  for (Integer R = 0; R < GetRecordCount(); ++R)
    for (Integer K = 0; K < GetRelations()->Count(); ++K)
      if (IsDetailDataControllerExist(R, K))
        if (TcxCustomDataController* D = GetDetailDataController(R, K)) D->ResetRelationByItem(AItem);
}

void TcxCustomDataController::SetMasterRelation(TcxCustomDataRelation* ARelation, Integer AMasterRecordIndex) {
  if (!ARelation && !FMasterRelation && AMasterRecordIndex == -1 && FMasterRecordIndex == -1) return;
  TcxUpdateScope U(this);
  if (TcxCustomDataRelation* R = FMasterRelation) {
    if (R->GetDetailDataController() == this && AMasterRecordIndex == -1)
      R->SetDetailDataController(nullptr);
    else
      SetCustomDataSource(nullptr);
    if (TcxCustomDataController* M = R->GetDataController())
      if (M->FCreatingDetailController == this) M->FCreatingDetailController = nullptr;
    if (R->GetRelationList()) R->GetRelationList()->Changed(R);
  }
  FMasterRelation = ARelation;
  if (ARelation && AMasterRecordIndex == -1) {
    ARelation->SetDetailDataController(this);
    ARelation->Changed();
  }
  if (ARelation && AMasterRecordIndex != -1) {
    if (TcxCustomDataController* P = GetPatternDataController()) SetCustomDataSource(P->GetCustomDataSource());
    if (TcxCustomDataController* M = GetMasterDataController()) M->FCreatingDetailController = this;
  }
  FMasterRecordIndex = AMasterRecordIndex;
  LayoutChanged({lcData});
}

void TcxCustomDataController::SetMasterMode(TcxCustomDataRelation* ARelation, bool AIsPattern) {
  TcxFullUpdateScope U(this);
  SetMasterRelation(ARelation, -1);
  SetIsPattern(AIsPattern);
}

void TcxCustomDataController::SetIsPattern(bool AValue) {
  if (AValue && FDataChangeRefCount > 0 && FMasterRelation) throw Exception("!");
  FIsPatternRequested = AValue;
  const bool AOld = GetIsPattern();
  FIsPattern = AValue && FDataChangeRefCount == 0;
  if (GetIsPattern() != AOld && !IsDestroying()) RestructData();
}

void TcxCustomDataController::ForEachDetail(TcxCustomDataRelation* ARelation,
                                            const TcxDataControllerEachDetailProc& AProc) {
  std::vector<Integer> ALevels;
  TcxCustomDataController* C = ARelation ? ARelation->GetDataController() : nullptr;
  if (!C) return;
  ALevels.push_back(ARelation->GetIndex());
  while (TcxCustomDataRelation* M = C->GetMasterRelation()) {
    ALevels.insert(ALevels.begin(), M->GetIndex());
    C = M->GetDataController();
    if (!C) return;
  }
  std::function<void(TcxCustomDataController*, size_t)> Walk;
  Walk = [&](TcxCustomDataController* AController, size_t ALevel) {
    for (Integer R = 0; R < AController->GetRecordCount(); ++R) {
      const Integer K = ALevels[ALevel];
      TcxCustomDataController* D = AController->IsDetailDataControllerExist(R, K)
                                       ? AController->GetDetailDataController(R, K)
                                       : AController->FCreatingDetailController;
      if (!D) continue;
      if (ALevel + 1 == ALevels.size())
        AProc(D);
      else
        Walk(D, ALevel + 1);
    }
  };
  Walk(GetRootDataController(), 0);
}

void TcxCustomDataController::CorrectAfterInsert(Integer ARecordIndex) {
  if (!FRelations || FRelations->Count() == 0) return;
  for (Integer R = ARecordIndex + 1; R < GetRecordCount(); ++R)
    for (Integer K = 0; K < FRelations->Count(); ++K)
      if (IsDetailDataControllerExist(R, K))
        if (TcxCustomDataController* D = GetDetailDataController(R, K)) ++D->FMasterRecordIndex;
}

void TcxCustomDataController::CorrectAfterDelete(Integer ARecordIndex) {
  CheckEditingRecordIndex(ARecordIndex);
  if (ARecordIndex < 0 || !FRelations || FRelations->Count() == 0) return;
  for (Integer R = ARecordIndex; R < GetRecordCount(); ++R)
    for (Integer K = 0; K < FRelations->Count(); ++K)
      if (IsDetailDataControllerExist(R, K))
        if (TcxCustomDataController* D = GetDetailDataController(R, K)) --D->FMasterRecordIndex;
}

void TcxCustomDataController::ClearDetailsMasterRelation(TcxCustomDataRelation* ARelation) {
  const Integer K = ARelation->GetIndex();
  if (K == -1 || !FRelations || !FRelations->GetDetailsField()) return;
  for (Integer R = 0; R < GetRecordCount(); ++R)
    if (TcxDetailObject* D = FRelations->GetValueAsDetailObject(R))
      if (TObject* L = D->GetLinkObject(K))
        if (TcxCustomDataController* DC = GetDetailDataControllerByLinkObject(L)) DC->FMasterRelation = nullptr;
}

void TcxCustomDataController::UpdateRelations(TcxCustomDataRelation*) {
  if (IsDestroying()) return;
  if (GetIsPattern() && FMasterRelation) {
    GetRootDataController()->ResetRelationByItem(FMasterRelation->GetItem());
    return;
  }
  Change({dccData});
}

}  // namespace cxCustomData
