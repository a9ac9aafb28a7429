// The loop in which the user drags a toolbar window from dock to dock or to a floating place: it owns
// the mouse capture, finds the dock under the cursor, moves the window there and, for a floating bar
// over a dock, docks it only once the cursor has rested for the manager's WaitForDockingTime.
#include "WinCursor.h"
#include "WinUserDraw.h"
#include "WinInput.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "WinTimers.h"
#include "cxClassesLinks.h"
#include "dxBarBar.h"
#include "dxBarComponents.h"
#include "dxBarDock.h"
#include "dxBarHelpers.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {

// One delayed docking at a time, for the manager whose bar is moved.
UINT_PTR DockingTimerID = 0;
TdxBarManager* DockingTimerManager = nullptr;

bool IsManagerAlive(TdxBarManager* AManager) {
  return AManager && dxBarManagerList && dxBarManagerList->IndexOf(AManager) >= 0 && !AManager->GetIsDestroying();
}

void StopDockingTimer() {
  if (DockingTimerID != 0) KillTimer(nullptr, DockingTimerID);
  DockingTimerID = 0;
  DockingTimerManager = nullptr;
}

void DockingTimerProc(HWND, UINT, UINT_PTR AID, DWORD) {
  if (AID != DockingTimerID) return;
  TdxBarManager* manager = DockingTimerManager;
  StopDockingTimer();
  if (IsManagerAlive(manager) && manager->GetBars()) manager->GetBars()->DockingTimerFired();
}

void StartDockingTimer(TdxBarManager* AManager) {
  StopDockingTimer();
  DockingTimerID = SetTimer(nullptr, 0, static_cast<UINT>(std::max(AManager->GetWaitForDockingTime(), 0)),
                            DockingTimerProc);
  DockingTimerManager = AManager;
}

TPoint CursorPos() {
  TPoint p;
  GetCursorPos(&p);
  return p;
}

bool IsCtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// A dock covered by another window at P does not take the bar: the visible child of the dock's
// grand-parent at P must be the dock's parent.
bool IsDockUncoveredAt(TdxDockControl* ADock, const TPoint& P) {
  TWinControl* parent = ADock->GetParent();
  if (!ADock->HandleAllocated() || !parent || !parent->GetParent() || !parent->GetParent()->HandleAllocated())
    return true;
  HWND grandParent = parent->GetParent()->GetHandle();
  TPoint client = P;
  ScreenToClient(grandParent, &client);
  return ChildWindowFromPointEx(grandParent, client, CWP_SKIPINVISIBLE) == parent->GetHandle();
}

}  // namespace

TdxBarDockingStyle TdxBars::GetDockingStyleAtPos(TdxBar* ABar, const TPoint& APoint, TdxDockControl*& ADockControl) {
  ADockControl = nullptr;
  if ((FMoving && IsCtrlDown()) || !FBarManager) return dsNone;
  auto search = [&](const TPoint& P) -> TdxBarDockingStyle {
    for (TdxBarDockingStyle style : {dsLeft, dsRight, dsTop, dsBottom})
      for (Integer i = 0; i < FBarManager->GetDockControlCount(); ++i) {
        TdxDockControl* dock = FBarManager->GetDockControl(i);
        if (dock->GetDockingStyle() != style) continue;
        if (!dock->CanFocus() && !FBarManager->GetDesigning()) continue;
        if (!FBarManager->DoDocking(ABar, style, dock)) continue;
        const TRect bounds = dock->GetDockZoneBounds();
        if (!PtInRect(&bounds, P) || !IsDockUncoveredAt(dock, P)) continue;
        ADockControl = dock;
        return style;
      }
    return dsNone;
  };
  TdxBarDockingStyle result = search(APoint);
  if (result == dsNone && FMoving)
    result = search(TPoint(APoint.x - FCursorOffset.x, APoint.y - FCursorOffset.y));
  return result;
}

void TdxBars::ChangeBarControlPos(TCustomdxBarControl* ABarControl, const TPoint& APoint) {
  auto* control = dynamic_cast<TdxBarControl*>(ABarControl);
  TdxBar* bar = control ? control->GetBar() : nullptr;
  if (!bar || !FBarManager) return;
  TdxDockControl* dock = nullptr;
  TdxBarDockingStyle style = GetDockingStyleAtPos(bar, APoint, dock);
  if (!FBarManager->DoDocking(bar, style, dock)) return;
  if (control->GetDockingStyle() == dsNone && style != dsNone && !FDocking) {
    StartDockingTimer(FBarManager);
    style = dsNone;
    dock = nullptr;
  }
  TPoint p = APoint;
  if (style == dsNone) p = TPoint(p.x - FCursorOffset.x, p.y - FCursorOffset.y);
  if (style == control->GetDockingStyle() && dock == control->GetDockControl()) {
    if (style != dsNone) {
      dock->MoveBarControl(control, p);
    } else {
      const TPoint offset = control->GetDragPointOffset(dsNone);
      control->SetBounds(p.x - offset.x, p.y - offset.y, control->GetWidth(), control->GetHeight());
    }
    return;
  }
  control->Hide();
  if (control->GetDockingStyle() != dsNone) {
    UnregFromDock(control->GetDockingStyle(), control->GetDockControl(), control);
    if (bar->GetItemLinks()) bar->GetItemLinks()->SetRecentItemCount(-1);
  }
  if (style != dsNone) {
    control->BeginInternal();
    try {
      control->ChangeStyleWinTo(style, dock);
    } catch (...) {
      control->EndInternal();
      throw;
    }
    control->EndInternal();
    RegInDock(style, dock, control, p);
  } else {
    control->ChangeStyleWinTo(dsNone, nullptr);
    const TPoint offset = control->GetDragPointOffset(dsNone);
    const TPoint size = control->GetTrackSize(dsNone);
    control->SetBounds(p.x - offset.x, p.y - offset.y, size.x, size.y);
  }
  control->Show();
}

