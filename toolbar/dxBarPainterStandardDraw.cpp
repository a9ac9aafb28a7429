// The three-dimensional looks' drawing: raised and sunken one-pixel edges round hot, pressed and
// checked buttons, the checkered checked background, the double grip of the standard look and the
// single one of the enhanced look, embossed marks and check marks, highlighted menu rows.
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"

namespace dxBar {

namespace {

bool IsHorizontal(TCustomdxBarControl* ABarControl) { return !ABarControl || !ABarControl->IsVertical(); }

void Edge(HDC DC, TRect R, UINT AEdge) { DrawEdge(DC, &R, AEdge, BF_RECT); }

// One grip bar: a raised edge filled with the face, a highlight pixel at its bottom-left corner
// (top-right on vertical bars), then kept out of what is drawn after it.
void DrawGripBar(HDC DC, const TRect& R, bool AHorizontal) {
  Edge(DC, R, BDR_RAISEDINNER);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  if (inner.right > inner.left && inner.bottom > inner.top) FillRect(DC, &inner, GetSysColorBrush(COLOR_BTNFACE));
  const RECT pixel = AHorizontal ? RECT{R.left, R.bottom - 1, R.left + 1, R.bottom}
                                 : RECT{R.right - 1, R.top, R.right, R.top + 1};
  FillRect(DC, &pixel, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  ExcludeClipRect(DC, R.left, R.top, R.right, R.bottom);
}

// The grip bars of a docked bar inside R (the bar less its edge): ACount bars GripperSize wide from
// ABefore past the leading edge, each shortened by AShorten at both ends.
void DrawGrip(HDC DC, const TRect& R, bool AHorizontal, Integer ACount, Integer ABefore, Integer AGripperSize,
              Integer AShorten) {
  for (Integer i = 0; i < ACount; ++i) {
    const Integer at = ABefore + i * AGripperSize;
    const TRect bar = AHorizontal ? TRect(R.left + at, R.top + AShorten, R.left + at + AGripperSize, R.bottom - AShorten)
                                  : TRect(R.left + AShorten, R.top + at, R.right - AShorten, R.top + at + AGripperSize);
    DrawGripBar(DC, bar, AHorizontal);
  }
}

}  // namespace

// ---- Button cells -----------------------------------------------------------------------------------------------------
void TdxBarStandardPainter::DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R,
                                            TdxBarPaintType APaintType, const TdxBarGlyphState& AState) {
  const bool inMenu = APaintType == ptMenu;
  if (AState.Down || (AState.Selected && (!inMenu || !AState.NoImage))) {
    const bool sunken = AState.Down || AState.Pressed || (AState.DroppedDown && !AState.IsSplit);
    Edge(DC, R, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
    return;
  }
  const bool opaque = AState.Selected || AState.Pressed || AState.Down ||
                      (AControl && (AControl->GetNonRecent() || AControl->IsBkColorAssigned()));
  DrawBackgroundFrameRect(AControl, DC, R, ABrush, opaque);
}

HBRUSH TdxBarStandardPainter::GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                              const TdxBarGlyphState& AState) {
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  const bool enabled = !AControl || AControl->GetEnabled();
  if (enabled && AState.Down) {
    if (AState.Selected) return parent ? parent->GetToolbarDownedSelBrush() : BarToolbarDownedSelBrush();
    return parent ? parent->GetToolbarDownedBrush() : BarToolbarDownedBrush();
  }
  if (AState.Selected && AState.NoImage && APaintType == ptMenu)
    return parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush();
  return AControl ? AControl->GetBkBrush() : BarToolbarBrush();
}

void TdxBarStandardPainter::DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                                             HBRUSH ABrush) {
  inherited::DrawButtonControlArrowBackground(ADrawParams, R, ABrush);
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->PaintType == ptMenu) {
    TRect line(R.left - 1, R.top, R.left + 1, R.bottom);
    DrawEdge(DC, &line, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
  } else if (ADrawParams->DrawSelected) {
    Edge(DC, R, ADrawParams->DroppedDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
  }
}

// Embossed dots: the highlight one pixel right and down, the shadow in place.
void TdxBarStandardPainter::DrawDisabledShadowRect(TdxBarItemControl*, HDC DC, const TRect& R) {
  TRect shadow = R;
  OffsetRect(&shadow, 1, 1);
  FillRect(DC, &shadow, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  FillRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
}

// The three-stroke mark: a silver first row and black rows under it, a white row below and two short
// white strokes at its ends; a disabled mark is embossed.
void TdxBarStandardPainter::DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType,
                                               const TdxBarGlyphState&) {
  const Integer s = R.Height() >= 36 ? 2 : 1;
  const Integer x = (R.left + R.right - 8 * s) / 2, y = (R.top + R.bottom) / 2 + s - (5 * s + 3) / 2;
  auto stroke = [&](Integer ARow, COLORREF AColor, Integer AShift) {
    const HPEN pen = CreatePen(PS_SOLID, 1, AColor);
    const HGDIOBJ old = SelectObject(DC, pen);
    MoveToEx(DC, x + s + AShift, y + 2 * s + ARow + AShift, nullptr);
    LineTo(DC, x + 3 * s + AShift, y + 4 * s + ARow + AShift);
    LineTo(DC, x + 8 * s + 1 + AShift, y - s + ARow - 1 + AShift);
    SelectObject(DC, old);
    DeleteObject(pen);
  };
  const Integer rows = 3 * s;
  if (AControl && !AControl->GetEnabled()) {
    for (Integer row = 0; row < rows; ++row) stroke(row, GetSysColor(COLOR_BTNHIGHLIGHT), 1);
    for (Integer row = 0; row < rows; ++row) stroke(row, GetSysColor(COLOR_BTNSHADOW), 0);
    return;
  }
  const COLORREF white = RGB(255, 255, 255);
  const COLORREF ink = GetSysColor(COLOR_BTNFACE) == 0 ? white : RGB(0, 0, 0);
  stroke(0, RGB(192, 192, 192), 0);
  for (Integer row = 1; row < rows; ++row) stroke(row, ink, 0);
  stroke(rows, white, 0);
  const RECT left{x + s - 1, y + 2 * s + 1, x + s, y + 6 * s - 1}, right{x + 8 * s, y - s + 2, x + 8 * s + 1, y + 3 * s};
  for (const RECT& part : {left, right}) {
    const HBRUSH brush = CreateSolidBrush(white);
    FillRect(DC, &part, brush);
    DeleteObject(brush);
  }
}

void TdxBarStandardPainter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* parent = control ? control->GetParent() : nullptr;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const HBRUSH background = parent ? parent->GetToolbarBrush() : BarToolbarBrush();
  if (ADrawParams->DrawSelected && ADrawParams->Enabled) {
    Edge(DC, R, ADrawParams->DroppedDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
  } else {
    FrameRect(DC, &R, background);
    const RECT column{R.left - 1, R.top, R.left, R.bottom};
    FillRect(DC, &column, background);
  }
  InflateRect(&R, -1, -1);
  FillRect(DC, &R, ComboControlButtonBrush(ADrawParams));
  if (ADrawParams->DroppedDown) OffsetRect(&R, 1, 1);
}

void TdxBarStandardPainter::DropDownListBoxDrawBorder(HDC DC, TColor, TRect R) { DrawEdge(DC, &R, EDGE_RAISED, BF_RECT); }

// ---- Toolbars ---------------------------------------------------------------------------------------------------------
void TdxBarStandardPainter::BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH) {
  Edge(DC, R, BDR_RAISEDINNER);
  if (!dxBarCanMove(ABarControl)) return;
  TRect inner = R;
  InflateRect(&inner, -2, -2);
  DrawGrip(DC, inner, IsHorizontal(ABarControl), 2, BeforeFingersSize(), GripperSize(), 3);
}

