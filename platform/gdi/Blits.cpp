// Blits with ternary raster operations: BitBlt, StretchBlt, PatBlt, MaskBlt, device-independent
// bits to a device, and scrolling a DC's pixels.
#include <algorithm>
#include <cstring>
#include <vector>

#include "GdiBlit.h"
#include "GdiRegions.h"
#include "WinUserDraw.h"
#include "raster/RasterOps.h"

namespace GdiBlit {

namespace {

// The rectangle between two corners, ordered: a negative extent covers [a + extent, a).
RECT Span(POINT a, POINT b) {
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace

uint32_t TBlit::Convert(uint32_t s) const {
  switch (Conversion) {
    case 1: return (s & 0x00FFFFFF) ? MonoWhite : MonoBlack;
    case 2: return (s & 0x00FFFFFF) == ColorKey ? 0x00FFFFFF : 0;
    default: return s;
  }
}

bool PrepareBlit(TBlit& b, TDCObj* dst, int x, int y, int w, int h, TDCObj* src, int xs, int ys, int ws, int hs,
                 bool halftone) {
  if (!dst || w == 0 || h == 0) return false;
  POINT d0 = ToDevice(dst->S, POINT{x, y}), d1 = ToDevice(dst->S, POINT{x + w, y + h});
  b.Dst = dst;
  b.Map.Dest = Span(d0, d1);
  if (!src) return true;
  if (ws == 0 || hs == 0) return false;
  TGdiSurface* surface = src->Target();
  if (!surface) return false;
  if (src->S.Bitmap) src->S.Bitmap->PullDibBits();
  POINT s0 = ToDevice(src->S, POINT{xs, ys}), s1 = ToDevice(src->S, POINT{xs + ws, ys + hs});
  RECT sr = Span(s0, s1);
  sr = RECT{sr.left + src->Origin.x, sr.top + src->Origin.y, sr.right + src->Origin.x, sr.bottom + src->Origin.y};
  b.Map.MirrorX = (d1.x < d0.x) != (s1.x < s0.x);
  b.Map.MirrorY = (d1.y < d0.y) != (s1.y < s0.y);
  b.Map.Halftone = halftone;
  b.Src = src;
  if (surface == dst->Target()) {
    // Overlapping copies read the pixels as they were before the call.
    b.Copy = std::make_unique<TGdiSurface>(sr.right - sr.left, sr.bottom - sr.top);
    for (int yy = sr.top; yy < sr.bottom; ++yy)
      for (int xx = sr.left; xx < sr.right; ++xx)
        b.Copy->SetPixel(xx - sr.left, yy - sr.top, surface->Contains(xx, yy) ? surface->Pixel(xx, yy) : 0);
    b.Map.Surface = b.Copy.get();
    b.Map.Source = RECT{0, 0, sr.right - sr.left, sr.bottom - sr.top};
  } else {
    b.Map.Surface = surface;
    b.Map.Source = sr;
  }
  if (src->Mono() && !dst->Mono()) {
    b.Conversion = 1;
    b.MonoBlack = ColorPixel(dst, dst->S.TextColor);
    b.MonoWhite = ColorPixel(dst, dst->S.BkColor);
  } else if (!src->Mono() && dst->Mono()) {
    b.Conversion = 2;
    b.ColorKey = ColorToPixel(src->S.BkColor & 0x00FFFFFF);
  }
  return true;
}

}  // namespace GdiBlit

namespace {

// Runs a ternary operation (or, with a mask, one per mask pixel) over the destination rectangle.
BOOL RunRop(TBlit& b, DWORD rop, const TBitmapObj* mask = nullptr, POINT maskOrg = {}, DWORD backRop = 0) {
  TDCObj* dst = const_cast<TDCObj*>(b.Dst);
  uint8_t fore = Rop3Index(rop), back = Rop3Index(backRop);
  bool needSource = Rop3UsesSource(fore) || (mask && Rop3UsesSource(back));
  if (needSource && !b.Src) return FALSE;
  TPaintContext pc(dst);
  if (!pc.Ok()) return FALSE;
  TBrushSource brush = BrushSource(dst, dst->S.Brush);
  bool solidBrush = brush.Kind == TBrushSource::bkSolid;
  const TPaintTarget& t = pc.Target();
  bool fastCopy = !mask && fore == 0xCC && b.Conversion == 0 && b.Map.SameSize() && !b.Map.MirrorX &&
                  !b.Map.MirrorY && !t.Mono;
  pc.Clip().ForEachRectWithin(b.Map.Dest, [&](const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y) {
      uint32_t* row = t.Surface->Scanline(y + t.Origin.y) + t.Origin.x;
      // One to one, the source row is read as it lies instead of mapping every pixel.
      const uint32_t* sourceRow = needSource ? b.Map.SameSizeRow(y, r.left, r.right) : nullptr;
      if (fastCopy && sourceRow) {
        std::memcpy(row + r.left, sourceRow, sizeof(uint32_t) * (r.right - r.left));
        continue;
      }
      for (int x = r.left; x < r.right; ++x) {
        uint8_t code = fore;
        if (mask) {
          int mx = maskOrg.x + (x - b.Map.Dest.left), my = maskOrg.y + (y - b.Map.Dest.top);
          bool white = mask->Pixels.Contains(mx, my) && (mask->Pixels.Pixel(mx, my) & 0x00FFFFFF) != 0;
          code = white ? fore : back;
        }
        uint32_t s = 0, p = 0;
        if (Rop3UsesSource(code)) {
          if (sourceRow) s = sourceRow[x - r.left];
          else if (!b.Map.Fetch(x, y, s)) continue;
          s = b.Convert(s);
        }
        if (Rop3UsesPattern(code)) {
          if (solidBrush) p = brush.Color;
          else if (!brush.At(x, y, p)) {
            if (brush.Kind == TBrushSource::bkNone) p = 0;
            else continue;
          }
        }
        uint32_t v = Rop3(code, p, s, row[x]);
        row[x] = t.Mono ? SnapMono(v) : v;
      }
    }
  });
  return TRUE;
}

}  // namespace

namespace WinGdi {

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
  TDCObj* d = DCOf(dest);
  TDCObj* s = src ? DCOf(src) : nullptr;
  if (!d || (src && !s)) return FALSE;
  TBlit b;
  bool usesSource = Rop3UsesSource(Rop3Index(rop));
  if (!PrepareBlit(b, d, x, y, width, height, usesSource ? s : nullptr, xSrc, ySrc, width, height, false))
    return width == 0 || height == 0 ? TRUE : FALSE;
  return RunRop(b, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop) {
  TDCObj* d = DCOf(dest);
  TDCObj* s = src ? DCOf(src) : nullptr;
  if (!d || (src && !s)) return FALSE;
  TBlit b;
  bool usesSource = Rop3UsesSource(Rop3Index(rop));
  if (!PrepareBlit(b, d, x, y, width, height, usesSource ? s : nullptr, xSrc, ySrc, srcWidth, srcHeight,
                   d->S.StretchMode == HALFTONE))
    return FALSE;
  return RunRop(b, rop);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  TDCObj* d = DCOf(dc);
  if (!d || Rop3UsesSource(Rop3Index(rop))) return FALSE;
  TBlit b;
  if (!PrepareBlit(b, d, x, y, width, height, nullptr, 0, 0, 0, 0, false)) return TRUE;
  return RunRop(b, rop);
}

BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, HBITMAP mask, int xMask,
             int yMask, DWORD rop4) {
  DWORD fore = rop4 & 0x00FFFFFF;
  if (!mask) return BitBlt(dest, x, y, width, height, src, xSrc, ySrc, fore);
  TBitmapObj* m = BitmapOf(mask);
  TDCObj* d = DCOf(dest);
  TDCObj* s = src ? DCOf(src) : nullptr;
  if (!d || !m || m->Bpp != 1 || (src && !s)) return FALSE;
  DWORD back = (rop4 >> 8) & 0x00FF0000;
  TBlit b;
  if (!PrepareBlit(b, d, x, y, width, height, s, xSrc, ySrc, width, height, false)) return FALSE;
  return RunRop(b, fore, m, POINT{xMask, yMask}, back);
}

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
  if (!DCOf(dc) || !bits || !info) return 0;
  void* dibBits = nullptr;
  HBITMAP bm = CreateDIBSection(dc, info, usage, &dibBits, nullptr, 0);
  if (!bm) return 0;
  int height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  SetDIBits(dc, bm, 0, static_cast<UINT>(height), bits, info, usage);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bm);
  // A bottom-up image counts its source rows from the bottom.
  int top = info->bmiHeader.biHeight < 0 ? ySrc : height - ySrc - srcHeight;
  BOOL ok = StretchBlt(dc, xDest, yDest, destWidth, destHeight, mem, xSrc, top, srcWidth, srcHeight, rop);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bm);
  return ok ? srcHeight : 0;
}

