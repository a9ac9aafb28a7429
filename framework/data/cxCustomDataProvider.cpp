#include "cxCustomDataProvider.h"

#include <algorithm>

#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxCustomDataGuards.h"
#include "cxCustomDataSearch.h"
#include "cxDataConsts.h"
#include "cxDataStorage.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxCustomDataSource)
IMPLEMENT_CLASS(TcxCustomDataProvider)


// ---- TcxCustomDataSource -----------------------------------------------------------------------------------

TcxCustomDataController* TcxCustomDataSource::GetDataController() const {
  return FProvider ? FProvider->GetDataController() : nullptr;
}

Integer TcxCustomDataSource::GetDefaultItemID(Integer AItemIndex) {
  TcxCustomDataController* C = GetDataController();
  return C ? C->GetItemID(C->GetItem(AItemIndex)) : -1;
}

String TcxCustomDataSource::GetDisplayText(TcxDataRecordHandle ARecordHandle, TcxDataItemHandle AItemHandle) {
  try {
    return VarToStr(GetValue(ARecordHandle, AItemHandle));
  } catch (const EVariantError&) {
    return String();
  }
}

bool TcxCustomDataSource::GetInfoForCompare(TcxDataRecordHandle, TcxDataItemHandle, const void*&) {
  InvalidOperation(&cxSDataCustomDataSourceInvalidCompare);
}

TcxDataItemHandle TcxCustomDataSource::GetItemHandle(Integer AItemIndex) {
  return reinterpret_cast<TcxDataItemHandle>(static_cast<intptr_t>(AItemIndex));
}

TcxDataRecordHandle TcxCustomDataSource::GetRecordHandle(Integer ARecordIndex) {
  return reinterpret_cast<TcxDataRecordHandle>(static_cast<intptr_t>(ARecordIndex));
}

void TcxCustomDataSource::LoadRecordHandles() {
  TcxCustomDataController* C = GetDataController();
  if (!C) return;
  TcxDataStorage* S = C->GetDataStorage();
  S->Clear(FProvider->DataChangedLocked);
  const Integer ACount = std::max(GetRecordCount(), 0);
  S->SetRecordCount(ACount);
  TcxValueDef* ADef = C->GetRecordHandlesField() ? C->GetRecordHandlesField()->GetValueDef() : nullptr;
  if (!ADef) return;
  for (Integer I = 0; I < ACount; ++I)
    S->SetValue(I, ADef, static_cast<Int64>(reinterpret_cast<intptr_t>(GetRecordHandle(I))));
}

void TcxCustomDataSource::DataChanged() {
  if (!FProvider) return;
  TcxCustomDataController* C = FProvider->GetDataController();
  TcxFullUpdateScope U(C);
  FProvider->DataChanged(dcTotal, -1, -1);
}

TcxDataRecordHandle TcxCustomDataSource::GetRecordHandleByIndex(Integer ARecordIndex) {
  TcxCustomDataController* C = GetDataController();
  TcxValueDef* ADef = C && C->GetRecordHandlesField() ? C->GetRecordHandlesField()->GetValueDef() : nullptr;
  if (!ADef) return cxNullRecordHandle();
  Variant V = C->GetDataStorage()->GetValue(ARecordIndex, ADef);
  if (VarIsNull(V)) return cxNullRecordHandle();
  return reinterpret_cast<TcxDataRecordHandle>(static_cast<intptr_t>(V.ToInt64()));
}

Integer TcxCustomDataSource::GetRecordIndexByHandle(TcxDataRecordHandle ARecordHandle) {
  TcxCustomDataController* C = GetDataController();
  if (!C) return -1;
  for (Integer I = 0; I < C->GetRecordCount(); ++I)
    if (GetRecordHandleByIndex(I) == ARecordHandle) return I;
  return -1;
}

