// The framework canvas's fill, the main road of every painter, against the bare system fill it
// reduces to: small cells as painters fill them and a large area, with one colour and with the
// colour changing at every fill. The "wrapper/bare" counter is the ratio measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>

#include "Units.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace Units {
void RegisterUnits_framework_foundation();
}

namespace {

void EnsureUnits() {
  static const bool started = [] {
    Units::RegisterUnits_framework_foundation();
    Units::InitializeUnits();
    return true;
  }();
  (void)started;
}

struct TBenchSurface {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  TCanvas* Canvas;
  TcxCanvas* Cx;
  HBRUSH Brushes[2];
  explicit TBenchSurface(int size) {
    EnsureUnits();
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(size, size, 1, 32, nullptr);
    Old = SelectObject(DC, Bitmap);
    Canvas = New<TCanvas>();
    Canvas->SetHandle(DC);
    Cx = New<TcxCanvas>(Canvas);
    Brushes[0] = CreateSolidBrush(ColorToRGB(kColors[0]));
    Brushes[1] = CreateSolidBrush(ColorToRGB(kColors[1]));
  }
  ~TBenchSurface() {
    Cx->Free();
    Canvas->SetHandle(nullptr);
    Canvas->Free();
    DeleteObject(Brushes[0]);
    DeleteObject(Brushes[1]);
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  static constexpr TColor kColors[2] = {0xC56A31, clBtnFace};
};

// Arguments: the side of the filled square; whether the colour changes at every fill.
void BM_BareFillRect(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const bool alternate = state.range(1) != 0;
  TBenchSurface s(side);
  RECT r{0, 0, side, side};
  int i = 0;
  for (auto _ : state) {
    FillRect(s.DC, &r, s.Brushes[alternate ? (i++ & 1) : 0]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BareFillRect)->Args({16, 0})->Args({16, 1})->Args({512, 0})->Args({512, 1});

void BM_CanvasFillRect(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const bool alternate = state.range(1) != 0;
  TBenchSurface s(side);
  const TRect r(0, 0, side, side);
  int i = 0;
  for (auto _ : state) {
    s.Cx->FillRect(r, TBenchSurface::kColors[alternate ? (i++ & 1) : 0]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CanvasFillRect)->Args({16, 0})->Args({16, 1})->Args({512, 0})->Args({512, 1});

// Both roads in turn within one benchmark, so that the ratio is free of run-to-run drift.
void BM_CanvasFillRectRatio(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int side = static_cast<int>(state.range(0));
  const bool alternate = state.range(1) != 0;
  TBenchSurface s(side);
  const TRect r(0, 0, side, side);
  constexpr int kBatch = 64;
  Clock::duration bare{}, wrapper{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) FillRect(s.DC, &r, s.Brushes[alternate ? (i & 1) : 0]);
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) s.Cx->FillRect(r, TBenchSurface::kColors[alternate ? (i & 1) : 0]);
    auto t2 = Clock::now();
    bare += t1 - t0;
    wrapper += t2 - t1;
    benchmark::ClobberMemory();
  }
  state.counters["wrapper/bare"] =
      bare.count() > 0 ? static_cast<double>(wrapper.count()) / static_cast<double>(bare.count()) : 0.0;
}
BENCHMARK(BM_CanvasFillRectRatio)->Args({16, 0})->Args({16, 1})->Args({512, 0})->Args({512, 1});

}  // namespace
