// The auto-scroll loops of a drag selection over a bound grid's rows. They run inside one mouse-move
// message: each step moves the dataset one record (its scroll notice ignored, the grid scrolls the
// pixels itself), toggles the record that came into view or went out of it, and scrolls the view one
// row. A loop ends when the pointer moves vertically, a mouse message or Escape waits, or the data
// ends; it only peeks at the queue, so that message is handled normally afterwards.
#include "TSCommon.h"
#include "TSDBGrid.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {
constexpr Integer Vertical = 1;
}  // namespace

// ---- Shared pieces --------------------------------------------------------------------------------------------
bool TtsCustomDBGrid::StepDataset(Integer Distance) {
  Integer moved;
  {
    SetIgnoreDatasetScrolled(true);
    TtsFinally listen([&] { SetIgnoreDatasetScrolled(false); });
    moved = FGridData->MoveBy(Distance);
  }
  UpdateRowCount(true);
  return moved != 0;
}

Integer TtsCustomDBGrid::LastDragLine() {
  Integer line = std::min(GetGridRowCount(), GetTopRow() + GetVisibleRowCount());
  return IsInsertRow(line) ? line - 1 : line;
}

void TtsCustomDBGrid::MoveDragEnd(Integer Row, Integer BelowRow, Integer AboveRow) {
  Integer side = CompareRowPos(Row);
  if (side > 0)
    SelectLargerRows(BelowRow);
  else if (side < 0)
    SelectSmallerRows(AboveRow);
  else
    SelectCurrentRow(Row);
}

// With standard scrolling the current row stays where it is on the screen while the records move
// under it: the record now on it becomes the current record and only the rows beside it scroll.
void TtsCustomDBGrid::RowSelectScroll(const String& Bkm, Integer Distance) {
  if (!FUseStandardScrolling) {
    DBScroll(0, Distance, true, smWindow);
    return;
  }
  FPrevDisplayRow = FCurDisplayRow;
  SetCurrentRec(Bkm, FCurDisplayRow);
  DBScroll(0, Distance, false, smRowSelect);
}

// The selection start came into view at Line: the selection ends at the start again.
void TtsCustomDBGrid::ScrollOverStart(Integer Line, Integer Distance) {
  String bkm = FGridData->GetBookmark(Line);
  RowSelectScroll(bkm, Distance);
  FLastAddedRow = CurrentBkmPos(bkm);
  FLastAddedDisplayRow = Line;
  Update();
  CheckTopLeftChanged(true);
}

// ---- The loops -------------------------------------------------------------------------------------------------
void TtsCustomDBGrid::DownRowSelecting(const TPoint& Pointer, const TPoint& StartPointer, Integer Row) {
  if (!FDataBound) {
    inherited::DownRowSelecting(Pointer, StartPointer, Row);
    return;
  }
  if (!FDataActive) return;
  // The pointer has just left the rows, so the start, when buffered, is still judged by its line.
  Integer last = std::min(MaxVisibleRow(), GetGridRowCount());
  MoveDragEnd(last, last, last + 1);
  FScrollDirection = 1;
  TtsFinally stop([&] { FScrollDirection = 0; });
  bool multi = FRowSelectMode == rsMulti;
  TPoint pointer = StartPointer;
  while (AutoScrollGoesOn(StartPointer, pointer, Vertical, Vertical)) {
    bool moved = StepDataset(1);
    Integer line = std::min(GetGridRowCount(), GetTopRow() + GetVisibleRowCount());
    Integer side = CompareRowPos(line);
    if (!moved) {
      // The end of the data is in the buffer: the view scrolls inside it while it can.
      if (side == 0) SelectCurrentRow(line);
      if (GetTopRow() >= GetMaxTopRow()) break;
      AdjustTopLeft(GetLeftCol(), GetTopRow() + 1, true);
      Update();
    } else if (side < 0 && multi) {
      DeleteScrollingDown();
    } else if (side == 0 && multi) {
      ScrollOverStart(line, 1);
    } else {
      AddScrollingDown();
    }
  }
}

void TtsCustomDBGrid::UpRowSelecting(const TPoint& Pointer, const TPoint& StartPointer, Integer Row) {
  if (!FDataBound) {
    inherited::UpRowSelecting(Pointer, StartPointer, Row);
    return;
  }
  if (!FDataActive) return;
  MoveDragEnd(GetTopRow(), GetTopRow() - 1, GetTopRow());
  FScrollDirection = -1;
  TtsFinally stop([&] { FScrollDirection = 0; });
  bool multi = FRowSelectMode == rsMulti;
  TPoint pointer = StartPointer;
  while (AutoScrollGoesOn(StartPointer, pointer, Vertical, Vertical)) {
    Integer top = GetTopRow();
    if (top >= 2) {
      // Records above the view are still buffered: the view scrolls inside the buffer.
      Integer side = CompareRowPos(top - 1);
      if (side < 0 && multi) {
        AddTopRowScrollingUp();
      } else if (side == 0 && multi) {
        AdjustTopLeft(GetLeftCol(), top - 1, true);
        SetLastAddedRow(GetTopRow());
        Update();
        CheckTopLeftChanged(true);
      } else {
        DeleteTopRowScrollingUp();
      }
      continue;
    }
    if (!StepDataset(-1)) {
      if (CompareBkm(FGridData->GetBookmark(top), GetSelectionStart()) == 0) SelectCurrentRow(1);
      break;
    }
    Integer side = CompareRowPos(top);
    if (side < 0 && multi) {
      AddScrollingUp();
    } else if (side == 0 && multi) {
      ScrollOverStart(top, -1);
    } else {
      DeleteScrollingUp();
    }
  }
}

