// The keyboard of a bound grid as a table (key x modifiers x mode -> the record, the column, the
// dataset's state and the selection), the row-select keys repainting only the rows whose selection
// changed, the saved-rows snapshot taken after the dataset scrolled, and bringing a record into view.
#include <set>

#include "DBGridTestSupport.h"
#include "HeadlessBackend.h"
#include "Strings.h"
#include "TSDBGridData.h"
#include "TSDBGridSelection.h"
#include "WinInput.h"
#include "WindowPictures.h"

namespace DBGridTest {
namespace {

constexpr Integer KeyRecordCount = 30;

class DBGridKeys : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) HeadlessBackend::SetKeyState(key, false);
    for (Integer i = 6; i <= KeyRecordCount; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
    Grid->SetBounds(0, 0, 300, 160);
    Form->SetBounds(0, 0, 300, 160);
    BindAndOpen();
    Form->Show();
    Grid->SetFocus();
    Pump();
    Data->First();
    while (!Data->Eof()) {
      Bookmarks.push_back(Data->GetBookmark());
      Data->Next();
    }
    Data->First();
    Pump();
  }

  void Pump() { Application->ProcessMessages(); }
  // Record numbers are 1-based.
  Variant Bkm(Integer RecNo) { return Variant(Bookmarks[static_cast<size_t>(RecNo - 1)]); }
  Integer CurrentRecord() {
    for (size_t i = 0; i < Bookmarks.size(); ++i)
      if (Bookmarks[i] == Data->GetBookmark()) return static_cast<Integer>(i) + 1;
    return 0;
  }
  void MoveTo(Integer DataCol, Integer RecNo) {
    Data->SetBookmark(Bkm(RecNo).ToString());
    Grid->GetDBCurrentCell()->MoveTo(DataCol, Bkm(RecNo));
    Pump();
  }
  Integer RecordOfLine(Integer Line) {
    String bookmark = Grid->GetGridData()->GetBookmark(Line);
    for (size_t i = 0; i < Bookmarks.size(); ++i)
      if (Bookmarks[i] == bookmark) return static_cast<Integer>(i) + 1;
    return 0;
  }
  // The key as the user presses it.
  void Press(Word VK, TShiftState Shift = {}) {
    using namespace HeadlessBackend;
    if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, true);
    if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, true);
    InjectKeyPress(VK);
    if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, false);
    if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, false);
    Pump();
  }
  void Reset() {
    if (Data->State() != dsBrowse) Data->Cancel();
    Data->SetCanModifyRows(true);
    Grid->SetGridMode(gmEdit);
    Grid->SetRowSelectMode(rsMulti);
    Grid->SetTabRowWrap(true);
    Grid->SetAutoInsert(true);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
    Pump();
  }
  // Whether the line's cell shows the selection colour (its background, away from the text).
  bool LinePaintedSelected(Integer Line) {
    TRect cell;
    Grid->CellRect(2, Line, cell);
    return WindowPictures::ClientPixel(Grid, cell.right - 3, cell.bottom - 3) == SelectedBackground;
  }

  // The pixels by which the screen differs from what a full repaint draws; the current cell is left
  // out, as the editor's caret blinks there.
  int DifferencesFromFullRepaint() {
    GdiSurface::TGdiSurface shown, repainted;
    if (!WindowPictures::CaptureClient(Grid, shown)) return -1;
    Grid->Invalidate();
    Pump();
    if (!WindowPictures::CaptureClient(Grid, repainted)) return -1;
    TRect current;
    Grid->CellRect(Grid->GetCurDisplayCol(), Grid->GetCurDisplayRow(), current);
    int n = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x)
        n += shown.Pixel(x, y) != repainted.Pixel(x, y) &&
             !(x >= current.left && x < current.right && y >= current.top && y < current.bottom);
    return n;
  }
  // Puts the current record on Line of a view that shows the first records (or, with FromEnd, the
  // last ones).
  void CurrentOnLine(bool FromEnd, Integer Line, Integer DataCol) {
    FromEnd ? Data->Last() : Data->First();
    Pump();
    MoveTo(DataCol, RecordOfLine(Line));
  }

  std::vector<String> Bookmarks;
  COLORREF SelectedBackground = 0;
};

