// TTrayIcon: the notification-area icon on a utility window of its own, which the desktop's clicks
// come back to, and the hiding of the main form's task-bar window on minimise.
#include <cstring>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "WinTray.h"
#include "WinUser.h"

namespace ExtCtrls {

IMPLEMENT_CLASS_PUBLISHED(TTrayIcon) {
  d.Property("Hide", &TTrayIcon::GetHide, &TTrayIcon::SetHide).Default(false);
  d.Property("Hint", &TTrayIcon::GetHint, &TTrayIcon::SetHint);
  d.Property("Icon", &TTrayIcon::GetIcon, &TTrayIcon::SetIcon);
  d.Property("PopupMenu", &TTrayIcon::GetPopupMenu, &TTrayIcon::SetPopupMenu);
  d.Property("PopupMenuOn", &TTrayIcon::GetPopupMenuOn, &TTrayIcon::SetPopupMenuOn).Default(imClick);
  d.Property("RestoreOn", &TTrayIcon::GetRestoreOn, &TTrayIcon::SetRestoreOn).Default(imDoubleClick);
  d.Property("Visible", &TTrayIcon::GetVisible, &TTrayIcon::SetVisible).Default(false);
  d.Property("OnClick", &TTrayIcon::GetOnClick, &TTrayIcon::SetOnClick);
  d.Property("OnDblClick", &TTrayIcon::GetOnDblClick, &TTrayIcon::SetOnDblClick);
  d.Property("OnMouseDown", &TTrayIcon::GetOnMouseDown, &TTrayIcon::SetOnMouseDown);
  d.Property("OnMouseUp", &TTrayIcon::GetOnMouseUp, &TTrayIcon::SetOnMouseUp);
}

void TTrayIcon::Construct() {
  inherited::Construct();
  FIcon = New<TIcon>();
  FIcon->OnChange = TNotifyEvent(this, &TTrayIcon::IconChanged);
  FWindowHandle = AllocateHWnd(TWndMethod(this, &TTrayIcon::WndProc));
}

void TTrayIcon::Destroy() {
  UnhookMainForm();
  FVisible = false;
  UpdateIcon();
  DeallocateHWnd(FWindowHandle);
  FWindowHandle = nullptr;
  FreeAndNil(FIcon);
  inherited::Destroy();
}

void TTrayIcon::Loaded() {
  inherited::Loaded();
  UpdateIcon();
}

void TTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (AComponent == FHookedForm) {
    // The form is going: its window procedure goes with it, nothing to give back.
    FHookedForm = nullptr;
    FOldWndProc = nullptr;
  }
}

void TTrayIcon::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  UpdateIcon();
}

void TTrayIcon::SetHint(const String& Value) {
  if (Value == FHint) return;
  FHint = Value;
  UpdateIcon();
}

void TTrayIcon::SetIcon(TIcon* Value) { FIcon->Assign(Value); }

void TTrayIcon::SetPopupMenu(TPopupMenu* Value) {
  if (Value == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TTrayIcon::UpdateIcon() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning) || !FWindowHandle) return;
  NOTIFYICONDATAA data;
  data.hWnd = FWindowHandle;
  data.uID = 1;
  if (!FVisible) {
    if (FAdded) Shell_NotifyIcon(NIM_DELETE, &data);
    FAdded = FShown = false;
    UnhookMainForm();
    if (FHidden) Restore();  // the program must not stay out of reach
    return;
  }
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_TRAYNOTIFY;
  data.hIcon = FIcon->GetHandle();
  // The tip is cut to the record's room, never inside a character.
  size_t n = std::min(FHint.size(), sizeof data.szTip - 1);
  while (n > 0 && n < FHint.size() && (static_cast<unsigned char>(FHint[n]) & 0xC0) == 0x80) --n;
  std::memcpy(data.szTip, FHint.data(), n);
  FShown = Shell_NotifyIcon(FAdded ? NIM_MODIFY : NIM_ADD, &data) != FALSE;
  FAdded = true;
  HookMainForm();
}

