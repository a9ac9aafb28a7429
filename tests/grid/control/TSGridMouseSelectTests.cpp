// Presses of the left button on the row bar, the headings and the cells, as sequences of presses
// with their shift states against the selection, current cell and statuses they leave; after every
// press the shown selection must equal the stored one, in XOR and in colour mode.
#include "Forms.h"
#include "SelectionRecorder.h"
#include "Strings.h"
#include "WinCursor.h"

using namespace GridControlTest;

namespace {

// One press: where ('r' row bar, 'h' heading, 'c' cell, 'e' the range edge of a cell), which
// display column and row, and the keys held ("" plain, "s" Shift, "c" Ctrl, "sc" both).
struct Press {
  char Area;
  Integer Col, Row;
  const char* Keys = "";
};

TShiftState ShiftOf(const char* Keys) {
  TShiftState shift{ssLeft};
  for (const char* k = Keys; *k; ++k) shift.Include(*k == 's' ? ssShift : ssCtrl);
  return shift;
}

class MouseSelectTest : public WindowGridTest {
 protected:
  TInversionRecorder* MakeRecorder(bool Colour) {
    Form->SetBounds(0, 0, 900, 500);
    auto* grid = MakeGrid<TInversionRecorder>(880, 480, 8, 12);
    grid->SetRowMoving(false);
    grid->SetColMoving(false);
    if (Colour) {
      grid->SetSelectionType(sltColor);
      grid->SetSelectionColor(Graphics::clRed);
    }
    Pump();
    return grid;
  }

  static void Do(TtsBaseGrid* G, const Press& P) { PressAt(G, P.Area, P.Col, P.Row, ShiftOf(P.Keys)); }

