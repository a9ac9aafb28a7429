#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "DateTime.h"
#include "Streams.h"
#include "cxDataUtils.h"
#include "cxFilter.h"
#include "cxVariants.h"

namespace {

// A column of the test host: records are vectors of Variants indexed by the column's position.
class TTestColumn : public TObject {
  DECLARE_CLASS(TTestColumn, TObject)
 public:
  Integer Index = 0;
  Integer ID = 0;
  String Name;
};
IMPLEMENT_CLASS(TTestColumn)

using TRecord = std::vector<Variant>;

class TTestCriteriaItem : public TcxFilterCriteriaItem {
  DECLARE_CLASS(TTestCriteriaItem, TcxFilterCriteriaItem)
 public:
  void GetDataValue(void* AData, Variant& AValue) override {
    auto* column = static_cast<TTestColumn*>(GetItemLink());
    AValue = (*static_cast<TRecord*>(AData))[static_cast<size_t>(column->Index)];
  }
  String GetFieldCaption() override { return "Cap" + static_cast<TTestColumn*>(GetItemLink())->Name; }
  String GetFieldName() override { return static_cast<TTestColumn*>(GetItemLink())->Name; }
};
IMPLEMENT_CLASS(TTestCriteriaItem)

class TTestCriteria : public TcxFilterCriteria {
  DECLARE_CLASS(TTestCriteria, TcxFilterCriteria)
 public:
  std::vector<TTestColumn*>* Columns = nullptr;
  Integer Changes = 0;
  void SetVersion(Integer AVersion) { FVersion = AVersion; }

  Integer GetIDByItemLink(TObject* AItemLink) override {
    return AItemLink ? static_cast<TTestColumn*>(AItemLink)->ID : -1;
  }
  String GetNameByItemLink(TObject* AItemLink) override {
    return AItemLink ? static_cast<TTestColumn*>(AItemLink)->Name : String();
  }
  TObject* GetItemLinkByID(Integer AID) override {
    for (TTestColumn* c : *Columns)
      if (c->ID == AID) return c;
    return nullptr;
  }
  TObject* GetItemLinkByName(const String& AName) override {
    for (TTestColumn* c : *Columns)
      if (c->Name == AName) return c;
    return nullptr;
  }
  TClass GetItemClass() override { return TTestCriteriaItem::StaticClass(); }

 protected:
  void Update() override {
    ++Changes;
    inherited::Update();
  }
};
IMPLEMENT_CLASS(TTestCriteria)

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* names[] = {"A", "B", "C", "D"};
    for (Integer i = 0; i < 4; ++i) {
      auto* c = New<TTestColumn>();
      c->Index = i;
      c->ID = 100 + i;
      c->Name = names[i];
      Columns.push_back(c);
    }
    Criteria = MakeCriteria();
  }
  void TearDown() override {
    Criteria->Free();
    for (TTestColumn* c : Columns) c->Free();
  }
  TTestCriteria* MakeCriteria() {
    auto* criteria = New<TTestCriteria>();
    criteria->Columns = &Columns;
    return criteria;
  }
  bool Accepts(TRecord record) { return Criteria->DoFilterData(&record); }
  TTestColumn* Col(int i) { return Columns[static_cast<size_t>(i)]; }

  std::vector<TTestColumn*> Columns;
  TTestCriteria* Criteria = nullptr;
};

// ---- Operators -----------------------------------------------------------------------------------------

TEST_F(FilterTest, ComparisonOperatorsTable) {
  struct Case {
    TcxFilterOperatorKind Kind;
    Variant Value;
    Variant Data;
    bool Expected;
  };
  const Case cases[] = {
      {foEqual, 5, 5.0, true},
      {foEqual, "abc", "ABC", false},
      {foNotEqual, 5, 6, true},
      {foLess, 5, 4, true},
      {foLess, 5, 5, false},
      {foLessEqual, 5, 5, true},
      {foGreater, 5, 6, true},
      {foGreaterEqual, 5, 4, false},
      {foLike, "a%", "abc", true},
      {foLike, "a%", "bac", false},
      {foNotLike, "a%", "bac", true},
      {foBetween, VarBetweenArrayCreate(1, 3), 1, true},
      {foBetween, VarBetweenArrayCreate(1, 3), 3, true},
      {foBetween, VarBetweenArrayCreate(1, 3), 4, false},
      {foBetween, VarBetweenArrayCreate(1, 3), 0, false},
      {foNotBetween, VarBetweenArrayCreate(1, 3), 4, true},
      {foInList, VarArrayOf({1, 3, 5}), 3, true},
      {foInList, VarArrayOf({1, 3, 5}), 4, false},
      {foNotInList, VarArrayOf({1, 3, 5}), 4, true},
      {foEqual, Null(), Null(), true},
      {foEqual, Null(), 0, false},
      {foNotEqual, Null(), 0, true},
      {foLike, Null(), Null(), true},
  };
  for (const Case& c : cases) {
    Criteria->Clear();
    Criteria->AddItem(nullptr, Col(0), c.Kind, c.Value, "");
    EXPECT_EQ(Accepts({c.Data}), c.Expected) << Criteria->GetFilterText() << " with " << VarToStr(c.Data);
  }
}

