#include "LocaleData.h"

#include <cstring>
#include <iterator>
#include <strings.h>

#include "Locale.h"

namespace LocaleData {

namespace {

// Chinese (PRC): the locale of the system the program was written for.
const TLocaleEntry kChinese[] = {
    {LOCALE_ILANGUAGE, "0804"},
    {LOCALE_SLANGUAGE, "中文(中国)"},
    {LOCALE_SENGLANGUAGE, "Chinese"},
    {LOCALE_SABBREVLANGNAME, "CHS"},
    {LOCALE_SNATIVELANGNAME, "中文(简体)"},
    {LOCALE_ICOUNTRY, "86"},
    {LOCALE_SCOUNTRY, "中华人民共和国"},
    {LOCALE_SENGCOUNTRY, "People's Republic of China"},
    {LOCALE_SABBREVCTRYNAME, "CHN"},
    {LOCALE_SNATIVECTRYNAME, "中华人民共和国"},
    {LOCALE_IDEFAULTLANGUAGE, "0804"},
    {LOCALE_IDEFAULTCOUNTRY, "86"},
    {LOCALE_IDEFAULTCODEPAGE, "936"},
    {LOCALE_IDEFAULTANSICODEPAGE, "65001"},
    {LOCALE_SLIST, ","},
    {LOCALE_IMEASURE, "0"},
    {LOCALE_SDECIMAL, "."},
    {LOCALE_STHOUSAND, ","},
    {LOCALE_SGROUPING, "3;0"},
    {LOCALE_IDIGITS, "2"},
    {LOCALE_ILZERO, "1"},
    {LOCALE_INEGNUMBER, "1"},
    {LOCALE_SNATIVEDIGITS, "0123456789"},
    {LOCALE_SCURRENCY, "￥"},
    {LOCALE_SINTLSYMBOL, "CNY"},
    {LOCALE_SMONDECIMALSEP, "."},
    {LOCALE_SMONTHOUSANDSEP, ","},
    {LOCALE_SMONGROUPING, "3;0"},
    {LOCALE_ICURRDIGITS, "2"},
    {LOCALE_IINTLCURRDIGITS, "2"},
    {LOCALE_ICURRENCY, "0"},
    {LOCALE_INEGCURR, "2"},
    {LOCALE_SDATE, "-"},
    {LOCALE_STIME, ":"},
    {LOCALE_SSHORTDATE, "yyyy-M-d"},
    {LOCALE_SLONGDATE, "yyyy'年'M'月'd'日'"},
    {LOCALE_STIMEFORMAT, "H:mm:ss"},
    {LOCALE_SSHORTTIME, "H:mm"},
    {LOCALE_SYEARMONTH, "yyyy'年'M'月'"},
    {LOCALE_IDATE, "2"},
    {LOCALE_ILDATE, "2"},
    {LOCALE_ITIME, "1"},
    {LOCALE_ITIMEMARKPOSN, "1"},
    {LOCALE_ICENTURY, "1"},
    {LOCALE_ITLZERO, "0"},
    {LOCALE_IDAYLZERO, "0"},
    {LOCALE_IMONLZERO, "0"},
    {LOCALE_S1159, "上午"},
    {LOCALE_S2359, "下午"},
    {LOCALE_ICALENDARTYPE, "1"},
    {LOCALE_IOPTIONALCALENDAR, "1"},
    {LOCALE_IFIRSTDAYOFWEEK, "0"},
    {LOCALE_IFIRSTWEEKOFYEAR, "0"},
    {LOCALE_SDAYNAME1, "星期一"},
    {LOCALE_SDAYNAME1 + 1, "星期二"},
    {LOCALE_SDAYNAME1 + 2, "星期三"},
    {LOCALE_SDAYNAME1 + 3, "星期四"},
    {LOCALE_SDAYNAME1 + 4, "星期五"},
    {LOCALE_SDAYNAME1 + 5, "星期六"},
    {LOCALE_SDAYNAME7, "星期日"},
    {LOCALE_SABBREVDAYNAME1, "星期一"},
    {LOCALE_SABBREVDAYNAME1 + 1, "星期二"},
    {LOCALE_SABBREVDAYNAME1 + 2, "星期三"},
    {LOCALE_SABBREVDAYNAME1 + 3, "星期四"},
    {LOCALE_SABBREVDAYNAME1 + 4, "星期五"},
    {LOCALE_SABBREVDAYNAME1 + 5, "星期六"},
    {LOCALE_SABBREVDAYNAME7, "星期日"},
    {LOCALE_SSHORTESTDAYNAME1, "一"},
    {LOCALE_SSHORTESTDAYNAME1 + 1, "二"},
    {LOCALE_SSHORTESTDAYNAME1 + 2, "三"},
    {LOCALE_SSHORTESTDAYNAME1 + 3, "四"},
    {LOCALE_SSHORTESTDAYNAME1 + 4, "五"},
    {LOCALE_SSHORTESTDAYNAME1 + 5, "六"},
    {LOCALE_SSHORTESTDAYNAME7, "日"},
    {LOCALE_SMONTHNAME1, "一月"},
    {LOCALE_SMONTHNAME1 + 1, "二月"},
    {LOCALE_SMONTHNAME1 + 2, "三月"},
    {LOCALE_SMONTHNAME1 + 3, "四月"},
    {LOCALE_SMONTHNAME1 + 4, "五月"},
    {LOCALE_SMONTHNAME1 + 5, "六月"},
    {LOCALE_SMONTHNAME1 + 6, "七月"},
    {LOCALE_SMONTHNAME1 + 7, "八月"},
    {LOCALE_SMONTHNAME1 + 8, "九月"},
    {LOCALE_SMONTHNAME1 + 9, "十月"},
    {LOCALE_SMONTHNAME1 + 10, "十一月"},
    {LOCALE_SMONTHNAME12, "十二月"},
    {LOCALE_SMONTHNAME13, ""},
    {LOCALE_SABBREVMONTHNAME1, "一月"},
    {LOCALE_SABBREVMONTHNAME1 + 1, "二月"},
    {LOCALE_SABBREVMONTHNAME1 + 2, "三月"},
    {LOCALE_SABBREVMONTHNAME1 + 3, "四月"},
    {LOCALE_SABBREVMONTHNAME1 + 4, "五月"},
    {LOCALE_SABBREVMONTHNAME1 + 5, "六月"},
    {LOCALE_SABBREVMONTHNAME1 + 6, "七月"},
    {LOCALE_SABBREVMONTHNAME1 + 7, "八月"},
    {LOCALE_SABBREVMONTHNAME1 + 8, "九月"},
    {LOCALE_SABBREVMONTHNAME1 + 9, "十月"},
    {LOCALE_SABBREVMONTHNAME1 + 10, "十一月"},
    {LOCALE_SABBREVMONTHNAME12, "十二月"},
    {LOCALE_SABBREVMONTHNAME13, ""},
    {LOCALE_SPOSITIVESIGN, ""},
    {LOCALE_SNEGATIVESIGN, "-"},
    {LOCALE_IPOSSIGNPOSN, "1"},
    {LOCALE_INEGSIGNPOSN, "4"},
    {LOCALE_IPOSSYMPRECEDES, "1"},
    {LOCALE_IPOSSEPBYSPACE, "0"},
    {LOCALE_INEGSYMPRECEDES, "1"},
    {LOCALE_INEGSEPBYSPACE, "0"},
    {LOCALE_SENGCURRNAME, "PRC Yuan Renminbi"},
    {LOCALE_SNATIVECURRNAME, "人民币"},
    {LOCALE_SNAME, "zh-CN"},
};

// English (United States).
const TLocaleEntry kEnglish[] = {
    {LOCALE_ILANGUAGE, "0409"},
    {LOCALE_SLANGUAGE, "English (United States)"},
    {LOCALE_SENGLANGUAGE, "English"},
    {LOCALE_SABBREVLANGNAME, "ENU"},
    {LOCALE_SNATIVELANGNAME, "English"},
    {LOCALE_ICOUNTRY, "1"},
    {LOCALE_SCOUNTRY, "United States"},
    {LOCALE_SENGCOUNTRY, "United States"},
    {LOCALE_SABBREVCTRYNAME, "USA"},
    {LOCALE_SNATIVECTRYNAME, "United States"},
    {LOCALE_IDEFAULTLANGUAGE, "0409"},
    {LOCALE_IDEFAULTCOUNTRY, "1"},
    {LOCALE_IDEFAULTCODEPAGE, "437"},
    {LOCALE_IDEFAULTANSICODEPAGE, "65001"},
    {LOCALE_SLIST, ","},
    {LOCALE_IMEASURE, "1"},
    {LOCALE_SDECIMAL, "."},
    {LOCALE_STHOUSAND, ","},
    {LOCALE_SGROUPING, "3;0"},
    {LOCALE_IDIGITS, "2"},
    {LOCALE_ILZERO, "1"},
    {LOCALE_INEGNUMBER, "1"},
    {LOCALE_SNATIVEDIGITS, "0123456789"},
    {LOCALE_SCURRENCY, "$"},
    {LOCALE_SINTLSYMBOL, "USD"},
    {LOCALE_SMONDECIMALSEP, "."},
    {LOCALE_SMONTHOUSANDSEP, ","},
    {LOCALE_SMONGROUPING, "3;0"},
    {LOCALE_ICURRDIGITS, "2"},
    {LOCALE_IINTLCURRDIGITS, "2"},
    {LOCALE_ICURRENCY, "0"},
    {LOCALE_INEGCURR, "0"},
    {LOCALE_SDATE, "/"},
    {LOCALE_STIME, ":"},
    {LOCALE_SSHORTDATE, "M/d/yyyy"},
    {LOCALE_SLONGDATE, "dddd, MMMM dd, yyyy"},
    {LOCALE_STIMEFORMAT, "h:mm:ss tt"},
    {LOCALE_SSHORTTIME, "h:mm tt"},
    {LOCALE_SYEARMONTH, "MMMM, yyyy"},
    {LOCALE_IDATE, "0"},
    {LOCALE_ILDATE, "0"},
    {LOCALE_ITIME, "0"},
    {LOCALE_ITIMEMARKPOSN, "0"},
    {LOCALE_ICENTURY, "1"},
    {LOCALE_ITLZERO, "0"},
    {LOCALE_IDAYLZERO, "0"},
    {LOCALE_IMONLZERO, "0"},
    {LOCALE_S1159, "AM"},
    {LOCALE_S2359, "PM"},
    {LOCALE_ICALENDARTYPE, "1"},
    {LOCALE_IOPTIONALCALENDAR, "1"},
    {LOCALE_IFIRSTDAYOFWEEK, "6"},
    {LOCALE_IFIRSTWEEKOFYEAR, "0"},
    {LOCALE_SDAYNAME1, "Monday"},
    {LOCALE_SDAYNAME1 + 1, "Tuesday"},
    {LOCALE_SDAYNAME1 + 2, "Wednesday"},
    {LOCALE_SDAYNAME1 + 3, "Thursday"},
    {LOCALE_SDAYNAME1 + 4, "Friday"},
    {LOCALE_SDAYNAME1 + 5, "Saturday"},
    {LOCALE_SDAYNAME7, "Sunday"},
    {LOCALE_SABBREVDAYNAME1, "Mon"},
    {LOCALE_SABBREVDAYNAME1 + 1, "Tue"},
    {LOCALE_SABBREVDAYNAME1 + 2, "Wed"},
    {LOCALE_SABBREVDAYNAME1 + 3, "Thu"},
    {LOCALE_SABBREVDAYNAME1 + 4, "Fri"},
    {LOCALE_SABBREVDAYNAME1 + 5, "Sat"},
    {LOCALE_SABBREVDAYNAME7, "Sun"},
    {LOCALE_SSHORTESTDAYNAME1, "Mo"},
    {LOCALE_SSHORTESTDAYNAME1 + 1, "Tu"},
    {LOCALE_SSHORTESTDAYNAME1 + 2, "We"},
    {LOCALE_SSHORTESTDAYNAME1 + 3, "Th"},
    {LOCALE_SSHORTESTDAYNAME1 + 4, "Fr"},
    {LOCALE_SSHORTESTDAYNAME1 + 5, "Sa"},
    {LOCALE_SSHORTESTDAYNAME7, "Su"},
    {LOCALE_SMONTHNAME1, "January"},
    {LOCALE_SMONTHNAME1 + 1, "February"},
    {LOCALE_SMONTHNAME1 + 2, "March"},
    {LOCALE_SMONTHNAME1 + 3, "April"},
    {LOCALE_SMONTHNAME1 + 4, "May"},
    {LOCALE_SMONTHNAME1 + 5, "June"},
    {LOCALE_SMONTHNAME1 + 6, "July"},
    {LOCALE_SMONTHNAME1 + 7, "August"},
    {LOCALE_SMONTHNAME1 + 8, "September"},
    {LOCALE_SMONTHNAME1 + 9, "October"},
    {LOCALE_SMONTHNAME1 + 10, "November"},
    {LOCALE_SMONTHNAME12, "December"},
    {LOCALE_SMONTHNAME13, ""},
    {LOCALE_SABBREVMONTHNAME1, "Jan"},
    {LOCALE_SABBREVMONTHNAME1 + 1, "Feb"},
    {LOCALE_SABBREVMONTHNAME1 + 2, "Mar"},
    {LOCALE_SABBREVMONTHNAME1 + 3, "Apr"},
    {LOCALE_SABBREVMONTHNAME1 + 4, "May"},
    {LOCALE_SABBREVMONTHNAME1 + 5, "Jun"},
    {LOCALE_SABBREVMONTHNAME1 + 6, "Jul"},
    {LOCALE_SABBREVMONTHNAME1 + 7, "Aug"},
    {LOCALE_SABBREVMONTHNAME1 + 8, "Sep"},
    {LOCALE_SABBREVMONTHNAME1 + 9, "Oct"},
    {LOCALE_SABBREVMONTHNAME1 + 10, "Nov"},
    {LOCALE_SABBREVMONTHNAME12, "Dec"},
    {LOCALE_SABBREVMONTHNAME13, ""},
    {LOCALE_SPOSITIVESIGN, ""},
    {LOCALE_SNEGATIVESIGN, "-"},
    {LOCALE_IPOSSIGNPOSN, "3"},
    {LOCALE_INEGSIGNPOSN, "0"},
    {LOCALE_IPOSSYMPRECEDES, "1"},
    {LOCALE_IPOSSEPBYSPACE, "0"},
    {LOCALE_INEGSYMPRECEDES, "1"},
    {LOCALE_INEGSEPBYSPACE, "0"},
    {LOCALE_SENGCURRNAME, "US Dollar"},
    {LOCALE_SNATIVECURRNAME, "US Dollar"},
    {LOCALE_SNAME, "en-US"},
};

const TLocaleRecord kLocales[] = {
    {LOCALE_ZH_CN, "zh-CN", kChinese, static_cast<int>(std::size(kChinese)), "公历", "公元"},
    {LOCALE_EN_US, "en-US", kEnglish, static_cast<int>(std::size(kEnglish)), "Gregorian Calendar", "A.D."},
};

const char* const kEnglishMonths[13] = {"January", "February", "March",     "April",   "May",      "June", "July",
                                        "August",  "September", "October", "November", "December", ""};
const char* const kEnglishAbbrevMonths[13] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul",
                                              "Aug", "Sep", "Oct", "Nov", "Dec", ""};
const char* const kHijriMonths[13] = {"Muharram", "Safar",  "Rabi'ul Awwal", "Rabi'ul Akhir", "Jumadal Ula",
                                      "Jumadal Akhira", "Rajab", "Sha'ban", "Ramadan", "Shawwal", "Dhul Qa'dah",
                                      "Dhul Hijjah", ""};
const char* const kHebrewMonths[13] = {"Tishri", "Heshvan", "Kislev", "Teveth", "Shevat", "Adar",  "Adar B",
                                       "Nisan",  "Iyyar",   "Sivan",  "Tamuz",  "Av",     "Elul"};

// The two-digit-year limits are the system's defaults for each calendar.
const TCalendarRecord kCalendars[] = {
    {CAL_GREGORIAN, "Gregorian Calendar", 2029, nullptr, nullptr, true},
    {CAL_GREGORIAN_US, "Gregorian Calendar (U.S. English)", 2029, kEnglishMonths, kEnglishAbbrevMonths, true},
    {CAL_JAPAN, "Japanese Emperor Era", 99, nullptr, nullptr, false},
    {CAL_TAIWAN, "Taiwan Calendar", 99, nullptr, nullptr, false},
    {CAL_KOREA, "Korean Tangun Era", 4362, nullptr, nullptr, false},
    {CAL_HIJRI, "Hijri Calendar", 1451, kHijriMonths, kHijriMonths, false},
    {CAL_THAI, "Thai Buddhist Calendar", 2572, nullptr, nullptr, false},
    {CAL_HEBREW, "Hebrew Calendar", 5790, kHebrewMonths, kHebrewMonths, false},
    {CAL_GREGORIAN_ME_FRENCH, "Gregorian Calendar (Middle East French)", 2029, kEnglishMonths, kEnglishAbbrevMonths,
     true},
    {CAL_GREGORIAN_ARABIC, "Gregorian Calendar (Arabic)", 2029, kEnglishMonths, kEnglishAbbrevMonths, true},
    {CAL_GREGORIAN_XLIT_ENGLISH, "Gregorian Calendar (Transliterated English)", 2029, kEnglishMonths,
     kEnglishAbbrevMonths, true},
    {CAL_GREGORIAN_XLIT_FRENCH, "Gregorian Calendar (Transliterated French)", 2029, kEnglishMonths,
     kEnglishAbbrevMonths, true},
};

}  // namespace

const TLocaleRecord* FindLocale(LANGID lang) {
  for (const auto& locale : kLocales)
    if (LANGIDFROMLCID(locale.Id) == lang) return &locale;
  return nullptr;
}

const TLocaleRecord* FindLocaleByName(const char* name) {
  if (!name) return nullptr;
  String wanted = name;
  for (char& c : wanted)
    if (c == '_') c = '-';
  for (const auto& locale : kLocales)
    if (strcasecmp(locale.Name, wanted.c_str()) == 0) return &locale;
  return nullptr;
}

const TLocaleRecord& DefaultLocale() { return kLocales[0]; }

const TLocaleRecord& EnglishLocale() { return kLocales[1]; }

const char* LocaleValue(const TLocaleRecord& locale, LCTYPE type) {
  for (int i = 0; i < locale.EntryCount; ++i)
    if (locale.Entries[i].Type == type) return locale.Entries[i].Value;
  return nullptr;
}

const TCalendarRecord* FindCalendar(CALID id) {
  for (const auto& calendar : kCalendars)
    if (calendar.Id == id) return &calendar;
  return nullptr;
}

}  // namespace LocaleData
