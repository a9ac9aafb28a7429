// A form's part in actions: at idle it lets the action of each visible control it holds update
// itself, and it finds a target among its controls for an action nobody else handled.
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

namespace {
bool OfferTo(TControl* Control, TBasicAction* Action, bool Execute) {
  return Control && (Execute ? Control->ExecuteAction(Action) : Control->UpdateAction(Action));
}

bool OfferToClients(TWinControl* Container, TBasicAction* Action, bool Execute) {
  if (!Container->Showing()) return false;
  for (Integer i = 0; i < Container->ControlCount(); ++i) {
    TControl* control = Container->Controls(i);
    if (control->GetVisible() && OfferTo(control, Action, Execute)) return true;
    if (auto* w = dynamic_cast<TWinControl*>(control); w && OfferToClients(w, Action, Execute)) return true;
  }
  return false;
}
}  // namespace

bool TCustomForm::OfferAction(TBasicAction* Action, bool Execute) {
  if (!Action || ComponentState().Contains(csDesigning) || !Showing()) return false;
  return OfferTo(FActiveControl, Action, Execute) || OfferTo(this, Action, Execute) ||
         OfferToClients(this, Action, Execute);
}

void TCustomForm::UpdateActions() {
  if (ComponentState().Contains(csDesigning) || !Showing()) return;
  InitiateAction();
  TraverseClients(this);
}

}  // namespace Forms
