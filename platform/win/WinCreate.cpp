// Creating and destroying windows, with the messages in the order the framework relies on.
#include <algorithm>

#include "WinBackend.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinHooks.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinMetrics.h"
#include "WinQueue.h"

namespace WinManage {

namespace {

bool WantsMinMaxInfo(DWORD style) { return (style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD)); }

// Where overlapped windows created with CW_USEDEFAULT go: a cascade from the top-left corner.
POINT NextDefaultPosition() {
  static int step = 0;
  int offset = (step++ % 10) * (GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME));
  return POINT{offset, offset};
}

void NotifyParent(TWindow* w, UINT event) {
  if (!w->IsChildStyle() || (w->ExStyle & WS_EX_NOPARENTNOTIFY)) return;
  HWND self = w->Handle;
  for (TWindow* p = w->Parent; p && p != State().Desktop; p = p->Parent) {
    HWND ph = p->Handle;
    CallProc(p, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(w->Id)),
             reinterpret_cast<LPARAM>(self));
    TWindow* again = FindWindowRec(ph);
    if (!again || !again->IsChildStyle() || (again->ExStyle & WS_EX_NOPARENTNOTIFY)) break;
  }
}

void SendDestroyTree(TWindow* w) {
  CallProc(w, WM_DESTROY, 0, 0);
  std::vector<HWND> children;
  for (TWindow* c : w->Children) children.push_back(c->Handle);
  for (HWND h : children)
    if (TWindow* c = FindWindowRec(h)) {
      c->Destroying = true;
      SendDestroyTree(c);
    }
}

