#include "cxDataSummaryValues.h"

namespace cxDataSummaryValues {

void cxSummaryAccumulate(TcxSummaryKind AKind, TcxSummaryOptions AOptions, bool AFieldless, const Variant& AValue,
                         Variant& ARunning, Integer& ACount) {
  if (AKind == skNone) return;
  const bool AIsNull = VarIsNull(AValue);
  const bool ACountsAll = AKind == skCount && AFieldless;
  if (AIsNull && AOptions.Contains(soNullIgnore) && !ACountsAll) return;
  if (VarIsEmpty(ARunning)) {
    if (AKind != skCount && !((AKind == skMin || AKind == skMax) && AIsNull)) {
      ARunning = AValue;
      if (VarIsNull(ARunning) && (AKind == skSum || AKind == skAverage)) ARunning = 0;
    }
  } else if (!AIsNull && !VarIsNull(ARunning)) {
    switch (AKind) {
      case skSum:
      case skAverage: ARunning = ARunning + AValue; break;
      case skMin: if (AValue < ARunning) ARunning = AValue; break;
      case skMax: if (AValue > ARunning) ARunning = AValue; break;
      default: break;
    }
  }
  ++ACount;
}

void cxSummaryFinish(TcxSummaryKind AKind, Variant& ARunning, Integer ACount) {
  if (VarIsEmpty(ARunning)) ARunning = Null();
  if (AKind == skCount) {
    ARunning = ACount;
  } else if (AKind == skAverage && ACount > 0) {
    const bool AIsDate = VarIsType(ARunning, varDate);
    ARunning = ARunning / Variant(ACount);
    if (AIsDate) ARunning = VarAsType(ARunning, varDate);
  }
}

}  // namespace cxDataSummaryValues
