// Row selection over the dataset as the user and the application see it: selecting records by
// DataRow and by ranges, Shift+click and Shift+Ctrl+click, the single selection that follows the
// current record in list-box mode, and painting the selection state of the visible rows. Every
// range goes through DoSelectRows; in set mode the records between the two ends are collected by a
// scan of the dataset first.
#include "TSDBGrid.h"
#include "TSDBGridScope.h"
#include "TSGridSelectionPaint.h"

namespace TSDBGrid {

namespace {
bool AtDatasetEdge(const TtsBkmPos& Pos) { return Pos.Offset == bpoBof || Pos.Offset == bpoEof; }
}  // namespace

// ---- The dataset position ---------------------------------------------------------------------------------
void TtsCustomDBGrid::SaveDatasetPosition(TtsDatasetPosition& Position) {
  FGridData->GetDatasetPosition(Position);
  FGridData->SetCanDisableControls(true);
}

void TtsCustomDBGrid::RestoreDatasetPosition(const TtsDatasetPosition& Position, bool Restore) {
  TtsFinally enable([&] { FGridData->SetCanDisableControls(false); });
  if (Restore) FGridData->SetDatasetPosition(Position);
}

TtsDatasetKeeper::TtsDatasetKeeper(TtsCustomDBGrid* Grid)
    : FGrid(Grid && Grid->BoundAndActive() ? Grid : nullptr), FUnwinding(std::uncaught_exceptions()) {
  if (FGrid) FGrid->SaveDatasetPosition(FPosition);
}

TtsDatasetKeeper::~TtsDatasetKeeper() noexcept(false) {
  if (!FGrid) return;
  if (std::uncaught_exceptions() == FUnwinding) {
    FGrid->RestoreDatasetPosition(FPosition, true);
    return;
  }
  try {
    FGrid->RestoreDatasetPosition(FPosition, true);
  } catch (...) {
  }
}

Integer TtsCustomDBGrid::CompareBkmPos(TtsBkmPos A, TtsBkmPos B) {
  return BoundAndActive() ? FGridData->CompareBkmPos(A, B) : -2;
}

// ---- Status and painting ----------------------------------------------------------------------------------
void TtsCustomDBGrid::SetRowSelectStatus(bool RowsSelected) {
  if (RowsSelected)
    FGridStatus = grRowSelect;
  else if (FGridStatus == grRowSelect)
    FGridStatus = grNormal;
}

void TtsCustomDBGrid::UpdateRowInversion(Integer FromLine, Integer ToLine, bool State) {
  if (!HandleAllocated()) return;
  if (ToLine < FromLine) std::swap(FromLine, ToLine);
  FromLine = std::max(FromLine, GetTopRow());
  ToLine = std::min(ToLine, std::min(MaxVisibleRow(), GetRowCount() - 1));
  for (Integer line = FromLine; line <= ToLine; ++line)
    if (IsRowSelected(line) != State) InvertRow(line, State, nullptr);
}

void TtsCustomDBGrid::GetFirstLastRow(Integer& FromLine, Integer& ToLine) {
  if (FromLine == 0 || ToLine == 0) {
    String start = GetSelectionStart(), first = FGridData->GetBookmark(1);
    Integer lastVisible = MaxVisibleRow();
    if (FromLine == 0) FromLine = CompareBkm(start, first) < 0 ? GetTopRow() : lastVisible;
    if (ToLine == 0) ToLine = CompareBkm(start, first) > 0 ? GetTopRow() : lastVisible;
  }
  if (ToLine < FromLine) std::swap(FromLine, ToLine);
}

void TtsCustomDBGrid::InvertSelectedRows(Integer FromLine, Integer ToLine, bool State) {
  if (!FDataBound) {
    inherited::InvertSelectedRows(FromLine, ToLine, State);
    return;
  }
  if (!FDataActive || !HandleAllocated()) return;
  GetFirstLastRow(FromLine, ToLine);
  FromLine = std::max(FromLine, GetTopRow());
  ToLine = std::min(ToLine, std::min(MaxVisibleRow(), GetRowCount() - 1));
  for (Integer line = FromLine; line <= ToLine; ++line)
    if (IsRowSelected(line)) InvertRow(line, State, nullptr);
}

void TtsCustomDBGrid::InvertUnselectedRows(Integer FromLine, Integer ToLine) {
  if (!FDataBound) {
    inherited::InvertUnselectedRows(FromLine, ToLine);
    return;
  }
  if (!FDataActive) return;
  GetFirstLastRow(FromLine, ToLine);
  UpdateRowInversion(FromLine, ToLine, true);
}

// ---- Row-number operations of the plain grid's mouse code ------------------------------------------------
void TtsCustomDBGrid::GetFirstLastBkm(Integer FromLine, Integer ToLine, String& FirstBkm, String& LastBkm) {
  Integer rows = GetGridRowCount();
  auto bookmarkOf = [&](Integer Line) {
    Line = std::min(Line, rows);
    return Line == 0 ? GetSelectionStart() : FGridData->GetBookmark(Line);
  };
  FirstBkm = bookmarkOf(FromLine);
  LastBkm = bookmarkOf(ToLine);
  if (FBookmarkType == bmtDefault && CompareBkm(FirstBkm, LastBkm) > 0) std::swap(FirstBkm, LastBkm);
}

void TtsCustomDBGrid::DeleteAllRowSelection() {
  if (!FDataBound) {
    inherited::DeleteAllRowSelection();
    return;
  }
  if (FDataActive) FSelection->ResetAll();
}

void TtsCustomDBGrid::AddRowSelection(Integer FromLine, Integer ToLine) {
  if (!FDataBound) {
    inherited::AddRowSelection(FromLine, ToLine);
    return;
  }
  if (!FDataActive) return;
  String first, last;
  GetFirstLastBkm(FromLine, ToLine, first, last);
  FSelection->UpdateSelection(first, last, true);
}

void TtsCustomDBGrid::DeleteRowSelection(Integer FromLine, Integer ToLine) {
  if (!FDataBound) {
    inherited::DeleteRowSelection(FromLine, ToLine);
    return;
  }
  if (!FDataActive) return;
  String first, last;
  GetFirstLastBkm(FromLine, ToLine, first, last);
  FSelection->UpdateSelection(first, last, false);
}

void TtsCustomDBGrid::ChangeRowSelection(Integer FromLine, Integer ToLine) {
  if (!FDataBound) {
    inherited::ChangeRowSelection(FromLine, ToLine);
    return;
  }
  if (!FDataActive) return;
  if (!FSelection->GetUseRangeSelection()) {
    FSelection->ChangeRownrSelection(std::min(FromLine, ToLine), std::max(FromLine, ToLine));
    return;
  }
  String first, last;
  GetFirstLastBkm(FromLine, ToLine, first, last);
  if (FSelection->RowsSelected())
    FSelection->ChangeSelection(first, last);
  else
    FSelection->UpdateSelection(first, last, true);
}

// ---- Selecting by DataRow ----------------------------------------------------------------------------------
void TtsCustomDBGrid::SelectRows(const Variant& FromRow, const Variant& ToRow, bool Select) {
  if (!FDataBound) {
    inherited::SelectRows(FromRow.ToInteger(), ToRow.ToInteger(), Select);
    return;
  }
  if (CheckBkmType(FromRow) && CheckBkmType(ToRow))
    DoSelectRows(CurrentBkmPos(VarToStr(FromRow)), CurrentBkmPos(VarToStr(ToRow)), Select, false);
}

void TtsCustomDBGrid::ChangeSelection(const Variant& FromRow, const Variant& ToRow) {
  if (!BoundAndActive() || !CheckBkmType(FromRow) || !CheckBkmType(ToRow)) return;
  FSelection->ChangeSelection(VarToStr(FromRow), VarToStr(ToRow));
  Invalidate();
  Update();
}

bool TtsCustomDBGrid::GetDBRowSelected(const Variant& DataRow) {
  if (!FDataBound) return inherited::GetRowSelected(DataRow.ToInteger());
  return CheckBkmType(DataRow) && FSelection->GetSelected(DataRow);
}

void TtsCustomDBGrid::SetDBRowSelected(const Variant& DataRow, bool Select) {
  if (!FDataBound) {
    inherited::SetRowSelected(DataRow.ToInteger(), Select);
    return;
  }
  if (!FDataActive || !CheckBkmType(DataRow)) return;
  String bkm = VarToStr(DataRow);
  if (bkm.empty() || FRowSelectMode == rsNone) return;
  bool selected = FSelection->GetSelected(DataRow);
  if ((!Select && !FSelection->RowsSelected()) || (Select && selected) || (!Select && !selected)) return;
  if (!CheckEndEdit(-1, -1, false)) return;
  if (CheckHideControl(true)) Update();
  if (FRowSelectMode == rsSingle && FSelection->RowsSelected() && Select) {
    InvertSelectedRows(1, GetGridRowCount(), false);
    FSelection->ResetAll();
  }
  DeleteSelections({grColSelect, grCellSelect}, false);
  SelectionsChanged(false);
  FSelection->SetSelected(bkm, Select);
  Integer line = FGridData->BufferRow(bkm);
  if (line > 0 && line < GetRowCount()) InvertRow(line, Select, nullptr);
  ShowGridControl();
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(false);
  GridStatusChanged();
}

// ---- DoSelectRows ------------------------------------------------------------------------------------------
bool TtsCustomDBGrid::DoSelectRows(const TtsBkmPos& StartPos, const TtsBkmPos& EndPos, bool Select, bool Notify) {
  if (!BoundAndActive()) return false;
  for (const TtsBkmPos* pos : {&StartPos, &EndPos})
    if (pos->Bookmark.empty() && !AtDatasetEdge(*pos)) return false;
  if (FRowSelectMode == rsNone || (!Select && FGridStatus != grRowSelect)) return false;
  if (!CheckEndEdit(-1, -1, false)) return false;
  bool bothEdges = StartPos.Offset == bpoBof && EndPos.Offset == bpoEof;
  bool scanAll = Select && bothEdges, clearAll = !Select && bothEdges;
  bool rangeMode = FSelection->GetUseRangeSelection();
  bool cancel = false, started = false;
  TtsSelectedList* list = nullptr;
  TtsFinally freeList([&] { FreeAndNil(list); });
  TtsBkmPos start = StartPos, end = EndPos;
  auto endScan = [&] {
    bool ended = started;
    started = false;
    CheckEndBkmScan(scanAll, ended, cancel, list);
  };
  TtsFinally reportEnd([&] { endScan(); });
  if (!clearAll) {
    TtsDatasetKeeper keep(this);
    Integer order;
    if (rangeMode) {
      order = FGridData->CompareBkmPos(start, end);
    } else {
      started = true;
      ScanRecordEvent(scanAll, sstStart, cancel, 0);
      if (cancel) return false;
      TtsBkmPos a, b;
      FGridData->ActualBkmPos(start, a);
      FGridData->ActualBkmPos(end, b);
      order = GetDatasetList(0, a.Bookmark, cancel, list, scanAll, 1, b.Bookmark);
      if (cancel || !list) return false;
    }
    if (order == 1) return false;
    if (FRowSelectMode == rsSingle && FGridMode == gmListBox && order == -1) return false;
    if (FRowSelectMode == rsSingle && Select && order == 0) {
      end = start;
      String bkm;
      if (FGridData->BkmPosBookmark(start, bkm) && FSelection->GetSelected(Variant(bkm))) return false;
    }
  }
  {
    TSelectionPaint paint(this);
    if (CheckHideControl(true)) Update();
    ClearCurrentFocusRect(false);
    if (FGridStatus == grRowSelect && FRowSelectMode == rsSingle && Select) {
      InvertSelectedRows(1, GetGridRowCount(), false);
      FSelection->ResetAll();
    }
    DeleteSelections({grColSelect, grCellSelect}, false);
    SelectionsChanged(Notify);
    bool snapshot = FRecordSelection == rseBookmarkSet;
    {
      TtsDatasetKeeper keep(this);
      if (snapshot) {
        SaveSelectedRows(0);
      } else {
        TtsDatasetPosition here;
        FGridData->GetDatasetPosition(here);
        Integer s = FGridData->BufferBkmPos(start), e = FGridData->BufferBkmPos(end);
        FGridData->SetDatasetPosition(here);
        Integer rows = FGridData->GetBufferRows();
        if (s >= 1 && s <= rows)
          UpdateRowInversion(s, std::min(e, rows), Select);
        else if (e >= 1 && e <= rows)
          UpdateRowInversion(std::max<Integer>(s, 1), e, Select);
        else if (s < 1 && e > rows)
          UpdateRowInversion(1, rows, Select);
      }
    }
    if (rangeMode)
      FSelection->UpdateBkmPosSelection(start, end, Select);
    else if (clearAll)
      FSelection->ResetAll();
    else if (!Select)
      FSelection->DeleteSelectedList(list, scanAll, cancel);
    else
      FSelection->AddSelectedList(list, false, scanAll, cancel);
    if (snapshot && !cancel) ToggleSavedRows(1, GetGridRowCount(), Select);
  }
  endScan();
  FreeAndNil(list);
  ShowGridControl();
  DrawCurrentFocusRect(false);
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(Notify);
  GridStatusChanged();
  return !cancel;
}

// ---- Single selection ----------------------------------------------------------------------------------------
void TtsCustomDBGrid::SelectSingleRow(Integer Line, bool NoPaint) {
  if (!FDataBound) {
    inherited::SelectSingleRow(Line, NoPaint);
    return;
  }
  if (!FDataActive) return;
  SelectSingleDBRow(FGridData->GetBookmark(Line), NoPaint);
  UpdateScrollPos();
}

void TtsCustomDBGrid::SetNewSelectedRow(Integer Line) {
  if (!FDataBound) {
    inherited::SetNewSelectedRow(Line);
    return;
  }
  if (!FDataActive) return;
  SelectSingleDBRow(FGridData->GetBookmark(Line), false);
  UpdateScrollPos();
}

void TtsCustomDBGrid::SelectSingleDBRow(const String& Bkm, bool NoPaint) {
  if (GetRowCount() <= 1 || Bkm.empty()) return;
  bool moved = Bkm != FCurrentBookmark;
  bool wasSelected = FSelection->GetSelected(Variant(Bkm));
  Integer line = FGridData->BufferRow(Bkm);
  Integer oldRow = FCurDisplayRow;
  {
    TSelectionPaint paint(this, !NoPaint);
    if (!NoPaint) {
      if (line > 1) UpdateRowInversion(1, line - 1, false);
      if (line + 1 <= MaxVisibleRow()) UpdateRowInversion(line + 1, MaxVisibleRow(), false);
    }
    DeleteAllRowSelection();
    if (wasSelected) FSelection->SetSelected(Bkm, true);
    if (line > 0) SetCurrentRowSelect(line, false);
  }
  if (moved && line > 0) {
    if (NoPaint) {
      if (oldRow > 0 && oldRow < GetRowCount()) InvalidateCell(0, oldRow);
      InvalidateCell(0, line);
    } else {
      if (oldRow > 0 && oldRow < GetRowCount()) ClearCurrent(oldRow);
      if (wasSelected)
        DrawCurrentSelected(line);
      else
        DrawCurrent(line);
    }
  }
  if (!wasSelected) {
    FSelection->SetSelected(Bkm, true);
    if (line > 0) {
      if (NoPaint)
        InvalidateRow(line);
      else
        InvertRow(line, true, nullptr);
    }
  }
  FLastAddedDisplayCol = FCurDisplayCol;
  FLastAddedRow = CurrentBkmPos(FCurrentBookmark);
  CheckRowColChanged();
}

void TtsCustomDBGrid::CheckRowSelection(bool NoPaint) {
  if (!FDataBound) {
    inherited::CheckRowSelection(NoPaint);
    return;
  }
  if (!FDataActive || !(InRowSelectMode() || FKeyRowSelecting)) return;
  if (FGridStatus == grNormal ||
      (FGridStatus == grRowSelect && !FSelection->GetSelected(Variant(FCurrentBookmark))))
    SelectSingleDBRow(FCurrentBookmark, NoPaint);
}

// ---- Shift+click and Shift+Ctrl+click ---------------------------------------------------------------------
// The order of Line against the selection start and, in set mode, the list of records between them
// (collected by a scan that the caller ends). False when the span is not known: cancelled, or the
// start was not met.
bool TtsCustomDBGrid::SpanToSelectionStart(Integer Line, Integer& Order, bool& Cancel, bool& Started,
                                           TtsSelectedList*& List) {
  Order = 0;
  if (FSelection->GetUseRangeSelection()) {
    Order = CompareBkm(FGridData->GetBookmark(Line), GetSelectionStart());
    return true;
  }
  Started = true;
  ScanRecordEvent(false, sstStart, Cancel, 0);
  if (Cancel) return false;
  Order = GetSelectedList(SelectionStartRownr(), Line, Cancel, List);
  return !Cancel && List;
}

void TtsCustomDBGrid::MoveCurrentToLine(Integer Line) {
  Integer old = FCurDisplayRow;
  SetCurrentPosition(FCurDisplayCol, Line, true, false);
  if (old == FCurDisplayRow) return;
  if (old > 0 && old < GetRowCount()) ClearCurrent(old);
  if (IsRowSelected(FCurDisplayRow))
    DrawCurrentSelected(FCurDisplayRow);
  else
    DrawCurrent(FCurDisplayRow);
  CheckRowColChanged();
}

void TtsCustomDBGrid::SelectRowShiftMouseDown(Integer Line, bool& Cancel) {
  if (!FDataBound) {
    inherited::SelectRowShiftMouseDown(Line, Cancel);
    return;
  }
  Cancel = false;
  if (!FDataActive || IsAppendRow(Line)) return;
  Integer start = SelectionStartRownr();
  if (FSelection->GetSelected(Variant(GetSelectionStart()))) {
    Integer order;
    bool started = false;
    TtsSelectedList* list = nullptr;
    TtsFinally freeList([&] { FreeAndNil(list); });
    if (SpanToSelectionStart(Line, order, Cancel, started, list)) {
      {
        TSelectionPaint paint(this);
        SaveSelectedRows(0);
        if (list) {
          FSelection->AddSelectedList(list, true, false, Cancel);
        } else {
          DeleteAllRowSelection();
          AddRowSelection(start, Line);
        }
        if (!Cancel) ToggleChangedRows(1, GetGridRowCount());
      }
      if (!Cancel) {
        CheckSetCurrentRow(Line);
        FStartSide = TSCommon::Sign(order);
      }
    }
    CheckEndBkmScan(false, started, Cancel, list);
    if (Cancel) CancelMouseAction();
  } else {
    {
      TSelectionPaint paint(this);
      InvertSelectedRows(1, MaxVisibleRow(), false);
      DeleteAllRowSelection();
    }
    MoveCurrentToLine(Line);
  }
  if (FSelection->RowsSelected()) FGridStatus = grRowSelect;
}

void TtsCustomDBGrid::SelectRowShiftCtrlMouseDown(Integer Line, bool& Cancel) {
  if (!FDataBound) {
    inherited::SelectRowShiftCtrlMouseDown(Line, Cancel);
    return;
  }
  Cancel = false;
  if (!FDataActive || IsAppendRow(Line)) return;
  Integer start = SelectionStartRownr();
  bool adding = FSelection->GetSelected(Variant(GetSelectionStart()));
  Integer order;
  bool started = false;
  TtsSelectedList* list = nullptr;
  TtsFinally freeList([&] { FreeAndNil(list); });
  if (SpanToSelectionStart(Line, order, Cancel, started, list)) {
    {
      TSelectionPaint paint(this);
      SaveSelectedRows(0);
      if (list && adding)
        FSelection->AddSelectedList(list, false, false, Cancel);
      else if (list)
        FSelection->DeleteSelectedList(list, false, Cancel);
      else if (adding)
        AddRowSelection(start, Line);
      else
        DeleteRowSelection(start, Line);
      if (!Cancel) ToggleChangedRows(1, GetGridRowCount());
    }
    if (!Cancel) {
      MoveCurrentToLine(Line);
      SetSelectionStartRow(Line);
      CheckRowColChanged();
    }
  }
  CheckEndBkmScan(false, started, Cancel, list);
  if (Cancel) CancelMouseAction();
  if (FSelection->RowsSelected()) FGridStatus = grRowSelect;
}

}  // namespace TSDBGrid
