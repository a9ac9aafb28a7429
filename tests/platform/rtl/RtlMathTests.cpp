#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <set>

#include "Exceptions.h"
#include "RtlMath.h"

namespace {

TEST(RtlMath, MulDivRoundsHalfAwayFromZero) {
  struct Case { Integer a, b, c, want; };
  const Case cases[] = {
      {10, 3, 4, 8},     {-10, 3, 4, -8},  {10, 3, -4, -8}, {-10, -3, 4, 8}, {7, 1, 3, 2},
      {8, 1, 3, 3},      {96, 120, 96, 120}, {0, 5, 7, 0},  {1, 1, 0, -1},    {INT32_MAX, 2, 1, -1},
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},         {INT32_MIN, 1, 1, INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.want) << c.a << "*" << c.b << "/" << c.c;
}

TEST(RtlMath, RoundingAndTruncation) {
  struct Case { double x; Int64 round, trunc; };
  const Case cases[] = {
      {0.5, 0, 0},   {1.5, 2, 1},    {2.5, 2, 2},   {-0.5, 0, 0},  {-1.5, -2, -1},
      {-2.5, -2, -2}, {2.4999, 2, 2}, {2.6, 3, 2},  {-1.7, -2, -1}, {1e15 + 0.5, 1000000000000000, 1000000000000000},
      {-9223372036854775808.0, INT64_MIN, INT64_MIN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Round(c.x), c.round) << c.x;
    EXPECT_EQ(Trunc(c.x), c.trunc) << c.x;
  }
  // Halves to even across the whole range, halves and the values just beside them included.
  std::mt19937_64 random(5);
  for (int i = 0; i < 100000; ++i) {
    const double magnitude = std::ldexp(1.0, static_cast<int>(random() % 56)) * (i % 2 ? -1 : 1);
    double x = magnitude * (static_cast<double>(random() % 4096) / 4096);
    if (i % 3 == 0) x = std::floor(x) + 0.5;
    if (i % 7 == 0) x = std::nextafter(x, 0.0);
    ASSERT_EQ(Round(x), static_cast<Int64>(std::nearbyint(x))) << x;
  }
  for (double bad : {double(NAN), double(INFINITY), -double(INFINITY), 9223372036854775808.0, 1e19}) {
    EXPECT_THROW(Round(bad), EInvalidOp) << bad;
    EXPECT_THROW(Trunc(bad), EInvalidOp) << bad;
  }
  EXPECT_EQ(Int(-1.75), -1.0);
  EXPECT_EQ(Frac(-1.25), -0.25);
  EXPECT_EQ(Frac(3.0), 0.0);
  EXPECT_EQ(Ceil(-1.5), -1);
  EXPECT_EQ(Floor(-1.5), -2);
  EXPECT_EQ(Ceil(2.0), 2);
  EXPECT_THROW(Floor(1e10), EInvalidOp);
  EXPECT_EQ(Power(2, 10), 1024.0);
  EXPECT_EQ(Min(3, 5L), 3L);
  EXPECT_EQ(Max(-1, 2.5), 2.5);
}

TEST(RtlMath, RandomIsDeterministicForASeed) {
  RandSeed = 42;
  Integer first[5];
  for (auto& v : first) v = Random(1000);
  RandSeed = 42;
  for (Integer v : first) EXPECT_EQ(Random(1000), v);

  std::set<Integer> seen;
  for (int i = 0; i < 1000; ++i) {
    Integer v = Random(10);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 10);
    seen.insert(v);
    double d = Random();
    ASSERT_GE(d, 0.0);
    ASSERT_LT(d, 1.0);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(-5), 0);
}

TEST(RtlMath, ExtendedCodecEncodesTheTenByteFormat) {
  struct Case { double v; Byte bytes[10]; };
  const Case cases[] = {
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
      {INFINITY, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
  };
  for (const auto& c : cases) {
    Byte b[10];
    ExtendedToBytes(c.v, b);
    EXPECT_EQ(0, std::memcmp(b, c.bytes, 10)) << c.v;
    double back = BytesToExtended(c.bytes);
    EXPECT_EQ(back, c.v);
    EXPECT_EQ(std::signbit(back), std::signbit(c.v));
  }
  for (double v : {0.1, -1e308, DBL_MAX, DBL_MIN, 5e-324, -3.7e-320, 123456.789, -double(INFINITY)}) {
    Byte b[10];
    ExtendedToBytes(v, b);
    EXPECT_EQ(BytesToExtended(b), v) << v;
  }
  Byte nan[10];
  ExtendedToBytes(NAN, nan);
  EXPECT_TRUE(std::isnan(BytesToExtended(nan)));

  // Extended values beyond a double: too large, too small, too precise.
  const Byte huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
  const Byte tiny[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00};
  const Byte precise[10] = {0x08, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};  // 1 + 2^-60
  EXPECT_EQ(BytesToExtended(huge), INFINITY);
  EXPECT_EQ(BytesToExtended(tiny), 0.0);
  EXPECT_EQ(BytesToExtended(precise), 1.0);
}

}  // namespace
