// A small 32-bit memory DC for pixel tests, with a picture of its pixels as text rows
// ('.' for the background colour, '#' for anything else).
#pragma once

#include <string>

#include "GdiSurface.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

struct TTestCanvas {
  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ OldBitmap = nullptr;
  int Width;
  int Height;

  TTestCanvas(int w, int h, COLORREF background = RGB(255, 255, 255)) : Width(w), Height(h) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    OldBitmap = SelectObject(DC, Bitmap);
    Clear(background);
  }
  ~TTestCanvas() {
    SelectObject(DC, OldBitmap);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  TTestCanvas(const TTestCanvas&) = delete;
  TTestCanvas& operator=(const TTestCanvas&) = delete;

  void Clear(COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    RECT r{0, 0, Width, Height};
    FillRect(DC, &r, b);
    DeleteObject(b);
  }
  // The pixel at device (x, y), whatever the DC's mapping and clip.
  COLORREF At(int x, int y) const { return PixelToColor(GetDCSurface(DC)->Pixel(x, y)) & 0x00FFFFFF; }
  // Rows of the whole canvas, separated by newlines.
  std::string Art(COLORREF background = RGB(255, 255, 255)) const {
    std::string s;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) s += At(x, y) == background ? '.' : '#';
      s += '\n';
    }
    return s;
  }
  int Count(COLORREF c) const {
    int n = 0;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) n += At(x, y) == c;
    return n;
  }
};

// Joins picture rows written one per string in a test.
inline std::string Rows(std::initializer_list<const char*> rows) {
  std::string s;
  for (const char* r : rows) (s += r) += '\n';
  return s;
}
