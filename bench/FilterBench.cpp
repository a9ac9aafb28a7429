// Filtering a million stored records with '=', BETWEEN, IN and LIKE conditions, against SQLite
// evaluating the criteria's own filter text over an in-memory table of the same rows. Each pair
// reports records per second; the criteria should keep at least SQLite's throughput.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>

#include "Units.h"
#include "cxDataStorage.h"
#include "cxFilter.h"

namespace Units {
void RegisterUnits_framework_data();
}

namespace {

constexpr Integer RecordCount = 1000000;

class TBenchColumn : public TObject {
  DECLARE_CLASS(TBenchColumn, TObject)
 public:
  String Name;
  TcxValueDef* Def = nullptr;
};
IMPLEMENT_CLASS(TBenchColumn)

struct TBenchTable;
TBenchTable* Table = nullptr;

class TBenchItem : public TcxFilterCriteriaItem {
  DECLARE_CLASS(TBenchItem, TcxFilterCriteriaItem)
 public:
  void GetDataValue(void* AData, Variant& AValue) override;
  String GetFieldCaption() override { return GetFieldName(); }
  String GetFieldName() override { return static_cast<TBenchColumn*>(GetItemLink())->Name; }
};
IMPLEMENT_CLASS(TBenchItem)

class TBenchCriteria : public TcxFilterCriteria {
  DECLARE_CLASS(TBenchCriteria, TcxFilterCriteria)
 public:
  Integer GetIDByItemLink(TObject*) override { return 0; }
  String GetNameByItemLink(TObject*) override { return String(); }
  TObject* GetItemLinkByID(Integer) override { return nullptr; }
  TObject* GetItemLinkByName(const String&) override { return nullptr; }
  TClass GetItemClass() override { return TBenchItem::StaticClass(); }
};
IMPLEMENT_CLASS(TBenchCriteria)

struct TBenchTable {
  TcxDataStorage* Storage = nullptr;
  TBenchColumn* A = nullptr;
  TBenchColumn* S = nullptr;
  sqlite3* Db = nullptr;

  TBenchTable() {
    Units::RegisterUnits_framework_data();
    Units::InitializeUnits();
    Storage = New<TcxDataStorage>();
    A = New<TBenchColumn>();
    A->Name = "A";
    A->Def = Storage->GetValueDefs()->Add(ValueTypeClass<TcxIntegerValueType>(), true, false, A);
    S = New<TBenchColumn>();
    S->Name = "S";
    S->Def = Storage->GetValueDefs()->Add(ValueTypeClass<TcxStringValueType>(), true, false, S);
    Storage->SetRecordCount(RecordCount);
    sqlite3_open(":memory:", &Db);
    sqlite3_exec(Db, "CREATE TABLE t (A INTEGER, S TEXT); BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(Db, "INSERT INTO t VALUES (?, ?)", -1, &insert, nullptr);
    std::mt19937 random(2024);
    for (Integer r = 0; r < RecordCount; ++r) {
      const Integer a = static_cast<Integer>(random() % 1000);
      String s;
      for (int k = 0; k < 8; ++k) s += static_cast<char>('a' + random() % 4);
      Storage->SetValue(r, A->Def, a);
      Storage->SetValue(r, S->Def, s);
      sqlite3_bind_int(insert, 1, a);
      sqlite3_bind_text(insert, 2, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
  }
};

void TBenchItem::GetDataValue(void* AData, Variant& AValue) {
  const auto index = static_cast<Integer>(reinterpret_cast<intptr_t>(AData));
  AValue = Table->Storage->GetValue(index, static_cast<TBenchColumn*>(GetItemLink())->Def);
}

TBenchTable& GetTable() {
  if (!Table) Table = new TBenchTable();
  return *Table;
}

TBenchCriteria* MakeCriteria(int ACase) {
  TBenchTable& t = GetTable();
  auto* criteria = New<TBenchCriteria>();
  switch (ACase) {
    case 0: criteria->AddItem(nullptr, t.A, foEqual, 500, ""); break;
    case 1: criteria->AddItem(nullptr, t.A, foBetween, VarArrayOf({100, 300}), ""); break;
    case 2: criteria->AddItem(nullptr, t.A, foInList, VarArrayOf({1, 50, 99, 400, 777, 901}), ""); break;
    default: criteria->AddItem(nullptr, t.S, foLike, "ab%c%", ""); break;
  }
  return criteria;
}

const char* const CaseNames[] = {"Equal", "Between", "InList", "Like"};

void BM_Criteria(benchmark::State& state) {
  TBenchCriteria* criteria = MakeCriteria(static_cast<int>(state.range(0)));
  state.SetLabel(CaseNames[state.range(0)]);
  Integer accepted = 0;
  for (auto _ : state) {
    accepted = 0;
    for (Integer r = 0; r < RecordCount; ++r)
      if (criteria->DoFilterData(reinterpret_cast<void*>(static_cast<intptr_t>(r)))) ++accepted;
    benchmark::DoNotOptimize(accepted);
  }
  state.counters["accepted"] = accepted;
  state.SetItemsProcessed(state.iterations() * RecordCount);
  criteria->Free();
}

void BM_SQLite(benchmark::State& state) {
  TBenchCriteria* criteria = MakeCriteria(static_cast<int>(state.range(0)));
  state.SetLabel(CaseNames[state.range(0)]);
  const String sql = "SELECT count(*) FROM t WHERE " + criteria->GetFilterText();
  sqlite3_stmt* query = nullptr;
  sqlite3_prepare_v2(GetTable().Db, sql.c_str(), -1, &query, nullptr);
  int accepted = 0;
  for (auto _ : state) {
    sqlite3_step(query);
    accepted = sqlite3_column_int(query, 0);
    sqlite3_reset(query);
    benchmark::DoNotOptimize(accepted);
  }
  state.counters["accepted"] = accepted;
  state.SetItemsProcessed(state.iterations() * RecordCount);
  sqlite3_finalize(query);
  criteria->Free();
}

BENCHMARK(BM_Criteria)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SQLite)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
