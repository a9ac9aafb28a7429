// The update engine's per-view state that survives re-sorting, re-filtering and regrouping: the
// focused row, the selected rows (kept in row order) and the expanded groups, remembered by group
// values before a pass and restored after it.
#include <algorithm>

#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxCustomDataInfo.h"
#include "cxCustomDataSearch.h"
#include "cxDataConsts.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxDataFocusingInfo)
IMPLEMENT_CLASS(TcxDataSelection)
IMPLEMENT_CLASS(TcxDataExpandingInfos)

// ---- TcxDataFocusingInfo -------------------------------------------------------------------------------------

void TcxDataFocusingInfo::Assign(const TcxDataFocusingInfo* AInfo) {
  Level = AInfo->Level;
  PrevRecordIndex = AInfo->PrevRecordIndex;
  RecordIndex = AInfo->RecordIndex;
  RowIndex = AInfo->RowIndex;
  Changed = false;
  PrevNewItemRowFocused = false;
}

void TcxDataFocusingInfo::Clear() { Level = RecordIndex = RowIndex = -1; }

bool TcxDataFocusingInfo::IsEqual(const TcxDataFocusingInfo* AInfo) const {
  return RecordIndex == AInfo->RecordIndex && Level == AInfo->Level &&
         (!FDataControllerInfo->Changes.Contains(dcicSorting) || RowIndex == AInfo->RowIndex);
}

void TcxDataFocusingInfo::ResetPos() {
  Level = -1;
  RecordIndex = FDataControllerInfo->GetDataController()->GetRecordIndex();
}

void TcxDataFocusingInfo::SavePos() {
  if (RowIndex == -1) {
    Level = RecordIndex = -1;
  } else {
    Level = FDataControllerInfo->GetRowInfo(RowIndex).Level;
    RecordIndex = FDataControllerInfo->GetDataController()->GetRecordIndex();
  }
  PrevRecordIndex = RecordIndex;
}

// ---- TcxDataSelection -----------------------------------------------------------------------------------------

Integer TcxDataSelection::Add(Integer AIndex, Integer ARowIndex, Integer ARecordIndex, Integer ALevel) {
  if (AIndex < 0 || AIndex > Count()) AIndex = Count();
  FItems.insert(FItems.begin() + AIndex, TcxDataSelectionItem{ALevel, ARecordIndex, ARowIndex});
  Changed();
  return AIndex;
}

void TcxDataSelection::Delete(Integer AIndex) {
  if (FItems.at(static_cast<size_t>(AIndex)).RowIndex == AnchorRowIndex) ClearAnchor();
  InternalDelete(AIndex);
  Changed();
}

void TcxDataSelection::Clear() {
  InternalClear();
  Changed();
}

void TcxDataSelection::ClearAll() {
  ClearAnchor();
  InternalClear();
  Changed();
}

bool TcxDataSelection::FindByRowIndex(Integer ARowIndex, Integer& AIndex) const {
  auto It = std::lower_bound(FItems.begin(), FItems.end(), ARowIndex,
                             [](const TcxDataSelectionItem& I, Integer R) { return I.RowIndex < R; });
  AIndex = static_cast<Integer>(It - FItems.begin());
  return It != FItems.end() && It->RowIndex == ARowIndex;
}

Integer TcxDataSelection::FindByRecordIndex(Integer ARecordIndex) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I].Level != -1 && FItems[I].RecordIndex == ARecordIndex) return static_cast<Integer>(I);
  return -1;
}

Integer TcxDataSelection::FindByGroupIndex(Integer AGroupIndex) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I].Level == -1 && FItems[I].RecordIndex == AGroupIndex) return static_cast<Integer>(I);
  return -1;
}

bool TcxDataSelection::IsRowSelected(Integer ARowIndex) const {
  Integer AIndex;
  return FindByRowIndex(ARowIndex, AIndex);
}

void TcxDataSelection::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](const TcxDataSelectionItem& A, const TcxDataSelectionItem& B) { return A.RowIndex < B.RowIndex; });
}

