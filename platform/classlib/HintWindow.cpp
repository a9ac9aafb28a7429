// THintWindow: the popup a hint is shown in. It never activates, lets the mouse through to what is
// under it, and paints its text wrapped, 2 pixels in from its border.
#include "Forms.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Forms {

IMPLEMENT_CLASS(THintWindow)

void THintWindow::Construct() {
  inherited::Construct();
  SetColor(clInfoBk);
  GetCanvas()->GetFont()->Assign(Screen->HintFont());
  GetCanvas()->GetBrush()->SetStyle(bsClear);
  // Shown and hidden by ShowWindow alone: it is never shown as a child of anything.
  FVisible = false;
  SetDoubleBuffered(true);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.WndParent = nullptr;
  Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS | CS_DROPSHADOW;
}

void THintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      Message.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    default: inherited::Dispatch(Message);
  }
}

void THintWindow::Paint() {
  TRect r = GetClientRect();
  r.left += 2;
  r.top += 2;
  TCanvas* canvas = GetCanvas();
  canvas->GetFont()->SetColor(Screen->HintFont()->GetColor());
  String text = GetCaption();
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const String& AHint, void*) {
  HandleNeeded();
  TRect r(0, 0, MaxWidth, 0);
  DrawTextA(GetCanvas()->GetHandle(), AHint.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r.right += 6;
  r.bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const String& AHint) {
  FActivating = true;
  try {
    SetCaption(AHint);
    Rect.bottom += 4;
    Integer width = Rect.Width(), height = Rect.Height();
    // Kept whole on the screen: pushed up and left from the far edges, never off the near ones.
    TRect desktop = Screen->DesktopRect();
    if (Rect.top + height > desktop.bottom) Rect.top = desktop.bottom - height;
    if (Rect.left + width > desktop.right) Rect.left = desktop.right - width;
    if (Rect.left < desktop.left) Rect.left = desktop.left;
    if (Rect.top < desktop.top) Rect.top = desktop.top;
    SetBounds(Rect.left, Rect.top, width, height);
    SetWindowPos(GetHandle(), HWND_TOPMOST, Rect.left, Rect.top, width, height, SWP_NOACTIVATE);
    ShowWindow(GetHandle(), SW_SHOWNOACTIVATE);
    Invalidate();
  } catch (...) {
    FActivating = false;
    throw;
  }
  FActivating = false;
}

void THintWindow::ActivateHintData(const TRect& Rect, const String& AHint, void*) { ActivateHint(Rect, AHint); }

bool THintWindow::IsShowing() { return HandleAllocated() && IsWindowVisible(GetHandle()); }

bool THintWindow::IsHintMsg(const MSG& Msg) {
  if (!IsShowing()) return false;
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_ACTIVATEAPP:
    case WM_COMMAND:
    case CM_ACTIVATE:
    case CM_DEACTIVATE:
    case CM_APPKEYDOWN:
    case CM_APPSYSCOMMAND: return true;
    default: return false;
  }
}

}  // namespace Forms