TEST_F(DBGridKeys, KeysMoveRecordAndColumnAsTheTableSays) {
  struct TCase {
    const char* name;
    TtsGridMode mode;
    bool wrap, autoInsert, readOnly;
    Integer rec, col;
    Word key;
    TShiftState shift;
    Integer toRec, toCol;  // toRec 0: the appended record
    TDataSetState state;
  };
  const Integer last = KeyRecordCount;
  const TCase cases[] = {
      {"Tab inside the record", gmEdit, true, true, false, 3, 1, VK_TAB, {}, 3, 2, dsBrowse},
      {"Tab on the last column goes to the next record", gmEdit, true, true, false, 3, 2, VK_TAB, {}, 4, 1, dsBrowse},
      {"Tab past the last record appends", gmEdit, true, true, false, last, 2, VK_TAB, {}, 0, 1, dsInsert},
      {"Tab past the last record without AutoInsert", gmEdit, true, false, false, last, 2, VK_TAB, {}, last, 2,
       dsBrowse},
      {"Tab past the last record of a read-only dataset", gmEdit, true, true, true, last, 2, VK_TAB, {}, last, 2,
       dsBrowse},
      {"Tab without TabRowWrap stays", gmEdit, false, true, false, 3, 2, VK_TAB, {}, 3, 2, dsBrowse},
      {"Enter on the last column goes to the next record", gmEdit, true, true, false, 3, 2, VK_RETURN, {}, 4, 1,
       dsBrowse},
      {"Enter without TabRowWrap stays", gmEdit, false, true, false, 3, 2, VK_RETURN, {}, 3, 2, dsBrowse},
      {"Shift+Tab inside the record", gmEdit, true, true, false, 3, 2, VK_TAB, {ssShift}, 3, 1, dsBrowse},
      {"Shift+Tab on the first column goes to the previous record", gmEdit, true, true, false, 3, 1, VK_TAB,
       {ssShift}, 2, 2, dsBrowse},
      {"Shift+Tab at the first record stays", gmEdit, true, true, false, 1, 1, VK_TAB, {ssShift}, 1, 1, dsBrowse},
      {"Shift+Tab without TabRowWrap stays", gmEdit, false, true, false, 3, 1, VK_TAB, {ssShift}, 3, 1, dsBrowse},
      {"Ctrl+Home", gmEdit, true, true, false, 10, 2, VK_HOME, {ssCtrl}, 1, 1, dsBrowse},
      {"Ctrl+Home at the first record moves the column", gmEdit, true, true, false, 1, 2, VK_HOME, {ssCtrl}, 1, 1,
       dsBrowse},
      {"Ctrl+End", gmEdit, true, true, false, 10, 1, VK_END, {ssCtrl}, last, 2, dsBrowse},
      {"Ctrl+End at the last record moves the column", gmEdit, true, true, false, last, 1, VK_END, {ssCtrl}, last, 2,
       dsBrowse},
      {"Up at the first record", gmEdit, true, true, false, 1, 2, VK_UP, {}, 1, 2, dsBrowse},
      {"Page Up at the first record", gmEdit, true, true, false, 1, 2, VK_PRIOR, {}, 1, 2, dsBrowse},
      {"Ctrl+Up at the first record", gmEdit, true, true, false, 1, 2, VK_UP, {ssCtrl}, 1, 2, dsBrowse},
      {"Ctrl+Up keeps the column", gmEdit, true, true, false, 10, 2, VK_UP, {ssCtrl}, 1, 2, dsBrowse},
      {"Ctrl+Down keeps the column", gmEdit, true, true, false, 10, 1, VK_DOWN, {ssCtrl}, last, 1, dsBrowse},
      {"row select: Ctrl+Home", gmListBox, true, true, false, 10, 1, VK_HOME, {ssCtrl}, 1, 1, dsBrowse},
      {"row select: Ctrl+End", gmListBox, true, true, false, 10, 1, VK_END, {ssCtrl}, last, 1, dsBrowse},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    Grid->SetGridMode(c.mode);
    Grid->SetTabRowWrap(c.wrap);
    Grid->SetAutoInsert(c.autoInsert);
    MoveTo(c.col, c.rec);
    ASSERT_EQ(CurrentRecord(), c.rec);
    ASSERT_EQ(Grid->GetCurDataCol(), c.col);
    Data->SetCanModifyRows(!c.readOnly);
    Press(c.key, c.shift);
    EXPECT_EQ(Data->State(), c.state);
    if (c.toRec == 0) {
      EXPECT_EQ(Grid->GetDataEditMode(), demAppend);
    } else {
      EXPECT_EQ(CurrentRecord(), c.toRec);
      EXPECT_EQ(Grid->GetCurrentBookmark(), Data->GetBookmark()) << "the grid follows the dataset";
    }
    EXPECT_EQ(Grid->GetCurDataCol(), c.toCol);
    if (c.mode == gmListBox) {
      EXPECT_EQ(Grid->GetSelection()->Count(), 1);
      EXPECT_TRUE(Grid->GetDBRowSelected(Bkm(c.toRec))) << "the new current record alone is selected";
    }
  }
  Reset();
}

