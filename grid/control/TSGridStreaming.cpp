// The streamed property collections and the grid stream component.
#include "TSGridImpl.h"
#include "Controls.h"
#include "Filer.h"
#include "Streams.h"
#include "TSGridBase.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridRows.h"
#include "TSGridStores.h"
#include "TSGridStreaming.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsPropCollection)
IMPLEMENT_CLASS(TtsColCollection)
IMPLEMENT_CLASS(TtsCellCollection)

IMPLEMENT_CLASS_PUBLISHED(TtsColItem) {
  d.Property("DataCol", &TtsColItem::GetDataCol, &TtsColItem::SetDataCol);
  d.Property("FieldName", &TtsColItem::GetFieldName, &TtsColItem::SetFieldName);
  d.Property("Col", &TtsColItem::GetCol, &TtsColItem::SetCol);
}

IMPLEMENT_CLASS_PUBLISHED(TtsRowItem) {
  d.Property("DataRow", &TtsRowItem::GetDataRow, &TtsRowItem::SetDataRow);
  d.Property("DisplayRow", &TtsRowItem::GetDisplayRow, &TtsRowItem::SetDisplayRow);
  d.Property("Selected", &TtsRowItem::GetSelected, &TtsRowItem::SetSelected).Default(false);
  d.Property("Row", &TtsRowItem::GetRow, &TtsRowItem::SetRow).Stored(&TtsRowItem::StoreRow);
}

IMPLEMENT_CLASS_PUBLISHED(TtsCellItem) {
  d.Property("DataCol", &TtsCellItem::GetDataCol, &TtsCellItem::SetDataCol);
  d.Property("DataRow", &TtsCellItem::GetDataRow, &TtsCellItem::SetDataRow);
  d.Property("Cell", &TtsCellItem::GetCell, &TtsCellItem::SetCell);
}

IMPLEMENT_CLASS_PUBLISHED(TtsGridStreamComponent) {
  d.Property("SavePropKinds", &TtsGridStreamComponent::GetSavePropKinds, &TtsGridStreamComponent::SetSavePropKinds);
  d.Property("SaveData", &TtsGridStreamComponent::GetSaveData, &TtsGridStreamComponent::SetSaveData);
}

namespace {

// A new invisible grid of Grid's class, made with Grid's owner and parent.
TtsBaseGrid* NewGridLike(TtsBaseGrid* Grid) {
  auto* copy = static_cast<TtsBaseGrid*>(CreateComponent(Grid->ClassType(), Grid->Owner()));
  copy->SetVisible(false);
  copy->SetParent(Grid->GetParent());
  return copy;
}

}  // namespace

// ---- Collections ------------------------------------------------------------------------------------
void TtsPropCollection::Destroy() {
  inherited::Destroy();
  FreeAndNil(FScratchGrid);
}

TtsBaseGrid* TtsPropCollection::GetScratchGrid() {
  if (!FScratchGrid) FScratchGrid = NewGridLike(GetGrid());
  return FScratchGrid;
}

void TtsCellCollection::Construct() {
  inherited::Construct();
  FSharedCell = CreateCell(GetGrid());
}

void TtsCellCollection::Destroy() {
  inherited::Destroy();
  FreeAndNil(FSharedCell);
}

TtsCell* TtsCellCollection::CreateCell(TtsBaseGrid* Grid) { return New<TtsCell>(Grid, 0, Variant(Integer{0})); }

// ---- TtsColItem -------------------------------------------------------------------------------------
TtsColCollection* TtsColItem::Owner() const { return static_cast<TtsColCollection*>(GetCollection()); }

void TtsColItem::SetDataCol(Integer Value) {
  FDataCol = Value;
  if (Owner()->ColMatch == cmaNone) FCol = Owner()->GetGrid()->GetCols()->GetCol(Value);
}

void TtsColItem::SetFieldName(const String& Value) {
  FFieldName = Value;
  if (Owner()->ColMatch != cmaFieldName) return;
  TtsBaseGrid* grid = Owner()->GetGrid();
  FCol = grid->GetCols()->FindCol(Value);
  if (FCol) {
    FCol->Reset(grid->GetReadProperties());
    SetReadColNumber(FCol->GetDataCol());
  } else {
    GetCol();
    SetReadColNumber(0);
  }
}

void TtsColItem::SetReadColNumber(Integer Value) {
  if (FCol) Owner()->GetGrid()->SetReadColNumber(FDataCol, Value);
}

