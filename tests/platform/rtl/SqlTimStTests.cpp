#include <gtest/gtest.h>

#include <cstddef>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Variants.h"

namespace {

TSQLTimeStamp Stamp(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return TSQLTimeStamp{static_cast<SmallInt>(y), Word(mo), Word(d), Word(h), Word(mi), Word(s), LongWord(ms)};
}

TEST(SqlTimSt, TheRecordIsSixteenBytesInFieldOrder) {
  EXPECT_EQ(offsetof(TSQLTimeStamp, Year), 0u);
  EXPECT_EQ(offsetof(TSQLTimeStamp, Month), 2u);
  EXPECT_EQ(offsetof(TSQLTimeStamp, Second), 10u);
  EXPECT_EQ(offsetof(TSQLTimeStamp, Fractions), 12u);
  EXPECT_TRUE(IsSQLTimeStampBlank(NullSQLTimeStamp));
}

TEST(SqlTimSt, DateTimesAndStampsConvertBothWays) {
  struct Case {
    TDateTime value;
    TSQLTimeStamp stamp;
  } cases[] = {
      {45351.5625, Stamp(2024, 2, 29, 13, 30)},
      {0, Stamp(1899, 12, 30)},
      {-1.25, Stamp(1899, 12, 29, 6)},  // before the epoch the fraction still counts from midnight
      {EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999), Stamp(9999, 12, 31, 23, 59, 59, 999)},
      {ComposeDateTime(EncodeDate(1, 1, 1), EncodeTime(0, 0, 0, 1)), Stamp(1, 1, 1, 0, 0, 0, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(DateTimeToSQLTimeStamp(c.value), c.stamp);
    EXPECT_NEAR(SQLTimeStampToDateTime(c.stamp), c.value, 1e-9);
  }
  // A time that rounds to the next midnight moves the date on, not the hour to 24.
  EXPECT_EQ(DateTimeToSQLTimeStamp(1.9999999999), Stamp(1900, 1, 1));
  EXPECT_EQ(SQLTimeStampToDateTime(NullSQLTimeStamp), 0);
}

TEST(SqlTimSt, FieldsOutOfRangeRaiseTheEncodeErrors) {
  for (const TSQLTimeStamp& bad : {Stamp(2023, 13, 1), Stamp(2023, 2, 29), Stamp(0, 1, 1), Stamp(-5, 1, 1),
                                   Stamp(2023, 1, 0)}) {
    try {
      SQLTimeStampToDateTime(bad);
      ADD_FAILURE() << "no error for month " << bad.Month << " day " << bad.Day;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
  }
  for (const TSQLTimeStamp& bad : {Stamp(2023, 1, 1, 24), Stamp(2023, 1, 1, 0, 60), Stamp(2023, 1, 1, 0, 0, 0, 1000)}) {
    try {
      SQLTimeStampToDateTime(bad);
      ADD_FAILURE() << "no error for hour " << bad.Hour;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to time encode");
    }
  }
}

TEST(SqlTimSt, ComparisonGoesFieldByFieldFromTheYear) {
  struct Case {
    TSQLTimeStamp a, b;
    int order;
  } cases[] = {
      {Stamp(2024, 1, 1), Stamp(2024, 1, 1), 0},
      {Stamp(2023, 12, 31, 23), Stamp(2024, 1, 1), -1},
      {Stamp(2024, 1, 1, 0, 0, 0, 2), Stamp(2024, 1, 1, 0, 0, 0, 1), 1},
      {Stamp(2024, 1, 2), Stamp(2024, 1, 1, 23, 59, 59, 999), 1},
      {NullSQLTimeStamp, Stamp(1, 1, 1), -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SQLTimeStampCompare(c.a, c.b), c.order);
    EXPECT_EQ(SQLTimeStampCompare(c.b, c.a), -c.order);
  }
}

TEST(SqlTimSt, TextUsesTheDateFormats) {
  TSQLTimeStamp stamp = Stamp(2024, 2, 29, 13, 5, 7, 123);
  EXPECT_EQ(SQLTimeStampToStr("yyyy-mm-dd hh:nn:ss.zzz", stamp), "2024-02-29 13:05:07.123");
  EXPECT_EQ(SQLTimeStampToStr("", Stamp(2024, 2, 29)), DateTimeToStr(EncodeDate(2024, 2, 29)));

  TSQLTimeStamp parsed;
  ASSERT_TRUE(TryStrToSQLTimeStamp("2024-2-29 13:05:07", parsed));  // the default locale's order
  EXPECT_EQ(parsed, Stamp(2024, 2, 29, 13, 5, 7));
  EXPECT_EQ(StrToSQLTimeStamp(SQLTimeStampToStr("yyyy-m-d hh:nn:ss", parsed)), parsed);
  EXPECT_FALSE(TryStrToSQLTimeStamp("2024-2-30", parsed));
  try {
    StrToSQLTimeStamp("soon");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'soon' is not a valid date and time");
  }
}

// ---- The Variant type -------------------------------------------------------------------------------------
TEST(SqlTimSt, VariantTypeHasItsOwnCodeAndConvertsThroughTheDate) {
  Variant v = VarSQLTimeStampCreate(Stamp(2024, 2, 29, 13, 30));
  EXPECT_EQ(VarType(v), VarSQLTimeStamp());
  EXPECT_GE(VarSQLTimeStamp(), CFirstUserType);
  EXPECT_NE(VarSQLTimeStamp(), VarFMTBcd());
  EXPECT_TRUE(VarIsSQLTimeStamp(v));
  EXPECT_EQ(VarTypeAsText(VarSQLTimeStamp()), "SQLTimeStamp");
  EXPECT_EQ(VarToStr(v), "2024-2-29 13:30:00");
  EXPECT_EQ(v.ToDateTime(), 45351.5625);
  EXPECT_EQ(VarToDateTime(v), 45351.5625);
  EXPECT_EQ(v.ToDouble(), 45351.5625);
  EXPECT_EQ(v.ToInteger(), 45352);
  EXPECT_EQ(VarType(VarAsType(v, varDate)), varDate);
  EXPECT_THROW(VarAsType(v, varByte), EVariantOverflowError);

  EXPECT_EQ(VarToSQLTimeStamp(VarFromDateTime(45351.5625)), Stamp(2024, 2, 29, 13, 30));
  EXPECT_EQ(VarToSQLTimeStamp(Variant("2024-2-29 13:30:00")), Stamp(2024, 2, 29, 13, 30));
  EXPECT_EQ(VarToSQLTimeStamp(VarSQLTimeStampCreate(TDateTime(1.5))), Stamp(1899, 12, 31, 12));
  EXPECT_THROW(VarToSQLTimeStamp(Variant("never")), EVariantTypeCastError);
  EXPECT_THROW(VarToSQLTimeStamp(Null()), EVariantTypeCastError);
  EXPECT_THROW(VarToSQLTimeStamp(Variant(1e300)), EVariantTypeCastError);
  EXPECT_THROW(VarSQLTimeStampCreate(String("never")), EConvertError);
}

TEST(SqlTimSt, VariantTypeComparesWithDatesAndComputesAsADate) {
  Variant v = VarSQLTimeStampCreate(Stamp(2024, 2, 29, 13, 30));
  EXPECT_TRUE(v == VarFromDateTime(45351.5625));
  EXPECT_TRUE(v == Variant("2024-2-29 13:30:00"));
  EXPECT_TRUE(v < VarSQLTimeStampCreate(Stamp(2024, 2, 29, 13, 30, 0, 1)));
  EXPECT_TRUE(VarFromDateTime(45351) < v);
  EXPECT_TRUE(Null() < v);

  Variant tomorrow = v + Variant(1);
  EXPECT_EQ(VarType(tomorrow), varDate);
  EXPECT_EQ(tomorrow.ToDateTime(), 45352.5625);
  EXPECT_EQ(VarType(v - VarFromDateTime(45351)), varDouble);
  Variant copy = v;
  EXPECT_EQ(VarToSQLTimeStamp(copy), VarToSQLTimeStamp(v));
}

}  // namespace
