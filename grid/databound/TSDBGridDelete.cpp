// Deleting the selected records after a confirmation, the saved-rows snapshot with which only the
// rows whose selection changed are repainted, select-all, and the mouse rows kept as bookmarks.
#include "DBConsts.h"
#include "Dialogs.h"
#include "TSDBGrid.h"
#include "Bits.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

// ---- Ctrl+Delete -----------------------------------------------------------------------------------------
bool TtsCustomDBGrid::CtrlKeyDownVK_Delete() {
  if (!FDataBound || !FDataActive || ReadOnly() || FGridStatus != grRowSelect) return false;
  String message;
  {
    TtsDatasetPosition saved;
    SaveDatasetPosition(saved);
    TtsFinally restore([&] { RestoreDatasetPosition(saved, true); });
    TtsPaintSuspension paintOff(this);
    TtsBkmPos first, last;
    FSelection->GetFirstBkmPos(first);
    if (first.Bookmark.empty() && first.Offset == bpoCurrent) return false;
    FSelection->GetLastBkmPos(last);
    message = CompareBkmPos(first, last) == 0 ? DBConsts::SDeleteRecordQuestion
                                               : DBConsts::SDeleteMultipleRecordsQuestion;
  }
  if (FConfirmDelete && Dialogs::MessageDlg(message, Dialogs::mtConfirmation, {Dialogs::mbOK, Dialogs::mbCancel}, 0) ==
                            mrCancel)
    return true;
  DeleteSelectedRecords();
  return true;
}

// A record that later takes a deleted record's key (bookmarks are positional after a reopen) must
// not inherit its colours, fonts or read-only state: the deleted record's overrides go with it.
void TtsCustomDBGrid::PurgeRecordOverrides(const Variant& DataRow) {
  if (TtsDBRowElement* row = FRowPropSet->GetRow(DataRow)) FRowPropSet->DeleteElement(row);
  TtsSetList* cells = FDBCellPropSet->List();
  TtsFinally freeCells([&] { cells->Free(); });
  for (Integer i = 1; i <= cells->GetCount(); ++i) {
    auto* cell = static_cast<TtsDBCellElement*>(cells->GetItems(i));
    if (CompareRecordIds(cell->GetDataRow(), DataRow) == 0) FDBCellPropSet->DeleteElement(cell);
  }
  ResetLastRow();
  ResetLastCell();
}

void TtsCustomDBGrid::DeleteSelectedRecords() {
  if (!BoundAndActive()) return;
  TDataSet* dataSet = FDataLink->DataSet();
  dataSet->DisableControls();
  {
    TtsFinally after([&] {
      DeleteAllRowSelection();
      dataSet->EnableControls();
    });
    Variant current, next;
    FSelection->GetLast(current);
    while (!VarIsEmpty(current)) {
      FSelection->Previous(current, next);
      String bkm = VarToStr(current);
      if (CompareBkm(dataSet->GetBookmark(), bkm) != 0) dataSet->SetBookmark(bkm);
      Variant key = CanUseRecordIds() ? GetBookmarkRecordID(bkm) : Variant(bkm);
      dataSet->Delete();
      PurgeRecordOverrides(key);
      current = next;
    }
  }
  ShowGridControl();
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(false);
  CheckTopLeftChanged(false);
  GridStatusChanged();
}

// ---- The saved-rows snapshot -------------------------------------------------------------------------------
void TtsCustomDBGrid::SaveSelectedRows(Integer Offset) {
  Integer rows = GetGridRowCount();
  if (!FSavedRowBits) FSavedRowBits = New<TBits>();
  FSavedRowBits->SetSize(rows + 1);
  for (Integer r = 1; r <= rows; ++r) FSavedRowBits->SetBits(r, false);
  Integer from = 1, to = rows;
  if (FUseStandardScrolling && Offset != 0) {
    from = std::max<Integer>(1, 1 - Offset);
    to = std::min(rows, rows - Offset);
  } else {
    Offset = 0;
  }
  for (Integer r = from; r <= to; ++r)
    FSavedRowBits->SetBits(r + Offset, FSelection->GetSelected(Variant(FGridData->GetBookmark(r))));
}

bool TtsCustomDBGrid::SavedRowSelected(Integer Row) const {
  return FSavedRowBits && Row > 0 && Row < FSavedRowBits->GetSize() && FSavedRowBits->GetBits(Row);
}

// Visits the rows From..To that the snapshot and the grid both hold.
template <class F>
void TtsCustomDBGrid::EachSavedRow(Integer FromRow, Integer ToRow, F Visit) {
  if (!FSavedRowBits) return;
  FromRow = std::max<Integer>(FromRow, 1);
  ToRow = std::min({ToRow, FSavedRowBits->GetSize() - 1, GetGridRowCount()});
  for (Integer row = FromRow; row <= ToRow; ++row) Visit(row, FSavedRowBits->GetBits(row));
}

void TtsCustomDBGrid::InvertSavedRows(Integer FromRow, Integer ToRow) {
  EachSavedRow(FromRow, ToRow, [&](Integer Row, bool Saved) {
    if (Saved) InvertRow(Row, false, nullptr);
  });
}

void TtsCustomDBGrid::ToggleSavedRows(Integer FromRow, Integer ToRow, bool State) {
  EachSavedRow(FromRow, ToRow, [&](Integer Row, bool Saved) {
    if (Saved != State && IsRowSelected(Row) == State) InvertRow(Row, State, nullptr);
  });
}

void TtsCustomDBGrid::ToggleChangedRows(Integer FromRow, Integer ToRow) {
  EachSavedRow(FromRow, ToRow, [&](Integer Row, bool Saved) {
    if (IsRowSelected(Row) != Saved) InvertRow(Row, !Saved, nullptr);
  });
}

// ---- Select-all and the mouse rows ----------------------------------------------------------------------------
void TtsCustomDBGrid::MDSelectAll(bool ByMouse) {
  if (!FDataBound) {
    inherited::MDSelectAll(ByMouse);
    return;
  }
  if (!FDataActive || FGridData->GetBufferRows() == 0 || FRowSelectMode != rsMulti) return;
  if (!CheckEndEdit(-1, -1, true)) return;
  TtsDatasetPosition saved;
  SaveDatasetPosition(saved);
  TtsFinally restore([&] {
    FMouseStatus = msNormal;
    RestoreDatasetPosition(saved, true);
  });
  if (ByMouse) FMouseStatus = msAllRowSelect;
  bool select = !(ByMouse && FSelection->GetAllSelected());
  TtsBkmPos first, last;
  FGridData->FirstBkmPos(first);
  FGridData->LastBkmPos(last);
  if (DoSelectRows(first, last, select, true)) FSelection->SetAllSelected(select);
}

void TtsCustomDBGrid::SetMouseDownColRow(Integer DisplayCol, Integer DisplayRow) {
  if (BoundAndActive())
    FMouseDownRow = DisplayRow > 0 ? Variant(FGridData->GetBookmark(DisplayRow)) : Variant(DisplayRow);
  inherited::SetMouseDownColRow(DisplayCol, DisplayRow);
}

void TtsCustomDBGrid::SetMouseUpColRow(Integer DisplayCol, Integer DisplayRow) {
  if (BoundAndActive())
    FMouseUpRow = DisplayRow > 0 ? Variant(FGridData->GetBookmark(DisplayRow)) : Variant(DisplayRow);
  inherited::SetMouseUpColRow(DisplayCol, DisplayRow);
}

}  // namespace TSDBGrid
