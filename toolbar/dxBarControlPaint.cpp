// The bar window's painting of its item controls, its repaint, its column layout, the drop position
// of a customization drag, the owner-link line and the window messages of the bar window.
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

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

void TCustomdxBarControl::Resize() { inherited::Resize(); }

// ---- Layout helpers -----------------------------------------------------------------------------------------
void TCustomdxBarControl::CalcItemRects(Integer ATopIndex) {
  FLayoutCursorRect = FItemsRect;
  CorrectVisibleItemsRectTop(FLayoutCursorRect);
  if (FItemLinks) FItemLinks->EmptyItemRects();
  if (GetPaintType() == ptMenu) {
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

// Every output is set on entry: no link, no separator hit, not before.
void TCustomdxBarControl::CalcDragOverParameters(TdxBarItemLink*& ALink, bool& ABeginGroup, const TPoint& APoint) {
  ALink = nullptr;
  ABeginGroup = false;
  bool before = false;
  bool separatorHit = false;
  CalcDragOverParametersEx(APoint, ALink, separatorHit, before);
  ABeginGroup = separatorHit;
}

void TCustomdxBarControl::CalcDragOverParametersEx(const TPoint& APoint, TdxBarItemLink*& ALink, bool& ASeparatorHit,
                                                   bool& ABefore) {
  ALink = nullptr;
  ASeparatorHit = false;
  ABefore = false;
  bool vertical = IsVerticalDirection();
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

// Container items are expanded by the menus that hold them; no container item kind exists yet, so a
// bar has nothing to expand.
void TCustomdxBarControl::ExpandContainerItems() {}
void TCustomdxBarControl::CollapseContainerItems() { FreeAndNil(FExpandedItemLinks); }

// ---- Customization support ----------------------------------------------------------------------------------
// The design controller's selection and drag come with customization; while customizing a press
// selects the control in its bar.
void TCustomdxBarControl::SelectItemControl(TdxBarItemControl* AItemControl) {
  if (AItemControl) SetMouseSelectedItem(AItemControl);
}

void TCustomdxBarControl::CustomizePrepare(TdxBarItemControl* AItemControl, const TPoint& APoint) {
  SelectItemControl(AItemControl);
}

void TCustomdxBarControl::DblClickOnItem(TdxBarItemControl* AItemControl) {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetDesigning()) {
    if (AItemControl->GetItem()) AItemControl->GetItem()->ShowDefaultEventHandler();
    return;
  }
  if (!AItemControl->IsExpandable()) AItemControl->DblClick();
}

// ---- Window messages ----------------------------------------------------------------------------------------
void TCustomdxBarControl::WndProc(TMessage& Message) {
  TMessage* saved = FCurrentMessage;
  FCurrentMessage = &Message;
  struct TRestore {
    TMessage*& Ref;
    TMessage* Saved;
    ~TRestore() { Ref = Saved; }
  } restore{FCurrentMessage, saved};
  const UINT msg = Message.Msg;
  if (((msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK)) &&
      !CanProcessMouseMessage())
    return;
  switch (msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FIgnoreMouseClick) return;
      break;
    case WM_LBUTTONUP:
      WMLButtonUp(Message);
      return;
    case WM_MOUSEMOVE: {
      TcxObjectLinkHolder self(this);
      inherited::WndProc(Message);
      if (self.Alive())
        AfterMouseMove(TPoint(static_cast<SHORT>(LOWORD(Message.LParam)), static_cast<SHORT>(HIWORD(Message.LParam))));
      return;
    }
    case WM_CAPTURECHANGED:
      // A pending design-time drag is abandoned; the manager's drag state comes with customization.
      FDragDown = false;
      FClickedControl = nullptr;
      break;
    case WM_SETFOCUS:
      WMSetFocus(Message);
      return;
    case WM_KEYDOWN:
      WMKeyDown(Message);
      return;
    case WM_DESTROY:
      if (!ComponentState().Contains(csDestroying)) {
        SetMarkState(msNone);
        BeforeDestroyHandle();
      }
      break;
    case WM_WINDOWPOSCHANGED:
      inherited::WndProc(Message);
      if (!ComponentState().Contains(csDestroying)) WindowPosChanged();
      return;
    case WM_PAINT:
      if (ComponentState().Contains(csDestroying)) return;
      break;
    case WM_DXBAR_REPAINTBAR:
      RepaintBar();
      return;
    default:
      break;
  }
  inherited::WndProc(Message);
}

void TCustomdxBarControl::WMSetFocus(TMessage& Message) {
  TdxBarItemControl* selected = GetSelectedControl();
  if (selected && selected->HasWindow()) {
    inherited::WndProc(Message);
    return;
  }
  // A bar window never keeps the focus: it goes back to the manager's form, else the next window.
  TdxBarManager* manager = GetBarManager();
  auto* form = manager ? dynamic_cast<TWinControl*>(manager->Owner()) : nullptr;
  if (form && form->HandleAllocated() && IsWindowVisible(form->GetHandle()))
    ::SetFocus(form->GetHandle());
  else if (HandleAllocated())
    ::SetFocus(GetWindow(GetHandle(), GW_HWNDNEXT));
}

}  // namespace dxBar
