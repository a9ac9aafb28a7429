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

// ---- The key operations (filled in below) ------------------------------------------------------------------
void TtsCustomDBGrid::KeyDownVK_Up() { inherited::KeyDownVK_Up(); }
void TtsCustomDBGrid::VK_UpRowSelect() { inherited::VK_UpRowSelect(); }
void TtsCustomDBGrid::KeyDownVK_Down() { inherited::KeyDownVK_Down(); }
void TtsCustomDBGrid::VK_DownRowSelect() { inherited::VK_DownRowSelect(); }
void TtsCustomDBGrid::KeyDownVK_Prior() { inherited::KeyDownVK_Prior(); }
void TtsCustomDBGrid::KeyDownVK_Next() { inherited::KeyDownVK_Next(); }
void TtsCustomDBGrid::KeyCtrl_Up() { inherited::KeyCtrl_Up(); }
void TtsCustomDBGrid::KeyCtrl_Down() { inherited::KeyCtrl_Down(); }
void TtsCustomDBGrid::KeyCtrl_Home() { inherited::KeyCtrl_Home(); }
void TtsCustomDBGrid::KeyCtrl_End() { inherited::KeyCtrl_End(); }
void TtsCustomDBGrid::KeyDownVK_Tab(Word Key) { inherited::KeyDownVK_Tab(Key); }
void TtsCustomDBGrid::ShiftKeyDownVK_Tab() { inherited::ShiftKeyDownVK_Tab(); }
void TtsCustomDBGrid::ScrollReposition(Integer, Integer, Integer, Integer, Integer, bool, bool, bool) {}
void TtsCustomDBGrid::RepositionRowSelect(Integer, Integer, Integer, Integer, Integer) {}
void TtsCustomDBGrid::KeyScroll(Integer, Integer, Integer) {}

}  // namespace TSDBGrid
