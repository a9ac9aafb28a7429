// The bar window's life, look-ups, layout record, hit-testing and the base answers of its
// overridable operations.
#include "dxBarControl.h"

#include <algorithm>

#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxGeometry.h"
#include "dxBarHelpers.h"
#include "dxBarHint.h"
#include "dxBarItem.h"
#include "dxBarUnit.h"
#include "cxGraphicsCanvas.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

// ---- View info ----------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomdxBarControlViewInfo)
IMPLEMENT_ABSTRACT_CLASS(TCustomdxBarControl)

void TCustomdxBarControlViewInfo::Destroy() {
  Clear();
  FreeAndNil(FItemControlViewInfos);
  inherited::Destroy();
}

void TCustomdxBarControlViewInfo::Clear() {
  if (FItemControlViewInfos) FItemControlViewInfos->Clear();
  FSeparators.clear();
}

void TCustomdxBarControlViewInfo::Calculate() { Clear(); }

Integer TCustomdxBarControlViewInfo::GetItemControlIndex(TdxBarItemControl* AItemControl) {
  for (Integer i = 0; i < GetItemControlCount(); ++i)
    if (GetItemControlViewInfo(i)->GetControl() == AItemControl) return i;
  return -1;
}

bool TCustomdxBarControlViewInfo::IsItemControlVisible(TdxBarItemControl* AItemControl) {
  return AItemControl && GetItemControlIndex(AItemControl) != -1;
}

bool TCustomdxBarControlViewInfo::IsAssociatedWithSeparator(TdxBarItemControl* AItemControl,
                                                            Integer& ASeparatorIndex) {
  for (size_t i = 0; i < FSeparators.size(); ++i)
    if (FSeparators[i].ItemControl == AItemControl) {
      ASeparatorIndex = static_cast<Integer>(i);
      return true;
    }
  ASeparatorIndex = -1;
  return false;
}

void TCustomdxBarControlViewInfo::AddItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo) {
  if (!FItemControlViewInfos) FItemControlViewInfos = New<TList>();
  FItemControlViewInfos->Add(AViewInfo);
}

void TCustomdxBarControlViewInfo::RemoveItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo) {
  if (FItemControlViewInfos) FItemControlViewInfos->Remove(AViewInfo);
  for (size_t i = FSeparators.size(); i-- > 0;)
    if (AViewInfo && FSeparators[i].ItemControl == AViewInfo->GetControl())
      FSeparators.erase(FSeparators.begin() + static_cast<std::ptrdiff_t>(i));
}

void TCustomdxBarControlViewInfo::AddSeparatorInfo(const TRect& ABounds, TdxBarItemSeparatorKind AKind,
                                                   TdxBarItemControl* AItemControl) {
  FSeparators.push_back(TdxBarSeparatorInfo{AItemControl, ABounds, AKind});
}

void TCustomdxBarControlViewInfo::RemoveSeparatorInfos() { FSeparators.clear(); }

Integer TCustomdxBarControlViewInfo::GetItemControlCount() {
  return FItemControlViewInfos ? FItemControlViewInfos->GetCount() : 0;
}

TdxBarItemControlViewInfo* TCustomdxBarControlViewInfo::GetItemControlViewInfo(Integer AIndex) {
  return static_cast<TdxBarItemControlViewInfo*>(FItemControlViewInfos->GetItems(AIndex));
}

TdxBarSeparatorInfo TCustomdxBarControlViewInfo::GetSeparatorInfo(Integer AIndex) const {
  return FSeparators.at(static_cast<size_t>(AIndex));
}

void TCustomdxBarControlViewInfo::SetSeparatorInfo(Integer AIndex, const TdxBarSeparatorInfo& AValue) {
  FSeparators.at(static_cast<size_t>(AIndex)) = AValue;
}

// ---- Life ---------------------------------------------------------------------------------------------------
namespace {
TCustomdxBarControl* FActiveBarControl = nullptr;
}

TCustomdxBarControl* ActiveBarControl() { return FActiveBarControl; }

bool IsBarControlAlive(TCustomdxBarControl* ABarControl) {
  return ABarControl && BarControls && BarControls->IndexOf(ABarControl) >= 0;
}

