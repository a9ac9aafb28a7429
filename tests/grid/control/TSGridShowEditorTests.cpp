// The in-place control on real windows: shown over the current cell only after the grid painted it,
// placed and dressed from the cell, left off cells that may not be edited, hidden with the focus
// handed back to the grid, the keys it claims from the dialog manager, a typed character (a whole
// UTF-8 sequence) handed to the editor the grid just opened, a press handed over so that a second one
// makes a double click, and the grid's style text.
#include "GridEditTestSupport.h"
#include "HeadlessBackend.h"
#include "TSGridAdapters.h"
#include "TSGridButtons.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridEditBox.h"
#include "WinControls.h"
#include "WinFocus.h"
#include "WinInput.h"
#include "WinQueue.h"

using namespace GridControlTest;

namespace {

class ShowEditor : public EditGridTest {
 protected:
  TtsCustomGridControl* Active() { return EG->GetActiveControl(); }
  TRect CellOf(Integer Col, Integer Row) {
    TRect r;
    EG->CellRect(Col, Row, r);
    return r;
  }
};

TEST_F(ShowEditor, TheControlShowsOverItsCellAfterThePaint) {
  MakeEditGrid();
  EXPECT_TRUE(Active()->GetVisible());
  EXPECT_TRUE(Active()->Focused()) << "the grid's focus went on to its editor";
  EG->SetCurrentCell(3, 4);
  EXPECT_FALSE(Active()->GetVisible()) << "attached to the new cell, shown only after the paint";
  EXPECT_TRUE(EG->GetControlShown());
  Pump();
  ASSERT_TRUE(Active()->GetVisible());
  const TRect cell = CellOf(3, 4);
  EXPECT_EQ(Active()->GetLeft(), cell.left + 3);
  EXPECT_EQ(Active()->GetTop(), cell.top);
  EXPECT_EQ(Active()->GetWidth(), EG->GetColWidths(3) - EG->GetVertLineWidth() - 3);
  EXPECT_EQ(Active()->GetHeight(), EG->GetRowHeights(4) - EG->GetHorzLineWidth());
  SavePng("grid-editor-shown.png");
}

TEST_F(ShowEditor, HidingHandsTheFocusBackToTheGrid) {
  MakeEditGrid();
  ASSERT_TRUE(Active()->Focused());
  EG->HideGridControl(true);
  EXPECT_FALSE(Active()->GetVisible());
  EXPECT_TRUE(EG->Focused());
  EXPECT_TRUE(EG->GetControlHidden());
  const TRect cell = CellOf(1, 1);
  const TRect box = UpdateBox();
  EXPECT_TRUE(box.left <= cell.left && box.top <= cell.top && box.right >= cell.right && box.bottom >= cell.bottom)
      << "the cell under it is painted again";
  Pump();
  EXPECT_FALSE(Active()->GetVisible()) << "a hidden control stays hidden through paints";
  EG->ShowGridControl();
  Pump();
  EXPECT_TRUE(Active()->GetVisible());
  EXPECT_TRUE(Active()->Focused());
}

TEST_F(ShowEditor, CellsThatMayNotBeEditedGetNoControl) {
  struct TCase {
    const char* Name;
    std::function<void(TEditRecordingGrid*)> Setup;
  };
  const TCase cases[] = {
      {"read-only", [](TEditRecordingGrid* G) { G->GetCols()->GetItem(2)->SetReadOnly(true); }},
      {"selected", [](TEditRecordingGrid* G) { G->SetRowSelected(2, true); }},
      {"browse mode", [](TEditRecordingGrid* G) { G->SetGridMode(gmBrowse); }},
      {"list-box mode", [](TEditRecordingGrid* G) { G->SetGridMode(gmListBox); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeEditGrid();
    c.Setup(EG);
    EG->SetCurrentCell(2, 2);
    Pump();
    EXPECT_FALSE(Active()->GetVisible());
    EXPECT_LT(Active()->GetLeft() + Active()->GetWidth(), 1) << "moved out of the window";
    FreeAndNil(Form);
    Pump();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 500, 400);
  }
}

TEST_F(ShowEditor, ATextCellAndACheckCellEachGetTheirControl) {
  MakeEditGrid();
  EG->GetCols()->GetItem(2)->SetControlType(ctCheck);
  EG->GetCols()->GetItem(2)->SetAllowGrayed(true);
  Pump();
  auto* edit = EG->GetEditControl();
  ASSERT_TRUE(edit->GetVisible());
  EG->SetCurrentCell(2, 1);
  EXPECT_FALSE(edit->GetVisible()) << "the edit box left its cell";
  Pump();
  auto* check = static_cast<TtsCheckGridControl*>(EG->GetCheckControl());
  EXPECT_EQ(Active(), check);
  EXPECT_TRUE(check->GetVisible());
  EXPECT_TRUE(check->GetAllowGrayed()) << "dressed from the column";
  EXPECT_FALSE(Active()->IsEditControl());
  SavePng("grid-check-control.png");
}

TEST_F(ShowEditor, ADropDownListCellTakesNoKeysAndAButtonNarrowsTheControl) {
  MakeEditGrid();
  EG->GetCols()->GetItem(2)->SetButtonType(btNormal);
  EG->SetCurrentCell(2, 1);
  Pump();
  TtsCustomButton* button = EG->GridCellButton(2, btNormal);
  EXPECT_EQ(Active()->GetWidth(), EG->GetColWidths(2) - EG->GetVertLineWidth() - 3 - button->FullWidth());
  EXPECT_TRUE(Active()->GetKeyEdit());
  EG->GetCols()->GetItem(3)->SetButtonType(btDateTimeDropDown);
  EG->GetCols()->GetItem(3)->SetDropDownStyle(ddDropDownList);
  EG->SetCurrentCell(3, 1);
  Pump();
  EXPECT_FALSE(Active()->GetKeyEdit());
  EXPECT_FALSE(Active()->GetMouseSelect());
}

TEST_F(ShowEditor, TheControlClaimsEscapeOnlyWhileTheGridHasSomethingToTakeBack) {
  MakeEditGrid();
  HWND edit = Active()->GetHandle();
  auto dialogCode = [&] { return WinQueue::SendMessage(edit, WM_GETDLGCODE, 0, 0); };
  HeadlessBackend::SetKeyState(VK_ESCAPE, true);
  EXPECT_EQ(dialogCode() & DLGC_WANTALLKEYS, 0) << "idle: Escape reaches the dialog";
  HeadlessBackend::SetKeyState(VK_ESCAPE, false);
  Type("x");
  HeadlessBackend::SetKeyState(VK_ESCAPE, true);
  EXPECT_NE(dialogCode() & DLGC_WANTALLKEYS, 0) << "an edit to undo";
  HeadlessBackend::SetKeyState(VK_ESCAPE, false);
  EXPECT_NE(dialogCode() & DLGC_WANTTAB, 0);
  HeadlessBackend::SetKeyState(VK_CONTROL, true);
  EXPECT_EQ(dialogCode() & DLGC_WANTTAB, 0) << "Ctrl+Tab is the dialog's";
  HeadlessBackend::SetKeyState(VK_CONTROL, false);
  EG->SetWantTabs(false);
  EXPECT_EQ(dialogCode() & DLGC_WANTTAB, 0);
}

TEST_F(ShowEditor, TypingIntoTheGridOpensTheEditorWithTheWholeCharacter) {
  MakeEditGrid();
  EG->SetAlwaysShowEditor(false);
  EG->SetFocus();
  Pump();
  ASSERT_TRUE(EG->Focused());
  ASSERT_FALSE(EG->ControlShownAsEditor());
  // 中 and 文 arrive as three WM_CHAR bytes each, at the grid.
  Type("\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_TRUE(EG->ControlShownAsEditor());
  EXPECT_EQ(EditText(), "\xE4\xB8\xAD\xE6\x96\x87");
  EXPECT_EQ(Events(), "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) CellEdit(1,1,T)");
  // Bytes already waiting for the grid follow the first one in order.
  EG->SetCurrentCell(2, 1);
  Pump();
  EG->SetFocus();
  Pump();
  EG->ClearCalls();
  for (BYTE b : {0xE5, 0x9B, 0xBD}) WinQueue::PostMessage(EG->GetHandle(), WM_CHAR, b, 0);
  Pump();
  EXPECT_EQ(EditText(), "\xE5\x9B\xBD");
}

TEST_F(ShowEditor, APressHandedToTheControlPairsWithTheNextOne) {
  MakeEditGrid();
  std::vector<String> seen;
  EG->OnDblClick = [&](TObject*) { seen.push_back("dbl"); };
  EG->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
    seen.push_back("down " + IntToStr(X) + "," + IntToStr(Y));
  };
  const TRect cell = CellOf(2, 2);
  EG->SetCurrentCell(2, 2);
  Pump();
  const TPoint at(cell.left + 10, cell.top + 5);
  for (Integer secondX : {at.x, at.x + 1}) {
    SCOPED_TRACE(secondX);
    seen.clear();
    Clock.Advance(GetDoubleClickTime() + 1);
    EG->SetPendingPress(at.x, at.y, false);
    EG->MouseMessageToControl(false);
    EXPECT_FALSE(EG->GetPressPending());
    Clock.Advance(50);
    const TPoint screen = EG->ClientToScreen(TPoint(secondX, at.y));
    HeadlessBackend::InjectClick(screen.x, screen.y);
    Pump();
    const String first = "down " + IntToStr(at.x) + "," + IntToStr(at.y);
    const std::vector<String> expected =
        secondX == at.x ? std::vector<String>{first, first, "dbl"}
                        : std::vector<String>{first, "down " + IntToStr(secondX) + "," + IntToStr(at.y)};
    EXPECT_EQ(seen, expected) << "the grid hears the control's presses at grid points";
  }
}

TEST_F(ShowEditor, TheStyleTextOfTheGridsFont) {
  MakeEditGrid();
  TFont* font = EG->GetFont();
  font->SetName("Song");
  font->SetSize(9);
  font->SetStyle({fsBold});
  font->SetColor(clRed);
  EG->SetHeadingColor(clSilver);
  EG->SetHeadingHeight(20);
  EXPECT_EQ(EG->HTMLFont(),
            " style=\"font-family: 'Song'; font-size: 9; background: #C0C0C0; color: #FF0000; font-weight: BOLD; "
            "height: 20px;\"");
  font->SetStyle({});
  font->SetName("BGCOLOR 'x\" <y>");
  EG->SetHeadingColor(clBtnFace);
  EXPECT_EQ(EG->HTMLFont(),
            " style=\"font-family: 'BGCOLOR \\&apos;x&quot; &lt;y&gt;'; font-size: 9; background: #"
                + ColorToHex(TranslateColor(clBtnFace)) +
                "; color: #FF0000; font-weight: NORMAL; height: 20px;\"")
      << "a name is no pattern and cannot leave its quotes";
}

TEST_F(ShowEditor, TheKeyProcessingCountStopsAtZero) {
  MakeEditGrid();
  EG->SetCanProcessKey(true);
  EXPECT_TRUE(EG->GetCanProcessKey());
  EG->SetCanProcessKey(false);
  EG->SetCanProcessKey(false);
  EG->SetCanProcessKey(true);
  EXPECT_FALSE(EG->GetCanProcessKey());
  EG->SetCanProcessKey(true);
  EXPECT_TRUE(EG->GetCanProcessKey());
}

}  // namespace
