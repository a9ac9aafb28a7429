// Colour arithmetic and the lenient reading of numbers, colours, check states and fields.
#include <algorithm>
#include <cmath>

#include "FloatFormat.h"
#include "FormatSettings.h"
#include "Strings.h"
#include "cxContainerUtils.h"
#include "cxExtEditUtils.h"

namespace cxExtEditUtils {

namespace {

Integer ClampByte(Integer AValue) { return std::clamp<Integer>(AValue, 0, 255); }

bool IsDigit(Char C) { return C >= '0' && C <= '9'; }

bool IsHexDigit(Char C) { return IsDigit(C) || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F'); }

// The characters of the text that belong to a number (AAccepts), up to the first other one when
// AToFirstNonNum is set; "0" when there are none.
template <class TAccepts>
String CollectNumber(const String& AText, bool AToFirstNonNum, TAccepts AAccepts) {
  String result;
  for (Char c : AText) {
    if (AAccepts(c))
      result += c;
    else if (AToFirstNonNum)
      break;
  }
  return result.empty() ? String("0") : result;
}

// The text up to the next "." (which is consumed), or the whole rest when there is none (which is
// then left for the next part too).
String NextRGBPart(String& ARest) {
  const size_t dot = ARest.find('.');
  if (dot == String::npos) return ARest;
  String part = ARest.substr(0, dot);
  ARest.erase(0, dot + 1);
  return part;
}

}  // namespace

TColor IncColor(TColor AColor, Integer AR, Integer AG, Integer AB) {
  const COLORREF rgb = ColorToRGB(AColor);
  return RGB(ClampByte(GetRValue(rgb) + AR), ClampByte(GetGValue(rgb) + AG), ClampByte(GetBValue(rgb) + AB));
}

bool IsVarEmpty(const Variant& AValue) { return VarIsNull(AValue) || VarIsEmpty(AValue); }

bool IsValidStringForInt(const String& S) {
  const String text = Trim(S);
  if (text.empty()) return false;
  Integer value, code;
  Val(text, value, code);
  return code == 0;
}

bool IsValidStringForDouble(const String& AValue) {
  const String text = Trim(AValue);
  if (text.empty()) return false;
  const Char separator = FormatSettings.DecimalSeparator;
  Integer separators = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c == separator)
      ++separators;
    else if (!(IsDigit(c) || (c == '-' && i == 0)))
      return false;
  }
  if (separators > 1) return false;
  // "-" or a lone separator passes the character test but is no number.
  Extended value;
  return TryStrToFloat(text, value) && std::fabs(value) <= 1.7E308;
}

Integer cxStrToInt(const String& AText, bool AToFirstNonNum) {
  return StrToInt(CollectNumber(AText, AToFirstNonNum, [](Char c) { return c == '-' || IsDigit(c); }));
}

Extended cxStrToFloat(const String& AText, bool AToFirstNonNum) {
  const Char separator = FormatSettings.DecimalSeparator;
  return StrToFloat(
      CollectNumber(AText, AToFirstNonNum, [separator](Char c) { return c == '-' || c == separator || IsDigit(c); }));
}

bool cxStrToColor(const String& S, TColor& AColor) {
  Integer color;
  if (IdentToColor(S, color)) {
    AColor = color;
    return true;
  }
  if (!IsValidStringForInt(S)) return false;
  AColor = cxStrToInt(S, false);
  return true;
}

TColor cxRGBStringColorToColor(const String& AText) {
  String rest = AText;
  const Integer red = cxStrToInt(NextRGBPart(rest), false);
  const Integer green = cxStrToInt(NextRGBPart(rest), false);
  const Integer blue = cxStrToInt(NextRGBPart(rest), false);
  return RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}

TColor cxHexRGBStringColorToColor(const String& AText) {
  String digits;
  std::copy_if(AText.begin(), AText.end(), std::back_inserter(digits), IsHexDigit);
  auto component = [&digits](size_t AStart) -> Integer {
    if (AStart >= digits.size()) return 0;
    return static_cast<Integer>(std::stoul(digits.substr(AStart, 2), nullptr, 16));
  };
  return RGB(component(0), component(2), component(4));
}

String CheckStateToString(TcxCheckBoxState Value) {
  switch (Value) {
    case cbsChecked: return "1";
    case cbsGrayed: return "2";
    default: return "0";
  }
}

TcxCheckBoxState StringToCheckState(const String& Value, bool AAllowGrayed) {
  if (Value == "1") return cbsChecked;
  if (!AAllowGrayed || Value == "0") return cbsUnchecked;
  return cbsGrayed;
}

TShiftState CurrentShiftState() { return cxContainer::InternalGetShiftState(); }

String GetWord(Integer ANumber, const String& AText, Char ADelimiter) {
  if (ANumber < 1) return String();
  size_t start = 0;
  for (Integer field = 1; field < ANumber; ++field) {
    const size_t delimiter = AText.find(ADelimiter, start);
    if (delimiter == String::npos) return String();
    start = delimiter + 1;
  }
  const size_t end = AText.find(ADelimiter, start);
  return AText.substr(start, end == String::npos ? String::npos : end - start);
}

}  // namespace cxExtEditUtils
