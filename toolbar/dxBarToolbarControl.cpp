// The toolbar window's life, its window creation, its message dispatch and its answers to the
// bar-window base; the popup form of the window and the quick-customization hooks.
#include "dxBarToolbarControl.h"

#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxGeometry.h"
#include "dxBarBar.h"
#include "dxBarCaptionButtons.h"
#include "cxClassesResStrings.h"
#include "dxBarConsts.h"
#include "dxBarDock.h"
#include "dxBarHelpers.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarControlViewInfo)
IMPLEMENT_CLASS(TdxBarControl)

TdxBarMDIButtonsState& dxBarMDIButtonsState() {
  static TdxBarMDIButtonsState state;
  return state;
}

// ---- Life -----------------------------------------------------------------------------------------------------------
TdxBarControl* TdxBarControl::Create(TClass AClass, TComponent* AOwner, TdxBar* ABar) {
  TClass cls = AClass ? AClass : StaticClass();
  if (!cls->InheritsFrom(StaticClass())) RaiseInvalidCast();
  auto* control = static_cast<TdxBarControl*>(CreateComponent(cls, AOwner));
  control->FBar = ABar;
  return control;
}

TdxBarControl* TdxBarControl::CreateForPopup(TClass AClass, TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar) {
  auto* control = Create(AClass, AParentBarControl->GetBarManager(), nullptr);
  control->InitPopup(AParentBarControl, AOwnerBar);
  return control;
}

void TdxBarControl::Construct() {
  inherited::Construct();
  FMDIButtonWidth = GetSystemMetrics(SM_CXMENUSIZE) - 2;
  FMDIButtonHeight = GetSystemMetrics(SM_CYMENUSIZE) - 4;
}

// The popup form: a hidden toolbar of its own, made inside one update of the manager's toolbars, whose
// links the window shows as internal links.
void TdxBarControl::InitPopup(TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar) {
  FIsPopup = true;
  FPopupOwnerBar = AOwnerBar;
  AParentBarControl->SetChildBar(this);
  TdxBarManager* manager = GetBarManager();
  if (!manager || !manager->GetBars()) return;
  manager->GetBars()->BeginUpdate();
  try {
    FBar = manager->GetBars()->Add();
    FBar->SetAllowQuickCustomizing(false);
    FBar->SetHidden(true);
    FBar->SetUseOwnFont(false);
    FBar->GetFont()->Assign(AParentBarControl->GetFont());
  } catch (...) {
    manager->GetBars()->EndUpdate();
    throw;
  }
  manager->GetBars()->EndUpdate();
  if (TdxBarItemLinks* links = FBar->GetItemLinks()) {
    links->SetInternal(true);
    SetItemLinks(links);
  }
}

void TdxBarControl::BeforeDestruction() {
  FreeAndNil(FQuickControl);
  inherited::BeforeDestruction();
}

void TdxBarControl::Destroy() {
  FMarkAccessibilityHelper = nullptr;
  if (FBar && GetDockingStyle() != dsNone && GetDockControl() && FBar->GetBars())
    FBar->GetBars()->UnregFromDock(GetDockingStyle(), GetDockControl(), this);
  BarLostFocus();
  KillMoreButtonsTimer();
  DestroyKeptWindows();
  if (FWindowGoing && HandleAllocated()) {
    // Freed while its window is being destroyed (the toolbar hidden from WM_DESTROY): the window goes on
    // its way without the control.
    HWND going = DetachWindowHandle();
    DestroyControls();
    RestoreWindowProc(going);
  } else if (HandleAllocated()) {
    DestroyHandle();
  } else {
    DestroyControls();
  }
  // Freed by its parent (a dock going away), the window leaves no stale reference in its links.
  if (TdxBarItemLinks* links = GetItemLinks(); links && links->GetBarControl() == this) links->DestroyBarControl();
  TdxBar* popupBar = FIsPopup ? FBar : nullptr;
  inherited::Destroy();
  if (popupBar) popupBar->Free();
}

