// The data-bound grid's two roads of the application. BM_DBGridRequeryRatio: one refresh of the
// timer list as the program makes it (close the query, open it, put it back on its record number)
// with the grid's repaint, over 1,000 records, against the dataset's own close and open with no grid
// attached. BM_DBGridLineScrollRatio: stepping through 10^5 records one line at a time with the bound
// grid following each step (pixels scrolled, the new row painted), against the dataset's MoveBy alone.
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

TForm* DBBenchForm() {
  Units::RegisterUnits_grid_databound();
  return BenchForm();
}

TMemoryDataSet* MakeTimers(TComponent* Owner, Integer Records) {
  auto* data = New<TMemoryDataSet>(Owner);
  data->FieldDefs()->Add("物品名", DB::ftString, 40);
  data->FieldDefs()->Add("到期时间", DB::ftString, 20);
  data->FieldDefs()->Add("距到期相差秒", DB::ftInteger);
  for (Integer i = 1; i <= Records; ++i)
    data->AddRow({Variant(String("拍品") + IntToStr(i)), Variant(String("2024-05-17 12:30:00")), Variant(86400 - i)});
  return data;
}

// A 433 x 413 list of the main form's shape bound to Data.
TtsDBGrid* MakeList(TForm* Form, TDataSource* Source) {
  auto* grid = New<TtsDBGrid>(Form);
  grid->SetBorderStyle(bsNone);
  grid->SetParent(Form);
  grid->SetBounds(0, 0, 433, 413);
  grid->SetHeadingHeight(18);
  grid->SetDefaultRowHeight(19);
  grid->SetDataSource(Source);
  return grid;
}

template <class Step>
double Seconds(int Count, Step Body) {
  auto t0 = Clock::now();
  for (int i = 0; i < Count; ++i) Body(i);
  return std::chrono::duration<double>(Clock::now() - t0).count() / Count;
}

void BM_DBGridRequeryRatio(benchmark::State& State) {
  TForm* form = DBBenchForm();
  TMemoryDataSet* data = MakeTimers(form, 1000);
  auto* source = New<TDataSource>(form);
  source->SetDataSet(data);
  data->Open();
  const int cycles = 200;
  double bare = 0, bound = 0;
  for (auto _ : State) {
    bare = Seconds(cycles, [&](int) {
      data->Close();
      data->Open();
    });
    TtsDBGrid* grid = MakeList(form, source);
    Repaint(grid);
    data->MoveBy(500);
    bound = Seconds(cycles, [&](int) {
      Integer recNo = data->GetRecNo();
      data->Close();
      data->Open();
      data->SetRecNo(recNo);
      Repaint(grid);
    });
    grid->Free();
  }
  State.counters["cycle_vs_close_open"] = bound / bare;
  State.counters["cycle_us"] = bound * 1e6;
  State.counters["close_open_us"] = bare * 1e6;
  data->Free();
  source->Free();
}
BENCHMARK(BM_DBGridRequeryRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_DBGridLineScrollRatio(benchmark::State& State) {
  TForm* form = DBBenchForm();
  TMemoryDataSet* data = MakeTimers(form, 100000);
  auto* source = New<TDataSource>(form);
  source->SetDataSet(data);
  data->Open();
  const int steps = 5000;
  double bare = 0, bound = 0;
  for (auto _ : State) {
    data->First();
    bare = Seconds(steps, [&](int) { data->MoveBy(1); });
    data->First();
    TtsDBGrid* grid = MakeList(form, source);
    Repaint(grid);
    bound = Seconds(steps, [&](int) {
      data->Next();
      grid->Update();
    });
    grid->Free();
  }
  State.counters["line_vs_moveby"] = bound / bare;
  State.counters["line_us"] = bound * 1e6;
  State.counters["moveby_us"] = bare * 1e6;
  data->Free();
  source->Free();
}
BENCHMARK(BM_DBGridLineScrollRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
