// The editor framework's unit: the registry of editor kinds and the edit repository, the editor
// settings, the editor style and its controllers, edit buttons with the view data that lays an
// editor out and the view info that paints it, the editor control, and its data binding, edit data
// and the pool of in-place editors.
#pragma once

#include "cxEditButtons.h"
#include "cxEditControl.h"
#include "cxEditDataBinding.h"
#include "cxEditProperties.h"
#include "cxEditRegistry.h"
#include "cxEditStyles.h"
#include "cxEditViewData.h"
#include "cxEditViewInfo.h"
