// Bookmarks stay with their records: after rows before the current one were deleted and inserted
// by another connection, Refresh stays on the current record and every bookmark still leads to its
// own record, in the records' order; and the keys that make it so.
#include <algorithm>
#include <random>

#include "AdoTestSupport.h"
#include "DBKeys.h"
#include "Format.h"
#include "Strings.h"

using namespace AdoTest;

namespace {

class AdoBookmarkTest : public AdoQueryTest {
 protected:
  void SetUp() override {
    AdoQueryTest::SetUp();
    for (const char* name : {"b", "d", "f", "h", "j"}) {
      Run(Format("insert into dat_buy(wpm,ddsj) values('%s','2026-12-11 00:00:00')", {name}));
      Run(Format("insert into dat_buy_ls(wpm,ddsj) values('%s','2026-12-11 00:00:00')", {name}));
    }
    Other = New<TADOConnection>(Owner);
    Other->SetConnectionString(ConnectionFor(File, "582047"));
  }
  std::vector<String> Names(TADOQuery* q) {
    std::vector<String> names;
    for (q->First(); !q->Eof(); q->Next()) names.push_back(q->FieldByName("wpm")->GetAsString());
    return names;
  }
  TADOConnection* Other = nullptr;
};

TEST_F(AdoBookmarkTest, RefreshAndBookmarksStayWithTheirRecords) {
  // With the table's key in the rows, and without one (the history has none).
  for (const char* table : {"dat_buy", "dat_buy_ls"}) {
    SCOPED_TRACE(table);
    const String sql = String("select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from ") + table +
                       " order by wpm";
    OpenWith(Query, sql);
    ASSERT_TRUE(Query->Locate("wpm", String("b"), {}));
    const String onB = Query->GetBookmark();
    ASSERT_TRUE(Query->Locate("wpm", String("j"), {}));
    const String onJ = Query->GetBookmark();
    ASSERT_TRUE(Query->Locate("wpm", String("h"), {}));
    const String onH = Query->GetBookmark();

    Other->Execute(String("delete from ") + table + " where wpm in ('b', 'd')");
    Other->Execute(String("insert into ") + table + "(wpm,ddsj) values('a','2026-12-11 00:00:00')");
    Other->Execute(String("insert into ") + table + "(wpm,ddsj) values('g','2026-12-11 00:00:00')");
    Other->Execute(String("insert into ") + table + "(wpm,ddsj) values('k','2026-12-11 00:00:00')");
    Clock.SetNow(EncodeDate(2026, 12, 10) + EncodeTime(12, 0, 1, 0));
    Query->Refresh();

    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), "h") << "Refresh stays on the current record";
    EXPECT_EQ(Query->GetRecNo(), 4);
    EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), 43199) << "with its values read again";
    EXPECT_FALSE(Query->BookmarkValid(onB));
    Query->GotoBookmark(onJ);
    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), "j");
    Query->GotoBookmark(onH);
    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), "h");
    EXPECT_THROW(Query->GotoBookmark(onB), EDatabaseError);
    // Bookmarks order as the records do, the new ones among them.
    EXPECT_EQ(Names(Query), (std::vector<String>{"a", "f", "g", "h", "j", "k"}));
    String previous;
    for (Query->First(); !Query->Eof(); Query->Next()) {
      if (!previous.empty()) EXPECT_EQ(Query->CompareBookmarks(previous, Query->GetBookmark()), -1);
      previous = Query->GetBookmark();
    }
    EXPECT_EQ(Query->CompareBookmarks(onH, onJ), -1);
    Query->Close();
    Clock.SetNow(EncodeDate(2026, 12, 10) + EncodeTime(12, 0, 0, 0));
  }
}

TEST(RecordKeys, ReassignKeepsAllTheKeysThatStayInOrderAndFitsNewOnesBetween) {
  std::mt19937 random(19);
  for (int round = 0; round < 200; ++round) {
    // Records fetched before, some gone, the rest shuffled a little, new ones among them.
    const size_t before = random() % 40;
    std::vector<String> old;
    const size_t width = DB::Keys::FetchKeyWidth(before);
    for (size_t i = 0; i < before; ++i) old.push_back(DB::Keys::FetchKey(i, width));
    std::vector<String> kept;
    for (const String& key : old)
      if (random() % 4) kept.push_back(key);
    for (int swaps = random() % 3; swaps > 0 && kept.size() > 1; --swaps)
      std::swap(kept[random() % kept.size()], kept[random() % kept.size()]);
    for (int added = random() % 10; added > 0; --added) kept.insert(kept.begin() + random() % (kept.size() + 1), "");

    std::vector<String> keys = DB::Keys::Reassign(kept);
    ASSERT_EQ(keys.size(), kept.size());
    for (size_t i = 0; i < keys.size(); ++i) {
      ASSERT_FALSE(keys[i].empty());
      if (i) ASSERT_LT(keys[i - 1], keys[i]);
    }
    // As many old keys stay as the longest ascending run of them allows.
    std::vector<String> run;
    for (const String& key : kept) {
      if (key.empty()) continue;
      auto at = std::lower_bound(run.begin(), run.end(), key);
      if (at == run.end()) run.push_back(key);
      else *at = key;
    }
    size_t stayed = 0;
    for (size_t i = 0; i < keys.size(); ++i) stayed += !kept[i].empty() && keys[i] == kept[i];
    EXPECT_EQ(stayed, run.size());
  }
  // A long run of new records gets short keys.
  std::vector<String> keys = DB::Keys::Reassign(std::vector<String>(10000));
  EXPECT_LE(std::max_element(keys.begin(), keys.end(), [](auto& a, auto& b) { return a.size() < b.size(); })->size(),
            16u);
}

}  // namespace
