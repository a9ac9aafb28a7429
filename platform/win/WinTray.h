// The notification-area icon. The backend shows it where the desktop has a tray; clicks on it come
// back to the icon's window as its callback message with the mouse message in lParam.
#pragma once

#include <vector>

#include "System.h"
#include "WinUserTypes.h"

namespace WinTray {

constexpr DWORD NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 0x1, NIF_ICON = 0x2, NIF_TIP = 0x4;

struct NOTIFYICONDATAA {
  DWORD cbSize = sizeof(NOTIFYICONDATAA);
  HWND hWnd = nullptr;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  HICON hIcon = nullptr;
  char szTip[64] = {};
};
using NOTIFYICONDATA = NOTIFYICONDATAA;

// FALSE for an unknown icon (modify, delete), a second add of the same icon or a bad record.
BOOL Shell_NotifyIconA(DWORD message, const NOTIFYICONDATAA* data);
inline BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data) { return Shell_NotifyIconA(message, data); }

// The icons shown now, and a click on one as the desktop reports it (posts the callback message).
struct TTrayIconState {
  HWND Window = nullptr;
  UINT Id = 0;
  UINT CallbackMessage = 0;
  HICON Icon = nullptr;
  String Tip;
};
std::vector<TTrayIconState> TrayIcons();
bool ReportTrayMouse(HWND window, UINT id, UINT mouseMessage);

}  // namespace WinTray

using namespace WinTray;
