// The container items' protocol: a bar window that shows a link of a container item does not show the
// link itself; the item inserts its entries into the window's own links after it (or in its place) and
// removes them again when the window's item controls go.
#pragma once

#include "dxBarItem.h"

namespace dxBar {

class TCustomdxBarContainerItem : public TdxBarItem {
  DECLARE_CLASS(TCustomdxBarContainerItem, TdxBarItem)
 public:
  explicit TCustomdxBarContainerItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}

  // Inserts the entries at AIndex of AItemLinks for the container's link AItemLink; AFirst for the
  // item's first link in that window, when the application may refill the data (OnGetData).
  virtual void AddListedItemLinks(TdxBarItemLinks* AItemLinks, Integer AIndex, bool AFirst,
                                  TdxBarItemLink* AItemLink);
  virtual void DeleteListedItemLinks(TdxBarItemLinks* AItemLinks, Integer AIndex);
  virtual void ClearItemList();
  // Whether the entries replace the container's own link in a running menu.
  virtual bool HideWhenRun();
  virtual void ItemsChanged(TObject* Sender);

  bool InternalActuallyVisible() override;
  void NeedClearItemList() { FNeedClearItemList = true; }
  bool GetInGetData() const { return FInGetData; }

  TNotifyEvent OnGetData;

 protected:
  void Destroy() override;

 private:
  bool FInGetData = false;
  bool FNeedClearItemList = false;
};

}  // namespace dxBar

using namespace dxBar;
