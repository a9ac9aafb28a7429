// Editing through the provider (append, insert, edit, post, cancel, delete) and provider mode over
// an application data source.
#include <gtest/gtest.h>

#include <map>

#include "cxDataControllerFixture.h"

namespace {

class ProviderTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("K", IntType());
    C->AddColumn("S", StrType());
  }
};

TEST_F(ProviderTest, AppendingTwiceWithoutInputKeepsOneNewRecord) {
  C->SetRows({{1, "a"}});
  C->Append();
  C->Append();
  EXPECT_EQ(C->GetRecordCount(), 2);
  EXPECT_TRUE(C->GetEditState().Contains(dceInsert));
  EXPECT_EQ(C->GetFocusedRecordIndex(), 1);
}

TEST_F(ProviderTest, CancellingAnInsertionRemovesItAndRefocuses) {
  C->SetRows({{1, "a"}, {2, "b"}});
  C->ChangeFocusedRowIndex(1);
  C->Append();
  ASSERT_EQ(C->GetRecordCount(), 3);
  C->Cancel();
  EXPECT_EQ(C->GetRecordCount(), 2);
  EXPECT_EQ(C->GetFocusedRowIndex(), 1);
  EXPECT_TRUE(C->GetEditState().Empty());
}

TEST_F(ProviderTest, PostingAnUntouchedInsertionCancelsIt) {
  C->SetRows({{1, "a"}});
  C->Append();
  C->ClearLog();
  C->Post();
  EXPECT_EQ(C->GetRecordCount(), 1);
  EXPECT_NE(std::find(C->Log.begin(), C->Log.end(), "data total -1 -1"), C->Log.end());
}

TEST_F(ProviderTest, InsertedRecordStaysAboveItsNeighbourWhileSorted) {
  C->SetRows({{3, "c"}, {1, "a"}, {2, "b"}});
  C->ChangeSorting(0, soDescending);
  ASSERT_EQ(C->ViewRecords(), (std::vector<Integer>{0, 2, 1}));
  C->ChangeFocusedRowIndex(1);  // record 2
  C->Insert();
  const Integer R = C->GetFocusedRecordIndex();
  EXPECT_EQ(C->GetFocusedRowIndex(), 1);
  C->SetEditValue(0, 99, evsValue);  // would sort first
  EXPECT_EQ(C->ViewRecords()[1], R);
  C->Post();
  EXPECT_EQ(C->ViewRecords()[0], R);
}

TEST_F(ProviderTest, EditThenCancelRestoresEveryValue) {
  C->SetRows({{1, "a"}, {2, "b"}});
  C->ChangeFocusedRowIndex(1);
  C->Edit();
  C->SetEditValue(0, 20, evsValue);
  C->SetEditValue(1, "", evsText);  // an empty text stores Null
  EXPECT_TRUE(VarIsNull(C->GetValue(1, 1)));
  C->Cancel();
  EXPECT_EQ(C->GetValue(1, 0).ToInteger(), 2);
  EXPECT_EQ(C->GetValue(1, 1).ToString(), "b");
}

TEST_F(ProviderTest, ImmediatePostAndEditValues) {
  C->SetRows({{1, "a"}});
  C->ChangeFocusedRowIndex(0);
  C->SetOptions(C->GetOptions() + TcxDataControllerOptions{dcoImmediatePost});
  EXPECT_TRUE(C->SetEditValue(0, 5, evsValue));
  EXPECT_FALSE(C->GetIsEditing());
  EXPECT_EQ(C->GetValue(0, 0).ToInteger(), 5);
  EXPECT_EQ(C->GetEditValue(0, evsValue).ToInteger(), 5);
}

TEST_F(ProviderTest, DeletingTheFocusedGroupRowDeletesItsRecords) {
  C->SetRows({{1, "a"}, {2, "b"}, {1, "c"}, {3, "d"}});
  C->GetGroups()->ChangeGrouping(0, 0);
  C->ChangeFocusedRowIndex(0);  // group 1
  C->DeleteFocused();
  EXPECT_EQ(C->GetRecordCount(), 2);
  EXPECT_EQ(C->GetValue(0, 1).ToString(), "b");
  EXPECT_EQ(C->GetValue(1, 1).ToString(), "d");
  C->ChangeFocusedRowIndex(-1);
  C->DeleteFocused();
  EXPECT_EQ(C->GetRecordCount(), 2);
}

TEST_F(ProviderTest, DeletingTheFocusedRecordFocusesItsNeighbour) {
  C->SetRows({{1, "a"}, {2, "b"}, {3, "c"}});
  C->ChangeFocusedRowIndex(1);
  C->DeleteFocused();
  EXPECT_EQ(C->GetRecordCount(), 2);
  EXPECT_EQ(C->GetFocusedRowIndex(), 1);
  EXPECT_EQ(C->GetValue(C->GetFocusedRecordIndex(), 1).ToString(), "c");
}

