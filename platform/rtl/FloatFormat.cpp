// Numbers to text: decimal digits of a value, the standard formats and the number-text readers.
// (Picture formats are in FormatFloat.cpp.)
#include "FloatFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Exceptions.h"
#include "Format.h"
#include "FormatSettings.h"
#include "SysConst.h"

namespace FloatFormat {

// ---- Decimal digits ----------------------------------------------------------------------------------
namespace {

constexpr SmallInt kNanExponent = -32768;
constexpr SmallInt kInfExponent = 0x7FFF;

// Rounds the digit string `d` (value 0.d x 10^exp) to `keep` digits, half away from zero, and stores
// the result without trailing zeros. `exact` tells that `d` holds every digit of the value.
void RoundInto(TFloatRec& r, const String& d, int exp, int keep) {
  if (keep < 0 || (keep == 0 && d[0] < '5')) {
    r.Exponent = 0;
    r.Negative = false;
    r.Digits[0] = 0;
    return;
  }
  String out = d.substr(0, static_cast<size_t>(keep));
  if (static_cast<size_t>(keep) < d.size() && d[static_cast<size_t>(keep)] >= '5') {
    int i = keep - 1;
    while (i >= 0 && out[static_cast<size_t>(i)] == '9') out[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++out[static_cast<size_t>(i)];
    } else {
      out.insert(out.begin(), '1');
      ++exp;
    }
  }
  while (!out.empty() && out.back() == '0') out.pop_back();
  if (out.empty()) {  // cannot happen for a nonzero value, but keeps the record sound
    r.Exponent = 0;
    r.Negative = false;
    r.Digits[0] = 0;
    return;
  }
  if (out.size() > 20) out.resize(20);
  std::memcpy(r.Digits, out.c_str(), out.size() + 1);
  r.Exponent = static_cast<SmallInt>(exp);
}

// Significant digits of |v| (v finite, nonzero) with its decimal exponent (v = 0.digits x 10^exp).
String DigitsOf(double v, int count, int& exp) {
  static thread_local char buf[1024];
  std::snprintf(buf, sizeof buf, "%.*e", count - 1, std::fabs(v));
  String d;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d += *p;
  exp = std::atoi(p + 1) + 1;
  return d;
}

}  // namespace

void FloatToDecimal(TFloatRec& Result, Extended Value, Integer Precision, Integer Decimals) {
  Result = TFloatRec{};
  Result.Negative = std::signbit(Value);
  if (std::isnan(Value)) {
    Result.Exponent = kNanExponent;
    return;
  }
  if (std::isinf(Value)) {
    Result.Exponent = kInfExponent;
    return;
  }
  if (Value == 0) {
    Result.Negative = false;
    return;
  }
  Precision = std::clamp(Precision, 1, 18);
  int exp = 0;
  String d = DigitsOf(Value, 40, exp);
  int keep = std::min<Integer>(Precision, exp + std::min<Integer>(Decimals, 9999));
  // The 40 digits printf gives are themselves rounded: when the digits after the cut read as an exact
  // half (or just below one), look at every digit of the value before deciding.
  if (keep >= 0 && keep < 40) {
    String tail = d.substr(static_cast<size_t>(keep));
    bool nearHalf = (tail[0] == '5' && tail.find_first_not_of('0', 1) == String::npos) ||
                    (tail[0] == '4' && tail.find_first_not_of('9', 1) == String::npos);
    if (nearHalf) d = DigitsOf(Value, 800, exp);
  }
  RoundInto(Result, d, exp, keep);
}

void FloatToDecimal(TFloatRec& Result, Currency Value, Integer Precision, Integer Decimals) {
  Result = TFloatRec{};
  if (Value.Raw == 0) return;
  Result.Negative = Value.Raw < 0;
  UInt64 mag = Value.Raw < 0 ? 0 - static_cast<UInt64>(Value.Raw) : static_cast<UInt64>(Value.Raw);
  String d = std::to_string(mag);
  int exp = static_cast<int>(d.size()) - 4;
  Precision = std::clamp(Precision, 1, 19);
  RoundInto(Result, d, exp, std::min<Integer>(Precision, exp + std::min<Integer>(Decimals, 9999)));
}

// ---- Standard formats -------------------------------------------------------------------------------
namespace {

String DigitsAsText(const TFloatRec& r) { return String(r.Digits); }

// The integer part "ddd" and the decimals of a rounded record, `decimals` places (zero-padded).
void SplitFixed(const TFloatRec& r, int decimals, String& intPart, String& frac) {
  String d = DigitsAsText(r);
  int e = r.Exponent;
  if (e <= 0) {
    intPart = "0";
    frac = String(static_cast<size_t>(-e), '0') + d;
  } else if (static_cast<int>(d.size()) <= e) {
    intPart = d + String(static_cast<size_t>(e) - d.size(), '0');
    frac.clear();
  } else {
    intPart = d.substr(0, static_cast<size_t>(e));
    frac = d.substr(static_cast<size_t>(e));
  }
  if (static_cast<int>(frac.size()) < decimals) frac.append(static_cast<size_t>(decimals) - frac.size(), '0');
  frac.resize(static_cast<size_t>(std::max(decimals, 0)));
}

String GroupThousands(const String& intPart, Char sep) {
  if (sep == 0) return intPart;
  String r;
  size_t n = intPart.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) r += sep;
    r += intPart[i];
  }
  return r;
}

