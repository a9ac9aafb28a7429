// String routines of the runtime library over UTF-8 text: trimming, case conversion, comparison
// with the locale collation, 1-based positions and copies, replacement, quoting, integer and Boolean
// conversions, accelerator (hot-key) helpers and character classes.
//
// Case: UpperCase/LowerCase/CompareText/SameText touch only the ASCII letters. The Ansi* routines
// map whole characters: the Latin-1 and Latin Extended-A letters, Greek, Cyrillic and the full-width
// Latin letters; other characters and invalid bytes are kept as they are.
//
// Collation (every Ansi* comparison): strings are compared in up to four passes, each deciding only
// when the previous ones tie:
//   1. letters by their base letter, case ignored; control characters, blanks, punctuation and
//      symbols sort before digits, digits before letters; Latin letters before Greek before Cyrillic,
//      which sort before every other character; other characters by code point. Hyphens and
//      apostrophes are skipped in this pass (so "co-op" sorts next to "coop").
//   2. accents: a plain letter sorts before the same letter with an accent.
//   3. case (case-sensitive comparisons only): at the first difference, lower case first.
//   4. the remaining tie-break: fewer hyphens and apostrophes first, then the bytes (case-folded for
//      the case-insensitive comparisons), so that only equal strings compare equal.
#pragma once

#include <type_traits>

#include "System.h"
#include "WinDef.h"

namespace Strings {

// ---- Trimming ----------------------------------------------------------------------------------------
// Blanks and control characters (bytes up to ' ') are removed.
String Trim(const String& S);
String TrimLeft(const String& S);
String TrimRight(const String& S);

// ---- Case --------------------------------------------------------------------------------------------
String UpperCase(const String& S);
String LowerCase(const String& S);
String AnsiUpperCase(const String& S);
String AnsiLowerCase(const String& S);
char32_t AnsiUpperChar(char32_t C);
char32_t AnsiLowerChar(char32_t C);

// ---- Comparison (results < 0, 0, > 0) ------------------------------------------------------------------
Integer CompareStr(const String& S1, const String& S2);   // bytes
Integer CompareText(const String& S1, const String& S2);  // bytes, ASCII case ignored
bool SameText(const String& S1, const String& S2);
bool SameStr(const String& S1, const String& S2);
Integer AnsiCompareStr(const String& S1, const String& S2);
Integer AnsiCompareText(const String& S1, const String& S2);
bool AnsiSameStr(const String& S1, const String& S2);
bool AnsiSameText(const String& S1, const String& S2);
// Zero-terminated forms. The L forms compare at most MaxLen bytes of each string, cut back to a
// character boundary so that no character is compared in part.
Integer AnsiStrComp(const char* S1, const char* S2);
Integer AnsiStrIComp(const char* S1, const char* S2);
Integer AnsiStrLComp(const char* S1, const char* S2, Cardinal MaxLen);
Integer AnsiStrLIComp(const char* S1, const char* S2, Cardinal MaxLen);

// The system call over the same collation: Count1/Count2 are byte counts (-1: up to the terminator).
// Answers CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN, or 0 for a null string. Of the flags only
// NORM_IGNORECASE changes the result; the locale is the program's.
constexpr DWORD NORM_IGNORECASE = 0x00000001;
constexpr DWORD NORM_IGNORENONSPACE = 0x00000002;
constexpr DWORD NORM_IGNORESYMBOLS = 0x00000004;
constexpr DWORD SORT_STRINGSORT = 0x00001000;
constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;
int CompareString(LCID Locale, DWORD CmpFlags, const char* String1, int Count1, const char* String2, int Count2);

// ---- Positions (1-based byte positions; 0 = not found) -----------------------------------------------
Integer Pos(const String& Substr, const String& S);
Integer PosEx(const String& Substr, const String& S, Integer Offset = 1);
// As Pos, but a match must start on a character boundary.
Integer AnsiPos(const String& Substr, const String& S);
// Count bytes from Index; an Index below 1 counts from 1, a Count past the end stops at the end.
String Copy(const String& S, Integer Index, Integer Count = MaxInt);
// Removes Count bytes from Index (nothing when Index is outside 1..Length).
void Delete(String& S, Integer Index, Integer Count);
// Inserts Source before Index (Index clamped to 1..Length+1).
void Insert(const String& Source, String& S, Integer Index);
String StringOfChar(Char Ch, Integer Count);

// ---- Replacing and quoting --------------------------------------------------------------------------------
enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag, 2>;
// Replaces the first occurrence of OldPattern (every one with rfReplaceAll); rfIgnoreCase matches
// with the Ansi case rules. An empty OldPattern replaces nothing.
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern, TReplaceFlags Flags = {});
String QuotedStr(const String& S);
String AnsiQuotedStr(const String& S, Char Quote);
// Reads a quoted string at Src (which must start with Quote): doubled quotes become one, the reading
// stops after the closing quote (or at the end) and Src is advanced past what was read. When Src does
// not start with Quote the result is empty and Src is unchanged.
String AnsiExtractQuotedStr(const char*& Src, Char Quote);
// The unquoted text of S, or S itself when it does not start with Quote.
String AnsiDequotedStr(const String& S, Char Quote);

