// TADOConnection, TADOQuery and their parameters over SQLite.
#include "ADODB.h"

#include <algorithm>

#include "DBConsts.h"
#include "Format.h"
#include "Multibyte.h"
#include "SqlDialect.h"
#include "SqliteDatabase.h"
#include "StringLists.h"
#include "Strings.h"
#include "TypInfo.h"

namespace ADODB {

using namespace DBConsts;

namespace {

// Runs Body, giving a database failure the component's name.
template <class F>
auto Guarded(TComponent* component, F&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const EADOError&) {
    throw;
  } catch (const EDatabaseError& e) {
    if (component && !component->GetName().empty()) throw EADOError(component->GetName() + ": " + e.Message());
    throw EADOError(e.Message());
  }
}

TFieldType TypeOfDeclared(const String& decl, Integer& size) {
  String u = UpperCase(decl);
  auto has = [&](const char* part) { return u.find(part) != String::npos; };
  size = 0;
  if (has("INT")) return ftInteger;
  if (has("MEMO") || has("LONGTEXT")) return ftMemo;
  if (has("CHAR") || has("CLOB") || has("TEXT")) {
    size_t open = u.find('(');
    size = open == String::npos ? 255 : StrToIntDef(Trim(u.substr(open + 1, u.find(')', open) - open - 1)), 255);
    return ftString;
  }
  if (has("BLOB") || has("BINARY") || has("IMAGE") || has("OLEOBJECT")) return ftBlob;
  if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL")) return ftFloat;
  if (has("BOOL") || has("BIT") || has("YESNO")) return ftBoolean;
  if (has("MONEY") || has("CURRENCY")) return ftCurrency;
  if (has("DATE") || has("TIME")) return ftDateTime;
  size = 255;
  return ftString;
}

// An expression column takes the type its values share: whole numbers, numbers, or text.
TFieldType TypeOfValues(const SqliteDatabase::TResultSet& result, size_t col, Integer& size) {
  using TResultSet = SqliteDatabase::TResultSet;
  bool allOrdinal = true, allNumeric = true;
  size = 1;
  for (size_t row = 0; row < result.RowCount(); ++row) {
    const TResultSet::TCell& cell = result.Cell(row, col);
    if (cell.Kind == TResultSet::ckNull || cell.Kind == TResultSet::ckInteger) continue;
    allOrdinal = false;
    if (cell.Kind == TResultSet::ckFloat) continue;
    allNumeric = false;
    size = std::max<Integer>(size, static_cast<Integer>(cell.Length));
  }
  if (allOrdinal) return ftInteger;
  if (allNumeric) return ftFloat;
  size = std::max<Integer>(size, 255);
  return ftString;
}

// The query's rows as SQLite gave them, read into a record when it is first read; a column of
// text gives its numbers as text.
class TQueryRows : public TFetchedRows {
 public:
  TQueryRows(SqliteDatabase::TResultSet&& Result, std::vector<bool>&& AsText)
      : FResult(std::move(Result)), FAsText(std::move(AsText)) {}
  void ReadRow(size_t Row, std::vector<Variant>& Values) const override {
    for (size_t c = 0; c < FAsText.size(); ++c) {
      Variant value = FResult.Value(Row, c);
      if (FAsText[c] && !VarIsNull(value) && !VarIsStr(value)) value = VarToStr(value);
      Values[c] = std::move(value);
    }
  }

 private:
  SqliteDatabase::TResultSet FResult;
  std::vector<bool> FAsText;
};

}  // namespace

String ConnectionStringValue(const String& ConnectionString, const String& Key) {
  size_t i = 0, n = ConnectionString.size();
  while (i < n) {
    size_t eq = ConnectionString.find('=', i);
    if (eq == String::npos) break;
    String key = Trim(ConnectionString.substr(i, eq - i));
    size_t j = eq + 1;
    while (j < n && ConnectionString[j] == ' ') ++j;
    String value;
    if (j < n && (ConnectionString[j] == '\'' || ConnectionString[j] == '"')) {
      char quote = ConnectionString[j++];
      while (j < n) {
        if (ConnectionString[j] == quote) {
          if (j + 1 < n && ConnectionString[j + 1] == quote) {
            value += quote;
            j += 2;
            continue;
          }
          ++j;
          break;
        }
        value += ConnectionString[j++];
      }
      size_t semi = ConnectionString.find(';', j);
      i = semi == String::npos ? n : semi + 1;
    } else {
      size_t semi = ConnectionString.find(';', j);
      value = Trim(ConnectionString.substr(j, semi == String::npos ? String::npos : semi - j));
      i = semi == String::npos ? n : semi + 1;
    }
    if (SameText(key, Key)) return value;
  }
  return String();
}

