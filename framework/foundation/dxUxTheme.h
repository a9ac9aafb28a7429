// The theme layer: the visual-styles library bound at run time, one forwarding routine per library
// function. A routine whose entry point the library lacks (or every routine, when the library is not
// loaded) answers a failure: E_FAIL, a null handle, FALSE or 0.
#pragma once

#include "System.h"
#include "UxThemeConsts.h"
#include "WinGdi.h"

namespace dxUxTheme {

using TdxDTTOpts = DTTOPTS;
using TdxMargins = MARGINS;
using TdxIntList = INTLIST;
using TdxPropertyOrigin = PROPERTYORIGIN;
using TdxBPPaintParams = BP_PAINTPARAMS;
using TdxThemeSize = THEMESIZE;

bool IsThemeLibraryLoaded();
bool IsWindowsXPOrLater();

HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT* clip = nullptr);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, const RECT& clip);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect);
// An ANSI (UTF-8) text, converted to UTF-16 first; count -1 for the whole text.
HRESULT DrawThemeText(HTHEME theme, HDC dc, int partId, int stateId, const String& text, int count, DWORD textFlags,
                      DWORD textFlags2, const RECT* rect);
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int partId, int stateId, const WideString& text, int count,
                        DWORD textFlags, RECT* rect, const TdxDTTOpts& options);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT* destRect, UINT edge, UINT flags,
                      RECT* contentRect);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int partId, int stateId, const RECT& destRect, UINT edge, UINT flags,
                      RECT& contentRect);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, TdxThemeSize kind,
                         SIZE* size);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, const RECT& rect, TdxThemeSize kind,
                         SIZE& size);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int partId, int stateId, TdxThemeSize kind, SIZE& size);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int partId, int stateId, const RECT* bounds, RECT* content);
HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC dc, int partId, int stateId, const RECT* content, RECT* extent);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HRGN* region);
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int partId, int stateId, LPCWSTR text, int count, DWORD textFlags,
                           const RECT* bounding, RECT* extent);
HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int partId, int stateId, TEXTMETRIC* metrics);
HRESULT HitTestThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, DWORD options, const RECT* rect,
                               HRGN region, POINT test, WORD* hitTestCode);
HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int partId, int stateId, const RECT* rect, HIMAGELIST images, int index);
BOOL IsThemePartDefined(HTHEME theme, int partId, int stateId);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int stateId);
HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect);

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
                        TdxMargins* margins);
HRESULT GetThemeIntList(HTHEME theme, int partId, int stateId, int propId, TdxIntList* list);
HRESULT GetThemePropertyOrigin(HTHEME theme, int partId, int stateId, int propId, TdxPropertyOrigin* origin);
HRESULT GetThemeFilename(HTHEME theme, int partId, int stateId, int propId, LPWSTR buffer, int maxChars);

HRESULT SetWindowTheme(HWND hwnd, LPCWSTR subAppName, LPCWSTR subIdList);
HTHEME GetWindowTheme(HWND hwnd);
HRESULT EnableThemeDialogTexture(HWND hwnd, DWORD flags);
BOOL IsThemeDialogTextureEnabled(HWND hwnd);
DWORD GetThemeAppProperties();
void SetThemeAppProperties(DWORD flags);
HRESULT GetCurrentThemeName(LPWSTR themeFile, int maxFileChars, LPWSTR colorName, int maxColorChars, LPWSTR sizeName,
                            int maxSizeChars);
HRESULT GetThemeDocumentationProperty(LPCWSTR themeName, LPCWSTR propertyName, LPWSTR value, int maxChars);
BOOL IsAppThemed();
BOOL IsThemeActive();

COLORREF GetThemeSysColor(HTHEME theme, int colorId);
HBRUSH GetThemeSysColorBrush(HTHEME theme, int colorId);
BOOL GetThemeSysBool(HTHEME theme, int boolId);
int GetThemeSysSize(HTHEME theme, int sizeId);
HRESULT GetThemeSysFont(HTHEME theme, int fontId, LOGFONT* font);
HRESULT GetThemeSysString(HTHEME theme, int stringId, LPWSTR buffer, int maxChars);
HRESULT GetThemeSysInt(HTHEME theme, int intId, int* value);

HRESULT BufferedPaintInit();
HRESULT BufferedPaintUnInit();
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format, TdxBPPaintParams* params,
                                HDC* paintDC);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);

void dxUxThemeInitialization();
void dxUxThemeFinalization();

}  // namespace dxUxTheme

using namespace dxUxTheme;
