// The framework's graphics unit: the canvas wrapper and regions, the brush cache and the unit's
// start-up, the graphics functions (image looks, colours, blending, resizing, text measuring), the
// framework's bitmaps with their run-length stream, and the image list.
#pragma once

#include "cxGraphicsBrushCache.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsImageList.h"
