// Scrolling a grid with a window: moving pixels or repainting by the one-fifth rule and the strips
// left to paint, scroll bars over the visible rows (scaled above 32767), scroll requests, the largest
// top row, sizing bands and the XOR sizing line, and the pacing of automatic scrolling.
#include <cmath>

#include "DateTime.h"
#include "GridControlTestSupport.h"
#include "WinInput.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinScrollBars.h"
#include "WindowPictures.h"

using namespace GridControlTest;

namespace {

// A clock whose tick count moves on by Step at every reading: a wait on it ends without sleeping.
class TSteppingClock : public TManualClock {
 public:
  explicit TSteppingClock(UInt64 Step) : TManualClock(0, 1000), FStep(Step) {}
  UInt64 TickCount64() override {
    Advance(FStep);
    return TManualClock::TickCount64();
  }
  UInt64 Peek() { return TManualClock::TickCount64(); }

 private:
  UInt64 FStep;
};

class Scrolling : public WindowGridTest {
 protected:
  // Cells of 64 x 14 (lines included) under a heading of 15 and beside a row bar of 14.
  TTestGrid* Make(Integer Width, Integer Height, Integer Cols, Integer Rows, TScrollStyle Bars = ssNone) {
    TTestGrid* grid = MakeGrid(Width, Height, Cols, Rows);
    grid->SetScrollBars(Bars);
    Pump();
    return grid;
  }
  SCROLLINFO Bar(int Which) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Grid->GetHandle(), Which, &info);
    return info;
  }
  void Scroll(UINT Code, UINT Thumb = 0) {
    SendMessage(Grid->GetHandle(), WM_VSCROLL, MAKEWPARAM(Code, Thumb), 0);
    Pump();
  }
  void DropQueuedInput() {
    MSG msg;
    while (PeekMessage(&msg, Grid->GetHandle(), 0, 0, PM_REMOVE)) {
    }
  }
};

TEST_F(Scrolling, SmallMovesMovePixelsAndLargeOnesRepaintTheScrollingArea) {
  Make(300, 300, 10, 40);
  struct TCase {
    const char* Name;
    bool Vertical;
    Integer Amount;  // below 0: the content moves up (left)
    TRect Left;      // what is left to paint
  };
  const TCase cases[] = {
      {"one row up", true, -14, {0, 281, 300, 300}},
      {"250 of 285 pixels up", true, -250, {0, 15, 300, 300}},
      {"one row down", true, 14, {0, 14, 300, 29}},
      {"250 of 285 pixels down", true, 250, {0, 15, 300, 300}},
      {"one column left", false, -64, {206, 0, 300, 300}},
      {"one column right", false, 64, {13, 0, 78, 300}},
      {"250 of 286 pixels right", false, 250, {14, 0, 300, 300}},
  };
  for (const TCase& c : cases) {
    Pump();
    if (c.Vertical)
      c.Amount < 0 ? Grid->ScrollUp(c.Amount) : Grid->ScrollDown(c.Amount);
    else
      c.Amount < 0 ? Grid->ScrollLeft(c.Amount) : Grid->ScrollRight(c.Amount);
    EXPECT_EQ(UpdateBox(), c.Left) << c.Name;
  }
}

TEST_F(Scrolling, AScrolledPictureEqualsAFreshPaint) {
  auto* grid = MakeGrid<TPaintProbeGrid>(300, 200, 6, 60);
  grid->SetScrollBars(ssNone);
  Pump();
  // With the row bar hidden too: the rows' own extent bounds the pixels moved down.
  for (bool rowBar : {true, false}) {
    grid->SetRowBarOn(rowBar);
    for (UINT code : {SB_LINEDOWN, SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP}) {
      grid->Clips.clear();
      Scroll(code);
      ASSERT_FALSE(grid->Clips.empty());
      // Twelve whole rows stay under the heading: from 183 on the window is painted again.
      if (code == SB_LINEDOWN) EXPECT_EQ(grid->Clips.back().top, 183) << "only the uncovered strip";
      GdiSurface::TGdiSurface scrolled, fresh;
      Capture(scrolled);
      Grid->Invalidate();
      Pump();
      Capture(fresh);
      EXPECT_EQ(WindowPictures::Differences(scrolled, fresh), 0)
          << "row bar " << rowBar << ", code " << code << ", top row " << Grid->GetTopRow();
    }
  }
}

