#include "cxDataSummaryValues.h"

#include <algorithm>

#include "cxDataGroups.h"
#include "cxDataStorage.h"

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

// ---- Native running values ----------------------------------------------------------------------------------

namespace {

template <class T>
T LoadValue(const void* P) {
  return cxDataStorage::LoadStoredValue<T>(P);
}

bool RealLess(double A, double B) { return VarCompareReals(A, B) < 0; }

}  // namespace

TVarType TcxNativeSummaryValue::NativeType(TVarType AValueType) {
  switch (AValueType) {
    case varInteger: case varInt64: case varDouble: case varDate: case varCurrency: return AValueType;
    default: return varEmpty;
  }
}

bool TcxNativeSummaryValue::Start(TcxSummaryKind AKind, TcxSummaryOptions AOptions, TVarType AValueType,
                                  const Variant& ARunning) {
  FKind = AKind;
  FOptions = AOptions;
  FValueType = AValueType;
  FType = VarType(ARunning);
  if (AKind == skCount) {
    FKept = ARunning;
    return true;
  }
  // A sum that started from Null runs on from the whole number 0, whatever the values' type.
  const bool AStartedFromZero = (AKind == skSum || AKind == skAverage) && FType == varInteger;
  if (FType != varEmpty && FType != AValueType && !AStartedFromZero && !(IsWhole(FType) && IsWhole(AValueType)))
    return false;
  switch (FType) {
    case varEmpty: break;
    case varInteger: case varInt64: FWhole = ARunning.ToInt64(); break;
    case varCurrency: FWhole = ARunning.ToCurrency().Raw; break;
    default: FReal = ARunning.ToDouble(); break;
  }
  return true;
}

Variant TcxNativeSummaryValue::ValueAt(const void* P) const {
  switch (FValueType) {
    case varInteger: return Variant(LoadValue<Integer>(P));
    case varInt64: return Variant(LoadValue<Int64>(P));
    case varCurrency: return Variant(Currency::FromRaw(LoadValue<Int64>(P)));
    case varDate: return VarFromDateTime(LoadValue<double>(P));
    default: return Variant(LoadValue<double>(P));
  }
}

Variant TcxNativeSummaryValue::Running() const {
  if (FKind == skCount) return FKept;
  switch (FType) {
    case varEmpty: return Unassigned();
    case varInteger: return Variant(static_cast<Integer>(FWhole));
    case varInt64: return Variant(FWhole);
    case varCurrency: return Variant(Currency::FromRaw(FWhole));
    case varDate: return VarFromDateTime(FReal);
    default: return Variant(FReal);
  }
}

void TcxNativeSummaryValue::Take(const void* P) {
  FType = FValueType;
  if (IsReal(FValueType)) FReal = LoadValue<double>(P);
  else FWhole = FValueType == varInteger ? LoadValue<Integer>(P) : LoadValue<Int64>(P);
}

// Whole numbers stay whole (32 bits while both sides and the result fit), a whole number meeting a
// real or an amount becomes one; an overflow is left to the Variant addition, which raises it.
void TcxNativeSummaryValue::Add(const void* P) {
  if (IsReal(FValueType)) {
    FReal = (IsWhole(FType) ? static_cast<double>(FWhole) : FReal) + LoadValue<double>(P);
    FType = FValueType;
    return;
  }
  Int64 ASum;
  bool AOverflow;
  if (FValueType == varCurrency) {
    const __int128 AScaled = FType == varCurrency ? __int128(FWhole) : __int128(FWhole) * Currency::Scale;
    const __int128 AWide = AScaled + LoadValue<Int64>(P);
    AOverflow = AWide < INT64_MIN || AWide > INT64_MAX;
    ASum = static_cast<Int64>(AWide);
  } else {
    AOverflow = __builtin_add_overflow(FWhole, FValueType == varInteger ? LoadValue<Integer>(P) : LoadValue<Int64>(P), &ASum);
  }
  if (AOverflow) (void)(Running() + ValueAt(P));  // raises the Variant's overflow
  if (FValueType == varCurrency) FType = varCurrency;
  else if (FType == varInt64 || FValueType == varInt64 || ASum < INT32_MIN || ASum > INT32_MAX) FType = varInt64;
  FWhole = ASum;
}

bool TcxNativeSummaryValue::Less(const void* P) const {
  if (IsReal(FValueType)) return RealLess(LoadValue<double>(P), FReal);
  return (FValueType == varInteger ? LoadValue<Integer>(P) : LoadValue<Int64>(P)) < FWhole;
}

