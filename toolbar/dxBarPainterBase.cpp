// The base bar painter's plain values: the metrics, predicates, colours and brushes that every look
// inherits unless it changes them. None of them reads the painter object.
#include "dxBarPainter.h"

#include "WinMetrics.h"
#include "WinUserDraw.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarManager.h"
#include "dxOffice11.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarPainter)
IMPLEMENT_CLASS(TdxBarStandardPainter)
IMPLEMENT_CLASS(TdxBarEnhancedPainter)
IMPLEMENT_CLASS(TdxBarFlatPainter)
IMPLEMENT_CLASS(TdxBarOffice11Painter)
IMPLEMENT_CLASS(TdxBarXPPainter)

namespace {
TRect Amounts(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  return TRect(ALeft, ATop, ARight, ABottom);
}
TRect SameAmount(Integer AAmount) { return Amounts(AAmount, AAmount, AAmount, AAmount); }
}  // namespace

// ---- Toolbar frame and general ---------------------------------------------------------------------------
bool TdxBarPainter::IsCompoundPainting() { return false; }
bool TdxBarPainter::AllowLargeIcons() { return true; }
Integer TdxBarPainter::GetToolbarsOffsetForAutoAlign() { return 0; }
Integer TdxBarPainter::GetBorderSize() { return 0; }
Integer TdxBarPainter::GetPopupWindowBorderWidth() { return 2; }
TPoint TdxBarPainter::GetBarItemContolHintPosition(const TPoint& ACursorPos) {
  return TPoint(ACursorPos.x, ACursorPos.y + 20);
}

// ---- Toolbar caption and mark ----------------------------------------------------------------------------
bool TdxBarPainter::BarIsBarSmall(const TRect& R) { return R.Height() <= 16; }
TColor TdxBarPainter::BarCaptionBkColor(bool AActive) { return AActive ? clActiveCaption : clInactiveCaption; }
TColor TdxBarPainter::BarCaptionColor() { return clCaptionText; }
TColor TdxBarPainter::BarMarkArrowColor(TdxBarMarkState) { return clCaptionText; }
TColor TdxBarPainter::GetDrawMarkElementColor(TdxBarMarkState) { return clBtnText; }
Integer TdxBarPainter::MarkSizeX() { return 11; }

// ---- Text layout and glyph flags -------------------------------------------------------------------------
TRect TdxBarPainter::GetControlTextIndents() { return Amounts(4, 0, 0, 0); }
Integer TdxBarPainter::GetDotSpaceAfter(Integer ADotSize) { return ADotSize; }
TRect TdxBarPainter::GetCaptionOffsets() { return Amounts(2, 2, 2, 3); }
Integer TdxBarPainter::GlyphDownShift() { return 0; }
Integer TdxBarPainter::GlyphDrawDownedShift(bool) { return 0; }
Integer TdxBarPainter::LoweredBorderSize() { return 0; }
bool TdxBarPainter::IsFlatGlyphImage() { return false; }
bool TdxBarPainter::IsFlatItemText() { return false; }
// Flat menu text gives way to the system's colours in the high-contrast white scheme.
bool TdxBarPainter::IsFlatItemTextForMenu() { return IsFlatItemText() && !dxOffice11::IsHighContrastWhite(); }
bool TdxBarPainter::IsCustomSelectedTextColorExists() { return false; }
bool TdxBarPainter::IsGlyphImageHasShadow() { return false; }
bool TdxBarPainter::IsItemTextSelectedInverted() { return true; }
bool TdxBarPainter::IgnoreGlyphOpaque() { return false; }
bool TdxBarPainter::IgnoreNonRecentColor() { return false; }
bool TdxBarPainter::IsMenuItem(TdxBarItemControl*) { return false; }
bool TdxBarPainter::UseTextColorForItemArrow() { return false; }

