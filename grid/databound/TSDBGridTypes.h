// The vocabulary of the data-bound grid: its binding and selection settings, the grid's parts as
// the topics declare them, and the list of its published events.
#pragma once

#include "DB.h"
#include "TSDBGridEvents.h"
#include "TSGridTypes.h"

namespace Bits {
class TBits;
}

namespace TSDBGrid {

using namespace TSGrid;
using Bits::TBits;
using DB::TDataSet;
using DB::TDataSource;
using DB::TField;

// ---- Binding and selection settings -------------------------------------------------------------------
// Which data strategy supplies the visible records: the data link's record window, or a buffer of
// the grid's own over a cloned cursor (only for datasets that pass the strategy's check).
PUBLISHED_ENUM(TtsDatasetType, dstStandard, dstBDE)
// Non-ordered bookmarks compare for equality only, so they cannot form selection ranges.
PUBLISHED_ENUM(TtsBookmarkType, bmtDefault, bmtNonOrdered)
PUBLISHED_ENUM(TtsBookmarkCompareType, bctDefault, bctAsString)
PUBLISHED_ENUM(TtsRecordSelection, rseBookmarkRange, rseBookmarkSet)

// The selected cell range of a bound grid: columns by number, rows by DataRow.
struct TtsDBRect {
  Integer LeftCol = 0;
  Integer RightCol = 0;
  Variant TopRow;
  Variant BottomRow;
};

// ---- The grid's parts, declared with their topics
class TtsCustomDBGrid;
class TtsDBGrid;
class TtsDBCombo;
class TtsDBComboGrid;
class TtsGridDataLink;
class TtsGridData;
class TtsStandardDataset;
class TtsScrollDataset;
class TtsDBSelection;
class TtsFieldList;
class TtsDBGridCols;
class TtsDBCol;
class TtsDBRowPropSet;
class TtsDBCellPropSet;
class TtsDBRowElement;
class TtsDBCellElement;
class TtsDBRow;
class TtsDBCell;
class TtsDBRowCollection;
class TtsDBCellCollection;
class TtsDBGridStreamComponent;
class TtsDBCurrentCell;

// The events of the data-bound grid, in their published order. The two record-id events go through
// RECORDID, since assigning OnGetRecordID may switch record ids on or off.
#define TS_DB_GRID_EVENTS(X, RECORDID)                         \
  X(TtsDBButtonEvent, OnButtonClick)                           \
  X(TtsDBButtonEvent, OnButtonDown)                            \
  X(TtsDBButtonEvent, OnButtonUp)                              \
  X(TtsDBSpinButtonEvent, OnSpinButtonClick)                   \
  X(TtsDBSpinButtonEvent, OnSpinButtonDown)                    \
  X(TtsDBSpinButtonEvent, OnSpinButtonUp)                      \
  X(TtsDBSpinRepeatEvent, OnSpinRepeat)                        \
  X(TtsDBSpinIncrementEvent, OnSpinIncrement)                  \
  X(TtsDBCellEditEvent, OnCellEdit)                            \
  X(TtsDBCellLoadedEvent, OnCellLoaded)                        \
  X(TtsDBClickCellEvent, OnClickCell)                          \
  X(TtsDBComboCellLoadedEvent, OnComboCellLoaded)              \
  X(TtsDBComboCellEvent, OnComboDropDown)                      \
  X(TtsDBComboGetValueEvent, OnComboGetValue)                  \
  X(TtsDBComboCellEvent, OnComboInit)                          \
  X(TtsDBComboCellEvent, OnComboRollUp)                        \
  X(TtsDBDateTimeCellEvent, OnDateTimeDropDown)                \
  X(TtsDBDateTimeGetValueEvent, OnDateTimeGetValue)            \
  X(TtsDBDateTimeCellEvent, OnDateTimeInit)                    \
  X(TtsDBDateTimeCellEvent, OnDateTimeRollUp)                  \
  RECORDID(TtsDBCompareRecordIDEvent, OnCompareRecordID)        \
  X(TtsDBDblClickCellEvent, OnDblClickCell)                    \
  X(TtsDBDeleteRowEvent, OnDeleteRow)                          \
  X(TtsDBCellEditingEvent, OnEndCellEdit)                      \
  X(TtsDBRowEditingEvent, OnEndRowEdit)                        \
  X(TtsDBShowEditorEvent, OnShowEditor)                        \
  X(TtsDBInvalidCellValueEvent, OnInvalidMaskValue)            \
  X(TtsDBInvalidCellEditEvent, OnInvalidMaskEdit)              \
  X(TtsDBGetDrawInfoEvent, OnGetDrawInfo)                      \
  RECORDID(TtsDBGetRecordIDEvent, OnGetRecordID)                \
  X(TtsDBInsertRowEvent, OnInsertRow)                          \
  X(TtsDBPaintCellEvent, OnPaintCell)                          \
  X(TtsDBCellChangedEvent, OnCellChanged)                      \
  X(TtsDBRowChangedEvent, OnRowChanged)                        \
  X(TtsDBRowLoadedEvent, OnRowLoaded)                          \
  X(TtsDBCellEditingEvent, OnStartCellEdit)                    \
  X(TtsDBRowEditingEvent, OnStartRowEdit)                      \
  X(TtsDBTopLeftChangedEvent, OnTopLeftChanged)                \
  X(TtsDBUndoCellEditEvent, OnUndoCellEdit)                    \
  X(TtsDBUndoRowEditEvent, OnUndoRowEdit)                      \
  X(TtsDBUpdateFieldEvent, OnUpdateField)                      \
  X(TtsDBScanRecordsEvent, OnScanRecords)                      \
  X(TNotifyEvent, OnFieldLayoutChange)                         \
  X(TtsDBPrintRowEvent, OnPrintRow)                            \
  X(TtsDBPrintCellEvent, OnPrintCell)

}  // namespace TSDBGrid
