// The cells of a press and release, the click and double-click reports with their click positions,
// the cell-button and spin-button events, and the cursor rules over each area of the grid.
#include "Forms.h"
#include "GridControlTestSupport.h"
#include "TSGridResources.h"
#include "WinUserDraw.h"

using namespace GridControlTest;

namespace {

TEST(ClickPosition, ByColumnAndRow) {
  struct Case {
    Integer Col, Row;
    TtsClickPosition Pos;
  } cases[] = {{0, 0, cpUpperLeft}, {-1, 5, cpNone}, {3, -1, cpNone}, {0, 4, cpRowBar},
               {2, 0, cpHeading},   {2, 3, cpCell}};
  for (const Case& c : cases) EXPECT_EQ(TtsBaseGrid::ClickPos(c.Col, c.Row), c.Pos) << c.Col << "," << c.Row;
}

class MouseEventTest : public ::testing::Test {
 protected:
  void SetUp() override { Grid = New<TtsGrid>(); }
  void TearDown() override { FreeAndNil(Grid); }
  TtsGrid* Grid = nullptr;
};

TEST_F(MouseEventTest, ClicksAndButtonsReachTheApplicationWithTheirCells) {
  std::vector<String> events;
  Grid->OnClickCell = [&](TObject*, Integer ColDown, Integer RowDown, Integer ColUp, Integer RowUp,
                          TtsClickPosition DownPos, TtsClickPosition UpPos) {
    events.push_back(Format("click %d,%d %d,%d %d %d", {ColDown, RowDown, ColUp, RowUp, Integer(DownPos), Integer(UpPos)}));
  };
  Grid->OnDblClickCell = [&](TObject*, Integer Col, Integer Row, TtsClickPosition Pos) {
    events.push_back(Format("dbl %d,%d %d", {Col, Row, Integer(Pos)}));
  };
  auto button = [&](const char* Name) {
    return TtsButtonEvent([&events, Name](TObject*, Integer Col, Integer Row) {
      events.push_back(Format("%s %d,%d", {String(Name), Col, Row}));
    });
  };
  Grid->OnButtonClick = button("click");
  Grid->OnButtonDown = button("down");
  Grid->OnButtonUp = button("up");
  auto spin = [&](const char* Name) {
    return TtsSpinButtonEvent([&events, Name](TObject*, Integer Col, Integer Row, TtsSpinButton Part) {
      events.push_back(Format("spin %s %d,%d %d", {String(Name), Col, Row, Integer(Part)}));
    });
  };
  Grid->OnSpinButtonClick = spin("click");
  Grid->OnSpinButtonDown = spin("down");
  Grid->OnSpinButtonUp = spin("up");
  Grid->OnSpinRepeat = [&](TObject*, Integer Col, Integer Row, Integer Count, TtsSpinButton Part) {
    events.push_back(Format("repeat %d,%d %d %d", {Col, Row, Count, Integer(Part)}));
  };

  Grid->ClickCell(2, 0, 0, 3);
  Grid->DblClickCell(0, 0);
  Grid->ButtonDown(1, 2);
  Grid->ButtonUp(1, 2);
  Grid->ButtonClick(1, 2);
  Grid->SpinButtonDown(3, 4, spbIncrement);
  Grid->SpinRepeat(3, 4, spbIncrement, 2);
  Grid->SpinButtonUp(3, 4, spbDecrement);
  Grid->SpinButtonClick(3, 4, spbDecrement);
  std::vector<String> expected = {
      Format("click 2,0 0,3 %d %d", {Integer(cpHeading), Integer(cpRowBar)}),
      Format("dbl 0,0 %d", {Integer(cpUpperLeft)}),
      "down 1,2", "up 1,2", "click 1,2",
      Format("spin down 3,4 %d", {Integer(spbIncrement)}),
      Format("repeat 3,4 2 %d", {Integer(spbIncrement)}),
      Format("spin up 3,4 %d", {Integer(spbDecrement)}),
      Format("spin click 3,4 %d", {Integer(spbDecrement)}),
  };
  EXPECT_EQ(events, expected);
}

TEST_F(MouseEventTest, PressAndReleaseCellsAreKeptApart) {
  Grid->SetMouseDownColRow(2, 3);
  Grid->SetMouseUpColRow(-1, 0);
  EXPECT_EQ(Grid->GetMouseDownDisplayCol(), 2);
  EXPECT_EQ(Grid->GetMouseDownDisplayRow(), 3);
  EXPECT_EQ(Grid->GetMouseUpDisplayCol(), -1);
  EXPECT_EQ(Grid->GetMouseUpDisplayRow(), 0);
}

class CursorTest : public WindowGridTest {};

TEST_F(CursorTest, RulesApplyInTheirOrder) {
  auto* grid = MakeGrid<TtsGrid>(500, 300, 4, 6);
  grid->SetCellSelectMode(cmRange);
  grid->SetColSelectMode(csMulti);
  grid->SetRowSelectMode(rsMulti);
  grid->SetGridMode(gmEdit);
  Pump();
  TRect cell, heading, rowBar;
  grid->CellRect(2, 2, cell);
  grid->CellRect(2, 0, heading);
  grid->CellRect(0, 3, rowBar);
  auto shape = [&](Integer X, Integer Y) {
    Integer col, row;
    grid->CellFromXY(X, Y, col, row);
    return grid->ShapeCursor(X, Y, row, col);
  };
  Integer cellY = (cell.top + cell.bottom) / 2;

  // Sizing shows the direction the line moves, whatever lies under the pointer.
  struct StatusCase {
    TtsMouseStatus Status;
    TCursor Cursor;
  } statuses[] = {{msColResize, crHSplit}, {msRowBarResize, crHSplit}, {msRowResize, crVSplit},
                  {msHeadingResize, crVSplit}};
  for (const StatusCase& c : statuses) {
    grid->SetMouseStatus(c.Status);
    EXPECT_EQ(shape(cell.left + 1, cellY), Screen->GetCursors(c.Cursor)) << Integer(c.Status);
  }
  grid->SetMouseStatus(msButtonDown);
  EXPECT_EQ(shape(cell.left + 1, cellY), nullptr);
  grid->SetMouseStatus(msNormal);

  EXPECT_EQ(shape(grid->GetClientWidth() + 5, cellY), Screen->GetCursors(crDefault));
  EXPECT_EQ(shape(cell.left + 1, cellY), ArrowRevCursor);
  EXPECT_EQ(shape(cell.left + 5, cellY), Screen->GetCursors(crIBeam));
  EXPECT_EQ(shape(heading.left + 5, (heading.top + heading.bottom) / 2), VertArrowDownCursor);
  EXPECT_EQ(shape(rowBar.left + 5, (rowBar.top + rowBar.bottom) / 2), HorzArrowRightCursor);

  grid->SetCellSelectMode(cmNone);
  grid->SetAlwaysShowEditor(false);
  EXPECT_EQ(shape(cell.left + 1, cellY), Screen->GetCursors(grid->GetCursor()));
}

}  // namespace

namespace {

TEST_F(CursorTest, HoverOverBordersAndTheEmptyAreaBesideTheLastColumn) {
  auto* grid = MakeGrid<TtsGrid>(500, 300, 2, 3);
  grid->SetCursor(crCross);
  Pump();
  TRect heading, rowHeading;
  grid->CellRect(1, 0, heading);
  grid->CellRect(0, 1, rowHeading);
  auto shape = [&](Integer X, Integer Y) {
    Integer col, row;
    grid->CellFromXY(X, Y, col, row);
    return grid->ShapeCursor(X, Y, row, col);
  };
  EXPECT_EQ(shape(heading.right, heading.top + 3), Screen->GetCursors(crHSplit)) << "a column border moves across";
  EXPECT_EQ(shape(rowHeading.left + 3, rowHeading.bottom), Screen->GetCursors(crVSplit)) << "a row border moves down";
  TRect last;
  grid->CellRect(2, 1, last);
  EXPECT_EQ(shape(last.right + 20, last.top + 3), Screen->GetCursors(crCross));
}

}  // namespace
