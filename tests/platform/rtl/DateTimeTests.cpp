#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DateTime.h"
#include "Exceptions.h"

namespace {

struct DateCase {
  Word year, month, day;
  double serial;
  Word dow;  // 1 = Sunday
};

const DateCase kDates[] = {
    {1899, 12, 30, 0, 7},       {1900, 1, 1, 2, 2},     {2000, 2, 29, 36585, 3},  {2024, 3, 5, 45356, 3},
    {1, 1, 1, -693593, 2},      {100, 1, 1, -657434, 6}, {1600, 2, 29, -109512, 3}, {9999, 12, 31, 2958465, 6},
};

TEST(DateTime, EncodesAndDecodesDatesAcrossTheCalendar) {
  for (const auto& c : kDates) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
    Word y, m, d, dow;
    bool leap = DecodeDateFully(ComposeDateTime(c.serial, 0.75), y, m, d, dow);
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(m, c.month);
    EXPECT_EQ(d, c.day);
    EXPECT_EQ(dow, c.dow);
    EXPECT_EQ(leap, IsLeapYear(c.year));
    EXPECT_EQ(DayOfWeek(c.serial), c.dow);
  }
}

TEST(DateTime, EveryDayOfFourHundredYearsRoundTrips) {
  // One full Gregorian cycle covers every leap rule and every cycle boundary of the decoder.
  double serial = EncodeDate(1600, 1, 1);
  for (int i = 0; i < 146097; ++i, serial += 1) {
    Word y, m, d;
    DecodeDate(serial, y, m, d);
    TDateTime back;
    ASSERT_TRUE(TryEncodeDate(y, m, d, back)) << serial;
    ASSERT_EQ(back, serial);
  }
}

TEST(DateTime, RejectsInvalidPartsWithTheStandardTexts) {
  struct Bad {
    Word y, m, d;
  };
  for (auto b : {Bad{0, 1, 1}, Bad{10000, 1, 1}, Bad{2023, 2, 29}, Bad{2024, 13, 1}, Bad{2024, 0, 1},
                 Bad{2024, 4, 31}, Bad{2024, 1, 0}, Bad{1900, 2, 29}}) {
    TDateTime out = 123;
    EXPECT_FALSE(TryEncodeDate(b.y, b.m, b.d, out)) << b.y << "-" << b.m << "-" << b.d;
    EXPECT_EQ(out, 123);
  }
  try {
    EncodeDate(2023, 2, 29);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to date encode");
  }
  try {
    EncodeTime(24, 0, 0, 0);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to time encode");
  }
  TDateTime t;
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, t));
}

TEST(DateTime, TimesDecodeToTheMillisecond) {
  struct TimeCase {
    Word h, n, s, ms;
  };
  for (auto c : {TimeCase{0, 0, 0, 0}, TimeCase{12, 0, 0, 0}, TimeCase{23, 59, 59, 999}, TimeCase{6, 7, 8, 9}}) {
    TDateTime t = EncodeTime(c.h, c.n, c.s, c.ms);
    Word h, n, s, ms;
    DecodeTime(45356 + t, h, n, s, ms);
    EXPECT_EQ(h, c.h);
    EXPECT_EQ(n, c.n);
    EXPECT_EQ(s, c.s);
    EXPECT_EQ(ms, c.ms);
  }
}

TEST(DateTime, ValuesBefore1899CountTheTimeForwardFromMidnight) {
  Word y, m, d, h, n, s, ms;
  DecodeDate(-1.25, y, m, d);
  DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ((std::array<Word, 5>{y, m, d, h, n}), (std::array<Word, 5>{1899, 12, 29, 6, 0}));
  EXPECT_EQ(ComposeDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0, 0)), -1.25);
  EXPECT_EQ(ComposeDateTime(EncodeDate(1899, 12, 31), EncodeTime(6, 0, 0, 0)), 1.25);

  // Rounding up to midnight moves to the next day on both sides of 1899-12-30.
  DecodeDate(-1.9999999999, y, m, d);
  DecodeTime(-1.9999999999, h, n, s, ms);
  EXPECT_EQ((std::array<Word, 4>{m, d, h, n}), (std::array<Word, 4>{12, 30, 0, 0}));
  DecodeDate(0.9999999999, y, m, d);
  EXPECT_EQ(d, 31);
}

