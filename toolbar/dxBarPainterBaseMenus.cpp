// The base bar painter's menus: the three-dimensional border, background, begin-group strips and
// separators, the scroll bands and the expand mark, and the menu metrics that depend on the menu.
#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"

namespace dxBar {

Integer TdxBarPainter::SubMenuControlGetBandSize(TCustomdxBarControl* ABarSubMenuControl) {
  return ABarSubMenuControl ? ABarSubMenuControl->GetIconAreaSize() : 0;
}

Integer TdxBarPainter::SubMenuControlGetControlContentIndent(TCustomdxBarControl* ABarSubMenuControl) {
  Integer indent = ABarSubMenuControl->GetBorderSize() + SubMenuControlGetBandSize(ABarSubMenuControl);
  CorrectButtonControlDefaultHeight(indent);
  return indent;
}

Integer TdxBarPainter::SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl) {
  return ABarSubMenuControl->GetTextSize() / 2 + 3;
}

Integer TdxBarPainter::SubMenuControlGetScrollBandSize(TCustomdxBarControl* ABarSubMenuControl) {
  return ABarSubMenuControl->GetTextSize();
}

void TdxBarPainter::SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight,
                                                    Integer& AMenuArrowWidth, Integer& AMarkSize) {
  AMenuArrowWidth = SubMenuControlArrowWidth(AItemHeight);
  const Integer markArrow = SubMenuControlMarkArrowSize(AItemHeight);
  AMarkSize = markArrow % 2 == 1 ? 2 * markArrow + 4 : ACanvas->TextHeight("0") + 1;
}

TRect TdxBarPainter::SubMenuControlBeginGroupRect(TCustomdxBarControl* ABarSubMenuControl,
                                                  TdxBarItemControl* AControl, const TRect& AItemRect) {
  const Integer size = ABarSubMenuControl->GetBeginGroupSize();
  return TRect(AItemRect.left, AItemRect.top - size, AItemRect.right, AItemRect.top);
}

void TdxBarPainter::SubMenuControlPrepareBkBrush(HBRUSH& ABrush) {
  if (BarAllowHotTrack()) ABrush = SubMenuControlToolbarItemsBrush();
}

// ---- Frame and background --------------------------------------------------------------------------------------
void TdxBarPainter::SubMenuControlDrawBorder(TCustomdxBarControl*, HDC DC, TRect R) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  const TRect left(R.left, R.top, R.left + 1, R.bottom), top(R.left, R.top, R.right, R.top + 1);
  FillRect(DC, &left, face);
  FillRect(DC, &top, face);
  DrawEdge(DC, &R, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
}

void TdxBarPainter::SubMenuControlDrawClientBorder(TCustomdxBarControl*, HDC DC, const TRect& R, HBRUSH ABrush) {
  TRect frame = R;
  DrawEdge(DC, &frame, BDR_RAISEDINNER, BF_RECT);
  InflateRect(&frame, -1, -1);
  FrameRect(DC, &frame, ABrush);
}

void TdxBarPainter::SubMenuControlDrawDetachCaption(TCustomdxBarControl*, HDC DC, TRect R) {
  HBRUSH brush = CreateSolidBrush(ColorToRGB(clInactiveCaption));
  FillRect(DC, &R, brush);
  DeleteObject(brush);
}

void TdxBarPainter::SubMenuControlDrawBackground(TCustomdxBarControl* ABarSubMenuControl,
                                                 cxGraphics::TcxCanvas* ACanvas, const TRect& R, HBRUSH ABrush,
                                                 TColor AColor) {
  TdxBarManager* manager = ABarSubMenuControl ? ABarSubMenuControl->GetBarManager() : nullptr;
  TBitmap* picture = manager && manager->GetBackgrounds() ? manager->GetBackgrounds()->GetSubMenu() : nullptr;
  FillRectWithBrushOrBitmap(ACanvas->GetHandle(), R, R, picture, AColor, ABrush);
}

void TdxBarPainter::SubMenuControlDrawScrollButton(TCustomdxBarControl*, HDC, const TRect&) {}
void TdxBarPainter::SubMenuControlDrawItemFrame(TdxBarItemControl*, cxGraphics::TcxCanvas*, const TRect&, Integer) {}

