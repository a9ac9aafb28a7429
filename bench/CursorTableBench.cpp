// A table of 100000 records read a screen (25 records) at a time, and with a jump to the last
// record and back to the first: through a read-only clone of its engine cursor, against the same
// reads through the dataset's own records, timed in the same run. The "ratio" counter is cursor
// time over dataset time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "ADODB.h"
#include "EngineCursor.h"
#include "Multibyte.h"
#include "SqliteDatabase.h"
#include "Table.h"
#include "Units.h"

namespace Units {
void RegisterUnits_platform_db();
}

namespace {

constexpr Integer Screen = 25;

struct TBenchTable {
  String Dir;
  TComponent* Owner = nullptr;
  TTable* Table = nullptr;

  TBenchTable() {
    Units::RegisterUnits_platform_db();
    Units::InitializeUnits();
    char templ[] = "/tmp/bench-cursor-XXXXXX";
    Dir = mkdtemp(templ);
    String file = Dir + "/bench.db";
    CreateDatabaseFile(file, "",
                       {"CREATE TABLE items (id INTEGER PRIMARY KEY, name VARCHAR(20), qty INTEGER)",
                        "CREATE INDEX ix_name ON items(name)",
                        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000) "
                        "INSERT INTO items SELECT x, 'n' || (x * 7919 % 100000), x % 97 FROM n"},
                       false);
    Owner = New<TComponent>(nullptr);
    auto* con = New<TADOConnection>(Owner);
    con->SetLoginPrompt(false);
    con->SetConnectionString(Utf8ToWide("Data Source='" + file + "'"));
    Table = New<TTable>(Owner);
    Table->SetConnection(con);
    Table->SetTableName("items");
    Table->SetIndexName("ix_name");
    Table->Open();
  }
  ~TBenchTable() {
    Owner->Free();
    std::filesystem::remove_all(Dir);
  }
};

TBenchTable& Bench() {
  static TBenchTable bench;
  return bench;
}

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// Reads Count records through the cursor in one direction, touching field 2 of each.
void CursorRead(TEngineCursor& cursor, std::vector<Byte>& record, Integer count, bool forward) {
  char name[21];
  bool blank;
  for (Integer i = 0; i < count; ++i) {
    if ((forward ? cursor.GetNextRecord(record.data(), nullptr) : cursor.GetPriorRecord(record.data(), nullptr)) != crOk)
      return;
    cursor.GetField(2, record.data(), name, blank);
    benchmark::DoNotOptimize(name[0]);
  }
}

void DataSetRead(TTable* table, Integer count, bool forward) {
  for (Integer i = 0; i < count && !(forward ? table->Eof() : table->Bof()); ++i) {
    benchmark::DoNotOptimize(table->FieldByName("name")->GetAsString());
    forward ? table->Next() : table->Prior();
  }
}

void BM_PageDown(benchmark::State& state) {
  TTable* table = Bench().Table;
  auto cursor = table->Handle()->CloneReadOnly();
  std::vector<Byte> record(static_cast<size_t>(cursor->GetProps().RecordSize));
  const Integer pages = static_cast<Integer>(state.range(0));
  double cursorTime = 0, dataSetTime = 0;
  for (auto _ : state) {
    Clock::time_point t = Clock::now();
    cursor->SetToBegin();
    for (Integer p = 0; p < pages; ++p) CursorRead(*cursor, record, Screen, true);
    cursorTime += Seconds(t);
    t = Clock::now();
    table->First();
    for (Integer p = 0; p < pages; ++p) DataSetRead(table, Screen, true);
    dataSetTime += Seconds(t);
  }
  state.counters["ratio"] = cursorTime / dataSetTime;
}
BENCHMARK(BM_PageDown)->Arg(40)->Arg(400)->Unit(benchmark::kMillisecond);

void BM_JumpLastAndFirst(benchmark::State& state) {
  TTable* table = Bench().Table;
  auto cursor = table->Handle()->CloneReadOnly();
  std::vector<Byte> record(static_cast<size_t>(cursor->GetProps().RecordSize));
  double cursorTime = 0, dataSetTime = 0;
  for (auto _ : state) {
    Clock::time_point t = Clock::now();
    cursor->SetToEnd();
    CursorRead(*cursor, record, Screen, false);
    cursor->SetToBegin();
    CursorRead(*cursor, record, Screen, true);
    cursorTime += Seconds(t);
    t = Clock::now();
    table->Last();
    DataSetRead(table, Screen, false);
    table->First();
    DataSetRead(table, Screen, true);
    dataSetTime += Seconds(t);
  }
  state.counters["ratio"] = cursorTime / dataSetTime;
}
BENCHMARK(BM_JumpLastAndFirst)->Unit(benchmark::kMicrosecond);

void BM_OpenAndClone(benchmark::State& state) {
  TTable* table = Bench().Table;
  double openTime = 0, cloneTime = 0;
  for (auto _ : state) {
    Clock::time_point t = Clock::now();
    table->Close();
    table->Open();
    openTime += Seconds(t);
    t = Clock::now();
    benchmark::DoNotOptimize(table->Handle()->CloneReadOnly());
    cloneTime += Seconds(t);
  }
  state.counters["clone_over_open"] = cloneTime / openTime;
}
BENCHMARK(BM_OpenAndClone)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
