// The page-control unit: the tab model, the tab control with its layout and input, the painter
// contract, the rotated tab images and tab slants, the page control with its tab sheets, and the
// unit's shared routines.
#pragma once

#include "cxPCImageList.h"
#include "cxPCPageControl.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"
#include "cxPCTabs.h"
#include "cxPCTypes.h"
