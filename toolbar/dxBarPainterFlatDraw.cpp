// The flat painter's drawing: docked toolbar frames with a line grip, single-line group separators,
// button cells framed by the selection rectangle and filled with the manager's flat brushes, the
// popup owner's frame joined to its popup, the mark, the floating close button, and menus with a
// tinted glyph column.
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

bool IsHorizontal(TCustomdxBarControl* ABarControl) { return !ABarControl || !ABarControl->IsVertical(); }

void FillWith(HDC DC, const TRect& R, HBRUSH ABrush) {
  if (R.right > R.left && R.bottom > R.top) FillRect(DC, &R, ABrush);
}

HBRUSH BackgroundBrushOf(TdxBarItemControl* AControl, HBRUSH AFallback) {
  return AControl && AControl->GetParent() ? AControl->GetParent()->GetToolbarBrush() : AFallback;
}

}  // namespace

TdxBarFlatPainter* dxBarFlatPainter() {
  return static_cast<TdxBarFlatPainter*>(TClassRef<TdxBarPainter>::Of<TdxBarFlatPainter>().operator->());
}

// ---- Added operations ------------------------------------------------------------------------------------------------
void TdxBarFlatPainter::DrawFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                      TdxBarPaintType APaintType, bool ASelected, bool APressed) {
  if (ASelected || (APressed && APaintType != ptMenu)) {
    FrameFlatSelRect(DC, R);
  } else if (APressed) {
    FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
  } else if (APaintType != ptMenu) {
    FrameRect(DC, &R, BackgroundBrushOf(AControl, ABrush));
  }
}

HBRUSH TdxBarFlatPainter::GetToolbarBrush(TdxBarItemControl*) { return dxBarToolbarsBrushes().Face; }

HBRUSH TdxBarFlatPainter::StaticBorderBrush(TdxBarItemControl*, TdxBarStaticBorderStyle) {
  return GetSysColorBrush(COLOR_BTNSHADOW);
}

void TdxBarFlatPainter::BarDrawBarControlOwner(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R) {
  BarDrawBarControlOwnerBorder(ABarControl, DC, R, nullptr);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  FillWith(DC, inner, BarControlOwnerBrush(ABarControl->GetBarManager()));
}

// The owner of an open popup is framed so that its frame joins the popup's: the link between them
// stays out of the frame.
void TdxBarFlatPainter::BarDrawBarControlOwnerBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                     TdxBarItemControl* AControl) {
  TCustomdxBarControl* popup = AControl ? AControl->GetOwnedBarControl() : nullptr;
  TRect link;
  if (popup && popup->HandleAllocated() && ABarControl->HandleAllocated()) {
    link = popup->GetOwnerLinkBounds(true);
    POINT origin{0, 0};
    ClientToScreen(ABarControl->GetHandle(), &origin);
    OffsetRect(&link, -origin.x, -origin.y);
  }
  const int saved = SaveDC(DC);
  if (!IsRectEmpty(&link)) ExcludeClipRect(DC, link.left, link.top, link.right, link.bottom);
  BarDrawBarControlOwnerFrame(ABarControl, DC, R);
  RestoreDC(DC, saved);
  if (!IsRectEmpty(&link)) BarDrawBarControlOwnerLink(ABarControl, DC, link, R, AControl);
}

void TdxBarFlatPainter::BarDrawBarControlOwnerFrame(TCustomdxBarControl*, HDC DC, const TRect& R) {
  FrameRect(DC, &R, dxBarToolbarsBrushes().Border);
}

void TdxBarFlatPainter::BarDrawBarControlOwnerLink(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ALinkR,
                                                   const TRect&, TdxBarItemControl*) {
  FillWith(DC, ALinkR, BarControlOwnerBrush(ABarControl ? ABarControl->GetBarManager() : nullptr));
}

