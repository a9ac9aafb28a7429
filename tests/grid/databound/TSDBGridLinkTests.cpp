// The data link road: a bound grid follows its dataset through opening,
// closing, the application's close-reopen-restore cycle, scrolling, editing and
// DisableControls pairs; its lines show the data link's record window, and the
// bookmark caches agree with the dataset after every step.
#include <filesystem>
#include <random>

#include "ADODB.h"
#include "DBGridTestSupport.h"
#include "Multibyte.h"
#include "SqliteDatabase.h"
#include "StringLists.h"
#include "Strings.h"
#include "TSDBGridData.h"
#include "TSDBGridDataLink.h"

namespace DBGridTest {
namespace {

class DBGridLinkTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Grid->HandleNeeded();
  }

  void AddRecords(Integer From, Integer To) {
    for (Integer i = From; i <= To; ++i) Data->AddRow({Variant(i), Variant("R" + IntToStr(i))});
  }

  TtsGridData *Strategy() { return Grid->GetGridData(); }

  // The id shown on a line: the record the line's bookmark names.
  Integer LineId(Integer Line) {
    TtsGridData *data = Strategy();
    Integer active = data->GetActiveRecord();
    data->SetActiveRecord(Line);
    Integer id = Data->FieldByName("id")->GetAsInteger();
    data->SetActiveRecord(active);
    return id;
  }

  // Every line's cached bookmark is the bookmark of the record it shows, the
  // grid has a row per line, and the current line is the dataset's current
  // record.
  void ExpectConsistent(const std::vector<Integer> &ExpectedIds) {
    TtsGridData *data = Strategy();
    ASSERT_EQ(data->GetBufferRows(), static_cast<Integer>(ExpectedIds.size()));
    EXPECT_EQ(Grid->GetGridRowCount(), data->GetBufferRows());
    for (Integer line = 1; line <= data->GetBufferRows(); ++line) {
      EXPECT_EQ(LineId(line), ExpectedIds[static_cast<size_t>(line - 1)]) << "line " << line;
      Integer active = data->GetActiveRecord();
      data->SetActiveRecord(line);
      String bookmark = Data->GetBookmark();
      data->SetActiveRecord(active);
      EXPECT_EQ(data->GetBookmark(line), bookmark) << "line " << line;
    }
    Integer current = data->CurrentBufRow();
    ASSERT_GE(current, 1);
    EXPECT_EQ(LineId(current), Data->FieldByName("id")->GetAsInteger());
    EXPECT_EQ(Grid->GetCurDataRow(), current);
    EXPECT_EQ(Grid->GetCurrentBookmark(), Data->GetBookmark());
  }

  static std::vector<Integer> Ids(Integer First, Integer Count) {
    std::vector<Integer> ids;
    for (Integer i = 0; i < Count; ++i) ids.push_back(First + i);
    return ids;
  }
};

TEST_F(DBGridLinkTest, OpeningCloseAndRestoringTheRecordNumberFollowTheDataset) {
  BindAndOpen();
  ASSERT_TRUE(Grid->GetDataActive());
  EXPECT_EQ(Grid->GetDatasetType(),
            dstStandard);  // no platform dataset suits the scroll strategy
  ExpectConsistent(Ids(1, 5));
  EXPECT_EQ(Strategy()->CurrentBufRow(), 1);

  Data->SetRecNo(4);
  ExpectConsistent(Ids(1, 5));
  EXPECT_EQ(Strategy()->CurrentBufRow(), 4);

  // The application's refresh: close, reopen, put the record number back.
  Data->Close();
  EXPECT_FALSE(Grid->GetDataActive());
  EXPECT_EQ(Grid->GetGridRowCount(), Grid->DefaultRowCount());
  EXPECT_EQ(Strategy()->GetBufferRows(), 0);
  EXPECT_EQ(Strategy()->GetBookmark(1), String());
  Data->Open();
  EXPECT_EQ(Strategy()->CurrentBufRow(), 1);
  Data->SetRecNo(4);
  ExpectConsistent(Ids(1, 5));
  EXPECT_EQ(Strategy()->CurrentBufRow(), 4);
}

