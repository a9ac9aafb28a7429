// The update engine through the controller: batching, filtering, sorting, grouping, rows, focus,
// selection and remembered expansion.
#include <gtest/gtest.h>

#include <algorithm>

#include "cxDataControllerFixture.h"

namespace {

using V = std::vector<Integer>;

class EngineTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("K", IntType());
    C->AddColumn("S", StrType());
  }
  // Rows of the given keys and texts.
  void Fill(const std::vector<std::pair<Variant, Variant>>& ARows) {
    std::vector<std::vector<Variant>> A;
    for (auto& [K, S] : ARows) A.push_back({K, S});
    C->SetRows(A);
  }
  Integer Count(const std::string& AEntry) {
    return static_cast<Integer>(std::count(C->Log.begin(), C->Log.end(), AEntry));
  }
};

TEST_F(EngineTest, UnsortedViewIsTheNaturalOrder) {
  Fill({{3, "c"}, {1, "a"}, {2, "b"}});
  EXPECT_EQ(C->ViewRecords(), (V{0, 1, 2}));
  C->ClearLog();
  C->Refresh();
  EXPECT_EQ(C->Log, (std::vector<std::string>{"data total -1 -1"}));
}

TEST_F(EngineTest, SortingOrdersByKeysThenByRecordIndex) {
  Fill({{2, "x"}, {1, "y"}, {2, "a"}, {Null(), "n"}, {1, "b"}});
  C->ChangeSorting(0, soAscending);
  EXPECT_EQ(C->ViewRecords(), (V{3, 1, 4, 0, 2}));  // Null first, ties by record index
  C->ChangeSorting(0, soDescending);
  EXPECT_EQ(C->ViewRecords(), (V{0, 2, 1, 4, 3}));
  C->ChangeSorting(1, soAscending);  // second key breaks the ties
  EXPECT_EQ(C->ViewRecords(), (V{2, 0, 4, 1, 3}));
  C->ClearSorting(false);
  EXPECT_EQ(C->ViewRecords(), (V{0, 1, 2, 3, 4}));
}

TEST_F(EngineTest, StringOptionsChooseTheComparison) {
  Fill({{0, "b"}, {0, "B"}, {0, "a"}, {0, "A"}});
  C->ChangeSorting(1, soAscending);
  EXPECT_EQ(C->ViewRecords(), (V{3, 1, 2, 0}));  // ordinal: capitals first
  C->SetOptions(C->GetOptions() + TcxDataControllerOptions{dcoCaseInsensitive});
  EXPECT_EQ(C->ViewRecords(), (V{2, 3, 0, 1}));  // equal texts by record index
}

TEST_F(EngineTest, ManyChangesInOneBatchMakeOnePass) {
  Fill({{2, "b"}, {1, "a"}});
  int ASortingEvents = 0;
  C->OnSortingChanged = [&](TcxCustomDataController*) { ++ASortingEvents; };
  C->ClearLog();
  C->BeginUpdate();
  for (int I = 0; I < 10; ++I) C->ChangeSorting(I % 2, I % 3 == 0 ? soAscending : soDescending);
  EXPECT_TRUE(C->Log.empty());
  C->EndUpdate();
  EXPECT_EQ(Count("layout"), 1);
  EXPECT_EQ(ASortingEvents, 1);
}

TEST_F(EngineTest, FilterEventDropsRecordsButNeverTheEditedOne) {
  Fill({{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}});
  C->ChangeFocusedRowIndex(1);
  C->Edit();
  ASSERT_EQ(C->GetProvider()->EditingRecordIndex, 1);
  C->SetOnFilterRecord([](TcxCustomDataController* D, Integer R, bool& Accept) { Accept = R % 2 == 0; });
  // setting the event refilters; the filter posts the edit first, so record 1 is free to go
  EXPECT_EQ(C->ViewRecords(), (V{0, 2}));
  C->Edit();
  C->ChangeFocusedRowIndex(1);
  C->SetOptions(C->GetOptions() + TcxDataControllerOptions{dcoImmediatePost});  // a refresh while editing 2
  EXPECT_EQ(C->ViewRecords(), (V{0, 2}));
}

