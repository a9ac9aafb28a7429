#include "DateFormat.h"

#include <cmath>

#include "DateTime.h"
#include "Exceptions.h"
#include "Format.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysConst.h"

namespace SysDateFormat {

namespace {

// ---- Small text helpers ----------------------------------------------------------------------------

char UpCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the format letters at `a` are the `n` letters of `b`, ASCII case ignored.
bool SameTextPrefix(const char* a, const char* b, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (!a[i] || !b[i]) return a[i] == b[i];
    if (UpCase(a[i]) != UpCase(b[i])) return false;
  }
  return true;
}

// ---- Formatting ------------------------------------------------------------------------------------

class TDateTimeWriter {
 public:
  TDateTimeWriter(TDateTime value, const TFormatSettings& settings, String& out)
      : FValue(value), FSettings(settings), FOut(out) {}

  void AppendFormat(const char* format);

 private:
  void GetDate() {
    if (!FHaveDate) {
      DecodeDate(FValue, FYear, FMonth, FDay);
      FHaveDate = true;
    }
  }
  void GetTime() {
    if (!FHaveTime) {
      DecodeTime(FValue, FHour, FMin, FSec, FMSec);
      FHaveTime = true;
    }
  }
  void AppendNumber(int number, int digits) {
    String s = std::to_string(number);
    if (static_cast<int>(s.size()) < digits) FOut.append(digits - s.size(), '0');
    FOut += s;
  }
  void AppendNested(const String& format) { AppendFormat(format.c_str()); }
  bool HourIsTwelveHour(const char* rest) const;

