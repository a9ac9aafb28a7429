// Selecting by a press of the left button: the row bar, the headings, cell ranges, data cells and
// the start of column and row moves.
#include "TSGridImpl.h"

namespace TSGrid {

void TtsBaseGrid::MDRowSelect(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::MDColSelect(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::MDRangeSelecting(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::MDSelectNone(TShiftState, Integer, Integer, Integer, Integer) {}
bool TtsBaseGrid::DblClickSelectNone(TShiftState, Integer, Integer, Integer, Integer) { return false; }

void TtsBaseGrid::MouseSelectRows(TShiftState, Integer, bool& Handled) { Handled = false; }
void TtsBaseGrid::SelectRowMouseDown(Integer) {}
void TtsBaseGrid::SelectRowCtrlMouseDown(Integer) {}
void TtsBaseGrid::SelectRowShiftMouseDown(Integer, bool& Handled) { Handled = false; }
void TtsBaseGrid::SelectRowShiftCtrlMouseDown(Integer, bool& Handled) { Handled = false; }
void TtsBaseGrid::SetNewSelectedRow(Integer) {}

void TtsBaseGrid::MouseSelectCols(TShiftState, Integer) {}
void TtsBaseGrid::SelectColMouseDown(Integer) {}
void TtsBaseGrid::SelectColCtrlMouseDown(Integer) {}
void TtsBaseGrid::SelectColShiftMouseDown(Integer) {}
void TtsBaseGrid::SelectColShiftCtrlMouseDown(Integer) {}

void TtsBaseGrid::StartRowMoving(Integer) {}
void TtsBaseGrid::StartColMoving(Integer) {}
void TtsBaseGrid::DrawRowMove() {}
void TtsBaseGrid::DrawColMove() {}

}  // namespace TSGrid
