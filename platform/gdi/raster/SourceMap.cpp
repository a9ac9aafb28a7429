#include "SourceMap.h"

#include <algorithm>

namespace SourceMap {

namespace {

// Source index range [from, to) covered by destination index i of n, over a source of m.
void Cover(long long i, long long n, long long m, bool mirror, long long& from, long long& to) {
  if (mirror) i = n - 1 - i;
  from = static_cast<long long>(static_cast<__int128>(i) * m / n);
  to = static_cast<long long>(static_cast<__int128>(i + 1) * m / n);
  if (to <= from) to = from + 1;
}

}  // namespace

bool TSourceMap::Fetch(int x, int y, uint32_t& pixel) const {
  long long dw = Dest.right - Dest.left, dh = Dest.bottom - Dest.top;
  long long sw = Source.right - Source.left, sh = Source.bottom - Source.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return false;
  long long ix = x - Dest.left, iy = y - Dest.top;
  if (!Halftone || (sw <= dw && sh <= dh)) {
    // The source pixel under the destination pixel's centre.
    auto centre = [](long long i, long long m, long long n) {
      return static_cast<long long>(static_cast<__int128>(2 * i + 1) * m / (2 * n));
    };
    long long sx = centre(MirrorX ? dw - 1 - ix : ix, sw, dw);
    long long sy = centre(MirrorY ? dh - 1 - iy : iy, sh, dh);
    long long px = Source.left + sx, py = Source.top + sy;
    if (px < 0 || py < 0 || px >= Surface->Width() || py >= Surface->Height()) return false;
    pixel = Surface->Pixel(static_cast<int>(px), static_cast<int>(py));
    return true;
  }
  long long x0, x1, y0, y1;
  Cover(ix, dw, sw, MirrorX, x0, x1);
  Cover(iy, dh, sh, MirrorY, y0, y1);
  // Only source pixels on the surface count, so only those are visited.
  x0 = std::max(x0, -static_cast<long long>(Source.left));
  x1 = std::min(x1, static_cast<long long>(Surface->Width()) - Source.left);
  y0 = std::max(y0, -static_cast<long long>(Source.top));
  y1 = std::min(y1, static_cast<long long>(Surface->Height()) - Source.top);
  unsigned long long sum[4] = {0, 0, 0, 0};
  long long n = 0;
  for (long long sy = y0; sy < y1; ++sy)
    for (long long sx = x0; sx < x1; ++sx) {
      int px = static_cast<int>(Source.left + sx), py = static_cast<int>(Source.top + sy);
      if (!Surface->Contains(px, py)) continue;
      uint32_t p = Surface->Pixel(px, py);
      for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
      ++n;
    }
  if (n == 0) return false;
  pixel = 0;
  for (int c = 0; c < 4; ++c) pixel |= static_cast<uint32_t>((sum[c] + n / 2) / n) << (8 * c);
  return true;
}

}  // namespace SourceMap
