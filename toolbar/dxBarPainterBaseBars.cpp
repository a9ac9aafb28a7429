// The base bar painter's toolbar drawing: backgrounds, the begin-group gap, the mark at the end of a
// bar and its chevrons, the floating caption with its buttons, status-bar parts and the offsets of a
// toolbar's content.
#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinMetrics.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarBar.h"
#include "dxBarControl.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxBarItemLinks.h"

namespace dxBar {

namespace {

TBitmap* ManagerBarBackground(TCustomdxBarControl* ABarControl) {
  TdxBarManager* manager = ABarControl ? ABarControl->GetBarManager() : nullptr;
  return manager && manager->GetBackgrounds() ? manager->GetBackgrounds()->GetBar() : nullptr;
}

void FillPolygonTriangle(HDC DC, const POINT (&APoints)[3], TColor AColor) {
  FillPolygonInColor(DC, APoints, 3, AColor, AColor);
}

}  // namespace

// ---- Toolbar frame ---------------------------------------------------------------------------------------------
void TdxBarPainter::DrawToolbarContentPart(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas) {
  const TRect R = ABarControl->GetClientRect();
  ABarControl->FillBackground(ACanvas->GetHandle(), R, R, ABarControl->GetToolbarBrush(), clDefault);
}

void TdxBarPainter::DrawToolbarNonContentPart(TCustomdxBarControl*, HDC) {}

TRect TdxBarPainter::GetToolbarCaptionRect(TCustomdxBarControl* ABarControl) {
  const TRect window = ABarControl->GetWindowRect();
  TRect R(0, 0, window.Width(), window.Height());
  const TRect frame = BarBorderSizes();
  R.left += frame.left + BarHorSize();
  R.top += frame.top + BarTopSize();
  R.right -= frame.right + BarHorSize();
  R.bottom = R.top + BarCaptionSize();
  return R;
}

// A docked bar leaves room for its grip on the leading side; a floating bar for its frame and caption.
TRect TdxBarPainter::GetToolbarContentOffsets(TdxBar*, TdxBarDockingStyle ADockingStyle, bool) {
  TRect R(0, 0, 0, 0);
  if (ADockingStyle == dsNone) {
    R = BarBorderSizes();
    R.left += BarHorSize();
    R.right += BarHorSize();
    R.top += BarCaptionAreaSize() + BarTopSize();
    R.bottom += BarBottomSize();
    return R;
  }
  R = BarBorderSizes();
  if (ADockingStyle == dsLeft || ADockingStyle == dsRight) R.top += FingersSize();
  else R.left += FingersSize();
  return R;
}

// ---- Backgrounds -----------------------------------------------------------------------------------------------
void TdxBarPainter::DockControlFillBackground(TdxDockControl*, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                              const TRect&, HBRUSH ABrush, TColor AColor) {
  FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, nullptr, AColor, ABrush);
}

void TdxBarPainter::BarDrawDockedBackground(TCustomdxBarControl*, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                            HBRUSH ABrush, TColor AColor) {
  FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, nullptr, AColor, ABrush);
}

void TdxBarPainter::BarDrawFloatingBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                              const TRect& ASourceR, HBRUSH ABrush, TColor AColor) {
  FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, ManagerBarBackground(ABarControl), AColor, ABrush);
}

void TdxBarPainter::StatusBarFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                            const TRect& ASourceR, const TRect&, HBRUSH ABrush, TColor AColor) {
  if (IsNativeBackground() && AreVisualStylesAvailable())
    return TdxBarXPPainter::StatusBarFillNativeBackground(ABarControl, DC, ADestR, ASourceR);
  FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, ManagerBarBackground(ABarControl), AColor, ABrush);
}

// The bar's own picture, then the status bar's, then its own colour, then the dock or the manager's.
void TdxBarPainter::BarDrawBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                      const TRect& ASourceR, HBRUSH ABrush, TColor AColor) {
  TBitmap* own = ABarControl->GetBackgroundBitmap();
  if (own && !own->GetEmpty()) {
    FillRectByBitmap(DC, ADestR, ASourceR, own);
  } else if (ABarControl->GetIsStatusBar() && ManagerBarBackground(ABarControl)) {
    StatusBarFillBackground(ABarControl, DC, ADestR, ASourceR, ASourceR, ABrush, AColor);
  } else if (AColor != clDefault && AColor != clNone) {
    FillRectWithBrushOrBitmap(DC, ADestR, ASourceR, nullptr, AColor, nullptr);
  } else if (ABarControl->GetDockingStyle() != dsNone) {
    BarDrawDockedBackground(ABarControl, DC, ADestR, ASourceR, ABrush, AColor);
  } else {
    BarDrawFloatingBackground(ABarControl, DC, ADestR, ASourceR, ABrush, AColor);
  }
}

void TdxBarPainter::BarCaptionFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) {
  BarDrawBackground(ABarControl, DC, R, R, ABrush, clDefault);
}

