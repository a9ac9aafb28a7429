// Which cells may be edited and which cell comes next when the current cell moves, the re-homing
// of the current cell when its cell stops being usable, and the current position itself.
#include "TSGridImpl.h"

namespace TSGrid {

namespace {

// A display column is usable for a search: visible, selectable when the move selects, and not
// read-only while read-only columns are skipped.
bool UsableCol(TtsBaseGrid* Grid, Integer DisplayCol, bool SkipReadOnly, bool Selecting) {
  TtsCol* col = Grid->GetCols()->GetItem(Grid->GetDataCol(DisplayCol));
  if (!col->GetVisible()) return false;
  bool listBox = Grid->GetGridMode() == gmListBox;
  if ((Selecting || listBox) && !Grid->CanSelect(DisplayCol, -1)) return false;
  return !col->GetReadOnly() || !SkipReadOnly || listBox;
}

bool UsableRow(TtsBaseGrid* Grid, Integer DisplayRow, bool SkipReadOnly, bool Selecting) {
  Integer dataRow = Grid->GetDataRow(DisplayRow);
  if (!Grid->IsRowVisible(dataRow)) return false;
  bool listBox = Grid->GetGridMode() == gmListBox;
  if ((Selecting || listBox) && !Grid->CanSelect(-1, DisplayRow)) return false;
  return !Grid->IsRowReadOnly(dataRow) || !SkipReadOnly || listBox;
}

}  // namespace

// ---- Edit permission ------------------------------------------------------------------------------
bool TtsBaseGrid::CanEditCol(Integer DataCol) {
  TtsCol* col = FCols->GetItem(DataCol);
  return col->GetVisible() && !col->GetReadOnly();
}

bool TtsBaseGrid::CanEditRow(Integer DataRow) { return IsRowVisible(DataRow) && !IsRowReadOnly(DataRow); }

bool TtsBaseGrid::CanEditCell(Integer DataCol, Integer DataRow) {
  TtsCol* col = FCols->GetItem(DataCol);
  bool visible = col->GetVisible() && IsRowVisible(DataRow);
  if (GetInDesignMode() && FStoreData) return visible;
  switch (IsCellReadOnly(DataCol, DataRow)) {
    case roOn:
      return false;
    case roOff:
      return visible;
    default:
      return visible && !col->GetReadOnly() && !IsRowReadOnly(DataRow);
  }
}

bool TtsBaseGrid::CellIsReadOnly(Integer DataCol, Integer DataRow) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetRowCount() - 1) return false;
  return !CanEditCell(DataCol, DataRow);
}

// ---- Searches --------------------------------------------------------------------------------------
bool TtsBaseGrid::GetNextCol(Integer DisplayCol, bool SkipReadOnly, bool Selecting, Integer& NewCol) {
  Integer cols = GetGridColCount();
  NewCol = std::max(DisplayCol + 1, 1);
  while (NewCol <= cols && !UsableCol(this, NewCol, SkipReadOnly, Selecting)) ++NewCol;
  return NewCol <= cols;
}

bool TtsBaseGrid::GetPrevCol(Integer DisplayCol, bool SkipReadOnly, bool Selecting, Integer& NewCol) {
  NewCol = std::min(DisplayCol - 1, GetGridColCount());
  while (NewCol > 0 && !UsableCol(this, NewCol, SkipReadOnly, Selecting)) --NewCol;
  return NewCol > 0;
}

bool TtsBaseGrid::GetNextRow(Integer DisplayRow, bool SkipReadOnly, bool Selecting, Integer& NewRow) {
  Integer last = GetRowCount() - 1;
  NewRow = std::max(DisplayRow + 1, 1);
  while (NewRow <= last && !UsableRow(this, NewRow, SkipReadOnly, Selecting)) ++NewRow;
  return NewRow <= last;
}

bool TtsBaseGrid::GetPrevRow(Integer DisplayRow, bool SkipReadOnly, bool Selecting, Integer& NewRow) {
  NewRow = std::min(DisplayRow - 1, GetRowCount() - 1);
  while (NewRow > 0 && !UsableRow(this, NewRow, SkipReadOnly, Selecting)) --NewRow;
  return NewRow > 0;
}

Integer TtsBaseGrid::LeftMostCol(bool SkipReadOnly, bool Selecting) {
  Integer col;
  GetNextCol(0, SkipReadOnly, Selecting, col);
  return col > GetGridColCount() ? 0 : col;
}

Integer TtsBaseGrid::RightMostCol(bool SkipReadOnly, bool Selecting) {
  Integer col;
  GetPrevCol(GetGridColCount() + 1, SkipReadOnly, Selecting, col);
  return col;
}

