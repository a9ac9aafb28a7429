// Menus of the class library: menu items with their sub-items, the popup menu that a control shows
// on a right click, and shortcuts with their texts. Items build the window layer's menus on demand
// and keep them current; a popup menu is tracked by the layer and its chosen item's OnClick runs
// after the menu window has gone, before Popup returns.
#pragma once

#include <vector>

#include "Controls.h"
#include "Exceptions.h"
#include "StdCtrls.h"  // TOwnerDrawState

namespace ImgList {
class TChangeLink;
class TCustomImageList;
}  // namespace ImgList

namespace Menus {

DECLARE_EXCEPTION(EMenuError, Exception)

// ---- Shortcuts --------------------------------------------------------------------------------------
// A key in the low byte with Shift, Ctrl and Alt bits; 0 is none.
using TShortCut = Word;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(Word Key, TShiftState Shift);        // 0 for a key above 255
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);
// "Ctrl+S", "Shift+Ctrl+F5", "Del"; empty for none and for keys without a name.
String ShortCutToText(TShortCut ShortCut);
// The reverse, case-insensitive; 0 for a text naming no key.
TShortCut TextToShortCut(const String& Text);

// ---- Types ------------------------------------------------------------------------------------------
PUBLISHED_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
PUBLISHED_ENUM(TTrackButton, tbRightButton, tbLeftButton)
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu;
class TMenuItem;
using TMenuDrawItemEvent = TClosure<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TMenuMeasureItemEvent = TClosure<void(TObject* Sender, TCanvas* ACanvas, Integer& Width, Integer& Height)>;
using TAdvancedMenuDrawItemEvent =
    TClosure<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, StdCtrls::TOwnerDrawState State)>;

// The caption of a separator item.
inline constexpr const char* cLineCaption = "-";

// ---- TMenuItem --------------------------------------------------------------------------------------
// An item of a menu, and the menu of its sub-items. Items stream as the children of their menu or
// parent item. Every item has a command number of its own, by which the chosen item is found.
class TMenuItem : public TComponent {
  DECLARE_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // ---- What the item shows and does
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool IsLine() const { return FCaption == cLineCaption; }
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);      // a radio item unchecks the radio items of its group
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);      // one default item among siblings, drawn bold
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  Byte GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Byte Value);
  Integer GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TBitmap* GetBitmap();             // made when first asked for
  void SetBitmap(TBitmap* Value);
  bool HasBitmap() const;
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  Word GetCommand() const { return FCommand; }
  // The window layer's menu of the sub-items, made and filled on demand.
  HMENU GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // ---- Sub-items
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TMenuItem* GetItem(Integer Index) const;   // EMenuError out of range
  TMenuItem* operator[](Integer Index) const { return GetItem(Index); }
  TMenuItem* GetParent() const { return FParent; }
  TMenu* GetParentMenu() const;
  Integer GetMenuIndex() const;
  void SetMenuIndex(Integer Value);
  // An item belongs to one parent: adding one that has a parent raises EMenuError.
  void Add(TMenuItem* Item);
  void Insert(Integer Index, TMenuItem* Item);
  void Delete(Integer Index);               // takes the item out; it is not freed
  void Remove(TMenuItem* Item);
  void Clear();                             // frees the sub-items
  Integer IndexOf(TMenuItem* Item) const;
  // The sub-item with this caption, accelerator marks and case aside; null when none.
  TMenuItem* Find(const String& ACaption) const;

  // ---- Actions and drawing
  // Fires OnClick when the item is enabled (toggling Checked first for an AutoCheck item). For an item
  // with sub-items it runs as their menu opens.
  virtual void Click();
  // The size of an owner-drawn item (OnMeasureItem may change it) and its painting: OnAdvancedDrawItem,
  // else OnDrawItem, else the menu's own look with the picture from the menu's Images or its Bitmap.
  virtual void MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, StdCtrls::TOwnerDrawState State, bool TopLevel);
  virtual void DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected);
  bool IsOwnerDraw() const;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TNotifyEvent GetOnClick() const { return OnClick; }
  void SetOnClick(TNotifyEvent V) { OnClick = V; }
  TMenuDrawItemEvent GetOnDrawItem() const { return OnDrawItem; }
  void SetOnDrawItem(TMenuDrawItemEvent V);
  TMenuMeasureItemEvent GetOnMeasureItem() const { return OnMeasureItem; }
  void SetOnMeasureItem(TMenuMeasureItemEvent V);
  TAdvancedMenuDrawItemEvent GetOnAdvancedDrawItem() const { return OnAdvancedDrawItem; }
  void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent V);

  // ---- Streaming
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  TComponent* GetParentComponent() override;
  bool HasParent() override { return true; }

 protected:
  friend class TMenu;
  void Construct() override;
  void Destroy() override;
  void SetParentComponent(TComponent* Value) override;
  void SetChildOrder(TComponent* Child, Integer Order) override;
  // Something the menus show changed: the parent's layer menu (or, for the item's own sub-items, its
  // own) is rebuilt when it exists.
  void MenuChanged(bool OwnItems);

 private:
  void RebuildHandle();
  void TurnSiblingsOff();
  void BitmapChanged(TObject* Sender) { MenuChanged(false); }

  String FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  bool FRadioItem = false;
  bool FAutoCheck = false;
  Byte FGroupIndex = 0;
  Integer FImageIndex = -1;
  TBitmap* FBitmap = nullptr;
  TShortCut FShortCut = 0;
  String FHint;
  Word FCommand = 0;
  HMENU FHandle = nullptr;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;                 // set on a menu's root item
  std::vector<TMenuItem*> FItems;
};

