// The caret: one per thread, owned by a window, drawn by inverting the pixels under it and blinking
// while shown. Painting the owner hides it for the time of BeginPaint..EndPaint.
#pragma once

#include "WinUserTypes.h"

namespace WinCaret {

// bitmap: the caret's shape (null: solid, (HBITMAP)1: grey); width or height 0 takes the system's
// border size. Replaces any caret of the thread; the new caret starts hidden.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
// Hiding nests: the caret shows again after as many ShowCaret calls. hwnd null: the caret's owner.
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);  // the owner's client coordinates
BOOL GetCaretPos(POINT* point);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT milliseconds);

}  // namespace WinCaret

using namespace WinCaret;
