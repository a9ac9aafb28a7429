#include "cxClasses.h"

namespace cxClasses {

void cxClassesFinalization() { cxClearResourceStrings(); }

}  // namespace cxClasses
