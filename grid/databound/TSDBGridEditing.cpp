// The data-bound grid following the dataset's edit state: inserts, appends and
// edits, field values read for and written from cells, and the grid's refresh,
// reset and reopen operations. With the standard strategy the data link's
// window already holds an inserted record, so starting and ending an insert
// only recounts and repaints; the scroll strategy's bookkeeping comes with that
// strategy.
#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridFields.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridScope.h"
#include "TSGridCells.h"

namespace TSDBGrid {

void TtsCustomDBGrid::EditingChanged() {
  bool editing = FDataLink->Editing();
  if (editing == FLinkEditing) return;
  FWasEditing = FLinkEditing;
  FNowEditing = FLinkEditing = editing;
  TDataSet *dataSet = FDataLink->DataSet();
  FEditDatasetState = dataSet ? dataSet->State() : dsInactive;
  if (editing) {
    if (FEditDatasetState == dsInsert) {
      CheckDropDownOff(false);
      ClearCacheBuffers();
      if (dataSet->Eof())
        StartAppend();
      else
        StartInsert();
    } else {
      FDataEditMode = demEdit;
      FEditBookmark = FCurrentBookmark;
    }
  } else {
    // Without a current row (the grid not yet on a record) there is no row edit
    // to reset.
    if (FCurDataRow > 0) {
      SetDBRowChanged(Variant(FCurDataRow), false);
      ResetEdit(FCurDataRow);
    }
    FEditModified = !CheckCanceled();
    TtsDataEditMode mode = FDataEditMode;
    switch (mode) {
      case demEdit:
        EndEditing();
        break;
      case demAppend:
        EndAppend();
        break;
      case demInsert:
        EndInsert();
        break;
      case demNone:
        break;
    }
    if (mode != demEdit) ResetInsertProperties();
    FDataEditMode = demNone;
    // The next edit is the user's only when a cell change starts it again.
    FStartingGridEdit = false;
    ClearCellBuffer();
    CheckDisableControl();
  }
  DrawCurrentFocusRect(false);
  FModifiedAtUpdate = FRecordModified = FBrowseModePending = false;
}

// With the standard strategy the link's window holds the new record already:
// the rows are counted again and repainted.
void TtsCustomDBGrid::StartInsert() {
  FDataEditMode = demInsert;
  ClearCellBuffer();
  UpdateRowCount(true);
  Invalidate();
}

void TtsCustomDBGrid::StartAppend() {
  FDataEditMode = demAppend;
  ClearCellBuffer();
  UpdateRowCount(true);
  Invalidate();
  InvalidateRow(GetGridRowCount());
  CheckTopLeftChanged(true);
}

void TtsCustomDBGrid::EndInsert() {
  FEndingEdit = true;
  UpdateRowCount(false);
  Invalidate();
  FDataEditMode = demNone;
}

void TtsCustomDBGrid::EndAppend() {
  FEndingEdit = true;
  Invalidate();
  FDataEditMode = demNone;
}

void TtsCustomDBGrid::EndEditing() {
  FEndingEdit = true;
  if (Integer row = FGridData->GetActiveRecord(); row > 0) InvalidateRow(row);
}

bool TtsCustomDBGrid::CheckCanceled() { return !(FModifiedAtUpdate && FRecordModified); }

bool TtsCustomDBGrid::InsertRowInView() {
  return GetGridMode() == gmEditInsert && GetGridRowCount() < GetTopRow() + GetVisibleRowCount() - 1;
}

bool TtsCustomDBGrid::LastRowInView() {
  return GetTopRow() > 1 && GetGridRowCount() - 1 < GetTopRow() + GetVisibleRowCount() - 1;
}

// ---- Field values
// -----------------------------------------------------------------------------------------------
void TtsCustomDBGrid::UpdateData() {
  TDataSet *dataSet = FDataLink->DataSet();
  FModifiedAtUpdate = FCellChangePending || (dataSet && dataSet->Modified());
  if (!FBrowseModePending) FRecordModified = FModifiedAtUpdate;
  if (!FCellChangePending) return;
  TtsDBCol *column = GetGridDBCols()->GetDBCol(Variant(FCurDataCol));
  TtsCurrentCell *cell = GetCurrentCell();
  Variant value;
  if (cell && !cell->IsClear()) {
    if (EditorActive() && !FEndingEdit && !CheckMaskValue()) {
      String name = column && column->GetDBField() ? column->GetDBField()->GetFieldName() : String();
      InvalidMaskOp(Format("Invalid value for field '%s'", {name}));
    }
    value = cell->GetValue();
    if (CurCellControlType() == ctPicture) {
      TOwnedPtr<TBitmap> bitmap(VariantToBitmap(value));
      if (!bitmap || bitmap->GetEmpty()) value = Null();
    }
  }
  bool cancel = false;
  DoOnUpdateField(FCurDataCol, Variant(FCurrentBookmark), value, cancel);
  if (!cancel) SetFieldValue(column, CurCellControlType(), value);
  FCellChangePending = false;
}

void TtsCustomDBGrid::SetFieldValue(TtsDBCol *Column, TtsControlType ControlType, const Variant &Value) {
  TtsDBField *field = Column ? Column->GetDBField() : nullptr;
  if (!field) return;
  if (VarIsNull(Value) || (VarIsEmpty(Value) && ControlType != ctText)) {
    field->SetAsVariant(Value);
    return;
  }
  switch (ControlType) {
    case ctText:
      if (::System::Is<TtsDBBlobField>(field))
        field->SetAsVariant(Value);
      else
        field->SetEditText(VarToStr(Value));
      break;
    case ctCheck:
      if (!field->IsBooleanField()) {
        field->SetAsVariant(Value);
      } else {
        Integer state = VarIsEmpty(Value) ? -1 : Value.ToInteger();
        if (state == 0)
          field->SetAsBoolean(false);
        else if (state == 1)
          field->SetAsBoolean(true);
        else if (state == 2)
          field->SetAsVariant(Null());
      }
      break;
    case ctPicture: {
      TOwnedPtr<TBitmap> bitmap(VariantToBitmap(Value));
      if (bitmap) field->Assign(bitmap.get());
      break;
    }
    case ctNone:
    case ctDefault:
      break;
  }
}

void TtsCustomDBGrid::GetFieldValue(TtsDBCol *Column, Integer Row, Variant &Value, TtsControlType ControlType,
                                    bool ByRowNumber) {
  TtsDBField *field = Column ? Column->GetDBField() : nullptr;
  if (!field) return;
  if (!FUseStandardScrolling && field->GetFieldObject()->Calculated()) return;
  switch (ControlType) {
    case ctText:
      if (EditorActive() && GetCurDataCol() == Column->GetDataCol() &&
          IsSameRow(Row, FCurDataRow, ByRowNumber, FCurrentBookmark, FGridData->GetActiveBookmark()) &&
          !ComponentState().Contains(csDesigning))
        Value = Variant(field->GetEditText());
      else
        Value = Variant(field->GetDisplayText());
      break;
    case ctCheck:
      if (!field->IsBooleanField())
        Value = field->GetAsVariant();
      else if (field->GetIsNull())
        Value = Variant(Integer(2));
      else
        Value = Variant(Integer(field->GetAsBoolean() ? 1 : 0));
      break;
    case ctPicture:
      if (field->GetControlType() == ctPicture) {
        if (!FFieldBitmap) FFieldBitmap = New<TBitmap>();
        FFieldBitmap->Assign(field);
        Value = BitmapToVariant(FFieldBitmap);
      } else if (field->GetControlType() == ctText) {
        Value = Variant(field->GetEditText());
      }
      break;
    case ctNone:
    case ctDefault:
      break;
  }
}

void TtsCustomDBGrid::RecordChanged(TField *Field) {
  if (!FCellChangePending && InEditMode()) {
    if (Field)
      if (TtsDBCol *column = GetGridDBCols()->FindField(Field))
        if (CheckClearBuffer(column)) SetControlSelectMode(tsCurrent);
    if (GetGridRowCount() < FCurDataRow) SetGridRowCount(GetGridRowCount() + 1);
  }
  TDataSet *dataSet = FDataLink->DataSet();
  bool modified = dataSet && dataSet->Modified();
  bool inserting = FNowEditing && dataSet && dataSet->State() == dsInsert;
  if (FCurDataRow > 0) {
    if (!inserting && !FRowEdit && modified) {
      FRowEdit = true;
      SetRowChanged(FCurDataRow, true);
    }
    InvalidateRow(FCurDataRow);
  }
  if (!FEndingEdit) FCellChangePending = false;
  FRecordModified = modified && !inserting;
}

bool TtsCustomDBGrid::CheckClearBuffer(TtsDBCol *Column) {
  if (!Column || Column->GetDisplayCol() != FCurDisplayCol) return false;
  TtsCurrentCell *cell = GetCurrentCell();
  bool clear = !cell || cell->IsClear() || !Column->GetDBField();
  if (!clear) {
    if (CurCellControlType() != ctText) {
      clear = true;
    } else {
      try {
        Variant value;
        Integer active = FGridData->GetActiveRecord();
        TtsFinally back([&] {
          FGridData->SetActiveRecord(active);
          SetCanGetCurrentCell(true);
        });
        FGridData->SetActiveRecord(FGridData->BufferRow(FCurrentBookmark));
        SetCanGetCurrentCell(false);
        GetDBCellValue(Column->GetDataCol(), Variant(FCurrentBookmark), value);
        if (VarToStr(value) != VarToStr(cell->BufferValue())) {
          if (VarIsNull(value))
            clear = true;
          else
            SetControlValue(Variant(VarToStr(value)), false, false);
        }
      } catch (const Exception &) {
        clear = true;
      }
    }
  }
  if (clear) ClearCellBuffer();
  return clear;
}

void TtsCustomDBGrid::GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo &DrawInfo) {
  if (!FDataBound || DataRow == 0) {
    DoGetDrawInfo(DataCol, Variant(DataRow), DrawInfo);
    return;
  }
  if (!FDataActive) return;
  Integer active = FGridData->GetActiveRecord();
  TtsFinally back([&] { FGridData->SetActiveRecord(active); });
  FGridData->SetActiveRecord(DataRow);
  Variant recordId;
  FGridData->GetRecordId(DataRow, recordId);
  DoGetDrawInfo(DataCol, recordId, DrawInfo);
}

