// Where a destination pixel of a blit takes its source pixel: a source rectangle mapped onto a
// destination rectangle, shrunk or stretched by nearest pixel or averaged (halftone), mirrored
// where the extents have opposite signs.
#pragma once

#include <cstdint>

#include "GdiSurface.h"

namespace SourceMap {

struct TSourceMap {
  const TGdiSurface* Surface = nullptr;
  RECT Source;       // surface coordinates, normalised
  RECT Dest;         // device coordinates, normalised
  bool MirrorX = false;
  bool MirrorY = false;
  bool Halftone = false;
  // The source pixel for destination pixel (x, y); false when it lies outside the source surface.
  bool Fetch(int x, int y, uint32_t& pixel) const;
  // Where the mapping is one to one (same size, not mirrored, not averaged), the source pixels of
  // destination row y from x0 to x1 as they lie in the source surface; null otherwise or when any
  // of them lies outside it.
  const uint32_t* SameSizeRow(int y, int x0, int x1) const {
    if (!SameSize() || MirrorX || MirrorY) return nullptr;
    const int sy = Source.top + (y - Dest.top), sx = Source.left + (x0 - Dest.left);
    if (sy < 0 || sy >= Surface->Height() || sx < 0 || sx + (x1 - x0) > Surface->Width()) return nullptr;
    return Surface->Scanline(sy) + sx;
  }
  bool SameSize() const {
    return Source.right - Source.left == Dest.right - Dest.left && Source.bottom - Source.top == Dest.bottom - Dest.top;
  }
};

}  // namespace SourceMap

using namespace SourceMap;