String ExponentText(int exp, bool alwaysSign, int minDigits) {
  String r = "E";
  if (exp < 0) r += '-';
  else if (alwaysSign) r += '+';
  String digits = std::to_string(std::abs(exp));
  minDigits = std::clamp(minDigits, 0, 4);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
  return r + digits;
}

String SpecialText(const TFloatRec& r) {
  if (r.Exponent == kNanExponent) return "NAN";
  return r.Negative ? "-INF" : "INF";
}

bool IsSpecial(const TFloatRec& r) { return r.Exponent == kNanExponent || r.Exponent == kInfExponent; }

String GeneralText(const TFloatRec& r, int precision, int expDigits, Char decSep) {
  String d = DigitsAsText(r);
  String sign = r.Negative ? "-" : "";
  if (d.empty()) return "0";
  int e = r.Exponent;
  if (e > precision || e < -3) {
    String t = sign + d[0];
    if (d.size() > 1) t += decSep + d.substr(1);
    return t + ExponentText(e - 1, false, expDigits);
  }
  String intPart, frac;
  SplitFixed(r, 0, intPart, frac);
  String rest = e <= 0 ? String(static_cast<size_t>(-e), '0') + d
                       : (static_cast<int>(d.size()) > e ? d.substr(static_cast<size_t>(e)) : String());
  return sign + intPart + (rest.empty() ? String() : decSep + rest);
}

String ExponentFormText(const TFloatRec& r, int precision, int expDigits, Char decSep) {
  String d = DigitsAsText(r);
  int e = d.empty() ? 1 : r.Exponent;
  d.resize(static_cast<size_t>(precision), '0');
  String t = r.Negative ? "-" : "";
  t += d[0];
  if (precision > 1) t += decSep + d.substr(1);
  return t + ExponentText(e - 1, true, expDigits);
}

// The currency patterns: %s stands for the number, $ for the currency string.
const char* const kPosCurr[] = {"$1", "1$", "$ 1", "1 $"};
const char* const kNegCurr[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",   "1-$",   "1$-",
                                "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

String ApplyCurrency(const String& number, bool negative, const TFormatSettings& s) {
  const char* pat = negative ? kNegCurr[s.NegCurrFormat & 15] : kPosCurr[s.CurrencyFormat & 3];
  String r;
  for (const char* p = pat; *p; ++p) {
    if (*p == '1') r += number;
    else if (*p == '$') r += s.CurrencyString;
    else r += *p;
  }
  return r;
}

String TextOf(const TFloatRec& rounded, TFloatFormat fmt, int precision, int digits, const TFormatSettings& s,
              const TFloatRec& general) {
  switch (fmt) {
    case ffGeneral:
      return GeneralText(rounded, precision, digits, s.DecimalSeparator);
    case ffExponent:
      return ExponentFormText(rounded, precision, digits, s.DecimalSeparator);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      if (rounded.Exponent > precision) {
        String g = GeneralText(general, precision, 0, s.DecimalSeparator);
        return fmt == ffCurrency ? ApplyCurrency(g.front() == '-' ? g.substr(1) : g, general.Negative, s) : g;
      }
      String intPart, frac;
      SplitFixed(rounded, digits, intPart, frac);
      if (fmt != ffFixed) intPart = GroupThousands(intPart, s.ThousandSeparator);
      String number = intPart + (digits > 0 ? s.DecimalSeparator + frac : String());
      if (fmt == ffCurrency) return ApplyCurrency(number, rounded.Negative, s);
      return rounded.Negative ? "-" + number : number;
    }
  }
  return String();
}

