// The vocabulary of the data-bound grid: its binding and selection settings, the places a row
// selection names by bookmark, the grid's data edit mode and the event types, whose rows are
// DataRow Variants (a record's bookmark or an application-supplied record id).
#pragma once

#include "DB.h"
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
// Whether the columns follow the dataset's fields or were laid out by the designer.
PUBLISHED_ENUM(TtsFieldState, fsDefault, fsCustomized)

enum TtsScanState { sstStart, sstScan, sstSave, sstEnd };

// ---- The grid's parts, declared with their topics
class TtsCustomDBGrid;
class TtsDBGrid;
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

// ---- Event types --------------------------------------------------------------------------------------
using TtsDBRowLoadedEvent = TClosure<void(TObject* Sender, const Variant& DataRow)>;
using TtsDBCellLoadedEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, Variant& Value)>;
using TtsDBPaintCellEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, TRect ARect,
                                          TtsPaintCellState State, bool& Cancel)>;
using TtsDBDeleteRowEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool ByUser)>;
using TtsDBInsertRowEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool ByUser)>;
using TtsDBTopLeftChangedEvent = TClosure<void(TObject* Sender, Integer OldCol, const Variant& OldRow, Integer NewCol,
                                               const Variant& NewRow, bool ByUser)>;
using TtsDBCellEditingEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool& Cancel)>;
using TtsDBRowEditingEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool& Cancel)>;
using TtsDBShowEditorEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool& Cancel)>;
using TtsDBCellEditEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool ByUser)>;
using TtsDBRowEditEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool ByUser)>;
using TtsDBUndoCellEditEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel)>;
using TtsDBUndoRowEditEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool ByUser, bool& Cancel)>;
using TtsDBCellChangedEvent = TClosure<void(TObject* Sender, Integer OldCol, Integer NewCol, const Variant& OldRow,
                                            const Variant& NewRow)>;
using TtsDBRowChangedEvent = TClosure<void(TObject* Sender, const Variant& OldRow, const Variant& NewRow)>;
using TtsDBButtonEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow)>;
using TtsDBSpinButtonEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, TtsSpinButton SpinButton)>;
using TtsDBSpinRepeatEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton SpinButton)>;
using TtsDBSpinIncrementEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, TtsSpinButton SpinButton, Variant& Value,
                  Integer& Pos, Integer& Len, bool& Accept)>;
using TtsDBClickCellEvent =
    TClosure<void(TObject* Sender, Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                  const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos)>;
using TtsDBDblClickCellEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, TtsClickPosition Pos)>;
using TtsDBUpdateFieldEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, Variant& Value, bool& Cancel)>;
using TtsDBComboCellEvent =
    TClosure<void(TObject* Sender, TtsDBComboGrid* Combo, Integer DataCol, const Variant& DataRow)>;
using TtsDBComboCellLoadedEvent =
    TClosure<void(TObject* Sender, TtsDBComboGrid* Combo, Integer DataCol, const Variant& DataRow, Variant& Value)>;
using TtsDBComboGetValueEvent =
    TClosure<void(TObject* Sender, TtsDBComboGrid* Combo, Integer GridDataCol, const Variant& GridDataRow,
                  const Variant& ComboDataRow, Variant& Value)>;
using TtsDBDateTimeCellEvent = TClosure<void(TObject* Sender, TtsDateTimeDefComponent* DateTimeDef, Integer DataCol,
                                             const Variant& DataRow)>;
using TtsDBDateTimeGetValueEvent = TClosure<void(TObject* Sender, TtsDateTimeDefComponent* DateTimeDef,
                                                 Integer DataCol, const Variant& DataRow, Variant& Value)>;
using TtsDBGetRecordIDEvent = TClosure<void(TObject* Sender, const Variant& DataRow, Variant& RecordID)>;
using TtsDBCompareRecordIDEvent =
    TClosure<void(TObject* Sender, const Variant& RecordID1, const Variant& RecordID2, Integer& CompRes)>;
using TtsDBGetDrawInfoEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, TtsDrawInfo& DrawInfo)>;
using TtsDBScanRecordsEvent =
    TClosure<void(TObject* Sender, bool ScanAll, TtsScanState State, Integer Count, bool& Cancel)>;
using TtsDBInvalidCellValueEvent =
    TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool& Accept)>;
using TtsDBInvalidCellEditEvent =
    TClosure<void(TObject* Sender, const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept)>;
using TtsDBPrintRowEvent = TClosure<void(TObject* Sender, const Variant& DataRow, bool& Cancel)>;
using TtsDBPrintCellEvent = TClosure<void(TObject* Sender, Integer DataCol, const Variant& DataRow, bool& Cancel)>;

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
