// Moving whole column and row ranges in the display order (a dragged selection is gathered into
// one block at the drop place), the visible lists rebuilt after many moves, the insertion row, the
// top-left entry point and the heading-button hit tests that decide whether a heading was clicked.
#include <functional>

#include "TSGridImpl.h"

namespace TSGrid {

// ---- Insertion row and top-left ----------------------------------------------------------------------
void TtsBaseGrid::ShowInsertionRow() {
  if (FGridMode != gmEditInsert || FInsertionRow != 0) return;
  FInsertRowEdited = false;
  SetInsertionRow(1);
  SetNewRowCount(GetGridRowCount());
}

void TtsBaseGrid::SetTopLeft(Integer LeftCol, Integer TopRow) { MoveTopLeft(LeftCol, TopRow); }

// ---- Heading clicks ----------------------------------------------------------------------------------------
// A heading button counts only in its upper part, where its face is drawn.
static constexpr Integer HeadingButtonClickHeight = 14;

bool TtsBaseGrid::MouseOverHeadingButton(Integer X, Integer Y, Integer DisplayCol) {
  if (!ButtonInColHeading(DisplayCol)) return false;
  TtsDrawData data;
  GetDrawData(DisplayCol, 0, data, false);
  const TRect& button = data.ButtonRect;
  Integer bottom = std::min<Integer>(button.bottom, button.top + HeadingButtonClickHeight);
  return X >= button.left && X < button.right && Y < bottom;
}

bool TtsBaseGrid::CanClickHeading(Integer X, Integer Y, Integer DisplayCol) {
  if (FPressedHeadingCol != -1 || DisplayCol < 1 || DisplayCol > GetGridColCount()) return false;
  if (IsCellSelected(DisplayCol, 0)) return false;
  if (ButtonInColHeading(DisplayCol)) return MouseOverHeadingButton(X, Y, DisplayCol);
  return IsColHeadingButton(DisplayCol) && GetHeadingOn() && Y <= GetHeadingHeight();
}

// ---- Visible lists ------------------------------------------------------------------------------------------
void TtsBaseGrid::UpdateVisibleCols() {
  Integer size = FVisibleColItems->GetSize();
  Integer cols = GetGridColCount();
  if (size >= cols) return;
  Integer entry = 0;
  for (Integer position = 1; position <= cols && entry < size; ++position)
    if (FCols->GetItem(GetDataCol(position))->GetVisible()) FVisibleColItems->SetItem(++entry, position);
}

void TtsBaseGrid::UpdateVisibleRows() {
  Integer size = FVisibleRowItems->GetSize();
  Integer rows = GetGridRowCount();
  if (size >= rows) return;
  Integer entry = 0;
  for (Integer position = 1; position <= rows && entry < size; ++position)
    if (IsRowVisible(GetDataRow(position))) FVisibleRowItems->SetItem(++entry, position);
}

// ---- Counting selected positions between a drag's start and its target -------------------------------------
namespace {
Integer DiffSelected(const TtsSelection* Selection, Integer A, Integer B) {
  if (B < A) return Selection->RangeCount(B + 1, A);
  if (A < B) return -Selection->RangeCount(A, B - 1);
  return 0;
}
}  // namespace

Integer TtsBaseGrid::DiffSelectedCols(Integer A, Integer B) { return DiffSelected(FColSelection, A, B); }
Integer TtsBaseGrid::DiffSelectedRows(Integer A, Integer B) { return DiffSelected(FRowSelection, A, B); }

// ---- Gathering the selected positions into one block --------------------------------------------------------
namespace {
// The many selections beyond which the visible list is rebuilt once instead of moved step by step.
constexpr Integer StepwiseVisibleLimit = 100;

// Gathers the selected positions of Selection into one block at the drop place To of the dragged
// position From, moving one position at a time with Step (which moves the display order, the sizes
// and, when asked, the visible list). Positions already in place are not moved.
void GatherSelection(TtsSelection* Selection, Integer From, Integer To,
                     const std::function<void(Integer From, Integer To, bool MoveVisible)>& Step) {
  bool moveVisible = Selection->Count < StepwiseVisibleLimit;
  auto move = [&](Integer Position, Integer Target) {
    if (Position == Target) return;
    Selection->SetSelected(Target, true);
    Selection->SetSelected(Position, false);
    Step(Position, Target, moveVisible);
  };
  Integer first, last;
  if (To < From) {
    // The selected positions left of the target close up against it, nearest first ...
    Integer target = To - 1;
    for (Integer p = Selection->Previous(To); p > 0; p = Selection->Previous(p)) move(p, target--);
    first = target + 1;
    // ... then those from the target on follow it, the dragged one among them.
    target = To;
    for (Integer p = Selection->Next(To - 1); p > 0; p = Selection->Next(target - 1)) move(p, target++);
    last = target - 1;
  } else {
    Integer target = To + 1;
    for (Integer p = Selection->Next(To); p > 0; p = Selection->Next(p)) move(p, target++);
    last = target - 1;
    target = To;
    for (Integer p = Selection->Previous(To + 1); p > 0; p = Selection->Previous(target + 1)) move(p, target--);
    first = target + 1;
  }
  Selection->First = first;
  Selection->Last = last;
}
}  // namespace

// Both directions gather the block the same way; the direction only decides the block's place.
void TtsBaseGrid::MoveColRangeLeft(Integer FromCol, Integer ToCol) { MoveColBlock(FromCol, ToCol); }
void TtsBaseGrid::MoveColRangeRight(Integer FromCol, Integer ToCol) { MoveColBlock(FromCol, ToCol); }
void TtsBaseGrid::MoveRowRangeUp(Integer FromRow, Integer ToRow) { MoveRowBlock(FromRow, ToRow); }
void TtsBaseGrid::MoveRowRangeDown(Integer FromRow, Integer ToRow) { MoveRowBlock(FromRow, ToRow); }

void TtsBaseGrid::MoveColBlock(Integer FromCol, Integer ToCol) {
  if (FColSelection->Count == 0) {
    ChangeDisplayCol(FromCol, ToCol);
    MoveVisibleCol(FromCol, ToCol);
    ChangeColWidths(FromCol, ToCol);
    return;
  }
  bool rebuild = FColSelection->Count >= StepwiseVisibleLimit;
  try {
    GatherSelection(FColSelection, FromCol, ToCol, [this](Integer From, Integer To, bool MoveVisible) {
      ChangeDisplayCol(From, To);
      ChangeColWidths(From, To);
      if (MoveVisible) MoveVisibleCol(From, To);
    });
  } catch (...) {
    UpdateVisibleCols();
    throw;
  }
  if (rebuild) UpdateVisibleCols();
}

void TtsBaseGrid::MoveRowBlock(Integer FromRow, Integer ToRow) {
  if (FRowSelection->Count == 0) {
    ChangeDisplayRow(FromRow, ToRow);
    MoveVisibleRow(FromRow, ToRow);
    ChangeRowHeights(FromRow, ToRow);
    return;
  }
  bool rebuild = FRowSelection->Count >= StepwiseVisibleLimit;
  GatherSelection(FRowSelection, FromRow, ToRow, [this](Integer From, Integer To, bool MoveVisible) {
    ChangeDisplayRow(From, To);
    ChangeRowHeights(From, To);
    if (MoveVisible) MoveVisibleRow(From, To);
  });
  if (rebuild) UpdateVisibleRows();
}

namespace {
// Where the moved items now start and how many they are: the gathered block, or the one item at To.
std::pair<Integer, Integer> MovedBlock(const TtsSelection* Selection, Integer To) {
  if (Selection->Count == 0) return {To, 1};
  return {Selection->First, Selection->Count};
}
}  // namespace

void TtsBaseGrid::MoveColRange(Integer FromCol, Integer ToCol) {
  if (FromCol == ToCol) return;
  if (ToCol < FromCol)
    MoveColRangeLeft(FromCol, ToCol);
  else
    MoveColRangeRight(FromCol, ToCol);
  auto [to, count] = MovedBlock(FColSelection, ToCol);
  DoColMoved(to, count, true);
  UpdateScrollRange();
  Invalidate();
}

void TtsBaseGrid::MoveRowRange(Integer FromRow, Integer ToRow) {
  if (FromRow == ToRow) return;
  if (FGridMode == gmEditInsert) {
    TPaintSuspension suspension(this);
    Integer insertion = GetRowCount() - 1;
    if (FRowSelection->GetSelected(insertion)) SelectRows(insertion, insertion, false);
  }
  if (ToRow < FromRow)
    MoveRowRangeUp(FromRow, ToRow);
  else
    MoveRowRangeDown(FromRow, ToRow);
  auto [to, count] = MovedBlock(FRowSelection, ToRow);
  DoRowMoved(to, count, true);
  UpdateScrollRange();
  Invalidate();
}

}  // namespace TSGrid
