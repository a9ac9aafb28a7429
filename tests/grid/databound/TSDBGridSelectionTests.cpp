// The row selection kept by record: both representations against a naive set of record numbers
// under random operations (with scrolling in between and list operations that are cancelled or
// fail), the rules of DoSelectRows, and the scans that collect the records between two bookmarks.
#include <algorithm>
#include <optional>
#include <random>
#include <set>

#include "DBGridTestSupport.h"
#include "Exceptions.h"
#include "Strings.h"
#include "TSDBGridData.h"
#include "TSDBGridSelection.h"
#include "WinInput.h"

namespace DBGridTest {
namespace {

constexpr Integer RecordCount = 40;

class DBSelectionTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    for (Integer i = 6; i <= RecordCount; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
    Grid->SetBounds(0, 0, 300, 150);
    Grid->HandleNeeded();
    BindAndOpen();
    Data->First();
    while (!Data->Eof()) {
      Bookmarks.push_back(Data->GetBookmark());
      Data->Next();
    }
    Data->First();
  }

  TtsDBSelection* Selection() { return Grid->GetSelection(); }
  TtsGridData* Strategy() { return Grid->GetGridData(); }
  Variant Bkm(Integer Index) { return Variant(Bookmarks[static_cast<size_t>(Index)]); }

  // The record index a position stands for: -1 before the first, RecordCount after the last.
  Integer IndexOf(const TtsBkmPos& Pos) {
    TtsBkmPos actual;
    Strategy()->ActualBkmPos(Pos, actual);
    if (actual.Offset == bpoBof) return -1;
    if (actual.Offset == bpoEof) return RecordCount;
    for (Integer i = 0; i < RecordCount; ++i)
      if (Bookmarks[static_cast<size_t>(i)] == actual.Bookmark) return i;
    ADD_FAILURE() << "unknown bookmark";
    return -2;
  }

  void ExpectSelection(const std::set<Integer>& Model, const char* Step) {
    SCOPED_TRACE(Step);
    for (Integer i = 0; i < RecordCount; ++i)
      ASSERT_EQ(Grid->GetDBRowSelected(Bkm(i)), Model.count(i) != 0) << "record " << i;
    ASSERT_EQ(Grid->GetGridStatus() == grRowSelect, !Model.empty());
    // Ranges stay sorted, non-empty, disjoint and apart by at least one unselected record.
    Integer previousEnd = -3;
    for (Integer r = 1; r <= Selection()->GetRangesInUse(); ++r) {
      Integer start = IndexOf(Selection()->GetRange(r).StartPos), end = IndexOf(Selection()->GetRange(r).EndPos);
      ASSERT_LE(start, end) << "range " << r;
      ASSERT_GT(start, previousEnd + 1) << "range " << r;
      previousEnd = end;
    }
    ASSERT_EQ(Selection()->Count(), static_cast<Integer>(Model.size()));
  }

