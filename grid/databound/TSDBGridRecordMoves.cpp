// Records instead of rows: appending, the insertion row, moving to the first, last or a relative
// record, the current and the top record by DataRow, row counts, and the plain grid's row and cell
// operations that mean something else, or nothing, once the grid shows a dataset.
#include "TSDBGrid.h"
#include "TSDBGridColumns.h"
#include "TSDBGridData.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {
// Where MoveToPosition takes the grid.
enum : Integer { DataStart = 1, DataEnd = 2 };
}  // namespace

// ---- Appends and the insertion row ------------------------------------------------------------------
void TtsCustomDBGrid::Append() {
  if (ReadOnly()) return;
  TtsGridMode mode = GetGridMode();
  if (mode == gmListBox || mode == gmBrowse || !FDataLink->Active()) return;
  GetDataset()->Append();
}

void TtsCustomDBGrid::SetInsertRowOn() {
  TtsPaintSuspension paintOff(this);
  inherited::SetInsertRowOn();
}

void TtsCustomDBGrid::SetInsertRowOff() {
  TtsPaintSuspension paintOff(this);
  inherited::SetInsertRowOff();
}

// ---- Record moves -----------------------------------------------------------------------------------
void TtsCustomDBGrid::MoveFirst() {
  if (!BoundAndActive()) return;
  CheckHideControl(true);
  MoveToPosition(DataStart, false);
  ShowGridControl();
}

void TtsCustomDBGrid::MoveLast() {
  if (!BoundAndActive()) return;
  CheckHideControl(true);
  MoveToPosition(DataEnd, false);
  ShowGridControl();
}

void TtsCustomDBGrid::MoveBy(Integer Distance) {
  if (!BoundAndActive() || Distance == 0) return;
  if (!FUseStandardScrolling) {
    ScrollBarScroll(Distance > 0 ? ScrollMoveDown(Distance) : -ScrollMoveUp(-Distance));
    return;
  }
  // Measured from the edge of the displayed buffer: Distance rows below the last grid row (above
  // the first) becomes the active record; the data link then scrolls the display.
  Integer active = FGridData->GetActiveRecord();
  if (Distance > 0)
    GetDataset()->MoveBy(Distance + (GetGridRowCount() - active));
  else
    GetDataset()->MoveBy(Distance - (active - 1));
}

Integer TtsCustomDBGrid::GetRecordNumber() { return BoundAndActive() ? FGridData->GetActiveRecordNumber() : 0; }

void TtsCustomDBGrid::GetCurrentRecordId(Variant& RecordId) {
  if (!FDataBound) {
    RecordId = Variant(FCurDataRow);
  } else if (!CanUseRecordIds()) {
    RecordId = Variant(FCurrentBookmark);
  } else if (FCurDataRow <= 0) {
    RecordId = GetBookmarkRecordID(FCurrentBookmark);
  } else {
    FGridData->GetRecordId(FCurDataRow, RecordId);
  }
}

void TtsCustomDBGrid::SetDBCurrentDataRow(const Variant& DataRow) {
  if (!FDataBound) return SetCurrentDataRow(DataRow.ToInteger());
  if (!FDataActive) return;
  String bookmark = VarToStr(DataRow);
  if (bookmark == FCurrentBookmark) return;
  CheckHideControl(true);
  if (InRowSelectMode()) {
    Integer oldRow = FGridData->BufferRow(FCurrentBookmark);
    if (oldRow > 0 && oldRow <= MaxVisibleRow()) {
      Update();
      InvertRow(oldRow, false, 0);
    }
    FSelection->ResetAll();
  }
  if (FUseStandardScrolling) {
    Integer row = FGridData->BufferRow(bookmark);
    if (row > 0 && row <= MaxVisibleRow())
      GetDataset()->MoveBy(row - FCurDataRow);
    else
      GetDataset()->SetBookmark(bookmark);
  } else {
    PositionCurrentRec(FCurDisplayCol, bookmark, true, true);
  }
  ShowGridControl();
  CheckRowSelection(false);
  SelectionsChanged(false);
}

// ---- The top record ---------------------------------------------------------------------------------
Variant TtsCustomDBGrid::GetDBTopRow() {
  if (!FDataBound) return Variant(GetTopRow());
  if (!FDataActive) return Variant();
  return Variant(FGridData->GetBookmark(GetTopRow()));
}

void TtsCustomDBGrid::SetDBTopRow(const Variant& DataRow) {
  if (!FDataBound) return SetTopRow(DataRow.ToInteger());
  if (!FDataActive || CompareBkm(VarToStr(DataRow), FGridData->GetBookmark(GetTopRow())) == 0) return;
  SetDBNewTopRow(DataRow);
  CheckTopLeftChanged(false);
}

void TtsCustomDBGrid::SetDBNewTopRow(const Variant& DataRow) {
  CheckHideControl(true);
  // The editor comes back however the move ends, also when the record cannot be reached.
  TtsFinally show([this] {
    ShowGridControl();
    Invalidate();
  });
  String bookmark = VarToStr(DataRow);
  if (!FGridData->MoveToRecord(bookmark)) return;
  UpdateRowCount(true);
  Integer bufferRow = FGridData->BufferRow(bookmark);
  Integer top = bufferRow > 0 && bufferRow != GetTopRow() && FGridData->GetAtEnd() ? bufferRow : 1;
  AdjustTopLeft(GetLeftCol(), top, false);
  PositionCurrentRec(FCurDisplayCol, FUseStandardScrolling ? GetDataset()->GetBookmark() : FCurrentBookmark, false,
                     false);
}

