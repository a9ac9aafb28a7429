// The tab control's input: hit testing, the mouse on tabs and navigator buttons (scroll arrows that
// repeat while held, the go dialog, the close button), hot tracking, the wheel, the keyboard with
// accelerators, and the window messages the control answers.
#include "Forms.h"
#include "Strings.h"
#include "WinPaint.h"
#include "WinUser.h"
#include "cxPCInternal.h"
#include "cxClassesLinks.h"
#include "cxControlsTimer.h"
#include "cxGeometry.h"
#include "cxPCGoDialog.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPC {

namespace {
bool IsArrow(TcxPCNavigatorButton AButton) { return AButton == nbTopLeft || AButton == nbBottomRight; }
}  // namespace

// ---- Hit testing and selection ------------------------------------------------------------------------
Integer TcxCustomTabControl::IndexOfTabAt(Integer X, Integer Y) {
  Integer first, last;
  InitializeVisibleTabRange(this, first, last);
  for (Integer i = first; i <= last; ++i)
    if (cxRectPtIn(FVisibleTabList->GetTab(i)->GetVisibleRect(), X, Y) && FPainter->IsOverTab(i, X, Y)) return i;
  return -1;
}

void TcxCustomTabControl::SelectTab(Integer AVisibleIndex, bool ACtrlPressed) {
  if (FMultiSelect && FPainter->IsMultiSelectionAccepted() && ACtrlPressed) {
    if (AVisibleIndex == FMainTabVisibleIndex) {
      SetTabIndex(-1);
    } else {
      TcxTab* tab = FVisibleTabList->GetTab(AVisibleIndex);
      tab->SetSelected(!tab->GetSelected());
    }
    return;
  }
  // An event handler may free the control.
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  SetTabIndex(FVisibleTabList->GetTab(AVisibleIndex)->GetIndex());
  if (link->Ref) SetModified();
}

TShiftState TcxCustomTabControl::InternalGetShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) shift.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) shift.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) shift.Include(ssMiddle);
  return shift;
}

// ---- Mouse ----------------------------------------------------------------------------------------------
void TcxCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (!IsDesigning() && (Button != mbLeft || FHideTabs)) return;
  SynchronizeHotTrackStates(Shift);
  TcxPCNavigatorButton button;
  if (FPainter->IsOverButton(X, Y, button)) return PressNavigatorButton(button);
  const Integer index = IndexOfTabAt(X, Y);
  if (index == -1) return;
  if (!IsDesigning() && !FVisibleTabList->GetTab(index)->GetRealEnabled()) return;
  // Pressable tabs select on release over the same tab.
  if (FPainter->IsTabPressable() && !IsDesigning()) return SetPressedTab(index);
  SelectTab(index, Shift.Contains(ssCtrl));
}

void TcxCustomTabControl::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (FHideTabs || FIsGoDialogShowing) return;
  if (!FPressedNavigatorButton.Empty()) {
    const TcxPCNavigatorButton pressed = GetNavigatorButton(FPressedNavigatorButton);
    TcxPCNavigatorButton over;
    if (!FPainter->IsOverButton(X, Y, over) || over != pressed) {
      // Leaving a held button releases it; coming back does not press it again.
      StopTimer();
      FNavigatorButtonStates[pressed] = nbsNormal;
      FPressedNavigatorButton = TcxPCNavigatorButtons();
      RepaintNavigatorButton(pressed, nbsPressed);
    }
  }
  if (FPressedTabVisibleIndex != -1 && IndexOfTabAt(X, Y) != FPressedTabVisibleIndex) SetPressedTab(-1);
  SynchronizeHotTrackStates(Shift);
}

void TcxCustomTabControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (FHideTabs || Button != mbLeft || FIsGoDialogShowing) return;
  TcxPCNavigatorButton button;
  if (FPainter->IsOverButton(X, Y, button)) {
    StopTimer();
    if (FNavigatorButtonStates[button] == nbsDisabled) return;
    if (button == nbGoDialog && FPressedNavigatorButton.Contains(button) && !IsDesigning()) return ShowGoDialog();
    return ReleaseNavigatorButton(button);
  }
  const Integer index = IndexOfTabAt(X, Y);
  if (FPressedTabVisibleIndex != -1 && index != FPressedTabVisibleIndex) SetPressedTab(-1);
  if (index != -1) {
    if (!IsDesigning() && !FVisibleTabList->GetTab(index)->GetRealEnabled()) return;
    if (FPainter->IsTabPressable() && !IsDesigning() && index == FPressedTabVisibleIndex) {
      SetPressedTab(-1);
      TcxObjectLink* link = cxAddObjectLink(this);
      TFinally release([link] { cxRemoveObjectLink(link); });
      SelectTab(index, Shift.Contains(ssCtrl));
      if (!link->Ref) return;
    }
  }
  SynchronizeHotTrackStates(Shift);
}

void TcxCustomTabControl::MouseLeave(TControl* AControl) {
  inherited::MouseLeave(AControl);
  if (!FIsGoDialogShowing) SynchronizeHotTrackStates(TShiftState());
}

bool TcxCustomTabControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (!CanMouseWheel(MousePos)) return inherited::DoMouseWheelDown(Shift, MousePos);
  ScrollTabs(1);
  return true;
}

bool TcxCustomTabControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (!CanMouseWheel(MousePos)) return inherited::DoMouseWheelUp(Shift, MousePos);
  ScrollTabs(-1);
  return true;
}

// The wheel scrolls the single row while the pointer is within the band of the tabs.
bool TcxCustomTabControl::CanMouseWheel(const TPoint& AMouseScreenPos) {
  if (FMultiLine || FLeadingTab == -1 || !HandleAllocated()) return false;
  const TPoint p = ScreenToClient(AMouseScreenPos);
  const TRect r = FVisibleTabList->GetTab(FLeadingTab)->GetFullRect();
  if (FTabPosition == tpTop || FTabPosition == tpBottom) return r.top <= p.y && p.y < r.bottom;
  return r.left <= p.x && p.x < r.right;
}

void TcxCustomTabControl::SetPressedTab(Integer AVisibleIndex) {
  const Integer old = FPressedTabVisibleIndex;
  if (old == AVisibleIndex) return;
  FPressedTabVisibleIndex = AVisibleIndex;
  if (old != -1) FTabs->Changed(old, tpcPressed);
  if (AVisibleIndex != -1) FTabs->Changed(AVisibleIndex, tpcPressed);
}

// ---- Navigator buttons ---------------------------------------------------------------------------------------
void TcxCustomTabControl::RepaintNavigatorButton(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState APrevState) {
  if (FPainter) FPainter->RepaintButton(AButton, APrevState);
}

void TcxCustomTabControl::SetNavigatorButtonState(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState AState) {
  const TcxPCNavigatorButtonState prev = FNavigatorButtonStates[AButton];
  FNavigatorButtonStates[AButton] = AState;
  RepaintNavigatorButton(AButton, prev);
}

void TcxCustomTabControl::PressNavigatorButton(TcxPCNavigatorButton AButton) {
  const TcxPCNavigatorButtonState state = FNavigatorButtonStates[AButton];
  if (state == nbsPressed || state == nbsDisabled) return;
  FPressedNavigatorButton = TcxPCNavigatorButtons{AButton};
  SetNavigatorButtonState(AButton, nbsPressed);
  if (!IsArrow(AButton)) return;
  ArrowButtonClick(AButton);
  // The click may have disabled the arrow, which releases it.
  if (FPressedNavigatorButton.Contains(AButton)) CreateTimer();
}

void TcxCustomTabControl::ReleaseNavigatorButton(TcxPCNavigatorButton AButton) {
  const bool close = !IsDesigning() && AButton == nbClose && FPressedNavigatorButton.Contains(AButton);
  if (FNavigatorButtonStates[AButton] == nbsPressed) FPressedNavigatorButton = TcxPCNavigatorButtons();
  SetNavigatorButtonState(AButton, nbsNormal);
  SynchronizeHotTrackStates(InternalGetShiftState());
  if (close) CloseButtonClick();
}