TEST_F(EngineTest, OneGroupingLevelLaysOutCollapsedGroups) {
  Fill({{2, "x"}, {1, "y"}, {1, "z"}});
  C->GetGroups()->ChangeGrouping(0, 0);
  ASSERT_EQ(C->GetRowCount(), 2);
  TcxRowInfo R = C->GetRowInfo(0);
  EXPECT_EQ(R.Level, 0);
  EXPECT_FALSE(R.Expanded);
  EXPECT_EQ(R.RecordIndex, 1);  // the first record of group 1
  EXPECT_EQ(C->GetRowInfo(1).RecordIndex, 0);
  C->GetGroups()->ChangeExpanding(0, true, false);
  EXPECT_EQ(C->GetRowCount(), 4);
  EXPECT_EQ(C->GetRowInfo(1).Level, 1);
  EXPECT_EQ(C->GetRowInfo(2).RecordIndex, 2);
  EXPECT_EQ(C->GetGroups()->GetGroupValue(0).ToInteger(), 1);
  EXPECT_EQ(C->GetGroups()->GetChildCount(0), 2);
  EXPECT_THROW(C->GetRowInfo(4), EcxInvalidDataControllerOperation);
}

TEST_F(EngineTest, GroupRowsShowTheirLevelsItem) {
  Fill({{1, "p"}, {1, "q"}});
  C->GetGroups()->ChangeGrouping(1, 0);
  C->GetGroups()->ChangeGrouping(0, 0);  // K outermost, S inside
  C->GetGroups()->FullExpand();
  ASSERT_EQ(C->GetRowCount(), 5);  // 1, p, row, q, row
  Integer AItem = 1;
  EXPECT_EQ(C->GetRowDisplayText(C->GetRowInfo(0), AItem), "1");
  EXPECT_EQ(AItem, 0);
  AItem = 0;
  EXPECT_EQ(C->GetRowDisplayText(C->GetRowInfo(3), AItem), "q");
  EXPECT_EQ(AItem, 1);
  EXPECT_TRUE(C->GetGroups()->HasAsParent(4, 0));
  EXPECT_FALSE(C->GetGroups()->HasAsParent(4, 1));
}

TEST_F(EngineTest, FocusIsClampedAndFollowsItsRecordThroughASort) {
  Fill({{3, "c"}, {1, "a"}, {2, "b"}});
  C->ChangeFocusedRowIndex(9);
  EXPECT_EQ(C->GetFocusedRowIndex(), 2);
  C->ChangeFocusedRowIndex(-5);
  EXPECT_EQ(C->GetFocusedRowIndex(), -1);
  C->ChangeFocusedRecordIndex(0);
  C->ChangeSorting(0, soAscending);
  EXPECT_EQ(C->GetFocusedRecordIndex(), 0);
  EXPECT_EQ(C->GetFocusedRowIndex(), 2);
  C->SetOptions(C->GetOptions() + TcxDataControllerOptions{dcoFocusTopRowAfterSorting});
  C->ChangeSorting(0, soDescending);
  EXPECT_EQ(C->GetFocusedRowIndex(), 0);
}

TEST_F(EngineTest, RefusedFocusMoveLeavesTheRow) {
  Fill({{1, "a"}, {2, "b"}, {3, "c"}});
  C->ChangeFocusedRowIndex(1);
  C->CanFocus = [](Integer R) { return R != 2; };
  C->ClearLog();
  C->ChangeFocusedRowIndex(2);
  EXPECT_EQ(C->GetFocusedRowIndex(), 1);
  EXPECT_TRUE(C->Log.empty());
  C->ChangeFocusedRowIndex(0);
  EXPECT_EQ(C->Log, (std::vector<std::string>{"row 1>0", "record 1>0"}));
}

TEST_F(EngineTest, CollapsingMovesTheFocusToTheGroupRow) {
  Fill({{1, "a"}, {1, "b"}, {2, "c"}});
  C->GetGroups()->ChangeGrouping(0, 0);
  C->GetGroups()->FullExpand();
  C->ChangeFocusedRecordIndex(1);
  EXPECT_EQ(C->GetFocusedRowIndex(), 2);
  C->GetGroups()->ChangeExpanding(0, false, false);
  EXPECT_EQ(C->GetFocusedRowIndex(), 0);
  C->SetOptions(C->GetOptions() + TcxDataControllerOptions{dcoGroupsAlwaysExpanded});
  C->GetGroups()->FullCollapse();
  EXPECT_EQ(C->GetRowCount(), 5);
}