TEST_F(DBGridLinkTest, ScrollingBeyondTheWindowShiftsTheLinesAndTheirCaches) {
  AddRecords(6, 200);
  BindAndOpen();
  Integer n = Grid->MaxDisplayRows();
  ASSERT_GT(n, 3);
  ASSERT_LT(n, 200);
  ExpectConsistent(Ids(1, n));
  Data->MoveBy(n + 2);  // the window follows by three records
  ExpectConsistent(Ids(4, n));
  Data->MoveBy(-1);  // inside the window: no shift
  ExpectConsistent(Ids(4, n));
  Data->First();
  ExpectConsistent(Ids(1, n));
  Data->Last();
  ExpectConsistent(Ids(200 - n + 1, n));
  EXPECT_EQ(Strategy()->CurrentBufRow(), n);
}

TEST_F(DBGridLinkTest, EditPostCancelInsertAndAppendSetTheEditMode) {
  BindAndOpen();
  Data->SetRecNo(2);
  Data->Edit();
  EXPECT_EQ(Grid->GetDataEditMode(), demEdit);
  Data->FieldByName("name")->SetAsString("改");
  Data->Post();
  EXPECT_EQ(Grid->GetDataEditMode(), demNone);
  EXPECT_EQ(LineId(2), 2);
  ExpectConsistent(Ids(1, 5));

  Data->Insert();  // inside the data: an insert
  EXPECT_EQ(Grid->GetDataEditMode(), demInsert);
  EXPECT_EQ(Grid->GetGridRowCount(), 6);
  Data->Cancel();
  EXPECT_EQ(Grid->GetDataEditMode(), demNone);
  ExpectConsistent(Ids(1, 5));

  Data->Append();  // the new record is at the end of the data: an append
  EXPECT_EQ(Grid->GetDataEditMode(), demAppend);
  Data->FieldByName("id")->SetAsInteger(6);
  Data->Post();
  EXPECT_EQ(Grid->GetDataEditMode(), demNone);
  EXPECT_EQ(Strategy()->GetBufferRows(), 6);
  EXPECT_EQ(Data->FieldByName("id")->GetAsInteger(), 6);

  Data->Delete();
  EXPECT_EQ(Strategy()->GetBufferRows(), 5);
  ExpectConsistent(Ids(1, 5));
}

TEST_F(DBGridLinkTest, MovesInsideADisableControlsPairArriveAsOneChange) {
  AddRecords(6, 100);
  BindAndOpen();
  Integer n = Grid->MaxDisplayRows();
  Data->DisableControls();
  Data->MoveBy(50);
  Data->MoveBy(-10);
  Data->EnableControls();
  EXPECT_EQ(Data->FieldByName("id")->GetAsInteger(), 41);
  // The window is the dataset's, which followed the cursor to record 51 and
  // back: it starts at 24.
  ExpectConsistent(Ids(51 - n + 1, n));
}

// A naive model of the link's window: the first record it shows stays while the
// current record is in view, moves as little as needed otherwise, and never
// leaves rows empty that records could fill.
struct WindowModel {
  Integer Count = 0, Rows = 0, Top = 0, Current = 0;
  void Fit() {
    if (Current < Top) Top = Current;
    if (Current >= Top + Rows) Top = Current - Rows + 1;
    Top = std::clamp(Top, 0, std::max(0, Count - Rows));
  }
};

