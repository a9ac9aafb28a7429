// The backend that shows the layer's top-level windows on an X display: one undecorated X window per
// top-level window showing its surface, X input as the layer's input, the CLIPBOARD selection as the
// shared clipboard, the layer's cursors as X cursors and the notification-area icon in the desktop's
// system tray.
#pragma once

#include <memory>

#include "System.h"
#include "WinBackend.h"
#include "WinUserTypes.h"

namespace X11Backend {

// A backend on the X display `display` (null: $DISPLAY). Null when the display cannot be opened;
// `error`, when given, then says why.
std::unique_ptr<TWinBackend> CreateX11Backend(const char* display = nullptr, String* error = nullptr);

// The backend the environment asks for: WIN_BACKEND=headless or WIN_BACKEND=x11 chooses; otherwise
// x11 when DISPLAY is set and the display opens, headless else. Null means headless (SetBackend's
// default).
std::unique_ptr<TWinBackend> CreateBackendForEnvironment();

// ---- The notification-area icon (x11 backend in use; false otherwise) --------------------------------
// Adds or changes the icon (wnd, id): mouse input on it is posted to `wnd` as `callbackMessage` with
// wParam = id and lParam = the mouse message (WM_LBUTTONUP, WM_RBUTTONUP, ...). False when the
// desktop has no system tray: the caller then keeps its task-bar entry.
bool X11TrayIconSet(HWND wnd, UINT id, UINT callbackMessage, HICON icon, const String& tip);
bool X11TrayIconRemove(HWND wnd, UINT id);
// Whether a system tray is there to dock in.
bool X11TrayAvailable();

// ---- For tests ---------------------------------------------------------------------------------------
// The X window showing a top-level window (0 when there is none or the backend is not x11).
unsigned long X11WindowOf(HWND hwnd);
// Sends every pending change to the server and waits until it has been carried out.
void X11Sync();

}  // namespace X11Backend

using namespace X11Backend;
