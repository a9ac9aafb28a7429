// Theme handles, the current theme and colour scheme, switching the look, the application's theme
// properties, buffered painting (absent) and the services' entries as a run-time library.
#include <cstring>
#include <map>
#include <set>

#include "Messages.h"
#include "SysInfo.h"
#include "UxThemeInternals.h"
#include "WinQueue.h"
#include "WinManage.h"

namespace UxThemeInternals {

namespace {

constexpr uint32_t kThemeMagic = 0x54484D45;  // "THME"

const char16_t* const kClassNames[tcClassCount] = {
    u"BUTTON",  u"CLOCK",    u"COMBOBOX", u"EDIT",       u"EXPLORERBAR", u"HEADER",  u"LISTBOX",
    u"LISTVIEW", u"MENU",    u"PAGE",     u"PROGRESS",   u"REBAR",       u"SCROLLBAR", u"SPIN",
    u"STARTPANEL", u"STATUS", u"TAB",     u"TASKBAND",   u"TASKBAR",     u"TOOLBAR", u"TOOLTIP",
    u"TRACKBAR", u"TRAYNOTIFY", u"TREEVIEW", u"WINDOW"};

struct TThemeState {
  bool Active = true;
  TThemeColorScheme Scheme = tcsNormalColor;
  DWORD AppProperties = STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT;
  std::set<const TThemeRecord*> Live;
  std::map<HWND, HTHEME> WindowThemes;
  std::map<HWND, DWORD> DialogTextures;
};

TThemeState& State() {
  static TThemeState state;
  return state;
}

char16_t Upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

// The first class of a semicolon-separated list that the layer knows; a list item may carry a
// sub-application prefix ("Explorer::Button"), which is ignored.
bool FindClass(LPCWSTR list, TThemeClass& cls) {
  if (!list) return false;
  std::u16string item;
  for (const char16_t* p = list;; ++p) {
    if (*p == u';' || *p == 0) {
      size_t colons = item.rfind(u"::");
      if (colons != std::u16string::npos) item.erase(0, colons + 2);
      for (int i = 0; i < tcClassCount; ++i)
        if (item == kClassNames[i]) {
          cls = static_cast<TThemeClass>(i);
          return true;
        }
      item.clear();
      if (*p == 0) return false;
    } else if (*p != u' ') {
      item += Upper(*p);
    }
  }
}

// The blue, olive and silver colours of the standard style.
const TThemePalette kPalettes[3] = {
    {RGB(0, 60, 116), RGB(255, 255, 255), RGB(214, 208, 197), RGB(226, 226, 218), RGB(236, 235, 230),
     RGB(255, 240, 207), RGB(229, 151, 0), RGB(206, 231, 255), RGB(105, 130, 238),
     RGB(202, 221, 252), RGB(166, 196, 250), RGB(151, 177, 239), RGB(224, 236, 255), RGB(186, 210, 252),
     RGB(77, 97, 133), RGB(249, 249, 246), RGB(33, 161, 33), RGB(127, 157, 185),
     RGB(145, 155, 156), RGB(252, 252, 254), RGB(236, 235, 230), RGB(255, 200, 60), RGB(252, 252, 254),
     RGB(235, 234, 219), RGB(214, 210, 194), RGB(203, 199, 184),
     RGB(0, 88, 238), RGB(61, 149, 255), RGB(122, 150, 223), RGB(157, 185, 235), RGB(255, 255, 255),
     RGB(232, 97, 57), RGB(196, 57, 15), RGB(255, 255, 225), RGB(118, 118, 118),
     RGB(142, 221, 138), RGB(40, 170, 40),
     RGB(0, 0, 0), RGB(161, 161, 146), RGB(245, 244, 234), RGB(201, 199, 186)},
    {RGB(55, 98, 6), RGB(255, 255, 255), RGB(214, 208, 197), RGB(226, 226, 218), RGB(236, 235, 230),
     RGB(255, 240, 207), RGB(229, 151, 0), RGB(194, 209, 143), RGB(177, 203, 128),
     RGB(228, 235, 200), RGB(197, 211, 150), RGB(164, 180, 118), RGB(240, 245, 220), RGB(210, 222, 170),
     RGB(80, 100, 50), RGB(249, 249, 246), RGB(33, 161, 33), RGB(164, 185, 127),
     RGB(147, 160, 112), RGB(252, 252, 248), RGB(236, 235, 220), RGB(255, 200, 60), RGB(252, 252, 248),
     RGB(235, 234, 219), RGB(214, 210, 194), RGB(203, 199, 184),
     RGB(142, 160, 96), RGB(189, 203, 150), RGB(188, 200, 160), RGB(210, 220, 185), RGB(255, 255, 255),
     RGB(232, 97, 57), RGB(196, 57, 15), RGB(255, 255, 225), RGB(118, 118, 118),
     RGB(179, 204, 110), RGB(110, 150, 40),
     RGB(0, 0, 0), RGB(161, 161, 146), RGB(245, 244, 234), RGB(201, 199, 186)},
    {RGB(21, 66, 139), RGB(255, 255, 255), RGB(214, 213, 225), RGB(223, 223, 232), RGB(236, 236, 242),
     RGB(255, 240, 207), RGB(229, 151, 0), RGB(200, 206, 230), RGB(150, 160, 200),
     RGB(236, 236, 242), RGB(205, 206, 220), RGB(165, 164, 190), RGB(250, 250, 252), RGB(220, 221, 235),
     RGB(75, 75, 100), RGB(249, 249, 250), RGB(33, 161, 33), RGB(165, 172, 178),
     RGB(145, 155, 156), RGB(252, 252, 254), RGB(236, 236, 242), RGB(255, 200, 60), RGB(252, 252, 254),
     RGB(241, 241, 244), RGB(214, 214, 222), RGB(190, 190, 200),
     RGB(165, 164, 190), RGB(230, 230, 240), RGB(200, 200, 210), RGB(225, 225, 232), RGB(0, 0, 0),
     RGB(232, 97, 57), RGB(196, 57, 15), RGB(255, 255, 225), RGB(118, 118, 118),
     RGB(142, 221, 138), RGB(40, 170, 40),
     RGB(0, 0, 0), RGB(161, 161, 146), RGB(245, 245, 247), RGB(201, 199, 186)}};

void Broadcast() { SendMessage(HWND_BROADCAST, WM_THEMECHANGED, 0, 0); }

int CopyOut(const char16_t* text, LPWSTR buffer, int maxChars) {
  if (!buffer) return 0;
  if (maxChars <= 0) return -1;
  int n = 0;
  while (text[n] && n < maxChars - 1) {
    buffer[n] = text[n];
    ++n;
  }
  buffer[n] = 0;
  return text[n] ? -1 : n;
}

}  // namespace

const TThemeRecord* ThemeOf(HTHEME theme) {
  auto* record = reinterpret_cast<const TThemeRecord*>(theme);
  TThemeState& s = State();
  if (!record || !s.Active || !s.Live.count(record) || record->Magic != kThemeMagic) return nullptr;
  return record;
}

const TThemePalette& Palette() { return kPalettes[State().Scheme]; }

}  // namespace UxThemeInternals

