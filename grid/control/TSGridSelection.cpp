// Selections of display columns and rows and the cell range: adding, removing and inverting ranges
// with the grid status and the selection-changed notices, the program's selection operations, the
// selection queries, and the upkeep of the range when columns and rows are hidden or deleted.
// Showing a selection on screen (inversion) is the window side's: without a window nothing is drawn.
#include "TSGridImpl.h"
#include "TSGridSelectionPaint.h"

namespace TSGrid {

namespace {

// Swaps a reversed range and clamps it to 1..Max; false when nothing of it is left. (A range that
// lies wholly beyond Max is empty: handed on clamped, it would turn round and select Max.)
bool NormaliseRange(Integer& A, Integer& B, Integer Max) {
  if (B < A) std::swap(A, B);
  if (A < 1) {
    if (B < 1) return false;
    A = 1;
  }
  B = std::min(B, Max);
  return A <= B;
}

}  // namespace

// ---- Selection-changed notices ------------------------------------------------------------------
void TtsBaseGrid::SetSelectChanged(TtsSelectType Kind) { FSelectChanged.Include(Kind); }

void TtsBaseGrid::SelectChanged(TtsSelectType Kind, bool ByUser) {
  if (!FSelectChanged.Contains(Kind)) return;
  FSelectChanged.Exclude(Kind);
  DoSelectChanged(Kind, ByUser);
}

void TtsBaseGrid::SelectionsChanged(bool ByUser) {
  SelectChanged(stRowSelect, ByUser);
  SelectChanged(stColSelect, ByUser);
  SelectChanged(stCellSelect, ByUser);
}

// ---- Column and row selection ranges -----------------------------------------------------------------
void TtsBaseGrid::AddColSelection(Integer A, Integer B) {
  if (!NormaliseRange(A, B, GetColCount() - 1)) return;
  for (Integer i = A; i <= B; ++i) {
    if (FColSelection->GetSelected(i) || !FCols->GetItem(GetDataCol(i))->GetVisible()) continue;
    SetSelectChanged(stColSelect);
    FColSelection->SetSelected(i, true);
  }
  if (FColSelection->Count > 0 && FGridStatus == grNormal) FGridStatus = grColSelect;
}

void TtsBaseGrid::AddRowSelection(Integer A, Integer B) {
  if (!NormaliseRange(A, B, GetRowCount() - 1)) return;
  for (Integer i = A; i <= B; ++i) {
    if (FRowSelection->GetSelected(i) || !IsRowVisible(GetDataRow(i))) continue;
    SetSelectChanged(stRowSelect);
    FRowSelection->SetSelected(i, true);
  }
  if (FRowSelection->Count > 0 && FGridStatus == grNormal) FGridStatus = grRowSelect;
}

namespace {
void DeleteSelectionRange(TtsBaseGrid* Grid, TtsSelection* Selection, Integer A, Integer B, Integer Max,
                          TtsSelectType Kind) {
  if (Selection->Count == 0 || !NormaliseRange(A, B, Max)) return;
  if (Selection->First >= A && Selection->Last <= B) {
    Grid->SetSelectChanged(Kind);
    Selection->Reset();
    return;
  }
  Integer position = Selection->GetSelected(A) ? A : Selection->Next(A);
  while (position != -1 && position <= B) {
    Integer next = Selection->Next(position);
    Grid->SetSelectChanged(Kind);
    Selection->SetSelected(position, false);
    position = next;
  }
}
}  // namespace

void TtsBaseGrid::DeleteColSelection(Integer A, Integer B) {
  DeleteSelectionRange(this, FColSelection, A, B, GetColCount() - 1, stColSelect);
  if (FColSelection->Count == 0 && FGridStatus == grColSelect) FGridStatus = grNormal;
}

void TtsBaseGrid::DeleteRowSelection(Integer A, Integer B) {
  DeleteSelectionRange(this, FRowSelection, A, B, GetRowCount() - 1, stRowSelect);
  if (FRowSelection->Count == 0 && FGridStatus == grRowSelect) FGridStatus = grNormal;
}

namespace {
// Inverts the selection of the visible positions of A..B (walked through the visible list).
template <class Usable>
void InvertSelectionRange(TtsBaseGrid* Grid, TtsSelection* Selection, TtsVisibleItems* Visible, Integer A, Integer B,
                          TtsSelectType Kind, Usable IsUsable) {
  bool found;
  for (Integer index = Visible->Locate(A, found); index <= Visible->GetSize(); ++index) {
    Integer position = Visible->GetItem(index);
    if (position > B) break;
    if (position < A || !IsUsable(position)) continue;
    Grid->SetSelectChanged(Kind);
    Selection->SetSelected(position, !Selection->GetSelected(position));
  }
}
}  // namespace

void TtsBaseGrid::ChangeColSelection(Integer A, Integer B) {
  if (!NormaliseRange(A, B, GetColCount() - 1)) return;
  if (FColSelection->Count == 0) {
    AddColSelection(A, B);
    return;
  }
  InvertSelectionRange(this, FColSelection, FVisibleColItems, A, B, stColSelect,
                       [this](Integer Col) { return FCols->GetItem(GetDataCol(Col))->GetVisible(); });
  if (FColSelection->Count == 0 && FGridStatus == grColSelect)
    FGridStatus = grNormal;
  else if (FColSelection->Count > 0 && FGridStatus == grNormal)
    FGridStatus = grColSelect;
}

void TtsBaseGrid::ChangeRowSelection(Integer A, Integer B) {
  if (!NormaliseRange(A, B, GetGridRowCount())) return;
  if (FRowSelection->Count == 0) {
    AddRowSelection(A, B);
    return;
  }
  InvertSelectionRange(this, FRowSelection, FVisibleRowItems, A, B, stRowSelect,
                       [this](Integer Row) { return IsRowVisible(GetDataRow(Row)); });
  if (FRowSelection->Count == 0 && FGridStatus == grRowSelect)
    FGridStatus = grNormal;
  else if (FRowSelection->Count > 0 && FGridStatus == grNormal)
    FGridStatus = grRowSelect;
}

void TtsBaseGrid::DeleteAllColSelection() { DeleteColSelection(1, GetColCount() - 1); }
void TtsBaseGrid::DeleteAllRowSelection() { DeleteRowSelection(1, GetRowCount() - 1); }

void TtsBaseGrid::NewColSelection(Integer A, Integer B) {
  DeleteAllColSelection();
  AddColSelection(A, B);
}

void TtsBaseGrid::NewRowSelection(Integer A, Integer B) {
  DeleteAllRowSelection();
  AddRowSelection(A, B);
}

// ---- Queries -------------------------------------------------------------------------------------------
bool TtsBaseGrid::IsCellSelected(Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol < 0 || DisplayCol > GetGridColCount() || DisplayRow < 0 || DisplayRow > GetRowCount() - 1)
    return false;
  if (DisplayCol == 0 && DisplayRow == 0) return false;
  // A cell being repainted by an inversion looks the way the inversion shows it.
  if (DisplayCol == FInversionCol && DisplayRow == FInversionRow) return FInversionSelected;
  if (DisplayRow == 0) return FColSelection->GetSelected(DisplayCol);
  if (DisplayCol == 0) return IsRowSelected(GetDataRow(DisplayRow));
  if (FColSelection->GetSelected(DisplayCol) || IsRowSelected(GetDataRow(DisplayRow))) return true;
  return FGridStatus == grCellSelect && DisplayCol >= FSelectedRange.Left && DisplayCol <= FSelectedRange.Right &&
         DisplayRow >= FSelectedRange.Top && DisplayRow <= FSelectedRange.Bottom;
}