  std::vector<String> Bookmarks;
};

// Random adds, removes, toggles, single selections, select-all and deselect-all, with scrolling in
// between; in set mode some list operations are cancelled by the scan handler or fail in it, and
// must leave the selection as it was.
TEST_F(DBSelectionTest, BothModesAgreeWithANaiveSetUnderRandomOperations) {
  for (TtsRecordSelection mode : {rseBookmarkRange, rseBookmarkSet}) {
    SCOPED_TRACE(mode == rseBookmarkRange ? "range mode" : "set mode");
    Grid->SetRecordSelection(mode);
    bool rangeMode = mode == rseBookmarkRange;
    ASSERT_EQ(Selection()->GetUseRangeSelection(), rangeMode);
    std::set<Integer> model;
    std::mt19937 random(rangeMode ? 7 : 11);
    Integer cancelAt = 0, failAt = 0, saves = 0;
    Grid->SetOnScanRecords([&](TObject*, bool, TtsScanState State, Integer, bool& Cancel) {
      if (State != sstSave) return;
      ++saves;
      if (saves == cancelAt) Cancel = true;
      if (saves == failAt) throw Exception("scan failed");
    });
    for (int step = 0; step < 400; ++step) {
      Integer a = static_cast<Integer>(random() % RecordCount), b = static_cast<Integer>(random() % RecordCount);
      if (a > b) std::swap(a, b);
      int op = static_cast<int>(random() % 10);
      saves = cancelAt = failAt = 0;
      switch (op) {
        case 0:
        case 1:
          Grid->SelectRows(Bkm(a), Bkm(b), true);
          for (Integer i = a; i <= b; ++i) model.insert(i);
          break;
        case 2:
          Grid->SelectRows(Bkm(a), Bkm(b), false);
          for (Integer i = a; i <= b; ++i) model.erase(i);
          break;
        case 3:
          if (!rangeMode) b = a;  // set mode toggles one record at a time
          Grid->ChangeSelection(Bkm(a), Bkm(b));
          for (Integer i = a; i <= b; ++i)
            if (!model.erase(i)) model.insert(i);
          break;
        case 4:
          Grid->SetDBRowSelected(Bkm(a), step % 2 == 0);
          if (step % 2 == 0)
            model.insert(a);
          else
            model.erase(a);
          break;
        case 5:
          if (random() % 4 == 0) {
            Grid->SelectAll();
            for (Integer i = 0; i < RecordCount; ++i) model.insert(i);
          } else if (random() % 3 == 0) {
            Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
            model.clear();
          }
          break;
        case 6:
          if (rangeMode) break;
          cancelAt = 1 + static_cast<Integer>(random() % (b - a + 1));
          EXPECT_FALSE(Grid->DoSelectRows(CurrentBkmPos(Bkm(a).ToString()), CurrentBkmPos(Bkm(b).ToString()),
                                          step % 2 == 0, false));
          break;
        case 7:
          if (rangeMode) break;
          failAt = 1 + static_cast<Integer>(random() % (b - a + 1));
          EXPECT_THROW(Grid->SelectRows(Bkm(a), Bkm(b), true), Exception);
          EXPECT_FALSE(Grid->GetScanningRecords()) << "the scan's end is reported on the error";
          break;
        default:
          Data->MoveBy(static_cast<Integer>(random() % 15) - 7);
          break;
      }
      ExpectSelection(model, ("step " + std::to_string(step) + " op " + std::to_string(op)).c_str());
      if (HasFatalFailure()) return;
    }
    Grid->SetOnScanRecords(nullptr);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
  }
}

// Edge cases of the range arithmetic, over consecutive records A..E (indexes 10..14).
TEST_F(DBSelectionTest, RangesMergeSplitAndInvertByTheDatasetOrder) {
  auto ranges = [&] {
    std::vector<std::pair<Integer, Integer>> result;
    for (Integer r = 1; r <= Selection()->GetRangesInUse(); ++r)
      result.emplace_back(IndexOf(Selection()->GetRange(r).StartPos), IndexOf(Selection()->GetRange(r).EndPos));
    return result;
  };
  using Ranges = std::vector<std::pair<Integer, Integer>>;
  bool changed = false;
  Selection()->AddSelection(Bkm(10).ToString(), Bkm(10).ToString(), changed);
  Selection()->AddSelection(Bkm(11).ToString(), Bkm(12).ToString(), changed);
  EXPECT_EQ(ranges(), (Ranges{{10, 12}})) << "a range starting on the successor of another's end merges";
  Selection()->AddSelection(Bkm(14).ToString(), Bkm(15).ToString(), changed);
  Selection()->AddSelection(Bkm(13).ToString(), Bkm(13).ToString(), changed);
  EXPECT_EQ(ranges(), (Ranges{{10, 15}})) << "filling the gap joins both neighbours";
  Selection()->AddSelection(Bkm(11).ToString(), Bkm(14).ToString(), changed);
  EXPECT_FALSE(changed) << "a range inside a range changes nothing";
  Selection()->RemoveSelection(Bkm(12).ToString(), Bkm(12).ToString(), changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(ranges(), (Ranges{{10, 11}, {13, 15}})) << "removing the middle splits";
  Selection()->RemoveSelection(Bkm(20).ToString(), Bkm(22).ToString(), changed);
  EXPECT_FALSE(changed) << "removing what overlaps nothing";
  Selection()->ResetAll();
  Selection()->AddSelection(Bkm(10).ToString(), Bkm(11).ToString(), changed);
  Selection()->AddSelection(Bkm(13).ToString(), Bkm(14).ToString(), changed);
  Selection()->ChangeSelection(Bkm(11).ToString(), Bkm(13).ToString());
  EXPECT_EQ(ranges(), (Ranges{{10, 10}, {12, 12}, {14, 14}})) << "toggling across two ranges";
  Selection()->ChangeSelection(Bkm(11).ToString(), Bkm(11).ToString());
  EXPECT_EQ(ranges(), (Ranges{{10, 12}, {14, 14}}));
  EXPECT_EQ(Selection()->RangeCount(Bkm(10), Bkm(12)), 3);
  EXPECT_EQ(Selection()->RangeCount(Bkm(12), Bkm(10)), 0) << "reversed, with ordered bookmarks";
  Selection()->AddSelection(Bkm(30).ToString(), Bkm(20).ToString(), changed);
  EXPECT_FALSE(changed) << "reversed arguments are ignored";
  Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), true, false);
  EXPECT_EQ(Selection()->GetRangesInUse(), 1);
  EXPECT_TRUE(Selection()->GetAllSelected()) << "select-all is one range from the start to the end";
  TtsBkmPos first;
  Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
  Selection()->GetFirstBkmPos(first);
  EXPECT_TRUE(first.Bookmark.empty() && first.Offset == bpoCurrent) << "the empty selection's first position";
}