// ---- The window -------------------------------------------------------------------------------------------------
void TdxBarControl::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.ExStyle = 0;
  if (GetDockingStyle() != dsNone) {
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (TdxDockControl* dock = GetDockControl()) Params.WndParent = dock->GetHandle();
  } else {
    Params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    Params.WndParent = OwnerFormHandle();
  }
}

void TdxBarControl::CreateWnd() {
  inherited::CreateWnd();
  SetWindowTextA(GetHandle(), GetCaption().c_str());
  SendMessage(GetHandle(), WM_NCACTIVATE, TRUE, 0);
}

void TdxBarControl::CaptionChanged() {
  if (!HandleAllocated()) return;
  SetWindowTextA(GetHandle(), GetCaption().c_str());
  FrameChanged();
}

HWND TdxBarControl::OwnerFormHandle() {
  TdxBarManager* manager = GetBarManager();
  Forms::TCustomForm* form = manager ? manager->GetParentForm() : nullptr;
  return form ? form->GetHandle() : nullptr;
}

void TdxBarControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      return;
    case WM_CANCELMODE:
      CancelMDIButtonPress();
      break;
    case WM_NCHITTEST:
      WMNCHitTest(Message);
      return;
    case WM_NCCALCSIZE:
      WMNCCalcSize(Message);
      return;
    case WM_NCLBUTTONDOWN:
      WMNCLButtonDown(Message);
      return;
    case WM_LBUTTONUP:
      WMLButtonUp(Message);
      return;
    case WM_LBUTTONDBLCLK:
      if (FLastHitTest == HTCAPTION && !GetIgnoreMouseClick()) {
        CaptionDblClick();
        return;
      }
      break;
    case WM_SIZING:
      WMSizing(Message);
      return;
    case WM_GETMINMAXINFO:
      WMGetMinMaxInfo(Message);
      return;
    case WM_WINDOWPOSCHANGING:
      WMWindowPosChanging(Message);
      break;
    case WM_DESTROY:
      WMDestroy(Message);
      return;
    case WM_MOUSEACTIVATE:
      WMMouseActivate(Message);
      return;
    case WM_SETCURSOR:
      WMSetCursor(Message);
      return;
    case WM_TIMER:
      WMTimer(Message);
      return;
    case WM_KEYDOWN:
      WMKeyDown(Message);
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
      return;
    case WM_SIZE:
      inherited::WndProc(Message);
      if (!ComponentState().Contains(csDestroying)) CalcLayout();
      return;
    case CM_FONTCHANGED:
      CMFontChanged(Message);
      return;
    case WM_DXBAR_REPAINTBAR:
      RepaintBar();
      return;
  }
  inherited::WndProc(Message);
}

void TdxBarControl::WMDestroy(TMessage& Message) {
  TdxDockControl* dock = GetDockControl();
  if (dock) dock->SetBarHandleDestroying(true);
  KillMoreButtonsTimer();
  inherited::WndProc(Message);
  if (dock) dock->SetBarHandleDestroying(false);
  if (!FBar || IsInternallyLocked() || IsInternal() || ComponentState().Contains(csDestroying)) return;
  TdxBarManager* manager = GetBarManager();
  if (FBar->GetVisible() && manager && !manager->GetIsDestroying()) {
    manager->AddBarToRestoringList(FBar);
    FWindowGoing = true;
    FBar->SetVisible(false);  // frees this window control
  }
}

