#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

#include "Exceptions.h"
#include "Variants.h"

namespace {

// Same type code and same value.
::testing::AssertionResult Same(const Variant& actual, const Variant& expected) {
  if (actual.VType() == expected.VType() && VarSameValue(actual, expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << VarTypeAsText(actual.VType()) << " " << VarToStr(actual) << ", expected "
                                       << VarTypeAsText(expected.VType()) << " " << VarToStr(expected);
}

TEST(Variant, EachBasicTypeKeepsItsTypeCode) {
  struct Case {
    Variant value;
    TVarType type;
    const char* name;
  } cases[] = {
      {Unassigned(), varEmpty, "Empty"},
      {Null(), varNull, "Null"},
      {true, varBoolean, "Boolean"},
      {int8_t(-5), varShortInt, "ShortInt"},
      {uint8_t(5), varByte, "Byte"},
      {int16_t(-5), varSmallint, "Smallint"},
      {uint16_t(5), varWord, "Word"},
      {-5, varInteger, "Integer"},
      {5u, varLongWord, "LongWord"},
      {Int64(-5), varInt64, "Int64"},
      {5LL, varInt64, "Int64"},
      {1.5, varDouble, "Double"},
      {1.5f, varSingle, "Single"},
      {Currency::FromRaw(15000), varCurrency, "Currency"},
      {VarFromDateTime(45000.5), varDate, "Date"},
      {"text", varString, "String"},
      {String("text"), varString, "String"},
      {u"text", varOleStr, "OleStr"},
      {VarArrayOf({1, "a"}), varArray | varVariant, "Array Variant"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(VarType(c.value), c.type);
    EXPECT_EQ(VarTypeAsText(c.type), c.name);
  }
  EXPECT_THROW(Variant(UINT64_MAX), EVariantOverflowError);
}

TEST(Variant, PredicatesSortValuesIntoKinds) {
  struct Case {
    Variant value;
    bool null, empty, array, ordinal, isFloat, numeric, str;
  } cases[] = {
      {Unassigned(), false, true, false, false, false, false, false},
      {Null(), true, false, false, false, false, false, false},
      {true, false, false, false, true, false, true, false},
      {7, false, false, false, true, false, true, false},
      {2.5, false, false, false, false, true, true, false},
      {Currency::FromRaw(1), false, false, false, false, true, true, false},
      {VarFromDateTime(1), false, false, false, false, false, false, false},
      {"7", false, false, false, false, false, false, true},
      {u"7", false, false, false, false, false, false, true},
      {VarArrayOf({1}), false, false, true, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(VarTypeAsText(VarType(c.value)));
    EXPECT_EQ(VarIsNull(c.value), c.null);
    EXPECT_EQ(VarIsEmpty(c.value), c.empty);
    EXPECT_EQ(VarIsClear(c.value), c.empty);
    EXPECT_EQ(VarIsArray(c.value), c.array);
    EXPECT_EQ(VarIsOrdinal(c.value), c.ordinal);
    EXPECT_EQ(VarIsFloat(c.value), c.isFloat);
    EXPECT_EQ(VarIsNumeric(c.value), c.numeric);
    EXPECT_EQ(VarIsStr(c.value), c.str);
  }
}

TEST(Variant, VarToStrGivesTheTextOfEveryKind) {
  struct Case {
    Variant value;
    const char* text;
  } cases[] = {
      {Null(), ""},
      {Unassigned(), ""},
      {true, "True"},
      {false, "False"},
      {-42, "-42"},
      {INT64_MIN, "-9223372036854775808"},
      {-1.5, "-1.5"},
      {0.1f, "0.1"},
      {1e20, "1E20"},
      {Currency::FromRaw(123400), "12.34"},
      {Currency::FromRaw(-5), "-0.0005"},
      {u"中文", "中文"},
      {VarFromDateTime(45351.5625), "2024-2-29 13:30:00"},  // in the default locale
      {VarFromDateTime(45351), "2024-2-29"},
  };
  for (const Case& c : cases) EXPECT_EQ(VarToStr(c.value), c.text) << VarTypeAsText(VarType(c.value));
  EXPECT_EQ(VarToStrDef(Null(), "none"), "none");
  EXPECT_EQ(VarToStrDef(Unassigned(), "none"), "");
  EXPECT_EQ(VarToWideStr(Variant("中文")), u"中文");
}

TEST(Variant, VarAsTypeConvertsByTheClassLibraryRules) {
  struct Case {
    Variant value;
    TVarType type;
    Variant expected;
  } cases[] = {
      {"123", varInteger, 123},
      {" -12 ", varInteger, -12},
      {"$FF", varInteger, 255},
      {"2.5", varInteger, 2},  // halves to even
      {"3.5", varInteger, 4},
      {"True", varInteger, -1},
      {true, varInteger, -1},
      {3.7, varInteger, 4},
      {Currency::FromRaw(25000), varInteger, 2},
      {Currency::FromRaw(-35000), varInteger, -4},
      {Unassigned(), varInteger, 0},
      {Unassigned(), varString, ""},
      {"true", varBoolean, true},
      {"0", varBoolean, false},
      {0.5, varBoolean, true},
      {"1e3", varDouble, 1000.0},
      {"-1.25", varCurrency, Currency::FromRaw(-12500)},
      {7, varCurrency, Currency::FromRaw(70000)},
      {5, varOleStr, u"5"},
      {u"x", varString, "x"},
      {VarFromDateTime(2.5), varDouble, 2.5},
      {2.5, varDate, VarFromDateTime(2.5)},
      {200, varByte, uint8_t(200)},
      {-1, varSmallint, int16_t(-1)},
      {42, varNull, Null()},
      {42, varEmpty, Unassigned()},
      {Null(), varVariant, Null()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(VarToStr(c.value) + " as " + VarTypeAsText(c.type));
    EXPECT_TRUE(Same(VarAsType(c.value, c.type), c.expected));
  }
}

TEST(Variant, ImpossibleConversionsRaiseWithBothTypeNames) {
  struct Case {
    Variant value;
    TVarType type;
    bool overflow;
    const char* message;
  } cases[] = {
      {"abc", varInteger, false, "Could not convert variant of type (String) into type (Integer)"},
      {Null(), varString, false, "Could not convert variant of type (Null) into type (String)"},
      {"abc", varDate, false, "Could not convert variant of type (String) into type (Date)"},
      {VarArrayOf({1}), varInteger, false, "Could not convert variant of type (Array Variant) into type (Integer)"},
      {300, varByte, true, "Overflow while converting variant of type (Integer) into type (Byte)"},
      {-1, varWord, true, "Overflow while converting variant of type (Integer) into type (Word)"},
      {INT64_MAX, varInteger, true, "Overflow while converting variant of type (Int64) into type (Integer)"},
      {1e300, varSingle, true, "Overflow while converting variant of type (Double) into type (Single)"},
      {1e300, varCurrency, true, "Overflow while converting variant of type (Double) into type (Currency)"},
      {1e300, varInt64, true, "Overflow while converting variant of type (Double) into type (Int64)"},
  };
  for (const Case& c : cases) {
    try {
      VarAsType(c.value, c.type);
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const EVariantOverflowError& e) {
      EXPECT_TRUE(c.overflow);
      EXPECT_EQ(e.Message(), c.message);
    } catch (const EVariantTypeCastError& e) {
      EXPECT_FALSE(c.overflow);
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_THROW(Variant("x").ToDouble(), EVariantTypeCastError);
  EXPECT_THROW(Null().ToInteger(), EVariantTypeCastError);
  EXPECT_THROW(VarToDateTime(Null()), EVariantTypeCastError);
  EXPECT_EQ(VarToDateTime(Variant("2024-2-29 13:30:00")), VarToDateTime(Variant(45351.5625)));
}

TEST(Variant, AddressesTravelAsPointerSizedIntegers) {
  int target = 0;
  Variant v = VarFromPointer(&target);
  EXPECT_EQ(VarType(v), varInt64);
  EXPECT_EQ(VarToPointer(v), &target);
  EXPECT_EQ(VarToPointer(Null()), nullptr);
}

TEST(Variant, CopiesAreIndependentAndMovesLeaveEmpty) {
  Variant a = "original";
  Variant b = a;
  b = Variant("changed");
  EXPECT_EQ(VarToStr(a), "original");
  Variant c = std::move(a);
  EXPECT_TRUE(VarIsEmpty(a));
  EXPECT_EQ(VarToStr(c), "original");
  c = c;
  EXPECT_EQ(VarToStr(c), "original");
}

// ---- Comparison ---------------------------------------------------------------------------------------------
TEST(Variant, ComparisonFollowsTheMixedTypeRules) {
  struct Case {
    Variant a, b;
    int order;  // -1: a < b, 0: equal, 1: a > b
  } cases[] = {
      {1, 1.0, 0},
      {2, "10", -1},  // the text becomes a number
      {"2", "10", 1},  // two texts compare by code point
      {"a", "B", 1},
      {"a", u"a", 0},
      {"中", "z", 1},
      {Null(), Null(), 0},
      {Null(), 0, -1},
      {Null(), Unassigned(), -1},
      {Null(), "", -1},
      {Unassigned(), 0, 0},
      {Unassigned(), "", 0},
      {Unassigned(), "a", -1},
      {Unassigned(), -1, 1},
      {true, false, 1},
      {true, -1, 0},
      {true, "True", 0},
      {Currency::FromRaw(15000), 1.5, 0},
      {Currency::FromRaw(10000), 1, 0},
      {Currency::FromRaw(10001), 1, 1},
      {INT64_MAX, INT64_MAX - 1, 1},
      {VarFromDateTime(2), VarFromDateTime(1.5), 1},
      {VarFromDateTime(45351.5625), "2024-2-29 13:30:00", 0},
      {uint8_t(255), int8_t(-1), 1},
      {std::nan(""), 1e300, 1},
      {std::nan(""), std::nan(""), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(VarToStr(c.a) + " vs " + VarToStr(c.b));
    EXPECT_EQ(c.a == c.b, c.order == 0);
    EXPECT_EQ(c.a != c.b, c.order != 0);
    EXPECT_EQ(c.a < c.b, c.order < 0);
    EXPECT_EQ(c.a > c.b, c.order > 0);
    EXPECT_EQ(c.a <= c.b, c.order <= 0);
    EXPECT_EQ(c.b < c.a, c.order > 0);  // the same order read from the other side
  }
}

TEST(Variant, ComparisonRefusesWhatHasNoOrder) {
  EXPECT_THROW((void)(Variant("abc") < Variant(1)), EVariantTypeCastError);
  EXPECT_THROW((void)(Variant(1) == Variant("abc")), EVariantTypeCastError);
  EXPECT_THROW((void)(VarArrayOf({1}) == VarArrayOf({1})), EVariantInvalidOpError);
}

TEST(Variant, VarSameValueKeepsEmptyAndNullApart) {
  EXPECT_TRUE(VarSameValue(Unassigned(), Unassigned()));
  EXPECT_TRUE(VarSameValue(Null(), Null()));
  EXPECT_FALSE(VarSameValue(Unassigned(), Null()));
  EXPECT_FALSE(VarSameValue(Unassigned(), 0));
  EXPECT_FALSE(VarSameValue("", Null()));
  EXPECT_TRUE(VarSameValue(1, 1.0));
  EXPECT_FALSE(VarSameValue(1, 2));
  EXPECT_FALSE(VarSameValue("abc", 1));
  EXPECT_TRUE(VarSameValue(VarArrayOf({1, "a"}), VarArrayOf({1.0, "a"})));
  EXPECT_FALSE(VarSameValue(VarArrayOf({1, "a"}), VarArrayOf({1, "b"})));
  EXPECT_FALSE(VarSameValue(VarArrayOf({1}), VarArrayOf({1, 1})));
  EXPECT_FALSE(VarSameValue(VarArrayOf({1}), 1));
}

// ---- Arithmetic ----------------------------------------------------------------------------------------------
TEST(Variant, ArithmeticChoosesTheResultType) {
  using Op = std::function<Variant(const Variant&, const Variant&)>;
  Op add = [](const Variant& a, const Variant& b) { return a + b; };
  Op sub = [](const Variant& a, const Variant& b) { return a - b; };
  Op mul = [](const Variant& a, const Variant& b) { return a * b; };
  Op div = [](const Variant& a, const Variant& b) { return a / b; };
  Op idiv = [](const Variant& a, const Variant& b) { return VarDiv(a, b); };
  Op mod = [](const Variant& a, const Variant& b) { return a % b; };
  struct Case {
    Variant a;
    const Op& op;
    Variant b, expected;
  } cases[] = {
      {1, add, 2, 3},
      {uint8_t(200), add, uint8_t(100), 300},
      {INT32_MAX, add, 1, Int64(INT32_MAX) + 1},
      {Int64(2), mul, 3, Int64(6)},
      {"1", add, 2, 3.0},
      {"a", add, "b", "ab"},
      {"a", add, u"b", "ab"},
      {u"a", add, u"b", u"ab"},
      {"6", mul, "7", 42.0},
      {Null(), add, 1, Null()},
      {1, mul, Null(), Null()},
      {Unassigned(), add, 1, 1},
      {Unassigned(), add, "x", "x"},
      {true, add, 1, 0},
      {7, div, 2, 3.5},
      {7, idiv, 2, 3},
      {-7, mod, 2, -1},
      {"9", idiv, 2.0, 4},
      {1.5f, add, 1.5f, 3.0f},
      {1.5f, add, 1.5, 3.0},
      {Currency::FromRaw(15000), mul, Currency::FromRaw(20000), Currency::FromRaw(30000)},
      {Currency::FromRaw(1), mul, Currency::FromRaw(5000), Currency::FromRaw(0)},  // 0.00005 to even
      {Currency::FromRaw(15000), add, 1, Currency::FromRaw(25000)},
      {Currency::FromRaw(15000), add, 0.5, 2.0},
      {VarFromDateTime(10.25), add, 1, VarFromDateTime(11.25)},
      {VarFromDateTime(10.25), sub, 0.25, VarFromDateTime(10)},
      {VarFromDateTime(10.5), sub, VarFromDateTime(8), 2.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(VarToStr(c.a) + " and " + VarToStr(c.b));
    EXPECT_TRUE(Same(c.op(c.a, c.b), c.expected));
  }
}

TEST(Variant, ArithmeticErrors) {
  EXPECT_THROW(Variant(INT64_MAX) + Variant(1), EIntOverflow);
  EXPECT_THROW(Variant(INT64_MIN) * Variant(-1), EIntOverflow);
  EXPECT_THROW(VarDiv(Variant(INT64_MIN), Variant(-1)), EIntOverflow);
  EXPECT_THROW(Variant(1) / Variant(0), EZeroDivide);
  EXPECT_THROW(Variant(0.0) / Variant(Unassigned()), EZeroDivide);
  EXPECT_THROW(VarDiv(Variant(1), Variant(0)), EDivByZero);
  EXPECT_THROW(Variant(1) % Variant(0.2), EDivByZero);  // 0.2 taken as an integer is 0
  EXPECT_THROW(Variant("x") - Variant(1), EVariantTypeCastError);
  EXPECT_THROW(VarArrayOf({1}) + Variant(1), EVariantInvalidOpError);
  EXPECT_THROW(Variant(Currency::FromRaw(INT64_MAX)) + Variant(1), EOverflow);
  EXPECT_TRUE(Same(VarDiv(Variant(INT64_MIN), Variant(1)), Variant(INT64_MIN)));
}

TEST(Variant, NegationKeepsTheKindOfValue) {
  struct Case {
    Variant value, expected;
  } cases[] = {
      {5, -5},
      {uint8_t(5), -5},
      {INT32_MIN, -Int64(INT32_MIN)},
      {Int64(5), Int64(-5)},
      {true, 1},
      {2.5, -2.5},
      {2.5f, -2.5f},
      {Currency::FromRaw(7), Currency::FromRaw(-7)},
      {VarFromDateTime(3), VarFromDateTime(-3)},
      {"4", -4.0},
      {Null(), Null()},
      {Unassigned(), 0},
  };
  for (const Case& c : cases) EXPECT_TRUE(Same(-c.value, c.expected)) << VarToStr(c.value);
  EXPECT_THROW(-Variant(INT64_MIN), EIntOverflow);
}

}  // namespace