void TCustomdxBarControl::Construct() {
  inherited::Construct();
  FCanvas = New<cxGraphics::TcxCanvas>(inherited::GetCanvas());
  FViewInfo = static_cast<TCustomdxBarControlViewInfo*>(GetViewInfoClass()->Create());
  FViewInfo->FBarControl = this;
  if (BarControls) BarControls->Add(this);
  ControlStyle.Exclude(csCaptureMouse);
  UpdateControlStyle();
  SetColor(clBtnFace);
  FLastMousePos = cxInvalidPoint;
  SetVisible(false);
  SetBounds(100, 100, 30, 50);
  FBackgroundTempBitmap = New<TBitmap>();
  FViewState = bvsNormal;
}

void TCustomdxBarControl::BeforeDestruction() {
  if (FChildBar && !FChildBar->ComponentState().Contains(csDestroying)) {
    TCustomdxBarControl* child = FChildBar;
    FChildBar = nullptr;
    child->Free();
  }
  if (FParentBar) {
    if (FParentBar->FChildBar == this) FParentBar->FChildBar = nullptr;
    FParentBar = nullptr;
  }
  inherited::BeforeDestruction();
}

void TCustomdxBarControl::Destroy() {
  TdxBarManager* manager = GetBarManager();
  if (manager) manager->EndMouseTracking(this);
  DoDestroy();
  if (manager) {
    if (manager->GetSelectedItem() && manager->GetSelectedItem()->GetParent() == this) manager->SetSelectedItem(nullptr);
    if (manager->GetBarControlFocused() == this) manager->SetBarControlFocused(nullptr);
  }
  FSelectedLink = nullptr;
  if (FActiveBarControl == this) FActiveBarControl = nullptr;
  if (BarControls) BarControls->Remove(this);
  cxClearObjectLinks(this);
  inherited::Destroy();
  // Links that container entries replaced belong to no collection while expanded: they go with the bar.
  for (auto& [link, index] : FExpandedItemLinks)
    if (!link->GetCollection()) link->Free();
  FExpandedItemLinks.clear();
  FreeAndNil(FBackgroundTempBitmap);
  FreeAndNil(FViewInfo);
  FreeAndNil(FActiveCanvas);
  FreeAndNil(FCanvas);
}

void TCustomdxBarControl::UpdateControlStyle() {
  TdxBarManager* manager = GetBarManager();
  if (manager && (manager->GetRealPaintStyle() != rpsStandard || manager->GetIsCustomizing()))
    ControlStyle.Include(csDoubleClicks);
  else
    ControlStyle.Exclude(csDoubleClicks);
}

void TCustomdxBarControl::CreateWindowHandle(const TCreateParams& Params) {
  inherited::CreateWindowHandle(Params);
  CreateControls();
  SetLayeredAttributes();
}

void TCustomdxBarControl::CreateWnd() {
  inherited::CreateWnd();
  FreeAndNil(FActiveCanvas);
  SetFont();
  CalcDrawingConsts();
}

void TCustomdxBarControl::DestroyWindowHandle() {
  if (HandleAllocated()) BeforeDestroyHandle();
  DestroyControls();
  inherited::DestroyWindowHandle();
}

void TCustomdxBarControl::BeforeDestroyHandle() {
  if (!ComponentState().Contains(csDestroying)) MouseLeave();
  ForEachCanVisibleControl([](TdxBarItemControl* AControl) { AControl->BeforeDestroyParentHandle(); });
}

template <class F>
void TCustomdxBarControl::ForEachCanVisibleControl(F AProc) {
  if (!FItemLinks) return;
  for (Integer i = 0; i < FItemLinks->GetCanVisibleItemCount(); ++i)
    if (TdxBarItemControl* control = FItemLinks->GetCanVisibleItem(i)->GetControl()) AProc(control);
}

// ---- Look-ups -----------------------------------------------------------------------------------------------
TdxBarManager* TCustomdxBarControl::GetBarManager() { return dynamic_cast<TdxBarManager*>(Owner()); }
bool TCustomdxBarControl::GetFlat() { return GetBarManager() && GetBarManager()->GetFlat(); }

cxGraphics::TcxCanvas* TCustomdxBarControl::GetCanvas() {
  if (HandleAllocated()) return FCanvas;
  if (!FActiveCanvas) FActiveCanvas = New<cxGraphics::TcxScreenCanvas>();
  FActiveCanvas->GetFont()->Assign(GetFont());
  return FActiveCanvas;
}

TdxBarItemControl* TCustomdxBarControl::GetSelectedControl() {
  return FSelectedLink ? FSelectedLink->GetControl() : nullptr;
}


TRect TCustomdxBarControl::GetItemRect(TdxBarItemControl* AControl) {
  return AControl ? AControl->GetItemBounds() : TRect();
}

