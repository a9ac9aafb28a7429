// Focus and activation of the user-interface thread's windows.
#include "WinFocus.h"

#include "Messages.h"
#include "WinHooks.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "Threads.h"

namespace WinFocus {

namespace {

bool Contains(const TWindow* outer, HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return w && (w == outer || IsAncestor(outer, w));
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* w = FindWindowRec(hwnd);
  return w ? CallProc(w, msg, wParam, lParam) : 0;
}

WPARAM ActivateParam(WORD how, HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  return MAKEWPARAM(how, static_cast<WORD>(w && w->Minimized ? 1 : 0));
}

void SendActivateApp(bool active) {
  std::vector<HWND> tops;
  for (TWindow* c : DesktopRec()->Children) tops.push_back(c->Handle);
  for (HWND h : tops) Send(h, WM_ACTIVATEAPP, active ? TRUE : FALSE, static_cast<LPARAM>(GetCurrentThreadId()));
}

// Moves the activation from the active window to `next` (null: the program becomes inactive).
void MoveActivation(HWND next, WORD how) {
  TWinState& s = State();
  HWND old = s.Active;
  if (old == next) return;
  if (old && FindWindowRec(old)) {
    if (!Send(old, WM_NCACTIVATE, FALSE, 0) && FindWindowRec(old)) return;
    Send(old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), reinterpret_cast<LPARAM>(next));
  }
  bool appChanges = !old || !FindWindowRec(old) ? next != nullptr : next == nullptr;
  s.Active = next;
  s.Foreground = next;
  if (appChanges) SendActivateApp(next != nullptr);
  if (!next || !FindWindowRec(next) || s.Active != next) return;
  if (TWindow* w = FindWindowRec(next)) LinkWindow(w, WinManage::HWND_TOP);
  Send(next, WM_NCACTIVATE, TRUE, 0);
  Send(next, WM_ACTIVATE, ActivateParam(how, next), reinterpret_cast<LPARAM>(old));
}

// The window that takes the activation when `leaving` gives it up: its owner, else the topmost
// visible, enabled window that may be activated.
TWindow* NextActive(TWindow* leaving) {
  for (TWindow* o = leaving->Owner; o; o = o->Owner)
    if ((o->Style & WinManage::WS_VISIBLE) && !(o->Style & WinManage::WS_DISABLED) && !o->Destroying && !o->Minimized)
      return o;
  for (TWindow* c : DesktopRec()->Children) {
    if (c == leaving || c->Destroying || c->Minimized || IsAncestor(leaving, c)) continue;
    if (!(c->Style & WinManage::WS_VISIBLE) || (c->Style & WinManage::WS_DISABLED)) continue;
    if (!TakesActivation(c) || (c->ExStyle & WinManage::WS_EX_TOOLWINDOW)) continue;
    bool ownedByLeaving = false;
    for (TWindow* o = c->Owner; o; o = o->Owner) ownedByLeaving = ownedByLeaving || o == leaving;
    if (!ownedByLeaving) return c;
  }
  return nullptr;
}

}  // namespace

HWND SetFocus(HWND hwnd) {
  TWinState& s = State();
  HWND old = s.Focus;
  if (!hwnd) {
    if (!old) return nullptr;
    if (HasHooks(WH_CBT) && CallHooks(WH_CBT, HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old))) return nullptr;
    s.Focus = nullptr;
    Send(old, WM_KILLFOCUS, 0, 0);
    return old;
  }
  TWindow* w = FindWindowRec(hwnd);
  if (!w || w == s.Desktop) return nullptr;
  if (hwnd == old) return old;
  if (HasHooks(WH_CBT) &&
      CallHooks(WH_CBT, HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)))
    return nullptr;
  if (!(w = FindWindowRec(hwnd))) return nullptr;
  TWindow* top = TopLevelOf(w);
  if (top && s.Active != top->Handle) {
    // A child window detached from its parent cannot be activated, so it takes no focus either.
    if (top->IsChildStyle()) return nullptr;
    if (TakesActivation(top)) {
      ActivateTopLevel(top, WA_ACTIVE, false);
      if (!FindWindowRec(hwnd)) return nullptr;
    }
  }
  old = s.Focus;
  if (old == hwnd) return old;
  s.Focus = hwnd;
  if (old) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  // The window losing the focus may have moved it elsewhere already.
  if (s.Focus != hwnd) return old;
  Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() { return State().Focus; }

HWND SetActiveWindow(HWND hwnd) {
  HWND old = State().Active;
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return old;
  TWindow* top = TopLevelOf(w);
  if (!top || !TakesActivation(top)) return old;
  ActivateTopLevel(top, WA_ACTIVE, true);
  return old;
}

HWND GetActiveWindow() { return State().Active; }

BOOL SetForegroundWindow(HWND hwnd) {
  if (!FindWindowRec(hwnd)) return FALSE;
  SetActiveWindow(hwnd);
  return TRUE;
}

HWND GetForegroundWindow() { return State().Foreground; }

}  // namespace WinFocus

namespace WinInternals {

void ActivateTopLevel(TWindow* top, WORD how, bool) {
  HWND h = top->Handle;
  if (State().Active == h) return;
  if (HasHooks(WH_CBT)) {
    CBTACTIVATESTRUCT cbt{how == WinFocus::WA_CLICKACTIVE, State().Active};
    if (CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(h), reinterpret_cast<LPARAM>(&cbt))) return;
  }
  if (!FindWindowRec(h)) return;
  WinFocus::MoveActivation(h, how);
}

void WindowLosesState(TWindow* w, TLoss why) {
  TWinState& s = State();
  HWND hwnd = w->Handle;
  if (s.Capture && WinFocus::Contains(w, s.Capture)) WinInput::ReleaseCapture();
  if (!FindWindowRec(hwnd)) return;
  if (s.Focus && WinFocus::Contains(w, s.Focus)) {
    TWindow* parent = w->IsChildStyle() ? w->Parent : nullptr;
    bool toParent = why != TLoss::Disabled && parent && parent != s.Desktop && !parent->Destroying &&
                    IsVisibleChain(parent) && !(parent->Style & WinManage::WS_DISABLED);
    WinFocus::SetFocus(toParent ? parent->Handle : nullptr);
  }
  if (why == TLoss::Disabled || !(w = FindWindowRec(hwnd))) return;
  if (s.Active && WinFocus::Contains(w, s.Active)) {
    TWindow* next = NextActive(w);
    if (next) {
      ActivateTopLevel(next, WinFocus::WA_ACTIVE, true);
    }
    if (s.Active == hwnd) WinFocus::MoveActivation(nullptr, WinFocus::WA_INACTIVE);
  }
}

void ResetFocusState() {
  TWinState& s = State();
  s.Focus = s.Active = s.Capture = s.Foreground = nullptr;
}

}  // namespace WinInternals