template <class V>
String FloatToTextOf(V value, TFloatFormat fmt, Integer precision, Integer digits, const TFormatSettings& s,
                     int maxPrecision) {
  precision = std::clamp(precision, 1, maxPrecision);
  TFloatRec general, rounded;
  FloatToDecimal(general, value, precision, 9999);
  if (IsSpecial(general)) return SpecialText(general);
  switch (fmt) {
    case ffGeneral:
    case ffExponent:
      return TextOf(general, fmt, precision, digits, s, general);
    default:
      digits = std::clamp(digits, 0, 18);
      FloatToDecimal(rounded, value, precision, digits);
      return TextOf(rounded, fmt, precision, digits, s, general);
  }
}

}  // namespace

String FloatToText(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings) {
  return FloatToTextOf(Value, Format, Precision, Digits, Settings, 18);
}

String FloatToText(Currency Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings) {
  return FloatToTextOf(Value, Format, Precision, Digits, Settings, 19);
}

String FloatToStr(Extended Value) { return FloatToStr(Value, FormatSettings); }
String FloatToStr(Extended Value, const TFormatSettings& Settings) {
  return FloatToText(Value, ffGeneral, 15, 0, Settings);
}
String FloatToStrF(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits) {
  return FloatToText(Value, Format, Precision, Digits, FormatSettings);
}
String FloatToStrF(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings) {
  return FloatToText(Value, Format, Precision, Digits, Settings);
}
String CurrToStr(Currency Value) { return CurrToStr(Value, FormatSettings); }
String CurrToStr(Currency Value, const TFormatSettings& Settings) {
  return FloatToText(Value, ffGeneral, 19, 0, Settings);
}
String CurrToStrF(Currency Value, TFloatFormat Format, Integer Digits) {
  return CurrToStrF(Value, Format, Digits, FormatSettings);
}
String CurrToStrF(Currency Value, TFloatFormat Format, Integer Digits, const TFormatSettings& Settings) {
  return FloatToText(Value, Format, 19, Digits, Settings);
}

// ---- Reading numbers -----------------------------------------------------------------------------------
namespace {

// The parts of a number text: sign, the significant digits (without the decimal separator) and the
// power of ten that the last of them stands for.
struct TNumberText {
  bool Negative = false;
  String Digits;
  long Exp10 = 0;
};

bool ParseNumber(const String& text, Char decSep, TNumberText& n) {
  size_t i = 0, len = text.size();
  auto blank = [&](size_t k) { return text[k] == ' ' || text[k] == '\t'; };
  while (i < len && blank(i)) ++i;
  while (len > i && blank(len - 1)) --len;
  if (i < len && (text[i] == '+' || text[i] == '-')) n.Negative = text[i++] == '-';
  size_t count = 0;
  long fracDigits = 0;
  bool seenSep = false;
  for (; i < len; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      n.Digits += c;
      ++count;
      if (seenSep) ++fracDigits;
    } else if (c == decSep && !seenSep) {
      seenSep = true;
    } else {
      break;
    }
  }
  if (count == 0) return false;
  long exp = 0;
  if (i < len && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negExp = false;
    if (i < len && (text[i] == '+' || text[i] == '-')) negExp = text[i++] == '-';
    size_t expDigits = 0;
    for (; i < len && text[i] >= '0' && text[i] <= '9'; ++i, ++expDigits)
      if (exp < 100000) exp = exp * 10 + (text[i] - '0');
    if (expDigits == 0) return false;
    if (negExp) exp = -exp;
  }
  if (i != len) return false;
  n.Exp10 = exp - fracDigits;
  size_t lead = n.Digits.find_first_not_of('0');
  n.Digits = lead == String::npos ? String() : n.Digits.substr(lead);
  return true;
}

}  // namespace

