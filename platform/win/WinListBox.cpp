// The LISTBOX class.
#include "WinDefProc.h"
#include "WinInternals.h"

namespace WinInternals {

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }

}  // namespace WinInternals
