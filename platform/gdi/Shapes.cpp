// Lines and shapes: pixels, lines and polylines, polygons, rectangles, rounded rectangles, ellipses,
// arcs, chords, pies, Bezier curves and flood fills, with the pen and brush rules of the system.
#include <algorithm>
#include <cmath>
#include <deque>

#include "GdiPaths.h"
#include "GdiShapes.h"
#include "raster/ShapeSpans.h"

namespace GdiShapes {

namespace {

// The on/off runs of the cosmetic dash styles, in pixels.
const std::vector<int>* DashPattern(UINT style) {
  static const std::vector<int> dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6}, dashDotDot{9, 3, 3, 3, 3, 3}, alt{1, 1};
  switch (style) {
    case PS_DASH: return &dash;
    case PS_DOT: return &dot;
    case PS_DASHDOT: return &dashDot;
    case PS_DASHDOTDOT: return &dashDotDot;
    case PS_ALTERNATE: return &alt;
    default: return nullptr;
  }
}

std::vector<TSpan> Disc(POINT c, int width, const RECT& limit) {
  int r0 = width / 2;
  RECT box{c.x - r0, c.y - r0, c.x - r0 + width, c.y - r0 + width};
  return RoundRectSpans(box, width, width, limit);
}

}  // namespace

TPixelRegion WideStroke(const std::vector<POINT>& pts, bool closed, int width, UINT style, const RECT& limit) {
  std::vector<TSpan> spans;
  size_t n = pts.size();
  if (n == 0) return {};
  size_t segs = closed ? n : n - 1;
  double hw = width / 2.0;
  UINT cap = style & PS_ENDCAP_MASK, join = style & PS_JOIN_MASK;
  auto add = [&](const std::vector<std::pair<double, double>>& poly) {
    std::vector<POINT> q;
    for (auto [x, y] : poly) q.push_back(POINT{LONG(std::lround(x)), LONG(std::lround(y))});
    int count = static_cast<int>(q.size());
    std::vector<TSpan> part = PolygonSpans(q.data(), &count, 1, WINDING, limit);
    spans.insert(spans.end(), part.begin(), part.end());
  };
  // Each segment's band around the pixel centres; square caps reach half the width past open ends.
  for (size_t i = 0; i < segs; ++i) {
    POINT a = pts[i], b = pts[(i + 1) % n];
    double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len == 0) continue;
    double ux = dx / len, uy = dy / len, nx = -uy * hw, ny = ux * hw;
    double ax = a.x + 0.5, ay = a.y + 0.5, bx = b.x + 0.5, by = b.y + 0.5;
    if (cap == PS_ENDCAP_SQUARE && !closed) {
      if (i == 0) ax -= ux * hw, ay -= uy * hw;
      if (i + 1 == segs) bx += ux * hw, by += uy * hw;
    }
    add({{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}});
  }
  for (size_t i = 0; i < n; ++i) {
    bool end = !closed && (i == 0 || i + 1 == n);
    if (end ? cap == PS_ENDCAP_ROUND : join == PS_JOIN_ROUND) {
      std::vector<TSpan> d = Disc(pts[i], width, limit);
      spans.insert(spans.end(), d.begin(), d.end());
      continue;
    }
    if (end) continue;
    // Bevel and mitre joins fill the wedge between the two bands on the outer side.
    POINT p = pts[(i + n - 1) % n], v = pts[i], q = pts[(i + 1) % n];
    double d1x = v.x - p.x, d1y = v.y - p.y, d2x = q.x - v.x, d2y = q.y - v.y;
    double l1 = std::hypot(d1x, d1y), l2 = std::hypot(d2x, d2y);
    if (l1 == 0 || l2 == 0) continue;
    double n1x = -d1y / l1 * hw, n1y = d1x / l1 * hw, n2x = -d2y / l2 * hw, n2y = d2x / l2 * hw;
    double cx = v.x + 0.5, cy = v.y + 0.5;
    for (int side : {1, -1}) {
      double ax = cx + side * n1x, ay = cy + side * n1y, bx = cx + side * n2x, by = cy + side * n2y;
      std::vector<std::pair<double, double>> wedge{{cx, cy}, {ax, ay}, {bx, by}};
      if (join == PS_JOIN_MITER) {
        double mx = n1x + n2x, my = n1y + n2y, ml = std::hypot(mx, my);
        double cosHalf = ml / (2 * hw);
        if (ml > 0 && cosHalf > 0.1) {  // within the mitre limit of 10
          double reach = hw / cosHalf;
          wedge = {{cx, cy}, {ax, ay}, {cx + side * mx / ml * reach, cy + side * my / ml * reach}, {bx, by}};
        }
      }
      add(wedge);
    }
  }
  return TPixelRegion::FromSpans(std::move(spans));
}

