// The list of open popups and the three thread hooks that close them: the window-procedure hook
// (owner closed, hidden, moved away; the program deactivated; the owner form's caption kept active),
// the get-message hook (system keys a popup without its own loop does not take) and the mouse hook
// (clicks outside every popup).
#include <algorithm>

#include "Exceptions.h"
#include "Forms.h"
#include "Threads.h"
#include "WinHooks.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxContainerControl.h"
#include "cxContainerInternal.h"
#include "cxContainerPopupWindow.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxContainer {

namespace {

std::vector<TcxCustomPopupWindow*>* FOpenPopups = nullptr;
bool FPopupShowing = false;
Integer FCMActivateLockCount = 0;
bool FHooksOnDemand = false;
HHOOK FCallWndProcHook = nullptr;
HHOOK FGetMessageHook = nullptr;
HHOOK FMouseHook = nullptr;
// The one window whose procedure is replaced to swallow the message being sent to it.
HWND FSwallowedWnd = nullptr;
WNDPROC FSwallowedWndProc = nullptr;

const std::vector<TcxCustomPopupWindow*> FNoPopups;

LRESULT CallWndProcHook(int ACode, WPARAM wParam, LPARAM lParam);
LRESULT GetMessageHook(int ACode, WPARAM wParam, LPARAM lParam);
LRESULT MouseHook(int ACode, WPARAM wParam, LPARAM lParam);

bool HooksInstalled() { return FCallWndProcHook != nullptr; }

void InstallHooks() {
  Assert(!HooksInstalled(), "the popup hooks are installed already");
  const DWORD thread = GetCurrentThreadId();
  FCallWndProcHook = SetWindowsHookEx(WH_CALLWNDPROC, &CallWndProcHook, nullptr, thread);
  FGetMessageHook = SetWindowsHookEx(WH_GETMESSAGE, &GetMessageHook, nullptr, thread);
  FMouseHook = SetWindowsHookEx(WH_MOUSE, &MouseHook, nullptr, thread);
}

void RemoveHooks() {
  for (HHOOK* hook : {&FCallWndProcHook, &FGetMessageHook, &FMouseHook}) {
    if (*hook) UnhookWindowsHookEx(*hook);
    *hook = nullptr;
  }
}

}  // namespace

// ---- The list of open popups ---------------------------------------------------------------------------
const std::vector<TcxCustomPopupWindow*>& OpenPopupWindows() { return FOpenPopups ? *FOpenPopups : FNoPopups; }

bool IsPopupWindowOpen(TcxCustomPopupWindow* APopup) {
  return FOpenPopups && std::find(FOpenPopups->begin(), FOpenPopups->end(), APopup) != FOpenPopups->end();
}

void AddOpenPopupWindow(TcxCustomPopupWindow* APopup) {
  Assert(APopup && FOpenPopups && !IsPopupWindowOpen(APopup), "a popup is opened twice");
  if (FHooksOnDemand && FOpenPopups->empty() && !HooksInstalled()) InstallHooks();
  FOpenPopups->push_back(APopup);
}

void RemoveOpenPopupWindow(TcxCustomPopupWindow* APopup) {
  Assert(IsPopupWindowOpen(APopup), "a popup that is not open is closed");
  std::erase(*FOpenPopups, APopup);
  if (FHooksOnDemand && FOpenPopups->empty()) RemoveHooks();
}

void SetPopupWindowShowing(bool AValue) { FPopupShowing = AValue; }

void LockCMActivateMessages(bool ALock) {
  if (ALock)
    ++FCMActivateLockCount;
  else if (FCMActivateLockCount > 0)
    --FCMActivateLockCount;
}

bool IsCMActivateMessagesLocked() { return FCMActivateLockCount > 0; }

void SetHooksSettingMode(bool AOnDemand) {
  if (FHooksOnDemand == AOnDemand) return;
  FHooksOnDemand = AOnDemand;
  if (!OpenPopupWindows().empty()) return;
  if (AOnDemand)
    RemoveHooks();
  else if (!HooksInstalled())
    InstallHooks();
}

