// The frames of floating toolbars in the standard, flat and Office 2003 looks, and the flat looks'
// lowered edges and menu separators.
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {
// Frames R in ABrush ring by ring, inward, until the client rectangle is reached.
void FrameUpToClient(HDC DC, TRect R, const TRect& AClientR, HBRUSH ABrush) {
  while (R.left < AClientR.left && R.top < AClientR.top && R.right > AClientR.right && R.bottom > AClientR.bottom) {
    FrameRect(DC, &R, ABrush);
    InflateRect(&R, -1, -1);
  }
}

// One ring in a colour; the temporary brush goes with the call.
void FrameInColor(HDC DC, const TRect& R, COLORREF AColor) {
  const HBRUSH brush = CreateSolidBrush(AColor);
  FrameRect(DC, &R, brush);
  DeleteObject(brush);
}
}  // namespace

// A raised edge, then the button face up to the client area.
void TdxBarStandardPainter::BarDrawFloatingBarBorder(TCustomdxBarControl*, HDC DC, const TRect& R,
                                                     const TRect& AClientR, HBRUSH) {
  TRect edge = R;
  DrawEdge(DC, &edge, EDGE_RAISED, BF_RECT);
  InflateRect(&edge, -2, -2);
  FrameUpToClient(DC, edge, AClientR, GetSysColorBrush(COLOR_BTNFACE));
}

// The flat border colour, a highlight ring, then the bar's own brush.
void TdxBarFlatPainter::BarDrawFloatingBarBorder(TCustomdxBarControl*, HDC DC, const TRect& R, const TRect& AClientR,
                                                 HBRUSH ABrush) {
  TRect ring = R;
  FrameRect(DC, &ring, dxBarToolbarsBrushes().Border);
  InflateRect(&ring, -1, -1);
  FrameRect(DC, &ring, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  InflateRect(&ring, -1, -1);
  FrameUpToClient(DC, ring, AClientR, ABrush);
}

TColor TdxBarFlatPainter::SubMenuControlGetSeparatorColor() { return clBtnShadow; }

void TdxBarFlatPainter::DrawLowered(HDC DC, TRect& R) {
  FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&R, -1, -1);
}

void TdxBarFlatPainter::SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FillRect(TRect(ARect.left, ARect.top, ARect.right, ARect.top + 1), SubMenuControlGetSeparatorColor());
}

// Three pixels of frame: two dark rings and a lighter inner one whose corners stay dark, so the inner
// corners look rounded.
// A popup that belongs to another control keeps the drop-down border; a floating toolbar gets a
// three-pixel frame with rounded inner corners.
void TdxBarOffice11Painter::BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                     const TRect& AClientR, HBRUSH ABrush) {
  using namespace dxOffice11;
  TRect ring = R;
  if (ABarControl && ABarControl->IsInternal()) {
    FrameRect(DC, &ring, dxOffice11DropDownBorderBrush1);
    InflateRect(&ring, -1, -1);
    FrameUpToClient(DC, ring, AClientR, ABrush);
    return;
  }
  for (Integer i = 0; i < 2; ++i) {
    FrameInColor(DC, ring, dxOffice11BarFloatingBorderColor1);
    InflateRect(&ring, -1, -1);
  }
  FrameInColor(DC, ring, dxOffice11BarFloatingBorderColor2);
  for (const POINT& corner : {POINT{ring.left, ring.top}, POINT{ring.right - 1, ring.top},
                              POINT{ring.left, ring.bottom - 1}, POINT{ring.right - 1, ring.bottom - 1}})
    SetPixel(DC, corner.x, corner.y, dxOffice11BarFloatingBorderColor1);
  InflateRect(&ring, -1, -1);
  FrameUpToClient(DC, ring, AClientR, ABrush);
}

// ---- Button cells --------------------------------------------------------------------------------------------
// The bar window's brushes come back to the painter's own bar brushes; the background is its toolbar brush.
void TdxBarStandardPainter::FrameAndFillRect(TdxBarItemControl*, HDC DC, const TRect& R, bool APressed,
                                             bool ASelected, bool) {
  TRect inner = R;
  if (ASelected)
    DrawEdge(DC, &inner, APressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  else
    FrameRect(DC, &inner, BarToolbarBrush());
  InflateRect(&inner, -1, -1);
  FillRect(DC, &inner, BarToolbarBrush());
}

void TdxBarFlatPainter::FrameFlatSelRect(HDC DC, const TRect& R) {
  if (dxOffice11::IsHighContrastBlack() || dxOffice11::IsHighContrast2())
    FrameRect(DC, &R, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
  else
    dxBar::FrameFlatSelRect(DC, R);
}

void TdxBarFlatPainter::FrameAndFillRect(TdxBarItemControl*, HDC DC, const TRect& R, bool APressed, bool ASelected,
                                         bool) {
  TRect inner = R;
  HBRUSH fill = BarToolbarBrush();
  if (ASelected) {
    FrameFlatSelRect(DC, R);
    fill = APressed ? BarToolbarDownedSelBrush() : BarToolbarSelBrush();
  } else {
    FrameRect(DC, &inner, fill);
  }
  InflateRect(&inner, -1, -1);
  FillRect(DC, &inner, fill);
}

void TdxBarOffice11Painter::FrameFlatSelRect(HDC DC, const TRect& R) { dxOffice11::Office11FrameSelectedRect(DC, R); }

void TdxBarOffice11Painter::FrameAndFillRect(TdxBarItemControl*, HDC DC, const TRect& R, bool APressed,
                                             bool ASelected, bool AEnabled) {
  using namespace dxOffice11;
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  if (ASelected) {
    FrameFlatSelRect(DC, R);
    FillRect(DC, &inner, APressed ? BarToolbarDownedSelBrush() : BarToolbarSelBrush());
  } else if (AEnabled) {
    FrameRect(DC, &R, BarToolbarBrush());
    FillRect(DC, &inner, dxOffice11OwnerControlDownedBrush);
  } else {
    FrameInColor(DC, R, dxOffice11TextDisabledColor);
    FillRect(DC, &inner, GetSysColorBrush(COLOR_BTNFACE));
  }
}

TColor TdxBarOffice11Painter::SubMenuControlGetSeparatorColor() { return dxOffice11::dxOffice11BarSeparatorColor1; }

}  // namespace dxBar
