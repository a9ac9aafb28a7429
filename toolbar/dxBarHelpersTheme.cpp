// The toolbar unit's hatch and its visual-style helpers: edit and toolbar colours, the small close
// button and the corner size grip, each with its classic look when visual styles are off.
#include <algorithm>

#include "dxBarHelpers.h"

#include "Graphics.h"
#include "WinGdi.h"
#include "WinMetrics.h"
#include "WinUserDraw.h"

namespace dxBar {

namespace {
constexpr Integer kEditTextPart = EP_EDITTEXT;
constexpr Integer kGripGrowth = 2;

// The theme of the object when visual styles are on, else null.
TdxTheme ThemeOf(TdxThemedObjectType AThemedObjectType) {
  return AreVisualStylesAvailable(AThemedObjectType) ? OpenTheme(AThemedObjectType) : nullptr;
}

bool ThemePartSize(TdxThemedObjectType AThemedObjectType, Integer APart, Integer AState, TSize& ASize) {
  const TdxTheme theme = ThemeOf(AThemedObjectType);
  SIZE size{};
  if (!theme || dxUxTheme::GetThemePartSize(theme, nullptr, APart, AState, TS_TRUE, size) != S_OK) return false;
  ASize = TSize(size.cx, size.cy);
  return true;
}
}  // namespace

void BarDrawHatch(HDC DC, const TRect& R) {
  // The second colour is fully transparent, so its cells show the drawing underneath.
  cxDrawHatch(DC, R, clBtnFace, clBtnFace, 2, 0xFF, 0);
}

TColor GetThemeColorOrDefault(TdxThemedObjectType AThemedObjectType, Integer APart, Integer AState,
                              Integer AProperty, TColor ADefault) {
  const TdxTheme theme = ThemeOf(AThemedObjectType);
  COLORREF color = 0;
  if (!theme || dxUxTheme::GetThemeColor(theme, APart, AState, AProperty, &color) != S_OK) return ADefault;
  return static_cast<TColor>(color);
}

TColor GetEditBkColor(Integer AState) {
  if (AState != ETS_DISABLED) return clWindow;
  return GetThemeColorOrDefault(totEdit, kEditTextPart, AState, TMT_FILLCOLOR, clWindow);
}

TColor GetEditTextColor(Integer AState) {
  return GetThemeColorOrDefault(totEdit, kEditTextPart, AState, TMT_TEXTCOLOR,
                                AState == ETS_DISABLED ? clGrayText : clWindowText);
}

TColor GetToolbarColor() { return GetThemeColorOrDefault(totToolBar, 0, 0, TMT_FILLCOLOR, clBtnFace); }

TSize GetThemeCloseButtonSize() {
  TSize size;
  if (ThemePartSize(totWindow, WP_SMALLCLOSEBUTTON, CBS_NORMAL, size)) return size;
  return TSize(GetSystemMetrics(SM_CXSMSIZE), GetSystemMetrics(SM_CYSMSIZE));
}

void DrawThemeCloseButton(HDC DC, const TRect& R, Integer AState) {
  if (const TdxTheme theme = ThemeOf(totWindow)) {
    dxUxTheme::DrawThemeBackground(theme, DC, WP_SMALLCLOSEBUTTON, AState, R);
    return;
  }
  UINT flags = DFCS_CAPTIONCLOSE;
  if (AState == CBS_HOT) flags |= DFCS_HOT;
  if (AState == CBS_PUSHED) flags |= DFCS_PUSHED;
  if (AState == CBS_DISABLED) flags |= DFCS_INACTIVE;
  RECT r = R;
  DrawFrameControl(DC, &r, DFC_CAPTION, flags);
}

TSize GetThemeSizeGripSize() {
  TSize size;
  if (!ThemePartSize(totStatus, SP_GRIPPER, 0, size))
    size = TSize(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
  return TSize(size.cx + kGripGrowth, size.cy + kGripGrowth);
}

namespace {
void DrawSizeGripInCorner(HDC DC, const TRect& R, TdxCorner ACorner, bool AThemed) {
  const Integer w = R.Width(), h = R.Height();
  if (w <= 0 || h <= 0) return;
  // The grip is drawn for the bottom-right corner on a mirrored copy of what lies under R, and the copy
  // is mirrored back: the background returns unchanged and the grip points into ACorner.
  const bool mirrorX = ACorner == coTopLeft || ACorner == coBottomLeft;
  const bool mirrorY = ACorner == coTopLeft || ACorner == coTopRight;
  const Integer x0 = mirrorX ? w : 0, y0 = mirrorY ? h : 0;
  const Integer cx = mirrorX ? -w : w, cy = mirrorY ? -h : h;
  const HDC memory = CreateCompatibleDC(DC);
  const HBITMAP bitmap = CreateCompatibleBitmap(DC, w, h);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  StretchBlt(memory, x0, y0, cx, cy, DC, R.left, R.top, w, h, SRCCOPY);
  RECT local{0, 0, w, h};
  if (const TdxTheme theme = AThemed ? ThemeOf(totStatus) : nullptr)
    dxUxTheme::DrawThemeBackground(theme, memory, SP_GRIPPER, 0, local);
  else
    DrawFrameControl(memory, &local, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  StretchBlt(DC, R.left + x0, R.top + y0, cx, cy, memory, 0, 0, w, h, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}
}  // namespace

void DrawThemeSizeGrip(HDC DC, const TRect& R, TdxCorner ACorner) { DrawSizeGripInCorner(DC, R, ACorner, true); }
void DrawClassicSizeGrip(HDC DC, const TRect& R, TdxCorner ACorner) { DrawSizeGripInCorner(DC, R, ACorner, false); }

}  // namespace dxBar