Integer TtsBaseGrid::TopMostRow(bool SkipReadOnly, bool Selecting) {
  Integer row;
  GetNextRow(0, SkipReadOnly, Selecting, row);
  return row > GetGridRowCount() ? 0 : row;
}

Integer TtsBaseGrid::BottomMostRow(bool SkipReadOnly, bool Selecting) {
  Integer row;
  if (!GetPrevRow(GetGridRowCount() + 1, SkipReadOnly, Selecting, row) && FGridMode == gmEditInsert)
    row = GetRowCount() - 1;
  return row;
}

Integer TtsBaseGrid::LeftMostScrollCol() {
  Integer col;
  GetNextCol(GetFixedCols() - 1, false, false, col);
  return col > GetGridColCount() ? 0 : col;
}

Integer TtsBaseGrid::TopMostScrollRow() {
  Integer row;
  GetNextRow(GetFixedRows() - 1, false, false, row);
  return row > GetGridRowCount() ? GetFixedRows() : row;
}

bool TtsBaseGrid::GetNextCell(Integer DisplayCol, Integer DisplayRow, Integer& NewRow, Integer& NewCol,
                              bool CheckEdit) {
  NewRow = 0;
  NewCol = 0;
  Integer last = GetRowCount() - 1;
  if (DisplayRow < 0 || DisplayRow > last) return false;
  Integer row = DisplayRow;
  Integer col = DisplayCol;
  if (row == 0) {
    GetNextRow(0, false, false, row);
    col = 0;
  }
  while (row <= last) {
    Integer next;
    if (GetNextCol(col, false, false, next)) {
      if (!CheckEdit || CanEditCell(GetDataCol(next), GetDataRow(row))) {
        NewRow = row;
        NewCol = next;
        return true;
      }
      col = next;
      continue;
    }
    if (!GetNextRow(row, false, false, row)) return false;
    col = 0;
  }
  return false;
}

bool TtsBaseGrid::GetPrevCell(Integer DisplayCol, Integer DisplayRow, Integer& NewRow, Integer& NewCol,
                              bool CheckEdit) {
  NewRow = 0;
  NewCol = 0;
  if (DisplayRow < 0 || DisplayRow > GetRowCount() - 1 || DisplayCol > GetGridColCount() + 1) return false;
  Integer row = DisplayRow;
  Integer col = DisplayCol;
  while (row > 0) {
    Integer prev;
    if (GetPrevCol(col, false, false, prev)) {
      if (!CheckEdit || CanEditCell(GetDataCol(prev), GetDataRow(row))) {
        NewRow = row;
        NewCol = prev;
        return true;
      }
      col = prev;
      continue;
    }
    if (!GetPrevRow(row, false, false, row)) return false;
    col = GetColCount();
  }
  return false;
}

bool TtsBaseGrid::GetNextDownCell(Integer DisplayCol, Integer DisplayRow, Integer& NewRow, Integer& NewCol,
                                  bool CheckEdit) {
  Integer col = GetColCount();
  Integer row = DisplayRow;
  while (GetNextCell(col, row, NewRow, NewCol, CheckEdit)) {
    if (NewCol == DisplayCol) return true;
    col = NewCol;
    row = NewRow;
  }
  return false;
}

bool TtsBaseGrid::GetNextUpCell(Integer DisplayCol, Integer DisplayRow, Integer& NewRow, Integer& NewCol,
                                bool CheckEdit) {
  Integer col = 1;
  Integer row = DisplayRow;
  while (GetPrevCell(col, row, NewRow, NewCol, CheckEdit)) {
    if (NewCol == DisplayCol) return true;
    col = NewCol;
    row = NewRow;
  }
  return false;
}

// ---- Re-homing the current cell -----------------------------------------------------------------------
namespace {
void RefreshCurrent(TtsBaseGrid* Grid) {
  Grid->ClearControlBuffer();
  Grid->SetControlSelectMode(tsAll);
  Grid->ShowGridControl();
  Grid->DrawCurrentFocusRect(false);
  Grid->CheckRowColChanged();
}
}  // namespace

void TtsBaseGrid::MoveToNewCol(Integer DisplayCol, bool ClearFocus, bool Selecting, bool SkipReadOnly) {
  Integer col;
  if (!GetNextCol(DisplayCol - 1, SkipReadOnly, Selecting, col) && !GetPrevCol(DisplayCol, SkipReadOnly, Selecting, col))
    col = LeftMostCol(false, false);
  if (col > GetGridColCount()) col = 0;
  if (col != FCurDisplayCol || GetDataCol(col) != FCurDataCol) {
    CheckHideControl(true);
    if (ClearFocus) ClearCurrentFocusRect(false);
    SetCurrentPosition(col, FCurDisplayRow, true, true);
  }
  RefreshCurrent(this);
}

