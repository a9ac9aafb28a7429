#include "DateTime.h"

#include <atomic>
#include <cmath>
#include <ctime>

#include "Exceptions.h"
#include "SysConst.h"

namespace SysDateTime {

namespace {

constexpr const char* SInvalidOp = "Invalid floating point operation";
constexpr const char* SInvalidTimeStamp = "'%d.%d' is not a valid timestamp";

// Beyond this many days from 1899-12-30 a year no longer fits the decoded parts.
constexpr double DateTimeLimit = 2.0e7;

// Days of a time stamp before the first day of `year`, plus one (the stamp of its 1 January is this
// plus the day of the year).
Integer DaysBeforeYear(Integer year) {
  Integer y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

String FormatTimeStampError(const TTimeStamp& stamp) {
  String text = SInvalidTimeStamp;
  auto replace = [&text](Integer value) {
    auto at = text.find("%d");
    text.replace(at, 2, std::to_string(value));
  };
  replace(stamp.Date);
  replace(stamp.Time);
  return text;
}

}  // namespace

// ---- Calendar arithmetic -------------------------------------------------------------------------

bool IsLeapYear(Word year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

Word DaysInAMonth(Word year, Word month) {
  if (month < 1 || month > 12) return 0;
  return MonthDays[IsLeapYear(year)][month];
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12) return false;
  const Word* table = MonthDays[IsLeapYear(year)];
  if (day < 1 || day > table[month]) return false;
  Integer days = day;
  for (Integer m = 1; m < month; ++m) days += table[m];
  date = static_cast<double>(DaysBeforeYear(year) + days - DateDelta);
  return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
  TDateTime result;
  if (!TryEncodeDate(year, month, day, result)) throw EConvertError(SysConst::SDateEncodeError);
  return result;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time) {
  if (hour >= HoursPerDay || min >= 60 || sec >= 60 || msec >= MSecsPerSec) return false;
  time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime result;
  if (!TryEncodeTime(hour, min, sec, msec, result)) throw EConvertError(SysConst::STimeEncodeError);
  return result;
}

bool DecodeDateFully(TDateTime date, Word& year, Word& month, Word& day, Word& dow) {
  constexpr Integer D1 = 365, D4 = D1 * 4 + 1, D100 = D4 * 25 - 1, D400 = D100 * 4 + 1;
  Integer t = DateTimeToTimeStamp(date).Date;
  if (t <= 0) {
    year = month = day = dow = 0;
    return false;
  }
  dow = static_cast<Word>(t % 7 + 1);
  --t;
  Integer y = 1;
  y += t / D400 * 400;
  t %= D400;
  Integer i = t / D100, d = t % D100;
  if (i == 4) {  // the last day of a 400-year cycle
    --i;
    d += D100;
  }
  y += i * 100;
  y += d / D4 * 4;
  d %= D4;
  i = d / D1;
  d %= D1;
  if (i == 4) {  // the last day of a leap cycle
    --i;
    d += D1;
  }
  y += i;
  bool leap = IsLeapYear(static_cast<Word>(y));
  const Word* table = MonthDays[leap];
  Integer m = 1;
  while (d >= table[m]) {
    d -= table[m];
    ++m;
  }
  year = static_cast<Word>(y);
  month = static_cast<Word>(m);
  day = static_cast<Word>(d + 1);
  return leap;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day) {
  Word dow;
  DecodeDateFully(date, year, month, day, dow);
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec) {
  Integer ms = DateTimeToTimeStamp(time).Time;
  hour = static_cast<Word>(ms / 3600000);
  min = static_cast<Word>(ms / 60000 % 60);
  sec = static_cast<Word>(ms / 1000 % 60);
  msec = static_cast<Word>(ms % 1000);
}

// Counted on before 0001-01-01 too, so that the null date still has a day of the week.
Word DayOfWeek(TDateTime date) {
  Integer days = DateTimeToTimeStamp(date).Date;
  return static_cast<Word>((days % 7 + 7) % 7 + 1);
}

TDateTime IncMonth(TDateTime date, Integer months) {
  Word year, month, day;
  DecodeDate(date, year, month, day);
  Int64 total = Int64{year} * 12 + (month - 1) + months;
  Int64 newYear = total >= 0 ? total / 12 : -((-total + 11) / 12);
  Int64 newMonth = total - newYear * 12 + 1;
  if (newYear < 1 || newYear > 9999) throw EConvertError(SysConst::SDateEncodeError);
  Word y = static_cast<Word>(newYear), m = static_cast<Word>(newMonth);
  Word last = MonthDays[IsLeapYear(y)][m];
  TDateTime result = EncodeDate(y, m, day > last ? last : day);
  ReplaceTime(result, date);
  return result;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  double day = std::trunc(date);
  double t = std::fabs(time - std::trunc(time));
  return day < 0 ? day - t : day + t;
}

void ReplaceTime(TDateTime& dateTime, TDateTime newTime) { dateTime = ComposeDateTime(dateTime, newTime); }

void ReplaceDate(TDateTime& dateTime, TDateTime newDate) { dateTime = ComposeDateTime(newDate, dateTime); }

TTimeStamp DateTimeToTimeStamp(TDateTime dateTime) {
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > DateTimeLimit) throw EInvalidOp(SInvalidOp);
  double day = std::trunc(dateTime);
  Int64 ms = std::llround(std::fabs(dateTime - day) * MSecsPerDay);
  Int64 date = static_cast<Int64>(day);
  // The time rounds up to the next midnight: that is one day later in either direction of sign,
  // because the fraction counts forward from midnight before 1899-12-30 too.
  if (ms >= MSecsPerDay) {
    ms -= MSecsPerDay;
    ++date;
  }
  TTimeStamp result;
  result.Date = static_cast<Integer>(date + DateDelta);
  result.Time = static_cast<Integer>(ms);
  return result;
}

TDateTime TimeStampToDateTime(const TTimeStamp& stamp) {
  if (stamp.Time < 0 || stamp.Time >= MSecsPerDay || stamp.Date <= 0)
    throw EConvertError(FormatTimeStampError(stamp));
  return ComposeDateTime(stamp.Date - DateDelta, static_cast<double>(stamp.Time) / MSecsPerDay);
}

void DateTimeToSystemTime(TDateTime dateTime, SYSTEMTIME& systemTime) {
  Word dow;
  DecodeDateFully(dateTime, systemTime.wYear, systemTime.wMonth, systemTime.wDay, dow);
  systemTime.wDayOfWeek = dow > 0 ? dow - 1 : 0;
  DecodeTime(dateTime, systemTime.wHour, systemTime.wMinute, systemTime.wSecond, systemTime.wMilliseconds);
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st) {
  return ComposeDateTime(EncodeDate(st.wYear, st.wMonth, st.wDay),
                         EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds));
}

