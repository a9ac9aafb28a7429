// The standard window classes the layer registers for every program.
#include "WinInternals.h"

namespace WinInternals {

void RegisterStandardClasses() {}

}  // namespace WinInternals
