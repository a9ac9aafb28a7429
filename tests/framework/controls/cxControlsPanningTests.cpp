// Middle-button panning: the way it scrolls follows the pointer and the visible bars, and a press
// and release without moving pans until another button ends it. Panning runs its own message loop,
// so the input is given from inside it, and the clock moves a little at each reading.
#include "cxControlsTestSupport.h"

#include <cstdlib>

#include "ExtCtrls.h"

using namespace cxControlsTest;

namespace {

// A test clock that moves one millisecond each time it is read, so that timers come due inside a
// message loop the test cannot step from outside.
class TSteppingClock : public TManualClock {
 public:
  using TManualClock::TManualClock;
  UInt64 TickCount64() override {
    Advance(1);
    return TManualClock::TickCount64();
  }
};

class Panning : public TControlsFixture {
 protected:
  TSteppingClock SteppingClock{45000.0, 5000};
  TClockOverride SteppingOverride{SteppingClock};
  TScrollingControl* Control = nullptr;
  HWND Input = nullptr;
  std::function<void()> OnInput;

  void SetUp() override {
    TControlsFixture::SetUp();
    Form->SetBounds(100, 100, 500, 400);
    Control = Add<TScrollingControl>(10, 10, 300, 300);
    ShowForm();
    Input = AllocateHWnd([this](TMessage& Message) {
      if (Message.Msg == WM_USER && OnInput) OnInput();
    });
    // The input is given once the press has started panning.
    Control->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
      if (Button == mbMiddle) PostMessage(Input, WM_USER, 0, 0);
    };
  }
  void TearDown() override {
    DeallocateHWnd(Input);
    TControlsFixture::TearDown();
  }
};

TEST_F(Panning, WithOnlyTheVerticalBarItNeverScrollsSideways) {
  Control->SetContent(100, 5000);
  ASSERT_TRUE(Control->GetVScrollBarVisible() && !Control->GetHScrollBarVisible());
  OnInput = [this] {
    // Far to the right and a little down: only the vertical way is open.
    const TPoint p = Control->ClientToScreen(TPoint(290, 150));
    InjectMouseMove(p.x, p.y);
  };
  Control->AfterScroll = [this] {
    if (Control->Scrolls.size() == 5) InjectKeyPress(VK_ESCAPE);
  };
  Press(Control, 50, 50, 2);
  EXPECT_FALSE(Control->IsScrollingContent());
  EXPECT_NE(GetCapture(), Control->GetHandle());
  ASSERT_GE(Control->Scrolls.size(), 5u);
  for (const auto& s : Control->Scrolls) EXPECT_TRUE(s.Kind == sbVertical && s.Code == scLineDown);
  Release(Control, 290, 150, 2);
}

TEST_F(Panning, APressAndReleaseWithoutMovingPansUntilAnotherButton) {
  Control->SetContent(5000, 5000);
  bool stillPanning = false;
  int leftPresses = 0;
  auto* check = New<TcxTimer>(nullptr);
  check->SetEnabled(false);
  check->SetInterval(200);
  check->SetOnTimer([&](TObject*) {
    check->SetEnabled(false);
    stillPanning = Control->IsScrollingContent() && GetCapture() == Control->GetHandle();
    const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
    SaveScreenPng(String(dir ? dir : std::getenv("HOME")) + "/panning-anchor.png");
    InjectMouseButton(0, true);
  });
  OnInput = [&] {
    InjectMouseButton(2, false);  // released where it was pressed
    check->SetEnabled(true);
  };
  Control->OnMouseDown = [&](TObject*, TMouseButton Button, TShiftState, Integer, Integer) {
    if (Button == mbMiddle) PostMessage(Input, WM_USER, 0, 0);
    if (Button == mbLeft) ++leftPresses;
  };
  Press(Control, 150, 150, 2);
  EXPECT_TRUE(stillPanning);
  EXPECT_FALSE(Control->IsScrollingContent());
  EXPECT_TRUE(Control->Scrolls.empty()) << "the pointer stayed in the neutral zone";
  EXPECT_EQ(leftPresses, 0) << "the press that ends panning goes nowhere";
  InjectMouseButton(0, false);
  Application->ProcessMessages();
  check->Free();
}

}  // namespace
