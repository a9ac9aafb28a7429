// The bar window's mouse road and selection: hit-testing a press, focusing and pressing the item
// control under it, capture until the release that unclicks it, hot-tracking of the controls the
// mouse passes over, and the one selected control of the bar.
#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarButtonControl.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBar {

// ---- Press --------------------------------------------------------------------------------------------------
void TCustomdxBarControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TcxObjectLinkHolder self(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (!self.Alive()) return;
  const TPoint P(X, Y);
  TdxBarItemControl* control = ItemAtPos(P);
  if (FLastMousePos == cxInvalidPoint && !GetIsCustomizing()) {
    DoBarMouseEnter(control);
    MouseNotifyControls(control ? control->GetItemLink() : nullptr, P, Shift);
  }
  if (Shift.Contains(ssDouble) && control && control == GetSelectedControl() && control->WantsDblClick()) {
    DblClickOnItem(control);
    return;
  }
  if (FCurrentMessage) {
    switch (FCurrentMessage->Msg) {
      case WM_LBUTTONDBLCLK: FCurrentMessage->Msg = WM_LBUTTONDOWN; break;
      case WM_RBUTTONDBLCLK: FCurrentMessage->Msg = WM_RBUTTONDOWN; break;
      case WM_MBUTTONDBLCLK: FCurrentMessage->Msg = WM_MBUTTONDOWN; break;
      default: break;
    }
  }
  const TRect client = GetClientRect();
  DoBarMouseDown(Button, Shift, X, Y, control, PtInRect(&client, P));
}

void TCustomdxBarControl::DoBarMouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                                         TdxBarItemControl* AItemControl, bool) {
  TcxObjectLinkHolder self(this);
  if (!NotHandleMouseMove(false) && AItemControl) AItemControl->MouseDown(AButton, AShift, X, Y);
  if (!self.Alive()) return;
  TdxBarItemControl* selectedAtDesign = GetSelectedControlAtDesign();
  if (GetIsCustomizing()) {
    TcxObjectLinkHolder control(AItemControl);
    SelectItemControl(AItemControl, AButton, AShift);
    if (!self.Alive()) return;
    if (!control.Alive()) AItemControl = nullptr;
  }
  switch (AButton) {
    case mbRight:
      if (AItemControl != GetSelectedControl()) BarLostFocus();
      if (self.Alive() && CanShowPopupMenuOnMouseClick(true)) ShowPopup(AItemControl);
      break;
    case mbMiddle:
      break;
    case mbLeft:
      if (GetIsCustomizing())
        CustomizePrepare(TPoint(X, Y), selectedAtDesign == GetSelectedControlAtDesign());
      else
        FocusItemControl(AItemControl);
      break;
  }
}

void TCustomdxBarControl::FocusItemControl(TdxBarItemControl* AItemControl) {
  if (!AItemControl || !AItemControl->GetEnabled() || !AItemControl->HotPartWantMouse()) return;
  TcxObjectLinkHolder self(this);
  TcxObjectLinkHolder control(AItemControl);
  SetKeySelectedItem(AItemControl);
  if (!self.Alive() || !control.Alive()) return;
  if (TdxBarManager* manager = GetBarManager()) manager->HideHint();
  auto* buttonLike = dynamic_cast<TdxBarButtonLikeControl*>(GetSelectedControl());
  if (buttonLike) buttonLike->SetMouseOpen(true);
  if (TdxBarItemControl* selected = GetSelectedControl())
    if (selected->HasWindow()) SetControlVisible(selected);
  AItemControl->ControlClick(true, '\0');
  if (!self.Alive() || !IsControlExists(AItemControl)) return;
  if (auto* button = dynamic_cast<TdxBarButtonControl*>(GetSelectedControl())) button->SetMouseOpen(false);
}

