// Dragging controls: the drag objects, the drag started by a press or by BeginDrag, the pointer
// followed through a hidden capture window, the CM_DRAG messages to the control under it, the drag
// cursors, and the end of the drag by release, Escape or cancel.
#include <cstdlib>

#include "Controls.h"
#include "Exceptions.h"
#include "Forms.h"
#include "ImgList.h"
#include "WinCursor.h"
#include "WinHooks.h"
#include "WinInput.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinUser.h"

namespace Controls {

void DragControlDestroyed(TControl* Control);

namespace {

enum TDragOperation { dopNone, dopDrag, dopDock };

// The one drag in progress: the control dragged, its drag object, the operation once the pointer
// has left the press area, and the capture window that gets the pointer meanwhile.
struct TDragProgress {
  TControl* Control = nullptr;
  TDragObject* Object = nullptr;
  bool FreeObject = false;
  TDragOperation Active = dopNone;
  TDragOperation Kind = dopDrag;
  TPoint StartPos;
  TPoint MouseDelta;  // the press point within the control, for a floating dock rectangle
  Integer Threshold = 5;
  HWND Capture = nullptr;
  HHOOK KeyHook = nullptr;
  HCURSOR SaveCursor = nullptr;
  TControl* ClickControl = nullptr;  // a pending drag's control, until its release is passed on
  ImgList::TDragImageList* Images = nullptr;  // the drag image following the pointer, if any
};
TDragProgress Drag;

constexpr const char* DragWindowClass = "TDragCaptureWindow";

void DragTo(const TPoint& Pos);
void DragDone(bool Drop, UINT ReleaseMsg);

LRESULT DragWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      POINT p{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
      ClientToScreen(hwnd, &p);
      DragTo(TPoint(p.x, p.y));
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: DragDone(true, msg); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd) DragDone(false, 0);
      return 0;
    case WM_CANCELMODE: DragDone(false, 0); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

// Escape ends the drag without a drop; the key goes no further.
LRESULT DragKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == VK_ESCAPE && Drag.Object) {
    if (!(lParam & 0x80000000)) DragDone(false, 0);
    return 1;
  }
  return CallNextHookEx(Drag.KeyHook, code, wParam, lParam);
}

HWND CreateDragWindow() {
  WNDCLASSA existing;
  if (!GetClassInfoA(nullptr, DragWindowClass, &existing)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &DragWndProc;
    wc.lpszClassName = DragWindowClass;
    RegisterClassA(&wc);
  }
  return CreateWindowExA(WS_EX_TOOLWINDOW, DragWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                         nullptr);
}

void SetDragCursor(TCursor Cursor) { ::SetCursor(Forms::Screen->GetCursors(Cursor)); }

// The object a control's drag events see as the source: the dragged control for a drag of a
// control, the drag object itself otherwise.
TObject* DragSource(TDragObject* Object) {
  if (auto* d = dynamic_cast<TDragControlObject*>(Object)) return d->GetControl();
  return Object;
}

bool SendDragMessage(TDragMessage Msg, void* Target) {
  if (!Target || !Drag.Object) return false;
  TDragRec rec;
  rec.Pos = Drag.Object->DragPos;
  rec.Source = Drag.Object;
  rec.Target = Target;
  rec.Docking = Drag.Active == dopDock;
  return static_cast<TControl*>(Target)->Perform(CM_DRAG, Msg, reinterpret_cast<LPARAM>(&rec)) != 0;
}

bool IsInside(TControl* Control, TControl* Outer) {
  for (TControl* c = Control; c; c = c->GetParent())
    if (c == Outer) return true;
  return false;
}

// The control under the pointer that takes the drag: the library window there asks its own
// children (dmFindTarget); a dock drag looks for the nearest dock site up from there that offers
// itself to the dragged control.
TControl* FindTarget(const TPoint& Pos) {
  TWinControl* window = FindControl(WindowFromPoint(Pos));
  if (!window) return nullptr;
  if (Drag.Active != dopDock) {
    TDragRec rec;
    rec.Pos = Pos;
    rec.Source = Drag.Object;
    rec.Target = window;
    auto* found = reinterpret_cast<TControl*>(window->Perform(CM_DRAG, dmFindTarget, reinterpret_cast<LPARAM>(&rec)));
    return found ? found : window;
  }
  for (TWinControl* site = window; site; site = site->GetParent()) {
    if (!site->GetDockSite() || IsInside(site, Drag.Control)) continue;
    RECT wr;
    GetWindowRect(site->GetHandle(), &wr);
    TRect influence(wr);
    bool canDock = true;
    site->GetSiteInfo(Drag.Control, influence, Pos, canDock);
    if (canDock && Pos.x >= influence.left && Pos.x < influence.right && Pos.y >= influence.top &&
        Pos.y < influence.bottom)
      return site;
  }
  return nullptr;
}

