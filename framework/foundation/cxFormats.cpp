// The format controller: formats and edit masks derived from the regional settings, the parsing of
// date-time formats into items, and the hidden window that hears of setting and time changes.
#include "cxFormats.h"

#include <algorithm>

#include "Exceptions.h"
#include "FormatSettings.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysInfo.h"
#include "WinUser.h"
#include "cxDateUtils.h"
#include "cxDateUtilsInternal.h"

namespace cxFormats {

IMPLEMENT_CLASS(TcxFormatController)

namespace {

TcxFormatController* FController = nullptr;

constexpr const char* kWindowClassName = "TcxFormatControllerWindow";

// ---- Parsing a format into items --------------------------------------------------------------------

class TFormatParser {
 public:
  explicit TFormatParser(TcxDateTimeFormatInfo& AInfo) : FInfo(AInfo) {}

  // False when the format cannot be represented (it has an era).
  bool Parse(const String& AFormat, Integer ALevel) {
    // Formats nest two levels deep at most; a deeper reference adds nothing.
    if (ALevel > 2) return true;
    const char* p = AFormat.data();
    const char* end = p + AFormat.size();
    while (p < end) {
      Char c = *p;
      if (IsDBCSLeadByte(static_cast<Byte>(c))) {
        int length = Utf8CharLen(p, end);
        AddLiteral(String(p, static_cast<size_t>(length)));
        p += length;
        continue;
      }
      if (c == '"' || c == '\'') {
        const char* close = std::find(p + 1, end, c);
        AddLiteral(String(p + 1, close));
        p = close < end ? close + 1 : end;
        continue;
      }
      Char token = static_cast<Char>(std::toupper(static_cast<unsigned char>(c)));
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && FLastLetter == 'H') token = 'N';
        FLastLetter = token;
      }
      Integer count = 1;
      while (p + count < end && p[count] == c) ++count;
      switch (token) {
        case '/': AddItem(dtikDateSeparator, "/"); p += 1; continue;
        case ':': AddItem(dtikTimeSeparator, ":"); p += 1; continue;
        case 'A': {
          size_t rest = static_cast<size_t>(end - p);
          auto startsWith = [&](const char* APattern, size_t ALength) {
            return rest >= ALength && AnsiStrLIComp(p, APattern, static_cast<Cardinal>(ALength)) == 0;
          };
          if (startsWith("AM/PM", 5)) {
            AddSuffix(String(p, 5));
            p += 5;
          } else if (startsWith("A/P", 3)) {
            AddSuffix(String(p, 3));
            p += 3;
          } else if (startsWith("AMPM", 4)) {
            AddSuffix("AMPM");
            p += 4;
          } else if (startsWith("AAAA", 4)) {
            AddItem(dtikDay, "DDDD");
            p += 4;
          } else if (startsWith("AAA", 3)) {
            AddItem(dtikDay, "DDD");
            p += 3;
          } else {
            AddLiteral(String(1, c));
            p += 1;
          }
          continue;
        }
        case 'C':
          if (!Parse(FormatSettings.ShortDateFormat, ALevel + 1)) return false;
          AddLiteral(" ");
          if (!Parse(FormatSettings.LongTimeFormat, ALevel + 1)) return false;
          break;
        case 'D':
          if (count <= 4) {
            AddItem(dtikDay, String(count, 'D'));
          } else if (!Parse(count == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, ALevel + 1)) {
            return false;
          }
          break;
        case 'E':
        case 'Y': AddItem(dtikYear, count > 2 ? "YYYY" : "YY"); break;
        case 'H':
          AddItem(dtikHour, String(std::min(count, 2), 'H'));
          break;
        case 'M': AddItem(dtikMonth, String(std::min(count, 4), 'M')); break;
        case 'N': AddItem(dtikMin, String(std::min(count, 2), 'N')); break;
        case 'S': AddItem(dtikSec, String(std::min(count, 2), 'S')); break;
        case 'Z': AddItem(dtikMSec, String(std::min(count, 3), 'Z')); break;
        case 'T':
          if (!Parse(count == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, ALevel + 1))
            return false;
          break;
        case 'G': return false;
        default: AddLiteral(String(static_cast<size_t>(count), c)); break;
      }
      p += count;
    }
    return true;
  }

