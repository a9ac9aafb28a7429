// Per-record row and cell overrides. In a bound grid an override belongs to a record, not to a
// display line: the row set keys its elements by the record's DataRow (its bookmark, or the
// application's record id), the cell set by (data column, DataRow), column first. Because the key
// names the record, an override follows it through scrolling, requerying and repositioning.
//
// The elements and sets reuse the plain grid's property elements and sets; only the key, its order
// and the repainting of a changed record differ.
#pragma once

#include "TSGridElements.h"

namespace TSDBGrid {

using namespace TSGrid;

class TtsCustomDBGrid;

class TtsDBRowElement : public TtsCustomPropElement {
  DECLARE_CLASS(TtsDBRowElement, TtsCustomPropElement)
 public:
  TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other) override;
  TtsSetOrder CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) override;
  void Assign(TtsCustomElement* Source) override;
  // The element's font changed in place: repaints the record's line when it is shown.
  void FontChange(TObject* Sender) override;

  const Variant& GetDataRow() const { return FDataRow; }
  TtsCustomDBGrid* GetDBGrid() const;

 protected:
  explicit TtsDBRowElement(TtsBaseGrid* AGrid = nullptr, Variant ADataRow = Variant())
      : TtsCustomPropElement(AGrid), FDataRow(std::move(ADataRow)) {}
  void Construct() override;
  void Destroy() override;

 private:
  Variant FDataRow;
};

class TtsDBCellElement : public TtsCustomPropElement {
  DECLARE_CLASS(TtsDBCellElement, TtsCustomPropElement)
 public:
  TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other) override;
  TtsSetOrder CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) override;
  void Assign(TtsCustomElement* Source) override;
  // The element's font changed in place: repaints the record cell when it is shown.
  void FontChange(TObject* Sender) override;
  // Gives the element a combo of its own, its list as wide as the data column.
  void AssignCombo() override;

  Integer GetDataCol() const { return FDataCol; }
  const Variant& GetDataRow() const { return FDataRow; }
  TtsCustomDBGrid* GetDBGrid() const;

 protected:
  TtsDBCellElement(TtsBaseGrid* AGrid = nullptr, Integer ADataCol = 0, Variant ADataRow = Variant())
      : TtsCustomPropElement(AGrid), FDataCol(ADataCol), FDataRow(std::move(ADataRow)) {}
  void Construct() override;
  void Destroy() override;

 private:
  Integer FDataCol;
  Variant FDataRow;
};

// Row overrides of a bound grid; key: one entry, the DataRow Variant.
class TtsDBRowPropSet : public TtsCustomPropSet {
  DECLARE_CLASS(TtsDBRowPropSet, TtsCustomPropSet)
 public:
  TtsCustomPropElement* CreateElement(TtsVarRecArray Key, Integer KeyHigh) override;
  void DeleteElement(TtsCustomPropElement* Element) override;
  bool CheckDelete(TtsCustomPropElement* Element) override;
  // Clears the strategy's per-line property buffer first (whether or not the value changes), then
  // sets the value; a changed mask refreshes the editor, any other change repaints the line.
  bool SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element, const Variant& Value,
                   TtsProperty Kind, Integer Index, bool Redraw) override;

  TtsDBRowElement* GetRow(const Variant& DataRow);
  TtsCustomDBGrid* GetDBGrid() const;

 protected:
  explicit TtsDBRowPropSet(TtsBaseGrid* AGrid = nullptr) : TtsCustomPropSet(AGrid) {}
};

// Cell overrides of a bound grid; key: the data column (an integer), then the DataRow Variant.
class TtsDBCellPropSet : public TtsCustomPropSet {
  DECLARE_CLASS(TtsDBCellPropSet, TtsCustomPropSet)
 public:
  TtsCustomPropElement* CreateElement(TtsVarRecArray Key, Integer KeyHigh) override;
  void DeleteElement(TtsCustomPropElement* Element) override;
  bool CheckDelete(TtsCustomPropElement* Element) override;
  bool SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element, const Variant& Value,
                   TtsProperty Kind, Integer Index, bool Redraw) override;
  // Repaints one record cell when the record is displayed; DrawPropOnly only when the grid's
  // invalidation is not suspended.
  void CheckRedraw(Integer DataCol, const Variant& DataRow, bool DrawPropOnly);

  TtsDBCellElement* GetCell(Integer DataCol, const Variant& DataRow);
  TtsCustomDBGrid* GetDBGrid() const;

 protected:
  explicit TtsDBCellPropSet(TtsBaseGrid* AGrid = nullptr) : TtsCustomPropSet(AGrid) {}
};

}  // namespace TSDBGrid
