#include <gtest/gtest.h>

#include "DateTime.h"
#include "Exceptions.h"
#include "FormatSettings.h"
#include "SysInfo.h"
#include "cxDateUtils.h"
#include "cxDateUtilsTestSupport.h"

namespace {

const TDateTime kMar5 = EncodeDate(2024, 3, 5);

TFormatSettings WithShortDate(const char* AFormat, Char ASeparator) {
  TFormatSettings result = FormatSettings;
  result.ShortDateFormat = AFormat;
  result.DateSeparator = ASeparator;
  return result;
}

}  // namespace

TEST(cxDateText, OwnFormatterWritesFieldsInTheShortDateOrder) {
  TFormatsLocaleScope locale(LOCALE_EN_US);
  struct {
    const char* Format;
    Char Separator;
    TDateTime Date;
    const char* Expected;
  } cases[] = {
      {"dd/MM/yyyy", '.', kMar5, "05.03.2024"},
      {"d/M/yy", '/', kMar5, "05/03/24"},
      {"yyyy-M-d", '-', kMar5, "2024-03-05"},
      {"M/d/yyyy", '/', kMar5, "03/05/2024"},
      {"dd MMMM yyyy", ' ', kMar5, "05 March 2024"},
      {"MMM d yyyy", ' ', kMar5, "03 05 2024"},
      {"", '/', kMar5, "03/05/24"},
      {"eeee/MM/dd", '/', EncodeDate(12, 1, 2), "12/01/02"},
      {"dd/MM/yyyy", '/', EncodeDate(12, 1, 2), "02/01/0012"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Format);
    EXPECT_EQ(cxDateToStr(c.Date, WithShortDate(c.Format, c.Separator)), c.Expected);
  }
  EXPECT_EQ(cxDateToStr(kMar5), "03/05/2024");
}

TEST(cxDateText, OwnParserReadsFieldsNamesAndTimeInEitherLocale) {
  struct {
    LCID Locale;
    const char* Text;
    Cardinal Year, Month, Day, Hours, Minutes;
  } cases[] = {
      {LOCALE_ZH_CN, "2024-3-5", 2024, 3, 5, 0, 0},
      {LOCALE_ZH_CN, "24-03-05 13:45", 2024, 3, 5, 13, 45},
      {LOCALE_ZH_CN, "2024-三月-5", 2024, 3, 5, 0, 0},
      {LOCALE_EN_US, "3/5/2024", 2024, 3, 5, 0, 0},
      {LOCALE_EN_US, "March/5/99 1:45 PM", 1999, 3, 5, 13, 45},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TFormatsLocaleScope locale(c.Locale);
    TcxDateTime date = cxStrToDate(c.Text, nullptr);
    EXPECT_EQ(date.Era, -1);
    EXPECT_EQ(date.Year, c.Year);
    EXPECT_EQ(date.Month, c.Month);
    EXPECT_EQ(date.Day, c.Day);
    EXPECT_EQ(date.Hours, c.Hours);
    EXPECT_EQ(date.Minutes, c.Minutes);
  }
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  // Blanks between the fields when they are the separator.
  TFormatSettings blank = WithShortDate("d MMMM yyyy", ' ');
  EXPECT_DOUBLE_EQ(cxStrToDate("5 三月 2024 6:00", blank, CALID(1)), kMar5 + 0.25);
  // An era name before the first digit is set aside.
  EXPECT_DOUBLE_EQ(cxStrToDate("AD 2024-3-5", WithShortDate("g yyyy-M-d", '-'), CALID(1)), kMar5);
  // The Korean calendar counts the year in its era.
  EXPECT_DOUBLE_EQ(cxStrToDate("4357-3-5", FormatSettings, CALID(5)), kMar5);
  EXPECT_THROW(cxStrToDate("2024-x-5", nullptr), EConvertError);
  EXPECT_THROW(cxStrToDate("2024", nullptr), EConvertError);
  EXPECT_THROW(cxStrToDate("2024-13-5", FormatSettings, CALID(1)), EConvertError);
}

