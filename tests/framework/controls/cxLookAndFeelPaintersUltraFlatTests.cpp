// The ultra-flat painter, the application's default look: buttons in every state, borders, scroll-bar
// parts, check boxes, headers and the values that other drawings size themselves by.
#include <gtest/gtest.h>

#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPaintersUltraFlat.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

TcxCustomLookAndFeelPainterClass UltraFlat() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>();
}

const char* StateName(TcxButtonState AState) {
  static const char* names[] = {"default", "normal", "hot", "pressed", "disabled"};
  return names[AState];
}

}  // namespace

TEST(cxUltraFlatPainter, ButtonsInEveryStateHaveTheirFrameAndFace) {
  struct Case {
    TcxButtonState State;
    TColor Border;
    int BorderWidth;
    COLORREF Face;
  } cases[] = {
      {cxbsDefault, clWindowFrame, 2, RGBOf(clBtnFace)},
      {cxbsNormal, clBtnText, 1, RGBOf(clBtnFace)},
      {cxbsHot, clHighlight, 1, RGBOf(GetLightSelColor())},
      {cxbsPressed, clHighlight, 1, RGBOf(GetLightDownedSelColor())},
      {cxbsDisabled, clBtnShadow, 1, RGBOf(clBtnFace)},
  };
  const TRect R(2, 2, 26, 20);
  for (const Case& c : cases) {
    SCOPED_TRACE(StateName(c.State));
    TSurface s(30, 24);
    UltraFlat()->DrawButton(s.Cx, R, String(), c.State);
    EXPECT_EQ(UltraFlat()->ButtonBorderSize(c.State), c.BorderWidth);
    for (int i = 0; i < c.BorderWidth; ++i) EXPECT_TRUE(s.RingIs(cxRectInflate(R, -i, -i), RGBOf(c.Border))) << i;
    const TRect face = cxRectInflate(R, -c.BorderWidth, -c.BorderWidth);
    EXPECT_EQ(s.Count(face, c.Face), face.Width() * face.Height());
    EXPECT_EQ(s.Count(TRect(0, 0, 30, 24), kWhite), 30 * 24 - R.Width() * R.Height());  // nothing outside R
  }
}

TEST(cxUltraFlatPainter, APressedButtonWritesItsCaptionInHighlightTextWithoutMovingIt) {
  const TRect R(0, 0, 40, 20), inner = cxRectInflate(R, -1, -1);
  TSurface hot(40, 20), pressed(40, 20);
  UltraFlat()->DrawButton(hot.Cx, R, "Wm", cxbsHot);
  UltraFlat()->DrawButton(pressed.Cx, R, "Wm", cxbsPressed);
  const TRect hotInk = hot.InkBox(inner, RGBOf(GetLightSelColor()));
  const TRect pressedInk = pressed.InkBox(inner, RGBOf(GetLightDownedSelColor()));
  ASSERT_FALSE(cxRectIsEmpty(hotInk));
  EXPECT_TRUE(cxRectIsEqual(hotInk, pressedInk));
  EXPECT_GT(pressed.Count(inner, RGBOf(clHighlightText)), 0);
  EXPECT_GT(hot.Count(inner, RGBOf(clBtnText)), 0);
}

TEST(cxUltraFlatPainter, BordersAreOnePixelOfButtonShadow) {
  TSurface s(20, 20);
  const TRect R(3, 3, 17, 15);
  UltraFlat()->DrawBorder(s.Cx, R);
  EXPECT_EQ(UltraFlat()->BorderSize(), 1);
  EXPECT_TRUE(s.RingIs(R, RGBOf(clBtnShadow)));
  EXPECT_EQ(s.Count(cxRectInflate(R, -1, -1), kWhite), 12 * 10);  // the interior is left alone
}

TEST(cxUltraFlatPainter, ButtonsInAGroupShowHighlightedSeparatorsOnlyWhenHotOrPressed) {
  TSurface s(30, 10);
  UltraFlat()->DrawButtonInGroup(s.Cx, TRect(0, 0, 10, 10), cxbsNormal, 3, 0, clRed);
  UltraFlat()->DrawButtonInGroup(s.Cx, TRect(10, 0, 20, 10), cxbsHot, 3, 1, clRed);
  // The first button loses one pixel at its left, top and bottom and is framed in the given colour.
  EXPECT_EQ(s.At(0, 5), kWhite);
  EXPECT_EQ(s.At(5, 0), kWhite);
  EXPECT_TRUE(s.RingIs(TRect(1, 1, 10, 9), RGBOf(clRed)));
  EXPECT_EQ(s.Count(TRect(2, 2, 9, 8), RGBOf(clBtnFace)), 7 * 6);
  // A hot middle button: highlighted columns at both sides, the light selection colour between.
  EXPECT_EQ(s.Count(TRect(10, 1, 11, 9), RGBOf(clHighlight)), 8);
  EXPECT_EQ(s.Count(TRect(19, 1, 20, 9), RGBOf(clHighlight)), 8);
  EXPECT_EQ(s.Count(TRect(11, 1, 19, 9), RGBOf(GetLightSelColor())), 8 * 8);
  EXPECT_EQ(s.At(15, 0), kWhite);
  EXPECT_EQ(s.At(15, 9), kWhite);
}

