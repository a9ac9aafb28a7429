// The toolbar unit's drawing routines: arrows, frames, the checkerboard brush, background tiling,
// clip-region saving and the size grip.
#include "dxBarHelpers.h"

#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "dxBarUnit.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {
Integer FScreenBitsPerPixel = 0;

void FillWithColor(HDC DC, const TRect& R, TColor AColor) {
  const HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  FillRect(DC, &R, brush);
  DeleteObject(brush);
}

void FrameWithBrush(HDC DC, const TRect& R, HBRUSH ABrush) { FrameRect(DC, &R, ABrush); }
}  // namespace

// ---- Unit tables ----------------------------------------------------------------------------------------
HBRUSH GetPatternBrush() {
  if (!PatternBrush) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF face = GetSysColor(COLOR_BTNFACE), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) SetPixel(dc, x, y, (x % 2) != (y % 2) ? highlight : face);
    SelectObject(dc, old);
    DeleteDC(dc);
    PatternBrush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
  }
  return PatternBrush;
}

void FreePatternBrush() { FreeGDIObject(PatternBrush); }

Integer GetScreenBitsPerPixel() {
  if (FScreenBitsPerPixel == 0) RefreshScreenBitsPerPixel();
  return FScreenBitsPerPixel;
}

void RefreshScreenBitsPerPixel() {
  const HDC dc = GetDC(nullptr);
  FScreenBitsPerPixel = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
}

// ---- Arrows ---------------------------------------------------------------------------------------------
Integer GetItemArrowSize(const TRect& R, bool AVertical) {
  const Integer f = AVertical ? R.Width() - 8 : R.Height() - 6;
  const Integer size = (f % 2 != 0) ? (f - 1) / 2 + 1 : (f - 1) / 2;
  return std::max(3, size);
}

void DrawItemArrow(HDC DC, TRect R, bool AVertical, bool AEnabled, bool ASelected, bool AFlat, TColor AColor) {
  DrawLargeItemArrow(DC, R, AVertical, GetItemArrowSize(R, AVertical), AEnabled, ASelected, AFlat, AColor);
}

void DrawItemArrow(HDC DC, TRect R, TcxArrowDirection ADirection, bool AEnabled, bool ASelected, bool AFlat,
                   TColor AColor) {
  DrawItemArrow(DC, R, ADirection == adDown, AEnabled, ASelected, AFlat, AColor);
}

namespace {
// The triangle row by row: pointing down from a top edge of 2 * ASize - 1 pixels, or right from a
// left edge of that height, centred in R and shifted by the offset.
void FillArrow(HDC DC, const TRect& R, bool AVertical, Integer ASize, Integer AOffset, HBRUSH ABrush) {
  const Integer base = 2 * ASize - 1;
  if (AVertical) {
    const Integer x0 = R.left + (R.Width() - base) / 2 + AOffset, y0 = R.top + (R.Height() - ASize) / 2 + AOffset;
    for (Integer i = 0; i < ASize; ++i) {
      const RECT row{x0 + i, y0 + i, x0 + base - i, y0 + i + 1};
      FillRect(DC, &row, ABrush);
    }
  } else {
    const Integer x0 = R.left + (R.Width() - ASize) / 2 + AOffset, y0 = R.top + (R.Height() - base) / 2 + AOffset;
    for (Integer i = 0; i < ASize; ++i) {
      const RECT column{x0 + i, y0 + i, x0 + i + 1, y0 + base - i};
      FillRect(DC, &column, ABrush);
    }
  }
}
}  // namespace

void DrawLargeItemArrow(HDC DC, TRect R, bool AVertical, Integer ASize, bool AEnabled, bool ASelected, bool AFlat,
                        TColor AColor) {
  if (AColor == clDefault) {
    if (!AEnabled)
      AColor = clBtnShadow;
    else if (!ASelected)
      AColor = clBtnText;
    else
      AColor = dxOffice11::IsHighContrastWhite() ? clBtnFace : clHighlightText;
  }
  if (!AEnabled && !AFlat) {
    const HBRUSH highlight = CreateSolidBrush(ColorToRGB(clBtnHighlight));
    FillArrow(DC, R, AVertical, ASize, 1, highlight);
    DeleteObject(highlight);
  }
  const HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  FillArrow(DC, R, AVertical, ASize, 0, brush);
  DeleteObject(brush);
}

void DrawLargeItemArrow(HDC DC, TRect R, TcxArrowDirection ADirection, Integer ASize, bool AEnabled, bool ASelected,
                        bool AFlat, TColor AColor) {
  DrawLargeItemArrow(DC, R, ADirection == adDown, ASize, AEnabled, ASelected, AFlat, AColor);
}

// ---- Frames ---------------------------------------------------------------------------------------------
void FrameFlatSelRect(HDC DC, const TRect& R) { FrameWithBrush(DC, R, GetSysColorBrush(COLOR_HIGHLIGHT)); }

void dxBarFrameRect(HDC DC, TRect R, Integer ASysColor) {
  const HBRUSH brush = GetSysColorBrush(ASysColor);
  FrameWithBrush(DC, R, brush);
  R = cxRectInflate(R, -1, -1);
  FrameWithBrush(DC, R, brush);
}

void dxBarFocusRect(HDC DC, TRect R) {
  const COLORREF color = GetSysColor(COLOR_BTNSHADOW);
  for (int frame = 0; frame < 2; ++frame, R = cxRectInflate(R, -1, -1)) {
    if (R.Width() <= 0 || R.Height() <= 0) break;
    for (int x = R.left; x < R.right; ++x)
      for (int y : {R.top, R.bottom - 1})
        if ((x + y) % 2 == 0) SetPixel(DC, x, y, color);
    for (int y = R.top + 1; y < R.bottom - 1; ++y)
      for (int x : {R.left, R.right - 1})
        if ((x + y) % 2 == 0) SetPixel(DC, x, y, color);
  }
}