// Where a dock drag would put the control now: on the site (its DockOver may change the rectangle)
// or floating with its own size, held where it was pressed.
void PositionDockRect(TDragDockObject* Object, const TPoint& Pos) {
  TControl* c = Object->GetControl();
  Object->Floating = Object->DragTarget == nullptr;
  if (!Object->Floating) {
    auto* site = static_cast<TWinControl*>(Object->DragTarget);
    TPoint o = site->ClientToScreen(TPoint(0, 0));
    TRect client = site->GetClientRect();
    Object->DockRect = TRect(o.x, o.y, o.x + client.Width(), o.y + client.Height());
  } else {
    Integer l = Pos.x - Drag.MouseDelta.x, t = Pos.y - Drag.MouseDelta.y;
    Object->DockRect = TRect(l, t, l + c->GetWidth(), t + c->GetHeight());
  }
}

void DragTo(const TPoint& Pos) {
  TDragObject* obj = Drag.Object;
  if (!obj || obj->Cancelling) return;
  if (Drag.Active == dopNone) {
    if (std::abs(Pos.x - Drag.StartPos.x) <= Drag.Threshold && std::abs(Pos.y - Drag.StartPos.y) <= Drag.Threshold)
      return;
    Drag.Active = Drag.Kind;
    Drag.ClickControl = nullptr;
  }
  TControl* target = FindTarget(Pos);
  if (target != obj->DragTarget) {
    SendDragMessage(dmDragLeave, obj->DragTarget);
    if (Drag.Object != obj || obj->Cancelling) return;
    obj->DragTarget = target;
    obj->DragPos = Pos;
    if (target) obj->DragTargetPos = target->ScreenToClient(Pos);
    SendDragMessage(dmDragEnter, target);
    if (Drag.Object != obj || obj->Cancelling) return;
  }
  obj->DragPos = Pos;
  obj->DragHandle = WindowFromPoint(Pos);
  // The image shows over controls that display drag images and outside the program's windows.
  if (Drag.Images) {
    Drag.Images->DragMove(Pos.x, Pos.y);
    auto* t = static_cast<TControl*>(obj->DragTarget);
    if (!t || t->ControlStyle.Contains(csDisplayDragImage) || obj->AlwaysShowDragImages) obj->ShowDragImage();
    else obj->HideDragImage();
  }
  if (obj->DragTarget) obj->DragTargetPos = static_cast<TControl*>(obj->DragTarget)->ScreenToClient(Pos);
  if (auto* dock = dynamic_cast<TDragDockObject*>(obj)) PositionDockRect(dock, Pos);
  bool accepted = SendDragMessage(dmDragMove, obj->DragTarget);
  if (Drag.Object != obj || obj->Cancelling) return;
  SetDragCursor(obj->GetDragCursor(accepted, Pos.x, Pos.y));
}

void StopCapture() {
  if (Drag.KeyHook) UnhookWindowsHookEx(Drag.KeyHook);
  Drag.KeyHook = nullptr;
  HWND capture = Drag.Capture;
  Drag.Capture = nullptr;
  if (capture) {
    if (GetCapture() == capture) ReleaseCapture();
    DestroyWindow(capture);
  }
  ::SetCursor(Drag.SaveCursor);
}

