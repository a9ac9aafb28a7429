// Tab, Enter and Right (Shift+Tab and Left) in a cell of a bound grid: the next (previous) column
// of the record, and with TabRowWrap the first (last) enterable column of the next (previous)
// record, appending a record past the last one.
#include "TSDBGrid.h"
#include "TSDBGridDisplayImpl.h"
#include "WinInput.h"

namespace TSDBGrid {

Integer TtsCustomDBGrid::TabWrapCol(bool Next) {
  Integer col = Next ? LeftMostCol(true, false) : RightMostCol(true, false);
  return col < 1 || col > GetGridColCount() ? 1 : col;
}

void TtsCustomDBGrid::KeyDownVK_Tab(Word Key) {
  if (!FDataBound) {
    inherited::KeyDownVK_Tab(Key);
    return;
  }
  if (FCurDisplayRow < 1) return;
  if (FCurDisplayCol < RightMostCol(true, false)) {
    Integer before = FCurDisplayCol;
    inherited::KeyDownVK_Tab(Key);
    if (FCurDisplayCol != before) return;
  }
  if (!CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  FGridData->SetActiveRecord(FCurDataRow);
  if (!FTabRowWrap || !CanMoveDown()) {
    if (Key == VK_RETURN && CheckEndEdit(-1, -1, true)) GetCurrentCell()->SelectAll();
    return;
  }
  bool wasInsert = FDataEditMode == demInsert;
  if (!CheckEndEdit(FCurDataCol, -1, true)) return;
  Integer target = TabWrapCol(true);
  Integer newLeft = MoveToDisplayCol(GetLeftCol(), target, vpRight);
  // The inserted record was left empty and dropped: the cursor stands on the record below already.
  if (wasInsert && !FEditModified) {
    ScrollReposition(0, newLeft, GetTopRow(), target, FCurDisplayRow, true, true, true);
    return;
  }
  Integer top = 0, newRow = 0, rows = 0;
  if (ScrollLineDown(1, top, newRow, rows) != 0) {
    {
      TtsPaintSuspension paintOff(this);
      ScrollReposition(0, newLeft, GetTopRow(), target, FCurDisplayRow, true, true, true);
    }
    if (GetDataset()->MoveBy(1) != 0) return;
  }
  if (ReadOnly() || !(FAutoInsert || FGridMode == gmEditInsert)) return;
  TtsPaintSuspension paintOff(this);
  ScrollReposition(0, newLeft, GetTopRow(), target, FCurDisplayRow, true, true, true);
  Append();
}

void TtsCustomDBGrid::ShiftKeyDownVK_Tab() {
  if (!FDataBound) {
    inherited::ShiftKeyDownVK_Tab();
    return;
  }
  if (FCurDisplayRow < 1) return;
  if (FCurDisplayCol > LeftMostCol(true, false)) {
    inherited::ShiftKeyDownVK_Tab();
    return;
  }
  if (!FTabRowWrap || !CanMoveToPos(FCurDisplayCol, FCurDisplayRow)) return;
  bool wasAppend = FDataEditMode == demAppend;
  if (!CheckEndEdit(FCurDataCol, -1, true)) return;
  Integer target = TabWrapCol(false);
  Integer newLeft = MoveToDisplayCol(GetLeftCol(), target, vpNone);
  // The appended record was left empty and dropped: the cursor stands on the record above already.
  if (wasAppend && !FEditModified) {
    ScrollReposition(0, newLeft, GetTopRow(), target, FCurDisplayRow, true, true, true);
    return;
  }
  Integer top = 0, newRow = 0, rows = 0;
  if (ScrollLineUp(1, top, newRow, rows) == 0) return;
  {
    TtsPaintSuspension paintOff(this);
    ScrollReposition(0, newLeft, GetTopRow(), target, FCurDisplayRow, true, true, true);
  }
  GetDataset()->Prior();
}

}  // namespace TSDBGrid
