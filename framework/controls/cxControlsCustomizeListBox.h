// The list box of the customization dialogs: an item holding an object can be dragged out of it. A
// press on such an item arms the drag; leaving the drag threshold or the item starts it.
#pragma once

#include "StdCtrls.h"
#include "cxControlsUtils.h"

namespace cxControls {

class TcxCustomizeListBox : public TListBox {
  DECLARE_CLASS(TcxCustomizeListBox, TListBox)
 public:
  explicit TcxCustomizeListBox(TComponent* AOwner = nullptr) : TListBox(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // The object of the selected item (null when none); setting it selects the item holding that
  // object and clicks the list.
  TObject* GetItemObject();
  void SetItemObject(TObject* Value);
  // The object of the item being dragged.
  TObject* GetDragAndDropItemObject();
  Integer GetDragAndDropItemIndex() const { return FDragAndDropItemIndex; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  // The drag of the item starts: in multi-select mode it becomes the only selected item.
  virtual void BeginDragAndDrop();

 private:
  Integer FDragAndDropItemIndex = -1;
  TPoint FMouseDownPos;
};

}  // namespace cxControls

using namespace cxControls;
