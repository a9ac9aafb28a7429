#include <gtest/gtest.h>

#include "FormatSettings.h"
#include "WinUser.h"
#include "cxDateUtils.h"
#include "cxDateUtilsTestSupport.h"
#include "cxFormats.h"

namespace {

// The items of a parsed format as one line: kind letters and data, "|" between items.
String Describe(const TcxDateTimeFormatInfo& AInfo) {
  static const char* const kKinds[] = {"s", "Y", "M", "D", "h", "n", "sec", "z", "t", "/", ":"};
  String result;
  for (const TcxDateTimeFormatItem& item : AInfo.Items) {
    if (!result.empty()) result += "|";
    result += String(kKinds[item.Kind]) + "=" + item.Data;
  }
  return result;
}

String Parse(const String& AFormat) {
  TcxDateTimeFormatInfo info;
  GetDateTimeFormatInfo(AFormat, info);
  return Describe(info);
}

class TCountingListener : public TNoRefCountObject,
                          public IcxFormatControllerListener,
                          public IcxFormatControllerListener2 {
 public:
  void FormatChanged() override {
    ++FormatChanges;
    SeenDateFormat = cxFormatController()->GetMaskedDateEditFormat();
  }
  void TimeChanged() override { ++TimeChanges; }
  int FormatChanges = 0;
  int TimeChanges = 0;
  String SeenDateFormat;
};

// A listener of format changes alone.
class TFormatOnlyListener : public TNoRefCountObject, public IcxFormatControllerListener {
 public:
  void FormatChanged() override { ++FormatChanges; }
  int FormatChanges = 0;
};

}  // namespace