void TcxDataSelection::CheckAfterFiltering(const std::vector<Integer>& ARecordList) {
  Integer AMax = 0;
  for (Integer R : ARecordList) AMax = std::max(AMax, R + 1);
  std::vector<bool> AIn(static_cast<size_t>(AMax), false);
  for (Integer R : ARecordList)
    if (R >= 0) AIn[static_cast<size_t>(R)] = true;
  bool AChanged = false;
  for (Integer I = Count() - 1; I >= 0; --I) {
    const TcxDataSelectionItem& A = FItems[static_cast<size_t>(I)];
    if (A.Level == -1) continue;
    const bool AKept = A.RecordIndex < 0 ? std::find(ARecordList.begin(), ARecordList.end(), A.RecordIndex) !=
                                               ARecordList.end()
                                         : A.RecordIndex < AMax && AIn[static_cast<size_t>(A.RecordIndex)];
    if (!AKept) {
      if (A.RowIndex == AnchorRowIndex) ClearAnchor();
      InternalDelete(I);
      AChanged = true;
    }
  }
  if (AChanged) Changed();
}

void TcxDataSelection::SetInternalCount(Integer ACount) {
  ACount = std::max(ACount, 0);
  const Integer AOld = Count();
  if (ACount < AOld) {
    FItems.resize(static_cast<size_t>(ACount));
  } else {
    for (Integer I = AOld; I < ACount; ++I) FItems.push_back({0, I, I});
  }
}

// ---- TcxDataExpandingInfos --------------------------------------------------------------------------------------

void TcxDataExpandingInfos::AddField(TcxCustomDataField* AField) {
  if (Find(AField) != -1) InvalidOperation(&cxSDataItemExistError);
  FFields.push_back(AField);
  FItems.clear();
}

void TcxDataExpandingInfos::AddItem(Integer ALevel, const Variant& AValue, TcxDataExpandingInfoStateSet AState) {
  FItems.push_back({ALevel, AValue, AState});
}

void TcxDataExpandingInfos::CheckField(TcxCustomDataField* AField) {
  if (Find(AField) != -1) Clear();
}

void TcxDataExpandingInfos::Clear() {
  FFields.clear();
  FItems.clear();
  SaveStates = TcxDataExpandingInfoStateSet();
}

Integer TcxDataExpandingInfos::Find(TcxCustomDataField* AField) const {
  auto It = std::find(FFields.begin(), FFields.end(), AField);
  return It == FFields.end() ? -1 : static_cast<Integer>(It - FFields.begin());
}

// ---- Focus ---------------------------------------------------------------------------------------------------------

Integer TcxCustomDataControllerInfo::GetFocusedRecordIndex() const {
  const Integer R = FFocusingInfo->RowIndex;
  if (R < 0 || R >= GetRowCount()) return -1;
  return GetRowInfo(R).RecordIndex;
}

void TcxCustomDataControllerInfo::SetFocusedRowIndex(Integer ARowIndex) {
  FDataController->BeginFullUpdate();
  try {
    DoChangeFocusedRow(ARowIndex, false);
  } catch (...) {
    FDataController->EndFullUpdate();
    throw;
  }
  FDataController->EndFullUpdate();
}

void TcxCustomDataControllerInfo::DoChangeFocusedRow(Integer ARowIndex, bool AForce) {
  const Integer ACount = GetRowCount();
  ARowIndex = std::clamp(ARowIndex, -1, ACount - 1);
  if (ARowIndex == FFocusingInfo->RowIndex) return;
  FFocusing = true;
  try {
    if (!Changes.Contains(dcicFocusedRow)) FPrevFocusingInfo->Assign(FFocusingInfo);
    const bool AAllowed = AForce || CanFocusedRowChanging(ARowIndex);
    if (AAllowed) {
      FDataController->DoBeforeFocusedRowChange(ARowIndex);
      FFocusingInfo->RowIndex = ARowIndex;
    }
    const Integer ANewCount = GetRowCount();
    if (FPrevFocusingInfo->RowIndex >= ANewCount) FPrevFocusingInfo->RowIndex = -1;
    if (FFocusingInfo->RowIndex >= ANewCount) FFocusingInfo->RowIndex = -1;
    if (FPrevFocusingInfo->RowIndex != -1 || AAllowed) {
      const Integer ARemembered = FFocusingInfo->RecordIndex;
      FFocusingInfo->SavePos();
      if (FFocusingInfo->RowIndex != -1 && ARemembered != -1 && FFocusingInfo->RecordIndex != ARemembered && !AAllowed) {
        FFocusingInfo->RecordIndex = ARemembered;
        FFocusingInfo->RowIndex = FindFocusedRow(false);
        if (FFocusingInfo->RowIndex >= GetRowCount()) FFocusingInfo->RowIndex = -1;
      }
    }
    if (!FFocusingInfo->IsEqual(FPrevFocusingInfo)) {
      Changes += {dcicFocusedRow, dcicFocusedRecord};
      if (FDataController->IsFocusedSelectedMode() &&
          FDataController->GetSummary()->GetOptions().Contains(soSelectedRecords))
        Changes.Include(dcicSummary);
      FDataController->ResetNewItemRowFocused();
      FDataController->CheckDataSetCurrent();
      FDataController->SyncSelected(true);
    }
  } catch (...) {
    FFocusing = false;
    throw;
  }
  FFocusing = false;
}

