// The flat and Office 2003 painters' metrics, flags, colours and brushes.
#include "WinGdi.h"
#include "WinMetrics.h"
#include "WinUserDraw.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {
TRect SameAmount(Integer AAmount) { return TRect(AAmount, AAmount, AAmount, AAmount); }
}  // namespace

// ---- Flat ------------------------------------------------------------------------------------------------
Integer TdxBarFlatPainter::GetBorderSize() { return 1; }
Integer TdxBarFlatPainter::LoweredBorderSize() { return 1; }
Integer TdxBarFlatPainter::BeforeFingersSize() { return 1; }
Integer TdxBarFlatPainter::FingersSize() { return GripperSize() + BeforeFingersSize() + 2; }
bool TdxBarFlatPainter::IsFlatGlyphImage() { return true; }
bool TdxBarFlatPainter::IsFlatItemText() { return true; }
bool TdxBarFlatPainter::IsGlyphImageHasShadow() { return true; }
bool TdxBarFlatPainter::BarChildrenHaveShadows() { return true; }
bool TdxBarFlatPainter::IsQuickControlPopupOnRight() { return true; }
bool TdxBarFlatPainter::IsDateNavigatorFlat() { return true; }
// The arrow part loses the pixel the three-dimensional edge took.
Integer TdxBarFlatPainter::RealButtonArrowWidth(TdxBarManager* ABarManager) {
  return TdxBarPainter::RealButtonArrowWidth(ABarManager) - 1;
}
Integer TdxBarFlatPainter::RealLargeButtonArrowWidth(TdxBarManager* ABarManager) {
  return TdxBarPainter::RealLargeButtonArrowWidth(ABarManager) - 1;
}
Integer TdxBarFlatPainter::SubMenuBeginGroupIndent() { return 8; }
HBRUSH TdxBarFlatPainter::BarToolbarBrush() { return dxBarToolbarsBrushes().Face; }
HBRUSH TdxBarFlatPainter::BarToolbarDownedBrush() { return dxBarToolbarsBrushes().Downed; }
HBRUSH TdxBarFlatPainter::BarToolbarDownedSelBrush() { return dxBarToolbarsBrushes().DownedSel; }
HBRUSH TdxBarFlatPainter::BarToolbarSelBrush() { return dxBarToolbarsBrushes().Selected; }
HBRUSH TdxBarFlatPainter::SubMenuControlToolbarItemsBrush() { return GetSysColorBrush(COLOR_WINDOW); }
Integer TdxBarFlatPainter::BarBeginGroupSize() { return 5; }
Integer TdxBarFlatPainter::BarBeginGroupSideSize() { return (BarBeginGroupSize() - 1) / 2; }
void TdxBarFlatPainter::CorrectButtonControlDefaultHeight(Integer& AHeight) { AHeight += 2; }
void TdxBarFlatPainter::CorrectButtonControlDefaultWidth(Integer& AWidth) { AWidth += 9; }
Integer TdxBarFlatPainter::SubMenuControlArrowsOffset() { return 1; }
Integer TdxBarFlatPainter::SubMenuControlBeginGroupSize() { return 5; }
// An even size keeps the flat sub-menu arrow symmetric about its middle row.
Integer TdxBarFlatPainter::SubMenuControlMarkArrowSize(Integer AHeight) {
  Integer size = (AHeight - 4) / 2;
  if (size > 4 && size % 2 == 1) --size;
  return size;
}
Integer TdxBarFlatPainter::SubMenuControlNormalItemHeight() { return 20; }
void TdxBarFlatPainter::SubMenuControlOffsetDetachCaptionRect(TRect& R) { InflateRect(&R, -2, -2); }
TColor TdxBarFlatPainter::BarCaptionBkColor(bool) { return clInactiveCaption; }
TRect TdxBarFlatPainter::EditControlBorderOffsets() { return SameAmount(1); }
Integer TdxBarFlatPainter::EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams*) { return 6; }
Integer TdxBarFlatPainter::EditControlCaptionRightIndent() { return 5; }
TRect TdxBarFlatPainter::EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams*) { return TRect(7, 0, 0, 0); }
Integer TdxBarFlatPainter::ContainerControlSubMenuOffset() { return 9; }
// Menu rows: the text starts further from the glyph column, whose icon cell keeps a pixel free all round.
Integer TdxBarFlatPainter::TextAreaOffset(TdxBarItemControl* AControl) {
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  return parent && parent->Kind() == bkSubMenu ? parent->GetTextSize() + 3 : 0;
}
TRect TdxBarFlatPainter::SubMenuControlGetItemIconRect(const TRect& AItemRect, Integer AWidth) {
  TRect R = TdxBarPainter::SubMenuControlGetItemIconRect(AItemRect, AWidth);
  InflateRect(&R, -1, -1);
  return R;
}
TRect TdxBarFlatPainter::SubMenuControlGetItemTextRect(TdxBarItemControl* AControl, const TRect& AItemRect) {
  TRect R = TdxBarPainter::SubMenuControlGetItemTextRect(AControl, AItemRect);
  InflateRect(&R, 0, -1);
  return R;
}
Integer TdxBarFlatPainter::SubMenuControlGetItemTextIndent(TdxBarItemControl* AControl) {
  return TdxBarPainter::SubMenuControlGetItemTextIndent(AControl) + 6;
}
// The detach caption's area is the caption and one pixel (the base leaves three).
Integer TdxBarFlatPainter::SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl) {
  return TdxBarPainter::SubMenuControlDetachCaptionAreaSize(ABarSubMenuControl) - 2;
}
Integer TdxBarFlatPainter::SubMenuControlTextSize(cxGraphics::TcxCanvas* ACanvas) {
  return TdxBarPainter::SubMenuControlTextSize(ACanvas) + 1;
}
HBRUSH TdxBarFlatPainter::BarToolbarBrushEx(TCustomdxBarControl* ABarControl) {
  if (ABarControl && (ABarControl->GetIsMainMenu() || ABarControl->GetIsStatusBar()))
    return GetSysColorBrush(COLOR_BTNFACE);
  return TdxBarPainter::BarToolbarBrushEx(ABarControl);
}
HBRUSH TdxBarFlatPainter::BarToolbarBrushEx2(TCustomdxBarControl*) { return GetSysColorBrush(COLOR_WINDOW); }
bool TdxBarFlatPainter::EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  return ADrawParams->PaintType == ptMenu && (ADrawParams->DrawSelected || (control && control->GetNonRecent()));
}
bool TdxBarFlatPainter::InPlaceSubItemControlIsFlatItemText(TdxBarInPlaceSubItemControlDrawParams* ADrawParams) {
  return TdxBarPainter::InPlaceSubItemControlIsFlatItemText(ADrawParams) && IsFlatItemTextForMenu();
}
// The floating caption starts two pixels further in and ends at the mark.
void TdxBarFlatPainter::BarOffsetFloatingBarCaption(TCustomdxBarControl* ABarControl, Integer& X, TRect& R) {
  TdxBarPainter::BarOffsetFloatingBarCaption(ABarControl, X, R);
  X += 2;
  if (ABarControl && ABarControl->MarkExists()) R.right = BarMarkRect(ABarControl).left;
}

