// The thread hooks of the toolbar unit: the keyboard hook routes menu-mode keys to the active bar
// window and runs menu activation, shortcuts and accelerators; the mouse hook ends menu mode on an
// outside click and keeps the wheel from windows while a menu that does not want it is open; the
// call-window-procedure hook routes the messages of the managers' owner windows to the managers, so no
// form is subclassed. The first manager installs them and the last one removes them.
#pragma once

#include "WinDef.h"
#include "dxBarTypes.h"

namespace dxBar {

// Who receives a mouse wheel turned while a bar window is in menu mode.
enum TdxBarMouseWheelEventReceiver { mwrNone, mwrActiveBarControl, mwrFocusedItemControl, mwrWindow };
TdxBarMouseWheelEventReceiver BarGetMouseWheelReceiver();

LRESULT KeyboardHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT MouseHookProc(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CallWndProcHookProc(int Code, WPARAM WParam, LPARAM LParam);

// An in-bar edit window hands a key it got to the keyboard hook, so that shortcuts, accelerators and
// the menu keys work while it has the focus; true when the unit took the key. The next hook is not
// called then: the key came from a window, not from the thread's input.
bool CallKeyboardHookDirectly(Word AKey, LPARAM AKeyFlags);

// Set by the main-menu bar while the mouse holds one of its MDI child buttons: keys are swallowed.
void SetMDIButtonPressed(bool Value);
bool GetMDIButtonPressed();

// The application is active (from WM_ACTIVATEAPP), no other application's window was activated
// since, and there is an active window.
bool IsApplicationActive();

// Whether a window of the unit's active menu chain (the active bar window or a bar above it in the
// chain) owns AWnd.
bool IsWindowOfActiveMenuChain(HWND AWnd);

// The manager that a key is meant for: from the focused window upward, then the active form, then
// the main form (when the manager allows calls from another form); nil while a manager customizes or
// a bar window of the manager cycle has the focus.
TdxBarManager* GetKeyTargetBarManager(bool AMenuKey);

}  // namespace dxBar

using namespace dxBar;
