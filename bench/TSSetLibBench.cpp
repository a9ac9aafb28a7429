// The grid family's ordered set against std::set: a million distinct keys in random order are
// inserted, then each is found, then each is removed, in one pass per iteration. Each pair reports
// operations per second; the set should stay within 1.3 times std::set. Run with
// --benchmark_repetitions=3 --benchmark_report_aggregates_only=true for the median and minimum.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <vector>

#include "TSSetLib.h"

namespace {

constexpr Integer KeyCount = 1000000;

const std::vector<Integer>& Keys() {
  static const std::vector<Integer> keys = [] {
    std::vector<Integer> k(KeyCount);
    std::iota(k.begin(), k.end(), 0);
    std::mt19937 random(2026);
    for (Integer& v : k) v = v * 7 + 3;  // spread, still distinct
    std::shuffle(k.begin(), k.end(), random);
    return k;
  }();
  return keys;
}

void BM_TtsIntegerSet(benchmark::State& state) {
  const std::vector<Integer>& keys = Keys();
  for (auto _ : state) {
    TtsIntegerSet* set = New<TtsIntegerSet>();
    for (Integer k : keys) set->Add(k);
    Integer found = 0;
    for (Integer k : keys) found += set->Get(k) != nullptr;
    for (Integer k : keys) set->Remove(k);
    benchmark::DoNotOptimize(found);
    set->Free();
  }
  state.SetItemsProcessed(state.iterations() * 3 * KeyCount);
}

void BM_StdSet(benchmark::State& state) {
  const std::vector<Integer>& keys = Keys();
  for (auto _ : state) {
    std::set<Integer> set;
    for (Integer k : keys) set.insert(k);
    Integer found = 0;
    for (Integer k : keys) found += set.find(k) != set.end();
    for (Integer k : keys) set.erase(k);
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * 3 * KeyCount);
}

}  // namespace

BENCHMARK(BM_TtsIntegerSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSet)->Unit(benchmark::kMillisecond);
