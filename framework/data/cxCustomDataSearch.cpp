#include "cxCustomDataSearch.h"

#include "cxCustomData.h"
#include "cxDataUtils.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxDataControllerSearch)
IMPLEMENT_CLASS(TcxValueDefUnboundReader)
IMPLEMENT_CLASS(TcxValueDefRecordReader)
IMPLEMENT_CLASS(TcxDataControllerLocateObject)
IMPLEMENT_CLASS(TcxDataControllerKeyLocateObject)
IMPLEMENT_CLASS(TcxDataControllerGroupLocateObject)

// ---- The incremental search ------------------------------------------------------------------------------------

Integer TcxDataControllerSearch::GetItemIndex() {
  return FDataController->FIncrementalSearchField ? FDataController->FIncrementalSearchField->GetIndex() : -1;
}

void TcxDataControllerSearch::SetItemIndex(Integer Value) {
  FDataController->FIncrementalSearchField = FDataController->GetField(Value);
}

bool TcxDataControllerSearch::GetSearching() { return FDataController->FIncrementalSearching; }

String TcxDataControllerSearch::GetSearchText() { return FDataController->FIncrementalSearchText; }

Integer TcxDataControllerSearch::DoSearch(Integer AStartFilteredIndex, Integer AEndFilteredIndex, const String& AText,
                                          bool AForward) {
  TcxCustomDataController* C = FDataController;
  const Integer N = C->GetFilteredRecordCount();
  const Integer AItem = GetItemIndex();
  if (AItem == -1 || N == 0) return -1;
  if (AEndFilteredIndex == -1) AEndFilteredIndex = AForward ? N - 1 : 0;
  const Integer AStep = AForward ? 1 : -1;
  for (Integer P = AStartFilteredIndex; AForward ? P <= AEndFilteredIndex : P >= AEndFilteredIndex; P += AStep) {
    if (P < 0 || P >= N) break;
    if (DataCompareText(C->GetIncrementalSearchText(C->GetFilteredRecordIndex(P), AItem), AText, true)) return P;
  }
  return -1;
}

// The focus change made here must not cancel the search it belongs to.
void TcxDataControllerSearch::DoFocusedRecord(Integer AFilteredIndex) {
  Lock();
  try {
    FDataController->ChangeFocusedRecordIndex(FDataController->GetFilteredRecordIndex(AFilteredIndex));
    FDataController->SyncSelectionFocusedRecord();
  } catch (...) {
    Unlock();
    throw;
  }
  Unlock();
}

bool TcxDataControllerSearch::Locate(Integer AItemIndex, const String& AText) {
  TcxCustomDataController* C = FDataController;
  if (AText.empty() || C->GetFilteredRecordCount() == 0) return false;
  SetItemIndex(AItemIndex);
  bool AFound;
  if (C->IsGridMode()) {
    AFound = C->DoSearchInGridMode(AText, true, false);
  } else {
    Integer AStart = C->GetFilteredIndexByRecordIndex(C->GetFocusedRecordIndex());
    if (C->GetFocusedRecordIndex() == -1 || AStart == -1) AStart = 0;
    Integer P = DoSearch(AStart, -1, AText, true);
    if (P == -1 && AStart > 0) P = DoSearch(0, AStart - 1, AText, true);
    AFound = P != -1;
    if (AFound) DoFocusedRecord(P);
  }
  if (AFound) {
    C->FIncrementalSearching = true;
    C->FIncrementalSearchText = AText;
    C->Change({dccSearch});
    C->CheckFocusedSelected();
  }
  return AFound;
}

bool TcxDataControllerSearch::LocateNext(bool AForward) {
  TcxCustomDataController* C = FDataController;
  if (!GetSearching() || GetSearchText().empty() || GetItemIndex() == -1 || C->GetFilteredRecordCount() == 0)
    return false;
  bool AFound = false;
  if (C->IsGridMode()) {
    AFound = C->DoSearchInGridMode(GetSearchText(), AForward, true);
  } else {
    const Integer P = C->GetFilteredIndexByRecordIndex(C->GetFocusedRecordIndex());
    if (C->GetFocusedRecordIndex() == -1 || P == -1) return false;
    Integer AHit = -1;
    if (AForward && P + 1 < C->GetFilteredRecordCount())
      AHit = DoSearch(P + 1, -1, GetSearchText(), true);
    else if (!AForward && P - 1 >= 0)
      AHit = DoSearch(P - 1, -1, GetSearchText(), false);
    AFound = AHit != -1;
    if (AFound) DoFocusedRecord(AHit);
  }
  if (AFound) C->CheckFocusedSelected();
  return AFound;
}

void TcxDataControllerSearch::Cancel() {
  if (FLocked || !GetSearching()) return;
  FDataController->FIncrementalSearchText.clear();
  FDataController->FIncrementalSearching = false;
  FDataController->Change({dccSearch});
}

void TcxCustomDataController::CancelSearch() {
  if (FSearch) FSearch->Cancel();
}

