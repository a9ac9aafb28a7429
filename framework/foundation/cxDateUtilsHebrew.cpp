// The Hebrew calendar for the years 5343..5999 (1 January 1583 to 29 September 2239). Its year
// table is worked out once from the calendar's rules: the molad of Tishri and the postponements of
// the new year give each year's length, and so its type and the Hebrew day of each 1 January.
#include <algorithm>
#include <array>
#include <cmath>

#include "DateTime.h"
#include "Multibyte.h"
#include "Strings.h"
#include "cxDateUtils.h"

namespace cxDateUtils {

IMPLEMENT_CLASS(TcxHebrewCalendarTable)

namespace {

constexpr Integer kFirstYear = 5343;
constexpr Integer kLastYear = 5999;
constexpr Integer kYearCount = kLastYear - kFirstYear + 1;  // 657
// A Hebrew year H holds 1 January of the Gregorian year H - 3760.
constexpr Integer kGregorianYearDelta = 3760;

// Month lengths by year type 1..6 (1..3 common years of 353, 354, 355 days, 4..6 leap years of
// 383, 384, 385 days), months counted from Tishri.
constexpr Byte kMonthDays[6][13] = {
    {30, 29, 29, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 30, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0},
    {30, 29, 29, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 29, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
    {30, 30, 30, 29, 30, 30, 29, 30, 29, 30, 29, 30, 29},
};

// Days from the calendar's epoch to the molad of Tishri of year AYear, moved to the next day when
// the molad falls on Sunday, Wednesday or Friday (counted in parts: 1080 to the hour).
Int64 ElapsedDays(Int64 AYear) {
  Int64 months = (235 * AYear - 234) / 19;
  Int64 parts = 12084 + 13753 * months;
  Int64 days = 29 * months + parts / 25920;
  if ((3 * (days + 1)) % 7 < 3) ++days;
  return days;
}

// The remaining postponements: no year of 356 days, no common year after a leap year of 382.
Int64 YearLengthCorrection(Int64 AYear) {
  Int64 ny0 = ElapsedDays(AYear - 1), ny1 = ElapsedDays(AYear), ny2 = ElapsedDays(AYear + 1);
  if (ny2 - ny1 == 356) return 2;
  if (ny1 - ny0 == 382) return 1;
  return 0;
}

// 1 Tishri of the year as a TDateTime. The epoch is 7 October 3761 BCE of the Julian calendar,
// 1 373 428 days before 0001-01-01.
TDateTime NewYear(Int64 AYear) {
  constexpr Int64 kEpochBeforeDay1 = -1373427;
  Int64 dayNumber = kEpochBeforeDay1 + ElapsedDays(AYear) + YearLengthCorrection(AYear);
  return static_cast<TDateTime>(dayNumber - DateDelta);
}

// The Hebrew date of a 1 January as the table codes it: 1..29 a day of Tevet, 30 the 30th and 33 the
// 29th of Kislev, 0, 31 and 32 the 1st, 2nd and 3rd of Shevat.
Integer EncodeJanuaryDay(Integer AMonth, Integer ADay) {
  if (AMonth == 4) return ADay;
  if (AMonth == 3) return ADay == 30 ? 30 : 33;
  return ADay == 1 ? 0 : 29 + ADay;
}

void DecodeJanuaryDay(Integer ACode, Integer& AMonth, Integer& ADay) {
  if (ACode >= 1 && ACode <= 29) {
    AMonth = 4;
    ADay = ACode;
  } else if (ACode == 30 || ACode == 33) {
    AMonth = 3;
    ADay = ACode == 30 ? 30 : 29;
  } else {
    AMonth = 5;
    ADay = ACode == 0 ? 1 : ACode - 29;
  }
}

struct TYearEntry {
  Integer JanuaryDay;  // code of the Hebrew day of 1 January
  Integer YearType;    // 1..6
};

const std::array<TYearEntry, kYearCount>& YearTable() {
  static const std::array<TYearEntry, kYearCount> table = [] {
    std::array<TYearEntry, kYearCount> t{};
    for (Integer k = 0; k < kYearCount; ++k) {
      Int64 year = kFirstYear + k;
      TDateTime start = NewYear(year);
      Int64 length = static_cast<Int64>(NewYear(year + 1) - start);
      Integer type = length < 380 ? static_cast<Integer>(length - 352) : static_cast<Integer>(length - 382 + 3);
      Integer day = static_cast<Integer>(EncodeDate(static_cast<Word>(year - kGregorianYearDelta), 1, 1) - start);
      Integer month = 0;
      while (day >= kMonthDays[type - 1][month]) day -= kMonthDays[type - 1][month++];
      t[k] = {EncodeJanuaryDay(month + 1, day + 1), type};
    }
    return t;
  }();
  return table;
}

const TYearEntry* FindYear(Cardinal AYear) {
  if (AYear < static_cast<Cardinal>(kFirstYear) || AYear > static_cast<Cardinal>(kLastYear)) return nullptr;
  return &YearTable()[AYear - kFirstYear];
}

// The numeral value of a Hebrew letter (U+05D0 alef .. U+05EA tav, final forms worth their
// letter), 0 for any other character.
Integer HebrewLetterValue(char32_t ACode) {
  static constexpr Integer kValues[27] = {1,  2,  3,  4,  5,  6,  7,  8,   9,   10,  20,  20,  30, 40,
                                          40, 50, 50, 60, 70, 80, 80, 90,  90,  100, 200, 300, 400};
  if (ACode < 0x05D0 || ACode > 0x05EA) return 0;
  return kValues[ACode - 0x05D0];
}

}  // namespace

void TcxHebrewCalendarTable::Construct() {
  inherited::Construct();
  FDefaultEra = New<TcxEra>(-1, NullDate, 0, 1, 9999);
}

void TcxHebrewCalendarTable::Destroy() {
  FreeAndNil(FDefaultEra);
  inherited::Destroy();
}

TDateTime TcxHebrewCalendarTable::GetMaxSupportedDate() {
  return EncodeDate(2239, 9, 29) + EncodeTime(23, 59, 59, 999);
}

TDateTime TcxHebrewCalendarTable::GetMinSupportedDate() { return EncodeDate(1583, 1, 1); }

Integer TcxHebrewCalendarTable::GetYearType(Cardinal AYear) {
  const TYearEntry* entry = FindYear(AYear);
  if (!entry) return 0;
  return entry->YearType > 3 ? entry->YearType - 3 : entry->YearType;
}

bool TcxHebrewCalendarTable::IsLeapYear(Integer, Cardinal AYear) {
  const TYearEntry* entry = FindYear(AYear);
  return entry && entry->YearType > 3;
}

Cardinal TcxHebrewCalendarTable::GetMonthsInYear(Integer AEra, Cardinal AYear) {
  return IsLeapYear(AEra, AYear) ? 13 : 12;
}

Cardinal TcxHebrewCalendarTable::GetDaysInYear(Integer AEra, Cardinal AYear) {
  Integer type = GetYearType(AYear);
  if (type == 0) return 0;
  return static_cast<Cardinal>(352 + type + (IsLeapYear(AEra, AYear) ? 30 : 0));
}

Cardinal TcxHebrewCalendarTable::GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  if (!IsValidMonth(AEra, AYear, AMonth)) return 0;
  Integer row = GetYearType(AYear) + (IsLeapYear(AEra, AYear) ? 3 : 0);
  return kMonthDays[row - 1][AMonth - 1];
}

Cardinal TcxHebrewCalendarTable::GetFullWeeksInYear(Cardinal AYear) { return GetDaysInYear(AYear) / 7; }

bool TcxHebrewCalendarTable::IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  return IsValidMonth(AEra, AYear, AMonth) && IsLeapYear(AEra, AYear) && AMonth == 7;
}

