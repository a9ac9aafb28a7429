// Cell geometry of the grid's window: display cells to client rectangles and back, which columns
// and rows are on screen and how many fit, and invalidating cells, rows and columns. Widths and
// heights include the cell's grid line, which occupies its last pixel column or row.
#include "TSGridImpl.h"
#include "TSGridStores.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {

// One axis of the grid as the offset and counting walks see it.
struct TAxis {
  bool BarOn;                // the row bar (heading) is shown
  Integer BarExtent;         // its width (height)
  Integer LastFixed;         // the last fixed display position
  Integer FirstScroll;       // the first scrolling position shown (LeftCol, TopRow)
  Integer Count;             // display positions, bar included
  Integer Client;            // client width (height)
  TtsVisibleItems* Visible;  // the visible positions from 1 on
  Integer FixedCount;         // FixedCols (FixedRows)
  Integer FixedExtent;        // the fixed area width (height)
  Integer LineWidth;          // of the lines between positions
  TtsBaseGrid* Grid;
  bool Columns;
  Integer Extent(Integer Position) const {
    return Columns ? Grid->GetColWidths(Position) : Grid->GetRowHeights(Position);
  }
};

TAxis ColAxis(TtsBaseGrid* Grid) {
  return {Grid->GetRowBarOn(),      Grid->GetRowBarWidth(),   Grid->GetLastFixedCol(), Grid->GetLeftCol(),
          Grid->GetColCount(),      Grid->GetClientWidth(),   Grid->GetVisibleColItems(), Grid->GetFixedCols(),
          Grid->GetFixedWidth(),    Grid->GetVertLineWidth(), Grid, true};
}

TAxis RowAxis(TtsBaseGrid* Grid) {
  return {Grid->GetHeadingOn(),     Grid->GetHeadingHeight(), Grid->GetLastFixedRow(), Grid->GetTopRow(),
          Grid->GetRowCount(),      Grid->GetClientHeight(),  Grid->GetVisibleRowItems(), Grid->GetFixedRows(),
          Grid->GetFixedHeight(),   Grid->GetHorzLineWidth(), Grid, false};
}

// Where a display position starts on its axis, -1 when it is not on screen (hidden, scrolled out
// before the view, or beyond its end); a position past the last visible one starts where that one ends.
Integer AxisOffset(const TAxis& A, Integer Wanted) {
  if (Wanted == 0) return 0;
  Integer x = A.BarOn ? A.BarExtent : 0;
  Integer size = A.Visible->GetSize();
  Integer lastLooked = 0;
  Integer p = 1;
  for (; p <= size; ++p) {
    Integer c = A.Visible->GetItem(p);
    lastLooked = c;
    if (c > A.LastFixed || c >= Wanted) break;
    x += A.Extent(c);
    if (x > A.Client) return -1;
  }
  if (Wanted > A.LastFixed && x <= A.Client) {
    for (p = A.Visible->Locate(A.FirstScroll); p <= size; ++p) {
      Integer c = A.Visible->GetItem(p);
      lastLooked = c;
      if (c > A.Count - 1 || c >= Wanted) break;
      x += A.Extent(c);
      if (x > A.Client) break;
    }
  }
  return Wanted >= lastLooked && x <= A.Client ? x : -1;
}

// Counts the positions, in walking order (Next gives them until it answers false), that fit whole
// after the fixed area: a position counts when all of it but its line pixel fits.
template <class Next>
Integer CountFitting(const TAxis& A, Next NextPosition) {
  Integer extent = A.FixedExtent - A.LineWidth, count = 0, position = 0;
  while (NextPosition(position) && extent + A.Extent(position) <= A.Client) {
    extent += A.Extent(position);
    ++count;
  }
  return count;
}

// The last position at least partly on screen when the scrolling area starts at First.
Integer LastVisible(const TAxis& A, Integer First) {
  Integer extent = A.FixedExtent, added = 0;
  for (Integer p = First; p < A.Count && extent < A.Client; ++p, ++added) extent += A.Extent(p);
  return First + std::max(added, 1) - 1;
}

