// Region helpers shared by the sources of this library.
#pragma once

#include "GdiObjects.h"

namespace GdiRegions {

HRGN NewRegion(TPixelRegion rgn);
// A region given in logical coordinates, in the DC's device coordinates.
TPixelRegion RegionToDevice(const TDCState& s, const TPixelRegion& logical);
// What remains of a region when every pixel within w columns or h rows of its outside is removed.
TPixelRegion Erode(const TPixelRegion& rgn, int w, int h);

}  // namespace GdiRegions

using namespace GdiRegions;
