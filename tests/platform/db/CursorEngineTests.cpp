// The engine cursor over a SQLite table: stepping, positions, bookmarks, key search, rereads,
// properties and blobs, through clones of a table's cursor.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ADODB.h"
#include "CursorTestSupport.h"
#include "EngineCursor.h"
#include "Table.h"

namespace CursorTest {
namespace {

using CursorEngineTest = CursorFixture;

std::unique_ptr<TEngineCursor> CloneOf(TTable* table) { return table->Handle()->CloneReadOnly(); }

TEST_F(CursorEngineTest, StepsThroughTheIndexOrderAndAnswersTheEnds) {
  auto cursor = CloneOf(OpenTable("items", "name"));
  EXPECT_EQ(ReadForward(*cursor), std::vector<String>(std::begin(NamesInOrder), std::end(NamesInOrder)));
  std::vector<Byte> record = NewRecord(*cursor);
  struct Step {
    const char* What;
    TCursorResult (TEngineCursor::*Move)(void*, TRecordProps*);
    TCursorResult Result;
    const char* Name;  // the record read; "" for none
  };
  // After the end: next again is the end, prior reads the last; from the beginning prior is the beginning.
  const Step afterEnd[] = {{"next past end", &TEngineCursor::GetNextRecord, crEof, ""},
                           {"prior from end", &TEngineCursor::GetPriorRecord, crOk, "echo"},
                           {"current", &TEngineCursor::GetRecord, crOk, "echo"},
                           {"prior", &TEngineCursor::GetPriorRecord, crOk, "delta"}};
  for (const Step& s : afterEnd) {
    SCOPED_TRACE(s.What);
    EXPECT_EQ((cursor.get()->*s.Move)(record.data(), nullptr), s.Result);
    if (*s.Name) EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), s.Name);
  }
  cursor->SetToBegin();
  EXPECT_EQ(cursor->GetPriorRecord(record.data(), nullptr), crBof);
  EXPECT_EQ(cursor->GetRecord(record.data(), nullptr), crNoCurrentRecord);
  EXPECT_EQ(cursor->GetNextRecord(record.data(), nullptr), crOk);
  EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), "alpha");
  cursor->SetToEnd();
  TBookmarkStr bookmark;
  EXPECT_EQ(cursor->GetBookmark(bookmark), crNoCurrentRecord);
}

TEST_F(CursorEngineTest, RecordPropsGiveSequenceAndRowId) {
  auto cursor = CloneOf(OpenTable("items", "name"));
  TRecordProps props;
  std::vector<Byte> record = NewRecord(*cursor);
  const Int64 rowIds[] = {2, 5, 4, 1, 3};
  for (Integer seq = 1; seq <= 5; ++seq) {
    ASSERT_EQ(cursor->GetNextRecord(record.data(), &props), crOk);
    EXPECT_EQ(props.SeqNum, seq);
    EXPECT_EQ(props.PhyRecNum, rowIds[seq - 1]);
    EXPECT_EQ(props.Status, 0);
  }
  EXPECT_EQ(cursor->GetProps().Numbering, rnSequence);
}

TEST_F(CursorEngineTest, SequenceNumbersJumpAndAnswerTheEnds) {
  auto cursor = CloneOf(OpenTable("items", "name"));
  std::vector<Byte> record = NewRecord(*cursor);
  struct Case {
    Integer SeqNo;
    TCursorResult Result;
    const char* Current;  // the current record after the jump, "" when none
    const char* Next;     // the record read next
  };
  const Case cases[] = {{3, crOk, "charlie", "delta"}, {1, crOk, "alpha", "bravo"}, {5, crOk, "echo", ""},
                        {0, crBof, "", "alpha"},       {6, crEof, "", ""},          {-4, crBof, "", "alpha"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.SeqNo);
    EXPECT_EQ(cursor->SetToSeqNo(c.SeqNo), c.Result);
    if (*c.Current) {
      ASSERT_EQ(cursor->GetRecord(record.data(), nullptr), crOk);
      EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), c.Current);
      Integer seq = 0;
      EXPECT_EQ(cursor->GetSeqNo(seq), crOk);
      EXPECT_EQ(seq, c.SeqNo);
    } else {
      EXPECT_EQ(cursor->GetRecord(record.data(), nullptr), crNoCurrentRecord);
    }
    TCursorResult next = cursor->GetNextRecord(record.data(), nullptr);
    EXPECT_EQ(next, *c.Next ? crOk : crEof);
    if (*c.Next) EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), c.Next);
  }
}

