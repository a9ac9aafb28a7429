// Editing a bound grid: what the user types, leaves and undoes becomes the dataset's edit, post and
// cancel, in order with the grid's edit events; the read-only layers decide whether a cell may
// change; a record the grid never touched is dropped when empty and kept when changed.
#include <functional>
#include <map>
#include <set>

#include "DBGridTestSupport.h"
#include "HeadlessBackend.h"
#include "Strings.h"
#include "TSDBGridColumns.h"
#include "TSDBGridData.h"
#include "WinInput.h"

namespace DBGridTest {
namespace {

class DBGridEdit : public DBGridTest {
 public:  // the case tables play their steps through these
  void SetUp() override {
    DBGridTest::SetUp();
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) HeadlessBackend::SetKeyState(key, false);
  }

  // Binds, shows and focuses the grid on the first record, and records what the grid and the data
  // source report from then on.
  void Start() {
    Names.clear();
    Log.clear();
    BindAndOpen();
    Form->Show();
    Grid->SetFocus();
    Pump();
    for (Integer r = 1; r <= Data->RecordCount(); ++r) {
      Data->SetRecNo(r);
      Names[Data->GetBookmark()] = "r" + IntToStr(r);
    }
    Data->First();
    Pump();
    Record();
  }

  void Record() {
    auto row = [this](const Variant& DataRow) {
      auto found = Names.find(VarToStr(DataRow));
      return found == Names.end() ? String("?") : found->second;
    };
    auto add = [this](const String& Line) { Log += (Log.empty() ? "" : " ") + Line; };
    Grid->OnStartCellEdit = [=, this](TObject*, Integer Col, const Variant& Row, bool& Cancel) {
      add("StartCellEdit(" + IntToStr(Col) + "," + row(Row) + ")");
      Cancel = Vetoes.count("StartCellEdit") > 0;
    };
    Grid->OnStartRowEdit = [=, this](TObject*, const Variant& Row, bool& Cancel) {
      add("StartRowEdit(" + row(Row) + ")");
      Cancel = Vetoes.count("StartRowEdit") > 0;
    };
    Grid->OnCellEdit = [=, this](TObject*, Integer Col, const Variant& Row, bool ByUser) {
      add("CellEdit(" + IntToStr(Col) + "," + row(Row) + (ByUser ? ",T)" : ",F)"));
    };
    Grid->OnEndCellEdit = [=, this](TObject*, Integer Col, const Variant& Row, bool& Cancel) {
      add("EndCellEdit(" + IntToStr(Col) + "," + row(Row) + ")");
      Cancel = Vetoes.count("EndCellEdit") > 0;
    };
    Grid->OnEndRowEdit = [=, this](TObject*, const Variant& Row, bool& Cancel) {
      add("EndRowEdit(" + row(Row) + ")");
      Cancel = Vetoes.count("EndRowEdit") > 0;
    };
    Grid->OnUndoCellEdit = [=, this](TObject*, Integer Col, const Variant& Row, bool, bool& Cancel) {
      add("UndoCellEdit(" + IntToStr(Col) + "," + row(Row) + ")");
      Cancel = Vetoes.count("UndoCellEdit") > 0;
    };
    Grid->OnUndoRowEdit = [=, this](TObject*, const Variant& Row, bool, bool& Cancel) {
      add("UndoRowEdit(" + row(Row) + ")");
      Cancel = Vetoes.count("UndoRowEdit") > 0;
    };
    // The recording data source: the dataset's state changes, its posts and its cancels.
    Source->OnStateChange = [=, this](TObject*) {
      static const char* const states[] = {"Inactive", "Browse", "Edit", "Insert"};
      TDataSetState state = Data->State();
      add(String("ds:") + (state <= dsInsert ? states[state] : "Other"));
    };
    Data->AfterPost = [=, this](TDataSet*) { add("Post"); };
    Data->AfterCancel = [=, this](TDataSet*) { add("Cancel"); };
  }

