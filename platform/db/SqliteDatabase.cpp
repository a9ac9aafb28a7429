// Opening, checking, querying and creating the application's database files (see SqliteDatabase.h).
#include "SqliteDatabase.h"

#include <sqlite3.h>

#include <cstdio>
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

// A prepared statement, finalised however the scope ends.
class TStatement {
 public:
  TStatement(sqlite3* db, const char*& tail) : FDb(db) {
    if (sqlite3_prepare_v2(db, tail, -1, &FStmt, &tail) != SQLITE_OK) Fail(db);
  }
  ~TStatement() { sqlite3_finalize(FStmt); }
  sqlite3_stmt* Get() const { return FStmt; }
  void Bind(const TParamValues& params) {
    int count = sqlite3_bind_parameter_count(FStmt);
    size_t next = 0;  // unnamed values are taken in order
    for (int i = 1; i <= count; ++i) {
      const char* raw = sqlite3_bind_parameter_name(FStmt, i);
      const Variant* value = nullptr;
      if (raw && raw[0] != '?') {
        String name = raw + 1;
        for (const auto& p : params)
          if (AnsiSameText(p.first, name)) value = &p.second;
        if (!value) throw ESqliteError(Format(SParameterNotFound, {name}));
      } else {
        while (next < params.size() && !params[next].first.empty()) ++next;
        if (next >= params.size()) throw ESqliteError(Format(SParameterNotFound, {IntToStr(i)}));
        value = &params[next++].second;
      }
      BindValue(i, *value);
    }
  }

 private:
  void BindValue(int i, const Variant& v) {
    int rc;
    TVarType t = VarType(v);
    if (t == varEmpty || t == varNull)
      rc = sqlite3_bind_null(FStmt, i);
    else if (t == varBoolean)
      rc = sqlite3_bind_int(FStmt, i, v.ToBoolean() ? 1 : 0);
    else if (VarIsOrdinal(v))
      rc = sqlite3_bind_int64(FStmt, i, v.ToInt64());
    else if (t == varDate) {
      String text = SqlFunctions::DialectDateTimeText(v.ToDateTime());
      rc = sqlite3_bind_text(FStmt, i, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } else if (VarIsFloat(v))
      rc = sqlite3_bind_double(FStmt, i, v.ToDouble());
    else {
      String text = VarToStr(v);
      rc = sqlite3_bind_text(FStmt, i, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) Fail(FDb);
  }

  sqlite3* FDb;
  sqlite3_stmt* FStmt = nullptr;
};

Variant ColumnValue(sqlite3_stmt* stmt, int col) {
  switch (sqlite3_column_type(stmt, col)) {
    case SQLITE_INTEGER: {
      Int64 v = sqlite3_column_int64(stmt, col);
      if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<Integer>(v));
      return Variant(v);
    }
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(stmt, col));
    case SQLITE_TEXT:
      return Variant(String(reinterpret_cast<const char*>(sqlite3_column_text(stmt, col)),
                            static_cast<size_t>(sqlite3_column_bytes(stmt, col))));
    case SQLITE_BLOB: {
      const char* data = static_cast<const char*>(sqlite3_column_blob(stmt, col));
      return Variant(String(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(stmt, col))));
    }
    default:
      return Null();
  }
}

void ExecPlain(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(db);
}

// Runs Body inside a savepoint: released when it succeeds, rolled back when it raises.
template <class F>
void InTransaction(sqlite3* db, F&& body) {
  ExecPlain(db, "SAVEPOINT at_statement");
  try {
    body();
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK TO at_statement; RELEASE at_statement", nullptr, nullptr, nullptr);
    throw;
  }
  ExecPlain(db, "RELEASE at_statement");
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
  int rc = sqlite3_open_v2(FileName.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<TSqliteDatabase> result(new TSqliteDatabase(db, FileName));
  if (rc != SQLITE_OK) Fail(db, FileName);
  sqlite3_busy_timeout(db, 2000);
  sqlite3_extended_result_codes(db, 1);

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

  TResultSet stored = result->Query("SELECT salt, digest FROM _db_password");
  if (!stored.Rows.empty()) {
    String salt = VarToStr(stored.Rows[0][0]), digest = VarToStr(stored.Rows[0][1]);
    if (Sha256Hex(salt + Password) != digest) throw ESqliteError(SWrongPassword);
  }
  SqlFunctions::RegisterDialectFunctions(db);
  return result;
}

TSqliteDatabase::~TSqliteDatabase() { sqlite3_close_v2(FHandle); }

// ---- Statements -----------------------------------------------------------------------------------------------
Integer TSqliteDatabase::Execute(const String& Sql, const TParamValues& Params) {
  Integer changed = 0;
  InTransaction(FHandle, [&] {
    const char* tail = Sql.c_str();
    while (*tail) {
      TStatement stmt(FHandle, tail);
      if (!stmt.Get()) continue;  // blanks or a comment
      stmt.Bind(Params);
      int rc;
      while ((rc = sqlite3_step(stmt.Get())) == SQLITE_ROW) {
      }
      if (rc != SQLITE_DONE) Fail(FHandle);
      changed = sqlite3_changes(FHandle);
    }
  });
  return changed;
}

TResultSet TSqliteDatabase::Query(const String& Sql, const TParamValues& Params) {
  TResultSet result;
  const char* tail = Sql.c_str();
  TStatement stmt(FHandle, tail);
  if (!stmt.Get()) throw ESqliteError(SNoResultSet);
  stmt.Bind(Params);
  int columns = sqlite3_column_count(stmt.Get());
  if (columns == 0) throw ESqliteError(SNoResultSet);
  for (int c = 0; c < columns; ++c) {
    const char* decl = sqlite3_column_decltype(stmt.Get(), c);
    result.Columns.push_back({sqlite3_column_name(stmt.Get(), c), decl ? decl : ""});
  }
  int rc;
  while ((rc = sqlite3_step(stmt.Get())) == SQLITE_ROW) {
    std::vector<Variant> row;
    row.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(ColumnValue(stmt.Get(), c));
    result.Rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) Fail(FHandle);
  return result;
}

// ---- Creating ---------------------------------------------------------------------------------------------
void CreateDatabaseFile(const String& FileName, const String& Password, const std::vector<String>& Statements,
                        bool Overwrite) {
  if (FileExists(FileName)) {
    if (!Overwrite) throw ESqliteError(Format(SDatabaseExists, {FileName}));
    if (!DeleteFile(FileName)) throw ESqliteError(Format(SysConst::SFCreateError, {FileName}));
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(FileName.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
    String msg = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close_v2(db);
    throw ESqliteError(FileName + ": " + msg);
  }
  try {
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
    throw;
  }
  sqlite3_close_v2(db);
}

}  // namespace SqliteDatabase
