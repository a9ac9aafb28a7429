#include "cxCustomDataFilter.h"

#include <algorithm>

#include "Filer.h"
#include "ResStrings.h"
#include "TypInfo.h"
#include "cxCustomData.h"
#include "cxDataStorage.h"
#include "cxFilterConsts.h"
#include "cxFilterOperators.h"
#include "cxVariants.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxDataFilterCriteriaItem)
IMPLEMENT_CLASS_PUBLISHED(TcxDataFilterCriteria) {
  d.Property("Active", &TcxDataFilterCriteria::GetActive, &TcxDataFilterCriteria::SetActive).Default(false);
  d.Property("OnGetValueList", &TcxDataFilterCriteria::GetOnGetValueList, &TcxDataFilterCriteria::SetOnGetValueList);
}
IMPLEMENT_CLASS(TcxDataFilterValueList)
IMPLEMENT_CLASS(TcxDataFilterList)
IMPLEMENT_CLASS(TcxDataControllerGroups)

// ---- Leaves ------------------------------------------------------------------------------------------------------

TcxCustomDataController* TcxDataFilterCriteriaItem::GetDataController() {
  auto* C = dynamic_cast<TcxDataFilterCriteria*>(GetCriteria());
  return C ? C->GetDataController() : nullptr;
}

TcxCustomDataField* TcxDataFilterCriteriaItem::GetField() {
  if (FItemLink && !dynamic_cast<TcxCustomDataField*>(FItemLink)) SetItemLink(FItemLink);
  return static_cast<TcxCustomDataField*>(FItemLink);
}

// The evaluation passes the record index as the data.
void TcxDataFilterCriteriaItem::GetDataValue(void* AData, Variant& AValue) {
  TcxCustomDataController* C = GetDataController();
  if (!GetField() || !C) {
    AValue = Null();
    return;
  }
  AValue = C->GetFilterDataValue(static_cast<Integer>(reinterpret_cast<intptr_t>(AData)), GetField());
}

// Stored numbers and texts straight from the storage, where the controller reads its values there.
TVarType TcxDataFilterCriteriaItem::GetNativeDataValue(void* AData, const void*& P, bool& AIsNull) {
  TNativeSource& A = FNativeSource;
  TcxFilterCriteria* ACriteria = GetCriteria();
  if (!ACriteria) return varEmpty;
  if (A.At != ACriteria->GetChangeCount() || A.Link != FItemLink || !A.Field || A.Field->GetValueDef() != A.ValueDef) {
    A = TNativeSource();
    A.At = ACriteria->GetChangeCount();
    A.Link = FItemLink;
    A.Controller = GetDataController();
    A.Field = GetField();
    A.ValueDef = A.Field ? A.Field->GetValueDef() : nullptr;
  }
  if (!A.Controller || !A.ValueDef || !A.Controller->CanReadStoredValues(A.Field)) return varEmpty;
  if (TcxValueTypeClass AClass = A.ValueDef->GetValueTypeClass(); AClass != A.TypeClass) {
    A.TypeClass = AClass;
    A.Type = StoredNumberVarType(AClass);
    if (A.Type == varEmpty && AClass == ValueTypeClass<TcxStringValueType>()) A.Type = varString;
  }
  const TVarType AType = A.Type;
  if (AType == varEmpty) return varEmpty;
  AIsNull = A.Controller->GetDataStorage()->GetCompareInfo(static_cast<Integer>(reinterpret_cast<intptr_t>(AData)),
                                                          A.ValueDef, P);
  AIsNull = AIsNull || !P;  // a text slot without a text reads as Null
  return AType;
}

String TcxDataFilterCriteriaItem::GetFieldCaption() {
  TcxCustomDataController* C = GetDataController();
  return C && GetItemLink() ? C->GetFilterItemFieldCaption(GetItemLink()) : String();
}