TEST_F(FilterTest, CaseInsensitiveAndCurrency) {
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoCaseInsensitive});
  Criteria->AddItem(nullptr, Col(0), foEqual, "abc", "");
  EXPECT_TRUE(Accepts({"ABC"}));
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foEqual, Currency::FromRaw(25000), "");
  EXPECT_TRUE(Accepts({2.5}));
}

TEST_F(FilterTest, NullOptionsAndConversionErrors) {
  // Soft null treats empty text as blank; "ignore null" rejects blank records for other operators.
  TcxFilterCriteriaItem* item = Criteria->AddItem(nullptr, Col(0), foEqual, Null(), "");
  EXPECT_FALSE(Accepts({""}));
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoSoftNull});
  EXPECT_TRUE(Accepts({""}));
  item->SetOperatorKind(foLess);
  item->SetValue(5);
  EXPECT_TRUE(Accepts({Null()}));  // Null orders before every value
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoIgnoreNull});
  EXPECT_FALSE(Accepts({Null()}));
  // A text that does not convert raises, unless soft comparison turns it into "no".
  Criteria->SetOptions(TcxFilterCriteriaOptions());
  EXPECT_THROW(Accepts({"xyz"}), EVariantError);
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoSoftCompare});
  EXPECT_FALSE(Accepts({"xyz"}));
  // A between value that is not an array is a Variant error too.
  item->SetOperatorKind(foBetween);
  EXPECT_FALSE(Accepts({3}));
}

TEST_F(FilterTest, NullOperatorSubstitution) {
  TcxFilterCriteriaItem* item = Criteria->AddItem(nullptr, Col(0), foEqual, Null(), "");
  EXPECT_TRUE(Is<TcxFilterNullOperator>(item->GetOperator()));
  EXPECT_FALSE(Is<TcxFilterNotNullOperator>(item->GetOperator()));
  EXPECT_EQ(item->GetDisplayValueText(), "blank");
  item->SetValue(5);
  EXPECT_EQ(item->GetOperator()->ClassType(), TcxFilterEqualOperator::StaticClass());
  item->SetOperatorKind(foNotEqual);
  item->SetValue(Null());
  EXPECT_TRUE(Is<TcxFilterNotNullOperator>(item->GetOperator()));
  EXPECT_EQ(FilterOperatorClass(foInFuture), TcxFilterInFutureOperator::StaticClass());
  EXPECT_TRUE(FilterOperatorClass(foLast14Days)->InheritsFrom(TcxFilterLastNDaysOperator::StaticClass()));
}

