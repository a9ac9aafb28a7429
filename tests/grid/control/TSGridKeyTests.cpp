// The grid's keyboard: the key table (key, modifiers, grid mode and mouse status against the move
// and whether the key is spent), the targets of Tab, Enter and Right with and without row wrapping,
// page and Ctrl moves on rows of one height, and the cells every move passes over (hidden,
// read-only, a cell's own setting, fixed rows that may not be selected).
#include "GridEditTestSupport.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "WinInput.h"

using namespace GridControlTest;

namespace {

class KeyNavigation : public EditGridTest {
 protected:
  // Sends the key straight to the grid's key dispatcher; whether it was spent.
  bool Press(Word VK, TShiftState Shift = {}) {
    Word key = VK;
    EG->ProcessKeyDown(key, Shift);
    Pump();
    return key == 0;
  }
  void Restart() {
    FreeAndNil(Form);
    Pump();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 500, 400);
  }
  TPoint Current() const { return TPoint(EG->GetCurDisplayCol(), EG->GetCurDisplayRow()); }
};

struct TKeyCase {
  Word Key;
  TShiftState Shift;
  TtsGridMode Mode;
  TtsMouseStatus Mouse;
  bool Spent;
  TPoint Cell;  // the current cell afterwards, from (2, 2)
};

TEST_F(KeyNavigation, TheKeyTable) {
  const TShiftState none, shift{ssShift}, ctrl{ssCtrl}, alt{ssAlt}, ctrlShift{ssCtrl, ssShift}, ctrlAlt{ssCtrl, ssAlt};
  const TKeyCase cases[] = {
      {VK_TAB, none, gmEdit, msNormal, true, {3, 2}},
      {VK_TAB, shift, gmEdit, msNormal, true, {1, 2}},
      {VK_TAB, ctrlShift, gmEdit, msNormal, false, {2, 2}},
      {VK_RETURN, none, gmEdit, msNormal, true, {3, 2}},
      {VK_RIGHT, none, gmEdit, msNormal, true, {3, 2}},
      {VK_LEFT, none, gmEdit, msNormal, true, {1, 2}},
      {VK_DOWN, none, gmEdit, msNormal, true, {2, 3}},
      {VK_UP, none, gmEdit, msNormal, true, {2, 1}},
      {VK_DOWN, ctrlShift, gmEdit, msNormal, false, {2, 2}},
      {VK_DOWN, ctrlAlt, gmEdit, msNormal, false, {2, 2}},
      {VK_LEFT, alt, gmEdit, msNormal, false, {2, 2}},
      {VK_DOWN, alt, gmEdit, msNormal, false, {2, 2}},  // no drop-down to open
      {VK_F4, none, gmEdit, msNormal, false, {2, 2}},
      {VK_HOME, ctrl, gmEdit, msNormal, true, {1, 1}},
      {VK_END, ctrl, gmEdit, msNormal, true, {4, 6}},
      {VK_LEFT, ctrl, gmEdit, msNormal, true, {1, 2}},
      {VK_RIGHT, ctrl, gmEdit, msNormal, true, {4, 2}},
      {VK_UP, ctrl, gmEdit, msNormal, true, {2, 1}},
      {VK_DOWN, ctrl, gmEdit, msNormal, true, {2, 6}},
      {VK_HOME, none, gmEdit, msNormal, false, {2, 2}},
      {VK_DELETE, none, gmEdit, msNormal, false, {2, 2}},
      {'A', none, gmEdit, msNormal, false, {2, 2}},
      {VK_ESCAPE, none, gmEdit, msNormal, false, {2, 2}},  // nothing to undo, the editor always shows
      {VK_RETURN, none, gmBrowse, msNormal, false, {2, 2}},
      {VK_TAB, none, gmBrowse, msNormal, true, {3, 2}},  // the focus rectangle moves
      {VK_DOWN, none, gmBrowse, msNormal, true, {2, 3}},
      {VK_TAB, none, gmListBox, msNormal, false, {2, 2}},
      {VK_RIGHT, none, gmListBox, msNormal, true, {2, 2}},  // every column shows: nothing to scroll
      {VK_DOWN, none, gmListBox, msNormal, true, {2, 3}},
      {VK_DOWN, none, gmEdit, msRowResize, false, {2, 2}},
      {VK_TAB, none, gmEdit, msColMove, false, {2, 2}},
      {VK_DOWN, none, gmEdit, msButtonDown, true, {2, 3}},
  };
  for (const TKeyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " mode " << c.Mode << " mouse " << c.Mouse);
    MakeEditGrid(4, 6);
    EG->SetGridMode(c.Mode);
    EG->SetCurrentCell(2, 2);
    Pump();
    EG->SetMouseStatus(c.Mouse);
    EXPECT_EQ(Press(c.Key, c.Shift), c.Spent);
    EXPECT_EQ(Current(), c.Cell);
    EG->SetMouseStatus(msNormal);
    Restart();
  }
}

