// What the display sources of the data-bound grid share: the headers they use and the guards that
// put back what a step changes however it ends (painting suspended, the active record moved).
#pragma once

#include <algorithm>
#include <cstdlib>

#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridScrollBar.h"

namespace TSDBGrid {

// Suspends the grid's painting for its lifetime.
class TtsPaintSuspension {
 public:
  explicit TtsPaintSuspension(TtsBaseGrid* Grid) : FGrid(Grid) { FGrid->SetEnablePaint(false); }
  ~TtsPaintSuspension() { FGrid->SetEnablePaint(true); }
  TtsPaintSuspension(const TtsPaintSuspension&) = delete;
  TtsPaintSuspension& operator=(const TtsPaintSuspension&) = delete;

 private:
  TtsBaseGrid* FGrid;
};

// Makes the strategy's active record the one it was at construction again.
class TtsActiveRecordKeeper {
 public:
  explicit TtsActiveRecordKeeper(TtsGridData* Data) : FData(Data), FRecord(Data->GetActiveRecord()) {}
  ~TtsActiveRecordKeeper() { FData->SetActiveRecord(FRecord); }
  TtsActiveRecordKeeper(const TtsActiveRecordKeeper&) = delete;
  TtsActiveRecordKeeper& operator=(const TtsActiveRecordKeeper&) = delete;

 private:
  TtsGridData* FData;
  Integer FRecord;
};

}  // namespace TSDBGrid
