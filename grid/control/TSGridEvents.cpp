// The grid's event layer: the dispatchers that fire the published events (each only with a handler,
// some only outside loading), the key dispatchers, the mouse-status notice, the resize notices, and
// the operations that the descendants implement (a plain engine grid raises the abstract-call error).
#include "TSGridImpl.h"

namespace TSGrid {

// ---- Implemented by the descendants ------------------------------------------------------------------
void TtsBaseGrid::CellLoadedEvent(Integer, Integer, TtsControlType, Variant&) { AbstractCall(); }
bool TtsBaseGrid::PaintCell(TtsDrawData&, const TRect&, bool) { AbstractCall(); }
bool TtsBaseGrid::ActivateDoGetDrawInfo() { AbstractCall(); }
void TtsBaseGrid::TopLeftChangedEvent(Integer, Integer, bool, Integer, Integer) { AbstractCall(); }
void TtsBaseGrid::RowInserted(Integer, bool) { AbstractCall(); }
void TtsBaseGrid::RowDeleted(Integer, bool) { AbstractCall(); }
bool TtsBaseGrid::DoClickCell(Integer, const Variant&, Integer, const Variant&, TtsClickPosition, TtsClickPosition) {
  AbstractCall();
}
void TtsBaseGrid::DoButtonClick(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoButtonDown(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoButtonUp(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoSpinButtonClick(Integer, const Variant&, TtsSpinButton) { AbstractCall(); }
void TtsBaseGrid::DoSpinButtonDown(Integer, const Variant&, TtsSpinButton) { AbstractCall(); }
void TtsBaseGrid::DoSpinButtonUp(Integer, const Variant&, TtsSpinButton) { AbstractCall(); }
void TtsBaseGrid::DoSpinRepeat(Integer, const Variant&, Integer, TtsSpinButton) { AbstractCall(); }
void TtsBaseGrid::DoSpinIncrement(Integer, const Variant&, TtsSpinButton, Variant&, Integer&, Integer&, bool&) {
  AbstractCall();
}
void TtsBaseGrid::DoCellEdit(Integer, const Variant&, bool) { AbstractCall(); }
void TtsBaseGrid::DoComboDropDown(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoComboGetValue(Integer, const Variant&, const Variant&, Variant&) { AbstractCall(); }
void TtsBaseGrid::DoComboInit(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoComboRollUp(Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoDateTimeInit(TtsDateTimeDefComponent*, Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoDateTimeDropDown(TtsDateTimeDefComponent*, Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoDateTimeRollUp(TtsDateTimeDefComponent*, Integer, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoDateTimeGetValue(TtsDateTimeDefComponent*, Integer, const Variant&, Variant&) { AbstractCall(); }
void TtsBaseGrid::DoDblClickCell(Integer, const Variant&, TtsClickPosition) { AbstractCall(); }
void TtsBaseGrid::DoEndCellEdit(Integer, const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoEndRowEdit(const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoInvalidMaskValue(Integer, const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoInvalidMaskEdit(const String&, Integer, const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoCellChanged(Integer, Integer, const Variant&, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoRowChanged(const Variant&, const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoRowLoaded(const Variant&) { AbstractCall(); }
void TtsBaseGrid::DoStartCellEdit(Integer, const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoStartRowEdit(const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::DoUndoCellEdit(Integer, const Variant&, bool, bool&) { AbstractCall(); }
void TtsBaseGrid::DoUndoRowEdit(const Variant&, bool, bool&) { AbstractCall(); }
void TtsBaseGrid::DoShowEditor(Integer, const Variant&, bool&) { AbstractCall(); }
void TtsBaseGrid::Print() { AbstractCall(); }
void TtsBaseGrid::PrintPreview() { AbstractCall(); }
void TtsBaseGrid::ExportGrid() { AbstractCall(); }

// ---- Dispatchers of the grid's events ------------------------------------------------------------------
void TtsBaseGrid::DoPaint() {
  if (OnPaint) OnPaint(this);
}
void TtsBaseGrid::DoResize() {
  if (OnResize && CanActivateEvent()) OnResize(this);
}
void TtsBaseGrid::DoHeadingDown(Integer DataCol, TMouseButton) {
  if (OnHeadingDown) OnHeadingDown(this, DataCol);
}
void TtsBaseGrid::DoHeadingUp(Integer DataCol, TMouseButton) {
  if (OnHeadingUp) OnHeadingUp(this, DataCol);
}
void TtsBaseGrid::DoHeadingClick(Integer DataCol) {
  if (OnHeadingClick) OnHeadingClick(this, DataCol);
}
void TtsBaseGrid::DoColMoved(Integer ToDisplayCol, Integer Count, bool ByUser) {
  if (OnColMoved && CanActivateEvent()) OnColMoved(this, ToDisplayCol, Count, ByUser);
}
void TtsBaseGrid::DoRowMoved(Integer ToDisplayRow, Integer Count, bool ByUser) {
  if (OnRowMoved && CanActivateEvent()) OnRowMoved(this, ToDisplayRow, Count, ByUser);
}
void TtsBaseGrid::DoColChanged(Integer OldCol, Integer) {
  if (OnColChanged && CanActivateEvent()) OnColChanged(this, OldCol, FCurDataCol);
}
void TtsBaseGrid::DoSelectChanged(TtsSelectType SelectType, bool ByUser) {
  if (OnSelectChanged && CanActivateEvent()) OnSelectChanged(this, SelectType, ByUser);
}
void TtsBaseGrid::DoColCountChanged(Integer OldCount, Integer NewCount) {
  if (OnColCountChanged && CanActivateEvent()) OnColCountChanged(this, OldCount, NewCount);
}
void TtsBaseGrid::DoRowCountChanged(Integer OldCount, Integer NewCount) {
  if (OnRowCountChanged && CanActivateEvent()) OnRowCountChanged(this, OldCount, NewCount);
}
void TtsBaseGrid::DoColResized(Integer RowColnr) {
  if (OnColResized && CanActivateEvent()) OnColResized(this, RowColnr);
}
void TtsBaseGrid::DoRowResized(Integer RowColnr) {
  if (OnRowResized && CanActivateEvent()) OnRowResized(this, RowColnr);
}
void TtsBaseGrid::DoCanStartDrag() {
  if (OnCanStartDrag) OnCanStartDrag(this);
}
void TtsBaseGrid::DoMouseStatusChanged(TtsMouseStatus OldStatus, TtsMouseStatus NewStatus) {
  if (OnMouseStatusChanged) OnMouseStatusChanged(this, OldStatus, NewStatus);
}
void TtsBaseGrid::DoGridStatusChanged(TtsGridStatus OldStatus, TtsGridStatus NewStatus) {
  if (OnGridStatusChanged) OnGridStatusChanged(this, OldStatus, NewStatus);
}
void TtsBaseGrid::DoEditTextResized(bool ByUser) {
  if (OnEditTextResized) OnEditTextResized(this, ByUser);
}
void TtsBaseGrid::DoDeleteCol(Integer DataCol, bool ByUser) {
  if (OnDeleteCol && CanActivateEvent()) OnDeleteCol(this, DataCol, ByUser);
}
void TtsBaseGrid::DoInsertCol(Integer DataCol, bool ByUser) {
  if (OnInsertCol && CanActivateEvent()) OnInsertCol(this, DataCol, ByUser);
}
void TtsBaseGrid::DoComboCompareValue(const String& ComboString, const String& CurrentCellString,
                                      Integer& CompareRes) {
  if (OnComboCompareValue) OnComboCompareValue(this, ComboString, CurrentCellString, CompareRes);
}
void TtsBaseGrid::DoComboLCompareValue(const String& ComboString, const String& CurrentCellString, Integer Len,
                                       Integer& CompareRes) {
  if (OnComboLCompareValue) OnComboLCompareValue(this, ComboString, CurrentCellString, Len, CompareRes);
}

// ---- Keys and mask notices -------------------------------------------------------------------------------
void TtsBaseGrid::DoKeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TtsBaseGrid::DoKeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TtsBaseGrid::DoKeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
void TtsBaseGrid::ActivateInvalidMaskValue(bool& Accept) {
  DoInvalidMaskValue(FCurDataCol, Variant(FCurDataRow), Accept);
}
void TtsBaseGrid::ActivateInvalidMaskEdit(const String& Keys, bool& Accept) {
  DoInvalidMaskEdit(Keys, FCurDataCol, Variant(FCurDataRow), Accept);
}

// ---- Mouse status and resize notices ---------------------------------------------------------------------
void TtsBaseGrid::SetMouseStatus(TtsMouseStatus Value) {
  FMouseStatus = Value;
  MouseStatusChanged();
}

void TtsBaseGrid::MouseStatusChanged() {
  if (FMouseStatus == FReportedMouseStatus) return;
  if (InEditMode() && (FMouseStatus == msRowSelect || FMouseStatus == msColSelect || FMouseStatus == msCellSelect ||
                       FMouseStatus == msAllRowSelect))
    InvalidateCell(FCurDisplayCol, FCurDisplayRow);
  TtsMouseStatus old = FReportedMouseStatus;
  FReportedMouseStatus = FMouseStatus;
  DoMouseStatusChanged(old, FMouseStatus);
}

void TtsBaseGrid::ColResized(Integer DataCol) {
  FComboInitialized = false;
  DoColResized(DataCol);
  UpdateScrollRange();
}

void TtsBaseGrid::RowResized(Integer DataRow) {
  DoRowResized(DataRow);
  UpdateScrollRange();
}

}  // namespace TSGrid
