// Case mapping, character classes and the locale collation behind every Ansi* comparison.
#include <algorithm>
#include <cstring>

#include "Multibyte.h"
#include "Strings.h"

namespace Strings {

// ---- Case pairs --------------------------------------------------------------------------------------
namespace {

// Blocks where upper and lower case alternate: the even code point is upper case when `evenUpper`.
struct TAlternating {
  char32_t First, Last;
  bool EvenUpper;
};
constexpr TAlternating kAlternating[] = {
    {0x0100, 0x012F, true}, {0x0132, 0x0137, true}, {0x0139, 0x0148, false}, {0x014A, 0x0177, true},
    {0x0179, 0x017E, false}, {0x0460, 0x0481, true}, {0x048A, 0x04BF, true}, {0x04C1, 0x04CE, false},
    {0x04D0, 0x052F, true},
};

const TAlternating* FindAlternating(char32_t c) {
  for (const auto& a : kAlternating)
    if (c >= a.First && c <= a.Last) return &a;
  return nullptr;
}

bool IsEven(char32_t c) { return (c & 1) == 0; }

}  // namespace

char32_t AnsiUpperChar(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (const TAlternating* a = FindAlternating(c)) {
    bool upper = IsEven(c) == a->EvenUpper;
    return upper ? c : c - 1;
  }
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x3B1 && c <= 0x3CB) return c - 0x20;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (c == 0x4CF) return 0x4C0;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;
  return c;
}

char32_t AnsiLowerChar(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if (const TAlternating* a = FindAlternating(c)) {
    bool upper = IsEven(c) == a->EvenUpper;
    return upper && c < a->Last ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
  return c;
}

namespace {

template <class Map>
String MapChars(const String& s, Map map) {
  String out;
  out.reserve(s.size());
  const char* p = s.data();
  const char* end = p + s.size();
  while (p < end) {
    int n = Utf8CharLen(p, end);
    if (n == 1 && static_cast<unsigned char>(*p) < 0x80) {
      out += static_cast<char>(map(static_cast<char32_t>(*p)));
    } else if (Utf8IsInvalid(p, n)) {
      out += *p;  // an invalid byte is kept as it is
    } else {
      Utf8Append(out, map(Utf8Decode(p, n)));
    }
    p += n;
  }
  return out;
}

}  // namespace

String AnsiUpperCase(const String& S) { return MapChars(S, AnsiUpperChar); }
String AnsiLowerCase(const String& S) { return MapChars(S, AnsiLowerChar); }

// ---- Character classes -----------------------------------------------------------------------------
namespace {

bool IsCased(char32_t c) { return AnsiUpperChar(c) != c || AnsiLowerChar(c) != c; }

bool IsUncasedLetter(char32_t c) {
  return c == 0xAA || c == 0xBA || c == 0xDF || c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F ||
         (c >= 0x3040 && c <= 0x30FF) ||  // kana
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xAC00 && c <= 0xD7A3) ||  // Hangul syllables
         (c >= 0x20000 && c <= 0x2FFFF);
}

}  // namespace

bool IsCharAlpha(char32_t C) { return IsCased(C) || IsUncasedLetter(C); }
bool IsCharAlphaNumeric(char32_t C) {
  return IsCharAlpha(C) || (C >= '0' && C <= '9') || (C >= 0xFF10 && C <= 0xFF19);
}
bool IsCharUpper(char32_t C) { return AnsiLowerChar(C) != C; }
bool IsCharLower(char32_t C) { return AnsiUpperChar(C) != C || C == 0xDF; }
char32_t CharUpper(char32_t C) { return AnsiUpperChar(C); }
char32_t CharLower(char32_t C) { return AnsiLowerChar(C); }

namespace {
// A byte of a multibyte character is not a character of its own: only ASCII bytes are classified.
bool Ascii(Char c) { return static_cast<unsigned char>(c) < 0x80; }
}  // namespace

bool IsCharAlpha(Char C) { return Ascii(C) && IsCharAlpha(static_cast<char32_t>(C)); }
bool IsCharAlphaNumeric(Char C) { return Ascii(C) && IsCharAlphaNumeric(static_cast<char32_t>(C)); }
bool IsCharUpper(Char C) { return Ascii(C) && IsCharUpper(static_cast<char32_t>(C)); }
bool IsCharLower(Char C) { return Ascii(C) && IsCharLower(static_cast<char32_t>(C)); }
Char CharUpper(Char C) { return (C >= 'a' && C <= 'z') ? static_cast<Char>(C - 32) : C; }
Char CharLower(Char C) { return (C >= 'A' && C <= 'Z') ? static_cast<Char>(C + 32) : C; }
String CharUpper(const String& S) { return AnsiUpperCase(S); }
String CharLower(const String& S) { return AnsiLowerCase(S); }

