// The button-like base, the button control and the application-menu button control: press, release
// and click of a button, the split button's arrow part, and the one-shot timers that open and close
// drop-down menus while the mouse moves along a menu.
#include "dxBarButtonControl.h"

#include "dxBarButton.h"
#include "dxBarControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarUnit.h"
#include "dxOffice11.h"
#include "Menus.h"
#include "WinUser.h"
#include "cxClassesLinks.h"

namespace dxBar {

IMPLEMENT_ABSTRACT_CLASS(TdxBarButtonLikeControl)
IMPLEMENT_CLASS(TdxBarButtonControl)
IMPLEMENT_CLASS(TdxBarApplicationMenuButtonControl)

// ---- Sub-menu tracking --------------------------------------------------------------------------------------
namespace {

// One pending control per direction; killing a timer forgets its control.
struct TTrackingTimer {
  TdxBarButtonLikeControl* Control = nullptr;
  UINT_PTR Timer = 0;

  void Stop() {
    if (Timer) KillTimer(nullptr, Timer);
    Timer = 0;
    Control = nullptr;
  }
  void Start(TdxBarButtonLikeControl* AControl, TIMERPROC AProc) {
    Control = AControl;
    Timer = SetTimer(nullptr, 0, static_cast<UINT>(dxBarWaitForSubMenuTime), AProc);
  }
};

TTrackingTimer OpenTracking;
TTrackingTimer CloseTracking;

void OpenTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  TdxBarButtonLikeControl* control = OpenTracking.Control;
  // One-shot: the control may start tracking again from ControlActivate, so the timer goes first.
  OpenTracking.Stop();
  if (control) control->ControlActivate(true);
}

void CloseTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  TdxBarButtonLikeControl* control = CloseTracking.Control;
  CloseTracking.Stop();
  if (control) control->ControlInactivate(true);
}

bool IsToolbarWindow(TCustomdxBarControl* ABarControl) { return ABarControl && ABarControl->Kind() == bkBarControl; }
bool IsSubMenuWindow(TCustomdxBarControl* ABarControl) { return ABarControl && ABarControl->Kind() == bkSubMenu; }

}  // namespace

void TdxBarButtonLikeControl::StartSubMenuTracking(bool AOpen) {
  if (AOpen) {
    if (CloseTracking.Control == this) CloseTracking.Stop();
    OpenTracking.Stop();
    OpenTracking.Start(this, OpenTimerProc);
    return;
  }
  if (OpenTracking.Control == this) OpenTracking.Stop();
  if (!IsDroppedDown()) return;
  CloseTracking.Stop();
  CloseTracking.Start(this, CloseTimerProc);
}

void TdxBarButtonLikeControl::FinishSubMenuTracking() {
  if (OpenTracking.Control == this) OpenTracking.Stop();
  if (CloseTracking.Control == this) CloseTracking.Stop();
}

// ---- Button-like base ---------------------------------------------------------------------------------------
void TdxBarButtonLikeControl::Destroy() {
  FinishSubMenuTracking();
  if (TCustomdxBarControl* subMenu = GetSubMenuControl()) subMenu->Hide();
  inherited::Destroy();
}

TdxBarButtonLikeControlDrawParams* TdxBarButtonLikeControl::GetButtonLikeDrawParams() {
  return static_cast<TdxBarButtonLikeControlDrawParams*>(GetDrawParams());
}

TClass TdxBarButtonLikeControl::GetDrawParamsClass() { return TdxBarButtonLikeControlDrawParams::StaticClass(); }
TClass TdxBarButtonLikeControl::GetAccessibilityHelperClass() { return nullptr; }

Integer TdxBarButtonLikeControl::ArrowWidth() {
  TdxBarPainter* painter = GetPainter();
  if (!painter) return 0;
  if (IsSubMenuWindow(GetParent())) return painter->SubMenuControlArrowWidth(GetParent()->GetTextSize());
  return painter->RealButtonArrowWidth(GetBarManager());
}

