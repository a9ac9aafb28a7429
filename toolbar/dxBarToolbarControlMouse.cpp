// The toolbar window under the mouse and the keyboard: the press that moves the toolbar, presses an MDI
// button or the mark; hot-tracking of the caption and MDI buttons and the mark with its hint timer;
// focus, activation and the keys of an active toolbar.
#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarBar.h"
#include "dxBarButtonControl.h"
#include "dxBarCaptionButtons.h"
#include "dxBarDock.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {
constexpr UINT_PTR MoreButtonsTimerId = 1;
constexpr UINT MoreButtonsTimerInterval = 50;
}  // namespace

// ---- MDI buttons ----------------------------------------------------------------------------------------------------
// A real MDI button is enabled by its command in the child's system menu, which this platform does
// not give the windows; every button counts as enabled until MDI children land.
bool TdxBarControl::IsMDIButtonEnabled(TdxBarMDIButton) { return true; }

// The enabled MDI button under a client point, -1 for none.
Integer TdxBarControl::MDIButtonAt(const TPoint& APoint) {
  if (!MDIButtonsOnBar()) return -1;
  for (Integer i = RealMDIButtonsOnBar() ? mdibMinimize : mdibClose; i <= mdibClose; ++i) {
    const auto button = static_cast<TdxBarMDIButton>(i);
    const TRect R = RectMDI(button);
    if (IsMDIButtonEnabled(button) && PtInRect(&R, APoint)) return i;
  }
  return -1;
}

void TdxBarControl::RedrawMDIButtons() {
  if (!HandleAllocated()) return;
  HDC DC = GetDC(GetHandle());
  DrawMDIButtons(DC);
  ReleaseDC(GetHandle(), DC);
}

void TdxBarControl::CancelMDIButtonPress() {
  TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
  if (!state.Pressed) return;
  state = TdxBarMDIButtonsState();
  if (HandleAllocated() && GetCapture() == GetHandle()) ReleaseCapture();
  RedrawMDIButtons();
}

// ---- Press ----------------------------------------------------------------------------------------------------------
void TdxBarControl::DoBarMouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                                   TdxBarItemControl* AItemControl, bool APointInSelectedControl) {
  TdxBarManager* manager = GetBarManager();
  if (AButton == mbRight) {
    ReleaseCapture();
  } else if (AButton == mbLeft && GetDockingStyle() == dsNone && !IsInternal() && manager &&
             !manager->GetHideFloatingBarsWhenInactive()) {
    if (Forms::TCustomForm* form = manager->GetParentForm(); form && form->HandleAllocated())
      SetActiveWindow(form->GetHandle());
  }
  TcxObjectLinkHolder self(this);
  inherited::DoBarMouseDown(AButton, AShift, X, Y, AItemControl, APointInSelectedControl);
  if (!self.Alive() || AButton != mbLeft) return;
  const TPoint point(X, Y);
  if (MDIButtonsOnBar() && !GetIsCustomizing()) {
    const Integer button = MDIButtonAt(point);
    if (button >= 0) {
      TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
      state.Pressed = state.MouseInside = true;
      state.PressedButton = static_cast<TdxBarMDIButton>(button);
      state.HotButton = button;
      RedrawMDIButtons();
      SetCapture(GetHandle());
      return;
    }
  }
  if (FLastHitTest == HTCAPTION) {
    const TRect window = GetWindowRect();
    const TPoint cursor = Mouse->GetCursorPos();
    FDragOffset = TPoint(cursor.x - window.left, cursor.y - window.top);
    FDragWindowSize = TSize(window.Width(), window.Height());
    if (FBar && FBar->GetBars()) FBar->GetBars()->Moving(this);
    return;
  }
  CheckMarkState(point);
  if (!self.Alive()) return;
  const TRect client = GetClientRect();
  if (!GetIsCustomizing() && !PtInRect(&client, point) && HandleAllocated()) {
    const TPoint cursor = Mouse->GetCursorPos();
    SendMessage(GetHandle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(FLastHitTest), MAKELPARAM(cursor.x, cursor.y));
  }
}

void TdxBarControl::CheckMarkState(const TPoint& APoint) {
  TdxBarPainter* painter = GetPainter();
  if (!painter || !painter->BarAllowQuickCustomizing() || !MarkExists()) return;
  const TRect mark = MarkRect();
  TPoint p = APoint;
  if (GetDockingStyle() == dsNone) {
    const TPoint offset = GetClientOffset();
    p = TPoint(p.x + offset.x, p.y + offset.y);
  }
  if (!PtInRect(&mark, p)) return;
  SetMarkState(GetMarkState() == msPressed ? msSelected : msPressed);
}

