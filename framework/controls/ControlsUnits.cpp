// The controls layer's registration routine: the layers below, then its units with start-up code.
#include "Units.h"
#include "cxControlsOSFlags.h"

namespace Units {

void RegisterUnits_framework_foundation();

void RegisterUnits_framework_controls() {
  RegisterUnits_framework_foundation();
  RegisterUnit("cxControls", &cxControls::InitOSFlags, nullptr);
}

}  // namespace Units
