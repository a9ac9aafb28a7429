// The 32-bit pixel surfaces that device contexts draw on, and the calls through which the window
// layer puts a device context over a window's surface.
//
// A pixel is a 32-bit value 0xAARRGGBB (in memory: B, G, R, A). Row 0 is the top row; a surface
// over caller-owned memory may store its rows bottom-up (a negative stride).
#pragma once

#include <cstdint>
#include <vector>

#include "WinDef.h"

namespace GdiSurface {

class TGdiSurface {
 public:
  TGdiSurface() = default;
  TGdiSurface(int width, int height) { Resize(width, height); }
  TGdiSurface(const TGdiSurface&) = delete;
  TGdiSurface& operator=(const TGdiSurface&) = delete;

  // Owns a fresh width x height buffer cleared to 0 (black, alpha 0); negative sizes count as 0.
  void Resize(int width, int height);
  // Views caller-owned memory; stride in bytes, negative when rows are stored bottom-up.
  void Attach(void* row0, int width, int height, int stride);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Stride() const { return FStride; }
  uint32_t* Scanline(int y) { return reinterpret_cast<uint32_t*>(FRow0 + static_cast<intptr_t>(y) * FStride); }
  const uint32_t* Scanline(int y) const {
    return reinterpret_cast<const uint32_t*>(FRow0 + static_cast<intptr_t>(y) * FStride);
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }
  uint32_t Pixel(int x, int y) const { return Scanline(y)[x]; }
  void SetPixel(int x, int y, uint32_t p) { Scanline(y)[x] = p; }
  void Fill(uint32_t p);

 private:
  int FWidth = 0;
  int FHeight = 0;
  int FStride = 0;
  uint8_t* FRow0 = nullptr;
  std::vector<uint32_t> FOwn;
};

// A COLORREF (0x00BBGGRR) as a pixel and back. Drawing writes alpha 0, as 32-bit device bitmaps get.
constexpr uint32_t ColorToPixel(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF PixelToColor(uint32_t p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

// ---- Device contexts for the window layer ----------------------------------------------------------
// A device context drawing on `surface` (which must outlive it) with its device point (0, 0) at
// `origin` on the surface. `visible` is the system clip in device coordinates (the window's visible
// part or update region), copied; null means the whole surface. Free it with DeleteDC.
HDC CreateSurfaceDC(TGdiSurface* surface, POINT origin, HRGN visible);
// Replaces the system clip (device coordinates, copied; null = no limit) or the origin of such a DC.
BOOL SetSurfaceDCVisibleRegion(HDC dc, HRGN visible);
BOOL SetSurfaceDCOrigin(HDC dc, POINT origin);
// The surface a device context draws on (a memory DC: its selected bitmap's pixels); null for an
// invalid handle.
TGdiSurface* GetDCSurface(HDC dc);
// Whether drawing on the DC puts its 32-bit pixels down as they are: no monochrome bitmap and no DIB
// section of fewer bits to keep in step. False for an invalid handle.
bool DCDrawsTrueColor(HDC dc);
// Paints the pixels that drawing on the DC would reach within a rectangle (logical coordinates): for
// each run of them along a row, inside the surface and the DC's clip, `paint` gets the run's pixels
// on the surface, the run's first point relative to the rectangle's top-left and its length. Only for
// a DC that draws true colour with a mapping that only moves points (MM_TEXT, left-to-right layout);
// FALSE, before any call, for any other DC or an invalid handle.
using TPixelRunPaint = void (*)(void* context, uint32_t* pixels, int x, int y, int count);
BOOL PaintPixelRuns(HDC dc, const RECT& rect, TPixelRunPaint paint, void* context);
// The pixels of a bitmap (every bitmap keeps 32-bit pixels, whatever its format); null when invalid.
TGdiSurface* GetBitmapSurface(HBITMAP bitmap);
// The surface behind the screen device context (1280 x 1024 until the window layer sets its own,
// which must outlive every screen DC made after the call).
void SetScreenSurface(TGdiSurface* surface);
TGdiSurface* GetScreenSurface();

}  // namespace GdiSurface

using namespace GdiSurface;