// ---- The steps --------------------------------------------------------------------------------------------------
// A step toggles the records without painting them: the scroll that follows repaints their rows.
void TtsCustomDBGrid::AddScrollingDown() {
  if (!FDataBound) {
    inherited::AddScrollingDown();
    return;
  }
  if (!FDataActive) return;
  Integer line = LastDragLine();
  TtsBkmPos pos = DragLinePos(line);
  if (FRowSelectMode == rsMulti) {
    {
      TtsDatasetKeeper keep(this);
      TtsBkmPos from;
      FGridData->CheckNextBkmPos(FLastAddedRow, from);
      ToggleDragSpan(from, pos, FLastAddedDisplayRow, line);
    }
    RowSelectScroll(pos.Bookmark, 1);
  } else {
    {
      TtsDatasetKeeper keep(this);
      FSelection->ResetAll();
      if (SelectsUnderPointer()) ToggleDragSpan(pos, pos, line, line);
    }
    SetCurrentRowSelect(line, false);
    DBScroll(0, 1, true, smRowSelect);
    FSelectionStart = pos.Bookmark;
  }
  FLastAddedRow = pos;
  FLastAddedDisplayRow = line;
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

void TtsCustomDBGrid::DeleteScrollingDown() {
  if (!FDataBound) {
    inherited::DeleteScrollingDown();
    return;
  }
  if (!FDataActive) return;
  Integer line = LastDragLine();
  TtsBkmPos pos = DragLinePos(line);
  {
    TtsDatasetKeeper keep(this);
    if (FSelectDirection >= 0 || FScrollDirection > 0)
      ToggleDragSpan(FLastAddedRow, pos, FLastAddedDisplayRow - 1, line);
    FLastAddedRow = NextPos(pos);
  }
  FLastAddedDisplayRow = line + 1;
  RowSelectScroll(pos.Bookmark, 1);
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

void TtsCustomDBGrid::AddScrollingUp() {
  Integer top = GetTopRow();
  TtsBkmPos pos = DragLinePos(top);
  if (FSelectDirection < 0 || FScrollDirection < 0) {
    {
      TtsDatasetKeeper keep(this);
      ToggleDragSpan(pos, PrevPos(FLastAddedRow), top, FLastAddedDisplayRow);
    }
    FLastAddedRow = pos;
    FLastAddedDisplayRow = top;
  }
  RowSelectScroll(pos.Bookmark, -1);
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

// The record that became the current one is the record at the top row, the one the dataset has just
// moved to, as for the other upward steps.
void TtsCustomDBGrid::DeleteScrollingUp() {
  Integer top = GetTopRow();
  TtsBkmPos pos = DragLinePos(1);
  if (FRowSelectMode == rsMulti) {
    {
      TtsDatasetKeeper keep(this);
      TtsBkmPos last;
      FGridData->ActualBkmPos(FLastAddedRow, last);
      ToggleDragSpan(pos, last, top, FLastAddedDisplayRow + 1);
      FLastAddedRow = PrevPos(pos);
    }
    FLastAddedDisplayRow = top - 1;
    RowSelectScroll(FGridData->GetBookmark(top), -1);
  } else {
    {
      TtsDatasetKeeper keep(this);
      FSelection->ResetAll();
      if (SelectsUnderPointer()) ToggleDragSpan(pos, pos, 1, 1);
    }
    SetCurrentRowSelect(1, false);
    FLastAddedRow = pos;
    FLastAddedDisplayRow = 1;
    FSelectionStart = pos.Bookmark;
    DBScroll(0, -1, true, smRowSelect);
  }
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

void TtsCustomDBGrid::AddTopRowScrollingUp() {
  Integer top = GetTopRow();
  TtsBkmPos pos = DragLinePos(top - 1);
  if (FSelectDirection < 0) {
    {
      TtsDatasetKeeper keep(this);
      ToggleDragSpan(pos, PrevPos(FLastAddedRow), top - 1, FLastAddedDisplayRow - 1);
    }
    FLastAddedRow = pos;
    FLastAddedDisplayRow = top - 1;
  }
  AdjustTopLeft(GetLeftCol(), top - 1, true);
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

void TtsCustomDBGrid::DeleteTopRowScrollingUp() {
  Integer top = GetTopRow();
  TtsBkmPos pos = DragLinePos(top - 1);
  if (FRowSelectMode == rsMulti) {
    {
      TtsDatasetKeeper keep(this);
      ToggleDragSpan(pos, FLastAddedRow, top - 1, FLastAddedDisplayRow);
      FLastAddedRow = PrevPos(pos);
    }
    FLastAddedDisplayRow = top - 1;
    AdjustTopLeft(GetLeftCol(), top - 1, true);
  } else {
    {
      TtsDatasetKeeper keep(this);
      FSelection->ResetAll();
      ToggleDragSpan(pos, pos, top - 1, top - 1);
    }
    FLastAddedRow = pos;
    FLastAddedDisplayRow = top - 1;
    SetCurrentRowSelect(top - 1, false);
    AdjustTopLeft(GetLeftCol(), top - 1, true);
  }
  Update();
  CheckTopLeftChanged(true);
  SelectionsChanged(true);
}

}  // namespace TSDBGrid
