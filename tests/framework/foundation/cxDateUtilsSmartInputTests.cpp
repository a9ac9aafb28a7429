#include <gtest/gtest.h>

#include "DateFormat.h"
#include "DateTime.h"
#include "cxClasses.h"
#include "cxDateUtils.h"
#include "cxDateUtilsTestSupport.h"
#include "cxLibraryStrs.h"

namespace {

// A Wednesday in a leap-year February.
const TDateTime kToday = EncodeDate(2024, 2, 14);
const TDateTime kNow = kToday + EncodeTime(10, 30, 0, 0);

struct TSmartCase {
  const char* Text;
  TDateTime Expected;
};

void CheckSmartWords(std::initializer_list<TSmartCase> ACases) {
  for (const TSmartCase& c : ACases) {
    SCOPED_TRACE(c.Text);
    TDateTime date = 0;
    EXPECT_TRUE(SmartTextToDate(c.Text, date));
    EXPECT_DOUBLE_EQ(date, c.Expected);
  }
}

}  // namespace

TEST(cxSmartInput, EveryWordGivesItsDate) {
  TFixedClock clock(kNow);
  for (LCID lcid : {LOCALE_ZH_CN, LOCALE_EN_US}) {
    SCOPED_TRACE(lcid);
    TFormatsLocaleScope locale(lcid);
    // "first" .. "seventh" count from the week's first day: Monday in zh-CN, Sunday in en-US.
    TDateTime weekStart = lcid == LOCALE_ZH_CN ? EncodeDate(2024, 2, 12) : EncodeDate(2024, 2, 11);
    CheckSmartWords({
        {"today", kToday},
        {"TODAY", kToday},
        {"yesterday", kToday - 1},
        {"tomorrow", kToday + 1},
        {"Sunday", EncodeDate(2024, 2, 18)},
        {"monday", EncodeDate(2024, 2, 19)},
        {"Tuesday", EncodeDate(2024, 2, 20)},
        {"Wednesday", kToday},
        {"Thursday", EncodeDate(2024, 2, 15)},
        {"Friday", EncodeDate(2024, 2, 16)},
        {"Saturday", EncodeDate(2024, 2, 17)},
        {"first", weekStart},
        {"second", weekStart + 1},
        {"third", weekStart + 2},
        {"fourth", weekStart + 3},
        {"fifth", weekStart + 4},
        {"sixth", weekStart + 5},
        {"seventh", weekStart + 6},
        {"bom", EncodeDate(2024, 2, 1)},
        {"eom", EncodeDate(2024, 2, 29)},
        {"now", kNow},
    });
  }
}

TEST(cxSmartInput, DaysMayFollowTheWord) {
  TFixedClock clock(kNow);
  CheckSmartWords({
      {"today + 3", kToday + 3},
      {"today+3", kToday + 3},
      {"  today -3  ", kToday - 3},
      {"tomorrow-1", kToday},
      {"today+a", kToday},       // not a number: ignored
      {"today+", kToday},        // a sign alone: ignored
      {"todayx", kToday},        // a one-character rest is ignored
      {"now + 1", kNow + 1},
      {"eom+1", EncodeDate(2024, 3, 1)},
  });
  TDateTime date = 0;
  EXPECT_FALSE(SmartTextToDate("yester", date));
  EXPECT_FALSE(SmartTextToDate("", date));
}

TEST(cxSmartInput, ReplacedWordsAndTheApplicationsOwnWords) {
  TFixedClock clock(kNow);
  cxSetResourceString(&cxSDateToday, "今天");
  TDateTime date = 0;
  EXPECT_TRUE(SmartTextToDate("今天+1", date));
  EXPECT_DOUBLE_EQ(date, kToday + 1);
  EXPECT_FALSE(SmartTextToDate("today", date));
  // A word replaced by nothing matches nothing.
  cxSetResourceString(&cxSDateToday, "");
  EXPECT_FALSE(SmartTextToDate("anything", date));
  cxClearResourceStrings();

  SmartTextToDateFunc = [](const String& AText, TDateTime& ADate) {
    if (AText != "xmas") return false;
    ADate = EncodeDate(2024, 12, 25);
    return true;
  };
  EXPECT_TRUE(SmartTextToDate("xmas", date));
  EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 12, 25));
  EXPECT_FALSE(SmartTextToDate("easter", date));
  EXPECT_TRUE(SmartTextToDate("today", date));  // the words come first
  SmartTextToDateFunc = nullptr;
}

