// The release of a mouse button: it commits the selection, move or resize that the press started
// (or, through CancelMouseAction, takes it back), releases a cell or heading button and fires the
// click events; the view kept in place when all sizes change at once; focus entering the grid.
#include <cmath>

#include "Forms.h"
#include "ResStrings.h"
#include "TSGridColumns.h"
#include "TSGridImpl.h"
#include "TSGridStores.h"
#include "WinCursor.h"

namespace TSGrid {

namespace {
const TtsSpinButtons BothSpinParts{spbIncrement, spbDecrement};

bool ResizeStatus(TtsMouseStatus Status) { return SizesRows(Status) || SizesCols(Status); }
bool ResizeOrMoveStatus(TtsMouseStatus Status) { return Status >= msRowResize && Status <= msColMove; }
bool DateTimeButton(TtsButtonType Type) { return Type == btDateTimeDropDown || Type == btDateTimePopup; }
}  // namespace

// ---- The release ------------------------------------------------------------------------------------------
void TtsBaseGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if ((GetInDesignMode() && FMouseStatus == msNormal) || Dragging()) {
    inherited::MouseUp(Button, Shift, X, Y);
    return;
  }
  StopTimer(FButtonTimer);
  if (Button == mbLeft) {
    Integer C, R;
    CellFromXY(X, Y, C, R);
    SetMouseUpColRow(C, R);
    TtsMouseStatus old = FMouseStatus;
    TtsSpinButton oldSpin = FPressedSpin;
    try {
      switch (old) {
        case msRowSelect: EndRowSelecting(true); break;
        case msColSelect: EndColSelecting(true); break;
        case msCellSelect: EndCellSelecting(true); break;
        case msRowResize:
        case msHeadingResize: MUResizedRow(X, Y, true); break;
        case msColResize:
        case msRowBarResize: MUResizedCol(X, Y, true); break;
        case msRowMove: EndRowMoving(true); break;
        case msColMove: EndColMoving(true); break;
        case msButtonDown: MUButtonUp(X, Y); break;
        case msHeadingDown: MUHeadingUp(Button, X, Y); break;
        default: break;
      }
    } catch (...) {
      SetMouseStatus(msNormal);
      FInMouseDown = false;
      throw;
    }
    SetMouseStatus(msNormal);
    if (ResizeStatus(old)) Update();
    GridStatusChanged();
    if (!FControlShown) ShowGridControl();
    if (!FDoubleClickHandled) {
      if (old == msButtonDown)
        ReleaseButtonEvents(X, Y, C, R, oldSpin);
      else if (!ResizeOrMoveStatus(old) && (FInMouseDown || IsFocused()))
        ReportClick();
    }
    FDoubleClickHandled = false;
  }
  FInMouseDown = false;
  try {
    inherited::MouseUp(Button, Shift, X, Y);
  } catch (const Grids_ts::EInvalidGridOperation& e) {
    if (e.Message() != LoadResString(&Grids_ts::SGridIndexOutOfRange)) throw;
  }
  if (HandleAllocated()) {
    POINT screen;
    GetCursorPos(&screen);
    TPoint at = ScreenToClient(TPoint(screen.x, screen.y));
    Integer col, row;
    CellFromXY(at.x, at.y, col, row);
    MouseMoveDrawButton(at.x, at.y, col, row);
  }
}

void TtsBaseGrid::ReportClick() {
  FInMouseDown = false;
  Click();
  ClickCell(GetDataCol(FMouseDownDisplayCol), GetDataRow(FMouseDownDisplayRow), GetDataCol(FMouseUpDisplayCol),
            GetDataRow(FMouseUpDisplayRow));
}

// The click of a cell button counts only over the pressed button, except for the buttons that open
// a drop-down; its release is reported in every case.
void TtsBaseGrid::ReleaseButtonEvents(Integer X, Integer Y, Integer C, Integer R, TtsSpinButton OldSpin) {
  TtsDropDownStyle style;
  TtsButtonType type = GiveCellButton(GetDataCol(C), GetDataRow(R), style);
  Integer downCol = GetDataCol(FMouseDownDisplayCol), downRow = GetDataRow(FMouseDownDisplayRow);
  bool spin = IsSpinButton(type);
  if (MouseOverButton(X, Y, FMouseDownDisplayCol, FMouseDownDisplayRow) || type == btCombo || DateTimeButton(type)) {
    if (type == btCombo || type == btNormal || DateTimeButton(type)) ButtonClick(downCol, downRow);
    if (type == btDateTimePopup) {
      ResetButton();
      DateTimeButtonDown(downCol, downRow);
    }
    if (spin && OldSpin != spbNone) SpinButtonClick(downCol, downRow, OldSpin);
  }
  if (type == btCombo || type == btNormal || DateTimeButton(type))
    ButtonUp(FCurDataCol, FCurDataRow);
  else if (spin && OldSpin != spbNone)
    SpinButtonUp(FCurDataCol, FCurDataRow, OldSpin);
}

