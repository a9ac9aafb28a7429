// Keeping the data-bound grid's view and its buffer together: the top-left cell, the buffer's size
// as the window's changes, the current row, the redrawing of one record's line and the reports of
// top-left and current-cell changes, which name rows by their records.
#include "TSDBGridColumns.h"
#include "TSDBGridDisplayImpl.h"

namespace TSDBGrid {

// ---- Top-left and the buffer's size ----------------------------------------------------------------------
void TtsCustomDBGrid::AdjustTopLeft(Integer LeftCol, Integer TopRow, bool KeepPaint) {
  if (LeftCol == GetLeftCol() && TopRow == GetTopRow()) return;
  if (KeepPaint) {
    MoveTopLeft(LeftCol, TopRow);
    return;
  }
  TtsPaintSuspension suspended(this);
  MoveTopLeft(LeftCol, TopRow);
}

void TtsCustomDBGrid::AdjustGridSize() {
  UpdateRowCount(true);
  FGridData->SetAtEnd(false);
  // A view scrolled down inside a grown buffer takes the records below instead.
  Integer top = GetTopRow();
  if (top <= GetFixedRows()) return;
  Integer row = top;
  while (row > GetFixedRows()) {
    Integer moved = FGridData->MoveBy(1);
    if (moved == 0) break;
    row -= moved;
  }
  if (row != top) AdjustTopLeft(GetLeftCol(), row, false);
}

String TtsCustomDBGrid::ResizeBookmark() {
  return GetUseStandardScrolling() ? GetDataset()->GetBookmark() : FCurrentBookmark;
}

void TtsCustomDBGrid::DoResizeGrid() {
  HideGridControl(false);
  bool grown = false;
  if (FGridData->ResizeBuffer(MaxDisplayRows(), grown)) AdjustGridSize();
  PositionCurrentRec(FCurDisplayCol, ResizeBookmark(), false, false);
  ShowGridControl();
  if (grown) Invalidate();
}

void TtsCustomDBGrid::SyncBufferSize() {
  bool grown = false;
  if (!FGridData->ResizeBuffer(MaxDisplayRows(), grown)) return;
  PositionCurrentRec(FCurDisplayCol, ResizeBookmark(), false, false);
  AdjustGridSize();
  if (grown) Invalidate();
}

// Row heights and the heading take room from the records: the buffer follows.
void TtsCustomDBGrid::RowResized(Integer DataRow) {
  if (!FDataBound) {
    inherited::RowResized(DataRow);
    return;
  }
  if (FDataActive && !FCreating) {
    SyncBufferSize();
    PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, true, false);
  }
  // A bound grid's rows share one height.
  inherited::RowResized(DataRow == 0 ? 0 : -1);
}

void TtsCustomDBGrid::SetHeadingOn(bool Value) {
  inherited::SetHeadingOn(Value);
  if (FDataBound && FDataActive && !FCreating) {
    SyncBufferSize();
    PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, true, false);
  }
}

// A width the user gave a bound column is its own from then on.
void TtsCustomDBGrid::ColResized(Integer DataCol) {
  if (!FCreating && DataCol != -1)
    if (TtsDBCol* col = GetGridDBCols()->GetDBCol(Variant(DataCol)))
      col->SetAssignedValues(col->GetAssignedValues().Include(avWidth));
  inherited::ColResized(DataCol);
}

// The rows of a bound grid are the buffer's: the engine does not move them.
void TtsCustomDBGrid::MoveToNewRow(Integer DisplayRow, bool ClearFocus, bool Selecting, bool SkipReadOnly) {
  if (!FDataBound) inherited::MoveToNewRow(DisplayRow, ClearFocus, Selecting, SkipReadOnly);
}

void TtsCustomDBGrid::SetNewTopRow(Integer DisplayRow, Integer Height, Integer OldY) {
  if (!FDataBound) inherited::SetNewTopRow(DisplayRow, Height, OldY);
}

// ---- Modes -----------------------------------------------------------------------------------------------------
void TtsCustomDBGrid::SetGridMode(TtsGridMode Value) {
  if (Value == GetGridMode()) return;
  // The standard strategy cannot show an insertion row.
  if (GetUseStandardScrolling() && Value == gmEditInsert) return;
  inherited::SetGridMode(Value);
  UpdateRowCount(true);
}

void TtsCustomDBGrid::SetRowChangedIndicator(TtsRowChangedIndicator Value) {
  if (Value == GetRowChangedIndicator()) return;
  // A bound row's changes are posted with it: the mark resets by itself.
  if (FDataBound && Value == riOn) Value = riAutoReset;
  inherited::SetRowChangedIndicator(Value);
}

