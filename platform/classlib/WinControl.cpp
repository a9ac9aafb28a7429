// TWinControl: the window handle's life, the message path from the window to the control and on
// to the default procedure with the reflected notifications, showing, and painting of the window
// with its non-windowed children.
#include "Controls.h"
#include "Exceptions.h"
#include "Forms.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Controls {

namespace {
constexpr const char* ControlProp = "ControlOfs";
TWinControl* CreationControl = nullptr;
TControl* CaptureControl = nullptr;
TControl* TheMouseControl = nullptr;
}  // namespace

IMPLEMENT_CLASS(TWinControl)

void TWinControl::Construct() {
  inherited::Construct();
  FObjectInstance = MakeObjectInstance(TWndMethod(this, &TWinControl::MainWndProc));
  FBrush = New<TBrush>();
  FBrush->SetColor(FColor);
}

void TWinControl::Destroy() {
  Destroying();
  ReleaseDockClients();
  if (auto* form = GetParentForm(this); form && form != this) form->DefocusControl(this, true);
  if (FHandle) DestroyWindowHandle();
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    child->Free();
  }
  FreeAndNil(FBrush);
  if (FObjectInstance) FreeObjectInstance(FObjectInstance);
  FObjectInstance = nullptr;
  inherited::Destroy();
}

void TWinControl::Loaded() {
  inherited::Loaded();
  if (FHandle) {
    // The text and bounds read from the stream reach the window now.
    UpdateBounds();
  }
  Realign();
  UpdateControlState();
}

// ---- The handle -------------------------------------------------------------------------------------
HWND TWinControl::GetHandle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams{};
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle.Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!GetEnabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = FParent ? FParent->GetHandle() : FParentWindow;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = &DefWindowProcA;
  Params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Params.WinClassName = ClassName();
}

LRESULT TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = CreationControl;
  if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
  CreationControl = nullptr;
  control->FHandle = hwnd;
  SetPropA(hwnd, ControlProp, control);
  SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(control->FObjectInstance));
  return CallWindowProc(control->FObjectInstance, hwnd, msg, wParam, lParam);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD) && !ComponentState().Contains(csDestroying))
    throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
  FDefWndProc = params.WindowClass.lpfnWndProc;
  WNDCLASSA existing;
  if (!GetClassInfoA(nullptr, params.WinClassName.c_str(), &existing) || existing.lpfnWndProc != &InitWndProc) {
    if (existing.lpfnWndProc) UnregisterClassA(params.WinClassName.c_str(), nullptr);
    WNDCLASSA wc = params.WindowClass;
    wc.lpfnWndProc = &InitWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&wc)) throw EOSError("Cannot register the window class " + params.WinClassName);
  }
  CreationControl = this;
  try {
    CreateWindowHandle(params);
  } catch (...) {
    CreationControl = nullptr;
    throw;
  }
  CreationControl = nullptr;
  if (!FHandle) throw EOSError("Error creating window");
}

HMENU NewChildWindowId() {
  static UINT_PTR nextId = 0x4000;
  if (++nextId > 0x7FFF) nextId = 0x4001;
  return reinterpret_cast<HMENU>(nextId);
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                  Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, Params.Param);
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  SetPropA(FHandle, ControlProp, this);
  if (FParent) SetWindowPos(FHandle, FParent->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->GetHandle()), 0);
  for (TControl* c : FControls) c->UpdateAnchorRules();
}

HWND TWinControl::PrecedingWindow(TWinControl* Control) {
  // The window above which the control's window belongs: the next windowed sibling's.
  auto it = std::find(FControls.begin(), FControls.end(), Control);
  for (++it; it != FControls.end(); ++it)
    if (auto* w = dynamic_cast<TWinControl*>(*it); w && w->FHandle) return w->FHandle;
  return HWND_BOTTOM;
}

void TWinControl::DestroyWnd() {
  FText = GetText();
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  ControlState.Include(csDestroyingHandle);
  HWND h = FHandle;
  if (h && IsWindow(h)) DestroyWindow(h);
  FHandle = nullptr;
  FShowing = false;
  ControlState.Exclude(csDestroyingHandle);
}

bool TWinControl::AdoptWindowHandle(HWND AWnd) {
  if (!AWnd || !IsWindow(AWnd)) return false;
  // The creation that asked for this window made none: nothing waits for its first message.
  if (CreationControl == this) CreationControl = nullptr;
  FHandle = AWnd;
  SetPropA(AWnd, ControlProp, this);
  SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FObjectInstance));
  return true;
}

HWND TWinControl::DetachWindowHandle() {
  HWND h = FHandle;
  FHandle = nullptr;
  FShowing = false;
  return h;
}

