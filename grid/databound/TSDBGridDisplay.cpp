// The display side of the data-bound grid: scrolling, painting and the event layer.
#include "TSDBGridBase.h"

namespace TSDBGrid {

void TtsCustomDBGrid::GetVertScrollRange(Integer& Range, Integer& ScaledRange, Integer& Min, Integer& Max, bool& Scaled) { inherited::GetVertScrollRange(Range, ScaledRange, Min, Max, Scaled); }
Integer TtsCustomDBGrid::GetVertScrollPos() { return inherited::GetVertScrollPos(); }
void TtsCustomDBGrid::UpdateScrollPos() { inherited::UpdateScrollPos(); }
bool TtsCustomDBGrid::ShowVertScrollBar(Integer Height) { return inherited::ShowVertScrollBar(Height); }
Integer TtsCustomDBGrid::VertScrollPageSize(Integer ScaledRange, Integer Range, Integer Max) { return inherited::VertScrollPageSize(ScaledRange, Range, Max); }
void TtsCustomDBGrid::WMVScroll(TMessage& Message) {}
bool TtsCustomDBGrid::UsePositionalScrollbar() { return false; }
Integer TtsCustomDBGrid::GetVertScrollRow(Integer Pos) { return 0; }
void TtsCustomDBGrid::ScrollStandardDataset(TMessage& Message) {}
void TtsCustomDBGrid::ScrollInternalDataset(TMessage& Message) {}
void TtsCustomDBGrid::ScrollToPosition(Integer Where) {}
void TtsCustomDBGrid::MoveToPosition(Integer Where, bool Force) {}
Integer TtsCustomDBGrid::MoveToScrollPos(Integer Pos) { return 0; }
void TtsCustomDBGrid::ScrollBarScroll(Integer Rows) {}
void TtsCustomDBGrid::DBScroll(Integer Cols, Integer Rows, bool Reposition, TtsScrollMode Mode) {}
void TtsCustomDBGrid::DBScrollWindow(Integer DX, Integer DY) {}
void TtsCustomDBGrid::DBScrollControl(Integer DX, Integer DY) {}
void TtsCustomDBGrid::DBScrollRowSelect(Integer DY) {}
Integer TtsCustomDBGrid::ScrollWidth(Integer Cols) { return 0; }
Integer TtsCustomDBGrid::ScrollLineUp(Integer Count, Integer& TopRow, Integer& NewRow, Integer& ScrollRows) { return 0; }
Integer TtsCustomDBGrid::ScrollLineDown(Integer Count, Integer& TopRow, Integer& NewRow, Integer& ScrollRows) { return 0; }
Integer TtsCustomDBGrid::KeyPageUp(Integer Count, Integer& TopRow, Integer& NewRow) { return 0; }
Integer TtsCustomDBGrid::KeyPageDown(Integer Count, Integer& TopRow, Integer& NewRow) { return 0; }
Integer TtsCustomDBGrid::KeyHomeUp(Integer& TopRow, bool& MovedFirst, Integer& NewRow) { return 0; }
Integer TtsCustomDBGrid::KeyEndDown(Integer& TopRow, bool& MovedLast, Integer& NewRow) { return 0; }
Integer TtsCustomDBGrid::ScrollMoveUp(Integer Count) { return 0; }
Integer TtsCustomDBGrid::ScrollMoveDown(Integer Count) { return 0; }
void TtsCustomDBGrid::AdjustTopLeft(Integer LeftCol, Integer TopRow, bool KeepPaint) {}
void TtsCustomDBGrid::AdjustGridSize() {}
void TtsCustomDBGrid::DoResizeGrid() {}
void TtsCustomDBGrid::SyncBufferSize() {}
void TtsCustomDBGrid::SetCurrentRowSelect(Integer Row, bool Draw) {}
void TtsCustomDBGrid::RedrawRow(const Variant& DataRow, bool UseIds, TtsProperty Prop) {}
void TtsCustomDBGrid::CheckTopLeftChanged(bool ByUser) { inherited::CheckTopLeftChanged(ByUser); }
void TtsCustomDBGrid::TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) { inherited::TopLeftChangedEvent(OldCol, OldRow, ByUser, NewRow, NewCol); }
bool TtsCustomDBGrid::CheckRowChanged(Variant& OldRow) { return inherited::CheckRowChanged(OldRow); }
void TtsCustomDBGrid::ActivateCellChanged(Integer OldCol, const Variant& OldRow) { inherited::ActivateCellChanged(OldCol, OldRow); }
void TtsCustomDBGrid::SetCurrentPosition(Integer DisplayCol, Integer DisplayRow, bool InvalidateOld, bool CheckInsertion) { inherited::SetCurrentPosition(DisplayCol, DisplayRow, InvalidateOld, CheckInsertion); }
void TtsCustomDBGrid::MoveToNewRow(Integer DisplayRow, bool ClearFocus, bool Selecting, bool SkipReadOnly) { inherited::MoveToNewRow(DisplayRow, ClearFocus, Selecting, SkipReadOnly); }
void TtsCustomDBGrid::SetNewTopRow(Integer DisplayRow, Integer Height, Integer OldY) { inherited::SetNewTopRow(DisplayRow, Height, OldY); }
void TtsCustomDBGrid::ColResized(Integer DataCol) { inherited::ColResized(DataCol); }
void TtsCustomDBGrid::RowResized(Integer DataRow) { inherited::RowResized(DataRow); }
void TtsCustomDBGrid::SetHeadingOn(bool Value) { inherited::SetHeadingOn(Value); }
void TtsCustomDBGrid::SetGridMode(TtsGridMode Value) { inherited::SetGridMode(Value); }
void TtsCustomDBGrid::SetRowChangedIndicator(TtsRowChangedIndicator Value) { inherited::SetRowChangedIndicator(Value); }
Integer TtsCustomDBGrid::MaxDisplayRows() { return 0; }
void TtsCustomDBGrid::CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) { inherited::CellLoadedEvent(DataCol, DataRow, ControlType, Value); }
void TtsCustomDBGrid::DBCellLoaded(Integer DataCol, const Variant& DataRow, Integer Row, bool ByRowNumber, TtsControlType ControlType, Variant& Value) {}
bool TtsCustomDBGrid::PaintCell(TtsDrawData& DrawData, const TRect& Rect, bool DrawButton) { return inherited::PaintCell(DrawData, Rect, DrawButton); }
bool TtsCustomDBGrid::IsSameRow(Integer Row1, Integer Row2, bool ByRowNumber, const String& Bookmark1, const String& Bookmark2) { return false; }
bool TtsCustomDBGrid::DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp, const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) { return inherited::DoClickCell(DataColDown, DataRowDown, DataColUp, DataRowUp, DownPos, UpPos); }
void TtsCustomDBGrid::DoButtonClick(Integer DataCol, const Variant& DataRow) { inherited::DoButtonClick(DataCol, DataRow); }
void TtsCustomDBGrid::DoButtonDown(Integer DataCol, const Variant& DataRow) { inherited::DoButtonDown(DataCol, DataRow); }
void TtsCustomDBGrid::DoButtonUp(Integer DataCol, const Variant& DataRow) { inherited::DoButtonUp(DataCol, DataRow); }
void TtsCustomDBGrid::DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) { inherited::DoSpinButtonClick(DataCol, DataRow, Button); }
void TtsCustomDBGrid::DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) { inherited::DoSpinButtonDown(DataCol, DataRow, Button); }
void TtsCustomDBGrid::DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) { inherited::DoSpinButtonUp(DataCol, DataRow, Button); }
void TtsCustomDBGrid::DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) { inherited::DoSpinRepeat(DataCol, DataRow, Count, Button); }
void TtsCustomDBGrid::DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value, Integer& Pos, Integer& Len, bool& Accept) { inherited::DoSpinIncrement(DataCol, DataRow, Button, Value, Pos, Len, Accept); }
void TtsCustomDBGrid::DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) { inherited::DoCellEdit(DataCol, DataRow, ByUser); }
void TtsCustomDBGrid::DoComboDropDown(Integer DataCol, const Variant& DataRow) { inherited::DoComboDropDown(DataCol, DataRow); }
void TtsCustomDBGrid::DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow, Variant& Value) { inherited::DoComboGetValue(DataCol, DataRow, ComboDataRow, Value); }
void TtsCustomDBGrid::DoComboInit(Integer DataCol, const Variant& DataRow) { inherited::DoComboInit(DataCol, DataRow); }
void TtsCustomDBGrid::DoComboRollUp(Integer DataCol, const Variant& DataRow) { inherited::DoComboRollUp(DataCol, DataRow); }
void TtsCustomDBGrid::DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) { inherited::DoDateTimeInit(Def, DataCol, DataRow); }
void TtsCustomDBGrid::DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) { inherited::DoDateTimeDropDown(Def, DataCol, DataRow); }
void TtsCustomDBGrid::DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) { inherited::DoDateTimeRollUp(Def, DataCol, DataRow); }
void TtsCustomDBGrid::DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow, Variant& Value) { inherited::DoDateTimeGetValue(Def, DataCol, DataRow, Value); }
void TtsCustomDBGrid::DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos) { inherited::DoDblClickCell(DataCol, DataRow, Pos); }
void TtsCustomDBGrid::DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) { inherited::DoEndCellEdit(DataCol, DataRow, Cancel); }
void TtsCustomDBGrid::DoEndRowEdit(const Variant& DataRow, bool& Cancel) { inherited::DoEndRowEdit(DataRow, Cancel); }
void TtsCustomDBGrid::DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept) { inherited::DoInvalidMaskValue(DataCol, DataRow, Accept); }
void TtsCustomDBGrid::DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept) { inherited::DoInvalidMaskEdit(Keys, DataCol, DataRow, Accept); }
void TtsCustomDBGrid::DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) { inherited::DoCellChanged(OldCol, NewCol, OldRow, NewRow); }
void TtsCustomDBGrid::DoRowChanged(const Variant& OldRow, const Variant& NewRow) { inherited::DoRowChanged(OldRow, NewRow); }
void TtsCustomDBGrid::DoRowLoaded(const Variant& DataRow) { inherited::DoRowLoaded(DataRow); }
void TtsCustomDBGrid::DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) { inherited::DoStartCellEdit(DataCol, DataRow, Cancel); }
void TtsCustomDBGrid::DoStartRowEdit(const Variant& DataRow, bool& Cancel) { inherited::DoStartRowEdit(DataRow, Cancel); }
void TtsCustomDBGrid::DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) { inherited::DoUndoCellEdit(DataCol, DataRow, ByUser, Cancel); }
void TtsCustomDBGrid::DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) { inherited::DoUndoRowEdit(DataRow, ByUser, Cancel); }
void TtsCustomDBGrid::DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel) { inherited::DoShowEditor(DataCol, DataRow, Cancel); }
void TtsCustomDBGrid::ActivateInvalidMaskValue(bool& Accept) { inherited::ActivateInvalidMaskValue(Accept); }
void TtsCustomDBGrid::ActivateInvalidMaskEdit(const String& Keys, bool& Accept) { inherited::ActivateInvalidMaskEdit(Keys, Accept); }
void TtsCustomDBGrid::DoOnScanRecords(bool ScanAll, TtsScanState State, Integer Count, bool& Cancel) {}

void TtsCustomDBGrid::Paint() { inherited::Paint(); }

}  // namespace TSDBGrid
