// The display order over the data order: moving one column or row in the display order with its
// width, visible-list entry and selection mark; taking a data column or row out of every structure
// (overrides, font followers, selections, maps) ahead of a count reduction, and the deletions built
// on it.
#include "TSGridImpl.h"

namespace TSGrid {

// ---- Moving one column or row in the display order -----------------------------------------------
void TtsBaseGrid::ChangeDisplayCol(Integer From, Integer To) {
  Integer moved = GetDataCol(From);
  if (To < From) {
    for (Integer p = From - 1; p >= To; --p) {
      Integer dataCol = GetDataCol(p);
      ++FCols->GetItem(dataCol)->FDisplayCol;
      FDisplayColMap[static_cast<size_t>(p + 1)] = dataCol;
    }
  } else {
    for (Integer p = From + 1; p <= To; ++p) {
      Integer dataCol = GetDataCol(p);
      --FCols->GetItem(dataCol)->FDisplayCol;
      FDisplayColMap[static_cast<size_t>(p - 1)] = dataCol;
    }
  }
  FCols->GetItem(moved)->FDisplayCol = To;
  FDisplayColMap[static_cast<size_t>(To)] = moved;
}

void TtsBaseGrid::ChangeDisplayRow(Integer From, Integer To) {
  FRows->CreateDisplayRowNumber();
  Integer moved = GetDataRow(From);
  Integer step = To < From ? -1 : 1;
  for (Integer p = From + step; p != To + step; p += step) {
    Integer dataRow = GetDataRow(p);
    FRows->SetDisplayRowNumber(dataRow, p - step);
    FDisplayRowMap[static_cast<size_t>(p - step)] = dataRow;
  }
  FRows->SetDisplayRowNumber(moved, To);
  FDisplayRowMap[static_cast<size_t>(To)] = moved;
}

void TtsBaseGrid::MoveVisibleCol(Integer From, Integer To) {
  if (FVisibleColItems->GetMaterialised()) FVisibleColItems->MoveItem(From, To);
}

void TtsBaseGrid::MoveVisibleRow(Integer From, Integer To) {
  if (FVisibleRowItems->GetMaterialised()) FVisibleRowItems->MoveItem(From, To);
}

void TtsBaseGrid::ChangeColWidths(Integer From, Integer To) {
  TPaintSuspension suspension(this);
  Integer width = GetColWidths(From);
  Integer step = To < From ? -1 : 1;
  for (Integer p = From; p != To; p += step) CopyColWidth(p, GetColWidths(p + step));
  CopyColWidth(To, width);
}

void TtsBaseGrid::ChangeRowHeights(Integer From, Integer To) {
  Integer height = GetRowHeights(From);
  Integer step = To < From ? -1 : 1;
  for (Integer p = From; p != To; p += step) CopyRowHeight(p, GetRowHeights(p + step));
  CopyRowHeight(To, height);
}

namespace {
// Rotates the bits of From..To by one place: From's bit goes to To, the others one step toward From.
void RotateSelection(TtsSelection* Selection, Integer From, Integer To) {
  bool moved = Selection->GetSelected(From);
  Integer step = To < From ? -1 : 1;
  for (Integer p = From; p != To; p += step) Selection->SetSelected(p, Selection->GetSelected(p + step));
  Selection->SetSelected(To, moved);
}

// Where the current position lands after display position From moved to To.
Integer MovedPosition(Integer Current, Integer From, Integer To) {
  if (Current == From) return To;
  if (To < From && Current >= To && Current < From) return Current + 1;
  if (From < To && Current > From && Current <= To) return Current - 1;
  return Current;
}
}  // namespace

void TtsBaseGrid::ChangeSelectedCols(Integer From, Integer To) {
  if (NumberOfColsSelected(From, To) == 0) return;
  RotateSelection(FColSelection, From, To);
}

void TtsBaseGrid::ChangeSelectedRows(Integer From, Integer To) {
  if (NumberOfRowsSelected(From, To) == 0) return;
  RotateSelection(FRowSelection, From, To);
}

namespace {
// The current cell follows its column or row to (Col, Row).
void FollowCurrent(TtsBaseGrid* Grid, Integer Col, Integer Row) {
  if (Col == Grid->GetCurDisplayCol() && Row == Grid->GetCurDisplayRow()) return;
  Grid->ClearCurrentFocusRect(false);
  Grid->SetCurrentPosition(Col, Row, true, true);
  Grid->DrawCurrentFocusRect(false);
  Grid->CheckRowColChanged();
}
}  // namespace

void TtsBaseGrid::ChangeCurrentColPosition(Integer From, Integer To) {
  FollowCurrent(this, MovedPosition(FCurDisplayCol, From, To), FCurDisplayRow);
}

void TtsBaseGrid::ChangeCurrentRowPosition(Integer From, Integer To) {
  FollowCurrent(this, FCurDisplayCol, MovedPosition(FCurDisplayRow, From, To));
}

Integer TtsBaseGrid::NumberOfColsSelected(Integer FromDisplayCol, Integer ToDisplayCol) {
  return FColSelection->RangeCount(FromDisplayCol, ToDisplayCol);
}

Integer TtsBaseGrid::NumberOfRowsSelected(Integer FromDisplayRow, Integer ToDisplayRow) {
  return FRowSelection->RangeCount(FromDisplayRow, ToDisplayRow);
}

// ---- Overrides and font followers of a deleted column or row ----------------------------------------
namespace {
// The values of an integer set, ascending (a snapshot: the set may change while it is walked).
std::vector<Integer> SetValues(TtsIntegerSet* Set) {
  std::vector<Integer> values;
  if (!Set) return values;
  TtsSetList* list = Set->List();
  for (Integer i = 1; i <= list->GetCount(); ++i) values.push_back(*static_cast<Integer*>(list->GetItems(i)));
  list->Free();
  return values;
}

TtsIntegerSet* IndexEntry(TtsIntegerSetList* Index, Integer Entry) {
  return Entry >= 0 && Entry < Index->GetCount() ? Index->GetItem(Entry) : nullptr;
}

void FreeIndexEntry(TtsIntegerSetList* Index, Integer Entry) {
  if (TtsIntegerSet* set = IndexEntry(Index, Entry)) {
    Index->SetItem(Entry, nullptr);
    set->Free();
  }
}
}  // namespace

namespace {
// A cell of an index entry: the entry is its column in the column index, its row in the row index.
std::pair<Integer, Integer> CellOf(bool ColumnIndex, Integer Entry, Integer Other) {
  return ColumnIndex ? std::make_pair(Entry, Other) : std::make_pair(Other, Entry);
}
}  // namespace

void TtsBaseGrid::DeleteIndexedCells(bool ColumnIndex, Integer Entry) {
  TtsIntegerSetList* index = ColumnIndex ? FColCellIndex : FRowCellIndex;
  for (Integer other : SetValues(IndexEntry(index, Entry))) {
    auto [col, row] = CellOf(ColumnIndex, Entry, other);
    if (TtsCellElement* element = FCellPropSet->GetCell(col, row)) FCellPropSet->DeleteElement(element);
    FCellFontFollowers->RemoveCoord(col, row);
  }
  FreeIndexEntry(index, Entry);
  ResetLastCell();
}

// The elements are re-keyed in place: every key above the deleted number moves down by one, so
// the order of the cell set (row, then column) stays as it was.
void TtsBaseGrid::MoveIndexedCells(bool ColumnIndex, Integer Entry, Integer Last) {
  for (Integer moved = Entry + 1; moved <= Last; ++moved) RekeyIndexedCells(ColumnIndex, moved, moved - 1);
  ResetLastCell();
}

void TtsBaseGrid::RekeyIndexedCells(bool ColumnIndex, Integer From, Integer To) {
  TtsIntegerSetList* index = ColumnIndex ? FColCellIndex : FRowCellIndex;
  TtsIntegerSet* entry = IndexEntry(index, From);
  if (!entry) return;
  for (Integer other : SetValues(entry)) {
    auto [col, row] = CellOf(ColumnIndex, From, other);
    TtsCellElement* element = FCellPropSet->GetCell(col, row);
    if (!element) continue;
    DeleteFromPropList(element);
    auto [newCol, newRow] = CellOf(ColumnIndex, To, other);
    element->SetKey(newCol, newRow);
    AddToPropList(element);
  }
  FreeIndexEntry(index, From);
}

void TtsBaseGrid::DeleteColoredColCells(Integer DataCol) { DeleteIndexedCells(true, DataCol); }
void TtsBaseGrid::DeleteColoredRowCells(Integer DataRow) { DeleteIndexedCells(false, DataRow); }
void TtsBaseGrid::MoveColoredColCells(Integer DataCol, Integer LastCol) { MoveIndexedCells(true, DataCol, LastCol); }
void TtsBaseGrid::MoveColoredRowCells(Integer DataRow, Integer LastRow) { MoveIndexedCells(false, DataRow, LastRow); }

namespace {
void DeleteFollower(TtsIntegerList* List, Integer Number) {
  List->Remove(Number);
  for (Integer i = 0; i < List->GetCount(); ++i)
    if (List->GetItem(i) > Number) List->SetItem(i, List->GetItem(i) - 1);
}
}  // namespace

void TtsBaseGrid::DeleteAutoFontCol(Integer DataCol) {
  DeleteFollower(FColFontFollowers, DataCol);
  Integer index = 0, col, row;
  while (FCellFontFollowers->NextCoord(index, col, row))
    if (col > DataCol) FCellFontFollowers->UpdateCoord(index - 2, col - 1, row);
}

void TtsBaseGrid::DeleteAutoFontRow(Integer DataRow) {
  DeleteFollower(FRowFontFollowers, DataRow);
  Integer index = 0, col, row;
  while (FCellFontFollowers->NextCoord(index, col, row))
    if (row > DataRow) FCellFontFollowers->UpdateCoord(index - 2, col, row - 1);
}

// ---- Taking a column or row out ------------------------------------------------------------------------
void TtsBaseGrid::DeleteAllAtCol(Integer DataCol, Integer LastCol) {
  TtsCol* removed = FCols->GetItem(DataCol);
  Integer display = removed->GetDisplayCol();
  if (FColSelection->GetSelected(display)) DeleteColSelection(display, display);
  DeleteSelectedCellsCol(display);
  DeleteColoredColCells(DataCol);
  DeleteAutoFontCol(DataCol);
  MoveColoredColCells(DataCol, LastCol);
  MoveVisibleCol(display, LastCol);
  Integer bufferCol = FCurrentCell->GetBufferDataCol();
  if (bufferCol == DataCol)
    ClearControlBuffer();
  else if (bufferCol > DataCol)
    FCurrentCell->SetBufferCell(bufferCol - 1, FCurrentCell->GetBufferDataRow());
  for (Integer i = display + 1; i <= LastCol; ++i) {
    CopyColWidth(i - 1, GetColWidths(i));
    --FCols->GetItem(GetDataCol(i))->FDisplayCol;
    FDisplayColMap[static_cast<size_t>(i - 1)] = FDisplayColMap[static_cast<size_t>(i)];
    FColSelection->SetSelected(i - 1, FColSelection->GetSelected(i));
    FColSelection->SetSelected(i, false);
  }
  FDisplayColMap[static_cast<size_t>(LastCol)] = DataCol;
  FCols->CntMoveProperties(DataCol + 1, DataCol, LastCol - DataCol);
  for (Integer i = DataCol + 1; i <= LastCol; ++i) {
    TtsCol* col = FCols->GetItem(i - 1);
    Integer position = col->GetDisplayCol();
    --FDisplayColMap[static_cast<size_t>(position)];
    if (col->GetVisible() && GetColWidths(position) == 0)
      CopyColWidth(position, col->GetWidth());
    else if (!col->GetVisible() && GetColWidths(position) != 0)
      CopyColWidth(position, 0);
  }
  FDisplayColMap[static_cast<size_t>(LastCol)] = LastCol;
  FCols->SetItem(LastCol, removed);
  removed->FDisplayCol = LastCol;
  ++FDeletedColCount;
}

void TtsBaseGrid::DeleteAllAtRow(Integer DataRow, Integer LastRow) { DeleteAllAtRows({DataRow}, LastRow); }

void TtsBaseGrid::DeleteAllAtRows(const std::vector<Integer>& DataRows, Integer LastRow) {
  if (DataRows.empty()) return;
  const Integer removed = static_cast<Integer>(DataRows.size()), left = LastRow - removed;
  // Nothing below the lowest row taken out (by data number and by display place) moves.
  const Integer firstData = DataRows.front();
  std::vector<bool> gone(static_cast<size_t>(LastRow) + 1), goneDisplay(static_cast<size_t>(LastRow) + 1);
  std::vector<Integer> displays;
  for (Integer row : DataRows) {
    gone[static_cast<size_t>(row)] = true;
    displays.push_back(GetDisplayRow(row));
    goneDisplay[static_cast<size_t>(displays.back())] = true;
  }
  std::sort(displays.rbegin(), displays.rend());
  const Integer firstDisplay = displays.back();
  // The new data number of every row from the lowest one taken out on (0 for those taken out).
  std::vector<Integer> newData(static_cast<size_t>(LastRow) + 1);
  for (Integer i = 1, next = 0; i <= LastRow; ++i)
    newData[static_cast<size_t>(i)] = i < firstData ? ++next : gone[static_cast<size_t>(i)] ? 0 : ++next;
  auto renumbered = [&](Integer Row) { return Row >= 1 && Row <= LastRow ? newData[static_cast<size_t>(Row)] : Row; };

  // From the highest display place down, as one row at a time would take them.
  for (Integer display : displays) {
    if (FRowSelection->GetSelected(display)) DeleteRowSelection(display, display);
    DeleteSelectedCellsRow(display);
  }
  if (FVisibleRowItems->GetMaterialised()) {
    Integer last = LastRow;
    for (Integer display : displays) MoveVisibleRow(display, last--);
  }
  for (Integer row : DataRows) DeleteColoredRowCells(row);
  for (Integer i = firstData + 1; i <= LastRow; ++i)
    if (!gone[static_cast<size_t>(i)]) RekeyIndexedCells(false, i, newData[static_cast<size_t>(i)]);
  ResetLastCell();
  for (Integer i = FRowFontFollowers->GetCount() - 1; i >= 0; --i) {
    Integer row = FRowFontFollowers->GetItem(i);
    if (row >= 1 && row <= LastRow && gone[static_cast<size_t>(row)])
      FRowFontFollowers->Delete(i);
    else
      FRowFontFollowers->SetItem(i, renumbered(row));
  }
  Integer index = 0, col, row;
  while (FCellFontFollowers->NextCoord(index, col, row))
    if (row > firstData) FCellFontFollowers->UpdateCoord(index - 2, col, renumbered(row));
  Integer bufferRow = FCurrentCell->GetBufferDataRow();
  if (bufferRow >= 1 && bufferRow <= LastRow && gone[static_cast<size_t>(bufferRow)])
    ClearControlBuffer();
  else if (bufferRow > firstData)
    FCurrentCell->SetBufferCell(FCurrentCell->GetBufferDataCol(), renumbered(bufferRow));

  // The display map takes the new data numbers; then the display places close up with their
  // heights and marks, and the freed places at the end map to themselves.
  for (Integer i = firstData + 1; i <= LastRow; ++i)
    if (!gone[static_cast<size_t>(i)]) FDisplayRowMap[static_cast<size_t>(GetDisplayRow(i))] = newData[static_cast<size_t>(i)];
  for (Integer p = firstDisplay, q = firstDisplay - 1; p <= LastRow; ++p) {
    if (goneDisplay[static_cast<size_t>(p)]) continue;
    ++q;
    CopyRowHeight(q, GetRowHeights(p));
    FRowSelection->SetSelected(q, FRowSelection->GetSelected(p));
    FDisplayRowMap[static_cast<size_t>(q)] = FDisplayRowMap[static_cast<size_t>(p)];
  }
  for (Integer p = left + 1; p <= LastRow; ++p) {
    FRowSelection->SetSelected(p, false);
    FDisplayRowMap[static_cast<size_t>(p)] = p;
  }

  // The data rows close up with their objects, ids, display numbers and changed marks.
  FRows->CloseUp(gone, firstData, LastRow);
  if (FChangedRows) {
    for (Integer i = firstData + 1; i <= LastRow && i < FChangedRows->GetSize(); ++i)
      if (!gone[static_cast<size_t>(i)]) FChangedRows->SetBits(newData[static_cast<size_t>(i)], FChangedRows->GetBits(i));
    for (Integer i = left + 1; i <= LastRow && i < FChangedRows->GetSize(); ++i) FChangedRows->SetBits(i, false);
  }
  for (Integer i = firstData; i <= LastRow; ++i)
    if (TtsRow* item = FRows->GetItem(i)) item->SetDataRow(i);
  for (Integer q = firstDisplay; q <= LastRow; ++q) FRows->SetDisplayRowNumber(FDisplayRowMap[static_cast<size_t>(q)], q);
  for (Integer i = firstData; i <= left; ++i) {
    Integer position = GetDisplayRow(i);
    bool visible = IsRowVisible(i);
    if (visible && GetRowHeights(position) == 0)
      CopyRowHeight(position, FRows->GetRowHeight(i));
    else if (!visible && GetRowHeights(position) != 0)
      CopyRowHeight(position, 0);
  }
  FDeletedRowCount += removed;
}

namespace {
// The numbers that the items of Order (data numbers 1..Count, taken out one after the other) have
// when their turn comes: each less the items below it that went before it.
std::vector<Integer> NumbersAtTheirTurn(const std::vector<Integer>& Order, Integer Count) {
  std::vector<Integer> taken(static_cast<size_t>(Count) + 1);  // a Fenwick tree of the items gone
  std::vector<Integer> numbers;
  for (Integer item : Order) {
    Integer below = 0;
    for (Integer i = item - 1; i > 0; i -= i & -i) below += taken[static_cast<size_t>(i)];
    numbers.push_back(item - below);
    for (Integer i = item; i <= Count; i += i & -i) ++taken[static_cast<size_t>(i)];
  }
  return numbers;
}
}  // namespace

// ---- Deleting columns and rows ---------------------------------------------------------------------------
void TtsBaseGrid::DoDeleteCols(Integer FromCol, Integer ToCol) {
  Integer cols = GetGridColCount();
  if (FromCol > cols || ToCol < 1) return;
  FromCol = std::max(FromCol, 1);
  ToCol = std::min(ToCol, cols);
  if (ToCol < FromCol) return;
  Integer curCol = FCurDataCol;
  bool currentDeleted = curCol >= FromCol && curCol <= ToCol;
  if (currentDeleted && !CheckEndEdit(0, FCurDataRow, false)) return;
  CheckHideControl(true);
  {
    TPaintSuspension suspension(this);
    Integer last = GetColCount() - 1;
    // The columns go by data number, so their display places shift under the walk: the current
    // display column is followed as it shifts.
    Integer curDisplay = FCurDisplayCol;
    Integer belowCurrent = 0;
    for (Integer j = ToCol; j >= FromCol; --j, --last) {
      InvalidateNextCols(j);
      Integer display = GetDisplayCol(j);
      DeleteAllAtCol(j, last);
      DeleteColData(j, j);
      DoDeleteCol(j, false);
      if (display < curDisplay) --curDisplay;
      if (j < curCol) ++belowCurrent;
    }
    SetNewColCount(cols - (ToCol - FromCol + 1));
    CheckTopLeft(false);
    if (currentDeleted)
      MoveToNewCol(curDisplay, true, false, CanSkipReadOnly());
    else
      SetNewCurrentCell(curCol - belowCurrent, FCurDataRow);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  UpdateScrollRange();
  ShowGridControl();
}

void TtsBaseGrid::DeleteCols(Integer FromCol, Integer ToCol) {
  DoDeleteCols(FromCol, ToCol);
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::DeleteRows(Integer FromRow, Integer ToRow) {
  Integer rows = GetGridRowCount();
  if (FromRow > rows || ToRow < 1) return;
  FromRow = std::max(FromRow, 1);
  ToRow = std::min(ToRow, rows);
  if (ToRow < FromRow) return;
  Integer curRow = FCurDataRow;
  bool onInsertRow = IsInsertRow(FCurDisplayRow) && FInsertionRow == 1;
  bool currentDeleted = !onInsertRow && curRow >= FromRow && curRow <= ToRow;
  if (currentDeleted && !CheckEndEdit(FCurDataCol, 0, false)) return;
  CheckHideControl(true);
  {
    TPaintSuspension suspension(this);
    Integer last = rows;
    // The rows close up in one pass; the current display row moves up by the deleted rows above it.
    std::vector<Integer> gone;
    Integer curDisplay = FCurDisplayRow;
    for (Integer j = FromRow; j <= ToRow; ++j) {
      gone.push_back(j);
      if (GetDisplayRow(j) < FCurDisplayRow) --curDisplay;
    }
    InvalidateNextRows(FromRow);
    DeleteAllAtRows(gone, last);
    DeleteRowData(FromRow, ToRow);
    for (Integer j = ToRow; j >= FromRow; --j) RowDeleted(j, false);
    Integer belowCurrent = std::max<Integer>(0, std::min(curRow - 1, ToRow) - FromRow + 1);
    if (ToRow == rows && FGridMode == gmEditInsert) {
      SetInsertionRow(1);
      FInsertRowEdited = false;
    }
    SetNewRowCount(rows - (ToRow - FromRow + 1));
    CheckTopLeft(false);
    if (currentDeleted)
      MoveToNewRow(curDisplay, true, InRowSelectMode(), CanSkipReadOnly());
    else if (onInsertRow)
      SetNewCurrentCell(FCurDataCol, GetDataRow(GetRowCount() - 1));
    else
      SetNewCurrentCell(FCurDataCol, curRow - belowCurrent);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  UpdateScrollRange();
  ShowGridControl();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::DeleteSelectedCols() {
  if (FColSelection->Count == 0) return;
  Integer cols = GetGridColCount();
  Integer curCol = FCurDataCol;
  bool currentDeleted = FColSelection->GetSelected(FCurDisplayCol);
  Integer count = FColSelection->Count;
  {
    TPaintSuspension suspension(this);
    Integer last = GetColCount() - 1;
    Integer leftOfCurrent = 0;
    for (Integer display = FColSelection->Last; display > 0; display = FColSelection->Previous(display), --last) {
      Integer dataCol = GetDataCol(display);
      InvalidateNextCols(dataCol);
      DeleteAllAtCol(dataCol, last);
      DeleteColData(dataCol, dataCol);
      DoDeleteCol(dataCol, false);
      if (display < FCurDisplayCol) ++leftOfCurrent;
      // The columns go in display order, so the data numbers shift under the walk: the current
      // column's number is followed as it shifts.
      if (dataCol < curCol) --curCol;
      if (FColSelection->Count == 0) break;
    }
    SetNewColCount(cols - count);
    CheckTopLeft(false);
    if (currentDeleted)
      MoveToNewCol(FCurDisplayCol - leftOfCurrent, true, false, CanSkipReadOnly());
    else
      SetNewCurrentCell(curCol, FCurDataRow);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  ShowGridControl();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::DeleteSelectedRows() {
  if (FRowSelection->Count == 0) return;
  Integer rows = GetGridRowCount();
  Integer highest = FRowSelection->Last;
  if (highest > rows) {
    if (FRowSelection->Count == 1) return;
    highest = FRowSelection->Previous(highest);
  }
  Integer curRow = FCurDataRow;
  bool onInsertRow = IsInsertRow(FCurDisplayRow) && FInsertionRow == 1;
  bool currentDeleted = !onInsertRow && FRowSelection->GetSelected(FCurDisplayRow);
  bool lastDeleted = false;
  Integer deleted = 0;
  {
    TPaintSuspension suspension(this);
    // The rows go from the highest display place down: each is reported by the data number it has
    // when its turn comes, that is less the deleted rows below it that went before it.
    std::vector<Integer> order;
    Integer aboveCurrent = 0;
    for (Integer display = highest; display > 0; display = FRowSelection->Previous(display)) {
      order.push_back(GetDataRow(display));
      if (display < FCurDisplayRow) ++aboveCurrent;
    }
    deleted = static_cast<Integer>(order.size());
    std::vector<Integer> gone(order);
    std::sort(gone.begin(), gone.end());
    lastDeleted = gone.back() == rows;
    curRow -= static_cast<Integer>(std::lower_bound(gone.begin(), gone.end(), curRow) - gone.begin());
    std::vector<Integer> reported = NumbersAtTheirTurn(order, rows);
    InvalidateNextRows(gone.front());
    DeleteAllAtRows(gone, rows);
    for (auto row = gone.rbegin(); row != gone.rend(); ++row) DeleteRowData(*row, *row);
    for (Integer row : reported) RowDeleted(row, false);
    if (lastDeleted && FGridMode == gmEditInsert) {
      SetInsertionRow(1);
      FInsertRowEdited = false;
    }
    SetNewRowCount(rows - deleted);
    if (currentDeleted) {
      Integer target = FCurDisplayRow - aboveCurrent;
      if (IsInsertRow(target)) --target;
      MoveToNewRow(target, true, InRowSelectMode(), CanSkipReadOnly());
    } else if (onInsertRow) {
      SetNewCurrentCell(FCurDataCol, GetDataRow(GetRowCount() - 1));
    } else {
      SetNewCurrentCell(FCurDataCol, curRow);
    }
    CheckTopLeft(true);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  }
  ShowGridControl();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::InvalidateNextCols(Integer DataCol) {
  if (!HandleAllocated() || GetFastAssign() || DataCol < 1 || DataCol > GetGridColCount()) return;
  Invalidate();
}

void TtsBaseGrid::InvalidateNextRows(Integer DataRow) {
  if (!HandleAllocated() || GetFastAssign() || DataRow < 1 || DataRow > GetGridRowCount()) return;
  Invalidate();
}

bool TtsBaseGrid::InResizing() {
  return FMouseStatus == msRowResize || FMouseStatus == msColResize || FMouseStatus == msHeadingResize ||
         FMouseStatus == msRowBarResize;
}

}  // namespace TSGrid
