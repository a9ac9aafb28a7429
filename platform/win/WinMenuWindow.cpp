// The popup menu windows ("#32768") and TrackPopupMenu's modal loop: laying out the items in the menu
// font, drawing them as the classic system menus look (raised frame, highlight bar, check marks, radio
// bullets, sub-menu arrows, embossed disabled text, shortcut column, underlined accelerators), placing
// each menu inside the screen, and following the mouse and the keys until an item is chosen or the
// menu is dismissed.
#include <algorithm>
#include <memory>
#include <vector>

#include "Messages.h"
#include "WinClasses.h"
#include "WinControls.h"
#include "WinCursor.h"
#include "WinDefProc.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMenus.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinTimers.h"
#include "WinUserDraw.h"

namespace WinMenus {

namespace {

constexpr int Frame = 3;             // raised edge (2) and one pixel of menu colour
constexpr UINT_PTR ShowTimer = 1;    // opens the sub-menu of the item the pointer rests on
constexpr WPARAM MsgfMenu = 2;       // WM_ENTERIDLE's "a menu is up"

struct TTracking;

// An item as the window reads it from its menu.
struct TItemInfo {
  UINT Type = 0;
  UINT State = 0;
  UINT Id = 0;
  HMENU Sub = nullptr;
  ULONG_PTR Data = 0;
  HBITMAP Bitmap = nullptr;
  String Label;      // before the tab
  String Shortcut;   // after the tab
  bool Separator() const { return (Type & MFT_SEPARATOR) != 0; }
  bool OwnerDraw() const { return (Type & MFT_OWNERDRAW) != 0; }
  bool Disabled() const { return (State & MFS_GRAYED) != 0; }
};

bool ReadItem(HMENU menu, int index, TItemInfo& out) {
  MENUITEMINFOA mi;
  mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_BITMAP | MIIM_STRING;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &mi)) return false;
  String text;
  if (mi.cch) {
    String buffer(mi.cch + 1, '\0');
    MENUITEMINFOA ti;
    ti.fMask = MIIM_STRING;
    ti.dwTypeData = buffer.data();
    ti.cch = mi.cch;
    GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &ti);
    text.assign(buffer.c_str());
  }
  out.Type = mi.fType;
  out.State = mi.fState;
  out.Id = mi.wID;
  out.Sub = mi.hSubMenu;
  out.Data = mi.dwItemData;
  out.Bitmap = mi.hbmpItem;
  size_t tab = text.find('\t');
  out.Label = text.substr(0, tab);
  out.Shortcut = tab == String::npos ? String() : text.substr(tab + 1);
  return true;
}

// One open menu: its window, the items' places and the selection.
struct TShown {
  TTracking* Track = nullptr;
  HMENU Menu = nullptr;
  HWND Window = nullptr;
  std::vector<RECT> Items;   // client coordinates
  int Selected = -1;
  int CheckColumn = 0;       // from the item's left to the label
  int LabelWidth = 0;        // the widest label, where the shortcut column starts
  int ShortcutGap = 0;
};

struct TTracking {
  HWND Owner = nullptr;
  UINT Flags = 0;
  bool Notify = true;
  bool Done = false;
  bool Chosen = false;
  UINT Command = 0;
  HFONT Font = nullptr;
  HFONT BoldFont = nullptr;
  POINT LastMouse{-32768, -32768};
  std::vector<std::unique_ptr<TShown>> Open;   // the root menu first
};

TTracking* g_Current = nullptr;

LRESULT NotifyOwner(TTracking& t, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!t.Notify || !IsWindow(t.Owner)) return 0;
  return SendMessageA(t.Owner, msg, wParam, lParam);
}

// ---- Layout -----------------------------------------------------------------------------------------
int TextWidth(HDC dc, const String& text, UINT format) {
  if (text.empty()) return 0;
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT | DT_SINGLELINE);
  return r.right - r.left;
}

int PlainItemHeight(HDC dc) {
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  return std::max<int>(tm.tmHeight + 4, GetSystemMetrics(SM_CYMENUCHECK) + 4);
}

