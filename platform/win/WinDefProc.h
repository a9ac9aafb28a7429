// The default window procedure: what a window does with a message its own procedure passes on.
#pragma once

#include "WinUserTypes.h"

namespace WinDefProc {

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinDefProc

using namespace WinDefProc;
