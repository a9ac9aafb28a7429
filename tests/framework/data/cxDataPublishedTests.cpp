// The published properties of summaries and filter criteria: what a component stream keeps, what it
// leaves out as default, and access by name.
#include <gtest/gtest.h>

#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"
#include "TypInfo.h"
#include "cxCustomDataSummary.h"
#include "cxDataControllerFixture.h"

namespace {

// A component publishing a controller's summary, as a view publishes its own.
class TSummaryHolder : public TComponent {
  DECLARE_CLASS(TSummaryHolder, TComponent)
 public:
  using TComponent::TComponent;
  TcxDataSummary* GetSummary() const { return Summary; }
  void SetSummary(TcxDataSummary* Value) { Summary->Assign(Value); }
  TcxDataSummary* Summary = nullptr;
};

IMPLEMENT_CLASS_PUBLISHED(TSummaryHolder) {
  d.Property("Summary", &TSummaryHolder::GetSummary, &TSummaryHolder::SetSummary);
}

// The stream of AComponent as object text.
String StreamText(TComponent* AComponent) {
  auto* S = New<TStringStream>();
  Filer::WriteComponent(S, AComponent);
  String Text = ObjectBinaryToTextString(S->GetDataString());
  S->Free();
  return Text;
}

String FilterText(TcxFilterCriteria* AFilter) {
  auto* S = New<TStringStream>();
  AFilter->SaveToStream(S);
  String Text = ObjectBinaryToTextString(S->GetDataString());
  S->Free();
  return Text;
}

Integer Occurrences(const String& AText, const String& AWord) {
  Integer N = 0;
  for (size_t P = AText.find(AWord); P != String::npos; P = AText.find(AWord, P + 1)) ++N;
  return N;
}

// Kind, format and position of every item, and the texts of group collections.
std::vector<String> Describe(TcxDataSummaryItems* AItems) {
  std::vector<String> R;
  if (auto* G = dynamic_cast<TcxDataGroupSummaryItems*>(AItems))
    R.push_back("[" + G->GetBeginText() + "|" + G->GetSeparator() + "|" + G->GetEndText() + "]");
  for (Integer I = 0; I < AItems->Count(); ++I) {
    TcxDataSummaryItem* It = AItems->Items(I);
    R.push_back(GetEnumProp(It, "Kind") + " " + It->GetFormat() + " " + GetEnumProp(It, "Position"));
  }
  return R;
}

class DataPublishedTest : public DataControllerTest {
 protected:
  void SetUp() override {
    DataControllerTest::SetUp();
    C->AddColumn("K", IntType());
    C->AddColumn("S", StrType());
    D = New<TTestController>();
    D->AddColumn("K", IntType());
    D->AddColumn("S", StrType());
  }
  void TearDown() override {
    D->Free();
    DataControllerTest::TearDown();
  }
  TTestController* D = nullptr;
};

TEST_F(DataPublishedTest, FilterStreamKeepsOptionsWildcardsAndActive) {
  const std::vector<String> Names = {"MaxValueListCount", "Options", "PercentWildcard", "UnderscoreWildcard",
                                     "Active"};
  TcxDataFilterCriteria* F = C->GetFilter();
  String Fresh = FilterText(F);
  for (const String& Name : Names) EXPECT_EQ(Fresh.find(Name), String::npos) << Name << " written at its default";

  F->SetMaxValueListCount(5);
  F->SetOptions({fcoCaseInsensitive, fcoSoftNull});
  F->SetPercentWildcard('*');
  F->SetUnderscoreWildcard('?');
  F->AddItem(F->GetRoot(), C->Columns[1], foLike, "B*", "B*");
  F->SetActive(true);
  String Written = FilterText(F);
  for (const String& Name : Names) EXPECT_NE(Written.find(Name), String::npos) << Name << " not written";

  auto* S = New<TMemoryStream>();
  F->SaveToStream(S);
  S->SetPosition(0);
  D->SetRows({{1, "bee"}, {2, "ant"}, {3, "Bar"}});
  TcxDataFilterCriteria* G = D->GetFilter();
  G->LoadFromStream(S);
  S->Free();
  EXPECT_EQ(G->GetMaxValueListCount(), 5);
  EXPECT_TRUE(G->GetOptions() == (TcxFilterCriteriaOptions{fcoCaseInsensitive, fcoSoftNull}));
  EXPECT_EQ(G->GetPercentWildcard(), '*');
  EXPECT_EQ(G->GetUnderscoreWildcard(), '?');
  EXPECT_TRUE(G->GetActive());
  // The loaded filter applies at once, with its own wildcard and case rule.
  EXPECT_EQ(D->ViewRecords(), (std::vector<Integer>{0, 2}));
}

TEST_F(DataPublishedTest, SummaryTravelsThroughAPublishedProperty) {
  auto* From = New<TSummaryHolder>(nullptr);
  From->Summary = C->GetSummary();
  // Nothing but the empty collections of a fresh summary.
  String Fresh = StreamText(From);
  for (const char* Name : {"Options", "BeginText", "EndText", "Separator", "Kind", "Position"})
    EXPECT_EQ(Fresh.find(Name), String::npos) << Name << " written at its default";

  TcxDataSummary* S = C->GetSummary();
  S->BeginUpdate();
  S->GetFooterSummaryItems()->Add(C->Columns[0], spFooter, skSum, "0.0");
  S->GetFooterSummaryItems()->Add(C->Columns[1], spFooter, skCount);
  TcxDataGroupSummaryItems* Def = S->GetDefaultGroupSummaryItems();
  Def->Add(C->Columns[0], spGroup, skMax);
  Def->Add(C->Columns[0], spFooter, skMin, "MIN 0");
  Def->SetBeginText("");  // empty differs from the default and must survive
  Def->SetSeparator(";");
  TcxDataSummaryGroup* Group = S->GetSummaryGroups()->Add();
  Group->GetLinks()->Add()->SetItemLink(C->Columns[1]);
  Group->GetSummaryItems()->Add(C->Columns[0], spGroup, skAverage, "AVG 0.00");
  Group->GetSummaryItems()->SetEndText("]");
  S->SetOptions({soNullIgnore});
  S->EndUpdate();

  // By name, as the stream sees them: a footer item keeps no position of its own.
  TcxDataSummaryItem* Footer = S->GetFooterSummaryItems()->Items(0);
  SetEnumProp(Footer, "Position", "spGroup");
  EXPECT_EQ(GetEnumProp(Footer, "Position"), "spFooter");
  EXPECT_FALSE(IsStoredProp(Footer, GetPropInfo(Footer, "Position")));
  EXPECT_TRUE(IsStoredProp(Def->Items(0), GetPropInfo(Def->Items(0), "Position")));
  EXPECT_EQ(GetSetProp(S, "Options", true), "[soNullIgnore]");

  String Written = StreamText(From);
  EXPECT_EQ(Occurrences(Written, "Position"), 3) << Written;  // the group collections' items only
  EXPECT_EQ(Occurrences(Written, "Separator"), 1) << Written;

  auto* Store = New<TMemoryStream>();
  Filer::WriteComponent(Store, From);
  Store->SetPosition(0);
  auto* To = New<TSummaryHolder>(nullptr);
  To->Summary = D->GetSummary();
  Filer::ReadComponent(Store, To);
  Store->Free();

  TcxDataSummary* R = D->GetSummary();
  EXPECT_EQ(Describe(R->GetFooterSummaryItems()), (std::vector<String>{"skSum 0.0 spFooter", "skCount  spFooter"}));
  EXPECT_EQ(Describe(R->GetDefaultGroupSummaryItems()),
            (std::vector<String>{"[|;|)]", "skMax  spGroup", "skMin MIN 0 spFooter"}));
  ASSERT_EQ(R->GetSummaryGroups()->Count(), 1);
  TcxDataSummaryGroup* RG = R->GetSummaryGroups()->Items(0);
  EXPECT_EQ(RG->GetLinks()->Count(), 1);
  EXPECT_EQ(Describe(RG->GetSummaryItems()), (std::vector<String>{"[(|,|]]", "skAverage AVG 0.00 spGroup"}));
  EXPECT_TRUE(R->GetOptions() == TcxSummaryOptions{soNullIgnore});
  To->Free();
  From->Free();
}

}  // namespace