// ---- Parameters ---------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TParameter)
IMPLEMENT_CLASS(TParameters)

TParameter* TParameters::FindParam(const String& Name) const {
  for (Integer i = 0; i < Count(); ++i)
    if (SameText(GetItem(i)->GetName(), Name)) return GetItem(i);
  return nullptr;
}

TParameter* TParameters::ParamByName(const String& Name) const {
  TParameter* p = FindParam(Name);
  if (!p) throw EADOError(Format(SParameterNotFound, {Name}));
  return p;
}

void TParameters::ParseSQL(const String& Sql) {
  struct TKept {
    String Name;
    Variant Value;
    TFieldType DataType;
  };
  std::vector<TKept> kept;
  for (Integer i = 0; i < Count(); ++i)
    kept.push_back({GetItem(i)->GetName(), GetItem(i)->GetValue(), GetItem(i)->GetDataType()});
  BeginUpdate();
  Clear();
  for (const String& name : SqlDialect::ParameterNames(Sql)) {
    TParameter* p = AddParameter();
    p->SetName(name);
    for (const TKept& k : kept)
      if (SameText(k.Name, name)) {
        p->SetValue(k.Value);
        p->SetDataType(k.DataType);
      }
  }
  EndUpdate();
}

// ---- TADOConnection -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TADOConnection) {
  d.Property("ConnectionString", &TADOConnection::GetConnectionString, &TADOConnection::SetConnectionString);
  d.Property("LoginPrompt", &TADOConnection::GetLoginPrompt, &TADOConnection::SetLoginPrompt).Default(1);
  d.Property("Connected", &TADOConnection::GetConnected, &TADOConnection::SetConnected).Default(0);
}

void TADOConnection::Destroy() {
  Close();
  for (TADOQuery* q : std::vector<TADOQuery*>(FDataSets)) q->SetConnection(nullptr);
  inherited::Destroy();
}

void TADOConnection::Loaded() {
  inherited::Loaded();
  if (FStreamedConnected) {
    FStreamedConnected = false;
    Open();
  }
}

void TADOConnection::SetConnectionString(const WideString& Value) {
  if (Value == FConnectionString) return;
  Close();
  FConnectionString = Value;
}

void TADOConnection::SetConnected(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    FStreamedConnected = Value;
    return;
  }
  if (Value)
    Open();
  else
    Close();
}

void TADOConnection::Open() {
  if (FDatabase) return;
  String text = WideToUtf8(FConnectionString);
  String file = ConnectionStringValue(text, "Data Source");
  if (file.empty()) throw EADOError(SMissingConnection);
  String password = ConnectionStringValue(text, "Jet OLEDB:Database Password");
  Guarded(this, [&] { FDatabase = SqliteDatabase::TSqliteDatabase::Open(file, password).release(); });
  if (AfterConnect) AfterConnect(this);
}

void TADOConnection::Close() {
  if (!FDatabase) return;
  for (TADOQuery* q : std::vector<TADOQuery*>(FDataSets)) q->Close();
  delete FDatabase;
  FDatabase = nullptr;
  if (AfterDisconnect && !ComponentState().Contains(csDestroying)) AfterDisconnect(this);
}

SqliteDatabase::TSqliteDatabase* TADOConnection::Database() {
  Open();
  return FDatabase;
}

Integer TADOConnection::Execute(const String& CommandText) {
  SqliteDatabase::TSqliteDatabase* db = Database();
  return Guarded(this, [&] { return db->Execute(SqlDialect::TranslateSql(CommandText)); });
}

Integer TADOConnection::BeginTrans() {
  SqliteDatabase::TSqliteDatabase* db = Database();
  return Guarded(this, [&] { return db->BeginTransaction(); });
}

void TADOConnection::CommitTrans() {
  if (!FDatabase) throw EADOError(SNoActiveTransaction);
  Guarded(this, [&] { FDatabase->CommitTransaction(); });
}

void TADOConnection::RollbackTrans() {
  if (!FDatabase) throw EADOError(SNoActiveTransaction);
  Guarded(this, [&] { FDatabase->RollbackTransaction(); });
}

bool TADOConnection::InTransaction() const { return FDatabase && FDatabase->TransactionLevel() > 0; }

// ---- TADOQuery ------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TADOQuery) {
  d.Property("Connection", &TADOQuery::GetConnection, &TADOQuery::SetConnection);
  d.Property("ParamCheck", &TADOQuery::GetParamCheck, &TADOQuery::SetParamCheck).Default(1);
  d.Property("Parameters", &TADOQuery::GetParameters, &TADOQuery::SetParameters);
  d.Property("SQL", &TADOQuery::SQL, &TADOQuery::SetSQL);
}