TEST_F(DBGridLinkTest, RandomMovesResizesReopensAndRestoresKeepTheLinesOnTheModelsRecords) {
  AddRecords(6, 60);
  BindAndOpen();
  WindowModel model{60, Grid->MaxDisplayRows(), 0, 0};
  std::mt19937 random(41);
  for (int step = 0; step < 300; ++step) {
    switch (random() % 5) {
      case 0: {
        Integer distance = static_cast<Integer>(random() % 41) - 20;
        Data->MoveBy(distance);
        model.Current = std::clamp(model.Current + distance, 0, model.Count - 1);
        break;
      }
      case 1: {
        Integer recNo = static_cast<Integer>(random() % 60) + 1;
        Data->SetRecNo(recNo);
        model.Current = recNo - 1;
        break;
      }
      case 2: {
        Integer recNo = Data->GetRecNo();
        Data->Close();
        Data->Open();
        model.Top = model.Current = 0;
        Data->SetRecNo(recNo);
        model.Current = recNo - 1;
        break;
      }
      case 3: {
        Integer height = 120 + static_cast<Integer>(random() % 400);
        Grid->SetBounds(0, 0, 433, height);
        model.Rows = Grid->MaxDisplayRows();
        break;
      }
      default:
        (random() % 2 ? Data->First() : Data->Last());
        model.Current = Data->Bof() ? 0 : model.Count - 1;
        break;
    }
    model.Fit();
    SCOPED_TRACE(testing::Message() << "step " << step);
    ExpectConsistent(Ids(model.Top + 1, std::min(model.Rows, model.Count)));
    if (HasFatalFailure() || HasFailure()) return;
  }
}

TEST_F(DBGridLinkTest, BookmarksBeyondTheBufferedRecordsAreEmptyAndAnEmptyDatasetIsNeverProbed) {
  BindAndOpen();
  TtsGridData *data = Strategy();
  ASSERT_GT(Grid->GetDataLink()->GetBufferCount(), 5);
  EXPECT_NE(data->GetBookmark(5), String());
  EXPECT_EQ(data->GetBookmark(6), String());
  EXPECT_EQ(data->GetBookmark(0), String());
  Variant id;
  data->GetRecId(6, id);
  EXPECT_TRUE(VarIsEmpty(id));

  Data->Close();
  Data->ClearRows();
  Data->Open();
  EXPECT_TRUE(Grid->GetDataActive());
  EXPECT_EQ(data->GetBufferRows(), 0);
  bool grown = false;
  EXPECT_TRUE(data->ResizeBuffer(Grid->MaxDisplayRows() + 5, grown));
  EXPECT_EQ(Grid->GetDataLink()->GetBufferCount(), Grid->MaxDisplayRows() + 5);
  EXPECT_EQ(Grid->GetDataLink()->GetActiveRecord(), 0);
}

TEST_F(DBGridLinkTest, BufferPositionsOfBookmarks) {
  AddRecords(6, 100);
  BindAndOpen();
  TtsGridData *data = Strategy();
  Integer n = data->GetBufferRows();
  Data->First();
  String before = Data->GetBookmark();
  Data->Last();
  String after = Data->GetBookmark();
  Data->SetRecNo(50);
  Data->SetRecNo(40);  // the window now starts at record 40
  String first = data->GetBookmark(1), last = data->GetBookmark(n), mid = data->GetBookmark(3);
  struct Case {
    String Bookmark;
    Integer Pos, Row;
  } cases[] = {{first, 1, 1}, {mid, 3, 3}, {last, n, n}, {before, 0, 0}, {after, n + 1, 0}, {String(), 0, 0}};
  for (const Case &c : cases) {
    EXPECT_EQ(data->BufferPos(c.Bookmark), c.Pos) << c.Bookmark;
    EXPECT_EQ(data->BufferRow(c.Bookmark), c.Row) << c.Bookmark;
  }
  EXPECT_EQ(data->BufferBkmPos(TtsBkmPos{mid, bpoPrior}), 2);
  EXPECT_EQ(data->BufferBkmPos(TtsBkmPos{mid, bpoNext}), 4);
  EXPECT_EQ(data->BufferBkmPos(StartBkmPos()), 0);
  EXPECT_EQ(data->BufferBkmPos(EndBkmPos()), n + 1);
  EXPECT_EQ(data->BufferBkmPos(TtsBkmPos{last, bpoNext}), n + 1);
  EXPECT_EQ(data->BufferBkmPos(TtsBkmPos{first, bpoPrior}), 0);

  // Walking past the window moves the dataset with its controls disabled and
  // puts it back.
  String next, prev;
  EXPECT_TRUE(data->NextBookmark(last, next));
  EXPECT_TRUE(data->PrevBookmark(first, prev));
  EXPECT_EQ(data->CompareBkm(last, next), -1);
  EXPECT_EQ(data->CompareBkm(prev, first), -1);
  EXPECT_FALSE(data->NextBookmark(after, next));
  EXPECT_FALSE(data->PrevBookmark(before, prev));
  EXPECT_EQ(Data->GetRecNo(), 40);
  ExpectConsistent(Ids(data->FirstRow(), n));
}

