// The base control's life, properties, painting and window messages, and the child-component base.
#include <algorithm>

#include "Forms.h"
#include "Menus.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxControlsBase.h"
#include "cxControlsDragImages.h"
#include "cxControlsInternal.h"
#include "cxControlsScrollBars.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxControls {

IMPLEMENT_CLASS(TcxControl)

// ---- Life ---------------------------------------------------------------------------------------------
void TcxControl::Construct() {
  inherited::Construct();
  if (HasDragImages()) ControlStyle.Include(csDisplayDragImage);
  FCanvas = New<TcxCanvas>(inherited::GetCanvas());
  FDefaultCursor = TControl::GetCursor();
  FFocusOnClick = true;
  FLookAndFeel = New<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxControl::LookAndFeelChangeHandler);
  FScrollBars = ssBoth;
  CreateScrollBars();
  SetTabStop(MayFocus());
  FLastParentBackground = true;
  FParentBackground = false;
  SetParentBackground(true);
}

void TcxControl::BeforeDestruction() {
  if (!IsDestroying()) Destroying();
  inherited::BeforeDestruction();
}

void TcxControl::Destroy() {
  EndDrag(false);
  DestroyScrollBars();
  FFontListeners.clear();
  FreeAndNil(FDragAndDropObject);
  FreeAndNil(FDragImages);
  FreeAndNil(FScreenCanvas);
  FreeAndNil(FCanvas);
  FreeAndNil(FLookAndFeel);
  cxClearObjectLinks(this);
  inherited::Destroy();
}

void TcxControl::LookAndFeelChangeHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  LookAndFeelChanged(Sender, AChangedValues);
}

void TcxControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) SetPopupMenu(nullptr);
}

// ---- Properties -------------------------------------------------------------------------------------
TcxCanvas* TcxControl::GetActiveCanvas() {
  if (HandleAllocated()) {
    FreeAndNil(FScreenCanvas);
    return FCanvas;
  }
  if (!FScreenCanvas) FScreenCanvas = New<TcxScreenCanvas>();
  return FScreenCanvas;
}

void TcxControl::SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }

void TcxControl::SetBorderStyle(TcxControlBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  BoundsChanged();
}

void TcxControl::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  BoundsChanged();
}

void TcxControl::SetParentBackground(bool Value) {
  if (FParentBackground == Value) return;
  FParentBackground = Value;
  inherited::SetParentBackground(Value);
  Invalidate();
}

void TcxControl::SetPopupMenu(TComponent* Value) {
  if (Value && !dynamic_cast<TPopupMenu*>(Value) && !Supports<IcxPopupMenu>(Value)) Value = nullptr;
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
  inherited::SetPopupMenu(dynamic_cast<TPopupMenu*>(Value));
}

TClass TcxControl::GetDragAndDropObjectClass() const {
  return FDragAndDropObjectClass ? FDragAndDropObjectClass : TcxDragAndDropObject::StaticClass();
}

TcxDragAndDropObject* TcxControl::GetDragAndDropObject() {
  if (!FDragAndDropObject) FDragAndDropObject = TcxDragAndDropObject::Create(GetDragAndDropObjectClass(), this);
  return FDragAndDropObject;
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState Value) {
  if (FDragAndDropState == Value) return;
  FDragAndDropState = Value;
  if (Value == ddsNone && !FFinishingDragAndDrop) DoCancelMode();
}

void TcxControl::SetMouseCaptureObject(TObject* Value) {
  // Only a change moves the capture: a capture taken otherwise (panning, a press) stays.
  if (Value == FMouseCaptureObject) return;
  if (auto* previous = dynamic_cast<IcxMouseCaptureObject*>(FMouseCaptureObject)) previous->DoCancelMode();
  FMouseCaptureObject = Value;
  const bool hadCapture = GetMouseCapture();
  SetMouseCapture(Value != nullptr);
  if (hadCapture && !GetMouseCapture() && FDragAndDropState == ddsStarting) Perform(WM_CANCELMODE, 0, 0);
}

void TcxControl::AddFontListener(IcxFontListener* AListener) { FFontListeners.push_back(AListener); }

void TcxControl::RemoveFontListener(IcxFontListener* AListener) { std::erase(FFontListeners, AListener); }

