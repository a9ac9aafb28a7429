// The container's messages, focus, keys, mouse and popup menu: keys go to the inner control, the
// container and its inner control take the focus as one, and every mouse event refreshes the state.
#include "Forms.h"
#include "WinUser.h"
#include "cxContainerControl.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxDWMApi.h"
#include "cxGeometry.h"

namespace cxContainer {

namespace {

bool IsGlassPaintingNeeded(bool AOnGlass) { return AOnGlass && IsCompositionEnabled(); }

}  // namespace

void TcxContainer::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (!GetVisible()) return;
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
      if (FInnerControl) {
        Message.Result = SendMessage(FInnerControl->GetHandle(), Message.Msg, Message.WParam, Message.LParam);
        return;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetDragMode() == dmAutomatic && !IsDesigning()) {
        BeginAutoDrag();
        return;
      }
      break;
    case WM_PAINT:
    case CM_BUFFEREDPAINTONGLASS:
      if (HandleGlassPaintMessage(this, IsGlassPaintingNeeded(FIsOnGlass), FRepaintOnGlass, Message) ||
          Message.Msg == CM_BUFFEREDPAINTONGLASS)
        return;
      break;
    default: break;
  }
  inherited::WndProc(Message);
  PostGlassRepaintAfterColorMessage(this, IsGlassPaintingNeeded(FIsOnGlass), FRepaintOnGlass, Message);
}

void TcxContainer::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_NCPAINT: Message.Result = 0; return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_WINDOWPOSCHANGED:
      inherited::Dispatch(Message);
      if (!GetIsDestroying() && IsTransparentBackground()) ShortRefreshContainer(false);
      return;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(Message); return;
    case CM_CTL3DCHANGED:
    case CM_SYSCOLORCHANGE:
      inherited::Dispatch(Message);
      ShortRefreshContainer(false);
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      EnabledChanged();
      return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); return;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); return;
    case CM_SHORTREFRESHCONTAINER: ShortRefreshContainer(false); return;
    case CM_UPDATESCROLLBARS: SetScrollBarsParameters(false); return;
    default: inherited::Dispatch(Message);
  }
}

void TcxContainer::WMSetCursor(TMessage& Message) {
  if (FInnerControl && reinterpret_cast<HWND>(Message.WParam) == GetHandle() &&
      static_cast<int16_t>(Message.LParamLo()) == HTCLIENT) {
    const TPoint p = ScreenToClient(InternalGetCursorPos());
    if (!cxRectPtIn(FViewInfo->ClientRect, p)) {
      ::SetCursor(Screen->GetCursors(crArrow));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TcxContainer::WMWindowPosChanging(TMessage& Message) {
  if (GetIsDestroying()) {
    Message.Result = 0;
    return;
  }
  inherited::Dispatch(Message);
  if (HandleAllocated() && GetFocus() == GetHandle() && FInnerControl && FInnerControl->CanFocus())
    FocusInnerControlByForm();
}

void TcxContainer::EnabledChanged() {
  for (Integer i = 0; i < ControlCount(); ++i)
    if (auto* bar = dynamic_cast<TcxScrollBar*>(Controls(i))) bar->SetEnabled(GetEnabled());
  ShortRefreshContainer(false);
}

// ---- Focus ----------------------------------------------------------------------------------------------
void TcxContainer::FocusInnerControlByForm() {
  if (TCustomForm* form = GetParentForm(this)) form->FocusControl(FInnerControl);
}

bool TcxContainer::Focused() {
  if (IsDesigning() || ControlState.Contains(csDestroyingHandle)) return false;
  return (HandleAllocated() && GetFocus() == GetHandle()) || (FInnerControl && FInnerControl->Focused());
}

void TcxContainer::SetFocus() {
  if (IsDesigning() || IsContainerFocused()) return;
  inherited::SetFocus();
  if (HandleAllocated() && GetFocus() == GetHandle() && FInnerControl && FInnerControl->HandleAllocated()) {
    SafeSelectionFocusInnerControl();
    FocusInnerControlByForm();
  }
}

void TcxContainer::SafeSelectionFocusInnerControl() {
  if (FInnerControl) FInnerControl->SetFocus();
}

void TcxContainer::WMSetFocus(TMessage& Message) {
  if (GetIsDestroying() || !HandleAllocated() || !FInnerControl || !FInnerControl->HandleAllocated())
    return inherited::Dispatch(Message);
  // The focus coming back from the inner control stays with it: the pair is one control.
  if (reinterpret_cast<HWND>(Message.WParam) == FInnerControl->GetHandle()) {
    Message.Result = 0;
    return;
  }
  inherited::Dispatch(Message);
  if (FInnerControl->CanFocus()) FInnerControl->SetFocus();
}

void TcxContainer::WMKillFocus(TMessage& Message) {
  if (FInnerControl && FInnerControl->HandleAllocated() &&
      reinterpret_cast<HWND>(Message.WParam) == FInnerControl->GetHandle()) {
    Message.Result = 0;
    return;
  }
  inherited::Dispatch(Message);
}

void TcxContainer::FocusChanged() {
  inherited::FocusChanged();
  ShortRefreshContainer(false);
}

bool TcxContainer::MayFocus() { return !(FInnerControl && FInnerControl->Focused()); }

bool TcxContainer::CanFocusOnClick() {
  return inherited::CanFocusOnClick() && !(FInnerControl && FInnerControl->Focused()) && !FInnerControlMouseDown;
}

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& List) {
  if (IsContainerClass()) return inherited::GetTabOrderList(List);
  // The container adds no children of its own; while its inner control is the form's active control
  // the inner control takes its place, so that the pair is one stop.
  TCustomForm* form = GetParentForm(this);
  if (!form || !FInnerControl) return;
  if (form->GetActiveControl() == FInnerControl && CanFocus()) {
    std::erase(List, static_cast<TWinControl*>(this));
    List.push_back(FInnerControl);
  }
}

void TcxContainer::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key != VK_TAB || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl) || !Focused() || !CanContainerHandleTabs())
    return;
  Key = 0;
  if (TCustomForm* form = GetParentForm(this))
    form->SelectNext(form->GetActiveControl(), !Shift.Contains(ssShift), true);
  if (HandleAllocated() && GetFocus() == GetHandle() && FInnerControl && FInnerControl->CanFocus())
    FInnerControl->SetFocus();
}

