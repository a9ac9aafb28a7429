// Per-record property elements and sets.
#include "TSDBGridPropSets.h"

#include "TSDBGrid.h"
#include "TSGridColumns.h"
#include "TSGridCombo.h"
#include "TSGridStores.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBRowElement)
IMPLEMENT_CLASS(TtsDBCellElement)
IMPLEMENT_CLASS(TtsDBRowPropSet)
IMPLEMENT_CLASS(TtsDBCellPropSet)

namespace {

// A key entry as the Variant it stands for.
Variant KeyVariant(const TVarRec& Entry) {
  switch (Entry.VType) {
    case vtVariant:
      return *static_cast<const Variant*>(Entry.VPointer);
    case vtInteger:
      return Entry.VInteger;
    case vtInt64:
      return Entry.VInt64;
    case vtAnsiString:
      return *Entry.VAnsiString;
    default:
      return Variant();
  }
}

TtsSetOrder OrderOf(Integer Comparison) {
  if (Comparison < 0) return ordSmaller;
  return Comparison == 0 ? ordEqual : ordLarger;
}

// Whether the display position is the grid's current cell (Col 0: any column of the current line).
bool IsCurrentPosition(TtsBaseGrid* Grid, Integer Col, Integer Line) {
  return Col == Grid->GetCurDisplayCol() && Line == Grid->GetCurDisplayRow();
}

// Whether a data column lies among the grid's columns (the base count includes the row bar).
bool DataColShown(TtsBaseGrid* Grid, Integer DataCol) { return DataCol >= 1 && DataCol <= Grid->GetColCount() - 1; }

}  // namespace

// ---- TtsDBRowElement --------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBRowElement::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

void TtsDBRowElement::Construct() {
  inherited::Construct();
  if (TtsCustomDBGrid* grid = GetDBGrid()) grid->ResetLastRow();
}

void TtsDBRowElement::Destroy() {
  if (TtsCustomDBGrid* grid = GetDBGrid()) grid->ResetLastRow();
  inherited::Destroy();
}

TtsSetOrder TtsDBRowElement::CompareKey(TtsCustomSet*, TtsVarRecArray Key, Integer) {
  return OrderOf(GetDBGrid()->CompareRecordIds(KeyVariant(Key[0]), FDataRow));
}

TtsSetOrder TtsDBRowElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) {
  const TVarRec key[1] = {VarRecOfVariant(static_cast<TtsDBRowElement*>(Other)->FDataRow)};
  return CompareKey(Set, key, 0);
}

void TtsDBRowElement::Assign(TtsCustomElement* Source) {
  if (auto* row = dynamic_cast<TtsDBRowElement*>(Source)) FDataRow = row->FDataRow;
  inherited::Assign(Source);
}

void TtsDBRowElement::FontChange(TObject* Sender) {
  // A copy taken on the element's behalf is no change of its own.
  if (!GetChangeFont()) return;
  inherited::FontChange(Sender);
  TtsCustomDBGrid* grid = GetDBGrid();
  Integer line = grid->RecordIDRow(FDataRow, true);
  if (line > 0 && grid->CheckInvalidateRow(line) && line == grid->GetCurDisplayRow()) grid->RedisplayControl(true);
}

// ---- TtsDBCellElement -------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBCellElement::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

void TtsDBCellElement::Construct() {
  inherited::Construct();
  if (TtsBaseGrid* grid = GetGrid()) grid->ResetLastCell();
}

void TtsDBCellElement::Destroy() {
  if (TtsBaseGrid* grid = GetGrid()) grid->ResetLastCell();
  inherited::Destroy();
}

TtsSetOrder TtsDBCellElement::CompareKey(TtsCustomSet*, TtsVarRecArray Key, Integer) {
  Integer col = KeyVariant(Key[0]).ToInteger();
  if (FDataCol < col) return ordLarger;
  if (FDataCol > col) return ordSmaller;
  return OrderOf(GetDBGrid()->CompareRecordIds(KeyVariant(Key[1]), FDataRow));
}

TtsSetOrder TtsDBCellElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) {
  auto* other = static_cast<TtsDBCellElement*>(Other);
  const TVarRec key[2] = {other->FDataCol, VarRecOfVariant(other->FDataRow)};
  return CompareKey(Set, key, 1);
}

void TtsDBCellElement::Assign(TtsCustomElement* Source) {
  if (auto* cell = dynamic_cast<TtsDBCellElement*>(Source)) {
    FDataCol = cell->FDataCol;
    FDataRow = cell->FDataRow;
  }
  inherited::Assign(Source);
}

void TtsDBCellElement::FontChange(TObject* Sender) {
  if (!GetChangeFont()) return;
  inherited::FontChange(Sender);
  TtsCustomDBGrid* grid = GetDBGrid();
  Integer line = grid->RecordIDRow(FDataRow, true);
  if (!DataColShown(grid, FDataCol) || line < 1) return;
  Integer col = grid->GetDisplayCol(FDataCol);
  if (grid->CheckInvalidateCell(col, line) && IsCurrentPosition(grid, col, line)) grid->RedisplayControl(true);
}

