// Where a toolbar stands: its docking style and dock control, the return position it keeps while
// floating, its dock row, showing and hiding its window, the programmatic moves and the questions
// the window and the docks ask about it.
#include "Forms.h"
#include "WinFocus.h"
#include "WinManage.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarHelpers.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {

TdxBarControl* ToolbarWindow(TdxBar* ABar) { return dynamic_cast<TdxBarControl*>(ABar->GetControl()); }

bool SameManager(TdxBar* ABar, TdxDockControl* ADockControl) {
  return !ADockControl || ADockControl->GetBarManager() == ABar->GetBarManager();
}

bool IsLoading(TdxBar* ABar) {
  TdxBarManager* manager = ABar->GetBarManager();
  return manager && manager->GetIsLoading();
}

bool ComparesWithAncestor(TdxBar* ABar) {
  TdxBarManager* manager = ABar->GetBarManager();
  return manager && IsAncestorComponentDifferencesDetection(manager);
}

// The items of the bar show again in full: the layout chooses the recent ones anew.
void ShowAllItems(TdxBar* ABar) {
  if (ABar->GetItemLinks()) ABar->GetItemLinks()->SetRecentItemCount(-1);
}

}  // namespace

// ---- Queries ---------------------------------------------------------------------------------------------
TdxBars* TdxBar::GetBars() { return static_cast<TdxBars*>(GetCollection()); }

TCustomdxBarControl* TdxBar::GetControl() { return FItemLinks ? FItemLinks->GetBarControl() : nullptr; }

TdxBarDockControl* TdxBar::GetDockControl() {
  return ComparesWithAncestor(this) ? FLoadedDockControl : FDockControl;
}

TdxBarDockingStyle TdxBar::GetDockingStyle() {
  if (ComparesWithAncestor(this)) return FLoadedDockingStyle;
  return FDockControl ? FDockControl->GetDockingStyle() : FDockingStyle;
}

bool TdxBar::GetVisible() { return ComparesWithAncestor(this) ? FLoadedVisible : FVisible; }

TdxDockControl* TdxBar::GetRealDockControl() {
  if (FDockControl) return FDockControl;
  if (GetDockingStyle() == dsNone || !GetBars()) return nullptr;
  return GetBars()->GetDockControl(GetDockingStyle());
}

TdxBarPainter* TdxBar::GetPainter() {
  if (TdxDockControl* dock = GetRealDockControl()) return dock->GetPainter();
  return GetBarManager() ? GetBarManager()->GetDefaultPainter() : nullptr;
}

TdxBar* TdxBar::GetNext() {
  TdxBars* bars = GetBars();
  if (!bars || bars->GetCount() < 2) return nullptr;
  return bars->GetItem((GetIndex() + 1) % bars->GetCount());
}

Integer TdxBar::GetDockedPosition() { return IsVertical() ? FDockedTop : FDockedLeft; }

Integer TdxBar::BarNCSizeX(TdxBarDockingStyle AStyle) {
  TdxBarPainter* painter = GetPainter();
  if (!painter) return 0;
  const TRect offsets = painter->GetToolbarContentOffsets(this, AStyle, HasSizeGrip());
  return offsets.left + offsets.right;
}

Integer TdxBar::BarNCSizeY(TdxBarDockingStyle AStyle) {
  TdxBarPainter* painter = GetPainter();
  if (!painter) return 0;
  const TRect offsets = painter->GetToolbarContentOffsets(this, AStyle, HasSizeGrip());
  return offsets.top + offsets.bottom;
}

bool TdxBar::CanClose() {
  if (!FAllowClose || FIsMainMenu) return false;
  TdxBarControl* control = ToolbarWindow(this);
  return !control || control->HasCaption();
}

bool TdxBar::CanMoving() {
  const TdxBarDockingStyles all{dsNone, dsLeft, dsTop, dsRight, dsBottom};
  TdxBarManager* manager = GetBarManager();
  return FNotDocking != all && (!manager || manager->GetNotDocking() != all);
}

bool TdxBar::CanReset() { return FPredefined && FAllowReset; }

bool TdxBar::IsFloat() { return GetControl() && GetDockingStyle() == dsNone; }

bool TdxBar::IsStatusBar() { return FBorderStyle == bbsNone && GetDockingStyle() == dsBottom && FWholeRow; }

bool TdxBar::IsVertical() {
  const TdxBarDockingStyle style = GetDockingStyle();
  return (style == dsLeft || style == dsRight) && FRotateWhenVertical;
}

bool TdxBar::IsShortCut(TShortCut AShortCut) { return FItemLinks && FItemLinks->IsShortCut(AShortCut); }

