// Three-dimensional edges in the classic look: raised, sunken, etched and bumped borders, flat and
// monochrome variants, the interior fill and the rectangle left inside.
#include <algorithm>

#include "GdiDraw.h"
#include "WinUserDraw.h"
#include "raster/ShapeSpans.h"

namespace {

void Fill(const TPaintContext& pc, TDCObj* d, const RECT& r, int sysColor) {
  if (r.left < r.right && r.top < r.bottom) FillRect(pc.Target(), r, SolidSource(d, GetSysColor(sysColor)), R2_COPYPEN);
}

// One ring of an edge: the top and left lines in one colour, the bottom and right ones in another
// (which own the corners they share with them).
void Ring(const TPaintContext& pc, TDCObj* d, RECT& r, UINT sides, int topLeft, int bottomRight) {
  if (topLeft < 0) return;
  int right = (sides & BF_RIGHT) ? r.right - 1 : r.right, bottom = (sides & BF_BOTTOM) ? r.bottom - 1 : r.bottom;
  if (sides & BF_TOP) Fill(pc, d, RECT{r.left, r.top, right, r.top + 1}, topLeft);
  if (sides & BF_LEFT) Fill(pc, d, RECT{r.left, r.top, r.left + 1, bottom}, topLeft);
  if (sides & BF_BOTTOM) Fill(pc, d, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  if (sides & BF_RIGHT) Fill(pc, d, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  if (sides & BF_LEFT) ++r.left;
  if (sides & BF_TOP) ++r.top;
  if (sides & BF_RIGHT) --r.right;
  if (sides & BF_BOTTOM) --r.bottom;
}

}  // namespace

namespace WinUserDraw {

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  RECT r = ToDeviceRect(d->S, *rect);
  UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
  int otl = -1, obr = -1, itl = -1, ibr = -1;
  if (flags & BF_MONO) {
    if (outer) otl = obr = COLOR_WINDOWFRAME;
    if (inner) itl = ibr = COLOR_WINDOW;
  } else if (flags & BF_FLAT) {
    if (outer) otl = obr = COLOR_BTNSHADOW;
    if (inner) itl = ibr = COLOR_BTNFACE;
  } else {
    bool soft = flags & BF_SOFT;
    if (outer & BDR_RAISEDOUTER) otl = soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, obr = COLOR_3DDKSHADOW;
    else if (outer & BDR_SUNKENOUTER) otl = soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, obr = COLOR_BTNHIGHLIGHT;
    if (inner & BDR_RAISEDINNER) itl = soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, ibr = COLOR_BTNSHADOW;
    else if (inner & BDR_SUNKENINNER) itl = soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, ibr = COLOR_3DLIGHT;
  }
  if (flags & BF_DIAGONAL) {
    // A diagonal edge: one line from the corner it starts at to the one its flags name.
    POINT a, b;
    bool up = (flags & BF_TOP) != 0, right = (flags & BF_RIGHT) != 0;
    a = POINT{right ? r.left : r.right - 1, up ? r.bottom - 1 : r.top};
    b = POINT{right ? r.right : r.left - 1, up ? r.top - 1 : r.bottom};
    std::vector<TSpan> px;
    for (POINT p : LinePixels(a, b)) px.push_back({p.y, p.x, p.x + 1});
    if (otl >= 0) FillSpans(pc.Target(), std::move(px), SolidSource(d, GetSysColor(up ? otl : obr)), R2_COPYPEN);
    return TRUE;
  }
  UINT sides = flags & BF_RECT;
  Ring(pc, d, r, sides, otl, obr);
  Ring(pc, d, r, sides, itl, ibr);
  if (flags & BF_MIDDLE) Fill(pc, d, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
  if (flags & BF_ADJUST) {
    // The rectangle inside the borders, in the caller's coordinates.
    POINT a = ToLogical(d->S, POINT{r.left, r.top}), b = ToLogical(d->S, POINT{r.right, r.bottom});
    *rect = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  }
  return TRUE;
}

}  // namespace WinUserDraw