// ---- Row counts and rows ----------------------------------------------------------------------------
void TtsCustomDBGrid::SetGridRowCount(Integer Value) {
  if (!FDataBound) return inherited::SetGridRowCount(Value);
  if (Value < 0) Value = 0;
  if (Value == GetGridRowCount()) return;
  Integer insertion = GetInsertionRow();
  for (Integer row = GetRowCount() - 1 - insertion; row > Value; --row) DeleteAllAtRow(row, row + insertion);
  TtsPaintSuspension paintOff(this);
  SetNewRowCount(Value);
  CheckTopLeft(true);
}

Integer TtsCustomDBGrid::GetDBRowCount() {
  if (!FDataBound || ComponentState().Contains(csWriting)) return GetGridRowCount();
  if (ComponentState().Contains(csDesigning)) return -1;
  return FGridData->GetRecCount();
}

void TtsCustomDBGrid::SetDBRowCount(Integer Value) {
  if (!FDataBound || ComponentState().Contains(csReading)) SetGridRowCount(Value);
}

void TtsCustomDBGrid::InsertRow(Integer DisplayRow) {
  if (!FDataBound) inherited::InsertRow(DisplayRow);
}

void TtsCustomDBGrid::DeleteRows(Integer FromRow, Integer ToRow) {
  if (!FDataBound) inherited::DeleteRows(FromRow, ToRow);
}

void TtsCustomDBGrid::DeleteSelectedRows() {
  if (!FDataBound)
    inherited::DeleteSelectedRows();
  else if (FDataActive && GetGridStatus() == grRowSelect)
    DeleteSelectedRecords();
}

void TtsCustomDBGrid::InsertCol(Integer DataCol, const String& FieldName) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount() + 1, 1) || !AddColumn(DataCol)) return;
  Integer newCol = GetGridColCount();
  TtsDBCol* column = GetGridDBCols()->GetDBCol(Variant(newCol));
  column->SetFieldName(FieldName);
  if (TDataSet* dataSet = FDataLink->DataSet()) {
    if (FieldName.empty())
      column->ResetField(true);
    else
      column->SetField(dataSet->FindField(FieldName));
    column->InitField();
  }
  DoInsertCol(newCol, false);
}

// ---- Selection and cells ----------------------------------------------------------------------------
TtsCellSelectMode TtsCustomDBGrid::GetCellSelectMode() {
  return FDataBound ? cmNone : inherited::GetCellSelectMode();
}

void TtsCustomDBGrid::SetCellSelectMode(TtsCellSelectMode Value) {
  // Cell ranges over records are not kept.
  if (!FDataBound || Value == cmNone) inherited::SetCellSelectMode(Value);
}

void TtsCustomDBGrid::SelectCells(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  if (!FDataBound) inherited::SelectCells(Col1, Row1, Col2, Row2);
}

bool TtsCustomDBGrid::CellSelected(Integer DisplayCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::CellSelected(DisplayCol, DataRow.ToInteger());
  if (DisplayCol < 1 || DisplayCol > GetGridColCount() || !CheckIdType(DataRow)) return false;
  return FColSelection->GetSelected(DisplayCol) || GetDBRowSelected(DataRow);
}

bool TtsCustomDBGrid::GetCurrentSelected() {
  if (!FDataBound) return inherited::GetCurrentSelected();
  return FDataActive && GetDBRowSelected(Variant(FCurrentBookmark));
}

bool TtsCustomDBGrid::GetStartRowSelected() {
  if (!FDataBound) return inherited::GetStartRowSelected();
  return FDataActive && GetDBRowSelected(Variant(FSelectionStart));
}

void TtsCustomDBGrid::SetCurrentSelected() {
  if (!FDataBound) return inherited::SetCurrentSelected();
  if (FDataActive) SetDBRowSelected(Variant(FCurrentBookmark), true);
}

bool TtsCustomDBGrid::DrawCell3D(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::DrawCell3D(DataCol, DataRow.ToInteger());
  if (!FDataActive || DataCol < 1 || DataCol > GetGridColCount() || !CheckIdType(DataRow)) return false;
  if (GetIs3D()) return true;
  if (TtsCol* column = FCols->GetItem(DataCol); column && column->GetIs3D()) return true;
  return GetDBRowIs3D(DataRow) || GetDBCellIs3D(DataCol, DataRow);
}

// ---- Components coming and going --------------------------------------------------------------------
void TtsCustomDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove)
    ComponentRemoved(AComponent);
  else
    ComponentInserted(AComponent);
}

void TtsCustomDBGrid::ComponentRemoved(TComponent* AComponent) {
  if (!FDataLink) return;
  if (AComponent == GetDataSource()) {
    SetDataSource(nullptr);
    return;
  }
  auto* field = ::System::Is<TField>(AComponent) ? static_cast<TField*>(AComponent) : nullptr;
  if (!field) return;
  if (TtsDBCol* column = GetGridDBCols()->FindField(field)) column->ResetField(true);
  FieldLayoutChanged(true, false, true);
  DoFieldLayoutChange();
}

void TtsCustomDBGrid::ComponentInserted(TComponent* AComponent) {
  if (ComponentState().Contains(csLoading) || !FDataLink || !FDataLink->DataSet()) return;
  if (!::System::Is<TField>(AComponent)) return;
  FieldLayoutChanged(true, false, true);
  DoFieldLayoutChange();
}

}  // namespace TSDBGrid