// ---- Button cells -----------------------------------------------------------------------------------------------------
HBRUSH TdxBarFlatPainter::GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                          const TdxBarGlyphState& AState) {
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  auto pick = [&](HBRUSH (TCustomdxBarControl::*AQuery)(), HBRUSH AOwn) { return parent ? (parent->*AQuery)() : AOwn; };
  if (AState.DroppedDown && !AState.IsSplit)
    return AState.Down ? pick(&TCustomdxBarControl::GetToolbarDownedSelBrush, BarToolbarDownedSelBrush())
                       : BarControlOwnerBrush(AControl ? AControl->GetBarManager() : nullptr);
  if (AState.Selected)
    return AState.Down || AState.Pressed ? pick(&TCustomdxBarControl::GetToolbarDownedSelBrush, BarToolbarDownedSelBrush())
                                         : pick(&TCustomdxBarControl::GetToolbarSelBrush, BarToolbarSelBrush());
  if (AState.Down) return pick(&TCustomdxBarControl::GetToolbarDownedBrush, BarToolbarDownedBrush());
  if (APaintType == ptMenu) return GetToolbarBrush(AControl);
  return AControl ? AControl->GetBkBrush() : BarToolbarBrush();
}

bool TdxBarFlatPainter::IsGlyphImageBackgroundOpaque(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                                     const TdxBarGlyphState& AState) {
  if (APaintType == ptMenu) return inherited::IsGlyphImageBackgroundOpaque(AControl, APaintType, AState);
  return AState.Selected || AState.Pressed || AState.Down || (AControl && AControl->GetNonRecent()) ||
         inherited::IsGlyphImageBackgroundOpaque(AControl, APaintType, AState);
}

void TdxBarFlatPainter::DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R,
                                        TdxBarPaintType APaintType, const TdxBarGlyphState& AState) {
  if (AState.DroppedDown && !AState.IsSplit && AControl && AControl->GetParent()) {
    BarDrawBarControlOwnerBorder(AControl->GetParent(), DC, R, AControl);
  } else if (AState.Down || (AState.Selected && APaintType != ptMenu)) {
    FrameFlatSelRect(DC, R);
  } else {
    const bool opaque = AState.Pressed || AState.Selected || (AControl && (AControl->GetNonRecent() ||
                                                                           AControl->IsBkColorAssigned()));
    DrawBackgroundFrameRect(AControl, DC, R, ABrush, opaque);
  }
}

// A check mark of three strokes, each a polyline from (x + s, y + 2s) down to (x + 3s, y + 4s) and up
// to (x + 8s, y - s), on three successive rows.
void TdxBarFlatPainter::DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType,
                                           const TdxBarGlyphState&) {
  const bool enabled = !AControl || AControl->GetEnabled();
  const bool lightInk = dxOffice11::IsHighContrastWhite() || dxOffice11::IsHighContrast2();
  const COLORREF ink = !enabled ? GetSysColor(COLOR_BTNSHADOW) : lightInk ? RGB(255, 255, 255) : RGB(0, 0, 0);
  DrawCheckMarkStrokes(DC, R, ink, 0, 3);
}

void TdxBarFlatPainter::DrawCheckMarkStrokes(HDC DC, const TRect& R, COLORREF AColor, Integer AFirstRow,
                                             Integer ARowCount) {
  const Integer s = R.Height() >= 36 ? 2 : 1;
  // The mark runs 8s wide from x and from y - s down to y + 4s + 3 rows: centred in R.
  const Integer x = (R.left + R.right - 8 * s) / 2, y = (R.top + R.bottom) / 2 + s - (5 * s + 3) / 2;
  const HPEN pen = CreatePen(PS_SOLID, 1, AColor);
  const HGDIOBJ old = SelectObject(DC, pen);
  for (Integer row = AFirstRow; row < AFirstRow + ARowCount * s; ++row) {
    MoveToEx(DC, x + s, y + 2 * s + row, nullptr);
    LineTo(DC, x + 3 * s, y + 4 * s + row);
    LineTo(DC, x + 8 * s + 1, y - s + row - 1);
  }
  SelectObject(DC, old);
  DeleteObject(pen);
}

void TdxBarFlatPainter::DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                                         HBRUSH ABrush) {
  inherited::DrawButtonControlArrowBackground(ADrawParams, R, ABrush);
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  if (ADrawParams->DroppedDown && ADrawParams->PaintType != ptMenu) return;
  DrawFrameRect(control, ADrawParams->Canvas->GetHandle(), R, ABrush, ADrawParams->PaintType,
                ADrawParams->DrawSelected, ADrawParams->DroppedDown || ADrawParams->Downed);
}

