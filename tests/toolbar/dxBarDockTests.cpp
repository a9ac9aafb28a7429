// Docks with toolbar windows on them: where a docked toolbar lands (rows wanted, whole rows, rows past
// the last), how the windows of a row share it, and how a dock sizes itself to its rows and keeps its
// far edge.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Forms.h"
#include "Strings.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarDock.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarTestSupport.h"
#include "dxBarToolbarControl.h"

namespace {

struct DockFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = nullptr;

  void SetUp() override {
    Form->SetBounds(0, 0, 500, 400);
    Manager = New<TdxBarManager>(Form.get());
    Form->Show();
  }
  // A toolbar of AButtons buttons docked at AStyle in ARow.
  TdxBar* Dock(TdxBarDockingStyle AStyle, Integer AButtons, Integer ARow = 0, bool AOneOnRow = false) {
    TdxBar* bar = Manager->GetBars()->Add();
    for (Integer i = 0; i < AButtons; ++i) {
      TdxBarItem* button = Manager->AddButton();
      button->SetCaption("Button " + IntToStr(i));
      bar->GetItemLinks()->Add(button);
    }
    bar->SetOneOnRow(AOneOnRow);
    bar->SetRow(ARow);
    bar->SetDockingStyle(AStyle);
    bar->SetVisible(true);
    Application->ProcessMessages();
    return bar;
  }
  static TdxBarControl* WindowOf(TdxBar* ABar) { return dynamic_cast<TdxBarControl*>(ABar->GetControl()); }
  TdxDockControl* DockOf(TdxBarDockingStyle AStyle) { return Manager->GetInternalDockControl(AStyle); }
};

TEST_F(DockFixture, ToolbarsShareARowUnlessOneOnRowOrWholeRow) {
  TdxBar* first = Dock(dsTop, 2);
  TdxBar* second = Dock(dsTop, 2);
  TdxDockControl* top = DockOf(dsTop);
  ASSERT_EQ(top->GetRowCount(), 1);
  EXPECT_EQ(top->GetRow(0)->GetColCount(), 2);
  EXPECT_FALSE(first->GetOneOnRow()) << "a row of two columns clears the flag of its toolbars";
  // Both asked for position 0: the later one goes in front and the earlier one makes way.
  EXPECT_EQ(top->GetRow(0)->GetCol(0)->GetBarControl(), WindowOf(second));
  EXPECT_EQ(WindowOf(second)->GetBoundsRect().right, WindowOf(first)->GetLeft());

  TdxBar* alone = Dock(dsTop, 1, 0, true);
  EXPECT_EQ(top->GetRowCount(), 2);
  EXPECT_EQ(alone->GetDockRow()->GetColCount(), 1);
  TdxBar* whole = Manager->GetBars()->Add();
  whole->GetItemLinks()->Add(Manager->AddButton());
  whole->SetWholeRow(true);
  whole->SetDockingStyle(dsTop);
  whole->SetVisible(true);
  EXPECT_EQ(top->GetRowCount(), 3);
  EXPECT_EQ(whole->GetDockRow()->GetColCount(), 1);
  EXPECT_EQ(WindowOf(whole)->GetWidth(), top->GetClientWidth());
  // The dock is as high as its rows.
  Integer rows = 0;
  for (Integer i = 0; i < top->GetRowCount(); ++i) {
    const TRect r = top->GetRectForRow(i);
    EXPECT_EQ(r.top, rows);
    rows = r.bottom;
  }
  EXPECT_EQ(top->GetHeight(), rows);
}

TEST_F(DockFixture, FarDocksKeepTheirFarEdgeAndEmptyDocksTakeNoRoom) {
  EXPECT_EQ(DockOf(dsBottom)->GetHeight(), 0);
  EXPECT_EQ(DockOf(dsRight)->GetWidth(), 0);
  Dock(dsBottom, 2);
  Dock(dsRight, 2);
  TdxDockControl* bottom = DockOf(dsBottom);
  TdxDockControl* right = DockOf(dsRight);
  EXPECT_GT(bottom->GetHeight(), 0);
  EXPECT_EQ(bottom->GetTop() + bottom->GetHeight(), Form->GetClientHeight());
  EXPECT_GT(right->GetWidth(), 0);
  EXPECT_EQ(right->GetLeft() + right->GetWidth(), Form->GetClientWidth());
  EXPECT_TRUE(right->GetVertical());
  EXPECT_EQ(right->GetDockingStyle(), dsRight);
}

