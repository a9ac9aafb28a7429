// Timers: window timers (WM_TIMER to the window), callback timers and thread timers (null window),
// with a resolution of 10 ms. A timer fires when the queue has nothing else; a late timer fires once,
// not once per missed period.
#pragma once

#include "WinUserTypes.h"

namespace WinTimers {

constexpr UINT USER_TIMER_MINIMUM = 10, USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// With a window: (re)starts the window's timer `id` and answers a non-zero value. Without a window:
// makes a new thread timer and answers its id (the id argument is ignored). The procedure, when given,
// is called by DispatchMessage instead of the window procedure. 0 for an invalid window.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
// Stops the timer; a WM_TIMER already retrieved may still be dispatched.
BOOL KillTimer(HWND hwnd, UINT_PTR id);

}  // namespace WinTimers

using namespace WinTimers;
