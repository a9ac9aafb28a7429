#include <gtest/gtest.h>

#include <cstdlib>

#include "FormatSettings.h"
#include "LocaleTestSupport.h"
#include "Locale.h"
#include "Multibyte.h"
#include "SysInfo.h"

namespace {

constexpr LCID zh = LOCALE_ZH_CN;
constexpr LCID en = LOCALE_EN_US;

String Info(LCID locale, LCTYPE type) {
  char buf[128];
  int n = GetLocaleInfo(locale, type, buf, sizeof buf);
  return n > 0 ? String(buf, n - 1) : String("<failed>");
}

DWORD InfoNumber(LCID locale, LCTYPE type) {
  DWORD value = 0xDEAD;
  EXPECT_EQ(GetLocaleInfo(locale, type | LOCALE_RETURN_NUMBER, reinterpret_cast<char*>(&value), sizeof value), 4);
  return value;
}

String DateText(LCID locale, DWORD flags, const SYSTEMTIME& st, const char* format) {
  char buf[256];
  int n = GetDateFormat(locale, flags, &st, format, buf, sizeof buf);
  return n > 0 ? String(buf, n - 1) : String("<failed>");
}

String TimeText(LCID locale, DWORD flags, const SYSTEMTIME& st, const char* format) {
  char buf[256];
  int n = GetTimeFormat(locale, flags, &st, format, buf, sizeof buf);
  return n > 0 ? String(buf, n - 1) : String("<failed>");
}

TEST(Locale, AnswersTheDateAndTimeInformationOfBothLocales) {
  struct Case {
    LCTYPE type;
    const char* zh;
    const char* en;
  };
  const Case cases[] = {
      {LOCALE_SSHORTDATE, "yyyy-M-d", "M/d/yyyy"},
      {LOCALE_SLONGDATE, "yyyy'年'M'月'd'日'", "dddd, MMMM dd, yyyy"},
      {LOCALE_SDATE, "-", "/"},
      {LOCALE_STIME, ":", ":"},
      {LOCALE_STIMEFORMAT, "H:mm:ss", "h:mm:ss tt"},
      {LOCALE_S1159, "上午", "AM"},
      {LOCALE_S2359, "下午", "PM"},
      {LOCALE_ICALENDARTYPE, "1", "1"},
      {LOCALE_IFIRSTDAYOFWEEK, "0", "6"},
      {LOCALE_IFIRSTWEEKOFYEAR, "0", "0"},
      {LOCALE_SDAYNAME1, "星期一", "Monday"},
      {LOCALE_SDAYNAME7, "星期日", "Sunday"},
      {LOCALE_SABBREVDAYNAME1 + 2, "星期三", "Wed"},
      {LOCALE_SSHORTESTDAYNAME1, "一", "Mo"},
      {LOCALE_SSHORTESTDAYNAME7, "日", "Su"},
      {LOCALE_SMONTHNAME1, "一月", "January"},
      {LOCALE_SMONTHNAME12, "十二月", "December"},
      {LOCALE_SABBREVMONTHNAME1 + 8, "九月", "Sep"},
      {LOCALE_SDECIMAL, ".", "."},
      {LOCALE_STHOUSAND, ",", ","},
      {LOCALE_SLIST, ",", ","},
      {LOCALE_SCURRENCY, "￥", "$"},
      {LOCALE_SYEARMONTH, "yyyy'年'M'月'", "MMMM, yyyy"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Info(zh, c.type), c.zh) << std::hex << c.type;
    EXPECT_EQ(Info(en, c.type | LOCALE_NOUSEROVERRIDE), c.en) << std::hex << c.type;
  }
}

TEST(Locale, ReturnsNumbersAndReportsMisuse) {
  EXPECT_EQ(InfoNumber(zh, LOCALE_IFIRSTDAYOFWEEK), 0u);
  EXPECT_EQ(InfoNumber(en, LOCALE_IFIRSTDAYOFWEEK), 6u);
  EXPECT_EQ(InfoNumber(zh, LOCALE_ICALENDARTYPE), 1u);
  EXPECT_EQ(InfoNumber(zh, LOCALE_ILANGUAGE), 0x0804u);  // written in hexadecimal

  char buf[4];
  struct Failure {
    LCID locale;
    LCTYPE type;
    int size;
    DWORD error;
  };
  const Failure failures[] = {
      {zh, LOCALE_SSHORTDATE | LOCALE_RETURN_NUMBER, 4, ERROR_INVALID_FLAGS},  // not a number type
      {zh, LOCALE_SNATIVEDIGITS | LOCALE_RETURN_NUMBER, 4, ERROR_INVALID_FLAGS},
      {zh, 0x7777, 4, ERROR_INVALID_FLAGS},                                    // no such type
      {0x0411, LOCALE_SDATE, 4, ERROR_INVALID_PARAMETER},                      // unknown locale
      {zh, LOCALE_SSHORTDATE, 4, ERROR_INSUFFICIENT_BUFFER},                   // "yyyy-M-d" needs 9
      {zh, LOCALE_SDATE, -1, ERROR_INVALID_PARAMETER},
  };
  for (const auto& f : failures) {
    SetLastError(0);
    EXPECT_EQ(GetLocaleInfo(f.locale, f.type, buf, f.size), 0) << std::hex << f.type;
    EXPECT_EQ(GetLastError(), f.error) << std::hex << f.type;
  }
  EXPECT_EQ(GetLocaleInfo(zh, LOCALE_SSHORTDATE, nullptr, 0), 9);  // the size asked for
  EXPECT_EQ(GetLocaleInfo(zh, LOCALE_S1159, nullptr, 0), 7);       // UTF-8 bytes and the zero
}

TEST(Locale, DefaultsFollowTheUsersChoiceAndNeutralLanguagesResolve) {
  TLocaleScope scope(zh);
  EXPECT_EQ(GetUserDefaultLCID(), zh);
  EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_SDATE), "-");
  ASSERT_TRUE(SelectUserLocale(en));
  EXPECT_EQ(Info(LOCALE_USER_DEFAULT, LOCALE_SDATE), "/");
  EXPECT_EQ(Info(LOCALE_SYSTEM_DEFAULT, LOCALE_SDATE), "/");
  EXPECT_EQ(GetThreadLocale(), en);
  EXPECT_EQ(Info(MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_NEUTRAL), SORT_DEFAULT), LOCALE_SDATE), "-");
  EXPECT_FALSE(SelectUserLocale(0x0411));
  EXPECT_EQ(GetUserDefaultLCID(), en);

  EXPECT_TRUE(SetThreadLocale(zh));
  EXPECT_EQ(GetThreadLocale(), zh);
  EXPECT_EQ(GetUserDefaultLCID(), en);
  EXPECT_FALSE(SetThreadLocale(0x0411));
  EXPECT_EQ(GetThreadLocale(), zh);
  EXPECT_TRUE(IsValidLocale(en, LCID_SUPPORTED));
  EXPECT_FALSE(IsValidLocale(0x0411, LCID_SUPPORTED));
}