// Display positions from First on, hidden ones counting with no extent.
Integer CompVisible(const TAxis& A, Integer First) {
  return CountFitting(A, [&](Integer& Position) {
    Position = First++;
    return Position < A.Count;
  });
}

// Visible positions from the first shown on (Forward), or before it back to the fixed ones.
Integer ScrollFitting(const TAxis& A, bool Forward) {
  Integer p = A.Visible->Locate(A.FirstScroll) - (Forward ? 0 : 1);
  return CountFitting(A, [&](Integer& Position) {
    if (p < 1 || p > A.Visible->GetSize()) return false;
    Position = A.Visible->GetItem(Forward ? p++ : p--);
    return Position >= A.FixedCount;
  });
}

}  // namespace

// ---- Offsets and rectangles --------------------------------------------------------------------------
Integer TtsBaseGrid::CalcColOffset(Integer DisplayCol) {
  if (!HandleAllocated()) return -1;
  return AxisOffset(ColAxis(this), DisplayCol);
}

Integer TtsBaseGrid::CalcRowOffset(Integer DisplayRow) {
  if (!HandleAllocated()) return -1;
  return AxisOffset(RowAxis(this), DisplayRow);
}

void TtsBaseGrid::CalcCellRect(Integer DisplayCol, Integer DisplayRow, TRect& Rect) {
  Rect = TRect();
  if (!HandleAllocated()) return;
  Integer x = CalcColOffset(DisplayCol), y = CalcRowOffset(DisplayRow);
  if (x < 0 || y < 0) return;
  Integer width = DisplayCol < GetColCount() ? GetColWidths(DisplayCol) : 0;
  Integer height = DisplayRow < GetRowCount() ? GetRowHeights(DisplayRow) : 0;
  Rect = TRect(x, y, std::min(x + width, GetClientWidth()), std::min(y + height, GetClientHeight()));
}

void TtsBaseGrid::CellRect(Integer DisplayCol, Integer DisplayRow, TRect& Rect) {
  TRect r;
  CalcCellRect(DisplayCol, DisplayRow, r);
  Rect = TRect();
  if (IsRectEmpty(&r) || r.left >= GetClientWidth() || r.top >= GetClientHeight()) return;
  // A cell cut off by the window's edge keeps its last pixel: its line is not on screen.
  if (r.right < GetClientWidth() || r.Width() == GetColWidths(DisplayCol)) r.right -= FVertLineWidth;
  if (r.bottom < GetClientHeight() || r.Height() == GetRowHeights(DisplayRow)) r.bottom -= FHorzLineWidth;
  Rect = r;
}

void TtsBaseGrid::BoxRect(Integer Left, Integer Top, Integer Right, Integer Bottom, TRect& Rect) {
  Rect = TRect();
  if (!HandleAllocated()) return;
  if (Left > MaxVisibleCol() || Right < 0 || Top > MaxVisibleRow() || Bottom < 0) return;
  bool fixedStart = (!GetRowBarOn() && Left < GetFixedCols()) || (!GetHeadingOn() && Top < GetFixedRows());
  if (!fixedStart) {
    Rect = inherited::BoxRect(Left, Top, Right, Bottom);
    return;
  }
  // The base engine's block loses a hidden bar's zero-width cell: the corner cells set the edges.
  Rect = inherited::BoxRect(Left, Top, Left, Top);
  if (Left == Right && Top == Bottom) return;
  TRect last = inherited::BoxRect(Right, Bottom, Right, Bottom);
  Rect.right = last.right;
  Rect.bottom = last.bottom;
}

bool TtsBaseGrid::InClipRect(const TRect& Rect) {
  TRect clip = GetCanvas()->GetClipRect();
  return !(Rect.left > clip.right || clip.left + FVertLineWidth - 1 >= Rect.right || Rect.top > clip.bottom ||
           clip.top + FHorzLineWidth - 1 >= Rect.bottom);
}

