// The update engine's sort and group building, and the comparison of records they use.
//
// The sort takes the cheapest road the controller allows: the stored values packed into key
// entries (cxDataSortKeys); otherwise the values of every record read once into columns and
// compared as the controller compares them; otherwise the controller's comparison pair by pair
// (a compare event, a data source's own comparison). Every road orders the records exactly as
// CompareRecords does.
#include <algorithm>
#include <numeric>

#include "cxCustomData.h"
#include "cxCustomDataInfo.h"
#include "cxDataSortKeys.h"
#include "cxDataStorage.h"

namespace cxCustomData {

namespace {

struct TPreparedSorting {
  TcxCustomDataControllerInfo* Info;
  explicit TPreparedSorting(TcxCustomDataControllerInfo* AInfo) : Info(AInfo) { Info->PrepareSorting(); }
  ~TPreparedSorting() { Info->UnprepareSorting(); }
};

// The record being edited or inserted keeps its place: after every other record when it was
// appended or edited on the last row, otherwise just before its next neighbour. AKeys orders two
// records by the sort items and the tie-break.
template <class TKeys>
Integer CompareKeepingEditedRecord(TcxCustomDataProvider* P, Integer A, Integer B, TKeys& AKeys) {
  if (A == B) return 0;
  const Integer E = P->EditingRecordIndex;
  const Integer APrev = P->EditingRecordIndex1;
  const Integer ANext = P->EditingRecordIndex2;
  const bool APrevSet = APrev != cxNullEditingRecordIndex;
  if (APrevSet || ANext != cxNullEditingRecordIndex) {
    if (A == E) {
      if (APrevSet) return 1;
      if (B == ANext) return -1;
      A = ANext;
    } else if (B == E) {
      if (APrevSet) return -1;
      if (A == ANext) return 1;
      B = ANext;
    }
  }
  return AKeys(A, B);
}

// The sort items' values of the records to sort, each read once: the stored value where the native
// comparison applies, the compared value where values are converted; items compared only pair by
// pair ask the controller at each comparison.
class TReadValuesSort {
 public:
  TReadValuesSort(TcxCustomDataController* AController, TcxSortingFieldList* AItems, const TcxRecordList& AList)
      : FController(AController) {
    // Each record once, in slot order; the next neighbour of an edited record too, which stands in
    // for it.
    std::vector<Integer> ARecords;
    ARecords.reserve(AList.size() + 1);
    auto AAdd = [&](Integer R) {
      if (SlotOf(R, false) < 0) ARecords.push_back(R), SlotOf(R, true);
    };
    for (Integer R : AList) AAdd(R);
    const Integer ANext = AController->GetProvider()->EditingRecordIndex2;
    if (ANext != cxNullEditingRecordIndex) AAdd(ANext);
    for (Integer I = 0; I < AItems->Count(); ++I) {
      const TcxDataSortInfo& AInfo = AItems->GetItem(I);
      TColumn& K = FColumns.emplace_back();
      K.Info = AInfo;
      K.Comparison = AController->GetFieldComparison(AInfo.Field);
      K.ValueDef = AInfo.Field->GetValueDef();
      if (K.Comparison == TcxCustomDataController::fcPairwise) continue;
      const size_t ACount = FSlotCount;
      if (K.Comparison == TcxCustomDataController::fcStoredValues) {
        K.Null.resize(ACount);
        K.Stored.resize(ACount);
      } else {
        K.Values.resize(ACount);
      }
      for (size_t S = 0; S < ARecords.size(); ++S) {
        const Integer R = ARecords[S];
        if (K.Comparison == TcxCustomDataController::fcStoredValues)
          K.Null[S] = AController->GetDataStorage()->GetCompareInfo(R, K.ValueDef, K.Stored[S]);
        else
          K.Values[S] = AController->GetComparedValue(R, AInfo.Field);
      }
    }
  }

  Integer operator()(Integer A, Integer B) {
    const Integer SA = SlotOf(A, false), SB = SlotOf(B, false);
    const bool ARead = SA >= 0 && SB >= 0;  // a record outside the list is compared pair by pair
    for (const TColumn& K : FColumns) {
      Integer R;
      if (!ARead)
        R = FController->CompareByField(A, B, K.Info.Field, dccmSorting);
      else if (K.Comparison == TcxCustomDataController::fcStoredValues)
        R = K.ValueDef->CompareValues(K.Null[static_cast<size_t>(SA)], K.Null[static_cast<size_t>(SB)],
                                      K.Stored[static_cast<size_t>(SA)], K.Stored[static_cast<size_t>(SB)]);
      else if (K.Comparison == TcxCustomDataController::fcComparedValues)
        R = FController->CompareComparedValues(K.Values[static_cast<size_t>(SA)], K.Values[static_cast<size_t>(SB)]);
      else
        R = FController->CompareByField(A, B, K.Info.Field, dccmSorting);
      if (R != 0) return K.Info.SortOrder == soDescending ? -R : R;
    }
    return FController->CompareEqualRecords(A, B);
  }

 private:
  struct TColumn {
    TcxDataSortInfo Info;
    TcxCustomDataController::TcxFieldComparison Comparison;
    cxDataStorage::TcxValueDef* ValueDef;
    std::vector<uint8_t> Null;
    std::vector<const void*> Stored;
    std::vector<Variant> Values;
  };

  // The slot of a record's values: ordinary records by index, internal ones (rare in a view) by a
  // short search.
  Integer SlotOf(Integer ARecord, bool AAdd) {
    if (ARecord >= 0) {
      if (static_cast<size_t>(ARecord) >= FOrdinary.size()) {
        if (!AAdd) return -1;
        FOrdinary.resize(std::max(FOrdinary.size() * 2, static_cast<size_t>(ARecord) + 1), -1);
      }
      Integer& S = FOrdinary[static_cast<size_t>(ARecord)];
      if (S < 0 && AAdd) S = static_cast<Integer>(FSlotCount++);
      return S;
    }
    for (const auto& [R, S] : FInternal)
      if (R == ARecord) return S;
    if (!AAdd) return -1;
    FInternal.push_back({ARecord, static_cast<Integer>(FSlotCount)});
    return static_cast<Integer>(FSlotCount++);
  }

  TcxCustomDataController* FController;
  std::vector<TColumn> FColumns;
  std::vector<Integer> FOrdinary;
  std::vector<std::pair<Integer, Integer>> FInternal;
  size_t FSlotCount = 0;
};

}  // namespace

void TcxCustomDataControllerInfo::PrepareSorting() {
  for (Integer I = 0; I < FTotalSortingFieldList->Count(); ++I) {
    TcxCustomDataField* F = FTotalSortingFieldList->GetItem(I).Field;
    F->SetSortPreparation(0);
    const bool AConversion = FDataController->IsConversionNeededForCompare(F);
    const bool ADisplayText = AConversion && FDataController->IsSortByDisplayTextNeeded(F);
    F->SetSortPreparation(ADisplayText ? 2 : AConversion ? 1 : -1);
  }
}

void TcxCustomDataControllerInfo::UnprepareSorting() {
  for (Integer I = 0; I < FTotalSortingFieldList->Count(); ++I)
    FTotalSortingFieldList->GetItem(I).Field->SetSortPreparation(0);
}

void TcxCustomDataControllerInfo::DoSort() {
  TcxCustomDataController* C = FDataController;
  // Clearing the total list one entry at a time would notify nobody: it has no listener.
  while (FTotalSortingFieldList->Count() > 0) FTotalSortingFieldList->Delete(FTotalSortingFieldList->Count() - 1);
  FTotalSortingFieldList->AppendFrom(FGroupingFieldList);
  FTotalSortingFieldList->AppendFrom(FSortingFieldList);
  FSortedKeys.Clear();
  if (C->IsGridMode() || FRecordList.empty()) return;
  TPreparedSorting P(this);
  if (C->IsProviderMode() && C->GetProvider()->IsCustomSorting()) {
    C->GetProvider()->CustomSort();
    return;
  }
  if (C->CanSortByStoredValues() && std::all_of(FRecordList.begin(), FRecordList.end(), [](Integer R) { return R >= 0; })) {
    std::vector<TcxStoredSortKey> AKeys;
    for (Integer I = 0; I < FTotalSortingFieldList->Count(); ++I) {
      const TcxDataSortInfo& A = FTotalSortingFieldList->GetItem(I);
      AKeys.push_back({A.Field->GetValueDef(), A.SortOrder == soDescending});
    }
    cxSortRecordsByStoredValues(C->GetDataStorage(), FRecordList, AKeys, &FSortedKeys);
    return;
  }
  const Integer R = static_cast<Integer>(FRecordList.size()) - 1;
  if (R < 1) return;  // nothing to compare: no value is read
  if (C->CanSortByComparedValues()) {
    TReadValuesSort AKeys(C, FTotalSortingFieldList, FRecordList);
    auto ACompare = [&](Integer A, Integer B) { return CompareKeepingEditedRecord(C->GetProvider(), A, B, AKeys); };
    QuickSortListOf(FRecordList, 0, R, ACompare);
    return;
  }
  QuickSortList(FRecordList, 0, R, [this](Integer A, Integer B) { return CompareRecords(A, B); });
}

Integer TcxCustomDataControllerInfo::CompareRecords(Integer A, Integer B) {
  auto AKeys = [this](Integer A, Integer B) {
    for (Integer I = 0; I < FTotalSortingFieldList->Count(); ++I) {
      const Integer R = FDataController->CompareRecords(A, B, FTotalSortingFieldList->GetItem(I), dccmSorting);
      if (R != 0) return R;
    }
    return FDataController->CompareEqualRecords(A, B);
  };
  return CompareKeepingEditedRecord(FDataController->GetProvider(), A, B, AKeys);
}

Integer TcxCustomDataControllerInfo::CompareGroupRecords(Integer A, Integer B, Integer ALevel) {
  if (A == B) return 0;
  TcxCustomDataProvider* P = FDataController->GetProvider();
  const Integer E = P->EditingRecordIndex;
  const Integer S = P->SavedRecordIndex;
  const Integer APrev = P->EditingRecordIndex1;
  const Integer ANext = P->EditingRecordIndex2;
  const bool APrevSet = APrev != cxNullEditingRecordIndex;
  if (S != 0) {
    if (A == E) A = S;
    if (B == E) B = S;
  } else if (APrevSet || ANext != cxNullEditingRecordIndex) {
    if (A == E) {
      if (APrevSet || B == ANext) return 0;
      A = ANext;
    } else if (B == E) {
      if (APrevSet || A == ANext) return 0;
      B = ANext;
    }
  }
  return FDataController->CompareRecords(A, B, FTotalSortingFieldList->GetItem(ALevel), dccmGrouping);
}

void TcxCustomDataControllerInfo::DoGrouping() {
  FDataGroups->Clear();
  for (Integer I = 0; I < FGroupingFieldList->Count(); ++I) FDataGroups->AddField(FGroupingFieldList->GetItem(I).Field);
  if (FRecordList.empty() || FGroupingFieldList->Count() == 0) return;
  TPreparedSorting P(this);
  const size_t N = FRecordList.size();
  if (FSortedKeys.Width >= static_cast<size_t>(FGroupingFieldList->Count()) && FSortedKeys.Keys.size() == N * FSortedKeys.Width &&
      FDataController->GetProvider()->SavedRecordIndex == 0) {
    // The sort of this pass kept its keys (the grouping fields lead them): the groups are told apart
    // by the keys of neighbouring positions, and built over positions, whose tree is the tree over
    // the records at them.
    TcxRecordList APositions(N);
    std::iota(APositions.begin(), APositions.end(), 0);
    BuildDataGroups(FDataGroups, APositions, [this](Integer A, Integer B, Integer L) {
      return FSortedKeys.Equal(static_cast<size_t>(A), static_cast<size_t>(B), static_cast<size_t>(L)) ? 0 : 1;
    });
    return;
  }
  if (std::vector<TcxValueDef*> ADefs; CanGroupByStoredValues(ADefs)) {
    // The grouping values are read once, in list order, and the groups built over list positions:
    // the tree over positions is the tree over the records at them.
    TcxDataStorage* AStorage = FDataController->GetDataStorage();
    const size_t F = ADefs.size();
    std::vector<const void*> AValues(N * F);
    std::vector<uint8_t> ANulls(N * F);
    for (size_t P = 0; P < N; ++P) {
      if (constexpr size_t AAhead = 12; P + AAhead < N) AStorage->PrefetchRecord(FRecordList[P + AAhead]);
      for (size_t L = 0; L < F; ++L) ANulls[P * F + L] = AStorage->GetCompareInfo(FRecordList[P], ADefs[L], AValues[P * F + L]);
    }
    TcxRecordList APositions(N);
    std::iota(APositions.begin(), APositions.end(), 0);
    BuildDataGroups(FDataGroups, APositions, [&](Integer A, Integer B, Integer L) {
      const size_t IA = static_cast<size_t>(A) * F + static_cast<size_t>(L), IB = static_cast<size_t>(B) * F + static_cast<size_t>(L);
      return ADefs[static_cast<size_t>(L)]->CompareValues(ANulls[IA], ANulls[IB], AValues[IA], AValues[IB]);
    });
    return;
  }
  BuildDataGroups(FDataGroups, FRecordList,
                  [this](Integer A, Integer B, Integer L) { return CompareGroupRecords(A, B, L); });
}

// Whether the groups may be told apart by the stored values of the grouping fields straight from
// the storage (ADefs, one per level): no record is kept in place while edited, and every grouping
// field compares its stored values.
bool TcxCustomDataControllerInfo::CanGroupByStoredValues(std::vector<TcxValueDef*>& ADefs) {
  TcxCustomDataController* C = FDataController;
  TcxCustomDataProvider* P = C->GetProvider();
  if (!C->CanSortByComparedValues() || P->SavedRecordIndex != 0 || P->EditingRecordIndex1 != cxNullEditingRecordIndex ||
      P->EditingRecordIndex2 != cxNullEditingRecordIndex)
    return false;
  for (Integer I = 0; I < FGroupingFieldList->Count(); ++I) {
    TcxCustomDataField* F = FTotalSortingFieldList->GetItem(I).Field;
    if (C->GetFieldComparison(F) != TcxCustomDataController::fcStoredValues) return false;
    ADefs.push_back(F->GetValueDef());
  }
  return true;
}

}  // namespace cxCustomData
