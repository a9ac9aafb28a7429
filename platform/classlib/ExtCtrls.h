// Further controls and components of the class library: the timer component with the hidden
// utility windows it receives its ticks on.
#pragma once

#include "Controls.h"

namespace ExtCtrls {

// ---- Utility windows --------------------------------------------------------------------------------
// A hidden top-level window whose messages go to Method; a component that needs messages (timer
// ticks, posted notifications) but is no control uses one. DeallocateHWnd destroys it and frees the
// method's instance; it may be called from inside the window's own method.
HWND AllocateHWnd(const TWndMethod& Method);
void DeallocateHWnd(HWND Wnd);

// ---- TTimer -----------------------------------------------------------------------------------------
// Fires OnTimer every Interval milliseconds while Enabled, through a window timer of its own
// window, so it ticks in every message loop, modal ones included. The window layer's resolution
// is 10 ms: a shorter interval ticks every 10 ms. Runs only with an OnTimer handler and a non-zero
// Interval; a handler may free the timer.
class TTimer : public TComponent {
  DECLARE_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal GetInterval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  HWND WindowHandle() const { return FWindowHandle; }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Msg);

  Cardinal FInterval = 1000;
  HWND FWindowHandle = nullptr;
  TNotifyEvent FOnTimer;
  bool FEnabled = true;
};

}  // namespace ExtCtrls

using namespace ExtCtrls;
