#include <gtest/gtest.h>

#include <memory>

#include "DateTime.h"
#include "Exceptions.h"
#include "cxDateUtils.h"
#include "cxDateUtilsTestSupport.h"

namespace {

struct TCalendarDeleter {
  void operator()(TcxCustomCalendarTable* ACalendar) const { ACalendar->Free(); }
};
using TCalendarPtr = std::unique_ptr<TcxCustomCalendarTable, TCalendarDeleter>;

TCalendarPtr Calendar(CALID AId) { return TCalendarPtr(cxGetCalendar(AId)); }

TcxDateTime CxDate(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  TcxDateTime result;
  result.Era = AEra;
  result.Year = AYear;
  result.Month = AMonth;
  result.Day = ADay;
  return result;
}

void ExpectDate(const TcxDateTime& AActual, Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) {
  EXPECT_EQ(AActual.Era, AEra);
  EXPECT_EQ(AActual.Year, AYear);
  EXPECT_EQ(AActual.Month, AMonth);
  EXPECT_EQ(AActual.Day, ADay);
}

}  // namespace

TEST(cxCalendars, GetCalendarHandsOutTheTableOfEachIdentifier) {
  struct {
    CALID Id;
    TClass Class;
    CALID ReportedId;
    TcxCalendarAlgorithmType Type;
    TDay FirstWeekDay;
  } cases[] = {
      {1, TcxGregorianCalendarTable::StaticClass(), 1, catSolarCalendar, dSunday},
      {2, TcxGregorianCalendarTable::StaticClass(), 2, catSolarCalendar, dSunday},
      {9, TcxGregorianCalendarTable::StaticClass(), 9, catSolarCalendar, dMonday},
      {10, TcxGregorianCalendarTable::StaticClass(), 10, catSolarCalendar, dSaturday},
      {12, TcxGregorianCalendarTable::StaticClass(), 12, catSolarCalendar, dMonday},
      {3, TcxJapaneseCalendarTable::StaticClass(), 3, catSolarCalendar, dSunday},
      {4, TcxTaiwanCalendarTable::StaticClass(), 4, catSolarCalendar, dSunday},
      {5, TcxKoreanCalendarTable::StaticClass(), 5, catSolarCalendar, dSunday},
      {6, TcxHijriCalendarTable::StaticClass(), 6, catLunarCalendar, dSaturday},
      {7, TcxThaiCalendarTable::StaticClass(), 7, catSolarCalendar, dSunday},
      {8, TcxHebrewCalendarTable::StaticClass(), 8, catLunarSolarCalendar, dSunday},
      {99, TcxGregorianCalendarTable::StaticClass(), 1, catSolarCalendar, dSunday},
      {0, TcxGregorianCalendarTable::StaticClass(), 1, catSolarCalendar, dSunday},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Id);
    TCalendarPtr calendar = Calendar(c.Id);
    EXPECT_EQ(calendar->ClassType(), c.Class);
    EXPECT_EQ(calendar->GetCalendarID(), c.ReportedId);
    EXPECT_EQ(calendar->GetCalendarAlgorithmType(), c.Type);
    EXPECT_EQ(calendar->GetFirstWeekDay(), c.FirstWeekDay);
  }
  EXPECT_EQ(cxGetLocalCalendarID(), 1u);
}

