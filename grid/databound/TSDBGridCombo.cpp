// The data-bound combo and its list grid, the grid's combo factories, the list's lifecycle (binding
// to a lookup dataset, its height, its first row) and the date-time drop-down hooks.
#include "TSDBGridCombo.h"
#include "DB.h"
#include "DBFields.h"
#include "DateTime.h"
#include "Forms.h"
#include "TSCommon.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridFields.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridScope.h"
#include "TSGridElements.h"
#include "TypInfo.h"
#include "WinMetrics.h"

namespace TSDBGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsDBComboGrid) {
  using G = TtsDBComboGrid;
  d.Property("DataSource", &G::GetDataSource, &G::SetDataSource);
  d.Property("DatasetType", &G::GetDatasetType, &G::SetDatasetType);
  d.Property("FieldState", &G::GetFieldState, &G::SetFieldState).Default(fsDefault);
  d.Property("DropDownRows", &G::GetDropDownRows, &G::SetDropDownRows).Default(4);
  d.Property("DropDownCols", &G::GetDropDownCols, &G::SetDropDownCols).Default(1);
  d.Property("DropDownStyle", &G::GetDropDownStyle, &G::SetDropDownStyle).Default(ddDropDown);
  d.Property("ValueCol", &G::GetValueCol, &G::SetValueCol).Default(1);
  d.Property("ValueColSorted", &G::GetValueColSorted, &G::SetValueColSorted).Default(false);
  d.Property("CompareType", &G::GetCompareType, &G::SetCompareType).Default(ctCaseInsensitive);
  d.Property("AutoSearch", &G::GetAutoSearch, &G::SetAutoSearch).Default(asNone);
  d.Property("AutoFill", &G::GetAutoFill, &G::SetAutoFill).Default(false);
  d.Property("AutoFillConvertCase", &G::GetAutoFillConvertCase, &G::SetAutoFillConvertCase).Default(afcOnEdit);
  d.Property("AutoLookup", &G::GetAutoLookup, &G::SetAutoLookup).Default(true);
}

IMPLEMENT_CLASS(TtsDBCombo)

// ---- The list grid ------------------------------------------------------------------------------------------
void TtsDBComboGrid::Construct() {
  inherited::Construct();
  FGrid = this;
  FParentGrid = BecomeComboList();
}

void TtsDBComboGrid::Destroy() {
  FGrid = nullptr;
  inherited::Destroy();
}

void TtsDBComboGrid::SetDropDownRows(Integer Value) {
  FDropDownRows = Value;
  if (CanSetComboExtents()) SetComboGridExtents(FDropDownCols, FDropDownRows);
}

void TtsDBComboGrid::SetDropDownCols(Integer Value) {
  FDropDownCols = Value;
  AdjustComboGridExtents(FDropDownCols, FDropDownRows);
}

void TtsDBComboGrid::SetDropDownStyle(TtsDropDownStyle Value) {
  FDropDownStyle = Value;
  if (FParentGrid) FParentGrid->RedisplayControl(true);
}

void TtsDBComboGrid::SetAutoFill(bool Value) {
  FAutoFill = Value;
  if (Value && FAutoSearch == asNone && !ComponentState().Contains(csLoading)) FAutoSearch = asTop;
}

void TtsDBComboGrid::SetAutoLookup(bool Value) {
  if (!Value) {
    FAutoLookup = false;
    if (GetLookupDataSource()) SetDataSource(nullptr);
    return;
  }
  SetStoreData(false);
  SetDataSource(nullptr);
  FAutoLookup = true;
  // At design time the list shows at once what the lookup column will give it.
  auto* parent = dynamic_cast<TtsCustomDBGrid*>(FParentGrid);
  if (!parent || !GetInDesignMode() || !GetVisible()) return;
  parent->InitComboData(FParentGridCombo);
  AdjustComboGridExtents(FDropDownCols, FDropDownRows);
  CheckSetLookupDataset();
}

// ---- The combo --------------------------------------------------------------------------------------------
TtsDBComboGrid* TtsDBCombo::GetDBGrid() const { return dynamic_cast<TtsDBComboGrid*>(GetGrid()); }

TtsConvertCase TtsDBCombo::GetAutoFillConvertCase() {
  TtsDBComboGrid* list = GetDBGrid();
  return list ? list->GetAutoFillConvertCase() : inherited::GetAutoFillConvertCase();
}

void TtsDBCombo::SetAutoFillConvertCase(TtsConvertCase Value) {
  TtsDBComboGrid* list = GetDBGrid();
  if (!list) return inherited::SetAutoFillConvertCase(Value);
  if (Value != list->GetAutoFillConvertCase()) list->SetAutoFillConvertCase(Value);
}

// ---- The grid's combo ---------------------------------------------------------------------------------------
TtsCombo* TtsCustomDBGrid::CreateCombo() { return New<TtsDBCombo>(this); }

TtsBaseGrid* TtsCustomDBGrid::CreateComboGrid() { return New<TtsDBComboGrid>(GetComboForm()); }

