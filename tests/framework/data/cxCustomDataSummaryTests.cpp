// Footer and group summaries computed by the controller's pass, their texts and their events.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "cxDataControllerFixture.h"

namespace {

class SummaryTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("G", StrType());
    C->AddColumn("N", FloatType());
    S = C->GetSummary();
  }
  TcxDataSummaryItem* Footer(TcxSummaryKind AKind, Integer AItem = 1) {
    return S->GetFooterSummaryItems()->Add(C->GetItem(AItem), spFooter, AKind);
  }
  TcxDataSummary* S = nullptr;
};

TEST_F(SummaryTest, FooterValuesWithAndWithoutNulls) {
  C->SetRows({{"a", 2}, {"a", Null()}, {"b", 3}});
  Footer(skSum);
  Footer(skCount);
  Footer(skMin);
  Footer(skAverage);
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToDouble(), 5);
  EXPECT_EQ(S->GetFooterSummaryValue(1).ToInteger(), 3);
  EXPECT_EQ(S->GetFooterSummaryValue(2).ToDouble(), 2);
  S->SetOptions({soNullIgnore});
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToDouble(), 5);
  EXPECT_EQ(S->GetFooterSummaryValue(1).ToInteger(), 2);
  EXPECT_EQ(S->GetFooterSummaryValue(3).ToDouble(), 2.5);
  EXPECT_TRUE(VarIsNull(S->GetFooterSummaryValue(9)));
}

TEST_F(SummaryTest, EmptyViewGivesNullAverageAndZeroCount) {
  Footer(skAverage);
  Footer(skCount);
  Footer(skSum);
  C->Refresh();
  EXPECT_TRUE(VarIsNull(S->GetFooterSummaryValue(0)));
  EXPECT_EQ(S->GetFooterSummaryValue(1).ToInteger(), 0);
  EXPECT_TRUE(VarIsNull(S->GetFooterSummaryValue(2)));
}

struct TFormatCase {
  TcxSummaryKind Kind;
  double Value;
  bool Footer;
  const char* Text;
};

TEST_F(SummaryTest, DefaultFormatsOfFloatValues) {
  const TFormatCase ACases[] = {{skSum, 1234.5, false, "SUM=1234.50"}, {skSum, -1234.5, true, "-1234.50"},
                                {skMax, 7, false, "MAX=7.00"},        {skCount, 3, false, "COUNT=3"},
                                {skCount, 3, true, "3"},              {skAverage, -0.5, true, "AVG=-0.50"}};
  TcxDataSummaryItem* A = Footer(skSum);
  for (const TFormatCase& K : ACases) {
    A->SetKind(K.Kind);
    EXPECT_EQ(A->FormatValue(K.Value, K.Footer), K.Text) << K.Text;
  }
  EXPECT_EQ(A->FormatValue(Null(), true), "");
  A->SetFormat("0.0");
  EXPECT_EQ(A->FormatValue(2.25, true), "2.3");
}

TEST_F(SummaryTest, GroupRowTextsJoinTheGroupPositionItems) {
  C->SetRows({{"a", 3}, {"b", 1}, {"a", 7}});
  TcxDataGroupSummaryItems* G = S->GetDefaultGroupSummaryItems();
  G->Add(C->GetItem(1), spGroup, skSum);
  G->Add(C->GetItem(1), spGroup, skMax);
  G->Add(C->GetItem(1), spFooter, skMin);
  C->GetGroups()->ChangeGrouping(0, 0);
  EXPECT_EQ(S->GetGroupSummaryText(0), "(SUM=10.00, MAX=7.00)");
  EXPECT_EQ(S->GetGroupSummaryText(1), "(SUM=1.00, MAX=1.00)");
  EXPECT_EQ(S->GetGroupFooterSummaryText(0, 0, 2), "MIN=3.00");
  G->SetBeginText("");
  G->SetEndText("");
  EXPECT_EQ(S->GetGroupSummaryText(1), "SUM=1.00, MAX=1.00");
}

