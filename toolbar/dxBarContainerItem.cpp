// The container items' protocol: refilling the data on a window's first use and the clearing mark.
#include "dxBarContainerItem.h"

#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS(TCustomdxBarContainerItem)

void TCustomdxBarContainerItem::Destroy() {
  if (FNeedClearItemList) ClearItemList();
  inherited::Destroy();
}

void TCustomdxBarContainerItem::AddListedItemLinks(TdxBarItemLinks*, Integer, bool AFirst, TdxBarItemLink*) {
  if (FNeedClearItemList) ClearItemList();
  if (!AFirst || !OnGetData) return;
  FInGetData = true;
  try {
    OnGetData(this);
  } catch (...) {
    FInGetData = false;
    throw;
  }
  FInGetData = false;
}

void TCustomdxBarContainerItem::DeleteListedItemLinks(TdxBarItemLinks*, Integer) {}
void TCustomdxBarContainerItem::ClearItemList() { FNeedClearItemList = false; }
bool TCustomdxBarContainerItem::HideWhenRun() { return true; }
bool TCustomdxBarContainerItem::InternalActuallyVisible() { return static_cast<bool>(OnGetData); }

void TCustomdxBarContainerItem::ItemsChanged(TObject*) {
  if (!FInGetData) VisibleChanged();
}

}  // namespace dxBar