TRect TCustomdxBarControl::GetItemScreenRect(TdxBarItemControl* AControl) {
  TRect R = GetItemRect(AControl);
  if (!HandleAllocated()) return R;
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  OffsetRect(&R, origin.x, origin.y);
  return R;
}

TRect TCustomdxBarControl::GetWindowRect() {
  TRect R;
  if (HandleAllocated()) ::GetWindowRect(GetHandle(), &R);
  return R;
}

TRect TCustomdxBarControl::GetNCRect() {
  TRect R = GetWindowRect();
  OffsetRect(&R, -R.left, -R.top);
  return R;
}

TPoint TCustomdxBarControl::GetClientOffset() {
  if (!HandleAllocated()) return TPoint(0, 0);
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  const TRect window = GetWindowRect();
  return TPoint(origin.x - window.left, origin.y - window.top);
}

TRect TCustomdxBarControl::GetClientBounds() {
  TRect R = GetClientRect();
  const TPoint offset = GetClientOffset();
  OffsetRect(&R, offset.x, offset.y);
  return R;
}

TdxBarItemControl* TCustomdxBarControl::ItemAtPos(const TPoint& APos) {
  if (GetIsCustomizing() && !CanCustomizing()) return nullptr;
  for (Integer i = 0; i < FViewInfo->GetItemControlCount(); ++i) {
    TdxBarItemControlViewInfo* info = FViewInfo->GetItemControlViewInfo(i);
    const TRect bounds = info->GetBounds();
    if (!PtInRect(&bounds, APos)) continue;
    TdxBarItemControl* control = info->GetControl();
    return GetIsCustomizing() && control->IsHiddenForCustomization() ? nullptr : control;
  }
  return nullptr;
}

TdxBarItemControl* TCustomdxBarControl::ItemAtMousePos() {
  if (!HandleAllocated()) return nullptr;
  TPoint P;
  GetCursorPos(&P);
  return ItemAtPos(ScreenToClient(P));
}

bool TCustomdxBarControl::MouseOnMark(const TPoint& APoint) {
  const TRect R = MarkRect();
  return MarkExists() && PtInRect(&R, APoint);
}

bool TCustomdxBarControl::MouseOnMark() {
  if (!HandleAllocated()) return false;
  TPoint P;
  GetCursorPos(&P);
  return MouseOnMark(ScreenToClient(P));
}

bool TCustomdxBarControl::WantMouse() {
  TPoint P;
  GetCursorPos(&P);
  return HandleAllocated() && DeepestWindowFromPoint(P) == GetHandle();
}

bool TCustomdxBarControl::IsChildWindow(HWND AWnd) {
  if (!HandleAllocated() || !AWnd) return false;
  if (AWnd == GetHandle() || IsChild(GetHandle(), AWnd)) return true;
  TdxBarItemControl* selected = GetSelectedControl();
  return selected && selected->IsChildWindow(AWnd);
}

bool TCustomdxBarControl::SelectedItemWantsKey(Word AKey) {
  TdxBarItemControl* selected = GetSelectedControl();
  if (!selected || !selected->GetEnabled() || !selected->WantsKey(AKey)) return false;
  Word key = AKey;
  selected->KeyDown(key, TShiftState());
  return true;
}

void TCustomdxBarControl::ActivateHint(bool AShow, const String& AText, TObject* ASender) {
  if (TdxBarManager* manager = GetBarManager()) manager->ActivateHint(AShow, AText, ASender);
}

TdxBarCustomHintViewInfo* TCustomdxBarControl::CreateHintViewInfo(const String& AHintText, const String& AShortCut,
                                                                  TdxBarScreenTip* AScreenTip) {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->CreateHintViewInfo(GetBarManager(), AHintText, AShortCut, AScreenTip) : nullptr;
}

TPoint TCustomdxBarControl::GetHintPosition(const TPoint& ACursorPos, Integer) {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->GetBarItemContolHintPosition(ACursorPos) : ACursorPos;
}

void TCustomdxBarControl::Show() {
  if (HandleAllocated()) ShowWindow(GetHandle(), SW_SHOWNOACTIVATE);
  if (TdxBarItemControl* selected = GetSelectedControl()) selected->ParentVisibleChange(true);
}

void TCustomdxBarControl::RecreateControls() {
  DestroyControls();
  CreateControls();
  UpdateControlByMouse();
}

