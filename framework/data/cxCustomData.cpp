// The data controller's lifecycle, update locks, items and fields, data-changed listeners, record
// values, change batching and notification of the view, and the controller stream.
#include "cxCustomData.h"

#include <algorithm>

#include "Components.h"
#include "Streams.h"
#include "Strings.h"
#include "cxCustomDataFilter.h"
#include "cxCustomDataGuards.h"
#include "cxCustomDataKeys.h"
#include "cxCustomDataSearch.h"
#include "cxDataConsts.h"
#include "cxDataStorage.h"

namespace cxCustomData {

IMPLEMENT_ABSTRACT_CLASS(TcxCustomDataController)

// ---- Lifecycle -------------------------------------------------------------------------------------------------

void TcxCustomDataController::Construct() {
  inherited::Construct();
  FDataChangedListeners = new std::vector<TNotifyEventItem>();
  FDataStorage = New<TcxDataStorage>();
  FGroups = New<TcxDataControllerGroups>(this);
  FFields = New<TcxCustomDataFieldList>(this);
  FFilters = New<TcxDataFilterList>();
  FFilter = cxCreateDataControllerPart<TcxDataFilterCriteria>(GetFilterCriteriaClass(), this);
  FFilter->SetDataController(this);
  FSearch = cxCreateDataControllerPart<TcxDataControllerSearch>(GetSearchClass(), this);
  FSummary = cxCreateDataControllerPart<TcxDataSummary>(GetSummaryClass(), this);
  FProvider = cxCreateDataControllerPart<TcxCustomDataProvider>(GetDataProviderClass(), this);
  FDataControllerInfo = New<TcxCustomDataControllerInfo>(this);
  FMasterRecordIndex = FBookmarkRecordIndex = FNearestRecordIndex = -1;
  ResetDataChangeInfo();
  FNotifier = New<TcxDataControllerNotifier>(nullptr, this);
  FDataStorage->OnClearInternalRecords = TNotifyEvent(this, &TcxCustomDataController::DataStorageClearInternalRecords);
  UpdateUseRecordIDState();
  FListenerLinks = new std::vector<TcxDataListenerLink*>();
  FOptions = {dcoAssignGroupingValues, dcoAssignMasterDetailKeys, dcoSaveExpanding};
}

void TcxCustomDataController::BeforeDestruction() {
  FDestroying = true;
  inherited::BeforeDestruction();
}

void TcxCustomDataController::Destroy() {
  Destroying();
  FreeAndNil(FNotifier);
  FreeAndNil(FRelations);
  FreeAndNil(FDataControllerInfo);
  FreeAndNil(FSummary);
  FreeAndNil(FFilter);
  FreeAndNil(FFilters);
  if (FDataStorage) FDataStorage->Clear(false);
  FreeAndNil(FGroups);
  FreeAndNil(FFields);
  FreeAndNil(FDataStorage);
  FreeAndNil(FProvider);
  FreeAndNil(FSearch);
  delete FDataChangedListeners;
  FDataChangedListeners = nullptr;
  NotifyListenerLinks();
  delete FListenerLinks;
  FListenerLinks = nullptr;
  FreeAndNil(FSaveObject);  // only left behind by an unbalanced SaveKeys
  inherited::Destroy();
}

TPersistent* TcxCustomDataController::GetOwner() { return FOwner; }

void TcxCustomDataController::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TcxCustomDataController*>(Source);
  if (!S) {
    inherited::Assign(Source);
    return;
  }
  SetOptions(S->FOptions);
  FFilter->Assign(S->FFilter, false);
  FSummary->Assign(S->FSummary);
  OnAfterCancel = S->OnAfterCancel;
  OnAfterDelete = S->OnAfterDelete;
  OnAfterInsert = S->OnAfterInsert;
  OnAfterPost = S->OnAfterPost;
  OnBeforeCancel = S->OnBeforeCancel;
  OnBeforeDelete = S->OnBeforeDelete;
  OnBeforeInsert = S->OnBeforeInsert;
  OnBeforePost = S->OnBeforePost;
  SetOnFilterRecord(S->FOnFilterRecord);
  OnNewRecord = S->OnNewRecord;
  OnCompare = S->OnCompare;
  OnDataChanged = S->OnDataChanged;
  OnDetailCollapsing = S->OnDetailCollapsing;
  OnDetailCollapsed = S->OnDetailCollapsed;
  OnDetailExpanding = S->OnDetailExpanding;
  OnDetailExpanded = S->OnDetailExpanded;
  OnGroupingChanged = S->OnGroupingChanged;
  OnRecordChanged = S->OnRecordChanged;
  OnSortingChanged = S->OnSortingChanged;
}

void TcxCustomDataController::Loaded() {
  if (FDataChangedFlag) DoDataChanged();
  if (FAfterSummaryFlag) FSummary->DoAfterSummary();
}

bool TcxCustomDataController::IsLoading() { return FOwner && FOwner->ComponentState().Contains(csLoading); }

bool TcxCustomDataController::IsDestroying() {
  return FDestroying || (FOwner && FOwner->ComponentState().Contains(csDestroying));
}

bool TcxCustomDataController::IsReading() { return FOwner && FOwner->ComponentState().Contains(csReading); }

// ---- Update locks ------------------------------------------------------------------------------------------------

void TcxCustomDataController::BeginUpdate() { FDataControllerInfo->BeginUpdate(); }

void TcxCustomDataController::EndUpdate() {
  FDataControllerInfo->EndUpdate();
  CheckChanges();
}

Integer TcxCustomDataController::GetLockCount() const {
  return FDataControllerInfo ? FDataControllerInfo->LockCount() : 0;
}

void TcxCustomDataController::EndUpdateFields() {
  if (--FUpdateFieldsLockCount == 0 && FUpdateFieldsPending) {
    FUpdateFieldsPending = false;
    LayoutChanged({lcStructure});
  }
}

void TcxCustomDataController::LockGridModeNotify() {
  ++FGridModeNotifyLockCount;
  FProvider->BeginLocate();
}