TEST(DateTime, NullDateAndOutOfRangeValues) {
  Word y, m, d, dow;
  EXPECT_FALSE(DecodeDateFully(NullDate, y, m, d, dow));
  EXPECT_EQ((std::array<Word, 4>{y, m, d, dow}), (std::array<Word, 4>{0, 0, 0, 0}));
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300})
    EXPECT_THROW(DecodeDate(bad, y, m, d), EInvalidOp);
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime) {
  struct Case {
    TDateTime from;
    Integer months;
    TDateTime expected;
  };
  const double noon = 0.5;
  const Case cases[] = {
      {EncodeDate(2024, 1, 31) + noon, 1, EncodeDate(2024, 2, 29) + noon},
      {EncodeDate(2023, 3, 31), -1, EncodeDate(2023, 2, 28)},
      {EncodeDate(2023, 12, 15), 1, EncodeDate(2024, 1, 15)},
      {EncodeDate(2023, 1, 15), -1, EncodeDate(2022, 12, 15)},
      {EncodeDate(2023, 1, 15), -13, EncodeDate(2021, 12, 15)},
      {EncodeDate(2023, 5, 31), 25, EncodeDate(2025, 6, 30)},
      {EncodeDate(2024, 2, 29), 0, EncodeDate(2024, 2, 29)},
      {-1.25, 1, EncodeDate(1900, 1, 29) + 0.25},
      {EncodeDate(1899, 12, 29) - 0.25, -1, EncodeDate(1899, 11, 29) - 0.25},
  };
  for (const auto& c : cases) EXPECT_EQ(IncMonth(c.from, c.months), c.expected) << c.from << " " << c.months;
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}

TEST(DateTime, TimeStampsAndSystemTimes) {
  EXPECT_EQ(DateTimeToTimeStamp(0), (TTimeStamp{0, DateDelta}));
  EXPECT_EQ(DateTimeToTimeStamp(EncodeDate(1, 1, 1)), (TTimeStamp{0, 1}));
  TDateTime t = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 250);
  EXPECT_EQ(DateTimeToTimeStamp(t), (TTimeStamp{(14 * 3600 + 7 * 60 + 9) * 1000 + 250, 45356 + DateDelta}));
  EXPECT_DOUBLE_EQ(TimeStampToDateTime(DateTimeToTimeStamp(t)), t);
  EXPECT_DOUBLE_EQ(TimeStampToDateTime(DateTimeToTimeStamp(-1.25)), -1.25);
  for (TTimeStamp bad : {TTimeStamp{-1, 1}, TTimeStamp{MSecsPerDay, 1}, TTimeStamp{0, 0}}) {
    try {
      TimeStampToDateTime(bad);
      FAIL();
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::to_string(bad.Date) + "." + std::to_string(bad.Time) +
                                 "' is not a valid timestamp");
    }
  }

  SYSTEMTIME st;
  DateTimeToSystemTime(t, st);
  EXPECT_EQ(st, (SYSTEMTIME{2024, 3, 2, 5, 14, 7, 9, 250}));  // a Tuesday
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(st), t);
  st.wMonth = 2;
  st.wDay = 30;
  EXPECT_THROW(SystemTimeToDateTime(st), EConvertError);
}

TEST(DateTime, ReplaceTimeAndDate) {
  TDateTime v = EncodeDate(2024, 3, 5) + 0.25;
  ReplaceTime(v, 17.75);
  EXPECT_EQ(v, EncodeDate(2024, 3, 5) + 0.75);
  ReplaceDate(v, EncodeDate(1899, 12, 29));
  EXPECT_EQ(v, -1.75);
}

TEST(Clock, ReplaceableClockDrivesNowDateTimeAndTicks) {
  TManualClock clock(EncodeDate(2024, 2, 28) + EncodeTime(23, 59, 59, 500), 1000);
  {
    TClockOverride use(clock);
    EXPECT_EQ(Now(), clock.Now());
    EXPECT_EQ(Date(), EncodeDate(2024, 2, 28));
    EXPECT_NEAR(Time(), EncodeTime(23, 59, 59, 500), 1e-9);
    EXPECT_EQ(GetTickCount(), 1000u);
    EXPECT_EQ(CurrentYear(), 2024);

    clock.Advance(600);  // over midnight into the leap day
    EXPECT_EQ(GetTickCount(), 1600u);
    SYSTEMTIME st;
    GetLocalTime(st);
    EXPECT_EQ(st, (SYSTEMTIME{2024, 2, 4, 29, 0, 0, 0, 100}));

    // The 32-bit tick count wraps as the system's does, so differences across the wrap stay right.
    clock.SetTickCount(0xFFFFFF00ull);
    Cardinal before = GetTickCount();
    clock.Advance(0x200);
    EXPECT_EQ(GetTickCount(), 0x100u);
    EXPECT_EQ(GetTickCount() - before, 0x200u);
    EXPECT_EQ(GetTickCount64(), 0x100000100ull);
  }
  // The system clock is back: its ticks move forward and its date is a real one.
  EXPECT_NE(&GetClock(), static_cast<TClock*>(&clock));
  UInt64 a = GetTickCount64(), b = GetTickCount64();
  EXPECT_LE(a, b);
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

}  // namespace
