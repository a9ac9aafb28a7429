// The base bar painter's drawing of backgrounds, lowered edges, group separators and the frames that
// the three-dimensional look leaves to the system.
#include "dxBarPainter.h"

#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"

namespace dxBar {

namespace {
// Fills R through the bar window's background fill, so that a background picture or gradient of the
// bar shows through instead of a plain brush.
void FillThroughBar(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) {
  ABarControl->FillBackground(DC, R, R, ABrush, clDefault);
}
}  // namespace

void TdxBarPainter::DrawBackground(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                   bool AOpaque) {
  if (AOpaque)
    FillRect(DC, &R, ABrush);
  else
    FillThroughBar(AControl->GetParent(), DC, R, ABrush);
}

void TdxBarPainter::DrawBackgroundFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                            bool AOpaque) {
  if (AOpaque) {
    FrameRect(DC, &R, ABrush);
    return;
  }
  const int saved = SaveDC(DC);
  ExcludeClipRect(DC, R.left + 1, R.top + 1, R.right - 1, R.bottom - 1);
  FillThroughBar(AControl->GetParent(), DC, R, ABrush);
  RestoreDC(DC, saved);
}

void TdxBarPainter::FrameAndFillRect(TdxBarItemControl*, HDC, const TRect&, bool, bool, bool) {}

void TdxBarPainter::DrawLowered(HDC DC, TRect& R) {
  DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
  InflateRect(&R, -1, -1);
}

// The gap between two groups: background stripes on both sides and an etched line in the middle, across
// the direction in which the items follow each other.
void TdxBarPainter::BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect ABeginGroupRect, HBRUSH ABrush,
                                      bool AHorz) {
  const Integer side = BarBeginGroupSideSize();
  TRect first = ABeginGroupRect, last = ABeginGroupRect, middle = ABeginGroupRect;
  if (AHorz) {
    first.bottom = first.top + side;
    last.top = last.bottom - side;
    middle.top = first.bottom;
    middle.bottom = last.top;
  } else {
    first.right = first.left + side;
    last.left = last.right - side;
    middle.left = first.right;
    middle.right = last.left;
  }
  FillThroughBar(ABarControl, DC, first, ABrush);
  FillThroughBar(ABarControl, DC, last, ABrush);
  DrawEdge(DC, &middle, EDGE_ETCHED, AHorz ? BF_TOP : BF_LEFT);
}

void TdxBarPainter::BarDrawDockedBarBorder(TCustomdxBarControl*, HDC, TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawFloatingBarBorder(TCustomdxBarControl*, HDC, const TRect&, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawMDIButton(TCustomdxBarControl*, TdxBarMDIButton, Integer, HDC, TRect) {}
void TdxBarPainter::BarDrawCloseButton(TCustomdxBarControl*, HDC, TRect) {}

void TdxBarPainter::SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) {
  TRect R = ARect;
  DrawEdge(ACanvas->GetHandle(), &R, EDGE_ETCHED, BF_TOP);
}

}  // namespace dxBar
