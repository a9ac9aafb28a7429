// Selecting by a press of the left button: the row bar, the headings, cell ranges, data cells and
// the start of column and row moves. The press leaves the mouse status that the following moves and
// the release continue; what is selected is shown at once by inverting only what changed.
#include "Forms.h"
#include "TSGridColumns.h"
#include "TSGridImpl.h"
#include "TSGridSelectionPaint.h"
#include "WinCursor.h"
#include "WinPaint.h"

namespace TSGrid {

namespace {

bool IsLeft(TShiftState Shift) { return Shift.Contains(ssLeft); }
bool IsPlain(TShiftState Shift) { return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl); }
bool IsShift(TShiftState Shift) { return Shift.Contains(ssShift) && !Shift.Contains(ssCtrl); }
bool IsCtrl(TShiftState Shift) { return Shift.Contains(ssCtrl) && !Shift.Contains(ssShift); }
bool IsShiftCtrl(TShiftState Shift) { return Shift.Contains(ssShift) && Shift.Contains(ssCtrl); }

bool ListOnlyButton(TtsButtonType Button, TtsDropDownStyle Style) {
  return (Button == btCombo || Button == btDateTimeDropDown || Button == btDateTimePopup) && Style == ddDropDownList;
}

}  // namespace

// ---- The row bar ----------------------------------------------------------------------------------------------
void TtsBaseGrid::MDRowSelect(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (!CanSelect(-1, DisplayRow) || !CanMoveToPos(DisplayCol, DisplayRow)) return;
  bool handled = false;
  auto selectRows = [&](Integer Row, Integer LastCol) {
    MouseSelectRows(Shift, Row, handled);
    FLastAddedDisplayCol = LastCol;
    if (!handled) SetLastAddedRow(Row);
  };
  Integer row = DisplayRow;
  if (FRowSelectMode == rsNone) {
    // The row bar moves the current row, or starts a move of it.
    if (row != FCurDisplayRow) {
      // Ending the edit may change the rows, so the row under the pointer is looked up again.
      if (CheckEndEdit(-1, -1, true) && (row = RowFromY(Y)) > 0) {
        if (CheckHideControl(true)) Update();
        InvalidateCell(FCurDisplayCol, FCurDisplayRow);
        ClearCurrentFocusRect(false);
        ClearCurrent(FCurDisplayRow);
        SetCurrentPositionAndDraw(FCurDisplayCol, row, true, true);
        if (!GetRowMoving() || IsAppendRow(row)) {
          SetControlSelectMode(tsAll);
          ShowGridControl();
          DrawCurrentFocusRect(true);
          FLastAddedDisplayCol = FCurDisplayCol;
          SetLastAddedRow(row);
        } else {
          Update();
          selectRows(row, FCurDisplayCol);
        }
      }
    } else if (GetRowMoving() && !IsAppendRow(row)) {
      selectRows(row, DisplayCol);
    }
  } else if ((row == FCurDisplayRow && FRowSelection->GetSelected(row)) || CheckEndEdit(-1, -1, true)) {
    if ((row = RowFromY(Y)) > 0) selectRows(row, DisplayCol);
  }
  CheckRowColChanged();
  SelectionsChanged(true);
}

void TtsBaseGrid::MouseSelectRows(TShiftState Shift, Integer DisplayRow, bool& Handled) {
  Handled = false;
  bool pressOnSelected = IsLeft(Shift) && IsPlain(Shift) && FRowSelection->GetSelected(DisplayRow);
  if ((pressOnSelected || FRowSelectMode == rsNone) && !FixedRowsSelected() && GetRowMoving() &&
      !IsAppendRow(DisplayRow)) {
    if (CheckHideControl(true)) Update();
    ClearCurrentFocusRect(true);
    StartRowMoving(DisplayRow);
    return;
  }
  if (FRowSelectMode == rsNone) return;
  CheckHideControl(true);
  if (!IsAppendRow(DisplayRow)) SetMouseStatus(msRowSelect);
  DeleteSelections({grColSelect}, true);
  ClearCurrentFocusRect(false);
  SelectionsChanged(true);
  if (FGridStatus != grRowSelect || FRowSelectMode == rsSingle) {
    // A cell range gives way to the row as after a plain press, as it does to a heading: a row
    // added beside the range would leave the two overlapping.
    if (IsLeft(Shift) && Shift.Contains(ssCtrl) && FGridMode != gmListBox && FGridStatus != grCellSelect)
      SelectRowCtrlMouseDown(DisplayRow);
    else if (IsLeft(Shift))
      SelectRowMouseDown(DisplayRow);
  } else if (IsLeft(Shift)) {
    if (IsShiftCtrl(Shift))
      SelectRowShiftCtrlMouseDown(DisplayRow, Handled);
    else if (IsShift(Shift))
      SelectRowShiftMouseDown(DisplayRow, Handled);
    else if (IsCtrl(Shift))
      SelectRowCtrlMouseDown(DisplayRow);
    else
      SelectRowMouseDown(DisplayRow);
  }
  DrawCurrentFocusRect(true);
}

