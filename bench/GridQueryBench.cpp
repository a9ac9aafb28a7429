// The application's grid query over 1,000 and 10,000 timers, in one run:
//   QueryComponent      the query component closed and opened again, as the grid refresh does
//                       (the statement's dialect functions, its rows into records with fields);
//   QueryComponentRead  the same, then every field of every record read, as a view showing every
//                       row would;
//   SqliteDialect       the same statement through SQLite alone with the dialect's functions (NOW()
//                       read once per statement, as the connection does);
//   SqliteJulianday     the baseline: SQLite alone computing the seconds with its own julianday.
// Each prepares the statement, steps through every row and reads each column by its type. The goal
// is QueryComponent within 1.5 times SqliteJulianday.
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

namespace Units {
void RegisterUnits_platform_db();
}

namespace {

const char* const GridQuery = "select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy";
const char* const JuliandayQuery =
    "select iif(length(ddsj) > 5, cast(round((julianday(ddsj) - julianday('now', 'localtime')) * 86400) as integer), "
    "' ') as sjc, * from dat_buy";

// The runtime's units start at the first benchmark, not during static initialisation.
void StartUnits() {
  static bool started = false;
  if (started) return;
  started = true;
  Units::RegisterUnits_platform_db();
  Units::InitializeUnits();
}

std::vector<std::pair<int, String>> made;  // the databases made, removed at exit

// A database of the application's schema with Rows timers due a minute apart, made once per size.
String DatabaseWith(int rows) {
  StartUnits();
  for (const auto& m : made)
    if (m.first == rows) return m.second;
  char templ[] = "/tmp/at-bench-XXXXXX";
  String file = String(mkdtemp(templ)) + "/vaskeldb.db";
  std::vector<String> schema = TimerDatabase::SchemaStatements();
  schema.push_back("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                   std::to_string(rows) +
                   ") INSERT INTO dat_buy(wpm, ddsj) SELECT '物品' || i, "
                   "datetime('2030-01-01 12:00:00', '+' || i || ' minutes') FROM n");
  SqliteDatabase::CreateDatabaseFile(file, TimerDatabase::DatabasePassword, schema, true);
  if (made.empty())
    std::atexit([] {
      for (const auto& m : made) std::filesystem::remove_all(std::filesystem::path(m.second).parent_path());
    });
  made.emplace_back(rows, file);
  return file;
}

// Closes and opens the grid query on each pass, reading every field of every record after it when
// ReadAll.
void CloseAndOpen(benchmark::State& state, bool readAll) {
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
    if (!readAll) continue;
    for (q->First(); !q->Eof(); q->Next())
      for (Integer f = 0; f < q->FieldCount(); ++f) benchmark::DoNotOptimize(q->Fields()->GetField(f)->GetAsVariant());
  }
  owner->Free();
}

void QueryComponent(benchmark::State& state) { CloseAndOpen(state, false); }
void QueryComponentRead(benchmark::State& state) { CloseAndOpen(state, true); }

// Steps through Sql's rows reading each column as what it holds (with the statement clock running,
// when there is one).
void StepAll(benchmark::State& state, sqlite3* db, const String& sql, SqlFunctions::TStatementClock* clock = nullptr) {
  for (auto _ : state) {
    if (clock) clock->Start();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    int rows = 0, columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      for (int c = 0; c < columns; ++c) {
        if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER) benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
        else benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
      }
      ++rows;
    }
    sqlite3_finalize(stmt);
    if (clock) clock->Stop();
    benchmark::DoNotOptimize(rows);
  }
}

sqlite3* OpenBare(benchmark::State& state) {
  String file = DatabaseWith(static_cast<int>(state.range(0)));
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  return db;
}

void SqliteDialect(benchmark::State& state) {
  sqlite3* db = OpenBare(state);
  SqlFunctions::TStatementClock clock;
  SqlFunctions::RegisterDialectFunctions(db, &clock);
  StepAll(state, db, SqlDialect::TranslateSql(GridQuery), &clock);
  sqlite3_close(db);
}

void SqliteJulianday(benchmark::State& state) {
  sqlite3* db = OpenBare(state);
  StepAll(state, db, JuliandayQuery);
  sqlite3_close(db);
}

}  // namespace

BENCHMARK(QueryComponent)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(QueryComponentRead)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SqliteDialect)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SqliteJulianday)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
