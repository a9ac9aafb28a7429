// The grid's stores by data number and its display-side lists. A column and a row have a data
// number (their identity, unchanged when they are dragged elsewhere) and a display position. The
// column store keeps one column object per data column, each knowing its display column; the row
// store keeps row objects on demand, the rows' display numbers (once a row has moved) and their ids.
// TtsVisibleItems lists the visible display positions and costs nothing until the first one is
// hidden; TtsCoordList holds cell coordinates; TtsSelection marks selected display positions.
#pragma once

#include <vector>

#include "TSGridTypes.h"
#include "TSSetLib.h"

namespace Bits {
class TBits;
}

namespace TSGrid {

class TtsBaseGrid;
class TtsCol;
class TtsRow;

class TtsGridCols : public TObject {
  DECLARE_CLASS(TtsGridCols, TObject)
 public:
  // The factory of column objects; the data-bound grid's store makes its own column class.
  virtual TtsCol* CreateCol();

  // Resizes the store from Start to End entries; new columns show at their own data number with
  // the engine's width of that display column and the next ids.
  void CreateDefaultValues(Integer Start, Integer End);
  // Follows the grid's ColCount.
  void Resize(Integer OldCount);
  void FreeColProperties(Integer Start, Integer End);
  // Moves Count entries from From to To as one block, clearing the uncovered source entries.
  void CntMoveProperties(Integer From, Integer To, Integer Count);
  // A string key finds the column by field name; any other key is a data column number.
  TtsCol* GetCol(const Variant& Key);
  TtsCol* FindCol(const String& FieldName);
  TtsCol* GetItem(Integer DataCol) const { return FCols[static_cast<size_t>(DataCol)]; }
  void SetItem(Integer DataCol, TtsCol* Col) { FCols[static_cast<size_t>(DataCol)] = Col; }
  Integer GetCount() const { return FCount; }
  TtsBaseGrid* GetGrid() const { return FGrid; }

 protected:
  TtsGridCols(Integer ACount = 0, TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid), FInitialCount(ACount) {}
  void Construct() override;
  void Destroy() override;

 private:
  std::vector<TtsCol*> FCols;
  TtsBaseGrid* FGrid;
  Integer FCount = 0;
  Integer FNextId = 0;
  Integer FInitialCount;
};

class TtsGridRows : public TObject {
  DECLARE_CLASS(TtsGridRows, TObject)
 public:
  virtual TtsRow* CreateRow();

  void CreateDefaultValues(Integer Start, Integer End);
  void Resize(Integer OldCount);
  void FreeRowProperties(Integer Start, Integer End);
  void CntMoveProperties(Integer From, Integer To, Integer Count);
  // The rows From..Last not Gone close up in their order; the Gone ones follow them, in theirs.
  void CloseUp(const std::vector<bool>& Gone, Integer From, Integer Last);
  // The display numbers are kept only once a row moved.
  void CreateDisplayRowNumber();
  bool HasDisplayRowNumbers() const { return FHasDisplayNumbers; }
  Integer GetDisplayRowNumber(Integer DataRow) const;
  void SetDisplayRowNumber(Integer DataRow, Integer DisplayRow);
  Integer GetRowId(Integer DataRow) const { return FIds[static_cast<size_t>(DataRow)]; }
  void SetRowId(Integer DataRow, Integer Id) { FIds[static_cast<size_t>(DataRow)] = Id; }
  // The row object or nil; out of range after the grid's index check.
  TtsRow* GetRow(Integer DataRow);
  TtsRow* GetItem(Integer DataRow) const { return FRows[static_cast<size_t>(DataRow)]; }
  void SetItem(Integer DataRow, TtsRow* Row) { FRows[static_cast<size_t>(DataRow)] = Row; }
  void CreateDataRow(Integer DataRow);
  void RemoveDataRow(Integer DataRow);
  // Drops a row object whose settings are all at their defaults (never the heading row's).
  void CheckRemoveDataRow(Integer DataRow);
  Integer GetRowHeight(Integer DataRow);
  void SetRowHeight(Integer DataRow, Integer Height);
  Integer GetOldRowHeight(Integer DataRow);
  void SetOldRowHeight(Integer DataRow, Integer Height);
  void CopyRowHeight(Integer DataRow, Integer Height);
  Integer GetCount() const { return FCount; }
  TtsBaseGrid* GetGrid() const { return FGrid; }

 protected:
  TtsGridRows(Integer ACount = 0, TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid), FInitialCount(ACount) {}
  void Construct() override;
  void Destroy() override;

 private:
  std::vector<TtsRow*> FRows;
  std::vector<Integer> FDisplayNumbers;
  std::vector<Integer> FIds;
  bool FHasDisplayNumbers = false;
  TtsBaseGrid* FGrid;
  Integer FCount = 0;
  Integer FNextId = 0;
  Integer FInitialCount;
};

// The visible display positions 1..Size in ascending order. Until the first position is removed the
// list is not materialised: it keeps no entries and its item i is i.
class TtsVisibleItems : public TtsSortIntList {
  DECLARE_CLASS(TtsVisibleItems, TtsSortIntList)
 public:
  void Assign(TtsSortIntList* Source) override;
  Integer GetItem(Integer Index) override;
  void Add(Integer Value) override;
  Integer Locate(Integer Value, bool& Found) override;
  // The list position of Value, or of the next visible position when Value is hidden.
  Integer Locate(Integer Value) {
    bool found;
    return Locate(Value, found);
  }
  void Remove(Integer Value) override;
  // Remove with the new size as the answer.
  Integer RemoveItem(Integer Value);

  void CheckSize(Integer NewSize, Integer FirstValue);
  void SetSize(Integer NewSize, Integer FirstValue);
  // Keeps the list right when display position From moves to To.
  void MoveItem(Integer From, Integer To);
  Integer GetSize() const { return FSize; }
  bool GetMaterialised() const { return FMaterialised; }

 protected:
  TtsVisibleItems() = default;

 private:
  Integer FSize = 0;
  bool FMaterialised = false;
};

// (column, row) pairs as consecutive integers.
class TtsCoordList : public TtsIntegerList {
  DECLARE_CLASS(TtsCoordList, TtsIntegerList)
 public:
  void AddCoord(Integer Col, Integer Row);
  void RemoveCoord(Integer Col, Integer Row);
  void UpdateCoord(Integer Index, Integer Col, Integer Row);
  // From Index 0 on: the next pair, Index advanced by 2; false (and 0, 0) at the end.
  bool NextCoord(Integer& Index, Integer& Col, Integer& Row);

 protected:
  TtsCoordList() = default;
};

// Selected display positions: a bit per position (position 0 never set) with the count and the
// first and last selected position (-1 when none) cached.
class TtsSelection : public TObject {
  DECLARE_CLASS(TtsSelection, TObject)
 public:
  // Answers whether a bit changed.
  virtual bool Assign(TtsSelection* Source);

  Integer GetSize() const;
  void SetSize(Integer Value);
  bool GetSelected(Integer Index) const;
  void SetSelected(Integer Index, bool Value);
  Integer Next(Integer Index) const;
  Integer Previous(Integer Index) const;
  Integer RangeCount(Integer A, Integer B) const;
  void Reset();

  // Direct access for the grid's range operations, which keep the cached numbers themselves.
  Bits::TBits* GetBits() const { return FBits; }
  Integer First = -1;
  Integer Last = -1;
  Integer Count = 0;

 protected:
  TtsSelection() = default;
  void Construct() override;
  void Destroy() override;

 private:
  Bits::TBits* FBits = nullptr;
};

}  // namespace TSGrid
