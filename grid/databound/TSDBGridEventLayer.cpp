// The data-bound grid's event layer: each dispatcher hands the application a private copy of every
// DataRow Variant (a bookmark or a record id, never converted to a row number), sets a Cancel or
// Accept parameter to its starting value where the event has one, and calls the handler only when it
// is assigned; the events that report changes of the grid's state wait while the grid is being read.
#include "TSDBGridDisplayImpl.h"

namespace TSDBGrid {

namespace {
// The handler's own copy: a handler that moves the grid cannot change the row it was given.
Variant Copy(const Variant& DataRow) { return DataRow; }
}  // namespace

// ---- Clicks and cell buttons --------------------------------------------------------------------------
bool TtsCustomDBGrid::DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                                  const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  if (!OnClickCell) return false;
  OnClickCell(this, DataColDown, Copy(DataRowDown), DataColUp, Copy(DataRowUp), DownPos, UpPos);
  return true;
}
void TtsCustomDBGrid::DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos) {
  if (OnDblClickCell) OnDblClickCell(this, DataCol, Copy(DataRow), Pos);
}
void TtsCustomDBGrid::DoButtonClick(Integer DataCol, const Variant& DataRow) {
  if (OnButtonClick) OnButtonClick(this, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoButtonDown(Integer DataCol, const Variant& DataRow) {
  if (OnButtonDown) OnButtonDown(this, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoButtonUp(Integer DataCol, const Variant& DataRow) {
  if (OnButtonUp) OnButtonUp(this, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonClick) OnSpinButtonClick(this, DataCol, Copy(DataRow), Button);
}
void TtsCustomDBGrid::DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonDown) OnSpinButtonDown(this, DataCol, Copy(DataRow), Button);
}
void TtsCustomDBGrid::DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonUp) OnSpinButtonUp(this, DataCol, Copy(DataRow), Button);
}
void TtsCustomDBGrid::DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) {
  if (OnSpinRepeat) OnSpinRepeat(this, DataCol, Copy(DataRow), Count, Button);
}
void TtsCustomDBGrid::DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value,
                                      Integer& Pos, Integer& Len, bool& Accept) {
  if (OnSpinIncrement) OnSpinIncrement(this, DataCol, Copy(DataRow), Button, Value, Pos, Len, Accept);
}

// ---- Combos and date-time drop-downs ----------------------------------------------------------------------
void TtsCustomDBGrid::DoComboInit(Integer DataCol, const Variant& DataRow) {
  if (OnComboInit) OnComboInit(this, DBComboDropDownGrid(), DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoComboDropDown(Integer DataCol, const Variant& DataRow) {
  if (OnComboDropDown) OnComboDropDown(this, DBComboDropDownGrid(), DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoComboRollUp(Integer DataCol, const Variant& DataRow) {
  if (OnComboRollUp) OnComboRollUp(this, DBComboDropDownGrid(), DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow,
                                      Variant& Value) {
  if (OnComboGetValue) OnComboGetValue(this, DBComboDropDownGrid(), DataCol, Copy(DataRow), Copy(ComboDataRow), Value);
}
void TtsCustomDBGrid::DoComboCellLoaded(Integer DataCol, const Variant& DataRow, Variant& Value) {
  if (OnComboCellLoaded) OnComboCellLoaded(this, DBComboDropDownGrid(), DataCol, Copy(DataRow), Value);
}
void TtsCustomDBGrid::DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeInit) OnDateTimeInit(this, Def, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeDropDown) OnDateTimeDropDown(this, Def, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeRollUp) OnDateTimeRollUp(this, Def, DataCol, Copy(DataRow));
}
void TtsCustomDBGrid::DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow,
                                         Variant& Value) {
  if (OnDateTimeGetValue) OnDateTimeGetValue(this, Def, DataCol, Copy(DataRow), Value);
}

// ---- Editing: starts, ends and showing the editor go ahead unless a handler cancels them --------------
void TtsCustomDBGrid::DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) {
  if (OnCellEdit) OnCellEdit(this, DataCol, Copy(DataRow), ByUser);
}
void TtsCustomDBGrid::DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnStartCellEdit) OnStartCellEdit(this, DataCol, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnEndCellEdit) OnEndCellEdit(this, DataCol, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoStartRowEdit(const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnStartRowEdit) OnStartRowEdit(this, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoEndRowEdit(const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnEndRowEdit) OnEndRowEdit(this, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnShowEditor) OnShowEditor(this, DataCol, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) {
  Cancel = false;
  if (OnUndoCellEdit) OnUndoCellEdit(this, DataCol, Copy(DataRow), ByUser, Cancel);
}
void TtsCustomDBGrid::DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) {
  Cancel = false;
  if (OnUndoRowEdit) OnUndoRowEdit(this, Copy(DataRow), ByUser, Cancel);
}
// An edited value is written to its field unless a handler cancels.
void TtsCustomDBGrid::DoOnUpdateField(Integer DataCol, const Variant& DataRow, Variant& Value, bool& Cancel) {
  Cancel = false;
  if (OnUpdateField) OnUpdateField(this, DataCol, Copy(DataRow), Value, Cancel);
}

// ---- Mask checks: a value or keys that fail their mask are refused unless a handler accepts them -------
void TtsCustomDBGrid::DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept) {
  Accept = false;
  if (OnInvalidMaskValue) OnInvalidMaskValue(this, DataCol, Copy(DataRow), Accept);
}
void TtsCustomDBGrid::DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept) {
  Accept = false;
  if (OnInvalidMaskEdit) OnInvalidMaskEdit(this, Keys, DataCol, Copy(DataRow), Accept);
}
void TtsCustomDBGrid::ActivateInvalidMaskValue(bool& Accept) {
  DoInvalidMaskValue(FCurDataCol, GetDBCurrentDataRow(), Accept);
}
void TtsCustomDBGrid::ActivateInvalidMaskEdit(const String& Keys, bool& Accept) {
  DoInvalidMaskEdit(Keys, FCurDataCol, GetDBCurrentDataRow(), Accept);
}
Variant TtsCustomDBGrid::GetDBCurrentDataRow() {
  if (!FDataBound) return Variant(FCurDataRow);
  return Variant(FCurrentBookmark);
}