String TcxDataFilterCriteriaItem::GetFieldName() {
  TcxCustomDataController* C = GetDataController();
  return C && GetItemLink() ? C->GetFilterItemFieldName(GetItemLink()) : String();
}

TObject* TcxDataFilterCriteriaItem::GetItemLink() { return GetField() ? GetField()->GetItem() : nullptr; }

void TcxDataFilterCriteriaItem::SetItemLink(TObject* Value) {
  if (Value && !dynamic_cast<TcxCustomDataField*>(Value)) {
    TcxCustomDataController* C = GetDataController();
    Value = C ? C->GetFields()->FieldByItem(Value) : nullptr;
  }
  FItemLink = Value;
}

// ---- Criteria ------------------------------------------------------------------------------------------------------

void TcxDataFilterCriteria::SetDataController(TcxCustomDataController* Value) {
  FDataController = Value;
  FVersion = cxDataFilterVersion;
}

void TcxDataFilterCriteria::Destroy() {
  FDestroying = true;
  if (FDataController && FDataController->GetFilters()) FDataController->GetFilters()->Remove(this);
  FActive = false;
  inherited::Destroy();
}

void TcxDataFilterCriteria::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  Changed();
}

bool TcxDataFilterCriteria::IsFiltering() {
  return FActive && !IsEmpty() && !(FDataController && FDataController->IsGridMode());
}

// An additional filter never refilters the controller it belongs to.
void TcxDataFilterCriteria::Update() {
  TcxCustomDataController* C = FDataController;
  if (!C || (C->GetFilters() && C->GetFilters()->Contains(this)) || FDestroying || C->IsDestroying() || C->IsLoading())
    return;
  if (!C->GetProvider()->IsDataSource()) C->Post();
  C->FilterChanged();
  if (OnChanged) OnChanged(this);
}

