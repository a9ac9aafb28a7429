// Showing selections straight on the window, outside of a paint: a block of cells is inverted, or,
// when selections are shown in colour, its data cells are drawn again looking selected or not. A grid
// that cannot paint now invalidates the block instead.
#include "TSGridImpl.h"
#include "TSGridStores.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {

// A device context of the window for the inversion when none is given.
class TInversionDC {
 public:
  TInversionDC(TtsBaseGrid* Grid, HDC Given) : FGrid(Grid), FDC(Given) {
    if (!FDC && Grid->CanPaint()) {
      FDC = GetDC(Grid->GetHandle());
      FOwn = true;
    }
  }
  ~TInversionDC() {
    if (FOwn) ReleaseDC(FGrid->GetHandle(), FDC);
  }
  TInversionDC(const TInversionDC&) = delete;
  TInversionDC& operator=(const TInversionDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  TtsBaseGrid* FGrid;
  HDC FDC;
  bool FOwn = false;
};

}  // namespace

void TtsBaseGrid::RectInvert(HDC DC, const TRect& Rect) {
  if (CanPaint() && DC)
    PatBlt(DC, Rect.left, Rect.top, Rect.Width(), Rect.Height(), DSTINVERT);
  else
    WinPaint::InvalidateRect(GetHandle(), &Rect, FALSE);
}

void TtsBaseGrid::GridRectInvert(HDC DC, const TGridRect& Range, const TRect& Rect, bool Selected) {
  TRect r = Rect;
  if (r == NullRect) BoxRect(Range.Left, Range.Top, Range.Right, Range.Bottom, r);
  if (r == NullRect) return;
  if (!CanPaint()) {
    WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
    return;
  }
  if (!SelectionColorEnabled()) {
    RectInvert(DC, r);
    return;
  }
  SetFocusRectDisabled(true);
  try {
    for (Integer row = Range.Top; row <= Range.Bottom; ++row)
      for (Integer col = Range.Left; col <= Range.Right; ++col) {
        bool dataCell = col > 0 && row > 0;
        FInversionCol = col;
        FInversionRow = row;
        FInversionSelected = Selected && dataCell;
        TRect cell;
        CalcCellRect(col, row, cell);
        if (IsRectEmpty(&cell)) continue;
        if (dataCell)
          DoDrawCell(col, row, Selected, cell);
        else
          RectInvert(GetCanvas()->GetHandle(), cell);
      }
  } catch (...) {
    FInversionCol = FInversionRow = -1;
    FInversionSelected = false;
    SetFocusRectDisabled(false);
    throw;
  }
  FInversionCol = FInversionRow = -1;
  FInversionSelected = false;
  SetFocusRectDisabled(false);
}

void TtsBaseGrid::InvertRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2, const TRect& Rect,
                              bool Selected, HDC DC) {
  if (!HandleAllocated()) return;
  // An end scrolled out of view comes back to the fixed data cells.
  if (Row2 >= GetFixedRows() && Row2 < GetTopRow()) Row2 = FFixedDataRowCount;
  if (Col2 >= GetFixedCols() && Col2 < GetLeftCol()) Col2 = FFixedDataColCount;
  TInversionDC dc(this, DC);
  GridRectInvert(dc.Get(), MakeGridRect(Col1, Row1, Col2, Row2), Rect, Selected);
}

void TtsBaseGrid::InvertCell(Integer DisplayCol, Integer DisplayRow, const TRect& Rect, bool Selected, HDC DC) {
  InvertRange(DisplayCol, DisplayRow, DisplayCol, DisplayRow, Rect, Selected, DC);
}

void TtsBaseGrid::InvertRow(Integer DisplayRow, bool Selected, HDC DC) {
  if (!HandleAllocated()) return;
  bool barPart = GetRowBarOn() || FFixedDataColCount > 0;
  Integer barRight = std::min(FFixedDataColCount, MaxVisibleCol());
  bool scrolling = GetFixedCols() >= 1 && GetColCount() >= 2 && GetColCount() - 1 >= GetFixedCols();
  if (scrolling) {
    Integer right = std::min(GetLeftCol() + GetVisibleColCount(), GetColCount() - 1);
    InvertRange(barPart ? 0 : GetLeftCol(), DisplayRow, right, DisplayRow, NullRect, Selected, DC);
  } else if (barPart) {
    InvertRange(0, DisplayRow, barRight, DisplayRow, NullRect, Selected, DC);
  }
}

void TtsBaseGrid::InvertCol(Integer DisplayCol, TtsInvert Part, bool Selected, HDC DC) {
  if (!HandleAllocated()) return;
  Integer limit = std::min(FFixedDataRowCount, MaxVisibleRow());
  if ((GetHeadingOn() && Part != ivData) || FFixedDataRowCount > 0) {
    Integer top = Part == ivData ? 1 : 0;
    Integer bottom = Part == ivHead ? 0 : limit;
    if (top <= bottom) InvertRange(DisplayCol, top, DisplayCol, bottom, NullRect, Selected, DC);
  }
  if (GetFixedRows() > 0 && Part != ivHead && GetRowCount() - 1 >= GetFixedRows()) {
    Integer bottom = std::min(GetTopRow() + GetVisibleRowCount(), GetRowCount() - 1);
    InvertRange(DisplayCol, GetTopRow(), DisplayCol, bottom, NullRect, Selected, DC);
  }
}

