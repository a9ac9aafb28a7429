// Dragging a row selection with the mouse over the rows of a bound grid: the selection grows and
// shrinks record by record, and the selection start, which may have scrolled out of the buffer, is
// remembered by the side of it the pointer was last seen on. The auto-scroll loops that run when the
// pointer leaves the rows are in TSDBGridDragScroll.cpp.
#include "TSCommon.h"
#include "TSDBGrid.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

using TSCommon::Sign;

// ---- Positions and toggles ---------------------------------------------------------------------------------
TtsBkmPos TtsCustomDBGrid::DragLinePos(Integer Row) {
  Integer rows = GetGridRowCount();
  TtsBkmPos pos;
  if (Row <= 0)
    FGridData->CheckPrevBkmPos(CurrentBkmPos(FGridData->GetBookmark(1)), pos);
  else if (Row > rows)
    FGridData->CheckNextBkmPos(CurrentBkmPos(FGridData->GetBookmark(rows)), pos);
  else
    pos = CurrentBkmPos(FGridData->GetBookmark(Row));
  return pos;
}

TtsBkmPos TtsCustomDBGrid::NextPos(const TtsBkmPos& Pos) {
  TtsBkmPos next;
  FGridData->NextBkmPos(Pos, next);
  return next;
}

TtsBkmPos TtsCustomDBGrid::PrevPos(const TtsBkmPos& Pos) {
  TtsBkmPos prev;
  FGridData->PrevBkmPos(Pos, prev);
  return prev;
}

void TtsCustomDBGrid::ToggleDragSpan(const TtsBkmPos& From, const TtsBkmPos& To, Integer FromLine,
                                     Integer ToLine) {
  if (!FSelection->GetUseRangeSelection()) {
    FSelection->ChangeRownrSelection(FromLine, ToLine);
    return;
  }
  // An empty span (the end one record before the start) toggles nothing.
  TtsBkmPos from = From, to = To;
  if (FGridData->CompareBkmPos(from, to) > 0) return;
  TtsCombineRange combine = FScrollDirection < 0 ? crNext : FScrollDirection > 0 ? crPrior : crBoth;
  FSelection->ChangeBkmPosSelection(From, To, combine);
}

// ---- Where the pointer is -----------------------------------------------------------------------------------
void TtsCustomDBGrid::SetSelectDirection(Integer Row) { FSelectDirection = Sign(Row - FLastAddedDisplayRow); }

void TtsCustomDBGrid::SetScrollPosition(Integer Row) {
  Integer side = FStartSide;
  if (FSelectDirection != 0 || FScrollDirection != 0) {
    String start = GetSelectionStart();
    if (FScrollDirection != 0) {
      // While the loop scrolls, the start can only be met coming in at the edge of the view.
      bool onStart = CompareBkm(FGridData->GetBookmark(Row), start) == 0;
      if (side != 0 && onStart)
        side = 0;
      else if (side == 0 && !onStart)
        side = FScrollDirection;
    } else if (Integer line = FGridData->BufferPos(start); line != 0) {
      side = Sign(Row - line);
    }
  }
  FPreviousStartSide = FStartSide;
  FStartSide = side;
}

Integer TtsCustomDBGrid::CompareRowPos(Integer Row) {
  if (!FDataBound) return inherited::CompareRowPos(Row);
  if (!FDataActive || Row > GetGridRowCount()) return -1;
  SetScrollPosition(Row);
  return FStartSide;
}

bool TtsCustomDBGrid::ScrollRows(Integer X, Integer Y, Integer& Col, Integer& Row) {
  if (!FDataBound) return inherited::ScrollRows(X, Y, Col, Row);
  if (!FDataActive) return false;
  bool below = Y >= GetMaxScrollHeight();
  if (!below && Y >= GetFixedHeight()) {
    FSuppressAutoScroll = false;
    SetSelectDirection(Row);
    return false;
  }
  if (FSuppressAutoScroll) return true;
  Integer col = Col;
  SetSelectDirection(Row);
  MoveView(below ? mdUp : mdDown, Col, Row);
  if (Row < 1 || Row > GetRowCount() - 1) Row = below ? GetRowCount() - 1 : 1;
  Col = col;
  return true;
}

// ---- Moving the end of the selection -------------------------------------------------------------------------
// Each move saves the dataset position for the record arithmetic and restores it before the current
// record follows the pointer; the rows whose state changed are repainted from the snapshot.
void TtsCustomDBGrid::MoveSingleDragRow(Integer Row, const TtsBkmPos& Pos) {
  SaveSelectedRows(0);
  {
    TtsDatasetKeeper keep(this);
    FSelection->ResetAll();
    if (SelectsUnderPointer()) ToggleDragSpan(Pos, Pos, Row, Row);
  }
  Integer old = FCurDisplayRow;
  if (old > 0 && old < GetRowCount()) ClearCurrent(old);
  SetCurrentRowSelect(Row, true);
  FSelectionStart = Pos.Bookmark;
  ToggleChangedRows(1, GetGridRowCount());
}

