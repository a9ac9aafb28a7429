// Automatic scrolling while a selection or a move is dragged beyond the data area: a loop inside one
// mouse-move message scrolls one column or row per step, paced by ScrollSpeed, and extends the
// selection or the move target by what comes into view. It takes no message from the queue: it
// ends as soon as the pointer moves, a mouse message or Escape waits, or the view cannot scroll on.
#include "TSGridImpl.h"
#include "WinCursor.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {
constexpr Integer Horizontal = 0, Vertical = 1, Diagonal = 2;

TPoint CursorPos() {
  POINT p;
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}
}  // namespace

// ---- The loop's pacing ----------------------------------------------------------------------------------
bool TtsBaseGrid::AutoScrollGoesOn(const TPoint& Start, TPoint& Current, Integer Axis, Integer ComparedAxis) {
  Current = CursorPos();
  if (ComparedAxis != Vertical && Current.x != Start.x) return false;
  if (ComparedAxis != Horizontal && Current.y != Start.y) return false;
  MSG msg;
  if (PeekMessage(&msg, GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE) || CheckEscape()) return false;
  return ScrollDelay(Current.x, Current.y, Axis);
}

// ---- Which loop ------------------------------------------------------------------------------------------
void TtsBaseGrid::MoveView(TtsMoveDirection Direction, Integer& DisplayCol, Integer& DisplayRow) {
  TPoint p = CursorPos();
  switch (Direction) {
    case mdLeft: MoveViewLeft(p, p); break;
    case mdRight: MoveViewRight(p, p); break;
    case mdDown: MoveViewDown(p, p, DisplayRow); break;
    case mdUp: MoveViewUp(p, p, DisplayRow); break;
  }
  TPoint at = ScreenToClient(CursorPos());
  CellFromXY(at.x, at.y, DisplayCol, DisplayRow);
}

bool TtsBaseGrid::ColsContinueRight() { return GetLeftCol() + GetVisibleColCount() < GetColCount(); }
bool TtsBaseGrid::RowsContinueBelow() { return GetTopRow() + GetVisibleRowCount() < GetRowCount(); }

void TtsBaseGrid::MoveViewLeft(const TPoint& ScreenPos, const TPoint& MousePos) {
  TPoint at = ScreenToClient(ScreenPos);
  if (FMouseStatus == msColMove) {
    if (ColsContinueRight() || FMoveTargetPos != GetColCount() - 1) RightColMoving(ScreenPos, MousePos);
  } else if (FGridStatus == grColSelect) {
    RightColSelecting(ScreenPos, MousePos);
  } else if (FGridStatus == grCellSelect) {
    Integer heading = GetHeadingOn() ? GetRowHeights(0) : 0;
    if (at.y >= GetClientHeight())
      RightDownRangeSelecting(ScreenPos, MousePos);
    else if (at.y > heading)
      RightRangeSelecting(ScreenPos, MousePos);
    else
      RightUpRangeSelecting(ScreenPos, MousePos);
  }
}

void TtsBaseGrid::MoveViewRight(const TPoint& ScreenPos, const TPoint& MousePos) {
  TPoint at = ScreenToClient(ScreenPos);
  if (FMouseStatus == msColMove) {
    LeftColMoving(ScreenPos, MousePos);
  } else if (FGridStatus == grColSelect) {
    LeftColSelecting(ScreenPos, MousePos);
  } else if (FGridStatus == grCellSelect) {
    if (at.y >= GetClientHeight())
      LeftDownRangeSelecting(ScreenPos, MousePos);
    else if (at.y > FFixedHeight)
      LeftRangeSelecting(ScreenPos, MousePos);
    else
      LeftUpRangeSelecting(ScreenPos, MousePos);
  }
}

void TtsBaseGrid::MoveViewDown(const TPoint& ScreenPos, const TPoint& MousePos, Integer Row) {
  TPoint at = ScreenToClient(ScreenPos);
  if (FMouseStatus == msRowMove) {
    UpRowMoving(ScreenPos, MousePos);
  } else if (FGridStatus == grRowSelect || FMouseStatus == msRowSelect) {
    UpRowSelecting(ScreenPos, MousePos, Row);
  } else if (FGridStatus == grCellSelect) {
    if (at.x >= GetClientWidth())
      RightUpRangeSelecting(ScreenPos, MousePos);
    else if (at.x > FFixedWidth)
      UpRangeSelecting(ScreenPos, MousePos);
    else
      LeftUpRangeSelecting(ScreenPos, MousePos);
  }
}