// A menu row's caption starts further in; other controls keep half the font's height.
Integer TdxBarFlatPainter::GetControlCaptionOffset(TdxBarItemControl* AControl) {
  return AControl && AControl->IsMenuItem() ? 8 : TdxBarPainter::GetControlCaptionOffset(AControl);
}
TColor TdxBarFlatPainter::BarMarkArrowColor(TdxBarMarkState AState) {
  return AState == msNone ? TdxBarPainter::BarMarkArrowColor(AState) : clBtnText;
}
TColor TdxBarFlatPainter::GetDrawMarkElementColor(TdxBarMarkState AState) {
  return AState == msSelected && dxOffice11::IsHighContrastWhite() ? clBtnFace : clBtnText;
}
bool TdxBarFlatPainter::EditControlGlyphIsDrawSelected(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->DrawSelected && ADrawParams->PaintType == ptMenu;
}
bool TdxBarFlatPainter::HasEditControlExternalFrame(TdxBarPaintType APaintType, bool ATransparent) {
  return ATransparent && APaintType == ptMenu;
}
// The arrow of a selected combo turns to the highlight text while its list is open (or always in the
// high-contrast white scheme); a disabled one greys out.
TColor TdxBarFlatPainter::ComboControlArrowColor(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (ADrawParams->DrawSelected && (ADrawParams->DroppedDown || dxOffice11::IsHighContrastWhite()))
    return clHighlightText;
  if (!ADrawParams->Enabled && !ADrawParams->DrawSelected) return clBtnShadow;
  return clBtnText;
}
// A caption beside an icon in a menu starts where the menu's row texts start.
Integer TdxBarFlatPainter::EditControlCaptionRelativeLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  if (!menu) return TdxBarPainter::EditControlCaptionRelativeLeftIndent(ADrawParams);
  return SubMenuControlGetItemTextIndent(control) - menu->GetIconAreaSize();
}
HBRUSH TdxBarFlatPainter::EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl) {
  return dxBarEditCaptionBrush(AControl, AControl->GetDrawParams());
}
// The arrow of an in-place sub-item keeps the text colour on a selected row, except in the
// high-contrast white scheme.
bool TdxBarFlatPainter::InPlaceSubItemControlIsArrowSelected(TdxBarInPlaceSubItemControlDrawParams* ADrawParams) {
  return !ADrawParams->DrawSelected || dxOffice11::IsHighContrastWhite();
}

