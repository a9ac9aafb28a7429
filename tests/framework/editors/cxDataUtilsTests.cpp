#include <gtest/gtest.h>

#include "Collections.h"
#include "DateTime.h"
#include "FormatSettings.h"
#include "cxDataUtils.h"

namespace {

struct FormatSettingsGuard {
  TFormatSettings Saved = FormatSettings;
  ~FormatSettingsGuard() { FormatSettings = Saved; }
};

TEST(cxDataUtils, DefaultCurrencyDisplayFormatFollowsTheLocale) {
  FormatSettingsGuard guard;
  struct Case {
    const char* Symbol;
    Byte Decimals;
    Byte Placement;
    const char* Expected;
  };
  const Case cases[] = {
      {"$", 2, 0, "$,0.00"},    {"$", 2, 1, ",0.00$"},     {"$", 2, 2, "$ ,0.00"},
      {"$", 2, 3, ",0.00 $"},   {"Kr.", 2, 0, "Kr'.',0.00"}, {"a,b", 0, 1, ",0.a','b"},
      {"", 3, 2, ",0.000"},
  };
  for (const Case& c : cases) {
    FormatSettings.CurrencyString = c.Symbol;
    FormatSettings.CurrencyDecimals = c.Decimals;
    FormatSettings.CurrencyFormat = c.Placement;
    EXPECT_EQ(DefaultCurrencyDisplayFormat(), c.Expected) << c.Symbol << " " << int(c.Placement);
  }
}

TEST(cxDataUtils, DateAndTimeParts) {
  EXPECT_DOUBLE_EQ(DateOf(45000.75), 45000.0);
  EXPECT_DOUBLE_EQ(TimeOf(45000.75), 0.75);
  EXPECT_DOUBLE_EQ(DateOf(-1.5), -1.0);  // truncated towards zero
  EXPECT_DOUBLE_EQ(TimeOf(-1.5), -0.5);
}

struct StartOfWeekGuard {
  Word Saved = GetStartOfWeek();
  ~StartOfWeekGuard() { SetStartOfWeek(10); }
};

TEST(cxDataUtils, StartDateOfWeekFollowsTheSetting) {
  StartOfWeekGuard guard;
  const TDateTime sunday = EncodeDate(2024, 5, 19), monday = EncodeDate(2024, 5, 13);
  SetStartOfWeek(1);
  EXPECT_EQ(GetStartOfWeek(), 1);
  EXPECT_DOUBLE_EQ(GetStartDateOfWeek(sunday + 0.5), EncodeDate(2024, 5, 13));
  EXPECT_DOUBLE_EQ(GetStartDateOfWeek(monday + 0.25), monday);
  SetStartOfWeek(0);
  EXPECT_DOUBLE_EQ(GetStartDateOfWeek(sunday), sunday);
  EXPECT_DOUBLE_EQ(GetStartDateOfWeek(monday), EncodeDate(2024, 5, 12));
  SetStartOfWeek(6);  // Saturday
  EXPECT_DOUBLE_EQ(GetStartDateOfWeek(EncodeDate(2024, 5, 17)), EncodeDate(2024, 5, 11));
  for (Word rejected : {7, 9, 11, 0xFFFF}) {
    SetStartOfWeek(rejected);
    EXPECT_EQ(GetStartOfWeek(), 6);
  }
  SetStartOfWeek(10);
  EXPECT_LE(GetStartOfWeek(), 6);
}

TEST(cxDataUtils, DataCompareText) {
  struct Case {
    const char* A;
    const char* B;
    bool Partial;
    bool Expected;
  };
  const Case cases[] = {
      {"abc", "AB", true, true},  {"abc", "AB", false, false}, {"abc", "ABC", false, true},
      {"", "", false, true},      {"", "", true, true},        {"a", "", false, false},
      {"a", "", true, false},     {"ab", "abc", true, false},  {"", "a", true, false},
  };
  for (const Case& c : cases) EXPECT_EQ(DataCompareText(c.A, c.B, c.Partial), c.Expected) << c.A << "|" << c.B;
}

TEST(cxDataUtils, DataBindingReadOnlyAndHandlers) {
  TcxCustomDataBinding* binding = New<TcxCustomDataBinding>();
  int dataSetChanges = 0, dataChanges = 0, updates = 0;
  binding->OnDataSetChange = [&] { ++dataSetChanges; };
  binding->OnDataChange = [&] { ++dataChanges; };
  binding->OnUpdateData = [&] { ++updates; };
  EXPECT_TRUE(binding->CanModify());
  EXPECT_TRUE(binding->SetEditMode());
  binding->SetReadOnly(true);
  binding->SetReadOnly(true);  // unchanged: no second notice
  EXPECT_EQ(dataSetChanges, 1);
  EXPECT_FALSE(binding->CanModify());
  EXPECT_TRUE(binding->IsControlReadOnly());
  binding->DataChange();
  binding->UpdateData();
  EXPECT_EQ(dataChanges, 1);
  EXPECT_EQ(updates, 1);
  EXPECT_TRUE(VarIsEmpty(binding->GetStoredValue(evsValue, false)));
  binding->Free();
}

class TNamedItem : public TCollectionItem {
  DECLARE_CLASS(TNamedItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  String Name;
  void Assign(TPersistent* Source) override { Name = static_cast<TNamedItem*>(Source)->Name; }
};
IMPLEMENT_CLASS(TNamedItem)

TEST(cxDataUtils, CollectionAssignKeepsItemIdentity) {
  auto* target = New<cxDataUtils::TcxCollection>(TNamedItem::StaticClass());
  auto* source = New<cxDataUtils::TcxCollection>(TNamedItem::StaticClass());
  for (int i = 0; i < 5; ++i) static_cast<TNamedItem*>(target->Add())->Name = "t" + std::to_string(i);
  for (int i = 0; i < 2; ++i) static_cast<TNamedItem*>(source->Add())->Name = "s" + std::to_string(i);
  TCollectionItem* first = target->GetItem(0);
  TCollectionItem* second = target->GetItem(1);
  target->Assign(source);
  ASSERT_EQ(target->Count(), 2);
  EXPECT_EQ(target->GetItem(0), first);
  EXPECT_EQ(target->GetItem(1), second);
  EXPECT_EQ(static_cast<TNamedItem*>(target->GetItem(1))->Name, "s1");
  EXPECT_EQ(target->UpdateCount(), 0);
  // Growing adds the missing items after the kept ones.
  static_cast<TNamedItem*>(source->Add())->Name = "s2";
  target->Assign(source);
  ASSERT_EQ(target->Count(), 3);
  EXPECT_EQ(target->GetItem(0), first);
  EXPECT_EQ(static_cast<TNamedItem*>(target->GetItem(2))->Name, "s2");
  source->Free();
  target->Free();
}

}  // namespace
