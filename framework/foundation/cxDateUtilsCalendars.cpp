// Eras, the common calendar arithmetic, the Gregorian table and the era-counted Gregorian tables
// (Japanese, Taiwan, Korean, Thai).
#include <algorithm>
#include <cmath>

#include "DateTime.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "Locale.h"
#include "Strings.h"
#include "cxDateUtils.h"
#include "cxDateUtilsInternal.h"

namespace cxDateUtils {

IMPLEMENT_CLASS(TcxEra)
IMPLEMENT_CLASS(TcxEras)
IMPLEMENT_ABSTRACT_CLASS(TcxCustomCalendarTable)
IMPLEMENT_CLASS(TcxGregorianCalendarTable)
IMPLEMENT_CLASS(TcxJapaneseCalendarTable)
IMPLEMENT_CLASS(TcxTaiwanCalendarTable)
IMPLEMENT_CLASS(TcxKoreanCalendarTable)
IMPLEMENT_CLASS(TcxThaiCalendarTable)

namespace {

// Encodes a Gregorian date without raising: years outside 1..9999 are pinned to the calendar's ends,
// a day past the month's end to its last day, so that era lookups of far dates stay ordered.
TDateTime SafeEncodeDate(Int64 AYear, Int64 AMonth, Int64 ADay) {
  if (AYear < 1) return MinDateTime - 1;
  if (AYear > 9999) return MaxDateTime + 1;
  if (AMonth < 1) AMonth = 1;
  if (AMonth > 12) AMonth = 12;
  Word days = DaysInAMonth(static_cast<Word>(AYear), static_cast<Word>(AMonth));
  if (ADay < 1) ADay = 1;
  if (ADay > days) ADay = days;
  return EncodeDate(static_cast<Word>(AYear), static_cast<Word>(AMonth), static_cast<Word>(ADay));
}

Integer Mod7(Integer AValue) { return ((AValue % 7) + 7) % 7; }

}  // namespace

// ---- TcxEra ------------------------------------------------------------------------------------------

void TcxEra::Assign(TPersistent* Source) {
  if (auto* era = dynamic_cast<TcxEra*>(Source)) {
    Era = era->Era;
    MaxEraYear = era->MaxEraYear;
    MinEraYear = era->MinEraYear;
    StartDate = era->StartDate;
    YearOffset = era->YearOffset;
  } else {
    inherited::Assign(Source);
  }
}

// ---- TcxCustomCalendarTable ---------------------------------------------------------------------------

void TcxCustomCalendarTable::Construct() {
  inherited::Construct();
  FEras = New<TcxEras>();
}

void TcxCustomCalendarTable::Destroy() {
  FreeAndNil(FEras);
  inherited::Destroy();
}

TcxEra* TcxCustomCalendarTable::EraOf(Integer AEra) {
  if (AEra == -1) return GetDefaultEra();
  if (AEra >= 0 && AEra < FEras->GetCount()) return FEras->GetItem(AEra);
  return nullptr;
}

void TcxCustomCalendarTable::YearToGregorianYear(Cardinal& AYear, Integer AEra) {
  if (TcxEra* era = EraOf(AEra)) AYear = static_cast<Cardinal>(static_cast<Int64>(AYear) + era->YearOffset);
}

Integer TcxCustomCalendarTable::GetEra(Integer AYear) { return GetEra(AYear, 1, 1); }

Integer TcxCustomCalendarTable::GetEra(Integer AYear, Cardinal AMonth, Cardinal ADay) {
  if (FEras->GetCount() == 0) return -1;
  TDateTime date = SafeEncodeDate(AYear, AMonth, ADay);
  Integer result = -1;
  for (Integer i = 0; i < FEras->GetCount(); ++i)
    if (FEras->GetItem(i)->StartDate <= date) result = i;
  return result;
}

void TcxCustomCalendarTable::AdjustYear(Cardinal& AYear, Integer& AEra) { AdjustYear(AYear, AEra, 1, 1); }

void TcxCustomCalendarTable::AdjustYear(Cardinal& AYear, Integer& AEra, Cardinal AMonth, Cardinal ADay) {
  Cardinal gregorianYear = AYear;
  YearToGregorianYear(gregorianYear, AEra);
  AEra = GetEra(static_cast<Integer>(gregorianYear), AMonth, ADay);
  if (AEra >= 0)
    AYear = static_cast<Cardinal>(static_cast<Int64>(gregorianYear) - FEras->GetItem(AEra)->YearOffset);
}

void TcxCustomCalendarTable::CheckDateTime(TDateTime& ADateTime) {
  if (std::isnan(ADateTime) || ADateTime < GetMinSupportedDate()) ADateTime = GetMinSupportedDate();
  if (ADateTime > GetMaxSupportedDate()) ADateTime = GetMaxSupportedDate();
}

bool TcxCustomCalendarTable::IsNotValid(const TcxDateTime& ADate, TDateTime& ADateTime) {
  bool result = !IsValidDay(ADate.Era, ADate.Year, ADate.Month, ADate.Day);
  if (result) ADateTime = GetMinSupportedDate();
  return result;
}

bool TcxCustomCalendarTable::IsValidYear(Integer, Cardinal AYear) {
  return AYear >= GetMinSupportedYear() && AYear <= GetMaxSupportedYear();
}

bool TcxCustomCalendarTable::IsValidMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  return IsValidYear(AEra, AYear) && AMonth != 0 && AMonth <= GetMonthsInYear(AEra, AYear);
}

bool TcxCustomCalendarTable::IsValidDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return IsValidMonth(AEra, AYear, AMonth) && ADay != 0 && ADay <= GetDaysInMonth(AEra, AYear, AMonth);
}

bool TcxCustomCalendarTable::IsValidDate(TDateTime ADate) {
  TcxDateTime date = FromDateTime(ADate);
  return IsValidDay(date.Era, date.Year, date.Month, date.Day);
}

TDateTime TcxCustomCalendarTable::AddDays(const TcxDateTime& ADate, Integer ACountDays) {
  TDateTime result = ToDateTime(ADate) + ACountDays;
  CheckDateTime(result);
  return result;
}

TDateTime TcxCustomCalendarTable::AddWeeks(TDateTime ADate, Integer ACountWeeks) {
  return AddWeeks(FromDateTime(ADate), ACountWeeks);
}

TDateTime TcxCustomCalendarTable::AddWeeks(const TcxDateTime& ADate, Integer ACountWeeks) {
  TDateTime result = AddDays(ADate, static_cast<Integer>(std::clamp<Int64>(Int64{ACountWeeks} * 7, -MaxInt, MaxInt)));
  CheckDateTime(result);
  return result;
}

TDateTime TcxCustomCalendarTable::AddMonths(TDateTime ADate, Integer ACountMonths) {
  return AddMonths(FromDateTime(ADate), ACountMonths);
}

TDateTime TcxCustomCalendarTable::AddMonths(const TcxDateTime& ADate, Integer ACountMonths) {
  TDateTime result;
  if (IsNotValid(ADate, result)) return result;
  TcxDateTime date = ADate;
  Int64 year = date.Year;
  Int64 month = Int64{date.Month} + ACountMonths;
  // Month by month through the calendar's own year lengths; once the year leaves the supported
  // range the result can only be invalid, so the walk stops there instead of running on.
  const Int64 minYear = GetMinSupportedYear(), maxYear = GetMaxSupportedYear();
  while (year >= minYear && year <= maxYear) {
    Int64 months = GetMonthsInYear(date.Era, static_cast<Cardinal>(year));
    if (month > months) {
      month -= months;
      ++year;
    } else if (month <= 0) {
      --year;
      if (year < minYear) break;
      month += GetMonthsInYear(date.Era, static_cast<Cardinal>(year));
    } else {
      break;
    }
  }
  if (year < minYear || year > maxYear) return GetMinSupportedDate();
  date.Year = static_cast<Cardinal>(year);
  date.Month = static_cast<Cardinal>(month);
  if (!IsValidDay(date.Era, date.Year, date.Month, date.Day))
    date.Day = GetDaysInMonth(date.Era, date.Year, date.Month);
  AdjustYear(date.Year, date.Era, date.Month, date.Day);
  if (IsNotValid(date, result)) return result;
  result = ToDateTime(date);
  CheckDateTime(result);
  return result;
}

TDateTime TcxCustomCalendarTable::AddYears(TDateTime ADate, Integer ACountYears) {
  return AddYears(FromDateTime(ADate), ACountYears);
}

TDateTime TcxCustomCalendarTable::AddYears(const TcxDateTime& ADate, Integer ACountYears) {
  TDateTime result;
  if (IsNotValid(ADate, result)) return result;
  TcxDateTime date = ADate;
  Int64 year = Int64{date.Year} + ACountYears;
  if (year < 0 || year > MaxInt) return GetMinSupportedDate();
  date.Year = static_cast<Cardinal>(year);
  AdjustYear(date.Year, date.Era);
  if (!IsValidYear(date.Era, date.Year)) return GetMinSupportedDate();
  Cardinal months = GetMonthsInYear(date.Era, date.Year);
  if (date.Month > months) date.Month = months;
  Cardinal days = GetDaysInMonth(date.Era, date.Year, date.Month);
  if (date.Day > days) date.Day = days;
  AdjustYear(date.Year, date.Era, date.Month, date.Day);
  if (IsNotValid(date, result)) return result;
  result = ToDateTime(date);
  CheckDateTime(result);
  return result;
}

TcxDateTime TcxCustomCalendarTable::FromDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return FromDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
}

TcxDateTime TcxCustomCalendarTable::FromDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay, Byte AHours,
                                                 Byte AMinutes, Byte ASeconds, Word AMilliseconds) {
  TDateTime date = EncodeDate(static_cast<Word>(std::min<Cardinal>(AYear, 0xFFFF)),
                              static_cast<Word>(std::min<Cardinal>(AMonth, 0xFFFF)),
                              static_cast<Word>(std::min<Cardinal>(ADay, 0xFFFF)));
  return FromDateTime(ComposeDateTime(date, EncodeTime(AHours, AMinutes, ASeconds, AMilliseconds)));
}

Cardinal TcxCustomCalendarTable::GetDayOfYear(TDateTime ADate) { return GetDayOfYear(FromDateTime(ADate)); }

Cardinal TcxCustomCalendarTable::GetDayOfYear(const TcxDateTime& ADate) {
  Cardinal result = ADate.Day;
  Cardinal months = std::min(ADate.Month, GetMonthsInYear(ADate.Era, ADate.Year) + 1);
  for (Cardinal m = 1; m < months; ++m) result += GetDaysInMonth(ADate.Era, ADate.Year, m);
  return result;
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADate) {
  return GetFirstDayOfWeek(ADate, GetFirstWeekDay());
}

TDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADate, TDay AStartDayOfWeek) {
  return ADate - Mod7(static_cast<Integer>(GetWeekDay(ADate)) - static_cast<Integer>(AStartDayOfWeek));
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(const TcxDateTime& ADate) {
  return GetFirstDayOfWeek(ADate, GetFirstWeekDay());
}

TcxDateTime TcxCustomCalendarTable::GetFirstDayOfWeek(const TcxDateTime& ADate, TDay AStartDayOfWeek) {
  return FromDateTime(GetFirstDayOfWeek(ToDateTime(ADate), AStartDayOfWeek));
}

Cardinal TcxCustomCalendarTable::GetYear(TDateTime ADate) { return FromDateTime(ADate).Year; }
Cardinal TcxCustomCalendarTable::GetYear(const TcxDate& ADate) { return ADate.Year; }
Cardinal TcxCustomCalendarTable::GetYear(const TcxDateTime& ADate) { return ADate.Year; }

TDay TcxCustomCalendarTable::GetWeekDay(TDateTime ADate) { return static_cast<TDay>(DayOfWeek(ADate) - 1); }

TDay TcxCustomCalendarTable::GetWeekDay(const TcxDateTime& ADate) { return GetWeekDay(ToDateTime(ADate)); }

Cardinal TcxCustomCalendarTable::GetWeekNumber(TDateTime ADate, TDay AStartOfWeek,
                                               TcxFirstWeekOfYear AFirstWeekOfYear) {
  return GetWeekNumber(FromDateTime(ADate), AStartOfWeek, AFirstWeekOfYear);
}

Cardinal TcxCustomCalendarTable::GetLunarWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                                    TcxFirstWeekOfYear AFirstWeekOfYear) {
  if (AFirstWeekOfYear == fwySystem) AFirstWeekOfYear = LocaleFirstWeekOfYear(LOCALE_USER_DEFAULT);
  TcxDateTime first = ADate;
  first.Month = 1;
  first.Day = 1;
  first.Hours = first.Minutes = first.Seconds = 0;
  first.Milliseconds = 0;
  Integer year = static_cast<Integer>(ADate.Year);
  TDateTime start = GetFirstDayOfWeek(ToDateTime(first), AStartOfWeek);
  if (AFirstWeekOfYear == fwyFirstFullWeek && static_cast<Integer>(GetYear(start)) < year)
    start += 7;
  else if (AFirstWeekOfYear == fwyFirstFourDays && static_cast<Integer>(GetYear(start + 3)) < year)
    start += 7;
  // Integer division truncates toward zero, so a day before the first week still counts as week 1.
  Integer week = static_cast<Integer>((static_cast<Int64>(std::trunc(ToDateTime(ADate))) -
                                       static_cast<Int64>(start)) / 7) + 1;
  if (ADate.Month == GetMonthsInYear(ADate.Era, ADate.Year)) {
    TDateTime weekStart = GetFirstDayOfWeek(std::trunc(ToDateTime(ADate)), AStartOfWeek);
    if (AFirstWeekOfYear == fwyJan1 && FromDateTime(weekStart + 6).Month == 1)
      week = 1;
    else if (AFirstWeekOfYear == fwyFirstFourDays && FromDateTime(weekStart + 3).Month == 1)
      week = 1;
  }
  return static_cast<Cardinal>(week);
}

TDateTime TcxCustomCalendarTable::ToDateTime(const TcxDate& ADate) {
  TcxDateTime date;
  date.Era = ADate.Era;
  date.Year = ADate.Year;
  date.Month = ADate.Month;
  date.Day = ADate.Day;
  return ToDateTime(date);
}

TDateTime TcxCustomCalendarTable::ToDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return ToDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
}

TDateTime TcxCustomCalendarTable::ToDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay, Byte AHours,
                                             Byte AMinutes, Byte ASeconds, Word AMilliseconds) {
  TcxDateTime date;
  date.Year = AYear;
  date.Month = AMonth;
  date.Day = ADay;
  date.Hours = AHours;
  date.Minutes = AMinutes;
  date.Seconds = ASeconds;
  date.Milliseconds = AMilliseconds;
  return ToDateTime(date);
}

Cardinal TcxCustomCalendarTable::GetDayNumber(const String& S) { return static_cast<Cardinal>(StrToInt(Trim(S))); }

Cardinal TcxCustomCalendarTable::GetMonthNumber(Cardinal, const String& S) {
  for (Integer i = 0; i < 12; ++i)
    if (AnsiSameText(FormatSettings.LongMonthNames[i], S) || AnsiSameText(FormatSettings.ShortMonthNames[i], S))
      return static_cast<Cardinal>(i + 1);
  return static_cast<Cardinal>(StrToInt(Trim(S)));
}

Integer TcxCustomCalendarTable::GetYearNumber(const String& S) {
  Integer year = StrToInt(Trim(S));
  if (Trim(S).length() > 2) return year;
  DWORD maxYear = 0;
  cxGetCalendarInfo(LOCALE_USER_DEFAULT, GetCalendarID(), CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0,
                    &maxYear);
  // Without a two-digit-year limit the year is taken as written; a window of 0 would move every
  // year into the first century before the era.
  if (maxYear == 0) return year;
  Integer result = year + static_cast<Integer>(maxYear / 100) * 100;
  if (static_cast<Integer>(maxYear % 100) < year) result -= 100;
  return result;
}

// ---- TcxGregorianCalendarTable ------------------------------------------------------------------------

void TcxGregorianCalendarTable::Construct() {
  inherited::Construct();
  FDefaultEra = New<TcxEra>(-1, NullDate, 0, 1, 9999);
}

void TcxGregorianCalendarTable::Destroy() {
  FreeAndNil(FDefaultEra);
  inherited::Destroy();
}

TDateTime TcxGregorianCalendarTable::GetMaxSupportedDate() { return MaxDateTime; }
TDateTime TcxGregorianCalendarTable::GetMinSupportedDate() { return MinDateTime; }

TcxDateTime TcxGregorianCalendarTable::FromDateTime(TDateTime ADate) {
  TcxDateTime result;
  Word year, month, day, hour, min, sec, msec;
  DecodeDate(ADate, year, month, day);
  DecodeTime(ADate, hour, min, sec, msec);
  result.Year = year;
  result.Month = month;
  result.Day = day;
  result.Hours = static_cast<Byte>(hour);
  result.Minutes = static_cast<Byte>(min);
  result.Seconds = static_cast<Byte>(sec);
  result.Milliseconds = msec;
  return result;
}

TDateTime TcxGregorianCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  auto word = [](Cardinal value) { return static_cast<Word>(std::min<Cardinal>(value, 0xFFFF)); };
  return ComposeDateTime(EncodeDate(word(ADateTime.Year), word(ADateTime.Month), word(ADateTime.Day)),
                         EncodeTime(ADateTime.Hours, ADateTime.Minutes, ADateTime.Seconds, ADateTime.Milliseconds));
}

Cardinal TcxGregorianCalendarTable::GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  switch (AMonth) {
    case 2: return IsLeapYear(AEra, AYear) ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
  }
}

Cardinal TcxGregorianCalendarTable::GetDaysInYear(Integer AEra, Cardinal AYear) {
  return IsLeapYear(AEra, AYear) ? 366 : 365;
}

TDay TcxGregorianCalendarTable::GetFirstWeekDay() {
  switch (FCalendarID) {
    case 10: return dSaturday;
    case 9: case 11: case 12: return dMonday;
    default: return dSunday;
  }
}

Cardinal TcxGregorianCalendarTable::GetFullWeeksInYear(Cardinal AYear) {
  Cardinal year = AYear;
  YearToGregorianYear(year, -1);
  TDay firstDay = GetWeekDay(SafeEncodeDate(year, 1, 1));
  Integer c = Mod7(static_cast<Integer>(firstDay) - static_cast<Integer>(GetFirstWeekDay()));
  return ((IsLeapYear(AYear) && c > 4) || c > 5) ? 53 : 52;
}

Cardinal TcxGregorianCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                                  TcxFirstWeekOfYear AFirstWeekOfYear) {
  return static_cast<Cardinal>(cxDateUtils::GetWeekNumber(ToDateTime(ADate), AStartOfWeek, AFirstWeekOfYear));
}

bool TcxGregorianCalendarTable::IsLeapYear(Integer AEra, Cardinal AYear) {
  YearToGregorianYear(AYear, AEra);
  return (AYear % 4 == 0) && (AYear % 100 != 0 || AYear % 400 == 0);
}

bool TcxGregorianCalendarTable::IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  return IsLeapYear(AEra, AYear) && AMonth == 2;
}

bool TcxGregorianCalendarTable::IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return IsLeapMonth(AEra, AYear, AMonth) && ADay == 29;
}

// ---- TcxJapaneseCalendarTable and the other era-counted tables ----------------------------------------

void TcxJapaneseCalendarTable::Construct() {
  inherited::Construct();
  AddEras();
}

void TcxJapaneseCalendarTable::AddEras() {
  TcxEras* eras = GetEras();
  eras->Add(New<TcxEra>(1, EncodeDate(1868, 9, 8), 1867, 1, 45));
  eras->Add(New<TcxEra>(2, EncodeDate(1912, 7, 30), 1911, 1, 15));
  eras->Add(New<TcxEra>(3, EncodeDate(1926, 12, 25), 1925, 1, 64));
  eras->Add(New<TcxEra>(4, EncodeDate(1989, 1, 8), 1988, 1, 8011));
}

void TcxTaiwanCalendarTable::AddEras() { GetEras()->Add(New<TcxEra>(1, EncodeDate(1912, 1, 1), 1911, 1, 8088)); }

void TcxKoreanCalendarTable::AddEras() { GetEras()->Add(New<TcxEra>(0, EncodeDate(1, 1, 1), -2333, 2334, 12332)); }

void TcxThaiCalendarTable::AddEras() { GetEras()->Add(New<TcxEra>(0, EncodeDate(1, 1, 1), -543, 544, 10542)); }

TcxEra* TcxJapaneseCalendarTable::GetDefaultEra() { return GetEras()->GetItem(DefaultEraIndex()); }

TDateTime TcxJapaneseCalendarTable::GetMinSupportedDate() { return EncodeDate(1868, 9, 8); }
TDateTime TcxTaiwanCalendarTable::GetMinSupportedDate() { return EncodeDate(1912, 1, 1); }
TDateTime TcxKoreanCalendarTable::GetMinSupportedDate() { return EncodeDate(1, 1, 1); }
TDateTime TcxThaiCalendarTable::GetMinSupportedDate() { return EncodeDate(1, 1, 1); }

TcxDateTime TcxJapaneseCalendarTable::FromDateTime(TDateTime ADate) {
  TcxDateTime result = TcxGregorianCalendarTable::FromDateTime(ADate);
  result.Era = GetEra(static_cast<Integer>(result.Year), result.Month, result.Day);
  TcxEra* era = EraOf(result.Era);
  result.Year = static_cast<Cardinal>(static_cast<Int64>(result.Year) - era->YearOffset);
  return result;
}

TDateTime TcxJapaneseCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  TDateTime result;
  if (IsNotValid(ADateTime, result)) return result;
  TcxDateTime date = ADateTime;
  YearToGregorianYear(date.Year, date.Era);
  TDateTime day, time;
  if (date.Year > 9999 || !TryEncodeDate(static_cast<Word>(date.Year), static_cast<Word>(date.Month),
                                         static_cast<Word>(date.Day), day))
    return GetMinSupportedDate();
  if (!TryEncodeTime(date.Hours, date.Minutes, date.Seconds, date.Milliseconds, time)) time = 0;
  return ComposeDateTime(day, time);
}

// ---- Obtaining a table -------------------------------------------------------------------------------

TcxCustomCalendarTable* cxGetCalendar(CALID ACalendarID) {
  switch (ACalendarID) {
    case 3: return New<TcxJapaneseCalendarTable>();
    case 4: return New<TcxTaiwanCalendarTable>();
    case 5: return New<TcxKoreanCalendarTable>();
    case 6: return New<TcxHijriCalendarTable>();
    case 7: return New<TcxThaiCalendarTable>();
    case 8: return New<TcxHebrewCalendarTable>();
    default: {
      auto* result = New<TcxGregorianCalendarTable>();
      bool gregorian = ACalendarID == 1 || ACalendarID == 2 || (ACalendarID >= 9 && ACalendarID <= 12);
      result->SetCalendarID(gregorian ? ACalendarID : 1);
      return result;
    }
  }
}

CALID cxGetLocalCalendarID() {
  DWORD result = 0;
  GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&result),
                sizeof result);
  return result;
}

TcxCustomCalendarTable* cxGetLocalCalendar() { return cxGetCalendar(cxGetLocalCalendarID()); }

}  // namespace cxDateUtils
