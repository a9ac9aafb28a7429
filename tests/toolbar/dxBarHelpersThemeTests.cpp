#include <gtest/gtest.h>

#include "GdiPng.h"
#include "Graphics.h"
#include "PixelSurface.h"
#include "UxTheme.h"
#include "WinGdi.h"
#include "WinMetrics.h"
#include "dxBarHelpers.h"

using PixelSurface::RGBOf;
using PixelSurface::TSurface;

namespace {

std::string ThemePng(const std::string& AName) { return testing::TempDir() + AName; }

COLORREF ThemeColor(TdxThemedObjectType AType, int APart, int AState, int AProperty) {
  COLORREF color = 0;
  EXPECT_EQ(dxUxTheme::GetThemeColor(OpenTheme(AType), APart, AState, AProperty, &color), S_OK);
  return color;
}

void FillSurface(TSurface& S, COLORREF AColor) {
  const HBRUSH brush = CreateSolidBrush(AColor);
  const RECT all{0, 0, S.Width, S.Height};
  FillRect(S.DC, &all, brush);
  DeleteObject(brush);
}

// Runs each test with visual styles on or off and leaves them on.
class dxBarThemeHelpers : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override { SetThemeActive(GetParam()); }
  void TearDown() override { SetThemeActive(true); }
  bool Themed() const { return GetParam(); }
  std::string Png(const char* AName) const { return ThemePng(std::string(AName) + (Themed() ? "-themed" : "-classic") + ".png"); }
};

TEST(dxBarHatch, VeilsEveryOtherTwoPixelCellInButtonFace) {
  TSurface s(12, 12);
  FillSurface(s, RGB(200, 0, 0));
  BarDrawHatch(s.DC, TRect(2, 2, 10, 10));
  EXPECT_TRUE(SaveDCToPng(s.DC, ThemePng("bar-hatch.png")));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 2 && y < 10;
      // The foundation counts the cells from the rectangle's bottom-left corner.
      const bool veiled = inside && ((x - 2) / 2 + (9 - y) / 2) % 2 == 0;
      ASSERT_EQ(s.At(x, y), veiled ? RGBOf(clBtnFace) : RGB(200, 0, 0)) << x << "," << y;
    }
}

TEST_P(dxBarThemeHelpers, EditAndToolbarColoursComeFromTheThemeOrTheSystem) {
  struct Case {
    const char* What;
    TColor Actual;
    COLORREF Themed, Classic;
  };
  const bool themed = Themed();
  const Case cases[] = {
      {"enabled edit background", GetEditBkColor(ETS_NORMAL), RGBOf(clWindow), RGBOf(clWindow)},
      {"disabled edit background", GetEditBkColor(ETS_DISABLED),
       themed ? ThemeColor(totEdit, EP_EDITTEXT, ETS_DISABLED, TMT_FILLCOLOR) : 0, RGBOf(clWindow)},
      {"enabled edit text", GetEditTextColor(ETS_NORMAL),
       themed ? ThemeColor(totEdit, EP_EDITTEXT, ETS_NORMAL, TMT_TEXTCOLOR) : 0, RGBOf(clWindowText)},
      {"disabled edit text", GetEditTextColor(ETS_DISABLED),
       themed ? ThemeColor(totEdit, EP_EDITTEXT, ETS_DISABLED, TMT_TEXTCOLOR) : 0, RGBOf(clGrayText)},
      {"toolbar", GetToolbarColor(), themed ? ThemeColor(totToolBar, 0, 0, TMT_FILLCOLOR) : 0, RGBOf(clBtnFace)},
  };
  for (const Case& c : cases) EXPECT_EQ(RGBOf(c.Actual), themed ? c.Themed : c.Classic) << c.What;
  if (themed) {
    // The theme's disabled edit is not simply the window colour: the test above would not notice a
    // helper that ignored the theme otherwise.
    EXPECT_NE(RGBOf(GetEditBkColor(ETS_DISABLED)), RGBOf(clWindow));
    EXPECT_NE(RGBOf(GetToolbarColor()), RGBOf(clBtnFace));
  }
}

TEST(dxBarThemeColor, AColourTheThemeLacksGivesTheDefault) {
  EXPECT_EQ(GetThemeColorOrDefault(totEdit, EP_EDITTEXT, ETS_NORMAL, TMT_FILLCOLOR, clRed),
            static_cast<TColor>(ThemeColor(totEdit, EP_EDITTEXT, ETS_NORMAL, TMT_FILLCOLOR)));
  EXPECT_EQ(GetThemeColorOrDefault(totEdit, EP_EDITTEXT, ETS_NORMAL, TMT_SCROLLBARWIDTH, clRed), clRed);
}

