// TtsDBCurrentCell: the data-bound grid's current cell. It names its row by the record (DataRow),
// reads and writes its value through the dataset, and moves to the insertion row by appending a
// record. While the grid is not bound it is the plain grid's current cell.
#pragma once

#include "TSDBGridTypes.h"
#include "TSGridCells.h"

namespace TSDBGrid {

class TtsDBCurrentCell : public TtsCurrentCell {
  DECLARE_CLASS(TtsDBCurrentCell, TtsCurrentCell)
 public:
  void FetchCellValue() override;
  Integer GetTextHeight() override;
  Integer GetTextLines() override;
  // A current record scrolled out of view has no in-place control: the value goes into its field.
  bool SetEditValue(const Variant& Value, bool ByUser, bool Redraw) override;
  void MoveToInsertRow(Integer DataCol) override;
  void PutInView() override;

  // Moves to the data column of the record; nothing for another kind of DataRow.
  void MoveTo(Integer DataCol, const Variant& DataRow);
  Integer GetTextWidth();
  // The current record's DataRow (its bookmark) while bound, else the current row number.
  Variant GetDBDataRow();
  TtsCustomDBGrid* GetGrid() const;

 protected:
  friend class TtsCustomDBGrid;
  explicit TtsDBCurrentCell(TtsBaseGrid* AGrid = nullptr) : TtsCurrentCell(AGrid) {}
};

}  // namespace TSDBGrid
