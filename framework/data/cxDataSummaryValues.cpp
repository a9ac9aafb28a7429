#include "cxDataSummaryValues.h"

#include <algorithm>

#include "cxDataGroups.h"

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
