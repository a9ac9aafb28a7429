// The theme layer's binding of the visual-styles library and its forwarders.
#include "dxUxTheme.h"

#include "Multibyte.h"
#include "SysInfo.h"
#include "UxTheme.h"
#include "WinMetrics.h"

namespace dxUxTheme {

namespace {

// The library's names in lookup order; the entry table is indexed alike.
enum TEntry {
  eCloseThemeData, eDrawThemeBackground, eDrawThemeEdge, eDrawThemeIcon, eDrawThemeParentBackground,
  eDrawThemeText, eDrawThemeTextEx, eEnableThemeDialogTexture, eGetCurrentThemeName, eGetThemeAppProperties,
  eGetThemeBackgroundContentRect, eGetThemeBackgroundRegion, eGetThemeBackgroundExtent, eGetThemeBool,
  eGetThemeColor, eGetThemeDocumentationProperty, eGetThemeEnumValue, eGetThemeFilename, eGetThemeFont,
  eGetThemeInt, eGetThemeIntList, eGetThemeMargins, eGetThemeMetric, eGetThemePartSize, eGetThemePosition,
  eGetThemePropertyOrigin, eGetThemeRect, eGetThemeString, eGetThemeSysBool, eGetThemeSysColor,
  eGetThemeSysColorBrush, eGetThemeSysFont, eGetThemeSysInt, eGetThemeSysSize, eGetThemeSysString,
  eGetThemeTextExtent, eGetThemeTextMetrics, eGetWindowTheme, eHitTestThemeBackground, eIsAppThemed,
  eIsThemeActive, eIsThemePartDefined, eIsThemeBackgroundPartiallyTransparent, eIsThemeDialogTextureEnabled,
  eOpenThemeData, eSetThemeAppProperties, eSetWindowTheme, eBufferedPaintInit, eBufferedPaintUnInit,
  eBeginBufferedPaint, eEndBufferedPaint, eBufferedPaintSetAlpha, eEntryCount
};

const char* const kNames[eEntryCount] = {
    "CloseThemeData", "DrawThemeBackground", "DrawThemeEdge", "DrawThemeIcon", "DrawThemeParentBackground",
    "DrawThemeText", "DrawThemeTextEx", "EnableThemeDialogTexture", "GetCurrentThemeName", "GetThemeAppProperties",
    "GetThemeBackgroundContentRect", "GetThemeBackgroundRegion", "GetThemeBackgroundExtent", "GetThemeBool",
    "GetThemeColor", "GetThemeDocumentationProperty", "GetThemeEnumValue", "GetThemeFilename", "GetThemeFont",
    "GetThemeInt", "GetThemeIntList", "GetThemeMargins", "GetThemeMetric", "GetThemePartSize", "GetThemePosition",
    "GetThemePropertyOrigin", "GetThemeRect", "GetThemeString", "GetThemeSysBool", "GetThemeSysColor",
    "GetThemeSysColorBrush", "GetThemeSysFont", "GetThemeSysInt", "GetThemeSysSize", "GetThemeSysString",
    "GetThemeTextExtent", "GetThemeTextMetrics", "GetWindowTheme", "HitTestThemeBackground", "IsAppThemed",
    "IsThemeActive", "IsThemePartDefined", "IsThemeBackgroundPartiallyTransparent", "IsThemeDialogTextureEnabled",
    "OpenThemeData", "SetThemeAppProperties", "SetWindowTheme", "BufferedPaintInit", "BufferedPaintUnInit",
    "BeginBufferedPaint", "EndBufferedPaint", "BufferedPaintSetAlpha"};

HMODULE FLibrary = nullptr;
FARPROC FEntries[eEntryCount] = {};
bool FIsWindowsXPOrLater = false;

// The bound entry point typed as the service it stands for, or null.
template <typename F>
F* Bound(TEntry entry) {
  return reinterpret_cast<F*>(reinterpret_cast<void*>(FEntries[entry]));
}

// Calls the entry when bound, else answers the failure value.
#define DX_FORWARD(name, failure, ...)                                 \
  auto* proc = Bound<decltype(UxTheme::name)>(e##name);                \
  return proc ? proc(__VA_ARGS__) : failure

}  // namespace

bool IsThemeLibraryLoaded() { return FLibrary != nullptr; }
bool IsWindowsXPOrLater() { return FIsWindowsXPOrLater; }

HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList) { DX_FORWARD(OpenThemeData, nullptr, hwnd, classList); }
HRESULT CloseThemeData(HTHEME theme) { DX_FORWARD(CloseThemeData, E_FAIL, theme); }

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip) {
  DX_FORWARD(DrawThemeBackground, E_FAIL, theme, dc, partId, stateId, rect, clip);
}
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT* clip) {
  return DrawThemeBackground(theme, dc, partId, stateId, &rect, clip);
}
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT& clip) {
  return DrawThemeBackground(theme, dc, partId, stateId, &rect, &clip);
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect) {
  DX_FORWARD(DrawThemeText, E_FAIL, theme, dc, partId, stateId, text, count, textFlags, textFlags2, rect);
}
HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, const String& text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect) {
  WideString wide = Utf8ToWide(count < 0 ? text : text.substr(0, static_cast<size_t>(count)));
  return DrawThemeText(theme, dc, partId, stateId, wide.c_str(), static_cast<int>(wide.size()), textFlags, textFlags2,
                       rect);
}
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int partId, int stateId, const WideString& text, int count,
                        DWORD textFlags, RECT* rect, const TdxDTTOpts& options) {
  DX_FORWARD(DrawThemeTextEx, E_FAIL, theme, dc, partId, stateId, text.c_str(), count, textFlags, rect, &options);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT* destRect, UINT edge, UINT flags,
                      RECT* contentRect) {
  DX_FORWARD(DrawThemeEdge, E_FAIL, theme, dc, partId, stateId, destRect, edge, flags, contentRect);
}
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags) {
  return DrawThemeEdge(theme, dc, partId, stateId, &destRect, edge, flags, nullptr);
}
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags,
                      RECT& contentRect) {
  return DrawThemeEdge(theme, dc, partId, stateId, &destRect, edge, flags, &contentRect);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, TdxThemeSize kind,
                         SIZE* size) {
  DX_FORWARD(GetThemePartSize, E_FAIL, theme, dc, partId, stateId, rect, kind, size);
}
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, TdxThemeSize kind,
                         SIZE& size) {
  return GetThemePartSize(theme, dc, partId, stateId, &rect, kind, &size);
}
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, TdxThemeSize kind, SIZE& size) {
  return GetThemePartSize(theme, dc, partId, stateId, nullptr, kind, &size);
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int partId, int stateId, const RECT* bounds,
                                      RECT* content) {
  DX_FORWARD(GetThemeBackgroundContentRect, E_FAIL, theme, dc, partId, stateId, bounds, content);
}
HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC dc, int partId, int stateId, const RECT* content, RECT* extent) {
  DX_FORWARD(GetThemeBackgroundExtent, E_FAIL, theme, dc, partId, stateId, content, extent);
}
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HRGN* region) {
  DX_FORWARD(GetThemeBackgroundRegion, E_FAIL, theme, dc, partId, stateId, rect, region);
}
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                           const RECT* bounding, RECT* extent) {
  DX_FORWARD(GetThemeTextExtent, E_FAIL, theme, dc, partId, stateId, text, count, textFlags, bounding, extent);
}
HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int partId, int stateId, TEXTMETRIC* metrics) {
  DX_FORWARD(GetThemeTextMetrics, E_FAIL, theme, dc, partId, stateId, metrics);
}
HRESULT HitTestThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, DWORD options, const RECT* rect,
                               HRGN region, POINT test, WORD* hitTestCode) {
  DX_FORWARD(HitTestThemeBackground, E_FAIL, theme, dc, partId, stateId, options, rect, region, test, hitTestCode);
}
HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HIMAGELIST images, int index) {
  DX_FORWARD(DrawThemeIcon, E_FAIL, theme, dc, partId, stateId, rect, images, index);
}
BOOL IsThemePartDefined(HTHEME theme, int partId, int stateId) {
  DX_FORWARD(IsThemePartDefined, FALSE, theme, partId, stateId);
}
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int stateId) {
  DX_FORWARD(IsThemeBackgroundPartiallyTransparent, FALSE, theme, partId, stateId);
}
HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect) {
  DX_FORWARD(DrawThemeParentBackground, E_FAIL, hwnd, dc, rect);
}

