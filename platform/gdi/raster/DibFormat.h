// Rows of device-independent bitmaps (1, 4, 8, 16, 24 and 32 bits per pixel, colour tables for the
// indexed formats) to and from 32-bit pixels.
#pragma once

#include <cstdint>

namespace DibFormat {

struct TDibColor {
  uint8_t B, G, R, A;
};

// Bytes of one row: rows are padded to 32 bits.
inline int DibStride(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }
bool DibFormatSupported(int bpp);

// Indexed formats look their indexes up in `palette` (count entries; a missing entry reads black).
void DecodeDibRow(const uint8_t* src, int bpp, const TDibColor* palette, int count, uint32_t* dst, int width);
// Indexed formats write the nearest palette entry.
void EncodeDibRow(const uint32_t* src, int bpp, const TDibColor* palette, int count, uint8_t* dst, int width);

}  // namespace DibFormat

using namespace DibFormat;