Integer TcxCustomDataSource::AddRecordHandle(TcxDataRecordHandle ARecordHandle) {
  TcxCustomDataController* C = GetDataController();
  if (!C) return -1;
  TcxDataStorage* S = C->GetDataStorage();
  const Integer AIndex = S->AppendRecord();
  if (TcxCustomDataField* F = C->GetRecordHandlesField())
    if (F->GetValueDef()) S->SetValue(AIndex, F->GetValueDef(), static_cast<Int64>(reinterpret_cast<intptr_t>(ARecordHandle)));
  return AIndex;
}

void TcxCustomDataSource::AddProvider(TcxCustomDataProvider* AProvider) {
  if (!FProviders) FProviders = new std::vector<TcxCustomDataProvider*>();
  FProviders->push_back(AProvider);
}

void TcxCustomDataSource::RemoveProvider(TcxCustomDataProvider* AProvider) {
  if (FProvider == AProvider) FProvider = nullptr;
  if (!FProviders) return;
  auto It = std::find(FProviders->begin(), FProviders->end(), AProvider);
  if (It != FProviders->end()) FProviders->erase(It);
}

void TcxCustomDataSource::RemoveFromProviders() {
  while (FProviders && !FProviders->empty()) {
    TcxCustomDataProvider* P = FProviders->back();
    if (P->GetCustomDataSource() == this)
      P->SetCustomDataSource(nullptr);
    else
      FProviders->pop_back();
  }
}

void TcxCustomDataSource::Destroy() {
  RemoveFromProviders();
  delete FProviders;
  FProviders = nullptr;
  inherited::Destroy();
}

// ---- TcxCustomDataProvider: connection and delegation ------------------------------------------------------

TcxCustomDataSource* TcxCustomDataProvider::Source() {
  if (FCustomDataSource) FCustomDataSource->SetCurrentProvider(this);
  return FCustomDataSource;
}

void TcxCustomDataProvider::SetCustomDataSource(TcxCustomDataSource* Value) {
  if (!IsCustomDataSourceSupported() || FCustomDataSource == Value) return;
  if (FCustomDataSource) FCustomDataSource->RemoveProvider(this);
  FCustomDataSource = Value;
  if (Value) Value->AddProvider(this);
  if (FDataController && !FDataController->IsDestroying()) {
    FDataController->SetInSetCustomDataSourceFlag(true);
    try {
      FDataController->RestructData();
    } catch (...) {
      FDataController->SetInSetCustomDataSourceFlag(false);
      throw;
    }
    FDataController->SetInSetCustomDataSourceFlag(false);
  }
}

void TcxCustomDataProvider::CustomSort() {
  if (TcxCustomDataSource* S = Source()) S->CustomSort();
}
bool TcxCustomDataProvider::IsCustomSorting() {
  TcxCustomDataSource* S = Source();
  return S && S->IsCustomSorting();
}
bool TcxCustomDataProvider::IsRecordIdSupported() {
  TcxCustomDataSource* S = Source();
  return S && S->IsRecordIdSupported();
}

bool TcxCustomDataProvider::CanDelete() { return FDataController->GetRecordCount() > 0; }

Integer TcxCustomDataProvider::AddRecordHandle(TcxDataRecordHandle ARecordHandle) {
  TcxCustomDataSource* S = Source();
  return S ? S->AddRecordHandle(ARecordHandle) : -1;
}

void TcxCustomDataProvider::LoadRecordHandles() {
  if (TcxCustomDataSource* S = Source()) S->LoadRecordHandles();
}

Integer TcxCustomDataProvider::AppendRecord() {
  TcxCustomDataSource* S = Source();
  if (!S) return -1;
  return S->GetRecordIndexByHandle(S->AppendRecord());
}

Integer TcxCustomDataProvider::InsertRecord(Integer ARecordIndex) {
  TcxCustomDataSource* S = Source();
  if (!S) return -1;
  TcxDataRecordHandle H =
      S->GetRecordCount() > 0 ? S->InsertRecord(S->GetRecordHandleByIndex(ARecordIndex)) : S->AppendRecord();
  return S->GetRecordIndexByHandle(H);
}

void TcxCustomDataProvider::DeleteRecord(Integer ARecordIndex) {
  if (TcxCustomDataSource* S = Source()) S->DeleteRecord(S->GetRecordHandleByIndex(ARecordIndex));
}