bool TcxCustomDataControllerInfo::CanFocusedRowChanging(Integer ARowIndex) {
  FInCanFocusedRowChanging = true;
  bool AResult;
  try {
    AResult = FDataController->CanFocusRecord(ARowIndex == -1 ? -1 : GetRowInfo(ARowIndex).RecordIndex);
  } catch (...) {
    FInCanFocusedRowChanging = false;
    throw;
  }
  FInCanFocusedRowChanging = false;
  return AResult;
}

void TcxCustomDataControllerInfo::CorrectFocusedRow(Integer ARowIndex) {
  FFocusingInfo->Clear();
  DoChangeFocusedRow(ARowIndex, false);
}

Integer TcxCustomDataControllerInfo::FindFocusedRow(bool AKeepCollapsed) {
  const Integer ARecord = FFocusingInfo->RecordIndex;
  if (ARecord < 0) return -1;
  const Integer N = GetInternalRecordListIndex(ARecord);
  if (N == -1) return -1;
  if (!IsGrouped()) return N;
  const Integer F = FDataGroups->FieldCount();
  Integer L = FFocusingInfo->Level;
  const Integer G = FindDataGroup(N);
  if (G == -1) return -1;
  TcxDataGroupInfo* AG = FDataGroups->GetItem(G);
  if (!AKeepCollapsed) {
    if (L >= 0 && L < F && N == AG->FirstIndex) return LocateGroupByLevel(G, L);
    if (L == -1 && N == AG->FirstIndex) return LocateGroupByLevel(G, -1);
    return LocateDetail(G, N, true);
  }
  Integer AV = G;
  TcxDataGroupInfo* V = FDataGroups->GetTopVisibleItem(AG->RowIndex, AV);
  if (L == F) {
    if (AV == G && V->Expanded) return V->RowIndex + (N - V->FirstIndex) + 1;
    L = F - 1;
  }
  if (L < 0 && AV == G) return V->RowIndex;
  for (Integer I = G; I >= 0; --I)
    if (FDataGroups->GetItem(I)->Level == L) return FDataGroups->GetItem(I)->RowIndex;
  return -1;
}

void TcxCustomDataControllerInfo::CheckFocusing() {
  const Integer R = FindFocusedRow(false);
  const Integer ACur = FFocusingInfo->RowIndex;
  if (R != ACur) {
    const Integer ACount = GetRowCount();
    bool AStale = ACur < 0 || ACur >= ACount;
    if (!AStale) AStale = GetRowInfo(ACur).RecordIndex != FFocusingInfo->RecordIndex;
    if (AStale) DoChangeFocusedRow(R, true);
  }
  if (Changes.Contains(dcicFocusedRow) && FPrevFocusingInfo->RowIndex >= GetRowCount())
    FPrevFocusingInfo->RowIndex = -1;
  if (FDataController->FilterChangedFlag) CheckFocusingAfterFilter();
}

void TcxCustomDataControllerInfo::CheckFocusingAfterFilter() {
  if (FFocusingInfo->RowIndex != -1 || FDataController->GetNewItemRowFocused()) return;
  FDataController->FilterChangedFlag = false;
  if (FDataController->GetProvider()->LocateCount == 0) CorrectFocusedRow(0);
}

