// Binding the data-bound grid: the data source and the strategy, bookmark and selection settings
// that constrain each other.
#include "DBGridTestSupport.h"

namespace DBGridTest {
namespace {

TEST_F(DBGridTest, BindingMakesTheGridFitForRecords) {
  Grid->SetFixedRowCount(2);
  Grid->SetResizeRows(rrSingle);
  Grid->SetRowMoving(true);
  Grid->SetDataSource(Source);
  EXPECT_EQ(0, Grid->GetFixedRowCount());
  EXPECT_EQ(rrAll, Grid->GetResizeRows());
  EXPECT_FALSE(Grid->GetRowMoving());
  EXPECT_EQ(Source, Grid->GetDataSource());
  EXPECT_EQ(Data, Grid->GetDataset());
}

TEST_F(DBGridTest, SettingTheSameDataSourceChangesNothingAndNilUnbinds) {
  Grid->SetDataSource(Source);
  Integer changes = 0;
  Grid->OnFieldLayoutChange = [&](TObject*) { ++changes; };
  Grid->SetDataSource(Source);
  EXPECT_EQ(0, changes);
  Grid->SetDataSource(nullptr);
  EXPECT_EQ(1, changes);
  EXPECT_FALSE(Grid->GetDataBound());
  EXPECT_EQ(nullptr, Grid->GetDataSource());
  EXPECT_EQ(0, Source->LinkCount());
}

TEST_F(DBGridTest, NonOrderedBookmarksForceTheStandardStrategyAndSetSelection) {
  EXPECT_EQ(dstBDE, Grid->GetDatasetType());
  Grid->SetBookmarkType(bmtNonOrdered);
  EXPECT_EQ(dstStandard, Grid->GetDatasetType());
  EXPECT_EQ(rseBookmarkSet, Grid->GetRecordSelection());
  // No dataset suits the scroll strategy, so the type and the bookmarks stay.
  Grid->SetDatasetType(dstBDE);
  EXPECT_EQ(dstStandard, Grid->GetDatasetType());
  EXPECT_EQ(bmtNonOrdered, Grid->GetBookmarkType());
  Grid->SetBookmarkType(bmtDefault);
  EXPECT_EQ(rseBookmarkRange, Grid->GetRecordSelection());
  Grid->SetRecordSelection(rseBookmarkSet);
  EXPECT_EQ(rseBookmarkSet, Grid->GetRecordSelection());
}

TEST_F(DBGridTest, ABoundGridKeepsNoCellDataOfItsOwn) {
  Grid->SetStoreData(true);
  EXPECT_TRUE(Grid->GetStoreData());
  Grid->SetDataSource(Source);
  EXPECT_FALSE(Grid->GetStoreData());
  Grid->SetStoreData(true);
  EXPECT_FALSE(Grid->GetStoreData());
}

}  // namespace
}  // namespace DBGridTest
