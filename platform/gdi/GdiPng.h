// PNG snapshots of surfaces, bitmaps and device-context areas, for tests and diagnostics.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GdiSurface.h"

namespace GdiPng {

// The PNG bytes of a surface area (whole surface when area is null), 8-bit RGB, or RGBA with
// withAlpha. An empty result for an empty area.
std::vector<uint8_t> EncodePng(const TGdiSurface& surface, const RECT* area = nullptr, bool withAlpha = false);
bool SaveSurfaceToPng(const TGdiSurface& surface, const std::string& file, const RECT* area = nullptr,
                      bool withAlpha = false);
bool SaveBitmapToPng(HBITMAP bitmap, const std::string& file);
// A DC area in logical coordinates (the whole target when area is null).
bool SaveDCToPng(HDC dc, const std::string& file, const RECT* area = nullptr);
// Reads a PNG file into a surface (for comparing snapshots); false when it is not a readable PNG.
bool LoadPngToSurface(const std::string& file, TGdiSurface& surface);

}  // namespace GdiPng

using namespace GdiPng;
