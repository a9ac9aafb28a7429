// A white 32-bit memory surface with a class-library canvas on it and the framework canvas around
// that, read back pixel by pixel: the fixture of the pixel tests of the canvas and the painters.
#pragma once

#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"

namespace PixelSurface {

constexpr COLORREF kWhite = 0xFFFFFF;

// What a colour draws as, system colours resolved, without the alpha byte a surface may hold.
inline COLORREF RGBOf(TColor AColor) { return ColorToRGB(AColor) & 0xFFFFFF; }

struct TSurface {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  TCanvas* Canvas;
  TcxCanvas* Cx;
  int Width, Height;

  TSurface(int w, int h) : Width(w), Height(h) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    Old = SelectObject(DC, Bitmap);
    Clear();
    Canvas = New<TCanvas>();
    Canvas->SetHandle(DC);
    Cx = New<TcxCanvas>(Canvas);
  }
  TSurface(const TSurface&) = delete;
  TSurface& operator=(const TSurface&) = delete;
  ~TSurface() {
    Cx->Free();
    Canvas->SetHandle(nullptr);
    Canvas->Free();
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }

  // Paints the whole surface white again (device pixels, whatever the clip and the origins).
  void Clear() {
    const int saved = SaveDC(DC);
    ResetDeviceMapping();
    RECT all{0, 0, Width, Height};
    FillRect(DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RestoreDC(DC, saved);
  }
  // The pixel at device (x, y), whatever the clip and the origins.
  COLORREF At(int x, int y) const {
    const int saved = SaveDC(DC);
    ResetDeviceMapping();
    const COLORREF c = GetPixel(DC, x, y) & 0xFFFFFF;
    RestoreDC(DC, saved);
    return c;
  }
  // The box of the pixels inside R whose colour differs from ABackground; empty (0, 0, 0, 0) when
  // there are none.
  TRect InkBox(const TRect& R, COLORREF ABackground) const {
    TRect box(R.right, R.bottom, R.left, R.top);
    for (int y = R.top; y < R.bottom; ++y)
      for (int x = R.left; x < R.right; ++x)
        if (At(x, y) != ABackground) {
          box.left = std::min<int>(box.left, x), box.top = std::min<int>(box.top, y);
          box.right = std::max<int>(box.right, x + 1), box.bottom = std::max<int>(box.bottom, y + 1);
        }
    return box.left < box.right ? box : TRect(0, 0, 0, 0);
  }
  // The box of everything drawn on the white surface.
  TRect InkBox() const { return InkBox(All(), kWhite); }
  int Count(const TRect& R, COLORREF AColor) const {
    int n = 0;
    for (int y = R.top; y < R.bottom; ++y)
      for (int x = R.left; x < R.right; ++x) n += At(x, y) == AColor;
    return n;
  }
  // The number of pixels that are not white.
  int InkCount() const { return Width * Height - Count(All(), kWhite); }
  bool AllWhite() const { return InkCount() == 0; }
  // True when every pixel of the one-pixel ring just inside R has the colour.
  bool RingIs(const TRect& R, COLORREF AColor) const {
    for (int x = R.left; x < R.right; ++x)
      if (At(x, R.top) != AColor || At(x, R.bottom - 1) != AColor) return false;
    for (int y = R.top; y < R.bottom; ++y)
      if (At(R.left, y) != AColor || At(R.right - 1, y) != AColor) return false;
    return true;
  }
  // The number of pixels where the two surfaces differ.
  int Differences(const TSurface& AOther) const {
    int n = 0;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) n += At(x, y) != AOther.At(x, y);
    return n;
  }

 private:
  TRect All() const { return TRect(0, 0, Width, Height); }
  void ResetDeviceMapping() const {
    SelectClipRgn(DC, nullptr);
    SetViewportOrgEx(DC, 0, 0, nullptr);
    SetWindowOrgEx(DC, 0, 0, nullptr);
  }
};

}  // namespace PixelSurface