// ---- Release ------------------------------------------------------------------------------------------------
void TCustomdxBarControl::WMLButtonUp(TMessage& Message) {
  if (FIgnoreMouseClick) {
    FIgnoreMouseClick = false;
    return;
  }
  TcxObjectLinkHolder self(this);
  inherited::WndProc(Message);
  if (!self.Alive()) return;
  if (FDragDown) {
    ReleaseCapture();
    return;
  }
  TdxBarItemControl* clicked = FClickedControl;
  if (clicked) ReleaseCapture();
  const TPoint P(static_cast<SHORT>(LOWORD(Message.LParam)), static_cast<SHORT>(HIWORD(Message.LParam)));
  const TRect client = GetClientRect();
  if (PtInRect(&client, P) && FIsActive) {
    TdxBarItemControl* control = ItemAtPos(P);
    if (!GetIsCustomizing() && control && control->HotPartWantMouse()) {
      if (control->GetEnabled() && control == GetSelectedControl()) {
        control->ControlUnclick(true);
      } else if (!control->GetEnabled() && control != GetSelectedControl() && Kind() == bkBarControl) {
        auto* button = dynamic_cast<TdxBarButtonControl*>(GetSelectedControl());
        if (!(button && button->IsDroppedDown())) HideAll();
      }
    }
  }
  // A control held from press to release closes the menu chain also when the release fell elsewhere.
  if (clicked && self.Alive()) HideAll();
}

void TCustomdxBarControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TcxObjectLinkHolder self(this);
  inherited::MouseUp(Button, Shift, X, Y);
  if (!self.Alive()) return;
  DoBarMouseUp(Button, Shift, X, Y, ItemAtPos(TPoint(X, Y)));
}

void TCustomdxBarControl::DoBarMouseUp(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                                       TdxBarItemControl* AItemControl) {
  TcxObjectLinkHolder self(this);
  if (!NotHandleMouseMove(false) && AItemControl) AItemControl->MouseUp(AButton, AShift, X, Y);
  if (self.Alive() && AButton == mbRight && CanShowPopupMenuOnMouseClick(false)) ShowPopup(AItemControl);
}

// ---- Hot-tracking -------------------------------------------------------------------------------------------
void TCustomdxBarControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (ComponentState().Contains(csDestroying)) return;
  inherited::MouseMove(Shift, X, Y);
  const TPoint P(X, Y);
  if (FDragDown) {
    TRect dragRect(FDragPoint, FDragPoint);
    InflateRect(&dragRect, GetSystemMetrics(SM_CXDRAG) / 2, GetSystemMetrics(SM_CYDRAG) / 2);
    if (!PtInRect(&dragRect, P)) {
      StartItemDrag(P);
      return;
    }
  }
  TdxBarItemControl* control = ItemAtPos(P);
  if (FLastMousePos == cxInvalidPoint && !NotHandleMouseMove(true)) DoBarMouseEnter(control);
  DoBarMouseMove(Shift, X, Y, control);
}

bool TCustomdxBarControl::NotHandleMouseMove(bool ACheckPosition) {
  if (GetIsCustomizing()) return true;
  TPoint P;
  GetCursorPos(&P);
  if (ACheckPosition && P == FLastMousePos) return true;
  const TRect R = GetWindowRect();
  return !PtInRect(&R, P);
}

void TCustomdxBarControl::AfterMouseMove(const TPoint& APoint) {
  if (NotHandleMouseMove(true)) {
    if (NotHandleMouseMove(false)) MouseLeave();
    return;
  }
  FLastMousePos = HandleAllocated() ? ClientToScreen(APoint) : APoint;
}

void TCustomdxBarControl::DoBarMouseEnter(TdxBarItemControl*) {
  if (TdxBarManager* manager = GetBarManager()) manager->BeginMouseTracking(this);
  SetViewState(bvsHot);
}

void TCustomdxBarControl::MouseNotifyControls(TdxBarItemLink* ALink, const TPoint& APoint, TShiftState AShift) {
  TcxObjectLinkHolder self(this);
  if (ALink != FPrevTrackedLink) {
    TdxBarItemLink* previous = FPrevTrackedLink;
    FPrevTrackedLink = ALink;
    if (previous && previous->GetControl()) previous->GetControl()->MouseLeave();
    if (!self.Alive()) return;
    if (ALink && ALink->GetControl()) ALink->GetControl()->MouseEnter(APoint);
    if (!self.Alive()) return;
  }
  if (ALink && ALink->GetControl()) ALink->GetControl()->MouseMove(AShift, APoint.x, APoint.y);
}

