// The window tree and the data a window keeps: parents, owners, siblings, enumeration, window
// longs, text, properties, identifiers, window regions and enabling.
#include <cstring>
#include <unistd.h>

#include "Messages.h"
#include "WinGdi.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "Threads.h"

namespace WinManage {

namespace {

// The index of a window among its siblings; -1 when it has no parent.
int SiblingIndex(const TWindow* w) {
  if (!w->Parent) return -1;
  const auto& v = w->Parent->Children;
  for (size_t i = 0; i < v.size(); ++i)
    if (v[i] == w) return static_cast<int>(i);
  return -1;
}

HWND HandleOf(const TWindow* w) { return w ? w->Handle : nullptr; }

bool EnumTree(TWindow* parent, WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> children;
  for (TWindow* c : parent->Children) children.push_back(c->Handle);
  for (HWND h : children) {
    TWindow* c = FindWindowRec(h);
    if (!c) continue;
    if (!proc(h, lParam)) return false;
    if ((c = FindWindowRec(h)) && !EnumTree(c, proc, lParam)) return false;
  }
  return true;
}

}  // namespace

BOOL IsWindow(HWND hwnd) { return FindWindowRec(hwnd) != nullptr; }

BOOL IsChild(HWND parent, HWND hwnd) {
  TWindow* p = FindWindowRec(parent);
  TWindow* w = FindWindowRec(hwnd);
  if (!p || !w) return FALSE;
  // Only a chain of child windows links a window to its parent.
  for (; w && w->IsChildStyle(); w = w->Parent)
    if (w->Parent == p) return TRUE;
  return FALSE;
}

HWND GetParent(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return nullptr;
  if (w->IsChildStyle()) return w->Parent == State().Desktop ? nullptr : HandleOf(w->Parent);
  return HandleOf(w->Owner);
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w == State().Desktop) return nullptr;
  switch (flags) {
    case GA_PARENT: return HandleOf(w->Parent);
    case GA_ROOT: return HandleOf(TopLevelOf(w));
    case GA_ROOTOWNER: {
      TWindow* r = TopLevelOf(w);
      while (r->Owner) r = r->Owner;
      return r->Handle;
    }
    default: return nullptr;
  }
}

