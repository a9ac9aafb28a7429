// The data-bound grid's side of the edit lifecycle: the first change of a cell puts the dataset into
// edit state, ending the row edit writes the value and posts through CheckBrowseMode, undoing the
// row cancels the dataset, and the events carry the record's DataRow instead of a row number. The
// strategy is positioned on the current record before each event, so that handlers read its fields.
#include "TSDBGrid.h"
#include "TSDBGridColumns.h"
#include "TSDBGridData.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridFields.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {
// Raises the end-edit check's re-entry guard for the span of one check.
class TEndEditGuard {
 public:
  explicit TEndEditGuard(bool& Guard) : FGuard(Guard) { FGuard = true; }
  ~TEndEditGuard() { FGuard = false; }
  TEndEditGuard(const TEndEditGuard&) = delete;
  TEndEditGuard& operator=(const TEndEditGuard&) = delete;

 private:
  bool& FGuard;
};
}  // namespace

// ---- Starting ---------------------------------------------------------------------------------------
bool TtsCustomDBGrid::StartCellChange(Integer DataCol, bool ByUser) {
  if (!FDataBound) return inherited::StartCellChange(DataCol, ByUser);
  if (!FDataActive) return true;
  TtsDBCol* column = GetGridDBCols()->GetDBCol(Variant(DataCol));
  Variant recordId;
  GetCurrentRecordId(recordId);
  TtsReadOnly cellReadOnly = column ? GetDBCellReadOnly(DataCol, recordId) : roDefault;
  if (ReadOnly()) return false;
  // A cell's roOn always wins; its roOff opens a read-only column.
  if (cellReadOnly == roOn) return false;
  if (column && column->GetReadOnly() && cellReadOnly != roOff) return false;
  StartDatasetEdit(column, ByUser);
  return true;
}

void TtsCustomDBGrid::StartDatasetEdit(TtsDBCol* Column, bool ByUser) {
  if (Column && Column->GetDBField()) {
    FDataLink->Edit();
    if (FDataLink->Editing() && FCurDataRow <= GetGridRowCount()) {
      if (ByUser) FStartingGridEdit = true;
      if (GetGridMode() == gmEditInsert && GetInsertionRow() == 0) SetInsertRowOn();
    }
  }
  FEditBookmark = FCurrentBookmark;
}

bool TtsCustomDBGrid::StartCellEdit() {
  if (!FDataBound) return inherited::StartCellEdit();
  if (!FDataActive || FCellEdit) return true;
  TtsDBCol* column = GetGridDBCols()->GetDBCol(Variant(FCurDataCol));
  TtsDBField* field = column ? column->GetDBField() : nullptr;
  // A lookup field takes its key from the combo, which opens the edit for that moment.
  if (field && !field->IsEditField() && !FComboEditAllowed) return false;
  SetActiveRecord(-1);
  return DBStartCellEdit(FCurDataCol, GetDBCurrentDataRow());
}

bool TtsCustomDBGrid::StartRowEdit() {
  if (!FDataBound) return inherited::StartRowEdit();
  if (!FDataActive || FRowEdit) return true;
  SetActiveRecord(-1);
  return DBStartRowEdit(GetDBCurrentDataRow());
}

bool TtsCustomDBGrid::Edit() {
  if (!FDataBound) return inherited::Edit();
  if (!FDataActive || !StartEdit()) return false;
  StartDatasetEdit(GetGridDBCols()->GetDBCol(Variant(FCurDataCol)), false);
  return true;
}

void TtsCustomDBGrid::CellEdit(Integer DataCol, Integer DataRow, bool ByUser) {
  if (!FDataBound) return inherited::CellEdit(DataCol, DataRow, ByUser);
  if (!FDataActive) return;
  // The editor holds a value the field does not have yet: ending the cell writes it.
  FCellChangePending = true;
  DoCellEdit(DataCol, GetDBCurrentDataRow(), ByUser);
}

// ---- Ending -----------------------------------------------------------------------------------------
bool TtsCustomDBGrid::EndCellEdit() {
  if (!FDataBound) return inherited::EndCellEdit();
  if (!FDataActive) return true;
  SetActiveRecord(-1);
  if (!DBEndCellEdit(FCurDataCol, GetDBCurrentDataRow())) return false;
  if (FDataEditMode != demNone) UpdateData();
  return true;
}

bool TtsCustomDBGrid::EndRowEdit() {
  if (!FDataBound) return inherited::EndRowEdit();
  if (!FDataActive) return true;
  SetActiveRecord(-1);
  if (!DBEndRowEdit(GetDBCurrentDataRow())) return false;
  if (FDataEditMode == demNone) return true;
  UpdateData();
  TDataSet* dataSet = GetDataset();
  dataSet->CheckBrowseMode();
  return dataSet->State() == dsBrowse;
}

bool TtsCustomDBGrid::CheckEndEdit(Integer DataCol, Integer DataRow, bool Force) {
  if (!FDataBound) return inherited::CheckEndEdit(DataCol, DataRow, Force);
  if (!FDataActive) return true;
  // A check asked while another runs (an end event's handler moving the cell) allows everything.
  if (FInCheckEndEdit) return true;
  TEndEditGuard guard(FInCheckEndEdit);
  bool otherRecord = DataRow == -1 || DataRow != FCurDataRow;
  if (FCellEdit || FRowEdit) {
    if (otherRecord) return CanEndEdit(Force);
    return DataCol == FCurDataCol || CanEndCellEdit(Force);
  }
  if (FDataEditMode == demNone || !otherRecord) return true;
  // The dataset holds an edit or insert the grid never touched and the cell leaves its record: an
  // untouched record is dropped, one changed by code or another control is posted, not lost.
  GetDataset()->CheckBrowseMode();
  return true;
}

