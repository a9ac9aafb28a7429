// The mouse on the base grid engine: selecting cells with auto-scrolling, sizing rows and columns
// by their borders in the fixed area, moving rows and columns by their fixed cells, the XOR lines
// that follow the pointer meanwhile, the selection timer and cancelling.
#include <algorithm>

#include "Forms.h"
#include "Grids_tsEngine.h"
#include "WinUser.h"

namespace Grids_ts {

namespace {
// The timer that scrolls while the pointer is held outside the cells: its id and interval.
constexpr UINT_PTR SelectTimerId = 1;
constexpr UINT SelectTimerInterval = 60;

// A pen of the canvas set for a line that a second drawing erases, restored afterwards.
class TXorPen {
 public:
  TXorPen(TCanvas* Canvas, Integer Width) : FCanvas(Canvas), FSaved(New<TPen>()) {
    FSaved->Assign(Canvas->GetPen());
    TPen* pen = Canvas->GetPen();
    pen->SetStyle(psDot);
    pen->SetMode(pmXor);
    pen->SetColor(clWhite);
    pen->SetWidth(Width);
  }
  ~TXorPen() {
    FCanvas->GetPen()->Assign(FSaved);
    FSaved->Free();
  }
  TXorPen(const TXorPen&) = delete;
  TXorPen& operator=(const TXorPen&) = delete;

 private:
  TCanvas* FCanvas;
  TPen* FSaved;
};

// Returns the grid state to gsNormal when the scope ends, also when an exception passes.
struct TBackToNormal {
  TGridState& State;
  ~TBackToNormal() { State = gsNormal; }
};
}  // namespace

void TCustomGrid_ts::StartSelectTimer() { SetTimer(GetHandle(), SelectTimerId, SelectTimerInterval, nullptr); }

void TCustomGrid_ts::StopSelectTimer() {
  if (HandleAllocated()) KillTimer(GetHandle(), SelectTimerId);
}

// ---- Sizing zones -----------------------------------------------------------------------------------
void TCustomGrid_ts::CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index, Integer& SizingPos,
                                     Integer& SizingOfs, TGridDrawInfo& FixedInfo) {
  State = gsNormal;
  Index = -1;
  TGridOptions options = FOptions;
  if (ComponentState().Contains(csDesigning)) options += FDesignOptions;
  if (!options.Contains(goColSizing) && !options.Contains(goRowSizing)) return;
  FixedInfo.ColAxis.ClientExtent = GetClientWidth();
  FixedInfo.RowAxis.ClientExtent = GetClientHeight();

  // A border is grabbed within a band of at least 7 pixels that starts a little before it.
  auto axisState = [&](const TGridAxisDrawInfo& A, Integer Pos, TGridState NewState) {
    const Integer lineWidth = A.AxisLineWidth;
    const Integer back = lineWidth < 7 ? (7 - lineWidth) / 2 : 0;
    const Integer range = std::max<Integer>(7, lineWidth);
    Integer line = A.FixedEnd;
    Integer cut = -1;  // the cell the client edge cuts
    for (Integer i = A.FirstScrollCell; i < A.CellCount; ++i) {
      line += A.ExtentOf(i);
      if (line > A.CellsEnd) {
        cut = i;
        break;
      }
      if (Pos >= line - back && Pos <= line - back + range) {
        State = NewState;
        SizingPos = line;
        SizingOfs = line - Pos;
        Index = i;
        return;
      }
      line += lineWidth;
    }
    // The edge of the client area sizes the cell it cuts; where it cuts none (the last cell ends
    // before it), there is nothing to size.
    if (cut >= 0 && A.CellsEnd == A.ClientExtent && Pos >= A.ClientExtent - back && Pos <= A.ClientExtent) {
      State = NewState;
      SizingPos = A.ClientExtent;
      SizingOfs = SizingPos - Pos;
      Index = cut;
    }
  };

  const bool mirrored = DrawsRightToLeft();
  const Integer width = GetClientWidth();
  const TGridAxisDrawInfo& cols = FixedInfo.ColAxis;
  const TGridAxisDrawInfo& rows = FixedInfo.RowAxis;
  const bool rightOfFixedCols = mirrored ? X < width - cols.FixedEnd : X > cols.FixedEnd;
  if (rightOfFixedCols && options.Contains(goColSizing)) {
    if (Y < rows.FixedEnd) axisState(cols, mirrored ? width - X : X, gsColSizing);
  } else if (Y > rows.FixedEnd && options.Contains(goRowSizing)) {
    const bool insideFixedCols = mirrored ? X > width - cols.FixedEnd : X < cols.FixedEnd;
    if (insideFixedCols) axisState(rows, Y, gsRowSizing);
  }
}

bool TCustomGrid_ts::Sizing(Integer X, Integer Y) {
  if (FGridState != gsNormal) return true;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridState state;
  Integer index, pos, ofs;
  CalcSizingState(X, Y, state, index, pos, ofs, info);
  return state != gsNormal;
}

