#include "cxClasses.h"

namespace cxClasses {

void cxClassesFinalization() {
  cxDialogsMetricsStoreFinalization();
  cxClearResourceStrings();
}

}  // namespace cxClasses