Variant TcxCustomDataProvider::GetValue(Integer ARecordIndex, TcxCustomDataField* AField) {
  TcxCustomDataSource* S = Source();
  if (!S) return Null();
  return S->GetValue(S->GetRecordHandleByIndex(ARecordIndex), S->GetItemHandle(AField->GetIndex()));
}

void TcxCustomDataProvider::SetValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value) {
  if (TcxCustomDataSource* S = Source())
    S->SetValue(S->GetRecordHandleByIndex(ARecordIndex), S->GetItemHandle(AField->GetIndex()), Value);
}

String TcxCustomDataProvider::GetDisplayText(Integer ARecordIndex, TcxCustomDataField* AField) {
  TcxCustomDataSource* S = Source();
  if (!S) return String();
  return S->GetDisplayText(S->GetRecordHandleByIndex(ARecordIndex), S->GetItemHandle(AField->GetIndex()));
}

Variant TcxCustomDataProvider::GetRecordId(Integer ARecordIndex) {
  TcxCustomDataSource* S = Source();
  return S ? S->GetRecordId(S->GetRecordHandleByIndex(ARecordIndex)) : Null();
}

bool TcxCustomDataProvider::GetDetailHasChildren(Integer ARecordIndex, Integer ARelationIndex) {
  TcxCustomDataSource* S = Source();
  return S && S->GetDetailHasChildren(ARecordIndex, ARelationIndex);
}

void TcxCustomDataProvider::SetRecordCount(Integer ACount) {
  if (TcxCustomDataSource* S = Source()) S->SetRecordCount(ACount);
}

TClass TcxCustomDataProvider::GetValueDefReaderClass() { return TcxValueDefReader::StaticClass(); }

Integer TcxCustomDataProvider::NativeCompareFunc(Integer ARecordIndex1, Integer ARecordIndex2,
                                                 TcxCustomDataField* AField) {
  TcxCustomDataSource* S = Source();
  if (!S) return 0;
  return S->NativeCompareFunc(S->GetRecordHandleByIndex(ARecordIndex1), S->GetRecordHandleByIndex(ARecordIndex2),
                              S->GetItemHandle(AField->GetIndex()));
}

// Internal records hold their values in the storage; source records are asked for theirs.
Integer TcxCustomDataProvider::NativeCompare(Integer ARecordIndex1, Integer ARecordIndex2, TcxCustomDataField* AField) {
  TcxValueDef* ADef = AField->GetValueDef();
  TcxDataStorage* St = FDataController->GetDataStorage();
  if (ARecordIndex1 < 0 && ARecordIndex2 < 0) return ADef ? St->CompareRecords(ARecordIndex1, ARecordIndex2, ADef) : 0;
  TcxCustomDataSource* S = Source();
  if (!ADef || !S) return 0;
  auto Info = [&](Integer ARecordIndex, const void*& P) -> bool {  // answers whether it is Null
    if (ARecordIndex < 0) return St->GetCompareInfo(ARecordIndex, ADef, P);
    return !S->GetInfoForCompare(S->GetRecordHandleByIndex(ARecordIndex), S->GetItemHandle(AField->GetIndex()), P);
  };
  const void* P1 = nullptr;
  const void* P2 = nullptr;
  const bool N1 = Info(ARecordIndex1, P1);
  const bool N2 = Info(ARecordIndex2, P2);
  return ADef->CompareValues(N1, N2, P1, P2);
}

void TcxCustomDataProvider::ActiveChanged(bool AActive) {
  FDataController->ActiveChanged(AActive);
  ResetEditing();
}

void TcxCustomDataProvider::DataChanged(TcxDataChange ADataChange, Integer AItemIndex, Integer ARecordIndex) {
  if (LockCount <= 0) FDataController->DataChanged(ADataChange, AItemIndex, ARecordIndex);
  if (DataChangedLocked)
    ResetChanging();
  else
    ResetEditing();
}

