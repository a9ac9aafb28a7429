// The row bar's pictures: the arrow of the current row, the mark of a row with unsaved edits and
// the star of the insertion row, drawn into the row bar cell outside of a paint as the current
// position moves, and the row bar cell cleared again.
//
// The black-on-white pictures are merged with the heading colour: MERGECOPY keeps the black and
// gives the white the brush colour; a selected (inverted) row takes MERGEPAINT, which turns the
// picture white over the cell as it is.
#include "TSGridImpl.h"
#include "TSGridDrawing.h"
#include "WinUserDraw.h"

namespace TSGrid {

void TtsBaseGrid::DrawCurrent(Integer DisplayRow) { DrawCurrentMark(DisplayRow, MERGECOPY); }

void TtsBaseGrid::DrawCurrentSelected(Integer DisplayRow) { DrawCurrentMark(DisplayRow, MERGEPAINT); }

void TtsBaseGrid::DrawCurrentMark(Integer DisplayRow, Integer CopyMode) {
  if (!FRowBarIndicator) return;
  if (DrawRowChangedIndicator(GetDataRow(DisplayRow)))
    DrawBmpRowBar(DisplayRow, ChangedRowBitmap, CopyMode, true);
  else if (CanDrawInsert())
    DrawInsert();
  else
    DrawBmpRowBar(DisplayRow, CurrentRowBitmap, CopyMode, true);
}

void TtsBaseGrid::DrawInsert() {
  Integer row = GetRowCount() - 1;
  bool plain = !IsRowSelected(GetDataRow(row)) || FPainting;
  DrawBmpRowBar(row, InsertRowBitmap, plain ? MERGECOPY : MERGEPAINT, false);
}

void TtsBaseGrid::ClearCurrent(Integer DisplayRow) {
  if (!GetRowBarOn() || !RowInView(DisplayRow) || !CanDrawCell(0, DisplayRow)) return;
  ClearRowBarCell(DisplayRow);
  if (IsInsertRow(DisplayRow)) DrawInsert();
}

void TtsBaseGrid::ClearRowBarCell(Integer DisplayRow) {
  TRect r;
  CellRect(0, DisplayRow, r);
  r.right += FVertLineWidth;
  r.bottom += FHorzLineWidth;
  if (!IsRowSelected(GetDataRow(DisplayRow)) || FPainting)
    DrawFixedCellUnselected(r, 0);
  else
    DrawFixedCellSelected(r);
}

void TtsBaseGrid::DrawBmpRowBar(Integer DisplayRow, TBitmap* Bitmap, Integer CopyMode, bool ClearInsertRow) {
  if (!Bitmap || !GetRowBarOn() || !RowInView(DisplayRow) || !CanDrawCell(0, DisplayRow)) return;
  if (ClearInsertRow && IsInsertRow(DisplayRow)) ClearRowBarCell(DisplayRow);
  TRect cell;
  CellRect(0, DisplayRow, cell);
  TRect dest = cell;
  if (FVertLineWidth == 0) dest.right -= 1;
  if (FHorzLineWidth == 0) dest.bottom -= 1;
  if (IsRectEmpty(&dest)) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(FHeadingColor);
  Integer bw = Bitmap->GetWidth(), bh = Bitmap->GetHeight();
  Integer rowHeight = GetRowHeights(DisplayRow);
  // Centred across the row bar, which starts at x 0.
  dest.left = std::max<Integer>(1, (GetColWidths(0) - 1) / 2 - bw / 2 + 1);
  TSCommon::TtsVertAlignment align = FRowBarAlignment != TSCommon::vtaDefault ? FRowBarAlignment : FVertAlignment;
  Integer offset;
  if (align == TSCommon::vtaCenter) {
    offset = std::max<Integer>(1, rowHeight / 2 - bh / 2);
  } else {
    // Top and bottom follow the first line of text in the grid's font.
    canvas->SetFont(GetFont());
    Integer t = canvas->TextHeight("X");
    if (align == TSCommon::vtaBottom)
      offset = t / 2 - bh / 2 + rowHeight - t - 1;
    else
      offset = std::max<Integer>(1, t / 2 - bh / 2);
  }
  dest.top = cell.top + std::max<Integer>(1, offset);
  dest.right = std::min<LONG>(dest.right, dest.left + bw);
  dest.bottom = std::min<LONG>(dest.bottom, dest.top + bh);
  if (IsRectEmpty(&dest)) return;
  TRect source(0, 0, std::min<Integer>(dest.Width(), bw), dest.Height());
  // A picture taller than the room shows its lower part when the row's text sits at the bottom.
  if (bh > dest.Height() && FVertAlignment == TSCommon::vtaBottom) {
    source.top = bh - dest.Height();
    source.bottom = bh;
  }
  CopyToDrawBitmap(Bitmap);
  CopyRectWithMode(canvas, dest, GetDrawBitmap(), source, CopyMode);
}

}  // namespace TSGrid
