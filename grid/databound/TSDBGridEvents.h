// The event types of the data-bound grid. Its events name rows by DataRow Variants (the record's
// bookmark as a string, or the application's record id) and hand them to the handlers unchanged;
// column numbers stay Integers.
#pragma once

#include "TSGridTypes.h"

namespace TSDBGrid {

using namespace TSGrid;

class TtsDBComboGrid;

// The steps of a record scan reported to OnScanRecords: once sstStart, then per record, sstEnd last.
enum TtsScanState { sstStart, sstScan, sstSave, sstEnd };

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
using TtsDBCellChangedEvent =
    TClosure<void(TObject* Sender, Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow)>;
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
// Combo: the drop-down list grid of the grid's data-bound combo.
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

}  // namespace TSDBGrid
