// The controls layer's registration routine: the layers below, its bitmaps, then its units with
// start-up code.
#include "Resources.h"
#include "Units.h"
#include "cxAccessibility.h"
#include "cxControlsUnit.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "cxLookAndFeels.h"
#include "cxStyles.h"

DECLARE_RESOURCE_TABLE(framework_controls, BITMAP)

namespace Units {

void RegisterUnits_framework_foundation();

void RegisterUnits_framework_controls() {
  RegisterUnits_framework_foundation();
  RegisterResourceTable(ResourceTable_framework_controls_BITMAP());
  RegisterUnit("cxLookAndFeelPainters", &cxLookAndFeelPainters::InitLookAndFeelPainters,
               &cxLookAndFeelPainters::DoneLookAndFeelPainters);
  RegisterUnit("cxControls", &cxControls::InitControls, &cxControls::DoneControls);
  RegisterUnit("cxLookAndFeels", &cxLookAndFeels::InitLookAndFeels, &cxLookAndFeels::DoneLookAndFeels);
  RegisterUnit("cxAccessibility", &cxAccessibility::InitAccessibility, &cxAccessibility::DoneAccessibility);
  RegisterUnit("cxStyles", &cxStyles::InitStyles, &cxStyles::DoneStyles);
}

}  // namespace Units
