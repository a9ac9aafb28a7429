// The toolbar layer's registration routine: the layers below, the toolbar unit's string table, then
// the toolbar unit.
#include "ResStrings.h"
#include "Resources.h"
#include "Units.h"
#include "dxBarUnit.h"

DECLARE_RESOURCE_TABLE(toolbar, STRING)

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_toolbar() {
  RegisterUnits_framework_editors();
  RegisterResourceTable(ResourceTable_toolbar_STRING());
  RegisterStringTable("DXBARSTRINGS");
  RegisterUnit("dxBar", &dxBar::InitdxBar, &dxBar::DonedxBar);
}

}  // namespace Units