TEST(cxDateText, DateTimeToTextFollowsTheLocaleOrTheClassLibrary) {
  TDateTime withTime = kMar5 + EncodeTime(13, 45, 0, 0);
  {
    TFormatsLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(cxDateTimeToText(NullDate), "");
    EXPECT_EQ(cxDateTimeToText(kMar5), "2024-3-5");
    EXPECT_EQ(cxDateTimeToText(withTime), "2024-3-5 13:45:00");
    EXPECT_EQ(cxDateTimeToText(withTime, false, true), "2024-3-5 13:45:00");
    FormatSettings.ShortDateFormat = "dd/MM/yy";
    EXPECT_EQ(cxDateTimeToText(kMar5, false, true), "05-03-24");
    EXPECT_EQ(cxDateTimeToText(kMar5, true, true), "05-03-2024");
    FormatSettings.ShortDateFormat = "YY.M.d";
    EXPECT_EQ(cxDateTimeToText(kMar5, true, true), "2024.3.5");
  }
  {
    TFormatsLocaleScope locale(LOCALE_EN_US);
    EXPECT_EQ(cxDateTimeToText(kMar5), "3/5/2024");
    EXPECT_EQ(cxDateTimeToText(withTime), "3/5/2024 1:45:00 PM");
    EXPECT_EQ(DateTimeToText(kMar5, true), "3/5/2024");
    EXPECT_EQ(DateTimeToTextEx(NullDate, true), "");
    EXPECT_EQ(DateTimeToTextEx(withTime, true, false), "03/05/2024");
    EXPECT_EQ(DateTimeToTextEx(withTime, true, true), "03/05/2024 01:45:00 PM");
    EXPECT_EQ(DateTimeToTextEx(withTime, false), "3/5/2024 1:45:00 PM");
  }
}

TEST(cxDateText, LocaleTextsOfDatesMonthsAndYears) {
  {
    TFormatsLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(cxGetLocalShortDateFormat(), "yyyy-M-d");
    EXPECT_EQ(cxGetLocalFormatSettings().ShortDateFormat, "yyyy-M-d");
    EXPECT_EQ(cxGetLocalMonthName(kMar5), "三月");
    EXPECT_EQ(cxGetLocalMonthYear(kMar5), "2024年3月");
    EXPECT_EQ(DateToLongDateStr(kMar5), "2024年3月5日");
    EXPECT_EQ(cxDateToLocalFormatStr(kMar5 + 0.5), "2024-3-5 12:00:00");
  }
  TFormatsLocaleScope locale(LOCALE_EN_US);
  EXPECT_EQ(cxGetLocalLongDateFormat(), "dddd, MMMM dd, yyyy");
  EXPECT_EQ(cxGetLocalMonthName(kMar5), "March");
  EXPECT_EQ(cxGetLocalMonthName(2024, 12), "December");
  EXPECT_EQ(cxGetLocalMonthName(2024, 13), "");
  EXPECT_EQ(cxGetLocalYear(kMar5), "2024");
  EXPECT_EQ(cxGetLocalMonthYear(kMar5), "March, 2024");
  EXPECT_EQ(DateToLongDateStr(kMar5), "Tuesday, March 05, 2024");
  EXPECT_EQ(cxDateToLocalFormatStr(kMar5), "3/5/2024");
  EXPECT_EQ(cxDayNumberToLocalFormatStr(kMar5), "5");
  EXPECT_EQ(cxDayNumberToLocalFormatStr(17), "17");
  EXPECT_EQ(cxDayNumberToLocalFormatStr(40), "40");
  String text;
  EXPECT_FALSE(cxGetDateFormat(NullDate, text, 0, "d"));
  EXPECT_EQ(text, "");
  EXPECT_TRUE(cxIsGregorianCalendar());
  TcxCustomCalendarTable* hebrew = cxGetCalendar(8);
  EXPECT_FALSE(cxIsGregorianCalendar(hebrew));
  hebrew->Free();
}