  // "rows 2,5 cols - range - cur 3,4 status 1" of what the grid holds.
  static String State(TtsBaseGrid* G) {
    auto list = [](TtsSelection* Selection, Integer Last) {
      String text;
      for (Integer i = 1; i <= Last; ++i)
        if (Selection->GetSelected(i)) text += (text.empty() ? String() : String(",")) + IntToStr(i);
      return text.empty() ? String("-") : text;
    };
    TGridRect r = G->GetSelectedRange();
    String range = G->GetGridStatus() == grCellSelect
                       ? Format("%d,%d-%d,%d", {r.Left, r.Top, r.Right, r.Bottom})
                       : String("-");
    return "rows " + list(G->GetRowSelection(), G->GetRowCount() - 1) + " cols " +
           list(G->GetColSelection(), G->GetColCount() - 1) + " range " + range +
           Format(" cur %d,%d", {G->GetCurDisplayCol(), G->GetCurDisplayRow()});
  }
};

struct Case {
  const char* Name;
  std::vector<Press> Presses;
  const char* Expected;
  TtsRowSelectMode RowMode = rsMulti;
  TtsGridMode GridMode = gmEdit;
};

TEST_F(MouseSelectTest, PressSequencesLeaveTheirSelectionAndCurrentCellShownAsStored) {
  const Case cases[] = {
      {"row click", {{'r', 0, 3}}, "rows 3 cols - range - cur 1,3"},
      {"row shift down", {{'r', 0, 3}, {'r', 0, 6, "s"}}, "rows 3,4,5,6 cols - range - cur 1,3"},
      {"row shift up", {{'r', 0, 6}, {'r', 0, 3, "s"}}, "rows 3,4,5,6 cols - range - cur 1,6"},
      {"row shift narrows", {{'r', 0, 3}, {'r', 0, 8, "s"}, {'r', 0, 5, "s"}}, "rows 3,4,5 cols - range - cur 1,3"},
      {"row shift crosses", {{'r', 0, 5}, {'r', 0, 8, "s"}, {'r', 0, 2, "s"}}, "rows 2,3,4,5 cols - range - cur 1,5"},
      {"row ctrl adds", {{'r', 0, 3}, {'r', 0, 5, "c"}}, "rows 3,5 cols - range - cur 1,5"},
      {"row ctrl removes", {{'r', 0, 3}, {'r', 0, 5, "c"}, {'r', 0, 3, "c"}}, "rows 5 cols - range - cur 1,3"},
      {"row shift ctrl adds a run",
       {{'r', 0, 3}, {'r', 0, 4, "s"}, {'r', 0, 8, "sc"}},
       "rows 3,4,5,6,7,8 cols - range - cur 1,8"},
      {"row shift ctrl from an unselected start removes",
       {{'r', 0, 2}, {'r', 0, 9, "s"}, {'r', 0, 6, "c"}, {'r', 0, 4, "sc"}},
       "rows 2,3,7,8,9 cols - range - cur 1,4"},
      {"row shift from an unselected start clears",
       {{'r', 0, 3}, {'r', 0, 5, "c"}, {'r', 0, 5, "c"}, {'r', 0, 8, "s"}},
       "rows - cols - range - cur 1,8"},
      {"plain click on a selected row keeps it alone",
       {{'r', 0, 2}, {'r', 0, 6, "s"}, {'r', 0, 4}},
       "rows 4 cols - range - cur 1,4"},
      {"plain click on the current selected row keeps it alone",
       {{'r', 0, 2}, {'r', 0, 6, "s"}, {'r', 0, 2}},
       "rows 2 cols - range - cur 1,2"},
      {"plain click on the last selected row", {{'r', 0, 9}, {'r', 0, 12, "s"}, {'r', 0, 12}},
       "rows 12 cols - range - cur 1,12"},
      {"plain click on the first selected row", {{'r', 0, 3}, {'r', 0, 1, "s"}, {'r', 0, 1}},
       "rows 1 cols - range - cur 1,1"},
      {"single mode shift acts plain", {{'r', 0, 3}, {'r', 0, 6, "s"}}, "rows 6 cols - range - cur 1,6", rsSingle},
      {"single mode ctrl acts plain", {{'r', 0, 3}, {'r', 0, 6, "c"}}, "rows 6 cols - range - cur 1,6", rsSingle},
      {"list box ctrl on the current row keeps it",
       {{'r', 0, 4}, {'r', 0, 4, "c"}},
       "rows 4 cols - range - cur 1,4",
       rsMulti,
       gmListBox},
      {"range then ctrl row", {{'e', 2, 2}, {'e', 4, 5, "s"}, {'r', 0, 3, "c"}}, "rows 3 cols - range - cur 2,3"},
      {"range then row", {{'e', 2, 2}, {'e', 4, 5, "s"}, {'r', 0, 3}}, "rows 3 cols - range - cur 2,3"},
      {"heading click", {{'h', 3, 0}}, "rows - cols 3 range - cur 3,1"},
      {"heading shift right", {{'h', 3, 0}, {'h', 6, 0, "s"}}, "rows - cols 3,4,5,6 range - cur 3,1"},
      {"heading shift left", {{'h', 6, 0}, {'h', 3, 0, "s"}}, "rows - cols 3,4,5,6 range - cur 6,1"},
      {"heading ctrl", {{'h', 3, 0}, {'h', 5, 0, "c"}}, "rows - cols 3,5 range - cur 5,1"},
      {"heading shift from a selected current", {{'h', 3, 0}, {'h', 5, 0, "c"}, {'h', 7, 0, "s"}},
       "rows - cols 5,6,7 range - cur 5,1"},
      {"heading shift from an unselected current only moves",
       {{'h', 3, 0}, {'h', 5, 0, "c"}, {'h', 5, 0, "c"}, {'h', 7, 0, "s"}},
       "rows - cols - range - cur 7,1"},
      {"heading shift ctrl adds", {{'h', 3, 0}, {'h', 5, 0, "c"}, {'h', 7, 0, "sc"}},
       "rows - cols 3,5,6,7 range - cur 7,1"},
      {"heading shift ctrl from an unselected current removes",
       {{'h', 2, 0}, {'h', 6, 0, "s"}, {'h', 2, 0, "c"}, {'h', 4, 0, "sc"}},
       "rows - cols 5,6 range - cur 4,1"},
      {"heading plain on a selected one keeps it alone", {{'h', 2, 0}, {'h', 6, 0, "s"}, {'h', 4, 0}},
       "rows - cols 4 range - cur 4,1"},
      {"rows then heading", {{'r', 0, 3}, {'r', 0, 5, "s"}, {'h', 4, 0}}, "rows - cols 4 range - cur 4,3"},
      {"range then heading", {{'e', 2, 2}, {'e', 4, 5, "s"}, {'h', 6, 0}}, "rows - cols 6 range - cur 6,2"},
      {"cell", {{'c', 3, 4}}, "rows - cols - range - cur 3,4"},
      {"cell clears rows", {{'r', 0, 3}, {'r', 0, 5, "s"}, {'c', 2, 7}}, "rows - cols - range - cur 2,7"},
      {"range edge", {{'e', 3, 4}}, "rows - cols - range 3,4-3,4 cur 3,4"},
      {"range edge shift extends from the anchor", {{'e', 3, 4}, {'e', 6, 7, "s"}, {'e', 2, 2, "s"}},
       "rows - cols - range 2,2-3,4 cur 3,4"},
      {"range edge plain starts again", {{'e', 3, 4}, {'e', 6, 7, "s"}, {'e', 5, 2}},
       "rows - cols - range 5,2-5,2 cur 5,2"},
  };
  for (bool colour : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(String(c.Name) + (colour ? " (colour)" : " (xor)"));
      auto* grid = MakeRecorder(colour);
      grid->SetGridMode(c.GridMode);
      grid->SetRowSelectMode(c.RowMode);
      Pump();
      for (const Press& press : c.Presses) {
        Do(grid, press);
        grid->SetMouseStatus(msNormal);
        Pump();
        ASSERT_EQ(grid->Mismatch(), "") << "after press at " << press.Col << "," << press.Row;
      }
      EXPECT_EQ(State(grid), c.Expected);
      FreeAndNil(Grid);
    }
  }
}