TEST(cxCalendars, GregorianArithmeticKeepsTheDayWithinTheMonthAndTheRange) {
  TCalendarPtr calendar = Calendar(1);
  struct {
    TDateTime From;
    Integer Months;
    TDateTime Expected;
  } months[] = {
      {EncodeDate(2001, 1, 31), 1, EncodeDate(2001, 2, 28)},
      {EncodeDate(2000, 1, 31), 1, EncodeDate(2000, 2, 29)},
      {EncodeDate(2001, 3, 31), -1, EncodeDate(2001, 2, 28)},
      {EncodeDate(2001, 1, 15), -13, EncodeDate(1999, 12, 15)},
      {EncodeDate(2001, 1, 15) + 0.5, 25, EncodeDate(2003, 2, 15) + 0.5},
      {EncodeDate(9999, 12, 1), 1, MinDateTime},  // past the calendar: the minimum supported date
      {EncodeDate(2001, 1, 15), MaxInt, MinDateTime},
      {NullDate, 1, MinDateTime},
  };
  for (const auto& c : months) {
    SCOPED_TRACE(c.Months);
    EXPECT_DOUBLE_EQ(calendar->AddMonths(c.From, c.Months), c.Expected);
  }
  EXPECT_DOUBLE_EQ(calendar->AddYears(EncodeDate(2000, 2, 29), 1), EncodeDate(2001, 2, 28));
  EXPECT_DOUBLE_EQ(calendar->AddYears(EncodeDate(2000, 2, 29), 8000), MinDateTime);
  EXPECT_DOUBLE_EQ(calendar->AddWeeks(EncodeDate(2024, 12, 30), 1), EncodeDate(2025, 1, 6));
  EXPECT_DOUBLE_EQ(calendar->AddDays(calendar->FromDateTime(EncodeDate(9999, 12, 31)), 5), MaxDateTime);

  EXPECT_EQ(calendar->GetDayOfYear(EncodeDate(2000, 12, 31)), 366u);
  EXPECT_EQ(calendar->GetDaysInYear(1900), 365u);
  EXPECT_TRUE(calendar->IsLeapDay(2000, 2, 29));
  EXPECT_FALSE(calendar->IsValidDay(2001, 2, 29));
  EXPECT_FALSE(calendar->IsValidMonth(2001, 13));
  EXPECT_EQ(calendar->GetEra(2000), -1);
  // 2005 starts on a Saturday; 2004, a leap year, on a Thursday.
  EXPECT_EQ(calendar->GetFullWeeksInYear(2005), 53u);
  EXPECT_EQ(calendar->GetFullWeeksInYear(2004), 52u);
  EXPECT_EQ(calendar->GetFullWeeksInYear(2006), 52u);
  EXPECT_DOUBLE_EQ(calendar->GetFirstDayOfWeek(EncodeDate(2024, 3, 6), dMonday), EncodeDate(2024, 3, 4));
  EXPECT_THROW(calendar->ToDateTime(2001, 2, 29), EConvertError);
}

TEST(cxCalendars, EraCalendarsCountYearsFromTheirEras) {
  TCalendarPtr japanese = Calendar(3);
  ExpectDate(japanese->FromDateTime(EncodeDate(1989, 1, 8)), 3, 1, 1, 8);
  ExpectDate(japanese->FromDateTime(EncodeDate(1989, 1, 7)), 2, 64, 1, 7);
  ExpectDate(japanese->FromDateTime(EncodeDate(1868, 9, 8)), 0, 1, 9, 8);
  EXPECT_DOUBLE_EQ(japanese->ToDateTime(CxDate(2, 64, 1, 7)), EncodeDate(1989, 1, 7));
  EXPECT_DOUBLE_EQ(japanese->ToDateTime(CxDate(-1, 12, 2, 29)), EncodeDate(2000, 2, 29));  // the default era
  EXPECT_DOUBLE_EQ(japanese->ToDateTime(CxDate(-1, 13, 2, 29)), japanese->GetMinSupportedDate());
  // Moving across an era boundary renumbers the year in the new era.
  EXPECT_DOUBLE_EQ(japanese->AddMonths(CxDate(2, 63, 12, 8), 1), EncodeDate(1989, 1, 8));
  ExpectDate(japanese->FromDateTime(japanese->AddYears(CxDate(2, 63, 6, 1), 1)), 3, 1, 6, 1);
  EXPECT_EQ(japanese->GetEras()->GetCount(), 4);
  EXPECT_EQ(japanese->GetDefaultEra()->YearOffset, 1988);

  struct {
    CALID Id;
    TDateTime Date;
    Cardinal Year;
  } years[] = {
      {5, EncodeDate(2000, 6, 1), 4333}, {7, EncodeDate(2000, 6, 1), 2543}, {4, EncodeDate(2000, 6, 1), 89},
      {5, EncodeDate(1, 1, 1), 2334},    {7, EncodeDate(9999, 12, 31), 10542},
  };
  for (const auto& c : years) {
    SCOPED_TRACE(c.Id);
    TCalendarPtr calendar = Calendar(c.Id);
    TcxDateTime date = calendar->FromDateTime(c.Date);
    EXPECT_EQ(date.Year, c.Year);
    EXPECT_EQ(date.Era, 0);
    EXPECT_DOUBLE_EQ(calendar->ToDateTime(date), c.Date);
  }
  // The Korean year 4333 is the Gregorian leap year 2000.
  EXPECT_TRUE(Calendar(5)->IsLeapYear(4333));
  EXPECT_FALSE(Calendar(7)->IsValidYear(543));
}

