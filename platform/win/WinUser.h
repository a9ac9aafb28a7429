// The window-manager side of the operating-system interface, by topic. Including this header gives
// every call, message, constant and structure of the layer.
#pragma once

#include "Messages.h"
#include "WinCaret.h"
#include "WinClasses.h"
#include "WinClipboard.h"
#include "WinControls.h"
#include "WinCursor.h"
#include "WinDefProc.h"
#include "WinFocus.h"
#include "WinHooks.h"
#include "WinInput.h"
#include "WinManage.h"
#include "WinMessageBox.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinScrollBars.h"
#include "WinTimers.h"
#include "WinUserDraw.h"
#include "WinUserTypes.h"
