// Layout streaming: the grid's own entries of its component stream (column, row and cell
// overrides, moved rows, picture list ids, stored values, and the read-only entries of older
// versions), and saving and loading a layout on demand to a stream, a file or the registry.
#include "TSGridImpl.h"

#include "FileNames.h"
#include "Registry.h"

namespace TSGrid {

// ---- Entries of the component stream ---------------------------------------------------------------
namespace {
// A list of extents read into the engine's display positions that exist; the rest is dropped.
template <class Apply>
void ReadExtents(Filer::TReader* Reader, Integer Count, Apply Set) {
  Reader->ReadListBegin();
  for (Integer i = 0; !Reader->EndOfList(); ++i) {
    Integer value = Reader->ReadInteger();
    if (i < Count) Set(i, value);
  }
  Reader->ReadListEnd();
}
}  // namespace

void TtsBaseGrid::DefineProperties(Filer::TFiler* Filer) {
  // The engine's own width and height entries are not written: the column and row entries carry them.
  TCustomGrid_ts::inherited::DefineProperties(Filer);
  Filer->DefineProperty("ColWidths", Filer::TReaderProc([this](Filer::TReader* Reader) {
                          ReadExtents(Reader, GetColCount(), [this](Integer I, Integer W) { SetColWidths(I, W); });
                        }),
                        Filer::TWriterProc(), false);
  Filer->DefineProperty("RowHeights", Filer::TReaderProc([this](Filer::TReader* Reader) {
                          ReadExtents(Reader, GetRowCount(), [this](Integer I, Integer H) { SetRowHeights(I, H); });
                        }),
                        Filer::TWriterProc(), false);
  Filer->DefineProperty("EditMode", Filer::TReaderProc(this, &TtsBaseGrid::ReadEditMode), Filer::TWriterProc(), false);
  Filer->DefineProperty("HeadingAlignment", Filer::TReaderProc(this, &TtsBaseGrid::ReadHeadingAlignment),
                        Filer::TWriterProc(), false);
  Filer->DefineProperty(
      "ImageListIds",
      Filer::TReaderProc([this](Filer::TReader* Reader) {
        FImageListIds->Clear();
        FImageListIds->SetCommaText(Reader->ReadString());
      }),
      Filer::TWriterProc([this](Filer::TWriter* Writer) { Writer->WriteString(FImageListIds->GetCommaText()); }),
      FImageListIds->GetCount() > 0);
  TPersistent* ancestor = Filer->GetAncestor();
  try {
    Filer->DefineProperty("ColProperties", Filer::TReaderProc(this, &TtsBaseGrid::ReadColumns),
                          Filer::TWriterProc(this, &TtsBaseGrid::WriteColumns), DoColProps(ancestor));
    Filer->DefineProperty("RowProperties", Filer::TReaderProc(this, &TtsBaseGrid::ReadRows),
                          Filer::TWriterProc(this, &TtsBaseGrid::WriteRows), DoRowProps(ancestor));
    Filer->DefineProperty("CellProperties", Filer::TReaderProc(this, &TtsBaseGrid::ReadCells),
                          Filer::TWriterProc(this, &TtsBaseGrid::WriteCells), DoCellProps(ancestor));
    Filer->DefineBinaryProperty("Data", Filer::TStreamProc(this, &TtsBaseGrid::ReadData),
                                Filer::TStreamProc(this, &TtsBaseGrid::WriteData), GetSaveAllProps() && FStoreData);
  } catch (...) {
    FreeAndNil(FColCollection);
    FreeAndNil(FRowCollection);
    if (Writing()) FreeAndNil(FCellCollection);
    throw;
  }
  FreeAndNil(FColCollection);
  FreeAndNil(FRowCollection);
  if (Writing()) FreeAndNil(FCellCollection);
}

void TtsBaseGrid::ReadEditMode(Filer::TReader* Reader) { SetEditMode(EditModeStrValue(Reader->ReadIdent())); }

void TtsBaseGrid::ReadHeadingAlignment(Filer::TReader* Reader) { SetHeadingAlignment(ReadAlignmentIdent(Reader)); }

void TtsBaseGrid::SetHeadingAlignment(TAlignment Value) {
  if (Value == FHeadingAlignmentLegacy) return;
  FHeadingAlignmentLegacy = Value;
  // Old streams wrote left-justify for a heading that follows the grid's alignment.
  FHeadingHorzAlignment = Value == taLeftJustify ? TSCommon::htaDefault : TSCommon::AlignmentToHorzAlignment(Value, true);
  if (GetHeadingOn()) CheckInvalidateRow(0);
}

// Builds the collection of a kind for writing; with an ancestor whose collection is the same
// nothing is written. Answers whether the collection has items.
namespace {
template <class Collection, class Make>
bool PrepareCollection(TtsBaseGrid* Grid, Collection*& Field, TPersistent* Ancestor, bool CompareAncestor, Make Create) {
  FreeAndNil(Field);
  if (!Grid->Writing() || !Grid->GetSaveAllProps()) return false;
  Field = Create(Grid);
  if (auto* ancestor = dynamic_cast<TtsBaseGrid*>(Ancestor); ancestor && CompareAncestor) {
    TOwnedPtr<Collection> theirs(Create(ancestor));
    if (Filer::CollectionsEqual(Field, theirs.get())) Field->Clear();
  }
  return Field->Count() > 0;
}
}  // namespace

bool TtsBaseGrid::DoColProps(TPersistent* Ancestor) {
  return PrepareCollection(this, FColCollection, Ancestor, true,
                           [](TtsBaseGrid* Grid) { return Grid->CreateColCollection(true); });
}

bool TtsBaseGrid::DoRowProps(TPersistent* Ancestor) {
  return PrepareCollection(this, FRowCollection, Ancestor, ComponentState().Contains(csDesigning),
                           [](TtsBaseGrid* Grid) { return Grid->CreateRowCollection(true); });
}

bool TtsBaseGrid::DoCellProps(TPersistent* Ancestor) {
  return PrepareCollection(this, FCellCollection, Ancestor, ComponentState().Contains(csDesigning),
                           [](TtsBaseGrid* Grid) { return Grid->CreateCellCollection(true); });
}

TtsColCollection* TtsBaseGrid::CreateColCollection(bool Fill) {
  auto* collection = New<TtsColCollection>(this, TtsColItem::StaticClass());
  if (!Fill) return collection;
  // Columns in display order, each only when it differs from a new column (a moved column does).
  for (Integer display = 1; display <= GetGridColCount(); ++display) {
    Integer dataCol = GetDataColnr(display);
    TtsCol* col = FCols->GetItem(dataCol);
    if (col->DefaultProps()) continue;
    static_cast<TtsColItem*>(collection->Add())->Init(dataCol, col->GetFieldName(), col);
  }
  return collection;
}

TtsPropCollection* TtsBaseGrid::CreateRowCollection(bool Fill) {
  auto* collection = New<TtsPropCollection>(this, TtsRowItem::StaticClass());
  if (!Fill) return collection;
  for (Integer display = 1; display <= GetGridRowCount(); ++display) {
    Integer dataRow = GetDataRownr(display);
    TtsRow* row = FRows->GetItem(dataRow);
    if (dataRow == display && (!row || row->DefaultProps())) continue;
    static_cast<TtsRowItem*>(collection->Add())->Init(dataRow, display, row);
  }
  return collection;
}

TtsCellCollection* TtsBaseGrid::CreateCellCollection(bool Fill) {
  auto* collection = New<TtsCellCollection>(this, TtsCellItem::StaticClass());
  if (!Fill) return collection;
  // The set's tree order: each node's element, then its left subtree, then its right one.
  std::vector<TtsSetNode*> pending;
  if (TtsSetNode* root = FCellPropSet->GetRoot()) pending.push_back(root);
  while (!pending.empty()) {
    TtsSetNode* node = pending.back();
    pending.pop_back();
    auto* element = static_cast<TtsCellElement*>(node->Value());
    if (!element->Empty()) {
      auto* item = static_cast<TtsCellItem*>(collection->Add());
      item->SetDataCol(element->GetDataCol());
      item->SetDataRow(element->GetDataRow());
    }
    if (node->GetRight()) pending.push_back(node->GetRight());
    if (node->GetLeft()) pending.push_back(node->GetLeft());
  }
  return collection;
}

void TtsBaseGrid::WriteColumns(Filer::TWriter* Writer) { Writer->WriteCollection(FColCollection); }
void TtsBaseGrid::WriteRows(Filer::TWriter* Writer) { Writer->WriteCollection(FRowCollection); }
void TtsBaseGrid::WriteCells(Filer::TWriter* Writer) { Writer->WriteCollection(FCellCollection); }

void TtsBaseGrid::ReadColumns(Filer::TReader* Reader) { ReadColCollection(Reader, cmaNone); }

void TtsBaseGrid::ReadColCollection(Filer::TReader* Reader, TtsColMatch ColMatch) {
  TOwnedPtr<TtsColCollection> collection(CreateColCollection(false));
  collection->ColMatch = ColMatch;
  Reader->CheckValue(Filer::vaCollection);
  Reader->ReadCollection(collection.get());
}

void TtsBaseGrid::ReadRows(Filer::TReader* Reader) {
  TOwnedPtr<TtsPropCollection> collection(CreateRowCollection(false));
  try {
    Reader->CheckValue(Filer::vaCollection);
    Reader->ReadCollection(collection.get());
  } catch (...) {
    for (Integer row = 1; row < FRows->GetCount(); ++row) FRows->CheckRemoveDataRow(row);
    throw;
  }
  // The items made a row object for every row they named; those left at their defaults go again.
  for (Integer row = 1; row < FRows->GetCount(); ++row) FRows->CheckRemoveDataRow(row);
}

void TtsBaseGrid::ReadCells(Filer::TReader* Reader) {
  FreeAndNil(FCellCollection);
  FCellCollection = CreateCellCollection(false);
  Reader->CheckValue(Filer::vaCollection);
  Reader->ReadCollection(FCellCollection);
}

void TtsBaseGrid::WriteData(Streams::TStream* Stream) {
  if (FStoreData) FStorage->SaveToStream(Stream);
}

void TtsBaseGrid::ReadData(Streams::TStream* Stream) {
  SetStoreData(true);
  FStorage->LoadFromStream(Stream, FReadColMap);
}

void TtsBaseGrid::SetReadColNumber(Integer StreamDataCol, Integer DataCol) {
  if (!FReadColMap) return;
  // A stream column number outside 1 .. the largest column count is refused like any bad index.
  if (!CheckIndex(itCol, StreamDataCol, MaxLayoutCols, 1)) return;
  while (FReadColMap->GetCount() < StreamDataCol) FReadColMap->Add(nullptr);
  FReadColMap->SetItems(StreamDataCol - 1, reinterpret_cast<void*>(static_cast<NativeInt>(DataCol)));
}

void TtsBaseGrid::Loaded() {
  inherited::Loaded();
  FreeAndNil(FCellCollection);
  Invalidate();
  PerformFastAssignActions();
}

void TtsBaseGrid::SetSaveAllProps(bool Value) {
  if (!Value)
    ++FSaveAllCount;
  else if (FSaveAllCount > 0)
    --FSaveAllCount;
}

TtsGridStreamComponent* TtsBaseGrid::CreateStreamComponent() { return New<TtsGridStreamComponent>(this); }

bool TtsBaseGrid::Reading() {
  if (FReadingFlag || ComponentState().Contains(csReading)) return true;
  TtsBaseGrid* parent = FIsComboGrid ? GetParentGrid() : nullptr;
  return parent && parent->Reading();
}

bool TtsBaseGrid::Writing() {
  if (FWritingFlag || ComponentState().Contains(csWriting)) return true;
  TtsBaseGrid* parent = FIsComboGrid ? GetParentGrid() : nullptr;
  return parent && parent->Writing();
}

// ---- Saving and loading a layout -----------------------------------------------------------------------
void TtsBaseGrid::SavePropToStream(Streams::TStream* Stream, TtsPropKinds Kinds, const TtsProperties& Props,
                                   bool SaveData) {
  TtsGridStreamComponent* component = CreateStreamComponent();
  bool fast = false;
  try {
    component->SetSavePropKinds(Kinds);
    TtsProperties props = Props;
    // The alignment kinds travel together.
    if (props.Contains(prAlign) || props.Contains(prAlignment) || props.Contains(prHorzAlignment)) {
      props.Include(prAlign);
      props.Include(prAlignment);
      props.Include(prHorzAlignment);
    }
    component->SetProperties(props);
    component->SetAllProperties(Props == AllProperties());
    component->SetSaveData(SaveData);
    SetFastAssign(true);
    fast = true;
    FWritingFlag = true;
    Stream->WriteComponent(component);
  } catch (...) {
    FWritingFlag = false;
    if (fast) SetFastAssign(false);
    component->Free();
    throw;
  }
  FWritingFlag = false;
  SetFastAssign(false);
  component->Free();
}

void TtsBaseGrid::SaveToStream(Streams::TStream* Stream, bool SaveData) {
  SavePropToStream(Stream, AllPropKinds, AllProperties(), SaveData);
}

void TtsBaseGrid::LoadFromStream(Streams::TStream* Stream, TtsColMatch ColMatch) {
  TtsGridStreamComponent* component = CreateStreamComponent();
  auto cleanup = [&]() {
    FReadingFlag = false;
    FLoadingLayout = false;
    FreeAndNil(FCellCollection);
    SetFastAssign(false);
    FColMatch = cmaNone;
    FreeAndNil(FReadColMap);
    component->Free();
  };
  try {
    SetFastAssign(true);
    FReadingFlag = true;
    FLoadingLayout = true;
    component->SetColMatch(ColMatch);
    FColMatch = ColMatch;
    if (ColMatch == cmaFieldName) FReadColMap = New<Lists::TList>();
    Stream->ReadComponent(component);
  } catch (...) {
    cleanup();
    throw;
  }
  cleanup();
}

void TtsBaseGrid::SavePropToFile(const String& FileName, TtsPropKinds Kinds, const TtsProperties& Props,
                                 bool SaveData) {
  TOwnedPtr<Streams::TFileStream> file(New<Streams::TFileStream>(FileName, Streams::fmCreate));
  SavePropToStream(file.get(), Kinds, Props, SaveData);
}

void TtsBaseGrid::SaveToFile(const String& FileName, bool SaveData) {
  SavePropToFile(FileName, AllPropKinds, AllProperties(), SaveData);
}

void TtsBaseGrid::LoadFromFile(const String& FileName, TtsColMatch ColMatch) {
  TOwnedPtr<Streams::TFileStream> file(
      New<Streams::TFileStream>(FileName, Streams::fmOpenRead | Streams::fmShareDenyWrite));
  LoadFromStream(file.get(), ColMatch);
}

void TtsBaseGrid::SavePropToRegistry(const String& KeyPath, const String& ValueName, const String& FileName,
                                     TtsPropKinds Kinds, const TtsProperties& Props, bool SaveData) {
  TOwnedPtr<Registry::TRegistry> registry(TSCommon::OpenRegistryKey(KeyPath, true));
  if (!registry) throw ERegistryException("Registry Create Failed");
  if (!FileName.empty()) {
    String path = ExpandFileName(FileName);
    SavePropToFile(path, Kinds, Props, SaveData);
    registry->WriteString(ValueName, path);
  } else {
    TOwnedPtr<Streams::TMemoryStream> memory(New<Streams::TMemoryStream>());
    SavePropToStream(memory.get(), Kinds, Props, SaveData);
    registry->WriteBinaryData(ValueName, memory->GetMemory(), static_cast<Integer>(memory->GetSize()));
  }
}

void TtsBaseGrid::SaveToRegistry(const String& KeyPath, const String& ValueName, const String& FileName,
                                 bool SaveData) {
  SavePropToRegistry(KeyPath, ValueName, FileName, AllPropKinds, AllProperties(), SaveData);
}

bool TtsBaseGrid::LoadFromRegistry(const String& KeyPath, const String& ValueName, TtsColMatch ColMatch) {
  TOwnedPtr<Registry::TRegistry> registry(TSCommon::OpenRegistryKey(KeyPath, false));
  if (!registry) return false;
  switch (registry->GetDataType(ValueName)) {
    case Registry::rdString: {
      String fileName = registry->ReadString(ValueName);
      if (fileName.empty()) return false;
      LoadFromFile(fileName, ColMatch);
      return true;
    }
    case Registry::rdBinary: {
      Integer size = registry->GetDataSize(ValueName);
      TOwnedPtr<Streams::TMemoryStream> memory(New<Streams::TMemoryStream>());
      memory->SetSize(size);
      registry->ReadBinaryData(ValueName, memory->GetMemory(), size);
      memory->SetPosition(0);
      LoadFromStream(memory.get(), ColMatch);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace TSGrid
