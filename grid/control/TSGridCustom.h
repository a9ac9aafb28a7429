// The grid control's concrete layer: the row- and cell-level events with their dispatchers, the hooks
// through which cell loading and painting reach the application, and TtsGrid, which publishes them.
#pragma once

#include <vector>

#include "TSGridBase.h"

namespace TSGrid {

// ---- Event types of the row- and cell-level events ------------------------------------------------
using TtsRowLoadedEvent = TClosure<void(TObject* Sender, Integer DataRow)>;
using TtsCellLoadedEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, Variant& Value)>;
using TtsCellEditEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool ByUser)>;
using TtsRowEditEvent = TClosure<void(TObject* Sender, Integer DataRow, bool ByUser)>;
using TtsUndoCellEditEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool ByUser, bool& Cancel)>;
using TtsUndoRowEditEvent = TClosure<void(TObject* Sender, Integer DataRow, bool ByUser, bool& Cancel)>;
using TtsCellEditingEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool& Cancel)>;
using TtsRowEditingEvent = TClosure<void(TObject* Sender, Integer DataRow, bool& Cancel)>;
using TtsShowEditorEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool& Cancel)>;
using TtsTopLeftChangedEvent =
    TClosure<void(TObject* Sender, Integer OldCol, Integer OldRow, Integer NewCol, Integer NewRow, bool ByUser)>;
using TtsCellChangedEvent =
    TClosure<void(TObject* Sender, Integer OldCol, Integer NewCol, Integer OldRow, Integer NewRow)>;
using TtsRowChangedEvent = TClosure<void(TObject* Sender, Integer OldRow, Integer NewRow)>;
using TtsPaintCellEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, TRect ARect,
                                        TtsPaintCellState State, bool& Cancel)>;
using TtsClickCellEvent = TClosure<void(TObject* Sender, Integer DataColDown, Integer DataRowDown, Integer DataColUp,
                                        Integer DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos)>;
using TtsDblClickCellEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, TtsClickPosition Pos)>;
using TtsButtonEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow)>;
using TtsSpinButtonEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, TtsSpinButton SpinButton)>;
using TtsSpinRepeatEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, Integer Count, TtsSpinButton SpinButton)>;
using TtsSpinIncrementEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, TtsSpinButton SpinButton, Variant& Value,
                  Integer& Pos, Integer& Len, bool& Accept)>;
class TtsComboGrid;

// The Combo argument is the drop-down list grid of the grid's combo.
using TtsComboGetValueEvent = TClosure<void(TObject* Sender, TtsComboGrid* Combo, Integer GridDataCol,
                                            Integer GridDataRow, Integer ComboDataRow, Variant& Value)>;
using TtsComboCellLoadedEvent =
    TClosure<void(TObject* Sender, TtsComboGrid* Combo, Integer DataCol, Integer DataRow, Variant& Value)>;
using TtsComboCellEvent = TClosure<void(TObject* Sender, TtsComboGrid* Combo, Integer DataCol, Integer DataRow)>;
using TtsGetDrawInfoEvent =
    TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo)>;
using TtsInvalidCellValueEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool& Accept)>;
using TtsInvalidCellKeysEvent =
    TClosure<void(TObject* Sender, const String& Keys, Integer DataCol, Integer DataRow, bool& Accept)>;
using TtsDateTimeCellEvent =
    TClosure<void(TObject* Sender, TtsDateTimeDefComponent* DateTimeDef, Integer DataCol, Integer DataRow)>;
using TtsDateTimeGetValueEvent = TClosure<void(TObject* Sender, TtsDateTimeDefComponent* DateTimeDef,
                                               Integer DataCol, Integer DataRow, Variant& Value)>;
using TtsPrintRowEvent = TClosure<void(TObject* Sender, Integer DataRow, bool& Cancel)>;
using TtsPrintCellEvent = TClosure<void(TObject* Sender, Integer DataCol, Integer DataRow, bool& Cancel)>;
using TtsDeleteRowEvent = TClosure<void(TObject* Sender, Integer DataRow, bool ByUser)>;
using TtsInsertRowEvent = TClosure<void(TObject* Sender, Integer DataRow, bool ByUser)>;