// The selected rows of From..To (From <= To) are shown unselected; an empty stretch touches nothing.
static void HideSelectedRows(TtsBaseGrid* Grid, Integer From, Integer To) {
  if (From <= To) Grid->InvertSelectedRows(From, To, false);
}

static void HideSelectedCols(TtsBaseGrid* Grid, Integer From, Integer To) {
  if (From <= To) Grid->DeleteColInversion(From, To);
}

void TtsBaseGrid::SelectRowMouseDown(Integer DisplayRow) {
  SetSelectionStartRow(DisplayRow);
  if (IsAppendRow(DisplayRow)) {
    Integer col = FCurDisplayCol, row = DisplayRow;
    SelectNone(col, row, -1, tsDefault);
  } else if (DisplayRow == FCurDisplayRow && FRowSelection->GetSelected(DisplayRow)) {
    TSelectionPaint paint(this);
    HideSelectedRows(this, 1, DisplayRow - 1);
    HideSelectedRows(this, DisplayRow + 1, GetVisibleRowCount() + GetTopRow() + 1);
    NewRowSelection(DisplayRow, DisplayRow);
  } else if (FRowSelection->GetSelected(DisplayRow)) {
    SelectSingleRow(DisplayRow, false);
  } else {
    SetNewSelectedRow(DisplayRow);
  }
}

// The current row moves to DisplayRow with its mark (Selected: drawn as a selected row's).
static void MoveCurrentRowMark(TtsBaseGrid* Grid, Integer DisplayRow, bool Selected) {
  Integer old = Grid->GetCurDisplayRow();
  if (old != DisplayRow) {
    Grid->ClearCurrent(old);
    Grid->SetCurrentPosition(Grid->GetCurDisplayCol(), DisplayRow, true, true);
  }
  if (Selected)
    Grid->DrawCurrentSelected(DisplayRow);
  else
    Grid->DrawCurrent(DisplayRow);
}

void TtsBaseGrid::SetNewSelectedRow(Integer DisplayRow) {
  {
    TSelectionPaint paint(this);
    if (FGridStatus == grCellSelect) {
      if (DisplayRow != FCurDisplayRow) {
        ClearCurrent(FCurDisplayRow);
        SetCurrentPositionAndDraw(FCurDisplayCol, DisplayRow, true, true);
      }
      // The screen goes from the range to the row: only the difference is drawn.
      InvertCell(0, DisplayRow, NullRect, true, nullptr);
      InvertNew(1, DisplayRow, MaxVisibleCol(), DisplayRow);
      DeleteRangeSelection();
      SelectionsChanged(true);
      NewRowSelection(DisplayRow, DisplayRow);
    } else {
      InvertSelectedRows(1, GetVisibleRowCount() + GetTopRow(), false);
      DeleteAllRowSelection();
      Integer old = FCurDisplayRow;
      SetCurrentPosition(FCurDisplayCol, DisplayRow, true, true);
      // What waits to be painted is painted before the row is selected: a paint between storing
      // the selection and inverting the row would show the row selected twice over, that is not.
      Update();
      NewRowSelection(DisplayRow, DisplayRow);
      if (old != DisplayRow) ClearCurrent(old);
      DrawCurrent(DisplayRow);
      InvertRow(DisplayRow, true, nullptr);
    }
  }
  CheckRowColChanged();
}

