// Menu items and menus: the item tree, the window layer's menus built from it, command numbers,
// shortcuts and streaming; the hidden window that receives the messages of tracked menus.
#include "Menus.h"

#include <algorithm>

#include "ExtCtrls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Strings.h"
#include "TypInfo.h"
#include "WinUser.h"

namespace Menus {

namespace {

// Command numbers are unique among the live items; 0 stays free, as TrackPopupMenu answers it for
// "nothing chosen".
std::vector<bool>& CommandPool() {
  static std::vector<bool> pool(1, true);
  return pool;
}

Word UniqueCommand() {
  auto& pool = CommandPool();
  for (size_t i = 1; i < pool.size(); ++i)
    if (!pool[i]) {
      pool[i] = true;
      return static_cast<Word>(i);
    }
  if (pool.size() > 0xFFFF) throw EMenuError("Too many menu items");
  pool.push_back(true);
  return static_cast<Word>(pool.size() - 1);
}

void ReleaseCommand(Word Command) {
  auto& pool = CommandPool();
  if (Command && Command < pool.size()) pool[Command] = false;
}

// The live menus and items: the messages of a tracked menu name them by handle and by pointer, and
// a pointer is used only while its item lives.
std::vector<TMenu*>& LiveMenus() {
  static std::vector<TMenu*> menus;
  return menus;
}

std::vector<TMenuItem*>& LiveItems() {
  static std::vector<TMenuItem*> items;
  return items;
}

TMenuItem* LiveItem(ULONG_PTR Data) {
  auto* item = reinterpret_cast<TMenuItem*>(Data);
  auto& items = LiveItems();
  return std::find(items.begin(), items.end(), item) != items.end() ? item : nullptr;
}

void EnsureItemClassRegistered() {
  // Items stream as children of their menu; the reader finds their class by name.
  if (!GetClass("TMenuItem")) RegisterClass(TMenuItem::StaticClass());
}

// ---- The menus' window ------------------------------------------------------------------------------
// Owner-drawn items are measured and painted with a canvas in the menu font.
template <typename TUse>
void WithMenuCanvas(HDC DC, TUse use) {
  TCanvas* canvas = New<TCanvas>();
  try {
    canvas->SetHandle(DC);
    canvas->SetFont(Screen->MenuFont());
    use(canvas);
  } catch (...) {
    canvas->SetHandle(nullptr);
    canvas->Free();
    throw;
  }
  canvas->SetHandle(nullptr);
  canvas->Free();
}

// The menu item whose sub-menu (or, for a menu's root, whose menu) is this handle.
TMenuItem* ItemOfHandle(HMENU Handle) {
  for (TMenu* m : LiveMenus())
    if (TMenuItem* item = m->FindItem(reinterpret_cast<NativeUInt>(Handle), fkHandle)) return item;
  return nullptr;
}

HWND g_MenusWindow = nullptr;

void HandleMenusMessage(TMessage& M) {
  switch (M.Msg) {
    case WM_COMMAND:
      if (HIWORD(M.WParam) == 0) {
        std::vector<TMenu*> menus = LiveMenus();
        for (TMenu* m : menus)
          if (m->DispatchCommand(LOWORD(M.WParam))) return;
      }
      break;
    case WM_INITMENUPOPUP: {
      std::vector<TMenu*> menus = LiveMenus();
      for (TMenu* m : menus)
        if (m->DispatchPopup(reinterpret_cast<HMENU>(M.WParam))) return;
      return;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(M.LParam);
      TMenuItem* item = mis && mis->CtlType == ODT_MENU ? LiveItem(mis->itemData) : nullptr;
      if (!item) break;
      HDC dc = GetDC(nullptr);
      Integer width = static_cast<Integer>(mis->itemWidth), height = static_cast<Integer>(mis->itemHeight);
      try {
        WithMenuCanvas(dc, [&](TCanvas* c) { item->MeasureItem(c, width, height); });
      } catch (...) {
        ReleaseDC(nullptr, dc);
        throw;
      }
      ReleaseDC(nullptr, dc);
      mis->itemWidth = static_cast<UINT>(std::max(width, 0));
      mis->itemHeight = static_cast<UINT>(std::max(height, 0));
      M.Result = 1;
      return;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(M.LParam);
      TMenuItem* item = dis && dis->CtlType == ODT_MENU ? LiveItem(dis->itemData) : nullptr;
      if (!item) break;
      static constexpr struct {
        UINT Flag;
        StdCtrls::TOwnerDrawStateItem State;
      } states[] = {{ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},   {ODS_DISABLED, odDisabled},
                    {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},   {ODS_DEFAULT, odDefault},
                    {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel}};
      StdCtrls::TOwnerDrawState state;
      for (const auto& s : states)
        if (dis->itemState & s.Flag) state.Include(s.State);
      WithMenuCanvas(dis->hDC, [&](TCanvas* c) { item->AdvancedDrawItem(c, TRect(dis->rcItem), state, false); });
      M.Result = 1;
      return;
    }
    case WM_MENUSELECT: {
      // The selected item's long hint is the application's hint while the menu is up.
      if (HIWORD(M.WParam) == 0xFFFF && M.LParam == 0) {
        Application->SetHint(String());
        return;
      }
      TMenuItem* item = nullptr;
      if (HIWORD(M.WParam) & MF_POPUP) {
        if (TMenuItem* parent = ItemOfHandle(reinterpret_cast<HMENU>(M.LParam))) {
          Integer position = 0;
          for (Integer i = 0; i < parent->GetCount() && !item; ++i)
            if (parent->GetItem(i)->GetVisible() && position++ == LOWORD(M.WParam)) item = parent->GetItem(i);
        }
      } else {
        for (TMenu* m : LiveMenus())
          if ((item = m->FindItem(LOWORD(M.WParam), fkCommand))) break;
      }
      Application->SetHint(item ? GetLongHint(item->GetHint()) : String());
      return;
    }
    case WM_MENUCHAR: {
      // The layer knows no accelerators of owner-drawn items: the item whose caption has it is chosen
      // (or, when several have it, selected in turn by the layer's repeated asking).
      TMenuItem* parent = ItemOfHandle(reinterpret_cast<HMENU>(M.LParam));
      if (!parent) break;
      Integer position = 0;
      for (Integer i = 0; i < parent->GetCount(); ++i) {
        TMenuItem* item = parent->GetItem(i);
        if (!item->GetVisible()) continue;
        if (item->GetEnabled() && Strings::IsAccel(LOWORD(M.WParam), item->GetCaption())) {
          M.Result = static_cast<LRESULT>(MAKELONG(static_cast<WORD>(position), MNC_EXECUTE));
          return;
        }
        ++position;
      }
      break;
    }
    default: break;
  }
  M.Result = DefWindowProcA(g_MenusWindow, M.Msg, M.WParam, M.LParam);
}

// A handler that raises (an item's OnClick as its sub-menu opens, an owner-drawing event) is reported
// by the application; the menu goes on.
void MenusWindowProc(TMessage& M) {
  try {
    HandleMenusMessage(M);
  } catch (...) {
    Application->HandleException(nullptr);
  }
}

HWND MenusWindow() {
  // The window layer may have been reset (tests start on an empty desktop): a lost window is made anew.
  // One window procedure serves every such window, so a lost window leaves nothing behind.
  static const WNDPROC proc = MakeObjectInstance(TWndMethod(&MenusWindowProc));
  if (!g_MenusWindow || !IsWindow(g_MenusWindow)) {
    g_MenusWindow = AllocateHWnd(TWndMethod());
    SetWindowLongPtr(g_MenusWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
  }
  return g_MenusWindow;
}

}  // namespace

// ---- TMenuItem: life --------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TMenuItem) {
  d.Property("Bitmap", &TMenuItem::GetBitmap, &TMenuItem::SetBitmap).Stored(&TMenuItem::HasBitmap);
  d.Property("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption);
  d.Property("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked).Default(false);
  d.Property("AutoCheck", &TMenuItem::GetAutoCheck, &TMenuItem::SetAutoCheck).Default(false);
  d.Property("Default", &TMenuItem::GetDefault, &TMenuItem::SetDefault).Default(false);
  d.Property("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled).Default(true);
  d.Property("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  d.Property("Hint", &TMenuItem::GetHint, &TMenuItem::SetHint);
  d.Property("ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex).Default(-1);
  d.Property("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem).Default(false);
  d.Property("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut).Default(0);
  d.Property("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible).Default(true);
  d.Property("OnClick", &TMenuItem::GetOnClick, &TMenuItem::SetOnClick);
  d.Property("OnAdvancedDrawItem", &TMenuItem::GetOnAdvancedDrawItem, &TMenuItem::SetOnAdvancedDrawItem);
  d.Property("OnDrawItem", &TMenuItem::GetOnDrawItem, &TMenuItem::SetOnDrawItem);
  d.Property("OnMeasureItem", &TMenuItem::GetOnMeasureItem, &TMenuItem::SetOnMeasureItem);
}

void TMenuItem::Construct() {
  inherited::Construct();
  FCommand = UniqueCommand();
  LiveItems().push_back(this);
}

void TMenuItem::Destroy() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) FItems.back()->Free();
  if (FHandle) DestroyMenu(FHandle);
  FHandle = nullptr;
  FreeAndNil(FBitmap);
  ReleaseCommand(FCommand);
  std::erase(LiveItems(), this);
  inherited::Destroy();
}

// ---- TMenuItem: the layer's menu --------------------------------------------------------------------
HMENU TMenuItem::GetHandle() {
  if (!FHandle || !IsMenu(FHandle)) {
    FHandle = CreatePopupMenu();
    RebuildHandle();
  }
  return FHandle;
}

void TMenuItem::RebuildHandle() {
  if (!FHandle || !IsMenu(FHandle)) return;
  // The sub-items' own menus stay: they are detached here and attached again below.
  while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  UINT position = 0;
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    String text = item->FCaption;
    if (item->FShortCut) text += "\t" + ShortCutToText(item->FShortCut);
    MENUITEMINFOA mi;
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    if (item->IsLine()) mi.fType = MFT_SEPARATOR;
    else mi.fType = (item->IsOwnerDraw() ? MFT_OWNERDRAW : MFT_STRING) | (item->FRadioItem ? MFT_RADIOCHECK : 0);
    mi.fState = (item->FEnabled ? 0 : MFS_GRAYED) | (item->FChecked ? MFS_CHECKED : 0) | (item->FDefault ? MFS_DEFAULT : 0);
    mi.wID = item->FCommand;
    mi.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    mi.hSubMenu = item->GetCount() > 0 && !item->IsLine() ? item->GetHandle() : nullptr;
    mi.dwTypeData = text.data();
    mi.cch = static_cast<UINT>(text.size());
    InsertMenuItemA(FHandle, position++, TRUE, &mi);
  }
}

void TMenuItem::MenuChanged(bool OwnItems) {
  if (OwnItems) RebuildHandle();
  if (FParent) FParent->RebuildHandle();
}

bool TMenuItem::IsOwnerDraw() const {
  TMenu* menu = GetParentMenu();
  return (menu && (menu->GetOwnerDraw() || menu->GetImages())) || HasBitmap();
}

// ---- TMenuItem: properties --------------------------------------------------------------------------
void TMenuItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  MenuChanged(true);  // a separator's sub-menu is dropped, an item's comes back
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* item : FParent->FItems)
    if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex) item->FChecked = false;
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  MenuChanged(false);
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  if (Value && FParent)
    for (TMenuItem* item : FParent->FItems) item->FDefault = false;
  FDefault = Value;
  MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  if (FChecked && Value) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetGroupIndex(Byte Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  MenuChanged(false);
}

TBitmap* TMenuItem::GetBitmap() {
  if (!FBitmap) {
    FBitmap = New<TBitmap>();
    FBitmap->OnChange = TNotifyEvent(this, &TMenuItem::BitmapChanged);
  }
  return FBitmap;
}

void TMenuItem::SetBitmap(TBitmap* Value) { GetBitmap()->Assign(Value); }

bool TMenuItem::HasBitmap() const { return FBitmap && !FBitmap->GetEmpty(); }

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  MenuChanged(false);
}

void TMenuItem::SetOnDrawItem(TMenuDrawItemEvent V) {
  OnDrawItem = V;
  MenuChanged(false);
}

void TMenuItem::SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent V) {
  OnAdvancedDrawItem = V;
  MenuChanged(false);
}

void TMenuItem::SetOnMeasureItem(TMenuMeasureItemEvent V) {
  OnMeasureItem = V;
  MenuChanged(false);
}

// ---- TMenuItem: sub-items ---------------------------------------------------------------------------
TMenuItem* TMenuItem::GetItem(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) throw EMenuError("Menu index out of range");
  return FItems[static_cast<size_t>(Index)];
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

Integer TMenuItem::GetMenuIndex() const { return FParent ? FParent->IndexOf(const_cast<TMenuItem*>(this)) : -1; }

void TMenuItem::SetMenuIndex(Integer Value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  Integer count = parent->GetCount();
  Value = std::clamp<Integer>(Value, 0, count - 1);
  if (Value == GetMenuIndex()) return;
  parent->Remove(this);
  parent->Insert(Value, this);
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::Insert(Integer Index, TMenuItem* Item) {
  if (!Item) throw EMenuError("Cannot insert a nil menu item");
  if (Item->FParent) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == Item) throw EMenuError("A menu item cannot contain itself");
  if (Index < 0 || Index > GetCount()) throw EMenuError("Menu index out of range");
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  MenuChanged(true);
}

void TMenuItem::Delete(Integer Index) {
  TMenuItem* item = GetItem(Index);
  FItems.erase(FItems.begin() + Index);
  item->FParent = nullptr;
  MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
  Integer i = IndexOf(Item);
  if (i < 0) throw EMenuError("Menu item not found");
  Delete(i);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

Integer TMenuItem::IndexOf(TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  String wanted = StripHotkey(ACaption);
  for (TMenuItem* item : FItems)
    if (AnsiSameText(StripHotkey(item->FCaption), wanted)) return item;
  return nullptr;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(!FChecked);
  if (OnClick) OnClick(this);
}

// ---- TMenuItem: streaming ---------------------------------------------------------------------------
// Only the items of the root being written: items that another component added (and owns) are its
// own business and not part of this resource.
void TMenuItem::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TMenuItem* item : FItems)
    if (item->Owner() == Root) Proc(item);
}

TComponent* TMenuItem::GetParentComponent() {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(Value)) menu->GetItems()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value)) item->Add(this);
}