TEST_F(FilterTest, DateOperatorRanges) {
  TManualClock clock(EncodeDate(2024, 5, 15) + 0.5);  // a Wednesday
  TClockOverride useClock(clock);
  SetStartOfWeek(1);  // Monday
  struct Case {
    TcxFilterOperatorKind Kind;
    TDateTime From;  // first accepted day
    TDateTime To;    // first rejected day after the range (0: none)
  };
  const Case cases[] = {
      {foToday, EncodeDate(2024, 5, 15), EncodeDate(2024, 5, 16)},
      {foYesterday, EncodeDate(2024, 5, 14), EncodeDate(2024, 5, 15)},
      {foThisWeek, EncodeDate(2024, 5, 13), EncodeDate(2024, 5, 20)},
      {foLastWeek, EncodeDate(2024, 5, 6), EncodeDate(2024, 5, 13)},
      {foNextTwoWeeks, EncodeDate(2024, 5, 20), EncodeDate(2024, 6, 3)},
      {foLast7Days, EncodeDate(2024, 5, 9), EncodeDate(2024, 5, 16)},
      {foNext7Days, EncodeDate(2024, 5, 15), EncodeDate(2024, 5, 22)},
      {foThisMonth, EncodeDate(2024, 5, 1), EncodeDate(2024, 6, 1)},
      {foLastYear, EncodeDate(2023, 1, 1), EncodeDate(2024, 1, 1)},
      {foInFuture, EncodeDate(2024, 5, 16), 0},
  };
  for (const Case& c : cases) {
    Criteria->Clear();
    Criteria->AddItem(nullptr, Col(0), c.Kind, Null(), "");
    const String text = Criteria->GetFilterCaption();
    EXPECT_TRUE(Accepts({VarFromDateTime(c.From)})) << text;
    EXPECT_FALSE(Accepts({VarFromDateTime(c.From - 1.0 / 86400)})) << text;
    if (c.To != 0) {
      EXPECT_TRUE(Accepts({VarFromDateTime(c.To - 1.0 / 86400)})) << text;
      EXPECT_FALSE(Accepts({VarFromDateTime(c.To)})) << text;
    }
    EXPECT_FALSE(Accepts({Null()})) << text;
  }
  // Without today in the list, the last 7 days end yesterday.
  cxFilterIncludeTodayInLastNextDaysList = false;
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foLast7Days, Null(), "");
  EXPECT_TRUE(Accepts({VarFromDateTime(EncodeDate(2024, 5, 8))}));
  EXPECT_FALSE(Accepts({VarFromDateTime(EncodeDate(2024, 5, 15))}));
  cxFilterIncludeTodayInLastNextDaysList = true;
  // Month ends: in December next month is January; in January last month is December.
  clock.SetNow(EncodeDate(2024, 12, 10));
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foNextMonth, Null(), "");
  EXPECT_TRUE(Accepts({VarFromDateTime(EncodeDate(2025, 1, 31))}));
  EXPECT_FALSE(Accepts({VarFromDateTime(EncodeDate(2025, 2, 1))}));
  clock.SetNow(EncodeDate(2024, 1, 10));
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foLastMonth, Null(), "");
  EXPECT_TRUE(Accepts({VarFromDateTime(EncodeDate(2023, 12, 1))}));
  EXPECT_FALSE(Accepts({VarFromDateTime(EncodeDate(2024, 1, 1))}));
  SetStartOfWeek(10);
}

// ---- Tree ----------------------------------------------------------------------------------------------

TEST_F(FilterTest, BoolOperatorsAndEmptyTree) {
  EXPECT_TRUE(Accepts({1, 2}));
  EXPECT_EQ(Criteria->GetFilterText(), "");
  EXPECT_EQ(Criteria->GetFilterCaption(), "");
  Criteria->AddItem(nullptr, Col(0), foEqual, 1, "1");
  Criteria->AddItem(nullptr, Col(1), foGreater, 2, "2");
  struct Case {
    TcxFilterBoolOperatorKind Kind;
    bool TT, TF, FF;
    const char* Text;
  };
  const Case cases[] = {
      {fboAnd, true, false, false, "(A = 1) AND (B > 2)"},
      {fboOr, true, true, false, "(A = 1) OR (B > 2)"},
      {fboNotAnd, false, true, true, "NOT ((A = 1) AND (B > 2))"},
      {fboNotOr, false, false, true, "NOT ((A = 1) OR (B > 2))"},
  };
  for (const Case& c : cases) {
    Criteria->GetRoot()->SetBoolOperatorKind(c.Kind);
    EXPECT_EQ(Accepts({1, 3}), c.TT) << c.Text;
    EXPECT_EQ(Accepts({1, 2}), c.TF) << c.Text;
    EXPECT_EQ(Accepts({0, 2}), c.FF) << c.Text;
    EXPECT_EQ(Criteria->GetFilterText(), c.Text);
  }
  Criteria->GetRoot()->SetBoolOperatorKind(fboNotOr);
  EXPECT_EQ(Criteria->GetFilterCaption(), "not ((CapA = 1) or (CapB > 2))");
}