bool TtsBaseGrid::CellSelected(Integer DataCol, Integer DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetGridRowCount(), 1))
    return false;
  return IsCellSelected(DataCol, DataRow);
}

bool TtsBaseGrid::CanSelect(Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol >= 1 && DisplayCol <= FFixedDataColCount && !FSelectFixed) return false;
  if (DisplayRow >= 1 && DisplayRow <= FFixedDataRowCount && !FSelectFixed) return false;
  return true;
}

bool TtsBaseGrid::RowRangeUnselected(Integer First, Integer Last) {
  return FRowSelection->RangeCount(First, Last) == 0;
}

bool TtsBaseGrid::ColRangeUnselected(Integer First, Integer Last) {
  return FColSelection->RangeCount(First, Last) == 0;
}

Integer TtsBaseGrid::CompareRowPos(Integer DisplayRow) {
  return DisplayRow < FCurDisplayRow ? -1 : DisplayRow > FCurDisplayRow ? 1 : 0;
}

bool TtsBaseGrid::SelectionColorEnabled() {
  if (FIsComboGrid && FSelectionType == sltDefault) {
    if (TtsBaseGrid* parent = GetParentGrid()) return parent->SelectionColorEnabled();
  }
  return FSelectionType == sltColor && FSelectionColor != Graphics::clNone;
}

