// The base grid engine: construction, window parameters, properties, the layout of the view (draw
// info) and the mapping between points, cells and rectangles, count changes, inserting, deleting
// and moving rows and columns, and the ColWidths and RowHeights stream entries.
#include <algorithm>
#include <cstdlib>

#include "Filer.h"
#include "Grids_tsEngine.h"
#include "Grids_tsInplace.h"
#include "WinUser.h"

namespace Grids_ts {

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TCustomGrid_ts) {
  d.Property("TabStop", &TCustomGrid_ts::GetTabStop, &TCustomGrid_ts::SetTabStop).Default(true);
}

void TCustomGrid_ts::Construct() {
  inherited::Construct();
  // Controls are drawn in the new style on this platform, so the grid is never framed by the library.
  ControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), FColCount * FDefaultColWidth, FRowCount * FDefaultRowHeight);
  Initialize();
}

void TCustomGrid_ts::Destroy() {
  if (FInplaceEdit) {
    TInplaceEdit* editor = FInplaceEdit;
    FInplaceEdit = nullptr;
    editor->Free();
  }
  FColWidths.clear();
  FRowHeights.clear();
  FTabStops.clear();
  inherited::Destroy();
}

void TCustomGrid_ts::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_TABSTOP;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
  Params.WindowClass.style = CS_DBLCLKS;
  if (FBorderStyle == bsSingle) {
    if (NewStyleControls && GetCtl3D()) {
      Params.Style &= ~WS_BORDER;
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    } else {
      Params.Style |= WS_BORDER;
    }
  }
}

void TCustomGrid_ts::Initialize() {
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
}

// ---- Properties -------------------------------------------------------------------------------------
void TCustomGrid_ts::SetColCount(Integer Value) {
  Value = std::max<Integer>(Value, 1);
  if (Value == FColCount) return;
  if (FFixedCols >= Value) FFixedCols = Value - 1;
  ChangeSize(Value, FRowCount);
  if (FOptions.Contains(goRowSelect)) {
    FAnchor.X = FColCount - 1;
    Invalidate();
  }
}

void TCustomGrid_ts::SetRowCount(Integer Value) {
  Value = std::max<Integer>(Value, 1);
  if (Value == FRowCount) return;
  if (FFixedRows >= Value) FFixedRows = Value - 1;
  ChangeSize(FColCount, Value);
}

void TCustomGrid_ts::SetFixedCols(Integer Value) {
  if (Value == FFixedCols) return;
  if (Value < 0) InvalidGridOperation(SGridIndexOutOfRange);
  if (Value >= FColCount) InvalidGridOperation(SFixedColTooBig);
  FFixedCols = Value;
  Initialize();
  InvalidateGrid();
  UpdateScrollRange();
}

void TCustomGrid_ts::SetFixedRows(Integer Value) {
  if (Value == FFixedRows) return;
  if (Value < 0) InvalidGridOperation(SGridIndexOutOfRange);
  if (Value >= FRowCount) InvalidGridOperation(SFixedRowTooBig);
  FFixedRows = Value;
  Initialize();
  InvalidateGrid();
  UpdateScrollRange();
}

void TCustomGrid_ts::SetDefaultColWidth(Integer Value) {
  if (Value == FDefaultColWidth) return;
  FDefaultColWidth = Value;
  FColWidths.clear();
  ColWidthsChanged();
  InvalidateGrid();
}

void TCustomGrid_ts::SetDefaultRowHeight(Integer Value) {
  if (Value == FDefaultRowHeight) return;
  FDefaultRowHeight = Value;
  FRowHeights.clear();
  RowHeightsChanged();
  InvalidateGrid();
}

// One width or height: the array is made (with the defaults) on the first size of its own.
void TCustomGrid_ts::SetExtent(TExtentArray& Extents, Integer Count, Integer Default, Integer Index, Integer Value,
                               void (TCustomGrid_ts::*Changed)()) {
  if (Index < 0 || Index >= Count) InvalidGridOperation(SGridIndexOutOfRange);
  if (Extents.empty()) ResizeExtents(Extents, 0, Count, Default);
  if (Extents[static_cast<size_t>(Index) + 1] == Value) return;
  InvalidateGrid();
  Extents[static_cast<size_t>(Index) + 1] = Value;
  (this->*Changed)();
}

