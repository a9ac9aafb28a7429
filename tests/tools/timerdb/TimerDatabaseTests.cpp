// The timer database tool: the file it creates is one the application's connection opens and its
// statements run on, that other SQLite tools read, and that it never replaces unasked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ADODB.h"
#include "Multibyte.h"
#include "StringLists.h"
#include "TimerDatabase.h"

namespace {

class TimerDatabaseTest : public testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/at-timerdb-XXXXXX";
    Dir = mkdtemp(templ);
    File = Dir + "/" + TimerDatabase::DatabaseFileName;
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }
  int RunTool(const String& args) { return WEXITSTATUS(std::system((String(TIMERDB_EXE) + " " + args + " >/dev/null 2>&1").c_str())); }
  String Dir, File;
};

TEST_F(TimerDatabaseTest, CreatedFileServesTheApplicationsStatements) {
  ASSERT_EQ(RunTool("create '" + File + "'"), 0);
  TComponent* owner = New<TComponent>(nullptr);
  auto* con = New<TADOConnection>(owner);
  con->SetConnectionString(Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + File +
                                      "';Persist Security Info=False;Jet OLEDB:Database Password=582047"));
  con->Open();
  auto* q = New<TADOQuery>(owner);
  q->SetConnection(con);
  q->SQL()->SetText("insert into dat_buy(wpm,ddsj) values('a','2026-12-10 12:00:00')");
  q->ExecSQL();
  q->SQL()->SetText("select * from dat_buy");
  q->Open();
  EXPECT_EQ(q->FieldByName("id")->GetAsInteger(), 1);
  EXPECT_EQ(q->FieldByName("flag")->GetAsInteger(), 0);
  q->SQL()->SetText("select top 1 sjc from dic_auto");
  q->Open();
  EXPECT_EQ(q->FieldByName("sjc")->GetAsInteger(), 60);
  q->SQL()->SetText("select count(*) as n from dic_auto");
  q->Open();
  EXPECT_EQ(q->FieldByName("n")->GetAsInteger(), 1);
  q->SQL()->SetText("select * from dat_buy_ls");
  q->Open();
  EXPECT_TRUE(q->IsEmpty());
  owner->Free();
}

TEST_F(TimerDatabaseTest, RefusesToReplaceAFileUnlessForced) {
  std::ofstream(File) << "precious";
  EXPECT_EQ(RunTool("create '" + File + "'"), 1);
  std::ifstream in(File);
  std::stringstream kept;
  kept << in.rdbuf();
  EXPECT_EQ(kept.str(), "precious");
  EXPECT_EQ(RunTool("create --force '" + File + "'"), 0);
  EXPECT_EQ(RunTool("create"), 2);
  EXPECT_EQ(RunTool("remove '" + File + "'"), 2);
}

TEST_F(TimerDatabaseTest, TheSqliteShellReadsTheFile) {
  if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0) GTEST_SKIP() << "no sqlite3 shell here";
  TimerDatabase::CreateTimerDatabase(File, false);
  String out = Dir + "/out.txt";
  ASSERT_EQ(std::system(("sqlite3 '" + File + "' 'select sjc from dic_auto; select name from sqlite_master "
                                              "where type = \"table\" order by name;' > '" + out + "'").c_str()),
            0);
  std::ifstream in(out);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "60\n_db_password\ndat_buy\ndat_buy_ls\ndic_auto\nsqlite_sequence\n");
}

}  // namespace
