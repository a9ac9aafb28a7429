// The unit cxFormats: the process-wide format controller. It derives the editors' date, time and
// currency formats from the regional settings (the global FormatSettings): the standard and the
// regular-expression edit masks of dates and date-times, the display formats of masked date editing,
// the currency display format and the first day of the week. A value set by the application is
// marked assigned, and later recalculations leave it alone. While listeners are registered a hidden
// window watches for regional-setting changes (WM_SETTINGCHANGE "intl") and system-time changes
// (WM_TIMECHANGE) and tells them.
#pragma once

#include <vector>

#include "Interfaces.h"
#include "WinDef.h"
#include "cxDateUtilsCalendars.h"

namespace cxFormats {

// ---- Parsed date-time formats -----------------------------------------------------------------------
enum TcxDateTimeEditMaskKind { dtmkDate, dtmkTime, dtmkDateTime };
enum TcxDateTimeFormatItemKind {
  dtikString, dtikYear, dtikMonth, dtikDay, dtikHour, dtikMin, dtikSec, dtikMSec, dtikTimeSuffix,
  dtikDateSeparator, dtikTimeSeparator
};
constexpr Integer cxDateTimeFormatItemKindCount = dtikTimeSeparator + 1;
enum TcxTimeSuffixKind { tskAP, tskAMPM, tskAMPMString };

// Data: the literal text, the pattern letters in upper case ("YYYY", "MM", "DD", an hour prefixed
// with "12" or "24"), or the time suffix as written.
struct TcxDateTimeFormatItem {
  TcxDateTimeFormatItemKind Kind = dtikString;
  String Data;
};

struct TcxDateTimeFormatInfo {
  bool DefinedItems[cxDateTimeFormatItemKindCount] = {};  // whether the kind occurs
  std::vector<TcxDateTimeFormatItem> Items;               // in format order
};

struct TcxDateTimeFormatItemInfo {
  TcxDateTimeFormatItemKind Kind = dtikString;
  Integer ItemZoneStart = 0;  // 1-based position in the standard mask text
  Integer ItemZoneLength = 0;
  TcxTimeSuffixKind TimeSuffixKind = tskAP;
};

// ---- Listeners --------------------------------------------------------------------------------------
class IcxFormatControllerListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxFormatControllerListener, "{FEC9BBAF-EED1-4777-A9B6-D7BABE4FF097}")
 public:
  virtual void FormatChanged() = 0;
};

// Implemented by a listener that also wants to hear of changes of the system time.
class IcxFormatControllerListener2 : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxFormatControllerListener2, "{2E60AC91-A4C7-4E75-9A62-047C63A6736A}")
 public:
  virtual void TimeChanged() = 0;
};

// ---- The controller ---------------------------------------------------------------------------------
class TcxFormatController : public TObject {
  DECLARE_CLASS(TcxFormatController, TObject)
 public:
  virtual LRESULT WndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
  // A listener is added once and is not counted; the first one brings the hidden window, the last
  // one to go takes it away.
  virtual void AddListener(IcxFormatControllerListener* AListener);
  virtual void RemoveListener(IcxFormatControllerListener* AListener);

  void BeginUpdate();
  void EndUpdate();
  void NotifyListeners();
  // Recalculates and notifies unless an update is open.
  void FormatChanged();
  void TimeChanged();
  void GetFormats();
  void CalculateDateEditMasks(bool AUseSmartInputWhenRegExpr);

  String GetCurrencyFormat();
  String GetDateEditFormat(bool AIsMasked);
  String GetDateTimeDisplayFormat(TcxDateTimeEditMaskKind AMaskKind);
  TDay GetStartOfWeek() const { return FStartOfWeek; }
  TcxFirstWeekOfYear GetFirstWeekOfYear() const { return FFirstWeekOfYear; }
  bool GetUseCorvelDateTimeFormats() const { return FUseCorvelDateTimeFormats; }
  const String& GetCurrencyFormatValue() const { return FCurrencyFormat; }
  const String& GetDateEditMask() const { return FDateEditMask; }
  const String& GetStandardDateEditMask() const { return FStandardDateEditMask; }
  const String& GetRegExprDateEditMask() const { return FRegExprDateEditMask; }
  const String& GetStandardDateTimeEditMask() const { return FStandardDateTimeEditMask; }
  const String& GetRegExprDateTimeEditMask() const { return FRegExprDateTimeEditMask; }
  const String& GetMaskedDateEditFormat() const { return FMaskedDateEditFormat; }
  const String& GetMaskedDateTimeEditFormat() const { return FMaskedDateTimeEditFormat; }
  const String& GetDateEditFormatValue() const { return FDateEditFormat; }
  const TcxDateTimeFormatInfo& GetDateFormatInfo() const { return FDateFormatInfo; }
  const TcxDateTimeFormatInfo& GetTimeFormatInfo() const { return FTimeFormatInfo; }
  const TcxDateTimeFormatInfo& GetDateTimeFormatInfo() const { return FDateTimeFormatInfo; }
  bool GetAssignedCurrencyFormat() const { return FAssignedCurrencyFormat; }
  bool GetAssignedStartOfWeek() const { return FAssignedStartOfWeek; }
  bool GetAssignedStandardDateEditMask() const { return FAssignedStandardDateEditMask; }
  bool GetAssignedStandardDateTimeEditMask() const { return FAssignedStandardDateTimeEditMask; }
  bool GetAssignedRegExprDateEditMask() const { return FAssignedRegExprDateEditMask; }
  bool GetAssignedRegExprDateTimeEditMask() const { return FAssignedRegExprDateTimeEditMask; }
  HWND GetWindow() const { return FWindow; }
  Integer ListenerCount() const { return static_cast<Integer>(FListeners.size()); }

