// Smart date input: the words that stand for dates ("today", a weekday, "eom", ...), optionally
// followed by a number of days; reading a text as a smart word or a date; cleaning date texts for
// the parsers; and the words as an alternative of the mask editor's date expression.
#include <algorithm>
#include <array>
#include <cmath>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "Locale.h"
#include "Strings.h"
#include "Variants.h"
#include "cxClasses.h"
#include "cxDateUtils.h"
#include "cxDateUtilsInternal.h"
#include "cxFormats.h"
#include "cxLibraryStrs.h"

namespace cxDateUtils {

namespace {

// The words as last read from the resource strings; reloaded at the start of every smart-input
// operation, so that replaced texts take effect at once.
std::array<String, cxSmartInputWordCount> SmartWords;

void LoadSmartWords() {
  static const TResStringRec* const kWords[cxSmartInputWordCount] = {
      &cxSDateToday,  &cxSDateYesterday, &cxSDateTomorrow, &cxSDateSunday,    &cxSDateMonday,
      &cxSDateTuesday, &cxSDateWednesday, &cxSDateThursday, &cxSDateFriday,   &cxSDateSaturday,
      &cxSDateFirst,  &cxSDateSecond,    &cxSDateThird,    &cxSDateFourth,    &cxSDateFifth,
      &cxSDateSixth,  &cxSDateSeventh,   &cxSDateBOM,      &cxSDateEOM,       &cxSDateNow};
  for (Integer i = 0; i < cxSmartInputWordCount; ++i) SmartWords[i] = cxGetResourceString(kWords[i]);
}

bool IsWhiteSpace(Char AChar) { return AChar == ' ' || AChar == '\t'; }

// The date that a smart word stands for, today being ToDay.
TDateTime SmartWordDate(Integer AIndex, TDateTime AToday) {
  switch (AIndex) {
    case siwToday: return AToday;
    case siwYesterday: return AToday - 1;
    case siwTomorrow: return AToday + 1;
    case siwBOM: return GetStartDateOfMonth(AToday);
    case siwEOM: {
      Word year, month, day;
      DecodeDate(AToday, year, month, day);
      return EncodeDate(year, month, static_cast<Word>(DaysPerMonth(year, month)));
    }
    case siwNow: return Now();
    default:
      break;
  }
  if (AIndex >= siwSunday && AIndex <= siwSaturday) {
    // The weekday today or within the next six days.
    Integer k = AIndex - 2 - DayOfWeek(AToday);
    return AToday + (k < 0 ? k + 7 : k);
  }
  // The n-th day of the current week, counted from the format controller's start of week.
  return AToday - (DayOfWeekOffset(AToday) - (AIndex - siwFirst));
}

// Accepted separators of a date text, trimmed and in upper case.
std::array<String, 4> DateTextSeparators(bool AUseLocaleSeparators) {
  if (AUseLocaleSeparators)
    return {AnsiUpperCase(Trim(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SDATE, ""))),
            AnsiUpperCase(Trim(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_STIME, ""))),
            AnsiUpperCase(Trim(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_S1159, "am"))),
            AnsiUpperCase(Trim(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_S2359, "pm")))};
  return {AnsiUpperCase(Trim(String(1, FormatSettings.DateSeparator))),
          AnsiUpperCase(Trim(String(1, FormatSettings.TimeSeparator))),
          AnsiUpperCase(Trim(FormatSettings.TimeAMString)), AnsiUpperCase(Trim(FormatSettings.TimePMString))};
}

// Blanks out the literal texts of the date and time formats, which the parsers do not know, and
// leaves the fields, their separators and the AM/PM markers, each field apart by single blanks.
String CleanDateText(const String& AText, bool AUseLocaleSeparators) {
  String result = AText;
  std::array<String, 4> separators = DateTextSeparators(AUseLocaleSeparators);
  const TcxFormatController* controller = cxFormatController();
  for (const TcxDateTimeFormatInfo* info : {&controller->GetDateFormatInfo(), &controller->GetTimeFormatInfo()})
    for (const TcxDateTimeFormatItem& item : info->Items) {
      if (item.Kind != dtikString) continue;
      String literal = AnsiUpperCase(Trim(item.Data));
      if (literal.empty() || std::find(separators.begin(), separators.end(), literal) != separators.end()) continue;
      result = StringReplace(result, literal, String(literal.size(), ' '), TReplaceFlags{rfReplaceAll, rfIgnoreCase});
    }
  result = Trim(result);
  String collapsed;
  for (Char c : result)
    if (!(IsWhiteSpace(c) && !collapsed.empty() && IsWhiteSpace(collapsed.back()))) collapsed += c;
  if (AUseLocaleSeparators) {
    String separator = GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SDATE, "");
    if (!separator.empty()) collapsed = StringReplace(collapsed, separator, " ", TReplaceFlags{rfReplaceAll});
  }
  return collapsed;
}

