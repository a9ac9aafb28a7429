// Two process-wide controllers of the base-control unit: the settings controller, whose hidden
// window hears when the system's non-client metrics (the scroll-bar sizes) change and tells the base
// controls with scroll bars; and the design controller, which tells a form designer that a form was
// changed, once at a time and not while locked.
#pragma once

#include <vector>

#include "Controls.h"
#include "cxControlsUtils.h"

namespace cxControls {

class TcxControl;

class TcxSettingsController : public TObject {
  DECLARE_CLASS(TcxSettingsController, TObject)
 public:
  // A control is listed once; the window exists while the list is not empty.
  void Add(TcxControl* AControl);
  void Remove(TcxControl* AControl);
  HWND GetWindowHandle() const { return FWindow; }

 protected:
  void Destroy() override;
  virtual void MainWndProc(TMessage& Message);

 private:
  void WndProc(TMessage& Message);

  std::vector<TcxControl*> FList;
  HWND FWindow = nullptr;
};

class TcxDesignController : public TObject {
  DECLARE_CLASS(TcxDesignController, TObject)
 public:
  // Tells AForm's designer that the form changed, unless locked or already telling it.
  void DesignerModified(TCustomForm* AForm);
  bool IsDesignerModifiedLocked() const { return FLockDesignerModifiedCount > 0; }
  void LockDesignerModified() { ++FLockDesignerModifiedCount; }
  void UnLockDesignerModified();

 private:
  Integer FLockDesignerModifiedCount = 0;
  TcxDesignStates FState;
};

// The shared design controller, made on first use; null after the unit's end.
TcxDesignController* DesignController();

// The unit's end: frees the design and settings controllers.
void DoneControllers();

}  // namespace cxControls

using namespace cxControls;
