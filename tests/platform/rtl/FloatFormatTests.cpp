#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Exceptions.h"
#include "FloatFormat.h"
#include "FormatSettings.h"

namespace {

TFormatSettings Us() {
  TFormatSettings s;
  s.DecimalSeparator = '.';
  s.ThousandSeparator = ',';
  s.CurrencyString = "$";
  s.CurrencyFormat = 0;
  s.NegCurrFormat = 0;
  s.CurrencyDecimals = 2;
  return s;
}

TFormatSettings Continental() {
  TFormatSettings s = Us();
  s.DecimalSeparator = ',';
  s.ThousandSeparator = '.';
  s.CurrencyString = "€";
  s.CurrencyFormat = 3;
  s.NegCurrFormat = 8;
  return s;
}

TEST(FloatFormat, FloatToStrIsTheShortestGeneralForm) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { double v; const char* want; };
  const Case cases[] = {
      {0, "0"},          {-0.0, "0"},          {1.5, "1.5"},
      {-1.5, "-1.5"},    {100, "100"},         {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},          {2.0 / 3, "0.666666666666667"},
      {123456789012345.0, "123456789012345"},  {1e15, "1E15"},
      {0.0001, "0.0001"}, {1e-5, "1E-5"},      {-1.23e-10, "-1.23E-10"},
      {std::nan(""), "NAN"}, {inf, "INF"},     {-inf, "-INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.v, Us()), c.want) << c.v;
  EXPECT_EQ(FloatToStr(1234.5, Continental()), "1234,5");
}

TEST(FloatFormat, FloatToStrFStandardFormats) {
  const auto us = Us();
  struct Case { double v; TFloatFormat f; int precision, digits; const char* want; };
  const Case cases[] = {
      {1234.5678, ffGeneral, 4, 0, "1235"},
      {1234.5678, ffExponent, 4, 2, "1.235E+03"},
      {-0.012, ffExponent, 3, 0, "-1.20E-2"},
      {0, ffExponent, 3, 1, "0.00E+0"},
      {1234.5678, ffFixed, 15, 2, "1234.57"},
      {0.125, ffFixed, 15, 2, "0.13"},
      {-0.004, ffFixed, 15, 2, "0.00"},
      {1234.5, ffFixed, 3, 2, "1.23E3"},  // more integer digits than the precision
      {1234567.891, ffNumber, 15, 2, "1,234,567.89"},
      {-999.5, ffNumber, 15, 0, "-1,000"},
      {1234.5678, ffCurrency, 15, 2, "$1,234.57"},
      {-5, ffCurrency, 15, 2, "($5.00)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStrF(c.v, c.f, c.precision, c.digits, us), c.want) << c.v;

  // Every currency pattern, positive and negative.
  const char* pos[] = {"$1.00", "1.00$", "$ 1.00", "1.00 $"};
  const char* neg[] = {"($1.00)", "-$1.00", "$-1.00", "$1.00-", "(1.00$)", "-1.00$", "1.00-$", "1.00$-",
                       "-1.00 $", "-$ 1.00", "1.00 $-", "$ 1.00-", "$ -1.00", "1.00- $", "($ 1.00)", "(1.00 $)"};
  auto s = us;
  for (int i = 0; i < 4; ++i) {
    s.CurrencyFormat = static_cast<Byte>(i);
    EXPECT_EQ(FloatToStrF(1, ffCurrency, 15, 2, s), pos[i]) << i;
  }
  for (int i = 0; i < 16; ++i) {
    s.NegCurrFormat = static_cast<Byte>(i);
    EXPECT_EQ(FloatToStrF(-1, ffCurrency, 15, 2, s), neg[i]) << i;
  }
  EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, Continental()), "-1.234,50 €");
}

TEST(FloatFormat, CurrencyTextIsExact) {
  const auto us = Us();
  const Currency maxCurr = Currency::FromRaw(INT64_MAX), minCurr = Currency::FromRaw(INT64_MIN);
  EXPECT_EQ(CurrToStr(Currency::FromRaw(15000), us), "1.5");
  EXPECT_EQ(CurrToStr(maxCurr, us), "922337203685477.5807");
  EXPECT_EQ(CurrToStr(minCurr, us), "-922337203685477.5808");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(15000), ffCurrency, 2, us), "$1.50");
  EXPECT_EQ(CurrToStrF(Currency::FromRaw(12345), ffFixed, 3, us), "1.235");
  EXPECT_EQ(FormatCurr("#,##0.00", minCurr, us), "-922,337,203,685,477.58");
  EXPECT_EQ(FormatCurr("0.0000", Currency::FromRaw(12345), us), "1.2345");
}

