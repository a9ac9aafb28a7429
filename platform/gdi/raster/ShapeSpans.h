// The pixel geometry of shapes, in device coordinates: rounded rectangles and ellipses, polygons
// under both fill rules, and the pixels of one-pixel lines.
#pragma once

#include <vector>

#include "RegionBands.h"

namespace ShapeSpans {

// Every routine takes the rows (and for lines the pixels) it may produce from `limit`, so that the
// work stays bounded by what can be seen whatever the coordinates; kShapeLimit bounds shapes that
// become regions.
constexpr RECT kShapeLimit{-65536, -65536, 65536, 65536};

// The rows of a rectangle [left, right) x [top, bottom) with corners rounded by ellipses of
// cornerWidth x cornerHeight; corners as large as the box (or larger) make an ellipse.
std::vector<TSpan> RoundRectSpans(const RECT& box, int cornerWidth, int cornerHeight, const RECT& limit = kShapeLimit);
// The pixels of the rounded rectangle that touch its outside (a one-pixel outline).
std::vector<TSpan> RoundRectOutline(const RECT& box, int cornerWidth, int cornerHeight,
                                    const RECT& limit = kShapeLimit);

// Polygons: a pixel is inside when its top-left corner point is, left and top edges included;
// fillMode ALTERNATE (1) or WINDING (2).
std::vector<TSpan> PolygonSpans(const POINT* points, const int* counts, int polygons, int fillMode,
                                const RECT& limit = kShapeLimit);

// The pixels from a to b, b itself excluded (the system's line rule), within limit; *skipped
// receives how many pixels of the line came before the first one answered (for dash phases).
std::vector<POINT> LinePixels(POINT a, POINT b, const RECT& limit = kShapeLimit, long* skipped = nullptr);

}  // namespace ShapeSpans

using namespace ShapeSpans;