  void Finish() {
    if (FInfo.DefinedItems[dtikHour]) {
      for (TcxDateTimeFormatItem& item : FInfo.Items)
        if (item.Kind == dtikHour) {
          item.Data.insert(0, FInfo.DefinedItems[dtikTimeSuffix] ? "12" : "24");
          break;
        }
    } else if (FInfo.DefinedItems[dtikTimeSuffix]) {
      std::erase_if(FInfo.Items, [](const TcxDateTimeFormatItem& item) { return item.Kind == dtikTimeSuffix; });
      FInfo.DefinedItems[dtikTimeSuffix] = false;
    }
  }

 private:
  void AddLiteral(const String& AText) {
    if (AText.empty()) return;
    if (!FInfo.Items.empty() && FInfo.Items.back().Kind == dtikString)
      FInfo.Items.back().Data += AText;
    else
      AddItem(dtikString, AText);
  }

  void AddItem(TcxDateTimeFormatItemKind AKind, const String& AData) {
    bool repeatable = AKind == dtikString || AKind == dtikDateSeparator || AKind == dtikTimeSeparator;
    if (!repeatable && FInfo.DefinedItems[AKind]) return;
    FInfo.DefinedItems[AKind] = true;
    FInfo.Items.push_back({AKind, AData});
  }

  void AddSuffix(const String& AText) { AddItem(dtikTimeSuffix, AText); }

  TcxDateTimeFormatInfo& FInfo;
  Char FLastLetter = 0;
};

bool IsSuffix(const TcxDateTimeFormatItem& AItem, const char* AText) { return SameText(AItem.Data, AText); }

Integer LongerTimeMarkerLength() {
  return std::max(StrCharLength(FormatSettings.TimeAMString), StrCharLength(FormatSettings.TimePMString));
}

bool IsTwoLetter(const TcxDateTimeFormatItem& AItem) { return AItem.Data.size() == 2; }
bool IsLongerThanTwo(const TcxDateTimeFormatItem& AItem) { return AItem.Data.size() > 2; }

// The separator in a regular expression: a quoted blank, or the character escaped.
String RegExprSeparator(Char ASeparator) {
  if (ASeparator == ' ') return "' '";
  if (ASeparator == 0) return String();
  return String("\\") + ASeparator;
}

}  // namespace

// ---- Format texts ----------------------------------------------------------------------------------

String GetCharString(Char AChar, Integer ACount) { return ACount > 0 ? String(static_cast<size_t>(ACount), AChar) : String(); }

void GetDateTimeFormatInfo(const String& AFormat, TcxDateTimeFormatInfo& AFormatInfo) {
  AFormatInfo = TcxDateTimeFormatInfo();
  TFormatParser parser(AFormatInfo);
  if (parser.Parse(AFormat.empty() ? String("C") : AFormat, 0))
    parser.Finish();
  else
    AFormatInfo = TcxDateTimeFormatInfo();
}

String InternalGetDateTimeEditStandardMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                           TcxDateTimeEditMaskKind AMaskKind) {
  if (AFormatInfo.Items.empty()) return String();
  String result = AMaskKind == dtmkTime ? "" : "!";
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) {
    switch (item.Kind) {
      case dtikString: {
        const char* p = item.Data.data();
        const char* end = p + item.Data.size();
        while (p < end) {
          int length = Utf8CharLen(p, end);
          result += '\\';
          result.append(p, static_cast<size_t>(length));
          p += length;
        }
        break;
      }
      case dtikYear: result += IsTwoLetter(item) ? "99" : "9999"; break;
      case dtikMonth:
      case dtikDay: result += IsLongerThanTwo(item) ? "lll" : "99"; break;
      case dtikHour:
      case dtikMin:
      case dtikSec: result += AMaskKind == dtmkTime ? "00" : "99"; break;
      case dtikMSec: break;
      case dtikTimeSuffix:
        if (IsSuffix(item, "A/P"))
          result += "c";
        else if (IsSuffix(item, "AM/PM"))
          result += "cc";
        else
          result += GetCharString('c', LongerTimeMarkerLength());
        break;
      case dtikDateSeparator: result += "/"; break;
      case dtikTimeSeparator: result += ":"; break;
    }
  }
  return result + (AMaskKind == dtmkTime ? ";1;0" : ";1; ");
}

String InternalGetDateTimeEditRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                          TcxDateTimeEditMaskKind AMaskKind) {
  if (AMaskKind == dtmkDateTime || AFormatInfo.Items.empty()) return String();
  String result;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) {
    if (item.Kind == dtikString) {
      result += RegExprLiteral(item.Data);
      continue;
    }
    if (AMaskKind == dtmkDate) {
      switch (item.Kind) {
        case dtikYear: result += IsTwoLetter(item) ? "\\d\\d" : "\\d\\d\\d\\d"; break;
        case dtikMonth: {
          result += "((0?[1-9]|1[012])|(";
          const auto& names = item.Data.size() == 4 ? FormatSettings.LongMonthNames : FormatSettings.ShortMonthNames;
          for (size_t i = 0; i < names.size(); ++i) result += (i ? "|" : "") + RegExprLiteral(names[i]);
          result += "))";
          break;
        }
        case dtikDay: result += "([012]?[1-9]|[123]0|31)"; break;
        case dtikDateSeparator: result += RegExprSeparator(FormatSettings.DateSeparator); break;
        default: break;
      }
    } else {
      switch (item.Kind) {
        case dtikHour: result += item.Data.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])"; break;
        case dtikMin:
        case dtikSec: result += "[0-5]?\\d"; break;
        case dtikTimeSuffix: {
          if (IsSuffix(item, "A/P")) {
            result += "(A|P)?";
          } else if (IsSuffix(item, "AM/PM")) {
            result += "(AM|PM)?";
          } else {
            const String& am = FormatSettings.TimeAMString;
            const String& pm = FormatSettings.TimePMString;
            if (!am.empty() && !pm.empty())
              result += "(" + RegExprLiteral(am) + "|" + RegExprLiteral(pm) + ")?";
            else if (!am.empty() || !pm.empty())
              result += "(" + RegExprLiteral(am.empty() ? pm : am) + ")?";
          }
          break;
        }
        case dtikTimeSeparator: result += RegExprSeparator(FormatSettings.TimeSeparator); break;
        default: break;
      }
    }
  }
  return result;
}

String InternalGetMaskedDateEditFormat(const TcxDateTimeFormatInfo& AFormatInfo) {
  String result;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) {
    switch (item.Kind) {
      case dtikString: result += "'" + item.Data + "'"; break;
      case dtikYear: result += LowerCase(item.Data); break;
      case dtikMonth: result += IsLongerThanTwo(item) ? "mmm" : "mm"; break;
      case dtikDay: result += IsLongerThanTwo(item) ? "ddd" : "dd"; break;
      case dtikHour: result += "hh"; break;
      case dtikMin: result += "nn"; break;
      case dtikSec: result += "ss"; break;
      case dtikMSec: break;
      case dtikTimeSuffix: result += LowerCase(item.Data); break;
      case dtikDateSeparator: result += "/"; break;
      case dtikTimeSeparator: result += ":"; break;
    }
  }
  return result;
}

// ---- TcxFormatController ------------------------------------------------------------------------------

void TcxFormatController::Construct() {
  inherited::Construct();
  GetFormats();
}

void TcxFormatController::Destroy() {
  if (FController == this) FController = nullptr;
  DeallocateWindow();
  FListeners.clear();
  inherited::Destroy();
}

Integer TcxFormatController::GetDateTimeFormatItemStandardMaskZoneLength(const TcxDateTimeFormatItem& AItem) {
  switch (AItem.Kind) {
    case dtikString: return StrCharLength(AItem.Data);
    case dtikYear: return IsTwoLetter(AItem) ? 2 : 4;
    case dtikMonth:
    case dtikDay: return IsLongerThanTwo(AItem) ? 3 : 2;
    case dtikHour:
    case dtikMin:
    case dtikSec: return 2;
    case dtikMSec: return 0;
    case dtikTimeSuffix:
      if (IsSuffix(AItem, "A/P")) return 1;
      if (IsSuffix(AItem, "AM/PM")) return 2;
      return LongerTimeMarkerLength();
    case dtikDateSeparator:
    case dtikTimeSeparator: return 1;
  }
  return 0;
}

Integer TcxFormatController::GetDateTimeStandardMaskStringLength(const TcxDateTimeFormatInfo& AFormatInfo) {
  Integer result = 0;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) result += GetDateTimeFormatItemStandardMaskZoneLength(item);
  return result;
}

