// The Office 2003 painter in the blue scheme: buttons in every state, the symbol colour by scheme,
// header gradients and edges, and scroll bars that follow the visual style.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Units.h"
#include "UxTheme.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersNative.h"
#include "cxLookAndFeelPaintersOffice11.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"
#include "dxOffice11.h"

using namespace PainterTestSurface;

namespace {

TcxCustomLookAndFeelPainterClass Office11() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxOffice11LookAndFeelPainter>();
}
// The class's shared instance, for the slots that only this painter has.
const TcxOffice11LookAndFeelPainter* Office11Instance() {
  return static_cast<const TcxOffice11LookAndFeelPainter*>(Office11().operator->());
}

class cxOffice11Painter : public ::testing::Test {
 protected:
  void SetUp() override {
    SetThemeActive(true);
    SetThemeColorScheme(tcsNormalColor);
    CreateOffice11Colors();
  }
  void TearDown() override {
    SetThemeActive(true);
    SetThemeColorScheme(tcsNormalColor);
    ReleaseOffice11Colors();
  }
};

const char* StateName(TcxButtonState AState) {
  static const char* names[] = {"default", "normal", "hot", "pressed", "disabled"};
  return names[AState];
}

}  // namespace

TEST_F(cxOffice11Painter, ButtonsInEveryStateTakeTheSchemeColours) {
  ASSERT_TRUE(IsXPStandardScheme());
  struct Case {
    TcxButtonState State;
    COLORREF Border;
    int BorderWidth;
    COLORREF Face;
  } cases[] = {
      {cxbsDefault, RGBOf(clWindowFrame), 2, dxOffice11DockColor1},
      {cxbsNormal, RGBOf(clBtnText), 1, dxOffice11DockColor1},
      {cxbsHot, dxOffice11SelectedBorderColor, 1, dxOffice11SelectedColor1},
      {cxbsPressed, dxOffice11SelectedBorderColor, 1, dxOffice11SelectedDownColor1},
      {cxbsDisabled, dxOffice11TextDisabledColor, 1, RGBOf(clBtnFace)},
  };
  const TRect R(1, 1, 25, 19);
  for (const Case& c : cases) {
    SCOPED_TRACE(StateName(c.State));
    TSurface s(26, 20);
    Office11()->DrawButton(s.Cx, R, String(), c.State);
    for (int i = 0; i < c.BorderWidth; ++i) EXPECT_TRUE(s.RingIs(cxRectInflate(R, -i, -i), c.Border)) << i;
    const TRect face = cxRectInflate(R, -c.BorderWidth, -c.BorderWidth);
    EXPECT_EQ(s.Count(face, c.Face & 0xFFFFFF), face.Width() * face.Height());
  }
}

TEST_F(cxOffice11Painter, SymbolColoursComeFromTheSchemeAndIgnoreTheCallersColour) {
  const auto painter = Office11();
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsNormal, clRed), static_cast<TColor>(dxOffice11TextEnabledColor));
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsDisabled, clRed), static_cast<TColor>(dxOffice11TextDisabledColor));
  // With a theme colour scheme a pressed caption stays in the enabled text colour...
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsPressed), static_cast<TColor>(dxOffice11TextEnabledColor));
  // ...with the classic colours it turns to highlight text.
  SetThemeActive(false);
  ASSERT_FALSE(IsXPStandardScheme());
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsPressed, clRed), clHighlightText);
}

