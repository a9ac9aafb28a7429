// The item control's life, its look-ups through the link and the bar window, its selection and
// hot-tracking state, hints and the change notices its item and link send.
#include "dxBarItemControl.h"

#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarItemControl)

TdxBarItemControl* TdxBarItemControl::Create(TClass AClass, TdxBarItemLink* AItemLink) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* control = static_cast<TdxBarItemControl*>(AClass->NewInstance());
  control->FItemLink = AItemLink;
  return static_cast<TdxBarItemControl*>(TObject::Initialize(control));
}

void TdxBarItemControl::Construct() {
  inherited::Construct();
  FParent = FItemLink ? FItemLink->GetBarControl() : nullptr;
  FDrawParams = static_cast<TdxBarItemControlDrawParams*>(GetDrawParamsClass()->Create());
  FDrawParams->BarItemControl = this;
  FCachedImage = New<TdxCachedImageOptions>();
  FViewInfo = TdxBarItemControlViewInfo::Create(GetViewInfoClass(), this);
  CalcDrawingConsts();
  FHotPartIndex = -1;
  CalcDrawParams(true);
  if (FParent) FViewInfo->SetViewLevel(FParent->GetItemControlDefaultViewLevel(this));
}

void TdxBarItemControl::Destroy() {
  FAccessibilityHelper = nullptr;
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetSelectedItem() == this) manager->SetSelectedItem(nullptr);
  TdxBarItemLink* link = FItemLink;
  if (link && link->GetControl() == this) link->ControlDestroyed();
  if (FParent && !FParent->ComponentState().Contains(csDestroying) && FParent->GetSelectedControl() == this &&
      !(manager && manager->GetIsCustomizing())) {
    if (!link || link->GetVisibleIndex() == -1)
      FParent->SetSelectedControl(nullptr);
    else
      FParent->SetMouseSelectedItem(nullptr);
  }
  if (FParent) FParent->ItemControlGone(link);
  if (FBkBrush) {
    DeleteObject(FBkBrush);
    FBkBrush = nullptr;
  }
  cxClearObjectLinks(this);
  FreeAndNil(FViewInfo);
  FreeAndNil(FCachedImage);
  FreeAndNil(FDrawParams);
  inherited::Destroy();
}

// ---- Look-ups -----------------------------------------------------------------------------------------------
TdxBarItem* TdxBarItemControl::GetItem() { return FItemLink ? FItemLink->GetItem() : nullptr; }

TdxBarManager* TdxBarItemControl::GetBarManager() { return FItemLink ? FItemLink->GetBarManager() : nullptr; }

cxGraphics::TcxCanvas* TdxBarItemControl::GetCanvas() {
  if (FPaintCanvas) return FPaintCanvas;
  return FParent ? FParent->GetCanvas() : nullptr;
}

bool TdxBarItemControl::GetFlat() { return FParent && FParent->GetFlat(); }

HBRUSH TdxBarItemControl::GetBkBrush() {
  if (FBkBrush) return FBkBrush;
  return FParent ? FParent->GetToolbarBrush() : nullptr;
}

// Painters are stateless; a control not yet on a bar window measures with the base painter.
TdxBarPainter* TdxBarItemControl::GetPainter() {
  if (FParent) return FParent->GetPainter();
  return static_cast<TdxBarPainter*>(ClassInstance(TdxBarPainter::StaticClass()));
}

TClass TdxBarItemControl::GetPainterClass() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->ClassType() : nullptr;
}

TdxBarPaintType TdxBarItemControl::GetPaintType() { return FParent ? FParent->GetPaintType() : ptHorz; }

TdxFader* TdxBarItemControl::GetFader() { return FParent ? FParent->GetFader() : nullptr; }

TdxBarMenuItemSize TdxBarItemControl::GetMenuItemSize() {
  TdxBarItemLinks* links = FItemLink ? FItemLink->GetCollection() : nullptr;
  return links ? links->GetItemSize() : misNormal;
}

bool TdxBarItemControl::GetShowDescription() {
  TdxBarItemLinks* links = FItemLink ? FItemLink->GetCollection() : nullptr;
  return GetMenuItemSize() == misLarge && links && links->GetItemShowDescriptions();
}

bool TdxBarItemControl::CanShowShortCut() {
  TdxBarItemLinks* links = FItemLink ? FItemLink->GetCollection() : nullptr;
  return links && links->GetItemShowShortCuts();
}