void TdxBarControl::WMMouseActivate(TMessage& Message) {
  inherited::WndProc(Message);
  if (GetDockingStyle() == dsNone && !GetIsActive() && HandleAllocated())
    SetWindowPos(GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TdxBarControl::CMFontChanged(TMessage& Message) {
  inherited::WndProc(Message);
  if (GetCanvas()) GetCanvas()->GetFont()->Assign(GetFont());
  CalcDrawingConsts();
  if (IsInternallyLocked()) return;
  SetMouseSelectedItem(nullptr);
  RepaintBar();
}

void TdxBarControl::Resize() {
  inherited::Resize();
  UpdateCaptionButtons(nullptr);
}

void TdxBarControl::LayoutChanged() {
  TdxBarManager* manager = GetBarManager();
  if (GetDockingStyle() != dsNone && HandleAllocated() && manager && manager->CanShowRecentItems())
    PostMessage(GetHandle(), WM_DXBAR_REPAINTBAR, 0, 0);
}

void TdxBarControl::DoRepaintBar() {
  inherited::DoRepaintBar();
  if (GetDockingStyle() != dsNone) {
    if (TdxDockControl* dock = GetDockControl()) dock->UpdateDock();
  } else if (HandleAllocated()) {
    const TPoint size = GetSizeForWidth(dsNone, GetClientWidth());
    SetClientWidth(size.x);
    SetClientHeight(size.y);
    CalcLayout();
  }
  Invalidate();
  TdxBarManager* manager = GetBarManager();
  if (HandleAllocated() && ((manager && manager->IsUncustomizable()) || IsTransparent()))
    SendMessage(GetHandle(), WM_NCPAINT, 1, 0);
}

// ---- Answers to the base ------------------------------------------------------------------------------------------
bool TdxBarControl::CanHideAllItemsInSingleLine() { return false; }
bool TdxBarControl::CanMoving() { return FBar && FBar->CanMoving(); }
bool TdxBarControl::CanProcessShortCut() { return HandleAllocated() && IsWindowVisible(GetHandle()); }
TClass TdxBarControl::GetMarkAccessibilityHelperClass() { return nullptr; }
String TdxBarControl::GetMoreButtonsHint() { return cxGetResourceString(&dxSBAR_MOREBUTTONS); }
bool TdxBarControl::GetMultiLine() { return GetDockingStyle() == dsNone || (FBar && FBar->GetMultiLine()); }

Forms::TCustomForm* TdxBarControl::GetParentForm() {
  if (TdxDockControl* dock = GetDockControl()) return dock->GetParentForm();
  TdxBarManager* manager = GetBarManager();
  return manager ? manager->GetParentForm() : nullptr;
}

bool TdxBarControl::AllowQuickCustomizing() { return FBar && FBar->GetAllowQuickCustomizing(); }
bool TdxBarControl::HasCaption() { return true; }
bool TdxBarControl::HasCloseButton() { return GetDockingStyle() == dsNone && FBar && FBar->CanClose(); }

bool TdxBarControl::IgnoreClickAreaWhenHidePopup(TRect& ARect) {
  auto* parent = dynamic_cast<TdxBarControl*>(GetParentBar());
  if (!parent) return false;
  ARect = parent->MarkScreenRect();
  return true;
}

// The real MDI buttons stand for a maximized MDI child of the main form; MDI children are not reached
// yet, so only the manager's close button can show on the main menu.
bool TdxBarControl::RealMDIButtonsOnBar() { return false; }

bool TdxBarControl::MDIButtonsOnBar() {
  TdxBarManager* manager = GetBarManager();
  return RealMDIButtonsOnBar() || (GetIsMainMenu() && manager && manager->GetShowCloseButton());
}

void TdxBarControl::UpdateCaptionButtons(TdxBarCaptionButton*) {}
String TdxBarControl::GetCaption() { return FBar ? FBar->GetCaption() : String(); }
TFont* TdxBarControl::GetFont() { return FBar ? FBar->GetFont() : inherited::GetFont(); }
void TdxBarControl::GlyphChanged() {}
bool TdxBarControl::LockHotTrackWhenPopup() { return true; }

bool TdxBarControl::NeedHideOnNCMouseClick() {
  for (HWND w = HandleAllocated() ? ::GetParent(GetHandle()) : nullptr; w; w = ::GetParent(w))
    if (auto* bar = dynamic_cast<TCustomdxBarControl*>(FindControl(w)); bar && bar->IsPopup()) return false;
  return true;
}

void TdxBarControl::CloseUp() {
  if (auto* parent = dynamic_cast<TdxBarControl*>(GetParentBar())) parent->SetMarkState(msNone);
}

void TdxBarControl::Popup(const TRect& AOwnerRect) { PopupEx(AOwnerRect, xdRight); }

TClass TdxBarControl::GetAccessibilityHelperClass() { return nullptr; }
TBitmap* TdxBarControl::GetBackgroundBitmap() { return FBar ? FBar->GetBackgroundBitmap() : nullptr; }

Integer TdxBarControl::GetBeginGroupSize() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarBeginGroupSize() : 0;
}

bool TdxBarControl::GetIsMainMenu() { return FBar && FBar->GetIsMainMenu(); }
bool TdxBarControl::GetIsStatusBar() { return FBar && FBar->IsStatusBar(); }
TObject* TdxBarControl::GetSelectableObject() { return FBar; }

TFont* TdxBarControl::GetEditFont() {
  if (FBar && FBar->GetUseOwnFont() && FBar->GetEditFont()) return FBar->GetEditFont();
  return inherited::GetEditFont();
}

HBRUSH TdxBarControl::GetToolbarBrush() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarToolbarBrushEx(this) : inherited::GetToolbarBrush();
}