// ---- Grips, borders and arrow widths ---------------------------------------------------------------------
Integer TdxBarPainter::BeforeFingersSize() { return 0; }
Integer TdxBarPainter::EmptyFingersSize() { return 0; }
Integer TdxBarPainter::FingersSize() { return 0; }
Integer TdxBarPainter::GripperSize() { return 3; }
Integer TdxBarPainter::BorderSizeX() { return GetSystemMetrics(SM_CXSIZEFRAME); }
Integer TdxBarPainter::BorderSizeY() { return GetSystemMetrics(SM_CYSIZEFRAME); }
// An odd width keeps the arrow's point on a pixel of its own, centred in the arrow part.
Integer TdxBarPainter::RealButtonArrowWidth(TdxBarManager* ABarManager) {
  Integer width = ABarManager->GetButtonArrowWidth();
  if (ABarManager->GetLargeIcons()) width *= 2;
  if (width % 2 == 0) ++width;
  return width;
}
Integer TdxBarPainter::RealLargeButtonArrowWidth(TdxBarManager* ABarManager) {
  return ABarManager->GetLargeButtonArrowWidth();
}
Integer TdxBarPainter::SubMenuBeginGroupIndent() { return 0; }

// ---- Docks, shadows and bar brushes ----------------------------------------------------------------------
bool TdxBarPainter::IsNativeBackground() { return false; }
bool TdxBarPainter::BarChildrenHaveShadows() { return false; }
Integer TdxBarPainter::BarDockedGetRowIndent() { return 0; }
HBRUSH TdxBarPainter::BarToolbarBrush() { return GetSysColorBrush(COLOR_BTNFACE); }
HBRUSH TdxBarPainter::BarToolbarDownedBrush() { return GetPatternBrush(); }
HBRUSH TdxBarPainter::BarToolbarDownedSelBrush() { return GetSysColorBrush(COLOR_BTNFACE); }
HBRUSH TdxBarPainter::BarToolbarSelBrush() { return GetSysColorBrush(COLOR_HIGHLIGHT); }

// ---- Toolbars: behaviour and sizes -----------------------------------------------------------------------
Integer TdxBarPainter::ComboBoxArrowWidth(Integer AWidth) { return 2 * AWidth - 1; }
TRect TdxBarPainter::GetEditTextVerticalOffsets() { return Amounts(0, 2, 0, 2); }
bool TdxBarPainter::BarAllowHotTrack() { return true; }
bool TdxBarPainter::BarAllowQuickCustomizing() { return true; }
Integer TdxBarPainter::BarBeginGroupSize() { return 6; }
Integer TdxBarPainter::BarBeginGroupSideSize() { return (BarBeginGroupSize() - 2) / 2; }
Integer TdxBarPainter::BarBorderSize() { return 1; }
TRect TdxBarPainter::BarBorderSizes() { return SameAmount(2); }
Integer TdxBarPainter::BarCaptionSize() {
  NONCLIENTMETRICS metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return metrics.iSmCaptionHeight;
}
Integer TdxBarPainter::BarCaptionAreaSize() { return BarCaptionSize() + 1; }
TSize TdxBarPainter::BarCloseButtonSize() {
  const Integer side = BarCaptionSize();
  return TSize(side, side);
}
bool TdxBarPainter::BarCaptionTransparent() { return false; }
Integer TdxBarPainter::BarHorSize() { return 0; }
Integer TdxBarPainter::BarTopSize() { return 0; }
Integer TdxBarPainter::BarBottomSize() { return 0; }
bool TdxBarPainter::BarUseSystemClose() { return false; }
bool TdxBarPainter::BarUseSystemNCBorder() { return false; }
TRect TdxBarPainter::StatusBarBorderOffsets() { return SameAmount(0); }
Integer TdxBarPainter::StatusBarTopBorderSize() { return 2; }

// ---- Quick customization and item indents ----------------------------------------------------------------
Integer TdxBarPainter::DrawQuickCustItemFrame(TdxBarItemControl*, HDC, TRect& R, bool) {
  R.right = R.left + R.Height();
  return R.right;
}
bool TdxBarPainter::IsQuickControlPopupOnRight() { return false; }
TRect TdxBarPainter::ItemControlGetIndents() { return Amounts(3, 0, 3, 0); }
TRect TdxBarPainter::SeparatorControlGetIndents() { return Amounts(6, 0, 0, 0); }