bool TdxBarItemControl::IsRotated() { return FParent && FParent->IsVertical(); }
bool TdxBarItemControl::HasShadow() { return FParent && FParent->ChildrenHaveShadows(); }
TObject* TdxBarItemControl::GetSelectableObject() { return FItemLink; }
TRect TdxBarItemControl::GetItemBounds() { return FItemLink ? FItemLink->GetItemRect() : TRect(); }
String TdxBarItemControl::GetCaption() { return FItemLink ? FItemLink->GetCaption() : String(); }
String TdxBarItemControl::GetHint() { return GetItem() ? GetItem()->GetHint() : String(); }
TShortCut TdxBarItemControl::GetShortCut() { return GetItem() ? GetItem()->GetShortCut() : 0; }
Integer TdxBarItemControl::GetImageIndex() { return GetItem() ? GetItem()->GetImageIndex() : -1; }
TBitmap* TdxBarItemControl::GetLargeGlyph() { return GetItem() ? GetItem()->GetLargeGlyph() : nullptr; }
Integer TdxBarItemControl::GetLargeImageIndex() { return GetItem() ? GetItem()->GetLargeImageIndex() : -1; }
TBitmap* TdxBarItemControl::GetGlyph() { return FItemLink ? FItemLink->GetGlyph() : nullptr; }

ImgList::TCustomImageList* TdxBarItemControl::GetHotImages() {
  return GetBarManager() ? GetBarManager()->GetHotImages() : nullptr;
}

Integer TdxBarItemControl::GetTextAreaOffset() {
  // In a menu the text starts one text size further right; the painter's own offset comes with its
  // menu drawing.
  return FParent && FParent->Kind() == bkSubMenu ? FParent->GetTextSize() + 1 : 0;
}

TRect TdxBarItemControl::GetIndents() {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->ItemControlGetIndents() : TRect();
}

void TdxBarItemControl::FrameAndFillRect(HDC DC, const TRect& R, bool APressed, bool ASelected, bool AEnabled) {
  if (TdxBarPainter* painter = GetPainter()) painter->FrameAndFillRect(this, DC, R, APressed, ASelected, AEnabled);
}

IdxBarAccessibilityHelper* TdxBarItemControl::GetIAccessibilityHelper() { return FAccessibilityHelper; }

bool TdxBarItemControl::IsChildWindow(HWND AWnd) {
  if (!FParent || !FParent->HandleAllocated() || !AWnd) return false;
  return AWnd == FParent->GetHandle() || IsChild(FParent->GetHandle(), AWnd);
}

TdxBarItemAlign TdxBarItemControl::GetAlign() {
  TdxBarItemAlign align = GetItem() ? GetItem()->GetAlign() : iaLeft;
  if (align != iaLeft && FParent && !FParent->CanAlignControl(this)) align = iaLeft;
  return align;
}

void TdxBarItemControl::Repaint() {
  if (FParent) FParent->UpdateItem(this);
}

IdxBarItemControlViewInfo* TdxBarItemControl::GetIViewInfo() { return FViewInfo; }

// ---- Base answers -------------------------------------------------------------------------------------------
bool TdxBarItemControl::GetEnabled() { return GetItem() && GetItem()->GetEnabled(); }
bool TdxBarItemControl::CanBePartOfButtonGroup() { return false; }
bool TdxBarItemControl::CanClicked() { return true; }
bool TdxBarItemControl::CanHide() { return true; }
bool TdxBarItemControl::CanDeselect() { return CanHide(); }
bool TdxBarItemControl::CanMouseSelect() { return CanSelect(); }
bool TdxBarItemControl::CanSelect() { return !IsSelectionForbidden(); }

bool TdxBarItemControl::IsSelectionForbidden() {
  if (!FParent || !FParent->GetIsCustomizing()) return false;
  TdxBarItem* item = GetItem();
  TdxBarManager* own = FParent->GetBarManager();
  TdxBarManager* itemManager = item ? item->GetBarManager() : nullptr;
  return itemManager != own && !(own && own->ComponentState().Contains(csAncestor));
}

bool TdxBarItemControl::CanCustomize() {
  TdxBarItem* item = GetItem();
  TdxBarManager* manager = FParent ? FParent->GetBarManager() : GetBarManager();
  if (!item) return false;
  return item->GetBarManager() == manager || (manager && manager->ComponentState().Contains(csAncestor));
}

