// The window layer's registration routine. The window manager's state is created on first use; the
// visual-styles services put their entries in the table of optional system functions at start-up.
#include "UxTheme.h"
#include "Units.h"

namespace Units {

void RegisterUnits_platform_gdi();

void RegisterUnits_platform_win() {
  RegisterUnits_platform_gdi();
  RegisterUnit("UxTheme", &UxTheme::InstallUxThemeLibrary, &UxTheme::RemoveUxThemeLibrary);
}

}  // namespace Units
