// Moving the mouse while an action is under way: the row, column or cell-range selection follows the
// pointer, the sizing line and the insertion bar of a move follow it, a pressed cell button or
// heading shows pressed while the pointer is over it; with no button held, cell buttons are drawn
// hot under the pointer. Outside the data area the automatic scrolling takes over (TSGridAutoScroll).
#include "TSGridCombo.h"
#include "TSGridImpl.h"
#include "WinCursor.h"

namespace TSGrid {

namespace {
const TtsSpinButtons BothSpinParts{spbIncrement, spbDecrement};

// The moving end L of a row or column selection whose fixed end is the current position: the
// positions toggled (stored state) and shown (Shown true: as stored; false: the opposite) as the
// moving end goes from L to T. Toggle and Show take (from, to) and walk in that order.
template <class Toggle, class Show>
void MultiLarger(Integer L, Integer T, Integer Cur, Toggle toggle, Show show) {
  if (L < T && L >= Cur) {
    toggle(L + 1, T);
    show(L + 1, T, true);
  } else if (L < T) {
    show(L, Cur - 1, false);
    toggle(L, Cur - 1);
    toggle(Cur + 1, T);
    show(Cur + 1, T, true);
  } else if (T < L) {
    show(L, T + 1, false);
    toggle(T + 1, L);
  }
}

template <class Toggle, class Show>
void MultiSmaller(Integer L, Integer T, Integer Cur, bool FirstBeforeCur, Toggle toggle, Show show) {
  if (T < L && Cur >= L) {
    toggle(L - 1, T);
    show(L - 1, T, true);
  } else if (T < L) {
    show(L, Cur + 1, false);
    toggle(L, Cur + 1);
    if (FirstBeforeCur) {
      toggle(Cur - 1, T);
      show(Cur - 1, T, true);
    }
  } else if (L < T) {
    show(L, T - 1, false);
    toggle(T - 1, L);
  }
}

// Back to the fixed end: the part beyond T is hidden and deselected.
template <class Toggle, class Show>
void MultiCurrent(Integer L, Integer T, Toggle toggle, Show show) {
  if (L == T) return;
  Integer end = L < T ? T - 1 : T + 1;
  show(L, end, false);
  toggle(end, L);
}
}  // namespace

// ---- The dispatcher --------------------------------------------------------------------------------------
void TtsBaseGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (GetInDesignMode() && FMouseStatus == msNormal) {
    inherited::MouseMove(Shift, X, Y);
    return;
  }
  FInMouseMove = true;
  try {
    Integer C, R;
    ColRowFromXY(X, Y, C, R);
    bool above = Y <= 0;
    if (Shift.Contains(ssLeft) && !FDoubleClickHandled) {
      try {
        switch (FMouseStatus) {
          case msRowSelect: MouseMoveRowSelecting(X, Y, C, R); break;
          case msColSelect: MouseMoveColSelecting(X, Y, C, R); break;
          case msCellSelect: {
            Integer x2, y2;
            MouseMoveSetPosition(X, Y, x2, y2, C, R);
            MouseMoveRangeSelecting(x2, y2, C, R);
            break;
          }
          case msRowResize:
          case msHeadingResize:
          case msColResize:
          case msRowBarResize:
            DrawSizingLine();
            FSizingPos = (SizesRows(FMouseStatus) ? Y : X) + FSizingOffset;
            DrawSizingLine();
            break;
          case msRowMove: MouseMoveRowMoving(X, Y, C, R); break;
          case msColMove: MouseMoveColMoving(X, Y, C, R); break;
          case msButtonDown: MouseMoveButtonDown(X, Y, C, R); break;
          case msHeadingDown: MouseMoveHeading(X, Y, C, R, above); break;
          default: break;
        }
      } catch (...) {
        if (!GetMouseCapture()) SetMouseStatus(msNormal);
        throw;
      }
      if (!GetMouseCapture()) SetMouseStatus(msNormal);
    } else if (Shift.Contains(ssRight) && FMouseStatus == msHeadingDown) {
      MouseMoveHeading(X, Y, C, R, above);
    } else if (!Shift.Contains(ssMiddle) && !FDoubleClickHandled) {
      try {
        CellFromXY(X, Y, C, R);
        MouseMoveDrawButton(X, Y, C, R);
      } catch (...) {
        if (!GetMouseCapture()) SetMouseStatus(msNormal);
        throw;
      }
      if (!GetMouseCapture()) SetMouseStatus(msNormal);
    }
  } catch (...) {
    FInMouseMove = false;
    throw;
  }
  FInMouseMove = false;
  inherited::MouseMove(Shift, X, Y);
}

