#include "cxCustomDataKeys.h"

#include <algorithm>

#include "cxCustomData.h"
#include "cxVariants.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxKeyInfo)
IMPLEMENT_CLASS(TcxSelectedKeyInfo)
IMPLEMENT_CLASS(TcxDetailKeyInfo)
IMPLEMENT_CLASS(TcxKeys)
IMPLEMENT_CLASS(TcxDetailKeys)
IMPLEMENT_CLASS(TcxSelectedKeys)
IMPLEMENT_CLASS(TcxSaveObject)

// ---- TcxKeys ------------------------------------------------------------------------------------------------------

void TcxKeys::ClearKeys() {
  std::vector<TcxKeyInfo*> AItems;
  AItems.swap(FItems);
  for (TcxKeyInfo* A : AItems) FreeKeyInfo(A);
}

void TcxKeys::BindController(TcxCustomDataController* AController) {
  FDataController = AController;
  FKeyFields.clear();
  AController->GetKeyFields(FKeyFields);
}

void TcxKeys::StoreState(TcxCustomDataController* AController) {
  ClearKeys();
  BindController(AController);
  CollectKeys();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](TcxKeyInfo* A, TcxKeyInfo* B) { return VarCompare(A->Key, B->Key) < 0; });
}

void TcxKeys::ReapplyState(TcxCustomDataController* AController) {
  BindController(AController);
  if (FItems.empty()) return;
  ApplyKeys();
  ClearKeys();
}

bool TcxKeys::FindRecordKey(Integer ARecordIndex, Integer& AKeyIndex) {
  const Variant AKey = FDataController->GetInternalRecordId(ARecordIndex, FKeyFields);
  for (Integer I = 0; I < Count(); ++I)
    if (VarEquals(FItems[static_cast<size_t>(I)]->Key, AKey)) {
      AKeyIndex = I;
      return true;
    }
  AKeyIndex = -1;
  return false;
}

void TcxKeys::RemoveKeyAt(Integer AIndex) {
  TcxKeyInfo* A = FItems.at(static_cast<size_t>(AIndex));
  FItems.erase(FItems.begin() + AIndex);
  FreeKeyInfo(A);
}

void TcxKeys::Destroy() {
  ClearKeys();
  inherited::Destroy();
}

// ---- Detail keys ------------------------------------------------------------------------------------------------

namespace {
// The detail controller of a record's active relation, when it is of the master's own class.
TcxCustomDataController* SameClassDetail(TcxCustomDataController* C, Integer ARecordIndex, Integer ARelationIndex) {
  if (ARelationIndex < 0 || !C->IsDetailDataControllerExist(ARecordIndex, ARelationIndex)) return nullptr;
  TcxCustomDataController* D = C->GetDetailDataControllerByLinkObject(C->GetDetailLinkObject(ARecordIndex, ARelationIndex));
  return D && D->InheritsFrom(C->ClassType()) ? D : nullptr;
}
}  // namespace

void TcxDetailKeys::CollectKeys() {
  TcxCustomDataController* C = GetDataController();
  for (Integer R = 0; R < C->GetRecordCount(); ++R) {
    if (!C->GetDetailExpanding(R)) continue;
    auto* A = New<TcxDetailKeyInfo>();
    A->Key = C->GetInternalRecordId(R, FKeyFieldsOf());
    A->ActiveRelationIndex = C->GetDetailActiveRelationIndex(R);
    A->SubDetail = New<TcxSaveObject>();
    AddItem(A);
    if (TcxCustomDataController* D = SameClassDetail(C, R, A->ActiveRelationIndex)) A->SubDetail->SaveState(D);
  }
}