// The separator strip above a row: background from the glyph column on, then the etched line.
void TdxBarPainter::SubMenuControlDrawBeginGroup(TCustomdxBarControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                                 cxGraphics::TcxCanvas* ACanvas, const TRect& R) {
  HBRUSH brush = ABarSubMenuControl->GetToolbarBrush();
  if (AControl && AControl->GetNonRecent()) brush = ABarSubMenuControl->GetToolbarDownedBrush();
  FillRect(ACanvas->GetHandle(), &R, brush);
  TRect line = R;
  InflateRect(&line, -SubMenuBeginGroupIndent(), -4);
  line.bottom = std::max(line.bottom, line.top + 2);
  SubMenuControlDrawSeparator(ACanvas, line);
}

// ---- Scroll bands ----------------------------------------------------------------------------------------------
TRect TdxBarPainter::SubMenuControlGetScrollBandBounds(TCustomdxBarControl* ABarSubMenuControl, bool ABottom) {
  const TRect items = ABarSubMenuControl->GetItemsRect();
  const Integer size = SubMenuControlGetScrollBandSize(ABarSubMenuControl);
  return ABottom ? TRect(items.left, items.bottom - size, items.right, items.bottom)
                 : TRect(items.left, items.top, items.right, items.top + size);
}

void TdxBarPainter::SubMenuControlFillScrollArrow(TCustomdxBarControl*, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                                  TColor AColor) {
  ACanvas->FillRect(R, AColor);
}

// A triangle pointing up or down in the middle of the band.
void TdxBarPainter::SubMenuControlDrawScrollArrow(TCustomdxBarControl* ABarSubMenuControl,
                                                  cxGraphics::TcxCanvas* ACanvas, const TRect& R, TColor AColor,
                                                  TcxArrowDirection ADirection) {
  const Integer size = std::max<Integer>(SubMenuControlGetScrollArrowSize(ABarSubMenuControl->GetTextSize()), 1);
  const Integer x = (R.left + R.right) / 2;
  const Integer y = (R.top + R.bottom - size) / 2;
  const bool up = ADirection == adUp;
  const POINT points[3] = {{x - size, up ? y + size : y}, {x + size, up ? y + size : y}, {x, up ? y : y + size}};
  HDC DC = ACanvas->GetHandle();
  const Integer saved = SaveDC(DC);
  HRGN triangle = CreatePolygonRgn(points, 3, WINDING);
  ExtSelectClipRgn(DC, triangle, RGN_AND);
  SubMenuControlFillScrollArrow(ABarSubMenuControl, ACanvas, TRect(x - size, y, x + size + 1, y + size + 1), AColor);
  RestoreDC(DC, saved);
  ExtSelectClipRgn(DC, triangle, RGN_DIFF);
  DeleteObject(triangle);
}

void TdxBarPainter::SubMenuControlDrawScrollBandBackground(TCustomdxBarControl* ABarSubMenuControl,
                                                           cxGraphics::TcxCanvas* ACanvas, bool ABottom) {
  const TRect R = SubMenuControlGetScrollBandBounds(ABarSubMenuControl, ABottom);
  FillRect(ACanvas->GetHandle(), &R, ABarSubMenuControl->GetToolbarBrush());
}

