// The window-manager calls a program looks up at run time in USER32 are found there once the layer
// has started.
#include <gtest/gtest.h>

#include "SysInfo.h"
#include "WinUser.h"
#include "WinUser32.h"

namespace {

TEST(User32Library, TheCallsLookedUpAtRunTimeAreFoundByName) {
  InstallUser32Library();
  HMODULE library = LoadLibrary("user32");
  ASSERT_NE(library, nullptr);
  for (const char* name : {"AnimateWindow", "GetMonitorInfoA", "GetScrollBarInfo", "MonitorFromPoint",
                           "SetLayeredWindowAttributes"})
    EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
  using TMonitorFromPoint = HMONITOR (*)(POINT, DWORD);
  auto fromPoint = reinterpret_cast<TMonitorFromPoint>(reinterpret_cast<void*>(GetProcAddress(library, "MonitorFromPoint")));
  EXPECT_EQ(fromPoint(POINT{10, 10}, MONITOR_DEFAULTTONEAREST), MonitorFromPoint(POINT{10, 10}, MONITOR_DEFAULTTONEAREST));
  EXPECT_EQ(GetProcAddress(library, "NoSuchCall"), nullptr);
  FreeLibrary(library);
}

}  // namespace
