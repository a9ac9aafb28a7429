// The auction timer's database file (see TimerDatabase.h).
#include "TimerDatabase.h"

#include "SqliteDatabase.h"

namespace TimerDatabase {

std::vector<String> SchemaStatements() {
  return {
      "CREATE TABLE dat_buy (id INTEGER PRIMARY KEY AUTOINCREMENT, wpm TEXT, ddsj TEXT, "
      "flag INTEGER NOT NULL DEFAULT 0)",
      "CREATE TABLE dat_buy_ls (wpm TEXT, ddsj TEXT)",
      "CREATE TABLE dic_auto (sjc INTEGER)",
      "INSERT INTO dic_auto (sjc) VALUES (60)",
  };
}

void CreateTimerDatabase(const String& FileName, bool Overwrite, const String& Password) {
  SqliteDatabase::CreateDatabaseFile(FileName, Password, SchemaStatements(), Overwrite);
}

}  // namespace TimerDatabase
