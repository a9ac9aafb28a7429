// The class library's units, after those of the window layer.
#include "Forms.h"
#include "Units.h"

namespace Units {

void RegisterUnits_platform_win();

void RegisterUnits_platform_classlib() {
  RegisterUnits_platform_win();
  RegisterUnit("Forms", &Forms::InitForms, &Forms::DoneForms);
}

}  // namespace Units