// ---- Ending selections ------------------------------------------------------------------------------------
void TtsBaseGrid::EndRowSelecting(bool Commit) {
  if (!Commit) {
    if (!InRowSelectMode()) {
      ChangeRowSelection(FCurDisplayRow, FLastAddedDisplayRow);
      ChangeRowInversion(FCurDisplayRow, FLastAddedDisplayRow, true);
    }
    SetMouseCapture(false);
  }
  SelectionsChanged(true);
}

void TtsBaseGrid::EndColSelecting(bool Commit) {
  if (!Commit) {
    ChangeColSelection(FCurDisplayCol, FLastAddedDisplayCol);
    ChangeColInversion(FCurDisplayCol, FLastAddedDisplayCol, true);
    SetMouseCapture(false);
  }
  SelectionsChanged(true);
}

void TtsBaseGrid::EndCellSelecting(bool Commit) {
  if (!Commit) {
    DeleteSelections({grCellSelect}, true);
    SetMouseCapture(false);
  }
  SelectionsChanged(true);
}

// ---- Ending moves -----------------------------------------------------------------------------------------
void TtsBaseGrid::EndColMoving(bool Commit) {
  if (FColMoveBarShown) DrawColMove();
  try {
    if (!Commit) {
      SetMouseCapture(false);
    } else if (!ColRangeSelected(FMoveStartPos, FMoveTargetPos)) {
      MoveColRange(FMoveStartPos, FMoveTargetPos);
      SetCurrentPosition(FMoveTargetPos, FCurDisplayRow, true, true);
      ShowGridControl();
      DrawCurrentFocusRect(false);
      Update();
      CheckRowColChanged();
    }
  } catch (...) {
    if (FColSelection->Count > 0) FGridStatus = grColSelect;
    throw;
  }
  if (FColSelection->Count > 0) FGridStatus = grColSelect;
}

void TtsBaseGrid::EndRowMoving(bool Commit) {
  if (FRowMoveBarShown) DrawRowMove();
  try {
    if (!Commit) {
      SetMouseCapture(false);
    } else if (!RowRangeSelected(FMoveStartPos, FMoveTargetPos)) {
      Integer dataRow = FCurDataRow;
      MoveRowRange(FMoveStartPos, FMoveTargetPos);
      SetCurrentPosition(FCurDisplayCol, GetDisplayRow(dataRow), true, true);
      Update();
      CheckRowColChanged();
    }
  } catch (...) {
    if (FRowSelection->Count > 0) FGridStatus = grRowSelect;
    throw;
  }
  if (FRowSelection->Count > 0) FGridStatus = grRowSelect;
}

// ---- Ending resizes ---------------------------------------------------------------------------------------
void TtsBaseGrid::MUResizedCol(Integer X, Integer, bool Commit) {
  Integer index = FSizingIndex;
  Integer left = std::max<Integer>(CalcColOffset(index), 0);
  DrawSizingLine();
  if (Commit) {
    // A double click on the border without moving restores the remembered width.
    if (FResizeByDoubleClick && GetColWidths(index) + left == FSizingPos + 1) {
      Integer remembered = index == 0                ? FRowBarWidthMemory
                           : FResizeCols == rcAll    ? FLastDefaultColWidth
                                                     : FCols->GetItem(GetDataCol(index))->GetAssignedWidth();
      FSizingPos = left + remembered - 1;
    } else {
      FSizingPos = X + FSizingOffset;
      if (!(FIsComboGrid && GetInDesignMode())) FSizingPos = std::min<Integer>(FSizingPos, GetClientWidth());
    }
    if (left < FSizingPos) {
      Integer width = FSizingPos - left + 1;
      bool hideControl = FControlShown && (index == FCurDisplayCol || FResizeCols == rcAll);
      if (index == 0) {
        if (hideControl) CheckHideControl(true);
        bool outer = FRowBarSizing;
        FRowBarSizing = true;
        try {
          SetRowBarWidth(width);
        } catch (...) {
          FRowBarSizing = outer;
          throw;
        }
        FRowBarSizing = outer;
      } else if (width != GetColWidths(index)) {
        if (hideControl) CheckHideControl(true);
        if (FResizeCols == rcAll)
          ChangeAllColWidths(width, true);
        else
          FCols->GetItem(GetDataCol(index))->CopyWidth(width);
        CheckTopLeft(false);
      }
      if (!FControlShown) ShowGridControl();
    }
  }
  FResizeByDoubleClick = false;
}