void TCustomGrid_ts::SetColWidths(Integer Index, Integer Value) {
  SetExtent(FColWidths, FColCount, FDefaultColWidth, Index, Value, &TCustomGrid_ts::ColWidthsChanged);
}

void TCustomGrid_ts::SetRowHeights(Integer Index, Integer Value) {
  SetExtent(FRowHeights, FRowCount, FDefaultRowHeight, Index, Value, &TCustomGrid_ts::RowHeightsChanged);
}

void TCustomGrid_ts::SetTabStops(Integer Index, bool Value) {
  if (Index < 0 || Index >= FColCount) InvalidGridOperation(SGridIndexOutOfRange);
  if (FTabStops.empty()) ResizeExtents(FTabStops, 0, FColCount, 1);
  FTabStops[static_cast<size_t>(Index) + 1] = Value ? 1 : 0;
}

void TCustomGrid_ts::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  InvalidateGrid();
}

void TCustomGrid_ts::SetGridLineWidth(Integer Value) {
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  InvalidateGrid();
}

void TCustomGrid_ts::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomGrid_ts::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomGrid_ts::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  if (Value.Contains(goRowSelect)) Value.Exclude(goAlwaysShowEditor);
  FOptions = Value;
  if (!FEditorMode) {
    if (FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
    else HideEditor();
  }
  if (FOptions.Contains(goRowSelect)) MoveCurrent(FCurrent.X, FCurrent.Y, true, false);
  InvalidateGrid();
}

void TCustomGrid_ts::SetCol(Integer Value) {
  if (Value != FCurrent.X) FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid_ts::SetRow(Integer Value) {
  if (Value != FCurrent.Y) FocusCell(FCurrent.X, Value, true);
}

// A first scrolling cell outside the scrolling cells would show fixed cells twice or cells that do
// not exist, so the value is kept within them.
void TCustomGrid_ts::SetLeftCol(Integer Value) {
  Value = std::clamp<Integer>(Value, FFixedCols, FColCount - 1);
  if (Value != FTopLeft.X) MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid_ts::SetTopRow(Integer Value) {
  Value = std::clamp<Integer>(Value, FFixedRows, FRowCount - 1);
  if (Value != FTopLeft.Y) MoveTopLeft(FTopLeft.X, Value);
}

TGridRect TCustomGrid_ts::GetSelection() const {
  return {std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
          std::max(FCurrent.Y, FAnchor.Y)};
}

void TCustomGrid_ts::SetSelection(const TGridRect& Value) {
  auto inside = [this](Integer c, Integer r) { return c >= 0 && c < FColCount && r >= 0 && r < FRowCount; };
  if (!inside(Value.Left, Value.Top) || !inside(Value.Right, Value.Bottom)) InvalidGridOperation(SGridIndexOutOfRange);
  const TGridRect oldSel = GetSelection();
  FAnchor = Value.TopLeft();
  FCurrent = Value.BottomRight();
  SelectionMoved(oldSel);
}

Integer TCustomGrid_ts::GetVisibleColCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.ColAxis.LastWholeCell - FTopLeft.X + 1;
}

Integer TCustomGrid_ts::GetVisibleRowCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.RowAxis.LastWholeCell - FTopLeft.Y + 1;
}

Integer TCustomGrid_ts::GetGridWidth() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.ColAxis.CellsEnd;
}

Integer TCustomGrid_ts::GetGridHeight() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return info.RowAxis.CellsEnd;
}

// ---- Layout of the view -----------------------------------------------------------------------------
void TCustomGrid_ts::CalcDrawInfo(TGridDrawInfo& DrawInfo) { CalcDrawInfoXY(DrawInfo, GetClientWidth(), GetClientHeight()); }

