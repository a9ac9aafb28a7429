// Per-row settings keyed by data row, the column lookup, the display/data numbering in both
// directions, and the changed, selected and identity queries of rows.
#include "TSGridImpl.h"
#include "Bits.h"
#include "Format.h"
#include "TSGrid.h"
#include "Variants.h"

namespace TSGrid {

// ---- The row property family ------------------------------------------------------------------------
// A row object is made for a value that leaves the default and dropped when all its values are back.
template <class T, class Set>
void TtsBaseGrid::SetRowProperty(Integer DataRow, const T& Value, const T& Default, Set Apply) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return;
  if (Value == Default && !FRows->GetItem(DataRow)) return;
  FRows->CreateDataRow(DataRow);
  Apply(FRows->GetItem(DataRow));
  FRows->CheckRemoveDataRow(DataRow);
}

template <class T, class Get>
T TtsBaseGrid::RowProperty(Integer DataRow, const T& Default, Get Read) {
  if (DataRow < 1 || DataRow >= GetRowCount()) return Default;
  TtsRow* row = FRows->GetItem(DataRow);
  return row ? Read(row) : Default;
}

void TtsBaseGrid::SetRowColor(Integer DataRow, TColor Value) {
  SetRowProperty(DataRow, Value, Graphics::clNone, [&](TtsRow* Row) { Row->SetColor(Value); });
}
TColor TtsBaseGrid::GetRowColor(Integer DataRow) {
  return RowProperty(DataRow, Graphics::clNone, [](TtsRow* Row) { return Row->GetColor(); });
}
void TtsBaseGrid::SetRowFont(Integer DataRow, TFont* Value) {
  SetRowProperty<TFont*>(DataRow, Value, nullptr, [&](TtsRow* Row) { Row->SetFont(Value); });
}
TFont* TtsBaseGrid::GetRowFont(Integer DataRow) {
  return RowProperty<TFont*>(DataRow, nullptr, [](TtsRow* Row) { return Row->GetFont(); });
}
void TtsBaseGrid::SetRowParentFont(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, true, [&](TtsRow* Row) { Row->SetParentFont(Value); });
}
bool TtsBaseGrid::GetRowParentFont(Integer DataRow) {
  return RowProperty(DataRow, true, [](TtsRow* Row) { return Row->GetParentFont(); });
}
void TtsBaseGrid::SetRowAutoCreateFont(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, false, [&](TtsRow* Row) { Row->SetAutoCreateFont(Value); });
}
bool TtsBaseGrid::GetRowAutoCreateFont(Integer DataRow) {
  return RowProperty(DataRow, false, [](TtsRow* Row) { return Row->GetAutoCreateFont(); });
}
void TtsBaseGrid::SetRowHeight(Integer DataRow, Integer Value) {
  SetRowProperty(DataRow, Value, GetDefaultRowHeight(), [&](TtsRow* Row) { Row->SetHeight(Value); });
}
Integer TtsBaseGrid::GetRowHeight(Integer DataRow) {
  return RowProperty(DataRow, GetDefaultRowHeight(), [](TtsRow* Row) { return Row->GetHeight(); });
}
void TtsBaseGrid::SetRowAlignment(Integer DataRow, TAlignment Value) {
  SetRowProperty(DataRow, Value, taLeftJustify, [&](TtsRow* Row) { Row->SetAlignment(Value); });
}
TAlignment TtsBaseGrid::GetRowAlignment(Integer DataRow) {
  return RowProperty(DataRow, taLeftJustify, [](TtsRow* Row) { return Row->GetAlignment(); });
}
void TtsBaseGrid::SetRowAlign(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, false, [&](TtsRow* Row) { Row->SetAlign(Value); });
}
bool TtsBaseGrid::GetRowAlign(Integer DataRow) {
  return RowProperty(DataRow, false, [](TtsRow* Row) { return Row->GetAlign(); });
}
void TtsBaseGrid::SetRowHorzAlignment(Integer DataRow, TSCommon::TtsHorzAlignment Value) {
  SetRowProperty(DataRow, Value, TSCommon::htaDefault, [&](TtsRow* Row) { Row->SetHorzAlignment(Value); });
}
TSCommon::TtsHorzAlignment TtsBaseGrid::GetRowHorzAlignment(Integer DataRow) {
  return RowProperty(DataRow, TSCommon::htaDefault, [](TtsRow* Row) { return Row->GetHorzAlignment(); });
}
void TtsBaseGrid::SetRowVertAlignment(Integer DataRow, TSCommon::TtsVertAlignment Value) {
  SetRowProperty(DataRow, Value, TSCommon::vtaDefault, [&](TtsRow* Row) { Row->SetVertAlignment(Value); });
}
TSCommon::TtsVertAlignment TtsBaseGrid::GetRowVertAlignment(Integer DataRow) {
  return RowProperty(DataRow, TSCommon::vtaDefault, [](TtsRow* Row) { return Row->GetVertAlignment(); });
}
void TtsBaseGrid::SetRowButtonType(Integer DataRow, TtsButtonType Value) {
  SetRowProperty(DataRow, Value, btDefault, [&](TtsRow* Row) { Row->SetButtonType(Value); });
}
TtsButtonType TtsBaseGrid::GetRowButtonType(Integer DataRow) {
  return RowProperty(DataRow, btDefault, [](TtsRow* Row) { return Row->GetButtonType(); });
}
void TtsBaseGrid::SetRowWordWrap(Integer DataRow, TtsWordWrap Value) {
  SetRowProperty(DataRow, Value, wwDefault, [&](TtsRow* Row) { Row->SetWordWrap(Value); });
}
TtsWordWrap TtsBaseGrid::GetRowWordWrap(Integer DataRow) {
  return RowProperty(DataRow, wwDefault, [](TtsRow* Row) { return Row->GetWordWrap(); });
}
void TtsBaseGrid::SetRowReadOnly(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, false, [&](TtsRow* Row) { Row->SetReadOnly(Value); });
}
bool TtsBaseGrid::GetRowReadOnly(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return false;
  return IsRowReadOnly(DataRow);
}
bool TtsBaseGrid::IsRowReadOnly(Integer DataRow) {
  return RowProperty(DataRow, false, [](TtsRow* Row) { return Row->GetReadOnly(); });
}
void TtsBaseGrid::SetRowIs3D(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, false, [&](TtsRow* Row) { Row->SetIs3D(Value); });
}
bool TtsBaseGrid::GetRowIs3D(Integer DataRow) {
  return RowProperty(DataRow, false, [](TtsRow* Row) { return Row->GetIs3D(); });
}
void TtsBaseGrid::SetRowMaskName(Integer DataRow, const String& Value) {
  SetRowProperty(DataRow, Value, String(), [&](TtsRow* Row) { Row->SetMaskName(Value); });
}
String TtsBaseGrid::GetRowMaskName(Integer DataRow) {
  return RowProperty(DataRow, String(), [](TtsRow* Row) { return Row->GetMaskName(); });
}
void TtsBaseGrid::SetRowCombo(Integer DataRow, TtsCombo* Value) {
  SetRowProperty<TtsCombo*>(DataRow, Value, nullptr, [&](TtsRow* Row) { Row->SetCombo(Value); });
}
TtsCombo* TtsBaseGrid::GetRowCombo(Integer DataRow) {
  return RowProperty<TtsCombo*>(DataRow, nullptr, [](TtsRow* Row) { return Row->GetCombo(); });
}
void TtsBaseGrid::SetRowParentCombo(Integer DataRow, bool Value) {
  SetRowProperty(DataRow, Value, true, [&](TtsRow* Row) { Row->SetParentCombo(Value); });
}
bool TtsBaseGrid::GetRowParentCombo(Integer DataRow) {
  return RowProperty(DataRow, true, [](TtsRow* Row) { return Row->GetParentCombo(); });
}
void TtsBaseGrid::SetRowStretchPicture(Integer DataRow, TtsDrawOption Value) {
  SetRowProperty(DataRow, Value, dopDefault, [&](TtsRow* Row) { Row->SetStretchPicture(Value); });
}
TtsDrawOption TtsBaseGrid::GetRowStretchPicture(Integer DataRow) {
  return RowProperty(DataRow, dopDefault, [](TtsRow* Row) { return Row->GetStretchPicture(); });
}
void TtsBaseGrid::SetRowShrinkPicture(Integer DataRow, TtsDrawOption Value) {
  SetRowProperty(DataRow, Value, dopDefault, [&](TtsRow* Row) { Row->SetShrinkPicture(Value); });
}
TtsDrawOption TtsBaseGrid::GetRowShrinkPicture(Integer DataRow) {
  return RowProperty(DataRow, dopDefault, [](TtsRow* Row) { return Row->GetShrinkPicture(); });
}
void TtsBaseGrid::SetRowCenterPicture(Integer DataRow, TtsDrawOption Value) {
  SetRowProperty(DataRow, Value, dopDefault, [&](TtsRow* Row) { Row->SetCenterPicture(Value); });
}
TtsDrawOption TtsBaseGrid::GetRowCenterPicture(Integer DataRow) {
  return RowProperty(DataRow, dopDefault, [](TtsRow* Row) { return Row->GetCenterPicture(); });
}
void TtsBaseGrid::SetRowKeepAspectRatio(Integer DataRow, TtsDrawOption Value) {
  SetRowProperty(DataRow, Value, dopDefault, [&](TtsRow* Row) { Row->SetKeepAspectRatio(Value); });
}
TtsDrawOption TtsBaseGrid::GetRowKeepAspectRatio(Integer DataRow) {
  return RowProperty(DataRow, dopDefault, [](TtsRow* Row) { return Row->GetKeepAspectRatio(); });
}
void TtsBaseGrid::SetRowControlType(Integer DataRow, TtsControlType Value) {
  SetRowProperty(DataRow, Value, ctDefault, [&](TtsRow* Row) { Row->SetControlType(Value); });
}
TtsControlType TtsBaseGrid::GetRowControlType(Integer DataRow) {
  return RowProperty(DataRow, ctDefault, [](TtsRow* Row) { return Row->GetControlType(); });
}
void TtsBaseGrid::SetRowSpinOptions(Integer DataRow, TtsSpinOptions Value) {
  SetRowProperty(DataRow, Value, AllSpinOptions, [&](TtsRow* Row) { Row->SetSpinOptions(Value); });
}
TtsSpinOptions TtsBaseGrid::GetRowSpinOptions(Integer DataRow) {
  return RowProperty(DataRow, AllSpinOptions, [](TtsRow* Row) { return Row->GetSpinOptions(); });
}
void TtsBaseGrid::SetRowSpinIncrement(Integer DataRow, double Value) {
  SetRowProperty(DataRow, Value, 1.0, [&](TtsRow* Row) { Row->SetSpinIncrement(Value); });
}
double TtsBaseGrid::GetRowSpinIncrement(Integer DataRow) {
  return RowProperty(DataRow, 1.0, [](TtsRow* Row) { return Row->GetSpinIncrement(); });
}
void TtsBaseGrid::SetRowDateTimeDef(Integer DataRow, TtsDateTimeDefComponent* Value) {
  SetRowProperty<TtsDateTimeDefComponent*>(DataRow, Value, nullptr, [&](TtsRow* Row) { Row->SetDateTimeDef(Value); });
}
TtsDateTimeDefComponent* TtsBaseGrid::GetRowDateTimeDef(Integer DataRow) {
  return RowProperty<TtsDateTimeDefComponent*>(DataRow, nullptr, [](TtsRow* Row) { return Row->GetDateTimeDef(); });
}
void TtsBaseGrid::SetRowDropDownStyle(Integer DataRow, TtsDropDownStyle Value) {
  SetRowProperty(DataRow, Value, ddDropDown, [&](TtsRow* Row) { Row->SetDropDownStyle(Value); });
}
TtsDropDownStyle TtsBaseGrid::GetRowDropDownStyle(Integer DataRow) {
  return RowProperty(DataRow, ddDropDown, [](TtsRow* Row) { return Row->GetDropDownStyle(); });
}