TEST_F(EngineTest, SelectionKeepsRowOrderAndDropsFilteredRecords) {
  Fill({{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}, {5, "f"}, {6, "g"}, {7, "h"}, {8, "i"}, {9, "j"}});
  C->SetMultiSelect(true);
  for (Integer R : {5, 2, 9}) C->ChangeRowSelection(R, true);
  ASSERT_EQ(C->GetSelectedCount(), 3);
  EXPECT_EQ(C->GetSelectedRowIndex(0), 2);
  EXPECT_EQ(C->GetSelectedRowIndex(1), 5);
  EXPECT_EQ(C->GetSelectedRowIndex(2), 9);
  Integer AIndex;
  EXPECT_FALSE(C->GetDataControllerInfo()->GetSelection()->FindByRowIndex(6, AIndex));
  EXPECT_EQ(AIndex, 2);
  C->SetOnFilterRecord([](TcxCustomDataController*, Integer R, bool& Accept) { Accept = R != 5; });
  EXPECT_EQ(C->GetSelectedCount(), 2);
  EXPECT_FALSE(C->GetDataControllerInfo()->GetSelection()->IsRecordSelected(5));
}

TEST_F(EngineTest, SelectRowsWorksOnlyWithMultiSelect) {
  Fill({{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {4, "e"}, {5, "f"}});
  C->SelectRows(5, 2);
  EXPECT_EQ(C->GetSelectedCount(), 0);
  C->SetMultiSelect(true);
  C->SelectRows(5, 2);
  EXPECT_EQ(C->GetSelectedCount(), 4);
  EXPECT_EQ(C->GetSelectedRowIndex(0), 2);
}

TEST_F(EngineTest, FocusedSelectedModeSelectsTheFocusedRow) {
  Fill({{0, "a"}, {1, "b"}});
  EXPECT_EQ(C->GetSelectedCount(), 0);
  C->ChangeFocusedRowIndex(1);
  EXPECT_EQ(C->GetSelectedCount(), 1);
  EXPECT_TRUE(C->IsRowSelected(1));
  C->SyncSelected(false);
  EXPECT_EQ(C->GetSelectedCount(), 0);
}

// A group row's selection item holds an index into the group tree, not a record: deleting
// records must not drop it because that index is at or above the new record count.
TEST_F(EngineTest, DeletingRecordsKeepsSelectedGroupRows) {
  Fill({{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}});
  C->GetGroups()->ChangeGrouping(1, 0);
  C->GetGroups()->ChangeGrouping(0, 0);  // every record its own group at both levels: 8 groups
  C->SetMultiSelect(true);
  C->GetGroups()->FullExpand();
  const Integer ARow = C->GetRowIndexByRecordIndex(1, false) - 1;  // the inner group row of record 1
  ASSERT_EQ(C->GetGroups()->GetDataGroupIndexByRowIndex(ARow), 3);
  C->ChangeRowSelection(ARow, true);
  ASSERT_EQ(C->GetSelectedCount(), 1);
  C->DeleteRecord(3);  // three records left; the selected group's index 3 is not a record index
  ASSERT_EQ(C->GetSelectedCount(), 1);
  const Integer G = C->GetGroups()->GetDataGroupIndexByRowIndex(C->GetSelectedRowIndex(0));
  EXPECT_EQ(C->GetGroups()->GetGroupValue(G).ToString(), "b");
}

TEST_F(EngineTest, RegroupingBySameFieldsKeepsExpansion) {
  Fill({{1, "a"}, {2, "b"}, {2, "c"}, {3, "d"}});
  C->GetGroups()->ChangeGrouping(0, 0);
  C->GetGroups()->ChangeExpanding(1, true, false);  // group 2
  ASSERT_EQ(C->GetRowCount(), 5);
  C->SetValue(0, 1, "z");  // a reload
  EXPECT_EQ(C->GetRowCount(), 5);
  EXPECT_TRUE(C->GetRowInfo(1).Expanded);
  C->GetGroups()->ChangeGrouping(1, 0);  // another field: forgotten
  C->GetGroups()->ChangeGrouping(0, -1);
  EXPECT_EQ(C->GetRowCount(), 4);
}

TEST_F(EngineTest, NearestRowAfterDeletion) {
  Fill({{1, "a"}});
  EXPECT_EQ(C->GetNearestRowIndex(0), -1);  // nothing is left to focus
  C->GetGroups()->ChangeGrouping(0, 0);
  EXPECT_EQ(C->GetNearestRowIndex(0), 0);  // the only group row stays
  C->GetGroups()->ClearGrouping();
  Fill({{1, "a"}, {2, "b"}, {3, "c"}});
  EXPECT_EQ(C->GetNearestRowIndex(1), 2);
  EXPECT_EQ(C->GetNearestRowIndex(2), 1);
}

}  // namespace
