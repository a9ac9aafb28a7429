// The grid's messages and timers: the spin timer's first and repeated intervals and the button
// timer under a test clock, the button timer sharing its id with the base engine's selecting timer,
// dialog codes, heading accelerators, the heading font following the parent's, and the default
// cell buttons.
#include "DateTime.h"
#include "GridControlTestSupport.h"
#include "HeadlessBackend.h"
#include "TSGridButtons.h"
#include "WinControls.h"
#include "WinCursor.h"
#include "WinInput.h"

using namespace GridControlTest;

namespace {

// A grid that notes the ids of its timer messages; its spin tick switches to the repeat delay as the
// spin handling does.
class TTimerProbeGrid : public TTestGrid {
  DECLARE_CLASS(TTimerProbeGrid, TTestGrid)
 public:
  explicit TTimerProbeGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}
  std::vector<WPARAM> Ticks;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_TIMER) {
      Ticks.push_back(Message.WParam);
      if (Message.WParam == 2) CheckRestartSpinTimer();
    }
    inherited::Dispatch(Message);
  }
};
IMPLEMENT_CLASS(TTimerProbeGrid)

class Messages : public WindowGridTest {
 protected:
  // Moves the clock on and dispatches what came due; answers the number of timer messages.
  size_t Elapse(TManualClock& Clock, UInt64 Msecs, TTimerProbeGrid* Probe) {
    Clock.Advance(Msecs);
    Pump();
    return Probe->Ticks.size();
  }
};

TEST_F(Messages, TheSpinTimerWaitsTheStartDelayThenRepeats) {
  TManualClock clock(0, 10000);
  TClockOverride use(clock);
  auto* grid = MakeGrid<TTimerProbeGrid>(200, 100);
  // A spin part held down with the mouse captured keeps the spin timer going.
  grid->SetFocus();
  grid->SetMouseCapture(true);
  grid->SetMouseStatus(msButtonDown);
  grid->SetButtonDown(1, 1, spbIncrement);
  grid->SetFirstSpinRepeat(true);
  grid->StartSpinTimer(true);
  EXPECT_EQ(Elapse(clock, 499, grid), 0u);
  EXPECT_EQ(Elapse(clock, 1, grid), 1u) << "the first repeat after 500 ms";
  EXPECT_FALSE(grid->GetFirstSpinRepeat());
  EXPECT_EQ(Elapse(clock, 79, grid), 1u);
  EXPECT_EQ(Elapse(clock, 1, grid), 2u) << "the next ones every 80 ms";
  grid->StartSpinTimer(true);
  EXPECT_EQ(Elapse(clock, 80, grid), 3u) << "a running spin timer is not started again";
  EXPECT_EQ(grid->Ticks.back(), 2u);
  EXPECT_EQ(grid->GetSpinRepeatCount(), 3);
  // Once the capture is gone the next tick ends the repetition.
  grid->SetMouseCapture(false);
  Elapse(clock, 80, grid);
  EXPECT_EQ(grid->GetSpinTimer(), 0u);
  EXPECT_EQ(grid->GetPressedSpin(), spbNone);
  grid->SetMouseStatus(msNormal);
  UINT_PTR timer = grid->GetSpinTimer();
  EXPECT_FALSE(grid->StopTimer(timer));
}

