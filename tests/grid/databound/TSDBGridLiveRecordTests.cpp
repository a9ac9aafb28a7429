// A bound grid over live data: records' own row and cell looks land on the lines that show those
// records (by bookmark and by record id, through scrolling and the application's requery), a
// column's widest text is measured over every record, and the vertical bar's requests move the
// dataset.
#include <map>

#include "DBGridTestSupport.h"
#include "Strings.h"
#include "TSDBGridData.h"
#include "WinQueue.h"
#include "WinScrollBars.h"
#include "WindowPictures.h"

namespace DBGridTest {
namespace {

// Record ids as the application hands them out: a bookmark names a position (the same after every
// open), and the rows as they now stand say which record is there.
struct IdsByPosition : TObject {
  std::map<String, Integer> PositionOf;
  std::vector<Integer> IdAt;
  void GetId(TObject*, const Variant& Bookmark, Variant& Id) {
    auto found = PositionOf.find(VarToStr(Bookmark));
    if (found != PositionOf.end()) Id = Variant(IdAt[static_cast<size_t>(found->second)]);
  }
};

class DBGridLiveTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Form->Show();
    Application->ProcessMessages();
  }

  // Rows "R<id>" in the order given, replacing the fixture's five.
  void SetRows(const std::vector<Integer>& Ids) {
    Data->ClearRows();
    for (Integer id : Ids) Data->AddRow({Variant(id), Variant("R" + IntToStr(id))});
  }

  static std::vector<Integer> Range(Integer First, Integer Last) {
    std::vector<Integer> ids;
    for (Integer i = First; i <= Last; ++i) ids.push_back(i);
    return ids;
  }

  void Paint() {
    Grid->Invalidate();
    Application->ProcessMessages();
  }

  COLORREF CellPixel(Integer DisplayCol, Integer Line) {
    TRect r;
    Grid->CellRect(DisplayCol, Line, r);
    return WindowPictures::ClientPixel(Grid, r.right - 3, r.bottom - 3);
  }

  // Every line's row and name-cell colour as the painting asks them: the row colour on RowLine
  // only, the cell colour on CellLine only (0: on no line).
  void ExpectLooks(Integer RowLine, Integer CellLine, const char* Step) {
    SCOPED_TRACE(Step);
    for (Integer line = 1; line <= Grid->GetGridRowCount(); ++line) {
      EXPECT_EQ(Grid->GetRowColor(line), line == RowLine ? clYellow : clNone) << "line " << line;
      EXPECT_EQ(Grid->GetCellColor(2, line), line == CellLine ? clAqua : clNone) << "line " << line;
    }
    Paint();
    if (RowLine > 0) EXPECT_EQ(CellPixel(1, RowLine), RGB(255, 255, 0)) << "row colour painted";
    if (CellLine > 0) {
      EXPECT_EQ(CellPixel(2, CellLine), RGB(0, 255, 255)) << "cell colour painted";
      EXPECT_NE(CellPixel(1, CellLine), RGB(0, 255, 255)) << "only that cell";
    }
    TRect client = Grid->GetClientRect();
    if (RowLine == 0) EXPECT_EQ(WindowPictures::CountPixels(Grid, client, RGB(255, 255, 0)), 0);
    if (CellLine == 0) EXPECT_EQ(WindowPictures::CountPixels(Grid, client, RGB(0, 255, 255)), 0);
  }

  Integer Lines() { return Grid->GetGridData()->GetBufferRows(); }
};