TEST(cxSmartInput, TextToDateReadsWordsAndDatesOfTheLocale) {
  TFixedClock clock(kNow);
  struct {
    LCID Locale;
    const char* Text;
    bool Result;
    TDateTime Expected;
  } cases[] = {
      {LOCALE_ZH_CN, "2024-3-5", true, EncodeDate(2024, 3, 5)},
      {LOCALE_ZH_CN, " 2024-3-5 13:45 ", true, EncodeDate(2024, 3, 5) + EncodeTime(13, 45, 0, 0)},
      {LOCALE_ZH_CN, "2024-3-5 下午 1:45", true, EncodeDate(2024, 3, 5) + EncodeTime(13, 45, 0, 0)},
      {LOCALE_ZH_CN, "tomorrow", true, kToday + 1},
      {LOCALE_ZH_CN, "3-5", true, EncodeDate(2024, 3, 5)},
      {LOCALE_ZH_CN, "", false, NullDate},
      {LOCALE_ZH_CN, "   ", false, NullDate},
      {LOCALE_ZH_CN, "2024-13-5", false, NullDate},
      {LOCALE_ZH_CN, "garbage", false, NullDate},
      {LOCALE_EN_US, "3/5/2024", true, EncodeDate(2024, 3, 5)},
      {LOCALE_EN_US, "3/5/2024 1:45 PM", true, EncodeDate(2024, 3, 5) + EncodeTime(13, 45, 0, 0)},
      {LOCALE_EN_US, "3/5/24", true, EncodeDate(2024, 3, 5)},
      {LOCALE_EN_US, "2/30/2024", false, NullDate},
      {LOCALE_EN_US, "today - 14", true, kToday - 14},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TFormatsLocaleScope locale(c.Locale);
    TDateTime date = 0;
    EXPECT_EQ(TextToDateEx(c.Text, date), c.Result);
    EXPECT_DOUBLE_EQ(date, c.Expected);
  }
}

TEST(cxSmartInput, TextToDateKeepsWithinTheYearsAllowed) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  TDateTime date;
  EXPECT_TRUE(TextToDateEx("2100-1-1", date));
  Integer savedMax = MaxYear;
  MaxYear = 2099;
  EXPECT_FALSE(TextToDateEx("2100-1-1", date));
  EXPECT_DOUBLE_EQ(date, NullDate);
  MaxYear = savedMax;
  // The class library's rules: its own parser, separators as they are.
  cxFormatController()->SetUseCorvelDateTimeFormats(true);
  EXPECT_EQ(MinYear, 1);
  EXPECT_TRUE(TextToDateEx("2024-3-5", date));
  EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 3, 5));
  EXPECT_FALSE(TextToDateEx("2024 3 5", date));
  cxFormatController()->SetUseCorvelDateTimeFormats(false);
  EXPECT_EQ(MinYear, 100);
}

TEST(cxSmartInput, StrToDateTimeReportsFailureWithTheNullDate) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  TDateTime date = 1;
  EXPECT_TRUE(cxStrToDateTime("2024-3-5 6:00", true, date));
  EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 3, 5) + 0.25);
  EXPECT_TRUE(cxStrToDateTime("2024-3-5", false, date));
  EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 3, 5));
  EXPECT_FALSE(cxStrToDateTime("today", false, date));
  EXPECT_DOUBLE_EQ(date, NullDate);
  EXPECT_DOUBLE_EQ(StrToDateDef("x", 42), 42);
}

TEST(cxSmartInput, WordsBecomeAlternativesOfTheDateExpression) {
  String mask = "\\d";
  AddDateRegExprMaskSmartInput(mask, false);
  EXPECT_EQ(mask,
            "(\\d)|('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|"
            "'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'now')"
            "((\\+|-)\\d(\\d(\\d\\d?)?)?)?");
  mask = "";
  AddDateRegExprMaskSmartInput(mask, true);
  EXPECT_NE(mask.find("'bom'|'eom'|'now'"), String::npos);
  cxSetResourceString(&cxSDateNow, "o'clock");
  mask = "";
  AddDateRegExprMaskSmartInput(mask, true);
  EXPECT_NE(mask.find("|'o'\\''clock')"), String::npos);
  cxClearResourceStrings();
}
