#include "cxContainerUtils.h"

#include "Forms.h"
#include "Strings.h"
#include "Threads.h"
#include "WinUser.h"
#include "cxContainerControl.h"
#include "cxContainerInternal.h"
#include "cxContainerPopupWindow.h"
#include "cxGeometry.h"
#include "dxThemeManager.h"

namespace cxContainer {

namespace {

Integer FAppWindowsDisableCount = 0;
std::vector<HWND>* FDisabledAppWindows = nullptr;
bool FAppWindowsSwitching = false;

BOOL DisableProcessWindow(HWND AWnd, LPARAM) {
  DWORD processId = 0;
  GetWindowThreadProcessId(AWnd, &processId);
  if (processId == GetCurrentProcessId()) DisableWindow(FDisabledAppWindows, AWnd);
  return TRUE;
}

bool IsKeyDown(const BYTE* AState, int AKey) { return (AState[AKey] & 0x80) != 0; }

// A popup's own window or a window inside it.
bool IsPopupWindowHandle(TcxCustomPopupWindow* APopup, HWND AWnd) {
  return (APopup->HandleAllocated() && APopup->GetHandle() == AWnd) || IsChildWindow(APopup, AWnd);
}

}  // namespace

HWND FindFirstNonChildParentWindow(HWND AWnd) {
  for (HWND w = AWnd; w; w = GetParent(w))
    if (!(GetWindowLong(w, GWL_STYLE) & WS_CHILD)) return w;
  return nullptr;
}

TShiftState InternalGetShiftState() {
  BYTE state[256] = {};
  GetKeyboardState(state);
  TShiftState shift;
  if (IsKeyDown(state, VK_SHIFT)) shift.Include(ssShift);
  if (IsKeyDown(state, VK_MENU)) shift.Include(ssAlt);
  if (IsKeyDown(state, VK_CONTROL)) shift.Include(ssCtrl);
  if (IsKeyDown(state, VK_LBUTTON)) shift.Include(ssLeft);
  if (IsKeyDown(state, VK_RBUTTON)) shift.Include(ssRight);
  if (IsKeyDown(state, VK_MBUTTON)) shift.Include(ssMiddle);
  return shift;
}

TPoint InternalGetCursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

bool KillMessages(HWND AWnd, UINT AMsgFilterMin, UINT AMsgFilterMax, bool AKillAllMessages) {
  bool removed = false;
  MSG msg;
  while (PeekMessage(&msg, AWnd, AMsgFilterMin, AMsgFilterMax, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    removed = true;
    if (!AKillAllMessages) break;
  }
  return removed;
}

void DisableWindow(std::vector<HWND>* AWindowList, HWND AWnd) {
  if (!IsWindowEnabled(AWnd)) return;
  if (AWindowList) AWindowList->push_back(AWnd);
  EnableWindow(AWnd, FALSE);
}

void EnableWindows(std::vector<HWND>* AWindowList) {
  if (!AWindowList) return;
  for (HWND w : *AWindowList)
    if (IsWindow(w)) EnableWindow(w, TRUE);
}

void DisableAppWindows(bool ANeedDisable) {
  if (++FAppWindowsDisableCount != 1 || !ANeedDisable) return;
  FDisabledAppWindows = new std::vector<HWND>();
  FAppWindowsSwitching = true;
  struct TDone {
    ~TDone() { FAppWindowsSwitching = false; }
  } done;
  EnumWindows(&DisableProcessWindow, 0);
}

void EnableAppWindows() {
  if (FAppWindowsDisableCount == 0) return;
  if (--FAppWindowsDisableCount != 0 || !FDisabledAppWindows) return;
  std::vector<HWND>* windows = FDisabledAppWindows;
  FDisabledAppWindows = nullptr;
  FAppWindowsSwitching = true;
  struct TDone {
    std::vector<HWND>* Windows;
    ~TDone() {
      FAppWindowsSwitching = false;
      delete Windows;
    }
  } done{windows};
  EnableWindows(windows);
}

bool IsInternalWindowsDisabled() { return FAppWindowsDisableCount > 0; }

bool IsInternalWindowsDisabling() { return FAppWindowsSwitching; }

// ---- Containers and popups ---------------------------------------------------------------------------------
TcxContainer* GetcxContainer(TWinControl* AWinControl) {
  if (auto* container = dynamic_cast<TcxContainer*>(AWinControl)) return container;
  if (auto* inner = Supports<IcxContainerInnerControl>(AWinControl)) return inner->GetControlContainer();
  return nullptr;
}

bool HasOpenedPopupWindow(TWinControl* AWinControl) {
  TcxContainer* container = GetcxContainer(AWinControl);
  return container && container->HasPopupWindow();
}

bool IsChildWindow(TWinControl* AParent, HWND AChildWnd) {
  if (!AParent || !AChildWnd || !AParent->HandleAllocated() || AParent->GetHandle() == AChildWnd) return false;
  if (IsChild(AParent->GetHandle(), AChildWnd)) return true;
  for (Integer i = 0; i < AParent->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(AParent->Controls(i));
    if (!child || !child->HandleAllocated()) continue;
    if (child->GetHandle() == AChildWnd || IsChildWindow(child, AChildWnd) || IsChild(child->GetHandle(), AChildWnd))
      return true;
  }
  const std::vector<TcxCustomPopupWindow*> popups = OpenPopupWindows();
  if (auto* popup = dynamic_cast<TcxCustomPopupWindow*>(AParent)) {
    for (TcxCustomPopupWindow* other : popups)
      if (other != popup && other->GetOwnerControl() && GetParentForm(other->GetOwnerControl()) == popup &&
          IsPopupWindowHandle(other, AChildWnd))
        return true;
  }
  for (TcxCustomPopupWindow* other : popups)
    if (other->GetOwnerControl() == AParent && IsPopupWindowHandle(other, AChildWnd)) return true;
  return false;
}

bool HasNativeHandle(TWinControl* AControl, HWND AWnd, bool ACheckChildren) {
  if (!AControl || !AWnd) return false;
  if (AControl->HandleAllocated() && AControl->GetHandle() == AWnd) return true;
  return ACheckChildren && IsChildWindow(AControl, AWnd);
}

bool HasHandle(TWinControl* AControl, HWND AHandle) { return HasNativeHandle(AControl, AHandle); }

HWND NativeHandle(HWND AHandle) { return AHandle; }

bool CheckParentsNativeHandle(TWinControl* AControl, HWND ANativeHandle) {
  if (!AControl) return false;
  TCustomForm* form = GetParentForm(AControl);
  if (!form) return false;
  if (HasNativeHandle(form, ANativeHandle, true)) return true;
  if (form->GetParent() || !form->HandleAllocated()) return false;
  // A form placed into another program's window: the top-level window it lives in counts too.
  HWND top = form->GetHandle();
  while (IsChildClassWindow(top) && GetParent(top)) top = GetParent(top);
  return top != form->GetHandle() && (ANativeHandle == top || IsChild(top, ANativeHandle));
}

HWND GetPopupOwnerControl(HWND AWnd) {
  for (HWND w = AWnd; w; w = GetParent(w)) {
    if (auto* popup = dynamic_cast<TcxCustomPopupWindow*>(FindControl(w))) {
      TWinControl* owner = popup->GetOwnerControl();
      return owner && owner->HandleAllocated() ? owner->GetHandle() : AWnd;
    }
  }
  return AWnd;
}

bool CanShowHint(TWinControl* AControl) {
  if (!Application->Active() || !InternalIsWindowVisible(AControl)) return false;
  if (FindControl(WindowFromPoint(InternalGetCursorPos())) != AControl) return false;
  HWND w = AControl->GetHandle();
  for (;;) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
    if ((form && form->GetFormStyle() == fsMDIChild) || !GetParent(w)) break;
    w = GetParent(w);
  }
  auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
  if (!form || form->GetActive() || form->GetFormStyle() == fsMDIForm) return true;
  // An inactive form shows hints only for the control a popup was opened on.
  const std::vector<TcxCustomPopupWindow*>& popups = OpenPopupWindows();
  if (popups.empty()) return false;
  TWinControl* owner = popups.front()->GetOwnerControl();
  return owner && owner->HandleAllocated() && IsChild(w, owner->GetHandle());
}

// ---- Rectangles, invalidation and regions -------------------------------------------------------------------
void InternalInvalidate(HWND AHandle, const TRect& AOuterRect, const TRect& AInternalRect, bool AEraseBackground) {
  if (cxRectIsEmpty(AInternalRect)) {
    InvalidateRect(AHandle, &AOuterRect, AEraseBackground);
    return;
  }
  for (const TRect& part : GetContainerFrameParts(AOuterRect, AInternalRect))
    InvalidateRect(AHandle, &part, AEraseBackground);
}

void InternalInvalidateRect(TWinControl* AControl, const TRect& R, bool AEraseBackground) {
  if (AControl && AControl->HandleAllocated()) InvalidateRect(AControl->GetHandle(), &R, AEraseBackground);
}

bool InternalIsWindowVisible(TWinControl* AControl) {
  return AControl && AControl->HandleAllocated() && IsWindowVisible(AControl->GetHandle());
}

bool InternalCompareString(const String& S1, const String& S2, bool ACaseSensitive) {
  return ACaseSensitive ? AnsiCompareStr(S1, S2) == 0 : AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

TRect GetControlRect(TControl* AControl) { return TRect(0, 0, AControl->GetWidth(), AControl->GetHeight()); }

void ExtendRectByBorders(TRect& R, Integer ABorderWidth, TcxBorders ABorders) {
  if (ABorders.Contains(bLeft)) R.left -= ABorderWidth;
  if (ABorders.Contains(bTop)) R.top -= ABorderWidth;
  if (ABorders.Contains(bRight)) R.right += ABorderWidth;
  if (ABorders.Contains(bBottom)) R.bottom += ABorderWidth;
}

void InflateRectByBorders(TRect& R, Integer ABorderWidth, TcxBorders ABorders) {
  if (!ABorders.Contains(bLeft)) R.left += ABorderWidth;
  if (!ABorders.Contains(bTop)) R.top += ABorderWidth;
  if (!ABorders.Contains(bRight)) R.right -= ABorderWidth;
  if (!ABorders.Contains(bBottom)) R.bottom -= ABorderWidth;
}

void AssignFonts(TFont* AFont1, TFont* AFont2) { AFont1->Assign(AFont2); }

TcxMouseButton ButtonTocxButton(TMouseButton AButton) {
  switch (AButton) {
    case mbLeft: return cxmbLeft;
    case mbRight: return cxmbRight;
    default: return cxmbMiddle;
  }
}

TShiftState MouseButtonToShift(TMouseButton AButton) {
  switch (AButton) {
    case mbLeft: return {ssLeft};
    case mbRight: return {ssRight};
    default: return {ssMiddle};
  }
}

void SetWindowRegion(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) {
  if (!AControl->HandleAllocated()) return;
  SetWindowRgn(AControl->GetHandle(), ABounds.IsEmpty ? nullptr : CreateRectRgnIndirect(&ABounds.Rect), TRUE);
}

void SetWindowShadowRegion(HWND AWindowHandle, const TRect& R, bool ANoRegion, const TRect& AExcludeRect,
                           bool AShadow) {
  HRGN region = nullptr;
  if (!ANoRegion) {
    region = CreateRectRgnIndirect(&R);
    if (AShadow) {
      const TRect shadow = cxRectOffset(R, cxContainerShadowWidth, cxContainerShadowWidth);
      HRGN shadowRegion = CreateRectRgnIndirect(&shadow);
      CombineRgn(region, region, shadowRegion, RGN_OR);
      DeleteObject(shadowRegion);
    }
    if (!cxRectIsEmpty(AExcludeRect)) {
      HRGN excluded = CreateRectRgnIndirect(&AExcludeRect);
      CombineRgn(region, region, excluded, RGN_DIFF);
      DeleteObject(excluded);
    }
  }
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(AWindowHandle, current);
  const bool hasRegion = kind != ERROR && kind != NULLREGION;
  bool handedOver = false;
  if (region || hasRegion) {
    const bool same = region ? kind != ERROR && EqualRgn(region, current) : false;
    if (!same) {
      SetWindowRgn(AWindowHandle, region, TRUE);
      handedOver = true;
    }
  }
  if (region && !handedOver) DeleteObject(region);
  DeleteObject(current);
}

bool AreVisualStylesMustBeUsed(bool ANativeStyle, TdxThemedObjectType AThemedObjectType) {
  return ANativeStyle && OpenTheme(AThemedObjectType) != nullptr;
}

}  // namespace cxContainer
