// The toolbar layer's registration routine: the layers below, the toolbar unit's string table and
// cursor pictures, then the toolbar unit.
#include "ResStrings.h"
#include "Resources.h"
#include "Units.h"
#include "dxBarManager.h"
#include "dxBarUnit.h"

DECLARE_RESOURCE_TABLE(toolbar, STRING)
DECLARE_RESOURCE_TABLE(toolbar, DXBARCURSOR)

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_toolbar() {
  RegisterUnits_framework_editors();
  RegisterResourceTable(ResourceTable_toolbar_STRING());
  RegisterResourceTable(ResourceTable_toolbar_DXBARCURSOR());
  RegisterStringTable("DXBARSTRINGS");
  RegisterUnit("dxBar", &dxBar::InitdxBar, &dxBar::DonedxBar);
  // Form resources name it.
  RegisterClasses({dxBar::TdxBarManager::StaticClass()});
}

}  // namespace Units