// ---- Office 2003 -----------------------------------------------------------------------------------------
Integer TdxBarOffice11Painter::BarBeforeFingersIndent() { return 2; }
bool TdxBarOffice11Painter::IsFlatGlyphImage() { return false; }
bool TdxBarOffice11Painter::IsGlyphImageHasShadow() { return false; }
bool TdxBarOffice11Painter::IgnoreNonRecentColor() { return true; }
bool TdxBarOffice11Painter::IsNativeBackground() { return true; }
bool TdxBarOffice11Painter::SubMenuControlHasBand() { return true; }
// The visual-style schemes keep the text colour on a selected item; the others invert it.
bool TdxBarOffice11Painter::IsItemTextSelectedInverted() { return !dxOffice11::IsXPStandardScheme(); }
Integer TdxBarOffice11Painter::BorderSizeX() { return 3; }
Integer TdxBarOffice11Painter::BorderSizeY() { return 3; }
Integer TdxBarOffice11Painter::EmptyFingersSize() { return 2; }
Integer TdxBarOffice11Painter::BeforeFingersSize() { return TdxBarFlatPainter::BeforeFingersSize() + BarBeforeFingersIndent(); }
Integer TdxBarOffice11Painter::ComboBoxArrowWidth(Integer) { return 13; }
HBRUSH TdxBarOffice11Painter::BarToolbarBrush() { return dxOffice11::dxOffice11MenuBrush; }
HBRUSH TdxBarOffice11Painter::BarToolbarDownedBrush() { return dxOffice11::dxOffice11DownedBrush; }
HBRUSH TdxBarOffice11Painter::BarToolbarDownedSelBrush() { return dxOffice11::dxOffice11DownedSelectedBrush; }
HBRUSH TdxBarOffice11Painter::BarToolbarSelBrush() { return dxOffice11::dxOffice11ToolbarSelectedBrush; }
HBRUSH TdxBarOffice11Painter::SubMenuControlToolbarItemsBrush() { return dxOffice11::dxOffice11MenuBrush; }
TColor TdxBarOffice11Painter::BarCaptionBkColor(bool) { return dxOffice11::dxOffice11BarFloatingCaptionColor; }
TColor TdxBarOffice11Painter::BarCaptionColor() { return dxOffice11::dxOffice11BarFloatingCaptionTextColor1; }
TColor TdxBarOffice11Painter::EditGetDisabledTextColor() { return dxOffice11::dxOffice11TextDisabledColor; }
TColor TdxBarOffice11Painter::DateNavigatorHeaderColor() { return dxOffice11::dxOffice11DateHeaderColor; }
HBRUSH TdxBarOffice11Painter::InPlaceSubItemControlBrush() { return dxOffice11::dxOffice11InPlaceSubItemBrush; }
void TdxBarOffice11Painter::SubMenuControlOffsetDetachCaptionRect(TRect& R) { InflateRect(&R, -2, -4); }
// The detach caption's area is the caption and five pixels.
Integer TdxBarOffice11Painter::SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl) {
  return TdxBarPainter::SubMenuControlDetachCaptionAreaSize(ABarSubMenuControl) + 2;
}
bool TdxBarOffice11Painter::EditControlShowIconDefault(TdxBarPaintType APaintType) { return APaintType == ptMenu; }
// Without an icon, a caption in a menu lines up with the menu's row texts.
Integer TdxBarOffice11Painter::EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  if (!control) return TdxBarFlatPainter::EditControlCaptionAbsoluteLeftIndent(ADrawParams);
  return ADrawParams->PaintType == ptMenu ? SubMenuControlGetItemTextIndent(control) : control->GetTextAreaOffset();
}
TRect TdxBarOffice11Painter::EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  if (!menu) return TdxBarFlatPainter::EditControlSubMenuGlyphIndents(ADrawParams);
  return TRect(menu->GetIconAreaSize() - control->GetGlyphSize(ADrawParams->ViewSize).cx, 0, 0, 0);
}
// The disabled and the hot edit buttons are filled by the look; the others by the edit.
bool TdxBarOffice11Painter::EditButtonIsCustomBackground(Integer AState) { return AState == 0 || AState == 3; }
// A progress bar in a menu without an icon starts past the glyph column's gradient.
Integer TdxBarOffice11Painter::ProgressControlIndent(TdxBarProgressControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  if (!menu || ADrawParams->PaintType != ptMenu || ADrawParams->ViewStructure.Contains(cpIcon)) return 0;
  return menu->GetIconAreaSize();
}
TColor TdxBarOffice11Painter::ComboControlArrowColor(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (!ADrawParams->Enabled) return dxOffice11::dxOffice11TextDisabledColor;
  if (ADrawParams->DrawSelected) {
    if (dxOffice11::IsHighContrastWhite()) return clWhite;
    if (ADrawParams->DroppedDown && !dxOffice11::IsXPStandardScheme()) return clHighlightText;
  }
  return dxOffice11::dxOffice11TextEnabledColor;
}
bool TdxBarOffice11Painter::EditControlCaptionBackgroundIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->PaintType == ptMenu && ADrawParams->DrawSelected;
}
bool TdxBarOffice11Painter::EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return EditControlCaptionBackgroundIsOpaque(ADrawParams);
}

}  // namespace dxBar
