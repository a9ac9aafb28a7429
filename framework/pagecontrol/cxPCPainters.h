// The tab painters' unit: the nine painters that tab controls choose by style number (Tabs, Buttons,
// FlatButtons, ExtraFlat, UltraFlat, Flat, Office11, Slanted, OneNote), and the unit's start and end,
// which register them with the painter factory.
#pragma once

#include "cxPCPaintersButtons.h"
#include "cxPCPaintersFlat.h"
#include "cxPCPaintersSlanted.h"
#include "cxPCPaintersStandard.h"
#include "cxPCPaintersTabs.h"

namespace cxPCPainters {

void InitPCPainters();
void DonePCPainters();

}  // namespace cxPCPainters