// The 40 row- and cell-level events of the grid control, in their published order.
#define TS_CUSTOM_GRID_EVENTS(X)                                                                          \
  X(TtsButtonEvent, OnButtonClick)                                                                       \
  X(TtsButtonEvent, OnButtonDown)                                                                        \
  X(TtsButtonEvent, OnButtonUp)                                                                          \
  X(TtsSpinButtonEvent, OnSpinButtonClick)                                                               \
  X(TtsSpinButtonEvent, OnSpinButtonDown)                                                                \
  X(TtsSpinButtonEvent, OnSpinButtonUp)                                                                  \
  X(TtsSpinRepeatEvent, OnSpinRepeat)                                                                    \
  X(TtsSpinIncrementEvent, OnSpinIncrement)                                                              \
  X(TtsCellEditEvent, OnCellEdit)                                                                        \
  X(TtsCellLoadedEvent, OnCellLoaded)                                                                    \
  X(TtsClickCellEvent, OnClickCell)                                                                      \
  X(TtsComboCellLoadedEvent, OnComboCellLoaded)                                                          \
  X(TtsComboCellEvent, OnComboDropDown)                                                                  \
  X(TtsComboGetValueEvent, OnComboGetValue)                                                              \
  X(TtsComboCellEvent, OnComboInit)                                                                      \
  X(TtsComboCellEvent, OnComboRollUp)                                                                    \
  X(TtsDateTimeCellEvent, OnDateTimeInit)                                                                \
  X(TtsDateTimeCellEvent, OnDateTimeDropDown)                                                            \
  X(TtsDateTimeCellEvent, OnDateTimeRollUp)                                                              \
  X(TtsDateTimeGetValueEvent, OnDateTimeGetValue)                                                        \
  X(TtsDblClickCellEvent, OnDblClickCell)                                                                \
  X(TtsDeleteRowEvent, OnDeleteRow)                                                                      \
  X(TtsCellEditingEvent, OnEndCellEdit)                                                                  \
  X(TtsRowEditingEvent, OnEndRowEdit)                                                                    \
  X(TtsShowEditorEvent, OnShowEditor)                                                                    \
  X(TtsInvalidCellValueEvent, OnInvalidMaskValue)                                                        \
  X(TtsInvalidCellKeysEvent, OnInvalidMaskEdit)                                                          \
  X(TtsGetDrawInfoEvent, OnGetDrawInfo)                                                                  \
  X(TtsInsertRowEvent, OnInsertRow)                                                                      \
  X(TtsPaintCellEvent, OnPaintCell)                                                                      \
  X(TtsCellChangedEvent, OnCellChanged)                                                                  \
  X(TtsRowChangedEvent, OnRowChanged)                                                                    \
  X(TtsRowLoadedEvent, OnRowLoaded)                                                                      \
  X(TtsCellEditingEvent, OnStartCellEdit)                                                                \
  X(TtsRowEditingEvent, OnStartRowEdit)                                                                  \
  X(TtsTopLeftChangedEvent, OnTopLeftChanged)                                                            \
  X(TtsUndoCellEditEvent, OnUndoCellEdit)                                                                \
  X(TtsUndoRowEditEvent, OnUndoRowEdit)                                                                  \
  X(TtsPrintRowEvent, OnPrintRow)                                                                        \
  X(TtsPrintCellEvent, OnPrintCell)

// The grid-level events that the base grid holds and the grid control publishes.
#define TS_BASE_GRID_EVENTS(X)                                                                            \
  X(TtsCanStartDragEvent, OnCanStartDrag)                                                                \
  X(TtsColChangedEvent, OnColChanged)                                                                    \
  X(TtsCountChangedEvent, OnColCountChanged)                                                             \
  X(TtsColMovedEvent, OnColMoved)                                                                        \
  X(TtsResizedEvent, OnColResized)                                                                       \
  X(TtsComboCompareValueEvent, OnComboCompareValue)                                                      \
  X(TtsComboLCompareValueEvent, OnComboLCompareValue)                                                    \
  X(TtsDeleteColEvent, OnDeleteCol)                                                                      \
  X(TtsGridStatusChangedEvent, OnGridStatusChanged)                                                      \
  X(TtsHeadingClickEvent, OnHeadingClick)                                                                \
  X(TtsHeadingClickEvent, OnHeadingDown)                                                                 \
  X(TtsHeadingClickEvent, OnHeadingUp)                                                                   \
  X(TtsInsertColEvent, OnInsertCol)                                                                      \
  X(TtsMouseStatusChangedEvent, OnMouseStatusChanged)                                                    \
  X(TtsCountChangedEvent, OnRowCountChanged)                                                             \
  X(TtsRowMovedEvent, OnRowMoved)                                                                        \
  X(TtsResizedEvent, OnRowResized)                                                                       \
  X(TtsSelectChangedEvent, OnSelectChanged)                                                              \
  X(TNotifyEvent, OnPaint)                                                                               \
  X(TtsEditTextResizedEvent, OnEditTextResized)                                                          \
  X(TtsPrintGridEvent, OnPrintGrid)

class TtsCustomGrid : public TtsBaseGrid {
  DECLARE_CLASS(TtsCustomGrid, TtsBaseGrid)
 public:
  explicit TtsCustomGrid(TComponent* AOwner = nullptr) : TtsBaseGrid(AOwner) {}

