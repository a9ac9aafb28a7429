// A grid's layout in the form-stream format. The per-column, per-row and per-cell settings travel as
// three collections ("ColProperties", "RowProperties", "CellProperties") whose items name a column,
// row or cell and carry its settings object; the items apply themselves to the grid while they are
// read. TtsGridStreamComponent is what a layout save writes: the choice of what is stored and, in a
// fixed order of defined entries, the grid, its counts, the three collections and the cell data.
#pragma once

#include "Collections.h"
#include "Components.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCol;
class TtsRow;
class TtsCell;

class TtsPropCollection : public TCollection {
  DECLARE_CLASS(TtsPropCollection, TCollection)
 public:
  TtsBaseGrid* GetGrid() const { return FGrid; }
  // A grid of the bound grid's class, made on first need, into whose first column, row or cell an
  // item that names nothing of the grid is read and dropped.
  TtsBaseGrid* GetScratchGrid();

 protected:
  TtsPropCollection(TtsBaseGrid* AGrid = nullptr, TClass AItemClass = nullptr)
      : TCollection(AItemClass), FGrid(AGrid) {}
  void Destroy() override;

 private:
  TtsBaseGrid* FGrid;
  TtsBaseGrid* FScratchGrid = nullptr;
};

class TtsColCollection : public TtsPropCollection {
  DECLARE_CLASS(TtsColCollection, TtsPropCollection)
 public:
  TtsColMatch ColMatch = cmaNone;

 protected:
  using TtsPropCollection::TtsPropCollection;
};

class TtsCellCollection : public TtsPropCollection {
  DECLARE_CLASS(TtsCellCollection, TtsPropCollection)
 public:
  virtual TtsCell* CreateCell(TtsBaseGrid* Grid);
  // The data-bound collection applies its items' settings here; nothing in the grid control.
  virtual void ApplyProps() {}
  TtsCell* GetSharedCell() const { return FSharedCell; }

 protected:
  using TtsPropCollection::TtsPropCollection;
  void Construct() override;
  void Destroy() override;

 private:
  TtsCell* FSharedCell = nullptr;
};

class TtsColItem : public TCollectionItem {
  DECLARE_CLASS(TtsColItem, TCollectionItem)
 public:
  Integer GetDataCol() const { return FDataCol; }
  void SetDataCol(Integer Value);
  String GetFieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  TtsCol* GetCol();
  void SetCol(TtsCol* Value);
  // Records which data column of the grid received the stream's data column DataCol.
  void SetReadColNumber(Integer Value);
  // Fills an item for writing, without the side effects of the streamed setters.
  void Init(Integer DataCol, const String& FieldName, TtsCol* Col) {
    FDataCol = DataCol;
    FFieldName = FieldName;
    FCol = Col;
  }

 protected:
  using TCollectionItem::TCollectionItem;

 private:
  TtsColCollection* Owner() const;
  TtsCol* FCol = nullptr;
  Integer FDataCol = 0;
  String FFieldName;
};

class TtsRowItem : public TCollectionItem {
  DECLARE_CLASS(TtsRowItem, TCollectionItem)
 public:
  Integer GetDataRow() const { return FDataRow; }
  void SetDataRow(Integer Value);
  Integer GetDisplayRow() const { return FDisplayRow; }
  void SetDisplayRow(Integer Value);
  bool GetSelected();
  void SetSelected(bool Value);
  TtsRow* GetRow() const { return FRow; }
  void SetRow(TtsRow* Value);
  bool StoreRow() const { return FRow != nullptr; }
  // Fills an item for writing, without the side effects of the streamed setters.
  void Init(Integer DataRow, Integer DisplayRow, TtsRow* Row) {
    FDataRow = DataRow;
    FDisplayRow = DisplayRow;
    FRow = Row;
  }

 protected:
  using TCollectionItem::TCollectionItem;

 private:
  TtsBaseGrid* Grid() const;
  TtsRow* FRow = nullptr;
  bool FInside = false;
  Integer FDataRow = 0;
  Integer FDisplayRow = 0;
};

