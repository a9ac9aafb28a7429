// Dates as text: the locale's date texts in any calendar, month, year and weekday names, the
// framework's own short-date formatter and parser, cxDateTimeToText and the date helpers.
#include <algorithm>
#include <cmath>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "Locale.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysInfo.h"
#include "Variants.h"
#include "WinGdi.h"
#include "cxDateUtils.h"
#include "cxDateUtilsInternal.h"
#include "cxFormats.h"

namespace cxDateUtils {

TcxSmartTextToDateFunc SmartTextToDateFunc = nullptr;
double ApproxDaysPerMonth = 30.4375;
double ApproxDaysPerYear = 365.25;
Integer MinYear = 100;
Integer MaxYear = 9999;
TDateTime cxMaxDateTime = MaxDateTime;
bool cxUseSingleCharWeekNames = true;

namespace {

Integer Mod7(Integer AValue) { return ((AValue % 7) + 7) % 7; }

// The date with day 1 of its month in the calendar, at midnight.
TDateTime FirstDayOfCalendarMonth(TDateTime ADate, TcxCustomCalendarTable* ACalendar) {
  TcxDateTime date = ACalendar->FromDateTime(ADate);
  date.Day = 1;
  date.Hours = date.Minutes = date.Seconds = 0;
  date.Milliseconds = 0;
  return ACalendar->ToDateTime(date);
}

// The charset of the system's default font, which a font of DEFAULT_CHARSET stands for.
Byte SystemDefaultCharset() {
  Byte result = ANSI_CHARSET;
  if (HDC dc = CreateCompatibleDC(nullptr)) {
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRIC metrics{};
    if (GetTextMetrics(dc, &metrics)) result = metrics.tmCharSet;
    SelectObject(dc, previous);
    DeleteDC(dc);
  }
  return result;
}

// Whether a text of the charset is written with its most significant character last.
bool WritingDirection(Byte ACharset, const String& AText) {
  if (ACharset == DEFAULT_CHARSET) ACharset = SystemDefaultCharset();
  if (!AText.empty() && static_cast<unsigned char>(AText[0]) < 0x80) return false;
  return ACharset == GB2312_CHARSET || ACharset == CHINESEBIG5_CHARSET || ACharset == ARABIC_CHARSET;
}

// The field order of a short date format: 'D' day first, 'Y' year first, else month first.
Char DateOrder(const String& AFormat) {
  for (Char c : AFormat) {
    Char upper = static_cast<Char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'D') return 'D';
    if (upper == 'E' || upper == 'Y') return 'Y';
    if (upper == 'M') return 'M';
  }
  return 'M';
}

// Length of the first run of the letter in the lower-cased format (0 when it does not occur).
Integer FirstRunLength(const String& ALowerFormat, Char ALetter) {
  size_t start = ALowerFormat.find(ALetter);
  if (start == String::npos) return 0;
  size_t end = start;
  while (end < ALowerFormat.size() && ALowerFormat[end] == ALetter) ++end;
  return static_cast<Integer>(end - start);
}

String ZeroPadded(Int64 AValue, Integer ADigits) {
  String text = IntToStr(AValue);
  if (static_cast<Integer>(text.size()) < ADigits) text.insert(0, ADigits - text.size(), '0');
  return text;
}

}  // namespace


}  // namespace cxDateUtils

// ---- Shared with the other sources of the unit -------------------------------------------------------

namespace cxDateUtilsInternal {

TcxFirstWeekOfYear LocaleFirstWeekOfYear(LCID ALocale) {
  DWORD rule = 0;
  GetLocaleInfo(ALocale, LOCALE_IFIRSTWEEKOFYEAR | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&rule),
                sizeof rule);
  return static_cast<TcxFirstWeekOfYear>(std::min<DWORD>(rule, 2) + 1);
}

String RegExprLiteral(const String& AText) {
  String result;
  bool quoted = false;
  for (Char c : AText) {
    if (c == '\'') {
      if (quoted) result += '\'';
      quoted = false;
      result += "\\'";
    } else {
      if (!quoted) result += '\'';
      quoted = true;
      result += c;
    }
  }
  if (quoted) result += '\'';
  return result;
}

