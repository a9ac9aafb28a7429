// The hint window base: kept in the work area by its new size, animated as the system's tooltip
// settings ask and only for short hints, with or without a border.
#include "cxControlsTestSupport.h"

#include "SysInfo.h"
#include "WinUser32.h"

using namespace cxControlsTest;

namespace {

std::vector<DWORD>& Animations() {
  static std::vector<DWORD> flags;
  return flags;
}

BOOL RecordingAnimateWindow(HWND hwnd, DWORD, DWORD flags) {
  Animations().push_back(flags);
  return AnimateWindow(hwnd, 0, flags);
}

class HintWindow : public TControlsFixture {
 protected:
  TcxBaseHintWindow* Hint = nullptr;
  TWorkAreaOverride WorkArea{RECT{0, 0, 800, 600}};
  void SetUp() override {
    TControlsFixture::SetUp();
    Animations().clear();
    RegisterSystemFunction("user32.dll", "AnimateWindow",
                           reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordingAnimateWindow)));
    Hint = New<TcxBaseHintWindow>(nullptr);
  }
  void TearDown() override {
    FreeAndNil(Hint);
    InstallUser32Library();
    SystemParametersInfoA(SPI_SETTOOLTIPANIMATION, 0, reinterpret_cast<void*>(TRUE), 0);
    TControlsFixture::TearDown();
  }
  static void SetSetting(UINT AAction, bool AValue) {
    SystemParametersInfoA(AAction, 0, reinterpret_cast<void*>(static_cast<intptr_t>(AValue)), 0);
  }
};

TEST_F(HintWindow, StaysInTheWorkAreaByTheSizeItIsGiven) {
  // A hint growing taller near the bottom is moved up by its new height, not its old one.
  Hint->SetBounds(100, 100, 50, 20);
  Hint->SetBounds(780, 580, 60, 80);
  EXPECT_EQ(Hint->GetBoundsRect(), TRect(740, 520, 800, 600));
  Hint->SetBounds(-30, -10, 60, 80);
  EXPECT_EQ(Hint->GetBoundsRect(), TRect(0, 0, 60, 80));
  Hint->ActivateHint(TRect(790, 590, 890, 610), "提示");
  EXPECT_EQ(Hint->GetBoundsRect(), TRect(700, 580, 800, 600));
  EXPECT_EQ(Hint->GetCaption(), "提示");
  EXPECT_TRUE(IsWindowVisible(Hint->GetHandle()));
}

TEST_F(HintWindow, TheSystemsTooltipSettingsChooseTheAnimation) {
  struct TCase {
    TcxHintAnimationStyle Style;
    bool Animation, Fade;
    TcxHintAnimationStyle Effective;
  };
  const TCase cases[] = {
      {cxhaAuto, true, true, cxhaFadeIn},         {cxhaAuto, true, false, cxhaSlideDownward},
      {cxhaAuto, false, true, cxhaNone},          {cxhaSlideFromLeft, true, true, cxhaSlideFromLeft},
      {cxhaSlideFromLeft, false, true, cxhaNone}, {cxhaNone, true, true, cxhaNone},
  };
  for (const TCase& c : cases) {
    SetSetting(SPI_SETTOOLTIPANIMATION, c.Animation);
    SetSetting(SPI_SETTOOLTIPFADE, c.Fade);
    Hint->SetAnimationStyle(c.Style);
    EXPECT_EQ(Hint->GetEffectiveAnimationStyle(), c.Effective) << c.Style << c.Animation << c.Fade;
  }
}

TEST_F(HintWindow, OnlyShortHintsAreAnimated) {
  SetSetting(SPI_SETTOOLTIPANIMATION, true);
  SetSetting(SPI_SETTOOLTIPFADE, true);
  Hint->ActivateHint(TRect(10, 10, 100, 30), "short");
  ASSERT_EQ(Animations().size(), 1u);
  EXPECT_EQ(Animations()[0], DWORD(AW_BLEND | AW_SLIDE));
  Hint->SetAnimationStyle(cxhaSlideUpward);
  Hint->ActivateHint(TRect(10, 10, 100, 30), String(99, 'x'));
  ASSERT_EQ(Animations().size(), 2u);
  EXPECT_EQ(Animations()[1], DWORD(AW_VER_NEGATIVE | AW_SLIDE));
  Hint->ActivateHint(TRect(10, 10, 100, 30), String(100, 'x'));
  EXPECT_EQ(Animations().size(), 2u) << "a hint of 100 characters appears at once";
  // Characters, not bytes, count.
  String chinese;
  for (int i = 0; i < 60; ++i) chinese += "字";
  Hint->ActivateHint(TRect(10, 10, 100, 30), chinese);
  EXPECT_EQ(Animations().size(), 3u);
}

TEST_F(HintWindow, TheBorderIsThereOnlyWhenAskedFor) {
  Hint->HandleNeeded();
  EXPECT_FALSE(GetWindowLong(Hint->GetHandle(), GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLong(Hint->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  auto* bordered = New<TcxBaseHintWindow>(nullptr);
  bordered->SetHasBorder(true);
  bordered->HandleNeeded();
  EXPECT_TRUE(GetWindowLong(bordered->GetHandle(), GWL_STYLE) & WS_BORDER);
  bordered->Free();
}

}  // namespace
