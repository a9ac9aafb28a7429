#include "Dxbarcommon.h"

#include "WinGdi.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace Dxbarcommon {

namespace {
bool IsTopCorner(TdxCorner ACorner) { return ACorner == dxBar::coTopLeft || ACorner == dxBar::coTopRight; }
}  // namespace

void DrawCloseButton(HDC DC, TRect& R, bool AIsRaised, bool AIsPressed, bool AIsFlat, TdxCorner ACorner) {
  R = dxCommon::CloseButtonRect(R, ACorner);
  InflateRect(&R, -1, -2);
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (!AIsRaised || AIsFlat)
    FrameRect(DC, &R, face);
  else
    DrawEdge(DC, &R, AIsPressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  FrameRect(DC, &inner, face);
  dxCommon::DrawCloseGlyph(DC, R, AIsPressed && !AIsFlat ? DFCS_PUSHED : 0);
}

void dxBarPopupNCCalcSize(HWND AWnd, TRect& R, TdxCorner& ACorner, const TRect* AEditScreenRect, bool ASizeable) {
  InflateRect(&R, -1, -1);
  if (!ASizeable || !AEditScreenRect) return;
  RECT window{};
  GetWindowRect(AWnd, &window);
  ACorner = dxCommon::GetCornerForRects(*AEditScreenRect, TRect(window));
  if (IsTopCorner(ACorner))
    R.top += dxCommon::dxDropDownNCHeight();
  else
    R.bottom -= dxCommon::dxDropDownNCHeight();
}

void dxBarPopupNCPaint(HWND AWnd, bool ASizeable, bool AIsFlat, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                       TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner) {
  RECT window{};
  GetWindowRect(AWnd, &window);
  const TRect bounds(0, 0, window.right - window.left, window.bottom - window.top);
  const HDC DC = GetWindowDC(AWnd);
  const HBRUSH border = GetSysColorBrush(AIsFlat ? COLOR_BTNSHADOW : COLOR_WINDOWFRAME);
  FrameRect(DC, &bounds, border);
  ACloseButtonRect = TRect();
  AGripRect = TRect();
  if (ASizeable) {
    const Integer height = dxCommon::dxDropDownNCHeight();
    TRect band(bounds.left + 1, 0, bounds.right - 1, 0);
    TRect line = band;
    if (IsTopCorner(ACorner)) {
      band.top = bounds.top + 1;
      band.bottom = band.top + height;
      line.top = band.bottom - 1;
    } else {
      band.bottom = bounds.bottom - 1;
      band.top = band.bottom - height;
      line.top = band.top;
    }
    line.bottom = line.top + 1;
    FillRect(DC, &line, border);
    if (IsTopCorner(ACorner))
      band.bottom -= 1;
    else
      band.top += 1;
    const Integer saved = SaveDC(DC);
    TRect grip = band;
    dxCommon::DrawSizeGrip(DC, grip, ACorner);
    ExcludeClipRect(DC, grip.left, grip.top, grip.right, grip.bottom);
    AGripRect = TRect(grip.left - 2, std::max(grip.top - 2, band.top), grip.right + 2,
                      std::min(grip.bottom + 2, band.bottom));
    TRect close = band;
    DrawCloseButton(DC, close, ACloseButtonIsTracking || AMouseAboveCloseButton,
                    ACloseButtonIsTracking && AMouseAboveCloseButton, AIsFlat, ACorner);
    ExcludeClipRect(DC, close.left, close.top, close.right, close.bottom);
    ACloseButtonRect = close;
    FillRect(DC, &band, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(DC, saved);
    for (TRect* r : {&ACloseButtonRect, &AGripRect}) OffsetRect(r, window.left, window.top);
    // The corner between both scroll bars stays in the band's colour.
    const LONG style = GetWindowLong(AWnd, GWL_STYLE);
    if (!IsTopCorner(ACorner) && (style & WS_HSCROLL) && (style & WS_VSCROLL)) {
      const TRect corner(bounds.right - 1 - GetSystemMetrics(SM_CXVSCROLL), band.top - 1 - GetSystemMetrics(SM_CYHSCROLL),
                         bounds.right - 1, band.top - 1);
      FillRect(DC, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
  }
  ReleaseDC(AWnd, DC);
}

}  // namespace Dxbarcommon
