// The functions of the application's SQL dialect that SQLite lacks: NOW() from the program's
// clock, LEN(text) in characters, and DATEDIFF(interval, date1, date2) counting the interval's
// boundaries crossed from date1 to date2 ('yyyy', 'q', 'm', 'y', 'd', 'w', 'ww', 'h', 'n', 's').
// Dates are date-time numbers or texts "yyyy-m-d[ h:n[:s]]" or in the locale's formats.
#pragma once

#include "System.h"

struct sqlite3;

namespace SqlFunctions {

void RegisterDialectFunctions(sqlite3* Db);
// The text NOW() gives for Value: "yyyy-mm-dd hh:nn:ss".
String DialectDateTimeText(TDateTime Value);
// A dialect date text or number as a date-time; false when it is none.
bool TryDialectTextToDateTime(const String& Text, TDateTime& Value);

}  // namespace SqlFunctions