void FreeTree(TWindow* w) {
  while (!w->Children.empty()) FreeTree(w->Children.front());
  CallProc(w, WM_NCDESTROY, 0, 0);
  KillWindowTimers(w->Handle);
  CaretOwnerDestroyed(w->Handle);
  PurgeWindowMessages(w->Handle);
  WindowLosesState(w, TLoss::Destroyed);
  // A top-level window is what the display backend shows: it removes its own counterpart now.
  if (w->Parent == State().Desktop) Backend().WindowDestroyed(w->Handle);
  UnlinkWindow(w);
  if (w->WindowRgn) DeleteObject(w->WindowRgn);
  if (w->Update) DeleteObject(w->Update);
  w->WindowRgn = w->Update = nullptr;
  w->Surface.reset();
  for (TWindow* other : AllWindows())
    if (other->Owner == w) other->Owner = nullptr;
  w->Destroyed = true;
  ReleaseWindowRec(w);
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  TWndClassRec* cls = FindClassRec(className);
  if (!cls) return nullptr;
  TWindow* desktop = DesktopRec();
  TWindow* parentRec = desktop;
  TWindow* owner = nullptr;
  if (parent == HWND_MESSAGE) {
    parent = nullptr;
    style &= ~(WS_CHILD | WS_VISIBLE);
  }
  if (style & WS_CHILD) {
    parentRec = FindWindowRec(parent);
    if (!parentRec) return nullptr;
  } else if (parent) {
    TWindow* o = FindWindowRec(parent);
    if (!o) return nullptr;
    owner = o == desktop ? nullptr : TopLevelOf(o);
  }
  // Overlapped windows always have a caption and clip their siblings.
  if (!(style & (WS_CHILD | WS_POPUP))) style |= WS_CAPTION | WS_CLIPSIBLINGS;
  if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_THICKFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    exStyle |= WS_EX_WINDOWEDGE;

  if (x == CW_USEDEFAULT) {
    if (style & WS_CHILD) {
      x = y = 0;
    } else {
      POINT p = NextDefaultPosition();
      x = p.x;
      y = p.y;
    }
  }
  if (width == CW_USEDEFAULT) {
    if (style & WS_CHILD) {
      width = height = 0;
    } else {
      width = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
      height = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    }
  }

  TWindow* w = NewWindowRec();
  HWND hwnd = w->Handle;
  w->Class = cls;
  w->Style = style & ~WS_VISIBLE;
  w->ExStyle = exStyle;
  w->Proc = cls->Proc;
  w->Instance = instance;
  w->Id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
  w->Extra.assign(static_cast<size_t>(cls->WndExtra), 0);
  w->Parent = parentRec;
  w->Owner = owner;
  LinkWindow(w, (style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP);

  CREATESTRUCTA cs;
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = (style & WS_CHILD) ? parentRec->Handle : (owner ? owner->Handle : nullptr);
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = cls->Name.c_str();
  cs.dwExStyle = exStyle;

  auto fail = [&]() -> HWND {
    if (TWindow* again = FindWindowRec(hwnd)) {
      again->Destroying = true;
      FreeTree(again);
    }
    return nullptr;
  };

  if (HasHooks(WH_CBT)) {
    CBT_CREATEWNDA cbt{&cs, HWND_TOP};
    if (CallHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt)))
      return fail();
    if (!FindWindowRec(hwnd)) return nullptr;
  }

  if (WantsMinMaxInfo(style)) {
    MINMAXINFO mmi;
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    mmi.ptMaxSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    CallProc(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!FindWindowRec(hwnd)) return nullptr;
    cs.cx = std::clamp<int>(cs.cx, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    cs.cy = std::clamp<int>(cs.cy, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
  }
  cs.cx = std::max(cs.cx, 0);
  cs.cy = std::max(cs.cy, 0);
  w->Rect = RECT{cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
  w->Client = RECT{0, 0, cs.cx, cs.cy};
  w->RestoreRect = w->Rect;
  SyncSurface(w);

  if (!CallProc(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return fail();
  if (!FindWindowRec(hwnd)) return nullptr;
  RecalcClient(w);
  if (!FindWindowRec(hwnd)) return nullptr;
  if (CallProc(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!FindWindowRec(hwnd)) return nullptr;
  CallProc(w, WM_SIZE, SIZE_RESTORED,
           MAKELPARAM(static_cast<WORD>(w->Client.right - w->Client.left),
                      static_cast<WORD>(w->Client.bottom - w->Client.top)));
  if (!FindWindowRec(hwnd)) return nullptr;
  CallProc(w, WM_MOVE, 0,
           MAKELPARAM(static_cast<WORD>(w->Rect.left + w->Client.left), static_cast<WORD>(w->Rect.top + w->Client.top)));
  if (!FindWindowRec(hwnd)) return nullptr;
  NotifyParent(w, WM_CREATE);
  if (!FindWindowRec(hwnd)) return nullptr;

  if (style & WS_VISIBLE) {
    int cmd = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
    if ((style & WS_CHILD) == 0 && (exStyle & WS_EX_NOACTIVATE)) cmd = SW_SHOWNA;
    ShowWindow(hwnd, cmd);
  }
  return FindWindowRec(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w == State().Desktop) return FALSE;
  if (w->Destroying) return TRUE;
  if (HasHooks(WH_CBT) && CallHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0)) return FALSE;
  if (!(w = FindWindowRec(hwnd))) return TRUE;
  w->Destroying = true;

  if (w->Style & WS_VISIBLE) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    if (!(w = FindWindowRec(hwnd))) return TRUE;
  }
  NotifyParent(w, WM_DESTROY);
  if (!(w = FindWindowRec(hwnd))) return TRUE;

  // Owned windows go first.
  if (IsTopLevel(w)) {
    for (TWindow* other : AllWindows())
      if (other->Owner == w && !other->Destroying) DestroyWindow(other->Handle);
    if (!(w = FindWindowRec(hwnd))) return TRUE;
  }
  WindowLosesState(w, TLoss::Destroyed);
  SendDestroyTree(w);
  if (!(w = FindWindowRec(hwnd))) return TRUE;
  FreeTree(w);
  return TRUE;
}

}  // namespace WinManage