TcxPCNavigatorButton TcxCustomTabControl::GetNavigatorButton(TcxPCNavigatorButtons AButtons) {
  for (TcxPCNavigatorButton button : cxPCNavigatorButtonsAll)
    if (AButtons.Contains(button)) return button;
  return nbTopLeft;
}

bool TcxCustomTabControl::CanPressButton(TcxPCNavigatorButton AButton) {
  switch (AButton) {
    case nbTopLeft:
    case nbBottomRight: {
      // "Forward" scrolls towards later tabs, which lie at the left or top when the row runs backwards.
      const TcxPCNavigatorButton forward =
          IsRightToLeftAlignment(this) || IsBottomToTopAlignment(this) ? nbTopLeft : nbBottomRight;
      if (AButton != forward) return FLeadingTab > 0;
      const Integer last = FVisibleTabList->GetCount() - 1;
      return !(FTrailingTab == last && (FTrailingTabFullyShown || FTrailingTab == FLeadingTab));
    }
    case nbClose: return FMainTabVisibleIndex != -1;
    default: return true;
  }
}

void TcxCustomTabControl::UpdateButtonsState() {
  for (TcxPCNavigatorButton button : {nbTopLeft, nbBottomRight, nbClose}) {
    if (!FNavigatorButtons.Contains(button)) continue;
    const TcxPCNavigatorButtonState prev = FNavigatorButtonStates[button];
    TcxPCNavigatorButtonState state = prev;
    if (!CanPressButton(button))
      state = nbsDisabled;
    else if (prev == nbsDisabled)
      state = nbsNormal;
    if (state == prev) continue;
    if (state == nbsDisabled) {
      FHotTrackNavigatorButton = TcxPCNavigatorButtons();
      FPressedNavigatorButton = TcxPCNavigatorButtons();
    }
    SetNavigatorButtonState(button, state);
    SynchronizeHotTrackStates(InternalGetShiftState());
  }
}

void TcxCustomTabControl::SynchronizeNavigatorButtons() {
  for (TcxPCNavigatorButtons* set : {&FHotTrackNavigatorButton, &FPressedNavigatorButton}) {
    if (set->Empty()) continue;
    const TcxPCNavigatorButton button = GetNavigatorButton(*set);
    if (FNavigatorButtons.Contains(button)) continue;
    FNavigatorButtonStates[button] = nbsNormal;
    *set = TcxPCNavigatorButtons();
  }
}

void TcxCustomTabControl::SynchronizeHotTrackStates(TShiftState AShift) {
  if (IsLoading() || IsDestroying() || IsDesigning() || !HandleAllocated() || FIsGoDialogShowing || !FPainter) return;
  const TPoint p = ScreenToClient(GetMouseCursorPos());
  TcxPCNavigatorButtons hotButton;
  Integer hotTab = -1;
  if ((FHotTrack || FPainter->IsEnableHotTrack()) && GetEnabled()) {
    const bool leftDown = AShift.Contains(ssLeft);
    TcxPCNavigatorButton button;
    if (!leftDown && FPainter->IsOverButton(p.x, p.y, button) && !FPressedNavigatorButton.Contains(button) &&
        FNavigatorButtonStates[button] != nbsDisabled) {
      hotButton = TcxPCNavigatorButtons{button};
    } else if (!(leftDown && FPainter->IsTabPressable())) {
      const Integer index = IndexOfTabAt(p.x, p.y);
      if (index != -1 && FVisibleTabList->GetTab(index)->GetEnabled()) hotTab = index;
    }
  }
  if (!(hotButton == FHotTrackNavigatorButton)) {
    const TcxPCNavigatorButtons old = FHotTrackNavigatorButton;
    FHotTrackNavigatorButton = hotButton;
    if (!old.Empty()) {
      const TcxPCNavigatorButton button = GetNavigatorButton(old);
      if (FNavigatorButtonStates[button] == nbsHotTrack) SetNavigatorButtonState(button, nbsNormal);
    }
    if (!hotButton.Empty()) SetNavigatorButtonState(GetNavigatorButton(hotButton), nbsHotTrack);
  }
  FTabs->SetHotTrack(hotTab);
}

