// What a statement text may do: names are only names (a misspelt one is an error that names it,
// never a text value), a text holds one statement (anything after it is refused before anything
// runs), parameters are bound by their data type, and whole numbers beyond 32 bits read exactly.
#include "AdoTestSupport.h"
#include "DBConsts.h"
#include "DateFormat.h"
#include "Format.h"
#include "Strings.h"

using namespace AdoTest;

namespace {

class AdoStatementTest : public AdoQueryTest {
 protected:
  void SetUp() override {
    AdoQueryTest::SetUp();
    Run("insert into dat_buy(wpm,ddsj) values('a','2026-12-11 00:00:00')");
    Run("insert into dat_buy(wpm,ddsj) values('b','2026-12-12 00:00:00')");
  }
  // The message of what running Sql raises (opened when it starts with "select"); empty when it runs.
  String Failure(const String& sql) {
    try {
      if (SameText(sql.substr(0, 6), "select")) OpenWith(Query, sql);
      else Run(sql);
    } catch (const EADOError& e) {
      return e.Message();
    }
    return String();
  }
};

TEST_F(AdoStatementTest, AnUnknownNameIsAnErrorThatNamesItAndTouchesNoRow) {
  struct TCase {
    const char* Sql;
    const char* Named;
  };
  const TCase cases[] = {
      {"delete from dat_buy where [wmp] <> 'x'", "wmp"},
      {"update dat_buy set flag = 1 where [idd] = 1", "idd"},
      {"select [nosuch] from dat_buy", "nosuch"},
      {"select * from dat_buy where [wmp] = 'a'", "wmp"},
      {"create index by_nosuch on dat_buy([nosuch])", "nosuch"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Sql);
    String message = Failure(c.Sql);
    EXPECT_NE(message.find(c.Named), String::npos) << message;
  }
  EXPECT_EQ(Count("dat_buy"), 2);
  OpenWith(Query, "select flag from dat_buy where flag <> 0");
  EXPECT_EQ(Query->RecordCount(), 0);
  // Names that exist, and the dialect's double-quoted texts, are what they were.
  OpenWith(Query, "select [wpm] from dat_buy where [id] = 2 and wpm <> \"x\"");
  EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), "b");
}

TEST_F(AdoStatementTest, TextAfterTheStatementIsRefusedBeforeAnythingRuns) {
  // A quote in an item name pasted into the application's insert text.
  const String injected = Format("insert into dat_buy(wpm,ddsj) values('%s','%s')",
                                 {"x','y'); delete from dat_buy; --", "2026-12-13 00:00:00"});
  const String refused[] = {
      injected,
      "insert into dat_buy_ls(wpm,ddsj) values('a','b'); commit",
      "delete from dat_buy where [id] = 1; delete from dat_buy",
      "select * from dat_buy; delete from dat_buy",
      "select * from dat_buy; garbage",
      "; delete from dat_buy",
  };
  for (const String& sql : refused) {
    SCOPED_TRACE(sql);
    EXPECT_NE(Failure(sql).find(DBConsts::STrailingCharacters), String::npos);
  }
  EXPECT_EQ(Count("dat_buy"), 2);
  EXPECT_EQ(Count("dat_buy_ls"), 0);
  EXPECT_THROW(Con->Execute("delete from dat_buy; delete from dat_buy_ls"), EADOError);
  EXPECT_EQ(Count("dat_buy"), 2);

  // A closing ";", blanks and comments after the statement are no statement.
  for (const char* sql : {"select * from dat_buy;", "select * from dat_buy ;  \n", "select * from dat_buy -- all",
                          "select * from dat_buy /* all */ ;"}) {
    SCOPED_TRACE(sql);
    EXPECT_EQ(Failure(sql), "");
    EXPECT_EQ(Query->RecordCount(), 2);
  }
  EXPECT_EQ(Con->Execute("update dat_buy set flag = 1 where [id] = 1;"), 1);
}

TEST_F(AdoStatementTest, ParametersAreBoundByTheirDataType) {
  const TDateTime due = EncodeDate(2026, 12, 10) + EncodeTime(12, 1, 40, 0);
  struct TCase {
    TFieldType Type;
    Variant Value;
    const char* Stored;
    const char* StoredType;
  };
  const TCase cases[] = {
      {ftDateTime, Variant(double(due)), "2026-12-10 12:01:40", "text"},
      {ftDateTime, Variant(String("2026-12-10 12:01:40")), "2026-12-10 12:01:40", "text"},
      {ftDate, Variant(double(due)), "2026-12-10", "text"},
      {ftTime, Variant(double(due)), "12:01:40", "text"},
      {ftUnknown, VarFromDateTime(due), "2026-12-10 12:01:40", "text"},
      {ftInteger, Variant(String("12")), "12", "integer"},
      {ftFloat, Variant(String("2.5")), "2.5", "real"},
      {ftString, Variant(Integer(7)), "7", "text"},
      {ftUnknown, Variant(2.5), "2.5", "real"},
      {ftDateTime, Null(), "", "null"},
  };
  Run("create table p (v)");  // no type of its own: it keeps what it is given
  TADOQuery* insert = NewQuery();
  insert->SQL()->SetText("insert into p(v) values(:due)");
  for (const TCase& c : cases) {
    SCOPED_TRACE(VarToStr(c.Value) + " as type " + IntToStr(c.Type));
    Run("delete from p");
    TParameter* param = insert->GetParameters()->ParamByName("due");
    param->SetDataType(c.Type);
    param->SetValue(c.Value);
    insert->ExecSQL();
    OpenWith(Query, "select v, typeof(v) as t from p");
    EXPECT_EQ(Query->FieldByName("v")->GetAsString(), c.Stored);
    EXPECT_EQ(Query->FieldByName("t")->GetAsString(), c.StoredType);
  }
  TParameter* param = insert->GetParameters()->ParamByName("due");
  param->SetDataType(ftDateTime);
  param->SetValue(String("next week"));
  EXPECT_THROW(insert->ExecSQL(), EConvertError);

  // A due time given as a date-time number is read back by the grid query.
  TADOQuery* timer = NewQuery();
  timer->SQL()->SetText("insert into dat_buy(wpm,ddsj) values('param', :ddsj)");
  timer->GetParameters()->ParamByName("ddsj")->SetDataType(ftDateTime);
  timer->GetParameters()->ParamByName("ddsj")->SetValue(double(due));
  timer->ExecSQL();
  OpenWith(Query, GridQuery);
  ASSERT_TRUE(Query->Locate("wpm", String("param"), {}));
  EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), 100);
  EXPECT_EQ(Query->FieldByName("ddsj")->GetAsDateTime(), due);
}

TEST_F(AdoStatementTest, WholeNumbersBeyondThirtyTwoBitsReadExactly) {
  Run("update dic_auto set sjc = 3000000000");
  OpenWith(Query, "select sjc, -sjc * 2 as twice from dic_auto");
  EXPECT_DOUBLE_EQ(Query->FieldByName("sjc")->GetAsFloat(), 3000000000.0);
  EXPECT_EQ(Query->FieldByName("sjc")->GetAsString(), "3000000000");
  EXPECT_EQ(Query->FieldByName("sjc")->DisplayText(), "3000000000");
  EXPECT_DOUBLE_EQ(Query->FieldByName("twice")->GetAsFloat(), -6000000000.0);
  EXPECT_EQ(Query->FieldByName("twice")->GetAsString(), "-6000000000");
}

}  // namespace
