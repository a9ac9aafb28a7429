// The grid foundation's registration routine: the layers below and the units with start-up code.
#include "TSCommon.h"
#include "Tsglib.h"
#include "Tsmbcs.h"
#include "Units.h"

namespace Units {

void RegisterUnits_framework_data();

void RegisterUnits_grid_foundation() {
  RegisterUnits_framework_data();
  RegisterUnit("TSCommon", nullptr, &TSCommon::TSCommonFinalization);
  RegisterUnit("Tsmbcs", &Tsmbcs::TsmbcsInitialization, nullptr);
  RegisterUnit("Tsglib", &Tsglib::TsglibInitialization, nullptr);
}

}  // namespace Units
