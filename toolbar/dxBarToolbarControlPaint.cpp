// The toolbar window's painting: the client with its items, group separators, MDI buttons and marks;
// the non-client frame with its caption, close button and mark; the frame's size.
#include "WinUser.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"
#include "dxBarBar.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

// ---- Client ---------------------------------------------------------------------------------------------------------
void TdxBarControl::Paint() {
  if (ComponentState().Contains(csDestroying)) return;
  DoPaint();
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->IsUncustomizable())
    cxDrawHatch(GetCanvas()->GetHandle(), GetClientRect(), clBtnShadow, clBtnFace, 4);
}

void TdxBarControl::DoPaint() {
  TdxBarManager* manager = GetBarManager();
  TdxBarItemLinks* links = GetItemLinks();
  TdxBarPainter* painter = GetPainter();
  if (links && manager && !manager->GetDesigning())
    for (Integer i = 0; i < links->GetCanVisibleItemCount(); ++i) {
      TdxBarItemLink* link = links->GetCanVisibleItem(i);
      if (link->GetVisibleIndex() == -1 && link->GetItem() && link->GetItem()->NeedToBeHidden())
        link->GetItem()->HideControl(link->GetControl());
    }
  cxGraphics::TcxCanvas* canvas = GetCanvas();
  const bool compound = painter && painter->IsCompoundPainting();
  canvas->SaveClipRegion();
  try {
    if (compound) DrawContentBackground();
    DrawItems(GetClientRect());
    DrawBeginGroups();
    if (MDIButtonsOnBar() && HandleAllocated()) DrawMDIButtons(canvas->GetHandle());
    if (GetDockingStyle() != dsNone && MarkExists() && painter) {
      const TRect markRect = painter->BarMarkItemRect(this);
      painter->BarDrawMarks(this, canvas, markRect, GetToolbarBrush());
      canvas->ExcludeClipRect(markRect);
    }
    if (!compound) DrawContentBackground();
  } catch (...) {
    canvas->RestoreClipRegion();
    throw;
  }
  canvas->RestoreClipRegion();
  if (manager && manager->GetDesigning() && manager->IsComponentSelected(FBar)) {
    const TRect R = GetClientRect();
    dxBarFrameRect(canvas->GetHandle(), R, COLOR_WINDOWTEXT);
  }
}

void TdxBarControl::DrawBeginGroups() {
  TCustomdxBarControlViewInfo* info = GetViewInfo();
  for (Integer i = 0; i < info->GetSeparatorCount(); ++i) {
    const TdxBarSeparatorInfo separator = info->GetSeparatorInfo(i);
    DoDrawBeginGroup(separator.Bounds, separator.Kind == skHorizontal);
    GetCanvas()->ExcludeClipRect(separator.Bounds);
  }
}

void TdxBarControl::DoDrawBeginGroup(const TRect& ARect, bool AHorizontalLine) {
  if (TdxBarPainter* painter = GetPainter())
    painter->BarDrawBeginGroup(this, GetCanvas()->GetHandle(), ARect, GetToolbarBrush(), AHorizontalLine);
}

void TdxBarControl::DrawContentBackground() {
  if (TdxBarPainter* painter = GetPainter()) painter->DrawToolbarContentPart(this, GetCanvas());
}

void TdxBarControl::FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush,
                                   TColor AColor) {
  if (TdxBarPainter* painter = GetPainter()) painter->BarDrawBackground(this, DC, ADestR, ASourceR, ABrush, AColor);
}

