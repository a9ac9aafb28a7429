// What the grid benchmarks share: the grid unit started once, with a shown borderless form for the
// grids, and the time of a full repaint.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "Forms.h"
#include "TSGrid.h"
#include "Units.h"

namespace Units {
void RegisterUnits_grid_control();
}

namespace GridBench {

using Clock = std::chrono::steady_clock;

// A 460 x 440 form at the desktop's origin, made (with the units started) on first use.
inline TForm* BenchForm() {
  static TForm* form = [] {
    Units::RegisterUnits_grid_control();
    Units::InitializeUnits();
    TForm* f = TCustomForm::CreateNew<TForm>(nullptr);
    f->SetBorderStyle(bsNone);
    f->SetBounds(0, 0, 460, 440);
    f->Show();
    Application->ProcessMessages();
    return f;
  }();
  return form;
}

// One full repaint of the grid, drawn at once.
inline void Repaint(TtsBaseGrid* Grid) {
  Grid->Invalidate();
  Grid->Update();
}

inline double RepaintSeconds(TtsBaseGrid* Grid, int Count) {
  auto t0 = Clock::now();
  for (int i = 0; i < Count; ++i) Repaint(Grid);
  return std::chrono::duration<double>(Clock::now() - t0).count() / Count;
}

// Seconds per step of Walk (which answers the steps it took) through the grid that Make gives for
// Rows rows, and (when asked) of one full repaint of that grid.
template <class Make, class Walk>
double StepSeconds(Integer Rows, double* RepaintTime, Make MakeGrid, Walk Steps) {
  TtsBaseGrid* grid = MakeGrid(Rows);
  auto t0 = Clock::now();
  Integer steps = Steps(grid);
  double step = std::chrono::duration<double>(Clock::now() - t0).count() / steps;
  if (RepaintTime) *RepaintTime = RepaintSeconds(grid, 50);
  grid->Free();
  return step;
}

// The counters of a walk through a grid of Large rows: its step against one full repaint, and
// against the step through a grid of Small rows (flat in the row count when near 1).
template <class Make, class Walk>
void CountStepRatios(benchmark::State& State, Integer Large, Integer Small, Make MakeGrid, Walk Steps,
                     const std::string& Step, const std::string& RowsRatio) {
  double large = 0, small = 0, repaint = 0;
  for (auto _ : State) {
    large = StepSeconds(Large, &repaint, MakeGrid, Steps);
    small = StepSeconds(Small, nullptr, MakeGrid, Steps);
  }
  State.counters[Step + "_vs_repaint"] = large / repaint;
  State.counters[RowsRatio] = large / small;
  State.counters[Step + "_us"] = large * 1e6;
  State.counters["repaint_us"] = repaint * 1e6;
}

}  // namespace GridBench