class TtsCellItem : public TCollectionItem {
  DECLARE_CLASS(TtsCellItem, TCollectionItem)
 public:
  Integer GetDataCol() const { return FDataCol; }
  // While the grid reads, a column or row outside it is refused (the index error).
  void SetDataCol(Integer Value);
  Integer GetDataRow() const { return FDataRow; }
  void SetDataRow(Integer Value);
  // The facade pointed at this item's cell.
  TtsCell* GetCell();
  void SetCell(TtsCell* Value);

 protected:
  using TCollectionItem::TCollectionItem;
  void Construct() override;
  void Destroy() override;

 private:
  TtsCellCollection* Owner() const;
  TtsCell* FOwnCell = nullptr;
  Integer FDataCol = 0;
  Integer FDataRow = 0;
};

class TtsGridStreamComponent : public TComponent {
  DECLARE_CLASS(TtsGridStreamComponent, TComponent)
 public:
  explicit TtsGridStreamComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  TtsPropKinds GetSavePropKinds() const { return FSavePropKinds; }
  void SetSavePropKinds(TtsPropKinds Value) { FSavePropKinds = Value; }
  bool GetSaveData() const { return FSaveData; }
  void SetSaveData(bool Value) { FSaveData = Value; }
  TtsProperties GetProperties() const { return FProperties; }
  void SetProperties(const TtsProperties& Value) { FProperties = Value; }
  bool GetAllProperties() const { return FAllProperties; }
  // True also sets Properties to all 33 kinds.
  void SetAllProperties(bool Value);
  TtsColMatch GetColMatch() const { return FColMatch; }
  void SetColMatch(TtsColMatch Value) { FColMatch = Value; }
  TtsBaseGrid* GetStreamGrid() const { return FGrid; }

  bool DoColCount();
  bool DoRowCount();
  bool DoDefaultColWidth();
  bool DoDefaultRowHeight();
  // Replaces Grid by an invisible copy of it that the component owns.
  void CopyGrid(const TtsPropKinds& Kinds);
  void ResetGrid(const TtsPropKinds& Kinds, const TtsProperties& Props);

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  void ReadProperties(Filer::TReader* Reader);
  void WriteProperties(Filer::TWriter* Writer);
  void ReadAllProperties(Filer::TReader* Reader);
  void WriteAllProperties(Filer::TWriter* Writer);
  void ReadResetProps(Filer::TReader* Reader);
  void WriteResetProps(Filer::TWriter* Writer);
  void ReadGrid(Streams::TStream* Stream);
  void WriteGrid(Streams::TStream* Stream);
  void ReadCols(Filer::TReader* Reader);
  void WriteCols(Filer::TWriter* Writer);
  void ReadRowCount(Filer::TReader* Reader);
  void WriteRowCount(Filer::TWriter* Writer);
  void ReadDefaultColWidth(Filer::TReader* Reader);
  void WriteDefaultColWidth(Filer::TWriter* Writer);
  void ReadDefaultRowHeight(Filer::TReader* Reader);
  void WriteDefaultRowHeight(Filer::TWriter* Writer);
  void ReadColProperties(Filer::TReader* Reader);
  void WriteColProperties(Filer::TWriter* Writer);
  void ReadRowProperties(Filer::TReader* Reader);
  void WriteRowProperties(Filer::TWriter* Writer);
  void ReadCellProperties(Filer::TReader* Reader);
  void WriteCellProperties(Filer::TWriter* Writer);
  void ReadData(Streams::TStream* Stream);
  void WriteData(Streams::TStream* Stream);

  TtsBaseGrid* FGrid = nullptr;
  TtsPropKinds FSavePropKinds;
  TtsProperties FProperties;
  bool FOwnsGrid = false;
  bool FSaveData = false;
  TtsColMatch FColMatch = cmaFieldName;
  bool FAllProperties = false;
};

}  // namespace TSGrid
