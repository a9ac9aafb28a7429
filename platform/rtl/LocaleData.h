// The tables behind the locale services: what each known locale and calendar answers.
#pragma once

#include "WinDef.h"

namespace LocaleData {

struct TLocaleEntry {
  LCTYPE Type;
  const char* Value;
};

struct TLocaleRecord {
  LCID Id;
  const char* Name;             // as the environment names it: "zh-CN"
  const TLocaleEntry* Entries;  // every LOCALE_* value the locale answers, as text
  int EntryCount;
  const char* CalendarName;     // the Gregorian calendar's name in the locale's language
  const char* EraName;          // the Gregorian era in the locale's language
};

struct TCalendarRecord {
  CALID Id;
  const char* Name;             // the calendar's name where the locale has no own name for it
  DWORD TwoDigitYearMax;
  const char* const* MonthNames;        // 13 names, or null for the locale's Gregorian names
  const char* const* AbbrevMonthNames;  // 13 names, or null
  bool Gregorian;
};

// The locale of exactly this language identifier, or null.
const TLocaleRecord* FindLocale(LANGID lang);
// The locale named by a text such as "en-US" or "en_us", or null.
const TLocaleRecord* FindLocaleByName(const char* name);
const TLocaleRecord& DefaultLocale();
const TLocaleRecord& EnglishLocale();
// The locale's text for a type, or null when it has none.
const char* LocaleValue(const TLocaleRecord& locale, LCTYPE type);

const TCalendarRecord* FindCalendar(CALID id);

}  // namespace LocaleData

using namespace LocaleData;