// ---- Scrolling -------------------------------------------------------------------------------------------------
void TcxCustomTabControl::ArrowButtonClick(TcxPCNavigatorButton AButton) {
  if (FNavigatorButtonStates[AButton] == nbsDisabled) return;
  const TcxPCNavigatorButton forward =
      IsRightToLeftAlignment(this) || IsBottomToTopAlignment(this) ? nbTopLeft : nbBottomRight;
  FLeadingTab += AButton == forward ? 1 : -1;
  RequestLayout();
}

void TcxCustomTabControl::ScrollTabs(Integer ADelta) {
  if (FMultiLine) return;
  const TcxPCNavigatorButton arrow = ADelta >= 0 ? nbBottomRight : nbTopLeft;
  for (Integer i = std::abs(ADelta); i > 0; --i) ArrowButtonClick(arrow);
}

void TcxCustomTabControl::CreateTimer() {
  if (!FTimer) {
    FTimer = New<TcxTimer>(this);
    FTimer->SetOnTimer(TNotifyEvent(this, &TcxCustomTabControl::TimerEventHandler));
  }
  FTimer->SetInterval(TabScrollingStartDelay);
  FTimer->SetEnabled(true);
}

void TcxCustomTabControl::StopTimer() {
  if (FTimer) FTimer->SetEnabled(false);
}

void TcxCustomTabControl::TimerEventHandler(TObject*) {
  FTimer->SetInterval(TabScrollingDelay);
  if (!FPressedNavigatorButton.Empty()) ArrowButtonClick(GetNavigatorButton(FPressedNavigatorButton));
  if (FPressedNavigatorButton.Empty()) StopTimer();
}

// ---- Close button and go dialog ------------------------------------------------------------------------------
void TcxCustomTabControl::CloseButtonClick() {
  if (DoCanClose()) DoClose();
}

void TcxCustomTabControl::ShowGoDialog() {
  FIsGoDialogShowing = true;
  DoShowGoDialog();
}

void TcxCustomTabControl::DoShowGoDialog() {
  if (!FGoDialog) return HideGoDialog(-1);
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  FGoDialog->Popup(FOptions.Contains(pcoSort));
  if (link->Ref) HideGoDialog(-1);
}

void TcxCustomTabControl::HideGoDialog(Integer ATabIndex) {
  FIsGoDialogShowing = false;
  FPressedNavigatorButton = TcxPCNavigatorButtons();
  FNavigatorButtonStates[nbGoDialog] = nbsNormal;
  RepaintNavigatorButton(nbGoDialog, nbsPressed);
  if (ATabIndex != -1) SetTabIndex(ATabIndex);
  SynchronizeHotTrackStates(InternalGetShiftState());
}

// ---- Keyboard --------------------------------------------------------------------------------------------------
void TcxCustomTabControl::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  InternalKeyDown(Key, Shift);
}