TEST_F(FilterTest, ExpressionAndCaptionTexts) {
  struct Case {
    TcxFilterOperatorKind Kind;
    Variant Value;
    const char* Display;
    const char* Expression;
    const char* Caption;
  };
  const Case cases[] = {
      {foEqual, "O'Brien", "O'Brien", "A = 'O''Brien'", "CapA = O'Brien"},
      {foEqual, Null(), "", "A = NULL", "CapA = blank"},
      {foEqual, true, "", "A = True", "CapA ="},
      {foLike, "%abc%", "%abc%", "A LIKE '%abc%'", "CapA LIKE %abc%"},
      {foBetween, VarBetweenArrayCreate(1, 3), "1;3", "A BETWEEN 1 AND 3", "CapA between 1 and 3"},
      {foInList, VarArrayOf({1, 2, 3}), "1;2;3", "A IN (1, 2, 3)", "CapA in (1, 2, 3)"},
      {foNotEqual, 5, "5", "A <> 5", "CapA <> 5"},
  };
  for (const Case& c : cases) {
    Criteria->Clear();
    Criteria->AddItem(nullptr, Col(0), c.Kind, c.Value, c.Display);
    EXPECT_EQ(Criteria->GetFilterText(), String("(") + c.Expression + ")");
    EXPECT_EQ(Criteria->GetFilterCaption(), String("(") + c.Caption + ")");
  }
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foLike, "%abc%", "%abc%");
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoShowOperatorDescription});
  EXPECT_EQ(Criteria->GetFilterCaption(), "(CapA contains abc)");
  Criteria->SetOptions(TcxFilterCriteriaOptions());
  // The translate switches turn operators into expressions of their own.
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foBetween, VarBetweenArrayCreate(1, 3), "1;3");
  Criteria->SetTranslateBetween(true);
  EXPECT_EQ(Criteria->GetFilterText(), "((A >= 1) AND (A <= 3))");
  Criteria->Clear();
  Criteria->AddItem(nullptr, Col(0), foNotInList, VarArrayOf({1, 2}), "1;2");
  Criteria->SetTranslateIn(true);
  EXPECT_EQ(Criteria->GetFilterText(), "(NOT ((A = 1) OR (A = 2)))");
}

TEST_F(FilterTest, ChangesAreBatched) {
  Criteria->Changes = 0;
  Criteria->BeginUpdate();
  Criteria->AddItem(nullptr, Col(0), foEqual, 1, "");
  Criteria->AddItem(nullptr, Col(1), foEqual, 2, "");
  EXPECT_EQ(Criteria->Changes, 0);
  Criteria->EndUpdate();
  EXPECT_EQ(Criteria->Changes, 1);
  Criteria->BeginUpdate();
  Criteria->SetPercentWildcard('*');
  Criteria->CancelUpdate();
  EXPECT_EQ(Criteria->Changes, 1);
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoSoftNull});
  EXPECT_EQ(Criteria->Changes, 2);
}

TEST_F(FilterTest, RemovingTheConditionsOfAnItem) {
  // (A) AND ((B) AND (C)) AND (NOT ((B) AND (D))) AND ((B))
  TcxFilterCriteriaItemList* root = Criteria->GetRoot();
  Criteria->AddItem(nullptr, Col(0), foEqual, 1, "");
  TcxFilterCriteriaItemList* andList = root->AddItemList(fboAnd);
  Criteria->AddItem(andList, Col(1), foEqual, 1, "");
  Criteria->AddItem(andList, Col(2), foEqual, 1, "");
  TcxFilterCriteriaItemList* notList = root->AddItemList(fboNotAnd);
  Criteria->AddItem(notList, Col(1), foEqual, 1, "");
  Criteria->AddItem(notList, Col(3), foEqual, 1, "");
  TcxFilterCriteriaItemList* onlyB = root->AddItemList(fboOr);
  Criteria->AddItem(onlyB, Col(1), foEqual, 1, "");
  Criteria->Changes = 0;
  Criteria->RemoveItemByItemLink(Col(1));
  EXPECT_EQ(Criteria->Changes, 1);
  // The AND list gave way to C (moved to the end); the list holding only B went; NOT kept its negation.
  EXPECT_EQ(Criteria->GetFilterText(), "(A = 1) AND (NOT ((D = 1))) AND (C = 1)");
  EXPECT_FALSE(Accepts({1, 0, 1, 1}));
  Criteria->RemoveItemByItemLink(Col(1));  // nothing left to remove: no notice
  EXPECT_EQ(Criteria->Changes, 1);
}

// ---- Streams -------------------------------------------------------------------------------------------

