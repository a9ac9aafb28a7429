// The data-bound grid as a whole: its parts and their lifetimes, assignment from another grid, the
// row and column defaults of a bound grid, and the rules for DataRow values (bookmarks or record ids).
#include "Bits.h"
#include "Exceptions.h"
#include "Format.h"
#include "Strings.h"
#include "TypInfo.h"
#include "TSDBGrid.h"
#include "TSDBGridColumns.h"
#include "TSDBGridScrollDataset.h"
#include "TSDBGridCurrentCell.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridFields.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridStreaming.h"
#include "TSGridStores.h"
#include "TSSetLib.h"
#include "Variants.h"

namespace TSDBGrid {

// A bound grid writes its column count only for customized columns and never its row count: the
// dataset supplies the rows.
IMPLEMENT_CLASS_PUBLISHED(TtsCustomDBGrid) {
  using G = TtsCustomDBGrid;
  d.Property("Cols", &G::GetGridColCount, &G::SetGridColCount).Stored(&G::StoreCols);
  d.Property("Rows", &G::GetDBRowCount, &G::SetDBRowCount).Stored(&G::StoreRows);
  d.Property("FixedRowCount", &G::GetDBFixedRowCount, &G::SetDBFixedRowCount).Default(0);
  d.Property("ResizeRows", &G::GetDBResizeRows, &G::SetDBResizeRows).Default(rrAll);
}

namespace {
// The insertion row's DataRow with record ids, and the empty bookmark: made once by the unit's start.
Variant* NullDataRowValue = nullptr;
Variant* EmptyBookmarkValue = nullptr;
}  // namespace

void InitDBGridVariants() {
  if (!NullDataRowValue) NullDataRowValue = new Variant(Null());
  if (!EmptyBookmarkValue) EmptyBookmarkValue = new Variant(String());
}

void DoneDBGridVariants() {
  delete NullDataRowValue;
  NullDataRowValue = nullptr;
  delete EmptyBookmarkValue;
  EmptyBookmarkValue = nullptr;
}

const Variant& TtsCustomDBGrid::NullDataRow() { return *NullDataRowValue; }
const Variant& TtsCustomDBGrid::EmptyBookmark() { return *EmptyBookmarkValue; }

// ---- Construction and destruction -------------------------------------------------------------------
void TtsCustomDBGrid::Construct() {
  FCreating = true;
  inherited::Construct();
  SetResizeRows(rrAll);
  FDataLink = New<TtsGridDataLink>(this);
  CreateStandardDataset();
  FScrollDataset = New<TtsScrollDataset>(this);
  FGridData = FScrollDataset;
  ResetLastRow();
  FSelection = New<TtsDBSelection>(this, GetRowSelection());
  FRowPropSet = New<TtsDBRowPropSet>(this);
  FDBCellPropSet = New<TtsDBCellPropSet>(this);
  FFieldList = New<TtsFieldList>(this);
  SetFieldState(fsDefault);
  FInFieldLayoutChanged = false;
  FExactRowCount = FAutoInsert = FConfirmDelete = true;
  FDataLinkActive = false;
  FCanSetCurrentRecCount = FCanSynchronizeCount = FInSyncDatasetCount = FInDatasetEventCount = 0;
  FIgnoreDatasetScrolledCount = FCanGetCurrentCellCount = 0;
  FFieldBitmap = nullptr;
  FUseRecordIds = false;
  FDatasetType = dstBDE;
  FUseStandardScrolling = false;
  FBookmarkType = bmtDefault;
  FBookmarkCompareType = bctDefault;
  FRecordSelection = rseBookmarkRange;
  FScrollDirection = FStartSide = FPreviousStartSide = FSelectDirection = 0;
  FKeyRowSelecting = FScanningRecords = false;
  FReadBoundProps = FApplyBoundPropsPending = FApplyingBoundProps = false;
  FDBCellCollection = New<TtsDBCellCollection>(this, TtsDBCellItem::StaticClass());
  FDBRowCollection = New<TtsDBRowCollection>(this, TtsDBRowItem::StaticClass());
  FLookupDataSource = nullptr;
  FComboEditAllowed = false;
  FLastAddedRow = TtsBkmPos{String(), bpoCurrent};
  FSelectionStart.clear();
  FSavedRowBits = nullptr;
  FDataBound = false;
  FDataActive = false;
  InitActiveFields();
  FCreating = false;
}

void TtsCustomDBGrid::Destroy() {
  if (!ComponentState().Contains(csDestroying)) Destroying();
  FreeAndNil(FSelection);
  FGridData = nullptr;
  FreeAndNil(FStandardDataset);
  FreeAndNil(FScrollDataset);
  FreeAndNil(FDataLink);
  FreeAndNil(FFieldBitmap);
  FreeAndNil(FRowPropSet);
  FreeAndNil(FDBCellPropSet);
  FreeAndNil(FSavedRowBits);
  FreeAndNil(FDBCellCollection);
  FreeAndNil(FDBRowCollection);
  // The field wrappers go last: the columns let go of theirs first.
  ResetFields(true);
  FFieldList->Reset();
  FreeAndNil(FFieldList);
  inherited::Destroy();
}

void TtsCustomDBGrid::InitActiveFields() {
  ClearCurPosition();
  FLinkEditing = FStartingGridEdit = FEditModified = FWasEditing = FNowEditing = FEndingEdit = false;
  FCellChangePending = FModifiedAtUpdate = FRecordModified = FBrowseModePending = false;
  FEditDatasetState = DB::dsBrowse;
  FDataEditMode = demNone;
  FLastTopLeftCol = 0;
  FMouseDownRow = Variant();
  FMouseUpRow = Variant();
}

void TtsCustomDBGrid::ClearCurPosition() {
  FCurrentBookmark.clear();
  FCellChangeBookmark.clear();
  FEditBookmark.clear();
  FLastTopRow = EmptyBookmark();
  FPaintRowBookmark.clear();
  FPaintBufferRow = -1;
  FPaintRowValid = true;
}

void TtsCustomDBGrid::ResetLastRow() {
  FLastRow = Variant();
  FLastRowElement = nullptr;
}

// ---- Assignment -------------------------------------------------------------------------------------
void TtsCustomDBGrid::Assign(TPersistent* Source) {
  if (!dynamic_cast<TtsCustomDBGrid*>(Source))
    InvalidOp(Format("Cannot assign %s to %s", {Source ? Source->ClassName() : String("nil"), ClassName()}));
  inherited::Assign(Source);
}

void TtsCustomDBGrid::AssignProperties(TtsBaseGrid* Source, const String& SkipList) {
  inherited::AssignProperties(Source, SkipList);
  if (LowerCase(SkipList).find("datasource") != String::npos) return;
  // Reading a layout resets the grid from a fresh, unbound copy first: the binding is not layout.
  if (Reading()) return;
  auto* source = dynamic_cast<TtsCustomDBGrid*>(Source);
  if (!source) return;
  TDataSource* theirs = source->GetDataSource();
  // A grid's own lookup source is its private binding; a copy does not share it.
  SetDataSource(theirs == source->GetLookupDataSource() ? nullptr : theirs);
}

void TtsCustomDBGrid::AssignColProperties(TtsBaseGrid* Source) { inherited::AssignColProperties(Source); }

void TtsCustomDBGrid::AssignRowSelections(TtsBaseGrid* Source) {
  auto* source = dynamic_cast<TtsCustomDBGrid*>(Source);
  if (!FDataBound || !source) {
    inherited::AssignRowSelections(Source);
    return;
  }
  if (FSelection->Assign(source->GetSelection())) SetSelectChanged(stRowSelect);
}

void TtsCustomDBGrid::AssignCellSelections(TtsBaseGrid* Source) {
  if (!FDataBound) inherited::AssignCellSelections(Source);
}

void TtsCustomDBGrid::CheckGridStatus() {
  if (!FDataBound) {
    inherited::CheckGridStatus();
    return;
  }
  if (GetColSelection()->Count > 0)
    FGridStatus = grColSelect;
  else if (FSelection->RowsSelected())
    FGridStatus = grRowSelect;
  else
    FGridStatus = grNormal;
}

// ---- Modes and defaults of a bound grid ---------------------------------------------------------------
bool TtsCustomDBGrid::StoreRows() { return !FDataBound; }

bool TtsCustomDBGrid::StoreCols() { return !FDataBound || GetFieldState() == fsCustomized; }

Integer TtsCustomDBGrid::DefaultColCount() { return FDataBound ? 1 : inherited::DefaultColCount(); }
Integer TtsCustomDBGrid::DefaultRowCount() { return FDataBound ? 1 : inherited::DefaultRowCount(); }

void TtsCustomDBGrid::RowInserted(Integer DataRow, bool ByUser) {
  if (!FDataBound) DoInsertRow(Variant(DataRow), ByUser);
}

void TtsCustomDBGrid::RowDeleted(Integer DataRow, bool ByUser) {
  if (!FDataBound) DoDeleteRow(Variant(DataRow), ByUser);
}

bool TtsCustomDBGrid::ReadOnly() {
  if (!FDataActive) return false;
  TDataSet* dataset = GetDataset();
  return !dataset || !dataset->CanModify();
}

// ---- Factories --------------------------------------------------------------------------------------
TtsCurrentCell* TtsCustomDBGrid::CreateCurrentCell() { return New<TtsDBCurrentCell>(this); }

TtsGridCols* TtsCustomDBGrid::CreateCols() { return New<TtsDBGridCols>(GetColCount(), this); }

void TtsCustomDBGrid::CreateStandardDataset() { FStandardDataset = New<TtsStandardDataset>(this); }

TtsDBRowElement* TtsCustomDBGrid::CreateRowElement(const Variant& DataRow) {
  const TVarRec key[1] = {VarRecOfVariant(DataRow)};
  auto* element = static_cast<TtsDBRowElement*>(FRowPropSet->CreateElement(key, 0));
  FRowPropSet->AddElement(element);
  return element;
}

TtsCustomPropElement* TtsCustomDBGrid::CreateCellElement(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::CreateCellElement(DataCol, DataRow);
  const TVarRec key[2] = {DataCol, VarRecOfVariant(DataRow)};
  TtsCustomPropElement* element = FDBCellPropSet->CreateElement(key, 1);
  FDBCellPropSet->AddElement(element);
  return element;
}

namespace {
// Replaces Own by a fresh empty set holding a copy of Theirs.
template <class Set>
void CopyPropSet(TtsCustomDBGrid* Grid, Set*& Own, Set* Theirs) {
  FreeAndNil(Own);
  Own = New<Set>(Grid);
  Own->Assign(Theirs);
}
}  // namespace

void TtsCustomDBGrid::AssignRowProperties(TtsBaseGrid* Source) {
  auto* source = dynamic_cast<TtsCustomDBGrid*>(Source);
  if (!FDataBound || !source) {
    inherited::AssignRowProperties(Source);
    return;
  }
  ResetLastRow();
  CopyPropSet(this, FRowPropSet, source->GetRowPropSet());
}

void TtsCustomDBGrid::AssignCellProperties(TtsBaseGrid* Source) {
  auto* source = dynamic_cast<TtsCustomDBGrid*>(Source);
  if (!FDataBound || !source) {
    inherited::AssignCellProperties(Source);
    return;
  }
  CopyPropSet(this, FDBCellPropSet, source->GetCellPropSet());
}

// ---- Record ids -------------------------------------------------------------------------------------
bool TtsCustomDBGrid::CanUseRecordIds() const { return FDataBound && FUseRecordIds && OnGetRecordID; }

void TtsCustomDBGrid::SetUseRecordIds(bool Value) {
  bool before = CanUseRecordIds();
  FUseRecordIds = Value;
  // Overrides keyed by bookmark mean nothing once rows are named by id, and the other way round.
  if (CanUseRecordIds() != before) ResetRowCellProperties();
}

void TtsCustomDBGrid::SetOnGetRecordID(const TtsDBGetRecordIDEvent& Value) {
  bool before = CanUseRecordIds();
  OnGetRecordID = Value;
  if (CanUseRecordIds() != before) ResetRowCellProperties();
}

bool TtsCustomDBGrid::CheckIdType(const Variant& DataRow) {
  if (CanUseRecordIds() || VarIsStr(DataRow)) return true;
  if (GetRaiseErrors()) InvalidOp("Invalid bookmark value");
  return false;
}

bool TtsCustomDBGrid::CheckBkmType(const Variant& DataRow) {
  if (VarIsStr(DataRow)) return true;
  if (GetRaiseErrors()) InvalidOp("Invalid bookmark value");
  return false;
}

namespace {
// Runs a comparison, turning what it throws into the grid's error with the same message.
template <class Compare>
Integer CompareAsGridError(TtsBaseGrid* Grid, Compare&& Run) {
  try {
    return Run();
  } catch (const EInvalidGridOperation&) {
    throw;
  } catch (const Exception& e) {
    Grid->InvalidOp(e.Message());
  }
}
}  // namespace

Integer TtsCustomDBGrid::CompareBkm(const String& A, const String& B) {
  if (!FDataBound || !FDataLinkActive) return -2;
  return FGridData->CompareBkm(A, B);
}

Integer TtsCustomDBGrid::CompareRecId(const Variant& Id1, const Variant& Id2) {
  return CompareAsGridError(this, [&] {
    Integer result = -2;
    DoCompareRecordId(Id1, Id2, result);
    if (result == -2) result = CompareVariant(Id1, Id2);
    return result;
  });
}

Integer TtsCustomDBGrid::CompareRecordIds(const Variant& A, const Variant& B) {
  if (CanUseRecordIds()) return CompareRecId(A, B);
  return CompareAsGridError(this, [&] { return CompareBkm(VarToStr(A), VarToStr(B)); });
}

Integer TtsCustomDBGrid::RecordIDRow(const Variant& Id, bool UseIds) {
  if (CanUseRecordIds() && UseIds) return FGridData->RecIDRow(Id);
  return FGridData->BufferRow(VarToStr(Id));
}

}  // namespace TSDBGrid
