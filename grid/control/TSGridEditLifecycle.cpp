// The grid's side of editing: how a cell edit and its row edit begin, how they end before the
// current cell moves (and how the application vetoes that), how Escape undoes a cell and then its
// row, and how the insertion row of an edit-insert grid comes and goes. Edit events come in pairs
// around a cell edit and a row edit; a refusal is silent. After a move the changed events follow,
// column, row and cell.
#include "TSGridCells.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"

namespace TSGrid {

// ---- Starting -----------------------------------------------------------------------------------------
bool TtsBaseGrid::StartCellEdit() {
  if (FCellEdit) return true;
  bool cancel = false;
  DoStartCellEdit(FCurDataCol, Variant(FCurDataRow), cancel);
  return !cancel;
}

bool TtsBaseGrid::StartRowEdit() {
  if (FRowEdit) return true;
  bool cancel = false;
  DoStartRowEdit(Variant(FCurDataRow), cancel);
  // The row as it was, for an undo of the whole row.
  if (!cancel && FStoreData) FStorage->BackupRow(FCurDataRow);
  return !cancel;
}

bool TtsBaseGrid::StartEdit() {
  if (!InEditState()) return false;
  if (!StartCellEdit() || !StartRowEdit()) return false;
  FCellEdit = FRowEdit = FEditedRow = true;
  InvalidateRow(FCurDisplayRow);
  return true;
}

bool TtsBaseGrid::Edit() { return StartEdit(); }

bool TtsBaseGrid::EditRow() {
  if (FRowEdit) return true;
  if (!StartRowEdit()) return false;
  FRowEdit = FEditedRow = true;
  return true;
}

void TtsBaseGrid::CellEdit(Integer DataCol, Integer DataRow, bool ByUser) {
  if (FStoreData) SetDataValue(DataCol, DataRow, FCurrentCell->GetValue(), GiveCellControlType(DataCol, DataRow));
  DoCellEdit(DataCol, Variant(DataRow), ByUser);
}

// ---- Ending ----------------------------------------------------------------------------------------------
bool TtsBaseGrid::CheckEndEdit(Integer DataCol, Integer DataRow, bool Force) {
  // An end event handler that moves the current cell asks again: the outer check decides.
  if (FInCheckEndEdit) return true;
  if (!FCellEdit && !FRowEdit) return true;
  FInCheckEndEdit = true;
  bool result;
  try {
    if (DataRow != FCurDataRow)
      result = CanEndEdit(Force);
    else if (DataCol == FCurDataCol)
      result = true;
    else
      result = CanEndCellEdit(Force);
  } catch (...) {
    FInCheckEndEdit = false;
    throw;
  }
  FInCheckEndEdit = false;
  return result;
}

bool TtsBaseGrid::CanEndEdit(bool Force) { return CanEndCellEdit(Force) && CanEndRowEdit(Force); }

bool TtsBaseGrid::CanEndCellEdit(bool) {
  if (!FCellEdit) return true;
  CheckSetAutoFillValue();
  if (!CheckMaskValue() || !EndCellEdit()) return false;
  ResetCellEdit();
  return true;
}

bool TtsBaseGrid::CheckMaskValue() {
  if (CurCellControlType() != ctText) return true;
  TtsMaskItem* mask = FMaskLink->GetMask(CurCellMaskName());
  if (!mask || !mask->GetEvaluate().Contains(mcOnExit)) return true;
  String text = VarToStr(FCurrentCell->GetValue());
  String completion;
  if (mask->ValidInput(text, completion, static_cast<Integer>(text.size()) + 1, true,
                       mask->GetAutoFill().Contains(mcOnExit))) {
    if (!completion.empty()) {
      text += completion;
      SetCurrentValue(Variant(text), false, true);
      FCurrentCell->SetSelStart(static_cast<Integer>(text.size()));
    }
    return true;
  }
  bool accept = false;
  ActivateInvalidMaskValue(accept);
  return accept;
}

bool TtsBaseGrid::EndCellEdit() {
  bool cancel = false;
  // The application's handler may fail; its failure keeps the cell as a refusal does.
  try {
    DoEndCellEdit(FCurDataCol, Variant(FCurDataRow), cancel);
  } catch (const Exception&) {
    return false;
  }
  return !cancel;
}

void TtsBaseGrid::ResetCellEdit() {
  if (!FCellEdit) return;
  FCellEnded = true;
  FCellEdit = false;
}

bool TtsBaseGrid::CanEndRowEdit(bool) {
  if (!FRowEdit) return true;
  if (!EndRowEdit()) return false;
  ResetEdit(FCurDataRow);
  return true;
}

bool TtsBaseGrid::EndRowEdit() {
  bool cancel = false;
  DoEndRowEdit(Variant(FCurDataRow), cancel);
  if (!cancel && FStoreData) FStorage->ClearBackupRow();
  return !cancel;
}

void TtsBaseGrid::ResetEdit(Integer DataRow) {
  if (!FRowEdit) return;
  if (DataRow > 0 && DataRow <= GetGridRowCount() && FRowChangedIndicator == riOn)
    SetRowChanged(DataRow, IsRowChanged(DataRow) || FEditedRow);
  FRowEdit = FCellEnded = FCellEdit = FInsertRowEdited = FEditedRow = false;
}

bool TtsBaseGrid::EndEdit(bool Cancel) {
  if (Cancel) {
    bool handled, keepBuffer;
    return UndoEdit(true, false, handled, keepBuffer);
  }
  return CheckEndEdit(-1, -1, false);
}

// ---- Undoing -----------------------------------------------------------------------------------------------
bool TtsBaseGrid::CheckUndoRowEdit(bool ForceRow, bool& UndoRow) {
  UndoRow = FRowEdit && (ForceRow || !FCellEdit || !FCellEnded);
  return UndoRow;
}

bool TtsBaseGrid::UndoCellEdit(bool ByUser) {
  bool cancel = false;
  DoUndoCellEdit(FCurDataCol, Variant(FCurDataRow), ByUser, cancel);
  return !cancel;
}

bool TtsBaseGrid::UndoRowEdit(bool ByUser, bool UndoRow) {
  if (!UndoRow) return true;
  bool cancel = false;
  DoUndoRowEdit(Variant(FCurDataRow), ByUser, cancel);
  if (!cancel && FStoreData) FStorage->RestoreBackupRow(FCurDataRow);
  return !cancel;
}

bool TtsBaseGrid::UndoEdit(bool ForceRow, bool ByUser, bool& Handled, bool& KeepBuffer) {
  struct Undoing {
    bool& Flag;
    explicit Undoing(bool& F) : Flag(F) { Flag = true; }
    ~Undoing() { Flag = false; }
  } undoing(FUndoing);
  bool undoRow;
  CheckUndoRowEdit(ForceRow, undoRow);
  bool cell = FCellEdit;
  Handled = undoRow || cell;
  bool ok = cell ? UndoCellEdit(ByUser) : true;
  if (ok && undoRow) ok = UndoRowEdit(ByUser, true);
  if (!ok) return false;
  KeepBuffer = true;
  if ((cell && !ByUser) || (!cell && undoRow)) {
    ClearControlBuffer();
    KeepBuffer = false;
  }
  if (undoRow) {
    bool addedRow = FInsertRowEdited;
    FCellEdit = FRowEdit = FCellEnded = FEditedRow = false;
    if (IsInsertRow(FCurDisplayRow + 1) && !IsRowChanged(FCurDataRow) && addedRow) {
      // The row came from the insertion row: it becomes the insertion row again.
      FInsertRowEdited = false;
      SetInsertionRow(0);
      SetNewRowCount(GetGridRowCount());
    }
    InvalidateRow(FCurDisplayRow);
  } else if (FCellEdit) {
    FCellEdit = false;
    InvalidateCell(FCurDisplayCol, FCurDisplayRow);
  }
  return true;
}

// ---- Buffers and the changed rows ----------------------------------------------------------------------------
void TtsBaseGrid::ResetChangedRowStatus() {
  if (FCurDataRow >= 1 && FCurDataRow <= GetGridRowCount() && IsRowChanged(FCurDataRow))
    InvalidateCell(0, FCurDisplayRow);
  FChangedRows->SetSize(0);
  FChangedRows->SetSize(GetRowCount());
}

void TtsBaseGrid::ResizeRowChanged() {
  if (FChangedRows) FChangedRows->SetSize(GetRowCount());
}

void TtsBaseGrid::ClearControlBuffer() { FCurrentCell->ClearBuffer(); }

void TtsBaseGrid::ClearCellBuffer() {
  ClearControlBuffer();
  FControlSelectMode = tsAll;
}

void TtsBaseGrid::MoveCellBuffer(Integer DataCol, Integer DataRow) { FCurrentCell->SetBufferCell(DataCol, DataRow); }

void TtsBaseGrid::SetCurrentValue(const Variant& Value, bool Select, bool ByUser) {
  if (VarIsEmpty(Value)) return;
  Variant current = FCurrentCell->GetValue();
  if (VarType(current) == VarType(Value) && VarSameValue(current, Value)) return;
  if (FCurrentCell->SetEditValue(Value, ByUser, true) && Select && CurCellControlType() == ctText)
    FCurrentCell->SelectAll();
}

void TtsBaseGrid::CheckSetAutoFillValue() {
  TtsDropDownStyle style;
  if (GiveCellButton(FCurDataCol, FCurDataRow, style) == btCombo && style == ddDropDown &&
      CurCellControlType() == ctText)
    PositionAutoFill(true);
}

// ---- Notices after a move --------------------------------------------------------------------------------
bool TtsBaseGrid::CheckColChanged(Integer& OldCol) {
  OldCol = FPrevDataCol;
  if (FPrevDataCol == FCurDataCol) return false;
  FPrevDataCol = FCurDataCol;
  if (FGridMode != gmListBox) DoColChanged(OldCol, FCurDataCol);
  return true;
}

bool TtsBaseGrid::CheckRowChanged(Variant& OldRow) {
  OldRow = FPrevDataRow;
  if (FPrevDataRow == FCurDataRow) return false;
  FPrevDataRow = FCurDataRow;
  DoRowChanged(OldRow, Variant(FCurDataRow));
  return true;
}

void TtsBaseGrid::ActivateCellChanged(Integer OldCol, const Variant& OldRow) {
  DoCellChanged(OldCol, FCurDataCol, OldRow, Variant(FCurDataRow));
}

void TtsBaseGrid::CheckRowColChanged() {
  Integer oldCol;
  Variant oldRow;
  bool colChanged = CheckColChanged(oldCol);
  bool rowChanged = CheckRowChanged(oldRow);
  if (!colChanged && !rowChanged) return;
  ResetComboSearchValue();
  // The new cell may use another combo: the next drop-down or search initialises it again (the
  // combo copied last is still known, so the same combo is not copied twice).
  FComboInitialized = false;
  ActivateCellChanged(oldCol, oldRow);
}

void TtsBaseGrid::GridStatusChanged() {
  if (FGridStatus == FReportedGridStatus) return;
  if (FGridStatus != grNormal) {
    ClearControlBuffer();
    CheckDisableControl();
    FControlSelectMode = tsAll;
  }
  TtsGridStatus old = FReportedGridStatus;
  FReportedGridStatus = FGridStatus;
  DoGridStatusChanged(old, FGridStatus);
}

// ---- The insertion row -----------------------------------------------------------------------------------
void TtsBaseGrid::CheckInsertionRow(bool Invalidate) {
  if (FGridMode != gmEditInsert) return;
  Integer last = GetRowCount() - 1;
  if (FCurDisplayRow == last && FInsertionRow == 1) {
    InsertionRowToDataRow();
    if (Invalidate) InvalidateRow(last);
  } else if (FPrevDisplayRow == last && FInsertionRow == 0) {
    UndoInsertRow();
  }
}

void TtsBaseGrid::UndoInsertRow() {
  if (FGridMode != gmEditInsert || FInsertionRow != 0) return;
  SetInsertionRow(1);
  Integer old = GetGridRowCount();
  --FRowCount;
  FCountedInsertionRow = 1;
  CheckRowCountChanged(old, GetGridRowCount());
  DeleteRowData(old, old);
  RowDeleted(GetGridRowCount(), true);
  InvalidateRow(GetRowCount() - 1);
}

}  // namespace TSGrid