TClass TdxBarControl::GetViewInfoClass() { return TdxBarControlViewInfo::StaticClass(); }

void TdxBarControl::SetFont() { inherited::GetFont()->Assign(GetFont()); }

void TdxBarControl::UpdateFont() {
  SetFont();
  Perform(CM_FONTCHANGED, 0, 0);
}

bool TdxBarControl::IsRealVertical() { return GetVertical(); }
bool TdxBarControl::IsVertical() { return IsRealVertical() && FBar && FBar->GetRotateWhenVertical(); }
TdxBarKind TdxBarControl::Kind() { return bkBarControl; }
bool TdxBarControl::IsInternal() { return FIsPopup; }
bool TdxBarControl::HideOnClick() { return FIsPopup; }
bool TdxBarControl::IsPopup() { return FIsPopup; }

bool TdxBarControl::CanCustomizing() {
  return inherited::CanCustomizing() || (FBar && FBar->GetAllowCustomizing());
}

bool TdxBarControl::CanCallInheritedNCCalcSize() {
  TdxBarManager* manager = GetBarManager();
  return GetDockingStyle() != dsNone || !manager || !manager->GetFlat();
}

void TdxBarControl::UpdateItem(TdxBarItemControl* AControl) {
  if (!AControl || !HandleAllocated()) return;
  const TRect R = GetItemRect(AControl);
  InvalidateRect(GetHandle(), &R, false);
}

// The item rect widened across its row: centred on the link's row height.
TRect TdxBarControl::GetFullItemRect(TdxBarItemControl* AItem) {
  TRect R = GetItemRect(AItem);
  TdxBarItemLink* link = AItem ? AItem->GetItemLink() : nullptr;
  if (!link || cxRectIsEmpty(R)) return R;
  const Integer rowHeight = link->GetRowHeight();
  if (IsVertical()) {
    const Integer left = R.left - (rowHeight - R.Width()) / 2;
    return TRect(left, R.top, left + rowHeight, R.bottom);
  }
  const Integer top = R.top - (rowHeight - R.Height()) / 2;
  return TRect(R.left, top, R.right, top + rowHeight);
}

HRGN TdxBarControl::GetItemRegion(TdxBarItemControl* AControl) {
  const TRect R = GetFullItemRect(AControl);
  HRGN region = CreateRectRgnIndirect(&R);
  Integer index = -1;
  if (GetViewInfo()->IsAssociatedWithSeparator(AControl, index)) {
    const TRect separator = GetViewInfo()->GetSeparatorInfo(index).Bounds;
    HRGN extra = CreateRectRgnIndirect(&separator);
    CombineRgn(region, region, extra, RGN_OR);
    DeleteObject(extra);
  }
  return region;
}

bool TdxBarControl::CheckLockUpdate() {
  const bool locked = inherited::CheckLockUpdate();
  if (locked && FBar) FBar->SetChanged(true);
  return locked;
}

void TdxBarControl::Repaint() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->IsUpdateLocked()) {
    if (FBar) FBar->SetChanged(true);
    return;
  }
  inherited::Repaint();
}

void TdxBarControl::Hide() { SetVisible(false); }

void TdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) {
  FMarkForced = false;
  inherited::SetDockingStyle(Value);
}

Byte TdxBarControl::GetAlphaBlendValue() { return GetDockingStyle() == dsNone ? 200 : 255; }