void TcxCustomDataControllerInfo::CheckAfterCollapsing() {
  const Integer R = FindFocusedRow(true);
  if (R == FFocusingInfo->RowIndex) return;
  if (FDataController->IsSmartRefresh())
    CorrectFocusedRow(R);
  else
    DoChangeFocusedRow(R, false);
}

void TcxCustomDataControllerInfo::ResetFocusing() {
  TcxCustomDataController* C = FDataController;
  if (C->InNotifyControl() || !C->GetOptions().Contains(dcoFocusTopRowAfterSorting)) return;
  if (!C->GroupingChangedFlag && !C->SortingChangedFlag && !C->LoadedStorage) return;
  C->LoadedStorage = false;
  FFocusingInfo->Clear();
  DoChangeFocusedRow(0, false);
  if (FSelection->Count() > 0) FSelection->ClearAll();
}

// ---- Selection ---------------------------------------------------------------------------------------------------

void TcxCustomDataControllerInfo::ChangeRowSelection(Integer ARowIndex, bool ASelection) {
  CheckRowIndex(ARowIndex);
  Integer AIndex;
  const bool ASelected = FSelection->FindByRowIndex(ARowIndex, AIndex);
  if (ASelected && !ASelection) {
    FSelection->Delete(AIndex);
  } else if (!ASelected && ASelection && FDataController->CanSelectRow(ARowIndex)) {
    const TcxRowInfo R = GetRowInfo(ARowIndex);
    if (R.Level < FDataGroups->FieldCount() && IsGrouped())
      FSelection->Add(AIndex, ARowIndex, FDataGroups->GetIndexByRowIndex(ARowIndex), -1);
    else
      FSelection->Add(AIndex, ARowIndex, R.RecordIndex, R.Level);
  }
  CheckChanges();
}

void TcxCustomDataControllerInfo::ClearSelection() {
  FSelection->Clear();
  CheckChanges();
}

Integer TcxCustomDataControllerInfo::GetSelectedRowIndex(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= FSelection->Count()) return -1;
  return FSelection->GetItem(AIndex).RowIndex;
}

bool TcxCustomDataControllerInfo::IsRowSelected(Integer ARowIndex) const {
  CheckRowIndex(ARowIndex);
  return FSelection->IsRowSelected(ARowIndex);
}

void TcxCustomDataControllerInfo::RecalcSelection() {
  for (Integer I = 0; I < FSelection->Count(); ++I) {
    TcxDataSelectionItem& A = FSelection->GetItem(I);
    if (A.Level == -1)
      A.RowIndex = A.RecordIndex >= 0 && A.RecordIndex < FDataGroups->ItemCount()
                       ? FDataGroups->GetItem(A.RecordIndex)->RowIndex
                       : -1;
    else
      A.RowIndex = GetRowIndexByRecordIndex(A.RecordIndex, false);
  }
}

// Truncation after records were deleted looks at data rows only: a group row's value is an item
// index in the group tree, not a record index, and must not be compared with the record count.
void TcxCustomDataControllerInfo::TruncateSelection() {
  TcxCustomDataController* C = FDataController;
  if (FSelection->Count() == 0) return;
  const Integer ACount = C->GetRecordCount();
  if (ACount == 0) {
    FSelection->ClearAll();
    return;
  }
  if (C->IsDeletingSelection() && !C->GetInLoadStorage()) return;
  if (C->IsKeyNavigation() && !C->IsSmartRefresh()) return;
  bool AChanged = false;
  for (Integer I = FSelection->Count() - 1; I >= 0; --I) {
    const TcxDataSelectionItem& A = FSelection->GetItem(I);
    if (A.Level != -1 && A.RecordIndex >= ACount) {
      FSelection->InternalDelete(I);
      AChanged = true;
    }
  }
  if (AChanged) SelectionChanged();
}

// ---- Remembered expansion ------------------------------------------------------------------------------------------

void TcxCustomDataControllerInfo::SaveInfo() {
  TcxDataExpandingInfoStateSet S;
  const bool ALoadOrGroup = Changes.Contains(dcicLoad) || Changes.Contains(dcicGrouping);
  if (FDataController->GetOptions().Contains(dcoSaveExpanding) && ALoadOrGroup) S.Include(eisExpanded);
  if (FSelection->Count() > 0 && (ALoadOrGroup || Changes.Contains(dcicSorting) || Changes.Contains(dcicExpanding)))
    S.Include(eisSelected);
  SaveExpanding(S);
}

