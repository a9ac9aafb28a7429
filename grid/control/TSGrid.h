// TSGrid: the grid control's engine. The unit's declarations are split by topic: the vocabulary
// (TSGridTypes.h), property elements and sets, the column and row objects, the stores and
// selections, the cell facade and current cell, the streamed collections, buttons and links, combos,
// in-place windows and their adapters, export settings, the report component and the grid object
// itself (TSGridBase.h).
#pragma once

#include "TSGridAdapters.h"
#include "TSGridBase.h"
#include "TSGridButtons.h"
#include "TSGridCells.h"
#include "TSGridCheckBox.h"
#include "TSGridColumns.h"
#include "TSGridCombo.h"
#include "TSGridComboGrid.h"
#include "TSGridControls.h"
#include "TSGridCustom.h"
#include "TSGridDropDownForm.h"
#include "TSGridEditBox.h"
#include "TSGridElements.h"
#include "TSGridExport.h"
#include "TSGridReport.h"
#include "TSGridResources.h"
#include "TSGridRows.h"
#include "TSGridStores.h"
#include "TSGridStreaming.h"
#include "TSGridTypes.h"
