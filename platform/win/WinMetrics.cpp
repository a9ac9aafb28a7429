// The metrics, parameters and version of the desktop the forms were laid out on.
#include "WinMetrics.h"

#include <algorithm>
#include <cstring>

#include "Messages.h"
#include "WinManage.h"
#include "WinQueue.h"

namespace WinMetrics {

namespace {

// The task bar of that desktop took 30 pixels at the bottom of the screen.
constexpr int TaskBarHeight = 30;
// "宋体", the face of the Chinese desktop's dialogs, menus and captions.
constexpr const char* DesktopFace = "\xE5\xAE\x8B\xE4\xBD\x93";

struct TParams {
  int ScreenWidth = 1280;
  int ScreenHeight = 1024;
  bool WorkAreaSet = false;
  RECT WorkArea;
  UINT WheelLines = 3;
  BOOL DragFullWindows = TRUE;
  BOOL TooltipAnimation = TRUE;
  BOOL TooltipFade = TRUE;
  BOOL MenuAnimation = TRUE;
  BOOL MenuFade = TRUE;
  BOOL HotTracking = TRUE;
  BOOL KeyboardCues = FALSE;
  bool SwapButtons = false;
};

TParams& Params() {
  static TParams p;
  return p;
}

RECT WorkArea() {
  TParams& p = Params();
  if (p.WorkAreaSet) return p.WorkArea;
  return RECT{0, 0, p.ScreenWidth, std::max(0, p.ScreenHeight - TaskBarHeight)};
}

void DesktopFont(LOGFONTA& f, LONG weight) {
  f = LOGFONTA{};
  f.lfHeight = -12;
  f.lfWeight = weight;
  f.lfCharSet = GB2312_CHARSET;
  std::strncpy(f.lfFaceName, DesktopFace, LF_FACESIZE - 1);
}

// The one monitor.
HMONITOR PrimaryMonitor() { return reinterpret_cast<HMONITOR>(static_cast<uintptr_t>(0x10001)); }

template <class T>
bool Fits(const void* p, UINT size) {
  return p && size >= sizeof(T);
}

}  // namespace

int GetSystemMetrics(int index) {
  TParams& p = Params();
  RECT work = WorkArea();
  switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: return p.ScreenWidth;
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return p.ScreenHeight;
    case SM_XVIRTUALSCREEN: case SM_YVIRTUALSCREEN: return 0;
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: return 17;
    case SM_CYVTHUMB: case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 26;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME: case SM_CYFIXEDFRAME: return 3;
    case SM_CXSIZEFRAME: case SM_CYSIZEFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYMENU: return 20;
    case SM_CXSIZE: case SM_CYSIZE: return 25;
    case SM_CYSMCAPTION: return 18;
    case SM_CXSMSIZE: case SM_CYSMSIZE: return 17;
    case SM_CXMENUSIZE: case SM_CYMENUSIZE: return 18;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    case SM_CXFULLSCREEN: return work.right - work.left;
    case SM_CYFULLSCREEN: return work.bottom - work.top - 26;
    case SM_CXMIN: case SM_CXMINTRACK: return 112;
    case SM_CYMIN: case SM_CYMINTRACK: return 27;
    case SM_CXMAXTRACK: return p.ScreenWidth + 12;
    case SM_CYMAXTRACK: return p.ScreenHeight + 12;
    case SM_CXMAXIMIZED: return work.right - work.left + 8;
    case SM_CYMAXIMIZED: return work.bottom - work.top + 8;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 31;
    case SM_CXMINSPACING: return 160;
    case SM_CYMINSPACING: return 24;
    case SM_CXICONSPACING: case SM_CYICONSPACING: return 75;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXFOCUSBORDER: case SM_CYFOCUSBORDER: return 1;
    case SM_MOUSEPRESENT: case SM_MOUSEWHEELPRESENT: case SM_CMONITORS: case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_SWAPBUTTON: return p.SwapButtons ? 1 : 0;
    case SM_DBCSENABLED: case SM_IMMENABLED: return 1;
    case SM_NETWORK: return 3;
    default: return 0;
  }
}

namespace {
BOOL Query(UINT action, UINT uiParam, void* pv);
}

void AnnounceSysColorChange() { SendMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0); }

// A setting changed with SPIF_SENDCHANGE is announced to every top-level window (hidden ones too).
BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* pv, UINT winIni) {
  BOOL ok = Query(action, uiParam, pv);
  bool isSet = action == SPI_SETWORKAREA || action == SPI_SETWHEELSCROLLLINES || action == SPI_SETDRAGFULLWINDOWS ||
               action == SPI_SETTOOLTIPANIMATION || action == SPI_SETTOOLTIPFADE || action == SPI_SETNONCLIENTMETRICS;
  if (ok && isSet && (winIni & SPIF_SENDCHANGE)) SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, action, 0);
  return ok;
}

