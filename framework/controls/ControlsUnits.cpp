// The controls layer's registration routine: the layers below, then its units with start-up code.
#include "Units.h"
#include "cxAccessibility.h"
#include "cxControlsOSFlags.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "cxLookAndFeels.h"
#include "cxStyles.h"

namespace Units {

void RegisterUnits_framework_foundation();

void RegisterUnits_framework_controls() {
  RegisterUnits_framework_foundation();
  RegisterUnit("cxLookAndFeelPainters", &cxLookAndFeelPainters::InitLookAndFeelPainters,
               &cxLookAndFeelPainters::DoneLookAndFeelPainters);
  RegisterUnit("cxControls", &cxControls::InitOSFlags, nullptr);
  RegisterUnit("cxLookAndFeels", &cxLookAndFeels::InitLookAndFeels, &cxLookAndFeels::DoneLookAndFeels);
  RegisterUnit("cxAccessibility", &cxAccessibility::InitAccessibility, &cxAccessibility::DoneAccessibility);
  RegisterUnit("cxStyles", &cxStyles::InitStyles, &cxStyles::DoneStyles);
}

}  // namespace Units