TEST(cxFormatsParsing, FormatsBecomeItems) {
  TFormatsLocaleScope locale(LOCALE_EN_US);
  struct {
    const char* Format;
    const char* Items;
  } cases[] = {
      {"yyyy-M-d", "Y=YYYY|s=-|M=M|s=-|D=D"},
      {"M/d/yy", "M=M|/=/|D=D|/=/|Y=YY"},
      {"dd MMMM yyyy", "D=DD|s= |M=MMMM|s= |Y=YYYY"},
      {"h:mm:ss", "h=24H|:=:|n=NN|:=:|sec=SS"},
      {"hh:mm AM/PM", "h=12HH|:=:|n=NN|s= |t=AM/PM"},
      {"h:mm a/p", "h=12H|:=:|n=NN|s= |t=a/p"},
      {"H:mm:ss.zzz", "h=24H|:=:|n=NN|:=:|sec=SS|s=.|z=ZZZ"},
      {"ampm h", "t=AMPM|s= |h=12H"},
      {"'at' h 'o''clock'", "s=at |h=24H|s= oclock"},
      {"\"yyyy\"yyyy", "s=yyyy|Y=YYYY"},
      {"'unclosed", "s=unclosed"},
      {"yyyy年M月d日", "Y=YYYY|s=年|M=M|s=月|D=D|s=日"},
      {"yyyy yy", "Y=YYYY|s= "},            // a field counts once
      {"AM/PM", ""},                         // a suffix without an hour goes
      {"aaaa, dddd", "D=DDDD|s=, "},
      {"ddddd", "M=M|/=/|D=D|/=/|Y=YYYY"},  // the short date, nested
      {"", "M=M|/=/|D=D|/=/|Y=YYYY|s= |h=12H|:=:|n=NN|:=:|sec=SS|s= |t=AMPM"},
      {"gg yyyy", ""},                       // eras cannot be represented
      {"m/d h:m", "M=M|/=/|D=D|s= |h=24H|:=:|n=N"},
      {"xqb", "s=xqb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Format);
    EXPECT_EQ(Parse(c.Format), c.Items);
  }
  // Formats nest two levels deep: deeper references add nothing.
  FormatSettings.ShortDateFormat = "c";
  FormatSettings.LongTimeFormat = "h";
  EXPECT_EQ(Parse("c"), "s=  |h=24H|s= ");
}

TEST(cxFormatsParsing, MasksAndFormatsOfTheItems) {
  TFormatsLocaleScope locale(LOCALE_EN_US);
  struct {
    const char* Format;
    TcxDateTimeEditMaskKind Kind;
    const char* Standard;
    const char* RegExpr;
    const char* Masked;
  } cases[] = {
      {"M/d/yyyy", dtmkDate, "!99/99/9999;1; ",
       "((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|'Nov'|'Dec'))\\/"
       "([012]?[1-9]|[123]0|31)\\/\\d\\d\\d\\d",
       "mm/dd/yyyy"},
      {"dd-MMMM-yy", dtmkDate, "!99\\-lll\\-99;1; ",
       "([012]?[1-9]|[123]0|31)'-'((0?[1-9]|1[012])|('January'|'February'|'March'|'April'|'May'|'June'|'July'|"
       "'August'|'September'|'October'|'November'|'December'))'-'\\d\\d",
       "dd'-'mmm'-'yy"},
      {"h:mm:ss AMPM", dtmkTime, "00:00:00\\ cc;1;0", "(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?",
       "hh:nn:ss' 'ampm"},
      {"HH:mm a/p", dtmkTime, "00:00\\ c;1;0", "(0?[1-9]|1[012])\\:[0-5]?\\d' '(A|P)?", "hh:nn' 'a/p"},
      {"H:mm:ss.zzz", dtmkTime, "00:00:00\\.;1;0", "([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d'.'", "hh:nn:ss'.'"},
      {"M/d/yyyy h:mm AM/PM", dtmkDateTime, "!99/99/9999\\ 99:99\\ cc;1; ", "",
       "mm/dd/yyyy' 'hh:nn' 'am/pm"},
      {"gg", dtmkDate, "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Format);
    TcxDateTimeFormatInfo info;
    GetDateTimeFormatInfo(c.Format, info);
    EXPECT_EQ(InternalGetDateTimeEditStandardMask(info, c.Kind), c.Standard);
    EXPECT_EQ(InternalGetDateTimeEditRegExprMask(info, c.Kind), c.RegExpr);
    EXPECT_EQ(InternalGetMaskedDateEditFormat(info), c.Masked);
  }
  // A blank date separator is quoted; the locale's markers are written as they are.
  FormatSettings.DateSeparator = ' ';
  FormatSettings.TimeAMString = "";
  FormatSettings.TimePMString = "pm.";
  TcxDateTimeFormatInfo info;
  GetDateTimeFormatInfo("d/M h AMPM", info);
  EXPECT_EQ(InternalGetDateTimeEditRegExprMask(info, dtmkDate).substr(0, 28), "([012]?[1-9]|[123]0|31)' '((");
  EXPECT_EQ(InternalGetDateTimeEditRegExprMask(info, dtmkTime), "' '(0?[1-9]|1[012])' '('pm.')?");
  EXPECT_EQ(InternalGetDateTimeEditStandardMask(info, dtmkDateTime), "!99/99\\ 99\\ ccc;1; ");
}

TEST(cxFormatsParsing, MaskZonesLocateTheItemAtAPosition) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);  // markers 上午 and 下午: two characters
  TcxDateTimeFormatInfo info;
  GetDateTimeFormatInfo("yyyy-MMM-d tt", info);  // tt: the long time, "h:mm:ss" here
  EXPECT_EQ(TcxFormatController::GetDateTimeStandardMaskStringLength(info), 4 + 1 + 3 + 1 + 2 + 1 + 8);
  struct {
    Integer Position;
    bool Found;
    TcxDateTimeFormatItemKind Kind;
    Integer Start, Length;
  } cases[] = {
      {0, false, dtikString, 0, 0},     {1, true, dtikYear, 1, 4},   {4, true, dtikYear, 1, 4},
      {5, true, dtikString, 5, 1},      {6, true, dtikMonth, 6, 3},  {12, true, dtikString, 12, 1},
      {13, true, dtikHour, 13, 2},      {20, true, dtikSec, 19, 2},  {21, false, dtikString, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Position);
    TcxDateTimeFormatItemInfo item;
    ASSERT_EQ(TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(info, c.Position, item), c.Found);
    if (!c.Found) continue;
    EXPECT_EQ(item.Kind, c.Kind);
    EXPECT_EQ(item.ItemZoneStart, c.Start);
    EXPECT_EQ(item.ItemZoneLength, c.Length);
  }
  TcxDateTimeFormatInfo suffixes;
  GetDateTimeFormatInfo("h AMPM", suffixes);
  TcxDateTimeFormatItemInfo item;
  ASSERT_TRUE(TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(suffixes, 4, item));
  EXPECT_EQ(item.Kind, dtikTimeSuffix);
  EXPECT_EQ(item.TimeSuffixKind, tskAMPMString);
  EXPECT_EQ(item.ItemZoneLength, 2);
  EXPECT_EQ(GetCharString('c', 3), "ccc");
  EXPECT_EQ(GetCharString('c', -1), "");
}

