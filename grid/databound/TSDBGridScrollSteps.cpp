// The scroll primitives of the data-bound grid's keys and dataset notices. With standard scrolling
// they only check that the move can be made: the dataset moves and its notice scrolls the view. With
// the scroll strategy they move the strategy themselves. Each answers how far the current row moved
// and hands back the new top row, the new current data row and, where asked, the rows the view must
// scroll; RepaintAllRows means more rows than any view holds (the caller repaints everything).
#include "TSDBGridDataLink.h"
#include "TSDBGridDisplayImpl.h"

namespace TSDBGrid {

Integer TtsCustomDBGrid::ScrollLineUp(Integer Count, Integer& TopRow, Integer& NewRow, Integer& ScrollRows) {
  Integer result = 0;
  ScrollRows = 0;
  NewRow = FCurDataRow;
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) {
    String prior;
    if (FDataLink->Active() && !GetDataset()->Bof() && FGridData->PrevBookmark(FCurrentBookmark, prior))
      ScrollRows = result = Count;
  } else {
    SetActiveRecord(FCurDataRow);
    Integer beyond = 0;
    Integer moved = FGridData->MoveActive(-Count, beyond);
    UpdateRowCount(true);
    if (moved != 0) {
      NewRow = std::max(1, FCurDataRow + moved - beyond);
      result = std::abs(moved);
      // The current row first moves up inside the view; only the rest scrolls.
      ScrollRows = std::max(0, result + GetTopRow() - FCurDataRow);
      if (NewRow < GetTopRow()) TopRow = std::max(NewRow, GetFixedRows());
    }
  }
  if (ScrollRows == 0) UpdateScrollPos();
  return result;
}

Integer TtsCustomDBGrid::ScrollLineDown(Integer Count, Integer& TopRow, Integer& NewRow, Integer& ScrollRows) {
  Integer result = 0;
  ScrollRows = 0;
  NewRow = FCurDataRow;
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) {
    String next;
    if (FDataLink->Active() && !GetDataset()->Eof() && FGridData->NextBookmark(FCurrentBookmark, next))
      ScrollRows = result = Count;
  } else {
    SetActiveRecord(FCurDataRow);
    Integer beyond = 0;
    Integer moved = FGridData->MoveActive(Count, beyond);
    UpdateRowCount(true);
    if (moved != 0) {
      NewRow = FCurDataRow + moved - beyond;
      Integer view = std::max<Integer>(1, GetVisibleRowCount());
      if (NewRow > view) {
        Integer shifted = FGridData->MoveBy(NewRow - view);
        NewRow = std::min(NewRow - shifted, FGridData->GetBufferRows());
      }
      result = std::abs(moved);
      ScrollRows = std::max(0, result + FCurDataRow - GetTopRow() - view + 1);
      if (NewRow >= GetTopRow() + view) TopRow = std::max(NewRow - view + 1, GetFixedRows());
    }
  }
  if (ScrollRows == 0) UpdateScrollPos();
  return result;
}

Integer TtsCustomDBGrid::KeyPageUp(Integer Count, Integer& TopRow, Integer& NewRow) {
  NewRow = FCurDataRow;
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) return FDataActive && !GetDataset()->Bof() ? Count : 0;
  // The rows above the view's top are passed first.
  Integer above = GetTopRow() - GetFixedRows();
  Count -= above;
  NewRow = FCurDataRow - above;
  if (Count <= 0) return 0;
  Integer moved = std::abs(FGridData->MoveBy(-Count));
  if (moved < Count) {
    SetActiveRecord(std::max(1, NewRow));
    Integer beyond = 0;
    Integer more = std::abs(FGridData->MoveActive(moved - Count, beyond));
    NewRow -= more;
    moved += more;
  }
  NewRow = std::max(1, NewRow);
  return moved == 0 ? 0 : moved + above;
}

Integer TtsCustomDBGrid::KeyPageDown(Integer Count, Integer& TopRow, Integer& NewRow) {
  NewRow = FCurDataRow;
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) return FDataActive && !GetDataset()->Eof() ? Count : 0;
  if (Count <= 0) return 0;
  Integer moved = std::abs(FGridData->MoveBy(Count));
  if (moved < Count) {
    SetActiveRecord(FCurDataRow);
    Integer beyond = 0;
    Integer more = std::abs(FGridData->MoveActive(Count - moved, beyond));
    NewRow = std::min(FCurDataRow + more, FGridData->GetBufferRows());
    moved += more;
  }
  return moved;
}

Integer TtsCustomDBGrid::KeyHomeUp(Integer& TopRow, bool& MovedFirst, Integer& NewRow) {
  NewRow = 1;
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) {
    if (!GetDataset()->Bof()) return RepaintAllRows;
  } else if (!FGridData->GetAtStart()) {
    FGridData->MoveFirst();
    UpdateRowCount(false);
    MovedFirst = true;
    return RepaintAllRows;
  }
  return std::abs(1 - FCurDataRow);
}

Integer TtsCustomDBGrid::KeyEndDown(Integer& TopRow, bool& MovedLast, Integer& NewRow) {
  TopRow = GetTopRow();
  if (GetUseStandardScrolling()) {
    NewRow = GetGridRowCount();
    return GetDataset()->Eof() ? 0 : RepaintAllRows;
  }
  NewRow = FGridData->GetBufferRows();
  if (FGridData->GetAtEnd()) return std::abs(NewRow - FCurDataRow);
  FGridData->MoveLast();
  UpdateRowCount(false);
  MovedLast = true;
  return RepaintAllRows;
}

Integer TtsCustomDBGrid::ScrollMoveUp(Integer Count) {
  Integer fixed = GetFixedRows();
  Integer moved = FGridData->MoveBy(-std::max(0, Count + fixed - GetTopRow()));
  UpdateRowCount(true);
  if (moved != 0)
    AdjustTopLeft(GetLeftCol(), fixed, false);
  else if (GetTopRow() > fixed)
    AdjustTopLeft(GetLeftCol(), std::max(fixed, GetTopRow() - Count), true);
  return moved;
}

Integer TtsCustomDBGrid::ScrollMoveDown(Integer Count) {
  Integer moved = FGridData->MoveBy(Count);
  UpdateRowCount(true);
  if (moved < Count && FGridData->GetAtEnd()) AdjustTopLeft(GetLeftCol(), Count + GetTopRow() - moved, Count == 1);
  return moved;
}

}  // namespace TSDBGrid
