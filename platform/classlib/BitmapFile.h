// Reading BMP files for TBitmap: the pixels in a section of the file's own format, with its colour
// table, or a clean refusal of a damaged file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "WinGdi.h"

namespace BitmapFile {

// The bitmap of a BMP file (file header first) as a device-independent section of the file's bits
// per pixel (run-length files in their indexed format, bit-field files at 16 or 32 bits). Raises
// EInvalidGraphic for anything that is not a complete, well-formed file.
HBITMAP ReadBmp(const uint8_t* Data, size_t Size, int& BitsPerPixel, std::vector<RGBQUAD>& Colors);
// The same bytes as a file when they are a packed bitmap (info header first, as bitmap resources
// keep them); file bytes are answered as they are.
std::vector<uint8_t> PackedDibToFile(const uint8_t* Data, size_t Size);

}  // namespace BitmapFile

using namespace BitmapFile;