TEST_F(DockFixture, WindowsOfARowNeverOverlapAndStayInsideTheDock) {
  std::mt19937 random(37);
  std::vector<TdxBar*> bars;
  for (Integer i = 0; i < 4; ++i) bars.push_back(Dock(dsTop, 1 + static_cast<Integer>(random() % 4)));
  TdxDockControl* top = DockOf(dsTop);
  for (Integer width : {500, 420, 300, 160, 640}) {
    Form->SetClientWidth(width);
    Application->ProcessMessages();
    for (Integer r = 0; r < top->GetRowCount(); ++r) {
      TdxDockRow* row = top->GetRow(r);
      // A row shorter than its windows at their smallest cannot hold them: only their order is kept.
      Integer widths = 0;
      for (Integer c = 0; c < row->GetColCount(); ++c) widths += row->GetCol(c)->GetBarControl()->GetWidth();
      const bool fits = widths <= top->GetClientWidth();
      for (Integer c = 0; c < row->GetColCount(); ++c) {
        const TRect bounds = row->GetCol(c)->GetBarControl()->GetBoundsRect();
        SCOPED_TRACE(testing::Message() << "width " << width << " row " << r << " column " << c);
        EXPECT_GE(bounds.left, 0);
        if (fits) EXPECT_LE(bounds.right, top->GetClientWidth());
        if (c > 0) EXPECT_GE(bounds.left, row->GetCol(c - 1)->GetBarControl()->GetBoundsRect().right);
      }
    }
  }
}

}  // namespace

namespace {

TEST_F(DockFixture, ADockControlOfTheApplicationFollowsItsAlignmentColourAndBorder) {
  auto* dock = New<TdxBarDockControl>(Form.get());
  dock->SetParent(Form.get());
  dock->SetBarManager(Manager);
  dock->SetBounds(0, 100, 300, 40);
  Application->ProcessMessages();
  EXPECT_EQ(dock->GetHeight(), 0) << "an empty dock takes no room at run time";
  EXPECT_EQ(dock->GetMinSize(), 0);
  const std::pair<TdxBarDockAlign, TdxBarDockingStyle> aligns[] = {
      {dalNone, dsTop}, {dalTop, dsTop}, {dalBottom, dsBottom}, {dalLeft, dsLeft}, {dalRight, dsRight}};
  for (auto [align, style] : aligns) {
    dock->SetAlign(align);
    EXPECT_EQ(dock->GetDockingStyle(), style) << align;
  }
  dock->SetAlign(dalTop);
  TdxBar* bar = Manager->GetBars()->Add();
  bar->GetItemLinks()->Add(Manager->AddButton());
  bar->SetDockControl(dock);
  bar->SetVisible(true);
  Application->ProcessMessages();
  EXPECT_EQ(WindowOf(bar)->GetDockControl(), dock);
  EXPECT_EQ(dock->GetHeight(), WindowOf(bar)->GetHeight());
  dock->SetAlign(dalLeft);
  EXPECT_EQ(WindowOf(bar)->GetDockingStyle(), dsLeft) << "the docked windows follow the alignment";

  EXPECT_FALSE(dock->GetUseOwnColor());
  dock->SetDockColor(clRed);
  EXPECT_TRUE(dock->GetUseOwnColor()) << "a colour set outside loading is the dock's own";
  Manager->SetSunkenBorder(true);
  EXPECT_TRUE(dock->GetSunkenBorder());
  dock->SetSunkenBorder(false);
  EXPECT_TRUE(dock->GetUseOwnSunkenBorder());
  EXPECT_FALSE(dock->GetSunkenBorder());
}

}  // namespace
