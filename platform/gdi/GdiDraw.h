// What the drawing calls share: logical-to-device mapping of a DC, colours as the DC's pixels,
// brush and pen sources, and a paint context that holds a DC's clip and target for one call.
#pragma once

#include "GdiObjects.h"
#include "raster/RasterPaint.h"

namespace GdiDraw {

// The logical-to-device mapping of a DC state.
POINT ToDevice(const TDCState& s, POINT logical);
POINT ToLogical(const TDCState& s, POINT device);
RECT ToDeviceRect(const TDCState& s, const RECT& logical);  // normalised (left <= right, top <= bottom)
int ToDeviceWidth(const TDCState& s, int logicalWidth);      // lengths along x, e.g. pen widths
bool Mirrored(const TDCState& s);                            // x runs right to left

// A COLORREF (explicit RGB or palette forms) as the pixel the DC puts down.
uint32_t ColorPixel(const TDCObj* dc, COLORREF color);
COLORREF BrushColor(const TDCObj* dc, const TBrushObj* brush);
COLORREF PenColor(const TDCObj* dc, const TPenObj* pen);
TBrushSource BrushSource(const TDCObj* dc, const TBrushObj* brush);
TBrushSource SolidSource(const TDCObj* dc, COLORREF color);

// One drawing call's view of a DC: the clip and the target stay valid while it lives.
class TPaintContext {
 public:
  explicit TPaintContext(TDCObj* dc);
  bool Ok() const { return FTarget.Surface != nullptr; }
  const TPaintTarget& Target() const { return FTarget; }
  const TPixelRegion& Clip() const { return *FClip; }
  TDCObj* DC() const { return FDC; }
  ~TPaintContext();

 private:
  TDCObj* FDC;
  std::shared_ptr<const TPixelRegion> FClip;  // the DC's, shared while the DC keeps it
  TPaintTarget FTarget;
};

}  // namespace GdiDraw

using namespace GdiDraw;
