// The connection and query components against real database files: the application's statements
// with the program clock, record numbers after a requery, opening failures, text round trips and
// statements that fail as a whole.
#include <sqlite3.h>

#include <fstream>

#include "AdoTestSupport.h"
#include "Format.h"
#include "Strings.h"

using namespace AdoTest;

namespace {

TEST_F(AdoQueryTest, GridQueryCountsSecondsToTheDueTimeFromTheProgramClock) {
  Run("insert into dat_buy(wpm,ddsj) values('late','2026-12-10 11:59:59')");
  Run("insert into dat_buy(wpm,ddsj) values('soon','2026-12-10 12:00:01')");
  Run("insert into dat_buy(wpm,ddsj) values('short','12:00')");
  Run("insert into dat_buy(wpm,ddsj) values('minute','2026-12-10 12:01:00')");
  OpenWith(Query, GridQuery);
  ASSERT_EQ(Query->RecordCount(), 4);
  std::vector<String> names;
  for (Integer i = 0; i < Query->FieldCount(); ++i) names.push_back(Query->Fields()->GetField(i)->GetFieldName());
  EXPECT_EQ(names, (std::vector<String>{"sjc", "id", "wpm", "ddsj", "flag"}));

  struct Row { const char* wpm; const char* sjc; };
  const Row expected[] = {{"late", "-1"}, {"soon", "1"}, {"short", " "}, {"minute", "60"}};
  Query->First();
  for (const Row& r : expected) {
    SCOPED_TRACE(r.wpm);
    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), r.wpm);
    EXPECT_EQ(Query->FieldByName("sjc")->GetAsString(), r.sjc);
    EXPECT_EQ(Query->FieldByName("flag")->GetAsInteger(), 0);
    if (String(r.sjc) == " ")
      EXPECT_THROW(Query->FieldByName("sjc")->GetAsInteger(), EConvertError);
    else
      EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), StrToInt(r.sjc));
    Query->Next();
  }
  EXPECT_TRUE(Query->Eof());
  EXPECT_EQ(VarToStr(Query->Lookup("wpm", String("minute"), "sjc")), "60");
  EXPECT_EQ(VarToStr(Query->Lookup("sjc", String("-1"), "wpm")), "late");

  // The reminder query sees the clock move: two seconds later "soon" is one second overdue.
  Clock.Advance(2000);
  TADOQuery* reminder = NewQuery();
  Run("update dat_buy set flag = 1 where [id] = 1");
  OpenWith(reminder, "select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy where flag = 0");
  ASSERT_EQ(reminder->RecordCount(), 3);
  EXPECT_EQ(reminder->FieldByName("wpm")->GetAsString(), "soon");
  EXPECT_EQ(reminder->FieldByName("sjc")->GetAsInteger(), -1);
}

TEST_F(AdoQueryTest, SweepStatementsMoveATimerIntoTheHistory) {
  Run("insert into dat_buy(wpm,ddsj) values('a','2026-12-10 11:00:00')");
  Run("insert into dat_buy(wpm,ddsj) values('b','2026-12-11 11:00:00')");
  OpenWith(Query, "select * from dat_buy");
  Query->First();
  Integer id = Query->FieldByName("id")->GetAsInteger();
  EXPECT_LT(Query->FieldByName("ddsj")->GetAsDateTime(), Now());
  Run(Format("delete from dat_buy where [id] = %d", {id}));
  Run(Format("insert into dat_buy_ls(wpm,ddsj) values('%s','%s')",
             {Query->FieldByName("wpm")->GetAsString(), Query->FieldByName("ddsj")->GetAsString()}));
  EXPECT_EQ(Count("dat_buy"), 1);
  EXPECT_EQ(Count("dat_buy_ls"), 1);
  // Ids come from the database, flags start at 0.
  OpenWith(Query, "select * from dat_buy");
  EXPECT_EQ(Query->FieldByName("id")->GetAsInteger(), id + 1);
  EXPECT_EQ(Query->FieldByName("flag")->GetAsInteger(), 0);
}

TEST_F(AdoQueryTest, ThresholdReadsTheFirstRowAndTheUpdateWritesEvery) {
  Run("insert into dic_auto values (30)");
  OpenWith(Query, "select top 1 sjc from dic_auto");
  EXPECT_EQ(Query->RecordCount(), 1);
  EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), 60);
  Run(Format("update dic_auto set sjc = %d", {15}));
  OpenWith(Query, "select sjc from dic_auto");
  EXPECT_EQ(Query->RecordCount(), 2);
  EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), 15);
  Query->Next();
  EXPECT_EQ(Query->FieldByName("sjc")->GetAsInteger(), 15);
}

TEST_F(AdoQueryTest, RecordNumberRestoredAfterARequery) {
  for (int i = 0; i < 5; ++i) Run(Format("insert into dat_buy(wpm,ddsj) values('t%d','2026-12-11 00:00:00')", {i}));
  OpenWith(Query, GridQuery);
  Query->SetRecNo(4);
  Integer recNo = Query->GetRecNo();
  Query->Close();
  Query->Open();
  Query->SetRecNo(recNo);
  EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), "t3");
  Run("delete from dat_buy where wpm in ('t3','t4')");
  Query->Close();
  Query->Open();
  EXPECT_THROW(Query->SetRecNo(recNo), EDatabaseError);
  EXPECT_EQ(Query->GetRecNo(), 1);
}

