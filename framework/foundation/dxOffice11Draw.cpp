// The Office 2003 fills and drawings: solid and gradient fills with the system and the software path,
// the tube gradient, grip dots, item arrows, the size grip and the selection frame.
#include <algorithm>

#include "RtlMath.h"
#include "SysInfo.h"
#include "WinUser.h"
#include "dxOffice11.h"

namespace dxOffice11 {

namespace {

using TGradientFill = BOOL (*)(HDC, const TRIVERTEX*, ULONG, const void*, ULONG, ULONG);
HMODULE FMsimg32 = nullptr;
TGradientFill FGradientFill = nullptr;

COLORREF Resolve(COLORREF c) { return (c & 0x80000000u) ? GetSysColor(static_cast<int>(c & 0xFF)) : c & 0xFFFFFF; }

// MulDiv whose zero divisor contributes nothing (a single band, a one-pixel tube, one red value), so
// that no division by zero reaches a colour.
int SafeMulDiv(int a, int b, int c) { return c == 0 ? 0 : MulDiv(a, b, c); }

int Channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

COLORREF FromChannels(int r, int g, int b) {
  return RGB(static_cast<BYTE>(r & 0xFF), static_cast<BYTE>(g & 0xFF), static_cast<BYTE>(b & 0xFF));
}

void FillBand(HDC DC, const RECT& R, bool horizontal, int from, int to, COLORREF color) {
  RECT band = horizontal ? RECT{from, R.top, to, R.bottom} : RECT{R.left, from, R.right, to};
  if (band.right > band.left && band.bottom > band.top) FillRectByColor(DC, band, color);
}

}  // namespace

void FillRectByColor(HDC DC, const RECT& R, COLORREF AColor) {
  HBRUSH brush = CreateSolidBrush(Resolve(AColor));
  FillRect(DC, &R, brush);
  DeleteObject(brush);
}

void FrameRectByColor(HDC DC, const RECT& R, COLORREF AColor) {
  HBRUSH brush = CreateSolidBrush(Resolve(AColor));
  FrameRect(DC, &R, brush);
  DeleteObject(brush);
}

void FillGradientRect(HDC DC, const RECT& ARect, COLORREF AColor1, COLORREF AColor2, bool AHorizontal) {
  COLORREF c1 = Resolve(AColor1), c2 = Resolve(AColor2);
  if (c1 == c2) return FillRectByColor(DC, ARect, c1);
  if (FGradientFill) {
    TRIVERTEX v[2];
    v[0].x = ARect.left, v[0].y = ARect.top;
    v[0].Red = static_cast<COLOR16>(GetRValue(c1) << 8), v[0].Green = static_cast<COLOR16>(GetGValue(c1) << 8),
    v[0].Blue = static_cast<COLOR16>(GetBValue(c1) << 8);
    v[1].x = ARect.right, v[1].y = ARect.bottom;
    v[1].Red = static_cast<COLOR16>(GetRValue(c2) << 8), v[1].Green = static_cast<COLOR16>(GetGValue(c2) << 8),
    v[1].Blue = static_cast<COLOR16>(GetBValue(c2) << 8);
    GRADIENT_RECT mesh{0, 1};
    FGradientFill(DC, v, 2, &mesh, 1, AHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return;
  }
  int start = AHorizontal ? ARect.left : ARect.top, end = AHorizontal ? ARect.right : ARect.bottom;
  int W = end - start;
  if (W <= 0) return;
  int n = std::min(W, 256);
  for (int i = 0; i < n; ++i) {
    int from = start + MulDiv(i, W, n), to = start + MulDiv(i + 1, W, n);
    auto ch = [&](int shift) {
      return Channel(c1, shift) + SafeMulDiv(i, Channel(c2, shift) - Channel(c1, shift), n - 1);
    };
    FillBand(DC, ARect, AHorizontal, from, to, FromChannels(ch(0), ch(8), ch(16)));
    if (to >= end) break;
  }
}

COLORREF GetGradientColorRect(const RECT& ARect, int X, COLORREF AColor1, COLORREF AColor2, bool AHorizontal) {
  COLORREF c1 = Resolve(AColor1), c2 = Resolve(AColor2);
  int start = AHorizontal ? ARect.left : ARect.top;
  int W = AHorizontal ? ARect.right - ARect.left : ARect.bottom - ARect.top;
  if (W <= 0) return c1;
  int n = std::min(W, 256);
  int i = std::max(0, MulDiv(X - start + 1, n, W) - 1);
  auto ch = [&](int shift) { return Channel(c1, shift) + SafeMulDiv(i, Channel(c2, shift) - Channel(c1, shift), n - 1); };
  return FromChannels(ch(0), ch(8), ch(16));
}

void FillTubeGradientRect(HDC DC, const RECT& ARect, COLORREF AColor1, COLORREF AColor2, bool AHorizontal) {
  COLORREF c1 = Resolve(AColor1), c2 = Resolve(AColor2);
  if (c1 == c2) return FillRectByColor(DC, ARect, c1);
  int start = AHorizontal ? ARect.left : ARect.top, end = AHorizontal ? ARect.right : ARect.bottom;
  int W = end - start;
  if (W <= 0) return;
  int h = W / 2, k = GetOffice11TubePercent();
  int m[3], e[3], c1b[3], a[3], b[3];
  for (int s = 0; s < 3; ++s) {
    a[s] = Channel(c1, s * 8), b[s] = Channel(c2, s * 8);
    m[s] = a[s] - MulDiv(a[s] - b[s], k, 200);
    e[s] = a[s] - SafeMulDiv(a[s] - m[s], W, h);
    c1b[s] = b[s] + SafeMulDiv(m[s] - b[s], W, h);
  }
  for (int i = 0; i < W && start + i < end; ++i) {
    int v[3];
    for (int s = 0; s < 3; ++s) {
      if (i < h) v[s] = a[s] + SafeMulDiv(i, e[s] - a[s], W - 1);
      else if (i == h) v[s] = m[s];
      else v[s] = c1b[s] + SafeMulDiv(i, b[s] - c1b[s], W - 1);
    }
    FillBand(DC, ARect, AHorizontal, start + i, start + i + 1, FromChannels(v[0], v[1], v[2]));
  }
}

void Office11FrameSelectedRect(HDC DC, const RECT& R) {
  if (IsHighContrastBlack() || IsHighContrast2()) FrameRectByColor(DC, R, GetSysColor(COLOR_HIGHLIGHTTEXT));
  else if (dxOffice11SelectedBorderBrush) FrameRect(DC, &R, dxOffice11SelectedBorderBrush);
  else FrameRectByColor(DC, R, dxOffice11SelectedBorderColor);
}

void Office11DrawFingerElements(HDC DC, const RECT& ARect, bool AVertical, HBRUSH ADarkBrush, HBRUSH ALightBrush) {
  if (!ADarkBrush) ADarkBrush = dxOffice11BarFingerBrush1;
  if (!ALightBrush) ALightBrush = dxOffice11BarFingerBrush2;
  int extent = AVertical ? ARect.bottom - ARect.top : ARect.right - ARect.left;
  int rest = extent % 4, shift = rest <= 1 ? rest : rest / 2;
  POINT cell{ARect.left, ARect.top};
  (AVertical ? cell.y : cell.x) += shift;
  int limit = AVertical ? ARect.bottom : ARect.right;
  for (bool first = true;; first = false) {
    int at = AVertical ? cell.y : cell.x;
    if (!first && at + 4 > limit) break;
    RECT light{cell.x + 1, cell.y + 1, cell.x + 3, cell.y + 3}, dark{cell.x, cell.y, cell.x + 2, cell.y + 2};
    if (ALightBrush) FillRect(DC, &light, ALightBrush);
    if (ADarkBrush) FillRect(DC, &dark, ADarkBrush);
    (AVertical ? cell.y : cell.x) += 4;
  }
}

void Office11DrawLargeItemArrow(HDC DC, const RECT& R, bool ADownArrow, int Size, bool Selected, bool Enabled,
                                bool) {
  COLORREF color = !Enabled                             ? dxOffice11TextDisabledColor
                   : Selected && IsHighContrastWhite() ? 0xFFFFFF
                                                        : dxOffice11TextEnabledColor;
  POINT p[3];
  if (ADownArrow) {
    int x0 = (R.left + R.right - 2 * Size + 1) / 2, y0 = (R.top + R.bottom - Size) / 2;
    p[0] = {x0, y0}, p[1] = {x0 + 2 * Size - 2, y0}, p[2] = {x0 + Size - 1, y0 + Size - 1};
  } else {
    int x0 = (R.left + R.right - Size) / 2, y0 = (R.top + R.bottom - 2 * Size + 1) / 2;
    p[0] = {x0, y0}, p[1] = {x0, y0 + 2 * Size - 2}, p[2] = {x0 + Size - 1, y0 + Size - 1};
  }
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ oldPen = SelectObject(DC, pen), oldBrush = SelectObject(DC, brush);
  Polygon(DC, p, 3);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void Office11DrawItemArrow(HDC DC, const RECT& R, bool ADownArrow, bool Enabled, bool Selected, bool Flat) {
  int e = ADownArrow ? R.right - R.left - 8 : R.bottom - R.top - 6;
  int size = std::max(3, (e - 1) / 2 + (e % 2 != 0 ? 1 : 0));
  Office11DrawLargeItemArrow(DC, R, ADownArrow, size, Selected, Enabled, Flat);
}

void Office11DrawSizeGrip(HDC DC, const RECT& ARect, COLORREF AColor1, COLORREF AColor2) {
  constexpr COLORREF kDefault = 0x20000000;
  HBRUSH dark = AColor1 == kDefault ? nullptr : CreateSolidBrush(Resolve(AColor1));
  HBRUSH light = AColor2 == kDefault ? nullptr : CreateSolidBrush(Resolve(AColor2));
  for (int row = 0; row < 3; ++row) {
    RECT r{ARect.right - 12 + 4 * row, ARect.bottom - 3 - 4 * row, ARect.right, ARect.bottom - 4 * row};
    Office11DrawFingerElements(DC, r, false, dark, light);
  }
  if (dark) DeleteObject(dark);
  if (light) DeleteObject(light);
}

void dxOffice11LoadGradientFill() {
  FMsimg32 = LoadLibrary("msimg32.dll");
  if (FMsimg32)
    FGradientFill = reinterpret_cast<TGradientFill>(reinterpret_cast<void*>(GetProcAddress(FMsimg32, "GradientFill")));
}

void dxOffice11FreeGradientFill() {
  if (FMsimg32) FreeLibrary(FMsimg32);
  FMsimg32 = nullptr;
  FGradientFill = nullptr;
}

}  // namespace dxOffice11
