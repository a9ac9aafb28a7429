#include "cxContainer.h"
#include "cxContainerInternal.h"

namespace cxContainer {

void InitContainer() {
  InitContainerScrollBarInfo();
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxStyleController::StaticClass(), TControl::StaticClass());
  InitPopupWindows();
  cxGetParentWndForDocking = &GetPopupOwnerControl;
}

void DoneContainer() {
  cxGetParentWndForDocking = nullptr;
  DonePopupWindows();
  DoneContainerScrollBarInfo();
}

}  // namespace cxContainer
