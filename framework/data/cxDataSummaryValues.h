// How a summary value runs over records: one record's value taken into the running value and
// count of a summary item, and the finished value of the item (sum, minimum, maximum, count or
// average). The summary items and their collections call these for every record they cover.
#pragma once

#include "Variants.h"

namespace cxDataSummaryValues {

enum TcxSummaryKind { skNone, skSum, skMin, skMax, skCount, skAverage };
enum TcxSummaryOption { soNullIgnore, soSelectedRecords, soMultipleSelectedRecords };
using TcxSummaryOptions = TSet<TcxSummaryOption>;

// Takes AValue of one record into the running value ARunning (Empty before the first record) and
// the count ACount. With soNullIgnore a Null value is passed over, except by a count that names no
// field (AFieldless): that counts every record, whatever its value.
void cxSummaryAccumulate(TcxSummaryKind AKind, TcxSummaryOptions AOptions, bool AFieldless, const Variant& AValue,
                         Variant& ARunning, Integer& ACount);

// The finished value: Null for no values (a count gives 0), the count for skCount, the mean for
// skAverage (a date stays a date).
void cxSummaryFinish(TcxSummaryKind AKind, Variant& ARunning, Integer ACount);

}  // namespace cxDataSummaryValues

using namespace cxDataSummaryValues;
