// Sorting a record list by stored values: the values of the sort items are read once into compact
// key columns and the list is sorted over them, the record index breaking ties. The order is
// exactly that of comparing the records in the storage item by item (each value type's own
// comparison, Null first, a descending item negated) and then by record index.
#pragma once

#include <vector>

#include "System.h"

namespace cxDataStorage {
class TcxDataStorage;
class TcxValueDef;
}  // namespace cxDataStorage

namespace cxDataSortKeys {

struct TcxStoredSortKey {
  cxDataStorage::TcxValueDef* ValueDef;
  bool Descending;
};

// Sorts AList (ordinary record indexes of AStorage) in place.
void cxSortRecordsByStoredValues(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                                 const std::vector<TcxStoredSortKey>& AKeys);

}  // namespace cxDataSortKeys

using namespace cxDataSortKeys;