void TcxDataFilterCriteria::Assign(TPersistent* Source, bool AIgnoreItemNames) {
  auto* S = dynamic_cast<TcxDataFilterCriteria*>(Source);
  if (!S) {
    inherited::Assign(Source, AIgnoreItemNames);
    return;
  }
  BeginUpdate();
  try {
    inherited::Assign(Source, AIgnoreItemNames);
    SetActive(S->FActive);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxDataFilterCriteria::AssignEvents(TPersistent* Source) {
  inherited::AssignEvents(Source);
  if (auto* S = dynamic_cast<TcxDataFilterCriteria*>(Source)) OnGetValueList = S->OnGetValueList;
}

TcxFilterCriteriaItem* TcxDataFilterCriteria::FindItemByItemLink(TObject* AItemLink) {
  if (AItemLink && !dynamic_cast<TcxCustomDataField*>(AItemLink) && FDataController)
    AItemLink = FDataController->GetFields()->FieldByItem(AItemLink);
  // Leaves hold fields; the search compares what they hold.
  std::vector<TcxFilterCriteriaItemList*> AStack{GetRoot()};
  while (!AStack.empty()) {
    TcxFilterCriteriaItemList* L = AStack.back();
    AStack.pop_back();
    for (Integer I = 0; I < L->Count(); ++I) {
      TcxCustomFilterCriteriaItem* A = L->GetItem(I);
      if (A->GetIsItemList())
        AStack.push_back(static_cast<TcxFilterCriteriaItemList*>(A));
      else if (static_cast<TcxDataFilterCriteriaItem*>(A)->GetField() == AItemLink)
        return static_cast<TcxFilterCriteriaItem*>(A);
    }
  }
  return nullptr;
}

Integer TcxDataFilterCriteria::GetIDByItemLink(TObject* AItemLink) {
  if (auto* F = dynamic_cast<TcxCustomDataField*>(AItemLink)) AItemLink = F->GetItem();
  return FDataController ? FDataController->GetItemID(AItemLink) : -1;
}

String TcxDataFilterCriteria::GetNameByItemLink(TObject* AItemLink) {
  if (auto* F = dynamic_cast<TcxCustomDataField*>(AItemLink)) AItemLink = F->GetItem();
  return FDataController ? FDataController->GetItemName(AItemLink) : String();
}

TObject* TcxDataFilterCriteria::GetItemLinkByID(Integer AID) {
  return FDataController ? FDataController->FindItemByInternalID(AID) : nullptr;
}

TObject* TcxDataFilterCriteria::GetItemLinkByName(const String& AName) {
  return FDataController ? FDataController->FindItemByName(AName) : nullptr;
}

TClass TcxDataFilterCriteria::GetValueListClass() { return TcxDataFilterValueList::StaticClass(); }

bool TcxDataFilterCriteria::IsStore() {
  return IsSavingToStream() || GetRoot()->GetBoolOperatorKind() != fboAnd || GetRoot()->Count() > 0;
}

void TcxDataFilterCriteria::DefineProperties(Filer::TFiler* AFiler) {
  inherited::DefineProperties(AFiler);
  AFiler->DefineBinaryProperty("Criteria", Filer::TStreamProc(this, &TcxDataFilterCriteria::ReadCriteria),
                               Filer::TStreamProc(this, &TcxDataFilterCriteria::WriteCriteria), IsStore());
}

// ---- Value list ----------------------------------------------------------------------------------------------------

TcxCustomDataController* TcxDataFilterValueList::GetDataController() const {
  auto* C = dynamic_cast<TcxDataFilterCriteria*>(GetCriteria());
  return C ? C->GetDataController() : nullptr;
}

void TcxDataFilterValueList::Load(Integer AItemIndex, bool AInitSortByDisplayText, bool AUseFilteredValues) {
  TcxCustomDataController* C = GetDataController();
  auto* ACriteria = static_cast<TcxDataFilterCriteria*>(GetCriteria());
  Clear();
  if (!C) return;
  TcxCustomDataField* F = C->GetField(AItemIndex);
  if (AInitSortByDisplayText) SetSortByDisplayText(C->IsFilterItemSortByDisplayText(AItemIndex));
  Add(fviAll, Null(), LoadResString(&cxSFilterBoxAllCaption), false);
  Add(fviCustom, Null(), LoadResString(&cxSFilterBoxCustomCaption), false);
  bool ABlanks = false;
  if (C->IsGridMode()) {
    ABlanks = true;
  } else {
    AUseFilteredValues = AUseFilteredValues && C->GetFilteredRecordCount() > 0;
    const Integer N = AUseFilteredValues ? C->GetFilteredRecordCount() : C->GetRecordCount();
    for (Integer I = 0; I < N; ++I) {
      const Integer R = AUseFilteredValues ? C->GetFilteredRecordIndex(I) : I;
      const Variant V = C->GetFilterDataValue(R, F);
      if (ACriteria->ValueIsNull(V))
        ABlanks = true;
      else
        Add(fviValue, V, C->GetFilterDisplayText(R, AItemIndex), false);
    }
  }
  if (ABlanks) Add(fviBlanks, Null(), LoadResString(&cxSFilterBoxBlanksCaption), false);
  bool ANonBlanks = ABlanks;
  if (!ANonBlanks && AUseFilteredValues)
    if (TcxFilterCriteriaItem* A = ACriteria->FindItemByItemLink(F))
      ANonBlanks = A->GetOperator() && A->GetOperator()->InheritsFrom(TcxFilterNotNullOperator::StaticClass());
  if (ANonBlanks) Add(fviNonBlanks, Null(), LoadResString(&cxSFilterBoxNonBlanksCaption), false);
  if (ACriteria->OnGetValueList) ACriteria->OnGetValueList(ACriteria, AItemIndex, this);
}

// ---- Additional filters ----------------------------------------------------------------------------------------------

void TcxDataFilterList::Remove(TcxDataFilterCriteria* AFilter) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), AFilter), FItems.end());
}

bool TcxDataFilterList::Contains(const TcxDataFilterCriteria* AFilter) const {
  return std::find(FItems.begin(), FItems.end(), AFilter) != FItems.end();
}