  TDateTime FValue;
  const TFormatSettings& FSettings;
  String& FOut;
  int FLevel = 0;
  bool FUse12HourClock = false;
  bool FHaveDate = false, FHaveTime = false;
  Word FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
};

// An hour is on the 12-hour clock when the next marker (am/pm, a/p, ampm) outside quotes comes
// before the next hour; any other "a" ends the search.
bool TDateTimeWriter::HourIsTwelveHour(const char* p) const {
  bool betweenQuotes = false;
  for (; *p; ++p) {
    switch (*p) {
      case 'A':
      case 'a':
        if (!betweenQuotes)
          return SameTextPrefix(p, "AM/PM", 5) || SameTextPrefix(p, "A/P", 3) || SameTextPrefix(p, "AMPM", 4);
        break;
      case 'H':
      case 'h':
        return false;
      case '\'':
      case '"':
        betweenQuotes = !betweenQuotes;
        break;
      default:
        break;
    }
  }
  return false;
}

void TDateTimeWriter::AppendFormat(const char* format) {
  if (!format || FLevel >= 2) return;
  ++FLevel;
  char lastToken = ' ';
  const char* p = format;
  while (*p) {
    char starter = *p;
    if (static_cast<unsigned char>(starter) >= 0x80) {  // a whole multibyte character is literal text
      const char* next = CharNext(p);
      FOut.append(p, next - p);
      p = next;
      continue;
    }
    ++p;
    char token = UpCase(starter);
    if (IsLetter(token)) {
      if (token == 'M' && lastToken == 'H') token = 'N';
      lastToken = token;
    }
    auto count = [&]() {
      int n = 1;
      while (*p == starter) {
        ++p;
        ++n;
      }
      return n;
    };
    switch (token) {
      case 'Y': {
        int n = count();
        GetDate();
        if (n <= 2)
          AppendNumber(FYear % 100, 2);
        else
          AppendNumber(FYear, 4);
        break;
      }
      case 'G':
        count();  // the Gregorian calendar has no era names
        break;
      case 'E': {
        int n = count();
        GetDate();
        AppendNumber(FYear, n == 1 ? 1 : 2);
        break;
      }
      case 'M': {
        int n = count();
        GetDate();
        if (n <= 2)
          AppendNumber(FMonth, n);
        else if (FMonth >= 1)
          FOut += n == 3 ? FSettings.ShortMonthNames[FMonth - 1] : FSettings.LongMonthNames[FMonth - 1];
        break;
      }
      case 'D': {
        int n = count();
        if (n <= 2) {
          GetDate();
          AppendNumber(FDay, n);
        } else if (n <= 4) {
          Word dow = DayOfWeek(FValue);
          FOut += n == 3 ? FSettings.ShortDayNames[dow - 1] : FSettings.LongDayNames[dow - 1];
        } else {
          AppendNested(n == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat);
        }
        break;
      }
      case 'H': {
        int n = count();
        GetTime();
        if (HourIsTwelveHour(p)) FUse12HourClock = true;
        int h = FHour;
        if (FUse12HourClock) {
          if (h == 0)
            h = 12;
          else if (h > 12)
            h -= 12;
        }
        AppendNumber(h, n > 2 ? 2 : n);
        break;
      }
      case 'N': {
        int n = count();
        GetTime();
        AppendNumber(FMin, n > 2 ? 2 : n);
        break;
      }
      case 'S': {
        int n = count();
        GetTime();
        AppendNumber(FSec, n > 2 ? 2 : n);
        break;
      }
      case 'T': {
        int n = count();
        AppendNested(n == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat);
        break;
      }
      case 'Z': {
        int n = count();
        GetTime();
        AppendNumber(FMSec, n > 3 ? 3 : n);
        break;
      }
      case 'A': {
        const char* at = p - 1;
        if (SameTextPrefix(at, "AM/PM", 5)) {
          GetTime();
          FOut.append(at + (FHour >= 12 ? 3 : 0), 2);
          p += 4;
          FUse12HourClock = true;
        } else if (SameTextPrefix(at, "A/P", 3)) {
          GetTime();
          FOut.append(at + (FHour >= 12 ? 2 : 0), 1);
          p += 2;
          FUse12HourClock = true;
        } else if (SameTextPrefix(at, "AMPM", 4)) {
          GetTime();
          FOut += FHour < 12 ? FSettings.TimeAMString : FSettings.TimePMString;
          p += 3;
          FUse12HourClock = true;
        } else if (SameTextPrefix(at, "AAAA", 4)) {
          FOut += FSettings.LongDayNames[DayOfWeek(FValue) - 1];
          p += 3;
        } else if (SameTextPrefix(at, "AAA", 3)) {
          FOut += FSettings.ShortDayNames[DayOfWeek(FValue) - 1];
          p += 2;
        } else {
          FOut += starter;
        }
        break;
      }
      case 'C': {
        count();
        AppendNested(FSettings.ShortDateFormat);
        GetTime();
        if (FHour != 0 || FMin != 0 || FSec != 0) {
          FOut += ' ';
          AppendNested(FSettings.LongTimeFormat);
        }
        break;
      }
      case '/':
        if (FSettings.DateSeparator) FOut += FSettings.DateSeparator;
        break;
      case ':':
        if (FSettings.TimeSeparator) FOut += FSettings.TimeSeparator;
        break;
      case '\'':
      case '"': {
        const char* start = p;
        while (*p && *p != starter) ++p;  // a quote byte never occurs inside a multibyte character
        FOut.append(start, p - start);
        if (*p) ++p;
        break;
      }
      default:
        FOut += starter;
        break;
    }
  }
  --FLevel;
}

// ---- Parsing ---------------------------------------------------------------------------------------

enum TDateOrder { doMDY, doDMY, doYMD };

// The first of the letters d, m, y (or e) in the short date format decides the field order.
TDateOrder GetDateOrder(const String& format) {
  for (char c : format) {
    switch (UpCase(c)) {
      case 'E':
      case 'Y':
        return doYMD;
      case 'M':
        return doMDY;
      case 'D':
        return doDMY;
      default:
        break;
    }
  }
  return doMDY;
}

class TScanner {
 public:
  TScanner(const String& text, const TFormatSettings& settings) : S(text), FS(settings) {}

  bool ScanDate(TDateTime& date);
  bool ScanTime(TDateTime& time);
  bool AtEnd() const { return Pos >= S.size(); }