TEST(cxDateText, WeekdayNamesShortenToTheCharacterThatCounts) {
  struct {
    LCID Locale;
    Integer Day;
    bool SingleChar;
    const char* Expected;
  } cases[] = {
      {LOCALE_ZH_CN, 1, true, "一"},  {LOCALE_ZH_CN, 7, true, "日"}, {LOCALE_ZH_CN, 3, false, "星期三"},
      {LOCALE_EN_US, 1, true, "M"},   {LOCALE_EN_US, 7, false, "Sun"}, {LOCALE_EN_US, 0, true, ""},
      {LOCALE_EN_US, 8, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Expected);
    TFormatsLocaleScope locale(c.Locale);
    cxUseSingleCharWeekNames = c.SingleChar;
    EXPECT_EQ(cxGetDayOfWeekName(c.Day, 1 /* DEFAULT_CHARSET */), c.Expected);
  }
  cxUseSingleCharWeekNames = true;
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  EXPECT_EQ(cxGetDayOfWeekName(1, 0 /* ANSI_CHARSET */), "星");
}

TEST(cxDateText, WeekNumbersFollowTheFourRules) {
  struct {
    TDateTime Date;
    TDay Start;
    TcxFirstWeekOfYear Rule;
    Integer Week;
  } cases[] = {
      {EncodeDate(2005, 1, 1), dMonday, fwyFirstFourDays, 1},   // start moves to 3 January; -2 div 7 is 0
      {EncodeDate(2005, 1, 10), dMonday, fwyFirstFourDays, 2},
      {EncodeDate(2024, 12, 30), dMonday, fwyFirstFourDays, 1},  // its week holds 2 January
      {EncodeDate(2024, 1, 1), dSunday, fwyJan1, 1},
      {EncodeDate(2024, 1, 7), dSunday, fwyJan1, 2},
      {EncodeDate(2024, 12, 29), dSunday, fwyJan1, 1},
      {EncodeDate(2024, 12, 28), dSunday, fwyJan1, 52},
      {EncodeDate(2023, 1, 1), dSunday, fwyFirstFullWeek, 1},
      {EncodeDate(2024, 1, 14), dSunday, fwyFirstFullWeek, 2},
      {EncodeDate(2024, 1, 2), dSunday, fwyFirstFullWeek, 1},
      {EncodeDate(2023, 1, 2), dMonday, fwyJan1, 2},  // 1 January 2023, a Sunday, ends week 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Date);
    EXPECT_EQ(GetWeekNumber(c.Date, c.Start, c.Rule), c.Week);
  }
  TFormatsLocaleScope locale(LOCALE_ZH_CN);  // the locale's rule: the week of 1 January
  EXPECT_EQ(GetWeekNumber(EncodeDate(2024, 12, 29), dSunday, fwySystem), 1);
  TcxCustomCalendarTable* gregorian = cxGetCalendar(1);
  EXPECT_EQ(gregorian->GetWeekNumber(EncodeDate(2005, 1, 1), dMonday, fwyFirstFourDays), 1u);
  gregorian->Free();
}

