// Placement: z-order, SetWindowPos with WM_WINDOWPOSCHANGING/CHANGED, showing, minimising and
// maximising, coordinates and finding the window at a point.
#include <algorithm>

#include "Messages.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinHooks.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"

namespace WinInternals {

namespace {

bool Topmost(const TWindow* w) { return (w->ExStyle & WinManage::WS_EX_TOPMOST) != 0; }

// The first index below the topmost band of a sibling list.
size_t FirstNonTopmost(const std::vector<TWindow*>& v) {
  size_t i = 0;
  while (i < v.size() && Topmost(v[i])) ++i;
  return i;
}

// Owned windows stay above their owner: after the owner moves, its owned windows move just above it.
void LiftOwnedWindows(TWindow* owner) {
  auto& v = owner->Parent->Children;
  std::vector<TWindow*> owned;
  for (TWindow* o : v)
    if (o->Owner == owner && Topmost(o) == Topmost(owner)) owned.push_back(o);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    std::erase(v, *it);
    auto pos = std::find(v.begin(), v.end(), owner);
    v.insert(pos, *it);
  }
  for (TWindow* o : owned) LiftOwnedWindows(o);
}

}  // namespace

void UnlinkWindow(TWindow* w) {
  if (w->Parent) std::erase(w->Parent->Children, w);
}

bool LinkWindow(TWindow* w, HWND after) {
  TWindow* p = w->Parent;
  if (!p) return false;
  auto& v = p->Children;
  std::vector<TWindow*> before = v;
  std::erase(v, w);
  bool topLevel = p == State().Desktop;
  size_t pos;
  if (after == WinManage::HWND_TOPMOST) {
    if (topLevel) w->ExStyle |= WinManage::WS_EX_TOPMOST;
    pos = 0;
  } else if (after == WinManage::HWND_NOTOPMOST) {
    if (topLevel && Topmost(w)) {
      w->ExStyle &= ~WinManage::WS_EX_TOPMOST;
      pos = FirstNonTopmost(v);
    } else {
      v = before;
      return false;
    }
  } else if (after == WinManage::HWND_BOTTOM) {
    if (topLevel) w->ExStyle &= ~WinManage::WS_EX_TOPMOST;
    pos = v.size();
  } else if (after == WinManage::HWND_TOP) {
    pos = topLevel && !Topmost(w) ? FirstNonTopmost(v) : 0;
  } else {
    TWindow* a = FindWindowRec(after);
    auto it = a ? std::find(v.begin(), v.end(), a) : v.end();
    if (it == v.end()) {
      v = before;
      return false;
    }
    pos = static_cast<size_t>(it - v.begin()) + 1;
    if (topLevel) {
      size_t band = FirstNonTopmost(v);
      if (Topmost(w) && pos > band) w->ExStyle &= ~WinManage::WS_EX_TOPMOST;
      if (!Topmost(w)) pos = std::max(pos, band);
    }
  }
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(std::min(pos, v.size())), w);
  if (topLevel && after != WinManage::HWND_BOTTOM) LiftOwnedWindows(w);
  return v != before;
}

}  // namespace WinInternals

