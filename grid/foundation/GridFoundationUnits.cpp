// The grid foundation's registration routine: the layers below. The grid foundation's messages
// are in the framework's string table.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_data();

void RegisterUnits_grid_foundation() { RegisterUnits_framework_data(); }

}  // namespace Units
