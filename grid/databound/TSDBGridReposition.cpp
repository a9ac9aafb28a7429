// Moving the current cell and the view of a bound grid after its records scrolled: by a key in a
// cell, by a key or a dataset move in row-select mode (the new record then becomes the only
// selected one, and the rows selected before are repainted from the snapshot), and bringing a
// record into view.
#include <optional>

#include "TSDBGrid.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"
#include "TSDBGridSelection.h"

namespace TSDBGrid {

// ---- The view follows a scroll of Distance records ------------------------------------------------------
void TtsCustomDBGrid::KeyScroll(Integer NewLeftCol, Integer NewTopRow, Integer Distance) {
  TtsScrollMode mode = InEditMode() || FocusRectActive() ? smGridControl : smRowSelect;
  SetScrollMode(mode);
  TtsFinally windowMode([&] { ResetScrollMode(); });
  if (NewLeftCol != GetLeftCol())
    AdjustTopLeft(NewLeftCol, NewTopRow, Distance == 0);
  else if (NewTopRow == GetTopRow())
    DBScroll(0, Distance, false, mode);
  else
    AdjustTopLeft(NewLeftCol, NewTopRow, GetTopRow() + Distance == NewTopRow);
}

void TtsCustomDBGrid::ScrollReposition(Integer Distance, Integer NewLeftCol, Integer NewTopRow, Integer NewCol,
                                       Integer NewRow, bool ByKey, bool PaintOn, bool NotifyTopLeft) {
  FFocusOnKeyUp = ByKey && GetKeyNavigation();
  bool clearOld = (Distance == 0 && NewLeftCol == GetLeftCol()) ||
                  (NewRow != FCurDisplayRow && NewLeftCol != GetLeftCol());
  if (InEditMode()) HideGridControl(clearOld);
  if (clearOld) ClearCurrentFocusRect(true);
  Integer oldRow = FCurDisplayRow;
  SetControlSelectMode(tsAll);
  SetCurrentPosition(NewCol, NewRow, true, false);
  if (oldRow == NewRow) ClearCellBuffer();
  {
    std::optional<TtsPaintSuspension> paintOff;
    if (!PaintOn) paintOff.emplace(this);
    KeyScroll(NewLeftCol, NewTopRow, Distance);
    ShowGridControl();
    DrawCurrentFocusRect(false);
    CheckRowColChanged();
    Update();
    if (clearOld && oldRow > 0 && oldRow < GetRowCount()) ClearCurrent(oldRow);
    if (IsRowSelected(FCurDisplayRow))
      DrawCurrentSelected(FCurDisplayRow);
    else
      DrawCurrent(FCurDisplayRow);
  }
  CheckTopLeftChanged(NotifyTopLeft);
}

// ---- Row-select mode: the new record alone is selected ---------------------------------------------------
// The rows selected at the snapshot, but the current one, are painted unselected.
void TtsCustomDBGrid::UnpaintSavedRowsBesideCurrent() {
  InvertSavedRows(1, FCurDisplayRow - 1);
  InvertSavedRows(FCurDisplayRow + 1, GetRowCount() - 1);
}

void TtsCustomDBGrid::SelectOnlyRecord(const String& Bkm) {
  FSelection->UpdateSelection(Bkm, Bkm, true);
  FLastAddedRow = CurrentBkmPos(Bkm);
}

void TtsCustomDBGrid::RepositionRowSelect(Integer Distance, Integer NewCol, Integer NewRow, Integer NewLeftCol,
                                          Integer NewTopRow) {
  bool selected = FGridStatus == grRowSelect;
  String bkm = FGridData->GetBookmark(NewRow);
  if (Distance != 0) {
    if (selected) {
      UnpaintSavedRowsBesideCurrent();
      FSelection->ResetAll();
      SelectOnlyRecord(bkm);
    }
    SetCurrentPosition(NewCol, NewRow, true, false);
    KeyScroll(NewLeftCol, NewTopRow, Distance);
  } else {
    bool same = CompareBkm(bkm, FCurrentBookmark) == 0;
    bool viewMoves = NewLeftCol != GetLeftCol() || NewTopRow != GetTopRow();
    auto moveView = [&] {
      MoveTopLeft(NewLeftCol, NewTopRow);
      Update();
    };
    if (selected) {
      if (same)
        UnpaintSavedRowsBesideCurrent();
      else
        InvertSavedRows(1, GetRowCount() - 1);
      FSelection->ResetAll();
    }
    if (!same && viewMoves) moveView();
    if (same) {
      SetCurrentPosition(NewCol, NewRow, true, false);
    } else {
      if (FCurDisplayRow > 0 && FCurDisplayRow < GetRowCount()) ClearCurrent(FCurDisplayRow);
      SetCurrentPositionAndDraw(NewCol, NewRow, true, true);
    }
    if (selected) {
      SelectOnlyRecord(bkm);
      if (!same) InvertSelectedRows(NewRow, NewRow, true);
    }
    if (same && viewMoves) moveView();
  }
  CheckRowColChanged();
  CheckTopLeftChanged(true);
}

// ---- Bringing a record into view -------------------------------------------------------------------------
void TtsCustomDBGrid::PutInView(Integer DisplayCol, const Variant& DataRow, TtsViewPosition Position,
                                bool RedrawOldRowBar, bool MakeCurrent, TtsChangeTopLeft Change) {
  if (!FDataBound) {
    inherited::PutInView(DisplayCol, DataRow.ToInteger(), Position, RedrawOldRowBar, MakeCurrent, Change);
    return;
  }
  if (!FDataActive) return;
  CheckHideControl(true);
  Integer newLeft = MoveToDisplayCol(GetLeftCol(), DisplayCol, Position);
  SetControlSelectMode(tsAll);
  auto moveLeft = [&] {
    if (newLeft != GetLeftCol()) SetLeftCol(newLeft);
  };
  if (Change == ctlLeft) {
    moveLeft();
  } else if (Change == ctlTop || Change == ctlBoth) {
    String bkm = VarToStr(DataRow);
    Integer line = FGridData->BufferPos(bkm);
    Integer visible = GetVisibleRowCount();
    if (GetTopRow() < line && line < GetTopRow() + visible) {
      if (Change == ctlBoth) moveLeft();
    } else {
      TtsPaintSuspension paintOff(this);
      SetDBNewTopRow(DataRow);
      if (line >= GetTopRow() + visible || Position == vpBottom || Position == vpBoth) {
        line = FGridData->BufferPos(bkm);
        if (line > 0 && line < visible) {
          // The buffer goes back until the record stands on the last visible line.
          Integer moved = FGridData->MoveBy(line - visible);
          if (FUseStandardScrolling)
            GetDataset()->MoveBy(-moved);
          else
            SetDBNewTopRow(Variant(FGridData->GetBookmark(1)));
        }
      }
      if (Change == ctlBoth) moveLeft();
    }
  }
  UpdateScrollRange();
  CheckTopLeftChanged(false);
  ShowGridControl();
  DrawCurrentFocusRect(false);
}

void TtsCustomDBGrid::PutCellInView(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) {
    inherited::PutCellInView(DataCol, DataRow.ToInteger());
    return;
  }
  if (!FDataActive || DataCol < 1 || DataCol > GetGridColCount() || !CheckBkmType(DataRow)) return;
  PutInView(GetDisplayCol(DataCol), DataRow, vpNone, true, false, ctlBoth);
}

}  // namespace TSDBGrid