TEST_F(cxOffice11Painter, HeadersAreGradientsAndAHotHeaderIsUnderlined) {
  const auto* painter = Office11Instance();
  const COLORREF top = painter->HeaderTopColor() & 0xFFFFFF;
  const COLORREF hotFill = dxOffice11ToolbarsColor1 & 0xFFFFFF;
  ASSERT_NE(top, hotFill);
  const TRect R(0, 0, 40, 20);
  struct Case {
    TcxButtonState State;
    COLORREF Fill;
    bool Underlined;
  } cases[] = {{cxbsNormal, top, false}, {cxbsHot, hotFill, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(StateName(c.State));
    TSurface s(40, 20);
    painter->DrawHeader(s.Cx, R, R, TcxNeighbors(), cxBordersAll, c.State, taLeftJustify, vaTop, false, false,
                        String(), nullptr, clBlack, clRed);
    // The caller's background colour never shows: every header goes through the gradient.
    EXPECT_EQ(s.Count(R, RGBOf(clRed)), 0);
    EXPECT_EQ(s.Count(TRect(1, 1, 39, 16), c.Fill), 38 * 15);
    // The underline runs over the bottom edge and one pixel into the left one.
    const COLORREF bottomEdge = painter->HeaderDarkEdgeColor() & 0xFFFFFF,
                   leftEdge = painter->HeaderHighlightEdgeColor() & 0xFFFFFF;
    EXPECT_EQ(s.At(20, 19) != bottomEdge, c.Underlined);
    EXPECT_EQ(s.At(0, 17) != leftEdge, c.Underlined);
    EXPECT_EQ(s.Count(TRect(0, 17, 39, 20), c.Fill), 0);
  }
}

TEST_F(cxOffice11Painter, HeaderEdgesFadeIntoTheGradient) {
  const auto* painter = Office11Instance();
  const COLORREF T = painter->HeaderTopColor(), B = painter->HeaderBottomColor(), D = painter->HeaderDarkEdgeColor(),
                 H = painter->HeaderHighlightEdgeColor();
  const TRect R(0, 0, 10, 12);
  struct Case {
    TcxNeighbors Neighbors;
    struct {
      int X, Y;
      COLORREF Color;
    } Pixels[6];
  } cases[] = {
      {TcxNeighbors(),
       {{0, 1, H}, {0, 10, B}, {9, 0, GetMiddleRGB(T, D, 50)}, {9, 10, GetMiddleRGB(B, D, 50)}, {9, 5, D}, {5, 11, D}}},
      {TcxNeighbors{nLeft, nRight},
       {{0, 1, T}, {0, 9, GetMiddleRGB(T, B, 25)}, {9, 1, T}, {9, 2, D}, {0, 2, H}, {9, 10, B}}},
  };
  for (const Case& c : cases) {
    TSurface s(10, 12);
    painter->DrawHeaderBorder(s.Cx, R, c.Neighbors, cxBordersAll);
    EXPECT_EQ(s.At(5, 0), T & 0xFFFFFF);
    for (const auto& p : c.Pixels) EXPECT_EQ(s.At(p.X, p.Y), p.Color & 0xFFFFFF) << p.X << "," << p.Y;
  }
  EXPECT_EQ(painter->HeaderBorders(TcxNeighbors{nLeft, nTop}), cxBordersAll);
}

TEST_F(cxOffice11Painter, ScrollBarsFollowTheVisualStyleAndLookStandardWithoutIt) {
  const TRect R(0, 0, 17, 17);
  for (bool themed : {true, false}) {
    SCOPED_TRACE(themed ? "themed" : "classic");
    SetThemeActive(themed);
    const auto expected = themed ? TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>()
                                 : TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
    for (TcxScrollBarPart part : {sbpLineUp, sbpThumbnail, sbpPageDown}) {
      TSurface office(17, 17), reference(17, 17);
      Office11()->DrawScrollBarPart(office.Cx, false, R, part, cxbsNormal);
      expected->DrawScrollBarPart(reference.Cx, false, R, part, cxbsNormal);
      EXPECT_FALSE(office.AllWhite()) << part;
      EXPECT_EQ(office.Differences(reference), 0) << part;
    }
  }
}


TEST_F(cxOffice11Painter, ExpandButtonsAreTheSchemeGlyphsWithCornersBlendedIntoTheBackground) {
  const TRect R(3, 4, 14, 15);  // 11 x 11
  for (TColor background : {clWhite, clRed}) {
    for (bool expanded : {true, false}) {
      SCOPED_TRACE(expanded ? "expanded" : "collapsed");
      TSurface s(18, 18), small(18, 18);
      s.Cx->FillRect(TRect(0, 0, 18, 18), background);
      small.Cx->FillRect(TRect(0, 0, 18, 18), background);
      Office11()->DrawExpandButton(s.Cx, R, expanded, clGreen);
      Office11()->DrawSmallExpandButton(small.Cx, R, expanded, clBlue, clGreen);
      TBitmap* glyph = expanded ? dxOffice11ExpandButtonBitmap1 : dxOffice11ExpandButtonBitmap2;
      ASSERT_TRUE(glyph && glyph->GetWidth() == 11 && glyph->GetHeight() == 11);
      const COLORREF back = RGBOf(background);
      EXPECT_EQ(s.At(3, 4), GetMiddleRGB(dxOffice11ExpandButtonColor1, back, 25) & 0xFFFFFF);
      for (TPoint p : {TPoint(13, 14), TPoint(3, 14), TPoint(13, 4)})
        EXPECT_EQ(s.At(p.x, p.y), GetMiddleRGB(dxOffice11ExpandButtonColor2, back, 25) & 0xFFFFFF);
      int mismatches = 0;  // away from the corners, the glyph as it is
      for (int y = 1; y < 10; ++y)
        for (int x = 1; x < 10; ++x)
          mismatches += s.At(R.left + x, R.top + y) != (glyph->GetCanvas()->GetPixel(x, y) & 0xFFFFFF);
      EXPECT_EQ(mismatches, 0);
      EXPECT_EQ(s.Count(TRect(0, 0, 18, 18), back) - s.Count(R, back), 18 * 18 - 121);  // nothing outside R
      EXPECT_EQ(s.Differences(small), 0);  // the small button is the same drawing
    }
  }
  EXPECT_EQ(Office11()->ExpandButtonSize(), 11);
  EXPECT_EQ(Office11()->SmallExpandButtonSize(), 11);
  EXPECT_FALSE(Office11()->DrawExpandButtonFirst());
}

TEST_F(cxOffice11Painter, PlusAndMinusDifferOnlyInTheirUpright) {
  TSurface plus(11, 11), minus(11, 11);
  Office11()->DrawExpandButton(plus.Cx, TRect(0, 0, 11, 11), false);
  Office11()->DrawExpandButton(minus.Cx, TRect(0, 0, 11, 11), true);
  EXPECT_GT(plus.Differences(minus), 0);
  // The difference lies on the middle column.
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 11; ++x)
      if (plus.At(x, y) != minus.At(x, y)) EXPECT_EQ(x, 5) << y;
}

