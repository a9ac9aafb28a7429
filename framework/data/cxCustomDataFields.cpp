#include "cxCustomDataFields.h"

#include <algorithm>

#include "ResStrings.h"
#include "cxCustomData.h"
#include "cxDataStorage.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxCustomDataField)
IMPLEMENT_CLASS(TcxCustomDataFieldList)
IMPLEMENT_CLASS(TcxCustomDataRelation)
IMPLEMENT_CLASS(TcxDetailInfoObject)
IMPLEMENT_CLASS(TcxDetailObject)
IMPLEMENT_CLASS(TcxCustomDataRelationList)

namespace {
TcxCustomDataController* GCreatingDataController = nullptr;
}

TcxCustomDataController* cxCreatingDataController() { return GCreatingDataController; }

TObject* cxCreateDataControllerPartObject(TClass AClass, TcxCustomDataController* AController) {
  TcxCustomDataController* ASaved = GCreatingDataController;
  GCreatingDataController = AController;
  TObject* AResult = nullptr;
  try {
    AResult = AClass->Create();
  } catch (...) {
    GCreatingDataController = ASaved;
    throw;
  }
  GCreatingDataController = ASaved;
  return AResult;
}

void InvalidOperation(const ResStrings::TResStringRec* AMessage) {
  throw EcxInvalidDataControllerOperation(LoadResString(AMessage));
}

// ---- TcxCustomDataField ------------------------------------------------------------------------------------

TcxCustomDataController* TcxCustomDataField::GetDataController() const {
  return FFieldList ? FFieldList->GetDataController() : nullptr;
}

Integer TcxCustomDataField::GetIndex() const { return FFieldList ? FFieldList->IndexOf(this) : -1; }

void TcxCustomDataField::SetIndex(Integer Value) {
  if (FFieldList) FFieldList->Move(GetIndex(), Value);
}

bool TcxCustomDataField::CanModify(TcxDataEditValueSource) {
  return GetValueDef() != nullptr || (GetDataController() && GetDataController()->IsProviderMode());
}

void TcxCustomDataField::SetIsInternal(bool Value) {
  if (FIsInternal == Value) return;
  FIsInternal = Value;
  if (FFieldList) FFieldList->Update();
}

TcxValueDef* TcxCustomDataField::GetValueDef() const {
  return FReferenceField ? FReferenceField->GetValueDef() : FValueDef;
}

TcxValueTypeClass TcxCustomDataField::GetValueTypeClass() const {
  return FReferenceField ? FReferenceField->GetValueTypeClass() : FValueTypeClass;
}

bool TcxCustomDataField::GetTextStored() const {
  return FReferenceField ? FReferenceField->GetTextStored() : FTextStored;
}

// A change of type or of text storage recreates the values: the field's existing values become Null.
void TcxCustomDataField::SetValueTypeClass(TcxValueTypeClass Value) {
  if (FReferenceField || FValueTypeClass == Value) return;
  BeginRecreateData();
  FValueTypeClass = Value;
  EndRecreateData();
}

void TcxCustomDataField::SetTextStored(bool Value) {
  if (FReferenceField || FTextStored == Value) return;
  BeginRecreateData();
  FTextStored = Value;
  EndRecreateData();
}

void TcxCustomDataField::SetReferenceField(TcxCustomDataField* Value) {
  if (Value == FReferenceField) return;
  TcxCustomDataField* ARoot = Value;
  while (ARoot && ARoot->FReferenceField) ARoot = ARoot->FReferenceField;
  if (ARoot == this) return;
  if (!FReferenceField) SetValueTypeClass(nullptr);
  FReferenceField = ARoot;
}

void TcxCustomDataField::Reassign(TcxCustomDataField* ASource) {
  FReferenceField = nullptr;
  ClearData();
  FValueDef = ASource->FValueDef;
  FValueTypeClass = ASource->FValueTypeClass;
  FTextStored = ASource->FTextStored;
  if (FValueDef) FValueDef->SetLinkObject(this);
  ASource->FValueDef = nullptr;
  ASource->FValueTypeClass = nullptr;
}

void TcxCustomDataField::Changed() {
  TcxCustomDataController* C = GetDataController();
  if (C && C->GetProvider()->LockCount == 0) C->GetProvider()->LayoutChanged({lcStructure});
}

void TcxCustomDataField::BeginRecreateData() {
  if (FRecreateDataLockCount == 0) ClearData();
  ++FRecreateDataLockCount;
}

void TcxCustomDataField::EndRecreateData() {
  if (--FRecreateDataLockCount == 0) CreateData();
}

void TcxCustomDataField::CreateData() {
  if (FReferenceField || !FValueTypeClass) return;
  ClearData();
  TcxCustomDataController* C = GetDataController();
  if (!C) return;
  FValueDef = C->GetDataStorage()->GetValueDefs()->Add(FValueTypeClass, FIsInternal, FTextStored, this);
}

