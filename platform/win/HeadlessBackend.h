// The headless backend: a virtual screen (1280 x 1024, 96 DPI) that composes the top-level windows in
// z-order, input injected by tests through the same path as real input, and pictures of a window or
// the whole screen as PNG files.
#pragma once

#include "System.h"
#include "WinUserTypes.h"

namespace GdiSurface {
class TGdiSurface;
}

namespace HeadlessBackend {

// ---- Input (buttons 0 left, 1 right, 2 middle) -------------------------------------------------------
void InjectMouseMove(int x, int y);                 // screen coordinates
void InjectMouseButton(int button, bool down);      // at the pointer's position
void InjectClick(int x, int y, int button = 0);     // move, press, release
void InjectWheel(int delta);                        // WHEEL_DELTA (120) per notch, positive away from the user
void InjectKey(int vk, bool down);
void InjectKeyPress(int vk);                        // down and up
// Text as typed: ASCII characters through their keys (Shift where needed), anything else as WM_CHAR
// bytes of its UTF-8 form.
void InjectText(const String& text);
// Sets a key or button as held (both key states), for code that reads the state without input.
void SetKeyState(int vk, bool down);

// ---- Pumping ----------------------------------------------------------------------------------------
// Retrieves and dispatches (with TranslateMessage) every message available now, paints included; the
// number dispatched. Stops at WM_QUIT, which it leaves queued.
int ProcessMessages();

// ---- Pictures ---------------------------------------------------------------------------------------
// The visible top-level windows composed in z-order on the desktop colour (layered windows blended).
void ComposeScreen(GdiSurface::TGdiSurface& screen);
// A window's own picture (its top-level surface cut to the window); false for an invalid window.
bool CaptureWindow(HWND hwnd, GdiSurface::TGdiSurface& picture);
bool SaveScreenPng(const String& fileName);
bool SaveWindowPng(HWND hwnd, const String& fileName);

// Number of MessageBeep calls since the last reset (tests of refused input).
int BeepCount();

// Destroys every window and clears queue, timers, hooks, focus, input and parameters: each test starts
// on an empty desktop.
void ResetWindowManager();

}  // namespace HeadlessBackend

using namespace HeadlessBackend;