void TcxCustomDataController::UnlockGridModeNotify() {
  FProvider->EndLocate();
  --FGridModeNotifyLockCount;
}

void TcxCustomDataController::SaveKeys() {
  if (FSaveObjectLockCount++ > 0) return;
  BeginFullUpdate();
  FSaveObject = New<TcxSaveObject>();
  FSaveObject->SaveState(this);
}

void TcxCustomDataController::RestoreKeys() {
  if (--FSaveObjectLockCount > 0) return;
  TcxSaveObject* A = FSaveObject;
  FSaveObject = nullptr;
  try {
    if (A) A->RestoreState(this);
  } catch (...) {
    if (A) A->Free();
    EndFullUpdate();
    throw;
  }
  if (A) A->Free();
  EndFullUpdate();
}

// ---- Items and fields ------------------------------------------------------------------------------------------

Integer TcxCustomDataController::GetItemCount() { return FFields->ItemCount(); }

void TcxCustomDataController::CheckItemRange(Integer AItemIndex) {
  if (AItemIndex < 0 || AItemIndex >= GetItemCount()) InvalidOperation(&cxSDataItemIndexError);
}

TcxCustomDataField* TcxCustomDataController::GetField(Integer AItemIndex) {
  CheckItemRange(AItemIndex);
  return FFields->GetItem(AItemIndex);
}

String TcxCustomDataController::GetItemName(TObject* AItem) {
  auto* C = dynamic_cast<TComponent*>(AItem);
  return C ? C->GetName() : String();
}

TObject* TcxCustomDataController::FindItemByInternalID(Integer AID) {
  for (Integer I = 0; I < GetItemCount(); ++I)
    if (GetItemID(GetItem(I)) == AID) return GetItem(I);
  return nullptr;
}

TObject* TcxCustomDataController::FindItemByName(const String& AName) {
  for (Integer I = 0; I < GetItemCount(); ++I)
    if (AnsiSameText(GetItemName(GetItem(I)), AName)) return GetItem(I);
  return nullptr;
}

TcxCustomDataField* TcxCustomDataController::AddField() {
  auto* F = As<TcxCustomDataField>(GetFieldClass()->Create());
  FFields->Add(F);
  return F;
}

TcxCustomDataField* TcxCustomDataController::AddItem(TObject* AItem) {
  if (AItem && FFields->FieldByItem(AItem)) InvalidOperation(&cxSDataItemExistError);
  TcxCustomDataField* F = AddField();
  F->SetItem(AItem);
  return F;
}

TcxCustomDataField* TcxCustomDataController::AddInternalField() {
  auto* F = As<TcxCustomDataField>(GetFieldClass()->Create());
  F->SetIsInternal(true);
  FFields->Add(F);
  return F;
}

void TcxCustomDataController::RemoveItem(TObject* AItem) {
  TcxCustomDataField* F = FFields->FieldByItem(AItem);
  if (!F) return;
  TcxUpdateScope U(this);
  FDataControllerInfo->RemoveField(F);
  F->Free();
}

void TcxCustomDataController::RemoveField(TcxCustomDataField* AField) {
  if (FRecordHandlesField == AField) FRecordHandlesField = nullptr;
  if (FRelations) FRelations->RemoveDataField(AField);
  if (FFilters)
    for (Integer I = 0; I < FFilters->Count(); ++I) FFilters->GetItem(I)->RemoveItemByField(AField);
  if (FFilter) FFilter->RemoveItemByField(AField);
  if (FSummary && !FSummary->IsDestroying()) FSummary->RemoveItemByField(AField);
  if (FIncrementalFilterField == AField) ResetIncrementalFilter();
  if (FSortingBySummaryField == AField) SetSortingBySummaryDataItemIndex(-1);
  if (FIncrementalSearchField == AField) {
    CancelSearch();
    FIncrementalSearchField = nullptr;
  }
}

void TcxCustomDataController::UpdateItemIndexes() {
  for (Integer I = 0; I < GetItemCount(); ++I)
    if (TcxCustomDataField* F = FFields->FieldByItem(GetItem(I))) F->SetIndex(I);
  Change({dccLayout});
}

void TcxCustomDataController::UpdateItems(bool AUpdateFields) {
  if (FInUpdateItems) return;
  if (GetLockCount() > 0) FStructureChanged = true;
  FInUpdateItems = true;
  try {
    if (IsProviderDataSource()) UpdateStorage(AUpdateFields);
  } catch (...) {
    FInUpdateItems = false;
    throw;
  }
  FInUpdateItems = false;
}

void TcxCustomDataController::UpdateFields() {
  for (Integer I = 0; I < FFields->Count(); ++I) FFields->GetItem(I)->SetPrepared(false);
  for (bool ARestart = true; ARestart;) {
    ARestart = false;
    FFields->SetFieldDestroyed(false);
    for (Integer I = 0; I < FFields->Count(); ++I) {
      TcxCustomDataField* F = FFields->GetItem(I);
      if (F->GetPrepared()) continue;
      F->SetPrepared(true);
      PrepareField(F);
      if (FFields->GetFieldDestroyed()) {
        ARestart = true;
        break;
      }
    }
  }
}

bool TcxCustomDataController::ItemPropertiesChanged(Integer AItemIndex) {
  if (AItemIndex == -1 || GetItemSortOrder(AItemIndex) != soNone) {
    Refresh();
    return true;
  }
  return false;
}

void TcxCustomDataController::ChangeNeedConversion(Integer AItemIndex, bool Value) {
  if (GetItemNeedConversion(AItemIndex) == Value) return;
  TcxCustomDataField* F = GetField(AItemIndex);
  F->SetNeedConversion(Value);
  FDataControllerInfo->UpdateField(F);
}

void TcxCustomDataController::ChangeTextStored(Integer AItemIndex, bool Value) {
  if (GetItemTextStored(AItemIndex) == Value) return;
  TcxCustomDataField* F = GetField(AItemIndex);
  F->SetTextStored(Value);
  FDataControllerInfo->UpdateField(F);
}

