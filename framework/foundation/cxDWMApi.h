// The desktop window manager's services, bound at run time like the visual-styles library: a
// system without them (every system before version 6, so this one) answers that desktop
// composition is off, and callers keep their ordinary painting.
#pragma once

#include "WinDef.h"

namespace cxDWMApi {

bool IsDwmPresent();
bool IsCompositionEnabled();

void cxDWMApiInitialization();
void cxDWMApiFinalization();

}  // namespace cxDWMApi

using namespace cxDWMApi;
