// The bar window's painting of its item controls, its repaint, its column layout, the drop position
// of a customization drag and the owner-link line.
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

// ---- Painting -----------------------------------------------------------------------------------------------
void TCustomdxBarControl::Paint() {
  if (ComponentState().Contains(csDestroying)) return;
  DrawItems(GetClientRect());
}

void TCustomdxBarControl::DrawItems(const TRect&) {
  for (Integer i = 0; i < FViewInfo->GetItemControlCount(); ++i) {
    TdxBarItemControl* control = FViewInfo->GetItemControlViewInfo(i)->GetControl();
    if (CanControlPaint(control)) PaintItem(control);
    // Painted or not, an item is kept out of the background painted afterwards.
    FCanvas->ExcludeClipRect(FViewInfo->GetItemControlViewInfo(i)->GetBounds());
  }
}

void TCustomdxBarControl::PaintItem(TdxBarItemControl* AControl) {
  FState.Include(bcsPaintingItem);
  struct TReset {
    TdxBarControlStates& State;
    ~TReset() { State.Exclude(bcsPaintingItem); }
  } reset{FState};
  FItemBrush = GetToolbarBrush();
  DoPaintItem(AControl, GetCanvas(), AControl->GetItemBounds());
}

void TCustomdxBarControl::DoPaintItem(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas,
                                      const TRect& AItemRect) {
  ACanvas->SaveClipRegion();
  try {
    ACanvas->IntersectClipRect(AControl->GetViewInfo()->GetBounds());
    AControl->Paint(ACanvas, AItemRect, GetPaintType());
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
  DrawSelectedItem(ACanvas->GetHandle(), AControl, AItemRect);
}

void TCustomdxBarControl::RepaintBarEx(bool ARecreateControls) {
  if (ComponentState().Contains(csDestroying) || !HandleAllocated() || FState.Contains(bcsCreatingControls) ||
      FState.Contains(bcsDestroyingControls) || FState.Contains(bcsRepaintingBar) || CheckLockUpdate())
    return;
  FState.Include(bcsRepaintingBar);
  TcxObjectLinkHolder self(this);
  TdxBarItemLink* reselect = nullptr;
  TdxBarManager* manager = GetBarManager();
  if (GetIsCustomizing() && manager && manager->GetSelectedItem() && manager->GetSelectedItem()->GetParent() == this) {
    reselect = manager->GetSelectedItem()->GetItemLink();
    manager->SetSelectedItem(nullptr);
    FSelectedLink = nullptr;
  }
  try {
    if (ARecreateControls) DoRepaintBar();
    else Invalidate();
  } catch (...) {
    if (self.Alive()) FState.Exclude(bcsRepaintingBar);
    throw;
  }
  if (!self.Alive()) return;
  FState.Exclude(bcsRepaintingBar);
  if (reselect && reselect->GetControl()) SetKeySelectedItem(reselect->GetControl());
}

void TCustomdxBarControl::Resize() {
  inherited::Resize();
  if (!IsPopup()) return;
  if (TdxBarPainter* painter = GetPainter()) painter->SetWindowRgn(this);
}

// ---- Layout helpers -----------------------------------------------------------------------------------------
void TCustomdxBarControl::CalcItemRects(TdxBarPaintType APaintType, Integer ATopIndex) {
  FLayoutCursorRect = FItemsRect;
  CorrectVisibleItemsRectTop(FLayoutCursorRect);
  if (FItemLinks) FItemLinks->EmptyItemRects();
  if (APaintType == ptMenu) {
    Integer bottom = 0;
    CalcColumnItemRects(ATopIndex, bottom);
  } else {
    CalcRowItemRects();
  }
  CorrectVisibleItemsRectBottom(FLayoutCursorRect);
}

void TCustomdxBarControl::CalcColumnItemRects(Integer ATopIndex, Integer& ALastItemBottom) {
  ALastItemBottom = FLayoutCursorRect.top;
  if (!FItemLinks) return;
  for (Integer i = ATopIndex; i < FItemLinks->GetVisibleItemCount(); ++i) {
    TdxBarItemLink* link = FItemLinks->GetVisibleItem(i);
    TdxBarItemControl* control = link->GetControl();
    if (!control) continue;
    const Integer top = ALastItemBottom + GetItemControlOffset(link);
    TRect R(FLayoutCursorRect.left, top, FLayoutCursorRect.right, top + control->GetRealHeight());
    if (R.bottom > FLayoutCursorRect.bottom) {
      if (!CanDrawClippedItem(R)) {
        if (i == ATopIndex) ALastItemBottom = top;
        return;
      }
      R.bottom = FLayoutCursorRect.bottom;
    }
    link->SetItemRect(R);
    ALastItemBottom = R.bottom;
  }
}

// Every output is set on entry, so a point over no link leaves no stale link, separator or side.
void TCustomdxBarControl::CalcDragOverParameters(const TPoint& APoint, TdxBarItemLink*& ALink, bool& ASeparatorHit,
                                                 bool& ABefore, bool& AVertical) {
  ALink = nullptr;
  ASeparatorHit = false;
  ABefore = false;
  AVertical = IsVerticalDirection();
  if (!FItemLinks) return;
  for (Integer i = 0; i < FItemLinks->GetVisibleItemCount(); ++i) {
    TdxBarItemLink* link = FItemLinks->GetVisibleItem(i);
    TdxBarItemControl* control = link->GetControl();
    if (!control || !control->CanCustomize()) continue;
    HRGN region = GetItemRegion(control);
    const bool hit = PtInRegion(region, APoint.x, APoint.y);
    DeleteObject(region);
    if (!hit) continue;
    ALink = link;
    TRect R = GetFullItemRect(control);
    bool vertical = AVertical;
    Integer separator = -1;
    if (!PtInRect(&R, APoint) && FViewInfo->IsAssociatedWithSeparator(control, separator)) {
      ASeparatorHit = true;
      if (APoint.y < R.top) vertical = true;
      R = FViewInfo->GetSeparatorInfo(separator).Bounds;
    }
    ABefore = vertical ? APoint.y - R.top < R.bottom - APoint.y : APoint.x - R.left < R.right - APoint.x;
    return;
  }
}

TRect TCustomdxBarControl::GetOwnerLinkBounds(bool AScreen) {
  if (IsRectEmpty(&FOwnerBounds) || !IsLinkedToOwner()) return TRect();
  const TRect window = GetWindowRect();
  TRect bar = window;
  OffsetRect(&bar, -window.left, -window.top);
  TRect owner = FOwnerBounds;
  OffsetRect(&owner, -window.left, -window.top);
  TRect R;
  if (owner.bottom <= bar.top) {
    R = TRect(0, bar.top, 0, bar.top + 1);
    if (AScreen) OffsetRect(&R, 0, -1);
  } else {
    R = TRect(0, bar.bottom - 1, 0, bar.bottom);
    if (AScreen) OffsetRect(&R, 0, 1);
  }
  R.left = std::max(owner.left, bar.left) + 1;
  R.right = std::min(owner.right, bar.right) - 1;
  if (AScreen) OffsetRect(&R, window.left, window.top);
  return R;
}

}  // namespace dxBar
