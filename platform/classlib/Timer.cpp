// TTimer and the hidden utility windows components receive messages on.
#include "ExtCtrls.h"
#include "Forms.h"
#include "TypInfo.h"
#include "WinUser.h"

namespace ExtCtrls {

// ---- Utility windows --------------------------------------------------------------------------------
namespace {
const char* const UtilWindowClassName = "TPUtilWindow";
}

HWND AllocateHWnd(const TWndMethod& Method) {
  WNDCLASSA wc;
  if (!GetClassInfoA(nullptr, UtilWindowClassName, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.lpszClassName = UtilWindowClassName;
    if (!RegisterClassA(&wc)) throw EOutOfResources("Cannot register the utility window class");
  }
  HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, UtilWindowClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
  if (!wnd) throw EOutOfResources("Cannot create a utility window");
  if (Method) SetWindowLongPtr(wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(Method)));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (!Wnd || !IsWindow(Wnd)) return;
  auto instance = reinterpret_cast<WNDPROC>(GetWindowLongPtr(Wnd, GWL_WNDPROC));
  DestroyWindow(Wnd);
  // The instance may be the one running now; the layer calls a copy of its method, so freeing it
  // here is safe.
  if (instance != &DefWindowProcA) FreeObjectInstance(instance);
}

// ---- TTimer -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TTimer) {
  d.Property("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled).Default(true);
  d.Property("Interval", &TTimer::GetInterval, &TTimer::SetInterval).Default(1000);
  d.Property("OnTimer", &TTimer::GetOnTimer, &TTimer::SetOnTimer);
}

void TTimer::Construct() {
  inherited::Construct();
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TTimer::WndProc));
}

void TTimer::Destroy() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindowHandle);
  FWindowHandle = nullptr;
  inherited::Destroy();
}

void TTimer::UpdateTimer() {
  if (!FWindowHandle) return;
  KillTimer(FWindowHandle, 1);
  if (FInterval != 0 && FEnabled && FOnTimer) {
    if (SetTimer(FWindowHandle, 1, FInterval, nullptr) == 0) throw EOutOfResources("Not enough timers available");
  }
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = Value;
  UpdateTimer();
}

void TTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

void TTimer::WndProc(TMessage& Msg) {
  if (Msg.Msg == WM_TIMER) {
    // The handler may free this timer: nothing of it is touched after Timer returns.
    try {
      Timer();
    } catch (...) {
      Application->HandleException(this);
    }
    return;
  }
  Msg.Result = DefWindowProcA(FWindowHandle, Msg.Msg, Msg.WParam, Msg.LParam);
}

}  // namespace ExtCtrls
