// The call-window-procedure hook: it keeps the application's activation state and routes each
// message of a window to the manager that the window's control owns, and broadcast messages to the
// managers of the controls inside it, so the managers follow their forms without subclassing them.
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "WinFocus.h"
#include "WinManage.h"
#include "dxBarComponents.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarHooks.h"
#include "dxBarHooksInternal.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"

namespace dxBar {

using namespace Hooks;

namespace {

// Set while the hook looks up a window's manager: messages that the look-up causes are not routed.
bool LookingUpManager = false;

TdxBarManager* LookUpManager(HWND AWnd) {
  LookingUpManager = true;
  struct TLeave {
    ~TLeave() { LookingUpManager = false; }
  } leave;
  return GetBarManagerByComponent(FindControl(AWnd));
}

// An activation between a window and its parent within the application concerns no form.
bool IsActivationWithinFamily(HWND AWnd, LPARAM AOtherWnd) {
  const HWND other = reinterpret_cast<HWND>(AOtherWnd);
  if (!other || (GetParent(AWnd) != other && GetParent(other) != AWnd)) return false;
  return !IsAnotherApplicationWindow(AWnd) && !IsAnotherApplicationWindow(other);
}

// While a menu is open, a help request belongs to the form of the active manager.
HWND HelpRequestWindow(HWND AWnd) {
  TdxBarManager* manager = ActiveBarControl()->GetBarManager();
  if (!manager) return AWnd;
  const HWND formWnd = GetAncestor(AWnd, GA_ROOT);
  if (formWnd && IsWindowOfManagerOwner(manager, formWnd)) return formWnd;
  Forms::TCustomForm* form = manager->GetParentForm();
  return form && form->HandleAllocated() ? form->GetHandle() : AWnd;
}

void RouteMessage(HWND AWnd, UINT AMsg, WPARAM WParam, LPARAM LParam) {
  if (AMsg == WM_ACTIVATE && IsActivationWithinFamily(AWnd, LParam)) return;
  HWND wnd = AWnd;
  if (AMsg == WM_HELP && ActiveBarControl()) wnd = HelpRequestWindow(AWnd);
  TdxBarManager* manager = LookUpManager(wnd);
  if (!manager && AMsg == WM_ACTIVATE) {
    const HWND parent = GetParent(wnd);
    if (parent && IsWindowVisible(parent)) manager = LookUpManager(parent);
  }
  if (manager) manager->OwnerWndProc(wnd, AMsg, WParam, LParam);
  TdxBarManager::SendFormBroadcastMessage(wnd, AMsg, WParam, LParam);
}

void KeepActivationState(UINT AMsg, WPARAM WParam, LPARAM LParam) {
  if (AMsg == WM_ACTIVATE && LOWORD(WParam) == WA_INACTIVE && LParam &&
      IsAnotherApplicationWindow(reinterpret_cast<HWND>(LParam)))
    AnotherApplicationActivated = true;
  if (AMsg == WM_ACTIVATEAPP) {
    AnotherApplicationActivated = false;
    ApplicationActive = WParam != 0;
  }
}

}  // namespace

LRESULT CallWndProcHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  try {
    if (const auto* message = reinterpret_cast<const CWPSTRUCT*>(LParam); message && Code >= 0) {
      const CWPSTRUCT m = *message;
      KeepActivationState(m.message, m.wParam, m.lParam);
      if (!LookingUpManager) RouteMessage(m.hwnd, m.message, m.wParam, m.lParam);
    }
  } catch (...) {
    CallNextHookEx(CallWndProcHook, Code, WParam, LParam);
    throw;
  }
  return CallNextHookEx(CallWndProcHook, Code, WParam, LParam);
}

// ---- Broadcasts to the managers inside a form ---------------------------------------------------------------
bool TdxBarManager::IsFormBroadcastMessage(UINT AMsg) {
  switch (AMsg) {
    case WM_ACTIVATE: case WM_SYSCOLORCHANGE: case WM_SETTINGCHANGE: case WM_ACTIVATEAPP: case WM_CHILDACTIVATE:
    case WM_WINDOWPOSCHANGING: case WM_WINDOWPOSCHANGED: case WM_SYSCOMMAND: case WM_MDIACTIVATE:
      return true;
    default:
      return false;
  }
}

void TdxBarManager::SendFormBroadcastMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (!IsFormBroadcastMessage(AMsg) || !dxBarManagerList) return;
  std::vector<TdxBarManager*> managers;
  for (Integer i = 0; i < dxBarManagerList->GetCount(); ++i) managers.push_back(dxBarManagerList->GetBarManager(i));
  for (TdxBarManager* manager : managers) {
    // A manager that an earlier one's handling freed is no longer listed.
    if (!dxBarManagerList || dxBarManagerList->IndexOf(manager) < 0) continue;
    auto* owner = dynamic_cast<TWinControl*>(manager->Owner());
    if (!owner || !owner->HandleAllocated() || owner->GetHandle() == AWnd) continue;
    if (IsWindowOfManagerOwner(manager, AWnd)) manager->OwnerWndProc(AWnd, AMsg, AWParam, ALParam);
  }
}

}  // namespace dxBar
