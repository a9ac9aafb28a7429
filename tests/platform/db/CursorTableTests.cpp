// TTable over a SQLite table: its order, filter and detail range as its records and its cursor's
// clones see them, FindKey and FindNearest, posts in the index order, and every native field form.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ADODB.h"
#include "CursorDataSet.h"
#include "CursorTestSupport.h"
#include "DateTime.h"
#include "EngineCursor.h"
#include "FmtBcd.h"
#include "NativeFields.h"
#include "Strings.h"
#include "Table.h"

namespace CursorTest {
namespace {

using CursorTableTest = CursorFixture;

std::vector<String> TableNames(TTable* table) {
  std::vector<String> names;
  for (table->First(); !table->Eof(); table->Next()) names.push_back(table->FieldByName("name")->GetAsString());
  return names;
}

TEST_F(CursorTableTest, OrderComesFromIndexNameIndexFieldNamesOrTheRowId) {
  struct Case {
    const char* IndexName;
    const char* IndexFieldNames;
    std::vector<String> Names;
  };
  const Case cases[] = {
      {"", "", {"delta", "alpha", "echo", "charlie", "bravo"}},
      {"ix_name", "", {"alpha", "bravo", "charlie", "delta", "echo"}},
      {"", "cat;qty", {"alpha", "bravo", "delta", "charlie", "echo"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(String(c.IndexName) + "|" + c.IndexFieldNames);
    TTable* table = New<TTable>(Owner);
    table->SetConnection(Con);
    table->SetTableName("items");
    if (*c.IndexName) table->SetIndexName(c.IndexName);
    if (*c.IndexFieldNames) table->SetIndexFieldNames(c.IndexFieldNames);
    table->Open();
    EXPECT_EQ(TableNames(table), c.Names);
    auto clone = table->Handle()->CloneReadOnly();
    EXPECT_EQ(ReadForward(*clone), c.Names);
  }
  TTable* bad = New<TTable>(Owner);
  bad->SetConnection(Con);
  bad->SetTableName("items");
  bad->SetIndexFieldNames("nothing");
  EXPECT_THROW(bad->Open(), EDatabaseError);
  bad->SetTableName("missing");
  bad->SetIndexFieldNames("");
  EXPECT_THROW(bad->Open(), EDatabaseError);
}

TEST_F(CursorTableTest, ChangingTheOrderWhileOpenKeepsTheRecordAndTranslatesBookmarks) {
  TTable* table = OpenTable("items", "name");
  ASSERT_TRUE(table->FindKey({"charlie"}));
  TBookmarkStr byName = table->GetBookmark();
  table->SetIndexFieldNames("qty");
  EXPECT_EQ(table->FieldByName("name")->GetAsString(), "charlie");
  EXPECT_EQ(table->IndexFieldCount(), 1);
  EXPECT_EQ(table->IndexFields(0)->GetFieldName(), "qty");
  EXPECT_EQ(TableNames(table), (std::vector<String>{"alpha", "bravo", "charlie", "delta", "echo"}));
  table->SetIndexName("ix_name");
  EXPECT_EQ(table->GetIndexFieldNames(), "");
  TBookmarkStr now = table->CurrentBookmarkOf(byName);
  EXPECT_EQ(now, byName) << "back in name order the bookmark is the same";
  table->SetIndexFieldNames("qty");
  TBookmarkStr byQty = table->CurrentBookmarkOf(byName);
  ASSERT_FALSE(byQty.empty());
  table->SetBookmark(byQty);
  EXPECT_EQ(table->FieldByName("name")->GetAsString(), "charlie");
  EXPECT_EQ(table->CurrentBookmarkOf(EncodeBookmark({}, 99)), "") << "no such record";
}

TEST_F(CursorTableTest, FilterRestrictsTheRecordsAndTheClones) {
  TTable* table = OpenTable("items", "name");
  table->SetFilter("qty > 2 and cat = 2");
  EXPECT_EQ(table->RecordCount(), 5) << "the filter waits for Filtered";
  table->SetFiltered(true);
  EXPECT_EQ(TableNames(table), (std::vector<String>{"charlie", "echo"}));
  auto clone = table->Handle()->CloneReadOnly();
  EXPECT_EQ(ReadForward(*clone), (std::vector<String>{"charlie", "echo"}));
  table->SetFilter("[name] like 'b%'");
  EXPECT_EQ(TableNames(table), (std::vector<String>{"bravo"}));
  table->SetFilterOptions(TFilterOptions{foCaseInsensitive});
  EXPECT_TRUE(table->GetFilterOptions().Contains(foCaseInsensitive));
  table->SetFiltered(false);
  EXPECT_EQ(table->RecordCount(), 5);
}

TEST_F(CursorTableTest, DetailFollowsItsMaster) {
  TTable* master = OpenTable("cats", "id");
  TDataSource* source = New<TDataSource>(Owner);
  source->SetDataSet(master);
  TTable* detail = New<TTable>(Owner);
  detail->SetConnection(Con);
  detail->SetTableName("items");
  detail->SetIndexFieldNames("cat;name");
  detail->SetMasterSource(source);
  detail->SetMasterFields("id");
  detail->Open();
  EXPECT_EQ(TableNames(detail), (std::vector<String>{"alpha", "bravo", "delta"}));
  master->Next();
  EXPECT_EQ(TableNames(detail), (std::vector<String>{"charlie", "echo"}));
  auto clone = detail->Handle()->CloneReadOnly();
  EXPECT_EQ(ReadForward(*clone), (std::vector<String>{"charlie", "echo"}));
  master->Next();
  EXPECT_TRUE(detail->IsEmpty());
  detail->SetMasterSource(nullptr);
  EXPECT_EQ(detail->RecordCount(), 5);
}

TEST_F(CursorTableTest, FindKeyAndFindNearest) {
  TTable* table = OpenTable("items", "cat;name");
  struct Case {
    std::vector<Variant> Key;
    bool Found;            // FindKey's answer
    const char* Nearest;   // where FindNearest goes
  };
  const Case cases[] = {
      {{2}, true, "charlie"},          {{1, "bravo"}, true, "bravo"}, {{1, "b"}, false, "bravo"},
      {{1, "zz"}, false, "charlie"},   {{3}, false, "echo"},          {{"2"}, true, "charlie"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(VarToStr(c.Key[0]) + (c.Key.size() > 1 ? "," + VarToStr(c.Key[1]) : String()));
    table->First();  // alpha
    EXPECT_EQ(table->FindKey(c.Key), c.Found);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), c.Found ? c.Nearest : "alpha");
    table->FindNearest(c.Key);
    EXPECT_EQ(table->FieldByName("name")->GetAsString(), c.Nearest);
  }
  TTable* byRowId = OpenTable("items");
  EXPECT_THROW(byRowId->FindKey({1}), EDatabaseError);
}

TEST_F(CursorTableTest, RecordBeingInsertedKeepsEveryOtherRecordReachable) {
  for (const char* order : {"name", "qty;cat", ""}) {
    TTable* table = OpenTable("items", order);
    std::vector<TBookmarkStr> marks;
    for (table->First(); !table->Eof(); table->Next()) marks.push_back(table->GetBookmark());
    for (Integer at : {1, 3, 5, 6}) {
      SCOPED_TRACE(String(order) + " " + IntToStr(at));
      if (at > 5) table->Append();
      else {
        table->SetRecNo(at);
        table->Insert();
      }
      for (const TBookmarkStr& mark : marks) EXPECT_TRUE(table->BookmarkValid(mark));
      table->Cancel();
    }
  }
}

TEST_F(CursorTableTest, PostsWriteTheTableAndTakeTheirPlaceInTheOrder) {
  TTable* table = OpenTable("items", "name");
  table->First();
  table->Edit();
  table->FieldByName("name")->SetAsString("foxtrot");  // alpha moves to the end
  table->Post();
  EXPECT_EQ(table->FieldByName("name")->GetAsString(), "foxtrot");
  EXPECT_EQ(TableNames(table), (std::vector<String>{"bravo", "charlie", "delta", "echo", "foxtrot"}));
  table->Insert();
  table->FieldByName("name")->SetAsString("aardvark");
  table->FieldByName("qty")->SetAsInteger(9);
  table->Post();
  EXPECT_EQ(table->FieldByName("id")->GetAsInteger(), 6) << "the record shows the number its row took";
  EXPECT_EQ(table->GetRecNo(), 1);
  table->Refresh();
  EXPECT_EQ(table->FieldByName("name")->GetAsString(), "aardvark") << "a refresh keeps the record";
  TBookmarkStr mark = table->GetBookmark();
  table->Delete();
  EXPECT_FALSE(table->BookmarkValid(mark));
  TADOQuery* q = New<TADOQuery>(Owner);
  q->SetConnection(Other);
  q->SQL()->SetText("select count(*) as n from items where name in ('aardvark', 'alpha')");
  q->Open();
  EXPECT_EQ(q->FieldByName("n")->GetAsInteger(), 0);
}

// Values of every field kind, posted through the table, read back through a clone's record
// buffer and through the dataset's native data.
TEST_F(CursorTableTest, EveryNativeFormRoundTrips) {
  TTable* table = OpenTable("forms");
  const TDateTime date = EncodeDate(2026, 12, 11);
  const TDateTime time = EncodeTime(13, 45, 30, 0);
  struct Case {
    const char* Field;
    Variant Value;
    Variant Read;  // the value read back, when it differs
  };
  const Case cases[] = {
      {"s", String("h\xC3\xA9llo"), {}},
      {"si", -1234, {}},
      {"w", 65000, {}},
      {"i", -2000000000, {}},
      {"f", 2.5, {}},
      {"c", Currency::FromDouble(12.34), 12.34},
      {"b", Currency::FromDouble(-7.25), {}},
      {"yes", true, {}},
      {"d", VarFromDateTime(date), {}},
      {"t", VarFromDateTime(time), {}},
      {"dt", VarFromDateTime(date + time), {}},
      {"bin", String("\x01\x00\x02\x03", 4), {}},
      {"vbin", String("ab\x00", 3), {}},
  };
  table->Append();
  for (const Case& c : cases) table->FieldByName(c.Field)->SetAsVariant(c.Value);
  table->FieldByName("m")->SetAsString("memo");
  auto clone = table->Handle()->CloneReadOnly();
  std::vector<Byte> record = NewRecord(*clone);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Field);
    TField* field = table->FieldByName(c.Field);
    std::vector<Byte> native(static_cast<size_t>(NativeFields::NativeSize(field->DataType(), field->GetSize())));
    ASSERT_TRUE(table->GetFieldData(field, native.data())) << "the record being inserted gives its edit values";
    ASSERT_EQ(clone->PutField(field->FieldNo(), record.data(), native.data()), crOk);
  }
  table->Post();
  std::vector<Byte> read = NewRecord(*clone);
  ASSERT_EQ(clone->GetNextRecord(read.data(), nullptr), crOk);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Field);
    Integer no = table->FieldByName(c.Field)->FieldNo();
    Variant expected = VarIsEmpty(c.Read) ? c.Value : c.Read;
    Variant posted = FieldOf(*clone, read, no);
    Variant put = FieldOf(*clone, record, no);
    if (VarIsFMTBcd(posted)) {
      EXPECT_EQ(BcdToStr(VarToBcd(posted)), BcdToStr(VarToBcd(expected)));
      EXPECT_EQ(BcdToStr(VarToBcd(put)), BcdToStr(VarToBcd(expected)));
    } else if (VarType(expected) == varDate) {
      EXPECT_NEAR(posted.ToDouble(), expected.ToDouble(), 1e-9);
      EXPECT_NEAR(put.ToDouble(), expected.ToDouble(), 1e-9);
    } else {
      EXPECT_TRUE(VarSameValue(posted, expected)) << VarToStr(posted);
      EXPECT_TRUE(VarSameValue(put, expected)) << VarToStr(put);
    }
  }
  bool blank = false;
  clone->GetField(table->FieldByName("g")->FieldNo(), read.data(), nullptr, blank);
  EXPECT_TRUE(blank);
  EXPECT_FALSE(table->GetFieldData(table->FieldByName("g"), nullptr));
}

