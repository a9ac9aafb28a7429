#include <gtest/gtest.h>

#include "cxCheckBox.h"

namespace {

// Items with fixed captions; counting is left to the stack object that owns them.
class TTestCheckItems : public IcxCheckItems {
 public:
  explicit TTestCheckItems(std::vector<String> ACaptions) : FCaptions(std::move(ACaptions)) {}
  HRESULT QueryInterface(const TGUID&, void** AObj) override { return *AObj = nullptr, E_NOINTERFACE; }
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
  String GetCaption(Integer Index) override { return FCaptions[Index]; }
  Integer GetCount() override { return static_cast<Integer>(FCaptions.size()); }

 private:
  std::vector<String> FCaptions;
};

constexpr auto U = cbsUnchecked;
constexpr auto C = cbsChecked;
constexpr auto G = cbsGrayed;

struct TParseCase {
  TcxCheckStatesValueFormat Format;
  Variant Value;
  bool Parsed;
  TcxCheckStates States;
};

TEST(cxCheckStates, ParsesEachFormatAndRefusesMalformedValues) {
  TTestCheckItems items({"a", "bc", "Def", "x"});
  const TParseCase cases[] = {
      {cvfIndices, Variant(String("")), true, {U, U, U, U}},
      {cvfIndices, Null(), true, {U, U, U, U}},
      {cvfIndices, Variant(String("0,1;2")), true, {G, G, C, U}},
      {cvfIndices, Variant(String(";3,")), true, {U, U, U, C}},
      {cvfIndices, Variant(String("4")), false, {U, U, U, U}},
      {cvfIndices, Variant(String("0;1;2")), false, {U, U, U, U}},
      {cvfIndices, Variant(String("0 1")), false, {U, U, U, U}},
      {cvfIndices, Variant(String("2147483648")), false, {U, U, U, U}},
      {cvfIndices, Variant(1), false, {U, U, U, U}},
      {cvfStatesString, Variant(String("21")), true, {G, C, U, U}},
      {cvfStatesString, Variant(String("01210")), true, {U, C, G, C}},
      {cvfStatesString, Variant(String("013")), false, {U, U, U, U}},
      {cvfCaptions, Variant(String("1:a;2:bc")), true, {G, C, U, U}},
      {cvfCaptions, Variant(String("3:DEF;1:X")), true, {U, U, G, C}},  // captions match without case
      {cvfCaptions, Variant(String("1:y")), false, {U, U, U, U}},        // no item bears it
      {cvfCaptions, Variant(String("1:a;1:a")), false, {U, U, U, U}},    // one entry is left over
      {cvfCaptions, Variant(String("5:a")), false, {U, U, U, U}},        // the caption runs short
      {cvfCaptions, Variant(String("1:ab")), false, {U, U, U, U}},       // text after the last entry
      {cvfCaptions, Variant(String(":a")), false, {U, U, U, U}},
      {cvfInteger, Variant(10), true, {U, C, U, C}},
      {cvfInteger, Variant(String("5")), true, {C, U, C, U}},
      {cvfInteger, Variant(String("five")), false, {U, U, U, U}},
      {cvfInteger, Null(), true, {U, U, U, U}},
      {cvfStatesString, Variant(), false, {U, U, U, U}},
  };
  for (const TParseCase& c : cases) {
    TcxCheckStates states{C};
    EXPECT_EQ(CalculateCheckStates(c.Value, &items, c.Format, states), c.Parsed)
        << c.Format << " " << VarToStr(c.Value);
    EXPECT_EQ(states, c.States) << c.Format << " " << VarToStr(c.Value);
  }
}

TEST(cxCheckStates, PacksStatesInEachFormat) {
  TTestCheckItems items({"a", "bc", "d"});
  EXPECT_EQ(VarToStr(CalculateCheckStatesValue({C, G}, &items, cvfCaptions)), "2:bc;1:a");
  EXPECT_EQ(VarToStr(CalculateCheckStatesValue({C, U}, &items, cvfIndices)), ";0");
  EXPECT_EQ(VarToStr(CalculateCheckStatesValue({G, C, C}, &items, cvfIndices)), "0;1,2");
  EXPECT_EQ(VarToStr(CalculateCheckStatesValue({U, U}, &items, cvfCaptions)), "");
  EXPECT_TRUE(VarIsStr(CalculateCheckStatesValue({U, U}, &items, cvfIndices)));
  EXPECT_EQ(VarToStr(CalculateCheckStatesValue({U, C, G}, &items, cvfStatesString)), "012");
  const Variant packed = CalculateCheckStatesValue({C, G, C}, &items, cvfInteger);
  EXPECT_EQ(VarType(packed), varInt64);
  EXPECT_EQ(packed.ToInt64(), 5);
}

TEST(cxCheckStates, TheIntegerFormatKeepsTheFirst64Items) {
  std::vector<String> captions(70, "i");
  TTestCheckItems items(captions);
  TcxCheckStates states(70, C);
  const Variant packed = CalculateCheckStatesValue(states, &items, cvfInteger);
  EXPECT_EQ(packed.ToInt64(), -1);  // all 64 bits
  TcxCheckStates back;
  ASSERT_TRUE(CalculateCheckStates(packed, &items, cvfInteger, back));
  ASSERT_EQ(back.size(), 70u);
  EXPECT_EQ(back[63], C);
  EXPECT_EQ(back[64], U);
  EXPECT_EQ(back[69], U);
}

TEST(cxCheckStates, CaptionLengthsCountCharacters) {
  TTestCheckItems items({"拍卖", "a"});
  const Variant packed = CalculateCheckStatesValue({G, C}, &items, cvfCaptions);
  EXPECT_EQ(VarToStr(packed), "2:拍卖;1:a");
  TcxCheckStates states;
  ASSERT_TRUE(CalculateCheckStates(packed, &items, cvfCaptions, states));
  EXPECT_EQ(states, (TcxCheckStates{G, C}));
}

TEST(cxCheckStates, EveryFormatRoundTrips) {
  TTestCheckItems items({"a", "bc", "拍卖", "Def", "e;1:f"});
  const TcxCheckStates states{G, U, C, C, G};
  for (auto format : {cvfCaptions, cvfIndices, cvfStatesString}) {
    TcxCheckStates back;
    ASSERT_TRUE(CalculateCheckStates(CalculateCheckStatesValue(states, &items, format), &items, format, back))
        << format;
    EXPECT_EQ(back, states) << format;
  }
  // The integer form has no grayed state: grayed items come back unchecked.
  TcxCheckStates back;
  ASSERT_TRUE(CalculateCheckStates(CalculateCheckStatesValue(states, &items, cvfInteger), &items, cvfInteger, back));
  EXPECT_EQ(back, (TcxCheckStates{U, U, C, C, U}));
}

}  // namespace
