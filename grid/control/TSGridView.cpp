// Bringing a cell into view: the left column and top row that show a column at the right edge or a
// row at the bottom, or that scroll just far enough for a cell one step beyond the view, and the
// move of the view (and, when asked, of the current cell) onto a cell.
#include "TSGridColumns.h"
#include "TSGridImpl.h"

namespace TSGrid {

namespace {

// One axis of the grid's view: columns (left to right) or rows (top to bottom).
struct TViewAxis {
  TtsBaseGrid* Grid;
  bool Rows;

  Integer Extent(Integer Index) const { return Rows ? Grid->GetRowHeights(Index) : Grid->GetColWidths(Index); }
  Integer Line() const { return Rows ? Grid->GetHorzLineWidth() : Grid->GetVertLineWidth(); }
  // The extent with the grid line after it (a zero extent has none).
  Integer Step(Integer Index) const {
    Integer extent = Extent(Index);
    return extent > 0 ? extent + Line() : 0;
  }
  Integer Client() const { return Rows ? Grid->GetClientHeight() : Grid->GetClientWidth(); }
  Integer Fixed() const { return Rows ? Grid->GetFixedHeight() : Grid->GetFixedWidth(); }
  Integer FixedCount() const { return Rows ? Grid->GetFixedRows() : Grid->GetFixedCols(); }
  Integer Count() const { return Rows ? Grid->GetRowCount() : Grid->GetColCount(); }
  Integer First() const { return Rows ? Grid->GetTopRow() : Grid->GetLeftCol(); }
  Integer FullyVisible() const { return Rows ? Grid->GetVisibleRowCount() : Grid->GetVisibleColCount(); }
  Integer Offset(Integer Index) const { return Rows ? Grid->CalcRowOffset(Index) : Grid->CalcColOffset(Index); }
  bool Shown(Integer Index) const {
    return Rows ? Grid->IsRowVisible(Grid->GetDataRow(Index)) : Grid->GetCols()->GetItem(Grid->GetDataCol(Index))->GetVisible();
  }
  bool NextShown(Integer Index, Integer& Result) const {
    return Rows ? Grid->GetNextRow(Index, false, false, Result) : Grid->GetNextCol(Index, false, false, Result);
  }

  // The first position that shows Index as the last one: First is lowered by the positions before
  // Index that still fit with it, never into the fixed part.
  Integer ToLastPlace(Integer Index) const {
    Integer first = Index;
    Integer used = Fixed() + Step(Index);
    for (Integer before = Index - 1; before >= FixedCount(); --before) {
      if (Client() < used + Step(before) - Line()) break;
      used += Step(before);
      --first;
    }
    return first;
  }

  // The first position after the least scrolling that shows Index fully (Index beyond the view).
  Integer ScrollToShow(Integer Index) const {
    Integer first = First();
    Integer lastFull = first + FullyVisible() - 1;
    if (Index <= lastFull) return first;
    Integer excess = 0;
    for (Integer i = lastFull + 1; i <= Index; ++i) excess += Step(i);
    // Part of the next position may be on screen already.
    Integer next = lastFull + 1;
    Integer offset = next < Count() ? Offset(next) : -1;
    if (offset >= 0) excess -= std::max(0, Client() - offset);
    while (excess > 0 && first < Index) excess -= Step(first++);
    return first;
  }