TEST_F(DBGridLiveTest, LooksKeyedByBookmarkStayWithTheirRecordsThroughScrollsAndAttachByPositionAfterARequery) {
  SetRows(Range(1, 200));
  BindAndOpen();
  Integer n = Lines();
  ASSERT_GT(n, 5);
  ASSERT_LT(n, 200);
  Grid->SetDBRowColor(Variant(BookmarkOf(3)), clYellow);
  Grid->SetDBCellColor(2, Variant(BookmarkOf(5)), clAqua);
  ExpectLooks(3, 5, "first page");

  Data->MoveBy(n + 2);  // the window moves three records on: record 3 leaves, record 5 is on line 2
  ExpectLooks(0, 2, "scrolled by three");
  Data->Last();
  ExpectLooks(0, 0, "last page");
  Data->First();
  ExpectLooks(3, 5, "back at the start");

  // The application's refresh: the bookmarks are positions again, and the looks land where they were.
  Data->SetRecNo(4);
  Data->Close();
  Data->Open();
  Data->SetRecNo(4);
  ExpectLooks(3, 5, "after close, open and restore");
}

TEST_F(DBGridLiveTest, LooksKeyedByRecordIdFollowTheRecordWhenARequeryReordersIt) {
  const Integer count = 10;
  IdsByPosition ids;
  SetRows(Range(1, count));
  Data->Open();
  for (Data->First(); !Data->Eof(); Data->Next())
    ids.PositionOf[Data->GetBookmark()] = Data->GetRecNo() - 1;
  Data->Close();
  ids.IdAt = Range(1, count);
  Grid->SetUseRecordIds(true);
  Grid->SetOnGetRecordID(TtsDBGetRecordIDEvent(&ids, &IdsByPosition::GetId));
  BindAndOpen();
  ASSERT_EQ(Lines(), count) << "every record on a line";

  Grid->SetDBRowColor(Variant(7), clYellow);
  Grid->SetDBCellColor(2, Variant(2), clAqua);
  ExpectLooks(7, 2, "ids in their first order");
  EXPECT_EQ(Grid->GetDBDisplayRownr(Variant(7)), 7);

  // The query comes back in the reverse order: record 7 is on line 4, record 2 on line 9.
  Data->Close();
  std::vector<Integer> reversed(ids.IdAt.rbegin(), ids.IdAt.rend());
  SetRows(reversed);
  ids.IdAt = reversed;
  Data->Open();
  ExpectLooks(4, 9, "ids after the reordering requery");
  EXPECT_EQ(Grid->GetDBDisplayRownr(Variant(7)), 4);
}

TEST_F(DBGridLiveTest, AColumnsWidestTextIsMeasuredOverEveryRecordAndTheViewIsKept) {
  std::vector<Integer> rows = Range(1, 200);
  SetRows(rows);
  Data->AddRow({Variant(201), Variant(String("一个很长很长很长的拍品名称"))});
  EXPECT_EQ(Grid->GetCols()->GetItem(1)->GetMaxTextWidth(), 0) << "unbound columns measure the grid's own rows";
  BindAndOpen();
  const Variant longName = Variant(BookmarkOf(201)), lastName = Variant(BookmarkOf(200));
  Data->SetRecNo(30);
  Data->MoveBy(-3);  // the current record is not the top line
  TtsDatasetPosition before;
  Grid->GetGridData()->GetDatasetPosition(before);
  Integer recNo = Data->GetRecNo();

  Integer widest = Grid->GetCols()->GetItem(2)->GetMaxTextWidth();
  TtsDatasetPosition after;
  Grid->GetGridData()->GetDatasetPosition(after);
  EXPECT_EQ(after.Bookmark, before.Bookmark) << "the same top line";
  EXPECT_EQ(after.BufferRow, before.BufferRow);
  EXPECT_EQ(Data->GetRecNo(), recNo);
  EXPECT_TRUE(Grid->GetEnableRedraw());
  EXPECT_EQ(widest, Grid->GetDbCellTextWidth(2, longName)) << "the long name, far below the window";
  EXPECT_GT(widest, Grid->GetDbCellTextWidth(2, lastName));

  Data->Close();  // a closed dataset leaves the grid its one default column
  EXPECT_EQ(Grid->GetCols()->GetItem(1)->GetMaxTextWidth(), 0) << "no records to measure";
}

