// System metrics and parameters of the desktop the forms were laid out on (96 DPI, the default blue
// visual style: caption 26 px, sizing frame 4 px, scroll bars 17 px), the version every check
// sees (5.1), and the monitors (one virtual screen when headless).
#pragma once

#include "WinGdi.h"

namespace WinMetrics {

// ---- GetSystemMetrics -------------------------------------------------------------------------------
constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
              SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CXFIXEDFRAME = 7,
              SM_CYDLGFRAME = 8, SM_CYFIXEDFRAME = 8, SM_CYVTHUMB = 9, SM_CXHTHUMB = 10,
              SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15,
              SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17, SM_CYKANJIWINDOW = 18,
              SM_MOUSEPRESENT = 19, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_DEBUG = 22,
              SM_SWAPBUTTON = 23, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31,
              SM_CXFRAME = 32, SM_CXSIZEFRAME = 32, SM_CYFRAME = 33, SM_CYSIZEFRAME = 33,
              SM_CXMINTRACK = 34, SM_CYMINTRACK = 35, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37,
              SM_CXICONSPACING = 38, SM_CYICONSPACING = 39, SM_MENUDROPALIGNMENT = 40,
              SM_DBCSENABLED = 42, SM_CMOUSEBUTTONS = 43, SM_CXEDGE = 45, SM_CYEDGE = 46,
              SM_CXMINSPACING = 47, SM_CYMINSPACING = 48, SM_CXSMICON = 49, SM_CYSMICON = 50,
              SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52, SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54,
              SM_CYMENUSIZE = 55, SM_ARRANGE = 56, SM_CXMINIMIZED = 57, SM_CYMINIMIZED = 58,
              SM_CXMAXTRACK = 59, SM_CYMAXTRACK = 60, SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62,
              SM_NETWORK = 63, SM_CLEANBOOT = 67, SM_CXDRAG = 68, SM_CYDRAG = 69,
              SM_SHOWSOUNDS = 70, SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72, SM_SLOWMACHINE = 73,
              SM_MIDEASTENABLED = 74, SM_MOUSEWHEELPRESENT = 75, SM_XVIRTUALSCREEN = 76,
              SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79,
              SM_CMONITORS = 80, SM_SAMEDISPLAYFORMAT = 81, SM_IMMENABLED = 82,
              SM_CXFOCUSBORDER = 83, SM_CYFOCUSBORDER = 84, SM_TABLETPC = 86, SM_MEDIACENTER = 87,
              SM_REMOTESESSION = 0x1000;
int GetSystemMetrics(int index);  // 0 for an unknown index

// ---- SystemParametersInfo ---------------------------------------------------------------------------
constexpr UINT SPI_GETBEEP = 0x0001, SPI_GETMOUSE = 0x0003, SPI_GETBORDER = 0x0005,
               SPI_GETKEYBOARDSPEED = 0x000A, SPI_ICONHORIZONTALSPACING = 0x000D,
               SPI_GETSCREENSAVETIMEOUT = 0x000E, SPI_GETKEYBOARDDELAY = 0x0016,
               SPI_ICONVERTICALSPACING = 0x0018, SPI_GETICONTITLEWRAP = 0x0019,
               SPI_GETMENUDROPALIGNMENT = 0x001B, SPI_SETDOUBLECLICKTIME = 0x0020,
               SPI_GETICONTITLELOGFONT = 0x001F, SPI_GETFASTTASKSWITCH = 0x0023,
               SPI_SETDRAGFULLWINDOWS = 0x0025, SPI_GETDRAGFULLWINDOWS = 0x0026,
               SPI_GETNONCLIENTMETRICS = 0x0029, SPI_SETNONCLIENTMETRICS = 0x002A,
               SPI_GETMINIMIZEDMETRICS = 0x002B, SPI_GETICONMETRICS = 0x002D,
               SPI_SETWORKAREA = 0x002F, SPI_GETWORKAREA = 0x0030, SPI_GETHIGHCONTRAST = 0x0042,
               SPI_GETKEYBOARDPREF = 0x0044, SPI_GETSCREENREADER = 0x0046,
               SPI_GETANIMATION = 0x0048, SPI_GETFONTSMOOTHING = 0x004A,
               SPI_GETLOWPOWERACTIVE = 0x0053, SPI_GETDEFAULTINPUTLANG = 0x0059,
               SPI_GETSNAPTODEFBUTTON = 0x005F, SPI_GETMOUSEHOVERWIDTH = 0x0062,
               SPI_GETMOUSEHOVERHEIGHT = 0x0064, SPI_GETMOUSEHOVERTIME = 0x0066,
               SPI_GETWHEELSCROLLLINES = 0x0068, SPI_SETWHEELSCROLLLINES = 0x0069,
               SPI_GETMENUSHOWDELAY = 0x006A, SPI_GETSHOWIMEUI = 0x006E,
               SPI_GETMOUSESPEED = 0x0070, SPI_GETSCREENSAVERRUNNING = 0x0072,
               SPI_GETDESKWALLPAPER = 0x0073, SPI_GETACTIVEWINDOWTRACKING = 0x1000,
               SPI_GETMENUANIMATION = 0x1002, SPI_GETCOMBOBOXANIMATION = 0x1004,
               SPI_GETLISTBOXSMOOTHSCROLLING = 0x1006, SPI_GETGRADIENTCAPTIONS = 0x1008,
               SPI_GETKEYBOARDCUES = 0x100A, SPI_GETMENUUNDERLINES = SPI_GETKEYBOARDCUES,
               SPI_GETHOTTRACKING = 0x100E, SPI_GETMENUFADE = 0x1012,
               SPI_GETSELECTIONFADE = 0x1014, SPI_GETTOOLTIPANIMATION = 0x1016,
               SPI_SETTOOLTIPANIMATION = 0x1017, SPI_GETTOOLTIPFADE = 0x1018,
               SPI_SETTOOLTIPFADE = 0x1019, SPI_GETCURSORSHADOW = 0x101A,
               SPI_GETUIEFFECTS = 0x103E, SPI_GETFLATMENU = 0x1022, SPI_GETDROPSHADOW = 0x1024,
               SPI_GETFOREGROUNDLOCKTIMEOUT = 0x2000, SPI_GETCARETWIDTH = 0x2006,
               SPI_GETFOCUSBORDERWIDTH = 0x200E, SPI_GETFOCUSBORDERHEIGHT = 0x2010,
               SPI_GETFONTSMOOTHINGTYPE = 0x200A;
constexpr UINT SPIF_UPDATEINIFILE = 0x0001, SPIF_SENDCHANGE = 0x0002,
               SPIF_SENDWININICHANGE = SPIF_SENDCHANGE;

struct NONCLIENTMETRICSA {
  UINT cbSize = sizeof(NONCLIENTMETRICSA);
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  LOGFONTA lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  LOGFONTA lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  LOGFONTA lfMenuFont;
  LOGFONTA lfStatusFont;
  LOGFONTA lfMessageFont;
};
using NONCLIENTMETRICS = NONCLIENTMETRICSA;
struct ICONMETRICSA {
  UINT cbSize = sizeof(ICONMETRICSA);
  int iHorzSpacing = 0;
  int iVertSpacing = 0;
  int iTitleWrap = 0;
  LOGFONTA lfFont;
};
struct HIGHCONTRASTA {
  UINT cbSize = sizeof(HIGHCONTRASTA);
  DWORD dwFlags = 0;
  char* lpszDefaultScheme = nullptr;
};
constexpr DWORD HCF_HIGHCONTRASTON = 0x00000001;

// Reads (and for the SET codes the framework uses, writes) a parameter; FALSE for unknown codes.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* pvParam, UINT winIni);
inline BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni) {
  return SystemParametersInfoA(action, uiParam, pvParam, winIni);
}