TEST(Locale, EnvironmentChoosesTheLocale) {
  const char* before = std::getenv("AT_LOCALE");
  String saved = before ? before : "";
  struct Case {
    const char* value;
    LCID expected;
  };
  for (auto c : {Case{"en-US", en}, Case{"en_us", en}, Case{"zh-CN", zh}, Case{"", zh}, Case{"fr-FR", zh}}) {
    setenv("AT_LOCALE", c.value, 1);
    EXPECT_EQ(LocaleFromEnvironment(), c.expected) << c.value;
  }
  unsetenv("AT_LOCALE");
  EXPECT_EQ(LocaleFromEnvironment(), zh);
  if (before) setenv("AT_LOCALE", saved.c_str(), 1);
}

TEST(Locale, StartUpLoadsTheEnvironmentsLocaleIntoTheFormatSettings) {
  TLocaleScope scope(zh);
  const char* before = std::getenv("AT_LOCALE");
  String saved = before ? before : "";
  setenv("AT_LOCALE", "en-US", 1);
  InitSysLocale();
  EXPECT_EQ(GetUserDefaultLCID(), en);
  EXPECT_EQ(GetThreadLocale(), en);
  EXPECT_EQ(SysLocale.DefaultLCID, static_cast<Integer>(en));
  EXPECT_EQ(SysLocale.PriLangID, LANG_ENGLISH);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(FormatSettings.TimePMString, "PM");

  setenv("AT_LOCALE", "zh-CN", 1);
  InitSysLocale();
  EXPECT_EQ(SysLocale.DefaultLCID, static_cast<Integer>(zh));
  EXPECT_EQ(SysLocale.SubLangID, SUBLANG_CHINESE_SIMPLIFIED);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "yyyy-M-d");

  if (before)
    setenv("AT_LOCALE", saved.c_str(), 1);
  else
    unsetenv("AT_LOCALE");
  InitSysLocale();
}