bool TextToFloat(const String& Text, Extended& Value, const TFormatSettings& Settings) {
  TNumberText n;
  if (!ParseNumber(Text, Settings.DecimalSeparator, n)) return false;
  if (n.Digits.empty()) {
    Value = n.Negative ? -0.0 : 0.0;
    return true;
  }
  String c = n.Digits + "e" + std::to_string(n.Exp10);
  double v = 0;
  auto res = std::from_chars(c.data(), c.data() + c.size(), v);
  if (res.ec != std::errc() || std::isinf(v)) return false;
  Value = n.Negative ? -v : v;
  return true;
}

bool TextToFloat(const String& Text, Currency& Value, const TFormatSettings& Settings) {
  TNumberText n;
  if (!ParseNumber(Text, Settings.DecimalSeparator, n)) return false;
  long shift = n.Exp10 + 4;  // scale by 10 000
  String d = n.Digits;
  if (d.empty()) {
    Value = Currency{};
    return true;
  }
  if (shift + static_cast<long>(d.size()) > 20) return false;
  String intDigits, dropped;
  if (shift >= 0) {
    intDigits = d + String(static_cast<size_t>(shift), '0');
  } else if (static_cast<long>(d.size()) + shift > 0) {
    intDigits = d.substr(0, d.size() - static_cast<size_t>(-shift));
    dropped = d.substr(d.size() - static_cast<size_t>(-shift));
  } else {
    dropped = String(static_cast<size_t>(-shift) - d.size(), '0') + d;
  }
  UInt64 mag = 0;
  for (char c : intDigits) {
    if (mag > (UINT64_MAX - 9) / 10) return false;
    mag = mag * 10 + static_cast<UInt64>(c - '0');
  }
  if (!dropped.empty()) {
    bool aboveHalf = dropped[0] > '5' || (dropped[0] == '5' && dropped.find_first_not_of('0', 1) != String::npos);
    bool half = dropped[0] == '5' && !aboveHalf;
    if (aboveHalf || (half && (mag & 1))) ++mag;
  }
  UInt64 limit = n.Negative ? static_cast<UInt64>(INT64_MAX) + 1 : static_cast<UInt64>(INT64_MAX);
  if (mag > limit) return false;
  Value = Currency::FromRaw(n.Negative ? static_cast<Int64>(0 - mag) : static_cast<Int64>(mag));
  return true;
}

bool TryStrToFloat(const String& S, Extended& Value) { return TextToFloat(S, Value, FormatSettings); }
bool TryStrToFloat(const String& S, Extended& Value, const TFormatSettings& Settings) {
  return TextToFloat(S, Value, Settings);
}
Extended StrToFloat(const String& S) { return StrToFloat(S, FormatSettings); }
Extended StrToFloat(const String& S, const TFormatSettings& Settings) {
  Extended v = 0;
  if (!TextToFloat(S, v, Settings)) throw EConvertError(Format(SysConst::SInvalidFloat, {S}));
  return v;
}
Extended StrToFloatDef(const String& S, Extended Default) {
  Extended v = 0;
  return TextToFloat(S, v, FormatSettings) ? v : Default;
}
bool TryStrToCurr(const String& S, Currency& Value) { return TextToFloat(S, Value, FormatSettings); }
Currency StrToCurr(const String& S) { return StrToCurr(S, FormatSettings); }
Currency StrToCurr(const String& S, const TFormatSettings& Settings) {
  Currency v;
  if (!TextToFloat(S, v, Settings)) throw EConvertError(Format(SysConst::SInvalidFloat, {S}));
  return v;
}
Currency StrToCurrDef(const String& S, Currency Default) {
  Currency v;
  return TextToFloat(S, v, FormatSettings) ? v : Default;
}

}  // namespace FloatFormat