void TCustomGrid_ts::CalcFixedInfo(TGridDrawInfo& DrawInfo) {
  auto axis = [this](TGridAxisDrawInfo& A, TGridOption FixedLine, TGridOption Line, Integer FixedCount,
                     TGetExtentsFunc ExtentOf, Integer Count, Integer First) {
    A.AxisLineWidth = FOptions.Contains(FixedLine) || FOptions.Contains(Line) ? FGridLineWidth : 0;
    A.FixedCount = FixedCount;
    A.FirstScrollCell = First;
    A.CellCount = Count;
    A.ExtentOf = ExtentOf;
    A.FixedEnd = 0;
    for (Integer i = 0; i < FixedCount; ++i) A.FixedEnd += ExtentOf(i) + A.AxisLineWidth;
  };
  axis(DrawInfo.ColAxis, goFixedVertLine, goVertLine, FFixedCols, TGetExtentsFunc(this, &TCustomGrid_ts::GetColWidths),
       FColCount, FTopLeft.X);
  axis(DrawInfo.RowAxis, goFixedHorzLine, goHorzLine, FFixedRows,
       TGetExtentsFunc(this, &TCustomGrid_ts::GetRowHeights), FRowCount, FTopLeft.Y);
}

void TCustomGrid_ts::CalcDrawInfoXY(TGridDrawInfo& DrawInfo, Integer UseWidth, Integer UseHeight) {
  CalcFixedInfo(DrawInfo);
  auto axis = [](TGridAxisDrawInfo& A, Integer Extent) {
    A.ClientExtent = Extent;
    A.CellsEnd = A.WholeCellsEnd = A.FixedEnd;
    A.LastWholeCell = A.FirstScrollCell;
    for (Integer i = A.FirstScrollCell; i < A.CellCount; ++i) {
      A.CellsEnd += A.ExtentOf(i) + A.AxisLineWidth;
      if (A.CellsEnd > A.ClientExtent + A.AxisLineWidth) {  // this cell does not end inside the client area
        A.CellsEnd = A.ClientExtent;
        break;
      }
      A.LastWholeCell = i;
      A.WholeCellsEnd = A.CellsEnd;
    }
  };
  axis(DrawInfo.ColAxis, UseWidth);
  axis(DrawInfo.RowAxis, UseHeight);
}

TGridCoord TCustomGrid_ts::CalcCoordFromPoint(Integer X, Integer Y, const TGridDrawInfo& DrawInfo) {
  // The line after a cell belongs to that cell.
  auto axis = [](const TGridAxisDrawInfo& A, Integer N) -> Integer {
    Integer i = 0, stop = A.FixedCount, line = 0;
    if (N >= A.FixedEnd) {
      i = A.FirstScrollCell;
      stop = A.CellCount;
      line = A.FixedEnd;
    }
    for (; i < stop; ++i) {
      line += A.ExtentOf(i) + A.AxisLineWidth;
      if (N < line) return i;
    }
    return -1;
  };
  if (DrawsRightToLeft()) X = GetClientWidth() - X;
  return {axis(DrawInfo.ColAxis, X), axis(DrawInfo.RowAxis, Y)};
}

TGridCoord TCustomGrid_ts::MouseCoord(Integer X, Integer Y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord result = CalcCoordFromPoint(X, Y, info);
  if (result.X < 0) result.Y = -1;
  else if (result.Y < 0) result.X = -1;
  return result;
}

TRect TCustomGrid_ts::CellRect(Integer ACol, Integer ARow) { return BoxRect(ACol, ARow, ACol, ARow); }

TRect TCustomGrid_ts::BoxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  TRect result;
  GridRectToScreenRect({ALeft, ATop, ARight, ABottom}, result, false);
  return result;
}

Integer AxisCellStart(const TGridAxisDrawInfo& Axis, Integer Cell) {
  Integer pos = 0, i = 0;
  if (Cell >= Axis.FixedCount) {
    pos = Cell < Axis.FirstScrollCell ? 0 : Axis.FixedEnd;
    i = Axis.FirstScrollCell;
  }
  for (; i < Cell; ++i) {
    pos += Axis.ExtentOf(i) + Axis.AxisLineWidth;
    if (pos > Axis.ClientExtent) return 0;
  }
  return pos;
}