TEST_F(AdoQueryTest, OpeningChecksFileKindAndPassword) {
  Con->Open();
  EXPECT_TRUE(Con->GetConnected());
  Con->Close();

  std::ofstream(Dir + "/text.db") << "this is no database, only text that is long enough to look like a header";
  SqliteDatabase::CreateDatabaseFile(Dir + "/open.db", "", {}, false);
  SqliteDatabase::CreateDatabaseFile(Dir + "/nopassword.db", "582047", {}, false);
  sqlite3* raw = nullptr;
  sqlite3_open(String(Dir + "/nopassword.db").c_str(), &raw);
  sqlite3_exec(raw, "DROP TABLE _db_password", nullptr, nullptr, nullptr);
  sqlite3_close(raw);
  struct Case { const char* what; String file; const char* password; const char* message; };
  const Case cases[] = {
      {"wrong password", File, "111111", "Not a valid password."},
      {"no password", File, "", "Not a valid password."},
      {"missing file", Dir + "/missing.db", "582047", "Could not find file"},
      {"text file", Dir + "/text.db", "582047", "Unrecognized database format"},
      {"no password table", Dir + "/nopassword.db", "582047", "Unrecognized database format"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Con->SetConnectionString(ConnectionFor(c.file, c.password));
    try {
      Con->Open();
      ADD_FAILURE() << "opened";
    } catch (const EADOError& e) {
      EXPECT_NE(e.Message().find(c.message), String::npos) << e.Message();
    }
    EXPECT_FALSE(Con->GetConnected());
  }
  EXPECT_FALSE(std::filesystem::exists(Dir + "/missing.db"));
  // A file without a password opens with whatever the string gives.
  Con->SetConnectionString(ConnectionFor(Dir + "/open.db", "any"));
  EXPECT_NO_THROW(Con->Open());
  EXPECT_THROW(CreateDatabaseFile(File, "x", {}, false), ESqliteError);
}

TEST_F(AdoQueryTest, TextRoundTripsThroughParametersAndQuotedLiterals) {
  const String texts[] = {"O'Brien \"quoted\" [x]", "拍卖物品", "emoji 😀 -- /* not a comment */", ""};
  for (const String& text : texts) {
    SCOPED_TRACE(text);
    Run("delete from dat_buy_ls");
    TADOQuery* insert = NewQuery();
    insert->SQL()->SetText("insert into dat_buy_ls(wpm,ddsj) values(:wpm, :due)");
    insert->GetParameters()->ParamByName("wpm")->SetValue(text);
    insert->GetParameters()->ParamByName("due")->SetValue(text);
    EXPECT_EQ(insert->ExecSQL(), 1);
    Run("insert into dat_buy_ls(wpm,ddsj) values(" + QuotedStr(text) + ", 'literal')");
    OpenWith(Query, "select wpm from dat_buy_ls");
    ASSERT_EQ(Query->RecordCount(), 2);
    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), text);
    Query->Next();
    EXPECT_EQ(Query->FieldByName("wpm")->GetAsString(), text);
  }
}

TEST_F(AdoQueryTest, AFailedStatementLeavesTheFileAsItWas) {
  Run("insert into dat_buy_ls(wpm,ddsj) values('kept','x')");
  TADOQuery* q = NewQuery();
  // The second row breaks a rule after the first was written: neither stays.
  q->SQL()->SetText("insert into dat_buy(wpm,ddsj,flag) select 'lost', 'x', 0 union all select 'bad', 'x', null");
  EXPECT_THROW(q->ExecSQL(), EADOError);
  EXPECT_THROW(Run("update dat_buy set nosuch = 1"), EADOError);
  EXPECT_EQ(Count("dat_buy"), 0);
  EXPECT_EQ(Count("dat_buy_ls"), 1);
  // A query whose text is no select fails to open and stays closed.
  OpenWith(Query, "select * from dat_buy");
  Query->Close();
  Query->SQL()->SetText("delete from dat_buy");
  EXPECT_THROW(Query->Open(), EADOError);
  EXPECT_FALSE(Query->GetActive());
}

TEST_F(AdoQueryTest, QueryIsReadOnlyAndReopensItsConnection) {
  OpenWith(Query, "select * from dic_auto");
  EXPECT_FALSE(Query->CanModify());
  EXPECT_THROW(Query->Edit(), EDatabaseError);
  Con->Close();
  EXPECT_FALSE(Query->GetActive());
  Query->Open();
  EXPECT_TRUE(Con->GetConnected());
}

TEST(ConnectionString, ValuesAsTheApplicationWritesThem) {
  const String s = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source='/opt/a b/vaskeldb.db';"
                   "Persist Security Info=False;Jet OLEDB:Database Password=582047";
  EXPECT_EQ(ConnectionStringValue(s, "data source"), "/opt/a b/vaskeldb.db");
  EXPECT_EQ(ConnectionStringValue(s, "Jet OLEDB:Database Password"), "582047");
  EXPECT_EQ(ConnectionStringValue(s, "Persist Security Info"), "False");
  EXPECT_EQ(ConnectionStringValue("Data Source=\"it\"\"s; here\";X=1", "Data Source"), "it\"s; here");
  EXPECT_EQ(ConnectionStringValue(s, "User ID"), "");
}

}  // namespace
