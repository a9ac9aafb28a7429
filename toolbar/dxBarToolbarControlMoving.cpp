// The toolbar window while its toolbar is moved and placed: the docked and floating windows kept side
// by side while the mouse moves it, the switch between them, the drag point, the size the window takes
// in each style, and the position written back to the toolbar.
#include <algorithm>

#include "Forms.h"
#include "RtlMath.h"
#include "WinUser.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {
bool IsVerticalStyle(TdxBarDockingStyle AStyle) { return AStyle == dsLeft || AStyle == dsRight; }

// Holds the window's internal lock for a scope.
struct TInternalLock {
  TdxBarControl* Control;
  explicit TInternalLock(TdxBarControl* AControl) : Control(AControl) { Control->BeginInternal(); }
  ~TInternalLock() { Control->EndInternal(); }
};
}  // namespace

// ---- Windows ------------------------------------------------------------------------------------------------------
// While moving, the window of the current style is the one kept for it, taken back as it is.
void TdxBarControl::CreateWindowHandle(const TCreateParams& Params) {
  if (FMoving && IsInternallyLocked()) {
    HWND kept = GetDockingStyle() == dsNone ? FFloatingHandle : FDockedHandle;
    if (AdoptWindowHandle(kept)) {
      CreateControls();
      SetLayeredAttributes();
      return;
    }
  }
  inherited::CreateWindowHandle(Params);
}

void TdxBarControl::DestroyKeptWindows() {
  for (HWND* kept : {&FDockedHandle, &FFloatingHandle}) {
    HWND window = *kept;
    *kept = nullptr;
    if (!window || (HandleAllocated() && window == GetHandle()) || !IsWindow(window)) continue;
    RestoreWindowProc(window);
    DestroyWindow(window);
  }
}

// Puts the window in AStyle on ADockControl: the current window is let go (kept while moving, destroyed
// otherwise), the class library's parent follows the style, and the window of the new style is taken
// back or made, and shown when AShow (the bar window shows itself, its Visible stays off).
void TdxBarControl::SwitchWindow(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl, bool AShow) {
  TInternalLock lock(this);
  const bool hadWindow = HandleAllocated();
  if (hadWindow) {
    if (FMoving) {
      DestroyControls();
      HWND old = DetachWindowHandle();
      ShowWindow(old, SW_HIDE);
      if (old == FDockedHandle) ::SetParent(old, nullptr);
    } else {
      DestroyHandle();
    }
  }
  SetDockControl(AStyle != dsNone ? ADockControl : nullptr);
  SetDockingStyle(AStyle);
  if (AStyle != dsNone && ADockControl) {
    SetParentWindow(nullptr);
    SetParent(ADockControl);
  } else {
    SetParent(nullptr);
    SetParentWindow(OwnerFormHandle());
  }
  if (!hadWindow) return;
  HandleNeeded();
  if (AStyle != dsNone && ADockControl && ::GetParent(GetHandle()) != ADockControl->GetHandle())
    ::SetParent(GetHandle(), ADockControl->GetHandle());
  if (AShow) ShowWindow(GetHandle(), SW_SHOWNOACTIVATE);
}

void TdxBarControl::ChangeStyleWinTo(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl) {
  SwitchWindow(AStyle, ADockControl, HandleAllocated() && IsWindowVisible(GetHandle()));
  if (FMoving) {
    RepaintBar();
  } else {
    FrameChanged();
  }
}

void TdxBarControl::SetMoving(bool AMoving) {
  if (FMoving == AMoving) return;
  if (AMoving) {
    FMoving = true;
    FMovingStartStyle = GetDockingStyle();
    if (HandleAllocated()) {
      const bool shown = IsWindowVisible(GetHandle());
      TdxDockControl* dock = GetDockControl();
      TdxBarManager* manager = GetBarManager();
      if (FMovingStartStyle != dsNone) {
        FDockedHandle = GetHandle();
        SwitchWindow(dsNone, nullptr, false);
        FFloatingHandle = GetHandle();
        SwitchWindow(FMovingStartStyle, dock, shown);
      } else {
        FFloatingHandle = GetHandle();
        TdxDockControl* leftDock = manager ? manager->GetInternalDockControl(dsLeft) : nullptr;
        if (leftDock) {
          SwitchWindow(dsLeft, leftDock, false);
          FDockedHandle = GetHandle();
          SwitchWindow(dsNone, nullptr, shown);
          ::SetParent(FDockedHandle, nullptr);
        }
      }
    }
  } else {
    FMoving = false;
    DestroyKeptWindows();
    SavePos();
  }
  SetCursorForMoving(AMoving);
  if (HandleAllocated())
    SendMessage(GetHandle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(GetClientWidth(), GetClientHeight()));
  RepaintBar();
}

// Where in the window, in AStyle, the cursor holds it: where it was taken in the style the move began
// in, else the same relative place in the window's size for AStyle.
TPoint TdxBarControl::GetDragPointOffset(TdxBarDockingStyle AStyle) {
  if (FMoving && AStyle == FMovingStartStyle) return FDragOffset;
  const TPoint track = GetTrackSize(AStyle);
  return TPoint(FDragWindowSize.cx > 0 ? MulDiv(FDragOffset.x, track.x, FDragWindowSize.cx) : 0,
                FDragWindowSize.cy > 0 ? MulDiv(FDragOffset.y, track.y, FDragWindowSize.cy) : 0);
}

