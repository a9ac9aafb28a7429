// Typing at the end of a 5,000-character word-wrapped cell of the grid's edit box, per key, against
// one full layout of the same text (the line breaking every text change runs once). The "ratio"
// counter is key over layout: typing costs a fixed few layouts, however long the text.
#include <benchmark/benchmark.h>

#include <chrono>

#include "Graphics.h"
#include "TSGrid.h"
#include "TSSetLib.h"
#include "Tsglib.h"
#include "Units.h"
#include "WinUser.h"

namespace Units {
void RegisterUnits_grid_control();
}

namespace {

struct TBenchBox {
  TtsGridEditBox* Box = nullptr;
  TBitmap* Measure = nullptr;
  TtsIntegerList* Lines = nullptr;
  String Text;

  TBenchBox() {
    Units::RegisterUnits_grid_control();
    Units::InitializeUnits();
    const char* const words[] = {"auction ", "timer ", "lot ", "bid ", "seconds ", "reminder "};
    for (Integer i = 0; Text.size() < 5000; ++i) Text += words[i % 6];
    Text.resize(5000);
    Box = New<TtsGridEditBox>();
    Box->GetFont()->SetName("Courier New");
    Box->GetFont()->SetHeight(-13);
    Box->SetBounds(0, 0, 300, 200);
    Measure = New<TBitmap>();
    Measure->SetSize(1, 1);
    Measure->GetCanvas()->GetFont()->Assign(Box->GetFont());
    Lines = New<TtsIntegerList>();
  }
  // The text back at its 5,000 characters with the caret at its end.
  void Reset() {
    Box->SetText(Text);
    Box->CtrlMoveEnd(false);
  }
  void Layout() {
    TCanvas* canvas = Measure->GetCanvas();
    canvas->TextExtent(String());
    GetTextLines(canvas->GetHandle(), Text.c_str(), Box->GetHeight(), Box->GetWidth(), taLeftJustify, true, Lines, 0);
  }
};

TBenchBox& Bench() {
  static TBenchBox bench;
  return bench;
}

void BM_GridEditBoxTypingRatio(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  TBenchBox& b = Bench();
  constexpr int kBatch = 8;
  Clock::duration typing{}, layout{};
  for (auto _ : state) {
    b.Reset();
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) b.Box->Perform(WM_CHAR, i % 4 == 3 ? ' ' : 'x', 0);
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) b.Layout();
    auto t2 = Clock::now();
    typing += t1 - t0;
    layout += t2 - t1;
    benchmark::DoNotOptimize(b.Lines->GetCount());
  }
  if (b.Box->GetText().size() != b.Text.size() + kBatch) state.SkipWithError("the keys did not reach the text");
  state.counters["ratio"] = static_cast<double>(typing.count()) / static_cast<double>(layout.count());
  state.counters["key_us"] = std::chrono::duration<double, std::micro>(typing).count() / (state.iterations() * kBatch);
  state.counters["layout_us"] = std::chrono::duration<double, std::micro>(layout).count() / (state.iterations() * kBatch);
  state.counters["lines"] = b.Box->LineCount();
}
BENCHMARK(BM_GridEditBoxTypingRatio)->Unit(benchmark::kMillisecond);

}  // namespace
