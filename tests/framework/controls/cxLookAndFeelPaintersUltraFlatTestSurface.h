// A white 32-bit memory surface with a framework canvas on it, for pixel tests of painters.
#pragma once

#include <algorithm>

#include "GdiObjects.h"
#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"

namespace PainterTestSurface {

constexpr COLORREF kWhite = 0xFFFFFF;

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
    RECT all{0, 0, w, h};
    FillRect(DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
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
  // The pixel at device (x, y), whatever the clip.
  COLORREF At(int x, int y) const {
    const int saved = SaveDC(DC);
    SelectClipRgn(DC, nullptr);
    const COLORREF c = GetPixel(DC, x, y) & 0xFFFFFF;
    RestoreDC(DC, saved);
    return c;
  }
  // The box of the pixels inside R whose colour differs from ABackground; empty when there are none.
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
  int Count(const TRect& R, COLORREF AColor) const {
    int n = 0;
    for (int y = R.top; y < R.bottom; ++y)
      for (int x = R.left; x < R.right; ++x) n += At(x, y) == AColor;
    return n;
  }
  bool AllWhite() const { return Count(TRect(0, 0, Width, Height), kWhite) == Width * Height; }
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
};

}  // namespace PainterTestSurface