  // ---- Hooks of the engine
  void Paint() override;
  void GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo) override;
  void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) override;
  bool PaintCell(TtsDrawData& DrawData, const TRect& Rect, bool Selected) override;
  bool ActivateDoGetDrawInfo() override;
  void TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) override;
  void RowInserted(Integer DataRow, bool ByUser) override;
  void RowDeleted(Integer DataRow, bool ByUser) override;
  // A TtsCombo, and a TtsComboGrid on the grid's drop-down form.
  TtsCombo* CreateCombo() override;
  TtsBaseGrid* CreateComboGrid() override;

  // ---- Dispatchers of the engine's event slots (rows arrive as Variants)
  bool DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp, const Variant& DataRowUp,
                   TtsClickPosition DownPos, TtsClickPosition UpPos) override;
  void DoButtonClick(Integer DataCol, const Variant& DataRow) override;
  void DoButtonDown(Integer DataCol, const Variant& DataRow) override;
  void DoButtonUp(Integer DataCol, const Variant& DataRow) override;
  void DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) override;
  void DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value, Integer& Pos,
                       Integer& Len, bool& Accept) override;
  void DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) override;
  void DoComboDropDown(Integer DataCol, const Variant& DataRow) override;
  void DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow, Variant& Value) override;
  void DoComboInit(Integer DataCol, const Variant& DataRow) override;
  void DoComboRollUp(Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow,
                          Variant& Value) override;
  void DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos) override;
  void DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoEndRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept) override;
  void DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept) override;
  void DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) override;
  void DoRowChanged(const Variant& OldRow, const Variant& NewRow) override;
  void DoRowLoaded(const Variant& DataRow) override;
  void DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoStartRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel) override;

  // ---- Dispatchers of its own (Integer rows)
  virtual void DoPrintRow(Integer DataRow, bool& Cancel);
  virtual void DoPrintCell(Integer DataCol, Integer DataRow, bool& Cancel);
  virtual void DoGetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo);
  virtual void DoComboCellLoaded(Integer DataCol, Integer DataRow, Variant& Value);
  virtual void DoTopLeftChanged(Integer OldCol, Integer OldRow, Integer NewCol, Integer NewRow, bool ByUser);
  virtual void DoPaintCell(Integer DataCol, Integer DataRow, const TRect& ARect, TtsPaintCellState State,
                           bool& Cancel);
  virtual void DoCellLoaded(Integer DataCol, Integer DataRow, Variant& Value);
  virtual void DoDeleteRow(Integer DataRow, bool ByUser);
  virtual void DoInsertRow(Integer DataRow, bool ByUser);

  // ---- Printing and export
  // Hand the grid to the attached report component.
  void Print() override;
  void PrintPreview() override;
  // Asks for a file name and writes an XML data packet to a name ending in "xml" (any case), else
  // delimited text.
  void ExportGrid() override;
  virtual String GetXMLMetaData();
  virtual String GetXMLData();
  virtual String GetXMLRowData(const Variant& DataRow);
  virtual String GetCSVRowData(Integer DataRow);
  virtual void ExportCSV(const String& FileName);
  virtual void ExportXML(const String& FileName);

  Integer GetLastLoadedRow() const { return FLastLoadedRow; }

  // ---- Events (method pointers; an unassigned one is null)
#define TS_DECLARE_EVENT_FIELD(Type, Name) Type Name;
  TS_CUSTOM_GRID_EVENTS(TS_DECLARE_EVENT_FIELD)
#undef TS_DECLARE_EVENT_FIELD

  // Accessors through which the class table publishes every event of the grid.
#define TS_DECLARE_EVENT_ACCESSORS(Type, Name) \
  Type Get##Name() const { return Name; }      \
  void Set##Name(const Type& Value) { Name = Value; }
  TS_CUSTOM_GRID_EVENTS(TS_DECLARE_EVENT_ACCESSORS)
  TS_BASE_GRID_EVENTS(TS_DECLARE_EVENT_ACCESSORS)
#undef TS_DECLARE_EVENT_ACCESSORS

 private:
  // The drop-down list grid of the grid's combo, handed to the combo events.
  TtsComboGrid* ComboDropDownGrid();
  // The data columns an export writes: in display order, visible and not pictures (delimited
  // text), or in data order, hidden ones included (XML).
  std::vector<Integer> CSVExportCols();
  std::vector<Integer> XMLExportCols();
  // The XML names of the exported columns, a repeated name taking a numeric suffix.
  std::vector<String> XMLFieldNames();
  String ExportSeparator();

  Integer FLastLoadedRow = 0;
};

// The grid control as the application places it on a form: it only publishes.
class TtsGrid : public TtsCustomGrid {
  DECLARE_CLASS(TtsGrid, TtsCustomGrid)
 public:
  explicit TtsGrid(TComponent* AOwner = nullptr) : TtsCustomGrid(AOwner) {}
};

}  // namespace TSGrid
