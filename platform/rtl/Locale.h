// The locale services of the operating system: locale and calendar information, and dates and times
// written with the locale's pictures.
//
// Two locales are known: Chinese (PRC, 0x0804), the default, and English (United States, 0x0409).
// The user's locale is chosen at start-up by the environment variable AT_LOCALE ("zh-CN" or "en-US";
// "_" may stand for "-", case does not matter; unset, empty or unknown selects zh-CN). The thread
// locale starts as the user's. Text comes back as UTF-8, the program's ANSI code page; a size counts
// bytes including the terminating zero.
//
// A call that fails answers 0, as the system's calls do: an unknown locale or calendar, an invalid
// date or time, an unknown or misapplied information type or flag, or a buffer too small.
#pragma once

#include "DateTime.h"
#include "WinDef.h"

namespace WinNls {

// ---- Locale identifiers --------------------------------------------------------------------------
constexpr LANGID LANG_NEUTRAL = 0x00;
constexpr LANGID LANG_CHINESE = 0x04;
constexpr LANGID LANG_ENGLISH = 0x09;
constexpr LANGID LANG_JAPANESE = 0x11;
constexpr LANGID LANG_KOREAN = 0x12;
constexpr LANGID SUBLANG_NEUTRAL = 0x00;
constexpr LANGID SUBLANG_DEFAULT = 0x01;
constexpr LANGID SUBLANG_SYS_DEFAULT = 0x02;
constexpr LANGID SUBLANG_ENGLISH_US = 0x01;
constexpr LANGID SUBLANG_CHINESE_SIMPLIFIED = 0x02;
constexpr WORD SORT_DEFAULT = 0x0;

constexpr LANGID MAKELANGID(LANGID primary, LANGID sub) { return static_cast<LANGID>((sub << 10) | primary); }
constexpr LANGID PRIMARYLANGID(LANGID lang) { return lang & 0x3FF; }
constexpr LANGID SUBLANGID(LANGID lang) { return lang >> 10; }
constexpr LCID MAKELCID(LANGID lang, WORD sort) { return (static_cast<LCID>(sort) << 16) | lang; }
constexpr LANGID LANGIDFROMLCID(LCID lcid) { return static_cast<LANGID>(lcid & 0xFFFF); }

constexpr LCID LOCALE_NEUTRAL = 0x0000;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_ZH_CN = 0x0804;  // Chinese (PRC)
constexpr LCID LOCALE_EN_US = 0x0409;  // English (United States)

// ---- Locale information types --------------------------------------------------------------------
constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;
constexpr LCTYPE LOCALE_USE_CP_ACP = 0x40000000;
constexpr LCTYPE LOCALE_RETURN_NUMBER = 0x20000000;

constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;
constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
constexpr LCTYPE LOCALE_SNATIVELANGNAME = 0x0004;
constexpr LCTYPE LOCALE_ICOUNTRY = 0x0005;
constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
constexpr LCTYPE LOCALE_SABBREVCTRYNAME = 0x0007;
constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 0x0008;
constexpr LCTYPE LOCALE_IDEFAULTLANGUAGE = 0x0009;
constexpr LCTYPE LOCALE_IDEFAULTCOUNTRY = 0x000A;
constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B;
constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
constexpr LCTYPE LOCALE_SLIST = 0x000C;
constexpr LCTYPE LOCALE_IMEASURE = 0x000D;
constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
constexpr LCTYPE LOCALE_SGROUPING = 0x0010;
constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
constexpr LCTYPE LOCALE_ILZERO = 0x0012;
constexpr LCTYPE LOCALE_INEGNUMBER = 0x1010;
constexpr LCTYPE LOCALE_SNATIVEDIGITS = 0x0013;
constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
constexpr LCTYPE LOCALE_SINTLSYMBOL = 0x0015;
constexpr LCTYPE LOCALE_SMONDECIMALSEP = 0x0016;
constexpr LCTYPE LOCALE_SMONTHOUSANDSEP = 0x0017;
constexpr LCTYPE LOCALE_SMONGROUPING = 0x0018;
constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
constexpr LCTYPE LOCALE_IINTLCURRDIGITS = 0x001A;
constexpr LCTYPE LOCALE_ICURRENCY = 0x001B;
constexpr LCTYPE LOCALE_INEGCURR = 0x001C;
constexpr LCTYPE LOCALE_SDATE = 0x001D;
constexpr LCTYPE LOCALE_STIME = 0x001E;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;
constexpr LCTYPE LOCALE_SLONGDATE = 0x0020;
constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
constexpr LCTYPE LOCALE_SSHORTTIME = 0x0079;
constexpr LCTYPE LOCALE_SYEARMONTH = 0x1006;
constexpr LCTYPE LOCALE_IDATE = 0x0021;
constexpr LCTYPE LOCALE_ILDATE = 0x0022;
constexpr LCTYPE LOCALE_ITIME = 0x0023;
constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;
constexpr LCTYPE LOCALE_ICENTURY = 0x0024;
constexpr LCTYPE LOCALE_ITLZERO = 0x0025;
constexpr LCTYPE LOCALE_IDAYLZERO = 0x0026;
constexpr LCTYPE LOCALE_IMONLZERO = 0x0027;
constexpr LCTYPE LOCALE_S1159 = 0x0028;
constexpr LCTYPE LOCALE_S2359 = 0x0029;
constexpr LCTYPE LOCALE_ICALENDARTYPE = 0x1009;
constexpr LCTYPE LOCALE_IOPTIONALCALENDAR = 0x100B;
constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;   // 0 = Monday .. 6 = Sunday
constexpr LCTYPE LOCALE_IFIRSTWEEKOFYEAR = 0x100D;  // 0 contains 1 January, 1 first full week, 2 first with four days
constexpr LCTYPE LOCALE_SDAYNAME1 = 0x002A;         // Monday; ..7 = Sunday
constexpr LCTYPE LOCALE_SDAYNAME7 = 0x0030;
constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x0031;
constexpr LCTYPE LOCALE_SABBREVDAYNAME7 = 0x0037;
constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x0038;
constexpr LCTYPE LOCALE_SMONTHNAME12 = 0x0043;
constexpr LCTYPE LOCALE_SMONTHNAME13 = 0x100E;
constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x0044;
constexpr LCTYPE LOCALE_SABBREVMONTHNAME12 = 0x004F;
constexpr LCTYPE LOCALE_SABBREVMONTHNAME13 = 0x100F;
constexpr LCTYPE LOCALE_SPOSITIVESIGN = 0x0050;
constexpr LCTYPE LOCALE_SNEGATIVESIGN = 0x0051;
constexpr LCTYPE LOCALE_IPOSSIGNPOSN = 0x0052;
constexpr LCTYPE LOCALE_INEGSIGNPOSN = 0x0053;
constexpr LCTYPE LOCALE_IPOSSYMPRECEDES = 0x0054;
constexpr LCTYPE LOCALE_IPOSSEPBYSPACE = 0x0055;
constexpr LCTYPE LOCALE_INEGSYMPRECEDES = 0x0056;
constexpr LCTYPE LOCALE_INEGSEPBYSPACE = 0x0057;
constexpr LCTYPE LOCALE_SENGCURRNAME = 0x1007;
constexpr LCTYPE LOCALE_SNATIVECURRNAME = 0x1008;
constexpr LCTYPE LOCALE_SNAME = 0x005C;
constexpr LCTYPE LOCALE_SSHORTESTDAYNAME1 = 0x0060;
constexpr LCTYPE LOCALE_SSHORTESTDAYNAME7 = 0x0066;

// ---- Calendars ---------------------------------------------------------------------------------------
constexpr CALID CAL_GREGORIAN = 1;
constexpr CALID CAL_GREGORIAN_US = 2;
constexpr CALID CAL_JAPAN = 3;
constexpr CALID CAL_TAIWAN = 4;
constexpr CALID CAL_KOREA = 5;
constexpr CALID CAL_HIJRI = 6;
constexpr CALID CAL_THAI = 7;
constexpr CALID CAL_HEBREW = 8;
constexpr CALID CAL_GREGORIAN_ME_FRENCH = 9;
constexpr CALID CAL_GREGORIAN_ARABIC = 10;
constexpr CALID CAL_GREGORIAN_XLIT_ENGLISH = 11;
constexpr CALID CAL_GREGORIAN_XLIT_FRENCH = 12;

constexpr CALTYPE CAL_NOUSEROVERRIDE = LOCALE_NOUSEROVERRIDE;
constexpr CALTYPE CAL_USE_CP_ACP = LOCALE_USE_CP_ACP;
constexpr CALTYPE CAL_RETURN_NUMBER = LOCALE_RETURN_NUMBER;
constexpr CALTYPE CAL_ICALINTVALUE = 0x01;
constexpr CALTYPE CAL_SCALNAME = 0x02;
constexpr CALTYPE CAL_SERASTRING = 0x04;
constexpr CALTYPE CAL_SSHORTDATE = 0x05;
constexpr CALTYPE CAL_SLONGDATE = 0x06;
constexpr CALTYPE CAL_SDAYNAME1 = 0x07;  // Monday; ..7 = Sunday
constexpr CALTYPE CAL_SDAYNAME7 = 0x0D;
constexpr CALTYPE CAL_SABBREVDAYNAME1 = 0x0E;
constexpr CALTYPE CAL_SABBREVDAYNAME7 = 0x14;
constexpr CALTYPE CAL_SMONTHNAME1 = 0x15;
constexpr CALTYPE CAL_SMONTHNAME13 = 0x21;
constexpr CALTYPE CAL_SABBREVMONTHNAME1 = 0x22;
constexpr CALTYPE CAL_SABBREVMONTHNAME13 = 0x2E;
constexpr CALTYPE CAL_SYEARMONTH = 0x2F;
constexpr CALTYPE CAL_ITWODIGITYEARMAX = 0x30;
constexpr CALTYPE CAL_SSHORTESTDAYNAME1 = 0x31;
constexpr CALTYPE CAL_SSHORTESTDAYNAME7 = 0x37;

// ---- Date and time pictures ------------------------------------------------------------------------
constexpr DWORD DATE_SHORTDATE = 0x01;
constexpr DWORD DATE_LONGDATE = 0x02;
constexpr DWORD DATE_USE_ALT_CALENDAR = 0x04;
constexpr DWORD DATE_YEARMONTH = 0x08;
constexpr DWORD DATE_LTRREADING = 0x10;
constexpr DWORD DATE_RTLREADING = 0x20;

constexpr DWORD TIME_NOMINUTESORSECONDS = 0x01;
constexpr DWORD TIME_NOSECONDS = 0x02;
constexpr DWORD TIME_NOTIMEMARKER = 0x04;
constexpr DWORD TIME_FORCE24HOURFORMAT = 0x08;

// The error of a call given a flag or information type it does not take (the other errors are
// ERROR_INVALID_PARAMETER and ERROR_INSUFFICIENT_BUFFER; GetLastError reads them).
constexpr DWORD ERROR_INVALID_FLAGS = 1004;

// ---- Services ----------------------------------------------------------------------------------------
// With LOCALE_RETURN_NUMBER a numeric type (LOCALE_I...) is written as a DWORD and the answer is 4.
// cchData 0 asks for the size needed.
int GetLocaleInfo(LCID locale, LCTYPE type, char* data, int cchData);
inline int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int cchData) {
  return GetLocaleInfo(locale, type, data, cchData);
}
// With CAL_RETURN_NUMBER a numeric type (CAL_I...) is written to *value and the answer is 4.
int GetCalendarInfo(LCID locale, CALID calendar, CALTYPE type, char* data, int cchData, DWORD* value);
inline int GetCalendarInfoA(LCID locale, CALID calendar, CALTYPE type, char* data, int cchData, DWORD* value) {
  return GetCalendarInfo(locale, calendar, type, data, cchData, value);
}