void TdxBarPainter::BarDrawOwnerLink(TCustomdxBarControl* ABarControl, HDC DC) {
  const TRect R = ABarControl->GetOwnerLinkBounds(false);
  if (!IsRectEmpty(&R)) FillRect(DC, &R, BarControlOwnerBrush(ABarControl->GetBarManager()));
}

// ---- Begin group -----------------------------------------------------------------------------------------------
// The gap between two groups: background stripes at its ends and an etched line in its middle.
void TdxBarPainter::BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz) {
  const Integer side = BarBeginGroupSideSize();
  TRect first = R, last = R;
  if (AHorz) {
    first.bottom = std::min(R.bottom, R.top + side);
    last.top = std::max(R.top, R.bottom - side);
    R.top = first.bottom;
    R.bottom = last.top;
  } else {
    first.right = std::min(R.right, R.left + side);
    last.left = std::max(R.left, R.right - side);
    R.left = first.right;
    R.right = last.left;
  }
  ABarControl->FillBackground(DC, first, first, ABrush, clDefault);
  ABarControl->FillBackground(DC, last, last, ABrush, clDefault);
  ABarControl->FillBackground(DC, R, R, ABrush, clDefault);
  DrawEdge(DC, &R, EDGE_ETCHED, AHorz ? BF_TOP : BF_LEFT);
}

// ---- Mark ------------------------------------------------------------------------------------------------------
void TdxBarPainter::BarDrawGrip(TCustomdxBarControl*, HDC DC, const TRect& R) {
  if (IsNativeBackground() && AreVisualStylesAvailable()) TdxBarXPPainter::BarDrawNativeGrip(DC, R);
  else BarDrawSizeGrip(DC, R);
}

void TdxBarPainter::BarDrawMarkArrow(TCustomdxBarControl*, HDC DC, const TRect& R, TdxBarMarkState AState) {
  const Integer x = (R.left + R.right - 7) / 2;
  const Integer y = (R.top + R.bottom - 4 + 1) / 2;
  const POINT points[3] = {{x, y}, {x + 6, y}, {x + 3, y + 3}};
  FillPolygonTriangle(DC, points, BarMarkArrowColor(AState));
}

// Two chevrons ">>" (or "vv" on vertical bars), each a 2-pixel-thick angle three pixels deep.
void TdxBarPainter::BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor AColor) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  for (Integer chevron = 0; chevron < 2; ++chevron)
    for (Integer row = 0; row < 5; ++row) {
      const Integer depth = row < 3 ? row : 4 - row;
      const Integer along = chevron * 4 + depth;
      const TRect dot = AVertical ? TRect(X + row, Y + along, X + row + 1, Y + along + 2)
                                  : TRect(X + along, Y + row, X + along + 2, Y + row + 1);
      FillRect(DC, &dot, brush);
    }
  DeleteObject(brush);
}

void TdxBarPainter::BarDrawMarkBackground(TCustomdxBarControl*, HDC, const TRect&, HBRUSH) {}

void TdxBarPainter::BarDrawMarkElements(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R) {
  const bool vertical = ABarControl->IsVerticalDirection();
  if (BarAllowQuickCustomizing()) {
    const Integer x = vertical ? R.left + 5 : R.left + 3;
    const Integer y = vertical ? R.top + 3 : R.bottom - 7 + (BarIsBarSmall(R) ? 1 : 0);
    const POINT points[3] = {{x, y}, {x + 4, y}, {x + 2, y + 2}};
    FillPolygonTriangle(DC, points, GetDrawMarkElementColor(ABarControl->GetMarkDrawState()));
  }
  if (dxBarHasHiddenItems(ABarControl))
    BarDrawMarkAtPos(DC, vertical ? R.right - 8 : R.left + 3, vertical ? R.top + 3 : R.top + 4, vertical, clBtnText);
}

void TdxBarPainter::BarDrawMark(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TdxBarMarkState AState) {
  BarDrawMarkArrow(ABarControl, DC, R, AState);
}

void TdxBarPainter::BarDrawMarks(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                 HBRUSH ABrush) {
  BarDrawMarkBackground(ABarControl, ACanvas->GetHandle(), R, ABrush);
  BarDrawMarkElements(ABarControl, ACanvas->GetHandle(), R);
}

TRect TdxBarPainter::BarMarkRect(TCustomdxBarControl* ABarControl) { return BarMarkItemRect(ABarControl); }

// Docked left or right: a strip at the bottom; docked top or bottom: a strip at the right; floating:
// a square of the caption's height left of the close button.
TRect TdxBarPainter::BarMarkItemRect(TCustomdxBarControl* ABarControl) {
  const TRect client = ABarControl->GetClientRect();
  const Integer markSize = ABarControl->GetMarkSize();
  switch (ABarControl->GetDockingStyle()) {
    case dsLeft:
    case dsRight:
      return TRect(client.left, client.bottom - markSize, client.right, client.bottom);
    case dsTop:
    case dsBottom:
      return TRect(client.right - markSize, client.top, client.right, client.bottom);
    case dsNone: {
      TRect caption = GetToolbarCaptionRect(ABarControl);
      caption.right -= BarCaptionSize();
      return TRect(caption.right - caption.Height(), caption.top, caption.right, caption.bottom);
    }
  }
  return TRect(0, 0, 0, 0);
}