bool TcxHebrewCalendarTable::IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return IsValidDay(AEra, AYear, AMonth, ADay) && IsLeapMonth(AEra, AYear, AMonth);
}

TDateTime TcxHebrewCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  TDateTime result;
  if (IsNotValid(ADateTime, result)) return result;
  Integer janMonth, janDay;
  DecodeJanuaryDay(FindYear(ADateTime.Year)->JanuaryDay, janMonth, janDay);
  // Day of the year of a Hebrew month and day, over this year's month lengths.
  auto dayOfYear = [&](Cardinal AMonth, Cardinal ADay) {
    Int64 days = ADay;
    for (Cardinal m = 1; m < AMonth; ++m) days += GetDaysInMonth(ADateTime.Era, ADateTime.Year, m);
    return days;
  };
  TDateTime time = 0;
  if (!TryEncodeTime(ADateTime.Hours, ADateTime.Minutes, ADateTime.Seconds, ADateTime.Milliseconds, time)) time = 0;
  TDateTime january = EncodeDate(static_cast<Word>(ADateTime.Year - kGregorianYearDelta), 1, 1);
  Int64 difference = dayOfYear(ADateTime.Month, ADateTime.Day) -
                     dayOfYear(static_cast<Cardinal>(janMonth), static_cast<Cardinal>(janDay));
  return ComposeDateTime(january + static_cast<double>(difference), time);
}

