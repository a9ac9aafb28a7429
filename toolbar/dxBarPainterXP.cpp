// The XP painter's metrics, flags, colours and brushes. The sizes of the theme parts are read when an
// XP painter is made and kept for every XP painter of the program.
#include <algorithm>

#include "WinGdi.h"
#include "WinMetrics.h"
#include "WinUserDraw.h"
#include "UxThemeConsts.h"
#include "dxBarHelpers.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace dxBar {

namespace {

// The theme metrics shared by all XP painters; the base's values stand while a part cannot be read.
struct TXPMetrics {
  Integer BarBeginGroupSize = 6;
  TSize BarCloseButtonSize;
  Integer ButtonBorderHeight = 6;
  Integer ComboBoxArrowWidth = 0;  // 0: the base's width for the font
  TRect EditControlBorderOffsets{1, 1, 1, 1};
  Integer GripperSize = 3;
  Integer ProgressControlBarHeight = 12;
  Integer SubMenuControlBeginGroupSize = 10;
};
TXPMetrics Metrics;

bool PartSize(TdxThemedObjectType AType, Integer APart, Integer AState, TdxThemeSize AKind, TSize& ASize) {
  const TdxTheme theme = AreVisualStylesAvailable(AType) ? OpenTheme(AType) : nullptr;
  SIZE size{};
  if (!theme || dxUxTheme::GetThemePartSize(theme, nullptr, APart, AState, AKind, size) != S_OK) return false;
  ASize = TSize(size.cx, size.cy);
  return true;
}

// The distances between a 100 × 100 rectangle and the part's content rectangle inside it.
bool ContentMargins(TdxThemedObjectType AType, Integer APart, Integer AState, TRect& AMargins) {
  const TdxTheme theme = AreVisualStylesAvailable(AType) ? OpenTheme(AType) : nullptr;
  const RECT bounds{0, 0, 100, 100};
  RECT content{};
  if (!theme || dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, APart, AState, &bounds, &content) != S_OK)
    return false;
  AMargins = TRect(content.left, content.top, 100 - content.right, 100 - content.bottom);
  return true;
}

void BarBeginGroupSizeInit() {
  TSize size;
  if (PartSize(totToolBar, TP_SEPARATOR, 1, TS_MIN, size)) Metrics.BarBeginGroupSize = size.cx;
}
void BarCloseButtonSizeInit() { PartSize(totWindow, WP_SMALLCLOSEBUTTON, 1, TS_TRUE, Metrics.BarCloseButtonSize); }
void ButtonBorderHeightInit() {
  TRect margins;
  if (ContentMargins(totToolBar, TP_SPLITBUTTON, 1, margins)) Metrics.ButtonBorderHeight = margins.top + margins.bottom;
}
void ComboBoxArrowWidthInit() {
  TSize size;
  if (PartSize(totComboBox, CP_DROPDOWNBUTTON, 1, TS_TRUE, size)) Metrics.ComboBoxArrowWidth = size.cx;
}
void EditControlBorderOffsetsInit() { ContentMargins(totEdit, EP_EDITTEXT, 1, Metrics.EditControlBorderOffsets); }
void GripperSizeInit() {
  TSize size;
  if (PartSize(totRebar, RP_GRIPPER, 1, TS_TRUE, size)) Metrics.GripperSize = size.cx;
}
void ProgressControlBarHeightInit() {
  TSize chunk;
  TRect margins;
  if (PartSize(totProgress, PP_CHUNK, 1, TS_TRUE, chunk) && ContentMargins(totProgress, PP_BAR, 1, margins))
    Metrics.ProgressControlBarHeight = chunk.cy + margins.top + margins.bottom;
}
void SubMenuControlBeginGroupSizeInit() {
  TSize size;
  if (PartSize(totToolBar, TP_SEPARATORVERT, 1, TS_TRUE, size)) Metrics.SubMenuControlBeginGroupSize = size.cy;
}

}  // namespace

void TdxBarXPPainter::Construct() {
  inherited::Construct();
  InitParams();
}

void TdxBarXPPainter::InitParams() {
  Metrics = TXPMetrics();
  BarBeginGroupSizeInit();
  BarCloseButtonSizeInit();
  ButtonBorderHeightInit();
  ComboBoxArrowWidthInit();
  EditControlBorderOffsetsInit();
  GripperSizeInit();
  ProgressControlBarHeightInit();
  SubMenuControlBeginGroupSizeInit();
}