void TtsBaseGrid::MoveViewUp(const TPoint& ScreenPos, const TPoint& MousePos, Integer Row) {
  TPoint at = ScreenToClient(ScreenPos);
  if (FMouseStatus == msRowMove) {
    if (RowsContinueBelow() || FMoveTargetPos != GetGridRowCount()) DownRowMoving(ScreenPos, MousePos);
  } else if (FGridStatus == grRowSelect || FMouseStatus == msRowSelect) {
    DownRowSelecting(ScreenPos, MousePos, Row);
  } else if (FGridStatus == grCellSelect) {
    Integer rowBar = GetRowBarOn() ? GetColWidths(0) : 0;
    if (at.x >= GetClientWidth())
      RightDownRangeSelecting(ScreenPos, MousePos);
    else if (at.x > rowBar)
      DownRangeSelecting(ScreenPos, MousePos);
    else
      LeftDownRangeSelecting(ScreenPos, MousePos);
  }
}

// ---- Cell ranges ------------------------------------------------------------------------------------------
Integer TtsBaseGrid::RangePointerRow(const TPoint& Screen) {
  TPoint at = ScreenToClient(Screen);
  Integer last = GetRowCount() - 1;
  TRect cell;
  CellRect(0, last, cell);
  if (!RowsContinueBelow() && !IsRectEmpty(&cell) && at.y >= cell.bottom) return last;
  Integer col, row;
  CellFromXY((GetRowBarOn() ? GetColWidths(0) : 0) / 2, at.y, col, row);
  return row;
}

Integer TtsBaseGrid::RangePointerCol(const TPoint& Screen) {
  TPoint at = ScreenToClient(Screen);
  Integer last = GetColCount() - 1;
  TRect cell;
  CellRect(last, 0, cell);
  if (!ColsContinueRight() && !IsRectEmpty(&cell) && at.x >= cell.right) return last;
  Integer col, row;
  CellFromXY(at.x, (GetHeadingOn() ? GetRowHeights(0) : 0) / 2, col, row);
  return col;
}

void TtsBaseGrid::RangeToPointer(const TPoint& Screen) {
  TPoint at = ScreenToClient(Screen);
  Integer col, row;
  ColRowFromXY(at.x, at.y, col, row);
  ChangeCellSelection(col, row);
}

