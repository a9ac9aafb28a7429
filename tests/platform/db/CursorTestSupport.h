// The fixture of the engine cursor and table tests: a fresh database file holding a small table
// of items (an index on its names), a table of categories, and a table with a column of every
// field kind; a connection to it, a second connection standing for another program, and helpers
// that open a table and read a cursor's records.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "ADODB.h"
#include "DB.h"
#include "EngineCursor.h"
#include "Multibyte.h"
#include "NativeFields.h"
#include "SqliteDatabase.h"
#include "Table.h"

namespace CursorTest {

inline const char* const CursorSchema[] = {
    "CREATE TABLE items (id INTEGER PRIMARY KEY, name VARCHAR(20), qty INTEGER, cat INTEGER, note MEMO, pic BLOB)",
    "CREATE INDEX ix_name ON items(name)",
    "INSERT INTO items (id, name, qty, cat) VALUES (1, 'delta', 4, 1), (2, 'alpha', 1, 1), (3, 'echo', 5, 2), "
    "(4, 'charlie', 3, 2), (5, 'bravo', 2, 1)",
    "CREATE TABLE cats (id INTEGER PRIMARY KEY, title VARCHAR(20))",
    "INSERT INTO cats VALUES (1, 'one'), (2, 'two'), (3, 'three')",
    "CREATE TABLE forms (id INTEGER PRIMARY KEY, s VARCHAR(8), si SMALLINT, w WORD, i INTEGER, f FLOAT, c CURRENCY, "
    "b DECIMAL(18,2), yes BOOLEAN, d DATE, t TIME, dt DATETIME, bin BINARY(4), vbin VARBINARY(6), m MEMO, g GRAPHIC)",
};

// The names of items in name order, with their row ids.
inline const char* const NamesInOrder[] = {"alpha", "bravo", "charlie", "delta", "echo"};

inline WideString CursorConnectionFor(const String& file) {
  return Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + file + "';Persist Security Info=False");
}

class CursorFixture : public testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/at-cursor-XXXXXX";
    Dir = mkdtemp(templ);
    File = Dir + "/cursor.db";
    CreateDatabaseFile(File, "", std::vector<String>(std::begin(CursorSchema), std::end(CursorSchema)), false);
    Owner = New<TComponent>(nullptr);
    Con = NewConnection();
    Other = NewConnection();
  }
  void TearDown() override {
    Owner->Free();
    std::filesystem::remove_all(Dir);
  }
  TADOConnection* NewConnection() {
    TADOConnection* c = New<TADOConnection>(Owner);
    c->SetLoginPrompt(false);
    c->SetConnectionString(CursorConnectionFor(File));
    return c;
  }
  TTable* OpenTable(const String& name, const String& indexFieldNames = String()) {
    TTable* t = New<TTable>(Owner);
    t->SetConnection(Con);
    t->SetTableName(name);
    t->SetIndexFieldNames(indexFieldNames);
    t->Open();
    return t;
  }
  // A record buffer sized for Cursor, every field blank.
  static std::vector<Byte> NewRecord(const TEngineCursor& cursor) {
    std::vector<Byte> record(static_cast<size_t>(cursor.GetProps().RecordSize));
    cursor.InitRecord(record.data());
    return record;
  }
  // The value of field FieldNo of Record, Null when blank.
  static Variant FieldOf(const TEngineCursor& cursor, const std::vector<Byte>& record, Integer fieldNo) {
    const TCursorFieldDesc& f = cursor.Source().Fields[static_cast<size_t>(fieldNo - 1)];
    std::vector<Byte> native(static_cast<size_t>(std::max(1, NativeFields::NativeSize(f.DataType, f.Size))));
    bool blank = true;
    CheckCursorResult(cursor.GetField(fieldNo, record.data(), native.data(), blank));
    return blank ? Null() : NativeFields::NativeToValue(f.DataType, f.Size, native.data());
  }
  // Steps Cursor forward to the end, giving field FieldNo of every record read.
  static std::vector<String> ReadForward(TEngineCursor& cursor, Integer fieldNo = 2) {
    std::vector<String> seen;
    std::vector<Byte> record = NewRecord(cursor);
    while (cursor.GetNextRecord(record.data(), nullptr) == crOk) seen.push_back(VarToStr(FieldOf(cursor, record, fieldNo)));
    return seen;
  }

  String Dir, File;
  TComponent* Owner = nullptr;
  TADOConnection* Con = nullptr;
  TADOConnection* Other = nullptr;  // another program's connection to the same file
};

}  // namespace CursorTest
