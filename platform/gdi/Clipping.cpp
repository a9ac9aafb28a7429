// The clip region of a device context (device coordinates) and the visibility queries.
#include <algorithm>

#include "GdiDraw.h"
#include "GdiRegions.h"

namespace {

// Everything a DC can reach: its target surface in device coordinates.
TPixelRegion Whole(const TDCObj* d) {
  TGdiSurface* t = d->Target();
  if (!t) return {};
  return TPixelRegion(RECT{-d->Origin.x, -d->Origin.y, t->Width() - d->Origin.x, t->Height() - d->Origin.y});
}

int ClipKind(const TDCObj* d) { return d->EffectiveClip().Kind(); }

int CombineClip(TDCObj* d, const TPixelRegion* rgn, int mode) {
  if (mode == RGN_COPY) {
    if (rgn) d->S.Clip = *rgn;
    else d->S.Clip.reset();
    return ClipKind(d);
  }
  if (!rgn || mode < RGN_AND || mode > RGN_DIFF) return ERROR;
  TPixelRegion current = d->S.Clip ? *d->S.Clip : Whole(d);
  d->S.Clip = TPixelRegion::Combine(current, *rgn, static_cast<TRegionOp>(mode));
  return ClipKind(d);
}

}  // namespace

namespace WinGdi {

int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode) {
  TDCObj* d = DCOf(dc);
  if (!d) return ERROR;
  TRegionObj* r = RgnOf(rgn);
  if (rgn && !r) return ERROR;
  return CombineClip(d, r ? &r->Rgn : nullptr, mode);
}

int SelectClipRgn(HDC dc, HRGN rgn) { return ExtSelectClipRgn(dc, rgn, RGN_COPY); }

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  TDCObj* d = DCOf(dc);
  if (!d) return ERROR;
  TPixelRegion r(ToDeviceRect(d->S, RECT{left, top, right, bottom}));
  return CombineClip(d, &r, RGN_AND);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  TDCObj* d = DCOf(dc);
  if (!d) return ERROR;
  TPixelRegion r(ToDeviceRect(d->S, RECT{left, top, right, bottom}));
  return CombineClip(d, &r, RGN_DIFF);
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
  TDCObj* d = DCOf(dc);
  if (!d) return ERROR;
  if (d->S.Clip) {
    POINT o = ToDevice(d->S, POINT{0, 0}), p = ToDevice(d->S, POINT{dx, dy});
    d->S.Clip->Offset(p.x - o.x, p.y - o.y);
  }
  return ClipKind(d);
}

int GetClipBox(HDC dc, RECT* rect) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return ERROR;
  TPixelRegion clip = d->EffectiveClip();
  if (clip.Empty()) {
    *rect = RECT{};
    return NULLREGION;
  }
  RECT box = clip.Box();
  POINT a = ToLogical(d->S, POINT{box.left, box.top}), b = ToLogical(d->S, POINT{box.right, box.bottom});
  *rect = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  return clip.Kind();
}

int GetClipRgn(HDC dc, HRGN rgn) {
  TDCObj* d = DCOf(dc);
  TRegionObj* r = RgnOf(rgn);
  if (!d || !r) return -1;
  if (!d->S.Clip) return 0;
  r->Rgn = *d->S.Clip;
  return 1;
}

int GetRandomRgn(HDC dc, HRGN rgn, INT which) {
  TDCObj* d = DCOf(dc);
  TRegionObj* r = RgnOf(rgn);
  if (!d || !r || which != SYSRGN) return -1;
  TPixelRegion sys = d->Visible ? TPixelRegion::Combine(*d->Visible, Whole(d), roAnd) : Whole(d);
  sys.Offset(d->Origin.x, d->Origin.y);
  r->Rgn = std::move(sys);
  return 1;
}

BOOL RectVisible(HDC dc, const RECT* rect) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return FALSE;
  return d->EffectiveClip().Intersects(ToDeviceRect(d->S, *rect)) ? TRUE : FALSE;
}

BOOL PtVisible(HDC dc, int x, int y) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  POINT p = ToDevice(d->S, POINT{x, y});
  return d->EffectiveClip().Contains(p.x, p.y) ? TRUE : FALSE;
}

}  // namespace WinGdi