void TtsBaseGrid::SelectRowCtrlMouseDown(Integer DisplayRow) {
  if (IsAppendRow(DisplayRow)) return;
  SetSelectionStartRow(DisplayRow);
  bool selected = FRowSelection->GetSelected(DisplayRow);
  // The one row of a list box cannot be taken away.
  if (DisplayRow == FCurDisplayRow && selected && FGridMode == gmListBox) return;
  if (FRowSelectMode == rsSingle && DisplayRow != FCurDisplayRow) {
    SelectRowMouseDown(DisplayRow);
    return;
  }
  InvertRow(DisplayRow, !selected, nullptr);
  ChangeRowSelection(DisplayRow, DisplayRow);
  if (DisplayRow != FCurDisplayRow) {
    MoveCurrentRowMark(this, DisplayRow, FRowSelection->GetSelected(DisplayRow));
    CheckRowColChanged();
  }
}

void TtsBaseGrid::SelectRowShiftMouseDown(Integer DisplayRow, bool& Handled) {
  Handled = false;
  if (IsAppendRow(DisplayRow)) return;
  Integer start = SelectionStartRownr();
  if (GetStartRowSelected()) {
    {
      // Rows outside start..row go, the unselected ones inside come.
      TPaintSuspension suspension(this);
      Integer last = MaxVisibleRow();
      if (CompareRowPos(DisplayRow) < 0) {
        HideSelectedRows(this, start + 1, last);
        if (DisplayRow != start) InvertUnselectedRows(start, DisplayRow);
        HideSelectedRows(this, 1, DisplayRow - 1);
      } else {
        HideSelectedRows(this, 1, start - 1);
        if (DisplayRow != start) InvertUnselectedRows(start, DisplayRow);
        HideSelectedRows(this, DisplayRow + 1, last);
      }
      DeleteAllRowSelection();
      AddRowSelection(start, DisplayRow);
    }
    CheckSetCurrentRow(DisplayRow);
  } else {
    {
      TSelectionPaint paint(this);
      InvertSelectedRows(1, GetVisibleRowCount() + GetTopRow(), false);
      DeleteAllRowSelection();
      MoveCurrentRowMark(this, DisplayRow, false);
    }
    CheckRowColChanged();
  }
  if (FRowSelection->Count > 0) FGridStatus = grRowSelect;
}

void TtsBaseGrid::SelectRowShiftCtrlMouseDown(Integer DisplayRow, bool& Handled) {
  Handled = false;
  if (IsAppendRow(DisplayRow)) return;
  Integer start = SelectionStartRownr();
  {
    TSelectionPaint paint(this);
    if (GetStartRowSelected()) {
      InvertUnselectedRows(start, DisplayRow);
      AddRowSelection(start, DisplayRow);
      MoveCurrentRowMark(this, DisplayRow, true);
    } else {
      Integer order = CompareRowPos(DisplayRow);
      if (order > 0)
        InvertSelectedRows(start + 1, DisplayRow, false);
      else if (order < 0 && start > DisplayRow)
        InvertSelectedRows(std::min(start - 1, MaxVisibleRow()), DisplayRow, false);
      DeleteRowSelection(start, DisplayRow);
      MoveCurrentRowMark(this, DisplayRow, FRowSelection->GetSelected(DisplayRow));
    }
  }
  SetSelectionStartRow(DisplayRow);
  CheckRowColChanged();
}

// ---- The headings ----------------------------------------------------------------------------------------------
void TtsBaseGrid::MDColSelect(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (!CanSelect(DisplayCol, -1)) return;
  if (FColSelectMode == csMulti || FColMoving) {
    if (!CheckEndEdit(-1, -1, true)) return;
    MouseSelectCols(Shift, DisplayCol);
  } else {
    // Without column selection a heading stands for its column's cell in the current row.
    MDSelectNone(Shift, X, Y, DisplayCol, FCurDisplayRow);
  }
  FLastAddedDisplayCol = DisplayCol;
  FLastAddedDisplayRow = DisplayRow;
  SelectionsChanged(true);
}