void TcxCustomDataController::ChangeValueTypeClass(Integer AItemIndex, TcxValueTypeClass AClass) {
  if (GetItemValueTypeClass(AItemIndex) == AClass) return;
  TcxCustomDataField* F = GetField(AItemIndex);
  F->SetValueTypeClass(AClass);
  if (IsProviderMode()) RestructData();
  FDataControllerInfo->UpdateField(F);
  DoValueTypeClassChanged(AItemIndex);
}

bool TcxCustomDataController::GetItemTextStored(Integer AItemIndex) { return GetField(AItemIndex)->GetTextStored(); }

TcxValueTypeClass TcxCustomDataController::GetItemValueTypeClass(Integer AItemIndex) {
  return GetField(AItemIndex)->GetValueTypeClass();
}

bool TcxCustomDataController::IsDataField(TcxCustomDataField* AField) {
  if (!AField->GetIsInternal()) return true;
  TcxCustomDataField* R = AField->GetReferenceField();
  return R && !R->GetIsInternal();
}

void TcxCustomDataController::RemoveNotification(TComponent* AComponent) { FFields->RemoveNotification(AComponent); }

TcxDataFilterCriteria* TcxCustomDataController::CreateFilter() {
  auto* F = cxCreateDataControllerPart<TcxDataFilterCriteria>(GetFilterCriteriaClass(), this);
  F->SetDataController(this);
  FFilters->Add(F);
  return F;
}

// ---- Listeners ---------------------------------------------------------------------------------------------------

void TcxCustomDataController::AddDataChangedListener(TObject* AInstance, TNotifyEvent AEvent) {
  FDataChangedListeners->push_back({AInstance, AEvent});
}

void TcxCustomDataController::RemoveDataChangedListener(TObject* AInstance, TNotifyEvent AEvent) {
  auto& L = *FDataChangedListeners;
  for (auto It = L.begin(); It != L.end(); ++It)
    if (It->Instance == AInstance && It->Event.Method().Code == AEvent.Method().Code) {
      L.erase(It);
      return;
    }
}

void TcxCustomDataController::ClearDataChangedListeners() { FDataChangedListeners->clear(); }

bool TcxCustomDataController::IsDataChangedListenersExist() {
  return OnDataChanged || OnRecordChanged || !FDataChangedListeners->empty();
}

void TcxCustomDataController::AddDataChangeRefCount() {
  ++FDataChangeRefCount;
  SetIsPattern(FIsPatternRequested);
}

void TcxCustomDataController::RemoveDataChangeRefCount() {
  --FDataChangeRefCount;
  SetIsPattern(FIsPatternRequested);
}

TcxDataListenerLink* TcxCustomDataController::AddListenerLink(TcxCustomDataController* ARef) {
  auto* L = new TcxDataListenerLink{ARef};
  if (ARef) ARef->FListenerLinks->push_back(L);
  return L;
}

void TcxCustomDataController::RemoveListenerLink(TcxDataListenerLink* ALink) {
  if (ALink->Ref) {
    auto& L = *ALink->Ref->FListenerLinks;
    L.erase(std::remove(L.begin(), L.end(), ALink), L.end());
  }
  delete ALink;
}

void TcxCustomDataController::NotifyListenerLinks() {
  if (!FListenerLinks) return;
  for (TcxDataListenerLink* L : *FListenerLinks) L->Ref = nullptr;
  FListenerLinks->clear();
}

bool TcxCustomDataController::IsDataLoading() { return FProvider->LockCount > 0; }

// ---- Values -------------------------------------------------------------------------------------------------------

void TcxCustomDataController::CheckRecordRange(Integer ARecordIndex) {
  GetNewItemRecordIndex();
  if ((ARecordIndex >= 0 && ARecordIndex < GetRecordCount()) || ARecordIndex == FNewItemRecordIndex ||
      (ARecordIndex != 0 && ARecordIndex == FProvider->SavedRecordIndex))
    return;
  InvalidOperation(&cxSDataRecordIndexError);
}

void TcxCustomDataController::CheckRange(Integer ARecordIndex, Integer AItemIndex) {
  CheckRecordRange(ARecordIndex);
  CheckItemRange(AItemIndex);
}

void TcxCustomDataController::CheckSelectedCount(Integer ARecordIndex) {
  FDataControllerInfo->TruncateSelection();
  CheckBookmarkValid(ARecordIndex);
}

Integer TcxCustomDataController::GetRecordCount() { return FDataStorage->GetRecordCount(); }

void TcxCustomDataController::SetRecordCount(Integer ACount) {
  if (IsGridMode()) return;
  ACount = std::max(ACount, 0);
  const Integer AOld = GetRecordCount();
  if (ACount == AOld) return;
  if (IsProviderMode()) {
    FProvider->SetRecordCount(ACount);
    return;
  }
  FDataStorage->SetRecordCount(ACount);
  CheckSelectedCount(-1);
  CheckEditingRecordIndex(-1);
  DataChanged(ACount > AOld ? dcNew : dcDeleted, -1, -1);
}

Variant TcxCustomDataController::GetValue(Integer ARecordIndex, Integer AItemIndex) {
  CheckRange(ARecordIndex, AItemIndex);
  return GetInternalValue(ARecordIndex, FFields->GetItem(AItemIndex));
}

String TcxCustomDataController::GetDisplayText(Integer ARecordIndex, Integer AItemIndex) {
  CheckRange(ARecordIndex, AItemIndex);
  return GetInternalDisplayText(ARecordIndex, FFields->GetItem(AItemIndex));
}

Variant TcxCustomDataController::GetInternalValue(Integer ARecordIndex, TcxCustomDataField* AField) {
  if (IsProviderMode() && ARecordIndex >= 0 && IsDataField(AField)) return FProvider->GetValue(ARecordIndex, AField);
  return GetStoredValue(ARecordIndex, AField);
}