  void Pump() { Application->ProcessMessages(); }
  void Key(Word VK, TShiftState Shift = {}) {
    using namespace HeadlessBackend;
    if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, true);
    InjectKeyPress(VK);
    if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, false);
    Pump();
  }
  void Type(const String& Text) {
    HeadlessBackend::InjectText(Text);
    Pump();
  }
  String Bookmark(Integer RecNo) {
    for (const auto& [bookmark, name] : Names)
      if (name == "r" + IntToStr(RecNo)) return bookmark;
    return String();
  }
  // Puts the current cell on a column of a record, as a program does.
  void MoveTo(Integer DataCol, Integer RecNo) {
    Grid->GetDBCurrentCell()->MoveTo(DataCol, Variant(Bookmark(RecNo)));
    Pump();
  }
  String NameOf(Integer RecNo) {
    String bookmark = Data->GetBookmark();
    Data->SetRecNo(RecNo);
    String name = Data->FieldByName("name")->GetAsString();
    Data->SetBookmark(bookmark);
    return name;
  }

  std::map<String, String> Names;  // bookmark -> "r<record number>"
  std::set<String> Vetoes;
  String Log;
};

// ---- The edit lifecycle ------------------------------------------------------------------------------
TEST_F(DBGridEdit, TypingLeavingAndUndoingDriveTheDatasetInOrder) {
  struct Case {
    const char* Name;
    std::function<void(DBGridEdit&)> Play;
    std::set<String> Vetoes;
    const char* Expected;
    TDataSetState State;  // the dataset's state at the end
    const char* NameOfR1;  // as the dataset holds it at the end
  };
  const Case cases[] = {
      {"leaving the record writes the value and posts",
       [](DBGridEdit& t) {
         t.Type("x");
         t.MoveTo(2, 3);
       },
       {},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) EndCellEdit(2,r1) EndRowEdit(r1) ds:Browse "
       "Post",
       dsBrowse, "x张三"},
      {"another cell of the record writes the value; the dataset keeps editing",
       [](DBGridEdit& t) {
         t.Type("x");
         t.MoveTo(1, 1);
       },
       {},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) EndCellEdit(2,r1)", dsEdit, "x张三"},
      {"Escape undoes cell and row and cancels the dataset",
       [](DBGridEdit& t) {
         t.Type("x");
         t.Key(VK_ESCAPE);
       },
       {},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) UndoCellEdit(2,r1) UndoRowEdit(r1) ds:Browse "
       "Cancel",
       dsBrowse, "张三"},
      {"Ctrl+Z undoes as Escape does",
       [](DBGridEdit& t) {
         t.Type("x");
         t.Key('Z', {ssCtrl});
       },
       {},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) UndoCellEdit(2,r1) UndoRowEdit(r1) ds:Browse "
       "Cancel",
       dsBrowse, "张三"},
      {"a refused row end keeps the record and its edit",
       [](DBGridEdit& t) {
         t.Type("x");
         t.MoveTo(2, 3);
       },
       {"EndRowEdit"},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) EndCellEdit(2,r1) EndRowEdit(r1)", dsEdit,
       "x张三"},
      {"a refused undo of the row leaves the dataset editing",
       [](DBGridEdit& t) {
         t.Type("x");
         t.Key(VK_ESCAPE);
       },
       {"UndoRowEdit"},
       "StartCellEdit(2,r1) StartRowEdit(r1) ds:Edit CellEdit(2,r1,T) UndoCellEdit(2,r1) UndoRowEdit(r1)", dsEdit,
       "张三"},
      {"a refused start takes no character and leaves the dataset alone",
       [](DBGridEdit& t) {
         t.Type("x");
         t.MoveTo(2, 3);
       },
       {"StartCellEdit"},
       "StartCellEdit(2,r1)", dsBrowse, "张三"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Start();
    MoveTo(2, 1);
    Log.clear();
    Vetoes = c.Vetoes;
    c.Play(*this);
    EXPECT_EQ(Log, c.Expected);
    EXPECT_EQ(Data->State(), c.State);
    Vetoes.clear();
    if (Data->State() == dsBrowse) {
      EXPECT_EQ(NameOf(1), c.NameOfR1);
    } else {
      EXPECT_EQ(Data->FieldByName("name")->GetAsString(), c.NameOfR1) << "the edit buffer";
      Data->Cancel();
    }
    TearDown();
    SetUp();
  }
}

