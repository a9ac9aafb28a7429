// The unit state that the three thread hooks share, all on the user-interface thread.
#pragma once

#include "WinDef.h"

namespace dxBar::Hooks {

extern HHOOK KeyboardHook;
extern HHOOK MouseHook;
extern HHOOK CallWndProcHook;

// Another application's window was activated since the last WM_ACTIVATEAPP; the application is
// active by the last WM_ACTIVATEAPP.
extern bool AnotherApplicationActivated;
extern bool ApplicationActive;

// The selected item control of the active bar window shows an edit window of its own (it has the
// focus), which keeps the keys and the wheel.
bool ActiveBarShowsInBarWindow();

// Runs ASteps and then the next hook of AHook's chain, also when ASteps raises (the exception goes on
// afterwards); the hook's answer is the steps' result, or the next hook's when the steps left 0.
template <class TSteps>
LRESULT RunHookSteps(HHOOK AHook, int Code, WPARAM WParam, LPARAM LParam, TSteps ASteps);

}  // namespace dxBar::Hooks

#include "WinHooks.h"

namespace dxBar::Hooks {

template <class TSteps>
LRESULT RunHookSteps(HHOOK AHook, int Code, WPARAM WParam, LPARAM LParam, TSteps ASteps) {
  LRESULT result = 0;
  try {
    result = ASteps();
  } catch (...) {
    CallNextHookEx(AHook, Code, WParam, LParam);
    throw;
  }
  const LRESULT next = CallNextHookEx(AHook, Code, WParam, LParam);
  return result != 0 ? result : next;
}

}  // namespace dxBar::Hooks