// ---- Buttons ---------------------------------------------------------------------------------------------
Integer TdxBarPainter::GetButtonBorderHeight() { return 6; }
Integer TdxBarPainter::GetButtonBorderWidth() { return 7; }
Integer TdxBarPainter::GetButtonHeight(Integer AHeight) { return AHeight + GetButtonBorderHeight(); }
Integer TdxBarPainter::GetButtonWidth(Integer AWidth) { return AWidth + GetButtonBorderWidth(); }
TSize TdxBarPainter::GetButtonSize(Integer AWidth, Integer AHeight) {
  return TSize(GetButtonWidth(AWidth), GetButtonHeight(AHeight));
}
TSize TdxBarPainter::GetDefaultArrowSignSize() { return TSize(5, 3); }
void TdxBarPainter::CorrectButtonControlDefaultHeight(Integer&) {}
void TdxBarPainter::CorrectButtonControlDefaultWidth(Integer&) {}
bool TdxBarPainter::IsButtonControlArrowFlat() { return IsFlatItemText(); }
bool TdxBarPainter::IsDropDownRepaintNeeded() { return IsFlatItemText(); }

// ---- Combo boxes and drop-down list boxes ----------------------------------------------------------------
TColor TdxBarPainter::ComboControlArrowColor(TdxBarEditLikeControlDrawParams*) { return clBtnText; }
Integer TdxBarPainter::ComboControlArrowOffset() { return 1; }
TRect TdxBarPainter::ComboControlButtonOffsets() { return EditControlBorderOffsets(); }
Integer TdxBarPainter::DropDownListBoxBorderSize() { return 2; }

// ---- Menus -----------------------------------------------------------------------------------------------
bool TdxBarPainter::SubMenuControlHasBand() { return false; }
bool TdxBarPainter::SubMenuControlIsOffsetRecentGroupNeeded() { return false; }
bool TdxBarPainter::SubMenuControlUseScrollButtons() { return false; }
Integer TdxBarPainter::SubMenuControlArrowsOffset() { return 2; }
Integer TdxBarPainter::SubMenuControlArrowWidth(Integer AHeight) { return (AHeight / 4) * 3 + 1; }
Integer TdxBarPainter::SubMenuControlBeginGroupSize() { return 10; }
Integer TdxBarPainter::SubMenuControlBorderSize() {
  return SubMenuControlNCBorderSize() + SubMenuControlClientBorderSize();
}
Integer TdxBarPainter::SubMenuControlNCBorderSize() { return 1; }
Integer TdxBarPainter::SubMenuControlClientBorderSize() { return 1; }
TRect TdxBarPainter::SubMenuControlContentRectOffset() { return SameAmount(SubMenuControlClientBorderSize()); }
Integer TdxBarPainter::SubMenuControlInternalBorderSize() { return 0; }
Integer TdxBarPainter::SubMenuControlInternalBorderOffset() { return 0; }
Integer TdxBarPainter::SubMenuControlMarkArrowSize(Integer AHeight) { return (AHeight - 6) / 2; }
Integer TdxBarPainter::SubMenuControlNormalItemHeight() { return 19; }
TRect TdxBarPainter::SubMenuControlGetItemIconRect(const TRect& AItemRect, Integer AWidth) {
  TRect result = AItemRect;
  result.right = result.left + AWidth;
  return result;
}
void TdxBarPainter::SubMenuControlOffsetDetachCaptionRect(TRect& R) { InflateRect(&R, -3, -3); }
Integer TdxBarPainter::SubMenuControlGetScrollArrowSize(Integer AHeight) { return AHeight / 3 - 1; }
HBRUSH TdxBarPainter::SubMenuControlToolbarItemsBrush() { return GetSysColorBrush(COLOR_BTNFACE); }
TRect TdxBarPainter::ApplicationMenuGetFrameSizes() { return SameAmount(0); }

// ---- Edits and edit-like controls ------------------------------------------------------------------------
TColor TdxBarPainter::EditGetEnabledBkColor() { return clWindow; }
TColor TdxBarPainter::EditGetEnabledTextColor() { return clWindowText; }
TColor TdxBarPainter::EditGetDisabledTextColor() { return clGrayText; }
bool TdxBarPainter::EditButtonAllowOffsetContent() { return true; }
bool TdxBarPainter::EditButtonAllowCompositeFrame() { return false; }
bool TdxBarPainter::EditButtonIsCustomBorder() { return false; }
bool TdxBarPainter::EditButtonIsCustomBackground(Integer) { return false; }
void TdxBarPainter::EditButtonCorrectDefaultWidth(Integer&) {}
TRect TdxBarPainter::EditControlBorderOffsets() { return SameAmount(2); }
// Auto-horizontal-scroll, and multi-line so that the edit window takes a formatting rectangle.
DWORD TdxBarPainter::EditControlES_Style() { return 0x84; }
bool TdxBarPainter::EditControlShowIconDefault(TdxBarPaintType) { return false; }
Integer TdxBarPainter::EditControlCaptionRelativeLeftIndent(TdxBarEditLikeControlDrawParams*) { return 2; }
Integer TdxBarPainter::EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams*) { return 2; }
Integer TdxBarPainter::EditControlCaptionRightIndent() { return 4; }
TRect TdxBarPainter::EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams*) { return GetControlTextIndents(); }
bool TdxBarPainter::EditControlGlyphIsDrawSelected(TdxBarEditLikeControlDrawParams*) { return false; }
bool TdxBarPainter::HasEditControlExternalFrame(TdxBarPaintType, bool) { return false; }

