// The press of a mouse button: focusing, hit-testing and starting one mouse action (sizing,
// selecting, moving, a cell or heading button); the cells of the last press and release, the click
// and double-click reports, the cell-button and spin-button events, and the mouse cursor over each
// area of the grid.
#include "Forms.h"
#include "TSGridImpl.h"
#include "TSGridResources.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {
// The area at a data cell's left edge where a press starts a cell range.
constexpr Integer RangeEdgeWidth = 3;
const TtsSpinButtons BothSpinParts{spbIncrement, spbDecrement};
}  // namespace

// ---- The press ---------------------------------------------------------------------------------------------
namespace {
// Whether X lies in the range handle of data cell (C, R): its leftmost pixels, in the modes that
// select cell ranges.
bool OnRangeEdge(TtsBaseGrid* Grid, Integer X, Integer C, Integer R) {
  if (C <= 0 || R <= 0 || Grid->GetCellSelectMode() != cmRange) return false;
  TtsGridMode mode = Grid->GetGridMode();
  if (mode != gmEdit && mode != gmEditInsert && mode != gmBrowse) return false;
  TRect cell;
  Grid->CellRect(C, R, cell);
  return X >= cell.left && X < cell.left + RangeEdgeWidth;
}

TShiftState Modifiers(TShiftState Shift) { return Shift * TShiftState{ssShift, ssAlt, ssCtrl}; }
}  // namespace

bool TtsBaseGrid::MDSizing(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  TtsMouseStatus status = GetSizingState(X, Y, DisplayRow, DisplayCol);
  if (!SizesRows(status) && !SizesCols(status)) return false;
  SetMouseStatus(status);
  return true;
}

void TtsBaseGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FPlatformDblClickDue = false;
  Integer C = -1, R = -1;
  if (GetInDesignMode()) {
    CellFromXY(X, Y, C, R);
    if (Button == mbLeft && MDSizing(X, Y, C, R)) {
      MouseDownResize();
      return;
    }
    inherited::MouseDown(Button, Shift, X, Y);
    return;
  }
  // The window layer reports a double click itself after this press; the press below reports it.
  FPlatformDblClickDue = Button == mbLeft && Shift.Contains(ssDouble);
  bool timerWasOn = false, focusFailed = false;
  FDoubleClickHandled = false;
  FPassClickToControl = false;
  FInMouseDown = true;
  if (Button != mbMiddle) {
    FPressedHeadingCol = -1;
    FPressedHeadingIsButton = false;
    FPressedHeadingDown = false;
    bool controlFocused = FActiveControl && FActiveControl->Focused();
    if (CanSetFocus() && !controlFocused && !Focused()) SetGridFocus();
    focusFailed = !IsFocused();
    if (!(focusFailed && FCheckMouseFocus)) {
      timerWasOn = StopTimer(FButtonTimer);
      CellFromXY(X, Y, C, R);
      if (Button == mbRight) {
        RightMouseDown(Shift, X, Y, C, R);
      } else {
        if (!LeftMouseDown(Shift, X, Y, C, R)) return;
        HeadingMouseDown(Button);
      }
    }
  }
  bool restart = timerWasOn && !GetMouseCapture();
  if (Button == mbMiddle || focusFailed) restart = StopTimer(FButtonTimer);
  if (FPassClickToControl) {
    FInMouseDown = false;
    bool captured = GetMouseCapture();
    SetMouseCapture(false);
    if (!GetPressPending()) {
      TPoint at = GetMouseDownPoint();
      SetPendingPress(at.x, at.y, false);
    }
    MouseMessageToControl(captured && Focused());
  } else if (OnMouseDown) {
    OnMouseDown(this, Button, Shift, X, Y);
  }
  if (restart) StartButtonTimer();
}

// A right press moves the current cell to an unselected cell under it; the row bar and the heading
// stand for the current column and row.
void TtsBaseGrid::RightMouseDown(TShiftState Shift, Integer X, Integer Y, Integer C, Integer R) {
  bool onCurrent = C == FCurDisplayCol && R == FCurDisplayRow;
  // A drop-down always belongs to the current cell.
  if (!onCurrent) CheckDropDownOff(false);
  if (C < 0 || R < 0 || onCurrent || IsCellSelected(C, R)) return;
  if (C > 0 && R > 0)
    MDSelectNone(Shift, X, Y, C, R);
  else if (C == 0 && R > 0)
    MDSelectNone(Shift, X, Y, FCurDisplayCol, R);
  else if (R == 0 && C > 0)
    MDSelectNone(Shift, X, Y, C, FCurDisplayRow);
}