RECT Limit(const TPaintContext& pc, int grow) {
  RECT b = pc.Clip().Box();
  return RECT{b.left - grow, b.top - grow, b.right + grow, b.bottom + grow};
}

void StrokeDevice(const TPaintContext& pc, const std::vector<POINT>& pts, bool closed) {
  TDCObj* d = pc.DC();
  const TPenObj* pen = d->S.Pen;
  if (!pen || pen->DashStyle() == PS_NULL || pts.empty()) return;
  TBrushSource ink = SolidSource(d, PenColor(d, pen));
  int width = ToDeviceWidth(d->S, pen->Width);
  if (width > 1) {
    FillRegion(pc.Target(), WideStroke(pts, closed, width, pen->Style, Limit(pc, 1)), ink, d->S.Rop2);
    return;
  }
  const std::vector<int>* dash = DashPattern(pen->DashStyle());
  std::vector<TSpan> on, off;
  size_t runIndex = 0;
  int runLeft = dash ? (*dash)[0] : 0;
  size_t n = pts.size();
  size_t segs = closed ? n : n - 1;
  RECT limit = Limit(pc, 1);
  int period = 0;
  if (dash)
    for (int len : *dash) period += len;
  long walked = 0;  // pixels of the line so far, clipped or not: the dash phase runs on
  for (size_t i = 0; i < segs; ++i) {
    POINT a = pts[i], b = pts[(i + 1) % n];
    long skipped = 0;
    std::vector<POINT> pixels = LinePixels(a, b, limit, &skipped);
    if (dash) {
      long phase = (walked + skipped) % period;
      runIndex = 0;
      runLeft = (*dash)[0];
      while (phase >= runLeft) {
        phase -= runLeft;
        runIndex = (runIndex + 1) % dash->size();
        runLeft = (*dash)[runIndex];
      }
      runLeft -= static_cast<int>(phase);
    }
    walked += static_cast<long>(std::max(std::labs(long(b.x) - a.x), std::labs(long(b.y) - a.y)));
    for (POINT p : pixels) {
      bool ink_ = !dash || runIndex % 2 == 0;
      (ink_ ? on : off).push_back({p.y, p.x, p.x + 1});
      if (dash && --runLeft == 0) {
        runIndex = (runIndex + 1) % dash->size();
        runLeft = (*dash)[runIndex];
      }
    }
  }
  if (!closed && n == 1) on.push_back({pts[0].y, pts[0].x, pts[0].x + 1});
  FillSpans(pc.Target(), std::move(on), ink, d->S.Rop2);
  if (!off.empty() && d->S.BkMode == OPAQUE) FillSpans(pc.Target(), std::move(off), SolidSource(d, d->S.BkColor), d->S.Rop2);
}

void FillDevicePolygons(const TPaintContext& pc, const std::vector<POINT>& pts, const std::vector<int>& counts) {
  TDCObj* d = pc.DC();
  TBrushSource brush = BrushSource(d, d->S.Brush);
  if (brush.Kind == TBrushSource::bkNone) return;
  FillSpans(pc.Target(),
            PolygonSpans(pts.data(), counts.data(), static_cast<int>(counts.size()), d->S.PolyFillMode, Limit(pc, 1)),
            brush, d->S.Rop2);
}

std::vector<POINT> FlattenBeziers(POINT p0, const POINT* p, int count) {
  std::vector<POINT> out;
  POINT cur = p0;
  for (int i = 0; i + 2 < count; i += 3) {
    POINT c1 = p[i], c2 = p[i + 1], e = p[i + 2];
    double len = std::hypot(c1.x - cur.x, c1.y - cur.y) + std::hypot(c2.x - c1.x, c2.y - c1.y) +
                 std::hypot(e.x - c2.x, e.y - c2.y);
    int steps = std::clamp(static_cast<int>(len / 3), 2, 200);
    for (int k = 1; k <= steps; ++k) {
      double t = double(k) / steps, u = 1 - t;
      double x = u * u * u * cur.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * e.x;
      double y = u * u * u * cur.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * e.y;
      out.push_back(POINT{LONG(std::lround(x)), LONG(std::lround(y))});
    }
    cur = e;
  }
  return out;
}

}  // namespace GdiShapes

