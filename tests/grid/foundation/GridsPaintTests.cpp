// Painting of the base grid engine: the fixed and scrolling areas with their lines, cell
// backgrounds for selected and focused cells, the area beyond the last cell, a scrolled view, the
// mirrored view for right-to-left reading, and the canvas's orientation when a cell's drawing fails.
#include "GridsTestSupport.h"

#include "Multibyte.h"
#include "WinUser.h"

using namespace GridsTest;

namespace {

// The system locale for one test, restored afterwards: only a middle-east locale reads right to left.
class MiddleEastLocale {
 public:
  MiddleEastLocale() : FSaved(SysLocale.MiddleEast) { SysLocale.MiddleEast = true; }
  ~MiddleEastLocale() { SysLocale.MiddleEast = FSaved; }

 private:
  bool FSaved;
};

class GridPaint : public GridFixture {
 protected:
  // A grid of labelled cells ("column,row").
  void MakeLabelledGrid(Integer Width, Integer Height, Integer Cols, Integer Rows) {
    MakeGrid(Width, Height);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    for (Integer r = 0; r < Rows; ++r)
      for (Integer c = 0; c < Cols; ++c) Grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  Integer CountPixels(const TRect& R, COLORREF Color) { return WindowPictures::CountPixels(Grid, R, Color); }
};

TEST_F(GridPaint, FixedCellsScrollingCellsSelectionAndTheAreaBeyondTheCells) {
  MakeLabelledGrid(320, 150, 4, 5);
  Grid->SetSelection({1, 2, 2, 4});  // the anchor at (1, 2), the current cell at (2, 4)
  Show();
  SavePng("grid-areas.png");

  EXPECT_EQ(Pixel(30, 12), ColorToRGB(clBtnFace)) << "the fixed corner";
  EXPECT_EQ(Pixel(64, 40), ColorToRGB(clBlack)) << "the line after the fixed column";
  EXPECT_EQ(Pixel(100, 24), ColorToRGB(clBlack)) << "the line under the fixed row";
  EXPECT_EQ(Pixel(63, 40), ColorToRGB(clBtnShadow)) << "the raised edge of a fixed cell";
  EXPECT_EQ(Pixel(0, 40), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(129, 40), ColorToRGB(clSilver)) << "lines between scrolling cells";
  EXPECT_EQ(Pixel(100, 40), ColorToRGB(clWindow)) << "a cell outside the selection";
  EXPECT_EQ(Pixel(120, 70), ColorToRGB(clHighlight)) << "a selected cell";
  EXPECT_EQ(Pixel(185, 118), ColorToRGB(clWindow)) << "the focused current cell keeps its colour";
  EXPECT_EQ(Pixel(300, 60), ColorToRGB(clWindow)) << "right of the last column";
  EXPECT_EQ(Pixel(100, 149), ColorToRGB(clWindow)) << "below the last row";
  const TRect focus = Grid->CellRect(2, 4);
  EXPECT_GT(CountPixels(TRect(focus.left, focus.top, focus.right, focus.top + 1), ColorToRGB(clBlack)),
            focus.Width() / 3)
      << "the dotted focus frame";
}

TEST_F(GridPaint, LineColoursAndWidths) {
  struct TCase {
    const char* What;
    TColor Color;
    Integer LineWidth;
    TGridOptions Options;
    COLORREF AtLine;  // the pixel where the line after column 1 of a scrolling row is
    Integer Silver;   // silver pixels in the scrolling area, -1 for any
  };
  const TGridOptions lines{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
  const TCase cases[] = {
      {"silver lines", clWindow, 1, lines, ColorToRGB(clSilver), -1},
      {"grey lines on a silver grid", clSilver, 1, lines, ColorToRGB(clGray), -1},
      {"no line width", clWindow, 0, lines, ColorToRGB(clWindow), 0},
      {"all line options off", clWindow, 1, {}, ColorToRGB(clWindow), 0},
      {"a wide line", clWindow, 3, lines, ColorToRGB(clSilver), -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TearDown();
    SetUp();
    MakeLabelledGrid(300, 140, 4, 5);
    Grid->SetColor(c.Color);
    Grid->SetGridLineWidth(c.LineWidth);
    Grid->SetOptions(c.Options);
    Show();
    const TRect cell = Grid->CellRect(1, 2);
    const Integer lineX = c.LineWidth ? cell.right + c.LineWidth / 2 : cell.right - 1;
    EXPECT_EQ(Pixel(lineX, cell.top + 12), c.AtLine);
    TGridDrawInfo info;
    Grid->CalcDrawInfo(info);
    if (c.Silver >= 0)
      EXPECT_EQ(CountPixels(TRect(info.ColAxis.FixedEnd, info.RowAxis.FixedEnd, 300, 140), ColorToRGB(clSilver)),
                c.Silver);
    if (c.LineWidth == 3) SavePng("grid-wide-lines.png");
  }
}

TEST_F(GridPaint, AScrolledViewKeepsItsFixedRowAndColumn) {
  MakeLabelledGrid(320, 150, 12, 30);
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goRowSelect});
  Show();
  Grid->SetTopRow(10);
  Grid->SetRow(12);  // a selected row brings its first scrolling column into view
  Grid->SetLeftCol(4);
  Pump();
  SavePng("grid-scrolled.png");
  GdiSurface::TGdiSurface scrolled, fresh;
  Capture(scrolled);
  Grid->Invalidate();
  Pump();
  Capture(fresh);
  EXPECT_EQ(Differences(scrolled, fresh), 0) << "scrolling the window's bits paints what a full paint paints";
  EXPECT_EQ(Grid->MouseCoord(100, 40), (TGridCoord{4, 10}));
  EXPECT_EQ(Pixel(30, 40), ColorToRGB(clBtnFace)) << "the fixed column beside the scrolled rows";
  EXPECT_EQ(Pixel(100, 12), ColorToRGB(clBtnFace)) << "the fixed row over the scrolled columns";
  const TRect selected = Grid->CellRect(5, 12);
  EXPECT_EQ(Pixel(selected.left + 30, selected.top + 12), ColorToRGB(clHighlight)) << "the selected row";
}

TEST_F(GridPaint, RightToLeftReadingMirrorsTheGrid) {
  MiddleEastLocale locale;
  MakeLabelledGrid(320, 150, 4, 5);
  Grid->SetBiDiMode(bdRightToLeft);
  Show();
  SavePng("grid-right-to-left.png");
  EXPECT_EQ(Pixel(262, 60), ColorToRGB(clBtnFace)) << "the fixed column is at the right";
  EXPECT_EQ(Pixel(319 - 64, 60), ColorToRGB(clBlack)) << "its line on its left";
  EXPECT_EQ(Pixel(10, 60), ColorToRGB(clWindow)) << "the area beyond the last column is at the left";
  EXPECT_EQ(Grid->MouseCoord(300, 60), (TGridCoord{0, 2}));
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(320 - 129, 25, 320 - 65, 49));
}

TEST_F(GridPaint, ACellDrawingThatFailsLeavesTheCanvasUnmirrored) {
  MiddleEastLocale locale;
  MakeLabelledGrid(320, 150, 4, 5);
  Grid->SetBiDiMode(bdRightToLeft);
  Show();
  Grid->FailDrawing = true;
  HDC dc = GetDC(Grid->GetHandle());
  EXPECT_THROW(Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0), Exception);
  ReleaseDC(Grid->GetHandle(), dc);
  Grid->FailDrawing = false;
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(320 - 129, 25, 320 - 65, 49)) << "rectangles are mirrored again";
}

}  // namespace
