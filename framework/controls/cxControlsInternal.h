// What the sources of the base-control unit share among themselves and show nobody else: the
// unit's run-time state and a finally block.
#pragma once

#include <utility>

#include "SysInfo.h"

namespace Controls {
class TDragObject;
}

namespace cxControls {

class TcxSettingsController;

// Runs its action when the scope is left, also by an exception.
template <class F>
class TFinally {
 public:
  explicit TFinally(F AAction) : FAction(std::move(AAction)) {}
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;
  ~TFinally() { FAction(); }

 private:
  F FAction;
};

// True from the start of the unit's end: no shared object is made again after it.
bool IsUnitFinalizing();
// An entry point of the USER32 loaded at the unit's start; null when it lacks it or before the start.
FARPROC GetUser32Proc(const char* AName);
template <class F>
F GetUser32Function(const char* AName) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetUser32Proc(AName)));
}
// Whether layered windows (alpha-blended and colour-keyed drag images) are available.
bool IsLayeredWindowsAvailable();
// The controller that passes changes of the system scroll-bar sizes on to the base controls.
TcxSettingsController* SettingsController();
// Records the class-library drag object over a base control (GetDragObject answers it).
void SetDragObject(Controls::TDragObject* AObject);

}  // namespace cxControls
