// Numbers inside text: scanning digits, removing and inserting thousand separators, stepping the
// number under the caret up or down and padding the stepped number to the width it had. The
// separators are the locale's at the moment of the call; positions are 1-based bytes.
#include "FloatFormat.h"
#include "FormatSettings.h"
#include "Strings.h"
#include "TSCommon.h"
#include "Tsmbcs.h"

namespace TSCommon {

namespace {

Integer Length(const String& Text) { return static_cast<Integer>(Text.size()); }

Char At(const String& Text, Integer Pos) { return Text[static_cast<size_t>(Pos - 1)]; }

bool IsDigit(Char C) { return C >= '0' && C <= '9'; }

bool IsNumberChar(Char C) {
  return IsDigit(C) || C == '+' || C == '-' || C == FormatSettings.ThousandSeparator ||
         C == FormatSettings.DecimalSeparator;
}

template <class Test>
Integer Scan(const String& Text, Integer Pos, Integer Step, Test IsPart) {
  while (Pos >= 1 && Pos <= Length(Text) && IsPart(At(Text, Pos))) Pos += Step;
  return Pos;
}

}  // namespace

Integer ScanNum(const String& Text, Integer Pos, Integer Step) { return Scan(Text, Pos, Step, IsDigit); }

Integer ScanNumChars(const String& Text, Integer Pos, Integer Step) { return Scan(Text, Pos, Step, IsNumberChar); }

bool RemoveThousandSeparators(String& Text) {
  if (Text.empty() || !IsDigit(Text[0])) return false;
  const Char separator = FormatSettings.ThousandSeparator;
  String kept;
  Integer last = 0;
  for (;;) {
    Integer p = ScanNum(Text, last + 1, 1);
    Integer digits = p - last - 1;
    if (p <= Length(Text) && At(Text, p) == separator) {
      if (last == 0 ? p == 1 : digits != 3) return false;
      kept += Text.substr(static_cast<size_t>(last), static_cast<size_t>(digits));
      last = p;
      continue;
    }
    if (last > 0 && digits != 3) return false;
    kept += Text.substr(static_cast<size_t>(last));
    break;
  }
  bool removed = last > 0;
  Text = kept;
  return removed;
}

void InsertThousandSeparators(String& Text) {
  Integer end = ScanNum(Text, 1, 1);  // just after the leading digits
  for (Integer at = end - 3; at > 1; at -= 3) Text.insert(static_cast<size_t>(at - 1), 1, FormatSettings.ThousandSeparator);
}

bool IsFloatText(const String& Text) {
  String copy = Text;
  RemoveThousandSeparators(copy);
  Extended value;
  return TryStrToFloat(copy, value);
}

String IncStrNum(const String& Text, double Delta) {
  double value = Delta;
  bool separators = false;
  if (!Text.empty()) {
    String copy = Text;
    separators = RemoveThousandSeparators(copy);
    Extended read;
    if (!TryStrToFloat(copy, read)) return Text;
    value = static_cast<double>(read) + Delta;
  }
  String result = FloatToStr(value);
  if (separators) InsertThousandSeparators(result);
  return result;
}

bool FindNumberAt(const String& Text, Integer Pos, Integer& Start, Integer& Length) {
  Length = 0;
  Start = Pos;
  if (Pos < 0) Pos = 0;
  if (Pos > static_cast<Integer>(Text.size())) Pos = static_cast<Integer>(Text.size());
  Integer after = NextCharCount(Text.c_str(), Pos);
  Integer a = ScanNumChars(Text, Pos, -1) + 1;
  Integer b = ScanNumChars(Text, Pos + after, 1) - 1;
  if (b >= a && IsFloatText(Text.substr(static_cast<size_t>(a - 1), static_cast<size_t>(b - a + 1)))) {
    Start = a;
    Length = b - a + 1;
    return true;
  }
  a = ScanNum(Text, Pos, -1) + 1;
  b = ScanNum(Text, Pos + after, 1) - 1;
  if (b < a) return false;
  if (a > 1 && (At(Text, a - 1) == '+' || At(Text, a - 1) == '-')) {
    // A sign belongs to the number when nothing that could carry it stands before it.
    bool first = a - 1 == 1;
    bool afterMultibyte = !first && PrevCharCount(Text.c_str(), a - 2) > 1;
    if (first || afterMultibyte || !IsDigit(At(Text, a - 2))) --a;
  }
  Start = a;
  Length = b - a + 1;
  return true;
}

String IncStrAtPos(const String& Text, double Delta, Integer Pos, Integer& Start, Integer& Length) {
  if (!FindNumberAt(Text, Pos, Start, Length)) return Text;
  String number = Text.substr(static_cast<size_t>(Start - 1), static_cast<size_t>(Length));
  String stepped = IncStrNum(number, Delta);
  if (stepped == number) return Text;
  stepped = PadDecimals(number, stepped);
  String result = Text.substr(0, static_cast<size_t>(Start - 1)) + stepped +
                  Text.substr(static_cast<size_t>(Start - 1 + Length));
  Length = static_cast<Integer>(stepped.size());
  return result;
}

String PadDecimals(const String& Template, const String& Value) {
  const Char decimal = FormatSettings.DecimalSeparator;
  size_t templateAt = Template.find(decimal);
  if (templateAt == String::npos) return Value;
  String result = Value;
  size_t valueAt = result.find(decimal);
  if (valueAt == String::npos) {
    valueAt = result.size();
    result += decimal;
  }
  size_t wanted = Template.size() - templateAt - 1;
  while (result.size() - valueAt - 1 < wanted) result += '0';
  return result;
}

String PadNumber(const String& Template, const String& Value) {
  const Char decimal = FormatSettings.DecimalSeparator;
  String result = PadDecimals(Template, Value);
  size_t templateAt = Template.find(decimal);
  Integer templateDecimals = Length(Template) - (templateAt == String::npos ? 0 : static_cast<Integer>(templateAt) + 1);
  size_t valueAt = result.find(decimal);
  Integer valueDecimalPos = valueAt == String::npos ? 0 : static_cast<Integer>(valueAt) + 1;
  while (Length(result) - valueDecimalPos < templateDecimals) {
    Integer at = Length(Template) - Length(result);
    Char fill = at >= 1 && At(Template, at) == FormatSettings.ThousandSeparator ? FormatSettings.ThousandSeparator : '0';
    result.insert(result.begin(), fill);
  }
  return result;
}

}  // namespace TSCommon
