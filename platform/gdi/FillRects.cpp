// Rectangle fills of the user-interface side: FillRect, FrameRect, InvertRect and the focus rectangle.
#include <algorithm>

#include "GdiDraw.h"
#include "WinUserDraw.h"

namespace {

bool FillDeviceRect(TDCObj* d, const RECT& device, const TBrushSource& src, int rop2) {
  TPaintContext pc(d);
  if (!pc.Ok()) return false;
  FillRect(pc.Target(), device, src, rop2);
  return true;
}

}  // namespace

namespace WinUserDraw {

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  TDCObj* d = DCOf(dc);
  TBrushObj* b = BrushOf(brush);
  if (!d || !rect || !b) return 0;
  if (rect->left >= rect->right || rect->top >= rect->bottom) return 1;
  return FillDeviceRect(d, ToDeviceRect(d->S, *rect), BrushSource(d, b), R2_COPYPEN) ? 1 : 0;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
  TDCObj* d = DCOf(dc);
  TBrushObj* b = BrushOf(brush);
  if (!d || !rect || !b) return 0;
  if (rect->left >= rect->right || rect->top >= rect->bottom) return 1;
  RECT r = ToDeviceRect(d->S, *rect);
  TPaintContext pc(d);
  if (!pc.Ok()) return 0;
  TBrushSource src = BrushSource(d, b);
  TPixelRegion ring = TPixelRegion::Combine(
      TPixelRegion(r), TPixelRegion(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}), roDiff);
  FillRegion(pc.Target(), ring, src, R2_COPYPEN);
  return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return FALSE;
  TBrushSource white;
  white.Kind = TBrushSource::bkSolid;
  white.Color = 0x00FFFFFF;
  return FillDeviceRect(d, ToDeviceRect(d->S, *rect), white, R2_XORPEN) ? TRUE : FALSE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return FALSE;
  RECT r = ToDeviceRect(d->S, *rect);
  if (r.left >= r.right || r.top >= r.bottom) return TRUE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  // Only the sides that can show are walked.
  RECT box = pc.Clip().Box();
  int x0 = std::max(r.left, box.left - 1), x1 = std::min(r.right, box.right + 1);
  int y0 = std::max(r.top + 1, box.top - 1), y1 = std::min(r.bottom - 1, box.bottom + 1);
  // Every other pixel of the one-pixel frame, counted from the top-left corner, is inverted.
  std::vector<TSpan> dots;
  auto dot = [&](int x, int y) {
    if (((static_cast<long long>(x) - r.left) + (static_cast<long long>(y) - r.top)) % 2 == 0) dots.push_back({y, x, x + 1});
  };
  for (int x = x0; x < x1; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (int y = y0; y < y1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  TBrushSource white;
  white.Kind = TBrushSource::bkSolid;
  white.Color = 0x00FFFFFF;
  FillSpans(pc.Target(), std::move(dots), white, R2_XORPEN);
  return TRUE;
}

}  // namespace WinUserDraw
