#include <gtest/gtest.h>

#include <cmath>

#include "FmtBcd.h"
#include "FormatSettings.h"
#include "Variants.h"

namespace {

// Puts the global separators to known values for one test and back after it.
class FmtBcdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings;
    FormatSettings.DecimalSeparator = '.';
    FormatSettings.ThousandSeparator = ',';
  }
  void TearDown() override { FormatSettings = FSaved; }

 private:
  TFormatSettings FSaved;
};

TEST_F(FmtBcdTest, TheRecordLayoutIsNibblesWithSignAndPlaces) {
  TBcd bcd = StrToBcd("-12.5");
  EXPECT_EQ(bcd.Precision, 3);
  EXPECT_EQ(bcd.SignSpecialPlaces, 0x80 | 1);
  EXPECT_EQ(bcd.Fraction[0], 0x12);
  EXPECT_EQ(bcd.Fraction[1], 0x50);
  EXPECT_EQ(bcd.Fraction[2], 0x00);
  EXPECT_TRUE(IsBcdNegative(bcd));
  EXPECT_EQ(BcdScale(bcd), 1);

  TBcd small = StrToBcd("0.05");
  EXPECT_EQ(small.Precision, 2);
  EXPECT_EQ(small.SignSpecialPlaces, 2);
  EXPECT_EQ(small.Fraction[0], 0x05);
}

TEST_F(FmtBcdTest, TextRoundTripsToItsShortestForm) {
  struct Case {
    const char* text;
    const char* shortest;
  } cases[] = {
      {"0", "0"},
      {"-0", "0"},
      {"007", "7"},
      {"12.50", "12.5"},
      {"-0.050", "-0.05"},
      {" +3.25 ", "3.25"},
      {"1.5E3", "1500"},
      {"25e-3", "0.025"},
      {"123456789012345678901234567890.123456789", "123456789012345678901234567890.123456789"},
      {"9999999999999999999999999999999999999999999999999999999999999999",
       "9999999999999999999999999999999999999999999999999999999999999999"},  // 64 digits
      {"1.000000000000000000000000000000000000000000000000000000000000000000000", "1"},  // zeros dropped to fit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TBcd bcd;
    ASSERT_TRUE(TryStrToBcd(c.text, bcd));
    EXPECT_EQ(BcdToStr(bcd), c.shortest);
    EXPECT_EQ(BcdToStr(StrToBcd(BcdToStr(bcd))), c.shortest);
  }
}

TEST_F(FmtBcdTest, BadOrOversizedTextIsRefused) {
  for (const char* text : {"", "abc", "1.2.3", "1e", "--1", "1,5", "12a"}) {
    TBcd bcd;
    EXPECT_FALSE(TryStrToBcd(text, bcd)) << text;
    EXPECT_THROW(StrToBcd(text), EBcdException) << text;
  }
  const char* tooLong = "12345678901234567890123456789012345678901234567890123456789012345";  // 65 digits
  TBcd bcd;
  EXPECT_FALSE(TryStrToBcd(tooLong, bcd));
  try {
    StrToBcd(tooLong);
    ADD_FAILURE() << "no overflow";
  } catch (const EBcdOverflowException& e) {
    EXPECT_EQ(e.Message(), "BCD overflow");
  }
  EXPECT_THROW(StrToBcd("1e100"), EBcdOverflowException);
  EXPECT_THROW(StrToBcd("1e-64"), EBcdOverflowException);

  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(BcdToStr(StrToBcd("1,5")), "1,5");
  EXPECT_FALSE(TryStrToBcd("1.5", bcd));
}

TEST_F(FmtBcdTest, ComparisonIsByValueWhateverTheLayout) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"1.50", "1.5", 0},   {"0", "-0.000", 0}, {"2", "10", -1},     {"-2", "-10", 1},
      {"-1", "0.001", -1},  {"0.1", "0.09", 1}, {"123.4", "123.40001", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BcdCompare(StrToBcd(c.a), StrToBcd(c.b)), c.order) << c.a << " vs " << c.b;
    EXPECT_EQ(BcdCompare(StrToBcd(c.b), StrToBcd(c.a)), -c.order) << c.b << " vs " << c.a;
  }
  TBcd padded;
  ASSERT_TRUE(CurrToBCD(Currency::FromRaw(15000), padded, 32, 2));
  EXPECT_EQ(BcdCompare(padded, StrToBcd("1.5")), 0);
}