 private:
  void ScanBlanks() {
    while (Pos < S.size() && S[Pos] == ' ') ++Pos;
  }
  // Up to four digits (a larger number stops being read there, so the text after it fails).
  bool ScanNumber(Word& number, int& digits) {
    ScanBlanks();
    size_t i = Pos;
    int n = 0;
    while (i < S.size() && IsDigit(S[i]) && n < 1000) n = n * 10 + (S[i++] - '0');
    if (i == Pos) return false;
    digits = static_cast<int>(i - Pos);
    Pos = i;
    number = static_cast<Word>(n);
    return true;
  }
  // Digits after the decimal separator are a fraction of a second, read to the millisecond.
  bool ScanFraction(Word& msec) {
    ScanBlanks();
    size_t i = Pos;
    int ms = 0, scale = 100;
    while (i < S.size() && IsDigit(S[i])) {
      ms += (S[i++] - '0') * scale;
      scale /= 10;
    }
    if (i == Pos) return false;
    Pos = i;
    msec = static_cast<Word>(ms);
    return true;
  }
  // A blank separator is found in the blanks that any separator may have around it.
  bool ScanChar(char c) {
    size_t start = Pos;
    ScanBlanks();
    if (c == ' ') return Pos > start;
    if (Pos < S.size() && S[Pos] == c) {
      ++Pos;
      return true;
    }
    return false;
  }
  bool ScanString(const String& symbol) {
    if (symbol.empty()) return false;
    ScanBlanks();
    if (AtMarker(symbol)) {
      Pos += symbol.size();
      return true;
    }
    return false;
  }
  void ScanToNumber() {
    const char* start = S.c_str();
    while (Pos < S.size() && !IsDigit(S[Pos])) Pos = CharNext(start + Pos) - start;
  }
  // The text at the position is `marker`, compared by the locale's rules with case ignored.
  bool AtMarker(const String& marker) const {
    return !marker.empty() && S.size() - Pos >= marker.size() &&
           AnsiCompareText(marker, S.substr(Pos, marker.size())) == 0;
  }

  const String& S;
  const TFormatSettings& FS;
  size_t Pos = 0;
};

bool TScanner::ScanDate(TDateTime& date) {
  const String& format = FS.ShortDateFormat;
  TDateOrder order = GetDateOrder(format);
  if (!format.empty() && format[0] == 'g') ScanToNumber();  // an era name before the digits

  Word n1, n2, n3, y = 0, m = 0, d = 0;
  int l1, l2, l3;
  if (!(ScanNumber(n1, l1) && ScanChar(FS.DateSeparator) && ScanNumber(n2, l2))) return false;
  if (ScanChar(FS.DateSeparator)) {
    if (!ScanNumber(n3, l3)) return false;
    int yearDigits = 0;
    switch (order) {
      case doMDY:
        y = n3, yearDigits = l3, m = n1, d = n2;
        break;
      case doDMY:
        y = n3, yearDigits = l3, m = n2, d = n1;
        break;
      case doYMD:
        y = n1, yearDigits = l1, m = n2, d = n3;
        break;
    }
    if (yearDigits <= 2) {
      int window = FS.TwoDigitYearCenturyWindow;
      int centuryBase = CurrentYear() - window;
      int year = y + centuryBase / 100 * 100;
      if (window > 0 && year < centuryBase) year += 100;
      y = static_cast<Word>(year);
    }
  } else {
    y = CurrentYear();
    if (order == doDMY)
      d = n1, m = n2;
    else
      m = n1, d = n2;
  }
  ScanBlanks();
  // A short date that names the day of the week leaves the name after the digits: it is skipped,
  // up to the time (its digits, or its marker when the time format starts with one).
  if (format.find("ddd") != String::npos) {
    if (!FS.ShortTimeFormat.empty() && IsDigit(FS.ShortTimeFormat[0])) {
      ScanToNumber();
    } else {
      do {
        while (Pos < S.size() && S[Pos] != ' ') ++Pos;
        ScanBlanks();
      } while (Pos < S.size() && !AtMarker(FS.TimeAMString) && !AtMarker(FS.TimePMString));
    }
  }
  return TryEncodeDate(y, m, d, date);
}

bool TScanner::ScanTime(TDateTime& time) {
  int baseHour = -1;
  if (ScanString(FS.TimeAMString) || ScanString("AM"))
    baseHour = 0;
  else if (ScanString(FS.TimePMString) || ScanString("PM"))
    baseHour = 12;
  if (baseHour >= 0) ScanBlanks();

  Word hour, min = 0, sec = 0, msec = 0;
  int digits;
  if (!ScanNumber(hour, digits)) return false;
  if (ScanChar(FS.TimeSeparator)) {
    if (!ScanNumber(min, digits)) return false;
    if (ScanChar(FS.TimeSeparator)) {
      if (!ScanNumber(sec, digits)) return false;
      if (ScanChar(FS.DecimalSeparator) && !ScanFraction(msec)) return false;
    }
  }
  if (baseHour < 0) {
    if (ScanString(FS.TimeAMString) || ScanString("AM"))
      baseHour = 0;
    else if (ScanString(FS.TimePMString) || ScanString("PM"))
      baseHour = 12;
  }
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12) return false;
    if (hour == 12) hour = 0;
    hour = static_cast<Word>(hour + baseHour);
  }
  ScanBlanks();
  return TryEncodeTime(hour, min, sec, msec, time);
}

}  // namespace

// ---- Formatting ------------------------------------------------------------------------------------