// Writes a date with a picture (d dd ddd dddd, M MM MMM MMMM, y yy yyyy, g gg, 'text'), or with the
// locale's short, long or year-month date when `format` is null. A null date is today.
int GetDateFormat(LCID locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* out, int cchOut);
inline int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* out,
                          int cchOut) {
  return GetDateFormat(locale, flags, date, format, out, cchOut);
}
// Writes a time with a picture (h hh H HH m mm s ss t tt, 'text'), or with the locale's time format
// when `format` is null. A null time is now.
int GetTimeFormat(LCID locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* out, int cchOut);
inline int GetTimeFormatA(LCID locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* out,
                          int cchOut) {
  return GetTimeFormat(locale, flags, time, format, out, cchOut);
}

LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
LANGID GetUserDefaultLangID();
LCID GetThreadLocale();
// Fails (FALSE) for a locale that is not known.
BOOL SetThreadLocale(LCID locale);
constexpr DWORD LCID_INSTALLED = 0x01;
constexpr DWORD LCID_SUPPORTED = 0x02;
BOOL IsValidLocale(LCID locale, DWORD flags);

// The locale the environment selects (AT_LOCALE, see above).
LCID LocaleFromEnvironment();
// Makes `locale` the user's locale and this thread's. The format settings follow only when they are
// read again (GetFormatSettings). Fails (false) for a locale that is not known.
bool SelectUserLocale(LCID locale);

// The class library's readers: the locale's text, or `defaultValue` when the locale has none.
String GetLocaleStr(LCID locale, LCTYPE type, const String& defaultValue);
Char GetLocaleChar(LCID locale, LCTYPE type, Char defaultValue);

}  // namespace WinNls

using namespace WinNls;
