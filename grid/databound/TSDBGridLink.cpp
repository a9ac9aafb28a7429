// The data-bound grid's side of the data link: activation, scrolling, content and layout changes,
// row counting and the row-selection anchors kept as bookmarks.
#include "TSDBGridBase.h"
#include "TSDBGridDataLink.h"

namespace TSDBGrid {

void TtsCustomDBGrid::UpdateRowCount(bool UpdateScroll) {}
void TtsCustomDBGrid::CheckExactRowCount(bool Exact) {}
void TtsCustomDBGrid::VerifyEditMode() {}
void TtsCustomDBGrid::VerifyRowChanged() {}
Integer TtsCustomDBGrid::DatasetScrolledUp(Integer Distance, Integer Offset, Integer& TopRow, Integer& NewRow,
                                           Integer& Count) {
  return 0;
}
Integer TtsCustomDBGrid::DatasetScrolledDown(Integer Distance, Integer Offset, Integer& TopRow, Integer& NewRow,
                                             Integer& Count) {
  return 0;
}
void TtsCustomDBGrid::UndoAppendedRow() {}
bool TtsCustomDBGrid::InsertionRowIsOff() { return false; }
void TtsCustomDBGrid::SetLastAddedRow(Integer Row) { inherited::SetLastAddedRow(Row); }
void TtsCustomDBGrid::ResetScrollPosition() {}
void TtsCustomDBGrid::ResetSelectionStart() {}
void TtsCustomDBGrid::SetSelectionStartRow(Integer Row) { inherited::SetSelectionStartRow(Row); }
Integer TtsCustomDBGrid::SelectionStartRownr() { return inherited::SelectionStartRownr(); }
String TtsCustomDBGrid::GetSelectionStart() { return String(); }
void TtsCustomDBGrid::CheckSetCurrentRow(Integer Row) { inherited::CheckSetCurrentRow(Row); }
void TtsCustomDBGrid::EndRowSelecting(bool KeepCapture) { inherited::EndRowSelecting(KeepCapture); }
bool TtsCustomDBGrid::CanMoveToPos(Integer DisplayCol, Integer DisplayRow) {
  return inherited::CanMoveToPos(DisplayCol, DisplayRow);
}
void TtsCustomDBGrid::CheckRowCountChanged(Integer OldCount, Integer NewCount) {
  inherited::CheckRowCountChanged(OldCount, NewCount);
}
bool TtsCustomDBGrid::ExecuteAction(ActnList::TBasicAction* Action) { return inherited::ExecuteAction(Action); }
bool TtsCustomDBGrid::UpdateAction(ActnList::TBasicAction* Action) { return inherited::UpdateAction(Action); }
void TtsCustomDBGrid::Dispatch(TMessage& Message) { inherited::Dispatch(Message); }

}  // namespace TSDBGrid
