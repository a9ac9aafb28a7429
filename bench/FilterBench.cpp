// Filtering a million records with '=', BETWEEN, IN and LIKE conditions: a data controller
// refreshing its view through its filter, timed in the same run against SQLite counting the rows
// that the criteria's own filter text selects from an in-memory table of the same rows. The
// "ratio" counter is controller time over SQLite time (goal: 1.0).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <random>

#include "Components.h"
#include "Units.h"
#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxDataStorage.h"

namespace Units {
void RegisterUnits_framework_data();
}

namespace {

constexpr Integer RecordCount = 1000000;

class TBenchController : public TcxCustomDataController {
  DECLARE_CLASS(TBenchController, TcxCustomDataController)
 public:
  using TcxCustomDataController::TcxCustomDataController;
  TObject* GetItem(Integer AIndex) override { return GetFields()->GetItem(AIndex)->GetItem(); }
  String GetItemName(TObject* AItem) override { return AItem == A ? "A" : "S"; }
  String GetFilterItemFieldName(TObject* AItem) override { return GetItemName(AItem); }
  TComponent* A = nullptr;
  TComponent* S = nullptr;
};
IMPLEMENT_CLASS(TBenchController)

// A whole number A in 0 .. 999 and a text S of eight letters a-d, in the controller and in SQLite.
struct TBenchTable {
  TBenchController* Controller = nullptr;
  sqlite3* Db = nullptr;

  TBenchTable() {
    Units::RegisterUnits_framework_data();
    Units::InitializeUnits();
    Controller = New<TBenchController>();
    Controller->A = New<TComponent>();
    Controller->S = New<TComponent>();
    Controller->AddItem(Controller->A)->SetValueTypeClass(ValueTypeClass<TcxIntegerValueType>());
    Controller->AddItem(Controller->S)->SetValueTypeClass(ValueTypeClass<TcxStringValueType>());
    Controller->BeginUpdate();
    Controller->SetRecordCount(RecordCount);
    sqlite3_open(":memory:", &Db);
    sqlite3_exec(Db, "CREATE TABLE t (A INTEGER, S TEXT); BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(Db, "INSERT INTO t VALUES (?, ?)", -1, &insert, nullptr);
    std::mt19937 random(2024);
    for (Integer r = 0; r < RecordCount; ++r) {
      const Integer a = static_cast<Integer>(random() % 1000);
      String s;
      for (int k = 0; k < 8; ++k) s += static_cast<char>('a' + random() % 4);
      Controller->SetValue(r, 0, a);
      Controller->SetValue(r, 1, s);
      sqlite3_bind_int(insert, 1, a);
      sqlite3_bind_text(insert, 2, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    Controller->EndUpdate();
    sqlite3_finalize(insert);
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
  }
};

TBenchTable& GetTable() {
  static TBenchTable* table = new TBenchTable();
  return *table;
}

const char* const CaseNames[] = {"Equal", "Between", "InList", "Like"};

void SetCriteria(int ACase) {
  TBenchTable& t = GetTable();
  TcxDataFilterCriteria* f = t.Controller->GetFilter();
  f->BeginUpdate();
  f->Clear();
  switch (ACase) {
    case 0: f->AddItem(nullptr, t.Controller->A, foEqual, 500, ""); break;
    case 1: f->AddItem(nullptr, t.Controller->A, foBetween, VarArrayOf({100, 300}), ""); break;
    case 2: f->AddItem(nullptr, t.Controller->A, foInList, VarArrayOf({1, 50, 99, 400, 777, 901}), ""); break;
    default: f->AddItem(nullptr, t.Controller->S, foLike, "ab%c%", ""); break;
  }
  f->SetActive(true);
  f->EndUpdate();
}

void BM_Filter(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int c = static_cast<int>(state.range(0));
  state.SetLabel(CaseNames[c]);
  TBenchTable& t = GetTable();
  SetCriteria(c);
  const String sql = "SELECT count(*) FROM t WHERE " + t.Controller->GetFilter()->GetFilterText();
  sqlite3_stmt* query = nullptr;
  sqlite3_prepare_v2(t.Db, sql.c_str(), -1, &query, nullptr);
  Clock::duration road{}, baseline{};
  int accepted = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    t.Controller->Refresh();
    auto t1 = Clock::now();
    sqlite3_step(query);
    accepted = sqlite3_column_int(query, 0);
    sqlite3_reset(query);
    auto t2 = Clock::now();
    road += t1 - t0;
    baseline += t2 - t1;
  }
  sqlite3_finalize(query);
  if (accepted != t.Controller->GetRowCount()) state.SkipWithError("the controller and SQLite select different rows");
  state.counters["accepted"] = accepted;
  state.counters["ratio"] = static_cast<double>(road.count()) / static_cast<double>(baseline.count());
  state.counters["road_ms"] = std::chrono::duration<double, std::milli>(road).count() / state.iterations();
  state.SetItemsProcessed(state.iterations() * RecordCount);
  t.Controller->GetFilter()->Clear();
}

BENCHMARK(BM_Filter)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