void TtsBaseGrid::SetRowVisible(Integer DataRow, bool Value) {
  if (!CheckIndex(itRow, DataRow, GetGridRowCount(), 1)) return;
  if (Value && !FRows->GetItem(DataRow)) return;
  FRows->CreateDataRow(DataRow);
  FRows->GetItem(DataRow)->SetVisible(Value);
  FRows->CheckRemoveDataRow(DataRow);
}

bool TtsBaseGrid::IsRowVisible(Integer DataRow) {
  if (DataRow < 0 || DataRow >= GetRowCount()) return false;
  TtsRow* row = FRows->GetItem(DataRow);
  return !row || row->GetVisible();
}

bool TtsBaseGrid::GetRowVisible(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return true;
  return IsRowVisible(DataRow);
}

void TtsBaseGrid::AssignRowCombo(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return;
  FRows->CreateDataRow(DataRow);
  FRows->GetItem(DataRow)->AssignCombo();
}

void TtsBaseGrid::ResetRowCombo(Integer DataRow) { SetRowCombo(DataRow, nullptr); }

void TtsBaseGrid::AssignRowFont(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return;
  FRows->CreateDataRow(DataRow);
  FRows->GetItem(DataRow)->AssignFont();
}

void TtsBaseGrid::ResetRowFont(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1) || !FRows->GetItem(DataRow)) return;
  FRows->GetItem(DataRow)->ResetFont();
  FRows->CheckRemoveDataRow(DataRow);
}