namespace UxTheme {

HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList) {
  TThemeState& s = State();
  TThemeClass cls;
  if (!s.Active || !(s.AppProperties & STAP_ALLOW_CONTROLS) || !FindClass(classList, cls)) return nullptr;
  auto* record = new TThemeRecord{kThemeMagic, cls};
  s.Live.insert(record);
  HTHEME theme = reinterpret_cast<HTHEME>(record);
  if (hwnd) s.WindowThemes[hwnd] = theme;
  return theme;
}

HRESULT CloseThemeData(HTHEME theme) {
  TThemeState& s = State();
  auto* record = reinterpret_cast<TThemeRecord*>(theme);
  if (!record || !s.Live.erase(record)) return E_HANDLE;
  for (auto it = s.WindowThemes.begin(); it != s.WindowThemes.end();)
    it = it->second == theme ? s.WindowThemes.erase(it) : std::next(it);
  record->Magic = 0;
  delete record;
  return S_OK;
}

HTHEME GetWindowTheme(HWND hwnd) {
  auto it = State().WindowThemes.find(hwnd);
  return it == State().WindowThemes.end() || !ThemeOf(it->second) ? nullptr : it->second;
}

HRESULT SetWindowTheme(HWND hwnd, LPCWSTR, LPCWSTR) {
  if (!IsWindow(hwnd)) return E_HANDLE;
  SendMessage(hwnd, WM_THEMECHANGED, 0, 0);
  return S_OK;
}

