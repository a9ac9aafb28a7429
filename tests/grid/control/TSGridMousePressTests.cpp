// A press of a mouse button through the window system: the handler each area starts by button,
// keys and mode, the mouse status it leaves while the button is held, the cell it notes as the
// press cell, the right and middle buttons, double clicks, and a drag of the selection.
#include "Format.h"
#include "MouseTestSupport.h"
#include "SelectionRecorder.h"
#include "TSGridColumns.h"

using namespace GridControlTest;

namespace {

class MousePress : public MouseTest {};

TEST_F(MousePress, EachAreaStartsItsActionByButtonKeysAndMode) {
  struct Case {
    const char* What;
    std::function<void(TMouseGrid*)> Setup;
    std::function<TPoint()> At;
    int Button;
    std::initializer_list<int> Keys;
    const char* Handler;  // the recorded handlers, ";"-joined
    TtsMouseStatus Status;  // while the button is held
    TtsClickPosition Pos;
  };
  auto none = [](TMouseGrid*) {};
  const Case cases[] = {
      {"row bar", none, [this] { return In(0, 3, 5); }, 0, {}, "rowbar", msRowSelect, cpRowBar},
      {"range handle with cmRange", none, [this] { return In(2, 3, 1); }, 0, {}, "range", msCellSelect,
       cpCell},
      {"range handle with cmNone acts as a cell press", [](TMouseGrid* G) { G->SetCellSelectMode(cmNone); },
       [this] { return In(2, 3, 1); }, 0, {}, "", msNormal, cpCell},
      {"range handle outside the editing modes", [](TMouseGrid* G) {
         G->SetGridMode(gmListBox);
         G->SetRowSelectMode(rsNone);
       },
       [this] { return In(2, 3, 1); }, 0, {}, "", msNormal, cpCell},
      {"Shift on a cell while a range exists", [](TMouseGrid* G) { G->SelectCells(1, 1, 2, 2); },
       [this] { return In(3, 4); }, 0, {VK_SHIFT}, "range", msCellSelect, cpCell},
      {"Shift+Ctrl on a cell while a range exists", [](TMouseGrid* G) { G->SelectCells(1, 1, 2, 2); },
       [this] { return In(3, 4); }, 0, {VK_SHIFT, VK_CONTROL}, "range", msCellSelect, cpCell},
      {"Ctrl on a cell while a range exists", [](TMouseGrid* G) { G->SelectCells(1, 1, 2, 2); },
       [this] { return In(3, 4); }, 0, {VK_CONTROL}, "", msNormal, cpCell},
      {"Shift on a cell without a range", none, [this] { return In(3, 4); }, 0, {VK_SHIFT}, "",
       msNormal, cpCell},
      {"upper-left corner", none, [this] { return In(0, 0, 5); }, 0, {}, "all", msNormal,
       cpUpperLeft},
      {"heading acting as a button", [](TMouseGrid* G) { G->GetCols()->GetItem(2)->SetHeadingButton(cbCell); },
       [this] { return In(2, 0); }, 0, {}, "", msHeadingDown, cpHeading},
      {"column border in the heading", none, [this] { return In(2, 0, 63); }, 0, {}, "",
       msColResize, cpHeading},
      {"row border in the row bar", none, [this] { return In(0, 2, 5, 13); }, 0, {}, "", msRowResize,
       cpRowBar},
      {"row bar's right border in the heading", none, [this] { return In(0, 0, 13); }, 0, {}, "",
       msRowBarResize, cpUpperLeft},
      {"heading's bottom border in the row bar", none, [this] { return In(0, 0, 5, 14); }, 0, {}, "",
       msHeadingResize, cpUpperLeft},
      {"outside the cells", none, [] { return TPoint(290, 190); }, 0, {}, "", msNormal, cpNone},
      {"right button on the row bar", none, [this] { return In(0, 3, 5); }, 1, {}, "", msNormal,
       cpNone},
      {"middle button on the row bar", none, [this] { return In(0, 3, 5); }, 2, {}, "", msNormal,
       cpNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TMouseGrid* grid = Make();
    c.Setup(grid);
    Pump();
    grid->SetMouseDownColRow(-1, -1);
    grid->Handlers.clear();
    grid->Events.clear();
    TPoint at = c.At();
    Press(at, c.Button, c.Keys);
    EXPECT_EQ(Join(grid->Handlers), c.Handler);
    EXPECT_EQ(grid->GetMouseStatus(), c.Status);
    EXPECT_EQ(TtsBaseGrid::ClickPos(grid->GetMouseDownDisplayCol(), grid->GetMouseDownDisplayRow()), c.Pos);
    EXPECT_EQ(grid->Events.back(), "down") << "the press is reported last";
    Release(at, c.Button);
    EXPECT_EQ(grid->GetMouseStatus(), msNormal) << "every release ends the action";
    FreeAndNil(grid);
    Grid = nullptr;
  }
}

TEST_F(MousePress, AHeadingPressShowsItPressedAndReportsIt) {
  TMouseGrid* grid = Make();
  grid->GetCols()->GetItem(2)->SetHeadingButton(cbCell);
  Press(In(2, 0));
  EXPECT_EQ(grid->GetPressedHeadingCol(), 2);
  EXPECT_TRUE(grid->GetPressedHeadingDown());
  EXPECT_FALSE(grid->GetPressedHeadingIsButton());
  EXPECT_EQ(Join(grid->Events), "heading down 2;down");
  // Away from the heading it shows released, back over it pressed again.
  MoveTo(In(3, 2));
  EXPECT_FALSE(grid->GetPressedHeadingDown());
  MoveTo(In(2, 0, 20));
  EXPECT_TRUE(grid->GetPressedHeadingDown());
  Release(In(2, 0, 20));
  EXPECT_EQ(grid->GetPressedHeadingCol(), -1);
  EXPECT_FALSE(grid->GetPressedHeadingDown());
}

TEST_F(MousePress, ADoubleClickOnABorderStartsSizingAndElsewhereReportsTheDoubleClick) {
  TMouseGrid* grid = Make();
  DoublePress(In(2, 0, 63));
  EXPECT_EQ(grid->GetMouseStatus(), msColResize);
  EXPECT_TRUE(grid->GetResizeByDoubleClick());
  Release(In(2, 0, 63));

  grid->Events.clear();
  grid->ClearCalls();
  DoublePress(In(0, 3, 5));
  EXPECT_TRUE(grid->GetDoubleClickHandled());
  Release(In(0, 3, 5));
  EXPECT_EQ(std::count(grid->Events.begin(), grid->Events.end(), String("dblclick")), 1)
      << "once, although the window layer reports it too";
  EXPECT_EQ(grid->CallsOf("DoDblClickCell"), std::vector<String>{"DoDblClickCell(0,3)"});
  EXPECT_EQ(grid->CallsOf("DoClickCell").size(), 1u) << "the first click only; the consumed one clicks nothing";
}

TEST_F(MousePress, ACellButtonPressFiresItsEventsAndShowsItPressed) {
  TMouseGrid* grid = Make();
  grid->GetCols()->GetItem(3)->SetButtonType(btNormal);
  grid->SetCurrentCell(3, 2);
  Pump();
  const TRect cell = Cell(3, 2);
  grid->ClearCalls();
  Press(TPoint(cell.right - 4, cell.top + 4));
  EXPECT_EQ(grid->GetMouseStatus(), msButtonDown);
  EXPECT_EQ(grid->GetButtonDownCol(), 3);
  EXPECT_EQ(grid->GetButtonDownRow(), 2);
  EXPECT_EQ(grid->CallsOf("DoButton"), std::vector<String>{"DoButtonDown(3,2)"});
  // Leaving the button draws it released; coming back presses it again.
  MoveTo(TPoint(cell.left + 5, cell.top + 4));
  EXPECT_EQ(grid->GetButtonDownCol(), -1);
  MoveTo(TPoint(cell.right - 4, cell.top + 4));
  EXPECT_EQ(grid->GetButtonDownCol(), 3);
  Release(TPoint(cell.right - 4, cell.top + 4));
  EXPECT_EQ(grid->CallsOf("DoButton"),
            (std::vector<String>{"DoButtonDown(3,2)", "DoButtonClick(3,2)", "DoButtonUp(3,2)"}));
  EXPECT_EQ(grid->GetButtonDownCol(), -1);
  EXPECT_TRUE(grid->CallsOf("DoClickCell").empty()) << "a button press is no cell click";
}

TEST_F(MousePress, AButtonReleasedAwayFromItIsNoClickButStillReportsItsRelease) {
  TMouseGrid* grid = Make();
  grid->GetCols()->GetItem(3)->SetButtonType(btNormal);
  grid->GetCols()->GetItem(2)->SetButtonType(btVertSpin);
  grid->SetCurrentCell(3, 2);
  Pump();
  TRect cell = Cell(3, 2);
  grid->ClearCalls();
  Press(TPoint(cell.right - 4, cell.top + 4));
  Release(TPoint(cell.left + 5, cell.top + 4));
  EXPECT_EQ(grid->CallsOf("DoButton"), (std::vector<String>{"DoButtonDown(3,2)", "DoButtonUp(3,2)"}));

  // A spin part: pressed, it repeats once at once; released over it, it clicks.
  grid->SetCurrentCell(2, 2);
  Pump();
  cell = Cell(2, 2);
  grid->ClearCalls();
  const TPoint up(cell.right - 4, cell.top + 2);
  Press(up);
  EXPECT_EQ(grid->GetPressSpin(), spbIncrement);
  Release(up);
  EXPECT_EQ(grid->CallsOf("DoSpin"), (std::vector<String>{"DoSpinButtonDown(2,2,1)", "DoSpinRepeat(2,2,1,1)", "DoSpinIncrement(2,2,1,1)",
                                                         "DoSpinButtonClick(2,2,1)", "DoSpinButtonUp(2,2,1)"}));
}

TEST_F(MousePress, APressThatOpensTheEditorIsHandedToIt) {
  // A grid that loads its cells as the application's grid does, so that its editor shows.
  auto* grid = MakeGrid<TInversionRecorder>(300, 200, 4, 8);
  grid->SetScrollBars(ssNone);
  Integer downs = 0;
  grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { ++downs; };
  grid->SetAlwaysShowEditor(false);
  grid->SetCurrentCell(2, 3);
  Pump();
  grid->SetFocus();
  Pump();
  ASSERT_FALSE(grid->ControlShownAsEditor());
  Press(In(2, 3, 20));
  ASSERT_NE(grid->GetActiveControl(), nullptr);
  EXPECT_TRUE(grid->GetActiveControl()->GetVisible());
  EXPECT_TRUE(grid->GetActiveControl()->Focused()) << "the editor has the press and the focus";
  EXPECT_FALSE(grid->GetPressPending());
  EXPECT_FALSE(grid->GetInMouseDown()) << "the press is the editor's now";
  EXPECT_EQ(downs, 1) << "heard once, from the editor";
  Release(In(2, 3, 20));
}

TEST_F(MousePress, WithoutTheFocusAPressOnlyReportsItself) {
  TMouseGrid* grid = Make();
  // A drop-down list grid takes the focus only while its owner designs it.
  grid->SetComboGrid(true);
  TTestGrid* other = New<TTestGrid>(Form);
  other->SetParent(Form);
  other->SetBounds(320, 0, 100, 100);
  Pump();
  other->SetFocus();
  Pump();
  ASSERT_FALSE(grid->IsFocused());
  grid->Handlers.clear();
  Press(In(0, 0, 5));
  EXPECT_TRUE(grid->Handlers.empty());
  EXPECT_EQ(Join(grid->Events), "down");
  Release(In(0, 0, 5));
  grid->SetComboGrid(false);
}

}  // namespace
