// The dialect's functions registered in every connection (see SqlFunctions.h).
#include "SqlFunctions.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>

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

bool ValueToDateTime(sqlite3_value* v, TDateTime& out) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      out = sqlite3_value_double(v);
      return true;
    case SQLITE_TEXT:
      return TryDialectTextToDateTime(reinterpret_cast<const char*>(sqlite3_value_text(v)), out);
    default:
      return false;
  }
}

// Whole units since the calendar's start, so that a difference counts the boundaries crossed.
Int64 FloorDiv(Int64 a, Int64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

void NowFunc(sqlite3_context* ctx, int, sqlite3_value**) {
  String text = DialectDateTimeText(Now());
  sqlite3_result_text(ctx, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void LenFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const unsigned char* text = sqlite3_value_text(argv[0]);
  Int64 count = 0;
  for (const unsigned char* p = text; p && *p; ++p)
    if ((*p & 0xC0) != 0x80) ++count;  // a character starts at every byte that continues none
  sqlite3_result_int64(ctx, count);
}

void DateDiffFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL || sqlite3_value_type(argv[2]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const unsigned char* raw = sqlite3_value_text(argv[0]);
  String interval = LowerCase(raw ? reinterpret_cast<const char*>(raw) : "");
  TDateTime d1, d2;
  if (!ValueToDateTime(argv[1], d1) || !ValueToDateTime(argv[2], d2)) {
    sqlite3_result_error(ctx, "Data type mismatch in criteria expression.", -1);
    return;
  }
  TTimeStamp t1, t2;
  try {
    t1 = DateTimeToTimeStamp(d1);
    t2 = DateTimeToTimeStamp(d2);
  } catch (const Exception&) {
    sqlite3_result_error(ctx, "Data type mismatch in criteria expression.", -1);
    return;
  }
  Int64 s1 = Int64{t1.Date} * SecsPerDay + t1.Time / MSecsPerSec;
  Int64 s2 = Int64{t2.Date} * SecsPerDay + t2.Time / MSecsPerSec;
  Word y1, m1, dd1, y2, m2, dd2;
  DecodeDate(d1, y1, m1, dd1);
  DecodeDate(d2, y2, m2, dd2);
  Int64 result;
  if (interval == "s")
    result = s2 - s1;
  else if (interval == "n")
    result = FloorDiv(s2, 60) - FloorDiv(s1, 60);
  else if (interval == "h")
    result = FloorDiv(s2, 3600) - FloorDiv(s1, 3600);
  else if (interval == "d" || interval == "y")
    result = Int64{t2.Date} - t1.Date;
  else if (interval == "w")
    result = (Int64{t2.Date} - t1.Date) / 7;
  else if (interval == "ww")  // Sundays crossed; day 1 of the time stamp (0001-01-01) is a Monday
    result = FloorDiv(Int64{t2.Date}, 7) - FloorDiv(Int64{t1.Date}, 7);
  else if (interval == "m")
    result = (Int64{y2} * 12 + m2) - (Int64{y1} * 12 + m1);
  else if (interval == "q")
    result = (Int64{y2} * 4 + (m2 - 1) / 3) - (Int64{y1} * 4 + (m1 - 1) / 3);
  else if (interval == "yyyy")
    result = Int64{y2} - y1;
  else {
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
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u:%02u", y, m, d, h, n, s);
  return buf;
}

bool TryDialectTextToDateTime(const String& Text, TDateTime& Value) {
  return TryIsoText(Text, Value) || TryStrToDateTime(Text, Value);
}

void RegisterDialectFunctions(sqlite3* Db) {
  const int flags = SQLITE_UTF8;
  sqlite3_create_function(Db, "now", 0, flags, nullptr, &NowFunc, nullptr, nullptr);
  sqlite3_create_function(Db, "len", 1, flags | SQLITE_DETERMINISTIC, nullptr, &LenFunc, nullptr, nullptr);
  sqlite3_create_function(Db, "datediff", 3, flags, nullptr, &DateDiffFunc, nullptr, nullptr);
}

}  // namespace SqlFunctions