void TdxBarEnhancedPainter::BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH) {
  Edge(DC, R, BDR_RAISEDINNER);
  if (!dxBarCanMove(ABarControl)) return;
  TRect inner = R;
  InflateRect(&inner, -2, -2);
  DrawGrip(DC, inner, IsHorizontal(ABarControl), 1, BeforeFingersSize(), GripperSize(), 1);
}

void TdxBarStandardPainter::BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) {
  const HBRUSH frame = CreateSolidBrush(ColorToRGB(BarCaptionBkColor(true)));
  FrameRect(DC, &R, frame);
  DeleteObject(frame);
  InflateRect(&R, -1, -1);
  const bool pressed = ABarControl && ABarControl->GetMarkDrawState() == msPressed;
  DrawFrameControl(DC, &R, DFC_CAPTION, DFCS_CAPTIONCLOSE | (pressed ? DFCS_PUSHED : 0));
}

void TdxBarStandardPainter::BarDrawMDIButton(TCustomdxBarControl*, TdxBarMDIButton AButton, Integer AState, HDC DC,
                                             TRect R) {
  static const UINT kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
  UINT state = kinds[AButton];
  if (AState == 1) state |= DFCS_INACTIVE;
  if (AState == 4) state |= DFCS_PUSHED;
  DrawFrameControl(DC, &R, DFC_CAPTION, state);
}