TEST_F(FmtBcdTest, CurrencyConversionsPadRoundAndDetectOverflow) {
  TBcd bcd;
  ASSERT_TRUE(CurrToBCD(Currency::FromRaw(-123456), bcd, 32, 2));  // -12.3456 to two places
  EXPECT_EQ(bcd.Precision, 32);
  EXPECT_EQ(BcdScale(bcd), 2);
  EXPECT_EQ(BcdToStr(bcd), "-12.35");
  ASSERT_TRUE(CurrToBCD(Currency::FromRaw(10000), bcd, 10, 6));
  EXPECT_EQ(BcdToStrF(bcd, ffFixed, 0, 6), "1.000000");
  EXPECT_FALSE(CurrToBCD(Currency::FromRaw(1000000), bcd, 4, 2));  // 100.00 needs five digits
  EXPECT_FALSE(CurrToBCD(Currency::FromRaw(1), bcd, 65, 2));

  struct Case {
    const char* text;
    Int64 raw;
  } cases[] = {
      {"12.34", 123400},
      {"-0.00005", 0},          // halves to even
      {"0.00015", 2},
      {"0.000151", 2},
      {"0.000149", 1},
      {"922337203685477.5807", INT64_MAX},
      {"-922337203685477.5808", INT64_MIN},
  };
  for (const Case& c : cases) {
    Currency value;
    ASSERT_TRUE(BCDToCurr(StrToBcd(c.text), value)) << c.text;
    EXPECT_EQ(value.Raw, c.raw) << c.text;
  }
  Currency value;
  EXPECT_FALSE(BCDToCurr(StrToBcd("922337203685477.5808"), value));
  EXPECT_FALSE(BCDToCurr(StrToBcd("1e30"), value));
}

TEST_F(FmtBcdTest, DoublesConvertThroughTheirShortestDecimal) {
  EXPECT_EQ(BcdToStr(DoubleToBcd(0.1)), "0.1");
  EXPECT_EQ(BcdToStr(DoubleToBcd(-1234.5)), "-1234.5");
  EXPECT_EQ(BcdToStr(DoubleToBcd(1e20)), "100000000000000000000");
  EXPECT_EQ(BcdToStr(DoubleToBcd(1e-70)), "0");  // below the last place a TBcd keeps
  EXPECT_EQ(BcdToDouble(StrToBcd("0.1")), 0.1);
  EXPECT_EQ(BcdToDouble(StrToBcd("-2.5e10")), -2.5e10);
  EXPECT_THROW(DoubleToBcd(1e80), EBcdOverflowException);
  EXPECT_THROW(DoubleToBcd(std::nan("")), EBcdException);
  EXPECT_EQ(BcdToStr(IntegerToBcd(INT64_MIN)), "-9223372036854775808");
}

