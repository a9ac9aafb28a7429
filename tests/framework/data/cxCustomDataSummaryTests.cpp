// Footer and group summaries computed by the controller's pass, their texts and their events.
#include <gtest/gtest.h>

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