// ---- Columns and rows by number ---------------------------------------------------------------------
TtsCol* TtsBaseGrid::GetCol(const Variant& Key) {
  if (VarIsStr(Key)) {
    TtsCol* col = FCols->FindCol(VarToStr(Key));
    if (!col) CheckRaise(Format("Unknown field name '%s'", {VarToStr(Key)}));
    return col;
  }
  Integer n = Key.ToInteger();
  if (!CheckIndex(itCol, n, GetColCount() - 1, 1)) return nullptr;
  return FCols->GetItem(n);
}

TtsRow* TtsBaseGrid::GetRow(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 0)) return nullptr;
  return FRows->GetItem(DataRow);
}

Integer TtsBaseGrid::GetRowId(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 0)) return -1;
  return FRows->GetRowId(DataRow);
}

Integer TtsBaseGrid::GetIdDataRow(Integer Id) {
  Integer rows = GetGridRowCount();
  Integer low = 0, high = rows + 1;
  while (high != low + 1) {
    Integer mid = (low + high) / 2;
    if (FRows->GetRowId(mid) < Id)
      low = mid;
    else
      high = mid;
  }
  return high <= rows && FRows->GetRowId(high) == Id ? high : -1;
}

Integer TtsBaseGrid::GetIDDataCol(Integer Id) {
  for (Integer c = 1; c <= GetGridColCount(); ++c)
    if (FCols->GetItem(c)->GetId() == Id) return c;
  return -1;
}

