// Tab borders: each call fills the strip of one side of a tab, shortened where it meets the other
// sides, with the standard painter's rounded corners and each painter's light and dark colours.
#include <gtest/gtest.h>

#include <vector>

#include "UxTheme.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"
#include "dxOffice11.h"

using namespace PainterTestSurface;

namespace {

template <class T>
TcxCustomLookAndFeelPainterClass Painter() {
  return TcxCustomLookAndFeelPainterClass::Of<T>();
}

// The tab (2, 2, 22, 18) and the strips of its sides.
const TRect kLeft(2, 2, 3, 18), kTop(2, 2, 22, 3), kRight(21, 2, 22, 18), kBottom(2, 17, 22, 18);

struct Fill {
  TRect R;
  TColor Color;
};

struct Case {
  const char* Name;
  TcxCustomLookAndFeelPainterClass Painter;
  TcxBorder Side;
  TRect Strip;
  TcxBorders Borders;
  bool Vertical;
  std::vector<Fill> Expected;  // one-pixel rectangles for single pixels
};

TRect Px(int x, int y) { return TRect(x, y, x + 1, y + 1); }

}  // namespace

TEST(cxTabBorder, EachSideFillsItsStripShortenedAtTheCorners) {
  const auto Standard = Painter<TcxStandardLookAndFeelPainter>(), Flat = Painter<TcxFlatLookAndFeelPainter>(),
             UltraFlat = Painter<TcxUltraFlatLookAndFeelPainter>(), Office11 = Painter<TcxOffice11LookAndFeelPainter>();
  const TcxBorders tab{bLeft, bTop, bRight}, all = cxBordersAll, none;
  const TColor O11Light = static_cast<TColor>(dxOffice11BarSeparatorColor1);
  const Case cases[] = {
      // Horizontal tabs: the sides start below the rounded top and stop above a bottom border.
      {"standard left", Standard, bLeft, kLeft, tab, false, {{TRect(2, 4, 3, 18), clBtnHighlight}}},
      {"standard left, bottom border", Standard, bLeft, kLeft, all, false, {{TRect(2, 4, 3, 17), clBtnHighlight}}},
      {"standard left, alone", Standard, bLeft, kLeft, none, false, {{kLeft, clBtnHighlight}}},
      {"standard right", Standard, bRight, kRight, tab, false, {{TRect(21, 4, 22, 18), clBtnShadow}}},
      {"standard top",
       Standard,
       bTop,
       kTop,
       tab,
       false,
       {{TRect(3, 2, 21, 3), clBtnHighlight}, {Px(2, 3), clBtnHighlight}, {Px(21, 3), clBtnHighlight}}},
      {"standard bottom", Standard, bBottom, kBottom, all, false, {{kBottom, clBtnHighlight}}},
      {"flat right, as standard", Flat, bRight, kRight, all, false, {{TRect(21, 4, 22, 17), clBtnShadow}}},
      // Vertical tabs stand on their right; the left side is rounded at both ends.
      {"standard vertical left",
       Standard,
       bLeft,
       kLeft,
       all,
       true,
       {{TRect(2, 4, 3, 16), clBtnHighlight}, {Px(3, 3), clBtnHighlight}, {Px(3, 16), clBtnHighlight}}},
      {"standard vertical left, alone",
       Standard,
       bLeft,
       kLeft,
       none,
       true,
       {{TRect(2, 3, 3, 17), clBtnHighlight}, {Px(3, 2), clBtnHighlight}, {Px(3, 17), clBtnHighlight}}},
      {"standard vertical top", Standard, bTop, kTop, all, true, {{TRect(3, 2, 22, 3), clBtnHighlight}}},
      {"standard vertical top, no left", Standard, bTop, kTop, TcxBorders{bTop}, true, {{kTop, clBtnHighlight}}},
      {"standard vertical bottom", Standard, bBottom, kBottom, all, true, {{TRect(3, 17, 22, 18), clBtnShadow}}},
      {"standard vertical right", Standard, bRight, kRight, all, true, {{kRight, clBtnHighlight}}},
      // The ultra-flat strips are filled whole, the right one of a horizontal tab a pixel short.
      {"ultra-flat left", UltraFlat, bLeft, kLeft, all, false, {{kLeft, clBtnShadow}}},
      {"ultra-flat top", UltraFlat, bTop, kTop, all, false, {{kTop, clBtnShadow}}},
      {"ultra-flat right", UltraFlat, bRight, kRight, all, false, {{TRect(21, 2, 22, 17), clBtnText}}},
      {"ultra-flat vertical right", UltraFlat, bRight, kRight, all, true, {{kRight, clBtnShadow}}},
      {"ultra-flat vertical bottom", UltraFlat, bBottom, kBottom, all, true, {{kBottom, clBtnText}}},
      {"office 2003 top", Office11, bTop, kTop, all, false, {{kTop, O11Light}}},
      {"office 2003 right", Office11, bRight, kRight, all, false, {{TRect(21, 2, 22, 17), clBtnText}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    // On red, so that white button highlights show.
    TSurface drawn(24, 20), expected(24, 20);
    drawn.Cx->FillRect(TRect(0, 0, 24, 20), clRed);
    expected.Cx->FillRect(TRect(0, 0, 24, 20), clRed);
    c.Painter->DrawTabBorder(drawn.Cx, c.Strip, c.Side, c.Borders, c.Vertical);
    for (const Fill& f : c.Expected) expected.Cx->FillRect(f.R, f.Color);
    EXPECT_EQ(drawn.Differences(expected), 0);
  }
}

TEST(cxTabBorder, TheNativePainterLeavesTabBordersToTheTheme) {
  const auto Native = Painter<TcxWinXPLookAndFeelPainter>(), Standard = Painter<TcxStandardLookAndFeelPainter>();
  for (bool themed : {true, false}) {
    SCOPED_TRACE(themed ? "themed" : "classic");
    SetThemeActive(themed);
    TSurface native(24, 20), standard(24, 20);
    Native->DrawTabBorder(native.Cx, kRight, bRight, cxBordersAll, false);
    Standard->DrawTabBorder(standard.Cx, kRight, bRight, cxBordersAll, false);
    EXPECT_EQ(native.AllWhite(), themed);
    if (!themed) EXPECT_EQ(native.Differences(standard), 0);
  }
  SetThemeActive(true);
}
