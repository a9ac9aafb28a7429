// Hidden message windows, the framework's own timer component and mouse tracking. All timers share
// one hidden window on which each is known by its own identity, so a tick of a timer that has
// stopped meanwhile finds nobody and is dropped. Mouse tracking polls the pointer every 10 ms and
// tells an object when the pointer has left the area it tracks.
#pragma once

#include "Components.h"
#include "Controls.h"
#include "cxControlsUtils.h"

namespace cxControls {

// Owns a hidden window whose messages go to WndProc.
class TcxMessageWindow : public TObject {
  DECLARE_CLASS(TcxMessageWindow, TObject)
 public:
  HWND GetHandle() const { return FHandle; }

 protected:
  void Construct() override;
  void Destroy() override;
  // The default answers through the default window procedure.
  virtual void WndProc(TMessage& Message);

 private:
  HWND FHandle = nullptr;
};

// A shared message window for anyone who needs one, made on first use; null after the unit's end.
TcxMessageWindow* cxMessageWindow();

// Fires OnTimer every Interval milliseconds while Enabled and assigned a handler. A handler may
// free its timer.
class TcxTimer : public TComponent {
  DECLARE_CLASS(TcxTimer, TComponent)
 public:
  explicit TcxTimer(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // 0 is ignored; any other change restarts the period.
  Cardinal GetInterval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  // Setting a handler, even the same one, restarts the period.
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  // Whether the platform timer runs now.
  bool GetRunning() const { return FTimerOn; }

  // A tick of the shared timer window: raises OnTimer with the timer as sender.
  virtual void TimeOut();

 protected:
  void Destroy() override;

 private:
  void UpdateTimer();
  void StartTimer();
  void StopTimer();
  void SetTimerOn(bool Value);

  bool FEnabled = true;
  Cardinal FInterval = 1000;
  TNotifyEvent FOnTimer;
  bool FTimerOn = false;
};

// The window every TcxTimer ticks on: a WM_TIMER whose id is a running timer's reaches that timer's
// TimeOut; any other tick is ignored.
class TcxTimerWindow : public TcxMessageWindow {
  DECLARE_CLASS(TcxTimerWindow, TcxMessageWindow)

 protected:
  void WndProc(TMessage& Message) override;
};

// ---- Mouse tracking -------------------------------------------------------------------------------------
// Tells ACaller (MouseTrackingLeave) once the pointer has left ABounds, client coordinates of
// AControl (screen coordinates without a control); a caller offering IcxMouseTrackingCaller2 decides
// itself which client points are inside. Nothing for a caller tracked already or after the unit's end.
void BeginMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
void EndMouseTracking(IcxMouseTrackingCaller* ACaller);
bool IsMouseTracking(IcxMouseTrackingCaller* ACaller);

// The timer that watches one tracked caller every 10 ms.
class TMouseTrackingTimer : public TcxTimer {
  DECLARE_CLASS(TMouseTrackingTimer, TcxTimer)
 public:
  explicit TMouseTrackingTimer(TComponent* AOwner = nullptr) : TcxTimer(AOwner) {}
  IcxMouseTrackingCaller* GetCaller() const { return FCaller; }

 protected:
  friend void BeginMouseTracking(TWinControl*, const TRect&, IcxMouseTrackingCaller*);
  void Construct() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
  bool IsPointerInside();
  void TimerHandler(TObject* Sender);

  IcxMouseTrackingCaller* FCaller = nullptr;
  TWinControl* FControl = nullptr;
  TRect FBounds;
};

// The unit's end: frees the tracking timers still registered (which is a caller's omission, but no
// reason to fail the program's shutdown), the timer window, its list and the shared message window.
void DoneTimers();

}  // namespace cxControls

using namespace cxControls;
