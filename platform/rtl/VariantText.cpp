// The text forms behind the Variant conversions: numbers, dates and Booleans in the program's locale.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "SysConst.h"
#include "VariantsInternal.h"

namespace Variants::VarText {

namespace {

char DecimalSeparator() { return '.'; }

bool EqualsIgnoreCase(const String& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

String TrimBlanks(const String& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// Significant digits (no trailing zeros) and decimal exponent of a finite, non-zero value, rounded
// to `precision` digits: value = 0.d1d2... * 10^exponent.
void DecimalDigits(double value, int precision, String& digits, int& exponent) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(value));
  const char* e = std::strchr(buf, 'e');
  digits.clear();
  for (const char* p = buf; p < e; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  exponent = std::atoi(e + 1) + 1;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
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

String FromInt(Int64 value) { return std::to_string(value); }

String FromFloat(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  String digits;
  int exponent;
  DecimalDigits(value, 15, digits, exponent);
  String text = value < 0 ? "-" : "";
  if (exponent > 15 || exponent < -3) {
    text += digits[0];
    if (digits.size() > 1) text += DecimalSeparator() + digits.substr(1);
    return text + "E" + std::to_string(exponent - 1);
  }
  if (exponent <= 0) return text + "0" + DecimalSeparator() + String(-exponent, '0') + digits;
  if (static_cast<int>(digits.size()) <= exponent) return text + digits + String(exponent - digits.size(), '0');
  return text + digits.substr(0, exponent) + DecimalSeparator() + digits.substr(exponent);
}

String FromSingle(float value) {
  // A Single carries about seven digits; more would show the binary fraction's noise.
  if (!std::isfinite(value) || value == 0) return FromFloat(value);
  String digits;
  int exponent;
  DecimalDigits(value, 7, digits, exponent);
  double rounded = std::strtod(("0." + digits + "e" + std::to_string(exponent)).c_str(), nullptr);
  return FromFloat(value < 0 ? -rounded : rounded);
}

String FromCurrency(Currency value) {
  Int64 raw = value.Raw;
  bool negative = raw < 0;
  UInt64 magnitude = negative ? UInt64(0) - UInt64(raw) : UInt64(raw);
  String text = (negative ? "-" : "") + std::to_string(magnitude / Currency::Scale);
  unsigned fraction = static_cast<unsigned>(magnitude % Currency::Scale);
  if (fraction) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04u", fraction);
    String f = buf;
    while (f.back() == '0') f.pop_back();
    text += DecimalSeparator() + f;
  }
  return text;
}

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

bool ToInt(const String& text, Int64& value) {
  String s = TrimBlanks(text);
  if (s.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  UInt64 magnitude = 0;
  auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), magnitude, base);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  if (base == 16 && !negative) {
    value = static_cast<Int64>(magnitude);  // hexadecimal text gives the bit pattern
    return true;
  }
  if (magnitude > (negative ? UInt64(MaxInt64) + 1 : UInt64(MaxInt64))) return false;
  value = negative ? static_cast<Int64>(UInt64(0) - magnitude) : static_cast<Int64>(magnitude);
  return true;
}

bool ToFloat(const String& text, double& value) {
  String s = TrimBlanks(text), plain;
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
  size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) plain += s[i++], ++digits;
  if (i < s.size() && s[i] == DecimalSeparator()) {
    plain += '.';
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) plain += s[i++], ++digits;
  }
  if (!digits) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    plain += s[i++];
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    size_t expDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) plain += s[i++], ++expDigits;
    if (!expDigits) return false;
  }
  if (i != s.size()) return false;
  const char* begin = plain.data() + (plain[0] == '+' ? 1 : 0);
  auto [end, ec] = std::from_chars(begin, plain.data() + plain.size(), value);
  return ec == std::errc() && end == plain.data() + plain.size() && std::isfinite(value);
}

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

bool ToBool(const String& text, bool& value) {
  String s = TrimBlanks(text);
  if (EqualsIgnoreCase(s, SysConst::STrueString)) return value = true, true;
  if (EqualsIgnoreCase(s, SysConst::SFalseString)) return value = false, true;
  return false;
}

WideString ToWide(const String& text) {
  WideString out;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = text[i];
    char32_t cp = 0xFFFD;
    size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > text.size()) {
      ++i;
    } else {
      cp = len == 1 ? c : c & (0x7F >> len);
      bool ok = true;
      for (size_t k = 1; k < len; ++k) {
        unsigned char t = text[i + k];
        if ((t & 0xC0) != 0x80) ok = false;
        cp = (cp << 6) | (t & 0x3F);
      }
      if (!ok) cp = 0xFFFD, len = 1;
      i += len;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

String FromWide(const WideString& text) {
  String out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (cp >= 0xD800 && cp < 0xE000)
      cp = 0xFFFD;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

bool RoundToInt64(double value, Int64& result) {
  if (!std::isfinite(value)) return false;
  double rounded = std::nearbyint(value);  // the default rounding mode takes halves to even
  if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0) return false;
  result = static_cast<Int64>(rounded);
  return true;
}

}  // namespace Variants::VarText