void InitPopupWindows() {
  FOpenPopups = new std::vector<TcxCustomPopupWindow*>();
  if (!FHooksOnDemand) InstallHooks();
}

void DonePopupWindows() {
  RemoveHooks();
  delete FOpenPopups;
  FOpenPopups = nullptr;
}

// ---- The hooks ------------------------------------------------------------------------------------------
struct TcxPopupHooks {
  // The replacement procedure: puts the window's own back and answers the message as handled.
  static LRESULT SwallowProc(HWND AWnd, UINT, WPARAM, LPARAM) {
    if (AWnd == FSwallowedWnd) {
      SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FSwallowedWndProc));
      FSwallowedWnd = nullptr;
      FSwallowedWndProc = nullptr;
    }
    return 1;
  }

  static void SwallowMessage(HWND AWnd) {
    if (FSwallowedWnd || !IsWindow(AWnd)) return;
    FSwallowedWnd = AWnd;
    FSwallowedWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&TcxPopupHooks::SwallowProc)));
  }

  static TCustomForm* OwnerForm(TcxCustomPopupWindow* APopup) {
    return APopup->GetOwnerControl() ? GetParentForm(APopup->GetOwnerControl()) : nullptr;
  }

  static bool IsOwnerDestroying(TcxCustomPopupWindow* APopup) {
    TWinControl* owner = APopup->GetOwnerControl();
    return owner && owner->ComponentState().Contains(csDestroying);
  }

  static void WindowDestroyed(HWND AWnd) {
    for (TcxCustomPopupWindow* popup : OpenPopupWindows()) {
      if (popup->ComponentState().Contains(csDestroying) || !popup->HandleAllocated() || popup->GetHandle() != AWnd)
        continue;
      popup->Close();
      // A popup whose window goes must not stay listed as open when its close only hid it.
      popup->CloseUp();
      return;
    }
  }

  static void WindowClosing(HWND AWnd) {
    for (TcxCustomPopupWindow* popup : std::vector<TcxCustomPopupWindow*>(OpenPopupWindows())) {
      if (popup->ComponentState().Contains(csDestroying)) continue;
      if (popup->HandleAllocated() && popup->GetHandle() == AWnd) {
        TWinControl* owner = popup->GetOwnerControl();
        const bool capturesFocus = popup->GetCaptureFocus();
        const HWND ownerWnd = owner && owner->HandleAllocated() ? owner->GetHandle() : nullptr;
        if (!popup->CloseQuery()) return;
        popup->CloseUp();
        // Closing a focus-taking popup closes the window it was opened from, as Alt+F4 there would.
        TWinControl* alive = ownerWnd ? FindControl(ownerWnd) : nullptr;
        if (capturesFocus && !IsPopupWindowOpen(popup) && alive && !alive->ComponentState().Contains(csDestroying))
          if (HWND top = FindFirstNonChildParentWindow(ownerWnd)) SendMessage(top, WM_CLOSE, 0, 0);
        return;
      }
      if (popup->GetCaptureFocus() || IsOwnerDestroying(popup)) continue;
      TCustomForm* form = OwnerForm(popup);
      if (!form || !form->HandleAllocated() || form->GetHandle() == AWnd) popup->CloseUp();
      return;
    }
  }

  static void WindowHiding(HWND AWnd) {
    const std::vector<TcxCustomPopupWindow*> popups = OpenPopupWindows();
    for (size_t i = popups.size(); i-- > 0;) {
      TWinControl* owner = popups[i]->GetOwnerControl();
      if (!owner || !owner->HandleAllocated() || owner->GetHandle() != AWnd) continue;
      // That popup and every popup opened after it, the latest first.
      for (size_t j = popups.size(); j-- > i;)
        if (IsPopupWindowOpen(popups[j])) popups[j]->CloseUp();
      return;
    }
  }

  static void ApplicationDeactivating() {
    for (TcxCustomPopupWindow* popup : OpenPopupWindows())
      if (TCustomForm* form = OwnerForm(popup); form && form->HandleAllocated())
        PostMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
    for (bool closed = true; closed;) {
      closed = false;
      for (TcxCustomPopupWindow* popup : OpenPopupWindows()) {
        const bool holdsFocus = popup->GetCaptureFocus() && Screen->ActiveForm() == popup;
        if (holdsFocus || !popup->HandleAllocated() || !IsWindowEnabled(popup->GetHandle())) continue;
        TWinControl* owner = popup->GetOwnerControl();
        const HWND ownerWnd = owner && owner->HandleAllocated() ? owner->GetHandle() : nullptr;
        popup->CloseUp();
        if (auto* container = dynamic_cast<TcxContainer*>(ownerWnd ? FindControl(ownerWnd) : nullptr))
          ContainerFocusChanged(container);
        closed = true;
        break;
      }
    }
  }

  static void WindowMoved(HWND AWnd) {
    for (bool closed = true; closed;) {
      closed = false;
      for (TcxCustomPopupWindow* popup : OpenPopupWindows()) {
        TWinControl* owner = popup->GetOwnerControl();
        if (!popup->HandleAllocated() || popup->ComponentState().Contains(csDestroying) || !owner ||
            !owner->HandleAllocated() || owner->GetHandle() != AWnd || IsWindowVisible(AWnd))
          continue;
        popup->CloseUp();
        closed = true;
        break;
      }
    }
  }

  static bool IsOwnerFormOfOpenPopup(HWND AWnd) {
    for (TcxCustomPopupWindow* popup : OpenPopupWindows())
      if (TCustomForm* form = OwnerForm(popup); form && form->HandleAllocated() && form->GetHandle() == AWnd)
        return true;
    return false;
  }

  static void CallWndProc(const CWPSTRUCT& AMsg) {
    if ((AMsg.message == CM_ACTIVATE || AMsg.message == CM_DEACTIVATE) && IsCMActivateMessagesLocked()) {
      SwallowMessage(AMsg.hwnd);
      return;
    }
    if (OpenPopupWindows().empty()) return;
    switch (AMsg.message) {
      case WM_DESTROY: WindowDestroyed(AMsg.hwnd); break;
      case WM_CLOSE: WindowClosing(AMsg.hwnd); break;
      case WM_SHOWWINDOW:
        if (!AMsg.wParam) WindowHiding(AMsg.hwnd);
        break;
      case WM_ACTIVATEAPP:
        if (!AMsg.wParam) ApplicationDeactivating();
        break;
      case WM_WINDOWPOSCHANGED: WindowMoved(AMsg.hwnd); break;
      case WM_NCACTIVATE:
        // The owner form's caption stays active while its popup has the focus.
        if (!AMsg.wParam && (FPopupShowing || IsOwnerFormOfOpenPopup(AMsg.hwnd))) SwallowMessage(AMsg.hwnd);
        break;
      default: break;
    }
  }

  static void OnGetMessage(MSG& AMsg) {
    if (AMsg.message != WM_SYSKEYDOWN || OpenPopupWindows().empty()) return;
    TcxCustomPopupWindow* last = OpenPopupWindows().back();
    const bool ownLoop = last->GetCaptureFocus() && last->GetModalMode();
    if (!ownLoop && !last->IsSysKeyAccepted(static_cast<Word>(AMsg.wParam))) AMsg.message = WM_NULL;
  }

  static bool IsMouseButtonMessage(WPARAM AMsg) {
    switch (AMsg) {
      case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
      case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
      case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
        return true;
      default: return false;
    }
  }

  static void CloseUpByMouse(TcxCustomPopupWindow* APopup) {
    // The closing events may free the popup.
    TcxObjectLink* link = cxAddObjectLink(APopup);
    APopup->LockDeactivate(true);
    SetPopupWindowShowing(true);
    TFinally restore([link] {
      SetPopupWindowShowing(false);
      if (link->Ref) static_cast<TcxCustomPopupWindow*>(link->Ref)->LockDeactivate(false);
      cxRemoveObjectLink(link);
    });
    APopup->CloseUp();
  }

  // Closes the popups a click does not belong to; false when the click is to be swallowed.
  static bool CheckMouseClick(HWND AWnd, UINT AMsg, const TPoint& APos) {
    bool result = true;
    const TShiftState shift = InternalGetShiftState();
    for (bool restart = true; restart;) {
      restart = false;
      for (TcxCustomPopupWindow* popup : OpenPopupWindows()) {
        if (popup->GetCaptureFocus() && Screen->ActiveForm() != popup) continue;
        if (HasNativeHandle(popup, AWnd, true)) continue;
        TWinControl* owner = popup->GetOwnerControl();
        auto* ownerPopup = owner ? dynamic_cast<TcxCustomPopupWindow*>(GetParentForm(owner)) : nullptr;
        if (CheckParentsNativeHandle(owner, AWnd) || (ownerPopup && !ownerPopup->IsVisible())) {
          const bool onOwner = (AMsg == WM_LBUTTONDOWN || AMsg == WM_LBUTTONDBLCLK) && HasNativeHandle(owner, AWnd) &&
                               cxRectPtIn(popup->GetOwnerScreenBounds(), APos);
          if (onOwner) {
            if (popup->NeedIgnoreMouseMessageAfterCloseUp(AWnd, AMsg, shift, APos)) popup->FJustClosed = true;
          } else if (popup->NeedIgnoreMouseMessageAfterCloseUp(AWnd, AMsg, shift, APos)) {
            result = false;
          }
          const HWND ownerWnd = owner && owner->HandleAllocated() ? owner->GetHandle() : nullptr;
          CloseUpByMouse(popup);
          if (onOwner) {
            TWinControl* alive = FindControl(ownerWnd);
            if (!alive || alive->ComponentState().Contains(csDestroying) || !IsWindowVisible(ownerWnd)) result = false;
          }
          restart = true;
          break;
        }
        if (IsClickInMDIFamily(owner, AWnd)) {
          if (popup->NeedIgnoreMouseMessageAfterCloseUp(AWnd, AMsg, shift, APos)) result = false;
          popup->CloseUp();
          restart = true;
          break;
        }
      }
    }
    return result;
  }

  // For an owner on an MDI child form: a click in the frame form or in another child of it.
  static bool IsClickInMDIFamily(TWinControl* AOwner, HWND AWnd) {
    TCustomForm* form = AOwner ? GetParentForm(AOwner) : nullptr;
    if (!form || form->GetFormStyle() != fsMDIChild) return false;
    TCustomForm* frame = Application->MainForm();
    if (frame && frame->GetFormStyle() == fsMDIForm && HasNativeHandle(frame, AWnd, true)) return true;
    for (Integer i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* other = Screen->Forms(i);
      if (other != form && other->GetFormStyle() == fsMDIChild && HasNativeHandle(other, AWnd, true)) return true;
    }
    return false;
  }
};

