// The push button's input: its messages, hot tracking, the drop-down menu of the two drop-down kinds,
// the context menu, and speed-button mode with its groups (the button takes no focus and may stay down).
#include "ActnList.h"
#include "Forms.h"
#include "WinUser.h"
#include "cxButtons.h"
#include "cxControlsTimer.h"
#include "cxGeometry.h"

namespace cxButtons {

namespace {

TPoint PointOfLParam(LPARAM AParam) {
  return TPoint(static_cast<SmallInt>(LOWORD(AParam)), static_cast<SmallInt>(HIWORD(AParam)));
}

}  // namespace

void TcxCustomButton::WndProc(TMessage& Message) {
  if (GetSpeedButtonMode() && !ComponentState().Contains(csDesigning) && SpeedButtonWndProc(Message)) return;
  inherited::WndProc(Message);
}

bool TcxCustomButton::SpeedButtonWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KEYDOWN: return !CanFocus();
    case WM_KEYUP:
      if (!CanFocus()) return true;
      if (Message.WParam == VK_SPACE) SetDown(!FDown);
      return false;
    case WM_LBUTTONDOWN: {
      const TPoint p = PointOfLParam(Message.LParam);
      FOwnPress = true;
      Invalidate();
      if (FKind != cxbkStandard) CheckShowMenu(p);
      FPressed = !cxRectPtIn(GetMenuButtonBounds(), p);
      if (CanFocus()) SetFocus();
      return true;
    }
    case WM_LBUTTONUP:
      // A speed button clicks on any release, wherever the pointer is.
      if (FGroupIndex == 0) {
        FOwnPress = false;
        FPressed = false;
      } else {
        SetDown(!FDown);
      }
      Click();
      Invalidate();
      return true;
    case WM_LBUTTONDBLCLK:
      DblClick();
      Invalidate();
      return true;
    default: return false;
  }
}

void TcxCustomButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_LBUTTONUP: WMLButtonUp(Message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_TEXTCHANGED: CMTextChanged(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_BUTTONPRESSED: CMButtonPressed(Message); return;
    case CM_DROPDOWNPOPUPMENU: CMDropDownPopupMenu(Message); return;
    case CM_CLOSEUPPOPUPMENU: CMCloseupPopupMenu(Message); return;
    default: inherited::Dispatch(Message);
  }
}

// ---- Messages ---------------------------------------------------------------------------------------------
void TcxCustomButton::CNDrawItem(TMessage& Message) {
  if (ComponentState().Contains(csDestroying)) return;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
}

void TcxCustomButton::CNMeasureItem(TMessage& Message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  item->itemWidth = static_cast<UINT>(GetWidth());
  item->itemHeight = static_cast<UINT>(GetHeight());
}

void TcxCustomButton::CNKeyDown(TMessage& Message) {
  if (IsPopupMenuShortCut(FPopupMenu, Message)) Message.Result = 1;
  else inherited::Dispatch(Message);
}

void TcxCustomButton::WMEraseBkgnd(TMessage& Message) {
  if (ComponentState().Contains(csDestroying) || StandardButton() ||
      GetPainterClass() == TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>())
    inherited::Dispatch(Message);
  else
    Message.Result = 1;
}

void TcxCustomButton::WMLButtonDown(TMessage& Message) {
  if (FKind == cxbkDropDownButton && cxRectPtIn(GetMenuButtonBounds(), PointOfLParam(Message.LParam))) FOwnPress = true;
  inherited::Dispatch(Message);
}

void TcxCustomButton::WMLButtonUp(TMessage& Message) {
  FOwnPress = false;
  inherited::Dispatch(Message);
}

void TcxCustomButton::WMLButtonDblClk(TMessage& Message) {
  const TPoint p = PointOfLParam(Message.LParam);
  Perform(WM_LBUTTONDOWN, Message.WParam, MAKELPARAM(static_cast<Word>(p.x), static_cast<Word>(p.y)));
}

void TcxCustomButton::WMCaptureChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!ComponentState().Contains(csDesigning)) FHot = IsMouseOverHot();
}

