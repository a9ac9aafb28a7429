// The painter tests' pixel surface: the shared one, under the name these tests know it by.
#pragma once

#include "PixelSurface.h"

namespace PainterTestSurface {
using namespace PixelSurface;
}  // namespace PainterTestSurface
