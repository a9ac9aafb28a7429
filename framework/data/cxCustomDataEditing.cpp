// The data controller's side of editing, the upkeep of its record storage, and the comparison and
// search of records that the update engine sorts, groups and locates with.
#include <algorithm>

#include "Strings.h"
#include "cxVariants.h"
#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxCustomDataGuards.h"
#include "cxDataStorage.h"

namespace cxCustomData {

// ---- Edit state ---------------------------------------------------------------------------------------------

TcxDataControllerEditState TcxCustomDataController::GetEditState() {
  TcxDataControllerEditState S;
  if (FProvider->IsInserting())
    S.Include(dceInsert);
  else if (FProvider->IsEditing())
    S.Include(dceEdit);
  if (!S.Empty()) {
    if (FProvider->IsChanging()) S.Include(dceChanging);
    if (FProvider->IsModified()) S.Include(dceModified);
  }
  return S;
}

TcxDataControllerEditOperations TcxCustomDataController::GetEditOperations() {
  TcxDataControllerEditOperations O;
  if (FProvider->CanAppend()) O.Include(dceoAppend);
  if (FProvider->CanDelete()) O.Include(dceoDelete);
  if (FProvider->CanModify()) O.Include(dceoEdit);
  if (FProvider->CanInsert()) O.Include(dceoInsert);
  if (!FProvider->IsDataSource() || FProvider->IsSyncMode()) O.Include(dceoShowEdit);
  return O;
}

bool TcxCustomDataController::GetIsEditing() {
  const TcxDataControllerEditState S = GetEditState();
  return (S.Contains(dceInsert) || S.Contains(dceEdit)) && FProvider->EditingRecordIndex != cxNullEditingRecordIndex;
}

// ---- Editing operations ----------------------------------------------------------------------------------------

void TcxCustomDataController::Append() {
  if (FProvider->CanAppend()) FProvider->Append();
}

void TcxCustomDataController::Insert() {
  if (FProvider->CanInsert()) FProvider->Insert();
}

void TcxCustomDataController::Edit() {
  if (FProvider->CanModify()) FProvider->Edit();
}

// The listener link tells whether the controller survived the post (an event may free it).
void TcxCustomDataController::Post() {
  TcxDataListenerLink* L = AddListenerLink(this);
  CheckFocusingAfterFilterNeeded = true;
  try {
    if (FProvider->IsEditing()) FProvider->Post();
  } catch (...) {
    if (L->Ref) FProvider->InsertedRecordIndex = -1;
    RemoveListenerLink(L);
    throw;
  }
  if (L->Ref) FProvider->InsertedRecordIndex = -1;
  RemoveListenerLink(L);
}

void TcxCustomDataController::Cancel() {
  if (FInCancel) return;
  FInCancel = true;
  try {
    Integer F = GetFocusedRowIndex();
    if (FProvider->IsEditing()) FProvider->Cancel();
    F = std::min(F, GetRowCount() - 1);
    if (!FDataControllerInfo->InCanFocusedRowChanging()) ChangeFocusedRowIndex(F);
  } catch (...) {
    FInCancel = false;
    throw;
  }
  FInCancel = false;
}

void TcxCustomDataController::DeleteFocused() {
  const Integer R = GetFocusedRowIndex();
  if (R == -1 || !FProvider->CanDelete()) return;
  FProvider->BeginDeleting();
  try {
    if (GetRowInfo(R).Level < FDataControllerInfo->GetGroupingFieldList()->Count() && FDataControllerInfo->IsGrouped()) {
      std::vector<Integer> AList;
      FGroups->LoadRecordIndexesByRowIndex(AList, R);
      DeleteRecords(AList);
    } else {
      DeleteFocusedRecord();
    }
    ClearSelection();
  } catch (...) {
    FProvider->EndDeleting();
    throw;
  }
  FProvider->EndDeleting();
}

void TcxCustomDataController::DeleteSelection() {
  if (GetSelectedCount() == 0 || !FProvider->CanDelete()) return;
  FProvider->BeginDeleting();
  try {
    if (IsFocusedSelectedMode())
      DeleteFocusedRecord();
    else
      FProvider->DeleteSelection();
  } catch (...) {
    FProvider->EndDeleting();
    throw;
  }
  FProvider->EndDeleting();
}

void TcxCustomDataController::DeleteRecordsOfSelection(const std::vector<Integer>& AList) {
  const bool ASaved = FInDeleteSelection;
  FInDeleteSelection = true;
  try {
    DeleteRecords(AList);
  } catch (...) {
    FInDeleteSelection = ASaved;
    throw;
  }
  FInDeleteSelection = ASaved;
}

void TcxCustomDataController::DeleteFocusedRecord() {
  const Integer AFocused = GetFocusedRecordIndex();
  if (FNearestRecordIndex != -1 && FNearestRecordIndex >= AFocused) --FNearestRecordIndex;
  try {
    FProvider->Delete();
  } catch (...) {
    FNearestRecordIndex = AFocused;
    throw;
  }
}

void TcxCustomDataController::DeleteRecords(std::vector<Integer> AList) {
  std::sort(AList.begin(), AList.end());
  AList.erase(std::unique(AList.begin(), AList.end()), AList.end());
  const Integer ASaved = FNearestRecordIndex;
  if (FNearestRecordIndex != -1) {
    const Integer ANearest = FNearestRecordIndex;
    for (Integer R : AList)
      if (ANearest >= R) --FNearestRecordIndex;
  }
  try {
    FProvider->DeleteRecords(AList);
  } catch (...) {
    FNearestRecordIndex = ASaved;
    throw;
  }
}

bool TcxCustomDataController::CanInitEditing(Integer AItemIndex) {
  TcxCustomDataField* F = GetField(AItemIndex);
  if (!FProvider->CanModify() && !F->IsUnbound()) return false;
  if (!F->CanModify(GetItemValueSource(AItemIndex))) return false;
  return FProvider->CanInitEditing(GetEditingRecordIndex());
}

Variant TcxCustomDataController::GetEditValue(Integer AItemIndex, TcxDataEditValueSource AEditValueSource) {
  TcxCustomDataField* F = GetField(AItemIndex);
  if (FUseNewItemRowForEditing && GetNewItemRowFocused() && !FProvider->IsEditing()) return Null();
  return FProvider->GetEditValue(GetEditingRecordIndex(), F, AEditValueSource);
}

bool TcxCustomDataController::SetEditValue(Integer AItemIndex, const Variant& Value,
                                           TcxDataEditValueSource AEditValueSource) {
  if (!CanInitEditing(AItemIndex)) return false;
  const bool AResult = FProvider->SetEditValue(GetEditingRecordIndex(), GetField(AItemIndex), Value, AEditValueSource);
  if (AResult && IsImmediatePost()) Post();
  return AResult;
}

void TcxCustomDataController::PostEditingData() { FProvider->PostEditingData(); }

Integer TcxCustomDataController::GetEditingRecordIndex() {
  return FProvider->EditingRecordIndex != cxNullEditingRecordIndex ? FProvider->EditingRecordIndex
                                                                   : CalcEditingRecordIndex();
}

Integer TcxCustomDataController::CalcEditingRecordIndex() {
  if (GetNewItemRowFocused()) return GetNewItemRecordIndex();
  if (GetFocusedRowIndex() == -1) return cxNullEditingRecordIndex;
  return GetFocusedRecordIndex();
}

// A change after the edited record leaves the edit in place.
void TcxCustomDataController::CheckEditingRecordIndex(Integer ARecordIndex) {
  const Integer E = FProvider->EditingRecordIndex;
  if (E < GetRecordCount() && (ARecordIndex < 0 || ARecordIndex > E)) return;
  FProvider->ResetEditing();
}

Integer TcxCustomDataController::GetNewItemRecordIndex() {
  if (FNewItemRecordIndex == 0) FNewItemRecordIndex = FDataStorage->AddInternalRecord();
  return FNewItemRecordIndex;
}

bool TcxCustomDataController::IsNewItemRecordIndex(Integer ARecordIndex) {
  return FUseNewItemRowForEditing && FNewItemRecordIndex != 0 && ARecordIndex == FNewItemRecordIndex;
}

void TcxCustomDataController::SetUseNewItemRowForEditing(bool Value) {
  if (FUseNewItemRowForEditing == Value) return;
  Cancel();
  ClearSelection();
  FUseNewItemRowForEditing = Value;
  Change({dccData});
}

bool TcxCustomDataController::GetNewItemRowFocused() {
  return FNewItemRowFocused && FUseNewItemRowForEditing && GetFocusedRecordIndex() == -1;
}

void TcxCustomDataController::SetNewItemRowFocused(bool Value) {
  if (FNewItemRowFocused == Value) return;
  {
    TcxUpdateScope U(this);
    if (Value)
      ChangeFocusedRowIndex(-1);
    else if (!IsDestroying())
      Post();
    FDataControllerInfo->FocusedRecordChanged(true);
    FNewItemRowFocused = Value;
  }
  if (FOptions.Contains(dcoInsertOnNewItemRowFocusing) && GetNewItemRowFocused() && !FProvider->IsInserting())
    Insert();
}

void TcxCustomDataController::ResetNewItemRowFocused() {
  if (!FNewItemRowFocused) return;
  FNewItemRowFocused = false;
  FDataControllerInfo->GetPrevFocusingInfo()->Changed = true;
}

void TcxCustomDataController::BeforeSorting() {
  if (GetIsEditing()) Post();
}

bool TcxCustomDataController::CanFocusRecord(Integer ARecordIndex) {
  if (!FProvider->IsDataSource() && ARecordIndex != FProvider->EditingRecordIndex) Post();
  return true;
}

void TcxCustomDataController::CheckDetailsBrowseMode() {
  if (!FRelations || FRelations->Count() == 0) return;
  for (Integer R = 0; R < GetRecordCount(); ++R)
    for (Integer K = 0; K < FRelations->Count(); ++K)
      if (IsDetailDataControllerExist(R, K))
        if (TcxCustomDataController* D = GetDetailDataController(R, K)) D->CheckBrowseMode();
}

// ---- Storage upkeep ---------------------------------------------------------------------------------------------

void TcxCustomDataController::LoadStorage() {
  if (!(IsSmartLoad() && FInSmartLoad)) FDataStorage->Clear(FProvider->DataChangedLocked);
  if (FProvider->IsActive() && !IsSmartLoad()) {
    if (GetDetailMode() != dcdmPattern) LoadRecords();
    FInLoadStorage = true;
    try {
      CheckSelectedCount(-1);
    } catch (...) {
      FInLoadStorage = false;
      throw;
    }
    FInLoadStorage = false;
    UpdateFocused();
  }
  Change({dccData});
  SyncMasterPos();
}

void TcxCustomDataController::LoadRecords() {
  if (IsGridMode()) {
    FDataStorage->BeginLoad();
    FProvider->LoadDataBuffer();
    FDataStorage->EndLoad();
    return;
  }
  FProvider->Freeze();
  try {
    FProvider->SavePos();
    FProvider->First();
    if (FProvider->RecreatedFieldsAfterFirst) UpdateFields();
    FDataStorage->BeginLoad();
    try {
      if (IsProviderMode()) {
        FProvider->LoadRecordHandles();
      } else {
        auto* AReader = As<TcxValueDefReader>(FProvider->GetValueDefReaderClass()->Create());
        try {
          while (!FProvider->IsEOF()) {
            const Integer AIndex = FDataStorage->AppendRecord();
            FDataStorage->ReadRecord(AIndex, AReader);
            DoReadRecord(AIndex);
            FProvider->Next();
          }
        } catch (...) {
          AReader->Free();
          throw;
        }
        AReader->Free();
      }
    } catch (...) {
      FDataStorage->EndLoad();
      throw;
    }
    FDataStorage->EndLoad();
    LoadedStorage = FProvider->ActiveChanging;
    FProvider->RestorePos();
  } catch (...) {
    FProvider->Unfreeze();
    throw;
  }
  FProvider->Unfreeze();
}

void TcxCustomDataController::SyncMasterPos() {
  if (GetDetailMode() == dcdmClone) Change({dccSyncMasterPos});
  NotifyDataControllers();
}

// Provider mode keeps the record handles as 64-bit integers, so no handle is ever cut.
void TcxCustomDataController::RestructData() {
  TcxFullUpdateScope U(this);
  FProvider->ResetEditing();
  if (!IsUnboundMode() || FInSetCustomDataSource) FDataStorage->Clear(false);
  InternalClearBookmark();
  CheckSelectedCount(-1);
  FDataStorage->SetStoredValuesOnly(IsProviderMode() || IsGridMode());
  UpdateUseRecordIDState();
  if (!IsProviderMode()) {
    if (FRecordHandlesField) {
      TcxCustomDataField* F = FRecordHandlesField;
      FRecordHandlesField = nullptr;
      F->Free();
    }
  } else if (!FRecordHandlesField) {
    FRecordHandlesField = AddInternalField();
    FRecordHandlesField->SetValueTypeClass(ValueTypeClass<TcxLargeIntValueType>());
  }
  FStructureRecreated = true;
  LayoutChanged({lcData});
}

void TcxCustomDataController::UpdateStorage(bool AUpdateFields) {
  TcxFullUpdateScope U(this);
  if (IsProviderDataSource()) {
    if (AUpdateFields || FProvider->IsActiveDataSet()) {
      if (FUpdateFieldsLockCount > 0) {
        FUpdateFieldsPending = true;
      } else if (!(FProvider->IsGridModeUpdating() && (FProvider->IsInserting() || FFields->GetFieldDestroyed()))) {
        UpdateFields();
      }
    }
    if (!FStructureChanged) LoadStorage();
  }
  FDataControllerInfo->Refresh();
  FUpdateItems = false;
  FStructureRecreated = false;
}

void TcxCustomDataController::CheckMode() {
  const bool AGridMode = IsGridMode();
  FProvider->Grouped = FDataControllerInfo->GetGroupingFieldList()->Count() > 0;
  if (FProvider->IsGridMode() != AGridMode) RestructData();
}

// ---- Comparison ----------------------------------------------------------------------------------------------

bool TcxCustomDataController::CanSortByStoredValues() {
  if (IsProviderMode() || IsGridMode()) return false;
  if (FProvider->EditingRecordIndex1 != cxNullEditingRecordIndex ||
      FProvider->EditingRecordIndex2 != cxNullEditingRecordIndex)
    return false;
  TcxSortingFieldList* L = FDataControllerInfo->GetTotalSortingFieldList();
  for (Integer I = 0; I < L->Count(); ++I) {
    TcxCustomDataField* F = L->GetItem(I).Field;
    if (!F->GetValueDef() || (OnCompare && !F->GetIsInternal()) || IsConversionNeededForCompare(F)) return false;
  }
  return true;
}

Integer TcxCustomDataController::CompareRecords(Integer ARecordIndex1, Integer ARecordIndex2,
                                                const TcxDataSortInfo& ASortInfo, TcxDataControllerComparisonMode AMode) {
  const Integer R = CompareByField(ARecordIndex1, ARecordIndex2, ASortInfo.Field, AMode);
  return ASortInfo.SortOrder == soDescending ? -R : R;
}

Integer TcxCustomDataController::CompareByField(Integer ARecordIndex1, Integer ARecordIndex2, TcxCustomDataField* AField,
                                                TcxDataControllerComparisonMode) {
  if ((!OnCompare || AField->GetIsInternal()) && !IsConversionNeededForCompare(AField)) {
    if (IsProviderMode()) return FProvider->NativeCompare(ARecordIndex1, ARecordIndex2, AField);
    TcxValueDef* D = AField->GetValueDef();
    return D ? FDataStorage->CompareRecords(ARecordIndex1, ARecordIndex2, D) : 0;
  }
  if (!OnCompare && IsProviderMode() && FProvider->GetCustomDataSource()->IsNativeCompareFunc() && ARecordIndex1 >= 0 &&
      ARecordIndex2 >= 0)
    return FProvider->NativeCompareFunc(ARecordIndex1, ARecordIndex2, AField);
  const Variant V1 = GetComparedValue(ARecordIndex1, AField);
  const Variant V2 = GetComparedValue(ARecordIndex2, AField);
  if (OnCompare) {
    Integer ACompare = 0;
    OnCompare(this, ARecordIndex1, ARecordIndex2, AField->GetIndex(), V1, V2, ACompare);
    return ACompare;
  }
  return CompareComparedValues(V1, V2);
}

Integer TcxCustomDataController::CompareComparedValues(const Variant& V1, const Variant& V2) {
  if (VarIsStr(V1) && VarIsStr(V2)) {
    const bool AAnsi = FOptions.Contains(dcoAnsiSort);
    const bool ACase = FOptions.Contains(dcoCaseInsensitive);
    if (AAnsi && ACase) return AnsiCompareText(V1.ToString(), V2.ToString());
    if (AAnsi) return AnsiCompareStr(V1.ToString(), V2.ToString());
    if (ACase) return CompareStr(AnsiUpperCase(V1.ToString()), AnsiUpperCase(V2.ToString()));
  }
  return VarCompare(V1, V2);
}

TcxCustomDataController::TcxFieldComparison TcxCustomDataController::GetFieldComparison(TcxCustomDataField* AField) {
  if ((!OnCompare || AField->GetIsInternal()) && !IsConversionNeededForCompare(AField))
    return !IsProviderMode() && AField->GetValueDef() ? fcStoredValues : fcPairwise;
  if (OnCompare || (IsProviderMode() && FProvider->GetCustomDataSource()->IsNativeCompareFunc())) return fcPairwise;
  return fcComparedValues;
}

Variant TcxCustomDataController::GetComparedValue(Integer ARecordIndex, TcxCustomDataField* AField) {
  if (AField->GetSortPreparation() == 2) return GetInternalDisplayText(ARecordIndex, AField);
  return GetInternalValue(ARecordIndex, AField);
}

bool TcxCustomDataController::IsConversionNeededForCompare(TcxCustomDataField* AField) {
  if (AField->GetSortPreparation() != 0) return AField->GetSortPreparation() > 0;
  bool AResult = AField->GetNeedConversion() || IsStringConversionNeeded(AField) || IsSortByDisplayTextNeeded(AField);
  if (!AResult && IsProviderMode()) AResult = !FProvider->GetCustomDataSource()->IsNativeCompare();
  return AResult;
}

bool TcxCustomDataController::IsStringConversionNeeded(TcxCustomDataField* AField) {
  if (!FOptions.Contains(dcoAnsiSort) && !FOptions.Contains(dcoCaseInsensitive)) return false;
  TcxValueDef* D = AField->GetValueDef();
  return D && D->IsNeedConversion();
}

bool TcxCustomDataController::IsSortByDisplayTextNeeded(TcxCustomDataField* AField) {
  if (FInternalFindRecord || AField->GetIsInternal()) return false;
  return GetItemSortByDisplayText(AField->GetIndex(), FOptions.Contains(dcoSortByDisplayText));
}

bool TcxCustomDataController::IsFilterItemSortByDisplayText(Integer AItemIndex) {
  if (GetItemSortByDisplayText(AItemIndex, true)) return true;
  if (!FOptions.Contains(dcoAnsiSort)) return false;
  TcxValueDef* D = GetField(AItemIndex)->GetValueDef();
  return D && D->IsNeedConversion();
}

// ---- Finding records -----------------------------------------------------------------------------------------

Integer TcxCustomDataController::FindRecordByFields(Integer ARecordIndex,
                                                    const std::vector<TcxCustomDataField*>& AFields) {
  if (AFields.empty()) return -1;
  FDataControllerInfo->PrepareSorting();
  try {
    for (Integer I = 0; I < GetRecordCount(); ++I) {
      bool AEqual = true;
      for (TcxCustomDataField* F : AFields)
        if (CompareByField(I, ARecordIndex, F, dccmOther) != 0) {
          AEqual = false;
          break;
        }
      if (AEqual) {
        FDataControllerInfo->UnprepareSorting();
        return I;
      }
    }
  } catch (...) {
    FDataControllerInfo->UnprepareSorting();
    throw;
  }
  FDataControllerInfo->UnprepareSorting();
  return -1;
}

Integer TcxCustomDataController::FindGroupRecord(Integer ARecordIndex, Integer ALevelCount) {
  Integer ALow = 0;
  Integer AHigh = GetFilteredRecordCount() - 1;
  ALevelCount = std::max(ALevelCount, 1);
  while (ALow <= AHigh) {
    const Integer AMiddle = (ALow + AHigh) / 2;
    const Integer ARecord = GetFilteredRecordIndex(AMiddle);
    Integer R = 0;
    for (Integer L = 0; L < ALevelCount && R == 0; ++L)
      R = FDataControllerInfo->CompareGroupRecords(ARecord, ARecordIndex, L);
    if (R == 0) return ARecord;
    if (R < 0)
      ALow = AMiddle + 1;
    else
      AHigh = AMiddle - 1;
  }
  return -1;
}

}  // namespace cxCustomData
