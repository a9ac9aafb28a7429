// Sorting a million stored records by one to three integer or string items, against std::sort of
// the same keys held in plain vectors; and grouping the sorted records by one or two items with a
// count and a sum per group, against a hash aggregate over the same keys. Each pair reports records
// per second; sorting should stay within 1.5 times std::sort.
//
// BM_SortStoredValues is the view's sort when nothing compares records otherwise (the values read
// once into key columns); BM_SortRecords is the record comparison one pair at a time, the path of a
// compare event or a converted value.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <unordered_map>

#include "Units.h"
#include "cxDataGroups.h"
#include "cxDataSortKeys.h"
#include "cxDataStorage.h"

namespace Units {
void RegisterUnits_framework_data();
}

namespace {

constexpr Integer RecordCount = 1000000;

struct TBenchTable {
  TcxDataStorage* Storage = nullptr;
  TcxValueDef* Ints[3] = {};
  TcxValueDef* Strs[3] = {};
  std::vector<Integer> IntKeys[3];
  std::vector<String> StrKeys[3];

  TBenchTable() {
    Units::RegisterUnits_framework_data();
    Units::InitializeUnits();
    Storage = New<TcxDataStorage>();
    for (auto& D : Ints) D = Storage->GetValueDefs()->Add(ValueTypeClass<TcxIntegerValueType>(), true, false, nullptr);
    for (auto& D : Strs) D = Storage->GetValueDefs()->Add(ValueTypeClass<TcxStringValueType>(), true, false, nullptr);
    Storage->SetRecordCount(RecordCount);
    std::mt19937 random(2026);
    const Integer Domains[3] = {1000, 100, 10};
    for (int k = 0; k < 3; ++k) {
      IntKeys[k].resize(RecordCount);
      StrKeys[k].resize(RecordCount);
    }
    for (Integer r = 0; r < RecordCount; ++r)
      for (int k = 0; k < 3; ++k) {
        const Integer a = static_cast<Integer>(random() % static_cast<unsigned>(Domains[k]));
        String s = "key";
        for (int c = 0; c < 6; ++c) s += static_cast<char>('a' + random() % (k == 0 ? 10 : 3));
        IntKeys[k][static_cast<size_t>(r)] = a;
        StrKeys[k][static_cast<size_t>(r)] = s;
        Storage->SetValue(r, Ints[k], a);
        Storage->SetValue(r, Strs[k], s);
      }
  }
};

TBenchTable& GetTable() {
  static TBenchTable* table = new TBenchTable();
  return *table;
}

// The record comparison of a sorted view: the items in order, then the record index.
TcxRecordCompare StorageCompare(Integer AItems, bool AStrings) {
  TBenchTable& t = GetTable();
  TcxValueDef** defs = AStrings ? t.Strs : t.Ints;
  return [&t, defs, AItems](Integer A, Integer B) {
    for (Integer k = 0; k < AItems; ++k)
      if (Integer c = t.Storage->CompareRecords(A, B, defs[k])) return c;
    return A < B ? -1 : A > B ? 1 : 0;
  };
}

TcxRecordList Shuffled() {
  TcxRecordList list(RecordCount);
  std::iota(list.begin(), list.end(), 0);
  std::shuffle(list.begin(), list.end(), std::mt19937(7));
  return list;
}

void BM_SortRecords(benchmark::State& state) {
  const Integer items = static_cast<Integer>(state.range(0));
  const bool strings = state.range(1) != 0;
  TcxRecordCompare compare = StorageCompare(items, strings);
  const TcxRecordList source = Shuffled();
  for (auto _ : state) {
    state.PauseTiming();
    TcxRecordList list = source;
    state.ResumeTiming();
    QuickSortList(list, 0, RecordCount - 1, compare);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

void BM_SortStoredValues(benchmark::State& state) {
  const Integer items = static_cast<Integer>(state.range(0));
  const bool strings = state.range(1) != 0;
  TBenchTable& t = GetTable();
  std::vector<TcxStoredSortKey> keys;
  for (Integer k = 0; k < items; ++k) keys.push_back({(strings ? t.Strs : t.Ints)[k], false});
  const TcxRecordList source = Shuffled();
  for (auto _ : state) {
    state.PauseTiming();
    TcxRecordList list = source;
    state.ResumeTiming();
    cxSortRecordsByStoredValues(t.Storage, list, keys);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

// The keys of the std::sort baseline as a strict weak order over record indexes.
auto KeyLess(Integer items, bool strings) {
  TBenchTable& t = GetTable();
  return [&t, items, strings](Integer A, Integer B) {
    for (Integer k = 0; k < items; ++k) {
      if (strings) {
        if (int c = t.StrKeys[k][static_cast<size_t>(A)].compare(t.StrKeys[k][static_cast<size_t>(B)])) return c < 0;
      } else if (t.IntKeys[k][static_cast<size_t>(A)] != t.IntKeys[k][static_cast<size_t>(B)]) {
        return t.IntKeys[k][static_cast<size_t>(A)] < t.IntKeys[k][static_cast<size_t>(B)];
      }
    }
    return A < B;
  };
}

void BM_StdSort(benchmark::State& state) {
  auto less = KeyLess(static_cast<Integer>(state.range(0)), state.range(1) != 0);
  const TcxRecordList source = Shuffled();
  for (auto _ : state) {
    state.PauseTiming();
    TcxRecordList list = source;
    state.ResumeTiming();
    std::sort(list.begin(), list.end(), less);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

// The record sort over the baseline's keys: the cost of the sort itself, without the storage.
void BM_SortKeys(benchmark::State& state) {
  auto less = KeyLess(static_cast<Integer>(state.range(0)), state.range(1) != 0);
  TcxRecordCompare compare = [less](Integer A, Integer B) { return less(A, B) ? -1 : less(B, A) ? 1 : 0; };
  const TcxRecordList source = Shuffled();
  for (auto _ : state) {
    state.PauseTiming();
    TcxRecordList list = source;
    state.ResumeTiming();
    QuickSortList(list, 0, RecordCount - 1, compare);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

// Groups by the first one or two integer items with a count and a sum of the third per group.
void BM_GroupRecords(benchmark::State& state) {
  const Integer levels = static_cast<Integer>(state.range(0));
  TBenchTable& t = GetTable();
  TcxRecordList list = Shuffled();
  QuickSortList(list, 0, RecordCount - 1, StorageCompare(levels, false));
  TcxDataGroups* groups = New<TcxDataGroups>();
  for (Integer k = 0; k < levels; ++k) groups->AddField(nullptr);
  TcxGroupCompare compare = [&t](Integer A, Integer B, Integer ALevel) {
    return t.Storage->CompareRecords(A, B, t.Ints[ALevel]);
  };
  for (auto _ : state) {
    BuildDataGroups(groups, list, compare);
    double total = 0;
    for (Integer i = 0; i < groups->ItemCount(); ++i) {
      TcxDataGroupInfo* g = groups->GetItem(i);
      if (g->Level != levels - 1) continue;
      double sum = 0;
      for (Integer p = g->FirstIndex; p <= g->LastIndex; ++p) {
        const void* value;
        if (!t.Storage->GetCompareInfo(list[static_cast<size_t>(p)], t.Ints[2], value))
          sum += *static_cast<const Integer*>(value);
      }
      total += sum + (g->LastIndex - g->FirstIndex + 1);
    }
    benchmark::DoNotOptimize(total);
  }
  state.counters["groups"] = groups->ItemCount();
  state.SetItemsProcessed(state.iterations() * RecordCount);
  groups->Free();
}

void BM_HashAggregate(benchmark::State& state) {
  const Integer levels = static_cast<Integer>(state.range(0));
  TBenchTable& t = GetTable();
  for (auto _ : state) {
    std::unordered_map<int64_t, std::pair<Integer, double>> groups;
    for (Integer r = 0; r < RecordCount; ++r) {
      int64_t key = t.IntKeys[0][static_cast<size_t>(r)];
      if (levels > 1) key = key * 1000 + t.IntKeys[1][static_cast<size_t>(r)];
      auto& g = groups[key];
      ++g.first;
      g.second += t.IntKeys[2][static_cast<size_t>(r)];
    }
    benchmark::DoNotOptimize(groups.size());
  }
  state.SetItemsProcessed(state.iterations() * RecordCount);
}

BENCHMARK(BM_SortStoredValues)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRecords)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortKeys)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSort)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupRecords)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HashAggregate)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);

}  // namespace