void TtsDBCellElement::AssignCombo() {
  if (FCombo) return;
  inherited::AssignCombo();
  TtsBaseGrid* grid = GetGrid();
  if (FCombo && FDataCol >= 1 && FDataCol <= grid->GetGridColCount())
    FCombo->GetGrid()->InitComboColWidth(grid->GetCols()->GetItem(FDataCol)->GetWidth());
}

// ---- TtsDBRowPropSet --------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBRowPropSet::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

TtsCustomPropElement* TtsDBRowPropSet::CreateElement(TtsVarRecArray Key, Integer) {
  return New<TtsDBRowElement>(GetGrid(), KeyVariant(Key[0]));
}

void TtsDBRowPropSet::DeleteElement(TtsCustomPropElement* Element) {
  const TVarRec key[1] = {VarRecOfVariant(static_cast<TtsDBRowElement*>(Element)->GetDataRow())};
  Remove(key, 0);
}

bool TtsDBRowPropSet::CheckDelete(TtsCustomPropElement* Element) { return DeleteIfEmpty(Element); }

TtsDBRowElement* TtsDBRowPropSet::GetRow(const Variant& DataRow) {
  const TVarRec key[1] = {VarRecOfVariant(DataRow)};
  return static_cast<TtsDBRowElement*>(Get(key, 0));
}

bool TtsDBRowPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                  const Variant& Value, TtsProperty Kind, Integer Index, bool Redraw) {
  TtsCustomDBGrid* grid = GetDBGrid();
  const Variant dataRow = Element ? static_cast<TtsDBRowElement*>(Element)->GetDataRow() : KeyVariant(Key[0]);
  // The line buffer may hold this record's element (or its absence): it is read again on the next paint.
  if (TtsGridData* data = grid->GetGridData()) data->ClearPropBuffer(0, 0, true);
  if (!DoSetProperty(Key, KeyHigh, Element, Value, Kind, Index)) return false;
  if (Kind == prMask)
    grid->CheckSetMask(grid->GetCurDataCol(), dataRow);
  else if (Redraw)
    grid->RedrawRow(dataRow, true, Kind);
  return true;
}

// ---- TtsDBCellPropSet -------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBCellPropSet::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

TtsCustomPropElement* TtsDBCellPropSet::CreateElement(TtsVarRecArray Key, Integer) {
  return New<TtsDBCellElement>(GetGrid(), KeyVariant(Key[0]).ToInteger(), KeyVariant(Key[1]));
}

void TtsDBCellPropSet::DeleteElement(TtsCustomPropElement* Element) {
  auto* cell = static_cast<TtsDBCellElement*>(Element);
  const TVarRec key[2] = {cell->GetDataCol(), VarRecOfVariant(cell->GetDataRow())};
  Remove(key, 1);
}

bool TtsDBCellPropSet::CheckDelete(TtsCustomPropElement* Element) { return DeleteIfEmpty(Element); }

TtsDBCellElement* TtsDBCellPropSet::GetCell(Integer DataCol, const Variant& DataRow) {
  const TVarRec key[2] = {DataCol, VarRecOfVariant(DataRow)};
  return static_cast<TtsDBCellElement*>(Get(key, 1));
}

bool TtsDBCellPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                   const Variant& Value, TtsProperty Kind, Integer Index, bool Redraw) {
  Integer dataCol;
  Variant dataRow;
  if (Element) {
    dataCol = static_cast<TtsDBCellElement*>(Element)->GetDataCol();
    dataRow = static_cast<TtsDBCellElement*>(Element)->GetDataRow();
  } else {
    dataCol = KeyVariant(Key[0]).ToInteger();
    dataRow = KeyVariant(Key[1]);
  }
  if (!DoSetProperty(Key, KeyHigh, Element, Value, Kind, Index)) return false;
  TtsCustomDBGrid* grid = GetDBGrid();
  if (grid->ComponentState().Contains(csDestroying) || !DataColShown(grid, dataCol)) return true;
  if (Kind == prMask)
    grid->CheckSetMask(dataCol, dataRow);
  else if (Redraw)
    CheckRedraw(dataCol, dataRow, TtsBaseGrid::IsDrawProp(Kind));
  return true;
}

void TtsDBCellPropSet::CheckRedraw(Integer DataCol, const Variant& DataRow, bool DrawPropOnly) {
  TtsCustomDBGrid* grid = GetDBGrid();
  Integer col = grid->GetDisplayCol(DataCol);
  Integer line = grid->RecordIDRow(DataRow, true);
  if (line <= 0 || line > grid->GetRowCount() - 1) return;
  bool invalidated = true;
  if (DrawPropOnly)
    invalidated = grid->CheckInvalidateCell(col, line);
  else
    grid->InvalidateCell(col, line);
  if (invalidated && IsCurrentPosition(grid, col, line)) grid->RedisplayControl(true);
}

}  // namespace TSDBGrid