TtsCol* TtsColItem::GetCol() {
  if (!FCol) FCol = Owner()->GetScratchGrid()->GetCols()->GetItem(1);
  return FCol;
}

void TtsColItem::SetCol(TtsCol* Value) { FCol = Value; }

// ---- TtsRowItem -------------------------------------------------------------------------------------
TtsBaseGrid* TtsRowItem::Grid() const { return static_cast<TtsPropCollection*>(GetCollection())->GetGrid(); }

void TtsRowItem::SetDataRow(Integer Value) {
  FDataRow = Value;
  TtsGridRows* rows = Grid()->GetRows();
  // A row outside the grid is refused by the index check; with errors off the item's settings
  // are read into the scratch grid and dropped.
  FInside = Grid()->CheckIndex(itRow, Value, rows->GetCount() - 1, 0);
  if (!FInside) {
    rows = static_cast<TtsPropCollection*>(GetCollection())->GetScratchGrid()->GetRows();
    Value = 1;
  }
  rows->CreateDataRow(Value);
  FRow = rows->GetItem(Value);
}

void TtsRowItem::SetDisplayRow(Integer Value) {
  FDisplayRow = Value;
  if (FInside) Grid()->SetDisplayRownr(FDataRow, Value);
}

bool TtsRowItem::GetSelected() { return Grid()->GetRowSelected(FDataRow); }

void TtsRowItem::SetSelected(bool Value) {
  if (FInside) Grid()->SetRowSelected(FDataRow, Value);
}

void TtsRowItem::SetRow(TtsRow* Value) { FRow = Value; }

// ---- TtsCellItem ------------------------------------------------------------------------------------
TtsCellCollection* TtsCellItem::Owner() const { return static_cast<TtsCellCollection*>(GetCollection()); }

void TtsCellItem::Construct() {
  inherited::Construct();
  if (Owner() && Owner()->GetGrid()->Reading()) FOwnCell = Owner()->CreateCell(Owner()->GetGrid());
}

void TtsCellItem::Destroy() {
  FreeAndNil(FOwnCell);
  inherited::Destroy();
}

void TtsCellItem::SetDataCol(Integer Value) {
  FDataCol = Value;
  TtsBaseGrid* grid = Owner()->GetGrid();
  if (grid->Reading()) grid->CheckIndex(itCol, Value, grid->GetGridColCount(), 1);
}

void TtsCellItem::SetDataRow(Integer Value) {
  FDataRow = Value;
  TtsBaseGrid* grid = Owner()->GetGrid();
  if (grid->Reading()) grid->CheckIndex(itRow, Value, grid->GetRowCount() - 1, 1);
}

TtsCell* TtsCellItem::GetCell() {
  TtsCell* cell = FOwnCell ? FOwnCell : Owner()->GetSharedCell();
  TtsBaseGrid* grid = Owner()->GetGrid();
  // A cell outside the grid is refused by the index check; with errors off its settings are read
  // into the scratch grid and dropped.
  bool inside = grid->CheckIndex(itCol, FDataCol, grid->GetGridColCount(), 1) &&
                grid->CheckIndex(itRow, FDataRow, grid->GetRowCount() - 1, 1);
  cell->SetGrid(inside ? grid : Owner()->GetScratchGrid());
  cell->SetDataCol(inside ? FDataCol : 1);
  cell->SetKey(Variant(inside ? FDataRow : 1));
  return cell;
}

void TtsCellItem::SetCell(TtsCell*) {}

// ---- TtsGridStreamComponent -------------------------------------------------------------------------
void TtsGridStreamComponent::Construct() {
  inherited::Construct();
  FGrid = dynamic_cast<TtsBaseGrid*>(Owner());
}

void TtsGridStreamComponent::Destroy() {
  if (FOwnsGrid) FreeAndNil(FGrid);
  inherited::Destroy();
}

void TtsGridStreamComponent::SetAllProperties(bool Value) {
  FAllProperties = Value;
  if (Value) FProperties = AllProperties();
}

bool TtsGridStreamComponent::DoColCount() { return FSavePropKinds.Contains(pkCols); }

bool TtsGridStreamComponent::DoRowCount() {
  return FGrid->StoreRows() && !FSavePropKinds.Contains(pkGrid) && FSavePropKinds.Contains(pkRows);
}