TEST(cxDateText, MonthAndDayHelpers) {
  struct {
    Word Year, Month;
    Integer Delta;
    Word NewYear, NewMonth;
    Integer Years;
  } changes[] = {
      {2024, 1, -1, 2023, 12, 0}, {2024, 11, 14, 2026, 1, 1}, {2024, 3, -15, 2022, 12, -1}, {2024, 6, 0, 2024, 6, 0},
  };
  for (const auto& c : changes) {
    Word year = c.Year, month = c.Month;
    EXPECT_EQ(ChangeMonth(year, month, c.Delta), c.Years);
    EXPECT_EQ(year, c.NewYear);
    EXPECT_EQ(month, c.NewMonth);
  }
  Word year = 2024, month = 1;
  DecMonth(year, month);
  EXPECT_EQ(year * 100 + month, 202312);
  IncMonth(year, month);
  EXPECT_EQ(year * 100 + month, 202401);

  EXPECT_EQ(DaysPerMonth(2024, 2), 29);
  EXPECT_EQ(DaysPerMonth(1900, 2), 28);
  EXPECT_EQ(DaysPerMonth(2000, 2), 29);
  EXPECT_EQ(DaysPerMonth(2024, 13), 0);
  EXPECT_EQ(CheckDay(2023, 2, 30), 28);
  EXPECT_EQ(CheckDay(2023, 2, 0), 1);
  EXPECT_EQ(CheckDay(2023, 2, 14), 14);
  EXPECT_EQ(GetMonthNumber(kMar5), 2024 * 12 - 9);
  EXPECT_EQ(GetDateElement(kMar5, deMonth), 3);
  TcxCustomCalendarTable* thai = cxGetCalendar(7);
  EXPECT_EQ(GetDateElement(kMar5, deYear, thai), 2567);
  thai->Free();
  EXPECT_DOUBLE_EQ(TimeOf(kMar5 + 0.25), 0.25);
  EXPECT_DOUBLE_EQ(TimeOf(-1.25), 0.25);
  EXPECT_DOUBLE_EQ(DateOf(kMar5 + 0.25), kMar5);
  EXPECT_DOUBLE_EQ(GetStartDateOfMonth(kMar5 + 0.5), EncodeDate(2024, 3, 1));
  EXPECT_DOUBLE_EQ(GetEndDateOfMonth(EncodeDate(2024, 2, 10), true), EncodeDate(2024, 2, 29));
  EXPECT_DOUBLE_EQ(GetEndDateOfMonth(EncodeDate(2024, 2, 10), false), EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 59, 999));
  EXPECT_DOUBLE_EQ(GetStartDateOfYear(kMar5), EncodeDate(2024, 1, 1));
  EXPECT_DOUBLE_EQ(GetEndDateOfYear(kMar5, true), EncodeDate(2024, 12, 31));
  EXPECT_DOUBLE_EQ(cxMinDateTime(), EncodeDate(100, 1, 1));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
}

TEST(cxDateText, StartOfWeekComesFromTheLocale) {
  {
    TFormatsLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(GetStartOfWeek(), dMonday);
    EXPECT_EQ(cxFormatController()->GetStartOfWeek(), dMonday);
    EXPECT_EQ(DayOfWeekOffset(EncodeDate(2024, 3, 6)), 2);  // a Wednesday
    EXPECT_EQ(DayOfWeekOffset(EncodeDate(2024, 3, 10)), 6);
  }
  TFormatsLocaleScope locale(LOCALE_EN_US);
  EXPECT_EQ(GetStartOfWeek(), dSunday);
  EXPECT_EQ(DayOfWeekOffset(EncodeDate(2024, 3, 10)), 0);
}

TEST(cxDateText, CalendarInformationIsLookedUpAtEachCall) {
  DWORD value = 0;
  EXPECT_EQ(cxGetCalendarInfo(LOCALE_USER_DEFAULT, 1, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &value), 4);
  EXPECT_EQ(value, 2029u);
  // Without the system function the two-digit-year window is unknown, and the year stays as written.
  UnregisterSystemLibrary("kernel32");
  value = 0;
  EXPECT_EQ(cxGetCalendarInfo(LOCALE_USER_DEFAULT, 1, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &value), 0);
  TcxCustomCalendarTable* calendar = cxGetCalendar(1);
  EXPECT_EQ(calendar->GetYearNumber("30"), 30);
  auto calendarInfo = reinterpret_cast<void (*)()>(&GetCalendarInfoA);
  RegisterSystemFunction("kernel32", "GetCalendarInfoA", reinterpret_cast<FARPROC>(calendarInfo));
  EXPECT_EQ(calendar->GetYearNumber("30"), 1930);
  calendar->Free();
}