TEST_F(KeyNavigation, EscapeEndsAMouseActionAndF2OpensTheEditor) {
  MakeEditGrid();
  EG->SetMouseStatus(msRowResize);
  EXPECT_TRUE(Press(VK_ESCAPE));
  EXPECT_EQ(EG->GetMouseStatus(), msNormal);

  EG->SetAlwaysShowEditor(false);
  EXPECT_FALSE(EG->ControlShownAsEditor());
  EXPECT_TRUE(Press(VK_F2));
  EXPECT_TRUE(EG->ControlShownAsEditor());
  EXPECT_EQ(EG->GetCurrentCell()->GetSelLength(), 0) << "a caret without selection";
  EXPECT_FALSE(Press(VK_F2)) << "the editor is open already";
  EXPECT_TRUE(Press(VK_ESCAPE)) << "Escape hides the editor again";
  EXPECT_FALSE(EG->ControlShownAsEditor());
}

struct TWrapCase {
  Word Key;
  bool Wrap;
  TPoint From, To;
};

TEST_F(KeyNavigation, TabEnterAndRightTargetsWithAndWithoutRowWrap) {
  const TWrapCase cases[] = {
      {VK_TAB, true, {4, 2}, {1, 3}},   {VK_TAB, false, {4, 2}, {4, 2}},   {VK_RETURN, true, {4, 2}, {1, 3}},
      {VK_RETURN, false, {4, 2}, {4, 2}}, {VK_RIGHT, true, {4, 2}, {1, 3}}, {VK_RIGHT, false, {4, 2}, {4, 2}},
      {VK_TAB, true, {4, 6}, {4, 6}},   {VK_TAB, false, {4, 6}, {4, 6}},   {VK_TAB, false, {2, 6}, {3, 6}},
  };
  for (const TWrapCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " wrap " << c.Wrap << " from " << c.From.x << ","
                                    << c.From.y);
    MakeEditGrid(4, 6);
    EG->SetTabRowWrap(c.Wrap);
    EG->SetCurrentCell(c.From.x, c.From.y);
    Pump();
    EXPECT_TRUE(Press(c.Key));
    EXPECT_EQ(Current(), c.To);
    Restart();
  }
}

TEST_F(KeyNavigation, EnterAtTheLastCellOfARowEndsTheEditAndSelectsTheText) {
  MakeEditGrid(4, 6);
  EG->SetStoreData(true);
  EG->SetTabRowWrap(false);
  EG->SetCurrentCell(4, 2);
  Pump();
  Type("abc");
  EG->ClearCalls();
  EXPECT_TRUE(Press(VK_RETURN));
  EXPECT_EQ(Events(), "EndCellEdit(4,2) EndRowEdit(2)");
  EXPECT_EQ(Current(), TPoint(4, 2));
  EXPECT_EQ(EG->GetEditControl()->GetSelStart(), 0);
  EXPECT_EQ(EG->GetEditControl()->GetSelLength(), 3) << "the cell's whole text is selected";
  EXPECT_TRUE(EG->GetCurrentCell()->AllSelected()) << "and the grid knows it";
}

TEST_F(KeyNavigation, PagesAndCtrlMovesOnRowsOfOneHeight) {
  // 30 rows of one height, ten of which fill the window.
  MakeEditGrid(3, 30, 200, 400);
  EG->SetHeight(EG->GetFixedHeight() + 10 * (EG->GetRowHeights(1) + EG->GetHorzLineWidth()));
  Pump();
  ASSERT_EQ(EG->GetVisibleRowCount(), 10);
  struct TStep {
    Word Key;
    TShiftState Shift;
    Integer Row, Top;
  };
  const TStep steps[] = {
      {VK_NEXT, {}, 11, 11}, {VK_NEXT, {}, 21, 21}, {VK_NEXT, {}, 30, 21}, {VK_NEXT, {}, 30, 21},
      {VK_PRIOR, {}, 20, 11}, {VK_PRIOR, {}, 10, 1}, {VK_PRIOR, {}, 1, 1},  {VK_PRIOR, {}, 1, 1},
      {VK_END, {ssCtrl}, 30, 21}, {VK_HOME, {ssCtrl}, 1, 1}, {VK_DOWN, {ssCtrl}, 30, 21}, {VK_UP, {ssCtrl}, 1, 1},
  };
  for (const TStep& s : steps) {
    SCOPED_TRACE(testing::Message() << "key " << s.Key << " to row " << s.Row);
    EXPECT_TRUE(Press(s.Key, s.Shift));
    EXPECT_EQ(EG->GetCurDisplayRow(), s.Row);
    EXPECT_EQ(EG->GetTopRow(), s.Top);
  }
  // Down past the last row shown scrolls by one row.
  EG->SetCurrentCell(1, 10);
  Pump();
  EXPECT_TRUE(Press(VK_DOWN));
  EXPECT_EQ(EG->GetCurDisplayRow(), 11);
  EXPECT_EQ(EG->GetTopRow(), 2);
  EXPECT_TRUE(Press(VK_UP));
  EXPECT_TRUE(Press(VK_UP));
  EXPECT_EQ(EG->GetTopRow(), 2) << "the row is still shown";
}