TEST_P(dxBarThemeHelpers, CloseButtonAndSizeGripSizes) {
  if (Themed()) {
    SIZE close{}, grip{};
    dxUxTheme::GetThemePartSize(OpenTheme(totWindow), nullptr, WP_SMALLCLOSEBUTTON, 1, TS_TRUE, close);
    dxUxTheme::GetThemePartSize(OpenTheme(totStatus), nullptr, SP_GRIPPER, 0, TS_TRUE, grip);
    EXPECT_EQ(GetThemeCloseButtonSize(), TSize(close.cx, close.cy));
    EXPECT_EQ(GetThemeSizeGripSize(), TSize(grip.cx + 2, grip.cy + 2));
  } else {
    EXPECT_EQ(GetThemeCloseButtonSize(), TSize(GetSystemMetrics(SM_CXSMSIZE), GetSystemMetrics(SM_CYSMSIZE)));
    EXPECT_EQ(GetThemeSizeGripSize(),
              TSize(GetSystemMetrics(SM_CXVSCROLL) + 2, GetSystemMetrics(SM_CYHSCROLL) + 2));
  }
}

// The four corners side by side on a green background, each grip in a square of the grip size.
TEST_P(dxBarThemeHelpers, TheSizeGripPointsIntoEachCornerAndKeepsTheBackground) {
  const COLORREF green = RGB(120, 200, 120);
  const TSize size = GetThemeSizeGripSize();
  const int w = size.cx, h = size.cy, gap = 6;
  TSurface s(4 * (w + gap) + gap, h + 2 * gap);
  FillSurface(s, green);
  const TdxCorner corners[] = {coTopLeft, coTopRight, coBottomLeft, coBottomRight};
  TRect r[4];
  for (int i = 0; i < 4; ++i) {
    r[i] = TRect(gap + i * (w + gap), gap, gap + i * (w + gap) + w, gap + h);
    DrawThemeSizeGrip(s.DC, r[i], corners[i]);
  }
  EXPECT_TRUE(SaveDCToPng(s.DC, Png("bar-size-grips")));
  // Nothing leaks out of the squares.
  for (int i = 0; i < 4; ++i) {
    const TRect ring(r[i].left - 1, r[i].top - 1, r[i].right + 1, r[i].bottom + 1);
    EXPECT_TRUE(s.RingIs(ring, green)) << i;
  }
  // Each grip is the bottom-right one mirrored, so its darkest pixels lie in its own corner's half.
  const TRect& br = r[3];
  for (int i = 0; i < 4; ++i) {
    const bool mirrorX = corners[i] == coTopLeft || corners[i] == coBottomLeft;
    const bool mirrorY = corners[i] == coTopLeft || corners[i] == coTopRight;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(s.At(r[i].left + x, r[i].top + y),
                  s.At(br.left + (mirrorX ? w - 1 - x : x), br.top + (mirrorY ? h - 1 - y : y)))
            << "corner " << i << " at " << x << "," << y;
  }
  // The bottom-right grip's lines gather in its bottom-right quarter.
  const COLORREF back = Themed() ? green : RGBOf(clBtnFace);
  const TRect topLeftQuarter(br.left, br.top, br.left + w / 2, br.top + h / 2);
  const TRect bottomRightQuarter(br.right - w / 2, br.bottom - h / 2, br.right, br.bottom);
  const int area = (w / 2) * (h / 2);
  EXPECT_GT(area - s.Count(bottomRightQuarter, back), area - s.Count(topLeftQuarter, back) + 4);
  if (Themed()) EXPECT_EQ(s.At(br.left, br.top), green) << "the themed grip is drawn over the background";
}

TEST_P(dxBarThemeHelpers, TheCloseButtonShowsItsStates) {
  const TSize size = GetThemeCloseButtonSize();
  const int gap = 4;
  TSurface s(4 * (size.cx + gap) + gap, size.cy + 2 * gap);
  TRect r[4];
  for (int state = 1; state <= 4; ++state) {
    const int i = state - 1;
    r[i] = TRect(gap + i * (size.cx + gap), gap, gap + i * (size.cx + gap) + size.cx, gap + size.cy);
    DrawThemeCloseButton(s.DC, r[i], state);
  }
  EXPECT_TRUE(SaveDCToPng(s.DC, Png("bar-close-buttons")));
  for (int i = 0; i < 4; ++i) {
    const TRect ink = s.InkBox(r[i], PixelSurface::kWhite);
    EXPECT_GT(ink.Width(), 0) << i;
    const TRect ring(r[i].left - 1, r[i].top - 1, r[i].right + 1, r[i].bottom + 1);
    EXPECT_TRUE(s.RingIs(ring, PixelSurface::kWhite)) << i;
  }
  // Normal, hot and pressed look different from one another.
  auto differs = [&](int a, int b) {
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x)
        if (s.At(r[a].left + x, r[a].top + y) != s.At(r[b].left + x, r[b].top + y)) return true;
    return false;
  };
  EXPECT_TRUE(differs(0, 2));
  EXPECT_TRUE(differs(0, 3));
  if (Themed()) EXPECT_TRUE(differs(0, 1));
}

INSTANTIATE_TEST_SUITE_P(VisualStyles, dxBarThemeHelpers, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& AInfo) { return AInfo.param ? "On" : "Off"; });

}  // namespace
