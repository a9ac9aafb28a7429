// The keyboard hook: menu-mode keys go to the active bar window, then, while nothing holds the mouse
// capture, the menu keys, shortcuts and accelerators go to the manager the key is meant for. Also the
// installation of the three hooks and the state they share.
#include "dxBarHooks.h"

#include "Controls.h"
#include "Forms.h"
#include "Threads.h"
#include "WinFocus.h"
#include "WinInput.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "cxControlsUtils.h"
#include "dxBarComponents.h"
#include "dxBarControl.h"
#include "dxBarDispatch.h"
#include "dxBarHelpers.h"
#include "dxBarHooksInternal.h"
#include "dxBarItemControl.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"
#include "dxBarUnit.h"

namespace dxBar {

namespace Hooks {
HHOOK KeyboardHook = nullptr;
HHOOK MouseHook = nullptr;
HHOOK CallWndProcHook = nullptr;
bool AnotherApplicationActivated = false;
bool ApplicationActive = false;

bool ActiveBarShowsInBarWindow() {
  TCustomdxBarControl* active = ActiveBarControl();
  TdxBarItemControl* selected = active ? active->GetSelectedControl() : nullptr;
  return selected && selected->HasWindow() && selected->IsChildWindow(GetFocus());
}
}  // namespace Hooks

using namespace Hooks;

namespace {

bool MDIButtonPressed = false;
bool CalledDirectly = false;
// A key-down that menu navigation consumed: its key-up (and its repeats) are consumed too.
bool NavigationKeyPending = false;
Word NavigationKey = 0;
// Alt or F10 went down alone and may open menu mode on its release.
bool MenuKeyPressed = false;

bool IsKeyDown(LPARAM AKeyData) { return (static_cast<DWORD>(AKeyData) & 0x80000000u) == 0; }
bool IsKeyHeld(Word AKey) { return GetAsyncKeyState(AKey) < 0; }
bool IsKeyPressedNow(int AKey) { return GetKeyState(AKey) < 0; }

void RememberNavigationKey(Word AKey, bool ADown) {
  if (!ADown) return;
  NavigationKeyPending = true;
  NavigationKey = AKey;
}

// Menu-mode keys; true when they took the key (the hook's result is then set).
bool HandleMenuModeKey(Word AKey, LPARAM AKeyData, LRESULT& AResult) {
  const bool down = IsKeyDown(AKeyData);
  if (NavigationKeyPending && AKey == NavigationKey && !down) {
    NavigationKeyPending = false;
    AResult = 1;
    return true;
  }
  TCustomdxBarControl* active = ActiveBarControl();
  if (active && active->IsWindowEnabled() && !active->GetIsCustomizing()) {
    if (ActiveBarShowsInBarWindow()) return false;
    RememberNavigationKey(AKey, down);
    SendMessage(active->GetHandle(), down ? WM_KEYDOWN : WM_KEYUP, AKey, AKeyData);
    if (!ActiveBarControl() || !IsKeyHeld(AKey)) NavigationKeyPending = false;
    AResult = 1;
    return true;
  }
  if (AKey == VK_ESCAPE && active && active->HandleAllocated() && GetCapture() == active->GetHandle()) {
    ReleaseCapture();
    AResult = 1;
    return true;
  }
  return false;
}

bool IsMenuKeyDown(TdxBarManager* ABarManager, Word AKey) {
  const bool ctrl = IsKeyPressedNow(VK_CONTROL);
  if (AKey == VK_MENU) return !ctrl;
  return AKey == VK_F10 && !ctrl && !IsKeyPressedNow(VK_SHIFT) && !IsKeyPressedNow(VK_MENU) &&
         ABarManager->GetUseF10ForMenu();
}

// Menu activation, shortcuts and accelerators while nothing holds the mouse capture.
void HandleMenuActivationAndShortCuts(Word AKey, LPARAM AKeyData, LRESULT& AResult) {
  TdxBarManager* target = GetKeyTargetBarManager(AKey == VK_F10 || AKey == VK_MENU);
  if (!target) return;
  if (IsKeyDown(AKeyData)) {
    if (IsMenuKeyDown(target, AKey) && !(NavigationKeyPending && NavigationKey == AKey)) {
      target->HideHint();
      MenuKeyPressed = true;
    } else if (ProcessShortCutKey(target, AKey, AKeyData)) {
      AResult = 1;
    }
    return;
  }
  const bool plainF10 = AKey == VK_F10 && !IsKeyPressedNow(VK_SHIFT) && !IsKeyPressedNow(VK_MENU) &&
                        !IsKeyPressedNow(VK_CONTROL) && target->GetUseF10ForMenu();
  if ((AKey == VK_MENU && MenuKeyPressed) || plainF10) {
    MenuKeyPressed = false;
    AResult = 1;
  }
}

LRESULT KeyboardHookSteps(int Code, Word AKey, LPARAM AKeyData) {
  LRESULT result = 0;
  if (Code == HC_NOREMOVE) return result;
  if (MDIButtonPressed) return 1;
  if (AKey == VK_PROCESSKEY || Code < 0) return result;
  if (HandleMenuModeKey(AKey, AKeyData, result)) return result;
  if (!GetCapture()) HandleMenuActivationAndShortCuts(AKey, AKeyData, result);
  return result;
}

// The manager of AWnd's control, else of its parents while they are child windows.
TdxBarManager* FindManagerFromWindow(HWND AWnd) {
  for (HWND window = AWnd; window; window = GetParent(window)) {
    if (TdxBarManager* manager = GetBarManagerByComponent(FindControl(window))) return manager;
    if (!IsChildClassWindow(window)) break;
  }
  return nullptr;
}

TdxBarManager* FindManagerOfMainForm(Forms::TCustomForm* AForm) {
  for (Integer i = 0; i < dxBarManagerList->GetCount(); ++i)
    if (dxBarManagerList->GetBarManager(i)->GetMainForm() == AForm) return dxBarManagerList->GetBarManager(i);
  return nullptr;
}

TdxBarManager* FindKeyTarget(bool AMenuKey) {
  if (TdxBarManager* manager = FindManagerFromWindow(GetFocus())) return manager;
  Forms::TCustomForm* activeForm = Screen ? Screen->ActiveCustomForm() : nullptr;
  if (activeForm && activeForm->HandleAllocated())
    if (TdxBarManager* manager = FindManagerFromWindow(activeForm->GetHandle())) return manager;
  Forms::TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (mainForm && mainForm->HandleAllocated() && IsWindowReallyEnabled(mainForm->GetHandle()))
    if (TdxBarManager* manager = FindManagerFromWindow(mainForm->GetHandle()))
      return manager->GetAllowCallFromAnotherForm() ? manager : nullptr;
  if (AMenuKey) return nullptr;
  const HWND activeWindow = GetActiveWindow();
  if (!activeWindow || !IsWindowEnabled(activeWindow)) return nullptr;
  auto* form = dynamic_cast<Forms::TCustomForm*>(FindControl(activeWindow));
  return form ? FindManagerOfMainForm(form) : nullptr;
}

}  // namespace

TdxBarManager* GetKeyTargetBarManager(bool AMenuKey) {
  if (!dxBarManagerList) return nullptr;
  TdxBarManager* target = FindKeyTarget(AMenuKey);
  if (!target || target->GetIsCustomizing()) return nullptr;
  TdxBarManager* manager = target;
  do {
    if (manager->GetBarControlFocused()) return nullptr;
    manager = dxBarManagerList->NextActive(manager, true);
  } while (manager && manager != target);
  return target;
}

LRESULT KeyboardHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  const Word key = static_cast<Word>(WParam);
  if (CalledDirectly) return KeyboardHookSteps(Code, key, LParam);
  return RunHookSteps(KeyboardHook, Code, WParam, LParam, [&] { return KeyboardHookSteps(Code, key, LParam); });
}