void TWinControl::RestoreWindowProc(HWND AWnd) {
  if (!AWnd || !IsWindow(AWnd) || AWnd == FHandle) return;
  if (GetPropA(AWnd, ControlProp) == this) RemovePropA(AWnd, ControlProp);
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(AWnd, GWL_WNDPROC)) == FObjectInstance)
    SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc ? FDefWndProc : &DefWindowProcA));
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  if (FHandle && Value) ::SetParent(FHandle, Value);
  else if (FHandle) DestroyHandle();
  FParentWindow = Value;
  UpdateControlState();
}

// ---- Showing ----------------------------------------------------------------------------------------
void TWinControl::UpdateShowing() {
  bool show = GetVisible() && !ControlState.Contains(csReadingState) && !ComponentState().Contains(csLoading);
  if (show) {
    if (!FHandle) CreateHandle();
    for (TControl* c : FControls)
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
  }
  if (FHandle && FShowing != show) {
    FShowing = show;
    Perform(CM_SHOWINGCHANGED, 0, 0);
    if (!show)
      for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->UpdateShowing();
  }
}

void TWinControl::UpdateControlState() {
  for (TWinControl* p = this; p; p = p->FParent) {
    if (!p->FParent && !p->FParentWindow && !dynamic_cast<Forms::TCustomForm*>(p)) return;
    if (!p->GetVisible() && p != this) return;
  }
  UpdateShowing();
}