// One range loop: the view scrolls left (Horz < 0), right (> 0) or not, and up (Vert < 0), down
// (> 0) or not; the range's moving corner goes to the column and row that come into view next,
// and along an axis that does not scroll to the pointer's. When the view cannot scroll on, the
// corner goes to the cell under the pointer (except for the plain leftward loop).
void TtsBaseGrid::RangeLoop(const TPoint& MousePos, Integer Horz, Integer Vert, bool ComparesYOnly) {
  const Integer lastCol = GetColCount() - 1, lastRow = GetRowCount() - 1;
  auto canScrollH = [&] {
    return Horz < 0 ? GetLeftCol() > GetFixedCols() : Horz > 0 && GetLeftCol() < lastCol && ColsContinueRight();
  };
  auto canScrollV = [&] {
    return Vert < 0 ? GetTopRow() > GetFixedRows() : Vert > 0 && GetTopRow() < lastRow && RowsContinueBelow();
  };
  auto colTarget = [&](bool First, const TPoint& Pointer) -> Integer {
    if (Horz == 0) return RangePointerCol(Pointer);
    if (Horz < 0) {
      if (GetLeftCol() <= GetFixedCols()) return std::max<Integer>(GetLeftCol() - 1, 1);
      return GetLeftCol() - (First ? 1 : 2);
    }
    if (First) return std::min<Integer>(lastCol, GetVisibleColCount() + GetLeftCol() + 1);
    if (!ColsContinueRight()) return lastCol;
    return std::min<Integer>(lastCol, CompVisibleCols(GetLeftCol() + 1) + GetLeftCol() + 2);
  };
  auto rowTarget = [&](bool First, const TPoint& Pointer) -> Integer {
    if (Vert == 0) return RangePointerRow(Pointer);
    if (Vert < 0) {
      if (GetTopRow() <= GetFixedRows()) return std::max<Integer>(GetTopRow() - 1, 1);
      return GetTopRow() - (First ? 1 : 2);
    }
    if (First) return std::min<Integer>(lastRow, GetVisibleRowCount() + GetTopRow() + 1);
    if (!RowsContinueBelow()) return lastRow;
    return std::min<Integer>(lastRow, CompVisibleRows(GetTopRow() + 1) + GetTopRow() + 2);
  };
  const Integer axis = Horz == 0 ? Vertical : Vert == 0 ? Horizontal : Diagonal;
  TPoint pointer = MousePos;
  ChangeCellSelection(colTarget(true, pointer), rowTarget(true, pointer));
  for (;;) {
    bool h = canScrollH(), v = canScrollV();
    if (!h && !v) {
      if (!(Horz < 0 && Vert == 0)) RangeToPointer(pointer);
      return;
    }
    if (!AutoScrollGoesOn(MousePos, pointer, axis, ComparesYOnly ? Vertical : axis)) return;
    ChangeCellSelection(colTarget(false, pointer), rowTarget(false, pointer));
    const Integer left = GetLeftCol(), top = GetTopRow();
    ScrollGrid(left + (h ? Horz : 0), top + (v ? Vert : 0), smWindow);
    Update();
    // A view that did not move (a column wider than the window) will not move by waiting.
    if (GetLeftCol() == left && GetTopRow() == top) {
      RangeToPointer(pointer);
      return;
    }
  }
}

void TtsBaseGrid::LeftRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, -1, 0); }
void TtsBaseGrid::RightRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, 1, 0); }
void TtsBaseGrid::UpRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, 0, -1); }
void TtsBaseGrid::DownRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, 0, 1); }
void TtsBaseGrid::LeftUpRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, -1, -1); }
void TtsBaseGrid::RightUpRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, 1, -1); }
void TtsBaseGrid::RightDownRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, 1, 1); }

// Compares only the height of the pointer, as it always has.
void TtsBaseGrid::LeftDownRangeSelecting(const TPoint&, const TPoint& MousePos) { RangeLoop(MousePos, -1, 1, true); }

// ---- Column selection ---------------------------------------------------------------------------------------
void TtsBaseGrid::RightColSelecting(const TPoint&, const TPoint& MousePos) {
  Integer cur = FCurDisplayCol, last = MaxVisibleCol();
  if (cur < last)
    SelectLargerCols(last);
  else if (cur > last)
    SelectSmallerCols(last + 1);
  else
    SelectCurrentCol(last);
  TPoint pointer;
  for (Integer left = -1; left != GetLeftCol() && GetLeftCol() < GetMaxLeftCol() &&
                          AutoScrollGoesOn(MousePos, pointer, Horizontal, Horizontal);) {
    left = GetLeftCol();
    Integer viewEnd = GetVisibleColCount() + GetLeftCol();
    if (cur < viewEnd) {
      AddScrollingRight();
    } else if (cur > viewEnd) {
      DeleteScrollingRight();
    } else {
      AddScrollingRight();
      InvalidateCol(cur);
    }
  }
}

void TtsBaseGrid::LeftColSelecting(const TPoint&, const TPoint& MousePos) {
  Integer cur = FCurDisplayCol;
  Integer previous = GetLeftCol();
  GetPrevCol(GetLeftCol(), false, true, previous);
  if (cur < GetLeftCol())
    SelectLargerCols(previous);
  else
    SelectSmallerCols(previous);
  TPoint pointer = MousePos;
  for (;;) {
    if (GetLeftCol() <= GetFixedCols()) {
      TPoint at = ScreenToClient(pointer);
      Integer col, row;
      ColRowFromXY(at.x, at.y, col, row);
      MoveColSelectionEnd(col);
      return;
    }
    if (LeftMostCol(false, true) >= GetLeftCol() || !AutoScrollGoesOn(MousePos, pointer, Horizontal, Horizontal)) return;
    previous = GetLeftCol();
    GetPrevCol(GetLeftCol(), false, true, previous);
    if (cur < previous) {
      DeleteScrollingLeft(previous);
    } else if (previous < cur) {
      AddScrollingLeft(previous);
    } else {
      ScrollGrid(previous, GetTopRow(), smWindow);
      FLastAddedDisplayCol = GetLeftCol();
      Update();
    }
  }
}