void TcxCustomDataProvider::DataScrolled(Integer ADistance) {
  FDataController->DataScrolled(ADistance);
  ResetChanging();
}

void TcxCustomDataProvider::LayoutChanged(TcxDataLayoutChanges AChanges) { FDataController->LayoutChanged(AChanges); }

// ---- Editing ----------------------------------------------------------------------------------------------------

bool TcxCustomDataProvider::CanInitEditing(Integer ARecordIndex) {
  FDataController->CheckRecordRange(ARecordIndex);
  if (!IsEditing())
    SetEditing();
  else
    SetChanging();
  return true;
}

void TcxCustomDataProvider::CreateSavedRecord(Integer ARecordIndex) {
  if (SavedRecordIndex == 0) SavedRecordIndex = FDataController->GetDataStorage()->AddInternalRecord();
  FDataController->CopyRecord(ARecordIndex, SavedRecordIndex);
}

void TcxCustomDataProvider::ClearSavedRecord() {
  if (SavedRecordIndex != 0) {
    const Integer AIndex = SavedRecordIndex;
    SavedRecordIndex = 0;
    FDataController->GetDataStorage()->DeleteRecord(AIndex);
  }
}

void TcxCustomDataProvider::EditingRecord() {
  TcxCustomDataController* C = FDataController;
  if (C->GetUseNewItemRowForEditing() && C->GetNewItemRowFocused() && !IsInserting()) {
    Insert();
    return;
  }
  EditingRecordIndex = C->CalcEditingRecordIndex();
  if (EditingRecordIndex >= 0) {
    EditingRecordIndex1 = EditingRecordIndex2 = cxNullEditingRecordIndex;
    const Integer R = C->GetFocusedRowIndex();
    if (R != -1) {
      if (R < C->GetRowCount() - 1)
        EditingRecordIndex2 = C->GetRowInfo(R + 1).RecordIndex;
      else
        EditingRecordIndex1 = C->GetRowInfo(R > 0 ? R - 1 : R).RecordIndex;
    }
  }
  if (EditingRecordIndex == cxNullEditingRecordIndex) return;
  if ((!IsDataSource() || C->IsSmartRefresh()) && !FInserting) CreateSavedRecord(EditingRecordIndex);
  C->Change({dccUpdateRecord});
}

void TcxCustomDataProvider::InsertingRecord(bool AIsAppending) {
  TcxCustomDataController* C = FDataController;
  if (!IsDataSource() && IsInserting() && !IsChanging() && !IsModified()) return;
  if (IsEditing() && (IsChanging() || IsModified()) && !IsDataSource()) {
    if (IsChanging()) PostEditingData();
    Post();
  }
  C->DoBeforeInsert();
  {
    TcxUpdateScope U(C);
    std::vector<Variant> AGroupValues;
    if (C->GetUseNewItemRowForEditing()) {
      EditingRecordIndex = C->GetNewItemRecordIndex();
      C->SetNewItemRowFocused(true);
      Integer ASource = C->GetFocusedRecordIndex();
      if (ASource < 0 && C->GetRowCount() > 0) ASource = C->GetRowInfo(0).RecordIndex;
      C->GetGroupValues(ASource, AGroupValues);
    } else {
      if (!AIsAppending) C->ClearSelection();
      if (IsGridMode()) {
        EditingRecordIndex = C->GetActiveRecordIndex();
        C->GetGroupValues(EditingRecordIndex, AGroupValues);
      } else if (AIsAppending) {
        const Integer ALast = C->GetLastRecordIndex();
        C->GetGroupValues(ALast, AGroupValues);
        EditingRecordIndex = C->AppendRecord();
        EditingRecordIndex1 = ALast;
      } else {
        Integer ATarget = C->GetFocusedRecordIndex();
        if (ATarget < 0) ATarget = 0;
        C->GetGroupValues(ATarget, AGroupValues);
        EditingRecordIndex = C->InsertRecord(ATarget);
        EditingRecordIndex2 = ATarget >= EditingRecordIndex ? ATarget + 1 : ATarget;
      }
    }
    DoInitInsertingRecord(EditingRecordIndex, AGroupValues);
    ResetChanging();
    FInserting = true;
  }
  C->ChangeFocusedRecordIndex(EditingRecordIndex);
  C->DoAfterInsert();
}

