#include "cxControlsCustomizeListBox.h"

#include "StringLists.h"
#include "WinUser.h"
#include "cxControlsInternal.h"

namespace cxControls {

IMPLEMENT_CLASS(TcxCustomizeListBox)

void TcxCustomizeListBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style |= CS_HREDRAW;
}

void TcxCustomizeListBox::WndProc(TMessage& Message) {
  // While an item is armed for dragging the list box's own pointer handling (which would drag the
  // selection along) is left out: the move goes straight to MouseMove.
  if (Message.Msg == WM_MOUSEMOVE && FDragAndDropItemIndex != -1) {
    MouseMove(KeysToShiftState(static_cast<WORD>(Message.WParam)), static_cast<int16_t>(Message.LParamLo()),
              static_cast<int16_t>(Message.LParamHi()));
    return;
  }
  inherited::WndProc(Message);
}

void TcxCustomizeListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_CANCELMODE) FDragAndDropItemIndex = -1;
  inherited::Dispatch(Message);
}

void TcxCustomizeListBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || ItemAtPos(TPoint(X, Y), true) == -1 || !GetItemObject()) return;
  FDragAndDropItemIndex = GetItemIndex();
  FMouseDownPos = TPoint(X, Y);
}

void TcxCustomizeListBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FDragAndDropItemIndex == -1) return;
  if (IsPointInDragDetectArea(FMouseDownPos, X, Y) && ItemAtPos(TPoint(X, Y), true) == FDragAndDropItemIndex)
    return;
  SetItemIndex(FDragAndDropItemIndex);
  BeginDragAndDrop();
  FDragAndDropItemIndex = -1;
}

void TcxCustomizeListBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FDragAndDropItemIndex = -1;
  inherited::MouseUp(Button, Shift, X, Y);
}

void TcxCustomizeListBox::BeginDragAndDrop() {
  if (!GetMultiSelect()) return;
  GetItems()->BeginUpdate();
  TFinally endUpdate([this] { GetItems()->EndUpdate(); });
  ClearSelection();
  SetSelected(GetItemIndex(), true);
}

TObject* TcxCustomizeListBox::GetItemObject() {
  const Integer index = GetItemIndex();
  return index == -1 ? nullptr : GetItems()->GetObjects(index);
}

void TcxCustomizeListBox::SetItemObject(TObject* Value) {
  SetItemIndex(GetItems()->IndexOfObject(Value));
  Click();
}

TObject* TcxCustomizeListBox::GetDragAndDropItemObject() {
  return FDragAndDropItemIndex == -1 ? nullptr : GetItems()->GetObjects(FDragAndDropItemIndex);
}

}  // namespace cxControls
