// The scroll strategy over a cursor of its own: a model test that runs random moves, resizes,
// inserts, appends, posts, cancels and rereads against a plain array of the records, and the
// failures of the cursor surfacing as the grid's errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <vector>

#include "ADODB.h"
#include "DBGridTestSupport.h"
#include "EngineCursor.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SqliteDatabase.h"
#include "Table.h"
#include "Exceptions.h"
#include "MemoryDataSet.h"
#include "TSDBGrid.h"
#include "TSDBGridScrollDataset.h"

namespace {

using namespace DBGridTest;
using namespace TSDBGrid;

// The records the test cursor walks: the dataset's bookmarks in order, each with the record's id.
struct ScrollTestTable {
  std::vector<String> Bookmarks;
  std::vector<Integer> Ids;
  Integer Size() const { return static_cast<Integer>(Ids.size()); }
};

// A cursor over ScrollTestTable; Fault, when set, is asked before every call and answers a code to
// fail the call with (0 lets it run) or raises itself.
class ScrollTestCursor : public TtsScrollCursor {
 public:
  ScrollTestCursor(ScrollTestTable& Table, TRecordNumbering Numbering) : FTable(Table), FNumbering(Numbering) {}
  std::function<Integer(const char*)> Fault;

  TCursorProps Properties() override { return {4, 8, FNumbering}; }
  Integer SetToBegin() override { return Run("begin", [&] { FPos = -1; return crOk; }); }
  Integer SetToEnd() override { return Run("end", [&] { FPos = FTable.Size(); return crOk; }); }
  Integer GetRecord(Integer Direction, Byte* Record, TRecordProps& Props) override {
    return Run("record", [&] {
      if (Direction > 0 && FPos + 1 >= FTable.Size()) {
        FPos = FTable.Size();
        return Integer(crEof);
      }
      if (Direction < 0 && FPos - 1 < 0) {
        FPos = -1;
        return Integer(crBof);
      }
      FPos += Direction;
      if (!OnRecord()) return Integer(crNoCurrentRecord);
      std::memcpy(Record, &FTable.Ids[static_cast<size_t>(FPos)], 4);
      Props.SeqNum = FPos + 1;
      Props.PhyRecNum = FTable.Ids[static_cast<size_t>(FPos)];
      return Integer(crOk);
    });
  }
  Integer GetBookmark(String& Bookmark) override {
    return Run("bookmark", [&] {
      if (!OnRecord()) return Integer(crNoCurrentRecord);
      Bookmark = FTable.Bookmarks[static_cast<size_t>(FPos)];
      return Integer(crOk);
    });
  }
  Integer SetToBookmark(const String& Bookmark) override {
    return Run("setbookmark", [&] {
      auto it = std::find(FTable.Bookmarks.begin(), FTable.Bookmarks.end(), Bookmark);
      if (it == FTable.Bookmarks.end()) return Integer(crNoCurrentRecord);
      FPos = static_cast<Integer>(it - FTable.Bookmarks.begin());
      return Integer(crOk);
    });
  }
  Integer GetSequenceNumber(Integer& Number) override {
    return Run("seq", [&] {
      if (!OnRecord()) return Integer(crNoCurrentRecord);
      Number = FPos + 1;
      return Integer(crOk);
    });
  }
  Integer SetToSequenceNumber(Integer Number) override {
    ++SequenceJumps;
    return Run("setseq", [&] {
      if (Number < 1) {
        FPos = -1;
        return Integer(crBof);
      }
      if (Number > FTable.Size()) {
        FPos = FTable.Size();
        return Integer(crEof);
      }
      FPos = Number - 1;
      return Integer(crOk);
    });
  }
  Integer SetToKey(const Byte*) override { return crNotSupported; }
  Integer ForceReread() override { return crOk; }
  Integer GetProperty(Cardinal, Integer& Value) override { return crOk; }
  Integer SetProperty(Cardinal, Integer) override { return crOk; }
  String ErrorMessage(Integer Code) override { return "engine error " + IntToStr(Code); }

  Integer SequenceJumps = 0;

