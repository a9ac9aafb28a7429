// Date and time values and the program's clock. A TDateTime counts days since 1899-12-30; its
// fraction is the time of day. Before that day the value is negative and the fraction still counts
// forward from midnight (-1.25 is 1899-12-29 06:00), so dates and times are combined by sign.
//
// Now, Date, Time, GetLocalTime and GetTickCount read one clock for the whole program. Tests put a
// TManualClock in its place (SetClock, or the TClockOverride guard) and step it instead of sleeping;
// the database's NOW() reads the same clock.
#pragma once

#include "System.h"

namespace SysDateTime {

// ---- Constants -------------------------------------------------------------------------------------
constexpr Integer HoursPerDay = 24;
constexpr Integer MinsPerDay = HoursPerDay * 60;
constexpr Integer SecsPerDay = MinsPerDay * 60;
constexpr Integer MSecsPerSec = 1000;
constexpr Integer MSecsPerDay = SecsPerDay * MSecsPerSec;
// Days from 0001-01-01 to 1899-12-30, counted as a time stamp's date counts them (day 1 = 0001-01-01).
constexpr Integer DateDelta = 693594;
// Days from 1899-12-30 to 1970-01-01.
constexpr Integer UnixDateDelta = 25569;

constexpr TDateTime MinDateTime = -657434.0;      // 0100-01-01, the first date of the Gregorian tables
constexpr TDateTime MaxDateTime = 2958465.99999;  // 9999-12-31 23:59:59.999
constexpr TDateTime NullDate = -700000.0;         // "no date": decodes to year, month and day 0

// Days of each month, indexed [leap year][month 1..12]; entry 0 is unused.
inline constexpr Word MonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// ---- Records ---------------------------------------------------------------------------------------
// A moment as days since 0001-01-01 plus one, and milliseconds since midnight.
struct TTimeStamp {
  Integer Time = 0;
  Integer Date = 0;
  friend bool operator==(const TTimeStamp&, const TTimeStamp&) = default;
};

// The operating system's broken-down time. wDayOfWeek is 0 for Sunday.
struct SYSTEMTIME {
  Word wYear = 0;
  Word wMonth = 0;
  Word wDayOfWeek = 0;
  Word wDay = 0;
  Word wHour = 0;
  Word wMinute = 0;
  Word wSecond = 0;
  Word wMilliseconds = 0;
  friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};
using TSystemTime = SYSTEMTIME;

// ---- Calendar arithmetic -------------------------------------------------------------------------
bool IsLeapYear(Word year);
Word DaysInAMonth(Word year, Word month);  // 0 for a month outside 1..12

// Years 1..9999; EncodeDate/EncodeTime raise EConvertError with the standard texts on bad parts.
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
TDateTime EncodeDate(Word year, Word month, Word day);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);

// Dates before 0001-01-01 (the null date among them) decode to year, month and day 0.
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
// As DecodeDate, also the day of the week (1 = Sunday); answers whether the year is a leap year.
bool DecodeDateFully(TDateTime date, Word& year, Word& month, Word& day, Word& dow);
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);

Word DayOfWeek(TDateTime date);  // 1 = Sunday .. 7 = Saturday

// The same day of the month `months` later (earlier when negative), moved back to the last day of a
// shorter month; the time of day is kept.
TDateTime IncMonth(TDateTime date, Integer months = 1);

// Combines a date and a time of day by the sign rule above.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
void ReplaceTime(TDateTime& dateTime, TDateTime newTime);
void ReplaceDate(TDateTime& dateTime, TDateTime newDate);

// Rounds to the millisecond. A value that is not finite or lies far outside the calendar raises
// EInvalidOp rather than producing a meaningless stamp.
TTimeStamp DateTimeToTimeStamp(TDateTime dateTime);
TDateTime TimeStampToDateTime(const TTimeStamp& stamp);

void DateTimeToSystemTime(TDateTime dateTime, SYSTEMTIME& systemTime);
// Raises EConvertError when the parts are not a valid date and time.
TDateTime SystemTimeToDateTime(const SYSTEMTIME& systemTime);

// ---- The clock -------------------------------------------------------------------------------------
// The program's source of wall-clock time and of the millisecond tick count.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual TDateTime Now() = 0;        // local time
  virtual UInt64 TickCount64() = 0;   // milliseconds, never going back
};

// A clock that moves only when told: Advance moves the time of day and the tick count together.
class TManualClock : public TClock {
 public:
  explicit TManualClock(TDateTime now = 0, UInt64 ticks = 0) : FNow(now), FTicks(ticks) {}
  TDateTime Now() override { return FNow; }
  UInt64 TickCount64() override { return FTicks; }
  void SetNow(TDateTime now) { FNow = now; }
  void SetTickCount(UInt64 ticks) { FTicks = ticks; }
  void Advance(UInt64 msecs);

 private:
  TDateTime FNow;
  UInt64 FTicks;
};

// The clock in use: the system clock (local time; ticks counted from the system's start) unless
// one was set. SetClock(nullptr) restores the system
// clock; the caller keeps ownership of the clock it sets.
TClock& GetClock();
void SetClock(TClock* clock);

// Puts a clock in place for a scope and restores the previous one after.
class TClockOverride {
 public:
  explicit TClockOverride(TClock& clock);
  ~TClockOverride();
  TClockOverride(const TClockOverride&) = delete;
  TClockOverride& operator=(const TClockOverride&) = delete;

 private:
  TClock* FPrevious;
};

TDateTime Now();
TDateTime Date();  // today at midnight
TDateTime Time();  // the time of day alone
Word CurrentYear();
void GetLocalTime(SYSTEMTIME& systemTime);
// Milliseconds of the clock's tick count, wrapping at 2^32 as 32-bit tick arithmetic expects.
Cardinal GetTickCount();
UInt64 GetTickCount64();

}  // namespace SysDateTime

using namespace SysDateTime;