void TADOQuery::Construct() {
  inherited::Construct();
  FSQL = New<TStringList>();
  FSQL->OnChange = TNotifyEvent(this, &TADOQuery::SQLChanged);
  FParameters = New<TParameters>(this);
}

void TADOQuery::Destroy() {
  Destroying();
  try {
    Close();
  } catch (...) {
  }
  SetConnection(nullptr);
  inherited::Destroy();
  FreeAndNil(FSQL);
  FreeAndNil(FParameters);
}

void TADOQuery::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FConnection) {
    auto& list = FConnection->FDataSets;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    FConnection = nullptr;
  }
}

void TADOQuery::SetConnection(TADOConnection* Value) {
  if (Value == FConnection) return;
  Close();
  if (FConnection) {
    auto& list = FConnection->FDataSets;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    FConnection->RemoveFreeNotification(this);
  }
  FConnection = Value;
  if (FConnection) {
    FConnection->FDataSets.push_back(this);
    FConnection->FreeNotification(this);
  }
}

StringLists::TStrings* TADOQuery::SQL() const { return FSQL; }

void TADOQuery::SetSQL(StringLists::TStrings* Value) { FSQL->Assign(Value); }

void TADOQuery::SetParameters(TParameters* Value) { FParameters->Assign(Value); }

void TADOQuery::SQLChanged(TObject*) {
  if (ComponentState().Contains(csDestroying)) return;
  Close();
  if (FParamCheck) FParameters->ParseSQL(FSQL->GetText());
}

String TADOQuery::StatementText() const {
  String text = FSQL->GetText();
  if (Trim(text).empty()) DatabaseError(SMissingSQL, const_cast<TADOQuery*>(this));
  return SqlDialect::TranslateSql(text);
}

SqliteDatabase::TParamValues TADOQuery::ParamValues() const {
  SqliteDatabase::TParamValues params;
  params.reserve(static_cast<size_t>(FParameters->Count()));
  for (Integer i = 0; i < FParameters->Count(); ++i) {
    const TParameter* p = FParameters->GetItem(i);
    params.push_back({p->GetName(), p->GetValue(), p->GetDataType()});
  }
  return params;
}

Integer TADOQuery::ExecSQL() {
  if (!FConnection) DatabaseError(SMissingConnection, this);
  String sql = StatementText();
  SqliteDatabase::TParamValues params = ParamValues();
  SqliteDatabase::TSqliteDatabase* db = Guarded(this, [&] { return FConnection->Database(); });
  FRowsAffected = Guarded(this, [&] { return db->Execute(sql, params); });
  return FRowsAffected;
}

void TADOQuery::InternalOpen() {
  if (!FConnection) DatabaseError(SMissingConnection, this);
  FieldDefs()->Clear();
  FetchRows();
}

void TADOQuery::InternalRefresh() {
  ClearRecords();
  FetchRows();
}

void TADOQuery::FetchRows() {
  String sql = StatementText();
  SqliteDatabase::TParamValues params = ParamValues();
  SqliteDatabase::TSqliteDatabase* db = Guarded(this, [&] { return FConnection->Database(); });
  SqliteDatabase::TResultSet result = Guarded(this, [&] { return db->Query(sql, params); });

  // A record is known by its table's key where the rows carry it, else by its table columns.
  std::vector<Integer> keyColumns, tableColumns;
  for (size_t c = 0; c < result.Columns.size(); ++c) {
    if (result.Columns[c].PrimaryKey) keyColumns.push_back(static_cast<Integer>(c));
    if (!result.Columns[c].Table.empty()) tableColumns.push_back(static_cast<Integer>(c));
  }
  SetRecordIdentity(keyColumns.empty() ? std::move(tableColumns) : std::move(keyColumns));

  bool defining = FieldDefs()->Count() == 0;
  std::vector<bool> asText(result.Columns.size());
  for (size_t c = 0; c < result.Columns.size(); ++c) {
    Integer size;
    const auto& column = result.Columns[c];
    TFieldType type = column.DeclType.empty() ? TypeOfValues(result, c, size) : TypeOfDeclared(column.DeclType, size);
    asText[c] = type == ftString || type == ftMemo;
    if (!defining) continue;
    // Two columns of one name: the later ones are told apart by a number.
    String name = column.Name;
    for (Integer n = 1; FieldDefs()->IndexOf(name) >= 0; ++n) name = column.Name + "_" + IntToStr(n);
    FieldDefs()->Add(name, type, size);
  }
  const size_t rows = result.RowCount();
  AppendFetchedRows(std::make_unique<TQueryRows>(std::move(result), std::move(asText)), rows);
}

}  // namespace ADODB