// ---- Release --------------------------------------------------------------------------------------------------------
void TdxBarControl::WMLButtonUp(TMessage& Message) {
  if (GetIgnoreMouseClick()) {
    SetIgnoreMouseClick(false);
    return;
  }
  if (FResizing) {
    FResizing = false;
    if (TdxBarItemControl* selected = GetSelectedControl()) selected->EndResize(true);
    ReleaseCapture();
  }
  TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
  if (state.Pressed) {
    ReleaseCapture();
    const TdxBarMDIButton pressed = state.PressedButton;
    const TPoint point(static_cast<SHORT>(LOWORD(Message.LParam)), static_cast<SHORT>(HIWORD(Message.LParam)));
    const bool over = MDIButtonAt(point) == pressed;
    state = TdxBarMDIButtonsState();
    RedrawMDIButtons();
    TdxBarManager* manager = GetBarManager();
    // Only the manager's close button shows while MDI children are not reached (RealMDIButtonsOnBar).
    if (over && manager && pressed == mdibClose) manager->DoCloseButtonClick();
  }
  inherited::WndProc(Message);
}

// ---- Hot-tracking ---------------------------------------------------------------------------------------------------
void TdxBarControl::DoBarMouseMove(TShiftState AShift, Integer X, Integer Y, TdxBarItemControl* AItemControl) {
  TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
  const TPoint point(X, Y);
  if (state.Pressed) {
    const bool inside = MDIButtonAt(point) == state.PressedButton;
    if (inside != state.MouseInside) {
      state.MouseInside = inside;
      RedrawMDIButtons();
    }
    return;
  }
  const Integer hot = MDIButtonAt(point);
  if (hot != state.HotButton && MDIButtonsOnBar()) {
    state.HotButton = hot;
    RedrawMDIButtons();
  }
  if (FResizing)
    if (TdxBarItemControl* selected = GetSelectedControl()) selected->Resizing(point);
  TcxObjectLinkHolder self(this);
  bool markSelected = false;
  if (!NotHandleMouseMove(true)) {
    const TRect window = GetWindowRect();
    const TPoint cursor = Mouse->GetCursorPos();
    if (TdxBarCaptionButtons* buttons = GetCaptionButtons())
      buttons->UpdateButtonStates(TPoint(cursor.x - window.left, cursor.y - window.top), false);
    if (!ActiveBarControl()) {
      TdxBarPainter* painter = GetPainter();
      if (painter && painter->BarAllowQuickCustomizing() && CursorOnMark() &&
          GetMarkState() != msPressed) {
        SetMarkState(msSelected);
        markSelected = true;
      }
      if (painter && painter->BarAllowHotTrack() && HasCloseButton()) UpdateNCButtonLook(-2, false);
    }
  }
  if (!self.Alive()) return;
  inherited::DoBarMouseMove(AShift, X, Y, AItemControl);
  if (self.Alive() && !markSelected && GetMarkState() == msSelected && !CursorOnMark()) SetMarkState(msNone);
}

void TdxBarControl::DoBarMouseLeave(TdxBarItemControl* AItemControl) {
  TcxObjectLinkHolder self(this);
  if (TdxBarCaptionButtons* buttons = GetCaptionButtons()) buttons->UpdateButtonStates(cxInvalidPoint, false);
  if (!GetIsActive()) {
    if (FCloseButtonState != msNone) {
      FCloseButtonState = msNone;
      if (HandleAllocated() && HasCloseButton()) {
        HDC DC = GetWindowDC(GetHandle());
        DrawCloseButton(DC);
        ReleaseDC(GetHandle(), DC);
      }
    }
    TdxBarMDIButtonsState& state = dxBarMDIButtonsState();
    if (state.HotButton != -1 && !state.Pressed && MDIButtonsOnBar()) {
      state.HotButton = -1;
      RedrawMDIButtons();
    }
  } else if (auto* button = dynamic_cast<TdxBarButtonControl*>(GetSelectedControl())) {
    button->Repaint();
  }
  if (self.Alive()) inherited::DoBarMouseLeave(AItemControl);
}

