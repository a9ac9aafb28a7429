// The data-bound grid's current cell: values come from and go to the current record's fields, a
// move names its record by DataRow, and the insertion row is reached by appending a record (the
// data link's editing notice then shows it).
#include "TSDBGridCurrentCell.h"

#include "TSDBGrid.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBCurrentCell)

TtsDBCurrentCell* TtsCustomDBGrid::GetDBCurrentCell() const {
  return static_cast<TtsDBCurrentCell*>(GetCurrentCell());
}

TtsCustomDBGrid* TtsDBCurrentCell::GetGrid() const { return static_cast<TtsCustomDBGrid*>(inherited::GetGrid()); }

Variant TtsDBCurrentCell::GetDBDataRow() {
  TtsCustomDBGrid* grid = GetGrid();
  return grid->GetDataBound() ? Variant(grid->GetCurrentBookmark()) : Variant(grid->GetCurDataRow());
}

void TtsDBCurrentCell::FetchCellValue() {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::FetchCellValue();
  if (ValueSet(grid->GetCurDataCol(), grid->GetCurDataRow())) return;
  Variant value;
  grid->BookmarkValue(grid->GetCurDataCol(), GetDBDataRow(), value);
  grid->SetEnableStartEdit(false);
  TtsFinally enable([grid] { grid->SetEnableStartEdit(true); });
  grid->SetControlValue(value, false, false);
}

Integer TtsDBCurrentCell::GetTextHeight() {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::GetTextHeight();
  if (!grid->InEditState()) return 0;
  FetchCellValue();
  return grid->GetDBCellTextHeight(grid->GetCurDataCol(), GetDBDataRow());
}

Integer TtsDBCurrentCell::GetTextLines() {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::GetTextLines();
  if (!grid->InEditState()) return 0;
  FetchCellValue();
  return grid->GetDBCellTextLines(grid->GetCurDataCol(), GetDBDataRow());
}

Integer TtsDBCurrentCell::GetTextWidth() {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::GetTextWidth();
  return grid->GetDbCellTextWidth(grid->GetCurDataCol(), GetDBDataRow());
}

bool TtsDBCurrentCell::SetEditValue(const Variant& Value, bool ByUser, bool Redraw) {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->BoundAndActive() || grid->CurrentCellInView()) return inherited::SetEditValue(Value, ByUser, Redraw);
  if (!grid->InEditState() || !grid->VarTypeFits(GetControlType(), Value)) return false;
  Integer dataCol = grid->GetCurDataCol();
  if (!grid->StartEdit() || !grid->StartCellChange(dataCol, true)) return false;
  if (ByUser) grid->InternalShowEditor(tsAll, false);
  ClearBuffer();
  grid->SetControlSelectMode(tsCurrent);
  Variant dataRow = GetDBDataRow();
  grid->SetDBCellValue(dataCol, dataRow, Value);
  grid->DoCellEdit(dataCol, dataRow, ByUser);
  return true;
}

void TtsDBCurrentCell::MoveTo(Integer DataCol, const Variant& DataRow) {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::MoveTo(DataCol, DataRow.ToInteger());
  if (DataCol < 1 || DataCol > grid->GetGridColCount() || !grid->CheckBkmType(DataRow) || !grid->InGridMode())
    return;
  bool sameRecord = grid->CompareBkm(VarToStr(DataRow), grid->GetCurrentBookmark()) == 0;
  Integer displayCol = grid->GetDisplayCol(DataCol);
  if (displayCol == grid->GetCurDisplayCol() && sameRecord) return;
  if (!grid->CheckEndEdit(DataCol, sameRecord ? grid->GetCurDataRow() : -1, false)) return;
  grid->CheckHideControl(true);
  grid->SetCurrentPosition(displayCol, grid->GetCurDisplayRow(), true, false);
  if (!sameRecord) grid->SetDBCurrentDataRow(DataRow);
  grid->SetControlSelectMode(tsCurrent);
  grid->ShowGridControl();
  if (!grid->InSetFocus()) grid->Update();
}

void TtsDBCurrentCell::MoveToInsertRow(Integer DataCol) {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::MoveToInsertRow(DataCol);
  if (grid->GetGridMode() != gmEditInsert || grid->GetGridStatus() != grNormal ||
      grid->IsInsertRow(grid->GetCurDisplayRow()) || DataCol < 1 || DataCol > grid->GetGridColCount() ||
      !grid->CheckEndEdit(0, -1, false))
    return;
  {
    TtsPaintSuspension paintOff(grid);
    Integer displayCol = grid->GetDisplayCol(DataCol);
    grid->AdjustTopLeft(grid->MoveToDisplayCol(grid->GetLeftCol(), displayCol, vpRight), grid->GetTopRow(), true);
    grid->Append();
    grid->SetCurrentPosition(displayCol, grid->GetCurDisplayRow(), true, false);
  }
  grid->Update();
}

void TtsDBCurrentCell::PutInView() {
  TtsCustomDBGrid* grid = GetGrid();
  if (!grid->GetDataBound()) return inherited::PutInView();
  Integer col = grid->GetCurDisplayCol();
  if (col < 1 || col > grid->GetColCount() - 1) return;
  grid->PutInView(col, grid->GetCurDisplayRow(), vpBoth, false, false, ctlNone);
  grid->Update();
}

}  // namespace TSDBGrid