 private:
  bool OnRecord() const { return FPos >= 0 && FPos < FTable.Size(); }
  template <class F>
  Integer Run(const char* Op, F Body) {
    if (Fault) {
      Integer code = Fault(Op);
      if (code != crOk) return code;
    }
    return Body();
  }
  ScrollTestTable& FTable;
  TRecordNumbering FNumbering;
  Integer FPos = -1;
};

class ScrollTestSource : public TtsScrollCursorSource {
 public:
  ScrollTestSource(ScrollTestTable& Table, TRecordNumbering Numbering) : FTable(Table), FNumbering(Numbering) {}
  std::unique_ptr<TtsScrollCursor> CloneCursor(TDataSet*) override {
    auto cursor = std::make_unique<ScrollTestCursor>(FTable, FNumbering);
    Last = cursor.get();
    return cursor;
  }
  Integer DataSetRecordTypes(TDataSet*) override { return 0; }
  ScrollTestCursor* Last = nullptr;

 private:
  ScrollTestTable& FTable;
  TRecordNumbering FNumbering;
};

constexpr Integer ScrollPlaceholderId = -1;

class ScrollDatasetTest : public DBGridTest {
 protected:
  // Opens the strategy over Records records (ids 1..Records) with a buffer of Rows rows.
  void OpenScroll(Integer Records, Integer Rows, TRecordNumbering Numbering) {
    Data->Close();
    Data->ClearRows();
    for (Integer i = 1; i <= Records; ++i) Data->AddRow({i, String("r")});
    BindAndOpen();
    Table = ScrollTestTable();
    for (Data->First(); !Data->Eof(); Data->Next()) {
      Table.Bookmarks.push_back(Data->GetBookmark());
      Table.Ids.push_back(Data->FieldByName("id")->GetAsInteger());
    }
    Model = Table.Ids;
    NextId = Records + 1;
    TestCursors = std::make_unique<ScrollTestSource>(Table, Numbering);
    Scroll = Grid->GetScrollDataset();
    Scroll->SetCursorSource(TestCursors.get());
    Scroll->Open();
    ASSERT_TRUE(Scroll->GetActive());
    bool reset = false;
    Scroll->ResizeBuffer(Rows, reset);
  }

  Integer RowId(Integer Row) {
    if (Scroll->IsPlaceholderRow(Row)) return ScrollPlaceholderId;
    Scroll->SetActiveRecord(Row);
    Integer id = 0;
    std::memcpy(&id, Scroll->GetActiveRecordBuffer(), 4);
    return id;
  }

  Integer ModelIndexOf(Integer Id) {
    return static_cast<Integer>(std::find(Model.begin(), Model.end(), Id) - Model.begin());
  }

  // The buffer holds consecutive records of the model; at exact positions they are the records at
  // first..last; a known count is the model's, an unknown one the estimate.
  void CheckAgainstModel(const std::string& Step) {
    SCOPED_TRACE(Step);
    Integer filled = Scroll->GetBufferRows();
    Integer count = static_cast<Integer>(Model.size());
    ASSERT_LE(filled, Scroll->RowCount());
    if (count == 0) {
      EXPECT_EQ(filled, 0);
      return;
    }
    ASSERT_GT(filled, 0);
    Integer start = ModelIndexOf(RowId(1));
    ASSERT_LT(start, count);
    for (Integer r = 1; r <= filled; ++r) ASSERT_EQ(RowId(r), Model[static_cast<size_t>(start + r - 1)]) << "row " << r;
    if (filled < Scroll->RowCount() && !Scroll->GetInsertPending()) EXPECT_EQ(filled, count);
    Integer estimate = Scroll->GetRecCount();
    if (Scroll->GetRowCountKnown()) {
      EXPECT_EQ(Scroll->ExactCount(), count);
    } else {
      Integer counted = Scroll->CountedRecords();
      EXPECT_LE(counted, count);
      EXPECT_EQ(estimate, counted / 10 < Scroll->RowCount() ? counted + Scroll->RowCount() : counted + counted / 10);
    }
    EXPECT_GE(Scroll->FirstRow(), 1);
    EXPECT_LE(Scroll->LastRow(), estimate);
    if (Scroll->GetEstimated()) {
      if (filled <= estimate * 8 / 10) {
        EXPECT_GE(Scroll->FirstRow(), estimate / 10);
        EXPECT_LE(Scroll->LastRow(), estimate - estimate / 10);
      }
    } else if (Scroll->GetCountDirection() == cdForward) {
      EXPECT_EQ(Scroll->FirstRow(), start + 1);
    } else {
      EXPECT_EQ(estimate - Scroll->LastRow(), count - (start + filled));
    }
    if (Scroll->GetAtEnd()) EXPECT_EQ(start + filled, count);
    if (Scroll->GetAtStart()) EXPECT_EQ(start, 0);
  }

