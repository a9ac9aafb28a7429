// Row-structure roads of the grid. BM_GridDeleteEveryOtherRowRatio deletes every other row of a
// 2·10^4-row grid whose rows and cells carry settings, against building the grid that is left (10^4
// rows with the settings of the survivors) once: deleting must cost a few builds, not grow with the
// rows times the deletions. BM_GridSelectAllRowsRatio selects all rows of a 10^5-row grid by the
// corner click (and shows it), against one full repaint of that grid.
#include "GridBenchSupport.h"
#include "Graphics.h"
#include "Strings.h"

namespace {

using namespace GridBench;

constexpr Integer kDeleteRows = 20000;

// Row Data of the full grid carries a colour; every third row a cell colour in columns 2 and 4.
void SetRowSettings(TtsBaseGrid* Grid, Integer Row, Integer Data) {
  Grid->SetRowColor(Row, TColor(0x010101 * (Data % 200)));
  if (Data % 3 == 0) {
    Grid->SetCellColor(2, Row, TColor(0x000100 * (Data % 250)));
    Grid->SetCellColor(4, Row, TColor(0x010000 * (Data % 250)));
  }
}

TtsGrid* MakeGrid(Integer Rows) {
  auto* grid = New<TtsGrid>();
  grid->SetGridColCount(5);
  grid->SetGridRowCount(Rows);
  return grid;
}

// The full grid with every other row selected.
TtsGrid* MakeFullGrid() {
  TtsGrid* grid = MakeGrid(kDeleteRows);
  for (Integer row = 1; row <= kDeleteRows; ++row) SetRowSettings(grid, row, row);
  for (Integer row = 2; row <= kDeleteRows; row += 2) grid->AddRowSelection(row, row);
  return grid;
}

// What the deletion leaves: the odd rows, each with its settings.
TtsGrid* BuildSurvivors() {
  TtsGrid* grid = MakeGrid(kDeleteRows / 2);
  for (Integer row = 1; row <= kDeleteRows / 2; ++row) SetRowSettings(grid, row, 2 * row - 1);
  return grid;
}

void BM_GridDeleteEveryOtherRowRatio(benchmark::State& state) {
  BenchForm();
  double deleting = 0, building = 0;
  for (auto _ : state) {
    TtsGrid* full = MakeFullGrid();
    auto t0 = Clock::now();
    full->DeleteSelectedRows();
    auto t1 = Clock::now();
    TtsGrid* built = BuildSurvivors();
    auto t2 = Clock::now();
    deleting += std::chrono::duration<double>(t1 - t0).count();
    building += std::chrono::duration<double>(t2 - t1).count();
    bool same = full->GetGridRowCount() == built->GetGridRowCount();
    for (Integer row = 1; same && row <= built->GetGridRowCount(); row += 97)
      same = full->GetRowColor(row) == built->GetRowColor(row) && full->GetCellColor(2, row) == built->GetCellColor(2, row);
    if (!same) state.SkipWithError("the deletion left another grid than the one built");
    full->Free();
    built->Free();
  }
  state.counters["ratio"] = deleting / building;
  state.counters["delete_ms"] = deleting * 1e3 / state.iterations();
  state.counters["build_ms"] = building * 1e3 / state.iterations();
}
BENCHMARK(BM_GridDeleteEveryOtherRowRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GridSelectAllRowsRatio(benchmark::State& state) {
  TForm* form = BenchForm();
  auto* grid = New<TtsGrid>(form);
  grid->SetBorderStyle(bsNone);
  grid->SetGridColCount(5);
  grid->SetGridRowCount(100000);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 433, 413);
  Application->ProcessMessages();
  double selecting = 0;
  Integer clicks = 0;
  for (auto _ : state) {
    // The corner click selects all rows; the next one takes them away again.
    for (int i = 0; i < 2; ++i) {
      auto t0 = Clock::now();
      grid->MDSelectAll(true);
      grid->Update();
      selecting += std::chrono::duration<double>(Clock::now() - t0).count();
      ++clicks;
      Integer expected = i == 0 ? grid->GetGridRowCount() : 0;
      if (grid->GetRowSelection()->Count != expected) state.SkipWithError("the corner click did not select all rows");
    }
  }
  double repaint = RepaintSeconds(grid, 20);
  state.counters["ratio"] = selecting / clicks / repaint;
  state.counters["click_us"] = selecting / clicks * 1e6;
  state.counters["repaint_us"] = repaint * 1e6;
  grid->Free();
}
BENCHMARK(BM_GridSelectAllRowsRatio)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