bool TcxCustomDataController::CanReadStoredValues(TcxCustomDataField* AField) {
  return AField->GetValueDef() && !((IsProviderMode() || IsGridMode()) && IsDataField(AField));
}

String TcxCustomDataController::GetInternalDisplayText(Integer ARecordIndex, TcxCustomDataField* AField) {
  if (IsProviderMode() && ARecordIndex >= 0 && IsDataField(AField))
    return FProvider->GetDisplayText(ARecordIndex, AField);
  return GetStoredDisplayText(ARecordIndex, AField);
}

Variant TcxCustomDataController::GetStoredValue(Integer ARecordIndex, TcxCustomDataField* AField) {
  if (IsGridMode() && IsDataField(AField)) return FProvider->GetExternalDataValue(ARecordIndex, AField);
  TcxValueDef* D = AField->GetValueDef();
  return D ? FDataStorage->GetValue(ARecordIndex, D) : Null();
}

String TcxCustomDataController::GetStoredDisplayText(Integer ARecordIndex, TcxCustomDataField* AField) {
  if (IsGridMode() && IsDataField(AField)) return FProvider->GetExternalDataDisplayText(ARecordIndex, AField);
  TcxValueDef* D = AField->GetValueDef();
  return D ? FDataStorage->GetDisplayText(ARecordIndex, D) : String();
}

void TcxCustomDataController::SetStoredValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value) {
  if (TcxValueDef* D = AField->GetValueDef()) FDataStorage->SetValue(ARecordIndex, D, Value);
}

void TcxCustomDataController::SetValue(Integer ARecordIndex, Integer AItemIndex, const Variant& Value) {
  if (IsGridMode()) return;
  CheckRange(ARecordIndex, AItemIndex);
  TcxCustomDataField* F = FFields->GetItem(AItemIndex);
  if (IsProviderMode() && ARecordIndex >= 0) {
    FProvider->SetValue(ARecordIndex, F, Value);
  } else {
    if (!F->GetValueDef()) return;
    SetStoredValue(ARecordIndex, F, Value);
  }
  DataChanged(dcField, AItemIndex, ARecordIndex);
}

void TcxCustomDataController::SetDisplayText(Integer ARecordIndex, Integer AItemIndex, const String& AText) {
  if (IsGridMode()) return;
  CheckRange(ARecordIndex, AItemIndex);
  TcxCustomDataField* F = FFields->GetItem(AItemIndex);
  if (IsProviderMode() && ARecordIndex >= 0) {
    FProvider->SetDisplayText(ARecordIndex, F, AText);
  } else {
    TcxValueDef* D = F->GetValueDef();
    if (!D) return;
    if (D->GetTextStored()) FDataStorage->SetDisplayText(ARecordIndex, D, AText);
  }
  DataChanged(dcField, AItemIndex, ARecordIndex);
}

Variant TcxCustomDataController::GetRecordId(Integer ARecordIndex) {
  if (ARecordIndex < 0 || ARecordIndex >= GetRecordCount()) InvalidOperation(&cxSDataRecordIndexError);
  if (IsRecordID()) return FDataStorage->GetRecordID(ARecordIndex);
  if (IsProviderMode() && FProvider->IsRecordIdSupported()) return FProvider->GetRecordId(ARecordIndex);
  return Null();
}

Variant TcxCustomDataController::GetInternalRecordId(Integer ARecordIndex,
                                                     const std::vector<TcxCustomDataField*>& AKeyFields) {
  if (AKeyFields.empty()) return IsProviderMode() ? FProvider->GetRecordId(ARecordIndex) : Null();
  if (AKeyFields.size() == 1) return GetInternalValue(ARecordIndex, AKeyFields[0]);
  Variant V = VarArrayCreate({0, static_cast<Integer>(AKeyFields.size()) - 1}, varVariant);
  for (size_t I = 0; I < AKeyFields.size(); ++I)
    VarArrayPut(V, GetInternalValue(ARecordIndex, AKeyFields[I]), {static_cast<Integer>(I)});
  return V;
}

void TcxCustomDataController::GetGroupValues(Integer ARecordIndex, std::vector<Variant>& AValues) {
  TcxGroupingFieldList* G = FDataControllerInfo->GetGroupingFieldList();
  AValues.assign(static_cast<size_t>(G->Count()), Null());
  if (ARecordIndex < 0 || ARecordIndex >= GetRecordCount()) return;
  for (Integer I = 0; I < G->Count(); ++I) AValues[static_cast<size_t>(I)] = GetGroupValue(ARecordIndex, G->GetItem(I).Field);
}

Integer TcxCustomDataController::AppendRecord() {
  if (IsSmartLoad()) return AppendInSmartLoad();
  if (IsProviderMode()) return FProvider->AppendRecord();
  const Integer AIndex = FDataStorage->AppendRecord();
  DataChanged(dcNew, -1, -1);
  return AIndex;
}

Integer TcxCustomDataController::InsertRecord(Integer ARecordIndex) {
  if (ARecordIndex < 0 || ARecordIndex > GetRecordCount()) InvalidOperation(&cxSDataRecordIndexError);
  if (IsSmartLoad()) return AppendInSmartLoad();
  if (IsProviderMode()) return FProvider->InsertRecord(ARecordIndex);
  FDataStorage->InsertRecord(ARecordIndex);
  CorrectAfterInsert(ARecordIndex);
  DataChanged(dcNew, -1, -1);
  return ARecordIndex;
}

void TcxCustomDataController::DeleteRecord(Integer ARecordIndex) {
  CheckRecordRange(ARecordIndex);
  if (IsSmartLoad() && FInSmartLoad) {
    DeleteInSmartLoad(ARecordIndex);
    return;
  }
  if (ARecordIndex == FProvider->EditingRecordIndex) FProvider->EditingRecordIndex = cxNullEditingRecordIndex;
  if (IsProviderMode() && ARecordIndex >= 0) {
    FProvider->DeleteRecord(ARecordIndex);
    return;
  }
  FDataStorage->DeleteRecord(ARecordIndex);
  CorrectAfterDelete(ARecordIndex);
  CheckSelectedCount(ARecordIndex);
  CheckInternalRecordRange(ARecordIndex);
  DataChanged(dcDeleted, -1, -1);
}

