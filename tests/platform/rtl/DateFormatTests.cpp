#include <gtest/gtest.h>

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "Locale.h"
#include "LocaleTestSupport.h"

namespace {

const TFormatSettings& Zh() {
  static const TFormatSettings s = GetLocaleFormatSettings(LOCALE_ZH_CN);
  return s;
}
const TFormatSettings& En() {
  static const TFormatSettings s = GetLocaleFormatSettings(LOCALE_EN_US);
  return s;
}

// 2024-03-05 (a Tuesday) 14:07:09.045
const TDateTime kAfternoon = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);

struct FormatCase {
  const char* format;
  TDateTime value;
  const char* expected;
};

TEST(DateFormat, FormatLettersInTheChineseLocale) {
  const TDateTime date = EncodeDate(2024, 3, 5);
  const FormatCase cases[] = {
      {"yyyy-mm-dd hh:mm:ss", kAfternoon, "2024-03-05 14:07:09"},
      {"YYYY-MM-DD HH:MM:SS", kAfternoon, "2024-03-05 14:07:09"},
      {"c", kAfternoon, "2024-3-5 14:07:09"},
      {"c", date, "2024-3-5"},  // no time at midnight
      {"", kAfternoon, "2024-3-5 14:07:09"},
      {"ddddd|dddddd", kAfternoon, "2024-3-5|2024年3月5日"},
      {"d dd ddd dddd", kAfternoon, "5 05 星期二 星期二"},
      {"m mm mmm mmmm", kAfternoon, "3 03 三月 三月"},
      {"y yy yyy yyyy", EncodeDate(2007, 1, 1), "07 07 2007 2007"},
      {"yyyy", EncodeDate(33, 1, 1), "0033"},
      {"e ee", kAfternoon, "2024 2024"},
      {"g gg|yyyy", kAfternoon, " |2024"},
      {"h hh n nn s ss z zzz", kAfternoon, "14 14 7 07 9 09 45 045"},
      {"t|tt", kAfternoon, "14:07|14:07:09"},
      {"hh:nn am/pm|h:mm AM/PM|h a/p|h A/P", kAfternoon, "02:07 pm|2:07 PM|2 p|2 P"},
      {"hh ampm", kAfternoon, "02 下午"},
      {"h ampm", date + EncodeTime(9, 0, 0, 0), "9 上午"},
      {"h:nn am/pm", date, "12:00 am"},
      {"aaa aaaa|ax", kAfternoon, "星期二 星期二|ax"},
      {"'yyyy' \"mm\" 'it''s'", kAfternoon, "yyyy mm its"},
      {"yyyy/mm/dd", kAfternoon, "2024-03-05"},
      {"hh:mm mm", kAfternoon, "14:07 03"},      // only the m right after an h is minutes
      {"h'x'mm|h x mm", kAfternoon, "14x07|14 x 03"},
      {"h时mm分", kAfternoon, "14时07分"},
      {"hh 'am' mm", kAfternoon, "14 am 07"},    // a quoted marker does not make the hour 12-hour
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value, Zh()), c.expected) << c.format;
}

TEST(DateFormat, FormatLettersInTheEnglishLocale) {
  const FormatCase cases[] = {
      {"c", kAfternoon, "3/5/2024 2:07:09 PM"},
      {"dddddd", kAfternoon, "Tuesday, March 05, 2024"},
      {"t|tt", kAfternoon, "2:07 PM|2:07:09 PM"},
      {"ddd mmm|dddd mmmm", kAfternoon, "Tue Mar|Tuesday March"},
      {"tt", EncodeTime(0, 30, 0, 0), "12:30:00 AM"},
      {"tt", EncodeTime(12, 0, 0, 0), "12:00:00 PM"},
      {"ddddd", EncodeDate(2009, 12, 25), "12/25/2009"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value, En()), c.expected) << c.format;
}

TEST(DateFormat, NestedFormatsStopAtTwoLevels) {
  TFormatSettings s = Zh();
  s.ShortDateFormat = "ddddd";  // refers to itself
  s.LongTimeFormat = "tt";
  EXPECT_EQ(FormatDateTime("ddddd|tt|x", kAfternoon, s), "||x");
  s.LongDateFormat = "'long' d.m";
  EXPECT_EQ(FormatDateTime("dddddd", kAfternoon, s), "long 5.3");
  s.ShortDateFormat = "d.m";
  s.LongDateFormat = "'long' ddddd";  // a third level
  EXPECT_EQ(FormatDateTime("dddddd|ddddd", kAfternoon, s), "long |5.3");
}