namespace {

std::vector<POINT> ToDevicePoints(const TDCObj* d, const POINT* pts, int count) {
  std::vector<POINT> out(static_cast<size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) out[i] = ToDevice(d->S, pts[i]);
  return out;
}

bool NoPen(const TDCObj* d) { return !d->S.Pen || d->S.Pen->DashStyle() == PS_NULL; }

// A closed figure of the ellipse inscribed in a device box, for paths and regions from paths.
std::vector<POINT> EllipseFigure(const RECT& box) {
  std::vector<POINT> out;
  double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  double rx = (box.right - box.left) / 2.0, ry = (box.bottom - box.top) / 2.0;
  int steps = std::clamp(static_cast<int>((rx + ry) * 2), 8, 360);
  for (int i = 0; i < steps; ++i) {
    double a = 2 * M_PI * i / steps;
    out.push_back(POINT{LONG(std::lround(cx + rx * std::cos(a))), LONG(std::lround(cy - ry * std::sin(a)))});
  }
  return out;
}

// The box of a shape call in device pixels, and how far a wide pen reaches out of it.
struct TShapeBox {
  RECT Box;
  int PenWidth = 0;  // 0: no pen
  bool InsideFrame = false;
};

TShapeBox ShapeBox(const TDCObj* d, int left, int top, int right, int bottom) {
  TShapeBox s;
  s.Box = ToDeviceRect(d->S, RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                  std::max(top, bottom)});
  if (!NoPen(d)) {
    s.PenWidth = std::max(1, ToDeviceWidth(d->S, d->S.Pen->Width));
    s.InsideFrame = d->S.Pen->DashStyle() == PS_INSIDEFRAME;
  } else {
    // Without a pen the figure is one pixel smaller on its right and bottom.
    s.Box.right -= 1;
    s.Box.bottom -= 1;
  }
  return s;
}

// Draws a shape given as (outer box, corner size) with the pen's outline and the brush's interior.
void PaintRounded(TDCObj* d, const TShapeBox& sb, int cw, int ch, bool ellipse) {
  TPaintContext pc(d);
  if (!pc.Ok()) return;
  const RECT& b = sb.Box;
  auto corners = [&](const RECT&, int grow) {
    return ellipse ? std::pair<int, int>(INT32_MAX, INT32_MAX)
                   : std::pair<int, int>(std::max(cw + grow, 0), std::max(ch + grow, 0));
  };
  if (sb.PenWidth == 0) {
    auto [w, h] = corners(b, 0);
    FillSpans(pc.Target(), RoundRectSpans(b, w, h, Limit(pc, 1)), BrushSource(d, d->S.Brush), d->S.Rop2);
    return;
  }
  int w = sb.PenWidth;
  RECT outer = sb.InsideFrame || w == 1 ? b : RECT{b.left - w / 2, b.top - w / 2, b.right + (w - 1) / 2, b.bottom + (w - 1) / 2};
  auto [ow, oh] = corners(outer, sb.InsideFrame || w == 1 ? 0 : w - 1);
  RECT limit = Limit(pc, 1);
  TPixelRegion shape = TPixelRegion::FromSpans(RoundRectSpans(outer, ow, oh, limit));
  TPixelRegion ring;
  if (w == 1 && d->S.Pen->DashStyle() != PS_SOLID && d->S.Pen->DashStyle() != PS_INSIDEFRAME) {
    ring = TPixelRegion::FromSpans(RoundRectOutline(outer, ow, oh, limit));
  } else {
    RECT inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    auto [iw, ih] = corners(inner, -(w + 1));
    TPixelRegion in = w == 1 ? TPixelRegion::Combine(shape, TPixelRegion::FromSpans(RoundRectOutline(outer, ow, oh, limit)), roDiff)
                             : TPixelRegion::FromSpans(RoundRectSpans(inner, iw, ih, limit));
    ring = TPixelRegion::Combine(shape, in, roDiff);
  }
  TPixelRegion interior = TPixelRegion::Combine(shape, ring, roDiff);
  FillRegion(pc.Target(), interior, BrushSource(d, d->S.Brush), d->S.Rop2);
  FillRegion(pc.Target(), ring, SolidSource(d, PenColor(d, d->S.Pen)), d->S.Rop2);
}