TEST(cxFormatController, FormatsFollowTheLocale) {
  TcxFormatController* controller = cxFormatController();
  {
    TFormatsLocaleScope locale(LOCALE_ZH_CN);
    EXPECT_EQ(controller->GetCurrencyFormatValue(), "￥,0.00;￥-,0.00");
    EXPECT_EQ(controller->GetStartOfWeek(), dMonday);
    EXPECT_EQ(controller->GetDateEditMask(), "!9999\\-99\\-99;1; ");
    EXPECT_EQ(controller->GetStandardDateEditMask(), "!9999\\-99\\-99;1; ");
    EXPECT_EQ(controller->GetStandardDateTimeEditMask(), "!9999\\-99\\-99\\ 99:99:99;1; ");
    EXPECT_EQ(controller->GetMaskedDateEditFormat(), "yyyy'-'mm'-'dd");
    EXPECT_EQ(controller->GetMaskedDateTimeEditFormat(), "yyyy'-'mm'-'dd' 'hh:nn:ss");
    EXPECT_EQ(controller->GetDateEditFormatValue(), "yyyy-MM-dd");
    EXPECT_EQ(controller->GetDateTimeDisplayFormat(dtmkDateTime), "yyyy-M-d h:mm:ss");
    String dateMask = controller->GetRegExprDateEditMask();
    EXPECT_EQ(dateMask.substr(0, 22), "(\\d\\d\\d\\d'-'((0?[1-9]|");
    EXPECT_NE(dateMask.find("'today'"), String::npos);
    EXPECT_EQ(dateMask.find("'eom'"), String::npos);
    String dateTimeMask = controller->GetRegExprDateTimeEditMask();
    EXPECT_NE(dateTimeMask.find("([012]?[1-9]|[123]0|31) ' '(([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d)?)|("),
              String::npos);
    EXPECT_NE(dateTimeMask.find("'eom'"), String::npos);
  }
  TFormatsLocaleScope locale(LOCALE_EN_US);
  EXPECT_EQ(controller->GetCurrencyFormatValue(), "$,0.00;($,0.00)");
  EXPECT_EQ(controller->GetStartOfWeek(), dSunday);
  EXPECT_EQ(controller->GetStandardDateEditMask(), "!99/99/9999;1; ");
  EXPECT_EQ(controller->GetStandardDateTimeEditMask(), "!99/99/9999\\ 99:99:99\\ cc;1; ");
  EXPECT_EQ(controller->GetDateEditFormatValue(), "MM/dd/yyyy");
  FormatSettings.ShortDateFormat = "d MMMM yyyy";
  EXPECT_EQ(controller->GetDateEditFormat(false), "dd MMMM yyyy");
  EXPECT_EQ(controller->GetDateEditFormat(true), "dd MMM yyyy");
}