TdxDockControl* TdxBarControl::GetTargetDock(TdxBarDockingStyle AStyle) {
  if (GetDockingStyle() == AStyle && GetDockControl()) return GetDockControl();
  TdxBarManager* manager = GetBarManager();
  return manager ? manager->GetInternalDockControl(AStyle) : nullptr;
}

TPoint TdxBarControl::GetTrackSize(TdxBarDockingStyle AStyle) {
  if (GetBehaviorOptions().Contains(bboUnmoved)) AStyle = dsNone;
  TdxBarItemLinks* links = GetItemLinks();
  const Integer savedRecent = links ? links->GetRecentItemCount() : -1;
  TPoint result;
  const Integer ncX = FBar ? FBar->BarNCSizeX(AStyle) : 0;
  const Integer ncY = FBar ? FBar->BarNCSizeY(AStyle) : 0;
  const bool wholeRow = FBar && FBar->GetWholeRow();
  TdxDockControl* dock = GetTargetDock(AStyle);
  if (AStyle == dsNone) {
    result = GetSizeForWidth(dsNone, FBar ? FBar->GetFloatClientWidth() : 0);
    result.x += ncX;
    result.y += ncY;
  } else if (IsVerticalStyle(AStyle)) {
    const Integer dockHeight = dock ? dock->GetClientHeight() : 0;
    const Integer height = wholeRow && dock ? dockHeight - ncY : GetMaxHeight(AStyle);
    result = GetSizeForHeight(AStyle, height);
    result.x += ncX;
    result.y = wholeRow && dock ? dockHeight : result.y + ncY;
  } else {
    const Integer dockWidth = dock ? dock->GetClientWidth() : 0;
    const Integer width = wholeRow && dock ? dockWidth - ncX : GetMaxWidth(AStyle);
    result = GetSizeForWidth(AStyle, width);
    result.y += ncY;
    result.x = wholeRow && dock ? dockWidth : result.x + ncX;
  }
  if (links && links->GetRecentItemCount() != savedRecent) {
    links->SetRecentItemCount(savedRecent);
    CalcLayout();
  }
  return result;
}

// ---- Docks ----------------------------------------------------------------------------------------------------------
Integer TdxBarControl::GetRow() {
  TdxDockControl* dock = GetDockControl();
  TdxDockRow* row = FBar ? FBar->GetDockRow() : nullptr;
  return dock && row ? dock->IndexOfRow(row) : 0;
}

Integer TdxBarControl::GetCol() {
  TdxDockRow* row = FBar && GetDockControl() ? FBar->GetDockRow() : nullptr;
  return row ? std::max(0, row->IndexOfCol(this)) : 0;
}

TdxDockCol* TdxBarControl::GetDockCol() {
  TdxDockRow* row = FBar && GetDockControl() ? FBar->GetDockRow() : nullptr;
  const Integer index = row ? row->IndexOfCol(this) : -1;
  return index >= 0 ? row->GetCol(index) : nullptr;
}

// ---- Position write-back -----------------------------------------------------------------------------------------
void TdxBarControl::SavePos() {
  TdxBarManager* manager = GetBarManager();
  if (!FBar || !manager || FSavingPosition || FMoving || !FBar->GetVisible() || manager->GetIsDestroying() ||
      IsInternal())
    return;
  TdxDockControl* dock = GetDockControl();
  if (GetDockingStyle() != dsNone && (!dock || dock->GetBarHandleDestroying() || manager->GetIsHandleCreating()))
    return;
  FSavingPosition = true;
  manager->LockDesignerModified(true);
  struct TUnlock {
    TdxBarControl* Control;
    TdxBarManager* Manager;
    ~TUnlock() {
      Manager->LockDesignerModified(false);
      Control->FSavingPosition = false;
    }
  } unlock{this, manager};
  if (GetDockingStyle() != dsNone) {
    FBar->SetDockedDockingStyle(GetDockingStyle());
    FBar->SetDockedDockControl(dock->GetMain() ? nullptr : dynamic_cast<TdxBarDockControl*>(dock));
    TdxDockRow* row = FBar->GetDockRow();
    FBar->SetOneOnRow(row && row->GetColCount() == 1);
    FBar->SetDockedValue(0, GetLeft());
    FBar->SetDockedValue(1, GetTop());
  } else {
    FBar->SetFloatValue(0, GetLeft());
    FBar->SetFloatValue(1, GetTop());
    FBar->SetFloatValue(2, GetClientWidth());
    FBar->SetFloatValue(3, GetClientHeight());
  }
}

void TdxBarControl::WindowPosChanged() {
  inherited::WindowPosChanged();
  if (IsInternallyLocked() || !FBar) return;
  TdxDockControl* dock = GetDockControl();
  FBar->ChangeDockingStyle(GetDockingStyle(), dock);
  SavePos();
  const bool sizeGrip = FBar->HasSizeGrip();
  if (sizeGrip != FHasSizeGrip) RebuildBar();
  if (FIsPopup && HandleAllocated() && !IsWindowVisible(GetHandle())) CloseUp();
}

}  // namespace dxBar
