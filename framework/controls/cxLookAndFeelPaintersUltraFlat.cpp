#include "cxLookAndFeelPaintersUltraFlat.h"

#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPaintersUltraFlat {

IMPLEMENT_CLASS(TcxUltraFlatLookAndFeelPainter)

// ---- Slots of its own ---------------------------------------------------------------------------------
TColor TcxUltraFlatLookAndFeelPainter::FilterDropDownButtonBorderColor(TcxButtonState AState) const {
  return AState == cxbsNormal ? clBtnShadow : clHighlight;
}
TColor TcxUltraFlatLookAndFeelPainter::TabBorderHighlightColor() const { return clBtnShadow; }
TColor TcxUltraFlatLookAndFeelPainter::TabBorderDarkColor() const { return clBtnText; }
TColor TcxUltraFlatLookAndFeelPainter::BorderHighlightColor() const { return clHighlight; }

// ---- Values -------------------------------------------------------------------------------------------
TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainter::LookAndFeelStyle() const { return lfsUltraFlat; }
TColor TcxUltraFlatLookAndFeelPainter::DefaultSchedulerBorderColor() const { return clBtnShadow; }
Integer TcxUltraFlatLookAndFeelPainter::BorderSize() const { return 1; }

Integer TcxUltraFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) const {
  return AState == cxbsDefault ? 2 : 1;
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonColor(TcxButtonState AState) const {
  switch (AState) {
    case cxbsHot: return GetLightSelColor();
    case cxbsPressed: return GetLightDownedSelColor();
    default: return inherited::ButtonColor(AState);
  }
}

TRect TcxUltraFlatLookAndFeelPainter::ButtonFocusRect(TcxCanvas*, const TRect& R) const {
  const TRect result = cxRectInflate(R, -3, -3);
  return cxRectIsEmpty(result) ? R : result;
}

TRect TcxUltraFlatLookAndFeelPainter::ButtonGroupBorderSizes(Integer AButtonCount, Integer AButtonIndex) const {
  TRect result(1, 2, 1, 2);
  if (AButtonIndex == 0)
    result.left = 2;
  else if (AButtonIndex == AButtonCount - 1)
    result.right = 2;
  return result;
}

Integer TcxUltraFlatLookAndFeelPainter::ButtonTextOffset() const { return 2; }
Integer TcxUltraFlatLookAndFeelPainter::ButtonTextShift() const { return 0; }

TColor TcxUltraFlatLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) const {
  return AState == cxbsPressed ? clHighlightText : inherited::ButtonSymbolColor(AState, ADefaultColor);
}

TcxButtonState TcxUltraFlatLookAndFeelPainter::ButtonSymbolState(TcxButtonState) const { return cxbsNormal; }
Integer TcxUltraFlatLookAndFeelPainter::ExpandButtonSize() const { return 11; }
bool TcxUltraFlatLookAndFeelPainter::IsButtonHotTrack() const { return true; }

TcxBorders TcxUltraFlatLookAndFeelPainter::HeaderBorders(TcxNeighbors ANeighbors) const {
  TcxBorders result = cxBordersAll;
  if (ANeighbors.Contains(nLeft)) result.Exclude(bLeft);
  if (ANeighbors.Contains(nTop)) result.Exclude(bTop);
  return result;
}

Integer TcxUltraFlatLookAndFeelPainter::HeaderBorderSize() const { return 1; }
TPoint TcxUltraFlatLookAndFeelPainter::SortingMarkSize() const { return TPoint(7, 8); }
TcxBorders TcxUltraFlatLookAndFeelPainter::FooterBorders() const { return TcxBorders{bRight, bBottom}; }
Integer TcxUltraFlatLookAndFeelPainter::FooterBorderSize() const { return 1; }
Integer TcxUltraFlatLookAndFeelPainter::FooterCellBorderSize() const { return 1; }
Integer TcxUltraFlatLookAndFeelPainter::FooterCellOffset() const { return 2; }

TPoint TcxUltraFlatLookAndFeelPainter::FilterCloseButtonSize() const {
  TPoint result = inherited::FilterCloseButtonSize();
  ++result.y;
  return result;
}

Integer TcxUltraFlatLookAndFeelPainter::TabBorderSize(bool) const { return 1; }

