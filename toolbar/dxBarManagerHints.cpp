// The bar managers' hints: one shared hint window, a show timer that waits the window's delay, a hide
// timer that takes the hint away again, and a short grace time after a hint goes in which the next one
// shows at once (moving along a toolbar shows each button's hint without waiting again).
#include "Forms.h"
#include "WinManage.h"
#include "WinTimers.h"
#include "dxBarControl.h"
#include "dxBarHint.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarUnit.h"

namespace dxBar {

namespace {

constexpr UINT GraceTime = 400;

// The hint state is the unit's: one hint at a time, whichever manager asked for it.
TdxBarManager* TimerManager = nullptr;  // the manager the running show or hide timer works for
UINT_PTR HintTimer = 0;
UINT_PTR GraceTimer = 0;
bool InGraceTime = false;
String DirectHintText;
bool LastActive = false;

bool HintWindowVisible() {
  TdxBarHintWindow* window = BarHintWindow();
  return window && window->HandleAllocated() && IsWindowVisible(window->GetHandle());
}

void KillHintTimer() {
  if (HintTimer) KillTimer(nullptr, HintTimer);
  HintTimer = 0;
  TimerManager = nullptr;
}

void KillGraceTimer() {
  if (GraceTimer) KillTimer(nullptr, GraceTimer);
  GraceTimer = 0;
  InGraceTime = false;
}

// A manager still registered and not on its way out: a timer may outlive the manager that started it.
bool IsLiveManager(TdxBarManager* AManager) {
  return AManager && dxBarManagerList && dxBarManagerList->IndexOf(AManager) >= 0 && !AManager->GetIsDestroying();
}

void ShowTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  TdxBarManager* manager = TimerManager;
  KillHintTimer();
  if (IsLiveManager(manager)) manager->DisplayHint();
}

void HideTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  TdxBarManager* manager = TimerManager;
  KillHintTimer();
  if (IsLiveManager(manager)) manager->HideHint();
}

void GraceTimerProc(HWND, UINT, UINT_PTR, DWORD) { KillGraceTimer(); }

void StartHintTimer(TdxBarManager* AManager, UINT ADelay, TIMERPROC AProc) {
  KillHintTimer();
  HintTimer = SetTimer(nullptr, 0, ADelay, AProc);
  TimerManager = AManager;
}

void StartGraceTime() {
  KillGraceTimer();
  GraceTimer = SetTimer(nullptr, 0, GraceTime, &GraceTimerProc);
  InGraceTime = true;
}

}  // namespace

void TdxBarManager::StopHintTimers() {
  if (TimerManager == this) KillHintTimer();
}

// A new activation takes the shown hint away first; the next hint then comes within the grace time, at
// once.
void TdxBarManager::ActivateHint(bool AActive, const String& AText, TObject* AHintObject) {
  if (GetIsCustomizing() || !FShowHint) return;
  if (AActive && HintWindowVisible()) {
    HideHint();
    StartGraceTime();
  }
  DoActivateHint(AActive, AText, AHintObject);
}

void TdxBarManager::DoActivateHint(bool AActive, const String& AText, TObject* AHintObject) {
  if (!AActive && !LastActive) return;
  LastActive = AActive;
  DirectHintText = AText;
  KillHintTimer();
  FHintObject = AHintObject;
  TdxBarHintWindow* window = BarHintWindow();
  const bool wanted = AActive && ((FSelectedItem && FSelectedItem->GetParent() &&
                                   !FSelectedItem->GetParent()->GetIsActive()) ||
                                  !AText.empty() || AHintObject);
  if (wanted) {
    if (HintWindowVisible() || InGraceTime)
      DisplayHint();
    else if (window)
      StartHintTimer(this, window->GetShowHintTime(), &ShowTimerProc);
  } else if (HintWindowVisible()) {
    ShowWindow(window->GetHandle(), SW_HIDE);
    if (AActive) StartGraceTime();
  }
}

void TdxBarManager::DisplayHint() {
  TdxBarHintWindow* window = BarHintWindow();
  if (!window) return;
  bool shown = false;
  if (!DirectHintText.empty()) {
    shown = window->ActivateHint(this, DirectHintText, String());
  } else if (auto* keeper = dynamic_cast<IdxBarHintKeeper*>(FHintObject)) {
    bool needDeactivate = false;
    String hint, shortCut;
    if (!keeper->DoHint(needDeactivate, hint, shortCut)) {
      if (needDeactivate) HideHint();
      return;
    }
    if (!keeper->GetEnabled() && !FShowHintForDisabledItems) {
      HideHint();
      return;
    }
    if (!FShowShortCutInHint && !Application->HintShortCuts) shortCut.clear();
    shown = window->ActivateHint(this, hint, shortCut);
  }
  if (!shown) {
    HideHint();
    return;
  }
  StartHintTimer(this, window->GetHideHintTime(), &HideTimerProc);
}

void TdxBarManager::HideHint() {
  if (TimerManager == this || !TimerManager) KillHintTimer();
  if (HintWindowVisible()) ShowWindow(BarHintWindow()->GetHandle(), SW_HIDE);
}

}  // namespace dxBar
