// The selection model against a recording inversion backend: every inversion is recorded per cell
// (toggled in XOR mode, set in colour mode), every paint shows a cell as stored, and after each
// operation the shown selection must equal the stored one.
#include <random>
#include <set>

#include "SelectionRecorder.h"
#include "Strings.h"

using namespace GridControlTest;

namespace {


class SelectionModelTest : public WindowGridTest {
 protected:
  TInversionRecorder* MakeRecorder(Integer Cols = 8, Integer Rows = 12) {
    Form->SetBounds(0, 0, 900, 500);
    auto* grid = MakeGrid<TInversionRecorder>(880, 480, Cols, Rows);
    Pump();
    return grid;
  }
};

TEST_F(SelectionModelTest, ShownSelectionFollowsRandomOperationsInBothModes) {
  for (bool colour : {false, true}) {
    SCOPED_TRACE(colour ? "colour" : "xor");
    auto* grid = MakeRecorder();
    // Presses on selected lines select rather than start moves.
    grid->SetRowMoving(false);
    grid->SetColMoving(false);
    if (colour) {
      grid->SetSelectionType(sltColor);
      grid->SetSelectionColor(Graphics::clRed);
      Pump();
    }
    std::mt19937 random(colour ? 7 : 3);
    auto pick = [&](Integer N) { return static_cast<Integer>(random() % static_cast<unsigned>(N)); };
    for (Integer step = 0; step < 300; ++step) {
      // Deletions may take every column or row; the grid grows back to go on.
      if (grid->GetGridRowCount() < 4) grid->SetGridRowCount(12);
      if (grid->GetGridColCount() < 3) grid->SetGridColCount(8);
      Pump();
      Integer cols = grid->GetGridColCount(), rows = grid->GetGridRowCount();
      String op = "status " + IntToStr(Integer(grid->GetGridStatus())) + " ";
      switch (pick(10)) {
        case 0:
          op += "cells";
          grid->SelectCells(1 + pick(cols), 1 + pick(rows), 1 + pick(cols), 1 + pick(rows));
          break;
        case 1:
          op += "rows";
          grid->SelectRows(1 + pick(rows), 1 + pick(rows), pick(3) != 0);
          break;
        case 2:
          op += "cols";
          grid->SelectCols(1 + pick(cols), 1 + pick(cols), pick(3) != 0);
          break;
        case 3:
          op += "all";
          grid->MDSelectAll(pick(2) == 0);
          break;
        case 4:
          op += "reset";
          grid->ResetSelection();
          break;
        case 5:
          if (rows > 6) {
            op += "delete rows";
            grid->DeleteSelectedRows();
          }
          break;
        case 6:
          if (cols > 4) {
            op += "delete cols";
            grid->DeleteSelectedCols();
          }
          break;
        case 7:
        case 8: {
          // A press with the left button somewhere, with any of Shift and Ctrl, ended at once.
          static const char areas[] = {'r', 'h', 'c', 'e'};
          char area = areas[pick(4)];
          TShiftState shift{ssLeft};
          if (pick(2)) shift.Include(ssShift);
          if (pick(2)) shift.Include(ssCtrl);
          op += String("press ") + area + (shift.Contains(ssShift) ? " shift" : "") +
                (shift.Contains(ssCtrl) ? " ctrl" : "");
          { Integer pc = 1 + pick(cols), pr = 1 + pick(rows); op += " at " + IntToStr(pc) + "," + IntToStr(pr); PressAt(grid, area, pc, pr, shift); }
          grid->SetMouseStatus(msNormal);
          break;
        }
        default:
          if (grid->GetGridStatus() == grCellSelect) {
            op += "drag";
            grid->ChangeCellSelection(1 + pick(cols), 1 + pick(rows));
          }
          break;
      }
      Pump();
      ASSERT_EQ(grid->Mismatch(), "") << "step " << step << " " << op;
    }
    FreeAndNil(Grid);
  }
}

TEST_F(SelectionModelTest, SelectCellsOrdersCornersAndAnchorsAtTheFirst) {
  auto* grid = MakeRecorder();
  grid->SelectCells(5, 7, 2, 3);
  EXPECT_EQ(grid->GetGridStatus(), grCellSelect);
  TGridRect range = grid->GetSelectedRange();
  EXPECT_EQ((std::vector<Integer>{range.Left, range.Top, range.Right, range.Bottom}),
            (std::vector<Integer>{2, 3, 5, 7}));
  EXPECT_EQ(grid->Mismatch(), "");
}

TEST_F(SelectionModelTest, SelectingARangeApartFromThePresentOneLeavesNothingBetweenShown) {
  auto* grid = MakeRecorder();
  grid->SelectCells(1, 1, 2, 2);
  grid->SelectCells(5, 5, 6, 6);
  EXPECT_EQ(grid->Mismatch(), "");
  grid->SelectCells(2, 4, 7, 5);
  EXPECT_EQ(grid->Mismatch(), "");
}

TEST_F(SelectionModelTest, AddingRowsAroundSelectedOnesInvertsOnlyTheNewRows) {
  auto* grid = MakeRecorder();
  grid->SelectRows(4, 6, true);
  Pump();
  grid->Touched.clear();
  grid->SelectRows(2, 10, true);
  std::set<Integer> rows;
  for (const TGridCoord& cell : grid->Touched) rows.insert(cell.Y);
  EXPECT_EQ(rows, (std::set<Integer>{2, 3, 7, 8, 9, 10}));
  EXPECT_EQ(grid->Mismatch(), "");
}

TEST_F(SelectionModelTest, SingleRowModeRefusesRangesAndTheCornerClickToggles) {
  auto* grid = MakeRecorder();
  grid->SetRowSelectMode(rsSingle);
  grid->SelectRows(3, 5, true);
  EXPECT_EQ(grid->GetGridStatus(), grNormal);
  grid->SelectRows(4, 4, true);
  EXPECT_TRUE(grid->IsCellSelected(1, 4));
  EXPECT_EQ(grid->GetCurDisplayRow(), 4);

  grid->SetRowSelectMode(rsMulti);
  grid->ResetSelection();
  grid->MDSelectAll(true);
  EXPECT_EQ(grid->GetRowSelection()->Count, grid->GetGridRowCount());
  grid->MDSelectAll(true);
  EXPECT_EQ(grid->GetRowSelection()->Count, 0);
  grid->SelectAll();
  grid->SelectAll();
  EXPECT_EQ(grid->GetRowSelection()->Count, grid->GetGridRowCount());
  Pump();
  EXPECT_EQ(grid->Mismatch(), "");
}

}  // namespace