void TtsBaseGrid::MouseSelectCols(TShiftState Shift, Integer DisplayCol) {
  bool pressOnSelected = IsLeft(Shift) && IsPlain(Shift) && FColSelection->GetSelected(DisplayCol);
  if ((pressOnSelected || FColSelectMode == csNone) && FColMoving && !FixedColsSelected()) {
    if (CheckHideControl(true)) Update();
    ClearCurrentFocusRect(true);
    StartColMoving(DisplayCol);
    return;
  }
  if (FColSelectMode != csMulti) return;
  CheckHideControl(true);
  SetMouseStatus(msColSelect);
  DeleteSelections({grRowSelect}, true);
  ClearCurrentFocusRect(false);
  SelectionsChanged(true);
  if (IsLeft(Shift)) {
    if (FColSelection->Count == 0 || IsPlain(Shift))
      SelectColMouseDown(DisplayCol);
    else if (IsShiftCtrl(Shift))
      SelectColShiftCtrlMouseDown(DisplayCol);
    else if (IsShift(Shift))
      SelectColShiftMouseDown(DisplayCol);
    else
      SelectColCtrlMouseDown(DisplayCol);
  }
  DrawCurrentFocusRect(true);
}

void TtsBaseGrid::SelectColMouseDown(Integer DisplayCol) {
  bool showColumn = false;
  {
    TSelectionPaint paint(this);
    if (FColSelection->GetSelected(DisplayCol)) {
      HideSelectedCols(this, 1, DisplayCol - 1);
      HideSelectedCols(this, DisplayCol + 1, MaxVisibleCol());
      DeleteAllColSelection();
      NewColSelection(DisplayCol, DisplayCol);
    } else if (FGridStatus == grCellSelect) {
      // The screen goes from the range to the column: only the difference is drawn.
      InvertCell(DisplayCol, 0, NullRect, true, nullptr);
      InvertNew(DisplayCol, 1, DisplayCol, MaxVisibleRow());
      DeleteRangeSelection();
      SelectionsChanged(true);
      NewColSelection(DisplayCol, DisplayCol);
    } else {
      DeleteColInversion(1, GetVisibleColCount() + GetLeftCol());
      DeleteAllColSelection();
      showColumn = true;
    }
    SetCurrentPosition(DisplayCol, FCurDisplayRow, true, true);
  }
  if (showColumn) {
    NewColSelection(DisplayCol, DisplayCol);
    InvertCol(DisplayCol, ivBoth, true, nullptr);
  }
  CheckRowColChanged();
}

void TtsBaseGrid::SelectColCtrlMouseDown(Integer DisplayCol) {
  {
    TSelectionPaint paint(this);
    InvertCol(DisplayCol, ivBoth, !FColSelection->GetSelected(DisplayCol), nullptr);
    ChangeColSelection(DisplayCol, DisplayCol);
    SetCurrentPosition(DisplayCol, FCurDisplayRow, true, true);
  }
  CheckRowColChanged();
}

void TtsBaseGrid::SelectColShiftMouseDown(Integer DisplayCol) {
  {
    TSelectionPaint paint(this);
    Integer current = FCurDisplayCol, last = MaxVisibleCol();
    if (FColSelection->GetSelected(current)) {
      Integer low = std::min(current, DisplayCol), high = std::max(current, DisplayCol);
      HideSelectedCols(this, 1, low - 1);
      HideSelectedCols(this, high + 1, last);
      if (DisplayCol != current && !ColRangeSelected(current, DisplayCol))
        InvertUnselectedCols(current, DisplayCol, ivBoth);
      DeleteAllColSelection();
      AddColSelection(current, DisplayCol);
    } else {
      DeleteColInversion(1, last);
      DeleteAllColSelection();
      SetCurrentPosition(DisplayCol, FCurDisplayRow, true, true);
    }
  }
  CheckRowColChanged();
}

void TtsBaseGrid::SelectColShiftCtrlMouseDown(Integer DisplayCol) {
  {
    TSelectionPaint paint(this);
    Integer current = FCurDisplayCol;
    if (FColSelection->GetSelected(current)) {
      if (!ColRangeSelected(current, DisplayCol)) {
        InvertUnselectedCols(current, DisplayCol, ivBoth);
        AddColSelection(current, DisplayCol);
      }
    } else if (!ColRangeUnselected(std::min(current, DisplayCol), std::max(current, DisplayCol))) {
      if (DisplayCol > current)
        DeleteColInversion(current + 1, DisplayCol);
      else if (DisplayCol < current)
        DeleteColInversion(std::min(current - 1, MaxVisibleCol()), DisplayCol);
      DeleteColSelection(current, DisplayCol);
    }
    if (DisplayCol != current) SetCurrentPosition(DisplayCol, FCurDisplayRow, true, true);
  }
  CheckRowColChanged();
}

