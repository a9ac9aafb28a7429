#include "cxDataSortInfo.h"

#include <algorithm>

#include "Exceptions.h"
#include "Format.h"
#include "SysConst.h"

namespace cxDataSortInfo {

IMPLEMENT_CLASS(TcxSortingFieldList)
IMPLEMENT_CLASS(TcxGroupingFieldList)

void TcxSortingFieldList::Destroy() {
  for (TcxDataSortInfo* I : FItems) delete I;
  FItems.clear();
  inherited::Destroy();
}

void TcxSortingFieldList::Changed() {
  if (OnChanged) OnChanged();
}

void TcxSortingFieldList::CheckIndex(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format(SysConst::SListIndexError, {AIndex}));
}

const TcxDataSortInfo& TcxSortingFieldList::GetItem(Integer AIndex) const {
  CheckIndex(AIndex);
  return *FItems[static_cast<size_t>(AIndex)];
}

void TcxSortingFieldList::Add(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) {
  Insert(Count(), AField, ASortOrder);
}

void TcxSortingFieldList::Insert(Integer AIndex, TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) {
  if (AIndex != Count()) CheckIndex(AIndex);
  FItems.insert(FItems.begin() + AIndex, new TcxDataSortInfo{AField, ASortOrder});
  Changed();
}

void TcxSortingFieldList::Delete(Integer AIndex) {
  CheckIndex(AIndex);
  delete FItems[static_cast<size_t>(AIndex)];
  FItems.erase(FItems.begin() + AIndex);
  Changed();
}

void TcxSortingFieldList::Remove(TcxCustomDataField* AField) {
  Integer AIndex = Find(AField);
  if (AIndex >= 0) Delete(AIndex);
}

void TcxSortingFieldList::Move(Integer ACurIndex, Integer ANewIndex) {
  if (ACurIndex == ANewIndex) return;
  CheckIndex(ACurIndex);
  CheckIndex(ANewIndex);
  TcxDataSortInfo* AItem = FItems[static_cast<size_t>(ACurIndex)];
  FItems.erase(FItems.begin() + ACurIndex);
  FItems.insert(FItems.begin() + ANewIndex, AItem);
  Changed();
}

void TcxSortingFieldList::SetSortOrder(Integer AIndex, TcxDataSortOrder ASortOrder) {
  CheckIndex(AIndex);
  if (FItems[static_cast<size_t>(AIndex)]->SortOrder == ASortOrder) return;
  FItems[static_cast<size_t>(AIndex)]->SortOrder = ASortOrder;
  Changed();
}

void TcxSortingFieldList::Clear() {
  while (Count() > 0) Delete(0);
}

void TcxSortingFieldList::CheckField(TcxCustomDataField* AField) {
  if (Find(AField) >= 0) Changed();
}

void TcxSortingFieldList::AppendFrom(const TcxSortingFieldList* AList) {
  for (const TcxDataSortInfo* I : AList->FItems)
    if (Find(I->Field) < 0) Add(I->Field, I->SortOrder);
}

Integer TcxSortingFieldList::Find(TcxCustomDataField* AField) const {
  auto It = std::find_if(FItems.begin(), FItems.end(), [AField](const TcxDataSortInfo* I) { return I->Field == AField; });
  return It == FItems.end() ? -1 : static_cast<Integer>(It - FItems.begin());
}

TcxDataSortOrder TcxSortingFieldList::SortOrderByField(TcxCustomDataField* AField) const {
  Integer AIndex = Find(AField);
  return AIndex < 0 ? soNone : FItems[static_cast<size_t>(AIndex)]->SortOrder;
}

void TcxSortingFieldList::ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) {
  Integer AIndex = Find(AField);
  if (AIndex >= 0) {
    if (ASortOrder == soNone)
      Delete(AIndex);
    else
      SetSortOrder(AIndex, ASortOrder);
  } else if (ASortOrder != soNone) {
    Add(AField, ASortOrder);
  }
}

// ---- Grouping ------------------------------------------------------------------------------------------

void TcxGroupingFieldList::ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) {
  inherited::ChangeSorting(AField, ASortOrder == soNone ? soAscending : ASortOrder);
}

void TcxGroupingFieldList::ChangeGrouping(TcxCustomDataField* AField, Integer AGroupIndex) {
  Integer AIndex = Find(AField);
  if (AGroupIndex < 0) {
    if (AIndex >= 0) Delete(AIndex);
  } else if (AIndex < 0) {
    Insert(std::min(AGroupIndex, Count()), AField, soAscending);
  } else {
    Move(AIndex, std::min(AGroupIndex, Count() - 1));
  }
}

void TcxGroupingFieldList::UpdateSorting(const TcxSortingFieldList* ASortingList) {
  for (Integer I = 0; I < Count(); ++I) {
    TcxDataSortOrder AOrder = ASortingList->SortOrderByField(GetItem(I).Field);
    SetSortOrder(I, AOrder == soNone ? soAscending : AOrder);
  }
}

}  // namespace cxDataSortInfo
