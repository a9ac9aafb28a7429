// The base painter's operations that answer neutrally for now: each draws nothing and answers an empty
// value until its drawing is built, so that every look can already override it.
#include "cxGraphicsCanvas.h"
#include "dxBarPainter.h"

namespace dxBar {

TRect TdxBarPainter::GetCustomColorButtonBounds(TdxBarColorComboControlDrawParams*, const TRect&) { return TRect(); }
Integer TdxBarPainter::GetCustomColorButtonWidth(TdxBarColorComboControlDrawParams*, const TRect&) { return 0; }
void TdxBarPainter::DrawDot(TdxBarItemControlDrawParams*, const TRect&) {}
void TdxBarPainter::DrawDots(TdxBarItemControlDrawParams*, const TRect&, bool) {}
void TdxBarPainter::ComboControlDrawArrow(TdxBarEditLikeControlDrawParams*, const TRect&, TColor, Integer) {}
void TdxBarPainter::EditOffsetInteriorRect(TRect&, Integer) {}
void TdxBarPainter::DrawSpinEditArrow(TdxBarSpinEditDrawParams*, const TPoint&, TdxBarSpinEditButton, TColor) {}
void TdxBarPainter::DateNavigatorDrawButtonCaption(HDC, const TRect&, bool, const String&, Integer) {}
void TdxBarPainter::CalculateColorComboParts(TdxBarColorComboControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateComboParts(TdxBarEditLikeControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateEditParts(TdxBarEditLikeControlDrawParams*, TdxBarControlParts&, const TRect&) {}
void TdxBarPainter::CalculateSpinEditParts(TdxBarSpinEditDrawParams*, TdxBarControlParts&, const TRect&) {}
bool TdxBarPainter::BarHasShadow(TCustomdxBarControl*) { return false; }
bool TdxBarPainter::BarLinkedOwnerHasShadow(TCustomdxBarControl*) { return false; }
HBRUSH TdxBarPainter::BarControlOwnerBrush(TdxBarManager*) { return nullptr; }
HBRUSH TdxBarPainter::BarToolbarBrushEx(TCustomdxBarControl*) { return nullptr; }
Integer TdxBarPainter::EditTextSize(TCustomdxBarControl*, Integer) { return 0; }
void TdxBarPainter::SetWindowRgn(TCustomdxBarControl*) {}
TRect TdxBarPainter::BarBorderPaintSizes(TCustomdxBarControl*) { return TRect(); }
HBRUSH TdxBarPainter::BarToolbarBrushEx2(TCustomdxBarControl*) { return nullptr; }
void TdxBarPainter::DrawQuickCustItemFrameSelected(TdxBarItemControl*, HDC, const TRect&) {}
HBRUSH TdxBarPainter::ComboControlButtonBrush(TdxBarEditLikeControlDrawParams*) { return nullptr; }
void TdxBarPainter::ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams*, TRect) {}
void TdxBarPainter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams*, TRect&) {}
void TdxBarPainter::DropDownListBoxDrawBorder(HDC, TColor, TRect) {}
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

}  // namespace dxBar
