// Cells painted by a grid with a window: the row bar's pictures and where they sit, the focus
// rectangle in each style, selected cells shown inverted or in the selection colour, the heading
// and row bar of a selected row, and a cell value repainted at once through the off-screen canvas,
// or left to the next paint while another grid holds that canvas.
#include "GridDrawTestSupport.h"
#include "TSCommonCanvas.h"
#include "WinPaint.h"
#include "WindowPictures.h"

using namespace GridControlTest;
using GridDrawTest::RGBOf;
using GridDrawTest::TCellDrawGrid;

namespace {

class CellPainting : public WindowGridTest {
 protected:
  // 4 x 6 text cells of 64 x 20 under a heading of 18, beside a row bar of 14, without scroll bars.
  TCellDrawGrid* Make(Integer Width = 300, Integer Height = 160) {
    auto* grid = MakeGrid<TCellDrawGrid>(Width, Height, 4, 6);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultRowHeight(20);
    grid->SetHeadingHeight(18);
    grid->SetStoreData(true);
    Pump();
    return grid;
  }
  // The pixels of a client rectangle that have the colour.
  Integer Count(const TRect& R, COLORREF Color) { return WindowPictures::CountPixels(Grid, R, Color); }
};

TEST_F(CellPainting, TheRowBarShowsTheCurrentRowsArrowMergedWithTheHeadingColour) {
  auto* grid = Make();
  grid->SetHeadingColor(clAqua);
  grid->SetCurrentCell(1, 3);
  Pump();
  SavePng("grid-row-bar-arrow.png");
  // Row 3 spans y 58..77; the 6 x 11 arrow is centred across the 14-pixel row bar (x 4..9) and
  // sits at the text's first line.
  TRect cell;
  grid->CellRect(0, 3, cell);
  EXPECT_EQ(Count(TRect(0, cell.top, 13, cell.bottom), RGBOf(clBlack)), 36) << "the whole arrow";
  EXPECT_EQ(Pixel(4, cell.top + 6), RGBOf(clBlack)) << "the arrow's widest row starts at x 4";
  EXPECT_EQ(Pixel(9, cell.top + 6), RGBOf(clBlack));
  EXPECT_EQ(Pixel(10, cell.top + 6), RGBOf(clAqua)) << "its white takes the heading colour";
  TRect other;
  grid->CellRect(0, 2, other);
  EXPECT_EQ(Count(TRect(0, other.top, 13, other.bottom), RGBOf(clBlack)), 0) << "no arrow elsewhere";

  // A selected current row shows the arrow white over the inverted cell (MERGEPAINT).
  grid->SetRowSelected(3, true);
  grid->DrawCurrentSelected(3);
  EXPECT_EQ(Pixel(4, cell.top + 6), RGBOf(clWhite));

  // Moving on clears the old row's picture and draws the new one at once.
  grid->SetRowSelected(3, false);
  Pump();
  grid->SetCurrentCell(1, 2);
  EXPECT_EQ(Count(TRect(0, cell.top, 13, cell.bottom), RGBOf(clBlack)), 0);
  EXPECT_EQ(Count(TRect(0, other.top, 13, other.bottom), RGBOf(clBlack)), 36);
}

TEST_F(CellPainting, RowBarPicturesFollowTheRowBarAlignment) {
  auto* grid = Make();
  // A 9-pixel picture in a 10-pixel row, centred: 1 pixel below the cell's top.
  grid->SetRowHeights(2, 10);
  grid->SetRowBarAlignment(TSCommon::vtaCenter);
  Pump();
  TOwnedPtr<TBitmap> picture(New<TBitmap>());
  picture->SetWidth(4);
  picture->SetHeight(9);
  picture->GetCanvas()->GetBrush()->SetColor(clBlack);
  picture->GetCanvas()->FillRect(TRect(0, 0, 4, 9));
  TRect cell;
  grid->CellRect(0, 2, cell);
  grid->DrawBmpRowBar(2, picture.get(), MERGECOPY, false);
  EXPECT_EQ(Count(TRect(0, cell.top, 13, cell.top + 1), RGBOf(clBlack)), 0);
  EXPECT_EQ(Pixel(6, cell.top + 1), RGBOf(clBlack));
  EXPECT_EQ(Pixel(6, cell.top + 8), RGBOf(clBlack)) << "cut to the room in the row";
  // At the bottom the picture's lower part shows.
  grid->SetRowBarIndicator(false);
  grid->SetRowBarAlignment(TSCommon::vtaBottom);
  Pump();
  grid->DrawBmpRowBar(3, picture.get(), MERGECOPY, false);
  grid->CellRect(0, 3, cell);
  EXPECT_EQ(Count(TRect(0, cell.top, 13, cell.bottom), RGBOf(clBlack)), 4 * 9);
  EXPECT_EQ(Pixel(6, cell.bottom - 1), RGBOf(clBtnFace)) << "above the bottom line";
}

TEST_F(CellPainting, NoRowBarPictureWithoutTheIndicatorOrTheRowBar) {
  auto* grid = Make();
  grid->SetCurrentCell(2, 3);
  Pump();
  TRect cell;
  grid->CellRect(0, 3, cell);
  grid->SetRowBarIndicator(false);
  Pump();
  EXPECT_EQ(Count(TRect(0, cell.top, 13, cell.bottom), RGBOf(clBlack)), 0);
  grid->SetRowBarIndicator(true);
  grid->SetRowBarOn(false);
  Pump();
  grid->DrawCurrent(3);
  EXPECT_EQ(Count(TRect(0, 0, 20, 160), RGBOf(clBlack)), 0) << "nothing drawn over the first column";
}

TEST_F(CellPainting, EachFocusBorderStyle) {
  auto* grid = Make();
  // The focus rectangle shows on a cell without the in-place editor over it.
  grid->SetAlwaysShowEditor(false);
  grid->SetAlwaysShowFocus(true);
  grid->SetFocusBorderColor(clRed);
  grid->SetCurrentCell(2, 2);
  TRect cell;
  grid->CellRect(2, 2, cell);  // without its line pixels
  struct Case {
    TtsFocusBorder Border;
    Integer RedOnTop;    // red pixels on the cell's top row
    Integer InnerRed;    // red pixels one row further down
    Integer DottedLeft;  // pixels of the left column that are not the cell colour
  };
  const Integer width = cell.Width();
  for (const Case& c : {Case{fbNone, 0, 0, 0}, Case{fbSingle, width - 1, 2, 0}, Case{fbDouble, width - 1, width - 1, 0},
                        Case{fbDot, 0, 0, (cell.Height() + 1) / 2}}) {
    grid->SetFocusBorder(c.Border);
    grid->Invalidate();
    Pump();
    SavePng("grid-focus-" + std::to_string(c.Border) + ".png");
    EXPECT_EQ(Count(TRect(cell.left, cell.top, cell.right, cell.top + 1), RGBOf(clRed)), c.RedOnTop) << c.Border;
    EXPECT_EQ(Count(TRect(cell.left, cell.top + 1, cell.right, cell.top + 2), RGBOf(clRed)), c.InnerRed)
        << c.Border;
    EXPECT_EQ(cell.Height() - Count(TRect(cell.left, cell.top, cell.left + 1, cell.bottom), RGBOf(clWindow)),
              c.DottedLeft + (c.Border == fbSingle || c.Border == fbDouble ? 0 : 0))
        << c.Border;
  }
  EXPECT_FALSE(grid->FocusRectActive() && grid->GetFocusBorder() == fbNone && grid->GetFocusColor() == clNone);
}

TEST_F(CellPainting, SelectedCellsAreInvertedOrPaintedInTheSelectionColour) {
  auto* grid = Make();
  grid->SetCellValue(2, 2, Variant(String("x")));
  TRect cell;
  grid->CellRect(2, 2, cell);
  const Integer x = cell.right - 3, y = cell.bottom - 3;  // clear of the text
  struct Case {
    TtsSelectionType Type;
    COLORREF Shown;
  };
  for (const Case& c : {Case{sltInvert, RGBOf(clWindow) ^ 0xFFFFFF}, Case{sltColor, RGBOf(clNavy)}}) {
    grid->SetSelectionType(c.Type);
    grid->SetSelectionColor(clNavy);
    grid->SetRowSelected(2, true);
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(x, y), c.Shown) << c.Type << ": painted selected";
    // Shown selected by the inversion routines rather than by a paint: the same pixels.
    grid->SetRowSelected(2, false);
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(x, y), RGBOf(clWindow)) << c.Type;
    grid->SetSelectedRow(2, true);
    grid->InvertRow(2, true, nullptr);
    EXPECT_EQ(Pixel(x, y), c.Shown) << c.Type << ": shown selected by inversion";
    grid->SetSelectedRow(2, false);
    grid->InvertRow(2, false, nullptr);
    EXPECT_EQ(Pixel(x, y), RGBOf(clWindow)) << c.Type << ": and back";
  }
}