// The platform's conversion of a text to a date, which takes blanks between the date's fields as
// readily as the locale's separator.
TDateTime VariantStrToDate(const String& AText) {
  TDateTime result;
  if (TryStrToDateTime(AText, result)) return result;
  TFormatSettings blankSeparated = FormatSettings;
  blankSeparated.DateSeparator = ' ';
  if (TryStrToDateTime(AText, result, blankSeparated)) return result;
  return VarToDateTime(Variant(AText));  // raises the Variant conversion error
}

bool ParseDateText(const String& AText, bool AUseLocaleSeparators, bool AUseClassLibraryParser, TDateTime& ADate) {
  String text = CleanDateText(AText, AUseLocaleSeparators);
  ADate = AUseClassLibraryParser ? StrToDateTime(text) : VariantStrToDate(text);
  return true;
}

}  // namespace

// ---- Smart input ------------------------------------------------------------------------------------

bool SmartTextToDate(const String& AText, TDateTime& ADate) {
  LoadSmartWords();
  String text = Trim(AText);
  // Longest words first, so that "tomorrow" is not read as a word it begins with.
  std::array<Integer, cxSmartInputWordCount> order;
  for (Integer i = 0; i < cxSmartInputWordCount; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [](Integer a, Integer b) {
    if (SmartWords[a].size() != SmartWords[b].size()) return SmartWords[a].size() > SmartWords[b].size();
    return AnsiCompareText(SmartWords[a], SmartWords[b]) > 0;
  });
  Integer match = -1;
  for (Integer index : order) {
    const String& word = SmartWords[index];
    // A word replaced by an empty text would match every input.
    if (!word.empty() && word.size() <= text.size() && AnsiSameText(text.substr(0, word.size()), word)) {
      match = index;
      break;
    }
  }
  if (match < 0) return SmartTextToDateFunc ? SmartTextToDateFunc(AText, ADate) : false;

  ADate = SmartWordDate(match, Date());
  String rest = Trim(text.substr(SmartWords[match].size()));
  if (rest.size() > 1 && (rest[0] == '+' || rest[0] == '-')) {
    Integer days;
    if (TryStrToInt(Trim(rest.substr(1)), days)) ADate += rest[0] == '+' ? days : -static_cast<double>(days);
  }
  return true;
}

bool TextToDateEx(AnsiString AText, TDateTime& ADate) {
  try {
    AText = Trim(AText);
    if (AText.empty()) {
      ADate = NullDate;
      return false;
    }
    if (!cxIsGregorianCalendar()) {
      ADate = cxLocalFormatStrToDate(AText);
      return true;
    }
    if (!SmartTextToDate(AText, ADate)) {
      bool useClassLibrary = cxFormatController()->GetUseCorvelDateTimeFormats();
      ParseDateText(AText, !useClassLibrary, useClassLibrary, ADate);
    }
    Word year, month, day;
    bool result = ADate > -2147483648.0 && ADate < 2147483647.0;
    if (result) {
      DecodeDate(ADate, year, month, day);
      result = day != 0 && year <= MaxYear;
    }
    if (!result) ADate = NullDate;
    return result;
  } catch (const std::exception&) {
    ADate = NullDate;
    return false;
  }
}

bool cxStrToDateTime(const String& S, bool AUseOleDateFormat, TDateTime& ADate) {
  ADate = 0;
  try {
    if (cxIsGregorianCalendar())
      ParseDateText(S, AUseOleDateFormat, !AUseOleDateFormat, ADate);
    else
      ADate = cxLocalFormatStrToDate(S);
    return true;
  } catch (const std::exception&) {
    ADate = NullDate;
    return false;
  }
}

// ---- Masks ------------------------------------------------------------------------------------------

void AddDateRegExprMaskSmartInput(String& AMask, bool ACanEnterEndOfMonth) {
  LoadSmartWords();
  String words;
  for (Integer i = 0; i < cxSmartInputWordCount; ++i) {
    if ((i == siwEOM && !ACanEnterEndOfMonth) || SmartWords[i].empty()) continue;
    if (!words.empty()) words += '|';
    words += RegExprLiteral(SmartWords[i]);
  }
  AMask = "(" + AMask + ")|(" + words + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}

// ---- Unit routines -----------------------------------------------------------------------------------

void cxDateUtilsFinalization() { SmartWords.fill(String()); }

}  // namespace cxDateUtils