TEST(DateFormat, SeparatorsAndNamesComeFromTheSettings) {
  TFormatSettings s = En();
  s.DateSeparator = '.';
  s.TimeSeparator = 'h';
  s.ShortDateFormat = "dd/mm/yyyy";
  s.LongTimeFormat = "hh:nn";
  s.LongMonthNames[2] = "März";
  EXPECT_EQ(FormatDateTime("c|mmmm", kAfternoon, s), "05.03.2024 14h07|März");
  // The null date writes its zero parts and still has a day name.
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", NullDate, s), "0000-00-00");
  EXPECT_FALSE(FormatDateTime("dddd", NullDate, s).empty());
}

TEST(DateFormat, DateAndTimeTextsOfBothLocales) {
  EXPECT_EQ(DateToStr(kAfternoon, Zh()), "2024-3-5");
  EXPECT_EQ(TimeToStr(kAfternoon, Zh()), "14:07:09");
  EXPECT_EQ(DateTimeToStr(kAfternoon, Zh()), "2024-3-5 14:07:09");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5), Zh()), "2024-3-5");
  EXPECT_EQ(DateToStr(kAfternoon, En()), "3/5/2024");
  EXPECT_EQ(TimeToStr(kAfternoon, En()), "2:07:09 PM");
  EXPECT_EQ(DateTimeToStr(kAfternoon, En()), "3/5/2024 2:07:09 PM");
  // The forms without settings read the global ones.
  TLocaleScope scope(LOCALE_ZH_CN);
  EXPECT_EQ(DateTimeToStr(kAfternoon), "2024-3-5 14:07:09");
  EXPECT_EQ(FormatDateTime("dddd", kAfternoon), "星期二");
}

struct ParseCase {
  const char* text;
  bool ok;
  TDateTime expected;
};

class DateParsing : public testing::Test {
 protected:
  // Parsing reads the current year for dates without one and for the two-digit-year window.
  TManualClock FClock{EncodeDate(2025, 6, 15) + 0.5};
  TClockOverride FUse{FClock};

  static void Check(bool (*parse)(const String&, TDateTime&, const TFormatSettings&), const TFormatSettings& s,
                    std::initializer_list<ParseCase> cases) {
    for (const auto& c : cases) {
      TDateTime value = -1;
      EXPECT_EQ(parse(c.text, value, s), c.ok) << "'" << c.text << "'";
      if (c.ok) {
        EXPECT_NEAR(value, c.expected, 1e-9) << "'" << c.text << "'";
      } else {
        EXPECT_EQ(value, -1) << "'" << c.text << "' changed the result";
      }
    }
  }
};

TEST_F(DateParsing, DatesFollowTheFieldOrderAndSeparatorOfTheShortDate) {
  const TDateTime mar5 = EncodeDate(2024, 3, 5);
  Check(TryStrToDate, Zh(),
        {
            {"2024-3-5", true, mar5},
            {"2024-03-05", true, mar5},
            {" 2024 - 3 - 5 ", true, mar5},
            {"3-5", true, EncodeDate(2025, 3, 5)},  // this year
            {"24-3-5", true, mar5},
            {"75-3-5", true, EncodeDate(1975, 3, 5)},  // fifty years around 2025
            {"74-3-5", true, EncodeDate(2074, 3, 5)},
            {"0024-3-5", true, EncodeDate(24, 3, 5)},  // four digits are taken as written
            {"2024-2-30", false, 0},
            {"2024/3/5", false, 0},
            {"2024-3-5x", false, 0},
            {"20245-3-5", false, 0},
            {"2024-3-", false, 0},
            {"2024", false, 0},
            {"", false, 0},
        });
  Check(TryStrToDate, En(),
        {
            {"3/5/2024", true, mar5},
            {"03/05/24", true, mar5},
            {"12/25", true, EncodeDate(2025, 12, 25)},
            {"13/5/2024", false, 0},
            {"2024-3-5", false, 0},
        });
  TFormatSettings dayFirst = En();
  dayFirst.ShortDateFormat = "dd.MM.yyyy";
  dayFirst.DateSeparator = '.';
  Check(TryStrToDate, dayFirst, {{"05.03.2024", true, mar5}, {"5.3", true, EncodeDate(2025, 3, 5)}});
  TFormatSettings blankSeparated = Zh();
  blankSeparated.DateSeparator = ' ';
  Check(TryStrToDateTime, blankSeparated,
        {{"2024 3 5", true, mar5}, {"2024  3 5 12:00", true, mar5 + 0.5}, {"2024-3-5", false, 0}});
  TFormatSettings noWindow = Zh();
  noWindow.TwoDigitYearCenturyWindow = 0;
  Check(TryStrToDate, noWindow, {{"99-1-2", true, EncodeDate(2099, 1, 2)}});
}

