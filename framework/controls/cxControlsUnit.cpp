#include "cxControlsUnit.h"

#include "Controls.h"
#include "WinUser.h"
#include "cxControlsBase.h"
#include "cxControlsControllers.h"
#include "cxControlsInternal.h"
#include "cxControlsOSFlags.h"
#include "cxControlsTimer.h"

namespace cxControls {

namespace {

bool FFinalizing = false;
HMODULE FUser32Lib = nullptr;
FARPROC FSetLayeredWindowAttributes = nullptr;

}  // namespace

bool IsUnitFinalizing() { return FFinalizing; }

FARPROC GetUser32Proc(const char* AName) { return FUser32Lib ? GetProcAddress(FUser32Lib, AName) : nullptr; }

bool IsLayeredWindowsAvailable() { return FSetLayeredWindowAttributes != nullptr; }

void InitControls() {
  FFinalizing = false;
  InitOSFlags();
  LoadControlsCursors();
  FUser32Lib = LoadLibrary("user32");
  dxWMGetSkinnedMessage = static_cast<Word>(RegisterWindowMessage("{B2CE3777-44D8-4998-9701-47BBBC10B656}"));
  dxWMSetSkinnedMessage = static_cast<Word>(RegisterWindowMessage("{B2CE3777-44D8-1321-4656-12C54AA613BB}"));
  GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
  FSetLayeredWindowAttributes = GetUser32Proc("SetLayeredWindowAttributes");
}

void DoneControls() {
  FFinalizing = true;
  DoneControllers();
  DoneTimers();
  if (FUser32Lib) FreeLibrary(FUser32Lib);
  FUser32Lib = nullptr;
  FSetLayeredWindowAttributes = nullptr;
}

}  // namespace cxControls