// The drag leaves its target (whose answer says whether it would take the drop), is dropped there
// when released over a target that takes it, and finishes. A pending drag released before it
// started passes the release on to its control, which thus gets its click.
void DragDone(bool Drop, UINT ReleaseMsg) {
  TDragObject* obj = Drag.Object;
  if (!obj || obj->Cancelling) return;
  obj->Cancelling = true;
  obj->Dropped = Drop;
  if (Drag.Images) Drag.Images->EndDrag();
  StopCapture();
  TDragOperation active = Drag.Active;
  TControl* control = Drag.Control;
  auto* target = static_cast<TControl*>(obj->DragTarget);
  TPoint targetPos = target ? obj->DragTargetPos : obj->DragPos;
  bool accepted = false;
  if (active == dopDock) {
    auto* dock = static_cast<TDragDockObject*>(obj);
    accepted = Drop && (target ? SendDragMessage(dmDragLeave, target) : dock->Floating);
  } else if (active == dopDrag) {
    accepted = SendDragMessage(dmDragLeave, target) && Drop;
  }
  if (accepted) {
    if (target) SendDragMessage(dmDragDrop, target);
    else if (control) control->Perform(CM_FLOAT, 0, reinterpret_cast<LPARAM>(obj));
  }
  TControl* click = active == dopNone && Drop ? Drag.ClickControl : nullptr;
  bool freeObject = Drag.FreeObject;
  Drag = TDragProgress{};
  Drag.ClickControl = click;
  obj->Finished(accepted ? target : nullptr, targetPos.x, targetPos.y, accepted);
  if (freeObject) obj->Free();
  if (Drag.ClickControl && ReleaseMsg) {
    TControl* c = Drag.ClickControl;
    Drag.ClickControl = nullptr;
    POINT p;
    GetCursorPos(&p);
    TPoint at = c->ScreenToClient(TPoint(p.x, p.y));
    c->Perform(ReleaseMsg, 0, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
  }
  Drag.ClickControl = nullptr;
}

void DragInit(TControl* Control, TDragObject* Object, bool FreeObject, bool Immediate, Integer Threshold) {
  Drag.Control = Control;
  Drag.Object = Object;
  Drag.FreeObject = FreeObject;
  Drag.Threshold = Threshold < 0 ? Mouse->DragThreshold : Threshold;
  POINT p;
  GetCursorPos(&p);
  Drag.StartPos = TPoint(p.x, p.y);
  Drag.MouseDelta = Control->GetParent() || dynamic_cast<TWinControl*>(Control)
                        ? Control->ScreenToClient(Drag.StartPos)
                        : TPoint(0, 0);
  Object->DragTarget = nullptr;
  Object->DragPos = Drag.StartPos;
  Object->Cancelling = false;
  Object->Dropped = false;
  Drag.SaveCursor = ::GetCursor();
  Drag.ClickControl = Immediate ? nullptr : Control;
  Drag.Capture = CreateDragWindow();
  SetCapture(Drag.Capture);
  Drag.KeyHook = SetWindowsHookExA(WH_KEYBOARD, &DragKeyHook, nullptr, 0);
  Drag.Images = Object->GetDragImages();
  if (Drag.Images && !Drag.Images->BeginDrag(nullptr, Drag.StartPos.x, Drag.StartPos.y)) Drag.Images = nullptr;
  if (Drag.Images) Object->HideDragImage();  // until the drag has started and knows its target
  if (Immediate) {
    Drag.Active = Drag.Kind;
    DragTo(Drag.StartPos);
  }
}

}  // namespace

// ---- Drag objects -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TDragObject)
IMPLEMENT_CLASS(TBaseDragControlObject)
IMPLEMENT_CLASS(TDragControlObject)
IMPLEMENT_CLASS(TDragControlObjectEx)
IMPLEMENT_CLASS(TDragDockObject)
IMPLEMENT_CLASS(TMouse)

void TDragObject::Assign(TDragObject* Source) {
  DragTarget = Source->DragTarget;
  DragHandle = Source->DragHandle;
  DragPos = Source->DragPos;
  DragTargetPos = Source->DragTargetPos;
  Cancelling = Source->Cancelling;
  Dropped = Source->Dropped;
  AlwaysShowDragImages = Source->AlwaysShowDragImages;
}

TCursor TDragObject::GetDragCursor(bool Accepted, Integer, Integer) { return Accepted ? crDrag : crNoDrop; }

void TDragObject::HideDragImage() {
  if (ImgList::TDragImageList* images = GetDragImages()) images->HideDragImage();
}

void TDragObject::ShowDragImage() {
  if (ImgList::TDragImageList* images = GetDragImages()) images->ShowDragImage();
}

void TBaseDragControlObject::Assign(TDragObject* Source) {
  inherited::Assign(Source);
  if (auto* s = dynamic_cast<TBaseDragControlObject*>(Source)) FControl = s->FControl;
}

void TBaseDragControlObject::EndDrag(TObject* Target, Integer X, Integer Y) {
  if (FControl) FControl->DoEndDrag(Target, X, Y);
}

void TBaseDragControlObject::Finished(TObject* Target, Integer X, Integer Y, bool Accepted) {
  if (!Accepted) {
    if (FControl) FControl->DragCanceled();
    Target = nullptr;
  }
  EndDrag(Target, X, Y);
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, Integer, Integer) {
  return Accepted ? GetControl()->GetDragCursor() : crNoDrop;
}

ImgList::TDragImageList* TDragControlObject::GetDragImages() {
  return GetControl() ? GetControl()->GetDragImages() : nullptr;
}

void TDragControlObject::HideDragImage() { inherited::HideDragImage(); }
void TDragControlObject::ShowDragImage() { inherited::ShowDragImage(); }

void TDragControlObjectEx::Finished(TObject* Target, Integer X, Integer Y, bool Accepted) {
  inherited::Finished(Target, X, Y, Accepted);
  Free();
}

void TDragDockObject::Assign(TDragObject* Source) {
  inherited::Assign(Source);
  if (auto* s = dynamic_cast<TDragDockObject*>(Source)) {
    DockRect = s->DockRect;
    DropAlign = s->DropAlign;
    DropOnControl = s->DropOnControl;
    Floating = s->Floating;
    FrameWidth = s->FrameWidth;
  }
}

