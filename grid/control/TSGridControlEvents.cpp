// How the grid answers the events of its in-place control: the control asks before every change
// (Edit, CanChange) and reports after it (NotifyChanged, Changed); Escape in the control first
// closes an open drop-down, then undoes the cell; keys, clicks, mouse and drag events reach the
// application as the grid's own, with the grid as Sender and points in the grid's coordinates.
#include "TSGridCells.h"
#include "TSGridCombo.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"
#include "WinInput.h"

namespace TSGrid {

namespace {
// The grid's key processing is off while a control's key passes through the grid's key events.
class TKeyProcessingOff {
 public:
  explicit TKeyProcessingOff(TtsBaseGrid* Grid) : FGrid(Grid) { FGrid->SetCanProcessKey(false); }
  ~TKeyProcessingOff() { FGrid->SetCanProcessKey(true); }
  TKeyProcessingOff(const TKeyProcessingOff&) = delete;
  TKeyProcessingOff& operator=(const TKeyProcessingOff&) = delete;

 private:
  TtsBaseGrid* FGrid;
};
}  // namespace

// ---- Asking before a change and reporting after it ---------------------------------------------------------
void TtsBaseGrid::CtrlOnEdit(TObject*, bool& Cancel) {
  Cancel = !StartCellEdit();
  if (!Cancel) Cancel = !StartRowEdit();
}

void TtsBaseGrid::CtrlOnCanChange(TObject*, bool Edit, bool& Cancel) {
  Cancel = false;
  if (FCellLoading) return;
  if (GetEnableStartEdit() && Edit) Cancel = !StartCellChange(FCurDataCol, true);
}

void TtsBaseGrid::CtrlOnNotifyChanged(TObject*, bool DataChanged) {
  if (!FActiveControl) return;
  FCurrentCell->KeepSelection(FActiveControl->GetSelStart(), FActiveControl->GetSelLength());
  if (!DataChanged) return;
  Variant value = FActiveControl->GetValue();
  FCurrentCell->SetBuffer(value, false);
  if (FStoreData) SetDataValue(FCurDataCol, FCurDataRow, value, CurCellControlType());
}

void TtsBaseGrid::CtrlOnChanged(TObject*, bool Edit, bool ByUser, bool TextAdded) {
  ControlValueChanged(Edit, ByUser, TextAdded);
}

void TtsBaseGrid::CtrlOnUndoChanged(TObject*, bool ByUser, bool& Cancel) {
  if (DropDownVisible()) {
    // Escape closes the drop-down first; the control keeps its text.
    Cancel = true;
    bool combo = ComboVisible();
    CheckDropDownOff(false);
    if (combo) {
      TtsBaseGrid* list = GetCombo()->GetGrid();
      list->SetMouseCapture(false);
      list->SetMouseStatus(msNormal);
    }
    return;
  }
  bool handled = false, keepBuffer = false;
  bool undone = UndoEdit(false, ByUser, handled, keepBuffer);
  Cancel = !(undone && keepBuffer);
}

void TtsBaseGrid::CtrlOnWantKey(TObject*, Word Key, bool& WantKey) {
  if (Key != VK_ESCAPE) {
    WantKey = true;
    return;
  }
  // Escape stays with the form (its Cancel button) when the grid has nothing to take back.
  bool idle = !FCellEdit && !FRowEdit && (FMouseStatus == msNormal || FMouseStatus == msButtonDown) &&
              FComboSearchText.empty() && !DropDownVisible() && !IsInsertRow(FCurDisplayRow);
  WantKey = !idle;
}

void TtsBaseGrid::CtrlOnInvalidMaskEdit(TObject*, const String& Keys, bool& Accept) {
  ActivateInvalidMaskEdit(Keys, Accept);
}

void TtsBaseGrid::CtrlOnEditTextResized(TObject*, bool ByUser) { DoEditTextResized(ByUser); }

// ---- Keys ------------------------------------------------------------------------------------------------
void TtsBaseGrid::CtrlOnKeyDown(TObject*, Word& Key, TShiftState Shift) {
  TKeyProcessingOff off(this);
  KeyDown(Key, Shift);
}

void TtsBaseGrid::CtrlOnKeyPress(TObject*, char& Key) {
  TKeyProcessingOff off(this);
  KeyPress(Key);
}

void TtsBaseGrid::CtrlOnKeyUp(TObject*, Word& Key, TShiftState Shift) { KeyUp(Key, Shift); }

void TtsBaseGrid::CtrlOnEndKeyDown(TObject*, Word& Key, TShiftState Shift) { ProcessKeyDown(Key, Shift); }

void TtsBaseGrid::CtrlOnEndKeyPress(TObject*, char& Key) {
  if (static_cast<unsigned char>(Key) > 31) ProcessKeyDropDownList(Key);
}

// ---- Clicks, mouse and drag ----------------------------------------------------------------------------------
namespace {
// A point of the control's client area in the grid's client coordinates.
TPoint ControlToGrid(TtsBaseGrid* Grid, TObject* Sender, Integer X, Integer Y) {
  auto* control = dynamic_cast<TControl*>(Sender);
  if (!control) return TPoint(X, Y);
  return Grid->ScreenToClient(control->ClientToScreen(TPoint(X, Y)));
}
}  // namespace

void TtsBaseGrid::CtrlOnClick(TObject*) {
  if (OnClick) OnClick(this);
  SetMouseUpColRow(FCurDisplayCol, FCurDisplayRow);
  ClickCell(FCurDataCol, FCurDataRow, FCurDataCol, FCurDataRow);
}

void TtsBaseGrid::CtrlOnDblClick(TObject*) {
  if (OnDblClick) OnDblClick(this);
  DblClickCell(FCurDataCol, FCurDataRow);
}

void TtsBaseGrid::CtrlOnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (IsFocused() || !FCheckMouseFocus) {
    if (Button == mbLeft) {
      SetMouseDownColRow(FCurDisplayCol, FCurDisplayRow);
      if (FActiveControl && !FActiveControl->GetKeyEdit()) {
        // A drop-down-list cell opens its list from a press anywhere on it.
        Integer col, row;
        CellFromXY(at.x, at.y, col, row);
        TtsDropDownStyle style;
        TtsButtonType button = col > 0 && row > 0 ? GiveCellButton(GetDataCol(col), GetDataRow(row), style) : btNone;
        if ((button == btCombo || button == btDateTimeDropDown) && style == ddDropDownList) {
          MDButtonDown(Shift, at.x, at.y, col, row);
          SetMouseCapture(true);
        }
      }
    }
  }
  if (OnMouseDown) OnMouseDown(this, Button, Shift, at.x, at.y);
}

void TtsBaseGrid::CtrlOnMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (OnMouseUp) OnMouseUp(this, Button, Shift, at.x, at.y);
}

void TtsBaseGrid::CtrlOnMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (OnMouseMove) OnMouseMove(this, Shift, at.x, at.y);
}

void TtsBaseGrid::CtrlOnDragDrop(TObject* Sender, TObject* Source, Integer X, Integer Y) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (OnDragDrop) OnDragDrop(this, Source, at.x, at.y);
}

void TtsBaseGrid::CtrlOnDragOver(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State,
                                 bool& Accept) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (OnDragOver)
    OnDragOver(this, Source, at.x, at.y, State, Accept);
  else
    Accept = false;
}

void TtsBaseGrid::CtrlOnEndDrag(TObject* Sender, TObject* Target, Integer X, Integer Y) {
  TPoint at = ControlToGrid(this, Sender, X, Y);
  if (OnEndDrag) OnEndDrag(this, Target, at.x, at.y);
}

void TtsBaseGrid::CtrlOnStartDrag(TObject*, TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

}  // namespace TSGrid
