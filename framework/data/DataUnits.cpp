// The data layer's registration routine: the layers below, the data controller's and filter's
// string table, and the units with start-up code.
#include "ResStrings.h"
#include "Resources.h"
#include "Units.h"
#include "cxDataStorage.h"

DECLARE_RESOURCE_TABLE(framework_data, STRING)

namespace Units {

void RegisterUnits_framework_editors();

void RegisterUnits_framework_data() {
  RegisterUnits_framework_editors();
  RegisterResourceTable(ResourceTable_framework_data_STRING());
  RegisterStringTable("CXDATASTRINGS");
  RegisterUnit("cxDataStorage", &cxDataStorage::cxDataStorageInitialization,
               &cxDataStorage::cxDataStorageFinalization);
}

}  // namespace Units