void TCustomGrid_ts::GridRectToScreenRect(const TGridRect& GridRect, TRect& ScreenRect, bool IncludeLine) {
  ScreenRect = TRect(0, 0, 0, 0);
  if (GridRect.Left > GridRect.Right || GridRect.Top > GridRect.Bottom) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (GridRect.Left > info.ColAxis.LastWholeCell + 1 || GridRect.Top > info.RowAxis.LastWholeCell + 1) return;

  auto axis = [IncludeLine](const TGridAxisDrawInfo& A, Integer Min, Integer Max, LONG& Low, LONG& High) {
    if (Min >= A.FixedCount && Min < A.FirstScrollCell) {  // starts among the cells scrolled out
      if (Max < A.FirstScrollCell) return false;
      Min = A.FirstScrollCell;
    }
    if (Max > A.LastWholeCell) {
      Max = A.LastWholeCell;
      if (Max < A.CellCount - 1) ++Max;
      if (AxisCellStart(A, Max) == 0) --Max;
    }
    Low = AxisCellStart(A, Min);
    High = AxisCellStart(A, Max);
    if (High == 0) High = Low + A.ExtentOf(Min);
    else High += A.ExtentOf(Max);
    High = std::min<LONG>(High, A.ClientExtent);
    if (IncludeLine) High += A.AxisLineWidth;
    return true;
  };
  TRect r;
  if (!axis(info.ColAxis, GridRect.Left, GridRect.Right, r.left, r.right) ||
      !axis(info.RowAxis, GridRect.Top, GridRect.Bottom, r.top, r.bottom))
    return;
  if (DrawsRightToLeft() && !FCanvasMirrored) r = MirrorRect(r);
  ScreenRect = r;
}

TGridCoord TCustomGrid_ts::CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo) {
  auto axis = [](const TGridAxisDrawInfo& A, Integer Start) {
    if (Start < A.FixedCount) return Start;
    Integer result = Start, room = A.ClientExtent + A.AxisLineWidth;
    for (Integer i = Start; i >= A.FixedCount; --i) {
      const Integer extent = A.ExtentOf(i);
      if (extent <= 0) continue;  // hidden cells take no room
      room -= extent + A.AxisLineWidth;
      if (room < A.FixedEnd) {
        if (result == Start && A.ExtentOf(Start) <= 0) result = i;
        break;
      }
      result = i;
    }
    return result;
  };
  return {axis(DrawInfo.ColAxis, Coord.X), axis(DrawInfo.RowAxis, Coord.Y)};
}

void TCustomGrid_ts::InvalidateCell(Integer ACol, Integer ARow) { InvalidateRect({ACol, ARow, ACol, ARow}); }

// A whole column or row: the block reaches the last cell, which the screen rectangle clips to the
// view, so that a scrolled grid repaints the part it shows.
void TCustomGrid_ts::InvalidateCol(Integer ACol) {
  if (HandleAllocated()) InvalidateRect({ACol, 0, ACol, FRowCount - 1});
}

void TCustomGrid_ts::InvalidateRow(Integer ARow) {
  if (HandleAllocated()) InvalidateRect({0, ARow, FColCount - 1, ARow});
}

void TCustomGrid_ts::InvalidateRect(const TGridRect& ARect) {
  if (!HandleAllocated()) return;
  TRect r;
  GridRectToScreenRect(ARect, r, true);
  WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
}

// ---- Counts and structure ---------------------------------------------------------------------------
// A first scrolling cell beyond the last cell would show none.
void TCustomGrid_ts::KeepTopLeftInside() {
  FTopLeft.X = std::min(FTopLeft.X, FColCount - 1);
  FTopLeft.Y = std::min(FTopLeft.Y, FRowCount - 1);
}

