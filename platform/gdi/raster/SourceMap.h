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
  bool SameSize() const {
    return Source.right - Source.left == Dest.right - Dest.left && Source.bottom - Source.top == Dest.bottom - Dest.top;
  }
};

}  // namespace SourceMap

using namespace SourceMap;
