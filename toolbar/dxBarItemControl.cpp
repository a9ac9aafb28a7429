// The parts of the item control that its link drives.
#include "dxBarItemControl.h"

namespace dxBar {

IMPLEMENT_ABSTRACT_CLASS(TdxBarItemControl)

void TdxBarItemControl::DoCalculateParts() {
  CalcDrawParams(false);
  CalcParts();
}

}  // namespace dxBar
