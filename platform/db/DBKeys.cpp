// Ordering keys of records (see DBKeys.h).
#include "DBKeys.h"

#include <algorithm>

namespace DB::Keys {

namespace {
constexpr int Base = 62;
constexpr char Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int DigitOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return c - 'a' + 36;
}

// Keys for the records [First, Last) between Low and High, the middle one first, so that a run of n
// new records gets keys about log(n) digits long rather than n.
void FillBetween(std::vector<String>& keys, size_t first, size_t last, const String& low, const String& high) {
  if (first >= last) return;
  size_t middle = first + (last - first) / 2;
  keys[middle] = Between(low, high);
  FillBetween(keys, first, middle, low, keys[middle]);
  FillBetween(keys, middle + 1, last, keys[middle], high);
}
}  // namespace

size_t FetchKeyWidth(size_t Count) {
  size_t width = 1;
  for (size_t room = Base; room < Count; room *= Base) ++width;
  return width;
}

String FetchKey(size_t Index, size_t Width) {
  String key(Width + 1, '0');
  key[Width] = Digits[Base / 2];  // a non-zero last digit leaves room below every fetched key
  for (size_t i = Width; i-- > 0; Index /= Base) key[i] = Digits[Index % Base];
  return key;
}

String Between(const String& Low, const String& High) {
  // Digits of a common prefix are kept; below it the midpoint of the first differing digits, or,
  // when they are neighbours, a longer key.
  String result;
  size_t i = 0;
  for (;;) {
    int lo = i < Low.size() ? DigitOf(Low[i]) : 0;
    int hi = High.empty() ? Base : (i < High.size() ? DigitOf(High[i]) : 0);
    if (hi == lo && !High.empty()) {
      result += Digits[lo];
      ++i;
      continue;
    }
    if (hi - lo > 1) {
      result += Digits[(lo + hi) / 2];
      return result;
    }
    // Neighbouring digits: the high key's digit alone when more of it follows (it is then above
    // Low and below High), otherwise keep Low's digit and go above the rest of Low.
    if (!High.empty() && i + 1 < High.size()) {
      result += Digits[hi];
      return result;
    }
    result += Digits[lo];
    ++i;
    String rest = i < Low.size() ? Low.substr(i) : String();
    return result + Between(rest, String());
  }
}

std::vector<String> Reassign(const std::vector<String>& Kept) {
  // The longest ascending run of kept keys (patience sorting): tails[k] is the record ending the
  // best run of length k + 1 found so far, before[i] the record ahead of i in its run.
  const size_t n = Kept.size();
  std::vector<size_t> tails;
  std::vector<size_t> before(n, n);
  for (size_t i = 0; i < n; ++i) {
    if (Kept[i].empty()) continue;
    auto at = std::lower_bound(tails.begin(), tails.end(), i,
                               [&](size_t t, size_t r) { return Kept[t] < Kept[r]; });
    if (at != tails.begin()) before[i] = *(at - 1);
    if (at == tails.end()) tails.push_back(i);
    else *at = i;
  }
  std::vector<String> keys(n);
  for (size_t i = tails.empty() ? n : tails.back(); i < n; i = before[i]) keys[i] = Kept[i];
  // The records between two kept keys get keys between them.
  size_t runStart = 0;
  String low;
  for (size_t i = 0; i <= n; ++i) {
    if (i < n && keys[i].empty()) continue;
    const String high = i < n ? keys[i] : String();
    FillBetween(keys, runStart, i, low, high);
    if (i < n) low = keys[i];
    runStart = i + 1;
  }
  return keys;
}

}  // namespace DB::Keys
