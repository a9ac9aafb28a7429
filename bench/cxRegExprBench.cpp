// The mask editor's regular expressions checking a date-time mask keystroke by keystroke over 10,000
// inputs, against std::regex_match of the whole inputs with the same pattern. The keystroke road
// also knows after every character whether the text can still be completed. The "keystrokes/regex"
// counter is the ratio measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "FormatSettings.h"
#include "Streams.h"
#include "Units.h"
#include "cxRegExpr.h"

namespace Units {
void RegisterUnits_framework_editors();
}

namespace {

const char* const kMaskPattern = "(0[1-9]|[12]\\d|3[01])/(0[1-9]|1[0-2])/\\d\\d\\d\\d' '([01]\\d|2[0-3]):[0-5]\\d";
const char* const kStdPattern = "(0[1-9]|[12]\\d|3[01])/(0[1-9]|1[0-2])/\\d\\d\\d\\d ([01]\\d|2[0-3]):[0-5]\\d";

void EnsureUnits() {
  static const bool started = [] {
    Units::RegisterUnits_framework_editors();
    Units::InitializeUnits();
    FormatSettings.DateSeparator = '/';
    FormatSettings.TimeSeparator = ':';
    return true;
  }();
  (void)started;
}

// Valid date-times, some with one character changed, some cut short.
std::vector<std::string> Inputs() {
  std::mt19937 random(42);
  std::vector<std::string> inputs;
  char text[32];
  for (int i = 0; i < 10000; ++i) {
    const unsigned day = 1 + random() % 31, month = 1 + random() % 12, year = 1900 + random() % 200;
    const unsigned hour = random() % 24, minute = random() % 60;
    std::snprintf(text, sizeof text, "%02u/%02u/%04u %02u:%02u", day, month, year, hour, minute);
    std::string input = text;
    switch (random() % 4) {
      case 0: input[random() % input.size()] = static_cast<char>('0' + random() % 10); break;
      case 1: input.resize(random() % input.size()); break;
      default: break;
    }
    inputs.push_back(input);
  }
  return inputs;
}

// Feeds the input until a character is refused; answers whether it is a complete date-time.
bool CheckKeystrokes(TcxRegExpr* AExpr, const std::string& AInput) {
  AExpr->Reset();
  for (char c : AInput) {
    char32_t typed = static_cast<unsigned char>(c);
    if (!AExpr->Next(typed)) return false;
  }
  return AExpr->IsFinal();
}

void BM_DateTimeMaskKeystrokesVsRegexMatch(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  EnsureUnits();
  const std::vector<std::string> inputs = Inputs();
  TOwnedPtr<TcxRegExpr> expr(New<TcxRegExpr>());
  TOwnedPtr<TStringStream> stream(New<TStringStream>(kMaskPattern));
  expr->Compile(stream.get());
  const std::regex re(kStdPattern);
  Clock::duration keystrokes{}, regex{};
  size_t agree = 0;
  for (auto _ : state) {
    size_t accepted = 0, matched = 0;
    auto t0 = Clock::now();
    for (const std::string& input : inputs) accepted += CheckKeystrokes(expr.get(), input);
    auto t1 = Clock::now();
    for (const std::string& input : inputs) matched += std::regex_match(input, re);
    auto t2 = Clock::now();
    keystrokes += t1 - t0;
    regex += t2 - t1;
    agree = accepted == matched;
    benchmark::DoNotOptimize(accepted);
  }
  state.counters["keystrokes/regex"] =
      regex.count() > 0 ? static_cast<double>(keystrokes.count()) / static_cast<double>(regex.count()) : 0.0;
  state.counters["same_answers"] = static_cast<double>(agree);
  state.counters["us_per_input_keystrokes"] =
      std::chrono::duration<double, std::micro>(keystrokes).count() / (static_cast<double>(state.iterations()) * 10000);
  state.counters["us_per_input_regex"] =
      std::chrono::duration<double, std::micro>(regex).count() / (static_cast<double>(state.iterations()) * 10000);
}
BENCHMARK(BM_DateTimeMaskKeystrokesVsRegexMatch)->Unit(benchmark::kMillisecond);

}  // namespace
