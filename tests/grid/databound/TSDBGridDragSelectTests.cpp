// Dragging a row selection over a bound grid with the mouse: within the rows the selection follows
// the pointer record by record across the selection start; beyond the rows a loop inside the one
// mouse move scrolls the dataset one record per step, paced on a clock that moves on at every reading,
// until the pointer moves, a mouse message or Escape waits, or the data ends.
#include <functional>
#include <set>

#include "DBGridTestSupport.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "HeadlessBackend.h"
#include "Strings.h"
#include "TSDBGridData.h"
#include "WinCursor.h"
#include "WinQueue.h"
#include "WindowPictures.h"

namespace DBGridTest {
namespace {

constexpr Integer DragRecordCount = 40;
using DragRecords = std::set<Integer>;

DragRecords DragSpan(Integer From, Integer To) {
  DragRecords records;
  for (Integer r = From; r <= To; ++r) records.insert(r);
  return records;
}

// A clock whose tick count moves on by 5 ms at every reading, so that the loop's waits come to an end.
class TDragClock : public TManualClock {
 public:
  TDragClock() : TManualClock(45000.0, 1000) {}
  UInt64 TickCount64() override {
    Advance(5);
    return TManualClock::TickCount64();
  }
  UInt64 Peek() { return TManualClock::TickCount64(); }
};

class DBDragSelect : public DBGridTest {
 protected:
  TDragClock Clock;
  TClockOverride UseClock{Clock};

