// Scrolling of the base grid engine: the scroll bars' ranges and positions, the bar actions,
// passing over hidden rows, pixel scrolling of a one-column grid, bringing a cell into view, and
// scrolling the window's bits so that only what was uncovered is painted.
#include "GridsTestSupport.h"

#include "Multibyte.h"
#include "RtlMath.h"
#include "WinUser.h"

using namespace GridsTest;

namespace {

class GridScroll : public GridFixture {
 protected:
  // A grid with both scroll bars; cells of 64 x 24 with their lines.
  void MakeScrollingGrid(Integer Width, Integer Height, Integer Cols, Integer Rows) {
    MakeGrid(Width, Height);
    Grid->SetScrollBars(ssBoth);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    for (Integer r = 0; r < Rows; ++r)
      for (Integer c = 0; c < Cols; ++c) Grid->SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
  }
  void Range(int Bar, int& Low, int& High) { GetScrollRange(Grid->GetHandle(), Bar, &Low, &High); }
  int Position(int Bar) { return GetScrollPos(Grid->GetHandle(), Bar); }
  void Scroll(UINT Msg, WORD Code, WORD Pos = 0) {
    SendMessage(Grid->GetHandle(), Msg, MAKEWPARAM(Code, Pos), 0);
    Pump();
  }
  // Paints the grid completely and answers the picture.
  void FreshPicture(GdiSurface::TGdiSurface& Picture) {
    Grid->Invalidate();
    Pump();
    Capture(Picture);
  }
};

TEST_F(GridScroll, TheBarsCoverTheScrollingCellsThatDoNotFit) {
  MakeScrollingGrid(400, 300, 5, 6);
  Show();
  int low, high;
  Range(SB_VERT, low, high);
  EXPECT_EQ(high, 0) << "every row fits";
  Range(SB_HORZ, low, high);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(Grid->GetClientWidth(), 400) << "no bar takes room";

  Grid->SetRowCount(40);
  Range(SB_VERT, low, high);
  EXPECT_EQ(high, 127);
  EXPECT_EQ(Grid->GetClientWidth(), 400 - GetSystemMetrics(SM_CXVSCROLL)) << "the vertical bar shows";
  Range(SB_HORZ, low, high);
  EXPECT_EQ(high, 0);

  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  const Integer maxTop = Grid->CalcMaxTopLeft({4, 39}, info).Y;
  struct TCase {
    Integer TopRow, Position;
  };
  for (const TCase& c : {TCase{1, 0}, TCase{maxTop, 127}, TCase{10, MulDiv(9, 127, maxTop - 1)}}) {
    Grid->SetTopRow(c.TopRow);
    EXPECT_EQ(Position(SB_VERT), c.Position) << "top row " << c.TopRow;
  }
  Grid->SetTopRow(39);
  EXPECT_EQ(Grid->GetTopRow(), 39) << "set directly, beyond the largest first row";
  Grid->SetRowCount(41);
  EXPECT_EQ(Grid->GetTopRow(), Grid->CalcMaxTopLeft({4, 40}, info).Y) << "a count change brings it back";

  // Columns that all fit scroll nothing, wherever the first column shown is.
  Grid->SetLeftCol(3);
  EXPECT_EQ(Position(SB_HORZ), 0);
}

TEST_F(GridScroll, TheBarsActionsMoveTheFirstRowWithinItsLimits) {
  MakeScrollingGrid(300, 200, 5, 40);
  Show();
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  const Integer maxTop = Grid->CalcMaxTopLeft({4, 39}, info).Y;
  const Integer page = info.RowAxis.LastWholeCell - 1;
  struct TCase {
    const char* What;
    WORD Code, Pos;
    Integer TopRow;
  };
  const TCase cases[] = {
      {"line down", SB_LINEDOWN, 0, 2},
      {"page down", SB_PAGEDOWN, 0, 2 + page},
      {"line up", SB_LINEUP, 0, 1 + page},
      {"thumb at the end", SB_THUMBPOSITION, 127, maxTop},
      {"line down at the end", SB_LINEDOWN, 0, maxTop},
      {"thumb tracked without tracking", SB_THUMBTRACK, 0, maxTop},
      {"top", SB_TOP, 0, 1},
      {"line up at the top", SB_LINEUP, 0, 1},
      {"bottom", SB_BOTTOM, 0, maxTop},
      {"thumb half way", SB_THUMBPOSITION, 64, 1 + MulDiv(64, maxTop - 1, 127)},
  };
  for (const TCase& c : cases) {
    Scroll(WM_VSCROLL, c.Code, c.Pos);
    EXPECT_EQ(Grid->GetTopRow(), c.TopRow) << c.What;
  }
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goThumbTracking});
  Scroll(WM_VSCROLL, SB_THUMBTRACK, 0);
  EXPECT_EQ(Grid->GetTopRow(), 1) << "tracked with tracking";

  // Hidden rows are passed over.
  Grid->SetRowHeights(2, 0);
  Grid->SetRowHeights(3, 0);
  Scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Grid->GetTopRow(), 4);
}

