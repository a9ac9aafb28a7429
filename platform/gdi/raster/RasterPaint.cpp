#include "RasterPaint.h"

#include <algorithm>
#include <cstring>

#include "RasterOps.h"

namespace RasterPaint {

namespace {

int Mod(int a, int m) {
  int r = a % m;
  return r < 0 ? r + m : r;
}

void FillRow(const TPaintTarget& t, int y, int x0, int x1, const TBrushSource& brush, int rop2) {
  uint32_t* row = t.Surface->Scanline(y + t.Origin.y) + t.Origin.x;
  if (brush.Kind == TBrushSource::bkSolid && rop2 == 13) {
    std::fill(row + x0, row + x1, brush.Color);
    return;
  }
  for (int x = x0; x < x1; ++x) {
    uint32_t p;
    if (!brush.At(x, y, p)) continue;
    uint32_t r = Rop2(rop2, p, row[x]);
    row[x] = t.Mono ? SnapMono(r) : r;
  }
}

void DrawHatch(TGdiSurface& s, int style) {
  s.Resize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      bool line = false;
      switch (style) {
        case 0: line = y == 7; break;                        // HS_HORIZONTAL
        case 1: line = x == 7; break;                        // HS_VERTICAL
        case 2: line = x == y; break;                        // HS_FDIAGONAL
        case 3: line = x + y == 7; break;                    // HS_BDIAGONAL
        case 4: line = x == 7 || y == 7; break;              // HS_CROSS
        default: line = x == y || x + y == 7; break;         // HS_DIAGCROSS
      }
      s.SetPixel(x, y, line ? 0 : 0x00FFFFFF);
    }
}

}  // namespace

bool TBrushSource::At(int x, int y, uint32_t& pixel) const {
  switch (Kind) {
    case bkNone: return false;
    case bkSolid: pixel = Color; return true;
    case bkPattern: {
      uint32_t p = Pattern->Pixel(Mod(x - Origin.x, Pattern->Width()), Mod(y - Origin.y, Pattern->Height()));
      if (!PatternMono) {
        pixel = p;
        return true;
      }
      bool white = (p & 0x00FFFFFF) != 0;
      if (white && TransparentBack) return false;
      pixel = white ? Back : Fore;
      return true;
    }
  }
  return false;
}

uint32_t SnapMono(uint32_t p) {
  int sum = static_cast<int>((p >> 16) & 0xFF) + static_cast<int>((p >> 8) & 0xFF) + static_cast<int>(p & 0xFF);
  return sum >= 3 * 128 ? 0x00FFFFFF : 0;
}

const TGdiSurface& HatchTile(int style) {
  static const TGdiSurface* tiles = [] {
    auto* t = new TGdiSurface[6];
    for (int i = 0; i < 6; ++i) DrawHatch(t[i], i);
    return t;
  }();
  return tiles[style < 0 || style > 5 ? 0 : style];
}

void FillRect(const TPaintTarget& t, const RECT& device, const TBrushSource& brush, int rop2) {
  if (brush.Kind == TBrushSource::bkNone || !t.Clip) return;
  bool copy = brush.Kind == TBrushSource::bkSolid && rop2 == 13;
  t.Clip->ForEachRectWithin(device, [&](const RECT& r) {
    FillRow(t, r.top, r.left, r.right, brush, rop2);
    // A solid colour repeats its first row, which block copies lay down fastest.
    const uint32_t* first = t.Surface->Scanline(r.top + t.Origin.y) + t.Origin.x + r.left;
    for (int y = r.top + 1; y < r.bottom; ++y) {
      if (copy) std::memcpy(t.Surface->Scanline(y + t.Origin.y) + t.Origin.x + r.left, first, sizeof(uint32_t) * (r.right - r.left));
      else FillRow(t, y, r.left, r.right, brush, rop2);
    }
  });
}

void FillRegion(const TPaintTarget& t, const TPixelRegion& device, const TBrushSource& brush, int rop2) {
  if (brush.Kind == TBrushSource::bkNone || !t.Clip) return;
  TPixelRegion area = TPixelRegion::Combine(device, *t.Clip, roAnd);
  for (const TBand& b : area.Bands())
    for (int y = b.Top; y < b.Bottom; ++y)
      for (size_t i = 0; i < b.X.size(); i += 2) FillRow(t, y, b.X[i], b.X[i + 1], brush, rop2);
}

}  // namespace RasterPaint