// ---- Points to cells -----------------------------------------------------------------------------------
Integer TtsBaseGrid::ColFromX(Integer X) {
  if (!HandleAllocated() || X < 0 || X > GetClientWidth()) return -1;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return CalcCoordFromPoint(X, 0, info).X;
}

Integer TtsBaseGrid::RowFromY(Integer Y) {
  if (!HandleAllocated() || Y < 0 || Y > GetClientHeight()) return -1;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return CalcCoordFromPoint(0, Y, info).Y;
}

void TtsBaseGrid::CellFromXY(Integer X, Integer Y, Integer& DisplayCol, Integer& DisplayRow) {
  DisplayCol = ColFromX(X);
  DisplayRow = RowFromY(Y);
}

void TtsBaseGrid::ColRowFromXY(Integer X, Integer Y, Integer& DisplayCol, Integer& DisplayRow) {
  CellFromXY(X, Y, DisplayCol, DisplayRow);
  if (DisplayCol == -1) DisplayCol = X > 0 ? GetColCount() - 1 : 0;
  if (DisplayRow == -1) DisplayRow = Y > 0 ? GetRowCount() - 1 : 0;
}

// ---- First scrolling column and row ------------------------------------------------------------------
Integer TtsBaseGrid::MinLeftCol() {
  Integer col = GetFixedCols(), next;
  if (col > 0 && col < GetColCount() && !FCols->GetItem(GetDataCol(col))->GetVisible() &&
      GetNextCol(col, false, false, next))
    col = next;
  return col;
}

Integer TtsBaseGrid::MinTopRow() {
  Integer row = GetFixedRows(), next;
  if (row > 0 && row < GetRowCount() && !IsRowVisible(GetDataRow(row)) && GetNextRow(row, false, false, next))
    row = next;
  return row;
}

bool TtsBaseGrid::GetVisibleLeftCol(Integer DisplayCol, Integer& Result) {
  Result = std::max(DisplayCol, GetFixedCols());
  if (Result < GetColCount() && FCols->GetItem(GetDataCol(Result))->GetVisible()) return true;
  Integer start = Result, found;
  auto previous = [&] { return GetPrevCol(start, false, false, found) && found >= GetFixedCols(); };
  auto next = [&] { return GetNextCol(start, false, false, found); };
  bool ok = DisplayCol < GetLeftCol() ? previous() || next() : next() || previous();
  Result = found;
  return ok;
}

bool TtsBaseGrid::GetVisibleTopRow(Integer DisplayRow, Integer& Result) {
  Result = std::max(DisplayRow, GetFixedRows());
  if (Result < GetRowCount() && IsRowVisible(GetDataRow(Result))) return true;
  Integer start = Result, found;
  auto previous = [&] { return GetPrevRow(start, false, false, found) && found >= GetFixedRows(); };
  auto next = [&] { return GetNextRow(start, false, false, found); };
  bool ok = DisplayRow < GetTopRow() ? previous() || next() : next() || previous();
  Result = found;
  return ok;
}

// ---- Columns and rows that fit ---------------------------------------------------------------------------
Integer TtsBaseGrid::LastVisibleCol(Integer FirstCol) { return LastVisible(ColAxis(this), FirstCol); }
Integer TtsBaseGrid::LastVisibleRow(Integer FirstRow) { return LastVisible(RowAxis(this), FirstRow); }
Integer TtsBaseGrid::CompVisibleCols(Integer FirstCol) { return CompVisible(ColAxis(this), FirstCol); }
Integer TtsBaseGrid::CompVisibleRows(Integer FirstRow) { return CompVisible(RowAxis(this), FirstRow); }

Integer TtsBaseGrid::PrevVisibleCols() {
  Integer c = GetLeftCol();
  return CountFitting(ColAxis(this), [&](Integer& Position) {
    Position = --c;
    return Position >= GetFixedCols();
  });
}

