// The bar window's window messages: mouse messages kept from bars outside the active popup chain, no
// activation and no focus taken from the form, closing on focus loss, non-client painting and the
// notices of in-bar editors.
#include "Controls.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"

namespace dxBar {

void TCustomdxBarControl::WndProc(TMessage& Message) {
  TMessage* saved = FCurrentMessage;
  FCurrentMessage = &Message;
  struct TRestore {
    TMessage*& Ref;
    TMessage* Saved;
    ~TRestore() { Ref = Saved; }
  } restore{FCurrentMessage, saved};
  const UINT msg = Message.Msg;
  if (((msg >= WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK)) &&
      !CanProcessMouseMessage())
    return;
  switch (msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FIgnoreMouseClick) return;
      break;
    case WM_LBUTTONUP:
      WMLButtonUp(Message);
      return;
    case WM_MOUSEMOVE: {
      TcxObjectLinkHolder self(this);
      inherited::WndProc(Message);
      if (self.Alive())
        AfterMouseMove(TPoint(static_cast<SHORT>(LOWORD(Message.LParam)), static_cast<SHORT>(HIWORD(Message.LParam))));
      return;
    }
    case WM_CAPTURECHANGED:
      // A pending design-time drag is abandoned and the held control forgotten.
      FDragDown = false;
      FClickedControl = nullptr;
      break;
    case WM_KILLFOCUS:
      WMKillFocus(Message);
      return;
    case WM_NCACTIVATE:
      // The form's caption stays active while one of its bars is clicked; the bar is always drawn active.
      if (Message.WParam && !GetIsCustomizing() && HandleAllocated())
        if (HWND parent = ::GetParent(GetHandle())) SendMessage(parent, WM_NCACTIVATE, TRUE, 0);
      Message.WParam = TRUE;
      break;
    case WM_NCPAINT:
      WMNCPaint(Message);
      return;
    case WM_COMMAND:
      WMCommand(Message);
      return;
    case WM_SETFOCUS:
      WMSetFocus(Message);
      return;
    case WM_KEYDOWN:
      WMKeyDown(Message);
      return;
    case WM_DESTROY:
      if (!ComponentState().Contains(csDestroying)) {
        SetMarkState(msNone);
        BeforeDestroyHandle();
      }
      break;
    case WM_WINDOWPOSCHANGED:
      inherited::WndProc(Message);
      if (!ComponentState().Contains(csDestroying)) WindowPosChanged();
      return;
    case WM_PAINT:
      if (ComponentState().Contains(csDestroying)) return;
      break;
    case WM_DXBAR_REPAINTBAR:
      RepaintBar();
      return;
    default:
      break;
  }
  inherited::WndProc(Message);
}

void TCustomdxBarControl::WMSetFocus(TMessage& Message) {
  TdxBarItemControl* selected = GetSelectedControl();
  if (selected && selected->HasWindow()) {
    inherited::WndProc(Message);
    return;
  }
  // A bar window never keeps the focus: it goes back to the manager's form, else the next window.
  TdxBarManager* manager = GetBarManager();
  auto* form = manager ? dynamic_cast<TWinControl*>(manager->Owner()) : nullptr;
  if (form && form->HandleAllocated() && IsWindowVisible(form->GetHandle()))
    ::SetFocus(form->GetHandle());
  else if (HandleAllocated())
    ::SetFocus(GetWindow(GetHandle(), GW_HWNDNEXT));
}

void TCustomdxBarControl::WMKillFocus(TMessage& Message) {
  TcxObjectLinkHolder self(this);
  inherited::WndProc(Message);
  if (self.Alive() && Message.WParam == 0) HideAll();
}

void TCustomdxBarControl::WMNCPaint(TMessage& Message) {
  if (!AllowNCPaint()) return;
  inherited::WndProc(Message);
  if (!HandleAllocated()) return;
  HDC DC = GetNCDrawingDC();
  try {
    NCPaint(DC);
  } catch (...) {
    ReleaseNCDrawingDC(DC);
    throw;
  }
  ReleaseNCDrawingDC(DC);
}

// An in-bar editor's change notice that nothing here took goes back to the editor control itself.
void TCustomdxBarControl::WMCommand(TMessage& Message) {
  inherited::WndProc(Message);
  const HWND sender = reinterpret_cast<HWND>(Message.LParam);
  if (Message.Result == 0 && HIWORD(Message.WParam) == EN_CHANGE && sender && sender != GetHandle())
    SendMessage(sender, CN_COMMAND, Message.WParam, Message.LParam);
}

}  // namespace dxBar
