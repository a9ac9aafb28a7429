// What the page-control sources share among themselves: the base controls' finally block.
#pragma once

#include "cxControlsInternal.h"

namespace cxPC {

using cxControls::TFinally;

}  // namespace cxPC