void TMenuItem::SetChildOrder(TComponent* Child, Integer Order) {
  if (auto* item = dynamic_cast<TMenuItem*>(Child)) item->SetMenuIndex(Order);
}

// ---- TMenu ------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TMenu) {
  d.Property("Images", &TMenu::GetImages, &TMenu::SetImages);
  d.Property("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

void TMenu::Construct() {
  inherited::Construct();
  EnsureItemClassRegistered();
  FItems = New<TMenuItem>(nullptr);
  FItems->FMenu = this;
  FImageChangeLink = New<TChangeLink>();
  FImageChangeLink->OnChange = TNotifyEvent(this, &TMenu::ImageListChange);
  LiveMenus().push_back(this);
}

void TMenu::Destroy() {
  std::erase(LiveMenus(), this);
  FreeAndNil(FImageChangeLink);  // unregisters from the image list
  FreeAndNil(FItems);
  inherited::Destroy();
}

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) {
    FImages->UnRegisterChanges(FImageChangeLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (FImages) {
    FImages->RegisterChanges(FImageChangeLink);
    FImages->FreeNotification(this);
  }
  RebuildHandles();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
}

HWND TMenu::GetWindowHandle() { return FWindowHandle; }

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  RebuildHandles();
}

void TMenu::RebuildHandles() {
  if (!FItems) return;
  std::vector<TMenuItem*> stack{FItems};
  while (!stack.empty()) {
    TMenuItem* item = stack.back();
    stack.pop_back();
    item->RebuildHandle();
    for (TMenuItem* sub : item->FItems) stack.push_back(sub);
  }
}