void TdxBarButtonLikeControl::CalcDrawParams(bool AFull) {
  inherited::CalcDrawParams(AFull);
  TdxBarButtonLikeControlDrawParams* params = GetButtonLikeDrawParams();
  if (AFull) {
    params->RealPositionInButtonGroup = GetViewInfo()->GetRealPositionInButtonGroup();
    params->IsTextSelected = IsTextSelected();
    params->IsFlatText = IsFlatText();
  }
  params->ArrowSize = TSize(ArrowWidth(), GetParent() ? GetParent()->GetMenuArrowHeight() : 0);
}

bool TdxBarButtonLikeControl::CanActivate() {
  TdxBarManager* manager = GetBarManager();
  return GetEnabled() || (manager && manager->GetDesigning());
}

void TdxBarButtonLikeControl::DoPaint(const TRect& ARect, TdxBarPaintType) {
  if (TdxBarPainter* painter = GetPainter()) painter->DrawButtonLikeControl(GetButtonLikeDrawParams(), ARect);
}

void TdxBarButtonLikeControl::DropDown(bool) {
  if (GetParent()) GetParent()->SetIsDowned(true);
}

TCustomdxBarControl* TdxBarButtonLikeControl::GetSubMenuControl() { return nullptr; }

bool TdxBarButtonLikeControl::IsFlatText() {
  TdxBarPainter* painter = GetPainter();
  return painter && painter->UseTextColorForItemArrow();
}

bool TdxBarButtonLikeControl::IsTextSelected() {
  TdxBarPainter* painter = GetPainter();
  return painter && painter->IsCustomSelectedTextColorExists();
}

bool TdxBarButtonLikeControl::WantsKey(Word AKey) {
  if (!IsDropDown()) return false;
  if (IsSubMenuWindow(GetParent())) return AKey == VK_RIGHT;
  return AKey == VK_UP || AKey == VK_DOWN;
}

void TdxBarButtonLikeControl::KeyDown(Word& AKey, TShiftState) {
  if (WantsKey(AKey)) DropDown(false);
}

void TdxBarButtonLikeControl::DoCloseUp(bool AHadSubMenu) {
  FinishSubMenuTracking();
  if (AHadSubMenu)
    if (TCustomdxBarControl* subMenu = GetSubMenuControl()) subMenu->Hide();
  Repaint();
}

void TdxBarButtonLikeControl::ControlActivate(bool AImmediately) {
  if (IsDroppedDown()) {
    FinishSubMenuTracking();
    return;
  }
  inherited::ControlActivate(AImmediately);
  if (!IsDropDown() || !CanActivate()) return;
  TCustomdxBarControl* parent = GetParent();
  TdxBarManager* manager = GetBarManager();
  bool immediately = AImmediately || (manager && manager->GetIsCustomizing());
  if (IsToolbarWindow(parent)) {
    // A toolbar button opens its menu only by click or key, or at once while the bar is downed.
    if (!(parent->GetIsCustomizing() || parent->GetIsDowned())) return;
    immediately = true;
  }
  if (!immediately) {
    StartSubMenuTracking(true);
    return;
  }
  if (TdxBarButtonLikeControl* closing = CloseTracking.Control) {
    CloseTracking.Stop();
    closing->ControlInactivate(true);
  }
  DoDropDown(true);
}

void TdxBarButtonLikeControl::ControlInactivate(bool AImmediately) {
  TCustomdxBarControl* parent = GetParent();
  TdxBarManager* manager = GetBarManager();
  const bool now = IsToolbarWindow(parent) || AImmediately || !parent ||
                   parent->ComponentState().Contains(csDestroying) || (manager && manager->GetIsCustomizing());
  if (now) {
    inherited::ControlInactivate(AImmediately);
    DoCloseUp(GetSubMenuControl() != nullptr);
  } else {
    StartSubMenuTracking(false);
  }
}

void TdxBarButtonLikeControl::ControlGetFocus(bool AByMouse, bool& AHandled) {
  if (!AByMouse) {
    inherited::ControlGetFocus(AByMouse, AHandled);
    return;
  }
  if (GetParent() && GetParent()->GetIsDowned() && IsDroppedDown()) GetParent()->BarLostFocus();
}

