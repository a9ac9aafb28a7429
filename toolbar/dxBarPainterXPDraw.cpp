// The XP painter's drawing through the platform's visual styles: toolbar button and split-button parts
// in their states, the rebar background and gripper, toolbar separators, the window's caption and MDI
// buttons, edit borders, combo, spin and colour-combo buttons, progress bars, the status bar's grip and
// background, the date navigator's buttons and the size-grip panel of drop-down lists; menus highlight
// the selected row.
#include "UxThemeConsts.h"
#include "WinGdi.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinUserDraw.h"
#include "Forms.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace dxBar {

namespace {

bool IsHorizontal(TCustomdxBarControl* ABarControl) { return !ABarControl || !ABarControl->IsVertical(); }

// Draws a theme part; false when visual styles are off or the theme has no such part.
bool DrawPart(TdxThemedObjectType AType, HDC DC, Integer APart, Integer AState, const TRect& R) {
  const TdxTheme theme = AreVisualStylesAvailable(AType) ? OpenTheme(AType) : nullptr;
  return theme && dxUxTheme::DrawThemeBackground(theme, DC, APart, AState, R) == S_OK;
}

bool IsPartiallyTransparent(TdxThemedObjectType AType, Integer APart, Integer AState) {
  const TdxTheme theme = AreVisualStylesAvailable(AType) ? OpenTheme(AType) : nullptr;
  return theme && dxUxTheme::IsThemeBackgroundPartiallyTransparent(theme, APart, AState);
}

TRect ContentRect(TdxThemedObjectType AType, Integer APart, Integer AState, const TRect& R) {
  const TdxTheme theme = AreVisualStylesAvailable(AType) ? OpenTheme(AType) : nullptr;
  RECT content = R;
  if (theme) dxUxTheme::GetThemeBackgroundContentRect(theme, nullptr, APart, AState, &R, &content);
  return content;
}

}  // namespace

// ---- Button cells -----------------------------------------------------------------------------------------------------
void TdxBarXPPainter::DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R,
                                      TdxBarPaintType APaintType, const TdxBarGlyphState& AState) {
  const bool inMenu = APaintType == ptMenu;
  const bool ownBackground = AControl && AControl->IsBkColorAssigned();
  const bool plainMenuRow = inMenu && AState.NoImage && !AState.Down &&
                            (AState.Selected || (AControl && AControl->GetNonRecent()));
  if (ownBackground || (inMenu && AState.Selected && AState.NoImage)) {
    FillRect(DC, &R, ABrush);
    return;
  }
  if (!plainMenuRow) DrawBackground(AControl, DC, R, ABrush, false);
  if (inMenu) return;
  if (IsMenuItem(AControl)) {
    // A main-menu header is highlighted in the system colour, not by a theme part.
    if (AState.Selected || AState.Pressed || AState.Down || AState.DroppedDown)
      FillRect(DC, &R, GetSysColorBrush(COLOR_HIGHLIGHT));
    return;
  }
  const Integer state = AControl && !AControl->GetEnabled()           ? TS_DISABLED
                        : AState.Pressed                              ? TS_PRESSED
                        : AState.Down || (AState.DroppedDown && !AState.IsSplit) ? TS_CHECKED
                        : AState.Selected                             ? TS_HOT
                                                                      : TS_NORMAL;
  DrawPart(totToolBar, DC, AState.IsSplit ? TP_SPLITBUTTON : TP_BUTTON, state, R);
}

HBRUSH TdxBarXPPainter::GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                        const TdxBarGlyphState& AState) {
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  if (APaintType == ptMenu && AState.Selected && AState.NoImage)
    return parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush();
  return AControl ? AControl->GetBkBrush() : BarToolbarBrush();
}

