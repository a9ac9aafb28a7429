// The application's database files over SQLite: opening one with its password, running statements
// one at a time, transactions, reading results, and creating a new file.
//
// A database file is a plain SQLite file. Two things mark it as one of ours: the header's
// application id (PRAGMA application_id = ApplicationId) and the table _db_password(salt, digest),
// one row holding a random salt and the SHA-256 digest of the salt followed by the password, both
// in hexadecimal. The password is checked when the file is opened; it does not encrypt the file,
// which any SQLite tool can read.
//
// A connection reads and writes its file in write-ahead-log mode (the files "<name>-wal" and
// "<name>-shm" appear beside it while it is open): readers never wait for a writer, and a commit
// is on disk before it returns, so a killed process loses nothing committed. Names are only
// names: an unknown quoted name is an error, never taken for a text value.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "DB.h"
#include "SqlFunctions.h"

struct sqlite3;

namespace SqliteDatabase {

DECLARE_EXCEPTION(ESqliteError, EDatabaseError)

constexpr Integer ApplicationId = 0x41544442;

struct TColumnInfo {
  String Name;
  String DeclType;     // the declared type of a table column; empty for an expression
  String Table;        // the table a column comes from; empty for an expression
  bool PrimaryKey = false;  // a column of its table's primary key
};

// The rows of a result, kept compactly: a cell per column and row (row by row), numbers in the
// cell, the bytes of texts and blobs one after another in one buffer. Value makes a cell's Variant:
// a whole number as Integer when it fits 32 bits, else as Int64.
class TResultSet {
 public:
  enum TCellKind : unsigned char { ckNull, ckInteger, ckFloat, ckText, ckBlob };
  struct TCell {
    TCellKind Kind = ckNull;
    unsigned Length = 0;  // bytes of a text or blob
    union {
      Int64 Int = 0;
      double Float;
      size_t Offset;  // where a text's or blob's bytes start in the buffer
    };
  };

  std::vector<TColumnInfo> Columns;
  size_t RowCount() const { return Columns.empty() ? 0 : FCells.size() / Columns.size(); }
  const TCell& Cell(size_t Row, size_t Col) const { return FCells[Row * Columns.size() + Col]; }
  Variant Value(size_t Row, size_t Col) const;

 private:
  friend class TSqliteDatabase;
  std::vector<TCell> FCells;
  String FBytes;
};

// A value for a statement's parameter: by name (":id" is "id"), or in order when the name is empty.
// A parameter with a data type is bound as that type (dates as the dialect's date text, whatever
// the value's own type); one without (ftUnknown) by the value's type.
struct TParamValue {
  String Name;
  Variant Value;
  TFieldType DataType = ftUnknown;
};
using TParamValues = std::vector<TParamValue>;

class TSqliteDatabase {
 public:
  // Opens an existing file; never creates one. Raises ESqliteError for a missing file, a file that
  // is not a database of this kind, and a wrong password.
  static std::unique_ptr<TSqliteDatabase> Open(const String& FileName, const String& Password);
  ~TSqliteDatabase();
  TSqliteDatabase(const TSqliteDatabase&) = delete;
  TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

  // Runs one statement, which takes effect whole or not at all; answers the rows it changed. Sql
  // holds one statement: anything after it but a closing ";", blanks and comments is refused with
  // "Characters found after end of SQL statement." before anything runs.
  Integer Execute(const String& Sql, const TParamValues& Params = {});
  // The rows of one statement (held to one statement as Execute is).
  TResultSet Query(const String& Sql, const TParamValues& Params = {});
  const String& FileName() const { return FFileName; }

  // Transactions: the statements between Begin and Commit take effect together, or none of them
  // after Rollback (or when the connection closes first). Transactions nest; Begin answers the new
  // level. The outermost one takes the file's write lock at once (waiting as long as a busy file
  // allows), so that it never fails half way for another writer.
  Integer BeginTransaction();
  void CommitTransaction();  // raises when no transaction is active
  void RollbackTransaction();
  Integer TransactionLevel() const { return FTransactionLevel; }

 private:
  explicit TSqliteDatabase(sqlite3* Handle, String FileName) : FHandle(Handle), FFileName(std::move(FileName)) {}
  void EndTransaction(bool Commit);
  sqlite3* FHandle;
  String FFileName;
  Integer FTransactionLevel = 0;
  SqlFunctions::TStatementClock FClock;  // NOW() of the statement running
};

// Creates a database file of this kind with Password (empty: none) and runs Statements in it, all
// in one transaction. An existing file is replaced only with Overwrite (its log files with it);
// otherwise ESqliteError. A failure leaves no file behind.
void CreateDatabaseFile(const String& FileName, const String& Password, const std::vector<String>& Statements,
                        bool Overwrite);

}  // namespace SqliteDatabase

using namespace SqliteDatabase;