bool TtsBaseGrid::LeftMouseDown(TShiftState Shift, Integer X, Integer Y, Integer C, Integer R) {
  bool sizing = MDSizing(X, Y, C, R);
  SetMouseDownColRow(C, R);
  if (Shift.Contains(ssDouble) && !DrawButtonDown(X, Y, C, R) && !(!sizing && CanClickHeading(X, Y, C))) {
    if (sizing) {
      MouseDownResize();
      FResizeByDoubleClick = true;
    } else if (FActiveControl && FControlShown && FActiveControl->GetVisible() && C == FCurDisplayCol &&
               R == FCurDisplayRow) {
      // The second press goes to the editor, which pairs it with its first into its double click.
      SetPendingPress(X, Y, true);
      MouseMessageToControl(false);
      FDoubleClickHandled = true;
    } else {
      DblClick();
      DblClickCell(GetDataCol(C), GetDataRow(R));
      FDoubleClickHandled = !DblClickSelectNone(Shift, X, Y, C, R);
    }
    return true;
  }
  ResetButtonDown();
  if (sizing) {
    CheckDropDownOff(false);
    MouseDownResize();
    return true;
  }
  if (C < 0 || R < 0) {
    CheckDropDownOff(false);
    return true;
  }
  TShiftState keys = Modifiers(Shift);
  if (InDragArea(C, R) && !keys.Contains(ssShift) && !keys.Contains(ssCtrl)) {
    CheckDropDownOff(false);
    DoCanStartDrag();
    if (Dragging()) return false;
  }
  try {
    bool dataCell = C > 0 && R > 0;
    if (!dataCell || C != FCurDisplayCol || R != FCurDisplayRow) CheckDropDownOff(false);
    bool extendsRange =
        FGridStatus == grCellSelect && (keys == TShiftState{ssShift} || keys == TShiftState{ssShift, ssCtrl});
    if (OnRangeEdge(this, X, C, R) || (dataCell && extendsRange)) {
      MDRangeSelecting(Shift, X, Y, C, R);
    } else if (C == 0 && R > 0) {
      MDRowSelect(Shift, X, Y, C, R);
    } else if (R == 0 && C > 0) {
      if (!CanClickHeading(X, Y, C) || !keys.Empty()) {
        if (FMouseStatus != msHeadingDown) MDColSelect(Shift, X, Y, C, R);
      } else {
        FPressedHeadingCol = GetDataCol(C);
      }
    } else if (C == 0 && R == 0) {
      MDSelectAll(true);
    } else if (DrawButtonDown(X, Y, C, R)) {
      MDButtonDown(Shift, X, Y, C, R);
    } else {
      MDSelectNone(Shift, X, Y, C, R);
    }
  } catch (...) {
    EndUncapturedPress();
    throw;
  }
  EndUncapturedPress();
  CheckRowSelection(false);
  GridStatusChanged();
  return true;
}

// A press that did not keep the mouse (nothing to drag, no drop-down, no heading held) ends at once.
void TtsBaseGrid::EndUncapturedPress() {
  if (!GetMouseCapture() && !DropDownVisible() && FPressedHeadingCol == -1) SetMouseStatus(msNormal);
}

void TtsBaseGrid::HeadingMouseDown(TMouseButton Button) {
  if (FPressedHeadingCol == -1 || FMouseStatus == msHeadingDown) return;
  SetMouseStatus(msHeadingDown);
  Integer heading = GetDisplayCol(FPressedHeadingCol);
  FPressedHeadingIsButton = ButtonInColHeading(heading);
  FPressedHeadingDown = true;
  InvalidateCell(heading, 0);
  auto releaseLook = [&] {
    if (GetMouseCapture()) return;
    FPressedHeadingDown = FPressedHeadingIsButton = false;
    InvalidateCell(heading, 0);
  };
  try {
    DoHeadingDown(FPressedHeadingCol, Button);
  } catch (...) {
    releaseLook();
    throw;
  }
  releaseLook();
}

void TtsBaseGrid::Click() {
  if (OnClick) OnClick(this);
}

void TtsBaseGrid::DblClick() {
  if (FPlatformDblClickDue) {
    FPlatformDblClickDue = false;
    return;
  }
  if (OnDblClick) OnDblClick(this);
}