void TcxCustomDataControllerInfo::SaveExpanding(TcxDataExpandingInfoStateSet ASaveStates) {
  TcxDataExpandingInfos* E = FExpandingInfo;
  if (ASaveStates == E->SaveStates && !ASaveStates.Empty()) return;
  bool AFieldsDiffer = FDataGroups->FieldCount() != FGroupingFieldList->Count();
  for (Integer I = 0; !AFieldsDiffer && I < FDataGroups->FieldCount(); ++I)
    AFieldsDiffer = FDataGroups->GetField(I) != FGroupingFieldList->GetItem(I).Field;
  if (ASaveStates.Empty() || AFieldsDiffer || FDataController->GetRecordCount() == 0) {
    E->Clear();
    E->SaveStates = ASaveStates;
    return;
  }
  E->Clear();
  E->SaveStates = ASaveStates;
  for (Integer I = 0; I < FDataGroups->FieldCount(); ++I)
    E->AddField(static_cast<TcxCustomDataField*>(FDataGroups->GetField(I)));
  if (!IsGrouped()) return;
  const Integer ALast = FDataGroups->FieldCount() - 1;
  Integer ALimit = 0;
  for (Integer I = 0; I < FDataGroups->ItemCount(); ++I) {
    TcxDataGroupInfo* G = FDataGroups->GetItem(I);
    if (G->Level > ALimit) continue;
    if (G->Expanded)
      ALimit = G->Level + 1;
    else if (ASaveStates.Contains(eisSelected))
      ALimit = G->Level;
    else {
      ALimit = G->Level;
      continue;
    }
    Integer D = I;
    while (FDataGroups->GetItem(D)->Level < ALast) D = FDataGroups->GetItem(D)->FirstIndex;
    const Integer ARecord = FRecordList[static_cast<size_t>(FDataGroups->GetItem(D)->FirstIndex)];
    if (ARecord >= FDataController->GetRecordCount()) continue;
    TcxDataExpandingInfoStateSet AState;
    if (G->Expanded && (FSelection->Count() > 0 || !IsAlwaysExpanded())) AState.Include(eisExpanded);
    if (ASaveStates.Contains(eisSelected) && FSelection->FindByGroupIndex(I) != -1) AState.Include(eisSelected);
    if (!AState.Empty())
      E->AddItem(G->Level, FDataController->GetComparedValue(ARecord, static_cast<TcxCustomDataField*>(FDataGroups->GetField(G->Level))),
                 AState);
  }
}

void TcxCustomDataControllerInfo::CheckExpanding() {
  TcxDataExpandingInfos* E = FExpandingInfo;
  if (IsGrouped() && IsAlwaysExpanded()) FDataGroups->FullExpanding(true);
  // An ungrouped view remembers no groups, only that the selection is to be re-mapped.
  if (E->SaveStates.Empty()) return;
  bool AFieldsDiffer = E->FieldCount() != FDataGroups->FieldCount();
  for (Integer I = 0; !AFieldsDiffer && I < E->FieldCount(); ++I) AFieldsDiffer = E->GetField(I) != FDataGroups->GetField(I);
  if (AFieldsDiffer) {
    if (E->SaveStates.Contains(eisSelected)) FSelection->ClearAll();
    return;
  }
  const Integer F = FDataGroups->FieldCount();
  for (Integer I = FSelection->Count() - 1; I >= 0; --I) {
    const TcxDataSelectionItem& A = FSelection->GetItem(I);
    if (A.Level == -1 || A.Level != F) FSelection->InternalDelete(I);
  }
  if (IsGrouped()) {
    RestoreExpanding();
    if (!IsAlwaysExpanded() && E->SaveStates.Contains(eisExpanded)) FDataGroups->Rebuild();
    RemapSelection();
  } else if (E->SaveStates.Contains(eisSelected) && !FDataController->IsGridMode()) {
    for (Integer I = 0; I < FSelection->Count(); ++I) {
      TcxDataSelectionItem& A = FSelection->GetItem(I);
      A.RowIndex = GetInternalRecordListIndex(A.RecordIndex);
    }
    FSelection->Sort();
  }
  if (FSelection->AnchorRowIndex != -1 && !FSelection->IsRowSelected(FSelection->AnchorRowIndex))
    FSelection->ClearAnchor();
}