// A status bar's grip shows only where it reaches the form's bottom right: the bar window sits at the
// bottom of every parent up to a window without parent or an MDI child form.
bool TdxBar::HasSizeGrip() {
  if (!IsStatusBar() || !FSizeGrip) return false;
  TdxBarManager* manager = GetBarManager();
  if (!manager) return false;
  if (auto* owner = dynamic_cast<TWinControl*>(manager->GetParentedOwner());
      owner && owner->HandleAllocated() && IsZoomed(owner->GetHandle()))
    return false;
  TCustomdxBarControl* control = GetControl();
  if (!control || !control->HandleAllocated()) return true;
  for (HWND wnd = control->GetHandle();;) {
    HWND parent = GetParent(wnd);
    if (!parent) return true;
    if (auto* form = dynamic_cast<Forms::TCustomForm*>(FindControl(wnd));
        form && form->GetFormStyle() == Forms::fsMDIChild && !manager->GetDesigning())
      return true;
    TRect windowRect;
    GetWindowRect(wnd, &windowRect);
    TPoint bottom(windowRect.right, windowRect.bottom);
    ScreenToClient(parent, &bottom);
    TRect parentClient;
    GetClientRect(parent, &parentClient);
    if (bottom.y != parentClient.bottom) return false;
    wnd = parent;
  }
}

// ---- Docking state -----------------------------------------------------------------------------------------
void TdxBar::SetDockingStyle(TdxBarDockingStyle Value) {
  if (IsLoading(this)) {
    FLoadedDockingStyle = Value;
    return;
  }
  if (FDockingStyle == Value && (!FDockControl || FChangingDockingStyle)) return;
  TdxBarControl* control = ToolbarWindow(this);
  const bool hide = control && control->GetDockingStyle() != Value && !FChangingDockingStyle;
  if (hide) SetVisible(false);
  FDockingStyle = Value;
  if (!FChangingDockingStyle) {
    FChangingDockingStyle = true;
    FDockControl = nullptr;
    FChangingDockingStyle = false;
  }
  ShowAllItems(this);
  if (hide) SetVisible(true);
  if (!FChangingDockingStyle && GetBarManager()) GetBarManager()->DoBarDockingStyleChanged(this);
}

void TdxBar::SetDockControl(TdxBarDockControl* Value) {
  if (!SameManager(this, Value)) return;
  if (IsLoading(this)) {
    FLoadedDockControl = Value;
    return;
  }
  if (FDockControl == Value) return;
  TdxBarControl* control = ToolbarWindow(this);
  bool hide = false;
  if (control && !FChangingDockingStyle) {
    TdxDockControl* windowDock = control->GetDockControl();
    hide = (Value && Value != windowDock) ||
           (!Value && GetDockingStyle() != dsNone && windowDock && !windowDock->GetMain());
  }
  if (hide) SetVisible(false);
  FDockControl = Value;
  ShowAllItems(this);
  if (!FChangingDockingStyle && Value) {
    FChangingDockingStyle = true;
    FDockingStyle = Value->GetDockingStyle();
    FChangingDockingStyle = false;
  }
  if (hide) SetVisible(true);
  else if (control) control->SetDockControl(GetRealDockControl());
  if (GetBarManager()) GetBarManager()->DoBarDockingStyleChanged(this);
}

void TdxBar::ChangeDockingStyle(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl) {
  if (ADockControl && ADockControl->GetMain()) ADockControl = nullptr;
  auto* dock = dynamic_cast<TdxBarDockControl*>(ADockControl);
  if (AStyle == GetDockingStyle() || (dock && dock != FDockControl)) SetDockControl(dock);
  else SetDockingStyle(AStyle);
}

void TdxBar::SetDockedDockControl(TdxBarDockControl* Value) {
  if (!SameManager(this, Value) || FDockedDockControl == Value) return;
  FDockedDockControl = Value;
  Changed(false);
}

TdxBarDockingStyle TdxBar::GetDockedDockingStyle() {
  return FDockedDockControl ? FDockedDockControl->GetDockingStyle() : FDockedDockingStyle;
}

void TdxBar::SetDockedDockingStyle(TdxBarDockingStyle Value) {
  if (FDockedDockingStyle == Value) return;
  FDockedDockingStyle = Value;
  Changed(false);
}

namespace {

// A position change waits while the bar is inside an update; Updated applies it.
void PositionChanged(TdxBar* ABar, bool& ANeedUpdatePosition) {
  if (ABar->ComponentState().Contains(csUpdating)) ANeedUpdatePosition = true;
  else ABar->UpdateControlPosition();
}

}  // namespace

void TdxBar::SetDockedValue(Integer AIndex, Integer Value) {
  Value = std::max(Value, 0);
  Integer& field = AIndex == 0 ? FDockedLeft : FDockedTop;
  if (field == Value) return;
  field = Value;
  PositionChanged(this, FNeedUpdatePosition);
  Changed(false);
}

