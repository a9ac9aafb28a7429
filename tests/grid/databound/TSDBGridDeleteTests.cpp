// Ctrl+Delete on a bound grid: the confirmation answered by injected keys, the records deleted from
// the last selected to the first with their row and cell overrides, and a picture of a selection
// that runs past the view.
#include "DBGridTestSupport.h"
#include "HeadlessBackend.h"
#include "Strings.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridSelection.h"
#include "WinInput.h"
#include "WindowPictures.h"

namespace DBGridTest {
namespace {

class DBDeleteTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    for (Integer i = 6; i <= 30; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
    Grid->HandleNeeded();
    BindAndOpen();
  }

  String BookmarkOfId(Integer Id) {
    String saved = Data->GetBookmark();
    Data->First();
    while (!Data->Eof() && Data->FieldByName("id")->GetAsInteger() != Id) Data->Next();
    String result = Data->Eof() && Data->FieldByName("id")->GetAsInteger() != Id ? String() : Data->GetBookmark();
    Data->SetBookmark(saved);
    return result;
  }

  std::vector<Integer> Ids() {
    std::vector<Integer> ids;
    Data->First();
    while (!Data->Eof()) {
      ids.push_back(Data->FieldByName("id")->GetAsInteger());
      Data->Next();
    }
    return ids;
  }
};

TEST_F(DBDeleteTest, CtrlDeleteAsksAndDeletesTheSelectedRecords) {
  struct TCase {
    const char* name;
    std::vector<Integer> selected;
    bool confirm, readOnly;
    int answer;  // the key that answers the dialog, 0: no dialog expected
    bool handled;
    std::vector<Integer> deleted;
  };
  const TCase cases[] = {
      {"one record, OK", {3}, true, false, VK_RETURN, true, {3}},
      {"many records, OK", {2, 7, 8, 20}, true, false, VK_RETURN, true, {2, 7, 8, 20}},
      {"many records, Cancel", {2, 9}, true, false, VK_ESCAPE, true, {}},
      {"ConfirmDelete off", {1, 30}, false, false, 0, true, {1, 30}},
      {"nothing selected", {}, true, false, 0, false, {}},
      {"read-only dataset", {4}, true, true, 0, false, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Integer> before = Ids();
    Data->SetCanModifyRows(!c.readOnly);
    Grid->SetConfirmDelete(c.confirm);
    for (Integer id : c.selected) Grid->SetDBRowSelected(Variant(BookmarkOfId(id)), true);
    if (c.answer) InjectKeyPress(c.answer);
    Word key = VK_DELETE;
    Grid->ProcessKeyDown(key, TShiftState{ssCtrl});
    EXPECT_EQ(key == 0, c.handled);
    std::vector<Integer> expected;
    for (Integer id : before)
      if (std::find(c.deleted.begin(), c.deleted.end(), id) == c.deleted.end()) expected.push_back(id);
    EXPECT_EQ(Ids(), expected);
    if (!c.deleted.empty()) EXPECT_FALSE(Grid->GetSelection()->RowsSelected()) << "the selection is emptied";
    EXPECT_EQ(Screen->FormCount(), 1) << "the dialog is gone";
    Data->SetCanModifyRows(true);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
  }
}

// Bookmarks are positional after a reopen: the record that then takes a deleted record's bookmark
// must not show the deleted record's colours.
TEST_F(DBDeleteTest, DeletedRecordsTakeTheirOverridesAlong) {
  String doomed = BookmarkOfId(3), kept = BookmarkOfId(4);
  Grid->SetDBRowColor(Variant(doomed), clYellow);
  Grid->SetDBCellColor(1, Variant(doomed), clRed);
  Grid->SetDBRowColor(Variant(kept), clAqua);
  Grid->SetConfirmDelete(false);
  Grid->SetDBRowSelected(Variant(doomed), true);
  EXPECT_TRUE(Grid->CtrlKeyDownVK_Delete());
  EXPECT_EQ(Grid->GetRowPropSet()->GetRow(Variant(doomed)), nullptr);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCell(1, Variant(doomed)), nullptr);
  EXPECT_EQ(Grid->GetDBRowColor(Variant(kept)), clAqua) << "other records keep theirs";
  Data->Close();
  Data->Open();
  String reused = BookmarkOfId(4);  // now in the deleted record's place
  EXPECT_NE(Grid->GetDBRowColor(Variant(reused)), clYellow);
  EXPECT_NE(Grid->GetDBCellColor(1, Variant(reused)), clRed);
}

// A range selected from the third record to beyond the bottom of the view, with the current record
// inside it: the rows are drawn selected down to the last visible one.
TEST_F(DBDeleteTest, PictureOfASelectionRunningPastTheView) {
  Grid->SetBounds(0, 0, 300, 160);
  Form->SetBounds(0, 0, 300, 160);
  Form->Show();
  Application->ProcessMessages();
  Integer visible = Grid->GetGridRowCount();
  ASSERT_LT(visible, 20);
  Grid->SelectRows(Variant(BookmarkOfId(3)), Variant(BookmarkOfId(20)), true);
  Data->First();
  Data->MoveBy(3);
  Application->ProcessMessages();
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), testing::TempDir() + "dbgrid-selection-past-view.png"));
  EXPECT_EQ(Grid->GetSelection()->Count(), 18);
  TRect unselected, selected, last;
  Grid->CellRect(2, 1, unselected);
  Grid->CellRect(2, 3, selected);
  Grid->CellRect(2, Grid->GetGridRowCount(), last);
  auto background = [&](const TRect& R) { return WindowPictures::ClientPixel(Grid, R.right - 3, R.bottom - 3); };
  EXPECT_NE(background(selected), background(unselected)) << "the first selected row is highlighted";
  EXPECT_EQ(background(last), background(selected)) << "so is the last visible row, inside the range";
}

}  // namespace
}  // namespace DBGridTest