int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
  if (!DCOf(dc) || !bits || !info) return 0;
  HBITMAP bm = CreateDIBSection(dc, info, usage, nullptr, nullptr, 0);
  if (!bm) return 0;
  int full = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  SetDIBits(dc, bm, startScan, lines, bits, info, usage);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bm);
  int top = info->bmiHeader.biHeight < 0 ? ySrc : full - ySrc - static_cast<int>(height);
  BOOL ok = BitBlt(dc, xDest, yDest, static_cast<int>(width), static_cast<int>(height), mem, xSrc, top, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bm);
  return ok ? static_cast<int>(lines) : 0;
}

BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  RECT area{};
  if (scroll) area = *scroll;
  else GetClipBox(dc, &area);
  RECT limit = clip ? *clip : area;
  int saved = SaveDC(dc);
  IntersectClipRect(dc, limit.left, limit.top, limit.right, limit.bottom);
  BitBlt(dc, area.left + dx, area.top + dy, area.right - area.left, area.bottom - area.top, dc, area.left, area.top,
         SRCCOPY);
  RestoreDC(dc, saved);
  // What the move uncovered inside the clip needs painting.
  RECT visible;
  IntersectRect(&visible, &area, &limit);
  TPixelRegion moved(RECT{area.left + dx, area.top + dy, area.right + dx, area.bottom + dy});
  TPixelRegion uncovered = TPixelRegion::Combine(TPixelRegion(visible), moved, roDiff);
  if (TRegionObj* u = RgnOf(update)) u->Rgn = uncovered;
  if (updateRect) *updateRect = uncovered.Box();
  return TRUE;
}

}  // namespace WinGdi
