// The LISTBOX class: items with text and data, single, multiple and extended selection, owner drawing
// of fixed and variable height, a vertical scroll bar when the items outgrow the box, sideways
// scrolling over the horizontal extent, the mouse and keyboard, and LBN_ notifications (with
// LBS_NOTIFY) through WM_COMMAND.
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "Messages.h"
#include "WinControls.h"
#include "WinDefProc.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinScrollBars.h"
#include "WinUserDraw.h"

namespace WinInternals {

namespace {

struct TItem {
  String Text;
  ULONG_PTR Data = 0;
  bool Selected = false;
  int Height = 0;
};

struct TListBox {
  std::vector<TItem> Items;
  int Top = 0;
  int Caret = -1;
  int Anchor = -1;
  int ItemHeight = 0;
  int Extent = 0;
  int ScrollX = 0;  // how far the items are scrolled sideways
  bool Tracking = false;
  bool Redraw = true;
  bool WantsBar = false;
  bool WantsHBar = false;  // created with WS_HSCROLL: the bar shows while the extent outgrows the box
};

std::unordered_map<HWND, TListBox>& Lists() {
  static std::unordered_map<HWND, TListBox> l;
  return l;
}

DWORD StyleOf(HWND hwnd) { return FindWindowRec(hwnd)->Style; }
bool OwnerDraw(DWORD s) { return (s & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
bool HasStrings(DWORD s) { return !OwnerDraw(s) || (s & LBS_HASSTRINGS); }
bool Multi(DWORD s) { return (s & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
int Count(const TListBox& l) { return static_cast<int>(l.Items.size()); }
bool Valid(const TListBox& l, intptr_t i) { return i >= 0 && i < Count(l); }

int FontHeight(HWND hwnd) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFont(hwnd));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

int HeightOf(const TListBox& l, int i) {
  return l.Items[static_cast<size_t>(i)].Height > 0 ? l.Items[static_cast<size_t>(i)].Height : l.ItemHeight;
}

// The parent measures owner-drawn items: fixed ones once, variable ones each.
int Measure(HWND hwnd, int index, ULONG_PTR data) {
  TWindow* w = FindWindowRec(hwnd);
  MEASUREITEMSTRUCT mis;
  mis.CtlType = ODT_LISTBOX;
  mis.CtlID = static_cast<UINT>(w->Id);
  mis.itemID = static_cast<UINT>(index);
  mis.itemHeight = static_cast<UINT>(FontHeight(hwnd));
  mis.itemData = data;
  if (w->Parent && w->Parent != State().Desktop)
    SendMessageA(w->Parent->Handle, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
  return static_cast<int>(std::max<UINT>(1, mis.itemHeight));
}

int ClientHeight(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return r.bottom;
}

// How many items fit from `top` down (at least one).
int VisibleCount(HWND hwnd, const TListBox& l, int top) {
  int h = ClientHeight(hwnd), n = 0, y = 0;
  for (int i = top; i < Count(l); ++i) {
    y += HeightOf(l, i);
    if (y > h) break;
    ++n;
  }
  return std::max(1, n);
}

RECT ItemRect(HWND hwnd, const TListBox& l, int index) {
  RECT r;
  GetClientRect(hwnd, &r);
  int y = 0;
  if (index >= l.Top)
    for (int i = l.Top; i < index; ++i) y += HeightOf(l, i);
  else
    for (int i = index; i < l.Top; ++i) y -= HeightOf(l, i);
  return RECT{-l.ScrollX, y, std::max<LONG>(r.right, l.Extent) - l.ScrollX, y + HeightOf(l, index)};
}

int ClientWidth(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return r.right;
}

// Without LBS_NOINTEGRALHEIGHT the box is as high as a whole number of (fixed-height) items.
void FitIntegralHeight(HWND hwnd, const TListBox& l, WINDOWPOS& wp) {
  DWORD style = StyleOf(hwnd);
  if ((style & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)) || (wp.flags & SWP_NOSIZE) || l.ItemHeight <= 0) return;
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  int frame = (window.bottom - window.top) - client.bottom;
  int height = wp.cy - frame;
  if (height > l.ItemHeight) wp.cy = frame + height - height % l.ItemHeight;
}

void UpdateHorzBar(HWND hwnd, TListBox& l) {
  l.ScrollX = std::clamp(l.ScrollX, 0, std::max(0, l.Extent - ClientWidth(hwnd)));
  if (!l.WantsHBar) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, l.Extent - 1);
  si.nPage = static_cast<UINT>(std::max(1, ClientWidth(hwnd)));
  si.nPos = l.ScrollX;
  SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
}

void UpdateScrollBar(HWND hwnd, TListBox& l) {
  // A list box created without the bar style keeps none; one with it shows the bar when needed.
  UpdateHorzBar(hwnd, l);
  if (!l.WantsBar) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((StyleOf(hwnd) & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
  si.nMin = 0;
  si.nMax = std::max(0, Count(l) - 1);
  si.nPage = static_cast<UINT>(VisibleCount(hwnd, l, l.Top));
  si.nPos = l.Top;
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void Repaint(HWND hwnd) {
  if (Lists()[hwnd].Redraw) InvalidateRect(hwnd, nullptr, TRUE);
}

void SetTop(HWND hwnd, TListBox& l, int top) {
  int last = std::max(0, Count(l) - VisibleCount(hwnd, l, std::max(0, Count(l) - 1)));
  // The last page is full: the top stops where the last item is the bottom one.
  for (int t = Count(l) - 1; t >= 0; --t)
    if (VisibleCount(hwnd, l, t) >= Count(l) - t) last = t;
    else break;
  top = std::clamp(top, 0, std::max(0, last));
  if (top == l.Top) return;
  l.Top = top;
  UpdateScrollBar(hwnd, l);
  Repaint(hwnd);
}

void EnsureVisible(HWND hwnd, TListBox& l, int index) {
  if (!Valid(l, index)) return;
  if (index < l.Top) SetTop(hwnd, l, index);
  else if (index >= l.Top + VisibleCount(hwnd, l, l.Top)) {
    int top = index;
    while (top > 0 && VisibleCount(hwnd, l, top - 1) > index - (top - 1)) --top;
    SetTop(hwnd, l, top);
  }
}

int CurSel(const TListBox& l, DWORD style) {
  if (Multi(style)) return l.Caret;
  for (int i = 0; i < Count(l); ++i)
    if (l.Items[static_cast<size_t>(i)].Selected) return i;
  return -1;
}

void SelectOnly(TListBox& l, int index) {
  for (TItem& it : l.Items) it.Selected = false;
  if (Valid(l, index)) l.Items[static_cast<size_t>(index)].Selected = true;
}

void Notify(HWND hwnd, WORD code) {
  if (StyleOf(hwnd) & LBS_NOTIFY) NotifyParent(hwnd, code);
}

bool CaseInsensitivePrefix(const String& s, const String& prefix) {
  if (prefix.size() > s.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) return false;
  return true;
}

// Searches after `start` (wrapping; -1: from the first item) for an item whose text starts with (or,
// exact, equals) `text` without regard to case.
LRESULT Find(const TListBox& l, intptr_t start, const String& text, bool exact) {
  int n = Count(l);
  if (n == 0) return LB_ERR;
  int from = start < 0 || start >= n ? 0 : static_cast<int>(start) + 1;
  for (int k = 0; k < n; ++k) {
    int i = (from + k) % n;
    const String& s = l.Items[static_cast<size_t>(i)].Text;
    if (exact ? (s.size() == text.size() && CaseInsensitivePrefix(s, text)) : CaseInsensitivePrefix(s, text)) return i;
  }
  return LB_ERR;
}

LRESULT Insert(HWND hwnd, TListBox& l, intptr_t index, LPARAM lParam, bool sorted) {
  DWORD style = StyleOf(hwnd);
  TItem item;
  if (HasStrings(style)) item.Text = lParam ? reinterpret_cast<const char*>(lParam) : "";
  else item.Data = static_cast<ULONG_PTR>(lParam);
  if (sorted && (style & LBS_SORT) && HasStrings(style)) {
    index = 0;
    while (index < Count(l) && l.Items[static_cast<size_t>(index)].Text <= item.Text) ++index;
  }
  if (index < 0 || index > Count(l)) index = Count(l);
  if (style & LBS_OWNERDRAWVARIABLE) item.Height = Measure(hwnd, static_cast<int>(index), item.Data);
  l.Items.insert(l.Items.begin() + index, item);
  if (l.Caret >= index) ++l.Caret;
  if (l.Anchor >= index) ++l.Anchor;
  UpdateScrollBar(hwnd, l);
  Repaint(hwnd);
  return index;
}

void PaintItem(HWND hwnd, HDC dc, TListBox& l, int i, bool focused) {
  TWindow* w = FindWindowRec(hwnd);
  RECT r = ItemRect(hwnd, l, i);
  const TItem& it = l.Items[static_cast<size_t>(i)];
  bool caretHere = focused && i == l.Caret;
  if (OwnerDraw(w->Style)) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(w->Id);
    dis.itemID = static_cast<UINT>(i);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (it.Selected ? ODS_SELECTED : 0) | (caretHere ? ODS_FOCUS : 0) | ((w->Style & WS_DISABLED) ? ODS_DISABLED : 0);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = r;
    dis.itemData = it.Data;
    if (w->Parent && w->Parent != State().Desktop)
      SendMessageA(w->Parent->Handle, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    return;
  }
  if (it.Selected) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  }
  RECT t{r.left + 2, r.top, r.right, r.bottom};
  DrawTextA(dc, it.Text.c_str(), static_cast<int>(it.Text.size()), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
            ((w->Style & LBS_USETABSTOPS) ? DT_EXPANDTABS : 0));
  if (it.Selected) SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  if (caretHere) DrawFocusRect(dc, &r);
}

void Paint(HWND hwnd, HDC dc) {
  TWindow* w = FindWindowRec(hwnd);
  TListBox& l = Lists()[hwnd];
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH back = nullptr;
  if (w->Parent && w->Parent != State().Desktop)
    back = reinterpret_cast<HBRUSH>(SendMessageA(w->Parent->Handle, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(hwnd)));
  else
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  FillRect(dc, &client, back ? back : GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ old = SelectObject(dc, ControlFont(hwnd));
  SetBkMode(dc, TRANSPARENT);
  bool focused = GetFocus() == hwnd;
  for (int i = l.Top, y = 0; i < Count(l) && y < client.bottom; y += HeightOf(l, i), ++i) PaintItem(hwnd, dc, l, i, focused);
  SelectObject(dc, old);
}

int ItemAt(HWND hwnd, const TListBox& l, int y, bool* outside) {
  *outside = y < 0 || y >= ClientHeight(hwnd);
  if (Count(l) == 0) return -1;
  if (y < 0) return std::max(0, l.Top - 1);
  int top = 0;
  for (int i = l.Top; i < Count(l); ++i) {
    top += HeightOf(l, i);
    if (y < top) return i;
  }
  *outside = true;
  return Count(l) - 1;
}

// Moves the caret (and by the style the selection) to `index`; true when the selection changed.
bool MoveCaret(HWND hwnd, TListBox& l, int index, bool shift, bool ctrl) {
  if (Count(l) == 0) return false;
  index = std::clamp(index, 0, Count(l) - 1);
  DWORD style = StyleOf(hwnd);
  std::vector<bool> before;
  for (const TItem& it : l.Items) before.push_back(it.Selected);
  if (style & LBS_EXTENDEDSEL) {
    if (shift && Valid(l, l.Anchor)) {
      if (!ctrl) SelectOnly(l, -1);
      for (int i = std::min(l.Anchor, index); i <= std::max(l.Anchor, index); ++i) l.Items[static_cast<size_t>(i)].Selected = true;
    } else if (ctrl) {
      l.Anchor = index;
    } else {
      SelectOnly(l, index);
      l.Anchor = index;
    }
  } else if (!(style & LBS_MULTIPLESEL)) {
    SelectOnly(l, index);
  }
  l.Caret = index;
  EnsureVisible(hwnd, l, index);
  Repaint(hwnd);
  for (size_t i = 0; i < before.size(); ++i)
    if (before[i] != l.Items[i].Selected) return true;
  return false;
}

}  // namespace

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  TListBox& l = Lists()[hwnd];
  DWORD style = w->Style;
  auto index = static_cast<intptr_t>(static_cast<int>(wParam));
  switch (msg) {
    case WM_NCCREATE:
      l = TListBox{};
      l.WantsBar = (style & WS_VSCROLL) != 0;
      l.WantsHBar = (style & WS_HSCROLL) != 0;
      break;
    case WM_CREATE:
      l.ItemHeight = (style & LBS_OWNERDRAWFIXED) ? Measure(hwnd, 0, 0) : FontHeight(hwnd);
      UpdateScrollBar(hwnd, l);
      if (!(style & LBS_NOINTEGRALHEIGHT)) {
        RECT r;
        GetWindowRect(hwnd, &r);
        SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return 0;
    case WM_WINDOWPOSCHANGING:
      FitIntegralHeight(hwnd, l, *reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_NCDESTROY:
      Lists().erase(hwnd);
      SetControlFont(hwnd, nullptr);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
      Paint(hwnd, dc);
      if (!wParam) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETREDRAW:
      l.Redraw = wParam != 0;
      if (l.Redraw) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_SETFONT:
      SetControlFont(hwnd, reinterpret_cast<HFONT>(wParam));
      if (!OwnerDraw(style)) l.ItemHeight = FontHeight(hwnd);
      UpdateScrollBar(hwnd, l);
      if (lParam) Repaint(hwnd);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(ControlFont(hwnd));
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SIZE: UpdateScrollBar(hwnd, l); return 0;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      Repaint(hwnd);
      Notify(hwnd, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: {
      SetFocus(hwnd);
      if (!(w = FindWindowRec(hwnd))) return 0;
      bool outside;
      int i = ItemAt(hwnd, l, GET_Y_LPARAM(lParam), &outside);
      if (i < 0 || outside) return 0;
      bool changed;
      if (style & LBS_MULTIPLESEL) {
        l.Items[static_cast<size_t>(i)].Selected = !l.Items[static_cast<size_t>(i)].Selected;
        l.Caret = i;
        Repaint(hwnd);
        changed = true;
      } else {
        changed = MoveCaret(hwnd, l, i, (wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0);
        if ((style & LBS_EXTENDEDSEL) && (wParam & MK_CONTROL)) {
          l.Items[static_cast<size_t>(i)].Selected = !l.Items[static_cast<size_t>(i)].Selected;
          changed = true;
        }
        l.Tracking = true;
        SetCapture(hwnd);
      }
      if (changed) Notify(hwnd, LBN_SELCHANGE);
      if (msg == WM_LBUTTONDBLCLK && FindWindowRec(hwnd)) Notify(hwnd, LBN_DBLCLK);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (l.Tracking && GetCapture() == hwnd) {
        bool outside;
        int y = GET_Y_LPARAM(lParam);
        int i = ItemAt(hwnd, l, y, &outside);
        if (i >= 0 && i != l.Caret && MoveCaret(hwnd, l, i, (style & LBS_EXTENDEDSEL) != 0, false)) Notify(hwnd, LBN_SELCHANGE);
      }
      return 0;
    case WM_LBUTTONUP: case WM_CAPTURECHANGED:
      if (l.Tracking) {
        l.Tracking = false;
        if (msg == WM_LBUTTONUP && GetCapture() == hwnd) ReleaseCapture();
      }
      return 0;
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      SetTop(hwnd, l, l.Top - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * static_cast<int>(lines));
      return 0;
    }
    case WM_VSCROLL: {
      int page = VisibleCount(hwnd, l, l.Top);
      switch (LOWORD(wParam)) {
        case SB_LINEUP: SetTop(hwnd, l, l.Top - 1); break;
        case SB_LINEDOWN: SetTop(hwnd, l, l.Top + 1); break;
        case SB_PAGEUP: SetTop(hwnd, l, l.Top - page); break;
        case SB_PAGEDOWN: SetTop(hwnd, l, l.Top + page); break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: SetTop(hwnd, l, HIWORD(wParam)); break;
        case SB_TOP: SetTop(hwnd, l, 0); break;
        case SB_BOTTOM: SetTop(hwnd, l, Count(l)); break;
        default: break;
      }
      return 0;
    }
    case WM_KEYDOWN: {
      int page = VisibleCount(hwnd, l, l.Top), target = l.Caret;
      switch (wParam) {
        case VK_UP: target = l.Caret - 1; break;
        case VK_DOWN: target = l.Caret + 1; break;
        case VK_PRIOR: target = l.Caret - page + 1; break;
        case VK_NEXT: target = l.Caret + page - 1; break;
        case VK_HOME: target = 0; break;
        case VK_END: target = Count(l) - 1; break;
        case VK_SPACE:
          if ((style & LBS_MULTIPLESEL) && Valid(l, l.Caret)) {
            l.Items[static_cast<size_t>(l.Caret)].Selected = !l.Items[static_cast<size_t>(l.Caret)].Selected;
            Repaint(hwnd);
            Notify(hwnd, LBN_SELCHANGE);
          }
          return 0;
        default: return 0;
      }
      if (l.Caret < 0) target = std::max(0, target);
      if (MoveCaret(hwnd, l, target, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0)) Notify(hwnd, LBN_SELCHANGE);
      return 0;
    }
    case WM_CHAR: {
      if (wParam < 0x20 || !HasStrings(style)) return 0;
      LRESULT i = Find(l, l.Caret, String(1, static_cast<char>(wParam)), false);
      if (i != LB_ERR && MoveCaret(hwnd, l, static_cast<int>(i), false, false)) Notify(hwnd, LBN_SELCHANGE);
      return 0;
    }
    case LB_ADDSTRING: return Insert(hwnd, l, -1, lParam, true);
    case LB_INSERTSTRING: return Insert(hwnd, l, index, lParam, false);
    case LB_DELETESTRING:
      if (!Valid(l, index)) return LB_ERR;
      l.Items.erase(l.Items.begin() + index);
      if (l.Caret >= Count(l)) l.Caret = Count(l) - 1;
      if (l.Anchor >= Count(l)) l.Anchor = Count(l) - 1;
      SetTop(hwnd, l, l.Top);
      UpdateScrollBar(hwnd, l);
      Repaint(hwnd);
      return Count(l);
    case LB_RESETCONTENT:
      l.Items.clear();
      l.Top = 0;
      l.Caret = l.Anchor = -1;
      UpdateScrollBar(hwnd, l);
      Repaint(hwnd);
      return 0;
    case LB_GETCOUNT: return Count(l);
    case LB_GETTEXT:
      if (!Valid(l, index)) return LB_ERR;
      if (!HasStrings(style)) {
        if (lParam) std::memcpy(reinterpret_cast<void*>(lParam), &l.Items[static_cast<size_t>(index)].Data, sizeof(ULONG_PTR));
        return sizeof(ULONG_PTR);
      }
      if (lParam) std::strcpy(reinterpret_cast<char*>(lParam), l.Items[static_cast<size_t>(index)].Text.c_str());
      return static_cast<LRESULT>(l.Items[static_cast<size_t>(index)].Text.size());
    case LB_GETTEXTLEN:
      return Valid(l, index) ? static_cast<LRESULT>(HasStrings(style) ? l.Items[static_cast<size_t>(index)].Text.size() : sizeof(ULONG_PTR))
                             : LB_ERR;
    case LB_GETITEMDATA: return Valid(l, index) ? static_cast<LRESULT>(l.Items[static_cast<size_t>(index)].Data) : LB_ERR;
    case LB_SETITEMDATA:
      if (!Valid(l, index)) return LB_ERR;
      l.Items[static_cast<size_t>(index)].Data = static_cast<ULONG_PTR>(lParam);
      return 0;
    case LB_SETCURSEL:
      if (Multi(style)) return LB_ERR;
      SelectOnly(l, static_cast<int>(index));
      l.Caret = Valid(l, index) ? static_cast<int>(index) : -1;
      if (Valid(l, index)) EnsureVisible(hwnd, l, static_cast<int>(index));
      Repaint(hwnd);
      return Valid(l, index) ? index : LB_ERR;
    case LB_GETCURSEL: return CurSel(l, style);
    case LB_SETSEL: {
      if (!Multi(style)) return LB_ERR;
      auto item = static_cast<intptr_t>(static_cast<int>(lParam));
      if (item == -1) {
        for (TItem& it : l.Items) it.Selected = wParam != 0;
      } else if (Valid(l, item)) {
        l.Items[static_cast<size_t>(item)].Selected = wParam != 0;
        l.Caret = static_cast<int>(item);
      } else {
        return LB_ERR;
      }
      Repaint(hwnd);
      return 0;
    }
    case LB_GETSEL: return Valid(l, index) ? (l.Items[static_cast<size_t>(index)].Selected ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: {
      if (!Multi(style)) return LB_ERR;
      return std::count_if(l.Items.begin(), l.Items.end(), [](const TItem& it) { return it.Selected; });
    }
    case LB_GETSELITEMS: {
      if (!Multi(style)) return LB_ERR;
      auto* out = reinterpret_cast<int*>(lParam);
      int n = 0;
      for (int i = 0; i < Count(l) && n < static_cast<int>(wParam); ++i)
        if (l.Items[static_cast<size_t>(i)].Selected) out[n++] = i;
      return n;
    }
    case LB_SELITEMRANGE: case LB_SELITEMRANGEEX: {
      if (!Multi(style)) return LB_ERR;
      int a, b;
      bool select;
      if (msg == LB_SELITEMRANGE) {
        a = LOWORD(static_cast<uintptr_t>(lParam));
        b = HIWORD(static_cast<uintptr_t>(lParam));
        select = wParam != 0;
      } else {
        a = static_cast<int>(wParam);
        b = static_cast<int>(lParam);
        select = a <= b;
      }
      for (int i = std::max(0, std::min(a, b)); i <= std::min(Count(l) - 1, std::max(a, b)); ++i)
        l.Items[static_cast<size_t>(i)].Selected = select;
      Repaint(hwnd);
      return 0;
    }
    case LB_GETTOPINDEX: return l.Top;
    case LB_SETTOPINDEX:
      if (!Valid(l, index) && !(index == 0 && Count(l) == 0)) return LB_ERR;
      SetTop(hwnd, l, static_cast<int>(index));
      return 0;
    case LB_SETCARETINDEX:
      if (!Valid(l, index)) return LB_ERR;
      l.Caret = static_cast<int>(index);
      if (!lParam) EnsureVisible(hwnd, l, l.Caret);
      Repaint(hwnd);
      return 0;
    case LB_GETCARETINDEX: return l.Caret < 0 ? 0 : l.Caret;
    case LB_SETANCHORINDEX: l.Anchor = static_cast<int>(index); return 0;
    case LB_GETANCHORINDEX: return l.Anchor;
    case LB_FINDSTRING: case LB_FINDSTRINGEXACT:
      return Find(l, index, lParam ? reinterpret_cast<const char*>(lParam) : "", msg == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
      LRESULT i = Find(l, index, lParam ? reinterpret_cast<const char*>(lParam) : "", false);
      if (i != LB_ERR && !Multi(style)) SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
      return i;
    }
    case LB_GETITEMRECT:
      if (!Valid(l, index) || !lParam) return LB_ERR;
      *reinterpret_cast<RECT*>(lParam) = ItemRect(hwnd, l, static_cast<int>(index));
      return 0;
    case LB_SETITEMHEIGHT:
      if (style & LBS_OWNERDRAWVARIABLE) {
        if (!Valid(l, index)) return LB_ERR;
        l.Items[static_cast<size_t>(index)].Height = std::max(1, LOWORD(static_cast<uintptr_t>(lParam)) + 0);
      } else {
        l.ItemHeight = std::max(1, LOWORD(static_cast<uintptr_t>(lParam)) + 0);
        if (!(style & LBS_NOINTEGRALHEIGHT)) {
          RECT r;
          GetWindowRect(hwnd, &r);
          SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
      }
      UpdateScrollBar(hwnd, l);
      Repaint(hwnd);
      return 0;
    case LB_GETITEMHEIGHT:
      return (style & LBS_OWNERDRAWVARIABLE) && Valid(l, index) ? HeightOf(l, static_cast<int>(index)) : l.ItemHeight;
    case LB_ITEMFROMPOINT: {
      bool outside;
      int i = ItemAt(hwnd, l, GET_Y_LPARAM(lParam), &outside);
      RECT r;
      GetClientRect(hwnd, &r);
      outside = outside || GET_X_LPARAM(lParam) < 0 || GET_X_LPARAM(lParam) >= r.right;
      return MAKELONG(static_cast<WORD>(std::max(0, i)), outside ? 1 : 0);
    }
    case LB_SETHORIZONTALEXTENT:
      l.Extent = static_cast<int>(wParam);
      UpdateHorzBar(hwnd, l);
      Repaint(hwnd);
      return 0;
    case WM_HSCROLL: {
      int page = ClientWidth(hwnd), x = l.ScrollX, line = std::max(1, FontHeight(hwnd) / 2);
      switch (LOWORD(wParam)) {
        case SB_LINELEFT: x -= line; break;
        case SB_LINERIGHT: x += line; break;
        case SB_PAGELEFT: x -= page; break;
        case SB_PAGERIGHT: x += page; break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: x = HIWORD(wParam); break;
        case SB_LEFT: x = 0; break;
        case SB_RIGHT: x = l.Extent; break;
        default: break;
      }
      l.ScrollX = x;
      UpdateHorzBar(hwnd, l);
      Repaint(hwnd);
      return 0;
    }
    case LB_GETHORIZONTALEXTENT: return l.Extent;
    case LB_SETCOUNT:
      if (!(style & LBS_NODATA)) return LB_ERR;
      l.Items.assign(wParam, TItem{});
      UpdateScrollBar(hwnd, l);
      Repaint(hwnd);
      return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
