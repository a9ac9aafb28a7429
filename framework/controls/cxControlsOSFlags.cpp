#include "cxControlsOSFlags.h"

#include "SysInfo.h"

namespace cxControls {

bool IsWin95X = false;
bool IsWin2KOrXP = false;
bool IsWinXP = false;
bool IsWinNT = false;
bool IsWinVista = false;

void SetOSFlags(DWORD APlatformId, DWORD AMajorVersion, DWORD AMinorVersion) {
  const bool nt = APlatformId == VER_PLATFORM_WIN32_NT;
  IsWin95X = APlatformId == VER_PLATFORM_WIN32s || APlatformId == VER_PLATFORM_WIN32_WINDOWS;
  IsWin2KOrXP = nt && AMajorVersion >= 5;
  IsWinXP = nt && AMajorVersion >= 5 && AMinorVersion > 0;
  IsWinNT = nt && AMajorVersion >= 4;
  IsWinVista = AMajorVersion >= 6;
}

void InitOSFlags() {
  OSVERSIONINFO info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (GetVersionEx(&info)) SetOSFlags(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

}  // namespace cxControls
