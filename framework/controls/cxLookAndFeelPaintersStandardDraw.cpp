// The standard and flat painters' drawings. The flat painter draws the same parts with one-pixel bevels;
// the drawings that both share live here once, parameterised by the painter whose slots they call.
//
// The flat painter's drawings map to the standard painter's operations by their content:
//   sunken one-pixel edge of R                        -> DrawBorder
//   pressed / default (black frame) / other states    -> DrawButtonBorder
//   a bordered normal button with the expand cross    -> DrawExpandButton
//   sunken edge, then a frame in CheckButtonColor     -> DrawCheckBorder
//   pressed shadow/highlight, else highlight/shadow   -> DrawHeaderControlSectionBorder
//   as standard                                       -> DrawSortingMark
//   as standard with one-pixel edges                  -> DrawFilterDropDownButton
//   as standard                                       -> DrawTabBorder and DrawTabsRoot
//   the scroll-bar parts through DrawButton           -> DrawScrollBarPart
//   one light and one dark line                       -> DrawSchedulerSplitterBorder
// The standard drawings not named there (header and footer borders, month headers) are one-pixel
// already and are drawn alike by both painters. DrawGroupExpandButton keeps the base drawing in the flat
// painter; the standard painter draws it as the flat painter does.
#include "Graphics.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersBaseDraw.h"
#include "cxLookAndFeelPaintersStandard.h"

namespace cxLookAndFeelPaintersStandard {

namespace {

const TcxCustomLookAndFeelPainter* FlatPainter() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxFlatLookAndFeelPainter>().operator->();
}

void DrawHeaderBorderOf(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors) {
  ACanvas->DrawEdge(R, false, false, cxBordersAll);
  // Neighbouring headers join without a double light line.
  if (ANeighbors.Contains(nLeft)) {
    ACanvas->SetPixel(R.left, R.top + 1, clBtnFace);
    ACanvas->SetPixel(R.left, R.bottom - 2, clBtnFace);
  }
  if (ANeighbors.Contains(nRight)) {
    ACanvas->SetPixel(R.right - 1, R.top, clBtnHighlight);
    ACanvas->SetPixel(R.right - 1, R.top + 1, clBtnFace);
    ACanvas->SetPixel(R.right - 1, R.bottom - 2, clBtnFace);
  }
}

void DrawFilterDropDownButtonOf(const TcxCustomLookAndFeelPainter* APainter, TcxCanvas* ACanvas, TRect R,
                                TcxButtonState AState, bool AIsFilterActive) {
  ACanvas->DrawEdge(R, AState == cxbsPressed, AState == cxbsPressed, cxBordersAll);
  R = cxRectInflate(R, -1, -1);
  ACanvas->FillRect(R, clBtnFace);
  APainter->DrawButtonArrow(ACanvas, R, AIsFilterActive ? clBlue : clBtnText);
}

void DrawTabBorderOf(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders, bool AVertical) {
  TColor Color = clBtnHighlight;
  if (!AVertical) {
    if (ABorder == bLeft || ABorder == bRight) {
      if (ABorders.Contains(bTop)) R.top += 2;
      if (ABorders.Contains(bBottom)) R.bottom -= 1;
    } else if (ABorder == bTop) {
      R = cxRectInflate(R, -1, 0);
      ACanvas->SetPixel(R.left - 1, R.top + 1, clBtnHighlight);
      ACanvas->SetPixel(R.right, R.top + 1, clBtnHighlight);
    }
    if (ABorder == bRight) Color = clBtnShadow;
  } else {
    if (ABorder == bLeft) {
      R.top += ABorders.Contains(bTop) ? 2 : 1;
      R.bottom -= ABorders.Contains(bBottom) ? 2 : 1;
      ACanvas->SetPixel(R.left + 1, R.top - 1, clBtnHighlight);
      ACanvas->SetPixel(R.left + 1, R.bottom, clBtnHighlight);
    } else if ((ABorder == bTop || ABorder == bBottom) && ABorders.Contains(bLeft))
      ++R.left;
    if (ABorder == bBottom) Color = clBtnShadow;
  }
  ACanvas->FillRect(R, Color);
}

// The sides a month header frames: all but those shared with a neighbour on the left or right.
TcxBorders MonthHeaderSides(TcxNeighbors ANeighbors) {
  TcxBorders Sides = cxBordersAll;
  if (ANeighbors.Contains(nLeft)) Sides.Exclude(bLeft);
  if (ANeighbors.Contains(nRight)) Sides.Exclude(bRight);
  return Sides;
}

void DrawMonthHeaderOf(const TcxCustomLookAndFeelPainter* APainter, TcxCanvas* ACanvas, const TRect& ABounds,
                       const String& AText, TcxNeighbors ANeighbors, const TcxViewParams& AViewParams,
                       TcxHeaderArrows AArrows, Integer ASideWidth) {
  const TcxBorders Sides = MonthHeaderSides(ANeighbors);
  ACanvas->FrameRect(ABounds, clBlack, 1, Sides);
  const TRect Content = APainter->HeaderContentBounds(ABounds, Sides);
  APainter->DrawHeader(ACanvas, Content, Content, ANeighbors, APainter->HeaderBorders(ANeighbors), cxbsNormal,
                       taCenter, vaCenter, false, false, AText, AViewParams.Font, AViewParams.TextColor,
                       AViewParams.Color, nullptr, !ANeighbors.Contains(nRight), false);
  APainter->DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

// One line along the first and last rows (horizontal) or columns (vertical) of R.
void DrawSplitterLines(TcxCanvas* ACanvas, const TRect& R, bool AIsHorizontal, TColor AFirst, TColor ALast) {
  if (AIsHorizontal) {
    ACanvas->FillRect(TRect(R.left, R.top, R.right, R.top + 1), AFirst);
    ACanvas->FillRect(TRect(R.left, R.bottom - 1, R.right, R.bottom), ALast);
  } else {
    ACanvas->FillRect(TRect(R.left, R.top, R.left + 1, R.bottom), AFirst);
    ACanvas->FillRect(TRect(R.right - 1, R.top, R.right, R.bottom), ALast);
  }
}

// Past the two lines: one pixel longer along the splitter, one pixel in from each line.
TRect SplitterInner(const TRect& R, bool AIsHorizontal) {
  return AIsHorizontal ? cxRectInflate(R, 1, -1) : cxRectInflate(R, -1, 1);
}

}  // namespace

// ---- Standard ----------------------------------------------------------------------------------------
void TcxStandardLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, TRect R) const {
  ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
  ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R,
                                                     TcxButtonState AState) const {
  switch (AState) {
    case cxbsPressed:
      ACanvas->FrameRect(R, clBlack);
      ACanvas->FrameRect(cxRectInflate(R, -1, -1), clBtnShadow);
      break;
    case cxbsDefault:
      ACanvas->FrameRect(R, clBlack);
      DrawButtonBorder(ACanvas, cxRectInflate(R, -1, -1), cxbsNormal);
      break;
    default:
      ACanvas->DrawComplexFrame(R, clBtnHighlight, cl3DDkShadow);
      ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), cl3DLight, clBtnShadow);
  }
}

void TcxStandardLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor AColor) const {
  ACanvas->DrawEdge(R, false, false, TcxBorders{bLeft, bTop});
  ACanvas->DrawEdge(R, false, true, TcxBorders{bRight, bBottom});
  TRect Inner = cxRectInflate(R, -1, -1);
  ACanvas->DrawEdge(Inner, false, false, TcxBorders{bRight, bBottom});
  --Inner.right;
  --Inner.bottom;
  ACanvas->FillRect(Inner, AColor == clDefault ? clBtnFace : AColor);
  DrawExpandButtonCross(ACanvas, Inner, AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxStandardLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                          TcxButtonState AState) const {
  FlatPainter()->TcxCustomLookAndFeelPainter::DrawGroupExpandButton(ACanvas, R, AExpanded, AState);
}

void TcxStandardLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) const {
  ACanvas->DrawEdge(R, true, false);
  ACanvas->DrawEdge(cxRectInflate(R, -1, -1), true, true);
}

void TcxStandardLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                     TcxBorders) const {
  DrawHeaderBorderOf(ACanvas, R, ANeighbors);
}

void TcxStandardLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                   TcxBorders ABorders,
                                                                   TcxButtonState AState) const {
  if (AState == cxbsPressed) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow, ABorders);
    return;
  }
  ACanvas->DrawComplexFrame(R, clBtnHighlight, cl3DDkShadow, ABorders);
  ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), cl3DLight, clBtnShadow, ABorders);
}

void TcxStandardLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const {
  DrawSortingArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

void TcxStandardLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->DrawEdge(R, false, false, cxBordersAll);
}

void TcxStandardLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->DrawEdge(R, true, true, cxBordersAll);
}

void TcxStandardLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                             bool AIsFilterActive) const {
  DrawFilterDropDownButtonOf(this, ACanvas, R, AState, AIsFilterActive);
}

void TcxStandardLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                                                  bool AVertical) const {
  DrawTabBorderOf(ACanvas, R, ABorder, ABorders, AVertical);
}

void TcxStandardLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                 bool) const {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

void TcxStandardLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R,
                                                      TcxScrollBarPart APart, TcxButtonState AState) const {
  if (cxRectIsEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  if (AState == cxbsHot) AState = cxbsNormal;
  switch (APart) {
    case sbpPageUp:
    case sbpPageDown:
      PainterFillScrollBarPage(ACanvas, R, AState == cxbsPressed);
      return;
    case sbpThumbnail:
      break;
    case sbpLineUp:
    case sbpLineDown: {
      static const UINT Kinds[2][2] = {{DFCS_SCROLLUP, DFCS_SCROLLDOWN}, {DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT}};
      UINT Kind = Kinds[AHorizontal][APart == sbpLineDown];
      if (AState == cxbsDisabled) Kind |= DFCS_INACTIVE;
      if (AState == cxbsPressed) Kind |= DFCS_FLAT;
      RECT Button = AState == cxbsPressed ? cxRectOffset(R, 1, 1) : R;
      DrawFrameControl(ACanvas->GetHandle(), &Button, DFC_SCROLL, Kind);
      break;
    }
    default:
      return;
  }
  // The button border, over the system's arrow button or around the thumb.
  if (APart != sbpThumbnail && AState == cxbsPressed) {
    ACanvas->FrameRect(R, clBtnShadow);
    ACanvas->FrameRect(cxRectInflate(R, -1, -1), clBtnFace);
  } else {
    ACanvas->DrawComplexFrame(R, clBtnFace, cl3DDkShadow);
    ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), clBtnHighlight, clBtnShadow);
  }
  if (APart == sbpThumbnail) {
    const Integer s = ButtonBorderSize(cxbsNormal);
    ACanvas->FillRect(cxRectInflate(R, -s, -s), clBtnFace);
  }
}

void TcxStandardLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                    TcxNeighbors ANeighbors, const TcxViewParams& AViewParams,
                                                    TcxHeaderArrows AArrows, Integer ASideWidth) const {
  DrawMonthHeaderOf(this, ACanvas, ABounds, AText, ANeighbors, AViewParams, AArrows, ASideWidth);
}

void TcxStandardLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R,
                                                                const TcxViewParams& AViewParams,
                                                                bool AIsHorizontal) const {
  DrawSplitterLines(ACanvas, R, AIsHorizontal, clBtnFace, cl3DDkShadow);
  R = SplitterInner(R, AIsHorizontal);
  DrawSplitterLines(ACanvas, R, AIsHorizontal, clBtnHighlight, clBtnShadow);
  R = SplitterInner(R, AIsHorizontal);
  ACanvas->FillRect(R, AViewParams);
}

// ---- Flat --------------------------------------------------------------------------------------------
void TcxFlatLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, TRect R) const {
  ACanvas->DrawEdge(R, true, true, cxBordersAll);
}

void TcxFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  switch (AState) {
    case cxbsPressed:
      ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
      break;
    case cxbsDefault:
      ACanvas->FrameRect(R, clBlack);
      ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), clBtnHighlight, clBtnShadow);
      break;
    default:
      ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow);
  }
}

void TcxFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                 TColor AColor) const {
  DrawButton(ACanvas, R, String(), cxbsNormal, true, AColor, clDefault, false);
  DrawExpandButtonCross(ACanvas, cxRectInflate(R, -1, -1), AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  ACanvas->DrawEdge(R, true, true, cxBordersAll);
  ACanvas->FrameRect(cxRectInflate(R, -1, -1), CheckButtonColor(AState));
}

void TcxFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                 TcxBorders) const {
  DrawHeaderBorderOf(ACanvas, R, ANeighbors);
}

void TcxFlatLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                               TcxBorders ABorders, TcxButtonState AState) const {
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, ABorders);
  else
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow, ABorders);
}

void TcxFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const {
  DrawSortingArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

void TcxFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->DrawEdge(R, false, false, cxBordersAll);
}

void TcxFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->DrawEdge(R, true, true, cxBordersAll);
}

void TcxFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                         bool AIsFilterActive) const {
  DrawFilterDropDownButtonOf(this, ACanvas, R, AState, AIsFilterActive);
}

void TcxFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                                              bool AVertical) const {
  DrawTabBorderOf(ACanvas, R, ABorder, ABorders, AVertical);
}

void TcxFlatLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool) const {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

void TcxFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R,
                                                  TcxScrollBarPart APart, TcxButtonState AState) const {
  if (cxRectIsEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  if (AState == cxbsHot) AState = cxbsNormal;
  switch (APart) {
    case sbpPageUp:
    case sbpPageDown:
      PainterFillScrollBarPage(ACanvas, R, AState == cxbsPressed);
      break;
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail:
      DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault, false);
      if (APart != sbpThumbnail) {
        const Integer s = ButtonBorderSize(cxbsNormal);
        DrawScrollBarArrow(ACanvas, cxRectInflate(R, -s, -s), AState, GetArrowDirection(AHorizontal, APart));
      }
      break;
    default:
      break;
  }
}

void TcxFlatLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                TcxNeighbors ANeighbors, const TcxViewParams& AViewParams,
                                                TcxHeaderArrows AArrows, Integer ASideWidth) const {
  DrawMonthHeaderOf(this, ACanvas, ABounds, AText, ANeighbors, AViewParams, AArrows, ASideWidth);
}

void TcxFlatLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R,
                                                            const TcxViewParams& AViewParams,
                                                            bool AIsHorizontal) const {
  DrawSplitterLines(ACanvas, R, AIsHorizontal, clBtnHighlight, clBtnShadow);
  R = SplitterInner(R, AIsHorizontal);
  ACanvas->FillRect(R, AViewParams);
}

}  // namespace cxLookAndFeelPaintersStandard
