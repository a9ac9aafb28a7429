// The system controller: in a library the host's message loop does not run the calls that worker
// threads hand over, so the controller takes the wake-up and runs them from its own window.
#include "dxBarSystemController.h"

#include "Threads.h"
#include "WinQueue.h"

namespace dxBar {

namespace {
TdxBarSystemController* FSystemController = nullptr;
}

IMPLEMENT_CLASS(TdxBarSystemController)

void TdxBarSystemController::Construct() {
  inherited::Construct();
  if (IsLibrary) HookSynchronizeWakeup();
}

void TdxBarSystemController::Destroy() {
  UnhookSynchronizeWakeup();
  inherited::Destroy();
}

void TdxBarSystemController::WndProc(TMessage& Message) {
  if (Message.Msg != WM_DXBAR_SYNCHRONIZE) return inherited::WndProc(Message);
  CheckSynchronize();
}

void TdxBarSystemController::WakeMainThread(TObject*) { PostMessage(GetHandle(), WM_DXBAR_SYNCHRONIZE, 0, 0); }

void TdxBarSystemController::HookSynchronizeWakeup() {
  FPrevWakeMainThread = Threads::WakeMainThread;
  Threads::WakeMainThread = TNotifyEvent(this, &TdxBarSystemController::WakeMainThread);
  FWakeupHooked = true;
}

void TdxBarSystemController::UnhookSynchronizeWakeup() {
  if (!FWakeupHooked) return;
  Threads::WakeMainThread = FPrevWakeMainThread;
  FPrevWakeMainThread = nullptr;
  FWakeupHooked = false;
}

TdxBarSystemController* BarSystemController() { return FSystemController; }

void CreateBarSystemController() {
  if (!FSystemController) FSystemController = New<TdxBarSystemController>();
}

void FreeBarSystemController() { FreeAndNil(FSystemController); }

}  // namespace dxBar