// ---- Version ----------------------------------------------------------------------------------------
struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};
};
using OSVERSIONINFO = OSVERSIONINFOA;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
BOOL GetVersionExA(OSVERSIONINFOA* info);
inline BOOL GetVersionEx(OSVERSIONINFO* info) { return GetVersionExA(info); }
DWORD GetVersion();  // low byte major, next byte minor, high word build

// ---- Monitors ---------------------------------------------------------------------------------------
struct HMONITOR__;
using HMONITOR = HMONITOR__*;
constexpr DWORD MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
constexpr DWORD MONITORINFOF_PRIMARY = 1;
struct MONITORINFO {
  DWORD cbSize = sizeof(MONITORINFO);
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags = 0;
};
using MONITORENUMPROC = BOOL (*)(HMONITOR, HDC, RECT*, LPARAM);
HMONITOR MonitorFromPoint(POINT point, DWORD flags);
HMONITOR MonitorFromRect(const RECT* rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info);
inline BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) { return GetMonitorInfoA(monitor, info); }
BOOL EnumDisplayMonitors(HDC dc, const RECT* clip, MONITORENUMPROC proc, LPARAM data);

// The screen the layer shows windows on (the backend sets it; 1280 x 1024 headless).
void SetScreenSize(int width, int height);
// Restores every parameter changed through SystemParametersInfo (tests).
void ResetSystemParameters();

// A change of the system colours is announced to every top-level window (hidden ones too) with
// WM_SYSCOLORCHANGE; the layer's registration makes SetSysColors call it.
void AnnounceSysColorChange();

}  // namespace WinMetrics

using namespace WinMetrics;