bool TcxControl::GetIsDesigning() { return ComponentState().Contains(csDesigning); }

bool TcxControl::IsInternalControl(TControl* AControl) {
  return AControl && (AControl == FHScrollBar || AControl == FVScrollBar || AControl == FSizeGrip);
}

TcxCustomLookAndFeelPainterClass TcxControl::GetLookAndFeelPainter() { return FLookAndFeel->GetPainter(); }

Integer TcxControl::GetBorderSize() {
  return FBorderStyle == cxcbsNone ? 0 : GetLookAndFeelPainter()->BorderSize();
}

TRect TcxControl::GetBounds() {
  if (!cxRectIsEmpty(FExplicitBounds)) return FExplicitBounds;
  if (HandleAllocated()) return GetClientRect();
  return TRect(0, 0, GetWidth(), GetHeight());
}

TRect TcxControl::GetClientBounds() {
  TRect r = GetBounds();
  const Integer border = GetBorderSize();
  r = cxRectInflate(r, -border, -border);
  if (GetHScrollBarVisible()) r.bottom -= FHScrollBar->GetHeight();
  if (GetVScrollBarVisible()) r.right -= FVScrollBar->GetWidth();
  return r;
}

bool TcxControl::CanFocusEx() {
  if (!CanFocus()) return false;
  TCustomForm* form = GetParentForm(this);
  return !form || (form->CanFocus() && form->GetEnabled() && form->GetVisible());
}

bool TcxControl::CanFocusOnClick() { return !IsDesigning() && FFocusOnClick && MayFocus() && CanFocus(); }

bool TcxControl::FocusWhenChildIsClicked(TControl*) { return CanFocusOnClick(); }

bool TcxControl::GetIsCopyDragDrop() { return IsCtrlPressed(); }

bool TcxControl::AcceptMousePosForClick(Integer X, Integer Y) {
  return GetDragMode() == dmManual || IsMouseInPressedArea(X, Y);
}

bool TcxControl::IsMouseInPressedArea(Integer X, Integer Y) const {
  return IsPointInDragDetectArea(FMouseDownPos, X, Y);
}

bool TcxControl::GetDesignHitTest(Integer, Integer, TShiftState) {
  return FDragAndDropState != ddsNone || FMouseButtonPressed;
}

TClass TcxControl::GetDragObjectClass() { return TcxDragControlObject::StaticClass(); }

void TcxControl::AddChildComponent(TComponent* AComponent) {
  if (auto* child = dynamic_cast<TcxControlChildComponent*>(AComponent)) child->SetControl(this);
}

void TcxControl::RemoveChildComponent(TComponent* AComponent) {
  if (auto* child = dynamic_cast<TcxControlChildComponent*>(AComponent)) child->SetControl(nullptr);
}

void TcxControl::Modified() {
  if (!IsDesigning()) return;
  for (TControl* c = this; c; c = c->GetParent())
    if (c->ComponentState().Contains(csLoading) || c->ComponentState().Contains(csWriting) ||
        c->ComponentState().Contains(csDestroying))
      return;
  SetDesignerModified(this);
}

bool TcxControl::DoShowPopupMenu(TComponent* AMenu, Integer X, Integer Y) { return ShowPopupMenu(this, AMenu, X, Y); }

// ---- Events of the control --------------------------------------------------------------------------
void TcxControl::DoCancelMode() {
  FMouseButtonPressed = false;
  SetMouseCaptureObject(nullptr);
}

void TcxControl::FocusChanged() {
  if (OnFocusChanged) OnFocusChanged(this);
}

void TcxControl::FontChanged() {
  for (IcxFontListener* listener : std::vector<IcxFontListener*>(FFontListeners))
    listener->FontChanged(this, GetFont());
  Invalidate();
}

void TcxControl::MouseEnter(TControl*) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TcxControl::MouseLeave(TControl*) {
  if (OnMouseLeave) OnMouseLeave(this);
}

// ---- Invalidation and services ------------------------------------------------------------------------
void TcxControl::InvalidateRect(const TRect& R, bool AEraseBackground) {
  if (HandleAllocated()) cxInvalidateRect(GetHandle(), R, AEraseBackground);
}

