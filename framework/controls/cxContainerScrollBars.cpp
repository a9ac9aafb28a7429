// The framework scroll bars a container lays over its inner control's system bars: placed where the
// system reports them, fed with the inner control's scroll information, with the size grip between
// them painted into the inner control's frame.
#include "SysInfo.h"
#include "WinUser.h"
#include "cxContainerControl.h"
#include "cxContainerInternal.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxContainer {

namespace {

using TGetScrollBarInfo = BOOL (*)(HWND, LONG, SCROLLBARINFO*);
HMODULE FUser32 = nullptr;
TGetScrollBarInfo FGetScrollBarInfo = nullptr;

bool IsSystemBarShown(const SCROLLBARINFO& AInfo) {
  return !(AInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
}

}  // namespace

void InitContainerScrollBarInfo() {
  FUser32 = LoadLibrary("User32");
  FGetScrollBarInfo = FUser32 ? reinterpret_cast<TGetScrollBarInfo>(
                                    reinterpret_cast<void*>(GetProcAddress(FUser32, "GetScrollBarInfo")))
                              : nullptr;
}

void DoneContainerScrollBarInfo() {
  FGetScrollBarInfo = nullptr;
  if (FUser32) FreeLibrary(FUser32);
  FUser32 = nullptr;
}

bool UsecxScrollBars() { return FGetScrollBarInfo != nullptr; }

bool cxGetScrollBarInfo(HWND AWnd, LONG AIdObject, SCROLLBARINFO& AScrollBarInfo) {
  AScrollBarInfo.cbSize = 60;
  return FGetScrollBarInfo && FGetScrollBarInfo(AWnd, AIdObject, &AScrollBarInfo);
}

TRect GetSizeGripRect(IcxContainerInnerControl* AControl) {
  TcxContainer* container = AControl ? AControl->GetControlContainer() : nullptr;
  TWinControl* inner = AControl ? AControl->GetControl() : nullptr;
  if (!container || !inner || !inner->HandleAllocated() || !container->GetHScrollBarVisible() ||
      !container->GetVScrollBarVisible())
    return TRect();
  TcxControlScrollBar* hbar = container->GetHScrollBar();
  TcxControlScrollBar* vbar = container->GetVScrollBar();
  const TPoint topLeft = container->ClientToScreen(TPoint(vbar->GetLeft(), hbar->GetTop()));
  RECT window;
  GetWindowRect(inner->GetHandle(), &window);
  return Bounds(topLeft.x - window.left, topLeft.y - window.top, vbar->GetWidth(), hbar->GetHeight());
}

// ---- TcxContainer ---------------------------------------------------------------------------------------
bool TcxContainer::GetScrollBarInfo(SCROLLBARINFO& AScrollBarInfo, TScrollBarKind AKind) {
  if (GetIsDestroying() || !GetParent() || !HandleAllocated() || !FInnerControl || !FInnerControl->HandleAllocated())
    return false;
  return cxGetScrollBarInfo(FInnerControl->GetHandle(), AKind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL,
                            AScrollBarInfo);
}

bool TcxContainer::IsAdjustingScrollBarPositionNeeded(const SCROLLBARINFO& AScrollBarInfo) {
  return IsSystemBarShown(AScrollBarInfo);
}

bool TcxContainer::GetScrollBarEnabled(TcxScrollBar* AScrollBar, const SCROLLBARINFO& AScrollBarInfo) {
  return AScrollBar->GetParent() && AScrollBar->GetParent()->GetEnabled() &&
         !(AScrollBarInfo.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

TRect TcxContainer::GetScrollBarBounds(const TRect& AScrollBarRect) {
  const TPoint topLeft = ScreenToClient(AScrollBarRect.TopLeft());
  const Integer width = AScrollBarRect.Width(), height = AScrollBarRect.Height();
  if (topLeft.x < 0 || topLeft.y < 0 || width > GetWidth() || height > GetHeight()) return TRect();
  return TRect(topLeft.x, topLeft.y, width, height);
}

void TcxContainer::SetScrollBarVisible(TcxScrollBar* AScrollBar, bool AVisible) {
  if (AVisible && !AScrollBar->GetVisible()) {
    AScrollBar->SetCtl3D(false);
    AScrollBar->BringToFront();
  }
  AScrollBar->SetVisible(AVisible);
}

void TcxContainer::AdjustScrollBarPosition(TcxScrollBar* AScrollBar) {
  SCROLLBARINFO info;
  if (!GetScrollBarInfo(info, AScrollBar->GetKind()) || !IsAdjustingScrollBarPositionNeeded(info))
    return SetScrollBarVisible(AScrollBar, false);
  AScrollBar->SetEnabled(GetScrollBarEnabled(AScrollBar, info));
  // Left, top, width and height.
  const TRect bounds = GetScrollBarBounds(info.rcScrollBar);
  AScrollBar->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
  SetScrollBarVisible(AScrollBar, bounds.right > 0 && bounds.bottom > 0);
}

void TcxContainer::SetScrollBarsParameters(bool AIsScrolling) {
  if (!FInnerControl || !NeedsScrollBars() || GetIsDestroying() || !UsecxScrollBars()) return;
  FScrollBarsCalculating = true;
  TFinally done([this] { FScrollBarsCalculating = false; });
  for (TcxScrollBar* bar : {static_cast<TcxScrollBar*>(GetHScrollBar()), static_cast<TcxScrollBar*>(GetVScrollBar())}) {
    if (!bar) continue;
    if (!AIsScrolling) AdjustScrollBarPosition(bar);
    if (!bar->GetVisible() || !FInnerControl->HandleAllocated()) continue;
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(FInnerControl->GetHandle(), bar->GetKind() == sbHorizontal ? SB_HORZ : SB_VERT, &info);
    if (info.nMax < static_cast<Integer>(info.nPage)) info.nPage = static_cast<UINT>(info.nMax);
    bar->SetScrollParams(info.nMin, info.nMax, info.nPos, static_cast<Integer>(info.nPage), true);
  }
  auto* innerControl = Supports<IcxContainerInnerControl>(FInnerControl);
  TcxContainerSizeGripData grip;
  grip.Visible = GetHScrollBarVisible() && GetVScrollBarVisible() && FInnerControl->HandleAllocated() && innerControl;
  if (grip.Visible) grip.Bounds = GetSizeGripRect(innerControl);
  if (grip.Visible && (!FSizeGripData.Visible || grip.Bounds != FSizeGripData.Bounds)) {
    RECT window;
    GetWindowRect(FInnerControl->GetHandle(), &window);
    const TRect bounds = cxRectOffset(grip.Bounds, window.left, window.top);
    HRGN region = CreateRectRgnIndirect(&bounds);
    SendMessage(FInnerControl->GetHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    DeleteObject(region);
  }
  FSizeGripData = grip;
}

void TcxContainer::UpdateScrollBarsParameters() {
  if (HandleAllocated() && FInnerControl && !GetIsDestroying())
    PostMessage(GetHandle(), CM_UPDATESCROLLBARS, 0, 0);
}

}  // namespace cxContainer
