// The command kinds that derive directly from the item: the button (plain, check, radio-group
// member or split button with a drop-down menu), the label and the separator item, and the window
// item, the base of the items whose controls host an editable text.
#pragma once

#include "dxBarItem.h"
#include "dxBarItemLinks.h"

namespace dxBar {

PUBLISHED_ENUM(TdxBarButtonStyle, bsDefault, bsChecked, bsDropDown, bsCheckedDropDown)

class TdxBarLabel : public TdxBarItem {
  DECLARE_CLASS(TdxBarLabel, TdxBarItem)
 public:
  explicit TdxBarLabel(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}

 protected:
  void Construct() override;
};

// Separator items are shown in menus; on bars a link's BeginGroup draws the separator.
class TdxBarSeparator : public TdxBarLabel {
  DECLARE_CLASS(TdxBarSeparator, TdxBarLabel)
 public:
  explicit TdxBarSeparator(TComponent* AOwner = nullptr) : TdxBarLabel(AOwner) {}

  TdxBarCustomizationActions GetSupportedActions() override;
  bool CanBePlacedOn(TdxBarItemControlParentKind AParentKind, TdxBar* AToolBar, String& AErrorText) override;
  String GetNewCaption() override;
};

class TdxBarWindowItem : public TdxBarItem {
  DECLARE_CLASS(TdxBarWindowItem, TdxBarItem)
 public:
  explicit TdxBarWindowItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}

  bool CanClicked() override { return false; }
  TClass GetControlClass(bool AIsVertical) override;

  virtual String GetText() { return FText; }
  virtual void SetText(const String& Value);
  virtual void SetFocus(bool AOnlyVisible = false);
  // Message-style operations the window controls call.
  virtual void Change();
  virtual void CurChange();
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyPress(Char& Key);
  virtual void KeyUp(Word& Key, TShiftState Shift);

  String GetCurText();
  void SetCurText(const String& Value);
  TdxBarItemLink* GetFocusedItemLink();
  bool GetEmptyWindow() const { return FEmptyWindow; }

  TNotifyEvent OnChange;
  TNotifyEvent OnCurChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  String FText;
  bool FEmptyWindow = false;
};

// The drop-down menu of a split button is a popup menu (any bar component that owns item links);
// the button asks to be told when it is freed.
class TdxBarButton : public TdxBarItem, public IdxBarLinksOwner {
  DECLARE_CLASS(TdxBarButton, TdxBarItem)
 public:
  explicit TdxBarButton(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}

  TdxBarCustomizationActions GetSupportedActions() override;
  bool CanChangePaintStyle() override { return true; }
  TdxBarItemLinks* GetItemLinks() override;
  bool HasAccel(TdxBarItemLink* AItemLink) override;
  void PaintStyleChanged() override;
  String GetNewCaption() override;
  void Click() override;
  void ActionChange(TObject* Sender, bool ACheckDefaults) override;
  virtual void DoDropDown(TdxBarItemControl* AControl, Integer X, Integer Y, bool AByMouse);

  // IdxBarLinksOwner, on behalf of the drop-down menu.
  bool CanContainItem(TdxBarItem* AItem, String& AErrorText) override;
  TCustomdxBarControl* CreateBarControl() override;
  TComponent* GetComponentInstance() override { return this; }

  TdxBarButtonStyle GetButtonStyle() const { return static_cast<TdxBarButtonStyle>(FStyleBits); }
  void SetButtonStyle(TdxBarButtonStyle Value);
  bool IsChecked() const { return (FStyleBits & 1) != 0; }
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool GetCloseSubMenuOnClick() const { return FCloseSubMenuOnClick; }
  void SetCloseSubMenuOnClick(bool Value) { FCloseSubMenuOnClick = Value; }
  bool GetDown() const { return FDown; }
  void SetDown(bool Value);
  bool IsDownStored();
  bool GetDropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value);
  TdxBarComponent* GetDropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TdxBarComponent* Value);
  Integer GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value);
  bool GetLowered() const { return FLowered; }
  void SetLowered(bool Value);

 protected:
  void Construct() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The other check buttons of the manager with the same group index.
  template <class F>
  void ForEachGroupMember(F AProc);
  IdxBarLinksOwner* GetDropDownLinksOwner() const;

  bool FAllowAllUp = false;
  bool FCloseSubMenuOnClick = true;
  bool FDown = false;
  bool FDropDownEnabled = true;
  TdxBarComponent* FDropDownMenu = nullptr;
  Integer FGroupIndex = 0;
  Byte FStyleBits = 0;  // bit 0 checked, bit 1 drop-down
  bool FLowered = false;
};

}  // namespace dxBar

using namespace dxBar;
