#include "DibFormat.h"

#include <cstdlib>

namespace DibFormat {

namespace {

uint32_t FromPalette(const TDibColor* palette, int count, int index) {
  if (!palette || index < 0 || index >= count) return 0;
  const TDibColor& c = palette[index];
  return (uint32_t(c.R) << 16) | (uint32_t(c.G) << 8) | c.B;
}

int Nearest(const TDibColor* palette, int count, uint32_t p) {
  int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  int best = 0, bestDist = 1 << 30;
  for (int i = 0; i < count; ++i) {
    int d = std::abs(r - palette[i].R) * 3 + std::abs(g - palette[i].G) * 4 + std::abs(b - palette[i].B) * 2;
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return best;
}

}  // namespace

bool DibFormatSupported(int bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

void DecodeDibRow(const uint8_t* src, int bpp, const TDibColor* palette, int count, uint32_t* dst, int width) {
  for (int x = 0; x < width; ++x) {
    switch (bpp) {
      case 1: dst[x] = FromPalette(palette, count, (src[x >> 3] >> (7 - (x & 7))) & 1); break;
      case 4: dst[x] = FromPalette(palette, count, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF); break;
      case 8: dst[x] = FromPalette(palette, count, src[x]); break;
      case 16: {
        unsigned v = src[2 * x] | (src[2 * x + 1] << 8);  // 5-5-5
        unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        dst[x] = (((r << 3) | (r >> 2)) << 16) | (((g << 3) | (g >> 2)) << 8) | ((b << 3) | (b >> 2));
        break;
      }
      case 24: dst[x] = src[3 * x] | (src[3 * x + 1] << 8) | (uint32_t(src[3 * x + 2]) << 16); break;
      default:
        dst[x] = src[4 * x] | (src[4 * x + 1] << 8) | (uint32_t(src[4 * x + 2]) << 16) |
                 (uint32_t(src[4 * x + 3]) << 24);
        break;
    }
  }
}

void EncodeDibRow(const uint32_t* src, int bpp, const TDibColor* palette, int count, uint8_t* dst, int width) {
  if (bpp == 1 || bpp == 4) {
    for (int i = 0; i < DibStride(width, bpp); ++i) dst[i] = 0;
  }
  for (int x = 0; x < width; ++x) {
    uint32_t p = src[x];
    switch (bpp) {
      case 1:
        if (Nearest(palette, count, p) & 1) dst[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
        break;
      case 4: dst[x >> 1] |= static_cast<uint8_t>((Nearest(palette, count, p) & 0xF) << ((x & 1) ? 0 : 4)); break;
      case 8: dst[x] = static_cast<uint8_t>(Nearest(palette, count, p)); break;
      case 16: {
        unsigned v = (((p >> 19) & 31) << 10) | (((p >> 11) & 31) << 5) | ((p >> 3) & 31);
        dst[2 * x] = v & 0xFF;
        dst[2 * x + 1] = (v >> 8) & 0xFF;
        break;
      }
      case 24:
        dst[3 * x] = p & 0xFF;
        dst[3 * x + 1] = (p >> 8) & 0xFF;
        dst[3 * x + 2] = (p >> 16) & 0xFF;
        break;
      default:
        dst[4 * x] = p & 0xFF;
        dst[4 * x + 1] = (p >> 8) & 0xFF;
        dst[4 * x + 2] = (p >> 16) & 0xFF;
        dst[4 * x + 3] = (p >> 24) & 0xFF;
        break;
    }
  }
}

}  // namespace DibFormat
