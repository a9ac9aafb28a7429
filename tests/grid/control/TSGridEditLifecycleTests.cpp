// The edit lifecycle as a state machine: scripts of typing, keys and refusals played on a recording
// grid, each checked against the edit, move and row-count events it must give, in order, and the
// cell where it must end; the insertion row coming and going; Escape in its layers; and the check
// that a nested end-of-edit check lets the outer one decide.
#include <cstring>

#include "GridEditTestSupport.h"
#include "TSGridAdapters.h"
#include "WinInput.h"

using namespace GridControlTest;

namespace {

class EditLifecycle : public EditGridTest {
 protected:
  // Plays a script: text is typed; "{Tab}", "{Esc}", "{Down}", "{Up}", "{Left}", "{Right}",
  // "{Enter}" are keys.
  void Play(const std::vector<String>& Steps) {
    static const std::pair<const char*, Word> keys[] = {{"{Tab}", VK_TAB},   {"{Esc}", VK_ESCAPE},
                                                       {"{Down}", VK_DOWN}, {"{Up}", VK_UP},
                                                       {"{Left}", VK_LEFT}, {"{Right}", VK_RIGHT},
                                                       {"{Enter}", VK_RETURN}};
    for (const String& step : Steps) {
      bool key = false;
      for (const auto& k : keys)
        if (step == k.first) {
          Key(k.second);
          key = true;
        }
      if (!key) Type(step);
    }
  }
};

struct TEditScript {
  const char* Name;
  std::vector<String> Steps;
  std::set<String> Vetoes;
  const char* Raises;
  const char* Expected;
  Integer Col, Row;  // the current display cell at the end
};

TEST_F(EditLifecycle, ScriptsGiveTheirEventsInOrder) {
  const TEditScript scripts[] = {
      {"a cell edit ends when Tab leaves the cell", {"a", "{Tab}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1) ColChanged(1,2) CellChanged(1,2,1,1)", 2,
       1},
      {"the row edit ends too when Down leaves the row", {"a", "{Down}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1) EndRowEdit(1) RowChanged(1,2) "
       "CellChanged(1,1,1,2)",
       1, 2},
      {"each key of a cell edit is reported, the edit starts once", {"ab", "{Left}", "{Left}", "{Tab}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) CellEdit(1,1,T) EndCellEdit(1,1) ColChanged(1,2) "
       "CellChanged(1,2,1,1)",
       2, 1},
      {"a refused end keeps the cell", {"a", "{Tab}", "{Down}", "{Right}"}, {"EndCellEdit"}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1) EndCellEdit(1,1) EndCellEdit(1,1)", 1, 1},
      {"a failing end handler refuses as well", {"a", "{Tab}"}, {}, "EndCellEdit",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1)", 1, 1},
      {"a refused row end keeps the row but ends the cell", {"a", "{Down}"}, {"EndRowEdit"}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1) EndRowEdit(1)", 1, 1},
      {"a refused start takes no character", {"a", "{Tab}"}, {"StartCellEdit"}, "",
       "StartCellEdit(1,1) ColChanged(1,2) CellChanged(1,2,1,1)", 2, 1},
      {"one Escape in the first edited cell undoes cell and row", {"a", "{Esc}", "{Down}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) UndoCellEdit(1,1,T) UndoRowEdit(1,T) RowChanged(1,2) "
       "CellChanged(1,1,1,2)",
       1, 2},
      {"after a second edited cell Escape undoes only that cell, the next one the row",
       {"a", "{Tab}", "b", "{Esc}", "{Esc}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) EndCellEdit(1,1) ColChanged(1,2) CellChanged(1,2,1,1) "
       "StartCellEdit(2,1) CellEdit(2,1,T) UndoCellEdit(2,1,T) UndoRowEdit(1,T)",
       2, 1},
      {"Right at the end of the text goes on to the next cell", {"ab", "{Right}", "{Right}"}, {}, "",
       "StartCellEdit(1,1) StartRowEdit(1) CellEdit(1,1,T) CellEdit(1,1,T) EndCellEdit(1,1) ColChanged(1,2) "
       "CellChanged(1,2,1,1) ColChanged(2,3) CellChanged(2,3,1,1)",
       3, 1},
      {"moves without an edit fire only the changed events", {"{Tab}", "{Down}", "{Left}"}, {}, "",
       "ColChanged(1,2) CellChanged(1,2,1,1) RowChanged(1,2) CellChanged(2,2,1,2) ColChanged(2,1) "
       "CellChanged(2,1,2,2)",
       1, 2},
  };
  for (const TEditScript& s : scripts) {
    SCOPED_TRACE(s.Name);
    MakeEditGrid();
    EG->Vetoes = s.Vetoes;
    EG->Raises = s.Raises;
    Play(s.Steps);
    EXPECT_EQ(Events(), s.Expected);
    EXPECT_EQ(EG->GetCurDisplayCol(), s.Col);
    EXPECT_EQ(EG->GetCurDisplayRow(), s.Row);
    EG->Vetoes.clear();
    EG->Raises.clear();
    FreeAndNil(Form);
    Pump();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 500, 400);
  }
}

TEST_F(EditLifecycle, TheInsertionRowComesAndGoes) {
  MakeEditGrid(3, 3);
  EG->SetGridMode(gmEditInsert);
  EG->SetCurrentCell(1, 3);
  Pump();
  EG->ClearCalls();
  EXPECT_EQ(EG->GetRowCount(), 5) << "heading, three rows, the insertion row";
  Key(VK_DOWN);
  EXPECT_EQ(EG->GetCurDisplayRow(), 4);
  EXPECT_EQ(EG->GetGridRowCount(), 4) << "entered, the insertion row became a row";
  Key(VK_UP);
  EXPECT_EQ(EG->GetGridRowCount(), 3) << "left unedited, it is the insertion row again";
  EXPECT_EQ(Events(), "RowInserted(4,T) RowChanged(3,4) CellChanged(1,1,3,4) RowDeleted(3,T) RowChanged(4,3) "
                      "CellChanged(1,1,4,3)")
      << "the insertion row turns into a row as the current cell reaches it";
  Key(VK_DOWN);
  Type("x");
  EG->ClearCalls();
  EXPECT_EQ(EG->GetRowCount(), 6) << "editing the new row adds an insertion row below it";
  Key(VK_ESCAPE);
  EXPECT_EQ(EG->GetRowCount(), 5) << "undoing it takes the added insertion row away";
  EXPECT_EQ(EG->GetGridRowCount(), 4);
  Key(VK_UP);
  EXPECT_EQ(EG->GetGridRowCount(), 3);
  EXPECT_EQ(EG->GetCurDisplayRow(), 3);
}

TEST_F(EditLifecycle, EscapeOnTheInsertionRowGoesBackToTheLastRow) {
  MakeEditGrid(3, 2);
  EG->SetGridMode(gmEditInsert);
  EG->SetCurrentCell(2, 3);
  Pump();
  EXPECT_TRUE(EG->IsInsertRow(EG->GetCurDisplayRow()));
  EXPECT_TRUE(EG->GetEditControl()->GetControl()->WantKey(VK_ESCAPE)) << "the control keeps Escape on it";
  Key(VK_ESCAPE);
  EXPECT_EQ(EG->GetCurDisplayRow(), 2);
  EXPECT_EQ(EG->GetCurDisplayCol(), 2);
  EXPECT_EQ(EG->GetGridRowCount(), 2);
}

TEST_F(EditLifecycle, EscapeUndoesTheControlsTextAndLeavesIdleEscapesToTheForm) {
  MakeEditGrid();
  EG->SetStoreData(true);
  EG->SetCellValue(1, 2, Variant(String("ab")));
  Key(VK_DOWN);
  auto* edit = EG->GetEditControl()->GetControl();
  EXPECT_FALSE(edit->WantKey(VK_ESCAPE)) << "nothing to take back: Escape is the form's";
  Type("xy");
  EXPECT_EQ(EditText(), "xy") << "the text entered selected and was typed over";
  EXPECT_EQ(VarToStr(EG->GetCellValue(1, 2)), "xy");
  EXPECT_TRUE(edit->WantKey(VK_ESCAPE));
  Key(VK_ESCAPE);
  EXPECT_EQ(EditText(), "ab") << "the control takes its text back";
  EXPECT_EQ(VarToStr(EG->GetCellValue(1, 2)), "ab") << "the stored row comes back from its backup";
  EXPECT_FALSE(EG->GetCellEditing() || EG->GetRowEditing());
  EXPECT_FALSE(edit->WantKey(VK_ESCAPE));
  EG->SetMouseStatus(msRowResize);
  EXPECT_TRUE(edit->WantKey(VK_ESCAPE)) << "a mouse action waits for Escape";
  EG->SetMouseStatus(msNormal);
}

TEST_F(EditLifecycle, AnEndCheckFromInsideAnEndEventLetsTheOuterOneDecide) {
  MakeEditGrid();
  bool nested = false;
  EG->DuringEndCellEdit = [&] { nested = EG->CheckEndEdit(3, 3, false); };
  EG->Vetoes = {"EndCellEdit"};
  Type("a");
  Key(VK_TAB);
  EXPECT_TRUE(nested);
  EXPECT_EQ(EG->GetCurDisplayCol(), 1) << "the outer refusal holds";
  EXPECT_TRUE(EG->GetCellEditing());
  EG->Vetoes.clear();
  Key(VK_TAB);
  EXPECT_EQ(EG->GetCurDisplayCol(), 2);
}

TEST_F(EditLifecycle, AnEndedRowIsMarkedChangedOnlyWithTheIndicatorOn) {
  for (TtsRowChangedIndicator indicator : {riOn, riOff}) {
    MakeEditGrid();
    EG->SetRowChangedIndicator(indicator);
    Type("a");
    Key(VK_DOWN);
    EXPECT_EQ(EG->IsRowChanged(1), indicator == riOn);
    EXPECT_FALSE(EG->IsRowChanged(2));
    FreeAndNil(Form);
    Pump();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 500, 400);
  }
}

TEST_F(EditLifecycle, HidingTheEditorLeavesTheEditsOpen) {
  MakeEditGrid();
  EG->SetAlwaysShowEditor(false);
  EXPECT_FALSE(EG->HideEditor()) << "no editor shown";
  Type("q");
  EXPECT_TRUE(EG->ControlShownAsEditor()) << "typing opened the editor";
  EG->ClearCalls();
  EXPECT_TRUE(EG->HideEditor());
  EXPECT_EQ(Events(), "") << "no end event";
  EXPECT_TRUE(EG->GetCellEditing() && EG->GetRowEditing());
  EG->SetAlwaysShowEditor(true);
  EXPECT_FALSE(EG->HideEditor()) << "an editor that always shows does not hide";
}

}  // namespace