TEST_F(Messages, TheButtonTimerSharesItsIdWithTheIdleSelectingTimer) {
  TManualClock clock(0, 10000);
  TClockOverride use(clock);
  auto* grid = MakeGrid<TTimerProbeGrid>(200, 100, 4, 20);
  // The pointer rests on the raised button of cell (1, 1), so the button timer keeps running.
  grid->GetCols()->GetItem(1)->SetButtonType(btNormal);
  TRect cell;
  grid->CellRect(1, 1, cell);
  TPoint over = grid->ClientToScreen(TPoint(cell.right - 3, cell.top + 3));
  SetCursorPos(over.x, over.y);
  grid->SetHotButton(1, 1, spbNone);
  grid->StartButtonTimer();
  EXPECT_EQ(Elapse(clock, 30, grid), 0u);
  grid->StartButtonTimer();
  EXPECT_EQ(Elapse(clock, 20, grid), 1u) << "not restarted while running";
  EXPECT_EQ(grid->Ticks.back(), 1u);
  // The base engine sees timer 1 as its selecting timer: while it selects nothing, a tick scrolls
  // nothing and changes no state.
  for (int i = 0; i < 5; ++i) Elapse(clock, 50, grid);
  EXPECT_EQ(grid->Ticks.size(), 6u);
  EXPECT_EQ(grid->GetState(), gsNormal);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_EQ(grid->GetCurDisplayRow(), 1);
  EXPECT_EQ(grid->GetHotButtonCol(), 1);
  // Off the button, the next tick lowers it and stops the timer.
  TPoint away = grid->ClientToScreen(TPoint(cell.left + 2, cell.top + 3));
  SetCursorPos(away.x, away.y);
  Elapse(clock, 50, grid);
  EXPECT_EQ(grid->GetHotButtonCol(), -1);
  EXPECT_EQ(grid->GetButtonTimer(), 0u);
}

TEST_F(Messages, TabIsWantedUnlessCtrlIsHeld) {
  MakeGrid(200, 100);
  auto code = [this] { return Grid->Perform(WM_GETDLGCODE, 0, 0); };
  EXPECT_TRUE(code() & DLGC_WANTCHARS);
  EXPECT_TRUE(code() & DLGC_WANTTAB);
  SetKeyState(VK_CONTROL, true);
  EXPECT_FALSE(code() & DLGC_WANTTAB) << "Ctrl+Tab is the dialog's";
  SetKeyState(VK_CONTROL, false);
  Grid->SetWantTabs(false);
  EXPECT_FALSE(code() & DLGC_WANTTAB);
  EXPECT_TRUE(code() & DLGC_WANTCHARS);
}

TEST_F(Messages, AHeadingAcceleratorClicksItsColumn) {
  MakeGrid(200, 100);
  Grid->GetCols()->GetItem(3)->SetHeading("&Price");
  Integer clicked = -1;
  Grid->OnHeadingClick = [&](TObject*, Integer DataCol) { clicked = DataCol; };
  EXPECT_EQ(Grid->Perform(CM_DIALOGCHAR, 'p', 0), 1);
  EXPECT_EQ(clicked, 3);
  clicked = -1;
  EXPECT_EQ(Grid->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(clicked, -1);
}

TEST_F(Messages, TheHeadingFontFollowsTheParentsWhileItIsTheParentFont) {
  MakeGrid(200, 100);
  Form->GetFont()->SetSize(15);
  EXPECT_EQ(Grid->GetHeadingFont()->GetSize(), 15);
  Grid->SetHeadingParentFont(false);
  Form->GetFont()->SetSize(9);
  EXPECT_EQ(Grid->GetFont()->GetSize(), 9);
  EXPECT_EQ(Grid->GetHeadingFont()->GetSize(), 15);
}

TEST_F(Messages, DefaultButtonsCanBeReplacedAndGoBackToTheirDefaults) {
  MakeGrid(200, 100);
  Grid->CreateDefaultButton(nullptr, clRed, 13, 7);
  TtsCustomButton* button = Grid->GridCellButton(1, btNormal);
  EXPECT_EQ(button->GetWidth(), 13);
  EXPECT_EQ(button->GetHeight(), 7);
  EXPECT_EQ(button->GetTransparentColor(), clRed);
  Grid->CreateDefaultCombo(nullptr, clBlue, 15, 5);
  EXPECT_EQ(Grid->GridCellButton(1, btCombo)->GetWidth(), 15);
  Grid->DestroyDefaultButton();
  Grid->DestroyDefaultCombo();
  EXPECT_NE(Grid->GridCellButton(1, btNormal)->GetWidth(), 13) << "made again with the default size";
  EXPECT_NE(Grid->GridCellButton(1, btCombo)->GetWidth(), 15);
}

}  // namespace
