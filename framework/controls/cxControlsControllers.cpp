#include "cxControlsControllers.h"

#include <algorithm>

#include "ExtCtrls.h"
#include "Forms.h"
#include "WinUser.h"
#include "cxControlsBase.h"
#include "cxControlsInternal.h"

namespace cxControls {

namespace {

TcxSettingsController* FSettingsController = nullptr;
TcxDesignController* FDesignController = nullptr;

}  // namespace

// ---- TcxSettingsController ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxSettingsController)

TcxSettingsController* SettingsController() {
  if (!FSettingsController && !IsUnitFinalizing()) FSettingsController = New<TcxSettingsController>();
  return FSettingsController;
}

void TcxSettingsController::Destroy() {
  DeallocateHWnd(FWindow);
  FWindow = nullptr;
  inherited::Destroy();
}

void TcxSettingsController::Add(TcxControl* AControl) {
  if (std::find(FList.begin(), FList.end(), AControl) != FList.end()) return;
  if (FList.empty()) FWindow = AllocateHWnd(TWndMethod(this, &TcxSettingsController::WndProc));
  FList.push_back(AControl);
}

void TcxSettingsController::Remove(TcxControl* AControl) {
  if (!std::erase(FList, AControl) || !FList.empty()) return;
  DeallocateHWnd(FWindow);
  FWindow = nullptr;
}

void TcxSettingsController::WndProc(TMessage& Message) {
  try {
    MainWndProc(Message);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TcxSettingsController::MainWndProc(TMessage& Message) {
  if (Message.Msg == WM_SETTINGCHANGE && Message.WParam == SPI_SETNONCLIENTMETRICS) {
    for (TcxControl* control : FList)
      if (control->HandleAllocated()) SendNotifyMessage(control->GetHandle(), CM_NCSIZECHANGED, 0, 0);
    Message.Result = 0;
    return;
  }
  Message.Result = DefWindowProc(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

// ---- TcxDesignController --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxDesignController)

TcxDesignController* DesignController() {
  if (!FDesignController && !IsUnitFinalizing()) FDesignController = New<TcxDesignController>();
  return FDesignController;
}

void TcxDesignController::UnLockDesignerModified() {
  if (FLockDesignerModifiedCount > 0) --FLockDesignerModifiedCount;
}

void TcxDesignController::DesignerModified(TCustomForm* AForm) {
  if (IsDesignerModifiedLocked() || FState.Contains(dsDesignerModifying)) return;
  FState.Include(dsDesignerModifying);
  TFinally clear([this] { FState.Exclude(dsDesignerModifying); });
  if (AForm && AForm->GetDesigner()) AForm->GetDesigner()->Modified();
}

void DoneControllers() {
  FreeAndNil(FDesignController);
  FreeAndNil(FSettingsController);
}

}  // namespace cxControls
