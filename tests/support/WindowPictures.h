// What the pixel tests of windowed controls share: a control's client area as it is on the screen
// (taken from its top-level window), one of its pixels, the pixels of a colour, the box of its update
// region, and the number of pixels by which two pictures differ.
#pragma once

#include "Controls.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "WinManage.h"
#include "WinPaint.h"

namespace WindowPictures {

// False when the top-level window could not be captured.
inline bool CaptureClient(TWinControl* Control, GdiSurface::TGdiSurface& Picture) {
  HWND top = GetAncestor(Control->GetHandle(), GA_ROOT);
  GdiSurface::TGdiSurface window;
  if (!CaptureWindow(top, window)) return false;
  RECT w;
  GetWindowRect(top, &w);
  const TPoint origin = Control->ClientToScreen(TPoint(0, 0));
  Picture.Resize(Control->GetClientWidth(), Control->GetClientHeight());
  for (int y = 0; y < Picture.Height(); ++y)
    for (int x = 0; x < Picture.Width(); ++x)
      Picture.SetPixel(x, y, window.Pixel(origin.x - w.left + x, origin.y - w.top + y) & 0xFFFFFF);
  return true;
}

// The pixel at a client point as a COLORREF (0x00BBGGRR).
inline COLORREF ClientPixel(TWinControl* Control, Integer X, Integer Y) {
  GdiSurface::TGdiSurface picture;
  if (!CaptureClient(Control, picture)) return 0xFFFFFFFF;
  const uint32_t p = picture.Pixel(X, Y);
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// The pixels of a client rectangle that have the colour (0x00BBGGRR); -1 when the window could not
// be captured.
inline int CountPixels(TWinControl* Control, const TRect& R, COLORREF Color) {
  GdiSurface::TGdiSurface picture;
  if (!CaptureClient(Control, picture)) return -1;
  const uint32_t want = ((Color & 0xFF) << 16) | (Color & 0xFF00) | ((Color >> 16) & 0xFF);
  int n = 0;
  for (int y = R.top; y < R.bottom; ++y)
    for (int x = R.left; x < R.right; ++x) n += picture.Pixel(x, y) == want;
  return n;
}

// Empty when nothing waits to be painted.
inline TRect UpdateBox(TWinControl* Control) {
  RECT r{};
  if (!GetUpdateRect(Control->GetHandle(), &r, FALSE)) return TRect(0, 0, 0, 0);
  return r;
}

// -1 when the sizes differ.
inline int Differences(const GdiSurface::TGdiSurface& A, const GdiSurface::TGdiSurface& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return -1;
  int n = 0;
  for (int y = 0; y < A.Height(); ++y)
    for (int x = 0; x < A.Width(); ++x) n += A.Pixel(x, y) != B.Pixel(x, y);
  return n;
}

}  // namespace WindowPictures