// ---- Drawing ------------------------------------------------------------------------------------------
void TcxUltraFlatLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, TRect R) const {
  ACanvas->FrameRect(R, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R,
                                                      TcxButtonState AState) const {
  switch (AState) {
    case cxbsDefault: ACanvas->FrameRect(R, clWindowFrame, 2); break;
    case cxbsNormal: ACanvas->FrameRect(R, clBtnText); break;
    case cxbsDisabled: ACanvas->FrameRect(R, clBtnShadow); break;
    default: ACanvas->FrameRect(R, clHighlight); break;
  }
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonInGroup(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                       Integer AButtonCount, Integer AButtonIndex,
                                                       TColor ABackgroundColor) const {
  const bool first = AButtonIndex == 0, last = AButtonIndex == AButtonCount - 1;
  TRect area = cxRectInflate(R, first ? -1 : 0, -1, last ? -1 : 0, -1);
  if (AState == cxbsNormal || AState == cxbsDisabled) {
    ACanvas->FrameRect(area, ABackgroundColor);
    area = cxRectInflate(area, -1, -1);
  } else {
    // Hot and pressed buttons are set apart from their neighbours by highlighted separators.
    if (!first) {
      ACanvas->FillRect(TRect(area.left, area.top, area.left + 1, area.bottom), BorderHighlightColor());
      ++area.left;
    }
    if (!last) {
      ACanvas->FillRect(TRect(area.right - 1, area.top, area.right, area.bottom), BorderHighlightColor());
      --area.right;
    }
  }
  ACanvas->FillRect(area, ButtonColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::DrawButtonGroupBorder(TcxCanvas* ACanvas, const TRect& R, bool AInplace,
                                                           bool ASelected) const {
  ACanvas->FrameRect(R, AInplace ? clBtnText : (ASelected ? BorderHighlightColor() : clBtnShadow));
}

void TcxUltraFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                      TColor AColor) const {
  ACanvas->FrameRect(R, clBtnShadow);
  ACanvas->FillRect(cxRectInflate(R, -1, -1), AColor == clDefault ? clBtnFace : AColor);
  DrawExpandButtonCross(ACanvas, R, AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxUltraFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R,
                                                     TcxButtonState AState) const {
  ACanvas->FrameRect(R, clBtnText);
  ACanvas->FrameRect(cxRectInflate(R, -1, -1), CheckButtonColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds,
                                                  const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                                  TcxBorders ABorders, TcxButtonState AState,
                                                  TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                  bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                  TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                  TcxDrawBackgroundEvent AOnDrawBackground) const {
  DrawContent(ACanvas, ABounds, cxRectInflate(ATextAreaBounds, -1, -1), AState, AAlignmentHorz, AAlignmentVert,
              AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground);
  DrawHeaderBorder(ACanvas, cxRectInflate(ABounds, -1, -1), ANeighbors, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors,
                                                      TcxBorders ABorders) const {
  TcxBorders sides{bRight, bBottom};
  if (ABorders.Contains(bLeft)) sides.Include(bLeft);
  if (ABorders.Contains(bTop)) sides.Include(bTop);
  ACanvas->FrameRect(R, clBtnText, 1, sides);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                    TcxBorders ABorders,
                                                                    TcxButtonState AState) const {
  ACanvas->FrameRect(R, AState == cxbsDisabled ? clBtnShadow : clBlack, 1, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderControlSectionContent(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxButtonState AState,
    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
    const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled) ABkColor = ButtonColor(AState);
  ACanvas->FillRect(ABounds, ABkColor);
  ACanvas->GetFont()->SetColor(ATextColor);
  // The caption stays where it is when pressed: this look never shifts its text.
  DrawHeaderControlSectionText(ACanvas, ATextAreaBounds, AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
                               AShowEndEllipsis, AText, AFont, ATextColor);
}

void TcxUltraFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R,
                                                     bool AAscendingSorting) const {
  DrawSortingArrow(ACanvas, R, clBtnShadow, clBtnShadow, AAscendingSorting);
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRect(R, FooterSeparatorColor(), 1, TcxBorders{bRight, bBottom});
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRect(R, FooterSeparatorColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                              bool AIsFilterActive) const {
  ACanvas->FrameRect(R, FilterDropDownButtonBorderColor(AState));
  R = cxRectInflate(R, -1, -1);
  ACanvas->FillRect(R, ButtonColor(AState));
  DrawButtonArrow(ACanvas, R, AIsFilterActive ? clBlue : ButtonSymbolColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders,
                                                   bool AVertical) const {
  bool dark = false;
  if (!AVertical && ABorder == bRight) {
    R.bottom -= TabBorderSize(AVertical);
    dark = true;
  } else if (AVertical && ABorder == bBottom) {
    dark = true;
  }
  ACanvas->FillRect(R, dark ? TabBorderDarkColor() : TabBorderHighlightColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                                  bool AVertical) const {
  ACanvas->FrameRect(R, TabBorderHighlightColor(), TabBorderSize(AVertical), ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R,
                                                       TcxScrollBarPart APart, TcxButtonState AState) const {
  if (cxRectIsEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail:
      DrawButton(ACanvas, R, String(), AState);
      if (APart != sbpThumbnail) DrawScrollBarArrow(ACanvas, R, AState, GetArrowDirection(AHorizontal, APart));
      break;
    case sbpPageUp:
    case sbpPageDown:
      PainterFillScrollBarPage(ACanvas, R, AState == cxbsPressed);
      break;
    case sbpNone: break;
  }
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                                          const TRect& AArrowRect,
                                                                          bool AIsNextButton,
                                                                          TcxButtonState AState) const {
  ACanvas->FillRect(ARect, clBtnFace);
  const TcxBorders sides = AIsNextButton ? TcxBorders{bLeft, bTop, bBottom} : TcxBorders{bTop, bRight, bBottom};
  ACanvas->FrameRect(ARect, AState == cxbsHot ? TabBorderHighlightColor() : TabBorderDarkColor(), 1, sides);
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                                  TcxButtonState AState) const {
  DrawButton(ACanvas, R, String(), AState, AState == cxbsHot || AState == cxbsPressed);
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R,
                                                                 const TcxViewParams& AViewParams,
                                                                 bool AIsHorizontal) const {
  cxDrawFlatSchedulerSplitterBorder(ACanvas, R, AViewParams, AIsHorizontal, DefaultSchedulerBorderColor());
}

void cxDrawFlatSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                       bool AIsHorizontal, TColor ABorderColor) {
  if (AIsHorizontal) {
    ACanvas->FrameRect(R, ABorderColor, 1, TcxBorders{bTop, bBottom});
    R = cxRectInflate(R, 1, -1);
  } else {
    ACanvas->FrameRect(R, ABorderColor, 1, TcxBorders{bLeft, bRight});
    R = cxRectInflate(R, -1, 1);
  }
  ACanvas->FillRect(R, AViewParams);
}

}  // namespace cxLookAndFeelPaintersUltraFlat