// ---- The current row and one record's line ----------------------------------------------------------------------
void TtsCustomDBGrid::SetCurrentPosition(Integer DisplayCol, Integer DisplayRow, bool InvalidateOld,
                                         bool CheckInsertion) {
  if (!FDataBound) {
    inherited::SetCurrentPosition(DisplayCol, DisplayRow, InvalidateOld, CheckInsertion);
    return;
  }
  Integer oldCol = FCurDataCol, oldRow = FCurDataRow;
  Integer oldDisplayCol = FCurDisplayCol, oldDisplayRow = FCurDisplayRow;
  PositionCell(DisplayCol, DisplayRow);
  if (DisplayRow > 0) SetCurrentRow(oldRow, GetDataRow(DisplayRow));
  if (FCurDataCol == oldCol && FCellChangeBookmark == FCurrentBookmark) return;
  ClearCellBuffer();
  CheckDisableControl();
  if (InvalidateOld && oldDisplayCol < GetColCount() && oldDisplayRow < GetRowCount())
    InvalidateCell(oldDisplayCol, oldDisplayRow);
}

void TtsCustomDBGrid::SetCurrentRowSelect(Integer Row, bool Draw) {
  SetIgnoreDatasetScrolled(true);
  try {
    SetCurrentPosition(FCurDisplayCol, Row, true, true);
  } catch (...) {
    SetIgnoreDatasetScrolled(false);
    if (Draw) DrawCurrent(FCurDisplayRow);
    throw;
  }
  SetIgnoreDatasetScrolled(false);
  if (Draw) DrawCurrent(FCurDisplayRow);
}

void TtsCustomDBGrid::RedrawRow(const Variant& DataRow, bool UseIds, TtsProperty Prop) {
  if (ComponentState().Contains(csDestroying)) return;
  Integer row = RecordIDRow(DataRow, UseIds);
  if (row < 1 || row > GetRowCount() - 1) return;
  bool invalidated = true;
  if (IsDrawProp(Prop))
    invalidated = CheckInvalidateRow(row);
  else
    InvalidateRow(row);
  if (invalidated && row == FCurDisplayRow) RedisplayControl(false);
}

// ---- Change reports ----------------------------------------------------------------------------------------------
void TtsCustomDBGrid::CheckTopLeftChanged(bool ByUser) {
  if (!FDataBound) {
    inherited::CheckTopLeftChanged(ByUser);
    return;
  }
  Variant top(FGridData->GetBookmark(GetTopRow()));
  bool changed = FLastTopLeftCol != GetLeftCol() ||
                 (FDataActive && FGridData->CompareBkm(top.ToString(), FLastTopRow.ToString()) != 0);
  if (!changed) return;
  // Noted before the report: a handler that looks at other records moves the dataset, whose notice
  // comes back here and must find the change reported already.
  Integer oldCol = FLastTopLeftCol;
  Variant oldRow = FLastTopRow;
  FLastTopLeftCol = GetLeftCol();
  FLastTopRow = top;
  UpdateScrollPos();
  DoTopLeftChanged(oldCol, oldRow, GetLeftCol(), top, ByUser);
}

void TtsCustomDBGrid::TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow,
                                          Integer NewCol) {
  if (FDataBound) {
    CheckTopLeftChanged(ByUser);
    return;
  }
  if (OldCol != NewCol || OldRow != NewRow) DoTopLeftChanged(OldCol, Variant(OldRow), NewCol, Variant(NewRow), ByUser);
}

bool TtsCustomDBGrid::CheckRowChanged(Variant& OldRow) {
  if (!FDataBound) return inherited::CheckRowChanged(OldRow);
  if (!FDataActive) return false;
  OldRow = Variant(FCellChangeBookmark);
  if (FCellChangeBookmark == FCurrentBookmark) return false;
  FCellChangeBookmark = FCurrentBookmark;
  DoRowChanged(OldRow, Variant(FCurrentBookmark));
  return true;
}

void TtsCustomDBGrid::ActivateCellChanged(Integer OldCol, const Variant& OldRow) {
  if (!FDataBound) {
    inherited::ActivateCellChanged(OldCol, OldRow);
    return;
  }
  if (FDataActive) DoCellChanged(OldCol, FCurDataCol, OldRow, Variant(FCurrentBookmark));
}

}  // namespace TSDBGrid
