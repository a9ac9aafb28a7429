// The EDIT class.
#include "WinDefProc.h"
#include "WinInternals.h"

namespace WinInternals {

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }

}  // namespace WinInternals
