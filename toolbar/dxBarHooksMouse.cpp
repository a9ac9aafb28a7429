// The mouse hook: it is the first code of the unit that sees a mouse message. An ordinary click on a
// bar window passes unchanged; in menu mode a press outside the menu chain closes the chain, and a
// wheel that no open menu wants is kept from the windows.
#include "Controls.h"
#include "WinFocus.h"
#include "WinInput.h"
#include "WinManage.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarHooks.h"
#include "dxBarHooksInternal.h"
#include "dxBarItemControl.h"

namespace dxBar {

using namespace Hooks;

namespace {

bool InMenuModeMouseHandling = false;

bool IsRightOrMiddleButtonUp(UINT AMsg) {
  return AMsg == WM_RBUTTONUP || AMsg == WM_NCRBUTTONUP || AMsg == WM_MBUTTONUP || AMsg == WM_NCMBUTTONUP;
}

// The point is over an item control of a bar window.
bool IsOverItemControl(HWND AWnd, const POINT& AScreenPoint) {
  auto* bar = dynamic_cast<TCustomdxBarControl*>(FindControl(AWnd));
  return bar && bar->HandleAllocated() && bar->ItemAtPos(bar->ScreenToClient(TPoint(AScreenPoint.x, AScreenPoint.y)));
}

// AWnd is a bar window that the active bar window regards as a parent it acts for.
bool IsMeaningParentWindow(HWND AWnd) {
  auto* clicked = dynamic_cast<TCustomdxBarControl*>(FindControl(AWnd));
  if (!clicked || !clicked->IsMeaningParent()) return false;
  for (TCustomdxBarControl* bar = ActiveBarControl(); bar; bar = bar->GetParentBar())
    if (bar->GetParentBar() == clicked) return true;
  return false;
}

// A press outside the active menu chain closes the chain (again while another bar window becomes
// active); the press is kept from its window only when the closing hid that window.
bool HandleMenuModePress(UINT AMsg, HWND AWnd, const POINT& AScreenPoint) {
  bool consumed = false;
  while (TCustomdxBarControl* active = ActiveBarControl()) {
    if (IsWindowOfActiveMenuChain(AWnd) || (!active->IsWindowEnabled() && !active->GetIsCustomizing())) break;
    if (IsMeaningParentWindow(AWnd)) {
      active->ProcessMouseDownMessageForMeaningParent(AWnd, AMsg, MAKELPARAM(AScreenPoint.x, AScreenPoint.y));
      break;
    }
    active->HideAll();
    consumed = !IsWindowVisible(AWnd);
    // A chain that did not close would be closed for ever.
    if (ActiveBarControl() == active) break;
  }
  return consumed;
}

// True when the message is consumed.
bool HandleMenuModeMouse(int Code, UINT AMsg, const MOUSEHOOKSTRUCT& ARecord) {
  if (InMenuModeMouseHandling || Code < 0 || !ActiveBarControl()) return false;
  InMenuModeMouseHandling = true;
  struct TLeave {
    ~TLeave() { InMenuModeMouseHandling = false; }
  } leave;
  if (IsRightOrMiddleButtonUp(AMsg))
    return !IsOverItemControl(ARecord.hwnd, ARecord.pt) && !IsWindowOfActiveMenuChain(ARecord.hwnd);
  if (IsButtonDownMessage(AMsg)) return HandleMenuModePress(AMsg, ARecord.hwnd, ARecord.pt);
  return false;
}

LRESULT MouseHookSteps(int Code, UINT AMsg, const MOUSEHOOKSTRUCT& ARecord) {
  if (AMsg == WM_MOUSEWHEEL && Code >= 0 && BarGetMouseWheelReceiver() == mwrNone) return 1;
  if (ARecord.hwnd && GetCapture() == ARecord.hwnd && AMsg != WM_RBUTTONUP) return 0;
  return HandleMenuModeMouse(Code, AMsg, ARecord) ? 1 : 0;
}

}  // namespace

TdxBarMouseWheelEventReceiver BarGetMouseWheelReceiver() {
  TCustomdxBarControl* active = ActiveBarControl();
  if (!active) return mwrWindow;
  if (ActiveBarShowsInBarWindow()) return mwrFocusedItemControl;
  return active->NeedsMouseWheel() ? mwrActiveBarControl : mwrNone;
}

LRESULT MouseHookProc(int Code, WPARAM WParam, LPARAM LParam) {
  return RunHookSteps(MouseHook, Code, WParam, LParam, [&] {
    const auto* record = reinterpret_cast<const MOUSEHOOKSTRUCT*>(LParam);
    return record ? MouseHookSteps(Code, static_cast<UINT>(WParam), *record) : LRESULT(0);
  });
}

}  // namespace dxBar
