// The dialect's functions registered in every connection (see SqlFunctions.h).
#include "SqlFunctions.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "Multibyte.h"
#include "Strings.h"

namespace SqlFunctions {

namespace {

// Reads digits into Value; answers how many were read.
int ReadNumber(const char*& p, int maxDigits, int& value) {
  int n = 0;
  value = 0;
  while (n < maxDigits && *p >= '0' && *p <= '9') {
    value = value * 10 + (*p++ - '0');
    ++n;
  }
  return n;
}

// "yyyy-m-d", "yyyy/m/d" or "yyyy.m.d", then optionally " h:n" or " h:n:s" (a "T" may stand for
// the blank), and a fraction of a second.
bool TryIsoText(const String& text, TDateTime& value) {
  const char* p = text.c_str();
  while (*p == ' ') ++p;
  int y, m, d;
  if (ReadNumber(p, 4, y) != 4) return false;
  char sep = *p;
  if (sep != '-' && sep != '/' && sep != '.') return false;
  ++p;
  if (!ReadNumber(p, 2, m) || *p++ != sep || !ReadNumber(p, 2, d)) return false;
  TDateTime date;
  if (!TryEncodeDate(static_cast<Word>(y), static_cast<Word>(m), static_cast<Word>(d), date)) return false;
  int h = 0, n = 0, s = 0, ms = 0;
  if (*p == ' ' || *p == 'T') {
    while (*p == ' ' || *p == 'T') ++p;
    if (*p) {
      if (!ReadNumber(p, 2, h) || *p++ != ':' || !ReadNumber(p, 2, n)) return false;
      if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, s)) return false;
        if (*p == '.') {
          ++p;
          int digits = ReadNumber(p, 3, ms);
          for (; digits < 3; ++digits) ms *= 10;
          while (*p >= '0' && *p <= '9') ++p;
        }
      }
    }
  }
  while (*p == ' ') ++p;
  if (*p) return false;
  TDateTime time;
  if (!TryEncodeTime(static_cast<Word>(h), static_cast<Word>(n), static_cast<Word>(s), static_cast<Word>(ms), time))
    return false;
  value = ComposeDateTime(date, time);
  return true;
}

// A moment as DATEDIFF counts it: the day (as in TTimeStamp, days since 0001-01-01 plus one), the
// second of that day, and the date's year, month and day.
struct TMoment {
  Int64 Day = 0;
  Int64 Second = 0;
  Word Year = 0, Month = 0, DayOfMonth = 0;
};

// Two digits at p as a number; false when either is no digit.
bool TwoDigits(const unsigned char* p, Word& value) {
  if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9') return false;
  value = static_cast<Word>((p[0] - '0') * 10 + (p[1] - '0'));
  return true;
}

// "yyyy-mm-dd hh:nn:ss" exactly, as NOW() gives it and the application stores due times: read in
// place, digit by digit. Any other text is left to the general reading.
bool FixedPatternMoment(const unsigned char* p, int length, TMoment& m) {
  if (length != 19 || p[4] != '-' || p[7] != '-' || p[10] != ' ' || p[13] != ':' || p[16] != ':') return false;
  Word century, year, hour, minute, second;
  if (!TwoDigits(p, century) || !TwoDigits(p + 2, year) || !TwoDigits(p + 5, m.Month) ||
      !TwoDigits(p + 8, m.DayOfMonth) || !TwoDigits(p + 11, hour) || !TwoDigits(p + 14, minute) ||
      !TwoDigits(p + 17, second) || hour >= 24 || minute >= 60 || second >= 60)
    return false;
  m.Year = static_cast<Word>(century * 100 + year);
  TDateTime date;
  if (!TryEncodeDate(m.Year, m.Month, m.DayOfMonth, date)) return false;
  m.Day = DateDelta + static_cast<Int64>(date);
  m.Second = hour * 3600 + minute * 60 + second;
  return true;
}

bool DateTimeMoment(TDateTime value, TMoment& m) {
  try {
    TTimeStamp stamp = DateTimeToTimeStamp(value);
    m.Day = stamp.Date;
    m.Second = stamp.Time / MSecsPerSec;
  } catch (const Exception&) {
    return false;
  }
  DecodeDate(value, m.Year, m.Month, m.DayOfMonth);
  return true;
}

// A DATEDIFF argument as a moment: a number as a date-time, a text of the fixed pattern read in
// place, any other text as the dialect reads dates.
bool ValueMoment(sqlite3_value* v, TMoment& m) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      return DateTimeMoment(sqlite3_value_double(v), m);
    case SQLITE_TEXT: {
      const unsigned char* text = sqlite3_value_text(v);
      if (FixedPatternMoment(text, sqlite3_value_bytes(v), m)) return true;
      TDateTime value;
      return TryDialectTextToDateTime(reinterpret_cast<const char*>(text), value) && DateTimeMoment(value, m);
    }
    default:
      return false;
  }
}

