#include "FormatSettings.h"

#include "Locale.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysInfo.h"

namespace SysFormat {

TFormatSettings FormatSettings;

namespace {

const char* const kDefShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kDefLongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
const char* const kDefShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kDefLongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

Integer LocaleInt(LCID locale, LCTYPE type, Integer defaultValue) {
  return StrToIntDef(GetLocaleStr(locale, type, String()), defaultValue);
}

// The Chinese, Japanese and Korean locales' Gregorian pictures may name the era, which the
// Gregorian calendar does not have: the era letters are dropped.
String TranslateDateFormat(LCID locale, const String& format) {
  LANGID language = PRIMARYLANGID(LANGIDFROMLCID(locale));
  if (language != LANG_CHINESE && language != LANG_JAPANESE && language != LANG_KOREAN) return format;
  String result;
  for (char c : format)
    if (c != 'g' && c != 'G') result += c;
  return result;
}

}  // namespace

TFormatSettings GetLocaleFormatSettings(uint32_t locale) {
  if (!IsValidLocale(locale, LCID_SUPPORTED)) locale = GetThreadLocale();
  TFormatSettings s;
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = GetLocaleStr(locale, LOCALE_SABBREVMONTHNAME1 + i, kDefShortMonthNames[i]);
    s.LongMonthNames[i] = GetLocaleStr(locale, LOCALE_SMONTHNAME1 + i, kDefLongMonthNames[i]);
  }
  for (int i = 0; i < 7; ++i) {
    int localeDay = (i + 6) % 7;  // the record starts on Sunday, the locale on Monday
    s.ShortDayNames[i] = GetLocaleStr(locale, LOCALE_SABBREVDAYNAME1 + localeDay, kDefShortDayNames[i]);
    s.LongDayNames[i] = GetLocaleStr(locale, LOCALE_SDAYNAME1 + localeDay, kDefLongDayNames[i]);
  }
  s.CurrencyString = GetLocaleStr(locale, LOCALE_SCURRENCY, "");
  s.CurrencyFormat = static_cast<Byte>(LocaleInt(locale, LOCALE_ICURRENCY, 0));
  s.NegCurrFormat = static_cast<Byte>(LocaleInt(locale, LOCALE_INEGCURR, 0));
  s.ThousandSeparator = GetLocaleChar(locale, LOCALE_STHOUSAND, ',');
  s.DecimalSeparator = GetLocaleChar(locale, LOCALE_SDECIMAL, '.');
  s.CurrencyDecimals = static_cast<Byte>(LocaleInt(locale, LOCALE_ICURRDIGITS, 0));
  s.DateSeparator = GetLocaleChar(locale, LOCALE_SDATE, '/');
  s.ShortDateFormat = TranslateDateFormat(locale, GetLocaleStr(locale, LOCALE_SSHORTDATE, "m/d/yy"));
  s.LongDateFormat = TranslateDateFormat(locale, GetLocaleStr(locale, LOCALE_SLONGDATE, "mmmm d, yyyy"));
  s.TimeSeparator = GetLocaleChar(locale, LOCALE_STIME, ':');
  s.TimeAMString = GetLocaleStr(locale, LOCALE_S1159, "am");
  s.TimePMString = GetLocaleStr(locale, LOCALE_S2359, "pm");
  String hour = LocaleInt(locale, LOCALE_ITLZERO, 0) == 0 ? "h" : "hh";
  String prefix, suffix;
  if (LocaleInt(locale, LOCALE_ITIME, 0) == 0) {
    if (LocaleInt(locale, LOCALE_ITIMEMARKPOSN, 0) == 0)
      suffix = " AMPM";
    else
      prefix = "AMPM ";
  }
  s.ShortTimeFormat = prefix + hour + ":mm" + suffix;
  s.LongTimeFormat = prefix + hour + ":mm:ss" + suffix;
  s.ListSeparator = GetLocaleChar(locale, LOCALE_SLIST, ',');
  return s;
}

void GetFormatSettings() { FormatSettings = GetLocaleFormatSettings(GetThreadLocale()); }

void InitSysLocale() {
  // The calendar service is one the design looks up in the system library at each call.
  auto calendarInfo = reinterpret_cast<void (*)()>(&GetCalendarInfoA);
  RegisterSystemFunction("kernel32", "GetCalendarInfoA", reinterpret_cast<FARPROC>(calendarInfo));
  SelectUserLocale(LocaleFromEnvironment());
  LANGID language = GetUserDefaultLangID();
  SysLocale.DefaultLCID = static_cast<Integer>(GetUserDefaultLCID());
  SysLocale.PriLangID = PRIMARYLANGID(language);
  SysLocale.SubLangID = SUBLANGID(language);
  GetFormatSettings();
}

}  // namespace SysFormat