TtsDBCombo* TtsCustomDBGrid::GetDBCombo() {
  CheckComboCreated();
  return dynamic_cast<TtsDBCombo*>(FCombo);
}

TtsDBComboGrid* TtsCustomDBGrid::DBComboDropDownGrid() {
  return FCombo ? dynamic_cast<TtsDBComboGrid*>(FCombo->GetGrid()) : nullptr;
}

TtsCustomDBGrid* TtsCustomDBGrid::BoundComboList() {
  if (!FDataBound || !FCombo) return nullptr;
  auto* list = dynamic_cast<TtsCustomDBGrid*>(FCombo->GetGrid());
  return list && list->GetDataBound() ? list : nullptr;
}

TField* TtsCustomDBGrid::LookupFieldOf(Integer DataCol) {
  if (!FDataBound || DataCol < 1 || DataCol > GetGridColCount()) return nullptr;
  TtsDBCol* col = GetGridDBCols()->GetDBCol(Variant(DataCol));
  return col && col->Lookup() ? col->GetDatasetField() : nullptr;
}

bool TtsCustomDBGrid::IsLookupCombo(Integer DataCol) { return LookupFieldOf(DataCol) != nullptr; }

void TtsCustomDBGrid::InitCombo(TtsCombo* Combo) {
  auto* list = dynamic_cast<TtsCustomDBGrid*>(Combo ? Combo->GetGrid() : nullptr);
  // A grid being destroyed resets its combos with its parts already gone: nothing to copy then.
  if (list && !ComponentState().Contains(csDestroying)) {
    // Unbinding frees the data source of a previous lookup binding.
    list->SetDataSource(nullptr);
    list->SetAutoLookup(true);
    list->SetDatasetType(FDatasetType);
    list->SetBookmarkType(FBookmarkType);
    list->SetBookmarkCompareType(FBookmarkCompareType);
    list->SetRecordSelection(FRecordSelection);
  }
  inherited::InitCombo(Combo);
}

void TtsCustomDBGrid::InitComboData(TtsCombo* Combo) {
  auto* list = dynamic_cast<TtsCustomDBGrid*>(Combo ? Combo->GetGrid() : nullptr);
  if (!list || list->GetDataSource() || list->GetStoreData() || !Combo->GetAutoLookup()) return;
  TField* field = LookupFieldOf(FCurDataCol);
  if (!field) return;
  list->SetLookupDataset(field->GetLookupDataSet());
  list->SetFieldState(fsCustomized);
  list->SetGridColCount(0);
  list->InsertCol(1, field->GetLookupResultField());
  Combo->SetAutoSearch(asTop);
  Combo->SetDropDownCols(1);
}

void TtsCustomDBGrid::CheckSetLookupDataset() {
  if (!GetInDesignMode() || !GetVisible() || !FIsComboGrid || GetDataSource() || GetStoreData() || !GetAutoLookup())
    return;
  auto* parent = dynamic_cast<TtsCustomDBGrid*>(GetParentGrid());
  if (TField* field = parent ? parent->LookupFieldOf(parent->FCurDataCol) : nullptr)
    SetLookupDataset(field->GetLookupDataSet());
}

bool TtsCustomDBGrid::CheckInitComboRow() {
  auto* list = dynamic_cast<TtsCustomDBGrid*>(FCombo ? FCombo->GetGrid() : nullptr);
  if (!list) return inherited::CheckInitComboRow();
  return !list->GetDataSource() || list->GetDataSource() != GetDataSource();
}

Integer TtsCustomDBGrid::ComboInitHeight(Integer Rows) {
  if (!FDataBound || !FDataLinkActive || Rows <= 0) return inherited::ComboInitHeight(Rows);
  Integer border = GetBorderStyle() == bsSingle ? 2 * GetSystemMetrics(SM_CYBORDER) : 0;
  if (GetHeadingOn()) border += GetHeadingHeight();
  bool grown = false;
  FGridData->ResizeBuffer(Rows, grown);
  UpdateRowCount(false);
  FGridData->SetAtEnd(false);
  Integer buffered = FGridData->GetBufferRows();
  Integer shown = buffered < Rows ? std::max<Integer>(1, buffered) : Rows;
  return shown * GetDefaultRowHeight() + border;
}

void TtsCustomDBGrid::ComboDropDown(Integer DataCol, Integer DataRow) {
  if (GetDroppedDownCol() != -1) return;
  TtsCustomDBGrid* list = BoundComboList();
  if (list && list->GetDataLinkActive() && CheckInitComboRow()) {
    list->MoveFirst();
    if (list->GetGridData()->GetBufferRows() > 0)
      list->SetDBCurrentDataRow(Variant(list->GetGridData()->GetBookmark(1)));
  }
  inherited::ComboDropDown(DataCol, DataRow);
}

void TtsCustomDBGrid::ActivateComboInit(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateComboInit(DataCol, DataRow);
  DoComboInit(DataCol, Variant(FCurrentBookmark));
}

void TtsCustomDBGrid::ActivateComboDropDown(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateComboDropDown(DataCol, DataRow);
  DoComboDropDown(DataCol, Variant(FCurrentBookmark));
}

