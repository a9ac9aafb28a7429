// The bar window's keys in menu mode: arrows turned on vertical bars and in menus, Tab and Ctrl+Tab,
// Home and End, F10 and Alt, and accelerators that select, or select and run, their link.
#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

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
    // Walking to the next toolbar needs the manager's bar collection, which comes with the toolbars.
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

}  // namespace dxBar
