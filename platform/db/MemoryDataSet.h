// TMemoryDataSet: a dataset whose records live in memory, for lists that no database holds and for
// tests of data-bound controls. Define the fields (FieldDefs) while closed, add rows with AddRow at
// any time; the rows stay while the dataset is closed.
#pragma once

#include "DB.h"

namespace MemoryDataSet {

class TMemoryDataSet : public TDataSet {
  DECLARE_CLASS(TMemoryDataSet, TDataSet)
 public:
  using TDataSet::TDataSet;
  // Adds a row of data values in FieldDefs order (missing values are Null); while open it is
  // appended to the records and the links are told of the change.
  void AddRow(std::initializer_list<Variant> Values);
  Integer RowCount() const { return static_cast<Integer>(FRows.size()); }
  void ClearRows();
  bool GetCanModifyRows() const { return FCanModifyRows; }
  void SetCanModifyRows(bool Value) { FCanModifyRows = Value; }
  bool CanModify() const override { return FCanModifyRows && TDataSet::CanModify(); }

 protected:
  void InternalOpen() override;
  void InternalPost(Integer Position, bool Inserting, const std::vector<Variant>& Values) override;
  void InternalDelete(Integer Position) override;
  void InternalRefresh() override;

 private:
  std::vector<std::vector<Variant>> FRows;
  bool FCanModifyRows = true;
};

}  // namespace MemoryDataSet

using namespace MemoryDataSet;
