// The tab layout: the single scrolling row with its navigator buttons, rows filled and balanced,
// stretched and ordered on the sides of the page, in every tab position.
#include <cmath>

#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabLayout : public TPCFixture {};

// Ten 60-pixel tabs in a control whose row holds 200 pixels once the two 25-pixel arrows are shown.
TEST_F(TabLayout, TheSingleRowShowsTheTabsThatFitFromTheLeadingTabAndCutTheLast) {
  struct TCase {
    Integer TabLength;
    Integer Width;
    Integer ScrollBy;       // arrow clicks forward before looking
    Integer Leading, Trailing;
    bool FullyShown;
  };
  const TCase cases[] = {
      {60, 250, 0, 0, 3, false},  // tabs 0-2 whole, 3 cut at the row's end
      {50, 250, 0, 0, 3, false},  // 0-3 fill the row exactly, but later tabs exist
      {60, 350, 8, 5, 9, true},   // from leading tab 8 the row walks back to 5, which fills 300 pixels
  };
  for (const TCase& c : cases) {
    TcxTabControl* control = AddTabControl({}, c.Width);
    for (int i = 0; i < 10; ++i) control->GetTabs()->Add(IntToStr(c.TabLength));
    control->ScrollTabs(c.ScrollBy);
    SCOPED_TRACE(c.Width);
    EXPECT_EQ(control->GetTabsPosition().RowLength, c.Width - 50);
    EXPECT_EQ(control->GetLeadingTab(), c.Leading);
    EXPECT_EQ(control->GetTrailingTab(), c.Trailing);
    EXPECT_EQ(control->GetTrailingTabFullyShown(), c.FullyShown);
    EXPECT_EQ(FullRect(control, c.Leading).left, 0);
    EXPECT_TRUE((control->GetNavigatorButtons() == TcxPCNavigatorButtons{nbTopLeft, nbBottomRight}));
    control->Free();
  }
}

// Three tabs of 40, 60 and 30 pixels, 20 high, in a 250 x 150 control: the row runs along the tab
// side, backwards (from the bottom) for vertical text read bottom to top.
TEST_F(TabLayout, TheSingleRowLiesAlongTheTabSideInEveryPosition) {
  struct TCase {
    TcxTabPosition Position;
    bool TopToBottomText;
    TRect Rects[3];
  };
  const TCase cases[] = {
      {tpTop, false, {TRect(0, 0, 40, 20), TRect(40, 0, 100, 20), TRect(100, 0, 130, 20)}},
      {tpBottom, false, {TRect(0, 130, 40, 150), TRect(40, 130, 100, 150), TRect(100, 130, 130, 150)}},
      {tpLeft, false, {TRect(0, 110, 20, 150), TRect(0, 50, 20, 110), TRect(0, 20, 20, 50)}},
      {tpRight, false, {TRect(230, 110, 250, 150), TRect(230, 50, 250, 110), TRect(230, 20, 250, 50)}},
      {tpLeft, true, {TRect(0, 0, 20, 40), TRect(0, 40, 20, 100), TRect(0, 100, 20, 130)}},
  };
  for (const TCase& c : cases) {
    TcxTabControl* control = AddTabControl({40, 60, 30}, 250, 150, c.Position);
    if (c.TopToBottomText) control->SetOptions(control->GetOptions() + TcxPCOptions{pcoTopToBottomText});
    for (Integer i = 0; i < 3; ++i) {
      const TRect r = FullRect(control, i);
      EXPECT_TRUE(cxRectIsEqual(r, c.Rects[i]))
          << "position " << c.Position << " tab " << i << ": " << r.left << "," << r.top << "," << r.right << ","
          << r.bottom;
    }
    EXPECT_EQ(control->GetOptimalSize(), 130) << "the length that shows all tabs";
    control->Free();
  }
}