// A held heading shows pressed while the pointer is over it (over its button, when it has one).
void TtsBaseGrid::MouseMoveHeading(Integer X, Integer Y, Integer C, Integer R, bool Above) {
  if (FPressedHeadingCol < 0) return;
  Integer held = GetDisplayCol(FPressedHeadingCol);
  auto setPressed = [&](bool Pressed) {
    FPressedHeadingDown = Pressed;
    InvalidateCell(held, 0);
  };
  bool hasButton = C > 0 && ButtonInColHeading(C);
  if (FPressedHeadingDown && (C != held || R != 0 || Above))
    setPressed(false);
  else if (hasButton && FPressedHeadingDown && !MouseOverHeadingButton(X, Y, C))
    setPressed(false);
  else if (C == held && R == 0 && !Above && !FPressedHeadingDown &&
           ((hasButton && MouseOverHeadingButton(X, Y, C)) || IsColHeadingButton(C)))
    setPressed(true);
}

bool TtsBaseGrid::CheckMouseOverGrid(Integer X, Integer Y) {
  return HandleAllocated() && X >= 0 && X < GetClientWidth() && Y >= FFixedHeight && Y < GetClientHeight();
}

// ---- Row selection ---------------------------------------------------------------------------------------
void TtsBaseGrid::MouseMoveRowSelecting(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  FMouseOverGrid = CheckMouseOverGrid(X, Y);
  Integer R = std::min(DisplayRow, GetGridRowCount());
  if (ScrollRows(X, Y, DisplayCol, R) || FSuppressAutoScroll) return;
  MoveRowSelectionEnd(R);
}

void TtsBaseGrid::MoveRowSelectionEnd(Integer DisplayRow) {
  Integer order = CompareRowPos(DisplayRow);
  if (order > 0)
    SelectLargerRows(DisplayRow);
  else if (order < 0)
    SelectSmallerRows(DisplayRow);
  else
    SelectCurrentRow(DisplayRow);
}

void TtsBaseGrid::MoveColSelectionEnd(Integer DisplayCol) {
  if (DisplayCol > FCurDisplayCol)
    SelectLargerCols(DisplayCol);
  else if (DisplayCol < FCurDisplayCol)
    SelectSmallerCols(DisplayCol);
  else
    SelectCurrentCol(DisplayCol);
}

// A drop-down list selects the row under the pointer only while the pointer is inside the list.
bool TtsBaseGrid::SelectsUnderPointer() { return !(FIsComboGrid && !FMouseOverGrid); }

// In single-row selection the one selected row, which is the current row, moves to Row.
void TtsBaseGrid::MoveSingleRowSelection(Integer Row) {
  Integer last = FLastAddedDisplayRow;
  InvertSelectedRows(last, last, false);
  DeleteRowSelection(last, last);
  ClearCurrent(last);
  SetCurrentPositionAndDraw(FCurDisplayCol, Row, true, true);
  if (SelectsUnderPointer()) {
    AddRowSelection(Row, Row);
    InvertSelectedRows(Row, Row, true);
  }
  SetLastAddedRow(Row);
}

void TtsBaseGrid::SelectLargerRows(Integer Row) {
  Integer target = IsInsertRow(Row) ? Row - 1 : Row;
  target = std::max(target, TopMostRow(false, true));
  if (MaxVisibleRow() < GetFixedRows() && target > MaxVisibleRow()) target = MaxVisibleRow();
  Integer last = FLastAddedDisplayRow;
  if (FRowSelectMode == rsSingle) {
    Integer bottom = BottomMostRow(false, true);
    if (last < bottom) MoveSingleRowSelection(std::min(target, bottom));
    CheckRowColChanged();
  } else {
    if (target == last) return;
    MultiLarger(last, target, FCurDisplayRow, [this](Integer A, Integer B) { ChangeRowSelection(A, B); },
                [this](Integer A, Integer B, bool Shown) { ChangeRowInversion(A, B, Shown); });
    SetLastAddedRow(target);
  }
  SelectionsChanged(true);
}

