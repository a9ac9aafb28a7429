// Cell geometry of a grid with a window: offsets and rectangles with and without the row bar and the
// heading, the line pixel of cut-off cells, hit tests and their clamped form, blocks, the counts of
// columns and rows that fit, the last column and row inside the window, and invalidation.
#include "GridControlTestSupport.h"

using namespace GridControlTest;

namespace {

// A grid of 4 x 6 cells of 64 x 14 (lines included) under a heading of 15 and beside a row bar of 14,
// without scroll bars.
class Geometry : public WindowGridTest {
 protected:
  TTestGrid* Make(Integer Width = 300, Integer Height = 120) {
    TTestGrid* grid = MakeGrid(Width, Height, 4, 6);
    grid->SetScrollBars(ssNone);
    return grid;
  }
  TRect Cell(Integer Col, Integer Row) {
    TRect r;
    Grid->CellRect(Col, Row, r);
    return r;
  }
  TRect FullCell(Integer Col, Integer Row) {
    TRect r;
    Grid->CalcCellRect(Col, Row, r);
    return r;
  }
};

TEST_F(Geometry, OffsetsAndRectanglesFollowTheRowBarAndTheHeading) {
  Make();
  struct TCase {
    bool RowBar, Heading;
    Integer Col, Row;
    TRect Full, Inner;
  };
  const TCase cases[] = {
      {true, true, 0, 0, {0, 0, 14, 15}, {0, 0, 13, 14}},
      {true, true, 1, 1, {14, 15, 78, 29}, {14, 15, 77, 28}},
      {true, true, 2, 3, {78, 43, 142, 57}, {78, 43, 141, 56}},
      {false, true, 1, 1, {0, 15, 64, 29}, {0, 15, 63, 28}},
      {true, false, 1, 1, {14, 0, 78, 14}, {14, 0, 77, 13}},
      {false, false, 4, 6, {192, 70, 256, 84}, {192, 70, 255, 83}},
  };
  for (const TCase& c : cases) {
    Grid->SetRowBarOn(c.RowBar);
    Grid->SetHeadingOn(c.Heading);
    SCOPED_TRACE(testing::Message() << "bar " << c.RowBar << " heading " << c.Heading << " cell " << c.Col << ","
                                    << c.Row);
    EXPECT_EQ(FullCell(c.Col, c.Row), c.Full);
    EXPECT_EQ(Cell(c.Col, c.Row), c.Inner);
    EXPECT_EQ(Grid->CalcColOffset(0), 0) << "column 0 starts at 0 even when hidden";
    EXPECT_EQ(Grid->CalcRowOffset(0), 0);
  }
}

TEST_F(Geometry, ACellCutOffAtTheWindowEdgeKeepsItsLastPixel) {
  Make(250, 80);
  // Column 4 runs 206..270 and row 5 (y 71..85) reach past the client area.
  EXPECT_EQ(FullCell(4, 1), TRect(206, 15, 250, 29));
  EXPECT_EQ(Cell(4, 1), TRect(206, 15, 250, 28));
  EXPECT_EQ(Cell(1, 5), TRect(14, 71, 77, 80));
  // Ending exactly at the edge with the whole width shown: the line pixel goes.
  Grid->SetBounds(0, 0, 270, 80);
  EXPECT_EQ(Cell(4, 1), TRect(206, 15, 269, 28));
  // With no grid lines the inner and the full rectangle agree.
  Grid->SetGridLines(TSGrid::glNone);
  for (Integer col = 0; col <= 4; ++col)
    for (Integer row = 0; row <= 4; ++row) EXPECT_EQ(Cell(col, row), FullCell(col, row)) << col << "," << row;
}

TEST_F(Geometry, HiddenAndScrolledOutColumnsAreNotOnScreen) {
  Make(200, 60);
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  EXPECT_EQ(Grid->CalcColOffset(2), -1);
  EXPECT_EQ(Cell(2, 1), TRect());
  EXPECT_EQ(Grid->CalcColOffset(3), 78) << "the next column takes the hidden one's place";
  Grid->GetCols()->GetItem(2)->SetVisible(true);
  Grid->SetLeftCol(3);
  EXPECT_EQ(Grid->GetLeftCol(), 3);
  EXPECT_EQ(Grid->CalcColOffset(2), -1) << "scrolled out to the left";
  EXPECT_EQ(Cell(2, 1), TRect());
  EXPECT_EQ(Grid->CalcColOffset(3), 14);
}

TEST_F(Geometry, PointsFindTheirCellsOrAreClampedIntoTheGrid) {
  Make();
  struct TCase {
    Integer X, Y, Col, Row, ClampedCol, ClampedRow;
  };
  const TCase cases[] = {
      {0, 0, 0, 0, 0, 0},      {13, 14, 0, 0, 0, 0},     {14, 15, 1, 1, 1, 1},     {77, 28, 1, 1, 1, 1},
      {78, 29, 2, 2, 2, 2},    {269, 98, 4, 6, 4, 6},    {280, 50, -1, 3, 4, 3},   {50, 110, 1, -1, 1, 6},
      {-5, 20, -1, 1, 0, 1},   {20, -3, 1, -1, 1, 0},    {400, 500, -1, -1, 4, 6},
  };
  for (const TCase& c : cases) {
    Integer col, row;
    Grid->CellFromXY(c.X, c.Y, col, row);
    EXPECT_EQ(col, c.Col) << c.X << "," << c.Y;
    EXPECT_EQ(row, c.Row) << c.X << "," << c.Y;
    Grid->ColRowFromXY(c.X, c.Y, col, row);
    EXPECT_EQ(col, c.ClampedCol) << c.X << "," << c.Y;
    EXPECT_EQ(row, c.ClampedRow) << c.X << "," << c.Y;
  }
  EXPECT_EQ(Grid->CalcRowOffset(10), 99) << "past the last row: where the last one ends";
  Grid->SetRowBarOn(false);
  EXPECT_EQ(Grid->ColFromX(0), 1);
}

TEST_F(Geometry, ABlockWithAHiddenHeadingCoversItsCornerCells) {
  Make();
  Grid->SetHeadingOn(false);
  TRect box;
  Grid->BoxRect(1, 0, 2, 3, box);
  EXPECT_EQ(box.left, FullCell(1, 1).left);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, FullCell(2, 3).right);
  EXPECT_EQ(box.bottom, FullCell(2, 3).bottom);
  Grid->BoxRect(5, 1, 6, 1, box);
  EXPECT_EQ(box, TRect()) << "a block right of the window";
}