void TdxBarXPPainter::DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                                       HBRUSH ABrush) {
  inherited::DrawButtonControlArrowBackground(ADrawParams, R, ABrush);
  const bool inMenu = ADrawParams->PaintType == ptMenu;
  const Integer state = !ADrawParams->Enabled || !ADrawParams->DropDownEnabled                ? TS_DISABLED
                        : ADrawParams->DroppedDown || (ADrawParams->IsPressed && !inMenu)    ? TS_PRESSED
                        : ADrawParams->Downed && !inMenu                                     ? TS_CHECKED
                        : ADrawParams->DrawSelected                                          ? TS_HOT
                                                                                             : TS_NORMAL;
  DrawPart(totToolBar, ADrawParams->Canvas->GetHandle(), inMenu ? TP_BUTTON : TP_SPLITBUTTONDROPDOWN, state, R);
}

// On a bar the split-button part carries its own arrow.
void TdxBarXPPainter::DrawButtonControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  if (ADrawParams->PaintType == ptMenu) inherited::DrawButtonControlArrow(ADrawParams, R);
}

void TdxBarXPPainter::DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                                         const TdxBarGlyphState& AState) {
  dxBarFlatPainter()->DrawGlyphCheckMark(AControl, DC, R, APaintType, AState);
}

void TdxBarXPPainter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  dxBarDrawHighlightedMenuRow(this, ADrawParams, R);
}

// ---- Docks and toolbars -------------------------------------------------------------------------------------------------
void TdxBarXPPainter::DockControlFillBackground(TdxDockControl*, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                                const TRect& AWholeR, HBRUSH ABrush, TColor) {
  // The rebar background spans the whole dock; the asked part is cut from it.
  const Integer dx = ADestR.left - ASourceR.left, dy = ADestR.top - ASourceR.top;
  TRect whole = AWholeR;
  OffsetRect(&whole, dx, dy);
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, ADestR.left, ADestR.top, ADestR.right, ADestR.bottom);
  if (!DrawPart(totRebar, DC, 0, 1, whole)) FillRect(DC, &ADestR, ABrush ? ABrush : BarToolbarBrush());
  RestoreDC(DC, saved);
}

void TdxBarXPPainter::BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH) {
  if (!dxBarCanMove(ABarControl)) return;
  TRect inner = R;
  InflateRect(&inner, -2, -2);
  const bool horizontal = IsHorizontal(ABarControl);
  const Integer start = (horizontal ? inner.left : inner.top) + BeforeFingersSize();
  const TRect grip = horizontal ? TRect(start, inner.top, start + FingersSize(), inner.bottom)
                                : TRect(inner.left, start, inner.right, start + FingersSize());
  DrawPart(totRebar, DC, horizontal ? RP_GRIPPER : RP_GRIPPERVERT, 1, grip);
}

void TdxBarXPPainter::BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                               const TRect& AClientR, HBRUSH ABrush) {
  dxBarFlatPainter()->BarDrawFloatingBarBorder(ABarControl, DC, R, AClientR, ABrush);
}

void TdxBarXPPainter::BarCaptionFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH) {
  TdxBarManager* manager = ABarControl ? ABarControl->GetBarManager() : nullptr;
  const bool active = manager && manager->GetMainForm() && manager->GetMainForm()->GetActive();
  FillRect(DC, &R, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void TdxBarXPPainter::BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) {
  const TdxBarMarkState state = ABarControl ? ABarControl->GetMarkDrawState() : msNone;
  DrawPart(totWindow, DC, WP_SMALLCLOSEBUTTON, state == msPressed ? 3 : state == msSelected ? 2 : 1, R);
}

void TdxBarXPPainter::BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState,
                                       HDC DC, TRect R) {
  inherited::BarDrawBackground(ABarControl, DC, R, R, ABarControl ? ABarControl->GetToolbarBrush() : BarToolbarBrush(),
                               clDefault);
  static const Integer parts[] = {WP_MDIMINBUTTON, WP_MDIRESTOREBUTTON, WP_MDICLOSEBUTTON};
  const Integer state = AState == 1 ? 4 : AState == 2 ? 2 : AState == 4 ? 3 : 1;
  DrawPart(totWindow, DC, parts[AButton], state, R);
}

