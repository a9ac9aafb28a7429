// The keyboard of the bound grid: a key moves the dataset's current record instead of a row index,
// keeps the row selection in step, ends the edit of the record it leaves, and appends, inserts or
// deletes records.
#include "TSDBGrid.h"
#include "TSDBGridDisplayImpl.h"
#include "TSDBGridScope.h"
#include "TSGridCells.h"
#include "WinInput.h"

namespace TSDBGrid {

void TtsCustomDBGrid::ProcessKeyDown(Word& Key, TShiftState Shift) {
  if (Key == 0) return;
  inherited::ProcessKeyDown(Key, Shift);
  if (!FDataBound || Key == 0) return;
  if (Shift == TShiftState{ssCtrl} && Key == VK_DELETE && CtrlKeyDownVK_Delete())
    Key = 0;
  else if (Shift.Empty() && Key == VK_INSERT && KeyDownVK_Insert())
    Key = 0;
}

void TtsCustomDBGrid::PostData(bool Cancel) {
  TDataSet* dataSet = FDataLink->DataSet();
  if (!dataSet) return;
  if (Cancel)
    dataSet->Cancel();
  else
    dataSet->CheckBrowseMode();
}

bool TtsCustomDBGrid::CanMoveDown() {
  TDataSet* dataSet = FDataLink->DataSet();
  return !(FGridData->OnLastRecord() && !dataSet->Modified() && !FCellChangePending &&
           dataSet->State() == DB::dsInsert);
}

bool TtsCustomDBGrid::KeyDownVK_Insert() {
  if (!FDataLink->Active() || (FGridMode != gmEdit && FGridMode != gmEditInsert) || ReadOnly()) return false;
  FDataLink->DataSet()->Insert();
  return true;
}

bool TtsCustomDBGrid::KeydownVK_Escape() {
  if (!FDataBound) return inherited::KeydownVK_Escape();
  if (FLinkEditing) PostData(true);
  if (!GetAlwaysShowEditor()) {
    HideEditor();
    GetCurrentCell()->SelectAll();
  }
  return true;
}

void TtsCustomDBGrid::KeyScrollRowSelect(Integer Distance) {
  FKeyRowSelecting = true;
  TtsFinally clear([&] { FKeyRowSelecting = false; });
  FDataLink->DataSet()->MoveBy(Distance);
}

void TtsCustomDBGrid::KeyFirstRowSelect(bool PaintSuspended) {
  if (!PaintSuspended) SetEnablePaint(false);
  FKeyRowSelecting = true;
  TtsFinally clear([&] {
    FKeyRowSelecting = false;
    if (!PaintSuspended) SetEnablePaint(true);
  });
  FDataLink->DataSet()->First();
}

void TtsCustomDBGrid::KeyLastRowSelect(bool PaintSuspended) {
  if (!PaintSuspended) SetEnablePaint(false);
  FKeyRowSelecting = true;
  TtsFinally clear([&] {
    FKeyRowSelecting = false;
    if (!PaintSuspended) SetEnablePaint(true);
  });
  FDataLink->DataSet()->Last();
}

// ---- Vertical keys ---------------------------------------------------------------------------------------
// The dataset's cursor moves and the data link scrolls the grid after it. The edit of the record
// being left is ended first; an appended (inserted) record that was left empty has then been
// dropped, and the cursor already stands where Up (Down) would have taken it.
bool TtsCustomDBGrid::VerticalKeyAllowed() {
  return FDataBound && FDataActive && CanMoveToPos(FCurDisplayCol, FCurDisplayRow);
}

bool TtsCustomDBGrid::InRowSelectKeys() { return !InEditMode() && !FocusRectActive(); }

// Up or Down may leave the record: Down only when the record is not an untouched insert at the end,
// both only once its edit has ended; false also when the edit dropped an empty appended (Up) or
// inserted (Down) record, the cursor then standing where the key would have taken it.
bool TtsCustomDBGrid::LeaveRecordByKey(TtsRecordKey Step) {
  if (Step == rkDown) {
    FGridData->SetActiveRecord(FCurDataRow);
    if (!CanMoveDown()) return false;
  }
  TtsDataEditMode mode = FDataEditMode;
  if (!CheckEndEdit(FCurDataCol, -1, true)) return false;
  if (Step == rkUp && mode == demAppend && !FEditModified) return false;
  return !(Step == rkDown && mode == demInsert && !FEditModified);
}

void TtsCustomDBGrid::RecordKey(TtsRecordKey Step) {
  bool lineOrPage = Step == rkUp || Step == rkDown || Step == rkPageUp || Step == rkPageDown;
  if (lineOrPage && FCurDisplayRow < 1) return;
  if (LeaveRecordByKey(Step)) MoveDatasetByKey(Step);
}

void TtsCustomDBGrid::MoveDatasetByKey(TtsRecordKey Step) {
  TDataSet* dataSet = FDataLink->DataSet();
  Integer page = std::max<Integer>(GetVisibleRowCount(), 1);
  switch (Step) {
    case rkUp: dataSet->Prior(); break;
    case rkDown:
      if (dataSet->MoveBy(1) == 0 && !FIsComboGrid && (FAutoInsert || FGridMode == gmEditInsert) && !ReadOnly())
        Append();
      break;
    case rkPageUp: dataSet->MoveBy(-page); break;
    case rkPageDown: dataSet->MoveBy(page); break;
    case rkFirst: dataSet->First(); break;
    case rkLast: dataSet->Last(); break;
  }
}

// In row-select mode the dataset's scroll notice makes the new current record the only selected
// one and repaints the rows selected before from its snapshot. A row-select key never appends.
void TtsCustomDBGrid::RecordKeyRowSelect(TtsRecordKey Step) {
  if ((Step == rkUp || Step == rkDown) && (FCurDisplayRow < 1 || !LeaveRecordByKey(Step))) return;
  SaveSelectedRows(0);
  Integer page = std::max<Integer>(GetVisibleRowCount(), 1);
  switch (Step) {
    case rkUp: KeyScrollRowSelect(-1); break;
    case rkDown: KeyScrollRowSelect(1); break;
    case rkPageUp: KeyScrollRowSelect(-page); break;
    case rkPageDown: KeyScrollRowSelect(page); break;
    case rkFirst: KeyFirstRowSelect(false); break;
    case rkLast: KeyLastRowSelect(false); break;
  }
}

// The column moves with the record; at the first (last) record only the column moves, and nothing
// happens when it is there already.
void TtsCustomDBGrid::KeyCtrlHomeEnd(bool Home) {
  Integer target = Home ? LeftMostCol(InEditMode(), false) : RightMostCol(InEditMode(), false);
  if (target < 1) target = FCurDisplayCol;
  Integer newLeft = MoveToDisplayCol(GetLeftCol(), target, Home ? vpRight : vpNone);
  TtsRecordKey step = Home ? rkFirst : rkLast;
  if (InRowSelectKeys()) {
    bool atEdge = Home ? GetDataset()->Bof() : GetDataset()->Eof();
    if (atEdge && newLeft == GetLeftCol()) return;
    if (newLeft != GetLeftCol()) SetLeftCol(newLeft);
    RecordKeyRowSelect(step);
    return;
  }
  if (!LeaveRecordByKey(step)) return;
  Integer top = 0, newRow = 0;
  bool repositioned = false;
  Integer moved = Home ? KeyHomeUp(top, repositioned, newRow) : KeyEndDown(top, repositioned, newRow);
  TtsFinally range([&] {
    if (repositioned) UpdateScrollRange();
  });
  if (moved == 0 && FCurDisplayCol == target) return;
  {
    TtsPaintSuspension paintOff(this);
    ScrollReposition(0, newLeft, GetFixedRows(), target, FCurDisplayRow, true, true, true);
  }
  if (moved != 0) MoveDatasetByKey(step);
}

void TtsCustomDBGrid::KeyDownVK_Up() {
  if (!FDataBound) return inherited::KeyDownVK_Up();
  if (!VerticalKeyAllowed()) return;
  if (InRowSelectKeys()) return VK_UpRowSelect();
  RecordKey(rkUp);
}

void TtsCustomDBGrid::VK_UpRowSelect() {
  if (!FDataBound) return inherited::VK_UpRowSelect();
  if (VerticalKeyAllowed()) RecordKeyRowSelect(rkUp);
}

void TtsCustomDBGrid::KeyDownVK_Down() {
  if (!FDataBound) return inherited::KeyDownVK_Down();
  if (!VerticalKeyAllowed()) return;
  if (InRowSelectKeys()) return VK_DownRowSelect();
  RecordKey(rkDown);
}

void TtsCustomDBGrid::VK_DownRowSelect() {
  if (!FDataBound) return inherited::VK_DownRowSelect();
  if (VerticalKeyAllowed()) RecordKeyRowSelect(rkDown);
}

void TtsCustomDBGrid::KeyDownVK_Prior() {
  if (!FDataBound) return inherited::KeyDownVK_Prior();
  if (VerticalKeyAllowed()) InRowSelectKeys() ? RecordKeyRowSelect(rkPageUp) : RecordKey(rkPageUp);
}

void TtsCustomDBGrid::KeyDownVK_Next() {
  if (!FDataBound) return inherited::KeyDownVK_Next();
  if (VerticalKeyAllowed()) InRowSelectKeys() ? RecordKeyRowSelect(rkPageDown) : RecordKey(rkPageDown);
}

void TtsCustomDBGrid::KeyCtrl_Up() {
  if (!FDataBound) return inherited::KeyCtrl_Up();
  if (VerticalKeyAllowed()) InRowSelectKeys() ? RecordKeyRowSelect(rkFirst) : RecordKey(rkFirst);
}

void TtsCustomDBGrid::KeyCtrl_Down() {
  if (!FDataBound) return inherited::KeyCtrl_Down();
  if (VerticalKeyAllowed()) InRowSelectKeys() ? RecordKeyRowSelect(rkLast) : RecordKey(rkLast);
}

void TtsCustomDBGrid::KeyCtrl_Home() {
  if (!FDataBound) return inherited::KeyCtrl_Home();
  if (VerticalKeyAllowed()) KeyCtrlHomeEnd(true);
}

void TtsCustomDBGrid::KeyCtrl_End() {
  if (!FDataBound) return inherited::KeyCtrl_End();
  if (VerticalKeyAllowed()) KeyCtrlHomeEnd(false);
}

}  // namespace TSDBGrid