TEST_F(DBSelectionTest, SetModeIteratesWithTheCursorAndIgnoresRangesOfSeveralRecords) {
  Grid->SetRecordSelection(rseBookmarkSet);
  bool changed = true;
  Selection()->AddBkmPosSelection(CurrentBkmPos(Bkm(3).ToString()), CurrentBkmPos(Bkm(4).ToString()), changed);
  EXPECT_FALSE(changed);
  for (Integer i : {20, 5, 33, 12}) Grid->SetDBRowSelected(Bkm(i), true);
  std::vector<String> walked;
  Variant row;
  Selection()->GetFirst(row);
  while (!VarIsEmpty(row)) {
    walked.push_back(VarToStr(row));
    Variant next;
    Selection()->Next(row, next);
    row = next;
  }
  EXPECT_EQ(walked, (std::vector<String>{Bookmarks[5], Bookmarks[12], Bookmarks[20], Bookmarks[33]}));
  Selection()->Previous(Bkm(20), row);
  EXPECT_EQ(VarToStr(row), Bookmarks[12]);
  Selection()->Next(Bkm(21), row);
  EXPECT_EQ(VarToStr(row), Bookmarks[33]) << "the next of an unselected record";
  Grid->SetRecordSelection(rseBookmarkRange);
  EXPECT_FALSE(Selection()->RowsSelected()) << "a mode switch empties the selection";
}

