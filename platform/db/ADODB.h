// The ADO-like connection and query components over the application's SQLite database files.
//
// TADOConnection reads its ConnectionString as the application writes it: "Provider=...;
// Data Source='<file>';Persist Security Info=False;Jet OLEDB:Database Password=<password>" (keys
// are case-insensitive, values may be quoted with ' or "). Opening checks the file (it must exist:
// it is never created), its kind and its password. A query connects its connection when it opens.
//
// TADOQuery runs the statement in SQL, in the application's dialect (SqlDialect.h), with the
// values of Parameters for its ":name" parameters (bound by their DataType where they have one).
// The text holds one statement. Opening reads every row into the dataset's records (a static
// client-side cursor, read-only: CanModify is False); ExecSQL runs a statement that returns no rows.
// A record's bookmark stays with it through Refresh when the rows carry their table's primary key
// (otherwise the values of their table columns tell them apart).
#pragma once

#include "DB.h"

namespace StringLists {
class TStrings;
class TStringList;
}  // namespace StringLists

namespace SqliteDatabase {
class TSqliteDatabase;
struct TParamValue;
}

namespace ADODB {

DECLARE_EXCEPTION(EADOError, EDatabaseError)

class TADOQuery;

// The value of Key in a connection string ("" when absent).
String ConnectionStringValue(const String& ConnectionString, const String& Key);

class TParameter : public TCollectionItem {
  DECLARE_CLASS(TParameter, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  const String& GetName() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  const Variant& GetValue() const { return FValue; }
  void SetValue(const Variant& Value) { FValue = Value; }
  TFieldType GetDataType() const { return FDataType; }
  void SetDataType(TFieldType Value) { FDataType = Value; }
  String GetDisplayName() override { return FName; }

 private:
  String FName;
  Variant FValue;
  TFieldType FDataType = ftUnknown;
};

class TParameters : public TOwnedCollection {
  DECLARE_CLASS(TParameters, TOwnedCollection)
 public:
  explicit TParameters(TPersistent* Owner = nullptr) : TOwnedCollection(Owner, TParameter::StaticClass()) {}
  TParameter* GetItem(Integer Index) const { return static_cast<TParameter*>(TCollection::GetItem(Index)); }
  TParameter* operator[](Integer Index) const { return GetItem(Index); }
  TParameter* AddParameter() { return static_cast<TParameter*>(Add()); }
  TParameter* FindParam(const String& Name) const;  // case-insensitive; null when none
  TParameter* ParamByName(const String& Name) const;  // raises "Parameter '%s' not found"
  // Makes the parameter list that of Sql: parameters that keep their name keep their value and type.
  void ParseSQL(const String& Sql);
};

class TADOConnection : public TComponent {
  DECLARE_CLASS(TADOConnection, TComponent)
 public:
  using TComponent::TComponent;
  const WideString& GetConnectionString() const { return FConnectionString; }
  void SetConnectionString(const WideString& Value);
  bool GetLoginPrompt() const { return FLoginPrompt; }
  void SetLoginPrompt(bool Value) { FLoginPrompt = Value; }
  bool GetConnected() const { return FDatabase != nullptr; }
  void SetConnected(bool Value);
  void Open();
  void Close();  // closes the queries that use it first
  // Runs a statement that returns no rows; answers the rows changed.
  Integer Execute(const String& CommandText);
  // The statements run between BeginTrans and CommitTrans take effect together; RollbackTrans (or
  // closing the connection first) undoes them all. Transactions nest: BeginTrans answers the new
  // level. Committing or rolling back with none active raises EADOError.
  Integer BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  bool InTransaction() const;
  Integer DataSetCount() const { return static_cast<Integer>(FDataSets.size()); }
  TADOQuery* DataSets(Integer Index) const { return FDataSets.at(static_cast<size_t>(Index)); }
  // The open database, connecting first when needed.
  SqliteDatabase::TSqliteDatabase* Database();

  TNotifyEvent AfterConnect, AfterDisconnect;

 protected:
  friend class TADOQuery;
  void Destroy() override;
  void Loaded() override;

 private:
  WideString FConnectionString;
  SqliteDatabase::TSqliteDatabase* FDatabase = nullptr;  // owned; deleted by Close
  std::vector<TADOQuery*> FDataSets;
  bool FLoginPrompt = true;
  bool FStreamedConnected = false;
};

class TADOQuery : public TDataSet {
  DECLARE_CLASS(TADOQuery, TDataSet)
 public:
  using TDataSet::TDataSet;
  TADOConnection* GetConnection() const { return FConnection; }
  void SetConnection(TADOConnection* Value);
  StringLists::TStrings* SQL() const;
  void SetSQL(StringLists::TStrings* Value);
  TParameters* GetParameters() const { return FParameters; }
  void SetParameters(TParameters* Value);
  bool GetParamCheck() const { return FParamCheck; }
  void SetParamCheck(bool Value) { FParamCheck = Value; }
  Integer ExecSQL();
  Integer RowsAffected() const { return FRowsAffected; }
  bool CanModify() const override { return false; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void InternalOpen() override;
  void InternalRefresh() override;

 private:
  void SQLChanged(TObject* Sender);
  void FetchRows();
  String StatementText() const;
  std::vector<SqliteDatabase::TParamValue> ParamValues() const;

  TADOConnection* FConnection = nullptr;
  StringLists::TStringList* FSQL = nullptr;
  TParameters* FParameters = nullptr;
  Integer FRowsAffected = 0;
  bool FParamCheck = true;
};

}  // namespace ADODB

using namespace ADODB;