void TcxCustomButton::CMEnabledChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  if (!GetEnabled()) FHot = false;
  Invalidate();
}

void TcxCustomButton::CMFontChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  UpdateSize();
  Invalidate();
}

void TcxCustomButton::CMTextChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  UpdateSize();
}

// ---- Hot tracking ------------------------------------------------------------------------------------------
void TcxCustomButton::CMMouseEnter(TMessage& Message) {
  inherited::Dispatch(Message);
  if (FHot || !IsHotTrack() || GetCapture() != nullptr) return;
  BeginMouseTracking(this, TRect(0, 0, GetWidth(), GetHeight()), this);
  FHot = true;
  Repaint();
}

void TcxCustomButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!FHot && IsHotTrack() && cxRectPtIn(GetClientRect(), TPoint(X, Y)) && GetCapture() == nullptr)
    Perform(CM_MOUSEENTER, 0, 0);
}

void TcxCustomButton::CMMouseLeave(TMessage& Message) {
  inherited::Dispatch(Message);
  EndMouseTracking(this);
  FOwnPress = FMenuShown;
  if (FHot && IsHotTrack()) {
    FHot = false;
    Invalidate();
  }
}

void TcxCustomButton::ButtonMouseLeave() { Perform(CM_MOUSELEAVE, 0, 0); }

// ---- Keys and clicks -----------------------------------------------------------------------------------------
void TcxCustomButton::KeyDown(Word& Key, TShiftState Shift) {
  if (FKind == cxbkDropDownButton && (Key == VK_UP || Key == VK_DOWN) &&
      (Shift.Contains(ssAlt) || Shift.Contains(ssShift))) {
    if (!FMenuShown) DoDropDownMenu();
    Key = 0;
  }
  inherited::KeyDown(Key, Shift);
}

void TcxCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && FKind != cxbkStandard) {
    if (FMenuShown) {
      FSkipNextClick = true;
      FMenuShown = false;
      FPressed = false;
      Repaint();
    } else {
      CheckShowMenu(TPoint(X, Y));
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TcxCustomButton::Click() {
  if (FKind == cxbkStandard) return inherited::Click();
  if (FKind == cxbkDropDown && !FMenuShown) {
    // The drop-down kind opens its menu instead of clicking.
    if (!FSkipNextClick) DoDropDownMenu();
    FSkipNextClick = false;
    return;
  }
  if (FSkipNextClick) FSkipNextClick = false;
  else inherited::Click();
}

// ---- The drop-down menu -------------------------------------------------------------------------------------
void TcxCustomButton::CheckShowMenu(const TPoint& P) {
  if (FKind == cxbkDropDownButton && !cxRectPtIn(GetMenuButtonBounds(), P)) return;
  DoDropDownMenu();
}

void TcxCustomButton::DoDropDownMenu() { PostMessage(GetHandle(), CM_DROPDOWNPOPUPMENU, 0, 0); }

bool TcxCustomButton::DoOnDropDownMenuPopup(TPopupMenu*& AMenu) {
  bool handled = false;
  if (OnDropDownMenuPopup) OnDropDownMenuPopup(this, AMenu, handled);
  return handled;
}

TPoint TcxCustomButton::GetDropDownMenuPopupPoint(TPopupMenu* AMenu) {
  Integer x = 0;
  if (FPopupAlignment == Menus::paRight) x = GetWidth();
  else if (FPopupAlignment == Menus::paCenter) x = GetWidth() / 2;
  TPoint p = ClientToScreen(TPoint(x, GetHeight()));
  const Integer menuHeight = GetPopupMenuHeight(AMenu);
  // A menu that does not fit below the button opens above it, 2 pixels clear of it.
  if (GetDesktopWorkArea(p).bottom < p.y + menuHeight) p.y -= menuHeight + GetHeight() + 2;
  return p;
}

TPopupAlignment TcxCustomButton::GetDropDownMenuAlignment(const TPoint& APopupPoint,
                                                          TPopupAlignment AEstimatedAlignment) {
  const TRect area = GetDesktopWorkArea(APopupPoint);
  if (APopupPoint.x <= area.left) return Menus::paRight;
  if (APopupPoint.x >= area.right) return Menus::paLeft;
  return AEstimatedAlignment;
}

void TcxCustomButton::CMDropDownPopupMenu(TMessage& Message) {
  if (FKind == cxbkStandard) return;
  TPopupMenu* menu = FDropDownMenu;
  if (DoOnDropDownMenuPopup(menu) || !menu) return;
  FMenuShown = true;
  Repaint();
  const TPoint p = GetDropDownMenuPopupPoint(menu);
  const TPopupAlignment saved = menu->GetAlignment();
  menu->SetAlignment(GetDropDownMenuAlignment(p, FPopupAlignment));
  try {
    menu->SetPopupComponent(this);
    menu->Popup(p.x, p.y);
  } catch (...) {
    menu->SetAlignment(saved);
    throw;
  }
  menu->SetAlignment(saved);
  if (HandleAllocated()) PostMessage(GetHandle(), CM_CLOSEUPPOPUPMENU, 0, 0);
}

void TcxCustomButton::CMCloseupPopupMenu(TMessage& Message) {
  FHot = IsMouseOverHot();
  FMenuShown = false;
  Repaint();
  if (!GetSpeedButtonMode()) FOwnPress = false;
}

// ---- The context menu -----------------------------------------------------------------------------------------
void TcxCustomButton::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  if (ComponentState().Contains(csDesigning)) return inherited::Dispatch(Message);
  TPoint p = PointOfLParam(Message.LParam);
  if (p.x != -1 || p.y != -1) {
    p = ScreenToClient(p);
    if (!cxRectPtIn(GetClientRect(), p)) return inherited::Dispatch(Message);
  }
  bool handled = false;
  DoContextPopup(p, handled);
  Message.Result = handled ? 1 : 0;
  if (!handled) inherited::Dispatch(Message);
}

void TcxCustomButton::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  if (MousePos.x == -1 && MousePos.y == -1) MousePos = TPoint(0, 0);
  const TPoint p = ClientToScreen(MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.x, p.y);
}