TEST_F(FmtBcdTest, FormattedTextFollowsTheFloatFormats) {
  struct Case {
    const char* value;
    TFloatFormat format;
    Integer precision, digits;
    const char* text;
  } cases[] = {
      {"1234.5678", ffGeneral, 0, 0, "1234.5678"},
      {"1234.5678", ffGeneral, 6, 0, "1234.57"},
      {"1234.5678", ffGeneral, 3, 0, "1.23E3"},
      {"0.00001", ffGeneral, 0, 0, "1E-5"},
      {"0.0001", ffGeneral, 0, 0, "0.0001"},
      {"-0", ffGeneral, 0, 0, "0"},
      {"1234.5678", ffFixed, 18, 2, "1234.57"},
      {"-1234.5", ffFixed, 18, 0, "-1235"},
      {"-0.004", ffFixed, 18, 2, "0.00"},
      {"0.005", ffFixed, 18, 2, "0.01"},
      {"999.995", ffFixed, 18, 2, "1000.00"},
      {"1234567.891", ffNumber, 18, 2, "1,234,567.89"},
      {"12345", ffFixed, 3, 2, "1.23E4"},
      {"1234.5678", ffExponent, 4, 2, "1.235E+03"},
      {"-0.0012", ffExponent, 3, 0, "-1.20E-3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BcdToStrF(StrToBcd(c.value), c.format, c.precision, c.digits), c.text) << c.value;

  FormatSettings.CurrencyString = "$";
  FormatSettings.CurrencyFormat = 0;
  EXPECT_EQ(BcdToStrF(StrToBcd("1234.5"), ffCurrency, 0, 2), "$1,234.50");
}

TEST_F(FmtBcdTest, NormalizeRoundsAndPads) {
  TBcd out;
  ASSERT_TRUE(NormalizeBcd(StrToBcd("12.345"), out, 10, 2));
  EXPECT_EQ(out.Precision, 10);
  EXPECT_EQ(BcdScale(out), 2);
  EXPECT_EQ(BcdToStr(out), "12.35");
  EXPECT_EQ(BcdPrecision(out), 4);
  EXPECT_FALSE(NormalizeBcd(StrToBcd("123.4"), out, 4, 2));
  EXPECT_TRUE(NormalizeBcd(StrToBcd("99.996"), out, 5, 2));
  EXPECT_EQ(BcdToStr(out), "100");
}

TEST_F(FmtBcdTest, MalformedRecordsAreRejected) {
  TBcd bad;
  bad.Precision = 2;
  bad.Fraction[0] = 0x1A;  // a nibble above 9
  EXPECT_THROW(BcdToStr(bad), EBcdException);
  TBcd tooPrecise;
  tooPrecise.Precision = 65;
  EXPECT_THROW(BcdToDouble(tooPrecise), EBcdException);
  TBcd placesBeyond;
  placesBeyond.Precision = 1;
  placesBeyond.SignSpecialPlaces = 2;
  EXPECT_THROW(BcdCompare(placesBeyond, placesBeyond), EBcdException);
  EXPECT_THROW(VarFMTBcdCreate(bad), EBcdException);
  EXPECT_EQ(BcdToStr(TBcd{}), "0");  // an all-zero record reads as zero
}

// ---- The Variant type -------------------------------------------------------------------------------------
TEST_F(FmtBcdTest, VariantTypeConvertsToEveryStandardType) {
  Variant v = VarFMTBcdCreate("1234.5");
  EXPECT_EQ(VarType(v), VarFMTBcd());
  EXPECT_GE(VarFMTBcd(), CFirstUserType);
  EXPECT_TRUE(VarIsFMTBcd(v));
  EXPECT_EQ(VarTypeAsText(VarFMTBcd()), "FMTBcd");
  EXPECT_EQ(VarToStr(v), "1234.5");
  EXPECT_EQ(v.ToDouble(), 1234.5);
  EXPECT_EQ(v.ToCurrency().Raw, 12345000);
  EXPECT_EQ(v.ToInteger(), 1234);  // halves to even, as for every Variant
  EXPECT_EQ(VarFMTBcdCreate("3.5").ToInt64(), 4);
  EXPECT_EQ(VarFMTBcdCreate("-2.51").ToInt64(), -3);
  EXPECT_TRUE(v.ToBoolean());
  EXPECT_EQ(v.ToWideString(), u"1234.5");
  EXPECT_EQ(VarType(VarAsType(v, varSmallint)), varSmallint);
  EXPECT_THROW(VarAsType(v, varByte), EVariantOverflowError);
  EXPECT_THROW(VarFMTBcdCreate("1e40").ToCurrency(), EVariantOverflowError);

  Variant copy = v;
  EXPECT_EQ(BcdCompare(VarToBcd(copy), StrToBcd("1234.5")), 0);
}

TEST_F(FmtBcdTest, VariantTypeIsMadeFromStandardValues) {
  struct Case {
    Variant source;
    const char* text;
  } cases[] = {
      {Variant(42), "42"},
      {Variant(INT64_MIN), "-9223372036854775808"},
      {Variant(Currency::FromRaw(-15)), "-0.0015"},
      {Variant(0.25), "0.25"},
      {Variant("-7.125"), "-7.125"},
      {Variant(true), "-1"},
      {Unassigned(), "0"},
  };
  for (const Case& c : cases) {
    Variant bcd = VarAsType(c.source, VarFMTBcd());
    EXPECT_EQ(VarType(bcd), VarFMTBcd());
    EXPECT_EQ(BcdToStr(VarToBcd(bcd)), c.text);
  }
  EXPECT_THROW(VarAsType(Variant("abc"), VarFMTBcd()), EVariantTypeCastError);
  EXPECT_THROW(VarAsType(Null(), VarFMTBcd()), EVariantTypeCastError);
  EXPECT_THROW(VarToBcd(VarArrayOf({1})), EVariantTypeCastError);
  EXPECT_THROW(VarToBcd(Variant(std::nan(""))), EVariantTypeCastError);
  EXPECT_THROW(VarToBcd(Variant(1e80)), EVariantOverflowError);
  EXPECT_THROW((void)(VarFMTBcdCreate("1") == Variant(1e80)), EVariantOverflowError);
}

TEST_F(FmtBcdTest, VariantTypeComparesAndComputesWithNumbers) {
  Variant a = VarFMTBcdCreate("0.1"), b = VarFMTBcdCreate("0.10");
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(a == Variant(0.1));
  EXPECT_TRUE(a == Variant("0.1"));
  EXPECT_TRUE(a < Variant(1));
  EXPECT_TRUE(Variant(Currency::FromRaw(1000)) == a);
  EXPECT_TRUE(VarFMTBcdCreate("123456789012345678901234567890.5") >
              VarFMTBcdCreate("123456789012345678901234567890.4"));  // beyond what a double tells apart
  EXPECT_FALSE(a == Null());
  EXPECT_TRUE(Null() < a);

  Variant sum = a + Variant(2);
  EXPECT_EQ(VarType(sum), varDouble);
  EXPECT_DOUBLE_EQ(sum.ToDouble(), 2.1);
  EXPECT_EQ(VarType(-a), varDouble);
}

}  // namespace