// ---- Cell ranges ---------------------------------------------------------------------------------------------------
void TtsBaseGrid::MDRangeSelecting(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (!CanSelect(DisplayCol, DisplayRow) || !CheckEndEdit(-1, -1, true)) return;
  if (IsAppendRow(DisplayRow)) {
    MDSelectNone(Shift, X, Y, DisplayCol, DisplayRow);
    return;
  }
  SetMouseStatus(msCellSelect);
  bool hasRange = !(FSelectedRange == MakeGridRect(0, 0, 0, 0));
  if (hasRange && Shift.Contains(ssShift) && IsLeft(Shift)) {
    ChangeCellSelection(DisplayCol, DisplayRow);
  } else {
    bool anchorOnly = hasRange && FSelectedRange == FRangeAnchor;
    if (!(anchorOnly && FRangeAnchor.Left == DisplayCol && FRangeAnchor.Top == DisplayRow))
      StartCellSelection(DisplayCol, DisplayRow);
  }
  SelectionsChanged(true);
}

// ---- Cells ---------------------------------------------------------------------------------------------------------
void TtsBaseGrid::MDSelectNone(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (!CanMoveToPos(DisplayCol, DisplayRow)) return;
  Integer col = DisplayCol, row = DisplayRow;
  bool left = IsLeft(Shift);
  if (FGridMode != gmListBox) {
    TtsDropDownStyle style = ddDropDown;
    TtsButtonType button = GiveCellButton(GetDataCol(col), GetDataRow(row), style);
    bool listOnly = ListOnlyButton(button, style);
    if (CellIsReadOnly(GetDataCol(col), GetDataRow(row)) && !CanSelect(-1, row)) return;
    if (!CheckEndEdit(GetDataCol(col), GetDataRow(row), true)) return;
    // Ending the edit may change the rows; a press beside them stays in the current row.
    row = RowFromY(Y);
    if (row <= 0) row = FCurDisplayRow;
    TtsTextSelectMode mode = left ? tsNone : tsAll;
    Integer clicked = col;
    if (FCols->GetItem(GetDataCol(col))->GetReadOnly() && CellIsReadOnly(GetDataCol(col), GetDataRow(row)) &&
        CanSkipReadOnly()) {
      if (row != FCurDisplayRow) mode = tsAll;
      col = FCurDisplayCol;
    }
    bool needUpdate = false, startEdit = false;
    bool hasSelection = FGridStatus != grNormal;
    if (hasSelection || col != FCurDisplayCol || row != FCurDisplayRow) {
      needUpdate = CheckHideControl(true) || DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true);
    } else if (!FControlEnabled) {
      // A press on the current cell opens its editor, except over a list that only drops down.
      startEdit = left && col == clicked && !listOnly;
    }
    if (hasSelection && col != clicked) mode = tsAll;
    SetControlSelectMode(mode);
    bool started = false;
    auto finish = [&] {
      if (!GridControlActive()) {
        startEdit = false;
        mode = tsAll;
      } else {
        if ((!FControlEnabled && !startEdit) || listOnly) mode = tsAll;
        if (col == clicked && left) mode = tsNone;
      }
      SetControlSelectMode(mode);
      if (needUpdate) Update();
      if (startEdit) {
        // A check box changes its value at once: the edit must be allowed before the editor shows.
        bool allowed = CurCellControlType() != ctCheck || (StartEdit() && StartCellChange(FCurDataCol, true));
        started = allowed && InternalShowEditor(tsNone, false);
      }
      if (needUpdate || !FControlShown) ShowGridControl();
      DrawCurrentFocusRect(false);
    };
    try {
      SelectNone(col, row, clicked, mode);
    } catch (...) {
      finish();
      throw;
    }
    finish();
    if (col == clicked && left && DrawButtonDown(X, Y, col, row)) {
      MDButtonDown(Shift, X, Y, col, row);
    } else if (left) {
      FMouseDownX = static_cast<int16_t>(X);
      FMouseDownY = static_cast<int16_t>(Y);
      FPassClickToControl = col == clicked && started;
      Update();
      if (!FActiveControl || !FActiveControl->GetVisible()) FPassClickToControl = false;
    }
  } else if (FRowSelectMode != rsNone) {
    if (left) {
      MDRowSelect(Shift, X, Y, col, row);
    } else if (CanSelect(-1, row)) {
      SelectNone(col, row, -1, tsDefault);
      CheckRowSelection(false);
      DrawCurrentFocusRect(true);
    }
  } else {
    if (!CanSelect(-1, row) || !CheckEndEdit(GetDataCol(col), GetDataRow(row), true)) return;
    row = RowFromY(Y);
    if (row <= 0) row = FCurDisplayRow;
    SelectNone(col, row, -1, tsDefault);
    DrawCurrentFocusRect(false);
  }
  CheckRowColChanged();
  SelectionsChanged(true);
}