// ---- TMenu ------------------------------------------------------------------------------------------
class TMenu : public TComponent {
  DECLARE_CLASS(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  TMenuItem* GetItems() const { return FItems; }
  HMENU GetHandle() { return FItems->GetHandle(); }
  // The window that receives the menu's messages (WM_COMMAND, owner drawing); for a popup menu, the
  // menus' own hidden window unless set.
  virtual HWND GetWindowHandle();
  void SetWindowHandle(HWND Value) { FWindowHandle = Value; }
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  // The pictures of the items (by ImageIndex); a menu with images draws its items itself.
  ImgList::TCustomImageList* GetImages() const { return FImages; }
  void SetImages(ImgList::TCustomImageList* Value);

  // The item with this command clicked; false when no item has it.
  bool DispatchCommand(Word ACommand);
  // The item whose sub-menu this is clicked (its menu is about to open); false when none.
  bool DispatchPopup(HMENU AMenu);
  TMenuItem* FindItem(NativeUInt Value, TFindItemKind Kind);
  // A key message (WParam the key, LParam the key data): the enabled item with that shortcut is
  // clicked, after the items above it (as if their menus opened); true when one was.
  virtual bool IsShortCut(TMessage& Message);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  void Construct() override;
  void Destroy() override;
  void SetChildOrder(TComponent* Child, Integer Order) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Every item's type or size may change: each layer menu that exists is rebuilt.
  void RebuildHandles();
  void ImageListChange(TObject* Sender) { RebuildHandles(); }

  TMenuItem* FItems = nullptr;
  HWND FWindowHandle = nullptr;
  bool FOwnerDraw = false;
  ImgList::TCustomImageList* FImages = nullptr;
  ImgList::TChangeLink* FImageChangeLink = nullptr;
};

// ---- TPopupMenu -------------------------------------------------------------------------------------
class TPopupMenu : public TMenu {
  DECLARE_CLASS(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* AOwner = nullptr) : TMenu(AOwner) {}
  // Shows the menu at the screen point and returns when it has closed; the chosen item's OnClick has
  // run by then (after the menu window went). OnPopup comes first.
  virtual void Popup(Integer X, Integer Y);
  TPoint GetPopupPoint() const { return FPopupPoint; }
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TTrackButton GetTrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  HWND GetWindowHandle() override;

  TNotifyEvent OnPopup;
  TNotifyEvent GetOnPopup() const { return OnPopup; }
  void SetOnPopup(TNotifyEvent V) { OnPopup = V; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoPopup(TObject* Sender);

 private:
  TPoint FPopupPoint{-1, -1};
  TComponent* FPopupComponent = nullptr;
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TTrackButton FTrackButton = tbRightButton;
};

// ---- Controls' context menus ------------------------------------------------------------------------
// The right click (WM_CONTEXTMENU) of a control that nothing else handled: its PopupMenu, when that is
// a popup menu with AutoPopup, pops up at the screen point (below the control's top-left corner for
// the keyboard's (-1, -1)) with PopupComponent set to the control. True when a menu popped up.
bool ControlContextPopup(TControl* Control, TPoint ScreenPos);

}  // namespace Menus

using namespace Menus;