void TtsBaseGrid::InvertHeading(bool Selected) {
  if (!HandleAllocated() || !GetHeadingOn()) return;
  if (FFixedDataColCount > 0) InvertRange(1, 0, FFixedDataColCount, 0, NullRect, Selected, nullptr);
  Integer last = MaxVisibleCol();
  if (GetLeftCol() <= last && GetLeftCol() >= GetFixedCols())
    InvertRange(GetLeftCol(), 0, last, 0, NullRect, Selected, nullptr);
}

void TtsBaseGrid::InvertLabel(bool Selected) {
  if (!HandleAllocated() || !GetRowBarOn()) return;
  if (FFixedDataRowCount > 0) InvertRange(0, 1, 0, FFixedDataRowCount, NullRect, Selected, nullptr);
  Integer last = MaxVisibleRow();
  if (GetTopRow() <= last && GetTopRow() >= GetFixedRows())
    InvertRange(0, GetTopRow(), 0, last, NullRect, Selected, nullptr);
}

void TtsBaseGrid::InvertGrid(bool Selected) {
  if (!HandleAllocated()) return;
  InvertLabel(Selected);
  InvertRange(1, 1, MaxVisibleCol(), MaxVisibleRow(), NullRect, Selected, nullptr);
}

// ---- Redrawing a range that is being dragged ---------------------------------------------------------------
void TtsBaseGrid::InvertNew(Integer Left, Integer Top, Integer Right, Integer Bottom) {
  if (!HandleAllocated()) return;
  auto invert = [this](Integer L, Integer T, Integer R, Integer B, bool Selected) {
    if (L <= R && T <= B) InvertRange(L, T, R, B, NullRect, Selected, nullptr);
  };
  Integer maxCol = MaxVisibleCol(), maxRow = MaxVisibleRow();
  Right = std::min(Right, maxCol);
  Bottom = std::min(Bottom, maxRow);
  switch (FGridStatus) {
    case grCellSelect: {
      Left = std::max(Left, 1);
      Top = std::max(Top, 1);
      TGridRect old = FSelectedRange;
      if (Left > old.Right || Right < old.Left || Top > old.Bottom || Bottom < old.Top) {
        invert(old.Left, old.Top, old.Right, old.Bottom, false);
        invert(Left, Top, Right, Bottom, true);
        return;
      }
      // Only what differs between the two ranges is drawn again.
      if (Top < old.Top)
        invert(Left, Top, Right, old.Top - 1, true);
      else if (old.Top < Top)
        invert(old.Left, old.Top, old.Right, Top - 1, false);
      Integer commonTop = std::max(Top, old.Top), commonBottom = std::min(Bottom, old.Bottom);
      if (Left < old.Left)
        invert(Left, commonTop, old.Left - 1, commonBottom, true);
      else if (old.Left < Left)
        invert(old.Left, commonTop, Left - 1, commonBottom, false);
      if (Right > old.Right)
        invert(old.Right + 1, commonTop, Right, commonBottom, true);
      else if (old.Right > Right)
        invert(Right + 1, commonTop, old.Right, commonBottom, false);
      if (Bottom > old.Bottom)
        invert(Left, old.Bottom + 1, Right, Bottom, true);
      else if (old.Bottom > Bottom)
        invert(old.Left, Bottom + 1, old.Right, old.Bottom, false);
      return;
    }
    case grRowSelect:
    case grColSelect: {
      Left = std::max(Left, GetLeftCol());
      Top = std::max(Top, GetTopRow());
      // Lines are the selected rows (columns); the range runs along them from AlongLow to AlongHigh.
      bool rows = FGridStatus == grRowSelect;
      TtsSelection* selection = rows ? FRowSelection : FColSelection;
      Integer low = rows ? Top : Left, high = rows ? Bottom : Right;
      Integer alongLow = rows ? Left : Top, alongHigh = rows ? Right : Bottom;
      Integer first = rows ? GetTopRow() : GetLeftCol(), last = rows ? maxRow : maxCol;
      Integer alongFirst = rows ? GetLeftCol() : GetTopRow(), alongLast = rows ? maxCol : maxRow;
      auto block = [&](Integer Line1, Integer Line2, Integer Along1, Integer Along2, bool Selected) {
        if (rows)
          invert(Along1, Line1, Along2, Line2, Selected);
        else
          invert(Line1, Along1, Line2, Along2, Selected);
      };
      auto unselectLine = [&](Integer Line) {
        if (rows)
          InvertRow(Line, false, nullptr);
        else
          InvertCol(Line, ivBoth, false, nullptr);
      };
      if (selection->RangeCount(first, last) == 0) {
        block(low, high, alongLow, alongHigh, true);
        return;
      }
      for (Integer line = first; line < low; ++line)
        if (selection->GetSelected(line)) unselectLine(line);
      Integer runStart = -1;
      for (Integer line = low; line <= high; ++line) {
        if (!selection->GetSelected(line)) {
          if (runStart < 0) runStart = line;
          continue;
        }
        if (runStart >= 0) block(runStart, line - 1, alongLow, alongHigh, true);
        runStart = -1;
        // A selected line keeps its look inside the range; its bar cell and what lies beside the
        // range go back to unselected.
        InvertCell(rows ? 0 : line, rows ? line : 0, NullRect, false, nullptr);
        block(line, line, alongFirst, alongLow - 1, false);
        block(line, line, alongHigh + 1, alongLast, false);
      }
      if (runStart >= 0) block(runStart, high, alongLow, alongHigh, true);
      for (Integer line = high + 1; line <= last; ++line)
        if (selection->GetSelected(line)) unselectLine(line);
      return;
    }
    default: return;
  }
}

}  // namespace TSGrid