TEST(Locale, CalendarInformationIsFoundInTheSystemLibrary) {
  HMODULE kernel = LoadLibrary("Kernel32");
  ASSERT_NE(kernel, nullptr);
  using TGetCalendarInfo = int (*)(LCID, CALID, CALTYPE, char*, int, DWORD*);
  auto call = reinterpret_cast<TGetCalendarInfo>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetCalendarInfoA")));
  ASSERT_NE(call, nullptr);
  DWORD max = 0;
  EXPECT_EQ(call(LOCALE_USER_DEFAULT, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &max), 4);
  EXPECT_EQ(max, 2029u);
  FreeLibrary(kernel);
}

TEST(Locale, CalendarInformation) {
  struct Limit {
    CALID calendar;
    DWORD max;
  };
  for (auto l : {Limit{CAL_GREGORIAN, 2029}, Limit{CAL_GREGORIAN_US, 2029}, Limit{CAL_JAPAN, 99},
                 Limit{CAL_TAIWAN, 99}, Limit{CAL_KOREA, 4362}, Limit{CAL_HIJRI, 1451}, Limit{CAL_THAI, 2572},
                 Limit{CAL_HEBREW, 5790}, Limit{CAL_GREGORIAN_XLIT_FRENCH, 2029}}) {
    DWORD value = 0;
    EXPECT_EQ(GetCalendarInfo(LOCALE_USER_DEFAULT, l.calendar, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0,
                              &value),
              4);
    EXPECT_EQ(value, l.max) << l.calendar;
  }

  auto text = [](LCID locale, CALID calendar, CALTYPE type) {
    char buf[64];
    int n = GetCalendarInfo(locale, calendar, type, buf, sizeof buf, nullptr);
    return n > 0 ? String(buf, n - 1) : String("<failed>");
  };
  EXPECT_EQ(text(zh, CAL_GREGORIAN, CAL_SYEARMONTH), "yyyy'年'M'月'");
  EXPECT_EQ(text(en, CAL_GREGORIAN, CAL_SYEARMONTH), "MMMM, yyyy");
  EXPECT_EQ(text(zh, CAL_GREGORIAN, CAL_SMONTHNAME1 + 2), "三月");
  EXPECT_EQ(text(zh, CAL_GREGORIAN_US, CAL_SMONTHNAME1 + 2), "March");
  EXPECT_EQ(text(en, CAL_HIJRI, CAL_SMONTHNAME1), "Muharram");
  EXPECT_EQ(text(en, CAL_GREGORIAN, CAL_SABBREVDAYNAME7), "Sun");
  EXPECT_EQ(text(zh, CAL_GREGORIAN, CAL_SERASTRING), "公元");
  EXPECT_EQ(text(en, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX), "2029");
  EXPECT_EQ(text(en, CAL_GREGORIAN, CAL_ICALINTVALUE), "1");
  EXPECT_EQ(text(en, 13, CAL_SCALNAME), "<failed>");
  EXPECT_EQ(text(en, CAL_GREGORIAN, CAL_SYEARMONTH | CAL_RETURN_NUMBER), "<failed>");
  EXPECT_EQ(GetCalendarInfo(en, CAL_GREGORIAN, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, nullptr), 0);
}

