// The texts of the filter-building helpers that the filter's own texts do not already hold (the
// operator captions are the filter's, cxFilterConsts).
#pragma once

#include "ResStrings.h"

namespace cxFilterControlStrs {

extern const TResStringRec cxSFilterControlInvalidValue;

}  // namespace cxFilterControlStrs

using namespace cxFilterControlStrs;