// ---- Messages ---------------------------------------------------------------------------------------
void TWinControl::MainWndProc(TMessage& Message) {
  try {
    if (WindowProc) WindowProc(Message);
    else WndProc(Message);
  } catch (...) {
    Forms::Application->HandleException(this);
  }
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      if (!GetCapture()) {
        TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
        TControl* target = ControlAtPos(p, false);
        SetMouseControl(target ? target : this);
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = FHandle;
        TrackMouseEvent(&track);
      }
      if (IsControlMouseMsg(Message)) return;
      break;
    }
    case WM_MOUSELEAVE: {
      TControl* mc = MouseControl();
      if (mc == this || (mc && mc->FParent == this && !dynamic_cast<TWinControl*>(mc))) SetMouseControl(nullptr);
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (IsControlMouseMsg(Message)) return;
      break;
    default: break;
  }
  inherited::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
  TControl* control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    if (CaptureControl && CaptureControl->FParent == this && !dynamic_cast<TWinControl*>(CaptureControl))
      control = CaptureControl;
  } else {
    control = ControlAtPos(p, false);
  }
  if (!control) return false;
  LPARAM lp = MAKELPARAM(static_cast<WORD>(p.x - control->FLeft), static_cast<WORD>(p.y - control->FTop));
  Message.Result = control->Perform(Message.Msg, Message.WParam, lp);
  return true;
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      if (FHandle) RemovePropA(FHandle, ControlProp);
      FHandle = nullptr;
      FShowing = false;
      return;
    case WM_SIZE:
    case WM_MOVE:
      DefaultHandler(Message);
      if (FHandle) UpdateBounds();
      return;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(Message);
      if (FHandle) UpdateBounds();
      return;
    case WM_SETFOCUS: {
      DefaultHandler(Message);
      Forms::TCustomForm* form = GetParentForm(this);
      if (form && form != this) form->SetFocusedControl(this);
      return;
    }
    case WM_KILLFOCUS: DefaultHandler(Message); return;
    case WM_SETCURSOR:
      // The screen's cursor overrides; otherwise the cursor of the non-windowed child under the
      // pointer, then the control's own; the class cursor when all say crDefault.
      if (reinterpret_cast<HWND>(Message.WParam) == FHandle && static_cast<int16_t>(Message.LParamLo()) == HTCLIENT) {
        TCursor cursor = Forms::Screen->GetCursor();
        if (cursor == crDefault) {
          POINT p;
          GetCursorPos(&p);
          if (TControl* c = ControlAtPos(ScreenToClient(p), false)) cursor = c->GetCursor();
          if (cursor == crDefault) cursor = GetCursor();
        }
        if (cursor != crDefault) {
          ::SetCursor(Forms::Screen->GetCursors(cursor));
          Message.Result = 1;
          return;
        }
      }
      DefaultHandler(Message);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(Message)) DefaultHandler(Message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(Message)) DefaultHandler(Message);
      return;
    case WM_CHAR:
      if (!DoKeyPress(Message)) DefaultHandler(Message);
      return;
    case WM_SYSCHAR: {
      Forms::TCustomForm* form = GetParentForm(this);
      if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
      DefaultHandler(Message);
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(Message); return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: Broadcast(Message); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_SHOWINGCHANGED:
      if (FHandle) SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                    (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
      return;
    case CM_VISIBLECHANGED: UpdateControlState(); return;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, GetEnabled());
      return;
    case CM_COLORCHANGED:
      FBrush->SetColor(FColor);
      inherited::Dispatch(Message);
      for (TControl* c : FControls) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      if (FHandle) SendMessage(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->GetHandle()), 0);
      for (TControl* c : FControls) c->Perform(CM_PARENTFONTCHANGED, 0, 0);
      return;
    case CM_BIDIMODECHANGED:
      inherited::Dispatch(Message);
      for (TControl* c : FControls) c->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
      return;
    case CM_CTL3DCHANGED:
      inherited::Dispatch(Message);
      for (TControl* c : FControls) c->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
      return;
    case CM_SHOWHINTCHANGED:
    case CM_PARENTSHOWHINTCHANGED:
      inherited::Dispatch(Message);
      for (TControl* c : FControls) c->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
      return;
    case CM_RECREATEWND: {
      // The focus, when it is in one of the windows about to go, is taken off first (destroying a
      // focused window would hand it to the parent, which gives it back to the active control's
      // dying window) and given to that control's new window.
      TWinControl* focused = FindControl(GetFocus());
      if (focused && !ContainsControl(focused)) focused = nullptr;
      if (focused) ::SetFocus(nullptr);
      bool wasShowing = FShowing;
      DestroyHandle();
      if (wasShowing || FParent) UpdateControlState();
      if (focused && focused->FHandle && GetFocus() == nullptr) ::SetFocus(focused->FHandle);
      return;
    }
    case CM_FOCUSCHANGED: Broadcast(Message); return;
    case CM_SYSCOLORCHANGE:
    case CM_WININICHANGE:
      for (TControl* c : FControls) c->Perform(Message.Msg, Message.WParam, Message.LParam);
      if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
      return;
    case CM_INVALIDATE:
      if (FHandle) InvalidateRect(FHandle, nullptr, !ControlStyle.Contains(csOpaque));
      return;
    case CM_DOCKCLIENT: CMDockClient(Message); return;
    default: inherited::Dispatch(Message);
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) {
    inherited::DefaultHandler(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      Message.Result = SendMessage(reinterpret_cast<HWND>(Message.LParam), CN_BASE + Message.Msg, Message.WParam,
                                   Message.LParam);
      return;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam && FindControl(reinterpret_cast<HWND>(Message.LParam))) {
        Message.Result = SendMessage(reinterpret_cast<HWND>(Message.LParam), CN_BASE + Message.Msg,
                                     Message.WParam, Message.LParam);
        return;
      }
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
      if (Message.WParam) {
        if (HWND child = GetDlgItem(FHandle, static_cast<int>(Message.WParam))) {
          Message.Result = SendMessage(child, CN_BASE + Message.Msg, Message.WParam, Message.LParam);
          return;
        }
      }
      break;
    default: break;
  }
  Message.Result = CallWindowProc(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::UpdateBounds() {
  RECT r;
  GetWindowRect(FHandle, &r);
  HWND parent = ::GetParent(FHandle);
  if ((GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD) && parent) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  TRect nr(r);
  if (nr.left != FLeft || nr.top != FTop || nr.Width() != FWidth || nr.Height() != FHeight) {
    bool resized = nr.Width() != FWidth || nr.Height() != FHeight;
    UpdateBoundsRect(nr);
    if (resized) {
      Realign();
      if (!ComponentState().Contains(csLoading)) Resize();
    }
  }
}

void TWinControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!ComponentState().Contains(csLoading)) DoConstrainedResize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if ((AWidth != FWidth || AHeight != FHeight) && !CanResize(AWidth, AHeight)) return;
  if (FHandle && !IsIconic(FHandle)) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateAnchorRules();
    if (resized) {
      Realign();
      if (!ComponentState().Contains(csLoading)) Resize();
    }
  }
  RequestAlign();
}

TRect TWinControl::GetClientRect() {
  if (FHandle) {
    RECT r;
    ::GetClientRect(FHandle, &r);
    return r;
  }
  return inherited::GetClientRect();
}

TPoint TWinControl::GetClientOrigin() {
  POINT p{0, 0};
  ::ClientToScreen(GetHandle(), &p);
  return p;
}

void TWinControl::SetBorderWidth(Integer Value) {
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Realign();
  Invalidate();
}

// ---- Painting ---------------------------------------------------------------------------------------
void TWinControl::Invalidate() { Perform(CM_INVALIDATE, 0, 0); }

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  RECT r = GetClientRect();
  ::FillRect(dc, &r, FBrush->GetHandle());
  Message.Result = 1;
}

