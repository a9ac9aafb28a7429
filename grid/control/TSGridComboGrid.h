// The drop-down list of a combo: a grid of its own that keeps the combo's settings as its published
// properties and holds the list rows. It lives on the drop-down form of the grid whose cells use it.
#pragma once

#include "TSGridCustom.h"

namespace TSGrid {

class TtsComboGrid : public TtsCustomGrid {
  DECLARE_CLASS(TtsComboGrid, TtsCustomGrid)
 public:
  // AOwner is the drop-down form; the grid that owns the form becomes the parent grid.
  explicit TtsComboGrid(TComponent* AOwner = nullptr) : TtsCustomGrid(AOwner) {}

  Integer GetDropDownRows() override { return FDropDownRows; }
  void SetDropDownRows(Integer Value) override;
  Integer GetDropDownCols() override { return FDropDownCols; }
  void SetDropDownCols(Integer Value) override;
  // A drop-down list never looks values up in a dataset of its own.
  bool GetAutoLookup() override { return false; }
  void SetAutoLookup(bool) override {}
  TtsBaseGrid* GetParentGrid() override { return FParentGrid; }
  void SetParentGrid(TtsBaseGrid* Value) override { FParentGrid = Value; }
  Integer GetValueCol() override { return FValueCol; }
  void SetValueCol(Integer Value) override { FValueCol = Value; }
  void SetDisplayCol(Integer Value) override { FComboDisplayCol = Value; }
  bool GetValueColSorted() override { return FValueColSorted; }
  void SetValueColSorted(bool Value) override { FValueColSorted = Value; }
  TtsComboCompareType GetCompareType() override { return FCompareType; }
  void SetCompareType(TtsComboCompareType Value) override { FCompareType = Value; }
  TtsComboAutoSearchType GetAutoSearch() override { return FAutoSearch; }
  void SetAutoSearch(TtsComboAutoSearchType Value) override { FAutoSearch = Value; }
  bool GetAutoFill() override { return FAutoFill; }
  // Completing typed text needs a search: switching it on also searches from the top.
  void SetAutoFill(bool Value) override;
  TtsDropDownStyle GetDropDownStyle() override { return FDropDownStyle; }
  // The parent grid's editor shows the new style at once.
  void SetDropDownStyle(TtsDropDownStyle Value) override;
  TtsCombo* GetParentGridCombo() override { return FParentGridCombo; }
  void SetParentGridCombo(TtsCombo* Value) override { FParentGridCombo = Value; }

  Integer GetComboDisplayCol() const { return FComboDisplayCol; }
  void SetComboDisplayCol(Integer Value) { FComboDisplayCol = Value; }
  TtsConvertCase GetAutoFillConvertCase() const { return FAutoFillConvertCase; }
  void SetAutoFillConvertCase(TtsConvertCase Value) { FAutoFillConvertCase = Value; }
  TtsComboGrid* GetGrid() const { return FGrid; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TtsComboGrid* FGrid = nullptr;
  TtsBaseGrid* FParentGrid = nullptr;
  TtsCombo* FParentGridCombo = nullptr;
  Integer FDropDownRows = 4;
  Integer FDropDownCols = 1;
  TtsDropDownStyle FDropDownStyle = ddDropDown;
  Integer FValueCol = 1;
  Integer FComboDisplayCol = 1;
  bool FValueColSorted = false;
  TtsComboCompareType FCompareType = ctCaseInsensitive;
  TtsComboAutoSearchType FAutoSearch = asNone;
  bool FAutoFill = false;
  TtsConvertCase FAutoFillConvertCase = afcOnEdit;
};

}  // namespace TSGrid