TEST(cxCalendars, HijriYearsFollowTheThirtyYearCycle) {
  TCalendarPtr hijri = Calendar(6);
  EXPECT_EQ(hijri->GetDaysInYear(1), 354u);
  EXPECT_EQ(hijri->GetDaysInYear(2), 355u);
  EXPECT_TRUE(hijri->IsLeapYear(2));
  EXPECT_FALSE(hijri->IsLeapYear(30));
  EXPECT_TRUE(hijri->IsLeapDay(2, 12, 30));
  EXPECT_FALSE(hijri->IsValidDay(1, 12, 30));
  EXPECT_EQ(hijri->GetDaysInMonth(1, 1), 30u);
  EXPECT_EQ(hijri->GetDaysInMonth(1, 2), 29u);

  // A cycle is 10631 days: the same day thirty years on.
  TDateTime first = hijri->ToDateTime(1, 1, 1);
  EXPECT_DOUBLE_EQ(hijri->ToDateTime(31, 1, 1) - first, 10631.0);
  ExpectDate(hijri->FromDateTime(first), -1, 1, 1, 1);
  ExpectDate(hijri->FromDateTime(first - 1 + 355 + 354), -1, 2, 12, 30);  // the leap day of year 2

  // Every day of four centuries reads back as itself, one day after the other.
  TcxDateTime previous = hijri->FromDateTime(EncodeDate(1900, 1, 1));
  for (TDateTime day = EncodeDate(1900, 1, 2); day < EncodeDate(2300, 1, 1); day += 1) {
    TcxDateTime date = hijri->FromDateTime(day);
    ASSERT_TRUE(hijri->IsValidDay(date.Year, date.Month, date.Day)) << day;
    ASSERT_DOUBLE_EQ(hijri->ToDateTime(date), day);
    bool next = (date.Day == previous.Day + 1 && date.Month == previous.Month) ||
                (date.Day == 1 && (date.Month == previous.Month + 1 || (date.Month == 1 && date.Year == previous.Year + 1)));
    ASSERT_TRUE(next) << day;
    previous = date;
  }
  EXPECT_DOUBLE_EQ(hijri->ToDateTime(CxDate(-1, 1, 12, 30)), hijri->GetMinSupportedDate());
}

TEST(cxCalendars, HebrewYearTableFollowsTheCalendarRules) {
  auto hebrew = TCalendarPtr(cxGetCalendar(8));
  auto* table = static_cast<TcxHebrewCalendarTable*>(hebrew.get());
  // The Hebrew day of 1 January and the year type of the table's examples.
  struct {
    Cardinal Year;
    Cardinal Month, Day;
    Cardinal DaysInYear;
  } years[] = {
      {5343, 4, 7, 355},   // 7 Tevet, type 3
      {5660, 5, 1, 384},   // 1 Shevat, type 5
      {5760, 4, 23, 385},  // 23 Tevet, type 6
      {5761, 4, 6, 353},   // 6 Tevet, type 1
      {5784, 4, 20, 383},  // 20 Tevet, type 4
      {5999, 4, 24, 385},  // 24 Tevet, type 6
  };
  for (const auto& c : years) {
    SCOPED_TRACE(c.Year);
    ExpectDate(hebrew->FromDateTime(EncodeDate(static_cast<Word>(c.Year - 3760), 1, 1)), -1, c.Year, c.Month, c.Day);
    EXPECT_EQ(hebrew->GetDaysInYear(c.Year), c.DaysInYear);
    EXPECT_EQ(hebrew->IsLeapYear(c.Year), c.DaysInYear > 380);
  }
  EXPECT_EQ(table->GetYearType(5784), 1);
  EXPECT_EQ(table->GetYearType(5342), 0);
  EXPECT_EQ(hebrew->GetMonthsInYear(5784), 13u);
  EXPECT_TRUE(hebrew->IsLeapMonth(5784, 7));
  EXPECT_FALSE(hebrew->IsLeapMonth(5785, 7));
  EXPECT_EQ(hebrew->GetDaysInMonth(5342, 1), 0u);

  // Feasts whose Gregorian dates are well known.
  EXPECT_DOUBLE_EQ(hebrew->ToDateTime(5785, 1, 1), EncodeDate(2024, 10, 3));   // Rosh Hashanah
  EXPECT_DOUBLE_EQ(hebrew->ToDateTime(5784, 8, 15), EncodeDate(2024, 4, 23));  // Passover of a leap year
  EXPECT_DOUBLE_EQ(hebrew->ToDateTime(5760, 1, 1), EncodeDate(1999, 9, 11));
  EXPECT_NEAR(hebrew->GetMaxSupportedDate() - hebrew->ToDateTime(5999, 13, 29), EncodeTime(23, 59, 59, 999), 1e-9);

  // 30 Adar I of a leap year a year later: the last day of Adar of the common year.
  ExpectDate(hebrew->FromDateTime(hebrew->AddYears(CxDate(-1, 5784, 6, 30), 1)), -1, 5785, 6, 29);
  EXPECT_DOUBLE_EQ(hebrew->AddYears(CxDate(-1, 5999, 1, 1), 1), hebrew->GetMinSupportedDate());

  // Every day of the supported range reads back as itself.
  for (TDateTime day = hebrew->GetMinSupportedDate(); day <= hebrew->GetMaxSupportedDate(); day += 1) {
    TcxDateTime date = hebrew->FromDateTime(day);
    ASSERT_TRUE(hebrew->IsValidDay(date.Year, date.Month, date.Day)) << day;
    ASSERT_DOUBLE_EQ(hebrew->ToDateTime(date), day);
  }
  // Dates outside the range are held to it.
  ExpectDate(hebrew->FromDateTime(EncodeDate(1000, 1, 1)), -1, 5343, 4, 7);
}

