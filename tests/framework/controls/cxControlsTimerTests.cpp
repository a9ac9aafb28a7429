// The framework's timer under the test clock, the shared timer window's dispatch by timer identity,
// mouse tracking and leaving, and the unit's end with tracking still registered.
#include "cxControlsTestSupport.h"

using namespace cxControlsTest;

namespace {

class cxTimer : public TControlsFixture {
 protected:
  TcxTimer* Timer = nullptr;
  int Ticks = 0;
  void SetUp() override {
    TControlsFixture::SetUp();
    Timer = New<TcxTimer>(nullptr);
    Timer->SetInterval(100);
  }
  void TearDown() override {
    FreeAndNil(Timer);
    TControlsFixture::TearDown();
  }
  TNotifyEvent Counter() {
    return [this](TObject* Sender) {
      EXPECT_EQ(Sender, Timer);
      ++Ticks;
    };
  }
};

TEST_F(cxTimer, RunsOnlyWithAHandlerAndIgnoresAZeroInterval) {
  EXPECT_TRUE(Timer->GetEnabled());
  EXPECT_FALSE(Timer->GetRunning()) << "no handler, no platform timer";
  Step(300);
  Timer->SetInterval(0);
  EXPECT_EQ(Timer->GetInterval(), 100u);
  Timer->SetOnTimer(Counter());
  EXPECT_TRUE(Timer->GetRunning());
  Step(99);
  EXPECT_EQ(Ticks, 0);
  Step(1);
  EXPECT_EQ(Ticks, 1);
  Step(100);
  EXPECT_EQ(Ticks, 2);
  Timer->SetEnabled(false);
  EXPECT_FALSE(Timer->GetRunning());
  Step(300);
  EXPECT_EQ(Ticks, 2);
}

TEST_F(cxTimer, ReEnablingReassigningOrAnotherIntervalRestartsThePeriod) {
  Timer->SetOnTimer(Counter());
  const std::function<void()> restarts[] = {
      [&] {
        Timer->SetEnabled(false);
        Timer->SetEnabled(true);
      },
      [&] { Timer->SetOnTimer(Timer->GetOnTimer()); },
      [&] {
        Timer->SetInterval(101);
        Timer->SetInterval(100);
      },
  };
  for (const auto& restart : restarts) {
    Ticks = 0;
    restart();
    Step(60);
    restart();
    Step(60);
    EXPECT_EQ(Ticks, 0);
    Step(40);
    EXPECT_EQ(Ticks, 1);
  }
  // The same interval again changes nothing.
  Ticks = 0;
  Step(60);
  Timer->SetInterval(100);
  Step(40);
  EXPECT_EQ(Ticks, 1);
}

TEST_F(cxTimer, TheTimerWindowTicksOnlyRunningTimersByTheirIdentity) {
  auto* window = New<TcxTimerWindow>();
  Timer->SetOnTimer(Counter());
  SendMessage(window->GetHandle(), WM_TIMER, reinterpret_cast<WPARAM>(Timer), 0);
  EXPECT_EQ(Ticks, 1);
  Timer->SetEnabled(false);
  SendMessage(window->GetHandle(), WM_TIMER, reinterpret_cast<WPARAM>(Timer), 0);
  EXPECT_EQ(Ticks, 1) << "a stopped timer";
  auto* gone = New<TcxTimer>(nullptr);
  gone->SetOnTimer([](TObject*) { ADD_FAILURE() << "a freed timer ticked"; });
  const WPARAM goneId = reinterpret_cast<WPARAM>(gone);
  gone->Free();
  SendMessage(window->GetHandle(), WM_TIMER, goneId, 0);
  SendMessage(window->GetHandle(), WM_TIMER, 12345, 0);
  window->Free();
}

TEST_F(cxTimer, AHandlerMayFreeItsTimer) {
  Timer->SetOnTimer([this](TObject*) {
    ++Ticks;
    FreeAndNil(Timer);
  });
  Step(100);
  Step(100);
  EXPECT_EQ(Ticks, 1);
  EXPECT_EQ(Timer, nullptr);
}

TEST(cxMessageWindow, TheSharedWindowAnswersByTheDefaultProcedure) {
  TcxMessageWindow* window = cxMessageWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(cxMessageWindow(), window);
  EXPECT_TRUE(IsWindow(window->GetHandle()));
  EXPECT_FALSE(IsWindowVisible(window->GetHandle()));
  EXPECT_EQ(SendMessage(window->GetHandle(), WM_USER + 1, 0, 0), 0);
}

// ---- Mouse tracking -------------------------------------------------------------------------------------
class TTrackingCaller : public TObject, public TNoRefCountObject, public virtual IcxMouseTrackingCaller {
 public:
  int Leaves = 0;
  std::function<void()> OnLeave;
  void MouseTrackingLeave() override {
    ++Leaves;
    if (OnLeave) OnLeave();
  }
};

// Decides itself which points are its: the left half of its control.
class TTrackingCaller2 : public TTrackingCaller, public IcxMouseTrackingCaller2 {
 public:
  bool PtInCaller(const TPoint& P) override { return P.x >= 0 && P.x < 50 && P.y >= 0 && P.y < 100; }
};

class MouseTracking : public TControlsFixture {
 protected:
  TcxControl* Control = nullptr;
  int ControlLeaves = 0;
  void SetUp() override {
    TControlsFixture::SetUp();
    Control = Add<TcxControl>(20, 20, 100, 100);
    Control->OnMouseLeave = [this](TObject*) { ++ControlLeaves; };
    ShowForm();
  }
};

TEST_F(MouseTracking, TheCallerHearsOnceWhenThePointerLeavesItsBounds) {
  TTrackingCaller caller;
  MoveTo(Control, 50, 50);
  BeginMouseTracking(Control, TRect(0, 0, 100, 100), &caller);
  BeginMouseTracking(Control, TRect(0, 0, 10, 10), &caller);  // tracked already: ignored
  EXPECT_TRUE(IsMouseTracking(&caller));
  Step(30);
  EXPECT_EQ(caller.Leaves, 0);
  // Leaving in one step, without a move message reaching the control.
  InjectMouseMove(0, 0);
  Step(10);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_GE(ControlLeaves, 1);
  EXPECT_FALSE(IsMouseTracking(&caller));
  Step(50);
  EXPECT_EQ(caller.Leaves, 1);
}

TEST_F(MouseTracking, ACallerOfTheSecondKindDecidesWhichPointsAreInside) {
  TTrackingCaller2 caller;
  MoveTo(Control, 20, 50);
  BeginMouseTracking(Control, TRect(0, 0, 100, 100), &caller);
  MoveTo(Control, 45, 50);
  Step(20);
  EXPECT_EQ(caller.Leaves, 0);
  MoveTo(Control, 70, 50);  // inside the bounds, outside the caller's half
  Step(10);
  EXPECT_EQ(caller.Leaves, 1);
  // Without a window of the control every point is outside.
  BeginMouseTracking(nullptr, TRect(0, 0, 2000, 2000), &caller);
  Step(10);
  EXPECT_EQ(caller.Leaves, 2);
}

TEST_F(MouseTracking, ACallerMayEndItsTrackingWhenTold) {
  TTrackingCaller caller;
  caller.OnLeave = [&] { EndMouseTracking(&caller); };
  MoveTo(Control, 50, 50);
  BeginMouseTracking(Control, TRect(0, 0, 100, 100), &caller);
  MoveTo(Control, 150, 50);
  Step(10);
  EXPECT_EQ(caller.Leaves, 1);
  EXPECT_FALSE(IsMouseTracking(&caller));
}

TEST_F(MouseTracking, AFreedControlIsNotTouched) {
  TTrackingCaller caller;
  MoveTo(Control, 50, 50);
  BeginMouseTracking(Control, TRect(0, 0, 100, 100), &caller);
  FreeAndNil(Control);
  InjectMouseMove(0, 0);
  Step(10);
  EXPECT_EQ(caller.Leaves, 1);
}

TEST(cxControlsUnit, EndingWithTrackingStillRegisteredDoesNotFail) {
  TTrackingCaller caller;
  BeginMouseTracking(nullptr, TRect(0, 0, 10, 10), &caller);
  ASSERT_TRUE(IsMouseTracking(&caller));
  EXPECT_NO_THROW(DoneControls());
  EXPECT_FALSE(IsMouseTracking(&caller));
  BeginMouseTracking(nullptr, TRect(0, 0, 10, 10), &caller);
  EXPECT_FALSE(IsMouseTracking(&caller)) << "nothing is tracked after the end";
  EXPECT_EQ(cxMessageWindow(), nullptr);
  InitControls();
  EXPECT_NE(cxMessageWindow(), nullptr);
  EXPECT_NE(dxWMGetSkinnedMessage, 0);
}

}  // namespace