void TCustomGrid_ts::ClampCurrentAndAnchor() {
  const TGridCoord current{std::min(FCurrent.X, FColCount - 1), std::min(FCurrent.Y, FRowCount - 1)};
  if (current != FCurrent) MoveCurrent(current.X, current.Y, true, true);
  TGridCoord anchor{std::min(FAnchor.X, FColCount - 1), std::min(FAnchor.Y, FRowCount - 1)};
  if (FOptions.Contains(goRowSelect)) anchor.X = FColCount - 1;
  if (anchor != FAnchor) MoveAnchor(anchor);
}

void TCustomGrid_ts::ChangeSize(Integer NewColCount, Integer NewRowCount) {
  const bool hadWindow = HandleAllocated();
  TGridDrawInfo oldInfo;
  if (hadWindow) CalcDrawInfo(oldInfo);
  const Integer oldColCount = FColCount, oldRowCount = FRowCount;
  const Integer oldFixedCols = FFixedCols, oldFixedRows = FFixedRows;

  auto follow = [&](Integer FromColCount, Integer FromRowCount) {
    FitExtents(FColWidths, FColCount, FDefaultColWidth);
    FitExtents(FTabStops, FColCount, 1);
    FitExtents(FRowHeights, FRowCount, FDefaultRowHeight);
    KeepTopLeftInside();
    ClampCurrentAndAnchor();
    if (hadWindow) {
      if (FFullRepaintOnResize || FTopLeft.X != oldInfo.ColAxis.FirstScrollCell ||
          FTopLeft.Y != oldInfo.RowAxis.FirstScrollCell) {
        InvalidateGrid();
      } else {
        // What lies from the last cell shown whole before or after the change to the far edges.
        TGridDrawInfo info;
        CalcDrawInfo(info);
        const Integer width = GetClientWidth(), height = GetClientHeight();
        const Integer x = AxisCellStart(
            info.ColAxis, std::min(oldInfo.ColAxis.LastWholeCell, info.ColAxis.LastWholeCell));
        TRect cols(x, 0, width, height);
        if (DrawsRightToLeft()) cols = MirrorRect(cols);
        WinPaint::InvalidateRect(GetHandle(), &cols, FALSE);
        const Integer y = AxisCellStart(
            info.RowAxis, std::min(oldInfo.RowAxis.LastWholeCell, info.RowAxis.LastWholeCell));
        TRect rows(0, y, width, height);
        WinPaint::InvalidateRect(GetHandle(), &rows, FALSE);
      }
    }
    UpdateScrollRange();
    SizeChanged(FromColCount, FromRowCount);
  };

  FColCount = NewColCount;
  FRowCount = NewRowCount;
  if (FFixedCols >= FColCount) FFixedCols = FColCount - 1;
  if (FFixedRows >= FRowCount) FFixedRows = FRowCount - 1;
  try {
    follow(oldColCount, oldRowCount);
  } catch (...) {
    FColCount = oldColCount;
    FRowCount = oldRowCount;
    FFixedCols = oldFixedCols;
    FFixedRows = oldFixedRows;
    follow(NewColCount, NewRowCount);
    InvalidateGrid();
    throw;
  }
}

