// The fixture of the connection and query tests: a fresh database file of the application's schema
// in a temporary folder, a connection to it, the program clock set to a known moment, and helpers
// that run a statement or open a query.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ADODB.h"
#include "DateTime.h"
#include "Multibyte.h"
#include "SqliteDatabase.h"
#include "StringLists.h"

namespace AdoTest {

inline const char* const AppSchema[] = {
    "CREATE TABLE dat_buy (id INTEGER PRIMARY KEY AUTOINCREMENT, wpm TEXT, ddsj TEXT, flag INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE dat_buy_ls (wpm TEXT, ddsj TEXT)",
    "CREATE TABLE dic_auto (sjc INTEGER)",
    "INSERT INTO dic_auto VALUES (60)",
};
inline const char* const GridQuery = "select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy";

inline String TempDir() {
  char templ[] = "/tmp/at-db-XXXXXX";
  return mkdtemp(templ);
}

inline WideString ConnectionFor(const String& file, const String& password) {
  return Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + file +
                    "';Persist Security Info=False;Jet OLEDB:Database Password=" + password);
}

class AdoQueryTest : public testing::Test {
 protected:
  void SetUp() override {
    Dir = TempDir();
    File = Dir + "/vaskeldb.db";
    CreateDatabaseFile(File, "582047", std::vector<String>(std::begin(AppSchema), std::end(AppSchema)), false);
    Clock.SetNow(EncodeDate(2026, 12, 10) + EncodeTime(12, 0, 0, 0));
    Owner = New<TComponent>(nullptr);
    Con = New<TADOConnection>(Owner);
    Con->SetLoginPrompt(false);
    Con->SetConnectionString(ConnectionFor(File, "582047"));
    Query = NewQuery();
  }
  void TearDown() override {
    Owner->Free();
    std::filesystem::remove_all(Dir);
  }
  TADOQuery* NewQuery() {
    TADOQuery* q = New<TADOQuery>(Owner);
    q->SetConnection(Con);
    return q;
  }
  void Run(const String& sql) {
    TADOQuery* q = NewQuery();
    q->SQL()->SetText(sql);
    q->ExecSQL();
  }
  void OpenWith(TADOQuery* q, const String& sql) {
    q->Close();
    q->SQL()->SetText(sql);
    q->Open();
  }
  Integer Count(const String& table) {
    TADOQuery* q = NewQuery();
    OpenWith(q, "select count(*) as n from " + table);
    return q->FieldByName("n")->GetAsInteger();
  }

  String Dir, File;
  TManualClock Clock;
  TClockOverride ClockInUse{Clock};
  TComponent* Owner = nullptr;
  TADOConnection* Con = nullptr;
  TADOQuery* Query = nullptr;
};

}  // namespace AdoTest