void TWinControl::WMPaint(TMessage& Message) {
  if (!FDoubleBuffered || Message.WParam) {
    PaintHandler(Message);
    return;
  }
  // Double buffered: the background, the window and its non-windowed children are drawn on a
  // bitmap first, so that the screen never shows a half-painted state.
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  RECT r = GetClientRect();
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, std::max<LONG>(1, r.right), std::max<LONG>(1, r.bottom));
  HGDIOBJ old = SelectObject(mem, bmp);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), reinterpret_cast<LPARAM>(mem));
  TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(mem), 0, 0};
  PaintHandler(inner);
  BitBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  EndPaint(FHandle, &ps);
}

void TWinControl::PaintHandler(TMessage& Message) {
  PAINTSTRUCT ps;
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  if (!dc) dc = BeginPaint(FHandle, &ps);
  try {
    // Opaque non-windowed children are left out of the window's own painting; they cover it anyway.
    int saved = SaveDC(dc);
    for (TControl* c : FControls)
      if (!dynamic_cast<TWinControl*>(c) && c->GetVisible() && c->ControlStyle.Contains(csOpaque))
        ExcludeClipRect(dc, c->FLeft, c->FTop, c->FLeft + c->FWidth, c->FTop + c->FHeight);
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
  } catch (...) {
    if (!Message.WParam) EndPaint(FHandle, &ps);
    throw;
  }
  if (!Message.WParam) EndPaint(FHandle, &ps);
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto it = FControls.begin();
  if (First) it = std::find(FControls.begin(), FControls.end(), First);
  for (; it != FControls.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->GetVisible()) continue;
    if (!RectVisible(DC, &static_cast<const RECT&>(c->GetBoundsRect()))) continue;
    int saved = SaveDC(DC);
    POINT org;
    GetViewportOrgEx(DC, &org);
    SetViewportOrgEx(DC, org.x + c->FLeft, org.y + c->FTop, nullptr);
    IntersectClipRect(DC, 0, 0, c->FWidth, c->FHeight);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, saved);
  }
}

void TWinControl::PaintTo(HDC DC, Integer X, Integer Y) {
  int saved = SaveDC(DC);
  POINT org;
  GetViewportOrgEx(DC, &org);
  SetViewportOrgEx(DC, org.x + X, org.y + Y, nullptr);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  PaintHandler(m);
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->GetVisible()) w->PaintTo(DC, w->FLeft, w->FTop);
  RestoreDC(DC, saved);
}

HDC TWinControl::GetDeviceContext(HWND& WindowHandle) {
  WindowHandle = GetHandle();
  return GetDC(WindowHandle);
}

// ---- Lookups ----------------------------------------------------------------------------------------
TWinControl* FindControl(HWND Handle) {
  if (!Handle || !IsWindow(Handle)) return nullptr;
  return static_cast<TWinControl*>(GetPropA(Handle, ControlProp));
}

bool IsLibraryWindow(HWND Handle) { return FindControl(Handle) != nullptr; }

TControl* GetCaptureControl() {
  HWND h = GetCapture();
  if (!h) {
    CaptureControl = nullptr;
    return nullptr;
  }
  if (CaptureControl) {
    auto* w = dynamic_cast<TWinControl*>(CaptureControl);
    HWND owner = w ? w->FHandle : (CaptureControl->FParent ? CaptureControl->FParent->FHandle : nullptr);
    if (owner == h) return CaptureControl;
  }
  return FindControl(h);
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  CaptureControl = nullptr;
  if (!Control) return;
  if (auto* w = dynamic_cast<TWinControl*>(Control)) {
    if (w->HandleAllocated()) SetCapture(w->FHandle);
    CaptureControl = Control;
    return;
  }
  if (Control->FParent && Control->FParent->HandleAllocated()) {
    SetCapture(Control->FParent->FHandle);
    CaptureControl = Control;
  }
}

TControl* MouseControl() { return TheMouseControl; }

void SetMouseControl(TControl* Control) {
  if (Control == TheMouseControl) return;
  TControl* old = TheMouseControl;
  TheMouseControl = Control;
  // A control on its way out is only forgotten: its handlers may belong to objects already gone.
  if (old && !old->ComponentState().Contains(csDestroying)) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (Control) Control->Perform(CM_MOUSEENTER, 0, 0);
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  TWinControl* w = FindControl(WindowFromPoint(Pos));
  if (!w) return nullptr;
  TControl* c = w->ControlAtPos(w->ScreenToClient(Pos), AllowDisabled);
  return c ? c : w;
}

Forms::TCustomForm* GetParentForm(TControl* Control) {
  while (Control && Control->GetParent()) Control = Control->GetParent();
  return dynamic_cast<Forms::TCustomForm*>(Control);
}

}  // namespace Controls