  // Posts the pending insert into the dataset where the placeholder stands, as the grid's dataset
  // would, and tells the test cursor of the new record.
  String PostPlaceholder() {
    Integer at = ModelIndexOf(ScrollPlaceholderId);
    Integer id = NextId++;
    if (at + 1 < static_cast<Integer>(Model.size())) {
      Integer after = at + 1;
      Integer tableIndex = static_cast<Integer>(
          std::find(Table.Ids.begin(), Table.Ids.end(), Model[static_cast<size_t>(after)]) - Table.Ids.begin());
      Data->GotoBookmark(Table.Bookmarks[static_cast<size_t>(tableIndex)]);
      Data->Insert();
    } else {
      Data->Append();
    }
    Data->FieldByName("id")->SetAsInteger(id);
    Data->Post();
    String bookmark = Data->GetBookmark();
    auto pos = std::upper_bound(Table.Bookmarks.begin(), Table.Bookmarks.end(), bookmark);
    size_t index = static_cast<size_t>(pos - Table.Bookmarks.begin());
    Table.Bookmarks.insert(pos, bookmark);
    Table.Ids.insert(Table.Ids.begin() + static_cast<std::ptrdiff_t>(index), id);
    Model[static_cast<size_t>(at)] = id;
    EXPECT_EQ(Table.Ids, Model);
    return bookmark;
  }

  void RunModel(Integer Records, Integer Rows, TRecordNumbering Numbering, unsigned Seed, Integer Steps) {
    OpenScroll(Records, Rows, Numbering);
    std::mt19937 random(Seed);
    auto pick = [&](Integer Low, Integer High) { return std::uniform_int_distribution<Integer>(Low, High)(random); };
    Scroll->MoveFirst();
    CheckAgainstModel("open");
    for (Integer step = 0; step < Steps; ++step) {
      bool pending = Scroll->GetInsertPending();
      Integer filled = Scroll->GetBufferRows();
      std::string name;
      switch (pick(0, 11)) {
        case 0: {
          Integer distance = pick(0, 1) ? pick(-3, 3) : pick(-Records, Records);
          name = "MoveBy " + std::to_string(distance);
          Scroll->MoveBy(distance);
          break;
        }
        case 1:
          name = "MoveFirst";
          Scroll->MoveFirst();
          break;
        case 2:
          name = "MoveLast";
          Scroll->MoveLast();
          break;
        case 3: {
          if (pending || Table.Size() == 0) continue;
          Integer index = pick(0, Table.Size() - 1);
          name = "MoveToRecord " + std::to_string(Table.Ids[static_cast<size_t>(index)]);
          ASSERT_TRUE(Scroll->MoveToRecord(Table.Bookmarks[static_cast<size_t>(index)]));
          EXPECT_EQ(Scroll->GetActiveBookmark(), Table.Bookmarks[static_cast<size_t>(index)]);
          break;
        }
        case 4: {
          Integer rows = pick(1, 8);
          name = "ResizeBuffer " + std::to_string(rows);
          if (pending) continue;
          bool reset = false;
          Scroll->ResizeBuffer(rows, reset);
          break;
        }
        case 5: {
          // The grid grows the buffer by a row for an append and shrinks it back when it ends.
          if (pending) continue;
          name = "ResizeAppend and AppendRecord";
          Integer rows = Scroll->RowCount();
          Scroll->ResizeAppend(1);
          Grown = Scroll->RowCount() - rows;
          String ignored;
          Scroll->AppendRecord(String(), ignored);
          Model.push_back(ScrollPlaceholderId);
          break;
        }
        case 6: {
          if (pending || filled == 0) continue;
          Integer row = pick(1, filled);
          bool keepBelow = pick(0, 1) == 1;
          name = "InsertRecord row " + std::to_string(row) + (keepBelow ? " keeping below" : "");
          String bookmark = Scroll->GetBookmark(row);
          Integer id = RowId(row);
          String ignored;
          Scroll->InsertRecord(keepBelow, bookmark, ignored);
          Model.insert(Model.begin() + ModelIndexOf(id), ScrollPlaceholderId);
          break;
        }
        case 7: {
          if (pending) continue;
          name = "AppendRecord";
          String ignored;
          Scroll->AppendRecord(String(), ignored);
          Model.push_back(ScrollPlaceholderId);
          break;
        }
        case 8:
        case 9: {
          if (!pending) continue;
          bool changed = false;
          String bookmark;
          Integer row = 1;
          for (Integer r = 1; r <= filled; ++r)
            if (Scroll->IsPlaceholderRow(r)) row = r;
          if (pick(0, 1)) {
            name = "EndInsert posted";
            String posted = PostPlaceholder();
            Scroll->EndInsert(bookmark, false, changed, row, false);
            EXPECT_EQ(bookmark, posted);
          } else {
            name = "EndInsert cancelled";
            Model.erase(Model.begin() + ModelIndexOf(ScrollPlaceholderId));
            Scroll->EndInsert(bookmark, true, changed, row, true);
          }
          if (Grown) Scroll->ResizeAppend(-Grown);
          Grown = 0;
          break;
        }
        default: {
          if (pending || filled == 0) continue;
          Integer row = pick(1, filled);
          name = "RereadBuffer " + std::to_string(row);
          Scroll->RereadBuffer(row, true);
          break;
        }
      }
      CheckAgainstModel(std::to_string(step) + ": " + name);
      if (HasFatalFailure()) return;
    }
  }