void TcxDataFilterList::Clear() {
  while (!FItems.empty()) {
    TcxDataFilterCriteria* A = FItems.back();
    FItems.pop_back();
    A->Free();
  }
}

void TcxDataFilterList::Destroy() {
  Clear();
  inherited::Destroy();
}

// ---- Group navigation ------------------------------------------------------------------------------------------------

namespace {
TcxDataGroups* Tree(TcxCustomDataController* C) { return C->GetDataControllerInfo()->GetDataGroups(); }
TcxGroupingFieldList* Grouping(TcxCustomDataController* C) {
  return C->GetDataControllerInfo()->GetGroupingFieldList();
}
}  // namespace

void TcxDataControllerGroups::ChangeGrouping(Integer AItemIndex, Integer AGroupIndex) {
  TcxCustomDataField* F = FDataController->GetField(AItemIndex);
  if (Grouping(FDataController)->Find(F) == AGroupIndex) return;
  FDataController->BeforeSorting();
  FDataController->GroupingChangedFlag = true;
  FDataController->GetDataControllerInfo()->ChangeGrouping(F, AGroupIndex);
}

void TcxDataControllerGroups::ClearGrouping() {
  if (Grouping(FDataController)->Count() > 0) {
    FDataController->BeforeSorting();
    FDataController->GroupingChangedFlag = true;
  }
  FDataController->GetDataControllerInfo()->ClearGrouping();
}

void TcxDataControllerGroups::ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive) {
  FDataController->GetDataControllerInfo()->ChangeExpanding(ARowIndex, AExpanded, ARecursive);
}
void TcxDataControllerGroups::FullExpand() { FDataController->GetDataControllerInfo()->FullExpand(); }
void TcxDataControllerGroups::FullCollapse() { FDataController->GetDataControllerInfo()->FullCollapse(); }

Integer TcxDataControllerGroups::GetGroupingItemCount() { return Grouping(FDataController)->Count(); }

Integer TcxDataControllerGroups::GetGroupingItemIndex(Integer AGroupIndex) {
  return Grouping(FDataController)->GetItem(AGroupIndex).Field->GetIndex();
}

Integer TcxDataControllerGroups::GetItemGroupIndex(Integer AItemIndex) {
  return GetFieldGroupIndex(FDataController->GetField(AItemIndex));
}

Integer TcxDataControllerGroups::GetFieldGroupIndex(TcxCustomDataField* AField) {
  return Grouping(FDataController)->Find(AField);
}

Integer TcxDataControllerGroups::GetChildCount(Integer ADataGroupIndex) {
  return Tree(FDataController)->GetChildCount(ADataGroupIndex);
}

Integer TcxDataControllerGroups::GetChildDataGroupIndex(Integer ADataGroupIndex, Integer AChildIndex) {
  return Tree(FDataController)->GetChildIndex(ADataGroupIndex, AChildIndex);
}

Integer TcxDataControllerGroups::GetChildRecordIndex(Integer ADataGroupIndex, Integer AChildIndex) {
  const Integer P = Tree(FDataController)->GetChildRecordListIndex(ADataGroupIndex, AChildIndex);
  return P == -1 ? -1 : FDataController->GetDataControllerInfo()->GetInternalRecordIndex(P);
}

Integer TcxDataControllerGroups::GetDataGroupIndexByRowIndex(Integer ARowIndex) {
  return Tree(FDataController)->GetIndexByRowIndex(ARowIndex);
}

Integer TcxDataControllerGroups::GetLevel(Integer ADataGroupIndex) { return Tree(FDataController)->GetLevel(ADataGroupIndex); }

Integer TcxDataControllerGroups::GetParentDataGroupIndex(Integer ADataGroupIndex) {
  return Tree(FDataController)->GetParentIndex(ADataGroupIndex);
}