BOOL IsThemeActive() { return State().Active ? TRUE : FALSE; }
BOOL IsAppThemed() { return State().Active && State().AppProperties != 0 ? TRUE : FALSE; }
DWORD GetThemeAppProperties() { return State().AppProperties; }
void SetThemeAppProperties(DWORD flags) { State().AppProperties = flags; }

HRESULT EnableThemeDialogTexture(HWND hwnd, DWORD flags) {
  if (!IsWindow(hwnd)) return E_HANDLE;
  State().DialogTextures[hwnd] = flags;
  return S_OK;
}

BOOL IsThemeDialogTextureEnabled(HWND hwnd) {
  auto it = State().DialogTextures.find(hwnd);
  return it != State().DialogTextures.end() && (it->second & ETDT_ENABLE) && IsWindow(hwnd) ? TRUE : FALSE;
}

HRESULT GetCurrentThemeName(LPWSTR themeFile, int maxFileChars, LPWSTR colorName, int maxColorChars,
                            LPWSTR sizeName, int maxSizeChars) {
  TThemeState& s = State();
  if (!s.Active) return E_FAIL;
  static const char16_t* const kSchemes[3] = {u"NormalColor", u"HomeStead", u"Metallic"};
  if (CopyOut(u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", themeFile, maxFileChars) < 0 ||
      CopyOut(kSchemes[s.Scheme], colorName, maxColorChars) < 0 || CopyOut(u"NormalSize", sizeName, maxSizeChars) < 0)
    return E_INSUFFICIENT_BUFFER;
  return S_OK;
}

HRESULT GetThemeDocumentationProperty(LPCWSTR themeName, LPCWSTR propertyName, LPWSTR value, int maxChars) {
  if (!themeName || !propertyName || !value) return E_POINTER;
  std::u16string prop(propertyName);
  const char16_t* answer = prop == u"DisplayName" ? u"Windows XP style"
                           : prop == u"Author"    ? u"Microsoft Design Team"
                           : prop == u"Version"   ? u"1.0"
                                                  : nullptr;
  if (!answer) return E_PROP_ID_UNSUPPORTED;
  return CopyOut(answer, value, maxChars) < 0 ? E_INSUFFICIENT_BUFFER : S_OK;
}

HRESULT BufferedPaintInit() { return E_NOTIMPL; }
HRESULT BufferedPaintUnInit() { return E_NOTIMPL; }
HPAINTBUFFER BeginBufferedPaint(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC* paintDC) {
  if (paintDC) *paintDC = nullptr;
  return nullptr;
}
HRESULT EndBufferedPaint(HPAINTBUFFER, BOOL) { return E_HANDLE; }
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER, const RECT*, BYTE) { return E_HANDLE; }

void SetThemeActive(bool active) {
  if (State().Active == active) return;
  State().Active = active;
  Broadcast();
}

void SetThemeColorScheme(TThemeColorScheme scheme) {
  if (State().Scheme == scheme) return;
  State().Scheme = scheme;
  if (State().Active) Broadcast();
}

TThemeColorScheme GetThemeColorScheme() { return State().Scheme; }

void ResetVisualStyles() {
  State().Active = true;
  State().Scheme = tcsNormalColor;
  State().AppProperties = STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT;
}