HWND SetParent(HWND child, HWND newParent) {
  TWindow* w = FindWindowRec(child);
  TWindow* desktop = DesktopRec();
  TWindow* p = newParent ? FindWindowRec(newParent) : desktop;
  if (!w || !p || w == desktop || p == w || IsAncestor(w, p)) return nullptr;
  TWindow* old = w->Parent;
  HWND oldHandle = HandleOf(old);
  if (old == p) return oldHandle;
  bool visible = IsVisibleChain(w);
  RECT area = w->Rect;
  UnlinkWindow(w);
  w->Parent = p;
  if (p != desktop) w->Owner = nullptr;
  LinkWindow(w, HWND_TOP);
  SyncSurface(w);
  if (visible && old) InvalidateParentArea(old, area);
  if (IsVisibleChain(w)) RedrawRec(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return oldHandle;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return nullptr;
  switch (cmd) {
    case GW_CHILD: return w->Children.empty() ? nullptr : w->Children.front()->Handle;
    case GW_OWNER: return HandleOf(w->Owner);
    case GW_ENABLEDPOPUP:
      for (TWindow* o : AllWindows())
        if (o->Owner == w && (o->Style & WS_VISIBLE) && !(o->Style & WS_DISABLED)) return o->Handle;
      return nullptr;
    default: break;
  }
  int i = SiblingIndex(w);
  if (i < 0) return nullptr;
  const auto& v = w->Parent->Children;
  switch (cmd) {
    case GW_HWNDFIRST: return v.front()->Handle;
    case GW_HWNDLAST: return v.back()->Handle;
    case GW_HWNDNEXT: return i + 1 < static_cast<int>(v.size()) ? v[static_cast<size_t>(i + 1)]->Handle : nullptr;
    case GW_HWNDPREV: return i > 0 ? v[static_cast<size_t>(i - 1)]->Handle : nullptr;
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) {
  TWindow* w = hwnd ? FindWindowRec(hwnd) : DesktopRec();
  return w && !w->Children.empty() ? w->Children.front()->Handle : nullptr;
}

HWND GetDesktopWindow() { return DesktopRec()->Handle; }

HWND GetLastActivePopup(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return nullptr;
  TWindow* active = FindWindowRec(State().Active);
  for (TWindow* a = active; a; a = a->Owner)
    if (a->Owner == w) return active->Handle;
  return hwnd;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  std::vector<HWND> tops;
  for (TWindow* c : DesktopRec()->Children) tops.push_back(c->Handle);
  for (HWND h : tops)
    if (FindWindowRec(h) && !proc(h, lParam)) return FALSE;
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  TWindow* p = parent ? FindWindowRec(parent) : DesktopRec();
  if (!p || !proc) return FALSE;
  return EnumTree(p, proc, lParam) ? TRUE : FALSE;
}

// Every window lives on the user-interface thread.
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam) {
  if (threadId != MainThreadID()) return FALSE;
  return EnumWindows(proc, lParam);
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
  if (!FindWindowRec(hwnd)) return 0;
  if (processId) *processId = static_cast<DWORD>(getpid());
  return MainThreadID();
}

HWND FindWindowA(const char* className, const char* windowName) {
  TWndClassRec* cls = className ? FindClassRec(className) : nullptr;
  if (className && !cls) return nullptr;
  for (TWindow* c : DesktopRec()->Children) {
    if (cls && c->Class != cls) continue;
    if (windowName && c->Text != windowName) continue;
    return c->Handle;
  }
  return nullptr;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->Proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->Instance);
    case GWL_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(w->IsChildStyle() ? HandleOf(w->Parent) : HandleOf(w->Owner));
    case GWL_ID: return w->Id;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->Style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(w->ExStyle));
    case GWL_USERDATA: return w->UserData;
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->Extra.size()) {
        LONG_PTR v;
        std::memcpy(&v, w->Extra.data() + index, sizeof v);
        return v;
      }
      if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->Extra.size()) {
        LONG v;
        std::memcpy(&v, w->Extra.data() + index, sizeof v);
        return v;
      }
      return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWL_WNDPROC: w->Proc = reinterpret_cast<WNDPROC>(value); break;
    case GWL_HINSTANCE: w->Instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWL_HWNDPARENT:
      if (IsTopLevel(w)) {
        TWindow* o = FindWindowRec(reinterpret_cast<HWND>(value));
        w->Owner = o && o != State().Desktop && o != w ? TopLevelOf(o) : nullptr;
      }
      break;
    case GWL_ID: w->Id = value; break;
    case GWL_USERDATA: w->UserData = value; break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      STYLESTRUCT ss;
      ss.styleOld = static_cast<DWORD>(old);
      ss.styleNew = static_cast<DWORD>(value);
      CallProc(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      if (!(w = FindWindowRec(hwnd))) return 0;
      if (index == GWL_STYLE) {
        w->Style = ss.styleNew;
      } else {
        // The topmost band is changed through SetWindowPos only.
        w->ExStyle = (ss.styleNew & ~WS_EX_TOPMOST) | (w->ExStyle & WS_EX_TOPMOST);
        if (!(w->ExStyle & WS_EX_LAYERED)) {
          w->LayerFlags = 0;
          w->LayerPerPixel = false;
          w->LayerAlpha = 255;
        }
      }
      CallProc(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      break;
    }
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->Extra.size()) {
        std::memcpy(w->Extra.data() + index, &value, sizeof value);
      } else if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG) <= w->Extra.size()) {
        LONG v = static_cast<LONG>(value);
        std::memcpy(w->Extra.data() + index, &v, sizeof v);
      } else {
        return 0;
      }
  }
  return old;
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
  if (!FindWindowRec(hwnd)) return FALSE;
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  if (!FindWindowRec(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  if (!FindWindowRec(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

String GetWindowTextString(HWND hwnd) {
  int n = GetWindowTextLengthA(hwnd);
  if (n <= 0) return String();
  String s(static_cast<size_t>(n) + 1, '\0');
  int got = GetWindowTextA(hwnd, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(0, got)));
  return s;
}

BOOL SetPropA(HWND hwnd, const char* name, HANDLE data) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !name) return FALSE;
  for (auto& p : w->Props)
    if (p.first == name) {
      p.second = data;
      return TRUE;
    }
  w->Props.emplace_back(name, data);
  return TRUE;
}

HANDLE GetPropA(HWND hwnd, const char* name) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !name) return nullptr;
  for (auto& p : w->Props)
    if (p.first == name) return p.second;
  return nullptr;
}

HANDLE RemovePropA(HWND hwnd, const char* name) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !name) return nullptr;
  for (auto it = w->Props.begin(); it != w->Props.end(); ++it)
    if (it->first == name) {
      HANDLE h = it->second;
      w->Props.erase(it);
      return h;
    }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && w->IsChildStyle() ? static_cast<int>(w->Id) : 0;
}

HWND GetDlgItem(HWND parent, int id) {
  TWindow* p = FindWindowRec(parent);
  if (!p) return nullptr;
  for (TWindow* c : p->Children)
    if (c->Id == id) return c->Handle;
  return nullptr;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  if (w->WindowRgn && w->WindowRgn != region) DeleteObject(w->WindowRgn);
  w->WindowRgn = region;
  if (redraw && IsVisibleChain(w)) {
    if (w->Parent) InvalidateParentArea(w->Parent, w->Rect);
    RedrawRec(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !w->WindowRgn || !region) return ERROR;
  return CombineRgn(region, w->WindowRgn, nullptr, RGN_COPY);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return FALSE;
  bool wasDisabled = (w->Style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (!enable) {
    CallProc(w, WM_CANCELMODE, 0, 0);
    if (!(w = FindWindowRec(hwnd))) return wasDisabled;
    w->Style |= WS_DISABLED;
    WindowLosesState(w, TLoss::Disabled);
  } else {
    w->Style &= ~WS_DISABLED;
  }
  if ((w = FindWindowRec(hwnd))) CallProc(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && !(w->Style & WS_DISABLED);
}

BOOL IsWindowVisible(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && IsVisibleChain(w);
}

BOOL IsIconic(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && w->Minimized;
}

BOOL IsZoomed(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && w->Maximized;
}

}  // namespace WinManage
