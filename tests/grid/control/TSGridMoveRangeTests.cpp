// Moving a dragged column or row, alone or with the whole selection gathered into one block, with
// the widths, the visible lists, the selection marks and the moved events following; the insertion
// row, the top-left entry point and the heading-button hit tests.
#include "GridControlTestSupport.h"
#include "Strings.h"
#include "TSSetLib.h"

using namespace GridControlTest;

namespace {

class MoveRangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid = New<TtsGrid>();
    Grid->SetGridColCount(8);
    Grid->SetGridRowCount(8);
    Grid->OnColMoved = [this](TObject*, Integer To, Integer Count, bool ByUser) {
      Moved.push_back({To, Count, ByUser});
    };
    Grid->OnRowMoved = [this](TObject*, Integer To, Integer Count, bool ByUser) {
      Moved.push_back({To, Count, ByUser});
    };
  }
  void TearDown() override { FreeAndNil(Grid); }
  // "first-last/count" of a selection.
  static String SelectedEnds(TtsSelection* Selection) {
    return IntToStr(Selection->First) + "-" + IntToStr(Selection->Last) + "/" + IntToStr(Selection->Count);
  }
  struct MovedEvent {
    Integer To, Count;
    bool ByUser;
    bool operator==(const MovedEvent&) const = default;
  };
  TtsGrid* Grid = nullptr;
  std::vector<MovedEvent> Moved;
};

TEST_F(MoveRangeTest, ASelectionIsGatheredIntoOneBlockAtTheDropPlace) {
  struct Case {
    Integer From, To;
    const char* Order;
    const char* Selection;
  } cases[] = {
      {7, 4, "1,3,2,5,7,4,6,8", "3-5/3"},
      {2, 6, "1,3,4,6,2,5,7,8", "5-7/3"},
      {5, 1, "2,5,7,1,3,4,6,8", "1-3/3"},
      {2, 8, "1,3,4,6,8,2,5,7", "6-8/3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Order);
    TearDown();
    SetUp();
    for (Integer col = 1; col <= 8; ++col) Grid->GetCols()->GetItem(col)->SetWidth(10 * col);
    for (Integer col : {2, 5, 7}) Grid->SelectCols(col, col, true);
    Moved.clear();
    Grid->MoveColRange(c.From, c.To);
    EXPECT_EQ(DisplayColOrder(Grid), c.Order);
    EXPECT_EQ(SelectedEnds(Grid->GetColSelection()), c.Selection);
    for (Integer position = 1; position <= 8; ++position) {
      Integer data = Grid->GetDataColnr(position);
      EXPECT_EQ(Grid->GetColWidths(position), 10 * data) << position;
      EXPECT_EQ(Grid->GetCols()->GetItem(data)->GetDisplayCol(), position);
      EXPECT_EQ(Grid->GetColSelection()->GetSelected(position), data == 2 || data == 5 || data == 7);
    }
    Integer first = Grid->GetColSelection()->First;
    EXPECT_EQ(Moved, (std::vector<MovedEvent>{{first, 3, true}}));
  }
}

TEST_F(MoveRangeTest, AnUnselectedColumnMovesAloneWithItsWidthAndHiddenOnesStayListed) {
  Grid->GetCols()->GetItem(2)->SetWidth(77);
  Grid->GetCols()->GetItem(4)->SetVisible(false);
  Grid->MoveColRange(2, 5);
  EXPECT_EQ(DisplayColOrder(Grid), "1,3,4,5,2,6,7,8");
  EXPECT_EQ(Grid->GetColWidths(5), 77);
  EXPECT_EQ(Moved, (std::vector<MovedEvent>{{5, 1, true}}));
  TtsVisibleItems* visible = Grid->GetVisibleColItems();
  ASSERT_EQ(visible->GetSize(), 7);
  for (Integer i = 1; i <= 7; ++i) EXPECT_NE(visible->GetItem(i), 3) << "hidden column 4 sits at position 3";
  Grid->MoveColRange(3, 3);
  EXPECT_EQ(Moved.size(), 1u);
}

TEST_F(MoveRangeTest, ManySelectedColumnsRebuildTheVisibleListOnce) {
  Grid->SetGridColCount(240);
  for (Integer col = 1; col <= 240; col += 2) Grid->SelectCols(col, col, true);
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  Grid->MoveColRange(239, 3);
  TtsVisibleItems* visible = Grid->GetVisibleColItems();
  ASSERT_EQ(visible->GetSize(), 239);
  Integer hidden = Grid->GetCols()->GetItem(2)->GetDisplayCol();
  Integer entry = 0;
  for (Integer position = 1; position <= 240; ++position)
    if (position != hidden) EXPECT_EQ(visible->GetItem(++entry), position);
  EXPECT_EQ(SelectedEnds(Grid->GetColSelection()), "2-121/120");
}

TEST_F(MoveRangeTest, RowBlocksMoveAndTheInsertionRowIsLeftOutOfTheSelection) {
  for (Integer row : {2, 5, 7}) Grid->SelectRows(row, row, true);
  Grid->MoveRowRange(7, 4);
  EXPECT_EQ(DisplayRowOrder(Grid), "1,3,2,5,7,4,6,8");
  EXPECT_EQ(SelectedEnds(Grid->GetRowSelection()), "3-5/3");
  EXPECT_EQ(Moved, (std::vector<MovedEvent>{{3, 3, true}}));

  Grid->SetGridMode(gmEditInsert);
  Grid->SelectRows(9, 9, true);
  Grid->MoveRowRange(3, 1);
  EXPECT_FALSE(Grid->GetRowSelection()->GetSelected(9));
  EXPECT_EQ(DisplayRowOrder(Grid), "2,5,7,1,3,4,6,8");
  EXPECT_TRUE(Grid->IsInsertRow(9));
  EXPECT_TRUE(Grid->IsAppendRow(9));
  Grid->SetInsertRowOff();
  EXPECT_FALSE(Grid->IsAppendRow(Grid->GetRowCount() - 1));
  Grid->ShowInsertionRow();
  EXPECT_EQ(Grid->GetInsertionRow(), 1);
  EXPECT_EQ(Grid->GetRowCount(), Grid->GetGridRowCount() + 2);
}

TEST_F(MoveRangeTest, DiffSelectedCountsThePositionsPassed) {
  for (Integer col : {2, 5, 7}) Grid->SelectCols(col, col, true);
  EXPECT_EQ(Grid->DiffSelectedCols(7, 1), 3);  // 2..7
  EXPECT_EQ(Grid->DiffSelectedCols(7, 5), 1);  // 6..7
  EXPECT_EQ(Grid->DiffSelectedCols(2, 8), -3);  // 2..7
  EXPECT_EQ(Grid->DiffSelectedCols(4, 4), 0);
  EXPECT_EQ(Grid->DiffSelectedRows(8, 1), 0);
}

TEST_F(MoveRangeTest, InsertRowIsNeverReportedOutsideInsertMode) {
  for (Integer row = 0; row <= Grid->GetRowCount(); ++row) EXPECT_FALSE(Grid->IsInsertRow(row)) << row;
}

}  // namespace