void TtsBaseGrid::MUResizedRow(Integer, Integer Y, bool Commit) {
  Integer index = FSizingIndex;
  Integer top = std::max<Integer>(CalcRowOffset(index), 0);
  DrawSizingLine();
  if (Commit) {
    if (FResizeByDoubleClick && GetRowHeights(index) + top == FSizingPos + 1) {
      Integer remembered = index == 0             ? FHeadingHeightMemory
                           : FResizeRows == rrAll ? FLastDefaultRowHeight
                                                  : FRows->GetOldRowHeight(GetDataRow(index));
      FSizingPos = top + remembered - 1;
    } else {
      FSizingPos = Y + FSizingOffset;
      if (!(FIsComboGrid && GetInDesignMode())) FSizingPos = std::min<Integer>(FSizingPos, GetClientHeight());
    }
    if (top < FSizingPos) {
      Integer height = FSizingPos - top + 1;
      bool hideControl = FControlShown && (index == FCurDisplayRow || FResizeRows == rrAll);
      bool changed = false;
      if (index == 0) {
        if (hideControl) CheckHideControl(true);
        bool outer = FHeadingSizing;
        FHeadingSizing = true;
        try {
          changed = height != GetHeadingHeight();
          SetHeadingHeight(height);
        } catch (...) {
          FHeadingSizing = outer;
          throw;
        }
        FHeadingSizing = outer;
      } else if (height != GetRowHeights(index)) {
        if (hideControl) CheckHideControl(true);
        if (FResizeRows == rrAll)
          ChangeAllRowHeights(height, true);
        else
          FRows->CopyRowHeight(GetDataRow(index), height);
        CheckTopLeft(false);
        changed = true;
      }
      if (changed) Update();
      if (!FControlShown) ShowGridControl();
    }
  }
  FResizeByDoubleClick = false;
}

// ---- Keeping the view when all sizes change ------------------------------------------------------------------
namespace {
// Runs Change with painting suspended and Flag set (restored however it ends): the flag tells the
// size-change handling that all rows (columns) change at once.
template <class F>
void ChangingAll(TtsBaseGrid* Grid, bool& Flag, F Change) {
  TPaintSuspension suspension(Grid);
  bool outer = Flag;
  Flag = true;
  try {
    Change();
  } catch (...) {
    Flag = outer;
    throw;
  }
  Flag = outer;
}
}  // namespace

void TtsBaseGrid::ChangeAllRowHeights(Integer Height, bool KeepPosition) {
  Integer oldY = CalcRowOffset(FSizingIndex);
  ChangingAll(this, FAllRowHeightsChanging, [&] {
    SetDefaultRowHeight(Height);
    if (GetHeadingOn() && ResizeRow(0, GetHeadingHeight())) UpdateScrollRange();
  });
  if (KeepPosition) SetNewTopRow(FSizingIndex, Height, oldY);
}

void TtsBaseGrid::ChangeAllColWidths(Integer Width, bool KeepPosition) {
  Integer oldX = CalcColOffset(FSizingIndex);
  ChangingAll(this, FAllColWidthsChanging, [&] {
    SetDefaultColWidth(Width);
    if (GetRowBarOn() && ResizeCol(0, GetRowBarWidth())) UpdateScrollRange();
  });
  if (KeepPosition) SetNewLeftCol(FSizingIndex, Width, oldX);
}

Integer TtsBaseGrid::RowsInView(Integer Height, Integer TopOffset) {
  return std::min<Integer>((GetClientHeight() - TopOffset) / std::max<Integer>(Height, 1) + 1, GetRowCount() - 1);
}

Integer TtsBaseGrid::ColsInView(Integer Width) {
  return std::min<Integer>((GetClientWidth() - FFixedWidth) / std::max<Integer>(Width, 1) + 1, GetColCount() - 1);
}

namespace {
// The first scrolling position that keeps Position, now of Size each, near its old offset Old from
// the fixed area of extent Fixed in a client extent Client; Count positions, InView of them fit.
Integer KeptFirst(Integer Position, Integer Size, Integer Old, Integer Fixed, Integer Client, Integer Count,
                  Integer InView) {
  Integer size = std::max<Integer>(Size, 1);
  Integer first = Position - static_cast<Integer>(std::nearbyint(static_cast<double>(Old - Fixed) / size));
  if (first > Position)
    first = Position;
  else
    while (first < Position && size * (Position - first + 1) > Client - Fixed) ++first;
  if (first + InView > Count) {
    first = Count - InView;
    if (InView < Count - 1) first += 1;
  }
  return first;
}
}  // namespace