void TtsBaseGrid::SelectSmallerRows(Integer Row) {
  Integer top = TopMostRow(false, true);
  Integer target = std::max(Row, top);
  Integer last = FLastAddedDisplayRow;
  if (FRowSelectMode == rsSingle) {
    if (top < last) {
      if (last != GetTopRow() || last == GetFixedRows()) {
        MoveSingleRowSelection(target);
      } else {
        // The top row scrolls away with the view, which repaints it.
        DeleteRowSelection(last, last);
        Integer row = std::max<Integer>(target, 1);
        SetCurrentPosition(FCurDisplayCol, row, true, true);
        if (SelectsUnderPointer()) AddRowSelection(row, row);
        SetLastAddedRow(target);
      }
    } else if (!SelectsUnderPointer()) {
      SelectCurrentRow(last);
    }
    CheckRowColChanged();
  } else {
    MultiSmaller(last, target, FCurDisplayRow, top < FCurDisplayRow,
                 [this](Integer A, Integer B) { ChangeRowSelection(A, B); },
                 [this](Integer A, Integer B, bool Shown) { ChangeRowInversion(A, B, Shown); });
    SetLastAddedRow(target);
  }
  SelectionsChanged(true);
}

void TtsBaseGrid::SelectCurrentRow(Integer Row) {
  Integer target = std::max(Row, TopMostRow(false, true));
  Integer last = FLastAddedDisplayRow;
  MultiCurrent(last, target, [this](Integer A, Integer B) { ChangeRowSelection(A, B); },
               [this](Integer A, Integer B, bool Shown) { ChangeRowInversion(A, B, Shown); });
  if (last == target && FRowSelectMode == rsSingle && FIsComboGrid &&
      FRowSelection->GetSelected(target) != FMouseOverGrid) {
    ChangeRowInversion(target, target, false);
    ChangeRowSelection(target, target);
  }
  SetLastAddedRow(target);
  SelectionsChanged(true);
}

// ---- Column selection ---------------------------------------------------------------------------------------
void TtsBaseGrid::MouseMoveColSelecting(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Integer C = DisplayCol, R = DisplayRow;
  if (ScrollCols(X, Y, C, R)) return;
  MoveColSelectionEnd(C);
}

void TtsBaseGrid::SelectLargerCols(Integer DisplayCol) {
  Integer target = std::max(DisplayCol, LeftMostCol(false, true));
  if (MaxVisibleCol() < GetFixedCols() && target > MaxVisibleCol()) target = MaxVisibleCol();
  if (target == FLastAddedDisplayCol) return;
  MultiLarger(FLastAddedDisplayCol, target, FCurDisplayCol, [this](Integer A, Integer B) { ChangeColSelection(A, B); },
              [this](Integer A, Integer B, bool Shown) { ChangeColInversion(A, B, Shown); });
  FLastAddedDisplayCol = target;
  SelectionsChanged(true);
}

void TtsBaseGrid::SelectSmallerCols(Integer DisplayCol) {
  Integer left = LeftMostCol(false, true);
  Integer target = std::max(DisplayCol, left);
  MultiSmaller(FLastAddedDisplayCol, target, FCurDisplayCol, left < FCurDisplayCol,
               [this](Integer A, Integer B) { ChangeColSelection(A, B); },
               [this](Integer A, Integer B, bool Shown) { ChangeColInversion(A, B, Shown); });
  FLastAddedDisplayCol = target;
  SelectionsChanged(true);
}

void TtsBaseGrid::SelectCurrentCol(Integer DisplayCol) {
  Integer target = std::max(DisplayCol, LeftMostCol(false, true));
  MultiCurrent(FLastAddedDisplayCol, target, [this](Integer A, Integer B) { ChangeColSelection(A, B); },
               [this](Integer A, Integer B, bool Shown) { ChangeColInversion(A, B, Shown); });
  FLastAddedDisplayCol = target;
  SelectionsChanged(true);
}

// ---- Cell ranges --------------------------------------------------------------------------------------------
void TtsBaseGrid::MouseMoveSetPosition(Integer X, Integer Y, Integer& X2, Integer& Y2, Integer& DisplayCol,
                                       Integer& DisplayRow) {
  CellFromXY(X, Y, DisplayCol, DisplayRow);
  X2 = X;
  Y2 = Y;
  TRect cell;
  CellRect(MaxVisibleCol(), GetTopRow(), cell);
  Integer rightEdge = cell.right;
  CellRect(GetLeftCol(), MaxVisibleRow(), cell);
  Integer bottomEdge = cell.bottom;
  bool right = X > rightEdge, below = Y > bottomEdge;
  if (right) {
    DisplayCol = GetColCount() - 1;
    X2 = rightEdge + FVertLineWidth;
    if (!below) DisplayRow = MouseCoord(1, Y).Y;
  }
  if (below) {
    DisplayRow = GetRowCount() - 1;
    Y2 = bottomEdge + FHorzLineWidth;
    if (!right) DisplayCol = MouseCoord(X, 1).X;
  }
}