// ---- Button control -----------------------------------------------------------------------------------------
TdxBarButton* TdxBarButtonControl::GetButtonItem() { return dynamic_cast<TdxBarButton*>(GetItem()); }
bool TdxBarButtonControl::GetDown() { return GetButtonItem() && GetButtonItem()->GetDown(); }
bool TdxBarButtonControl::GetDropDownEnabled() { return GetButtonItem() && GetButtonItem()->GetDropDownEnabled(); }
Integer TdxBarButtonControl::GetGroupIndex() { return GetButtonItem() ? GetButtonItem()->GetGroupIndex() : 0; }
bool TdxBarButtonControl::GetLowered() { return GetButtonItem() && GetButtonItem()->GetLowered(); }

TdxBarButtonStates TdxBarButtonControl::GetInternalStates() {
  TdxBarButtonStates states;
  if (TdxBarButton* button = GetButtonItem()) {
    const TdxBarButtonStyle style = button->GetButtonStyle();
    if (style == bsChecked || style == bsCheckedDropDown) states.Include(bstChecked);
    if (style == bsDropDown || style == bsCheckedDropDown) states.Include(bstDropDown);
  }
  return states;
}

bool TdxBarButtonControl::IsDropDown() { return GetInternalStates().Contains(bstDropDown); }
Integer TdxBarButtonControl::GetPartCount() { return IsDropDown() ? 2 : 1; }

void TdxBarButtonControl::CalcParts() {
  inherited::CalcParts();
  TdxBarPainter* painter = GetPainter();
  if (!painter || GetPartCountValue() < 2) return;
  TdxBarButtonLikeControlDrawParams* params = GetButtonLikeDrawParams();
  params->IsDropDown = IsDropDown();
  TdxBarControlParts parts(static_cast<size_t>(GetPartCountValue()));
  painter->CalculateButtonParts(params, parts, GetItemBounds());
  for (Integer i = 0; i < GetPartCountValue(); ++i) SetPart(i, parts[static_cast<size_t>(i)]);
}

bool TdxBarButtonControl::MouseOverArrow() { return IsDropDown() && GetHotPartIndex() == 1; }
bool TdxBarButtonControl::ArrowPressed() { return MousePressed() && MouseOverArrow(); }

bool TdxBarButtonControl::IsPressed() {
  TCustomdxBarControl* parent = GetParent();
  return (DrawSelected() && parent && parent->GetIsActive() && MousePressed() && GetHotPartIndex() == 0) ||
         (GetPressed() && !GetInternalStates().Contains(bstChecked));
}

bool TdxBarButtonControl::IsDroppedDown() { return FDroppedDown && GetSubMenuControl(); }

TCustomdxBarControl* TdxBarButtonControl::GetSubMenuControl() {
  TdxBarButton* button = GetButtonItem();
  TdxBarItemLinks* links = button ? button->GetItemLinks() : nullptr;
  return links ? links->GetBarControl() : nullptr;
}

TCustomdxBarControl* TdxBarButtonControl::GetOwnedBarControl() { return GetSubMenuControl(); }

bool TdxBarButtonControl::GetDroppedDownFlat() {
  TdxBarPainter* painter = GetPainter();
  return painter && painter->IsFlatItemText() && FDroppedDown;
}

bool TdxBarButtonControl::IsDestroyOnClick() {
  return IsToolbarWindow(GetParent()) || (GetButtonItem() && GetButtonItem()->GetCloseSubMenuOnClick());
}

bool TdxBarButtonControl::NeedCaptureMouse() {
  return !FDroppedDown && GetParent() && GetParent()->Kind() == bkBarQuickControl;
}

bool TdxBarButtonControl::DrawSelected() {
  return (GetIsSelected() && !(GetParent() && GetParent()->GetIsCustomizing())) || GetPressed();
}

TdxBarPaintStyle TdxBarButtonControl::GetPaintStyle() {
  TdxBarPaintStyle style = GetItemLink() ? GetItemLink()->GetPaintStyle() : psStandard;
  if (IsToolbarWindow(GetParent()) && style == psStandard) style = PreparePaintStyleOnBar(style);
  return style;
}

TdxBarPaintStyle TdxBarButtonControl::PreparePaintStyleOnBar(TdxBarPaintStyle AStyle) {
  return IconAssigned(GetViewSize()) ? AStyle : psCaption;
}

