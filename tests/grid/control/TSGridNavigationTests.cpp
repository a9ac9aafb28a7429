// Cell-to-cell navigation and edit permission: usable columns and rows under SkipReadOnly, hidden
// and fixed positions, the reading-order and straight-down searches, re-homing the current cell
// when its column goes, and the order of the notices after a move.
#include "GridControlTestSupport.h"
#include "Strings.h"

using namespace GridControlTest;

namespace {

class Navigation : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetGridColCount(5);
    Grid->SetGridRowCount(5);
  }
  TtsCol* Col(Integer DataCol) { return Grid->GetCols()->GetItem(DataCol); }
  Integer NextCol(Integer From, bool Skip, bool Selecting = false) {
    Integer col;
    return Grid->GetNextCol(From, Skip, Selecting, col) ? col : -col;
  }
};

TEST_F(Navigation, ReadOnlyColumnsArePassedOverOnlyWhenSkipping) {
  Col(2)->SetReadOnly(true);
  EXPECT_EQ(NextCol(1, true), 3);
  EXPECT_EQ(NextCol(1, false), 2);
  // Hidden and read-only: never a target.
  Col(3)->SetVisible(false);
  Col(3)->SetReadOnly(true);
  EXPECT_EQ(NextCol(1, false), 2);
  EXPECT_EQ(NextCol(2, false), 4);
  EXPECT_EQ(NextCol(2, true), 4);
  // Beyond the last usable column: false, with the position one past the last column.
  EXPECT_EQ(NextCol(5, true), -6);
  Integer col;
  EXPECT_FALSE(Grid->GetPrevCol(1, true, false, col));
  EXPECT_EQ(col, 0);
  EXPECT_EQ(Grid->LeftMostCol(true, false), 1);
  EXPECT_EQ(Grid->RightMostCol(true, false), 5);
  // In list-box mode read-only columns are usable.
  Grid->SetGridMode(gmListBox);
  EXPECT_EQ(NextCol(1, true), 2);
}

TEST_F(Navigation, CellSettingsOverrideColumnAndRowButNeverShowAHiddenCell) {
  Col(2)->SetReadOnly(true);
  Grid->SetCellReadOnly(2, 1, roOff);
  EXPECT_TRUE(Grid->CanEditCell(2, 1));
  EXPECT_FALSE(Grid->CanEditCell(2, 2));
  Grid->SetRowReadOnly(3, true);
  EXPECT_FALSE(Grid->CanEditCell(1, 3));
  Grid->SetCellReadOnly(1, 3, roOff);
  EXPECT_TRUE(Grid->CanEditCell(1, 3));
  Grid->SetCellReadOnly(4, 4, roOn);
  EXPECT_FALSE(Grid->CanEditCell(4, 4));
  EXPECT_TRUE(Grid->CellIsReadOnly(4, 4));
  EXPECT_FALSE(Grid->CellIsReadOnly(0, 4));
  Col(5)->SetVisible(false);
  Grid->SetCellReadOnly(5, 1, roOff);
  EXPECT_FALSE(Grid->CanEditCell(5, 1));
}

TEST_F(Navigation, DownReachesAnEditableCellInsideReadOnlyRows) {
  for (Integer row = 1; row <= 5; ++row) Grid->SetRowReadOnly(row, true);
  Grid->SetCellReadOnly(3, 4, roOff);
  Grid->SetCellReadOnly(2, 5, roOff);
  Integer row, col;
  ASSERT_TRUE(Grid->GetNextDownCell(3, 1, row, col, true));
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 4);
  EXPECT_FALSE(Grid->GetNextDownCell(3, 4, row, col, true));
  ASSERT_TRUE(Grid->GetNextUpCell(2, 5, row, col, false));
  EXPECT_EQ(row, 4);
  // Reading order with the edit check: the next editable cell after (3, 4) is (2, 5).
  ASSERT_TRUE(Grid->GetNextCell(3, 4, row, col, true));
  EXPECT_EQ(col, 2);
  EXPECT_EQ(row, 5);
  ASSERT_TRUE(Grid->GetPrevCell(2, 5, row, col, true));
  EXPECT_EQ(col, 3);
  EXPECT_EQ(row, 4);
}

