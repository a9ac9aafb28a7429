#include "RegionBands.h"

#include <algorithm>
#include <climits>

namespace RegionBands {

namespace {

bool Keep(TRegionOp op, bool a, bool b) {
  switch (op) {
    case roAnd: return a && b;
    case roOr: return a || b;
    case roXor: return a != b;
    case roDiff: return a && !b;
  }
  return false;
}

// Combines two interval lists by walking their boundaries in order.
std::vector<int> CombineIntervals(const std::vector<int>* a, const std::vector<int>* b, TRegionOp op) {
  static const std::vector<int> none;
  const std::vector<int>& xa = a ? *a : none;
  const std::vector<int>& xb = b ? *b : none;
  std::vector<int> out;
  size_t ia = 0, ib = 0;
  bool inA = false, inB = false, inOut = false;
  while (ia < xa.size() || ib < xb.size()) {
    int x = INT_MAX;
    if (ia < xa.size()) x = xa[ia];
    if (ib < xb.size()) x = std::min(x, xb[ib]);
    while (ia < xa.size() && xa[ia] == x) { inA = !inA; ++ia; }
    while (ib < xb.size() && xb[ib] == x) { inB = !inB; ++ib; }
    bool now = Keep(op, inA, inB);
    if (now != inOut) {
      // Touching intervals join: drop a boundary that closes and reopens at the same x.
      if (!out.empty() && out.back() == x) out.pop_back();
      else out.push_back(x);
      inOut = now;
    }
  }
  return out;
}

}  // namespace

TPixelRegion::TPixelRegion(const RECT& r) {
  if (r.left < r.right && r.top < r.bottom) FBands.push_back({r.top, r.bottom, {r.left, r.right}});
}

void TPixelRegion::AppendBand(int top, int bottom, std::vector<int>&& x) {
  if (x.empty() || top >= bottom) return;
  if (!FBands.empty() && FBands.back().Bottom == top && FBands.back().X == x) {
    FBands.back().Bottom = bottom;
    return;
  }
  FBands.push_back({top, bottom, std::move(x)});
}

TPixelRegion TPixelRegion::FromSpans(std::vector<TSpan> spans) {
  std::sort(spans.begin(), spans.end(), [](const TSpan& a, const TSpan& b) {
    return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0;
  });
  TPixelRegion r;
  size_t i = 0;
  while (i < spans.size()) {
    int y = spans[i].Y;
    std::vector<int> x;
    for (; i < spans.size() && spans[i].Y == y; ++i) {
      const TSpan& s = spans[i];
      if (s.X0 >= s.X1) continue;
      if (!x.empty() && s.X0 <= x.back()) x.back() = std::max(x.back(), s.X1);
      else { x.push_back(s.X0); x.push_back(s.X1); }
    }
    r.AppendBand(y, y + 1, std::move(x));
  }
  return r;
}

TPixelRegion TPixelRegion::Combine(const TPixelRegion& a, const TPixelRegion& b, TRegionOp op) {
  std::vector<int> ys;
  ys.reserve(2 * (a.FBands.size() + b.FBands.size()));
  for (const TBand& band : a.FBands) { ys.push_back(band.Top); ys.push_back(band.Bottom); }
  for (const TBand& band : b.FBands) { ys.push_back(band.Top); ys.push_back(band.Bottom); }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  TPixelRegion r;
  size_t ia = 0, ib = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    int y0 = ys[k], y1 = ys[k + 1];
    while (ia < a.FBands.size() && a.FBands[ia].Bottom <= y0) ++ia;
    while (ib < b.FBands.size() && b.FBands[ib].Bottom <= y0) ++ib;
    const std::vector<int>* xa = ia < a.FBands.size() && a.FBands[ia].Top <= y0 ? &a.FBands[ia].X : nullptr;
    const std::vector<int>* xb = ib < b.FBands.size() && b.FBands[ib].Top <= y0 ? &b.FBands[ib].X : nullptr;
    if (!xa && !xb) continue;
    r.AppendBand(y0, y1, CombineIntervals(xa, xb, op));
  }
  return r;
}

RECT TPixelRegion::Box() const {
  if (FBands.empty()) return RECT{};
  RECT r{INT_MAX, FBands.front().Top, INT_MIN, FBands.back().Bottom};
  for (const TBand& b : FBands) {
    r.left = std::min(r.left, b.X.front());
    r.right = std::max(r.right, b.X.back());
  }
  return r;
}

int TPixelRegion::Kind() const {
  if (FBands.empty()) return 1;                    // NULLREGION
  if (FBands.size() == 1 && FBands[0].X.size() == 2) return 2;  // SIMPLEREGION
  return 3;                                        // COMPLEXREGION
}

bool TPixelRegion::Contains(int x, int y) const {
  auto it = std::upper_bound(FBands.begin(), FBands.end(), y, [](int v, const TBand& b) { return v < b.Bottom; });
  if (it == FBands.end() || it->Top > y) return false;
  auto xi = std::upper_bound(it->X.begin(), it->X.end(), x);
  return ((xi - it->X.begin()) & 1) != 0;
}

bool TPixelRegion::Intersects(const RECT& r) const {
  if (r.left >= r.right || r.top >= r.bottom) return false;
  for (const TBand& b : FBands) {
    if (b.Bottom <= r.top) continue;
    if (b.Top >= r.bottom) break;
    for (size_t i = 0; i < b.X.size(); i += 2)
      if (b.X[i] < r.right && b.X[i + 1] > r.left) return true;
  }
  return false;
}

void TPixelRegion::Offset(int dx, int dy) {
  for (TBand& b : FBands) {
    b.Top += dy;
    b.Bottom += dy;
    for (int& x : b.X) x += dx;
  }
}

std::vector<RECT> TPixelRegion::Rects() const {
  std::vector<RECT> out;
  for (const TBand& b : FBands)
    for (size_t i = 0; i < b.X.size(); i += 2) out.push_back(RECT{b.X[i], b.Top, b.X[i + 1], b.Bottom});
  return out;
}

std::vector<RECT> TPixelRegion::RectsWithin(const RECT& r) const {
  std::vector<RECT> out;
  ForEachRectWithin(r, [&out](const RECT& c) { out.push_back(c); });
  return out;
}

}  // namespace RegionBands
