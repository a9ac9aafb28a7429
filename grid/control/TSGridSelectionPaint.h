// Painting suspended while a selection change is shown in colours, resumed (with an update) however
// the scope ends.
#pragma once

#include "TSGridBase.h"

namespace TSGrid {

class TSelectionPaint {
 public:
  explicit TSelectionPaint(TtsBaseGrid* Grid, bool Update = true)
      : FGrid(Grid), FActive(Grid->SelectionColorEnabled()), FUpdate(Update) {
    if (FActive) FGrid->SetEnablePaint(false);
  }
  ~TSelectionPaint() {
    if (!FActive) return;
    FGrid->SetEnablePaint(true);
    if (FUpdate) FGrid->Update();
  }
  TSelectionPaint(const TSelectionPaint&) = delete;
  TSelectionPaint& operator=(const TSelectionPaint&) = delete;

 private:
  TtsBaseGrid* FGrid;
  bool FActive;
  bool FUpdate;
};


}  // namespace TSGrid
