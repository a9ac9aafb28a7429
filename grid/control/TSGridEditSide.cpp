// The edit lifecycle and the in-place control as a grid without a window sees them: no control is
// shown and no edit is open, so the edit checks pass, nothing starts, and the handlers of the
// control's events have nothing to act on. The reset of all property kinds is here too.
#include "TSGridImpl.h"

namespace TSGrid {

// ---- Showing the in-place control -------------------------------------------------------------------
void TtsBaseGrid::ShowGridControl() {}
void TtsBaseGrid::HideGridControl(bool) {}
bool TtsBaseGrid::CheckHideControl(bool) { return false; }
void TtsBaseGrid::RedisplayControl(bool) {}
void TtsBaseGrid::CheckEnableControl(bool, bool, TtsTextSelectMode) {}
bool TtsBaseGrid::InternalShowEditor(TtsTextSelectMode, bool) { return false; }
bool TtsBaseGrid::StartShowEditor(bool) { return false; }
void TtsBaseGrid::SetMaxTextLength(Integer, Integer) {}
void TtsBaseGrid::SetControlProperties(TtsCustomGridControl*) {}
void TtsBaseGrid::SetCurrentValue(const Variant&, bool, bool) {}

// ---- The edit lifecycle (no edit is open) ---------------------------------------------------------------
bool TtsBaseGrid::CheckEndEdit(Integer, Integer, bool) { return true; }
bool TtsBaseGrid::CanEndEdit(bool) { return true; }
bool TtsBaseGrid::CanEndCellEdit(bool) { return true; }
bool TtsBaseGrid::CanEndRowEdit(bool) { return true; }
bool TtsBaseGrid::EndCellEdit() { return true; }
bool TtsBaseGrid::EndRowEdit() { return true; }
bool TtsBaseGrid::CheckMaskValue() { return true; }
bool TtsBaseGrid::StartCellEdit() { return false; }
bool TtsBaseGrid::StartRowEdit() { return false; }
bool TtsBaseGrid::StartEdit() { return false; }
bool TtsBaseGrid::Edit() { return StartEdit(); }
bool TtsBaseGrid::UndoCellEdit(bool) { return true; }
bool TtsBaseGrid::UndoRowEdit(bool, bool) { return true; }

bool TtsBaseGrid::CheckUndoRowEdit(bool, bool& UndoRow) {
  UndoRow = false;
  return false;
}

void TtsBaseGrid::ResizeRowChanged() {
  if (FChangedRows) FChangedRows->SetSize(GetRowCount());
}

// ---- Events of the in-place control -----------------------------------------------------------------------
void TtsBaseGrid::CtrlOnCanChange(TObject*, bool, bool&) {}
void TtsBaseGrid::CtrlOnChanged(TObject*, bool, bool, bool) {}
void TtsBaseGrid::CtrlOnClick(TObject*) {}
void TtsBaseGrid::CtrlOnDblClick(TObject*) {}
void TtsBaseGrid::CtrlOnDragDrop(TObject*, TObject*, Integer, Integer) {}
void TtsBaseGrid::CtrlOnDragOver(TObject*, TObject*, Integer, Integer, TDragState, bool&) {}
void TtsBaseGrid::CtrlOnEdit(TObject*, bool&) {}
void TtsBaseGrid::CtrlOnEndDrag(TObject*, TObject*, Integer, Integer) {}
void TtsBaseGrid::CtrlOnEndKeyDown(TObject*, Word&, TShiftState) {}
void TtsBaseGrid::CtrlOnEndKeyPress(TObject*, char&) {}
void TtsBaseGrid::CtrlOnKeyDown(TObject*, Word&, TShiftState) {}
void TtsBaseGrid::CtrlOnKeyPress(TObject*, char&) {}
void TtsBaseGrid::CtrlOnKeyUp(TObject*, Word&, TShiftState) {}
void TtsBaseGrid::CtrlOnMouseDown(TObject*, TMouseButton, TShiftState, Integer, Integer) {}
void TtsBaseGrid::CtrlOnMouseMove(TObject*, TShiftState, Integer, Integer) {}
void TtsBaseGrid::CtrlOnMouseUp(TObject*, TMouseButton, TShiftState, Integer, Integer) {}
void TtsBaseGrid::CtrlOnNotifyChanged(TObject*, bool) {}
void TtsBaseGrid::CtrlOnStartDrag(TObject*, TDragObject*&) {}
void TtsBaseGrid::CtrlOnUndoChanged(TObject*, bool, bool&) {}
void TtsBaseGrid::CtrlOnWantKey(TObject*, Word, bool&) {}
void TtsBaseGrid::CtrlOnInvalidMaskEdit(TObject*, const String&, bool&) {}
void TtsBaseGrid::CtrlOnEditTextResized(TObject*, bool) {}

// ---- Resetting every property kind --------------------------------------------------------------------------
void TtsBaseGrid::Reset() { ResetPropKinds(AllPropKinds); }

}  // namespace TSGrid
