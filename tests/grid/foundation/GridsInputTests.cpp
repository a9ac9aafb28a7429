// The mouse and the keyboard on the base grid engine: selecting by clicks and with the selection
// timer, sizing columns by their borders, moving rows by their fixed cells, failures of the
// application's OnMouseDown, cell navigation and tabbing, the dialog keys and the wheel.
#include "GridsTestSupport.h"

#include "HeadlessBackend.h"
#include "WinUser.h"

using namespace GridsTest;

namespace {

class GridInput : public GridFixture {
 protected:
  // The centre of a cell.
  TPoint At(Integer ACol, Integer ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    return TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void ClickCell(Integer ACol, Integer ARow, TShiftState Shift = {}) {
    const TPoint p = At(ACol, ARow);
    Click(p.x, p.y, Shift);
  }
};

TEST_F(GridInput, AShiftClickExtendsTheSelectionOnlyWithRangeSelect) {
  for (bool range : {true, false}) {
    SCOPED_TRACE(range ? "range select" : "no range select");
    TearDown();
    SetUp();
    MakeGrid();
    if (!range) Grid->SetOptions(Grid->GetOptions() - TGridOptions{goRangeSelect});
    Show();
    ClickCell(1, 1);
    ClickCell(3, 3, {ssShift});
    EXPECT_EQ(Grid->GetSelection(), range ? (TGridRect{1, 1, 3, 3}) : (TGridRect{3, 3, 3, 3}));
    EXPECT_EQ(Grid->GetCol(), range ? 1 : 3);
    EXPECT_EQ(Grid->GetState(), gsNormal);
  }
}

TEST_F(GridInput, WithEditingAPressOnTheCurrentCellOpensTheEditor) {
  for (bool alwaysShow : {false, true}) {
    SCOPED_TRACE(alwaysShow ? "editor always shown" : "editor on demand");
    TearDown();
    SetUp();
    MakeGrid();
    TGridOptions options = Grid->GetOptions() + TGridOptions{goEditing};
    if (alwaysShow) options.Include(goAlwaysShowEditor);
    Grid->SetOptions(options);
    Show();
    ClickCell(1, 1);
    ASSERT_TRUE(Grid->GetInplaceEditor());
    EXPECT_TRUE(Grid->GetInplaceEditor()->Visible());
    ClickCell(2, 3);
    EXPECT_EQ(Grid->GetCol(), 2);
    EXPECT_EQ(Grid->GetRow(), 3);
    EXPECT_EQ(Grid->GetInplaceEditor()->Visible(), alwaysShow) << "a press elsewhere moves there";
    if (alwaysShow) EXPECT_TRUE(Grid->GetInplaceEditor()->PosEqual(Grid->CellRect(2, 3)));
  }
}

TEST_F(GridInput, AColumnIsSizedByDraggingItsBorderInTheFixedRow) {
  MakeGrid();
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goColSizing, goRowSizing});
  Show();
  // The border after column 1 lies at x = 129 (65 + 64); a press 3 pixels before it grabs it.
  MoveTo(126, 10);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crHSplit)) << "the pointer shows the border can be sized";
  Press(126, 10);
  EXPECT_EQ(Grid->GetState(), gsColSizing);
  MoveTo(146, 10);
  Release(146, 10);
  EXPECT_EQ(Grid->GetColWidths(1), 84);
  EXPECT_EQ(Grid->GetState(), gsNormal);

  Press(126 + 20, 10);
  MoveTo(63, 10);
  Release(63, 10);
  EXPECT_EQ(Grid->GetColWidths(1), 84) << "a width of 1 or less is not taken";

  // A row by its border in the fixed column: the border after row 2 lies at y = 74.
  Press(30, 73);
  EXPECT_EQ(Grid->GetState(), gsRowSizing);
  MoveTo(30, 83);
  Release(30, 83);
  EXPECT_EQ(Grid->GetRowHeights(2), 34);
}