TEST_F(SummaryTest, SummaryGroupsServeTheirGroupingFields) {
  C->SetRows({{"a", 3}, {"b", 1}, {"a", 7}});
  TcxDataSummaryGroup* SG = S->GetSummaryGroups()->Add();
  SG->GetLinks()->Add()->SetItemLink(C->GetItem(0));
  SG->GetSummaryItems()->Add(C->GetItem(1), spGroup, skCount);
  S->GetDefaultGroupSummaryItems()->Add(C->GetItem(1), spGroup, skSum);
  C->GetGroups()->ChangeGrouping(0, 0);
  EXPECT_EQ(S->GetGroupSummaryItems(0), SG->GetSummaryItems());
  EXPECT_EQ(S->GetGroupSummaryText(0), "(COUNT=2)");
}

// A count that names no field counts every record of its group, Null values or not.
TEST_F(SummaryTest, FieldlessGroupCountCountsEveryRecord) {
  C->SetRows({{"a", Null()}, {"a", Null()}, {"b", 1}});
  S->SetOptions({soNullIgnore});
  S->GetDefaultGroupSummaryItems()->Add(nullptr, spGroup, skCount);
  S->GetDefaultGroupSummaryItems()->Add(C->GetItem(1), spGroup, skCount);
  C->GetGroups()->ChangeGrouping(0, 0);
  EXPECT_EQ(S->GetGroupSummaryValue(0, 0).ToInteger(), 2);
  EXPECT_EQ(S->GetGroupSummaryValue(0, 1).ToInteger(), 0);
}

// Summaries of stored numbers run natively give what the Variant addition and comparison give, value
// and type alike: whole sums that outgrow 32 bits, Nulls first and between, NaN among reals, dates
// and amounts, over the footer and over groups of two levels, with and without soNullIgnore.
TEST(SummaryProperty, StoredNumbersGiveWhatVariantsGive) {
  TTestController* C = New<TTestController>();
  const TcxValueTypeClass ATypes[] = {ValueTypeClass<TcxIntegerValueType>(), ValueTypeClass<TcxLargeIntValueType>(),
                                      ValueTypeClass<TcxFloatValueType>(), ValueTypeClass<TcxDateTimeValueType>(),
                                      ValueTypeClass<TcxCurrencyValueType>()};
  C->AddColumn("G", IntType());
  C->AddColumn("H", IntType());
  for (TcxValueTypeClass AType : ATypes) C->AddColumn(AType->Caption(), AType);
  auto* S = static_cast<TTestSummary*>(C->GetSummary());
  for (Integer AColumn = 2; AColumn < 7; ++AColumn)
    for (TcxSummaryKind AKind : {skSum, skMin, skMax, skCount, skAverage}) {
      S->GetFooterSummaryItems()->Add(C->GetItem(AColumn), spFooter, AKind);
      S->GetDefaultGroupSummaryItems()->Add(C->GetItem(AColumn), spGroup, AKind);
    }
  S->GetDefaultGroupSummaryItems()->Add(nullptr, spGroup, skCount);
  std::mt19937 ARandom(17);
  auto ASame = [](const Variant& A, const Variant& B) { return VarType(A) == VarType(B) && VarSameValue(A, B); };
  for (int ARound = 0; ARound < 80; ++ARound) {
    const int N = static_cast<int>(ARandom() % 30);
    std::vector<std::vector<Variant>> ARows(static_cast<size_t>(N));
    for (auto& R : ARows) {
      auto AMaybe = [&](Variant V) { return ARandom() % 4 ? V : Null(); };
      R.push_back(static_cast<Integer>(ARandom() % 3));
      R.push_back(static_cast<Integer>(ARandom() % 2));
      R.push_back(AMaybe(static_cast<Integer>(ARandom() % 2 ? 1500000000 - static_cast<Integer>(ARandom() % 7)
                                                               : static_cast<Integer>(ARandom() % 9) - 4)));
      R.push_back(AMaybe((Int64(1) << 40) - static_cast<Int64>(ARandom() % 5)));
      R.push_back(AMaybe(ARandom() % 15 ? static_cast<double>(ARandom() % 9) / 3 - 1 : std::nan("")));
      R.push_back(AMaybe(VarFromDateTime(45000 + static_cast<double>(ARandom() % 9) / 4)));
      R.push_back(AMaybe(Currency::FromRaw(static_cast<Int64>(ARandom() % 9) * 12345 - 40000)));
    }
    C->BeginUpdate();
    C->GetGroups()->ClearGrouping();
    S->SetOptions(ARandom() % 2 ? TcxSummaryOptions{soNullIgnore} : TcxSummaryOptions{});
    C->SetRows(ARows);
    C->GetGroups()->ChangeGrouping(0, 0);
    if (ARandom() % 2) C->GetGroups()->ChangeGrouping(1, 1);
    C->EndUpdate();
    std::vector<Variant> ANative;
    auto ACollect = [&] {
      std::vector<Variant> A;
      for (Integer I = 0; I < S->GetFooterSummaryItems()->Count(); ++I) A.push_back(S->GetFooterSummaryValue(I));
      TcxDataGroups* G = C->GetDataControllerInfo()->GetDataGroups();
      for (Integer I = 0; I < G->ItemCount(); ++I)
        for (Integer K = 0; K < S->GetDefaultGroupSummaryItems()->Count(); ++K)
          A.push_back(S->GetGroupSummaryValue(I, K));
      return A;
    };
    S->Recalculate();  // over the list in the order the next one sees it
    ANative = ACollect();
    S->StoredValues = false;
    S->Recalculate();
    const std::vector<Variant> AVariants = ACollect();
    S->StoredValues = true;
    ASSERT_EQ(ANative.size(), AVariants.size());
    for (size_t I = 0; I < ANative.size(); ++I)
      ASSERT_TRUE(ASame(ANative[I], AVariants[I])) << "round " << ARound << " value " << I << ": "
                                                  << VarToStr(ANative[I]) << " / " << VarToStr(AVariants[I]);
  }
  C->Free();
}