// ---- Selecting from program code -------------------------------------------------------------------------
void TtsBaseGrid::SelectCols(Integer From, Integer To, bool Select) {
  if (FColSelectMode == csNone || From > GetColCount() - 1 || To < 1) return;
  if (!Select && FGridStatus != grColSelect) return;
  From = std::max(From, 1);
  To = std::min(To, GetColCount() - 1);
  if (To < From || !CheckEndEdit(-1, -1, false)) return;
  if (CheckHideControl(true)) Update();
  DeleteSelections({grRowSelect, grCellSelect}, true);
  SelectionsChanged(false);
  for (Integer col = From; col <= To;) {
    Integer end = col;
    bool selected = FColSelection->GetSelected(col);
    while (end < To && FColSelection->GetSelected(end + 1) == selected) ++end;
    if (Select && !selected) {
      AddColSelection(col, end);
      AddColInversion(col, end);
    } else if (!Select && selected) {
      DeleteColInversion(col, end);
      DeleteColSelection(col, end);
    }
    col = end + 1;
  }
  ShowGridControl();
  CheckRowSelection(false);
  SelectionsChanged(false);
  GridStatusChanged();
}

void TtsBaseGrid::SelectRows(Integer From, Integer To, bool Select) { DoRowSelection(From, To, Select, false); }

void TtsBaseGrid::DoRowSelection(Integer From, Integer To, bool Select, bool ByUser) {
  if (FRowSelectMode == rsNone || (InRowSelectMode() && !Select)) return;
  if (From > GetRowCount() - 1 || To < 1 || (!Select && FGridStatus != grRowSelect)) return;
  From = std::max(From, 1);
  To = std::min(To, GetGridRowCount());
  if (To < From || (FRowSelectMode == rsSingle && Select && From != To)) return;
  if (!CheckEndEdit(-1, -1, false)) return;
  {
    TSelectionPaint paint(this);
    CheckHideControl(true);
    ClearCurrentFocusRect(false);
    if (FRowSelectMode == rsSingle && Select && From != FCurDisplayRow && FGridStatus == grRowSelect) {
      InvertSelectedRows(FCurDisplayRow, FCurDisplayRow, false);
      DeleteRowSelection(FCurDisplayRow, FCurDisplayRow);
    }
    if ((From <= 1 || (From <= GetTopRow() && FFixedDataRowCount == 0)) && To >= MaxVisibleRow() && Select &&
        FGridStatus != grNormal) {
      AdjustSelection(stRowSelect);
      SelectionsChanged(ByUser);
      AddRowSelection(From, To);
    } else {
      DeleteSelections({grColSelect, grCellSelect}, true);
      SelectionsChanged(ByUser);
      InvertRowSelection(From, To, Select);
    }
    if (FRowSelectMode == rsSingle && Select && From != FCurDisplayRow) {
      ClearCurrent(FCurDisplayRow);
      SetCurrentPosition(FCurDisplayCol, From, true, true);
      DrawCurrentSelected(From);
    }
  }
  ShowGridControl();
  DrawCurrentFocusRect(false);
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(ByUser);
  GridStatusChanged();
}