// ---- Collation -----------------------------------------------------------------------------------------
namespace {

// Base letters of Latin-1 (from U+00C0) and Latin Extended-A (from U+0100), lower case; '.' = none.
constexpr char kLatin1Base[] = "aaaaaaaceeeeiiii" "dnooooo.ouuuuy.s" "aaaaaaaceeeeiiii" "dnooooo.ouuuuy.y";
constexpr char kLatinExtABase[] =
    "aaaaaaccccccccdddd" "eeeeeeeeee" "gggggggg" "hhhh" "iiiiiiiiiiii" "jj" "kkk" "llllllllll" "nnnnnnnnn"
    "oooooooo" "rrrrrr" "ssssssss" "tttttt" "uuuuuuuuuuuu" "ww" "yyy" "zzzzzz" "s";
static_assert(sizeof(kLatinExtABase) - 1 == 0x80, "one base letter per Latin Extended-A character");
static_assert(sizeof(kLatin1Base) - 1 == 0x40, "one base letter per Latin-1 letter slot");

// Classes of the first pass, in sort order.
enum TKeyClass : uint32_t { kcSymbol, kcDigit, kcLatin, kcGreek, kcCyrillic, kcOther, kcInvalid };

struct TCollationKey {
  uint32_t Primary;  // class << 24 | value
  uint32_t Accent;   // 0 for a plain character
  bool Upper;
};

constexpr uint32_t Key(TKeyClass k, uint32_t v) { return (static_cast<uint32_t>(k) << 24) | v; }

char LatinBase(char32_t lower) {
  if (lower >= 'a' && lower <= 'z') return static_cast<char>(lower);
  if (lower >= 0xC0 && lower < 0x100) return kLatin1Base[lower - 0xC0];
  if (lower >= 0x100 && lower < 0x180) return kLatinExtABase[lower - 0x100];
  if (lower >= 0xFF41 && lower <= 0xFF5A) return static_cast<char>('a' + (lower - 0xFF41));
  return 0;
}

char32_t GreekBase(char32_t lower) {
  switch (lower) {
    case 0x3AC: return 0x3B1;
    case 0x3AD: return 0x3B5;
    case 0x3AE: return 0x3B7;
    case 0x3AF: case 0x3CA: return 0x3B9;
    case 0x3CC: return 0x3BF;
    case 0x3CD: case 0x3CB: return 0x3C5;
    case 0x3CE: return 0x3C9;
    case 0x3C2: return 0x3C3;
    default: return lower;
  }
}

TCollationKey KeyOf(char32_t c) {
  char32_t lower = AnsiLowerChar(c);
  bool upper = lower != c;
  if (c >= '0' && c <= '9') return {Key(kcDigit, c - '0'), 0, false};
  if (c >= 0xFF10 && c <= 0xFF19) return {Key(kcDigit, c - 0xFF10), 1, false};
  if (char base = LatinBase(lower); base && base != '.') {
    uint32_t accent = lower == static_cast<char32_t>(base) ? 0 : lower;
    return {Key(kcLatin, static_cast<unsigned char>(base)), accent, upper};
  }
  if (c < 0x80 || (c < 0x100 && !IsCharAlpha(c))) return {Key(kcSymbol, c), 0, false};
  if (IsCharAlpha(c) && c < 0x250) return {Key(kcLatin, 0x100 + lower), 0, upper};
  if (c >= 0x370 && c <= 0x3FF) {
    char32_t base = GreekBase(lower);
    return {Key(kcGreek, base), base == lower ? 0 : lower, upper};
  }
  if (c >= 0x400 && c <= 0x52F) return {Key(kcCyrillic, lower), 0, upper};
  return {Key(kcOther, lower), 0, upper};
}

bool Ignorable(char32_t c) { return c == '-' || c == '\''; }

// Walks a string character by character, giving each its key.
struct TCollationCursor {
  const char* P;
  const char* End;
  bool Next(TCollationKey& key, bool& ignorable) {
    if (P >= End) return false;
    int n = Utf8CharLen(P, End);
    if (Utf8IsInvalid(P, n)) {
      key = {Key(kcInvalid, static_cast<unsigned char>(*P)), 0, false};
      ignorable = false;
    } else {
      char32_t c = Utf8Decode(P, n);
      key = KeyOf(c);
      ignorable = Ignorable(c);
    }
    P += n;
    return true;
  }
  // The next character that the first three passes look at.
  bool NextWeighted(TCollationKey& key) {
    bool ignorable = false;
    while (Next(key, ignorable))
      if (!ignorable) return true;
    return false;
  }
};

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// One pass over both strings; `field` picks the weight the pass compares.
template <class Field>
int ComparePass(const char* a, size_t la, const char* b, size_t lb, Field field) {
  TCollationCursor x{a, a + la}, y{b, b + lb};
  TCollationKey kx{}, ky{};
  while (true) {
    bool hx = x.NextWeighted(kx);
    bool hy = y.NextWeighted(ky);
    if (!hx || !hy) return hx ? 1 : (hy ? -1 : 0);
    long long d = static_cast<long long>(field(kx)) - static_cast<long long>(field(ky));
    if (d) return Sign(d);
  }
}

size_t CountIgnorables(const char* p, size_t len) {
  size_t n = 0;
  for (size_t i = 0; i < len; ++i)
    if (p[i] == '-' || p[i] == '\'') ++n;
  return n;
}

int CompareBytes(const char* a, size_t la, const char* b, size_t lb) {
  int r = std::memcmp(a, b, std::min(la, lb));
  if (r) return Sign(r);
  return la < lb ? -1 : (la > lb ? 1 : 0);
}

}  // namespace