TRect TdxBarStandardPainter::BarMarkItemRect(TCustomdxBarControl* ABarControl) {
  TRect R = inherited::BarMarkItemRect(ABarControl);
  if (ABarControl && ABarControl->GetDockingStyle() == dsNone) {
    R = GetToolbarCaptionRect(ABarControl);
    R.right = R.left + 13;
  }
  return R;
}

void TdxBarStandardPainter::BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                  HBRUSH ABrush) {
  inherited::BarDrawBackground(ABarControl, DC, R, R, ABrush, clDefault);
}

void TdxBarEnhancedPainter::BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                  HBRUSH ABrush) {
  const TdxBarMarkState state = ABarControl->GetMarkDrawState();
  if (state == msNone)
    FrameRect(DC, &R, ABrush);
  else
    Edge(DC, R, state == msPressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  inherited::BarDrawBackground(ABarControl, DC, inner, inner, ABrush, clDefault);
}

// Embossed chevrons: a light stroke under the dark lines on horizontal bars, the reverse on vertical.
void TdxBarStandardPainter::BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor) {
  if (AVertical) {
    inherited::BarDrawMarkAtPos(DC, X + 1, Y + 1, AVertical, clBtnShadow);
    inherited::BarDrawMarkAtPos(DC, X, Y, AVertical, clBtnHighlight);
  } else {
    inherited::BarDrawMarkAtPos(DC, X + 1, Y + 1, AVertical, clBtnHighlight);
    inherited::BarDrawMarkAtPos(DC, X, Y, AVertical, clBtnShadow);
  }
}

void TdxBarEnhancedPainter::BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor) {
  TdxBarPainter::BarDrawMarkAtPos(DC, X, Y, AVertical, clBtnText);
}

// ---- Menus -------------------------------------------------------------------------------------------------------------
void TdxBarStandardPainter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams,
                                                        const TRect& R) {
  dxBarDrawHighlightedMenuRow(this, ADrawParams, R);
}


// The outline of a menu's non-recent part, drawn round each row: a line above the first row of each run
// (light above a recent run, dark above a non-recent one) and, round the non-recent rows, the menu's
// background on both sides, above the run and below the last row. Menus have no side bar, cannot be
// detached and do not tie rows to separators yet: the line always reaches one pixel to the left and
// stays at the row's top, and the row above a run ends in a light pixel.
void TdxBarStandardPainter::SubMenuControlDrawItemFrame(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas,
                                                        const TRect& R, Integer AIndex) {
  TCustomdxBarControl* menu = AControl ? AControl->GetParent() : nullptr;
  TdxBarItemLinks* links = menu ? menu->GetItemLinks() : nullptr;
  if (!links || AIndex < 0 || AIndex >= links->GetVisibleItemCount()) return;
  const HDC DC = ACanvas->GetHandle();
  const bool nonRecent = AControl->GetNonRecent();
  TdxBarItemControl* above = AIndex > 0 ? links->GetVisibleItem(AIndex - 1)->GetControl() : nullptr;
  const bool startsRun = above && above->GetNonRecent() != nonRecent;
  if (startsRun) {
    const RECT line{R.left - 1, R.top - 1, R.right, R.top};
    FillRect(DC, &line, GetSysColorBrush(nonRecent ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
  }
  if (!nonRecent) return;
  const HBRUSH background = menu->GetToolbarBrush();
  const RECT sides[] = {{R.left - 1, R.top, R.left, R.bottom}, {R.right, R.top, R.right + 2, R.bottom}};
  for (const RECT& side : sides) FillRect(DC, &side, background);
  if (startsRun) {
    const RECT row{R.left - 1, R.top - 2, R.right + 2, R.top - 1};
    FillRect(DC, &row, background);
    const RECT end{R.right + 1, R.top - 2, R.right + 2, R.top - 1};
    FillRect(DC, &end, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }
  if (AIndex == links->GetVisibleItemCount() - 1) {
    const RECT rest{R.left - 1, R.bottom, R.right + 2, menu->GetClientRect().bottom};
    if (rest.bottom > rest.top) FillRect(DC, &rest, background);
    const RECT corner{R.left - 1, rest.bottom - 1, R.left, rest.bottom};
    FillRect(DC, &corner, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }
}

}  // namespace dxBar
