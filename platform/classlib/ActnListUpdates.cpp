// The idle update of actions: a showing form lets the action of each visible control it holds
// update itself.
#include "Forms.h"

namespace Forms {

namespace {
void TraverseClients(TWinControl* Container) {
  if (!Container->Showing()) return;
  for (Integer i = 0; i < Container->ControlCount(); ++i) {
    TControl* control = Container->Controls(i);
    if (control->ControlStyle.Contains(csActionClient) && control->GetVisible()) control->InitiateAction();
    if (auto* w = dynamic_cast<TWinControl*>(control)) TraverseClients(w);
  }
}
}  // namespace

void TCustomForm::UpdateActions() {
  if (ComponentState().Contains(csDesigning) || !Showing()) return;
  InitiateAction();
  TraverseClients(this);
}

}  // namespace Forms
