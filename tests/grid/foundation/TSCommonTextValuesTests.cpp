// Date and number texts under the two locales of the program.
#include <gtest/gtest.h>

#include "../../platform/rtl/LocaleTestSupport.h"
#include "DateTime.h"
#include "TSCommon.h"
#include "Variants.h"

namespace {

// A moment of the fixed clock: 2025-06-01 10:00.
TDateTime Moment() { return EncodeDate(2025, 6, 1) + EncodeTime(10, 0, 0, 0); }

struct TTextValues : ::testing::Test {
  TManualClock Clock{Moment()};
  TClockOverride Override{Clock};
};

// Puts a short date format in place for one test.
struct TShortDateScope {
  String Previous = FormatSettings.ShortDateFormat;
  explicit TShortDateScope(const String& Format) { FormatSettings.ShortDateFormat = Format; }
  ~TShortDateScope() { FormatSettings.ShortDateFormat = Previous; }
};

TEST_F(TTextValues, EditDateFormatsFollowTheLocale) {
  {
    TLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(GetDateOrder(), 0);
    EXPECT_EQ(GetEditDateFormat(false), "YYYY-M-D");
    EXPECT_TRUE(AMPMFormat());
  }
  {
    TLocaleScope locale(LOCALE_EN_US);
    EXPECT_EQ(GetDateOrder(), 1);
    EXPECT_EQ(GetEditDateFormat(false), "M/D/YYYY");
    EXPECT_TRUE(AMPMFormat());
    struct Case {
      const char* Format;
      Integer Order;
      const char *Short, *Long;
    } cases[] = {{"d/M/yyyy", 2, "D/M/YYYY", "D/M/YYYY"},
                 {"M/d/yy", 1, "M/D/YY", "M/D/YYYY"},
                 {"dd.MM.yy", 2, "DD/MM/YY", "DD/MM/YYYY"},
                 {"e/m/d", 0, "YY/M/D", "YYYY/M/D"},
                 {"", 1, "M/D/YY", "M/D/YYYY"}};
    for (const Case& c : cases) {
      TShortDateScope format(c.Format);
      EXPECT_EQ(GetDateOrder(), c.Order) << c.Format;
      EXPECT_EQ(GetEditDateFormat(false), c.Short) << c.Format;
      EXPECT_EQ(GetEditDateFormat(true), c.Long) << c.Format;
    }
  }
  EXPECT_EQ(LongYearFormat("yyyy-mm-dd"), "yyyy-mm-dd");
  EXPECT_EQ(LongYearFormat("dd.mm.yy"), "dd.mm.yyyy");
  EXPECT_EQ(LongYearFormat("d/m"), "d/m");
  EXPECT_EQ(LongHourFormat("h:mm AM/PM"), "h:mm");
  EXPECT_EQ(LongHourFormat("A/P hh:mm"), "hh:mm");
  EXPECT_EQ(LongHourFormat("hh:mm ampm"), "hh:mm");
  EXPECT_EQ(LongHourFormat("hh:mm"), "hh:mm");
}

TEST_F(TTextValues, TypedDatesTimesAndDayNumbers) {
  {
    TLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(StringToDateTime(" 2024-3-5 "), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StringToDateTime("45000"), 45000.0) << "digits alone are a day number";
    EXPECT_DOUBLE_EQ(StringToDateTime("12:30"), EncodeTime(12, 30, 0, 0));
    EXPECT_EQ(StringToDateTime("\xE6\x98\x9F\xE6\x9C\x9F\xE4\xBA\x8C 2024-3-5"), EncodeDate(2024, 3, 5));  // 星期二
    // 十一月 holds 一月 inside a word: the whole month name is the one replaced.
    EXPECT_EQ(DateReplaceMonthName("2024-\xE5\x8D\x81\xE4\xB8\x80\xE6\x9C\x88-5"), "2024-11-5");
    EXPECT_EQ(YearText("2024-3-5"), "2024");
    EXPECT_THROW(StringToDateTime(""), EConvertError);
    EXPECT_THROW(StringToDateTime("2024-13-45"), EConvertError);
  }
  {
    TLocaleScope locale(LOCALE_EN_US);
    EXPECT_EQ(StringToDateTime("3/5/2024"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StringToDateTime("March/5/2024"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StringToDateTime("3/5/24"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StringToDateTime("3/5/024"), EncodeDate(24, 3, 5)) << "three typed digits are the year as typed";
    EXPECT_DOUBLE_EQ(StringToDateTime("3/5/2024 6:00"), EncodeDate(2024, 3, 5) + 0.25);
    EXPECT_EQ(DateReplaceMonthName("Mayor 5"), "Mayor 5");
    EXPECT_EQ(DateReplaceMonthName("5 may"), "5 5");
    EXPECT_EQ(DateReplaceMonthName("Sep 9, Mayor"), "9 9, Mayor");
    EXPECT_EQ(DateRemoveDayName("Tuesday, 3/5"), ", 3/5");
    EXPECT_EQ(DateRemoveDayName("Tue 3/5"), " 3/5");
    EXPECT_EQ(YearText("3/5/2024"), "2024");
    EXPECT_EQ(YearText("3/5"), "");
    EXPECT_TRUE(IsWholeWordAt("x May.", 3, 3));
    EXPECT_FALSE(IsWholeWordAt("xMay", 2, 3));
    EXPECT_FALSE(IsWholeWordAt("May1", 1, 3));
    EXPECT_EQ(SkipToDigit("\xE5\xB9\xB4" "5", 1), 4);
    EXPECT_EQ(SkipToDigit("ab", 1), 3);

    EXPECT_EQ(VariantToDateTime("3/5/2024"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(VariantToDateTime("not a date"), Moment());
    EXPECT_EQ(VariantToDateTime("   "), Moment());
    EXPECT_EQ(VariantToDateTime(Variant()), Moment());
    EXPECT_EQ(VariantToDateTime(Null()), Moment());
    EXPECT_EQ(VariantToDateTime(7), Moment());
    EXPECT_EQ(VariantToDateTime(1.5), 1.5);
    EXPECT_EQ(VariantToDateTime(VarFromDateTime(2.25)), 2.25);
  }
}

TEST_F(TTextValues, NumbersStepAndKeepTheirShape) {
  for (LCID lcid : {LOCALE_ZH_CN, LOCALE_EN_US}) {
    TLocaleScope locale(lcid);
    struct Separators {
      const char* Text;
      bool Removed;
      const char* After;
    } separators[] = {{"1,234.56", true, "1234.56"}, {"12,34", false, "12,34"},   {",123", false, ",123"},
                      {"1,234,567", true, "1234567"}, {"1234", false, "1234"},     {"1,23", false, "1,23"},
                      {"-1,234", false, "-1,234"},     {"12345,678", true, "12345678"}};
    for (const Separators& s : separators) {
      String text = s.Text;
      EXPECT_EQ(RemoveThousandSeparators(text), s.Removed) << s.Text;
      EXPECT_EQ(text, s.After) << s.Text;
    }
    String big = "2500000";
    InsertThousandSeparators(big);
    EXPECT_EQ(big, "2,500,000");
    EXPECT_TRUE(IsFloatText("1,234.5"));
    EXPECT_FALSE(IsFloatText("12a"));

    struct Step {
      const char* Text;
      double Delta;
      const char* Result;
    } steps[] = {{"1,999", 1, "2,000"}, {"", 1, "1"}, {"abc", 1, "abc"}, {"0.5", 0.25, "0.75"}, {"-3", 5, "2"}};
    for (const Step& s : steps) EXPECT_EQ(IncStrNum(s.Text, s.Delta), s.Result) << s.Text;

    struct AtCaret {
      const char* Text;
      Integer Caret;
      double Delta;
      const char* Result;
      Integer Start, Length;
    } carets[] = {
        {"0.50", 2, 0.25, "0.75", 1, 4},
        {"1.5", 0, 0.5, "2.0", 1, 3},
        {"x -12 y", 3, 1, "x -11 y", 3, 3},
        {"a-5", 2, 1, "a-4", 2, 2},
        {"7-5", 2, 1, "7-6", 3, 1},
        {"\xE4\xBB\xB7 99 \xE5\x85\x83", 4, 1, "\xE4\xBB\xB7 100 \xE5\x85\x83", 5, 3},  // 价 99 元
        {"no number", 3, 1, "no number", 3, 0},
    };
    for (const AtCaret& c : carets) {
      Integer start = -1, length = -1;
      EXPECT_EQ(IncStrAtPos(c.Text, c.Delta, c.Caret, start, length), c.Result) << c.Text;
      EXPECT_EQ(start, c.Start) << c.Text;
      EXPECT_EQ(length, c.Length) << c.Text;
    }

    EXPECT_EQ(PadNumber("1,000", "5"), "0,005");
    EXPECT_EQ(PadNumber("000", "7"), "007");
    EXPECT_EQ(PadNumber("1.50", "2.5"), "2.50");
    EXPECT_EQ(PadNumber("9", "12"), "12");
    EXPECT_EQ(PadDecimals("1.000", "2"), "2.000");
    EXPECT_EQ(PadDecimals("1", "2.5"), "2.5");
    EXPECT_EQ(ScanNum("12ab", 1, 1), 3);
    EXPECT_EQ(ScanNum("12ab", 2, -1), 0);
    EXPECT_EQ(ScanNumChars("-1,2.5x", 1, 1), 7);
  }
}

}  // namespace