TEST_F(GridInput, TheClientEdgeSizesTheCellCutThereAndNoneBeyondTheLast) {
  struct TCase {
    Integer Width, Cols, Index;
  };
  // A cut fifth column; a single scrolling column wider than the view.
  for (const TCase& c : {TCase{320, 5, 4}, TCase{100, 2, 1}}) {
    SCOPED_TRACE(testing::Message() << c.Width << " wide, " << c.Cols << " columns");
    TearDown();
    SetUp();
    MakeGrid(c.Width, 120);
    Grid->SetColCount(c.Cols);
    Grid->SetOptions(Grid->GetOptions() + TGridOptions{goColSizing});
    Show();
    TGridDrawInfo info;
    Grid->CalcDrawInfo(info);
    TGridState state;
    Integer index, pos, ofs;
    Grid->CalcSizingState(c.Width - 1, 10, state, index, pos, ofs, info);
    EXPECT_EQ(state, gsColSizing);
    EXPECT_EQ(index, c.Index);
    EXPECT_EQ(pos, c.Width);
    Press(c.Width - 1, 10);
    MoveTo(c.Width - 11, 10);
    EXPECT_NO_THROW(Release(c.Width - 11, 10));
    EXPECT_EQ(Grid->GetColWidths(c.Index), c.Width - 10 - AxisCellStart(info.ColAxis, c.Index));
  }
}

TEST_F(GridInput, AFailingOnMouseDownEndsTheMoveItStartedAndPassesOn) {
  MakeGrid();
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goColMoving});
  Show();
  GdiSurface::TGdiSurface before, after;
  Capture(before);
  Grid->OnMouseDown = [](TObject*, TMouseButton, TShiftState, Integer, Integer) { throw Exception("refused"); };
  const TPoint heading = At(2, 0);
  EXPECT_THROW(Grid->MouseDown(mbLeft, {}, heading.x, heading.y), Exception);
  EXPECT_EQ(Grid->GetState(), gsNormal);
  EXPECT_FALSE(KillTimer(Grid->GetHandle(), 1)) << "the selection timer was stopped";
  Capture(after);
  EXPECT_EQ(Differences(before, after), 0) << "the move line was taken away";
}

TEST_F(GridInput, ARowIsMovedByDraggingItsFixedCell) {
  MakeGrid(320, 200);
  Grid->SetRowCount(6);
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goRowMoving});
  for (Integer r = 0; r < 6; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
  std::vector<String> moves;
  Grid->OnRowMoved = [&](TObject*, Integer From, Integer To) {
    moves.push_back(std::to_string(From) + ">" + std::to_string(To));
  };
  Show();
  ClickCell(1, 2);
  const TPoint from = At(0, 2), to = At(0, 4);
  Press(from.x, from.y);
  EXPECT_EQ(Grid->GetState(), gsRowMoving);
  // Over the fixed column the target follows the pointer on the timer's ticks.
  MoveTo(to.x, to.y);
  SendMessage(Grid->GetHandle(), WM_TIMER, 1, 0);
  EXPECT_EQ(Grid->GetDragTarget(), 4);
  Release(to.x, to.y);
  EXPECT_EQ(moves, std::vector<String>{"2>4"});
  EXPECT_EQ(Grid->GetCells(1, 4), "r2");
  EXPECT_EQ(Grid->GetCells(1, 2), "r3");
  EXPECT_EQ(Grid->GetRow(), 4) << "the current row went with it";
  EXPECT_EQ(Grid->GetState(), gsNormal);
}

TEST_F(GridInput, HoldingThePointerBelowTheGridExtendsTheSelectionEveryTick) {
  // A frozen clock keeps the selection timer from ticking on its own between the scripted ticks.
  TManualClock frozenClock(0, 1000);
  TClockOverride clockOverride{frozenClock};
  MakeGrid(320, 120);
  Grid->SetRowCount(20);
  Show();
  const TPoint start = At(2, 2);
  Press(start.x, start.y);
  ASSERT_EQ(Grid->GetState(), gsSelecting);
  MoveTo(start.x, 160);
  for (Integer tick = 1; tick <= 4; ++tick) {
    SendMessage(Grid->GetHandle(), WM_TIMER, 1, 0);
    EXPECT_EQ(Grid->GetAnchorCell().Y, 2 + tick);
  }
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.RowAxis.LastWholeCell, 6) << "the view scrolled with the anchor";
  Release(start.x, 160);
  EXPECT_EQ(Grid->GetSelection(), (TGridRect{2, 2, 2, 6}));
  EXPECT_FALSE(KillTimer(Grid->GetHandle(), 1)) << "the release stopped the timer";
}