void TCustomdxBarControl::DoBarMouseMove(TShiftState AShift, Integer X, Integer Y, TdxBarItemControl* AItemControl) {
  if (NotHandleMouseMove(true)) return;
  TcxObjectLinkHolder self(this);
  MouseNotifyControls(AItemControl ? AItemControl->GetItemLink() : nullptr, TPoint(X, Y), AShift);
  if (!self.Alive()) return;
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetSelectedItem() && manager->GetSelectedItem()->HasWindow() &&
      manager->GetSelectedItem()->IsChildWindow(GetFocus()))
    return;
  if (AItemControl && !AItemControl->CanMouseSelect()) AItemControl = nullptr;
  // An active toolbar keeps its selection while the mouse is over empty space.
  const bool activeToolbar = FIsActive && Kind() == bkBarControl;
  if (!FClickedControl && (AItemControl || !FChildBar) && (!activeToolbar || AItemControl))
    SetMouseSelectedItem(AItemControl);
}

void TCustomdxBarControl::MouseLeave() {
  FLastMousePos = cxInvalidPoint;
  TdxBarManager* manager = GetBarManager();
  if (!manager || !manager->IsMouseTracking(this)) return;
  manager->EndMouseTracking(this);
  DoBarMouseLeave(nullptr);
}

void TCustomdxBarControl::DoBarMouseLeave(TdxBarItemControl*) {
  TcxObjectLinkHolder self(this);
  SetViewState(bvsNormal);
  MouseNotifyControls(nullptr, cxInvalidPoint, TShiftState());
  if (!self.Alive()) return;
  if (FMarkState == msSelected) SetMarkState(msNone);
  TdxBarItemControl* selected = GetSelectedControl();
  if (!FClickedControl && !(selected && selected->IsDroppedDown()) && !GetIsCustomizing())
    SetMouseSelectedItem(nullptr);
}

// ---- Selection ----------------------------------------------------------------------------------------------
void TCustomdxBarControl::SetMouseSelectedItem(TdxBarItemControl* Value) {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  TdxBarItemControl* selected = GetSelectedControl();
  if (Value == selected) return;
  if (selected && selected->HasWindow() && selected->IsChildWindow(GetFocus())) return;
  TcxObjectLinkHolder self(this);
  if (selected && selected->GetActive()) selected->ControlInactivate(false);
  if (!self.Alive()) return;
  if (Value) Value->SetSelectedByMouse(true);
  SetSelectedControl(Value);
  if (!self.Alive()) return;
  selected = GetSelectedControl();
  if (!selected) return;
  if (auto* buttonLike = dynamic_cast<TdxBarButtonLikeControl*>(selected))
    if (buttonLike->IsExpandable()) buttonLike->SetMouseOpen(true);
  selected->ControlActivate(false);
}

void TCustomdxBarControl::SetKeySelectedItem(TdxBarItemControl* Value) {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  TdxBarItemControl* selected = GetSelectedControl();
  if (Value == selected) return;
  TcxObjectLinkHolder self(this);
  if (selected && selected->GetActive()) selected->ControlInactivate(true);
  if (!self.Alive()) return;
  if (Value) {
    if (auto* buttonLike = dynamic_cast<TdxBarButtonLikeControl*>(Value))
      if (buttonLike->IsExpandable()) buttonLike->SetMouseOpen(false);
    Value->SetSelectedByMouse(false);
  }
  SetSelectedControl(Value);
  if (self.Alive()) MakeItemControlFullyVisible(Value);
}

void TCustomdxBarControl::SetSelectedControl(TdxBarItemControl* Value) {
  TdxBarItemControl* old = GetSelectedControl();
  if (old == Value) return;
  FSelectedLink = Value ? Value->GetItemLink() : nullptr;
  if (GetBehaviorOptions().Contains(bboMouseCantUnselectNavigationItem)) FIsDowned = false;
  TdxBarManager* manager = GetBarManager();
  if (manager) {
    if (GetIsCustomizing()) {
      TcxObjectLinkHolder self(this);
      manager->SetSelectedItem(Value);
      if (!self.Alive()) return;
    } else {
      manager->SetSelectedItem(Value);
    }
  }
  if (old && IsControlExists(old)) UpdateItem(old);
  if (Value) UpdateItem(Value);
  if (Value || Kind() == bkSubMenu || FMarkState == msNone) ActivateHint(true, String(), Value);
  String hint;
  if (Value && (Value->GetEnabled() || (manager && manager->GetShowHintForDisabledItems()))) {
    hint = Value->GetHint();
    const size_t bar = hint.find('|');
    if (bar != String::npos) hint = hint.substr(bar + 1);
  }
  SetHint(hint);
}

}  // namespace dxBar