  // A hidden first position gives way to the next shown one (Fallback when none is left).
  Integer Shown(Integer First, Integer Fallback) const {
    if (First <= 0 || First >= Count() || Shown(First)) return First;
    Integer next;
    return NextShown(First, next) ? next : Fallback;
  }
};

}  // namespace

Integer TtsBaseGrid::MoveToDisplayCol(Integer LeftCol, Integer DisplayCol, TtsViewPosition Position) {
  if (DisplayCol < LeftCol) {
    Integer left = DisplayCol < GetFixedCols() ? GetFixedCols() : DisplayCol;
    if (Position == vpRight || Position == vpBoth) MoveColToRight(DisplayCol, left);
    return left;
  }
  if (DisplayCol >= MaxVisibleCol()) {
    Integer left = DisplayCol;
    MoveColToRight(DisplayCol, left);
    return left;
  }
  return LeftCol;
}

void TtsBaseGrid::MoveColToRight(Integer DisplayCol, Integer& LeftCol) {
  if (!HandleAllocated()) return;
  TViewAxis axis{this, false};
  LeftCol -= DisplayCol - axis.ToLastPlace(DisplayCol);
  LeftCol = axis.Shown(LeftCol, DisplayCol);
}

void TtsBaseGrid::MoveRowToBottom(Integer DisplayRow, Integer& TopRow) {
  if (!HandleAllocated()) return;
  TViewAxis axis{this, true};
  Integer first = axis.ToLastPlace(DisplayRow);
  TopRow -= DisplayRow - first;
  // The last data row at the bottom leaves the insertion row half out of view: one row further.
  Integer insertion = GetRowCount() - 1;
  if (DisplayRow == insertion - 1 && TopRow < DisplayRow && FGridMode == gmEditInsert && FInsertionRow == 1) {
    Integer used = FFixedHeight;
    for (Integer r = TopRow; r <= DisplayRow; ++r) used += axis.Step(r);
    if (used <= GetClientHeight() && used + GetRowHeights(insertion) > GetClientHeight()) ++TopRow;
  }
  TopRow = axis.Shown(TopRow, TopRow);
}

void TtsBaseGrid::MoveRowIntoView(Integer DisplayRow, Integer& TopRow) {
  TopRow = GetTopRow();
  if (!HandleAllocated()) return;
  TViewAxis axis{this, true};
  Integer top = axis.ScrollToShow(DisplayRow);
  TopRow = axis.Shown(top, top);
  if (DisplayRow >= GetFixedRows() && DisplayRow < GetTopRow()) TopRow = DisplayRow;
}

Integer TtsBaseGrid::ScrollColIntoView(Integer DisplayCol) {
  if (!HandleAllocated()) return GetLeftCol();
  return TViewAxis{this, false}.ScrollToShow(DisplayCol);
}

void TtsBaseGrid::PutInView(Integer DisplayCol, Integer DisplayRow, TtsViewPosition Position, bool RedrawOldRowBar,
                            bool MakeCurrent, TtsChangeTopLeft Change) {
  CheckHideControl(true);
  Integer left = MoveToDisplayCol(GetLeftCol(), DisplayCol, Position);
  Integer top = GetTopRow();
  if (DisplayRow < GetTopRow()) {
    top = DisplayRow < GetFixedRows() ? GetFixedRows() : DisplayRow;
    if (Position == vpBottom || Position == vpBoth) MoveRowToBottom(DisplayRow, top);
  } else if (DisplayRow >= MaxVisibleRow()) {
    top = DisplayRow;
    MoveRowToBottom(DisplayRow, top);
  }
  if (MakeCurrent) {
    Integer oldRow = FCurDisplayRow;
    if (DisplayCol != FCurDisplayCol || DisplayRow != FCurDisplayRow) ClearCurrentFocusRect(false);
    if (DisplayRow == oldRow) {
      SetCurrentPosition(DisplayCol, DisplayRow, true, true);
    } else if (top == GetTopRow()) {
      ClearCurrent(oldRow);
      SetCurrentPositionAndDraw(DisplayCol, DisplayRow, true, true);
    } else {
      SetCurrentPosition(DisplayCol, DisplayRow, true, true);
      if (RedrawOldRowBar) InvalidateCell(0, oldRow);
    }
  }
  SetControlSelectMode(tsAll);
  bool newLeft = left != GetLeftCol(), newTop = top != GetTopRow();
  if (Change == ctlBoth && newLeft && newTop) {
    TPaintSuspension suspension(this);
    MoveTopLeft(left, top);
  } else if ((Change == ctlLeft || Change == ctlBoth) && newLeft) {
    SetLeftCol(left);
  } else if ((Change == ctlTop || Change == ctlBoth) && newTop) {
    ScrollGrid(GetLeftCol(), top, smGridControl);
  }
  ShowGridControl();
  DrawCurrentFocusRect(false);
}

void TtsBaseGrid::PutCellInView(Integer DataCol, Integer DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetGridRowCount(), 1)) return;
  PutInView(GetDisplayCol(DataCol), GetDisplayRow(DataRow), vpNone, true, false, ctlBoth);
}

}  // namespace TSGrid