// Which layer decides whether a cell may change: the dataset, the column, the field, the cell.
TEST_F(DBGridEdit, ReadOnlyLayersDecideWhetherACellMayChange) {
  struct Case {
    const char* Name;
    bool DatasetReadOnly, ColumnReadOnly, FieldReadOnly;
    TtsReadOnly Cell;
    bool MayChange;
  };
  const Case cases[] = {
      {"nothing read-only", false, false, false, roDefault, true},
      {"a dataset that cannot be modified", true, false, false, roDefault, false},
      {"... not even with the cell's roOff", true, false, false, roOff, false},
      {"a read-only column", false, true, false, roDefault, false},
      {"a read-only column opened by the cell's roOff", false, true, false, roOff, true},
      {"a read-only field", false, false, true, roDefault, false},
      {"the cell's roOn in a writable column", false, false, false, roOn, false},
      {"the cell's roOff where nothing is read-only", false, false, false, roOff, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Start();
    Data->SetReadOnly(c.DatasetReadOnly);
    Grid->GetGridDBCols()->GetDBCol(Variant(2))->SetReadOnly(c.ColumnReadOnly);
    Data->FieldByName("name")->SetReadOnly(c.FieldReadOnly);
    Grid->SetDBCellReadOnly(2, Variant(Bookmark(1)), c.Cell);
    EXPECT_EQ(Grid->StartCellChange(2, true), c.MayChange);
    EXPECT_EQ(Data->State(), c.MayChange ? dsEdit : dsBrowse) << "the dataset edits only a cell that may change";
    EXPECT_EQ(Grid->GetUserChange(), c.MayChange);
    EXPECT_EQ(Grid->GetEditBookmark(), c.MayChange ? Bookmark(1) : String());
    if (Data->State() != dsBrowse) Data->Cancel();
    EXPECT_FALSE(Grid->GetUserChange()) << "the dataset's edit ended";
    TearDown();
    SetUp();
  }
}

TEST_F(DBGridEdit, ColumnsWithoutAnEditableFieldBehindThem) {
  Start();
  // A column without a field may change without any dataset edit.
  Grid->InsertCol(3, "");
  EXPECT_TRUE(Grid->StartCellChange(Grid->GetGridColCount(), true));
  EXPECT_EQ(Data->State(), dsBrowse);
  // A field the grid may not write refuses the start of a cell edit.
  Data->FieldByName("name")->SetReadOnly(true);
  MoveTo(2, 1);
  EXPECT_FALSE(Grid->StartCellEdit());
  Data->FieldByName("name")->SetReadOnly(false);
  EXPECT_TRUE(Grid->StartCellEdit());
  EXPECT_EQ(Log, "StartCellEdit(2,r1)");
}

// ---- Leaving a record the grid never touched ---------------------------------------------------------
TEST_F(DBGridEdit, LeavingAnUntouchedRecordDropsItWhenEmptyAndPostsItWhenChanged) {
  struct Case {
    const char* Name;
    std::function<void(TMemoryDataSet*)> Begin;
    Integer Records;  // after the current cell left the record
    const char* Posted;
  };
  const Case cases[] = {
      {"an empty append disappears", [](TMemoryDataSet* d) { d->Append(); }, 5, ""},
      {"an append filled by code is kept",
       [](TMemoryDataSet* d) {
         d->Append();
         d->FieldByName("name")->SetAsString("程序");
       },
       6, "Post"},
      {"an edit made by another control is posted, not lost",
       [](TMemoryDataSet* d) {
         d->Edit();
         d->FieldByName("name")->SetAsString("改");
       },
       5, "Post"},
      {"an untouched edit is given up", [](TMemoryDataSet* d) { d->Edit(); }, 5, "Cancel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Start();
    MoveTo(2, 1);
    c.Begin(Data);
    ASSERT_NE(Grid->GetDataEditMode(), demNone);
    Log.clear();
    MoveTo(2, 3);
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(Data->RecordCount(), c.Records);
    EXPECT_NE(Log.find(c.Posted), String::npos) << Log;
    EXPECT_EQ(Data->FieldByName("id")->GetAsInteger(), 3) << "and the cell reached its record";
    TearDown();
    SetUp();
  }
  // Another column of the same record keeps the edit.
  Start();
  MoveTo(2, 1);
  Data->Append();
  MoveTo(1, 6);
  EXPECT_EQ(Data->State(), dsInsert);
}

TEST_F(DBGridEdit, UndoingARowWithoutItsEventCancelsThePendingEdit) {
  Start();
  Data->Edit();
  Log.clear();
  EXPECT_TRUE(Grid->UndoRowEdit(true, false));
  EXPECT_EQ(Log, "ds:Browse Cancel") << "no undo event";
  EXPECT_TRUE(Grid->UndoRowEdit(true, false)) << "nothing pending: browsing already";
}

TEST_F(DBGridEdit, AnEndEditCheckAskedFromAnEndEventAllowsAtOnceAndTheOuterOneDecides) {
  Start();
  MoveTo(2, 1);
  bool nested = false;
  Grid->OnEndCellEdit = [&](TObject*, Integer, const Variant&, bool& Cancel) {
    nested = Grid->CheckEndEdit(1, -1, false);
    Cancel = true;
  };
  Type("x");
  MoveTo(2, 3);
  EXPECT_TRUE(nested);
  EXPECT_EQ(Data->State(), dsEdit) << "the outer check was refused: the cell stays on its record";
  EXPECT_EQ(Data->FieldByName("id")->GetAsInteger(), 1);
}

// ---- Cell buttons and clicks ------------------------------------------------------------------------
TEST_F(DBGridEdit, ButtonsNameTheirRecordAndClicksReportTheRowsOfMouseDownAndUp) {
  Start();
  std::vector<String> seen;
  auto name = [this](const Variant& Row) { return VarIsStr(Row) ? Names[VarToStr(Row)] : IntToStr(Row.ToInteger()); };
  Grid->OnButtonClick = [&](TObject*, Integer Col, const Variant& Row) { seen.push_back("button " + name(Row)); };
  Grid->OnSpinRepeat = [&](TObject*, Integer, const Variant& Row, Integer Count, TtsSpinButton) {
    seen.push_back("spin " + name(Row) + " x" + IntToStr(Count));
  };
  Grid->OnClickCell = [&](TObject*, Integer, const Variant& Down, Integer, const Variant& Up, TtsClickPosition,
                          TtsClickPosition) { seen.push_back("click " + name(Down) + ">" + name(Up)); };
  Grid->ButtonClick(2, 3);
  Grid->SpinRepeat(2, 4, spbIncrement, 5);
  Grid->SetMouseDownColRow(2, 2);
  Grid->SetMouseUpColRow(2, 0);  // the heading
  Grid->CheckClickCell(2, Variant(Integer(7)), 2, Variant(Integer(8)), cpCell, cpCell);
  EXPECT_EQ(seen, (std::vector<String>{"button r3", "spin r4 x5", "click r2>0"}));
}

// ---- Appends by the keyboard ----------------------------------------------------------------------------
TEST_F(DBGridEdit, DownPastTheLastRecordAppendsOnceAndAnEmptyAppendGoesWhenLeft) {
  Start();
  MoveTo(2, 5);
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetDataEditMode(), demAppend) << "AutoInsert appends below the last record";
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetGridRowCount(), 6) << "no second empty record";
  Key(VK_UP);
  EXPECT_EQ(Data->State(), dsBrowse);
  EXPECT_EQ(Data->RecordCount(), 5) << "the empty append went when the cell left it";
  Key(VK_DOWN);
  Type("新");
  Key(VK_UP);
  EXPECT_EQ(Data->RecordCount(), 6) << "a typed append is posted";
}

}  // namespace
}  // namespace DBGridTest