bool CallKeyboardHookDirectly(Word AKey, LPARAM AKeyFlags) {
  const bool previous = CalledDirectly;
  CalledDirectly = true;
  struct TRestore {
    bool Value;
    ~TRestore() { CalledDirectly = Value; }
  } restore{previous};
  return KeyboardHookProc(0, AKey, AKeyFlags) == 1;
}

void SetMDIButtonPressed(bool Value) { MDIButtonPressed = Value; }
bool GetMDIButtonPressed() { return MDIButtonPressed; }

bool IsApplicationActive() { return ApplicationActive && !AnotherApplicationActivated && GetActiveWindow(); }

bool IsWindowOfActiveMenuChain(HWND AWnd) {
  for (TCustomdxBarControl* bar = ActiveBarControl(); bar; bar = bar->GetParentBar())
    if (bar->IsChildWindow(AWnd)) return true;
  return false;
}

// ---- Installation --------------------------------------------------------------------------------------------
void InstallBarHooks() {
  const DWORD thread = GetCurrentThreadId();
  if (!KeyboardHook) KeyboardHook = SetWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, nullptr, thread);
  if (!MouseHook) MouseHook = SetWindowsHookEx(WH_MOUSE, &MouseHookProc, nullptr, thread);
  if (!CallWndProcHook) CallWndProcHook = SetWindowsHookEx(WH_CALLWNDPROC, &CallWndProcHookProc, nullptr, thread);
  ApplicationActive = Application && Application->Active();
}

void RemoveBarHooks() {
  for (HHOOK* hook : {&CallWndProcHook, &MouseHook, &KeyboardHook})
    if (*hook) {
      UnhookWindowsHookEx(*hook);
      *hook = nullptr;
    }
  NavigationKeyPending = false;
  MenuKeyPressed = false;
}

bool BarHooksInstalled() { return KeyboardHook && MouseHook && CallWndProcHook; }

}  // namespace dxBar
