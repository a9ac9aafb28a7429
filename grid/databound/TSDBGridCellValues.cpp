// Record cell values and text measuring. A value is read while its record is the strategy's
// active record: a displayed record by switching the active buffer record, never by moving the
// dataset; a record outside the buffer through the strategy. Values are addressed by bookmark in
// every mode; record ids serve only to look the record's overrides up.
#include <algorithm>

#include "TSCommon.h"
#include "TSDBGrid.h"
#include "TSDBGridColumns.h"
#include "TSDBGridFields.h"
#include "TSDBGridScope.h"
#include "TSGridCells.h"
#include "TSGridControls.h"
#include "TSGridStores.h"

namespace TSDBGrid {

namespace {

bool ColumnInRange(TtsBaseGrid* Grid, Integer DataCol) { return DataCol >= 1 && DataCol <= Grid->GetGridColCount(); }

}  // namespace

template <class Body>
void TtsCustomDBGrid::WithActiveRecord(Integer Line, Body Run) {
  Integer saved = GetActiveRecord();
  SetActiveRecord(Line);
  try {
    Run();
  } catch (...) {
    SetActiveRecord(saved);
    throw;
  }
  SetActiveRecord(saved);
}

bool TtsCustomDBGrid::HoldsEditedValue(Integer DataCol, const String& Bookmark) {
  return GetCanGetCurrentCell() && !GetCurrentCell()->IsClear() && DataCol == GetCurDataCol() &&
         CompareBkm(Bookmark, FCurrentBookmark) == 0;
}

Variant TtsCustomDBGrid::GetCellValue(Integer DataCol, Integer Line) {
  if (!FDataBound) return inherited::GetCellValue(DataCol, Line);
  Variant value;
  if (!FDataActive) return value;
  WithActiveRecord(Line, [&] { GetActiveCellValue(DataCol, Variant(FGridData->GetBookmark(Line)), value); });
  return value;
}

void TtsCustomDBGrid::GetActiveCellValue(Integer DataCol, const Variant& Bookmark, Variant& Value) {
  Value = Variant();
  if (!FDataBound) {
    Value = inherited::GetCellValue(DataCol, Bookmark.ToInteger());
    return;
  }
  if (!ColumnInRange(this, DataCol)) return;
  // The current cell's editor may hold a value not yet posted: that is the value the cell shows.
  if (HoldsEditedValue(DataCol, VarToStr(Bookmark))) {
    Value = GetCurrentCell()->BufferValue();
    return;
  }
  if (!CheckGetCell()) return;
  Variant key;
  BkmRecordId(Bookmark, key);
  TtsControlType type = GiveDBCellControlType(DataCol, key);
  GetFieldValue(static_cast<TtsDBCol*>(FCols->GetItem(DataCol)), 0, Value, type, false);
  DBCellLoaded(DataCol, Bookmark, 0, false, type, Value);
}

void TtsCustomDBGrid::GetDBCellValue(Integer DataCol, const Variant& Bookmark, Variant& Value) {
  Value = Variant();
  if (!FDataBound) {
    Value = inherited::GetCellValue(DataCol, Bookmark.ToInteger());
    return;
  }
  if (!ColumnInRange(this, DataCol) || !CheckGetCell() || !FGridData) return;
  Integer active = FGridData->GetActiveRecord();
  if (active >= 1 && active <= FGridData->GetBufferRows() &&
      CompareBkm(FGridData->GetBookmark(active), VarToStr(Bookmark)) == 0)
    GetActiveCellValue(DataCol, Bookmark, Value);
  else
    BookmarkValue(DataCol, Bookmark, Value);
}

void TtsCustomDBGrid::BookmarkValue(Integer DataCol, const Variant& Bookmark, Variant& Value) {
  Value = Variant();
  if (!FDataActive || !ColumnInRange(this, DataCol) || FCols->GetItem(DataCol)->GetControlType() == ctNone) return;
  String bookmark = VarToStr(Bookmark);
  Integer line = FGridData->BufferRow(bookmark);
  if (line != 0)
    WithActiveRecord(line, [&] { GetActiveCellValue(DataCol, Bookmark, Value); });
  else if (HoldsEditedValue(DataCol, bookmark))
    Value = GetCurrentCell()->BufferValue();
  else
    FGridData->BookmarkValue(DataCol, bookmark, Value);
}

void TtsCustomDBGrid::GetBkmValueAndRecordId(Integer DataCol, const Variant& Bookmark, Variant& RecordId,
                                             Variant& Value) {
  String bookmark = VarToStr(Bookmark);
  Integer line = FGridData->BufferRow(bookmark);
  if (line == 0) {
    FGridData->GetBkmValueAndRecordID(DataCol, bookmark, Value, RecordId);
    return;
  }
  WithActiveRecord(line, [&] {
    GetActiveCellValue(DataCol, Bookmark, Value);
    FGridData->GetRecordId(line, RecordId);
  });
}

void TtsCustomDBGrid::BkmRecordId(const Variant& Bookmark, Variant& DataRow) {
  DataRow = CanUseRecordIds() ? GetBookmarkRecordID(VarToStr(Bookmark)) : Bookmark;
}

void TtsCustomDBGrid::SetDBCellValue(Integer DataCol, const Variant& DataRow, const Variant& Value) {
  if (!FDataBound) return inherited::SetCellValue(DataCol, DataRow.ToInteger(), Value);
  // Only the current record is written; any other call is ignored.
  if (!ColumnInRange(this, DataCol) || !IsCurrentRecord(DataRow)) return;
  TtsControlType type = GiveDBCellControlType(DataCol, CurrentRecordKey());
  if (type == ctNone) return;
  auto* col = static_cast<TtsDBCol*>(FCols->GetItem(DataCol));
  if (col->GetDBField()) {
    Variant checked;
    CheckStrValue(type, Value, checked);
    SetFieldValue(col, type, checked);
    return;
  }
  Integer line = FGridData->BufferRow(FCurrentBookmark);
  if (line > 0) inherited::SetCellValue(DataCol, line, Value);
}

void TtsCustomDBGrid::SetDBCellPText(Integer DataCol, const Variant& DataRow, const char* Text) {
  if (!FDataBound) inherited::SetCellPText(DataCol, DataRow.ToInteger(), Text ? String(Text) : String());
}

TCheckBoxState TtsCustomDBGrid::GetCellCheckBoxState(Integer DataCol, const Variant& DataRow) {
  Variant value;
  GetDBCellValue(DataCol, DataRow, value);
  return VariantToCheckBox(value, GiveCellCheckBoxValues(DataCol, 0));
}

void TtsCustomDBGrid::SetCellCheckBoxState(Integer DataCol, const Variant& DataRow, TCheckBoxState State) {
  SetDBCellValue(DataCol, DataRow, CheckBoxToVariant(State, GiveCellCheckBoxValues(DataCol, 0)));
}

// ---- Text measuring ---------------------------------------------------------------------------------------
String TtsCustomDBGrid::KeyBookmark(const Variant& DataRow) {
  if (!CanUseRecordIds()) return VarToStr(DataRow);
  Integer line = RecordIDRow(DataRow, true);
  if (line > 0) return FGridData->GetBookmark(line);
  return CompareRecordIds(CurrentRecordKey(), DataRow) == 0 ? FCurrentBookmark : String();
}

Integer TtsCustomDBGrid::GetDbCellTextWidth(Integer DataCol, const Variant& DataRow) {
  Variant value;
  GetDBCellValue(DataCol, Variant(KeyBookmark(DataRow)), value);
  return CellTextWidth(VarToStr(value), GetDBCellWordWrap(DataCol, DataRow));
}

Integer TtsCustomDBGrid::GetDBColMaxTextWidth(Integer DataCol) {
  TDataSet* dataset = GetDataset();
  if (!dataset || !dataset->GetActive() || !FGridData) return 0;
  SetEnableRedraw(false);
  TtsDatasetPosition view;
  FGridData->GetDatasetPosition(view);
  TtsFinally restore([&] {
    // The view's top record first, then the current record by its place in the view.
    FGridData->MoveToRecord(view.Bookmark);
    if (view.BufferRow != FGridData->CurrentBufRow()) dataset->MoveBy(view.BufferRow - FGridData->CurrentBufRow());
    SetEnableRedraw(true);
  });
  Integer widest = 0;
  // Each record is current in turn, so its value is read from the link's active record; with record
  // ids the key is the record's id, which is what the width's property lookups are keyed by.
  for (dataset->First(); !dataset->Eof(); dataset->Next())
    widest = std::max(widest, GetDbCellTextWidth(DataCol, CurrentRecordKey()));
  return widest;
}

Integer TtsCustomDBGrid::GetCellTextWidth(Integer DataCol, Integer Line) {
  if (!FDataBound) return inherited::GetCellTextWidth(DataCol, Line);
  return FDataActive ? GetDbCellTextWidth(DataCol, LineDataRow(Line)) : 0;
}

void TtsCustomDBGrid::GetTextSize(Integer DataCol, const Variant& DataRow, Integer& Lines, Integer& Height) {
  if (!FDataBound) return inherited::GetTextSize(DataCol, DataRow, Lines, Height);
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIdType(DataRow)) return;
  Lines = Height = 0;
  if (!FDataActive) return;
  String bookmark = KeyBookmark(DataRow);
  if (bookmark.empty()) return;
  Variant id, value;
  GetBkmValueAndRecordId(DataCol, Variant(bookmark), id, value);
  // Only text in a text cell is measured.
  if (VarType(value) != varString || GiveDBCellControlType(DataCol, id) != ctText) return;
  Integer display = GetDisplayCol(DataCol);
  TtsDropDownStyle style;
  TtsButtonType button = GiveDBCellButton(display, id, style);
  ComputeTextSize(DataCol, TextAreaWidth(DataCol, button), VarToStr(value), GiveDBCellFont(display, id),
                  GiveDBCellAlignment(display, id), GiveDBCellWordWrap(display, id), button, Lines, Height);
}

