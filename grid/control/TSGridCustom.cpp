// The grid control's event layer: each engine slot converts its Variant rows to Integer row numbers
// and calls the application's handler; cell loading reports each newly reached row once per paint and
// checks the loaded value; cell painting offers each cell to the application before drawing it.
#include "TSGridCustom.h"
#include "TSGridCombo.h"
#include "TSGridComboGrid.h"
#include "TSGridImpl.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsCustomGrid)

IMPLEMENT_CLASS_PUBLISHED(TtsGrid) {
  using G = TtsGrid;
#define TS_PUBLISH_EVENT(Type, Name) d.Property(#Name, &G::Get##Name, &G::Set##Name);
  TS_CUSTOM_GRID_EVENTS(TS_PUBLISH_EVENT)
  TS_BASE_GRID_EVENTS(TS_PUBLISH_EVENT)
#undef TS_PUBLISH_EVENT
}

namespace {
// A row number from the engine's Variant row; a row that is no number raises the conversion error.
Integer RowNumber(const Variant& DataRow) { return DataRow.ToInteger(); }
}  // namespace

// ---- Hooks ------------------------------------------------------------------------------------------------
void TtsCustomGrid::Paint() {
  FLastLoadedRow = -1;
  inherited::Paint();
}

void TtsCustomGrid::GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo) {
  DoGetDrawInfo(DataCol, DataRow, DrawInfo);
}

bool TtsCustomGrid::ActivateDoGetDrawInfo() { return static_cast<bool>(OnGetDrawInfo); }

void TtsCustomGrid::CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) {
  if (DataRow != FLastLoadedRow) {
    FLastLoadedRow = DataRow;
    DoRowLoaded(Variant(DataRow));
  }
  RunCellLoaded(ControlType, Value, [&] {
    DoCellLoaded(DataCol, DataRow, Value);
    // A drop-down list grid lets its owning grid see every value it loads.
    if (FIsComboGrid)
      if (auto* owner = dynamic_cast<TtsCustomGrid*>(GetParentGrid()))
        owner->DoComboCellLoaded(DataCol, DataRow, Value);
  });
}

bool TtsCustomGrid::PaintCell(TtsDrawData& DrawData, const TRect&, bool Selected) {
  bool painted = false;
  if (DrawData.DisplayCol < 1 || DrawData.DisplayRow < 0) return false;
  TtsPaintCellState state;
  GetPaintCellPars(DrawData.DisplayCol, DrawData.DisplayRow, state);
  const TRect& cell = DrawData.CellRect;
  if (cell.right <= cell.left) return false;
  TCanvas* canvas = GetCanvas();
  bool heading = DrawData.DisplayRow == 0;
  TColor brush = heading ? GiveCellColor(DrawData.DataCol, 0, false) : GetColor();
  if (canvas->GetBrush()->GetColor() != brush) canvas->GetBrush()->SetColor(brush);
  canvas->SetFont(heading ? GetHeadingFont() : GetFont());
  DoPaintCell(DrawData.DataCol, DrawData.DataRow, cell, state, painted);
  if (!painted) return false;
  // The application drew the content; the grid's own parts still go on top of it.
  UpdateDrawData(DrawData, DrawData.AsEditor);
  if (heading) {
    DrawHeadingButton(canvas, DrawData.DisplayCol, DrawData);
  } else {
    FillButtonPart(DrawData, Selected);
    DrawCellFocusRect(DrawData.DisplayCol, DrawData.DisplayRow);
    DrawButtonInCell(DrawData, Selected);
  }
  return true;
}

void TtsCustomGrid::TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) {
  if (OldCol == NewCol && OldRow == NewRow) return;
  DoTopLeftChanged(OldCol, OldRow, NewCol, NewRow, ByUser);
}

void TtsCustomGrid::RowInserted(Integer DataRow, bool ByUser) { DoInsertRow(DataRow, ByUser); }
void TtsCustomGrid::RowDeleted(Integer DataRow, bool ByUser) { DoDeleteRow(DataRow, ByUser); }