TCalendarArg::TCalendarArg(TcxCustomCalendarTable* ACalendar)
    : FCalendar(ACalendar ? ACalendar : cxGetLocalCalendar()), FOwned(ACalendar == nullptr) {}

TCalendarArg::~TCalendarArg() {
  if (FOwned) FCalendar->Free();
}

}  // namespace cxDateUtilsInternal

namespace cxDateUtils {

// ---- Locale and calendar texts ---------------------------------------------------------------------

bool cxGetDateFormat(TDateTime ADate, String& AFormatDate, DWORD AFlags, const String& AFormat) {
  AFormatDate.clear();
  SYSTEMTIME date;
  try {
    DateTimeToSystemTime(ADate, date);
  } catch (const Exception&) {
    return false;
  }
  char buffer[256];
  if (GetDateFormat(GetThreadLocale(), AFlags, &date, AFormat.empty() ? nullptr : AFormat.c_str(), buffer,
                    sizeof buffer) == 0)
    return false;
  AFormatDate = buffer;
  return true;
}

String cxGetLocalShortDateFormat() { return GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, ""); }

String cxGetLocalLongDateFormat() { return GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE, ""); }

TFormatSettings cxGetLocalFormatSettings() {
  TFormatSettings result = FormatSettings;
  result.ShortDateFormat = cxGetLocalShortDateFormat();
  return result;
}

String cxDateToLocalFormatStr(TDateTime ADate) {
  String result;
  cxGetDateFormat(ADate, result, 0, cxGetLocalShortDateFormat());
  if (TimeOf(ADate) > 0) result += " " + TimeToStr(ADate);
  return result;
}

String cxDayNumberToLocalFormatStr(TDateTime ADate) {
  String result;
  if (cxGetDateFormat(ADate, result, 0, "d")) return result;
  TFormatSettings settings = FormatSettings;
  settings.ShortDateFormat = "d";
  return DateToStr(ADate, settings);
}

String cxDayNumberToLocalFormatStr(Integer ADay, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  TDateTime date;
  try {
    date = calendar->ToDateTime(calendar->GetMinSupportedYear(), 1, static_cast<Cardinal>(ADay));
  } catch (const Exception&) {
    return IntToStr(ADay);
  }
  return cxDayNumberToLocalFormatStr(date);
}

String cxGetLocalMonthName(TDateTime ADate, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  String result;
  try {
    if (cxGetDateFormat(FirstDayOfCalendarMonth(ADate, calendar.Get()), result, 0, "MMMM")) return result;
  } catch (const Exception&) {
  }
  Cardinal month = calendar->FromDateTime(ADate).Month;
  return month >= 1 && month <= 12 ? FormatSettings.LongMonthNames[month - 1] : String();
}

String cxGetLocalMonthName(Integer AYear, Integer AMonth, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  if (AYear < 0 || AMonth < 0 || !calendar->IsValidMonth(static_cast<Cardinal>(AYear), static_cast<Cardinal>(AMonth)))
    return String();
  try {
    return cxGetLocalMonthName(calendar->ToDateTime(static_cast<Cardinal>(AYear), static_cast<Cardinal>(AMonth), 1),
                               calendar.Get());
  } catch (const Exception&) {
    return String();
  }
}

String cxGetLocalYear(TDateTime ADate, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  String result;
  try {
    if (cxGetDateFormat(FirstDayOfCalendarMonth(ADate, calendar.Get()), result, 0, "yyyy")) return result;
  } catch (const Exception&) {
  }
  return IntToStr(calendar->FromDateTime(ADate).Year);
}

