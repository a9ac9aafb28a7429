// The dialect rewrite and the dialect's functions, on an in-memory SQLite connection.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <random>

#include "DateTime.h"
#include "Format.h"
#include "Sha256.h"
#include "SqlDialect.h"
#include "SqlFunctions.h"
#include "Strings.h"

namespace {

TEST(SqlDialect, RewritesOnlyWhatSqliteCannotParse) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {
      {"select top 1 sjc from dic_auto", "select sjc from dic_auto LIMIT 1"},
      {"SELECT DISTINCT TOP 10 a FROM t ORDER BY a;", "SELECT DISTINCT a FROM t ORDER BY a LIMIT 10;"},
      {"delete from dat_buy where [id] = 5", "delete from dat_buy where \"id\" = 5"},
      {"select [a\"b] from t", "select \"a\"\"b\" from t"},
      {"select \"it's\" from t", "select 'it''s' from t"},
      {"insert into t values('[top]', 'a''b -- c')", "insert into t values('[top]', 'a''b -- c')"},
      {"select a from t -- [x] \"y\"", "select a from t -- [x] \"y\""},
      {"select (select top 2 x from u) from t", "select (select top 2 x from u) from t"},
      {"select topic from t", "select topic from t"},
      {"select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy",
       "select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy"},
  };
  for (const Case& c : cases) EXPECT_EQ(SqlDialect::TranslateSql(c.in), c.out) << c.in;
  EXPECT_EQ(SqlDialect::ParameterNames("select :a, ':b', :A, :c::text from t"), (std::vector<String>{"a", "c"}));
}

class DialectFunctionsTest : public testing::Test {
 protected:
  void SetUp() override {
    sqlite3_open(":memory:", &Db);
    SqlFunctions::RegisterDialectFunctions(Db);
  }
  void TearDown() override { sqlite3_close(Db); }
  String Eval(const String& expr) {
    sqlite3_stmt* stmt = nullptr;
    String sql = "select " + expr;
    if (sqlite3_prepare_v2(Db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) return "prepare error";
    String result;
    if (sqlite3_step(stmt) == SQLITE_ROW)
      result = sqlite3_column_type(stmt, 0) == SQLITE_NULL ? "NULL" : reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    else
      result = String("error: ") + sqlite3_errmsg(Db);
    sqlite3_finalize(stmt);
    return result;
  }
  sqlite3* Db = nullptr;
};

TEST_F(DialectFunctionsTest, NowLenAndDateDiff) {
  TManualClock clock(EncodeDate(2026, 12, 31) + EncodeTime(23, 59, 58, 700));
  TClockOverride use(clock);
  struct Case { const char* expr; const char* result; };
  const Case cases[] = {
      {"now()", "2026-12-31 23:59:58"},
      {"len('拍卖😀a')", "4"},
      {"len(NULL)", "NULL"},
      {"DateDiff('s', now(), '2026-12-31 23:59:59')", "1"},
      {"DateDiff('s', now(), '2026-12-31 23:59:57')", "-1"},
      {"DateDiff('n', '2026-12-31 23:59:59', '2027-1-1 0:00:01')", "1"},
      {"DateDiff('h', '2026-12-31 23:00', '2027-01-01 01:00:00')", "2"},
      {"DateDiff('d', '2026-12-31 23:59:59', '2027-01-01 00:00:00')", "1"},
      {"DateDiff('m', '2026-01-31', '2026-02-01')", "1"},
      {"DateDiff('yyyy', '2026-12-31', '2027-01-01')", "1"},
      {"DateDiff('ww', '2026-12-12', '2026-12-13')", "1"},
      {"DateDiff('s', now(), NULL)", "NULL"},
      {"DateDiff('s', now(), 'abcdef')", "error: Data type mismatch in criteria expression."},
      {"DateDiff('x', now(), now())", "error: Invalid procedure call or argument."},
      {"DateDiff('S', '2024-02-28 23:59:59', '2024-02-29 00:00:00')", "1"},
      {"DateDiff('q', '2026-12-31 23:59:59', '2027-01-01 00:00:00')", "1"},
      {"DateDiff('s', 0.5, '1899-12-30 12:00:01')", "1"},
      {"DateDiff('s', '2026-02-30 00:00:00', now())", "error: Data type mismatch in criteria expression."},
      {"DateDiff('s', '2026-12-31 24:00:00', now())", "error: Data type mismatch in criteria expression."},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.result) << c.expr;
}

TEST_F(DialectFunctionsTest, DateDiffCountsTheSameForDueTimeTextsAsForDateTimeNumbers) {
  // Due times in the stored pattern are read in place; the same moments as numbers go through the
  // date-time arithmetic. Both must count alike for every interval.
  std::mt19937 random(45);
  auto moment = [&] {
    return EncodeDate(static_cast<Word>(1990 + random() % 60), static_cast<Word>(1 + random() % 12),
                      static_cast<Word>(1 + random() % 28)) +
           EncodeTime(static_cast<Word>(random() % 24), static_cast<Word>(random() % 60),
                      static_cast<Word>(random() % 60), 0);
  };
  for (int round = 0; round < 300; ++round) {
    const TDateTime a = moment(), b = moment();
    const String textA = QuotedStr(SqlFunctions::DialectDateTimeText(a));
    const String textB = QuotedStr(SqlFunctions::DialectDateTimeText(b));
    for (const char* interval : {"s", "n", "h", "d", "y", "w", "ww", "m", "q", "yyyy"}) {
      const String numbers = Format("DateDiff('%s', %.10f, %.10f)", {interval, a, b});
      const String texts = Format("DateDiff('%s', %s, %s)", {interval, textA, textB});
      ASSERT_EQ(Eval(texts), Eval(numbers)) << texts;
    }
  }
}

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex(String(1000, 'a')).substr(0, 16), "41edece42d63e8d9");
}

}  // namespace