HRESULT GetThemeColor(HTHEME theme, int partId, int stateId, int propId, COLORREF* color) {
  DX_FORWARD(GetThemeColor, E_FAIL, theme, partId, stateId, propId, color);
}
HRESULT GetThemeMetric(HTHEME theme, HDC dc, int partId, int stateId, int propId, int* value) {
  DX_FORWARD(GetThemeMetric, E_FAIL, theme, dc, partId, stateId, propId, value);
}
HRESULT GetThemeString(HTHEME theme, int partId, int stateId, int propId, LPWSTR buffer, int maxChars) {
  DX_FORWARD(GetThemeString, E_FAIL, theme, partId, stateId, propId, buffer, maxChars);
}
HRESULT GetThemeBool(HTHEME theme, int partId, int stateId, int propId, BOOL* value) {
  DX_FORWARD(GetThemeBool, E_FAIL, theme, partId, stateId, propId, value);
}
HRESULT GetThemeInt(HTHEME theme, int partId, int stateId, int propId, int* value) {
  DX_FORWARD(GetThemeInt, E_FAIL, theme, partId, stateId, propId, value);
}
HRESULT GetThemeEnumValue(HTHEME theme, int partId, int stateId, int propId, int* value) {
  DX_FORWARD(GetThemeEnumValue, E_FAIL, theme, partId, stateId, propId, value);
}
HRESULT GetThemePosition(HTHEME theme, int partId, int stateId, int propId, POINT* point) {
  DX_FORWARD(GetThemePosition, E_FAIL, theme, partId, stateId, propId, point);
}
HRESULT GetThemeFont(HTHEME theme, HDC dc, int partId, int stateId, int propId, LOGFONT* font) {
  DX_FORWARD(GetThemeFont, E_FAIL, theme, dc, partId, stateId, propId, font);
}
HRESULT GetThemeRect(HTHEME theme, int partId, int stateId, int propId, RECT* rect) {
  DX_FORWARD(GetThemeRect, E_FAIL, theme, partId, stateId, propId, rect);
}
HRESULT GetThemeMargins(HTHEME theme, HDC dc, int partId, int stateId, int propId, const RECT* rect,
                        TdxMargins* margins) {
  DX_FORWARD(GetThemeMargins, E_FAIL, theme, dc, partId, stateId, propId, rect, margins);
}
HRESULT GetThemeIntList(HTHEME theme, int partId, int stateId, int propId, TdxIntList* list) {
  DX_FORWARD(GetThemeIntList, E_FAIL, theme, partId, stateId, propId, list);
}
HRESULT GetThemePropertyOrigin(HTHEME theme, int partId, int stateId, int propId, TdxPropertyOrigin* origin) {
  DX_FORWARD(GetThemePropertyOrigin, E_FAIL, theme, partId, stateId, propId, origin);
}
HRESULT GetThemeFilename(HTHEME theme, int partId, int stateId, int propId, LPWSTR buffer, int maxChars) {
  DX_FORWARD(GetThemeFilename, E_FAIL, theme, partId, stateId, propId, buffer, maxChars);
}

