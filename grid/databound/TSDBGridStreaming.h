// The streamed row and cell collections of a bound grid. Their items name a record by its DataRow
// Variant (a bookmark string or a record id), written as the defined entry "DataRow" after the
// item's published settings; the settings travel through the row and cell facades. Read while the
// dataset is closed, they wait in the grid's collections until its data becomes active.
#pragma once

#include "TSDBGridBase.h"
#include "TSGridStreaming.h"

namespace TSDBGrid {

class TtsDBRowCollection : public TtsPropCollection {
  DECLARE_CLASS(TtsDBRowCollection, TtsPropCollection)
 public:
  // A facade with an empty-string DataRow.
  virtual TtsDBRow* CreateRow();
  TtsDBRow* GetSharedRow() const { return FSharedRow; }
  // Hands every item's stored settings to the grid under the item's record, removing the items.
  void ApplyProps();

 protected:
  friend struct ::System::TObjectFactory;
  using TtsPropCollection::TtsPropCollection;
  void Construct() override;
  void Destroy() override;

 private:
  TtsDBRow* FSharedRow = nullptr;
};

// An item of a per-record collection: the record's DataRow (streamed as the entry "DataRow") and,
// while the grid reads, a facade of its own that holds what was read for the record.
class TtsDBRecordItem : public TCollectionItem {
  DECLARE_CLASS(TtsDBRecordItem, TCollectionItem)
 public:
  const Variant& GetDataRow() const { return FDataRow; }
  void SetDataRow(const Variant& Value) { FDataRow = Value; }

 protected:
  friend struct ::System::TObjectFactory;
  using TCollectionItem::TCollectionItem;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

  TPersistent* FOwnFacade = nullptr;
  Variant FDataRow;
};

class TtsDBRowItem : public TtsDBRecordItem {
  DECLARE_CLASS(TtsDBRowItem, TtsDBRecordItem)
 public:
  // The item's facade (its own while the grid reads, else the collection's), keyed by the item's record.
  TtsDBRow* GetRow();
  void SetRow(TtsDBRow* Value) {}

 protected:
  friend struct ::System::TObjectFactory;
  using TtsDBRecordItem::TtsDBRecordItem;
  void Construct() override;

 private:
  TtsDBRowCollection* Owner() const { return static_cast<TtsDBRowCollection*>(GetCollection()); }
};

class TtsDBCellCollection : public TtsCellCollection {
  DECLARE_CLASS(TtsDBCellCollection, TtsCellCollection)
 public:
  // A facade with an empty-string DataRow.
  TtsCell* CreateCell(TtsBaseGrid* Grid) override;
  void ApplyProps() override;

 protected:
  friend struct ::System::TObjectFactory;
  using TtsCellCollection::TtsCellCollection;
};

class TtsDBCellItem : public TtsDBRecordItem {
  DECLARE_CLASS(TtsDBCellItem, TtsDBRecordItem)
 public:
  Integer GetDataCol() const { return FDataCol; }
  void SetDataCol(Integer Value) { FDataCol = Value; }
  // The item's facade (its own while the grid reads, else the collection's), keyed by the item's cell.
  TtsDBCell* GetCell();
  void SetCell(TtsDBCell* Value) {}

 protected:
  friend struct ::System::TObjectFactory;
  using TtsDBRecordItem::TtsDBRecordItem;
  void Construct() override;

 private:
  TtsDBCellCollection* Owner() const { return static_cast<TtsDBCellCollection*>(GetCollection()); }
  Integer FDataCol = 0;
};

// A layout stream of a bound grid says so ("DataBound"), so that reading it takes its rows and cells
// as per-record properties.
class TtsDBGridStreamComponent : public TtsGridStreamComponent {
  DECLARE_CLASS(TtsDBGridStreamComponent, TtsGridStreamComponent)
 public:
  explicit TtsDBGridStreamComponent(TComponent* AOwner = nullptr) : TtsGridStreamComponent(AOwner) {}
  bool GetDataBound() const;
  void SetDataBound(bool Value);

 protected:
  void Loaded() override;

 private:
  TtsCustomDBGrid* DBGrid() const { return dynamic_cast<TtsCustomDBGrid*>(GetStreamGrid()); }
};

}  // namespace TSDBGrid