Integer TdxBar::GetFloatValue(Integer AIndex) const {
  switch (AIndex) {
    case 0: return FFloatLeft;
    case 1: return FFloatTop;
    case 2: return FFloatClientWidth;
    default: return FFloatClientHeight;
  }
}

void TdxBar::SetFloatValue(Integer AIndex, Integer Value) {
  Integer* fields[] = {&FFloatLeft, &FFloatTop, &FFloatClientWidth, &FFloatClientHeight};
  Integer& field = *fields[std::clamp(AIndex, 0, 3)];
  if (field == Value) return;
  field = Value;
  PositionChanged(this, FNeedUpdatePosition);
  Changed(false);
}

// ---- Rows --------------------------------------------------------------------------------------------------
Integer TdxBar::GetRow() const {
  if (FDockRow && FDockRow->GetDockControl()) return FDockRow->GetDockControl()->IndexOfRow(FDockRow);
  return FRow;
}

void TdxBar::SetRow(Integer Value) {
  Value = std::max(Value, 0);
  if (Value == GetRow() && FDockRow) return;
  FRow = Value;
  TdxBarManager* manager = GetBarManager();
  TdxDockControl* dock = GetRealDockControl();
  if (dock && manager && !manager->GetIsDestroying()) {
    if (Value >= dock->GetRowCount()) {
      if (manager->IsUpdateLocked() || manager->GetBarsLoading()) {
        while (dock->GetRowCount() <= Value) dock->AddRow();
      } else {
        dock->AddRow();
        Value = dock->GetRowCount() - 1;
      }
    }
    SetDockRow(dock->GetRow(Value));
  }
  Changed(false);
  if (dock) dock->UpdateDock();
}

void TdxBar::SetDockRow(TdxDockRow* ARow) {
  TdxBarManager* manager = GetBarManager();
  if ((manager && manager->GetIsDestroying()) || FDockRow == ARow) return;
  RemoveFromDockRow(false);
  FDockRow = ARow;
  if (FDockRow) FDockRow->AddBar(this);
}

// A row that still lists the bar lets it go, and goes itself when that empties it (unless the bar is
// being destroyed, when its dock may be going too); a row being destroyed has already let it go.
void TdxBar::RemoveFromDockRow(bool ADestroying) {
  TdxDockRow* row = FDockRow;
  FDockRow = nullptr;
  if (!row) return;
  for (Integer i = 0; i < row->GetBarCount(); ++i)
    if (row->GetBar(i) == this) {
      row->DeleteBar(this, !ADestroying);
      return;
    }
}

// ---- Showing -----------------------------------------------------------------------------------------------
void TdxBar::CreateControl() {
  if (FItemLinks) FItemLinks->CreateBarControl();
}

void TdxBar::DestroyControl() {
  TCustomdxBarControl* control = GetControl();
  if (!control) return;
  FItemLinks->DestroyBarControl();
  control->Free();
}

