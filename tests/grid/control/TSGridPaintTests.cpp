// Painting a grid with a window: the first paint straight onto the window and the later ones through
// the shared memory canvas, suspended painting that keeps its region, two grids painting in turn,
// the grid lines and their colours, the empty area, and selections inverted on the window.
#include "GridControlTestSupport.h"
#include "GridDrawTestSupport.h"
#include "TSCommonCanvas.h"
#include "TSGridResources.h"
#include "WinPaint.h"
#include "WinQueue.h"

using namespace GridControlTest;

namespace {

COLORREF RGBOf(TColor Color) { return ColorToRGB(Color) & 0xFFFFFF; }

class Painting : public WindowGridTest {
 protected:
  // 4 x 6 cells of 64 x 14 under a heading of 15 and beside a row bar of 14, without scroll bars.
  TPaintProbeGrid* Make(Integer Width = 300, Integer Height = 120, Integer Cols = 4, Integer Rows = 6) {
    auto* grid = MakeGrid<TPaintProbeGrid>(Width, Height, Cols, Rows);
    grid->SetScrollBars(ssNone);
    Pump();
    return grid;
  }
};

TEST_F(Painting, TheFirstPaintGoesToTheWindowAndLaterOnesThroughTheMemoryCanvas) {
  auto* grid = Make();
  EXPECT_EQ(grid->Paints, 1);
  EXPECT_EQ(grid->DirectPaints, 1);
  EXPECT_TRUE(grid->GetPainted());
  EXPECT_EQ(Pixel(30, 20), RGBOf(ProbeColor(1, 1)));
  Integer uses = MemoryCanvas->GetUseCount();
  grid->Invalidate();
  Pump();
  EXPECT_EQ(grid->Paints, 2);
  EXPECT_EQ(grid->DirectPaints, 1);
  EXPECT_EQ(MemoryCanvas->GetUseCount(), uses + 1) << "the grid holds a use of the canvas";
  EXPECT_GE(MemoryCanvas->GetWidth(), 300);
  EXPECT_EQ(Pixel(30, 20), RGBOf(ProbeColor(1, 1))) << "copied to the window";
  EXPECT_EQ(Pixel(100, 50), RGBOf(ProbeColor(2, 3)));
  grid->Free();
  Grid = nullptr;
  EXPECT_EQ(MemoryCanvas->GetUseCount(), uses) << "released with the grid";
}

TEST_F(Painting, OnlyTheClipBoxIsDrawnAndCopied) {
  auto* grid = Make();
  grid->Drawn.clear();
  RECT r{80, 30, 100, 40};
  InvalidateRect(grid->GetHandle(), &r, FALSE);
  Pump();
  ASSERT_FALSE(grid->Drawn.empty());
  for (const TGridCoord& cell : grid->Drawn) {
    EXPECT_GE(cell.Y, 2);
    EXPECT_LE(cell.Y, 2 + 1) << "cells outside the clip box are skipped";
  }
}

TEST_F(Painting, APaintSkippedWhilePaintingIsSuspendedComesBackWhenItIsResumed) {
  auto* grid = Make();
  Integer paints = grid->Paints;
  grid->SetEnablePaint(false);
  grid->SetEnablePaint(false);
  grid->Invalidate();
  Pump();
  EXPECT_EQ(grid->Paints, paints);
  EXPECT_EQ(UpdateBox(), TRect()) << "the window layer took the skipped paint as done";
  grid->SetEnablePaint(true);
  EXPECT_EQ(UpdateBox(), TRect()) << "still suspended once";
  grid->SetEnablePaint(true);
  EXPECT_EQ(UpdateBox(), TRect(0, 0, 300, 120)) << "the kept region is invalid again";
  Pump();
  EXPECT_EQ(grid->Paints, paints + 1);
  Pump();
  EXPECT_EQ(grid->Paints, paints + 1) << "no paint comes again by itself";
}

TEST_F(Painting, RedrawingSuspendedAndResumedRepaintsAtOnce) {
  auto* grid = Make();
  Integer paints = grid->Paints;
  grid->SetEnableRedraw(false);
  ASSERT_FALSE(grid->Redraws.empty());
  EXPECT_EQ(grid->Redraws.back(), 0u);
  EXPECT_FALSE(grid->CanPaint());
  grid->SetEnableRedraw(true);
  EXPECT_EQ(grid->Redraws.back(), 1u);
  EXPECT_EQ(grid->Paints, paints + 1) << "painted without waiting for the queue";
}

TEST_F(Painting, TwoGridsPaintingInTurnLoseNoPaint) {
  auto* first = Make(200, 120);
  auto* second = MakeGrid<TPaintProbeGrid>(200, 120);
  second->SetScrollBars(ssNone);
  second->SetLeft(220);
  Pump();
  Integer paints = second->Paints;
  bool nested = false;
  // While the first grid holds the canvas the second cannot paint: its paint waits.
  first->DuringDraw = [&](Integer, Integer) {
    if (nested) return;
    nested = true;
    EXPECT_FALSE(second->CanPaint());
    second->Invalidate();
    second->Update();
  };
  first->Invalidate();
  first->Update();
  first->DuringDraw = nullptr;
  EXPECT_TRUE(nested);
  EXPECT_EQ(second->Paints, paints) << "skipped inside the first grid's paint";
  Pump();
  EXPECT_EQ(second->Paints, paints + 1) << "painted once the canvas was free";
  EXPECT_EQ(Pixel(30, 20), RGBOf(ProbeColor(1, 1)));
}

TEST_F(Painting, TheEmptyAreaTakesTheGridColour) {
  auto* grid = Make(300, 120, 2, 2);
  grid->SetColor(clYellow);
  Pump();
  // The cells end at x 142 and y 43.
  EXPECT_EQ(Pixel(200, 20), RGBOf(clYellow));
  EXPECT_EQ(Pixel(141, 20), RGBOf(grid->GetLineColor())) << "the last column's line";
  EXPECT_EQ(Pixel(50, 100), RGBOf(clYellow));
  EXPECT_EQ(Pixel(299, 119), RGBOf(clYellow));
}

TEST_F(Painting, LinesAndTheirColours) {
  auto* grid = Make(300, 150, 4, 8);
  struct TCase {
    const char* Name;
    std::function<void()> Setup;
    Integer X, Y;
    TColor Color;
  };
  // Cell (c, r) spans x 14 + 64 (c - 1) and y 15 + 14 (r - 1); its lines are its last column and row.
  const TCase cases[] = {
      {"horizontal line", [] {}, 30, 28, clSilver},
      {"vertical line", [] {}, 77, 20, clSilver},
      {"fixed line in black", [&] { grid->SetFixedRowCount(2); }, 30, 42, clBlack},
      {"other fixed rows keep the line colour", [&] { grid->SetFixedRowCount(2); }, 30, 28, clSilver},
      {"fixed line colour unset", [&] {
         grid->SetFixedRowCount(2);
         grid->SetFixedLineColor(clNone);
       }, 30, 42, clSilver},
      {"a 3-D cell's line is gray", [&] { grid->SetCellIs3D(2, 2, true); }, 100, 42, clGray},
      {"beside it the line colour", [&] { grid->SetCellIs3D(2, 2, true); }, 30, 42, clSilver},
      {"its right line is gray", [&] { grid->SetCellIs3D(2, 2, true); }, 141, 35, clGray},
      {"3-D cells keep lines without grid lines", [&] {
         grid->SetGridLines(TSGrid::glNone);
         grid->SetIs3D(true);
       }, 40, 28, clGray},
      {"other lines in another colour", [&] { grid->SetLineColor(clRed); }, 200, 56, clRed},
  };
  for (const TCase& c : cases) {
    grid->SetFixedRowCount(0);
    grid->SetFixedLineColor(clBlack);
    grid->SetCellIs3D(2, 2, false);
    grid->SetGridLines(TSGrid::glBoth);
    grid->SetIs3D(false);
    grid->SetLineColor(clSilver);
    c.Setup();
    grid->Invalidate();
    Pump();
    EXPECT_EQ(Pixel(c.X, c.Y), RGBOf(c.Color)) << c.Name;
  }
  grid->SetFixedRowCount(2);
  grid->SetCellIs3D(2, 4, true);
  grid->Invalidate();
  Pump();
  SavePng("grid_lines.png");
}

TEST_F(Painting, InvertingACellShowsOnTheWindowAndTwiceRestoresIt) {
  auto* grid = Make();
  COLORREF before = Pixel(30, 20);
  grid->InvertCell(1, 1, TtsBaseGrid::NullRect, true, nullptr);
  EXPECT_EQ(Pixel(30, 20), before ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(100, 20), RGBOf(ProbeColor(2, 1))) << "the neighbour stays";
  grid->InvertCell(1, 1, TtsBaseGrid::NullRect, false, nullptr);
  EXPECT_EQ(Pixel(30, 20), before);
  // While another grid paints, the range is invalidated instead.
  TObject* other = New<TObject>();
  MemoryCanvas->Lock(other);
  grid->InvertRange(1, 1, 2, 2, TtsBaseGrid::NullRect, true, nullptr);
  MemoryCanvas->Unlock();
  other->Free();
  EXPECT_EQ(Pixel(30, 20), before);
  EXPECT_EQ(UpdateBox(), TRect(14, 15, 142, 43));
}

TEST_F(Painting, RowsAndColumnsInvertAcrossWhatIsOnScreen) {
  auto* grid = Make(200, 120, 6, 6);
  COLORREF bar = Pixel(5, 35), cell = Pixel(100, 35), heading = Pixel(100, 5);
  grid->InvertRow(2, true, nullptr);
  EXPECT_EQ(Pixel(5, 35), bar ^ 0xFFFFFF) << "the row bar cell";
  EXPECT_EQ(Pixel(199, 35), RGBOf(ProbeColor(3, 2)) ^ 0xFFFFFF) << "to the window's edge";
  EXPECT_EQ(Pixel(100, 50), RGBOf(ProbeColor(2, 3))) << "the next row stays";
  grid->InvertRow(2, false, nullptr);
  EXPECT_EQ(Pixel(100, 35), cell);
  grid->InvertCol(2, ivHead, true, nullptr);
  EXPECT_EQ(Pixel(100, 5), heading ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(100, 35), cell) << "only the heading part";
  grid->InvertCol(2, ivHead, false, nullptr);
  grid->InvertCol(2, ivData, true, nullptr);
  EXPECT_EQ(Pixel(100, 5), heading);
  EXPECT_EQ(Pixel(100, 35), cell ^ 0xFFFFFF);
}

TEST_F(Painting, HeadingsRowBarAndDataInvertAsBlocks) {
  auto* grid = Make();
  COLORREF heading = Pixel(100, 5), bar = Pixel(5, 50), cell = Pixel(100, 50), corner = Pixel(5, 5);
  grid->InvertHeading(true);
  EXPECT_EQ(Pixel(100, 5), heading ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(5, 5), corner) << "the corner cell is not a heading";
  grid->InvertHeading(false);
  grid->InvertLabel(true);
  EXPECT_EQ(Pixel(5, 50), bar ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(100, 5), heading);
  grid->InvertLabel(false);
  grid->InvertGrid(true);
  EXPECT_EQ(Pixel(5, 50), bar ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(100, 50), cell ^ 0xFFFFFF);
  EXPECT_EQ(Pixel(100, 5), heading);
  grid->InvertGrid(false);
  EXPECT_EQ(Pixel(100, 50), cell);
}

TEST_F(Painting, ADraggedRangeRedrawsOnlyWhatChanged) {
  auto* grid = Make(300, 120, 4, 6);
  // Display cell (c, r) is sampled in its middle.
  auto sample = [this](Integer Col, Integer Row) { return Pixel(14 + 64 * (Col - 1) + 30, 15 + 14 * (Row - 1) + 6); };
  auto inverted = [&](Integer Col, Integer Row) {
    return sample(Col, Row) == (RGBOf(ProbeColor(Col, Row)) ^ 0xFFFFFF);
  };
  grid->InvertRange(1, 1, 2, 2, TtsBaseGrid::NullRect, true, nullptr);
  grid->SetSelectionState(grCellSelect, MakeGridRect(1, 1, 2, 2));
  grid->InvertNew(2, 2, 3, 4);
  for (Integer row = 1; row <= 5; ++row)
    for (Integer col = 1; col <= 4; ++col)
      EXPECT_EQ(inverted(col, row), col >= 2 && col <= 3 && row >= 2 && row <= 4) << col << "," << row;
  // Apart from the old range: all of the old one comes back, all of the new one inverts.
  grid->SetSelectionState(grCellSelect, MakeGridRect(2, 2, 3, 4));
  grid->InvertNew(4, 5, 4, 6);
  for (Integer row = 1; row <= 6; ++row)
    for (Integer col = 1; col <= 4; ++col) EXPECT_EQ(inverted(col, row), col == 4 && row >= 5) << col << "," << row;
}

TEST_F(Painting, ARangeOverSelectedRowsTakesTheirPlace) {
  auto* grid = Make(300, 120, 4, 6);
  auto sample = [this](Integer Col, Integer Row) { return Pixel(14 + 64 * (Col - 1) + 30, 15 + 14 * (Row - 1) + 6); };
  auto inverted = [&](Integer Col, Integer Row) {
    return sample(Col, Row) == (RGBOf(ProbeColor(Col, Row)) ^ 0xFFFFFF);
  };
  for (Integer row : {2, 4}) {
    grid->InvertRow(row, true, nullptr);
    grid->GetRowSelection()->SetSelected(row, true);
  }
  grid->SetSelectionState(grRowSelect, TGridRect());
  grid->InvertNew(2, 3, 3, 4);
  for (Integer row = 1; row <= 6; ++row)
    for (Integer col = 1; col <= 4; ++col)
      EXPECT_EQ(inverted(col, row), col >= 2 && col <= 3 && row >= 3 && row <= 4) << col << "," << row;
}

TEST_F(Painting, InversionInColourRepaintsTheCellsAsTheSelectionShowsThem) {
  auto* grid = MakeGrid<GridDrawTest::TCellDrawGrid>(300, 120, 4, 6);
  grid->SetScrollBars(ssNone);
  Pump();
  COLORREF plain = Pixel(100, 35);
  // By inversion the cell's pixels are turned over; in colour it is drawn again in the selection colour.
  grid->InvertCell(2, 2, TtsBaseGrid::NullRect, true, nullptr);
  EXPECT_EQ(Pixel(100, 35), plain ^ 0xFFFFFF);
  grid->InvertCell(2, 2, TtsBaseGrid::NullRect, false, nullptr);
  EXPECT_EQ(Pixel(100, 35), plain);
  grid->SetSelectionType(sltColor);
  grid->SetSelectionColor(clRed);
  // While the cell is drawn the grid's selection test answers as the inversion shows it.
  bool selectedWhileDrawn = false;
  grid->OnDrawInfo = [&](Integer DataCol, Integer DataRow, TtsDrawInfo&) {
    if (DataCol == 2 && DataRow == 2) selectedWhileDrawn = grid->IsCellSelected(2, 2);
  };
  grid->InvertCell(2, 2, TtsBaseGrid::NullRect, true, nullptr);
  EXPECT_TRUE(selectedWhileDrawn);
  EXPECT_FALSE(grid->IsCellSelected(2, 2)) << "only while the inversion draws";
  EXPECT_EQ(Pixel(100, 35), RGBOf(clRed));
  EXPECT_EQ(Pixel(30, 35), plain) << "the neighbour is not drawn";
  grid->InvertCell(2, 2, TtsBaseGrid::NullRect, false, nullptr);
  EXPECT_EQ(Pixel(100, 35), plain);
}

}  // namespace
