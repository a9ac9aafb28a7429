// The controller's filter criteria, additional filters, the value list of a filter drop-down, group
// navigation, and key lists in provider mode.
#include <gtest/gtest.h>

#include "Streams.h"
#include "cxCustomDataKeys.h"
#include "cxDataControllerFixture.h"

namespace {

class DataFilterTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("K", IntType());
    C->AddColumn("S", StrType());
    C->SetRows({{1, "b"}, {2, Null()}, {3, "a"}, {4, "b"}});
  }
  Integer DataNotices() {
    return static_cast<Integer>(std::count_if(C->Log.begin(), C->Log.end(),
                                              [](const std::string& S) { return S.rfind("data", 0) == 0; }));
  }
};

TEST_F(DataFilterTest, InactiveFilterAcceptsEverything) {
  TcxDataFilterCriteria* F = C->GetFilter();
  F->AddItem(F->GetRoot(), C->Columns[0], foGreater, 2, "2");
  EXPECT_EQ(C->GetRowCount(), 4);
  C->ClearLog();
  F->SetActive(true);
  EXPECT_EQ(C->ViewRecords(), (std::vector<Integer>{2, 3}));
  EXPECT_EQ(DataNotices(), 1);
  EXPECT_EQ(F->GetFilterText(), "(K > 2)");
}

TEST_F(DataFilterTest, AdditionalFiltersNeverRefilterTheController) {
  TcxDataFilterCriteria* A = C->CreateFilter();
  A->SetActive(true);
  C->ClearLog();
  A->AddItem(A->GetRoot(), C->Columns[0], foEqual, 1, "1");
  EXPECT_EQ(DataNotices(), 0);
  EXPECT_EQ(C->GetRowCount(), 4);
  EXPECT_TRUE(A->DoFilterRecord(0));
  EXPECT_FALSE(A->DoFilterRecord(1));
  A->Free();
  EXPECT_EQ(C->GetFilters()->Count(), 0);
}

TEST_F(DataFilterTest, RemovingAnItemDropsItsConditions) {
  TcxDataFilterCriteria* F = C->GetFilter();
  F->AddItem(F->GetRoot(), C->Columns[1], foEqual, "b", "b");
  F->SetActive(true);
  ASSERT_EQ(C->GetRowCount(), 2);
  C->RemoveItem(C->Columns[1]);
  EXPECT_TRUE(F->IsEmpty());
  EXPECT_EQ(C->GetRowCount(), 4);
}

TEST_F(DataFilterTest, ValueListHoldsSpecialEntriesThenSortedValues) {
  auto* L = static_cast<TcxDataFilterValueList*>(C->GetFilter()->CreateValueList());
  L->Load(1);
  std::vector<String> ATexts;
  for (Integer I = 0; I < L->Count(); ++I) ATexts.push_back(L->GetItem(I).DisplayText);
  EXPECT_EQ(ATexts, (std::vector<String>{"(All)", "(Custom...)", "(Blanks)", "(NonBlanks)", "a", "b"}));
  L->Load(0);
  EXPECT_EQ(L->Count(), 6);  // (All), (Custom...), 1 .. 4
  EXPECT_EQ(L->FindItemByKind(fviBlanks), -1);
  L->Free();
}

TEST_F(DataFilterTest, FilterTravelsThroughItsStreamByItemNames) {
  TcxDataFilterCriteria* F = C->GetFilter();
  F->AddItem(F->GetRoot(), C->Columns[1], foLike, "b%", "b%");
  F->SetActive(true);
  auto* S = New<TMemoryStream>();
  F->SaveToStream(S);
  auto* D = New<TTestController>();
  D->AddColumn("X", IntType());  // other IDs, same name
  D->AddColumn("S", StrType());
  D->Columns[1]->ID = 7;
  D->SetRows({{0, "bee"}, {0, "ant"}});
  S->SetPosition(0);
  D->GetFilter()->LoadFromStream(S);
  D->GetFilter()->SetActive(true);
  EXPECT_EQ(D->ViewRecords(), (std::vector<Integer>{0}));
  D->Free();
  S->Free();
}