namespace {

BOOL Query(UINT action, UINT uiParam, void* pv) {
  TParams& p = Params();
  auto getBool = [&](BOOL value) {
    if (!pv) return FALSE;
    *static_cast<BOOL*>(pv) = value;
    return TRUE;
  };
  // The SET codes of boolean parameters take the value in pvParam.
  auto setBool = [&](BOOL& field) {
    field = pv ? TRUE : FALSE;
    return TRUE;
  };
  switch (action) {
    case SPI_GETWORKAREA:
      if (!pv) return FALSE;
      *static_cast<RECT*>(pv) = WorkArea();
      return TRUE;
    case SPI_SETWORKAREA:
      if (!pv) {
        p.WorkAreaSet = false;
      } else {
        p.WorkArea = *static_cast<const RECT*>(pv);
        p.WorkAreaSet = true;
      }
      return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
      if (!Fits<NONCLIENTMETRICSA>(pv, uiParam)) return FALSE;
      auto* m = static_cast<NONCLIENTMETRICSA*>(pv);
      if (m->cbSize != sizeof(NONCLIENTMETRICSA)) return FALSE;
      m->iBorderWidth = 1;
      m->iScrollWidth = 17;
      m->iScrollHeight = 17;
      m->iCaptionWidth = 25;
      m->iCaptionHeight = 25;
      DesktopFont(m->lfCaptionFont, FW_BOLD);
      m->iSmCaptionWidth = 17;
      m->iSmCaptionHeight = 17;
      DesktopFont(m->lfSmCaptionFont, FW_BOLD);
      m->iMenuWidth = 18;
      m->iMenuHeight = 19;
      DesktopFont(m->lfMenuFont, FW_NORMAL);
      DesktopFont(m->lfStatusFont, FW_NORMAL);
      DesktopFont(m->lfMessageFont, FW_NORMAL);
      return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
      if (!pv) return FALSE;
      DesktopFont(*static_cast<LOGFONTA*>(pv), FW_NORMAL);
      return TRUE;
    case SPI_GETICONMETRICS: {
      if (!Fits<ICONMETRICSA>(pv, uiParam)) return FALSE;
      auto* m = static_cast<ICONMETRICSA*>(pv);
      m->iHorzSpacing = m->iVertSpacing = 75;
      m->iTitleWrap = 1;
      DesktopFont(m->lfFont, FW_NORMAL);
      return TRUE;
    }
    case SPI_GETHIGHCONTRAST: {
      if (!Fits<HIGHCONTRASTA>(pv, uiParam)) return FALSE;
      static_cast<HIGHCONTRASTA*>(pv)->dwFlags = 0;
      static_cast<HIGHCONTRASTA*>(pv)->lpszDefaultScheme = nullptr;
      return TRUE;
    }
    case SPI_GETWHEELSCROLLLINES:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = p.WheelLines;
      return TRUE;
    case SPI_SETWHEELSCROLLLINES: p.WheelLines = uiParam; return TRUE;
    case SPI_GETDRAGFULLWINDOWS: return getBool(p.DragFullWindows);
    case SPI_SETDRAGFULLWINDOWS: p.DragFullWindows = uiParam ? TRUE : FALSE; return TRUE;
    case SPI_GETTOOLTIPANIMATION: return getBool(p.TooltipAnimation);
    case SPI_SETTOOLTIPANIMATION: return setBool(p.TooltipAnimation);
    case SPI_GETTOOLTIPFADE: return getBool(p.TooltipFade);
    case SPI_SETTOOLTIPFADE: return setBool(p.TooltipFade);
    case SPI_GETMENUANIMATION: return getBool(p.MenuAnimation);
    case SPI_GETMENUFADE: return getBool(p.MenuFade);
    case SPI_GETHOTTRACKING: return getBool(p.HotTracking);
    case SPI_GETKEYBOARDCUES: return getBool(p.KeyboardCues);
    case SPI_GETCOMBOBOXANIMATION: case SPI_GETLISTBOXSMOOTHSCROLLING: case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETSELECTIONFADE: case SPI_GETCURSORSHADOW: case SPI_GETUIEFFECTS: case SPI_GETDROPSHADOW:
    case SPI_GETFONTSMOOTHING: case SPI_GETSNAPTODEFBUTTON: case SPI_GETBEEP: case SPI_GETICONTITLEWRAP:
      return getBool(action == SPI_GETSNAPTODEFBUTTON ? FALSE : TRUE);
    case SPI_GETFLATMENU: case SPI_GETSCREENREADER: case SPI_GETMENUDROPALIGNMENT:
    case SPI_GETSCREENSAVERRUNNING: case SPI_GETACTIVEWINDOWTRACKING: case SPI_GETKEYBOARDPREF:
    case SPI_GETLOWPOWERACTIVE:
      return getBool(FALSE);
    case SPI_GETMENUSHOWDELAY: case SPI_GETMOUSEHOVERTIME:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = 400;
      return TRUE;
    case SPI_GETMOUSEHOVERWIDTH: case SPI_GETMOUSEHOVERHEIGHT:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = 4;
      return TRUE;
    case SPI_GETCARETWIDTH: case SPI_GETFOCUSBORDERWIDTH: case SPI_GETFOCUSBORDERHEIGHT:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = 1;
      return TRUE;
    case SPI_GETKEYBOARDDELAY: case SPI_GETFOREGROUNDLOCKTIMEOUT:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = action == SPI_GETKEYBOARDDELAY ? 1 : 200000;
      return TRUE;
    case SPI_GETKEYBOARDSPEED:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = 31;
      return TRUE;
    case SPI_GETMOUSESPEED:
      if (!pv) return FALSE;
      *static_cast<UINT*>(pv) = 10;
      return TRUE;
    case SPI_SETDOUBLECLICKTIME: return FALSE;  // set through SetDoubleClickTime
    case SPI_SETNONCLIENTMETRICS: return TRUE;    // the metrics stay those of the designed-on desktop
    default: return FALSE;
  }
}

}  // namespace

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (!info || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return FALSE;
  info->dwMajorVersion = 5;
  info->dwMinorVersion = 1;
  info->dwBuildNumber = 2600;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::strncpy(info->szCSDVersion, "Service Pack 2", sizeof info->szCSDVersion - 1);
  return TRUE;
}