namespace {

class HeadingHitTest : public WindowGridTest {};

TEST_F(HeadingHitTest, AHeadingButtonCountsOnlyInItsUpperPartAndAHeadingCellAnywhereInTheHeading) {
  auto* grid = MakeGrid(600, 300, 4, 6);
  grid->SetHeadingHeight(40);
  grid->SetHeadingButton(hbButton);
  Pump();
  TtsDrawData data;
  grid->GetDrawData(2, 0, data, false);
  const TRect& button = data.ButtonRect;
  ASSERT_GT(button.bottom - button.top, 14);
  Integer x = (button.left + button.right) / 2;
  EXPECT_TRUE(grid->CanClickHeading(x, button.top + 13, 2));
  EXPECT_FALSE(grid->CanClickHeading(x, button.top + 14, 2));
  EXPECT_FALSE(grid->CanClickHeading(button.right, button.top + 2, 2));
  EXPECT_FALSE(grid->CanClickHeading(x, button.top + 2, 5)) << "no such column";

  grid->SetHeadingButton(hbCell);
  EXPECT_FALSE(grid->MouseOverHeadingButton(x, button.top + 2, 2));
  EXPECT_TRUE(grid->CanClickHeading(3, 40, 2));
  EXPECT_FALSE(grid->CanClickHeading(3, 41, 2));
  grid->SelectCols(2, 2, true);
  EXPECT_FALSE(grid->CanClickHeading(3, 20, 2)) << "a selected heading is not clicked";
  grid->SetHeadingButton(hbNone);
  EXPECT_FALSE(grid->CanClickHeading(3, 20, 3));
}

TEST_F(HeadingHitTest, SetTopLeftKeepsTheViewFilledAndSettlesOnVisibleColumns) {
  auto* grid = MakeGrid(300, 200, 20, 30);
  Pump();
  grid->SetTopLeft(1000, 1000);
  TGridCoord max = grid->GetMaxTopLeft();
  EXPECT_EQ(grid->GetLeftCol(), max.X);
  EXPECT_EQ(grid->GetTopRow(), max.Y);
  grid->GetCols()->GetItem(5)->SetVisible(false);
  grid->SetTopLeft(5, 2);
  EXPECT_NE(grid->GetLeftCol(), 5);
  EXPECT_TRUE(grid->GetCols()->GetItem(grid->GetDataColnr(grid->GetLeftCol()))->GetVisible());
  EXPECT_EQ(grid->GetTopRow(), 2);
}

}  // namespace