void TdxBarXPPainter::BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz) {
  inherited::BarDrawBackground(ABarControl, DC, R, R, ABrush, clDefault);
  DrawPart(totToolBar, DC, AHorz ? TP_SEPARATORVERT : TP_SEPARATOR, 1, R);
}

void TdxBarXPPainter::BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) {
  TRect part = R;
  inherited::BarDrawBackground(ABarControl, DC, part, part, ABrush, clDefault);
  const TdxBarMarkState state = ABarControl->GetMarkDrawState();
  DrawPart(totToolBar, DC, TP_BUTTON, state == msPressed ? TS_PRESSED : state == msSelected ? TS_HOT : TS_NORMAL, part);
}

// ---- Menus -------------------------------------------------------------------------------------------------------------
void TdxBarXPPainter::SubMenuControlDrawBorder(TCustomdxBarControl*, HDC DC, TRect R) {
  FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TdxBarXPPainter::SubMenuControlDrawClientBorder(TCustomdxBarControl*, HDC DC, const TRect& R, HBRUSH) {
  FrameRect(DC, &R, SubMenuControlToolbarItemsBrush());
}

void TdxBarXPPainter::SubMenuControlDrawBeginGroup(TCustomdxBarControl*, TdxBarItemControl* AControl,
                                                   cxGraphics::TcxCanvas* ACanvas, const TRect& R) {
  const HBRUSH background = AControl ? AControl->GetBkBrush() : SubMenuControlToolbarItemsBrush();
  DrawBackground(AControl, ACanvas->GetHandle(), R, background, AControl && AControl->GetNonRecent());
  SubMenuControlDrawSeparator(ACanvas, R);
}

void TdxBarXPPainter::SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) {
  if (!DrawPart(totToolBar, ACanvas->GetHandle(), TP_SEPARATORVERT, 1, ARect))
    inherited::SubMenuControlDrawSeparator(ACanvas, ARect);
}

// ---- Edits and small controls ------------------------------------------------------------------------------------------
void TdxBarXPPainter::EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const Integer state = ADrawParams->Enabled ? ETS_NORMAL : ETS_DISABLED;
  const TRect content = ContentRect(totEdit, EP_EDITTEXT, state, R);
  const int saved = SaveDC(DC);
  ExcludeClipRect(DC, content.left, content.top, content.right, content.bottom);
  const bool onBar = ADrawParams->PaintType != ptMenu;
  if ((onBar && ADrawParams->Enabled && !ADrawParams->DrawSelected) || ADrawParams->IsEditTransparent) {
    TCustomdxBarControl* parent = control ? control->GetParent() : nullptr;
    DrawBackground(control, DC, R, parent ? parent->GetToolbarBrush() : BarToolbarBrush(),
                   control && control->GetNonRecent());
  } else {
    DrawPart(totEdit, DC, EP_EDITTEXT, state, R);
  }
  RestoreDC(DC, saved);
  R = content;
}

void TdxBarXPPainter::ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect R) {
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const Integer state = !ADrawParams->Enabled      ? 4
                        : ADrawParams->DroppedDown ? 3
                        : ADrawParams->DrawSelected ? 2
                                                    : 1;
  if (IsPartiallyTransparent(totComboBox, CP_DROPDOWNBUTTON, state)) {
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(EditGetBkColor(ADrawParams)));
    FillRect(DC, &R, brush);
    DeleteObject(brush);
  }
  if (!DrawPart(totComboBox, DC, CP_DROPDOWNBUTTON, state, R)) inherited::ComboControlDrawArrowButton(ADrawParams, R);
}

void TdxBarXPPainter::SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R,
                                                TdxBarSpinEditButton AButton) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* parent = control ? control->GetParent() : nullptr;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  DrawBackground(control, DC, R, parent ? parent->GetToolbarBrush() : BarToolbarBrush(), false);
  if (!DrawPart(totSpin, DC, AButton == sbUp ? SPNP_UP : SPNP_DOWN, GetSpinEditButtonState(ADrawParams, AButton), R))
    inherited::SpinEditControlDrawButton(ADrawParams, R, AButton);
}

