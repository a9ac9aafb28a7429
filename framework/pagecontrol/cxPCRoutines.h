// The page-control unit's routines that the control, the layout and the painters share: text
// direction and rotation, margins turned for the tab position, reading and writing points and
// rectangles along or across the rows, caption measuring and the range of shown tabs; and the unit's
// start and end.
#pragma once

#include "cxGraphicsCanvas.h"
#include "cxPCTypes.h"

namespace Lists {
class TList;
}

namespace cxPC {

using Lists::TList;

class TcxCustomTabControl;
class TcxTab;

bool IsVerticalText(TcxCustomTabControl* ATabControl);
// IsVerticalText, but false when the painter paints natively.
bool InternalIsVerticalText(TcxCustomTabControl* ATabControl);
TcxRotationAngle GetTextRotationAngle(TcxCustomTabControl* ATabControl);
TcxRotationAngle InternalGetTextRotationAngle(TcxCustomTabControl* ATabControl);
// The rows run from the bottom upwards (vertical tabs with text read bottom to top).
bool IsBottomToTopAlignment(TcxCustomTabControl* ATabControl);
// The rows run from the right leftwards (rotated horizontal tabs with text read top to bottom).
bool IsRightToLeftAlignment(TcxCustomTabControl* ATabControl);
// The shown tabs: all visible ones in multi-row mode, the leading to the trailing tab in one row
// (-1 and -2 when there is no leading tab).
void InitializeVisibleTabRange(TcxCustomTabControl* ATabControl, Integer& AFirstIndex, Integer& ALastIndex);
// One interval per row (First -1 for a row without a shown tab), widened by each shown tab's row.
TcxPCLineIndexBoundsArray InitializeLineBoundsArray(TcxCustomTabControl* ATabControl);

// Margins given for tabs on top, turned for the tab position, and back.
TRect RotateRect(const TRect& R, TcxTabPosition ATabPosition);
TRect RotateRectBack(const TRect& R, TcxTabPosition ATabPosition);
void CorrectRect(TRect& R, const TcxPCRectCorrection& ACorrection);
// Right not left of left, bottom not above top.
void ValidateRect(TRect& R);
Integer PointGetter(const TPoint& P, bool AIsY);
void PointSetter(TPoint& P, bool AIsY, Integer AValue);
void RectSetter(TRect& R, bool AIsTopLeft, bool AIsY, Integer AValue);
// TabGap with the flag, RowGap without.
Integer DistanceGetter(const TcxPCDistance& ADistance, bool AIsTabGap);
Integer GetButtonCount(TcxPCNavigatorButtons AButtons);
bool IsOneOfButtons(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2, TcxPCNavigatorButton AButton);
// A single-line text on the shared screen canvas, in AFont or, when null, in the tab's own font as
// the control prepares it.
TSize TextSize(TcxTab* ATab, const String& AText, TFont* AFont = nullptr);
// "Default" for 0, a registered painter's style name, else "".
String GetPCStyleName(TcxPCStyleID AStyleID);
// Whether the system offers the hot-light colour (decided once at the unit's start).
bool IsHotTrackColorAvailable();
// A list the unit keeps from its start to its end; nothing in the system fills it.
TList* PageControlDependsControls();

// Sizes the bitmap, gives it the canvas's font, pen and brush and fills it with the colour.
void PrepareBitmap(TBitmap* ABitmap, const TSize& ASize, TcxCanvas* ACanvas, TColor ABackgroundColor);

void InitPC();
void DonePC();

}  // namespace cxPC

using namespace cxPC;
