// The page control's shared vocabulary: tab positions, options, navigator buttons and their states,
// what changed on a tab, the standard styles, tab slants, and the small records that the tab model,
// the layout and the painters exchange (rectangle corrections, distances, offsets along the text,
// the tabs position and the row intervals).
#pragma once

#include <vector>

#include "Closures.h"
#include "Graphics.h"
#include "Types.h"
#include "TypeInfoBase.h"

namespace cxPC {

using Graphics::TCanvas;
using Graphics::TColor;
using Graphics::TFont;

// A painter's style number; 0 follows the look-and-feel, -1 is no painter's.
using TcxPCStyleID = Integer;
inline constexpr TcxPCStyleID cxPCDefaultStyle = 0;
inline constexpr const char* cxPCDefaultStyleName = "Default";

PUBLISHED_ENUM(TcxTabPosition, tpTop, tpBottom, tpLeft, tpRight)
PUBLISHED_ENUM(TcxPCNavigatorPosition, npLeftTop, npLeftBottom, npRightTop, npRightBottom)
PUBLISHED_ENUM(TcxPCOption, pcoAlwaysShowGoDialogButton, pcoCloseButton, pcoFixedTabWidthWhenRotated, pcoGoDialog,
               pcoGradient, pcoGradientClientArea, pcoNoArrows, pcoRedrawOnResize, pcoSort, pcoTopToBottomText,
               pcoUsePageColorForTab)
using TcxPCOptions = TSet<TcxPCOption, 16>;
inline const TcxPCOptions cxPCDefaultOptions{pcoAlwaysShowGoDialogButton, pcoGradient, pcoGradientClientArea,
                                             pcoRedrawOnResize};

enum TcxPCNavigatorButton { nbTopLeft, nbBottomRight, nbGoDialog, nbClose };
using TcxPCNavigatorButtons = TSet<TcxPCNavigatorButton, 8>;
inline constexpr TcxPCNavigatorButton cxPCNavigatorButtonsAll[] = {nbTopLeft, nbBottomRight, nbGoDialog, nbClose};
enum TcxPCNavigatorButtonState { nbsNormal, nbsPressed, nbsHotTrack, nbsDisabled };

// What changed on a tab, and so whether the control lays out again or repaints the one tab.
enum TcxPCTabPropertyChanged {
  tpcNotSpecified, tpcColor, tpcEnabled, tpcFocused, tpcHighlighted, tpcHotTrack, tpcIsMainTab, tpcLayout,
  tpcPressed, tpcSelected, tpcTracking
};
enum TcxPCTabNotification { tnDeleting };

PUBLISHED_ENUM(TcxPCStandardStyle, tsTabs, tsButtons, tsFlatButtons)
PUBLISHED_ENUM(TcxTabSlantKind, skCutCorner, skSlant)
PUBLISHED_ENUM(TcxTabSlantPosition, spLeft, spRight)
using TcxTabSlantPositions = TSet<TcxTabSlantPosition, 8>;

// Added to the edges of a tab's normal rectangle to give its full rectangle.
struct TcxPCRectCorrection {
  Integer LeftDelta = 0;
  Integer TopDelta = 0;
  Integer RightDelta = 0;
  Integer BottomDelta = 0;
};
inline constexpr TcxPCRectCorrection cxPCEmptyRectCorrection{};

// Where the layout put a tab: its normal rectangle's corner and its length along its text.
struct TcxPCTabPosition {
  TPoint NormalOrigin;
  Integer NormalWidth = 0;
  TcxPCRectCorrection RectCorrection;
};

// The gap between neighbouring tabs of a row and between neighbouring rows (unrotated tabs).
struct TcxPCDistance {
  Integer TabGap = 0;
  Integer RowGap = 0;
};

// Margins at the start and at the end of a tab's content along its text.
struct TcxPCWOffset {
  Integer Before = 0;
  Integer After = 0;
};

// The painter's answer where the tabs go.
struct TcxPCTabsPosition {
  TRect OuterTabsRect;
  Integer TopOrLeftPartBorderOffset = 0;
  Integer BottomOrRightPartBorderOffset = 0;
  Integer MinPartsDistance = 0;
  Integer RowLength = 0;
  TRect InnerTabsRect;
};

// Where the content of the tab being drawn went.
struct TcxPCOutTabImageAndTextData {
  TRect ImageRect;
  TRect TextRect;
  Integer OwnerVisibleIndex = -1;
};

// The tabs of one row, by visible index, inclusive; Last = First - 1 is an empty row.
struct TcxPCIndexInterval {
  Integer First = 0;
  Integer Last = -1;
};
using TcxPCLineIndexBoundsArray = std::vector<TcxPCIndexInterval>;

}  // namespace cxPC

using namespace cxPC;