// ---- Undoing ----------------------------------------------------------------------------------------
bool TtsCustomDBGrid::UndoCellEdit(bool ByUser) {
  if (!FDataBound) return inherited::UndoCellEdit(ByUser);
  if (!FDataActive) return true;
  SetActiveRecord(-1);
  bool cancel = false;
  DoUndoCellEdit(FCurDataCol, GetDBCurrentDataRow(), ByUser, cancel);
  return !cancel;
}

bool TtsCustomDBGrid::CheckUndoRowEdit(bool ForceRow, bool& UndoRow) {
  inherited::CheckUndoRowEdit(ForceRow, UndoRow);
  if (FDataBound && FDataActive) UndoRow = UndoRow && FDataEditMode != demNone;
  return UndoRow;
}

bool TtsCustomDBGrid::UndoRowEdit(bool ByUser, bool FireEvent) {
  if (!FDataBound) return inherited::UndoRowEdit(ByUser, FireEvent);
  if (!FDataActive) return true;
  SetActiveRecord(-1);
  bool result = true;
  if (FireEvent) {
    bool cancel = false;
    DoUndoRowEdit(GetDBCurrentDataRow(), ByUser, cancel);
    result = !cancel;
  }
  if (!result) return false;
  TDataSet* dataSet = GetDataset();
  if (FDataEditMode != demNone) dataSet->Cancel();
  return dataSet->State() == dsBrowse;
}

// ---- The data-bound edit events ---------------------------------------------------------------------
bool TtsCustomDBGrid::DBStartCellEdit(Integer DataCol, const Variant& DataRow) {
  bool cancel = false;
  DoStartCellEdit(DataCol, DataRow, cancel);
  return !cancel;
}

bool TtsCustomDBGrid::DBStartRowEdit(const Variant& DataRow) {
  bool cancel = false;
  DoStartRowEdit(DataRow, cancel);
  return !cancel;
}

bool TtsCustomDBGrid::DBEndCellEdit(Integer DataCol, const Variant& DataRow) {
  bool cancel = false;
  DoEndCellEdit(DataCol, DataRow, cancel);
  return !cancel;
}

bool TtsCustomDBGrid::DBEndRowEdit(const Variant& DataRow) {
  bool cancel = false;
  DoEndRowEdit(DataRow, cancel);
  return !cancel;
}

// ---- Cell buttons and clicks ------------------------------------------------------------------------
// Buttons exist only on records of a bound grid, so being bound decides alone.
void TtsCustomDBGrid::ButtonClick(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ButtonClick(DataCol, DataRow);
  DoButtonClick(DataCol, Variant(FGridData->GetBookmark(DataRow)));
}

void TtsCustomDBGrid::ButtonDown(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ButtonDown(DataCol, DataRow);
  DoButtonDown(DataCol, Variant(FGridData->GetBookmark(DataRow)));
}

void TtsCustomDBGrid::ButtonUp(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ButtonUp(DataCol, DataRow);
  DoButtonUp(DataCol, Variant(FGridData->GetBookmark(DataRow)));
}

void TtsCustomDBGrid::SpinButtonClick(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  if (!FDataBound) return inherited::SpinButtonClick(DataCol, DataRow, Button);
  DoSpinButtonClick(DataCol, Variant(FGridData->GetBookmark(DataRow)), Button);
}

void TtsCustomDBGrid::SpinButtonDown(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  if (!FDataBound) return inherited::SpinButtonDown(DataCol, DataRow, Button);
  DoSpinButtonDown(DataCol, Variant(FGridData->GetBookmark(DataRow)), Button);
}

void TtsCustomDBGrid::SpinButtonUp(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  if (!FDataBound) return inherited::SpinButtonUp(DataCol, DataRow, Button);
  DoSpinButtonUp(DataCol, Variant(FGridData->GetBookmark(DataRow)), Button);
}

void TtsCustomDBGrid::SpinRepeat(Integer DataCol, Integer DataRow, TtsSpinButton Button, Integer Count) {
  if (!FDataBound) return inherited::SpinRepeat(DataCol, DataRow, Button, Count);
  DoSpinRepeat(DataCol, Variant(FGridData->GetBookmark(DataRow)), Count, Button);
  CheckSpinIncrement(DataCol, DataRow, Button);
}

void TtsCustomDBGrid::SpinIncrement(Integer DataCol, Integer DataRow, TtsSpinButton Button, Variant& Value,
                                    Integer& Pos, Integer& Len, bool& Accept) {
  if (!FDataBound) return inherited::SpinIncrement(DataCol, DataRow, Button, Value, Pos, Len, Accept);
  DoSpinIncrement(DataCol, Variant(FGridData->GetBookmark(DataRow)), Button, Value, Pos, Len, Accept);
}

bool TtsCustomDBGrid::CheckClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                                     const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  if (!FDataBound) return inherited::CheckClickCell(DataColDown, DataRowDown, DataColUp, DataRowUp, DownPos, UpPos);
  if (!FDataActive) return false;
  return DoClickCell(DataColDown, FMouseDownRow, DataColUp, FMouseUpRow, DownPos, UpPos);
}

void TtsCustomDBGrid::DblClickCell(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::DblClickCell(DataCol, DataRow);
  if (!FDataActive) return;
  DoDblClickCell(DataCol, FMouseDownRow, ClickPos(DataCol, DataRow));
}

}  // namespace TSDBGrid
