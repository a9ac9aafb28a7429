// Opening, checking, querying and creating the application's database files (see SqliteDatabase.h).
#include "SqliteDatabase.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <random>

#include "DBConsts.h"
#include "FileNames.h"
#include "Format.h"
#include "Sha256.h"
#include "SqlFunctions.h"
#include "Strings.h"
#include "SysConst.h"

namespace SqliteDatabase {

using namespace DBConsts;

namespace {

[[noreturn]] void Fail(sqlite3* db, const String& context = String()) {
  String msg = db ? sqlite3_errmsg(db) : "out of memory";
  throw ESqliteError(context.empty() ? msg : context + ": " + msg);
}

// The first character after the blanks and comments at p (the end when there are only those),
// noting whether a ";" was passed on the way.
const char* SkipFiller(const char* p, bool& passedSemicolon) {
  for (;;) {
    while (*p == ';' || std::isspace(static_cast<unsigned char>(*p))) passedSemicolon |= *p++ == ';';
    if (p[0] == '-' && p[1] == '-') {
      while (*p && *p != '\n') ++p;
    } else if (p[0] == '/' && p[1] == '*') {
      const char* close = std::strstr(p + 2, "*/");
      if (!close) return p + std::strlen(p);  // an unclosed comment runs to the end
      p = close + 2;
    } else {
      return p;
    }
  }
}

// A date parameter's value as a date-time: a number or date as it is, a text as the dialect reads it.
TDateTime ParamDateTime(const Variant& v) {
  if (!VarIsStr(v)) return v.ToDateTime();
  String text = VarToStr(v);
  TDateTime value;
  if (!SqlFunctions::TryDialectTextToDateTime(text, value))
    throw EConvertError(Format(SysConst::SInvalidDateTime, {text}));
  return value;
}

// The one statement of a text, prepared and checked to stand alone, finalised however the scope
// ends. A text of blanks or comments only gives no statement (Get() is null).
class TStatement {
 public:
  TStatement(sqlite3* db, const String& sql) : FDb(db) {
    // Only blanks, comments and closing semicolons may stand beside the statement: an empty
    // statement before it, or anything after it, is refused before anything is run.
    bool semicolon = false;
    const char* start = SkipFiller(sql.c_str(), semicolon);
    if (semicolon && *start) throw ESqliteError(STrailingCharacters);
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, start, -1, &FStmt, &tail) != SQLITE_OK) Fail(db);
    if (tail && *SkipFiller(tail, semicolon)) {
      sqlite3_finalize(FStmt);
      FStmt = nullptr;
      throw ESqliteError(STrailingCharacters);
    }
  }
  ~TStatement() { sqlite3_finalize(FStmt); }
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;
  sqlite3_stmt* Get() const { return FStmt; }
  void Bind(const TParamValues& params) {
    int count = sqlite3_bind_parameter_count(FStmt);
    size_t next = 0;  // unnamed values are taken in order
    for (int i = 1; i <= count; ++i) {
      const char* raw = sqlite3_bind_parameter_name(FStmt, i);
      const TParamValue* value = nullptr;
      if (raw && raw[0] != '?') {
        String name = raw + 1;
        for (const auto& p : params)
          if (AnsiSameText(p.Name, name)) value = &p;
        if (!value) throw ESqliteError(Format(SParameterNotFound, {name}));
      } else {
        while (next < params.size() && !params[next].Name.empty()) ++next;
        if (next >= params.size()) throw ESqliteError(Format(SParameterNotFound, {IntToStr(i)}));
        value = &params[next++];
      }
      BindValue(i, *value);
    }
  }

