// Menu objects and their items. A menu is a list of items; an item is a command, a separator or a
// sub-menu, with its text (or owner-draw data, or bitmap) and its state. Handles are never reused, so
// a stale handle stays invalid.
#include "WinMenus.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "System.h"

namespace WinMenus {

namespace {

struct TItem {
  UINT Type = MFT_STRING;
  UINT State = 0;
  UINT Id = 0;
  HMENU SubMenu = nullptr;
  ULONG_PTR Data = 0;
  String Text;
  HBITMAP Bitmap = nullptr;
  HBITMAP Checked = nullptr;
  HBITMAP Unchecked = nullptr;
};

struct TMenu {
  bool Popup = false;
  std::vector<TItem> Items;
};

struct TRegistry {
  std::unordered_map<HMENU, std::unique_ptr<TMenu>> Menus;
  uintptr_t Next = 0x00A00000;
};

TRegistry& Registry() {
  static TRegistry r;
  return r;
}

TMenu* Find(HMENU menu) {
  auto it = Registry().Menus.find(menu);
  return it == Registry().Menus.end() ? nullptr : it->second.get();
}

HMENU NewMenu(bool popup) {
  TRegistry& r = Registry();
  HMENU h = reinterpret_cast<HMENU>(r.Next);
  r.Next += 4;
  auto m = std::make_unique<TMenu>();
  m->Popup = popup;
  r.Menus.emplace(h, std::move(m));
  return h;
}

// Where an item is: its menu and position.
struct TPlace {
  TMenu* Menu = nullptr;
  size_t Index = 0;
  explicit operator bool() const { return Menu != nullptr; }
  TItem& Item() const { return Menu->Items[Index]; }
};

// By position in the menu itself; by command in the menu and, depth first, its sub-menus. A sub-menu
// that (wrongly) contains itself is searched once.
TPlace Locate(TMenu* m, UINT item, bool byPosition, int depth = 0) {
  if (!m || depth > 32) return {};
  if (byPosition) return item < m->Items.size() ? TPlace{m, item} : TPlace{};
  for (size_t i = 0; i < m->Items.size(); ++i) {
    const TItem& it = m->Items[i];
    if (!it.SubMenu && it.Id == item) return {m, i};
    if (it.SubMenu)
      if (TPlace p = Locate(Find(it.SubMenu), item, false, depth + 1)) return p;
  }
  return {};
}

TPlace Locate(HMENU menu, UINT item, UINT flags) { return Locate(Find(menu), item, (flags & MF_BYPOSITION) != 0); }

// An item from the flags of AppendMenu and its relatives.
bool ItemFromFlags(UINT flags, UINT_PTR id, const char* text, TItem& item) {
  item.State = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
  item.Type = flags & (MF_MENUBARBREAK | MF_MENUBREAK | MF_RIGHTJUSTIFY);
  item.SubMenu = nullptr;
  item.Id = 0;
  if (flags & MF_POPUP) {
    item.SubMenu = reinterpret_cast<HMENU>(id);
    if (!Find(item.SubMenu)) return false;
  } else {
    item.Id = static_cast<UINT>(id);
  }
  if (flags & MF_SEPARATOR) {
    item.Type |= MFT_SEPARATOR;
    item.Text.clear();
  } else if (flags & MF_OWNERDRAW) {
    item.Type |= MFT_OWNERDRAW;
    item.Data = reinterpret_cast<ULONG_PTR>(text);
  } else if (flags & MF_BITMAP) {
    item.Type |= MFT_BITMAP;
    item.Bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
  } else {
    item.Text = text ? text : "";
  }
  return true;
}

bool InsertAt(TMenu* m, size_t index, TItem item) {
  if (!m) return false;
  index = std::min(index, m->Items.size());
  m->Items.insert(m->Items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
  return true;
}

// The insertion point of InsertMenu and InsertMenuItem: before the item named, at the end when none is.
size_t InsertionIndex(HMENU menu, TMenu* m, UINT item, bool byPosition, TMenu*& target) {
  target = m;
  if (byPosition) return std::min<size_t>(item, m->Items.size());
  if (TPlace p = Locate(m, item, false)) {
    target = p.Menu;
    return p.Index;
  }
  (void)menu;
  return m->Items.size();
}

// Copies text into a caller's buffer of `size` bytes without cutting a UTF-8 character; the length copied.
UINT CopyText(const String& text, char* buffer, UINT size) {
  if (!buffer || size == 0) return 0;
  size_t n = std::min<size_t>(text.size(), size - 1);
  while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<UINT>(n);
}

void DestroyTree(HMENU menu, int depth) {
  auto it = Registry().Menus.find(menu);
  if (it == Registry().Menus.end()) return;
  std::unique_ptr<TMenu> m = std::move(it->second);
  Registry().Menus.erase(it);
  if (depth > 32) return;
  for (const TItem& item : m->Items)
    if (item.SubMenu) DestroyTree(item.SubMenu, depth + 1);
}

UINT StateFlags(const TItem& item) {
  UINT f = item.State & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
  f |= item.Type & (MF_SEPARATOR | MF_OWNERDRAW | MF_BITMAP | MF_MENUBARBREAK | MF_MENUBREAK);
  return f;
}

}  // namespace

// ---- Menu objects -----------------------------------------------------------------------------------
HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu) {
  if (!Find(menu)) return FALSE;
  DestroyTree(menu, 0);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return Find(menu) ? TRUE : FALSE; }

// ---- Items ------------------------------------------------------------------------------------------
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  TMenu* m = Find(menu);
  TItem item;
  if (!m || !ItemFromFlags(flags, id, text, item)) return FALSE;
  return InsertAt(m, m->Items.size(), std::move(item));
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text) {
  TMenu* m = Find(menu);
  TItem item;
  if (!m || !ItemFromFlags(flags, id, text, item)) return FALSE;
  TMenu* target = nullptr;
  size_t at = InsertionIndex(menu, m, position, (flags & MF_BYPOSITION) != 0, target);
  return InsertAt(target, at, std::move(item));
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text) {
  TPlace p = Locate(menu, position, flags);
  if (!p) return FALSE;
  TItem item = p.Item();
  HMENU oldSub = item.SubMenu;
  if (!ItemFromFlags(flags, id, text, item)) return FALSE;
  // A sub-menu replaced by another is destroyed, as the item owned it.
  if (oldSub && oldSub != item.SubMenu) DestroyTree(oldSub, 0);
  p.Item() = std::move(item);
  return TRUE;
}