TEST_F(Scrolling, TheVerticalBarCountsVisibleRows) {
  // 71 = heading + 4 rows: 4 of the 10 rows fit.
  Make(400, 71, 4, 10, ssBoth);
  SCROLLINFO info = Bar(SB_VERT);
  EXPECT_TRUE(Grid->GetVertBarShown());
  EXPECT_EQ(info.nMin, 1);
  EXPECT_EQ(info.nMax, 10);
  EXPECT_EQ(info.nPage, 4u);
  EXPECT_EQ(Grid->GetMaxScrollRow(), 7);
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(Grid->GetTopRow(), 5);
  EXPECT_EQ(Bar(SB_VERT).nPos, 5);
  Scroll(SB_BOTTOM);
  EXPECT_EQ(Grid->GetTopRow(), 7) << "the last rows still fill the window";
  Scroll(SB_THUMBTRACK, 2);
  EXPECT_EQ(Grid->GetTopRow(), 7) << "no thumb tracking";
  Grid->SetThumbTracking(true);
  Scroll(SB_THUMBTRACK, 2);
  EXPECT_EQ(Grid->GetTopRow(), 2);
  Scroll(SB_THUMBPOSITION, 3);
  EXPECT_EQ(Grid->GetTopRow(), 3);
  // Hidden rows take no room on the bar.
  for (Integer row = 2; row <= 10; row += 2) Grid->SetRowVisible(row, false);
  Pump();
  Integer count, range, first, last;
  bool scaled;
  Grid->GetVertScrollRange(count, range, first, last, scaled);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(range, 5) << "half the range";
}

TEST_F(Scrolling, AboveAMaximumOfPositionsTheBarIsScaled) {
  Make(400, 71, 4, 40000, ssVertical);
  SCROLLINFO info = Bar(SB_VERT);
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 32767);
  EXPECT_EQ(info.nPage, 1u);
  Integer count, range, first, last;
  bool scaled;
  Grid->GetVertScrollRange(count, range, first, last, scaled);
  EXPECT_TRUE(scaled);
  EXPECT_EQ(count, 39997 - 1);
  EXPECT_EQ(range, 32767);
  for (UINT thumb : {0u, 1u, 16384u, 32767u}) {
    Scroll(SB_THUMBPOSITION, thumb);
    Integer expected = std::min<Integer>(std::lround(double(count) / range * thumb) + first, 39997);
    EXPECT_EQ(Grid->GetTopRow(), expected) << "thumb " << thumb;
    EXPECT_EQ(Bar(SB_VERT).nPos, std::lround(double(range) / count * (expected - first))) << "thumb " << thumb;
  }
}

TEST_F(Scrolling, TheLargestTopRowPassesOverHiddenRowsAndKeepsTheInsertionRow) {
  Make(400, 71, 4, 10);
  EXPECT_EQ(Grid->GetMaxTopRow(), 7);
  Grid->SetRowVisible(10, false);
  EXPECT_EQ(Grid->GetMaxTopRow(), 6) << "rows 6 to 9 fill the window";
  Grid->SetRowVisible(6, false);
  EXPECT_EQ(Grid->GetMaxTopRow(), 5) << "hidden, so rows 5, 7, 8 and 9";
  Grid->SetGridMode(gmEditInsert);
  EXPECT_EQ(Grid->GetMaxTopRow(), 7) << "the insertion row is shown last";
}

