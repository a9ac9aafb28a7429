// The mouse wheel (lines per notch from the system's setting, never less than one nor more than the
// rows shown, nothing of its own with a key held), the context menu of the grid, and the refresh of
// the data display; and the in-place adapters' edge answers.
#include "GridEditTestSupport.h"
#include "HeadlessBackend.h"
#include "TSGridAdapters.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridReport.h"
#include "WinInput.h"
#include "WinMetrics.h"

using namespace GridControlTest;

namespace {

class GridDispatch : public EditGridTest {
 protected:
  void TearDown() override {
    WinMetrics::ResetSystemParameters();
    EditGridTest::TearDown();
  }
  void WheelLines(UINT Lines) { SystemParametersInfo(SPI_SETWHEELSCROLLLINES, Lines, nullptr, 0); }
  // One notch down (away from the user is up) with the given keys held.
  void Notch(Integer Delta = -WHEEL_DELTA) {
    const TPoint at = EG->ClientToScreen(TPoint(50, 40));
    HeadlessBackend::InjectMouseMove(at.x, at.y);
    HeadlessBackend::InjectWheel(Delta);
    Pump();
  }
};

TEST_F(GridDispatch, AWheelNotchScrollsItsLinesWithinTheRowsShown) {
  MakeEditGrid(3, 40, 200, 400);
  EG->SetHeight(EG->GetFixedHeight() + 2 * (EG->GetRowHeights(1) + EG->GetHorzLineWidth()));
  Pump();
  ASSERT_EQ(EG->GetVisibleRowCount(), 2);
  struct TCase {
    UINT Lines;
    Integer Scrolled;
  };
  for (const TCase& c : {TCase{3, 2}, TCase{1, 1}, TCase{0, 1}, TCase{WHEEL_PAGESCROLL, 2}}) {
    SCOPED_TRACE(c.Lines);
    WheelLines(c.Lines);
    const Integer top = EG->GetTopRow();
    Notch();
    EXPECT_EQ(EG->GetTopRow(), top + c.Scrolled);
  }
  const Integer top = EG->GetTopRow();
  WheelLines(1);
  Notch(WHEEL_DELTA);
  EXPECT_EQ(EG->GetTopRow(), top - 1) << "up";
  bool asked = false;
  EG->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { asked = true; };
  HeadlessBackend::InjectKey(VK_CONTROL, true);
  Notch();
  HeadlessBackend::InjectKey(VK_CONTROL, false);
  Pump();
  EXPECT_TRUE(asked);
  EXPECT_EQ(EG->GetTopRow(), top - 1) << "with Ctrl held the grid leaves the wheel to the application";
}

// The grid menu pops up and waits: an Escape queued beforehand closes it.
void EndMenuSoon() { InjectKeyPress(VK_ESCAPE); }

TEST_F(GridDispatch, TheGridMenuAnswersAnUnhandledContextRequest) {
  MakeEditGrid();
  bool handled = false;
  EG->DoContextPopup(TPoint(10, 10), handled);
  EXPECT_FALSE(handled);
  EG->SetProvideGridMenu(true);
  EndMenuSoon();
  EG->DoContextPopup(TPoint(10, 10), handled);
  EXPECT_TRUE(handled);
  EG->SetProvideGridMenu(false);
  TOwnedPtr<TosCustomGridReport> report(New<TosCustomGridReport>(nullptr));
  report->SetProvideGridMenu(true);
  EG->SetGridReport(report.get());
  handled = false;
  EndMenuSoon();
  EG->DoContextPopup(TPoint(10, 10), handled);
  EXPECT_TRUE(handled) << "the report's setting asks for it too";
  EG->SetGridReport(nullptr);
}

TEST_F(GridDispatch, RefreshingResetsTheOrderAndThePositionAsAsked) {
  MakeEditGrid(4, 30, 200, 120);
  EG->SetStoreData(true);
  EG->SetLeftCol(3);
  EG->SetTopRow(10);
  EG->GetCols()->GetItem(1)->SetDisplayCol(3);
  Pump();
  ASSERT_EQ(DisplayColOrder(EG), "2,3,1,4");
  EG->GetCurrentCell()->SetValue(Variant(String("kept")));
  EG->RefreshData(roNone, rpNone);
  EXPECT_TRUE(EG->GetCurrentCell()->IsClear()) << "the control buffer is cleared";
  EXPECT_EQ(DisplayColOrder(EG), "2,3,1,4");
  EXPECT_EQ(EG->GetTopRow(), 10);
  EG->RefreshData(roCols, rpTop);
  EXPECT_EQ(DisplayColOrder(EG), "1,2,3,4");
  EXPECT_EQ(EG->GetTopRow(), EG->GetFixedRows());
  EXPECT_EQ(EG->GetLeftCol(), 3);
  EG->RefreshData(roNone, rpLeft);
  EXPECT_EQ(EG->GetLeftCol(), EG->GetFixedCols());
}

TEST_F(GridDispatch, TheAdaptersEdgeAnswers) {
  MakeEditGrid();
  // Without a parent control an adapter's window is not made.
  TOwnedPtr<TtsEditGridControl> loose(New<TtsEditGridControl>(nullptr));
  EXPECT_EQ(loose->GetHandle(), nullptr);
  EXPECT_FALSE(loose->GetControl()->HandleAllocated());
  // The text ends at its first NUL.
  loose->SetText(String("ab\0cd", 5));
  EXPECT_EQ(loose->GetText(), "ab");
  EXPECT_EQ(VarToStr(loose->GetValue()), "ab");
  // The placeholders report no colour and no value, so the grid draws their cells itself.
  TtsCustomGridControl* picture = EG->GridCellControl(ctPicture);
  EXPECT_EQ(picture->GetColor(), clNone);
  EXPECT_TRUE(VarIsEmpty(picture->GetValue()));
  EXPECT_NE(picture, EG->GridCellControl(ctNone));
  // Setting a bound to its value leaves the window where it is.
  auto* edit = EG->GetEditControl();
  Pump();
  const Integer left = edit->GetLeft();
  edit->SetLeft(left);
  EXPECT_EQ(UpdateBox(), TRect(0, 0, 0, 0));
}

TEST_F(GridDispatch, ReleasingTheCheckControlsCaptureDrawsItUnpressed) {
  MakeEditGrid();
  EG->GetCols()->GetItem(1)->SetControlType(ctCheck);
  EG->ShowGridControl();
  Pump();
  auto* check = static_cast<TtsCheckGridControl*>(EG->GetActiveControl());
  ASSERT_EQ(check, EG->GetCheckControl());
  ASSERT_TRUE(check->GetVisible());
  const TRect box = check->GetControl()->GetClientRect();
  check->GetControl()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.right / 2, box.bottom / 2));
  EXPECT_TRUE(check->GetCheckBox()->CheckBoxMasked()) << "pressed while held";
  check->SetMouseCapture(false);
  EXPECT_FALSE(check->GetCheckBox()->CheckBoxMasked());
  check->GetControl()->Perform(WM_LBUTTONUP, 0, MAKELPARAM(box.right / 2, box.bottom / 2));
  EXPECT_EQ(check->GetState(), cbGrayed) << "a press let go of does not toggle";
}

}  // namespace
