#include "ShapeSpans.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ShapeSpans {

std::vector<TSpan> RoundRectSpans(const RECT& box, int cw, int ch) {
  std::vector<TSpan> out;
  int w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0) return out;
  cw = std::clamp(std::abs(cw), 0, w);
  ch = std::clamp(std::abs(ch), 0, h);
  if (cw < 2 || ch < 2) {
    for (int y = box.top; y < box.bottom; ++y) out.push_back({y, box.left, box.right});
    return out;
  }
  // Corner ellipses are centred on pixel centres; a pixel is in when its centre lies within the
  // ellipse grown by half a pixel, so the shape touches all four sides of the box.
  double rx = (cw - 1) / 2.0, ry = (ch - 1) / 2.0;
  double cxl = box.left + rx, cxr = box.right - 1 - rx;
  double cyt = box.top + ry, cyb = box.bottom - 1 - ry;
  double ax = rx + 0.5, ay = ry + 0.5;
  for (int y = box.top; y < box.bottom; ++y) {
    double dy = std::max({cyt - y, y - cyb, 0.0});
    if (dy <= 0) {
      out.push_back({y, box.left, box.right});
      continue;
    }
    double t = 1.0 - (dy / ay) * (dy / ay);
    if (t < 0) continue;
    double hw = ax * std::sqrt(t);
    int x0 = static_cast<int>(std::ceil(cxl - hw - 1e-9));
    int x1 = static_cast<int>(std::floor(cxr + hw + 1e-9)) + 1;
    x0 = std::max(x0, static_cast<int>(box.left));
    x1 = std::min(x1, static_cast<int>(box.right));
    if (x0 < x1) out.push_back({y, x0, x1});
  }
  return out;
}

std::vector<TSpan> RoundRectOutline(const RECT& box, int cw, int ch) {
  TPixelRegion shape = TPixelRegion::FromSpans(RoundRectSpans(box, cw, ch));
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

std::vector<TSpan> PolygonSpans(const POINT* points, const int* counts, int polygons, int fillMode) {
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
      int x0 = static_cast<int>(std::ceil(xs[i].first - 1e-9));
      int x1 = static_cast<int>(std::ceil(xs[i + 1].first - 1e-9));
      if (x0 < x1) out.push_back({y, x0, x1});
    }
  }
  return out;
}

std::vector<POINT> LinePixels(POINT a, POINT b) {
  std::vector<POINT> out;
  long dx = std::labs(long(b.x) - a.x), dy = std::labs(long(b.y) - a.y);
  int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  long steps = std::max(dx, dy);
  out.reserve(static_cast<size_t>(steps));
  // Walks the major axis and rounds the minor one to the nearest pixel, halves toward the start.
  for (long i = 0; i < steps; ++i) {
    if (dx >= dy) {
      long num = 2 * i * dy + dx - 1;
      long minor = dx ? num / (2 * dx) : 0;
      out.push_back(POINT{static_cast<LONG>(a.x + sx * i), static_cast<LONG>(a.y + sy * minor)});
    } else {
      long num = 2 * i * dx + dy - 1;
      long minor = dy ? num / (2 * dy) : 0;
      out.push_back(POINT{static_cast<LONG>(a.x + sx * minor), static_cast<LONG>(a.y + sy * i)});
    }
  }
  return out;
}

}  // namespace ShapeSpans
