// What the blit calls share: the mapping of a logical source rectangle of one DC onto a logical
// destination rectangle of another, and the colour conversions between monochrome and colour.
#pragma once

#include <memory>

#include "GdiDraw.h"
#include "raster/SourceMap.h"

namespace GdiBlit {

struct TBlit {
  TSourceMap Map;
  std::unique_ptr<TGdiSurface> Copy;  // the source pixels when source and destination share a surface
  const TDCObj* Src = nullptr;
  const TDCObj* Dst = nullptr;
  uint32_t MonoBlack = 0;             // what black and white source pixels become on a colour target
  uint32_t MonoWhite = 0;
  uint32_t ColorKey = 0;              // the source background colour, white on a monochrome target
  int Conversion = 0;                 // 0 none, 1 monochrome to colour, 2 colour to monochrome
  uint32_t Convert(uint32_t s) const;
};

// False when a DC is invalid or an extent is zero. src may be null for pattern-only operations.
bool PrepareBlit(TBlit& b, TDCObj* dst, int x, int y, int w, int h, TDCObj* src, int xs, int ys, int ws, int hs,
                 bool halftone);

}  // namespace GdiBlit

using namespace GdiBlit;
