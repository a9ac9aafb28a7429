// The base control's input: presses with focus on click, the internal drag and drop and the class
// library's, keys and menu shortcuts, the wheel and the context menu. A handler may free the control
// while it runs: the mouse handlers hold a weak link to it and stop once it is gone.
#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxControlsBase.h"
#include "cxControlsDragImages.h"
#include "cxControlsInternal.h"
#include "cxControlsScrollBars.h"

namespace cxControls {

// ---- Mouse ------------------------------------------------------------------------------------------
void TcxControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FMouseDownPos = TPoint(X, Y);
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  if (CanFocusOnClick(X, Y) && !Shift.Contains(ssDouble)) {
    const TRect previousBounds = GetBoundsRect();
    SetFocus();
    if (!link->Ref) return;
    TCustomForm* form = GetParentForm(this);
    if (form && form->GetActiveControl() == this && !IsFocused()) ::SetFocus(GetHandle());
    if (!link->Ref) return;
    if (!IsFocused() && !AllowDragAndDropWithoutFocus()) {
      SetMouseCapture(false);
      return;
    }
    // Taking the focus may have scrolled the control into view: the press stays where it was pressed.
    X -= GetLeft() - previousBounds.left;
    Y -= GetTop() - previousBounds.top;
  }
  if (Button == mbLeft && !Shift.Contains(ssDouble) && StartDragAndDrop(TPoint(X, Y))) {
    if (GetDragAndDropObject()->GetImmediateStart())
      BeginDragAndDrop();
    else
      SetDragAndDropState(ddsStarting);
  } else {
    FinishDragAndDrop(false);
  }
  if (!link->Ref) return;
  BeforeMouseDown(Button, Shift, X, Y);
  if (!link->Ref) return;
  inherited::MouseDown(Button, Shift, X, Y);
  if (link->Ref && GetMouseCapture()) FMouseButtonPressed = true;
}

void TcxControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  SetCursorKeepingDefault(GetCursor(X, Y));
  inherited::MouseMove(Shift, X, Y);
  if (!link->Ref) return;
  if (FDragAndDropState == ddsStarting && !IsMouseInPressedArea(X, Y)) {
    BeginDragAndDrop();
  } else if (FDragAndDropState == ddsInProcess) {
    bool accepted = false;
    DragAndDrop(TPoint(X, Y), accepted);
  }
}

void TcxControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  FMouseButtonPressed = false;
  CancelMouseOperations();
  if (link->Ref) inherited::MouseUp(Button, Shift, X, Y);
}

void TcxControl::SetCursorKeepingDefault(TCursor ACursor) {
  FKeepingDefaultCursor = true;
  TFinally done([this] { FKeepingDefaultCursor = false; });
  SetCursor(ACursor);
}

void TcxControl::CancelMouseOperations() {
  FinishDragAndDrop(true);
  SetMouseCaptureObject(nullptr);
}

void TcxControl::AfterMouseDown(TMouseButton AButton, Integer X, Integer Y) {
  if (AButton == mbLeft) {
    if (GetDragMode() == dmAutomatic && GetMouseCapture() &&
        (!IsDesigning() || AllowAutoDragAndDropAtDesignTime(X, Y, TShiftState())) && CanDrag(X, Y) &&
        DragDetect(GetHandle()) == ddDrag)
      BeginDrag(true);
  } else if (AButton == mbMiddle) {
    DoScrolling();
  }
}

// ---- Internal drag and drop ------------------------------------------------------------------------
void TcxControl::BeginDragAndDrop() {
  GetDragAndDropObject()->DoBeginDragAndDrop();
  SetMouseCapture(true);
  FDragAndDropPrevCursor = Screen->GetCursor();
  SetDragAndDropState(ddsInProcess);
}

void TcxControl::DragAndDrop(const TPoint& P, bool& Accepted) { GetDragAndDropObject()->DoDragAndDrop(P, Accepted); }

void TcxControl::EndDragAndDrop(bool Accepted) {
  SetDragAndDropState(ddsNone);
  Screen->SetCursor(FDragAndDropPrevCursor);
  SetMouseCapture(false);
  SetMouseCaptureObject(nullptr);
  GetDragAndDropObject()->DoEndDragAndDrop(Accepted);
}

void TcxControl::FinishDragAndDrop(bool Accepted) {
  if (FFinishingDragAndDrop) return;
  FFinishingDragAndDrop = true;
  TFinally done([this] { FFinishingDragAndDrop = false; });
  if (FDragAndDropState == ddsInProcess)
    EndDragAndDrop(Accepted);
  else
    SetDragAndDropState(ddsNone);
  FreeAndNil(FDragAndDropObject);
}

// ---- The class library's drag and drop --------------------------------------------------------------
void TcxControl::DoStartDrag(TDragObject*& ADragObject) {
  Update();
  inherited::DoStartDrag(ADragObject);
  if (!ADragObject) {
    TClass cls = GetDragObjectClass();
    auto* object = static_cast<TBaseDragControlObject*>(cls->NewInstance());
    object->SetControl(this);
    ADragObject = static_cast<TDragObject*>(TObject::Initialize(object));
  }
  if (!StartDrag(ADragObject)) {
    FreeAndNil(ADragObject);
    CancelDrag();
  }
}

