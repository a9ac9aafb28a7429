// The theme manager: the handle cache, the hidden window that hears WM_THEMECHANGED, and the list of
// subscribers.
#include "dxThemeManager.h"

#include <algorithm>
#include <vector>

#include "SysInfo.h"
#include "WinUser.h"

namespace dxThemeManager {

IMPLEMENT_CLASS(TdxThemeChangedNotificator)

namespace {

constexpr int kTypeCount = totWindow + 1;
const char16_t* const kDefaultNames[kTypeCount] = {
    u"Button",  u"Clock",    u"ComboBox",   u"Edit",     u"ExplorerBar", u"Header",   u"ListBox",
    u"ListView", u"Menu",    u"Page",       u"Progress", u"Rebar",       u"ScrollBar", u"Spin",
    u"StartPanel", u"Status", u"Tab",       u"TaskBand", u"TaskBar",     u"ToolBar",  u"ToolTip",
    u"TrackBar", u"TrayNotify", u"TreeView", u"Window"};
constexpr const char* kWindowClassName = "TdxThemeChangedEventReceiver";

TdxThemeData FThemes[kTypeCount];
bool FVisualStylesActive = false;
HWND FReceiver = nullptr;
std::vector<TdxThemeChangedNotificator*>* FNotificators = nullptr;

WideString UpperCase16(const WideString& s) {
  WideString r = s;
  for (char16_t& c : r)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return r;
}

void NotifyThemeChanged() {
  if (!FNotificators) return;
  // Over the subscribers counted before the first call; one that leaves meanwhile is skipped.
  std::vector<TdxThemeChangedNotificator*> subscribers = *FNotificators;
  for (TdxThemeChangedNotificator* n : subscribers) {
    if (std::find(FNotificators->begin(), FNotificators->end(), n) == FNotificators->end()) continue;
    if (n->OnThemeChanged) n->OnThemeChanged();
  }
}

LRESULT ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_THEMECHANGED) return DefWindowProc(hwnd, msg, wParam, lParam);
  try {
    CloseAllThemes();
    DefWindowProc(hwnd, msg, wParam, lParam);
    FVisualStylesActive = dxUxTheme::IsThemeActive();
    NotifyThemeChanged();
  } catch (const std::exception&) {
    // A subscriber's failure must not leave the window procedure; the change itself is done.
  }
  return 0;
}

void CreateReceiver() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetModuleHandle(nullptr));
  WNDCLASS windowClass{};
  if (!GetClassInfo(instance, kWindowClassName, &windowClass)) {
    windowClass.lpfnWndProc = &ReceiverProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClassName;
    RegisterClass(&windowClass);
  }
  FReceiver = CreateWindowEx(0, kWindowClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

void DestroyReceiver() {
  if (FReceiver) DestroyWindow(FReceiver);
  FReceiver = nullptr;
  FVisualStylesActive = false;
}

}  // namespace

void TdxThemeChangedNotificator::Construct() {
  inherited::Construct();
  if (FNotificators) FNotificators->push_back(this);
}

void TdxThemeChangedNotificator::Destroy() {
  if (FNotificators) std::erase(*FNotificators, this);
  inherited::Destroy();
}

const TdxThemeData& GetThemeData(TdxThemedObjectType AThemedObjectType) { return FThemes[AThemedObjectType]; }

TdxTheme OpenTheme(TdxThemedObjectType AThemedObjectType, const char16_t* AClassList) {
  if (!AreVisualStylesAvailable()) return nullptr;
  TdxThemeData& data = FThemes[AThemedObjectType];
  if (data.Theme) {
    if (!AClassList || UpperCase16(AClassList) == UpperCase16(data.ClassList)) return data.Theme;
    CloseTheme(AThemedObjectType);
  }
  WideString list = AClassList ? WideString(AClassList)
                    : !data.ClassList.empty() ? data.ClassList
                                              : WideString(kDefaultNames[AThemedObjectType]);
  data.Theme = dxUxTheme::OpenThemeData(nullptr, list.c_str());
  if (data.Theme) data.ClassList = list;
  else data.ClassList.clear();
  return data.Theme;
}

HRESULT CloseTheme(TdxThemedObjectType AThemedObjectType) {
  if (!AreVisualStylesAvailable()) return 1;
  TdxThemeData& data = FThemes[AThemedObjectType];
  if (!data.Theme) return 0;
  HRESULT result = dxUxTheme::CloseThemeData(data.Theme);
  data.Theme = nullptr;
  data.ClassList.clear();
  return result;
}

void CloseAllThemes() {
  for (TdxThemeData& data : FThemes)
    if (data.Theme) {
      dxUxTheme::CloseThemeData(data.Theme);
      data.Theme = nullptr;
    }
}

bool AreVisualStylesAvailable(TdxThemedObjectType AThemedObjectType) {
  return FVisualStylesActive && IsThemeLibraryLoaded() && OpenTheme(AThemedObjectType) != nullptr;
}

bool AreVisualStylesAvailable(const TdxThemedObjectTypes& AThemedObjectTypes) {
  if (!FVisualStylesActive || !IsThemeLibraryLoaded()) return false;
  for (int t = 0; t < kTypeCount; ++t)
    if (AThemedObjectTypes.Contains(static_cast<TdxThemedObjectType>(t)) &&
        !OpenTheme(static_cast<TdxThemedObjectType>(t)))
      return false;
  return true;
}

bool IsStandardTheme() {
  if (!AreVisualStylesAvailable()) return false;
  char16_t file[1024] = {};
  if (dxUxTheme::GetCurrentThemeName(file, 1024, nullptr, 0, nullptr, 0) != S_OK) return false;
  WideString name(file);
  size_t slash = name.find_last_of(u"\\/");
  if (slash != WideString::npos) name.erase(0, slash + 1);
  name = UpperCase16(name);
  return name == u"LUNA.MSSTYLES" || name == u"ROYALE.MSSTYLES";
}

void dxThemeManagerInitialization() {
  if (!IsThemeLibraryLoaded()) return;
  FVisualStylesActive = dxUxTheme::IsThemeActive();
  FNotificators = new std::vector<TdxThemeChangedNotificator*>();
  CreateReceiver();
}

void dxThemeManagerFinalization() {
  if (IsThemeLibraryLoaded()) {
    DestroyReceiver();
    CloseAllThemes();
    delete FNotificators;
    FNotificators = nullptr;
  }
  for (TdxThemeData& data : FThemes) data = TdxThemeData{};
}

}  // namespace dxThemeManager