// ---- Native pieces other looks borrow ------------------------------------------------------------------------------
void TdxBarXPPainter::BarDrawNativeGrip(HDC DC, const TRect& R) { DrawPart(totStatus, DC, SP_GRIPPER, 0, R); }

// The status bar's background part spans the whole bar; the asked part is cut from it.
void TdxBarXPPainter::StatusBarFillNativeBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                                    const TRect& ASourceR) {
  TRect whole(0, 0, ABarControl->GetWidth(), ABarControl->GetHeight());
  OffsetRect(&whole, ADestR.left - ASourceR.left, ADestR.top - ASourceR.top);
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, ADestR.left, ADestR.top, ADestR.right, ADestR.bottom);
  DrawPart(totStatus, DC, 0, 0, whole);
  RestoreDC(DC, saved);
}

void TdxBarXPPainter::DateNavigatorDrawNativeButton(TdxBarPainter* APainter, cxGraphics::TcxCanvas* ACanvas, TRect R,
                                                    const String& AText, bool APressed) {
  const HDC DC = ACanvas->GetHandle();
  FillRect(DC, &R, GetSysColorBrush(COLOR_WINDOW));
  DrawPart(totToolBar, DC, TP_BUTTON, APressed ? TS_PRESSED : TS_HOT, R);
  APainter->DateNavigatorDrawButtonCaption(DC, R, APressed, AText, APressed ? 1 : 0);
}

void TdxBarXPPainter::DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText,
                                              bool APressed) {
  DateNavigatorDrawNativeButton(this, ACanvas, R, AText, APressed);
}

// ---- Colour combo, progress bar, drop-down lists -------------------------------------------------------------------
// The custom colour button is a toolbar button part in the pressed and hot states of the parameters.
void TdxBarXPPainter::ColorComboDrawCustomButton(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) {
  TdxBarGlyphState state;
  state.Pressed = ADrawParams->IsPressed && ADrawParams->HotPartIndex == ecpCustomColorButton;
  state.Selected = ADrawParams->DrawSelected;
  state.Enabled = ADrawParams->Enabled;
  DrawGlyphBorder(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(),
                  ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetBkBrush() : BarToolbarBrush(), R,
                  ADrawParams->PaintType == ptMenu ? ptHorz : ADrawParams->PaintType, state);
  DrawDots(ADrawParams, R, state.Pressed);
}

void TdxBarXPPainter::ColorComboDrawCustomButtonAdjacentZone(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* parent = control ? control->GetParent() : nullptr;
  DrawBackgroundFrameRect(control, ADrawParams->Canvas->GetHandle(), R,
                          parent ? parent->GetToolbarBrush() : BarToolbarBrush(), false);
}

void TdxBarXPPainter::DrawDot(TdxBarItemControlDrawParams* ADrawParams, const TRect& R) {
  if (!ADrawParams->Enabled) return inherited::DrawDot(ADrawParams, R);
  FillRect(ADrawParams->Canvas->GetHandle(), &R, GetSysColorBrush(COLOR_BTNTEXT));
}

// The bar part, then its filled length as the chunk part (a smooth bar in one solid run of the colour).
void TdxBarXPPainter::ProgressControlDrawBar(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                             TColor AColor) {
  const bool vertical = ADrawParams->PaintType == ptVert;
  const Integer barPart = vertical ? PP_BARVERT : PP_BAR, chunkPart = vertical ? PP_CHUNKVERT : PP_CHUNK;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (!AreVisualStylesAvailable(totProgress)) return inherited::ProgressControlDrawBar(ADrawParams, R, AColor);
  if (IsPartiallyTransparent(totProgress, barPart, 1)) ProgressControlDrawBackground(ADrawParams, R);
  DrawPart(totProgress, DC, barPart, 1, R);
  const TRect content = ContentRect(totProgress, barPart, 1, R);
  const Integer filled = dxBarProgressFilledLength(vertical ? content.Height() : content.Width(), ADrawParams->Min,
                                                   ADrawParams->Max, ADrawParams->Position);
  if (filled <= 0) return;
  const TRect done = vertical ? TRect(content.left, content.bottom - filled, content.right, content.bottom)
                              : TRect(content.left, content.top, content.left + filled, content.bottom);
  if (ADrawParams->Smooth) {
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    FillRect(DC, &done, brush);
    DeleteObject(brush);
  } else {
    DrawPart(totProgress, DC, chunkPart, 1, done);
  }
}

