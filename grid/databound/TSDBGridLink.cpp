// The data-bound grid's side of the data link: activation, scrolling, content
// and layout changes, row counting and the row-selection anchors kept as
// bookmarks. The handlers tolerate re-entry: the grid's own moves of the
// dataset come back as notices, which the nesting counters turn away.
#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

// Without a dataset any strategy will do.
bool TtsCustomDBGrid::CheckDataset(TtsDatasetType DatasetType, TDataSet *DataSet) {
  return !DataSet || DatasetSuits(DatasetType);
}

void TtsCustomDBGrid::LinkActive(bool Value) {
  if (Value == FDataLinkActive) return;
  if (!FDataActive && !CheckDataset(FDatasetType, FDataLink->DataSet())) SetDatasetType(dstStandard);
  bool updating = !ComponentState().Contains(csUpdating);
  if (updating) Updating();
  bool paintSuspended = false;
  // However the steps end: painting and combo extents resumed, the updating
  // state left, and the layout and change notices given.
  TtsFinally tail([&] {
    if (paintSuspended) {
      SetSetComboExtents(true);
      SetEnablePaint(true);
      AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
    }
    if (updating) Updated();
    DoFieldLayoutChange();
    if (InRowSelectMode()) DeleteAllRowSelection();
    UpdateScrollRange();
    CheckRowColChanged();
    CheckRowSelection(true);
    SelectionsChanged(false);
    CheckTopLeftChanged(false);
    GridStatusChanged();
  });
  SetSetComboExtents(false);
  SetEnablePaint(false);
  paintSuspended = true;
  ResetLastRow();
  ResetLastCell();
  InitActiveFields();
  ClearCellBuffer();
  HideGridControl(true);
  if (!FDataLinkActive) {
    UndoInsertRow();
    SetCurrentPosition(FCurDisplayCol, 0, true, true);
  }
  if (InRowSelectMode()) DeleteAllRowSelection();
  FDataLinkActive = Value;
  if (Value) {
    FieldLayoutChanged(true, true, true);
    FGridData->LinkActive(true);
    FDataActive = FGridData->GetActive();
    if (!FUseStandardScrolling) FGridData->MoveFirst();
    UpdateRowCount(true);
  } else {
    FGridData->LinkActive(false);
    FDataActive = false;
    UpdateRowCount(true);
    FieldLayoutChanged(true, true, true);
  }
  ShowGridControl();
  if (FDataActive)
    PositionCurrentRec(FCurDisplayCol, FDataLink->DataSet()->GetBookmark(), false, false);
  else
    SetCurrentPosition(FCurDisplayCol, GetGridRowCount() == 0 ? 0 : 1, true, true);
  CheckExactRowCount(true);
  CheckApplyProps(true);
}

void TtsCustomDBGrid::CheckBrowseMode() { FBrowseModePending = true; }

void TtsCustomDBGrid::DataSetScrolled(Integer Distance) {
  if (FUseStandardScrolling) FStandardDataset->MoveIdBuffers(Distance);
  FGridData->ClearPropBuffer(0, 0, true);
  if (GetIgnoreDatasetScrolled() || GetInSyncDataset()) return;
  {
    SetInDatasetEvent(true);
    TtsFinally leaveEvent([&] { SetInDatasetEvent(false); });
    SetCanSynchronize(false);
    TtsFinally allowSync([&] { SetCanSynchronize(true); });
    String bookmark = FDataLink->DataSet()->GetBookmark();
    Integer r = FGridData->CurrentBufRow();
    if (r != 0) {
      Integer offset = 0;
      if (FUseStandardScrolling && FGridData->CompareBkm(bookmark, FCurrentBookmark) != 0)
        offset = FGridData->BufferRow(bookmark) - FCurDataRow;
      Integer topRow = 0, newRow = 0, count = 0, rows = 0;
      bool upward = Distance < 0 || (Distance == 0 && offset < 0);
      bool downward = Distance > 0 || (Distance == 0 && offset > 0);
      // A move in row-select mode selects the new record alone; the rows selected before are
      // repainted from a snapshot of the lines as they stood before the scroll.
      bool selecting = InRowSelectMode() || FKeyRowSelecting;
      if (selecting && (upward || downward)) SaveSelectedRows(Distance);
      Integer oldRow = FCurDataRow;
      if (upward) {
        if (FUseStandardScrolling)
          rows = DatasetScrolledUp(Distance, offset, topRow, newRow, count);
        else
          count = ScrollLineUp(std::abs(Distance + offset), topRow, newRow, rows);
      } else if (downward) {
        if (FUseStandardScrolling)
          rows = DatasetScrolledDown(Distance, offset, topRow, newRow, count);
        else
          count = ScrollLineDown(Distance + offset, topRow, newRow, rows);
      }
      // The records moved by the link's distance; the rest of the step is the current record moving
      // inside the window, which moves no pixels.
      Integer shift = FUseStandardScrolling ? count : rows;
      if (rows != 0 && selecting)
        RepositionRowSelect(upward ? -count : count, FCurDisplayCol, newRow, GetLeftCol(), topRow);
      else if (rows != 0)
        ScrollRecordLines(upward ? -shift : shift, oldRow);
      PositionCurrentRec(FCurDisplayCol, bookmark, true, false);
    } else {
      PositionCurrentRec(FCurDisplayCol, bookmark, true, false);
      if (FGridData->CurrentBufRow() != 0) ShowGridControl();
    }
  }
  UpdateScrollRange();
  FCellChangePending = false;
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(false);
  CheckTopLeftChanged(false);
}