void TtsBaseGrid::InvertRowSelection(Integer From, Integer To, bool Select) {
  auto change = [&](Integer A, Integer B, bool Show) {
    for (Integer row = A; row <= B;) {
      Integer end = row;
      bool selected = FRowSelection->GetSelected(row);
      while (end < B && FRowSelection->GetSelected(end + 1) == selected) ++end;
      if (Select && !selected) {
        AddRowSelection(row, end);
        if (Show) InvertSelectedRows(row, end, true);
      } else if (!Select && selected) {
        if (Show) InvertSelectedRows(row, end, false);
        DeleteRowSelection(row, end);
      }
      row = end + 1;
    }
  };
  if (From >= GetFixedRows() && From < GetTopRow()) {
    change(From, std::min(To, GetTopRow() - 1), false);
    From = GetTopRow();
  }
  Integer lastShown = std::min(To, MaxVisibleRow());
  change(From, lastShown, true);
  change(std::max(From, lastShown + 1), To, false);
}

void TtsBaseGrid::AdjustSelection(TtsSelectType Keep) {
  switch (FGridStatus) {
    case grRowSelect:
      InvertUnselectedRows(1, MaxVisibleRow());
      if (Keep != stRowSelect) DeleteAllRowSelection();
      break;
    case grColSelect:
      InvertSelectedColHeadings(1, MaxVisibleCol());
      InvertUnselectedCols(1, MaxVisibleCol(), ivData);
      InvertLabel(true);
      if (Keep != stColSelect) DeleteAllColSelection();
      break;
    case grCellSelect:
      InvertNew(1, 1, MaxVisibleCol(), MaxVisibleRow());
      InvertLabel(true);
      if (Keep != stCellSelect) DeleteRangeSelection();
      break;
    default:
      break;
  }
}

void TtsBaseGrid::DeleteSelections(TSet<TtsGridStatus, 8> Statuses, bool UpdateNow) {
  if (!Statuses.Empty() && !Statuses.Contains(FGridStatus)) return;
  if (FGridStatus != grNormal) {
    {
      TSelectionPaint paint(this, false);
      switch (FGridStatus) {
        case grRowSelect:
          InvertSelectedRows(1, GetVisibleRowCount() + GetTopRow(), false);
          DeleteAllRowSelection();
          break;
        case grColSelect:
          DeleteColInversion(1, GetVisibleColCount() + GetLeftCol());
          DeleteAllColSelection();
          break;
        case grCellSelect:
          DeleteRangeInversion(FSelectedRange.Left, FSelectedRange.Top, FSelectedRange.Right, FSelectedRange.Bottom);
          DeleteRangeSelection();
          break;
        default:
          break;
      }
    }
    if (UpdateNow) Update();
  }
  FGridStatus = grNormal;
}

void TtsBaseGrid::DeleteRangeSelection() {
  SetSelectChanged(stCellSelect);
  FSelectedRange = MakeGridRect(0, 0, 0, 0);
  if (FGridStatus == grCellSelect) FGridStatus = grNormal;
}

