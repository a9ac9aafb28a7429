// Themed drawing: the primitives of the look, DrawThemeBackground's dispatch to the class families,
// themed edges, text and icons, and the parent background.
#include <algorithm>

#include "UxThemeInternals.h"
#include "WinClasses.h"
#include "WinImageList.h"
#include "WinManage.h"
#include "WinUserDraw.h"

namespace UxThemeInternals {

COLORREF Mix(COLORREF a, COLORREF b, int percentA) {
  auto ch = [&](int shift) {
    int va = (a >> shift) & 0xFF, vb = (b >> shift) & 0xFF;
    return static_cast<COLORREF>((va * percentA + vb * (100 - percentA) + 50) / 100) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

void FillSolid(HDC dc, const RECT& r, COLORREF c) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  HBRUSH brush = CreateSolidBrush(c);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void FillGradient(HDC dc, const RECT& r, COLORREF c1, COLORREF c2, bool vertical) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  if (c1 == c2) return FillSolid(dc, r, c1);
  TRIVERTEX v[2];
  v[0].x = r.left, v[0].y = r.top;
  v[0].Red = static_cast<COLOR16>(GetRValue(c1) << 8), v[0].Green = static_cast<COLOR16>(GetGValue(c1) << 8),
  v[0].Blue = static_cast<COLOR16>(GetBValue(c1) << 8);
  v[1].x = r.right, v[1].y = r.bottom;
  v[1].Red = static_cast<COLOR16>(GetRValue(c2) << 8), v[1].Green = static_cast<COLOR16>(GetGValue(c2) << 8),
  v[1].Blue = static_cast<COLOR16>(GetBValue(c2) << 8);
  GRADIENT_RECT mesh{0, 1};
  GradientFill(dc, v, 2, &mesh, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void FramePlain(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH brush = CreateSolidBrush(c);
  FrameRect(dc, &r, brush);
  DeleteObject(brush);
}

void FrameRounded(HDC dc, const RECT& r, COLORREF c, bool rounded) {
  if (!rounded || r.right - r.left < 4 || r.bottom - r.top < 4) return FramePlain(dc, r, c);
  int k = 1;
  FillSolid(dc, {r.left + k, r.top, r.right - k, r.top + 1}, c);
  FillSolid(dc, {r.left + k, r.bottom - 1, r.right - k, r.bottom}, c);
  FillSolid(dc, {r.left, r.top + k, r.left + 1, r.bottom - k}, c);
  FillSolid(dc, {r.right - 1, r.top + k, r.right, r.bottom - k}, c);
}

void DrawArrowGlyph(HDC dc, const RECT& r, int direction, COLORREF c, int size) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (size <= 0) size = std::max(2, std::min(w, h) / 4 + 1);
  int cx = r.left + w / 2, cy = r.top + h / 2;
  // Rows (or columns) of 2k+1 pixels, k growing from the tip.
  for (int k = 0; k < size; ++k) {
    RECT line;
    switch (direction) {
      case 0: line = {cx - k, cy - size / 2 + k, cx + k + 1, cy - size / 2 + k + 1}; break;
      case 1: line = {cx - k, cy + size / 2 - k, cx + k + 1, cy + size / 2 - k + 1}; break;
      case 2: line = {cx - size / 2 + k, cy - k, cx - size / 2 + k + 1, cy + k + 1}; break;
      default: line = {cx + size / 2 - k, cy - k, cx + size / 2 - k + 1, cy + k + 1}; break;
    }
    FillSolid(dc, line, c);
  }
}

void DrawCheckGlyph(HDC dc, const RECT& r, COLORREF c) {
  // A tick three pixels thick: down-right for a third of the width, then up-right.
  int w = r.right - r.left, h = r.bottom - r.top;
  int x0 = r.left + (w - 7) / 2, y0 = r.top + (h - 7) / 2 + 2;
  for (int i = 0; i < 7; ++i) {
    int y = i < 3 ? y0 + i : y0 + 4 - i;
    FillSolid(dc, {x0 + i, y, x0 + i + 1, y + 3}, c);
  }
}

void DrawButtonFace(HDC dc, const RECT& r, COLORREF frame, COLORREF face1, COLORREF face2, COLORREF ring1,
                    COLORREF ring2, bool ring) {
  RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  FillGradient(dc, inner, face1, face2);
  if (ring && inner.right - inner.left > 4 && inner.bottom - inner.top > 4) {
    FillSolid(dc, {inner.left, inner.top, inner.right, inner.top + 1}, ring1);
    FillSolid(dc, {inner.left, inner.bottom - 2, inner.right, inner.bottom}, ring2);
    FillGradient(dc, {inner.left, inner.top + 1, inner.left + 2, inner.bottom - 2}, ring1, ring2);
    FillGradient(dc, {inner.right - 2, inner.top + 1, inner.right, inner.bottom - 2}, ring1, ring2);
  }
  FrameRounded(dc, r, frame);
}

}  // namespace UxThemeInternals

namespace UxTheme {

namespace {

bool DrawPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r) {
  switch (cls) {
    case tcButton: return DrawButtonPart(dc, part, state, r);
    case tcEdit: case tcComboBox: case tcSpin: case tcListBox: return DrawEditPart(cls, dc, part, state, r);
    case tcHeader: return DrawHeaderPart(dc, part, state, r);
    case tcTab: return DrawTabPart(dc, part, state, r);
    case tcScrollBar: return DrawScrollBarPart(dc, part, state, r);
    case tcToolBar: case tcRebar: case tcStatus: return DrawToolBarPart(cls, dc, part, state, r);
    case tcProgress: case tcTrackBar: return DrawProgressPart(cls, dc, part, state, r);
    case tcWindow: return DrawWindowPart(dc, part, state, r);
    default: return DrawMiscPart(cls, dc, part, state, r);
  }
}

}  // namespace

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip) {
  const TThemeRecord* record = ThemeOf(theme);
  if (!record) return E_HANDLE;
  if (!dc || !rect) return E_POINTER;
  // A part never draws outside its rectangle (a selected tab's frame runs on below it and is cut).
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
  if (clip) IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
  bool drawn = DrawPart(record->Class, dc, partId, stateId, DrawnRect(record->Class, partId, stateId, *rect));
  RestoreDC(dc, saved);
  return drawn ? S_OK : E_INVALIDARG;
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT* destRect, UINT edge, UINT flags,
                      RECT* contentRect) {
  const TThemeRecord* record = ThemeOf(theme);
  if (!record) return E_HANDLE;
  if (!dc || !destRect) return E_POINTER;
  (void)partId, (void)stateId;
  // The style's edges are flat lines in its own shades, one pixel per edge part.
  const TThemePalette& p = Palette();
  RECT r = *destRect;
  auto line = [&](UINT side, COLORREF c) {
    if (!(flags & side)) return;
    switch (side) {
      case BF_LEFT: FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, c); break;
      case BF_TOP: FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, c); break;
      case BF_RIGHT: FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, c); break;
      case BF_BOTTOM: FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, c); break;
    }
  };
  for (UINT layer : {edge & BDR_OUTER, edge & BDR_INNER}) {
    if (!layer) continue;
    bool raised = layer & (BDR_RAISEDOUTER | BDR_RAISEDINNER);
    COLORREF light = raised ? RGB(255, 255, 255) : p.HeaderShade2, dark = raised ? p.HeaderShade2 : RGB(255, 255, 255);
    line(BF_LEFT, light), line(BF_TOP, light), line(BF_RIGHT, dark), line(BF_BOTTOM, dark);
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
  }
  if (flags & BF_MIDDLE) FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
  if (contentRect) *contentRect = (flags & BF_ADJUST) ? r : *destRect;
  return S_OK;
}

HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int, int, const RECT* rect, HIMAGELIST images, int index) {
  if (!ThemeOf(theme)) return E_HANDLE;
  if (!dc || !rect || !images) return E_POINTER;
  return ImageList_Draw(images, index, dc, rect->left, rect->top, ILD_TRANSPARENT) ? S_OK : E_INVALIDARG;
}

namespace {

HRESULT DrawText16(TThemeClass cls, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                   RECT* rect, const DTTOPTS* options, bool grayed) {
  COLORREF color = Palette().Text;
  COLORREF themed;
  if (PartColor(cls, part, state, TMT_TEXTCOLOR, themed)) color = themed;
  if (grayed) color = Palette().DisabledText;
  if (options && (options->dwFlags & DTT_TEXTCOLOR)) color = options->crText;
  if (options && (options->dwFlags & DTT_CALCRECT)) flags |= DT_CALCRECT;
  COLORREF oldColor = SetTextColor(dc, color);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  int h = DrawTextW(dc, text, count, rect, flags);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
  return h || count == 0 ? S_OK : E_FAIL;
}

}  // namespace

HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect) {
  const TThemeRecord* record = ThemeOf(theme);
  if (!record) return E_HANDLE;
  if (!dc || !text || !rect) return E_POINTER;
  RECT r = *rect;
  return DrawText16(record->Class, dc, partId, stateId, text, count, textFlags & ~DT_CALCRECT, &r, nullptr,
                    textFlags2 & DTT_GRAYED);
}

HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                        RECT* rect, const DTTOPTS* options) {
  const TThemeRecord* record = ThemeOf(theme);
  if (!record) return E_HANDLE;
  if (!dc || !text || !rect) return E_POINTER;
  return DrawText16(record->Class, dc, partId, stateId, text, count, textFlags, rect, options, false);
}

HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect) {
  if (!IsWindow(hwnd)) return E_HANDLE;
  if (!dc) return E_POINTER;
  RECT r;
  if (rect) r = *rect;
  else GetClipBox(dc, &r);
  HWND parent = GetParent(hwnd);
  HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(GetClassLongPtr(parent, GCLP_HBRBACKGROUND)) : nullptr;
  if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
  FillRect(dc, &r, brush);
  return S_OK;
}

}  // namespace UxTheme