String cxGetLocalMonthYear(TDateTime ADate, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  char format[256] = {};
  String result;
  if (cxGetCalendarInfo(LOCALE_USER_DEFAULT, calendar->GetCalendarID(), CAL_SYEARMONTH, format, sizeof format,
                        nullptr) != 0) {
    try {
      if (cxGetDateFormat(FirstDayOfCalendarMonth(ADate, calendar.Get()), result, 0, format)) return result;
    } catch (const Exception&) {
    }
  }
  return cxGetLocalMonthName(ADate, calendar.Get()) + " " + cxGetLocalYear(ADate, calendar.Get());
}

String cxGetDayOfWeekName(Integer ADay, Byte ACharset) {
  if (ADay < 1 || ADay > 7) return String();
  LCTYPE first = CheckWin32Version(6, 0) ? LOCALE_SSHORTESTDAYNAME1 : LOCALE_SABBREVDAYNAME1;
  String result = GetLocaleStr(GetThreadLocale(), first + static_cast<LCTYPE>(ADay - 1), "");
  if (cxUseSingleCharWeekNames && !result.empty()) {
    const char* begin = result.data();
    const char* end = begin + result.size();
    if (WritingDirection(ACharset, result)) {
      const char* last = begin;
      for (const char* p = begin; p < end; p += Utf8CharLen(p, end)) last = p;
      result.erase(0, static_cast<size_t>(last - begin));
    } else {
      result.resize(static_cast<size_t>(Utf8CharLen(begin, end)));
    }
  }
  return result;
}

bool cxIsGregorianCalendar(TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  CALID id = calendar->GetCalendarID();
  return id == 1 || id == 2 || (id >= 9 && id <= 12);
}

Integer cxGetCalendarInfo(LCID ALocale, CALID ACalendar, CALTYPE ACalendarType, char* ACalendarData,
                          Integer ABufferSize, DWORD* AValue) {
  using TGetCalendarInfo = int (*)(LCID, CALID, CALTYPE, char*, int, DWORD*);
  HMODULE library = LoadLibrary("Kernel32");
  if (!library) return 0;
  Integer result = 0;
  if (FARPROC proc = GetProcAddress(library, "GetCalendarInfoA"))
    result = reinterpret_cast<TGetCalendarInfo>(reinterpret_cast<void (*)()>(proc))(ALocale, ACalendar, ACalendarType, ACalendarData, ABufferSize,
                                                      AValue);
  FreeLibrary(library);
  return result;
}

String DateToLongDateStr(TDateTime ADate) {
  String result;
  if (cxGetDateFormat(ADate, result, DATE_LONGDATE)) return result;
  return FormatDateTime("dddddd", ADate);
}

// ---- The framework's short-date formatter and parser ----------------------------------------------

String cxDateToStr(TDateTime ADate) { return cxDateToStr(ADate, FormatSettings); }

String cxDateToStr(TDateTime ADate, const TFormatSettings& AFormat) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  String format = LowerCase(AFormat.ShortDateFormat);
  String dayText = ZeroPadded(day, 2);
  String monthText = FirstRunLength(format, 'm') == 4 && month >= 1 && month <= 12
                         ? AFormat.LongMonthNames[month - 1]
                         : ZeroPadded(month, 2);
  String yearText = ZeroPadded(year % 10000, 4);
  if (FirstRunLength(format, 'y') != 4) yearText.erase(0, 2);
  String separator(1, AFormat.DateSeparator);
  switch (DateOrder(AFormat.ShortDateFormat)) {
    case 'D': return dayText + separator + monthText + separator + yearText;
    case 'Y': return yearText + separator + monthText + separator + dayText;
    default: return monthText + separator + dayText + separator + yearText;
  }
}

TcxDateTime cxStrToDate(const String& S, TcxCustomCalendarTable* ACalendar) {
  return cxStrToDate(S, cxGetLocalFormatSettings(), ACalendar);
}

