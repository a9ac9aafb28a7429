#include "WinUser32.h"

#include "SysInfo.h"
#include "WinUser.h"

namespace WinUser32 {

namespace {

constexpr const char* LibraryName = "user32.dll";

template <typename F>
void Install(const char* name, F* proc) {
  RegisterSystemFunction(LibraryName, name, reinterpret_cast<FARPROC>(reinterpret_cast<void*>(proc)));
}

}  // namespace

void InstallUser32Library() {
  Install("AnimateWindow", &AnimateWindow);
  Install("GetMonitorInfoA", &GetMonitorInfoA);
  Install("GetScrollBarInfo", &GetScrollBarInfo);
  Install("MonitorFromPoint", &MonitorFromPoint);
  Install("SetLayeredWindowAttributes", &SetLayeredWindowAttributes);
}

void RemoveUser32Library() { UnregisterSystemLibrary(LibraryName); }

}  // namespace WinUser32