TdxBarItemControlViewStructure TdxBarButtonControl::GetDefaultViewStructure() {
  const bool inMenu = GetPaintType() == ptMenu;
  switch (GetPaintStyle()) {
    case psStandard:
      if (inMenu) return {cpIcon, cpText};
      return IconAssigned(GetViewSize()) ? TdxBarItemControlViewStructure{cpIcon} : TdxBarItemControlViewStructure{cpText};
    case psCaption:
      return {cpText};
    case psCaptionInMenu:
      return inMenu ? TdxBarItemControlViewStructure{cpText} : TdxBarItemControlViewStructure{cpIcon};
    default:
      return {cpIcon, cpText};
  }
}

TdxBarItemControlViewStructure TdxBarButtonControl::GetViewStructure() {
  if (GetViewInfo()->GetViewLevel() == ivlSmallIcon) return {cpIcon};
  return inherited::GetViewStructure();
}

void TdxBarButtonControl::CalcDrawParams(bool AFull) {
  inherited::CalcDrawParams(AFull);
  if (!AFull) return;
  TdxBarButtonLikeControlDrawParams* params = GetButtonLikeDrawParams();
  params->ShortCut = ShortCutToText(GetShortCut());
  params->IsPressed = IsPressed();
  params->Downed = GetDown();
  params->DrawDownFrame = params->IsPressed;
  params->DroppedDown = FDroppedDown;
  params->DroppedDownFlat = GetDroppedDownFlat();
  params->IsButton = true;
  params->DropDownEnabled = GetDropDownEnabled();
  params->GrayScale = GrayScale();
  params->Lowered = GetLowered();
}

Integer TdxBarButtonControl::GetDefaultHeight() {
  Integer height = inherited::GetDefaultHeight();
  TdxBarPainter* painter = GetPainter();
  if (GetLowered() && painter) height += 2 * painter->LoweredBorderSize();
  return height;
}

Integer TdxBarButtonControl::GetDefaultWidth() {
  Integer width = inherited::GetDefaultWidth();
  TdxBarPainter* painter = GetPainter();
  if (painter) {
    // The painter widens a drop-down button by its arrow part.
    TdxBarButtonLikeControlDrawParams* params = GetButtonLikeDrawParams();
    params->IsDropDown = IsDropDown();
    params->PaintType = GetPaintType();
    painter->InflateSizeForArrow(params, width);
  }
  if (GetLowered() && painter) width += 2 * painter->LoweredBorderSize();
  return width;
}

Integer TdxBarButtonControl::GetSmallHeight() {
  Integer height = inherited::GetSmallHeight();
  if (GetDrawParams()->ViewStructure.Contains(cpText))
    height = std::max(height, GetRotationDependentHeight(GetDrawParams()->GlyphSize));
  return height;
}

bool TdxBarButtonControl::IsTextSelected() {
  TdxBarPainter* painter = GetPainter();
  if (!painter || !painter->IsFlatItemText()) return false;
  const bool pressed = IsPressed();
  const bool down = GetDown();
  const bool selected = DrawSelected();
  if ((pressed || (down && selected)) && painter->IsItemTextSelectedInverted()) return true;
  if (!pressed && !down && !selected) return false;
  if (IsHighContrastWhite() && !FDroppedDown) return true;
  return inherited::IsTextSelected();
}

bool TdxBarButtonControl::IsFlatText() { return !IsTextSelected() || inherited::IsFlatText(); }

void TdxBarButtonControl::PaintStyleChanged() {
  if (GetParent()) GetParent()->RepaintBar();
}

TClass TdxBarButtonControl::GetAccessibilityHelperClass() { return nullptr; }

void TdxBarButtonControl::ControlClick(bool AByMouse, Char AKey) {
  TCustomdxBarControl* parent = GetParent();
  if (!parent) return;
  const bool onToolbar = IsToolbarWindow(parent);
  // While a toolbar button is held its pressed look comes from IsPressed.
  if (onToolbar && !parent->GetIsDowned()) return;
  if (IsDropDown() && ArrowPressed())
    ControlActivate(true);
  else if (onToolbar || IsDropDown())
    Repaint();
}

void TdxBarButtonControl::ControlUnclick(bool AByMouse) {
  if (AByMouse && GetHotPartIndex() != 0) return;
  if (GetInternalStates().Contains(bstChecked))
    if (TdxBarButton* button = GetButtonItem()) button->SetDown(!button->GetDown());
  TcxObjectLinkHolder self(this);
  ControlInactivate(true);
  if (!self.Alive()) return;
  TdxBarItemControl::ControlUnclick(AByMouse);
}

