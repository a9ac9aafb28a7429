// The timer component under the test clock: its ticks follow the window layer's resolution, keep
// coming inside a modal loop, and a handler may free its own timer.
#include "ClasslibTestSupport.h"

#include "DateTime.h"
#include "ExtCtrls.h"
#include "HeadlessBackend.h"
#include "TypInfo.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class TimerTest : public TClasslibFixture {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};

  void Step(UInt64 msecs) {
    Clock.Advance(msecs);
    Application->ProcessMessages();
  }
};

TEST_F(TimerTest, TicksEveryIntervalAndShortIntervalsAtTheLayersResolution) {
  struct TCase {
    Cardinal Interval;
    UInt64 Period;  // the time between two ticks
  };
  for (const TCase& c : {TCase{2, 10}, TCase{10, 10}, TCase{25, 25}, TCase{1000, 1000}}) {
    auto* timer = CreateComponent<TTimer>(nullptr);
    int ticks = 0;
    timer->SetInterval(c.Interval);
    timer->SetOnTimer([&](TObject* sender) {
      EXPECT_EQ(sender, timer);
      ++ticks;
    });
    Step(c.Period - 1);
    EXPECT_EQ(ticks, 0) << c.Interval;
    Step(1);
    EXPECT_EQ(ticks, 1) << c.Interval;
    for (int i = 0; i < 3; ++i) Step(c.Period);
    EXPECT_EQ(ticks, 4) << c.Interval;
    // A late tick comes once, not once per missed period.
    Step(c.Period * 5);
    EXPECT_EQ(ticks, 5) << c.Interval;
    timer->Free();
  }
}

TEST_F(TimerTest, RunsOnlyEnabledWithAHandlerAndANonZeroInterval) {
  auto* timer = CreateComponent<TTimer>(nullptr);
  EXPECT_TRUE(timer->GetEnabled());
  EXPECT_EQ(timer->GetInterval(), 1000u);
  int ticks = 0;
  timer->SetInterval(50);
  timer->SetEnabled(false);
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  Step(100);
  EXPECT_EQ(ticks, 0) << "disabled";
  timer->SetEnabled(true);
  Step(50);
  EXPECT_EQ(ticks, 1);
  timer->SetInterval(0);
  Step(100);
  EXPECT_EQ(ticks, 1) << "interval 0 stops it";
  timer->SetInterval(50);
  timer->SetOnTimer(nullptr);
  Step(100);
  EXPECT_EQ(ticks, 1) << "no handler, no timer";
  // Re-enabling restarts the period from now.
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  Step(30);
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  Step(30);
  EXPECT_EQ(ticks, 1);
  Step(20);
  EXPECT_EQ(ticks, 2);
  timer->Free();
}

TEST_F(TimerTest, TicksInsideAModalLoop) {
  auto* dialog = TCustomForm::CreateNew<TForm>(Application);
  dialog->SetBounds(50, 50, 200, 100);
  auto* timer = CreateComponent<TTimer>(dialog);
  timer->SetInterval(2);
  int ticks = 0;
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 3) dialog->ModalResult = mrOk;
  });
  Application->OnIdle = [&](TObject*, bool& done) {
    Clock.Advance(5);
    done = false;
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  Application->OnIdle = nullptr;
  EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, TicksWhileTheWindowLayerRunsAMessageBox) {
  auto* timer = CreateComponent<TTimer>(nullptr);
  timer->SetInterval(10);
  int ticks = 0;
  timer->SetOnTimer([&](TObject*) {
    Clock.Advance(10);  // the box's loop moves no test clock: the tick moves it for the next one
    if (++ticks == 3) InjectKeyPress(VK_RETURN);
  });
  Clock.Advance(10);
  EXPECT_EQ(MessageBoxA(nullptr, "Waiting", "Timer", MB_OK), IDOK);
  EXPECT_EQ(ticks, 3);
  timer->Free();
}

TEST_F(TimerTest, AHandlerMayFreeItsOwnTimer) {
  auto* owner = CreateComponent<TComponent>(nullptr);
  auto* timer = CreateComponent<TTimer>(owner);
  HWND window = timer->WindowHandle();
  ASSERT_TRUE(IsWindow(window));
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject* sender) {
    ++ticks;
    sender->Free();
  });
  Step(10);
  Step(10);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(IsWindow(window)) << "its window goes with it";
  EXPECT_EQ(owner->ComponentCount(), 0);
  owner->Free();
}

TEST_F(TimerTest, AnExceptionFromTheHandlerGoesToTheApplicationAndTheTimerGoesOn) {
  auto* timer = CreateComponent<TTimer>(nullptr);
  std::vector<String> shown;
  Application->OnException = [&](TObject* sender, Exception& e) {
    EXPECT_EQ(sender, timer);
    shown.push_back(e.Message());
  };
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 1) throw Exception("tick failed");
  });
  Step(10);
  Step(10);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(shown, std::vector<String>{"tick failed"});
  timer->Free();
}

TEST_F(TimerTest, IsPublishedForFormResources) {
  auto* timer = CreateComponent<TTimer>(nullptr);
  SetOrdProp(timer, "Interval", 250);
  SetOrdProp(timer, "Enabled", 0);
  EXPECT_EQ(timer->GetInterval(), 250u);
  EXPECT_FALSE(timer->GetEnabled());
  EXPECT_NE(GetPropInfo(timer, "OnTimer"), nullptr);
  timer->Free();
}

}  // namespace
