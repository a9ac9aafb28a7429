// The base painter's calendar, scheduler and clock parts.
#include "Graphics.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPainters {

void TcxCustomLookAndFeelPainter::CalculateSchedulerNavigationButtonRects(bool AIsNextButton, bool AIsOnlyArrow,
                                                                          const TSize& ATextSize1,
                                                                          const TSize& ATextSize2, TRect& ABounds,
                                                                          TRect& ATextRect, TRect& AArrowRect) const {
  TRect Insets;
  TSize ArrowSize;
  SchedulerNavigationButtonSizes(AIsNextButton, Insets, ArrowSize);
  const Integer b = 3 * ArrowSize.cy;
  if (AIsOnlyArrow) {
    ATextRect = TRect(0, 0, 0, 0);
    ABounds = cxRectCenter(ABounds, ABounds.Width(), b + Insets.top + Insets.bottom);
    ABounds.left = ABounds.left;  // keeps the horizontal extent
    AArrowRect = cxRectCenter(ABounds, ArrowSize);
    return;
  }
  const TRect C = cxRectContent(ABounds, Insets);
  AArrowRect = cxRectCenter(TRect(C.left, C.top, C.right, C.top + b), ArrowSize);
  ATextRect = TRect(C.left, C.top + b + 5, C.right, C.bottom - 2 * ArrowSize.cy);
  const Integer d = std::max(ATextSize1.cx, ATextSize2.cx) - ATextRect.Height();
  if (d >= 1) {
    AArrowRect = cxRectOffset(AArrowRect, 0, -d);
    ATextRect = cxRectInflate(ATextRect, 0, d);
    ABounds = cxRectInflate(ABounds, 0, d);
  }
}

void TcxCustomLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                  TcxNeighbors ANeighbors, const TcxViewParams& AViewParams,
                                                  TcxHeaderArrows AArrows, Integer ASideWidth) const {
  DrawHeader(ACanvas, ABounds, ABounds, ANeighbors, HeaderBorders(ANeighbors), cxbsNormal, taCenter, vaCenter, false,
             false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color, nullptr, false, false);
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxCustomLookAndFeelPainter::DrawMonthHeaderArrows(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        TcxHeaderArrows AArrows, Integer ASideWidth,
                                                        TColor AColor) const {
  TRect R = ABounds;
  R.top += BorderSize();
  R = cxRectInflate(R, 0, -1);
  Integer n = PainterHalf(R.Height());
  if (n % 2 == 0) ++n;
  const Integer y0 = PainterHalf(R.top + R.bottom - n) - 1;
  auto Arrow = [&](Integer x, Integer d) {
    const Integer xe = x + (ASideWidth - 1) * d;
    PainterPolygon(ACanvas,
                   TPointArray{TPoint(xe, y0), TPoint(xe, y0 + n + 1),
                               TPoint(xe - (PainterHalf(n) + 1) * d, y0 + PainterHalf(n) + 1)},
                   AColor);
  };
  if (AArrows == haLeft || AArrows == haBoth) Arrow(R.left, 1);
  if (AArrows == haRight || AArrows == haBoth) Arrow(R.right, -1);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) const {
  DrawBorder(ACanvas, R);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds,
                                                             const TRect& AProgress, const TcxViewParams& AViewParams,
                                                             bool ATransparent) const {
  if (ATransparent)
    ACanvas->FrameRect(ABounds, clGray);
  else
    ACanvas->FillRect(ABounds, AViewParams, cxBordersAll, clGray, 1);
  ACanvas->FillRect(AProgress, clNavy);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                                bool AIsNextButton, TcxButtonState AState,
                                                                const String& AText, const TRect& ATextRect,
                                                                const TRect& AArrowRect) const {
  DrawSchedulerNavigationButtonContent(ACanvas, ARect, AArrowRect, AIsNextButton, AState);
  if (cxRectIsEmpty(ATextRect) || AText.empty()) return;
  // The text reads from bottom to top: drawn with the font turned a quarter.
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->GetFont()->SetColor(ButtonSymbolColor(AState, ACanvas->GetFont()->GetColor()));
  ACanvas->SetFontAngle(900);
  const TSize Size = ACanvas->TextExtent(AText);
  ACanvas->GetCanvas()->TextOut(ATextRect.left + PainterHalf(ATextRect.Width() - Size.cy),
                                ATextRect.bottom - PainterHalf(ATextRect.Height() - Size.cx), AText);
  ACanvas->SetFontAngle(0);
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonArrow(TcxCanvas* ACanvas, const TRect& ARect,
                                                                     bool AIsNextButton, TColor AColor) const {
  const Integer k = (ARect.Height() + 1) / 2;
  const Integer x = AIsNextButton ? ARect.left : ARect.right - 2;
  const Integer dx = AIsNextButton ? 1 : -1;
  TRect Top(x, ARect.top, x + 2, ARect.top + 1), Bottom(x, ARect.bottom - 1, x + 2, ARect.bottom);
  for (Integer i = 0; i < k; ++i) {
    ACanvas->FillRect(Top, AColor);
    ACanvas->FillRect(Bottom, AColor);
    Top = cxRectOffset(Top, dx, 1);
    Bottom = cxRectOffset(Bottom, dx, -1);
  }
  const Integer cx = AIsNextButton ? ARect.right - 1 : ARect.left;
  ACanvas->FillRect(TRect(cx, ARect.top, cx + 1, ARect.bottom), AColor);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                                       const TRect& AArrowRect, bool AIsNextButton,
                                                                       TcxButtonState AState) const {
  const TcxBorders Sides = AIsNextButton ? TcxBorders{bLeft, bTop, bBottom} : TcxBorders{bTop, bRight, bBottom};
  ACanvas->FillRect(ARect, clBtnFace);
  ACanvas->FrameRect(ARect, clBtnShadow, 1, Sides);
  TRect R = cxRectInflate(ARect, 0, -1);
  if (AIsNextButton)
    ++R.left;
  else
    --R.right;
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, Sides);
  else
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnFace, Sides);
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState));
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                               TcxButtonState AState) const {
  DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault, false);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas*, TRect, const TcxViewParams&, bool) const {}
TRect TcxCustomLookAndFeelPainter::SchedulerEventProgressOffsets() const { return TRect(2, 2, 2, 2); }

void TcxCustomLookAndFeelPainter::SchedulerNavigationButtonSizes(bool AIsNextButton, TRect& ABorders,
                                                                 TSize& AArrowSize) const {
  ABorders = AIsNextButton ? TRect(2, 6, 0, 6) : TRect(0, 6, 2, 6);
  AArrowSize = TSize(7, 7);
}

Integer TcxCustomLookAndFeelPainter::ChartToolBoxDataLevelInfoBorderSize() const { return 1; }

void TcxCustomLookAndFeelPainter::DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime,
                                            TColor ABackgroundColor) const {
  ACanvas->FillRect(ARect, ABackgroundColor);
}

}  // namespace cxLookAndFeelPainters