// Insert starts an insert only where the grid edits a dataset that can change; otherwise the key
// passes on. Escape cancels the dataset's edit and hides the editor unless it is always shown.
TEST_F(DBGridKeys, InsertAndEscapeFollowTheModeAndTheDataset) {
  struct TInsertCase {
    const char* name;
    TtsGridMode mode;
    bool readOnly, handled;
  };
  const TInsertCase inserts[] = {
      {"gmEdit", gmEdit, false, true},
      {"gmEditInsert", gmEditInsert, false, true},
      {"gmBrowse", gmBrowse, false, false},
      {"gmListBox", gmListBox, false, false},
      {"read-only dataset", gmEdit, true, false},
  };
  for (const TInsertCase& c : inserts) {
    SCOPED_TRACE(c.name);
    Reset();
    Grid->SetGridMode(c.mode);
    Data->SetCanModifyRows(!c.readOnly);
    MoveTo(1, 3);
    Word key = VK_INSERT;
    Grid->ProcessKeyDown(key, {});
    EXPECT_EQ(key == 0, c.handled);
    EXPECT_EQ(Data->State() == dsInsert, c.handled);
  }
  for (bool always : {false, true}) {
    SCOPED_TRACE(always ? "AlwaysShowEditor" : "editor on demand");
    Reset();
    Grid->SetAlwaysShowEditor(always);
    MoveTo(2, 3);
    HeadlessBackend::InjectText("x");
    Pump();
    ASSERT_EQ(Data->State(), dsEdit);
    ASSERT_TRUE(Grid->ControlShownAsEditor());
    Word key = VK_ESCAPE;
    Grid->ProcessKeyDown(key, {});
    Pump();
    EXPECT_EQ(Data->State(), dsBrowse) << "the dataset's edit is cancelled";
    EXPECT_EQ(Data->FieldByName("name")->GetAsString(), String("王五"));
    EXPECT_EQ(Grid->ControlShownAsEditor(), always);
  }
  Grid->SetAlwaysShowEditor(false);
  Reset();
}

