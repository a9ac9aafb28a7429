// The data layer's registration routine: the layers below, the data controller's and filter's
// string table, and the units with start-up code.
#include "ResStrings.h"
#include "Resources.h"
#include "Units.h"
#include "cxClassesResStrings.h"
#include "cxDataStorage.h"
#include "cxFilterConsts.h"
#include "cxFilterControlUtils.h"

DECLARE_RESOURCE_TABLE(framework_data, STRING)

namespace Units {

void RegisterUnits_framework_editors();

namespace {

// The filter's texts are read through the framework's replaceable resource strings from the start
// of the editor units on; the editors, which the filter builds on, cannot name the filter's hook.
void InitFilterResourceStrings() {
  cxFilterGetResourceStringFunc = static_cast<String (*)(PResStringRec)>(&cxGetResourceString);
}

}  // namespace

void RegisterUnits_framework_data() {
  RegisterUnits_framework_editors();
  RegisterResourceTable(ResourceTable_framework_data_STRING());
  RegisterStringTable("CXDATASTRINGS");
  RegisterUnit("cxFilterConsts", &InitFilterResourceStrings, nullptr);
  RegisterUnit("cxDataStorage", &cxDataStorage::cxDataStorageInitialization,
               &cxDataStorage::cxDataStorageFinalization);
  RegisterUnit("cxFilterControlUtils", &cxFilterControlUtils::cxFilterControlUtilsInitialization,
               &cxFilterControlUtils::cxFilterControlUtilsFinalization);
}

}  // namespace Units