// Under the bottom band: when the row the band covers starts a run of recent or non-recent rows, the
// line between the runs stays visible across it (light below a recent row, dark below a non-recent one).
void TdxBarPainter::SubMenuControlDrawNonRecentGroupSeparator(TCustomdxBarControl* ABarSubMenuControl,
                                                              cxGraphics::TcxCanvas* ACanvas, bool ABottom) {
  TdxBarItemLinks* links = ABarSubMenuControl->GetItemLinks();
  if (!ABottom || !links) return;
  const TRect band = SubMenuControlGetScrollBandBounds(ABarSubMenuControl, true);
  TdxBarItemControl* bottom = nullptr;
  TdxBarItemControl* above = nullptr;
  for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) {
    TdxBarItemControl* control = links->GetVisibleItem(i)->GetControl();
    if (!control || ABarSubMenuControl->GetItemRect(control).top >= band.top) break;
    above = bottom;
    bottom = control;
  }
  if (!bottom || !above || above->GetNonRecent() == bottom->GetNonRecent()) return;
  const TRect item = ABarSubMenuControl->GetItemRect(bottom);
  const TRect line(item.left - 1, item.top, item.right + 1, item.top + 1);
  const HDC DC = ACanvas->GetHandle();
  FillRect(DC, &line, GetSysColorBrush(above->GetNonRecent() ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  ACanvas->ExcludeClipRect(line);
}

void TdxBarPainter::SubMenuControlDrawScrollBand(TCustomdxBarControl* ABarSubMenuControl,
                                                 cxGraphics::TcxCanvas* ACanvas, TcxArrowDirection ADirection) {
  const bool bottom = ADirection == adDown;
  const TRect R = SubMenuControlGetScrollBandBounds(ABarSubMenuControl, bottom);
  SubMenuControlDrawScrollArrow(ABarSubMenuControl, ACanvas, R, clBtnText, ADirection);
  SubMenuControlDrawScrollButton(ABarSubMenuControl, ACanvas->GetHandle(), R);
  SubMenuControlDrawNonRecentGroupSeparator(ABarSubMenuControl, ACanvas, bottom);
  SubMenuControlDrawScrollBandBackground(ABarSubMenuControl, ACanvas, bottom);
}

// ---- Expand mark -----------------------------------------------------------------------------------------------
void TdxBarPainter::SubMenuControlDrawMarkSelection(TCustomdxBarControl*, HDC DC, const TRect& R) {
  TRect frame = R;
  DrawEdge(DC, &frame, BDR_RAISEDINNER, BF_RECT);
  InflateRect(&frame, -1, -1);
  FillRect(DC, &frame, GetPatternBrush());
}

// Two stacked downward chevrons in the middle of the band.
void TdxBarPainter::SubMenuControlDrawMarkContent(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                                  bool ASelected) {
  const Integer size = std::max<Integer>(SubMenuControlMarkArrowSize(ABarSubMenuControl->GetTextSize()), 2);
  const TColor color =
      dxOffice11::IsHighContrastWhite() && IsFlatItemText() && ASelected ? clBtnFace : clBtnText;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  const Integer x = (R.left + R.right) / 2;
  const Integer y = (R.top + R.bottom) / 2 - size;
  for (Integer chevron = 0; chevron < 2; ++chevron)
    for (Integer step = 0; step < size; ++step) {
      const Integer top = y + chevron * (size + 1) + step;
      const TRect left(x - size + step, top, x - size + step + 2, top + 1);
      const TRect right(x + size - step - 2, top, x + size - step, top + 1);
      FillRect(DC, &left, brush);
      FillRect(DC, &right, brush);
    }
  DeleteObject(brush);
}

void TdxBarPainter::SubMenuControlDrawMarkBand(TCustomdxBarControl* ABarSubMenuControl, const TRect& R,
                                               bool ASelected) {
  cxGraphics::TcxCanvas* canvas = ABarSubMenuControl->GetCanvas();
  if (!canvas || IsRectEmpty(&R)) return;
  HDC DC = canvas->GetHandle();
  HDC memory = CreateCompatibleDC(DC);
  HBITMAP bitmap = CreateCompatibleBitmap(DC, R.Width(), R.Height());
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const TRect local(0, 0, R.Width(), R.Height());
  FillRect(memory, &local, ABarSubMenuControl->GetToolbarBrush());
  if (ASelected) SubMenuControlDrawMarkSelection(ABarSubMenuControl, memory, local);
  SubMenuControlDrawMarkContent(ABarSubMenuControl, memory, local, ASelected);
  BitBlt(DC, R.left, R.top, R.Width(), R.Height(), memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  canvas->ExcludeClipRect(R);
}

// ---- Application menu and extra menu ---------------------------------------------------------------------------
void TdxBarPainter::ApplicationMenuDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) {
  SubMenuControlDrawBorder(ABarSubMenuControl, DC, R);
}

void TdxBarPainter::ApplicationMenuDrawContentArea(TCustomdxBarControl* ABarSubMenuControl,
                                                   cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                                   const TRect& AContentRect) {
  ACanvas->ExcludeClipRect(AContentRect);
  SubMenuControlDrawBackground(ABarSubMenuControl, ACanvas, R, ABarSubMenuControl->GetToolbarBrush(), clDefault);
}

void TdxBarPainter::ExtraMenuControlDrawBackground(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas,
                                                   const TRect& R, HBRUSH ABrush) {
  FillRectWithBrushOrBitmap(ACanvas->GetHandle(), R, R, ABarControl->GetBackgroundBitmap(), clDefault, ABrush);
}

void TdxBarPainter::ExtraMenuControlDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                   HBRUSH ABrush, bool AHorz) {
  BarDrawBeginGroup(ABarControl, DC, R, ABrush, AHorz);
}

}  // namespace dxBar
