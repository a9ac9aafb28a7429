// Small drawing helpers shared by the painter units' sources: the rounding of the painter geometry, the
// text flags of the alignment tables and the scroll-track fill.
#pragma once

#include "ClassTypes.h"
#include "cxClassesBase.h"
#include "cxGraphicsCanvas.h"

namespace cxLookAndFeelPaintersBaseDraw {

// v / 2 rounded toward zero.
inline Integer PainterHalf(Integer v) { return v / 2; }
// v / 2 rounded half away from zero.
inline Integer PainterMid(Integer v) { return v >= 0 ? (v + 1) / 2 : -((-v + 1) / 2); }

// The cx text flags of an alignment pair, the multi-line switch and the end ellipsis.
Integer PainterTextFlags(TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                         bool AShowEndEllipsis);

// Solid brush and pen in the colour, and the polygon of the points.
void PainterPolygon(TcxCanvas* ACanvas, const TPointArray& APoints, TColor AColor);

// A scroll bar's page area: R filled with the scroll-track pattern as brush, the pressed one when
// pressed; the brush is solid again afterwards.
void PainterFillScrollBarPage(TcxCanvas* ACanvas, const TRect& R, bool APressed);

}  // namespace cxLookAndFeelPaintersBaseDraw

using namespace cxLookAndFeelPaintersBaseDraw;
