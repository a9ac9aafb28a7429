// The base-control unit: the base control with its scroll bars, size grip and drag and drop, the
// popup form and the drag images, the framework's timer and message windows, mouse tracking, the
// hint window base, the design and settings controllers, the customization list box, the unit's
// small routines and the operating-system flags.
#pragma once

#include "cxControlsBase.h"
#include "cxControlsControllers.h"
#include "cxControlsCustomizeListBox.h"
#include "cxControlsDragImages.h"
#include "cxControlsHintWindow.h"
#include "cxControlsOSFlags.h"
#include "cxControlsPopupWindow.h"
#include "cxControlsScrollBars.h"
#include "cxControlsTimer.h"
#include "cxControlsUnit.h"
#include "cxControlsUtils.h"