Integer TdxBarXPPainter::GlyphDownShift() { return 1; }
// A pressed or checked glyph moves by one pixel, never by two.
Integer TdxBarXPPainter::GlyphDrawDownedShift(bool ADown) { return ADown ? 0 : 1; }
bool TdxBarXPPainter::IsFlatGlyphImage() { return true; }
bool TdxBarXPPainter::IsNativeBackground() { return true; }
bool TdxBarXPPainter::BarCaptionTransparent() { return true; }
bool TdxBarXPPainter::IsQuickControlPopupOnRight() { return true; }
bool TdxBarXPPainter::IsButtonControlArrowFlat() { return true; }
bool TdxBarXPPainter::IsDateNavigatorFlat() { return true; }
Integer TdxBarXPPainter::BeforeFingersSize() { return 0; }
Integer TdxBarXPPainter::BarBorderSize() { return 0; }
Integer TdxBarXPPainter::ComboControlArrowOffset() { return 0; }
Integer TdxBarXPPainter::FingersSize() { return GripperSize() + BeforeFingersSize() + 2; }
Integer TdxBarXPPainter::GripperSize() { return Metrics.GripperSize; }
Integer TdxBarXPPainter::BarBeginGroupSize() { return Metrics.BarBeginGroupSize; }
Integer TdxBarXPPainter::BarBeginGroupSideSize() { return (BarBeginGroupSize() - 1) / 2; }
Integer TdxBarXPPainter::ComboBoxArrowWidth(Integer AWidth) {
  return Metrics.ComboBoxArrowWidth > 0 ? Metrics.ComboBoxArrowWidth : TdxBarPainter::ComboBoxArrowWidth(AWidth);
}
Integer TdxBarXPPainter::GetButtonBorderHeight() { return Metrics.ButtonBorderHeight; }
Integer TdxBarXPPainter::GetButtonBorderWidth() { return GetButtonBorderHeight(); }
TRect TdxBarXPPainter::EditControlBorderOffsets() { return Metrics.EditControlBorderOffsets; }
Integer TdxBarXPPainter::ProgressControlBarHeight() { return Metrics.ProgressControlBarHeight; }
Integer TdxBarXPPainter::SubMenuControlBeginGroupSize() { return Metrics.SubMenuControlBeginGroupSize; }
Integer TdxBarXPPainter::SubMenuGetSeparatorSize() { return Metrics.SubMenuControlBeginGroupSize; }
TSize TdxBarXPPainter::BarCloseButtonSize() {
  return Metrics.BarCloseButtonSize.cx > 0 ? Metrics.BarCloseButtonSize : TdxBarPainter::BarCloseButtonSize();
}
void TdxBarXPPainter::CorrectButtonControlDefaultHeight(Integer& AHeight) { AHeight += 1; }
// The theme's split-button arrow part is wider than the classic arrow.
Integer TdxBarXPPainter::RealButtonArrowWidth(TdxBarManager* ABarManager) {
  return TdxBarPainter::RealButtonArrowWidth(ABarManager) + 3;
}
Integer TdxBarXPPainter::RealLargeButtonArrowWidth(TdxBarManager* ABarManager) {
  return TdxBarPainter::RealLargeButtonArrowWidth(ABarManager) + 3;
}
HBRUSH TdxBarXPPainter::BarToolbarBrush() {
  const HBRUSH theme = dxBarToolbarsBrushes().Theme;
  return theme ? theme : TdxBarPainter::BarToolbarBrush();
}
HBRUSH TdxBarXPPainter::SubMenuControlToolbarItemsBrush() { return GetSysColorBrush(COLOR_MENU); }
Integer TdxBarXPPainter::SubMenuControlArrowsOffset() { return 1; }
void TdxBarXPPainter::SubMenuControlOffsetDetachCaptionRect(TRect& R) { InflateRect(&R, -2, -2); }
Integer TdxBarXPPainter::GetDotSpaceAfter(Integer ADotSize) { return 2 * ADotSize; }
TRect TdxBarXPPainter::GetCustomColorButtonIndents() { return TRect(1, 1, 1, 1); }
TRect TdxBarXPPainter::GetSpinEditButtonIndents() { return TRect(0, 0, 0, 0); }
Integer TdxBarXPPainter::EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams*) { return 6; }
Integer TdxBarXPPainter::EditControlCaptionRightIndent() { return 5; }
TRect TdxBarXPPainter::EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams*) { return TRect(5, 0, 0, 0); }
TColor TdxBarXPPainter::EditGetEnabledBkColor() { return GetThemeColorOrDefault(totEdit, EP_EDITTEXT, 1, TMT_FILLCOLOR, clWindow); }
TColor TdxBarXPPainter::EditGetEnabledTextColor() { return GetEditTextColor(1); }
TColor TdxBarXPPainter::EditGetDisabledTextColor() { return GetEditTextColor(4); }
bool TdxBarXPPainter::GetFaded(TCustomdxBarControl*) { return true; }
HBRUSH TdxBarXPPainter::BarToolbarBrushEx(TCustomdxBarControl*) { return BarToolbarBrush(); }
bool TdxBarXPPainter::EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return dxBarFlatPainter()->EditControlCaptionRightIndentIsOpaque(ADrawParams);
}
void TdxBarXPPainter::BarOffsetFloatingBarCaption(TCustomdxBarControl* ABarControl, Integer& X, TRect& R) {
  dxBarFlatPainter()->BarOffsetFloatingBarCaption(ABarControl, X, R);
}
TColor TdxBarXPPainter::EditGetDisabledBkColor(TdxBarItemControl*) {
  return GetThemeColorOrDefault(totEdit, EP_EDITTEXT, 4, TMT_FILLCOLOR, clBtnFace);
}
// The size-grip panel holds the theme's close button and size grip.
Integer TdxBarXPPainter::SysPanelSize() {
  return std::max<Integer>(GetThemeCloseButtonSize().cy + 4, GetThemeSizeGripSize().cy + 1);
}
bool TdxBarXPPainter::IsMenuItem(TdxBarItemControl* AControl) { return AControl && AControl->IsMenuItem(); }
HBRUSH TdxBarXPPainter::EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl) {
  return dxBarEditCaptionBrush(AControl, AControl->GetDrawParams());
}
// Read at each call: the base asks for it for every native look, whether an XP painter was made or not.
TSize TdxBarXPPainter::StatusBarNativeGripSize() {
  TSize size;
  if (!PartSize(totStatus, SP_GRIPPER, 0, TS_TRUE, size))
    size = TSize(GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL));
  return size;
}
TColor TdxBarXPPainter::ProgressControlBarBrushColor() {
  return GetThemeColorOrDefault(totProgress, PP_CHUNK, 0, TMT_FILLCOLOR, TdxBarPainter::ProgressControlBarBrushColor());
}

}  // namespace dxBar
