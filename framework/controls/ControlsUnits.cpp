// The controls layer's registration routine. None of its units has start-up code yet.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_foundation();

void RegisterUnits_framework_controls() { RegisterUnits_framework_foundation(); }

}  // namespace Units