TEST_F(CursorEngineTest, BookmarksRoundTripMatchTheDatasetAndCompareInOrder) {
  TTable* table = OpenTable("items", "name");
  auto cursor = CloneOf(table);
  std::vector<TBookmarkStr> marks;
  std::vector<Byte> record = NewRecord(*cursor);
  table->First();
  while (cursor->GetNextRecord(record.data(), nullptr) == crOk) {
    TBookmarkStr mark;
    ASSERT_EQ(cursor->GetBookmark(mark), crOk);
    EXPECT_EQ(mark, table->GetBookmark()) << "the clone and the dataset name a record alike";
    if (!marks.empty()) EXPECT_LT(table->CompareBookmarks(marks.back(), mark), 0);
    marks.push_back(mark);
    table->Next();
  }
  ASSERT_EQ(marks.size(), 5u);
  for (size_t i : {3u, 0u, 4u, 2u}) {
    ASSERT_EQ(cursor->SetToBookmark(marks[i]), crOk);
    ASSERT_EQ(cursor->GetRecord(record.data(), nullptr), crOk);
    EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), NamesInOrder[i]);
  }
  EXPECT_THROW(cursor->SetToBookmark("x"), EDatabaseError);
}

TEST_F(CursorEngineTest, CurrentRecordDeletedElsewhereIsNoCurrentRecordAndIsSkipped) {
  auto cursor = CloneOf(OpenTable("items", "name"));
  std::vector<Byte> record = NewRecord(*cursor);
  ASSERT_EQ(cursor->SetToSeqNo(2), crOk);  // bravo
  Other->Execute("DELETE FROM items WHERE name IN ('bravo', 'charlie')");
  EXPECT_EQ(cursor->GetRecord(record.data(), nullptr), crNoCurrentRecord);
  ASSERT_EQ(cursor->GetNextRecord(record.data(), nullptr), crOk);
  EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), "delta");
  ASSERT_EQ(cursor->GetPriorRecord(record.data(), nullptr), crOk);
  EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), "alpha");
}

TEST_F(CursorEngineTest, KeySearchStandsBeforeTheFirstRecordAtOrAfterTheKey) {
  auto cursor = CloneOf(OpenTable("items", "name"));
  std::vector<Byte> key = NewRecord(*cursor), record = NewRecord(*cursor);
  struct Case {
    const char* Key;  // nullptr: a blank key
    const char* Next;  // "" for the end
  };
  const Case cases[] = {{"charlie", "charlie"}, {"c", "charlie"}, {"cz", "delta"}, {"a", "alpha"},
                        {"zulu", ""},           {nullptr, "alpha"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key ? c.Key : "blank");
    cursor->InitRecord(key.data());
    char text[21] = {};
    if (c.Key) {
      NativeFields::ValueToNative(ftString, 20, String(c.Key), text);
      cursor->PutField(2, key.data(), text);
    }
    ASSERT_EQ(cursor->SetToKey(key.data()), crOk);
    EXPECT_EQ(cursor->GetRecord(record.data(), nullptr), crNoCurrentRecord);
    TCursorResult next = cursor->GetNextRecord(record.data(), nullptr);
    EXPECT_EQ(next, *c.Next ? crOk : crEof);
    if (*c.Next) EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), c.Next);
  }
  auto byRowId = CloneOf(OpenTable("items"));
  EXPECT_EQ(byRowId->SetToKey(key.data()), crNotSupported);
}

TEST_F(CursorEngineTest, ForceRereadShowsOutsideChangesAndKeepsThePosition) {
  TTable* table = OpenTable("items", "name");
  auto cursor = CloneOf(table);
  std::vector<Byte> record = NewRecord(*cursor);
  ASSERT_EQ(cursor->SetToSeqNo(3), crOk);  // charlie
  Other->Execute("INSERT INTO items (id, name) VALUES (6, 'able')");
  Other->Execute("UPDATE items SET qty = 30 WHERE name = 'charlie'");
  Integer seq = 0;
  cursor->GetSeqNo(seq);
  EXPECT_EQ(seq, 3) << "the order is kept until reread";
  ASSERT_EQ(cursor->GetRecord(record.data(), nullptr), crOk);
  EXPECT_EQ(FieldOf(*cursor, record, 3).ToInteger(), 30) << "values are read when stepped on";
  ASSERT_EQ(cursor->ForceReread(), crOk);
  ASSERT_EQ(cursor->GetRecord(record.data(), nullptr), crOk);
  EXPECT_EQ(VarToStr(FieldOf(*cursor, record, 2)), "charlie");
  cursor->GetSeqNo(seq);
  EXPECT_EQ(seq, 4);
  cursor->SetToBegin();
  EXPECT_EQ(ReadForward(*cursor).front(), "able");
}