// ---- MDI buttons -------------------------------------------------------------------------------------------------
TRect TdxBarControl::RectMDI(TdxBarMDIButton AButton) {
  const bool vertical = GetVertical();
  const TRect client = GetClientRect();
  const Integer length = (vertical ? client.Height() : client.Width()) - (GetDockingStyle() != dsNone ? GetMarkSize() : 0);
  Integer end = length;
  if (AButton != mdibClose && RealMDIButtonsOnBar()) end -= FMDIButtonWidth * (mdibClose - AButton) + 2;
  Integer start = end - FMDIButtonWidth;
  Integer across = ((vertical ? client.Width() : client.Height()) - FMDIButtonHeight) / 2;
  if (GetMultiLine()) {
    TdxBarItemLinks* links = GetItemLinks();
    const Integer count = links ? links->GetVisibleItemCount() : 0;
    TdxBarItemLink* last = count > 0 ? links->GetVisibleItem(count - 1) : nullptr;
    TdxBarItemControl* control = last ? last->GetControl() : nullptr;
    const bool aligned = control && (control->GetAlign() == iaRight || control->GetAlign() == iaClient);
    if (last && aligned) {
      const TRect R = last->GetItemRect();
      across = (vertical ? R.left : R.top) + ((vertical ? R.Width() : R.Height()) - FMDIButtonHeight) / 2;
    } else {
      across = (vertical ? 0 : client.Height()) - FMDIButtonHeight - 2;
      if (vertical) across = 2;
    }
  }
  const TRect R(start, across, start + FMDIButtonWidth, across + FMDIButtonHeight);
  return vertical ? TRect(R.top, R.left, R.bottom, R.right) : R;
}

void TdxBarControl::DrawMDIButtons(HDC DC) {
  TdxBarPainter* painter = GetPainter();
  if (!painter) return;
  const TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
  const bool real = RealMDIButtonsOnBar();
  for (Integer i = real ? mdibMinimize : mdibClose; i <= mdibClose; ++i) {
    const auto button = static_cast<TdxBarMDIButton>(i);
    const TRect R = RectMDI(button);
    Integer drawState = 0;
    if (!IsMDIButtonEnabled(button))
      drawState = 3;
    else if (state.Pressed && state.PressedButton == button && state.MouseInside)
      drawState = 2;
    else if (state.HotButton == i)
      drawState = 1;
    painter->BarDrawMDIButton(this, button, drawState, DC, R);
    ExcludeClipRect(DC, R.left, R.top, R.right, R.bottom);
  }
}

// ---- Non-client ---------------------------------------------------------------------------------------------------
void TdxBarControl::WMNCCalcSize(TMessage& Message) {
  if (!(FMoving && IsInternallyLocked())) FHasSizeGrip = FBar && FBar->HasSizeGrip();
  if (CanCallInheritedNCCalcSize()) inherited::WndProc(Message);
  TdxBarPainter* painter = GetPainter();
  if (!painter || !Message.LParam) return;
  auto* R = reinterpret_cast<RECT*>(Message.LParam);  // the first rectangle of the parameters
  const TRect offsets = painter->GetToolbarContentOffsets(FBar, GetDockingStyle(), FHasSizeGrip);
  R->left += offsets.left;
  R->top += offsets.top;
  R->right = std::max(R->left, R->right - offsets.right);
  R->bottom = std::max(R->top, R->bottom - offsets.bottom);
}

bool TdxBarControl::AllowNCPaint() {
  if (ComponentState().Contains(csDestroying) || !HandleAllocated()) return false;
  const TRect window = GetWindowRect();
  const TRect client = GetClientRect();
  return client.Width() != window.Width() || client.Height() != window.Height();
}

void TdxBarControl::NCPaint(HDC DC) {
  DoNCPaint(DC);
  TdxBarManager* manager = GetBarManager();
  if (!manager || !manager->IsUncustomizable()) return;
  const TRect client = GetClientBounds();
  const Integer saved = SaveDC(DC);
  ExcludeClipRect(DC, client.left, client.top, client.right, client.bottom);
  cxDrawHatch(DC, GetNCRect(), clBtnShadow, clBtnFace, 4);
  RestoreDC(DC, saved);
}