namespace WinManage {

namespace {

RECT OffsetBy(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// Whether the window region (window coordinates) lets the point through.
bool InWindowShape(const TWindow* w, POINT screen) {
  POINT o = WindowOrigin(w);
  RECT r = OffsetBy(RECT{0, 0, w->Rect.right - w->Rect.left, w->Rect.bottom - w->Rect.top}, o.x, o.y);
  if (!Contains(r, screen)) return false;
  return !w->WindowRgn || PtInRegion(w->WindowRgn, screen.x - o.x, screen.y - o.y);
}

LPARAM PackPoint(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

// Searches the children of `parent` (z-order) at a screen point; the deepest window whose hit test
// is not HTTRANSPARENT wins, disabled children counting as part of their parent.
TWindow* SearchAt(TWindow* parent, POINT screen, LRESULT* hit) {
  std::vector<HWND> list;
  for (TWindow* c : parent->Children) list.push_back(c->Handle);
  for (HWND h : list) {
    TWindow* c = FindWindowRec(h);
    if (!c || !(c->Style & WS_VISIBLE) || !InWindowShape(c, screen)) continue;
    if (c->IsChildStyle() && (c->Style & WS_DISABLED)) continue;
    POINT co = ClientOrigin(c);
    RECT client = OffsetBy(RECT{0, 0, c->Client.right - c->Client.left, c->Client.bottom - c->Client.top}, co.x, co.y);
    if (Contains(client, screen) && !c->Minimized) {
      if (TWindow* deeper = SearchAt(c, screen, hit)) return deeper;
      if (!(c = FindWindowRec(h))) continue;
    }
    LRESULT ht = (c->Style & WS_DISABLED) ? HTCLIENT : CallProc(c, WM_NCHITTEST, 0, PackPoint(screen));
    if (ht == HTTRANSPARENT || !FindWindowRec(h)) continue;
    if (hit) *hit = ht;
    return c;
  }
  return nullptr;
}


constexpr UINT SWP_NOCLIENTSIZE = 0x0800, SWP_NOCLIENTMOVE = 0x1000;

RECT ClientInParent(const TWindow* w) { return OffsetBy(w->Client, w->Rect.left, w->Rect.top); }

// The strips of a resized client area that were not there before (client coordinates).
HRGN ExposedStrips(const RECT& oldClient, const RECT& newClient) {
  int ow = oldClient.right - oldClient.left, oh = oldClient.bottom - oldClient.top;
  int nw = newClient.right - newClient.left, nh = newClient.bottom - newClient.top;
  HRGN all = CreateRectRgn(0, 0, nw, nh);
  HRGN kept = CreateRectRgn(0, 0, std::min(ow, nw), std::min(oh, nh));
  CombineRgn(all, all, kept, RGN_DIFF);
  DeleteObject(kept);
  return all;
}

void MinMaxInfo(TWindow* w, MINMAXINFO& mmi) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // A maximised window's side frames lie just outside the work area; its caption stays inside.
  int border = FrameInsets(w->Style, w->ExStyle).left;
  mmi.ptMaxSize = POINT{work.right - work.left + 2 * border, work.bottom - work.top + 2 * border};
  mmi.ptMaxPosition = POINT{work.left - border, work.top - border};
  mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  CallProc(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
}

bool Activatable(const TWindow* w) {
  return IsTopLevel(w) && TakesActivation(w) && !(w->Style & WS_DISABLED);
}

}  // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w == State().Desktop) return FALSE;
  WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    wp.x = w->Rect.left;
    wp.y = w->Rect.top;
  }
  if (flags & SWP_NOSIZE) {
    wp.cx = w->Rect.right - w->Rect.left;
    wp.cy = w->Rect.bottom - w->Rect.top;
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    CallProc(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = FindWindowRec(hwnd))) return FALSE;
  }
  flags = wp.flags;
  RECT oldRect = w->Rect, oldClientInParent = ClientInParent(w), oldClient = w->Client;
  RECT newRect = oldRect;
  if (!(flags & SWP_NOMOVE)) newRect = OffsetBy(oldRect, wp.x - oldRect.left, wp.y - oldRect.top);
  if (!(flags & SWP_NOSIZE)) {
    newRect.right = newRect.left + std::max(0, wp.cx);
    newRect.bottom = newRect.top + std::max(0, wp.cy);
  }
  bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  bool sized = newRect.right - newRect.left != oldRect.right - oldRect.left ||
               newRect.bottom - newRect.top != oldRect.bottom - oldRect.top;
  if (!moved) flags |= SWP_NOMOVE;
  if (!sized) flags |= SWP_NOSIZE;
  bool wasVisible = IsVisibleChain(w);
  bool zChanged = !(flags & SWP_NOZORDER) && LinkWindow(w, wp.hwndInsertAfter);
  if (!zChanged) flags |= SWP_NOZORDER;

