// Help on a menu item: F1 over an open menu or a bar asks for the help topic of the item under the
// selection or the mouse, climbing to the items that opened the menus when an item has no topic.
#include "Forms.h"
#include "WinHelp.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"

namespace dxBar {

namespace {

Integer HelpContextOf(TdxBarItemControl* AControl) {
  TdxBarItem* item = AControl ? AControl->GetItem() : nullptr;
  return item ? item->GetHelpContext() : 0;
}

// The item control that opened ABarControl: the selected one of the bar it drops from.
TdxBarItemControl* OpeningControlOf(TCustomdxBarControl* ABarControl) {
  TCustomdxBarControl* parent = ABarControl->GetParentBar();
  return parent ? parent->GetSelectedControl() : nullptr;
}

}  // namespace

bool TdxBarManager::ShowsHelpPopups() {
  auto* form = dynamic_cast<TCustomForm*>(GetParentForm());
  return form && form->GetBorderIcons().Contains(biHelp);
}

void TdxBarManager::ShowContextHelp(Integer AHelpContext, const TPoint* APopupPos) {
  if (AHelpContext == 0) return;
  if (!ShowsHelpPopups()) {
    Application->HelpContext(AHelpContext);
    return;
  }
  if (APopupPos)
    Application->HelpCommand(HELP_SETPOPUP_POS, static_cast<NativeInt>(MAKELONG(APopupPos->x, APopupPos->y)));
  Application->HelpCommand(HELP_CONTEXTPOPUP, AHelpContext);
}

void TdxBarManager::HelpOnMenuItem(const HELPINFO& AHelpInfo) {
  if (AHelpInfo.iContextType != HELPINFO_WINDOW) return;
  TdxBarItemControl* control = nullptr;
  if (TCustomdxBarControl* active = ActiveBarControl()) {
    control = active->GetSelectedControl();
    TCustomdxBarControl* level = active;
    while (HelpContextOf(control) == 0) {
      control = OpeningControlOf(level);
      if (!control) break;
      level = level->GetParentBar();
    }
    if (!control) {
      // No item of the chain has a topic: the bar the climb reached answers with its own.
      TcxObjectLinkHolder reached(level);
      active->HideAll();
      if (reached.Alive()) ShowContextHelp(level->GetHelpContext(), nullptr);
      return;
    }
  } else if (auto* bar = dynamic_cast<TCustomdxBarControl*>(FindControl(static_cast<HWND>(AHelpInfo.hItemHandle)))) {
    control = bar->ItemAtPos(bar->ScreenToClient(TPoint(AHelpInfo.MousePos.x, AHelpInfo.MousePos.y)));
  }
  if (!control) return;
  // The popup stands under the middle of the item.
  const TRect bounds = control->GetItemBounds();
  TPoint popupPos((bounds.left + bounds.right) / 2, bounds.bottom);
  TCustomdxBarControl* parent = control->GetParent();
  if (parent) popupPos = parent->ClientToScreen(popupPos);
  const Integer helpContext = HelpContextOf(control);
  if (TCustomdxBarControl* active = ActiveBarControl()) active->HideAll();
  ShowContextHelp(helpContext, &popupPos);
}

}  // namespace dxBar
