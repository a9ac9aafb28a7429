// Sorting and grouping a million records, each road timed against its baseline in the same run; the
// "ratio" counter is road time over baseline time (goals in brackets):
//
// - BM_SortStoredValues/items/kind: the view's sort by one to three stored items of one kind (0
//   whole numbers, 1 texts, 2 reals, 3 dates), against std::sort of the same keys held in plain
//   vectors (1.3).
// - BM_SortKeys/items/kind: the partition sort itself over the baseline's keys, one comparison
//   closure call at a time, against std::sort with the same keys.
// - BM_CompareEvent/kind: a controller sorted by one item through a compare event (0 whole numbers,
//   1 texts), against std::sort calling the same event with the same values (2).
// - BM_GroupSummaries/levels: a controller grouped by one or two whole-number items with a count
//   and a sum per group, refreshed; against std::sort of the same keys plus one scan summing per
//   group (2).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

#include "Components.h"
#include "Units.h"
#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxDataGroups.h"
#include "cxDataSortKeys.h"
#include "cxDataStorage.h"
#include "cxVariants.h"

namespace Units {
void RegisterUnits_framework_data();
}

namespace {

constexpr Integer RecordCount = 1000000;
constexpr int KindCount = 4;
const char* const KindNames[KindCount] = {"integer", "text", "real", "date"};

void StartUnits() {
  static const bool started = [] {
    Units::RegisterUnits_framework_data();
    Units::InitializeUnits();
    return true;
  }();
  (void)started;
}

// Times ARoad and ABaseline in turn at every iteration (APrepare, untimed, before each) and reports
// their ratio, free of the drift between runs.
template <class TPrepare, class TRoad, class TBaseline>
void RunRatio(benchmark::State& state, TPrepare APrepare, TRoad ARoad, TBaseline ABaseline) {
  using Clock = std::chrono::steady_clock;
  Clock::duration road{}, baseline{};
  for (auto _ : state) {
    APrepare();
    auto t0 = Clock::now();
    ARoad();
    auto t1 = Clock::now();
    APrepare();
    auto t2 = Clock::now();
    ABaseline();
    auto t3 = Clock::now();
    road += t1 - t0;
    baseline += t3 - t2;
  }
  state.counters["ratio"] = static_cast<double>(road.count()) / static_cast<double>(baseline.count());
  state.counters["road_ms"] = std::chrono::duration<double, std::milli>(road).count() / state.iterations();
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

// Three items of each kind, in a storage and in plain vectors alike. Domains shrink from the first
// item to the third, so that the later items decide among the ties of the earlier ones.
struct TBenchTable {
  TcxDataStorage* Storage = nullptr;
  TcxValueDef* Defs[KindCount][3] = {};
  std::vector<Int64> Integers[3];
  std::vector<String> Texts[3];
  std::vector<double> Reals[3];
  std::vector<double> Dates[3];

  TBenchTable() {
    StartUnits();
    Storage = New<TcxDataStorage>();
    const TcxValueTypeClass Types[KindCount] = {ValueTypeClass<TcxIntegerValueType>(), ValueTypeClass<TcxStringValueType>(),
                                                ValueTypeClass<TcxFloatValueType>(), ValueTypeClass<TcxDateTimeValueType>()};
    for (int k = 0; k < KindCount; ++k)
      for (auto& D : Defs[k]) D = Storage->GetValueDefs()->Add(Types[k], true, false, nullptr);
    Storage->SetRecordCount(RecordCount);
    std::mt19937 random(2026);
    const Integer Domains[3] = {1000, 100, 10};
    for (int i = 0; i < 3; ++i) {
      Integers[i].resize(RecordCount);
      Texts[i].resize(RecordCount);
      Reals[i].resize(RecordCount);
      Dates[i].resize(RecordCount);
    }
    for (Integer r = 0; r < RecordCount; ++r)
      for (int i = 0; i < 3; ++i) {
        const auto u = static_cast<size_t>(r);
        const Integer a = static_cast<Integer>(random() % static_cast<unsigned>(Domains[i]));
        String s = "key";
        for (int c = 0; c < 6; ++c) s += static_cast<char>('a' + random() % (i == 0 ? 10 : 3));
        Integers[i][u] = a;
        Texts[i][u] = s;
        Reals[i][u] = (static_cast<double>(random() % 20001) - 10000) / 7 * (i + 1);
        Dates[i][u] = 45000 + static_cast<double>(random() % static_cast<unsigned>(Domains[i] * 24)) / 24;
        Storage->SetValue(r, Defs[0][i], a);
        Storage->SetValue(r, Defs[1][i], s);
        Storage->SetValue(r, Defs[2][i], Reals[i][u]);
        Storage->SetValue(r, Defs[3][i], VarFromDateTime(Dates[i][u]));
      }
  }
};

TBenchTable& GetTable() {
  static TBenchTable* table = new TBenchTable();
  return *table;
}

// The records in their own order, as a controller's refresh starts from.
void Identity(TcxRecordList& AList) {
  AList.resize(RecordCount);
  std::iota(AList.begin(), AList.end(), 0);
}

TcxRecordList Shuffled() {
  TcxRecordList list(RecordCount);
  std::iota(list.begin(), list.end(), 0);
  std::shuffle(list.begin(), list.end(), std::mt19937(7));
  return list;
}

// The keys of the std::sort baseline as a strict weak order over record indexes, the record index
// last.
struct TKeyLess {
  TBenchTable* T;
  Integer Items;
  int Kind;
  bool operator()(Integer A, Integer B) const {
    const auto a = static_cast<size_t>(A), b = static_cast<size_t>(B);
    for (Integer k = 0; k < Items; ++k) {
      switch (Kind) {
        case 0:
          if (T->Integers[k][a] != T->Integers[k][b]) return T->Integers[k][a] < T->Integers[k][b];
          break;
        case 1:
          if (int c = T->Texts[k][a].compare(T->Texts[k][b])) return c < 0;
          break;
        case 2:
          if (T->Reals[k][a] != T->Reals[k][b]) return T->Reals[k][a] < T->Reals[k][b];
          break;
        default:
          if (T->Dates[k][a] != T->Dates[k][b]) return T->Dates[k][a] < T->Dates[k][b];
          break;
      }
    }
    return A < B;
  }
};

void BM_SortStoredValues(benchmark::State& state) {
  const Integer items = static_cast<Integer>(state.range(0));
  const int kind = static_cast<int>(state.range(1));
  state.SetLabel(KindNames[kind]);
  TBenchTable& t = GetTable();
  std::vector<TcxStoredSortKey> keys;
  for (Integer k = 0; k < items; ++k) keys.push_back({t.Defs[kind][k], false});
  const TcxRecordList source = Shuffled();
  TcxRecordList list;
  RunRatio(
      state, [&] { list = source; }, [&] { cxSortRecordsByStoredValues(t.Storage, list, keys); },
      [&] { std::sort(list.begin(), list.end(), TKeyLess{&t, items, kind}); });
}

void BM_SortKeys(benchmark::State& state) {
  const Integer items = static_cast<Integer>(state.range(0));
  const int kind = static_cast<int>(state.range(1));
  state.SetLabel(KindNames[kind]);
  const TKeyLess less{&GetTable(), items, kind};
  TcxRecordCompare compare = [less](Integer A, Integer B) { return less(A, B) ? -1 : less(B, A) ? 1 : 0; };
  const TcxRecordList source = Shuffled();
  TcxRecordList list;
  RunRatio(
      state, [&] { list = source; }, [&] { QuickSortList(list, 0, RecordCount - 1, compare); },
      [&] { std::sort(list.begin(), list.end(), less); });
}

// ---- Through a controller ------------------------------------------------------------------------------

class TBenchController : public TcxCustomDataController {
  DECLARE_CLASS(TBenchController, TcxCustomDataController)
 public:
  using TcxCustomDataController::TcxCustomDataController;
  TObject* GetItem(Integer AIndex) override { return GetFields()->GetItem(AIndex)->GetItem(); }
};
IMPLEMENT_CLASS(TBenchController)

// A controller over the first whole-number and text items of the table: items 0-2 whole numbers,
// item 3 text.
struct TBenchView {
  TBenchController* Controller = nullptr;
  std::vector<TComponent*> Columns;

  TBenchView() {
    TBenchTable& t = GetTable();
    Controller = New<TBenchController>();
    const TcxValueTypeClass Types[] = {ValueTypeClass<TcxIntegerValueType>(), ValueTypeClass<TcxIntegerValueType>(),
                                       ValueTypeClass<TcxIntegerValueType>(), ValueTypeClass<TcxStringValueType>()};
    for (TcxValueTypeClass type : Types) {
      Columns.push_back(New<TComponent>());
      Controller->AddItem(Columns.back())->SetValueTypeClass(type);
    }
    Controller->BeginUpdate();
    Controller->SetRecordCount(RecordCount);
    for (Integer r = 0; r < RecordCount; ++r) {
      const auto u = static_cast<size_t>(r);
      for (int i = 0; i < 3; ++i) Controller->SetValue(r, i, static_cast<Integer>(t.Integers[i][u]));
      Controller->SetValue(r, 3, t.Texts[0][u]);
    }
    Controller->EndUpdate();
  }
};

TBenchView& GetView() {
  static TBenchView* view = new TBenchView();
  return *view;
}

// The event compares the two values it is given.
void CompareValuesEvent(TcxCustomDataController*, Integer, Integer, Integer, const Variant& V1, const Variant& V2,
                        Integer& ACompare) {
  ACompare = VarCompare(V1, V2);
}

void BM_CompareEvent(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  state.SetLabel(KindNames[kind]);
  TBenchView& v = GetView();
  TBenchController* c = v.Controller;
  const Integer item = kind == 0 ? 0 : 3;
  c->OnCompare = &CompareValuesEvent;
  c->BeginUpdate();
  c->ClearSorting(false);
  c->ChangeSorting(item, soAscending);
  c->EndUpdate();
  TcxCustomDataField* field = c->GetField(item);
  TcxRecordList list;
  RunRatio(
      state,
      [&] { Identity(list); },
      [&] { c->Refresh(); },
      [&] {
        std::sort(list.begin(), list.end(), [&](Integer A, Integer B) {
          const Variant V1 = c->GetComparedValue(A, field);
          const Variant V2 = c->GetComparedValue(B, field);
          Integer r = 0;
          c->OnCompare(c, A, B, item, V1, V2, r);
          return r != 0 ? r < 0 : A < B;
        });
      });
  c->OnCompare = nullptr;
  c->ClearSorting(false);
}

void BM_GroupSummaries(benchmark::State& state) {
  const Integer levels = static_cast<Integer>(state.range(0));
  TBenchView& v = GetView();
  TBenchController* c = v.Controller;
  TBenchTable& t = GetTable();
  c->BeginUpdate();
  for (Integer k = 0; k < levels; ++k) c->GetGroups()->ChangeGrouping(k, k);
  TcxDataGroupSummaryItems* items = c->GetSummary()->GetDefaultGroupSummaryItems();
  items->Add(nullptr, spGroup, skCount);
  items->Add(v.Columns[2], spGroup, skSum);
  c->EndUpdate();
  TcxRecordList list;
  double total = 0;
  RunRatio(
      state,
      [&] { Identity(list); },
      [&] { c->Refresh(); },
      [&] {
        const TKeyLess less{&t, levels, 0};
        std::sort(list.begin(), list.end(), less);
        Integer count = 0;
        Int64 sum = 0;
        for (size_t p = 0; p < list.size(); ++p) {
          const auto r = static_cast<size_t>(list[p]);
          if (p > 0) {
            const auto q = static_cast<size_t>(list[p - 1]);
            if (t.Integers[0][r] != t.Integers[0][q] || (levels > 1 && t.Integers[1][r] != t.Integers[1][q])) {
              total += static_cast<double>(sum) + count;
              count = 0;
              sum = 0;
            }
          }
          ++count;
          sum += t.Integers[2][r];
        }
        total += static_cast<double>(sum) + count;
        benchmark::DoNotOptimize(total);
      });
  state.counters["groups"] = c->GetDataControllerInfo()->GetDataGroups()->ItemCount();
  c->BeginUpdate();
  items->Clear();
  c->GetGroups()->ClearGrouping();
  c->EndUpdate();
}

BENCHMARK(BM_SortStoredValues)->ArgsProduct({{1, 2, 3}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortKeys)->ArgsProduct({{1, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareEvent)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSummaries)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);

}  // namespace
