// Typing into a combo cell: the incremental search of sorted drop-down lists, first-letter cycling
// in unsorted ones, the case modes, the application's value, and auto-fill of free-text cells; all
// under the test clock.
#include "ComboTestSupport.h"
#include "GridEditTestSupport.h"
#include "TSGridComboGrid.h"

using namespace GridControlTest;

namespace {

class ComboSearch : public EditGridTest {
 protected:
  // A grid whose first column drops down a list of the given rows (current cell (1, 1)).
  TtsGrid* MakeComboGrid(const std::vector<String>& Rows, bool Sorted, TtsDropDownStyle Style = ddDropDownList,
                         TtsComboCompareType Compare = ctCaseInsensitive) {
    G = MakeGrid<TtsGrid>(300, 150, 2, 4);
    G->SetStoreData(true);
    TtsCombo* combo = ColumnCombo(G, 1, Rows);
    combo->SetDropDownStyle(Style);
    combo->SetValueColSorted(Sorted);
    combo->SetCompareType(Compare);
    combo->SetAutoSearch(asTop);
    G->SetFocus();
    Pump();
    return G;
  }
  // Types characters, each followed by the given pause on the test clock.
  void Press(const char* Keys, UInt64 PauseMs = 100) {
    for (const char* k = Keys; *k; ++k) {
      char key = *k;
      G->ProcessKeyDropDownList(key);
      Clock.Advance(PauseMs);
    }
  }
  String CellText() { return VarToStr(G->GetCurrentCell()->GetValue()); }
  Integer ListRow() { return G->GetCombo()->GetGrid()->GetCurrentDataRow(); }

