// The data-bound grid's event layer: the values a handler starts from, the DataRow Variants handed on
// as they are, and which reports wait while the grid is read from a form.
#include <functional>

#include "DBGridTestSupport.h"
#include "Strings.h"

using namespace DBGridTest;

namespace {

class DBGridEvents : public ::testing::Test {
 protected:
  void SetUp() override { Grid = MakeGrid(false); }
  void TearDown() override { Grid->Free(); }
  // A grid as a form stream makes it while Loading: its state reports wait.
  static TtsDBGrid* MakeGrid(bool Loading) {
    return static_cast<TtsDBGrid*>(CreateComponent(TtsDBGrid::StaticClass(), nullptr,
                                                   Loading ? TComponentState{csLoading} : TComponentState{}));
  }
  TtsDBGrid* Grid = nullptr;
  // What the handlers saw.
  std::vector<String> Seen;
};

TEST_F(DBGridEvents, CancelAndAcceptStartAsTheEventsPromise) {
  struct Case {
    const char* Name;
    std::function<void(bool&)> Fire;  // runs the dispatcher with the caller's flag
    bool Start;                        // what the handler (and a caller without one) gets
  };
  const Variant row(String("bk7"));
  bool handlerSaw = true;
  auto note = [&](bool Flag) { handlerSaw = Flag; };
  Grid->OnStartCellEdit = [&](TObject*, Integer, const Variant&, bool& C) { note(C); };
  Grid->OnEndCellEdit = [&](TObject*, Integer, const Variant&, bool& C) { note(C); };
  Grid->OnStartRowEdit = [&](TObject*, const Variant&, bool& C) { note(C); };
  Grid->OnEndRowEdit = [&](TObject*, const Variant&, bool& C) { note(C); };
  Grid->OnShowEditor = [&](TObject*, Integer, const Variant&, bool& C) { note(C); };
  Grid->OnUndoCellEdit = [&](TObject*, Integer, const Variant&, bool, bool& C) { note(C); };
  Grid->OnUndoRowEdit = [&](TObject*, const Variant&, bool, bool& C) { note(C); };
  Grid->OnInvalidMaskValue = [&](TObject*, Integer, const Variant&, bool& A) { note(A); };
  Grid->OnInvalidMaskEdit = [&](TObject*, const String&, Integer, const Variant&, bool& A) { note(A); };
  Grid->OnUpdateField = [&](TObject*, Integer, const Variant&, Variant&, bool& C) { note(C); };
  Grid->OnScanRecords = [&](TObject*, bool, TtsScanState, Integer, bool& C) { note(C); };
  Variant value;
  const Case cases[] = {
      {"StartCellEdit", [&](bool& f) { Grid->DoStartCellEdit(1, row, f); }, false},
      {"EndCellEdit", [&](bool& f) { Grid->DoEndCellEdit(1, row, f); }, false},
      {"StartRowEdit", [&](bool& f) { Grid->DoStartRowEdit(row, f); }, false},
      {"EndRowEdit", [&](bool& f) { Grid->DoEndRowEdit(row, f); }, false},
      {"ShowEditor", [&](bool& f) { Grid->DoShowEditor(1, row, f); }, false},
      {"UndoCellEdit", [&](bool& f) { Grid->DoUndoCellEdit(1, row, true, f); }, false},
      {"UndoRowEdit", [&](bool& f) { Grid->DoUndoRowEdit(row, true, f); }, false},
      {"InvalidMaskValue", [&](bool& f) { Grid->DoInvalidMaskValue(1, row, f); }, false},
      {"InvalidMaskEdit", [&](bool& f) { Grid->DoInvalidMaskEdit("x", 1, row, f); }, false},
      {"UpdateField", [&](bool& f) { Grid->DoOnUpdateField(1, row, value, f); }, false},
      // A record scan keeps the caller's Cancel.
      {"ScanRecords", [&](bool& f) { Grid->DoOnScanRecords(true, sstScan, 3, f); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    bool flag = true;
    handlerSaw = !c.Start;
    c.Fire(flag);
    EXPECT_EQ(handlerSaw, c.Start) << "the handler's starting value";
  }
  // Without handlers the caller still receives the starting value: an edited value is written.
  Grid->OnUpdateField = nullptr;
  Grid->OnStartCellEdit = nullptr;
  bool cancel = true;
  Grid->DoOnUpdateField(1, row, value, cancel);
  EXPECT_FALSE(cancel);
  cancel = true;
  Grid->DoStartCellEdit(1, row, cancel);
  EXPECT_FALSE(cancel);
}

TEST_F(DBGridEvents, RecordIdsAreUnassignedUntilAHandlerGivesThem) {
  Variant id(String("stale"));
  Grid->SetUseRecordIds(true);
  Grid->DoGetRecordID(Variant(String("bk1")), id);
  EXPECT_TRUE(VarIsEmpty(id)) << "record ids switched on but no handler";
  Grid->SetOnGetRecordID([](TObject*, const Variant& Bookmark, Variant& Id) { Id = Variant(Integer(42)); });
  Grid->DoGetRecordID(Variant(String("bk1")), id);
  EXPECT_TRUE(VarIsEmpty(id)) << "an unbound grid names rows by number, not by id";
  // The comparison result stays as the caller set it unless a handler decides.
  Integer result = -2;
  Grid->DoCompareRecordId(Variant(1), Variant(2), result);
  EXPECT_EQ(result, -2);
  Grid->OnCompareRecordID = [](TObject*, const Variant& A, const Variant& B, Integer& R) { R = 7; };
  Grid->DoCompareRecordId(Variant(1), Variant(2), result);
  EXPECT_EQ(result, 7);
}

TEST_F(DBGridEvents, RowsReachTheHandlersAsTheGridHoldsThem) {
  Grid->OnRowLoaded = [&](TObject*, const Variant& Row) { Seen.push_back(VarIsStr(Row) ? "s:" + Row.ToString() : "n"); };
  Grid->OnButtonClick = [&](TObject*, Integer Col, const Variant& Row) {
    Seen.push_back(IntToStr(Col) + (VarIsStr(Row) ? ":s:" : ":n:") + Row.ToString());
  };
  Grid->OnComboRollUp = [&](TObject*, TtsDBComboGrid*, Integer Col, const Variant& Row) {
    Seen.push_back("rollup " + IntToStr(Col) + " " + Row.ToString());
  };
  Grid->DoRowLoaded(Variant(String("0000000002")));
  Grid->DoButtonClick(3, Variant(String("17")));
  Grid->DoButtonClick(3, Variant(Integer(17)));
  Grid->DoComboRollUp(4, Variant(String("bk9")));
  EXPECT_EQ(Seen, (std::vector<String>{"s:0000000002", "3:s:17", "3:n:17", "rollup 4 bk9"}));
}

TEST_F(DBGridEvents, ACellMoveIsReportedWhileLoadingButARowChangeWaits) {
  Grid->OnCellChanged = [&](TObject*, Integer, Integer, const Variant&, const Variant&) { Seen.push_back("cell"); };
  Grid->OnRowChanged = [&](TObject*, const Variant&, const Variant&) { Seen.push_back("row"); };
  Grid->OnTopLeftChanged = [&](TObject*, Integer, const Variant&, Integer, const Variant&, bool) {
    Seen.push_back("topleft");
  };
  Grid->OnInsertRow = [&](TObject*, const Variant&, bool) { Seen.push_back("insert"); };
  Grid->OnDeleteRow = [&](TObject*, const Variant&, bool) { Seen.push_back("delete"); };
  Grid->OnFieldLayoutChange = [&](TObject*) { Seen.push_back("layout"); };
  Grid->OnPrintRow = [&](TObject*, const Variant&, bool&) { Seen.push_back("printrow"); };
  auto fireAll = [&](TtsDBGrid* Grid) {
    bool cancel = false;
    Grid->DoCellChanged(1, 2, Variant(String("a")), Variant(String("b")));
    Grid->DoRowChanged(Variant(String("a")), Variant(String("b")));
    Grid->DoTopLeftChanged(1, Variant(String("a")), 1, Variant(String("b")), false);
    Grid->DoInsertRow(Variant(String("a")), true);
    Grid->DoDeleteRow(Variant(String("a")), true);
    Grid->DoFieldLayoutChange();
    Grid->DoPrintRow(Variant(String("a")), cancel);
  };
  TtsDBGrid* loading = MakeGrid(true);
  loading->OnCellChanged = Grid->OnCellChanged;
  loading->OnRowChanged = Grid->OnRowChanged;
  loading->OnTopLeftChanged = Grid->OnTopLeftChanged;
  loading->OnInsertRow = Grid->OnInsertRow;
  loading->OnDeleteRow = Grid->OnDeleteRow;
  loading->OnFieldLayoutChange = Grid->OnFieldLayoutChange;
  loading->OnPrintRow = Grid->OnPrintRow;
  fireAll(loading);
  loading->Free();
  EXPECT_EQ(Seen, (std::vector<String>{"cell"}));
  Seen.clear();
  fireAll(Grid);
  EXPECT_EQ(Seen, (std::vector<String>{"cell", "row", "topleft", "insert", "delete", "layout", "printrow"}));
}

TEST_F(DBGridEvents, TheMaskChecksNameTheCurrentCell) {
  Grid->OnInvalidMaskValue = [&](TObject*, Integer Col, const Variant& Row, bool& Accept) {
    Seen.push_back(IntToStr(Col) + " " + Row.ToString());
    Accept = true;
  };
  bool accept = false;
  Grid->ActivateInvalidMaskValue(accept);
  EXPECT_TRUE(accept);
  ASSERT_EQ(Seen.size(), 1u);
  EXPECT_EQ(Seen[0], IntToStr(Grid->GetCurDataCol()) + " " + IntToStr(Grid->GetCurDataRow()))
      << "an unbound grid names its current row by number";
}

}  // namespace
