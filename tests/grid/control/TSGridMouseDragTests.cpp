// Dragging with the left button held: row, column and cell-range selections follow the pointer
// forth and back past their fixed end and stay shown as stored (XOR and colour mode); Escape takes a
// drag back; a dragged column drops where the pointer leaves it; a consumed double click drags
// nothing.
#include "Format.h"
#include "MouseTestSupport.h"
#include "SelectionRecorder.h"
#include "Strings.h"

using namespace GridControlTest;

namespace {

class MouseDrag : public MouseTest {
 protected:
  TInversionRecorder* MakeRecorder(bool Colour) {
    Form->SetBounds(0, 0, 700, 400);
    auto* grid = MakeGrid<TInversionRecorder>(600, 300, 8, 12);
    grid->SetScrollBars(ssNone);
    grid->SetRowMoving(false);
    grid->SetColMoving(false);
    if (Colour) {
      grid->SetSelectionType(sltColor);
      grid->SetSelectionColor(Graphics::clRed);
    }
    Pump();
    grid->SetFocus();
    Pump();
    return grid;
  }
  static String Selected(TtsSelection* Selection, Integer Last) {
    String text;
    for (Integer i = 1; i <= Last; ++i)
      if (Selection->GetSelected(i)) text += (text.empty() ? String() : String(",")) + IntToStr(i);
    return text.empty() ? String("-") : text;
  }
  String Rows() { return Selected(Grid->GetRowSelection(), Grid->GetRowCount() - 1); }
  String Cols() { return Selected(Grid->GetColSelection(), Grid->GetColCount() - 1); }
  String Range() {
    TGridRect r = Grid->GetSelectedRange();
    return Format("%d,%d-%d,%d", {r.Left, r.Top, r.Right, r.Bottom});
  }
  String Mismatch() { return static_cast<TInversionRecorder*>(Grid)->Mismatch(); }
};

TEST_F(MouseDrag, SelectionsFollowThePointerBackPastTheirFixedEndAndShowAsStored) {
  struct Step {
    TPoint At;
    const char* Expected;
  };
  struct Case {
    const char* What;
    TPoint Down;
    std::vector<Step> Moves;
    std::function<String()> State;
  };
  for (bool colour : {false, true}) {
    const Case cases[] = {
        {"rows",
         TPoint(5, 15 + 4 * 14 + 5),
         {{TPoint(5, 15 + 7 * 14 + 5), "5,6,7,8"},
          {TPoint(5, 15 + 2 * 14 + 5), "3,4,5"},
          {TPoint(5, 15 + 4 * 14 + 5), "5"},
          {TPoint(5, 15 + 9 * 14 + 5), "5,6,7,8,9,10"}},
         [this] { return Rows(); }},
        {"columns",
         TPoint(14 + 2 * 64 + 10, 5),
         {{TPoint(14 + 5 * 64 + 10, 5), "3,4,5,6"}, {TPoint(14 + 0 * 64 + 10, 5), "1,2,3"}, {TPoint(14 + 2 * 64 + 10, 5), "3"}},
         [this] { return Cols(); }},
        {"a cell range",
         TPoint(14 + 1 * 64 + 1, 15 + 1 * 14 + 5),
         {{TPoint(14 + 4 * 64 + 10, 15 + 5 * 14 + 5), "2,2-5,6"},
          {TPoint(14 + 0 * 64 + 10, 15 + 0 * 14 + 5), "1,1-2,2"},
          {TPoint(14 + 3 * 64 + 10, 15 + 0 * 14 + 5), "2,1-4,2"}},
         [this] { return Range(); }},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(String(c.What) + (colour ? " (colour)" : " (xor)"));
      MakeRecorder(colour);
      Press(c.Down);
      for (const Step& step : c.Moves) {
        MoveTo(step.At);
        EXPECT_EQ(c.State(), step.Expected);
        EXPECT_EQ(Mismatch(), "");
      }
      Release(c.Moves.back().At);
      EXPECT_EQ(Grid->GetMouseStatus(), msNormal);
      EXPECT_EQ(c.State(), c.Moves.back().Expected) << "the release keeps the selection";
      FreeAndNil(Grid);
    }
  }
}

TEST_F(MouseDrag, InSingleRowModeTheOneSelectedRowFollowsThePointer) {
  for (bool colour : {false, true}) {
    SCOPED_TRACE(colour ? "colour" : "xor");
    MakeRecorder(colour)->SetRowSelectMode(rsSingle);
    Pump();
    Press(TPoint(5, 15 + 2 * 14 + 5));
    for (Integer row : {6, 2, 9}) {
      MoveTo(TPoint(5, 15 + (row - 1) * 14 + 5));
      EXPECT_EQ(Rows(), IntToStr(row));
      EXPECT_EQ(Grid->GetCurDisplayRow(), row) << "the selected row is the current one";
      EXPECT_EQ(Mismatch(), "");
    }
    Release(TPoint(5, 15 + 8 * 14 + 5));
    FreeAndNil(Grid);
  }
}

TEST_F(MouseDrag, EscapeTakesADragBack) {
  for (bool colour : {false, true}) {
    SCOPED_TRACE(colour ? "colour" : "xor");
    MakeRecorder(colour);
    Press(TPoint(5, 15 + 4 * 14 + 5));
    MoveTo(TPoint(5, 15 + 7 * 14 + 5));
    ASSERT_EQ(Rows(), "5,6,7,8");
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->GetMouseStatus(), msNormal);
    EXPECT_EQ(Rows(), "-") << "the rows from the current row to the last one added are toggled once more";
    EXPECT_EQ(Mismatch(), "");
    Release(TPoint(5, 15 + 7 * 14 + 5));

    Press(TPoint(14 + 1 * 64 + 1, 15 + 1 * 14 + 5));
    MoveTo(TPoint(14 + 3 * 64 + 10, 15 + 4 * 14 + 5));
    ASSERT_EQ(Range(), "2,2-4,5");
    Key(VK_ESCAPE);
    EXPECT_EQ(Grid->GetGridStatus(), grNormal);
    EXPECT_EQ(Mismatch(), "");
    Release(TPoint(14 + 3 * 64 + 10, 15 + 4 * 14 + 5));
    FreeAndNil(Grid);
  }
}

