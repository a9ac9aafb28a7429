// The popup window's life, showing with its own message loop, closing, focus, keys and window
// parameters. The hooks and the list of open popups are in cxContainerPopupHooks.cpp.
#include "cxContainerPopupWindow.h"

#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxContainerControl.h"
#include "cxContainerInternal.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"

namespace cxContainer {

IMPLEMENT_CLASS(TcxCustomPopupWindow)

TcxCustomPopupWindow* TcxCustomPopupWindow::Create(TClass AClass, TWinControl* AOwnerControl) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* popup = static_cast<TcxCustomPopupWindow*>(AClass->NewInstance());
  popup->FOwnerControl = AOwnerControl;
  return static_cast<TcxCustomPopupWindow*>(TObject::Initialize(popup));
}

void TcxCustomPopupWindow::Construct() {
  inherited::Construct();
  FStyle = TcxContainerStyle::Create(GetStyleClass(), this, false, nullptr, csNormal);
  FStyle->OnChanged = TNotifyEvent(this, &TcxCustomPopupWindow::PopupWindowStyleChanged);
  FViewInfo = TcxContainerViewInfo::Create(GetViewInfoClass());
  SetKeyPreview(true);
  SetFormStyle(fsNormal);
}

void TcxCustomPopupWindow::Destroy() {
  cxClearObjectLinks(this);
  // Destroyed while open: it leaves the list without the closing events.
  if (IsPopupWindowOpen(this)) RemoveOpenPopupWindow(this);
  FreeAndNil(FViewInfo);
  FreeAndNil(FStyle);
  inherited::Destroy();
}

// ---- Showing ------------------------------------------------------------------------------------------
bool TcxCustomPopupWindow::IsVisible() { return IsPopupWindowOpen(this); }

bool TcxCustomPopupWindow::IsOwnerControlVisible() {
  return FOwnerControl && FOwnerControl->HandleAllocated() && IsWindowVisible(FOwnerControl->GetHandle());
}

bool TcxCustomPopupWindow::IsTopMostNeeded() {
  TCustomForm* form = FOwnerControl ? GetParentForm(FOwnerControl) : nullptr;
  if (!form || (form->HandleAllocated() && (GetWindowLong(form->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST)))
    return true;
  if (FCaptureFocus) return false;
  for (Integer i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->GetFormStyle() == fsStayOnTop && !Screen->Forms(i)->GetVisible()) return true;
  return false;
}

void TcxCustomPopupWindow::ShowPopup(const TPoint& P, TWinControl* AFocusedControl) {
  SetPopupWindowShowing(true);
  TFinally done([] { SetPopupWindowShowing(false); });
  AddOpenPopupWindow(this);
  DoShowing();
  SetBounds(P.x, P.y, GetWidth(), GetHeight());
  Show();
  FFocusedControl = FCaptureFocus ? GetFirstFocusControl(AFocusedControl) : AFocusedControl;
  if (!FFocusedControl)
    SetFocus();
  else if (FFocusedControl->CanFocus())
    FFocusedControl->SetFocus();
  const HWND after = IsTopMostNeeded() || (!FCaptureFocus && TopMostComboBoxes) ? HWND_TOPMOST : HWND_TOP;
  SetWindowPos(GetHandle(), after, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TcxCustomPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (IsVisible() || !IsOwnerControlVisible()) return;
  InitPopup();
  CalculateSize();
  TPoint p = CalculatePosition();
  CorrectBoundsWithDesktopWorkArea(p);
  ShowPopup(p, AFocusedControl);
  ModalResult = mrNone;
  DoShowed();
  if (FCaptureFocus && FModalMode) RunModalLoop();
}

void TcxCustomPopupWindow::RunModalLoop() {
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  while (link->Ref && IsVisible() && !Application->Terminated()) {
    MSG msg;
    if (PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_MENU || msg.wParam == VK_SPACE))
      PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
    if (ModalResult != mrNone) {
      if (CloseQuery())
        ModalCloseUp();
      else
        ModalResult = mrNone;
      continue;  // the popup may be closed now: no message is waited for then
    }
    Application->HandleMessage();
  }
}

TWinControl* TcxCustomPopupWindow::GetFirstFocusControl(TWinControl* AControl) {
  if (!AControl) return this;
  if (AControl->CanFocus() && AControl->GetTabStop()) return AControl;
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* control : list)
    if (control->CanFocus()) return control;
  return this;
}

