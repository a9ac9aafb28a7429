// The data-bound grid's structure: its parts and defaults, assignment, the nesting counters and the
// rules for DataRow values.
#include <functional>

#include "DBGridTestSupport.h"
#include "TSDBGridScrollDataset.h"
#include "TSGridCustom.h"

namespace DBGridTest {
namespace {

TEST_F(DBGridTest, ABoundGridOverAnOpenDatasetIsFreedWithItsForm) {
  EXPECT_FALSE(Grid->GetCreating());
  EXPECT_FALSE(Grid->GetDataBound());
  EXPECT_EQ(dstBDE, Grid->GetDatasetType());
  EXPECT_FALSE(Grid->GetUseStandardScrolling());
  EXPECT_EQ(Grid->GetGridData(), static_cast<TtsGridData*>(Grid->GetScrollDataset()));
  EXPECT_TRUE(Grid->GetExactRowCount() && Grid->GetAutoInsert() && Grid->GetConfirmDelete());
  EXPECT_EQ(rrAll, Grid->GetResizeRows());
  EXPECT_EQ(rseBookmarkRange, Grid->GetRecordSelection());
  EXPECT_EQ(fsDefault, Grid->GetFieldState());
  BindAndOpen();
  EXPECT_TRUE(Grid->GetDataBound());
  // No platform dataset has the cursor the scroll strategy reads.
  EXPECT_EQ(dstStandard, Grid->GetDatasetType());
  EXPECT_TRUE(Grid->GetUseStandardScrolling());
  EXPECT_EQ(Grid->GetGridData(), static_cast<TtsGridData*>(Grid->GetStandardDataset()));
}

TEST_F(DBGridTest, ABoundGridFreedBeforeItsDataLeavesTheDataSourceUnlinked) {
  BindAndOpen();
  Grid->Free();
  Grid = nullptr;
  EXPECT_EQ(0, Source->LinkCount());
}

TEST_F(DBGridTest, NestingCountersPairAndNeverGoBelowZero) {
  TtsCustomDBGrid* g = Grid;
  struct Counter {
    std::function<void(bool)> Set;
    std::function<bool()> Get;
    bool Raise;  // the call that raises the counter
  };
  const Counter counters[] = {
      {[g](bool v) { g->SetCanSetCurrentRec(v); }, [g] { return g->GetCanSetCurrentRec(); }, false},
      {[g](bool v) { g->SetCanSynchronize(v); }, [g] { return g->GetCanSynchronize(); }, false},
      {[g](bool v) { g->SetCanGetCurrentCell(v); }, [g] { return g->GetCanGetCurrentCell(); }, false},
      {[g](bool v) { g->SetInSyncDataset(v); }, [g] { return g->GetInSyncDataset(); }, true},
      {[g](bool v) { g->SetInDatasetEvent(v); }, [g] { return g->GetInDatasetEvent(); }, true},
      {[g](bool v) { g->SetIgnoreDatasetScrolled(v); }, [g] { return g->GetIgnoreDatasetScrolled(); }, true},
  };
  for (const Counter& c : counters) {
    bool idle = c.Get();
    c.Set(!c.Raise);  // a release at 0 stays at 0
    EXPECT_EQ(idle, c.Get());
    c.Set(c.Raise);
    c.Set(c.Raise);
    EXPECT_NE(idle, c.Get());
    c.Set(!c.Raise);
    EXPECT_NE(idle, c.Get()) << "one release of two holds";
    c.Set(!c.Raise);
    EXPECT_EQ(idle, c.Get());
  }
}

TEST_F(DBGridTest, AssignTakesOnlyDataBoundGridsAndSharesTheirDataSource) {
  auto* plain = New<TtsGrid>(Form);
  plain->SetName("Plain");
  try {
    Grid->Assign(plain);
    FAIL() << "assigned a plain grid";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ("Grid: Cannot assign TtsGrid to TtsDBGrid", e.Message());
  }
  BindAndOpen();
  auto* copy = New<TtsDBGrid>(Form);
  copy->Assign(Grid);
  EXPECT_EQ(Source, copy->GetDataSource());
  EXPECT_TRUE(copy->GetDataBound());
  auto* skipped = New<TtsDBGrid>(Form);
  skipped->AssignProperties(Grid, "DataSource;");
  EXPECT_EQ(nullptr, skipped->GetDataSource());
}

TEST_F(DBGridTest, BoundGridsStoreColumnsOnlyWhenCustomizedAndNeverRows) {
  EXPECT_TRUE(Grid->StoreRows());
  EXPECT_TRUE(Grid->StoreCols());
  EXPECT_EQ(4, Grid->DefaultColCount());
  BindAndOpen();
  EXPECT_FALSE(Grid->StoreRows());
  EXPECT_FALSE(Grid->StoreCols());
  EXPECT_EQ(1, Grid->DefaultColCount());
  EXPECT_EQ(1, Grid->DefaultRowCount());
  Grid->SetFieldState(fsCustomized);
  EXPECT_TRUE(Grid->StoreCols());
}

TEST_F(DBGridTest, RowEventsOfInsertAndDeleteFireOnlyForAnUnboundGrid) {
  std::vector<Variant> rows;
  Grid->OnInsertRow = [&](TObject*, const Variant& DataRow, bool) { rows.push_back(DataRow); };
  Grid->OnDeleteRow = [&](TObject*, const Variant& DataRow, bool) { rows.push_back(DataRow); };
  Grid->RowInserted(3, true);
  Grid->RowDeleted(2, false);
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ(3, rows[0].ToInteger());
  EXPECT_EQ(2, rows[1].ToInteger());
  BindAndOpen();
  Grid->RowInserted(1, true);
  Grid->RowDeleted(1, true);
  EXPECT_EQ(2u, rows.size());
}

TEST_F(DBGridTest, RecordIdsNeedTheSwitchAndAHandler) {
  BindAndOpen();
  Grid->SetUseRecordIds(true);
  EXPECT_FALSE(Grid->CanUseRecordIds());
  Grid->SetOnGetRecordID([](TObject*, const Variant& DataRow, Variant& Id) { Id = 7; });
  EXPECT_TRUE(Grid->CanUseRecordIds());
  Grid->SetUseRecordIds(false);
  EXPECT_FALSE(Grid->CanUseRecordIds());
  // The insertion row is named by the empty bookmark without record ids and by Null with them.
  EXPECT_TRUE(VarIsStr(TtsCustomDBGrid::EmptyBookmark()));
  EXPECT_TRUE(VarIsNull(TtsCustomDBGrid::NullDataRow()));
  EXPECT_TRUE(VarIsEmpty(Grid->GetBookmarkRecordID(String())));
}

TEST_F(DBGridTest, DataRowKindsAreCheckedAsTheErrorSwitchSays) {
  BindAndOpen();
  struct Case {
    Variant DataRow;
    bool IdValid, BkmValid;
  };
  const Case cases[] = {
      {Variant(String("b1")), true, true}, {Variant(Integer{3}), false, false}, {Null(), false, false}};
  for (const Case& c : cases) {
    Grid->SetRaiseErrors(false);
    EXPECT_EQ(c.IdValid, Grid->CheckIdType(c.DataRow));
    EXPECT_EQ(c.BkmValid, Grid->CheckBkmType(c.DataRow));
    Grid->SetRaiseErrors(true);
    if (!c.BkmValid) EXPECT_THROW(Grid->CheckBkmType(c.DataRow), EInvalidGridOperation);
  }
  Grid->SetOnGetRecordID([](TObject*, const Variant&, Variant& Id) { Id = 1; });
  Grid->SetUseRecordIds(true);
  EXPECT_TRUE(Grid->CheckIdType(Variant(Integer{3})));
  EXPECT_THROW(Grid->CheckBkmType(Variant(Integer{3})), EInvalidGridOperation);
}

TEST_F(DBGridTest, RecordIdComparisonAsksTheHandlerThenComparesTheValues) {
  EXPECT_LT(Grid->CompareRecId(1, 2), 0);
  EXPECT_EQ(0, Grid->CompareRecId(String("a"), String("a")));
  Grid->OnCompareRecordID = [](TObject*, const Variant& A, const Variant& B, Integer& Result) {
    if (VarIsStr(A)) Result = 5;
  };
  EXPECT_EQ(5, Grid->CompareRecId(String("a"), String("b")));
  EXPECT_GT(Grid->CompareRecId(9, 2), 0);
  Grid->OnCompareRecordID = [](TObject*, const Variant&, const Variant&, Integer&) { throw Exception("no order"); };
  try {
    Grid->CompareRecId(1, 2);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ("Grid: no order", e.Message());
  }
}

}  // namespace
}  // namespace DBGridTest