// ---- Display and data numbers -----------------------------------------------------------------------
Integer TtsBaseGrid::GetDataCol(Integer DisplayCol) {
  if (DisplayCol < 0 || DisplayCol >= static_cast<Integer>(FDisplayColMap.size())) return -1;
  return FDisplayColMap[static_cast<size_t>(DisplayCol)];
}

Integer TtsBaseGrid::GetDataColnr(Integer DisplayCol) { return DisplayCol == 0 ? -1 : GetDataCol(DisplayCol); }

void TtsBaseGrid::SetDataCol(Integer DisplayCol, Integer DataCol) {
  if (DisplayCol >= 1 && DisplayCol < GetColCount()) FDisplayColMap[static_cast<size_t>(DisplayCol)] = DataCol;
}

Integer TtsBaseGrid::GetDataRow(Integer DisplayRow) {
  if (DisplayRow < 0 || DisplayRow >= static_cast<Integer>(FDisplayRowMap.size())) return -1;
  return FDisplayRowMap[static_cast<size_t>(DisplayRow)];
}

Integer TtsBaseGrid::GetDataRownr(Integer DisplayRow) { return DisplayRow == 0 ? -1 : GetDataRow(DisplayRow); }

void TtsBaseGrid::SetDataRow(Integer DisplayRow, Integer DataRow) {
  if (DisplayRow >= 1 && DisplayRow < GetRowCount()) FDisplayRowMap[static_cast<size_t>(DisplayRow)] = DataRow;
}

