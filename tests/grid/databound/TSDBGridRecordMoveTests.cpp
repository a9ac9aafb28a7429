// Records instead of rows: appends and when they are refused, moves measured from the edge of the
// displayed records, the current and top record by bookmark, and the row settings a bound grid
// restricts, with the scaling of its per-record fonts.
#include "DBGridTestSupport.h"
#include "Strings.h"
#include "TSDBGridColumns.h"
#include "TSDBGridCurrentCell.h"
#include "TSDBGridData.h"

namespace DBGridTest {
namespace {

class DBGridRecords : public DBGridTest {
 protected:
  // Records 6..Last after the five of the fixture, bound, shown and painted.
  void Start(Integer Last = 5) {
    for (Integer i = 6; i <= Last; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
    BindAndOpen();
    Form->Show();
    Application->ProcessMessages();
  }
  Integer CurrentId() { return Data->FieldByName("id")->GetAsInteger(); }
};

// ---- Appends -------------------------------------------------------------------------------------------
TEST_F(DBGridRecords, AppendIsRefusedByAReadOnlyDatasetAndTheListAndBrowseModes) {
  struct Case {
    const char* Name;
    TtsGridMode Mode;
    bool ReadOnly;
    bool Appends;
  } cases[] = {
      {"an editing grid", gmEdit, false, true},
      {"a list box", gmListBox, false, false},
      {"a browsing grid", gmBrowse, false, false},
      {"a dataset that cannot be modified", gmEdit, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Start();
    Grid->SetGridMode(c.Mode);
    Data->SetReadOnly(c.ReadOnly);
    Grid->Append();
    EXPECT_EQ(Data->State(), c.Appends ? dsInsert : dsBrowse);
    EXPECT_EQ(Grid->GetDataEditMode(), c.Appends ? demAppend : demNone);
    if (c.Appends) {
      Grid->Append();
      EXPECT_EQ(Grid->GetGridRowCount(), 6) << "an empty append is not followed by a second one";
      Data->Cancel();
      EXPECT_EQ(Data->RecordCount(), 5);
    }
    TearDown();
    SetUp();
  }
  // The standard strategy shows no insertion row, so the current cell cannot be put on one.
  Start();
  Grid->SetGridMode(gmEditInsert);
  EXPECT_EQ(Grid->GetGridMode(), gmEdit);
  Grid->GetDBCurrentCell()->MoveToInsertRow(1);
  EXPECT_EQ(Data->State(), dsBrowse);
}

// ---- Record moves ----------------------------------------------------------------------------------------
TEST_F(DBGridRecords, MoveByCountsFromTheEdgeOfTheDisplayedRecords) {
  Start(100);
  Integer rows = Grid->GetGridRowCount();
  ASSERT_GT(rows, 5);
  ASSERT_LT(rows, 90);
  Data->SetRecNo(4);
  ASSERT_EQ(Grid->GetGridData()->GetActiveRecord(), 4);
  Grid->MoveBy(1);
  EXPECT_EQ(CurrentId(), rows + 1) << "the record one below the last grid row";
  EXPECT_EQ(Grid->GetRecordNumber(), rows + 1);
  Integer top = rows + 1 - rows + 1;  // the window followed by one record
  Grid->MoveBy(-1);
  EXPECT_EQ(CurrentId(), top - 1) << "the record one above the first grid row";
  Grid->MoveBy(0);
  EXPECT_EQ(CurrentId(), top - 1);
  Grid->MoveLast();
  EXPECT_EQ(CurrentId(), 100);
  Grid->MoveFirst();
  EXPECT_EQ(CurrentId(), 1);
}

TEST_F(DBGridRecords, TheCurrentAndTheTopRecordAreSetByBookmark) {
  Start(100);
  Integer rows = Grid->GetGridRowCount();
  // Inside the buffer the dataset moves by rows; beyond it, it goes to the bookmark.
  Grid->SetDBCurrentDataRow(Variant(BookmarkOf(3)));
  EXPECT_EQ(CurrentId(), 3);
  EXPECT_EQ(VarToStr(Grid->GetDBCurrentDataRow()), BookmarkOf(3));
  Grid->SetDBCurrentDataRow(Variant(BookmarkOf(60)));
  EXPECT_EQ(CurrentId(), 60);
  Variant id;
  Grid->GetCurrentRecordId(id);
  EXPECT_EQ(VarToStr(id), BookmarkOf(60)) << "without record ids a record is named by its bookmark";

  // The own bookmark changes nothing, the row selection included.
  Grid->SetDBRowSelected(Variant(BookmarkOf(60)), true);
  Grid->SetDBCurrentDataRow(Variant(BookmarkOf(60)));
  EXPECT_TRUE(Grid->GetCurrentSelected());

  // A top record goes to the top row; near the end the standard strategy's window cannot fill
  // below it, so the window ends with the last record and the record keeps its buffer row.
  Grid->SetDBTopRow(Variant(BookmarkOf(30)));
  EXPECT_EQ(Grid->GetTopRow(), 1);
  EXPECT_EQ(VarToStr(Grid->GetDBTopRow()), BookmarkOf(30));
  Grid->SetDBNewTopRow(Variant(BookmarkOf(98)));
  EXPECT_EQ(Grid->GetGridData()->BufferRow(BookmarkOf(98)), rows - 2);
  EXPECT_EQ(Grid->GetTopRow(), 1);
  EXPECT_EQ(VarToStr(Grid->GetDBTopRow()), BookmarkOf(100 - rows + 1));
  EXPECT_FALSE(Grid->GetControlHidden());
}

// Every way out of a top-record change shows the editor again, also when the strategy cannot
// move at all (a dataset without records).
TEST_F(DBGridRecords, TheEditorComesBackWhenTheTopRecordCannotBeReached) {
  Start();
  Data->Close();
  Data->ClearRows();
  Data->Open();
  Grid->SetDBNewTopRow(Variant(String("no such record")));
  EXPECT_FALSE(Grid->GetControlHidden());
}

// ---- Rows, cells and the bound restrictions ------------------------------------------------------------
TEST_F(DBGridRecords, RowsAndCellOperationsOfABoundGrid) {
  Grid->SetGridRowCount(7);
  EXPECT_EQ(Grid->GetDBRowCount(), 7) << "unbound: the grid's rows";
  Start();
  EXPECT_EQ(Grid->GetDBRowCount(), 5) << "bound: the records";
  Grid->SetDBRowCount(9);
  Grid->InsertRow(1);
  Grid->DeleteRows(1, 2);
  EXPECT_EQ(Grid->GetGridRowCount(), 5) << "rows come from the dataset alone";
  EXPECT_EQ(Data->RecordCount(), 5);

  Grid->SetCellSelectMode(cmRange);
  EXPECT_EQ(Grid->GetCellSelectMode(), cmNone);
  Grid->SelectCells(1, 1, 2, 2);
  EXPECT_EQ(Grid->GetGridStatus(), grNormal);

  EXPECT_EQ(Grid->GetDBMaxTopRow(), 0);
  Variant row;
  for (Integer displayRow : {0, -1, 6}) {
    Grid->GetDBDataRownr(displayRow, row);
    EXPECT_TRUE(VarIsEmpty(row)) << displayRow;
  }
  Grid->GetDBDataRownr(5, row);
  EXPECT_EQ(VarToStr(row), BookmarkOf(5));

  EXPECT_FALSE(Grid->DrawCell3D(1, Variant(BookmarkOf(2))));
  Grid->SetDBCellIs3D(2, Variant(BookmarkOf(2)), true);
  EXPECT_TRUE(Grid->DrawCell3D(2, Variant(BookmarkOf(2))));
  EXPECT_FALSE(Grid->DrawCell3D(1, Variant(BookmarkOf(2))));
  EXPECT_FALSE(Grid->DrawCell3D(9, Variant(BookmarkOf(2))));

  Grid->InsertCol(3, "id");
  EXPECT_EQ(Grid->GetGridDBCols()->GetDBCol(Variant(3))->GetDatasetField(), Data->FieldByName("id"));
}

TEST_F(DBGridRecords, ABoundGridDoesNotMoveSizeSingleOrFixRows) {
  struct Case {
    const char* Name;
    bool Bound;
    bool Moving;
    TtsResizeRows Resize;
    Integer Fixed;
  } cases[] = {
      {"unbound, every value applies", false, true, rrSingle, 1},
      {"bound, the restricted values are ignored", true, false, rrAll, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    if (c.Bound) Start();
    Grid->SetRowMoving(true);
    Grid->SetDBResizeRows(rrSingle);
    Grid->SetDBFixedRowCount(1);
    EXPECT_EQ(Grid->GetRowMoving(), c.Moving);
    EXPECT_EQ(Grid->GetDBResizeRows(), c.Resize);
    EXPECT_EQ(Grid->GetDBFixedRowCount(), c.Fixed);
    Grid->SetDBResizeRows(rrNone);
    EXPECT_EQ(Grid->GetDBResizeRows(), rrNone) << "one height for all rows stays possible";
    Grid->SetDBFixedRowCount(0);
    EXPECT_EQ(Grid->GetDBFixedRowCount(), 0);
    TearDown();
    SetUp();
  }
}

TEST_F(DBGridRecords, ScalingReachesTheRecordsOwnFontsRoundingHalvesAwayFromZero) {
  Start();
  Grid->SetDefaultRowHeight(19);
  Variant r1(BookmarkOf(1)), r2(BookmarkOf(2));
  Grid->AssignRowFont(r1);
  Grid->GetDBRowFont(r1)->SetSize(9);
  Grid->AssignCellFont(2, r2);
  Grid->GetDBCellFont(2, r2)->SetSize(11);
  TFont* kept = Grid->GetDBRowFont(r1);
  Grid->AssignRowFont(r1);
  EXPECT_EQ(Grid->GetDBRowFont(r1)->GetSize(), 9) << "a row with a font of its own keeps it";
  EXPECT_EQ(Grid->GetDBRowFont(r1), kept);

  Grid->ScaleRows(3, 2, TScalingFlags{sfHeight, sfFont});
  Grid->ScaleCells(3, 2, TScalingFlags{sfHeight, sfFont});
  EXPECT_EQ(Grid->GetDefaultRowHeight(), 29) << "28.5";
  EXPECT_EQ(Grid->GetDBRowFont(r1)->GetSize(), 14) << "13.5";
  EXPECT_EQ(Grid->GetDBCellFont(2, r2)->GetSize(), 17) << "16.5";

  Grid->ScaleCells(1, 2, TScalingFlags{sfHeight});
  EXPECT_EQ(Grid->GetDBCellFont(2, r2)->GetSize(), 17) << "fonts follow only with sfFont";
  Grid->ScaleRows(2, 2, TScalingFlags{sfHeight, sfFont});
  EXPECT_EQ(Grid->GetDefaultRowHeight(), 29);

  Grid->ResetRowFont(r1);
  EXPECT_EQ(Grid->GetDBRowFont(r1), nullptr);
  Grid->GetFont()->SetSize(12);
  Grid->AssignRowFont(r1);
  EXPECT_EQ(Grid->GetDBRowFont(r1)->GetSize(), 12) << "a copy of the grid's font as it is now";
  Grid->ResetCellFont(2, r2);
  EXPECT_EQ(Grid->GetDBCellFont(2, r2), nullptr);
}

}  // namespace
}  // namespace DBGridTest