HBRUSH TdxBarFlatPainter::ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  if (!ADrawParams->DrawSelected) return inherited::ButtonControlArrowBrush(ADrawParams);
  TCustomdxBarControl* parent = ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetParent() : nullptr;
  if (ADrawParams->DroppedDown || dxOffice11::IsHighContrastWhite())
    return parent ? parent->GetToolbarDownedSelBrush() : BarToolbarDownedSelBrush();
  return parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush();
}

// ---- Toolbars ---------------------------------------------------------------------------------------------------------
// A face-coloured frame with rounded corners and, on a movable bar, a grip of short lines across it.
void TdxBarFlatPainter::BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) {
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  FrameRect(DC, &R, face);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  for (const RECT& corner : {RECT{inner.left, inner.top, inner.left + 1, inner.top + 1},
                             RECT{inner.right - 1, inner.top, inner.right, inner.top + 1},
                             RECT{inner.left, inner.bottom - 1, inner.left + 1, inner.bottom},
                             RECT{inner.right - 1, inner.bottom - 1, inner.right, inner.bottom}})
    FillRect(DC, &corner, face);
  InflateRect(&inner, -1, -1);
  if (!dxBarCanMove(ABarControl)) return;
  const bool horizontal = IsHorizontal(ABarControl);
  const HBRUSH lineBrush = GetSysColorBrush(COLOR_BTNSHADOW);
  const HBRUSH gapBrush = ABrush ? ABrush : BarToolbarBrush();
  const Integer from = (horizontal ? inner.top : inner.left) + 3, to = (horizontal ? inner.bottom : inner.right) - 3;
  const Integer start = (horizontal ? inner.left : inner.top) + BeforeFingersSize();
  for (Integer i = from; i < to; ++i) {
    const bool line = (i - from) % 2 == 0;
    const RECT across = horizontal ? RECT{start, i, start + GripperSize(), i + 1} : RECT{i, start, i + 1, start + GripperSize()};
    FillRect(DC, &across, line ? lineBrush : gapBrush);
  }
}

void TdxBarFlatPainter::BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush,
                                          bool AHorz) {
  inherited::BarDrawBackground(ABarControl, DC, R, R, ABrush, clDefault);
  const Integer side = BarBeginGroupSideSize();
  const RECT line = AHorz ? RECT{R.left, R.top + side, R.right, R.top + side + 1}
                          : RECT{R.left + side, R.top, R.left + side + 1, R.bottom};
  FillRect(DC, &line, GetSysColorBrush(COLOR_BTNSHADOW));
}

// An X of two-pixel diagonals on the caption element of the close button's state.
void TdxBarFlatPainter::BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) {
  const TdxBarMarkState state = ABarControl ? ABarControl->GetMarkDrawState() : msNone;
  TRect element = R;
  BarDrawCaptionElement(ABarControl, DC, state, element);
  InflateRect(&R, -3, -4);
  if (R.Width() % 2) --R.right;
  const Integer h = R.Width() - 1;
  const HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(BarMarkArrowColor(state)));
  const HGDIOBJ old = SelectObject(DC, pen);
  for (Integer shift = 0; shift < 2; ++shift) {
    MoveToEx(DC, R.left + shift, R.top, nullptr);
    LineTo(DC, R.left + shift + h, R.top + h);
    MoveToEx(DC, R.right - 1 - shift, R.top, nullptr);
    LineTo(DC, R.right - 1 - shift - h, R.top + h);
  }
  SelectObject(DC, old);
  DeleteObject(pen);
}

void TdxBarFlatPainter::BarDrawMark(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TdxBarMarkState AState) {
  TRect element = R;
  if (AState == msPressed)
    BarDrawBarControlOwner(ABarControl, DC, R);
  else
    BarDrawCaptionElement(ABarControl, DC, AState, element);
  inherited::BarDrawMark(ABarControl, DC, R, AState);
}

