// The grid object: construction defaults, counts and the abstract operations.
#include "GridControlTestSupport.h"

using namespace GridControlTest;

namespace {

class GridObject : public GridTest {};

TEST_F(GridObject, StartsWithFourByFour) {
  EXPECT_EQ(Grid->GetGridColCount(), 4);
  EXPECT_EQ(Grid->GetGridRowCount(), 4);
  EXPECT_EQ(DisplayColOrder(Grid), "1,2,3,4");
}

}  // namespace
