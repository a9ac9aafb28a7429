// A data-bound grid for the field and column tests: its edit hooks let every edit start and its
// position notices are taken silently, whatever the grid's events say, so that the tests see the
// field side alone.
#pragma once

#include "TSDBGrid.h"

namespace DBGridTest {

class TFieldTestGrid : public TtsDBGrid {
 public:
  using TtsDBGrid::TtsDBGrid;
  void DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override { Cancel = false; }
  void DoStartRowEdit(const Variant& DataRow, bool& Cancel) override { Cancel = false; }
  void TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) override {}
  void DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) override {}
  void DoRowChanged(const Variant& OldRow, const Variant& NewRow) override {}
  void DoRowLoaded(const Variant& DataRow) override {}
  void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) override {}
};

// Puts a TFieldTestGrid in the place of the fixture's grid.
inline TtsDBGrid* ReplaceWithFieldTestGrid(TtsDBGrid* Grid, TForm* Form) {
  Grid->Free();
  TtsDBGrid* grid = New<TFieldTestGrid>(Form);
  grid->SetParent(Form);
  grid->SetBounds(0, 0, 433, 413);
  return grid;
}

}  // namespace DBGridTest
