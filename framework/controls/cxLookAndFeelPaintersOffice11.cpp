#include "cxLookAndFeelPaintersOffice11.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPaintersNative.h"
#include "cxLookAndFeelPaintersStandard.h"
#include "dxOffice11.h"

namespace cxLookAndFeelPaintersOffice11 {

namespace {

TColor C(COLORREF AColor) { return static_cast<TColor>(AColor); }

COLORREF Middle(TColor AColor1, TColor AColor2, int APercent) {
  return GetMiddleRGB(ColorToRGB(AColor1), ColorToRGB(AColor2), APercent);
}

void Gradient(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2) {
  if (!cxRectIsEmpty(R)) FillGradientRect(ACanvas->GetHandle(), R, ColorToRGB(AColor1), ColorToRGB(AColor2), false);
}

void Pixel(TcxCanvas* ACanvas, Integer X, Integer Y, COLORREF AColor) { ACanvas->SetPixel(X, Y, C(AColor)); }

// A one-pixel column of x from the row AFrom up to, not including, the row ATo.
void Column(TcxCanvas* ACanvas, Integer X, Integer AFrom, Integer ATo, TColor AColor) {
  if (ATo > AFrom) ACanvas->FillRect(TRect(X, AFrom, X + 1, ATo), AColor);
}

}  // namespace

IMPLEMENT_CLASS(TcxOffice11LookAndFeelPainter)

// ---- The header gradient --------------------------------------------------------------------------------
TColor TcxOffice11LookAndFeelPainter::HeaderBottomColor() const { return C(dxOffice11ToolbarsColor2); }
TColor TcxOffice11LookAndFeelPainter::HeaderDarkEdgeColor() const { return C(dxOffice11BarSeparatorColor1); }
TColor TcxOffice11LookAndFeelPainter::HeaderHighlightEdgeColor() const { return C(dxOffice11BarSeparatorColor2); }
TColor TcxOffice11LookAndFeelPainter::HeaderTopColor() const {
  return C(GetMiddleRGB(dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, 50));
}

// ---- Values -------------------------------------------------------------------------------------------
TcxLookAndFeelStyle TcxOffice11LookAndFeelPainter::LookAndFeelStyle() const { return lfsOffice11; }
TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxColor() const { return C(dxOffice11BarFloatingBorderColor1); }
TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxTextColor() const {
  return C(dxOffice11BarFloatingCaptionTextColor1);
}
TColor TcxOffice11LookAndFeelPainter::DefaultFooterColor() const { return C(dxOffice11DockColor1); }
TColor TcxOffice11LookAndFeelPainter::DefaultFooterTextColor() const { return DefaultHeaderTextColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxColor() const { return C(dxOffice11InPlaceSubItemColor); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxTextColor() const { return C(dxOffice11ToolbarsColor1); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupColor() const { return C(dxOffice11GroupColor); }
TColor TcxOffice11LookAndFeelPainter::DefaultHeaderBackgroundColor() const { return DefaultGroupByBoxColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultHeaderColor() const { return HeaderTopColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorHeaderColor() const { return C(dxOffice11DockColor1); }
TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorSelectionColor() const {
  return C(dxOffice11DayNavigatorSelectedColor);
}
TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorSelectionTextColor() const { return clWindowText; }
TColor TcxOffice11LookAndFeelPainter::DefaultSchedulerBorderColor() const { return C(dxOffice11OutlookBorderColor); }
TColor TcxOffice11LookAndFeelPainter::DefaultSchedulerControlColor() const {
  return C(dxOffice11OutlookControlColor);
}
TColor TcxOffice11LookAndFeelPainter::DefaultTabColor() const { return C(dxOffice11DockColor2); }
TColor TcxOffice11LookAndFeelPainter::DefaultTabsBackgroundColor() const { return DefaultTabColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultTimeGridMinorScaleColor() const { return C(dxOffice11DockColor1); }
TColor TcxOffice11LookAndFeelPainter::DefaultTimeGridSelectionBarColor() const {
  return DefaultSchedulerControlColor();
}

TColor TcxOffice11LookAndFeelPainter::ButtonColor(TcxButtonState AState) const {
  switch (AState) {
    case cxbsHot: return C(dxOffice11SelectedColor1);
    case cxbsPressed: return C(dxOffice11SelectedDownColor1);
    case cxbsDisabled: return clBtnFace;
    default: return C(dxOffice11DockColor1);
  }
}

TColor TcxOffice11LookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor) const {
  // The scheme decides the symbol colour; a caller's colour does not apply to this look.
  if (AState == cxbsPressed && !IsXPStandardScheme()) return clHighlightText;
  return C(AState == cxbsDisabled ? dxOffice11TextDisabledColor : dxOffice11TextEnabledColor);
}

bool TcxOffice11LookAndFeelPainter::DrawExpandButtonFirst() const { return false; }
Integer TcxOffice11LookAndFeelPainter::ExpandButtonSize() const { return 11; }
Integer TcxOffice11LookAndFeelPainter::SmallExpandButtonSize() const { return ExpandButtonSize(); }

TColor TcxOffice11LookAndFeelPainter::CheckButtonColor(TcxButtonState AState) const {
  if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled) return ButtonColor(AState);
  return TcxCustomLookAndFeelPainter::CheckButtonColor(AState);
}

TcxBorders TcxOffice11LookAndFeelPainter::HeaderBorders(TcxNeighbors) const { return cxBordersAll; }
Integer TcxOffice11LookAndFeelPainter::HeaderBorderSize() const { return 1; }
bool TcxOffice11LookAndFeelPainter::IsHeaderHotTrack() const { return true; }
TColor TcxOffice11LookAndFeelPainter::FooterSeparatorColor() const { return HeaderDarkEdgeColor(); }

TColor TcxOffice11LookAndFeelPainter::FilterDropDownButtonBorderColor(TcxButtonState AState) const {
  return AState == cxbsNormal ? HeaderDarkEdgeColor() : C(dxOffice11SelectedBorderColor);
}

TColor TcxOffice11LookAndFeelPainter::TabBorderHighlightColor() const { return HeaderDarkEdgeColor(); }
TColor TcxOffice11LookAndFeelPainter::TabBorderDarkColor() const { return clBtnText; }
TColor TcxOffice11LookAndFeelPainter::BorderHighlightColor() const { return C(dxOffice11SelectedBorderColor); }

// ---- Drawing ------------------------------------------------------------------------------------------
void TcxOffice11LookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, TRect R) const {
  ACanvas->FrameRect(R, C(dxOffice11ControlBorderColor));
}

void TcxOffice11LookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R,
                                                     TcxButtonState AState) const {
  switch (AState) {
    case cxbsDefault: inherited::DrawButtonBorder(ACanvas, R, AState); break;
    case cxbsNormal: ACanvas->FrameRect(R, clBtnText); break;
    case cxbsDisabled: ACanvas->FrameRect(R, C(dxOffice11TextDisabledColor)); break;
    default: ACanvas->FrameRect(R, C(dxOffice11SelectedBorderColor)); break;
  }
}

void TcxOffice11LookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor) const {
  TBitmap* glyph = AExpanded ? dxOffice11ExpandButtonBitmap1 : dxOffice11ExpandButtonBitmap2;
  if (!glyph || glyph->GetEmpty()) return;
  // The glyph's rounded corners take on the background they are drawn over.
  TCanvas* source = ACanvas->GetCanvas();
  TCanvas* target = glyph->GetCanvas();
  const COLORREF topLeft = source->GetPixel(R.left, R.top) & 0xFFFFFF;
  const COLORREF bottomRight = source->GetPixel(R.right - 1, R.bottom - 1) & 0xFFFFFF;
  target->SetPixel(0, 0, C(GetMiddleRGB(dxOffice11ExpandButtonColor1, topLeft, 25)));
  const TColor corner = C(GetMiddleRGB(dxOffice11ExpandButtonColor2, bottomRight, 25));
  target->SetPixel(10, 10, corner);
  target->SetPixel(0, 10, corner);
  target->SetPixel(10, 0, corner);
  ACanvas->Draw(R.left, R.top, glyph);
}

void TcxOffice11LookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                          TColor, TColor) const {
  DrawExpandButton(ACanvas, R, AExpanded);
}

void TcxOffice11LookAndFeelPainter::DrawContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                const TRect& ATextAreaBounds, Integer AState,
                                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                TcxDrawBackgroundEvent AOnDrawBackground, bool AIsFooter) const {
  const bool hot = AState == cxbsHot;
  if (!(AOnDrawBackground && AOnDrawBackground(ACanvas, ABounds))) {
    TColor top = HeaderTopColor(), bottom = HeaderBottomColor();
    if (hot) top = bottom = C(dxOffice11ToolbarsColor1);
    if (AIsFooter) {
      ACanvas->FillRect(ABounds, top);
    } else {
      ACanvas->FillRect(cxRectInflate(ABounds, 0, 0, 0, -3), top);
      Gradient(ACanvas, TRect(ABounds.left, ABounds.bottom - 4, ABounds.right, ABounds.bottom), top, bottom);
    }
  }
  // The base drawing writes the text only when it is told that the background is done.
  inherited::DrawContent(ACanvas, ABounds, ATextAreaBounds, AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
                         AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                         [](TcxCanvas*, const TRect&) { return true; }, AIsFooter);
  if (hot)
    Gradient(ACanvas, TRect(ABounds.left - 1, ABounds.bottom - 2, ABounds.right, ABounds.bottom + 1),
             C(dxOffice11SelectedColor1), C(dxOffice11SelectedColor2));
}

void TcxOffice11LookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                               TcxBorders ABorders, TcxButtonState AState,
                                               TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                               bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                               TFont* AFont, TColor ATextColor, TColor ABkColor,
                                               TcxDrawBackgroundEvent, bool AIsLast, bool) const {
  // Every header background goes through this look's gradient, whatever the caller asked.
  inherited::DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz,
                        AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr,
                        AIsLast, false);
}

void TcxOffice11LookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                                     TcxBorders ABorders) const {
  const TColor T = HeaderTopColor(), B = HeaderBottomColor(), D = HeaderDarkEdgeColor(),
               H = HeaderHighlightEdgeColor();
  const Integer top = R.top, bottom = R.bottom;
  if (ABorders.Contains(bTop)) ACanvas->FillRect(TRect(R.left, top, R.right, top + 1), T);
  if (ABorders.Contains(bBottom)) ACanvas->FillRect(TRect(R.left, bottom - 1, R.right, bottom), D);
  if (ABorders.Contains(bLeft)) {
    const Integer x = R.left;
    Pixel(ACanvas, x, top + 1, T);
    if (ANeighbors.Contains(nLeft)) {
      Pixel(ACanvas, x, top + 2, T);
      Pixel(ACanvas, x, bottom - 3, Middle(T, B, 25));
      Pixel(ACanvas, x, bottom - 2, B);
      Column(ACanvas, x, top + 2, bottom - 3, H);
    } else {
      Pixel(ACanvas, x, bottom - 2, B);
      Column(ACanvas, x, top + 1, bottom - 2, H);
    }
  }
  if (ABorders.Contains(bRight)) {
    const Integer x = R.right - 1;
    if (ANeighbors.Contains(nRight)) {
      Pixel(ACanvas, x, top + 1, T);
      Pixel(ACanvas, x, top + 2, T);
      Pixel(ACanvas, x, bottom - 3, Middle(T, B, 25));
      Pixel(ACanvas, x, bottom - 2, B);
      Column(ACanvas, x, top + 2, bottom - 3, D);
    } else {
      Pixel(ACanvas, x, top, Middle(T, D, 50));
      Pixel(ACanvas, x, bottom - 2, Middle(B, D, 50));
      Column(ACanvas, x, top + 1, bottom - 2, D);
    }
  }
}