Integer TcxDataControllerGroups::GetGroupRecordIndex(Integer ADataGroupIndex) {
  TcxDataGroups* G = Tree(FDataController);
  if (ADataGroupIndex < 0 || ADataGroupIndex >= G->ItemCount()) return -1;
  const Integer P = G->GetDataRecordListIndex(G->GetItem(ADataGroupIndex));
  return P == -1 ? -1 : FDataController->GetDataControllerInfo()->GetInternalRecordIndex(P);
}

Variant TcxDataControllerGroups::GetGroupValue(Integer ADataGroupIndex) {
  const Integer R = GetGroupRecordIndex(ADataGroupIndex);
  if (R == -1) return Null();
  return FDataController->GetComparedValue(
      R, static_cast<TcxCustomDataField*>(Tree(FDataController)->GetField(GetLevel(ADataGroupIndex))));
}

String TcxDataControllerGroups::GetGroupDisplayText(Integer ADataGroupIndex) {
  const Integer R = GetGroupRecordIndex(ADataGroupIndex);
  if (R == -1) return String();
  auto* F = static_cast<TcxCustomDataField*>(Tree(FDataController)->GetField(GetLevel(ADataGroupIndex)));
  return FDataController->GetDisplayText(R, F->GetIndex());
}

Integer TcxDataControllerGroups::GetDataGroupIndexByGroupValue(Integer AParentDataGroupIndex, const Variant& AValue) {
  TcxCustomDataControllerInfo* E = FDataController->GetDataControllerInfo();
  E->PrepareSorting();
  Integer AResult = -1;
  try {
    for (Integer I = 0; I < GetChildCount(AParentDataGroupIndex) && AResult == -1; ++I) {
      const Integer G = GetChildDataGroupIndex(AParentDataGroupIndex, I);
      if (G != -1 && VarEquals(GetGroupValue(G), AValue)) AResult = G;
    }
  } catch (...) {
    E->UnprepareSorting();
    throw;
  }
  E->UnprepareSorting();
  return AResult;
}

bool TcxDataControllerGroups::HasAsParent(Integer ARowIndex, Integer AParentRowIndex) {
  if (Grouping(FDataController)->Count() == 0) return false;
  TcxDataGroups* T = Tree(FDataController);
  const Integer G = T->GetIndexByRowIndex(ARowIndex);
  const Integer P = T->GetIndexByRowIndex(AParentRowIndex);
  if (G == -1 || P == -1) return false;
  if (G == P) return true;
  TcxDataGroupInfo* AP = T->GetItem(P);
  return AP->Level < T->GetItem(G)->Level && AP->Level < T->FieldCount() - 1 && G >= AP->FirstIndex &&
         G <= AP->LastIndex;
}

void TcxDataControllerGroups::LoadRecordIndexes(std::vector<Integer>& AList, Integer ADataGroupIndex) {
  TcxDataGroups* T = Tree(FDataController);
  if (ADataGroupIndex < 0 || ADataGroupIndex >= T->ItemCount()) return;
  TcxDataGroupInfo* G = T->GetItem(ADataGroupIndex);
  TcxCustomDataControllerInfo* E = FDataController->GetDataControllerInfo();
  if (G->Level >= T->FieldCount() - 1) {
    for (Integer P = G->FirstIndex; P <= G->LastIndex; ++P) AList.push_back(E->GetInternalRecordIndex(P));
    return;
  }
  for (Integer I = G->FirstIndex; I <= G->LastIndex; ++I)
    if (T->GetItem(I)->Level == T->FieldCount() - 1)
      for (Integer P = T->GetItem(I)->FirstIndex; P <= T->GetItem(I)->LastIndex; ++P)
        AList.push_back(E->GetInternalRecordIndex(P));
}

void TcxDataControllerGroups::LoadRecordIndexesByRowIndex(std::vector<Integer>& AList, Integer ARowIndex) {
  LoadRecordIndexes(AList, Tree(FDataController)->GetIndexByRowIndex(ARowIndex));
}

}  // namespace cxCustomData
