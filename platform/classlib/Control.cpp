// TControl: bounds and constraints, visibility, colour, font and text with their notifications to
// the control and its children, mouse messages with the automatic capture, and its message dispatch.
#include "ActnList.h"
#include "Controls.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Forms.h"
#include "Menus.h"
#include "Multibyte.h"
#include "RtlMath.h"
#include "Strings.h"
#include "WinUser.h"

namespace Controls {

void DragControlDestroyed(TControl* Control);  // DragDrop.cpp

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (KeyData & 0x20000000) s.Include(ssAlt);
  return s;
}

TShiftState KeysToShiftState(WORD Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

namespace {
struct TNamedCursor {
  const char* Name;
  TCursor Value;
};
constexpr TNamedCursor CursorNames[] = {
    {"crDefault", crDefault}, {"crNone", crNone}, {"crArrow", crArrow}, {"crCross", crCross},
    {"crIBeam", crIBeam}, {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS}, {"crSizeNWSE", crSizeNWSE},
    {"crSizeWE", crSizeWE}, {"crUpArrow", crUpArrow}, {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
    {"crNoDrop", crNoDrop}, {"crHSplit", crHSplit}, {"crVSplit", crVSplit}, {"crMultiDrag", crMultiDrag},
    {"crSQLWait", crSQLWait}, {"crNo", crNo}, {"crAppStart", crAppStart}, {"crHelp", crHelp},
    {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll}};
bool CursorIdentToInt(const String& ident, Int64& value) {
  for (const auto& c : CursorNames)
    if (SameText(c.Name, ident)) {
      value = c.Value;
      return true;
    }
  return false;
}
bool CursorIntToIdent(Int64 value, String& ident) {
  for (const auto& c : CursorNames)
    if (c.Value == value) {
      ident = c.Name;
      return true;
    }
  return false;
}

Integer ClampedSize(Integer value, Integer minimum, Integer maximum) {
  if (maximum > 0 && value > maximum) value = maximum;
  if (minimum > 0 && value < minimum) value = minimum;
  return value;
}
}  // namespace

const TTypeInfo* CursorTypeInfo() {
  static const TTypeInfo* info = MakeIdentIntTypeInfo("TCursor", CursorIdentToInt, CursorIntToIdent);
  return info;
}

// ---- TSizeConstraints -------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TSizeConstraints) {
  d.Property("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
  d.Property("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  d.Property("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  d.Property("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* c = dynamic_cast<TSizeConstraints*>(Source)) {
    FMaxHeight = c->FMaxHeight;
    FMaxWidth = c->FMaxWidth;
    FMinHeight = c->FMinHeight;
    FMinWidth = c->FMinWidth;
    Change();
    return;
  }
  inherited::Assign(Source);
}

// A maximum below the minimum lifts to it, and a minimum above the maximum lowers it.
void TSizeConstraints::SetMaxHeight(Integer Value) {
  if (Value == FMaxHeight) return;
  FMaxHeight = Value;
  if (Value > 0 && Value < FMinHeight) FMinHeight = Value;
  Change();
}
void TSizeConstraints::SetMaxWidth(Integer Value) {
  if (Value == FMaxWidth) return;
  FMaxWidth = Value;
  if (Value > 0 && Value < FMinWidth) FMinWidth = Value;
  Change();
}
void TSizeConstraints::SetMinHeight(Integer Value) {
  if (Value == FMinHeight) return;
  FMinHeight = Value;
  if (FMaxHeight > 0 && Value > FMaxHeight) FMaxHeight = Value;
  Change();
}
void TSizeConstraints::SetMinWidth(Integer Value) {
  if (Value == FMinWidth) return;
  FMinWidth = Value;
  if (FMaxWidth > 0 && Value > FMaxWidth) FMaxWidth = Value;
  Change();
}

void TSizeConstraints::Change() {
  if (FControl) FControl->SetBounds(FControl->GetLeft(), FControl->GetTop(), FControl->GetWidth(), FControl->GetHeight());
  if (OnChange) OnChange(this);
}

// ---- TControl: life --------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TControl) {
  d.Property("Left", &TControl::GetLeft, &TControl::SetLeft);
  d.Property("Top", &TControl::GetTop, &TControl::SetTop);
  d.Property("Width", &TControl::GetWidth, &TControl::SetWidth);
  d.Property("Height", &TControl::GetHeight, &TControl::SetHeight);
}

void TControl::Construct() {
  inherited::Construct();
  WindowProc = TWndMethod(this, &TControl::WndProc);
  FFont = New<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  FConstraints = New<TSizeConstraints>(this);
  ControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  // A control made by the stream being read scales as a whole, its own defaults included: they
  // are sizes at the resolution the stream was laid out at, too.
  FScalingFlags = {sfLeft, sfTop, sfWidth, sfHeight, sfFont};
}

void TControl::Destroy() {
  Destroying();
  if (Forms::ApplicationAssigned()) Forms::Application->ControlDestroyed(this);
  if (MouseControl() == this) SetMouseControl(nullptr);
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  DragControlDestroyed(this);
  if (TWinControl* host = FHostDockSite) {
    FHostDockSite = nullptr;
    host->FDockClients.erase(std::remove(host->FDockClients.begin(), host->FDockClients.end(), this),
                             host->FDockClients.end());
    if (!host->ComponentState().Contains(csDestroying)) host->DoRemoveDockClient(this);
  }
  SetParent(nullptr);
  FreeAndNil(FConstraints);
  FreeAndNil(FFont);
  inherited::Destroy();
}

void TControl::Loaded() {
  inherited::Loaded();
  ControlState.Exclude(csReadingState);
  // Properties read from the stream decide whether the parent's colour and font apply, so the
  // parent's values are taken again only now.
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (FParentBiDiMode) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (FParentCtl3D) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  }
  UpdateAnchorRules();
  RequestAlign();
}

void TControl::ReadState(Filer::TReader* Reader) {
  ControlState.Include(csReadingState);
  if (auto* p = dynamic_cast<TWinControl*>(Reader->GetParent())) SetParent(p);
  inherited::ReadState(Reader);
}

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* p = dynamic_cast<TWinControl*>(Value)) SetParent(p);
}

TComponent* TControl::GetParentComponent() { return FParent; }

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetName(const String& Value) {
  // A control whose caption followed its name keeps following it (csSetCaption).
  String old = GetName();
  bool follow = ControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                GetText() == old && Owner() && !Owner()->ComponentState().Contains(csLoading);
  inherited::SetName(Value);
  if (follow && ComponentState().Contains(csDesigning)) SetText(Value);
}

// A windowed control's window is made again for its new place: a top-level window (a form) that
// becomes a child needs a child window, and a child that loses its parent a top-level one.
void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  auto* self = dynamic_cast<TWinControl*>(this);
  if (AParent && self && self->ContainsControl(AParent))
    throw EInvalidOperation("A control cannot have one of its own children as its parent");
  if (FParent) FParent->RemoveControl(this);
  else if (AParent && self && self->HandleAllocated() && !self->GetParentWindow()) self->DestroyHandle();
  if (AParent) AParent->InsertControl(this);
  else if (self && !ComponentState().Contains(csDestroying)) self->UpdateControlState();
}

// ---- Messages ---------------------------------------------------------------------------------------
LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (WindowProc) WindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
      if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (ControlStyle.Contains(csClickEvents)) ControlState.Include(csClicked);
      ControlState.Include(csLButtonDown);
      // An automatic drag starts on the press, after the control has had it.
      if (FDragMode == dmAutomatic && !ComponentState().Contains(csDesigning)) {
        Dispatch(Message);
        if (!ComponentState().Contains(csDestroying)) BeginAutoDrag();
        return;
      }
    } else if (Message.Msg == WM_LBUTTONUP) {
      ControlState.Exclude(csLButtonDown);
    }
  }
  Dispatch(Message);
}

// The mouse handlers first let the default handling (a windowed control's window procedure) have the
// message, then run the control's events, so that the events see what the window made of it: the
// caret an edit placed, the item a list box selected.
void TControl::Dispatch(TMessage& Message) {
  TPoint pos(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
  TShiftState keys = KeysToShiftState(static_cast<WORD>(Message.WParam));
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      DefaultHandler(Message);
      DoMouseDown(Message, mbLeft, {});
      return;
    case WM_RBUTTONDOWN:
      DefaultHandler(Message);
      DoMouseDown(Message, mbRight, {});
      return;
    case WM_MBUTTONDOWN:
      DefaultHandler(Message);
      DoMouseDown(Message, mbMiddle, {});
      return;
    case WM_LBUTTONDBLCLK:
      DefaultHandler(Message);
      if (ControlStyle.Contains(csDoubleClicks)) {
        DoMouseDown(Message, mbLeft, {ssDouble});
        DblClick();
      } else {
        DoMouseDown(Message, mbLeft, {});
      }
      return;
    case WM_RBUTTONDBLCLK:
      DefaultHandler(Message);
      DoMouseDown(Message, mbRight, {ssDouble});
      return;
    case WM_MBUTTONDBLCLK:
      DefaultHandler(Message);
      DoMouseDown(Message, mbMiddle, {ssDouble});
      return;
    case WM_LBUTTONUP:
      DefaultHandler(Message);
      if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
      if (ControlState.Contains(csClicked)) {
        ControlState.Exclude(csClicked);
        TRect r = GetClientRect();
        if (pos.x >= r.left && pos.x < r.right && pos.y >= r.top && pos.y < r.bottom) Click();
      }
      DoMouseUp(Message, mbLeft);
      return;
    case WM_RBUTTONUP:
      // The default handling asks for the context menu (WM_CONTEXTMENU) before the release's event.
      DefaultHandler(Message);
      DoMouseUp(Message, mbRight);
      return;
    case WM_MBUTTONUP:
      DefaultHandler(Message);
      DoMouseUp(Message, mbMiddle);
      return;
    case WM_MOUSEMOVE:
      DefaultHandler(Message);
      if (!ControlStyle.Contains(csNoStdEvents)) MouseMove(keys, pos.x, pos.y);
      return;
    case WM_MOUSEWHEEL: {
      TPoint at(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
      if (DoMouseWheel(KeysToShiftState(Message.WParamLo()), GET_WHEEL_DELTA_WPARAM(Message.WParam), at))
        Message.Result = 1;
      else
        DefaultHandler(Message);
      return;
    }
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case WM_CANCELMODE:
      if (GetCaptureControl() == this) SetCaptureControl(nullptr);
      ControlState.Exclude(csClicked);
      ControlState.Exclude(csLButtonDown);
      DefaultHandler(Message);
      return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      if (!dynamic_cast<TWinControl*>(this)) InvalidateControl(true, false);
      return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor) {
        TColor c = Message.WParam ? static_cast<TColor>(Message.LParam) : (FParent ? FParent->FColor : FColor);
        SetColor(c);
        FParentColor = true;
      }
      return;
    case CM_PARENTFONTCHANGED:
      if (FParentFont) {
        TFont* f = Message.WParam ? reinterpret_cast<TFont*>(Message.LParam) : (FParent ? FParent->FFont : nullptr);
        if (f) {
          FFont->Assign(f);
          FParentFont = true;
        }
      }
      return;
    case CM_BIDIMODECHANGED: Invalidate(); return;
    case CM_PARENTCTL3DCHANGED:
      if (FParentCtl3D) {
        bool ctl3D = Message.WParam ? Message.LParam != 0 : (FParent ? FParent->FCtl3D : FCtl3D);
        SetCtl3D(ctl3D);
        FParentCtl3D = true;
      }
      return;
    case CM_PARENTBIDIMODECHANGED:
      if (FParentBiDiMode && FParent) {
        SetBiDiMode(FParent->FBiDiMode);
        FParentBiDiMode = true;
      }
      return;
    case CM_PARENTSHOWHINTCHANGED:
      if (FParentShowHint && FParent) {
        FShowHint = FParent->FShowHint;
        FParentShowHint = true;
      }
      return;
    case CM_MOUSEENTER:
      if (FParent) FParent->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
      if (Message.LParam == 0) MouseEnter();
      return;
    case CM_MOUSELEAVE:
      if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
      if (Message.LParam == 0) MouseLeave();
      return;
    case CM_HITTEST: Message.Result = 1; return;  // HTCLIENT
    case CM_DRAG: DoDragMsg(Message); return;
    case CM_FLOAT: CMFloat(Message); return;
    default: DefaultHandler(Message);
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(Message.LParam);
      size_t size = Message.WParam;
      if (!buffer || size == 0) {
        Message.Result = 0;
        return;
      }
      size_t n = std::min(FText.size(), size - 1);
      FText.copy(buffer, n);
      buffer[n] = 0;
      Message.Result = static_cast<LRESULT>(n);
      return;
    }
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FText.size()); return;
    case WM_SETTEXT:
      FText = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
      Message.Result = 1;
      return;
    case WM_RBUTTONUP:
      // What a window's default procedure does, for a control without a window of its own.
      Message.Result = 0;
      if (FParent && !dynamic_cast<TWinControl*>(this)) {
        TPoint screen = ClientToScreen(TPoint(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())));
        Message.Result = Perform(WM_CONTEXTMENU, 0, MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
      }
      return;
    default: Message.Result = 0;
  }
}

