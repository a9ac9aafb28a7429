// The items of a category that the customizing dialog lists: all of them at design time, the visible
// ones at run time.
#include "dxBarCategories.h"
#include "dxBarItem.h"
#include "dxBarManager.h"

namespace dxBar {

void TdxBarManager::GetItemsByCategory(Integer AIndex, TList* AList) const {
  GetAllItemsByCategory(AIndex, AList);
  if (GetDesigning()) return;
  for (Integer i = AList->GetCount() - 1; i >= 0; --i) {
    auto* item = static_cast<TdxBarItem*>(AList->GetItems(i));
    if (!item->GetActuallyVisible() || item->GetHidden()) AList->Delete(i);
  }
}

Integer TdxBarManager::GetCountByCategory(Integer AIndex) const {
  TOwnedPtr<TList> list(New<TList>());
  GetItemsByCategory(AIndex, list.get());
  return list->GetCount();
}

TdxBarItem* TdxBarManager::GetItemByCategory(Integer AIndex, Integer APosition) const {
  TOwnedPtr<TList> list(New<TList>());
  GetItemsByCategory(AIndex, list.get());
  return APosition >= 0 && APosition < list->GetCount() ? static_cast<TdxBarItem*>(list->GetItems(APosition)) : nullptr;
}

}  // namespace dxBar