  TtsGrid* G = nullptr;
};

TEST_F(ComboSearch, TypedKeysFindRowsAndTheCellTakesThem) {
  const std::vector<String> fruit = {"Apple", "Apricot", "Banana"};
  const std::vector<String> names = {"Bob", "Anna", "Bill"};
  const std::vector<String> grades = {"乙等", "甲等", "甲级"};
  std::vector<String> sortedGrades = grades;
  std::sort(sortedGrades.begin(), sortedGrades.end());
  struct TCase {
    const char* Name;
    const std::vector<String>& Rows;
    bool Sorted;
    TtsComboCompareType Compare;
    const char* Keys;
    UInt64 Pause;
    const char* Cell;
    Integer Row;
  };
  const TCase cases[] = {
      {"a p r within 2 s", fruit, true, ctCaseInsensitive, "apr", 100, "Apricot", 2},
      {"a pause before r starts anew", fruit, true, ctCaseInsensitive, "apr", 2000, "Apple", 1},
      {"a twice: the second a-row", fruit, true, ctCaseInsensitive, "aa", 100, "Apricot", 2},
      {"b", fruit, true, ctCaseInsensitive, "b", 100, "Banana", 3},
      {"unsorted b", names, false, ctCaseInsensitive, "b", 100, "Bob", 1},
      {"unsorted b b", names, false, ctCaseInsensitive, "bb", 100, "Bill", 3},
      {"unsorted b b b wraps", names, false, ctCaseInsensitive, "bbb", 100, "Bob", 1},
      {"unsorted a", names, false, ctCaseInsensitive, "a", 100, "Anna", 2},
      {"case-sensitive a finds nothing", fruit, true, ctCaseSensitive, "a", 100, "", 1},
      {"case-sensitive A", fruit, true, ctCaseSensitive, "A", 100, "Apple", 1},
      {"no row matches", fruit, true, ctCaseInsensitive, "z", 100, "", 1},
      {"unsorted: no row matches", names, false, ctCaseInsensitive, "z", 100, "", 1},
      // A Chinese character arrives byte by byte and is searched whole.
      {"unsorted 甲", grades, false, ctCaseInsensitive, "甲", 100, "甲等", 2},
      {"unsorted 甲 甲", grades, false, ctCaseInsensitive, "甲甲", 100, "甲级", 3},
      {"sorted 乙", sortedGrades, true, ctCaseInsensitive, "乙", 100, "乙等", 1},
      {"a broken-off byte is dropped", names, false, ctCaseInsensitive, "\xE7" "b", 100, "Bob", 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeComboGrid(c.Rows, c.Sorted, ddDropDownList, c.Compare);
    Press(c.Keys, c.Pause);
    EXPECT_EQ(CellText(), c.Cell);
    EXPECT_EQ(ListRow(), c.Row);
    FreeAndNil(Form);
    SetUp();
  }
}

TEST_F(ComboSearch, WithoutAutoSearchOrAsAFreeTextCellTypingLeavesTheValue) {
  MakeComboGrid({"Apple", "Banana"}, true);
  G->GetCols()->GetItem(1)->GetCombo()->SetAutoSearch(asNone);
  G->SetCellValue(1, 1, Variant(String("Banana")));
  Press("a");
  EXPECT_EQ(CellText(), "Banana");
  EXPECT_EQ(G->GetComboSearchText(), "");
}

TEST_F(ComboSearch, TheSearchTextLastsUntilAPauseEscapeOrACellMove) {
  MakeComboGrid({"Apple", "Apricot", "Banana"}, true);
  Press("ap");
  EXPECT_EQ(G->GetComboSearchText(), "ap");
  Clock.Advance(1899);
  G->CheckResetComboSearchValue();
  EXPECT_EQ(G->GetComboSearchText(), "ap") << "1999 ms after the last key";
  Clock.Advance(1);
  G->CheckResetComboSearchValue();
  EXPECT_EQ(G->GetComboSearchText(), "");
  Press("b");
  EXPECT_TRUE(G->ResetComboSearchValue()) << "Escape clears a pending search first";
  EXPECT_FALSE(G->ResetComboSearchValue());
  Press("b");
  G->SetCurrentCell(1, 2);
  EXPECT_EQ(G->GetComboSearchText(), "") << "a move of the current cell";
}

TEST_F(ComboSearch, ACellOfAnotherColumnSearchesItsOwnList) {
  MakeComboGrid({"Apple", "Banana"}, true);
  TtsCombo* second = ColumnCombo(G, 2, {"Cherry", "Date"});
  second->SetDropDownStyle(ddDropDownList);
  second->SetAutoSearch(asTop);
  Press("b");
  EXPECT_EQ(CellText(), "Banana");
  G->SetCurrentCell(2, 1);
  Press("d");
  EXPECT_EQ(CellText(), "Date");
  G->SetCurrentCell(1, 2);
  Press("a");
  EXPECT_EQ(CellText(), "Apple");
}

TEST_F(ComboSearch, AHandlersValueOverridesTheListText) {
  MakeComboGrid({"Apple", "Banana"}, true);
  std::vector<String> seen;
  G->OnComboGetValue = [&](TObject*, TtsComboGrid* Combo, Integer Col, Integer Row, Integer ComboRow, Variant& Value) {
    seen.push_back(Format("%d,%d,%d %s", {Col, Row, ComboRow, Combo ? "list" : "none"}));
    Value = String("B-") + VarToStr(Combo->GetCellValue(1, ComboRow));
  };
  Press("b");
  EXPECT_EQ(CellText(), "B-Banana");
  EXPECT_EQ(seen, std::vector<String>{"1,1,2 list"});
}

// Auto-fill of a free-text cell: the typed text is completed from the first list row it begins.
TEST_F(ComboSearch, AutoFillCompletesTypedTextByTheCaseRule) {
  struct TCase {
    TtsConvertCase Convert;
    bool OnExit;
    const char* Typed;
    const char* Cell;
    Integer SelStart, SelLength;
  };
  const TCase cases[] = {
      {afcNone, false, "ap", "apple", 2, 3},
      {afcOnEdit, false, "ap", "Apple", 2, 3},
      {afcOnExit, false, "ap", "apple", 2, 3},
      {afcOnExit, true, "apple", "Apple", 5, 0},
      {afcOnExit, true, "ap", "ap", -1, -1},      // on leaving only a whole text takes the list's case
      {afcNone, true, "apple", "apple", -1, -1},  // auto-fill on exit is for afcOnExit alone
      {afcOnEdit, false, "apple", "Apple", 5, 0},
      {afcOnEdit, false, "x", "x", -1, -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Convert << " " << c.OnExit << " " << c.Typed);
    MakeComboGrid({"Apple", "Banana"}, true, ddDropDown);
    TtsCombo* combo = G->GetCols()->GetItem(1)->GetCombo();
    combo->SetAutoSearch(asNone);
    combo->SetAutoFill(true);
    EXPECT_EQ(combo->GetAutoSearch(), asTop) << "auto-fill needs a search";
    combo->SetAutoFillConvertCase(c.Convert);
    G->GetCurrentCell()->SetValue(Variant(String(c.Typed)));
    G->GetCurrentCell()->SetSelStart(static_cast<Integer>(strlen(c.Typed)));
    G->GetCurrentCell()->SetSelLength(0);
    G->PositionAutoFill(c.OnExit);
    EXPECT_EQ(CellText(), c.Cell);
    if (c.SelStart >= 0) {
      EXPECT_EQ(G->GetCurrentCell()->GetSelStart(), c.SelStart);
      EXPECT_EQ(G->GetCurrentCell()->GetSelLength(), c.SelLength);
    }
    FreeAndNil(Form);
    SetUp();
  }
}

TEST_F(ComboSearch, OwnComparisonAsksBothEventsInTurn) {
  MakeComboGrid({"y1", "x2"}, false, ddDropDownList, ctOwn);
  std::vector<String> asked;
  G->OnComboCompareValue = [&](TObject*, const String& A, const String& B, Integer& Result) {
    asked.push_back("plain " + A + "/" + B);
    Result = 7;
  };
  G->OnComboLCompareValue = [&](TObject*, const String& A, const String& B, Integer Len, Integer& Result) {
    asked.push_back(Format("limited %s/%s %d was %d", {A, B, Len, Result}));
    Result = A.substr(0, Len) == B.substr(0, Len) ? 0 : 1;
  };
  Press("x");
  EXPECT_EQ(CellText(), "x2") << "the application's comparison found the row";
  ASSERT_GE(asked.size(), 2u);
  EXPECT_EQ(asked[0], "plain x/y1");
  EXPECT_EQ(asked[1], "limited x/y1 1 was 7");
}

// Case-insensitive bisection over a list sorted by the same collation finds the row a scan finds.
TEST_F(ComboSearch, BisectionAgreesWithAScanOnAListSortedByTheCollation) {
  std::vector<String> rows = {"ab", "Abc", "abd", "B", "ba", "BB", "c", "Ca", "cab", "d", "中", "中国", "中文"};
  std::sort(rows.begin(), rows.end(), [](const String& A, const String& B) { return AnsiCompareText(A, B) < 0; });
  MakeComboGrid(rows, true);
  G->ComboInit(1, 1);
  for (const char* text : {"a", "AB", "abc", "b", "bb", "C", "cA", "d", "e", "中", "中文", ""}) {
    SCOPED_TRACE(text);
    bool sortedFound, scanFound;
    Integer sortedRow = G->FindComboRow(text, true, sortedFound);
    G->GetCols()->GetItem(1)->GetCombo()->SetValueColSorted(false);
    G->ResetComboInit(false);
    G->ComboInit(1, 1);
    Integer scanRow = G->FindComboRow(text, true, scanFound);
    G->GetCols()->GetItem(1)->GetCombo()->SetValueColSorted(true);
    G->ResetComboInit(false);
    G->ComboInit(1, 1);
    // A scan also counts a row that is a shorter prefix of the text; a whole match is the same row.
    if (sortedFound) {
      EXPECT_TRUE(scanFound);
      EXPECT_EQ(sortedRow, scanRow);
    }
  }
}

}  // namespace