void TcxCustomDataField::ClearData() {
  if (FReferenceField || !FValueDef) return;
  TcxValueDef* ADef = FValueDef;
  FValueDef = nullptr;
  ADef->Free();
}

void TcxCustomDataField::Destroy() {
  if (FFieldList) FFieldList->RemoveField(this);
  ClearData();
  inherited::Destroy();
}

bool IsValueDefInternal(TcxValueDef* AValueDef) {
  auto* AField = dynamic_cast<TcxCustomDataField*>(AValueDef ? AValueDef->GetLinkObject() : nullptr);
  return AField && AField->IsValueDefInternal();
}

// ---- TcxCustomDataFieldList --------------------------------------------------------------------------------

void TcxCustomDataFieldList::RemoveNotification(Components::TComponent* AComponent) {
  for (TcxCustomDataField* F : FItems) F->RemoveNotification(AComponent);
}

void TcxCustomDataFieldList::Add(TcxCustomDataField* AField) {
  if (AField->GetIsInternal())
    FItems.push_back(AField);
  else
    FItems.insert(FItems.begin() + ItemCount(), AField);
  AField->FFieldList = this;
  Update();
}

void TcxCustomDataFieldList::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

void TcxCustomDataFieldList::RemoveField(TcxCustomDataField* AField) {
  FFieldDestroyed = true;
  ReassignFields(AField);
  auto It = std::find(FItems.begin(), FItems.end(), AField);
  if (It != FItems.end()) FItems.erase(It);
  if (FDataController) FDataController->RemoveField(AField);
  Update();
}

// The first field that shares AField's values takes them over; the others share that one's.
void TcxCustomDataFieldList::ReassignFields(TcxCustomDataField* AField) {
  TcxCustomDataField* AHeir = nullptr;
  for (TcxCustomDataField* F : FItems) {
    if (F == AField || F->FReferenceField != AField) continue;
    if (!AHeir) {
      AHeir = F;
      F->Reassign(AField);
    } else {
      F->FReferenceField = AHeir;
    }
  }
}

TcxCustomDataField* TcxCustomDataFieldList::FieldByItem(TObject* AItem) const {
  for (TcxCustomDataField* F : FItems)
    if (F->GetItem() == AItem) return F;
  return nullptr;
}

void TcxCustomDataFieldList::Update() {
  FInternalCount = static_cast<Integer>(std::count_if(FItems.begin(), FItems.end(), [](TcxCustomDataField* F) {
    return F->GetIsInternal();
  }));
}

Integer TcxCustomDataFieldList::IndexOf(const TcxCustomDataField* AField) const {
  auto It = std::find(FItems.begin(), FItems.end(), AField);
  return It == FItems.end() ? -1 : static_cast<Integer>(It - FItems.begin());
}

void TcxCustomDataFieldList::Move(Integer ACurIndex, Integer ANewIndex) {
  if (ACurIndex < 0 || ACurIndex >= Count() || ANewIndex < 0 || ANewIndex >= Count() || ACurIndex == ANewIndex)
    return;
  TcxCustomDataField* F = FItems[static_cast<size_t>(ACurIndex)];
  FItems.erase(FItems.begin() + ACurIndex);
  FItems.insert(FItems.begin() + ANewIndex, F);
}

void TcxCustomDataFieldList::Destroy() {
  Clear();
  inherited::Destroy();
}

// ---- Relations -----------------------------------------------------------------------------------------------

TcxCustomDataController* TcxCustomDataRelation::GetDataController() const {
  return FRelationList ? FRelationList->GetDataController() : nullptr;
}

Integer TcxCustomDataRelation::GetIndex() const { return FRelationList ? FRelationList->IndexOf(this) : -1; }

void TcxCustomDataRelation::Changed() {
  if (FRelationList) FRelationList->Changed(this);
}

void TcxCustomDataRelation::Construct() {
  inherited::Construct();
  if (FCreateList) FCreateList->AddItem(this);
}

void TcxCustomDataRelation::Destroy() {
  if (FDetailDataController) FDetailDataController->SetMasterMode(nullptr, FDetailDataController->GetIsPattern());
  if (FRelationList) FRelationList->RemoveItem(this);
  inherited::Destroy();
}

void TcxDetailInfoObject::Destroy() {
  FreeAndNil(LinkObject);
  inherited::Destroy();
}

void TcxDetailObject::Clear() {
  for (TcxDetailInfoObject*& AInfo : FInfoObjects) {
    TcxDetailInfoObject* A = AInfo;
    AInfo = nullptr;
    if (A) A->Free();
  }
  FInfoObjects.clear();
}

