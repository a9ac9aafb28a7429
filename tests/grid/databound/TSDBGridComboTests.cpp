// The data-bound combo: a list grid whose rows are the records of a dataset of its own, sized to
// its records, searched as the user types (under the test clock), placed by its AutoSearch, and a
// lookup column whose list binds itself to the lookup dataset and writes the chosen key.
#include <vector>

#include "DB.h"
#include "DBFields.h"
#include "DBGridTestSupport.h"
#include "DateTime.h"
#include "MemoryDataSet.h"
#include "TSDBGridCombo.h"
#include "TSDBGridCurrentCell.h"
#include "TSDBGridData.h"

namespace DBGridTest {
namespace {

class DBComboList : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    ListData = New<TMemoryDataSet>(Form);
    ListData->SetName("ListData");
    ListData->FieldDefs()->Add("code", ftString, 20);
    ListSource = New<TDataSource>(Form);
    ListSource->SetName("ListSource");
    ListSource->SetDataSet(ListData);
  }

  void ComboPump() { Application->ProcessMessages(); }

  // The list dataset holds Codes; the grid shows the first record, whose name is CellName, with the
  // name column dropping down the list; the current cell is that name.
  void StartWithList(const std::vector<String>& Codes, const String& CellName, bool Sorted = false) {
    for (const String& code : Codes) ListData->AddRow({Variant(code)});
    ListData->Open();
    Data->Open();
    Data->Edit();
    Data->FieldByName("name")->SetAsString(CellName);
    Data->Post();
    Grid->SetDataSource(Source);
    Form->Show();
    Grid->SetFocus();
    ComboPump();
    TtsCol* col = Grid->GetDBCol(Variant(2));
    col->SetButtonType(btCombo);
    col->AssignCombo();
    TtsCombo* combo = col->GetCombo();
    static_cast<TtsCustomDBGrid*>(combo->GetGrid())->SetDataSource(ListSource);
    combo->SetDropDownStyle(ddDropDownList);
    combo->SetAutoSearch(asTop);
    combo->SetValueColSorted(Sorted);
    Grid->SetCurrentCell(2, 1);
    Grid->ComboInit(2, 1);
    // As when the list drops down: its window exists, so its buffer can take its rows.
    Grid->GetComboForm()->HandleNeeded();
    WorkingList()->HandleNeeded();
  }

  TtsCustomDBGrid* WorkingList() { return Grid->GetDBCombo()->GetDBGrid(); }
  String ListText() {
    Variant value;
    WorkingList()->BookmarkValue(1, Variant(WorkingList()->GetCurrentBookmark()), value);
    return VarToStr(value);
  }
  // The value a typed key gives (Unassigned shown as "<none>"), left in the list without a write.
  String KeyValue(const char* Key) {
    Variant value;
    Grid->PositionDropDownList(Key, value);
    return VarIsEmpty(value) ? String("<none>") : VarToStr(value);
  }
  // Types one key into the cell as the user does: the list moves and the cell takes its value.
  String TypeKey(char Key) {
    Grid->ProcessKeyDropDownList(Key);
    return VarToStr(Grid->GetCurrentCell()->GetValue());
  }

  TMemoryDataSet* ListData = nullptr;
  TDataSource* ListSource = nullptr;
  TManualClock Clock{45000.0, 100000};
  TClockOverride ClockOverride{Clock};
};

TEST_F(DBComboList, TheListGridsSettingsAndAutoFillSwitchingOnTheSearch) {
  StartWithList({"A"}, "A");
  auto* list = dynamic_cast<TtsDBComboGrid*>(WorkingList());
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->IsComboGrid());
  EXPECT_EQ(list->GetParentGrid(), Grid);
  EXPECT_TRUE(list->GetAutoLookup());
  TtsCombo* combo = Grid->GetDBCombo();
  combo->SetAutoSearch(asNone);
  combo->SetAutoFill(true);
  EXPECT_EQ(combo->GetAutoSearch(), asTop) << "auto fill needs a search";
  combo->SetAutoFill(false);
  EXPECT_EQ(combo->GetAutoSearch(), asTop);
  combo->SetAutoFillConvertCase(afcOnExit);
  EXPECT_EQ(list->GetAutoFillConvertCase(), afcOnExit) << "the combo writes the list's own setting";
}

TEST_F(DBComboList, TheListIsAsHighAsItsRecordsUpToTheDropDownRows) {
  struct TCase {
    std::vector<String> Codes;
    Integer Rows;
  };
  const TCase cases[] = {{{"A", "B"}, 2}, {{}, 1}, {{"A", "B", "C", "D", "E", "F"}, 4}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Codes.size());
    StartWithList(c.Codes, "A");
    TtsCustomDBGrid* list = WorkingList();
    list->SetHeadingOn(true);
    Integer border = list->GetHeadingHeight() + (list->GetBorderStyle() == bsSingle ? 2 : 0);
    EXPECT_EQ(list->ComboInitHeight(4), c.Rows * list->GetDefaultRowHeight() + border);
    TearDown();
    SetUp();
  }
}

TEST_F(DBComboList, FirstCharacterSearchCyclesAnUnsortedListAndAMissLeavesIt) {
  StartWithList({"A", "B1", "B2", "C"}, "B1");
  Grid->PositionComboRow();
  ASSERT_EQ(ListText(), "B1") << "the list opens on the cell's value";
  EXPECT_EQ(TypeKey('b'), "B2");
  EXPECT_EQ(ListText(), "B2");
  EXPECT_EQ(TypeKey('b'), "B1") << "wraps round";
  EXPECT_EQ(ListText(), "B1");
  EXPECT_EQ(KeyValue("d"), "<none>");
  EXPECT_EQ(ListText(), "B1") << "a miss leaves the list where it was";
  EXPECT_EQ(TypeKey('c'), "C");
}

TEST_F(DBComboList, TypedPrefixSearchOfASortedListForgetsTheTextAfterTwoSeconds) {
  struct TCase {
    const char* Name;
    UInt64 Pause;
    const char* Keys;
    const char* Value;
    const char* SearchText;
  };
  const TCase cases[] = {
      {"b r within 2 s", 100, "br", "Brown", "br"},
      {"b, a pause of 1999 ms, r", 1999, "br", "Brown", "br"},
      {"b, a pause of 2000 ms, r starts anew", 2000, "br", "Red", "r"},
      {"b b: the next b-row", 100, "bb", "Brown", "b"},
      {"z finds nothing: the cell keeps its value", 100, "z", "Apple", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartWithList({"Apple", "Banana", "Brown", "Red"}, "Apple", true);
    String last;
    for (const char* k = c.Keys; *k; ++k) {
      last = TypeKey(*k);
      Clock.Advance(c.Pause);
    }
    EXPECT_EQ(last, c.Value);
    EXPECT_EQ(Grid->GetComboSearchText(), c.SearchText);
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace DBGridTest
