// The editors layer's registration routine. None of its units has start-up code yet.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_controls();

void RegisterUnits_framework_editors() { RegisterUnits_framework_controls(); }

}  // namespace Units