// Tab past the last record appends; Shift+Tab back from the appended record, left empty, drops it
// and stands on the last column of the record above; a typed append is posted by the next Tab,
// which appends again. Enter without TabRowWrap posts the record and stays.
TEST_F(DBGridKeys, TabAppendsAndAnEmptyAppendIsDroppedOnTheWayBack) {
  Reset();
  MoveTo(2, KeyRecordCount);
  Press(VK_TAB);
  ASSERT_EQ(Grid->GetDataEditMode(), demAppend);
  EXPECT_EQ(Grid->GetCurDataCol(), 1);
  Press(VK_TAB, {ssShift});
  EXPECT_EQ(Data->State(), dsBrowse);
  EXPECT_EQ(Data->RecordCount(), KeyRecordCount) << "the empty append is dropped";
  EXPECT_EQ(CurrentRecord(), KeyRecordCount);
  EXPECT_EQ(Grid->GetCurDataCol(), 2);
  Press(VK_TAB);
  HeadlessBackend::InjectText("31");
  Pump();
  Press(VK_TAB);
  Press(VK_TAB);
  EXPECT_EQ(Data->RecordCount(), KeyRecordCount + 1) << "the typed append is posted";
  EXPECT_EQ(Grid->GetDataEditMode(), demAppend) << "and another record appended";
  Reset();

  Grid->SetTabRowWrap(false);
  MoveTo(2, 3);
  HeadlessBackend::InjectText("x");
  Pump();
  ASSERT_EQ(Data->State(), dsEdit);
  Press(VK_RETURN);
  EXPECT_EQ(Data->State(), dsBrowse) << "Enter ends the row's edit";
  EXPECT_NE(Data->FieldByName("name")->GetAsString(), String("王五"));
  EXPECT_EQ(CurrentRecord(), 3);
  Reset();
}