TEST(FloatFormat, FormatFloatPictures) {
  const auto us = Us();
  struct Case { const char* fmt; double v; const char* want; };
  const Case cases[] = {
      {"0.00", 1234.567, "1234.57"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0.00", -1234.5, "-1,234.50"},
      {"#,##0", 0, "0"},
      {"#.##", 0.5, ".5"},
      {"0.##", 1, "1"},
      {"0.##", 1.5, "1.5"},
      {"#", 0, ""},
      {"00000", 42, "00042"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"00-00", 1234, "12-34"},
      {"00-00", 123456, "1234-56"},
      {".00", 12.5, "12.50"},
      {"0.00;(0.00);'zero'", -5, "(5.00)"},
      {"0.00;(0.00);'zero'", 0, "zero"},
      {"0.00;(0.00);'zero'", 5, "5.00"},
      {"0.0;;nil", 0, "nil"},
      {"0.0;;nil", -1, "-1.0"},
      {"0.0", -0.04, "0.0"},
      {"0.0;(0.0);z", -0.04, "z"},
      {"0.00E+00", 1234, "1.23E+03"},
      {"0.00E-00", 1234, "1.23E03"},
      {"0.00e-0", 0.00123, "1.23e-3"},
      {"0.00E+00", 0, "0.00E+00"},
      {"00.0E+0", -1234, "-12.3E+2"},
      {"\"$\"#,##0.00", 1234.5, "$1,234.50"},
      {"0.00 'kg'", 1.5, "1.50 kg"},
      {"'a;b' 0", 3, "a;b 3"},
      {"￥#,##0.00元", 1234.5, "￥1,234.50元"},
      {"0.00", 1e20, "1E20"},
      {"", 1.5, "1.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.fmt, c.v, us), c.want) << c.fmt << " " << c.v;
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, Continental()), "1.234,50");
}

TEST(FloatFormat, ReadingNumbers) {
  const auto us = Us();
  struct Case { const char* text; bool ok; double value; };
  const Case cases[] = {
      {"1.5", true, 1.5},   {" -2.5e3 ", true, -2500}, {".5", true, 0.5}, {"5.", true, 5},  {"+3", true, 3},
      {"1E-2", true, 0.01}, {"1e", false, 0},          {"", false, 0},    {"1,5", false, 0}, {"1e400", false, 0},
      {"abc", false, 0},    {"1.2.3", false, 0},       {"- 1", false, 0}, {"1 000", false, 0}, {"0x10", false, 0},
  };
  for (const auto& c : cases) {
    Extended v = -99;
    EXPECT_EQ(TryStrToFloat(c.text, v, us), c.ok) << c.text;
    if (c.ok) EXPECT_DOUBLE_EQ(v, c.value) << c.text;
  }
  Extended v = 0;
  EXPECT_TRUE(TryStrToFloat("1,5", v, Continental()));
  EXPECT_EQ(v, 1.5);
  try {
    StrToFloat("abc", us);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }

  struct CurrCase { const char* text; bool ok; Int64 raw; };
  const CurrCase curr[] = {
      {"1.23455", true, 12346},  // halves go to even
      {"1.23445", true, 12344},
      {"1.234451", true, 12345},
      {"-0.00005", true, 0},
      {"922337203685477.5807", true, INT64_MAX},
      {"-922337203685477.5808", true, INT64_MIN},
      {"922337203685477.5808", false, 0},
      {"1e3", true, 10000000},
      {"1e-5", true, 0},
      {"x", false, 0},
  };
  for (const auto& c : curr) {
    Currency cv;
    EXPECT_EQ(TextToFloat(c.text, cv, us), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(cv.Raw, c.raw) << c.text;
  }
  EXPECT_THROW(StrToCurr("12,5", us), EConvertError);
}

}  // namespace