// The collation shared by every Ansi* comparison (see the header).
static int AnsiCollate(const char* a, size_t la, const char* b, size_t lb, bool ignoreCase) {
  if (int r = ComparePass(a, la, b, lb, [](const TCollationKey& k) { return k.Primary; })) return r;
  if (int r = ComparePass(a, la, b, lb, [](const TCollationKey& k) { return k.Accent; })) return r;
  if (!ignoreCase)
    if (int r = ComparePass(a, la, b, lb, [](const TCollationKey& k) { return k.Upper ? 1u : 0u; })) return r;
  size_t ia = CountIgnorables(a, la), ib = CountIgnorables(b, lb);
  if (ia != ib) return ia < ib ? -1 : 1;
  if (!ignoreCase) return CompareBytes(a, la, b, lb);
  String fa = AnsiLowerCase(String(a, la)), fb = AnsiLowerCase(String(b, lb));
  return CompareBytes(fa.data(), fa.size(), fb.data(), fb.size());
}

}  // namespace Strings

namespace Strings {

Integer AnsiCompareStr(const String& S1, const String& S2) {
  return AnsiCollate(S1.data(), S1.size(), S2.data(), S2.size(), false);
}
Integer AnsiCompareText(const String& S1, const String& S2) {
  return AnsiCollate(S1.data(), S1.size(), S2.data(), S2.size(), true);
}
bool AnsiSameStr(const String& S1, const String& S2) { return S1 == S2; }
bool AnsiSameText(const String& S1, const String& S2) { return AnsiCompareText(S1, S2) == 0; }

namespace {

// The first maxLen bytes of s; a character that the limit would cut is left out whole.
String CutToBoundary(const char* s, Cardinal maxLen) {
  size_t look = static_cast<size_t>(maxLen) + 3;  // enough to see the whole of a cut sequence
  size_t len = 0;
  while (len < look && s[len]) ++len;
  String t(s, len);
  t.resize(CharBoundaryBefore(t, maxLen));
  return t;
}

}  // namespace

Integer AnsiStrComp(const char* S1, const char* S2) { return AnsiCompareStr(S1 ? S1 : "", S2 ? S2 : ""); }
Integer AnsiStrIComp(const char* S1, const char* S2) { return AnsiCompareText(S1 ? S1 : "", S2 ? S2 : ""); }
Integer AnsiStrLComp(const char* S1, const char* S2, Cardinal MaxLen) {
  return AnsiCompareStr(CutToBoundary(S1 ? S1 : "", MaxLen), CutToBoundary(S2 ? S2 : "", MaxLen));
}
Integer AnsiStrLIComp(const char* S1, const char* S2, Cardinal MaxLen) {
  return AnsiCompareText(CutToBoundary(S1 ? S1 : "", MaxLen), CutToBoundary(S2 ? S2 : "", MaxLen));
}

int CompareString(LCID, DWORD CmpFlags, const char* String1, int Count1, const char* String2, int Count2) {
  if (!String1 || !String2) return 0;
  size_t n1 = Count1 < 0 ? std::strlen(String1) : static_cast<size_t>(Count1);
  size_t n2 = Count2 < 0 ? std::strlen(String2) : static_cast<size_t>(Count2);
  int r = AnsiCollate(String1, n1, String2, n2, (CmpFlags & NORM_IGNORECASE) != 0);
  return r < 0 ? CSTR_LESS_THAN : (r > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL);
}

}  // namespace Strings