void TtsCustomDBGrid::ActivateComboRollUp(Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateComboRollUp(DataCol, DataRow);
  DoComboRollUp(DataCol, Variant(FCurrentBookmark));
}

// ---- The automatic lookup data source -------------------------------------------------------------------------
namespace {
// Only a data source the grid made for a lookup binding is the grid's to free.
void FreeIfMadeBy(TtsCustomDBGrid* Grid, TDataSource* Source) {
  if (Source && Source->Owner() == Grid) FreeAndNil(Source);
}
}  // namespace

void TtsCustomDBGrid::SetLookupDataset(TDataSet* DataSet) {
  if (FLookupDataSource && DataSet == GetLookupDataset()) return;
  // The previous binding goes first: its data source has the name the new one takes.
  if (FLookupDataSource && GetDataSource() == FLookupDataSource)
    SetDataSource(nullptr);
  else
    ResetLookupDatasource();
  auto* source = New<TDataSource>(this);
  source->SetName("AutoLookup");
  source->SetDataSet(DataSet);
  SetLookupDatasource(source);
}

void TtsCustomDBGrid::SetLookupDatasource(TDataSource* Source) {
  if (Source == FLookupDataSource) return;
  TDataSource* previous = FLookupDataSource;
  FLookupDataSource = Source;
  SetDataSource(Source);
  if (previous != Source) FreeIfMadeBy(this, previous);
}

TDataSet* TtsCustomDBGrid::GetLookupDataset() { return FLookupDataSource ? FLookupDataSource->GetDataSet() : nullptr; }

void TtsCustomDBGrid::ResetLookupDatasource() {
  TDataSource* source = FLookupDataSource;
  FLookupDataSource = nullptr;
  FreeIfMadeBy(this, source);
}

// ---- Date-time drop-downs ------------------------------------------------------------------------------------
void TtsCustomDBGrid::ActivateDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateDateTimeInit(Def, DataCol, DataRow);
  DoDateTimeInit(Def, DataCol, Variant(FCurrentBookmark));
}

void TtsCustomDBGrid::ActivateDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateDateTimeDropDown(Def, DataCol, DataRow);
  DoDateTimeDropDown(Def, DataCol, Variant(FCurrentBookmark));
}

void TtsCustomDBGrid::ActivateDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow) {
  if (!FDataBound) return inherited::ActivateDateTimeRollUp(Def, DataCol, DataRow);
  DoDateTimeRollUp(Def, DataCol, Variant(FCurrentBookmark));
}

void TtsCustomDBGrid::ActivateDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, Integer DataRow,
                                               Variant& Value) {
  if (!FDataBound) return inherited::ActivateDateTimeGetValue(Def, DataCol, DataRow, Value);
  DoDateTimeGetValue(Def, DataCol, Variant(FCurrentBookmark), Value);
}

void TtsCustomDBGrid::RemoveRowDateTimeDef(TtsDateTimeDefComponent* Def) {
  if (!FDataBound) return inherited::RemoveRowDateTimeDef(Def);
  std::vector<Variant> rows;
  TtsSetList* list = FRowPropSet->List();
  {
    TtsFinally freeList([&] { list->Free(); });
    for (Integer i = 1; i <= list->GetCount(); ++i) {
      auto* element = static_cast<TtsDBRowElement*>(list->GetItems(i));
      if (element->GetDateTimeDef() == Def) rows.push_back(element->GetDataRow());
    }
  }
  for (const Variant& row : rows) SetDBRowDateTimeDef(row, nullptr);
}

void TtsCustomDBGrid::RemoveCellDateTimeDef(TtsDateTimeDefComponent* Def) {
  if (!FDataBound) return inherited::RemoveCellDateTimeDef(Def);
  std::vector<std::pair<Integer, Variant>> cells;
  TtsSetList* list = FDBCellPropSet->List();
  {
    TtsFinally freeList([&] { list->Free(); });
    for (Integer i = 1; i <= list->GetCount(); ++i) {
      auto* element = static_cast<TtsDBCellElement*>(list->GetItems(i));
      if (element->GetDateTimeDef() == Def) cells.emplace_back(element->GetDataCol(), element->GetDataRow());
    }
  }
  for (const auto& [col, row] : cells) SetDBCellDateTimeDef(col, row, nullptr);
}

void TtsCustomDBGrid::GetCurrentDateTime(Variant& Value) {
  TtsDBCol* col = BoundAndActive() && !FCellChangePending && FCurDataCol >= 1 && FCurDataCol <= GetGridColCount()
                      ? GetGridDBCols()->GetDBCol(Variant(FCurDataCol))
                      : nullptr;
  TtsDBField* field = col ? col->GetDBField() : nullptr;
  if (!field) return inherited::GetCurrentDateTime(Value);
  TtsActiveRecordKeeper keep(FGridData);
  Integer row = FGridData->BufferRow(FCurrentBookmark);
  if (row > 0) FGridData->SetActiveRecord(row);
  Value = VarFromDateTime(VariantToDateTime(field->GetAsVariant()));
}

}  // namespace TSDBGrid