void TtsCustomDBGrid::ScrollRecordLines(Integer Shift, Integer OldRow) {
  Integer lines = GetVisibleRowCount();
  bool movable = HandleAllocated() && CanPaint() && FUseStandardScrolling &&
                 GetTopRow() == GetFixedRows() && lines >= 2 && std::abs(Shift) < lines;
  if (!movable) {
    Invalidate();
    return;
  }
  // Record lines all have the grid's one row height.
  TRect first, second;
  CellRect(GetLeftCol(), GetTopRow(), first);
  CellRect(GetLeftCol(), GetTopRow() + 1, second);
  Integer pitch = second.top - first.top;
  if (pitch <= 0) {
    Invalidate();
    return;
  }
  // Only the record lines move: the empty area below the last one stays as it is.
  TRect last;
  CellRect(GetLeftCol(), GetGridRowCount(), last);
  Integer bottom = std::min<Integer>(GetClientHeight(), last.top + pitch);
  ScrollRect(0, GetFixedHeight(), GetClientWidth(), bottom, -Shift * pitch, false);
  // The current row's marks (its focus frame reaches a pixel into its neighbours) moved with the
  // pixels: the lines around where they went and where they were are painted again.
  Integer moved = OldRow - Shift;
  for (Integer line : {moved - 1, moved, moved + 1, OldRow - 1, OldRow, OldRow + 1})
    if (line >= 1 && line <= GetGridRowCount()) InvalidateRow(line);
}

Integer TtsCustomDBGrid::DatasetScrolledUp(Integer Distance, Integer Offset, Integer &TopRow, Integer &NewRow,
                                           Integer &Count) {
  NewRow = std::max(GetFixedRowCount(), Offset + FCurDataRow);
  TopRow = GetTopRow();
  Count = std::abs(Distance);
  return std::abs(Distance + Offset);
}

Integer TtsCustomDBGrid::DatasetScrolledDown(Integer Distance, Integer Offset, Integer &TopRow, Integer &NewRow,
                                             Integer &Count) {
  Count = Distance;
  NewRow = std::min(GetGridRowCount(), Offset + FCurDataRow);
  TopRow = GetTopRow();
  return Distance + Offset;
}

void TtsCustomDBGrid::DataSetChanged() {
  ClearCacheBuffers();
  if (GetInSyncDataset()) return;
  {
    SetInDatasetEvent(true);
    TtsFinally leaveEvent([&] { SetInDatasetEvent(false); });
    TDataSet *dataSet = FDataLink->DataSet();
    if (FLinkEditing) {
      PositionCurrentRec(FCurDisplayCol, dataSet->GetBookmark(), false, false);
    } else {
      if (ResetDatasetProperties()) FGridData->SetProperties(false);
      if (ReopenDataset())
        ResetDataset(true);
      else
        FollowDatasetRecord(dataSet);
    }
    if ((!FWasEditing && !FNowEditing) || FCurDataRow == 0) HideGridControl(true);
    ShowGridControl();
    FCellChangePending = FWasEditing = FNowEditing = FEndingEdit = false;
    UpdateRowCount(true);
  }
  CheckRowColChanged();
  CheckRowSelection(FUseStandardScrolling);
  SelectionsChanged(false);
  CheckTopLeftChanged(false);
}

