#include "cxFilterControlStrs.h"

#include "Resources.h"

namespace cxFilterControlStrs {

const TResStringRec cxSFilterControlInvalidValue = {&HInstance, 65430};

}  // namespace cxFilterControlStrs