TMemoryStream* Written(TcxFilterCriteria* ACriteria, Integer AMaxVersion = 0) {
  TMemoryStream* stream = New<TMemoryStream>();
  ACriteria->WriteData(stream, AMaxVersion);
  stream->SetPosition(0);
  return stream;
}

Integer FirstInteger(TMemoryStream* AStream) { return *static_cast<const Integer*>(AStream->GetMemory()); }

TEST_F(FilterTest, BinaryTreeRoundTripAndItemMatching) {
  Criteria->SetVersion(3);
  Criteria->GetRoot()->SetBoolOperatorKind(fboOr);
  Criteria->AddItem(nullptr, Col(0), foBetween, VarBetweenArrayCreate(1, 3), "1;3");
  TcxFilterCriteriaItemList* list = Criteria->GetRoot()->AddItemList(fboNotAnd);
  Criteria->AddItem(list, Col(1), foLike, "x%", "x%");
  Criteria->AddItem(list, Col(2), foEqual, Null(), "");
  const String expected = Criteria->GetFilterText();

  TMemoryStream* stream = Written(Criteria);
  EXPECT_EQ(FirstInteger(stream), -2);
  // Items matched by name survive a change of ID.
  Col(1)->ID = 999;
  TTestCriteria* copy = MakeCriteria();
  copy->SetVersion(3);
  copy->ReadData(stream);
  EXPECT_EQ(copy->GetVersionRead(), 3);
  EXPECT_EQ(copy->GetFilterText(), expected);
  EXPECT_TRUE(copy->EqualItems(Criteria));
  // Neither name nor ID matches: the condition is dropped.
  Col(2)->Name = "Gone";
  Col(2)->ID = 555;
  stream->SetPosition(0);
  copy->ReadData(stream);
  EXPECT_EQ(copy->GetFilterText(), "(A BETWEEN 1 AND 3) OR (NOT ((B LIKE 'x%')))");
  stream->Free();
  copy->Free();
}

TEST_F(FilterTest, VersionsOfTheBinaryFormat) {
  Criteria->AddItem(nullptr, Col(0), foEqual, 7, "7");
  TMemoryStream* v2 = Written(Criteria);
  EXPECT_EQ(FirstInteger(v2), -1);
  // An ID is not trusted for an item that has a name, when the stream names none.
  TTestCriteria* copy = MakeCriteria();
  copy->SetVersion(3);
  copy->ReadData(v2);
  EXPECT_EQ(copy->GetFilterText(), "(A = 7)");
  v2->Free();
  // The oldest format: the first integer counts the root's children.
  TMemoryStream* v1 = New<TMemoryStream>();
  WriteIntegerProc(v1, 2);
  for (Integer i = 0; i < 2; ++i) {
    WriteBooleanProc(v1, false);
    WriteByteProc(v1, foEqual);
    WriteStringProc(v1, "");
    WriteIntegerProc(v1, 100 + i);
    WriteVariantProc(v1, i);
  }
  v1->SetPosition(0);
  copy->ReadData(v1);
  EXPECT_EQ(copy->GetVersionRead(), 1);
  EXPECT_EQ(copy->GetFilterText(), "(A = 0) AND (B = 1)");
  v1->Free();
  // Assigning without names still finds the items by ID.
  copy->Clear();
  Criteria->SetVersion(3);
  copy->Assign(Criteria, true);
  EXPECT_EQ(copy->GetFilterText(), "(A = 7)");
  copy->Free();
}

