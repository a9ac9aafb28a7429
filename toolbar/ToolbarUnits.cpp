// The toolbar layer's registration routine: the layers below, then the toolbar units.
#include "Units.h"

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_toolbar() { RegisterUnits_framework_editors(); }

}  // namespace Units