TEST_F(CursorEngineTest, ChangesPostedThroughTheDatasetReachItsClones) {
  TTable* table = OpenTable("items", "name");
  auto cursor = CloneOf(table);
  table->Append();
  table->FieldByName("name")->SetAsString("bob");
  table->Post();
  EXPECT_EQ(ReadForward(*cursor), (std::vector<String>{"alpha", "bob", "bravo", "charlie", "delta", "echo"}));
  TBookmarkStr mark;
  ASSERT_EQ(cursor->SetToBookmark(table->GetBookmark()), crOk);
  ASSERT_EQ(cursor->GetBookmark(mark), crOk);
  EXPECT_EQ(mark, table->GetBookmark()) << "the posted record carries the cursor's bookmark";
  table->Delete();
  cursor->SetToBegin();
  EXPECT_EQ(ReadForward(*cursor).size(), 5u);
}

TEST_F(CursorEngineTest, PropertiesAreKeptCopiedByClonesAndUnknownOnesUnsupported) {
  TTable* table = OpenTable("items");
  TEngineCursor* own = table->Handle();
  NativeInt value = -1;
  EXPECT_EQ(own->GetProp(cpRecordTypes, value), crOk);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(own->SetProp(cpRecordTypes, 7), crOk);
  auto clone = own->CloneReadOnly();
  EXPECT_EQ(clone->GetProp(cpRecordTypes, value), crOk);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(clone->GetProp(0x01020304, value), crNotSupported);
  EXPECT_EQ(clone->SetProp(0x01020304, 1), crNotSupported);
  TCursorProps props = clone->GetProps();
  EXPECT_EQ(props.FieldCount, 6);
  EXPECT_GT(props.RecordSize, 0);
}

TEST_F(CursorEngineTest, BlobsReadInPieces) {
  Other->Execute("UPDATE items SET pic = X'0001020304050607', note = 'memo text' WHERE id = 2");
  auto cursor = CloneOf(OpenTable("items", "name"));
  std::vector<Byte> record = NewRecord(*cursor);
  ASSERT_EQ(cursor->GetNextRecord(record.data(), nullptr), crOk);  // alpha, id 2
  bool blank = false;
  cursor->GetField(6, record.data(), nullptr, blank);
  EXPECT_FALSE(blank);
  EXPECT_THROW(cursor->GetBlob(record.data(), 6, 0, 3, nullptr, *std::make_unique<Cardinal>()), EDatabaseError);
  ASSERT_EQ(cursor->OpenBlob(record.data(), 6), crOk);
  Cardinal size = 0;
  cursor->GetBlobSize(record.data(), 6, size);
  EXPECT_EQ(size, 8u);
  struct Piece {
    Cardinal Offset, Count;
    TCursorResult Result;
    Cardinal Read;
  };
  const Piece pieces[] = {{0, 3, crOk, 3}, {3, 3, crOk, 3}, {6, 3, crEndOfBlob, 2}, {8, 3, crBlobNothingRead, 0},
                          {20, 1, crBlobNothingRead, 0}};
  String bytes;
  for (const Piece& p : pieces) {
    SCOPED_TRACE(p.Offset);
    char buffer[3];
    Cardinal read = 99;
    EXPECT_EQ(cursor->GetBlob(record.data(), 6, p.Offset, p.Count, buffer, read), p.Result);
    EXPECT_EQ(read, p.Read);
    bytes.append(buffer, read);
  }
  EXPECT_EQ(bytes, String("\x00\x01\x02\x03\x04\x05\x06\x07", 8));
  EXPECT_EQ(cursor->FreeBlob(record.data(), 6), crOk);
  EXPECT_THROW(cursor->FreeBlob(record.data(), 6), EDatabaseError);
  EXPECT_THROW(cursor->OpenBlob(record.data(), 2), EDatabaseError) << "not a blob field";
  ASSERT_EQ(cursor->OpenBlob(record.data(), 5), crOk);
  cursor->GetBlobSize(record.data(), 5, size);
  EXPECT_EQ(size, 9u);
}

TEST_F(CursorEngineTest, EngineFailuresRaiseDatabaseErrors) {
  TTable* table = OpenTable("items", "name");
  auto cursor = CloneOf(table);
  Other->Execute("DROP TABLE items");
  std::vector<Byte> record = NewRecord(*cursor);
  EXPECT_THROW(cursor->GetNextRecord(record.data(), nullptr), EDatabaseError);
  EXPECT_THROW(cursor->ForceReread(), EDatabaseError);
  EXPECT_THROW(CheckCursorResult(crEof), EDatabaseError);
  EXPECT_NO_THROW(CheckCursorResult(crOk));
  EXPECT_THROW(cursor->GetField(0, record.data(), nullptr, *std::make_unique<bool>()), EDatabaseError);
}

}  // namespace
}  // namespace CursorTest