void TdxBarFlatPainter::BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                              HBRUSH ABrush) {
  const TdxBarMarkState state = ABarControl->GetMarkDrawState();
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  if (state == msPressed) {
    BarDrawBarControlOwner(ABarControl, DC, R);
  } else if (state == msSelected) {
    FrameFlatSelRect(DC, R);
    FillWith(DC, inner, ABarControl->GetToolbarSelBrush());
  } else {
    FrameRect(DC, &R, ABrush);
    inherited::BarDrawBackground(ABarControl, DC, inner, inner, ABrush, clDefault);
  }
}

// ---- Menus -------------------------------------------------------------------------------------------------------------
// The glyph column is tinted by the flat toolbar brush on its outer sides; a selected row is framed
// whole and filled with the selected brush.
void TdxBarFlatPainter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control ? control->GetParent() : nullptr;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const bool selected = ADrawParams->DrawSelected;
  const bool opaque = selected || (control && control->GetNonRecent());
  const HBRUSH column = GetToolbarBrush(control);
  const HBRUSH selectedBrush = menu ? menu->GetToolbarSelBrush() : BarToolbarSelBrush();
  const HBRUSH background = control ? control->GetBkBrush() : BarToolbarBrush();
  const Integer columnRight = R.left + (menu ? menu->GetIconAreaSize() : 0) + 1;
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  if (selected) {
    FrameFlatSelRect(DC, R);
    FillWith(DC, inner, selectedBrush);
    return;
  }
  // The ring: the column's part in the column brush, the rest as background.
  const TRect columnRing[] = {TRect(R.left, R.top, columnRight, R.top + 1), TRect(R.left, R.bottom - 1, columnRight, R.bottom),
                              TRect(R.left, R.top, R.left + 1, R.bottom)};
  for (const TRect& part : columnRing) FillWith(DC, part, column);
  for (const TRect& part : {TRect(columnRight, R.top, R.right, R.top + 1), TRect(columnRight, R.bottom - 1, R.right, R.bottom),
                            TRect(R.right - 1, R.top, R.right, R.bottom)})
    DrawBackground(control, DC, part, background, opaque);
  FillWith(DC, TRect(inner.left, inner.top, columnRight, inner.bottom), column);
  DrawBackground(control, DC, TRect(columnRight, inner.top, inner.right, inner.bottom), background, opaque);
}

// The border, open where the menu joins its owner. Menus cannot be detached yet, so no menu has a
// detach caption to frame.
void TdxBarFlatPainter::SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) {
  FrameRect(DC, &R, dxBarToolbarsBrushes().Border);
  if (ABarSubMenuControl) BarDrawOwnerLink(ABarSubMenuControl, DC);
}

void TdxBarFlatPainter::SubMenuControlDrawClientBorder(TCustomdxBarControl*, HDC DC, const TRect& R, HBRUSH ABrush) {
  FrameRect(DC, &R, SubMenuControlToolbarItemsBrush());
  FillWith(DC, TRect(R.left, R.top, R.left + 1, R.bottom), ABrush);
}

// The strip above a row that starts a group: the glyph column's part tinted, the rest as the menu's
// background, and a line from past the column to the edge.
void TdxBarFlatPainter::SubMenuControlDrawBeginGroup(TCustomdxBarControl*, TdxBarItemControl* AControl,
                                                     cxGraphics::TcxCanvas* ACanvas, const TRect& R) {
  TCustomdxBarControl* menu = AControl ? AControl->GetParent() : nullptr;
  const HDC DC = ACanvas->GetHandle();
  const Integer columnRight = R.left + (menu ? menu->GetIconAreaSize() : 0);
  DrawMenuColumnPart(AControl, DC, TRect(R.left, R.top, columnRight, R.bottom));
  const HBRUSH background = AControl ? AControl->GetBkBrush() : BarToolbarBrush();
  DrawBackground(AControl, DC, TRect(columnRight, R.top, R.right, R.bottom), background, true);
  const Integer y = (R.top + R.bottom) / 2;
  SubMenuControlDrawSeparator(ACanvas, TRect(columnRight + SubMenuBeginGroupIndent(), y, R.right + 1, y + 1));
}

void TdxBarFlatPainter::DrawMenuColumnPart(TdxBarItemControl* AControl, HDC DC, const TRect& R) {
  FillWith(DC, R, GetToolbarBrush(AControl));
}

}  // namespace dxBar