// ---- XOR lines --------------------------------------------------------------------------------------
void TCustomGrid_ts::DrawSizingLine(const TGridDrawInfo& DrawInfo) {
  TCanvas* canvas = GetCanvas();
  TXorPen pen(canvas, 1);
  if (FGridState == gsRowSizing) {
    if (DrawsRightToLeft()) {
      canvas->MoveTo(DrawInfo.ColAxis.ClientExtent, FSizingPos);
      canvas->LineTo(DrawInfo.ColAxis.ClientExtent - DrawInfo.ColAxis.CellsEnd, FSizingPos);
    } else {
      canvas->MoveTo(0, FSizingPos);
      canvas->LineTo(DrawInfo.ColAxis.CellsEnd, FSizingPos);
    }
  } else {
    canvas->MoveTo(FSizingPos, 0);
    canvas->LineTo(FSizingPos, DrawInfo.RowAxis.CellsEnd);
  }
}

// The place a moved row or column would go: after the target when moving forward, before it when
// moving back.
void TCustomGrid_ts::DrawMove() {
  TCanvas* canvas = GetCanvas();
  TXorPen pen(canvas, 5);
  if (FGridState == gsRowMoving) {
    const TRect r = CellRect(0, FMovePos);
    const Integer y = FMoveIndex < FMovePos ? r.bottom : r.top;
    canvas->MoveTo(0, y);
    canvas->LineTo(GetClientWidth(), y);
  } else {
    const TRect r = CellRect(FMovePos, 0);
    const bool after = (FMoveIndex < FMovePos) != DrawsRightToLeft();
    const Integer x = after ? r.right : r.left;
    canvas->MoveTo(x, 0);
    canvas->LineTo(x, GetClientHeight());
  }
}

// ---- Press, move, release ---------------------------------------------------------------------------
void TCustomGrid_ts::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  HideEdit();
  if (!ComponentState().Contains(csDesigning) && (CanFocus() || !GetParentForm(this))) {
    SetFocus();
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  // The platform reports a double click (DblClick) itself right after this press's handling.
  if (Button == mbLeft && !Shift.Contains(ssDouble)) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    CalcSizingState(X, Y, FGridState, FSizingIndex, FSizingPos, FSizingOfs, info);
    if (FGridState != gsNormal) {
      if (FGridState == gsColSizing && DrawsRightToLeft()) FSizingPos = GetClientWidth() - FSizingPos;
      DrawSizingLine(info);
      return;
    }
    const TGridCoord cell = CalcCoordFromPoint(X, Y, info);
    const TPoint point(X, Y);
    auto beginMove = [&](TGridState MoveState, Integer Index) {
      FMoveIndex = FMovePos = Index;
      if (MoveState == gsRowMoving ? !BeginRowDrag(FMoveIndex, FMovePos, point)
                                   : !BeginColumnDrag(FMoveIndex, FMovePos, point))
        return;
      FGridState = MoveState;
      Update();
      DrawMove();
      StartSelectTimer();
    };
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
      if (FOptions.Contains(goEditing)) {
        if (cell == FCurrent) {
          ShowEditor();
        } else {
          MoveCurrent(cell.X, cell.Y, true, true);
          UpdateEdit();
        }
        Click();
      } else {
        FGridState = gsSelecting;
        StartSelectTimer();
        if (Shift.Contains(ssShift)) MoveAnchor(cell);
        else MoveCurrent(cell.X, cell.Y, true, true);
      }
    } else if (FOptions.Contains(goRowMoving) && cell.X >= 0 && cell.X < FFixedCols && cell.Y >= FFixedRows) {
      beginMove(gsRowMoving, cell.Y);
    } else if (FOptions.Contains(goColMoving) && cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols) {
      beginMove(gsColMoving, cell.X);
    }
  }
  // A failing OnMouseDown ends what the press started (its line, its timer) before it passes on.
  try {
    inherited::MouseDown(Button, Shift, X, Y);
  } catch (...) {
    if (FGridState != gsNormal) CancelMode();
    throw;
  }
}

void TCustomGrid_ts::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  switch (FGridState) {
    case gsSelecting:
    case gsRowMoving:
    case gsColMoving: {
      const TGridCoord cell = CalcCoordFromPoint(X, Y, info);
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows && cell.X <= info.ColAxis.LastWholeCell + 1 &&
          cell.Y <= info.RowAxis.LastWholeCell + 1) {
        if (FGridState == gsSelecting) {
          if (cell != FAnchor) MoveAnchor(cell);
        } else if (FGridState == gsColMoving) {
          MoveAndScroll(X, cell.X, info, true, SB_HORZ, TPoint(X, Y));
        } else {
          MoveAndScroll(Y, cell.Y, info, false, SB_VERT, TPoint(X, Y));
        }
      }
      break;
    }
    case gsRowSizing:
    case gsColSizing:
      DrawSizingLine(info);
      FSizingPos = (FGridState == gsRowSizing ? Y : X) + FSizingOfs;
      DrawSizingLine(info);
      break;
    default: break;
  }
  inherited::MouseMove(Shift, X, Y);
}

