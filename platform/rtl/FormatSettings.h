// The locale-dependent format settings that number, currency, date and time texts follow. The global
// `FormatSettings` is filled from the thread locale at start-up (GetFormatSettings re-reads it);
// routines that take a TFormatSettings use the one they are given instead.
//
// The time formats are built from the locale's hour style, not copied from its time picture: "h:mm"
// and "h:mm:ss" for a 24-hour locale, with "AMPM" before or after for a 12-hour one, so that the
// class library's "h" (24-hour unless a marker follows) and ":" (the time separator) read them.
#pragma once

#include <array>

#include "System.h"

namespace SysFormat {

struct TFormatSettings {
  Byte CurrencyFormat = 0;      // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  Byte NegCurrFormat = 0;       // 0..15, the system's negative currency patterns
  Char ThousandSeparator = ',';
  Char DecimalSeparator = '.';
  Byte CurrencyDecimals = 2;
  Char DateSeparator = '/';
  Char TimeSeparator = ':';
  Char ListSeparator = ',';
  String CurrencyString;
  String ShortDateFormat;
  String LongDateFormat;
  String TimeAMString;
  String TimePMString;
  String ShortTimeFormat;
  String LongTimeFormat;
  std::array<String, 12> ShortMonthNames;
  std::array<String, 12> LongMonthNames;
  std::array<String, 7> ShortDayNames;  // Sunday first
  std::array<String, 7> LongDayNames;
  std::array<String, 7> EraNames;
  Word TwoDigitYearCenturyWindow = 50;
};

// The program's format settings.
extern TFormatSettings FormatSettings;

// Fills FormatSettings from the current platform locale.
void GetFormatSettings();
// The format settings of a locale, without touching the global ones.
TFormatSettings GetLocaleFormatSettings(uint32_t locale);

// The locale's start-up: the user's locale from the environment, the system locale record, then
// the format settings.
void InitSysLocale();

}  // namespace SysFormat

using namespace SysFormat;
