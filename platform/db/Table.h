// TTable: a cursor dataset over one table of a TADOConnection's database, all its columns, in the
// order of an index: IndexName names one of the table's indexes, IndexFieldNames ("a;b") gives the
// fields themselves; setting either clears the other, and with neither the order is the row id.
// Changing the order while open re-reads the records in the new order (bookmarks then compare in
// it; CurrentBookmarkOf translates an older bookmark).
//
// A detail table: with MasterSource and MasterFields ("a;b"), only the records whose first index
// fields equal the master record's MasterFields are read, again whenever the master moves to a
// record with other values.
//
// Posts and deletes write the table at once through the connection. Column types come from their
// declared types (TableFieldType).
#pragma once

#include "CursorDataSet.h"

namespace ADODB {
class TADOConnection;
}

namespace Table {

// The field type and size a declared column type stands for ("VARCHAR(20)" gives ftString, 20).
TFieldType TableFieldType(const String& DeclaredType, Integer& Size);

class TTable : public TCursorDataSet {
  DECLARE_CLASS(TTable, TCursorDataSet)
 public:
  using TCursorDataSet::TCursorDataSet;

  ADODB::TADOConnection* GetConnection() const { return FConnection; }
  void SetConnection(ADODB::TADOConnection* Value);
  const String& GetTableName() const { return FTableName; }
  void SetTableName(const String& Value);  // while closed
  const String& GetIndexName() const { return FIndexName; }
  void SetIndexName(const String& Value);
  const String& GetIndexFieldNames() const { return FIndexFieldNames; }
  void SetIndexFieldNames(const String& Value);
  // The fields of the current order (empty in row id order); raises for an unknown index or field.
  Integer IndexFieldCount() const;
  TField* IndexFields(Integer Index) const;

  // Moves to the first record whose first index fields equal KeyValues; false (not moved) when none.
  bool FindKey(const std::vector<Variant>& KeyValues);
  // Moves to the first record whose first index fields are >= KeyValues (the last when none is).
  void FindNearest(const std::vector<Variant>& KeyValues);

  TDataSource* GetMasterSource() const;
  void SetMasterSource(TDataSource* Value);
  const String& GetMasterFields() const { return FMasterFields; }
  void SetMasterFields(const String& Value);

 protected:
  void Construct() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  EngineCursor::TCursorSource CursorSource() const override;
  void InternalOpen() override;

 private:
  class TMasterLink;
  friend class TMasterLink;
  std::vector<Integer> OrderFieldNos() const;
  std::vector<Variant> MasterValues() const;
  void MasterChanged();
  void OrderChanged();
  bool SeekKey(const std::vector<Variant>& KeyValues, bool Exact);

  ADODB::TADOConnection* FConnection = nullptr;
  String FTableName;
  String FIndexName;
  String FIndexFieldNames;
  String FMasterFields;
  TMasterLink* FMasterLink = nullptr;  // owned
  std::vector<Variant> FRangeValues;   // the master values the records were read for
};

}  // namespace Table

using namespace Table;