// In a process of its own: the painter unit holds a reference on the Office 2003 colours from its
// start, so the very first drawing with this look is in the scheme's colours, not in zeros.
TEST(cxOffice11PainterStart, TheFirstDrawingInAProcessHasTheSchemeColours) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // the child runs the program afresh
  // The drawing's objects are gone before the child exits, so that it leaves nothing behind.
  const auto firstDrawingHasTheColours = [] {
    const auto painter = TcxCustomLookAndFeelPainterClass::Of<TcxOffice11LookAndFeelPainter>();
    TSurface s(30, 20), e(11, 11);
    painter->DrawButton(s.Cx, TRect(0, 0, 30, 20), String(), cxbsNormal);
    painter->DrawExpandButton(e.Cx, TRect(0, 0, 11, 11), true);
    const bool colours = dxOffice11DockColor1 != 0 && dxOffice11DockColor1 != dxOffice11SelectedBorderColor;
    return colours && s.At(15, 10) == (dxOffice11DockColor1 & 0xFFFFFF) && !e.AllWhite();
  };
  // The child ends as the test program does: units stopped, its private configuration folder removed.
  const auto endChild = [](bool AResult) {
    Units::FinalizeUnits();
    std::error_code ignored;
    if (const char* sandbox = std::getenv("XDG_CONFIG_HOME")) std::filesystem::remove_all(sandbox, ignored);
    std::exit(AResult ? 0 : 1);
  };
  EXPECT_EXIT(endChild(firstDrawingHasTheColours()), ::testing::ExitedWithCode(0), "");
}