// ---- Current cell, rows and the view ------------------------------------------------------------------
// Unlike the plain grid's, a move of the current cell is reported while the grid is read from a form:
// the dataset may already position it then.
void TtsCustomDBGrid::DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) {
  if (OnCellChanged) OnCellChanged(this, OldCol, NewCol, Copy(OldRow), Copy(NewRow));
}
void TtsCustomDBGrid::DoRowChanged(const Variant& OldRow, const Variant& NewRow) {
  if (OnRowChanged && CanActivateEvent()) OnRowChanged(this, Copy(OldRow), Copy(NewRow));
}
void TtsCustomDBGrid::DoTopLeftChanged(Integer OldCol, const Variant& OldRow, Integer NewCol, const Variant& NewRow,
                                       bool ByUser) {
  if (OnTopLeftChanged && CanActivateEvent()) OnTopLeftChanged(this, OldCol, Copy(OldRow), NewCol, Copy(NewRow), ByUser);
}
void TtsCustomDBGrid::DoDeleteRow(const Variant& DataRow, bool ByUser) {
  if (OnDeleteRow && CanActivateEvent()) OnDeleteRow(this, Copy(DataRow), ByUser);
}
void TtsCustomDBGrid::DoInsertRow(const Variant& DataRow, bool ByUser) {
  if (OnInsertRow && CanActivateEvent()) OnInsertRow(this, Copy(DataRow), ByUser);
}

// ---- Loading and painting ---------------------------------------------------------------------------------
void TtsCustomDBGrid::DoRowLoaded(const Variant& DataRow) {
  if (OnRowLoaded) OnRowLoaded(this, Copy(DataRow));
}
void TtsCustomDBGrid::DoCellLoaded(Integer DataCol, const Variant& DataRow, Variant& Value) {
  if (OnCellLoaded) OnCellLoaded(this, DataCol, Copy(DataRow), Value);
}
void TtsCustomDBGrid::DoPaintCell(Integer DataCol, const Variant& DataRow, const TRect& ARect, TtsPaintCellState State,
                                  bool& Cancel) {
  if (OnPaintCell) OnPaintCell(this, DataCol, Copy(DataRow), ARect, State, Cancel);
}
bool TtsCustomDBGrid::ActivateDoGetDrawInfo() { return static_cast<bool>(OnGetDrawInfo); }
void TtsCustomDBGrid::DoGetDrawInfo(Integer DataCol, const Variant& DataRow, TtsDrawInfo& DrawInfo) {
  if (OnGetDrawInfo) OnGetDrawInfo(this, DataCol, Copy(DataRow), DrawInfo);
}
void TtsCustomDBGrid::DoPrintRow(const Variant& DataRow, bool& Cancel) {
  if (OnPrintRow && CanActivateEvent()) OnPrintRow(this, Copy(DataRow), Cancel);
}
void TtsCustomDBGrid::DoPrintCell(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  if (OnPrintCell && CanActivateEvent()) OnPrintCell(this, DataCol, Copy(DataRow), Cancel);
}

// ---- Record ids, record scans and the field layout ---------------------------------------------------------
// With record ids off (or no handler to give them) every record's id is Unassigned.
void TtsCustomDBGrid::DoGetRecordID(const Variant& DataRow, Variant& RecordID) {
  RecordID = Variant();
  if (CanUseRecordIds()) OnGetRecordID(this, Copy(DataRow), RecordID);
}
void TtsCustomDBGrid::DoCompareRecordId(const Variant& Id1, const Variant& Id2, Integer& Result) {
  if (OnCompareRecordID) OnCompareRecordID(this, Copy(Id1), Copy(Id2), Result);
}
void TtsCustomDBGrid::DoOnScanRecords(bool ScanAll, TtsScanState State, Integer Count, bool& Cancel) {
  if (OnScanRecords) OnScanRecords(this, ScanAll, State, Count, Cancel);
}
void TtsCustomDBGrid::DoFieldLayoutChange() {
  if (OnFieldLayoutChange && CanActivateEvent()) OnFieldLayoutChange(this);
}

}  // namespace TSDBGrid
