// The settings of one drop-down list of a cell, row or column. A combo owns its drop-down grid,
// which carries every setting as its own property; the combo reads and writes them through the
// drop-down grid's overridable combo accessors, so that the data-bound drop-down grid can answer
// for itself.
#pragma once

#include <functional>

#include "Persistent.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;

class TtsCombo : public TPersistent {
  DECLARE_CLASS(TtsCombo, TPersistent)
 public:
  // The drop-down grid takes over the other combo's drop-down grid: settings, columns and data.
  void Assign(TPersistent* Source) override;

  virtual Integer GetDropDownRows();
  virtual Integer GetDropDownCols();
  virtual Integer GetValueCol();
  virtual Integer GetComboDisplayCol();
  virtual bool GetValueColSorted();
  virtual TtsComboCompareType GetCompareType();
  virtual TtsComboAutoSearchType GetAutoSearch();
  virtual bool GetAutoFill();
  virtual TtsConvertCase GetAutoFillConvertCase();
  virtual bool GetAutoLookup();
  virtual TtsDropDownStyle GetDropDownStyle();
  virtual void SetDropDownRows(Integer Value);
  virtual void SetDropDownCols(Integer Value);
  virtual void SetValueCol(Integer Value);
  virtual void SetComboDisplayCol(Integer Value);
  virtual void SetValueColSorted(bool Value);
  virtual void SetCompareType(TtsComboCompareType Value);
  virtual void SetAutoSearch(TtsComboAutoSearchType Value);
  virtual void SetAutoFill(bool Value);
  virtual void SetAutoFillConvertCase(TtsConvertCase Value);
  virtual void SetAutoLookup(bool Value);
  virtual void SetDropDownStyle(TtsDropDownStyle Value);
  // Back to the defaults of a new drop-down grid.
  virtual void Reset();

  // The drop-down grid, and the grid whose cells use the combo.
  TtsBaseGrid* GetGrid() const { return FDropDownGrid; }
  TtsBaseGrid* GetParentGrid() const { return FParentGrid; }

 protected:
  explicit TtsCombo(TtsBaseGrid* AParentGrid = nullptr) : FParentGrid(AParentGrid) {}
  void Construct() override;
  void Destroy() override;

 private:
  TtsBaseGrid* FParentGrid;
  TtsBaseGrid* FDropDownGrid = nullptr;
};

// Defines the streamed "Combo" of a column, row or cell (written while Store holds): the combo's
// drop-down grid as a component. Reading resets the layer's combo, or first makes one by
// AssignCombo, reads into its drop-down grid and clears that grid's component name afterwards.
void DefineComboProperty(Filer::TFiler* Filer, const std::function<TtsCombo*()>& Combo,
                         const std::function<void()>& AssignCombo, bool Store);

}  // namespace TSGrid