  w->Rect = newRect;
  if (sized || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = newRect;
    p.rgrc[1] = oldRect;
    p.rgrc[2] = oldClientInParent;
    p.lppos = &wp;
    CallProc(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    if (!(w = FindWindowRec(hwnd))) return FALSE;
    RECT c = p.rgrc[0];
    c.right = std::max(c.left, c.right);
    c.bottom = std::max(c.top, c.bottom);
    w->Client = OffsetBy(c, -w->Rect.left, -w->Rect.top);
  }
  RECT newClientInParent = ClientInParent(w);
  bool clientMoved = newClientInParent.left != oldClientInParent.left || newClientInParent.top != oldClientInParent.top;
  bool clientSized = w->Client.right - w->Client.left != oldClient.right - oldClient.left ||
                     w->Client.bottom - w->Client.top != oldClient.bottom - oldClient.top;

  bool showing = (flags & SWP_SHOWWINDOW) && !(w->Style & WS_VISIBLE);
  bool hiding = (flags & SWP_HIDEWINDOW) && (w->Style & WS_VISIBLE);
  if (showing) w->Style |= WS_VISIBLE;
  if (hiding) w->Style &= ~WS_VISIBLE;
  SyncSurface(w);

  if (!(flags & SWP_NOREDRAW)) {
    bool nowVisible = IsVisibleChain(w);
    bool topLevel = IsTopLevel(w);
    if (wasVisible && !topLevel && (hiding || moved || sized)) InvalidateParentArea(w->Parent, oldRect);
    if (nowVisible) {
      bool whole = showing || (moved && !topLevel) || (zChanged && !topLevel) || (flags & SWP_FRAMECHANGED) ||
                   (clientSized && (w->Class->Style & 0x0003));
      if (whole) {
        RedrawRec(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      } else if (sized) {
        HRGN strips = ExposedStrips(oldClient, w->Client);
        RedrawRec(w, nullptr, strips, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        DeleteObject(strips);
      }
    }
  }
  if (hiding) WindowLosesState(w, TLoss::Hidden);
  if (!(w = FindWindowRec(hwnd))) return TRUE;

  wp.x = newRect.left;
  wp.y = newRect.top;
  wp.cx = newRect.right - newRect.left;
  wp.cy = newRect.bottom - newRect.top;
  wp.flags = flags | (clientMoved ? 0 : SWP_NOCLIENTMOVE) | (clientSized ? 0 : SWP_NOCLIENTSIZE);
  CallProc(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  if (!(w = FindWindowRec(hwnd))) return TRUE;

  if (!(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && (w->Style & WS_VISIBLE) && Activatable(w) &&
      State().Active != hwnd)
    SetActiveWindow(hwnd);
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

namespace {

void SetState(TWindow* w, bool minimized, bool maximized) {
  w->Minimized = minimized;
  w->Maximized = maximized;
  w->Style = (w->Style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | (minimized ? WS_MINIMIZE : 0) | (maximized ? WS_MAXIMIZE : 0);
}

void Minimize(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w->Minimized) return;
  if (!w->Maximized) w->RestoreRect = w->Rect;
  SetState(w, true, false);
  SetWindowPos(hwnd, nullptr, -32000, -32000, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if ((w = FindWindowRec(hwnd)) && State().Active == hwnd) WindowLosesState(w, TLoss::Hidden);
}

void Maximize(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w->Maximized) return;
  if (!w->Minimized) w->RestoreRect = w->Rect;
  MINMAXINFO mmi;
  MinMaxInfo(w, mmi);
  if (!(w = FindWindowRec(hwnd))) return;
  SetState(w, false, true);
  SetWindowPos(hwnd, nullptr, mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x, mmi.ptMaxSize.y,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Restore(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || (!w->Minimized && !w->Maximized)) return;
  SetState(w, false, false);
  RECT r = w->RestoreRect;
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int cmd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w == State().Desktop) return FALSE;
  bool wasVisible = (w->Style & WS_VISIBLE) != 0;
  if (cmd == SW_HIDE) {
    if (!wasVisible) return FALSE;
    CallProc(w, WM_SHOWWINDOW, FALSE, 0);
    if (!FindWindowRec(hwnd)) return TRUE;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
  }
  bool activate = false;
  switch (cmd) {
    case SW_MINIMIZE: case SW_SHOWMINNOACTIVE: case SW_FORCEMINIMIZE: Minimize(hwnd); break;
    case SW_SHOWMINIMIZED: Minimize(hwnd); break;
    case SW_SHOWMAXIMIZED: Maximize(hwnd); activate = true; break;
    case SW_SHOWNORMAL: case SW_RESTORE: case SW_SHOWDEFAULT: Restore(hwnd); activate = true; break;
    case SW_SHOWNOACTIVATE: Restore(hwnd); break;
    case SW_SHOW: activate = true; break;
    case SW_SHOWNA: break;
    default: return wasVisible;
  }
  if (!(w = FindWindowRec(hwnd))) return wasVisible;
  if (!wasVisible) {
    CallProc(w, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = FindWindowRec(hwnd))) return wasVisible;
  }
  activate = activate && Activatable(w) && !w->Minimized;
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE | SWP_NOZORDER);
  if (!wasVisible || activate) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  return wasVisible;
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
BOOL CloseWindow(HWND hwnd) { return FindWindowRec(hwnd) ? (ShowWindow(hwnd, SW_MINIMIZE), TRUE) : FALSE; }
BOOL OpenIcon(HWND hwnd) { return FindWindowRec(hwnd) ? (ShowWindow(hwnd, SW_RESTORE), TRUE) : FALSE; }

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* wp) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !wp) return FALSE;
  wp->flags = 0;
  wp->showCmd = w->Minimized ? SW_SHOWMINIMIZED : w->Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  wp->ptMinPosition = POINT{-1, -1};
  wp->ptMaxPosition = POINT{-1, -1};
  wp->rcNormalPosition = (w->Minimized || w->Maximized) ? w->RestoreRect : w->Rect;
  return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* wp) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !wp) return FALSE;
  const RECT& r = wp->rcNormalPosition;
  if (w->Minimized || w->Maximized) {
    w->RestoreRect = r;
  } else {
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd, static_cast<int>(wp->showCmd));
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !rect) return FALSE;
  POINT o = WindowOrigin(w);
  *rect = RECT{o.x, o.y, o.x + w->Rect.right - w->Rect.left, o.y + w->Rect.bottom - w->Rect.top};
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !rect) return FALSE;
  *rect = RECT{0, 0, w->Client.right - w->Client.left, w->Client.bottom - w->Client.top};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !point) return FALSE;
  POINT o = ClientOrigin(w);
  point->x += o.x;
  point->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !point) return FALSE;
  POINT o = ClientOrigin(w);
  point->x -= o.x;
  point->y -= o.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  POINT a{0, 0}, b{0, 0};
  if (from) {
    TWindow* w = FindWindowRec(from);
    if (!w) return 0;
    a = ClientOrigin(w);
  }
  if (to) {
    TWindow* w = FindWindowRec(to);
    if (!w) return 0;
    b = ClientOrigin(w);
  }
  int dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  RECT in = FrameInsets(style, exStyle);
  rect->left -= in.left;
  rect->top -= in.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
  rect->right += in.right;
  rect->bottom += in.bottom;
  return TRUE;
}

HWND WindowFromPoint(POINT point) {
  TWindow* w = HitWindowAt(point, nullptr);
  return w ? w->Handle : nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  TWindow* p = FindWindowRec(parent);
  if (!p) return nullptr;
  RECT client{0, 0, p->Client.right - p->Client.left, p->Client.bottom - p->Client.top};
  if (p != State().Desktop && !Contains(client, point)) return nullptr;
  for (TWindow* c : p->Children) {
    if ((flags & CWP_SKIPINVISIBLE) && !(c->Style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->Style & WS_DISABLED)) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (!Contains(c->Rect, point)) continue;
    if (c->WindowRgn && !PtInRegion(c->WindowRgn, point.x - c->Rect.left, point.y - c->Rect.top)) continue;
    return c->Handle;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }

HWND RealChildWindowFromPoint(HWND parent, POINT point) {
  return ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
}

}  // namespace WinManage

namespace WinInternals {

TWindow* HitWindowAt(POINT screen, LRESULT* hit) {
  if (hit) *hit = HTNOWHERE;
  return WinManage::SearchAt(DesktopRec(), screen, hit);
}

}  // namespace WinInternals
