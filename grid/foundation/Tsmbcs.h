// Stepping through the text of grid cells by whole characters: a multibyte (UTF-8) character, or a
// line break of CR, LF, CR LF or LF CR, is one character. Positions are 0-based byte offsets into a
// zero-terminated text.
#pragma once

#include "System.h"

namespace Tsmbcs {

// Set at unit start from the locale's far-east flag: character counts and comparisons then go by
// multibyte characters.
extern bool tsIsFarEast;

bool EndOfText(const char* Text, Integer Pos);
// The byte at Pos is a single-byte CR or LF.
bool EofLineChar(const char* Text, Integer Pos);
// On a line break: moves Pos past it (and past a second, different break character) and answers
// true; otherwise false with Pos unchanged.
bool GetEofLine(const char* Text, Integer& Pos);
// Bytes of the character at Pos: 0 at the end, 1 or 2 for a line break, the sequence's length for
// a multibyte character, else 1.
Integer NextCharCount(const char* Text, Integer Pos);
// Bytes of the character before Pos (0 at the start).
Integer PrevCharCount(const char* Text, Integer Pos);
// -1, 0 or 1: by the locale's collation in far-east mode, else by byte value.
Integer CompareChar(Char A, Char B);
bool LargerChar(Char A, Char B);
bool SmallerChar(Char A, Char B);

void TsmbcsInitialization();

}  // namespace Tsmbcs

using namespace Tsmbcs;