void TCustomGrid_ts::AdjustSize(Integer Index, Integer Amount, bool Rows) {
  if (Amount == 0) return;
  const Integer oldColCount = FColCount, oldRowCount = FRowCount;
  const Integer oldCount = Rows ? FRowCount : FColCount;
  if (Index < 0 || Index > oldCount) InvalidGridOperation(SGridIndexOutOfRange);
  const Int64 newCount64 = Int64{oldCount} + Amount;
  if (newCount64 < Index || newCount64 < 1) InvalidGridOperation(STooManyDeleted);
  if (newCount64 > MaxInt) InvalidGridOperation(SGridTooLarge);
  const auto newCount = static_cast<Integer>(newCount64);

  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& axis = Rows ? info.RowAxis : info.ColAxis;
  const TGridAxisDrawInfo& across = Rows ? info.ColAxis : info.RowAxis;
  // How far the cells after Index shift: the deleted cells' extents with their lines, or the
  // inserted cells' default extents.
  Int64 movement = 0;
  const TExtentArray& extents = Rows ? FRowHeights : FColWidths;
  if (Amount < 0 && !extents.empty()) {
    for (Integer i = Index; i < Index - Amount && -movement <= axis.ClientExtent; ++i)
      movement -= axis.ExtentOf(i) + axis.AxisLineWidth;
  } else {
    movement = Int64{Amount} * ((Rows ? FDefaultRowHeight : FDefaultColWidth) + axis.AxisLineWidth);
  }
  // A move of more than the view uncovers all of it alike.
  movement = std::clamp<Int64>(movement, -Int64{axis.ClientExtent} - 1, Int64{axis.ClientExtent} + 1);

  if (Rows) {
    if (!FRowHeights.empty()) ResizeExtents(FRowHeights, Index, Amount, FDefaultRowHeight);
    FRowCount = newCount;
    if (FFixedRows >= newCount) FFixedRows = newCount - 1;
  } else {
    if (!FColWidths.empty()) ResizeExtents(FColWidths, Index, Amount, FDefaultColWidth);
    if (!FTabStops.empty()) ResizeExtents(FTabStops, Index, Amount, 1);
    FColCount = newCount;
    if (FFixedCols >= newCount) FFixedCols = newCount - 1;
  }
  KeepTopLeftInside();

  // The current cell and the anchor follow the cells they were on; one on a deleted cell lands on
  // Index, and both stay inside the grid.
  auto follow = [&](TGridCoord c) {
    Integer& p = Rows ? c.Y : c.X;
    if (p >= Index) p = Amount < 0 && p < Index - Amount ? Index : p + Amount;
    return TGridCoord{std::clamp<Integer>(c.X, 0, FColCount - 1), std::clamp<Integer>(c.Y, 0, FRowCount - 1)};
  };
  const TGridCoord newCurrent = follow(FCurrent);
  FAnchor = follow(FAnchor);
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;

  // Cells changed wholly before the view or after it leave the shown cells where they are.
  const bool beforeView = Index >= axis.FixedCount && Index + std::abs(Amount) <= axis.FirstScrollCell;
  const bool afterView = Index > axis.LastWholeCell + 1;
  if (HandleAllocated() && !beforeView && !afterView) {
    // The cells from Index on (those shown of them) move together. The fixed cells across them
    // name positions, not the cells moved: they are painted again for the new sizes.
    const Integer start = Index >= axis.FixedCount && Index < axis.FirstScrollCell ? axis.FixedEnd
                                                                                    : AxisCellStart(axis, Index);
    TRect area = Rows ? TRect(across.FixedEnd, start, across.ClientExtent, axis.ClientExtent)
                      : TRect(start, across.FixedEnd, axis.ClientExtent, across.ClientExtent);
    TRect fixedAcross = Rows ? TRect(0, start, across.FixedEnd, axis.ClientExtent)
                             : TRect(start, 0, axis.ClientExtent, across.FixedEnd);
    Integer dx = Rows ? 0 : static_cast<Integer>(movement), dy = Rows ? static_cast<Integer>(movement) : 0;
    if (DrawsRightToLeft()) {
      area = MirrorRect(area);
      fixedAcross = MirrorRect(fixedAcross);
      dx = -dx;
    }
    ScrollWindowEx(GetHandle(), dx, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    WinPaint::InvalidateRect(GetHandle(), &fixedAcross, FALSE);
    InvalidateCell(newCurrent.X, newCurrent.Y);  // its focus frame did not move with it
    Update();
  }
  UpdateScrollRange();
  SizeChanged(oldColCount, oldRowCount);
  if (newCurrent != FCurrent) MoveCurrent(newCurrent.X, newCurrent.Y, true, true);
}

void TCustomGrid_ts::MoveColumn(Integer FromIndex, Integer ToIndex) {
  if (FromIndex == ToIndex) return;
  if (FromIndex < 0 || FromIndex >= FColCount || ToIndex < 0 || ToIndex >= FColCount)
    InvalidGridOperation(SGridIndexOutOfRange);
  // The widths and the tab stops are kept apart: each moves when it has entries of its own.
  if (!FColWidths.empty()) MoveExtentEntry(FColWidths, FromIndex, ToIndex);
  if (!FTabStops.empty()) MoveExtentEntry(FTabStops, FromIndex, ToIndex);
  MoveAdjust(FCurrent.X, FromIndex, ToIndex);
  MoveAdjust(FAnchor.X, FromIndex, ToIndex);
  MoveAdjust(FInplaceCol, FromIndex, ToIndex);
  InvalidateRect({std::min(FromIndex, ToIndex), 0, std::max(FromIndex, ToIndex), FRowCount - 1});
  ColumnMoved(FromIndex, ToIndex);
  if (!FColWidths.empty()) ColWidthsChanged();
  UpdateEdit();
}

void TCustomGrid_ts::MoveRow(Integer FromIndex, Integer ToIndex) {
  if (FromIndex == ToIndex) return;
  if (FromIndex < 0 || FromIndex >= FRowCount || ToIndex < 0 || ToIndex >= FRowCount)
    InvalidGridOperation(SGridIndexOutOfRange);
  if (!FRowHeights.empty()) MoveExtentEntry(FRowHeights, FromIndex, ToIndex);
  MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
  MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
  MoveAdjust(FInplaceRow, FromIndex, ToIndex);
  // The rows between now show other rows (and other heights): they are drawn again.
  InvalidateRect({0, std::min(FromIndex, ToIndex), FColCount - 1, std::max(FromIndex, ToIndex)});
  RowMoved(FromIndex, ToIndex);
  if (!FRowHeights.empty()) RowHeightsChanged();
  UpdateEdit();
}

void TCustomGrid_ts::DeleteColumn(Integer ACol) {
  MoveColumn(ACol, FColCount - 1);
  SetColCount(FColCount - 1);
}

void TCustomGrid_ts::DeleteRow(Integer ARow) {
  MoveRow(ARow, FRowCount - 1);
  SetRowCount(FRowCount - 1);
}

void TCustomGrid_ts::ColWidthsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

void TCustomGrid_ts::RowHeightsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

void TCustomGrid_ts::TopLeftChanged() {
  if (FEditorMode && FInplaceEdit) FInplaceEdit->UpdateLoc(CellRect(FCurrent.X, FCurrent.Y));
}

// ---- Stream entries ---------------------------------------------------------------------------------
void TCustomGrid_ts::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  if (!FStoreExtents) return;
  auto* ancestor = dynamic_cast<TCustomGrid_ts*>(Filer->GetAncestor());
  auto differs = [ancestor](const TExtentArray& Own, const TExtentArray& Ancestors) {
    return ancestor ? !ExtentsEqual(Own, Ancestors) : !Own.empty();
  };
  Filer->DefineProperty("ColWidths", TReaderProc(this, &TCustomGrid_ts::ReadColWidths),
                        TWriterProc(this, &TCustomGrid_ts::WriteColWidths),
                        differs(FColWidths, ancestor ? ancestor->FColWidths : TExtentArray()));
  Filer->DefineProperty("RowHeights", TReaderProc(this, &TCustomGrid_ts::ReadRowHeights),
                        TWriterProc(this, &TCustomGrid_ts::WriteRowHeights),
                        differs(FRowHeights, ancestor ? ancestor->FRowHeights : TExtentArray()));
}

void TCustomGrid_ts::ReadColWidths(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  for (Integer i = 0; i < FColCount; ++i) SetColWidths(i, Reader->ReadInteger());
  Reader->ReadListEnd();
}

void TCustomGrid_ts::WriteColWidths(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (Integer i = 0; i < FColCount; ++i) Writer->WriteInteger(GetColWidths(i));
  Writer->WriteListEnd();
}

void TCustomGrid_ts::ReadRowHeights(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  for (Integer i = 0; i < FRowCount; ++i) SetRowHeights(i, Reader->ReadInteger());
  Reader->ReadListEnd();
}

void TCustomGrid_ts::WriteRowHeights(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (Integer i = 0; i < FRowCount; ++i) Writer->WriteInteger(GetRowHeights(i));
  Writer->WriteListEnd();
}

}  // namespace Grids_ts
