// What the container unit's sources share among themselves: the list of open popups, the mark of a
// popup being shown, the lock of form-activation messages and the popup hooks.
#pragma once

#include <vector>

#include "WinDef.h"

namespace cxContainer {

class TcxCustomPopupWindow;
class TcxContainer;

// The popups open now, in the order they were opened.
const std::vector<TcxCustomPopupWindow*>& OpenPopupWindows();
bool IsPopupWindowOpen(TcxCustomPopupWindow* APopup);
// Adding installs the hooks first when they run on demand and none was open; removing the last one
// takes them away. Adding a null or open popup and removing one that is not open fail an assertion.
void AddOpenPopupWindow(TcxCustomPopupWindow* APopup);
void RemoveOpenPopupWindow(TcxCustomPopupWindow* APopup);
// Set while a popup is being shown, or closed by a click outside it.
void SetPopupWindowShowing(bool AValue);
bool IsCMActivateMessagesLocked();
// The container's protected focus handling, for the hooks.
void ContainerFocusChanged(TcxContainer* AContainer);

void InitPopupWindows();
void DonePopupWindows();
void InitContainerScrollBarInfo();
void DoneContainerScrollBarInfo();

}  // namespace cxContainer
