// The data-bound grid's structure: construction and teardown with its data.
#include "DBGridTestSupport.h"

namespace DBGridTest {

TEST_F(DBGridTest, ABoundGridOverAnOpenDatasetIsFreedWithItsForm) {
  BindAndOpen();
  EXPECT_TRUE(Grid->GetDataBound());
  // No platform dataset has the cursor the scroll strategy reads.
  EXPECT_EQ(dstStandard, Grid->GetDatasetType());
  EXPECT_TRUE(Grid->GetCanSetCurrentRec());
  EXPECT_FALSE(Grid->GetInSyncDataset());
}

}  // namespace DBGridTest
