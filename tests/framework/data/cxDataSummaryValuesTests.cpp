#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cxDataGroups.h"
#include "cxDataSummaryValues.h"

namespace {

struct Case {
  const char* Name;
  TcxSummaryKind Kind;
  bool NullIgnore;
  bool Fieldless;
  std::vector<Variant> Values;
  Variant Want;
  Integer WantCount;
};

TEST(cxDataSummaryValues, KindsOverValuesWithAndWithoutNulls) {
  const Variant N = Null();
  const Case Cases[] = {
      {"sum with a Null", skSum, false, false, {2, N, 3}, 5, 3},
      {"sum ignoring Null", skSum, true, false, {2, N, 3}, 5, 2},
      {"sum of a leading Null", skSum, false, false, {N, 4}, 4, 2},
      {"sum of nothing", skSum, false, false, {}, N, 0},
      {"minimum skips a leading Null", skMin, false, false, {N, 4, 2}, 2, 3},
      {"maximum", skMax, false, false, {1, 7, 3}, 7, 3},
      {"average", skAverage, false, false, {1, 2, 6}, 3.0, 3},
      {"average of nothing", skAverage, false, false, {}, N, 0},
      {"count of nothing", skCount, false, false, {}, 0, 0},
      {"count ignoring Null", skCount, true, false, {1, N, 2}, 2, 2},
      {"field-less count counts every record", skCount, true, true, {N, N, N}, 3, 3},
      {"none", skNone, false, false, {1, 2}, N, 0},
  };
  for (const Case& C : Cases) {
    Variant ARunning;
    Integer ACount = 0;
    TcxSummaryOptions AOptions;
    if (C.NullIgnore) AOptions.Include(soNullIgnore);
    for (const Variant& V : C.Values) cxSummaryAccumulate(C.Kind, AOptions, C.Fieldless, V, ARunning, ACount);
    EXPECT_EQ(ACount, C.WantCount) << C.Name;
    cxSummaryFinish(C.Kind, ARunning, ACount);
    EXPECT_EQ(VarIsNull(ARunning), VarIsNull(C.Want)) << C.Name;
    if (!VarIsNull(C.Want)) {
      EXPECT_TRUE(ARunning == C.Want) << C.Name << ": " << VarToStr(ARunning);
    }
  }
}

TEST(cxDataSummaryValues, AverageOfDatesIsADate) {
  Variant ARunning;
  Integer ACount = 0;
  for (double D : {45000.0, 45002.0})
    cxSummaryAccumulate(skAverage, TcxSummaryOptions(), false, VarAsType(Variant(D), varDate), ARunning, ACount);
  cxSummaryFinish(skAverage, ARunning, ACount);
  EXPECT_TRUE(VarIsType(ARunning, varDate));
  EXPECT_TRUE(VarAsType(ARunning, varDouble) == Variant(45001.0));
}

}  // namespace


namespace {

// Group sums and counts against a direct pass over the records sharing each group's keys.
TEST(cxDataSummaryValues, GroupSummariesMatchTheRecordsOfEachGroup) {
  std::mt19937 Rng(11);
  for (int Round = 0; Round < 100; ++Round) {
    const Integer N = static_cast<Integer>(Rng() % 60);
    std::vector<std::pair<std::pair<int, int>, Variant>> Rows;  // keys, value (Null sometimes)
    for (Integer I = 0; I < N; ++I)
      Rows.push_back({{static_cast<int>(Rng() % 3), static_cast<int>(Rng() % 3)},
                      Rng() % 4 ? Variant(static_cast<Integer>(Rng() % 100)) : Null()});
    std::sort(Rows.begin(), Rows.end(), [](auto& A, auto& B) { return A.first < B.first; });
    TcxRecordList List(static_cast<size_t>(N));
    for (Integer I = 0; I < N; ++I) List[static_cast<size_t>(I)] = I;
    auto Key = [&](Integer R, Integer L) { return L == 0 ? Rows[static_cast<size_t>(R)].first.first : Rows[static_cast<size_t>(R)].first.second; };
    TcxDataGroups* Groups = New<TcxDataGroups>();
    Groups->AddField(nullptr);
    Groups->AddField(nullptr);
    BuildDataGroups(Groups, List, [&](Integer A, Integer B, Integer L) { return Key(A, L) - Key(B, L); });

    const std::vector<TcxSummaryItemInfo> Items{{skSum, false}, {skCount, false}, {skCount, true}};
    TcxSummaryOptions AOptions;
    AOptions.Include(soNullIgnore);
    Integer ANonNullAll = 0;
    for (auto& R : Rows) ANonNullAll += !VarIsNull(R.second);
    Variant AFooter = cxCalculateFooterSummary(List, Items, AOptions, [&](Integer R, Integer) { return Rows[static_cast<size_t>(R)].second; });
    EXPECT_TRUE(VarArrayGet(AFooter, {1}) == Variant(ANonNullAll)) << Round;
    EXPECT_TRUE(VarArrayGet(AFooter, {2}) == Variant(N)) << Round;
    for (Integer ALevel = 0; ALevel < 2; ++ALevel) {
      cxCalculateGroupSummary(Groups, ALevel, List, Items, AOptions,
                              [&](Integer R, Integer) { return Rows[static_cast<size_t>(R)].second; });
      for (Integer G = 0; G < Groups->ItemCount(); ++G) {
        if (Groups->GetItem(G)->Level != ALevel) continue;
        const Integer AFirst = Groups->GetDataRecordListIndex(Groups->GetItem(G));
        Integer ASum = 0, ANonNull = 0, AAll = 0;
        for (Integer R = 0; R < N; ++R) {
          bool ASame = Key(R, 0) == Key(AFirst, 0) && (ALevel == 0 || Key(R, 1) == Key(AFirst, 1));
          if (!ASame) continue;
          ++AAll;
          if (!VarIsNull(Rows[static_cast<size_t>(R)].second)) {
            ++ANonNull;
            ASum += std::stoi(VarToStr(Rows[static_cast<size_t>(R)].second));
          }
        }
        const Variant& V = Groups->GetItem(G)->SummaryValues;
        if (ANonNull) {
          EXPECT_TRUE(VarArrayGet(V, {0}) == Variant(ASum)) << Round;
        } else {
          EXPECT_TRUE(VarIsNull(VarArrayGet(V, {0}))) << Round;
        }
        EXPECT_TRUE(VarArrayGet(V, {1}) == Variant(ANonNull)) << Round;
        EXPECT_TRUE(VarArrayGet(V, {2}) == Variant(AAll)) << Round;
      }
    }
    Groups->Free();
  }
}

}  // namespace