void TtsBaseGrid::MouseMoveRangeSelecting(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Integer C = DisplayCol, R = DisplayRow;
  bool horizontal = ScrollCols(X, Y, C, R);
  bool vertical = ScrollRows(X, Y, C, R);
  if (!horizontal && !vertical) ChangeCellSelection(C, R);
}

// ---- Is the pointer beyond the data area? -----------------------------------------------------------------
bool TtsBaseGrid::ScrollRows(Integer X, Integer Y, Integer& DisplayCol, Integer& DisplayRow) {
  Integer col = DisplayCol;
  if (Y >= GetClientHeight() && MaxVisibleRow() >= GetFixedRows()) {
    if (FSuppressAutoScroll) return true;
    if (GetTopRow() >= GetMaxTopRow()) return false;
    MoveView(mdUp, DisplayCol, DisplayRow);
    if (DisplayRow < 0 || DisplayRow > GetRowCount() - 1) DisplayRow = GetRowCount() - 1;
    DisplayCol = col;
    return true;
  }
  bool rangeInFixed = FGridStatus == grCellSelect && FSelectedRange.Top < GetFixedRows() &&
                      FSelectedRange.Bottom < GetFixedRows();
  bool rowsInFixed =
      FRowSelection->Count > 0 && FRowSelection->First < GetFixedRows() && FRowSelection->Last < GetFixedRows();
  if (Y >= FFixedHeight || TopMostScrollRow() >= GetTopRow() || rangeInFixed || rowsInFixed) {
    if (Y >= FFixedHeight) FSuppressAutoScroll = false;
    return false;
  }
  if (!FSuppressAutoScroll) {
    MoveView(mdDown, DisplayCol, DisplayRow);
    if (DisplayRow < 1 || DisplayRow > GetRowCount() - 1) DisplayRow = 1;
    DisplayCol = col;
  }
  return true;
}

bool TtsBaseGrid::ScrollCols(Integer X, Integer Y, Integer& DisplayCol, Integer& DisplayRow) {
  Integer row = DisplayRow;
  if (X >= GetClientWidth() && MaxVisibleCol() >= GetFixedCols()) {
    if (FSuppressAutoScroll) return true;
    if (GetLeftCol() >= GetMaxLeftCol()) return false;
    MoveView(mdLeft, DisplayCol, DisplayRow);
    if (DisplayCol < 0 || DisplayCol > GetColCount() - 1) DisplayCol = GetColCount() - 1;
    DisplayRow = row;
    return true;
  }
  bool rangeInFixed = FGridStatus == grCellSelect && FSelectedRange.Left < GetFixedCols() &&
                      FSelectedRange.Right < GetFixedCols();
  bool colsInFixed =
      FColSelection->Count > 0 && FColSelection->First < GetFixedCols() && FColSelection->Last < GetFixedCols();
  if (X >= FFixedWidth || LeftMostScrollCol() >= GetLeftCol() || rangeInFixed || colsInFixed) {
    FSuppressAutoScroll = false;
    return false;
  }
  if (!FSuppressAutoScroll) {
    MoveView(mdRight, DisplayCol, DisplayRow);
    if (DisplayCol < 1 || DisplayCol > GetColCount() - 1) DisplayCol = 1;
    DisplayRow = row;
  }
  return true;
}

// ---- Moving columns and rows -----------------------------------------------------------------------------
void TtsBaseGrid::MouseMoveColMoving(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Integer C = DisplayCol, R = DisplayRow;
  if (ScrollCols(X, Y, C, R)) return;
  Integer last = RightMostCol(false, false);
  if (FMoveTargetPos == last && FMoveTargetPos != FMoveStartPos) {
    Integer edge = ClientToScreen(TPoint(CalcColOffset(last), 0)).x;
    if (ClientToScreen(TPoint(X, Y)).x >= edge)
      FColMoveBarAtEnd = true;
    else if (FColMoveBarAtEnd)
      FColMoveBarAtEnd = false;
  }
  if (C >= 0 && C < LeftMostScrollCol()) C = LeftMostScrollCol();
  if (C > last) C = last;
  if (C != FMoveTargetPos) {
    if (FColMoveBarAtEnd && FColMoveBarShown) DrawColMove();
    FColMoveBarAtEnd = false;
    ChangeColMovePos(C);
  } else if (!FColMoveBarShown) {
    DrawColMove();
  }
}