TMenuItem* TMenu::FindItem(NativeUInt Value, TFindItemKind Kind) {
  std::vector<TMenuItem*> stack{FItems};
  while (!stack.empty()) {
    TMenuItem* item = stack.back();
    stack.pop_back();
    bool match = false;
    switch (Kind) {
      case fkCommand: match = item != FItems && item->FCommand == Value; break;
      case fkHandle: match = item->FHandle && reinterpret_cast<NativeUInt>(item->FHandle) == Value; break;
      case fkShortCut: match = item != FItems && item->FShortCut != 0 && item->FShortCut == Value; break;
    }
    if (match) return item;
    for (auto it = item->FItems.rbegin(); it != item->FItems.rend(); ++it) stack.push_back(*it);
  }
  return nullptr;
}

bool TMenu::DispatchCommand(Word ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AMenu) {
  TMenuItem* item = FindItem(reinterpret_cast<NativeUInt>(AMenu), fkHandle);
  if (!item) return false;
  // The root's menu opening is the popup menu's own OnPopup (already fired); a sub-menu's item is clicked.
  if (item != FItems) item->Click();
  return true;
}

bool TMenu::IsShortCut(TMessage& Message) {
  Word key = static_cast<Word>(Message.WParam & 0xFF);
  TShiftState shift = KeyDataToShiftState(Message.LParam);
  TShortCut sc = ShortCut(key, shift);
  if (sc == scNone) return false;
  TMenuItem* item = FindItem(sc, fkShortCut);
  if (!item) return false;
  // The items above it run first, as when their menus open, so they can update it; they may free it.
  std::vector<TMenuItem*> chain;
  for (TMenuItem* p = item->GetParent(); p && p != FItems; p = p->GetParent()) chain.insert(chain.begin(), p);
  for (TMenuItem* p : chain) {
    if (!LiveItem(reinterpret_cast<ULONG_PTR>(p))) return false;
    p->Click();
  }
  if (!LiveItem(reinterpret_cast<ULONG_PTR>(item)) || !item->GetEnabled()) return false;
  item->Click();
  return true;
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) { FItems->GetChildren(Proc, Root); }

