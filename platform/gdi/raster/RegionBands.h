// The pixel sets behind regions and clipping: y-x banded rectangles. A band covers the rows
// Top <= y < Bottom with the same sorted, disjoint, non-touching x-intervals [X[2i], X[2i+1]);
// bands are sorted, never empty, and two touching bands never have equal intervals, so that
// equal pixel sets have equal representations.
#pragma once

#include <cstddef>
#include <vector>

#include "WinDef.h"

namespace RegionBands {

struct TBand {
  int Top = 0;
  int Bottom = 0;
  std::vector<int> X;
  friend bool operator==(const TBand&, const TBand&) = default;
};

// One row's run of pixels [X0, X1) on row Y.
struct TSpan {
  int Y;
  int X0;
  int X1;
};

enum TRegionOp { roAnd = 1, roOr = 2, roXor = 3, roDiff = 4 };

class TPixelRegion {
 public:
  TPixelRegion() = default;
  explicit TPixelRegion(const RECT& r);           // an empty or inverted rectangle is empty
  // The union of spans given in any order (overlaps allowed).
  static TPixelRegion FromSpans(std::vector<TSpan> spans);
  static TPixelRegion Combine(const TPixelRegion& a, const TPixelRegion& b, TRegionOp op);

  bool Empty() const { return FBands.empty(); }
  RECT Box() const;
  int Kind() const;                               // NULLREGION, SIMPLEREGION or COMPLEXREGION
  bool Contains(int x, int y) const;
  bool Intersects(const RECT& r) const;
  void Offset(int dx, int dy);
  std::vector<RECT> Rects() const;                // y-x banded
  // The region's rectangles that meet `r`, cut to it.
  std::vector<RECT> RectsWithin(const RECT& r) const;
  // The same rectangles handed to f one by one, in y-x order, without a list.
  template <class F>
  void ForEachRectWithin(const RECT& r, F&& f) const {
    if (r.left >= r.right || r.top >= r.bottom) return;
    for (const TBand& b : FBands) {
      if (b.Bottom <= r.top) continue;
      if (b.Top >= r.bottom) break;
      const int top = b.Top > r.top ? b.Top : r.top, bottom = b.Bottom < r.bottom ? b.Bottom : r.bottom;
      for (std::size_t i = 0; i < b.X.size(); i += 2) {
        const int left = b.X[i] > r.left ? b.X[i] : r.left, right = b.X[i + 1] < r.right ? b.X[i + 1] : r.right;
        if (left < right) f(RECT{left, top, right, bottom});
      }
    }
  }
  const std::vector<TBand>& Bands() const { return FBands; }
  friend bool operator==(const TPixelRegion&, const TPixelRegion&) = default;

 private:
  void AppendBand(int top, int bottom, std::vector<int>&& x);
  std::vector<TBand> FBands;
};

}  // namespace RegionBands

using namespace RegionBands;
