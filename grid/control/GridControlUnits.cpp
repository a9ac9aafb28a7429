// The grid control's registration routine: the layers below. The grid unit has no start-up work
// of its own yet.
#include "TSGridImpl.h"
#include "Units.h"

namespace Units {

void RegisterUnits_grid_foundation();

void RegisterUnits_grid_control() { RegisterUnits_grid_foundation(); }

}  // namespace Units
