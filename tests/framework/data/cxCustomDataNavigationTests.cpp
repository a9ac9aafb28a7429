// Navigation, bookmarks, the incremental filter, text search, the type-ahead search and the
// change-information objects.
#include <gtest/gtest.h>

#include "cxCustomDataSearch.h"
#include "cxDataControllerFixture.h"

namespace {

class NavigationTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("S", StrType());
    std::vector<std::vector<Variant>> A;
    for (const char* S : {"apple", "Abacus", "berry", "abc", "cherry", "ABX", "date", "fig", "grape", "abz"})
      A.push_back({S});
    C->SetRows(A);
  }
};

TEST_F(NavigationTest, DatasetStyleMoves) {
  C->GotoFirst();
  EXPECT_TRUE(C->IsBOF());
  C->GotoPrev();
  EXPECT_EQ(C->GetFocusedRowIndex(), 0);
  C->MoveBy(2);
  EXPECT_EQ(C->MoveBy(-5), -2);
  EXPECT_EQ(C->GetFocusedRowIndex(), 0);
  C->GotoLast();
  EXPECT_TRUE(C->IsEOF());
  C->GotoNext();
  EXPECT_EQ(C->GetFocusedRowIndex(), 9);
  C->ChangeFocusedRowIndex(-1);
  EXPECT_FALSE(C->IsBOF());
}

TEST_F(NavigationTest, EmptyControllerIsAtBothEnds) {
  C->SetRecordCount(0);
  EXPECT_TRUE(C->IsEOF());
  EXPECT_TRUE(C->IsBOF());
  EXPECT_EQ(C->GetLastRecordIndex(), -1);
}

TEST_F(NavigationTest, BookmarkIsClearedWhenItsRecordLeavesTheView) {
  C->ChangeFocusedRowIndex(4);
  C->SaveBookmark();
  EXPECT_TRUE(C->IsBookmarkAvailable());
  EXPECT_TRUE(C->IsBookmarkRow(4));
  C->GotoFirst();
  C->GotoBookmark();
  EXPECT_EQ(C->GetFocusedRowIndex(), 4);
  C->ClearLog();
  C->SetOnFilterRecord([](TcxCustomDataController*, Integer R, bool& Accept) { Accept = R != 4; });
  EXPECT_FALSE(C->IsBookmarkAvailable());
  EXPECT_NE(std::find(C->Log.begin(), C->Log.end(), "bookmark"), C->Log.end());
}

TEST_F(NavigationTest, IncrementalFilterKeepsRecordsStartingWithTheText) {
  EXPECT_EQ(C->SetIncrementalFilter(0, "ab"), 1);
  EXPECT_TRUE(C->IsIncrementalFilter());
  EXPECT_EQ(C->ViewRecords(), (std::vector<Integer>{1, 3, 5, 9}));
  EXPECT_TRUE(C->ChangeIncrementalFilterText("abz"));
  EXPECT_EQ(C->ViewRecords(), (std::vector<Integer>{9}));
  EXPECT_EQ(C->SetIncrementalFilter(0, ""), 0);
  EXPECT_FALSE(C->IsIncrementalFilter());
  EXPECT_EQ(C->GetRowCount(), 10);
}

struct TTextSearchCase {
  const char* Name;
  Integer Start;
  bool Circular, Forward;
  Integer Expected;
};

// "ab" prefixes: records 1, 3, 5, 9.
TEST_F(NavigationTest, TextSearchPassesAndWrapping) {
  const TTextSearchCase ACases[] = {
      {"forward from 4", 4, false, true, 5},
      {"forward past the last", 6, false, true, 9},
      {"forward wraps", 6, true, true, 9},
      {"backward from 4", 4, false, false, 3},
      {"backward from 0 without wrap", 0, false, false, -1},
      // from position 0 a circular backward search goes on at the last position
      {"backward from 0 wraps", 0, true, false, 9},
      {"start out of range", 10, true, true, -1},
  };
  for (const TTextSearchCase& K : ACases)
    EXPECT_EQ(C->FindRecordIndexByText(K.Start, 0, "AB", true, K.Circular, K.Forward), K.Expected) << K.Name;
  EXPECT_EQ(C->FindRecordIndexByText(8, 0, "abc", false, true, true), 3);  // whole text, wrapped
  EXPECT_EQ(C->FindRecordIndexByText(5, 0, "apple", true, false, true), -1);
  EXPECT_EQ(C->FindRecordIndexByText(5, 0, "apple", true, true, true), 0);
}

TEST_F(NavigationTest, LocateSearchesFromTheFocusAndLocateNextMoves) {
  C->ChangeFocusedRowIndex(4);
  TcxDataControllerSearch* S = C->GetSearch();
  EXPECT_TRUE(S->Locate(0, "ab"));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 5);
  EXPECT_TRUE(S->GetSearching());
  EXPECT_TRUE(S->LocateNext(true));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 9);
  EXPECT_FALSE(S->LocateNext(true));  // no wrap-around
  EXPECT_TRUE(S->LocateNext(false));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 5);
  C->ClearLog();
  C->ChangeFocusedRowIndex(0);  // the application moves: the search ends
  EXPECT_FALSE(S->GetSearching());
  EXPECT_EQ(std::count(C->Log.begin(), C->Log.end(), "search"), 1);
  EXPECT_FALSE(S->Locate(0, ""));
  EXPECT_TRUE(S->Locate(0, "ABX"));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 5);
}

TEST_F(NavigationTest, LocateWrapsToTheRowsBeforeTheFocus) {
  C->ChangeFocusedRowIndex(6);
  EXPECT_TRUE(C->GetSearch()->Locate(0, "apple"));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 0);
  EXPECT_FALSE(C->GetSearch()->LocateNext(false));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 0);
}

TEST(cxDataChangeInfo, SelectionChangedInfoListsDistinctRows) {
  const struct {
    Integer A, B;
    std::vector<Integer> Rows;
  } ACases[] = {{3, 3, {3}}, {-1, 4, {4}}, {-1, -1, {}}, {2, 5, {2, 5}}};
  for (const auto& K : ACases) {
    auto* I = New<TcxSelectionChangedInfo>(K.A, K.B);
    EXPECT_EQ(I->RowIndexes, K.Rows);
    I->Free();
  }
}

TEST_F(NavigationTest, UnboundReaderAnswersNullForUnknownDefinitions) {
  auto* R = New<TcxValueDefUnboundReader>();
  TcxValueDef* D0 = C->GetField(0)->GetValueDef();
  auto* D1 = New<TcxValueDef>();
  R->SetValue(D0, "x");
  R->SetValue(D1, 5);
  EXPECT_EQ(R->GetValue(D1).ToInteger(), 5);
  R->Truncate(1);
  EXPECT_EQ(R->GetValue(D0).ToString(), "x");
  EXPECT_TRUE(VarIsNull(R->GetValue(D1)));
  R->Free();
  D1->Free();
}

TEST_F(NavigationTest, KeyLocateFindsTheFirstEqualRecord) {
  auto* L = New<TcxDataControllerKeyLocateObject>(C);
  auto* R = New<TcxValueDefUnboundReader>();
  R->SetValue(C->GetField(0)->GetValueDef(), "cherry");
  L->ReadData(R);
  EXPECT_EQ(L->FindRecordIndex(), -1);  // no key fields
  L->AddField(C->GetField(0));
  EXPECT_EQ(L->FindRecordIndex(), 4);
  R->Free();
  L->Free();
}

}  // namespace
