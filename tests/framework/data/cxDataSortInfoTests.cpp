#include <gtest/gtest.h>

#include "Exceptions.h"
#include "cxDataSortInfo.h"

namespace {

// Distinct field addresses; the lists never look inside a field.
TcxCustomDataField* Fld(int N) { return reinterpret_cast<TcxCustomDataField*>(static_cast<intptr_t>(0x1000 * N)); }

class SortInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Sorting = New<TcxSortingFieldList>();
    Grouping = New<TcxGroupingFieldList>();
    Sorting->OnChanged = [this] { ++SortNotices; };
    Grouping->OnChanged = [this] { ++GroupNotices; };
  }
  void TearDown() override {
    Sorting->Free();
    Grouping->Free();
  }
  static std::vector<std::pair<int, TcxDataSortOrder>> Entries(const TcxSortingFieldList* L) {
    std::vector<std::pair<int, TcxDataSortOrder>> R;
    for (Integer I = 0; I < L->Count(); ++I)
      R.emplace_back(static_cast<int>(reinterpret_cast<intptr_t>(L->GetItem(I).Field) / 0x1000), L->GetItem(I).SortOrder);
    return R;
  }
  TcxSortingFieldList* Sorting = nullptr;
  TcxGroupingFieldList* Grouping = nullptr;
  int SortNotices = 0, GroupNotices = 0;
};

using E = std::vector<std::pair<int, TcxDataSortOrder>>;

TEST_F(SortInfoTest, ChangeSortingAddsReordersAndRemovesWithOneNoticeEach) {
  Sorting->ChangeSorting(Fld(1), soAscending);
  Sorting->ChangeSorting(Fld(2), soDescending);
  Sorting->ChangeSorting(Fld(3), soNone);        // absent and none: nothing
  Sorting->ChangeSorting(Fld(2), soDescending);  // same order: nothing
  Sorting->ChangeSorting(Fld(1), soDescending);
  EXPECT_EQ(Entries(Sorting), (E{{1, soDescending}, {2, soDescending}}));
  EXPECT_EQ(SortNotices, 3);
  Sorting->ChangeSorting(Fld(1), soNone);
  EXPECT_EQ(Entries(Sorting), (E{{2, soDescending}}));
  EXPECT_EQ(Sorting->SortOrderByField(Fld(1)), soNone);
  EXPECT_EQ(Sorting->SortIndexByField(Fld(2)), 0);
  Sorting->Add(Fld(4), soAscending);
  SortNotices = 0;
  Sorting->Clear();
  EXPECT_EQ(SortNotices, 2);  // one per entry
  EXPECT_THROW(Sorting->Delete(0), EListError);
  EXPECT_THROW(Sorting->GetItem(-1), EListError);
}

TEST_F(SortInfoTest, GroupingPlacesFieldsAndAlwaysHasAnOrder) {
  struct Step {
    int Field, Index;
    E Want;
  } Steps[] = {
      {1, 5, {{1, soAscending}}},                               // clamped to the end
      {2, 0, {{2, soAscending}, {1, soAscending}}},             // inserted in front
      {2, 9, {{1, soAscending}, {2, soAscending}}},             // moved to the last place
      {3, 1, {{1, soAscending}, {3, soAscending}, {2, soAscending}}},
      {1, -1, {{3, soAscending}, {2, soAscending}}},            // ungrouped
      {7, -1, {{3, soAscending}, {2, soAscending}}},            // absent: nothing
  };
  for (const Step& S : Steps) {
    Grouping->ChangeGrouping(Fld(S.Field), S.Index);
    EXPECT_EQ(Entries(Grouping), S.Want) << S.Field << " to " << S.Index;
  }
  Grouping->ChangeSorting(Fld(3), soNone);  // a group keeps an order
  EXPECT_EQ(Grouping->GroupIndexByField(Fld(3)), 0);
  EXPECT_EQ(Grouping->SortOrderByField(Fld(3)), soAscending);

  Sorting->Add(Fld(2), soDescending);
  Grouping->UpdateSorting(Sorting);
  EXPECT_EQ(Entries(Grouping), (E{{3, soAscending}, {2, soDescending}}));
  Sorting->Clear();
  Grouping->UpdateSorting(Sorting);
  EXPECT_EQ(Entries(Grouping), (E{{3, soAscending}, {2, soAscending}}));

  // The total sorting list: grouping fields first, then the sorting fields not among them.
  TcxSortingFieldList* Total = New<TcxSortingFieldList>();
  Sorting->Add(Fld(5), soDescending);
  Sorting->Add(Fld(2), soDescending);
  Total->AppendFrom(Grouping);
  Total->AppendFrom(Sorting);
  EXPECT_EQ(Entries(Total), (E{{3, soAscending}, {2, soAscending}, {5, soDescending}}));
  Total->Free();
}

}  // namespace
