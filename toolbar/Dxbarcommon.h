// The non-client frame of a bar's drop-down popup: a one-pixel border and, for a sizeable popup, a band
// with the size grip and the close button on the side away from the edit it drops from.
#pragma once

#include "dxCommon.h"

namespace Dxbarcommon {

using dxBar::TdxCorner;

// The close button of the band R; the flat look frames it in button face whatever its state.
void DrawCloseButton(HDC DC, TRect& R, bool AIsRaised, bool AIsPressed, bool AIsFlat, TdxCorner ACorner);
// Shrinks the window rectangle R to the client area. A sizeable popup whose edit lies at AEditScreenRect
// (null when the item shows in no bar) gets its grip corner and gives up the band on that side.
void dxBarPopupNCCalcSize(HWND AWnd, TRect& R, TdxCorner& ACorner, const TRect* AEditScreenRect, bool ASizeable);
// Paints the border and the band; the close button is raised while hot or pressed and sunken while both.
// The close button's and the grip's rectangles come back in screen coordinates (empty when not sizeable).
void dxBarPopupNCPaint(HWND AWnd, bool ASizeable, bool AIsFlat, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                       TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner);

}  // namespace Dxbarcommon
