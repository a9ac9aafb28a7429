// The auction timer's database file: its tables, its first settings row and its password.
//   dat_buy     running timers: id (assigned by the database), wpm (item name), ddsj (due time
//               text "yyyy-mm-dd hh:mm:ss"), flag (0 until the reminder was shown)
//   dat_buy_ls  expired timers: wpm, ddsj
//   dic_auto    settings: sjc, the reminder threshold in seconds (one row, 60)
#pragma once

#include <vector>

#include "System.h"

namespace TimerDatabase {

inline constexpr const char* DatabaseFileName = "vaskeldb.db";
inline constexpr const char* DatabasePassword = "582047";

std::vector<String> SchemaStatements();
// Creates the file; an existing file is replaced only with Overwrite (ESqliteError otherwise).
void CreateTimerDatabase(const String& FileName, bool Overwrite, const String& Password = DatabasePassword);

}  // namespace TimerDatabase