TEST_F(FilterTest, DamagedStreamsRaiseReadErrors) {
  Criteria->SetVersion(3);
  Criteria->AddItem(nullptr, Col(0), foInList, VarArrayOf({1, "two", 3.5}), "");
  TcxFilterCriteriaItemList* list = Criteria->GetRoot()->AddItemList(fboOr);
  Criteria->AddItem(list, Col(1), foLike, "a%", "");
  TMemoryStream* stream = Written(Criteria);
  const String whole(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  stream->Free();
  TTestCriteria* target = MakeCriteria();
  target->SetVersion(3);
  // Every truncation fails cleanly and leaves the criteria usable.
  for (size_t length = 0; length < whole.size(); ++length) {
    TMemoryStream* part = New<TMemoryStream>();
    part->WriteBuffer(whole.data(), static_cast<Integer>(length));
    part->SetPosition(0);
    EXPECT_THROW(target->ReadData(part), EReadError) << length;
    EXPECT_FALSE(target->IsLocked());
    part->Free();
  }
  // Random bytes after a valid header: a read error or a tree, never a crash.
  std::mt19937 random(77);
  for (int n = 0; n < 3000; ++n) {
    String bytes = whole;
    for (int k = 0; k < 4; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
    if (n % 3 == 0) bytes = String(whole.substr(0, 4)) + String(static_cast<size_t>(random() % 64), char(random()));
    TMemoryStream* s = New<TMemoryStream>();
    s->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    s->SetPosition(0);
    try {
      target->ReadData(s);
      (void)target->GetFilterText();
    } catch (EReadError&) {
    } catch (EVariantError&) {
    }
    EXPECT_FALSE(target->IsLocked());
    s->Free();
  }
  // Deep nesting is refused rather than followed down the stack.
  TMemoryStream* deep = New<TMemoryStream>();
  WriteIntegerProc(deep, -1);
  for (int i = 0; i < 100000; ++i) {
    WriteByteProc(deep, fboAnd);
    WriteIntegerProc(deep, 1);
    WriteBooleanProc(deep, true);
  }
  deep->SetPosition(0);
  EXPECT_THROW(target->ReadData(deep), EReadError);
  deep->Free();
  target->Free();
}

TEST_F(FilterTest, ComponentStreamKeepsOptions) {
  Criteria->SetOptions(TcxFilterCriteriaOptions{fcoCaseInsensitive, fcoSoftNull});
  Criteria->SetPercentWildcard('*');
  Criteria->SetMaxValueListCount(12);
  TMemoryStream* stream = New<TMemoryStream>();
  Criteria->SaveToStream(stream);
  EXPECT_FALSE(Criteria->IsSavingToStream());
  stream->SetPosition(0);
  TTestCriteria* copy = MakeCriteria();
  copy->LoadFromStream(stream);
  EXPECT_TRUE(copy->GetOptions() == Criteria->GetOptions());
  EXPECT_EQ(copy->GetPercentWildcard(), '*');
  EXPECT_EQ(copy->GetUnderscoreWildcard(), '_');
  EXPECT_EQ(copy->GetMaxValueListCount(), 12);
  copy->Free();
  stream->Free();
}

// ---- Against a naive evaluator --------------------------------------------------------------------------

struct TNaiveNode {
  bool IsList = false;
  TcxFilterBoolOperatorKind Bool = fboAnd;
  std::vector<TNaiveNode> Children;
  int Column = 0;
  TcxFilterOperatorKind Kind = foEqual;
  int A = 0, B = 0;
};

bool NaiveEval(const TNaiveNode& n, const std::vector<int>& r) {
  if (!n.IsList) {
    const int v = r[static_cast<size_t>(n.Column)];
    switch (n.Kind) {
      case foEqual: return v == n.A;
      case foNotEqual: return v != n.A;
      case foLess: return v < n.A;
      case foGreaterEqual: return v >= n.A;
      case foBetween: return n.A <= v && v <= n.B;
      case foNotInList: return v != n.A && v != n.B;
      default: return false;
    }
  }
  if (n.Children.empty()) return true;
  bool any = false, all = true;
  for (const TNaiveNode& c : n.Children) {
    const bool x = NaiveEval(c, r);
    any = any || x;
    all = all && x;
  }
  switch (n.Bool) {
    case fboAnd: return all;
    case fboOr: return any;
    case fboNotAnd: return !all;
    default: return !any;
  }
}

TNaiveNode RandomNode(std::mt19937& random, int depth) {
  TNaiveNode n;
  if (depth < 3 && random() % 3 == 0) {
    n.IsList = true;
    n.Bool = static_cast<TcxFilterBoolOperatorKind>(random() % 4);
    for (int i = random() % 4; i > 0; --i) n.Children.push_back(RandomNode(random, depth + 1));
  } else {
    static const TcxFilterOperatorKind kinds[] = {foEqual, foNotEqual, foLess, foGreaterEqual, foBetween, foNotInList};
    n.Kind = kinds[random() % 6];
    n.Column = static_cast<int>(random() % 4);
    n.A = static_cast<int>(random() % 5);
    n.B = static_cast<int>(random() % 5);
  }
  return n;
}

void Build(TTestCriteria* c, TcxFilterCriteriaItemList* list, const TNaiveNode& n, std::vector<TTestColumn*>& cols) {
  for (const TNaiveNode& child : n.Children) {
    if (child.IsList) {
      Build(c, list->AddItemList(child.Bool), child, cols);
      continue;
    }
    Variant value = child.A;
    if (child.Kind == foBetween) value = VarBetweenArrayCreate(child.A, child.B);
    if (child.Kind == foNotInList) value = VarArrayOf({child.A, child.B});
    c->AddItem(list, cols[static_cast<size_t>(child.Column)], child.Kind, value, "");
  }
}

TEST_F(FilterTest, AgreesWithANaiveEvaluatorOnRandomTrees) {
  std::mt19937 random(4242);
  for (int t = 0; t < 300; ++t) {
    TNaiveNode root;
    root.IsList = true;
    root.Bool = static_cast<TcxFilterBoolOperatorKind>(random() % 4);
    for (int i = random() % 4; i > 0; --i) root.Children.push_back(RandomNode(random, 1));
    Criteria->BeginUpdate();
    Criteria->Clear();
    Criteria->GetRoot()->SetBoolOperatorKind(root.Bool);
    Build(Criteria, Criteria->GetRoot(), root, Columns);
    Criteria->EndUpdate();
    // The tree survives its own stream unchanged.
    TMemoryStream* stream = Written(Criteria);
    TTestCriteria* copy = MakeCriteria();
    copy->ReadData(stream);
    for (int r = 0; r < 20; ++r) {
      std::vector<int> values;
      TRecord record;
      for (int k = 0; k < 4; ++k) {
        values.push_back(static_cast<int>(random() % 5));
        record.push_back(values.back());
      }
      ASSERT_EQ(Criteria->DoFilterData(&record), NaiveEval(root, values)) << Criteria->GetFilterText();
      ASSERT_EQ(copy->DoFilterData(&record), NaiveEval(root, values)) << copy->GetFilterText();
    }
    copy->Free();
    stream->Free();
  }
}

// ---- Value list ----------------------------------------------------------------------------------------

TEST_F(FilterTest, ValueListOrder) {
  TcxFilterValueList* list = Criteria->CreateValueList();
  for (int v : {3, 1, 2}) list->Add(fviValue, v, std::to_string(v), false);
  list->Add(fviBlanks, Null(), "(Blanks)", false);
  list->Add(fviAll, Null(), "(All)", false);
  list->Add(fviValue, 2, "2", false);  // already there
  ASSERT_EQ(list->Count(), 5);
  const TcxFilterValueItemKind kinds[] = {fviBlanks, fviAll, fviValue, fviValue, fviValue};
  for (Integer i = 0; i < 5; ++i) EXPECT_EQ(list->GetItem(i).Kind, kinds[i]) << i;
  EXPECT_EQ(VarToStr(list->GetItem(2).Value), "1");
  EXPECT_EQ(VarToStr(list->GetItem(4).Value), "3");
  EXPECT_EQ(list->FindItemByValue(3), 4);
  EXPECT_EQ(list->FindItemByValue(9), -1);
  // MRU items go in front, closed by a separator.
  list->Add(fviMRU, 9, "9", false);
  list->Add(fviMRU, 8, "8", false);
  EXPECT_EQ(list->GetItem(0).Kind, fviMRU);
  EXPECT_EQ(list->GetItem(2).Kind, fviMRUSeparator);
  EXPECT_EQ(list->FindItemByValue(8), 1);
  // The criteria's condition maps to its item.
  EXPECT_EQ(list->GetIndexByCriteriaItem(nullptr), list->FindItemByKind(fviAll));
  TcxFilterCriteriaItem* item = Criteria->AddItem(nullptr, Col(0), foEqual, Null(), "");
  EXPECT_EQ(list->GetIndexByCriteriaItem(item), list->FindItemByKind(fviBlanks));
  item->SetValue(2);
  item->SetDisplayValue("2");
  EXPECT_EQ(VarToStr(list->GetItem(list->GetIndexByCriteriaItem(item)).Value), "2");
  item->SetOperatorKind(foLess);
  EXPECT_EQ(list->GetIndexByCriteriaItem(item), -1);  // no custom item
  list->Free();

  Criteria->SetMaxValueListCount(3);
  list = Criteria->CreateValueList();
  list->Add(fviAll, Null(), "(All)", false);
  for (int v : {1, 2, 3}) list->Add(fviValue, v, std::to_string(v), false);
  EXPECT_EQ(list->Count(), 3);
  list->Free();
}

}  // namespace
