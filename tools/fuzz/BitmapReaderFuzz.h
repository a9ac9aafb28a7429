// One run of the BMP reader over arbitrary bytes: it gives a bitmap of the stated size, which
// writes and reads back in the same format, or refuses with EInvalidGraphic; any other exception,
// a crash or an inconsistent bitmap is a fault. Shared by the libFuzzer target and the plain test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "BitmapFile.h"
#include "GdiBmp.h"
#include "Graphics.h"

// Answers whether the bytes were read as a bitmap.
inline bool FuzzBitmapReader(const uint8_t* data, size_t size) {
  int bpp = 0;
  std::vector<RGBQUAD> colors;
  HBITMAP bitmap = nullptr;
  try {
    bitmap = ReadBmp(data, size, bpp, colors);
  } catch (const EInvalidGraphic&) {
    return false;
  } catch (...) {
    std::abort();
  }
  BITMAP bm;
  if (!bitmap || GetObject(bitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm) || bm.bmBitsPixel != bpp ||
      bm.bmWidth <= 0 || bm.bmHeight <= 0)
    std::abort();
  std::vector<uint8_t> again = EncodeBmp(bitmap, true);
  DeleteObject(bitmap);
  int bppAgain = 0;
  try {
    HBITMAP copy = ReadBmp(again.data(), again.size(), bppAgain, colors);
    BITMAP bm2;
    GetObject(copy, sizeof bm2, &bm2);
    if (bppAgain != bpp || bm2.bmWidth != bm.bmWidth || bm2.bmHeight != bm.bmHeight) std::abort();
    DeleteObject(copy);
  } catch (...) {
    std::abort();
  }
  return true;
}
