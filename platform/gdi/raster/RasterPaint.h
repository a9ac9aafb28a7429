// Filling pixel areas of a surface through a clip region with a brush and a binary mix mode: the one
// place where shapes, lines and brush fills put pixels down.
#pragma once

#include <cstdint>
#include <vector>

#include "GdiSurface.h"
#include "RegionBands.h"

namespace RasterPaint {

// What a fill puts down at each device pixel.
struct TBrushSource {
  enum TKind { bkNone, bkSolid, bkPattern };
  TKind Kind = bkNone;
  uint32_t Color = 0;                       // bkSolid
  const TGdiSurface* Pattern = nullptr;     // bkPattern: tiled from Origin
  bool PatternMono = false;                 // black pattern pixels become Fore, white ones Back
  uint32_t Fore = 0;
  uint32_t Back = 0;
  bool TransparentBack = false;             // white pixels of a monochrome pattern leave the pixel alone
  POINT Origin;
  // The pixel at device (x, y); false where the brush leaves the pixel alone.
  bool At(int x, int y, uint32_t& pixel) const;
};

struct TPaintTarget {
  TGdiSurface* Surface = nullptr;
  POINT Origin;                             // device (0, 0) on the surface
  const TPixelRegion* Clip = nullptr;       // device coordinates, already within the surface
  bool Mono = false;                        // a monochrome bitmap: pixels are black or white
};

// Black or white, whichever is nearer (how colours reach a monochrome bitmap).
uint32_t SnapMono(uint32_t pixel);
// The 8 x 8 tile of a hatch style (HS_*): black where the hatch lines are.
const TGdiSurface& HatchTile(int style);

void FillRect(const TPaintTarget& t, const RECT& device, const TBrushSource& brush, int rop2);
void FillRegion(const TPaintTarget& t, const TPixelRegion& device, const TBrushSource& brush, int rop2);
inline void FillSpans(const TPaintTarget& t, std::vector<TSpan> spans, const TBrushSource& brush, int rop2) {
  FillRegion(t, TPixelRegion::FromSpans(std::move(spans)), brush, rop2);
}

}  // namespace RasterPaint

using namespace RasterPaint;
