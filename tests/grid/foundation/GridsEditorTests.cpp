// The in-place editors of the base grid engine: typing into a cell, read-only cells, the keys the
// editor hands to the grid, Enter, the ellipsis button and the pick list with its height, its
// place, its typed search and its double-click cycling.
#include "GridsTestSupport.h"

#include "DateTime.h"
#include "HeadlessBackend.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace GridsTest;

namespace {

class GridEditor : public GridFixture {
 protected:
  void MakeEditingGrid(TGridOptions Extra = {}) {
    MakeGrid(320, 150);
    Grid->SetOptions(Grid->GetOptions() + TGridOptions{goEditing} + Extra);
    for (Integer r = 1; r < 5; ++r)
      for (Integer c = 1; c < 5; ++c) Grid->SetCells(c, r, "abc");
  }
  TInplaceEdit* Editor() { return Grid->GetInplaceEditor(); }
  TInplaceEditList* ListEditor() { return dynamic_cast<TInplaceEditList*>(Grid->GetInplaceEditor()); }
  String EditorText() { return Editor()->GetText(); }
  // A list editor on a grid whose cells offer the given items.
  void MakePickListGrid(const std::vector<String>& Items, TEditStyle Style = esPickList) {
    MakeEditingGrid();
    Grid->UseListEditor = true;
    Grid->EditStyle = Style;
    Grid->SetCells(1, 1, "");
    Show();
    Key(VK_F2);
    ASSERT_TRUE(ListEditor());
    ListEditor()->OnGetPickListItems = [Items](Integer, Integer, StringLists::TStrings* List) {
      List->Clear();
      for (const String& item : Items) List->Add(item);
    };
    ListEditor()->OnEditButtonClick = [this](TObject* Sender) {
      EXPECT_EQ(Sender, Grid);
      ++ButtonClicks;
    };
  }
  Integer ButtonClicks = 0;
};

TEST_F(GridEditor, TypingIntoACellOpensTheEditorAndEveryKeystrokeReachesTheCell) {
  MakeEditingGrid();
  std::vector<String> seen;
  Grid->OnSetEditText = [&](TObject*, Integer, Integer, const String& Value) { seen.push_back(Value); };
  Show();
  EXPECT_FALSE(Grid->GetEditorMode());
  Type("x");
  ASSERT_TRUE(Editor());
  EXPECT_TRUE(Grid->GetEditorMode());
  EXPECT_TRUE(Editor()->Visible());
  EXPECT_TRUE(Editor()->PosEqual(Grid->CellRect(1, 1)));
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(EditorText(), "x") << "the typed character replaced the selected text";
  Type("y价");
  EXPECT_EQ(EditorText(), "xy价");
  EXPECT_EQ(Grid->GetCells(1, 1), "xy价");
  EXPECT_EQ(seen, (std::vector<String>{"x", "xy", "xy价"})) << "each character, whole";
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetRow(), 2) << "the editor hands the arrow to the grid";
  EXPECT_FALSE(Editor()->Visible());
  EXPECT_EQ(Grid->GetCells(1, 1), "xy价") << "the text stays in the cell it was typed into";
  EXPECT_EQ(Grid->GetCells(1, 2), "abc") << "loading the next cell does not write it";
}

TEST_F(GridEditor, AnEditLimitOfMinusOneMakesTheCellReadOnly) {
  MakeEditingGrid();
  Grid->EditLimit = -1;
  Show();
  Key(VK_F2);
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_FALSE(Grid->GetEditModifiable());
  Type("xy");
  Key(VK_BACK);
  Key(VK_DELETE);
  SendMessage(Editor()->GetHandle(), WM_CLEAR, 0, 0);
  SendMessage(Editor()->GetHandle(), WM_CUT, 0, 0);
  Pump();
  EXPECT_EQ(EditorText(), "abc");
  EXPECT_EQ(Grid->GetCells(1, 1), "abc");
}

TEST_F(GridEditor, WithTheEditorAlwaysShownArrowsAtTheTextsEndsMoveToTheNextCell) {
  MakeEditingGrid({goAlwaysShowEditor});
  Show();
  Grid->SetCol(2);
  ASSERT_TRUE(Editor() && Editor()->Visible());
  SendMessage(Editor()->GetHandle(), EM_SETSEL, 1, 1);
  Key(VK_LEFT);
  EXPECT_EQ(Grid->GetCol(), 2) << "the caret moved inside the text";
  EXPECT_EQ(Editor()->GetSelStart(), 0);
  Key(VK_LEFT);
  EXPECT_EQ(Grid->GetCol(), 1) << "at the left end the grid moves";
  EXPECT_TRUE(Editor()->Visible()) << "and the editor follows";
  SendMessage(Editor()->GetHandle(), EM_SETSEL, 3, 3);
  Key(VK_RIGHT);
  EXPECT_EQ(Grid->GetCol(), 2);
}