TEST_F(GridInput, ASelectionChangeRepaintsOnlyWhatChanged) {
  MakeGrid();
  Show();
  Grid->MoveCurrent(1, 1, true, true);
  Grid->MoveAnchor({2, 2});
  Pump();
  Grid->MoveAnchor({2, 3});  // the selection grows by row 3
  const TRect added = Grid->BoxRect(1, 3, 2, 3);
  EXPECT_EQ(UpdateBox(), TRect(added.left, added.top, added.right + 1, added.bottom + 1));
  Pump();
}

TEST_F(GridInput, KeysMoveTheCurrentCellAndTabWrapsAtTheEnds) {
  MakeGrid(320, 150);
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goTabs});
  Show();
  struct TCase {
    const char* What;
    TGridCoord From;
    Word Key;
    TShiftState Shift;
    TGridCoord To;
  };
  const TCase cases[] = {
      {"tab", {2, 1}, VK_TAB, {}, {3, 1}},
      {"tab at the end of a row", {4, 1}, VK_TAB, {}, {1, 2}},
      {"tab on the last cell", {4, 4}, VK_TAB, {}, {1, 1}},
      {"shift+tab at the start of a row", {1, 2}, VK_TAB, {ssShift}, {4, 1}},
      {"shift+tab on the first cell", {1, 1}, VK_TAB, {ssShift}, {4, 4}},
      {"down", {2, 2}, VK_DOWN, {}, {2, 3}},
      {"left stops at the fixed column", {1, 2}, VK_LEFT, {}, {1, 2}},
      {"end", {2, 2}, VK_END, {}, {4, 2}},
      {"ctrl+home", {3, 3}, VK_HOME, {ssCtrl}, {1, 1}},
      {"ctrl+end", {1, 1}, VK_END, {ssCtrl}, {4, 4}},
  };
  for (const TCase& c : cases) {
    Grid->MoveCurrent(c.From.X, c.From.Y, true, true);
    Key(c.Key, c.Shift);
    EXPECT_EQ((TGridCoord{Grid->GetCol(), Grid->GetRow()}), c.To) << c.What;
    EXPECT_EQ(Grid->GetAnchorCell(), c.To) << c.What << ": the anchor follows";
  }
  for (Integer c = 2; c < 5; ++c) Grid->SetTabStops(c, false);
  Grid->MoveCurrent(1, 1, true, true);
  Key(VK_TAB);
  EXPECT_EQ((TGridCoord{Grid->GetCol(), Grid->GetRow()}), (TGridCoord{1, 2})) << "only the start column stops";
  Grid->MoveCurrent(2, 3, true, true);
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->GetSelection(), (TGridRect{2, 3, 2, 4})) << "shift extends the selection";
}

TEST_F(GridInput, PagingMovesTheViewWithTheCurrentRow) {
  MakeGrid(320, 150);
  Grid->SetRowCount(30);
  Show();
  Key(VK_NEXT);
  EXPECT_EQ(Grid->GetRow(), 5);
  EXPECT_EQ(Grid->GetTopRow(), 5);
  Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(Grid->GetTopRow(), 6) << "ctrl+down scrolls";
  EXPECT_EQ(Grid->GetRow(), 5) << "without moving the current cell";
}

TEST_F(GridInput, TheGridAsksForTheKeysItsOptionsNeedAndIgnoresTheWheel) {
  MakeGrid();
  Show();
  struct TCase {
    TGridOptions Add;
    LRESULT Code;
  };
  for (const TCase& c : {TCase{{}, DLGC_WANTARROWS}, TCase{{goTabs}, DLGC_WANTARROWS | DLGC_WANTTAB},
                         TCase{{goEditing}, DLGC_WANTARROWS | DLGC_WANTCHARS},
                         TCase{{goRowSelect, goTabs, goEditing}, DLGC_WANTARROWS}}) {
    Grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine} + c.Add);
    EXPECT_EQ(SendMessage(Grid->GetHandle(), WM_GETDLGCODE, 0, 0), c.Code);
  }
  Grid->SetRowCount(30);
  const TPoint p = Grid->ClientToScreen(At(2, 2));
  InjectMouseMove(p.x, p.y);
  InjectWheel(-120);
  Pump();
  EXPECT_EQ(Grid->GetRow(), 1);
  EXPECT_EQ(Grid->GetTopRow(), 1);
}

}  // namespace
