// The go dialog: a popup menu that lists the visible, enabled tabs of a tab control and selects the
// one chosen.
#pragma once

#include "Menus.h"

namespace cxPC {
class TcxCustomTabControl;
}

namespace cxPCGoDialog {

using cxPC::TcxCustomTabControl;

using TcxPCGoDialogClickEvent = TClosure<void(Integer ATabControlItemIndex)>;

class TcxPCGoDialog : public TPopupMenu {
  DECLARE_CLASS(TcxPCGoDialog, TPopupMenu)
 public:
  explicit TcxPCGoDialog(TComponent* AOwner = nullptr) : TPopupMenu(AOwner) {}

  // Lists the tabs (sorted by caption without accelerators when asked) and opens under the
  // go-dialog button; returns when the menu has closed.
  using TPopupMenu::Popup;
  void Popup(bool ASorted);
  void InitializeItems(bool ASorted);
  // Where the menu opens (screen coordinates) and how it aligns to that point, as the painter's
  // GetGoDialogPosition places a menu of any size.
  TPoint GetDialogPosition();
  UINT GetDialogAlignment();

  TcxPCGoDialogClickEvent OnClick;

 protected:
  void Destroy() override;
  void DoClick(Integer ATabIndex);

 private:
  TcxCustomTabControl* GetTabControl() const;
  void ItemClick(TObject* Sender);
};

}  // namespace cxPCGoDialog

using namespace cxPCGoDialog;