void TcxCustomDataProvider::DoInitInsertingRecord(Integer AInsertingRecordIndex,
                                                  const std::vector<Variant>& AGroupValues) {
  TcxCustomDataController* C = FDataController;
  TcxGroupingFieldList* G = C->GetDataControllerInfo()->GetGroupingFieldList();
  if (G->Count() > 0 && C->GetOptions().Contains(dcoAssignGroupingValues))
    for (Integer B = 0; B < G->Count() && B < static_cast<Integer>(AGroupValues.size()); ++B)
      AssignItemValue(AInsertingRecordIndex, G->GetItem(B).Field, AGroupValues[static_cast<size_t>(B)]);
  C->DoNewRecord(AInsertingRecordIndex);
}

void TcxCustomDataProvider::AssignItemValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value) {
  FDataController->SetValue(ARecordIndex, AField->GetIndex(), Value);
}

Variant TcxCustomDataProvider::GetEditValue(Integer ARecordIndex, TcxCustomDataField* AField,
                                            TcxDataEditValueSource) {
  if (ARecordIndex == cxNullEditingRecordIndex) InvalidOperation(&cxSDataRecordIndexError);
  return FDataController->GetInternalValue(ARecordIndex, AField);
}

bool TcxCustomDataProvider::SetEditValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value,
                                         TcxDataEditValueSource AEditValueSource) {
  Variant V = Value;
  if (AEditValueSource == evsText && VarToStr(Value).empty()) V = Null();
  FDataController->SetValue(ARecordIndex, AField->GetIndex(), V);
  SetModified();
  return true;
}

void TcxCustomDataProvider::DoUpdateData() {
  if (FInUpdateData) return;
  FInUpdateData = true;
  try {
    if (IsChanging()) FDataController->UpdateData();
  } catch (...) {
    FInUpdateData = false;
    throw;
  }
  FInUpdateData = false;
}

void TcxCustomDataProvider::PostEditingData() {
  DoUpdateData();
  ResetChanging();
}

void TcxCustomDataProvider::Post() {
  TcxCustomDataController* C = FDataController;
  Integer APosted = -1;
  bool ADone = false;
  {
    TcxFullUpdateScope U(C);
    DoUpdateData();
    if (!FInserting || IsModified()) {
      C->DoBeforePost();
      if (FInserting && C->IsNewItemRecordIndex(EditingRecordIndex)) {
        const bool ALock = FCustomDataSource != nullptr;
        if (ALock) DataChangedLocked = true;
        try {
          InsertedRecordIndex = C->AppendRecord();
        } catch (...) {
          if (ALock) DataChangedLocked = false;
          throw;
        }
        if (ALock) DataChangedLocked = false;
        C->CopyRecord(EditingRecordIndex, InsertedRecordIndex);
        APosted = InsertedRecordIndex;
      } else {
        APosted = EditingRecordIndex;
      }
      ResetEditing();
      ADone = true;
    } else {
      Cancel();
    }
    C->DataChanged(dcRecord, -1, APosted);
  }
  if (ADone) C->DoAfterPost();
}

void TcxCustomDataProvider::Cancel() {
  TcxCustomDataController* C = FDataController;
  C->DoBeforeCancel();
  {
    TcxUpdateScope U(C);
    if (IsEditing() && (EditingRecordIndex < C->GetRecordCount() || C->IsNewItemRecordIndex(EditingRecordIndex))) {
      if (FInserting) {
        const bool ASmart = C->GetInSmartLoad();
        C->SetInSmartLoad(C->IsSmartLoad());
        const Integer ARecord = EditingRecordIndex;
        try {
          if (!C->IsNewItemRecordIndex(ARecord)) C->DeleteRecord(ARecord);
        } catch (...) {
          C->SetInSmartLoad(ASmart);
          throw;
        }
        C->SetInSmartLoad(ASmart);
        if (!C->IsCancelling() && C->GetFocusedRecordIndex() >= C->GetRecordCount())
          C->ChangeFocusedRecordIndex(C->GetFocusedRecordIndex() - 1);
      } else if (SavedRecordIndex != 0) {
        C->CopyRecord(SavedRecordIndex, EditingRecordIndex);
      }
    }
    ResetEditing();
  }
  C->DoAfterCancel();
}

