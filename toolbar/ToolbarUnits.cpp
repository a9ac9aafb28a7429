// The toolbar layer's registration routine: the layers below, then the toolbar unit.
#include "Units.h"
#include "dxBarUnit.h"

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_toolbar() {
  RegisterUnits_framework_editors();
  RegisterUnit("dxBar", &dxBar::InitdxBar, &dxBar::DonedxBar);
}

}  // namespace Units
