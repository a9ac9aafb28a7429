// The application's hints: the control under the pointer with ShowHint gets its short hint shown
// after HintPause (HintShortPause while a hint was just shown), for HintHidePause; keys, clicks,
// deactivation and the pointer leaving end it. The pauses are window timers of the application
// window, so any message loop (and the test clock) drives them.
#include <algorithm>

#include "Forms.h"
#include "WinGdi.h"
#include "WinIcons.h"
#include "WinUser.h"

namespace Forms {

THintWindowClass HintWindowClass = THintWindow::StaticClass();

String GetShortHint(const String& Hint) {
  size_t bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(0, bar);
}

String GetLongHint(const String& Hint) {
  size_t bar = Hint.find('|');
  return bar == String::npos ? Hint : Hint.substr(bar + 1);
}

String GetHint(TControl* Control) {
  for (; Control; Control = Control->GetParent())
    if (!Control->GetHint().empty()) return Control->GetHint();
  return String();
}

namespace {

// The control whose hint stands for Control: itself or the nearest parent with ShowHint.
TControl* GetHintControl(TControl* Control) {
  while (Control && !Control->GetShowHint()) Control = Control->GetParent();
  if (Control && Control->ComponentState().Contains(csDesigning)) return nullptr;
  return Control;
}

// The hint goes below the pointer's picture, which reaches this far below its hot spot.
Integer CursorHeightMargin() {
  ICONINFO info{};
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return GetSystemMetrics(SM_CYCURSOR);
  BITMAP bm{};
  HBITMAP mask = info.hbmColor ? info.hbmColor : info.hbmMask;
  Integer height = GetObject(mask, sizeof bm, &bm) ? bm.bmHeight : GetSystemMetrics(SM_CYCURSOR);
  if (!info.hbmColor) height /= 2;  // a monochrome cursor's mask holds the AND and XOR halves
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return height - static_cast<Integer>(info.yHotspot);
}

}  // namespace

void TApplication::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (!Value) {
    CancelHint();
    if (FHintWindow) {
      THintWindow* window = FHintWindow;
      FHintWindow = nullptr;
      window->Free();
    }
  }
}

void TApplication::SetHintColor(TColor Value) {
  FHintColor = Value;
  if (FHintWindow) FHintWindow->SetColor(Value);
}

void TApplication::ValidateHintWindow(TClass HintClass) {
  if (!HintClass) HintClass = THintWindow::StaticClass();
  if (FHintWindow && FHintWindow->ClassType() == HintClass) return;
  if (FHintWindow) {
    THintWindow* old = FHintWindow;
    FHintWindow = nullptr;
    old->Free();
  }
  FHintWindow = As<THintWindow>(CreateComponent(HintClass, this));
  FHintWindow->SetColor(FHintColor);
}

void TApplication::StartHintTimer(Integer Value, bool ToShow) {
  StopHintTimer();
  FHintTimerShows = ToShow;
  FHintTimerRunning = SetTimer(GetHandle(), HintTimerId, static_cast<UINT>(std::max(Value, 0)), nullptr) != 0;
  if (!FHintTimerRunning) CancelHint();
}

void TApplication::StopHintTimer() {
  if (!FHintTimerRunning) return;
  FHintTimerRunning = false;
  if (FHandle) KillTimer(FHandle, HintTimerId);
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintTimerShows) {
    POINT p{};
    GetCursorPos(&p);
    ActivateHint(p);
  } else {
    // Shown long enough: hidden until the pointer leaves the hint's area.
    HideHint();
    FHintActive = false;
  }
}

void TApplication::HideHint() {
  if (FHintWindow && FHintWindow->HandleAllocated() && IsWindowVisible(FHintWindow->GetHandle()))
    ShowWindow(FHintWindow->GetHandle(), SW_HIDE);
}

void TApplication::CancelHint() {
  if (!FHintControl) return;
  HideHint();
  FHintControl = nullptr;
  FHintActive = false;
  StopHintTimer();
}

void TApplication::HintMouseMessage(TControl* Control, const TPoint& Pos) {
  if (!FShowHint) return;
  TControl* newHintControl = GetHintControl(FindDragTarget(Pos, true));
  if (!newHintControl) {
    CancelHint();
    return;
  }
  if (newHintControl == FHintControl && PtInRect(&FHintCursorRect, Pos)) return;
  bool wasHintActive = FHintActive;
  Integer pause = wasHintActive ? HintShortPause : HintPause;
  newHintControl->Perform(CM_HINTSHOWPAUSE, wasHintActive, reinterpret_cast<LPARAM>(&pause));
  CancelHint();
  FHintActive = wasHintActive;
  FHintControl = newHintControl;
  // Until a hint is shown, the whole control is the area the pointer may move in.
  TRect client = newHintControl->GetClientRect();
  FHintCursorRect = TRect(newHintControl->ClientToScreen(client.TopLeft()),
                          newHintControl->ClientToScreen(client.BottomRight()));
  StartHintTimer(pause, true);
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  FHintActive = false;
  THintInfo info;
  if (FShowHint && FHintControl && FHintControl == GetHintControl(FindDragTarget(CursorPos, true))) {
    TControl* control = FHintControl;
    info.HintControl = control;
    info.HintPos = TPoint(CursorPos.x, CursorPos.y + CursorHeightMargin());
    info.HintMaxWidth = Screen->Width();
    info.HintColor = FHintColor;
    info.CursorRect = control->GetClientRect();
    info.CursorPos = control->ScreenToClient(CursorPos);
    info.HintStr = GetShortHint(Forms::GetHint(control));
    info.ReshowTimeout = 0;
    info.HideTimeout = HintHidePause;
    info.HintWindowClass = HintWindowClass;
    // A control of an action shows the action's hint, with its shortcut.
    TControlActionLink* link = control->GetActionLink();
    bool canShow = !link || link->DoShowHint(info.HintStr);
    canShow = canShow && control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
    // A handler may have freed the control (and cancelled the hint with it).
    FHintActive = canShow && FHintControl == control;
    if (FHintActive && !info.HintStr.empty()) {
      ValidateHintWindow(info.HintWindowClass);
      TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
      OffsetRect(&r, info.HintPos.x, info.HintPos.y);
      FHintCursorRect = TRect(control->ClientToScreen(info.CursorRect.TopLeft()),
                              control->ClientToScreen(info.CursorRect.BottomRight()));
      FHintWindow->SetColor(info.HintColor);
      FHintWindow->ActivateHintData(r, info.HintStr, info.HintData);
      if (info.ReshowTimeout > 0) StartHintTimer(info.ReshowTimeout, true);
      else StartHintTimer(info.HideTimeout, false);
      return;
    }
  }
  if (info.ReshowTimeout > 0) StartHintTimer(info.ReshowTimeout, true);
  else CancelHint();
}

bool TApplication::IsHintMsg(const MSG& Msg) {
  if (FHintWindow && FHintWindow->IsHintMsg(Msg)) CancelHint();
  return false;
}

}  // namespace Forms
