// The drop-down form and the thread hooks that close open drop-downs.
#include "TSGridImpl.h"
#include "Threads.h"
#include "TSGridDropDownForm.h"
#include "WinClasses.h"
#include "WinHooks.h"
#include "WinManage.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsDropDownForm)

// ---- The form ------------------------------------------------------------------------------------------
void TtsDropDownForm::Construct() {
  inherited::Construct();
  SetParent(nullptr);
  SetAutoScroll(false);
  SetBorderStyle(bsNone);
  FDropDown = true;
}

void TtsDropDownForm::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (!FDropDown) return;
  Params.Style = WS_POPUP;
  auto* grid = dynamic_cast<TWinControl*>(Owner());
  bool designed = grid && grid->ComponentState().Contains(csDesigning);
  Params.WndParent = grid && !designed ? grid->GetHandle() : nullptr;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TtsDropDownForm::CreateWnd() {
  inherited::CreateWnd();
  if (FDropDown) SetWindowLong(GetHandle(), GWL_STYLE, static_cast<LONG>(WS_CHILD));
}

LONG TtsDropDownForm::SetChildStyleOff() {
  LONG style = GetWindowLong(GetHandle(), GWL_STYLE);
  SetWindowLong(GetHandle(), GWL_STYLE, style & ~static_cast<LONG>(WS_CHILD));
  return style;
}

void TtsDropDownForm::SetChildStyleOn() {
  SetWindowLong(GetHandle(), GWL_STYLE, GetWindowLong(GetHandle(), GWL_STYLE) | static_cast<LONG>(WS_CHILD));
}

void TtsDropDownForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      return;  // the drop-down's content paints the whole window
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
    case WM_MOVE: {
      if (!HandleAllocated()) break;
      // The class library reads a child window's bounds relative to a parent; this one has none.
      LONG style = SetChildStyleOff();
      try {
        inherited::Dispatch(Message);
      } catch (...) {
        SetWindowLong(GetHandle(), GWL_STYLE, style);
        throw;
      }
      if (HandleAllocated()) SetWindowLong(GetHandle(), GWL_STYLE, style);
      return;
    }
    default:
      break;
  }
  inherited::Dispatch(Message);
}

// ---- The hooks -----------------------------------------------------------------------------------------
namespace {

HHOOK MouseHook = nullptr;
HHOOK CallWndHook = nullptr;

// The registered grids, newest first; a grid that unregisters meanwhile is skipped when reached.
std::vector<TtsBaseGrid*> RegisteredNewestFirst() {
  std::vector<TtsBaseGrid*> grids;
  if (!DropDownGrids) return grids;
  for (Integer i = DropDownGrids->GetCount() - 1; i >= 0; --i)
    if (auto* grid = static_cast<TtsBaseGrid*>(DropDownGrids->GetItems(i))) grids.push_back(grid);
  return grids;
}

bool StillRegistered(TtsBaseGrid* Grid) { return DropDownGrids && DropDownGrids->IndexOf(Grid) >= 0; }

LRESULT DropDownMouseHookProc(int Code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallNextHookEx(MouseHook, Code, wParam, lParam);
  if (Code < 0) return result;
  if (wParam != WM_NCLBUTTONDOWN && wParam != WM_NCRBUTTONDOWN && wParam != WM_LBUTTONDOWN &&
      wParam != WM_RBUTTONDOWN)
    return result;
  HWND target = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd;
  for (TtsBaseGrid* grid : RegisteredNewestFirst()) {
    if (!StillRegistered(grid)) continue;
    if (grid->IsDropDownWindow(target)) break;
    if (grid->GetInDesignMode() && !grid->DateTimeVisible()) break;
    grid->CheckDropDownOff(false);
  }
  return result;
}

LRESULT DropDownCallWndHookProc(int Code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallNextHookEx(CallWndHook, Code, wParam, lParam);
  if (Code < 0 || reinterpret_cast<const CWPSTRUCT*>(lParam)->message != WM_NCACTIVATE) return result;
  for (TtsBaseGrid* grid : RegisteredNewestFirst()) {
    if (!StillRegistered(grid)) continue;
    if (!grid->GetInDesignMode() || grid->DateTimeVisible()) grid->CheckDropDownOff(false);
  }
  return result;
}

}  // namespace

void RegisterDropDownGrid(TtsBaseGrid* Grid) {
  if (!DropDownGrids || !Grid || DropDownGrids->IndexOf(Grid) >= 0) return;
  if (!MouseHook) MouseHook = SetWindowsHookEx(WH_MOUSE, &DropDownMouseHookProc, nullptr, GetCurrentThreadId());
  if (!CallWndHook)
    CallWndHook = SetWindowsHookEx(WH_CALLWNDPROC, &DropDownCallWndHookProc, nullptr, GetCurrentThreadId());
  DropDownGrids->Add(Grid);
}

void UnregisterDropDownGrid(TtsBaseGrid* Grid) {
  if (!DropDownGrids) return;
  DropDownGrids->Remove(Grid);
  if (DropDownGrids->GetCount() > 0) return;
  if (MouseHook) UnhookWindowsHookEx(MouseHook);
  if (CallWndHook) UnhookWindowsHookEx(CallWndHook);
  MouseHook = CallWndHook = nullptr;
}

bool DropDownHooksInstalled() { return MouseHook || CallWndHook; }

}  // namespace TSGrid
