// Ordering keys of records (see DBKeys.h).
#include "DBKeys.h"

namespace DB::Keys {

namespace {
constexpr int Base = 62;
constexpr char Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int DigitOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return c - 'a' + 36;
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

}  // namespace DB::Keys