TcxDateTime cxStrToDate(const String& S, const TFormatSettings& AFormat, TcxCustomCalendarTable* ACalendar) {
  TCalendarArg calendar(ACalendar);
  TcxEras* eras = calendar->GetEras();
  String text = S;
  Integer yearOffset = 0;
  if (!AFormat.ShortDateFormat.empty() && (AFormat.ShortDateFormat[0] == 'g' || AFormat.ShortDateFormat[0] == 'G')) {
    // The era's name stands before the first digit.
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* p = begin;
    while (p < end && !(*p >= '0' && *p <= '9')) p += Utf8CharLen(p, end);
    String eraName = Trim(String(begin, p));
    text.erase(0, static_cast<size_t>(p - begin));
    for (Integer i = 0; i < static_cast<Integer>(AFormat.EraNames.size()); ++i)
      if (!AFormat.EraNames[i].empty() && AnsiSameText(AFormat.EraNames[i], eraName)) {
        if (i < eras->GetCount()) yearOffset = eras->GetItem(i)->YearOffset;
        break;
      }
  } else if (LowerCase(AFormat.ShortDateFormat).find('e') != String::npos && eras->GetCount() > 0) {
    yearOffset = eras->GetItem(0)->YearOffset;
  }

  size_t pos = 0;
  auto readUpTo = [&](Char ADelimiter) {
    size_t stop = text.find(ADelimiter, pos);
    if (stop == String::npos) stop = text.size();
    String field = text.substr(pos, stop - pos);
    pos = stop < text.size() ? stop + 1 : stop;
    return field;
  };
  auto skipBlanks = [&] {
    while (pos < text.size() && text[pos] == ' ') ++pos;
  };
  String fields[3];
  fields[0] = readUpTo(AFormat.DateSeparator);
  if (AFormat.DateSeparator == ' ') skipBlanks();
  fields[1] = readUpTo(AFormat.DateSeparator);
  if (AFormat.DateSeparator == ' ') skipBlanks();
  fields[2] = readUpTo(' ');
  if (AFormat.DateSeparator == ' ') {
    skipBlanks();
    // A month written as two words ("1 de enero"): the first two fields are one.
    if (pos < text.size() && !(text[pos] >= '0' && text[pos] <= '9')) {
      fields[0] += " " + fields[1];
      fields[1] = fields[2];
      fields[2] = readUpTo(' ');
    }
  }

  String yearField, monthField, dayField;
  switch (DateOrder(AFormat.ShortDateFormat)) {
    case 'D': dayField = fields[0]; monthField = fields[1]; yearField = fields[2]; break;
    case 'Y': yearField = fields[0]; monthField = fields[1]; dayField = fields[2]; break;
    default: monthField = fields[0]; dayField = fields[1]; yearField = fields[2]; break;
  }
  TcxDateTime result;
  Integer year = calendar->GetYearNumber(yearField);
  result.Year = static_cast<Cardinal>(year);
  result.Month = calendar->GetMonthNumber(result.Year, monthField);
  result.Day = calendar->GetDayNumber(dayField);
  result.Era = calendar->GetEra(yearOffset + 1);

  String rest = Trim(text.substr(pos));
  if (!rest.empty()) {
    Word hour, min, sec, msec;
    DecodeTime(StrToTime(rest, AFormat), hour, min, sec, msec);
    result.Hours = static_cast<Byte>(hour);
    result.Minutes = static_cast<Byte>(min);
    result.Seconds = static_cast<Byte>(sec);
    result.Milliseconds = msec;
  }
  return result;
}

TDateTime cxStrToDate(const String& S, const TFormatSettings& AFormat, CALID ACalendarType) {
  TcxCustomCalendarTable* table = cxGetCalendar(ACalendarType);
  try {
    TDateTime result = table->ToDateTime(cxStrToDate(S, AFormat, table));
    table->Free();
    return result;
  } catch (...) {
    table->Free();
    throw;
  }
}

TDateTime cxLocalFormatStrToDate(const String& S) {
  CALID id = cxGetLocalCalendarID();
  TDateTime result = NullDate;
  if (id >= 3 && id <= 8) {
    TCalendarArg calendar(nullptr);
    result = calendar->ToDateTime(cxStrToDate(S, cxGetLocalFormatSettings(), calendar.Get()));
  } else {
    TextToDateEx(S, result);
  }
  return result;
}