// Finds each remembered group again by its values of levels 0 .. a.
void TcxCustomDataControllerInfo::RestoreExpanding() {
  TcxDataExpandingInfos* E = FExpandingInfo;
  auto* ALocate = New<TcxDataControllerGroupLocateObject>(FDataController);
  auto* AReader = New<TcxValueDefUnboundReader>();
  try {
    std::vector<Variant> AValues;
    for (Integer K = 0; K < E->Count(); ++K) {
      const TcxDataExpandingInfo& A = E->GetItem(K);
      if (A.Level < static_cast<Integer>(AValues.size())) AValues.resize(static_cast<size_t>(A.Level));
      while (static_cast<Integer>(AValues.size()) < A.Level) AValues.push_back(Null());
      AValues.push_back(A.Value);
      const bool AWanted = A.State.Contains(eisSelected) ||
                           (A.State.Contains(eisExpanded) && E->SaveStates.Contains(eisExpanded));
      if (!AWanted) continue;
      AReader->Clear();
      for (Integer L = 0; L <= A.Level; ++L) {
        TcxCustomDataField* AField = static_cast<TcxCustomDataField*>(FDataGroups->GetField(L));
        if (AField->GetValueDef()) AReader->SetValue(AField->GetValueDef(), AValues[static_cast<size_t>(L)]);
      }
      ALocate->ReadData(AReader);
      ALocate->SetLevel(A.Level);
      const Integer ARecord = ALocate->FindRecordIndex();
      if (ARecord == -1) continue;
      const Integer APos = GetInternalRecordListIndex(ARecord);
      if (APos == -1) continue;
      const Integer G = FDataGroups->FindByIndex(APos, A.Level);
      if (G == -1) continue;
      if (A.State.Contains(eisExpanded) && E->SaveStates.Contains(eisExpanded)) FDataGroups->GetItem(G)->Expanded = true;
      if (A.State.Contains(eisSelected)) FSelection->GetItemsForRemap().push_back({-1, G, -1});
    }
  } catch (...) {
    AReader->Free();
    ALocate->Free();
    throw;
  }
  AReader->Free();
  ALocate->Free();
}

void TcxCustomDataControllerInfo::RemapSelection() {
  std::vector<TcxDataSelectionItem>& AItems = FSelection->GetItemsForRemap();
  for (TcxDataSelectionItem& A : AItems)
    A.RowIndex = A.Level == -1 ? -1 : GetInternalRecordListIndex(A.RecordIndex);
  std::stable_sort(AItems.begin(), AItems.end(),
                   [](const TcxDataSelectionItem& A, const TcxDataSelectionItem& B) { return A.RowIndex < B.RowIndex; });
  std::vector<TcxDataSelectionItem> AGroupRows, ADataRows;
  for (const TcxDataSelectionItem& A : AItems) (A.Level == -1 ? AGroupRows : ADataRows).push_back(A);
  std::vector<TcxDataSelectionItem> AKept;
  size_t K = 0;
  Integer ALimit = 0;
  const Integer ALast = FDataGroups->FieldCount() - 1;
  for (Integer I = 0; I < FDataGroups->ItemCount(); ++I) {
    TcxDataGroupInfo* G = FDataGroups->GetItem(I);
    if (G->Level > ALimit) continue;
    ALimit = G->Expanded ? G->Level + 1 : G->Level;
    if (G->Level != ALast) continue;
    while (K < ADataRows.size() && ADataRows[K].RowIndex < G->FirstIndex) ++K;
    while (K < ADataRows.size() && ADataRows[K].RowIndex <= G->LastIndex) {
      if (G->Expanded) {
        TcxDataSelectionItem A = ADataRows[K];
        A.RowIndex = G->RowIndex + A.RowIndex - G->FirstIndex + 1;
        AKept.push_back(A);
      }
      ++K;
    }
  }
  for (TcxDataSelectionItem A : AGroupRows) {
    A.RowIndex = FDataGroups->GetItem(A.RecordIndex)->RowIndex;
    AKept.push_back(A);
  }
  AItems = std::move(AKept);
  FSelection->Sort();
}

}  // namespace cxCustomData