bool TtsGridStreamComponent::DoDefaultColWidth() {
  return !FSavePropKinds.Contains(pkGrid) && FSavePropKinds.Contains(pkCols) && FProperties.Contains(prWidth);
}

bool TtsGridStreamComponent::DoDefaultRowHeight() {
  return !FSavePropKinds.Contains(pkGrid) && FSavePropKinds.Contains(pkRows) && FProperties.Contains(prHeight);
}

void TtsGridStreamComponent::CopyGrid(const TtsPropKinds&) {
  TtsBaseGrid* copy = NewGridLike(FGrid);
  try {
    copy->AssignPropKinds(FGrid, AllPropKinds, FSaveData);
  } catch (...) {
    copy->Free();
    throw;
  }
  FGrid = copy;
  FOwnsGrid = true;
}

void TtsGridStreamComponent::ResetGrid(const TtsPropKinds& Kinds, const TtsProperties& Props) {
  if (Kinds.Contains(pkCols) && FGrid->GetColMatch() == cmaNone) FGrid->ResetColProperties(Props);
  if (Kinds.Contains(pkRows)) FGrid->ResetRowProperties(Props);
  if (Kinds.Contains(pkCells)) FGrid->ResetCellProperties(Props);
}

void TtsGridStreamComponent::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  bool writing = dynamic_cast<Filer::TWriter*>(Filer) != nullptr;
  Filer->DefineProperty("Properties", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadProperties),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteProperties), true);
  Filer->DefineProperty("AllProperties", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadAllProperties),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteAllProperties), true);
  Filer->DefineProperty("ResetProps", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadResetProps),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteResetProps), true);
  Filer->DefineBinaryProperty("Grid", Filer::TStreamProc(this, &TtsGridStreamComponent::ReadGrid),
                              Filer::TStreamProc(this, &TtsGridStreamComponent::WriteGrid),
                              FSavePropKinds.Contains(pkGrid));
  // The entries below carry only the chosen property kinds: they are written from a copy of the
  // grid in which every other kind was reset.
  if (writing && !FOwnsGrid && !(FProperties == AllProperties())) {
    CopyGrid(FSavePropKinds);
    ResetGrid(FSavePropKinds, AllProperties() - FProperties);
  }
  Filer->DefineProperty("Cols", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadCols),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteCols), DoColCount());
  Filer->DefineProperty("Rows", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadRowCount),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteRowCount), DoRowCount());
  Filer->DefineProperty("DefaultColWidth", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadDefaultColWidth),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteDefaultColWidth),
                        DoDefaultColWidth());
  Filer->DefineProperty("DefaultRowHeight", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadDefaultRowHeight),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteDefaultRowHeight),
                        DoDefaultRowHeight());
  Filer->DefineProperty("ColProperties", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadColProperties),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteColProperties),
                        FSavePropKinds.Contains(pkCols));
  Filer->DefineProperty("RowProperties", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadRowProperties),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteRowProperties),
                        FSavePropKinds.Contains(pkRows));
  Filer->DefineProperty("CellProperties", Filer::TReaderProc(this, &TtsGridStreamComponent::ReadCellProperties),
                        Filer::TWriterProc(this, &TtsGridStreamComponent::WriteCellProperties),
                        FSavePropKinds.Contains(pkCells));
  Filer->DefineBinaryProperty("Data", Filer::TStreamProc(this, &TtsGridStreamComponent::ReadData),
                              Filer::TStreamProc(this, &TtsGridStreamComponent::WriteData),
                              FSaveData && FGrid->GetStoreData());
}

void TtsGridStreamComponent::WriteProperties(Filer::TWriter* Writer) {
  Byte bytes[PropertiesByteCount];
  PropertiesToBytes(FProperties, bytes);
  Writer->WriteString(String(reinterpret_cast<const char*>(bytes), PropertiesByteCount));
}

void TtsGridStreamComponent::ReadProperties(Filer::TReader* Reader) {
  if (Reader->NextValue() == Filer::vaSet) {
    Reader->ReadValue();
    while (!Reader->ReadStr().empty()) {
    }
    FProperties = AllProperties();
    return;
  }
  String text = Reader->ReadString();
  FProperties = PropertiesFromBytes(reinterpret_cast<const Byte*>(text.data()), static_cast<Integer>(text.size()));
}