// The dataset's content changed outside an edit: the view follows its current
// record.
void TtsCustomDBGrid::FollowDatasetRecord(TDataSet *DataSet) {
  if (FGridData->IndexChanged()) {
    FGridData->SaveCurIndex();
    ClearCurPosition();
  }
  String bookmark = DataSet->GetBookmark();
  if (BkmEqual(FCurrentBookmark, bookmark)) {
    if (!FEndingEdit) {
      FGridData->RereadBuffer(GetTopRow(), true);
      UpdateRowCount(true);
      Invalidate();
      if (GetTopRow() > 1 && !FGridData->GetAtEnd()) {
        SetEnablePaint(false);
        TtsFinally resume([&] { SetEnablePaint(true); });
        SetTopRow(1);
      }
    }
    if (!FWasEditing)
      ClearCellBuffer();
    else if (FUseStandardScrolling)
      Invalidate();
    PositionCurrentRec(FCurDisplayCol, bookmark, false, false);
  } else {
    if (!DataSet->Eof() && !DataSet->Bof()) {
      if (!FEndingEdit) FGridData->RereadBuffer(1, false);
      ClearCellBuffer();
    } else if (DataSet->Eof() && !DataSet->Bof() && !FUseStandardScrolling) {
      FGridData->MoveLast();
    } else if (DataSet->Bof() && !FUseStandardScrolling) {
      FGridData->MoveFirst();
    }
    UpdateRowCount(true);
    PositionCurrentRec(FCurDisplayCol, bookmark, false, false);
    Invalidate();
  }
}

// Equal bookmarks that differ as strings leave the grid's current bookmark in
// the dataset's form.
bool TtsCustomDBGrid::BkmEqual(String &Current, const String &Bookmark) {
  if (FGridData->CompareBkm(Current, Bookmark) != 0) return false;
  Current = Bookmark;
  return true;
}

void TtsCustomDBGrid::LayoutChanged() {
  bool changed = FGridData->FieldLayoutChanged();
  bool orderChanged = FGridData->FieldOrderChanged();
  if (changed) FGridData->SaveFieldLayout();
  {
    SetEnablePaint(false);
    TtsFinally resume([&] { SetEnablePaint(true); });
    Integer leftCol = GetLeftCol(), topRow = GetTopRow();
    FieldLayoutChanged(true, orderChanged, true);
    if (!changed || FUseStandardScrolling)
      SyncData(false);
    else
      SetTopRow(topRow);
    SetLeftCol(std::min(leftCol, std::max(GetFixedColCount(), GetColCount() - 1)));
  }
  DoFieldLayoutChange();
}

// The view follows the dataset after a change of its fields: the grid is reset
// on the dataset's current record.
void TtsCustomDBGrid::SyncData(bool Reset) {
  if (!BoundAndActive()) return;
  if (InRowSelectMode()) DeleteAllRowSelection();
  HideGridControl(true);
  ResetDataset(Reset);
  ShowGridControl();
  CheckRowColChanged();
  CheckRowSelection(true);
  SelectionsChanged(false);
  CheckTopLeftChanged(false);
}

void TtsCustomDBGrid::UpdateRowCount(bool UpdateScroll) {
  if (FDataBound) SetGridRowCount(FDataActive ? FGridData->GetBufferRows() : DefaultRowCount() - GetInsertionRow());
  if (UpdateScroll) UpdateScrollRange();
}

void TtsCustomDBGrid::CheckExactRowCount(bool Exact) {
  if (!FDataActive || !FExactRowCount || FUseStandardScrolling) return;
  FGridData->DoRecCount(Exact);
  UpdateRowCount(true);
}

void TtsCustomDBGrid::VerifyEditMode() {
  if (FUseStandardScrolling && FDataBound && GetGridMode() == gmEditInsert) SetGridMode(gmEdit);
}

void TtsCustomDBGrid::VerifyRowChanged() {
  if (FDataBound && GetRowChangedIndicator() == riOn) SetRowChangedIndicator(riAutoReset);
}

