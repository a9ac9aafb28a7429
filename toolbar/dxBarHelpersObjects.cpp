// The toolbar unit's short ways between its objects.
#include "dxBarHelpersObjects.h"

#include "cxClassesLinks.h"
#include "dxBarItemControl.h"

namespace dxBar {

bool IsSelectableItem(TObject* AObject, IdxBarSelectableItem*& AItem) {
  AItem = Supports<IdxBarSelectableItem>(AObject);
  return AItem != nullptr;
}

IdxBarSelectableItem* GetSelectableItem(TObject* AObject) { return Supports<IdxBarSelectableItem>(AObject); }

void CleanSelectableItems(TdxObjectList* AList) {
  for (Integer i = AList->GetCount() - 1; i >= 0; --i)
    if (!GetSelectableItem(AList->GetItem(i))) AList->Delete(i);
}

TPersistent* GetSelectableItemInstance(IdxBarSelectableItem* AItem) { return AItem ? AItem->GetInstance() : nullptr; }

bool QueryLinksOwner(TObject* AObject, IdxBarLinksOwner*& AOwner) {
  AOwner = Supports<IdxBarLinksOwner>(AObject);
  return AOwner != nullptr;
}

TdxBarItemLinks* LinksOfOwner(TObject* AObject) {
  IdxBarLinksOwner* owner = nullptr;
  return QueryLinksOwner(AObject, owner) ? owner->GetItemLinks() : nullptr;
}

TdxBarItemControl* ItemControlOfLink(TdxBarItemLink* ALink) { return ALink ? ALink->GetControl() : nullptr; }
TdxBarItemLink* LinkOfItemControl(TdxBarItemControl* AControl) { return AControl ? AControl->GetItemLink() : nullptr; }
TdxBarItem* ItemOfLink(TdxBarItemLink* ALink) { return ALink ? ALink->GetItem() : nullptr; }
TdxBarItem* ItemOfItemControl(TdxBarItemControl* AControl) { return ItemOfLink(LinkOfItemControl(AControl)); }
TObject* ObjectOfLink(TcxObjectLink* ALink) { return ALink ? ALink->Ref : nullptr; }

void RepaintItemControl(TdxBarItemControl* AControl) {
  if (AControl) AControl->Repaint();
}

Integer GetThemeEditState(TdxBarItemControl* AControl) { return AControl->GetEnabled() ? 1 : 4; }

}  // namespace dxBar
