// Properties of the controller on random data: the grouped view against a naive enumeration of
// the groups, and the filtered view against a naive evaluation of the criteria.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <random>

#include "cxDataControllerFixture.h"

namespace {

using TKey = std::optional<int>;  // nullopt: Null

int CompareKeys(const TKey& A, const TKey& B) {
  if (!A || !B) return (A ? 1 : 0) - (B ? 1 : 0);  // Null first
  return (*A > *B) - (*A < *B);
}

struct TRowExpect {
  Integer Level, Record;
  bool operator==(const TRowExpect&) const = default;
};

// The rows of a fully expanded view, built from the sorted records alone.
std::vector<TRowExpect> NaiveGroupRows(const std::vector<std::vector<TKey>>& AKeys, const std::vector<int>& ALevels,
                                       const std::vector<bool>& ADescending, bool AExpanded) {
  std::vector<Integer> AOrder(AKeys.size());
  for (size_t I = 0; I < AOrder.size(); ++I) AOrder[I] = static_cast<Integer>(I);
  std::sort(AOrder.begin(), AOrder.end(), [&](Integer A, Integer B) {
    for (size_t L = 0; L < ALevels.size(); ++L) {
      int R = CompareKeys(AKeys[A][ALevels[L]], AKeys[B][ALevels[L]]);
      if (ADescending[L]) R = -R;
      if (R != 0) return R < 0;
    }
    return A < B;
  });
  const Integer F = static_cast<Integer>(ALevels.size());
  std::vector<TRowExpect> ARows;
  for (size_t P = 0; P < AOrder.size(); ++P) {
    Integer AFirstNew = 0;
    if (P > 0) {
      AFirstNew = F;
      for (Integer L = 0; L < F; ++L)
        if (CompareKeys(AKeys[AOrder[P]][ALevels[L]], AKeys[AOrder[P - 1]][ALevels[L]]) != 0) {
          AFirstNew = L;
          break;
        }
    }
    for (Integer L = AFirstNew; L < F; ++L)
      if (AExpanded || L == 0) ARows.push_back({L, AOrder[P]});
    if (AExpanded) ARows.push_back({F, AOrder[P]});
  }
  return ARows;
}

TEST_F(DataControllerTest, GroupedViewMatchesANaiveEnumeration) {
  std::mt19937 ARandom(2026);
  for (int ACol = 0; ACol < 3; ++ACol) C->AddColumn("C" + std::to_string(ACol), IntType());
  TcxDataGroupSummaryItems* ACount = C->GetSummary()->GetDefaultGroupSummaryItems();
  ACount->Add(nullptr, spGroup, skCount);
  for (int ARound = 0; ARound < 120; ++ARound) {
    const int N = static_cast<int>(ARandom() % 40);
    std::vector<std::vector<TKey>> AKeys(N);
    std::vector<std::vector<Variant>> ARows(N);
    for (int R = 0; R < N; ++R)
      for (int ACol = 0; ACol < 3; ++ACol) {
        TKey K;
        if (ARandom() % 6 != 0) K = static_cast<int>(ARandom() % 4);
        AKeys[R].push_back(K);
        ARows[R].push_back(K ? Variant(*K) : Null());
      }
    std::vector<int> ALevels = {0, 1, 2};
    std::shuffle(ALevels.begin(), ALevels.end(), ARandom);
    ALevels.resize(1 + ARandom() % 3);
    std::vector<bool> ADescending;
    // Each sorting road, and with it each way of telling groups apart: kept sort keys, stored values,
    // the controller's comparison.
    const int ARoad = ARound % 3;
    C->SortByStoredValues = ARoad == 0;
    C->SortByComparedValues = ARoad <= 1;
    C->BeginUpdate();
    C->GetGroups()->ClearGrouping();
    C->ClearSorting(false);
    C->SetRows(ARows);
    for (size_t L = 0; L < ALevels.size(); ++L) {
      C->GetGroups()->ChangeGrouping(ALevels[L], static_cast<Integer>(L));
      ADescending.push_back(ARandom() % 2 == 0);
      if (ADescending.back()) C->ChangeSorting(ALevels[L], soDescending);
    }
    C->EndUpdate();

    for (bool AExpanded : {true, false}) {
      if (AExpanded)
        C->GetGroups()->FullExpand();
      else
        C->GetGroups()->FullCollapse();
      const std::vector<TRowExpect> AExpected = NaiveGroupRows(AKeys, ALevels, ADescending, AExpanded);
      std::vector<TRowExpect> AActual;
      for (Integer R = 0; R < C->GetRowCount(); ++R) {
        const TcxRowInfo I = C->GetRowInfo(R);
        AActual.push_back({I.Level, I.RecordIndex});
      }
      ASSERT_EQ(AActual, AExpected) << "round " << ARound << (AExpanded ? " expanded" : " collapsed");
    }
    // every group counts the records of its subtree
    TcxDataGroups* G = C->GetDataControllerInfo()->GetDataGroups();
    for (Integer I = 0; I < G->ItemCount(); ++I) {
      std::vector<Integer> ARecords;
      C->GetGroups()->LoadRecordIndexes(ARecords, I);
      ASSERT_EQ(C->GetSummary()->GetGroupSummaryValue(I, 0).ToInteger(), static_cast<Integer>(ARecords.size()));
    }
  }
  C->SortByStoredValues = C->SortByComparedValues = true;
}

// The view sorted by the stored values read into key columns, against the record comparison one
// pair at a time (a compare event forces that path) and against a naive order, over every kind of
// key that is packed: whole numbers, texts, reals (minus zero among them), dates and amounts.
TEST_F(DataControllerTest, SortedViewMatchesTheRecordComparison) {
  std::mt19937 ARandom(99);
  C->AddColumn("I", IntType());
  C->AddColumn("S", StrType());
  C->AddColumn("F", FloatType());
  C->AddColumn("D", ValueTypeClass<TcxDateTimeValueType>());
  C->AddColumn("C", ValueTypeClass<TcxCurrencyValueType>());
  constexpr int AColumns = 5;
  for (int ARound = 0; ARound < 120; ++ARound) {
    const int N = static_cast<int>(ARandom() % 60);
    std::vector<std::vector<Variant>> ARows(N);
    for (auto& R : ARows) {
      auto AMaybe = [&](Variant V) { return ARandom() % 5 ? V : Null(); };
      R.push_back(AMaybe(Variant(static_cast<int>(ARandom() % 5) - 2)));
      R.push_back(AMaybe(Variant(String(1 + ARandom() % 2, static_cast<char>('a' + ARandom() % 3)))));
      const double AReal = (static_cast<double>(ARandom() % 7) - 3) / 4;
      R.push_back(AMaybe(Variant(AReal == 0 && ARandom() % 2 ? -0.0 : AReal)));
      R.push_back(AMaybe(VarFromDateTime(45000 + static_cast<double>(ARandom() % 5) / 3 - 1)));
      R.push_back(AMaybe(Variant(Currency::FromRaw(static_cast<Int64>(ARandom() % 5) * 25000 - 50000))));
    }
    C->OnCompare = nullptr;
    C->BeginUpdate();
    C->ClearSorting(false);
    C->SetRows(ARows);
    std::vector<std::pair<int, bool>> AItems;
    for (int K = 0, M = 1 + static_cast<int>(ARandom() % 3); K < M; ++K) {
      const int AItem = static_cast<int>(ARandom() % AColumns);
      if (std::any_of(AItems.begin(), AItems.end(), [&](auto& P) { return P.first == AItem; })) continue;
      AItems.push_back({AItem, ARandom() % 2 == 0});
      C->ChangeSorting(AItem, AItems.back().second ? soDescending : soAscending);
    }
    C->EndUpdate();
    const std::vector<Integer> AFast = C->ViewRecords();
    std::vector<Integer> ANaive(static_cast<size_t>(N));
    for (int I = 0; I < N; ++I) ANaive[static_cast<size_t>(I)] = I;
    std::sort(ANaive.begin(), ANaive.end(), [&](Integer A, Integer B) {
      for (auto [AItem, ADesc] : AItems) {
        const Variant& VA = ARows[static_cast<size_t>(A)][static_cast<size_t>(AItem)];
        const Variant& VB = ARows[static_cast<size_t>(B)][static_cast<size_t>(AItem)];
        int R = VarIsNull(VA) || VarIsNull(VB) ? (!VarIsNull(VA)) - (!VarIsNull(VB))
                : AItem == 1 ? VA.ToString().compare(VB.ToString()) : (VB < VA) - (VA < VB);
        R = (R > 0) - (R < 0);
        if (ADesc) R = -R;
        if (R != 0) return R < 0;
      }
      return A < B;
    });
    ASSERT_EQ(AFast, ANaive) << "round " << ARound;
    C->OnCompare = [](TcxCustomDataController* D, Integer A, Integer B, Integer AItem, const Variant&, const Variant&,
                      Integer& R) { R = D->GetDataStorage()->CompareRecords(A, B, D->GetField(AItem)->GetValueDef()); };
    C->Refresh();
    ASSERT_EQ(C->ViewRecords(), AFast) << "round " << ARound;
    // Without any sort item the view goes back to the order of the records.
    C->OnCompare = nullptr;
    C->ClearSorting(false);
    std::vector<Integer> AIdentity(static_cast<size_t>(N));
    std::iota(AIdentity.begin(), AIdentity.end(), 0);
    ASSERT_EQ(C->ViewRecords(), AIdentity) << "round " << ARound;
  }
}

// Every road of the sort (stored values packed, values read once per record, the controller's
// comparison pair by pair) orders alike, with the string options and with a record held in place
// while it is edited.
TEST_F(DataControllerTest, EverySortRoadGivesTheSameOrder) {
  std::mt19937 ARandom(5);
  C->AddColumn("I", IntType());
  C->AddColumn("S", StrType());
  C->AddColumn("F", FloatType());
  const TcxDataControllerOptions AOptions = C->GetOptions();
  TcxCustomDataProvider* P = C->GetProvider();
  for (int ARound = 0; ARound < 150; ++ARound) {
    const int N = static_cast<int>(ARandom() % 40);
    std::vector<std::vector<Variant>> ARows(N);
    for (auto& R : ARows) {
      auto AMaybe = [&](Variant V) { return ARandom() % 6 ? V : Null(); };
      R.push_back(AMaybe(Variant(static_cast<int>(ARandom() % 4))));
      String AText;
      for (int K = 0, M = 1 + static_cast<int>(ARandom() % 2); K < M; ++K) AText += "aAbB"[ARandom() % 4];
      R.push_back(AMaybe(Variant(AText)));
      R.push_back(AMaybe(Variant(static_cast<double>(ARandom() % 5) / 2)));
    }
    TcxDataControllerOptions AOptionsOfRound = AOptions;
    if (ARandom() % 2) AOptionsOfRound.Include(dcoCaseInsensitive);
    if (ARandom() % 3 == 0) AOptionsOfRound.Include(dcoAnsiSort);
    C->BeginUpdate();
    C->SetOptions(AOptionsOfRound);
    C->ClearSorting(false);
    C->SetRows(ARows);
    for (int K = 0, M = static_cast<int>(ARandom() % 4); K < M; ++K)
      C->ChangeSorting(static_cast<Integer>(ARandom() % 3), ARandom() % 2 ? soDescending : soAscending);
    C->EndUpdate();
    // Half the rounds hold a record in place as if it were being edited before its next neighbour.
    if (N > 2 && ARandom() % 2) {
      P->EditingRecordIndex = static_cast<Integer>(ARandom() % N);
      P->EditingRecordIndex2 = static_cast<Integer>(ARandom() % N);
      if (P->EditingRecordIndex2 == P->EditingRecordIndex) P->EditingRecordIndex2 = cxNullEditingRecordIndex;
    }
    std::vector<std::vector<Integer>> AViews;
    for (int ARoad = 0; ARoad < 3; ++ARoad) {
      C->SortByStoredValues = ARoad == 0;
      C->SortByComparedValues = ARoad <= 1;
      C->Refresh();
      AViews.push_back(C->ViewRecords());
    }
    P->EditingRecordIndex = P->EditingRecordIndex2 = cxNullEditingRecordIndex;
    ASSERT_EQ(AViews[0], AViews[2]) << "round " << ARound;
    ASSERT_EQ(AViews[1], AViews[2]) << "round " << ARound;
  }
  C->SortByStoredValues = C->SortByComparedValues = true;
  C->SetOptions(AOptions);
}

// ---- The filter -----------------------------------------------------------------------------------------------

struct TRecord {
  int K;
  std::string S;
};

bool NaiveLike(const std::string& AText, const std::string& APattern) {
  std::function<bool(size_t, size_t)> M = [&](size_t T, size_t P) -> bool {
    if (P == APattern.size()) return T == AText.size();
    if (APattern[P] == '%') return M(T, P + 1) || (T < AText.size() && M(T + 1, P));
    if (T == AText.size()) return false;
    return (APattern[P] == '_' || APattern[P] == AText[T]) && M(T + 1, P + 1);
  };
  return M(0, 0);
}

class FilterProperty : public DataControllerTest {
 protected:
  std::mt19937 Random{7};
  std::vector<TRecord> Records;

  std::string Word(int AMax, const char* AAlphabet) {
    std::string S;
    const int N = 1 + static_cast<int>(Random() % AMax);
    for (int I = 0; I < N; ++I) S += AAlphabet[Random() % std::strlen(AAlphabet)];
    return S;
  }

  // Adds a random condition to AList and answers its naive evaluation.
  std::function<bool(const TRecord&)> AddLeaf(TcxDataFilterCriteria* F, TcxFilterCriteriaItemList* AList) {
    const int AKind = static_cast<int>(Random() % 8);
    const int A = static_cast<int>(Random() % 10);
    const int B = A + static_cast<int>(Random() % 4);
    switch (AKind) {
      case 0: F->AddItem(AList, C->Columns[0], foEqual, A, ""); return [A](const TRecord& R) { return R.K == A; };
      case 1: F->AddItem(AList, C->Columns[0], foLess, A, ""); return [A](const TRecord& R) { return R.K < A; };
      case 2: F->AddItem(AList, C->Columns[0], foGreaterEqual, A, ""); return [A](const TRecord& R) { return R.K >= A; };
      case 3:
        F->AddItem(AList, C->Columns[0], foBetween, VarArrayOf({A, B}), "");
        return [A, B](const TRecord& R) { return R.K >= A && R.K <= B; };
      case 4:
        F->AddItem(AList, C->Columns[0], foNotInList, VarArrayOf({A, B}), "");
        return [A, B](const TRecord& R) { return R.K != A && R.K != B; };
      case 5: {
        const std::string P = Word(4, "ab%_");
        F->AddItem(AList, C->Columns[1], foLike, P, P);
        return [P](const TRecord& R) { return NaiveLike(R.S, P); };
      }
      case 6: {
        const std::string P = Word(3, "ab%");
        F->AddItem(AList, C->Columns[1], foNotLike, P, P);
        return [P](const TRecord& R) { return !NaiveLike(R.S, P); };
      }
      default: {
        const std::string W = Word(2, "ab");
        F->AddItem(AList, C->Columns[1], foNotEqual, W, W);
        return [W](const TRecord& R) { return R.S != W; };
      }
    }
  }

  std::function<bool(const TRecord&)> AddList(TcxDataFilterCriteria* F, TcxFilterCriteriaItemList* AList, int ADepth) {
    std::vector<std::function<bool(const TRecord&)>> AChildren;
    const int N = 1 + static_cast<int>(Random() % 3);
    for (int I = 0; I < N; ++I) {
      if (ADepth < 2 && Random() % 3 == 0) {
        const auto AKind = static_cast<TcxFilterBoolOperatorKind>(Random() % 4);
        TcxFilterCriteriaItemList* ASub = AList->AddItemList(AKind);
        AChildren.push_back(AddList(F, ASub, ADepth + 1));
      } else {
        AChildren.push_back(AddLeaf(F, AList));
      }
    }
    const TcxFilterBoolOperatorKind AKind = AList->GetBoolOperatorKind();
    return [AChildren, AKind](const TRecord& R) {
      const bool AOr = AKind == fboOr || AKind == fboNotOr;
      bool AResult = !AOr;
      for (const auto& Ch : AChildren) AResult = AOr ? (AResult || Ch(R)) : (AResult && Ch(R));
      return AKind == fboNotAnd || AKind == fboNotOr ? !AResult : AResult;
    };
  }
};

TEST_F(FilterProperty, FilteredViewMatchesANaiveEvaluation) {
  C->AddColumn("K", IntType());
  C->AddColumn("S", StrType());
  TcxDataFilterCriteria* F = C->GetFilter();
  int ANonTrivial = 0;
  for (int ARound = 0; ARound < 200; ++ARound) {
    Records.clear();
    std::vector<std::vector<Variant>> ARows;
    const int N = static_cast<int>(Random() % 50);
    for (int I = 0; I < N; ++I) {
      Records.push_back({static_cast<int>(Random() % 12), Word(3, "abc")});
      ARows.push_back({Records.back().K, Records.back().S});
    }
    C->BeginUpdate();
    C->SetRows(ARows);
    F->BeginUpdate();
    F->Clear();
    F->GetRoot()->SetBoolOperatorKind(static_cast<TcxFilterBoolOperatorKind>(Random() % 4));
    auto AExpect = AddList(F, F->GetRoot(), 0);
    F->SetActive(true);
    F->EndUpdate();
    C->EndUpdate();
    std::vector<Integer> AExpected;
    for (int I = 0; I < N; ++I)
      if (AExpect(Records[static_cast<size_t>(I)])) AExpected.push_back(I);
    if (!AExpected.empty() && static_cast<int>(AExpected.size()) < N) ++ANonTrivial;
    ASSERT_EQ(C->ViewRecords(), AExpected) << "round " << ARound << ": " << F->GetFilterText();
  }
  EXPECT_GT(ANonTrivial, 50);  // the criteria do select
}

// Leaves over stored numbers and texts compared natively select what the Variant comparison
// selects: every operator with bounds of other numeric types, Null bounds and list elements, texts
// with and without case, LIKE patterns, Null and NaN values.
TEST_F(DataControllerTest, NativeFilterValuesSelectWhatVariantsSelect) {
  const TcxValueTypeClass ATypes[] = {IntType(), ValueTypeClass<TcxLargeIntValueType>(), FloatType(),
                                      ValueTypeClass<TcxDateTimeValueType>(), ValueTypeClass<TcxCurrencyValueType>(),
                                      StrType()};
  for (TcxValueTypeClass AType : ATypes) C->AddColumn(AType->Caption(), AType);
  auto* F = static_cast<TTestFilterCriteria*>(C->GetFilter());
  std::mt19937 ARandom(23);
  auto ANumber = [&]() -> Variant {
    switch (ARandom() % 6) {
      case 0: return static_cast<Integer>(ARandom() % 7) - 3;
      case 1: return static_cast<Int64>(ARandom() % 7) - 3;
      case 2: return (static_cast<double>(ARandom() % 13) - 6) / 4;
      case 3: return VarFromDateTime(static_cast<double>(ARandom() % 7) - 3);
      case 4: return Null();
      default: return static_cast<SmallInt>(ARandom() % 5 - 2);
    }
  };
  auto AText = [&]() -> Variant {
    if (ARandom() % 8 == 0) return Null();
    String A;
    for (int K = 0, N = static_cast<int>(ARandom() % 3); K < N; ++K) A += "aAb%_"[ARandom() % 5];
    return A;
  };
  const TcxFilterOperatorKind AKinds[] = {foEqual, foNotEqual, foLess, foLessEqual, foGreater, foGreaterEqual,
                                          foBetween, foNotBetween, foInList, foNotInList, foLike, foNotLike};
  for (int ARound = 0; ARound < 400; ++ARound) {
    const int N = static_cast<int>(ARandom() % 25);
    std::vector<std::vector<Variant>> ARows(static_cast<size_t>(N));
    for (auto& R : ARows) {
      auto AMaybe = [&](Variant V) { return ARandom() % 6 ? V : Null(); };
      R.push_back(AMaybe(static_cast<Integer>(ARandom() % 7) - 3));
      R.push_back(AMaybe(static_cast<Int64>(ARandom() % 7) - 3));
      R.push_back(AMaybe(ARandom() % 12 ? (static_cast<double>(ARandom() % 13) - 6) / 4 : std::nan("")));
      R.push_back(AMaybe(VarFromDateTime((static_cast<double>(ARandom() % 13) - 6) / 2)));
      R.push_back(AMaybe(Currency::FromRaw((static_cast<Int64>(ARandom() % 13) - 6) * 2500)));
      R.push_back(AMaybe(String(1 + ARandom() % 2, "aAb"[ARandom() % 3])));
    }
    const Integer AColumn = static_cast<Integer>(ARandom() % std::size(ATypes));
    const TcxFilterOperatorKind AKind = AKinds[ARandom() % std::size(AKinds)];
    auto AOperand = [&] { return AColumn == 5 ? AText() : ANumber(); };
    Variant AValue;
    if (AKind == foBetween || AKind == foNotBetween) AValue = VarArrayOf({AOperand(), AOperand()});
    else if (AKind == foInList || AKind == foNotInList) AValue = VarArrayOf({AOperand(), AOperand(), AOperand()});
    else AValue = AOperand();
    TcxFilterCriteriaOptions AOptions{fcoSoftCompare};
    if (ARandom() % 2) AOptions.Include(fcoCaseInsensitive);
    std::vector<std::vector<Integer>> AViews;
    for (bool ANative : {true, false}) {
      F->NativeValues = ANative;
      C->BeginUpdate();
      C->SetRows(ARows);
      F->BeginUpdate();
      F->Clear();
      F->SetOptions(AOptions);
      F->AddItem(nullptr, C->Columns[static_cast<size_t>(AColumn)], AKind, AValue, "");
      F->SetActive(true);
      F->EndUpdate();
      C->EndUpdate();
      AViews.push_back(C->ViewRecords());
    }
    ASSERT_EQ(AViews[0], AViews[1]) << "round " << ARound << ": " << F->GetFilterText();
  }
  F->NativeValues = true;
}

}  // namespace