bool TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(const TcxDateTimeFormatInfo& AFormatInfo,
                                                                Integer APosition,
                                                                TcxDateTimeFormatItemInfo& AItemInfo) {
  if (APosition <= 0) return false;
  Integer zoneStart = 1;
  for (const TcxDateTimeFormatItem& item : AFormatInfo.Items) {
    Integer length = GetDateTimeFormatItemStandardMaskZoneLength(item);
    if (zoneStart + length > APosition) {
      AItemInfo.Kind = item.Kind;
      AItemInfo.ItemZoneStart = zoneStart;
      AItemInfo.ItemZoneLength = length;
      if (item.Kind == dtikTimeSuffix)
        AItemInfo.TimeSuffixKind = IsSuffix(item, "A/P") ? tskAP : IsSuffix(item, "AM/PM") ? tskAMPM : tskAMPMString;
      return true;
    }
    zoneStart += length;
  }
  return false;
}

String TcxFormatController::GetDateTimeDisplayFormat(TcxDateTimeEditMaskKind AMaskKind) {
  switch (AMaskKind) {
    case dtmkDate: return FormatSettings.ShortDateFormat;
    case dtmkTime: return FormatSettings.LongTimeFormat;
    default: return FormatSettings.ShortDateFormat + " " + FormatSettings.LongTimeFormat;
  }
}

String TcxFormatController::GetCurrencyFormat() {
  String number = ",0." + GetCharString('0', FormatSettings.CurrencyDecimals);
  String symbol;
  for (Char c : FormatSettings.CurrencyString) {
    if (c == ',' || c == '.')
      symbol += String("'") + c + "'";
    else
      symbol += c;
  }
  String positive;
  if (!symbol.empty()) {
    switch (FormatSettings.CurrencyFormat) {
      case 0: positive = symbol + number; break;
      case 1: positive = number + symbol; break;
      case 2: positive = symbol + " " + number; break;
      default: positive = number + " " + symbol; break;
    }
  }
  String negative;
  switch (FormatSettings.NegCurrFormat) {
    case 0: negative = "(" + symbol + number + ")"; break;
    case 1: negative = "-" + symbol + number; break;
    case 2: negative = symbol + "-" + number; break;
    case 3: negative = symbol + number + "-"; break;
    case 4: negative = "(" + number + symbol + ")"; break;
    case 5: negative = "-" + number + symbol; break;
    case 6: negative = number + "-" + symbol; break;
    case 7: negative = number + symbol + "-"; break;
    case 8: negative = "-" + number + " " + symbol; break;
    case 9: negative = "-" + symbol + " " + number; break;
    case 10: negative = number + " " + symbol + "-"; break;
    case 11: negative = symbol + " " + number + "-"; break;
    case 12: negative = symbol + " -" + number; break;
    case 13: negative = number + "- " + symbol; break;
    case 14: negative = "(" + symbol + " " + number + ")"; break;
    case 15: negative = "(" + number + " " + symbol + ")"; break;
    default: break;
  }
  return positive + ";" + negative;
}

String TcxFormatController::GetDateEditFormat(bool AIsMasked) {
  const String& format = FormatSettings.ShortDateFormat;
  String result;
  for (size_t i = 0; i < format.size(); ++i) {
    Char c = format[i];
    result += c;
    if (c == 'd' || c == 'M') {
      bool single = (i == 0 || format[i - 1] != c) && (i + 1 == format.size() || format[i + 1] != c);
      if (single) result += c;
    }
  }
  if (AIsMasked) {
    size_t start = result.find('M');
    if (start != String::npos) {
      size_t end = start;
      while (end < result.size() && result[end] == 'M') ++end;
      if (end - start > 3) result.erase(start + 3, end - start - 3);
    }
  }
  return result;
}