// ---- A press on a cell button -------------------------------------------------------------------------------
void TtsBaseGrid::MDButtonDown(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Integer C = DisplayCol, R = DisplayRow;
  if (!CanMoveToPos(C, R)) return;
  if (FGridMode == gmListBox) {
    if (FRowSelectMode != rsNone) {
      MDRowSelect(Shift, X, Y, C, R);
    } else if (CanSelect(-1, R) && CheckEndEdit(GetDataCol(C), GetDataRow(R), true)) {
      SelectNone(C, R, -1, tsDefault);
      DrawCurrentFocusRect(false);
    }
    CheckRowColChanged();
    SelectionsChanged(true);
    return;
  }
  if (CellIsReadOnly(GetDataCol(C), GetDataRow(R)) && !CanSelect(-1, R)) return;
  if (!CheckEndEdit(GetDataCol(C), GetDataRow(R), true)) return;
  // Ending the edit may have changed the rows.
  bool onRow = true;
  Integer row = RowFromY(Y);
  if (row < 1) {
    onRow = false;
    R = FCurDisplayRow;
  } else {
    R = row;
  }
  if (FCols->GetItem(GetDataCol(C))->GetReadOnly() && CellIsReadOnly(GetDataCol(C), GetDataRow(R))) C = FCurDisplayCol;
  bool needUpdate = false;
  if (FGridStatus != grNormal || C != FCurDisplayCol || R != FCurDisplayRow)
    needUpdate = CheckHideControl(true) || DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true);
  if (IsCellSelected(C, R)) InvertButtonArea(C, R);
  SelectNone(C, R, -1, tsDefault);
  if (needUpdate) UpdateGrid(true);
  SetControlSelectMode(tsAll);
  if (needUpdate || !FControlShown) ShowGridControl();
  DrawCurrentFocusRect(false);
  FPassClickToControl = false;
  FButtonPressPending = false;
  FPressSpin = spbNone;
  FFirstSpinRepeat = true;
  FSpinRepeatCount = 0;
  if (onRow && C == FCurDisplayCol && R == FCurDisplayRow) PressCellButton(X, Y, C, R);
  CheckRowColChanged();
  SelectionsChanged(true);
}

// The button of a selected cell shows inverted until the selection is gone.
void TtsBaseGrid::InvertButtonArea(Integer C, Integer R) {
  TtsCustomButton* button = GridCellButton(GetDataCol(C), btCombo);
  if (!button || !HandleAllocated()) return;
  TRect cell;
  CellRect(C, R, cell);
  Integer left = std::max<Integer>(cell.left + 3, cell.right - button->FullWidth());
  Integer bottom = std::min<Integer>(cell.bottom, cell.top + button->FullHeight());
  HDC dc = GetDC(GetHandle());
  PatBlt(dc, left, cell.top, cell.right - left, bottom - cell.top, DSTINVERT);
  ReleaseDC(GetHandle(), dc);
}

void TtsBaseGrid::PressCellButton(Integer X, Integer Y, Integer C, Integer R) {
  SetMouseStatus(msButtonDown);
  if (MouseOverButton(X, Y, C, R)) {
    TtsSpinButton part = GetSpinButtonXY(X, Y, C, R);
    DoDrawButton(C, R, BothSpinParts, part, Graphics::clBtnFace, bmDown);
    SetButtonDown(C, R, part);
    FButtonPressPending = true;
    FPressSpin = part;
  }
  Integer dataCol = GetDataCol(C), dataRow = GetDataRow(R);
  TtsDropDownStyle style;
  TtsButtonType type = GiveCellButton(dataCol, dataRow, style);
  try {
    if (type == btCombo && CanDropDown(dataCol, dataRow, {btCombo})) {
      ComboButtonDown(dataCol, dataRow);
    } else if (type == btDateTimeDropDown) {
      DateTimeButtonDown(dataCol, dataRow);
    } else if (type == btDateTimePopup) {
      ButtonDown(dataCol, dataRow);
    } else {
      CheckDropDownOff(false);
      if (type == btNormal) {
        ButtonDown(dataCol, dataRow);
      } else if (IsSpinButton(type)) {
        SpinButtonDown(dataCol, dataRow, FPressSpin);
        ++FSpinRepeatCount;
        SpinRepeat(dataCol, dataRow, FPressSpin, FSpinRepeatCount);
        if (GiveCellSpinOptions(dataCol, dataRow).Contains(spoAutoRepeat)) StartSpinTimer(FFirstSpinRepeat);
      }
      if (!GetMouseCapture()) {
        ResetButtonDown();
        InvalidateCell(C, R);
      }
    }
  } catch (...) {
    ResetButtonDown();
    InvalidateCell(C, R);
    throw;
  }
}

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
