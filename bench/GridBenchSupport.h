// What the grid benchmarks share: the grid unit started once, with a shown borderless form for the
// grids, and the time of a full repaint.
#pragma once

#include <chrono>

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

}  // namespace GridBench
