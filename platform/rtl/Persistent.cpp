#include "Persistent.h"

#include "Exceptions.h"
#include "Filer.h"
#include "SysConst.h"

namespace Persistent {

IMPLEMENT_CLASS(TPersistent)
IMPLEMENT_CLASS(TInterfacedPersistent)

// A component reference still waiting to be resolved must never be written into a freed object.
void TPersistent::Destroy() {
  RemoveFixups(this);
  inherited::Destroy();
}

void TPersistent::Assign(TPersistent* source) {
  if (source) source->AssignTo(this);
  else AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  String text = SysConst::SAssignError;
  text.replace(text.find("%s"), 2, source ? source->ClassName() : "nil");
  text.replace(text.find("%s"), 2, ClassName());
  throw EAssignError(text);
}

String TPersistent::GetNamePath() {
  String path;
  if (TPersistent* owner = GetOwner()) {
    path = owner->GetNamePath();
    if (!path.empty()) path += '.';
  }
  return path + ClassName();
}

}  // namespace Persistent