TEST_F(GridScroll, AGridOfOneColumnScrollsItByPixels) {
  MakeScrollingGrid(300, 200, 1, 3);
  Grid->SetFixedCols(0);
  Show();
  int low, high;
  Range(SB_HORZ, low, high);
  EXPECT_EQ(high, 0) << "narrower than the client area";
  Scroll(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Grid->GetPixelOffset(), 0);

  Grid->SetColWidths(0, 500);
  Range(SB_HORZ, low, high);
  const Integer hidden = 500 - Grid->GetClientWidth();
  EXPECT_EQ(high, hidden);
  Scroll(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Grid->GetPixelOffset(), Grid->GetCanvas()->TextWidth("0"));
  Scroll(WM_HSCROLL, SB_BOTTOM);
  EXPECT_EQ(Grid->GetPixelOffset(), hidden);
  EXPECT_EQ(Position(SB_HORZ), hidden);
  Scroll(WM_HSCROLL, SB_PAGEUP);
  EXPECT_EQ(Grid->GetPixelOffset(), std::max<Integer>(0, hidden - Grid->GetClientWidth()));
  GdiSurface::TGdiSurface scrolled, fresh;
  Capture(scrolled);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(scrolled, fresh), 0);
}

TEST_F(GridScroll, ACellIsBroughtIntoViewAtTheNearestEdge) {
  MakeScrollingGrid(300, 200, 20, 40);
  Show();
  Grid->MoveCurrent(10, 1, true, true);
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.ColAxis.LastWholeCell, 10) << "a cell right of the view becomes the last one shown whole";
  EXPECT_EQ(Grid->GetLeftCol(), Grid->CalcMaxTopLeft({10, 1}, info).X);
  Grid->MoveCurrent(2, 30, true, true);
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(Grid->GetLeftCol(), 2) << "a cell left of the view becomes the first one shown";
  EXPECT_EQ(info.RowAxis.LastWholeCell, 30);
  const Integer left = Grid->GetLeftCol(), top = Grid->GetTopRow();
  Grid->MoveCurrent(0, 0, true, true);
  EXPECT_EQ(Grid->GetLeftCol(), left) << "a fixed cell is always in view";
  EXPECT_EQ(Grid->GetTopRow(), top);
}

TEST_F(GridScroll, ScrollingRepaintsOnlyWhatTheMoveUncovered) {
  MakeScrollingGrid(300, 200, 20, 40);
  Show();
  GdiSurface::TGdiSurface scrolled, fresh;
  const Integer clientWidth = Grid->GetClientWidth(), clientHeight = Grid->GetClientHeight();

  // One row down: the row headings and the data move up together; the strip at the bottom is new.
  Grid->SetTopRow(2);
  const TRect box = UpdateBox();
  EXPECT_GT(box.top, clientHeight / 2) << "only the bottom strip is invalid";
  EXPECT_EQ(box.left, 0) << "the fixed column scrolled too";
  Pump();
  Capture(scrolled);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(scrolled, fresh), 0);

  // Diagonally: headings and data scroll apart.
  Grid->MoveTopLeft(3, 3);
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(Grid->GetHandle(), update, FALSE);
  EXPECT_FALSE(PtInRegion(update, clientWidth / 3, clientHeight / 3)) << "the moved data is not painted again";
  EXPECT_TRUE(PtInRegion(update, clientWidth - 5, clientHeight / 3)) << "the strip uncovered at the right";
  DeleteObject(update);
  Pump();
  Capture(scrolled);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(scrolled, fresh), 0);

  // More than a page: the whole grid is painted again.
  Grid->SetTopRow(30);
  EXPECT_EQ(UpdateBox(), TRect(0, 0, clientWidth, clientHeight));
  Pump();
}

TEST_F(GridScroll, InsertedAndDeletedColumnsMoveTheCellsAfterThem) {
  // Headings name positions; the string grid's data cells stay blank, as its cells do not move.
  MakeGrid(400, 200);
  Grid->SetScrollBars(ssBoth);
  Grid->SetColCount(8);
  for (Integer c = 0; c < 8; ++c) {
    Grid->SetColWidths(c, 40 + 5 * c);
    Grid->SetCells(c, 0, std::to_string(c));
  }
  Show();
  GdiSurface::TGdiSurface adjusted, fresh;
  Grid->AdjustSize(2, 1, false);
  Pump();
  Capture(adjusted);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(adjusted, fresh), 0) << "after inserting";
  Grid->AdjustSize(1, -2, false);
  Pump();
  Capture(adjusted);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(adjusted, fresh), 0) << "after deleting";
  SavePng("grid-adjusted.png");
}

TEST_F(GridScroll, RightToLeftScrollBarsCountFromTheRight) {
  struct MiddleEast {
    bool Saved = SysLocale.MiddleEast;
    MiddleEast() { SysLocale.MiddleEast = true; }
    ~MiddleEast() { SysLocale.MiddleEast = Saved; }
  } locale;
  MakeScrollingGrid(300, 200, 20, 10);
  Grid->SetBiDiMode(bdRightToLeft);
  Show();
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  const Integer maxLeft = Grid->CalcMaxTopLeft({19, 9}, info).X;
  EXPECT_EQ(Position(SB_HORZ), 127) << "the first columns show with the thumb at the right end";
  Scroll(WM_HSCROLL, SB_THUMBPOSITION, 0);
  EXPECT_EQ(Grid->GetLeftCol(), maxLeft) << "a thumb at the left end shows the last columns";
  EXPECT_EQ(Position(SB_HORZ), 0);
  GdiSurface::TGdiSurface scrolled, fresh;
  Capture(scrolled);
  FreshPicture(fresh);
  EXPECT_EQ(Differences(scrolled, fresh), 0);
  SavePng("grid-right-to-left-scrolled.png");
}

}  // namespace