// ---- Dates as text ----------------------------------------------------------------------------------

String cxDateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded, bool AUseCorvelDateTimeFormats) {
  if (ADate == NullDate) return String();
  bool hasTime = TimeOf(ADate) != 0;
  String format;
  if (AUseCorvelDateTimeFormats) {
    format = FormatSettings.ShortDateFormat;
    if (hasTime) format += " " + FormatSettings.LongTimeFormat;
  } else {
    format = cxGetLocalShortDateFormat();
  }
  if (AFourDigitYearNeeded) {
    String lower = LowerCase(format);
    size_t at = lower.find("yy");
    if (at != String::npos && lower.find("yyy") == String::npos) format.insert(at + 2, 2, format[at]);
  }
  if (AUseCorvelDateTimeFormats) return FormatDateTime(format, ADate);

  SYSTEMTIME date;
  char buffer[100];
  try {
    DateTimeToSystemTime(ADate, date);
  } catch (const Exception&) {
    return String();
  }
  if (GetDateFormat(GetThreadLocale(), 0, &date, format.c_str(), buffer, sizeof buffer) == 0) {
    try {
      return VarToStr(VarFromDateTime(ADate));
    } catch (const Exception&) {
      return String();
    }
  }
  String result = buffer;
  if (hasTime && GetTimeFormat(GetThreadLocale(), 0, &date, nullptr, buffer, sizeof buffer) != 0)
    result += " " + String(buffer);
  return result;
}

String DateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded) {
  return cxDateTimeToText(ADate, AFourDigitYearNeeded, cxFormatController()->GetUseCorvelDateTimeFormats());
}

String DateTimeToTextEx(TDateTime ADate, bool AIsMasked, bool AIsDateTimeEdit, bool AFourDigitYearNeeded) {
  if (ADate == NullDate) return String();
  if (!cxIsGregorianCalendar()) return cxDateToLocalFormatStr(ADate);
  if (AIsMasked) {
    if (AIsDateTimeEdit) return FormatDateTime(cxFormatController()->GetMaskedDateTimeEditFormat(), ADate);
    return FormatDateTime(cxFormatController()->GetMaskedDateEditFormat(), DateOf(ADate));
  }
  return DateTimeToText(ADate, AFourDigitYearNeeded);
}

// ---- Date helpers -----------------------------------------------------------------------------------

void DecMonth(Word& AYear, Word& AMonth) {
  if (AMonth == 1) {
    --AYear;
    AMonth = 12;
  } else {
    --AMonth;
  }
}

void IncMonth(Word& AYear, Word& AMonth) {
  if (AMonth == 12) {
    ++AYear;
    AMonth = 1;
  } else {
    ++AMonth;
  }
}

Integer ChangeMonth(Word& AYear, Word& AMonth, Integer ADelta) {
  Integer year = AYear + ADelta / 12;
  Integer month = AMonth + ADelta % 12;
  if (month <= 0) {
    month += 12;
    --year;
  } else if (month > 12) {
    month -= 12;
    ++year;
  }
  AYear = static_cast<Word>(year);
  AMonth = static_cast<Word>(month);
  return ADelta / 12;
}

Integer GetMonthNumber(TDateTime ADate) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  return year * 12 + month - 12;
}

Word GetDateElement(TDateTime ADate, TcxDateElement AElement, TcxCustomCalendarTable* ACalendar) {
  Cardinal parts[3];
  if (ACalendar) {
    TcxDateTime date = ACalendar->FromDateTime(ADate);
    parts[deYear] = date.Year;
    parts[deMonth] = date.Month;
    parts[deDay] = date.Day;
  } else {
    Word year, month, day;
    DecodeDate(ADate, year, month, day);
    parts[deYear] = year;
    parts[deMonth] = month;
    parts[deDay] = day;
  }
  return static_cast<Word>(parts[AElement]);
}

bool IsLeapYear(Integer AYear) { return AYear % 4 == 0 && (AYear % 100 != 0 || AYear % 400 == 0); }