TtsComboGrid* TtsCustomGrid::ComboDropDownGrid() {
  return FCombo ? dynamic_cast<TtsComboGrid*>(FCombo->GetGrid()) : nullptr;
}

// ---- Dispatchers of the engine's slots ------------------------------------------------------------------
bool TtsCustomGrid::DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                                const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  if (!OnClickCell) return false;
  OnClickCell(this, DataColDown, RowNumber(DataRowDown), DataColUp, RowNumber(DataRowUp), DownPos, UpPos);
  return true;
}

void TtsCustomGrid::DoButtonClick(Integer DataCol, const Variant& DataRow) {
  if (OnButtonClick) OnButtonClick(this, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoButtonDown(Integer DataCol, const Variant& DataRow) {
  if (OnButtonDown) OnButtonDown(this, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoButtonUp(Integer DataCol, const Variant& DataRow) {
  if (OnButtonUp) OnButtonUp(this, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonClick) OnSpinButtonClick(this, DataCol, RowNumber(DataRow), Button);
}
void TtsCustomGrid::DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonDown) OnSpinButtonDown(this, DataCol, RowNumber(DataRow), Button);
}
void TtsCustomGrid::DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  if (OnSpinButtonUp) OnSpinButtonUp(this, DataCol, RowNumber(DataRow), Button);
}
void TtsCustomGrid::DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) {
  if (OnSpinRepeat) OnSpinRepeat(this, DataCol, RowNumber(DataRow), Count, Button);
}
void TtsCustomGrid::DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value,
                                    Integer& Pos, Integer& Len, bool& Accept) {
  if (OnSpinIncrement) OnSpinIncrement(this, DataCol, RowNumber(DataRow), Button, Value, Pos, Len, Accept);
}
void TtsCustomGrid::DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) {
  if (OnCellEdit) OnCellEdit(this, DataCol, RowNumber(DataRow), ByUser);
}
void TtsCustomGrid::DoComboDropDown(Integer DataCol, const Variant& DataRow) {
  if (OnComboDropDown) OnComboDropDown(this, ComboDropDownGrid(), DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow,
                                    Variant& Value) {
  if (OnComboGetValue)
    OnComboGetValue(this, ComboDropDownGrid(), DataCol, RowNumber(DataRow), RowNumber(ComboDataRow), Value);
}
void TtsCustomGrid::DoComboInit(Integer DataCol, const Variant& DataRow) {
  if (OnComboInit) OnComboInit(this, ComboDropDownGrid(), DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoComboRollUp(Integer DataCol, const Variant& DataRow) {
  if (OnComboRollUp) OnComboRollUp(this, ComboDropDownGrid(), DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeInit) OnDateTimeInit(this, Def, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeDropDown) OnDateTimeDropDown(this, Def, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) {
  if (OnDateTimeRollUp) OnDateTimeRollUp(this, Def, DataCol, RowNumber(DataRow));
}
void TtsCustomGrid::DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow,
                                       Variant& Value) {
  if (OnDateTimeGetValue) OnDateTimeGetValue(this, Def, DataCol, RowNumber(DataRow), Value);
}
void TtsCustomGrid::DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos) {
  if (OnDblClickCell) OnDblClickCell(this, DataCol, RowNumber(DataRow), Pos);
}

// Edit starts and ends and showing the editor go ahead unless a handler cancels them.
void TtsCustomGrid::DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnStartCellEdit) OnStartCellEdit(this, DataCol, RowNumber(DataRow), Cancel);
}
void TtsCustomGrid::DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnEndCellEdit) OnEndCellEdit(this, DataCol, RowNumber(DataRow), Cancel);
}
void TtsCustomGrid::DoStartRowEdit(const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnStartRowEdit) OnStartRowEdit(this, RowNumber(DataRow), Cancel);
}
void TtsCustomGrid::DoEndRowEdit(const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnEndRowEdit) OnEndRowEdit(this, RowNumber(DataRow), Cancel);
}
void TtsCustomGrid::DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  Cancel = false;
  if (OnShowEditor) OnShowEditor(this, DataCol, RowNumber(DataRow), Cancel);
}
void TtsCustomGrid::DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) {
  Cancel = false;
  if (OnUndoCellEdit) OnUndoCellEdit(this, DataCol, RowNumber(DataRow), ByUser, Cancel);
}
void TtsCustomGrid::DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) {
  Cancel = false;
  if (OnUndoRowEdit) OnUndoRowEdit(this, RowNumber(DataRow), ByUser, Cancel);
}

