// The bound grid's own view and property operations: the cell range it reports, the dataset
// position kept without touching the dataset's controls, the row count and the strategy's place
// recomputed, the top-left set by record, and the per-record row and cell overrides reset.
#include "TSDBGrid.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScrollDataset.h"
#include "TSDBGridSelection.h"

namespace TSDBGrid {

TtsDBRect TtsCustomDBGrid::GetSelectedCells() {
  if (FDataBound) return FDBSelectedCells;
  TGridRect range = GetSelectedRange();
  TtsDBRect cells;
  cells.LeftCol = range.Left;
  cells.RightCol = range.Right;
  cells.TopRow = Variant(range.Top);
  cells.BottomRow = Variant(range.Bottom);
  return cells;
}

void TtsCustomDBGrid::SavePosition(TtsDatasetPosition& Position) { FGridData->GetDatasetPosition(Position); }

void TtsCustomDBGrid::RestorePosition(const TtsDatasetPosition& Position, bool Restore) {
  if (Restore) FGridData->SetDatasetPosition(Position);
}

void TtsCustomDBGrid::CalculateRows() {
  if (!BoundAndActive()) return;
  FGridData->DoRecCount(true);
  UpdateRowCount(true);
}

void TtsCustomDBGrid::CalculatePosition() {
  if (!BoundAndActive() || FUseStandardScrolling) return;
  FScrollDataset->CalculatePos();
  UpdateRowCount(true);
}

void TtsCustomDBGrid::SetTopLeft(Integer LeftCol, const Variant& TopRow) {
  if (!BoundAndActive()) return;
  TtsPaintSuspension paintOff(this);
  SetLeftCol(LeftCol);
  SetDBTopRow(TopRow);
}

void TtsCustomDBGrid::ResetRowProperties(const TtsProperties& Props) {
  if (!FDataBound) {
    inherited::ResetRowProperties(Props);
    return;
  }
  TtsPaintSuspension paintOff(this);
  if (Props.Contains(prSelected)) {
    if (FDataActive) {
      TtsBkmPos first, last;
      FGridData->FirstBkmPos(first);
      FGridData->LastBkmPos(last);
      DoSelectRows(first, last, false, false);
    } else {
      FSelection->ResetAll();
      GridStatusChanged();
    }
  }
  FRowPropSet->ResetProperties(Props, true);
}

void TtsCustomDBGrid::ResetCellProperties(const TtsProperties& Props) {
  if (!FDataBound) {
    inherited::ResetCellProperties(Props);
    return;
  }
  TtsPaintSuspension paintOff(this);
  FDBCellPropSet->ResetProperties(Props, true);
}

}  // namespace TSDBGrid