void TdxBar::SetVisible(bool Value) {
  TdxBarManager* manager = GetBarManager();
  if (Value && manager && manager->GetIsDestroying()) return;
  if (!Value && !FVisible && manager) manager->RemoveBarFromRestoringList(this);
  if (!manager || manager->GetIsLoading()) {
    if (FLoadedVisible != Value) FInternallyHidden = false;
    FLoadedVisible = Value;
    if (!manager) FVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FInternallyHidden = false;
  if (!Value)
    if (TdxBarControl* control = ToolbarWindow(this)) control->SavePos();
  FVisible = Value;
  if (Value) {
    FItemLinks->CreateBarControl();
    ShowControl();
  } else {
    DestroyControl();
  }
  Changed(false);
  if (!manager->GetIsDestroying() && manager->OnBarVisibleChange) manager->OnBarVisibleChange(manager, this);
}

void TdxBar::ShowDocked() {
  TdxBarControl* control = ToolbarWindow(this);
  TdxDockControl* dock = GetRealDockControl();
  if (!control || !dock) return;
  const TdxBarDockingStyle style = GetDockingStyle();
  // Placed from the bar's own data: the dock takes the bar's row rather than the row under the point.
  control->BeginInternal();
  try {
    control->ChangeStyleWinTo(style, dock);
    GetBars()->RegInDock(style, dock, control, dock->ClientToScreen(TPoint(FDockedLeft, FDockedTop)));
  } catch (...) {
    control->EndInternal();
    throw;
  }
  control->EndInternal();
}

void TdxBar::ShowControl() {
  TdxBarControl* control = ToolbarWindow(this);
  TdxBarManager* manager = GetBarManager();
  if (!control || !manager) return;
  const bool docked = GetDockingStyle() != dsNone && GetRealDockControl();
  if (docked) {
    ShowDocked();
  } else {
    control->BeginInternal();
    try {
      control->ChangeStyleWinTo(dsNone, nullptr);
      const TPoint size = control->GetTrackSize(dsNone);
      control->SetBounds(FFloatLeft, FFloatTop, size.x, size.y);
    } catch (...) {
      control->EndInternal();
      throw;
    }
    control->EndInternal();
  }
  bool show = docked;
  if (!show && manager->IsOwnerVisible()) {
    Forms::TCustomForm* form = manager->GetParentForm();
    show = !manager->GetHideFloatingBarsWhenInactive() || manager->GetIsCustomizing() ||
           (form && form->HandleAllocated() && GetActiveWindow() == form->GetHandle());
  }
  if (show) {
    control->HandleNeeded();
    control->Show();
  }
  manager->RemoveBarFromRestoringList(this);
}

void TdxBar::UpdateControlPosition() {
  TdxBarControl* control = ToolbarWindow(this);
  if (!control || (GetBars() && GetBars()->GetIsMoving()) || control->GetMoving() || control->GetSavingPosition()) return;
  if (GetDockingStyle() != dsNone && GetRealDockControl()) {
    if (TdxDockControl* dock = control->GetDockControl()) dock->DeleteBarControl(control, nullptr, false);
    ShowControl();
  } else {
    const TPoint size = control->GetTrackSize(dsNone);
    control->SetBounds(FFloatLeft, FFloatTop, size.x, size.y);
  }
}

// An MDI child form keeps its recorded bounds while a merged bar appears or goes on it.
void TdxBar::SetVisibility(bool Value) {
  if (FVisible == Value) return;
  TdxBarManager* manager = GetBarManager();
  auto* form = manager ? dynamic_cast<Forms::TCustomForm*>(manager->GetParentedOwner()) : nullptr;
  const bool keepBounds = form && form->GetFormStyle() == Forms::fsMDIChild && !manager->GetDesigning() &&
                          form->HandleAllocated();
  TRect bounds;
  if (keepBounds) bounds = form->GetBoundsRect();
  SetVisible(Value);
  if (keepBounds) form->SetBoundsRect(bounds);
}

void TdxBar::ApplyLoadedSettings() {
  FPredefined = true;
  if (FLoadedDockControl) SetDockControl(FLoadedDockControl);
  else SetDockingStyle(FLoadedDockingStyle);
  SetVisible(FLoadedVisible);
}

// ---- Programmatic moves ---------------------------------------------------------------------------------------
void TdxBar::Move(Integer X, Integer Y) {
  SetDockingStyle(dsNone);
  SetFloatValue(0, X);
  SetFloatValue(1, Y);
}

void TdxBar::Move(TdxDockControl* ADockControl, Integer ARow, Integer APosition) {
  if (!ADockControl) ADockControl = GetRealDockControl();
  if (!ADockControl || !SameManager(this, ADockControl)) return;
  if (ADockControl == GetRealDockControl() && ARow == GetRow() && APosition == GetDockedPosition()) return;
  const bool oneOnRow = FOneOnRow, visible = GetVisible();
  SetVisible(false);
  if (TdxBarManager* manager = GetBarManager(); manager && manager->IsInternalDockControl(ADockControl))
    SetDockingStyle(ADockControl->GetDockingStyle());
  else
    SetDockControl(dynamic_cast<TdxBarDockControl*>(ADockControl));
  if (ARow >= ADockControl->GetRowCount()) ADockControl->AddRow();
  const bool vertical = ADockControl->GetVertical();
  SetDockedValue(vertical ? 1 : 0, APosition);
  SetRow(ARow);
  FOneOnRow = oneOnRow;
  SetVisible(visible);
  ADockControl->AssignPositions();
}

void TdxBar::Move(TdxBarDockingStyle ADockingStyle, Integer ARow, Integer APosition) {
  if (GetBars()) Move(GetBars()->GetDockControl(ADockingStyle), ARow, APosition);
}

void TdxBar::Move(TdxBar* ABar, bool AAfter) {
  if (!ABar || ABar == this || ABar->GetBarManager() != GetBarManager() || ABar->GetDockingStyle() == dsNone)
    return;
  TCustomdxBarControl* control = ABar->GetControl();
  if (AAfter && !control) return;
  Integer position = ABar->GetDockedPosition();
  if (AAfter) position += ABar->IsVertical() ? control->GetHeight() : control->GetWidth();
  SetOneOnRow(false);
  Move(ABar->GetRealDockControl(), ABar->GetRow(), position);
}

}  // namespace dxBar