void TDragDockObject::EndDrag(TObject* Target, Integer X, Integer Y) {
  if (GetControl()) GetControl()->DoEndDock(Target, X, Y);
}

// ---- The mouse --------------------------------------------------------------------------------------
TMouse* TMouseAccess::operator->() const {
  static TMouse* mouse = New<TMouse>();
  return mouse;
}

Integer TMouse::GetWheelScrollLines() const {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return static_cast<Integer>(lines);
}

TPoint TMouse::GetCursorPos() const {
  POINT p;
  ::GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

bool TMouse::IsDragging() const { return Drag.Object != nullptr; }

void CancelDrag() { DragDone(false, 0); }

TDragObject* DragObject() { return Drag.Object; }

// A control on its way out takes no further part in a drag: dragging it ends, and it stops being
// the target.
void DragControlDestroyed(TControl* Control) {
  if (Drag.ClickControl == Control) Drag.ClickControl = nullptr;
  if (!Drag.Object) return;
  if (Drag.Object->DragTarget == Control) Drag.Object->DragTarget = nullptr;
  if (Drag.Control == Control) {
    if (auto* d = dynamic_cast<TBaseDragControlObject*>(Drag.Object); d && d->GetControl() == Control)
      d->SetControl(nullptr);
    Drag.Control = nullptr;
    DragDone(false, 0);
  }
}

// ---- TControl ---------------------------------------------------------------------------------------
void TControl::BeginDrag(bool Immediate, Integer Threshold) {
  if (dynamic_cast<Forms::TCustomForm*>(this) && GetDragKind() != dkDock)
    throw EInvalidOperation("Cannot drag a form");
  if (Drag.Object) return;
  Drag.Kind = GetDragKind() == dkDock ? dopDock : dopDrag;
  TDragObject* obj = nullptr;
  bool freeObject = false;
  if (Drag.Kind == dopDock) {
    DoStartDock(obj);
    if (!obj) {
      obj = New<TDragDockObject>(this);
      freeObject = true;
    }
  } else {
    DoStartDrag(obj);
    if (!obj) {
      obj = New<TDragControlObject>(this);
      freeObject = true;
    }
  }
  DragInit(this, obj, freeObject, Immediate, Threshold);
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) DragDone(Drop, 0);
}

bool TControl::Dragging() const { return Drag.Object && Drag.Control == this; }

void TControl::BeginAutoDrag() { BeginDrag(Mouse->DragImmediate, Mouse->DragThreshold); }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  Accept = false;
  if (OnDragOver) {
    Accept = true;
    OnDragOver(this, Source, X, Y, State, Accept);
  }
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoDragMsg(TMessage& Message) {
  auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
  Message.Result = 0;
  if (!rec) return;
  auto msg = static_cast<TDragMessage>(Message.WParam);
  if (msg == dmFindTarget) {
    Message.Result = reinterpret_cast<LRESULT>(this);
    return;
  }
  if (rec->Docking) return;
  TPoint p = ScreenToClient(rec->Pos);
  TObject* source = DragSource(rec->Source);
  switch (msg) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      bool accept = false;
      TDragState state = msg == dmDragEnter ? dsDragEnter : msg == dmDragLeave ? dsDragLeave : dsDragMove;
      DragOver(source, p.x, p.y, state, accept);
      Message.Result = accept ? 1 : 0;
      return;
    }
    case dmDragDrop: DragDrop(source, p.x, p.y); return;
    default: return;
  }
}

// ---- TWinControl ------------------------------------------------------------------------------------
// A window finds the target among its non-windowed children; dock messages go to its dock-site side.
void TWinControl::DoDragMsg(TMessage& Message) {
  auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
  if (!rec) return;
  auto msg = static_cast<TDragMessage>(Message.WParam);
  if (msg == dmFindTarget) {
    TControl* c = ControlAtPos(ScreenToClient(rec->Pos), false);
    Message.Result = reinterpret_cast<LRESULT>(c ? c : this);
    return;
  }
  auto* dock = dynamic_cast<TDragDockObject*>(rec->Source);
  if (!rec->Docking || !dock) {
    inherited::DoDragMsg(Message);
    return;
  }
  TPoint p = ScreenToClient(rec->Pos);
  Message.Result = 0;
  switch (msg) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
      bool accept = true;
      TDragState state = msg == dmDragEnter ? dsDragEnter : msg == dmDragLeave ? dsDragLeave : dsDragMove;
      DockOver(dock, p.x, p.y, state, accept);
      Message.Result = accept ? 1 : 0;
      return;
    }
    case dmDragDrop: DockDrop(dock, p.x, p.y); return;
    default: return;
  }
}

}  // namespace Controls