// Rows of 100 pixels without gaps: the greedy fill, then the balancing that spreads free room evenly.
TEST_F(TabLayout, RowsAreFilledThenBalanced) {
  struct TCase {
    std::vector<Integer> Lengths;
    Integer RowLength;
    std::vector<Integer> Rows;
  };
  const TCase cases[] = {
      {{70, 20, 20, 20, 20}, 100, {0, 1, 1, 1, 1}},
      {{30, 30, 30, 30, 30, 30, 30}, 100, {0, 0, 0, 1, 1, 2, 2}},
      {{60, 30, 30, 30, 60}, 100, {0, 0, 1, 1, 2}},
      {{30, 120, 30}, 100, {0, 1, 2}},
      // Slack beyond 1023 pixels: the costs must not overflow, and the choice is the one above.
      {{900, 900, 900, 900, 900, 900, 900}, 3000, {0, 0, 0, 1, 1, 2, 2}},
      {{300, 300, 300, 300, 300, 300, 300}, 3000, {0, 0, 0, 0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    TcxTabControl* control = AddTabControl({}, c.RowLength, 150);
    for (Integer length : c.Lengths) control->GetTabs()->Add(IntToStr(length));
    control->SetMultiLine(true);
    EXPECT_EQ(RowsOf(control), c.Rows) << c.Lengths.size() << " tabs of " << c.Lengths[0];
    control->Free();
  }
}

TEST_F(TabLayout, AWideTabIsCutToTheRowAndRowsAreStretchedUnlessRagged) {
  TcxTabControl* control = AddTabControl({30, 120, 30, 20, 20}, 100);
  control->SetMultiLine(true);
  EXPECT_EQ(control->GetTabs()->GetTab(1)->Position().NormalWidth, 100);
  // The last row (30, 20, 20) shares its 30 free pixels in proportion: 12, 8 and the rest 10.
  EXPECT_EQ(control->GetTabs()->GetTab(2)->Position().NormalWidth, 42);
  EXPECT_EQ(control->GetTabs()->GetTab(3)->Position().NormalWidth, 28);
  EXPECT_EQ(control->GetTabs()->GetTab(4)->Position().NormalWidth, 30);
  control->SetRaggedRight(true);
  EXPECT_EQ(control->GetTabs()->GetTab(2)->Position().NormalWidth, 30);
  EXPECT_EQ(control->GetTabs()->GetTab(4)->Position().NormalWidth, 20);
}

// Whatever the position, the selected tab's row touches the page, and the tabs keep within the tabs
// area without overlapping.
TEST_F(TabLayout, TheSelectedTabsRowTouchesThePageInEveryPosition) {
  for (TcxTabPosition position : {tpTop, tpBottom, tpLeft, tpRight}) {
    TcxTabControl* control = AddTabControl({70, 20, 20, 20, 20}, 100, 100, position);
    control->SetMultiLine(true);
    for (Integer selected : {0, 3}) {
      control->SetTabIndex(selected);
      const Integer row = control->GetTabs()->GetTab(selected)->GetDisplayRow();
      const Integer nearPage = position == tpTop || position == tpLeft ? control->GetTopOrLeftPartRowCount() - 1
                                                                       : control->GetTopOrLeftPartRowCount();
      EXPECT_EQ(row, nearPage) << "position " << position << " selected " << selected;
      const TRect outer = control->GetTabsPosition().OuterTabsRect;
      for (Integer i = 0; i < 5; ++i) {
        const TRect r = FullRect(control, i);
        EXPECT_TRUE(cxRectContain(outer, r)) << "position " << position << " tab " << i;
        for (Integer j = i + 1; j < 5; ++j)
          EXPECT_FALSE(cxRectIntersect(r, FullRect(control, j))) << "tabs " << i << " and " << j;
      }
    }
    control->Free();
  }
}

TEST_F(TabLayout, ScrollOppositeMovesTheRowsAfterTheSelectedOneBehindThePage) {
  TcxTabControl* control = AddTabControl({70, 20, 20, 20, 20}, 100, 100);
  control->SetMultiLine(true);
  control->SetScrollOpposite(true);
  control->SetTabIndex(0);
  EXPECT_EQ(control->GetTopOrLeftPartRowCount(), 1);
  EXPECT_TRUE(control->GetPainter()->GetParentInfo()->GetTabsOnBothSides());
  EXPECT_EQ(FullRect(control, 0).top, 0);
  EXPECT_EQ(FullRect(control, 1).bottom, 100) << "the second row lies below the page";
  const TRect display = control->GetDisplayRect();
  EXPECT_EQ(display.top, 20);
  EXPECT_EQ(display.bottom, 80);
}

TEST_F(TabLayout, ScrollingIntoViewMakesTheTabTheLastOneShown) {
  TcxTabControl* control = AddTabControl({60, 60, 60, 60, 60, 60, 60, 60, 60, 60}, 250);
  control->SetTabIndex(6);
  EXPECT_EQ(control->GetLeadingTab(), 4) << "as many tabs before it as fit the 200 pixels";
  EXPECT_EQ(FullRect(control, 6).right, 180);
  EXPECT_EQ(control->GetTrailingTab(), 7) << "the next tab is cut at the row's end";
  control->SetTabIndex(1);
  EXPECT_EQ(control->GetLeadingTab(), 1);
}

}  // namespace
