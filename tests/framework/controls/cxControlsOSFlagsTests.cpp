#include <gtest/gtest.h>

#include "cxControlsOSFlags.h"

namespace {

struct TFlags {
  bool Win95X, Win2KOrXP, WinXP, WinNT, WinVista;
  friend bool operator==(const TFlags&, const TFlags&) = default;
};

TFlags Current() { return {IsWin95X, IsWin2KOrXP, IsWinXP, IsWinNT, IsWinVista}; }

TEST(cxControlsOSFlags, FlagsForEachVersion) {
  struct Case {
    DWORD Platform, Major, Minor;
    TFlags Expected;
  } cases[] = {
      {2, 4, 0, {false, false, false, true, false}},
      {2, 5, 0, {false, true, false, true, false}},
      {2, 5, 1, {false, true, true, true, false}},
      {2, 6, 0, {false, true, false, true, true}},
      {2, 6, 1, {false, true, true, true, true}},
      {1, 4, 10, {true, false, false, false, false}},
      {0, 3, 1, {true, false, false, false, false}},
  };
  for (const Case& c : cases) {
    SetOSFlags(c.Platform, c.Major, c.Minor);
    EXPECT_EQ(Current(), c.Expected) << c.Platform << " " << c.Major << "." << c.Minor;
  }
  InitOSFlags();
  EXPECT_EQ(Current(), (TFlags{false, true, true, true, false}));
}

}  // namespace
