// The window layer's registration routine. The window manager's state is created on first use; the
// visual-styles services and the calls looked up in USER32 put their entries in the table of
// optional system functions at start-up; system colour changes reach the windows.
#include "UxTheme.h"
#include "Units.h"
#include "WinMetrics.h"
#include "WinUser32.h"
#include "WinUserDraw.h"

namespace Units {

void RegisterUnits_platform_gdi();

void RegisterUnits_platform_win() {
  RegisterUnits_platform_gdi();
  WinUserDraw::SetSysColorsNotifier(&WinMetrics::AnnounceSysColorChange);
  RegisterUnit("UxTheme", &UxTheme::InstallUxThemeLibrary, &UxTheme::RemoveUxThemeLibrary);
  RegisterUnit("User32", &WinUser32::InstallUser32Library, &WinUser32::RemoveUser32Library);
}

}  // namespace Units