void TCustomdxBarControl::UpdateControlByMouse() {
  TPoint P;
  GetCursorPos(&P);
  HWND wnd = DeepestWindowFromPoint(P);
  auto* bar = dynamic_cast<TCustomdxBarControl*>(FindControl(wnd));
  if (!bar || !IsBarControlAlive(bar)) return;
  bar->FLastMousePos = cxInvalidPoint;
  const TPoint client = bar->ScreenToClient(P);
  PostMessage(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void TCustomdxBarControl::FullInvalidate() {
  if (HandleAllocated()) SendMessage(GetHandle(), WM_NCPAINT, 0, 0);
  Invalidate();
}

void TCustomdxBarControl::FullRepaint() {
  if (HandleAllocated()) SendMessage(GetHandle(), WM_NCPAINT, 0, 0);
  Repaint();
}

void TCustomdxBarControl::InvalidateNCRect(const TRect& ARect) {
  if (!HandleAllocated()) return;
  TRect R = ARect;
  const TRect window = GetWindowRect();
  OffsetRect(&R, window.left, window.top);
  HRGN rgn = CreateRectRgnIndirect(&R);
  SendMessage(GetHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(rgn), 0);
  DeleteObject(rgn);
}

// ---- Base answers -------------------------------------------------------------------------------------------
void TCustomdxBarControl::AdjustHintWindowPosition(TPoint& APos, const TRect&, Integer AHeight) {
  TRect work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  if (APos.y + AHeight > work.bottom && HandleAllocated()) APos.y = ClientToScreen(TPoint(0, 0)).y - AHeight;
}

void TCustomdxBarControl::AfterControlEscape(TdxBarItemControl* AControl) {
  if (GetBehaviorOptions().Contains(bboAllowSelectWindowItemsWithoutFocusing))
    SetKeySelectedItem(AControl);
  else
    HideAllByEscape();
}

bool TCustomdxBarControl::NeedsMouseWheel() { return false; }
void TCustomdxBarControl::ProcessMouseDownMessageForMeaningParent(HWND, UINT, LPARAM) {}
void TCustomdxBarControl::WindowPosChanged() { ResetBackground(); }
void TCustomdxBarControl::CalcChildBarBounds() {}
void TCustomdxBarControl::CalcControlsPositions() { CalcItemsRect(); }
void TCustomdxBarControl::CalcItemsRect() { FItemsRect = GetClientRect(); }
void TCustomdxBarControl::CalcRowItemRects() {}
void TCustomdxBarControl::CalcLayout() { FViewInfo->Calculate(); }
void TCustomdxBarControl::LayoutChanged() {}

void TCustomdxBarControl::CalcDrawingConsts() {
  FTextSize = GetTextSize();
  const Integer normal = GetNormalItemHeight();
  FRatio = normal > 0 ? std::max(static_cast<double>(FTextSize) / normal, 1.0) : 1.0;
  FMenuArrowHeight = std::max(FTextSize / 5, 4);
  FIconAreaSize = GetIconAreaSize();
  TdxBarPainter* painter = GetPainter();
  cxGraphics::TcxCanvas* canvas = GetCanvas();
  if (!painter || !canvas) return;
  FMarkSize = painter->MarkSizeX();
  if (TFont* font = GetEditFont()) canvas->GetFont()->Assign(font);
  const TSize zero = canvas->TextExtent("0");
  canvas->GetFont()->Assign(GetFont());
  FEditTextSize = painter->EditTextSize(this, zero.cy);
  FComboBoxArrowWidth = painter->ComboBoxArrowWidth(zero.cx);
}

void TCustomdxBarControl::CreateControls() {
  if (FState.Contains(bcsCreatingControls) || FState.Contains(bcsDestroyingControls)) return;
  FState.Include(bcsCreatingControls);
  try {
    DoCreateControls();
  } catch (...) {
    FState.Exclude(bcsCreatingControls);
    throw;
  }
  FState.Exclude(bcsCreatingControls);
}

void TCustomdxBarControl::DestroyControls() {
  if (FState.Contains(bcsCreatingControls) || FState.Contains(bcsDestroyingControls)) return;
  FState.Include(bcsDestroyingControls);
  try {
    DoDestroyControls();
  } catch (...) {
    FState.Exclude(bcsDestroyingControls);
    throw;
  }
  FState.Exclude(bcsDestroyingControls);
}

void TCustomdxBarControl::DoCreateControls() {
  if (!FItemLinks) return;
  for (Integer i = 0; i < FItemLinks->GetCanVisibleItemCount(); ++i) FItemLinks->GetCanVisibleItem(i)->CreateControl();
}

void TCustomdxBarControl::DoDestroyControls() {
  if (!FItemLinks) return;
  for (Integer i = 0; i < FItemLinks->GetCanVisibleItemCount(); ++i) FItemLinks->GetCanVisibleItem(i)->DestroyControl();
}

bool TCustomdxBarControl::CanActiveChange() {
  return Application->Active() || IsWindowEnabled() || GetIsCustomizing();
}

bool TCustomdxBarControl::CanAlignControl(TdxBarItemControl*) { return false; }
bool TCustomdxBarControl::CanCallInheritedNCCalcSize() { return true; }

bool TCustomdxBarControl::CanControlPaint(TdxBarItemControl* AControl) {
  if (ComponentState().Contains(csDestroying) || !AControl || !AControl->GetItemLink()) return false;
  if (AControl->GetItemLink()->GetControl() != AControl) return false;
  if (AControl->GetItem() && AControl->GetItem()->GetIsDestroying()) return false;
  if (FState.Contains(bcsPaintingItem) || CheckLockUpdate()) return false;
  return FViewInfo->IsItemControlVisible(AControl);
}

bool TCustomdxBarControl::CanCustomizing() { return GetBarManager() && GetBarManager()->GetDesigning(); }

bool TCustomdxBarControl::CanDeactivate(TdxBarManager* ABarManager, HWND AWnd) {
  if (ABarManager && ABarManager->IsCustomizingFlagSet() && !(HandleAllocated() && AWnd == GetHandle())) return true;
  TdxBarItemControl* selected = GetSelectedControl();
  return !(selected && !selected->CanDeselect());
}

bool TCustomdxBarControl::CanHide() {
  TdxBarItemControl* selected = GetSelectedControl();
  if (selected && !selected->CanHide()) return false;
  return !FChildBar || FChildBar->CanHide();
}

bool TCustomdxBarControl::CanDrawClippedItem(const TRect&) { return false; }

bool TCustomdxBarControl::CanProcessMouseMessage() {
  TCustomdxBarControl* active = FActiveBarControl;
  if (!active || active == this) return true;
  for (TCustomdxBarControl* bar = active->FParentBar; bar; bar = bar->FParentBar)
    if (bar == this) return true;
  return false;
}

bool TCustomdxBarControl::CanShowPopupMenuOnMouseClick(bool AMousePressed) {
  const bool press =
      (!GetBehaviorOptions().Contains(bboItemCustomizePopup) && !IsInternal()) || GetIsCustomizing();
  if (AMousePressed) return press;
  return GetBehaviorOptions().Contains(bboItemCustomizePopup) && !press;
}

bool TCustomdxBarControl::CanShowHint() { return !FIsActive; }
bool TCustomdxBarControl::CheckLockUpdate() { return GetBarManager() && GetBarManager()->IsUpdateLocked(); }

bool TCustomdxBarControl::ChildrenHaveShadows() {
  TdxBarPainter* painter = GetPainter();
  return painter && painter->BarChildrenHaveShadows();
}

void TCustomdxBarControl::CorrectVisibleItemsRectTop(TRect&) {}
void TCustomdxBarControl::CorrectVisibleItemsRectBottom(TRect&) {}

void TCustomdxBarControl::DoBarGetFocus(TdxBarItemControl* AItemControl) {
  SetKeySelectedItem(AItemControl);
  SetIsActive(true);
}

void TCustomdxBarControl::DoBarLostFocus() {
  SetKeySelectedItem(nullptr);
  SetIsActive(false);
}

void TCustomdxBarControl::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomdxBarControl::DoHideAll() {
  TcxObjectLinkHolder self(this);
  SetIsActive(false);
  if (self.Alive() && FParentBar && !FClosedByEscape) FParentBar->HideAll();
}

void TCustomdxBarControl::DoRepaintBar() { RecreateControls(); }

void TCustomdxBarControl::DoSetIsActive(bool Value) {
  FIsActive = Value;
  TdxBarManager* manager = GetBarManager();
  if (Value) {
    FPrevActiveBarControl = FActiveBarControl;
    FActiveBarControl = this;
    if (manager) manager->SetBarControlFocused(this);
    if (!GetIsCustomizing() && FItemLinks) FItemLinks->InitiateActions();
    return;
  }
  if (GetIsCustomizing())
    FSelectedLink = nullptr;
  else
    SetKeySelectedItem(nullptr);
  if (manager && manager->GetBarControlFocused() == this) manager->SetBarControlFocused(nullptr);
  if (FActiveBarControl == this) {
    FActiveBarControl = FPrevActiveBarControl;
    if (FActiveBarControl && (!IsBarControlAlive(FActiveBarControl) || !FActiveBarControl->FIsActive))
      FActiveBarControl = nullptr;
  }
}

void TCustomdxBarControl::DragOver(TdxBarItemLink*, bool) {}

TdxBarItemLink* TCustomdxBarControl::DoFindLinkWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrentLink) {
  return FItemLinks ? FItemLinks->FindItemWithAccel(AKey, AShift, ACurrentLink) : nullptr;
}

TdxBarItemLink* TCustomdxBarControl::FindLinkWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrentLink) {
  TdxBarItemLink* link = DoFindLinkWithAccel(AKey, AShift, ACurrentLink);
  return link && link->GetItem() && link->GetItem()->GetEnabled() ? link : nullptr;
}