TEST_F(KeyNavigation, PageDownToTheInsertionRowWhenNoRowIsUsable) {
  MakeEditGrid(2, 3, 200, 155);
  EG->SetGridMode(gmEditInsert);
  for (Integer row = 1; row <= 3; ++row) EG->SetRowReadOnly(row, true);
  EG->SetCurrentCell(1, 1);
  Pump();
  EXPECT_TRUE(Press(VK_NEXT));
  EXPECT_TRUE(EG->IsInsertRow(EG->GetCurDisplayRow())) << "the last usable row is the insertion row";
}

TEST_F(KeyNavigation, MovesPassOverCellsThatCannotBeUsed) {
  MakeEditGrid(5, 4);
  TtsGridCols* cols = EG->GetCols();
  cols->GetItem(2)->SetVisible(false);
  cols->GetItem(4)->SetReadOnly(true);
  EG->SetCurrentCell(1, 1);
  Pump();
  EXPECT_TRUE(Press(VK_TAB));
  EXPECT_EQ(Current(), TPoint(3, 1)) << "the hidden column is passed over";
  EXPECT_TRUE(Press(VK_TAB));
  EXPECT_EQ(Current(), TPoint(5, 1)) << "the read-only column too, while read-only cells are skipped";
  EG->SetSkipReadOnly(false);
  EXPECT_TRUE(Press(VK_TAB, {ssShift}));
  EXPECT_EQ(Current(), TPoint(4, 1)) << "without skipping Tab stops on it";
  EXPECT_FALSE(EG->GetEditControl()->GetVisible()) << "but the cell gets no editor";
  cols->GetItem(3)->SetReadOnly(true);
  cols->GetItem(3)->SetVisible(false);
  EXPECT_TRUE(Press(VK_TAB, {ssShift}));
  EXPECT_EQ(Current(), TPoint(1, 1)) << "a hidden read-only column is no target either way";
}

TEST_F(KeyNavigation, ACellsOwnSettingOpensItInAReadOnlyColumnOrRow) {
  MakeEditGrid(3, 5);
  for (Integer row = 1; row <= 5; ++row) EG->SetRowReadOnly(row, true);
  EG->SetCellReadOnly(2, 4, roOff);
  EXPECT_TRUE(EG->CanEditCell(2, 4));
  EG->SetCurrentCell(2, 1);
  Pump();
  EXPECT_TRUE(Press(VK_DOWN));
  EXPECT_EQ(Current(), TPoint(2, 4)) << "Down reaches the one editable cell below in the column";
  EXPECT_TRUE(Press(VK_DOWN));
  EXPECT_EQ(Current(), TPoint(2, 4)) << "and no further";
  EG->GetCols()->GetItem(3)->SetReadOnly(true);
  EG->SetCellReadOnly(3, 2, roOff);
  EXPECT_TRUE(EG->CanEditCell(3, 2)) << "roOff opens a cell of a read-only column";
  EG->GetCols()->GetItem(3)->SetVisible(false);
  EXPECT_FALSE(EG->CanEditCell(3, 2)) << "but never one of a hidden column";
}

TEST_F(KeyNavigation, FixedRowsAreSelectedByKeyOnlyWithSelectFixed) {
  for (bool selectFixed : {false, true}) {
    MakeEditGrid(3, 5);
    EG->SetFixedRowCount(1);
    EG->SetSelectFixed(selectFixed);
    EG->SetGridMode(gmListBox);
    EG->SetCurrentCell(1, 3);
    Pump();
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(EG->GetCurDisplayRow(), selectFixed ? 1 : 2) << "select fixed " << selectFixed;
    Restart();
  }
  MakeEditGrid(3, 5);
  EG->SetFixedRowCount(1);
  EG->SetSelectFixed(false);
  EG->SetCurrentCell(1, 3);
  Pump();
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(EG->GetCurDisplayRow(), 1) << "an edit grid moves onto fixed rows without selecting";
}

}  // namespace
