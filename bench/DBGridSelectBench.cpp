// Shift+click over a bound grid: the selection start on the first of 10^5 records, the click on the
// last one, so that the whole dataset lies between them and the start is out of the display buffer.
// Range mode keeps it as one range of two bookmarks; set mode walks the dataset to collect every
// bookmark. Both against one Next walk over the same records (the dataset's controls disabled, as
// the scan has them).
#include "DB.h"
#include "GridBenchSupport.h"
#include "MemoryDataSet.h"
#include "Strings.h"
#include "TSDBGrid.h"

namespace Units {
void RegisterUnits_grid_databound();
}

namespace {

using namespace GridBench;

constexpr Integer Records = 100000;

void BM_DBGridShiftClickRatio(benchmark::State& State) {
  Units::RegisterUnits_grid_databound();
  TForm* form = BenchForm();
  auto* data = New<TMemoryDataSet>(form);
  data->FieldDefs()->Add("id", DB::ftInteger);
  data->FieldDefs()->Add("name", DB::ftString, 20);
  for (Integer i = 1; i <= Records; ++i) data->AddRow({Variant(i), Variant(String("R") + IntToStr(i))});
  auto* source = New<TDataSource>(form);
  source->SetDataSet(data);
  auto* grid = New<TtsDBGrid>(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 433, 413);
  grid->SetDataSource(source);
  data->Open();
  grid->SetRecordSelection(State.range(0) == 0 ? rseBookmarkRange : rseBookmarkSet);
  double walk = 0, click = 0;
  Integer selected = 0;
  for (auto _ : State) {
    auto t0 = Clock::now();
    data->DisableControls();
    data->First();
    while (!data->Eof()) data->Next();
    data->EnableControls();
    walk = std::chrono::duration<double>(Clock::now() - t0).count();

    grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
    data->First();
    grid->SetSelectionStartRow(1);
    grid->SetDBRowSelected(Variant(data->GetBookmark()), true);
    data->Last();
    Integer line = grid->GetGridData()->CurrentBufRow();
    bool cancel = false;
    t0 = Clock::now();
    grid->SelectRowShiftMouseDown(line, cancel);
    click = std::chrono::duration<double>(Clock::now() - t0).count();
    selected = grid->GetSelection()->GetUseRangeSelection() ? grid->GetSelection()->GetRangesInUse()
                                                            : grid->GetSelection()->Count();
  }
  State.counters["click_vs_next_walk"] = click / walk;
  State.counters["click_ms"] = click * 1e3;
  State.counters["walk_ms"] = walk * 1e3;
  // Range mode: the ranges held (one); set mode: the bookmarks held.
  State.counters["held"] = selected;
  grid->Free();
}
BENCHMARK(BM_DBGridShiftClickRatio)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