void TdxBarControl::SetLayeredAttributes() {
  if (!HandleAllocated()) return;
  const bool translucent = FBar && (FMoving || (GetDockingStyle() == dsNone && !IsInternal()));
  const Integer alpha = translucent ? FBar->GetAlphaBlendValue() : 255;
  HWND target = FMoving && FFloatingHandle ? FFloatingHandle : GetHandle();
  SetLayeredWndAttributes(target, alpha);
}

// ---- Helpers ------------------------------------------------------------------------------------------------------
bool TdxBarControl::GetHorizontal() { return GetDockingStyle() == dsTop || GetDockingStyle() == dsBottom; }
bool TdxBarControl::GetVertical() { return GetDockingStyle() == dsLeft || GetDockingStyle() == dsRight; }

Forms::TCustomForm* TdxBarControl::GetMasterForm() {
  TdxBarManager* manager = GetBarManager();
  return manager ? manager->GetMasterForm() : nullptr;
}

TdxBarCaptionButtons* TdxBarControl::GetCaptionButtons() { return FBar ? FBar->GetCaptionButtons() : nullptr; }

TColor TdxBarControl::GetCaptionColor() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarCaptionColor() : clCaptionText;
}

TColor TdxBarControl::GetCaptionBkColor() {
  TdxBarPainter* painter = GetPainter();
  TdxBarManager* manager = GetBarManager();
  return painter ? painter->BarCaptionBkColor(manager && manager->GetMainFormActive()) : clActiveCaption;
}

void TdxBarControl::RebuildBar() {
  UpdateDoubleBuffered();
  FrameChanged();
  RepaintBar();
}

void TdxBarControl::FrameChanged() {
  if (HandleAllocated())
    SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

void TdxBarControl::RefreshShadow() { WindowPosChanged(); }

void TdxBarControl::BarManagerStyleChanged() {
  ResetBackground();
  CalcDrawingConsts();
  RebuildBar();
}

void TdxBarControl::SetNewBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  FNewBounds = TRect(ALeft, ATop, ALeft + AWidth, ATop + AHeight);
  if (!HandleAllocated()) {
    SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  if (GetBoundsRect() != FNewBounds)
    SetWindowPos(GetHandle(), nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOACTIVATE | SWP_NOZORDER);
}

// ---- Popup placement ------------------------------------------------------------------------------------------------
void TdxBarControl::PopupEx(const TRect& AOwnerRect, TXDirection ADirection) {
  SetClosedByEscape(false);
  const TPoint size = GetSizeForPopup();
  const TRect work = GetWorkArea(TPoint(AOwnerRect.left, AOwnerRect.top));
  TPoint pos;
  TCustomdxBarControl* parent = GetParentBar();
  if (parent && parent->IsRealVertical()) {
    pos = TPoint(AOwnerRect.right, AOwnerRect.top);
    if (pos.x + size.x > work.right) pos.x = AOwnerRect.left - size.x;
    pos.y = std::max<LONG>(work.top, std::min<LONG>(pos.y, work.bottom - size.y));
  } else {
    pos = TPoint(ADirection == xdRight ? AOwnerRect.left : AOwnerRect.right - size.x, AOwnerRect.bottom);
    pos.x = std::max<LONG>(work.left, std::min<LONG>(pos.x, work.right - size.x));
    if (pos.y + size.y > work.bottom) pos.y = AOwnerRect.top - size.y;
  }
  SetWindowPos(GetHandle(), HWND_TOPMOST, pos.x, pos.y, size.x, size.y, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

// ---- Quick customization -----------------------------------------------------------------------------------------
// The quick-customization popup and its menus come with their own unit; until then the mark offers
// no popup and these add nothing.
TClass TdxBarControl::GetQuickControlClass() { return nullptr; }
void TdxBarControl::InitQuickControl(TdxBarItemLinks*) {}
void TdxBarControl::InitQuickCustomizeItemLinks(TdxBarItemLinks*) {}
void TdxBarControl::InitAddRemoveSubItemPopup(TdxBarItemLinks*) {}

}  // namespace dxBar