Integer TtsCustomDBGrid::GetDBCellTextHeight(Integer DataCol, const Variant& DataRow) {
  Integer lines = 0, height = 0;
  GetTextSize(DataCol, DataRow, lines, height);
  return height;
}

Integer TtsCustomDBGrid::GetDBCellTextLines(Integer DataCol, const Variant& DataRow) {
  Integer lines = 0, height = 0;
  GetTextSize(DataCol, DataRow, lines, height);
  return lines;
}

// ---- The editor -------------------------------------------------------------------------------------------
void TtsCustomDBGrid::CheckSetMask(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::CheckSetMask(DataCol, DataRow);
  if (ComponentState().Contains(csDestroying) || DataCol < 0 || DataCol > GetColCount() - 1 ||
      DataCol != GetCurDataCol())
    return;
  bool current = CanUseRecordIds() ? CompareRecordIds(CurrentRecordKey(), DataRow) == 0
                                   : CompareBkm(FCurrentBookmark, VarToStr(DataRow)) == 0;
  if (current) SetControlMask();
}

void TtsCustomDBGrid::SetControlProperties(TtsCustomGridControl* Control) {
  inherited::SetControlProperties(Control);
  if (!FDataBound || !FDataActive || !ColumnInRange(this, GetCurDataCol())) return;
  TtsDBField* field = static_cast<TtsDBCol*>(FCols->GetItem(GetCurDataCol()))->GetDBField();
  // A read-only, calculated or lookup field takes no typing.
  if (field && !field->IsEditField()) Control->SetKeyEdit(false);
}

}  // namespace TSDBGrid