TEST(cxFormatController, CurrencyFormatsOfEverySignOrder) {
  TFormatsLocaleScope locale(LOCALE_EN_US);
  const char* negatives[16] = {"($,0.00)",   "-$,0.00",   "$-,0.00",   "$,0.00-",   "(,0.00$)",   "-,0.00$",
                               ",0.00-$",    ",0.00$-",   "-,0.00 $",  "-$ ,0.00",  ",0.00 $-",   "$ ,0.00-",
                               "$ -,0.00",   ",0.00- $",  "($ ,0.00)", "(,0.00 $)"};
  for (Byte order = 0; order < 16; ++order) {
    SCOPED_TRACE(order);
    FormatSettings.NegCurrFormat = order;
    EXPECT_EQ(cxFormatController()->GetCurrencyFormat(), String("$,0.00;") + negatives[order]);
  }
  FormatSettings.NegCurrFormat = 1;
  const char* positives[4] = {"$,0.00", ",0.00$", "$ ,0.00", ",0.00 $"};
  for (Byte order = 0; order < 4; ++order) {
    FormatSettings.CurrencyFormat = order;
    EXPECT_EQ(cxFormatController()->GetCurrencyFormat(), String(positives[order]) + ";-$,0.00");
  }
  FormatSettings.CurrencyString = "R.$";
  FormatSettings.CurrencyDecimals = 0;
  FormatSettings.CurrencyFormat = 0;
  EXPECT_EQ(cxFormatController()->GetCurrencyFormat(), "R'.'$,0.;-R'.'$,0.");
  FormatSettings.CurrencyString = "";
  EXPECT_EQ(cxFormatController()->GetCurrencyFormat(), ";-,0.");
}

TEST(cxFormatController, AssignedValuesSurviveRecalculation) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  TcxFormatController* controller = cxFormatController();
  TCountingListener listener;
  controller->AddListener(&listener);
  controller->SetStandardDateEditMask("!99.99.9999;1;_");
  controller->SetCurrencyFormat("0.00 CNY");
  controller->SetStartOfWeek(dWednesday);
  controller->SetRegExprDateEditMask("\\d+");
  EXPECT_EQ(listener.FormatChanges, 4);
  controller->SetCurrencyFormat("0.00 CNY");  // the same value: no change
  EXPECT_EQ(listener.FormatChanges, 4);
  controller->GetFormats();
  EXPECT_EQ(controller->GetStandardDateEditMask(), "!99.99.9999;1;_");
  EXPECT_EQ(controller->GetDateEditMask(), "!9999\\-99\\-99;1; ");
  EXPECT_EQ(controller->GetCurrencyFormatValue(), "0.00 CNY");
  EXPECT_EQ(controller->GetStartOfWeek(), dWednesday);
  EXPECT_EQ(controller->GetRegExprDateEditMask(), "\\d+");
  EXPECT_EQ(DayOfWeekOffset(EncodeDate(2024, 3, 6)), 0);
  // Clearing the flags hands the values back to the regional settings.
  controller->SetAssignedStandardDateEditMask(false);
  controller->SetAssignedCurrencyFormat(false);
  controller->SetAssignedStartOfWeek(false);
  controller->SetAssignedRegExprDateEditMask(false);
  EXPECT_EQ(listener.FormatChanges, 8);
  controller->SetAssignedRegExprDateEditMask(false);
  EXPECT_EQ(listener.FormatChanges, 8);
  EXPECT_EQ(controller->GetStandardDateEditMask(), "!9999\\-99\\-99;1; ");
  EXPECT_EQ(controller->GetCurrencyFormatValue(), "￥,0.00;￥-,0.00");
  EXPECT_EQ(controller->GetStartOfWeek(), dMonday);
  controller->SetFirstWeekOfYear(fwyFirstFourDays);
  controller->SetFirstWeekOfYear(fwyFirstFourDays);
  EXPECT_EQ(listener.FormatChanges, 9);
  controller->SetFirstWeekOfYear(fwySystem);
  controller->RemoveListener(&listener);
}