void TcxFormatController::CalculateDateEditMasks(bool AUseSmartInputWhenRegExpr) {
  cxFormats::GetDateTimeFormatInfo(GetDateTimeDisplayFormat(dtmkDate), FDateFormatInfo);
  cxFormats::GetDateTimeFormatInfo(GetDateTimeDisplayFormat(dtmkTime), FTimeFormatInfo);
  cxFormats::GetDateTimeFormatInfo(GetDateTimeDisplayFormat(dtmkDateTime), FDateTimeFormatInfo);

  FDateEditMask = InternalGetDateTimeEditStandardMask(FDateFormatInfo, dtmkDate);
  if (!FAssignedStandardDateEditMask) FStandardDateEditMask = FDateEditMask;
  if (!FAssignedRegExprDateEditMask) {
    FRegExprDateEditMask = InternalGetDateTimeEditRegExprMask(FDateFormatInfo, dtmkDate);
    if (AUseSmartInputWhenRegExpr) AddDateRegExprMaskSmartInput(FRegExprDateEditMask, false);
  }
  if (!FAssignedRegExprDateTimeEditMask) {
    // The time is optional after a blank.
    FRegExprDateTimeEditMask = InternalGetDateTimeEditRegExprMask(FDateFormatInfo, dtmkDate) + " ' '(" +
                               InternalGetDateTimeEditRegExprMask(FTimeFormatInfo, dtmkTime) + ")?";
    if (AUseSmartInputWhenRegExpr) AddDateRegExprMaskSmartInput(FRegExprDateTimeEditMask, true);
  }
  if (!FAssignedStandardDateTimeEditMask)
    FStandardDateTimeEditMask = InternalGetDateTimeEditStandardMask(FDateTimeFormatInfo, dtmkDateTime);
  FMaskedDateEditFormat = InternalGetMaskedDateEditFormat(FDateFormatInfo);
  FMaskedDateTimeEditFormat = InternalGetMaskedDateEditFormat(FDateTimeFormatInfo);
}

void TcxFormatController::GetFormats() {
  if (!FController) FController = this;
  if (!FAssignedCurrencyFormat) FCurrencyFormat = GetCurrencyFormat();
  if (!FAssignedStartOfWeek) FStartOfWeek = cxDateUtils::GetStartOfWeek();
  CalculateDateEditMasks(true);
  FDateEditFormat = GetDateEditFormat(false);
}

void TcxFormatController::BeginUpdate() { ++FLockCount; }

void TcxFormatController::EndUpdate() {
  if (FLockCount > 0 && --FLockCount == 0) FormatChanged();
}

void TcxFormatController::FormatChanged() {
  if (FLockCount != 0) return;
  GetFormats();
  NotifyListeners();
}

void TcxFormatController::NotifyListeners() {
  // A listener may remove itself or another one while it is told; one that has gone is skipped.
  std::vector<IcxFormatControllerListener*> listeners = FListeners;
  for (IcxFormatControllerListener* listener : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end()) listener->FormatChanged();
}

void TcxFormatController::TimeChanged() {
  std::vector<IcxFormatControllerListener*> listeners = FListeners;
  for (IcxFormatControllerListener* listener : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end())
      if (auto* listener2 = dynamic_cast<IcxFormatControllerListener2*>(listener)) listener2->TimeChanged();
}

void TcxFormatController::AddListener(IcxFormatControllerListener* AListener) {
  if (!AListener || std::find(FListeners.begin(), FListeners.end(), AListener) != FListeners.end()) return;
  FListeners.push_back(AListener);
  if (FListeners.size() == 1) AllocateWindow();
}

void TcxFormatController::RemoveListener(IcxFormatControllerListener* AListener) {
  auto at = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (at == FListeners.end()) return;
  FListeners.erase(at);
  if (FListeners.empty()) DeallocateWindow();
}

void TcxFormatController::SetAssigned(bool& AFlag, bool Value) {
  if (AFlag == Value) return;
  AFlag = Value;
  FormatChanged();
}

void TcxFormatController::SetMask(String& AMask, bool& AAssigned, const String& Value) {
  AAssigned = true;
  if (AMask == Value) return;
  AMask = Value;
  FormatChanged();
}

void TcxFormatController::SetCurrencyFormat(const String& Value) {
  SetMask(FCurrencyFormat, FAssignedCurrencyFormat, Value);
}

void TcxFormatController::SetStandardDateEditMask(const String& Value) {
  SetMask(FStandardDateEditMask, FAssignedStandardDateEditMask, Value);
}

void TcxFormatController::SetStandardDateTimeEditMask(const String& Value) {
  SetMask(FStandardDateTimeEditMask, FAssignedStandardDateTimeEditMask, Value);
}