void DrawVerticalGradient(TcxCanvas* ACanvas, const TRect& R, Integer AColor1Part1, Integer AColor1Part2,
                          Integer AColor1Part3, Integer AColor2Part1, Integer AColor2Part2, Integer AColor2Part3) {
  dxOffice11::FillGradientRect(ACanvas->GetHandle(), R,
                               dxOffice11::GetLightColor(AColor1Part1, AColor1Part2, AColor1Part3),
                               dxOffice11::GetLightColor(AColor2Part1, AColor2Part2, AColor2Part3), false);
}

// ---- Backgrounds ----------------------------------------------------------------------------------------
void FillRectWithBrushOrBitmap(HDC DC, const TRect& R, const TRect& ABitmapR, TBitmap* ABitmap, TColor AColor,
                               HBRUSH ABrush) {
  if (ABitmap && !ABitmap->GetEmpty())
    FillRectByBitmap(DC, R, ABitmapR, ABitmap);
  else if (ABrush)
    FillRect(DC, &R, ABrush);
  else
    FillWithColor(DC, R, AColor);
}

void FillRectByBitmap(HDC DC, const TRect& R, const TRect& AOriginR, TBitmap* ABitmap) {
  const Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  if (w <= 0 || h <= 0 || cxRectIsEmpty(R)) return;
  HRGN saved = nullptr;
  bool hadRgn = false;
  SaveClipRgn(DC, saved, hadRgn);
  IntersectClipWithRect(DC, R);
  // The first tile at or before R's top-left on the grid that starts at the origin.
  auto gridStart = [](Integer from, Integer origin, Integer step) {
    Integer offset = (from - origin) % step;
    if (offset < 0) offset += step;
    return from - offset;
  };
  const HDC source = ABitmap->GetCanvas()->GetHandle();
  for (Integer y = gridStart(R.top, AOriginR.top, h); y < R.bottom; y += h)
    for (Integer x = gridStart(R.left, AOriginR.left, w); x < R.right; x += w) BitBlt(DC, x, y, w, h, source, 0, 0, SRCCOPY);
  RestoreClipRgn(DC, saved, hadRgn);
}

void BeforeDrawBackground(TControl* AControl, TWinControl* AParent, HDC DC, TPoint& AOrg, TPoint& APrevOrg,
                          TRect& R) {
  POINT position{AControl->GetLeft(), AControl->GetTop()};
  if (AControl->GetParent() != AParent && AControl->GetParent() && AParent && AParent->HandleAllocated() &&
      AControl->GetParent()->HandleAllocated())
    MapWindowPoints(AControl->GetParent()->GetHandle(), AParent->GetHandle(), &position, 1);
  POINT previous{};
  GetWindowOrgEx(DC, &previous);
  APrevOrg = previous;
  AOrg = TPoint(previous.x + position.x, previous.y + position.y);
  SetWindowOrgEx(DC, AOrg.x, AOrg.y, nullptr);
  R = cxRectOffset(R, position.x, position.y);
}

void AfterDrawBackground(HDC DC, const TPoint& APrevOrg) { SetWindowOrgEx(DC, APrevOrg.x, APrevOrg.y, nullptr); }

// ---- Clip regions and objects ---------------------------------------------------------------------------
void SaveClipRgn(HDC DC, HRGN& ARgn, bool& AHadRgn) {
  ARgn = CreateRectRgn(0, 0, 0, 0);
  AHadRgn = GetClipRgn(DC, ARgn) == 1;
}

void RestoreClipRgn(HDC DC, HRGN& ARgn, bool AHadRgn) {
  SelectClipRgn(DC, AHadRgn ? ARgn : nullptr);
  FreeGDIObject(ARgn);
}

void IntersectClipWithRect(HDC DC, const TRect& R) { IntersectClipRect(DC, R.left, R.top, R.right, R.bottom); }

void ClipToFrameBetweenRects(TcxCanvas* ACanvas, const TRect& AFrameR, const TRect& AContentR) {
  ACanvas->IntersectClipRect(AFrameR);
  ACanvas->ExcludeClipRect(AContentR);
}

void FillPolygonInColor(HDC DC, const POINT* APoints, Integer ACount, TColor AColor, TColor APenColor) {
  const HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  const HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(APenColor));
  const HGDIOBJ oldBrush = SelectObject(DC, brush);
  const HGDIOBJ oldPen = SelectObject(DC, pen);
  Polygon(DC, APoints, ACount);
  RestoreSelectedGDIObject(DC, oldPen);
  RestoreSelectedGDIObject(DC, oldBrush);
}

void DeleteGDIObject(HGDIOBJ AObject) { DeleteObject(AObject); }

void RestoreSelectedGDIObject(HDC DC, HGDIOBJ APrevious) { DeleteObject(SelectObject(DC, APrevious)); }

HFONT CloneFont(HFONT AFont) {
  LOGFONT data{};
  GetObject(AFont, sizeof(data), &data);
  return CreateFontIndirect(&data);
}

void BarDrawSizeGrip(HDC DC, const TRect& R) {
  const Integer w = R.Width(), h = R.Height();
  if (w <= 0 || h <= 0) return;
  // The grip is drawn on a bitmap first so that its button-face pixels can be left out.
  const HDC memory = CreateCompatibleDC(DC);
  const HBITMAP bitmap = CreateCompatibleBitmap(DC, w, h);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  RECT local{0, 0, w, h};
  DrawFrameControl(memory, &local, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = GetPixel(memory, x, y) & 0xFFFFFF;
      if (c != face) SetPixel(DC, R.left + x, R.top + y, c);
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace dxBar