// ---- Mouse ------------------------------------------------------------------------------------------------
void TcxContainer::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  RefreshContainer(TPoint(X, Y), ButtonTocxButton(Button), Shift, true);
}

void TcxContainer::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  RefreshContainer(TPoint(X, Y), cxmbNone, Shift, true);
  BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  RefreshContainer(TPoint(X, Y), ButtonTocxButton(Button), Shift, true);
}

void TcxContainer::MouseEnter(TControl* AControl) {
  inherited::MouseEnter(AControl);
  ShortRefreshContainer(true);
  BeginMouseTracking(this, GetVisibleBounds(), this);
}

void TcxContainer::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  ShortRefreshContainer(true);
  EndMouseTracking();
}

// ---- Popup menu and the inner control's messages -----------------------------------------------------------
void TcxContainer::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (!IsPopupMenuLocked() && ((MousePos.x == -1 && MousePos.y == -1) || CanShowPopupMenu(MousePos)))
    inherited::DoContextPopup(MousePos, Handled);
  else
    Handled = true;
}

bool TcxContainer::InnerControlMenuHandler(TMessage& Message) {
  if ((Message.Msg == CN_KEYDOWN || Message.Msg == CN_SYSKEYDOWN) && IsMenuKey(Message)) {
    Message.Result = 1;
    return true;
  }
  return false;
}

bool TcxContainer::InnerControlDefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CONTEXTMENU: return Perform(Message.Msg, Message.WParam, Message.LParam) != 0;
    case CN_CTLCOLOREDIT:
      if (IsGlassPaintingNeeded(FIsOnGlass) && !FInnerControlBufferedPaint && FInnerControl &&
          FInnerControl->HandleAllocated()) {
        FInnerControlBufferedPaint = true;
        PostMessage(FInnerControl->GetHandle(), CM_BUFFEREDPAINTONGLASS, 0, 0);
      }
      return false;
    case CM_BUFFEREDPAINTONGLASS:
      if (FInnerControlBufferedPaint && FInnerControl && FInnerControl->HandleAllocated()) {
        FInnerControlBufferedPaint = false;
        const HWND wnd = FInnerControl->GetHandle();
        HDC dc = GetDC(wnd);
        DrawWindowOnGlass(dc, GetControlRect(FInnerControl), wnd);
        ReleaseDC(wnd, dc);
      }
      return true;
    default: return false;
  }
}

}  // namespace cxContainer
