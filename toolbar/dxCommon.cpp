#include "dxCommon.h"

#include "WinGdi.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinUserDraw.h"

namespace dxCommon {

namespace {
bool IsRightCorner(TdxCorner ACorner) { return ACorner == dxBar::coTopRight || ACorner == dxBar::coBottomRight; }
bool IsTopCorner(TdxCorner ACorner) { return ACorner == dxBar::coTopLeft || ACorner == dxBar::coTopRight; }

// The look of the close button by its pressed flag.
constexpr UINT kCloseButtonEdge[2] = {BDR_RAISEDINNER, BDR_SUNKENOUTER};

void FrameInButtonFace(HDC DC, const TRect& R) { FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNFACE)); }
}  // namespace

Integer dxDropDownNCHeight() {
  const Integer captionButton = GetSystemMetrics(SM_CYSIZE), scrollBar = GetSystemMetrics(SM_CYHSCROLL);
  return scrollBar + 2 < captionButton ? captionButton + 1 : scrollBar + 3;
}

TdxCorner GetCornerForRects(const TRect& AEditRect, const TRect& ADropDownRect) {
  const bool right = AEditRect.left < ADropDownRect.right;
  const bool bottom = AEditRect.bottom < ADropDownRect.bottom;
  if (right) return bottom ? dxBar::coBottomRight : dxBar::coTopRight;
  return bottom ? dxBar::coBottomLeft : dxBar::coTopLeft;
}

Integer GetHitTestByCorner(TdxCorner ACorner) {
  static constexpr Integer kCodes[] = {HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT};
  return kCodes[ACorner];
}

TRect CloseButtonRect(const TRect& ABand, TdxCorner ACorner) {
  const Integer size = GetSystemMetrics(SM_CXSIZE);
  TRect R = ABand;
  if (IsRightCorner(ACorner))
    R.right = R.left + size;
  else
    R.left = R.right - size;
  R.top = (ABand.top + ABand.bottom - (size + 1)) / 2 + (IsTopCorner(ACorner) ? 0 : 1);
  R.bottom = R.top + size + 1;
  return R;
}

void DrawCloseGlyph(HDC DC, const TRect& R, UINT AState) {
  const HRGN saved = CreateRectRgn(0, 0, 0, 0);
  const bool hadClip = GetClipRgn(DC, saved) == 1;
  IntersectClipRect(DC, R.left + 2, R.top + 2, R.right - 2, R.bottom - 2);
  TRect glyph = R;
  if (GetSystemMetrics(SM_CXSIZE) != 22) OffsetRect(&glyph, 0, 1);
  DrawFrameControl(DC, &glyph, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_FLAT | AState);
  SelectClipRgn(DC, hadClip ? saved : nullptr);
  DeleteObject(saved);
}

void DrawCloseButton(HDC DC, TRect& R, bool AIsRaised, bool AIsPressed, TdxCorner ACorner) {
  R = CloseButtonRect(R, ACorner);
  InflateRect(&R, -1, -2);
  if (AIsRaised)
    DrawEdge(DC, &R, kCloseButtonEdge[AIsPressed], BF_RECT);
  else
    FrameInButtonFace(DC, R);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  FrameInButtonFace(DC, inner);
  DrawCloseGlyph(DC, R, AIsPressed ? DFCS_PUSHED : 0);
}

void DrawSizeGrip(HDC DC, TRect& R, TdxCorner ACorner) {
  const Integer width = GetSystemMetrics(SM_CXVSCROLL), height = GetSystemMetrics(SM_CYHSCROLL);
  TRect grip = R;
  if (IsRightCorner(ACorner))
    grip.left = grip.right - width;
  else
    grip.right = grip.left + width;
  if (IsTopCorner(ACorner))
    grip.bottom = grip.top + height;
  else
    grip.top = grip.bottom - height;
  R = grip;
  // Two pixels of button face on the outer side and along the outer edge; the glyph fills the rest.
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  TRect side = grip, edge = grip, glyph = grip;
  if (IsRightCorner(ACorner)) {
    side.left = side.right - 2;
    glyph.right -= 2;
  } else {
    side.right = side.left + 2;
    glyph.left += 2;
  }
  if (IsTopCorner(ACorner)) {
    edge.bottom = edge.top + 2;
    glyph.top += 2;
  } else {
    edge.top = edge.bottom - 2;
    glyph.bottom -= 2;
  }
  FillRect(DC, &side, face);
  FillRect(DC, &edge, face);
  dxBar::DrawClassicSizeGrip(DC, glyph, ACorner);
}

}  // namespace dxCommon