TEST(cxUltraFlatPainter, ScrollBarButtonsAndThumb) {
  struct Case {
    TcxScrollBarPart Part;
    TcxButtonState State;
    TColor Frame, Face;
    TColor Arrow;  // clNone: no arrow
  } cases[] = {
      {sbpLineUp, cxbsNormal, clBtnText, clBtnFace, clBtnText},
      {sbpLineDown, cxbsHot, clHighlight, GetLightSelColor(), clBtnText},
      {sbpLineUp, cxbsPressed, clHighlight, GetLightDownedSelColor(), clHighlightText},
      {sbpThumbnail, cxbsNormal, clBtnText, clBtnFace, clNone},
      {sbpThumbnail, cxbsPressed, clHighlight, GetLightDownedSelColor(), clNone},
  };
  const TRect R(0, 0, 17, 17), inner = cxRectInflate(R, -1, -1);
  TSurface normal(17, 17);
  UltraFlat()->DrawScrollBarPart(normal.Cx, false, R, sbpLineUp, cxbsNormal);
  const TRect normalArrow = normal.InkBox(inner, RGBOf(clBtnFace));
  ASSERT_FALSE(cxRectIsEmpty(normalArrow));
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Part << " " << StateName(c.State));
    TSurface s(17, 17);
    UltraFlat()->DrawScrollBarPart(s.Cx, false, R, c.Part, c.State);
    EXPECT_TRUE(s.RingIs(R, RGBOf(c.Frame)));
    const TRect ink = s.InkBox(inner, RGBOf(c.Face));
    if (c.Arrow == clNone) {
      EXPECT_TRUE(cxRectIsEmpty(ink));
      continue;
    }
    EXPECT_EQ(s.Count(inner, RGBOf(c.Face)) + s.Count(inner, RGBOf(c.Arrow)), inner.Width() * inner.Height());
    if (c.Part == sbpLineUp) {
      EXPECT_TRUE(cxRectIsEqual(ink, normalArrow));  // pressed: no offset
    }
  }
}

TEST(cxUltraFlatPainter, ScrollBarPartsThatDrawNothing) {
  struct Case {
    const char* Name;
    TRect R;
    TcxScrollBarPart Part;
    TcxButtonState State;
  } cases[] = {
      {"disabled thumb", TRect(0, 0, 16, 16), sbpThumbnail, cxbsDisabled},
      {"empty rectangle", TRect(4, 4, 4, 16), sbpLineUp, cxbsNormal},
      {"no part", TRect(0, 0, 16, 16), sbpNone, cxbsPressed},
  };
  for (const Case& c : cases) {
    TSurface s(16, 16);
    UltraFlat()->DrawScrollBarPart(s.Cx, true, c.R, c.Part, c.State);
    EXPECT_TRUE(s.AllWhite()) << c.Name;
  }
}

TEST(cxUltraFlatPainter, ScrollBarPageAreasAreFilledWithTheTrackPattern) {
  for (bool pressed : {false, true}) {
    SCOPED_TRACE(pressed ? "pressed" : "normal");
    TSurface s(16, 20);
    UltraFlat()->DrawScrollBarPart(s.Cx, false, TRect(0, 0, 16, 20), sbpPageDown, pressed ? cxbsPressed : cxbsNormal);
    TBitmap* pattern = cxLookAndFeelScrollBarBitmap(pressed);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 16; ++x) {
        const COLORREF expected =
            pattern ? (pattern->GetCanvas()->GetPixel(x % 8, y % 8) & 0xFFFFFF) : RGBOf(clBtnFace);
        ASSERT_EQ(s.At(x, y), expected) << x << "," << y;
      }
  }
}

