// Loading and painting the data-bound grid's cells. A cell's value is its column's field in the record
// buffered at its row, read while that record is the data link's active record (so the application's
// handlers read the painted record from the dataset too); OnRowLoaded fires once for each record a
// paint reaches, and OnPaintCell names the record by its bookmark.
#include "TSDBGridColumns.h"
#include "TSDBGridDisplayImpl.h"

namespace TSDBGrid {

Integer TtsCustomDBGrid::MaxDisplayRows() {
  if (!HandleAllocated()) return 0;
  return DisplayRowsOf(GetClientHeight(), GetFixedHeight(), GetDefaultRowHeight(), GetHorzLineWidth(),
                       GetUseStandardScrolling());
}

void TtsCustomDBGrid::Paint() {
  FPaintRowValid = true;
  FPaintRowBookmark.clear();
  FPaintBufferRow = -1;
  inherited::Paint();
}

void TtsCustomDBGrid::CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) {
  if (!FDataBound) {
    DBCellLoaded(DataCol, Variant(DataRow), DataRow, true, ControlType, Value);
    return;
  }
  if (!FDataActive) return;
  TtsActiveRecordKeeper keep(FGridData);
  FGridData->SetActiveRecord(DataRow);
  if (TtsDBCol* column = GetGridDBCols()->GetDBCol(Variant(DataCol)))
    GetFieldValue(column, DataRow, Value, ControlType, true);
  DBCellLoaded(DataCol, Variant(FGridData->GetBookmark(DataRow)), DataRow, true, ControlType, Value);
}

bool TtsCustomDBGrid::IsSameRow(Integer Row1, Integer Row2, bool ByRowNumber, const String& Bookmark1,
                                const String& Bookmark2) {
  if (ByRowNumber) return Row1 == Row2;
  return FGridData->CompareBkm(Bookmark2, Bookmark1) == 0;
}

void TtsCustomDBGrid::DBCellLoaded(Integer DataCol, const Variant& DataRow, Integer Row, bool ByRowNumber,
                                   TtsControlType ControlType, Variant& Value) {
  if (FPaintRowValid || !IsSameRow(Row, FPaintBufferRow, ByRowNumber, FPaintRowBookmark, DataRow.ToString())) {
    FPaintRowBookmark = DataRow.ToString();
    FPaintBufferRow = Row;
    FPaintRowValid = false;
    DoRowLoaded(DataRow);
  }
  RunCellLoaded(ControlType, Value, [&] {
    DoCellLoaded(DataCol, DataRow, Value);
    // A drop-down list grid lets its owning grid see every value it loads.
    if (FIsComboGrid)
      if (auto* owner = dynamic_cast<TtsCustomDBGrid*>(GetParentGrid()))
        owner->DoComboCellLoaded(DataCol, DataRow, Value);
  });
}

bool TtsCustomDBGrid::PaintCell(TtsDrawData& DrawData, const TRect&, bool DrawButton) {
  bool cancel = false;
  if (FDataBound && !FDataActive) return false;
  if (DrawData.DisplayCol < 1 || DrawData.DisplayRow < 0) return false;
  TtsPaintCellState state;
  GetPaintCellPars(DrawData.DisplayCol, DrawData.DisplayRow, state);
  const TRect& cell = DrawData.CellRect;
  if (cell.right > cell.left) {
    TCanvas* canvas = GetCanvas();
    TColor brush = canvas->GetBrush()->GetColor();
    bool heading = DrawData.DisplayRow == 0;
    canvas->GetBrush()->SetColor(heading ? GetHeadingColor() : GetColor());
    canvas->SetFont(heading ? GetHeadingFont() : GetFont());
    try {
      if (FDataBound && DrawData.DataRow > 0) {
        TtsActiveRecordKeeper keep(FGridData);
        FGridData->SetActiveRecord(DrawData.DataRow);
        DoPaintCell(DrawData.DataCol, Variant(FGridData->GetBookmark(DrawData.DataRow)), cell, state, cancel);
      } else {
        DoPaintCell(DrawData.DataCol, Variant(DrawData.DataRow), cell, state, cancel);
      }
    } catch (...) {
      if (canvas->GetBrush()->GetColor() != brush) canvas->GetBrush()->SetColor(brush);
      throw;
    }
    if (canvas->GetBrush()->GetColor() != brush) canvas->GetBrush()->SetColor(brush);
  }
  if (cancel && DrawData.HasButton) {
    UpdateDrawData(DrawData, false);
    DrawButtonInCell(DrawData, DrawButton);
  }
  return cancel;
}

}  // namespace TSDBGrid
