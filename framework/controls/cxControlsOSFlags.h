// Which family and version of the operating system the program runs on, for the framework's
// version-dependent choices. Computed once, first of all when the base-control unit starts, and
// read-only afterwards; all false before.
#pragma once

#include "WinDef.h"

namespace cxControls {

extern bool IsWin95X;     // the platform id is 0 or 1 (not the NT family)
extern bool IsWin2KOrXP;  // NT family, major version 5 or above
extern bool IsWinXP;      // NT family, major version 5 or above, minor version above 0
extern bool IsWinNT;      // NT family, major version 4 or above
extern bool IsWinVista;   // major version 6 or above, any platform

// Sets the flags from the system's version record.
void InitOSFlags();
// Sets the flags for the given platform id and version.
void SetOSFlags(DWORD APlatformId, DWORD AMajorVersion, DWORD AMinorVersion);

}  // namespace cxControls

using namespace cxControls;
