// Loading and painting cells of the data-bound grid, and the rows its buffer is sized to.
#include "DBGridTestSupport.h"
#include "Strings.h"

using namespace DBGridTest;

namespace {

class DBGridPaint : public DBGridTest {
 protected:
  void ShowAndPaint() {
    Form->Show();
    Grid->Invalidate();
    Application->ProcessMessages();
  }
  std::vector<String> Seen;
};

TEST_F(DBGridPaint, TheRowsABufferIsSizedTo) {
  TtsDBGrid* loose = New<TtsDBGrid>(Form);
  EXPECT_EQ(loose->MaxDisplayRows(), 0) << "no window yet";
  Form->Show();
  Application->ProcessMessages();
  Grid->SetHeadingHeight(18);
  Grid->SetDefaultRowHeight(19);
  Grid->SetDatasetType(dstStandard);
  EXPECT_EQ(Grid->MaxDisplayRows(), 20) << "whole rows below the heading of a 413-pixel window";
}

TEST_F(DBGridPaint, AnUnboundGridReportsEachRowOnceAPaintByNumber) {
  Grid->SetGridColCount(2);
  Grid->SetGridRowCount(3);
  Grid->OnRowLoaded = [&](TObject*, const Variant& Row) {
    Seen.push_back(String(VarIsStr(Row) ? "s" : "n") + IntToStr(Row.ToInteger()));
  };
  Integer cells = 0;
  Grid->OnCellLoaded = [&](TObject*, Integer, const Variant&, Variant& Value) {
    ++cells;
    Value = Variant(String("值"));
  };
  // Once per row (not per cell) in a paint; the current cell's value read for its editor afterwards
  // reaches a row the cache has left.
  auto paintedRows = [&] { return std::vector<String>(Seen.begin(), Seen.begin() + std::min<size_t>(3, Seen.size())); };
  ShowAndPaint();
  EXPECT_EQ(paintedRows(), (std::vector<String>{"n1", "n2", "n3"}));
  EXPECT_GE(cells, 6);
  Seen.clear();
  ShowAndPaint();
  EXPECT_EQ(paintedRows(), (std::vector<String>{"n1", "n2", "n3"})) << "every paint reports its rows again";
}

TEST_F(DBGridPaint, TheHeadingIsOfferedAsRowZeroWithItsColours) {
  Grid->SetGridColCount(2);
  Grid->SetGridRowCount(2);
  Grid->SetHeadingColor(clAqua);
  Grid->OnPaintCell = [&](TObject* Sender, Integer Col, const Variant& Row, TRect, TtsPaintCellState State,
                          bool& Cancel) {
    TCanvas* canvas = static_cast<TtsDBGrid*>(Sender)->GetCanvas();
    if (Row.ToInteger() == 0)
      Seen.push_back(String(VarIsStr(Row) ? "s" : "n") + "0 " +
                     (canvas->GetBrush()->GetColor() == clAqua ? "heading colour" : "other colour"));
  };
  ShowAndPaint();
  ASSERT_FALSE(Seen.empty());
  EXPECT_EQ(Seen[0], "n0 heading colour");
}

TEST_F(DBGridPaint, AGridBoundToAClosedDatasetPaintsAndLoadsNothingOfItsOwn) {
  Grid->SetDataSource(Source);
  Integer offered = 0, loaded = 0;
  Grid->OnPaintCell = [&](TObject*, Integer, const Variant&, TRect, TtsPaintCellState, bool&) { ++offered; };
  Grid->OnCellLoaded = [&](TObject*, Integer, const Variant&, Variant&) { ++loaded; };
  Grid->OnRowLoaded = [&](TObject*, const Variant&) { ++loaded; };
  ShowAndPaint();
  EXPECT_EQ(offered, 0);
  EXPECT_EQ(loaded, 0);
  Variant value(String("kept"));
  Grid->CellLoadedEvent(1, 1, ctText, value);
  EXPECT_EQ(value.ToString(), "kept");
}

}  // namespace
