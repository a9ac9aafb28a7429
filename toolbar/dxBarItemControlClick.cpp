// The click road of an item control: the press the bar window asks for on a button-down, the
// release that clicks the item, and the keyboard's click that runs both. Every step after a call
// into user code checks that the control, its bar window and the item still exist.
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarButtonControl.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarUnit.h"

namespace dxBar {

bool TdxBarItemControl::MousePressed() {
  if (!GetEnabled() || !FParent || !FParent->HandleAllocated()) return false;
  TPoint P;
  GetCursorPos(&P);
  P = FParent->ScreenToClient(P);
  const TRect bounds = GetItemBounds();
  if (!PtInRect(&bounds, P)) return false;
  return GetKeyState(VK_LBUTTON) < 0;
}

void TdxBarItemControl::Click(bool AByMouse, Char AKey) {
  if (!GetEnabled()) return;
  TCustomdxBarControl* parent = FParent;
  TcxObjectLinkHolder self(this);
  ControlClick(AByMouse, AKey);
  if (!self.Alive()) return;
  if (parent && BarControls && BarControls->IndexOf(parent) >= 0 && parent->IsControlExists(this))
    ControlUnclick(AByMouse);
}

void TdxBarItemControl::ControlUnclick(bool) {
  if (FParent && FParent->Kind() == bkSubMenu && Is<TdxBarButtonControl>()) PlaySystemSound(dxbsMenuCommand);
  TdxBarItemLink* realLink = FItemLink ? FItemLink->GetRealItemLink() : nullptr;
  TdxBarItem* item = GetItem();
  const bool canClicked = CanClicked();
  const bool destroyOnClick = IsDestroyOnClick();
  if (destroyOnClick) {
    try {
      if (realLink) realLink->BringToTopInRecentList(true);
      if (FItemLink && FItemLink != realLink) FItemLink->BringToTopInRecentList(true);
    } catch (...) {
      // The recent list is a convenience; a failure there must not stop the click.
    }
  }
  TcxObjectLinkHolder self(this);
  TcxObjectLinkHolder itemRef(item);
  const bool needPress =
      (item ? item->GetUnclickAfterDoing() : true) && (!destroyOnClick || (FParent && !FParent->HideOnClick()));
  if (needPress) SetPressed(true);
  struct TReleasePress {
    TdxBarItemControl* Self;
    const TcxObjectLinkHolder& Ref;
    bool Need;
    ~TReleasePress() {
      if (Need && Ref.Alive()) Self->SetPressed(false);
    }
  } release{this, self, needPress};
  if (destroyOnClick) {
    if (FParent) FParent->HideAll();
  } else if (!realLink) {
    realLink = FItemLink;
  }
  if (canClicked && itemRef.Alive()) {
    item->SetClickItemLink(realLink);
    struct TClearClickLink {
      TdxBarItem* Item;
      const TcxObjectLinkHolder& Ref;
      ~TClearClickLink() {
        if (Ref.Alive()) Item->SetClickItemLink(nullptr);
      }
    } clear{item, itemRef};
    item->DirectClick();
  }
}

}  // namespace dxBar