TEST_F(MouseDrag, ADraggedColumnDropsWhereThePointerLeavesIt) {
  TMouseGrid* grid = Make(700, 200, 8, 6);
  Form->SetBounds(0, 0, 720, 300);
  grid->SetColMoving(true);
  std::vector<String> moved;
  grid->OnColMoved = [&](TObject*, Integer To, Integer Count, bool ByUser) {
    moved.push_back(Format("%d %d %s", {To, Count, String(ByUser ? "T" : "F")}));
  };
  // A selected heading pressed again starts its move.
  Click(In(2, 0));
  Press(In(2, 0));
  ASSERT_EQ(grid->GetMouseStatus(), msColMove);
  MoveTo(In(4, 0, 30));
  EXPECT_EQ(grid->GetMoveTargetPos(), 4);
  EXPECT_TRUE(grid->GetColMoveBarShown());
  Release(In(4, 0, 30));
  EXPECT_FALSE(grid->GetColMoveBarShown()) << "the bar is erased";
  EXPECT_EQ(DisplayColOrder(grid), "1,3,4,2,5,6,7,8");
  EXPECT_EQ(moved, std::vector<String>{"4 1 T"});
  EXPECT_EQ(grid->GetCurDisplayCol(), 4);

  // Over columns that are all selected the drop would move nothing, and nothing moves.
  moved.clear();
  Click(In(5, 0));
  Press(In(6, 0), 0, {VK_SHIFT});
  Release(In(6, 0));
  ASSERT_EQ(grid->GetColSelection()->Count, 2);
  Press(In(5, 0));
  MoveTo(In(6, 0, 40));
  Release(In(6, 0, 40));
  EXPECT_EQ(DisplayColOrder(grid), "1,3,4,2,5,6,7,8");
  EXPECT_TRUE(moved.empty());
}

TEST_F(MouseDrag, EscapeDuringAColumnMoveErasesItsBarAndMovesNothing) {
  TMouseGrid* grid = Make(700, 200, 8, 6);
  Form->SetBounds(0, 0, 720, 300);
  grid->SetColMoving(true);
  Click(In(2, 0));
  Press(In(2, 0));
  MoveTo(In(5, 0, 30));
  ASSERT_TRUE(grid->GetColMoveBarShown());
  Key(VK_ESCAPE);
  EXPECT_FALSE(grid->GetColMoveBarShown());
  EXPECT_EQ(grid->GetMouseStatus(), msNormal);
  EXPECT_FALSE(grid->GetMouseCapture());
  Release(In(5, 0, 30));
  EXPECT_EQ(DisplayColOrder(grid), "1,2,3,4,5,6,7,8");
}

TEST_F(MouseDrag, AfterAConsumedDoubleClickAMoveDragsNothing) {
  TMouseGrid* grid = Make();
  DoublePress(In(0, 3, 5));
  ASSERT_TRUE(grid->GetDoubleClickHandled());
  const Integer selected = grid->GetRowSelection()->Count;
  MoveTo(In(0, 6, 5));
  EXPECT_EQ(grid->GetRowSelection()->Count, selected);
  Release(In(0, 6, 5));
  EXPECT_FALSE(grid->GetDoubleClickHandled());
}

}  // namespace