void TcxDetailObject::ClearInfoObject(Integer AIndex) {
  if (AIndex < 0 || AIndex >= GetInfoObjectCount()) return;
  TcxDetailInfoObject* A = FInfoObjects[static_cast<size_t>(AIndex)];
  FInfoObjects[static_cast<size_t>(AIndex)] = nullptr;
  if (A) A->Free();
}

bool TcxDetailObject::ClearHasChildrenFlag() {
  bool AResult = false;
  for (TcxDetailInfoObject* A : FInfoObjects)
    if (A && A->HasChildrenAssigned) {
      A->HasChildrenAssigned = false;
      AResult = true;
    }
  return AResult;
}

void TcxDetailObject::CorrectCount(TcxCustomDataRelationList* ARelations) {
  if (ARelations->Count() > GetInfoObjectCount()) Grow(ARelations->Count());
  if (FInfoObjects.empty()) {
    ActiveRelationIndex = -1;
    return;
  }
  ActiveRelationIndex = std::clamp(ActiveRelationIndex, 0, ARelations->Count() - 1);
  if (ARelations->Count() == 0) return;
  if (!ARelations->GetItem(ActiveRelationIndex)->GetDetailDataController())
    for (Integer I = 0; I < ARelations->Count(); ++I)
      if (ARelations->GetItem(I)->GetDetailDataController()) {
        ActiveRelationIndex = I;
        break;
      }
}

TcxDetailInfoObject* TcxDetailObject::GetInfoObject(Integer AIndex) const {
  return AIndex >= 0 && AIndex < GetInfoObjectCount() ? FInfoObjects[static_cast<size_t>(AIndex)] : nullptr;
}

void TcxDetailObject::SetInfoObject(Integer AIndex, TcxDetailInfoObject* AInfo) {
  if (AIndex < 0) return;
  if (AIndex >= GetInfoObjectCount()) Grow(AIndex + 1);
  FInfoObjects[static_cast<size_t>(AIndex)] = AInfo;
}

TObject* TcxDetailObject::GetLinkObject(Integer AIndex) const {
  TcxDetailInfoObject* A = GetInfoObject(AIndex);
  return A ? A->LinkObject : nullptr;
}

void TcxDetailObject::SetLinkObject(Integer AIndex, TObject* AObject) {
  if (AIndex < 0) return;
  if (AIndex >= GetInfoObjectCount()) Grow(AIndex + 1);
  TcxDetailInfoObject*& A = FInfoObjects[static_cast<size_t>(AIndex)];
  if (!A) A = New<TcxDetailInfoObject>();
  A->LinkObject = AObject;
}

bool TcxDetailObject::IsEmpty() const {
  return std::none_of(FInfoObjects.begin(), FInfoObjects.end(),
                      [](TcxDetailInfoObject* A) { return A && A->LinkObject; });
}

void TcxDetailObject::Grow(Integer ACount) { FInfoObjects.resize(static_cast<size_t>(ACount), nullptr); }

void TcxDetailObject::Destroy() {
  Clear();
  inherited::Destroy();
}

// ---- TcxCustomDataRelationList -------------------------------------------------------------------------------

TcxCustomDataRelation* TcxCustomDataRelationList::Add(TObject* AItem) {
  TClass ACls = FDataController ? FDataController->GetRelationClass() : TcxCustomDataRelation::StaticClass();
  auto* R = As<TcxCustomDataRelation>(ACls->Create());
  R->FItem = AItem;
  AddItem(R);
  return R;
}