// ---- Colour combo, system panel, date navigator, spin edit -----------------------------------------------
bool TdxBarPainter::ColorComboHasCompleteFrame() { return false; }
TRect TdxBarPainter::GetCustomColorButtonIndents() { return Amounts(1, 2, 1, 2); }
bool TdxBarPainter::IsDateNavigatorFlat() { return false; }
TColor TdxBarPainter::DateNavigatorHeaderColor() { return clBtnFace; }
TRect TdxBarPainter::GetSpinEditButtonIndents() { return Amounts(1, 0, 1, 0); }

// ---- Progress bar, containers and in-place sub-items -----------------------------------------------------
TColor TdxBarPainter::ProgressControlBarBrushColor() { return clHighlight; }
Integer TdxBarPainter::ProgressControlBarHeight() { return 12; }
Integer TdxBarPainter::ProgressControlIndent(TdxBarProgressControlDrawParams*) { return 0; }
Integer TdxBarPainter::ContainerControlSubMenuOffset() { return 0; }
HBRUSH TdxBarPainter::InPlaceSubItemControlBrush() { return GetSysColorBrush(COLOR_BTNSHADOW); }
Integer TdxBarPainter::InPlaceSubItemGetTextIndent() { return 5; }
bool TdxBarPainter::InPlaceSubItemControlIsArrowSelected(TdxBarInPlaceSubItemControlDrawParams*) { return true; }

// ---- Static controls, separators and screen tips ---------------------------------------------------------
TRect TdxBarPainter::StaticControlGetBorderOffsets(TdxBarStaticBorderStyle AStyle) {
  static constexpr Integer kOffsets[] = {0, 1, 1, 2, 2};  // none, lowered, raised, etched, bump
  return SameAmount(kOffsets[AStyle]);
}
Integer TdxBarPainter::SubMenuGetSeparatorSize() { return 2; }
TColor TdxBarPainter::ScreenTipGetDescriptionTextColor() { return clDefault; }
TColor TdxBarPainter::ScreenTipGetTitleTextColor() { return clDefault; }
Integer TdxBarPainter::ScreenTipGetFooterLineSize() { return 3; }

// ---- Shadows, owner links, bar brushes and regions ----------------------------------------------------------
// Popups and floating bars cast a shadow in the looks whose arrows are flat.
bool TdxBarPainter::BarHasShadow(TCustomdxBarControl* ABarControl) {
  return IsButtonControlArrowFlat() && ABarControl->GetDockingStyle() == dsNone;
}
bool TdxBarPainter::BarLinkedOwnerHasShadow(TCustomdxBarControl* ABarControl) { return ABarControl->HasShadow(); }
HBRUSH TdxBarPainter::BarControlOwnerBrush(TdxBarManager*) { return dxBarToolbarsBrushes().Face; }
HBRUSH TdxBarPainter::BarToolbarBrushEx(TCustomdxBarControl*) { return BarToolbarBrush(); }
HBRUSH TdxBarPainter::BarToolbarBrushEx2(TCustomdxBarControl*) { return BarToolbarBrush(); }
TRect TdxBarPainter::BarBorderPaintSizes(TCustomdxBarControl*) { return SameAmount(BarBorderSize()); }
void TdxBarPainter::SetWindowRgn(TCustomdxBarControl*) {}
void TdxBarPainter::DrawQuickCustItemFrameSelected(TdxBarItemControl*, HDC, const TRect&, const TRect&, bool) {}

}  // namespace dxBar
