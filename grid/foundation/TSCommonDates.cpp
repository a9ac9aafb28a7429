// Date texts: the locale's date order and an edit format built from it, year and hour format
// widening, and reading typed dates with month and day names. Every routine reads the locale's
// format settings when it is called. Positions are 1-based bytes, as the platform's Pos gives them.
#include <cmath>
#include <cstring>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "Multibyte.h"
#include "Strings.h"
#include "TSCommon.h"
#include "Tsmbcs.h"
#include "Variants.h"

namespace TSCommon {

namespace {

bool IsDigitAt(const String& Text, Integer Pos) {
  return Pos >= 1 && Pos <= static_cast<Integer>(Text.size()) && Text[static_cast<size_t>(Pos - 1)] >= '0' &&
         Text[static_cast<size_t>(Pos - 1)] <= '9';
}

// The whole character at a 0-based byte offset.
char32_t CharAt(const String& Text, size_t Offset) {
  const char* p = Text.data() + Offset;
  return Utf8Decode(p, Utf8CharLen(p, Text.data() + Text.size()));
}

// Replaces (or with an empty Replacement removes) the first name of the list, long names before
// short, that stands as a whole word.
String ReplaceFirstName(const String& Text, const String* LongNames, const String* ShortNames, int Count,
                        bool Remove) {
  String upper = UpperCase(Text);
  for (int i = 0; i < Count; ++i) {
    String name = UpperCase(LongNames[i]);
    Integer at = name.empty() ? 0 : Pos(name, upper);
    if (at == 0) {
      name = UpperCase(ShortNames[i]);
      at = name.empty() ? 0 : Pos(name, upper);
    }
    if (at > 0 && IsWholeWordAt(Text, at, static_cast<Integer>(name.size()))) {
      String result = Text;
      result.replace(static_cast<size_t>(at - 1), name.size(), Remove ? String() : IntToStr(i + 1));
      return result;
    }
  }
  return Text;
}

}  // namespace

Integer GetDateOrder() {
  for (char c : FormatSettings.ShortDateFormat) {
    switch (c) {
      case 'D':
      case 'd':
        return 2;
      case 'E':
      case 'e':
      case 'Y':
      case 'y':
        return 0;
      case 'M':
      case 'm':
        return 1;
      default:
        break;
    }
  }
  return 1;
}

String GetEditDateFormat(bool LongYear) {
  String format = UpperCase(FormatSettings.ShortDateFormat);
  String day = Pos("DD", format) ? "DD" : "D";
  String month = Pos("MM", format) ? "MM" : "M";
  String year = LongYear || Pos("YYY", format) ? "YYYY" : "YY";
  String sep(1, FormatSettings.DateSeparator);
  switch (GetDateOrder()) {
    case 0:
      return year + sep + month + sep + day;
    case 2:
      return day + sep + month + sep + year;
    default:
      return month + sep + day + sep + year;
  }
}

String LongYearFormat(const String& Format) {
  String upper = UpperCase(Format);
  size_t at = upper.find("YY");
  if (at == String::npos || (at + 2 < upper.size() && upper[at + 2] == 'Y')) return Format;
  String result = Format;
  result.insert(at + 2, "yy");
  return result;
}

String LongHourFormat(const String& Format) {
  String lower = LowerCase(Format);
  for (const char* field : {"am/pm", "a/p", "ampm"}) {
    size_t at = lower.find(field);
    if (at == String::npos) continue;
    return Trim(Format.substr(0, at) + Format.substr(at + std::strlen(field)));
  }
  return Format;
}

bool AMPMFormat() { return !FormatSettings.TimeAMString.empty() || !FormatSettings.TimePMString.empty(); }

bool IsWholeWordAt(const String& Text, Integer Pos, Integer Length) {
  Integer at = Pos - 1;  // 0-based
  if (at > 0) {
    Integer before = PrevCharCount(Text.c_str(), at);
    if (IsCharAlphaNumeric(CharAt(Text, static_cast<size_t>(at - before)))) return false;
  }
  size_t after = static_cast<size_t>(at + Length);
  return after >= Text.size() || !IsCharAlphaNumeric(CharAt(Text, after));
}

String DateReplaceMonthName(const String& Text) {
  return ReplaceFirstName(Text, FormatSettings.LongMonthNames.data(), FormatSettings.ShortMonthNames.data(), 12,
                          false);
}

String DateRemoveDayName(const String& Text) {
  return ReplaceFirstName(Text, FormatSettings.LongDayNames.data(), FormatSettings.ShortDayNames.data(), 7, true);
}

Integer SkipToDigit(const String& Text, Integer Pos) {
  Integer length = static_cast<Integer>(Text.size());
  if (Pos < 1) Pos = 1;
  while (Pos <= length && !IsDigitAt(Text, Pos)) {
    Integer step = NextCharCount(Text.c_str(), Pos - 1);
    Pos += step > 0 ? step : 1;
  }
  return Pos <= length ? Pos : length + 1;
}

String YearText(const String& Text) {
  int wanted = GetDateOrder() == 0 ? 1 : 3;
  Integer pos = 1;
  for (int run = 1;; ++run) {
    pos = SkipToDigit(Text, pos);
    if (pos > static_cast<Integer>(Text.size())) return String();
    Integer end = ScanNum(Text, pos, 1);
    if (run == wanted) return Text.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(end - pos));
    pos = end;
  }
}

TDateTime StringToDateTime(const String& Text) {
  String text = Trim(Text);
  Integer p = ScanNum(text, 1, 1);
  if (p > static_cast<Integer>(text.size())) return StrToInt(text);
  if (text[static_cast<size_t>(p - 1)] == FormatSettings.TimeSeparator) return StrToTime(text);
  TDateTime result = StrToDateTime(DateRemoveDayName(DateReplaceMonthName(text)));
  Word year, month, day;
  DecodeDate(result, year, month, day);
  Word thisYear, thisMonth, thisDay;
  DecodeDate(Date(), thisYear, thisMonth, thisDay);
  String typed = YearText(text);
  // A year typed with three or four digits is taken as typed, not through the two-digit window.
  if (year / 100 == thisYear / 100 && typed.size() > 2) {
    Integer typedYear = StrToInt(typed.substr(0, 4));
    if (typedYear != 0) {
      double time = std::fabs(result - std::trunc(result));
      return EncodeDate(static_cast<Word>(typedYear), month, day) + time;
    }
  }
  return result;
}

TDateTime VariantToDateTime(const Variant& Value) {
  if (VarIsStr(Value)) {
    String text = Trim(VarToStr(Value));
    if (!text.empty()) {
      try {
        return StringToDateTime(text);
      } catch (const Exception&) {
      }
    }
    return Now();
  }
  TVarType type = VarType(Value);
  if (type == varDouble || type == varDate) return Value.ToDouble();
  return Now();
}

}  // namespace TSCommon
