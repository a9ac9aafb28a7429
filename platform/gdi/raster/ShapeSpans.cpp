#include "ShapeSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ShapeSpans {

std::vector<TSpan> RoundRectSpans(const RECT& box, int cw, int ch, const RECT& limit) {
  std::vector<TSpan> out;
  long long w = static_cast<long long>(box.right) - box.left, h = static_cast<long long>(box.bottom) - box.top;
  if (w <= 0 || h <= 0) return out;
  long long cw_ = std::clamp<long long>(std::llabs(cw), 0, w), ch_ = std::clamp<long long>(std::llabs(ch), 0, h);
  int rowFrom = std::max(box.top, limit.top), rowTo = std::min(box.bottom, limit.bottom);
  int left = std::max(box.left, limit.left - 1), right = std::min(box.right, limit.right + 1);
  if (left >= right) return out;
  if (cw_ < 2 || ch_ < 2) {
    for (int y = rowFrom; y < rowTo; ++y) out.push_back({y, left, right});
    return out;
  }
  // Corner ellipses are centred on pixel centres; a pixel is in when its centre lies within the
  // ellipse grown by half a pixel, so the shape touches all four sides of the box.
  double rx = (cw_ - 1) / 2.0, ry = (ch_ - 1) / 2.0;
  double cxl = box.left + rx, cxr = box.right - 1 - rx;
  double cyt = box.top + ry, cyb = box.bottom - 1 - ry;
  double ax = rx + 0.5, ay = ry + 0.5;
  for (int y = rowFrom; y < rowTo; ++y) {
    double dy = std::max({cyt - y, y - cyb, 0.0});
    if (dy <= 0) {
      out.push_back({y, left, right});
      continue;
    }
    double t = 1.0 - (dy / ay) * (dy / ay);
    if (t < 0) continue;
    double hw = ax * std::sqrt(t);
    int x0 = static_cast<int>(std::max<double>(std::ceil(cxl - hw - 1e-9), left));
    int x1 = static_cast<int>(std::min<double>(std::floor(cxr + hw + 1e-9) + 1, right));
    if (x0 < x1) out.push_back({y, x0, x1});
  }
  return out;
}

std::vector<TSpan> RoundRectOutline(const RECT& box, int cw, int ch, const RECT& limit) {
  // One row more on each side, so that the cut at the limit does not read as an edge.
  RECT wider{limit.left - 1, limit.top - 1, limit.right + 1, limit.bottom + 1};
  TPixelRegion shape = TPixelRegion::FromSpans(RoundRectSpans(box, cw, ch, wider));
  // Erode by one pixel in the four directions; what is lost is the outline.
  TPixelRegion inner = shape;
  const int d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const auto& o : d) {
    TPixelRegion moved = shape;
    moved.Offset(o[0], o[1]);
    inner = TPixelRegion::Combine(inner, moved, roAnd);
  }
  std::vector<TSpan> out;
  for (const RECT& r : TPixelRegion::Combine(shape, inner, roDiff).Rects())
    for (int y = r.top; y < r.bottom; ++y) out.push_back({y, r.left, r.right});
  return out;
}

std::vector<TSpan> PolygonSpans(const POINT* points, const int* counts, int polygons, int fillMode,
                                const RECT& limit) {
  struct TEdge {
    double X0, Y0, X1, Y1;
    int Dir;
  };
  std::vector<TEdge> edges;
  int top = INT32_MAX, bottom = INT32_MIN;
  const POINT* p = points;
  for (int k = 0; k < polygons; ++k) {
    int n = counts[k];
    for (int i = 0; i < n; ++i) {
      POINT a = p[i], b = p[(i + 1) % n];
      top = std::min<int>(top, a.y);
      bottom = std::max<int>(bottom, a.y);
      if (a.y == b.y) continue;
      if (a.y < b.y) edges.push_back({double(a.x), double(a.y), double(b.x), double(b.y), 1});
      else edges.push_back({double(b.x), double(b.y), double(a.x), double(a.y), -1});
    }
    p += n;
  }
  std::vector<TSpan> out;
  std::vector<std::pair<double, int>> xs;
  top = std::max<int>(top, limit.top);
  bottom = std::min<int>(bottom, limit.bottom);
  for (int y = top; y < bottom; ++y) {
    xs.clear();
    for (const TEdge& e : edges)
      if (e.Y0 <= y && y < e.Y1) xs.push_back({e.X0 + (y - e.Y0) * (e.X1 - e.X0) / (e.Y1 - e.Y0), e.Dir});
    std::sort(xs.begin(), xs.end());
    int wind = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      wind += xs[i].second;
      bool inside = fillMode == 2 ? wind != 0 : (i % 2) == 0;
      if (!inside) continue;
      double lo = limit.left - 1.0, hi = limit.right + 1.0;
      int x0 = static_cast<int>(std::ceil(std::clamp(xs[i].first, lo, hi) - 1e-9));
      int x1 = static_cast<int>(std::ceil(std::clamp(xs[i + 1].first, lo, hi) - 1e-9));
      if (x0 < x1) out.push_back({y, x0, x1});
    }
  }
  return out;
}

std::vector<POINT> LinePixels(POINT a, POINT b, const RECT& limit, long* skipped) {
  std::vector<POINT> out;
  long long dx = std::llabs(static_cast<long long>(b.x) - a.x), dy = std::llabs(static_cast<long long>(b.y) - a.y);
  int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  long long steps = std::max(dx, dy);
  // Only the steps whose major coordinate lies within the limit are walked.
  bool xMajor = dx >= dy;
  long long start = xMajor ? a.x : a.y, dir = xMajor ? sx : sy;
  long long lo = xMajor ? limit.left - 1 : limit.top - 1, hi = xMajor ? limit.right : limit.bottom;
  long long from = 0, to = steps;
  if (dir > 0) from = std::max(from, lo - start), to = std::min(to, hi - start + 1);
  else from = std::max(from, start - hi), to = std::min(to, start - lo + 1);
  if (skipped) *skipped = static_cast<long>(std::max(from, 0LL));
  if (from >= to) return out;
  out.reserve(static_cast<size_t>(to - from));
  // Walks the major axis and rounds the minor one to the nearest pixel, halves toward the start.
  for (long long i = from; i < to; ++i) {
    if (xMajor) {
      long long minor = dx ? (2 * i * dy + dx - 1) / (2 * dx) : 0;
      out.push_back(POINT{static_cast<LONG>(a.x + sx * i), static_cast<LONG>(a.y + sy * minor)});
    } else {
      long long minor = dy ? (2 * i * dx + dy - 1) / (2 * dy) : 0;
      out.push_back(POINT{static_cast<LONG>(a.x + sx * minor), static_cast<LONG>(a.y + sy * i)});
    }
  }
  return out;
}

}  // namespace ShapeSpans