void TcxFormatController::SetRegExprDateEditMask(const String& Value) {
  SetMask(FRegExprDateEditMask, FAssignedRegExprDateEditMask, Value);
}

void TcxFormatController::SetRegExprDateTimeEditMask(const String& Value) {
  SetMask(FRegExprDateTimeEditMask, FAssignedRegExprDateTimeEditMask, Value);
}

void TcxFormatController::SetStartOfWeek(TDay Value) {
  FAssignedStartOfWeek = true;
  if (FStartOfWeek == Value) return;
  FStartOfWeek = Value;
  FormatChanged();
}

void TcxFormatController::SetFirstWeekOfYear(TcxFirstWeekOfYear Value) {
  if (FFirstWeekOfYear == Value) return;
  FFirstWeekOfYear = Value;
  FormatChanged();
}

void TcxFormatController::SetAssignedCurrencyFormat(bool Value) { SetAssigned(FAssignedCurrencyFormat, Value); }
void TcxFormatController::SetAssignedStartOfWeek(bool Value) { SetAssigned(FAssignedStartOfWeek, Value); }
void TcxFormatController::SetAssignedStandardDateEditMask(bool Value) {
  SetAssigned(FAssignedStandardDateEditMask, Value);
}
void TcxFormatController::SetAssignedStandardDateTimeEditMask(bool Value) {
  SetAssigned(FAssignedStandardDateTimeEditMask, Value);
}
void TcxFormatController::SetAssignedRegExprDateEditMask(bool Value) {
  SetAssigned(FAssignedRegExprDateEditMask, Value);
}
void TcxFormatController::SetAssignedRegExprDateTimeEditMask(bool Value) {
  SetAssigned(FAssignedRegExprDateTimeEditMask, Value);
}

void TcxFormatController::SetUseCorvelDateTimeFormats(bool Value) {
  if (FUseCorvelDateTimeFormats == Value) return;
  FUseCorvelDateTimeFormats = Value;
  FormatChanged();
  MinYear = Value ? 1 : 100;
}

// ---- The hidden window --------------------------------------------------------------------------------

LRESULT TcxFormatController::HiddenWindowProc(HWND AWnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* controller = reinterpret_cast<TcxFormatController*>(GetWindowLongPtr(AWnd, GWLP_USERDATA));
  if (!controller) return DefWindowProc(AWnd, Msg, WParam, LParam);
  LRESULT result = 0;
  controller->MainWndProc(Msg, WParam, LParam, result);
  return result;
}

void TcxFormatController::MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& AResult) {
  // The window procedure is the end of the line for an exception: it must not unwind into the
  // message dispatch, so it stops here and the message counts as handled.
  try {
    AResult = WndProc(Msg, WParam, LParam);
  } catch (const std::exception&) {
    AResult = 0;
  }
}

LRESULT TcxFormatController::WndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SETTINGCHANGE) {
    const char* section = reinterpret_cast<const char*>(LParam);
    if (WParam == 0 && section && SameText(section, "intl")) {
      GetFormatSettings();
      GetFormats();
      NotifyListeners();
      return 0;
    }
  } else if (Msg == WM_TIMECHANGE) {
    TimeChanged();
    return 0;
  }
  return DefWindowProc(FWindow, Msg, WParam, LParam);
}

void TcxFormatController::AllocateWindow() {
  if (FWindow) return;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetModuleHandle(nullptr));
  WNDCLASS windowClass{};
  if (!GetClassInfo(instance, kWindowClassName, &windowClass)) {
    windowClass.lpfnWndProc = &HiddenWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClassName;
    RegisterClass(&windowClass);
  }
  FWindow = CreateWindowEx(0, kWindowClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (FWindow) SetWindowLongPtr(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TcxFormatController::DeallocateWindow() {
  if (!FWindow) return;
  HWND window = FWindow;
  FWindow = nullptr;
  SetWindowLongPtr(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

// ---- The process-wide controller ----------------------------------------------------------------------

TcxFormatController* cxFormatController() {
  // The constructor reads the formats, and so makes itself the process-wide controller.
  if (!FController) New<TcxFormatController>();
  return FController;
}

void cxFormatsFinalization() { FreeAndNil(FController); }

}  // namespace cxFormats
