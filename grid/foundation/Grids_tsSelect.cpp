// The current cell and the selection of the base grid engine, and the keyboard: moving the current
// cell and the anchor, repainting only what a selection change uncovers, cell navigation, paging,
// tabbing and toggling the editor.
#include <algorithm>

#include "Grids_tsEngine.h"
#include "WinUser.h"

namespace Grids_ts {

void TCustomGrid_ts::MoveCurrent(Integer ACol, Integer ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount) InvalidGridOperation(SGridIndexOutOfRange);
  if (!SelectCell(ACol, ARow)) return;
  const TGridRect oldSel = GetSelection();
  const TGridCoord oldCurrent = FCurrent;
  FCurrent = {ACol, ARow};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
    FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  }
  if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
  if (Show) ClampInView(FCurrent);
  SelectionMoved(oldSel);
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(ACol, ARow);
}

void TCustomGrid_ts::MoveAnchor(const TGridCoord& NewAnchor) {
  if (FOptions.Contains(goRangeSelect) && !FOptions.Contains(goEditing)) {
    const TGridRect oldSel = GetSelection();
    FAnchor = NewAnchor;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
    ClampInView(NewAnchor);
    SelectionMoved(oldSel);
  } else {
    MoveCurrent(NewAnchor.X, NewAnchor.Y, true, true);
  }
}

void TCustomGrid_ts::FocusCell(Integer ACol, Integer ARow, bool MoveAnchor) {
  MoveCurrent(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

// Only the parts covered by exactly one of the old and the new selection change their look.
void TCustomGrid_ts::SelectionMoved(const TGridRect& OldSel) {
  if (!HandleAllocated()) return;
  TRect oldRect, newRect;
  GridRectToScreenRect(OldSel, oldRect, true);
  GridRectToScreenRect(GetSelection(), newRect, true);
  HRGN changed = CreateRectRgnIndirect(&oldRect);
  HRGN other = CreateRectRgnIndirect(&newRect);
  CombineRgn(changed, changed, other, RGN_XOR);
  InvalidateRgn(GetHandle(), changed, FALSE);
  DeleteObject(other);
  DeleteObject(changed);
}

void TCustomGrid_ts::TimedScroll(TGridScrollDirection Direction) {
  TGridCoord newAnchor = FAnchor;
  if (Direction.Contains(sdLeft) && newAnchor.X > FFixedCols) --newAnchor.X;
  if (Direction.Contains(sdRight) && newAnchor.X < FColCount - 1) ++newAnchor.X;
  if (Direction.Contains(sdUp) && newAnchor.Y > FFixedRows) --newAnchor.Y;
  if (Direction.Contains(sdDown) && newAnchor.Y < FRowCount - 1) ++newAnchor.Y;
  if (newAnchor != FAnchor) MoveAnchor(newAnchor);
}

void TCustomGrid_ts::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (!CanGridAcceptKey(Key, Shift)) Key = 0;
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const bool mirrored = DrawsRightToLeft();
  const Integer factor = mirrored ? -1 : 1;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const Integer pageWidth = std::max<Integer>(1, info.ColAxis.LastWholeCell - FTopLeft.X);
  const Integer pageHeight = std::max<Integer>(1, info.RowAxis.LastWholeCell - FTopLeft.Y);
  TGridCoord newCurrent = FCurrent, newTopLeft = FTopLeft;
  bool moveAnchor = !Shift.Contains(ssShift);
  bool invalidateMirrored = false;

  if (Shift.Contains(ssCtrl)) {
    switch (Key) {
      case VK_UP: --newTopLeft.Y; break;
      case VK_DOWN: ++newTopLeft.Y; break;
      case VK_LEFT:
        if (!rowSelect) {
          newCurrent.X -= pageWidth * factor;
          newTopLeft.X -= pageWidth * factor;
        }
        break;
      case VK_RIGHT:
        if (!rowSelect) {
          newCurrent.X += pageWidth * factor;
          newTopLeft.X += pageWidth * factor;
        }
        break;
      case VK_PRIOR: newCurrent.Y = FTopLeft.Y; break;
      case VK_NEXT: newCurrent.Y = info.RowAxis.LastWholeCell; break;
      case VK_HOME:
        newCurrent = {FFixedCols, FFixedRows};
        invalidateMirrored = mirrored;
        break;
      case VK_END:
        newCurrent = {FColCount - 1, FRowCount - 1};
        invalidateMirrored = mirrored;
        break;
      default: break;
    }
  } else {
    switch (Key) {
      case VK_UP: --newCurrent.Y; break;
      case VK_DOWN: ++newCurrent.Y; break;
      case VK_LEFT:
        if (rowSelect) newCurrent.Y -= factor;
        else newCurrent.X -= factor;
        break;
      case VK_RIGHT:
        if (rowSelect) newCurrent.Y += factor;
        else newCurrent.X += factor;
        break;
      case VK_NEXT:
        newCurrent.Y += pageHeight;
        newTopLeft.Y += pageHeight;
        break;
      case VK_PRIOR:
        newCurrent.Y -= pageHeight;
        newTopLeft.Y -= pageHeight;
        break;
      case VK_HOME:
        if (rowSelect) newCurrent.Y = FFixedRows;
        else newCurrent.X = FFixedCols;
        break;
      case VK_END:
        if (rowSelect) newCurrent.Y = FRowCount - 1;
        else newCurrent.X = FColCount - 1;
        break;
      case VK_TAB:
        if (!Shift.Contains(ssAlt)) {
          // Step to the next (previous) tab stop, wrapping at the row ends and at the grid's ends; a
          // full round over the columns ends the search.
          for (Integer steps = 0; steps <= FColCount; ++steps) {
            if (Shift.Contains(ssShift)) {
              if (--newCurrent.X < FFixedCols) {
                newCurrent.X = FColCount - 1;
                if (--newCurrent.Y < FFixedRows) newCurrent.Y = FRowCount - 1;
              }
            } else if (++newCurrent.X >= FColCount) {
              newCurrent.X = FFixedCols;
              if (++newCurrent.Y >= FRowCount) newCurrent.Y = FFixedRows;
            }
            if (GetTabStops(newCurrent.X) || newCurrent.X == FCurrent.X) break;
          }
          moveAnchor = true;  // Shift+Tab is a plain move
        }
        break;
      case VK_F2: SetEditorMode(true); break;
      default: break;
    }
  }

  const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, info);
  newTopLeft.X = std::clamp(newTopLeft.X, FFixedCols, std::max(FFixedCols, maxTopLeft.X));
  newTopLeft.Y = std::clamp(newTopLeft.Y, FFixedRows, std::max(FFixedRows, maxTopLeft.Y));
  if (newTopLeft != FTopLeft) MoveTopLeft(newTopLeft.X, newTopLeft.Y);
  newCurrent.X = std::clamp(newCurrent.X, FFixedCols, FColCount - 1);
  newCurrent.Y = std::clamp(newCurrent.Y, FFixedRows, FRowCount - 1);
  if (newCurrent != FCurrent) FocusCell(newCurrent.X, newCurrent.Y, moveAnchor);
  if (invalidateMirrored) Invalidate();
}

void TCustomGrid_ts::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (!FOptions.Contains(goAlwaysShowEditor) && Key == '\r') {
    if (FEditorMode) HideEditor();
    else ShowEditor();
    Key = 0;
  }
}

}  // namespace Grids_ts
