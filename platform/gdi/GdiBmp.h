// Bitmap files: a bitmap written as a whole BMP file (file header, info header, colour table, rows)
// and read back from one, including the run-length and bit-field forms and the old core header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "WinDef.h"

namespace GdiBmp {

// The bitmap as a BMP file: monochrome bitmaps as 1 bit with a black-and-white table, DIB sections
// in their own format, other bitmaps as 24 bits (32 when keepAlpha). Empty for an invalid handle.
std::vector<uint8_t> EncodeBmp(HBITMAP bitmap, bool keepAlpha = false);
// A bitmap from BMP file bytes (a 1-bit file gives a monochrome bitmap, others a 32-bit one); null
// when the bytes are not a well-formed BMP file.
HBITMAP DecodeBmp(const uint8_t* data, size_t size);
// The same from the info header on (no file header), as packed bitmaps are kept in resources.
HBITMAP DecodePackedDib(const uint8_t* data, size_t size);

}  // namespace GdiBmp

using namespace GdiBmp;