void TMenu::SetChildOrder(TComponent* Child, Integer Order) {
  if (auto* item = dynamic_cast<TMenuItem*>(Child)) item->SetMenuIndex(Order);
}

// ---- TPopupMenu -------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TPopupMenu) {
  d.Property("Alignment", &TPopupMenu::GetAlignment, &TPopupMenu::SetAlignment).Default(paLeft);
  d.Property("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  d.Property("TrackButton", &TPopupMenu::GetTrackButton, &TPopupMenu::SetTrackButton).Default(tbRightButton);
  d.Property("OnPopup", &TPopupMenu::GetOnPopup, &TPopupMenu::SetOnPopup);
}

HWND TPopupMenu::GetWindowHandle() {
  HWND own = TMenu::GetWindowHandle();
  return own && IsWindow(own) ? own : MenusWindow();
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(Integer X, Integer Y) {
  FPopupPoint = TPoint(X, Y);
  DoPopup(this);
  static constexpr UINT Align[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  UINT flags = Align[FAlignment] | (FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON) | TPM_RETURNCMD;
  HWND owner = GetWindowHandle();
  UINT command = static_cast<UINT>(TrackPopupMenu(GetItems()->GetHandle(), flags, X, Y, 0, owner, nullptr));
  // The menu window is gone: the chosen item runs now, before Popup returns. The menu may have been
  // freed meanwhile (by a timer's handler); then there is nothing to run.
  if (command && std::find(LiveMenus().begin(), LiveMenus().end(), this) != LiveMenus().end())
    DispatchCommand(static_cast<Word>(command));
}

// ---- Controls' context menus ------------------------------------------------------------------------
bool ControlContextPopup(TControl* Control, TPoint ScreenPos) {
  if (!Control) return false;
  auto* menu = dynamic_cast<TPopupMenu*>(Control->GetPopupMenu());
  if (!menu || !menu->GetAutoPopup()) return false;
  if (ScreenPos.x == -1 && ScreenPos.y == -1) ScreenPos = Control->ClientToScreen(TPoint(0, 0));
  Control->SendCancelMode(nullptr);
  menu->SetPopupComponent(Control);
  menu->Popup(ScreenPos.x, ScreenPos.y);
  return true;
}

}  // namespace Menus