void TcxControl::InvalidateRgn(TcxRegion* ARegion, bool AEraseBackground) {
  if (HandleAllocated() && ARegion && !ARegion->GetIsEmpty())
    ::InvalidateRgn(GetHandle(), ARegion->GetHandle(), AEraseBackground);
}

void TcxControl::InvalidateWithChildren() {
  if (HandleAllocated()) RedrawWindow(GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TcxControl::UpdateWithChildren() {
  if (HandleAllocated()) RedrawWindow(GetHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TcxControl::PostMouseMove() {
  if (HandleAllocated()) PostMouseMove(ScreenToClient(GetMouseCursorPos()));
}

void TcxControl::PostMouseMove(const TPoint& P) {
  if (HandleAllocated())
    PostMessage(GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(P.x), static_cast<WORD>(P.y)));
}

void TcxControl::ScrollWindow(Integer DX, Integer DY, const TRect& R) {
  HideDragImage();
  TFinally show([this] { ShowDragImage(); });
  ScrollWindowEx(GetHandle(), DX, DY, &R, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}

void TcxControl::HideDragImage() {
  if (TDragObject* object = GetDragObject()) object->HideDragImage();
}

void TcxControl::ShowDragImage() {
  if (TDragObject* object = GetDragObject()) object->ShowDragImage();
}

// ---- Window -------------------------------------------------------------------------------------------
void TcxControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxControl::CreateWnd() {
  FCreatingWindow = true;
  TFinally done([this] { FCreatingWindow = false; });
  inherited::CreateWnd();
  CheckNeedsScrollBars();
  InitControl();
}

void TcxControl::DestroyWindowHandle() {
  ControlState.Exclude(csClicked);
  inherited::DestroyWindowHandle();
}

void TcxControl::Resize() {
  inherited::Resize();
  BoundsChanged();
}

void TcxControl::Paint() {
  if (FBorderStyle == cxcbsDefault) {
    GetLookAndFeelPainter()->DrawBorder(FCanvas, GetBounds());
    FCanvas->IntersectClipRect(GetClientBounds());
  }
  inherited::Paint();
  UpdateInternalControlsState();
}

TPoint TcxControl::GetMessagePos(const TMessage& Message) {
  // Message coordinates are 16 bits: beyond them the pointer itself tells where the press was.
  if (HandleAllocated() && (GetWidth() > 32768 || GetHeight() > 32768)) return ScreenToClient(GetMouseCursorPos());
  return TPoint(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
}

void TcxControl::WndProc(TMessage& Message) {
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  bool bypassed = false;
  if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !Dragging()) {
    const TPoint p = GetMessagePos(Message);
    // The control starts its own drags (AfterMouseDown): the class library's automatic start is
    // left out, the press goes to the handlers directly.
    if ((IsDesigning() && GetDesignHitTest(p.x, p.y, TShiftState{ssLeft})) ||
        (!IsDesigning() && GetDragMode() == dmAutomatic)) {
      bypassed = true;
      if (!IsControlMouseMsg(Message)) {
        if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (ControlStyle.Contains(csClickEvents)) ControlState.Include(csClicked);
        ControlState.Include(csLButtonDown);
        Dispatch(Message);
        if (link->Ref) ControlState.Exclude(csLButtonDown);
      }
    }
  }
  if (!bypassed) {
    if (Message.Msg == WM_RBUTTONUP) FMouseRightButtonReleasing = true;
    inherited::WndProc(Message);
  }
  if (!link->Ref) return;
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: FocusChanged(); break;
    case WM_PAINT:
      if (FParentBackground != FLastParentBackground) {
        FLastParentBackground = FParentBackground;
        ParentBackgroundChanged();
      }
      break;
    case WM_RBUTTONUP: FMouseRightButtonReleasing = false; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const TMouseButton button =
          Message.Msg == WM_LBUTTONDOWN ? mbLeft : Message.Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle;
      const TPoint p = GetMessagePos(Message);
      AfterMouseDown(button, p.x, p.y);
      break;
    }
    default: break;
  }
}

void TcxControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CANCELMODE:
      inherited::Dispatch(Message);
      FinishDragAndDrop(false);
      DoCancelMode();
      return;
    case WM_ERASEBKGND:
      if (HasBackground())
        inherited::Dispatch(Message);
      else
        Message.Result = 1;
      return;
    case WM_GETDLGCODE: {
      LRESULT code = 0;
      if (FKeys.Contains(kAll)) code |= DLGC_WANTALLKEYS;
      if (FKeys.Contains(kArrows)) code |= DLGC_WANTARROWS;
      if (FKeys.Contains(kChars)) code |= DLGC_WANTCHARS;
      if (FKeys.Contains(kTab) && !IsCtrlPressed()) code |= DLGC_WANTTAB;
      Message.Result = code;
      return;
    }
    case WM_NCCALCSIZE:
      inherited::Dispatch(Message);
      if (HandleAllocated()) PostMessage(GetHandle(), CM_NCSIZECHANGED, 0, 0);
      return;
    case WM_PAINT: {
      HideDragImage();
      TFinally show([this] { ShowDragImage(); });
      inherited::Dispatch(Message);
      return;
    }
    case WM_SETCURSOR:
      if (IsDesigning() && FDragAndDropState == ddsNone) {
        const TPoint p = ScreenToClient(GetMouseCursorPos());
        if (GetDesignHitTest(p.x, p.y, TShiftState{ssLeft})) {
          Screen->SetCursor(GetCursor(p.x, p.y));
          Message.Result = 1;
          return;
        }
      }
      inherited::Dispatch(Message);
      return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case CN_KEYDOWN: CNKeyDown(Message); return;
    case CN_SYSKEYDOWN:
      if (IsMenuKey(Message))
        Message.Result = 1;
      else
        inherited::Dispatch(Message);
      return;
    case CM_COLORCHANGED:
      ColorChanged();
      inherited::Dispatch(Message);
      return;
    case CM_CURSORCHANGED:
      if (!FKeepingDefaultCursor) CursorChanged();
      inherited::Dispatch(Message);
      return;
    case CM_DESIGNHITTEST:
      inherited::Dispatch(Message);
      if (Message.Result == 0) {
        const TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
        Message.Result = GetDesignHitTest(p.x, p.y, KeysToShiftState(static_cast<WORD>(Message.WParam)));
      }
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      FontChanged();
      return;
    case CM_MOUSEENTER:
      inherited::Dispatch(Message);
      MouseEnter(GetMouseMessageControl(Message, this));
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      MouseLeave(GetMouseMessageControl(Message, this));
      return;
    case CM_NCSIZECHANGED: NCSizeChanged(); return;
    case CM_TEXTCHANGED:
      inherited::Dispatch(Message);
      TextChanged();
      return;
    case CM_VISIBLECHANGED:
      inherited::Dispatch(Message);
      VisibleChanged();
      return;
    default: inherited::Dispatch(Message);
  }
}