// The context menu: the message's point is on the screen, or (-1, -1) from the keyboard. A point
// outside the client area (the frame's) is left to the default handling; otherwise OnContextPopup
// hears of it in client coordinates first, then the popup menu opens at the screen point.
void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint screen(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
  bool keyboard = screen.x == -1 && screen.y == -1;
  TPoint client = screen;
  if (!keyboard) {
    client = ScreenToClient(screen);
    TRect r = GetClientRect();
    if (client.x < r.left || client.y < r.top || client.x >= r.right || client.y >= r.bottom) {
      DefaultHandler(Message);
      return;
    }
  }
  bool handled = false;
  DoContextPopup(client, handled);
  if (!handled) handled = ControlContextPopup(this, screen);
  if (handled) Message.Result = 1;
  else DefaultHandler(Message);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  TShiftState s = KeysToShiftState(static_cast<WORD>(Message.WParam)) + Shift;
  MouseDown(Button, s, static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  MouseUp(Button, KeysToShiftState(static_cast<WORD>(Message.WParam)), static_cast<int16_t>(Message.LParamLo()),
          static_cast<int16_t>(Message.LParamHi()));
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
// OnClick runs when it is the control's own handler; when it is the action's (or there is none)
// the action runs through its link, so that the action list and the application see it too.
void TControl::Click() {
  TBasicAction* action = GetAction();
  if (OnClick && (!action || OnClick != action->GetOnExecute())) OnClick(this);
  else if (FActionLink && !ComponentState().Contains(csDesigning)) FActionLink->Execute(this);
  else if (OnClick) OnClick(this);
}
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  // A fine-grained wheel sends parts of a notch; a turn back cancels what was counted forward.
  FWheelAccumulator += WheelDelta;
  while (FWheelAccumulator >= WHEEL_DELTA || FWheelAccumulator <= -WHEEL_DELTA) {
    if (FWheelAccumulator < 0) {
      FWheelAccumulator += WHEEL_DELTA;
      handled = DoMouseWheelDown(Shift, MousePos);
    } else {
      FWheelAccumulator -= WHEEL_DELTA;
      handled = DoMouseWheelUp(Shift, MousePos);
    }
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

// ---- Capture ----------------------------------------------------------------------------------------
bool TControl::GetMouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (GetMouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::SendCancelMode(TControl* Sender) {
  if (Forms::TCustomForm* form = GetParentForm(this)) form->SendCancelMode(Sender);
}

// ---- Bounds -----------------------------------------------------------------------------------------
void TControl::DoConstrainedResize(Integer& NewWidth, Integer& NewHeight) {
  Integer minW = FConstraints->GetMinWidth(), minH = FConstraints->GetMinHeight();
  Integer maxW = FConstraints->GetMaxWidth(), maxH = FConstraints->GetMaxHeight();
  ConstrainedResize(minW, minH, maxW, maxH);
  NewWidth = ClampedSize(NewWidth, minW, maxW);
  NewHeight = ClampedSize(NewHeight, minH, maxH);
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!ComponentState().Contains(csLoading)) DoConstrainedResize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if ((AWidth != FWidth || AHeight != FHeight) && !CanResize(AWidth, AHeight)) return;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsRect(const TRect& R) {
  UpdateAnchorRules();
  FLeft = R.left;
  FTop = R.top;
  FWidth = R.Width();
  FHeight = R.Height();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TRect TControl::GetClientRect() { return TRect(0, 0, FWidth, FHeight); }

void TControl::SetClientWidth(Integer Value) { SetWidth(FWidth - GetClientWidth() + Value); }
void TControl::SetClientHeight(Integer Value) { SetHeight(FHeight - GetClientHeight() + Value); }

TPoint TControl::GetClientOrigin() {
  if (!FParent) throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
  TPoint p = FParent->GetClientOrigin();
  return TPoint(p.x + FLeft, p.y + FTop);
}

TPoint TControl::ClientToScreen(const TPoint& Point) {
  TPoint o = GetClientOrigin();
  return TPoint(Point.x + o.x, Point.y + o.y);
}

TPoint TControl::ScreenToClient(const TPoint& Point) {
  TPoint o = GetClientOrigin();
  return TPoint(Point.x - o.x, Point.y - o.y);
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  TAlign old = FAlign;
  FAlign = Value;
  FAnchors = (Value == alNone || Value == alCustom) ? TAnchors{akLeft, akTop}
             : Value == alTop                       ? TAnchors{akLeft, akTop, akRight}
             : Value == alBottom                    ? TAnchors{akLeft, akRight, akBottom}
             : Value == alLeft                      ? TAnchors{akLeft, akTop, akBottom}
             : Value == alRight                     ? TAnchors{akRight, akTop, akBottom}
                                                    : TAnchors{akLeft, akTop, akRight, akBottom};
  if (old != alNone || Value != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

// Remembers where an anchored control stands relative to its parent's client size: its left for a
// right-anchored control, its width when anchored on both sides, its centre when on neither.
void TControl::UpdateAnchorRules() {
  if (FAnchorMove || ComponentState().Contains(csLoading)) return;
  if (FAnchors == TAnchors{akLeft, akTop}) {
    FOriginalParentSize = TPoint(0, 0);
    return;
  }
  FAnchorRules.x = FAnchors.Contains(akRight) ? (FAnchors.Contains(akLeft) ? FWidth : FLeft)
                                              : FLeft + FWidth / 2;
  FAnchorRules.y = FAnchors.Contains(akBottom) ? (FAnchors.Contains(akTop) ? FHeight : FTop)
                                               : FTop + FHeight / 2;
  if (FParent) {
    if (FParent->HandleAllocated()) {
      TRect r = FParent->GetClientRect();
      FOriginalParentSize = TPoint(r.Width(), r.Height());
    } else {
      FOriginalParentSize = TPoint(FParent->FWidth, FParent->FHeight);
    }
  }
}

void TControl::DoAnchors(const TRect& ParentClient) {
  if (FAnchors == TAnchors{akLeft, akTop} || (FOriginalParentSize.x == 0 && FOriginalParentSize.y == 0)) return;
  Integer dx = ParentClient.Width() - FOriginalParentSize.x, dy = ParentClient.Height() - FOriginalParentSize.y;
  Integer l = FLeft, t = FTop, w = FWidth, h = FHeight;
  if (FAnchors.Contains(akRight)) {
    if (FAnchors.Contains(akLeft)) w = FAnchorRules.x + dx;
    else l = FAnchorRules.x + dx;
  } else if (!FAnchors.Contains(akLeft)) {
    l = FAnchorRules.x + dx / 2 - w / 2;
  }
  if (FAnchors.Contains(akBottom)) {
    if (FAnchors.Contains(akTop)) h = FAnchorRules.y + dy;
    else t = FAnchorRules.y + dy;
  } else if (!FAnchors.Contains(akTop)) {
    t = FAnchorRules.y + dy / 2 - h / 2;
  }
  FAnchorMove = true;
  SetBounds(l, t, w, h);
  FAnchorMove = false;
}

bool TControl::ExecuteAction(ActnList::TBasicAction* Action) {
  if (!Action || !Action->HandlesTarget(this)) return false;
  Action->ExecuteTarget(this);
  return true;
}

bool TControl::UpdateAction(ActnList::TBasicAction* Action) {
  if (!Action || !Action->HandlesTarget(this)) return false;
  Action->UpdateTarget(this);
  return true;
}

void TControl::AdjustSize() {
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::SetLeft(Integer Value) {
  SetBounds(Value, FTop, FWidth, FHeight);
  FScalingFlags.Include(sfLeft);
}

void TControl::SetTop(Integer Value) {
  SetBounds(FLeft, Value, FWidth, FHeight);
  FScalingFlags.Include(sfTop);
}

void TControl::SetWidth(Integer Value) {
  SetBounds(FLeft, FTop, Value, FHeight);
  FScalingFlags.Include(sfWidth);
}

void TControl::SetHeight(Integer Value) {
  SetBounds(FLeft, FTop, FWidth, Value);
  FScalingFlags.Include(sfHeight);
}

// While a stream is read into an inherited form, what an ancestor's stream set has been scaled
// already: only what this stream set (the flags) is scaled again.
void TControl::ChangeScale(Integer M, Integer D) {
  if (M != D && D != 0) {
    TScalingFlags flags = ComponentState().Contains(csLoading)
                              ? FScalingFlags
                              : TScalingFlags{sfLeft, sfTop, sfWidth, sfHeight, sfFont};
    // Edges are scaled, not lengths, so that neighbouring controls stay neighbours.
    Integer sl = MulDiv(FLeft, M, D), st = MulDiv(FTop, M, D);
    Integer l = flags.Contains(sfLeft) ? sl : FLeft;
    Integer t = flags.Contains(sfTop) ? st : FTop;
    Integer w = flags.Contains(sfWidth) ? MulDiv(FLeft + FWidth, M, D) - sl : FWidth;
    Integer h = flags.Contains(sfHeight) ? MulDiv(FTop + FHeight, M, D) - st : FHeight;
    TSizeConstraints* c = FConstraints;
    c->SetMinWidth(MulDiv(c->GetMinWidth(), M, D));
    c->SetMinHeight(MulDiv(c->GetMinHeight(), M, D));
    c->SetMaxWidth(MulDiv(c->GetMaxWidth(), M, D));
    c->SetMaxHeight(MulDiv(c->GetMaxHeight(), M, D));
    SetBounds(l, t, w, h);
    if (!FParentFont && flags.Contains(sfFont)) {
      FFont->SetHeight(MulDiv(FFont->GetHeight(), M, D));
      FParentFont = false;
    }
  }
  FScalingFlags = {};
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  InvalidateControl(FVisible, true);
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  InvalidateControl(FVisible, true);
}

// ---- Appearance -------------------------------------------------------------------------------------
void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  VisibleChanging();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value, 0);
  RequestAlign();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  FScalingFlags.Include(sfFont);
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

// ---- Right-to-left scripts -------------------------------------------------------------------------
void TControl::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (FParent && Value && !ComponentState().Contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

bool TControl::UseRightToLeftAlignment() const { return SysLocale.MiddleEast && FBiDiMode == bdRightToLeft; }

bool TControl::UseRightToLeftReading() const { return SysLocale.MiddleEast && FBiDiMode != bdLeftToRight; }

bool TControl::UseRightToLeftScrollBar() const {
  return SysLocale.MiddleEast && (FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign);
}

bool TControl::IsRightToLeft() const {
  return UseRightToLeftReading() || UseRightToLeftAlignment() || UseRightToLeftScrollBar();
}

Integer TControl::DrawTextBiDiModeFlagsReadingOnly() const {
  return UseRightToLeftReading() ? static_cast<Integer>(DT_RTLREADING) : 0;
}

Integer TControl::DrawTextBiDiModeFlags(Integer Flags) const {
  Integer result = Flags;
  if (UseRightToLeftAlignment()) {
    // Left justification is no flag at all (DT_LEFT is 0): right becomes left, left becomes right.
    if ((Flags & DT_RIGHT) == DT_RIGHT) result &= ~static_cast<Integer>(DT_RIGHT);
    else if ((Flags & DT_CENTER) != DT_CENTER) result |= DT_RIGHT;
  }
  return result | DrawTextBiDiModeFlagsReadingOnly();
}

void ChangeBiDiModeAlignment(TAlignment& Alignment) {
  if (Alignment == taLeftJustify) Alignment = taRightJustify;
  else if (Alignment == taRightJustify) Alignment = taLeftJustify;
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (FParent && Value) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TComponent* Value) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

String TControl::GetText() {
  Integer len = static_cast<Integer>(Perform(WM_GETTEXTLENGTH, 0, 0));
  String s(static_cast<size_t>(len) + 1, '\0');
  Integer got = static_cast<Integer>(Perform(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data())));
  s.resize(static_cast<size_t>(std::max(0, got)));
  return s;
}

void TControl::SetText(const String& Value) {
  if (GetText() == Value) return;
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

// ---- Painting ---------------------------------------------------------------------------------------
void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!FParent || !FParent->HandleAllocated() || !IsVisible) return;
  TRect r = GetBoundsRect();
  InvalidateRect(FParent->FHandle, &r, !IsOpaque);
}

void TControl::Invalidate() { InvalidateControl(FVisible, ControlStyle.Contains(csOpaque)); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  if (!FParent || !FVisible || !FParent->HandleAllocated()) return;
  if (ControlStyle.Contains(csOpaque)) {
    HDC dc = GetDC(FParent->FHandle);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
    FParent->PaintControls(dc, this);
    RestoreDC(dc, saved);
    ReleaseDC(FParent->FHandle, dc);
  } else {
    Invalidate();
    Update();
  }
}

HDC TControl::GetDeviceContext(HWND& WindowHandle) {
  if (!FParent) throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
  HDC dc = FParent->GetDeviceContext(WindowHandle);
  SetViewportOrgEx(dc, FLeft, FTop, nullptr);
  IntersectClipRect(dc, 0, 0, FWidth, FHeight);
  return dc;
}

}  // namespace Controls