TEST_F(Navigation, FixedRowsNeedSelectFixedOnlyWhenSelecting) {
  Grid->SetFixedRowCount(2);
  Grid->SetSelectFixed(false);
  Integer row;
  ASSERT_TRUE(Grid->GetNextRow(0, false, true, row));
  EXPECT_EQ(row, 3);
  ASSERT_TRUE(Grid->GetNextRow(0, false, false, row));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(Grid->TopMostScrollRow(), 3);
}

TEST_F(Navigation, TheInsertionRowIsTheLastStopWithoutUsableRows) {
  Grid->SetGridMode(gmEditInsert);
  for (Integer row = 1; row <= 5; ++row) Grid->SetRowReadOnly(row, true);
  EXPECT_EQ(Grid->BottomMostRow(true, false), Grid->GetRowCount() - 1);
  Grid->SetGridMode(gmEdit);
  EXPECT_EQ(Grid->BottomMostRow(true, false), 0);
}

TEST_F(Navigation, HidingTheCurrentColumnMovesTheCurrentCell) {
  Grid->SetCurrentCell(3, 2);
  Col(3)->SetVisible(false);
  EXPECT_EQ(Grid->GetCurDisplayCol(), 4);
  EXPECT_EQ(Grid->GetCurDataCol(), 4);
  Grid->SetCurrentCell(5, 2);
  Col(5)->SetVisible(false);
  EXPECT_EQ(Grid->GetCurDisplayCol(), 4);
  // Deleting the current column re-homes it as well.
  Grid->DeleteCols(4, 4);
  EXPECT_EQ(Grid->GetCurDataCol(), Grid->GetDataCol(Grid->GetCurDisplayCol()));
  EXPECT_TRUE(Grid->GetCols()->GetItem(Grid->GetCurDataCol())->GetVisible());
}

TEST_F(Navigation, MovesReportColumnThenRowThenCell) {
  std::vector<String> notices;
  Grid->OnColChanged = [&](TObject*, Integer Old, Integer New) {
    notices.push_back("col " + IntToStr(Old) + ">" + IntToStr(New));
  };
  Grid->SetCurrentCell(2, 3);
  for (const String& call : Grid->CallsOf("Do")) notices.push_back(call);
  EXPECT_EQ(notices, (std::vector<String>{"col 1>2", "DoRowChanged(1,3)", "DoCellChanged(1,2,1,3)"}));
  notices.clear();
  Grid->ClearCalls();
  Grid->SetCurrentCell(2, 4);
  for (const String& call : Grid->CallsOf("Do")) notices.push_back(call);
  EXPECT_EQ(notices, (std::vector<String>{"DoRowChanged(3,4)", "DoCellChanged(2,2,3,4)"}));
  // In list-box mode the column notice is not given.
  Grid->SetGridMode(gmListBox);
  notices.clear();
  Grid->SetCurrentCell(3, 4);
  EXPECT_TRUE(notices.empty());
}

TEST_F(Navigation, RowIdsFollowTheirRowsThroughMovesAndDeletes) {
  std::vector<Integer> ids;
  for (Integer row = 1; row <= 5; ++row) ids.push_back(Grid->GetRowId(row));
  Grid->SetDisplayRownr(5, 1);
  Grid->DeleteRows(2, 2);
  EXPECT_EQ(Grid->GetRowId(1), ids[0]);
  EXPECT_EQ(Grid->GetRowId(2), ids[2]);
  EXPECT_EQ(Grid->GetRowId(4), ids[4]);
  for (Integer row = 1; row <= 4; ++row) EXPECT_EQ(Grid->GetIdDataRow(Grid->GetRowId(row)), row);
  Integer fresh = Grid->GetGridRowCount() + 1;
  Grid->SetGridRowCount(fresh);
  for (Integer id : ids) EXPECT_NE(Grid->GetRowId(fresh), id);
}

}  // namespace
