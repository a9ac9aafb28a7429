#include "SelectionRecorder.h"

#include "Strings.h"

namespace GridControlTest {

IMPLEMENT_CLASS(TInversionRecorder)

void TInversionRecorder::InvertRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2, const TRect&,
                                     bool Selected, HDC) {
  if (!HandleAllocated()) return;
  for (Integer row = std::max(Row1, 0); row <= std::min(Row2, MaxCells - 1); ++row)
    for (Integer col = std::max(Col1, 0); col <= std::min(Col2, MaxCells - 1); ++col) {
      bool dataCell = col > 0 && row > 0;
      bool& shown = Shown[col][row];
      shown = SelectionColorEnabled() && dataCell ? Selected : !shown;
      Touched.push_back(TGridCoord{col, row});
    }
}

void TInversionRecorder::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  // A paint draws a cell plain and inverts it afterwards when selected; only data cells shown in
  // the selection colour are drawn selected at once.
  bool fixed = ACol < GetFixedCols() || ARow < GetFixedRows();
  if (ACol < MaxCells && ARow < MaxCells) Shown[ACol][ARow] = SelectionColorEnabled() && !fixed && IsCellSelected(ACol, ARow);
  inherited::DrawCell(ACol, ARow, ARect, AState);
}

String TInversionRecorder::Mismatch() {
  for (Integer row = 0; row < GetRowCount(); ++row)
    for (Integer col = 0; col < GetColCount(); ++col)
      if (Shown[col][row] != IsCellSelected(col, row))
        return IntToStr(col) + "," + IntToStr(row) + (Shown[col][row] ? " shown" : " hidden");
  return "";
}

void PressAt(TtsBaseGrid* Grid, char Area, Integer Col, Integer Row, TShiftState Shift) {
  if (Area == 'r') Col = 0;
  if (Area == 'h') Row = 0;
  TRect cell;
  Grid->CellRect(Col, Row, cell);
  Integer x = Area == 'e' ? cell.left + 1 : (cell.left + cell.right) / 2, y = (cell.top + cell.bottom) / 2;
  switch (Area) {
    case 'r': Grid->MDRowSelect(Shift, x, y, Col, Row); break;
    case 'h': Grid->MDColSelect(Shift, x, y, Col, Row); break;
    case 'e': Grid->MDRangeSelecting(Shift, x, y, Col, Row); break;
    default: Grid->MDSelectNone(Shift, x, y, Col, Row); break;
  }
}

}  // namespace GridControlTest