bool TdxBarItemControl::WantsKey(Word) { return false; }
Integer TdxBarItemControl::GetPartCount() { return 1; }
TWinControl* TdxBarItemControl::GetControl() { return nullptr; }
bool TdxBarItemControl::GrayScale() { return false; }
TdxBarItemControlViewStructure TdxBarItemControl::GetDefaultViewStructure() { return {}; }
Integer TdxBarItemControl::GetMinHeight() { return 1; }
Integer TdxBarItemControl::GetMinWidth() { return 1; }
Integer TdxBarItemControl::GetControlAreaWidth() { return 0; }
TCustomdxBarControl* TdxBarItemControl::GetOwnedBarControl() { return nullptr; }
bool TdxBarItemControl::IsTransparentOnGlass() { return true; }
bool TdxBarItemControl::IsDestroyOnClick() { return true; }
bool TdxBarItemControl::IsDropDown() { return false; }
bool TdxBarItemControl::IsEditTransparent() { return false; }
bool TdxBarItemControl::IsExpandable() { return false; }
bool TdxBarItemControl::IsHiddenForCustomization() { return false; }
bool TdxBarItemControl::IsInvertTextColor() { return false; }
bool TdxBarItemControl::IsMenuItem() { return false; }
bool TdxBarItemControl::NeedCaptureMouse() { return false; }
bool TdxBarItemControl::CanResize(const TPoint&) { return false; }
bool TdxBarItemControl::HasWindow() { return false; }
bool TdxBarItemControl::IsDroppedDown() { return false; }
void TdxBarItemControl::BeforeDestroyParentHandle() {}
void TdxBarItemControl::HotGlyphChanged() {}
void TdxBarItemControl::PaintStyleChanged() {}
void TdxBarItemControl::ParentVisibleChange(bool) {}
void TdxBarItemControl::RealVisibleChanging(bool) {}
void TdxBarItemControl::ControlClick(bool, Char) {}
void TdxBarItemControl::DoPaint(const TRect&, TdxBarPaintType) {}
void TdxBarItemControl::BeginResize(const TPoint&) {}
void TdxBarItemControl::EndResize(bool) {}
void TdxBarItemControl::Resizing(const TPoint&) {}
void TdxBarItemControl::DblClick() {}
void TdxBarItemControl::KeyDown(Word&, TShiftState) {}
void TdxBarItemControl::KeyUp(Word&, TShiftState) {}
void TdxBarItemControl::KeyPress(Char&) {}
void TdxBarItemControl::MouseDown(TMouseButton, TShiftState, Integer, Integer) {}
void TdxBarItemControl::MouseUp(TMouseButton, TShiftState, Integer, Integer) {}
TRect TdxBarItemControl::GetNonBufferedRect() { return TRect(); }
TClass TdxBarItemControl::GetAccessibilityHelperClass() { return nullptr; }
TClass TdxBarItemControl::GetViewInfoClass() { return TdxBarItemControlViewInfo::StaticClass(); }
TClass TdxBarItemControl::GetDrawParamsClass() { return TdxBarItemControlDrawParams::StaticClass(); }

bool TdxBarItemControl::WantsDblClick() {
  TdxBarManager* manager = GetBarManager();
  return (manager && manager->GetDesigning()) || IsExpandable();
}

bool TdxBarItemControl::HotPartWantMouse() { return CanSelect() || CanClicked(); }

// ---- Selection and activation -------------------------------------------------------------------------------
bool TdxBarItemControl::GetIsSelected() {
  return FParent && FParent->GetSelectedControl() == this && (GetEnabled() || !FSelectedByMouse);
}

bool TdxBarItemControl::DrawSelected() { return GetIsSelected(); }

void TdxBarItemControl::ControlActivate(bool) { FActive = true; }
void TdxBarItemControl::ControlInactivate(bool) { FActive = false; }

void TdxBarItemControl::ControlGetFocus(bool, bool&) {
  if (!FParent) return;
  FParent->SetIsDowned(false);
  FParent->SetKeySelectedItem(this);
}

void TdxBarItemControl::SetPressed(bool Value) {
  if (FPressed == Value) return;
  FPressed = Value;
  PressedChanged();
}

// ---- Parts and hot-tracking ---------------------------------------------------------------------------------
void TdxBarItemControl::CalcParts() {
  FParts.assign(static_cast<size_t>(std::max(GetPartCount(), 0)), GetItemBounds());
}

void TdxBarItemControl::DoCalculateParts() {
  CalcDrawParams(false);
  CalcParts();
}

void TdxBarItemControl::PartsChanged() {
  DoCalculateParts();
  Repaint();
}

