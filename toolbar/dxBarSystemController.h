// The unit's system controller: a hidden window that runs the calls other threads hand to the
// user-interface thread (the menu animation's closing call among them) when the program is a library
// loaded into another, whose message loop does not run them.
#pragma once

#include "cxControlsTimer.h"

namespace dxBar {

// The message that wakes the controller's window to run the handed-over calls.
constexpr UINT WM_DXBAR_SYNCHRONIZE = 0x8066;

class TdxBarSystemController : public cxControls::TcxMessageWindow {
  DECLARE_CLASS(TdxBarSystemController, cxControls::TcxMessageWindow)
 public:
  // Called on the thread that hands a call over: wakes the controller's window.
  void WakeMainThread(TObject* Sender);

 protected:
  void Construct() override;
  void Destroy() override;
  void WndProc(TMessage& Message) override;

 private:
  void HookSynchronizeWakeup();
  void UnhookSynchronizeWakeup();

  TNotifyEvent FPrevWakeMainThread;
  bool FWakeupHooked = false;
};

// The controller, made by the unit's start and freed by its stop; nil outside.
TdxBarSystemController* BarSystemController();
void CreateBarSystemController();
void FreeBarSystemController();

}  // namespace dxBar

using namespace dxBar;
