// The grid foundation's registration routine: the layers below and the units with start-up code.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_data();

void RegisterUnits_grid_foundation() { RegisterUnits_framework_data(); }

}  // namespace Units
