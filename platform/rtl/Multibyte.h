// The program's multibyte ("ANSI") code page is UTF-8. A character is one whole UTF-8 sequence, so
// the lead-byte tests, CharNext/CharPrev and the byte-type queries step whole sequences and no routine
// ever stands inside one.
//
// Invalid bytes: a byte that does not start a well-formed sequence (a stray continuation byte, a
// truncated or overlong sequence, an encoded surrogate, a value above U+10FFFF, the bytes C0, C1 and
// F5..FF) is a single-byte character of its own. It is never merged with its neighbours, is kept as
// it is by the string routines, and becomes U+FFFD when converted to wide text.
#pragma once

#include "System.h"
#include "WinDef.h"

namespace Multibyte {

// ---- Sequences ---------------------------------------------------------------------------------------
// Length in bytes of the character that starts at p (p < end): 1..4; 1 for an invalid byte.
int Utf8CharLen(const char* p, const char* end);
// The code point of the character that starts at p and is `len` bytes long (as Utf8CharLen gave).
// An invalid byte decodes as U+FFFD.
char32_t Utf8Decode(const char* p, int len);
// True when the character at p is an invalid byte rather than a real character.
bool Utf8IsInvalid(const char* p, int len);
// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values out of range).
void Utf8Append(String& out, char32_t code);

// ---- Lead bytes --------------------------------------------------------------------------------------
// A lead byte is one that starts a sequence of two or more bytes (C2..F4).
bool IsDBCSLeadByte(Byte b);
struct TLeadByteSet {
  bool Contains(unsigned char b) const { return IsDBCSLeadByte(b); }
};
inline constexpr TLeadByteSet LeadBytes{};

enum TMbcsByteType { mbSingleByte, mbLeadByte, mbTrailByte };
// Byte type of the byte at a 1-based index of S (mbSingleByte when the index is out of range).
TMbcsByteType ByteType(const String& S, Integer Index);
// Byte type of the byte at a 0-based index of a zero-terminated string.
TMbcsByteType StrByteType(const char* Str, Cardinal Index);

// ---- Stepping ------------------------------------------------------------------------------------------
// The next character of a zero-terminated string; at the terminator, the terminator itself.
const char* CharNext(const char* p);
inline const char* CharNextA(const char* p) { return CharNext(p); }
// The character before p, not before start; at start, start.
const char* CharPrev(const char* start, const char* p);
inline const char* CharPrevA(const char* start, const char* p) { return CharPrev(start, p); }

// ---- Character lengths and indexes (1-based where they take a string) ---------------------------
// Bytes of the character at the 1-based byte index (1 for an index out of range).
Integer CharLength(const String& S, Integer Index);
// Characters in S.
Integer StrCharLength(const String& S);
// Characters in the first MaxLen bytes (a character begun within them counts).
Integer ByteToCharLen(const String& S, Integer MaxLen);
// Bytes of the first MaxLen characters.
Integer CharToByteLen(const String& S, Integer MaxLen);
// The 1-based character index of the character holding the 1-based byte index (0 when out of range).
Integer ByteToCharIndex(const String& S, Integer Index);
// The 1-based byte index where the 1-based character index starts (0 when out of range).
Integer CharToByteIndex(const String& S, Integer Index);
// The largest byte count <= maxBytes that ends on a character boundary of S.
size_t CharBoundaryBefore(const String& S, size_t maxBytes);

// ---- Code pages and wide text ------------------------------------------------------------------------
constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_UTF8 = 65001;
constexpr int MAX_LEADBYTES = 12;
constexpr int MAX_DEFAULTCHAR = 2;

struct CPINFO {
  UINT MaxCharSize = 0;
  BYTE DefaultChar[MAX_DEFAULTCHAR] = {};
  BYTE LeadByte[MAX_LEADBYTES] = {};  // pairs of inclusive ranges, ended by a zero pair
};
// Every code page the program knows is UTF-8 (CP_ACP, CP_OEMCP, CP_THREAD_ACP, CP_UTF8); others fail.
BOOL GetCPInfo(UINT CodePage, CPINFO& Info);

WideString Utf8ToWide(const String& S);
String WideToUtf8(const WideString& S);

// The shapes of the system calls: a length of -1 means "zero-terminated, terminator included"; a
// destination size of 0 asks for the size needed; a destination too small fails with 0.
int MultiByteToWideChar(UINT CodePage, DWORD Flags, const char* MultiByteStr, int MultiByteLen,
                        WideChar* WideCharStr, int WideCharLen);
int WideCharToMultiByte(UINT CodePage, DWORD Flags, const WideChar* WideCharStr, int WideCharLen,
                        char* MultiByteStr, int MultiByteLen, const char* DefaultChar = nullptr,
                        BOOL* UsedDefaultChar = nullptr);

// ---- The system locale ---------------------------------------------------------------------------------
struct TSysLocale {
  Integer DefaultLCID = 0x0804;  // Chinese (PRC)
  Integer PriLangID = 0x04;      // LANG_CHINESE
  Integer SubLangID = 0x02;      // SUBLANG_CHINESE_SIMPLIFIED
  bool FarEast = true;           // the code page is multibyte
  bool MiddleEast = false;
};
extern TSysLocale SysLocale;

}  // namespace Multibyte

using namespace Multibyte;
