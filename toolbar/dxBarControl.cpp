// The bar window's keyboard focus on one of its item controls.
#include "dxBarControl.h"

namespace dxBar {

void TCustomdxBarControl::BarGetFocus(TdxBarItemControl* AItemControl) { DoBarGetFocus(AItemControl); }

}  // namespace dxBar