// The list's frame in button shadow and, for a sizeable list, the panel on the side away from its edit:
// the theme's size grip in the list's corner and its close button at the other end, the rest in button
// face. The rectangles of both come back in screen coordinates.
void TdxBarXPPainter::SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                                   TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner) {
  RECT window{};
  GetWindowRect(AWnd, &window);
  const TRect bounds(0, 0, window.right - window.left, window.bottom - window.top);
  const HDC DC = GetWindowDC(AWnd);
  const HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW), face = GetSysColorBrush(COLOR_BTNFACE);
  FrameRect(DC, &bounds, shadow);
  ACloseButtonRect = AGripRect = TRect();
  if (ASizeable) {
    const bool top = ACorner == coTopLeft || ACorner == coTopRight;
    const bool right = ACorner == coTopRight || ACorner == coBottomRight;
    const Integer height = SysPanelSize();
    TRect band(bounds.left + 1, top ? bounds.top + 1 : bounds.bottom - 1 - height, bounds.right - 1,
               top ? bounds.top + 1 + height : bounds.bottom - 1);
    const RECT line = top ? RECT{band.left, band.bottom - 1, band.right, band.bottom}
                          : RECT{band.left, band.top, band.right, band.top + 1};
    FillRect(DC, &line, shadow);
    if (top) --band.bottom;
    else ++band.top;
    const TSize gripSize = StatusBarNativeGripSize(), closeSize = GetThemeCloseButtonSize();
    const Integer gripLeft = right ? band.right - gripSize.cx : band.left;
    const Integer gripTop = top ? band.top : band.bottom - gripSize.cy;
    const TRect grip(gripLeft, gripTop, gripLeft + gripSize.cx, gripTop + gripSize.cy);
    const Integer closeLeft = right ? band.left + 2 : band.right - 2 - closeSize.cx;
    const Integer closeTop = (band.top + band.bottom - closeSize.cy) / 2;
    const TRect close(closeLeft, closeTop, closeLeft + closeSize.cx, closeTop + closeSize.cy);
    const int saved = SaveDC(DC);
    DrawThemeSizeGrip(DC, grip, ACorner);
    DrawThemeCloseButton(DC, close,
                         ACloseButtonIsTracking && AMouseAboveCloseButton       ? 3
                         : ACloseButtonIsTracking || AMouseAboveCloseButton     ? 2
                                                                                : 1);
    for (const TRect& part : {grip, close}) ExcludeClipRect(DC, part.left, part.top, part.right, part.bottom);
    FillRect(DC, &band, face);
    RestoreDC(DC, saved);
    ACloseButtonRect = close;
    AGripRect = grip;
    for (TRect* part : {&ACloseButtonRect, &AGripRect}) OffsetRect(part, window.left, window.top);
    // The corner between both scroll bars stays in the panel's colour.
    const LONG style = GetWindowLong(AWnd, GWL_STYLE);
    if (!top && (style & WS_HSCROLL) && (style & WS_VSCROLL)) {
      const TRect corner(bounds.right - 1 - GetSystemMetrics(SM_CXVSCROLL),
                         band.top - 1 - GetSystemMetrics(SM_CYHSCROLL), bounds.right - 1, band.top - 1);
      FillRect(DC, &corner, face);
    }
  }
  ReleaseDC(AWnd, DC);
}

void TdxBarXPPainter::CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex,
                                          const TRect& R, StdCtrls::TOwnerDrawState AState) {
  dxBarFlatPainter()->CustomComboDrawItem(ACombo, ACanvas, AIndex, R, AState);
}

}  // namespace dxBar