DWORD GetVersion() { return 5u | (1u << 8) | (2600u << 16); }

HMONITOR MonitorFromPoint(POINT pt, DWORD flags) {
  TParams& p = Params();
  bool inside = pt.x >= 0 && pt.y >= 0 && pt.x < p.ScreenWidth && pt.y < p.ScreenHeight;
  if (!inside && flags == MONITOR_DEFAULTTONULL) return nullptr;
  return PrimaryMonitor();
}

HMONITOR MonitorFromRect(const RECT* r, DWORD flags) {
  if (!r) return nullptr;
  TParams& p = Params();
  bool overlaps = r->left < p.ScreenWidth && r->right > 0 && r->top < p.ScreenHeight && r->bottom > 0;
  if (!overlaps && flags == MONITOR_DEFAULTTONULL) return nullptr;
  return PrimaryMonitor();
}

HMONITOR MonitorFromWindow(HWND, DWORD) { return PrimaryMonitor(); }

BOOL GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) {
  if (monitor != PrimaryMonitor() || !info || info->cbSize < sizeof(MONITORINFO)) return FALSE;
  info->rcMonitor = RECT{0, 0, Params().ScreenWidth, Params().ScreenHeight};
  info->rcWork = WorkArea();
  info->dwFlags = MONITORINFOF_PRIMARY;
  return TRUE;
}

BOOL EnumDisplayMonitors(HDC, const RECT* clip, MONITORENUMPROC proc, LPARAM data) {
  if (!proc) return FALSE;
  RECT r{0, 0, Params().ScreenWidth, Params().ScreenHeight};
  if (clip) {
    r = RECT{std::max(r.left, clip->left), std::max(r.top, clip->top), std::min(r.right, clip->right),
             std::min(r.bottom, clip->bottom)};
    if (r.left >= r.right || r.top >= r.bottom) return TRUE;
  }
  proc(PrimaryMonitor(), nullptr, &r, data);
  return TRUE;
}

void SetScreenSize(int width, int height) {
  Params().ScreenWidth = std::max(1, width);
  Params().ScreenHeight = std::max(1, height);
}

void ResetSystemParameters() {
  TParams& p = Params();
  int w = p.ScreenWidth, h = p.ScreenHeight;
  p = TParams{};
  p.ScreenWidth = w;
  p.ScreenHeight = h;
}

}  // namespace WinMetrics

namespace WinInternals {
bool MouseButtonsSwapped() { return WinMetrics::Params().SwapButtons; }
void SetMouseButtonsSwapped(bool swap) { WinMetrics::Params().SwapButtons = swap; }
}  // namespace WinInternals
