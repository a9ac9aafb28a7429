// The size grip and close button of a sizeable drop-down window (the lists that combo and edit items
// open): where they go and how they are drawn in the classic look.
#pragma once

#include "dxBarHelpers.h"

namespace dxCommon {

using dxBar::TdxCorner;

// The height of the band holding the grip and the close button.
Integer dxDropDownNCHeight();
// The corner of the drop-down that carries the grip: the one away from the edit it belongs to.
TdxCorner GetCornerForRects(const TRect& AEditRect, const TRect& ADropDownRect);
// The sizing hit-test code of the corner.
Integer GetHitTestByCorner(TdxCorner ACorner);
// Draws the close button in the band R (at the end away from the grip); R comes back as the button.
void DrawCloseButton(HDC DC, TRect& R, bool AIsRaised, bool AIsPressed, TdxCorner ACorner);
// Draws the grip at the corner's end of the band R; R comes back as the grip square.
void DrawSizeGrip(HDC DC, TRect& R, TdxCorner ACorner);

// The close button's rectangle in the band ABand for a grip in ACorner (before any inset).
TRect CloseButtonRect(const TRect& ABand, TdxCorner ACorner);
// The close glyph over the button R (its edge included) in a frame-control state, clipped to the inside
// of the button's two frames and moved down a pixel where the caption buttons are not 22 pixels wide.
void DrawCloseGlyph(HDC DC, const TRect& R, UINT AState);

}  // namespace dxCommon
