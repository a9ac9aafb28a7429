// The base painter's operations that answer neutrally for now: each draws nothing and answers an empty
// value until its drawing is built, so that every look can already override it.
#include "cxGraphicsCanvas.h"
#include "dxBarPainter.h"

namespace dxBar {

void TdxBarPainter::DrawToolbarContentPart(TCustomdxBarControl*, cxGraphics::TcxCanvas*) {}
void TdxBarPainter::DrawToolbarNonContentPart(TCustomdxBarControl*, HDC) {}
TRect TdxBarPainter::GetToolbarCaptionRect(TCustomdxBarControl*) { return TRect(); }
void TdxBarPainter::CorrectCaptionParams(TdxBarButtonLikeControlDrawParams*, TRect&, Integer&, const TRect&) {}
void TdxBarPainter::DrawGlyphBorder(TdxBarItemControl*, HDC, HBRUSH, const TRect&, TdxBarPaintType,
                                    const TdxBarGlyphState&) {}
void TdxBarPainter::DrawGlyphCheckMark(TdxBarItemControl*, HDC, const TRect&, TdxBarPaintType,
                                       const TdxBarGlyphState&) {}
void TdxBarPainter::DrawGlyphEmptyImage(TdxBarItemControl*, HDC, const TRect&, TdxBarPaintType, bool) {}
void TdxBarPainter::DrawItemArrow(HDC, const TRect&, TcxArrowDirection, bool, bool, bool, TColor) {}
void TdxBarPainter::DrawLargeItemArrow(HDC, const TRect&, TcxArrowDirection, Integer, bool, bool, bool, TColor) {}
void TdxBarPainter::FrameFlatSelRect(HDC, const TRect&) {}
TColor TdxBarPainter::GetDefaultEnabledTextColor(TdxBarItemControl*, bool, bool) { return clDefault; }
void TdxBarPainter::GetDisabledTextColors(TdxBarItemControl*, bool, bool, TColor&, TColor&) {}
TColor TdxBarPainter::GetEnabledTextColor(TdxBarItemControl*, bool, bool) { return clDefault; }
TColor TdxBarPainter::GetItemArrowColor(TdxBarItemControl*, bool, bool) { return clDefault; }
bool TdxBarPainter::GetFaded(TCustomdxBarControl*) { return false; }
void TdxBarPainter::BarDrawGrip(TCustomdxBarControl*, HDC, const TRect&) {}
void TdxBarPainter::BarDrawMarkArrow(TCustomdxBarControl*, HDC, const TRect&, TdxBarMarkState) {}
void TdxBarPainter::BarDrawMarkAtPos(HDC, Integer, Integer, bool, TColor) {}
void TdxBarPainter::BarDrawMarkBackground(TCustomdxBarControl*, HDC, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawMarkElements(TCustomdxBarControl*, HDC, const TRect&) {}
void TdxBarPainter::BarOffsetFloatingBarCaption(TCustomdxBarControl*, Integer&, TRect&) {}
void TdxBarPainter::ButtonLikeControlDoDrawCaption(TdxBarButtonLikeControlDrawParams*, const TRect&, UINT, Integer) {}
TRect TdxBarPainter::GetControlCaptionRect(TdxBarItemControlDrawParams*) { return TRect(); }
void TdxBarPainter::InflateSizeForArrow(TdxBarButtonLikeControlDrawParams*, Integer&) {}
TRect TdxBarPainter::GetCustomColorButtonBounds(TdxBarColorComboControlDrawParams*, const TRect&) { return TRect(); }
Integer TdxBarPainter::GetCustomColorButtonWidth(TdxBarColorComboControlDrawParams*, const TRect&) { return 0; }
void TdxBarPainter::DrawDot(TdxBarItemControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawDots(TdxBarItemControlDrawParams*, const TRect&, bool) {}
void TdxBarPainter::ComboControlDrawArrow(TdxBarEditLikeControlDrawParams*, const TRect&, TColor, Integer) {}
void TdxBarPainter::SubMenuControlFillScrollArrow(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, const TRect&, TColor) {
}
void TdxBarPainter::SubMenuControlDrawScrollArrow(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, const TRect&, TColor,
                                                  TcxArrowDirection) {}
void TdxBarPainter::SubMenuControlDrawScrollBand(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, TcxArrowDirection) {}
void TdxBarPainter::SubMenuControlDrawScrollBandBackground(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, bool) {}
void TdxBarPainter::SubMenuControlDrawNonRecentGroupSeparator(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, bool) {}
TRect TdxBarPainter::SubMenuControlGetScrollBandBounds(TdxBarSubMenuControl*, bool) { return TRect(); }
Integer TdxBarPainter::SubMenuControlGetScrollBandSize(TdxBarSubMenuControl*) { return 0; }
void TdxBarPainter::SubMenuControlDrawMarkContent(TdxBarSubMenuControl*, HDC, const TRect&, bool) {}
void TdxBarPainter::SubMenuControlDrawMarkBand(TdxBarSubMenuControl*, const TRect&, bool) {}
void TdxBarPainter::SubMenuControlDrawMarkSelection(TdxBarSubMenuControl*, HDC, const TRect&) {}
void TdxBarPainter::EditOffsetInteriorRect(TRect&, Integer) {}
void TdxBarPainter::DrawSpinEditArrow(TdxBarSpinEditDrawParams*, const TPoint&, TdxBarSpinEditButton, TColor) {}
void TdxBarPainter::DateNavigatorDrawButtonCaption(HDC, const TRect&, bool, const String&, Integer) {}
void TdxBarPainter::CalculateButtonParts(TdxBarButtonLikeControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateColorComboParts(TdxBarColorComboControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateComboParts(TdxBarEditLikeControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateEditParts(TdxBarEditLikeControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateSpinEditParts(TdxBarSpinEditDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::GetTextColors(TdxBarItemControl*, bool, bool, bool, TColor&, TColor&) {}
TRect TdxBarPainter::GetToolbarContentOffsets(TdxBar*, TdxBarDockingStyle, bool) { return TRect(); }
Integer TdxBarPainter::GetIconAreaSize(TCustomdxBarControl*) { return 0; }
Integer TdxBarPainter::GetControlCaptionOffset(cxGraphics::TcxCanvas*) { return 0; }
Integer TdxBarPainter::GetDefaultTextSize(cxGraphics::TcxCanvas*) { return 0; }
TRect TdxBarPainter::GetLargeImageBounds(TdxBarButtonLikeControlDrawParams*, const TRect&, const TSize&) {
  return TRect();
}
void TdxBarPainter::DrawBackground(TdxBarItemControl*, HDC, const TRect&, HBRUSH, bool) {}
void TdxBarPainter::DrawBackgroundFrameRect(TdxBarItemControl*, HDC, const TRect&, HBRUSH, bool) {}
void TdxBarPainter::DrawDisabledShadowRect(TdxBarItemControl*, HDC, const TRect&) {}
void TdxBarPainter::DrawItemBackground(TdxBarItemControl*, cxGraphics::TcxCanvas*, const TRect&, HBRUSH) {}
void TdxBarPainter::DrawGlyph(TdxBarItemControl*, HDC, const TRect&, const TRect&, TdxBarPaintType,
                              const TdxBarGlyphState&) {}
void TdxBarPainter::DrawGlyphAndBkgnd(TdxBarItemControl*, HDC, const TRect&, const TRect&, HBRUSH, TdxBarPaintType,
                                      const TdxBarGlyphState&) {}
void TdxBarPainter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawItemText(TdxBarItemControl*, HDC, const String&, TRect, Integer, bool, bool, bool, bool, bool,
                                 UINT) {}
HBRUSH TdxBarPainter::GlyphBkgndBrush(TdxBarItemControl*, TdxBarPaintType, const TdxBarGlyphState&) { return nullptr; }
bool TdxBarPainter::IsGlyphImageBackgroundOpaque(TdxBarItemControl*, TdxBarPaintType, const TdxBarGlyphState&) {
  return false;
}
bool TdxBarPainter::IsGlyphImageTransparent(TdxBarItemControl*) { return false; }
Integer TdxBarPainter::TextAreaOffset(TdxBarItemControl*) { return 0; }
void TdxBarPainter::DockControlFillBackground(TdxDockControl*, HDC, const TRect&, const TRect&, const TRect&, HBRUSH,
                                              TColor) {}
bool TdxBarPainter::BarHasShadow(TCustomdxBarControl*) { return false; }
bool TdxBarPainter::BarLinkedOwnerHasShadow(TCustomdxBarControl*) { return false; }
HBRUSH TdxBarPainter::BarControlOwnerBrush(TdxBarManager*) { return nullptr; }
void TdxBarPainter::BarDrawDockedBackground(TCustomdxBarControl*, HDC, const TRect&, const TRect&, HBRUSH, TColor) {}
void TdxBarPainter::BarDrawFloatingBackground(TCustomdxBarControl*, HDC, const TRect&, const TRect&, HBRUSH, TColor) {}
void TdxBarPainter::BarDrawOwnerLink(TCustomdxBarControl*, HDC) {}
HBRUSH TdxBarPainter::BarToolbarBrushEx(TCustomdxBarControl*) { return nullptr; }
Integer TdxBarPainter::EditTextSize(TCustomdxBarControl*, Integer) { return 0; }
void TdxBarPainter::SetWindowRgn(TCustomdxBarControl*) {}
TRect TdxBarPainter::BarBorderPaintSizes(TCustomdxBarControl*) { return TRect(); }
void TdxBarPainter::BarCaptionFillBackground(TCustomdxBarControl*, HDC, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawBackground(TCustomdxBarControl*, HDC, const TRect&, const TRect&, HBRUSH, TColor) {}
void TdxBarPainter::BarDrawBeginGroup(TCustomdxBarControl*, HDC, TRect, HBRUSH, bool) {}
void TdxBarPainter::BarDrawCaptionElement(TCustomdxBarControl*, HDC, TdxBarMarkState, TRect&) {}
void TdxBarPainter::BarDrawFloatingBarCaption(TCustomdxBarControl*, HDC, const TRect&, TRect, HBRUSH) {}
void TdxBarPainter::BarDrawMark(TCustomdxBarControl*, HDC, const TRect&, TdxBarMarkState) {}
void TdxBarPainter::BarDrawMarks(TCustomdxBarControl*, cxGraphics::TcxCanvas*, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawStatusBarGrip(TCustomdxBarControl*, HDC, const TRect&, HBRUSH) {}
void TdxBarPainter::BarDrawStatusBarBorder(TCustomdxBarControl*, HDC, const TRect&, HBRUSH) {}
TRect TdxBarPainter::BarMarkRect(TCustomdxBarControl*) { return TRect(); }
TRect TdxBarPainter::BarMarkItemRect(TCustomdxBarControl*) { return TRect(); }
void TdxBarPainter::BarMarkRectInvalidate(TCustomdxBarControl*) {}
void TdxBarPainter::StatusBarFillBackground(TCustomdxBarControl*, HDC, const TRect&, const TRect&, const TRect&, HBRUSH,
                                            TColor) {}
TSize TdxBarPainter::StatusBarGripSize() { return TSize(); }
HBRUSH TdxBarPainter::BarToolbarBrushEx2(TCustomdxBarControl*) { return nullptr; }
void TdxBarPainter::DrawQuickCustItemFrameSelected(TdxBarItemControl*, HDC, const TRect&) {}
Integer TdxBarPainter::GetTailAreaSize(TdxBarItemControl*) { return 0; }
HBRUSH TdxBarPainter::ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams*) { return nullptr; }
bool TdxBarPainter::IsButtonControlArrowBackgroundOpaque(TdxBarButtonLikeControlDrawParams*) { return false; }
bool TdxBarPainter::IsButtonControlArrowDrawSelected(TdxBarButtonLikeControlDrawParams*) { return false; }
void TdxBarPainter::OffsetCaptionBounds(bool, bool, TRect&) {}
void TdxBarPainter::OffsetEllipsisBounds(bool, TRect&) {}
void TdxBarPainter::DrawButtonLikeControl(TdxBarButtonLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawButtonLikeControlCaption(TdxBarButtonLikeControlDrawParams*, const TRect&, const TRect&) {}
void TdxBarPainter::DrawButtonControlArrow(TdxBarButtonLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams*, TRect&, HBRUSH) {}
void TdxBarPainter::DrawSplitControlArrow(TdxBarButtonLikeControlDrawParams*, TRect) {}
void TdxBarPainter::DrawAssociateControlArrow(TdxBarButtonLikeControlDrawParams*, const TRect&) {}
HBRUSH TdxBarPainter::ComboControlButtonBrush(TdxBarEditLikeControlDrawParams*) { return nullptr; }
void TdxBarPainter::ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams*, TRect) {}
void TdxBarPainter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams*, TRect&) {}
void TdxBarPainter::DropDownListBoxDrawBorder(HDC, TColor, TRect) {}
void TdxBarPainter::SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas*, Integer, Integer&, Integer&) {}
Integer TdxBarPainter::SubMenuControlDetachCaptionAreaSize(TdxBarSubMenuControl*) { return 0; }
Integer TdxBarPainter::SubMenuControlGetBandSize(TdxBarSubMenuControl*) { return 0; }
Integer TdxBarPainter::SubMenuControlGetControlContentIndent(TdxBarSubMenuControl*) { return 0; }
TRect TdxBarPainter::SubMenuControlGetItemTextRect(TdxBarItemControl*, const TRect&) { return TRect(); }
Integer TdxBarPainter::SubMenuControlGetItemTextIndent(TdxBarItemControl*) { return 0; }
TRect TdxBarPainter::SubMenuControlBeginGroupRect(TdxBarSubMenuControl*, TdxBarItemControl*, const TRect&) {
  return TRect();
}
void TdxBarPainter::SubMenuControlDrawScrollButton(TdxBarSubMenuControl*, HDC, const TRect&) {}
void TdxBarPainter::SubMenuControlDrawBackground(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, const TRect&, HBRUSH,
                                                 TColor) {}
void TdxBarPainter::SubMenuControlDrawBorder(TdxBarSubMenuControl*, HDC, TRect) {}
void TdxBarPainter::SubMenuControlDrawClientBorder(TdxBarSubMenuControl*, HDC, const TRect&, HBRUSH) {}
void TdxBarPainter::SubMenuControlDrawDetachCaption(TdxBarSubMenuControl*, HDC, TRect) {}
void TdxBarPainter::SubMenuControlDrawBeginGroup(TdxBarSubMenuControl*, TdxBarItemControl*, cxGraphics::TcxCanvas*,
                                                 const TRect&) {}
void TdxBarPainter::SubMenuControlDrawItemFrame(TdxBarItemControl*, cxGraphics::TcxCanvas*, const TRect&, Integer) {}
void TdxBarPainter::SubMenuControlPrepareBkBrush(HBRUSH&) {}
Integer TdxBarPainter::SubMenuControlTextSize(cxGraphics::TcxCanvas*) { return 0; }
void TdxBarPainter::ApplicationMenuDrawBorder(TdxBarSubMenuControl*, HDC, TRect) {}
void TdxBarPainter::ApplicationMenuDrawButton(TdxBarApplicationMenuButtonControlDrawParams*, const TRect&) {}
void TdxBarPainter::ApplicationMenuDrawContentArea(TdxBarSubMenuControl*, cxGraphics::TcxCanvas*, const TRect&,
                                                   const TRect&) {}
void TdxBarPainter::ExtraMenuControlDrawBackground(TCustomdxBarControl*, cxGraphics::TcxCanvas*, const TRect&, HBRUSH) {
}
void TdxBarPainter::ExtraMenuControlDrawBeginGroup(TCustomdxBarControl*, HDC, const TRect&, HBRUSH, bool) {}
void TdxBarPainter::EditDrawInterior(TdxBarItemControl*, cxGraphics::TcxCanvas*, const TRect&) {}
cxLookAndFeels::TcxLookAndFeel* TdxBarPainter::EditGetRealLookAndFeel(TdxBarManager*, cxLookAndFeels::TcxLookAndFeel*) {
  return nullptr;
}
TColor TdxBarPainter::EditGetDisabledBkColor(TdxBarItemControl*) { return clDefault; }
TColor TdxBarPainter::EditGetBkColor(TdxBarEditLikeControlDrawParams*) { return clDefault; }
TColor TdxBarPainter::EditGetTextColor(TdxBarEditLikeControlDrawParams*) { return clDefault; }
void TdxBarPainter::EditGetColors(TdxBarItemControl*, TColor&, TColor&) {}
bool TdxBarPainter::EditButtonAllowHotTrack(TdxBarEditLikeControlDrawParams*) { return false; }
void TdxBarPainter::EditButtonDrawBackground(TdxBarEditLikeControlDrawParams*, HDC, const TRect&) {}
void TdxBarPainter::EditButtonDrawBorder(TdxBarEditLikeControlDrawParams*, HDC, TRect&) {}
void TdxBarPainter::CustomComboDrawItem(TdxBarItem*, cxGraphics::TcxCanvas*, Integer, const TRect&,
                                        StdCtrls::TOwnerDrawState) {}
void TdxBarPainter::DrawEditLikeControl(TdxBarEditLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::EditControlDrawBackground(TdxBarEditLikeControlDrawParams*) {}
void TdxBarPainter::EditControlDrawBorder(TdxBarEditLikeControlDrawParams*, TRect&) {}
void TdxBarPainter::EditControlDrawCaption(TdxBarEditLikeControlDrawParams*) {}
void TdxBarPainter::EditControlDrawSelectionFrame(TdxBarEditLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::EditControlDrawGlyph(TdxBarEditLikeControlDrawParams*) {}
bool TdxBarPainter::EditControlCaptionBackgroundIsOpaque(TdxBarEditLikeControlDrawParams*) { return false; }
bool TdxBarPainter::EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams*) { return false; }
void TdxBarPainter::EditControlDrawTextField(TdxBarEditLikeControlDrawParams*) {}
TRect TdxBarPainter::EditControlIndents(TdxBarEditLikeControlDrawParams*, TdxBarItemControlPart) { return TRect(); }
Integer TdxBarPainter::EditControlCaptionLeftIndent(TdxBarEditLikeControlDrawParams*) { return 0; }
HBRUSH TdxBarPainter::EditControlGetRightCaptionIndentBrush(TdxBarItemControl*) { return nullptr; }
void TdxBarPainter::EditControlPrepareEditWnd(TdxBarItemControl*, HWND) {}
void TdxBarPainter::EditControlUpdateWndText(HWND, bool) {}
bool TdxBarPainter::IsCustomColorButtonVisible(TdxBarColorComboControlDrawParams*) { return false; }
void TdxBarPainter::ColorComboCorrectFrameRect(TdxBarColorComboControlDrawParams*, TRect&) {}
void TdxBarPainter::ColorComboDrawCustomButton(TdxBarColorComboControlDrawParams*, TRect) {}
void TdxBarPainter::ColorComboDrawCustomButtonAdjacentZone(TdxBarColorComboControlDrawParams*, TRect) {}
void TdxBarPainter::SysPanelCalcSize(HWND, TRect&, TRect&, bool, TdxBarItem*, TdxCorner&) {}
void TdxBarPainter::SysPanelDraw(HWND, bool, bool, bool, TRect&, TRect&, TdxCorner) {}
Integer TdxBarPainter::SysPanelSize() { return 0; }
void TdxBarPainter::DateNavigatorDrawButton(cxGraphics::TcxCanvas*, TRect, const String&, bool) {}
void TdxBarPainter::GetSpinEditArrowPos(TdxBarSpinEditDrawParams*, const TRect&, TPoint&, TdxBarSpinEditButton) {}
void TdxBarPainter::SpinEditCorrectFrameRect(TdxBarSpinEditDrawParams*, TRect&) {}
TSize TdxBarPainter::GetSpinEditArrowSize(Integer) { return TSize(); }
void TdxBarPainter::GetSpinEditButtonBounds(TdxBarSpinEditDrawParams*, const TRect&, TRect&, TRect&) {}
Integer TdxBarPainter::GetSpinEditButtonWidth(TdxBarSpinEditDrawParams*, const TRect&) { return 0; }
Integer TdxBarPainter::GetSpinEditButtonState(TdxBarSpinEditDrawParams*, TdxBarSpinEditButton) { return 0; }
void TdxBarPainter::SpinEditControlDrawButton(TdxBarSpinEditDrawParams*, TRect, TdxBarSpinEditButton) {}
void TdxBarPainter::SpinEditControlDrawButtonsAdjacentZone(TdxBarSpinEditDrawParams*, const TRect&) {}
void TdxBarPainter::ProgressControlDrawBar(TdxBarProgressControlDrawParams*, const TRect&, TColor) {}
void TdxBarPainter::ProgressControlDrawBackground(TdxBarProgressControlDrawParams*, const TRect&) {}
void TdxBarPainter::ProgressControlFillContent(TdxBarProgressControlDrawParams*, const TRect&, HBRUSH) {}
void TdxBarPainter::ProgressControlFillDiscreteContent(TdxBarProgressControlDrawParams*, const TRect&, HBRUSH) {}
Integer TdxBarPainter::InPlaceSubItemGetArrowWidth(TdxBarItemControl*) { return 0; }
bool TdxBarPainter::InPlaceSubItemControlIsFlatItemText(TdxBarInPlaceSubItemControlDrawParams*) { return false; }
void TdxBarPainter::InPlaceSubItemControlDrawArrow(TdxBarInPlaceSubItemControlDrawParams*, const TRect&) {}
void TdxBarPainter::InPlaceSubItemControlDrawBackground(TdxBarInPlaceSubItemControlDrawParams*, const TRect&) {}
void TdxBarPainter::InPlaceSubItemControlDrawInMenu(TdxBarInPlaceSubItemControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawStaticBackground(TdxBarStaticLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawStaticBorder(TdxBarStaticLikeControlDrawParams*, TRect&) {}
void TdxBarPainter::DrawStaticGlyphAndCaption(TdxBarStaticLikeControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawStaticLikeControl(TdxBarStaticLikeControlDrawParams*, const TRect&, const TRect&) {}
bool TdxBarPainter::StaticBackgroundIsOpaque(TdxBarItemControl*) { return false; }
void TdxBarPainter::DrawSeparatorGlyphAndCaption(TdxBarSeparatorControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawSeparatorControl(TdxBarSeparatorControlDrawParams*, const TRect&) {}

}  // namespace dxBar