void TcxCustomDataRelationList::Assign(TcxCustomDataRelationList* AList) {
  BeginUpdate();
  try {
    Clear();
    for (TcxCustomDataRelation* R : AList->FItems) Add(R->GetItem())->Assign(R);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxCustomDataRelationList::EndUpdate() {
  --FLockCount;
  Changed(nullptr);
}

void TcxCustomDataRelationList::Clear() {
  BeginUpdate();
  while (!FItems.empty()) FItems.back()->Free();
  EndUpdate();
}

void TcxCustomDataRelationList::Move(Integer ACurIndex, Integer ANewIndex) {
  if (ACurIndex < 0 || ACurIndex >= Count() || ANewIndex < 0 || ANewIndex >= Count()) return;
  TcxCustomDataRelation* R = FItems[static_cast<size_t>(ACurIndex)];
  FItems.erase(FItems.begin() + ACurIndex);
  FItems.insert(FItems.begin() + ANewIndex, R);
  Changed(nullptr);
}

TcxCustomDataRelation* TcxCustomDataRelationList::FindByItem(TObject* AItem) const {
  for (TcxCustomDataRelation* R : FItems)
    if (R->GetItem() == AItem) return R;
  return nullptr;
}

void TcxCustomDataRelationList::RemoveByItem(TObject* AItem) {
  if (TcxCustomDataRelation* R = FindByItem(AItem)) R->Free();
}

void TcxCustomDataRelationList::RemoveDataField(TcxCustomDataField* AField) {
  if (FDetailsField == AField) FDetailsField = nullptr;
  for (TcxCustomDataRelation* R : FItems) R->RemoveDataField(AField);
}

void TcxCustomDataRelationList::Changed(TcxCustomDataRelation* ARelation) {
  if (FLockCount == 0) Update(ARelation);
}

// The details field lives exactly while there are relations.
void TcxCustomDataRelationList::Update(TcxCustomDataRelation* ARelation) {
  if (!FDataController) return;
  FDataController->BeginUpdate();
  try {
    if (FItems.empty()) {
      if (FDetailsField) FDetailsField->Free();
    } else if (FDetailsField) {
      FDataController->ClearDetails();
    } else {
      FDetailsField = FDataController->AddInternalField();
      FDetailsField->SetValueTypeClass(ValueTypeClass<TcxObjectValueType>());
    }
    FDataController->UpdateRelations(ARelation);
  } catch (...) {
    FDataController->EndUpdate();
    throw;
  }
  FDataController->EndUpdate();
}

void TcxCustomDataRelationList::AddItem(TcxCustomDataRelation* ARelation) {
  FItems.push_back(ARelation);
  ARelation->FRelationList = this;
  Changed(ARelation);
}

void TcxCustomDataRelationList::RemoveItem(TcxCustomDataRelation* ARelation) {
  if (FDataController) FDataController->ClearDetailsMasterRelation(ARelation);
  auto It = std::find(FItems.begin(), FItems.end(), ARelation);
  if (It != FItems.end()) FItems.erase(It);
  ARelation->FRelationList = nullptr;
  Changed(ARelation);
}

TcxDetailObject* TcxCustomDataRelationList::GetValueAsDetailObject(Integer ARecordIndex) {
  if (!FDetailsField) return nullptr;
  Variant V = FDataController->GetInternalValue(ARecordIndex, FDetailsField);
  if (VarIsNull(V) || VarIsEmpty(V)) return nullptr;
  return static_cast<TcxDetailObject*>(VarToPointer(V));
}

TcxDetailObject* TcxCustomDataRelationList::GetDetailObject(Integer ARecordIndex) {
  FDataController->CheckRecordRange(ARecordIndex);
  if (!FDetailsField) return nullptr;
  TcxDetailObject* D = GetValueAsDetailObject(ARecordIndex);
  if (!IsEmpty()) {
    if (!D) {
      D = New<TcxDetailObject>();
      D->ActiveRelationIndex = FDataController->GetDefaultActiveRelationIndex();
      FDataController->SetStoredValue(ARecordIndex, FDetailsField, VarFromPointer(D));
    }
    D->CorrectCount(this);
    return D;
  }
  if (D) {
    for (Integer I = 0; I < D->GetLinkObjectCount(); ++I)
      if (TObject* L = D->GetLinkObject(I))
        if (TcxCustomDataController* DC = FDataController->GetDetailDataControllerByLinkObject(L))
          DC->SetMasterRelation(nullptr, -1);
    FDataController->SetStoredValue(ARecordIndex, FDetailsField, VarFromPointer(nullptr));
  }
  return nullptr;
}

bool TcxCustomDataRelationList::ClearDetailObject(Integer ARecordIndex, Integer ARelationIndex) {
  FDataController->CheckRecordRange(ARecordIndex);
  TcxDetailObject* D = GetValueAsDetailObject(ARecordIndex);
  if (!D) return false;
  if (ARelationIndex == -1)
    D->Clear();
  else
    D->ClearInfoObject(ARelationIndex);
  return true;
}

bool TcxCustomDataRelationList::IsDetailObjectExist(Integer ARecordIndex, Integer ARelationIndex) {
  FDataController->CheckRecordRange(ARecordIndex);
  TcxDetailObject* D = GetValueAsDetailObject(ARecordIndex);
  if (!D) return false;
  return ARelationIndex == -1 ? !D->IsEmpty() : D->GetLinkObject(ARelationIndex) != nullptr;
}

bool TcxCustomDataRelationList::IsEmpty() const {
  TcxCustomDataController* P = FDataController ? FDataController->GetPatternDataController() : nullptr;
  if (!P) return true;
  TcxCustomDataRelationList* L = P->GetRelations();
  for (TcxCustomDataRelation* R : L->FItems)
    if (R->GetDetailDataController()) return false;
  return true;
}

Integer TcxCustomDataRelationList::IndexOf(const TcxCustomDataRelation* ARelation) const {
  auto It = std::find(FItems.begin(), FItems.end(), ARelation);
  return It == FItems.end() ? -1 : static_cast<Integer>(It - FItems.begin());
}

void TcxCustomDataRelationList::Destroy() {
  Clear();
  inherited::Destroy();
}

}  // namespace cxCustomData