void TdxBarButtonControl::DropDown(bool AByMouse) {
  inherited::DropDown(AByMouse);
  DoDropDown(AByMouse);
}

void TdxBarButtonControl::DoDropDown(bool AByMouse) {
  TdxBarButton* button = GetButtonItem();
  if (FDroppedDown || !GetEnabled() || !button || !button->GetDropDownEnabled() || !button->GetDropDownMenu()) return;
  TCustomdxBarControl* parent = GetParent();
  if (!parent) return;
  FDroppedDown = true;
  parent->MakeItemControlFullyVisible(this);
  Repaint();
  const TRect R = parent->GetItemRect(this);
  TPoint P;
  if (IsSubMenuWindow(parent) || parent->IsRealVertical()) {
    P = TPoint(R.right, R.top);
    if (IsSubMenuWindow(parent)) P.y -= parent->GetBorderSize();
  } else {
    P = TPoint(R.left, R.bottom);
  }
  if (parent->HandleAllocated()) P = parent->ClientToScreen(P);
  TcxObjectLinkHolder self(this);
  button->DoDropDown(this, P.x, P.y, AByMouse);
  if (!self.Alive()) return;
  TdxBarPainter* painter = GetPainter();
  if (painter && painter->IsDropDownRepaintNeeded()) Repaint();
}

void TdxBarButtonControl::DoCloseUp(bool AHadSubMenu) {
  FDroppedDown = false;
  inherited::DoCloseUp(AHadSubMenu);
}

void TdxBarButtonControl::ControlGetFocus(bool AByMouse, bool& AHandled) {
  TCustomdxBarControl* parent = GetParent();
  if (AByMouse && parent && parent->GetIsDowned() && IsDroppedDown() && GetHotPartIndex() == 0) {
    if (parent->GetBehaviorOptions().Contains(bboSubMenuCaptureMouse)) parent->BarLostFocus();
    parent->BarGetFocus(this);
    return;
  }
  inherited::ControlGetFocus(AByMouse, AHandled);
}

// ---- Application-menu button control --------------------------------------------------------------------------
TClass TdxBarApplicationMenuButtonControl::GetDrawParamsClass() {
  return TdxBarApplicationMenuButtonControlDrawParams::StaticClass();
}

TdxBarItemControlViewStructure TdxBarApplicationMenuButtonControl::GetDefaultViewStructure() {
  return IconAssigned(GetViewSize()) ? TdxBarItemControlViewStructure{cpIcon, cpText}
                                     : TdxBarItemControlViewStructure{cpText};
}

Integer TdxBarApplicationMenuButtonControl::InternalGetDefaultWidth() {
  const Integer width = GetItem() ? GetItem()->GetWidth() : 0;
  return width != 0 ? width : inherited::InternalGetDefaultWidth();
}

void TdxBarApplicationMenuButtonControl::CalcDrawParams(bool AFull) {
  inherited::CalcDrawParams(AFull);
  if (AFull) static_cast<TdxBarApplicationMenuButtonControlDrawParams*>(GetDrawParams())->DefaultWidth =
      InternalGetDefaultWidth();
}

void TdxBarApplicationMenuButtonControl::DoPaint(const TRect& ARect, TdxBarPaintType) {
  if (TdxBarPainter* painter = GetPainter())
    painter->ApplicationMenuDrawButton(static_cast<TdxBarApplicationMenuButtonControlDrawParams*>(GetDrawParams()),
                                       ARect);
}

void TdxBarApplicationMenuButtonControl::CaptionChanged() {
  if (GetParent()) GetParent()->FullInvalidate();
}
void TdxBarApplicationMenuButtonControl::GlyphChanged() {
  if (GetParent()) GetParent()->FullInvalidate();
}
void TdxBarApplicationMenuButtonControl::VisibleChanged() {
  if (GetParent()) GetParent()->FullInvalidate();
}
void TdxBarApplicationMenuButtonControl::WidthChanged() {
  if (GetParent()) GetParent()->FullInvalidate();
}

}  // namespace dxBar
