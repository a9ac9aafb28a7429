// Menus of the window manager: menu objects and their items, and the popup menus that
// TrackPopupMenu shows in windows of the menu class ("#32768") and tracks in a modal loop.
#pragma once

#include "WinUserTypes.h"

namespace WinMenus {

// ---- Item flags of AppendMenu, InsertMenu, ModifyMenu and the state calls ---------------------------
constexpr UINT MF_INSERT = 0x0000, MF_CHANGE = 0x0080, MF_APPEND = 0x0100, MF_DELETE = 0x0200,
               MF_REMOVE = 0x1000, MF_BYCOMMAND = 0x0000, MF_BYPOSITION = 0x0400, MF_SEPARATOR = 0x0800,
               MF_ENABLED = 0x0000, MF_GRAYED = 0x0001, MF_DISABLED = 0x0002, MF_UNCHECKED = 0x0000,
               MF_CHECKED = 0x0008, MF_USECHECKBITMAPS = 0x0200, MF_STRING = 0x0000, MF_BITMAP = 0x0004,
               MF_OWNERDRAW = 0x0100, MF_POPUP = 0x0010, MF_MENUBARBREAK = 0x0020, MF_MENUBREAK = 0x0040,
               MF_UNHILITE = 0x0000, MF_HILITE = 0x0080, MF_DEFAULT = 0x1000, MF_SYSMENU = 0x2000,
               MF_HELP = 0x4000, MF_RIGHTJUSTIFY = 0x4000, MF_MOUSESELECT = 0x8000;
// Item types and states of MENUITEMINFO.
constexpr UINT MFT_STRING = MF_STRING, MFT_BITMAP = MF_BITMAP, MFT_MENUBARBREAK = MF_MENUBARBREAK,
               MFT_MENUBREAK = MF_MENUBREAK, MFT_OWNERDRAW = MF_OWNERDRAW, MFT_RADIOCHECK = 0x0200,
               MFT_SEPARATOR = MF_SEPARATOR, MFT_RIGHTORDER = 0x2000, MFT_RIGHTJUSTIFY = MF_RIGHTJUSTIFY;
constexpr UINT MFS_GRAYED = 0x0003, MFS_DISABLED = MFS_GRAYED, MFS_CHECKED = MF_CHECKED,
               MFS_HILITE = MF_HILITE, MFS_ENABLED = MF_ENABLED, MFS_UNCHECKED = MF_UNCHECKED,
               MFS_UNHILITE = MF_UNHILITE, MFS_DEFAULT = MF_DEFAULT;
constexpr UINT MIIM_STATE = 0x0001, MIIM_ID = 0x0002, MIIM_SUBMENU = 0x0004, MIIM_CHECKMARKS = 0x0008,
               MIIM_TYPE = 0x0010, MIIM_DATA = 0x0020, MIIM_STRING = 0x0040, MIIM_BITMAP = 0x0080,
               MIIM_FTYPE = 0x0100;
// GetMenuDefaultItem's options.
constexpr UINT GMDI_USEDISABLED = 0x0001, GMDI_GOINTOPOPUPS = 0x0002;

// ---- TrackPopupMenu ---------------------------------------------------------------------------------
constexpr UINT TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_LEFTALIGN = 0x0000,
               TPM_CENTERALIGN = 0x0004, TPM_RIGHTALIGN = 0x0008, TPM_TOPALIGN = 0x0000,
               TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020, TPM_HORIZONTAL = 0x0000,
               TPM_VERTICAL = 0x0040, TPM_NONOTIFY = 0x0080, TPM_RETURNCMD = 0x0100, TPM_RECURSE = 0x0001,
               TPM_HORPOSANIMATION = 0x0400, TPM_HORNEGANIMATION = 0x0800, TPM_VERPOSANIMATION = 0x1000,
               TPM_VERNEGANIMATION = 0x2000, TPM_NOANIMATION = 0x4000, TPM_LAYOUTRTL = 0x8000;
// WM_MENUCHAR's answers (high word; the low word is an item position).
constexpr WORD MNC_IGNORE = 0, MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
// Sent to the owner after a popup menu has closed (wParam the menu).
constexpr UINT WM_UNINITMENUPOPUP = 0x0125;
// The class name of the menu windows.
inline constexpr const char* MenuWindowClass = "#32768";

struct MENUITEMINFOA {
  UINT cbSize = sizeof(MENUITEMINFOA);
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = nullptr;
  HBITMAP hbmpChecked = nullptr;
  HBITMAP hbmpUnchecked = nullptr;
  ULONG_PTR dwItemData = 0;
  char* dwTypeData = nullptr;  // the text (MIIM_STRING, or MIIM_TYPE with MFT_STRING)
  UINT cch = 0;                // the text's length in bytes; on reading, the buffer's size
  HBITMAP hbmpItem = nullptr;
};
using MENUITEMINFO = MENUITEMINFOA;

struct TPMPARAMS {
  UINT cbSize = sizeof(TPMPARAMS);
  RECT rcExclude;              // screen area the menu should not cover
};

// ---- Menu objects -----------------------------------------------------------------------------------
HMENU CreateMenu();                // a menu bar
HMENU CreatePopupMenu();
// Destroys the menu with the sub-menus of its items; FALSE for an invalid handle.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// ---- Items ------------------------------------------------------------------------------------------
// MF_POPUP: `id` is the sub-menu's handle; MF_OWNERDRAW: `text` is the item data; MF_BITMAP: `text` is
// the bitmap. MF_BYCOMMAND looks for the command in the sub-menus too.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, const char* text);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text);
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text);
inline BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text) { return AppendMenuA(menu, flags, id, text); }
inline BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text) {
  return InsertMenuA(menu, position, flags, id, text);
}
inline BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text) {
  return ModifyMenuA(menu, position, flags, id, text);
}
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info);
inline BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return InsertMenuItemA(menu, item, byPosition, info);
}
inline BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOA* info) {
  return GetMenuItemInfoA(menu, item, byPosition, info);
}
inline BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOA* info) {
  return SetMenuItemInfoA(menu, item, byPosition, info);
}
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);   // destroys the item's sub-menu
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);   // keeps the item's sub-menu
int GetMenuItemCount(HMENU menu);                         // -1 for an invalid menu
UINT GetMenuItemID(HMENU menu, int position);             // 0xFFFFFFFF for a sub-menu item or none
HMENU GetSubMenu(HMENU menu, int position);
// The previous state (MF_GRAYED, MF_DISABLED / MF_CHECKED), or 0xFFFFFFFF when the item does not exist.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
// Checks one item of the range with the radio mark and clears the others.
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// The item's MF_ flags; for a sub-menu item, the sub-menu's item count in the high byte and MF_POPUP.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Copies the text (at most size - 1 bytes, never cutting a character) and answers its length; a null
// buffer answers the length.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);
inline int GetMenuString(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  return GetMenuStringA(menu, item, buffer, size, flags);
}
// (UINT)-1 clears the default item.
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
// The item's rectangle on the screen while its menu is shown.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, RECT* rect);