void TtsBaseGrid::SelectSingleRow(Integer Row, bool Invalidate) {
  if (GetRowCount() < 2) return;
  if (Row < 1 || Row > GetRowCount() - 1) Row = 1;
  bool wasSelected = FRowSelection->GetSelected(Row);
  Integer oldRow = FCurDisplayRow;
  {
    TSelectionPaint paint(this, !Invalidate);
    if (!Invalidate) {
      // Each side only when it holds rows: an empty stretch would be walked backwards over Row.
      if (Row > 1) InvertSelectedRows(1, Row - 1, false);
      if (Row < MaxVisibleRow()) InvertSelectedRows(Row + 1, MaxVisibleRow(), false);
    }
    DeleteAllRowSelection();
    if (wasSelected) NewRowSelection(Row, Row);
    SetCurrentPosition(FCurDisplayCol, Row, true, true);
  }
  if (FCurDisplayRow != oldRow) {
    if (Invalidate)
      InvalidateCell(0, oldRow);
    else
      ClearCurrent(oldRow);
  }
  {
    TSelectionPaint paint(this, !Invalidate);
    if (Invalidate)
      InvalidateCell(0, Row);
    else if (wasSelected)
      DrawCurrentSelected(Row);
    else
      DrawCurrent(Row);
    if (!wasSelected) {
      NewRowSelection(Row, Row);
      if (Invalidate)
        InvalidateRow(Row);
      else
        InvertSelectedRows(Row, Row, true);
    }
  }
  FLastAddedDisplayCol = FCurDisplayCol;
  FLastAddedDisplayRow = FCurDisplayRow;
  CheckRowColChanged();
}

void TtsBaseGrid::CheckRowSelection(bool Invalidate) {
  if (!InRowSelectMode()) return;
  if (FGridStatus == grNormal || (FGridStatus == grRowSelect && !FRowSelection->GetSelected(FCurDisplayRow)))
    SelectSingleRow(FCurDisplayRow, Invalidate);
}

// ---- The cell range when columns and rows go ---------------------------------------------------------------
void TtsBaseGrid::DeleteSelectedCellsCol(Integer DisplayCol) {
  if (FSelectedRange.Right < DisplayCol) return;
  SetSelectChanged(stCellSelect);
  if (DisplayCol < FSelectedRange.Left) --FSelectedRange.Left;
  --FSelectedRange.Right;
  if (FSelectedRange.Right < FSelectedRange.Left) DeleteRangeSelection();
}

void TtsBaseGrid::DeleteSelectedCellsRow(Integer DisplayRow) {
  if (FSelectedRange.Bottom < DisplayRow) return;
  SetSelectChanged(stCellSelect);
  if (DisplayRow < FSelectedRange.Top) --FSelectedRange.Top;
  --FSelectedRange.Bottom;
  if (FSelectedRange.Bottom < FSelectedRange.Top) DeleteRangeSelection();
}

void TtsBaseGrid::CheckSelectedCellsCol(Integer DisplayCol) {
  if (FGridStatus != grCellSelect) return;
  auto hidden = [this](Integer Col) { return !FCols->GetItem(GetDataCol(Col))->GetVisible(); };
  if (DisplayCol == FSelectedRange.Left) {
    SetSelectChanged(stCellSelect);
    ++FSelectedRange.Left;
    while (FSelectedRange.Left <= FSelectedRange.Right && hidden(FSelectedRange.Left)) ++FSelectedRange.Left;
  } else if (DisplayCol == FSelectedRange.Right) {
    SetSelectChanged(stCellSelect);
    --FSelectedRange.Right;
    while (FSelectedRange.Right >= FSelectedRange.Left && hidden(FSelectedRange.Right)) --FSelectedRange.Right;
  }
  if (FSelectedRange.Right < FSelectedRange.Left) DeleteRangeSelection();
}

void TtsBaseGrid::CheckSelectedCellsRow(Integer DisplayRow) {
  if (FGridStatus != grCellSelect) return;
  auto hidden = [this](Integer Row) { return !GetRowVisible(GetDataRow(Row)); };
  if (DisplayRow == FSelectedRange.Top) {
    SetSelectChanged(stCellSelect);
    ++FSelectedRange.Top;
    while (FSelectedRange.Top <= FSelectedRange.Bottom && hidden(FSelectedRange.Top)) ++FSelectedRange.Top;
  } else if (DisplayRow == FSelectedRange.Bottom) {
    SetSelectChanged(stCellSelect);
    --FSelectedRange.Bottom;
    while (FSelectedRange.Bottom >= FSelectedRange.Top && hidden(FSelectedRange.Bottom)) --FSelectedRange.Bottom;
  }
  if (FSelectedRange.Bottom < FSelectedRange.Top) DeleteRangeSelection();
}

}  // namespace TSGrid
