// What the item links' sources share among themselves.
#pragma once

#include "dxBarItemLinks.h"

namespace dxBar::dxBarItemLinksInternal {

// The manager's item of that name, ignoring case; nil when none.
TdxBarItem* FindItemByName(TdxBarManager* AManager, const String& AName);
// Whether the manager's menus may hide rarely used commands: every style but the standard one.
bool ManagerCanShowRecentItems(TdxBarManager* AManager);
// A separator item, the one kind the visibility lists prune.
bool IsSeparatorItem(TdxBarItem* AItem);

}  // namespace dxBar::dxBarItemLinksInternal
