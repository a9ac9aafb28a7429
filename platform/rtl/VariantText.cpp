// The text forms behind the Variant conversions: numbers, dates and Booleans in the program's locale.
#include <cmath>
#include <cstdio>

#include "FloatFormat.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysConst.h"
#include "VariantsInternal.h"

namespace Variants::VarText {

namespace {

String TrimBlanks(const String& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// Days from 1899-12-30 to a Gregorian date, and back.
Int64 DaysFromCivil(Int64 y, unsigned m, unsigned d) {
  y -= m <= 2;
  Int64 era = (y >= 0 ? y : y - 399) / 400;
  unsigned yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<Int64>(doe) - 719468 + 25569;
}

void CivilFromDays(Int64 days, Int64& y, unsigned& m, unsigned& d) {
  Int64 z = days - 25569 + 719468;
  Int64 era = (z >= 0 ? z : z - 146096) / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<Int64>(yoe) + era * 400 + (m <= 2);
}

}  // namespace

String FromInt(Int64 value) { return IntToStr(value); }
String FromFloat(double value) { return FloatToStr(value); }
// A Single carries about seven digits; more would show the binary fraction's noise.
String FromSingle(float value) { return FloatToStrF(value, ffGeneral, 7, 0); }
String FromCurrency(Currency value) { return CurrToStr(value); }

String FromDateTime(TDateTime value) {
  Int64 day = static_cast<Int64>(std::trunc(value));
  Int64 ms = std::llround(std::fabs(value - static_cast<double>(day)) * 86400000.0);
  if (ms >= 86400000) {
    ms -= 86400000;
    day += value < 0 ? -1 : 1;
  }
  Int64 y;
  unsigned m, d;
  CivilFromDays(day, y, m, d);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%lld-%u-%u", static_cast<long long>(y), m, d);
  String text = buf;
  if (ms) {
    Int64 secs = ms / 1000;
    std::snprintf(buf, sizeof buf, " %lld:%02lld:%02lld", static_cast<long long>(secs / 3600),
                  static_cast<long long>(secs / 60 % 60), static_cast<long long>(secs % 60));
    text += buf;
  }
  return text;
}

bool ToInt(const String& text, Int64& value) { return TryStrToInt64(text, value); }
bool ToFloat(const String& text, double& value) { return TryStrToFloat(text, value); }

bool ToDateTime(const String& text, TDateTime& value) {
  int y, m, d, hh = 0, nn = 0, ss = 0, used = 0;
  String s = TrimBlanks(text);
  int fields = std::sscanf(s.c_str(), "%d-%d-%d%n %d:%d:%d%n", &y, &m, &d, &used, &hh, &nn, &ss, &used);
  if ((fields != 3 && fields != 6) || used != static_cast<int>(s.size())) return false;
  if (m < 1 || m > 12 || d < 1 || d > 31 || hh > 23 || nn > 59 || ss > 59 || hh < 0 || nn < 0 || ss < 0)
    return false;
  Int64 days = DaysFromCivil(y, m, d);
  Int64 ry;
  unsigned rm, rd;
  CivilFromDays(days, ry, rm, rd);
  if (rm != static_cast<unsigned>(m)) return false;
  double time = (hh * 3600 + nn * 60 + ss) / 86400.0;
  value = days < 0 ? days - time : days + time;
  return true;
}

bool ToBool(const String& text, bool& value) { return TryStrToBool(text, value); }
WideString ToWide(const String& text) { return Utf8ToWide(text); }
String FromWide(const WideString& text) { return WideToUtf8(text); }

bool RoundToInt64(double value, Int64& result) {
  if (!std::isfinite(value)) return false;
  double rounded = std::nearbyint(value);  // the default rounding mode takes halves to even
  if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0) return false;
  result = static_cast<Int64>(rounded);
  return true;
}

}  // namespace Variants::VarText