// The steps of cxSummaryAccumulate for a value that is never Empty and a running value never Null.
void TcxNativeSummaryValue::Accumulate(bool AIsNull, const void* P, Integer& ACount) {
  if (FKind == skNone) return;
  if (AIsNull && FOptions.Contains(soNullIgnore)) return;
  if (FKind == skCount) {
    ++ACount;
    return;
  }
  if (FType == varEmpty) {
    if (!AIsNull) {
      Take(P);
    } else if (FKind == skSum || FKind == skAverage) {
      FType = varInteger;
      FWhole = 0;
    }
  } else if (!AIsNull) {
    switch (FKind) {
      case skSum: case skAverage: Add(P); break;
      case skMin: if (Less(P)) Take(P); break;
      case skMax: {
        // value > running: the running value orders before the value
        const bool AGreater = IsReal(FValueType) ? RealLess(FReal, LoadValue<double>(P))
                                                 : FWhole < (FValueType == varInteger ? LoadValue<Integer>(P)
                                                                                        : LoadValue<Int64>(P));
        if (AGreater) Take(P);
        break;
      }
      default: break;
    }
  }
  ++ACount;
}

namespace {

struct TAccumulators {
  std::vector<Variant> Values;
  std::vector<Integer> Counts;
  explicit TAccumulators(size_t ACount) : Values(ACount), Counts(ACount) {}
  void Reset() {
    std::fill(Values.begin(), Values.end(), Unassigned());
    std::fill(Counts.begin(), Counts.end(), 0);
  }
};

Variant FinishAll(const std::vector<TcxSummaryItemInfo>& AItems, TAccumulators& A) {
  if (AItems.empty()) return Null();
  Variant AResult = VarArrayCreate({0, static_cast<Integer>(AItems.size()) - 1}, varVariant);
  for (size_t I = 0; I < AItems.size(); ++I) {
    cxSummaryFinish(AItems[I].Kind, A.Values[I], A.Counts[I]);
    VarArrayPut(AResult, A.Values[I], {static_cast<Integer>(I)});
  }
  return AResult;
}

void AccumulateRange(TAccumulators& A, const std::vector<Integer>& AList, Integer AFirst, Integer ALast,
                     const std::vector<TcxSummaryItemInfo>& AItems, TcxSummaryOptions AOptions,
                     const TcxSummaryValueFunc& AGetValue) {
  for (Integer P = std::max(AFirst, 0); P <= ALast && P < static_cast<Integer>(AList.size()); ++P) {
    const Integer ARecord = AList[static_cast<size_t>(P)];
    if (ARecord == -1) continue;
    for (size_t K = 0; K < AItems.size(); ++K)
      if (AItems[K].Kind != skNone)
        cxSummaryAccumulate(AItems[K].Kind, AOptions, AItems[K].Fieldless,
                            AItems[K].Fieldless ? Null() : AGetValue(ARecord, static_cast<Integer>(K)), A.Values[K],
                            A.Counts[K]);
  }
}

}  // namespace

Variant cxCalculateFooterSummary(const std::vector<Integer>& AList, const std::vector<TcxSummaryItemInfo>& AItems,
                                 TcxSummaryOptions AOptions, const TcxSummaryValueFunc& AGetValue) {
  TAccumulators A(AItems.size());
  AccumulateRange(A, AList, 0, static_cast<Integer>(AList.size()) - 1, AItems, AOptions, AGetValue);
  return FinishAll(AItems, A);
}

// The array is depth-first, so between two groups of level ALevel come exactly the last-level
// groups of the first one's subtree.
void cxCalculateGroupSummary(cxDataGroups::TcxDataGroups* AGroups, Integer ALevel, const std::vector<Integer>& AList,
                             const std::vector<TcxSummaryItemInfo>& AItems, TcxSummaryOptions AOptions,
                             const TcxSummaryValueFunc& AGetValue) {
  const Integer ALastLevel = AGroups->FieldCount() - 1;
  TAccumulators A(AItems.size());
  cxDataGroups::TcxDataGroupInfo* AOpen = nullptr;
  for (Integer I = 0; I < AGroups->ItemCount(); ++I) {
    cxDataGroups::TcxDataGroupInfo* G = AGroups->GetItem(I);
    if (G->Level == ALevel) {
      if (AOpen) AOpen->SummaryValues = FinishAll(AItems, A);
      A.Reset();
      AOpen = G;
    }
    if (G->Level == ALastLevel && AOpen)
      AccumulateRange(A, AList, G->FirstIndex, G->LastIndex, AItems, AOptions, AGetValue);
  }
  if (AOpen) AOpen->SummaryValues = FinishAll(AItems, A);
}

}  // namespace cxDataSummaryValues