// DoSelectRows: which requests are applied, by selection mode, bookmark kind, row-select mode and
// grid mode.
TEST_F(DBSelectionTest, DoSelectRowsDecisionTable) {
  struct TCase {
    const char* name;
    TtsRecordSelection selection;
    TtsBookmarkType bookmarks;
    TtsRowSelectMode rows;
    TtsGridMode gridMode;
    Integer from, to;
    bool result;
    std::set<Integer> selected;
  };
  const TCase cases[] = {
      {"range mode, ordered", rseBookmarkRange, bmtDefault, rsMulti, gmEdit, 3, 6, true, {3, 4, 5, 6}},
      {"range mode, reversed", rseBookmarkRange, bmtDefault, rsMulti, gmEdit, 6, 3, false, {}},
      {"set mode, ordered", rseBookmarkSet, bmtDefault, rsMulti, gmEdit, 3, 25, true, {3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                                                        12, 13, 14, 15, 16, 17, 18,
                                                                                        19, 20, 21, 22, 23, 24, 25}},
      {"set mode, reversed", rseBookmarkSet, bmtDefault, rsMulti, gmEdit, 6, 3, false, {}},
      {"non-ordered, forward", rseBookmarkRange, bmtNonOrdered, rsMulti, gmEdit, 3, 5, true, {3, 4, 5}},
      {"non-ordered, end never met", rseBookmarkRange, bmtNonOrdered, rsMulti, gmEdit, 5, 3, false, {}},
      {"rsNone", rseBookmarkRange, bmtDefault, rsNone, gmEdit, 3, 3, false, {}},
      {"rsSingle, one record", rseBookmarkRange, bmtDefault, rsSingle, gmEdit, 4, 4, true, {4}},
      {"rsSingle, range outside a list box", rseBookmarkRange, bmtDefault, rsSingle, gmEdit, 3, 5, true, {3, 4, 5}},
      {"rsSingle in a list box, range", rseBookmarkRange, bmtDefault, rsSingle, gmListBox, 3, 5, false, {}},
      {"rsSingle in a list box, set mode", rseBookmarkSet, bmtDefault, rsSingle, gmListBox, 3, 5, false, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Grid->SetGridMode(gmEdit);
    Grid->SetRowSelectMode(rsMulti);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
    Grid->SetBookmarkType(c.bookmarks);
    Grid->SetRecordSelection(c.selection);
    Grid->SetRowSelectMode(c.rows);
    Grid->SetGridMode(c.gridMode);
    // The list box's own single selection follows the current record: start from the first one.
    Data->First();
    std::set<Integer> before;
    for (Integer i = 0; i < RecordCount; ++i)
      if (Grid->GetDBRowSelected(Bkm(i))) before.insert(i);
    EXPECT_EQ(Grid->DoSelectRows(CurrentBkmPos(Bkm(c.from).ToString()), CurrentBkmPos(Bkm(c.to).ToString()), true,
                                 false),
              c.result);
    std::set<Integer> expected = c.result ? c.selected : before;
    for (Integer i = 0; i < RecordCount; ++i)
      EXPECT_EQ(Grid->GetDBRowSelected(Bkm(i)), expected.count(i) != 0) << "record " << i;
  }
  Grid->SetGridMode(gmEdit);
  Grid->SetRowSelectMode(rsSingle);
  Grid->SetRecordSelection(rseBookmarkRange);
  Grid->SetBookmarkType(bmtDefault);
  Grid->SelectRows(Bkm(7), Bkm(7), true);
  Grid->SelectRows(Bkm(9), Bkm(9), true);
  EXPECT_FALSE(Grid->GetDBRowSelected(Bkm(7))) << "rsSingle: selecting one record clears the previous one";
  EXPECT_TRUE(Grid->GetDBRowSelected(Bkm(9)));
}

// The scan events of every state, a cancel at each of them leaving the selection unchanged, and
// the counts reported.
TEST_F(DBSelectionTest, ScansReportEachStateAndACancelAtAnyStateChangesNothing) {
  Grid->SetRecordSelection(rseBookmarkSet);
  std::vector<std::pair<TtsScanState, Integer>> events;
  std::optional<TtsScanState> cancelIn;
  Grid->SetOnScanRecords([&](TObject*, bool ScanAll, TtsScanState State, Integer Count, bool& Cancel) {
    events.emplace_back(State, Count);
    EXPECT_TRUE(ScanAll) << "select-all scans the whole dataset";
    if (cancelIn && *cancelIn == State) Cancel = true;
  });
  Grid->SelectAll();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), std::make_pair(sstStart, 0));
  EXPECT_EQ(events.back(), std::make_pair(sstEnd, RecordCount));
  auto countOf = [&](TtsScanState State) {
    return std::count_if(events.begin(), events.end(), [&](auto& e) { return e.first == State; });
  };
  EXPECT_EQ(countOf(sstScan), RecordCount);
  EXPECT_EQ(countOf(sstSave), RecordCount);
  EXPECT_EQ(Selection()->Count(), RecordCount);
  Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
  for (TtsScanState state : {sstStart, sstScan, sstSave}) {
    SCOPED_TRACE(static_cast<int>(state));
    events.clear();
    cancelIn = state;
    Grid->SelectAll();
    EXPECT_FALSE(Selection()->RowsSelected());
    EXPECT_EQ(events.back(), std::make_pair(sstEnd, 0)) << "a cancelled scan ends with count 0";
    EXPECT_FALSE(Grid->GetScanningRecords());
  }
}

