// The look-and-feel painters: the painter interface, the standard and flat painters and the others, and
// the unit's registry of named painters with its shared resources.
#pragma once

#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeelPaintersStandard.h"
#include "cxLookAndFeelPaintersUltraFlat.h"
#include "cxLookAndFeelPaintersOffice11.h"
#include "cxLookAndFeelPaintersNative.h"
#include "cxLookAndFeelPaintersRegistry.h"