void TtsBaseGrid::MoveToNewRow(Integer DisplayRow, bool ClearFocus, bool Selecting, bool SkipReadOnly) {
  Integer row;
  if (GetNextRow(DisplayRow - 1, SkipReadOnly, Selecting, row)) {
    if (IsInsertRow(row) && !GetPrevRow(GetGridRowCount() + 1, SkipReadOnly, Selecting, row)) row = 0;
  } else if (!GetPrevRow(DisplayRow, SkipReadOnly, Selecting, row)) {
    row = 0;
  }
  row = std::min(row, GetGridRowCount());
  if (row != FCurDisplayRow || GetDataRow(row) != FCurDataRow) {
    CheckHideControl(true);
    if (ClearFocus) ClearCurrentFocusRect(false);
    ClearCurrent(FCurDisplayRow);
    SetCurrentPosition(FCurDisplayCol, row, true, true);
    if (IsRowSelected(FCurDataRow))
      DrawCurrentSelected(FCurDisplayRow);
    else
      DrawCurrent(FCurDisplayRow);
  }
  RefreshCurrent(this);
}

void TtsBaseGrid::CheckRowColPos() {
  MoveToNewCol(FCurDisplayCol, false, InRowSelectMode(), CanSkipReadOnly());
  MoveToNewRow(FCurDisplayRow, false, InRowSelectMode(), CanSkipReadOnly());
}

void TtsBaseGrid::SetNewCurrentCell(Integer DataCol, Integer DataRow) {
  Integer col = GetDisplayCol(DataCol);
  Integer row = GetDisplayRow(DataRow);
  if (col == FCurDisplayCol && row == FCurDisplayRow) {
    if (DataCol != FCurDataCol || DataRow != FCurDataRow) {
      PositionCell(col, row);
      CheckRowColChanged();
    }
    return;
  }
  bool rowChanged = row != FCurDisplayRow;
  ClearCurrentFocusRect(false);
  SetCurrentPosition(col, row, true, true);
  DrawCurrentFocusRect(false);
  CheckRowColChanged();
  if (rowChanged) DrawCurrent(FCurDisplayRow);
}

// ---- The current position ------------------------------------------------------------------------------
void TtsBaseGrid::PositionCell(Integer DisplayCol, Integer DisplayRow) {
  FPrevDisplayCol = FCurDisplayCol;
  FPrevDisplayRow = FCurDisplayRow;
  Integer dataCol = GetDataCol(DisplayCol);
  if (DisplayCol != FCurDisplayCol || dataCol != FCurDataCol) {
    FCurDisplayCol = DisplayCol;
    FCurDataCol = dataCol;
  }
  Integer dataRow = GetDataRow(DisplayRow);
  if (DisplayRow != FCurDisplayRow || dataRow != FCurDataRow) {
    FCurDisplayRow = DisplayRow;
    FCurDataRow = dataRow;
  }
  FLastPositionedCol = DisplayCol;
}

void TtsBaseGrid::SetCurrentPosition(Integer DisplayCol, Integer DisplayRow, bool, bool CheckInsertion) {
  Integer oldCol = FCurDataCol;
  Integer oldRow = FCurDataRow;
  PositionCell(DisplayCol, DisplayRow);
  if (FCurDataCol != oldCol || FCurDataRow != oldRow) {
    ClearCellBuffer();
    CheckDisableControl();
  }
  CheckInsertionRow(CheckInsertion);
}

void TtsBaseGrid::SetCurrentPositionAndDraw(Integer DisplayCol, Integer DisplayRow, bool Flag, bool CheckInsertion) {
  try {
    SetCurrentPosition(DisplayCol, DisplayRow, Flag, CheckInsertion);
  } catch (...) {
    DrawCurrent(FCurDisplayRow);
    throw;
  }
  DrawCurrent(FCurDisplayRow);
}

void TtsBaseGrid::CheckDisableControl() { FControlEnabled = FAlwaysShowEditor; }

bool TtsBaseGrid::DrawRowChangedIndicator(Integer DataRow) {
  switch (FRowChangedIndicator) {
    case riOn:
      return IsRowChanged(DataRow) || FEditedRow;
    case riAutoReset:
      return FEditedRow;
    default:
      return false;
  }
}

bool TtsBaseGrid::CanDrawInsert() { return false; }
bool TtsBaseGrid::ButtonsActive() { return true; }

}  // namespace TSGrid
