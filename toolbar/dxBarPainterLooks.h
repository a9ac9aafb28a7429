// What the looks' drawing asks of the bars and item controls it draws: small look-ups shared by the
// standard, flat, Office 2003 and XP painters' sources.
#pragma once

#include "Types.h"
#include "dxBarTypes.h"

namespace dxBar {

class TCustomdxBarControl;
class TdxBarItemControl;
class TdxBarPainter;
class TdxBarButtonLikeControlDrawParams;
class TdxBarItemControlDrawParams;

// A bar window the user may drag by its grip (one whose behaviour does not keep it in place).
bool dxBarCanMove(TCustomdxBarControl* ABarControl);
// The bar leaves some of its links out: not shown at all, or without room in the layout (its mark shows
// chevrons).
bool dxBarHasHiddenItems(TCustomdxBarControl* ABarControl);
// The control is a button whose Down is set.
bool dxBarIsButtonDown(TdxBarItemControl* AControl);

// A menu row of the three-dimensional and visual-style looks: highlighted from the glyph column on
// when selected, the column itself only for a row without an image that is not checked.
// The brush an edit-like control's caption stands on: the menu's selected brush while it is drawn
// selected in a menu, else the control's own background.
HBRUSH dxBarEditCaptionBrush(TdxBarItemControl* AControl, TdxBarItemControlDrawParams* ADrawParams);

void dxBarDrawHighlightedMenuRow(TdxBarPainter* APainter, TdxBarButtonLikeControlDrawParams* ADrawParams,
                                 const TRect& R);

}  // namespace dxBar