Integer TdxBarItemControl::FindPartAtPos(const TPoint& P) {
  const TRect bounds = GetItemBounds();
  if (!PtInRect(&bounds, P)) return -1;
  for (size_t i = 0; i < FParts.size(); ++i)
    if (PtInRect(&FParts[i], P)) return static_cast<Integer>(i);
  return 100;
}

void TdxBarItemControl::CheckHotTrack(const TPoint& P) {
  if (!GetEnabled()) {
    FHotPartIndex = -1;
    return;
  }
  const Integer part = FindPartAtPos(P);
  if (part == FHotPartIndex) return;
  FHotPartIndex = part;
  Repaint();
}

void TdxBarItemControl::MouseEnter(const TPoint& P) { CheckHotTrack(P); }
void TdxBarItemControl::MouseMove(TShiftState, Integer X, Integer Y) { CheckHotTrack(TPoint(X, Y)); }
void TdxBarItemControl::MouseLeave() { CheckHotTrack(TPoint(-1, -1)); }

// ---- Hints --------------------------------------------------------------------------------------------------
bool TdxBarItemControl::DoHint(bool& ANeedDeactivate, String& AHintText, String& AShortCut) {
  ANeedDeactivate = false;
  AHintText.clear();
  AShortCut.clear();
  if (!FParent || !FParent->CanShowHint() || FParent->ItemAtMousePos() != this) return false;
  const String hint = GetHint();
  const size_t bar = hint.find('|');
  AHintText = bar == String::npos ? hint : hint.substr(0, bar);
  if (GetShortCut() != 0) AShortCut = " (" + ShortCutToText(GetShortCut()) + ")";
  if (TdxBarItem* item = GetItem())
    if (auto* action = dynamic_cast<TCustomAction*>(item->GetAction())) {
      String actionHint = AHintText;
      if (!action->DoHint(actionHint)) {
        ANeedDeactivate = true;
        return false;
      }
      AHintText = actionHint;
    }
  return true;
}

TdxBarCustomHintViewInfo* TdxBarItemControl::CreateHintViewInfo(const String& AHintText, const String& AShortCut) {
  if (!FParent) return nullptr;
  return FParent->CreateHintViewInfo(AHintText, AShortCut, GetItem() ? GetItem()->GetScreenTip() : nullptr);
}

TPoint TdxBarItemControl::GetHintPosition(const TPoint& ACursorPos, Integer AHeight) {
  return FParent ? FParent->GetHintPosition(ACursorPos, AHeight) : ACursorPos;
}

bool TdxBarItemControl::HasHint() { return !GetHint().empty() && FParent && FParent->Kind() == bkBarControl; }

// ---- Change notices -----------------------------------------------------------------------------------------
void TdxBarItemControl::BeginGroupChanged() {
  if (FParent) FParent->RepaintBar();
}

void TdxBarItemControl::VisibleChanged() {
  if (FParent) FParent->RepaintBar();
}

void TdxBarItemControl::CaptionChanged() {
  if (!FParent) return;
  if (GetItem() && GetItem()->GetAlign() == iaClient &&
      FParent->GetBehaviorOptions().Contains(bboExtendItemWhenAlignedToClient))
    Repaint();
  else
    FParent->RepaintBar();
}

void TdxBarItemControl::EnabledChanged() {
  if (!GetEnabled() && FParent && FParent->GetSelectedControl() == this) FParent->SetSelectedControl(nullptr);
  Repaint();
}

void TdxBarItemControl::GlyphChanged() {
  if (!FParent) return;
  const bool hadIcon = FDrawParams->ViewStructure.Contains(cpIcon);
  const bool levelsChanged = GetViewLevels() != FViewInfo->GetAllowedViewLevels();
  CalcDrawParams(false);
  if (levelsChanged || hadIcon != FDrawParams->ViewStructure.Contains(cpIcon))
    FParent->RepaintBar();
  else
    Repaint();
}

void TdxBarItemControl::LargeGlyphChanged() {
  if (!FParent || GetViewSize() == cvsSmall) return;
  if (FParent->Kind() == bkSubMenu)
    Repaint();
  else
    FParent->RepaintBar();
}

void TdxBarItemControl::PressedChanged() {
  if (!FPressed) Repaint();
}

void TdxBarItemControl::WidthChanged() {
  if (FParent && FParent->Kind() == bkBarControl) FParent->RepaintBar();
}

void TdxBarItemControl::ResetCachedValues(bool AResetViewInfo) {
  FCachedImage->Reset();
  if (AResetViewInfo) FViewInfo->ResetCachedValues();
}

}  // namespace dxBar
