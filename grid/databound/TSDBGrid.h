// TSDBGrid: the data-bound grid. The unit's declarations are split by topic: the vocabulary
// (TSDBGridTypes.h), the grid object (TSDBGridBase.h), the row selection, and the classes placed
// on forms; each topic of the grid adds its header here.
#pragma once

#include "TSDBGridBase.h"
#include "TSDBGridFacades.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridPublished.h"
#include "TSDBGridSelection.h"
#include "TSDBGridStreaming.h"
#include "TSDBGridTypes.h"
#include "TSDBGridColumns.h"
#include "TSDBGridFields.h"
#include "TSDBGridCurrentCell.h"

namespace TSDBGrid {

// The unit's start and end: the shared DataRow values and the form-stream class registration.
void TSDBGridInitialization();
void TSDBGridFinalization();

}  // namespace TSDBGrid

using namespace TSDBGrid;