TEST_F(DataFilterTest, GroupNavigation) {
  C->GetGroups()->ChangeGrouping(1, 0);
  C->GetGroups()->ChangeGrouping(0, 1);
  TcxDataControllerGroups* G = C->GetGroups();
  EXPECT_EQ(G->GetGroupingItemCount(), 2);
  EXPECT_EQ(G->GetGroupingItemIndex(1), 0);
  EXPECT_EQ(G->GetItemGroupIndex(1), 0);
  C->ClearLog();
  G->ChangeGrouping(1, 0);  // already there
  EXPECT_TRUE(C->Log.empty());
  // groups: Null{2}, a{3}, b{1, 4}
  ASSERT_EQ(G->GetChildCount(-1), 3);
  const Integer B = G->GetChildDataGroupIndex(-1, 2);
  EXPECT_EQ(G->GetGroupValue(B).ToString(), "b");
  EXPECT_EQ(G->GetGroupRecordIndex(B), 0);
  EXPECT_EQ(G->GetDataGroupIndexByGroupValue(-1, "b"), B);
  EXPECT_EQ(G->GetDataGroupIndexByGroupValue(-1, "z"), -1);
  std::vector<Integer> A;
  G->LoadRecordIndexes(A, B);
  EXPECT_EQ(A, (std::vector<Integer>{0, 3}));
  EXPECT_EQ(G->GetChildRecordIndex(G->GetChildDataGroupIndex(B, 1), 0), 3);
  EXPECT_EQ(G->GetParentDataGroupIndex(G->GetChildDataGroupIndex(B, 1)), B);
}

// ---- Key lists ----------------------------------------------------------------------------------------------

// Rows with a stable key in column 0; reloads reorder them.
class TKeyedSource : public TcxCustomDataSource {
  DECLARE_CLASS(TKeyedSource, TcxCustomDataSource)
 public:
  std::vector<std::vector<Variant>> Rows;
  Integer GetRecordCount() override { return static_cast<Integer>(Rows.size()); }
  Variant GetValue(TcxDataRecordHandle H, TcxDataItemHandle I) override {
    return Rows.at(static_cast<size_t>(reinterpret_cast<intptr_t>(H))).at(static_cast<size_t>(reinterpret_cast<intptr_t>(I)));
  }
  bool IsRecordIdSupported() override { return true; }
  Variant GetRecordId(TcxDataRecordHandle H) override {
    return Rows.at(static_cast<size_t>(reinterpret_cast<intptr_t>(H))).at(0);
  }
};
IMPLEMENT_CLASS(TKeyedSource)

TEST_F(DataFilterTest, SelectedRecordsAreFoundAgainByKeyAfterAReload) {
  auto* S = New<TKeyedSource>();
  for (int K = 0; K < 8; ++K) S->Rows.push_back({K * 10, String(1, char('a' + K))});
  C->SetCustomDataSource(S);
  S->DataChanged();
  ASSERT_TRUE(C->IsKeyNavigation());
  C->SetMultiSelect(true);
  C->ChangeRowSelection(7, true);
  C->ChangeRowSelection(3, true);
  C->SaveKeys();
  std::swap(S->Rows[7], S->Rows[2]);  // key 70 moves to record 2
  S->Rows.erase(S->Rows.begin() + 3);  // key 30 goes
  S->DataChanged();
  C->RestoreKeys();
  ASSERT_EQ(C->GetSelectedCount(), 1);
  EXPECT_EQ(C->GetValue(C->GetRowInfo(C->GetSelectedRowIndex(0)).RecordIndex, 0).ToInteger(), 70);
  C->SetCustomDataSource(nullptr);
  S->Free();
}

}  // namespace