bool TtsCustomDBGrid::IsCurrentRecord(const Variant &DataRow) {
  return VarType(DataRow) == varString && VarToStr(DataRow) == FCurrentBookmark;
}

// Only the scroll strategy sees filters, indexes and master links change.
bool TtsCustomDBGrid::ReopenDataset() { return false; }
bool TtsCustomDBGrid::ResetDatasetProperties() { return false; }

// ---- Refresh, reset and per-record property resets
// ------------------------------------------------------------
void TtsCustomDBGrid::ClearCacheBuffers() {
  if (FUseStandardScrolling) FStandardDataset->ClearIdBuffers(0, 0, true);
  FGridData->ClearPropBuffer(0, 0, true);
}

void TtsCustomDBGrid::ResetDataset(bool ResetTop) {
  ClearCacheBuffers();
  CheckExactRowCount(true);
  UpdateRowCount(true);
  if (ResetTop) AdjustTopLeft(GetLeftCol(), 1, false);
  if (FGridData->IndexChanged()) {
    FGridData->SaveCurIndex();
    ClearCurPosition();
  }
  if (TDataSet *dataSet = FDataLink->DataSet())
    PositionCurrentRec(FCurDisplayCol, dataSet->GetBookmark(), false, false);
  Invalidate();
}

void TtsCustomDBGrid::RefreshData(TtsResetOrder Order, TtsResetPosition Position) {
  if (!FDataBound) {
    inherited::RefreshData(Order, Position);
    return;
  }
  if (!FDataActive) return;
  ClearCellBuffer();
  SetControlSelectMode(tsAll);
  if (Order == roCols || Order == roBoth) ResetColProperties(TtsProperties{prDisplayNumber});
  {
    SetEnablePaint(false);
    TtsFinally resume([&] { SetEnablePaint(true); });
    TDataSet *dataSet = FDataLink->DataSet();
    dataSet->Refresh();
    switch (Position) {
      case rpLeft:
        SetLeftCol(GetFixedColCount());
        break;
      case rpTop:
        SetTopRow(GetFixedRowCount());
        if (!FGridData->GetAtStart()) FGridData->MoveFirst();
        break;
      case rpTopLeft:
        MoveTopLeft(GetFixedColCount(), GetFixedRowCount());
        if (!FGridData->GetAtStart()) FGridData->MoveFirst();
        break;
      case rpNone:
        break;
    }
    UpdateRowCount(true);
    PositionCurrentRec(FCurDisplayCol, dataSet->GetBookmark(), false, false);
    Invalidate();
    CheckTopLeftChanged(false);
  }
  Refresh();
}

void TtsCustomDBGrid::ResetRowCellProperties() {
  if (FRowPropSet->GetCount() > 0) {
    FreeAndNil(FRowPropSet);
    FRowPropSet = New<TtsDBRowPropSet>(this);
  }
  if (FDBCellPropSet->GetCount() > 0) {
    FreeAndNil(FDBCellPropSet);
    FDBCellPropSet = New<TtsDBCellPropSet>(this);
  }
  ResetLastRow();
  FGridData->RereadBuffer(1, false);
  FGridData->ClearPropBuffer(0, 0, true);
  Invalidate();
  RedisplayControl(true);
}

void TtsCustomDBGrid::ResetInsertProperties() {
  const Variant &key = CanUseRecordIds() ? NullDataRow() : EmptyBookmark();
  if (TtsDBRowElement *row = FRowPropSet->GetRow(key)) FRowPropSet->ResetElement(row, AllProperties(), false);
  for (Integer col = 1; col <= GetGridColCount(); ++col)
    if (TtsDBCellElement *cell = FDBCellPropSet->GetCell(col, key))
      FDBCellPropSet->ResetElement(cell, AllProperties(), false);
}

}  // namespace TSDBGrid