// A value or keys that fail their mask are refused unless a handler accepts them.
void TtsCustomGrid::DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept) {
  Accept = false;
  if (OnInvalidMaskValue) OnInvalidMaskValue(this, DataCol, RowNumber(DataRow), Accept);
}
void TtsCustomGrid::DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept) {
  Accept = false;
  if (OnInvalidMaskEdit) OnInvalidMaskEdit(this, Keys, DataCol, RowNumber(DataRow), Accept);
}

// Moves of the current cell are not reported while the grid is read from a stream.
void TtsCustomGrid::DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) {
  if (OnCellChanged && CanActivateEvent()) OnCellChanged(this, OldCol, NewCol, RowNumber(OldRow), RowNumber(NewRow));
}
void TtsCustomGrid::DoRowChanged(const Variant& OldRow, const Variant& NewRow) {
  if (OnRowChanged && CanActivateEvent()) OnRowChanged(this, RowNumber(OldRow), RowNumber(NewRow));
}
void TtsCustomGrid::DoRowLoaded(const Variant& DataRow) {
  if (OnRowLoaded) OnRowLoaded(this, RowNumber(DataRow));
}

// ---- Dispatchers of its own -----------------------------------------------------------------------------
void TtsCustomGrid::DoPrintRow(Integer DataRow, bool& Cancel) {
  if (OnPrintRow && CanActivateEvent()) OnPrintRow(this, DataRow, Cancel);
}
void TtsCustomGrid::DoPrintCell(Integer DataCol, Integer DataRow, bool& Cancel) {
  if (OnPrintCell && CanActivateEvent()) OnPrintCell(this, DataCol, DataRow, Cancel);
}
void TtsCustomGrid::DoGetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo) {
  if (OnGetDrawInfo) OnGetDrawInfo(this, DataCol, DataRow, DrawInfo);
}
void TtsCustomGrid::DoComboCellLoaded(Integer DataCol, Integer DataRow, Variant& Value) {
  if (OnComboCellLoaded) OnComboCellLoaded(this, ComboDropDownGrid(), DataCol, DataRow, Value);
}
void TtsCustomGrid::DoTopLeftChanged(Integer OldCol, Integer OldRow, Integer NewCol, Integer NewRow, bool ByUser) {
  if (OnTopLeftChanged && CanActivateEvent()) OnTopLeftChanged(this, OldCol, OldRow, NewCol, NewRow, ByUser);
}
void TtsCustomGrid::DoPaintCell(Integer DataCol, Integer DataRow, const TRect& ARect, TtsPaintCellState State,
                                bool& Cancel) {
  if (OnPaintCell) OnPaintCell(this, DataCol, DataRow, ARect, State, Cancel);
}
void TtsCustomGrid::DoCellLoaded(Integer DataCol, Integer DataRow, Variant& Value) {
  if (OnCellLoaded) OnCellLoaded(this, DataCol, DataRow, Value);
}
void TtsCustomGrid::DoDeleteRow(Integer DataRow, bool ByUser) {
  if (OnDeleteRow && CanActivateEvent()) OnDeleteRow(this, DataRow, ByUser);
}
void TtsCustomGrid::DoInsertRow(Integer DataRow, bool ByUser) {
  if (OnInsertRow && CanActivateEvent()) OnInsertRow(this, DataRow, ByUser);
}

}  // namespace TSGrid
