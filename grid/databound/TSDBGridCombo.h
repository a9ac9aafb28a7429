// The data-bound combo: its settings holder TtsDBCombo and its drop-down list TtsDBComboGrid, a
// data-bound grid of its own whose rows are the records of any data source (or, for a lookup
// column, of the lookup field's dataset).
#pragma once

#include "TSDBGridBase.h"
#include "TSGridCombo.h"

namespace TSDBGrid {

using TSGrid::TtsCombo;

class TtsDBComboGrid : public TtsCustomDBGrid {
  DECLARE_CLASS(TtsDBComboGrid, TtsCustomDBGrid)
 public:
  // AOwner is the parent grid's drop-down form; the form's owner becomes the parent grid.
  explicit TtsDBComboGrid(TComponent* AOwner = nullptr) : TtsCustomDBGrid(AOwner) {}

  Integer GetDropDownRows() override { return FDropDownRows; }
  void SetDropDownRows(Integer Value) override;
  Integer GetDropDownCols() override { return FDropDownCols; }
  void SetDropDownCols(Integer Value) override;
  TtsDropDownStyle GetDropDownStyle() override { return FDropDownStyle; }
  // The parent grid's editor shows the new style at once.
  void SetDropDownStyle(TtsDropDownStyle Value) override;
  Integer GetValueCol() override { return FValueCol; }
  void SetValueCol(Integer Value) override { FValueCol = Value; }
  bool GetValueColSorted() override { return FValueColSorted; }
  void SetValueColSorted(bool Value) override { FValueColSorted = Value; }
  TtsComboCompareType GetCompareType() override { return FCompareType; }
  void SetCompareType(TtsComboCompareType Value) override { FCompareType = Value; }
  TtsComboAutoSearchType GetAutoSearch() override { return FAutoSearch; }
  void SetAutoSearch(TtsComboAutoSearchType Value) override { FAutoSearch = Value; }
  bool GetAutoFill() override { return FAutoFill; }
  // Completing typed text needs a search: switching it on also searches from the top.
  void SetAutoFill(bool Value) override;
  TtsConvertCase GetAutoFillConvertCase() const { return FAutoFillConvertCase; }
  void SetAutoFillConvertCase(TtsConvertCase Value) { FAutoFillConvertCase = Value; }
  bool GetAutoLookup() override { return FAutoLookup; }
  // On: the list gives up its own data and data source, to be bound to a lookup field's dataset.
  // Off: an automatic lookup binding is dropped.
  void SetAutoLookup(bool Value) override;
  TtsBaseGrid* GetParentGrid() override { return FParentGrid; }
  void SetParentGrid(TtsBaseGrid* Value) override { FParentGrid = Value; }
  TtsCombo* GetParentGridCombo() override { return FParentGridCombo; }
  void SetParentGridCombo(TtsCombo* Value) override { FParentGridCombo = Value; }
  TtsDBComboGrid* GetGrid() const { return FGrid; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TtsDBComboGrid* FGrid = nullptr;
  TtsBaseGrid* FParentGrid = nullptr;
  TtsCombo* FParentGridCombo = nullptr;
  Integer FDropDownRows = 4;
  Integer FDropDownCols = 1;
  TtsDropDownStyle FDropDownStyle = ddDropDown;
  Integer FValueCol = 1;
  bool FValueColSorted = false;
  TtsComboCompareType FCompareType = ctCaseInsensitive;
  TtsComboAutoSearchType FAutoSearch = asNone;
  bool FAutoFill = false;
  TtsConvertCase FAutoFillConvertCase = afcOnEdit;
  bool FAutoLookup = true;
};

// Every setting is the list's; the base combo reaches most of them through the list's overridable
// accessors, the case conversion only through this class.
class TtsDBCombo : public TtsCombo {
  DECLARE_CLASS(TtsDBCombo, TtsCombo)
 public:
  TtsConvertCase GetAutoFillConvertCase() override;
  void SetAutoFillConvertCase(TtsConvertCase Value) override;
  TtsDBComboGrid* GetDBGrid() const;

 protected:
  explicit TtsDBCombo(TtsBaseGrid* AParentGrid = nullptr) : TtsCombo(AParentGrid) {}
};

}  // namespace TSDBGrid