TdxBarBehaviorOptions TCustomdxBarControl::GetBehaviorOptions() {
  if (FParentBar) return FParentBar->GetBehaviorOptions();
  return {bboAllowDetach, bboAllowSelectWindowItemsWithoutFocusing, bboExtendItemWhenAlignedToClient};
}

Integer TCustomdxBarControl::GetDefaultItemHeight(TdxBarItemControl* AItemControl) {
  const Integer size = AItemControl ? AItemControl->GetTextSize() : 0;
  return size != 0 ? size : FTextSize;
}

TBitmap* TCustomdxBarControl::GetDefaultItemGlyph() { return nullptr; }
TFont* TCustomdxBarControl::GetEditFont() { return GetBarManager() ? GetBarManager()->GetEditFont() : nullptr; }
TdxFader* TCustomdxBarControl::GetFader() { return nullptr; }
TRect TCustomdxBarControl::GetFullItemRect(TdxBarItemControl* AItem) { return GetItemRect(AItem); }
bool TCustomdxBarControl::GetIsCustomizing() { return GetBarManager() && GetBarManager()->GetIsCustomizing(); }
bool TCustomdxBarControl::GetIsShadowVisible() { return HasShadow() && GetVisible(); }
TdxBarItemViewLevel TCustomdxBarControl::GetItemControlDefaultViewLevel(TdxBarItemControl*) { return ivlDefault; }

