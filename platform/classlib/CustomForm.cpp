// TCustomForm: a top-level window read from the form resource of its class, its window styles,
// showing and hiding, activation and the focus bookkeeping among its controls, the dialog keys that
// move the focus, closing, and the modal loop.
#include <utility>

#include "Exceptions.h"
#include "Filer.h"
#include "FormResources.h"
#include "Forms.h"
#include "RtlMath.h"
#include "WinUser.h"

namespace Forms {

namespace {
bool CreatingNew = false;
}

IMPLEMENT_ABSTRACT_CLASS(TCustomForm)

IMPLEMENT_CLASS_PUBLISHED(TForm) {
  d.Property("ActiveControl", &TForm::GetActiveControl, &TForm::SetActiveControl);
  d.Property("AlphaBlend", &TForm::GetAlphaBlend, &TForm::SetAlphaBlend).Default(false);
  d.Property("AlphaBlendValue", &TForm::GetAlphaBlendValue, &TForm::SetAlphaBlendValue).Default(255);
  d.Property("AutoScroll", &TForm::GetAutoScroll, &TForm::SetAutoScroll).Default(true);
  d.Property("BorderIcons", &TForm::GetBorderIcons, &TForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  d.Property("BorderStyle", &TForm::GetBorderStyle, &TForm::SetBorderStyle).Default(bsSizeable);
  d.Property("BorderWidth", &TForm::GetBorderWidth, &TForm::SetBorderWidth).Default(0);
  d.Property("Caption", &TForm::GetCaption, &TForm::SetCaption);
  d.Property("ClientHeight", &TForm::GetClientHeightProp, &TForm::SetClientHeightProp);
  d.Property("ClientWidth", &TForm::GetClientWidthProp, &TForm::SetClientWidthProp);
  d.Property("Color", &TForm::GetColor, &TForm::SetColor).Default(clBtnFace).Type(ColorTypeInfo());
  d.Property("Constraints", &TForm::GetConstraints, &TForm::SetConstraints);
  d.Property("Ctl3D", &TForm::GetCtl3D, &TForm::SetCtl3D).Default(true);
  d.Property("DefaultMonitor", &TForm::GetDefaultMonitor, &TForm::SetDefaultMonitor).Default(dmActiveForm);
  d.Property("Enabled", &TForm::GetEnabled, &TForm::SetEnabled).Default(true);
  d.Property("Font", &TForm::GetFont, &TForm::SetFont);
  d.Property("FormStyle", &TForm::GetFormStyle, &TForm::SetFormStyle).Default(fsNormal);
  d.Property("HorzScrollBar", &TForm::GetHorzScrollBar, &TForm::SetHorzScrollBar);
  d.Property("KeyPreview", &TForm::GetKeyPreview, &TForm::SetKeyPreview).Default(false);
  d.Property("OldCreateOrder", &TForm::GetOldCreateOrder, &TForm::SetOldCreateOrder);
  d.Property("ParentFont", &TForm::GetParentFont, &TForm::SetParentFont).Default(false);
  d.Property("PixelsPerInch", &TForm::GetPixelsPerInch, &TForm::SetPixelsPerInch);
  d.Property("Position", &TForm::GetPosition, &TForm::SetPosition).Default(poDesigned);
  d.Property("ShowHint", &TForm::GetShowHint, &TForm::SetShowHint).Default(false);
  d.Property("TextHeight", &TForm::GetTextHeight, &TForm::SetTextHeight);
  d.Property("TransparentColor", &TForm::GetTransparentColor, &TForm::SetTransparentColor).Default(false);
  d.Property("TransparentColorValue", &TForm::GetTransparentColorValue, &TForm::SetTransparentColorValue)
      .Default(clBlack)
      .Type(ColorTypeInfo());
  d.Property("VertScrollBar", &TForm::GetVertScrollBar, &TForm::SetVertScrollBar);
  d.Property("Visible", &TForm::GetVisible, &TForm::SetVisible).Default(false);
  d.Property("WindowState", &TForm::GetWindowState, &TForm::SetWindowState).Default(wsNormal);
  d.Property("OnActivate", &TForm::GetOnActivate, &TForm::SetOnActivate);
  d.Property("OnClick", &TForm::GetOnClick, &TForm::SetOnClick);
  d.Property("OnClose", &TForm::GetOnClose, &TForm::SetOnClose);
  d.Property("OnCloseQuery", &TForm::GetOnCloseQuery, &TForm::SetOnCloseQuery);
  d.Property("OnCreate", &TForm::GetOnCreate, &TForm::SetOnCreate);
  d.Property("OnDeactivate", &TForm::GetOnDeactivate, &TForm::SetOnDeactivate);
  d.Property("OnDestroy", &TForm::GetOnDestroy, &TForm::SetOnDestroy);
  d.Property("OnHide", &TForm::GetOnHide, &TForm::SetOnHide);
  d.Property("OnKeyDown", &TForm::GetOnKeyDown, &TForm::SetOnKeyDown);
  d.Property("OnKeyPress", &TForm::GetOnKeyPress, &TForm::SetOnKeyPress);
  d.Property("OnKeyUp", &TForm::GetOnKeyUp, &TForm::SetOnKeyUp);
  d.Property("OnMouseDown", &TForm::GetOnMouseDown, &TForm::SetOnMouseDown);
  d.Property("OnMouseUp", &TForm::GetOnMouseUp, &TForm::SetOnMouseUp);
  d.Property("OnResize", &TForm::GetOnResize, &TForm::SetOnResize);
  d.Property("OnShow", &TForm::GetOnShow, &TForm::SetOnShow);
}

TCustomForm* TCustomForm::CreateNew(TClass Cls, TComponent* AOwner) {
  if (!Cls || !Cls->InheritsFrom(TCustomForm::StaticClass())) RaiseInvalidCast();
  CreatingNew = true;
  try {
    auto* form = static_cast<TCustomForm*>(CreateComponent(Cls, AOwner));
    return form;
  } catch (...) {
    CreatingNew = false;
    throw;
  }
}

IDesignerNotify* FindRootDesigner(TComponent* AComponent) {
  TCustomForm* root = nullptr;
  for (; AComponent; AComponent = AComponent->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(AComponent)) root = form;
  return root ? root->GetDesigner() : nullptr;
}

// ---- Life -------------------------------------------------------------------------------------------
bool TCustomForm::HasFormResource() const { return ClassType() != TForm::StaticClass(); }

void TCustomForm::Construct() {
  FCreatedNew = CreatingNew;
  CreatingNew = false;
  inherited::Construct();
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FLeft = 0;
  FTop = 0;
  FWidth = 320;
  FHeight = 240;
  FVisible = false;
  FColor = clBtnFace;
  GetBrush()->SetColor(FColor);
  FParentColor = false;
  FParentFont = false;
  SetFloatingDockSiteClass(ClassType());
  Screen->AddForm(this);
  if (FCreatedNew || !HasFormResource()) return;
  FormState.Include(fsCreating);
  try {
    if (!InitInheritedComponent(this, TForm::StaticClass()))
      throw EResNotFound(String("Resource ") + ClassName() + " not found");
  } catch (...) {
    FormState.Exclude(fsCreating);
    throw;
  }
  FormState.Exclude(fsCreating);
  if (FOldCreateOrder) DoCreate();
}

void TCustomForm::AfterConstruction() {
  inherited::AfterConstruction();
  if (!FOldCreateOrder) DoCreate();
}

void TCustomForm::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (!FOldCreateOrder) DoDestroy();
}

void TCustomForm::Destroy() {
  Destroying();
  if (FOldCreateOrder) DoDestroy();
  if (Screen) Screen->RemoveForm(this);
  inherited::Destroy();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

// The scaling is by the ratio of resolutions, not of measured text heights: the forms' faces are
// stand-ins whose heights differ by a pixel from the faces they were laid out with, and that must
// not shift a layout made for this very resolution.
void TCustomForm::ReadState(Filer::TReader* Reader) {
  // A stream that states no resolution was laid out at its ancestor's (an inherited form's stream
  // leaves out what equals the ancestor's), or, read alone, for this screen.
  FPixelsPerInch = 0;
  FScalingFlags = {};
  // A client size an earlier stream of the same form stated is scaled already.
  const Integer earlierWidth = std::exchange(FStoredClientWidth, -1);
  const Integer earlierHeight = std::exchange(FStoredClientHeight, -1);
  DisableAlign();
  try {
    inherited::ReadState(Reader);
    const Integer M = Screen->PixelsPerInch(), D = FPixelsPerInch > 0 ? FPixelsPerInch : FDesignedPixelsPerInch;
    FDesignedPixelsPerInch = D;
    if (D > 0 && D != M) {
      if (FScalingFlags.Contains(sfFont)) FFont->SetHeight(MulDiv(FFont->GetHeight(), M, D));
      ScaleScrollBars(M, D);
      ScaleControls(M, D);
      if (FStoredClientWidth > 0) FStoredClientWidth = MulDiv(FStoredClientWidth, M, D);
      else if (FScalingFlags.Contains(sfWidth)) SetBounds(FLeft, FTop, MulDiv(FWidth, M, D), FHeight);
      if (FStoredClientHeight > 0) FStoredClientHeight = MulDiv(FStoredClientHeight, M, D);
      else if (FScalingFlags.Contains(sfHeight)) SetBounds(FLeft, FTop, FWidth, MulDiv(FHeight, M, D));
    } else {
      ScaleControls(1, 1);  // clears what this stream set, so that a later stream scales only its own
    }
    if (FStoredClientWidth < 0) FStoredClientWidth = earlierWidth;
    if (FStoredClientHeight < 0) FStoredClientHeight = earlierHeight;
    FPixelsPerInch = M;
    FScalingFlags = {};
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TCustomForm::Loaded() {
  inherited::Loaded();
  if (FStoredClientWidth >= 0) SetClientWidth(FStoredClientWidth);
  if (FStoredClientHeight >= 0) SetClientHeight(FStoredClientHeight);
  FStoredClientWidth = FStoredClientHeight = -1;
  if (FActiveControl && !ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

// The client size is stored, but the frame around it depends on properties read later (the border
// style), so a size read from the stream is applied once the whole form is read.
void TCustomForm::SetClientWidthProp(Integer Value) {
  if (ComponentState().Contains(csLoading) || ControlState.Contains(csReadingState)) FStoredClientWidth = Value;
  else SetClientWidth(Value);
}

void TCustomForm::SetClientHeightProp(Integer Value) {
  if (ComponentState().Contains(csLoading) || ControlState.Contains(csReadingState)) FStoredClientHeight = Value;
  else SetClientHeight(Value);
}

// ---- The window -------------------------------------------------------------------------------------
namespace {
// The window styles that the form's border style, icons and form style call for; a form placed in
// another control is a child window there and, docked, shows no frame of its own.
void FormWindowStyles(TCustomForm* Form, DWORD& Style, DWORD& ExStyle) {
  TFormBorderStyle border = Form->GetBorderStyle();
  TBorderIcons icons = Form->GetBorderIcons();
  Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  ExStyle = 0;
  switch (border) {
    case bsNone: Style |= WS_POPUP; break;
    case bsSingle: Style |= WS_CAPTION | WS_BORDER; break;
    case bsToolWindow:
      Style |= WS_CAPTION | WS_BORDER;
      ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeable: Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsSizeToolWin:
      Style |= WS_CAPTION | WS_THICKFRAME;
      ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsDialog:
      Style |= WS_POPUP | WS_CAPTION;
      ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
  }
  if (border != bsNone && icons.Contains(biSystemMenu)) {
    Style |= WS_SYSMENU;
    if (border != bsDialog && border != bsToolWindow && border != bsSizeToolWin) {
      if (icons.Contains(biMinimize)) Style |= WS_MINIMIZEBOX;
      if (icons.Contains(biMaximize)) Style |= WS_MAXIMIZEBOX;
    }
  }
  if (Form->GetFormStyle() == fsStayOnTop) ExStyle |= WS_EX_TOPMOST;
  if (Form->GetAlphaBlend() || Form->GetTransparentColor()) ExStyle |= WS_EX_LAYERED;
  if (Form->GetParent()) {
    Style = (Style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD;
    ExStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    if (Form->GetHostDockSite())
      Style &= ~static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX |
                                   WS_MAXIMIZEBOX);
  }
}
}  // namespace

void TCustomForm::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  FormWindowStyles(this, Params.Style, Params.ExStyle);
  if (!GetParent()) Params.WndParent = nullptr;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  UpdateLayered();
}

void TCustomForm::UpdateLayered() {
  if (!HandleAllocated() || !(FAlphaBlend || FTransparentColor)) return;
  LONG ex = GetWindowLong(FHandle, GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) SetWindowLong(FHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  DWORD flags = (FAlphaBlend ? LWA_ALPHA : 0) | (FTransparentColor ? LWA_COLORKEY : 0);
  SetLayeredWindowAttributes(FHandle, ColorToRGB(FTransparentColorValue), static_cast<BYTE>(FAlphaBlendValue), flags);
}

// Without a window the client area follows from the frame that the window's styles will give it.
TRect TCustomForm::GetClientRect() {
  if (HandleAllocated()) return inherited::GetClientRect();
  DWORD style, exStyle;
  FormWindowStyles(this, style, exStyle);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return TRect(0, 0, std::max<LONG>(0, FWidth - (frame.right - frame.left)),
               std::max<LONG>(0, FHeight - (frame.bottom - frame.top)));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  if (HandleAllocated())
    SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (HandleAllocated() && Showing())
    ShowWindow(FHandle, Value == wsMaximized ? SW_SHOWMAXIMIZED : Value == wsMinimized ? SW_SHOWMINIMIZED : SW_RESTORE);
}

void TCustomForm::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  UpdateLayered();
}
void TCustomForm::SetAlphaBlendValue(Integer Value) {
  FAlphaBlendValue = std::clamp<Integer>(Value, 0, 255);
  UpdateLayered();
}
void TCustomForm::SetTransparentColor(bool Value) {
  FTransparentColor = Value;
  UpdateLayered();
}
void TCustomForm::SetTransparentColorValue(TColor Value) {
  FTransparentColorValue = Value;
  UpdateLayered();
}

void TCustomForm::PlaceOnScreen() {
  TCustomForm* center = nullptr;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poMainFormCenter: center = Application->MainForm(); break;
    case poOwnerFormCenter: center = dynamic_cast<TCustomForm*>(Owner()); break;
    default: return;
  }
  if (center == this || (center && !center->GetVisible())) center = nullptr;
  TRect area = center ? center->GetBoundsRect() : Screen->WorkAreaRect();
  Integer l = area.left + (area.Width() - FWidth) / 2, t = area.top + (area.Height() - FHeight) / 2;
  TRect work = Screen->WorkAreaRect();
  l = std::max<Integer>(work.left, std::min<Integer>(l, work.right - FWidth));
  t = std::max<Integer>(work.top, std::min<Integer>(t, work.bottom - FHeight));
  SetBounds(l, t, FWidth, FHeight);
}

// ---- Showing ----------------------------------------------------------------------------------------
void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
  if (HandleAllocated()) SetForegroundWindow(FHandle);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_SHOWINGCHANGED:
      if (Showing()) {
        DoShow();
        PlaceOnScreen();
        int cmd = FWindowState == wsMaximized ? SW_SHOWMAXIMIZED : FWindowState == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
        ShowWindow(FHandle, cmd);
        FormState.Include(fsVisible);
      } else {
        DoHide();
        if (GetActiveWindow() == FHandle && Application->MainForm() && Application->MainForm() != this &&
            Application->MainForm()->HandleAllocated() && Application->MainForm()->Showing())
          SetActiveWindow(Application->MainForm()->FHandle);
        ShowWindow(FHandle, SW_HIDE);
        FormState.Exclude(fsVisible);
      }
      return;
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE:
      DefaultHandler(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE) {
        FActive = true;
        Screen->FActiveForm = this;
        if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
        if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->GetHandle());
        Activate();
      } else {
        FActive = false;
        if (Screen->FActiveForm == this) Screen->FActiveForm = nullptr;
        Deactivate();
      }
      return;
    case WM_SETFOCUS:
      if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus()) {
        ::SetFocus(FActiveControl->GetHandle());
        return;
      }
      inherited::Dispatch(Message);
      SetFocusedControl(this);
      return;
    case CM_DIALOGKEY:
      if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.WParam) {
          case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
              SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
              Message.Result = 1;
              return;
            }
            break;
          case VK_LEFT:
          case VK_UP:
          case VK_RIGHT:
          case VK_DOWN:
            if (FActiveControl && FActiveControl->GetParent()) {
              FActiveControl->GetParent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                                                      false);
              Message.Result = 1;
              return;
            }
            break;
          default: break;
        }
      }
      inherited::Dispatch(Message);
      return;
    case CM_RELEASE: Free(); return;
    case CM_ACTIONEXECUTE:
    case CM_ACTIONUPDATE:
      Message.Result =
          OfferAction(reinterpret_cast<TBasicAction*>(Message.LParam), Message.Msg == CM_ACTIONEXECUTE) ? 1 : 0;
      return;
    default: inherited::Dispatch(Message);
  }
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  inherited::GetChildren(Proc, Root);
  if (Root != this) return;
  for (Integer i = 0; i < ComponentCount(); ++i)
    if (TComponent* c = GetComponent(i); !c->HasParent()) Proc(c);
}

// ---- Focus ------------------------------------------------------------------------------------------
void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  if (Control && !ComponentState().Contains(csLoading)) {
    if (Control == this || GetParentForm(Control) != this || !Control->CanFocus())
      throw EInvalidOperation("Cannot focus a disabled or invisible window");
  }
  FActiveControl = Control;
  if (!ComponentState().Contains(csLoading) && Control && HandleAllocated() && GetActiveWindow() == FHandle)
    ::SetFocus(Control->GetHandle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
  bool wasActive = HandleAllocated() && GetActiveWindow() == FHandle;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  SetActiveWindow(GetHandle());
  if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->GetHandle());
  else ::SetFocus(FHandle);
}

// CM_EXIT goes up the chain of the control losing the focus and CM_ENTER down the chain of the one
// gaining it, leaving out their common parents; a handler that moves the focus elsewhere ends it.
bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control != this && GetParentForm(Control) != this) return false;
  Screen->FActiveControl = Control;
  Screen->FActiveForm = this;
  if (Control != this) FActiveControl = Control;
  if (FFocusedControl == Control) return true;
  std::vector<TWinControl*> newChain;
  for (TWinControl* c = Control; c && c != this; c = c->GetParent()) newChain.push_back(c);
  TWinControl* focusing = Control;
  while (FFocusedControl && FFocusedControl != this &&
         std::find(newChain.begin(), newChain.end(), FFocusedControl) == newChain.end()) {
    TWinControl* leaving = FFocusedControl;
    FFocusedControl = leaving->GetParent();
    leaving->Perform(CM_EXIT, 0, 0);
    if (Screen->FActiveControl != focusing) return false;
  }
  // The chain above what is still focused is entered from the top down.
  auto from = std::find(newChain.begin(), newChain.end(), FFocusedControl);
  for (auto it = std::make_reverse_iterator(from); it != newChain.rend(); ++it) {
    FFocusedControl = *it;
    (*it)->Perform(CM_ENTER, 0, 0);
    if (Screen->FActiveControl != focusing) return false;
  }
  FFocusedControl = Control;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  // A control taking the focus is scrolled into view in the scrolling control that holds it.
  if (Control != this)
    if (auto* scroller = dynamic_cast<TScrollingWinControl*>(Control->GetParent())) scroller->AutoScrollInView(Control);
  return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && FFocusedControl && Control->ContainsControl(FFocusedControl))
    FFocusedControl = Control->GetParent();
  if (FActiveControl && Control->ContainsControl(FActiveControl)) {
    FActiveControl = nullptr;
    if (HandleAllocated() && Control->HandleAllocated() && IsChild(Control->FHandle, GetFocus())) ::SetFocus(FHandle);
    else if (HandleAllocated() && Control->HandleAllocated() && GetFocus() == Control->FHandle) ::SetFocus(FHandle);
  }
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  if (FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
  if (TControl* c = GetCaptureControl(); c && c != Sender) c->Perform(WM_CANCELMODE, 0, 0);
}

// ---- Closing ----------------------------------------------------------------------------------------
bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FormState.Contains(fsModal)) {
    ModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = CloseQuery() ? caHide : caNone;
  if (action != caNone) DoClose(action);
  switch (action) {
    case caNone: ModalResult = mrNone; break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::Release() { PostMessage(GetHandle(), CM_RELEASE, 0, 0); }

// The form's own loop: other top-level windows of the program are disabled meanwhile, and the
// loop ends when ModalResult is set (and the form agrees to close) or the program is ending.
TModalResult TCustomForm::ShowModal() {
  if (GetVisible() || !GetEnabled() || FormState.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  Application->ModalStarted();
  FormState.Include(fsModal);
  HWND previousActive = GetActiveWindow();
  std::vector<HWND> disabled;
  for (Integer i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* f = Screen->Forms(i);
    if (f != this && f->HandleAllocated() && IsWindowVisible(f->FHandle) && IsWindowEnabled(f->FHandle)) {
      EnableWindow(f->FHandle, FALSE);
      disabled.push_back(f->FHandle);
    }
  }
  auto restore = [&] {
    for (HWND h : disabled)
      if (IsWindow(h)) EnableWindow(h, TRUE);
    FormState.Exclude(fsModal);
    Application->ModalFinished();
  };
  try {
    Show();
    SendMessage(FHandle, CM_ACTIVATE, 0, 0);
    ModalResult = mrNone;
    do {
      Application->HandleMessage();
      if (Application->Terminated()) ModalResult = mrCancel;
      else if (ModalResult != mrNone) CloseModal();
    } while (ModalResult == mrNone);
    SendMessage(FHandle, CM_DEACTIVATE, 0, 0);
    if (GetActiveWindow() != FHandle) previousActive = nullptr;
    restore();
    Hide();
  } catch (...) {
    restore();
    if (HandleAllocated()) Hide();
    throw;
  }
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  return ModalResult;
}

}  // namespace Forms
