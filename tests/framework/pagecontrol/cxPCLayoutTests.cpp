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

}  // namespace