TEST(cxFormatController, UpdatesNotifyOnceWhenTheyEnd) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  TcxFormatController* controller = cxFormatController();
  TCountingListener listener;
  controller->AddListener(&listener);
  controller->BeginUpdate();
  controller->BeginUpdate();
  controller->SetAssignedCurrencyFormat(true);
  controller->SetAssignedStartOfWeek(true);
  controller->EndUpdate();
  EXPECT_EQ(listener.FormatChanges, 0);
  controller->EndUpdate();
  EXPECT_EQ(listener.FormatChanges, 1);
  controller->EndUpdate();  // unbalanced: nothing
  EXPECT_EQ(listener.FormatChanges, 1);
  controller->SetAssignedCurrencyFormat(false);
  controller->SetAssignedStartOfWeek(false);
  controller->RemoveListener(&listener);
}

TEST(cxFormatController, HiddenWindowHearsSettingAndTimeChanges) {
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  TcxFormatController* controller = cxFormatController();
  ASSERT_EQ(controller->GetWindow(), nullptr);
  TCountingListener both;
  TFormatOnlyListener formatOnly;
  controller->AddListener(&both);
  controller->AddListener(&formatOnly);
  controller->AddListener(&both);  // once only
  EXPECT_EQ(controller->ListenerCount(), 2);
  ASSERT_NE(controller->GetWindow(), nullptr);

  // The user switches the regional settings: every listener hears of it once, with the formats read.
  SelectUserLocale(LOCALE_EN_US);
  SendMessage(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
  EXPECT_EQ(both.FormatChanges, 1);
  EXPECT_EQ(formatOnly.FormatChanges, 1);
  EXPECT_EQ(both.SeenDateFormat, "mm/dd/yyyy");
  EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
  // Other setting changes are not about formats.
  SendMessage(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("WindowMetrics"));
  SendMessage(HWND_BROADCAST, WM_SETTINGCHANGE, 1, reinterpret_cast<LPARAM>("intl"));
  SendMessage(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(both.FormatChanges, 1);
  // The system time changed: only the listener that asks for it hears.
  SendMessage(HWND_BROADCAST, WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(both.TimeChanges, 1);
  EXPECT_EQ(formatOnly.FormatChanges, 1);

  controller->RemoveListener(&both);
  EXPECT_NE(controller->GetWindow(), nullptr);
  controller->RemoveListener(&formatOnly);
  controller->RemoveListener(&formatOnly);
  EXPECT_EQ(controller->GetWindow(), nullptr);
  SendMessage(HWND_BROADCAST, WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(both.TimeChanges, 1);
}

TEST(cxFormatController, ListenersMayLeaveWhileTheyAreTold) {
  TcxFormatController* controller = cxFormatController();
  struct TLeaving : TNoRefCountObject, IcxFormatControllerListener {
    IcxFormatControllerListener* Other = nullptr;
    int Calls = 0;
    void FormatChanged() override {
      ++Calls;
      cxFormatController()->RemoveListener(this);
      if (Other) cxFormatController()->RemoveListener(Other);
    }
  };
  TLeaving first, second;
  first.Other = &second;
  controller->AddListener(&first);
  controller->AddListener(&second);
  controller->FormatChanged();
  EXPECT_EQ(first.Calls, 1);
  EXPECT_EQ(second.Calls, 0);
  EXPECT_EQ(controller->ListenerCount(), 0);
  EXPECT_EQ(controller->GetWindow(), nullptr);
}

TEST(cxFormatController, OneControllerServesTheProcess) {
  TcxFormatController* global = cxFormatController();
  EXPECT_EQ(cxFormatController(), global);
  auto* other = New<TcxFormatController>();
  EXPECT_EQ(cxFormatController(), global);
  other->Free();
  EXPECT_EQ(cxFormatController(), global);
  // Freed at the unit's end, the controller is made again on the next use.
  cxFormatsFinalization();
  TcxFormatController* next = cxFormatController();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->GetStandardDateEditMask(), InternalGetDateTimeEditStandardMask(next->GetDateFormatInfo(), dtmkDate));
}