Integer TtsBaseGrid::GetDisplayCol(Integer DataCol) {
  return DataCol >= 0 && DataCol < FCols->GetCount() ? FCols->GetItem(DataCol)->GetDisplayCol() : 0;
}

Integer TtsBaseGrid::GetDisplayColnr(Integer DataCol) {
  return DataCol >= 1 && DataCol < FCols->GetCount() ? FCols->GetItem(DataCol)->GetDisplayCol() : -1;
}

void TtsBaseGrid::SetDisplayColnr(Integer DataCol, Integer DisplayCol) {
  if (DataCol >= 1 && DataCol < GetColCount()) FCols->GetItem(DataCol)->SetDisplayCol(DisplayCol);
}

Integer TtsBaseGrid::GetDisplayRow(Integer DataRow) {
  return DataRow >= 0 && DataRow < FRows->GetCount() ? FRows->GetDisplayRowNumber(DataRow) : 0;
}

Integer TtsBaseGrid::GetDisplayRownr(Integer DataRow) {
  return DataRow >= 1 && DataRow < FRows->GetCount() ? FRows->GetDisplayRowNumber(DataRow) : -1;
}

void TtsBaseGrid::SetDisplayRownr(Integer DataRow, Integer DisplayRow) {
  Integer rows = GetGridRowCount();
  if (DataRow < 1 || DataRow > rows || DisplayRow < 1 || DisplayRow > rows) return;
  Integer old = GetDisplayRow(DataRow);
  if (old == DisplayRow) return;
  ChangeDisplayRow(old, DisplayRow);
  MoveVisibleRow(old, DisplayRow);
  ChangeRowHeights(old, DisplayRow);
  ChangeSelectedRows(old, DisplayRow);
  ChangeCurrentRowPosition(old, DisplayRow);
  DoRowMoved(DisplayRow, 1, false);
  auto inView = [this](Integer Row) {
    return Row < GetFixedRows() || (Row >= GetTopRow() && Row <= MaxVisibleRow());
  };
  if (inView(old) || inView(DisplayRow)) Invalidate();
  UpdateScrollRange();
  CheckTopLeft(false);
  RedisplayControl(true);
}

// ---- Changed and selected rows ----------------------------------------------------------------------
void TtsBaseGrid::SetRowChanged(Integer DataRow, bool Value) {
  if (!CheckIndex(itRow, DataRow, GetGridRowCount(), 1)) return;
  if (FChangedRows->GetBits(DataRow) == Value) return;
  FChangedRows->SetBits(DataRow, Value);
  if (!Value && GetDisplayRow(DataRow) == FCurDisplayRow) {
    FEditedRow = false;
    InvalidateCell(0, FCurDisplayRow);
  }
}

bool TtsBaseGrid::GetRowChanged(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetGridRowCount(), 1)) return false;
  if (FChangedRows->GetBits(DataRow)) return true;
  return DataRow == FCurDataRow && FEditedRow;
}

bool TtsBaseGrid::IsRowChanged(Integer DataRow) {
  return DataRow >= 1 && DataRow < FChangedRows->GetSize() && DataRow < GetRowCount() &&
         FChangedRows->GetBits(DataRow);
}

void TtsBaseGrid::SetRowSelected(Integer DataRow, bool Value) {
  if (!CheckIndex(itRow, DataRow, GetGridRowCount(), 1)) return;
  Integer displayRow = GetDisplayRow(DataRow);
  if (FRowSelection->GetSelected(displayRow) != Value) SelectRows(displayRow, displayRow, Value);
}

bool TtsBaseGrid::GetRowSelected(Integer DataRow) {
  if (!CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return false;
  return IsRowSelected(DataRow);
}

bool TtsBaseGrid::IsRowSelected(Integer DataRow) {
  if (DataRow < 1 || DataRow >= GetRowCount()) return false;
  return FRowSelection->GetSelected(GetDisplayRow(DataRow));
}

void TtsBaseGrid::ResetLastCell() {
  FLastCellValid = false;
  FLastCellCol = -1;
  FLastCellRow.Clear();
  FLastCellElement = nullptr;
}

}  // namespace TSGrid
