#include <gtest/gtest.h>

#include "Exceptions.h"

#include "Locale.h"
#include "StringLists.h"
#include "Streams.h"
#include "cxClasses.h"
#include "TypInfo.h"

namespace {

class TcxStyle : public TComponent {
  DECLARE_CLASS(TcxStyle, TComponent)
 public:
  using TComponent::TComponent;
  using TComponent::SetAncestor;
};
IMPLEMENT_CLASS(TcxStyle)

class TdxBarScreenTip : public TComponent {
  DECLARE_CLASS(TdxBarScreenTip, TComponent)
 public:
  using TComponent::TComponent;
};
IMPLEMENT_CLASS(TdxBarScreenTip)

// Publishes two sub-objects, the second of the same class as the first.
class TSubobjectHolder : public TComponent {
  DECLARE_CLASS(TSubobjectHolder, TComponent)
 public:
  using TComponent::TComponent;
  TStringList* GetLines() const { return FLines; }
  TStringList* GetItems() const { return FItems; }
  TStrings* GetAbstract() const { return FItems; }
  TStringList* FLines = nullptr;
  TStringList* FItems = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TSubobjectHolder) {
  d.Property("Abstract", &TSubobjectHolder::GetAbstract);
  d.Property("Lines", &TSubobjectHolder::GetLines);
  d.Property("Items", &TSubobjectHolder::GetItems);
}

TComponent* Named(TComponent* owner, TClass cls, const char* name) {
  TComponent* c = CreateComponent(cls, owner);
  c->SetName(name);
  return c;
}

TEST(cxClassesRoutines, IntegerHelpers) {
  struct Center {
    Integer A, B, Result;
  } centers[] = {{-3, 0, -2}, {3, 0, 1}, {0, 0, 0}, {-4, 0, -2}, {2, 5, 3}, {-1, 1, 0}, {MaxInt, MaxInt, MaxInt}};
  for (const Center& c : centers) EXPECT_EQ(GetRangeCenter(c.A, c.B), c.Result) << c.A << " " << c.B;

  struct Div {
    Integer A, B, Result;
  } divs[] = {{7, 2, 4}, {6, 2, 3}, {0, 5, 0}, {1, 5, 1}, {-7, 2, -2}};
  for (const Div& d : divs) EXPECT_EQ(RoundDiv(d.A, d.B), d.Result) << d.A << " " << d.B;

  struct Hex {
    const char* Text;
    Byte Value;
  } hexes[] = {{"00", 0}, {"FF", 255}, {"ff", 255}, {"7f", 127}, {"A0", 160}, {"1", 0}};
  for (const Hex& h : hexes) EXPECT_EQ(HexToByte(h.Text), h.Value) << h.Text;

  EXPECT_EQ(cxSign(0.0), 1);
  EXPECT_EQ(cxSign(-0.5), -1);
  Integer a = 1, b = 2;
  SwapIntegers(a, b);
  EXPECT_EQ(a * 10 + b, 21);
  EXPECT_EQ(Size(3, 4), TSize(3, 4));
  EXPECT_EQ(GetCorrectPath("a/b\\c/"), "a\\b\\c\\");
}

TEST(cxClassesRoutines, RawMemoryReadsAndWrites) {
  Byte block[12] = {};
  WriteInteger(block, -2, 1);
  WriteWord(block, 0xBEEF, 5);
  WriteByte(block, 0x7A, 7);
  WriteBoolean(block, true, 8);
  EXPECT_EQ(ReadInteger(block, 1), -2);
  EXPECT_EQ(ReadWord(block, 5), 0xBEEF);
  EXPECT_EQ(block[5], 0xEF);  // little-endian
  EXPECT_EQ(ReadByte(block, 7), 0x7A);
  EXPECT_TRUE(ReadBoolean(block, 8));
  EXPECT_EQ(ReadWord(block, 8), 0xFFFF);
  WriteBoolean(block, false, 8);
  EXPECT_FALSE(ReadBoolean(block, 8));

  const Byte source[] = {1, 2, 3, 4, 5};
  Byte target[5] = {};
  cxCopyData(source, target, 1, -3, 3);  // a negative offset counts as 0
  EXPECT_EQ(target[0] * 100 + target[1] * 10 + target[2], 234);
  cxZeroMemory(target, 2);
  EXPECT_EQ(target[1] + target[0], 0);
  EXPECT_EQ(target[2], 4);
  auto* p = static_cast<Byte*>(cxAllocMem(16));
  EXPECT_EQ(p[0] + p[15], 0);
  cxFreeMem(p);
}

TEST(cxClassesRoutines, StreamsEqualComparesSizeAndBytes) {
  auto* a = New<TMemoryStream>();
  auto* b = New<TMemoryStream>();
  EXPECT_TRUE(StreamsEqual(a, b));
  a->Write("abc", 3);
  b->Write("abd", 3);
  EXPECT_FALSE(StreamsEqual(a, b));
  b->SetSize(2);
  b->SetPosition(2);
  b->Write("c", 1);
  EXPECT_TRUE(StreamsEqual(a, b));
  b->Write("!", 1);
  EXPECT_FALSE(StreamsEqual(a, b));
  a->Free();
  b->Free();
}

TEST(cxClassesRoutines, CreateUniqueNameTriesCandidatesInOrder) {
  auto* owner = New<TComponent>(nullptr);
  auto* style = New<TcxStyle>(owner);
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", "1st"), "cxStyle1st");
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", "Caption!"), "Caption");
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", "\xE4\xB8\xAD_x"), "_x");
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", ""), "cxStyle1");
  Named(owner, TcxStyle::StaticClass(), "CXSTYLE1");  // compared without case
  Named(owner, TcxStyle::StaticClass(), "cxStyle2");
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", ""), "cxStyle3");
  // The component's own name does not count against it.
  style->SetName("cxStyle3");
  EXPECT_EQ(CreateUniqueName(owner, nullptr, style, "", ""), "cxStyle3");

  auto* bar = Named(owner, TcxStyle::StaticClass(), "dxBar1");
  auto* tip = New<TdxBarScreenTip>(owner);
  EXPECT_EQ(CreateUniqueName(owner, bar, tip, "TdxBar", ""), "dxBar1ScreenTip1");
  Named(owner, TcxStyle::StaticClass(), "dxBar1ScreenTip1");
  EXPECT_EQ(CreateUniqueName(owner, bar, tip, "tdxbar", ""), "dxBar1ScreenTip2");
  owner->Free();
}

TEST(cxClassesRoutines, GetValidNameCountsUpFromOne) {
  auto* owner = New<TComponent>(nullptr);
  auto* c = New<TcxStyle>(owner);
  Named(owner, TcxStyle::StaticClass(), "Item");
  Named(owner, TcxStyle::StaticClass(), "Item1");
  EXPECT_EQ(GetValidName(c, "Item"), "Item2");
  EXPECT_EQ(GetValidName(c, "Other"), "Other");
  EXPECT_EQ(GetValidName(c, "Other", true), "Other1");
  auto* orphan = New<TcxStyle>(nullptr);
  EXPECT_EQ(GetValidName(orphan, "Item"), "Item");  // no owner: the name as it is
  orphan->Free();
  owner->Free();
}

TEST(cxClassesRoutines, RenameComponentsKeepsRefusedNames) {
  auto* owner = New<TcxStyle>(nullptr);
  auto* other = New<TComponent>(nullptr);
  std::vector<TComponent*> list = {
      Named(owner, TcxStyle::StaticClass(), "oldOne"), Named(owner, TcxStyle::StaticClass(), "OLDTwo"),
      Named(owner, TcxStyle::StaticClass(), "old"),      // not longer than the prefix
      Named(other, TcxStyle::StaticClass(), "oldThree"),  // another owner
      Named(owner, TcxStyle::StaticClass(), "oldFour"), Named(owner, TcxStyle::StaticClass(), "newFour"),
  };
  auto getter = [&](TObject*, Integer i) { return list[static_cast<size_t>(i)]; };
  RenameComponents(owner, owner, "new", "old", static_cast<Integer>(list.size()), getter);
  std::vector<String> names;
  for (TComponent* c : list) names.push_back(c->GetName());
  EXPECT_EQ(names, (std::vector<String>{"newOne", "newTwo", "old", "oldThree", "oldFour", "newFour"}));

  list[0]->SetName("oldOne");
  owner->SetAncestor(true);
  RenameComponents(owner, owner, "new", "old", 1, getter);
  EXPECT_EQ(list[0]->GetName(), "oldOne");
  owner->Free();
  other->Free();
}

TEST(cxClassesRoutines, ClassesMethodsAndSubobjects) {
  EXPECT_TRUE(ClassInheritsFrom(TcxStyle::StaticClass(), "TComponent"));
  EXPECT_TRUE(ClassInheritsFrom(TcxStyle::StaticClass(), "TcxStyle"));
  EXPECT_FALSE(ClassInheritsFrom(TcxStyle::StaticClass(), "tcomponent"));
  EXPECT_FALSE(ClassInheritsFrom(nullptr, "TObject"));

  auto* holder = New<TSubobjectHolder>(nullptr);
  holder->FLines = New<TStringList>();
  holder->FItems = New<TStringList>();
  EXPECT_EQ(GetSubobjectName(holder, holder->FItems), "Lines");  // first property of exactly that class
  EXPECT_EQ(GetSubobjectName(holder, holder), "");
  int calls = 0;
  TNotifyEvent event = [&](TObject* sender) { calls += sender == holder ? 1 : 100; };
  CallNotify(event, holder);
  CallNotify(TNotifyEvent(), holder);
  EXPECT_EQ(calls, 1);
  TNotifyEvent copy = event;
  EXPECT_TRUE(EqualMethods(event, copy));
  EXPECT_FALSE(EqualMethods(event, TNotifyEvent([](TObject*) {})));
  holder->FLines->Free();
  holder->FItems->Free();
  holder->Free();
}

TEST(cxClassesRoutines, FillStringsWithEnumTypeValuesSkipsEmptyTexts) {
  auto* strings = New<TStringList>();
  Integer changes = 0;
  strings->OnChange = [&](TObject*) { ++changes; };
  FillStringsWithEnumTypeValues(strings, AtTypeInfo(static_cast<TcxPosition*>(nullptr)), [](Integer v) {
    return v == posLeft ? String() : GetEnumName(AtTypeInfo(static_cast<TcxPosition*>(nullptr)), v);
  });
  ASSERT_EQ(strings->GetCount(), 4);
  EXPECT_EQ(strings->GetStrings(1), "posRight");
  EXPECT_EQ(EnumTypeValueOf(strings->GetObjects(1)), posRight);
  EXPECT_EQ(EnumTypeValueOf(strings->GetObjects(0)), posNone);
  EXPECT_EQ(changes, 1);
  strings->Free();
}

TEST(cxClassesRoutines, MultibytePositionsStepWholeCharacters) {
  const String s = "a\xE4\xB8\xAD" "b";  // a, a 3-byte character, b
  struct Case {
    Integer Index, Length, Next, Prev;
  } cases[] = {
      {1, 1, 2, 1}, {2, 3, 5, 1}, {5, 1, 6, 2}, {6, 0, 6, 5}, {0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cxStrCharLength(s, c.Index), c.Length) << c.Index;
    EXPECT_EQ(cxNextCharPos(s, c.Index), c.Next) << c.Index;
    EXPECT_EQ(cxPrevCharPos(s, c.Index), c.Prev) << c.Index;
  }
}

TEST(cxClassesRoutines, LocaleInfoWithoutTerminatorOrDefault) {
  EXPECT_EQ(cxGetLocaleInfo(LOCALE_EN_US, LOCALE_SDECIMAL, "?"), ".");
  EXPECT_EQ(cxGetLocaleInfo(0x7777, LOCALE_SDECIMAL, "?"), "?");
}

}  // namespace