TEST_F(Geometry, CountsOfColumnsAndRowsThatFit) {
  // 120 high: 15 of heading, then rows at 15, 29, ... the seventh would end at 113 + 14.
  Make(300, 120);
  Grid->SetGridRowCount(20);
  EXPECT_EQ(Grid->CompVisibleRows(1), 7) << "a row counts when all but its line pixel fits";
  EXPECT_EQ(Grid->VisibleScrollRows(), 7);
  EXPECT_EQ(Grid->LastVisibleRow(1), 8) << "the eighth row is partly on screen";
  EXPECT_EQ(Grid->MaxVisibleRow(), 8);
  EXPECT_EQ(Grid->PrevScrollRows(), 0);
  Grid->SetTopRow(10);
  EXPECT_EQ(Grid->PrevScrollRows(), 7);
  Grid->SetRowVisible(Grid->GetDataRow(12), false);
  EXPECT_EQ(Grid->VisibleScrollRows(), 7) << "a hidden row is skipped, not counted";
  EXPECT_EQ(Grid->CompVisibleRows(10), 8) << "counting display rows, the hidden one counts with no height";
  EXPECT_EQ(Grid->CompVisibleCols(1), 4);
  EXPECT_EQ(Grid->MaxVisibleCol(), 4);
}

TEST_F(Geometry, TheInsertionRowIsTheLastRowInTheWindow) {
  Make(300, 200);
  EXPECT_EQ(Grid->MaxVisibleRow(), 6);
  Grid->SetGridMode(gmEditInsert);
  EXPECT_EQ(Grid->GetRowCount(), 8);
  EXPECT_EQ(Grid->MaxVisibleRow(), 7);
}

TEST_F(Geometry, TheFirstVisibleScrollingColumnFollowsTheDirectionOfTravel) {
  Make(200, 60);
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  Integer col;
  EXPECT_TRUE(Grid->GetVisibleLeftCol(2, col));
  EXPECT_EQ(col, 3) << "moving right";
  Grid->SetLeftCol(4);
  EXPECT_TRUE(Grid->GetVisibleLeftCol(2, col));
  EXPECT_EQ(col, 1) << "moving left";
  Grid->GetCols()->GetItem(1)->SetVisible(false);
  EXPECT_EQ(Grid->MinLeftCol(), 3);
}

TEST_F(Geometry, InvalidationWaitsWhilePaintingAndIsOffInFastAssignment) {
  Make(300, 120);
  Pump();
  EXPECT_EQ(UpdateBox(), TRect());
  EXPECT_TRUE(Grid->CheckInvalidateRow(2));
  EXPECT_EQ(UpdateBox(), TRect(0, 29, 270, 43)) << "the row bar cell and the data cells of the row";
  Pump();
  Grid->InvalidateCol(2);
  EXPECT_EQ(UpdateBox(), TRect(78, 0, 142, 99));
  Pump();
  Grid->SetFastAssign(true);
  // Entering the fast assignment hides the in-place control, whose cell is to be painted again.
  const TRect hidden = UpdateBox();
  Grid->InvalidateRow(2);
  Grid->InvalidateCol(2);
  Grid->InvalidateCell(2, 2);
  Grid->Invalidate();
  EXPECT_EQ(UpdateBox(), hidden);
  Grid->SetFastAssign(false);
  Pump();
  // From inside a paint nothing is queued.
  bool answered = true;
  Grid->OnPaint = [&](TObject*) { answered = Grid->CheckInvalidateCell(1, 1); };
  Grid->Invalidate();
  Pump();
  EXPECT_FALSE(answered);
  EXPECT_EQ(UpdateBox(), TRect());
}

}  // namespace