TEST(cxCalendars, HebrewNumeralsReadAsNumbers) {
  auto hebrew = TCalendarPtr(cxGetCalendar(8));
  EXPECT_EQ(TcxHebrewCalendarTable::HebrewNumber("\xD7\xAA\xD7\xA9\xD7\xA4\xD7\x93"), 400 + 300 + 80 + 4);  // 5784
  EXPECT_EQ(TcxHebrewCalendarTable::HebrewNumber("\xD7\x9A\xD7\x9B"), 40);  // final kaf and kaf
  EXPECT_EQ(TcxHebrewCalendarTable::HebrewNumber("12"), 0);
  EXPECT_EQ(hebrew->GetYearNumber("\xD7\xAA\xD7\xA9\xD7\xA4\xD7\x93"), 5784);
  EXPECT_EQ(hebrew->GetDayNumber("\xD7\x9B\xD7\x92"), 23u);
  EXPECT_EQ(hebrew->GetDayNumber("17"), 17u);
  EXPECT_EQ(hebrew->GetMonthNumber(5784, "\xD7\x96"), 7u);
}

TEST(cxCalendars, TwoDigitYearsFallInTheCalendarsWindow) {
  TCalendarPtr calendar = Calendar(1);
  struct {
    const char* Text;
    Integer Year;
  } cases[] = {{"30", 1930}, {"29", 2029}, {"00", 2000}, {"99", 1999}, {"5", 2005}, {"030", 30}, {"2024", 2024}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(calendar->GetYearNumber(c.Text), c.Year);
  }
  EXPECT_THROW(calendar->GetYearNumber("abc"), EConvertError);
}

TEST(cxCalendars, MonthNamesReadInEitherLocale) {
  TCalendarPtr calendar = Calendar(1);
  {
    TFormatsLocaleScope locale(LOCALE_EN_US);
    EXPECT_EQ(calendar->GetMonthNumber(2024, "march"), 3u);
    EXPECT_EQ(calendar->GetMonthNumber(2024, "Sep"), 9u);
    EXPECT_EQ(calendar->GetMonthNumber(2024, "11"), 11u);
  }
  {
    TFormatsLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(calendar->GetMonthNumber(2024, "三月"), 3u);
    EXPECT_THROW(calendar->GetMonthNumber(2024, "march"), EConvertError);
  }
}

TEST(cxCalendars, LunarWeekNumbersCountFromTheCalendarsNewYear) {
  TCalendarPtr hijri = Calendar(6);
  TcxDateTime newYear = CxDate(-1, 1445, 1, 1);
  EXPECT_EQ(hijri->GetWeekNumber(newYear, hijri->GetWeekDay(newYear), fwyJan1), 1u);
  TcxDateTime weekLater = hijri->FromDateTime(hijri->ToDateTime(newYear) + 7);
  EXPECT_EQ(hijri->GetWeekNumber(weekLater, hijri->GetWeekDay(newYear), fwyFirstFullWeek), 2u);
  // The last days of the year belong to week 1 of the next when that week holds its 1 Muharram.
  TDateTime nextNewYear = hijri->ToDateTime(1446, 1, 1);
  TcxDateTime lastDay = hijri->FromDateTime(nextNewYear - 1);
  EXPECT_EQ(hijri->GetWeekNumber(lastDay, hijri->GetWeekDay(nextNewYear - 1), fwyJan1), 1u);
}

TEST(cxCalendars, ErasAssignTheirFiveValues) {
  TCalendarPtr japanese = Calendar(3);
  TcxEras* eras = japanese->GetEras();
  eras->SetItem(0, eras->GetItem(3));
  EXPECT_EQ(eras->GetItem(0)->Era, 4);
  EXPECT_EQ(eras->GetItem(0)->YearOffset, 1988);
  EXPECT_EQ(eras->GetItem(0)->MinEraYear, 1);
  EXPECT_EQ(eras->GetItem(0)->MaxEraYear, 8011);
  EXPECT_DOUBLE_EQ(eras->GetItem(0)->StartDate, EncodeDate(1989, 1, 8));
  TPersistent* other = New<TPersistent>();
  EXPECT_THROW(eras->GetItem(1)->Assign(other), EConvertError);
  other->Free();
}