TEST(cxUltraFlatPainter, CheckBoxesHaveTwoFramesAndATickInTheRightColour) {
  struct Case {
    TcxButtonState State;
    TcxCheckBoxState Check;
    TColor Inner;
    TColor Tick;  // clNone: no tick
  } cases[] = {
      {cxbsNormal, cbsUnchecked, clWindow, clNone},
      {cxbsNormal, cbsChecked, clWindow, clBtnText},
      {cxbsHot, cbsChecked, clWindow, clBtnText},
      {cxbsPressed, cbsChecked, clBtnFace, clBtnText},
      {cxbsDisabled, cbsChecked, clBtnFace, clGrayText},
      {cxbsNormal, cbsGrayed, clWindow, clNone},
  };
  const TRect R(2, 2, 15, 15), inside = cxRectInflate(R, -2, -2);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << StateName(c.State) << " " << c.Check);
    TSurface s(17, 17);
    UltraFlat()->DrawCheckButton(s.Cx, R, c.State, c.Check);
    EXPECT_TRUE(s.RingIs(R, RGBOf(clBtnText)));
    EXPECT_TRUE(s.RingIs(cxRectInflate(R, -1, -1), RGBOf(c.Inner)));
    const int background = s.Count(inside, RGBOf(c.Inner));
    if (c.Tick == clNone) {
      EXPECT_EQ(background, inside.Width() * inside.Height());
    } else {
      const int tick = s.Count(inside, RGBOf(c.Tick));
      EXPECT_GT(tick, 10);
      EXPECT_EQ(background + tick, inside.Width() * inside.Height());
    }
  }
}

TEST(cxUltraFlatPainter, HeaderBordersDrawTheRightAndBottomEdgesAlways) {
  struct Case {
    TcxBorders Borders;
    bool Left, Top;
  } cases[] = {
      {TcxBorders(), false, false},
      {TcxBorders{bLeft}, true, false},
      {cxBordersAll, true, true},
  };
  const TRect R(1, 1, 11, 9);
  for (const Case& c : cases) {
    TSurface s(12, 10);
    UltraFlat()->DrawHeaderBorder(s.Cx, R, TcxNeighbors(), c.Borders);
    const COLORREF text = RGBOf(clBtnText);
    EXPECT_EQ(s.Count(TRect(10, 1, 11, 9), text), 8);
    EXPECT_EQ(s.Count(TRect(1, 8, 11, 9), text), 10);
    EXPECT_EQ(s.Count(TRect(1, 2, 2, 8), text), c.Left ? 6 : 0);
    EXPECT_EQ(s.Count(TRect(2, 1, 10, 2), text), c.Top ? 8 : 0);
  }
}

TEST(cxUltraFlatPainter, ValuesThatLayOutButtonsHeadersAndFilters) {
  const auto painter = UltraFlat();
  EXPECT_EQ(painter->LookAndFeelStyle(), lfsUltraFlat);
  EXPECT_TRUE(painter->IsButtonHotTrack());
  EXPECT_EQ(painter->ButtonTextShift(), 0);
  EXPECT_EQ(painter->HeaderBorders(TcxNeighbors{nLeft, nTop}), (TcxBorders{bRight, bBottom}));
  EXPECT_EQ(painter->HeaderBorders(TcxNeighbors{nRight, nBottom}), cxBordersAll);
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled})
    EXPECT_EQ(painter->ButtonSymbolState(state), cxbsNormal) << StateName(state);
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsPressed, clRed), clHighlightText);
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsHot, clRed), clRed);
  EXPECT_EQ(painter->ButtonSymbolColor(cxbsDisabled, clRed), clBtnShadow);
  EXPECT_EQ(painter->FilterCloseButtonSize(), TPoint(16, 15));

  struct Group {
    int Count, Index;
    TRect Sizes;
  } groups[] = {{1, 0, TRect(2, 2, 1, 2)}, {3, 0, TRect(2, 2, 1, 2)}, {3, 1, TRect(1, 2, 1, 2)}, {3, 2, TRect(1, 2, 2, 2)}};
  for (const Group& g : groups)
    EXPECT_TRUE(cxRectIsEqual(painter->ButtonGroupBorderSizes(g.Count, g.Index), g.Sizes)) << g.Count << "/" << g.Index;

  EXPECT_TRUE(cxRectIsEqual(painter->ButtonFocusRect(nullptr, TRect(0, 0, 20, 10)), TRect(3, 3, 17, 7)));
  EXPECT_TRUE(cxRectIsEqual(painter->ButtonFocusRect(nullptr, TRect(0, 0, 20, 6)), TRect(0, 0, 20, 6)));
}
