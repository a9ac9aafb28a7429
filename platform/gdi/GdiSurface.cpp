#include "GdiSurface.h"

#include <algorithm>

namespace GdiSurface {

void TGdiSurface::Resize(int width, int height) {
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  FOwn.assign(static_cast<size_t>(FWidth) * FHeight, 0);
  FStride = FWidth * 4;
  FRow0 = reinterpret_cast<uint8_t*>(FOwn.data());
}

void TGdiSurface::Attach(void* row0, int width, int height, int stride) {
  FOwn.clear();
  FOwn.shrink_to_fit();
  FWidth = std::max(width, 0);
  FHeight = std::max(height, 0);
  FStride = stride;
  FRow0 = static_cast<uint8_t*>(row0);
}

void TGdiSurface::Fill(uint32_t p) {
  for (int y = 0; y < FHeight; ++y) std::fill(Scanline(y), Scanline(y) + FWidth, p);
}

}  // namespace GdiSurface