void TcxCustomDataController::CheckInternalRecordRange(Integer ARecordIndex) {
  if (ARecordIndex == FNewItemRecordIndex) FNewItemRecordIndex = 0;
}

void TcxCustomDataController::CopyRecord(Integer AFromRecordIndex, Integer AToRecordIndex) {
  auto* AReader = New<TcxValueDefRecordReader>(this, AFromRecordIndex);
  try {
    if (IsProviderMode() && AToRecordIndex >= 0)
      FDataStorage->ReadRecordFrom(AFromRecordIndex, AToRecordIndex, AReader,
                                   TcxValueDefSetProc(this, &TcxCustomDataController::ProviderValueDefSetProc));
    else
      FDataStorage->ReadRecord(AToRecordIndex, AReader);
  } catch (...) {
    AReader->Free();
    throw;
  }
  AReader->Free();
  if (AToRecordIndex >= 0) DataChanged(dcRecord, -1, -1);
}

void TcxCustomDataController::ProviderValueDefSetProc(TcxValueDef* AValueDef, Integer AFromRecordIndex,
                                                      Integer AToRecordIndex, cxDataStorage::TcxValueDefReader* AReader) {
  if (IsValueDefInternal(AValueDef)) return;
  auto* F = dynamic_cast<TcxCustomDataField*>(AValueDef->GetLinkObject());
  if (!F) return;
  FProvider->SetValue(AToRecordIndex, F, AReader->GetValue(AValueDef));
  if (AValueDef->GetTextStored()) FProvider->SetDisplayText(AToRecordIndex, F, AReader->GetDisplayText(AValueDef));
}

Integer TcxCustomDataController::LoadRecord(cxDataStorage::TcxValueDefReader* AReader) {
  if (IsProviderMode()) return FProvider->AddRecordHandle(nullptr);
  const Integer AIndex = FDataStorage->AppendRecord();
  FDataStorage->ReadRecord(AIndex, AReader);
  DoReadRecord(AIndex);
  return AIndex;
}

void TcxCustomDataController::DoReadRecord(Integer ARecordIndex) { FProvider->CorrectRecordIndex(ARecordIndex); }

Integer TcxCustomDataController::AppendInSmartLoad() {
  const bool ASaved = FInSmartLoad;
  FInSmartLoad = true;
  Integer AIndex;
  try {
    if (IsProviderMode()) {
      TcxCustomDataSource* S = FProvider->GetCustomDataSource();
      AIndex = FProvider->AddRecordHandle(S->AppendRecord());
    } else {
      auto* AReader = As<TcxValueDefReader>(FProvider->GetValueDefReaderClass()->Create());
      try {
        AIndex = LoadRecord(AReader);
      } catch (...) {
        AReader->Free();
        throw;
      }
      AReader->Free();
      DataChanged(dcNew, -1, -1);
    }
  } catch (...) {
    FInSmartLoad = ASaved;
    throw;
  }
  FInSmartLoad = ASaved;
  return AIndex;
}

void TcxCustomDataController::DeleteInSmartLoad(Integer ARecordIndex) {
  if (IsProviderMode()) FProvider->DeleteRecord(ARecordIndex);
  FDataStorage->DeleteRecord(ARecordIndex);
}

void TcxCustomDataController::BeginSmartLoad() {
  FProvider->Freeze();
  FProvider->SavePos();
  FDataStorage->BeginLoad();
}

void TcxCustomDataController::EndSmartLoad() {
  FDataStorage->EndLoad();
  FProvider->RestorePos();
  FProvider->Unfreeze();
  UpdateFocused();
  FDataControllerInfo->Refresh();
}

Integer TcxCustomDataController::GetFilteredRecordCount() const { return FDataControllerInfo->GetInternalRecordCount(); }

Integer TcxCustomDataController::GetFilteredRecordIndex(Integer AIndex) const {
  return FDataControllerInfo->GetInternalRecordIndex(AIndex);
}

Integer TcxCustomDataController::GetFilteredIndexByRecordIndex(Integer ARecordIndex) const {
  return FDataControllerInfo->GetInternalRecordListIndex(ARecordIndex);
}

bool TcxCustomDataController::GetIsRowInfoValid() const { return !FDataControllerInfo->IsCalculating(); }

// ---- Settings and modes ----------------------------------------------------------------------------------------

void TcxCustomDataController::SetFilter(TcxDataFilterCriteria* Value) { FFilter->Assign(Value, false); }

void TcxCustomDataController::SetSummary(TcxDataSummary* Value) { FSummary->Assign(Value); }

TcxCustomDataSource* TcxCustomDataController::GetCustomDataSource() const { return FProvider->GetCustomDataSource(); }

void TcxCustomDataController::SetCustomDataSource(TcxCustomDataSource* Value) { FProvider->SetCustomDataSource(Value); }

void TcxCustomDataController::SetOptions(TcxDataControllerOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  Refresh();
}

void TcxCustomDataController::SetOnFilterRecord(TcxDataFilterRecordEvent Value) {
  if (FOnFilterRecord.Method() == Value.Method()) return;
  FOnFilterRecord = Value;
  FFilter->Changed();
}

bool TcxCustomDataController::IsProviderMode() { return FProvider && FProvider->GetCustomDataSource() != nullptr; }
bool TcxCustomDataController::IsUnboundMode() { return FProvider->IsCustomDataSourceSupported() && !IsProviderMode(); }
bool TcxCustomDataController::IsGridMode() { return FProvider && FProvider->IsGridMode(); }
bool TcxCustomDataController::IsDataBound() { return IsProviderMode() || FProvider->IsDataSource(); }
bool TcxCustomDataController::IsProviderDataSource() { return IsProviderMode() || FStructureRecreated; }
bool TcxCustomDataController::IsKeyNavigation() { return IsProviderMode() && FProvider->IsRecordIdSupported(); }
bool TcxCustomDataController::IsRecordID() { return IsUnboundMode() && UseRecordID(); }
void TcxCustomDataController::UpdateUseRecordIDState() { FDataStorage->SetUseRecordID(IsRecordID()); }
bool TcxCustomDataController::IsImmediatePost() {
  return FOptions.Contains(dcoImmediatePost) || FProvider->IsUnboundColumnMode();
}

