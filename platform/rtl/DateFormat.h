// Dates and times as text, by the class library's format letters and parsing rules. Every routine
// reads the global FormatSettings, or the TFormatSettings it is given.
//
// Format letters (case does not matter; a run of the same letter as written is counted):
//   c         short date, then a blank and the long time unless the time is midnight
//   d dd      day; ddd dddd short and long day name; ddddd short date; dddddd long date
//   e ee      year of the era; g gg era name (the Gregorian calendar has none, so both write nothing)
//   m mm      month, or minutes right after an h (other letters in between make it the month again);
//   mmm mmmm  short and long month name
//   yy yyyy   two- and four-digit year
//   h hh      hour, 12-hour when an am/pm marker follows before the next h; n nn minutes;
//   s ss      seconds; z zzz milliseconds; t tt short and long time
//   am/pm a/p the marker as written; ampm the locale's marker; aaa aaaa short and long day name
//   / :       the date and time separators; 'x' "x" literal text; anything else is copied
// Formats nested through c, ddddd, dddddd, t and tt expand two levels deep at most.
//
// Parsing reads the date fields in the order of ShortDateFormat (day, month or year first), split
// by DateSeparator; a year of one or two digits falls in the window TwoDigitYearCenturyWindow years
// around this year; a date without a year is in this year. A time is hours, then minutes and
// seconds split by TimeSeparator, then a fraction of a second after DecimalSeparator, with the
// locale's or the English AM/PM marker before or after it. Blanks may stand between the parts; other
// text makes the conversion fail.
#pragma once

#include "FormatSettings.h"
#include "System.h"

namespace SysDateFormat {

String FormatDateTime(const String& format, TDateTime dateTime);
String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings);
// An empty format writes as "c".
void DateTimeToString(String& result, const String& format, TDateTime dateTime);
void DateTimeToString(String& result, const String& format, TDateTime dateTime, const TFormatSettings& settings);

String DateToStr(TDateTime date);  // ShortDateFormat
String DateToStr(TDateTime date, const TFormatSettings& settings);
String TimeToStr(TDateTime time);  // LongTimeFormat
String TimeToStr(TDateTime time, const TFormatSettings& settings);
String DateTimeToStr(TDateTime dateTime);  // "c": the time is left out at midnight
String DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings);

// The plain forms raise EConvertError ("'%s' is not a valid date", "... time", "... date and time").
TDateTime StrToDate(const String& text);
TDateTime StrToDate(const String& text, const TFormatSettings& settings);
TDateTime StrToDateDef(const String& text, TDateTime defaultValue);
TDateTime StrToDateDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToDate(const String& text, TDateTime& value);
bool TryStrToDate(const String& text, TDateTime& value, const TFormatSettings& settings);

TDateTime StrToTime(const String& text);
TDateTime StrToTime(const String& text, const TFormatSettings& settings);
TDateTime StrToTimeDef(const String& text, TDateTime defaultValue);
TDateTime StrToTimeDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToTime(const String& text, TDateTime& value);
bool TryStrToTime(const String& text, TDateTime& value, const TFormatSettings& settings);

// A date, a date followed by a time, or a time alone.
TDateTime StrToDateTime(const String& text);
TDateTime StrToDateTime(const String& text, const TFormatSettings& settings);
TDateTime StrToDateTimeDef(const String& text, TDateTime defaultValue);
TDateTime StrToDateTimeDef(const String& text, TDateTime defaultValue, const TFormatSettings& settings);
bool TryStrToDateTime(const String& text, TDateTime& value);
bool TryStrToDateTime(const String& text, TDateTime& value, const TFormatSettings& settings);

}  // namespace SysDateFormat

using namespace SysDateFormat;
