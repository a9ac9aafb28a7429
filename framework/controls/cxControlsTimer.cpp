#include "cxControlsTimer.h"

#include <algorithm>
#include <vector>

#include "ExtCtrls.h"
#include "WinUser.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxControls {

namespace {

TcxMessageWindow* FMessageWindow = nullptr;
TcxTimerWindow* FTimerWindow = nullptr;
std::vector<TcxTimer*>* FLiveTimers = nullptr;
std::vector<TMouseTrackingTimer*>* FMouseTrackingTimers = nullptr;

TcxTimerWindow* TimerWindow() {
  if (!FTimerWindow && !IsUnitFinalizing()) FTimerWindow = New<TcxTimerWindow>();
  return FTimerWindow;
}

std::vector<TcxTimer*>& LiveTimers() {
  if (!FLiveTimers) FLiveTimers = new std::vector<TcxTimer*>;
  return *FLiveTimers;
}

std::vector<TMouseTrackingTimer*>& MouseTrackingTimers() {
  if (!FMouseTrackingTimers) FMouseTrackingTimers = new std::vector<TMouseTrackingTimer*>;
  return *FMouseTrackingTimers;
}

UINT_PTR TimerId(const TcxTimer* ATimer) { return reinterpret_cast<UINT_PTR>(ATimer); }

TMouseTrackingTimer* FindTrackingTimer(IcxMouseTrackingCaller* ACaller) {
  if (!FMouseTrackingTimers) return nullptr;
  for (TMouseTrackingTimer* timer : *FMouseTrackingTimers)
    if (timer->GetCaller() == ACaller) return timer;
  return nullptr;
}

}  // namespace

// ---- TcxMessageWindow ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxMessageWindow)

void TcxMessageWindow::Construct() {
  inherited::Construct();
  FHandle = AllocateHWnd(TWndMethod(this, &TcxMessageWindow::WndProc));
}

void TcxMessageWindow::Destroy() {
  DeallocateHWnd(FHandle);
  FHandle = nullptr;
  inherited::Destroy();
}

void TcxMessageWindow::WndProc(TMessage& Message) {
  Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

TcxMessageWindow* cxMessageWindow() {
  if (!FMessageWindow && !IsUnitFinalizing()) FMessageWindow = New<TcxMessageWindow>();
  return FMessageWindow;
}

// ---- TcxTimerWindow -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxTimerWindow)

void TcxTimerWindow::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) return inherited::WndProc(Message);
  auto* timer = reinterpret_cast<TcxTimer*>(Message.WParam);
  if (FLiveTimers && std::find(FLiveTimers->begin(), FLiveTimers->end(), timer) != FLiveTimers->end())
    timer->TimeOut();
}

// ---- TcxTimer -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxTimer) {
  d.Property("Enabled", &TcxTimer::GetEnabled, &TcxTimer::SetEnabled).Default(true);
  d.Property("Interval", &TcxTimer::GetInterval, &TcxTimer::SetInterval).Default(1000);
  d.Property("OnTimer", &TcxTimer::GetOnTimer, &TcxTimer::SetOnTimer);
}

void TcxTimer::Destroy() {
  StopTimer();
  inherited::Destroy();
}

void TcxTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TcxTimer::SetInterval(Cardinal Value) {
  if (Value == FInterval || Value == 0) return;
  FInterval = Value;
  UpdateTimer();
}

void TcxTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = Value;
  UpdateTimer();
}

void TcxTimer::TimeOut() {
  if (FOnTimer) FOnTimer(this);
}

void TcxTimer::UpdateTimer() {
  StopTimer();
  StartTimer();
}

void TcxTimer::StartTimer() {
  if (!FEnabled || FTimerOn || !FOnTimer) return;
  TcxTimerWindow* window = TimerWindow();
  SetTimerOn(window && WinTimers::SetTimer(window->GetHandle(), TimerId(this), FInterval, nullptr) != 0);
}

void TcxTimer::StopTimer() {
  if (!FTimerOn) return;
  if (FTimerWindow) WinTimers::KillTimer(FTimerWindow->GetHandle(), TimerId(this));
  SetTimerOn(false);
}

void TcxTimer::SetTimerOn(bool Value) {
  FTimerOn = Value;
  if (Value)
    LiveTimers().push_back(this);
  else if (FLiveTimers)
    std::erase(*FLiveTimers, this);
}

// ---- Mouse tracking -------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TMouseTrackingTimer)

void TMouseTrackingTimer::Construct() {
  inherited::Construct();
  SetInterval(10);
  SetOnTimer(TNotifyEvent(this, &TMouseTrackingTimer::TimerHandler));
}

void TMouseTrackingTimer::SetTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller) {
  FCaller = ACaller;
  FControl = AControl;
  FBounds = ABounds;
  if (AControl) {
    AControl->FreeNotification(this);
    FBounds = TRect(AControl->ClientToScreen(ABounds.TopLeft()), AControl->ClientToScreen(ABounds.BottomRight()));
  }
}

void TMouseTrackingTimer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

bool TMouseTrackingTimer::IsPointerInside() {
  const TPoint cursor = GetMouseCursorPos();
  if (auto* caller2 = dynamic_cast<IcxMouseTrackingCaller2*>(FCaller))
    return FControl && FControl->HandleAllocated() && caller2->PtInCaller(FControl->ScreenToClient(cursor));
  return cxRectPtIn(FBounds, cursor);
}

void TMouseTrackingTimer::TimerHandler(TObject*) {
  if (IsPointerInside()) return;
  if (FControl && FControl->HandleAllocated() &&
      !cxRectPtIn(FControl->GetClientRect(), FControl->ScreenToClient(GetMouseCursorPos())))
    FControl->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(FControl));
  // The caller may end its tracking itself, which frees this timer: nothing of it is used after.
  IcxMouseTrackingCaller* caller = FCaller;
  caller->MouseTrackingLeave();
  EndMouseTracking(caller);
}

void BeginMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller) {
  if (IsUnitFinalizing() || IsMouseTracking(ACaller)) return;
  auto* timer = New<TMouseTrackingTimer>(nullptr);
  timer->SetTracking(AControl, ABounds, ACaller);
  MouseTrackingTimers().push_back(timer);
}

void EndMouseTracking(IcxMouseTrackingCaller* ACaller) {
  TMouseTrackingTimer* timer = FindTrackingTimer(ACaller);
  if (!timer) return;
  std::erase(*FMouseTrackingTimers, timer);
  timer->Free();
}

bool IsMouseTracking(IcxMouseTrackingCaller* ACaller) {
  return !IsUnitFinalizing() && FindTrackingTimer(ACaller) != nullptr;
}

void DoneTimers() {
  if (FMouseTrackingTimers) {
    while (!FMouseTrackingTimers->empty()) {
      TMouseTrackingTimer* timer = FMouseTrackingTimers->back();
      FMouseTrackingTimers->pop_back();
      timer->Free();
    }
    delete FMouseTrackingTimers;
    FMouseTrackingTimers = nullptr;
  }
  FreeAndNil(FTimerWindow);
  delete FLiveTimers;
  FLiveTimers = nullptr;
  FreeAndNil(FMessageWindow);
}

}  // namespace cxControls
