// The tab model: tab and visible indexes, the list operations with their index errors, tab settings
// and how hiding the selected tab moves the selection.
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabModel : public TPCFixture {};

// Shows only the tabs whose indexes are given.
void ShowOnly(TcxCustomTabControl* AControl, std::initializer_list<Integer> AVisible) {
  for (Integer i = 0; i < AControl->GetTabs()->GetCount(); ++i)
    AControl->GetTabs()->GetTab(i)->SetVisible(std::find(AVisible.begin(), AVisible.end(), i) != AVisible.end());
}

TEST_F(TabModel, VisibleIndexesMapToTabIndexesByHalvingSearch) {
  TcxTabControl* control = AddTabControl({60, 60, 60, 60, 60, 60, 60, 60, 60, 60});
  ShowOnly(control, {1, 4, 7});
  TcxVisibleTabList* visible = control->GetVisibleTabList();
  struct TCase {
    Integer TabIndex;
    bool Found;
    Integer Position;
  };
  for (const TCase& c : {TCase{5, false, 2}, TCase{9, false, 3}, TCase{0, false, 0}, TCase{1, true, 0},
                         TCase{4, true, 1}, TCase{7, true, 2}}) {
    Integer position = -1;
    EXPECT_EQ(visible->FindVisibleTab(c.TabIndex, position), c.Found) << c.TabIndex;
    EXPECT_EQ(position, c.Position) << c.TabIndex;
    EXPECT_EQ(visible->TabVisibleIndexOf(c.TabIndex), c.Found ? c.Position : -1) << c.TabIndex;
  }
  EXPECT_EQ(control->GetTabs()->GetTab(4)->GetVisibleIndex(), 1);
  EXPECT_EQ(visible->GetTab(2), control->GetTabs()->GetTab(7));
  control->GetTabs()->GetTab(5)->SetVisible(true);
  EXPECT_EQ(visible->TabVisibleIndexOf(7), 3) << "a shown tab takes its sorted place";
}

TEST_F(TabModel, OutOfRangeIndexesRaiseTheirListsErrors) {
  TcxTabControl* control = AddTabControl({60, 60});
  TcxTabs* tabs = control->GetTabs();
  struct TCase {
    const char* Name;
    std::function<void()> Call;
    const char* Message;
  };
  const TCase cases[] = {
      {"Get", [&] { tabs->GetStrings(2); }, "TcxTabs.Get: Tab's index (2) out of bounds"},
      {"Delete", [&] { tabs->Delete(-1); }, "TcxTabs.Delete: Tab's index (-1) out of bounds"},
      {"Insert", [&] { tabs->Insert(3, "x"); }, "TcxTabs.Insert: Tab's index (3) out of bounds"},
      {"Move", [&] { tabs->Move(0, 2); }, "TcxTabs.Move: Tab's index (2) out of bounds"},
      {"PutObject", [&] { tabs->SetObjects(5, nullptr); }, "TcxTabs.PutObject: Tab's index (5) out of bounds"},
      {"GetObject", [&] { tabs->GetObjects(-3); }, "TcxTabs.GetObject: Tab's index (-3) out of bounds"},
      {"GetVisibleTab", [&] { tabs->GetVisibleTab(3); },
       "TcxTabs.GetVisibleTab: TabVisibleIndex (3) must be between 0 and 1"},
      {"visible GetTab", [&] { control->GetVisibleTabList()->GetTab(2); },
       "TcxVisibleTabList.GetTab: TabVisibleIndex (2) must be between 0 and 1"},
  };
  for (const TCase& c : cases) {
    try {
      c.Call();
      ADD_FAILURE() << c.Name << " raised nothing";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.Message) << c.Name;
    }
  }
  ShowOnly(control, {});
  try {
    control->GetVisibleTabList()->GetTab(0);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "TcxVisibleTabList.GetTab: There are no visible tabs");
  }
  EXPECT_EQ(tabs->GetCount(), 2) << "nothing changed on the way";
}

TEST_F(TabModel, ATabShowsTheImageOfItsIndexUntilToldOtherwise) {
  TcxTabControl* control = AddTabControl({60, 60, 60});
  TcxTab* tab = control->GetTabs()->GetTab(2);
  EXPECT_EQ(tab->GetRawImageIndex(), 2);
  EXPECT_FALSE(tab->IsImageIndexStored());
  tab->SetImageIndex(-5);
  EXPECT_EQ(tab->GetRawImageIndex(), -1);
  EXPECT_TRUE(tab->IsImageIndexStored());
  control->GetTabs()->Move(2, 0);
  EXPECT_EQ(tab->GetIndex(), 0) << "moving renumbers the tabs";
  EXPECT_EQ(control->GetTabs()->GetTab(1)->GetIndex(), 1);
}