void TdxBarControl::DoNCPaint(HDC DC) {
  TdxBarPainter* painter = GetPainter();
  if (!painter) return;
  if (painter->IsCompoundPainting()) {
    painter->DrawToolbarNonContentPart(this, DC);
    return;
  }
  const TRect window = GetNCRect();
  const TRect client = GetClientBounds();
  const bool docked = GetDockingStyle() != dsNone;
  if (docked && FBar && FBar->GetBorderStyle() == bbsNone) {
    if (GetIsStatusBar()) {
      painter->BarDrawStatusBarBorder(this, DC, window, GetToolbarBrush());
      if (FHasSizeGrip) painter->BarDrawStatusBarGrip(this, DC, window, GetToolbarBrush());
    }
    return;
  }
  TRect frameInside;
  if (docked) {
    const TRect border = painter->BarBorderPaintSizes(this);
    frameInside = TRect(window.left + border.left, window.top + border.top, window.right - border.right,
                        window.bottom - border.bottom);
  } else {
    painter->BarDrawFloatingBarBorder(this, DC, window, client, GetToolbarBrush());
    frameInside = TRect(client.left - painter->BarHorSize(),
                        client.top - (HasCaption() ? painter->BarTopSize() : 0), client.right + painter->BarHorSize(),
                        client.bottom + painter->BarBottomSize());
  }
  HRGN region = CreateRectRgnIndirect(&frameInside);
  HRGN clientRegion = CreateRectRgnIndirect(&client);
  CombineRgn(region, region, clientRegion, RGN_DIFF);
  FillBackgroundRgn(DC, region);
  DeleteObject(clientRegion);
  DeleteObject(region);
  if (docked) {
    TRect R = window;
    painter->BarDrawDockedBarBorder(this, DC, R, GetToolbarBrush());
  } else if (HasCaption()) {
    const TRect caption = GetCaptionRect();
    painter->BarDrawFloatingBarCaption(this, DC, caption, caption, GetToolbarBrush());
  }
}

TRect TdxBarControl::GetCaptionRect() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->GetToolbarCaptionRect(this) : TRect(0, 0, 0, 0);
}

// The close button ends the floating caption, as the painter draws it; window coordinates.
TRect TdxBarControl::CloseButtonRectNC() {
  TdxBarPainter* painter = GetPainter();
  if (!HasCloseButton() || !painter) return TRect(0, 0, 0, 0);
  const TRect caption = GetCaptionRect();
  return TRect(caption.right - painter->BarCaptionSize(), caption.top, caption.right, caption.bottom);
}

// The close button in client coordinates.
TRect TdxBarControl::CloseButtonRect() {
  const TPoint offset = GetClientOffset();
  return cxRectOffset(CloseButtonRectNC(), -offset.x, -offset.y);
}

void TdxBarControl::DrawCloseButton(HDC DC) {
  if (TdxBarPainter* painter = GetPainter(); painter && HasCloseButton())
    painter->BarDrawCloseButton(this, DC, CloseButtonRectNC());
}

// The mark in window coordinates: a docked mark lies in the client area, a floating one in the caption.
TRect TdxBarControl::MarkNCRect() {
  const TRect R = MarkRect();
  if (GetDockingStyle() == dsNone) return R;
  const TPoint offset = GetClientOffset();
  return cxRectOffset(R, offset.x, offset.y);
}

TRect TdxBarControl::MarkScreenRect() {
  const TRect window = GetWindowRect();
  return cxRectOffset(MarkNCRect(), window.left, window.top);
}

TRect TdxBarControl::MarkRect() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarMarkRect(this) : TRect(0, 0, 0, 0);
}

void TdxBarControl::DrawMark(HDC DC) {
  if (TdxBarPainter* painter = GetPainter(); painter && MarkExists())
    painter->BarDrawMark(this, DC, MarkNCRect(), GetMarkDrawState());
}

void TdxBarControl::InvalidateMark() {
  if (TdxBarPainter* painter = GetPainter()) painter->BarMarkRectInvalidate(this);
}

// The status bar's grip: the square at the bottom right corner of the window, in client coordinates.
TRect TdxBarControl::SizeGripRect() {
  TdxBarPainter* painter = GetPainter();
  const TSize grip = painter ? painter->StatusBarGripSize() : TSize(0, 0);
  const TRect client = GetClientRect();
  const TRect window = GetNCRect();
  const TPoint offset = GetClientOffset();
  const Integer right = window.right - offset.x, bottom = window.bottom - offset.y;
  return TRect(std::max(client.left, right - grip.cx), std::max(client.top, bottom - grip.cy), right, bottom);
}

}  // namespace dxBar