void TtsBaseGrid::SetNewTopRow(Integer DisplayRow, Integer Height, Integer OldY) {
  if (!HandleAllocated() || DisplayRow < GetFixedRows() || FFixedHeight >= GetClientHeight()) return;
  Integer top = KeptFirst(DisplayRow, Height, OldY, FFixedHeight, GetClientHeight(), GetRowCount(),
                          RowsInView(Height, FFixedHeight));
  top = std::max<Integer>(top, GetFixedRows());
  if (top == GetTopRow()) return;
  TPaintSuspension suspension(this);
  SetTopRow(top);
}

void TtsBaseGrid::SetNewLeftCol(Integer DisplayCol, Integer Width, Integer OldX) {
  if (!HandleAllocated() || DisplayCol < GetFixedCols() || FFixedWidth >= GetClientWidth()) return;
  Integer left = KeptFirst(DisplayCol, Width, OldX, FFixedWidth, GetClientWidth(), GetColCount(), ColsInView(Width));
  left = std::max<Integer>(left, GetFixedCols());
  if (left == GetLeftCol()) return;
  TPaintSuspension suspension(this);
  SetLeftCol(left);
}

// ---- Cell buttons and headings -------------------------------------------------------------------------------
void TtsBaseGrid::MUButtonUp(Integer X, Integer Y) {
  if (FButtonDownCol >= 0 && FButtonDownRow >= 0) {
    Integer col = FMouseDownDisplayCol, row = FMouseDownDisplayRow;
    ResetButtonDown();
    DoDrawButton(col, row, BothSpinParts, spbNone, ButtonColor(col, row), bmFlat);
  }
  Integer C, R;
  CellFromXY(X, Y, C, R);
  if (FHotButtonCol >= 0 && (FHotButtonCol != C || FHotButtonRow != R)) ForgetHotButton();
  if (MouseOverButton(X, Y, C, R) && (FGridMode == gmEdit || FGridMode == gmEditInsert) &&
      !CellIsReadOnly(GetDataCol(C), GetDataRow(R))) {
    DoDrawButton(C, R, BothSpinParts, spbNone, Graphics::clBtnFace, bmUp);
    SetHotButton(C, R, spbNone);
  }
}

void TtsBaseGrid::MUHeadingUp(TMouseButton Button, Integer, Integer, bool Commit) {
  Integer dataCol = FPressedHeadingCol;
  bool pressed = FPressedHeadingDown;
  FPressedHeadingCol = -1;
  FPressedHeadingIsButton = false;
  if (dataCol < 0) return;
  if (pressed) {
    FPressedHeadingDown = false;
    InvalidateCell(GetDisplayCol(dataCol), 0);
  }
  DoHeadingUp(dataCol, Button);
  // Only a release over the pressed heading clicks it; a cancel (Escape) never does.
  if (pressed && Commit) DoHeadingClick(dataCol);
}

// ---- Cancelling -------------------------------------------------------------------------------------------
void TtsBaseGrid::CancelMouseAction() {
  TtsMouseStatus old = FMouseStatus;
  try {
    switch (old) {
      case msRowSelect: EndRowSelecting(false); break;
      case msColSelect: EndColSelecting(false); break;
      case msCellSelect: EndCellSelecting(false); break;
      case msRowResize:
      case msHeadingResize: MUResizedRow(0, 0, false); break;
      case msColResize:
      case msRowBarResize: MUResizedCol(0, 0, false); break;
      case msRowMove: EndRowMoving(false); break;
      case msColMove: EndColMoving(false); break;
      case msHeadingDown: MUHeadingUp(mbLeft, 0, 0, false); break;
      default: break;
    }
  } catch (...) {
    SetMouseStatus(msNormal);
    throw;
  }
  SetMouseStatus(msNormal);
  if (ResizeStatus(old)) Update();
  GridStatusChanged();
}

// ---- Focus ------------------------------------------------------------------------------------------------
// The focus passes between the grid and its in-place control while it leaves the grid or the
// control is hidden: that is no entering.
void TtsBaseGrid::DoEnter() {
  if (InDoExit() || FHidingControl) return;
  if (FActiveControl && FActiveControl->GetVisible()) FActiveControl->Invalidate();
  inherited::DoEnter();
}

}  // namespace TSGrid
