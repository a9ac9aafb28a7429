// Automatic scrolling while a mouse selection is dragged beyond the data area: paced by the scroll
// speed on a clock that moves on at every reading, with the pointer placed per step; it ends when the
// pointer moves, a mouse message or Escape waits, or the view cannot scroll on.
#include <functional>

#include "DateTime.h"
#include "GridControlTestSupport.h"
#include "TSGridColumns.h"
#include "WinCursor.h"
#include "WinInput.h"
#include "WinQueue.h"

using namespace GridControlTest;

namespace {

// A clock whose tick count moves on by Step at every reading; OnRead runs after each move.
class TScriptedClock : public TManualClock {
 public:
  explicit TScriptedClock(UInt64 Step) : TManualClock(45000.0, 1000), FStep(Step) {}
  UInt64 TickCount64() override {
    Advance(FStep);
    if (OnRead && !FInRead) {
      FInRead = true;
      OnRead(TManualClock::TickCount64());
      FInRead = false;
    }
    return TManualClock::TickCount64();
  }
  UInt64 Peek() { return TManualClock::TickCount64(); }
  std::function<void(UInt64 Tick)> OnRead;

 private:
  UInt64 FStep;
  bool FInRead = false;
};

class AutoScroll : public WindowGridTest {
 protected:
  TScriptedClock Clock{5};
  TClockOverride UseClock{Clock};

