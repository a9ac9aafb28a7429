// The selection model's operations on screen: the program's cell-range, reset and none operations,
// the range dragged by the mouse, the selection queries, and the inversion primitives. Each change of
// a visible cell's selected state is shown exactly once: inversions toggle, so a cell is inverted only
// when its stored state changed, and only while it is on screen.
#include "TSGridColumns.h"
#include "TSGridImpl.h"
#include "TSGridSelectionPaint.h"
#include "TSGridStores.h"
#include "WinPaint.h"

namespace TSGrid {

namespace {

// One device context of the grid's window for a whole loop of inversions.
class TLoopDC {
 public:
  explicit TLoopDC(TtsBaseGrid* Grid) : FGrid(Grid) {
    if (Grid->HandleAllocated() && Grid->CanPaint()) FDC = GetDC(Grid->GetHandle());
  }
  ~TLoopDC() {
    if (FDC) ReleaseDC(FGrid->GetHandle(), FDC);
  }
  TLoopDC(const TLoopDC&) = delete;
  TLoopDC& operator=(const TLoopDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  TtsBaseGrid* FGrid;
  HDC FDC = nullptr;
};

}  // namespace

// ---- Inversion primitives ---------------------------------------------------------------------------------
// Calls Show for each position of From..To (walked in either direction) that exists, is not beyond
// the last visible one and is on screen (fixed, or at or after the first scrolled one).
template <class F>
static void ForShownPositions(Integer From, Integer To, Integer Count, Integer MaxVisible, Integer Fixed,
                              Integer FirstScrolled, F Show) {
  Integer last = std::min(Count - 1, MaxVisible);
  Integer step = From <= To ? 1 : -1;
  for (Integer p = From;; p += step) {
    if (p >= 1 && p <= last && (p < Fixed || p >= FirstScrolled)) Show(p);
    if (p == To) break;
  }
}


// The same over the on-screen columns (rows) of From..To, with one device context for the loop;
// nothing without a window.
template <class F>
static void EachShownCol(TtsBaseGrid* Grid, Integer From, Integer To, F Show) {
  if (!Grid->HandleAllocated()) return;
  TLoopDC dc(Grid);
  ForShownPositions(From, To, Grid->GetColCount(), Grid->MaxVisibleCol(), Grid->GetFixedCols(), Grid->GetLeftCol(),
                    [&](Integer Col) { Show(Col, dc.Get()); });
}

template <class F>
static void EachShownRow(TtsBaseGrid* Grid, Integer From, Integer To, F Show) {
  if (!Grid->HandleAllocated()) return;
  TLoopDC dc(Grid);
  ForShownPositions(From, To, Grid->GetRowCount(), Grid->MaxVisibleRow(), Grid->GetFixedRows(), Grid->GetTopRow(),
                    [&](Integer Row) { Show(Row, dc.Get()); });
}

void TtsBaseGrid::AddColInversion(Integer From, Integer To) {
  EachShownCol(this, From, To, [&](Integer Col, HDC DC) {
    if (FColSelection->GetSelected(Col)) InvertCol(Col, ivBoth, true, DC);
  });
}

void TtsBaseGrid::DeleteColInversion(Integer From, Integer To) {
  EachShownCol(this, From, To, [&](Integer Col, HDC DC) {
    if (FColSelection->GetSelected(Col)) InvertCol(Col, ivBoth, false, DC);
  });
}

void TtsBaseGrid::InvertUnselectedCols(Integer From, Integer To, TtsInvert Part) {
  EachShownCol(this, From, To, [&](Integer Col, HDC DC) {
    if (!FColSelection->GetSelected(Col)) InvertCol(Col, Part, true, DC);
  });
}

void TtsBaseGrid::InvertSelectedColHeadings(Integer From, Integer To) {
  EachShownCol(this, From, To, [&](Integer Col, HDC DC) {
    if (FColSelection->GetSelected(Col)) InvertCol(Col, ivHead, false, DC);
  });
}

void TtsBaseGrid::ChangeColInversion(Integer From, Integer To, bool Shown) {
  EachShownCol(this, From, To, [&](Integer Col, HDC DC) {
    if (!FCols->GetItem(GetDataCol(Col))->GetVisible()) return;
    bool selected = FColSelection->GetSelected(Col);
    InvertCol(Col, ivBoth, Shown ? selected : !selected, DC);
  });
}

void TtsBaseGrid::InvertSelectedRows(Integer FirstRow, Integer LastRow, bool Selected) {
  EachShownRow(this, FirstRow, LastRow, [&](Integer Row, HDC DC) {
    if (FRowSelection->GetSelected(Row)) InvertRow(Row, Selected, DC);
  });
}

void TtsBaseGrid::InvertUnselectedRows(Integer FirstRow, Integer LastRow) {
  EachShownRow(this, FirstRow, LastRow, [&](Integer Row, HDC DC) {
    if (!FRowSelection->GetSelected(Row) && IsRowVisible(GetDataRow(Row))) InvertRow(Row, true, DC);
  });
}

void TtsBaseGrid::ChangeRowInversion(Integer From, Integer To, bool Shown) {
  EachShownRow(this, From, To, [&](Integer Row, HDC DC) {
    if (!IsRowVisible(GetDataRow(Row))) return;
    bool selected = FRowSelection->GetSelected(Row);
    InvertRow(Row, Shown ? selected : !selected, DC);
  });
}

void TtsBaseGrid::AddRangeInversion(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  if (Col1 <= Col2 && Row1 <= Row2) InvertRange(Col1, Row1, Col2, Row2, NullRect, true, nullptr);
}

void TtsBaseGrid::DeleteRangeInversion(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  if (Col1 <= Col2 && Row1 <= Row2) InvertRange(Col1, Row1, Col2, Row2, NullRect, false, nullptr);
}

// Hides what leaves the range and shows what enters it. Each band is clipped to the range it belongs
// to (hide bands to the old range, show bands to the new), so that a cell between two ranges apart
// from each other is never touched.
void TtsBaseGrid::ModifyRangeInversion(Integer l, Integer t, Integer r, Integer b) {
  const Integer L = FSelectedRange.Left, T = FSelectedRange.Top, R = FSelectedRange.Right, B = FSelectedRange.Bottom;
  if (l > R || r < L || t > B || b < T) {
    DeleteRangeInversion(L, T, R, B);
    AddRangeInversion(l, t, r, b);
    return;
  }
  const Integer top = std::max(T, t), bottom = std::min(B, b);
  DeleteRangeInversion(L, T, R, std::min(B, t - 1));
  DeleteRangeInversion(L, top, std::min(R, l - 1), bottom);
  DeleteRangeInversion(std::max(L, r + 1), top, R, bottom);
  DeleteRangeInversion(L, std::max(T, b + 1), R, B);
  AddRangeInversion(l, t, r, std::min(b, T - 1));
  AddRangeInversion(l, top, std::min(r, L - 1), bottom);
  AddRangeInversion(std::max(l, R + 1), top, r, bottom);
  AddRangeInversion(l, std::max(t, B + 1), r, b);
}

// ---- Queries ------------------------------------------------------------------------------------------
bool TtsBaseGrid::CellInGridSelection(Integer DisplayCol, Integer DisplayRow) {
  return DisplayCol >= FSelectedRange.Left && DisplayCol <= FSelectedRange.Right && DisplayRow >= FSelectedRange.Top &&
         DisplayRow <= FSelectedRange.Bottom;
}

void TtsBaseGrid::SetSelectedRow(Integer DisplayRow, bool Value) { FRowSelection->SetSelected(DisplayRow, Value); }

bool TtsBaseGrid::FixedColsSelected() {
  return GetFixedCols() >= 2 && FColSelection->First < GetFixedCols();
}

bool TtsBaseGrid::FixedRowsSelected() {
  return GetFixedRows() >= 2 && FRowSelection->First < GetFixedRows();
}

bool TtsBaseGrid::RowRangeSelected(Integer From, Integer To) {
  if (To < From) std::swap(From, To);
  for (Integer row = From; row <= To; ++row)
    if (!FRowSelection->GetSelected(row) && IsRowVisible(GetDataRow(row))) return false;
  return true;
}

bool TtsBaseGrid::ColRangeSelected(Integer From, Integer To) {
  if (To < From) std::swap(From, To);
  for (Integer col = From; col <= To; ++col)
    if (!FColSelection->GetSelected(col) && FCols->GetItem(GetDataCol(col))->GetVisible()) return false;
  return true;
}

// ---- Selecting from program code ------------------------------------------------------------------------
void TtsBaseGrid::SelectCells(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  if (Col2 < Col1) std::swap(Col1, Col2);
  if (Row2 < Row1) std::swap(Row1, Row2);
  if (Col2 < 1 || Col1 >= GetColCount() || Row2 < 1 || Row1 >= GetRowCount()) return;
  if (!CheckEndEdit(-1, -1, false)) return;
  if (CheckHideControl(true)) Update();
  DeleteSelections({grColSelect, grRowSelect}, true);
  SelectionsChanged(false);
  bool hadRange = !(FSelectedRange == MakeGridRect(0, 0, 0, 0));
  if (hadRange) {
    ModifyRangeInversion(Col1, Row1, Col2, Row2);
    DeleteRangeSelection();
  }
  FGridStatus = grCellSelect;
  FSelectedRange = MakeGridRect(Col1, Row1, Col2, Row2);
  FRangeAnchor = MakeGridRect(Col1, Row1, Col1, Row1);
  SetSelectChanged(stCellSelect);
  if (!hadRange) AddRangeInversion(Col1, Row1, Col2, Row2);
  ShowGridControl();
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::SelectNone(Integer& DisplayCol, Integer& DisplayRow, Integer AltCol, TtsTextSelectMode Mode) {
  Integer oldRow = FCurDisplayRow;
  try {
    ClearCurrentFocusRect(false);
    SetCurrentPosition(DisplayCol, DisplayRow, true, true);
    if (Mode != tsDefault) SetControlSelectMode(Mode);
    DeleteSelections({}, true);
    DrawCurrent(DisplayRow);
    if (AltCol != -1 && AltCol != DisplayCol) {
      Integer dataCol = GetDataCol(AltCol);
      bool blocked = CellIsReadOnly(dataCol, GetDataRow(DisplayRow)) && FCols->GetItem(dataCol)->GetReadOnly();
      if (!blocked) {
        SetCurrentPosition(AltCol, DisplayRow, true, true);
        DisplayCol = AltCol;
      }
    }
  } catch (...) {
    if (FCurDisplayRow != oldRow) ClearCurrent(oldRow);
    CheckRowColChanged();
    throw;
  }
  if (FCurDisplayRow != oldRow) ClearCurrent(oldRow);
  CheckRowColChanged();
}

void TtsBaseGrid::ResetSelection() {
  if (FGridStatus == grNormal) return;
  if (FGridMode != gmListBox || FRowSelectMode == rsNone) {
    Integer col = FCurDisplayCol, row = FCurDisplayRow;
    SelectNone(col, row, -1, tsDefault);
    FGridStatus = grNormal;
  } else {
    if (FRowSelectMode != rsSingle) DeleteSelections({}, true);
    CheckRowSelection(false);
  }
  ShowGridControl();
  DrawCurrentFocusRect(false);
  SelectionsChanged(false);
  GridStatusChanged();
}

// ---- The cell range dragged by the mouse --------------------------------------------------------------
void TtsBaseGrid::StartCellSelection(Integer DisplayCol, Integer DisplayRow) {
  if (!(FSelectedRange == MakeGridRect(0, 0, 0, 0))) {
    if (DisplayRow == FCurDisplayRow) {
      SetCurrentPosition(DisplayCol, DisplayRow, true, true);
    } else {
      ClearCurrent(FCurDisplayRow);
      SetCurrentPositionAndDraw(DisplayCol, DisplayRow, true, true);
    }
    DeleteInversionAtNewRange(DisplayCol, DisplayRow);
  } else {
    HideGridControl(true);
    SelectNone(DisplayCol, DisplayRow, -1, tsDefault);
  }
  FGridStatus = grCellSelect;
  FSelectedRange = MakeGridRect(DisplayCol, DisplayRow, DisplayCol, DisplayRow);
  FRangeAnchor = FSelectedRange;
  InvalidateCell(DisplayCol, DisplayRow);
  CheckRowColChanged();
  SetSelectChanged(stCellSelect);
  SelectionsChanged(true);
}

void TtsBaseGrid::DeleteInversionAtNewRange(Integer DisplayCol, Integer DisplayRow) {
  Integer left = std::max(FSelectedRange.Left, 1), right = std::min(FSelectedRange.Right, MaxVisibleCol());
  Integer top = std::max(FSelectedRange.Top, 1), bottom = std::min(FSelectedRange.Bottom, MaxVisibleRow());
  if (DisplayCol >= left && DisplayCol <= right && DisplayRow >= top && DisplayRow <= bottom) {
    DeleteRangeInversion(left, top, DisplayCol - 1, bottom);
    DeleteRangeInversion(DisplayCol, top, DisplayCol, DisplayRow - 1);
    DeleteRangeInversion(DisplayCol, DisplayRow + 1, DisplayCol, bottom);
    DeleteRangeInversion(DisplayCol + 1, top, right, bottom);
  } else {
    DeleteRangeInversion(left, top, right, bottom);
  }
}

void TtsBaseGrid::ChangeCellSelection(Integer DisplayCol, Integer DisplayRow) {
  DisplayCol = std::max(DisplayCol, LeftMostCol(false, true));
  DisplayRow = std::max(DisplayRow, TopMostRow(false, true));
  if (IsAppendRow(DisplayRow)) {
    Integer previous;
    if (!GetPrevRow(DisplayRow, false, true, previous)) return;
    DisplayRow = previous;
  }
  TGridRect before = FSelectedRange;
  const Integer anchorCol = FRangeAnchor.Left, anchorRow = FRangeAnchor.Top;
  if (DisplayCol > anchorCol && DisplayRow > anchorRow)
    SelectRangeLargerRowsLargerCols(DisplayCol, DisplayRow);
  else if (DisplayCol > anchorCol)
    SelectRangeSmallerRowsLargerCols(DisplayCol, DisplayRow);
  else if (DisplayRow > anchorRow)
    SelectRangeLargerRowsSmallerCols(DisplayCol, DisplayRow);
  else
    SelectRangeSmallerRowsSmallerCols(DisplayCol, DisplayRow);
  if (!(FSelectedRange == before)) SetSelectChanged(stCellSelect);
  SelectionsChanged(true);
}

// The range's columns follow Col with the anchor column kept inside: Larger when Col lies right of
// the anchor. Only the difference is shown.
static void DragRangeCols(TtsBaseGrid* Grid, TGridRect& Range, Integer Anchor, Integer Col, bool Larger) {
  if (Larger) {
    if (Range.Left < Anchor) {
      Grid->DeleteRangeInversion(Range.Left, Range.Top, Anchor - 1, Range.Bottom);
      Range.Left = Anchor;
    }
    if (Range.Right < Col)
      Grid->AddRangeInversion(Range.Right + 1, Range.Top, Col, Range.Bottom);
    else if (Col < Range.Right)
      Grid->DeleteRangeInversion(Col + 1, Range.Top, Range.Right, Range.Bottom);
    Range.Right = Col;
  } else {
    if (Range.Right > Anchor) {
      Grid->DeleteRangeInversion(Anchor + 1, Range.Top, Range.Right, Range.Bottom);
      Range.Right = Anchor;
    }
    if (Col < Range.Left)
      Grid->AddRangeInversion(Col, Range.Top, Range.Left - 1, Range.Bottom);
    else if (Range.Left < Col)
      Grid->DeleteRangeInversion(Range.Left, Range.Top, Col - 1, Range.Bottom);
    Range.Left = Col;
  }
}

// The same for the range's rows.
static void DragRangeRows(TtsBaseGrid* Grid, TGridRect& Range, Integer Anchor, Integer Row, bool Larger) {
  if (Larger) {
    if (Range.Top < Anchor) {
      Grid->DeleteRangeInversion(Range.Left, Range.Top, Range.Right, Anchor - 1);
      Range.Top = Anchor;
    }
    if (Range.Bottom < Row)
      Grid->AddRangeInversion(Range.Left, Range.Bottom + 1, Range.Right, Row);
    else if (Row < Range.Bottom)
      Grid->DeleteRangeInversion(Range.Left, Row + 1, Range.Right, Range.Bottom);
    Range.Bottom = Row;
  } else {
    if (Range.Bottom > Anchor) {
      Grid->DeleteRangeInversion(Range.Left, Anchor + 1, Range.Right, Range.Bottom);
      Range.Bottom = Anchor;
    }
    if (Row < Range.Top)
      Grid->AddRangeInversion(Range.Left, Row, Range.Right, Range.Top - 1);
    else if (Range.Top < Row)
      Grid->DeleteRangeInversion(Range.Left, Range.Top, Range.Right, Row - 1);
    Range.Top = Row;
  }
}

void TtsBaseGrid::SelectRangeLargerRowsLargerCols(Integer DisplayCol, Integer DisplayRow) {
  DragRangeCols(this, FSelectedRange, FRangeAnchor.Left, DisplayCol, true);
  DragRangeRows(this, FSelectedRange, FRangeAnchor.Top, DisplayRow, true);
}

void TtsBaseGrid::SelectRangeLargerRowsSmallerCols(Integer DisplayCol, Integer DisplayRow) {
  DragRangeCols(this, FSelectedRange, FRangeAnchor.Left, DisplayCol, false);
  DragRangeRows(this, FSelectedRange, FRangeAnchor.Top, DisplayRow, true);
}

void TtsBaseGrid::SelectRangeSmallerRowsLargerCols(Integer DisplayCol, Integer DisplayRow) {
  DragRangeCols(this, FSelectedRange, FRangeAnchor.Left, DisplayCol, true);
  DragRangeRows(this, FSelectedRange, FRangeAnchor.Top, DisplayRow, false);
}

void TtsBaseGrid::SelectRangeSmallerRowsSmallerCols(Integer DisplayCol, Integer DisplayRow) {
  DragRangeCols(this, FSelectedRange, FRangeAnchor.Left, DisplayCol, false);
  DragRangeRows(this, FSelectedRange, FRangeAnchor.Top, DisplayRow, false);
}

}  // namespace TSGrid
