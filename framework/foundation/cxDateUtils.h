// The unit cxDateUtils: calendars (cxDateUtilsCalendars.h) and dates as text for the editors: the
// locale's date texts in any calendar, month, year and weekday names, the framework's own short-date
// formatter and parser, smart date input ("today", "tomorrow", a weekday, "bom", "eom", "now", each
// optionally followed by +n or -n days), week numbers and month and year boundaries.
//
// The null date (NullDate, DateTime.h) stands for "no date": it writes as an empty text, and a text
// that cannot be read gives it.
#pragma once

#include "FormatSettings.h"
#include "cxDateUtilsCalendars.h"

namespace cxDateUtils {

// ---- Settings ---------------------------------------------------------------------------------------
// Asked when no smart-input word matches a text; answers whether it set the date.
using TcxSmartTextToDateFunc = bool (*)(const String& AText, TDateTime& ADate);
extern TcxSmartTextToDateFunc SmartTextToDateFunc;
extern double ApproxDaysPerMonth;  // 30.4375
extern double ApproxDaysPerYear;   // 365.25
extern Integer MinYear;            // 100, or 1 while the format controller follows the runtime's rules
extern Integer MaxYear;            // 9999
extern TDateTime cxMaxDateTime;    // 9999-12-31 23:59:59.999
extern bool cxUseSingleCharWeekNames;

// Indexes of the smart-input words (their texts are resource strings an application may replace).
enum TcxSmartInputWord {
  siwToday, siwYesterday, siwTomorrow,
  siwSunday, siwMonday, siwTuesday, siwWednesday, siwThursday, siwFriday, siwSaturday,
  siwFirst, siwSecond, siwThird, siwFourth, siwFifth, siwSixth, siwSeventh,
  siwBOM, siwEOM, siwNow
};
constexpr Integer cxSmartInputWordCount = 20;

// ---- Locale and calendar texts ---------------------------------------------------------------------
// A null calendar argument means the user's calendar, made for the call and freed after it.
// GetDateFormat in the thread locale; an empty format means the flags' picture. False (and an empty
// text) when the date cannot be written.
bool cxGetDateFormat(TDateTime ADate, String& AFormatDate, DWORD AFlags, const String& AFormat = String());
String cxGetLocalShortDateFormat();
String cxGetLocalLongDateFormat();
// The class library's separators and short time format with the locale's short date format.
TFormatSettings cxGetLocalFormatSettings();
String cxDateToLocalFormatStr(TDateTime ADate);
String cxDayNumberToLocalFormatStr(TDateTime ADate);
String cxDayNumberToLocalFormatStr(Integer ADay, TcxCustomCalendarTable* ACalendar = nullptr);
String cxGetLocalMonthName(TDateTime ADate, TcxCustomCalendarTable* ACalendar = nullptr);
String cxGetLocalMonthName(Integer AYear, Integer AMonth, TcxCustomCalendarTable* ACalendar = nullptr);
String cxGetLocalYear(TDateTime ADate, TcxCustomCalendarTable* ACalendar = nullptr);
String cxGetLocalMonthYear(TDateTime ADate, TcxCustomCalendarTable* ACalendar = nullptr);
// 1 = Monday .. 7 = Sunday; one character of it when cxUseSingleCharWeekNames is set.
String cxGetDayOfWeekName(Integer ADay, Byte ACharset);
bool cxIsGregorianCalendar(TcxCustomCalendarTable* ACalendar = nullptr);
// GetCalendarInfoA looked up in the system library at each call; 0 when it is missing.
Integer cxGetCalendarInfo(LCID ALocale, CALID ACalendar, CALTYPE ACalendarType, char* ACalendarData,
                          Integer ABufferSize, DWORD* AValue);
String DateToLongDateStr(TDateTime ADate);

// ---- The framework's short-date formatter and parser ----------------------------------------------
String cxDateToStr(TDateTime ADate);
String cxDateToStr(TDateTime ADate, const TFormatSettings& AFormat);
// The parsers raise EConvertError for fields that are not numbers or names; cxStrToDateTime and
// TextToDateEx catch every error and answer false with the null date.
TcxDateTime cxStrToDate(const String& S, TcxCustomCalendarTable* ACalendar);
TcxDateTime cxStrToDate(const String& S, const TFormatSettings& AFormat, TcxCustomCalendarTable* ACalendar);
TDateTime cxStrToDate(const String& S, const TFormatSettings& AFormat, CALID ACalendarType);
TDateTime cxLocalFormatStrToDate(const String& S);
bool cxStrToDateTime(const String& S, bool AUseOleDateFormat, TDateTime& ADate);
// The smart words; false when none matches (and SmartTextToDateFunc does not help).
bool SmartTextToDate(const String& AText, TDateTime& ADate);
// A smart word or a date (and time) in the locale's or the class library's formats.
bool TextToDateEx(AnsiString AText, TDateTime& ADate);

// ---- Dates as text ----------------------------------------------------------------------------------
String cxDateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded = false, bool AUseCorvelDateTimeFormats = false);
String DateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded = false);
String DateTimeToTextEx(TDateTime ADate, bool AIsMasked, bool AIsDateTimeEdit = false,
                        bool AFourDigitYearNeeded = false);

// ---- Masks ------------------------------------------------------------------------------------------
// Offers the smart words (with "eom" only when asked) as an alternative to a date expression, each
// optionally followed by +n or -n.
void AddDateRegExprMaskSmartInput(String& AMask, bool ACanEnterEndOfMonth);

// ---- Date helpers (Gregorian) -----------------------------------------------------------------------
void DecMonth(Word& AYear, Word& AMonth);
void IncMonth(Word& AYear, Word& AMonth);
// Moves by ADelta months; answers ADelta div 12.
Integer ChangeMonth(Word& AYear, Word& AMonth, Integer ADelta);
Integer GetMonthNumber(TDateTime ADate);  // year * 12 + month - 12
Word GetDateElement(TDateTime ADate, TcxDateElement AElement, TcxCustomCalendarTable* ACalendar = nullptr);
bool IsLeapYear(Integer AYear);
Integer DaysPerMonth(Integer AYear, Integer AMonth);
Integer CheckDay(Integer AYear, Integer AMonth, Integer ADay);
TDateTime TimeOf(TDateTime ADate);
TDateTime DateOf(TDateTime ADate);
// Days since the format controller's start of week, 0..6.
Integer DayOfWeekOffset(TDateTime ADate);
// The thread locale's first day of the week.
TDay GetStartOfWeek();
TDateTime GetStartDateOfMonth(TDateTime ADate);
TDateTime GetEndDateOfMonth(TDateTime ADate, bool AIgnoreTime);
TDateTime GetStartDateOfYear(TDateTime ADate);
TDateTime GetEndDateOfYear(TDateTime ADate, bool AIgnoreTime);
Integer GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear);
TDateTime cxMinDateTime();

// ---- Unit routines -----------------------------------------------------------------------------------
void cxDateUtilsFinalization();

}  // namespace cxDateUtils

using namespace cxDateUtils;
