#include "Multibyte.h"

#include <algorithm>
#include <cstring>

namespace Multibyte {

TSysLocale SysLocale;

namespace {

inline bool IsTrail(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length a lead byte announces (0 for a byte that cannot start a sequence).
inline int AnnouncedLen(unsigned char b) {
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

}  // namespace

int Utf8CharLen(const char* p, const char* end) {
  if (p >= end) return 0;
  auto b0 = static_cast<unsigned char>(p[0]);
  int n = AnnouncedLen(b0);
  if (n <= 1) return 1;
  if (end - p < n) return 1;
  auto b1 = static_cast<unsigned char>(p[1]);
  if (!IsTrail(b1)) return 1;
  // The second byte's range rules out overlong forms, surrogates and values above U+10FFFF.
  if (b0 == 0xE0 && b1 < 0xA0) return 1;
  if (b0 == 0xED && b1 > 0x9F) return 1;
  if (b0 == 0xF0 && b1 < 0x90) return 1;
  if (b0 == 0xF4 && b1 > 0x8F) return 1;
  for (int i = 2; i < n; ++i)
    if (!IsTrail(static_cast<unsigned char>(p[i]))) return 1;
  return n;
}

bool Utf8IsInvalid(const char* p, int len) { return len == 1 && static_cast<unsigned char>(p[0]) >= 0x80; }

char32_t Utf8Decode(const char* p, int len) {
  auto b = [p](int i) { return static_cast<char32_t>(static_cast<unsigned char>(p[i])); };
  switch (len) {
    case 1: return b(0) < 0x80 ? b(0) : 0xFFFD;
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4: return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return 0xFFFD;
  }
}

void Utf8Append(String& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsDBCSLeadByte(Byte b) { return AnnouncedLen(b) > 1; }

namespace {

// Byte type of byte `index` (0-based) of [s, s+len), found by stepping from the start: only a walk
// from a known boundary tells a trail byte from an invalid byte of its own.
TMbcsByteType ByteTypeAt(const char* s, size_t len, size_t index) {
  const char* end = s + len;
  const char* p = s;
  while (p < end) {
    int n = Utf8CharLen(p, end);
    size_t at = static_cast<size_t>(p - s);
    if (index < at + n) {
      if (n == 1) return mbSingleByte;
      return index == at ? mbLeadByte : mbTrailByte;
    }
    p += n;
  }
  return mbSingleByte;
}

}  // namespace

TMbcsByteType ByteType(const String& S, Integer Index) {
  if (Index < 1 || static_cast<size_t>(Index) > S.size()) return mbSingleByte;
  return ByteTypeAt(S.data(), S.size(), static_cast<size_t>(Index - 1));
}

TMbcsByteType StrByteType(const char* Str, Cardinal Index) {
  if (!Str) return mbSingleByte;
  size_t len = std::strlen(Str);
  if (Index >= len) return mbSingleByte;
  return ByteTypeAt(Str, len, Index);
}

const char* CharNext(const char* p) {
  if (!p || *p == 0) return p;
  // A sequence never contains a zero byte, so reading up to 4 bytes stops at the terminator.
  const char* end = p + 1;
  while (end < p + 4 && *end) ++end;
  return p + Utf8CharLen(p, end);
}

const char* CharPrev(const char* start, const char* p) {
  if (!start || !p || p <= start) return start;
  // Step back over at most three continuation bytes to a candidate start, and accept it only when
  // the sequence found there ends exactly at p; otherwise the byte before p is a character of its own.
  const char* q = p - 1;
  int back = 0;
  while (q > start && back < 3 && IsTrail(static_cast<unsigned char>(*q))) {
    --q;
    ++back;
  }
  if (q + Utf8CharLen(q, p) == p) return q;
  return p - 1;
}

Integer CharLength(const String& S, Integer Index) {
  if (Index < 1 || static_cast<size_t>(Index) > S.size()) return 1;
  return Utf8CharLen(S.data() + Index - 1, S.data() + S.size());
}

Integer StrCharLength(const String& S) { return ByteToCharLen(S, static_cast<Integer>(S.size())); }

Integer ByteToCharLen(const String& S, Integer MaxLen) {
  if (MaxLen <= 0) return 0;
  const char* p = S.data();
  const char* end = p + S.size();
  const char* stop = p + std::min<size_t>(S.size(), static_cast<size_t>(MaxLen));
  Integer n = 0;
  while (p < stop) {
    p += Utf8CharLen(p, end);
    ++n;
  }
  return n;
}

Integer CharToByteLen(const String& S, Integer MaxLen) {
  const char* p = S.data();
  const char* end = p + S.size();
  for (Integer i = 0; i < MaxLen && p < end; ++i) p += Utf8CharLen(p, end);
  return static_cast<Integer>(p - S.data());
}

Integer ByteToCharIndex(const String& S, Integer Index) {
  if (Index < 1 || static_cast<size_t>(Index) > S.size()) return 0;
  return ByteToCharLen(S, Index);
}

Integer CharToByteIndex(const String& S, Integer Index) {
  if (Index < 1) return 0;
  Integer before = CharToByteLen(S, Index - 1);
  if (static_cast<size_t>(before) >= S.size()) return 0;
  return before + 1;
}

size_t CharBoundaryBefore(const String& S, size_t maxBytes) {
  if (maxBytes >= S.size()) return S.size();
  const char* p = S.data();
  const char* end = p + S.size();
  size_t at = 0;
  while (true) {
    size_t n = static_cast<size_t>(Utf8CharLen(p + at, end));
    if (at + n > maxBytes) return at;
    at += n;
  }
}

BOOL GetCPInfo(UINT CodePage, CPINFO& Info) {
  if (CodePage != CP_ACP && CodePage != CP_OEMCP && CodePage != CP_THREAD_ACP && CodePage != CP_UTF8)
    return FALSE;
  Info = CPINFO{};
  Info.MaxCharSize = 4;
  Info.DefaultChar[0] = '?';
  Info.LeadByte[0] = 0xC2;
  Info.LeadByte[1] = 0xF4;
  return TRUE;
}

namespace {

void AppendUtf16(WideString& out, char32_t c) {
  if (c >= 0x10000) {
    c -= 0x10000;
    out += static_cast<WideChar>(0xD800 + (c >> 10));
    out += static_cast<WideChar>(0xDC00 + (c & 0x3FF));
  } else {
    out += static_cast<WideChar>(c);
  }
}

WideString DecodeToWide(const char* p, size_t len) {
  WideString out;
  out.reserve(len);
  const char* end = p + len;
  while (p < end) {
    int n = Utf8CharLen(p, end);
    AppendUtf16(out, Utf8Decode(p, n));
    p += n;
  }
  return out;
}

String EncodeFromWide(const WideChar* p, size_t len, bool* usedDefault) {
  String out;
  out.reserve(len);
  for (size_t i = 0; i < len; ++i) {
    char32_t c = p[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < len && p[i + 1] >= 0xDC00 && p[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (p[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      if (usedDefault) *usedDefault = true;
      c = 0xFFFD;  // an unpaired surrogate has no UTF-8 form
    }
    Utf8Append(out, c);
  }
  return out;
}

bool KnownCodePage(UINT cp) { return cp == CP_ACP || cp == CP_OEMCP || cp == CP_THREAD_ACP || cp == CP_UTF8; }

}  // namespace

WideString Utf8ToWide(const String& S) { return DecodeToWide(S.data(), S.size()); }

String WideToUtf8(const WideString& S) { return EncodeFromWide(S.data(), S.size(), nullptr); }

int MultiByteToWideChar(UINT CodePage, DWORD, const char* MultiByteStr, int MultiByteLen, WideChar* WideCharStr,
                        int WideCharLen) {
  if (!KnownCodePage(CodePage) || !MultiByteStr || MultiByteLen < -1 || MultiByteLen == 0 || WideCharLen < 0)
    return 0;
  size_t len = MultiByteLen == -1 ? std::strlen(MultiByteStr) + 1 : static_cast<size_t>(MultiByteLen);
  WideString w = DecodeToWide(MultiByteStr, len);
  if (WideCharLen == 0) return static_cast<int>(w.size());
  if (!WideCharStr || w.size() > static_cast<size_t>(WideCharLen)) return 0;
  std::memcpy(WideCharStr, w.data(), w.size() * sizeof(WideChar));
  return static_cast<int>(w.size());
}

int WideCharToMultiByte(UINT CodePage, DWORD, const WideChar* WideCharStr, int WideCharLen, char* MultiByteStr,
                        int MultiByteLen, const char*, BOOL* UsedDefaultChar) {
  if (!KnownCodePage(CodePage) || !WideCharStr || WideCharLen < -1 || WideCharLen == 0 || MultiByteLen < 0)
    return 0;
  size_t len = 0;
  if (WideCharLen == -1) {
    while (WideCharStr[len]) ++len;
    ++len;
  } else {
    len = static_cast<size_t>(WideCharLen);
  }
  bool used = false;
  String s = EncodeFromWide(WideCharStr, len, &used);
  if (UsedDefaultChar) *UsedDefaultChar = used ? TRUE : FALSE;
  if (MultiByteLen == 0) return static_cast<int>(s.size());
  if (!MultiByteStr || s.size() > static_cast<size_t>(MultiByteLen)) return 0;
  std::memcpy(MultiByteStr, s.data(), s.size());
  return static_cast<int>(s.size());
}

}  // namespace Multibyte