// Measures every item and gives the window its size (client = window: the frame is painted).
SIZE Layout(TShown& s) {
  TTracking& t = *s.Track;
  HDC dc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, t.Font);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  int plainHeight = PlainItemHeight(dc);
  int separatorHeight = GetSystemMetrics(SM_CYMENUSIZE) / 2;
  int check = GetSystemMetrics(SM_CXMENUCHECK);
  s.CheckColumn = check + 6;
  s.ShortcutGap = std::max<int>(12, 2 * tm.tmAveCharWidth);
  int arrowColumn = check + 4;
  int count = std::max(GetMenuItemCount(s.Menu), 0);
  std::vector<int> heights(static_cast<size_t>(count), plainHeight);
  int labelW = 0, shortcutW = 0, ownerW = 0;
  for (int i = 0; i < count; ++i) {
    TItemInfo it;
    if (!ReadItem(s.Menu, i, it)) continue;
    if (it.Separator()) {
      heights[static_cast<size_t>(i)] = separatorHeight;
    } else if (it.OwnerDraw()) {
      MEASUREITEMSTRUCT mis;
      mis.CtlType = ODT_MENU;
      mis.itemID = it.Id;
      mis.itemHeight = static_cast<UINT>(plainHeight);
      mis.itemData = it.Data;
      if (IsWindow(t.Owner)) SendMessageA(t.Owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
      // The check-mark column is added to the width the owner asks for, as the system does.
      ownerW = std::max(ownerW, static_cast<int>(std::min<UINT>(mis.itemWidth, 4000)) + check - 1 + arrowColumn);
      heights[static_cast<size_t>(i)] = static_cast<int>(std::clamp<UINT>(mis.itemHeight, 1, 1000));
    } else {
      HGDIOBJ f = (it.State & MFS_DEFAULT) ? SelectObject(dc, t.BoldFont) : nullptr;
      labelW = std::max(labelW, TextWidth(dc, it.Label, 0));
      shortcutW = std::max(shortcutW, TextWidth(dc, it.Shortcut, DT_NOPREFIX));
      if (f) SelectObject(dc, f);
    }
  }
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);
  s.LabelWidth = labelW;
  int contentW = s.CheckColumn + labelW + (shortcutW ? s.ShortcutGap + shortcutW : 0) + arrowColumn;
  contentW = std::max(contentW, ownerW);
  s.Items.assign(static_cast<size_t>(count), RECT{});
  int y = Frame;
  for (int i = 0; i < count; ++i) {
    int h = heights[static_cast<size_t>(i)];
    s.Items[static_cast<size_t>(i)] = RECT{Frame, y, Frame + contentW, y + h};
    y += h;
  }
  return SIZE{contentW + 2 * Frame, y + Frame};
}

// ---- Drawing ----------------------------------------------------------------------------------------
void FillColor(HDC dc, const RECT& r, int sysColor) { FillRect(dc, &r, GetSysColorBrush(sysColor)); }