void DateTimeToString(String& result, const String& format, TDateTime dateTime, const TFormatSettings& settings) {
  String out;
  TDateTimeWriter writer(dateTime, settings, out);
  writer.AppendFormat(format.empty() ? "C" : format.c_str());
  result = std::move(out);
}

void DateTimeToString(String& result, const String& format, TDateTime dateTime) {
  DateTimeToString(result, format, dateTime, FormatSettings);
}

String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings) {
  String result;
  DateTimeToString(result, format, dateTime, settings);
  return result;
}

String FormatDateTime(const String& format, TDateTime dateTime) {
  return FormatDateTime(format, dateTime, FormatSettings);
}

String DateToStr(TDateTime date, const TFormatSettings& settings) {
  return FormatDateTime(settings.ShortDateFormat, date, settings);
}
String DateToStr(TDateTime date) { return DateToStr(date, FormatSettings); }

String TimeToStr(TDateTime time, const TFormatSettings& settings) {
  return FormatDateTime(settings.LongTimeFormat, time, settings);
}
String TimeToStr(TDateTime time) { return TimeToStr(time, FormatSettings); }

String DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings) {
  return FormatDateTime(String(), dateTime, settings);
}
String DateTimeToStr(TDateTime dateTime) { return DateTimeToStr(dateTime, FormatSettings); }

// ---- Parsing ---------------------------------------------------------------------------------------

bool TryStrToDate(const String& text, TDateTime& value, const TFormatSettings& settings) {
  TScanner scanner(text, settings);
  TDateTime date;
  if (!scanner.ScanDate(date) || !scanner.AtEnd()) return false;
  value = date;
  return true;
}
bool TryStrToDate(const String& text, TDateTime& value) { return TryStrToDate(text, value, FormatSettings); }

TDateTime StrToDate(const String& text, const TFormatSettings& settings) {
  TDateTime result;
  if (!TryStrToDate(text, result, settings)) throw EConvertError(Format(SysConst::SInvalidDate, {text}));
  return result;
}
TDateTime StrToDate(const String& text) { return StrToDate(text, FormatSettings); }

TDateTime StrToDateDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime result;
  return TryStrToDate(text, result, settings) ? result : defaultValue;
}
TDateTime StrToDateDef(const String& text, TDateTime defaultValue) {
  return StrToDateDef(text, defaultValue, FormatSettings);
}

bool TryStrToTime(const String& text, TDateTime& value, const TFormatSettings& settings) {
  TScanner scanner(text, settings);
  TDateTime time;
  if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
  value = time;
  return true;
}
bool TryStrToTime(const String& text, TDateTime& value) { return TryStrToTime(text, value, FormatSettings); }

TDateTime StrToTime(const String& text, const TFormatSettings& settings) {
  TDateTime result;
  if (!TryStrToTime(text, result, settings)) throw EConvertError(Format(SysConst::SInvalidTime, {text}));
  return result;
}
TDateTime StrToTime(const String& text) { return StrToTime(text, FormatSettings); }

TDateTime StrToTimeDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime result;
  return TryStrToTime(text, result, settings) ? result : defaultValue;
}
TDateTime StrToTimeDef(const String& text, TDateTime defaultValue) {
  return StrToTimeDef(text, defaultValue, FormatSettings);
}

// A date alone, a date with a time after it (the whole text read), or else a time alone.
bool TryStrToDateTime(const String& text, TDateTime& value, const TFormatSettings& settings) {
  TScanner scanner(text, settings);
  TDateTime date, time = 0;
  if (scanner.ScanDate(date) && (scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd()))) {
    value = ComposeDateTime(date, time);
    return true;
  }
  return TryStrToTime(text, value, settings);
}
bool TryStrToDateTime(const String& text, TDateTime& value) {
  return TryStrToDateTime(text, value, FormatSettings);
}

TDateTime StrToDateTime(const String& text, const TFormatSettings& settings) {
  TDateTime result;
  if (!TryStrToDateTime(text, result, settings))
    throw EConvertError(Format(SysConst::SInvalidDateTime, {text}));
  return result;
}
TDateTime StrToDateTime(const String& text) { return StrToDateTime(text, FormatSettings); }

TDateTime StrToDateTimeDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings) {
  TDateTime result;
  return TryStrToDateTime(text, result, settings) ? result : defaultValue;
}
TDateTime StrToDateTimeDef(const String& text, TDateTime defaultValue) {
  return StrToDateTimeDef(text, defaultValue, FormatSettings);
}

}  // namespace SysDateFormat
