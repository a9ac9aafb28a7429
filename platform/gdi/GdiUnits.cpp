// The graphics layer's registration routine. Its state (handle table, stock objects, font caches) is
// created on first use, so it has no start-up code of its own yet.
#include "Units.h"

namespace Units {

void RegisterUnits_platform_gdi() { RegisterUnits_platform_rtl(); }

}  // namespace Units