Integer DaysPerMonth(Integer AYear, Integer AMonth) {
  static constexpr Integer kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (AMonth < 1 || AMonth > 12) return 0;
  return kDays[AMonth - 1] + (AMonth == 2 && IsLeapYear(AYear) ? 1 : 0);
}

Integer CheckDay(Integer AYear, Integer AMonth, Integer ADay) {
  if (ADay <= 0) return 1;
  return std::min(ADay, DaysPerMonth(AYear, AMonth));
}

TDateTime TimeOf(TDateTime ADate) { return std::fabs(ADate - std::trunc(ADate)); }

TDateTime DateOf(TDateTime ADate) { return std::trunc(ADate); }

Integer DayOfWeekOffset(TDateTime ADate) {
  return Mod7(DayOfWeek(ADate) - static_cast<Integer>(cxFormatController()->GetStartOfWeek()) - 1);
}

TDay GetStartOfWeek() {
  DWORD day = 0;
  GetLocaleInfo(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&day),
                sizeof day);
  return day + 1 > 6 ? dSunday : static_cast<TDay>(day + 1);
}

TDateTime GetStartDateOfMonth(TDateTime ADate) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  return EncodeDate(year, month, 1);
}

TDateTime GetEndDateOfMonth(TDateTime ADate, bool AIgnoreTime) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  TDateTime result = EncodeDate(year, month, DaysInAMonth(year, month));
  return AIgnoreTime ? result : result + EncodeTime(23, 59, 59, 999);
}

TDateTime GetStartDateOfYear(TDateTime ADate) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  return EncodeDate(year, 1, 1);
}

TDateTime GetEndDateOfYear(TDateTime ADate, bool AIgnoreTime) {
  Word year, month, day;
  DecodeDate(ADate, year, month, day);
  TDateTime result = EncodeDate(year, 12, 31);
  return AIgnoreTime ? result : result + EncodeTime(23, 59, 59, 999);
}

Integer GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear) {
  if (AFirstWeekOfYear == fwySystem) AFirstWeekOfYear = LocaleFirstWeekOfYear(GetThreadLocale());
  // The first day of the week that holds a day (whole days; the weekday counts from Sunday).
  auto weekStart = [AStartOfWeek](TDateTime ADay) {
    Int64 day = static_cast<Int64>(std::trunc(ADay));
    return day - Mod7(DayOfWeek(ADay) - 1 - static_cast<Integer>(AStartOfWeek));
  };
  auto monthOf = [](Int64 ADay) {
    Word year, month, day;
    DecodeDate(static_cast<TDateTime>(ADay), year, month, day);
    return month;
  };
  auto yearOf = [](Int64 ADay) {
    Word year, month, day;
    DecodeDate(static_cast<TDateTime>(ADay), year, month, day);
    return year;
  };
  Word year = yearOf(static_cast<Int64>(std::trunc(ADate)));
  Int64 start = weekStart(EncodeDate(year, 1, 1));
  if (AFirstWeekOfYear == fwyFirstFullWeek && yearOf(start) < year)
    start += 7;
  else if (AFirstWeekOfYear == fwyFirstFourDays && yearOf(start + 3) < year)
    start += 7;
  // Integer division truncates toward zero: a day before the first week still counts as week 1.
  Integer result = static_cast<Integer>((static_cast<Int64>(std::trunc(ADate)) - start) / 7 + 1);
  if (monthOf(static_cast<Int64>(std::trunc(ADate))) == 12) {
    Int64 first = weekStart(ADate);
    if (AFirstWeekOfYear == fwyJan1 && monthOf(first + 6) == 1)
      result = 1;
    else if (AFirstWeekOfYear == fwyFirstFourDays && monthOf(first + 3) == 1)
      result = 1;
  }
  return result;
}

TDateTime cxMinDateTime() { return EncodeDate(static_cast<Word>(std::clamp(MinYear, 1, 9999)), 1, 1); }

}  // namespace cxDateUtils