void TcxCustomPopupWindow::CorrectBoundsWithDesktopWorkArea(TPoint& P) {
  if (!AcceptsAnySize()) return;
  const TRect area = GetDesktopWorkArea(P);
  Integer width = GetWidth(), height = GetHeight();
  if (P.x < area.left) {
    width -= area.left - P.x;
    P.x = area.left;
  }
  if (P.y < area.top) {
    height -= area.top - P.y;
    P.y = area.top;
  }
  height = std::min<Integer>(height, area.bottom - P.y);
  width = std::min<Integer>(width, area.right - P.x);
  SetHeight(height);
  SetWidth(width);
  // A popup placed on the top of the area that kept less height than asked stays against its owner.
  if (GetHeight() != height && P.y == area.top) P.y += height - GetHeight();
}

TRect TcxCustomPopupWindow::GetOwnerScreenBounds() {
  TRect r = GetOwnerBounds();
  if (FOwnerControl && FOwnerControl->HandleAllocated() && IsChildClassWindow(FOwnerControl->GetHandle()) &&
      FOwnerControl->GetParent()) {
    TWinControl* parent = FOwnerControl->GetParent();
    r = TRect(parent->ClientToScreen(r.TopLeft()), parent->ClientToScreen(r.BottomRight()));
  }
  return r;
}

// ---- Closing ----------------------------------------------------------------------------------------
void TcxCustomPopupWindow::CloseUp() {
  if (!IsVisible()) return;
  {
    LockCMActivateMessages(true);
    TFinally unlock([] { LockCMActivateMessages(false); });
    RemoveOpenPopupWindow(this);
    DoClosing();
    if (HandleAllocated()) ShowWindow(GetHandle(), SW_HIDE);
    Hide();
    DoClosed();
    const HWND capture = GetCapture();
    if (capture && HandleAllocated() && (capture == GetHandle() || IsChild(GetHandle(), capture))) ReleaseCapture();
    // The focus went back to a control of another form: that form takes it over.
    if (Screen->ActiveCustomForm() == this)
      if (TWinControl* focused = FindControl(GetFocus()))
        if (TCustomForm* form = GetParentForm(focused); form && form != this) form->SetFocusedControl(focused);
  }
  // With no popup left, an owner form that is not active shows its caption inactive again.
  TCustomForm* form = FOwnerControl ? GetParentForm(FOwnerControl) : nullptr;
  if (OpenPopupWindows().empty() && form && form->HandleAllocated() && !form->GetActive())
    SendMessage(form->GetHandle(), WM_NCACTIVATE, FALSE, 0);
}

void TcxCustomPopupWindow::ClosePopup() {
  if (HandleAllocated()) PostMessage(GetHandle(), CM_CLOSEPOPUPWINDOW, 0, 0);
}

void TcxCustomPopupWindow::CMClosePopupWindow() {
  const HWND ownerWnd = FOwnerControl && FOwnerControl->HandleAllocated() ? FOwnerControl->GetHandle() : nullptr;
  {
    // The closing events may free the popup.
    TcxObjectLink* link = cxAddObjectLink(this);
    LockDeactivate(true);
    TFinally unlock([link] {
      if (link->Ref) static_cast<TcxCustomPopupWindow*>(link->Ref)->LockDeactivate(false);
      cxRemoveObjectLink(link);
    });
    CloseUp();
  }
  if (ownerWnd && IsWindow(ownerWnd)) SendMessage(ownerWnd, WM_SETFOCUS, 0, 0);
}

void TcxCustomPopupWindow::Deactivate() {
  if (IsDeactivateLocked()) return;
  const HWND active = GetActiveWindow();
  const std::vector<TcxCustomPopupWindow*> popups = OpenPopupWindows();
  for (auto it = popups.rbegin(); it != popups.rend(); ++it) {
    TcxCustomPopupWindow* popup = *it;
    if (!IsPopupWindowOpen(popup)) continue;
    if (HasNativeHandle(popup, active, true)) break;
    if (popup->HandleAllocated() && IsWindowEnabled(popup->GetHandle()) && !popup->IsDeactivateLocked())
      popup->CloseUp();
  }
  if (!OpenPopupWindows().empty()) CloseUp();
}

bool TcxCustomPopupWindow::GetJustClosed() {
  const bool result = FJustClosed;
  FJustClosed = false;
  return result;
}

void TcxCustomPopupWindow::LockDeactivate(bool ALock) {
  if (ALock)
    ++FDeactivateLockCount;
  else if (FDeactivateLockCount > 0)
    --FDeactivateLockCount;
}

void TcxCustomPopupWindow::DoClosed() {
  if (OnClosed) OnClosed(this);
}

void TcxCustomPopupWindow::DoClosing() {
  if (OnClosing) OnClosing(this);
}

void TcxCustomPopupWindow::DoShowed() {
  if (OnShowed) OnShowed(this);
}

void TcxCustomPopupWindow::DoShowing() {
  if (OnShowing) OnShowing(this);
}

