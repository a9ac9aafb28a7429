// The tabular Islamic calendar: 30-year cycles of 10631 days with eleven leap years each; odd months
// have 30 days, even months 29, and the twelfth month 30 in a leap year.
#include <algorithm>
#include <cmath>

#include "DateTime.h"
#include "Strings.h"
#include "cxDateUtils.h"

namespace cxDateUtils {

IMPLEMENT_CLASS(TcxHijriCalendarTable)

namespace {

// Days from 0001-01-01 (day 1) to the day before 1 Muharram of year 1.
constexpr Int64 kHijriEpochOffset = 227013;

bool IsLeapCycleYear(Int64 ACycleYear) {
  switch (ACycleYear) {
    case 2: case 5: case 7: case 10: case 13: case 15: case 18: case 21: case 24: case 26: case 29: return true;
    default: return false;
  }
}

// Leap years among the cycle years 1..ACycleYears.
Int64 LeapYearsInCycle(Int64 ACycleYears) {
  Int64 result = 0;
  for (Int64 y = 1; y <= ACycleYears; ++y)
    if (IsLeapCycleYear(y)) ++result;
  return result;
}

// Days before the first day of the year AYear + 1 (AYear full years since the calendar's start).
Int64 DaysOfYears(Int64 AYears) {
  Int64 cycles = AYears / 30;
  return 354 * AYears + 11 * cycles + LeapYearsInCycle(AYears - 30 * cycles);
}

}  // namespace

void TcxHijriCalendarTable::Construct() {
  inherited::Construct();
  FDefaultEra = New<TcxEra>(-1, NullDate, 0, 1, 9999);
}

void TcxHijriCalendarTable::Destroy() {
  FreeAndNil(FDefaultEra);
  inherited::Destroy();
}

TDateTime TcxHijriCalendarTable::GetMaxSupportedDate() { return EncodeDate(9666, 4, 3); }
TDateTime TcxHijriCalendarTable::GetMinSupportedDate() { return EncodeDate(622, 7, 16); }

bool TcxHijriCalendarTable::IsLeapYear(Integer, Cardinal AYear) { return IsLeapCycleYear(AYear % 30); }

bool TcxHijriCalendarTable::IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  return IsLeapYear(AEra, AYear) && AMonth == 12;
}

bool TcxHijriCalendarTable::IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  return IsLeapMonth(AEra, AYear, AMonth) && ADay == 30;
}

Cardinal TcxHijriCalendarTable::GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) {
  if (AMonth == 0 || AMonth > 12) return 0;
  if (AMonth == 12) return IsLeapYear(AEra, AYear) ? 30 : 29;
  return AMonth % 2 == 1 ? 30 : 29;
}

Cardinal TcxHijriCalendarTable::GetDaysInYear(Integer AEra, Cardinal AYear) {
  return IsLeapYear(AEra, AYear) ? 355 : 354;
}

TDateTime TcxHijriCalendarTable::ToDateTime(const TcxDateTime& ADateTime) {
  TDateTime result;
  if (IsNotValid(ADateTime, result)) return result;
  Int64 days = kHijriEpochOffset + DaysOfYears(Int64{ADateTime.Year} - 1) + GetDayOfYear(ADateTime);
  TDateTime time = 0;
  if (!TryEncodeTime(ADateTime.Hours, ADateTime.Minutes, ADateTime.Seconds, ADateTime.Milliseconds, time)) time = 0;
  return ComposeDateTime(EncodeDate(1, 1, 1) + static_cast<double>(days - 1), time);
}

TcxDateTime TcxHijriCalendarTable::FromDateTime(TDateTime ADate) {
  TcxDateTime result;
  // Far values are held to the Gregorian range, which the cycle arithmetic below covers.
  if (std::isnan(ADate)) ADate = GetMinSupportedDate();
  ADate = std::clamp(ADate, EncodeDate(1, 1, 1), MaxDateTime);
  Word hour, min, sec, msec;
  DecodeTime(ADate, hour, min, sec, msec);
  result.Hours = static_cast<Byte>(hour);
  result.Minutes = static_cast<Byte>(min);
  result.Seconds = static_cast<Byte>(sec);
  result.Milliseconds = msec;

  Int64 n = static_cast<Int64>(std::trunc(ADate - EncodeDate(1, 1, 1) + 1));
  Int64 r = n - kHijriEpochOffset;
  Int64 k = (30 * r) / 10631;
  Int64 year = k + 1;
  r -= DaysOfYears(k);
  Int64 month = 1;
  auto monthLength = [this](Int64 y, Int64 m) {
    return static_cast<Int64>(GetDaysInMonth(-1, static_cast<Cardinal>(y), static_cast<Cardinal>(m)));
  };
  while (r > monthLength(year, month)) {
    r -= monthLength(year, month);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  // The estimate of the year may overshoot by a day or so: the date then lies at the end of the
  // previous year.
  while (r <= 0) {
    if (--month < 1) {
      month = 12;
      --year;
    }
    r += monthLength(year, month);
  }
  result.Year = static_cast<Cardinal>(year);
  result.Month = static_cast<Cardinal>(month);
  result.Day = static_cast<Cardinal>(r);
  return result;
}

Cardinal TcxHijriCalendarTable::GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                              TcxFirstWeekOfYear AFirstWeekOfYear) {
  return GetLunarWeekNumber(ADate, AStartOfWeek, AFirstWeekOfYear);
}

Cardinal TcxHijriCalendarTable::GetMonthNumber(Cardinal AYear, const String& S) {
  for (Integer month = 1; month <= 12; ++month)
    if (AnsiSameText(cxGetLocalMonthName(static_cast<Integer>(AYear), month, this), S))
      return static_cast<Cardinal>(month);
  return inherited::GetMonthNumber(AYear, S);
}

}  // namespace cxDateUtils
