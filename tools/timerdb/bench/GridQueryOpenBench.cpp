// Opening the application's grid query over 1,000 and 10,000 timers: through the query component
// (rows into dataset records with fields) and through SQLite alone (prepare, step, read each
// column), in the same run, so that their ratio shows what the dataset layer costs.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

#include "ADODB.h"
#include "Multibyte.h"
#include "SqlDialect.h"
#include "SqlFunctions.h"
#include "SqliteDatabase.h"
#include "StringLists.h"
#include "TimerDatabase.h"
#include "Units.h"

namespace {

const char* const GridQuery = "select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy";

// The runtime's units start at the first benchmark, not during static initialisation.
void StartUnits() {
  static bool started = false;
  if (started) return;
  started = true;
  Units::RegisterUnits_platform_rtl();
  Units::InitializeUnits();
}

std::vector<std::pair<int, String>> made;  // the databases made, removed at exit

// A database with Rows timers, made once per size.
String DatabaseWith(int rows) {
  StartUnits();
  for (const auto& m : made)
    if (m.first == rows) return m.second;
  char templ[] = "/tmp/at-bench-XXXXXX";
  String file = String(mkdtemp(templ)) + "/vaskeldb.db";
  std::vector<String> schema = TimerDatabase::SchemaStatements();
  schema.push_back(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(rows) +
      ") INSERT INTO dat_buy(wpm, ddsj) SELECT '物品' || i, '2030-01-01 12:00:00' FROM n");
  SqliteDatabase::CreateDatabaseFile(file, TimerDatabase::DatabasePassword, schema, true);
  if (made.empty())
    std::atexit([] {
      for (const auto& m : made) std::filesystem::remove_all(std::filesystem::path(m.second).parent_path());
    });
  made.emplace_back(rows, file);
  return file;
}

void QueryComponentOpen(benchmark::State& state) {
  String file = DatabaseWith(static_cast<int>(state.range(0)));
  TComponent* owner = New<TComponent>(nullptr);
  auto* con = New<TADOConnection>(owner);
  con->SetConnectionString(Utf8ToWide("Data Source='" + file + "';Jet OLEDB:Database Password=" +
                                      TimerDatabase::DatabasePassword));
  auto* q = New<TADOQuery>(owner);
  q->SetConnection(con);
  q->SQL()->SetText(GridQuery);
  for (auto _ : state) {
    q->Close();
    q->Open();
    benchmark::DoNotOptimize(q->RecordCount());
  }
  owner->Free();
}

void BareSqliteOpen(benchmark::State& state) {
  String file = DatabaseWith(static_cast<int>(state.range(0)));
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  SqlFunctions::RegisterDialectFunctions(db);
  String sql = SqlDialect::TranslateSql(GridQuery);
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    int rows = 0, columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      for (int c = 0; c < columns; ++c) benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
      ++rows;
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(rows);
  }
  sqlite3_close(db);
}


}  // namespace

BENCHMARK(QueryComponentOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BareSqliteOpen)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
