// The selection model against a recording inversion backend: every inversion is recorded per cell
// (toggled in XOR mode, set in colour mode), every paint shows a cell as stored, and after each
// operation the shown selection must equal the stored one.
#include <random>
#include <set>

#include "GridControlTestSupport.h"
#include "Strings.h"

using namespace GridControlTest;

namespace {

class TInversionRecorder : public TtsGrid {
  DECLARE_CLASS(TInversionRecorder, TtsGrid)
 public:
  explicit TInversionRecorder(TComponent* AOwner = nullptr) : TtsGrid(AOwner) {}
  static constexpr Integer MaxCells = 40;
  bool Shown[MaxCells][MaxCells] = {};
  // Cells touched by inversions since the last reset: "col,row" in order.
  std::vector<TGridCoord> Touched;

  void InvertRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2, const TRect&, bool Selected,
                   HDC) override {
    if (!HandleAllocated()) return;
    for (Integer row = std::max(Row1, 0); row <= std::min(Row2, MaxCells - 1); ++row)
      for (Integer col = std::max(Col1, 0); col <= std::min(Col2, MaxCells - 1); ++col) {
        bool dataCell = col > 0 && row > 0;
        bool& shown = Shown[col][row];
        shown = SelectionColorEnabled() && dataCell ? Selected : !shown;
        Touched.push_back(TGridCoord{col, row});
      }
  }

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
    // A paint draws a cell plain and inverts it afterwards when selected; only data cells shown in
    // the selection colour are drawn selected at once.
    bool fixed = ACol < GetFixedCols() || ARow < GetFixedRows();
    if (ACol < MaxCells && ARow < MaxCells)
      Shown[ACol][ARow] = SelectionColorEnabled() && !fixed && IsCellSelected(ACol, ARow);
    inherited::DrawCell(ACol, ARow, ARect, AState);
  }
};

IMPLEMENT_CLASS(TInversionRecorder)

class SelectionModelTest : public WindowGridTest {
 protected:
  TInversionRecorder* MakeRecorder(Integer Cols = 8, Integer Rows = 12) {
    Form->SetBounds(0, 0, 900, 500);
    auto* grid = MakeGrid<TInversionRecorder>(880, 480, Cols, Rows);
    Pump();
    return grid;
  }
  // The first cell whose shown state differs from its stored one, or "" when all agree.
  static String Mismatch(TInversionRecorder* G) {
    for (Integer row = 0; row < G->GetRowCount(); ++row)
      for (Integer col = 0; col < G->GetColCount(); ++col)
        if (G->Shown[col][row] != G->IsCellSelected(col, row))
          return IntToStr(col) + "," + IntToStr(row) + (G->Shown[col][row] ? " shown" : " hidden");
    return "";
  }
};

TEST_F(SelectionModelTest, ShownSelectionFollowsRandomOperationsInBothModes) {
  for (bool colour : {false, true}) {
    SCOPED_TRACE(colour ? "colour" : "xor");
    auto* grid = MakeRecorder();
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
      switch (pick(8)) {
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
        default:
          if (grid->GetGridStatus() == grCellSelect) {
            op += "drag";
            grid->ChangeCellSelection(1 + pick(cols), 1 + pick(rows));
          }
          break;
      }
      Pump();
      ASSERT_EQ(Mismatch(grid), "") << "step " << step << " " << op;
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
  EXPECT_EQ(Mismatch(grid), "");
}

TEST_F(SelectionModelTest, SelectingARangeApartFromThePresentOneLeavesNothingBetweenShown) {
  auto* grid = MakeRecorder();
  grid->SelectCells(1, 1, 2, 2);
  grid->SelectCells(5, 5, 6, 6);
  EXPECT_EQ(Mismatch(grid), "");
  grid->SelectCells(2, 4, 7, 5);
  EXPECT_EQ(Mismatch(grid), "");
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
  EXPECT_EQ(Mismatch(grid), "");
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
  EXPECT_EQ(Mismatch(grid), "");
}

}  // namespace