// GetDatasetList in every direction, from inside and outside the display buffer.
TEST_F(DBSelectionTest, DatasetListsWalkTowardTheOtherEnd) {
  Integer rows = Strategy()->GetBufferRows();
  ASSERT_GT(rows, 2);
  ASSERT_LT(rows, 20);
  auto indexes = [&](TtsSelectedList* List) {
    std::vector<Integer> result;
    for (Integer i = 0; i < List->GetCount(); ++i)
      for (Integer r = 0; r < RecordCount; ++r)
        if (Bookmarks[static_cast<size_t>(r)] == List->GetItem(i)) result.push_back(r);
    std::sort(result.begin(), result.end());
    return result;
  };
  auto span = [](Integer From, Integer To) {
    std::vector<Integer> result;
    for (Integer i = From; i <= To; ++i) result.push_back(i);
    return result;
  };
  struct TCase {
    const char* name;
    Integer line;  // buffer line of the start, 0: a bookmark outside the buffer
    Integer from, to, direction;
    Integer order;
    std::vector<Integer> records;
  };
  const TCase cases[] = {
      {"outside, both ways, forward", 0, 25, 30, 0, -1, span(25, 30)},
      {"outside, both ways, backward", 0, 30, 22, 0, 1, span(22, 30)},
      {"outside, forward only", 0, 22, 35, 1, -1, span(22, 35)},
      {"outside, backward only", 0, 35, 22, -1, 1, span(22, 35)},
      {"the same record", 0, 25, 25, 0, 0, span(25, 25)},
      {"from the buffer, forward", 2, 1, 30, 0, -1, span(1, 30)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Data->First();
    bool cancel = false;
    TtsSelectedList* list = nullptr;
    Integer order = Grid->GetDatasetList(c.line, Bkm(c.from).ToString(), cancel, list, false, c.direction,
                                         Bkm(c.to).ToString());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(indexes(list), c.records);
    list->Free();
    EXPECT_EQ(Data->GetBookmark(), Bookmarks[0]) << "the cursor is put back";
  }
  bool cancel = false;
  TtsSelectedList* list = nullptr;
  EXPECT_EQ(Grid->GetDatasetList(0, Bkm(30).ToString(), cancel, list, false, 1, Bkm(20).ToString()), 0);
  EXPECT_EQ(list, nullptr) << "an end the walk never meets hands out no list";
}

// Resetting a kind of per-record property drops it from every record and nothing else; resetting
// the selected state deselects every record. A bound grid reports no selected cell block, and its
// top-left is set by record.
TEST_F(DBSelectionTest, PropertyResetsAndTheTopLeftWorkByRecord) {
  Grid->SelectRows(Bkm(3), Bkm(7), true);
  Grid->SetDBRowColor(Bkm(4), clYellow);
  Grid->SetDBCellColor(1, Bkm(5), clRed);
  Grid->ResetRowProperties(TtsProperties{prColor});
  EXPECT_NE(Grid->GetDBRowColor(Bkm(4)), clYellow);
  EXPECT_EQ(Grid->GetDBCellColor(1, Bkm(5)), clRed) << "cell colours are the cells' own";
  EXPECT_EQ(Selection()->Count(), 5) << "the selection stays unless asked for";
  Grid->ResetRowProperties(TtsProperties{prSelected});
  EXPECT_EQ(Selection()->Count(), 0);
  EXPECT_EQ(Grid->GetGridStatus(), grNormal);
  Grid->ResetCellProperties(TtsProperties{prColor});
  EXPECT_NE(Grid->GetDBCellColor(1, Bkm(5)), clRed);

  TtsDBRect cells = Grid->GetSelectedCells();
  EXPECT_EQ(cells.LeftCol, 0);
  EXPECT_EQ(cells.RightCol, 0);
  EXPECT_TRUE(VarIsEmpty(cells.TopRow) && VarIsEmpty(cells.BottomRow));

  Grid->SetTopLeft(1, Bkm(20));
  EXPECT_EQ(Strategy()->GetBookmark(1), Bookmarks[20]);
  Grid->CalculateRows();
  EXPECT_EQ(Grid->GetGridRowCount(), Strategy()->GetBufferRows());
}

// Keys as a table: key x modifiers x mode -> the current record, the dataset's state and the
// selection.
TEST_F(DBSelectionTest, VerticalKeysMoveTheRecordAndKeepTheSelectionInStep) {
  auto currentIndex = [&] {
    for (Integer i = 0; i < RecordCount; ++i)
      if (Bookmarks[static_cast<size_t>(i)] == Data->GetBookmark()) return i;
    return -1;
  };
  Integer page = Grid->GetVisibleRowCount();
  struct TCase {
    const char* name;
    TtsGridMode mode;
    bool autoInsert;
    std::vector<Integer> selected;  // before the key (row-select mode)
    Integer from;
    Word key;
    TShiftState shift;
    Integer to;
    bool appends;
  };
  const TCase cases[] = {
      {"Up", gmEdit, true, {}, 5, VK_UP, {}, 4, false},
      {"Up at the first record", gmEdit, true, {}, 0, VK_UP, {}, 0, false},
      {"Down", gmEdit, true, {}, 5, VK_DOWN, {}, 6, false},
      {"Page Down", gmEdit, true, {}, 5, VK_NEXT, {}, 5 + page, false},
      {"Page Up", gmEdit, true, {}, 30, VK_PRIOR, {}, 30 - page, false},
      {"Ctrl+Up", gmEdit, true, {}, 20, VK_UP, {ssCtrl}, 0, false},
      {"Ctrl+Down", gmEdit, true, {}, 20, VK_DOWN, {ssCtrl}, RecordCount - 1, false},
      {"Ctrl+Home", gmEdit, true, {}, 20, VK_HOME, {ssCtrl}, 0, false},
      {"Down past the end appends", gmEdit, true, {}, RecordCount - 1, VK_DOWN, {}, RecordCount - 1, true},
      {"Down past the end without AutoInsert", gmEdit, false, {}, RecordCount - 1, VK_DOWN, {}, RecordCount - 1,
       false},
      {"row select: Up leaves one selected", gmListBox, true, {3, 4, 9}, 5, VK_UP, {}, 4, false},
      {"row select: Down", gmListBox, true, {5, 6, 7}, 6, VK_DOWN, {}, 7, false},
      {"row select: Down never appends", gmListBox, true, {RecordCount - 1}, RecordCount - 1, VK_DOWN, {},
       RecordCount - 1, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (Data->State() == DB::dsInsert) Data->Cancel();
    Grid->SetGridMode(c.mode);
    Grid->SetAutoInsert(c.autoInsert);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
    Data->SetBookmark(Bookmarks[static_cast<size_t>(c.from)]);
    for (Integer i : c.selected) Grid->SetDBRowSelected(Bkm(i), true);
    Word key = c.key;
    Grid->ProcessKeyDown(key, c.shift);
    EXPECT_EQ(Data->State() == DB::dsInsert, c.appends);
    if (c.appends) continue;
    EXPECT_EQ(currentIndex(), c.to);
    EXPECT_EQ(Grid->GetCurrentBookmark(), Data->GetBookmark()) << "the grid follows the dataset";
    if (!c.selected.empty()) {
      EXPECT_EQ(Selection()->Count(), 1);
      EXPECT_TRUE(Grid->GetDBRowSelected(Bkm(c.to))) << "the new current record alone is selected";
    }
  }
  if (Data->State() == DB::dsInsert) Data->Cancel();
}

}  // namespace
}  // namespace DBGridTest