void TcxControl::DoEndDrag(TObject* Target, Integer X, Integer Y) {
  inherited::DoEndDrag(Target, X, Y);
  FreeAndNil(FDragImages);
}

void TcxControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  // A drag of a control names the control as its source: the drag object is then the one in progress.
  TDragObject* object = dynamic_cast<TDragObject*>(Source);
  if (!object) object = Controls::DragObject();
  SetDragObject(State == dsDragLeave ? nullptr : object);
  inherited::DragOver(Source, X, Y, State, Accept);
}

ImgList::TDragImageList* TcxControl::GetDragImages() {
  if (!HasDragImages()) return nullptr;
  if (!FDragImages) {
    FDragImages = static_cast<TcxDragImageList*>(CreateComponent(GetDragImagesClass(), nullptr));
    InitDragImages(FDragImages);
  }
  return FDragImages->GetCount() > 0 ? FDragImages : nullptr;
}

TClass TcxControl::GetDragImagesClass() { return TcxDragImageList::StaticClass(); }

void TcxControl::InitDragImages(TcxDragImageList* AImages) {
  const TSize size = GetDragImagesSize();
  AImages->SetWidth(size.cx);
  AImages->SetHeight(size.cy);
  if (size.cx == 0 || size.cy == 0) return;
  TBitmap* bitmap = New<TBitmap>();
  TcxCanvas* canvas = nullptr;
  TFinally free([&] {
    FreeAndNil(canvas);
    bitmap->Free();
  });
  bitmap->SetSize(size.cx, size.cy);
  canvas = New<TcxCanvas>(bitmap->GetCanvas());
  DrawDragImage(canvas, TRect(0, 0, size.cx, size.cy));
  AImages->AddMasked(bitmap, bitmap->GetTransparentColor());
}

// ---- Keys -----------------------------------------------------------------------------------------------
void TcxControl::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) FinishDragAndDrop(false);
  inherited::KeyDown(Key, Shift);
}

void TcxControl::CNKeyDown(TMessage& Message) {
  if (IsMenuKey(Message)) {
    Message.Result = 1;
    return;
  }
  if (FDragAndDropState != ddsNone) {
    // Every key belongs to the drag; Escape ends it (KeyDown).
    Message.Result = 1;
    if (Message.WParam == VK_ESCAPE) SendMessage(GetHandle(), WM_KEYDOWN, Message.WParam, Message.LParam);
    return;
  }
  inherited::Dispatch(Message);
}

bool TcxControl::IsMenuKey(TMessage& Message) {
  if (IsDesigning()) return false;
  for (TControl* c = this; c; c = c->GetParent())
    if (auto* control = dynamic_cast<TcxControl*>(c))
      if (control->FPopupMenu && IsPopupMenuShortCut(control->FPopupMenu, Message)) return true;
  return false;
}

// ---- Wheel ----------------------------------------------------------------------------------------------
TcxMouseWheelScrollingKind TcxControl::GetMouseWheelScrollingKind() {
  return GetVScrollBarVisible() ? mwskVertical : mwskNone;
}

bool TcxControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  const TcxMouseWheelScrollingKind kind = GetMouseWheelScrollingKind();
  if (kind == mwskNone) return false;
  const bool forward = WheelDelta >= 0;
  const TcxDirection direction =
      kind == mwskHorizontal ? (forward ? dirLeft : dirRight) : (forward ? dirUp : dirDown);
  const Integer lines = Mouse->GetWheelScrollLines();
  // The system's "one page per notch" setting (WHEEL_PAGESCROLL) reads as a negative line count.
  if (lines < 0)
    ScrollContentBy(direction, true);
  else
    for (Integer i = 0; i < lines; ++i) ScrollContent(direction);
  return true;
}

void TcxControl::ScrollContent(TcxDirection ADirection) { ScrollContentBy(ADirection, false); }

void TcxControl::ScrollContentBy(TcxDirection ADirection, bool APage) {
  if (ADirection == dirNone) return;
  if (!NeedsScrollBars() && !CanScrollLineWithoutScrollBars(ADirection)) return;
  const TScrollBarKind kind = ADirection == dirUp || ADirection == dirDown ? sbVertical : sbHorizontal;
  const bool back = ADirection == dirLeft || ADirection == dirUp;
  const TScrollCode code = APage ? (back ? scPageUp : scPageDown) : (back ? scLineUp : scLineDown);
  TcxControlScrollBar* bar = GetScrollBar(kind);
  Integer position = NeedsScrollBars() && bar ? bar->GetPosition() : 0;
  Scroll(kind, code, position);
  Update();
}

// ---- Context menu ---------------------------------------------------------------------------------------
void TcxControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  if (!IsDesigning()) {
    TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
    if (p.x != -1 || p.y != -1) {
      p = ScreenToClient(p);
      if (!cxRectPtIn(GetClientRect(), p)) return inherited::Dispatch(Message);
    }
    bool handled = false;
    DoContextPopup(p, handled);
    if (handled) {
      Message.Result = 1;
      return;
    }
    // The events and menus have had their turn: the default handling passes the request on.
    return DefaultHandler(Message);
  }
  inherited::Dispatch(Message);
}

void TcxControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  const TPoint p = ClientToScreen(MousePos.x == -1 && MousePos.y == -1 ? TPoint(0, 0) : MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.x, p.y);
}

}  // namespace cxControls
