// The grid control's event layer: dispatcher defaults without handlers, row-loaded reports, the
// text check of loaded values, and the events held back while the grid is read from a stream.
#include "GridControlTestSupport.h"
#include "Variants.h"

using namespace GridControlTest;

namespace {

class EventLayerTest : public ::testing::Test {
 protected:
  void SetUp() override { Grid = New<TtsGrid>(); }
  void TearDown() override { FreeAndNil(Grid); }
  TtsGrid* Grid = nullptr;
};

TEST_F(EventLayerTest, WithoutHandlersEditsGoAheadAndInvalidMasksAreRefused) {
  bool cancel = true, accept = true;
  Grid->DoStartCellEdit(1, Variant(1), cancel);
  EXPECT_FALSE(cancel);
  cancel = true;
  Grid->DoEndRowEdit(Variant(1), cancel);
  EXPECT_FALSE(cancel);
  cancel = true;
  Grid->DoShowEditor(1, Variant(1), cancel);
  EXPECT_FALSE(cancel);
  Grid->DoInvalidMaskValue(1, Variant(1), accept);
  EXPECT_FALSE(accept);
  accept = true;
  Grid->DoInvalidMaskEdit("x", 1, Variant(1), accept);
  EXPECT_FALSE(accept);
  EXPECT_FALSE(Grid->DoClickCell(1, Variant(1), 1, Variant(1), cpCell, cpCell));
}

TEST_F(EventLayerTest, RowLoadedFiresOncePerNewlyReachedRow) {
  std::vector<Integer> rows;
  Grid->OnRowLoaded = [&](TObject*, Integer Row) { rows.push_back(Row); };
  Variant value;
  for (Integer row : {5, 5, 5, 6}) Grid->CellLoadedEvent(1, row, ctText, value);
  EXPECT_EQ(rows, (std::vector<Integer>{5, 6}));
}

TEST_F(EventLayerTest, AnIntegerForATextCellRaisesOrBecomesText) {
  Grid->OnCellLoaded = [](TObject*, Integer, Integer, Variant& Value) { Value = 12; };
  Variant value;
  EXPECT_THROW(Grid->CellLoadedEvent(1, 1, ctText, value), Exception);
  Grid->SetRaiseErrors(false);
  Variant converted;
  Grid->CellLoadedEvent(1, 2, ctText, converted);
  EXPECT_TRUE(VarIsStr(converted));
  EXPECT_EQ(VarToStr(converted), "12");
}

TEST_F(EventLayerTest, TopLeftChangesAreReportedOnlyWhenTheyMove) {
  Integer reports = 0;
  Grid->OnTopLeftChanged = [&](TObject*, Integer, Integer, Integer, Integer, bool) { ++reports; };
  Grid->TopLeftChangedEvent(1, 1, true, 1, 1);
  EXPECT_EQ(reports, 0);
  Grid->TopLeftChangedEvent(1, 1, true, 2, 1);
  EXPECT_EQ(reports, 1);
}

}  // namespace
