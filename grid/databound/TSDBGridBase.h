// TtsCustomDBGrid: the grid engine bound to a dataset. It holds no rows of its own: a data link ties
// it to a data source and one of two data strategies supplies the visible records; rows are named by
// their record (a bookmark or an application-supplied record id), and row and cell overrides, like
// the row selection, are kept per record.
//
// The class is declared by topic: structure, construction and binding; the data link, the data
// strategies and editing; the display buffer, scrolling, painting and events; field wrappers and
// data-bound columns; per-record row and cell properties.
#pragma once

#include "TSDBGridData.h"
#include "TSDBGridEvents.h"
#include "TSDBGridFieldTypes.h"
#include "TSDBGridTypes.h"
#include "TSGridBase.h"

namespace TSDBGrid {

using namespace TSGrid;

class TtsCustomDBGrid : public TtsBaseGrid {
  DECLARE_CLASS(TtsCustomDBGrid, TtsBaseGrid)

 public:
#include "TSDBGridStructure.inc"
#include "TSDBGridLink.inc"
#include "TSDBGridDisplay.inc"
#include "TSDBGridFields.inc"
#include "TSDBGridProps.inc"
#include "TSDBGridEdit.inc"
#include "TSDBGridSelect.inc"
#include "TSDBGridCombo.inc"

 protected:
#include "TSDBGridStructureState.inc"
#include "TSDBGridLinkState.inc"
#include "TSDBGridDisplayState.inc"
#include "TSDBGridFieldsState.inc"
#include "TSDBGridPropsState.inc"
#include "TSDBGridEditState.inc"
#include "TSDBGridSelectState.inc"
};

}  // namespace TSDBGrid