void TcxControl::NCSizeChanged() {
  if (!NeedsScrollBars() || !FHScrollBar) return;
  const TSize size = TcxScrollBar::GetScrollBarSize();
  if (FHScrollBar->GetHeight() == size.cy && FVScrollBar->GetWidth() == size.cx) return;
  FHScrollBar->SetHeight(size.cy);
  FVScrollBar->SetWidth(size.cx);
  BoundsChanged();
}

// ---- TcxControlChildComponent -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxControlChildComponent)

TcxControlChildComponent* TcxControlChildComponent::Create(TClass AClass, TcxControl* AControl, bool AAssignOwner) {
  if (!AClass || !AClass->InheritsFrom(StaticClass())) RaiseInvalidCast();
  auto* child = static_cast<TcxControlChildComponent*>(
      CreateComponent(AClass, AAssignOwner && AControl ? AControl->Owner() : nullptr));
  child->SetControl(AControl);
  return child;
}

void TcxControlChildComponent::SetControl(TcxControl* Value) {
  if (FControl == Value) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = Value;
  if (FControl) FControl->FreeNotification(this);
}

void TcxControlChildComponent::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}

void TcxControlChildComponent::Construct() {
  inherited::Construct();
  Initialize();
}

void TcxControlChildComponent::Destroy() {
  if (FControl) FControl->RemoveChildComponent(this);
  inherited::Destroy();
}

void TcxControlChildComponent::SetParentComponent(TComponent* AParent) {
  inherited::SetParentComponent(AParent);
  if (auto* control = dynamic_cast<TcxControl*>(AParent)) control->AddChildComponent(this);
}

}  // namespace cxControls