// ---- The clock -------------------------------------------------------------------------------------

namespace {

class TSystemClock : public TClock {
 public:
  TDateTime Now() override {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm parts{};
    time_t seconds = ts.tv_sec;
    localtime_r(&seconds, &parts);
    TDateTime date = EncodeDate(static_cast<Word>(parts.tm_year + 1900), static_cast<Word>(parts.tm_mon + 1),
                                static_cast<Word>(parts.tm_mday));
    // A leap second shows as second 60; it is kept within the minute.
    Word sec = static_cast<Word>(parts.tm_sec > 59 ? 59 : parts.tm_sec);
    TDateTime time = EncodeTime(static_cast<Word>(parts.tm_hour), static_cast<Word>(parts.tm_min), sec,
                                static_cast<Word>(ts.tv_nsec / 1000000));
    return ComposeDateTime(date, time);
  }
  UInt64 TickCount64() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<UInt64>(ts.tv_sec) * 1000 + static_cast<UInt64>(ts.tv_nsec / 1000000);
  }
};

TSystemClock& SystemClock() {
  static TSystemClock clock;
  return clock;
}

std::atomic<TClock*> GClock{nullptr};

}  // namespace

void TManualClock::Advance(UInt64 msecs) {
  FTicks += msecs;
  TTimeStamp stamp = DateTimeToTimeStamp(FNow);
  Int64 total = Int64{stamp.Date} * MSecsPerDay + stamp.Time + static_cast<Int64>(msecs);
  stamp.Date = static_cast<Integer>(total / MSecsPerDay);
  stamp.Time = static_cast<Integer>(total % MSecsPerDay);
  FNow = TimeStampToDateTime(stamp);
}

TClock& GetClock() {
  TClock* clock = GClock.load();
  return clock ? *clock : SystemClock();
}

void SetClock(TClock* clock) { GClock.store(clock); }

TClockOverride::TClockOverride(TClock& clock) : FPrevious(GClock.exchange(&clock)) {}

TClockOverride::~TClockOverride() { GClock.store(FPrevious); }

TDateTime Now() { return GetClock().Now(); }

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

Word CurrentYear() {
  Word year, month, day;
  DecodeDate(Now(), year, month, day);
  return year;
}

void GetLocalTime(SYSTEMTIME& systemTime) { DateTimeToSystemTime(Now(), systemTime); }

Cardinal GetTickCount() { return static_cast<Cardinal>(GetClock().TickCount64()); }

UInt64 GetTickCount64() { return GetClock().TickCount64(); }

}  // namespace SysDateTime
