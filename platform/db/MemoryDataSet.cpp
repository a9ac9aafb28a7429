// TMemoryDataSet: records kept in memory across open and close.
#include "MemoryDataSet.h"

namespace MemoryDataSet {

IMPLEMENT_CLASS(TMemoryDataSet)

void TMemoryDataSet::AddRow(std::initializer_list<Variant> Values) {
  std::vector<Variant> row(Values);
  row.resize(static_cast<size_t>(FieldDefs()->Count()), Null());
  FRows.push_back(row);
  if (GetActive()) Refresh();
}

void TMemoryDataSet::ClearRows() {
  FRows.clear();
  if (GetActive()) Refresh();
}

void TMemoryDataSet::InternalOpen() {
  ReserveRecords(FRows.size());
  for (const auto& row : FRows) AppendFetchedRecord(std::vector<Variant>(row));
}

void TMemoryDataSet::InternalRefresh() {
  ClearRecords();
  InternalOpen();
}

void TMemoryDataSet::InternalPost(Integer Position, bool Inserting, const std::vector<Variant>& Values) {
  std::vector<Variant> row(Values.begin(), Values.begin() + FieldDefs()->Count());
  if (Inserting)
    FRows.insert(FRows.begin() + Position, std::move(row));
  else
    FRows[static_cast<size_t>(Position)] = std::move(row);
}

void TMemoryDataSet::InternalDelete(Integer Position) { FRows.erase(FRows.begin() + Position); }

}  // namespace MemoryDataSet
