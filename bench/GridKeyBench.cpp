// The grid's key road. BM_GridDownRatio presses Down from the first row to the last of an editing
// grid whose every third row is hidden and whose current column lies between read-only columns
// (skipped), painting after each key, with 10^4 and with 10^3 rows: the cost of a key against one
// full repaint, and the 10^4-row key against the 10^3-row one (it must not grow with the row count).
#include "GridBenchSupport.h"
#include "Strings.h"
#include "WinInput.h"

namespace {

using namespace GridBench;

// A grid whose cells show a text made when they are loaded for painting.
class TKeyBenchGrid : public TtsBaseGrid {
  DECLARE_CLASS(TKeyBenchGrid, TtsBaseGrid)
 public:
  explicit TKeyBenchGrid(TComponent* AOwner = nullptr) : TtsBaseGrid(AOwner) {}
  void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType, Variant& Value) override {
    Value = "物品 " + IntToStr(DataCol) + "." + IntToStr(DataRow);
  }
  bool PaintCell(TtsDrawData&, const TRect&, bool) override { return false; }
  bool ActivateDoGetDrawInfo() override { return false; }
  void TopLeftChangedEvent(Integer, Integer, bool, Integer, Integer) override {}
  void DoRowLoaded(const Variant&) override {}
  void DoCellChanged(Integer, Integer, const Variant&, const Variant&) override {}
  void DoRowChanged(const Variant&, const Variant&) override {}
  void DoShowEditor(Integer, const Variant&, bool&) override {}
};
IMPLEMENT_CLASS(TKeyBenchGrid)

// Five columns, the second and fourth read-only; every third row hidden; the current cell at the
// top of the third column, which Down keeps.
TKeyBenchGrid* MakeGrid(Integer Rows) {
  auto* grid = New<TKeyBenchGrid>(BenchForm());
  grid->SetBorderStyle(bsNone);
  grid->SetGridColCount(5);
  grid->SetGridRowCount(Rows);
  grid->SetParent(BenchForm());
  grid->SetBounds(0, 0, 433, 413);
  grid->SetSkipReadOnly(true);
  grid->GetCols()->GetItem(2)->SetReadOnly(true);
  grid->GetCols()->GetItem(4)->SetReadOnly(true);
  for (Integer row = 3; row <= Rows; row += 3) grid->SetRowVisible(row, false);
  grid->SetCurrentCell(3, 1);
  grid->SetFocus();
  Application->ProcessMessages();
  return grid;
}

// Presses Down from the first row to the last, painting after each key; answers the keys pressed.
Integer DownThrough(TtsBaseGrid* Grid) {
  Integer keys = 0;
  for (Integer last = -1; Grid->GetCurDisplayRow() != last; ++keys) {
    last = Grid->GetCurDisplayRow();
    Word key = VK_DOWN;
    Grid->ProcessKeyDown(key, {});
    Application->ProcessMessages();
  }
  return keys;
}

void BM_GridDownRatio(benchmark::State& state) {
  CountStepRatios(state, 10000, 1000, MakeGrid, DownThrough, "key", "rows_1e4_vs_1e3");
}
BENCHMARK(BM_GridDownRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
