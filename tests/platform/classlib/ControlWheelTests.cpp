// The mouse wheel on a control: OnMouseWheel first, then each whole notch of what it leaves as a
// wheel-down or wheel-up step, parts of a notch counted until they make one.
#include "ClasslibTestSupport.h"

#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ControlWheel : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    MakePanel();
  }
  void MakePanel() {
    FreeAndNil(Panel);
    Steps.clear();
    Panel = CreateComponent<TTestPanel>(nullptr);
    Panel->OnMouseWheelDown = [this](TObject*, TShiftState, TPoint, bool& Handled) {
      Steps += "D";
      Handled = true;
    };
    Panel->OnMouseWheelUp = [this](TObject*, TShiftState, TPoint, bool& Handled) {
      Steps += "U";
      Handled = true;
    };
  }
  void TearDown() override {
    FreeAndNil(Panel);
    TClasslibFixture::TearDown();
  }
  LRESULT Wheel(Integer Delta) {
    const auto delta = static_cast<WORD>(static_cast<int16_t>(Delta));
    return Panel->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(5, 5));
  }
  TTestPanel* Panel = nullptr;
  String Steps;
};

TEST_F(ControlWheel, WholeNotchesBecomeStepsAndPartsAreCountedUntilTheyMakeOne) {
  const struct {
    std::vector<Integer> deltas;
    const char* steps;
  } cases[] = {
      {{120}, "U"},
      {{-240}, "DD"},
      {{60, 60}, "U"},
      {{60, -60, -120}, "D"},  // turning back cancels what was counted forward
      {{90, 90, 90, 90}, "UUU"},
      {{-200, -40}, "DD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.steps);
    MakePanel();
    for (Integer d : c.deltas) Wheel(d);
    EXPECT_EQ(Steps, c.steps);
  }
}

TEST_F(ControlWheel, OnMouseWheelMayTakeTheWheelBeforeAnyStep) {
  bool take = true;
  Panel->OnMouseWheel = [&](TObject*, TShiftState, Integer, TPoint, bool& Handled) { Handled = take; };
  EXPECT_NE(Wheel(120), 0) << "handled";
  EXPECT_EQ(Steps, "");
  take = false;
  Wheel(60);
  EXPECT_EQ(Steps, "") << "the taken notch was not counted";
  Wheel(60);
  EXPECT_EQ(Steps, "U");

  Panel->OnMouseWheelUp = {};
  EXPECT_EQ(Wheel(120), 0) << "a step no one handles leaves the wheel unhandled";
}

}  // namespace
