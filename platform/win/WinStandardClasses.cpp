// The standard window classes the layer registers for every program, and what their procedures share.
#include <unordered_map>

#include "Messages.h"
#include "WinClasses.h"
#include "WinCursor.h"
#include "WinGdi.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinInternals {

namespace {

std::unordered_map<HWND, HFONT>& Fonts() {
  static std::unordered_map<HWND, HFONT> f;
  return f;
}

void Register(const char* name, WNDPROC proc, UINT style, const char* cursor, int background) {
  WNDCLASSEXA wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hCursor = LoadCursorA(nullptr, cursor);
  wc.hbrBackground = background >= 0 ? reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(background + 1)) : nullptr;
  wc.lpszClassName = name;
  RegisterSystemClass(wc);
}

}  // namespace

void RegisterStandardClasses() {
  Register("Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, -1);
  Register("Static", StaticProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, -1);
  Register("Edit", EditProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM, -1);
  Register("ListBox", ListBoxProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW, -1);
  Register("#32770", MessageBoxProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW, COLOR_BTNFACE);
}

void NotifyParent(HWND control, WORD code) {
  TWindow* w = FindWindowRec(control);
  if (!w || !w->Parent || w->Parent == State().Desktop) return;
  SendMessageA(w->Parent->Handle, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(w->Id), code),
               reinterpret_cast<LPARAM>(control));
}

HFONT ControlFont(HWND control) {
  auto it = Fonts().find(control);
  return it != Fonts().end() && it->second ? it->second : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void SetControlFont(HWND control, HFONT font) {
  if (font) Fonts()[control] = font;
  else Fonts().erase(control);
}

}  // namespace WinInternals
