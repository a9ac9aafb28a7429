#include "Strings.h"

#include <charconv>
#include <cstring>

#include "Exceptions.h"
#include "Format.h"
#include "Multibyte.h"
#include "SysConst.h"

namespace Strings {

// ---- Trimming ----------------------------------------------------------------------------------------
namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

String Trim(const String& S) {
  size_t b = 0, e = S.size();
  while (b < e && IsBlank(S[b])) ++b;
  while (e > b && IsBlank(S[e - 1])) --e;
  return S.substr(b, e - b);
}

String TrimLeft(const String& S) {
  size_t b = 0;
  while (b < S.size() && IsBlank(S[b])) ++b;
  return S.substr(b);
}

String TrimRight(const String& S) {
  size_t e = S.size();
  while (e > 0 && IsBlank(S[e - 1])) --e;
  return S.substr(0, e);
}

// ---- ASCII case and ordinal comparison ------------------------------------------------------------
String UpperCase(const String& S) {
  String r = S;
  for (char& c : r) c = CharUpper(c);
  return r;
}

String LowerCase(const String& S) {
  String r = S;
  for (char& c : r) c = CharLower(c);
  return r;
}

Integer CompareStr(const String& S1, const String& S2) {
  int r = S1.compare(S2);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

Integer CompareText(const String& S1, const String& S2) {
  size_t n = std::min(S1.size(), S2.size());
  for (size_t i = 0; i < n; ++i) {
    auto a = static_cast<unsigned char>(CharUpper(S1[i]));
    auto b = static_cast<unsigned char>(CharUpper(S2[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return S1.size() < S2.size() ? -1 : (S1.size() > S2.size() ? 1 : 0);
}

bool SameText(const String& S1, const String& S2) { return CompareText(S1, S2) == 0; }
bool SameStr(const String& S1, const String& S2) { return S1 == S2; }

// ---- Positions ---------------------------------------------------------------------------------------
Integer Pos(const String& Substr, const String& S) { return PosEx(Substr, S, 1); }

Integer PosEx(const String& Substr, const String& S, Integer Offset) {
  if (Substr.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size()) return 0;
  size_t at = S.find(Substr, static_cast<size_t>(Offset - 1));
  return at == String::npos ? 0 : static_cast<Integer>(at + 1);
}

namespace {

// Length of the match of `pat` at byte `at` of s (on a character boundary), or npos. With ignoreCase,
// characters match when their upper-case forms do, so the match may differ in length from `pat`.
size_t MatchAt(const String& s, size_t at, const String& pat, bool ignoreCase) {
  if (!ignoreCase) return s.compare(at, pat.size(), pat) == 0 ? pat.size() : String::npos;
  const char *p = s.data() + at, *pe = s.data() + s.size();
  const char *q = pat.data(), *qe = q + pat.size();
  while (q < qe) {
    if (p >= pe) return String::npos;
    int n = Utf8CharLen(p, pe), m = Utf8CharLen(q, qe);
    bool bad = Utf8IsInvalid(p, n) || Utf8IsInvalid(q, m);
    if (bad ? (n != m || std::memcmp(p, q, n) != 0)
            : AnsiUpperChar(Utf8Decode(p, n)) != AnsiUpperChar(Utf8Decode(q, m)))
      return String::npos;
    p += n;
    q += m;
  }
  return static_cast<size_t>(p - (s.data() + at));
}

// The first match at or after byte `from` (a character boundary); `len` receives its length.
size_t FindFrom(const String& s, size_t from, const String& pat, bool ignoreCase, size_t& len) {
  const char* end = s.data() + s.size();
  for (size_t at = from; at < s.size(); at += Utf8CharLen(s.data() + at, end)) {
    len = MatchAt(s, at, pat, ignoreCase);
    if (len != String::npos) return at;
  }
  return String::npos;
}

}  // namespace

Integer AnsiPos(const String& Substr, const String& S) {
  if (Substr.empty()) return 0;
  size_t len = 0;
  size_t at = FindFrom(S, 0, Substr, false, len);
  return at == String::npos ? 0 : static_cast<Integer>(at + 1);
}

String Copy(const String& S, Integer Index, Integer Count) {
  if (Index < 1) Index = 1;
  if (Count <= 0 || static_cast<size_t>(Index) > S.size()) return String();
  return S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Delete(String& S, Integer Index, Integer Count) {
  if (Index < 1 || static_cast<size_t>(Index) > S.size() || Count <= 0) return;
  S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Insert(const String& Source, String& S, Integer Index) {
  if (Index < 1) Index = 1;
  size_t at = std::min(static_cast<size_t>(Index - 1), S.size());
  S.insert(at, Source);
}

String StringOfChar(Char Ch, Integer Count) { return Count > 0 ? String(static_cast<size_t>(Count), Ch) : String(); }

// ---- Replacing and quoting ---------------------------------------------------------------------------
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern, TReplaceFlags Flags) {
  if (OldPattern.empty()) return S;
  bool ignoreCase = Flags.Contains(rfIgnoreCase);
  String out;
  size_t from = 0;
  while (from < S.size()) {
    size_t len = 0;
    size_t at = FindFrom(S, from, OldPattern, ignoreCase, len);
    if (at == String::npos) break;
    out.append(S, from, at - from);
    out += NewPattern;
    from = at + len;
    if (!Flags.Contains(rfReplaceAll)) break;
  }
  out.append(S, std::min(from, S.size()), String::npos);
  return out;
}

String QuotedStr(const String& S) { return AnsiQuotedStr(S, '\''); }

String AnsiQuotedStr(const String& S, Char Quote) {
  String r;
  r.reserve(S.size() + 2);
  r += Quote;
  for (char c : S) {
    r += c;
    if (c == Quote) r += c;
  }
  r += Quote;
  return r;
}

String AnsiExtractQuotedStr(const char*& Src, Char Quote) {
  if (!Src || *Src != Quote) return String();
  const char* p = Src + 1;
  String r;
  while (*p) {
    if (*p == Quote) {
      if (p[1] != Quote) {
        ++p;  // the closing quote
        break;
      }
      ++p;  // a doubled quote stands for one
    }
    r += *p++;
  }
  Src = p;
  return r;
}

String AnsiDequotedStr(const String& S, Char Quote) {
  const char* p = S.c_str();
  if (*p != Quote) return S;
  return AnsiExtractQuotedStr(p, Quote);
}

// ---- Integers ------------------------------------------------------------------------------------------
String IntToStr(Integer Value) { return std::to_string(Value); }
String IntToStr(Int64 Value) { return std::to_string(Value); }
String UIntToStr(UInt64 Value) { return std::to_string(Value); }

namespace {

String Hex(UInt64 v, Integer digits) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v, 16);
  String r(buf, res.ptr);
  for (char& c : r) c = CharUpper(c);
  if (digits > 32) digits = 32;
  if (static_cast<Integer>(r.size()) < digits) r.insert(0, static_cast<size_t>(digits) - r.size(), '0');
  return r;
}

// Reads an integer as the class library does: blanks, sign, then decimal digits or "$"/"0x"/"x" and
// hexadecimal digits. A decimal value must lie in [lo, hi]; a hexadecimal one may use every bit of
// the unsigned width (`hexMax`) and is then read as its two's-complement value. Returns the 1-based
// position of the first offending byte, or 0.
Integer ParseInteger(const String& s, Int64 lo, Int64 hi, UInt64 hexMax, Int64& value) {
  value = 0;
  size_t i = 0, n = s.size();
  while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool neg = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  bool hex = false;
  if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return static_cast<Integer>(n + 1);
  UInt64 acc = 0;
  // Magnitude limit of a decimal value: -lo for a negative one, hi for a positive one.
  UInt64 decMax = neg ? static_cast<UInt64>(-(lo + 1)) + 1 : static_cast<UInt64>(hi);
  for (; i < n; ++i) {
    char c = s[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return static_cast<Integer>(i + 1);
    UInt64 base = hex ? 16 : 10;
    UInt64 limit = hex ? hexMax : decMax;
    if (acc > (limit - d) / base) return static_cast<Integer>(i + 1);
    acc = acc * base + d;
  }
  if (hex) {
    // The bits of the unsigned width, read as a signed value of that width.
    Int64 v = acc > static_cast<UInt64>(hi) ? static_cast<Int64>(acc - hexMax - 1) : static_cast<Int64>(acc);
    if (neg && v == INT64_MIN) return static_cast<Integer>(n + 1);  // its negation has no Int64 form
    value = neg ? -v : v;
    if (value < lo || value > hi) {
      value = 0;
      return static_cast<Integer>(n + 1);
    }
  } else {
    value = neg ? static_cast<Int64>(0 - acc) : static_cast<Int64>(acc);
  }
  return 0;
}

[[noreturn]] void RaiseInvalidInteger(const String& s) { throw EConvertError(Format(SysConst::SInvalidInteger, {s})); }

}  // namespace

String IntToHex(Integer Value, Integer Digits) { return Hex(static_cast<uint32_t>(Value), Digits); }
String IntToHex(Int64 Value, Integer Digits) { return Hex(static_cast<UInt64>(Value), Digits); }

void Val(const String& S, Integer& Value, Integer& Code) {
  Int64 v = 0;
  Code = ParseInteger(S, INT32_MIN, INT32_MAX, UINT32_MAX, v);
  Value = static_cast<Integer>(v);
}

void Val(const String& S, Int64& Value, Integer& Code) { Code = ParseInteger(S, INT64_MIN, INT64_MAX, UINT64_MAX, Value); }

bool TryStrToInt(const String& S, Integer& Value) {
  Integer code;
  Val(S, Value, code);
  return code == 0;
}

bool TryStrToInt64(const String& S, Int64& Value) {
  Integer code;
  Val(S, Value, code);
  return code == 0;
}

Integer StrToInt(const String& S) {
  Integer v;
  if (!TryStrToInt(S, v)) RaiseInvalidInteger(S);
  return v;
}

Int64 StrToInt64(const String& S) {
  Int64 v;
  if (!TryStrToInt64(S, v)) RaiseInvalidInteger(S);
  return v;
}

Integer StrToIntDef(const String& S, Integer Default) {
  Integer v;
  return TryStrToInt(S, v) ? v : Default;
}

Int64 StrToInt64Def(const String& S, Int64 Default) {
  Int64 v;
  return TryStrToInt64(S, v) ? v : Default;
}

void Val(const String& S, Double& Value, Integer& Code) {
  // Blanks, sign, digits with an optional '.' fraction, an optional exponent; '.' whatever the locale.
  Value = 0;
  size_t i = 0, n = S.size();
  while (i < n && (S[i] == ' ' || S[i] == '\t')) ++i;
  size_t start = i;
  if (i < n && (S[i] == '+' || S[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && S[i] >= '0' && S[i] <= '9') ++i, ++digits;
  if (i < n && S[i] == '.') {
    ++i;
    while (i < n && S[i] >= '0' && S[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) {
    Code = static_cast<Integer>(i < n ? i + 1 : n + 1);
    return;
  }
  if (i < n && (S[i] == 'e' || S[i] == 'E')) {
    ++i;
    if (i < n && (S[i] == '+' || S[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < n && S[i] >= '0' && S[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) {
      Code = static_cast<Integer>(i + 1);
      return;
    }
  }
  if (i < n) {
    Code = static_cast<Integer>(i + 1);
    return;
  }
  const char* first = S.data() + start + (S[start] == '+' ? 1 : 0);
  double v = 0;
  auto res = std::from_chars(first, S.data() + n, v);
  if (res.ec != std::errc()) {
    Code = static_cast<Integer>(n + 1);  // out of range
    return;
  }
  Value = v;
  Code = 0;
}

// ---- Booleans ------------------------------------------------------------------------------------------
String BoolToStr(bool B, bool UseBoolStrs) {
  if (UseBoolStrs) return B ? DefaultTrueBoolStr : DefaultFalseBoolStr;
  return B ? "-1" : "0";
}

bool TryStrToBool(const String& S, bool& Value) {
  if (AnsiSameText(S, DefaultTrueBoolStr)) {
    Value = true;
    return true;
  }
  if (AnsiSameText(S, DefaultFalseBoolStr)) {
    Value = false;
    return true;
  }
  Double d;
  Integer code;
  Val(S, d, code);
  if (code != 0) return false;
  Value = d != 0;
  return true;
}

bool StrToBool(const String& S) {
  bool v;
  if (!TryStrToBool(S, v)) throw EConvertError(Format(SysConst::SInvalidBoolean, {S}));
  return v;
}

bool StrToBoolDef(const String& S, bool Default) {
  bool v;
  return TryStrToBool(S, v) ? v : Default;
}

// ---- Accelerators -------------------------------------------------------------------------------------
String StripHotkey(const String& Text) {
  String r;
  r.reserve(Text.size());
  const char* p = Text.data();
  const char* end = p + Text.size();
  while (p < end) {
    if (*p != cHotkeyPrefix) {
      int n = Utf8CharLen(p, end);
      r.append(p, n);
      p += n;
      continue;
    }
    if (p + 1 < end && p[1] == cHotkeyPrefix) {  // "&&" is a literal ampersand
      r += cHotkeyPrefix;
      p += 2;
      continue;
    }
    // A far-eastern caption puts its accelerator in brackets after the text: "文件(&F)".
    if (SysLocale.FarEast && !r.empty() && r.back() == '(' && end - p >= 3 && p[2] == ')' &&
        static_cast<unsigned char>(p[1]) < 0x80) {
      r.pop_back();
      p += 3;
      continue;
    }
    ++p;
  }
  return r;
}

String GetHotkey(const String& Text) {
  const char* p = Text.data();
  const char* end = p + Text.size();
  while (p < end) {
    if (*p == cHotkeyPrefix) {
      if (p + 1 >= end) break;
      if (p[1] != cHotkeyPrefix) return String(p + 1, Utf8CharLen(p + 1, end));
      p += 2;
      continue;
    }
    p += Utf8CharLen(p, end);
  }
  return String();
}

bool IsAccel(Word VK, const String& Str) {
  String hotkey = GetHotkey(Str);
  if (hotkey.empty()) return false;
  String key;
  Utf8Append(key, VK);
  return AnsiSameText(key, hotkey);
}

}  // namespace Strings