void TcxOffice11LookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
    TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
    TColor ABkColor) const {
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
             AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor);
  if (AState == cxbsPressed) DrawHeaderPressed(ACanvas, ABounds);
}

void TcxOffice11LookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R,
                                                    bool AAscendingSorting) const {
  DrawSortingArrow(ACanvas, R, HeaderDarkEdgeColor(), HeaderHighlightEdgeColor(), AAscendingSorting);
}

void TcxOffice11LookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R,
                                                      TcxScrollBarPart APart, TcxButtonState AState) const {
  // Scroll bars follow the visual style when there is one and look standard otherwise.
  const TcxCustomLookAndFeelPainterClass painter =
      AreVisualStylesAvailable(totScrollBar) ? TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>()
                                             : TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
  painter->DrawScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
}

void TcxOffice11LookAndFeelPainter::DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect,
                                                 TColor ABackgroundColor) const {
  ACanvas->FillRect(ARect, ABackgroundColor);
  Office11DrawSizeGrip(ACanvas->GetHandle(), ARect);
}

void TcxOffice11LookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                    TcxNeighbors, const TcxViewParams& AViewParams,
                                                    TcxHeaderArrows AArrows, Integer ASideWidth) const {
  const TRect R = cxRectInflate(ABounds, -1, -1);
  ACanvas->FillRect(R, AViewParams);
  if (!AText.empty()) {
    ACanvas->GetBrush()->SetStyle(bsClear);
    if (AViewParams.Font) ACanvas->SetFont(AViewParams.Font);
    ACanvas->GetFont()->SetColor(AViewParams.TextColor);
    ACanvas->DrawTexT(AText, R, cxtfAlignHCenter | cxtfAlignVCenter | cxtfSingleLine);
    ACanvas->GetBrush()->SetStyle(bsSolid);
  }
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FrameRect(R, DefaultSchedulerBorderColor());
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                                         const TRect& AArrowRect,
                                                                         bool AIsNextButton,
                                                                         TcxButtonState AState) const {
  COLORREF face = dxOffice11DockColor1;
  if (AState == cxbsHot) face = dxOffice11SelectedColor1;
  if (AState == cxbsPressed) face = dxOffice11SelectedDownColor1;
  ACanvas->FillRect(ARect, C(face));
  const TcxBorders sides = AIsNextButton ? TcxBorders{bLeft, bTop, bBottom} : TcxBorders{bTop, bRight, bBottom};
  ACanvas->FrameRect(ARect, C(dxOffice11OutlookBorderColor), 1, sides);
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState));
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                                 TcxButtonState AState) const {
  TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>()->DrawSchedulerNavigatorButton(ACanvas, R, AState);
}

void TcxOffice11LookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl,
                                                        const TRect& ABounds, TColor AColorFrom,
                                                        TColor AColorTo) const {
  if (AColorFrom == clDefault)
    cxDrawTransparentControlBackground(AControl, ACanvas, ABounds);
  else if (AColorTo == clDefault)
    ACanvas->FillRect(ABounds, AColorFrom);
  else
    Gradient(ACanvas, ABounds, AColorFrom, AColorTo);
}

}  // namespace cxLookAndFeelPaintersOffice11