TEST_F(DBGridLinkTest, BookmarkPositionComparisons) {
  BindAndOpen();
  TtsGridData *data = Strategy();
  String b1 = data->GetBookmark(1), b2 = data->GetBookmark(2), b3 = data->GetBookmark(3);
  TtsBkmPos bof = StartBkmPos(), eof = EndBkmPos();
  auto at = [](const String &b, TtsBkmPosOffset o) { return TtsBkmPos{b, o}; };
  struct Case {
    TtsBkmPos P1, P2;
    Integer Checked;
    bool Decided;
    Integer Resolved;
  } cases[] = {
      {bof, bof, 0, true, 0},
      {eof, eof, 0, true, 0},
      {bof, at(b1, bpoCurrent), -1, true, -1},
      {bof, at(b1, bpoPrior), 0, false, 0},  // the place before the first record is the start
      {eof, at(b3, bpoCurrent), 1, true, 1},
      {at(b2, bpoCurrent), bof, 1, true, 1},
      {at(b2, bpoCurrent), eof, -1, true, -1},
      {at(b2, bpoCurrent), at(b2, bpoCurrent), 0, true, 0},
      {at(b1, bpoCurrent), at(b2, bpoCurrent), -1, true, -1},
      {at(b2, bpoPrior), at(b2, bpoCurrent), -1, true, -1},
      {at(b2, bpoNext), at(b2, bpoCurrent), 1, true, 1},
      {at(b2, bpoCurrent), at(b2, bpoPrior), 1, true, 1},
      {at(b2, bpoCurrent), at(b2, bpoNext), -1, true, -1},
      {at(b1, bpoNext), at(b2, bpoCurrent), -1, false, 0},  // after b1 is b2
      {at(b3, bpoPrior), at(b2, bpoCurrent), 1, false, 0},  // before b3 is b2
      {at(b1, bpoNext), at(b3, bpoPrior), -1, false, 0},    // both are b2
      {at(b1, bpoCurrent), at(b3, bpoPrior), -1, false, -1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.P1.Bookmark << "/" << c.P1.Offset << " vs " << c.P2.Bookmark << "/"
                                    << c.P2.Offset);
    bool decided;
    EXPECT_EQ(data->CheckCompareBkmPos(c.P1, c.P2, decided), c.Checked);
    EXPECT_EQ(decided, c.Decided);
    TtsBkmPos p1 = c.P1, p2 = c.P2;
    EXPECT_EQ(data->CompareBkmPos(p1, p2), c.Resolved);
    p1 = c.P1, p2 = c.P2;
    EXPECT_EQ(data->GreaterEqualBkmPos(p1, p2), c.Resolved >= 0);
    p1 = c.P1, p2 = c.P2;
    EXPECT_EQ(data->LessEqualBkmPos(p1, p2), c.Resolved <= 0);
  }
  TtsBkmPos r;
  data->NextBkmPos(at(b1, bpoNext), r);
  EXPECT_EQ(r.Bookmark, b2);
  EXPECT_EQ(r.Offset, bpoNext);
  data->PrevBkmPos(at(b1, bpoPrior), r);
  EXPECT_EQ(r.Offset, bpoBof);
  data->CheckNextBkmPos(at(b1, bpoNext), r);
  EXPECT_EQ(r.Bookmark, b2);
  EXPECT_EQ(r.Offset, bpoNext);
}