// ---- Minimise and restore ---------------------------------------------------------------------------
void TTrayIcon::HookMainForm() {
  TCustomForm* form = Application->MainForm();
  if (!form || form == FHookedForm) return;
  UnhookMainForm();
  FHookedForm = form;
  FOldWndProc = form->WindowProc;
  form->WindowProc = TWndMethod(this, &TTrayIcon::MainFormWndProc);
  form->FreeNotification(this);
}

void TTrayIcon::UnhookMainForm() {
  if (!FHookedForm) return;
  // Given back only when no one hooked the form after us; else our hook stays and passes all on.
  if (FHookedForm->WindowProc == TWndMethod(this, &TTrayIcon::MainFormWndProc)) {
    FHookedForm->WindowProc = FOldWndProc;
    FHookedForm->RemoveFreeNotification(this);
    FHookedForm = nullptr;
    FOldWndProc = nullptr;
  }
}

void TTrayIcon::MainFormWndProc(TMessage& Msg) {
  TControl* form = FHookedForm;
  TWndMethod old = FOldWndProc;
  if (old) old(Msg);
  // After the form has minimised: its task-bar window goes while the icon is there to bring it back.
  if (Msg.Msg == WM_SIZE && Msg.WParam == SIZE_MINIMIZED && FVisible && form == FHookedForm) {
    if (OnMinimize) OnMinimize(this);
    if (FHide && FShown && !FHidden) {
      auto* w = static_cast<TWinControl*>(form);
      FHidden = true;
      ShowWindow(w->GetHandle(), SW_HIDE);
    }
  }
}

void TTrayIcon::Restore() {
  TCustomForm* form = Application->MainForm();
  FHidden = false;
  if (!form || !form->HandleAllocated()) return;
  HWND wnd = form->GetHandle();
  if (!IsWindowVisible(wnd)) ShowWindow(wnd, IsIconic(wnd) ? SW_RESTORE : SW_SHOW);
  if (IsIconic(wnd)) Application->Restore();
  SetForegroundWindow(wnd);
  if (OnRestore) OnRestore(this);
}

// ---- Mouse on the icon ------------------------------------------------------------------------------
namespace {

bool Matches(TIconMessage Kind, UINT Msg) {
  switch (Kind) {
    case imNone: return false;
    case imClick:
    case imMouseUp: return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP;
    case imDoubleClick: return Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
    case imMouseDown: return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN;
    case imLeftClickUp: return Msg == WM_LBUTTONUP;
    case imLeftDoubleClick: return Msg == WM_LBUTTONDBLCLK;
    case imRightClickUp: return Msg == WM_RBUTTONUP;
    case imRightDoubleClick: return Msg == WM_RBUTTONDBLCLK;
  }
  return false;
}

TMouseButton ButtonOf(UINT Msg) {
  switch (Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
  }
}

}  // namespace

void TTrayIcon::WndProc(TMessage& Msg) {
  if (Msg.Msg == WM_TRAYNOTIFY) {
    try {
      Notify(static_cast<UINT>(Msg.LParam));
    } catch (...) {
      Application->HandleException(this);
    }
    return;
  }
  Msg.Result = DefWindowProcA(FWindowHandle, Msg.Msg, Msg.WParam, Msg.LParam);
}

void TTrayIcon::Notify(UINT MouseMessage) {
  POINT p{};
  GetCursorPos(&p);
  TShiftState shift = KeysToShiftState(0);
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  switch (MouseMessage) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift, p.x, p.y);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(this, ButtonOf(MouseMessage), shift, p.x, p.y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, ButtonOf(MouseMessage), shift, p.x, p.y);
      if (MouseMessage == WM_LBUTTONUP && OnClick) OnClick(this);
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      break;
    default: return;
  }
  if (Matches(FRestoreOn, MouseMessage)) Restore();
  if (Matches(FPopupMenuOn, MouseMessage) && FPopupMenu) {
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(p.x, p.y);
  }
}

}  // namespace ExtCtrls