TClass TcxCustomDataController::GetDataProviderClass() { return TcxCustomDataProvider::StaticClass(); }
TClass TcxCustomDataController::GetDataSelectionClass() { return TcxDataSelection::StaticClass(); }
TClass TcxCustomDataController::GetFieldClass() { return TcxCustomDataField::StaticClass(); }
TClass TcxCustomDataController::GetFilterCriteriaClass() { return TcxDataFilterCriteria::StaticClass(); }
TClass TcxCustomDataController::GetRelationClass() { return TcxCustomDataRelation::StaticClass(); }
TClass TcxCustomDataController::GetSearchClass() { return TcxDataControllerSearch::StaticClass(); }
TClass TcxCustomDataController::GetSummaryClass() { return TcxDataSummary::StaticClass(); }
TClass TcxCustomDataController::GetSummaryItemClass() { return TcxDataSummaryItem::StaticClass(); }
TClass TcxCustomDataController::GetSummaryGroupItemLinkClass() { return TcxDataSummaryGroupItemLink::StaticClass(); }

// ---- Change batching and notification ------------------------------------------------------------------------

void TcxCustomDataController::Change(TcxDataControllerChanges AChanges) {
  FChanges += AChanges;
  CheckChanges();
}

// Nothing is reported while the controller is being destroyed: its parts go one by one.
void TcxCustomDataController::CheckChanges() {
  if (FDestroying || GetLockCount() > 0) return;
  Unlocked();
  if (FChanges.Empty()) return;
  if (FStructureChanged) {
    FStructureChanged = false;
    LayoutChanged({lcStructure});
  }
  Update();
}

void TcxCustomDataController::Update() {
  const TcxDataControllerChanges C = FChanges;
  FChanges = TcxDataControllerChanges();
  if (C.Contains(dccData))
    DataNotification();
  else if (C.Contains(dccLayout) || C.Contains(dccDetail) || C.Contains(dccSummary))
    LayoutNotification();
  else if (C.Contains(dccUpdateRecord))
    UpdateRecordNotification();
  if (C.Contains(dccFocus)) FocusedNotification();
  if (C.Contains(dccSelection)) SelectionNotification();
  if (C.Contains(dccSearch)) SearchNotification();
  if (C.Contains(dccBookmark)) BookmarkNotification();
  if (C.Contains(dccGrouping)) DoGroupingChanged();
  if (C.Contains(dccSorting)) DoSortingChanged();
  if (C.Contains(dccSyncMasterPos) && GetDetailMode() == dcdmClone)
    if (TcxCustomDataController* P = GetPatternDataController()) P->UpdateFocused();
}

void TcxCustomDataController::NotifyControl(TcxUpdateControlInfo* AInfo) {
  const bool ASaved = FInNotifyControl;
  FInNotifyControl = true;
  try {
    UpdateControl(AInfo);
  } catch (...) {
    AInfo->Free();
    FInNotifyControl = ASaved;
    throw;
  }
  AInfo->Free();
  FInNotifyControl = ASaved;
}

void TcxCustomDataController::UpdateControl(TcxUpdateControlInfo* AInfo) {
  if (OnUpdateControl) OnUpdateControl(AInfo);
}

void TcxCustomDataController::DataNotification() {
  TcxDataChangeInfo& I = FDataChangeInfo;
  try {
    if (I.Kind == dcField && I.ItemIndex == -1) I.Kind = dcRecord;
    if ((I.Kind == dcField || I.Kind == dcRecord) && I.RecordIndex == -1 && !IsNewItemRecordIndex(-1)) I.Kind = dcTotal;
    NotifyControl(New<TcxDataChangedInfo>(I.Kind, I.ItemIndex, I.RecordIndex));
    DoDataChanged();
  } catch (...) {
    ResetDataChangeInfo();
    throw;
  }
  ResetDataChangeInfo();
}

void TcxCustomDataController::LayoutNotification() { NotifyControl(New<TcxLayoutChangedInfo>()); }
void TcxCustomDataController::SearchNotification() { NotifyControl(New<TcxSearchChangedInfo>()); }
void TcxCustomDataController::BookmarkNotification() { NotifyControl(New<TcxBookmarkChangedInfo>()); }
void TcxCustomDataController::BeforeGroupingNotification() { NotifyControl(New<TcxGroupingChangingInfo>()); }

void TcxCustomDataController::UpdateRecordNotification() {
  NotifyControl(New<TcxUpdateRecordInfo>(GetFocusedRecordIndex()));
  CancelSearch();
}

void TcxCustomDataController::FocusedNotification() {
  TcxCustomDataControllerInfo* E = FDataControllerInfo;
  const Integer APrevRow = E->GetPrevFocusedRowIndex();
  const Integer ARow = E->GetFocusedRowIndex();
  if (APrevRow != ARow) NotifyControl(New<TcxFocusedRowChangedInfo>(APrevRow, ARow));
  const Integer APrevRecord = E->GetPrevFocusedRecordIndex();
  const Integer ARecord = GetFocusedRecordIndex();
  if (APrevRecord >= 0 || ARecord >= 0 || E->GetNewItemRowFocusingChanged()) {
    NotifyControl(New<TcxFocusedRecordChangedInfo>(APrevRecord, ARecord, APrevRow, ARow,
                                                   E->GetNewItemRowFocusingChanged()));
    CancelSearch();
  }
  E->GetPrevFocusingInfo()->Assign(E->GetFocusingInfo());
}