double AngleOf(double cx, double cy, double x, double y) {
  double a = std::atan2(-(y - cy), x - cx);
  return a < 0 ? a + 2 * M_PI : a;
}

// Arcs, chords and pies: kind 0 arc, 1 chord, 2 pie.
BOOL ArcShape(HDC dc, int kind, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  RECT box = ToDeviceRect(d->S, RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                     std::max(top, bottom)});
  if (box.right <= box.left || box.bottom <= box.top) return TRUE;
  POINT ps = ToDevice(d->S, POINT{xs, ys}), pe = ToDevice(d->S, POINT{xe, ye});
  double cx = (double(box.left) + box.right - 1) / 2.0, cy = (double(box.top) + box.bottom - 1) / 2.0;
  double a0 = AngleOf(cx, cy, ps.x, ps.y), a1 = AngleOf(cx, cy, pe.x, pe.y);
  if (d->S.ArcDirection == AD_CLOCKWISE) std::swap(a0, a1);
  double sweep = std::fmod(a1 - a0 + 4 * M_PI, 2 * M_PI);
  if (sweep < 1e-9) sweep = 2 * M_PI;
  auto within = [&](int x, int y) { return std::fmod(AngleOf(cx, cy, x, y) - a0 + 4 * M_PI, 2 * M_PI) <= sweep + 1e-9; };
  // The points where the arc starts and ends, on the ellipse.
  double rx = (double(box.right) - box.left - 1) / 2.0, ry = (double(box.bottom) - box.top - 1) / 2.0;
  auto onEllipse = [&](double a) {
    return POINT{LONG(std::lround(cx + rx * std::cos(a))), LONG(std::lround(cy - ry * std::sin(a)))};
  };
  POINT start = onEllipse(a0), end = onEllipse(a0 + sweep);
  POINT centre{LONG(std::lround(cx)), LONG(std::lround(cy))};
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  const int w = INT32_MAX, h = INT32_MAX;  // corners as large as the box: the ellipse
  if (kind != 0) {
    std::vector<TSpan> inside;
    for (const TSpan& s : RoundRectSpans(box, w, h, Limit(pc, 1)))
      for (int x = s.X0; x < s.X1; ++x) {
        bool in;
        if (kind == 2) in = within(x, s.Y);
        else  // chord: the side of the chord line that the arc is on
          in = ((end.x - start.x) * (s.Y - start.y) - (end.y - start.y) * (x - start.x)) <= 0;
        if (in) inside.push_back({s.Y, x, x + 1});
      }
    FillSpans(pc.Target(), std::move(inside), BrushSource(d, d->S.Brush), d->S.Rop2);
  }
  if (NoPen(d)) return TRUE;
  std::vector<TSpan> outline;
  for (const TSpan& s : RoundRectOutline(box, w, h, Limit(pc, 1)))
    for (int x = s.X0; x < s.X1; ++x)
      if (within(x, s.Y)) outline.push_back({s.Y, x, x + 1});
  auto addLine = [&](POINT a, POINT b) {
    for (POINT p : LinePixels(a, b, Limit(pc, 1))) outline.push_back({p.y, p.x, p.x + 1});
  };
  if (kind == 1) addLine(start, end);
  if (kind == 2) {
    addLine(centre, start);
    addLine(centre, end);
  }
  FillSpans(pc.Target(), std::move(outline), SolidSource(d, PenColor(d, d->S.Pen)), d->S.Rop2);
  return TRUE;
}

}  // namespace

namespace WinGdi {

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  TDCObj* d = DCOf(dc);
  if (!d) return CLR_INVALID;
  TPaintContext pc(d);
  if (!pc.Ok()) return CLR_INVALID;
  POINT p = ToDevice(d->S, POINT{x, y});
  if (!pc.Clip().Contains(p.x, p.y)) return CLR_INVALID;
  uint32_t pixel = ColorPixel(d, color);
  pc.Target().Surface->SetPixel(p.x + d->Origin.x, p.y + d->Origin.y, pixel);
  return PixelToColor(pixel);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) { return SetPixel(dc, x, y, color) != CLR_INVALID; }

