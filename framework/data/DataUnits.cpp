// The data layer's registration routine.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_framework_data() { RegisterUnits_framework_editors(); }

}  // namespace Units
