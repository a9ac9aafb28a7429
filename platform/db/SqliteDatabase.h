// The application's database files over SQLite: opening one with its password, running statements
// in transactions and reading results, and creating a new file.
//
// A database file is a plain SQLite file. Two things mark it as one of ours: the header's
// application id (PRAGMA application_id = ApplicationId) and the table _db_password(salt, digest),
// one row holding a random salt and the SHA-256 digest of the salt followed by the password, both
// in hexadecimal. The password is checked when the file is opened; it does not encrypt the file,
// which any SQLite tool can read.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "DB.h"

struct sqlite3;

namespace SqliteDatabase {

DECLARE_EXCEPTION(ESqliteError, EDatabaseError)

constexpr Integer ApplicationId = 0x41544442;

struct TColumnInfo {
  String Name;
  String DeclType;  // the declared type of a table column; empty for an expression
};

struct TResultSet {
  std::vector<TColumnInfo> Columns;
  std::vector<std::vector<Variant>> Rows;
};

// Values for a statement's parameters: by name (":id" is "id"), and in order for those without one.
using TParamValues = std::vector<std::pair<String, Variant>>;

class TSqliteDatabase {
 public:
  // Opens an existing file; never creates one. Raises ESqliteError for a missing file, a file that
  // is not a database of this kind, and a wrong password.
  static std::unique_ptr<TSqliteDatabase> Open(const String& FileName, const String& Password);
  ~TSqliteDatabase();
  TSqliteDatabase(const TSqliteDatabase&) = delete;
  TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

  // Runs the statements of Sql in one transaction: all of them take effect or none. Answers the
  // rows changed by the last one.
  Integer Execute(const String& Sql, const TParamValues& Params = {});
  // The rows of one statement.
  TResultSet Query(const String& Sql, const TParamValues& Params = {});
  const String& FileName() const { return FFileName; }

 private:
  explicit TSqliteDatabase(sqlite3* Handle, String FileName) : FHandle(Handle), FFileName(std::move(FileName)) {}
  sqlite3* FHandle;
  String FFileName;
};

// Creates a database file of this kind with Password (empty: none) and runs Statements in it, all
// in one transaction. An existing file is replaced only with Overwrite; otherwise ESqliteError.
// A failure leaves no file behind.
void CreateDatabaseFile(const String& FileName, const String& Password, const std::vector<String>& Statements,
                        bool Overwrite);

}  // namespace SqliteDatabase

using namespace SqliteDatabase;