bool TcxCustomButton::DoShowPopupMenu(TComponent* AMenu, Integer X, Integer Y) {
  return ShowPopupMenu(this, AMenu, X, Y);
}

// ---- Speed-button mode and groups -------------------------------------------------------------------------------
void TcxCustomButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown || (FDown && !FAllowAllUp && FGroupIndex != 0)) return;
  FDown = Value;
  FPressed = Value;
  if (Value) UpdateGroup();
  Invalidate();
}

void TcxCustomButton::SetGroupIndex(Integer Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (Value != 0) UpdateGroup();
  else SetDown(false);
}

void TcxCustomButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
  UpdateGroup();
}

void TcxCustomButton::SetCanBeFocused(bool Value) {
  FCanBeFocused = Value;
  UpdateGroup();
}

void TcxCustomButton::UpdateGroup() {
  if (FGroupIndex == 0 || !GetParent()) return;
  TMessage message{};
  message.Msg = CM_BUTTONPRESSED;
  message.WParam = static_cast<WPARAM>(FGroupIndex);
  message.LParam = reinterpret_cast<LPARAM>(static_cast<TObject*>(this));
  GetParent()->Broadcast(message);
}

void TcxCustomButton::CMButtonPressed(TMessage& Message) {
  auto* sender = dynamic_cast<TcxCustomButton*>(reinterpret_cast<TObject*>(Message.LParam));
  if (!GetSpeedButtonMode() || FGroupIndex == 0 || static_cast<Integer>(Message.WParam) != FGroupIndex ||
      sender == this || !sender)
    return;
  FAllowAllUp = sender->FAllowAllUp;
  FCanBeFocused = sender->FCanBeFocused;
  if (sender->FDown && FDown) {
    // The button that was down comes up, and no longer draws pressed either.
    FDown = false;
    FPressed = false;
    if (auto* action = dynamic_cast<ActnList::TCustomAction*>(GetAction())) action->SetChecked(false);
    Invalidate();
  }
}

}  // namespace cxButtons