bool TtsBaseGrid::DblClickSelectNone(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol,
                                     Integer DisplayRow) {
  if (FControlEnabled || !CanSetControl() || DisplayCol != FCurDisplayCol || DisplayRow != FCurDisplayRow)
    return false;
  MDSelectNone(Shift, X, Y, DisplayCol, DisplayRow);
  return true;
}

// ---- Column and row moves -----------------------------------------------------------------------------------------
// The drag cursor is shown for the move only: the grid holds the mouse while it moves, and the next
// cursor request after the release shapes the cursor again. The application's screen cursor is not
// touched, since nothing would set it back.
static void ShowDragCursor() { SetCursor(Screen->GetCursors(crDrag)); }

void TtsBaseGrid::StartRowMoving(Integer DisplayRow) {
  FRowMoveBarAtEnd = false;
  ShowDragCursor();
  Update();
  SetMouseStatus(msRowMove);
  FMoveStartPos = FMoveTargetPos = DisplayRow;
  FRowMoveBarShown = false;
  DrawRowMove();
}

void TtsBaseGrid::StartColMoving(Integer DisplayCol) {
  FColMoveBarAtEnd = false;
  ShowDragCursor();
  Update();
  SetMouseStatus(msColMove);
  FMoveStartPos = FMoveTargetPos = DisplayCol;
  FColMoveBarShown = false;
  DrawColMove();
}

// Inverts the insertion bar's rectangle on the window.
static void InvertBar(TtsBaseGrid* Grid, const TRect& Bar) {
  HDC dc = GetDC(Grid->GetHandle());
  if (!dc) return;
  PatBlt(dc, Bar.left, Bar.top, Bar.Width(), Bar.Height(), DSTINVERT);
  ReleaseDC(Grid->GetHandle(), dc);
}

// The insertion bar is 2 pixels thick.
static constexpr Integer MoveBarWidth = 2;

void TtsBaseGrid::DrawRowMove() {
  Integer target = FMoveTargetPos;
  // A drop onto a stretch of selected rows would move nothing, so no bar shows it.
  if (!HandleAllocated() || target < GetTopRow() || target > MaxVisibleRow() ||
      RowRangeSelected(FMoveStartPos, target))
    return;
  Integer top = CalcRowOffset(target);
  if (top < 0) return;
  Integer y = FMoveStartPos < target ? top + GetRowHeights(target) : top;
  if (y + 1 > GetClientHeight()) return;
  Integer right = GetClientWidth();
  if (GetVisibleColCount() + GetLeftCol() >= GetColCount()) {
    TRect last;
    CellRect(GetColCount() - 1, target, last);
    right = last.right;
  }
  InvertBar(this, TRect(0, y, right, y + MoveBarWidth));
  FRowMoveBarShown = !FRowMoveBarShown;
}

void TtsBaseGrid::DrawColMove() {
  Integer target = FMoveTargetPos;
  if (!HandleAllocated() || target < GetLeftCol() || target > MaxVisibleCol() ||
      ColRangeSelected(FMoveStartPos, target))
    return;
  Integer left = CalcColOffset(target);
  if (left < 0) return;
  Integer x = FMoveStartPos < target ? left + GetColWidths(target) : left;
  if (x + 1 > GetClientWidth()) return;
  Integer bottom = GetClientHeight();
  if (GetVisibleRowCount() + GetTopRow() >= GetRowCount()) {
    TRect last;
    CellRect(target, GetRowCount() - 1, last);
    bottom = last.bottom;
  }
  InvertBar(this, TRect(x, 0, x + MoveBarWidth, bottom));
  FColMoveBarShown = !FColMoveBarShown;
}

}  // namespace TSGrid