void TtsGridStreamComponent::WriteAllProperties(Filer::TWriter* Writer) { Writer->WriteBoolean(FAllProperties); }
void TtsGridStreamComponent::ReadAllProperties(Filer::TReader* Reader) { SetAllProperties(Reader->ReadBoolean()); }
void TtsGridStreamComponent::WriteResetProps(Filer::TWriter* Writer) { Writer->WriteBoolean(true); }

void TtsGridStreamComponent::ReadResetProps(Filer::TReader* Reader) {
  if (!Reader->ReadBoolean()) return;
  if (!(FProperties == AllProperties())) {
    ResetGrid(FSavePropKinds, FProperties);
  } else if (FColMatch == cmaNone) {
    FGrid->ResetPropKinds(FSavePropKinds);
  } else if (!(FSavePropKinds == TtsPropKinds{pkCols})) {
    TtsPropKinds kinds = FSavePropKinds;
    kinds.Exclude(pkCols);
    FGrid->ResetPropKinds(kinds);
  }
}

void TtsGridStreamComponent::WriteGrid(Streams::TStream* Stream) {
  FGrid->SetSaveAllProps(false);
  try {
    Stream->WriteComponent(FGrid);
  } catch (...) {
    FGrid->SetSaveAllProps(true);
    throw;
  }
  FGrid->SetSaveAllProps(true);
}

void TtsGridStreamComponent::ReadGrid(Streams::TStream* Stream) { Stream->ReadComponent(FGrid); }

void TtsGridStreamComponent::WriteCols(Filer::TWriter* Writer) { Writer->WriteInteger(FGrid->GetGridColCount()); }

void TtsGridStreamComponent::ReadCols(Filer::TReader* Reader) {
  Integer count = Reader->ReadInteger();
  if (FColMatch == cmaNone) FGrid->SetGridColCount(count);
}

void TtsGridStreamComponent::WriteRowCount(Filer::TWriter* Writer) { Writer->WriteInteger(FGrid->GetGridRowCount()); }
void TtsGridStreamComponent::ReadRowCount(Filer::TReader* Reader) { FGrid->SetGridRowCount(Reader->ReadInteger()); }

void TtsGridStreamComponent::WriteDefaultColWidth(Filer::TWriter* Writer) {
  Writer->WriteInteger(FGrid->GetDefaultColWidth());
}
void TtsGridStreamComponent::ReadDefaultColWidth(Filer::TReader* Reader) {
  FGrid->SetDefaultColWidth(Reader->ReadInteger());
}
void TtsGridStreamComponent::WriteDefaultRowHeight(Filer::TWriter* Writer) {
  Writer->WriteInteger(FGrid->GetDefaultRowHeight());
}
void TtsGridStreamComponent::ReadDefaultRowHeight(Filer::TReader* Reader) {
  FGrid->SetDefaultRowHeight(Reader->ReadInteger());
}

void TtsGridStreamComponent::WriteColProperties(Filer::TWriter* Writer) {
  TOwnedPtr<TtsColCollection> collection(FGrid->CreateColCollection(true));
  Writer->WriteCollection(collection.get());
}

void TtsGridStreamComponent::ReadColProperties(Filer::TReader* Reader) {
  TtsProperties old = FGrid->GetReadProperties();
  FGrid->SetReadProperties(FProperties);
  try {
    FGrid->ReadColCollection(Reader, FColMatch);
  } catch (...) {
    FGrid->SetReadProperties(old);
    throw;
  }
  FGrid->SetReadProperties(old);
}

void TtsGridStreamComponent::WriteRowProperties(Filer::TWriter* Writer) {
  TOwnedPtr<TtsPropCollection> collection(FGrid->CreateRowCollection(true));
  Writer->WriteCollection(collection.get());
}

void TtsGridStreamComponent::ReadRowProperties(Filer::TReader* Reader) { FGrid->ReadRows(Reader); }

void TtsGridStreamComponent::WriteCellProperties(Filer::TWriter* Writer) {
  TOwnedPtr<TtsCellCollection> collection(FGrid->CreateCellCollection(true));
  Writer->WriteCollection(collection.get());
}

void TtsGridStreamComponent::ReadCellProperties(Filer::TReader* Reader) { FGrid->ReadCells(Reader); }

void TtsGridStreamComponent::WriteData(Streams::TStream* Stream) { FGrid->WriteData(Stream); }
void TtsGridStreamComponent::ReadData(Streams::TStream* Stream) { FGrid->ReadData(Stream); }

}  // namespace TSGrid
