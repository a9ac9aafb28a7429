#include "cxMaskText.h"

#include "Multibyte.h"

namespace cxMaskText {

TcxMaskChars ToMaskChars(const String& AText) {
  TcxMaskChars result;
  result.reserve(AText.size());
  const char* p = AText.data();
  const char* end = p + AText.size();
  while (p < end) {
    const int len = Utf8CharLen(p, end);
    result.push_back(Utf8Decode(p, len));
    p += len;
  }
  return result;
}

String FromMaskChars(const TcxMaskChars& AChars) {
  String result;
  result.reserve(AChars.size());
  for (char32_t c : AChars) Utf8Append(result, c);
  return result;
}

String MaskCharToString(char32_t AChar) {
  String result;
  Utf8Append(result, AChar);
  return result;
}

Integer MaskCharToByte(const String& AText, Integer AIndex) {
  const char* begin = AText.data();
  const char* p = begin;
  const char* end = begin + AText.size();
  for (Integer i = 0; i < AIndex && p < end; ++i) p += Utf8CharLen(p, end);
  return static_cast<Integer>(p - begin);
}

Integer MaskByteToChar(const String& AText, Integer AOffset) {
  const char* begin = AText.data();
  const char* p = begin;
  const char* end = begin + AText.size();
  Integer index = 0;
  while (p < end && p - begin < AOffset) {
    p += Utf8CharLen(p, end);
    ++index;
  }
  return index;
}

}  // namespace cxMaskText
