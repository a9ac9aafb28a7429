// A bar window's container items expanded into its own links and collapsed again: the window shows
// the entries in place, and afterwards its links and their recent order are what they were before.
#include <set>

#include "dxBarContainerItem.h"
#include "dxBarControl.h"
#include "dxBarItemLinks.h"

namespace dxBar {

namespace {
TCustomdxBarContainerItem* ContainerOf(TdxBarItemLink* ALink) {
  return ALink ? dynamic_cast<TCustomdxBarContainerItem*>(ALink->GetItem()) : nullptr;
}
}  // namespace

// Each expansion is recorded in order with its index, so that two containers met at one index (the
// first replaced by no entries) are both undone.
void TCustomdxBarControl::ExpandContainerItems() {
  if (!FItemLinks || FContainersExpanded) return;
  FContainersExpanded = true;
  std::set<TCustomdxBarContainerItem*> met;
  for (Integer i = 0; i < FItemLinks->Count(); ++i) {
    TdxBarItemLink* link = FItemLinks->GetItem(i);
    TCustomdxBarContainerItem* container = ContainerOf(link);
    if (!container || !link->CanVisible()) continue;
    FExpandedItemLinks.emplace_back(link, i);
    const bool first = met.insert(container).second;
    const bool replaced = container->HideWhenRun();
    if (replaced) link->SaveRecentIndex();
    container->AddListedItemLinks(FItemLinks, i + 1, first, link);
    if (replaced) {
      link->SendToBottomInRecentList();
      link->SetCollection(static_cast<TdxBarItemLinks*>(nullptr));
      --i;
    }
  }
}

void TCustomdxBarControl::CollapseContainerItems() {
  if (!FContainersExpanded) return;
  std::set<TCustomdxBarContainerItem*> containers;
  while (!FExpandedItemLinks.empty()) {
    const auto [link, index] = FExpandedItemLinks.back();
    FExpandedItemLinks.pop_back();
    TCustomdxBarContainerItem* container = ContainerOf(link);
    if (!container || !FItemLinks) continue;
    containers.insert(container);
    // A link the entries replaced is out of the links: its entries begin at its own index.
    const bool replaced = link->GetCollection() != FItemLinks;
    container->DeleteListedItemLinks(FItemLinks, replaced ? index : index + 1);
    if (replaced) {
      link->SetCollection(FItemLinks);
      link->SetIndex(index);
      link->RestoreRecentIndex();
    }
  }
  for (TCustomdxBarContainerItem* container : containers) container->ClearItemList();
  FContainersExpanded = false;
}

}  // namespace dxBar
