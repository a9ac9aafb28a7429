// Regions: creation from rectangles, rounded rectangles, ellipses and polygons, combination and
// queries, and painting a region with a brush.
#include <algorithm>
#include <cstring>

#include "GdiDraw.h"
#include "GdiRegions.h"
#include "WinUserDraw.h"
#include "raster/ShapeSpans.h"

namespace GdiRegions {

HRGN NewRegion(TPixelRegion rgn) {
  auto* r = new TRegionObj();
  r->Rgn = std::move(rgn);
  return static_cast<HRGN>(Register(r));
}

TPixelRegion RegionToDevice(const TDCState& s, const TPixelRegion& logical) {
  POINT o = ToDevice(s, POINT{0, 0});
  if (s.MapMode == MM_TEXT) {
    TPixelRegion r = logical;
    r.Offset(o.x, o.y);
    return r;
  }
  TPixelRegion out;
  for (const RECT& rc : logical.Rects()) out = TPixelRegion::Combine(out, TPixelRegion(ToDeviceRect(s, rc)), roOr);
  return out;
}

TPixelRegion Erode(const TPixelRegion& rgn, int w, int h) {
  TPixelRegion inner = rgn;
  for (int i = 1; i <= w; ++i)
    for (int sign : {1, -1}) {
      TPixelRegion m = rgn;
      m.Offset(sign * i, 0);
      inner = TPixelRegion::Combine(inner, m, roAnd);
    }
  for (int i = 1; i <= h; ++i)
    for (int sign : {1, -1}) {
      TPixelRegion m = rgn;
      m.Offset(0, sign * i);
      inner = TPixelRegion::Combine(inner, m, roAnd);
    }
  return inner;
}

}  // namespace GdiRegions

namespace WinGdi {

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return NewRegion(TPixelRegion(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                     std::max(top, bottom)}));
}

HRGN CreateRectRgnIndirect(const RECT* r) {
  return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
  RECT box{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  return NewRegion(TPixelRegion::FromSpans(RoundRectSpans(box, w, h)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateRoundRectRgn(left, top, right, bottom, INT32_MAX, INT32_MAX);  // corners as large as the box
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
  return r ? CreateEllipticRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode) {
  if (!points || !counts || polygons <= 0) return nullptr;
  for (int i = 0; i < polygons; ++i)
    if (counts[i] < 2) return nullptr;
  return NewRegion(TPixelRegion::FromSpans(PolygonSpans(points, counts, polygons, fillMode)));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  return CreatePolyPolygonRgn(points, &count, 1, fillMode);
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD count, const RGNDATA* data) {
  if (!data || data->rdh.iType != RDH_RECTANGLES || count < sizeof(RGNDATAHEADER)) return nullptr;
  DWORD n = data->rdh.nCount;
  if (sizeof(RGNDATAHEADER) + static_cast<size_t>(n) * sizeof(RECT) > count) return nullptr;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<TSpan> spans;
  TPixelRegion rgn;
  for (DWORD i = 0; i < n; ++i) {
    RECT r = rects[i];
    if (xform) {
      r.left = static_cast<LONG>(r.left * xform->eM11 + xform->eDx);
      r.right = static_cast<LONG>(r.right * xform->eM11 + xform->eDx);
      r.top = static_cast<LONG>(r.top * xform->eM22 + xform->eDy);
      r.bottom = static_cast<LONG>(r.bottom * xform->eM22 + xform->eDy);
    }
    rgn = TPixelRegion::Combine(rgn, TPixelRegion(r), roOr);
  }
  return NewRegion(std::move(rgn));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  TRegionObj* d = RgnOf(dest);
  TRegionObj* a = RgnOf(src1);
  if (!d || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    d->Rgn = a->Rgn;
    return d->Rgn.Kind();
  }
  TRegionObj* b = RgnOf(src2);
  if (!b) return ERROR;
  d->Rgn = TPixelRegion::Combine(a->Rgn, b->Rgn, static_cast<TRegionOp>(mode));
  return d->Rgn.Kind();
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  TRegionObj* r = RgnOf(rgn);
  if (!r) return FALSE;
  r->Rgn = TPixelRegion(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                             std::max(top, bottom)});
  return TRUE;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  TRegionObj* r = RgnOf(rgn);
  if (!r) return ERROR;
  r->Rgn.Offset(dx, dy);
  return r->Rgn.Kind();
}

BOOL EqualRgn(HRGN a, HRGN b) {
  TRegionObj* ra = RgnOf(a);
  TRegionObj* rb = RgnOf(b);
  if (!ra || !rb) return ERROR;
  return ra->Rgn == rb->Rgn ? TRUE : FALSE;
}

int GetRgnBox(HRGN rgn, RECT* rect) {
  TRegionObj* r = RgnOf(rgn);
  if (!r || !rect) return ERROR;
  *rect = r->Rgn.Box();
  return r->Rgn.Kind();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  TRegionObj* r = RgnOf(rgn);
  return r && r->Rgn.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const RECT* rect) {
  TRegionObj* r = RgnOf(rgn);
  if (!r || !rect) return FALSE;
  RECT n{std::min(rect->left, rect->right), std::min(rect->top, rect->bottom), std::max(rect->left, rect->right),
         std::max(rect->top, rect->bottom)};
  return r->Rgn.Intersects(n) ? TRUE : FALSE;
}

DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data) {
  TRegionObj* r = RgnOf(rgn);
  if (!r) return 0;
  std::vector<RECT> rects = r->Rgn.Rects();
  DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  if (!data) return needed;
  if (size < needed) return 0;
  data->rdh = RGNDATAHEADER{};
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = r->Rgn.Box();
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return needed;
}

BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush) {
  TDCObj* d = DCOf(dc);
  TRegionObj* r = RgnOf(rgn);
  TBrushObj* b = BrushOf(brush);
  if (!d || !r || !b) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  FillRegion(pc.Target(), RegionToDevice(d->S, r->Rgn), BrushSource(d, b), R2_COPYPEN);
  return TRUE;
}

BOOL PaintRgn(HDC dc, HRGN rgn) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  return FillRgn(dc, rgn, reinterpret_cast<HBRUSH>(d->S.Brush));
}

BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height) {
  TDCObj* d = DCOf(dc);
  TRegionObj* r = RgnOf(rgn);
  TBrushObj* b = BrushOf(brush);
  if (!d || !r || !b || width < 0 || height < 0) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  TPixelRegion dev = RegionToDevice(d->S, r->Rgn);
  FillRegion(pc.Target(), TPixelRegion::Combine(dev, Erode(dev, width, height), roDiff), BrushSource(d, b),
             R2_COPYPEN);
  return TRUE;
}

BOOL InvertRgn(HDC dc, HRGN rgn) {
  TDCObj* d = DCOf(dc);
  TRegionObj* r = RgnOf(rgn);
  if (!d || !r) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  FillRegion(pc.Target(), RegionToDevice(d->S, r->Rgn), SolidSource(d, 0), R2_NOT);
  return TRUE;
}

}  // namespace WinGdi
