// Row settings of a grid that shows records: rows are neither moved, sized one by one nor fixed;
// a display row names its record; scaling reaches the per-record fonts and combos; and a record's
// row or cell gets a combo or font of its own.
#include "RtlMath.h"
#include "TSDBGrid.h"
#include "TSDBGridData.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridScope.h"
#include "TSGridCombo.h"

namespace TSDBGrid {

namespace {
// An element's own font and its combo's grid follow the scale; a font taken from the parents does
// not.
void ScaleElements(TtsCustomPropSet* Set, Integer M, Integer D, TScalingFlags Flags) {
  TOwnedPtr<TtsSetList> list(Set->List());
  for (Integer i = 1; i <= list->GetCount(); ++i) {
    auto* element = static_cast<TtsCustomPropElement*>(list->GetItems(i));
    TFont* font = element->GetFont();
    if (Flags.Contains(sfFont) && font && !element->ParentFont) font->SetSize(MulDiv(font->GetSize(), M, D));
    if (TtsCombo* combo = element->GetCombo()) combo->GetGrid()->ChangeScale(M, D);
  }
}
}  // namespace

// ---- Restricted row settings ------------------------------------------------------------------------
bool TtsCustomDBGrid::GetRowMoving() { return !FDataBound && inherited::GetRowMoving(); }

void TtsCustomDBGrid::SetRowMoving(bool Value) {
  if (!FDataBound || !Value) inherited::SetRowMoving(Value);
}

void TtsCustomDBGrid::SetDBResizeRows(TtsResizeRows Value) {
  if (!FDataBound || Value != rrSingle) SetResizeRows(Value);
}

void TtsCustomDBGrid::SetDBFixedRowCount(Integer Value) {
  if (!FDataBound || Value == 0) SetFixedRowCount(Value);
}

Integer TtsCustomDBGrid::GetDBMaxTopRow() { return FDataBound ? 0 : GetMaxTopRow(); }

void TtsCustomDBGrid::GetDBDataRownr(Integer DisplayRow, Variant& DataRow) {
  if (!FDataBound) {
    DataRow = Variant(GetDataRownr(DisplayRow));
    return;
  }
  DataRow = Variant();
  if (FDataActive && DisplayRow >= 1 && DisplayRow <= GetGridRowCount() + GetInsertionRow())
    DataRow = Variant(FGridData->GetBookmark(DisplayRow));
}

// ---- Scaling ----------------------------------------------------------------------------------------
void TtsCustomDBGrid::ScaleRows(Integer M, Integer D, TScalingFlags Flags) {
  if (!FDataBound) return inherited::ScaleRows(M, D, Flags);
  if (M == D) return;
  if (Flags.Contains(sfHeight)) {
    {
      bool outer = FHeightUpdating;
      FHeightUpdating = true;
      TtsFinally lower([this, outer] { FHeightUpdating = outer; });
      SetDefaultRowHeight(MulDiv(GetDefaultRowHeight(), M, D));
    }
    RowHeightsChanged();
  }
  ScaleElements(FRowPropSet, M, D, Flags);
}

void TtsCustomDBGrid::ScaleCells(Integer M, Integer D, TScalingFlags Flags) {
  if (!FDataBound) return inherited::ScaleCells(M, D, Flags);
  if (M != D) ScaleElements(FDBCellPropSet, M, D, Flags);
}

// ---- Own combos and fonts of a record's row or cell -------------------------------------------------
void TtsCustomDBGrid::AssignRowCombo(const Variant& DataRow) {
  AssignDBRowCombo(DataRow);
  if (FDataBound) CheckResetRowCombo(DataRow);
}

void TtsCustomDBGrid::ResetRowCombo(const Variant& DataRow) { SetDBRowCombo(DataRow, nullptr); }

void TtsCustomDBGrid::AssignRowFont(const Variant& DataRow) {
  if (!FDataBound) return inherited::AssignRowFont(DataRow.ToInteger());
  if (CheckIdType(DataRow) && !GetDBRowFont(DataRow)) SetDBRowFont(DataRow, GetFont());
}

void TtsCustomDBGrid::ResetRowFont(const Variant& DataRow) {
  if (!FDataBound) return inherited::ResetRowFont(DataRow.ToInteger());
  if (CheckIdType(DataRow)) SetDBRowFont(DataRow, nullptr);
}

void TtsCustomDBGrid::AssignCellCombo(Integer DataCol, const Variant& DataRow) {
  AssignDBCellCombo(DataCol, DataRow);
  if (FDataBound) CheckResetCellCombo(DataCol, DataRow);
}

void TtsCustomDBGrid::ResetCellCombo(Integer DataCol, const Variant& DataRow) {
  SetDBCellCombo(DataCol, DataRow, nullptr);
}

void TtsCustomDBGrid::AssignCellFont(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::AssignCellFont(DataCol, DataRow.ToInteger());
  if (DataCol >= 1 && DataCol <= GetGridColCount() && CheckIdType(DataRow) && !GetDBCellFont(DataCol, DataRow))
    SetDBCellFont(DataCol, DataRow, GetFont());
}

void TtsCustomDBGrid::ResetCellFont(Integer DataCol, const Variant& DataRow) {
  SetDBCellFont(DataCol, DataRow, nullptr);
}

void TtsCustomDBGrid::CheckResetRowCombo(const Variant& DataRow) {
  Integer row = RecordIDRow(DataRow, true);
  if (row > 0 && row < GetRowCount() && row == FCurDisplayRow) ResetComboInit(false);
}

void TtsCustomDBGrid::CheckResetCellCombo(Integer DataCol, const Variant& DataRow) {
  Integer row = RecordIDRow(DataRow, true);
  if (row > 0 && row < GetRowCount() && row == FCurDisplayRow && GetDisplayCol(DataCol) == FCurDisplayCol)
    ResetComboInit(false);
}

}  // namespace TSDBGrid