TEST_F(Scrolling, BarsShownAlwaysAreDisabledWhenEverythingFits) {
  Make(400, 200, 4, 3, ssBoth);
  SCROLLBARINFO info;
  GetScrollBarInfo(Grid->GetHandle(), OBJID_VSCROLL, &info);
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  Grid->SetAlwaysShowScrollBar(ssBoth);
  EXPECT_TRUE(Grid->GetVertBarShown());
  GetScrollBarInfo(Grid->GetHandle(), OBJID_VSCROLL, &info);
  EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  Grid->SetAlwaysShowScrollBar(ssNone);
  GetScrollBarInfo(Grid->GetHandle(), OBJID_VSCROLL, &info);
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

TEST_F(Scrolling, BarUpdatesWhilePaintingIsSuspendedWaitForTheNextPaint) {
  Make(400, 71, 4, 3, ssBoth);
  EXPECT_FALSE(Grid->GetVertBarShown());
  Grid->SetEnablePaint(false);
  Grid->SetGridRowCount(20);
  EXPECT_FALSE(Grid->GetVertBarShown());
  EXPECT_TRUE(Grid->GetScrollRangePending());
  Grid->SetEnablePaint(true);
  Grid->Invalidate();
  Pump();
  EXPECT_TRUE(Grid->GetVertBarShown());
  EXPECT_FALSE(Grid->GetScrollRangePending());
}

TEST_F(Scrolling, ScrollingUpAtTheTopDoesNothing) {
  Make(400, 71, 4, 10);
  Integer moves = 0;
  Grid->OnPaint = [&](TObject*) { ++moves; };
  Scroll(SB_LINEUP);
  Scroll(SB_PAGEUP);
  EXPECT_EQ(Grid->GetTopRow(), 1);
  EXPECT_EQ(moves, 0);
  EXPECT_EQ(UpdateBox(), TRect());
}

TEST_F(Scrolling, ALargerWindowBringsTheTopRowBack) {
  Make(400, 71, 4, 10);
  Scroll(SB_BOTTOM);
  EXPECT_EQ(Grid->GetTopRow(), 7);
  Grid->SetBounds(0, 0, 400, 113);
  Pump();
  EXPECT_EQ(Grid->GetTopRow(), 4);
}

TEST_F(Scrolling, SizingBandsLieAroundTheBoundaries) {
  Make(400, 300, 4, 4);
  Grid->SetRowBarOn(false);
  Grid->SetHeadingOn(false);
  Grid->GetCols()->GetItem(1)->SetWidth(100);
  Grid->SetRowHeight(1, 100);
  for (Integer at = 94; at <= 103; ++at) {
    TtsMouseStatus status = msNormal;
    bool col = Grid->CalcColSizingState(at, 5, status);
    EXPECT_EQ(col, at >= 97 && at <= 100) << "x " << at;
    if (col) {
      EXPECT_EQ(status, msColResize);
      EXPECT_EQ(Grid->GetSizingIndex(), 1);
      EXPECT_EQ(Grid->GetSizingPos(), 99);
      EXPECT_EQ(Grid->GetSizingOffset(), 99 - at);
    }
    EXPECT_EQ(Grid->CalcRowSizingState(5, at, status), at >= 97 && at <= 101) << "y " << at;
  }
  Grid->SetResizeCols(rcNone);
  TtsMouseStatus status = msNormal;
  EXPECT_FALSE(Grid->CalcColSizingState(99, 5, status));
}

TEST_F(Scrolling, TheSizingStateByPlace) {
  Make(400, 300, 4, 4);
  Grid->SetResizeRows(rrSingle);
  // Heading 15 high, row bar 14 wide, columns of 64 and rows of 14.
  struct TCase {
    Integer X, Y;
    TtsMouseStatus Status;
  };
  const TCase cases[] = {
      {5, 12, msNormal},          {5, 13, msHeadingResize}, {5, 14, msHeadingResize}, {5, 27, msRowResize},
      {12, 5, msRowBarResize},    {11, 5, msNormal},        {76, 5, msColResize},     {76, 40, msNormal},
      {40, 27, msNormal},         {300, 5, msNormal},
  };
  for (const TCase& c : cases) {
    Integer col, row;
    Grid->CellFromXY(c.X, c.Y, col, row);
    EXPECT_EQ(Grid->GetSizingState(c.X, c.Y, row, col), c.Status) << c.X << "," << c.Y;
  }
  Grid->SetResizeColsInGrid(true);
  Integer col, row;
  Grid->CellFromXY(76, 40, col, row);
  EXPECT_EQ(Grid->GetSizingState(76, 40, row, col), msColResize) << "inside the grid when allowed";
}

TEST_F(Scrolling, TheSizingLineDrawnTwiceLeavesNoTrace) {
  Make(300, 150, 4, 6);
  GdiSurface::TGdiSurface before, shown, after;
  Capture(before);
  TtsMouseStatus status = msNormal;
  ASSERT_TRUE(Grid->CalcColSizingState(77, 5, status));
  Grid->SetMouseStatus(status);
  Grid->MouseDownResize();
  Capture(shown);
  EXPECT_GT(WindowPictures::Differences(before, shown), 20) << "the line shows";
  SavePng("grid_sizing_line.png");
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (shown.Pixel(x, y) != before.Pixel(x, y)) EXPECT_EQ(x, 77) << "only on the sizing line";
  Grid->DrawSizingLine();
  Capture(after);
  EXPECT_EQ(WindowPictures::Differences(before, after), 0);
  Grid->SetMouseStatus(msNormal);
}

TEST_F(Scrolling, AutomaticScrollingWaitsWithoutSleepingAndStopsForInput) {
  Make(300, 150, 4, 40);
  TSteppingClock clock(5);
  TClockOverride use(clock);
  Grid->SetScrollSpeed(spHigh);
  UInt64 start = clock.Peek();
  EXPECT_TRUE(Grid->ScrollDelay(0, 0, 1));
  EXPECT_EQ(clock.Peek(), start) << "no wait at high speed";

  Grid->SetScrollSpeed(spLow);
  start = clock.Peek();
  EXPECT_TRUE(Grid->ScrollDelay(0, 0, 1));
  EXPECT_GE(clock.Peek() - start, 200u);
  EXPECT_LE(clock.Peek() - start, 230u);

  // A mouse message ends the wait at once; the next call waits only for the rest.
  start = clock.Peek();
  PostMessage(Grid->GetHandle(), WM_MOUSEMOVE, 0, 0);
  EXPECT_FALSE(Grid->ScrollDelay(0, 0, 1));
  DropQueuedInput();
  clock.Advance(120);
  EXPECT_TRUE(Grid->ScrollDelay(0, 0, 1));
  EXPECT_GE(clock.Peek() - start, 200u);
  EXPECT_LE(clock.Peek() - start, 230u);

  PostMessage(Grid->GetHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(Grid->ScrollDelay(0, 0, 1)) << "Escape ends the automatic scrolling";
  DropQueuedInput();
}

TEST_F(Scrolling, TheWaitShortensFarFromTheEdge) {
  Make(300, 150, 4, 40);
  const Integer screenWidth = GetSystemMetrics(SM_CXSCREEN);
  struct TCase {
    const char* Name;
    bool RowBar;
    Integer X, Y, Direction, Delay;
  };
  // The grid lies at the screen's origin; its row bar is 14 wide, its heading 15 high.
  const TCase cases[] = {
      {"just left of the scrolling area", true, 10, 50, 0, 200},
      {"at the screen's edge", true, 0, 50, 0, 0},
      {"just right of the grid", true, 310, 50, 0, 200},
      {"far right of the grid", true, 330, 50, 0, 0},
      {"in the heading", true, 50, 10, 1, 200},
      {"below the grid, far", true, 50, 190, 1, 0},
      {"both ways, the larger distance", true, 330, 50, 2, 0},
      {"no fixed area at the screen's edge", false, 0, 50, 0, 0},
      {"beyond the screen", true, screenWidth + 5, 50, 0, 0},
  };
  for (const TCase& c : cases) {
    Grid->SetRowBarOn(c.RowBar);
    EXPECT_EQ(Grid->WaitingTime(c.X, c.Y, c.Direction), c.Delay) << c.Name;
  }
}

TEST_F(Scrolling, TheHorizontalBarMovesTheLeftColumn) {
  Make(200, 100, 8, 3, ssBoth);
  auto scroll = [this](WORD Code) {
    SendMessage(Grid->GetHandle(), WM_HSCROLL, MAKEWPARAM(Code, 0), 0);
    Pump();
  };
  scroll(SB_LINELEFT);
  EXPECT_EQ(Grid->GetLeftCol(), 1);
  scroll(SB_LINERIGHT);
  EXPECT_EQ(Grid->GetLeftCol(), 2);
  EXPECT_EQ(Bar(SB_HORZ).nPos, 2);
  scroll(SB_RIGHT);
  EXPECT_EQ(Grid->GetLeftCol(), Grid->GetMaxLeftCol());
  EXPECT_GT(Grid->GetLeftCol(), 2);
  scroll(SB_LEFT);
  EXPECT_EQ(Grid->GetLeftCol(), 1);
}

TEST_F(Scrolling, TheSelectedRowAndTheControlCellStayOutOfTheMovedPixels) {
  auto* grid = MakeGrid<TPaintProbeGrid>(300, 200, 6, 60);
  grid->SetScrollBars(ssNone);
  Pump();
  struct TCase {
    TtsScrollMode Mode;
    Integer Row;
  };
  for (const TCase& c : {TCase{smRowSelect, 5}, TCase{smGridControl, 6}, TCase{smWindow, 0}}) {
    grid->SetRowSelectRect(c.Row);
    grid->SetControlRect(2, c.Row);
    grid->Clips.clear();
    grid->ScrollGrid(grid->GetLeftCol(), grid->GetTopRow() + 1, c.Mode);
    Pump();
    EXPECT_EQ(grid->GetScrollMode(), smWindow) << "back after the scroll";
    GdiSurface::TGdiSurface scrolled, fresh;
    Capture(scrolled);
    grid->Invalidate();
    Pump();
    Capture(fresh);
    EXPECT_EQ(WindowPictures::Differences(scrolled, fresh), 0) << "mode " << c.Mode;
  }
}

}  // namespace