 private:
  void BindText(int i, const String& text) {
    Check(sqlite3_bind_text(FStmt, i, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
  }
  void Check(int rc) {
    if (rc != SQLITE_OK) Fail(FDb);
  }

  void BindValue(int i, const TParamValue& param) {
    const Variant& v = param.Value;
    TVarType t = VarType(v);
    if (t == varEmpty || t == varNull) return Check(sqlite3_bind_null(FStmt, i));
    switch (param.DataType) {
      case ftString: case ftFixedChar: case ftWideString: case ftMemo: case ftFmtMemo:
        return BindText(i, VarToStr(v));
      case ftSmallint: case ftInteger: case ftWord: case ftAutoInc: case ftLargeint:
        return Check(sqlite3_bind_int64(FStmt, i, v.ToInt64()));
      case ftBoolean:
        return Check(sqlite3_bind_int(FStmt, i, v.ToBoolean() ? 1 : 0));
      case ftFloat: case ftCurrency: case ftBCD: case ftFMTBcd:
        return Check(sqlite3_bind_double(FStmt, i, v.ToDouble()));
      case ftDate: case ftTime: case ftDateTime: case ftTimeStamp: {
        // Stored as the text the dialect's date functions read, like NOW() gives it.
        String text = SqlFunctions::DialectDateTimeText(ParamDateTime(v));
        if (param.DataType == ftDate) text.resize(10);
        else if (param.DataType == ftTime) text.erase(0, 11);
        return BindText(i, text);
      }
      case ftBlob: case ftBytes: case ftVarBytes: case ftGraphic: {
        String bytes = VarToStr(v);
        return Check(sqlite3_bind_blob(FStmt, i, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
      }
      default:
        break;
    }
    // No data type: the value's own.
    if (t == varBoolean) Check(sqlite3_bind_int(FStmt, i, v.ToBoolean() ? 1 : 0));
    else if (VarIsOrdinal(v)) Check(sqlite3_bind_int64(FStmt, i, v.ToInt64()));
    else if (t == varDate) BindText(i, SqlFunctions::DialectDateTimeText(v.ToDateTime()));
    else if (VarIsFloat(v)) Check(sqlite3_bind_double(FStmt, i, v.ToDouble()));
    else BindText(i, VarToStr(v));
  }

  sqlite3* FDb;
  sqlite3_stmt* FStmt = nullptr;
};

// The statement clock running while a statement steps, however it ends.
class TStatementRun {
 public:
  explicit TStatementRun(SqlFunctions::TStatementClock& clock) : FClock(clock) { FClock.Start(); }
  ~TStatementRun() { FClock.Stop(); }
  TStatementRun(const TStatementRun&) = delete;
  TStatementRun& operator=(const TStatementRun&) = delete;

 private:
  SqlFunctions::TStatementClock& FClock;
};

void ExecPlain(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db);
}

void DeleteLogFiles(const String& FileName) {
  for (const char* suffix : {"-wal", "-shm", "-journal"})
    if (FileExists(FileName + suffix)) DeleteFile(FileName + suffix);
}

String RandomSalt() {
  std::random_device rd;
  static const char hex[] = "0123456789abcdef";
  String salt;
  for (int i = 0; i < 32; ++i) salt += hex[rd() & 0xf];
  return salt;
}

}  // namespace

// ---- Opening -----------------------------------------------------------------------------------------------
std::unique_ptr<TSqliteDatabase> TSqliteDatabase::Open(const String& FileName, const String& Password) {
  if (FileName.empty() || !FileExists(FileName)) throw ESqliteError(Format(SDatabaseFileMissing, {FileName}));
  sqlite3* db = nullptr;
  // A connection serves one thread at a time, so SQLite need not lock it on every call.
  int rc = sqlite3_open_v2(FileName.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  std::unique_ptr<TSqliteDatabase> result(new TSqliteDatabase(db, FileName));
  if (rc != SQLITE_OK) Fail(db, FileName);
  sqlite3_busy_timeout(db, 2000);
  sqlite3_extended_result_codes(db, 1);
  // A double-quoted name (a bracketed one of the dialect) that names nothing is an error, not text.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, static_cast<int*>(nullptr));
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, static_cast<int*>(nullptr));

  // The first read of the header tells a database from any other file.
  Integer appId = 0;
  sqlite3_stmt* stmt = nullptr;
  rc = sqlite3_prepare_v2(db, "PRAGMA application_id", -1, &stmt, nullptr);
  if (rc == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) appId = sqlite3_column_int(stmt, 0);
  else rc = sqlite3_errcode(db);
  sqlite3_finalize(stmt);
  if ((rc & 0xff) == SQLITE_NOTADB || (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) ||
      appId != ApplicationId)
    throw ESqliteError(Format(SNotADatabase, {FileName}));

  // A file of ours always has its password table, even when it holds no password.
  if (sqlite3_table_column_metadata(db, "main", "_db_password", nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr) != SQLITE_OK)
    throw ESqliteError(Format(SNotADatabase, {FileName}));
  TResultSet stored = result->Query("SELECT salt, digest FROM _db_password");
  if (stored.RowCount() > 0) {
    String salt = VarToStr(stored.Value(0, 0)), digest = VarToStr(stored.Value(0, 1));
    if (Sha256Hex(salt + Password) != digest) throw ESqliteError(SWrongPassword);
  }
  // Readers never wait for a writer, and a commit is on disk before it returns. A file that cannot
  // change its journal now (another program holds it) keeps the one it has.
  sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  ExecPlain(db, "PRAGMA synchronous=FULL");
  SqlFunctions::RegisterDialectFunctions(db, &result->FClock);
  return result;
}

TSqliteDatabase::~TSqliteDatabase() { sqlite3_close_v2(FHandle); }

// ---- Statements -----------------------------------------------------------------------------------------------
Integer TSqliteDatabase::Execute(const String& Sql, const TParamValues& Params) {
  TStatement stmt(FHandle, Sql);
  if (!stmt.Get()) return 0;  // blanks or a comment
  stmt.Bind(Params);
  TStatementRun run(FClock);
  int rc;
  while ((rc = sqlite3_step(stmt.Get())) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) Fail(FHandle);
  return sqlite3_changes(FHandle);
}

TResultSet TSqliteDatabase::Query(const String& Sql, const TParamValues& Params) {
  TResultSet result;
  TStatement stmt(FHandle, Sql);
  if (!stmt.Get()) throw ESqliteError(SNoResultSet);
  stmt.Bind(Params);
  int columns = sqlite3_column_count(stmt.Get());
  if (columns == 0) throw ESqliteError(SNoResultSet);
  for (int c = 0; c < columns; ++c) {
    TColumnInfo info;
    info.Name = sqlite3_column_name(stmt.Get(), c);
    if (const char* decl = sqlite3_column_decltype(stmt.Get(), c)) info.DeclType = decl;
    const char* table = sqlite3_column_table_name(stmt.Get(), c);
    const char* origin = sqlite3_column_origin_name(stmt.Get(), c);
    if (table && origin) {
      info.Table = table;
      int primaryKey = 0;
      sqlite3_table_column_metadata(FHandle, sqlite3_column_database_name(stmt.Get(), c), table, origin, nullptr,
                                    nullptr, nullptr, &primaryKey, nullptr);
      info.PrimaryKey = primaryKey != 0;
    }
    result.Columns.push_back(std::move(info));
  }
  TStatementRun run(FClock);
  int rc;
  const size_t count = static_cast<size_t>(columns);
  while ((rc = sqlite3_step(stmt.Get())) == SQLITE_ROW) {
    const size_t first = result.FCells.size();
    result.FCells.resize(first + count);
    for (size_t c = 0; c < count; ++c) {
      TResultSet::TCell& cell = result.FCells[first + c];
      const int col = static_cast<int>(c);
      const int type = sqlite3_column_type(stmt.Get(), col);
      if (type == SQLITE_INTEGER) {
        cell.Kind = TResultSet::ckInteger;
        cell.Int = sqlite3_column_int64(stmt.Get(), col);
      } else if (type == SQLITE_FLOAT) {
        cell.Kind = TResultSet::ckFloat;
        cell.Float = sqlite3_column_double(stmt.Get(), col);
      } else if (type == SQLITE_TEXT || type == SQLITE_BLOB) {
        const void* data = type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(stmt.Get(), col))
                                               : sqlite3_column_blob(stmt.Get(), col);
        cell.Kind = type == SQLITE_TEXT ? TResultSet::ckText : TResultSet::ckBlob;
        cell.Offset = result.FBytes.size();
        cell.Length = data ? static_cast<unsigned>(sqlite3_column_bytes(stmt.Get(), col)) : 0;
        if (cell.Length) result.FBytes.append(static_cast<const char*>(data), cell.Length);
      }
    }
  }
  if (rc != SQLITE_DONE) Fail(FHandle);
  return result;
}

Variant TResultSet::Value(size_t Row, size_t Col) const {
  const TCell& cell = Cell(Row, Col);
  switch (cell.Kind) {
    case ckInteger:
      if (cell.Int >= INT32_MIN && cell.Int <= INT32_MAX) return Variant(static_cast<Integer>(cell.Int));
      return Variant(cell.Int);
    case ckFloat:
      return Variant(cell.Float);
    case ckText:
    case ckBlob:
      return Variant(FBytes.substr(cell.Offset, cell.Length));
    default:
      return Null();
  }
}

// ---- Transactions -------------------------------------------------------------------------------------------
Integer TSqliteDatabase::BeginTransaction() {
  if (FTransactionLevel == 0) ExecPlain(FHandle, "BEGIN IMMEDIATE");
  else ExecPlain(FHandle, ("SAVEPOINT at_level_" + IntToStr(FTransactionLevel + 1)).c_str());
  return ++FTransactionLevel;
}

void TSqliteDatabase::CommitTransaction() { EndTransaction(true); }
void TSqliteDatabase::RollbackTransaction() { EndTransaction(false); }

void TSqliteDatabase::EndTransaction(bool Commit) {
  if (FTransactionLevel == 0) throw ESqliteError(SNoActiveTransaction);
  if (FTransactionLevel == 1) {
    if (!Commit) {
      sqlite3_exec(FHandle, "ROLLBACK", nullptr, nullptr, nullptr);
    } else if (sqlite3_exec(FHandle, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
      // A commit that cannot finish leaves nothing half done: the transaction is rolled back.
      String message = sqlite3_errmsg(FHandle);
      sqlite3_exec(FHandle, "ROLLBACK", nullptr, nullptr, nullptr);
      FTransactionLevel = 0;
      throw ESqliteError(message);
    }
  } else {
    String name = "at_level_" + IntToStr(FTransactionLevel);
    if (!Commit) ExecPlain(FHandle, ("ROLLBACK TO " + name).c_str());
    ExecPlain(FHandle, ("RELEASE " + name).c_str());
  }
  --FTransactionLevel;
}

// ---- Creating ---------------------------------------------------------------------------------------------
void CreateDatabaseFile(const String& FileName, const String& Password, const std::vector<String>& Statements,
                        bool Overwrite) {
  if (FileExists(FileName)) {
    if (!Overwrite) throw ESqliteError(Format(SDatabaseExists, {FileName}));
    if (!DeleteFile(FileName)) throw ESqliteError(Format(SysConst::SFCreateError, {FileName}));
  }
  // A log left by an earlier file of that name must not be read into the new one.
  DeleteLogFiles(FileName);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(FileName.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    String msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close_v2(db);
    throw ESqliteError(FileName + ": " + msg);
  }
  try {
    ExecPlain(db, "PRAGMA journal_mode=WAL");
    ExecPlain(db, "BEGIN");
    try {
      ExecPlain(db, ("PRAGMA application_id = " + IntToStr(ApplicationId)).c_str());
      ExecPlain(db, "CREATE TABLE _db_password (salt TEXT NOT NULL, digest TEXT NOT NULL)");
      if (!Password.empty()) {
        String salt = RandomSalt();
        String insert = "INSERT INTO _db_password VALUES (" + QuotedStr(salt) + ", " +
                        QuotedStr(Sha256Hex(salt + Password)) + ")";
        ExecPlain(db, insert.c_str());
      }
      for (const String& sql : Statements) ExecPlain(db, sql.c_str());
      ExecPlain(db, "COMMIT");
    } catch (...) {
      sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  } catch (...) {
    sqlite3_close_v2(db);
    DeleteFile(FileName);
    DeleteLogFiles(FileName);
    throw;
  }
  sqlite3_close_v2(db);
}

}  // namespace SqliteDatabase
