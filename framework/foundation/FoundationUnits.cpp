// The foundation's registration routine: the layers below, the framework's string table, and the
// units with start-up code.
#include "Resources.h"
#include "ResStrings.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxGeometry.h"

DECLARE_RESOURCE_TABLE(framework_foundation, STRING)

namespace Units {

void RegisterUnits_platform_db();

void RegisterUnits_framework_foundation() {
  RegisterUnits_platform_db();
  RegisterResourceTable(ResourceTable_framework_foundation_STRING());
  RegisterStringTable("CXSTRINGS");
  RegisterUnit("cxGeometry", &cxGeometry::cxGeometryInitialization, &cxGeometry::cxGeometryFinalization);
  RegisterUnit("cxClasses", nullptr, &cxClasses::cxClassesFinalization);
}

}  // namespace Units