  static Integer GetDateTimeFormatItemStandardMaskZoneLength(const TcxDateTimeFormatItem& AItem);
  static Integer GetDateTimeStandardMaskStringLength(const TcxDateTimeFormatInfo& AFormatInfo);
  static bool GetDateTimeFormatItemStandardMaskInfo(const TcxDateTimeFormatInfo& AFormatInfo, Integer APosition,
                                                    TcxDateTimeFormatItemInfo& AItemInfo);

  void SetCurrencyFormat(const String& Value);
  void SetStandardDateEditMask(const String& Value);
  void SetStandardDateTimeEditMask(const String& Value);
  void SetRegExprDateEditMask(const String& Value);
  void SetRegExprDateTimeEditMask(const String& Value);
  void SetStartOfWeek(TDay Value);
  void SetFirstWeekOfYear(TcxFirstWeekOfYear Value);
  void SetAssignedCurrencyFormat(bool Value);
  void SetAssignedStartOfWeek(bool Value);
  void SetAssignedStandardDateEditMask(bool Value);
  void SetAssignedStandardDateTimeEditMask(bool Value);
  void SetAssignedRegExprDateEditMask(bool Value);
  void SetAssignedRegExprDateTimeEditMask(bool Value);
  // Also sets the date services' MinYear: 1 while set, 100 otherwise.
  void SetUseCorvelDateTimeFormats(bool Value);

 protected:
  TcxFormatController() = default;
  void Construct() override;
  void Destroy() override;

 private:
  static LRESULT HiddenWindowProc(HWND AWnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& AResult);
  void AllocateWindow();
  void DeallocateWindow();
  void SetAssigned(bool& AFlag, bool Value);
  void SetMask(String& AMask, bool& AAssigned, const String& Value);

  std::vector<IcxFormatControllerListener*> FListeners;
  HWND FWindow = nullptr;
  Integer FLockCount = 0;
  TcxFirstWeekOfYear FFirstWeekOfYear = fwySystem;
  bool FUseCorvelDateTimeFormats = false;
  TDay FStartOfWeek = dSunday;
  String FCurrencyFormat;
  String FDateEditMask;
  String FStandardDateEditMask;
  String FRegExprDateEditMask;
  String FRegExprDateTimeEditMask;
  String FStandardDateTimeEditMask;
  String FMaskedDateEditFormat;
  String FMaskedDateTimeEditFormat;
  String FDateEditFormat;
  TcxDateTimeFormatInfo FDateFormatInfo;
  TcxDateTimeFormatInfo FTimeFormatInfo;
  TcxDateTimeFormatInfo FDateTimeFormatInfo;
  bool FAssignedCurrencyFormat = false;
  bool FAssignedStartOfWeek = false;
  bool FAssignedStandardDateEditMask = false;
  bool FAssignedStandardDateTimeEditMask = false;
  bool FAssignedRegExprDateEditMask = false;
  bool FAssignedRegExprDateTimeEditMask = false;
};

// The process-wide controller, made on first use (reading every format) and freed when the unit ends.
TcxFormatController* cxFormatController();

// ---- Format texts ----------------------------------------------------------------------------------
String GetCharString(Char AChar, Integer ACount);
// An empty format is parsed as "C"; a format that cannot be represented (an era) gives an empty info.
void GetDateTimeFormatInfo(const String& AFormat, TcxDateTimeFormatInfo& AFormatInfo);
String InternalGetDateTimeEditStandardMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                           TcxDateTimeEditMaskKind AMaskKind);
String InternalGetDateTimeEditRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo,
                                          TcxDateTimeEditMaskKind AMaskKind);
String InternalGetMaskedDateEditFormat(const TcxDateTimeFormatInfo& AFormatInfo);

// ---- Unit routines -----------------------------------------------------------------------------------
void cxFormatsFinalization();

}  // namespace cxFormats

using namespace cxFormats;