HRESULT SetWindowTheme(HWND hwnd, LPCWSTR subAppName, LPCWSTR subIdList) {
  DX_FORWARD(SetWindowTheme, E_FAIL, hwnd, subAppName, subIdList);
}
HTHEME GetWindowTheme(HWND hwnd) { DX_FORWARD(GetWindowTheme, nullptr, hwnd); }
HRESULT EnableThemeDialogTexture(HWND hwnd, DWORD flags) { DX_FORWARD(EnableThemeDialogTexture, E_FAIL, hwnd, flags); }
BOOL IsThemeDialogTextureEnabled(HWND hwnd) { DX_FORWARD(IsThemeDialogTextureEnabled, FALSE, hwnd); }
DWORD GetThemeAppProperties() { DX_FORWARD(GetThemeAppProperties, 0u); }
void SetThemeAppProperties(DWORD flags) {
  if (auto* proc = Bound<decltype(UxTheme::SetThemeAppProperties)>(eSetThemeAppProperties)) proc(flags);
}
HRESULT GetCurrentThemeName(LPWSTR themeFile, int maxFileChars, LPWSTR colorName, int maxColorChars, LPWSTR sizeName,
                            int maxSizeChars) {
  DX_FORWARD(GetCurrentThemeName, E_FAIL, themeFile, maxFileChars, colorName, maxColorChars, sizeName, maxSizeChars);
}
HRESULT GetThemeDocumentationProperty(LPCWSTR themeName, LPCWSTR propertyName, LPWSTR value, int maxChars) {
  DX_FORWARD(GetThemeDocumentationProperty, E_FAIL, themeName, propertyName, value, maxChars);
}
BOOL IsAppThemed() { DX_FORWARD(IsAppThemed, FALSE); }
BOOL IsThemeActive() { DX_FORWARD(IsThemeActive, FALSE); }