void TcxCustomDataController::SelectionNotification() {
  const Integer N = GetSelectedCount();
  FSelectionInfo.SelectedCount = N;
  FSelectionInfo.RowIndex = N == 1 ? GetSelectedRowIndex(0) : -1;
  if (N <= 1 && FPrevSelectionInfo.SelectedCount <= 1)
    NotifyControl(New<TcxSelectionChangedInfo>(FPrevSelectionInfo.SelectedCount == 0 ? -1 : FPrevSelectionInfo.RowIndex,
                                               FSelectionInfo.RowIndex));
  else
    NotifyControl(New<TcxSelectionChangedInfo>());
  FPrevSelectionInfo = FSelectionInfo;
}

void TcxCustomDataController::CorrectPrevSelectionChangedInfo() {
  if (FPrevSelectionInfo.SelectedCount != 1) return;
  FPrevSelectionInfo.SelectedCount = GetSelectedCount();
  FPrevSelectionInfo.RowIndex = FPrevSelectionInfo.SelectedCount == 1 ? GetSelectedRowIndex(0) : -1;
}

void TcxCustomDataController::ResetDataChangeInfo() {
  FDataChangeInfo = TcxDataChangeInfo();
  FDataChangePending = false;
}

// A change folds into the pending one: another record makes it total, and a total change stays
// total until the notification resets it.
void TcxCustomDataController::DataChanged(TcxDataChange ADataChange, Integer AItemIndex, Integer ARecordIndex) {
  TcxDataChangeInfo& I = FDataChangeInfo;
  if (FDataChangePending && I.Kind == dcTotal) {
    // a pending total change stays total until the notification resets it
  } else if ((I.RecordIndex != -1 || IsNewItemRecordIndex(-1)) && ARecordIndex != I.RecordIndex) {
    I.Kind = dcTotal;
  } else if (ADataChange != dcField || I.ItemIndex == -1 || AItemIndex == I.ItemIndex) {
    I.Kind = ADataChange;
  } else {
    I.Kind = dcRecord;
    AItemIndex = -1;
  }
  FDataChangePending = true;
  I.ItemIndex = AItemIndex;
  I.RecordIndex = ARecordIndex;
  if (ADataChange == dcTotal) {
    UpdateStorage(false);
  } else {
    if (ADataChange == dcNew || ADataChange == dcDeleted) FDataControllerInfo->FocusedRecordChanged(false);
    FDataControllerInfo->Refresh();
  }
  ResetMasterHasChildrenFlag();
}

void TcxCustomDataController::DoDataChanged() {
  if (IsDestroying() || !IsDataChangedListenersExist()) return;
  if (IsLoading()) {
    FDataChangedFlag = true;
    return;
  }
  FDataChangedFlag = false;
  NotifyDataChangedListeners();
}

void TcxCustomDataController::NotifyDataChangedListeners() {
  const TcxDataChangeInfo& I = FDataChangeInfo;
  if (!GetIsPattern()) {
    if ((I.Kind == dcField || I.Kind == dcRecord) && (I.RecordIndex != -1 || IsNewItemRecordIndex(-1)) &&
        OnRecordChanged)
      OnRecordChanged(this, I.RecordIndex, I.ItemIndex);
    if (OnDataChanged) OnDataChanged(this);
  }
  if (IsGridMode() && FProvider->LocateCount > 0) return;
  const std::vector<TNotifyEventItem> AListeners = *FDataChangedListeners;
  for (const TNotifyEventItem& L : AListeners) L.Event(this);
}

void TcxCustomDataController::LayoutChanged(TcxDataLayoutChanges) { UpdateItems(FProvider->IsActive()); }

void TcxCustomDataController::ActiveChanged(bool AActive) {
  FActive = AActive;
  UpdateItems(FProvider->IsActive());
  ResetMasterHasChildrenFlag();
}

void TcxCustomDataController::DataScrolled(Integer) { UpdateFocused(); }

void TcxCustomDataController::UpdateFocused() {
  if (FProvider->LocateCount > 0 && FDataControllerInfo->IsFocusing()) return;
  FDataControllerInfo->RefreshFocused();
}

void TcxCustomDataController::FilterChanged() {
  CheckFocusingAfterFilterNeeded = true;
  Cancel();
  Refresh();
  CheckBookmarkValid(-1);
  CorrectPrevSelectionChangedInfo();
}

void TcxCustomDataController::SummaryChanged(bool ARedrawOnly) { FDataControllerInfo->RefreshSummary(ARedrawOnly); }

void TcxCustomDataController::Refresh() {
  TcxUpdateScope U(this);
  FDataControllerInfo->Refresh();
}

bool TcxCustomDataController::LockOnAfterSummary() { return IsGridMode() && FStructureChanged; }

void TcxCustomDataController::DataStorageClearInternalRecords(TObject*) {
  FProvider->SavedRecordIndex = 0;
  FNewItemRecordIndex = 0;
}

void TcxCustomDataController::DoGroupingChanged() {
  if (!IsReading() && OnGroupingChanged) OnGroupingChanged(this);
}

void TcxCustomDataController::DoSortingChanged() {
  if (FInSortingChangedEvent || IsReading()) return;
  FInSortingChangedEvent = true;
  try {
    if (OnSortingChanged) OnSortingChanged(this);
  } catch (...) {
    FInSortingChangedEvent = false;
    throw;
  }
  FInSortingChangedEvent = false;
}

// ---- Event dispatchers ---------------------------------------------------------------------------------------