bool TdxBarControl::NotHandleMouseMove(bool ACheckPosition) {
  if (inherited::NotHandleMouseMove(ACheckPosition)) return true;
  TdxBarManager* manager = GetBarManager();
  if (GetDockingStyle() != dsNone && manager) {
    Forms::TCustomForm* form = GetParentForm();
    Forms::TCustomForm* owner = manager->GetParentForm();
    const HWND active = GetActiveWindow();
    const bool formActive = form && form->HandleAllocated() && active == form->GetHandle();
    const bool activeInOwner = owner && owner->HandleAllocated() && active &&
                               (active == owner->GetHandle() || IsChild(owner->GetHandle(), active));
    if (!formActive && !activeInOwner) return true;
  }
  TdxBarControl* quick = FQuickControl;
  return quick && quick->HandleAllocated() && IsWindowVisible(quick->GetHandle()) && quick->LockHotTrackWhenPopup() &&
         quick != this && !quick->IsChildBar(this);
}

// ---- The mark -------------------------------------------------------------------------------------------------------
bool TdxBarControl::MarkExists() {
  if (!FBar || !FBar->GetShowMark()) return false;
  TdxBarPainter* painter = GetPainter();
  return FMarkForced || (painter && painter->BarAllowQuickCustomizing() && FBar->GetAllowQuickCustomizing());
}

TdxBarMarkState TdxBarControl::GetMarkDrawState() { return GetMarkState(); }

void TdxBarControl::SetMarkState(TdxBarMarkState Value) {
  if (GetIsCustomizing() || GetMarkState() == Value) return;
  KillMoreButtonsTimer();
  StoreMarkState(Value);
  TdxBarManager* manager = GetBarManager();
  if (Value != msPressed) {
    TcxObjectLinkHolder self(this);
    FreeAndNil(FQuickControl);
    if (!self.Alive()) return;
    if (Value == msSelected) {
      if (GetDockingStyle() == dsNone && HandleAllocated())
        FMoreButtonsTimer = SetTimer(GetHandle(), MoreButtonsTimerId, MoreButtonsTimerInterval, nullptr);
      if (manager) manager->ActivateHint(true, GetMoreButtonsHint(), this);
    } else if (manager && !GetSelectedControl()) {
      manager->HideHint();
    }
  }
  InvalidateMark();
}

bool TdxBarControl::CursorOnMark() {
  if (!HandleAllocated() || !MarkExists()) return false;
  const TRect mark = MarkScreenRect();
  const TPoint cursor = Mouse->GetCursorPos();
  return PtInRect(&mark, cursor);
}

void TdxBarControl::KillMoreButtonsTimer() {
  if (!FMoreButtonsTimer) return;
  if (HandleAllocated()) KillTimer(GetHandle(), MoreButtonsTimerId);
  FMoreButtonsTimer = 0;
}

void TdxBarControl::WMTimer(TMessage& Message) {
  if (Message.WParam != MoreButtonsTimerId) {
    inherited::WndProc(Message);
    return;
  }
  if (!FMoreButtonsTimer) return;
  if (HandleAllocated() && IsWindowVisible(GetHandle()) && CursorOnMark()) return;
  KillMoreButtonsTimer();
  if (GetMarkState() == msSelected) SetMarkState(msNone);
}

// ---- Focus and activation -------------------------------------------------------------------------------------------
void TdxBarControl::DoBarGetFocus(TdxBarItemControl* AItemControl) {
  TdxBarManager* manager = GetBarManager();
  if (TCustomdxBarControl* under = dynamic_cast<TCustomdxBarControl*>(FindControl(WindowFromPoint(Mouse->GetCursorPos())));
      under && under != this && IsBarControlAlive(under))
    under->MouseLeave();
  if (Forms::TCustomForm* active = Forms::Screen->ActiveCustomForm()) active->SendCancelMode(nullptr);
  FFocusWindow = GetFocus();
  const bool popupWithFocusedParent = IsPopup() && GetParentBar() && GetParentBar()->GetIsFocused();
  if (!GetIsCustomizing() && !popupWithFocusedParent && NeedHideOnNCMouseClick())
    if (Forms::TCustomForm* master = GetMasterForm(); master && master->HandleAllocated())
      SetWindowPos(master->GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!AItemControl && GetItemLinks() && GetItemLinks()->GetVisibleItemCount() > 0)
    AItemControl = GetItemLinks()->GetVisibleItem(0)->GetControl();
  inherited::DoBarGetFocus(AItemControl);
  if (manager) {
    TCustomdxBarControl* previous = manager->GetBarControlFocused();
    FPrevFocusedBar = previous != this ? previous : nullptr;
    manager->SetBarControlFocused(this);
  }
}