// ---- Popup menus ------------------------------------------------------------------------------------
// Shows the menu at (x, y) and tracks it until an item is chosen or the menu is dismissed. The owner
// gets WM_ENTERMENULOOP, WM_INITMENUPOPUP for each menu opened, WM_MENUSELECT as the selection moves,
// WM_MEASUREITEM/WM_DRAWITEM for owner-drawn items, WM_UNINITMENUPOPUP for each menu closed and
// WM_EXITMENULOOP; the chosen command is posted as WM_COMMAND once the menus are gone, or answered with
// TPM_RETURNCMD (0: nothing chosen). TPM_NONOTIFY sends none of the notifications, only the
// owner-drawing ones. FALSE for an invalid menu or owner, and while another menu is tracked (unless
// TPM_RECURSE).
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* unused);
// Ends the menu being tracked, as if dismissed.
BOOL EndMenu();

// The menu glyphs of the frame controls (DFCS_MENUCHECK, DFCS_MENUBULLET, DFCS_MENUARROW) painted in a
// colour in a square of the check-mark size centred in the box: the layer's menus and owner-drawn
// menus of the class library paint their marks alike.
void DrawMenuGlyph(HDC dc, const RECT& box, UINT kind, COLORREF color);

}  // namespace WinMenus

using namespace WinMenus;
