// The moves of the current cell by key: one row up or down, a row selection following the current
// row, the next and previous cell in reading order (Tab, Enter, Left and Right while editing), a
// page up or down, and the Ctrl moves to the ends of the grid. Every move asks the edit to end
// first; a refusal leaves the current cell where it is.
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"
#include "WinInput.h"

namespace TSGrid {

// ---- What every key move shares ------------------------------------------------------------------------------
namespace {

// Moves the current cell by a key to (Col, Row) with the view's new top-left, the control hidden
// meanwhile and shown again on the new cell; RowBar: the row-bar marks follow a change of row.
void MoveCurrentByKey(TtsBaseGrid* Grid, Integer Col, Integer Row, Integer Left, Integer Top, TtsScrollMode Mode,
                      bool RowBar, bool& FocusOnKeyUp) {
  FocusOnKeyUp = Grid->GetKeyNavigation();
  bool viewStays = Left == Grid->GetLeftCol() && Top == Grid->GetTopRow();
  Integer oldRow = Grid->GetCurDisplayRow();
  Grid->HideGridControl(viewStays);
  if (viewStays) Grid->ClearCurrentFocusRect(false);
  Grid->SetControlSelectMode(tsAll);
  Grid->SetCurrentPosition(Col, Row, true, true);
  Grid->ScrollGrid(Left, Top, Mode);
  Grid->ShowGridControl();
  Grid->DrawCurrentFocusRect(false);
  Grid->CheckRowColChanged();
  Grid->Update();
  if (!RowBar) return;
  if (viewStays && oldRow != Grid->GetCurDisplayRow()) Grid->ClearCurrent(oldRow);
  if (Grid->IsRowSelected(Grid->GetCurDataRow()))
    Grid->DrawCurrentSelected(Grid->GetCurDisplayRow());
  else
    Grid->DrawCurrent(Grid->GetCurDisplayRow());
}

// The row selection follows the current row: only Row is selected.
void SelectOnlyRow(TtsBaseGrid* Grid, Integer Row, Integer FirstInverted) {
  if (FirstInverted <= Grid->MaxVisibleRow()) Grid->InvertSelectedRows(FirstInverted, Grid->MaxVisibleRow(), false);
  Grid->NewRowSelection(Row, Row);
  Grid->SetSelectionStartRow(Row);
}

}  // namespace

// ---- One row down or up ---------------------------------------------------------------------------------------
void TtsBaseGrid::KeyDownVK_Down() { VerticalKeyMove(true); }
void TtsBaseGrid::KeyDownVK_Up() { VerticalKeyMove(false); }
void TtsBaseGrid::VK_DownRowSelect() { RowSelectKeyMove(true); }
void TtsBaseGrid::VK_UpRowSelect() { RowSelectKeyMove(false); }

void TtsBaseGrid::VerticalKeyMove(bool Down) {
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  if (!InEditMode() && !FocusRectActive()) {
    if (Down)
      VK_DownRowSelect();
    else
      VK_UpRowSelect();
    return;
  }
  // The next row, else the nearest editable cell further on in the same column.
  Integer target, col;
  bool skip = CanSkipReadOnly();
  bool found = Down ? GetNextRow(FCurDisplayRow, skip, false, target) ||
                          GetNextDownCell(FCurDisplayCol, FCurDisplayRow, target, col, skip)
                    : GetPrevRow(FCurDisplayRow, skip, false, target) ||
                          GetNextUpCell(FCurDisplayCol, FCurDisplayRow, target, col, skip);
  if (!found || !CanMoveToPos(FCurDisplayCol, target) || !CheckEndEdit(FCurDataCol, GetDataRow(target), false))
    return;
  Integer top = GetTopRow();
  if (Down)
    MoveRowIntoView(target, top);
  else if (target < GetTopRow() && GetTopRow() >= GetFixedRows())
    top = std::max(target, MinTopRow());
  MoveCurrentByKey(this, FCurDisplayCol, target, GetLeftCol(), top, EditScrollMode(), true, FFocusOnKeyUp);
}

void TtsBaseGrid::RowSelectKeyMove(bool Down) {
  Integer target;
  bool found = Down ? GetNextRow(FCurDisplayRow, false, true, target) : GetPrevRow(FCurDisplayRow, false, true, target);
  if (!found || !CanMoveToPos(FCurDisplayCol, target)) return;
  if (FGridStatus == grRowSelect) SelectOnlyRow(this, target, 1);
  Integer top = GetTopRow();
  if (Down)
    MoveRowIntoView(target, top);
  else if (target < GetTopRow() && target >= GetFixedRows())
    top = target;
  if (top == GetTopRow()) {
    ClearCurrentFocusRect(false);
    SetCurrentPositionAndDraw(FCurDisplayCol, target, true, true);
    DrawCurrentFocusRect(false);
  } else {
    SetCurrentPosition(FCurDisplayCol, target, true, true);
    ScrollGrid(GetLeftCol(), top, smRowSelect);
  }
  CheckRowColChanged();
}

// ---- Next and previous cell ------------------------------------------------------------------------------------
void TtsBaseGrid::KeyDownVK_Tab(Word Key) {
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  Integer startCol = FCurDisplayCol, startRow = FCurDisplayRow;
  Integer row, col;
  bool found = GetNextCell(startCol, startRow, row, col, CanSkipReadOnly());
  if (found && (FTabRowWrap || row == startRow)) {
    if (!CanMoveToPos(col, row) || !CheckEndEdit(GetDataCol(col), GetDataRow(row), false)) return;
    // Ending the edit may have changed the grid: the search runs again.
    if (!GetNextCell(startCol, startRow, row, col, CanSkipReadOnly())) return;
    if (col < startCol || row > startRow) {
      PutInView(col, row, vpRight, false, true, ctlBoth);
      Integer againRow, againCol;
      if (GetNextCell(startCol, startRow, againRow, againCol, CanSkipReadOnly()) &&
          (againCol != FCurDisplayCol || againRow != FCurDisplayRow))
        PutInView(againCol, againRow, vpRight, false, true, ctlBoth);
    } else {
      Integer left = ScrollColIntoView(col);
      if (col >= GetFixedCols() && col < GetLeftCol()) left = col;
      MoveCurrentByKey(this, col, row, left, GetTopRow(), smGridControl, false, FFocusOnKeyUp);
    }
    CheckRowColChanged();
    return;
  }
  if (Key == VK_RETURN && CheckEndEdit(-1, -1, false)) {
    InvalidateRow(FCurDisplayRow);
    FCurrentCell->SelectAll();
  }
}

void TtsBaseGrid::ShiftKeyDownVK_Tab() {
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  Integer startCol = FCurDisplayCol, startRow = FCurDisplayRow;
  Integer row, col;
  if (!GetPrevCell(startCol, startRow, row, col, CanSkipReadOnly())) return;
  if (!FTabRowWrap && row != startRow) return;
  if (!CanMoveToPos(col, row) || !CheckEndEdit(GetDataCol(col), GetDataRow(row), false)) return;
  if (!GetPrevCell(startCol, startRow, row, col, CanSkipReadOnly())) return;
  if (col > startCol || row < startRow) {
    PutInView(col, row, vpNone, false, true, ctlBoth);
    Integer againRow, againCol;
    if (GetPrevCell(startCol, startRow, againRow, againCol, CanSkipReadOnly()) &&
        (againCol != FCurDisplayCol || againRow != FCurDisplayRow))
      PutInView(againCol, againRow, vpNone, false, true, ctlBoth);
  } else {
    Integer left = GetLeftCol();
    if (col < GetLeftCol()) left = col < GetFixedCols() ? MinLeftCol() : col;
    MoveCurrentByKey(this, col, row, left, GetTopRow(), smGridControl, false, FFocusOnKeyUp);
  }
  CheckRowColChanged();
}

// ---- Pages --------------------------------------------------------------------------------------------------
namespace {

// After a page move: the selection and the current cell at Target, the view at NewTop.
void FinishPageMove(TtsBaseGrid* Grid, Integer Target, Integer NewTop, bool RowSelect, Integer FirstUninverted,
                    bool& FocusOnKeyUp) {
  Integer col = Grid->GetCurDisplayCol();
  bool offsetChanged = Target - NewTop != Grid->GetCurDisplayRow() - Grid->GetTopRow();
  if (RowSelect) {
    if (offsetChanged && FirstUninverted <= Grid->MaxVisibleRow())
      Grid->InvertSelectedRows(FirstUninverted, Grid->MaxVisibleRow(), false);
    Grid->NewRowSelection(Target, Target);
  }
  FocusOnKeyUp = Grid->GetKeyNavigation();
  Grid->HideGridControl(offsetChanged);
  Grid->SetControlSelectMode(tsAll);
  if (offsetChanged) {
    Grid->ClearCurrentFocusRect(false);
    Grid->ClearCurrent(Grid->GetCurDisplayRow());
    Grid->SetCurrentPositionAndDraw(col, Target, true, true);
  } else {
    Grid->SetCurrentPosition(col, Target, true, true);
  }
  if (NewTop != Grid->GetTopRow())
    Grid->ScrollGrid(Grid->GetLeftCol(), NewTop, Grid->InGridMode() ? Grid->EditScrollMode() : smRowSelect);
  else if (RowSelect)
    Grid->InvertSelectedRows(Target, Target, true);
  Grid->ShowGridControl();
  Grid->DrawCurrentFocusRect(false);
  Grid->CheckRowColChanged();
  Grid->Update();
}

}  // namespace

void TtsBaseGrid::KeyDownVK_Next() {
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  bool rowSelect = FGridStatus == grRowSelect;
  Integer last = BottomMostRow(CanSkipReadOnly(), rowSelect);
  Integer current = FCurDisplayRow;
  if (current >= last) return;
  Integer page = GetVisibleRowCount();
  Integer target;
  if (current >= GetFixedRows() && current + page >= last) {
    target = last;
  } else {
    Integer start = (current < GetFixedRows() ? GetFixedRows() : current) + page - 1;
    GetNextRow(start, CanSkipReadOnly(), rowSelect, target);
  }
  target = std::min(target, last);
  if (target == current && target < last) ++target;
  if (target == current) return;
  if (!CheckEndEdit(FCurDataCol, GetDataRow(target), false)) return;
  // The view stays when the whole grid fits it.
  bool fits = GetTopRow() <= MinTopRow() && MaxVisibleRow() >= GetRowCount() - 1;
  Integer top = fits ? GetTopRow() : std::max(CalcNewTopRowVK_Next(target), GetFixedRows());
  FinishPageMove(this, target, top, rowSelect, GetTopRow(), FFocusOnKeyUp);
}

void TtsBaseGrid::KeyDownVK_Prior() {
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  bool rowSelect = FGridStatus == grRowSelect;
  Integer first = TopMostRow(CanSkipReadOnly(), rowSelect);
  Integer current = FCurDisplayRow;
  if (current <= first) return;
  Integer page = GetVisibleRowCount();
  Integer target = first;
  if (current >= GetFixedRows() && current - page > first)
    GetPrevRow(current - page + 1, CanSkipReadOnly(), rowSelect, target);
  if (target < GetFixedRows() || target < first) target = first;
  if (target == current && first < current) --target;
  if (target == current) return;
  if (!CheckEndEdit(FCurDataCol, GetDataRow(target), false)) return;
  Integer distance = current - target;
  Integer top = std::max(GetTopRow() - (distance > page ? distance : page), GetFixedRows());
  FinishPageMove(this, target, top, rowSelect, 1, FFocusOnKeyUp);
}

Integer TtsBaseGrid::CalcNewTopRowVK_Next(Integer Target) {
  Integer from = FCurDisplayRow < GetFixedRows() ? GetFixedRows() : FCurDisplayRow;
  Integer distance = Target - from;
  Integer page = GetVisibleRowCount();
  Integer candidate = std::min(GetTopRow() + (distance > page ? distance : page), GetRowCount() - 1);
  Integer client = GetClientHeight();
  Integer sum = GetRowHeights(candidate) + FFixedHeight;
  Integer row = candidate + 1;
  while (row < GetRowCount() && sum + GetRowHeights(row) <= client) sum += GetRowHeights(row++);
  if (row < GetRowCount()) return candidate;
  // The last row is in view: the top that shows it at the bottom of a full view.
  Integer top = candidate;
  while (top > 1 && top > GetFixedRows() && sum + GetRowHeights(top - 1) <= client) sum += GetRowHeights(--top);
  return top;
}

// ---- Ctrl moves to the ends ----------------------------------------------------------------------------------
void TtsBaseGrid::KeyCtrl_Home() {
  bool rowSelect = FGridStatus == grRowSelect;
  Integer col = LeftMostCol(CanSkipReadOnly(), false);
  Integer row = TopMostRow(CanSkipReadOnly(), rowSelect);
  CtrlMove(col, row, vpBoth, ctlBoth, col < FCurDisplayCol || row < FCurDisplayRow, rowSelect);
}

void TtsBaseGrid::KeyCtrl_End() {
  bool rowSelect = FGridStatus == grRowSelect;
  Integer col = RightMostCol(CanSkipReadOnly(), false);
  Integer row = BottomMostRow(CanSkipReadOnly(), rowSelect);
  CtrlMove(col, row, vpNone, ctlBoth, col > FCurDisplayCol || row > FCurDisplayRow, rowSelect);
}

void TtsBaseGrid::KeyCtrl_Left() {
  Integer col = LeftMostCol(CanSkipReadOnly(), false);
  CtrlMove(col, FCurDisplayRow, vpRight, FGridMode == gmListBox ? ctlLeft : ctlBoth, col < FCurDisplayCol, false);
}

void TtsBaseGrid::KeyCtrl_Right() {
  Integer col = RightMostCol(CanSkipReadOnly(), false);
  CtrlMove(col, FCurDisplayRow, vpNone, FGridMode == gmListBox ? ctlLeft : ctlBoth, col > FCurDisplayCol, false);
}

void TtsBaseGrid::KeyCtrl_Up() {
  bool rowSelect = FGridStatus == grRowSelect;
  Integer row = TopMostRow(CanSkipReadOnly(), rowSelect);
  CtrlMove(FCurDisplayCol, row, vpBottom, rowSelect ? ctlTop : ctlBoth, row < FCurDisplayRow, rowSelect);
}

void TtsBaseGrid::KeyCtrl_Down() {
  bool rowSelect = FGridStatus == grRowSelect;
  Integer row = BottomMostRow(CanSkipReadOnly(), rowSelect);
  CtrlMove(FCurDisplayCol, row, vpNone, rowSelect ? ctlTop : ctlBoth, row > FCurDisplayRow, rowSelect);
}

void TtsBaseGrid::CtrlMove(Integer Col, Integer Row, TtsViewPosition Position, TtsChangeTopLeft Change, bool Moves,
                           bool RowSelect) {
  if (!Moves || (Col == FCurDisplayCol && Row == FCurDisplayRow)) {
    // The key brings the current cell back into view.
    PutInView(FCurDisplayCol, FCurDisplayRow, Position, true, true, Change);
    Update();
    return;
  }
  if (!CheckEndEdit(GetDataCol(Col), GetDataRow(Row), false)) return;
  Integer oldTop = GetTopRow();
  bool oldRowFixed = FCurDisplayRow < GetFixedRows();
  if (RowSelect) {
    InvertSelectedRows(1, MaxVisibleRow(), false);
    NewRowSelection(Row, Row);
  }
  PutInView(Col, Row, Position, true, true, Change);
  if (RowSelect && (GetTopRow() == oldTop || oldRowFixed)) InvertSelectedRows(Row, Row, true);
  CheckRowColChanged();
  Update();
}

}  // namespace TSGrid