void TcxDetailKeys::ApplyKeys() {
  TcxCustomDataController* C = GetDataController();
  for (Integer R = 0; R < C->GetRecordCount() && Count() > 0; ++R) {
    Integer K;
    if (!FindRecordKey(R, K)) continue;
    auto* A = static_cast<TcxDetailKeyInfo*>(GetItem(K));
    C->ChangeDetailExpanding(R, true);
    C->ChangeDetailActiveRelationIndex(R, A->ActiveRelationIndex);
    if (A->SubDetail && C->GetDetailExpanding(R) && C->GetDetailActiveRelationIndex(R) == A->ActiveRelationIndex)
      if (TcxCustomDataController* D = SameClassDetail(C, R, A->ActiveRelationIndex)) A->SubDetail->RestoreState(D);
  }
}

void TcxDetailKeys::FreeKeyInfo(TcxKeyInfo* AItem) {
  if (auto* A = dynamic_cast<TcxDetailKeyInfo*>(AItem)) FreeAndNil(A->SubDetail);
  AItem->Free();
}

// ---- Selected keys ---------------------------------------------------------------------------------------------

void TcxSelectedKeys::CollectKeys() {
  TcxCustomDataController* C = GetDataController();
  TcxDataSelection* S = C->GetDataControllerInfo()->GetSelection();
  for (Integer J = 0; J < S->Count(); ++J) {
    const TcxDataSelectionItem& I = S->GetItem(J);
    if (I.Level == -1 || I.RecordIndex >= C->GetRecordCount() || I.RecordIndex < 0) continue;
    auto* A = New<TcxSelectedKeyInfo>();
    A->SelectedIndex = J;
    A->Key = C->GetInternalRecordId(I.RecordIndex, FKeyFieldsOf());
    AddItem(A);
  }
  C->GetDataControllerInfo()->SaveExpanding({eisExpanded, eisSelected});
}

void TcxSelectedKeys::ApplyKeys() {
  TcxCustomDataController* C = GetDataController();
  TcxDataSelection* S = C->GetDataControllerInfo()->GetSelection();
  if (S->Count() == 0) return;
  for (Integer R = 0; R < C->GetRecordCount() && Count() > 0; ++R) {
    Integer K;
    if (!FindRecordKey(R, K)) continue;
    auto* A = static_cast<TcxSelectedKeyInfo*>(GetItem(K));
    if (A->SelectedIndex < S->Count()) {
      S->GetItem(A->SelectedIndex).RecordIndex = R;
      RemoveKeyAt(K);
    }
  }
  for (Integer K = 0; K < Count(); ++K) {
    auto* A = static_cast<TcxSelectedKeyInfo*>(GetItem(K));
    if (A->SelectedIndex >= 0 && A->SelectedIndex < S->Count()) S->GetItem(A->SelectedIndex).RecordIndex = -1;
  }
  for (Integer J = S->Count() - 1; J >= 0; --J)
    if (S->GetItem(J).RecordIndex == -1) S->Delete(J);
  C->GetDataControllerInfo()->ExpandingChanged();
}

// ---- TcxSaveObject -----------------------------------------------------------------------------------------------

void TcxSaveObject::Construct() {
  inherited::Construct();
  FDetailKeys = New<TcxDetailKeys>();
  FSelectedKeys = New<TcxSelectedKeys>();
}

void TcxSaveObject::Destroy() {
  FreeAndNil(FDetailKeys);
  FreeAndNil(FSelectedKeys);
  inherited::Destroy();
}

void TcxSaveObject::SaveState(TcxCustomDataController* AController) {
  if (AController->IsCreatingLinkObject() || AController->IsDestroying() || !AController->IsKeyNavigation()) return;
  FDetailKeys->StoreState(AController);
  FSelectedKeys->StoreState(AController);
}

void TcxSaveObject::RestoreState(TcxCustomDataController* AController) {
  if (AController->IsCreatingLinkObject()) return;
  if (AController->IsKeyNavigation()) {
    FDetailKeys->ReapplyState(AController);
    FSelectedKeys->ReapplyState(AController);
  } else {
    AController->CheckSelectedCount(-1);
  }
}

}  // namespace cxCustomData