void ItemBitmap(HDC dc, const RECT& box, HBITMAP bitmap) {
  // Small values stand for the system's own item pictures, which these menus do not draw.
  if (reinterpret_cast<uintptr_t>(bitmap) < 0x100) return;
  BITMAP bm{};
  if (!GetObjectA(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  int w = std::min<int>(bm.bmWidth, box.right - box.left), h = std::min<int>(bm.bmHeight, box.bottom - box.top);
  BitBlt(dc, (box.left + box.right - w) / 2, (box.top + box.bottom - h) / 2, w, h, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
}

// Text (and glyphs) of a disabled item are embossed: a highlight copy one pixel down and right under
// the shadow-coloured one, unless the item is selected, where grey text shows on the bar.
template <typename TDraw>
void Inked(HDC dc, bool disabled, bool selected, TDraw draw) {
  if (disabled && !selected) {
    draw(1, GetSysColor(COLOR_3DHILIGHT));
    draw(0, GetSysColor(COLOR_3DSHADOW));
  } else if (disabled) {
    draw(0, GetSysColor(COLOR_GRAYTEXT));
  } else {
    draw(0, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  }
}

void DrawMenuItem(TShown& s, HDC dc, int index) {
  if (index < 0 || static_cast<size_t>(index) >= s.Items.size()) return;
  TItemInfo it;
  if (!ReadItem(s.Menu, index, it)) return;
  RECT r = s.Items[static_cast<size_t>(index)];
  bool selected = index == s.Selected && !it.Separator();
  if (it.Separator()) {
    FillColor(dc, r, COLOR_MENU);
    RECT line{r.left + 1, (r.top + r.bottom) / 2 - 1, r.right - 1, (r.top + r.bottom) / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  int check = GetSystemMetrics(SM_CXMENUCHECK);
  RECT arrowBox{r.right - check - 4, r.top, r.right, r.bottom};
  if (it.OwnerDraw()) {
    FillColor(dc, r, COLOR_MENU);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_MENU;
    dis.itemID = it.Id;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (selected ? ODS_SELECTED : 0) | ((it.State & MFS_CHECKED) ? ODS_CHECKED : 0) |
                    (it.Disabled() ? ODS_GRAYED | ODS_DISABLED : 0) | ((it.State & MFS_DEFAULT) ? ODS_DEFAULT : 0);
    dis.hwndItem = reinterpret_cast<HWND>(s.Menu);
    dis.hDC = dc;
    dis.rcItem = r;
    dis.itemData = it.Data;
    int saved = SaveDC(dc);
    if (IsWindow(s.Track->Owner)) SendMessageA(s.Track->Owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
    RestoreDC(dc, saved);
    if (it.Sub)
      Inked(dc, it.Disabled(), selected, [&](int d, COLORREF c) {
        RECT b = arrowBox;
        OffsetRect(&b, d, d);
        DrawMenuGlyph(dc, b, DFCS_MENUARROW, c);
      });
    return;
  }
  FillColor(dc, r, selected ? COLOR_HIGHLIGHT : COLOR_MENU);
  RECT checkBox{r.left, r.top, r.left + s.CheckColumn, r.bottom};
  if (it.State & MFS_CHECKED) {
    Inked(dc, it.Disabled(), selected, [&](int d, COLORREF c) {
      RECT b = checkBox;
      OffsetRect(&b, d, d);
      DrawMenuGlyph(dc, b, (it.Type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK, c);
    });
  } else if (it.Bitmap) {
    ItemBitmap(dc, checkBox, it.Bitmap);
  }
  HGDIOBJ oldFont = SelectObject(dc, (it.State & MFS_DEFAULT) ? s.Track->BoldFont : s.Track->Font);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = GetTextColor(dc);
  Inked(dc, it.Disabled(), selected, [&](int d, COLORREF c) {
    SetTextColor(dc, c);
    RECT label{r.left + s.CheckColumn + d, r.top + d, r.right + d, r.bottom + d};
    DrawTextA(dc, it.Label.c_str(), static_cast<int>(it.Label.size()), &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!it.Shortcut.empty()) {
      RECT sc{r.left + s.CheckColumn + s.LabelWidth + s.ShortcutGap + d, r.top + d, r.right + d, r.bottom + d};
      DrawTextA(dc, it.Shortcut.c_str(), static_cast<int>(it.Shortcut.size()), &sc,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    if (it.Sub) {
      RECT b = arrowBox;
      OffsetRect(&b, d, d);
      DrawMenuGlyph(dc, b, DFCS_MENUARROW, c);
    }
  });
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void Relayout(TShown& s);

void PaintMenu(TShown& s, HDC dc) {
  if (static_cast<int>(s.Items.size()) != GetMenuItemCount(s.Menu)) Relayout(s);
  RECT client;
  GetClientRect(s.Window, &client);
  FillColor(dc, client, COLOR_MENU);
  RECT edge = client;
  DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
  for (int i = 0; i < static_cast<int>(s.Items.size()); ++i) DrawMenuItem(s, dc, i);
}

void InvalidateItem(TShown& s, int index) {
  if (index < 0 || static_cast<size_t>(index) >= s.Items.size()) return;
  InvalidateRect(s.Window, &s.Items[static_cast<size_t>(index)], FALSE);
}

// ---- Placement --------------------------------------------------------------------------------------
RECT ScreenRect() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// The top-left corner of a menu of this size anchored at (x, y) as the flags ask, flipped to the other
// side of the anchor where it would leave the screen, then kept inside it.
POINT PlaceMenu(int x, int y, SIZE size, UINT flags, const RECT* exclude) {
  RECT screen = ScreenRect();
  int left = x, top = y;
  if (flags & TPM_RIGHTALIGN) left = x - size.cx;
  else if (flags & TPM_CENTERALIGN) left = x - size.cx / 2;
  if (flags & TPM_BOTTOMALIGN) top = y - size.cy;
  else if (flags & TPM_VCENTERALIGN) top = y - size.cy / 2;
  if (left + size.cx > screen.right && !(flags & (TPM_RIGHTALIGN | TPM_CENTERALIGN))) left = x - size.cx;
  if (left < screen.left && (flags & TPM_RIGHTALIGN)) left = x;
  if (top + size.cy > screen.bottom && !(flags & (TPM_BOTTOMALIGN | TPM_VCENTERALIGN))) top = y - size.cy;
  if (top < screen.top && (flags & TPM_BOTTOMALIGN)) top = y;
  if (exclude) {
    RECT menu{left, top, left + size.cx, top + size.cy}, overlap;
    if (IntersectRect(&overlap, &menu, exclude)) {
      if (exclude->bottom + size.cy <= screen.bottom) top = exclude->bottom;
      else if (exclude->top - size.cy >= screen.top) top = exclude->top - size.cy;
    }
  }
  left = std::clamp<int>(left, screen.left, std::max<int>(screen.left, screen.right - size.cx));
  top = std::clamp<int>(top, screen.top, std::max<int>(screen.top, screen.bottom - size.cy));
  return POINT{left, top};
}

void Relayout(TShown& s) {
  SIZE size = Layout(s);
  if (s.Selected >= static_cast<int>(s.Items.size())) s.Selected = -1;
  RECT wr;
  GetWindowRect(s.Window, &wr);
  POINT at = PlaceMenu(wr.left, wr.top, size, TPM_LEFTALIGN | TPM_TOPALIGN, nullptr);
  SetWindowPos(s.Window, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(s.Window, nullptr, FALSE);
}

// ---- The class ---------------------------------------------------------------------------------------
TShown* ShownOf(HWND hwnd) { return reinterpret_cast<TShown*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

void OpenSubMenu(TTracking& t, size_t level, bool selectFirst);

LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      break;
    }
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (TShown* s = ShownOf(hwnd)) PaintMenu(*s, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_TIMER:
      if (wParam == ShowTimer) {
        KillTimer(hwnd, ShowTimer);
        TShown* s = ShownOf(hwnd);
        if (!s || !s->Track) return 0;
        TTracking& t = *s->Track;
        for (size_t level = 0; level < t.Open.size(); ++level)
          if (t.Open[level].get() == s) {
            OpenSubMenu(t, level, false);
            break;
          }
        return 0;
      }
      break;
    case WM_CAPTURECHANGED: {
      // Another window took the mouse: the menu goes, as a click elsewhere would end it.
      TShown* s = ShownOf(hwnd);
      if (s && s->Track && !s->Track->Done) {
        HWND taker = reinterpret_cast<HWND>(lParam);
        bool ours = false;
        for (auto& o : s->Track->Open) ours = ours || o->Window == taker;
        if (!ours) s->Track->Done = true;
      }
      return 0;
    }
    case WM_NCDESTROY: SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); break;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void EnsureMenuClass() {
  if (FindClassRec(MenuWindowClass)) return;
  WNDCLASSEXA wc;
  wc.style = CS_SAVEBITS | CS_DBLCLKS;
  wc.lpfnWndProc = MenuWindowProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_MENU + 1));
  wc.lpszClassName = MenuWindowClass;
  RegisterSystemClass(wc);
}

// ---- Opening, selecting, closing --------------------------------------------------------------------
bool Selectable(HMENU menu, int index) {
  TItemInfo it;
  return ReadItem(menu, index, it) && !it.Separator();
}

// Opens `menu` at the anchor; the owner prepares it first (WM_INITMENUPOPUP). False when it has no
// items or went away meanwhile.
bool OpenMenu(TTracking& t, HMENU menu, int x, int y, UINT flags, const RECT* exclude, int indexInParent) {
  NotifyOwner(t, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
              MAKELPARAM(static_cast<WORD>(std::max(indexInParent, 0)), FALSE));
  if (t.Done || !IsMenu(menu) || GetMenuItemCount(menu) <= 0) return false;
  auto s = std::make_unique<TShown>();
  s->Track = &t;
  s->Menu = menu;
  SIZE size = Layout(*s);
  POINT at = PlaceMenu(x, y, size, flags, exclude);
  s->Window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, MenuWindowClass, "", WS_POPUP | WS_CLIPSIBLINGS, at.x,
                              at.y, size.cx, size.cy, nullptr, nullptr, nullptr, s.get());
  if (!s->Window) return false;
  SetWindowPos(s->Window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(s->Window);
  t.Open.push_back(std::move(s));
  return true;
}

void CloseFrom(TTracking& t, size_t level) {
  while (t.Open.size() > level) {
    std::unique_ptr<TShown> s = std::move(t.Open.back());
    t.Open.pop_back();
    if (IsWindow(s->Window)) {
      KillTimer(s->Window, ShowTimer);
      SetWindowLongPtrA(s->Window, GWLP_USERDATA, 0);
      DestroyWindow(s->Window);
    }
    NotifyOwner(t, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(s->Menu), 0);
  }
}

void Select(TTracking& t, size_t level, int index, bool byMouse) {
  if (level >= t.Open.size()) return;
  TShown& s = *t.Open[level];
  if (s.Selected == index) return;
  // Another item of this menu: the sub-menu opened from the old one goes.
  CloseFrom(t, level + 1);
  InvalidateItem(s, s.Selected);
  s.Selected = index;
  InvalidateItem(s, index);
  KillTimer(s.Window, ShowTimer);
  TItemInfo it;
  if (index < 0 || !ReadItem(s.Menu, index, it)) return;
  UINT flags = MF_HILITE | (it.Sub ? MF_POPUP : 0) | (it.State & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) |
               (it.OwnerDraw() ? MF_OWNERDRAW : 0) | (byMouse ? MF_MOUSESELECT : 0);
  WORD idOrIndex = static_cast<WORD>(it.Sub ? static_cast<UINT>(index) : it.Id);
  NotifyOwner(t, WM_MENUSELECT, MAKEWPARAM(idOrIndex, static_cast<WORD>(flags)), reinterpret_cast<LPARAM>(s.Menu));
}

// The sub-menu of the selected item of the menu at `level` opens beside the item (on the right, or on
// the left where the screen ends), its first item aligned with the item.
void OpenSubMenu(TTracking& t, size_t level, bool selectFirst) {
  if (level >= t.Open.size()) return;
  TShown& s = *t.Open[level];
  TItemInfo it;
  if (s.Selected < 0 || !ReadItem(s.Menu, s.Selected, it) || !it.Sub || it.Disabled()) return;
  if (t.Open.size() > level + 1 && t.Open[level + 1]->Menu == it.Sub) {
    if (selectFirst && t.Open[level + 1]->Selected < 0) {
      for (int i = 0; i < static_cast<int>(t.Open[level + 1]->Items.size()); ++i)
        if (Selectable(it.Sub, i)) {
          Select(t, level + 1, i, false);
          break;
        }
    }
    return;
  }
  CloseFrom(t, level + 1);
  RECT wr;
  GetWindowRect(s.Window, &wr);
  const RECT& ir = s.Items[static_cast<size_t>(s.Selected)];
  HMENU sub = it.Sub;
  // Measure first to know whether it fits on the right.
  TShown probe;
  probe.Track = &t;
  probe.Menu = sub;
  SIZE size = Layout(probe);
  int x = wr.right - Frame;
  if (x + size.cx > ScreenRect().right) x = wr.left + Frame - size.cx;
  int y = wr.top + ir.top - Frame;
  if (!OpenMenu(t, sub, x, y, TPM_LEFTALIGN | TPM_TOPALIGN, nullptr, s.Selected)) return;
  if (selectFirst) {
    TShown& child = *t.Open.back();
    for (int i = 0; i < static_cast<int>(child.Items.size()); ++i)
      if (Selectable(sub, i)) {
        Select(t, t.Open.size() - 1, i, false);
        break;
      }
  }
}

void Choose(TTracking& t, UINT id) {
  t.Chosen = true;
  t.Command = id;
  t.Done = true;
}

// Enter, an accelerator, a click: a command item is chosen, a sub-menu item opens its menu.
void Execute(TTracking& t, size_t level, int index, bool byMouse) {
  TItemInfo it;
  if (level >= t.Open.size() || !ReadItem(t.Open[level]->Menu, index, it) || it.Separator()) return;
  Select(t, level, index, byMouse);
  if (it.Sub) OpenSubMenu(t, level, !byMouse);
  else if (!it.Disabled()) Choose(t, it.Id);
}

// ---- Input ------------------------------------------------------------------------------------------
// The deepest open menu under a screen point, and the item there (-1 on the frame or a gap).
bool HitTest(TTracking& t, POINT pt, size_t& level, int& index) {
  for (size_t i = t.Open.size(); i-- > 0;) {
    TShown& s = *t.Open[i];
    RECT wr;
    GetWindowRect(s.Window, &wr);
    if (!PtInRect(&wr, pt)) continue;
    level = i;
    index = -1;
    POINT c{pt.x - wr.left, pt.y - wr.top};
    for (size_t k = 0; k < s.Items.size(); ++k)
      if (PtInRect(&s.Items[k], c)) index = static_cast<int>(k);
    return true;
  }
  return false;
}

void MouseMove(TTracking& t, POINT pt) {
  if (pt.x == t.LastMouse.x && pt.y == t.LastMouse.y) return;
  t.LastMouse = pt;
  size_t level = 0;
  int index = -1;
  if (!HitTest(t, pt, level, index)) {
    // Off the menus: the deepest menu loses its highlight unless its item has a sub-menu open.
    TShown& last = *t.Open.back();
    if (last.Selected >= 0) {
      TItemInfo it;
      if (!ReadItem(last.Menu, last.Selected, it) || !it.Sub) {
        InvalidateItem(last, last.Selected);
        last.Selected = -1;
      }
    }
    return;
  }
  if (index < 0) return;
  TShown& s = *t.Open[level];
  if (!Selectable(s.Menu, index)) {
    Select(t, level, -1, true);
    return;
  }
  bool already = s.Selected == index;
  Select(t, level, index, true);
  TItemInfo it;
  if (ReadItem(s.Menu, index, it) && it.Sub && !it.Disabled()) {
    bool open = t.Open.size() > level + 1 && t.Open[level + 1]->Menu == it.Sub;
    if (!open && !already) {
      UINT delay = 400;
      SystemParametersInfoA(SPI_GETMENUSHOWDELAY, 0, &delay, 0);
      SetTimer(s.Window, ShowTimer, std::max<UINT>(delay, 10), nullptr);
    }
  } else if (t.Open.size() > level + 1) {
    CloseFrom(t, level + 1);
  }
}

void ButtonDown(TTracking& t, POINT pt) {
  size_t level = 0;
  int index = -1;
  if (!HitTest(t, pt, level, index)) {
    t.Done = true;  // a press outside dismisses the menu and is used up
    return;
  }
  if (index < 0 || !Selectable(t.Open[level]->Menu, index)) return;
  Select(t, level, index, true);
  OpenSubMenu(t, level, false);
}

void ButtonUp(TTracking& t, POINT pt) {
  size_t level = 0;
  int index = -1;
  if (!HitTest(t, pt, level, index) || index < 0) return;
  TItemInfo it;
  if (!ReadItem(t.Open[level]->Menu, index, it) || it.Separator() || it.Sub) return;
  Execute(t, level, index, true);
}

// The item whose accelerator ("&x") is the character, case-insensitively for ASCII letters.
bool AcceleratorOf(const String& label, char& key) {
  for (size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != '&') continue;
    if (label[i + 1] == '&') {
      ++i;
      continue;
    }
    key = label[i + 1];
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    return true;
  }
  return false;
}

void Character(TTracking& t, char ch) {
  TShown& s = *t.Open.back();
  size_t level = t.Open.size() - 1;
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  std::vector<int> matches;
  for (int i = 0; i < static_cast<int>(s.Items.size()); ++i) {
    TItemInfo it;
    char key = 0;
    if (ReadItem(s.Menu, i, it) && !it.Separator() && !it.OwnerDraw() && AcceleratorOf(it.Label, key) && key == ch)
      matches.push_back(i);
  }
  if (matches.size() == 1) {
    Execute(t, level, matches[0], false);
    return;
  }
  if (matches.size() > 1) {
    // Several items share the letter: each press moves to the next of them.
    auto next = std::upper_bound(matches.begin(), matches.end(), s.Selected);
    Select(t, level, next == matches.end() ? matches.front() : *next, false);
    return;
  }
  LRESULT r = NotifyOwner(t, WM_MENUCHAR, MAKEWPARAM(static_cast<BYTE>(ch), MF_POPUP), reinterpret_cast<LPARAM>(s.Menu));
  int index = LOWORD(static_cast<uintptr_t>(r));
  switch (HIWORD(static_cast<uintptr_t>(r))) {
    case MNC_EXECUTE: Execute(t, level, index, false); break;
    case MNC_SELECT:
      if (index < static_cast<int>(s.Items.size())) Select(t, level, index, false);
      break;
    case MNC_CLOSE: t.Done = true; break;
    default: MessageBeep(0); break;
  }
}

void Step(TTracking& t, int direction) {
  TShown& s = *t.Open.back();
  int count = static_cast<int>(s.Items.size());
  if (count == 0) return;
  int i = s.Selected;
  for (int n = 0; n < count; ++n) {
    i = i < 0 ? (direction > 0 ? 0 : count - 1) : (i + direction + count) % count;
    if (Selectable(s.Menu, i)) {
      Select(t, t.Open.size() - 1, i, false);
      return;
    }
  }
}

// False for keys the menu does not use itself.
bool KeyDown(TTracking& t, WPARAM vk) {
  size_t level = t.Open.size() - 1;
  TShown& s = *t.Open.back();
  switch (vk) {
    case VK_DOWN: Step(t, 1); break;
    case VK_UP: Step(t, -1); break;
    case VK_HOME: s.Selected = -1; Step(t, 1); break;
    case VK_END: s.Selected = -1; Step(t, -1); break;
    case VK_RIGHT: OpenSubMenu(t, level, true); break;
    case VK_LEFT:
      if (level > 0) CloseFrom(t, level);
      break;
    case VK_ESCAPE:
      if (level > 0) CloseFrom(t, level);
      else t.Done = true;
      break;
    case VK_RETURN:
      if (s.Selected >= 0) Execute(t, level, s.Selected, false);
      break;
    case VK_MENU: case VK_F10: t.Done = true; break;
    case VK_TAB: case VK_SHIFT: case VK_CONTROL: break;
    default: return false;
  }
  return true;
}

// True when the message was the menu's input and is used up.
bool HandleInput(TTracking& t, MSG& m) {
  UINT msg = m.message;
  if (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) msg = msg - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
  switch (msg) {
    case WM_MOUSEMOVE: MouseMove(t, m.pt); return true;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
      ButtonDown(t, m.pt);
      return true;
    case WM_LBUTTONUP: ButtonUp(t, m.pt); return true;
    case WM_RBUTTONUP:
      if (t.Flags & TPM_RIGHTBUTTON) ButtonUp(t, m.pt);
      return true;
    case WM_MBUTTONUP: case WM_MOUSEWHEEL: return true;
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
      // Only keys that may type an accelerator become characters: a navigation key's character would
      // otherwise reach the focused window after the menu.
      if (!KeyDown(t, m.wParam)) TranslateMessage(&m);
      return true;
    case WM_CHAR: case WM_SYSCHAR: {
      char ch = static_cast<char>(m.wParam);
      if (static_cast<unsigned char>(ch) > ' ' && static_cast<unsigned char>(ch) < 0x80) Character(t, ch);
      return true;
    }
    case WM_KEYUP: case WM_SYSKEYUP: case WM_DEADCHAR: case WM_SYSDEADCHAR: return true;
    default: return false;
  }
}

}  // namespace

// ---- The calls --------------------------------------------------------------------------------------
namespace {

// Runs the loop of one tracking; whatever way it ends (a handler may raise), the menus close, the
// capture and fonts go and the outer tracking is current again.
struct TTrackingScope {
  TTracking& T;
  TTracking* Outer;
  explicit TTrackingScope(TTracking& t) : T(t), Outer(g_Current) { g_Current = &t; }
  ~TTrackingScope() {
    T.Done = true;
    if (!T.Open.empty() && GetCapture() == T.Open.front()->Window) ReleaseCapture();
    g_Current = Outer;
    try {
      CloseFrom(T, 0);
    } catch (...) {
      // The owner's WM_UNINITMENUPOPUP raised while another exception may be passing: the menus are
      // closed all the same.
      for (auto& s : T.Open)
        if (IsWindow(s->Window)) DestroyWindow(s->Window);
      T.Open.clear();
    }
    DeleteObject(T.Font);
    DeleteObject(T.BoldFont);
  }
};

}  // namespace

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
  if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;
  if (g_Current && !(flags & TPM_RECURSE)) return FALSE;
  EnsureMenuClass();
  TTracking t;
  t.Owner = owner;
  t.Flags = flags;
  t.Notify = !(flags & TPM_NONOTIFY);
  NONCLIENTMETRICSA ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  t.Font = CreateFontIndirectA(&ncm.lfMenuFont);
  ncm.lfMenuFont.lfWeight = FW_BOLD;
  t.BoldFont = CreateFontIndirectA(&ncm.lfMenuFont);
  bool quit = false;
  int quitCode = 0;
  {
    TTrackingScope scope(t);
    NotifyOwner(t, WM_ENTERMENULOOP, TRUE, 0);
    if (OpenMenu(t, menu, x, y, flags, params ? &params->rcExclude : nullptr, -1)) {
      SetCapture(t.Open.front()->Window);
      t.LastMouse = CursorPosition();
      while (!t.Done && !t.Open.empty()) {
        if (!IsWindow(owner) || !IsMenu(menu) || !IsWindow(t.Open.front()->Window)) break;
        MSG m;
        if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
          NotifyOwner(t, WM_ENTERIDLE, MsgfMenu, reinterpret_cast<LPARAM>(t.Open.front()->Window));
          if (!t.Done) WaitMessage();
          continue;
        }
        if (m.message == WM_QUIT) {
          quit = true;
          quitCode = static_cast<int>(m.wParam);
          break;
        }
        if (HandleInput(t, m)) continue;
        DispatchMessageA(&m);
      }
    }
  }
  NotifyOwner(t, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  NotifyOwner(t, WM_EXITMENULOOP, TRUE, 0);
  if (quit) PostQuitMessage(quitCode);
  if (flags & TPM_RETURNCMD) return t.Chosen ? static_cast<BOOL>(t.Command) : 0;
  if (t.Chosen && t.Notify && IsWindow(owner)) PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(t.Command), 0), 0);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
  if (!g_Current) return FALSE;
  g_Current->Done = true;
  return TRUE;
}

BOOL GetMenuItemRect(HWND, HMENU menu, UINT item, RECT* rect) {
  if (!rect || !g_Current) return FALSE;
  for (auto& s : g_Current->Open) {
    if (s->Menu != menu || item >= s->Items.size()) continue;
    RECT wr;
    GetWindowRect(s->Window, &wr);
    *rect = s->Items[item];
    OffsetRect(rect, wr.left, wr.top);
    return TRUE;
  }
  return FALSE;
}

// A black-on-white mask of the glyph, then the brush wherever the mask is black.
void DrawMenuGlyph(HDC dc, const RECT& box, UINT kind, COLORREF color) {
  int size = GetSystemMetrics(SM_CXMENUCHECK);
  int x = (box.left + box.right - size) / 2, y = (box.top + box.bottom - size) / 2;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP mask = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ oldMask = SelectObject(mem, mask);
  RECT r{0, 0, size, size};
  DrawFrameControl(mem, &r, DFC_MENU, kind);
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  BitBlt(dc, x, y, size, size, mem, 0, 0, 0x00B8074A);  // the brush where the mask is black
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  SelectObject(mem, oldMask);
  DeleteObject(mask);
  DeleteDC(mem);
}

}  // namespace WinMenus
