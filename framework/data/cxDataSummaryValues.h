// How a summary value runs over records: one record's value taken into the running value and
// count of a summary item, and the finished value of the item (sum, minimum, maximum, count or
// average). The summary items and their collections call these for every record they cover.
#pragma once

#include <vector>

#include "Closures.h"
#include "TypeInfoBase.h"
#include "Variants.h"

namespace cxDataGroups {
class TcxDataGroups;
}

namespace cxDataSummaryValues {

PUBLISHED_ENUM(TcxSummaryKind, skNone, skSum, skMin, skMax, skCount, skAverage)
PUBLISHED_ENUM(TcxSummaryOption, soNullIgnore, soSelectedRecords, soMultipleSelectedRecords)
using TcxSummaryOptions = TSet<TcxSummaryOption>;

// Takes AValue of one record into the running value ARunning (Empty before the first record) and
// the count ACount. With soNullIgnore a Null value is passed over, except by a count that names no
// field (AFieldless): that counts every record, whatever its value.
void cxSummaryAccumulate(TcxSummaryKind AKind, TcxSummaryOptions AOptions, bool AFieldless, const Variant& AValue,
                         Variant& ARunning, Integer& ACount);

// The finished value: Null for no values (a count gives 0), the count for skCount, the mean for
// skAverage (a date stays a date).
void cxSummaryFinish(TcxSummaryKind AKind, Variant& ARunning, Integer ACount);

// A running value of one summary item kept as a native number while the values taken in are stored
// numbers of one type (whole numbers, large whole numbers, reals, dates or amounts): it gives
// exactly what cxSummaryAccumulate gives for the same values as Variants, in the same order, without
// making a Variant per record.
class TcxNativeSummaryValue {
 public:
  // The Variant type of a stored number that a native run takes (varInteger, varInt64, varDouble,
  // varDate or varCurrency), or varEmpty.
  static TVarType NativeType(TVarType AValueType);
  // Continues from the running value ARunning of an item of kind AKind over values of AValueType
  // (a NativeType); false when ARunning is of a kind the native run does not hold.
  bool Start(TcxSummaryKind AKind, TcxSummaryOptions AOptions, TVarType AValueType, const Variant& ARunning);
  // Takes one record's value: Null, or the stored bytes at P.
  void Accumulate(bool AIsNull, const void* P, Integer& ACount);
  // The running value as a Variant.
  Variant Running() const;

 private:
  bool IsWhole(TVarType AType) const { return AType == varInteger || AType == varInt64; }
  bool IsReal(TVarType AType) const { return AType == varDouble || AType == varDate; }
  void Take(const void* P);
  void Add(const void* P);
  bool Less(const void* P) const;  // the value at P orders before the running value
  Variant ValueAt(const void* P) const;

  TcxSummaryKind FKind = skNone;
  TcxSummaryOptions FOptions;
  TVarType FValueType = varEmpty;
  TVarType FType = varEmpty;  // of the running value
  Int64 FWhole = 0;            // whole numbers and amounts (raw)
  double FReal = 0;            // reals and dates
  Variant FKept;               // a count's running value, which the values never touch
};

// One summary item as the calculation sees it.
struct TcxSummaryItemInfo {
  TcxSummaryKind Kind = skNone;
  bool Fieldless = false;  // a count naming no field
};
// The value of summary item AItem for a record (not asked for a field-less count).
using TcxSummaryValueFunc = TClosure<Variant(Integer ARecordIndex, Integer AItem)>;

// The finished values of the items over every record of AList (Null when there are no items); a
// record index of -1 in it is passed over.
Variant cxCalculateFooterSummary(const std::vector<Integer>& AList, const std::vector<TcxSummaryItemInfo>& AItems,
                                 TcxSummaryOptions AOptions, const TcxSummaryValueFunc& AGetValue);

// Gives every group of level ALevel its finished values, one element per item (a Variant array;
// Null when there are no items), over the records of its subtree. AList is the record list the
// tree was built over; a record index of -1 in it is passed over.
void cxCalculateGroupSummary(cxDataGroups::TcxDataGroups* AGroups, Integer ALevel, const std::vector<Integer>& AList,
                             const std::vector<TcxSummaryItemInfo>& AItems, TcxSummaryOptions AOptions,
                             const TcxSummaryValueFunc& AGetValue);

}  // namespace cxDataSummaryValues

using namespace cxDataSummaryValues;
