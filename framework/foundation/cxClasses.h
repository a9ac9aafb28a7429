// The framework's base unit: resource strings with run-time replacements, class registries, the
// bases of settings objects, components and collections, weak links and small shared routines.
#pragma once

#include "cxClassesBase.h"
#include "cxClassesComponentCollection.h"
#include "cxClassesDialogMetrics.h"
#include "cxClassesLinks.h"
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxClassesRoutines.h"
#include "cxClassesUtils.h"

namespace cxClasses {

// The unit's end: frees its process-wide state.
void cxClassesFinalization();

}  // namespace cxClasses

using namespace cxClasses;