// Whole units since the calendar's start, so that a difference counts the boundaries crossed.
Int64 FloorDiv(Int64 a, Int64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

enum TInterval { iNone, iYear, iQuarter, iMonth, iDayOfYear, iDay, iWeekday, iWeek, iHour, iMinute, iSecond };

// The interval a DATEDIFF names, in any case.
TInterval IntervalOf(sqlite3_value* v) {
  const unsigned char* raw = sqlite3_value_text(v);
  int length = sqlite3_value_bytes(v);
  if (!raw || length < 1 || length > 4) return iNone;
  char name[5] = {};
  for (int i = 0; i < length; ++i) name[i] = static_cast<char>(std::tolower(raw[i]));
  static const struct {
    const char* Name;
    TInterval Interval;
  } names[] = {{"s", iSecond}, {"n", iMinute}, {"h", iHour},     {"d", iDay},       {"y", iDayOfYear},
               {"w", iWeekday}, {"ww", iWeek}, {"m", iMonth}, {"q", iQuarter}, {"yyyy", iYear}};
  for (const auto& n : names)
    if (std::strcmp(name, n.Name) == 0) return n.Interval;
  return iNone;
}

void NowFunc(sqlite3_context* ctx, int, sqlite3_value**) {
  auto* clock = static_cast<const TStatementClock*>(sqlite3_user_data(ctx));
  if (clock && clock->Running()) {
    // The clock's text stays as it is until the statement has ended.
    sqlite3_result_text(ctx, clock->Text(), -1, SQLITE_STATIC);
    return;
  }
  String text = DialectDateTimeText(Now());
  sqlite3_result_text(ctx, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void LenFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const unsigned char* text = sqlite3_value_text(argv[0]);
  const int bytes = sqlite3_value_bytes(argv[0]);
  Int64 count = 0;
  for (int i = 0; i < bytes; ++i)
    if ((text[i] & 0xC0) != 0x80) ++count;  // a character starts at every byte that continues none
  sqlite3_result_int64(ctx, count);
}

void DateDiffFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL || sqlite3_value_type(argv[2]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  TInterval interval = IntervalOf(argv[0]);
  TMoment a, b;
  if (!ValueMoment(argv[1], a) || !ValueMoment(argv[2], b)) {
    sqlite3_result_error(ctx, "Data type mismatch in criteria expression.", -1);
    return;
  }
  const Int64 s1 = a.Day * SecsPerDay + a.Second, s2 = b.Day * SecsPerDay + b.Second;
  Int64 result;
  switch (interval) {
    case iSecond: result = s2 - s1; break;
    case iMinute: result = FloorDiv(s2, 60) - FloorDiv(s1, 60); break;
    case iHour: result = FloorDiv(s2, 3600) - FloorDiv(s1, 3600); break;
    case iDay:
    case iDayOfYear: result = b.Day - a.Day; break;
    case iWeekday: result = (b.Day - a.Day) / 7; break;
    // Sundays crossed; day 1 of the time stamp (0001-01-01) is a Monday.
    case iWeek: result = FloorDiv(b.Day, 7) - FloorDiv(a.Day, 7); break;
    case iMonth: result = (Int64{b.Year} * 12 + b.Month) - (Int64{a.Year} * 12 + a.Month); break;
    case iQuarter: result = (Int64{b.Year} * 4 + (b.Month - 1) / 3) - (Int64{a.Year} * 4 + (a.Month - 1) / 3); break;
    case iYear: result = Int64{b.Year} - a.Year; break;
    default:
      sqlite3_result_error(ctx, "Invalid procedure call or argument.", -1);
      return;
  }
  sqlite3_result_int64(ctx, result);
}

}  // namespace

String DialectDateTimeText(TDateTime Value) {
  Word y, m, d, h, n, s, ms;
  DecodeDate(Value, y, m, d);
  DecodeTime(Value, h, n, s, ms);
  char buf[40];  // room for any Word in every field
  std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u:%02u", y, m, d, h, n, s);
  return buf;
}

bool TryDialectTextToDateTime(const String& Text, TDateTime& Value) {
  return TryIsoText(Text, Value) || TryStrToDateTime(Text, Value);
}

void TStatementClock::Start() {
  String text = DialectDateTimeText(Now());
  std::snprintf(FText, sizeof FText, "%s", text.c_str());
  FRunning = true;
}

void RegisterDialectFunctions(sqlite3* Db, TStatementClock* Clock) {
  const int flags = SQLITE_UTF8;
  sqlite3_create_function(Db, "now", 0, flags, Clock, &NowFunc, nullptr, nullptr);
  sqlite3_create_function(Db, "len", 1, flags | SQLITE_DETERMINISTIC, nullptr, &LenFunc, nullptr, nullptr);
  sqlite3_create_function(Db, "datediff", 3, flags, nullptr, &DateDiffFunc, nullptr, nullptr);
}

}  // namespace SqlFunctions
