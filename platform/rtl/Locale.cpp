#include "Locale.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "LocaleData.h"
#include "Multibyte.h"
#include "SysInfo.h"

namespace WinNls {

namespace {

std::atomic<const TLocaleRecord*> GUserLocale{nullptr};
thread_local const TLocaleRecord* TThreadLocale = nullptr;

const TLocaleRecord& EnvironmentLocale() {
  const TLocaleRecord* chosen = FindLocaleByName(std::getenv("AT_LOCALE"));
  return chosen ? *chosen : DefaultLocale();
}

const TLocaleRecord& UserLocale() {
  const TLocaleRecord* locale = GUserLocale.load();
  if (!locale) {
    locale = &EnvironmentLocale();
    GUserLocale.store(locale);
  }
  return *locale;
}

const TLocaleRecord& ThreadLocale() { return TThreadLocale ? *TThreadLocale : UserLocale(); }

// The user and system defaults and the neutral locale all stand for the user's locale; a neutral
// sub-language stands for the language's own locale. The sort order (high word) is not used.
const TLocaleRecord* Resolve(LCID lcid) {
  LANGID lang = LANGIDFROMLCID(lcid);
  if (lang == LANGIDFROMLCID(LOCALE_NEUTRAL) || lang == LANGIDFROMLCID(LOCALE_USER_DEFAULT) ||
      lang == LANGIDFROMLCID(LOCALE_SYSTEM_DEFAULT))
    return &UserLocale();
  if (const TLocaleRecord* exact = FindLocale(lang)) return exact;
  if (SUBLANGID(lang) == SUBLANG_NEUTRAL) {
    for (const TLocaleRecord* r : {&DefaultLocale(), &EnglishLocale()})
      if (PRIMARYLANGID(LANGIDFROMLCID(r->Id)) == PRIMARYLANGID(lang)) return r;
  }
  return nullptr;
}

constexpr DWORD kStringFlags = LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP;

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

int PutText(const String& text, char* out, int cch) {
  int need = static_cast<int>(text.size()) + 1;
  if (cch == 0) return need;
  if (cch < 0 || !out) return Fail(ERROR_INVALID_PARAMETER);
  if (cch < need) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(out, text.data(), text.size());
  out[text.size()] = '\0';
  return need;
}

bool IsNumericLocaleType(LCTYPE type) {
  static constexpr LCTYPE numeric[] = {
      LOCALE_ILANGUAGE,       LOCALE_ICOUNTRY,         LOCALE_IDEFAULTLANGUAGE, LOCALE_IDEFAULTCOUNTRY,
      LOCALE_IDEFAULTCODEPAGE, LOCALE_IDEFAULTANSICODEPAGE, LOCALE_IMEASURE,   LOCALE_IDIGITS,
      LOCALE_ILZERO,          LOCALE_INEGNUMBER,       LOCALE_ICURRDIGITS,      LOCALE_IINTLCURRDIGITS,
      LOCALE_ICURRENCY,       LOCALE_INEGCURR,         LOCALE_IDATE,            LOCALE_ILDATE,
      LOCALE_ITIME,           LOCALE_ITIMEMARKPOSN,    LOCALE_ICENTURY,         LOCALE_ITLZERO,
      LOCALE_IDAYLZERO,       LOCALE_IMONLZERO,        LOCALE_ICALENDARTYPE,    LOCALE_IOPTIONALCALENDAR,
      LOCALE_IFIRSTDAYOFWEEK, LOCALE_IFIRSTWEEKOFYEAR, LOCALE_IPOSSIGNPOSN,     LOCALE_INEGSIGNPOSN,
      LOCALE_IPOSSYMPRECEDES, LOCALE_IPOSSEPBYSPACE,   LOCALE_INEGSYMPRECEDES,  LOCALE_INEGSEPBYSPACE,
  };

  for (LCTYPE t : numeric)
    if (t == type) return true;
  return false;
}

// The language identifiers are written in hexadecimal, every other number in decimal.
DWORD NumberOf(LCTYPE type, const char* text) {
  int base = (type == LOCALE_ILANGUAGE || type == LOCALE_IDEFAULTLANGUAGE) ? 16 : 10;
  return static_cast<DWORD>(std::strtoul(text, nullptr, base));
}

int PutNumber(DWORD number, char* out, int cch) {
  constexpr int need = sizeof(DWORD);
  if (cch == 0) return need;
  if (cch < 0 || !out) return Fail(ERROR_INVALID_PARAMETER);
  if (cch < need) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(out, &number, sizeof number);
  return need;
}

// ---- Pictures ---------------------------------------------------------------------------------------

String Value(const TLocaleRecord& locale, LCTYPE type) {
  const char* v = LocaleValue(locale, type);
  return v ? String(v) : String();
}

// 0 = Sunday, for any Gregorian date (the time-format years reach beyond the date-time range).
int WeekDay(int y, int m, int d) {
  static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (m < 3) --y;
  return (y + y / 4 - y / 100 + y / 400 + offsets[m - 1] + d) % 7;
}

int RunLength(const char* p, char c) {
  int n = 0;
  while (p[n] == c) ++n;
  return n;
}

String Padded(int value, int digits) {
  String s = std::to_string(value);
  if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
  return s;
}

// Copies a quoted literal starting at the opening quote; '' stands for one quote, inside a literal
// or on its own. Answers the characters consumed.
int CopyQuoted(const char* p, String& out) {
  if (p[1] == '\'') {
    out += '\'';
    return 2;
  }
  int i = 1;
  while (p[i]) {
    if (p[i] == '\'') {
      if (p[i + 1] == '\'') {
        out += '\'';
        i += 2;
        continue;
      }
      return i + 1;
    }
    out += p[i++];
  }
  return i;  // an unclosed literal runs to the end
}

String FormatDatePicture(const TLocaleRecord& locale, const SYSTEMTIME& st, const char* picture) {
  String out;
  const char* p = picture;
  int weekDay = WeekDay(st.wYear, st.wMonth, st.wDay);
  int mondayBased = (weekDay + 6) % 7;  // the locale's day names start on Monday
  while (*p) {
    char c = *p;
    if (c == '\'') {
      p += CopyQuoted(p, out);
      continue;
    }
    int n = RunLength(p, c);
    switch (c) {
      case 'd':
        if (n <= 2)
          out += Padded(st.wDay, n);
        else
          out += Value(locale, (n == 3 ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + mondayBased);
        break;
      case 'M':
        if (n <= 2)
          out += Padded(st.wMonth, n);
        else
          out += Value(locale, (n == 3 ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1) + st.wMonth - 1);
        break;
      case 'y':
        if (n == 1)
          out += std::to_string(st.wYear % 100);
        else if (n == 2)
          out += Padded(st.wYear % 100, 2);
        else
          out += std::to_string(st.wYear);
        break;
      case 'g':
        out += locale.EraName;
        break;
      default:
        out.append(p, n);
        break;
    }
    p += n;
  }
  return out;
}

enum TTimeToken : char {
  ttLiteral = 0,
  ttHour12 = 'h',
  ttHour24 = 'H',
  ttMinute = 'm',
  ttSecond = 's',
  ttMarker = 't',
};

struct TTimePart {
  TTimeToken Kind;
  int Count;
  String Text;
};

// A picture dropped by a flag takes its separator with it: the literal before it when a picture
// precedes that, else the literal after it.
void DropParts(std::vector<TTimePart>& parts, bool (*drop)(TTimeToken)) {
  for (size_t i = 0; i < parts.size();) {
    if (parts[i].Kind == ttLiteral || !drop(parts[i].Kind)) {
      ++i;
      continue;
    }
    size_t first = i, last = i;
    bool pictureBefore = i >= 2 || (i == 1 && parts[0].Kind != ttLiteral);
    if (pictureBefore && parts[i - 1].Kind == ttLiteral)
      first = i - 1;
    else if (!pictureBefore && i + 1 < parts.size() && parts[i + 1].Kind == ttLiteral)
      last = i + 1;
    parts.erase(parts.begin() + first, parts.begin() + last + 1);
    i = first;
  }
}

String FormatTimePicture(const TLocaleRecord& locale, DWORD flags, const SYSTEMTIME& st, const char* picture) {
  std::vector<TTimePart> parts;
  for (const char* p = picture; *p;) {
    char c = *p;
    if (c == '\'' || !std::strchr("hHmst", c)) {
      String text;
      if (c == '\'')
        p += CopyQuoted(p, text);
      else
        text.assign(p++, 1);
      if (!parts.empty() && parts.back().Kind == ttLiteral)
        parts.back().Text += text;
      else
        parts.push_back({ttLiteral, 0, text});
      continue;
    }
    int n = RunLength(p, c);
    parts.push_back({static_cast<TTimeToken>(c), n, {}});
    p += n;
  }
  if (flags & TIME_NOMINUTESORSECONDS)
    DropParts(parts, [](TTimeToken k) { return k == ttMinute || k == ttSecond; });
  else if (flags & TIME_NOSECONDS)
    DropParts(parts, [](TTimeToken k) { return k == ttSecond; });
  if (flags & TIME_NOTIMEMARKER) DropParts(parts, [](TTimeToken k) { return k == ttMarker; });

  String out;
  for (const TTimePart& part : parts) {
    int digits = part.Count >= 2 ? 2 : 1;
    switch (part.Kind) {
      case ttLiteral:
        out += part.Text;
        break;
      case ttHour12:
        if (!(flags & TIME_FORCE24HOURFORMAT)) {
          out += Padded(st.wHour % 12 == 0 ? 12 : st.wHour % 12, digits);
          break;
        }
        [[fallthrough]];
      case ttHour24:
        out += Padded(st.wHour, digits);
        break;
      case ttMinute:
        out += Padded(st.wMinute, digits);
        break;
      case ttSecond:
        out += Padded(st.wSecond, digits);
        break;
      case ttMarker: {
        String marker = Value(locale, st.wHour < 12 ? LOCALE_S1159 : LOCALE_S2359);
        if (part.Count == 1 && !marker.empty()) {
          // One letter of the marker: its first whole character.
          marker.resize(CharNext(marker.c_str()) - marker.c_str());
        }
        out += marker;
        break;
      }
    }
  }
  return out;
}

}  // namespace

// ---- Locale information ----------------------------------------------------------------------------

int GetLocaleInfo(LCID locale, LCTYPE type, char* data, int cchData) {
  const TLocaleRecord* record = Resolve(locale);
  if (!record) return Fail(ERROR_INVALID_PARAMETER);
  LCTYPE base = type & ~(kStringFlags | LOCALE_RETURN_NUMBER);
  const char* value = LocaleValue(*record, base);
  if (!value) return Fail(ERROR_INVALID_FLAGS);
  if (type & LOCALE_RETURN_NUMBER) {
    if (!IsNumericLocaleType(base)) return Fail(ERROR_INVALID_FLAGS);
    return PutNumber(NumberOf(base, value), data, cchData);
  }
  return PutText(value, data, cchData);
}

int GetCalendarInfo(LCID locale, CALID calendar, CALTYPE type, char* data, int cchData, DWORD* value) {
  const TLocaleRecord* record = Resolve(locale);
  const TCalendarRecord* cal = FindCalendar(calendar);
  if (!record || !cal) return Fail(ERROR_INVALID_PARAMETER);
  CALTYPE base = type & ~(kStringFlags | CAL_RETURN_NUMBER);

  if (base == CAL_ICALINTVALUE || base == CAL_ITWODIGITYEARMAX) {
    DWORD number = base == CAL_ICALINTVALUE ? cal->Id : cal->TwoDigitYearMax;
    if (type & CAL_RETURN_NUMBER) {
      if (!value) return Fail(ERROR_INVALID_PARAMETER);
      *value = number;
      return sizeof(DWORD);
    }
    return PutText(std::to_string(number), data, cchData);
  }
  if (type & CAL_RETURN_NUMBER) return Fail(ERROR_INVALID_FLAGS);

  String text;
  if (base == CAL_SCALNAME) {
    text = calendar == CAL_GREGORIAN ? record->CalendarName : cal->Name;
  } else if (base == CAL_SERASTRING) {
    if (!cal->Gregorian) return Fail(ERROR_INVALID_FLAGS);  // the other calendars' eras are not kept
    text = record->EraName;
  } else if (base == CAL_SSHORTDATE) {
    text = Value(*record, LOCALE_SSHORTDATE);
  } else if (base == CAL_SLONGDATE) {
    text = Value(*record, LOCALE_SLONGDATE);
  } else if (base == CAL_SYEARMONTH) {
    text = Value(*record, LOCALE_SYEARMONTH);
  } else if (base >= CAL_SDAYNAME1 && base <= CAL_SDAYNAME7) {
    text = Value(*record, LOCALE_SDAYNAME1 + (base - CAL_SDAYNAME1));
  } else if (base >= CAL_SABBREVDAYNAME1 && base <= CAL_SABBREVDAYNAME7) {
    text = Value(*record, LOCALE_SABBREVDAYNAME1 + (base - CAL_SABBREVDAYNAME1));
  } else if (base >= CAL_SSHORTESTDAYNAME1 && base <= CAL_SSHORTESTDAYNAME7) {
    text = Value(*record, LOCALE_SSHORTESTDAYNAME1 + (base - CAL_SSHORTESTDAYNAME1));
  } else if (base >= CAL_SMONTHNAME1 && base <= CAL_SMONTHNAME13) {
    int month = static_cast<int>(base - CAL_SMONTHNAME1);
    text = cal->MonthNames ? cal->MonthNames[month]
                           : Value(*record, month == 12 ? LOCALE_SMONTHNAME13 : LOCALE_SMONTHNAME1 + month);
  } else if (base >= CAL_SABBREVMONTHNAME1 && base <= CAL_SABBREVMONTHNAME13) {
    int month = static_cast<int>(base - CAL_SABBREVMONTHNAME1);
    text = cal->AbbrevMonthNames
               ? cal->AbbrevMonthNames[month]
               : Value(*record, month == 12 ? LOCALE_SABBREVMONTHNAME13 : LOCALE_SABBREVMONTHNAME1 + month);
  } else {
    return Fail(ERROR_INVALID_FLAGS);
  }
  return PutText(text, data, cchData);
}

// ---- Dates and times -------------------------------------------------------------------------------

int GetDateFormat(LCID locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* out, int cchOut) {
  const TLocaleRecord* record = Resolve(locale);
  if (!record) return Fail(ERROR_INVALID_PARAMETER);
  constexpr DWORD pictureFlags = DATE_SHORTDATE | DATE_LONGDATE | DATE_YEARMONTH;
  constexpr DWORD known = pictureFlags | DATE_USE_ALT_CALENDAR | DATE_LTRREADING | DATE_RTLREADING | kStringFlags;
  DWORD picture = flags & pictureFlags;
  if ((flags & ~known) || (picture & (picture - 1)) || (format && picture) ||
      ((flags & DATE_LTRREADING) && (flags & DATE_RTLREADING)))
    return Fail(ERROR_INVALID_FLAGS);

  SYSTEMTIME st;
  if (date)
    st = *date;
  else
    GetLocalTime(st);
  // The system's dates run from 1601 (the start of its file times) to 30827.
  if (st.wYear < 1601 || st.wYear > 30827 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
      st.wDay > MonthDays[IsLeapYear(st.wYear)][st.wMonth])
    return Fail(ERROR_INVALID_PARAMETER);

  String pictureText;
  if (!format) {
    LCTYPE type = picture == DATE_LONGDATE ? LOCALE_SLONGDATE
                  : picture == DATE_YEARMONTH ? LOCALE_SYEARMONTH
                                              : LOCALE_SSHORTDATE;
    pictureText = Value(*record, type);
    format = pictureText.c_str();
  }
  return PutText(FormatDatePicture(*record, st, format), out, cchOut);
}

int GetTimeFormat(LCID locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* out, int cchOut) {
  const TLocaleRecord* record = Resolve(locale);
  if (!record) return Fail(ERROR_INVALID_PARAMETER);
  constexpr DWORD known =
      TIME_NOMINUTESORSECONDS | TIME_NOSECONDS | TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT | kStringFlags;
  if (flags & ~known) return Fail(ERROR_INVALID_FLAGS);

  SYSTEMTIME st;
  if (time)
    st = *time;
  else
    GetLocalTime(st);
  if (st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59 || st.wMilliseconds > 999)
    return Fail(ERROR_INVALID_PARAMETER);

  String pictureText;
  if (!format) {
    pictureText = Value(*record, LOCALE_STIMEFORMAT);
    format = pictureText.c_str();
  }
  return PutText(FormatTimePicture(*record, flags, st, format), out, cchOut);
}

// ---- Locale choice ----------------------------------------------------------------------------------

LCID GetUserDefaultLCID() { return UserLocale().Id; }

LCID GetSystemDefaultLCID() { return UserLocale().Id; }

LANGID GetUserDefaultLangID() { return LANGIDFROMLCID(UserLocale().Id); }

LCID GetThreadLocale() { return ThreadLocale().Id; }

BOOL SetThreadLocale(LCID locale) {
  const TLocaleRecord* record = Resolve(locale);
  if (!record) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  TThreadLocale = record;
  return TRUE;
}

BOOL IsValidLocale(LCID locale, DWORD flags) {
  if (flags != LCID_INSTALLED && flags != LCID_SUPPORTED) return FALSE;
  LANGID lang = LANGIDFROMLCID(locale);
  return FindLocale(lang) != nullptr ? TRUE : FALSE;
}

LCID LocaleFromEnvironment() { return EnvironmentLocale().Id; }

bool SelectUserLocale(LCID locale) {
  const TLocaleRecord* record = Resolve(locale);
  if (!record) return false;
  GUserLocale.store(record);
  TThreadLocale = record;
  return true;
}

String GetLocaleStr(LCID locale, LCTYPE type, const String& defaultValue) {
  const TLocaleRecord* record = Resolve(locale);
  const char* value = record ? LocaleValue(*record, type & ~kStringFlags) : nullptr;
  return value ? String(value) : defaultValue;
}

Char GetLocaleChar(LCID locale, LCTYPE type, Char defaultValue) {
  String text = GetLocaleStr(locale, type, String());
  return text.empty() ? defaultValue : text[0];
}

}  // namespace WinNls