// ---- Focus and keys ---------------------------------------------------------------------------------------
bool TcxCustomPopupWindow::Focused() {
  if (!IsVisible() || !FCaptureFocus || !HandleAllocated()) return false;
  const HWND focus = GetFocus();
  return focus && (focus == GetHandle() || IsChild(GetHandle(), focus));
}

bool TcxCustomPopupWindow::CanFocus() { return IsVisible(); }

bool TcxCustomPopupWindow::HasCapture() {
  return HandleAllocated() && GetCapture() == GetHandle();
}

bool TcxCustomPopupWindow::SetFocusedControl(TWinControl* Control) {
  LockCMActivateMessages(true);
  TFinally unlock([] { LockCMActivateMessages(false); });
  return inherited::SetFocusedControl(Control);
}

bool TcxCustomPopupWindow::IsShortCut(TMessage& Message) {
  if (inherited::IsShortCut(Message)) return true;
  TCustomForm* form = FOwnerControl ? GetParentForm(FOwnerControl) : nullptr;
  return form && form->IsShortCut(Message);
}

void TcxCustomPopupWindow::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && IsVisible() && HasCapture()) {
    ReleaseCapture();
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

bool TcxCustomPopupWindow::IsSysKeyAccepted(Word AKey) {
  return (AKey >= VK_PRIOR && AKey <= VK_DOWN) || AKey == VK_F4;
}

void TcxCustomPopupWindow::VisibleChanged() {
  inherited::VisibleChanged();
  if (!FCaptureFocus || !FOwnerControl || !HandleAllocated() || IsWindowVisible(GetHandle())) return;
  TCustomForm* form = GetParentForm(FOwnerControl);
  if (form && form->HandleAllocated() && GetFocus() == form->GetHandle() && FOwnerControl->CanFocus() &&
      !form->ComponentState().Contains(csDesigning))
    FOwnerControl->SetFocus();
}

// ---- Settings that make the window again --------------------------------------------------------------------
void TcxCustomPopupWindow::RecreateWindow() {
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomPopupWindow::ChangeWindowSetting(bool& ASetting, bool AValue) {
  if (ASetting == AValue) return;
  ASetting = AValue;
  const bool wasOpen = IsVisible();
  RecreateWindow();
  if (!wasOpen) return;
  CloseUp();
  Popup(FFocusedControl);
}

void TcxCustomPopupWindow::SetCaptureFocus(bool Value) { ChangeWindowSetting(FCaptureFocus, Value); }

void TcxCustomPopupWindow::SetIsTopMost(bool Value) { ChangeWindowSetting(FIsTopMost, Value); }

// ---- Window ---------------------------------------------------------------------------------------------------
void TcxCustomPopupWindow::CreateHandle() {
  // While its window is made the popup counts as open, as the hooks see the messages of its creation.
  const bool listed = !IsPopupWindowOpen(this);
  if (listed) AddOpenPopupWindow(this);
  TFinally unlist([this, listed] {
    if (listed && IsPopupWindowOpen(this)) RemoveOpenPopupWindow(this);
  });
  inherited::CreateHandle();
}

void TcxCustomPopupWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  TCustomForm* form = FOwnerControl ? GetParentForm(FOwnerControl) : nullptr;
  if (FCaptureFocus) {
    if (form) Params.WndParent = form->GetHandle();
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
    const bool formTopMost =
        !form || (form->HandleAllocated() && (GetWindowLong(form->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST));
    if (FIsTopMost && formTopMost) Params.ExStyle |= WS_EX_TOPMOST;
  } else {
    Params.Style = WS_CHILD;
    Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (!Params.WndParent) Params.WndParent = cxMessageWindow()->GetHandle();
  }
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomPopupWindow::CreateWnd() {
  inherited::CreateWnd();
  // A tool window shows without taking the activation once it has no parent.
  if (!FCaptureFocus && HandleAllocated()) ::SetParent(GetHandle(), nullptr);
}

void TcxCustomPopupWindow::AdjustClientRect(TRect& Rect) { Rect = FViewInfo->ClientRect; }

void TcxCustomPopupWindow::Paint() { FViewInfo->Paint(GetCanvas()); }

void TcxCustomPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_CLOSEPOPUPWINDOW: CMClosePopupWindow(); return;
    case CM_SHOWPOPUPWINDOW: Popup(FFocusedControl); return;
    case WM_ACTIVATEAPP: return;  // the hooks close what must close
    case WM_ERASEBKGND:
      if (HasBackground())
        inherited::Dispatch(Message);
      else
        Message.Result = 1;
      return;
    case CM_MOUSEENTER:
      inherited::Dispatch(Message);
      MouseEnter(GetMouseMessageControl(Message, this));
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      MouseLeave(GetMouseMessageControl(Message, this));
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxContainer
