// The combo's incremental search. BM_ComboSearchRatio types 1000 words of a sorted list of 10^5
// rows into the search one letter at a time (each prefix looked up as the typed search does, by
// bisection over the list grid's cells) and does the same lookups with std::lower_bound over the
// same strings in a vector, with the same collation: the ratio is the price of reading the rows
// through the grid.
#include <algorithm>
#include <random>
#include <vector>

#include "GridBenchSupport.h"
#include "Strings.h"

namespace {

using namespace GridBench;

constexpr Integer ListRows = 100000;
constexpr int Words = 1000;

std::vector<String> SortedWords() {
  std::mt19937 random(33);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::vector<String> words;
  for (Integer i = 0; i < ListRows; ++i) {
    String word(8, ' ');
    for (char& c : word) c = static_cast<char>(letter(random));
    words.push_back(word);
  }
  std::sort(words.begin(), words.end(), [](const String& A, const String& B) { return AnsiCompareText(A, B) < 0; });
  return words;
}

// A grid whose first column drops down the working combo, its list holding the words.
TtsGrid* MakeGrid(const std::vector<String>& Words) {
  auto* grid = New<TtsGrid>(BenchForm());
  grid->SetGridColCount(2);
  grid->SetGridRowCount(4);
  grid->SetParent(BenchForm());
  grid->SetBounds(0, 0, 400, 300);
  grid->GetCols()->GetItem(1)->SetButtonType(btCombo);
  grid->ComboInit(1, 1);
  TtsBaseGrid* list = grid->GetCombo()->GetGrid();
  list->SetStoreData(true);
  list->SetGridRowCount(static_cast<Integer>(Words.size()));
  for (size_t i = 0; i < Words.size(); ++i) list->SetCellValue(1, static_cast<Integer>(i) + 1, Variant(Words[i]));
  grid->GetCombo()->SetValueColSorted(true);
  return grid;
}

void BM_ComboSearchRatio(benchmark::State& state) {
  std::vector<String> words = SortedWords();
  TtsGrid* grid = MakeGrid(words);
  std::vector<String> typed;
  for (int i = 0; i < Words; ++i) typed.push_back(words[(static_cast<size_t>(i) * 7919) % words.size()].substr(0, 6));
  double search = 0, bound = 0;
  Integer checksum = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (const String& word : typed)
      for (size_t n = 1; n <= word.size(); ++n) {
        bool found;
        checksum += grid->FindComboRow(word.substr(0, n), true, found);
      }
    auto t1 = Clock::now();
    for (const String& word : typed)
      for (size_t n = 1; n <= word.size(); ++n) {
        String prefix = word.substr(0, n);
        auto it = std::lower_bound(words.begin(), words.end(), prefix,
                                   [](const String& A, const String& B) { return AnsiCompareText(A, B) < 0; });
        checksum -= static_cast<Integer>(it - words.begin()) + 1;
      }
    auto t2 = Clock::now();
    search = std::chrono::duration<double>(t1 - t0).count();
    bound = std::chrono::duration<double>(t2 - t1).count();
  }
  // The typed search finds the first row that begins with the prefix, as lower_bound does.
  if (checksum != 0) state.SkipWithError("the searches found different rows");
  const double lookups = static_cast<double>(Words) * 6;
  state.counters["search_vs_lower_bound"] = search / bound;
  state.counters["search_us"] = search / lookups * 1e6;
  state.counters["lower_bound_us"] = bound / lookups * 1e6;
  grid->Free();
}
BENCHMARK(BM_ComboSearchRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