bool TcxCustomDataController::DoSearchInGridMode(const String&, bool, bool) { return false; }

// ---- Value readers --------------------------------------------------------------------------------------------

Variant TcxValueDefUnboundReader::GetValue(TcxValueDef* AValueDef) {
  if (auto* AInternal = dynamic_cast<TcxInternalValueDef*>(AValueDef)) AValueDef = AInternal->GetValueDef();
  for (size_t I = 0; I < FValueDefs.size(); ++I)
    if (FValueDefs[I] == AValueDef) return I < FValues.size() && FValues[I] ? *FValues[I] : Null();
  return Null();
}

void TcxValueDefUnboundReader::SetValue(TcxValueDef* AValueDef, const Variant& AValue) {
  size_t I = 0;
  while (I < FValueDefs.size() && FValueDefs[I] != AValueDef) ++I;
  if (I == FValueDefs.size()) FValueDefs.push_back(AValueDef);
  while (FValues.size() < FValueDefs.size()) FValues.push_back(nullptr);
  if (!FValues[I]) FValues[I] = new Variant();
  *FValues[I] = AValue;
}

void TcxValueDefUnboundReader::Truncate(Integer ACount) {
  while (static_cast<Integer>(FValues.size()) > std::max(ACount, 0)) {
    delete FValues.back();
    FValues.pop_back();
  }
}

void TcxValueDefUnboundReader::Destroy() {
  Clear();
  inherited::Destroy();
}

Variant TcxValueDefRecordReader::GetValue(TcxValueDef* AValueDef) {
  auto* F = dynamic_cast<TcxCustomDataField*>(AValueDef->GetLinkObject());
  return F ? FDataController->GetInternalValue(FRecordIndex, F) : Null();
}

String TcxValueDefRecordReader::GetDisplayText(TcxValueDef* AValueDef) {
  auto* F = dynamic_cast<TcxCustomDataField*>(AValueDef->GetLinkObject());
  if (!F || F->GetIsInternal()) return String();
  return FDataController->GetInternalDisplayText(FRecordIndex, F);
}

// ---- Locate objects -------------------------------------------------------------------------------------------

void TcxDataControllerLocateObject::ReadData(TcxValueDefReader* AValueDefReader) {
  if (FInternalRecordIndex == 0) FInternalRecordIndex = FDataController->GetDataStorage()->AddInternalRecord();
  FDataController->BeginReadRecord();
  try {
    FDataController->GetDataStorage()->ReadRecord(FInternalRecordIndex, AValueDefReader);
  } catch (...) {
    FDataController->EndReadRecord();
    throw;
  }
  FDataController->EndReadRecord();
}

void TcxDataControllerLocateObject::Clear() {
  if (FInternalRecordIndex != 0) {
    const Integer A = FInternalRecordIndex;
    FInternalRecordIndex = 0;
    if (FDataController->GetDataStorage()) FDataController->GetDataStorage()->DeleteRecord(A);
  }
}

void TcxDataControllerLocateObject::Destroy() {
  Clear();
  inherited::Destroy();
}

Integer TcxDataControllerKeyLocateObject::FindRecordIndex() {
  if (GetInternalRecordIndex() == 0) return -1;
  return GetDataController()->FindRecordByFields(GetInternalRecordIndex(), FFields);
}

void TcxDataControllerGroupLocateObject::Construct() {
  inherited::Construct();
  TcxCustomDataController* C = GetDataController();
  TcxGroupingFieldList* G = C->GetDataControllerInfo()->GetGroupingFieldList();
  for (Integer I = 0; I < G->Count(); ++I) {
    FGroupingFields.push_back(G->GetItem(I).Field);
    if (C->IsSortByDisplayTextNeeded(G->GetItem(I).Field)) FFindGroupRecordEnabled = false;
  }
  CorrectFindFields();
}

void TcxDataControllerGroupLocateObject::SetLevel(Integer Value) {
  if (FLevel == Value) return;
  FLevel = Value;
  CorrectFindFields();
}

void TcxDataControllerGroupLocateObject::CorrectFindFields() {
  FFindFields.clear();
  if (FFindGroupRecordEnabled) return;
  for (Integer I = 0; I <= FLevel && I < static_cast<Integer>(FGroupingFields.size()); ++I)
    FFindFields.push_back(FGroupingFields[static_cast<size_t>(I)]);
}

Integer TcxDataControllerGroupLocateObject::FindRecordIndex() {
  if (GetInternalRecordIndex() == 0) return -1;
  TcxCustomDataController* C = GetDataController();
  if (FFindGroupRecordEnabled) return C->FindGroupRecord(GetInternalRecordIndex(), FLevel + 1);
  C->SetInternalFindRecord(true);
  Integer AResult;
  try {
    AResult = C->FindRecordByFields(GetInternalRecordIndex(), FFindFields);
  } catch (...) {
    C->SetInternalFindRecord(false);
    throw;
  }
  C->SetInternalFindRecord(false);
  return AResult;
}

}  // namespace cxCustomData
