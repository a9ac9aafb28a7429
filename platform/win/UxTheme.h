// The visual-styles services: theme data opened per class list, themed drawing of parts and states,
// part sizes, margins and properties that agree with what is drawn, the current theme's name and
// colour scheme, and the switch between the themed and the classic look (WM_THEMECHANGED to every
// top-level window). The look is the default blue style of the desktop the forms were designed on;
// "HomeStead" and "Metallic" can be chosen for tests. Strings are UTF-16 as in the library they stand
// for; fonts are the layer's LOGFONT (UTF-8 face names). Buffered painting and glass are absent.
#pragma once

#include "UxThemeConsts.h"
#include "WinGdi.h"

namespace UxTheme {

constexpr HRESULT E_HANDLE = static_cast<HRESULT>(0x80070006u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT E_PROP_ID_UNSUPPORTED = static_cast<HRESULT>(0x80070490u);  // element not found
constexpr HRESULT E_INSUFFICIENT_BUFFER = static_cast<HRESULT>(0x8007007Au);

// ---- Theme data -------------------------------------------------------------------------------------
// Null when the theme is off or no class of the semicolon-separated list is known.
HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HTHEME GetWindowTheme(HWND hwnd);
HRESULT SetWindowTheme(HWND hwnd, LPCWSTR subAppName, LPCWSTR subIdList);

// ---- Drawing ----------------------------------------------------------------------------------------
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT* destRect, UINT edge, UINT flags,
                      RECT* contentRect);
HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HIMAGELIST images, int index);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect);
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                        RECT* rect, const DTTOPTS* options);
// Fills the rectangle with the parent's background colour (the window's class brush or button face).
HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect);

// ---- Geometry ---------------------------------------------------------------------------------------
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int partId, int stateId, const RECT* bounds,
                                      RECT* content);
HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC dc, int partId, int stateId, const RECT* content,
                                 RECT* extent);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HRGN* region);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, THEMESIZE kind,
                         SIZE* size);
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count,
                           DWORD textFlags, const RECT* bounding, RECT* extent);
HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int partId, int stateId, TEXTMETRIC* metrics);
// HTCLIENT inside the part's shape, HTNOWHERE outside (options HTTB_*).
HRESULT HitTestThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, DWORD options, const RECT* rect,
                               HRGN region, POINT test, WORD* hitTestCode);
BOOL IsThemePartDefined(HTHEME theme, int partId, int stateId);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int stateId);

// ---- Properties -------------------------------------------------------------------------------------
HRESULT GetThemeColor(HTHEME theme, int partId, int stateId, int propId, COLORREF* color);
HRESULT GetThemeMetric(HTHEME theme, HDC dc, int partId, int stateId, int propId, int* value);
HRESULT GetThemeString(HTHEME theme, int partId, int stateId, int propId, LPWSTR buffer, int maxChars);
HRESULT GetThemeBool(HTHEME theme, int partId, int stateId, int propId, BOOL* value);
HRESULT GetThemeInt(HTHEME theme, int partId, int stateId, int propId, int* value);
HRESULT GetThemeEnumValue(HTHEME theme, int partId, int stateId, int propId, int* value);
HRESULT GetThemePosition(HTHEME theme, int partId, int stateId, int propId, POINT* point);
HRESULT GetThemeFont(HTHEME theme, HDC dc, int partId, int stateId, int propId, LOGFONT* font);
HRESULT GetThemeRect(HTHEME theme, int partId, int stateId, int propId, RECT* rect);
HRESULT GetThemeMargins(HTHEME theme, HDC dc, int partId, int stateId, int propId, const RECT* rect,
                        MARGINS* margins);
HRESULT GetThemeIntList(HTHEME theme, int partId, int stateId, int propId, INTLIST* list);
HRESULT GetThemePropertyOrigin(HTHEME theme, int partId, int stateId, int propId, PROPERTYORIGIN* origin);
HRESULT GetThemeFilename(HTHEME theme, int partId, int stateId, int propId, LPWSTR buffer, int maxChars);

// ---- System properties of the theme ----------------------------------------------------------------
COLORREF GetThemeSysColor(HTHEME theme, int colorId);
HBRUSH GetThemeSysColorBrush(HTHEME theme, int colorId);
BOOL GetThemeSysBool(HTHEME theme, int boolId);
int GetThemeSysSize(HTHEME theme, int sizeId);
HRESULT GetThemeSysFont(HTHEME theme, int fontId, LOGFONT* font);
HRESULT GetThemeSysString(HTHEME theme, int stringId, LPWSTR buffer, int maxChars);
HRESULT GetThemeSysInt(HTHEME theme, int intId, int* value);

// ---- The theme and the application ------------------------------------------------------------------
BOOL IsThemeActive();
BOOL IsAppThemed();
DWORD GetThemeAppProperties();
void SetThemeAppProperties(DWORD flags);
HRESULT EnableThemeDialogTexture(HWND hwnd, DWORD flags);
BOOL IsThemeDialogTextureEnabled(HWND hwnd);
// The theme file, colour scheme and size names (any buffer may be null); E_FAIL with the theme off.
HRESULT GetCurrentThemeName(LPWSTR themeFile, int maxFileChars, LPWSTR colorName, int maxColorChars,
                            LPWSTR sizeName, int maxSizeChars);
HRESULT GetThemeDocumentationProperty(LPCWSTR themeName, LPCWSTR propertyName, LPWSTR value, int maxChars);

// ---- Buffered painting: absent (no composition), so callers paint directly ---------------------------
HRESULT BufferedPaintInit();
HRESULT BufferedPaintUnInit();
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format, BP_PAINTPARAMS* params,
                                HDC* paintDC);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);

// ---- Switching the look (the desktop's settings; tests) ----------------------------------------------
enum TThemeColorScheme { tcsNormalColor, tcsHomeStead, tcsMetallic };
// Each change that alters the look sends WM_THEMECHANGED to every top-level window. Open handles
// stay valid and draw the new look; with the theme off they answer as closed themes.
void SetThemeActive(bool active);
void SetThemeColorScheme(TThemeColorScheme scheme);
TThemeColorScheme GetThemeColorScheme();
// Back to the designed-on desktop (theme on, blue) without broadcasting.
void ResetVisualStyles();

// ---- The services as a run-time library --------------------------------------------------------------
// Installs the entry points under the library name "UxTheme.dll" in the optional-function table, so
// that code binding them at run time finds them; removing takes them away again.
void InstallUxThemeLibrary();
void RemoveUxThemeLibrary();

}  // namespace UxTheme

using namespace UxTheme;
