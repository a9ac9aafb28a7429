// The messages of the manager owner's window, which the call-window-procedure hook routes to the
// manager: activation of the form and of the application, the system's colour and setting changes,
// the form's commands, and saving the layout when the form goes.
#include "Controls.h"
#include "Forms.h"
#include "WinFocus.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "cxClassesLinks.h"
#include "cxContainerUtils.h"
#include "cxControlsUtils.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarItemControl.h"
#include "dxBarLookups.h"
#include "dxBarManager.h"

namespace dxBar {

namespace {

HWND FormWindow(Forms::TCustomForm* AForm) { return AForm && AForm->HandleAllocated() ? AForm->GetHandle() : nullptr; }

// The bar window in menu mode when it belongs to AManager.
TCustomdxBarControl* ActiveBarControlOf(TdxBarManager* AManager) {
  TCustomdxBarControl* active = ActiveBarControl();
  return active && active->GetBarManager() == AManager ? active : nullptr;
}

struct TStateScope {
  TdxBarInternalStates& States;
  TdxBarInternalState State;
  TcxObjectLinkHolder Owner;
  TStateScope(TObject* AOwner, TdxBarInternalStates& AStates, TdxBarInternalState AState)
      : States(AStates), State(AState), Owner(AOwner) {
    States.Include(State);
  }
  ~TStateScope() {
    if (Owner.Alive()) States.Exclude(State);
  }
};

}  // namespace

void TdxBarManager::OwnerWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TComponent* owner = Owner();
  if (!owner || owner->ComponentState().Contains(csDestroying)) {
    if (AMsg == WM_DESTROY && !GetDesigning()) {
      if (FStoreInRegistry) SaveToRegistry(FRegistryPath);
      if (FStoreInIniFile) SaveToIniFile(FIniFileName);
    }
    return;
  }
  // Messages that come while the manager is still being made.
  if (!FItems) return;
  switch (AMsg) {
    case WM_ACTIVATE:
      DoActivate(LOWORD(AWParam) != 0, HIWORD(AWParam) != 0, AWnd, reinterpret_cast<HWND>(ALParam));
      break;
    case WM_SYSCOLORCHANGE:
      RefreshScreenBitsPerPixel();
      FreePatternBrush();
      GetPatternBrush();
      RecreateToolbarsBrushes();
      break;
    case WM_SETTINGCHANGE:
      if (AWParam == SPI_SETNONCLIENTMETRICS) AssignFont();
      else if (AWParam == SPI_SETWORKAREA) CheckToolbarsVisibility();
      break;
    case WM_ACTIVATEAPP:
      DoActivateApp(AWParam != 0);
      break;
    case WM_WINDOWPOSCHANGING:
      if (ALParam && (reinterpret_cast<const WINDOWPOS*>(ALParam)->flags & SWP_HIDEWINDOW))
        ActivateFloatToolbars(false, true, nullptr);
      break;
    case WM_WINDOWPOSCHANGED:
      if (ALParam && (reinterpret_cast<const WINDOWPOS*>(ALParam)->flags & SWP_SHOWWINDOW))
        ActivateFloatToolbars(true, false, nullptr);
      break;
    case WM_CHILDACTIVATE:
      ActivateFloatToolbars(true, false, nullptr);
      break;
    case WM_SYSCOMMAND:
      if ((AWParam & 0xFFF0) == SC_CLOSE && GetDesigning())
        if (TCustomdxBarControl* active = ActiveBarControlOf(this)) active->HideAll();
      break;
    case WM_MDIACTIVATE:
      ActivateFloatToolbars(reinterpret_cast<HWND>(ALParam) == AWnd, false, nullptr);
      break;
    case WM_CREATE:
      DoCreate();
      break;
    case WM_CANCELMODE:
      DoModalActivate();
      break;
    case WM_DISPLAYCHANGE:
      CheckToolbarsVisibility();
      break;
    default:
      break;
  }
}

