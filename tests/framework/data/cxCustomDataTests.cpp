// The data controller's fields, values, change batching and notification, and its stream.
#include <gtest/gtest.h>

#include "Streams.h"
#include "cxCustomDataSearch.h"
#include "cxDataConsts.h"
#include "cxDataControllerFixture.h"

namespace {

String Message(const ResStrings::TResStringRec& ARec) { return LoadResString(&ARec); }

// ---- Fields ----------------------------------------------------------------------------------------------------

TEST_F(DataControllerTest, FieldListKeepsInternalFieldsLast) {
  C->AddColumn("A", IntType());
  TcxCustomDataField* I = C->AddInternalField();
  C->AddColumn("B", IntType());
  ASSERT_EQ(C->GetFields()->Count(), 3);
  EXPECT_EQ(C->GetFields()->ItemCount(), 2);
  EXPECT_EQ(C->GetItemCount(), 2);
  EXPECT_EQ(C->GetFields()->GetItem(2), I);
  EXPECT_EQ(C->GetItemName(C->GetItem(1)), "B");
}

TEST_F(DataControllerTest, ReferenceChainsEndAtTheRootAndNeverCycle) {
  C->AddColumn("A", IntType());
  C->AddColumn("B", IntType());
  C->AddColumn("C", IntType());
  TcxCustomDataField* A = C->GetField(0);
  TcxCustomDataField* B = C->GetField(1);
  TcxCustomDataField* F = C->GetField(2);
  B->SetReferenceField(A);
  F->SetReferenceField(B);
  EXPECT_EQ(F->GetReferenceField(), A);
  A->SetReferenceField(F);  // F's root is A itself
  EXPECT_EQ(A->GetReferenceField(), nullptr);
  C->SetRecordCount(1);
  C->SetValue(0, 0, 7);
  EXPECT_EQ(C->GetValue(0, 2).ToInteger(), 7);  // shared through the chain
}

TEST_F(DataControllerTest, DestroyingAReferencedFieldHandsItsValuesToTheFirstReferrer) {
  C->AddColumn("A", IntType());
  C->AddColumn("B", IntType());
  C->AddColumn("C", IntType());
  C->SetRecordCount(2);
  C->SetValue(1, 0, 42);
  TcxCustomDataField* B = C->GetField(1);
  TcxCustomDataField* F = C->GetField(2);
  B->SetReferenceField(C->GetField(0));
  F->SetReferenceField(C->GetField(0));
  C->RemoveItem(C->Columns[0]);
  EXPECT_EQ(B->GetReferenceField(), nullptr);
  EXPECT_EQ(F->GetReferenceField(), B);
  EXPECT_EQ(C->GetValue(1, B->GetIndex()).ToInteger(), 42);
  EXPECT_EQ(C->GetValue(1, F->GetIndex()).ToInteger(), 42);
}

TEST_F(DataControllerTest, ChangingAValueTypeDropsOnlyThatFieldsValues) {
  C->AddColumn("A", IntType());
  C->AddColumn("B", IntType());
  C->SetRows({{1, 10}, {2, 20}});
  C->ChangeValueTypeClass(0, StrType());
  EXPECT_TRUE(VarIsNull(C->GetValue(0, 0)));
  EXPECT_TRUE(VarIsNull(C->GetValue(1, 0)));
  EXPECT_EQ(C->GetValue(1, 1).ToInteger(), 20);
  C->SetValue(0, 0, "x");
  EXPECT_EQ(C->GetValue(0, 0).ToString(), "x");
}

TEST_F(DataControllerTest, ItemsAreCheckedAndFoundByIdAndName) {
  C->AddColumn("Price", IntType());
  EXPECT_THROW(C->AddItem(C->Columns[0]), EcxInvalidDataControllerOperation);
  EXPECT_EQ(C->AddItem(nullptr)->GetItem(), nullptr);
  EXPECT_EQ(C->FindItemByName("pRICE"), C->Columns[0]);
  EXPECT_EQ(C->FindItemByInternalID(100), C->Columns[0]);
  EXPECT_EQ(C->FindItemByName("Cost"), nullptr);
  try {
    C->GetValue(0, 5);
    FAIL();
  } catch (const EcxInvalidDataControllerOperation& E) {
    EXPECT_EQ(E.Message(), Message(cxSDataRecordIndexError));
  }
  C->SetRecordCount(1);
  try {
    C->GetValue(0, 5);
    FAIL();
  } catch (const EcxInvalidDataControllerOperation& E) {
    EXPECT_EQ(E.Message(), Message(cxSDataItemIndexError));
  }
}

// ---- Values and records ------------------------------------------------------------------------------------------

TEST_F(DataControllerTest, RecordCountAndInsertionBounds) {
  C->AddColumn("A", IntType());
  C->SetRecordCount(-5);
  EXPECT_EQ(C->GetRecordCount(), 0);
  C->SetRecordCount(2);
  C->ClearLog();
  C->SetRecordCount(2);
  EXPECT_TRUE(C->Log.empty());
  EXPECT_EQ(C->InsertRecord(2), 2);  // at the end: appends
  EXPECT_THROW(C->InsertRecord(4), EcxInvalidDataControllerOperation);
  EXPECT_THROW(C->InsertRecord(-1), EcxInvalidDataControllerOperation);
  EXPECT_EQ(C->GetRecordCount(), 3);
}

TEST_F(DataControllerTest, CheckRecordRangeAcceptsTheNewItemRecord) {
  C->AddColumn("A", IntType());
  C->SetRecordCount(1);
  const Integer N = C->GetNewItemRecordIndex();
  EXPECT_LT(N, 0);
  EXPECT_NO_THROW(C->CheckRecordRange(N));
  EXPECT_NO_THROW(C->CheckRecordRange(0));
  EXPECT_THROW(C->CheckRecordRange(1), EcxInvalidDataControllerOperation);
  EXPECT_THROW(C->CheckRecordRange(N - 1), EcxInvalidDataControllerOperation);
}

// The data change one pass reports, for a batch of value changes.
struct TDataChangeCase {
  const char* Name;
  std::vector<std::pair<Integer, Integer>> Changes;  // {record, item}
  std::string Expected;
};

void PrintTo(const TDataChangeCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

class DataChangeFolding : public DataControllerTest, public ::testing::WithParamInterface<TDataChangeCase> {};

TEST_P(DataChangeFolding, OneNoticePerBatch) {
  C->AddColumn("A", IntType());
  C->AddColumn("B", IntType());
  C->SetRecordCount(3);
  C->ClearLog();
  C->BeginUpdate();
  for (auto [R, I] : GetParam().Changes) C->SetValue(R, I, R * 10 + I);
  C->EndUpdate();
  std::vector<std::string> AData;
  for (const std::string& S : C->Log)
    if (S.rfind("data", 0) == 0) AData.push_back(S);
  ASSERT_EQ(AData.size(), 1u);
  EXPECT_EQ(AData[0], GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataChangeFolding,
    ::testing::Values(TDataChangeCase{"OneField", {{1, 0}}, "data field 0 1"},
                      TDataChangeCase{"SameFieldTwice", {{1, 0}, {1, 0}}, "data field 0 1"},
                      TDataChangeCase{"TwoFieldsOfOneRecord", {{1, 0}, {1, 1}}, "data record -1 1"},
                      TDataChangeCase{"TwoRecords", {{1, 0}, {2, 0}}, "data total 0 2"},
                      // a total change stays total, even when the next one names the same record again
                      TDataChangeCase{"TotalStaysTotal", {{1, 0}, {2, 0}, {2, 0}}, "data total 0 2"},
                      TDataChangeCase{"TotalStaysTotalAcrossItems", {{1, 0}, {2, 0}, {2, 1}}, "data total 1 2"}),
    [](const ::testing::TestParamInfo<TDataChangeCase>& I) { return std::string(I.param.Name); });

TEST_F(DataControllerTest, RecordAndDataChangedEventsFollowTheFoldedChange) {
  C->AddColumn("A", IntType());
  C->SetRecordCount(2);
  std::vector<std::string> AEvents;
  C->OnRecordChanged = [&](TcxCustomDataController*, Integer R, Integer I) {
    AEvents.push_back("record " + std::to_string(R) + " " + std::to_string(I));
  };
  C->OnDataChanged = [&](TcxCustomDataController*) { AEvents.push_back("data"); };
  C->SetValue(1, 0, 5);
  EXPECT_EQ(AEvents, (std::vector<std::string>{"record 1 0", "data"}));
  AEvents.clear();
  C->BeginUpdate();
  C->SetValue(0, 0, 1);
  C->SetValue(1, 0, 2);
  C->EndUpdate();
  EXPECT_EQ(AEvents, (std::vector<std::string>{"data"}));  // total: no single record to name
}

TEST_F(DataControllerTest, ListenersAreRemovedOneAtATime) {
  C->AddColumn("A", IntType());
  C->SetRecordCount(1);
  int ACalls = 0;
  struct THost : TObject {
    int* Calls = nullptr;
    void Changed(TObject*) { ++*Calls; }
  };
  THost AHost;
  AHost.Calls = &ACalls;
  TNotifyEvent E(&AHost, &THost::Changed);
  C->AddDataChangedListener(&AHost, E);
  C->AddDataChangedListener(&AHost, E);
  C->SetValue(0, 0, 1);
  EXPECT_EQ(ACalls, 2);
  C->RemoveDataChangedListener(&AHost, E);
  C->SetValue(0, 0, 2);
  EXPECT_EQ(ACalls, 3);
  C->RemoveDataChangedListener(&AHost, E);
  C->SetValue(0, 0, 3);
  EXPECT_EQ(ACalls, 3);
}

TEST_F(DataControllerTest, ListenerLinksAreCutWhenTheControllerGoes) {
  auto* D = New<TTestController>();
  TcxDataListenerLink* L = TcxCustomDataController::AddListenerLink(D);
  EXPECT_EQ(L->Ref, D);
  D->Free();
  EXPECT_EQ(L->Ref, nullptr);
  TcxCustomDataController::RemoveListenerLink(L);
}

// ---- The stream --------------------------------------------------------------------------------------------------

String Bytes(TMemoryStream* S) {
  return String(static_cast<const char*>(S->GetMemory()), static_cast<size_t>(S->GetSize()));
}

TEST_F(DataControllerTest, StreamRoundTripKeepsValuesAndNulls) {
  C->AddColumn("N", IntType());
  C->AddColumn("S", StrType());
  C->AddColumn("F", FloatType());
  C->AddInternalField()->SetValueTypeClass(IntType());  // never streamed
  C->SetRows({{1, "one", 1.5}, {Null(), "", -2.25}, {3, Null(), Null()}});
  auto* S = New<TMemoryStream>();
  C->SaveToStream(S);
  const String B = Bytes(S);
  EXPECT_EQ(B.substr(0, 19), String("\x0F\0\0\0DataController1", 19));

  auto* D = New<TTestController>();
  D->AddColumn("N", IntType());
  D->AddColumn("S", StrType());
  D->AddColumn("F", FloatType());
  S->SetPosition(0);
  D->LoadFromStream(S);
  ASSERT_EQ(D->GetRecordCount(), 3);
  for (Integer R = 0; R < 3; ++R)
    for (Integer I = 0; I < 3; ++I) {
      const Variant A = C->GetValue(R, I);
      const Variant X = D->GetValue(R, I);
      EXPECT_EQ(VarIsNull(A), VarIsNull(X)) << R << "," << I;
      if (!VarIsNull(A)) {
        EXPECT_EQ(VarToStr(A), VarToStr(X)) << R << "," << I;
      }
    }
  EXPECT_EQ(D->GetRowCount(), 3);
  D->Free();
  S->Free();
}

TEST_F(DataControllerTest, LoadingRefusesAMismatchedLayoutBeforeTouchingRecords) {
  C->AddColumn("N", IntType());
  C->SetRows({{1}, {2}});
  auto* S = New<TMemoryStream>();
  C->SaveToStream(S);
  struct TCase {
    const char* Name;
    std::vector<TcxValueTypeClass> Types;
  };
  for (const TCase& K : {TCase{"one more field", {IntType(), IntType()}}, TCase{"other type", {StrType()}}}) {
    auto* D = New<TTestController>();
    for (size_t I = 0; I < K.Types.size(); ++I) D->AddColumn("C" + std::to_string(I), K.Types[I]);
    D->SetRows({{9}});
    S->SetPosition(0);
    try {
      D->LoadFromStream(S);
      ADD_FAILURE() << K.Name;
    } catch (const EcxInvalidDataControllerOperation& E) {
      EXPECT_EQ(E.Message(), Message(cxSDataInvalidStreamFormat)) << K.Name;
    }
    EXPECT_EQ(D->GetRecordCount(), 1) << K.Name;
    EXPECT_EQ(D->GetValue(0, 0).ToInteger(), 9) << K.Name;
    D->Free();
  }
  S->Free();
}

class TNullSource : public TcxCustomDataSource {
  DECLARE_CLASS(TNullSource, TcxCustomDataSource)
 public:
  Integer GetRecordCount() override { return 2; }
};
IMPLEMENT_CLASS(TNullSource)

// A stream written in provider mode could never be read back: saving refuses it up front.
TEST_F(DataControllerTest, ProviderModeRefusesBothStreamDirections) {
  C->AddColumn("N", IntType());
  auto* ASource = New<TNullSource>();
  C->SetCustomDataSource(ASource);
  ASSERT_TRUE(C->IsProviderMode());
  auto* S = New<TMemoryStream>();
  try {
    C->SaveToStream(S);
    ADD_FAILURE();
  } catch (const EcxInvalidDataControllerOperation& E) {
    EXPECT_EQ(E.Message(), Message(cxSDataProviderModeError));
  }
  EXPECT_EQ(S->GetSize(), 0);
  EXPECT_THROW(C->LoadFromStream(S), EcxInvalidDataControllerOperation);
  C->SetCustomDataSource(nullptr);
  ASource->Free();
  S->Free();
}

TEST_F(DataControllerTest, ShortStreamsFailCleanly) {
  C->AddColumn("N", IntType());
  C->AddColumn("S", StrType());
  C->SetRows({{1, "abc"}, {2, "de"}});
  auto* S = New<TMemoryStream>();
  C->SaveToStream(S);
  const String B = Bytes(S);
  for (size_t N = 0; N < B.size(); ++N) {
    auto* D = New<TTestController>();
    D->AddColumn("N", IntType());
    D->AddColumn("S", StrType());
    auto* T = New<TMemoryStream>();
    if (N > 0) T->Write(B.data(), static_cast<Integer>(N));
    T->SetPosition(0);
    try {
      D->LoadFromStream(T);
      ADD_FAILURE() << N;
    } catch (const EcxInvalidDataControllerOperation&) {
    } catch (const EReadError&) {
    }
    EXPECT_EQ(D->GetLockCount(), 0) << N;
    T->Free();
    D->Free();
  }
  S->Free();
}

}  // namespace

namespace {

// Every part holds state that its removal would report: destruction reports nothing and frees all.
TEST(cxCustomDataLifecycle, DestroyingABusyControllerIsQuiet) {
  auto* D = New<TTestController>();
  D->AddColumn("K", IntType());
  D->AddColumn("S", StrType());
  D->SetRows({{1, "ab"}, {2, "ac"}, {1, "b"}});
  D->GetGroups()->ChangeGrouping(0, 0);
  D->GetGroups()->FullExpand();
  D->SetMultiSelect(true);
  D->ChangeRowSelection(1, true);
  D->GetSummary()->GetFooterSummaryItems()->Add(D->GetItem(0), spFooter, skSum);
  D->GetRelations()->Add(D->Columns[1]);
  ASSERT_TRUE(D->GetSearch()->Locate(1, "a"));
  D->SetIncrementalFilter(1, "a");
  D->ChangeFocusedRowIndex(1);
  D->Edit();
  D->SetEditValue(1, "x", evsValue);
  D->ClearLog();
  D->LogEnabled = false;
  D->Free();
}

}  // namespace
