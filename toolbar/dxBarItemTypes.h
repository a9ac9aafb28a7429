// The enumerations and sets of items, item links and item controls, shared by the bars, the bar
// windows and the painters.
#pragma once

#include "TypeInfoBase.h"
#include "dxBarHelpers.h"

namespace dxBar {

PUBLISHED_ENUM(TdxBarItemAlign, iaLeft, iaCenter, iaRight, iaClient)
PUBLISHED_ENUM(TdxBarPaintStyle, psStandard, psCaption, psCaptionInMenu, psCaptionGlyph)
PUBLISHED_ENUM(TdxBarGlyphLayout, glLeft, glRight, glTop, glBottom)
// The kinds of bar windows an item can show on.
enum TdxBarKind { bkBarControl, bkBarQuickControl, bkSubMenu };
using TdxBarKinds = TSet<TdxBarKind, 8>;
inline const TdxBarKinds dxBarAllKinds{bkBarControl, bkBarQuickControl, bkSubMenu};
// Where an item is to be placed: on a toolbar, or in a sub-item's or popup menu's menu.
enum TdxBarItemControlParentKind { pkBar, pkSubItemOrPopupMenu };

// The per-link overrides in force.
PUBLISHED_ENUM(TdxBarUserDefine, udCaption, udGlyph, udPaintStyle, udWidth)
using TdxBarUserDefines = TSet<TdxBarUserDefine, 8>;
PUBLISHED_ENUM(TdxBarButtonGroupPosition, bgpNone, bgpStart, bgpMember)
enum TdxBarButtonGroupRealPosition { bgrpNone, bgrpStart, bgrpMember, bgrpFinish, bgrpSingle };
PUBLISHED_ENUM(TdxBarItemPosition, ipBeginsNewRow, ipBeginsNewColumn, ipContinuesRow)

// Menu display options of a link collection.
PUBLISHED_ENUM(TdxBarMenuItemSize, misNormal, misLarge)
enum TdxBarItemOptionValue { ioShowDescriptions, ioShowShortCuts, ioSize };
using TdxBarItemOptionValues = TSet<TdxBarItemOptionValue, 8>;

// How an item control is drawn and measured.
enum TdxBarPaintType { ptHorz, ptMenu, ptVert };
enum TdxBarItemControlPart { cpIcon, cpText };
using TdxBarItemControlViewStructure = TSet<TdxBarItemControlPart, 8>;
enum TdxBarItemControlViewSize { cvsSmall, cvsMedium, cvsLarge };
// The painter's kinds of caption buttons, static borders and spin buttons.
enum TdxBarMDIButton { mdibMinimize, mdibRestore, mdibClose };
enum TdxBarStaticBorderStyle { sbsNone, sbsLowered, sbsRaised, sbsEtched, sbsBump };
enum TdxBarSpinEditButton { sbNone, sbUp, sbDown };

}  // namespace dxBar

using namespace dxBar;
