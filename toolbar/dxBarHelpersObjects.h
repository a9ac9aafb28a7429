// The toolbar unit's short ways between its objects: selectable objects, link owners, the control of
// a link and the link of a control, and the object behind an object link.
#pragma once

#include "dxBarItemLinks.h"

namespace cxClasses {
class TcxObjectLink;
}

namespace dxBar {

// Whether AObject takes part in customization's selection; AItem receives its selectable side.
bool IsSelectableItem(TObject* AObject, IdxBarSelectableItem*& AItem);
IdxBarSelectableItem* GetSelectableItem(TObject* AObject);
// Deletes from the list, from the last entry to the first, every object that is not selectable.
void CleanSelectableItems(TdxObjectList* AList);
// The persistent object behind a selectable item; nil for nil.
TPersistent* GetSelectableItemInstance(IdxBarSelectableItem* AItem);
bool QueryLinksOwner(TObject* AObject, IdxBarLinksOwner*& AOwner);
// The owner's link collection; nil for an object that owns none.
TdxBarItemLinks* LinksOfOwner(TObject* AObject);

// Each nil for nil.
TdxBarItemControl* ItemControlOfLink(TdxBarItemLink* ALink);
TdxBarItemLink* LinkOfItemControl(TdxBarItemControl* AControl);
TdxBarItem* ItemOfLink(TdxBarItemLink* ALink);
TdxBarItem* ItemOfItemControl(TdxBarItemControl* AControl);
TObject* ObjectOfLink(cxClasses::TcxObjectLink* ALink);
void RepaintItemControl(TdxBarItemControl* AControl);
// The theme state of an edit control: 1 enabled, 4 disabled.
Integer GetThemeEditState(TdxBarItemControl* AControl);

}  // namespace dxBar

using namespace dxBar;
