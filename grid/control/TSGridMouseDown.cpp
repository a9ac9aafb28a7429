// The cells of the last press and release, the click and double-click reports, the cell-button and
// spin-button events, and the mouse cursor over each area of the grid.
#include "Forms.h"
#include "TSGridImpl.h"
#include "TSGridResources.h"
#include "WinUserDraw.h"

namespace TSGrid {

// ---- Press and release cells, clicks ------------------------------------------------------------------
void TtsBaseGrid::SetMouseDownColRow(Integer DisplayCol, Integer DisplayRow) {
  FMouseDownDisplayCol = DisplayCol;
  FMouseDownDisplayRow = DisplayRow;
}

void TtsBaseGrid::SetMouseUpColRow(Integer DisplayCol, Integer DisplayRow) {
  FMouseUpDisplayCol = DisplayCol;
  FMouseUpDisplayRow = DisplayRow;
}

TtsClickPosition TtsBaseGrid::ClickPos(Integer Col, Integer Row) {
  if (Col < 0 || Row < 0) return cpNone;
  if (Col == 0 && Row == 0) return cpUpperLeft;
  if (Col == 0) return cpRowBar;
  if (Row == 0) return cpHeading;
  return cpCell;
}

bool TtsBaseGrid::CheckClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                                 const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  return DoClickCell(DataColDown, DataRowDown, DataColUp, DataRowUp, DownPos, UpPos);
}

void TtsBaseGrid::ClickCell(Integer DataColDown, Integer DataRowDown, Integer DataColUp, Integer DataRowUp) {
  bool handled = CheckClickCell(DataColDown, Variant(DataRowDown), DataColUp, Variant(DataRowUp),
                                ClickPos(DataColDown, DataRowDown), ClickPos(DataColUp, DataRowUp));
  if (handled || !FIsComboGrid || GetInDesignMode()) return;
  // The drop-down list hands the click to the grid it belongs to, which takes the chosen row.
  if (TtsBaseGrid* owner = GetParentGrid()) owner->ComboClickCell(this, DataColDown, DataColUp, DataRowUp, DataRowDown);
}

void TtsBaseGrid::DblClickCell(Integer DataCol, Integer DataRow) {
  DoDblClickCell(DataCol, Variant(DataRow), ClickPos(DataCol, DataRow));
}

// ---- Cell buttons and spin buttons ----------------------------------------------------------------------
void TtsBaseGrid::ButtonClick(Integer DataCol, Integer DataRow) { DoButtonClick(DataCol, Variant(DataRow)); }
void TtsBaseGrid::ButtonDown(Integer DataCol, Integer DataRow) { DoButtonDown(DataCol, Variant(DataRow)); }
void TtsBaseGrid::ButtonUp(Integer DataCol, Integer DataRow) { DoButtonUp(DataCol, Variant(DataRow)); }

void TtsBaseGrid::SpinButtonClick(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  DoSpinButtonClick(DataCol, Variant(DataRow), Button);
}

void TtsBaseGrid::SpinButtonDown(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  DoSpinButtonDown(DataCol, Variant(DataRow), Button);
}

void TtsBaseGrid::SpinButtonUp(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  DoSpinButtonUp(DataCol, Variant(DataRow), Button);
}

void TtsBaseGrid::SpinRepeat(Integer DataCol, Integer DataRow, TtsSpinButton Button, Integer Count) {
  DoSpinRepeat(DataCol, Variant(DataRow), Count, Button);
  CheckSpinIncrement(DataCol, DataRow, Button);
}

// ---- Dragging the selection -------------------------------------------------------------------------------
bool TtsBaseGrid::InDragArea(Integer DisplayCol, Integer DisplayRow) {
  if (!IsCellSelected(DisplayCol, DisplayRow)) return false;
  // A selected heading or row-bar cell that can move its columns or rows starts a move instead.
  if (DisplayRow == 0 && FColSelectMode == csMulti && FColMoving && FColSelection->First >= GetFixedCols())
    return false;
  if (DisplayCol == 0 && GetRowMoving() && FRowSelection->First >= GetFixedRows()) return false;
  return true;
}