// In row-select mode Up, Down and the page keys leave the new record alone selected. The rows
// selected before are repainted unselected from the snapshot, without repainting every row when
// the view stays, and what the key left on the screen is what a full repaint shows.
TEST_F(DBGridKeys, RowSelectKeysRepaintTheRowsWhoseSelectionChanged) {
  Grid->SetGridMode(gmListBox);
  Grid->SetRowSelectMode(rsMulti);
  Pump();
  Integer lines = Grid->GetVisibleRowCount();
  Integer last = Grid->GetGridRowCount();  // the last line, the one next to the records below
  ASSERT_GE(lines, 4);
  struct TCase {
    const char* name;
    bool fromEnd;
    Integer line;                   // of the current record
    std::vector<Integer> selected;  // lines
    Word key;
    TShiftState shift;
    bool viewStays;
  };
  const TCase cases[] = {
      {"Down inside the view", false, 2, {1, 2, 3}, VK_DOWN, {}, true},
      {"Up inside the view", false, 3, {1, 3, 4}, VK_UP, {}, true},
      {"Down past the view", false, last, {last - 2, last - 1, last}, VK_DOWN, {}, false},
      {"Up past the view", true, 1, {1, 2}, VK_UP, {}, false},
      {"Page Down", false, 2, {1, 2, 4}, VK_NEXT, {}, false},
      {"Ctrl+Home", true, 3, {2, 3}, VK_HOME, {ssCtrl}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Grid->DoSelectRows(StartBkmPos(), EndBkmPos(), false, false);
    CurrentOnLine(c.fromEnd, c.line, 1);
    ASSERT_EQ(Grid->GetCurDisplayRow(), c.line);
    for (Integer line : c.selected) Grid->SetDBRowSelected(Variant(Grid->GetGridData()->GetBookmark(line)), true);
    Pump();
    TRect cell;
    Grid->CellRect(2, c.selected.front(), cell);
    SelectedBackground = WindowPictures::ClientPixel(Grid, cell.right - 3, cell.bottom - 3);
    std::set<String> painted;
    Grid->OnPaintCell = [&](TObject*, Integer, const Variant& DataRow, TRect, TtsPaintCellState, bool&) {
      painted.insert(VarToStr(DataRow));
    };
    Press(c.key, c.shift);
    Grid->OnPaintCell = nullptr;
    EXPECT_EQ(Grid->GetSelection()->Count(), 1);
    EXPECT_TRUE(Grid->GetDBRowSelected(Variant(Data->GetBookmark())));
    if (c.viewStays) EXPECT_LT(static_cast<Integer>(painted.size()), lines) << "no full repaint";
    for (Integer line = 1; line <= Grid->GetGridRowCount(); ++line) {
      bool selected = Grid->GetDBRowSelected(Variant(Grid->GetGridData()->GetBookmark(line)));
      EXPECT_EQ(LinePaintedSelected(line), selected) << "line " << line;
    }
    EXPECT_EQ(DifferencesFromFullRepaint(), 0);
  }
}

// In a cell the keys move the current record; what they leave on the screen is what a full repaint
// shows, whether the view stays or scrolls.
TEST_F(DBGridKeys, CellKeysLeaveTheScreenAsAFullRepaintWouldDrawIt) {
  Integer last = Grid->GetGridRowCount();  // the last line, the one next to the records below
  struct TCase {
    const char* name;
    bool fromEnd;
    Integer line, col;  // the current record's line and column
    Word key;
    TShiftState shift;
  };
  const TCase cases[] = {
      {"Down inside the view", false, 2, 2, VK_DOWN, {}},
      {"Up inside the view", false, 3, 2, VK_UP, {}},
      {"Down past the view", false, last, 2, VK_DOWN, {}},
      {"Up past the view", true, 1, 2, VK_UP, {}},
      {"Page Down", false, 2, 2, VK_NEXT, {}},
      {"Page Up", true, 3, 2, VK_PRIOR, {}},
      {"Tab to the next record", false, 3, 2, VK_TAB, {}},
      {"Tab past the view", false, last, 2, VK_TAB, {}},
      {"Shift+Tab to the previous record", false, 3, 1, VK_TAB, {ssShift}},
      {"Shift+Tab past the view", true, 1, 1, VK_TAB, {ssShift}},
      {"Ctrl+End", false, 3, 1, VK_END, {ssCtrl}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    Reset();
    CurrentOnLine(c.fromEnd, c.line, c.col);
    ASSERT_EQ(Grid->GetCurDisplayRow(), c.line);
    Press(c.key, c.shift);
    EXPECT_EQ(DifferencesFromFullRepaint(), 0);
  }
}

// Unbound, the grid keeps the plain grid's rows: its cell block reports integer rows, Tab and
// Shift+Tab move by the plain grid's rules and the record operations leave it alone.
TEST_F(DBGridKeys, AnUnboundGridKeepsThePlainGridsRows) {
  Grid->SetDataSource(nullptr);
  Grid->SetDBRowCount(5);
  Grid->SetCellSelectMode(cmRange);
  Grid->SelectCells(1, 2, 2, 4);
  TtsDBRect cells = Grid->GetSelectedCells();
  EXPECT_EQ(cells.LeftCol, 1);
  EXPECT_EQ(cells.RightCol, 2);
  EXPECT_EQ(cells.TopRow.ToInteger(), 2);
  EXPECT_EQ(cells.BottomRow.ToInteger(), 4);
  Grid->ResetRowProperties(TtsProperties{prSelected});
  Grid->ResetCellProperties(TtsProperties{prSelected});
  EXPECT_FALSE(Grid->CellSelected(1, Variant(2)));
  Integer lastCol = Grid->GetGridColCount();
  Grid->SetCurrentDataRow(1);
  Grid->SetCurrentDataCol(lastCol - 1);
  Grid->SetTabRowWrap(true);
  Pump();
  Press(VK_TAB);
  EXPECT_EQ(Grid->GetCurDataCol(), lastCol);
  Press(VK_TAB);
  EXPECT_EQ(Grid->GetCurDataRow(), 2) << "the plain grid wraps to its next row";
  EXPECT_EQ(Grid->GetCurDataCol(), 1);
  Press(VK_TAB, {ssShift});
  EXPECT_EQ(Grid->GetCurDataRow(), 1);
  EXPECT_EQ(Grid->GetCurDataCol(), lastCol);
  Grid->PutCellInView(1, Variant(5));
  Grid->SetTopLeft(1, Variant(2));
  EXPECT_EQ(Grid->GetTopRow(), 1) << "the record top-left is a bound grid's";
}

// After the dataset scrolled by Offset lines the snapshot describes the lines as they stood before:
// line r is stored at r + Offset, and lines that fall outside the view are skipped.
TEST_F(DBGridKeys, SavedRowsSnapshotShiftsByTheScrolledLines) {
  Integer lines = Grid->GetGridRowCount();
  ASSERT_GE(lines, 4);
  for (Integer rec : {1, 2, lines}) Grid->SetDBRowSelected(Bkm(rec), true);
  for (Integer offset : {0, 1, -1, 2}) {
    SCOPED_TRACE(offset);
    Grid->SaveSelectedRows(offset);
    for (Integer index = 1; index <= lines; ++index) {
      Integer line = index - offset;  // the line whose state index holds
      bool expected = line >= 1 && line <= lines && (line == 1 || line == 2 || line == lines);
      EXPECT_EQ(Grid->SavedRowSelected(index), expected) << "index " << index;
    }
    EXPECT_FALSE(Grid->SavedRowSelected(0));
    EXPECT_FALSE(Grid->SavedRowSelected(lines + 1));
  }
}

// A record above the view becomes the top line, one below it the last visible line, and with
// vpBottom any record out of view ends on the last visible line; a record in view stays where it is.
TEST_F(DBGridKeys, PutInViewBringsTheRecordToTheTopOrTheBottomLine) {
  Integer visible = Grid->GetVisibleRowCount();
  ASSERT_GE(visible, 3);
  TtsGridData* data = Grid->GetGridData();
  Data->Last();
  Pump();
  Integer topAtEnd = RecordOfLine(1);
  ASSERT_GT(topAtEnd, 12);
  struct TCase {
    const char* name;
    bool fromEnd;  // the view shows the last records first, else the first ones
    Integer rec;
    TtsViewPosition position;
    TtsChangeTopLeft change;
    Integer line;  // where the record then stands, 0: not in the buffer
  };
  const TCase cases[] = {
      {"above the view, ctlTop", true, 2, vpNone, ctlTop, 1},
      {"above the view, vpBottom", true, 12, vpBottom, ctlTop, visible},
      {"below the view, ctlTop", false, 20, vpNone, ctlTop, visible},
      {"below the view, vpBoth and ctlBoth", false, 15, vpBoth, ctlBoth, visible},
      {"on the top line, vpBottom", true, topAtEnd, vpBottom, ctlTop, 1},
      {"inside the view, ctlBoth", false, 2, vpBottom, ctlBoth, 2},
      {"below the view, ctlNone", false, 20, vpNone, ctlNone, 0},
      {"below the view, ctlLeft", false, 20, vpNone, ctlLeft, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.fromEnd ? Data->Last() : Data->First();
    Pump();
    Grid->PutInView(1, Bkm(c.rec), c.position, false, false, c.change);
    Pump();
    EXPECT_EQ(data->BufferRow(Bkm(c.rec).ToString()), c.line);
  }
  Data->First();
  Grid->PutCellInView(2, Bkm(KeyRecordCount));
  EXPECT_GT(data->BufferRow(Bkm(KeyRecordCount).ToString()), 0) << "the record comes into view";
  Data->First();
  Grid->PutCellInView(9, Bkm(KeyRecordCount));
  EXPECT_EQ(data->BufferRow(Bkm(KeyRecordCount).ToString()), 0) << "a column the grid lacks: nothing";
}

}  // namespace
}  // namespace DBGridTest
