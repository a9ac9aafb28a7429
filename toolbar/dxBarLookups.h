// Finding bar managers: by their owner, for any component, the form a manager belongs to, and whether
// a window or a form is the manager owner's or active.
#pragma once

#include "WinDef.h"
#include "dxBarTypes.h"

namespace Forms {
class TCustomForm;
}

namespace dxBar {

// AComponent itself when it is a manager, else the manager whose owner it is; nil when none.
TdxBarManager* GetBarManagerByComponent(TComponent* AComponent);
TdxBarManager* GetBarManagerByForm(Forms::TCustomForm* AForm);
// The manager of the nearest window control among AComponent and its owners, or of the nearest
// enclosing window control that has one.
TdxBarManager* GetBarManagerForComponent(TComponent* AComponent);
// The form found from the manager owner's window up through child windows: the outermost (fkMain),
// the first MDI child (fkMainOrMDIChild, else the outermost) or the first form (fkAny).
Forms::TCustomForm* FindManagerForm(TdxBarManager* ABarManager, TdxBarManagerFormKind AFormKind);
// AWindow is the manager owner's window or one of the parents reached from it through child windows.
bool IsWindowOfManagerOwner(TdxBarManager* ABarManager, HWND AWindow);
bool IsFormActive(Forms::TCustomForm* AForm);

}  // namespace dxBar

using namespace dxBar;
