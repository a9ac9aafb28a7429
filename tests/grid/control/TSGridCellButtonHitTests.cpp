// Where cell buttons react to the mouse in a grid with a window: over the button only, over the
// whole cell for a drop-down list, the spin part under the point, read-only cells, and a hot button
// raised outside a paint and lowered again when the button is reset.
#include "GridDrawTestSupport.h"

using namespace GridControlTest;
using GridDrawTest::RGBOf;
using GridDrawTest::TCellDrawGrid;

namespace {

class CellButtonHits : public WindowGridTest {
 protected:
  TCellDrawGrid* Make() {
    auto* grid = MakeGrid<TCellDrawGrid>(300, 160, 4, 6);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultRowHeight(20);
    grid->GetCols()->GetItem(1)->SetButtonType(btDateTimeDropDown);
    grid->GetCols()->GetItem(2)->SetButtonType(btVertSpin);
    grid->GetCols()->GetItem(3)->SetButtonType(btNormal);
    Pump();
    return grid;
  }
  TRect Cell(Integer Col, Integer Row) {
    TRect r;
    Grid->CellRect(Col, Row, r);
    return r;
  }
};

TEST_F(CellButtonHits, ButtonsReactOverTheirButtonOrOverADropDownListsWholeCell) {
  auto* grid = Make();
  const TRect cell = Cell(1, 2);
  struct Case {
    const char* What;
    TtsDropDownStyle Style;
    Integer X, Y;
    bool Over, Down;
  };
  const Case cases[] = {
      {"on the button", ddDropDown, cell.right - 3, cell.top + 4, true, true},
      {"left of the button", ddDropDown, cell.left + 5, cell.top + 4, false, false},
      {"below the button's full height", ddDropDown, cell.right - 3, cell.top + 15, false, false},
      {"a drop-down list anywhere", ddDropDownList, cell.left + 5, cell.top + 4, false, true},
  };
  for (const Case& c : cases) {
    grid->GetCols()->GetItem(1)->SetDropDownStyle(c.Style);
    EXPECT_EQ(grid->MouseOverButton(c.X, c.Y, 1, 2), c.Over) << c.What;
    EXPECT_EQ(grid->DrawButtonDown(c.X, c.Y, 1, 2), c.Down) << c.What;
  }
  EXPECT_FALSE(grid->MouseOverButton(cell.right - 3, 4, 1, 0)) << "not in the heading";
}

TEST_F(CellButtonHits, AReadOnlyCellsButtonReactsOnlyWhenAlwaysDetected) {
  auto* grid = Make();
  const TRect cell = Cell(3, 2);
  grid->GetCols()->GetItem(3)->SetReadOnly(true);
  EXPECT_FALSE(grid->MouseOverButton(cell.right - 3, cell.top + 4, 3, 2));
  grid->SetAlwaysDetectButton(true);
  EXPECT_TRUE(grid->MouseOverButton(cell.right - 3, cell.top + 4, 3, 2));
  grid->SetGridMode(gmBrowse);
  grid->SetAlwaysDetectButton(false);
  grid->GetCols()->GetItem(3)->SetReadOnly(false);
  EXPECT_FALSE(grid->MouseOverButton(cell.right - 3, cell.top + 4, 3, 2)) << "a browsing grid edits nothing";
}

TEST_F(CellButtonHits, TheSpinPartUnderThePoint) {
  auto* grid = Make();
  const TRect cell = Cell(2, 3);  // 19 rows without the line: parts of 9
  EXPECT_EQ(grid->GetSpinButtonXY(cell.right - 3, cell.top + 2, 2, 3), spbIncrement);
  EXPECT_EQ(grid->GetSpinButtonXY(cell.right - 3, cell.top + 12, 2, 3), spbDecrement);
  EXPECT_EQ(grid->GetSpinButtonXY(cell.left + 3, cell.top + 12, 2, 3), spbNone);
  EXPECT_TRUE(grid->OverSpinButton(cell.right - 3, cell.top + 12, 2, 3, spbDecrement));
  EXPECT_FALSE(grid->OverSpinButton(cell.left + 3, cell.top + 12, 2, 3, spbNone));
  EXPECT_EQ(grid->GetSpinButtonXY(cell.right - 3, cell.top + 2, 1, 3), spbNone) << "not a spin button";
}

TEST_F(CellButtonHits, AHotButtonIsRaisedAtOnceAndLoweredByAReset) {
  auto* grid = Make();
  const TRect cell = Cell(3, 4);
  TtsDrawData data;
  grid->GetDrawData(3, 4, data, true);
  const Integer left = data.ButtonRect.left + 1;  // the raised box's left edge
  const Integer y = data.ButtonRect.top + 5;
  EXPECT_EQ(Pixel(left, y), RGBOf(clWindow)) << "a flat button is inset";
  grid->SetHotButton(3, 4, spbNone);
  grid->StartButtonTimer();
  grid->DoDrawButton(3, 4, TtsSpinButtons{spbNone}, spbNone, clBtnFace, bmUp);
  EXPECT_EQ(Pixel(left, y), RGBOf(clBtnHighlight)) << "raised on the window at once";
  grid->ResetButton();
  EXPECT_EQ(Pixel(left, y), RGBOf(clWindow)) << "flat again";
  EXPECT_EQ(grid->GetHotButtonCol(), -1);
  EXPECT_EQ(grid->GetButtonTimer(), 0u);
  // A grid whose cells went away forgets buttons beyond them.
  grid->SetHotButton(3, 6, spbNone);
  grid->SetButtonDown(3, 6, spbNone);
  grid->SetGridRowCount(3);
  grid->CheckResetButtons();
  EXPECT_EQ(grid->GetHotButtonCol(), -1);
  EXPECT_EQ(grid->GetButtonDownCol(), -1);
  (void)cell;
}

}  // namespace