void TcxCustomDataProvider::ResetEditing() {
  TcxCustomDataController* C = FDataController;
  if (C && EditingRecordIndex != cxNullEditingRecordIndex && EditingRecordIndex < 0 &&
      C->IsNewItemRecordIndex(EditingRecordIndex))
    C->GetDataStorage()->DeleteRecord(EditingRecordIndex);
  EditingRecordIndex = EditingRecordIndex1 = EditingRecordIndex2 = cxNullEditingRecordIndex;
  FInserting = false;
  ResetChanging();
  ResetModified();
  if (C) ClearSavedRecord();
}

// ---- Deleting -------------------------------------------------------------------------------------------------

void TcxCustomDataProvider::BeginDeleting() {
  TcxCustomDataController* C = FDataController;
  const Integer F = C->GetFocusedRowIndex();
  if (IsGridMode() || F == -1) return;
  const bool AGoes = C->IsFocusedSelectedMode() || C->IsRowSelected(F) || C->GetSelectedCount() == 0;
  const Integer R = AGoes ? C->GetNearestRowIndex(F) : F;
  C->SetNearestRecordIndex(C->GetRowInfo(R).RecordIndex);
}

void TcxCustomDataProvider::EndDeleting() { FDataController->SetNearestRecordIndex(-1); }

void TcxCustomDataProvider::Delete() {
  TcxCustomDataController* C = FDataController;
  const Integer ARecord = C->GetFocusedRecordIndex();
  if (ARecord == -1) return;
  C->DoBeforeDelete(ARecord);
  const bool AKeys = C->IsProviderMode();
  if (AKeys) C->SaveKeys();
  try {
    C->DeleteRecord(ARecord);
    C->CheckNearestFocusRow();
  } catch (...) {
    if (AKeys) C->RestoreKeys();
    throw;
  }
  if (AKeys) C->RestoreKeys();
  C->DoAfterDelete();
}

void TcxCustomDataProvider::DeleteRecords(const std::vector<Integer>& AList) {
  TcxCustomDataController* C = FDataController;
  const bool AKeys = C->IsProviderMode();
  if (AKeys) C->SaveKeys();
  try {
    {
      TcxFullUpdateScope U(C);
      for (auto It = AList.rbegin(); It != AList.rend(); ++It) {
        C->DoBeforeDelete(*It);
        C->DeleteRecord(*It);
        C->DoAfterDelete();
      }
      if (C->IsDeletingSelection()) C->ClearSelection();
    }
    C->CheckNearestFocusRow();
  } catch (...) {
    if (AKeys) C->RestoreKeys();
    throw;
  }
  if (AKeys) C->RestoreKeys();
}

void TcxCustomDataProvider::DeleteSelection() {
  TcxCustomDataController* C = FDataController;
  std::vector<Integer> AList;
  for (Integer I = 0; I < C->GetSelectedCount(); ++I) {
    const Integer R = C->GetSelectedRowIndex(I);
    const TcxRowInfo AInfo = C->GetRowInfo(R);
    if (AInfo.Level < C->GetDataControllerInfo()->GetGroupingFieldList()->Count())
      C->GetGroups()->LoadRecordIndexesByRowIndex(AList, R);
    else
      AList.push_back(AInfo.RecordIndex);
  }
  C->DeleteRecordsOfSelection(AList);
}

void TcxCustomDataProvider::Destroy() {
  if (FDataController) ClearSavedRecord();
  if (FCustomDataSource) FCustomDataSource->RemoveProvider(this);
  FCustomDataSource = nullptr;
  inherited::Destroy();
}

}  // namespace cxCustomData
