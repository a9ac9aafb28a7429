// Sorting a record list by stored values: the values of the sort items are read once into compact
// key columns and the list is sorted over them, the record index breaking ties. The order is
// exactly that of comparing the records in the storage item by item (each value type's own
// comparison, Null first, a descending item negated) and then by record index.
#pragma once

#include <cstdint>
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

// The packed keys of a sort by numbers alone, in the sorted order: Width per position. Two positions
// hold equal values of item K exactly when their ranks and keys of K are equal, so that the groups
// of the sorted list can be told apart without reading the records again.
struct TcxSortedKeys {
  size_t Width = 0;  // 0: none kept
  std::vector<uint64_t> Keys;
  std::vector<uint8_t> Ranks;
  bool Equal(size_t APosition1, size_t APosition2, size_t AItem) const {
    const size_t A = APosition1 * Width + AItem, B = APosition2 * Width + AItem;
    return Keys[A] == Keys[B] && Ranks[A] == Ranks[B];
  }
  void Clear() { *this = TcxSortedKeys(); }
};

// Sorts AList (ordinary record indexes of AStorage) in place. With ASortedKeys, the keys are kept
// there when every item is a number (otherwise its Width is 0).
void cxSortRecordsByStoredValues(cxDataStorage::TcxDataStorage* AStorage, std::vector<Integer>& AList,
                                 const std::vector<TcxStoredSortKey>& AKeys, TcxSortedKeys* ASortedKeys = nullptr);

}  // namespace cxDataSortKeys

using namespace cxDataSortKeys;