  ScrollTestTable Table;
  std::vector<Integer> Model;
  Integer NextId = 0;
  Integer Grown = 0;
  std::unique_ptr<ScrollTestSource> TestCursors;
  TtsScrollDataset* Scroll = nullptr;
};

TEST_F(ScrollDatasetTest, RandomOperationsKeepTheBufferOnTheModel) {
  struct Case {
    Integer Records, Rows;
    TRecordNumbering Numbering;
    unsigned Seed;
  };
  const Case cases[] = {
      {200, 5, rnSequence, 1}, {200, 5, rnNone, 2}, {300, 8, rnNone, 3},
      {3, 5, rnSequence, 4},   {0, 4, rnNone, 5},   {1, 1, rnSequence, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("records " + std::to_string(c.Records) + " rows " + std::to_string(c.Rows) + " seed " +
                 std::to_string(c.Seed));
    RunModel(c.Records, c.Rows, c.Numbering, c.Seed, 400);
    if (HasFatalFailure()) return;
    Scroll->Close();
  }
}

TEST_F(ScrollDatasetTest, CountEstimateGrowsByABufferOrATenth) {
  OpenScroll(400, 20, rnNone);
  Scroll->MoveFirst();
  Scroll->MoveBy(5);
  EXPECT_EQ(Scroll->CountedRecords(), 25);
  EXPECT_EQ(Scroll->GetRecCount(), 45);
  Scroll->MoveBy(275);
  EXPECT_EQ(Scroll->CountedRecords(), 300);
  EXPECT_EQ(Scroll->GetRecCount(), 330);
  EXPECT_FALSE(Scroll->GetRowCountKnown());
  EXPECT_EQ(Scroll->DoRecCount(false), 400);
  EXPECT_TRUE(Scroll->GetRowCountKnown());
}

TEST_F(ScrollDatasetTest, ShortTableEndsAtItsRecordsAndKnowsItsCount) {
  OpenScroll(3, 5, rnNone);
  Scroll->MoveLast();
  EXPECT_EQ(Scroll->GetBufferRows(), 3);
  EXPECT_EQ(RowId(1), 1);
  EXPECT_EQ(Scroll->ExactCount(), 3);
}

TEST_F(ScrollDatasetTest, LongScrollsJumpBySequenceNumber) {
  OpenScroll(200, 5, rnSequence);
  Scroll->MoveFirst();
  TestCursors->Last->SequenceJumps = 0;
  EXPECT_EQ(Scroll->MoveBy(100), 100);
  EXPECT_EQ(RowId(1), 101);
  EXPECT_EQ(TestCursors->Last->SequenceJumps, 1);
}

TEST_F(ScrollDatasetTest, PlaceholderRowHasNoBookmarkAndAppendOnEmptyData) {
  OpenScroll(0, 4, rnNone);
  Scroll->MoveFirst();
  String ignored;
  Scroll->AppendRecord(String(), ignored);
  EXPECT_EQ(Scroll->FirstRow(), 1);
  EXPECT_EQ(Scroll->LastRow(), 1);
  EXPECT_TRUE(Scroll->IsPlaceholderRow(1));
  EXPECT_EQ(Scroll->GetBookmark(1), String());
  Variant id;
  Scroll->GetRecordId(3, id);
  EXPECT_EQ(VarToStr(id), String());
}

TEST_F(ScrollDatasetTest, InsertKeepingBelowScrollsTheUpperRowsOut) {
  OpenScroll(50, 5, rnNone);
  Scroll->MoveFirst();
  Scroll->MoveBy(10);
  String ignored;
  Scroll->InsertRecord(true, Scroll->GetBookmark(4), ignored);
  std::vector<Integer> ids;
  for (Integer r = 1; r <= 5; ++r) ids.push_back(RowId(r));
  EXPECT_EQ(ids, (std::vector<Integer>{12, 13, ScrollPlaceholderId, 14, 15}));
  EXPECT_EQ(Scroll->FirstRow(), 12);
}

TEST_F(ScrollDatasetTest, CursorFailuresRaiseTheGridsError) {
  struct Case {
    const char* Op;
    Integer Code;
    bool Raise;
  };
  const Case cases[] = {{"record", crNotSupported, false}, {"record", crNoCurrentRecord, false}, {"begin", 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Op + std::string(" ") + std::to_string(c.Code));
    OpenScroll(20, 5, rnNone);
    TestCursors->Last->Fault = [&](const char* Op) -> Integer {
      if (std::string(Op) != c.Op) return crOk;
      if (c.Raise) DatabaseError("engine is gone");
      return c.Code;
    };
    try {
      Scroll->MoveFirst();
      ADD_FAILURE() << "no error";
    } catch (EInvalidGridOperation& E) {
      String expected = c.Raise ? String("Grid: engine is gone") : "Grid: engine error " + IntToStr(c.Code);
      EXPECT_EQ(E.Message(), expected);
    }
    Scroll->Close();
  }
}

// The strategy over a table's own engine cursor: the rows are the records at first..last.
TEST_F(ScrollDatasetTest, ReadsATableThroughACloneOfItsCursor) {
  char dirTemplate[] = "/tmp/at-scroll-XXXXXX";
  std::string dir = mkdtemp(dirTemplate);
  String file = dir + "/scroll.db";
  String values;
  for (Integer i = 1; i <= 120; ++i) values += (i > 1 ? ", (" : "(") + IntToStr(i) + ", 'r" + IntToStr(i) + "')";
  CreateDatabaseFile(file, "", {"CREATE TABLE items (id INTEGER PRIMARY KEY, name VARCHAR(20))",
                                "INSERT INTO items (id, name) VALUES " + values},
                     false);
  TADOConnection* connection = New<TADOConnection>(Form);
  connection->SetLoginPrompt(false);
  connection->SetConnectionString(
      Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + file + "';Persist Security Info=False"));
  TTable* table = New<TTable>(Form);
  table->SetConnection(connection);
  table->SetTableName("items");
  Source->SetDataSet(table);
  Grid->SetDataSource(Source);
  table->Open();
  Scroll = Grid->GetScrollDataset();
  Scroll->Open();
  ASSERT_TRUE(Scroll->GetActive());
  bool reset = false;
  Scroll->ResizeBuffer(7, reset);
  auto rowIds = [&] {
    std::vector<Integer> ids;
    for (Integer r = 1; r <= Scroll->GetBufferRows(); ++r)
      ids.push_back(static_cast<Integer>(BookmarkRowId(Scroll->GetBookmark(r))));
    return ids;
  };
  auto idsFrom = [](Integer First, Integer Count) {
    std::vector<Integer> ids;
    for (Integer i = 0; i < Count; ++i) ids.push_back(First + i);
    return ids;
  };
  Scroll->MoveFirst();
  EXPECT_EQ(rowIds(), idsFrom(1, 7));
  EXPECT_EQ(Scroll->MoveBy(50), 50);
  EXPECT_EQ(rowIds(), idsFrom(51, 7));
  EXPECT_EQ(Scroll->FirstRow(), 51);
  Scroll->MoveLast();
  EXPECT_EQ(rowIds(), idsFrom(114, 7));
  table->SetRecNo(60);
  ASSERT_TRUE(Scroll->MoveToRecord(table->GetBookmark()));
  EXPECT_EQ(rowIds().front(), 60);
  EXPECT_EQ(Scroll->FirstRow(), 60);
  Scroll->MoveBy(-200);
  EXPECT_EQ(rowIds(), idsFrom(1, 7));
  EXPECT_EQ(Scroll->DoRecCount(false), 120);
  Scroll->Close();
  table->Close();
  std::filesystem::remove_all(dir);
}

}  // namespace
