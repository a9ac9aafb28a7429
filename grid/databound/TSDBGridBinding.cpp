// Binding the grid to its data: the data source, the data strategy and the bookmark and selection
// settings; and keeping the grid's current row and the dataset's current record on one record.
#include <optional>

#include "TSDBGrid.h"
#include "TSDBGridData.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridScrollDataset.h"

namespace TSDBGrid {

namespace {
// Raises a "cannot" counter (CanSynchronize, CanSetCurrentRec) for the guard's lifetime.
class TCounterHold {
 public:
  TCounterHold(TtsCustomDBGrid* Grid, void (TtsCustomDBGrid::*Set)(bool), bool Active = true)
      : FGrid(Active ? Grid : nullptr), FSet(Set) {
    if (FGrid) (FGrid->*FSet)(false);
  }
  ~TCounterHold() {
    if (FGrid) (FGrid->*FSet)(true);
  }
  TCounterHold(const TCounterHold&) = delete;
  TCounterHold& operator=(const TCounterHold&) = delete;

 private:
  TtsCustomDBGrid* FGrid;
  void (TtsCustomDBGrid::*FSet)(bool);
};
}  // namespace

// ---- Binding properties ---------------------------------------------------------------------------
TDataSource* TtsCustomDBGrid::GetDataSource() { return FDataLink ? FDataLink->GetDataSource() : nullptr; }

TDataSet* TtsCustomDBGrid::GetDataset() { return FDataLink ? FDataLink->DataSet() : nullptr; }

// Only a dataset with the cursor the scroll strategy reads may use it; no platform dataset has one.
bool TtsCustomDBGrid::DatasetSuits(TtsDatasetType Type) { return Type == dstStandard; }

void TtsCustomDBGrid::SetDataSource(TDataSource* Value) {
  if (Value == GetDataSource()) return;
  TDataSource* old = GetDataSource();
  {
    TtsPaintSuspension paintOff(this);
    ClearCellBuffer();
    HideGridControl(false);
    ResetLastRow();
    ResetLastCell();
    DeleteSelections({grColSelect, grRowSelect, grCellSelect}, false);
    FSelection->ResetAll();
    LinkActive(false);
    if (Value) CheckBoundProperties();
    FDataBound = Value != nullptr;
    try {
      FDataLink->SetDataSource(Value);
      FDataSourceValue = FDataLink->GetDataSource();
    } catch (...) {
      FDataBound = false;
      FDataLink->SetDataSource(nullptr);
      FDataSourceValue = nullptr;
      throw;
    }
    inherited::SetStoreData(false);
    if (FDataBound && !FDataLink->Active()) {
      FieldLayoutChanged(true, true, true);
      UpdateRowCount(true);
      SetCurrentPosition(GetCurDisplayCol(), GetGridRowCount() > 0 && GetInDesignMode() ? 1 : 0, true, false);
    } else if (!FDataBound) {
      RemoveFieldLayout();
    }
    if (FDataBound && GetInDesignMode()) {
      SetCellSelectMode(cmNone);
      SetRowMoving(false);
    }
    // Customized columns keep their own settings; only what belonged to records goes.
    if (GetFieldState() == fsDefault) {
      ResetProperties(AllProperties());
    } else {
      ResetRowProperties(AllProperties());
      ResetCellProperties(AllProperties());
    }
    if (GetLeftCol() > 1) SetLeftCol(1);
    if (!DatasetSuits(FDatasetType)) SetDatasetType(dstStandard);
    VerifyEditMode();
    VerifyRowChanged();
    UpdateRowCount(false);
    CheckRowSelection(false);
    SelectionsChanged(false);
    GridStatusChanged();
  }
  if (FIsComboGrid) SetComboGridExtents(GetDropDownCols(), GetDropDownRows());
  if (old && old == FLookupDataSource) ResetLookupDatasource();
  DoFieldLayoutChange();
}

void TtsCustomDBGrid::CheckBoundProperties() {
  if (GetFixedRowCount() > 0) SetFixedRowCount(0);
  if (GetResizeRows() == rrSingle) SetResizeRows(rrAll);
  SetRowMoving(false);
}

void TtsCustomDBGrid::SetDatasetType(TtsDatasetType Value) {
  if (Value != FDatasetType && DatasetSuits(Value)) {
    FDatasetType = Value;
    FUseStandardScrolling = Value == dstStandard;
    FGridData = Value == dstBDE ? static_cast<TtsGridData*>(FScrollDataset) : FStandardDataset;
    if (FDataLinkActive && FGridData) {
      if (Value == dstStandard) {
        FScrollDataset->LinkActive(false);
        FStandardDataset->LinkActive(true);
      } else {
        FStandardDataset->LinkActive(false);
        FScrollDataset->LinkActive(true);
        FScrollDataset->MoveFirst();
      }
      UpdateRowCount(true);
      HideGridControl(false);
      PositionCurrentRec(GetCurDisplayCol(), FCurrentBookmark, false, false);
      ShowGridControl();
      FControlHidden = true;
      CheckExactRowCount(true);
      Invalidate();
    }
  }
  VerifyEditMode();
  if (FDatasetType == dstBDE && FBookmarkType == bmtNonOrdered) SetBookmarkType(bmtDefault);
}

void TtsCustomDBGrid::SetBookmarkType(TtsBookmarkType Value) {
  if (Value == FBookmarkType) return;
  FBookmarkType = Value;
  CheckRangeSelection();
  if (Value == bmtNonOrdered) SetDatasetType(dstStandard);
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

TtsRecordSelection TtsCustomDBGrid::GetRecordSelection() {
  return FSelection->GetUseRangeSelection() ? rseBookmarkRange : rseBookmarkSet;
}

void TtsCustomDBGrid::SetRecordSelection(TtsRecordSelection Value) {
  if (GetRecordSelection() == Value) return;
  FRecordSelection = Value;
  CheckRangeSelection();
  CheckRowSelection(true);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsCustomDBGrid::CheckRangeSelection() {
  FSelection->SetUseRangeSelection(FBookmarkType == bmtDefault && FRecordSelection == rseBookmarkRange);
}

// A bound ordinary grid never keeps cell data of its own; a combo grid gives up its lookup binding
// for it.
void TtsCustomDBGrid::SetStoreData(bool Value) {
  if (Value && FDataBound) {
    if (!FIsComboGrid || GetDataSource() != FLookupDataSource) return;
    SetAutoLookup(false);
    SetDataSource(nullptr);
  }
  inherited::SetStoreData(Value);
}

// ---- Record positioning ---------------------------------------------------------------------------
void TtsCustomDBGrid::PositionCurrentRec(Integer Col, const String& Bookmark, bool KeepPaint, bool Synchronize) {
  if (!GetCanSetCurrentRec()) return;
  TCounterHold hold(this, &TtsCustomDBGrid::SetCanSetCurrentRec);
  std::optional<TtsPaintSuspension> paintOff;
  if (!KeepPaint) paintOff.emplace(this);
  PositionRec(Col, Bookmark, Synchronize);
}

void TtsCustomDBGrid::PositionRec(Integer Col, const String& Bookmark, bool Synchronize) {
  {
    TCounterHold hold(this, &TtsCustomDBGrid::SetCanSynchronize, !Synchronize);
    Integer oldRow = GetCurDataRow();
    Integer newRow = FGridData->BufferRow(Bookmark);
    if (Col != GetCurDisplayCol()) ClearCellBuffer();
    if (oldRow == newRow) {
      if (Col != GetCurDisplayCol()) SetCurrentPosition(Col, GetCurDisplayRow(), false, false);
      SetCurrentRec(Bookmark, newRow);
    } else {
      SetCurrentPosition(Col, newRow, true, false);
      SetCurrentRec(Bookmark, newRow);
      InvalidateRow(newRow);
    }
    if (GetCurDataRow() != oldRow) FControlHidden = true;
  }
  CheckRowColChanged();
}

void TtsCustomDBGrid::SetCurrentRec(const String& Bookmark, Integer Row) {
  if (FDataLinkActive ? CompareBkm(Bookmark, FCurrentBookmark) == 0 : Bookmark == FCurrentBookmark) return;
  ClearCellBuffer();
  CheckDisableControl();
  FCurrentBookmark = Bookmark;
  if (GetGridStatus() != grRowSelect && GetMouseStatus() != msRowSelect) ResetSelectionStart();
  if (GetCanSynchronize()) SyncDataset();
}

void TtsCustomDBGrid::SetCurrentRow(Integer OldRow, Integer NewRow) {
  if (!FDataLinkActive) {
    FCurDataRow = GetInDesignMode() ? NewRow : 0;
    return;
  }
  if (NewRow > FGridData->GetBufferRows()) {
    if (!ReadOnly()) StartAppend();
    return;
  }
  if (FUseStandardScrolling && GetCanSynchronize() && !GetInDatasetEvent() && NewRow != OldRow) {
    try {
      FGridData->MoveBy(NewRow - OldRow);
    } catch (const Exception&) {
      // The dataset refused the move: the grid drops its marks and stays with the dataset.
      ResetRowProperties(TtsProperties{prSelected});
      Invalidate();
    }
  }
  SetCurrentRec(FGridData->GetBookmark(NewRow), NewRow);
}

namespace {
// The row a move to Row lands on: 1 for the heading, else Row within the buffered rows.
Integer TargetRow(Integer Row, Integer BufferRows) { return Row == 0 ? 1 : std::min(std::max(Row, 1), BufferRows); }
}  // namespace

bool TtsCustomDBGrid::CurrentRowChanged(Integer Row) {
  if (!FUseStandardScrolling && GetGridMode() != gmListBox) return false;
  return TargetRow(Row, FGridData->GetBufferRows()) != GetCurDisplayRow();
}

bool TtsCustomDBGrid::CheckSetCurrent(const TtsDatasetPosition& Position, Integer Row) {
  if (!FUseStandardScrolling) return false;
  Integer target = TargetRow(Row, FGridData->GetBufferRows());
  if (target == GetCurDisplayRow()) return false;
  FGridData->SetDatasetPosition(Position);
  InvalidateRow(GetCurDisplayRow());
  SetCurrentPosition(GetCurDisplayCol(), target, true, false);
  InvalidateRow(target);
  return true;
}

void TtsCustomDBGrid::SetActiveRecord(Integer Record) {
  if (Record >= 0) {
    if (Record != FGridData->GetActiveRecord()) FGridData->SetActiveRecord(Record);
  } else if (!FUseStandardScrolling) {
    FScrollDataset->SetBookmarkPos(FCurrentBookmark);
  }
}

Integer TtsCustomDBGrid::GetActiveRecord() { return FGridData->GetActiveRecord(); }

Variant TtsCustomDBGrid::GetBookmarkRecordID(const String& Bookmark) {
  if (!FDataBound || !FDataLinkActive || !CanUseRecordIds()) return Variant();
  if (Bookmark.empty()) return NullDataRow();
  TtsPaintSuspension paintOff(this);
  Variant id;
  FGridData->GetBookmarkRecID(Bookmark, FGridData->BufferRow(Bookmark), id);
  return id;
}

void TtsCustomDBGrid::RepositionTopRow(Integer RowA, Integer RowB, bool KeepPaint) {
  if (!FDataLinkActive) return;
  Integer shift = RowA != 0 && RowB != 0 ? RowA - RowB : 0;
  std::optional<TtsPaintSuspension> paintOff;
  if (!KeepPaint) paintOff.emplace(this);
  Integer top = FScrollDataset && !FUseStandardScrolling && FScrollDataset->GetAtEnd() ? GetTopRow() - shift
                                                                                       : GetFixedRows();
  MoveTopLeft(GetLeftCol(), top);
}

void TtsCustomDBGrid::SyncDataset() {
  TDataSet* dataset = GetDataset();
  if (!FDataLink->Active() || !dataset || GetInSyncDataset()) return;
  SetInSyncDataset(true);
  struct TRelease {
    TtsCustomDBGrid* Grid;
    ~TRelease() { Grid->SetInSyncDataset(false); }
  } release{this};
  constexpr Integer MaxAttempts = 5;
  Integer attempts = 0;
  while (CompareBkm(dataset->GetBookmark(), FCurrentBookmark) != 0) {
    ++attempts;
    if (attempts >= MaxAttempts) {
      // The dataset will not reach the grid's record: the grid follows the dataset instead.
      ResetRowProperties(TtsProperties{prSelected});
      PositionRec(GetCurDisplayCol(), dataset->GetBookmark(), false);
      Invalidate();
      return;
    }
    try {
      dataset->SetBookmark(FCurrentBookmark);
    } catch (const Exception&) {
      FGridData->RereadBuffer(0, true);
      UpdateRowCount(false);
      Invalidate();
      Integer row = GetCurDataRow();
      if (FGridData->GetBufferRows() > 0) {
        if (row > 0 && row < GetGridRowCount()) {
          SetCurrentRec(FGridData->GetBookmark(row), -1);
          continue;
        }
        String target = GetGridRowCount() > 0 && GetGridRowCount() < row ? FGridData->GetBookmark(GetGridRowCount())
                                                                         : dataset->GetBookmark();
        PositionRec(GetCurDisplayCol(), target, false);
      } else {
        PositionRec(GetCurDisplayCol(), dataset->GetBookmark(), false);
      }
    }
  }
}

void TtsCustomDBGrid::CreateWnd() {
  inherited::CreateWnd();
  bool grown = false;
  FGridData->ResizeBuffer(MaxDisplayRows(), grown);
  if (!FUseStandardScrolling) FGridData->SetDatasetBufferCount(1);
  UpdateRowCount(true);
  CheckRowColChanged();
  CheckRowSelection(true);
  SelectionsChanged(false);
  CheckTopLeftChanged(false);
  GridStatusChanged();
}

}  // namespace TSDBGrid