TEST_F(MouseSelectTest, PressesLeaveTheMouseStatusTheDragContinues) {
  auto* grid = MakeRecorder(false);
  struct StatusCase {
    Press P;
    TtsMouseStatus Status;
    TtsGridStatus Grid;
  } cases[] = {
      {{'r', 0, 3}, msRowSelect, grRowSelect},
      {{'h', 4, 0}, msColSelect, grColSelect},
      {{'e', 2, 5}, msCellSelect, grCellSelect},
      {{'c', 2, 5}, msNormal, grNormal},
  };
  for (const StatusCase& c : cases) {
    Do(grid, c.P);
    EXPECT_EQ(grid->GetMouseStatus(), c.Status) << c.P.Area;
    EXPECT_EQ(grid->GetGridStatus(), c.Grid) << c.P.Area;
    grid->SetMouseStatus(msNormal);
  }
}

TEST_F(MouseSelectTest, AHeadingWithoutColumnSelectionStandsForTheCellInTheCurrentRow) {
  auto* grid = MakeRecorder(false);
  grid->SetColSelectMode(csNone);
  Do(grid, {'c', 2, 5});
  Do(grid, {'h', 6, 0});
  EXPECT_EQ(State(grid), "rows - cols - range - cur 6,5");
}

TEST_F(MouseSelectTest, ALeftPressOnTheCurrentCellOpensItsEditorUnlessItsListOnlyDropsDown) {
  auto* grid = MakeRecorder(false);
  grid->SetAlwaysShowEditor(false);
  Pump();
  Do(grid, {'c', 2, 3});
  EXPECT_FALSE(grid->ControlShownAsEditor());
  Do(grid, {'c', 2, 3});
  EXPECT_TRUE(grid->ControlShownAsEditor());
  EXPECT_EQ(grid->GetControlSelectMode(), tsNone);

  TtsCol* combo = grid->GetCol(4);
  combo->SetButtonType(btDateTimeDropDown);
  combo->SetDropDownStyle(ddDropDownList);
  Do(grid, {'c', 4, 3});
  Do(grid, {'c', 4, 3});
  EXPECT_FALSE(grid->ControlShownAsEditor());
}

