// The functions of the application's SQL dialect that SQLite lacks: NOW() from the program's
// clock, LEN(text) in characters, and DATEDIFF(interval, date1, date2) counting the interval's
// boundaries crossed from date1 to date2 ('yyyy', 'q', 'm', 'y', 'd', 'w', 'ww', 'h', 'n', 's').
// Dates are date-time numbers or texts "yyyy-m-d[ h:n[:s]]" or in the locale's formats.
#pragma once

#include "System.h"

struct sqlite3;

namespace SqlFunctions {

// The moment the statement running on a connection started. The dialect reads a function that
// refers to no column once per statement, so NOW() gives this one moment to every row; the
// connection starts and stops the clock around each statement it runs. Where no statement clock is
// running, NOW() reads the program's clock at each call.
class TStatementClock {
 public:
  void Start();
  void Stop() { FRunning = false; }
  bool Running() const { return FRunning; }
  const char* Text() const { return FText; }  // the start as NOW() gives it

 private:
  bool FRunning = false;
  char FText[20] = {};
};

// Clock, when given, must outlive the connection's statements.
void RegisterDialectFunctions(sqlite3* Db, TStatementClock* Clock = nullptr);
// The text NOW() gives for Value: "yyyy-mm-dd hh:nn:ss".
String DialectDateTimeText(TDateTime Value);
// A dialect date text or number as a date-time; false when it is none.
bool TryDialectTextToDateTime(const String& Text, TDateTime& Value);

}  // namespace SqlFunctions
