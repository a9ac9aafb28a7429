// Stroking and filling in device coordinates with a DC's pen and brush: what the shape calls and
// the path calls share.
#pragma once

#include <vector>

#include "GdiDraw.h"
#include "raster/ShapeSpans.h"

namespace GdiShapes {

// Strokes connected points with the DC's pen (style, width and mix mode); closed joins the last
// point to the first. Each segment stops short of its end point.
void StrokeDevice(const TPaintContext& pc, const std::vector<POINT>& points, bool closed);
// Fills polygons (points split by counts) with the DC's brush, mix mode and fill mode.
void FillDevicePolygons(const TPaintContext& pc, const std::vector<POINT>& points, const std::vector<int>& counts);
// The pixels a wide pen of the given width covers along the points, with the end caps and joins of
// its style (PS_ENDCAP_*, PS_JOIN_*).
TPixelRegion WideStroke(const std::vector<POINT>& points, bool closed, int width, UINT style,
                        const RECT& limit = kShapeLimit);
// The paint context's clip box grown by `grow` pixels: how far shapes need to be worked out.
RECT Limit(const TPaintContext& pc, int grow);
// Points approximating cubic Bezier segments: p0 followed by three points per segment.
std::vector<POINT> FlattenBeziers(POINT p0, const POINT* points, int count);

}  // namespace GdiShapes

using namespace GdiShapes;