COLORREF GetThemeSysColor(HTHEME theme, int colorId) { DX_FORWARD(GetThemeSysColor, 0u, theme, colorId); }
HBRUSH GetThemeSysColorBrush(HTHEME theme, int colorId) { DX_FORWARD(GetThemeSysColorBrush, nullptr, theme, colorId); }
BOOL GetThemeSysBool(HTHEME theme, int boolId) { DX_FORWARD(GetThemeSysBool, FALSE, theme, boolId); }
int GetThemeSysSize(HTHEME theme, int sizeId) { DX_FORWARD(GetThemeSysSize, 0, theme, sizeId); }
HRESULT GetThemeSysFont(HTHEME theme, int fontId, LOGFONT* font) { DX_FORWARD(GetThemeSysFont, E_FAIL, theme, fontId, font); }
HRESULT GetThemeSysString(HTHEME theme, int stringId, LPWSTR buffer, int maxChars) {
  DX_FORWARD(GetThemeSysString, E_FAIL, theme, stringId, buffer, maxChars);
}
HRESULT GetThemeSysInt(HTHEME theme, int intId, int* value) { DX_FORWARD(GetThemeSysInt, E_FAIL, theme, intId, value); }

HRESULT BufferedPaintInit() { DX_FORWARD(BufferedPaintInit, E_FAIL); }
HRESULT BufferedPaintUnInit() { DX_FORWARD(BufferedPaintUnInit, E_FAIL); }
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format, TdxBPPaintParams* params,
                                HDC* paintDC) {
  DX_FORWARD(BeginBufferedPaint, nullptr, target, rect, format, params, paintDC);
}
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget) {
  DX_FORWARD(EndBufferedPaint, E_FAIL, buffer, updateTarget);
}
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha) {
  DX_FORWARD(BufferedPaintSetAlpha, E_FAIL, buffer, rect, alpha);
}

#undef DX_FORWARD

void dxUxThemeInitialization() {
  SysInfo::OSVERSIONINFO version{};
  version.dwOSVersionInfoSize = sizeof version;
  SysInfo::GetVersionEx(&version);
  FIsWindowsXPOrLater =
      version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion != 0);
  if (!FIsWindowsXPOrLater) return;
  FLibrary = LoadLibrary("UxTheme.dll");
  if (!FLibrary) return;
  for (int i = 0; i < eEntryCount; ++i) FEntries[i] = GetProcAddress(FLibrary, kNames[i]);
}

void dxUxThemeFinalization() {
  if (FLibrary) FreeLibrary(FLibrary);
  FLibrary = nullptr;
  for (FARPROC& entry : FEntries) entry = nullptr;
}

}  // namespace dxUxTheme
