// The toolbar unit's shared enumerations, sets, event types and forward declarations: what every
// header of the unit names without needing the classes themselves.
#pragma once

#include "Closures.h"
#include "Components.h"
#include "Lists.h"
#include "TypeInfoBase.h"
#include "cxClassesBase.h"

namespace Menus {
class TPopupMenu;
}

namespace dxBar {

class TdxBarManager;
class TdxBarComponent;
class TdxBarComponentList;
class TdxComponentList;
class TdxObjectList;
class TdxBarManagerList;
class TdxBarItemList;
class TdxBarManagerCategories;
class TdxBarGroup;
class TdxBarPersistent;
class TdxBarImageOptions;
class TdxBarBackgrounds;
class TdxBarItem;
class TdxBarItemLink;
class TdxBarItemLinks;
class TdxBarItemControl;
class TdxBar;
class TdxBars;
class TCustomdxBarControl;
class TdxBarControl;
class TdxBarSubMenuControl;
class TdxDockControl;
class TdxBarPainter;
class TdxBarCustomPopupMenu;
class TdxBarPopupMenu;
class TdxBarPopupMenuLinks;
class TdxBarDragInfo;
class TdxBarCanvas;
class TdxBarHintWindow;
class TdxBarSubItem;
class TdxBarItemActionLink;
class TdxBarScreenTip;
class TdxBarScreenTipCollection;

PUBLISHED_ENUM(TdxBarItemVisible, ivNever, ivInCustomizing, ivAlways)
PUBLISHED_ENUM(TdxBarDockingStyle, dsNone, dsLeft, dsTop, dsRight, dsBottom)
using TdxBarDockingStyles = TSet<TdxBarDockingStyle, 8>;
PUBLISHED_ENUM(TdxBarManagerStyle, bmsStandard, bmsEnhanced, bmsFlat, bmsXP, bmsOffice11, bmsUseLookAndFeel)
PUBLISHED_ENUM(TdxBarRealPaintStyle, rpsStandard, rpsEnhanced, rpsFlat, rpsXP, rpsOffice11, rpsSkin)
PUBLISHED_ENUM(TdxBarMenuAnimations, maNone, maRandom, maUnfold, maSlide, maFade)
// The state of a toolbar's mark and of a floating toolbar's caption buttons.
PUBLISHED_ENUM(TdxBarMarkState, msNone, msSelected, msPressed)

enum TdxBarInternalState {
  bisAfterLoading, bisBarsLoading, bisCreating, bisHandleCreating, bisModalActivating, bisFormActivating,
  bisToolbarsVisibleChanging, bisWasActive, bisStateSaving
};
using TdxBarInternalStates = TSet<TdxBarInternalState, 16>;

enum TdxBarManagerFormKind { fkMain, fkMainOrMDIChild, fkAny };

// The layout store: an ini file (or a stream holding one) or the registry.
enum TdxBarStoringKind { skIni, skReg };

// The selection protocol of customization.
enum TdxBarSelectionStatus { ssUnselected, ssActiveSelected, ssInactiveSelected };
enum TdxBarSelectionOperation { soAdd, soExclude, soExclusive };
enum TdxBarCustomizationAction {
  caReset, caDelete, caDeleteItem, caDeleteLink, caChangeCaption, caChangeButtonPaintStyle, caChangePosition,
  caChangeViewLevels, caChangeButtonGroup, caChangeBeginGroup, caChangeVisible, caChangeRecentList
};
using TdxBarCustomizationActions = TSet<TdxBarCustomizationAction, 16>;

// How an item's links take part in merging bars.
PUBLISHED_ENUM(TdxBarItemMergeKind, mkAdd, mkMergeByCaption, mkNone)

using TdxBarEvent = TClosure<void(TdxBarManager* Sender, TdxBar* ABar)>;
using TdxBarVisibleChangeEvent = TClosure<void(TdxBarManager* Sender, TdxBar* ABar)>;
using TdxBarItemLinkEvent = TClosure<void(TdxBarManager* Sender, TdxBarItemLink* AItemLink)>;
using TdxBarMergeItemLinkEvent = TClosure<void(TdxBarManager* Sender, TdxBarItemLinks* ADestinationLinks,
                                               TdxBarItemLinks* ASourceLinks, TdxBarItemLink* ASourceLink,
                                               TdxBarItemMergeKind& AMergeKind, Integer& AIndex)>;
using TdxBarCanDockingEvent =
    TClosure<void(TdxBar* Sender, TdxBarDockingStyle Style, TdxDockControl* DockControl, bool& CanDocking)>;
using TdxBarMergeEvent = TClosure<void(TdxBarManager* Sender, TdxBarManager* ChildBarManager, bool AddItems)>;
using TdxBarShowPopupEvent = TClosure<void(TdxBarManager* Sender, TdxBarItemLinks* PopupItemLinks)>;
using TdxBarClickItemEvent = TClosure<void(TdxBarManager* Sender, TdxBarItem* ClickedItem)>;

using TdxBarListNotifyEvent = TClosure<void(TObject* Sender, TComponent* AComponent, TListNotification AAction)>;
using TdxBarListChangeEvent =
    TClosure<void(TObject* Sender, TComponent* AComponent, TcxComponentCollectionNotification AAction)>;

// Told of every manager that joins or leaves the list of managers.
using TdxBarManagerProc = void (*)(TdxBarManager* ABarManager);

}  // namespace dxBar

using namespace dxBar;
