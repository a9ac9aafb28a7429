// The mask engines see a text as a row of characters (Unicode code points) while editors keep UTF-8:
// a Chinese character is one position of a picture and one symbol of a pattern.
#pragma once

#include <string>

#include "System.h"

namespace cxMaskText {

using TcxMaskChars = std::u32string;

// The characters of a UTF-8 text (an invalid byte reads as U+FFFD).
TcxMaskChars ToMaskChars(const String& AText);
// The UTF-8 text of characters.
String FromMaskChars(const TcxMaskChars& AChars);
String MaskCharToString(char32_t AChar);
// Byte offset of the character index AIndex (clamped to the text) and the character index of a
// byte offset (an offset inside a sequence counts the whole sequence as passed).
Integer MaskCharToByte(const String& AText, Integer AIndex);
Integer MaskByteToChar(const String& AText, Integer AOffset);

}  // namespace cxMaskText

using namespace cxMaskText;