TEST_F(DateParsing, TimesWithSeparatorsFractionsAndMarkers) {
  auto t = [](Word h, Word n, Word s, Word ms) { return EncodeTime(h, n, s, ms); };
  Check(TryStrToTime, Zh(),
        {
            {"14:07", true, t(14, 7, 0, 0)},
            {"14:07:09", true, t(14, 7, 9, 0)},
            {"14:07:09.045", true, t(14, 7, 9, 45)},
            {"14:07:09.5", true, t(14, 7, 9, 500)},  // a fraction of a second
            {"9", true, t(9, 0, 0, 0)},
            {"上午 9:05", true, t(9, 5, 0, 0)},
            {"下午 9:05", true, t(21, 5, 0, 0)},
            {"9:05 下午", true, t(21, 5, 0, 0)},
            {"9:05 pm", true, t(21, 5, 0, 0)},  // the English markers are always understood
            {"12:00 AM", true, t(0, 0, 0, 0)},
            {"12 PM", true, t(12, 0, 0, 0)},
            {"0 AM", false, 0},
            {"13 PM", false, 0},
            {"24:00", false, 0},
            {"10:60", false, 0},
            {"10:", false, 0},
            {"10:00 x", false, 0},
            {"", false, 0},
        });
  Check(TryStrToTime, En(), {{"2:07:09 PM", true, t(14, 7, 9, 0)}, {"AM 2:07", true, t(2, 7, 0, 0)}});
}

TEST_F(DateParsing, DateTimesTakeADateATimeOrBoth) {
  const TDateTime mar5 = EncodeDate(2024, 3, 5);
  Check(TryStrToDateTime, Zh(),
        {
            {"2024-03-05 14:07:09", true, mar5 + EncodeTime(14, 7, 9, 0)},
            {"2024-3-5", true, mar5},
            {"10:30", true, EncodeTime(10, 30, 0, 0)},
            {"1899-12-29 06:00", true, -1.25},  // before 1899-12-30 the time counts from midnight
            {"2024-3-5 10:00 x", false, 0},    // text after the time is not ignored
            {"2024-3-5 x", false, 0},
        });
  Check(TryStrToDateTime, En(), {{"3/5/2024 2:07:09 PM", true, mar5 + EncodeTime(14, 7, 9, 0)}});
}

TEST_F(DateParsing, ErrorsNameTheTextAndDefaultsStandIn) {
  struct Raise {
    TDateTime (*parse)(const String&, const TFormatSettings&);
    const char* message;
  };
  for (auto r : {Raise{StrToDate, "'2024-13-1' is not a valid date"},
                 Raise{StrToTime, "'2024-13-1' is not a valid time"}, Raise{StrToDateTime, "'2024-13-1' is not a valid date and time"}}) {
    try {
      r.parse("2024-13-1", Zh());
      ADD_FAILURE() << r.message;
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), r.message);
    }
  }
  TLocaleScope scope(LOCALE_ZH_CN);
  EXPECT_EQ(StrToDateDef("nonsense", 7.0, Zh()), 7.0);
  EXPECT_EQ(StrToTimeDef("nonsense", 0.25, Zh()), 0.25);
  EXPECT_EQ(StrToDateTimeDef("nonsense", NullDate, Zh()), NullDate);
  EXPECT_EQ(StrToDateTimeDef("2024-3-5", NullDate), EncodeDate(2024, 3, 5));  // the global settings
  EXPECT_EQ(StrToDate("2024-3-5"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToTime("14:00"), EncodeTime(14, 0, 0, 0));
}

// The program writes its times as "yyyy-mm-dd hh:mm:ss" and reads them back; every locale's own
// texts read back too.
TEST_F(DateParsing, TextsRoundTripInBothLocales) {
  int checked = 0;
  // About three days and a few seconds apart, from 1950 to 2100: every month, hour and minute turn up.
  for (TDateTime t = EncodeDate(1950, 1, 1) + EncodeTime(0, 0, 1, 0); t < EncodeDate(2100, 1, 1);
       t += 3 + 4111.0 / SecsPerDay, ++checked) {
    TTimeStamp stamp = DateTimeToTimeStamp(t);
    stamp.Time -= stamp.Time % 1000;  // the texts keep whole seconds
    TDateTime whole = TimeStampToDateTime(stamp);
    String stored = FormatDateTime("yyyy-mm-dd hh:mm:ss", whole, Zh());
    ASSERT_NEAR(StrToDateTime(stored, Zh()), whole, 1e-9) << stored;
    String zhText = DateTimeToStr(whole, Zh());
    ASSERT_NEAR(StrToDateTime(zhText, Zh()), whole, 1e-9) << zhText;
    String enText = DateTimeToStr(whole, En());
    ASSERT_NEAR(StrToDateTime(enText, En()), whole, 1e-9) << enText;
    ASSERT_NEAR(StrToDate(DateToStr(whole, En()), En()) + StrToTime(TimeToStr(whole, En()), En()), whole, 1e-9);
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
