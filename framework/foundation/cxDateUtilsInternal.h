// What the sources of the unit cxDateUtils share among themselves and with nobody else.
#pragma once

#include "cxDateUtilsCalendars.h"

namespace cxDateUtilsInternal {

// The locale's first-week rule (LOCALE_IFIRSTWEEKOFYEAR) as the framework counts it.
TcxFirstWeekOfYear LocaleFirstWeekOfYear(LCID ALocale);

// A text as a literal of the mask editor's regular expressions: its runs of characters other than
// the apostrophe in apostrophes, each apostrophe escaped with a backslash.
String RegExprLiteral(const String& AText);

// The calendar given, or the user's calendar for the call when it is null.
class TCalendarArg {
 public:
  explicit TCalendarArg(TcxCustomCalendarTable* ACalendar);
  ~TCalendarArg();
  TCalendarArg(const TCalendarArg&) = delete;
  TCalendarArg& operator=(const TCalendarArg&) = delete;
  TcxCustomCalendarTable* operator->() const { return FCalendar; }
  TcxCustomCalendarTable* Get() const { return FCalendar; }

 private:
  TcxCustomCalendarTable* FCalendar;
  bool FOwned;
};

}  // namespace cxDateUtilsInternal

using namespace cxDateUtilsInternal;