TEST_F(TabModel, TheFirstTabOfALoadedControlIsSelectedSilently) {
  TcxTabControl* control = AddTabControl({});
  int events = 0;
  control->OnChange = [&](TObject*) { ++events; };
  control->OnChanging = [&](TObject*, bool&) { ++events; };
  control->GetTabs()->Add("60");
  EXPECT_EQ(control->GetTabIndex(), 0);
  EXPECT_EQ(control->GetMainTabVisibleIndex(), 0);
  control->GetTabs()->Add("60");
  EXPECT_EQ(control->GetTabIndex(), 0);
  EXPECT_EQ(events, 0);
}

TEST_F(TabModel, ATabFreedOnItsOwnLeavesItsListOnce) {
  TcxTabControl* control = AddTabControl({10, 20, 30});
  TcxTabs* tabs = control->GetTabs();
  tabs->GetTab(1)->Free();
  ASSERT_EQ(tabs->GetCount(), 2);
  EXPECT_EQ(tabs->GetStrings(1), "30");
  EXPECT_EQ(tabs->GetTab(1)->GetIndex(), 1);
  EXPECT_EQ(control->GetVisibleTabList()->GetCount(), 2);
  tabs->Delete(0);
  ASSERT_EQ(tabs->GetCount(), 1);
  EXPECT_EQ(tabs->GetStrings(0), "30");
}

TEST_F(TabModel, HidingTheSelectedTabMovesAPageControlsSelectionOnly) {
  struct TCase {
    Integer Hidden;
    Integer Expected;
  };
  for (const TCase& c : {TCase{1, 2}, TCase{3, 2}}) {
    TcxPageControl* pages = AddPageControl(4);
    pages->SetActivePageIndex(c.Hidden);
    pages->GetPages(c.Hidden)->SetTabVisible(false);
    EXPECT_EQ(pages->GetTabIndex(), c.Expected) << "the next shown tab, or the last one";
    EXPECT_EQ(pages->GetActivePage(), pages->GetPages(c.Expected));
    pages->Free();
  }
  TcxTabControl* control = AddTabControl({60, 60, 60});
  control->SetTabIndex(1);
  control->GetTabs()->GetTab(1)->SetVisible(false);
  EXPECT_EQ(control->GetTabIndex(), 1) << "a plain tab control keeps the hidden tab selected";
  EXPECT_EQ(control->GetMainTabIndex(), 2);
}

// The last tab, selected but scrolled out of the single row, is hidden without a layout request: the
// selection still moves to a shown tab.
TEST_F(TabModel, HidingTheSelectedLastTabWhileScrolledOutOfViewKeepsAValidSelection) {
  TcxPageControl* pages = AddPageControl(6, 250);
  pages->SetActivePageIndex(5);
  pages->ScrollTabs(-5);
  ASSERT_EQ(pages->GetLeadingTab(), 0);
  ASSERT_TRUE(cxRectIsEmpty(pages->GetTabs()->GetTab(5)->GetVisibleRect()));
  pages->GetPages(5)->SetTabVisible(false);
  EXPECT_EQ(pages->GetTabIndex(), 4);
  EXPECT_EQ(pages->GetActivePage(), pages->GetPages(4));
  EXPECT_EQ(pages->GetMainTabVisibleIndex(), 4);
}

TEST_F(TabModel, SelectingASecondTabNeedsAPainterThatAcceptsSeveral) {
  TcxTabControl* control = AddTabControl({60, 60, 60});
  control->SetTabIndex(0);
  TcxTab* tab = control->GetTabs()->GetTab(2);
  tab->SetSelected(true);
  EXPECT_FALSE(tab->GetSelected()) << "a single-selection painter ignores it";
  TcxPCTestPainter::Pressable = true;
  control->GetTabs()->GetTab(0)->SetSelected(true);
  tab->SetSelected(true);
  EXPECT_TRUE(tab->GetSelected());
  EXPECT_TRUE(control->GetMultiSelect()) << "the second selected tab switches multi-selection on";
}

}  // namespace