TEST_F(DBGridLinkTest, MovedCachesKeepWhatStaysInViewAndDropTheRest) {
  AddRecords(6, 100);
  BindAndOpen();
  TtsStandardDataset *data = Grid->GetStandardDataset();
  Integer n = data->GetIdCacheSize();
  ASSERT_GT(n, 2);
  String second = data->GetBookmark(2);
  data->MoveIdBuffers(1);
  EXPECT_EQ(data->GetBookmark(1), second);  // kept, moved up by one
  data->MoveIdBuffers(n);
  // All cleared: the bookmarks are read from the link's window again.
  Integer active = data->GetActiveRecord();
  data->SetActiveRecord(1);
  String first = Data->GetBookmark();
  data->SetActiveRecord(active);
  EXPECT_EQ(data->GetBookmark(1), first);
}

TEST_F(DBGridLinkTest, TheFieldMapFollowsTheColumnsAndLenientMappingKeepsUnknownNames) {
  BindAndOpen();
  TtsGridDataLink *link = Grid->GetDataLink();
  link->ClearMapping();
  link->AddMapping("name", nullptr);
  link->SetLenientMapping(true);
  link->AddMapping("none", nullptr);
  link->SetLenientMapping(false);
  EXPECT_EQ(link->GetMapCount(), 2);
  EXPECT_EQ(link->GetMapCapacity(), 8);
  EXPECT_EQ(link->GetFields(0), Data->FieldByName("name"));
  EXPECT_EQ(link->GetMappedIndex(1), -1);
  EXPECT_EQ(link->GetFields(1), nullptr);
  EXPECT_EQ(link->GetFields(2), nullptr);
  EXPECT_THROW(link->AddMapping("none", nullptr), EDatabaseError);
}

// The application's grid query over a SQLite file: the close-reopen-restore
// cycle.
TEST_F(DBGridLinkTest, AQueryClosedReopenedAndRestoredKeepsTheCurrentRecord) {
  char folder[] = "/tmp/at-dblink-XXXXXX";
  String dir = mkdtemp(folder), file = dir + "/timers.db";
  std::vector<String> schema = {"CREATE TABLE dat_buy (id INTEGER PRIMARY KEY AUTOINCREMENT, wpm TEXT)"};
  for (int i = 1; i <= 30; ++i) schema.push_back("INSERT INTO dat_buy (wpm) VALUES ('物品" + IntToStr(i) + "')");
  SqliteDatabase::CreateDatabaseFile(file, "582047", schema, false);
  auto *con = New<TADOConnection>(Form);
  con->SetLoginPrompt(false);
  con->SetConnectionString(Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + file +
                                      "';Persist Security Info=False;Jet OLEDB:Database Password=582047"));
  auto *query = New<TADOQuery>(Form);
  query->SetConnection(con);
  query->SQL()->SetText("select * from dat_buy");
  Source->SetDataSet(query);
  Grid->SetDataSource(Source);
  query->Open();
  ASSERT_TRUE(Grid->GetDataActive());
  for (Integer recNo : {12, 30, 1, 25}) {
    query->SetRecNo(recNo);
    query->Close();
    query->Open();
    query->SetRecNo(recNo);
    EXPECT_EQ(query->FieldByName("id")->GetAsInteger(), recNo);
    Integer line = Strategy()->CurrentBufRow();
    Integer active = Strategy()->GetActiveRecord();
    Strategy()->SetActiveRecord(line);
    EXPECT_EQ(query->FieldByName("id")->GetAsInteger(), recNo);
    Strategy()->SetActiveRecord(active);
    EXPECT_EQ(Strategy()->GetBookmark(line), query->GetBookmark());
    EXPECT_EQ(Grid->GetCurDataRow(), line);
    EXPECT_EQ(Grid->GetGridRowCount(), std::min(30, Grid->MaxDisplayRows()));
  }
  query->Close();
  con->Close();
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace DBGridTest
