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
  TtsIntegerSetList* index = ColumnIndex ? FColCellIndex : FRowCellIndex;
  for (Integer moved = Entry + 1; moved <= Last; ++moved) {
    for (Integer other : SetValues(IndexEntry(index, moved))) {
      auto [col, row] = CellOf(ColumnIndex, moved, other);
      TtsCellElement* element = FCellPropSet->GetCell(col, row);
      if (!element) continue;
      DeleteFromPropList(element);
      auto [newCol, newRow] = CellOf(ColumnIndex, moved - 1, other);
      element->SetKey(newCol, newRow);
      AddToPropList(element);
    }
    FreeIndexEntry(index, moved);
  }
  ResetLastCell();
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

void TtsBaseGrid::DeleteAllAtRow(Integer DataRow, Integer LastRow) {
  TtsRow* removed = FRows->GetItem(DataRow);
  Integer removedId = FRows->GetRowId(DataRow);
  Integer display = GetDisplayRow(DataRow);
  if (FRowSelection->GetSelected(display)) DeleteRowSelection(display, display);
  DeleteSelectedCellsRow(display);
  DeleteColoredRowCells(DataRow);
  DeleteAutoFontRow(DataRow);
  MoveColoredRowCells(DataRow, LastRow);
  MoveVisibleRow(display, LastRow);
  Integer bufferRow = FCurrentCell->GetBufferDataRow();
  if (bufferRow == DataRow)
    ClearControlBuffer();
  else if (bufferRow > DataRow)
    FCurrentCell->SetBufferCell(FCurrentCell->GetBufferDataCol(), bufferRow - 1);
  for (Integer i = display + 1; i <= LastRow; ++i) {
    CopyRowHeight(i - 1, GetRowHeights(i));
    Integer dataRow = GetDataRow(i);
    FRows->SetDisplayRowNumber(dataRow, i - 1);
    FDisplayRowMap[static_cast<size_t>(i - 1)] = dataRow;
    FRowSelection->SetSelected(i - 1, FRowSelection->GetSelected(i));
    FRowSelection->SetSelected(i, false);
  }
  FDisplayRowMap[static_cast<size_t>(LastRow)] = DataRow;
  FRows->CntMoveProperties(DataRow + 1, DataRow, LastRow - DataRow);
  for (Integer i = DataRow; i < LastRow; ++i) {
    if (TtsRow* row = FRows->GetItem(i)) row->SetDataRow(i);
    Integer position = GetDisplayRow(i);
    --FDisplayRowMap[static_cast<size_t>(position)];
    if (FChangedRows) FChangedRows->SetBits(i, i + 1 < FChangedRows->GetSize() && FChangedRows->GetBits(i + 1));
    bool visible = IsRowVisible(i);
    if (visible && GetRowHeights(position) == 0)
      CopyRowHeight(position, FRows->GetRowHeight(i));
    else if (!visible && GetRowHeights(position) != 0)
      CopyRowHeight(position, 0);
  }
  FDisplayRowMap[static_cast<size_t>(LastRow)] = LastRow;
  FRows->SetItem(LastRow, removed);
  FRows->SetRowId(LastRow, removedId);
  FRows->SetDisplayRowNumber(LastRow, LastRow);
  if (removed) removed->SetDataRow(LastRow);
  if (FChangedRows && LastRow < FChangedRows->GetSize()) FChangedRows->SetBits(LastRow, false);
  ++FDeletedRowCount;
}

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
    // As for columns, the current display row is followed as the display places shift.
    Integer curDisplay = FCurDisplayRow;
    Integer belowCurrent = 0;
    for (Integer j = ToRow; j >= FromRow; --j, --last) {
      InvalidateNextRows(j);
      Integer display = GetDisplayRow(j);
      DeleteAllAtRow(j, last);
      DeleteRowData(j, j);
      RowDeleted(j, false);
      if (display < curDisplay) --curDisplay;
      if (j < curRow) ++belowCurrent;
    }
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
    Integer last = rows;
    Integer aboveCurrent = 0;
    for (Integer display = highest; display > 0;) {
      Integer previous = FRowSelection->Previous(display);
      Integer dataRow = GetDataRow(display);
      if (dataRow == rows) lastDeleted = true;
      InvalidateNextRows(dataRow);
      DeleteAllAtRow(dataRow, last--);
      DeleteRowData(dataRow, dataRow);
      RowDeleted(dataRow, false);
      ++deleted;
      if (display < FCurDisplayRow) ++aboveCurrent;
      // As for columns, the current row's data number is followed as the numbers shift.
      if (dataRow < curRow) --curRow;
      display = previous;
    }
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