TEST_F(GridEditor, EnterTogglesTheSelectionOrTheEditor) {
  MakeEditingGrid({goAlwaysShowEditor});
  Show();
  ASSERT_TRUE(Editor() && Editor()->Visible());
  EXPECT_EQ(Editor()->GetSelLength(), 3) << "a loaded cell is all selected";
  Key(VK_RETURN);
  EXPECT_EQ(Editor()->GetSelLength(), 0);
  EXPECT_EQ(Editor()->GetSelStart(), 3) << "the caret after the text";
  Key(VK_RETURN);
  EXPECT_EQ(Editor()->GetSelLength(), 3);
  EXPECT_EQ(EditorText(), "abc") << "no line break";

  TearDown();
  SetUp();
  MakeEditingGrid();
  Show();
  Key(VK_RETURN);
  ASSERT_TRUE(Editor());
  EXPECT_TRUE(Editor()->Visible()) << "Enter opens the editor";
  Key(VK_RETURN);
  EXPECT_FALSE(Editor()->Visible()) << "and closes it";
  EXPECT_FALSE(Grid->GetEditorMode());
  EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridEditor, ThePickListDropsDownUnderTheCellOrAboveIt) {
  std::vector<String> items;
  for (Integer i = 0; i < 20; ++i) items.push_back("item " + std::to_string(i));
  MakePickListGrid(items);
  Key(VK_DOWN, {ssAlt});
  ASSERT_TRUE(ListEditor()->GetListVisible());
  TWinControl* list = ListEditor()->GetActiveList();
  // The list asks for the rows' height plus 4; its integral height trims what lies beyond the
  // whole rows inside its border.
  const Integer itemHeight = ListEditor()->GetPickList()->GetItemHeight();
  EXPECT_EQ(list->GetClientHeight(), 20 * itemHeight);
  RECT r;
  GetWindowRect(list->GetHandle(), &r);
  const TPoint cell = Editor()->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(r.left, cell.x);
  EXPECT_EQ(r.top, cell.y + Editor()->GetHeight());
  EXPECT_TRUE(Editor()->Focused()) << "the editor keeps the focus";
  SaveScreenPng(testing::TempDir() + "grid-pick-list.png");
  Key(VK_ESCAPE);
  EXPECT_FALSE(ListEditor()->GetListVisible());
  EXPECT_EQ(EditorText(), "") << "closed without taking an item";

  ListEditor()->SetDropDownRows(7);
  Form->SetTop(Screen->Height() - 60);
  Pump();
  Key(VK_DOWN, {ssAlt});
  EXPECT_EQ(list->GetClientHeight(), 7 * itemHeight);
  GetWindowRect(list->GetHandle(), &r);
  EXPECT_EQ(r.bottom, Editor()->ClientToScreen(TPoint(0, 0)).y) << "no room below: above the cell";
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_FALSE(ListEditor()->GetListVisible());
  EXPECT_EQ(EditorText(), "item 1");
  EXPECT_EQ(Grid->GetCells(1, 1), "item 1") << "the chosen item goes to the cell";
}

TEST_F(GridEditor, TypingInTheOpenListFindsTheFirstItemStartingWithIt) {
  TManualClock clock(0, 10000);
  TClockOverride useClock(clock);
  MakePickListGrid({"aaa", "abc", "abd", "bcd", "cat"});
  Key(VK_DOWN, {ssAlt});
  ASSERT_TRUE(ListEditor()->GetListVisible());
  auto* list = ListEditor()->GetPickList();
  Type("a");
  clock.Advance(500);
  Type("b");
  EXPECT_EQ(list->GetItemIndex(), 1) << "\"ab\" typed quickly";
  clock.Advance(2001);
  Type("c");
  EXPECT_EQ(list->GetItemIndex(), 4) << "after a pause \"c\" starts a new search";
  EXPECT_EQ(list->GetSearchText(), "c");
  Key(VK_RETURN);
  EXPECT_EQ(EditorText(), "cat");
}

TEST_F(GridEditor, DoubleClickingAPickListCellCyclesThroughItsItems) {
  MakePickListGrid({"one", "two", "three"});
  std::vector<String> texts;
  for (Integer i = 0; i < 4; ++i) {
    SendMessage(Editor()->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Pump();
    texts.push_back(EditorText());
  }
  EXPECT_EQ(texts, (std::vector<String>{"one", "two", "three", "one"}));
  EXPECT_EQ(Grid->GetCells(1, 1), "one");
  EXPECT_EQ(Editor()->GetSelLength(), 3) << "the value taken is selected";
}

TEST_F(GridEditor, TheEllipsisButtonRaisesItsEventByMouseAndByCtrlEnter) {
  MakePickListGrid({}, esEllipsis);
  Editor()->SetText("abc");
  Pump();
  const TRect button = ListEditor()->ButtonRect();
  EXPECT_EQ(button.Width(), GetSystemMetrics(SM_CXVSCROLL));
  const TPoint p = Editor()->ClientToScreen(TPoint(button.left + 3, 5));
  InjectMouseMove(p.x, p.y);
  InjectMouseButton(0, true);
  Pump();
  EXPECT_TRUE(ListEditor()->GetPressed());
  SaveWindowPng(Form->GetHandle(), testing::TempDir() + "grid-ellipsis-pressed.png");
  InjectMouseButton(0, false);
  Pump();
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_FALSE(ListEditor()->GetPressed());
  SavePng("grid-ellipsis.png");

  Key(VK_RETURN, {ssCtrl});
  EXPECT_EQ(ButtonClicks, 2);
  EXPECT_EQ(EditorText(), "abc") << "no line break typed";
}

TEST_F(GridEditor, ThePickListButtonOpensTheListAndAClickTakesAnItem) {
  MakePickListGrid({"red", "green", "blue"});
  SavePng("grid-pick-button.png");
  const TRect button = ListEditor()->ButtonRect();
  const TPoint p = Editor()->ClientToScreen(TPoint(button.left + 3, 5));
  InjectMouseMove(p.x, p.y);
  InjectMouseButton(0, true);
  InjectMouseButton(0, false);
  Pump();
  ASSERT_TRUE(ListEditor()->GetListVisible());
  auto* list = ListEditor()->GetPickList();
  const TRect second = list->ItemRect(1);
  const TPoint item = list->ClientToScreen(TPoint(second.left + 5, second.top + 3));
  InjectClick(item.x, item.y);
  Pump();
  EXPECT_FALSE(ListEditor()->GetListVisible());
  EXPECT_EQ(EditorText(), "green");
  EXPECT_EQ(Grid->GetCells(1, 1), "green");
}

}  // namespace