COLORREF GetPixel(HDC dc, int x, int y) {
  TDCObj* d = DCOf(dc);
  if (!d) return CLR_INVALID;
  TPaintContext pc(d);
  if (!pc.Ok()) return CLR_INVALID;
  POINT p = ToDevice(d->S, POINT{x, y});
  if (!pc.Clip().Contains(p.x, p.y)) return CLR_INVALID;
  return PixelToColor(pc.Target().Surface->Pixel(p.x + d->Origin.x, p.y + d->Origin.y));
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* old) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  if (old) *old = d->S.CurPos;
  d->S.CurPos = POINT{x, y};
  if (Recording(d)) PathMoveTo(d, ToDevice(d->S, d->S.CurPos));
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, POINT* point) {
  TDCObj* d = DCOf(dc);
  if (!d || !point) return FALSE;
  *point = d->S.CurPos;
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  POINT from = ToDevice(d->S, d->S.CurPos), to = ToDevice(d->S, POINT{x, y});
  d->S.CurPos = POINT{x, y};
  if (Recording(d)) {
    if (d->S.Path.Points.empty()) PathMoveTo(d, from);
    PathLineTo(d, to);
    return TRUE;
  }
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  StrokeDevice(pc, {from, to}, false);
  return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
  TDCObj* d = DCOf(dc);
  if (!d || !points || count < 2) return FALSE;
  std::vector<POINT> pts = ToDevicePoints(d, points, count);
  if (Recording(d)) {
    PathMoveTo(d, pts[0]);
    for (int i = 1; i < count; ++i) PathLineTo(d, pts[i]);
    return TRUE;
  }
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  StrokeDevice(pc, pts, false);
  return TRUE;
}

BOOL PolylineTo(HDC dc, const POINT* points, DWORD count) {
  TDCObj* d = DCOf(dc);
  if (!d || !points || count == 0) return FALSE;
  std::vector<POINT> pts{d->S.CurPos};
  pts.insert(pts.end(), points, points + count);
  d->S.CurPos = points[count - 1];
  return Polyline(dc, pts.data(), static_cast<int>(pts.size()));
}

BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines) {
  if (!DCOf(dc) || !points || !counts) return FALSE;
  for (DWORD i = 0; i < polylines; ++i) {
    if (counts[i] < 2) return FALSE;
    Polyline(dc, points, static_cast<int>(counts[i]));
    points += counts[i];
  }
  return TRUE;
}

BOOL PolyBezier(HDC dc, const POINT* points, DWORD count) {
  TDCObj* d = DCOf(dc);
  if (!d || !points || count < 4 || (count - 1) % 3 != 0) return FALSE;
  std::vector<POINT> dev = ToDevicePoints(d, points, static_cast<int>(count));
  if (Recording(d)) {
    PathMoveTo(d, dev[0]);
    PathBezierTo(d, dev.data() + 1, static_cast<int>(count - 1));
    return TRUE;
  }
  std::vector<POINT> line{dev[0]};
  std::vector<POINT> flat = FlattenBeziers(dev[0], dev.data() + 1, static_cast<int>(count - 1));
  line.insert(line.end(), flat.begin(), flat.end());
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  StrokeDevice(pc, line, false);
  return TRUE;
}

BOOL PolyBezierTo(HDC dc, const POINT* points, DWORD count) {
  TDCObj* d = DCOf(dc);
  if (!d || !points || count < 3 || count % 3 != 0) return FALSE;
  std::vector<POINT> pts{d->S.CurPos};
  pts.insert(pts.end(), points, points + count);
  d->S.CurPos = points[count - 1];
  return PolyBezier(dc, pts.data(), static_cast<DWORD>(pts.size()));
}

BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygons) {
  TDCObj* d = DCOf(dc);
  if (!d || !points || !counts || polygons <= 0) return FALSE;
  int total = 0;
  for (int i = 0; i < polygons; ++i) {
    if (counts[i] < 2) return FALSE;
    total += counts[i];
  }
  std::vector<POINT> pts = ToDevicePoints(d, points, total);
  std::vector<int> cnt(counts, counts + polygons);
  if (Recording(d)) {
    size_t at = 0;
    for (int c : cnt) {
      PathFigure(d, std::vector<POINT>(pts.begin() + at, pts.begin() + at + c));
      at += c;
    }
    return TRUE;
  }
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  FillDevicePolygons(pc, pts, cnt);
  size_t at = 0;
  for (int c : cnt) {
    StrokeDevice(pc, std::vector<POINT>(pts.begin() + at, pts.begin() + at + c), true);
    at += c;
  }
  return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count) { return PolyPolygon(dc, points, &count, 1); }

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  if (Recording(d)) {
    RECT r = ToDeviceRect(d->S, RECT{left, top, right, bottom});
    PathFigure(d, {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
    return TRUE;
  }
  TShapeBox sb = ShapeBox(d, left, top, right, bottom);
  if (sb.PenWidth > 1 || sb.PenWidth == 0 || d->S.Pen->DashStyle() == PS_SOLID || d->S.Pen->DashStyle() == PS_INSIDEFRAME) {
    PaintRounded(d, sb, 0, 0, false);
    return TRUE;
  }
  // Dashed outlines run around the box, one pixel inside its right and bottom edges.
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  const RECT& b = sb.Box;
  FillRect(pc.Target(), RECT{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, BrushSource(d, d->S.Brush), d->S.Rop2);
  StrokeDevice(pc, {{b.left, b.top}, {b.right - 1, b.top}, {b.right - 1, b.bottom - 1}, {b.left, b.bottom - 1}}, true);
  return TRUE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  if (Recording(d)) return Rectangle(dc, left, top, right, bottom);
  PaintRounded(d, ShapeBox(d, left, top, right, bottom), ToDeviceWidth(d->S, width), ToDeviceWidth(d->S, height), false);
  return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  if (Recording(d)) {
    PathFigure(d, EllipseFigure(ToDeviceRect(d->S, RECT{left, top, right, bottom})));
    return TRUE;
  }
  PaintRounded(d, ShapeBox(d, left, top, right, bottom), 0, 0, true);
  return TRUE;
}

BOOL Arc(HDC dc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return ArcShape(dc, 0, l, t, r, b, xs, ys, xe, ye); }
BOOL Chord(HDC dc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return ArcShape(dc, 1, l, t, r, b, xs, ys, xe, ye); }
BOOL Pie(HDC dc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return ArcShape(dc, 2, l, t, r, b, xs, ys, xe, ye); }

BOOL ArcTo(HDC dc, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  BOOL ok = ArcShape(dc, 0, l, t, r, b, xs, ys, xe, ye);
  d->S.CurPos = POINT{xe, ye};
  return ok;
}

BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  POINT start = ToDevice(d->S, POINT{x, y});
  if (!pc.Clip().Contains(start.x, start.y)) return FALSE;
  const TGdiSurface& s = *pc.Target().Surface;
  POINT o = d->Origin;
  uint32_t key = ColorPixel(d, color) & 0x00FFFFFF;
  auto fillable = [&](int px, int py) {
    if (!pc.Clip().Contains(px, py)) return false;
    bool same = (s.Pixel(px + o.x, py + o.y) & 0x00FFFFFF) == key;
    return type == FLOODFILLSURFACE ? same : !same;
  };
  if (!fillable(start.x, start.y)) return FALSE;
  RECT box = pc.Clip().Box();
  int w = box.right - box.left;
  std::vector<uint8_t> seen(static_cast<size_t>(w) * (box.bottom - box.top), 0);
  std::vector<TSpan> spans;
  std::deque<POINT> todo{start};
  while (!todo.empty()) {
    POINT p = todo.front();
    todo.pop_front();
    size_t idx = static_cast<size_t>(p.y - box.top) * w + (p.x - box.left);
    if (seen[idx] || !fillable(p.x, p.y)) continue;
    seen[idx] = 1;
    spans.push_back({p.y, p.x, p.x + 1});
    if (p.x > box.left) todo.push_back({p.x - 1, p.y});
    if (p.x + 1 < box.right) todo.push_back({p.x + 1, p.y});
    if (p.y > box.top) todo.push_back({p.x, p.y - 1});
    if (p.y + 1 < box.bottom) todo.push_back({p.x, p.y + 1});
  }
  FillSpans(pc.Target(), std::move(spans), BrushSource(d, d->S.Brush), R2_COPYPEN);
  return TRUE;
}

}  // namespace WinGdi