  void SetUp() override {
    DBGridTest::SetUp();
    for (Integer i = 6; i <= DragRecordCount; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
    Grid->SetBounds(0, 0, 300, 200);
    Grid->SetRowSelectMode(rsMulti);
    Grid->SetScrollSpeed(spHigh);
    BindAndOpen();
    Form->Show();
    Pump();
    for (Integer r = 1; r <= DragRecordCount; ++r) Bookmarks.push_back(BookmarkOf(r));
    Rows = Grid->GetGridRowCount();
    ASSERT_GT(Rows, 5);
    ASSERT_LT(Rows, 20);
  }
  void TearDown() override {
    Grid->SetOnTopLeftChanged(nullptr);
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
    DropQueued();
    DBGridTest::TearDown();
  }
  void Pump() { Application->ProcessMessages(); }
  void DropQueued() {
    MSG msg;
    while (PeekMessage(&msg, Grid->GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
           PeekMessage(&msg, Grid->GetHandle(), WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
  }
  // The record number (1-based) buffered at a line, 0 for none.
  Integer RecordAt(Integer Line) {
    String bkm = Grid->GetGridData()->GetBookmark(Line);
    for (Integer r = 1; r <= DragRecordCount; ++r)
      if (Bookmarks[static_cast<size_t>(r - 1)] == bkm) return r;
    return 0;
  }
  DragRecords Selected() {
    DragRecords records;
    for (Integer r = 1; r <= DragRecordCount; ++r)
      if (Grid->GetDBRowSelected(Variant(Bookmarks[static_cast<size_t>(r - 1)]))) records.insert(r);
    return records;
  }
  TPoint InRow(Integer Row) {
    TRect r;
    Grid->CellRect(1, Row, r);
    return TPoint(r.left + 10, r.top + 5);
  }
  TPoint Below() { return TPoint(100, Grid->GetClientHeight() + 15); }
  TPoint Above() { return TPoint(100, Grid->GetFixedHeight() - 5); }
  // The pixels by which the screen, once its pending paints are done, differs from a full repaint.
  int DifferencesFromFullRepaint() {
    DropQueued();
    Pump();
    GdiSurface::TGdiSurface shown, repainted;
    if (!WindowPictures::CaptureClient(Grid, shown)) return -1;
    Grid->Invalidate();
    Pump();
    if (!WindowPictures::CaptureClient(Grid, repainted)) return -1;
    return WindowPictures::Differences(shown, repainted);
  }
  // A press on the row bar of a row starts the drag there.
  void PressRowBar(Integer Row) {
    TRect r;
    Grid->CellRect(0, Row, r);
    TPoint at = Grid->ClientToScreen(TPoint(r.left + 3, r.top + 3));
    Clock.Advance(1000);
    HeadlessBackend::InjectMouseMove(at.x, at.y);
    HeadlessBackend::InjectMouseButton(0, true);
    Pump();
    ASSERT_EQ(Grid->GetMouseStatus(), msRowSelect);
    ASSERT_EQ(Selected(), DragRecords{RecordAt(Row)});
  }
  // The pointer at a client point with the button held; a point outside the rows runs the loop.
  void DragTo(TPoint At) {
    TPoint screen = Grid->ClientToScreen(At);
    SetCursorPos(screen.x, screen.y);
    DropQueued();
    Grid->MouseMove(TShiftState{ssLeft}, At.x, At.y);
  }

  // What each step of a loop left: the record at the top, the selection, the current record (the
  // dataset's, which must be the grid's) and the tick of the step.
  struct TStep {
    Integer Top;
    DragRecords Selection;
    Integer Current;
    UInt64 Tick = 0;
    bool CurrentAgrees = true;
  };
  std::vector<TStep> Steps;
  // Notes every step as the view reports it; AfterStep runs after the note. Reading the selection
  // moves the dataset and back inside the report.
  void WatchSteps(std::function<void(size_t Count)> AfterStep = nullptr) {
    Steps.clear();
    Grid->SetOnTopLeftChanged([this, AfterStep](TObject*, Integer, const Variant&, Integer, const Variant&, bool) {
      Steps.push_back({RecordAt(1), Selected(), Data->GetRecNo(), Clock.Peek(),
                       Grid->GetCurrentBookmark() == Data->GetBookmark()});
      if (AfterStep) AfterStep(Steps.size());
    });
  }
  // Ends the loop after Count steps by moving the pointer a little.
  void StopAfter(size_t Count) {
    WatchSteps([this, Count](size_t Done) {
      if (Done != Count) return;
      TPoint now;
      GetCursorPos(&now);
      SetCursorPos(now.x, now.y + 3);
    });
  }
  void StopWatching() { Grid->SetOnTopLeftChanged(nullptr); }

  std::vector<String> Bookmarks;
  Integer Rows = 0;
};

const TtsRecordSelection DragModes[] = {rseBookmarkRange, rseBookmarkSet};
const char* DragModeName(TtsRecordSelection Mode) { return Mode == rseBookmarkRange ? "range mode" : "set mode"; }

TEST_F(DBDragSelect, WithinTheRowsTheSelectionFollowsThePointerAcrossTheStart) {
  for (TtsRecordSelection mode : DragModes) {
    SCOPED_TRACE(DragModeName(mode));
    Grid->SetRecordSelection(mode);
    PressRowBar(5);
    const struct {
      Integer Row;
      DragRecords Expected;
    } moves[] = {{8, DragSpan(5, 8)}, {6, DragSpan(5, 6)}, {5, {5}},       {2, DragSpan(2, 5)},
                 {4, DragSpan(4, 5)}, {7, DragSpan(5, 7)}, {1, DragSpan(1, 5)}, {5, {5}}};
    for (const auto& move : moves) {
      SCOPED_TRACE(move.Row);
      DragTo(InRow(move.Row));
      EXPECT_EQ(Selected(), move.Expected);
      EXPECT_EQ(Data->GetRecNo(), move.Row) << "the current record follows the pointer";
      for (Integer line = 1; line <= Rows; ++line)
        EXPECT_EQ(Grid->IsRowSelected(line), move.Expected.count(line) != 0) << "line " << line;
      EXPECT_EQ(DifferencesFromFullRepaint(), 0);
    }
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
  }
}

TEST_F(DBDragSelect, BelowTheRowsEachStepScrollsOneRecordAndSelectsIt) {
  for (TtsRecordSelection mode : DragModes) {
    SCOPED_TRACE(DragModeName(mode));
    Data->First();
    Grid->SetRecordSelection(mode);
    Grid->SetScrollSpeed(spLow);
    PressRowBar(3);
    StopAfter(4);
    const UInt64 start = Clock.Peek();
    DragTo(Below());
    StopWatching();
    ASSERT_EQ(Steps.size(), 4u) << "moving the pointer ends the loop";
    for (Integer k = 1; k <= 4; ++k) {
      const TStep& step = Steps[static_cast<size_t>(k - 1)];
      const UInt64 previous = k == 1 ? start : Steps[static_cast<size_t>(k - 2)].Tick;
      EXPECT_GE(step.Tick - previous, 200u) << "one record per wait at low speed";
      EXPECT_LE(step.Tick - previous, 240u);
      EXPECT_EQ(step.Top, 1 + k);
      EXPECT_EQ(step.Selection, DragSpan(3, Rows + k)) << "step " << k;
      EXPECT_EQ(step.Current, Rows + k) << "the current record is the one that came into view";
      EXPECT_TRUE(step.CurrentAgrees);
    }
    EXPECT_EQ(Grid->GetScrollDirection(), 0);
    if (mode == rseBookmarkRange) EXPECT_EQ(Grid->GetSelection()->GetRangesInUse(), 1);
    EXPECT_EQ(DifferencesFromFullRepaint(), 0) << "the scrolled rows are drawn as a repaint draws them";

    // Back inside the rows the selection, which runs past the top of the view, shrinks to the pointer.
    DragTo(InRow(Rows - 3));
    EXPECT_EQ(Selected(), DragSpan(3, Rows + 1));
    if (mode == rseBookmarkRange) {
      Pump();
      EXPECT_TRUE(SaveWindowPng(Grid->GetHandle(), testing::TempDir() + "dbgrid-drag-selection.png"));
      TRect selected, unselected;
      Grid->CellRect(1, 1, selected);
      Grid->CellRect(1, Rows, unselected);
      EXPECT_NE(WindowPictures::ClientPixel(Grid, selected.right - 3, selected.bottom - 3),
                WindowPictures::ClientPixel(Grid, unselected.right - 3, unselected.bottom - 3))
          << "the top row, whose selection began above the view, is drawn selected";
    }
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
    Grid->SetScrollSpeed(spHigh);
  }
}

// The loops run to the end of the data in either direction, one record per step, and stop there on
// their own. Below, a last row whose bottom line the window cuts off is then scrolled into view.
TEST_F(DBDragSelect, TheEndsOfTheDataEndTheLoop) {
  for (bool down : {false, true}) {
    SCOPED_TRACE(down ? "down" : "up");
    if (down)
      Data->First();
    else
      Data->Last();
    Pump();
    Integer row = down ? 3 : Rows - 2;
    PressRowBar(row);
    Integer start = RecordAt(row);
    WatchSteps();
    DragTo(down ? Below() : Above());
    StopWatching();
    const size_t records = static_cast<size_t>(DragRecordCount - Rows);
    ASSERT_GE(Steps.size(), records);
    ASSERT_LE(Steps.size(), records + (down ? 1 : 0));
    for (size_t k = 0; k < Steps.size(); ++k) {
      Integer current = static_cast<Integer>(std::min(k + 1, records));
      EXPECT_EQ(Steps[k].Current, down ? Rows + current : DragRecordCount - Rows + 1 - current) << k;
    }
    EXPECT_EQ(Selected(), down ? DragSpan(start, DragRecordCount) : DragSpan(1, start));
    EXPECT_EQ(Data->GetRecNo(), down ? DragRecordCount : 1);
    EXPECT_EQ(Grid->GetScrollDirection(), 0);
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
  }
}

// A last row whose bottom line the window cuts off: at the end of the data the view scrolls inside
// the buffer to show it whole, and scrolled back up it returns inside the buffer first.
TEST_F(DBDragSelect, AtTheEndTheViewScrollsInsideTheBufferAndBack) {
  ASSERT_EQ(Grid->GetMaxTopRow(), 2) << "the window cuts off the last row's line";
  PressRowBar(3);
  DragTo(Below());
  DropQueued();
  EXPECT_EQ(Grid->GetTopRow(), 2);
  EXPECT_EQ(Selected(), DragSpan(3, DragRecordCount));
  EXPECT_EQ(DifferencesFromFullRepaint(), 0);
  const Integer first = RecordAt(1);
  StopAfter(3);
  DragTo(Above());
  StopWatching();
  ASSERT_EQ(Steps.size(), 3u);
  for (Integer k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const TStep& step = Steps[static_cast<size_t>(k)];
    EXPECT_EQ(step.Top, first - k) << "first the row above the view, then the dataset's records";
    EXPECT_EQ(step.Selection, DragSpan(3, first - 1 - k)) << "the pointer is above the top row";
    EXPECT_EQ(step.Current, first - k);
    EXPECT_TRUE(step.CurrentAgrees);
  }
  EXPECT_EQ(Grid->GetTopRow(), 1);
  EXPECT_EQ(DifferencesFromFullRepaint(), 0);
}

// Scrolled back up, the records below the start are given up one per step, the start is passed
// and the records above it are taken; the current record is the one at the top at every step.
TEST_F(DBDragSelect, AboveTheRowsTheSelectionShrinksOneRecordPerStepAndCrossesTheStart) {
  for (TtsRecordSelection mode : DragModes) {
    SCOPED_TRACE(DragModeName(mode));
    Data->First();
    Grid->SetRecordSelection(mode);
    PressRowBar(3);
    StopAfter(4);
    DragTo(Below());
    DropQueued();
    ASSERT_EQ(RecordAt(1), 5);
    WatchSteps();
    DragTo(Above());
    StopWatching();
    const TStep expected[] = {{4, {3}, 4}, {3, {3}, 3}, {2, DragSpan(2, 3), 2}, {1, DragSpan(1, 3), 1}};
    ASSERT_EQ(Steps.size(), std::size(expected));
    for (size_t k = 0; k < Steps.size(); ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(Steps[k].Top, expected[k].Top);
      EXPECT_EQ(Steps[k].Selection, expected[k].Selection);
      EXPECT_EQ(Steps[k].Current, expected[k].Current);
      EXPECT_TRUE(Steps[k].CurrentAgrees);
    }
    EXPECT_EQ(DifferencesFromFullRepaint(), 0);
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
  }
}

// The pointer above a start that has scrolled out below the view goes below the rows: the records
// coming into view above the start are given up one per step until the start comes, and those after
// it are taken.
TEST_F(DBDragSelect, BelowTheRowsAScrollDownThroughTheStartGivesUpTheRecordsAboveIt) {
  const Integer start = 30;
  Data->SetRecNo(start);
  Pump();
  PressRowBar(Grid->GetCurDataRow());
  StopAfter(static_cast<size_t>(Rows));
  DragTo(Above());
  StopWatching();
  DropQueued();
  const Integer bottom = RecordAt(Rows);
  ASSERT_LT(bottom, start);
  const size_t steps = static_cast<size_t>(start - bottom + 2);
  StopAfter(steps);
  DragTo(Below());
  StopWatching();
  ASSERT_EQ(Steps.size(), steps);
  for (const TStep& step : Steps) {
    const Integer last = step.Top + Rows - 1;
    SCOPED_TRACE(last);
    EXPECT_EQ(step.Selection, last < start ? DragSpan(last + 1, start) : DragSpan(start, last));
    EXPECT_EQ(step.Current, last);
    EXPECT_TRUE(step.CurrentAgrees);
  }
  EXPECT_EQ(DifferencesFromFullRepaint(), 0);
}

// The start scrolled out below the buffer: back inside the rows the pointer is above it, which
// bookmarks that do not follow the dataset's order can only tell from the side remembered.
TEST_F(DBDragSelect, AStartBelowTheBufferIsJudgedByTheSideRemembered) {
  for (TtsBookmarkType type : {bmtDefault, bmtNonOrdered}) {
    SCOPED_TRACE(type == bmtDefault ? "ordered" : "not ordered");
    Grid->SetBookmarkType(type);
    Data->SetRecNo(30);
    Pump();
    Integer row = Grid->GetCurDataRow();
    PressRowBar(row);
    Integer start = RecordAt(row);
    StopAfter(static_cast<size_t>(Rows));
    DragTo(Above());
    StopWatching();
    DropQueued();
    ASSERT_EQ(Grid->GetGridData()->BufferRow(Bookmarks[static_cast<size_t>(start - 1)]), 0);
    DragTo(InRow(4));
    EXPECT_EQ(Selected(), DragSpan(RecordAt(4), start));
    DragTo(InRow(2));
    EXPECT_EQ(Selected(), DragSpan(RecordAt(2), start));
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
  }
}

// With single selection the one selected record follows the pointer, and beyond the rows it is the
// record that came into view.
TEST_F(DBDragSelect, SingleSelectionFollowsThePointerRecordByRecord) {
  Grid->SetRowSelectMode(rsSingle);
  PressRowBar(3);
  DragTo(InRow(6));
  EXPECT_EQ(Selected(), DragRecords{6});
  EXPECT_EQ(Data->GetRecNo(), 6);
  StopAfter(2);
  DragTo(Below());
  StopWatching();
  ASSERT_EQ(Steps.size(), 2u);
  EXPECT_EQ(Steps[0].Selection, DragRecords{Rows + 1});
  EXPECT_EQ(Selected(), DragRecords{Rows + 2});
  EXPECT_EQ(Data->GetRecNo(), Rows + 2);
}

TEST_F(DBDragSelect, ADatasetErrorLeavesTheLoopWithTheGridListeningAgain) {
  PressRowBar(3);
  Integer scrolls = 0;
  Data->BeforeScroll = [&](TDataSet*) {
    if (++scrolls == 3) throw Exception("scroll refused");
  };
  EXPECT_THROW(DragTo(Below()), Exception);
  Data->BeforeScroll = nullptr;
  EXPECT_EQ(Grid->GetScrollDirection(), 0);
  EXPECT_FALSE(Grid->GetIgnoreDatasetScrolled());
  // The dataset's next move is followed by the grid again.
  Data->First();
  Pump();
  EXPECT_EQ(RecordAt(1), 1);
  EXPECT_EQ(Grid->GetCurrentBookmark(), Data->GetBookmark());
}

TEST_F(DBDragSelect, AWaitingMouseMessageOrEscapeEndsTheLoopKeepingTheSelection) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "mouse message");
    Data->First();
    Pump();
    PressRowBar(3);
    WatchSteps([&](size_t Count) {
      if (Count != 2) return;
      if (escape)
        PostMessage(Grid->GetHandle(), WM_KEYDOWN, VK_ESCAPE, 0);
      else
        PostMessage(Grid->GetHandle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 10));
    });
    DragTo(Below());
    StopWatching();
    EXPECT_EQ(Steps.size(), 2u);
    EXPECT_EQ(Selected(), DragSpan(3, Rows + 2));
    EXPECT_EQ(Grid->GetScrollDirection(), 0);
    if (escape) {
      // The key then ends the drag; the records selected so far stay selected.
      Pump();
      EXPECT_EQ(Grid->GetMouseStatus(), msNormal);
      EXPECT_EQ(Selected(), DragSpan(3, Rows + 2));
    }
    DropQueued();
    HeadlessBackend::InjectMouseButton(0, false);
    Pump();
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
  }
}

}  // namespace
}  // namespace DBGridTest