namespace {

bool ApplyInfo(TItem& item, const MENUITEMINFOA& info) {
  if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu && !Find(info.hSubMenu)) return false;
  if (info.fMask & MIIM_TYPE) {
    // The old form: the type with the text or bitmap in dwTypeData.
    item.Type = info.fType;
    if (info.fType & MFT_BITMAP) item.Bitmap = reinterpret_cast<HBITMAP>(info.dwTypeData);
    else if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
      item.Text = info.dwTypeData ? String(info.dwTypeData) : String();
  }
  if (info.fMask & MIIM_FTYPE) item.Type = (item.Type & MFT_BITMAP) | (info.fType & ~MFT_BITMAP);
  if (info.fMask & MIIM_STRING) item.Text = info.dwTypeData ? String(info.dwTypeData) : String();
  if (info.fMask & MIIM_BITMAP) item.Bitmap = info.hbmpItem;
  if (info.fMask & MIIM_STATE) item.State = info.fState;
  if (info.fMask & MIIM_ID) item.Id = info.wID;
  if (info.fMask & MIIM_SUBMENU) item.SubMenu = info.hSubMenu;
  if (info.fMask & MIIM_DATA) item.Data = info.dwItemData;
  if (info.fMask & MIIM_CHECKMARKS) {
    item.Checked = info.hbmpChecked;
    item.Unchecked = info.hbmpUnchecked;
  }
  return true;
}

bool ValidInfo(const MENUITEMINFOA* info) { return info && info->cbSize >= sizeof(MENUITEMINFOA) - sizeof(HBITMAP); }

}  // namespace

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  TMenu* m = Find(menu);
  if (!m || !ValidInfo(info)) return FALSE;
  TItem rec;
  if (!ApplyInfo(rec, *info)) return FALSE;
  TMenu* target = nullptr;
  size_t at = InsertionIndex(menu, m, item, byPosition != FALSE, target);
  return InsertAt(target, at, std::move(rec));
}

BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  if (!ValidInfo(info)) return FALSE;
  TPlace p = Locate(Find(menu), item, byPosition != FALSE);
  if (!p) return FALSE;
  const TItem& it = p.Item();
  bool wantsText = (info->fMask & MIIM_STRING) ||
                   ((info->fMask & MIIM_TYPE) && !(it.Type & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)));
  if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = it.Type;
  if ((info->fMask & MIIM_TYPE) && (it.Type & MFT_BITMAP)) info->dwTypeData = reinterpret_cast<char*>(it.Bitmap);
  if (wantsText) {
    if (info->dwTypeData && info->cch) info->cch = CopyText(it.Text, info->dwTypeData, info->cch + 1);
    else info->cch = static_cast<UINT>(it.Text.size());
  }
  if (info->fMask & MIIM_BITMAP) info->hbmpItem = it.Bitmap;
  if (info->fMask & MIIM_STATE) info->fState = it.State;
  if (info->fMask & MIIM_ID) info->wID = it.Id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it.SubMenu;
  if (info->fMask & MIIM_DATA) info->dwItemData = it.Data;
  if (info->fMask & MIIM_CHECKMARKS) {
    info->hbmpChecked = it.Checked;
    info->hbmpUnchecked = it.Unchecked;
  }
  return TRUE;
}

BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  if (!ValidInfo(info)) return FALSE;
  TPlace p = Locate(Find(menu), item, byPosition != FALSE);
  if (!p) return FALSE;
  TItem copy = p.Item();
  if (!ApplyInfo(copy, *info)) return FALSE;
  p.Item() = std::move(copy);
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  TPlace p = Locate(menu, position, flags);
  if (!p) return FALSE;
  HMENU sub = p.Item().SubMenu;
  p.Menu->Items.erase(p.Menu->Items.begin() + static_cast<std::ptrdiff_t>(p.Index));
  if (sub) DestroyTree(sub, 0);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  TPlace p = Locate(menu, position, flags);
  if (!p) return FALSE;
  p.Menu->Items.erase(p.Menu->Items.begin() + static_cast<std::ptrdiff_t>(p.Index));
  return TRUE;
}

int GetMenuItemCount(HMENU menu) {
  TMenu* m = Find(menu);
  return m ? static_cast<int>(m->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  TMenu* m = Find(menu);
  if (!m || position < 0 || static_cast<size_t>(position) >= m->Items.size()) return 0xFFFFFFFFu;
  const TItem& it = m->Items[static_cast<size_t>(position)];
  return it.SubMenu ? 0xFFFFFFFFu : it.Id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  TMenu* m = Find(menu);
  if (!m || position < 0 || static_cast<size_t>(position) >= m->Items.size()) return nullptr;
  return m->Items[static_cast<size_t>(position)].SubMenu;
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  TPlace p = Locate(menu, item, flags);
  if (!p) return 0xFFFFFFFFu;
  TItem& it = p.Item();
  UINT old = it.State & (MF_GRAYED | MF_DISABLED);
  it.State = (it.State & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return old;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  TPlace p = Locate(menu, item, flags);
  if (!p) return 0xFFFFFFFFu;
  TItem& it = p.Item();
  DWORD old = it.State & MF_CHECKED;
  it.State = (it.State & ~MF_CHECKED) | (flags & MF_CHECKED);
  return old;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  TMenu* m = Find(menu);
  if (!m) return FALSE;
  bool found = false;
  if (flags & MF_BYPOSITION) {
    if (first > last || last >= m->Items.size() || check < first || check > last) return FALSE;
    for (UINT i = first; i <= last; ++i) {
      TItem& it = m->Items[i];
      if (i == check) {
        it.State |= MFS_CHECKED;
        it.Type |= MFT_RADIOCHECK;
        found = true;
      } else {
        it.State &= ~MFS_CHECKED;
      }
    }
    return found ? TRUE : FALSE;
  }
  TPlace p = Locate(m, check, false);
  if (!p) return FALSE;
  for (TItem& it : p.Menu->Items) {
    if (it.SubMenu || it.Id < first || it.Id > last) continue;
    if (it.Id == check && !found) {
      it.State |= MFS_CHECKED;
      it.Type |= MFT_RADIOCHECK;
      found = true;
    } else {
      it.State &= ~MFS_CHECKED;
    }
  }
  return found ? TRUE : FALSE;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  TPlace p = Locate(menu, item, flags);
  if (!p) return 0xFFFFFFFFu;
  const TItem& it = p.Item();
  UINT f = StateFlags(it);
  if (it.SubMenu) {
    int count = std::min(GetMenuItemCount(it.SubMenu), 0xFF);
    f = (f & 0xFF) | MF_POPUP | (static_cast<UINT>(std::max(count, 0)) << 8);
  }
  return f;
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  TPlace p = Locate(menu, item, flags);
  if (!p) {
    if (buffer && size > 0) buffer[0] = '\0';
    return 0;
  }
  const String& text = p.Item().Text;
  if (!buffer || size <= 0) return static_cast<int>(text.size());
  return static_cast<int>(CopyText(text, buffer, static_cast<UINT>(size)));
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
  TMenu* m = Find(menu);
  if (!m) return FALSE;
  TPlace p;
  if (item != 0xFFFFFFFFu) {
    p = Locate(m, item, byPosition != 0);
    if (!p || p.Menu != m) return FALSE;
  }
  for (TItem& it : m->Items) it.State &= ~MFS_DEFAULT;
  if (p) p.Item().State |= MFS_DEFAULT;
  return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags) {
  TMenu* m = Find(menu);
  if (!m) return 0xFFFFFFFFu;
  for (size_t i = 0; i < m->Items.size(); ++i) {
    const TItem& it = m->Items[i];
    if (!(it.State & MFS_DEFAULT)) continue;
    if ((it.State & MFS_GRAYED) && !(flags & GMDI_USEDISABLED)) return 0xFFFFFFFFu;
    if (it.SubMenu && (flags & GMDI_GOINTOPOPUPS)) {
      UINT inner = GetMenuDefaultItem(it.SubMenu, byPosition, flags);
      if (inner != 0xFFFFFFFFu) return inner;
    }
    return byPosition ? static_cast<UINT>(i) : it.Id;
  }
  return 0xFFFFFFFFu;
}

}  // namespace WinMenus