void TtsBaseGrid::MouseMoveRowMoving(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Integer C = DisplayCol, R = DisplayRow;
  if (ScrollRows(X, Y, C, R)) return;
  Integer last = GetGridRowCount();
  if (FMoveTargetPos == last && FMoveTargetPos != FMoveStartPos) {
    Integer edge = ClientToScreen(TPoint(0, CalcRowOffset(last))).y;
    if (ClientToScreen(TPoint(X, Y)).y >= edge)
      FRowMoveBarAtEnd = true;
    else if (FRowMoveBarAtEnd)
      FRowMoveBarAtEnd = false;
  }
  if (IsInsertRow(R)) R -= 1;
  if (R >= 0 && R < TopMostScrollRow()) R = TopMostScrollRow();
  Integer bottom = BottomMostRow(false, false);
  if (R > bottom) R = bottom;
  if (R <= 0 || R > last) return;
  if (R != FMoveTargetPos) {
    if (FRowMoveBarAtEnd && FRowMoveBarShown) DrawRowMove();
    FRowMoveBarAtEnd = false;
    ChangeRowMovePos(R);
  } else if (!FRowMoveBarShown) {
    DrawRowMove();
  }
}

void TtsBaseGrid::ChangeColMovePos(Integer DisplayCol) {
  if (FColMoveBarShown) DrawColMove();
  FMoveTargetPos = DisplayCol;
  DrawColMove();
}

void TtsBaseGrid::ChangeRowMovePos(Integer DisplayRow) {
  if (FRowMoveBarShown) DrawRowMove();
  FMoveTargetPos = DisplayRow;
  DrawRowMove();
}

// ---- Cell buttons ------------------------------------------------------------------------------------------
// The pressed button is drawn released (and hot) as soon as the pointer leaves it.
void TtsBaseGrid::ReleasePressedButton() {
  Integer col = FButtonDownCol, row = FButtonDownRow;
  if (col < 0 || row < 0) return;
  ResetButtonDown();
  DoDrawButton(col, row, BothSpinParts, spbNone, Graphics::clBtnFace, bmUp);
  SetHotButton(col, row, spbNone);
}

void TtsBaseGrid::MouseMoveButtonDown(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (MouseOverCombo(X, Y)) {
    ReleasePressedButton();
    SetMouseCapture(false);
    MouseCaptureToCombo();
    return;
  }
  Integer C = DisplayCol, R = DisplayRow;
  bool pressed = FButtonDownCol >= 0 && FButtonDownRow >= 0;
  if (C == FCurDisplayCol && R == FCurDisplayRow && MouseOverButton(X, Y, C, R)) {
    if (!pressed && FButtonPressPending && (FPressSpin == spbNone || OverSpinButton(X, Y, C, R, FPressSpin))) {
      DoDrawButton(C, R, BothSpinParts, FPressSpin, Graphics::clBtnFace, bmDown);
      SetButtonDown(C, R, FPressSpin);
      if (GiveCellSpinOptions(GetDataCol(C), GetDataRow(R)).Contains(spoAutoRepeat)) StartSpinTimer(FFirstSpinRepeat);
      return;
    }
    if (!(pressed && FPressedSpin != spbNone && !OverSpinButton(X, Y, C, R, FPressedSpin))) return;
  }
  if (pressed) ReleasePressedButton();
}

void TtsBaseGrid::ForgetHotButton() {
  Integer col = FHotButtonCol, row = FHotButtonRow;
  if (col < 0 || row < 0) return;
  ResetButtonUp();
  DoDrawButton(col, row, BothSpinParts, spbNone, ButtonColor(col, row), bmFlat);
}

void TtsBaseGrid::MouseMoveDrawButton(Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  if (!ButtonsActive()) return;
  Integer C = DisplayCol, R = DisplayRow;
  if (!MouseOverButton(X, Y, C, R)) {
    ForgetHotButton();
    return;
  }
  // The button timer notices the pointer leaving the window.
  if (FFlatButtons) StartButtonTimer();
  if (FHotButtonCol >= 0 && (FHotButtonCol != C || FHotButtonRow != R)) ForgetHotButton();
  if ((C == FHotButtonCol && R == FHotButtonRow) || FGridMode == gmListBox) return;
  Integer dataCol = GetDataCol(C), dataRow = GetDataRow(R);
  if (CellIsReadOnly(dataCol, dataRow) && !FReadOnlyButton) return;
  TtsDropDownStyle style;
  bool spin = IsSpinButton(GiveCellButton(dataCol, dataRow, style));
  bool current = C == FCurDisplayCol && R == FCurDisplayRow;
  if ((!FFlatButtons || spin) && (current || FInactiveButtonState == ibsBackGround)) return;
  DoDrawButton(C, R, BothSpinParts, spbNone, Graphics::clBtnFace, bmUp);
  SetHotButton(C, R, spbNone);
}

}  // namespace TSGrid