namespace {
template <typename F>
void Install(const char* name, F* proc) {
  RegisterSystemFunction("UxTheme.dll", name, reinterpret_cast<FARPROC>(reinterpret_cast<void*>(proc)));
}
}  // namespace

void InstallUxThemeLibrary() {
  Install("CloseThemeData", &CloseThemeData);
  Install("DrawThemeBackground", &DrawThemeBackground);
  Install("DrawThemeEdge", &DrawThemeEdge);
  Install("DrawThemeIcon", &DrawThemeIcon);
  Install("DrawThemeParentBackground", &DrawThemeParentBackground);
  Install("DrawThemeText", &DrawThemeText);
  Install("DrawThemeTextEx", &DrawThemeTextEx);
  Install("EnableThemeDialogTexture", &EnableThemeDialogTexture);
  Install("GetCurrentThemeName", &GetCurrentThemeName);
  Install("GetThemeAppProperties", &GetThemeAppProperties);
  Install("GetThemeBackgroundContentRect", &GetThemeBackgroundContentRect);
  Install("GetThemeBackgroundRegion", &GetThemeBackgroundRegion);
  Install("GetThemeBackgroundExtent", &GetThemeBackgroundExtent);
  Install("GetThemeBool", &GetThemeBool);
  Install("GetThemeColor", &GetThemeColor);
  Install("GetThemeDocumentationProperty", &GetThemeDocumentationProperty);
  Install("GetThemeEnumValue", &GetThemeEnumValue);
  Install("GetThemeFilename", &GetThemeFilename);
  Install("GetThemeFont", &GetThemeFont);
  Install("GetThemeInt", &GetThemeInt);
  Install("GetThemeIntList", &GetThemeIntList);
  Install("GetThemeMargins", &GetThemeMargins);
  Install("GetThemeMetric", &GetThemeMetric);
  Install("GetThemePartSize", &GetThemePartSize);
  Install("GetThemePosition", &GetThemePosition);
  Install("GetThemePropertyOrigin", &GetThemePropertyOrigin);
  Install("GetThemeRect", &GetThemeRect);
  Install("GetThemeString", &GetThemeString);
  Install("GetThemeSysBool", &GetThemeSysBool);
  Install("GetThemeSysColor", &GetThemeSysColor);
  Install("GetThemeSysColorBrush", &GetThemeSysColorBrush);
  Install("GetThemeSysFont", &GetThemeSysFont);
  Install("GetThemeSysInt", &GetThemeSysInt);
  Install("GetThemeSysSize", &GetThemeSysSize);
  Install("GetThemeSysString", &GetThemeSysString);
  Install("GetThemeTextExtent", &GetThemeTextExtent);
  Install("GetThemeTextMetrics", &GetThemeTextMetrics);
  Install("GetWindowTheme", &GetWindowTheme);
  Install("HitTestThemeBackground", &HitTestThemeBackground);
  Install("IsAppThemed", &IsAppThemed);
  Install("IsThemeActive", &IsThemeActive);
  Install("IsThemePartDefined", &IsThemePartDefined);
  Install("IsThemeBackgroundPartiallyTransparent", &IsThemeBackgroundPartiallyTransparent);
  Install("IsThemeDialogTextureEnabled", &IsThemeDialogTextureEnabled);
  Install("OpenThemeData", &OpenThemeData);
  Install("SetThemeAppProperties", &SetThemeAppProperties);
  Install("SetWindowTheme", &SetWindowTheme);
  Install("BufferedPaintInit", &BufferedPaintInit);
  Install("BufferedPaintUnInit", &BufferedPaintUnInit);
  Install("BeginBufferedPaint", &BeginBufferedPaint);
  Install("EndBufferedPaint", &EndBufferedPaint);
  Install("BufferedPaintSetAlpha", &BufferedPaintSetAlpha);
}

void RemoveUxThemeLibrary() { UnregisterSystemLibrary("UxTheme.dll"); }

}  // namespace UxTheme
