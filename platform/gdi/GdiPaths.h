// The path a DC records between BeginPath and EndPath; drawing calls add to it instead of drawing.
#pragma once

#include <vector>

#include "GdiObjects.h"

namespace GdiPaths {

bool Recording(const TDCObj* dc);
void PathMoveTo(TDCObj* dc, POINT device);
void PathLineTo(TDCObj* dc, POINT device);
void PathBezierTo(TDCObj* dc, const POINT* device, int count);  // three points per segment
void PathCloseFigure(TDCObj* dc);
// A closed figure of device points.
void PathFigure(TDCObj* dc, const std::vector<POINT>& device);

}  // namespace GdiPaths

using namespace GdiPaths;
