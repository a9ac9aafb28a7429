// The parts of the item control that its link drives.
#include "dxBarItemControl.h"

namespace dxBar {

void TdxBarItemControl::DoCalculateParts() {
  CalcDrawParams(false);
  CalcParts();
}

}  // namespace dxBar