Integer TtsBaseGrid::VisibleScrollCols() { return ScrollFitting(ColAxis(this), true); }
Integer TtsBaseGrid::VisibleScrollRows() { return ScrollFitting(RowAxis(this), true); }
Integer TtsBaseGrid::PrevScrollCols() { return ScrollFitting(ColAxis(this), false); }
Integer TtsBaseGrid::PrevScrollRows() { return ScrollFitting(RowAxis(this), false); }

// ---- Last column and row inside the window ------------------------------------------------------------
Integer TtsBaseGrid::MaxVisibleCol() {
  if (!HandleAllocated()) return 0;
  if (GetVisibleColCount() + GetLeftCol() != GetColCount()) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    Integer col = CalcCoordFromPoint(GetClientWidth() - 1, 0, info).X;
    if (col >= 0) return col;
  }
  return RightMostCol(false, false);
}

Integer TtsBaseGrid::MaxVisibleRow() {
  if (!HandleAllocated()) return 0;
  if (GetVisibleRowCount() + GetTopRow() < GetRowCount()) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    Integer row = CalcCoordFromPoint(0, GetClientHeight() - 1, info).Y;
    if (row >= 0) return row;
  }
  return FGridMode == gmEditInsert ? GetRowCount() - 1 : BottomMostRow(false, false);
}

// ---- Invalidation ------------------------------------------------------------------------------------
void TtsBaseGrid::InvalidateCell(Integer DisplayCol, Integer DisplayRow) {
  if (!GetFastAssign()) inherited::InvalidateCell(DisplayCol, DisplayRow);
}

void TtsBaseGrid::InvalidateRow(Integer DisplayRow) {
  if (GetFastAssign() || !HandleAllocated()) return;
  auto invalidate = [this](Integer Left, Integer Right, Integer Row) {
    TRect r;
    BoxRect(Left, Row, Right, Row, r);
    if (!IsRectEmpty(&r)) WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
  };
  Integer last = MaxVisibleCol();
  invalidate(GetLeftCol(), last, DisplayRow);
  if (GetRowBarOn() || FFixedDataColCount > 0) invalidate(0, std::min(last, FFixedDataColCount), DisplayRow);
}

void TtsBaseGrid::InvalidateCol(Integer DisplayCol) {
  if (GetFastAssign() || !HandleAllocated()) return;
  auto invalidate = [this](Integer Top, Integer Bottom, Integer Col) {
    TRect r;
    BoxRect(Col, Top, Col, Bottom, r);
    if (!IsRectEmpty(&r)) WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
  };
  Integer last = MaxVisibleRow();
  invalidate(GetTopRow(), last, DisplayCol);
  if (GetHeadingOn() || FFixedDataRowCount > 0) invalidate(0, std::min(last, FFixedDataRowCount), DisplayCol);
}

bool TtsBaseGrid::CheckInvalidateCell(Integer DisplayCol, Integer DisplayRow) {
  if (FPainting) return false;
  InvalidateCell(DisplayCol, DisplayRow);
  return true;
}

bool TtsBaseGrid::CheckInvalidateRow(Integer DisplayRow) {
  if (FPainting) return false;
  InvalidateRow(DisplayRow);
  return true;
}

bool TtsBaseGrid::CheckInvalidateCol(Integer DisplayCol) {
  if (FPainting) return false;
  InvalidateCol(DisplayCol);
  return true;
}

bool TtsBaseGrid::CellVisible(Integer DisplayCol, Integer DisplayRow) {
  if (!HandleAllocated()) return false;
  TRect r;
  CalcCellRect(DisplayCol, DisplayRow, r);
  return r.right > 0;
}

bool TtsBaseGrid::ColInView(Integer DisplayCol) {
  if (DisplayCol < 1 || DisplayCol > MaxVisibleCol()) return false;
  return !(DisplayCol >= GetFixedCols() && DisplayCol < GetLeftCol());
}

bool TtsBaseGrid::RowInView(Integer DisplayRow) {
  if (DisplayRow < 1 || DisplayRow > MaxVisibleRow()) return false;
  return !(DisplayRow >= GetFixedRows() && DisplayRow < GetTopRow());
}

}  // namespace TSGrid