TEST_F(MouseSelectTest, APressOnASelectedLineStartsItsMoveWithTheDragCursorForTheMoveOnly) {
  auto* grid = MakeRecorder(false);
  grid->SetRowMoving(true);
  grid->SetColMoving(true);
  Do(grid, {'r', 0, 3});
  grid->SetMouseStatus(msNormal);
  Do(grid, {'r', 0, 3});
  EXPECT_EQ(grid->GetMouseStatus(), msRowMove);
  EXPECT_EQ(grid->GetMoveStartPos(), 3);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crDrag));
  // The application's screen cursor stays as it was: nothing would set it back after the move.
  EXPECT_EQ(Screen->GetCursor(), crDefault);
  grid->SetMouseStatus(msNormal);

  Do(grid, {'h', 5, 0});
  grid->SetMouseStatus(msNormal);
  Do(grid, {'h', 5, 0});
  EXPECT_EQ(grid->GetMouseStatus(), msColMove);
  EXPECT_EQ(grid->GetMoveStartPos(), 5);
  grid->SetMouseStatus(msNormal);

  // With the fixed data rows among the selected, a press selects instead of moving.
  grid->SetFixedRowCount(2);
  grid->SetSelectFixed(true);
  Pump();
  Do(grid, {'r', 0, 1});
  Do(grid, {'r', 0, 4, "s"});
  grid->SetMouseStatus(msNormal);
  Do(grid, {'r', 0, 3});
  EXPECT_EQ(grid->GetMouseStatus(), msRowSelect);
}

TEST_F(MouseSelectTest, TheInsertionBarTogglesAtTheDropEdgeAndIsLeftOutOverSelectedLines) {
  Form->SetBounds(0, 0, 500, 300);
  auto* grid = MakeGrid<TtsGrid>(480, 280, 4, 6);
  grid->SetRowSelectMode(rsNone);
  Pump();
  TRect row4;
  grid->CellRect(1, 4, row4);
  COLORREF plain = Pixel(row4.left + 5, row4.top);
  // Without row selection a press on the row bar moves the current row there and starts its move.
  Do(grid, {'r', 0, 4});
  EXPECT_EQ(grid->GetCurDisplayRow(), 4);
  ASSERT_EQ(grid->GetMouseStatus(), msRowMove);
  EXPECT_TRUE(grid->GetRowMoveBarShown());
  EXPECT_NE(Pixel(row4.left + 5, row4.top), plain);
  SavePng("row_move_bar.png");
  grid->DrawRowMove();
  EXPECT_FALSE(grid->GetRowMoveBarShown());
  EXPECT_EQ(Pixel(row4.left + 5, row4.top), plain);

  // Moving down the bar sits at the target's bottom edge.
  TRect row5;
  grid->CellRect(1, 5, row5);
  Integer below = row5.top + grid->GetRowHeights(5);
  COLORREF edge = Pixel(row5.left + 5, below);
  grid->SetMoveTargetPos(5);
  grid->DrawRowMove();
  EXPECT_TRUE(grid->GetRowMoveBarShown());
  EXPECT_NE(Pixel(row5.left + 5, below), edge);
  grid->DrawRowMove();

  // Over a stretch of selected lines nothing would move: no bar.
  grid->SetMouseStatus(msNormal);
  grid->SelectCols(2, 3, true);
  Pump();
  grid->StartColMoving(2);
  grid->SetMoveTargetPos(3);
  grid->DrawColMove();
  EXPECT_FALSE(grid->GetColMoveBarShown());
  grid->SetMoveTargetPos(4);
  grid->DrawColMove();
  EXPECT_TRUE(grid->GetColMoveBarShown());
  SavePng("col_move_bar.png");
  grid->DrawColMove();
  grid->SetMouseStatus(msNormal);
}

TEST_F(MouseSelectTest, ADoubleClickPressesOnlyTheCurrentCellWithItsEditorOff) {
  auto* grid = MakeRecorder(false);
  grid->SetAlwaysShowEditor(false);
  Pump();
  Do(grid, {'c', 2, 3});
  TRect cell;
  grid->CellRect(5, 5, cell);
  EXPECT_FALSE(grid->DblClickSelectNone(ShiftOf(""), cell.left + 4, cell.top + 4, 5, 5));
  grid->CellRect(2, 3, cell);
  EXPECT_TRUE(grid->DblClickSelectNone(ShiftOf(""), cell.left + 4, cell.top + 4, 2, 3));
  EXPECT_TRUE(grid->ControlShownAsEditor());
  EXPECT_FALSE(grid->DblClickSelectNone(ShiftOf(""), cell.left + 4, cell.top + 4, 2, 3));
}

}  // namespace