TEST_F(CellPainting, ASelectedRowsBarCellIsInvertedAndSunken) {
  auto* grid = Make();
  grid->SetRowSelected(4, true);
  grid->Invalidate();
  Pump();
  SavePng("grid-selected-row.png");
  TRect bar;
  grid->CellRect(0, 4, bar);
  EXPECT_EQ(Pixel(bar.left + 5, bar.bottom - 2), RGBOf(clBtnFace) ^ 0xFFFFFF);
  TRect head;
  grid->CellRect(1, 0, head);
  EXPECT_EQ(Pixel(head.left, head.top + 5), RGBOf(clBtnHighlight)) << "headings stay raised";
}

TEST_F(CellPainting, AValueSetOutsideAPaintIsDrawnAtOnce) {
  auto* grid = Make();
  // The grid draws the current cell itself (no in-place editor with its caret over it).
  grid->SetAlwaysShowEditor(false);
  grid->SetCurrentCell(3, 3);
  Pump();
  TRect cell;
  grid->CellRect(3, 3, cell);
  const TRect inside(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1);  // inside the focus frame
  EXPECT_EQ(Count(inside, RGBOf(clBlack)), 0);
  grid->SetCellValue(3, 3, Variant(String("WWW")));
  EXPECT_EQ(UpdateBox(), TRect(0, 0, 0, 0)) << "nothing left to a paint";
  EXPECT_GT(Count(inside, RGBOf(clBlack)), 10) << "the text is on the window";
}

TEST_F(CellPainting, AnotherGridHoldingTheCanvasDefersTheRepaint) {
  auto* grid = Make();
  grid->SetSelectionType(sltColor);
  grid->SetSelectionColor(clNavy);
  grid->SetRowSelected(2, true);
  grid->SetCurrentCell(3, 2);
  Pump();
  TRect cell;
  grid->CellRect(3, 2, cell);
  Integer before = Count(cell, RGBOf(clWhite));
  TOwnedPtr<TObject> other(New<TObject>());
  MemoryCanvas->Lock(other.get());
  EXPECT_FALSE(grid->PrepareCanvas(cell)) << "the canvas is not taken from the grid holding it";
  grid->SetCellValue(3, 2, Variant(String("WWW")));
  EXPECT_EQ(Count(cell, RGBOf(clWhite)), before) << "nothing drawn meanwhile";
  EXPECT_NE(UpdateBox(), TRect(0, 0, 0, 0)) << "the cell waits for the next paint";
  MemoryCanvas->Unlock();
  Pump();
  EXPECT_NE(Count(cell, RGBOf(clWhite)), before) << "and is painted then";
}

}  // namespace