bool TcxCustomTabControl::InternalKeyDown(Word& Key, TShiftState Shift) {
  const Integer count = FVisibleTabList->GetCount();
  const TShiftState keys = Shift * TShiftState{ssShift, ssAlt, ssCtrl};
  if (FHideTabs || count == 0 || keys == TShiftState{ssAlt} || keys == TShiftState{ssShift, ssAlt}) return false;
  if (Key == VK_RETURN || Key == VK_SPACE) {
    if (FTrackingTabVisibleIndex == -1) return false;
    SetTabIndex(FVisibleTabList->GetTab(FTrackingTabVisibleIndex)->GetIndex());
    return true;
  }
  // The keys follow the screen: when the row runs backwards, next and previous exchange.
  const Integer forward = IsRightToLeftAlignment(this) || IsBottomToTopAlignment(this) ? -1 : 1;
  const bool wrap = Key == VK_TAB;
  Integer step, start;
  switch (Key) {
    case VK_HOME:
      step = forward;
      start = step > 0 ? 0 : count - 1;
      break;
    case VK_END:
      step = -forward;
      start = step > 0 ? 0 : count - 1;
      break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_TAB: {
      if (Key == VK_TAB && !Shift.Contains(ssCtrl)) return false;
      const bool next = Key == VK_TAB ? !Shift.Contains(ssShift) : Key == VK_RIGHT || Key == VK_DOWN;
      step = next ? forward : -forward;
      const Integer current = FTrackingTabVisibleIndex != -1 ? FTrackingTabVisibleIndex : FMainTabVisibleIndex;
      start = current == -1 ? (step > 0 ? 0 : count - 1) : current + step;
      break;
    }
    default: return false;
  }
  if (start < 0 || start >= count) {
    if (!wrap) return true;
    start = start < 0 ? count - 1 : 0;
  }
  Integer found = -1;
  for (Integer i = start;;) {
    if (FVisibleTabList->GetTab(i)->GetRealEnabled()) {
      found = i;
      break;
    }
    i += step;
    if (i < 0 || i >= count) {
      if (!wrap) break;
      i = i < 0 ? count - 1 : 0;
    }
    if (i == start) break;
  }
  if (found == -1) return true;
  if (FPainter->IsTabPressable() && Key != VK_TAB)
    FTabs->SetTracking(found);
  else if (found != FMainTabVisibleIndex)
    SetTabIndex(FVisibleTabList->GetTab(found)->GetIndex());
  return true;
}

bool TcxCustomTabControl::HandleDialogChar(Integer ACharCode) {
  for (Integer i = 0; i < FTabs->GetCount(); ++i)
    if (Strings::IsAccel(static_cast<Word>(ACharCode), FTabs->GetTab(i)->GetCaption()) && CanShowTab(i) && CanFocus()) {
      SetTabIndex(i);
      return true;
    }
  return false;
}

bool TcxCustomTabControl::IsFocusInside() {
  if (Focused()) return true;
  return HandleAllocated() && IsChild(GetHandle(), GetFocus());
}

// At design time the designer passes clicks on scroll arrows and on tabs other than the selected one.
bool TcxCustomTabControl::PassDesignMouseEvent(Integer X, Integer Y) {
  TcxPCNavigatorButton button;
  if (FPainter->IsOverButton(X, Y, button) && IsArrow(button)) return true;
  const Integer index = IndexOfTabAt(X, Y);
  return index != -1 && index != FMainTabVisibleIndex;
}

// ---- Messages ----------------------------------------------------------------------------------------------------
void TcxCustomTabControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      Message.Result |= DLGC_WANTARROWS;
      return;
    case CM_DIALOGKEY:
      if (IsFocusInside()) {
        Word key = static_cast<Word>(Message.WParam);
        if (InternalKeyDown(key, InternalGetShiftState())) {
          Message.Result = 1;
          return;
        }
      }
      inherited::Dispatch(Message);
      return;
    case CM_DIALOGCHAR:
      if (HandleDialogChar(static_cast<Integer>(Message.WParam))) {
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    case CM_DESIGNHITTEST:
      inherited::Dispatch(Message);
      if (PassDesignMouseEvent(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())))
        Message.Result = 1;
      return;
    case WM_PRINTCLIENT:
      if (Message.Result == 1 || ((Message.LParam & PRF_CHECKVISIBLE) && !GetVisible()))
        inherited::Dispatch(Message);
      else
        PaintToDC(reinterpret_cast<HDC>(Message.WParam));
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      SynchronizeHotTrackStates(InternalGetShiftState());
      return;
    case CM_ENABLEDCHANGED:
    case CM_PARENTCOLORCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxPC
