// The data-bound grid in form and layout streams: the "DataBound" and "ColPropCount" entries, the
// row and cell collections that carry per-record properties, and applying what was read once the
// dataset is active.
#include "TSDBGridStreaming.h"
#include "Filer.h"
#include "TSDBGridColumns.h"
#include "TSDBGridFacades.h"
#include "TSDBGridPropSets.h"
#include "TypInfo.h"

#include <vector>

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBRowCollection)
IMPLEMENT_CLASS(TtsDBCellCollection)

IMPLEMENT_CLASS(TtsDBRecordItem)

IMPLEMENT_CLASS_PUBLISHED(TtsDBRowItem) { d.Property("Row", &TtsDBRowItem::GetRow, &TtsDBRowItem::SetRow); }

IMPLEMENT_CLASS_PUBLISHED(TtsDBCellItem) {
  d.Property("DataCol", &TtsDBCellItem::GetDataCol, &TtsDBCellItem::SetDataCol);
  d.Property("Cell", &TtsDBCellItem::GetCell, &TtsDBCellItem::SetCell);
}

IMPLEMENT_CLASS_PUBLISHED(TtsDBGridStreamComponent) {
  d.Property("DataBound", &TtsDBGridStreamComponent::GetDataBound, &TtsDBGridStreamComponent::SetDataBound);
}

namespace {
// The item's DataRow as the entry "DataRow": the Variant writer of the grid family, so a bookmark
// is a string and a date-time record id reads back as a float.
void DefineDataRow(Filer::TFiler* Filer, Variant& DataRow) {
  Filer->DefineProperty(
      "DataRow", Filer::TReaderProc([&DataRow](Filer::TReader* Reader) { DataRow = TSCommon::ReadVariant(Reader); }),
      Filer::TWriterProc([&DataRow](Filer::TWriter* Writer) { TSCommon::WriteVariant(Writer, DataRow); }), true);
}

// Removes the collection's first item as many times as it had items, handing each to Apply first;
// the grid's facades store locally for the span.
template <class Item, class Apply>
void ApplyItems(TCollection* Collection, TtsCustomDBGrid* Grid, Apply&& ApplyItem) {
  bool wasApplying = Grid->GetApplyingBoundProps();
  Grid->SetApplyingBoundProps(true);
  try {
    for (Integer n = Collection->Count(); n > 0 && Collection->Count() > 0; --n) {
      auto* item = static_cast<Item*>(Collection->GetItem(0));
      try {
        ApplyItem(item);
      } catch (...) {
        item->Free();
        throw;
      }
      item->Free();
    }
  } catch (...) {
    Grid->SetApplyingBoundProps(wasApplying);
    throw;
  }
  Grid->SetApplyingBoundProps(wasApplying);
}

// The set's elements in its streaming order: each node, then its first subtree, then its second.
template <class Visit>
void VisitPreorder(TtsCustomSet* Set, Visit&& Fn) {
  std::vector<TtsSetNode*> pending;
  if (TtsSetNode* root = Set->GetRoot()) pending.push_back(root);
  while (!pending.empty()) {
    TtsSetNode* node = pending.back();
    pending.pop_back();
    Fn(node->Value());
    if (node->GetRight()) pending.push_back(node->GetRight());
    if (node->GetLeft()) pending.push_back(node->GetLeft());
  }
}
}  // namespace

// ---- Row collection ---------------------------------------------------------------------------------
void TtsDBRowCollection::Construct() {
  inherited::Construct();
  FSharedRow = CreateRow();
}

void TtsDBRowCollection::Destroy() {
  inherited::Destroy();
  FreeAndNil(FSharedRow);
}

TtsDBRow* TtsDBRowCollection::CreateRow() { return New<TtsDBRow>(GetGrid(), Variant(String())); }

void TtsDBRowCollection::ApplyProps() {
  ApplyItems<TtsDBRowItem>(this, static_cast<TtsCustomDBGrid*>(GetGrid()), [](TtsDBRowItem* Item) {
    TtsDBRow* row = Item->GetRow();
    row->Assign(row);
  });
}

void TtsDBRecordItem::Destroy() {
  FreeAndNil(FOwnFacade);
  inherited::Destroy();
}

void TtsDBRecordItem::DefineProperties(Filer::TFiler* Filer) { DefineDataRow(Filer, FDataRow); }

void TtsDBRowItem::Construct() {
  inherited::Construct();
  if (Owner() && Owner()->GetGrid()->Reading()) FOwnFacade = Owner()->CreateRow();
}

TtsDBRow* TtsDBRowItem::GetRow() {
  TtsDBRow* row = FOwnFacade ? static_cast<TtsDBRow*>(FOwnFacade) : Owner()->GetSharedRow();
  row->SetKey(FDataRow);
  return row;
}

// ---- Cell collection ----------------------------------------------------------------------------------
TtsCell* TtsDBCellCollection::CreateCell(TtsBaseGrid* Grid) { return New<TtsDBCell>(Grid, 0, Variant(String())); }

void TtsDBCellCollection::ApplyProps() {
  ApplyItems<TtsDBCellItem>(this, static_cast<TtsCustomDBGrid*>(GetGrid()), [](TtsDBCellItem* Item) {
    TtsDBCell* cell = Item->GetCell();
    cell->Assign(cell);
  });
}

void TtsDBCellItem::Construct() {
  inherited::Construct();
  if (Owner() && Owner()->GetGrid()->Reading()) FOwnFacade = Owner()->CreateCell(Owner()->GetGrid());
}

TtsDBCell* TtsDBCellItem::GetCell() {
  auto* cell = static_cast<TtsDBCell*>(FOwnFacade ? FOwnFacade : Owner()->GetSharedCell());
  cell->SetDataCol(FDataCol);
  cell->SetKey(FDataRow);
  return cell;
}

// ---- Layout stream component --------------------------------------------------------------------------
bool TtsDBGridStreamComponent::GetDataBound() const {
  TtsCustomDBGrid* grid = DBGrid();
  return grid && grid->GetDataBound();
}

void TtsDBGridStreamComponent::SetDataBound(bool Value) {
  if (TtsCustomDBGrid* grid = DBGrid()) grid->SetReadBoundProps(Value);
}

void TtsDBGridStreamComponent::Loaded() {
  inherited::Loaded();
  TtsCustomDBGrid* grid = DBGrid();
  if (!grid) return;
  grid->SetReadBoundProps(false);
  grid->CheckApplyProps(!grid->GetDataBound());
}

// ---- The grid's entries ---------------------------------------------------------------------------------
TtsGridStreamComponent* TtsCustomDBGrid::CreateStreamComponent() { return New<TtsDBGridStreamComponent>(this); }

void TtsCustomDBGrid::DefineProperties(Filer::TFiler* Filer) {
  Filer->DefineProperty("DataBound", Filer::TReaderProc(this, &TtsCustomDBGrid::ReadDataBound),
                        Filer::TWriterProc(this, &TtsCustomDBGrid::WriteDataBound), true);
  Filer->DefineProperty("ColPropCount", Filer::TReaderProc(this, &TtsCustomDBGrid::ReadColPropCount),
                        Filer::TWriterProc(this, &TtsCustomDBGrid::WriteColPropCount),
                        WriteColPropCountNeeded(Filer));
  inherited::DefineProperties(Filer);
}

// Only an inherited form needs the column count ahead of its customized columns.
bool TtsCustomDBGrid::WriteColPropCountNeeded(Filer::TFiler* Filer) {
  return GetSaveAllProps() && GetFieldState() == fsCustomized && Filer->GetAncestor() != nullptr;
}

void TtsCustomDBGrid::WriteDataBound(Filer::TWriter* Writer) { Writer->WriteBoolean(FDataBound); }

void TtsCustomDBGrid::ReadDataBound(Filer::TReader* Reader) {
  if (Reader->ReadBoolean()) {
    if (!FReadBoundProps) FApplyBoundPropsPending = true;
    FReadBoundProps = true;
  }
  if (!FReadBoundProps && FDataBound) SetDataSource(nullptr);
}

void TtsCustomDBGrid::ReadColPropCount(Filer::TReader* Reader) { SetGridColCount(Reader->ReadInteger()); }

void TtsCustomDBGrid::WriteColPropCount(Filer::TWriter* Writer) { Writer->WriteInteger(GetGridColCount()); }

bool TtsCustomDBGrid::DoColProps(TPersistent* Ancestor) {
  if (!FDataBound) return inherited::DoColProps(Ancestor);
  if (!Writing() || !GetSaveAllProps() || GetFieldState() != fsCustomized) {
    FreeAndNil(FColCollection);
    return false;
  }
  // An ancestor laid out another way cannot be compared column by column: all columns are written.
  auto* ancestor = dynamic_cast<TtsCustomDBGrid*>(Ancestor);
  if (ancestor && ancestor->GetFieldState() != GetFieldState()) {
    FreeAndNil(FColCollection);
    FColCollection = CreateColCollection(true);
    return FColCollection->Count() > 0;
  }
  return inherited::DoColProps(Ancestor);
}

