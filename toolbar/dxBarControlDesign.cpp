// The bar window while its manager is customized: selecting item controls with the mouse (alone, added
// or taken out of the selection), arming the drag of the selected item, the double click that shows an
// item's event handler, the customization popup and the frame around a link selected at design time.
#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarSelectable.h"

namespace dxBar {

namespace {

// Whether some object of the manager's selection is a complex one (a bar, a group of links).
bool IsSelectionComplex(TdxBarManager* ABarManager) {
  if (!ABarManager) return false;
  TOwnedPtr<TList> selection(New<TList>());
  ABarManager->GetSelection(selection.get());
  for (Integer i = 0; i < selection->GetCount(); ++i) {
    auto* object = static_cast<TObject*>(selection->GetItems(i));
    if (auto* selectable = dynamic_cast<IdxBarSelectableItem*>(object); selectable && selectable->IsComplex())
      return true;
  }
  return false;
}

}  // namespace

TdxBarItemControl* TCustomdxBarControl::GetSelectedControlAtDesign() {
  TdxBarManager* manager = GetBarManager();
  TdxBarItemLink* link = manager ? manager->GetLastSelectedLinkAtDesign() : nullptr;
  return link && link->GetControl() && link->GetControl()->GetParent() == this ? link->GetControl() : nullptr;
}

TdxBarSelectionOperation TCustomdxBarControl::GetSelectionOperation(TMouseButton AButton, TShiftState AShift,
                                                                    IdxBarSelectableItem* ASelectableItem) {
  const bool selected = ASelectableItem && ASelectableItem->IsComponentSelected();
  if (AButton == mbRight) {
    if (!selected) return soExclusive;
    return IsSelectionComplex(GetBarManager()) ? soExclusive : soAdd;
  }
  if (AShift.Contains(ssShift) && !AShift.Contains(ssCtrl)) return selected ? soExclude : soAdd;
  return soExclusive;
}

void TCustomdxBarControl::SelectItemControl(TdxBarItemControl* AItemControl, TMouseButton AButton,
                                            TShiftState AShift) {
  TcxObjectLinkHolder self(this);
  TcxObjectLinkHolder control(AItemControl);
  if (AItemControl) BarGetFocus(AItemControl);
  if (!self.Alive()) return;
  if (!control.Alive()) AItemControl = nullptr;
  TdxBarManager* manager = GetBarManager();
  if (AButton == mbRight) {
    TdxBarItemControl* selected = GetSelectedControl();
    if (selected) selected->ControlInactivate(true);
    if (!self.Alive()) return;
    if (AItemControl && AItemControl == GetSelectedControl() && manager) manager->SetSelectedItem(AItemControl);
    SetKeySelectedItem(AItemControl);
    AShift = TShiftState();
  } else {
    if (FViewInfo->GetItemControlCount() == 0) return;
    if (AItemControl && AItemControl->CanCustomize()) {
      if (AItemControl == GetSelectedControl()) {
        if (AItemControl->GetActive())
          AItemControl->ControlInactivate(true);
        else
          AItemControl->ControlActivate(true);
        if (!self.Alive() || !control.Alive()) return;
        if (manager) manager->SetSelectedItem(AItemControl);
      }
      SetMouseSelectedItem(AItemControl);
    }
  }
  if (!self.Alive()) return;
  if (AItemControl && !control.Alive()) return;
  TObject* object = AItemControl ? AItemControl->GetSelectableObject() : GetSelectableObject();
  if (auto* selectable = dynamic_cast<IdxBarSelectableItem*>(object))
    selectable->SelectComponent(GetSelectionOperation(AButton, AShift, selectable));
}

void TCustomdxBarControl::CustomizePrepare(const TPoint& APoint, bool) {
  TdxBarItemControl* selected = GetSelectedControlAtDesign();
  if (!selected || !selected->CanCustomize() || !HandleAllocated()) return;
  FDragPoint = APoint;
  FDragDown = true;
  SetCapture(GetHandle());
}

// The mouse left the drag rectangle around the armed point: the item is dragged away from its place.
void TCustomdxBarControl::StartItemDrag(const TPoint&) {
  FDragDown = false;
  ReleaseCapture();
  if (TdxBarItemControl* selected = GetSelectedControlAtDesign()) selected->ControlInactivate(true);
}

void TCustomdxBarControl::DblClickOnItem(TdxBarItemControl* AItemControl) {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetDesigning()) {
    if (AItemControl->GetItem()) AItemControl->GetItem()->ShowDefaultEventHandler();
    return;
  }
  if (!AItemControl->IsExpandable()) {
    AItemControl->DblClick();
    return;
  }
  // A double click on an open sub-menu's item expands that menu through its mark.
  TdxBarItemLinks* links = AItemControl->GetItem() ? AItemControl->GetItem()->GetItemLinks() : nullptr;
  TCustomdxBarControl* menu = links ? links->GetBarControl() : nullptr;
  if (menu && menu->MarkExists()) menu->SetMarkState(msPressed);
}

void TCustomdxBarControl::ShowPopup(TdxBarItemControl*) { DoShowPopup(GetSelectedControlAtDesign()); }

// The customization popup belongs to the design controller, which comes with customization.
void TCustomdxBarControl::DoShowPopup(TdxBarItemControl*) {}

void TCustomdxBarControl::DrawSelectedItem(HDC DC, TdxBarItemControl* AControl, const TRect& AItemRect) {
  TdxBarItemLink* link = AControl ? AControl->GetItemLink() : nullptr;
  if (!link || !link->IsComponentSelected()) return;
  dxBarFocusRect(DC, AItemRect);
}

}  // namespace dxBar