// ---- Provider mode -------------------------------------------------------------------------------------------

// Rows keyed by handles far above 32 bits, so a cut handle would find nothing.
class TMapSource : public TcxCustomDataSource {
  DECLARE_CLASS(TMapSource, TcxCustomDataSource)
 public:
  static constexpr intptr_t Base = intptr_t(1) << 40;
  std::map<intptr_t, std::vector<Variant>> Rows;
  std::vector<intptr_t> Order;
  intptr_t Next = Base;

  void Add(std::vector<Variant> AValues) {
    Rows[Next] = std::move(AValues);
    Order.push_back(Next++);
  }
  Integer GetRecordCount() override { return static_cast<Integer>(Order.size()); }
  TcxDataRecordHandle GetRecordHandle(Integer ARecordIndex) override {
    return reinterpret_cast<TcxDataRecordHandle>(Order.at(static_cast<size_t>(ARecordIndex)));
  }
  Variant GetValue(TcxDataRecordHandle H, TcxDataItemHandle I) override {
    return Rows.at(reinterpret_cast<intptr_t>(H)).at(static_cast<size_t>(reinterpret_cast<intptr_t>(I)));
  }
  void SetValue(TcxDataRecordHandle H, TcxDataItemHandle I, const Variant& V) override {
    Rows.at(reinterpret_cast<intptr_t>(H)).at(static_cast<size_t>(reinterpret_cast<intptr_t>(I))) = V;
  }
  TcxDataRecordHandle AppendRecord() override {
    Add({Null(), Null()});
    DataChanged();
    return reinterpret_cast<TcxDataRecordHandle>(Order.back());
  }
  void DeleteRecord(TcxDataRecordHandle H) override {
    Rows.erase(reinterpret_cast<intptr_t>(H));
    Order.erase(std::find(Order.begin(), Order.end(), reinterpret_cast<intptr_t>(H)));
    DataChanged();
  }
};
IMPLEMENT_CLASS(TMapSource)

class ProviderModeTest : public ProviderTest {
 protected:
  void SetUp() override {
    ProviderTest::SetUp();
    Source = New<TMapSource>();
    Source->Add({3, "c"});
    Source->Add({1, "a"});
    Source->Add({2, "b"});
    C->SetCustomDataSource(Source);
    Source->DataChanged();
  }
  void TearDown() override {
    C->SetCustomDataSource(nullptr);
    Source->Free();
    ProviderTest::TearDown();
  }
  TMapSource* Source = nullptr;
};

TEST_F(ProviderModeTest, RecordsAreTheSourcesHandles) {
  ASSERT_TRUE(C->IsProviderMode());
  ASSERT_EQ(C->GetRecordCount(), 3);
  for (Integer R = 0; R < 3; ++R)
    EXPECT_EQ(reinterpret_cast<intptr_t>(Source->GetRecordHandleByIndex(R)), TMapSource::Base + R);
  EXPECT_EQ(Source->GetRecordIndexByHandle(reinterpret_cast<TcxDataRecordHandle>(TMapSource::Base + 2)), 2);
  EXPECT_EQ(C->GetValue(1, 1).ToString(), "a");
  C->ChangeSorting(0, soAscending);
  EXPECT_EQ(C->ViewRecords(), (std::vector<Integer>{1, 2, 0}));
}

TEST_F(ProviderModeTest, ValuesAreWrittenToTheSource) {
  C->SetValue(0, 1, "z");
  EXPECT_EQ(Source->Rows[TMapSource::Base][1].ToString(), "z");
  C->Append();
  EXPECT_EQ(C->GetRecordCount(), 4);
  C->SetEditValue(1, "new", evsValue);
  C->Post();
  EXPECT_EQ(Source->Rows[TMapSource::Base + 3][1].ToString(), "new");
}

class TPlainSource : public TcxCustomDataSource {
  DECLARE_CLASS(TPlainSource, TcxCustomDataSource)
 public:
  Integer GetRecordCount() override { return 3; }
};
IMPLEMENT_CLASS(TPlainSource)

TEST_F(ProviderModeTest, DefaultHandlesAreTheIndexes) {
  C->SetCustomDataSource(nullptr);
  auto* APlain = New<TPlainSource>();
  C->SetCustomDataSource(APlain);
  APlain->DataChanged();
  ASSERT_EQ(C->GetRecordCount(), 3);
  EXPECT_EQ(APlain->GetRecordIndexByHandle(reinterpret_cast<TcxDataRecordHandle>(2)), 2);
  EXPECT_TRUE(VarIsNull(C->GetValue(0, 0)));
  APlain->Free();  // disconnects the controller
  EXPECT_FALSE(C->IsProviderMode());
}

}  // namespace