Integer TCustomdxBarControl::GetItemControlOffset(TdxBarItemLink* AItemLink) {
  return AItemLink && AItemLink->GetBeginGroup() && AItemLink->GetVisibleIndex() > 0 ? GetBeginGroupSize() : 0;
}

TRect TCustomdxBarControl::GetItemRectEx(TdxBarItemControl* AControl, bool) { return GetItemRect(AControl); }

HRGN TCustomdxBarControl::GetItemRegion(TdxBarItemControl* AControl) {
  const TRect R = GetItemRectEx(AControl, true);
  return CreateRectRgnIndirect(&R);
}

TdxBarMarkState TCustomdxBarControl::GetMarkDrawState() { return FMarkState; }
Integer TCustomdxBarControl::GetMarkSize() { return MarkExists() ? FMarkSize : 0; }

Integer TCustomdxBarControl::GetNormalItemHeight() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->SubMenuControlNormalItemHeight() : 0;
}

TWinControl* TCustomdxBarControl::GetOwnerControl() { return IsRectEmpty(&FOwnerBounds) ? nullptr : FOwnerControl; }

TdxBarPainter* TCustomdxBarControl::GetPainter() {
  if (FPainter) return FPainter;
  if (FParentBar) return FParentBar->GetPainter();
  // A dock's painter comes with the docks.
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetDefaultPainter()) return manager->GetDefaultPainter();
  // Until the manager makes its painter, the base painter's shared instance answers for it.
  return static_cast<TdxBarPainter*>(ClassInstance(TdxBarPainter::StaticClass()));
}

TdxBarPaintType TCustomdxBarControl::GetPaintType() { return IsVertical() ? ptVert : ptHorz; }
TObject* TCustomdxBarControl::GetSelectableObject() { return nullptr; }

HBRUSH TCustomdxBarControl::GetToolbarBrush() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarToolbarBrush() : nullptr;
}
HBRUSH TCustomdxBarControl::GetToolbarDownedBrush() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarToolbarDownedBrush() : nullptr;
}
HBRUSH TCustomdxBarControl::GetToolbarDownedSelBrush() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarToolbarDownedSelBrush() : nullptr;
}
HBRUSH TCustomdxBarControl::GetToolbarSelBrush() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->BarToolbarSelBrush() : nullptr;
}

