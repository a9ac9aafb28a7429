#include "Tsmbcs.h"

#include <cstring>

#include "Locale.h"
#include "Multibyte.h"
#include "Strings.h"

namespace Tsmbcs {

bool tsIsFarEast = false;

void TsmbcsInitialization() { tsIsFarEast = SysLocale.FarEast; }

bool EndOfText(const char* Text, Integer Pos) { return Text[Pos] == '\0'; }

bool EofLineChar(const char* Text, Integer Pos) { return Text[Pos] == '\r' || Text[Pos] == '\n'; }

bool GetEofLine(const char* Text, Integer& Pos) {
  if (!EofLineChar(Text, Pos)) return false;
  Char first = Text[Pos++];
  if (EofLineChar(Text, Pos) && Text[Pos] != first) ++Pos;
  return true;
}

Integer NextCharCount(const char* Text, Integer Pos) {
  if (EndOfText(Text, Pos)) return 0;
  Integer end = Pos;
  if (GetEofLine(Text, end)) return end - Pos;
  // The terminator ends a cut sequence, which then counts as single bytes.
  return Utf8CharLen(Text + Pos, Text + Pos + strnlen(Text + Pos, 4));
}

Integer PrevCharCount(const char* Text, Integer Pos) {
  if (Pos <= 0) return 0;
  if (Pos == 1) return 1;
  Integer at = Pos - 2;
  if (GetEofLine(Text, at) && at == Pos) return 2;
  return static_cast<Integer>(Text + Pos - CharPrev(Text, Text + Pos));
}

Integer CompareChar(Char A, Char B) {
  if (tsIsFarEast) return CompareString(LOCALE_USER_DEFAULT, 0, &A, 1, &B, 1) - CSTR_EQUAL;
  auto a = static_cast<unsigned char>(A), b = static_cast<unsigned char>(B);
  return (a > b) - (a < b);
}

bool LargerChar(Char A, Char B) { return CompareChar(A, B) > 0; }

bool SmallerChar(Char A, Char B) { return CompareChar(A, B) < 0; }

}  // namespace Tsmbcs
