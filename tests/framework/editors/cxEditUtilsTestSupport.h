// What the tests of the editors' shared drawing routines share: enlarged PNGs of a pixel surface.
#pragma once

#include <gtest/gtest.h>

#include "GdiPng.h"
#include "GdiSurface.h"
#include "PixelSurface.h"

namespace cxEditUtilsTest {

// Writes the surface, each pixel AScale times as wide and high, into the test temp dir.
inline void SaveEditUtilsPng(const PixelSurface::TSurface& ASurface, const char* AName, int AScale = 4) {
  GdiSurface::TGdiSurface picture(ASurface.Width * AScale, ASurface.Height * AScale);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const COLORREF c = ASurface.At(x / AScale, y / AScale);
      picture.SetPixel(x, y, 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  EXPECT_TRUE(SaveSurfaceToPng(picture, testing::TempDir() + AName));
}

}  // namespace cxEditUtilsTest