TEST(CursorNativeForms, TextIsCutWholeCharactersAndBcdMustFit) {
  char text[6];
  NativeFields::ValueToNative(ftString, 5, String("ab\xC3\xA9\xC3\xA9"), text);  // a, b, two two-byte letters
  EXPECT_EQ(String(text), "ab\xC3\xA9");
  FmtBcd::TBcd bcd;
  EXPECT_THROW(NativeFields::ValueToNative(ftBCD, 2, VarFMTBcdCreate(String(40, '9')), &bcd), Exception);
  struct TypeCase {
    const char* Declared;
    TFieldType Type;
    Integer Size;
  };
  const TypeCase types[] = {{"VARCHAR(20)", ftString, 20}, {"TEXT", ftString, 255},  {"SMALLINT", ftSmallint, 0},
                            {"INTEGER", ftInteger, 0},     {"DECIMAL(18,2)", ftBCD, 2}, {"DATETIME", ftDateTime, 0},
                            {"DATE", ftDate, 0},           {"TIME", ftTime, 0},       {"VARBINARY(6)", ftVarBytes, 6},
                            {"BINARY(4)", ftBytes, 4},     {"MEMO", ftMemo, 0},       {"GRAPHIC", ftGraphic, 0},
                            {"BLOB", ftBlob, 0},           {"BOOLEAN", ftBoolean, 0}, {"CURRENCY", ftCurrency, 0}};
  for (const TypeCase& t : types) {
    Integer size = -1;
    EXPECT_EQ(TableFieldType(t.Declared, size), t.Type) << t.Declared;
    EXPECT_EQ(size, t.Size) << t.Declared;
  }
}

}  // namespace
}  // namespace CursorTest