TEST(Locale, DatePictures) {
  const SYSTEMTIME mar5{2024, 3, 2, 5, 14, 7, 9, 0};     // a Tuesday
  const SYSTEMTIME dec25{2009, 12, 5, 25, 9, 0, 0, 0};  // a Friday
  struct Case {
    LCID locale;
    DWORD flags;
    const SYSTEMTIME* date;
    const char* format;
    const char* expected;
  };
  const Case cases[] = {
      {zh, 0, &mar5, "d|dd|ddd|dddd", "5|05|星期二|星期二"},
      {en, 0, &mar5, "d|dd|ddd|dddd", "5|05|Tue|Tuesday"},
      {en, 0, &mar5, "M|MM|MMM|MMMM", "3|03|Mar|March"},
      {zh, 0, &mar5, "MMMM", "三月"},
      {zh, 0, &mar5, "yyyy", "2024"},
      {en, 0, &dec25, "y|yy|yyyy", "9|09|2009"},
      {en, 0, &mar5, "gg yyyy", "A.D. 2024"},
      {en, 0, &mar5, "'day' d 'o''clock' ''", "day 5 o'clock '"},
      {en, 0, &mar5, "'unclosed d", "unclosed d"},
      {en, 0, &mar5, "D m h Y", "D m h Y"},  // only d M y g are pictures
      {zh, 0, &mar5, nullptr, "2024-3-5"},
      {zh, DATE_SHORTDATE, &mar5, nullptr, "2024-3-5"},
      {zh, DATE_LONGDATE, &mar5, nullptr, "2024年3月5日"},
      {zh, DATE_YEARMONTH, &mar5, nullptr, "2024年3月"},
      {en, DATE_SHORTDATE, &dec25, nullptr, "12/25/2009"},
      {en, DATE_LONGDATE, &mar5, nullptr, "Tuesday, March 05, 2024"},
      {en, DATE_YEARMONTH, &mar5, nullptr, "March, 2024"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DateText(c.locale, c.flags, *c.date, c.format), c.expected) << (c.format ? c.format : "(locale)");

  struct Bad {
    DWORD flags;
    SYSTEMTIME date;
    const char* format;
    DWORD error;
  };
  const Bad bad[] = {
      {0, {2023, 2, 0, 29}, "d", ERROR_INVALID_PARAMETER},
      {0, {2024, 13, 0, 1}, "d", ERROR_INVALID_PARAMETER},
      {0, {1600, 1, 0, 1}, "d", ERROR_INVALID_PARAMETER},
      {DATE_SHORTDATE, {2024, 3, 0, 5}, "d", ERROR_INVALID_FLAGS},
      {DATE_SHORTDATE | DATE_LONGDATE, {2024, 3, 0, 5}, nullptr, ERROR_INVALID_FLAGS},
      {0x100, {2024, 3, 0, 5}, nullptr, ERROR_INVALID_FLAGS},
  };
  for (const auto& b : bad) {
    SetLastError(0);
    char buf[64];
    EXPECT_EQ(GetDateFormat(en, b.flags, &b.date, b.format, buf, sizeof buf), 0);
    EXPECT_EQ(GetLastError(), b.error);
  }
  char small[4];
  EXPECT_EQ(GetDateFormat(en, 0, &mar5, "MMMM", small, sizeof small), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(GetDateFormat(en, 0, &mar5, "MMMM", nullptr, 0), 6);
}

TEST(Locale, NullDateAndTimeReadTheProgramClock) {
  TManualClock clock(EncodeDate(2031, 7, 4) + EncodeTime(18, 30, 0, 0));
  TClockOverride use(clock);
  char buf[64];
  ASSERT_GT(GetDateFormat(en, DATE_SHORTDATE, nullptr, nullptr, buf, sizeof buf), 0);
  EXPECT_STREQ(buf, "7/4/2031");
  ASSERT_GT(GetTimeFormat(zh, 0, nullptr, nullptr, buf, sizeof buf), 0);
  EXPECT_STREQ(buf, "18:30:00");
}

TEST(Locale, TimePictures) {
  const SYSTEMTIME morning{2024, 3, 2, 5, 9, 5, 7, 0};
  const SYSTEMTIME evening{2024, 3, 2, 5, 21, 45, 30, 0};
  const SYSTEMTIME midnight{2024, 3, 2, 5, 0, 0, 0, 0};
  struct Case {
    LCID locale;
    DWORD flags;
    const SYSTEMTIME* time;
    const char* format;
    const char* expected;
  };
  const Case cases[] = {
      {en, 0, &morning, nullptr, "9:05:07 AM"},
      {en, 0, &evening, nullptr, "9:45:30 PM"},
      {en, 0, &midnight, nullptr, "12:00:00 AM"},
      {zh, 0, &evening, nullptr, "21:45:30"},
      {en, 0, &evening, "hh|HH|h|H|m|mm|s|ss|t|tt", "09|21|9|21|45|45|30|30|P|PM"},
      {zh, 0, &morning, "tt h:mm", "上午 9:05"},
      {zh, 0, &evening, "t", "下"},  // one letter of the marker is one whole character
      {en, 0, &evening, "'at' h 'o''clock'", "at 9 o'clock"},
      {en, TIME_NOSECONDS, &evening, nullptr, "9:45 PM"},
      {en, TIME_NOMINUTESORSECONDS, &evening, nullptr, "9 PM"},
      {en, TIME_NOTIMEMARKER, &evening, nullptr, "9:45:30"},
      {zh, TIME_NOTIMEMARKER, &evening, "tt h:mm", "9:45"},
      {en, TIME_FORCE24HOURFORMAT | TIME_NOTIMEMARKER, &evening, nullptr, "21:45:30"},
      {en, TIME_NOSECONDS, &evening, "HH:mm:ss", "21:45"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TimeText(c.locale, c.flags, *c.time, c.format), c.expected)
        << (c.format ? c.format : "(locale)") << " flags " << c.flags;

  SYSTEMTIME bad = evening;
  bad.wHour = 24;
  char buf[32];
  SetLastError(0);
  EXPECT_EQ(GetTimeFormat(en, 0, &bad, nullptr, buf, sizeof buf), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetTimeFormat(en, 0x100, &evening, nullptr, buf, sizeof buf), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(FormatSettings, FilledFromTheLocaleOfEachLanguage) {
  TFormatSettings z = GetLocaleFormatSettings(zh);
  EXPECT_EQ(z.DateSeparator, '-');
  EXPECT_EQ(z.TimeSeparator, ':');
  EXPECT_EQ(z.ShortDateFormat, "yyyy-M-d");
  EXPECT_EQ(z.LongDateFormat, "yyyy'年'M'月'd'日'");
  EXPECT_EQ(z.ShortTimeFormat, "h:mm");
  EXPECT_EQ(z.LongTimeFormat, "h:mm:ss");
  EXPECT_EQ(z.TimeAMString, "上午");
  EXPECT_EQ(z.TimePMString, "下午");
  EXPECT_EQ(z.LongMonthNames[0], "一月");
  EXPECT_EQ(z.ShortDayNames[0], "星期日");  // the record starts on Sunday
  EXPECT_EQ(z.LongDayNames[1], "星期一");
  EXPECT_EQ(z.CurrencyString, "￥");
  EXPECT_EQ(z.NegCurrFormat, 2);
  EXPECT_EQ(z.CurrencyDecimals, 2);
  EXPECT_EQ(z.TwoDigitYearCenturyWindow, 50);

  TFormatSettings e = GetLocaleFormatSettings(en);
  EXPECT_EQ(e.DateSeparator, '/');
  EXPECT_EQ(e.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(e.LongDateFormat, "dddd, MMMM dd, yyyy");
  EXPECT_EQ(e.ShortTimeFormat, "h:mm AMPM");
  EXPECT_EQ(e.LongTimeFormat, "h:mm:ss AMPM");
  EXPECT_EQ(e.ShortMonthNames[11], "Dec");
  EXPECT_EQ(e.LongDayNames[6], "Saturday");
  EXPECT_EQ(e.CurrencyString, "$");
  EXPECT_EQ(e.NegCurrFormat, 0);
}

TEST(FormatSettings, GlobalSettingsFollowTheThreadLocaleWhenReadAgain) {
  TLocaleScope scope(zh);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "yyyy-M-d");
  SetThreadLocale(en);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "yyyy-M-d");
  GetFormatSettings();
  EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
  EXPECT_EQ(FormatSettings.DateSeparator, '/');
}

}  // namespace
