// The window layer's registration routine. Its state is created on first use, so it has no start-up
// code of its own.
#include "Units.h"

namespace Units {

void RegisterUnits_platform_gdi();

void RegisterUnits_platform_win() { RegisterUnits_platform_gdi(); }

}  // namespace Units