  void TearDown() override {
    Clock.OnRead = nullptr;
    DropQueued();
    WindowGridTest::TearDown();
  }
  // Cells of 64 x 14 under a heading of 15 and beside a row bar of 14; 13 whole rows show.
  TTestGrid* Make(Integer Width, Integer Cols, Integer Rows) {
    TTestGrid* grid = MakeGrid(Width, 200, Cols, Rows);
    grid->SetScrollBars(ssNone);
    Pump();
    return grid;
  }
  // The pointer at a client point, without a mouse message left waiting.
  void PointerAt(TPoint At) {
    TPoint screen = Grid->ClientToScreen(At);
    SetCursorPos(screen.x, screen.y);
    DropQueued();
  }
  // Drops the mouse and key messages waiting for the grid.
  void DropQueued() {
    MSG msg;
    while (Grid && (PeekMessage(&msg, Grid->GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
                    PeekMessage(&msg, Grid->GetHandle(), WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))) {
    }
  }
  // A mouse row selection under way from the current row Row, the button held.
  void RowSelectionFrom(Integer Row) {
    Grid->SetCurrentCell(1, Row);
    Grid->SelectRows(Row, Row, true);
    Grid->SetLastAddedRow(Row);
    Grid->SetMouseStatus(msRowSelect);
    Grid->SetMouseCapture(true);
    Pump();
  }
  // The top rows the view passes through, with the tick at which each came.
  std::vector<std::pair<UInt64, Integer>> Steps;
  void WatchSteps(std::function<void(size_t Steps)> AfterStep) {
    Integer top = Grid->GetTopRow();
    Clock.OnRead = [this, top, AfterStep](UInt64 Tick) mutable {
      if (Grid->GetTopRow() == top) return;
      top = Grid->GetTopRow();
      Steps.emplace_back(Tick, top);
      AfterStep(Steps.size());
    };
  }
  bool RowsSelected(Integer From, Integer To) {
    for (Integer r = From; r <= To; ++r)
      if (!Grid->IsCellSelected(0, r)) return false;
    return true;
  }
};

TEST_F(AutoScroll, AtLowSpeedARowComesEvery200MsAndIsSelectedUntilThePointerMoves) {
  Make(300, 4, 40);
  Grid->SetScrollSpeed(spLow);
  RowSelectionFrom(3);
  const TPoint below(100, 215);
  PointerAt(below);
  WatchSteps([&](size_t Count) {
    if (Count == 5) {
      TPoint screen = Grid->ClientToScreen(TPoint(below.x, below.y + 3));
      SetCursorPos(screen.x, screen.y);
    }
  });
  const UInt64 start = Clock.Peek();
  Grid->MouseMove({ssLeft}, below.x, below.y);
  ASSERT_EQ(Steps.size(), 5u) << "moving the pointer stops the loop at once";
  UInt64 previous = start;
  for (size_t i = 0; i < Steps.size(); ++i) {
    EXPECT_EQ(Steps[i].second, 2 + static_cast<Integer>(i));
    EXPECT_GE(Steps[i].first - previous, 200u) << i;
    EXPECT_LE(Steps[i].first - previous, 240u) << i << ": one row per wait";
    previous = Steps[i].first;
  }
  const Integer last = Grid->MaxVisibleRow();
  EXPECT_TRUE(RowsSelected(3, last)) << "each row that came into view, up to " << last;
  EXPECT_FALSE(Grid->IsCellSelected(0, last + 1));
  EXPECT_FALSE(Grid->IsCellSelected(0, 2));
}

TEST_F(AutoScroll, AWaitingMouseMessageOrEscapeEndsTheLoop) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "mouse message");
    Steps.clear();
    Make(300, 4, 40);
    Grid->SetScrollSpeed(spLow);
    RowSelectionFrom(3);
    const TPoint below(100, 215);
    PointerAt(below);
    WatchSteps([&](size_t Count) {
      if (Count != 2) return;
      if (escape)
        PostMessage(Grid->GetHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
      else
        PostMessage(Grid->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
    });
    Grid->MouseMove({ssLeft}, below.x, below.y);
    Clock.OnRead = nullptr;
    EXPECT_EQ(Steps.size(), 2u);
    if (escape) {
      // The key then cancels the selection: the rows from the current row on are toggled back.
      Pump();
      EXPECT_EQ(Grid->GetMouseStatus(), msNormal);
      EXPECT_FALSE(RowsSelected(3, 3));
      EXPECT_FALSE(Grid->IsCellSelected(0, Grid->MaxVisibleRow()));
    }
    DropQueued();
    FreeAndNil(Form);
    Grid = nullptr;
    SetUp();
  }
}

TEST_F(AutoScroll, ARangeDraggedRightOfTheLastColumnReachesItWithoutScrollingWhenAllFit) {
  Make(300, 4, 40);
  Grid->StartCellSelection(1, 2);
  Grid->SetMouseStatus(msCellSelect);
  Grid->SetMouseCapture(true);
  const TPoint right(310, 15 + 3 * 14 + 5);
  PointerAt(right);
  const UInt64 start = Clock.Peek();
  Grid->MouseMove({ssLeft}, right.x, right.y);
  EXPECT_EQ(Grid->GetSelectedRange(), MakeGridRect(1, 2, 4, 4));
  EXPECT_EQ(Grid->GetLeftCol(), 1);
  EXPECT_LT(Clock.Peek() - start, 100u) << "no scrolling steps waited for";
}

TEST_F(AutoScroll, ARangeDraggedRightOfTheGridScrollsToTheLastColumn) {
  Make(300, 10, 40);
  Grid->SetScrollSpeed(spHigh);
  Grid->StartCellSelection(2, 2);
  Grid->SetMouseStatus(msCellSelect);
  Grid->SetMouseCapture(true);
  const TPoint right(310, 15 + 3 * 14 + 5);
  PointerAt(right);
  Grid->MouseMove({ssLeft}, right.x, right.y);
  EXPECT_EQ(Grid->GetLeftCol(), Grid->GetMaxLeftCol());
  EXPECT_EQ(Grid->GetSelectedRange(), MakeGridRect(2, 2, 10, 4));
}

TEST_F(AutoScroll, ARangeDragReachesALastColumnWiderThanTheWindow) {
  Make(300, 4, 40);
  Grid->GetCols()->GetItem(4)->SetWidth(400);
  Grid->SetScrollSpeed(spHigh);
  Pump();
  Grid->StartCellSelection(1, 2);
  Grid->SetMouseStatus(msCellSelect);
  Grid->SetMouseCapture(true);
  const TPoint right(310, 15 + 3 * 14 + 5);
  PointerAt(right);
  Grid->MouseMove({ssLeft}, right.x, right.y);
  EXPECT_EQ(Grid->GetSelectedRange().Right, 4);
}

}  // namespace
