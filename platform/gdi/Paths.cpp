// Paths: recording figures between BeginPath and EndPath, then stroking, filling, widening them or
// turning them into regions and clip regions.
#include <algorithm>

#include "GdiPaths.h"
#include "GdiRegions.h"
#include "GdiShapes.h"
#include "raster/ShapeSpans.h"

namespace GdiPaths {

bool Recording(const TDCObj* dc) { return dc->S.Path.State == TPath::psOpen; }

void PathMoveTo(TDCObj* dc, POINT p) {
  dc->S.Path.Points.push_back(p);
  dc->S.Path.Types.push_back(PT_MOVETO);
}

void PathLineTo(TDCObj* dc, POINT p) {
  dc->S.Path.Points.push_back(p);
  dc->S.Path.Types.push_back(PT_LINETO);
}

void PathBezierTo(TDCObj* dc, const POINT* p, int count) {
  for (int i = 0; i + 2 < count; i += 3)
    for (int k = 0; k < 3; ++k) {
      dc->S.Path.Points.push_back(p[i + k]);
      dc->S.Path.Types.push_back(PT_BEZIERTO);
    }
}

void PathCloseFigure(TDCObj* dc) {
  if (!dc->S.Path.Types.empty()) dc->S.Path.Types.back() |= PT_CLOSEFIGURE;
}

void PathFigure(TDCObj* dc, const std::vector<POINT>& pts) {
  if (pts.empty()) return;
  PathMoveTo(dc, pts[0]);
  for (size_t i = 1; i < pts.size(); ++i) PathLineTo(dc, pts[i]);
  PathCloseFigure(dc);
}

}  // namespace GdiPaths

namespace {

struct TFigure {
  std::vector<POINT> Points;
  bool Closed = false;
};

// The path's figures with curves flattened to lines.
std::vector<TFigure> Figures(const TPath& path) {
  std::vector<TFigure> out;
  const auto& pts = path.Points;
  const auto& types = path.Types;
  for (size_t i = 0; i < pts.size(); ++i) {
    BYTE t = types[i] & ~PT_CLOSEFIGURE;
    if (t == PT_MOVETO || out.empty()) out.push_back({});
    TFigure& f = out.back();
    if (t == PT_BEZIERTO && i + 2 < pts.size() && !f.Points.empty()) {
      std::vector<POINT> flat = FlattenBeziers(f.Points.back(), &pts[i], 3);
      f.Points.insert(f.Points.end(), flat.begin(), flat.end());
      i += 2;
    } else {
      f.Points.push_back(pts[i]);
    }
    if (types[i] & PT_CLOSEFIGURE) f.Closed = true;
  }
  return out;
}

TDCObj* ClosedPathDC(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d && d->S.Path.State == TPath::psClosed ? d : nullptr;
}

void Consume(TDCObj* d) { d->S.Path = TPath{}; }

TPixelRegion PathRegion(const TDCObj* d) {
  std::vector<POINT> pts;
  std::vector<int> counts;
  for (const TFigure& f : Figures(d->S.Path)) {
    if (f.Points.size() < 2) continue;
    pts.insert(pts.end(), f.Points.begin(), f.Points.end());
    counts.push_back(static_cast<int>(f.Points.size()));
  }
  if (counts.empty()) return {};
  return TPixelRegion::FromSpans(PolygonSpans(pts.data(), counts.data(), static_cast<int>(counts.size()), d->S.PolyFillMode));
}

BOOL Stroke(TDCObj* d, bool fill) {
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  std::vector<TFigure> figures = Figures(d->S.Path);
  if (fill) FillRegion(pc.Target(), PathRegion(d), BrushSource(d, d->S.Brush), d->S.Rop2);
  for (const TFigure& f : figures) StrokeDevice(pc, f.Points, f.Closed || fill);
  Consume(d);
  return TRUE;
}

}  // namespace

namespace WinGdi {

BOOL BeginPath(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  d->S.Path = TPath{};
  d->S.Path.State = TPath::psOpen;
  return TRUE;
}

BOOL EndPath(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d || !Recording(d)) return FALSE;
  d->S.Path.State = TPath::psClosed;
  return TRUE;
}

BOOL AbortPath(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  Consume(d);
  return TRUE;
}

BOOL CloseFigure(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d || !Recording(d)) return FALSE;
  PathCloseFigure(d);
  return TRUE;
}

BOOL FlattenPath(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return FALSE;
  TPath flat;
  flat.State = TPath::psClosed;
  for (const TFigure& f : Figures(d->S.Path)) {
    for (size_t i = 0; i < f.Points.size(); ++i) {
      flat.Points.push_back(f.Points[i]);
      flat.Types.push_back(i == 0 ? PT_MOVETO : PT_LINETO);
    }
    if (f.Closed && !flat.Types.empty()) flat.Types.back() |= PT_CLOSEFIGURE;
  }
  d->S.Path = std::move(flat);
  return TRUE;
}

// The widened path is the area the pen would cover, as rectangles.
BOOL WidenPath(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d || !d->S.Pen) return FALSE;
  int width = std::max(1, ToDeviceWidth(d->S, d->S.Pen->Width));
  TPixelRegion area;
  for (const TFigure& f : Figures(d->S.Path))
    area = TPixelRegion::Combine(area, WideStroke(f.Points, f.Closed, width, d->S.Pen->Style), roOr);
  TPath wide;
  wide.State = TPath::psClosed;
  for (const RECT& r : area.Rects()) {
    POINT c[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
      wide.Points.push_back(c[i]);
      wide.Types.push_back(i == 0 ? PT_MOVETO : PT_LINETO);
    }
    wide.Types.back() |= PT_CLOSEFIGURE;
  }
  d->S.Path = std::move(wide);
  return TRUE;
}

BOOL StrokePath(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return FALSE;
  return Stroke(d, false);
}

BOOL FillPath(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  FillRegion(pc.Target(), PathRegion(d), BrushSource(d, d->S.Brush), d->S.Rop2);
  Consume(d);
  return TRUE;
}

BOOL StrokeAndFillPath(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return FALSE;
  return Stroke(d, true);
}

HRGN PathToRegion(HDC dc) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return nullptr;
  HRGN r = NewRegion(PathRegion(d));
  Consume(d);
  return r;
}

BOOL SelectClipPath(HDC dc, int mode) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d || mode < RGN_AND || mode > RGN_COPY) return FALSE;
  HRGN r = PathToRegion(dc);
  int result = ExtSelectClipRgn(dc, r, mode);
  DeleteObject(r);
  return result != ERROR;
}

int GetPath(HDC dc, POINT* points, BYTE* types, int size) {
  TDCObj* d = ClosedPathDC(dc);
  if (!d) return -1;
  int n = static_cast<int>(d->S.Path.Points.size());
  if (size == 0) return n;
  if (size < n || !points || !types) return -1;
  for (int i = 0; i < n; ++i) {
    points[i] = ToLogical(d->S, d->S.Path.Points[i]);
    types[i] = d->S.Path.Types[i];
  }
  return n;
}

}  // namespace WinGdi