bool TtsCustomDBGrid::StreamsBoundProps() const { return FDataBound || FReadBoundProps; }

TtsPropCollection* TtsCustomDBGrid::CreateRowCollection(bool Fill) {
  if (!StreamsBoundProps()) return inherited::CreateRowCollection(Fill);
  auto* collection = New<TtsDBRowCollection>(this, TtsDBRowItem::StaticClass());
  if (!Fill) return collection;
  VisitPreorder(FRowPropSet, [collection](void* Element) {
    auto* item = static_cast<TtsDBRowItem*>(collection->Add());
    item->SetDataRow(static_cast<TtsDBRowElement*>(Element)->GetDataRow());
  });
  return collection;
}

TtsCellCollection* TtsCustomDBGrid::CreateCellCollection(bool Fill) {
  if (!StreamsBoundProps()) return inherited::CreateCellCollection(Fill);
  auto* collection = New<TtsDBCellCollection>(this, TtsDBCellItem::StaticClass());
  if (!Fill) return collection;
  VisitPreorder(FDBCellPropSet, [collection](void* Element) {
    auto* cell = static_cast<TtsDBCellElement*>(Element);
    if (cell->Empty()) return;
    auto* item = static_cast<TtsDBCellItem*>(collection->Add());
    item->SetDataCol(cell->GetDataCol());
    item->SetDataRow(cell->GetDataRow());
  });
  return collection;
}

void TtsCustomDBGrid::ReadRows(Filer::TReader* Reader) {
  if (!StreamsBoundProps()) {
    inherited::ReadRows(Reader);
    return;
  }
  FreeAndNil(FDBRowCollection);
  FDBRowCollection = static_cast<TtsDBRowCollection*>(CreateRowCollection(false));
  Reader->CheckValue(Filer::vaCollection);
  Reader->ReadCollection(FDBRowCollection);
}

void TtsCustomDBGrid::ReadCells(Filer::TReader* Reader) {
  if (!StreamsBoundProps()) {
    inherited::ReadCells(Reader);
    return;
  }
  FreeAndNil(FDBCellCollection);
  FDBCellCollection = static_cast<TtsDBCellCollection*>(CreateCellCollection(false));
  Reader->CheckValue(Filer::vaCollection);
  Reader->ReadCollection(FDBCellCollection);
}

void TtsCustomDBGrid::LoadFromStream(Streams::TStream* Stream, TtsColMatch ColMatch) {
  try {
    inherited::LoadFromStream(Stream, ColMatch);
  } catch (...) {
    // The stream component's end never came: what was read stays waiting like any streamed
    // properties, but rows read later are the grid's own again.
    FReadBoundProps = FApplyBoundPropsPending = false;
    throw;
  }
}

// ---- Applying what was read ---------------------------------------------------------------------------
void TtsCustomDBGrid::CheckApplyProps(bool Clear) {
  if (FReadBoundProps) return;
  bool updating = ComponentState().Contains(csUpdating);
  if (!updating) Updating();
  try {
    CheckApplyRowProps(Clear);
    CheckApplyCellProps(Clear);
  } catch (...) {
    if (!updating) Updated();
    throw;
  }
  if (!updating) Updated();
}

namespace {
// Applies a streamed collection while the data is active; empties it when Clear is given or once
// applied, also when applying fails.
template <class Collection>
void ApplyCollection(Collection* Items, bool DataActive, bool Clear) {
  if (!Items) return;
  try {
    if (DataActive) Items->ApplyProps();
  } catch (...) {
    if (Clear || DataActive) Items->Clear();
    throw;
  }
  if (Clear || DataActive) Items->Clear();
}
}  // namespace

void TtsCustomDBGrid::CheckApplyRowProps(bool Clear) { ApplyCollection(FDBRowCollection, FDataActive, Clear); }

void TtsCustomDBGrid::CheckApplyCellProps(bool Clear) { ApplyCollection(FDBCellCollection, FDataActive, Clear); }

void TtsCustomDBGrid::Loaded() {
  if (FReadBoundProps && FApplyBoundPropsPending) {
    FReadBoundProps = FApplyBoundPropsPending = false;
    CheckApplyProps(false);
  }
  inherited::Loaded();
  FieldLayoutChanged(true, true, true);
}

}  // namespace TSDBGrid
