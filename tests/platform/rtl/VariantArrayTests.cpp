#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Variants.h"

namespace {

TEST(VariantArray, BoundsAndElementsOfTwoDimensions) {
  Variant grid = VarArrayCreate({1, 3, -2, 2}, varInteger);
  EXPECT_EQ(VarType(grid), varArray | varInteger);
  EXPECT_EQ(VarTypeAsText(VarType(grid)), "Array Integer");
  EXPECT_EQ(VarArrayDimCount(grid), 2);
  EXPECT_EQ(VarArrayLowBound(grid, 1), 1);
  EXPECT_EQ(VarArrayHighBound(grid, 1), 3);
  EXPECT_EQ(VarArrayLowBound(grid, 2), -2);
  EXPECT_EQ(VarArrayHighBound(grid, 2), 2);

  // Every cell is its own: write a distinct value to each, then read them all back.
  for (Integer i = 1; i <= 3; ++i)
    for (Integer j = -2; j <= 2; ++j) VarArrayPut(grid, i * 10 + j, {i, j});
  for (Integer i = 1; i <= 3; ++i)
    for (Integer j = -2; j <= 2; ++j) {
      Variant cell = VarArrayGet(grid, {i, j});
      EXPECT_EQ(VarType(cell), varInteger);
      EXPECT_EQ(cell.ToInteger(), i * 10 + j);
      // Indices counted at run time reach the same element.
      EXPECT_EQ(VarArrayGet(grid, std::vector<Integer>{i, j}).ToInteger(), i * 10 + j);
    }
  EXPECT_THROW(VarArrayGet(grid, std::vector<Integer>{1}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(grid, std::vector<Integer>{4, 0}), EVariantArrayBoundsError);
}

TEST(VariantArray, ElementsStartAtTheZeroOfTheirTypeAndStoreConverted) {
  struct Case {
    TVarType type;
    Variant zero;
  } cases[] = {{varInteger, 0}, {varDouble, 0.0}, {varBoolean, false}, {varString, ""},
               {varOleStr, u""}, {varVariant, Unassigned()}, {varByte, uint8_t(0)}};
  for (const Case& c : cases) {
    Variant a = VarArrayCreate({0, 1}, c.type);
    Variant first = VarArrayGet(a, {0});
    EXPECT_EQ(VarType(first), VarType(c.zero)) << VarTypeAsText(c.type);
    EXPECT_TRUE(VarSameValue(first, c.zero)) << VarTypeAsText(c.type);
  }

  Variant numbers = VarArrayCreate({0, 1}, varInteger);
  VarArrayPut(numbers, "7", {0});
  EXPECT_EQ(VarType(VarArrayGet(numbers, {0})), varInteger);
  EXPECT_EQ(VarArrayGet(numbers, {0}).ToInteger(), 7);
  // A value that does not convert leaves the element as it was.
  EXPECT_THROW(VarArrayPut(numbers, "seven", {0}), EVariantTypeCastError);
  EXPECT_THROW(VarArrayPut(numbers, Null(), {0}), EVariantTypeCastError);
  EXPECT_EQ(VarArrayGet(numbers, {0}).ToInteger(), 7);
}

TEST(VariantArray, VarArrayOfHoldsVariantsFromZero) {
  Variant list = VarArrayOf({"A", 2, Null(), VarArrayOf({1})});
  EXPECT_EQ(VarType(list), varArray | varVariant);
  EXPECT_EQ(VarArrayLowBound(list, 1), 0);
  EXPECT_EQ(VarArrayHighBound(list, 1), 3);
  EXPECT_EQ(VarType(VarArrayGet(list, {0})), varString);
  EXPECT_EQ(VarType(VarArrayGet(list, {1})), varInteger);
  EXPECT_TRUE(VarIsNull(VarArrayGet(list, {2})));
  EXPECT_TRUE(VarIsArray(VarArrayGet(list, {3})));

  Variant none = VarArrayOf(std::vector<Variant>());
  EXPECT_EQ(VarArrayHighBound(none, 1), -1);
  EXPECT_THROW(VarArrayGet(none, {0}), EVariantArrayBoundsError);
}

TEST(VariantArray, CopiesDoNotShareElements) {
  Variant original = VarArrayOf({1, 2});
  Variant copy = original;
  VarArrayPut(copy, 99, {0});
  EXPECT_EQ(VarArrayGet(original, {0}).ToInteger(), 1);
  EXPECT_EQ(VarArrayGet(copy, {0}).ToInteger(), 99);
}

TEST(VariantArray, MisuseRaisesTheMatchingError) {
  Variant a = VarArrayCreate({0, 2, 0, 2}, varVariant);
  EXPECT_THROW(VarArrayGet(a, {0}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(a, {0, 0, 0}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(a, {3, 0}), EVariantArrayBoundsError);
  EXPECT_THROW(VarArrayPut(a, 1, {0, -1}), EVariantArrayBoundsError);
  EXPECT_THROW(VarArrayLowBound(a, 0), EVariantInvalidArgError);
  EXPECT_THROW(VarArrayHighBound(a, 3), EVariantInvalidArgError);

  Variant scalar = 5;
  EXPECT_EQ(VarArrayDimCount(scalar), 0);
  EXPECT_THROW(VarArrayGet(scalar, {0}), EVariantNotAnArrayError);
  EXPECT_THROW(VarArrayPut(scalar, 1, {0}), EVariantNotAnArrayError);
  EXPECT_THROW(VarArrayLowBound(scalar, 1), EVariantNotAnArrayError);

  EXPECT_THROW(VarArrayCreate({0}, varInteger), EVariantArrayCreateError);        // odd bounds
  EXPECT_THROW(VarArrayCreate({}, varInteger), EVariantArrayCreateError);
  EXPECT_THROW(VarArrayCreate({5, 3}, varInteger), EVariantArrayCreateError);     // high below low - 1
  EXPECT_THROW(VarArrayCreate({0, 1}, varNull), EVariantArrayCreateError);        // no values of that type
  EXPECT_THROW(VarArrayCreate({0, 1}, varArray | varInteger), EVariantArrayCreateError);
  EXPECT_THROW(VarArrayCreate({INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}, varByte), EVariantArrayCreateError);
  EXPECT_EQ(VarArrayHighBound(VarArrayCreate({5, 4}, varInteger), 1), 4);        // empty is allowed
}

}  // namespace