void TtsCustomDBGrid::SelectLargerRows(Integer Row) {
  if (!FDataBound) {
    inherited::SelectLargerRows(Row);
    return;
  }
  if (!FDataActive) return;
  Integer rows = GetGridRowCount();
  if (Row > rows) --Row;
  Integer last = FLastAddedDisplayRow;
  Integer direction = Sign(Row - last);
  if (direction == 0) {
    if (FIsComboGrid && FRowSelectMode == rsSingle) SelectCurrentRow(Row);
    return;
  }
  if (CurrentRowChanged(Row) && !CheckEndEdit(-1, -1, true)) return;
  TtsBkmPos target;
  if (FRowSelectMode == rsMulti) {
    SaveSelectedRows(0);
    {
      TtsDatasetKeeper keep(this);
      target = DragLinePos(Row);
      if (direction < 0) {
        // Back toward the start.
        ToggleDragSpan(NextPos(target), FLastAddedRow, Row + 1, last);
      } else if (FPreviousStartSide >= 0) {
        ToggleDragSpan(NextPos(FLastAddedRow), target, last + 1, Row);
      } else {
        // The pointer crossed the start from above: the rows above it go, those below it come. A start
        // out of the buffer that cannot be placed by its bookmark lies where its side says.
        Integer start = FGridData->BufferPos(GetSelectionStart());
        if (start == 0 && FBookmarkType == bmtNonOrdered && FStartSide == -1) start = rows + 1;
        TtsBkmPos startPos = CurrentBkmPos(GetSelectionStart());
        ToggleDragSpan(FLastAddedRow, PrevPos(startPos), last, start - 1);
        ToggleDragSpan(NextPos(startPos), target, start + 1, Row);
      }
    }
    CheckSetCurrentRow(Row);
    ToggleChangedRows(1, rows);
  } else {
    if (last >= rows) return;
    {
      TtsDatasetKeeper keep(this);
      target = DragLinePos(Row);
    }
    MoveSingleDragRow(Row, target);
  }
  EndDragStep(Row, target);
}

// Every drag step ends alike: the row reached and its record become the last added ones, and the
// scroll bar, the current-cell events and the selection notice follow.
void TtsCustomDBGrid::EndDragStep(Integer Row, const TtsBkmPos& Target) {
  FLastAddedDisplayRow = Row;
  FLastAddedRow = Target;
  UpdateScrollPos();
  CheckRowColChanged();
  SelectionsChanged(true);
}

void TtsCustomDBGrid::SelectSmallerRows(Integer Row) {
  if (!FDataBound) {
    inherited::SelectSmallerRows(Row);
    return;
  }
  if (!FDataActive) return;
  Integer rows = GetGridRowCount();
  if (Row > rows + 1) --Row;
  Integer last = FLastAddedDisplayRow;
  Integer direction = Sign(Row - last);
  if (direction == 0) {
    if (FIsComboGrid && FRowSelectMode == rsSingle) SelectCurrentRow(Row);
    return;
  }
  if (CurrentRowChanged(Row) && !CheckEndEdit(-1, -1, true)) return;
  TtsBkmPos target;
  if (FRowSelectMode == rsMulti) {
    SaveSelectedRows(0);
    {
      TtsDatasetKeeper keep(this);
      target = DragLinePos(Row);
      if (direction > 0) {
        // Back toward the start.
        ToggleDragSpan(FLastAddedRow, PrevPos(target), last, Row - 1);
      } else if (FPreviousStartSide < 1) {
        ToggleDragSpan(target, PrevPos(FLastAddedRow), Row, last - 1);
      } else {
        // The pointer crossed the start from below.
        Integer start = FGridData->BufferPos(GetSelectionStart());
        TtsBkmPos startPos = CurrentBkmPos(GetSelectionStart());
        ToggleDragSpan(NextPos(startPos), FLastAddedRow, start + 1, last);
        ToggleDragSpan(target, PrevPos(startPos), Row, start - 1);
      }
    }
    CheckSetCurrentRow(Row);
    ToggleChangedRows(1, rows);
  } else {
    if (last <= 1) return;
    {
      TtsDatasetKeeper keep(this);
      target = DragLinePos(Row);
    }
    MoveSingleDragRow(std::max<Integer>(Row, 1), target);
  }
  EndDragStep(Row, target);
}

void TtsCustomDBGrid::SelectCurrentRow(Integer Row) {
  if (!FDataBound) {
    inherited::SelectCurrentRow(Row);
    return;
  }
  if (!FDataActive) return;
  Integer rows = GetGridRowCount();
  Integer last = FLastAddedDisplayRow;
  Integer direction = Sign(Row - last);
  SaveSelectedRows(0);
  if (direction != 0) {
    if (CurrentRowChanged(Row)) CheckSetCurrentRow(Row);
    if (direction > 0 && Row > 1)
      ChangeRowSelection(std::max<Integer>(last, 1), Row - 1);
    else if (direction < 0 && Row < rows)
      ChangeRowSelection(Row + 1, std::min(last, rows));
    SetLastAddedRow(Row);
  } else if (FIsComboGrid && FRowSelectMode == rsSingle &&
             FSelection->GetSelected(Variant(FGridData->GetBookmark(Row))) != FMouseOverGrid) {
    // A drop-down list shows the row under the pointer selected only while the pointer is over it.
    ChangeRowSelection(Row, Row);
  }
  ToggleChangedRows(1, rows);
  SelectionsChanged(true);
}

}  // namespace TSDBGrid
