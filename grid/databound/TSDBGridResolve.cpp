// The effective properties of a record cell addressed by DataRow: the cell's override first, then
// the record's row override and the data column in the grid's DrawOverlap order, then the grid. The
// current cell, combos, date-time pickers, text measuring and value writing resolve through here;
// painting resolves display lines through the plain grid's layering and the line getters instead.
#include "TSDBGrid.h"
#include "TSGridColumns.h"
#include "TSGridImpl.h"
#include "TSGridStores.h"

namespace TSDBGrid {

namespace {

bool ColumnInRange(TtsBaseGrid* Grid, Integer DataCol) { return DataCol >= 1 && DataCol <= Grid->GetGridColCount(); }

}  // namespace

Variant TtsCustomDBGrid::CurrentRecordKey() {
  if (!CanUseRecordIds()) return Variant(FCurrentBookmark);
  // A current record outside the buffer has no line to read its id from.
  if (GetCurDataRow() <= 0 || !FGridData) return GetBookmarkRecordID(FCurrentBookmark);
  return LineDataRow(GetCurDataRow());
}

TFont* TtsCustomDBGrid::GiveDBCellFont(Integer DisplayCol, const Variant& DataRow) {
  Integer dataCol = GetDataCol(DisplayCol);
  if (!GetDBCellParentFont(dataCol, DataRow))
    if (TFont* font = GetDBCellFont(dataCol, DataRow)) return font;
  TtsCol* col = FCols->GetCol(dataCol);
  TFont* font = RowColLayer<TFont*>(
      FDrawOverlap, nullptr, [&]() { return GetDBRowParentFont(DataRow) ? nullptr : GetDBRowFont(DataRow); },
      [&]() { return col && !col->GetParentFont() ? col->GetFont() : nullptr; });
  return font ? font : GetFont();
}

TtsWordWrap TtsCustomDBGrid::GiveDBCellWordWrap(Integer DisplayCol, const Variant& DataRow) {
  Integer dataCol = GetDataCol(DisplayCol);
  TtsWordWrap wrap = GetDBCellWordWrap(dataCol, DataRow);
  if (wrap != wwDefault) return wrap;
  TtsCol* col = FCols->GetCol(dataCol);
  wrap = RowColLayer(FDrawOverlap, wwDefault, [&]() { return GetDBRowWordWrap(DataRow); },
                     [&]() { return col ? col->GetWordWrap() : wwDefault; });
  return wrap != wwDefault ? wrap : FWordWrap;
}

TAlignment TtsCustomDBGrid::GiveDBCellAlignment(Integer DisplayCol, const Variant& DataRow) {
  Integer dataCol = GetDataCol(DisplayCol);
  if (GetDBCellAlign(dataCol, DataRow)) return GetDBCellAlignment(dataCol, DataRow);
  TtsCol* col = FCols->GetCol(dataCol);
  // The column's alignment is its own when set, else its field's; it ends the chain.
  TAlignment columnAlignment = col ? col->GetAlignment() : taLeftJustify;
  if (FDrawOverlap != doDrawRowOnTop && col && col->GetAlign()) return columnAlignment;
  return GetDBRowAlign(DataRow) ? GetDBRowAlignment(DataRow) : columnAlignment;
}

TtsButtonType TtsCustomDBGrid::GiveDBCellButton(Integer DisplayCol, const Variant& DataRow,
                                                 TtsDropDownStyle& DropDownStyle) {
  DropDownStyle = ddDropDown;
  Integer dataCol = GetDataCol(DisplayCol);
  // A read-only cell shows no button unless the grid asks for buttons on read-only cells.
  if (!FReadOnlyButton && !CanEditDBCell(dataCol, DataRow)) return btNone;
  TtsButtonType type = GetDBCellButtonType(dataCol, DataRow);
  if (type != btDefault) {
    DropDownStyle = GetDBCellDropDownStyle(dataCol, DataRow);
    return type;
  }
  TtsCol* col = FCols->GetCol(dataCol);
  bool colFirst = FDrawOverlap != doDrawRowOnTop;
  for (Integer pass = 0; pass < 2; ++pass) {
    bool asCol = (pass == 0) == colFirst;
    if (asCol && !col) continue;
    type = asCol ? col->GetButtonType() : GetDBRowButtonType(DataRow);
    if (type != btDefault) {
      DropDownStyle = asCol ? col->GetDropDownStyle() : GetDBRowDropDownStyle(DataRow);
      return type;
    }
  }
  return btNone;
}

String TtsCustomDBGrid::GiveDBCellMaskName(Integer DataCol, const Variant& DataRow) {
  if (!ColumnInRange(this, DataCol)) return String();
  String name;
  GetDBCellMaskName(DataCol, DataRow, name);
  if (!name.empty()) return name;
  TtsCol* col = FCols->GetItem(DataCol);
  return RowColLayer(
      FDrawOverlap, String(),
      [&]() {
        String rowName;
        GetDBRowMaskName(DataRow, rowName);
        return rowName;
      },
      [&]() { return col->GetMaskName(); });
}

TtsControlType TtsCustomDBGrid::GiveDBCellControlType(Integer DataCol, const Variant& DataRow) {
  if (!ColumnInRange(this, DataCol)) return ctNone;
  TtsControlType type = GetDBCellControlType(DataCol, DataRow);
  if (type == ctDefault) {
    TtsCol* col = FCols->GetItem(DataCol);
    type = RowColLayer(FDrawOverlap, ctDefault, [&]() { return GetDBRowControlType(DataRow); },
                       [&]() { return col->GetControlType(); });
  }
  return type == ctDefault ? ctText : type;
}

TtsCombo* TtsCustomDBGrid::GiveDBCellCombo(Integer DataCol, const Variant& DataRow) {
  if (!ColumnInRange(this, DataCol)) return nullptr;
  // At design time every layer shows its own combo settings: ParentCombo hands nothing on.
  bool designing = GetInDesignMode();
  if (GetDBCellButtonType(DataCol, DataRow) == btCombo && (!GetDBCellParentCombo(DataCol, DataRow) || designing))
    return GetDBCellCombo(DataCol, DataRow);
  TtsCol* col = FCols->GetItem(DataCol);
  bool columnCombo = col->GetButtonType() == btCombo;
  bool rowCombo = GetDBRowButtonType(DataRow) == btCombo;
  if (FDrawOverlap == doDrawRowOnTop) {
    if (!rowCombo || (GetDBRowParentCombo(DataRow) && !designing)) return columnCombo ? col->GetCombo() : nullptr;
    return GetDBRowCombo(DataRow);
  }
  if (columnCombo && (!col->GetParentCombo() || designing)) return col->GetCombo();
  return rowCombo ? GetDBRowCombo(DataRow) : nullptr;
}

bool TtsCustomDBGrid::CanEditDBCell(Integer DataCol, const Variant& DataRow) {
  // A column the lookup does not find (invalid while the grid does not raise) is not editable.
  TtsCol* col = FCols->GetCol(DataCol);
  if (!col) return false;
  bool visible = col->GetVisible() && GetDBRowVisible(DataRow);
  TtsReadOnly own = GetDBCellReadOnly(DataCol, DataRow);
  // A cell's explicit setting overrides its column, its row and the field.
  if (own != roDefault) return visible && own == roOff;
  return visible && !col->GetReadOnly() && !GetDBRowReadOnly(DataRow);
}

bool TtsCustomDBGrid::GiveDBCellReadOnly(Integer DataCol, const Variant& DataRow) {
  return ColumnInRange(this, DataCol) && !CanEditDBCell(DataCol, DataRow);
}

bool TtsCustomDBGrid::GiveDBCellSelected(Integer DataCol, const Variant& DataRow) {
  if (!ColumnInRange(this, DataCol)) return false;
  return FCols->GetItem(DataCol)->GetSelected() || GetDBRowSelected(DataRow);
}

String TtsCustomDBGrid::GiveDBCellCheckBoxValues(Integer DataCol, const Variant&) {
  // Check-box values have no per-record layer.
  TtsCol* col = FCols->GetCol(DataCol);
  if (!col || !col->UseCheckBoxValues()) return String();
  String values = col->GetCheckBoxValues();
  return values.empty() ? FCheckBoxValues : values;
}

// ---- The active cell and the current cell ------------------------------------------------------------------
TtsControlType TtsCustomDBGrid::ActiveControlType(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::ActiveControlType(DataCol, DataRow);
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIdType(DataRow)) return ctNone;
  return GiveDBCellControlType(DataCol, DataRow);
}

