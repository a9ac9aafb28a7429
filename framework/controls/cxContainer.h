// The container unit: the container view info, its state styles and the style controller, the
// container control that every editor derives from, the popup windows of the editors with the
// hooks that close them, the inner list box, and the unit's window routines.
#pragma once

#include "cxContainerControl.h"
#include "cxContainerInnerListBox.h"
#include "cxContainerPopupWindow.h"
#include "cxContainerStyles.h"
#include "cxContainerUtils.h"
#include "cxContainerViewInfo.h"

namespace cxContainer {

// The unit's start: the scroll-bar information entry point, the list of open popups and its hooks,
// and the popup owner lookup of docking; its end takes them away.
void InitContainer();
void DoneContainer();

}  // namespace cxContainer