// ---- Integers ------------------------------------------------------------------------------------------
String IntToStr(Integer Value);
String IntToStr(Int64 Value);
String UIntToStr(UInt64 Value);
template <class T>
  requires std::is_integral_v<T>
String IntToStr(T Value) {
  if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(Int64))
    return UIntToStr(static_cast<UInt64>(Value));
  else
    return IntToStr(static_cast<Int64>(Value));
}
// Hexadecimal in upper case with at least Digits digits; a negative Integer shows its 32-bit form.
String IntToHex(Integer Value, Integer Digits);
String IntToHex(Int64 Value, Integer Digits);
// Decimal or hexadecimal ("$FF", "0xFF") text with an optional sign, leading blanks allowed.
// Bad text or a value out of range raises EConvertError "'%s' is not a valid integer value".
Integer StrToInt(const String& S);
Int64 StrToInt64(const String& S);
Integer StrToIntDef(const String& S, Integer Default);
Int64 StrToInt64Def(const String& S, Int64 Default);
bool TryStrToInt(const String& S, Integer& Value);
bool TryStrToInt64(const String& S, Int64& Value);
// Code is 0 on success, else the 1-based position of the first offending byte (the digit that takes
// the value out of range; Length+1 when the text ends too early); Value is 0 on failure.
void Val(const String& S, Integer& Value, Integer& Code);
void Val(const String& S, Int64& Value, Integer& Code);
void Val(const String& S, Double& Value, Integer& Code);

// ---- Booleans --------------------------------------------------------------------------------------------
inline constexpr const char* DefaultTrueBoolStr = "True";
inline constexpr const char* DefaultFalseBoolStr = "False";
// "-1"/"0", or the words "True"/"False" with UseBoolStrs.
String BoolToStr(bool B, bool UseBoolStrs = false);
// The words (any case) or a number (nonzero = true); otherwise EConvertError.
bool StrToBool(const String& S);
bool StrToBoolDef(const String& S, bool Default);
bool TryStrToBool(const String& S, bool& Value);

// ---- Accelerators -------------------------------------------------------------------------------------
inline constexpr Char cHotkeyPrefix = '&';
// The caption without its accelerator marks: "&&" becomes "&", a single "&" is dropped, and (the code
// page being far-eastern) a bracketed accelerator such as "(&F)" is dropped whole.
String StripHotkey(const String& Text);
// The accelerator character of a caption (the character after a single "&"), or empty.
String GetHotkey(const String& Text);
// True when VK (a character code) is the caption's accelerator, case ignored.
bool IsAccel(Word VK, const String& Str);

// ---- Character classes ----------------------------------------------------------------------------
// The Char forms test one byte (a byte of a multibyte character is none of these); the char32_t
// forms test a whole character. CJK ideographs and kana count as letters, neither upper nor lower.
bool IsCharAlpha(Char C);
bool IsCharAlpha(char32_t C);
bool IsCharAlphaNumeric(Char C);
bool IsCharAlphaNumeric(char32_t C);
bool IsCharUpper(Char C);
bool IsCharUpper(char32_t C);
bool IsCharLower(Char C);
bool IsCharLower(char32_t C);
Char CharUpper(Char C);
char32_t CharUpper(char32_t C);
String CharUpper(const String& S);
Char CharLower(Char C);
char32_t CharLower(char32_t C);
String CharLower(const String& S);

}  // namespace Strings

using namespace Strings;