void TCustomGrid_ts::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TBackToNormal backToNormal{FGridState};

  switch (FGridState) {
    case gsSelecting:
      MouseMove(Shift, X, Y);
      StopSelectTimer();
      UpdateEdit();
      Click();
      break;
    case gsRowSizing:
    case gsColSizing: {
      TGridDrawInfo info;
      CalcDrawInfo(info);
      DrawSizingLine(info);
      if (FGridState == gsColSizing && DrawsRightToLeft()) FSizingPos = GetClientWidth() - FSizingPos;
      const TGridAxisDrawInfo& axis = FGridState == gsColSizing ? info.ColAxis : info.RowAxis;
      const Integer newSize = FSizingPos - AxisCellStart(axis, FSizingIndex);
      if (newSize > 1) {
        if (FGridState == gsColSizing) SetColWidths(FSizingIndex, newSize);
        else SetRowHeights(FSizingIndex, newSize);
        UpdateDesigner();
      }
      break;
    }
    case gsRowMoving:
    case gsColMoving: {
      DrawMove();
      StopSelectTimer();
      const TPoint point(X, Y);
      const bool rows = FGridState == gsRowMoving;
      if ((rows ? EndRowDrag(FMoveIndex, FMovePos, point) : EndColumnDrag(FMoveIndex, FMovePos, point)) &&
          FMoveIndex != FMovePos) {
        if (rows) MoveRow(FMoveIndex, FMovePos);
        else MoveColumn(FMoveIndex, FMovePos);
        UpdateDesigner();
      }
      UpdateEdit();
      break;
    }
    default: UpdateEdit(); break;
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid_ts::MoveAndScroll(Integer Mouse, Integer CellHit, TGridDrawInfo& DrawInfo, bool ColAxis,
                                   Integer ScrollBar, const TPoint& MousePt) {
  if (ScrollBar == SB_HORZ && DrawsRightToLeft()) Mouse = GetClientWidth() - Mouse;
  const TGridAxisDrawInfo& axis = ColAxis ? DrawInfo.ColAxis : DrawInfo.RowAxis;
  if (CellHit == FMovePos || (FMovePos == axis.FixedCount && Mouse < axis.FixedEnd) ||
      (FMovePos == axis.CellCount - 1 && Mouse > axis.CellsEnd))
    return;
  DrawMove();
  Integer target;
  if (Mouse < axis.FixedEnd) {
    if (FMovePos > axis.FixedCount) {
      ModifyScrollBar(ScrollBar, SB_LINEUP, 0, false);
      Update();
      CalcDrawInfo(DrawInfo);
    }
    target = axis.FirstScrollCell;
  } else if (Mouse >= axis.WholeCellsEnd) {
    if (FMovePos == axis.LastWholeCell && FMovePos < axis.CellCount - 1) {
      ModifyScrollBar(ScrollBar, SB_LINEDOWN, 0, false);
      Update();
      CalcDrawInfo(DrawInfo);
    }
    target = axis.LastWholeCell;
  } else {
    target = CellHit < 0 ? FMovePos : CellHit;
  }
  if (ColAxis ? CheckColumnDrag(FMoveIndex, target, MousePt) : CheckRowDrag(FMoveIndex, target, MousePt))
    FMovePos = target;
  DrawMove();
}

// The selection timer: while the pointer is held outside the scrolling cells the anchor steps
// towards it (and the view with it); a moved row or column follows the pointer.
void TCustomGrid_ts::TimerTick() {
  if (FGridState != gsSelecting && FGridState != gsRowMoving && FGridState != gsColMoving) return;
  POINT screen;
  GetCursorPos(&screen);
  const TPoint point = ScreenToClient(screen);
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (FGridState == gsColMoving || FGridState == gsRowMoving) {
    const TGridCoord cell = CalcCoordFromPoint(point.x, point.y, info);
    if (FGridState == gsColMoving) MoveAndScroll(point.x, cell.X, info, true, SB_HORZ, point);
    else MoveAndScroll(point.y, cell.Y, info, false, SB_VERT, point);
    return;
  }
  TGridScrollDirection direction;
  const Integer width = GetClientWidth();
  if (DrawsRightToLeft()) {
    if (point.x < width - info.ColAxis.WholeCellsEnd) direction.Include(sdRight);
    if (point.x > width - info.ColAxis.FixedEnd) direction.Include(sdLeft);
  } else {
    if (point.x < info.ColAxis.FixedEnd) direction.Include(sdLeft);
    if (point.x > info.ColAxis.WholeCellsEnd) direction.Include(sdRight);
  }
  if (point.y < info.RowAxis.FixedEnd) direction.Include(sdUp);
  if (point.y > info.RowAxis.WholeCellsEnd) direction.Include(sdDown);
  if (!direction.Empty()) TimedScroll(direction);
}

void TCustomGrid_ts::CancelMode() {
  TBackToNormal backToNormal{FGridState};
  switch (FGridState) {
    case gsSelecting: StopSelectTimer(); break;
    case gsRowSizing:
    case gsColSizing: {
      TGridDrawInfo info;
      CalcDrawInfo(info);
      DrawSizingLine(info);
      break;
    }
    case gsRowMoving:
    case gsColMoving:
      DrawMove();
      StopSelectTimer();
      break;
    default: break;
  }
}

}  // namespace Grids_ts
