// The grid's shape: data column and row counts, the insertion row, fixed cells, the row bar and the
// heading row, visible counts, the grid mode with its older twin the edit mode, and the selection
// modes.
#include "TSGridImpl.h"
#include "Bits.h"
#include "Exceptions.h"
#include "SysConst.h"
#include "Strings.h"
#include "TSGrid.h"

namespace TSGrid {

// ---- Counts -----------------------------------------------------------------------------------------
Integer TtsBaseGrid::GetGridColCount() { return FColCount - FDeletedColCount; }
Integer TtsBaseGrid::GetGridRowCount() { return FRowCount - FDeletedRowCount; }

void TtsBaseGrid::CheckLayoutCount(Integer Count, Integer Max) {
  // A layout or form stream cannot make the grid take all memory.
  if (Reading() && Count > Max) throw EReadError(SysConst::SInvalidPropertyValue);
}

void TtsBaseGrid::SetGridColCount(Integer Value) {
  if (FDeletedColCount != 0) return;
  if (Value < 0) Value = 0;
  if (Value == FColCount || (FLoadingLayout && FColMatch == cmaFieldName)) return;
  CheckLayoutCount(Value, MaxLayoutCols);
  if (Value < FCurDataCol && !CheckEndEdit(0, FCurDataRow, false)) return;
  CheckHideControl(true);
  Integer oldCols = FColCount;
  if (Value < FColCount && !FDefaultsSetting)
    for (Integer col = GetColCount() - 1; col > Value; --col) DeleteAllAtCol(col, col);
  {
    TPaintSuspension suspension(this);
    SetNewColCount(Value);
    DeleteColData(Value + 1, oldCols);
    CheckTopLeft(true);
    if (Value < oldCols) {
      if (FCurDataCol >= 1 && FCurDataCol <= Value)
        SetNewCurrentCell(FCurDataCol, FCurDataRow);
      else
        MoveToNewCol(FCurDisplayCol, true, false, CanSkipReadOnly());
      if (FCurDisplayCol < 1) MoveToNewCol(1, true, false, CanSkipReadOnly());
    }
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  ShowGridControl();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::SetGridRowCount(Integer Value) {
  if (FDeletedRowCount != 0) return;
  if (Value < 0) Value = 0;
  if (Value == FRowCount) return;
  CheckLayoutCount(Value, MaxLayoutRows);
  if (Value < FCurDataRow && !FUndoing && !CheckEndEdit(FCurDataCol, 0, false)) return;
  CheckHideControl(true);
  Integer oldRows = FRowCount;
  bool wasInsertRow = IsInsertRow(FCurDisplayRow);
  if (Value < FRowCount && !FDefaultsSetting)
    for (Integer row = GetRowCount() - 1; row > Value; --row) DeleteAllAtRow(row, row);
  if (FGridMode == gmEditInsert) SetInsertionRow(1);
  FInsertRowEdited = false;
  {
    TPaintSuspension suspension(this);
    SetNewRowCount(Value);
    DeleteRowData(Value + 1, oldRows);
    CheckTopLeft(true);
    if (Value < oldRows) {
      Integer target = FCurDisplayRow;
      if (wasInsertRow) {
        if (FCurDisplayRow == GetRowCount() - 1) InvalidateRow(FCurDisplayRow);
        target = GetRowCount() - 1;
      }
      if (!wasInsertRow && (FCurDataRow < 1 || FCurDataRow > Value))
        MoveToNewRow(FCurDisplayRow, false, InRowSelectMode(), CanSkipReadOnly());
      else
        SetNewCurrentCell(FCurDataCol, wasInsertRow ? GetDataRow(target) : FCurDataRow);
    } else if (oldRows == 0) {
      MoveToNewRow(0, false, InRowSelectMode(), CanSkipReadOnly());
    }
    if (wasInsertRow && Value > oldRows) {
      SetControlSelectMode(tsAll);
      ClearControlBuffer();
    }
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  ShowGridControl();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::SetNewColCount(Integer Count) {
  {
    TPaintSuspension suspension(this);
    Integer oldColCount = GetColCount();
    FDeletedColCount = 0;
    FColCount = Count;
    TCustomGrid_ts::SetColCount(Count + 1);
    ResizeVisibleCols(oldColCount - 1);
    if (GetColCount() > oldColCount) {
      if (oldColCount > 1) {
        Integer last = oldColCount - 1;
        TtsCol* col = FCols->GetItem(GetDataCol(last));
        ResizeCol(last, col->GetVisible() ? col->GetWidth() : 0);
      } else {
        ResizeCol(0, GetRowBarOn() ? GetRowBarWidth() : 0);
      }
    }
    if (HandleAllocated()) Invalidate();
  }
  CheckFixedCols();
  CheckTopLeftChanged(false);
  UpdateScrollRange();
}

void TtsBaseGrid::SetNewRowCount(Integer Count) {
  {
    TPaintSuspension suspension(this);
    Integer oldRowCount = GetRowCount();
    FDeletedRowCount = 0;
    FRowCount = Count;
    TCustomGrid_ts::SetRowCount(Count + FInsertionRow + 1);
    ResizeVisibleRows(oldRowCount - 1);
    if (GetRowCount() > oldRowCount) {
      if (oldRowCount > 1) {
        Integer last = oldRowCount - 1;
        Integer dataRow = GetDataRow(last);
        ResizeRow(last, IsRowVisible(dataRow) ? FRows->GetRowHeight(dataRow) : 0);
      } else {
        ResizeRow(0, GetHeadingOn() ? GetHeadingHeight() : 0);
      }
    }
    if (HandleAllocated()) Invalidate();
  }
  CheckFixedRows();
  CheckTopLeftChanged(false);
  UpdateScrollRange();
}

void TtsBaseGrid::InsertRow(Integer DisplayRow) {
  CheckIndex(itRow, DisplayRow, GetGridRowCount() + 1, 1);
  TPaintSuspension suspension(this);
  Integer old = GetGridRowCount();
  SetGridRowCount(old + 1);
  if (GetGridRowCount() == old + 1) {
    SetDisplayRownr(GetGridRowCount(), DisplayRow);
    UpdateScrollRange();
    RowInserted(GetGridRowCount(), false);
  }
}

bool TtsBaseGrid::AddColumn(Integer DisplayCol) {
  if (DisplayCol < 1 || DisplayCol > GetGridColCount() + 1) return false;
  Integer old = GetGridColCount();
  SetGridColCount(old + 1);
  if (GetGridColCount() != old + 1) return false;
  FCols->GetItem(GetGridColCount())->SetDisplayCol(DisplayCol);
  UpdateScrollRange();
  return true;
}

void TtsBaseGrid::InsertCol(Integer DisplayCol) {
  CheckIndex(itCol, DisplayCol, GetGridColCount() + 1, 1);
  TPaintSuspension suspension(this);
  if (AddColumn(DisplayCol)) DoInsertCol(GetGridColCount(), false);
}

void TtsBaseGrid::SetInsertionRow(Integer Count) {
  FPrevInsertionRow = FInsertionRow;
  FInsertionRow = Count;
}

void TtsBaseGrid::SetInsertRowOn() {
  if (FGridMode != gmEditInsert || FInsertionRow != 0) return;
  SetInsertionRow(1);
  SetNewRowCount(GetGridRowCount());
}

void TtsBaseGrid::SetInsertRowOff() {
  if (FGridMode != gmEditInsert || FInsertionRow == 0) return;
  InsertionRowToDataRow();
}

void TtsBaseGrid::InsertionRowToDataRow() {
  SetInsertionRow(0);
  // The former insertion row stays in the engine's count as the new last data row.
  ++FRowCount;
  FCountedInsertionRow = 0;
  CheckRowCountChanged(GetGridRowCount() - 1, GetGridRowCount());
  RowInserted(GetGridRowCount(), true);
}

bool TtsBaseGrid::IsInsertRow(Integer DisplayRow) {
  return GetRowCount() == DisplayRow + 1 && FGridMode == gmEditInsert;
}

bool TtsBaseGrid::IsAppendRow(Integer DisplayRow) { return IsInsertRow(DisplayRow) && FInsertionRow == 1; }

void TtsBaseGrid::CheckRowCountChanged(Integer OldCount, Integer NewCount) {
  if (OldCount != NewCount) DoRowCountChanged(OldCount, NewCount);
}

// ---- Fixed cells, row bar and heading ---------------------------------------------------------------
void TtsBaseGrid::SetFixedColCount(Integer Value) {
  if (Value < 0) return;
  FFixedColCount = Value;
  SetInternalFixedCols(Value);
}

void TtsBaseGrid::SetFixedRowCount(Integer Value) {
  if (Value < 0) return;
  FFixedRowCount = Value;
  SetInternalFixedRows(Value);
}

void TtsBaseGrid::SetInternalFixedCols(Integer Count) {
  if (Count < 0) return;
  Integer fixedCols = GetColCount() <= 0 ? 0 : std::min(GetColCount() - 1, Count + 1);
  if (std::max(fixedCols - 1, 0) == FFixedDataColCount) return;
  bool shown = CheckHideControl(false);
  try {
    SetFixedCols(fixedCols);
  } catch (...) {
    FFixedDataColCount = std::max(GetFixedCols() - 1, 0);
    throw;
  }
  FFixedDataColCount = std::max(GetFixedCols() - 1, 0);
  MoveTopLeft(GetLeftCol(), GetTopRow());
  CalcHorzFixedWidth();
  if (shown) ShowGridControl();
  UpdateScrollRange();
  CheckTopLeftChanged(false);
}

void TtsBaseGrid::SetInternalFixedRows(Integer Count) {
  if (Count < 0) return;
  Integer fixedRows = GetRowCount() <= 0 ? 0 : std::min(GetRowCount() - 1, Count + 1);
  if (std::max(fixedRows - 1, 0) == FFixedDataRowCount) return;
  HideGridControl(false);
  try {
    SetFixedRows(fixedRows);
  } catch (...) {
    FFixedDataRowCount = std::max(GetFixedRows() - 1, 0);
    throw;
  }
  FFixedDataRowCount = std::max(GetFixedRows() - 1, 0);
  MoveTopLeft(GetLeftCol(), GetTopRow());
  CalcVertFixedHeight();
  ShowGridControl();
  UpdateScrollRange();
  CheckTopLeftChanged(false);
}

void TtsBaseGrid::CalcHorzFixedWidth() {
  FFixedWidth = 0;
  for (Integer c = 0; c < GetFixedCols(); ++c) FFixedWidth += GetColWidths(c);
}

void TtsBaseGrid::CalcVertFixedHeight() {
  FFixedHeight = 0;
  for (Integer r = 0; r < GetFixedRows(); ++r) FFixedHeight += GetRowHeights(r);
}

void TtsBaseGrid::CheckFixedCols() {
  if (GetFixedCols() == 0 && GetColCount() > 1) {
    SetFixedCols(1);
    if (GetRowBarOn()) ResizeCol(0, GetRowBarWidth());
    CalcHorzFixedWidth();
  }
  if (GetFixedCols() != FFixedColCount + 1) SetInternalFixedCols(FFixedColCount);
}

void TtsBaseGrid::CheckFixedRows() {
  if (GetFixedRows() == 0 && GetRowCount() > 1) {
    SetFixedRows(1);
    if (GetHeadingOn()) ResizeRow(0, GetHeadingHeight());
    CalcVertFixedHeight();
  }
  if (GetFixedRows() != FFixedRowCount + 1) SetInternalFixedRows(FFixedRowCount);
}

bool TtsBaseGrid::GetRowBarOn() { return FCols->GetItem(0)->GetVisible(); }
Integer TtsBaseGrid::GetRowBarWidth() { return FCols->GetItem(0)->GetWidth(); }
bool TtsBaseGrid::GetHeadingOn() { return FRows->GetItem(0)->GetVisible(); }
Integer TtsBaseGrid::GetHeadingHeight() { return FRows->GetItem(0)->GetHeight(); }

void TtsBaseGrid::SetRowBarOn(bool Value) {
  if (Value == GetRowBarOn()) return;
  FCols->GetItem(0)->SetVisible(Value);
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
}

void TtsBaseGrid::SetRowBarWidth(Integer Value) {
  if (Value == GetRowBarWidth()) return;
  FCols->GetItem(0)->SetWidth(Value);
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
}

void TtsBaseGrid::SetHeadingOn(bool Value) {
  if (Value == GetHeadingOn()) return;
  FRows->GetItem(0)->SetVisible(Value);
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
}

void TtsBaseGrid::SetHeadingHeight(Integer Value) {
  if (Value == GetHeadingHeight()) return;
  FRows->GetItem(0)->SetHeight(Value);
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
}

void TtsBaseGrid::SetFixedLineColor(TColor Value) {
  if (FFixedLineColor == Value) return;
  FFixedLineColor = Value;
  Invalidate();
}

void TtsBaseGrid::SetHeadingColor(TColor Value) {
  if (FHeadingColor == Value) return;
  FHeadingColor = Value;
  Invalidate();
}

void TtsBaseGrid::SetLineColor(TColor Value) {
  if (FLineColor == Value) return;
  FLineColor = Value;
  Invalidate();
}

// ---- Visible counts ---------------------------------------------------------------------------------
Integer TtsBaseGrid::GetVisibleColCount() {
  if (!HandleAllocated()) return 0;
  Integer width = GetClientWidth();
  Integer x = FFixedWidth, count = 0;
  for (Integer c = GetLeftCol(); c < GetColCount() && x < width; ++c) {
    Integer w = GetColWidths(c);
    Integer line = w > 0 ? FVertLineWidth : 0;
    x += w + line;
    if (width >= x - line) ++count;
  }
  return count;
}

Integer TtsBaseGrid::GetVisibleRowCount() {
  if (!HandleAllocated()) return 0;
  Integer height = GetClientHeight();
  Integer y = FFixedHeight, count = 0;
  for (Integer r = GetTopRow(); r < GetRowCount() && y < height; ++r) {
    Integer h = GetRowHeights(r);
    Integer line = h > 0 ? FHorzLineWidth : 0;
    y += h + line;
    if (height >= y - line) ++count;
  }
  return count;
}

double TtsBaseGrid::GetVisibleCols() {
  if (!HandleAllocated()) return 0;
  Integer width = GetClientWidth();
  Integer x = GetRowBarOn() ? GetRowBarWidth() + FVertLineWidth : 0;
  double count = 0;
  auto walk = [&](Integer From, Integer To) {
    for (Integer c = From; c <= To; ++c) {
      TtsCol* col = FCols->GetItem(GetDataCol(c));
      if (!col->GetVisible()) continue;
      Integer w = col->GetWidth() + FVertLineWidth;
      if (x + w > width) {
        count += w > 0 ? static_cast<double>(width - x) / w : 0;
        return false;
      }
      x += w;
      count += 1;
    }
    return true;
  };
  if (walk(1, FFixedDataColCount)) walk(std::max(GetLeftCol(), FFixedDataColCount + 1), GetColCount() - 1);
  return count;
}

double TtsBaseGrid::GetVisibleRows() {
  if (!HandleAllocated()) return 0;
  Integer height = GetClientHeight();
  Integer y = GetHeadingOn() ? GetHeadingHeight() + FHorzLineWidth : 0;
  double count = 0;
  auto walk = [&](Integer From, Integer To) {
    for (Integer r = From; r <= To; ++r) {
      Integer dataRow = GetDataRow(r);
      if (!IsRowVisible(dataRow)) continue;
      Integer h = FRows->GetRowHeight(dataRow) + FHorzLineWidth;
      if (y + h > height) {
        count += h > 0 ? static_cast<double>(height - y) / h : 0;
        return false;
      }
      y += h;
      count += 1;
    }
    return true;
  };
  if (walk(1, FFixedDataRowCount)) walk(std::max(GetTopRow(), FFixedDataRowCount + 1), GetRowCount() - 1);
  return count;
}

// ---- Modes ------------------------------------------------------------------------------------------
TtsEditMode TtsBaseGrid::GridModeToEditMode(TtsGridMode Mode) {
  switch (Mode) {
    case gmListBox:
      return emNone;
    case gmEdit:
      return emEdit;
    case gmEditInsert:
      return emEditInsert;
    case gmBrowse:
      return emBrowse;
  }
  return emNone;
}

TtsGridMode TtsBaseGrid::EditModeToGridMode(TtsEditMode Mode) {
  switch (Mode) {
    case emNone:
      return gmListBox;
    case emEditInsert:
      return gmEditInsert;
    case emBrowse:
      return gmBrowse;
    default:
      return gmEdit;
  }
}

TtsEditMode TtsBaseGrid::EditModeStrValue(const String& Text) {
  String text = LowerCase(Text);
  if (text == "emnone") return emNone;
  if (text == "emeditinsert") return emEditInsert;
  if (text == "embrowse") return emBrowse;
  return emEdit;
}

void TtsBaseGrid::SetEditMode(TtsEditMode Value) { SetGridMode(EditModeToGridMode(Value)); }

void TtsBaseGrid::SetGridMode(TtsGridMode Value) {
  if ((FIsComboGrid && !GetInDesignMode() && !FComboSettingsInit) || Value == FGridMode) return;
  if (Value == gmListBox && !CheckEndEdit(-1, -1, false)) return;
  SetInsertionRow(Value == gmEditInsert ? 1 : 0);
  SetNewRowCount(GetGridRowCount());
  ClearCurrentFocusRect(false);
  FGridMode = Value;
  FEditMode = GridModeToEditMode(Value);
  if (Value != gmEditInsert) CheckTopLeft(false);
  if (Value == gmListBox || Value == gmBrowse) {
    ClearCellBuffer();
    if (CheckHideControl(true)) Update();
  }
  if (!FDefaultsSetting) MoveToNewRow(FCurDisplayRow, true, InRowSelectMode(), CanSkipReadOnly());
  if (Value == gmEdit || Value == gmEditInsert) {
    SetControlSelectMode(tsAll);
    ShowGridControl();
  }
  if (GetInDesignMode() && Value != gmListBox) {
    InvertSelectedRows(1, GetRowCount() - 1, false);
    DeleteAllRowSelection();
  }
  DrawCurrentFocusRect(false);
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
  Invalidate();
}

void TtsBaseGrid::SetRowSelectMode(TtsRowSelectMode Value) {
  if ((FIsComboGrid && !GetInDesignMode() && !FComboSettingsInit) || Value == FRowSelectMode) return;
  if (CheckHideControl(true)) Update();
  FRowSelectMode = Value;
  if (FGridStatus == grRowSelect) {
    if (Value == rsNone) {
      InvertSelectedRows(1, GetRowCount() - 1, false);
      DeleteAllRowSelection();
    } else if (Value == rsSingle) {
      if (IsRowSelected(FCurDataRow)) {
        if (FCurDisplayRow > 1) InvertSelectedRows(1, FCurDisplayRow - 1, false);
        if (FCurDisplayRow < GetRowCount() - 1) InvertSelectedRows(FCurDisplayRow + 1, GetRowCount() - 1, false);
        DeleteAllRowSelection();
        SetCurrentSelected();
      } else {
        InvertSelectedRows(1, GetRowCount() - 1, false);
        DeleteAllRowSelection();
      }
    }
  }
  if (GetInDesignMode() && Value != rsSingle) {
    InvertSelectedRows(1, GetRowCount() - 1, false);
    DeleteAllRowSelection();
  }
  ShowGridControl();
  CheckRowSelection(false);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::SetSelectFixed(bool Value) {
  if (FSelectFixed == Value) return;
  FSelectFixed = Value;
  if (!Value && FFixedDataRowCount > 0) {
    InvertSelectedRows(1, FFixedDataRowCount, false);
    DeleteRowSelection(1, FFixedDataRowCount);
    if (FCurDisplayRow >= 1 && FCurDisplayRow <= FFixedDataRowCount && InRowSelectMode())
      MoveToNewRow(FCurDisplayRow, true, true, false);
  }
  CheckRowSelection(false);
  SelectionsChanged(false);
  GridStatusChanged();
}

bool TtsBaseGrid::GetCurrentSelected() { return IsRowSelected(FCurDataRow); }

void TtsBaseGrid::SetCurrentSelected() { AddRowSelection(FCurDisplayRow, FCurDisplayRow); }

void TtsBaseGrid::SetCurrentDataRow(Integer DataRow) {
  if (DataRow >= 0 && DataRow < GetRowCount()) SetCurrentCell(FCurDisplayCol, GetDisplayRow(DataRow));
}

void TtsBaseGrid::SetCurrentDataCol(Integer DataCol) {
  if (DataCol >= 0 && DataCol < GetColCount()) SetCurrentCell(GetDisplayCol(DataCol), FCurDisplayRow);
}

Integer TtsBaseGrid::GetCurrentDataRow() {
  return FCurDisplayRow >= 1 && FCurDisplayRow < GetRowCount() ? GetDataRow(FCurDisplayRow) : 0;
}

Integer TtsBaseGrid::GetCurrentDataCol() {
  return FCurDisplayCol >= 1 && FCurDisplayCol < GetColCount() ? GetDataCol(FCurDisplayCol) : 0;
}

// ---- Mode tests -------------------------------------------------------------------------------------
bool TtsBaseGrid::InEditMode() {
  return (FGridMode == gmEdit || FGridMode == gmEditInsert) && FGridStatus == grNormal;
}

bool TtsBaseGrid::InGridMode() { return FGridMode != gmListBox && FGridStatus == grNormal; }

bool TtsBaseGrid::InEditState() {
  return !Reading() && !GetInDesignMode() && InEditMode() && GetGridRowCount() > 0 && GetGridColCount() > 0;
}

bool TtsBaseGrid::InGridState() {
  return !Reading() && !GetInDesignMode() && InGridMode() && GetGridRowCount() > 0 && GetGridColCount() > 0;
}

bool TtsBaseGrid::CanSkipReadOnly() { return !GetInDesignMode() && FSkipReadOnly && FGridMode != gmListBox; }

bool TtsBaseGrid::InRowSelectMode() { return FGridMode == gmListBox && FRowSelectMode == rsSingle; }

void TtsBaseGrid::SetEnableStartEdit(bool Value) {
  if (!Value)
    ++FStartEditDisableCount;
  else if (FStartEditDisableCount > 0)
    --FStartEditDisableCount;
}

}  // namespace TSGrid