void TdxBarPainter::BarMarkRectInvalidate(TCustomdxBarControl* ABarControl) {
  if (!ABarControl->HandleAllocated()) return;
  const TRect R = BarMarkRect(ABarControl);
  if (ABarControl->GetDockingStyle() != dsNone) {
    InvalidateRect(ABarControl->GetHandle(), &R, false);
    return;
  }
  HDC DC = GetWindowDC(ABarControl->GetHandle());
  BarDrawMark(ABarControl, DC, R, ABarControl->GetMarkDrawState());
  ReleaseDC(ABarControl->GetHandle(), DC);
}

// ---- Floating caption ------------------------------------------------------------------------------------------
void TdxBarPainter::BarDrawCaptionElement(TCustomdxBarControl* ABarControl, HDC DC, TdxBarMarkState AState,
                                          TRect& R) {
  if (AState == msNone) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(BarCaptionBkColor(ABarControl->GetIsActive())));
    FillRect(DC, &R, brush);
    DeleteObject(brush);
    return;
  }
  FrameFlatSelRect(DC, R);
  InflateRect(&R, -1, -1);
  FillRect(DC, &R, AState == msSelected ? ABarControl->GetToolbarSelBrush() : ABarControl->GetToolbarDownedSelBrush());
}

void TdxBarPainter::BarOffsetFloatingBarCaption(TCustomdxBarControl*, Integer&, TRect&) {}

// The caption strip of a floating bar: a line under it, the close button at its right, the text and
// the mark.
void TdxBarPainter::BarDrawFloatingBarCaption(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                              TRect ACaptionR, HBRUSH ABrush) {
  TRect line(ACaptionR.left, ACaptionR.bottom, ACaptionR.right, ACaptionR.bottom + 1);
  FillRect(DC, &line, ABrush);
  const bool transparent = BarCaptionTransparent();
  if (transparent) BarCaptionFillBackground(ABarControl, DC, ACaptionR, ABrush);
  TRect closeR(ACaptionR.right - BarCaptionSize(), ACaptionR.top, ACaptionR.right, ACaptionR.bottom);
  BarDrawCloseButton(ABarControl, DC, closeR);
  ACaptionR.right = closeR.left;
  TdxBarManager* manager = ABarControl->GetBarManager();
  HFONT font = nullptr;
  if (manager && !manager->GetUseSystemFont() && manager->GetFont()) {
    font = manager->GetFont()->GetHandle();
  } else {
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font = CreateFontIndirect(&metrics.lfSmCaptionFont);
  }
  HGDIOBJ previousFont = SelectObject(DC, font);
  SetTextColor(DC, ColorToRGB(BarCaptionColor()));
  SetBkColor(DC, ColorToRGB(BarCaptionBkColor(ABarControl->GetIsActive())));
  SetBkMode(DC, transparent ? TRANSPARENT : OPAQUE);
  Integer x = ACaptionR.left + 2;
  BarOffsetFloatingBarCaption(ABarControl, x, ACaptionR);
  TEXTMETRIC text{};
  GetTextMetrics(DC, &text);
  const String caption = ABarControl->GetCaption();
  const Integer y = (ACaptionR.top + ACaptionR.bottom - text.tmHeight) / 2;
  ExtTextOut(DC, x, y, ETO_CLIPPED | (transparent ? 0 : ETO_OPAQUE), &ACaptionR, caption.c_str(),
             static_cast<UINT>(caption.size()), nullptr);
  SelectObject(DC, previousFont);
  if (!manager || manager->GetUseSystemFont() || !manager->GetFont()) DeleteObject(font);
  if (ABarControl->GetMarkSize() > 0)
    BarDrawMark(ABarControl, DC, BarMarkItemRect(ABarControl), ABarControl->GetMarkDrawState());
}

// ---- Status bar ------------------------------------------------------------------------------------------------
void TdxBarPainter::BarDrawStatusBarGrip(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) {
  const TSize size = StatusBarGripSize();
  const TRect grip(R.right - size.cx, R.bottom - size.cy, R.right, R.bottom);
  ABarControl->FillBackground(DC, grip, grip, ABrush, clDefault);
  BarDrawGrip(ABarControl, DC, grip);
}

void TdxBarPainter::BarDrawStatusBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) {
  const TRect top(R.left, R.top, R.right, R.top + StatusBarTopBorderSize());
  ABarControl->FillBackground(DC, top, top, ABrush, clDefault);
}

TSize TdxBarPainter::StatusBarGripSize() {
  if (IsNativeBackground() && AreVisualStylesAvailable()) return TdxBarXPPainter::StatusBarNativeGripSize();
  return TSize(GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL));
}

}  // namespace dxBar