void TtsBaseGrid::AddScrollingRight() {
  if (!ColsContinueRight()) return;
  Integer end = LastVisibleCol(GetLeftCol() + 1);
  if (FLastAddedDisplayCol < end) {
    ChangeColSelection(FLastAddedDisplayCol + 1, end);
    FLastAddedDisplayCol = end;
  }
  ScrollGrid(GetLeftCol() + 1, GetTopRow(), smWindow);
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::DeleteScrollingRight() {
  Integer end = CompVisibleCols(GetLeftCol() + 1) + GetLeftCol() + 1;
  if (FCurDisplayCol < end)
    SelectLargerCols(end);
  else if (end < FCurDisplayCol)
    SelectSmallerCols(end + 1);
  else
    SelectCurrentCol(end);
  ScrollGrid(GetLeftCol() + 1, GetTopRow(), smWindow);
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::AddScrollingLeft(Integer NewLeftCol) {
  if (NewLeftCol < FLastAddedDisplayCol) {
    ChangeColSelection(NewLeftCol, FLastAddedDisplayCol - 1);
    FLastAddedDisplayCol = NewLeftCol;
  }
  ScrollGrid(NewLeftCol, GetTopRow(), smWindow);
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::DeleteScrollingLeft(Integer NewLeftCol) {
  ChangeColSelection(FLastAddedDisplayCol, FLastAddedDisplayCol);
  ScrollGrid(NewLeftCol, GetTopRow(), smWindow);
  Integer previous = GetLeftCol();
  GetPrevCol(GetLeftCol(), false, true, previous);
  FLastAddedDisplayCol = previous;
  Update();
  SelectionsChanged(true);
}

// ---- Row selection ---------------------------------------------------------------------------------------
void TtsBaseGrid::DownRowSelecting(const TPoint&, const TPoint& MousePos, Integer) {
  Integer cur = FCurDisplayRow, last = MaxVisibleRow();
  if (cur < last)
    SelectLargerRows(last);
  else if (cur > last)
    SelectSmallerRows(last + 1);
  else
    SelectCurrentRow(last);
  TPoint pointer;
  for (Integer top = -1; top != GetTopRow() && GetTopRow() < GetMaxTopRow() &&
                         AutoScrollGoesOn(MousePos, pointer, Vertical, Vertical);) {
    top = GetTopRow();
    Integer viewEnd = GetVisibleRowCount() + GetTopRow();
    if (cur < viewEnd) {
      AddScrollingDown();
    } else if (cur > viewEnd) {
      if (FRowSelectMode == rsMulti)
        DeleteScrollingDown();
      else
        AddScrollingDown();
    } else {
      AddScrollingDown();
      InvalidateRow(cur);
    }
  }
}

void TtsBaseGrid::UpRowSelecting(const TPoint&, const TPoint& MousePos, Integer) {
  Integer cur = FCurDisplayRow;
  bool multi = FRowSelectMode == rsMulti;
  Integer previous = GetTopRow();
  GetPrevRow(GetTopRow(), false, true, previous);
  if (cur < GetTopRow())
    SelectLargerRows(previous);
  else
    SelectSmallerRows(multi ? previous : GetTopRow());
  TPoint pointer = MousePos;
  for (;;) {
    if (GetTopRow() <= GetFixedRows()) {
      TPoint at = ScreenToClient(pointer);
      Integer col, row;
      ColRowFromXY(at.x, at.y, col, row);
      MoveRowSelectionEnd(row);
      return;
    }
    if (TopMostRow(false, true) >= GetTopRow() || !AutoScrollGoesOn(MousePos, pointer, Vertical, Vertical)) return;
    previous = GetTopRow();
    GetPrevRow(GetTopRow(), false, true, previous);
    if (previous < cur) {
      if (multi)
        AddScrollingUp(previous);
      else
        DeleteScrollingUp(previous);
    } else if (previous == cur && (multi || previous == 1)) {
      ScrollGrid(GetLeftCol(), previous, multi ? smWindow : smRowSelect);
      SetLastAddedRow(GetTopRow());
      Update();
    } else {
      DeleteScrollingUp(previous);
    }
  }
}

bool TtsBaseGrid::RowFullyShown(Integer DisplayRow) {
  if (DisplayRow < GetFixedRows()) return true;
  return DisplayRow >= GetTopRow() && DisplayRow < GetTopRow() + GetVisibleRowCount();
}

void TtsBaseGrid::AddScrollingDown() {
  if (FGridMode == gmEditInsert ? RowFullyShown(GetRowCount() - 1) : RowFullyShown(BottomMostRow(false, true)))
    return;
  if (FRowSelectMode != rsSingle) {
    Integer end = LastVisibleRow(GetTopRow() + 1);
    if (IsInsertRow(end)) --end;
    if (FLastAddedDisplayRow < end) {
      ChangeRowSelection(FLastAddedDisplayRow + 1, end);
      SetLastAddedRow(end);
    }
    ScrollGrid(GetLeftCol(), GetTopRow() + 1, smWindow);
  } else {
    Integer lastRow;
    if (!GetPrevRow(GetGridRowCount() + 1, false, true, lastRow)) return;
    Integer next = MaxVisibleRow() + 1;
    if (IsInsertRow(next)) --next;
    if (lastRow >= next) {
      next = std::min(MaxVisibleRow() + 1, lastRow);
      Integer old = FLastAddedDisplayRow;
      DeleteRowSelection(old, old);
      if (SelectsUnderPointer()) AddRowSelection(next, next);
      SetLastAddedRow(next);
      SetCurrentPosition(FCurDisplayCol, next, true, true);
    }
    if (!(lastRow < next && GetTopRow() >= GetMaxTopRow())) ScrollGrid(GetLeftCol(), GetTopRow() + 1, smRowSelect);
    CheckRowColChanged();
  }
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::DeleteScrollingDown() {
  Integer end = CompVisibleRows(GetTopRow() + 1) + GetTopRow() + 1;
  if (FCurDisplayRow < end)
    SelectLargerRows(end);
  else if (end < FCurDisplayRow)
    SelectSmallerRows(end + 1);
  else
    SelectCurrentRow(end);
  ScrollGrid(GetLeftCol(), GetTopRow() + 1, smWindow);
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::AddScrollingUp(Integer NewTopRow) {
  if (NewTopRow < FLastAddedDisplayRow) {
    ChangeRowSelection(NewTopRow, FLastAddedDisplayRow - 1);
    SetLastAddedRow(NewTopRow);
  }
  ScrollGrid(GetLeftCol(), NewTopRow, smWindow);
  Update();
  SelectionsChanged(true);
}

void TtsBaseGrid::DeleteScrollingUp(Integer NewTopRow) {
  Integer last = FLastAddedDisplayRow;
  if (FRowSelectMode != rsSingle) {
    ChangeRowSelection(last, last);
    ScrollGrid(GetLeftCol(), NewTopRow, smWindow);
    Integer previous = GetTopRow();
    GetPrevRow(GetTopRow(), false, true, previous);
    SetLastAddedRow(previous);
  } else {
    Integer row = std::max<Integer>(NewTopRow, 1);
    DeleteRowSelection(last, last);
    if (SelectsUnderPointer()) AddRowSelection(row, row);
    SetLastAddedRow(row);
    SetCurrentPosition(FCurDisplayCol, row, true, true);
    ScrollGrid(GetLeftCol(), NewTopRow, smRowSelect);
    CheckRowColChanged();
  }
  Update();
  SelectionsChanged(true);
}

// ---- Moving columns and rows -------------------------------------------------------------------------------
void TtsBaseGrid::LeftColMoving(const TPoint&, const TPoint& MousePos) {
  if (FMoveTargetPos >= GetLeftCol() && FMoveTargetPos <= MaxVisibleCol() && FColMoveBarShown) DrawColMove();
  TPoint pointer;
  while (AutoScrollGoesOn(MousePos, pointer, Horizontal, Horizontal)) {
    if (GetLeftCol() <= GetFixedCols()) {
      if (FMoveTargetPos != GetLeftCol()) ChangeColMovePos(GetLeftCol());
      return;
    }
    ScrollGrid(GetLeftCol() - 1, GetTopRow(), smWindow);
    Update();
    if (GetLeftCol() > GetFixedCols()) {
      FMoveTargetPos = GetLeftCol() - 1;
    } else {
      FMoveTargetPos = GetLeftCol();
      if (!FColMoveBarShown) DrawColMove();
    }
  }
}

void TtsBaseGrid::RightColMoving(const TPoint&, const TPoint& MousePos) {
  Integer last = RightMostCol(false, false);
  if (FMoveTargetPos >= GetLeftCol() && FMoveTargetPos <= MaxVisibleCol()) {
    if (FColMoveBarShown) DrawColMove();
    FMoveTargetPos = std::min(GetVisibleColCount() + GetLeftCol() + 1, last);
  }
  TPoint pointer;
  bool atEnd = !ColsContinueRight();
  while (!atEnd && AutoScrollGoesOn(MousePos, pointer, Horizontal, Horizontal)) {
    const Integer left = GetLeftCol();
    ScrollGrid(left + 1, GetTopRow(), smWindow);
    if (GetLeftCol() == left) break;
    FColMoveBarAtEnd = false;
    FMoveTargetPos = std::min(GetVisibleColCount() + GetLeftCol() + 1, last);
    Update();
    atEnd = !ColsContinueRight();
  }
  // At the end of the columns the bar stands after the last one.
  if (atEnd && !FColMoveBarAtEnd) {
    FMoveTargetPos = last;
    if (!FColMoveBarShown) DrawColMove();
    FColMoveBarAtEnd = FColMoveBarShown;
  }
}

void TtsBaseGrid::UpRowMoving(const TPoint&, const TPoint& MousePos) {
  if (FMoveTargetPos >= GetTopRow() && FMoveTargetPos <= MaxVisibleRow() && FRowMoveBarShown) DrawRowMove();
  TPoint pointer;
  while (AutoScrollGoesOn(MousePos, pointer, Vertical, Vertical)) {
    if (GetTopRow() <= GetFixedRows()) {
      if (FMoveTargetPos != GetTopRow()) ChangeRowMovePos(GetTopRow());
      return;
    }
    ScrollGrid(GetLeftCol(), GetTopRow() - 1, smWindow);
    Update();
    if (GetTopRow() > GetFixedRows()) {
      FMoveTargetPos = GetTopRow() - 1;
    } else {
      FMoveTargetPos = GetTopRow();
      if (!FRowMoveBarShown) DrawRowMove();
    }
  }
}

void TtsBaseGrid::DownRowMoving(const TPoint&, const TPoint& MousePos) {
  Integer last = GetGridRowCount();
  GetPrevRow(GetGridRowCount() + 1, false, false, last);
  if (FMoveTargetPos >= GetTopRow() && FMoveTargetPos <= MaxVisibleRow()) {
    if (FRowMoveBarShown) DrawRowMove();
    FMoveTargetPos = std::min(GetVisibleRowCount() + GetTopRow() + 1, last);
  }
  TPoint pointer;
  bool atEnd = !RowsContinueBelow();
  while (!atEnd && AutoScrollGoesOn(MousePos, pointer, Vertical, Vertical)) {
    const Integer top = GetTopRow();
    ScrollGrid(GetLeftCol(), top + 1, smWindow);
    if (GetTopRow() == top) break;
    FRowMoveBarAtEnd = false;
    FMoveTargetPos = std::min(GetVisibleRowCount() + GetTopRow() + 1, last);
    Update();
    atEnd = !RowsContinueBelow();
  }
  if (atEnd && !FRowMoveBarAtEnd) {
    FMoveTargetPos = last;
    if (!FRowMoveBarShown) DrawRowMove();
    FRowMoveBarAtEnd = FRowMoveBarShown;
  }
}

}  // namespace TSGrid