void TdxBarManager::DoActivate(bool AActive, bool AMinimized, HWND AWnd, HWND AActivatedWnd) {
  TStateScope scope(this, FInternalState, bisFormActivating);
  Forms::TCustomForm* master = GetMasterForm();
  // The class library has no MDI frame: an MDI child is never the main form's active child.
  if (master && master->GetFormStyle() == fsMDIChild) return;
  auto* activatedBar = dynamic_cast<TCustomdxBarControl*>(FindControl(AActivatedWnd));
  const bool barOfAnotherMainForm =
      activatedBar && activatedBar->GetBarManager() && activatedBar->GetBarManager()->GetMainForm() != GetMainForm();
  if (!AActive && activatedBar && !barOfAnotherMainForm) return;
  if (TCustomdxBarControl* active = ActiveBarControl())
    if (TdxBarItemControl* selected = active->GetSelectedControl())
      if (AActivatedWnd && selected->IsChildWindow(AActivatedWnd)) return;
  const HWND mainWnd = FormWindow(GetMainForm());
  const bool formActive = (FMainFormActive && mainWnd && !IsWindowEnabled(mainWnd) && !GetDesigning()) || AActive ||
                          (AActivatedWnd && AActivatedWnd == mainWnd);
  TcxObjectLinkHolder self(this);
  ActivateFloatToolbars(formActive, false, AActivatedWnd);
  if (!self.Alive()) return;
  if (!AActive && AActivatedWnd != mainWnd && FMouseTrackingBarControl) FMouseTrackingBarControl->MouseLeave();
}

void TdxBarManager::DoActivateApp(bool AActive) {
  if (FInternalState.Contains(bisModalActivating)) return;
  if (AActive) {
    if (!FInternalState.Contains(bisWasActive)) return;
    FInternalState.Exclude(bisWasActive);
    ActivateFloatToolbars(true, false, nullptr);
    return;
  }
  const HWND mainWnd = FormWindow(GetMainForm());
  if (FMainFormActive && mainWnd && !IsWindowEnabled(mainWnd)) FInternalState.Include(bisWasActive);
  TcxObjectLinkHolder self(this);
  ActivateFloatToolbars(false, false, nullptr);
  if (!self.Alive()) return;
  if (TCustomdxBarControl* active = ActiveBarControlOf(this)) active->HideAll();
  if (!self.Alive()) return;
  if (FSelectedItem && FSelectedItem->GetParent() && FSelectedItem->GetParent()->HandleAllocated())
    SendMessage(FSelectedItem->GetParent()->GetHandle(), WM_MOUSELEAVE, 0, 0);
}

void TdxBarManager::DoCreate() {
  if (FBarRestoringList && FBarRestoringList->GetCount() == 0) FreeAndNil(FBarRestoringList);
}

void TdxBarManager::DoModalActivate() {
  TStateScope scope(this, FInternalState, bisModalActivating);
  if (cxContainer::IsInternalWindowsDisabling()) return;
  TCustomdxBarControl* active = ActiveBarControlOf(this);
  if (active && active->HideOnClick()) active->HideAll();
}

void TdxBarManager::ActivateFloatToolbars(bool AFormActive, bool AForce, HWND AWnd) {
  if (AFormActive == FMainFormActive) return;
  FMainFormActive = AFormActive;
  ShowToolbars(AFormActive, AForce, AWnd);
}

// Floating bars follow the activation of their form; the menus of an active bar window close when
// the form goes inactive.
void TdxBarManager::ShowToolbars(bool AShow, bool AForce, HWND AWnd) {
  if (FInternalState.Contains(bisToolbarsVisibleChanging) || AShow) return;
  TStateScope scope(this, FInternalState, bisToolbarsVisibleChanging);
  const HWND mainWnd = FormWindow(GetMainForm());
  if (AWnd && mainWnd && GetParent(AWnd) == mainWnd) return;
  TCustomdxBarControl* active = ActiveBarControl();
  if (active && active->CanDeactivate(nullptr)) active->HideAll();
}

bool TdxBarManager::IsOwnerVisible() {
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  if (!owner || !owner->HandleAllocated() || !IsWindowVisible(owner->GetHandle())) return false;
  for (HWND window = owner->GetHandle(); window; window = GetParent(window)) {
    if (IsIconic(window)) return false;
    if (!IsChildClassWindow(window)) break;
  }
  return true;
}

// Moves the floating bars into the work area of the owner's monitor; the manager has no floating
// bars of its own yet.
void TdxBarManager::CheckToolbarsVisibility() {}

HWND TdxBarManager::GetWindowForMouseCapturing() {
  const HWND application = Application ? Application->GetHandle() : nullptr;
  if (application && IsWindowVisible(application)) return application;
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  return owner && owner->HandleAllocated() ? owner->GetHandle() : nullptr;
}

}  // namespace dxBar
