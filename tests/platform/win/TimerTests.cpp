// Timers stepped by the test clock.
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class Timers : public TWinFixture {};

std::vector<UINT_PTR> g_fired;
void Callback(HWND, UINT, UINT_PTR id, DWORD) { g_fired.push_back(id); }

TEST_F(Timers, FireWhenDueAtMostOncePerRetrievalAndNoFasterThanTenMs) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  Recorder().Clear();
  Recorder().Watched = {WM_TIMER};
  ASSERT_NE(SetTimer(w, 5, 2, nullptr), 0u) << "a 2 ms request runs every 10 ms";
  Advance(5);
  EXPECT_EQ(ProcessMessages(), 0);
  Advance(5);
  EXPECT_EQ(ProcessMessages(), 1);
  Advance(100);
  EXPECT_EQ(ProcessMessages(), 1) << "a late timer fires once, not once per missed period";
  EXPECT_EQ(Recorder().Log.size(), 2u);
  EXPECT_EQ(Recorder().Log[0].WParam, 5u);
  EXPECT_TRUE(KillTimer(w, 5));
  EXPECT_FALSE(KillTimer(w, 5));
  Advance(100);
  EXPECT_EQ(ProcessMessages(), 0);
}

TEST_F(Timers, ThreadTimersCallTheirProcedureAndMayBeKilledInside) {
  g_fired.clear();
  UINT_PTR a = SetTimer(nullptr, 0, 20, Callback);
  UINT_PTR b = SetTimer(nullptr, 0, 30, Callback);
  ASSERT_NE(a, 0u);
  ASSERT_NE(a, b);
  Advance(30);
  ProcessMessages();
  EXPECT_EQ(g_fired, (std::vector<UINT_PTR>{a, b}));
  // A message already retrieved for a timer that is then stopped calls nobody.
  Advance(30);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  KillTimer(nullptr, m.wParam);
  DispatchMessage(&m);
  EXPECT_EQ(g_fired.size(), 2u);
  KillTimer(nullptr, a);
  KillTimer(nullptr, b);
}

TEST_F(Timers, WindowTimersStopWithTheirWindow) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  SetTimer(w, 1, 10, nullptr);
  DestroyWindow(w);
  Advance(50);
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(SetTimer(w, 1, 10, nullptr), 0u);
}

}  // namespace