// ---- The mouse cursor ------------------------------------------------------------------------------------
namespace {
// The area at a data cell's left edge where a press starts a cell range.
constexpr Integer RangeEdgeWidth = 3;
}  // namespace

HCURSOR TtsBaseGrid::ShapeCursor(Integer X, Integer Y, Integer DisplayRow, Integer DisplayCol) {
  Integer C = DisplayCol, R = DisplayRow;
  // The sizing cursors show the direction the line moves: a column edge moves across.
  if (SizesCols(FMouseStatus)) return Screen->GetCursors(crHSplit);
  if (SizesRows(FMouseStatus)) return Screen->GetCursors(crVSplit);
  if (FMouseStatus == msButtonDown) return nullptr;
  if (X > GetClientWidth() || Y > GetClientHeight()) return Screen->GetCursors(crDefault);
  TtsMouseStatus sizing = GetSizingState(X, Y, R, C);
  if (SizesCols(sizing)) return Screen->GetCursors(crHSplit);
  if (SizesRows(sizing)) return Screen->GetCursors(crVSplit);
  if (InDragArea(C, R) && FSelectedAreaCursor != 0) return Screen->GetCursors(FSelectedAreaCursor);

  TRect last;
  CellRect(GetColCount() - 1, 0, last);
  if (!IsRectEmpty(&last) && X > last.right + GetVertLineWidth() - 1) return Screen->GetCursors(GetCursor());
  CellRect(0, GetRowCount() - 1, last);
  if (!IsRectEmpty(&last) && Y > last.bottom + GetHorzLineWidth() - 1) return Screen->GetCursors(GetCursor());

  if (C > 0 && R > 0) {
    TRect cell;
    CellRect(C, R, cell);
    bool rangeMode = (FGridMode == gmEdit || FGridMode == gmEditInsert || FGridMode == gmBrowse) &&
                     GetCellSelectMode() == cmRange;
    if (rangeMode && X >= cell.left && X < cell.left + RangeEdgeWidth && CanSelect(C, R) && !IsAppendRow(R))
      return ArrowRevCursor;
    Integer dataCol = GetDataCol(C), dataRow = GetDataRow(R);
    if ((FGridMode == gmEdit || FGridMode == gmEditInsert) && !CellIsReadOnly(dataCol, dataRow)) {
      TtsDropDownStyle style = ddDropDown;
      TtsButtonType button = GiveCellButton(dataCol, dataRow, style);
      bool listOnly = (button == btCombo || button == btDateTimeDropDown || button == btDateTimePopup) &&
                      style == ddDropDownList;
      if (!listOnly) {
        TtsControlType type = GiveCellControlType(dataCol, dataRow);
        if (type == ctText && FAlwaysShowEditor && !MouseOverButton(X, Y, C, R)) return Screen->GetCursors(crIBeam);
        if (type == ctText || type == ctCheck) return Screen->GetCursors(GetCursor());
        return nullptr;
      }
    }
  } else if (R == 0 && C > 0) {
    bool moves = FColSelection->Count > 0 && FColSelection->GetSelected(C) && FColMoving && !FixedColsSelected();
    if (FColSelectMode == csMulti && !moves && CanSelect(C, -1) && !MouseOverHeadingButton(X, Y, C) &&
        !IsColHeadingButton(C))
      return VertArrowDownCursor;
  } else if (C == 0 && R > 0) {
    bool moves = FRowSelection->GetSelected(R) && FGridStatus == grRowSelect && GetRowMoving() && !FixedRowsSelected();
    if ((FRowSelectMode == rsSingle || FRowSelectMode == rsMulti) && !moves && CanSelect(-1, R) && !IsAppendRow(R))
      return HorzArrowRightCursor;
  }
  return Screen->GetCursors(GetCursor());
}

}  // namespace TSGrid