void TCustomdxBarControl::SetControlVisible(TdxBarItemControl*) {}
void TCustomdxBarControl::SetItemLinks(TdxBarItemLinks* Value) { FItemLinks = Value; }
HDC TCustomdxBarControl::GetNCDrawingDC() { return GetWindowDC(GetHandle()); }
void TCustomdxBarControl::ReleaseNCDrawingDC(HDC DC) { ReleaseDC(GetHandle(), DC); }

Integer TCustomdxBarControl::GetBorderSize() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->GetBorderSize() : 0;
}

Integer TCustomdxBarControl::GetIconAreaSize() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->GetIconAreaSize(this) : 0;
}

Integer TCustomdxBarControl::GetTextSize() {
  TdxBarPainter* painter = GetPainter();
  cxGraphics::TcxCanvas* canvas = GetCanvas();
  return painter && canvas ? painter->GetDefaultTextSize(canvas) : 0;
}

bool TCustomdxBarControl::HasShadow() {
  TdxBarPainter* painter = GetPainter();
  return painter && painter->BarHasShadow(this);
}

void TCustomdxBarControl::HideAllByEscape() {
  FClosedByEscape = true;
  HideAll();
}

bool TCustomdxBarControl::HideOnClick() { return false; }

bool TCustomdxBarControl::IsChildBar(TCustomdxBarControl* ABarControl) {
  for (TCustomdxBarControl* bar = FChildBar; bar; bar = bar->FChildBar)
    if (bar == ABarControl) return true;
  return false;
}

bool TCustomdxBarControl::IsControlExists(TdxBarItemControl* AControl) {
  return FItemLinks && FItemLinks->IsControlExists(AControl);
}

bool TCustomdxBarControl::IsLinkedToOwner() {
  if (IsRectEmpty(&FOwnerBounds)) return false;
  const TRect R = GetWindowRect();
  const TRect& O = FOwnerBounds;
  const bool horizontal = (O.bottom == R.top || O.top == R.bottom) && O.left < R.right && R.left < O.right;
  const bool vertical = (O.right == R.left || O.left == R.right) && O.top < R.bottom && R.top < O.bottom;
  return horizontal || vertical;
}

bool TCustomdxBarControl::IsMeaningParent() { return false; }
bool TCustomdxBarControl::IsPopup() { return false; }
bool TCustomdxBarControl::IsVerticalDirection() { return IsRealVertical(); }

bool TCustomdxBarControl::IsWindowEnabled() {
  if (!HandleAllocated()) return false;
  HWND wnd = GetHandle();
  while (wnd) {
    if (!::IsWindowEnabled(wnd)) return false;
    if (!(GetWindowLong(wnd, GWL_STYLE) & WS_CHILD)) break;
    wnd = ::GetParent(wnd);
  }
  return true;
}

void TCustomdxBarControl::MakeItemControlFullyVisible(TdxBarItemControl*) {}
bool TCustomdxBarControl::MarkExists() { return false; }
TRect TCustomdxBarControl::MarkRect() { return TRect(); }
bool TCustomdxBarControl::NeedShowGlyphAndCheckForItem(TdxBarItemControl*) { return false; }

void TCustomdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) {
  if (FDockingStyle == Value) return;
  FDockingStyle = Value;
  ResetBackground();
  Perform(CM_FONTCHANGED, 0, 0);
  SetLayeredAttributes();
}

void TCustomdxBarControl::SetLayeredAttributes() {}

void TCustomdxBarControl::SetAccelSelectedItem(TdxBarItemControl* AControl, bool AShared) {
  SetKeySelectedItem(AControl);
  if (!AShared && HandleAllocated()) SendMessage(GetHandle(), WM_KEYDOWN, VK_RETURN, 0);
}

void TCustomdxBarControl::ViewStateChanged(TdxBarViewState) {}
void TCustomdxBarControl::InitCustomizationPopup(TdxBarItemLinks*) {}
bool TCustomdxBarControl::AllowNCPaint() { return true; }

void TCustomdxBarControl::FillBackgroundRgn(HDC DC, HRGN ARgn) {
  SaveDC(DC);
  ExtSelectClipRgn(DC, ARgn, RGN_AND);
  const TRect R = GetNCRect();
  FillBackground(DC, R, R, nullptr, static_cast<TColor>(0x1FFFFFFF));  // no colour: the painter's own
  RestoreDC(DC, -1);
}

bool TCustomdxBarControl::IsInternal() { return false; }
// Docks come with their own issue; a bar without a dock has neither a picture nor transparency.
bool TCustomdxBarControl::IsBackgroundBitmap() { return false; }
bool TCustomdxBarControl::IsTransparent() { return false; }
TPoint TCustomdxBarControl::NCOffset() { return TPoint(0, 0); }
void TCustomdxBarControl::NCPaint(HDC) {}

void TCustomdxBarControl::ResetBackground() {
  if (FBackgroundTempBitmap) {
    FBackgroundTempBitmap->SetWidth(0);
    FBackgroundTempBitmap->SetHeight(0);
  }
}

void TCustomdxBarControl::UpdateDoubleBuffered() {
  SetDoubleBuffered(IsTransparent() || (GetBarManager() && GetBarManager()->IsUncustomizable()));
}

void TCustomdxBarControl::HideAll() {
  if (FState.Contains(bcsHidingAll)) return;
  FState.Include(bcsHidingAll);
  TcxObjectLinkHolder self(this);
  try {
    DoHideAll();
  } catch (...) {
    if (self.Alive()) FState.Exclude(bcsHidingAll);
    throw;
  }
  if (self.Alive()) FState.Exclude(bcsHidingAll);
}

bool TCustomdxBarControl::IsOnGlass() { return false; }
bool TCustomdxBarControl::IsRealVertical() { return false; }
bool TCustomdxBarControl::IsVertical() { return false; }
void TCustomdxBarControl::RepaintBar() { RepaintBarEx(true); }
void TCustomdxBarControl::AdjustSize() {}

void TCustomdxBarControl::SetIsActive(bool Value) {
  if (TdxBarManager* manager = GetBarManager()) manager->HideHint();
  const bool forced = !Value && GetIsCustomizing();
  if (!forced && (FIsActive == Value || !CanActiveChange())) return;
  DoSetIsActive(Value);
}

void TCustomdxBarControl::SetViewState(TdxBarViewState Value) {
  if (GetIsCustomizing() || FViewState == Value) return;
  const TdxBarViewState old = FViewState;
  FViewState = Value;
  ViewStateChanged(old);
}

void TCustomdxBarControl::SetChildBar(TCustomdxBarControl* Value) {
  FChildBar = Value;
  if (Value) Value->FParentBar = this;
}

void TCustomdxBarControl::SetParentBar(TCustomdxBarControl* Value) {
  FParentBar = Value;
  if (Value) Value->FChildBar = this;
}

void TCustomdxBarControl::SetDockControl(TdxDockControl* Value) {
  FDockControl = Value;
  UpdateDoubleBuffered();
}

void TCustomdxBarControl::BarGetFocus(TdxBarItemControl* AItemControl) { DoBarGetFocus(AItemControl); }

void TCustomdxBarControl::BarLostFocus() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetBarControlFocused() == this) DoBarLostFocus();
}

bool TCustomdxBarControl::GetIsDestroying() { return ComponentState().Contains(csDestroying); }

bool TCustomdxBarControl::GetIsFocused() {
  TdxBarManager* manager = GetBarManager();
  return manager && manager->GetBarControlFocused() == this;
}

TCustomdxBarControl* TCustomdxBarControl::GetEquivalentParentBar() {
  if (FParentBar && IsInternal() && !FParentBar->IsInternal()) return nullptr;
  return FParentBar;
}

void TCustomdxBarControl::SetCursorForMoving(bool AMoving) { SetCursor(AMoving ? crSizeAll : crDefault); }

bool TCustomdxBarControl::IsNeedBufferedOnGlass(TdxBarItemControl* AControl) {
  return IsOnGlass() && AControl && !AControl->IsTransparentOnGlass();
}

// A vertical bar writes its texts downwards: its canvas takes the bar's font turned 90 degrees clockwise.
void TCustomdxBarControl::UpdateCanvasFont() {
  if (FState.Contains(bcsUpdatingCanvasFont)) return;
  FState.Include(bcsUpdatingCanvasFont);
  struct TReset {
    TdxBarControlStates& State;
    ~TReset() { State.Exclude(bcsUpdatingCanvasFont); }
  } reset{FState};
  TFont* target = GetCanvas()->GetFont();
  target->Assign(GetFont());
  if (!IsVertical()) return;
  LOGFONTA font{};
  GetObject(GetFont()->GetHandle(), sizeof(font), &font);
  font.lfEscapement = -900;
  font.lfOrientation = -900;
  font.lfOutPrecision = 7;  // OUT_TT_ONLY_PRECIS: a rotated face must be an outline one
  target->SetHandle(CreateFontIndirect(&font));
}

}  // namespace dxBar