TtsCombo* TtsCustomDBGrid::ActiveCombo(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::ActiveCombo(DataCol, DataRow);
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIdType(DataRow)) return nullptr;
  return GiveDBCellCombo(DataCol, DataRow);
}

String TtsCustomDBGrid::CurCellMaskName() {
  return FDataBound ? GiveDBCellMaskName(GetCurDataCol(), CurrentRecordKey()) : inherited::CurCellMaskName();
}

TtsControlType TtsCustomDBGrid::CurCellControlType() {
  return FDataBound ? GiveDBCellControlType(GetCurDataCol(), CurrentRecordKey()) : inherited::CurCellControlType();
}

bool TtsCustomDBGrid::CurCellReadOnly() {
  return FDataBound ? GiveDBCellReadOnly(GetCurDataCol(), CurrentRecordKey()) : inherited::CurCellReadOnly();
}

bool TtsCustomDBGrid::CurCellSelected() {
  // The row selection is kept by bookmark, also while record ids are in use.
  return FDataBound ? GiveDBCellSelected(GetCurDataCol(), Variant(FCurrentBookmark)) : inherited::CurCellSelected();
}

String TtsCustomDBGrid::CurCellCheckBoxValues() {
  return FDataBound ? GiveDBCellCheckBoxValues(GetCurDataCol(), CurrentRecordKey())
                    : inherited::CurCellCheckBoxValues();
}

bool TtsCustomDBGrid::CanDrawInsert() {
  // At design time, with no data, a grid in insert mode draws its insertion row.
  return FDataBound && !FDataActive && GetInDesignMode() && GridModeToEditMode(GetGridMode()) == emEditInsert;
}

bool TtsCustomDBGrid::ButtonsActive() {
  return FDataBound ? FDataActive || GetInDesignMode() : inherited::ButtonsActive();
}

}  // namespace TSDBGrid
