// The bar window's keys in menu mode: arrows turned on vertical bars and in menus, Tab and Ctrl+Tab,
// Home and End, F10 and Alt, and accelerators that select, or select and run, their link.
#include <algorithm>

#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarBar.h"
#include "dxBarComponents.h"
#include "dxBarManager.h"
#include "dxBarUnit.h"

namespace dxBar {

void TCustomdxBarControl::WMKeyDown(TMessage& Message) {
  TcxObjectLinkHolder self(this);
  inherited::WndProc(Message);
  if (!self.Alive() || !ActiveBarControl() || !FItemLinks) return;
  Word key = static_cast<Word>(Message.WParam);
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  if (IsRealVertical()) {
    switch (key) {
      case VK_LEFT: key = VK_UP; break;
      case VK_UP: key = VK_LEFT; break;
      case VK_RIGHT: key = VK_DOWN; break;
      case VK_DOWN: key = VK_RIGHT; break;
      default: break;
    }
  }
  if (Kind() == bkSubMenu) {
    if (key == VK_LEFT || key == VK_RIGHT) return;
    if (key == VK_UP) key = VK_LEFT;
    else if (key == VK_DOWN) key = VK_RIGHT;
  }
  bool fromTab = false;
  bool ctrlTab = false;
  if (key == VK_TAB) {
    if (shift.Contains(ssCtrl)) {
      ctrlTab = true;
    } else {
      fromTab = true;
      key = shift.Contains(ssShift) ? VK_LEFT : VK_RIGHT;
    }
  }
  Message.WParam = key;
  TdxBarItemControl* selected = GetSelectedControl();
  TdxBarItemLink* current = selected ? selected->GetItemLink() : nullptr;
  auto select = [&](TdxBarItemLink* ALink) {
    if (ALink && ALink->GetControl()) SetKeySelectedItem(ALink->GetControl());
  };
  if (ctrlTab) {
    FocusNextBarControl(!shift.Contains(ssShift));
    return;
  }
  switch (key) {
    case VK_END:
      select(FItemLinks->Last());
      return;
    case VK_HOME:
      select(FItemLinks->First());
      return;
    case VK_LEFT:
    case VK_RIGHT: {
      TdxBarItemLink* next = !current ? FItemLinks->First()
                             : key == VK_LEFT ? FItemLinks->Prev(current)
                                              : FItemLinks->Next(current);
      select(next);
      if (fromTab && self.Alive())
        if (TdxBarItemControl* now = GetSelectedControl())
          if (now->HasWindow()) now->Click(false, '\0');
      return;
    }
    case VK_F10:
      if (!(GetBarManager() && GetBarManager()->GetUseF10ForMenu())) return;
      [[fallthrough]];
    case VK_MENU:
      Message.WParam = 0;
      HideAll();
      return;
    default:
      break;
  }
  const UINT character = MapVirtualKey(key, MAPVK_VK_TO_CHAR);
  const bool letter = (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
  if (!letter && !(character >= '0' && character <= '9')) return;
  TdxBarItemLink* found = FindLinkWithAccel(key, shift, current);
  if (!found || !found->GetControl()) return;
  TdxBarItemLink* again = FindLinkWithAccel(key, shift, found);
  const bool shared = again && again != found;
  SetAccelSelectedItem(found->GetControl(), shared);
}

// ---- Moving between toolbars --------------------------------------------------------------------------------
TCustomdxBarControl* GetParentBarForBar(TCustomdxBarControl* ABarControl) {
  TCustomdxBarControl* bar = ABarControl;
  while (bar && bar->GetParentBar() && !(bar->IsInternal() && !bar->GetParentBar()->IsInternal()))
    bar = bar->GetParentBar();
  return bar && bar->Kind() != bkSubMenu ? bar : nullptr;
}

std::vector<TCustomdxBarControl*> GetManagerBarControls(TdxBarManager* ABarManager) {
  std::vector<TCustomdxBarControl*> result;
  // Read through the collection base: the toolbar classes' own operations are not all built.
  TcxComponentCollection* bars = ABarManager ? ABarManager->GetBars() : nullptr;
  if (!bars) return result;
  // A toolbar's window is the live bar window whose links the toolbar owns.
  for (Integer i = 0; i < bars->GetCount(); ++i) {
    TComponent* bar = bars->GetItem(i);
    TCustomdxBarControl* window = nullptr;
    for (Integer j = 0; BarControls && !window && j < BarControls->GetCount(); ++j) {
      auto* candidate = static_cast<TCustomdxBarControl*>(BarControls->GetItems(j));
      TdxBarItemLinks* links = candidate->GetItemLinks();
      if (links && links->GetOwnerComponent() == bar && candidate->Kind() == bkBarControl) window = candidate;
    }
    result.push_back(window);
  }
  return result;
}

TCustomdxBarControl* FindNextBarControl(TCustomdxBarControl* AStart, bool AForward,
                                        TdxBarManagerBarControls ABarControls) {
  TdxBarManager* manager = AStart ? AStart->GetBarManager() : nullptr;
  if (!manager) return nullptr;
  std::vector<TCustomdxBarControl*> bars = ABarControls(manager);
  const auto found = std::find(bars.begin(), bars.end(), AStart);
  if (found == bars.end()) return nullptr;
  Integer index = static_cast<Integer>(found - bars.begin());
  // Every step moves to another bar, so the walk visits each bar of each manager once at most before
  // it returns to the start; the bound also ends it should the manager list change under it.
  Integer budget = 1;
  for (Integer i = 0; dxBarManagerList && i < dxBarManagerList->GetCount(); ++i)
    budget += static_cast<Integer>(ABarControls(dxBarManagerList->GetBarManager(i)).size()) + 1;
  while (budget-- > 0) {
    index += AForward ? 1 : -1;
    if (index < 0 || index >= static_cast<Integer>(bars.size())) {
      manager = dxBarManagerList ? dxBarManagerList->NextActive(manager, AForward) : manager;
      bars = ABarControls(manager);
      index = AForward ? 0 : static_cast<Integer>(bars.size()) - 1;
      if (bars.empty()) continue;
    }
    TCustomdxBarControl* bar = bars[static_cast<size_t>(index)];
    if (bar == AStart) return nullptr;
    if (bar && bar->HandleAllocated() && bar->GetItemLinks() && bar->GetItemLinks()->Count() > 0)
      return bar;
  }
  return nullptr;
}

void TCustomdxBarControl::FocusNextBarControl(bool AForward) {
  TCustomdxBarControl* root = GetParentBarForBar(this);
  if (!root || root->Kind() != bkBarControl) return;
  TCustomdxBarControl* next = FindNextBarControl(root, AForward);
  if (!next) return;
  TcxObjectLinkHolder target(next);
  root->BarLostFocus();
  if (!target.Alive()) return;
  TdxBarItemLink* first = next->GetItemLinks()->First();
  next->BarGetFocus(first ? first->GetControl() : nullptr);
}

}  // namespace dxBar