void TcxCustomDataController::DoAfterCancel() {
  if (OnAfterCancel) OnAfterCancel(this);
}
void TcxCustomDataController::DoAfterDelete() {
  if (OnAfterDelete) OnAfterDelete(this);
}
void TcxCustomDataController::DoAfterInsert() {
  if (OnAfterInsert) OnAfterInsert(this);
}
void TcxCustomDataController::DoAfterPost() {
  if (OnAfterPost) OnAfterPost(this);
}
void TcxCustomDataController::DoBeforeCancel() {
  if (OnBeforeCancel) OnBeforeCancel(this);
}
void TcxCustomDataController::DoBeforeDelete(Integer ARecordIndex) {
  if (OnBeforeDelete) OnBeforeDelete(this, ARecordIndex);
}
void TcxCustomDataController::DoBeforeInsert() {
  if (OnBeforeInsert) OnBeforeInsert(this);
}
void TcxCustomDataController::DoBeforePost() {
  if (OnBeforePost) OnBeforePost(this);
}
bool TcxCustomDataController::DoFilterRecord(Integer ARecordIndex) {
  bool AAccept = true;
  if (FOnFilterRecord) FOnFilterRecord(this, ARecordIndex, AAccept);
  return AAccept;
}
void TcxCustomDataController::DoNewRecord(Integer ARecordIndex) {
  if (OnNewRecord) OnNewRecord(this, ARecordIndex);
}

// ---- The controller stream -------------------------------------------------------------------------------------

namespace {

const char* const cxDataControllerSignature = "DataController1";

void WriteInteger(Streams::TStream* AStream, Integer AValue) {
  const uint8_t B[4] = {static_cast<uint8_t>(AValue), static_cast<uint8_t>(AValue >> 8),
                        static_cast<uint8_t>(AValue >> 16), static_cast<uint8_t>(AValue >> 24)};
  AStream->WriteBuffer(B, 4);
}

Integer ReadInteger(Streams::TStream* AStream) {
  uint8_t B[4];
  AStream->ReadBuffer(B, 4);
  return static_cast<Integer>(static_cast<uint32_t>(B[0]) | static_cast<uint32_t>(B[1]) << 8 |
                              static_cast<uint32_t>(B[2]) << 16 | static_cast<uint32_t>(B[3]) << 24);
}

void WriteString(Streams::TStream* AStream, const String& S) {
  WriteInteger(AStream, static_cast<Integer>(S.size()));
  if (!S.empty()) AStream->WriteBuffer(S.data(), static_cast<Integer>(S.size()));
}

// A length that cannot be in the rest of the stream is a malformed stream, not an allocation.
bool ReadString(Streams::TStream* AStream, String& S) {
  const Integer ALength = ReadInteger(AStream);
  if (ALength < 0 || ALength > AStream->GetSize() - AStream->GetPosition()) return false;
  S.assign(static_cast<size_t>(ALength), '\0');
  if (ALength > 0) AStream->ReadBuffer(S.data(), ALength);
  return true;
}

Integer CompareValueDefsByField(TcxValueDef* A, TcxValueDef* B) {
  auto Index = [](TcxValueDef* D) {
    auto* F = dynamic_cast<TcxCustomDataField*>(D->GetLinkObject());
    return F ? F->GetIndex() : -1;
  };
  return Index(A) - Index(B);
}

// Marks every definition of a non-internal field streamed; answers how many.
Integer MarkStreamed(TcxDataStorage* AStorage) {
  Integer ACount = 0;
  TcxValueDefs* D = AStorage->GetValueDefs();
  for (Integer I = 0; I < D->Count(); ++I) {
    const bool AStreamed = !IsValueDefInternal(D->GetItem(I));
    D->GetItem(I)->SetStreamed(AStreamed);
    if (AStreamed) ++ACount;
  }
  return ACount;
}

struct TStreamingScope {
  TcxDataStorage* S;
  explicit TStreamingScope(TcxDataStorage* AStorage) : S(AStorage) { S->BeginStreaming(&CompareValueDefsByField); }
  ~TStreamingScope() { S->EndStreaming(); }
};

}  // namespace

// In provider mode the records live in the data source, and a stream of them could never be loaded
// again (loading refuses provider mode): refused here as well, before anything is written.
void TcxCustomDataController::SaveToStream(Streams::TStream* AStream) {
  if (IsProviderMode()) InvalidOperation(&cxSDataProviderModeError);
  WriteString(AStream, cxDataControllerSignature);
  WriteInteger(AStream, MarkStreamed(FDataStorage));
  TStreamingScope AScope(FDataStorage);
  TcxValueDefs* D = FDataStorage->GetValueDefs();
  for (Integer I = 0; I < D->Count(); ++I)
    if (D->GetItem(I)->GetStreamed()) WriteString(AStream, D->GetItem(I)->GetValueTypeClass()->ClassName());
  WriteInteger(AStream, GetRecordCount());
  for (Integer R = 0; R < GetRecordCount(); ++R) FDataStorage->WriteData(R, AStream);
}

void TcxCustomDataController::LoadFromStream(Streams::TStream* AStream) {
  if (IsProviderMode()) InvalidOperation(&cxSDataProviderModeError);
  String S;
  if (!ReadString(AStream, S) || S != cxDataControllerSignature) InvalidOperation(&cxSDataInvalidStreamFormat);
  const Integer ACount = MarkStreamed(FDataStorage);
  if (ReadInteger(AStream) != ACount) InvalidOperation(&cxSDataInvalidStreamFormat);
  TStreamingScope AScope(FDataStorage);
  TcxValueDefs* D = FDataStorage->GetValueDefs();
  for (Integer I = 0; I < D->Count(); ++I) {
    if (!D->GetItem(I)->GetStreamed()) continue;
    if (!ReadString(AStream, S) || S != D->GetItem(I)->GetValueTypeClass()->ClassName())
      InvalidOperation(&cxSDataInvalidStreamFormat);
  }
  TcxUpdateScope U(this);
  ClearSelection();
  const Integer ARecordCount = ReadInteger(AStream);
  // Each record takes at least its null flag: a count the rest of the stream cannot hold is malformed.
  if (ARecordCount < 0 || ARecordCount > AStream->GetSize() - AStream->GetPosition())
    InvalidOperation(&cxSDataInvalidStreamFormat);
  SetRecordCount(ARecordCount);
  for (Integer R = 0; R < ARecordCount; ++R) FDataStorage->ReadData(R, AStream);
  FDataControllerInfo->Refresh();
}

}  // namespace cxCustomData