TEST_F(DBGridLiveTest, ALineStepMovesThePixelsAndPaintsOnlyTheNewLinesAsAWholeRepaintWould) {
  SetRows(Range(1, 200));
  BindAndOpen();
  Grid->SetDBRowColor(Variant(BookmarkOf(30)), clYellow);
  Grid->SetDBCellColor(2, Variant(BookmarkOf(33)), clAqua);
  Paint();
  Integer n = Lines();
  TRect first, second;
  Grid->CellRect(1, 1, first);
  Grid->CellRect(1, 2, second);
  const Integer pitch = second.top - first.top;
  struct Step {
    const char* Name;
    Integer MoveBy;
  };
  const Step steps[] = {{"to the last line", n - 1}, {"one line on", 1}, {"three lines on", 3},
                        {"back to the top line", -(n - 1)}, {"one line back", -1},
                        {"two lines back", -2}, {"a page on", n + 4}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.Name);
    Data->MoveBy(step.MoveBy);
    if (std::abs(step.MoveBy) < 4) {
      TRect pending = WindowPictures::UpdateBox(Grid);
      EXPECT_LE(pending.Height(), (std::abs(step.MoveBy) + 3) * pitch + 1)
          << "only the new lines and those around the current row's old and new places";
    }
    Grid->Update();
    GdiSurface::TGdiSurface stepped, whole;
    ASSERT_TRUE(WindowPictures::CaptureClient(Grid, stepped));
    Paint();
    ASSERT_TRUE(WindowPictures::CaptureClient(Grid, whole));
    EXPECT_EQ(WindowPictures::Differences(stepped, whole), 0);
  }
}

TEST_F(DBGridLiveTest, BarRequestsMoveTheDataset) {
  SetRows(Range(1, 200));
  BindAndOpen();
  Integer page = Grid->GetVisibleRowCount();
  ASSERT_GT(page, 5);
  struct Case {
    const char* Name;
    Integer From, Code, Thumb, RecNo;
  };
  const Case cases[] = {
      {"line down", 1, SB_LINEDOWN, 0, 2},
      {"line up at the first record", 1, SB_LINEUP, 0, 1},
      {"line up", 50, SB_LINEUP, 0, 49},
      {"line down at the last record", 200, SB_LINEDOWN, 0, 200},
      {"page down", 1, SB_PAGEDOWN, 0, 1 + page},
      {"page up", 100, SB_PAGEUP, 0, 100 - page},
      {"page up near the start", 3, SB_PAGEUP, 0, 1},
      {"top", 150, SB_TOP, 0, 1},
      {"bottom", 10, SB_BOTTOM, 0, 200},
      {"thumb released in the middle", 1, SB_THUMBPOSITION, 120, 120},
      {"thumb released at the start", 90, SB_THUMBPOSITION, 0, 1},
      {"thumb released past the end", 90, SB_THUMBPOSITION, 250, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Data->SetRecNo(c.From);
    Application->ProcessMessages();
    if (c.Code == SB_THUMBPOSITION) ::SetScrollPos(Grid->GetHandle(), SB_VERT, c.Thumb, FALSE);
    ::SendMessage(Grid->GetHandle(), WM_VSCROLL, MAKEWPARAM(c.Code, 0), 0);
    EXPECT_EQ(Data->GetRecNo(), c.RecNo);
    TtsGridData* lines = Grid->GetGridData();
    EXPECT_EQ(lines->GetBookmark(lines->CurrentBufRow()), Data->GetBookmark()) << "the grid's line follows";
    EXPECT_EQ(::GetScrollPos(Grid->GetHandle(), SB_VERT), Grid->GetVertScrollPos()) << "the bar shows it";
  }
  // Paging down onto the last records shows a whole last page, not the last record alone.
  Data->SetRecNo(200 - page / 2);
  ::SendMessage(Grid->GetHandle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  EXPECT_EQ(Data->GetRecNo(), 200);
  EXPECT_EQ(Grid->GetTopRow(), Grid->GetMaxTopRow());
}

}  // namespace
}  // namespace DBGridTest