namespace {

LRESULT CallWndProcHook(int ACode, WPARAM wParam, LPARAM lParam) {
  if (ACode == HC_ACTION) TcxPopupHooks::CallWndProc(*reinterpret_cast<CWPSTRUCT*>(lParam));
  return CallNextHookEx(FCallWndProcHook, ACode, wParam, lParam);
}

LRESULT GetMessageHook(int ACode, WPARAM wParam, LPARAM lParam) {
  if (ACode == HC_ACTION && wParam == PM_REMOVE) TcxPopupHooks::OnGetMessage(*reinterpret_cast<MSG*>(lParam));
  return CallNextHookEx(FGetMessageHook, ACode, wParam, lParam);
}

LRESULT MouseHook(int ACode, WPARAM wParam, LPARAM lParam) {
  if (ACode == HC_ACTION && !OpenPopupWindows().empty() && TcxPopupHooks::IsMouseButtonMessage(wParam)) {
    const auto* info = reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam);
    if (!TcxPopupHooks::CheckMouseClick(info->hwnd, static_cast<UINT>(wParam), TPoint(info->pt.x, info->pt.y)))
      return 1;
  }
  return CallNextHookEx(FMouseHook, ACode, wParam, lParam);
}

}  // namespace

}  // namespace cxContainer