// The scroll strategy's appended rows beyond the window are given back when an
// append ends.
void TtsCustomDBGrid::UndoAppendedRow() {
  if (FUseStandardScrolling) return;
  SetEnablePaint(false);
  TtsFinally resume([&] { SetEnablePaint(true); });
  Integer rows = MaxDisplayRows();
  if (GetGridRowCount() > rows) {
    SetGridRowCount(rows);
    CheckTopLeft(true);
  }
}

bool TtsCustomDBGrid::InsertionRowIsOff() { return GetGridMode() == gmEditInsert && GetInsertionRow() == 0; }

// ---- Row-selection anchors
// ----------------------------------------------------------------------------------
bool TtsCustomDBGrid::BoundAndActive() const { return FDataBound && FDataActive; }

void TtsCustomDBGrid::SetLastAddedRow(Integer Row) {
  inherited::SetLastAddedRow(Row);
  if (BoundAndActive()) FLastAddedRow = CurrentBkmPos(FGridData->GetBookmark(Row));
}

void TtsCustomDBGrid::ResetScrollPosition() { FStartSide = FPreviousStartSide = FSelectDirection = 0; }

void TtsCustomDBGrid::ResetSelectionStart() { FSelectionStart.clear(); }

void TtsCustomDBGrid::SetSelectionStartRow(Integer Row) {
  inherited::SetSelectionStartRow(Row);
  if (!BoundAndActive()) return;
  ResetScrollPosition();
  FSelectionStart = FGridData->GetBookmark(Row);
}

Integer TtsCustomDBGrid::SelectionStartRownr() {
  Integer row = inherited::SelectionStartRownr();
  return BoundAndActive() ? FGridData->BufferRow(GetSelectionStart()) : row;
}

String TtsCustomDBGrid::GetSelectionStart() { return FSelectionStart.empty() ? FCurrentBookmark : FSelectionStart; }

void TtsCustomDBGrid::CheckSetCurrentRow(Integer Row) {
  if (!FDataBound) {
    inherited::CheckSetCurrentRow(Row);
  } else if (FDataActive) {
    TtsDatasetPosition position;
    FGridData->GetDatasetPosition(position);
    CheckSetCurrent(position, Row);
  }
}

void TtsCustomDBGrid::EndRowSelecting(bool KeepCapture) {
  if (!FDataBound) {
    inherited::EndRowSelecting(KeepCapture);
    return;
  }
  if (!FDataActive) return;
  if (!KeepCapture) SetMouseCapture(false);
  SelectionsChanged(true);
}

bool TtsCustomDBGrid::CanMoveToPos(Integer DisplayCol, Integer DisplayRow) {
  bool result = inherited::CanMoveToPos(DisplayCol, DisplayRow);
  if (!FDataBound || !result) return result;
  if (!FDataActive && !ComponentState().Contains(csDesigning)) return false;
  return !(IsAppendRow(DisplayRow) && ReadOnly());
}

void TtsCustomDBGrid::CheckRowCountChanged(Integer OldCount, Integer NewCount) {
  if (!FDataBound) inherited::CheckRowCountChanged(OldCount, NewCount);
}

bool TtsCustomDBGrid::ExecuteAction(ActnList::TBasicAction *Action) {
  return inherited::ExecuteAction(Action) || FDataLink->ExecuteAction(Action);
}

bool TtsCustomDBGrid::UpdateAction(ActnList::TBasicAction *Action) {
  return inherited::UpdateAction(Action) || FDataLink->UpdateAction(Action);
}

// ---- Messages
// ---------------------------------------------------------------------------------------------------
void TtsCustomDBGrid::Dispatch(TMessage &Message) {
  switch (Message.Msg) {
    case WM_SETCURSOR:
      // While records are scanned the cursor the scan set stays: the grid does
      // not shape its own.
      if (FScanningRecords)
        TCustomGrid_ts::Dispatch(Message);
      else
        inherited::Dispatch(Message);
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      FieldLayoutChanged(true, false, false);
      DoFieldLayoutChange();
      return;
    case CM_PARENTFONTCHANGED:
      inherited::Dispatch(Message);
      if (GetParentFont()) {
        FieldLayoutChanged(true, false, false);
        DoFieldLayoutChange();
      }
      return;
    case WM_SIZE:
      inherited::Dispatch(Message);
      if (FDataBound && FDataActive) DoResizeGrid();
      return;
    default:
      inherited::Dispatch(Message);
  }
}

}  // namespace TSDBGrid