TEST_F(SummaryTest, ValueSetByHandHoldsUntilTheNextLoad) {
  C->SetRows({{"a", 1}, {"b", 2}});
  Footer(skSum);
  S->SetFooterSummaryValue(0, 100);
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToInteger(), 100);
  C->SetValue(0, 1, 5);
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToDouble(), 7);
}

TEST_F(SummaryTest, OnlyOneSelectionOptionIsKept) {
  S->SetOptions({soSelectedRecords});
  S->SetOptions({soSelectedRecords, soMultipleSelectedRecords});
  EXPECT_FALSE(S->GetOptions().Contains(soSelectedRecords));
  EXPECT_TRUE(S->GetOptions().Contains(soMultipleSelectedRecords));
}

TEST_F(SummaryTest, SelectedRecordsOptionFollowsTheFocus) {
  C->SetRows({{"a", 1}, {"b", 2}, {"c", 4}});
  Footer(skSum);
  S->SetOptions({soSelectedRecords});
  C->ChangeFocusedRowIndex(2);
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToDouble(), 4);
  C->SetMultiSelect(true);
  C->SelectRows(0, 1);
  EXPECT_EQ(S->GetFooterSummaryValue(0).ToDouble(), 7);
}

TEST_F(SummaryTest, AfterSummaryEventAndSummaryEvent) {
  C->SetRows({{"a", 1}, {"b", 2}});
  int AAfter = 0;
  S->OnAfterSummary = [&](TcxDataSummary*) { ++AAfter; };
  TcxDataSummaryItem* A = Footer(skSum);
  EXPECT_GE(AAfter, 1);
  S->GetFooterSummaryItems()->OnSummary = [](TcxDataSummaryItems*, const TcxSummaryEventArguments& Arg,
                                             TcxSummaryEventOutArguments& Out) {
    Out.Value = Out.Value * Variant(10);
    if (Arg.RecordIndex == 1) Out.Done = true;
  };
  S->Recalculate();
  EXPECT_EQ(S->GetFooterSummaryValue(A->GetIndex()).ToDouble(), 10);
}

}  // namespace