void TdxBarControl::DoBarLostFocus() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetBarControlFocused() == this)
    manager->SetBarControlFocused(IsBarControlAlive(FPrevFocusedBar) ? FPrevFocusedBar : nullptr);
  FPrevFocusedBar = nullptr;
  TcxObjectLinkHolder self(this);
  inherited::DoBarLostFocus();
  if (!self.Alive()) return;
  UpdateControlByMouse();
  HWND focus = FFocusWindow;
  FFocusWindow = nullptr;
  Forms::TCustomForm* form = GetParentForm();
  if (focus && IsWindow(focus) && IsWindowVisible(focus) && Forms::Application->Active() &&
      form && form->GetActive())
    ::SetFocus(focus);
}

void TdxBarControl::FocusItemControl(TdxBarItemControl* AItemControl) {
  TcxObjectLinkHolder self(this);
  if (AItemControl && AItemControl->GetEnabled() && AItemControl->HotPartWantMouse()) {
    bool handled = false;
    if (GetIsActive() && (!GetBehaviorOptions().Contains(bboNeedsFocusWhenActive) || GetIsFocused()))
      AItemControl->ControlGetFocus(AItemControl == GetSelectedControl(), handled);
    else
      BarGetFocus(AItemControl);
    if (handled || !self.Alive()) return;
    if (GetIsActive() && !AItemControl->HasWindow()) SetIsDowned(true);
    TdxBarItemControl* selected = GetSelectedControl();
    if (selected && selected->NeedCaptureMouse()) {
      SetClickedControl(selected);
      SetCapture(GetHandle());
      selected->Repaint();
    }
  } else {
    SetIsActive(false);
  }
  if (self.Alive()) inherited::FocusItemControl(AItemControl);
}

void TdxBarControl::SetKeySelectedItem(TdxBarItemControl* Value) {
  TdxBarItemControl* old = GetSelectedControl();
  TcxObjectLinkHolder self(this);
  inherited::SetKeySelectedItem(Value);
  if (!self.Alive() || !Value || old == Value || GetSelectedControl() != Value || Value->GetActive() ||
      GetIsCustomizing())
    return;
  if (Value->IsExpandable())
    Value->ControlClick(false, '\0');
  else
    Value->ControlActivate(true);
}

void TdxBarControl::DoSetIsActive(bool Value) {
  TcxObjectLinkHolder self(this);
  inherited::DoSetIsActive(Value);
  if (Value || !self.Alive()) return;
  SetMouseSelectedItem(nullptr);
  if (!self.Alive()) return;
  if (TdxBarItemControl* selected = GetSelectedControl(); selected && selected->IsDroppedDown())
    selected->ControlInactivate(true);
  SetIsDowned(false);
}

void TdxBarControl::DoHideAll() {
  TcxObjectLinkHolder self(this);
  BarLostFocus();
  if (!self.Alive()) return;
  inherited::DoHideAll();
  if (!self.Alive() || !FIsPopup) return;
  TRect area;
  if ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) && IgnoreClickAreaWhenHidePopup(area)) {
    const TPoint cursor = Mouse->GetCursorPos();
    if (PtInRect(&area, cursor))
      if (TCustomdxBarControl* parent = GetParentBar()) parent->SetIgnoreMouseClick(true);
  }
  CloseUp();
}

void TdxBarControl::SelectItemControl(TdxBarItemControl* AItemControl, TMouseButton AButton, TShiftState AShift) {
  if (!AItemControl) SetIsActive(false);
  inherited::SelectItemControl(AItemControl, AButton, AShift);
}

// ---- Keys -----------------------------------------------------------------------------------------------------------
void TdxBarControl::WMKeyDown(TMessage& Message) {
  TcxObjectLinkHolder self(this);
  inherited::WndProc(Message);
  if (!self.Alive() || !GetIsActive()) return;
  const Word key = static_cast<Word>(Message.WParam);
  if (SelectedItemWantsKey(key)) return;
  if (key == VK_RETURN) {
    if (TdxBarItemControl* selected = GetSelectedControl()) selected->Click(false, '\0');
  } else if (key == VK_ESCAPE) {
    Message.WParam = 0;
    HideAllByEscape();
  }
}

}  // namespace dxBar
