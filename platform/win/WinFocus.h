// Keyboard focus and activation. WM_SETFOCUS names the window that lost the focus and WM_KILLFOCUS the
// one gaining it; activation sends WM_NCACTIVATE, WM_ACTIVATEAPP (on entering or leaving the
// program's windows) and WM_ACTIVATE (lParam = the other window) and moves the focus into the newly
// active window. Popups of WS_EX_NOACTIVATE, child windows detached from their parent and
// SW_SHOWNA/SWP_NOACTIVATE showings never take it.
#pragma once

#include "WinUserTypes.h"

namespace WinFocus {

constexpr WORD WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2;
constexpr LRESULT MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4;

// Focus on a window of this thread (null: no focus). Activates its top-level window first. Answers the
// window that had the focus; null and no change for an invalid or disabled-by-hook window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

}  // namespace WinFocus

using namespace WinFocus;