TcxDateTime TcxHebrewCalendarTable::FromDateTime(TDateTime ADate) {
  CheckDateTime(ADate);
  TcxDateTime result;
  Word year, month, day, hour, min, sec, msec;
  DecodeDate(ADate, year, month, day);
  DecodeTime(ADate, hour, min, sec, msec);
  result.Hours = static_cast<Byte>(hour);
  result.Minutes = static_cast<Byte>(min);
  result.Seconds = static_cast<Byte>(sec);
  result.Milliseconds = msec;

  Cardinal hebrewYear = static_cast<Cardinal>(year + kGregorianYearDelta);
  Int64 dayInMonth = static_cast<Int64>(std::trunc(ADate) - ToDateTime(hebrewYear, 1, 1)) + 1;
  Cardinal hebrewMonth = 1;
  for (;;) {
    Cardinal length = GetDaysInMonth(hebrewYear, hebrewMonth);
    if (length == 0 || dayInMonth <= static_cast<Int64>(length)) break;
    dayInMonth -= length;
    if (++hebrewMonth > GetMonthsInYear(hebrewYear)) {
      hebrewMonth = 1;
      ++hebrewYear;
    }
  }
  result.Year = hebrewYear;
  result.Month = hebrewMonth;
  result.Day = static_cast<Cardinal>(dayInMonth);
  return result;
}

Cardinal TcxHebrewCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                               TcxFirstWeekOfYear AFirstWeekOfYear) {
  return GetLunarWeekNumber(ADate, AStartOfWeek, AFirstWeekOfYear);
}

Integer TcxHebrewCalendarTable::HebrewNumber(const String& S) {
  Integer result = 0;
  const char* p = S.data();
  const char* end = p + S.size();
  while (p < end) {
    int length = Utf8CharLen(p, end);
    result += HebrewLetterValue(Utf8Decode(p, length));
    p += length;
  }
  return result;
}

Cardinal TcxHebrewCalendarTable::GetDayNumber(const String& S) {
  Integer number = HebrewNumber(S);
  return number != 0 ? static_cast<Cardinal>(number) : inherited::GetDayNumber(S);
}

Integer TcxHebrewCalendarTable::GetYearNumber(const String& S) {
  Integer number = HebrewNumber(S);
  return number != 0 ? number + 5000 : inherited::GetYearNumber(S);
}

Cardinal TcxHebrewCalendarTable::GetMonthNumber(Cardinal AYear, const String& S) {
  Integer number = HebrewNumber(S);
  if (number > 0 && IsValidMonth(AYear, static_cast<Cardinal>(number))) return static_cast<Cardinal>(number);
  for (Integer month = 1; month <= 13; ++month)
    if (AnsiSameText(cxGetLocalMonthName(static_cast<Integer>(AYear), month, this), S) ||
        AnsiSameText(cxDayNumberToLocalFormatStr(month, this), S))
      return static_cast<Cardinal>(month);
  return inherited::GetMonthNumber(AYear, S);
}

}  // namespace cxDateUtils
