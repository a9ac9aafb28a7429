// The pixel geometry of shapes, in device coordinates: rounded rectangles and ellipses, polygons
// under both fill rules, and the pixels of one-pixel lines.
#pragma once

#include <vector>

#include "RegionBands.h"

namespace ShapeSpans {

// The rows of a rectangle [left, right) x [top, bottom) with corners rounded by ellipses of
// cornerWidth x cornerHeight; corners as large as the box make an ellipse.
std::vector<TSpan> RoundRectSpans(const RECT& box, int cornerWidth, int cornerHeight);
// The pixels of the rounded rectangle that touch its outside (a one-pixel outline).
std::vector<TSpan> RoundRectOutline(const RECT& box, int cornerWidth, int cornerHeight);

// Polygons: a pixel is inside when its top-left corner point is, left and top edges included;
// fillMode ALTERNATE (1) or WINDING (2).
std::vector<TSpan> PolygonSpans(const POINT* points, const int* counts, int polygons, int fillMode);

// The pixels from a to b, b itself excluded (the system's line rule).
std::vector<POINT> LinePixels(POINT a, POINT b);

}  // namespace ShapeSpans

using namespace ShapeSpans;