void TdxBars::DockingTimerFired() {
  if (!FMoving || !FMovingBarControl) return;
  const TPoint cursor = CursorPos();
  FDocking = true;
  try {
    ChangeBarControlPos(FMovingBarControl, TPoint(cursor.x + FCursorOffset.x, cursor.y + FCursorOffset.y));
  } catch (...) {
    FDocking = false;
    throw;
  }
  FDocking = false;
}

void TdxBars::Moving(TCustomdxBarControl* ABarControl) {
  auto* control = dynamic_cast<TdxBarControl*>(ABarControl);
  if (!control || !control->GetBar() || !FBarManager || FMoving || !control->CanMoving()) return;
  TdxBar* bar = control->GetBar();
  TdxBarManager* manager = FBarManager;
  if (control->GetDockingStyle() != dsNone)
    if (TdxDockCol* col = control->GetDockCol()) col->SetPos(TPoint(bar->GetDockedLeft(), bar->GetDockedTop()));

  TcxObjectLinkHolder controlLink(control);
  TcxObjectLinkHolder managerLink(manager);
  FMoving = true;
  FMovingBarControl = control;
  control->SetMoving(true);
  const TPoint start = CursorPos();
  FMovingBarOriginalDockingStyle = control->GetDockingStyle();
  FCursorOffset = TPoint(0, 0);
  FMovingCursorPosInBar = TPoint(0, 0);
  HWND capture = nullptr;

  auto finish = [&] {
    StopDockingTimer();
    if (capture && GetCapture() == capture) ReleaseCapture();
    if (!managerLink.Alive()) return;  // the collection went with its manager
    if (controlLink.Alive()) {
      control->SetMoving(false);
      if (control->GetDockingStyle() != dsNone)
        if (TdxDockControl* dock = control->GetDockControl()) dock->AssignPositions();
    }
    FMoving = false;
    FMovingBarControl = nullptr;
  };

  try {
    if (TdxDockControl* dock = control->GetDockingStyle() != dsNone ? control->GetDockControl() : nullptr) {
      TdxDockCol* col = control->GetDockCol();
      const TPoint colPos = dock->ClientToScreen(col ? col->GetPos() : TPoint(0, 0));
      control->BeginInternal();
      try {
        dock->DeleteBarControl(control, nullptr, false);
        dock->AddBarControl(control, colPos, true);
      } catch (...) {
        control->EndInternal();
        throw;
      }
      control->EndInternal();
      TPoint rowPos = start;
      dock->GetPosForRow(control->GetRow(), false, rowPos);
      if (dock->GetVertical()) FCursorOffset.x = rowPos.x - start.x;
      else FCursorOffset.y = rowPos.y - start.y;
      FMovingCursorPosInBar = control->ScreenToClient(start);
    }
    ProcessPaintMessages();
    capture = manager->GetWindowForMouseCapturing();
    SetCapture(capture);
    TPoint last = start;
    while (managerLink.Alive() && controlLink.Alive() && GetCapture() == capture) {
      MSG msg;
      const BOOL got = GetMessage(&msg, nullptr, 0, 0);
      if (got == -1) break;
      if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      const bool isKey = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
                         msg.message == WM_SYSKEYUP;
      if (isKey && msg.wParam == VK_ESCAPE) break;
      if (isKey && msg.wParam != VK_CONTROL) continue;
      if (isKey) last = TPoint(-1, -1);  // Ctrl pressed or released: the drop place is asked again at once
      if (isKey || msg.message == WM_MOUSEMOVE) {
        const TPoint p(msg.pt.x, msg.pt.y);  // where the cursor was when the input came
        if (p != last) {
          ChangeBarControlPos(control, TPoint(p.x + FCursorOffset.x, p.y + FCursorOffset.y));
          last = p;
        }
        continue;
      }
      if (msg.message == WM_LBUTTONUP) break;
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

}  // namespace dxBar
