#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "Exceptions.h"
#include "cxDataGroups.h"

namespace {

// A tree over the record list 0..n-1 with the keys given per level; records already in key order.
struct TTree {
  std::vector<std::vector<int>> Keys;  // Keys[record][level]
  TcxRecordList List;
  TcxDataGroups* Groups = New<TcxDataGroups>();

  explicit TTree(std::vector<std::vector<int>> AKeys, Integer ALevels) : Keys(std::move(AKeys)) {
    for (Integer K = 0; K < ALevels; ++K) Groups->AddField(nullptr);
    List.resize(Keys.size());
    std::iota(List.begin(), List.end(), 0);
    Build();
  }
  ~TTree() { Groups->Free(); }
  void Build() {
    BuildDataGroups(Groups, List, [this](Integer A, Integer B, Integer L) {
      return Keys[static_cast<size_t>(A)][static_cast<size_t>(L)] - Keys[static_cast<size_t>(B)][static_cast<size_t>(L)];
    });
  }
  void Expand(std::initializer_list<bool> AFlags) {
    Integer I = 0;
    for (bool F : AFlags) Groups->GetItem(I++)->Expanded = F;
    Groups->Rebuild();
  }
  std::vector<Integer> Rows() const {
    std::vector<Integer> R;
    for (Integer I = 0; I < Groups->ItemCount(); ++I) R.push_back(Groups->GetItem(I)->RowIndex);
    return R;
  }
};

TEST(cxDataGroups, OneLevelRowsFollowExpansion) {
  TTree T({{1}, {1}, {1}, {2}, {2}}, 1);
  ASSERT_EQ(T.Groups->ItemCount(), 2);
  EXPECT_EQ(T.Groups->GetItem(0)->FirstIndex, 0);
  EXPECT_EQ(T.Groups->GetItem(0)->LastIndex, 2);
  EXPECT_EQ(T.Groups->GetItem(1)->FirstIndex, 3);
  EXPECT_EQ(T.Groups->GetItem(1)->LastIndex, 4);
  EXPECT_EQ(T.Rows(), (std::vector<Integer>{0, 1}));  // built collapsed
  EXPECT_EQ(T.Groups->GetRowCount(), 2);

  T.Expand({true, false});
  EXPECT_EQ(T.Rows(), (std::vector<Integer>{0, 4}));
  EXPECT_EQ(T.Groups->GetRowCount(), 5);
  TcxDataGroupInfo* G;
  EXPECT_EQ(T.Groups->Find(2, G), -1);
  EXPECT_EQ(G, T.Groups->GetItem(0));
  TcxRowInfo R = T.Groups->GetRowInfo(2);
  EXPECT_EQ(R.Level, 1);
  EXPECT_EQ(R.RecordIndex, 1);
  EXPECT_EQ(T.Groups->Find(4, G), 1);

  T.Groups->ChangeExpanding(2, false, false);  // a data row: nothing changes
  EXPECT_TRUE(T.Groups->GetItem(0)->Expanded);
  T.Groups->ChangeExpanding(4, true, false);
  EXPECT_EQ(T.Groups->GetRowCount(), 7);
  EXPECT_EQ(T.Groups->GetRowInfo(6).RecordIndex, 4);
}

TEST(cxDataGroups, TwoLevelsHiddenGroupsShareTheirAncestorsRow) {
  // X{X1: 2 records, X2: 1 record}, Y{Y1: 1 record}
  TTree T({{1, 1}, {1, 1}, {1, 2}, {2, 1}}, 2);
  ASSERT_EQ(T.Groups->ItemCount(), 5);
  std::vector<std::pair<Integer, Integer>> FirstLast;
  for (Integer I = 0; I < 5; ++I) FirstLast.emplace_back(T.Groups->GetItem(I)->FirstIndex, T.Groups->GetItem(I)->LastIndex);
  EXPECT_EQ(FirstLast, (std::vector<std::pair<Integer, Integer>>{{1, 2}, {0, 1}, {2, 2}, {4, 4}, {3, 3}}));

  T.Expand({true, true, false, false, false});
  EXPECT_EQ(T.Rows(), (std::vector<Integer>{0, 1, 4, 5, 5}));
  EXPECT_EQ(T.Groups->GetRowCount(), 6);
  EXPECT_FALSE(T.Groups->IsVisible(4));
  EXPECT_TRUE(T.Groups->IsVisible(3));
  EXPECT_EQ(T.Groups->GetIndexByRowIndexLevel(5, 1), 4);
  EXPECT_EQ(T.Groups->GetIndexByRowIndexLevel(2, 0), 0);
  EXPECT_EQ(T.Groups->GetRowInfo(0).RecordIndex, 0);
  EXPECT_EQ(T.Groups->GetRowInfo(5).RecordIndex, 3);

  // Collapsing recursively collapses the subtree; expanding again shows the children collapsed.
  T.Groups->ChangeExpanding(0, false, true);
  EXPECT_FALSE(T.Groups->GetItem(1)->Expanded);
  T.Groups->ChangeExpanding(0, true, false);
  EXPECT_EQ(T.Rows(), (std::vector<Integer>{0, 1, 2, 3, 3}));
  EXPECT_EQ(T.Groups->GetRowCount(), 4);

  EXPECT_TRUE(T.Groups->MakeVisible(4, true));
  EXPECT_EQ(T.Groups->GetRowCount(), 6);
  EXPECT_FALSE(T.Groups->MakeVisible(4, true));
}

TEST(cxDataGroups, NavigationQueriesAndNeutralAnswers) {
  TTree T({{1, 1}, {1, 1}, {1, 2}, {2, 1}}, 2);
  struct Case {
    Integer Got, Want;
  } Cases[] = {
      {T.Groups->GetChildCount(-1), 2},          {T.Groups->GetChildCount(0), 2},
      {T.Groups->GetChildCount(1), 2},           {T.Groups->GetChildCount(9), 0},
      {T.Groups->GetChildIndex(-1, 1), 3},       {T.Groups->GetChildIndex(0, 1), 2},
      {T.Groups->GetChildIndex(0, 2), -1},       {T.Groups->GetChildIndex(1, 0), -1},
      {T.Groups->GetChildRecordListIndex(1, 1), 1}, {T.Groups->GetChildRecordListIndex(1, 2), -1},
      {T.Groups->GetParentIndex(2), 0},          {T.Groups->GetParentIndex(4), 3},
      {T.Groups->GetParentIndex(0), -1},         {T.Groups->GetLevel(4), 1},
      {T.Groups->GetLevel(-2), -1},              {T.Groups->FindByIndex(2, 0), 0},
      {T.Groups->FindByIndex(3, 1), 4},          {T.Groups->FindByIndex(7, 0), -1},
      {T.Groups->GetFirstLevelCount(), 2},       {T.Groups->GetFirstLevelIndex(5), -1},
  };
  for (size_t I = 0; I < std::size(Cases); ++I) EXPECT_EQ(Cases[I].Got, Cases[I].Want) << "case " << I;

  // A comparison that raises leaves no half-built groups.
  int ACalls = 0;
  EXPECT_THROW(BuildDataGroups(T.Groups, T.List,
                               [&](Integer, Integer, Integer) -> Integer {
                                 if (++ACalls == 3) throw Exception("conversion failed");
                                 return 1;
                               }),
               Exception);
  EXPECT_EQ(T.Groups->ItemCount(), 0);
  EXPECT_EQ(T.Groups->GetRowCount(), 0);

  TTree Empty({}, 2);
  EXPECT_EQ(Empty.Groups->ItemCount(), 0);
  EXPECT_EQ(Empty.Groups->GetRowCount(), 0);
  TcxDataGroupInfo* G;
  EXPECT_EQ(Empty.Groups->Find(0, G), -1);
  EXPECT_EQ(G, nullptr);
}

// The rows a view would show, enumerated from the sorted keys directly.
struct TNaiveRow {
  Integer Level;
  bool Expanded;
  Integer ListIndex;
  Integer Item = -1;  // the group shown, -1 for a data row
  bool operator==(const TNaiveRow& R) const {
    return Level == R.Level && Expanded == R.Expanded && ListIndex == R.ListIndex;
  }
};

void NaiveRows(const TTree& T, const std::vector<bool>& AExpanded, Integer F, Integer AFirst, Integer ALast,
               Integer ALevel, Integer& AItem, bool AVisible, std::vector<TNaiveRow>& ARows) {
  Integer P = AFirst;
  while (P <= ALast) {
    Integer Q = P;
    auto SameGroup = [&](Integer A, Integer B) {
      for (Integer K = 0; K <= ALevel; ++K)
        if (T.Keys[static_cast<size_t>(A)][static_cast<size_t>(K)] != T.Keys[static_cast<size_t>(B)][static_cast<size_t>(K)]) return false;
      return true;
    };
    while (Q + 1 <= ALast && SameGroup(P, Q + 1)) ++Q;
    Integer AThis = AItem++;
    bool AExp = AExpanded[static_cast<size_t>(AThis)];
    if (AVisible) ARows.push_back({ALevel, AExp, P, AThis});
    if (ALevel == F - 1) {
      if (AVisible && AExp)
        for (Integer R = P; R <= Q; ++R) ARows.push_back({F, false, R, -1});
    } else {
      NaiveRows(T, AExpanded, F, P, Q, ALevel + 1, AItem, AVisible && AExp, ARows);
    }
    P = Q + 1;
  }
}

TEST(cxDataGroups, RandomTreesMatchNaiveEnumeration) {
  std::mt19937 Rng(20261210);
  for (int Round = 0; Round < 300; ++Round) {
    Integer F = 1 + static_cast<Integer>(Rng() % 3);
    Integer N = static_cast<Integer>(Rng() % 40);
    std::vector<std::vector<int>> Keys(static_cast<size_t>(N));
    for (auto& K : Keys)
      for (Integer L = 0; L < F; ++L) K.push_back(static_cast<int>(Rng() % 3));
    std::sort(Keys.begin(), Keys.end());
    TTree T(Keys, F);

    std::vector<bool> Flags(static_cast<size_t>(T.Groups->ItemCount()));
    for (size_t I = 0; I < Flags.size(); ++I) Flags[I] = Rng() % 2;
    for (Integer I = 0; I < T.Groups->ItemCount(); ++I) T.Groups->GetItem(I)->Expanded = Flags[static_cast<size_t>(I)];
    T.Groups->Rebuild();

    // Expansion changed through the tree's own operations, followed in the naive flags: a group
    // row's subtree in depth-first order is every following item of a greater level.
    for (int Step = 0; Step < 6; ++Step) {
      std::vector<TNaiveRow> Want;
      Integer AItem = 0;
      NaiveRows(T, Flags, F, 0, N - 1, 0, AItem, true, Want);
      ASSERT_EQ(AItem, T.Groups->ItemCount()) << "round " << Round;
      ASSERT_EQ(T.Groups->GetRowCount(), static_cast<Integer>(Want.size())) << "round " << Round;
      for (Integer R = 0; R < static_cast<Integer>(Want.size()); ++R) {
        TcxRowInfo I = T.Groups->GetRowInfo(R);
        ASSERT_EQ((TNaiveRow{I.Level, I.Expanded, I.RecordIndex}), Want[static_cast<size_t>(R)])
            << "round " << Round << " step " << Step << " row " << R;
        Integer AIndex = T.Groups->GetIndexByRowIndex(R);
        ASSERT_GE(AIndex, 0);
        if (Want[static_cast<size_t>(R)].Item >= 0) {
          ASSERT_EQ(AIndex, Want[static_cast<size_t>(R)].Item);
          ASSERT_TRUE(T.Groups->IsVisible(AIndex));
          ASSERT_EQ(T.Groups->GetItem(AIndex)->RowIndex, R);
        } else {
          ASSERT_EQ(T.Groups->FindByIndex(I.RecordIndex, F - 1), AIndex);
        }
      }
      if (Want.empty()) break;
      const TNaiveRow& ARow = Want[Rng() % Want.size()];
      const bool AExpand = Rng() % 2, ARecursive = Rng() % 2;
      T.Groups->ChangeExpanding(static_cast<Integer>(&ARow - Want.data()), AExpand, ARecursive);
      if (ARow.Item >= 0) {
        Flags[static_cast<size_t>(ARow.Item)] = AExpand;
        const Integer ALevel = T.Groups->GetItem(ARow.Item)->Level;
        for (Integer J = ARow.Item + 1; ARecursive && J < T.Groups->ItemCount() && T.Groups->GetItem(J)->Level > ALevel; ++J)
          Flags[static_cast<size_t>(J)] = AExpand;
      }
    }
  }
}

TEST(cxDataGroupsSort, InconsistentComparisonsStayInsideTheList) {
  std::mt19937 Rng(7);
  using TCmp = Integer (*)(std::mt19937&, Integer, Integer);
  TCmp Comparisons[] = {
      [](std::mt19937& R, Integer, Integer) { return static_cast<Integer>(R() % 3) - 1; },
      [](std::mt19937&, Integer, Integer) { return -1; },
      [](std::mt19937&, Integer, Integer) { return 1; },
      [](std::mt19937&, Integer A, Integer B) { return A == B ? -1 : 1; },
  };
  for (TCmp Cmp : Comparisons)
    for (Integer N : {0, 1, 2, 3, 17, 200}) {
      TcxRecordList List(static_cast<size_t>(N));
      std::iota(List.begin(), List.end(), 1000);
      bool AOutside = false;
      QuickSortList(List, 0, N - 1, [&](Integer A, Integer B) {
        if (A < 1000 || A >= 1000 + N || B < 1000 || B >= 1000 + N) AOutside = true;
        return Cmp(Rng, A, B);
      });
      EXPECT_FALSE(AOutside) << N;
      std::sort(List.begin(), List.end());
      for (Integer I = 0; I < N; ++I) ASSERT_EQ(List[static_cast<size_t>(I)], 1000 + I);  // a permutation
    }
}

TEST(cxDataGroupsSort, SortsByKeyThenTieBreak) {
  std::mt19937 Rng(3);
  std::vector<int> Key(5000);
  for (int& K : Key) K = static_cast<int>(Rng() % 50);
  TcxRecordList List(Key.size());
  std::iota(List.begin(), List.end(), 0);
  std::shuffle(List.begin(), List.end(), Rng);
  auto Less = [&](Integer A, Integer B) {
    return std::pair(Key[static_cast<size_t>(A)], A) < std::pair(Key[static_cast<size_t>(B)], B);
  };
  QuickSortList(List, 0, static_cast<Integer>(List.size()) - 1,
                [&](Integer A, Integer B) { return Less(A, B) ? -1 : Less(B, A) ? 1 : 0; });
  EXPECT_TRUE(std::is_sorted(List.begin(), List.end(), Less));
}

// An adversary that decides the order as the sort asks (values are fixed only when a comparison
// needs them, always so as to make the current pivot a poor one) drives any partition sort without
// a guard towards n squared comparisons.
TEST(cxDataGroupsSort, AnAdversarialOrderCostsAFewNLogNComparisons) {
  for (Integer N : {1000, 50000}) {
    const Integer AGas = N;
    std::vector<Integer> AValue(static_cast<size_t>(N), AGas);
    Integer ASolid = 0, ACandidate = 0;
    Int64 ACount = 0;
    TcxRecordList List(static_cast<size_t>(N));
    std::iota(List.begin(), List.end(), 0);
    QuickSortList(List, 0, N - 1, [&](Integer X, Integer Y) {
      ++ACount;
      Integer& VX = AValue[static_cast<size_t>(X)];
      Integer& VY = AValue[static_cast<size_t>(Y)];
      if (VX == AGas && VY == AGas) (X == ACandidate ? VX : VY) = ASolid++;
      if (VX == AGas) ACandidate = X;
      else if (VY == AGas) ACandidate = Y;
      return VX - VY;
    });
    const double ANLogN = N * std::log2(static_cast<double>(N));
    EXPECT_LE(static_cast<double>(ACount), 5 * ANLogN) << N;
    EXPECT_TRUE(std::is_sorted(List.begin(), List.end(), [&](Integer A, Integer B) {
      return AValue[static_cast<size_t>(A)] < AValue[static_cast<size_t>(B)];
    })) << N;
  }
}

TEST(cxDataGroupsFilter, CompactsInOrderKeepingTheEditedRecord) {
  TcxRecordList List{4, 0, 7, 2, 9, 5};
  std::vector<Integer> Asked;
  bool AShrank = FilterRecordList(List, 7, [&](Integer R) {
    Asked.push_back(R);
    return R % 2 == 1;  // drops odd records
  });
  EXPECT_TRUE(AShrank);
  EXPECT_EQ(List, (TcxRecordList{4, 0, 7, 2}));
  EXPECT_EQ(Asked, (std::vector<Integer>{5, 9, 2, 0, 4}));  // last to first, the kept one not asked

  TcxRecordList Same{1, 3};
  EXPECT_FALSE(FilterRecordList(Same, -1, [](Integer) { return false; }));
  EXPECT_EQ(Same, (TcxRecordList{1, 3}));
  EXPECT_TRUE(FilterRecordList(Same, -1, [](Integer) { return true; }));
  EXPECT_TRUE(Same.empty());
}

}  // namespace
