// The base painter's calendar, scheduler and clock parts.
#include <cmath>

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
  ACanvas->SetFontAngle(90);
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

void TcxCustomLookAndFeelPainter::DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                            TColor ABackgroundColor) const {
  constexpr double Pi = 3.14159265358979323846;
  constexpr TColor HandColor = 0x808000, MarkLight = 0xFFFF00;
  const Integer Cx = PainterHalf(ARect.left + ARect.right), Cy = PainterHalf(ARect.top + ARect.bottom);
  const double Rx = ARect.Width() / 2.0 - 2, Ry = ARect.Height() / 2.0 - 2;
  // The marks are kept out of the clip while the face is filled; the caller's clip comes back after.
  ACanvas->SaveClipRegion();
  for (Integer i = 0; i < 60; i += 5) {
    const double a = i * 2 * Pi / 60;
    const TPoint P(static_cast<Integer>(std::lround(Cx + Rx * std::cos(a))),
                   static_cast<Integer>(std::lround(Cy + Ry * std::sin(a))));
    const TRect Mark(P.x - 1, P.y - 1, P.x + 2, P.y + 2);
    ACanvas->DrawComplexFrame(Mark, MarkLight, clBtnText);
    ACanvas->SetPixel(P.x, P.y, HandColor);
    ACanvas->ExcludeClipRect(Mark);
  }
  ACanvas->FillRect(ARect, ABackgroundColor);
  ACanvas->RestoreClipRegion();

  const double Day = ADateTime - std::floor(ADateTime);
  const Integer Seconds = static_cast<Integer>(std::lround(Day * 86400)) % 86400;
  const Integer h = Seconds / 3600, m = Seconds / 60 % 60, s = Seconds % 60;
  auto At = [&](double AAngle, double ARadius) {
    return TPoint(static_cast<Integer>(std::lround(Cx + ARadius * Rx * std::cos(AAngle))),
                  static_cast<Integer>(std::lround(Cy + ARadius * Ry * std::sin(AAngle))));
  };
  auto Hand = [&](double AAngle, double ASide, double ATip, double ATail) {
    const TPoint Tip = At(AAngle, ATip);
    auto Side = [&](double AOffset) {
      return TPoint(static_cast<Integer>(std::lround(Cx + ASide * std::cos(AAngle + AOffset))),
                    static_cast<Integer>(std::lround(Cy + ASide * std::sin(AAngle + AOffset))));
    };
    PainterPolygon(ACanvas, TPointArray{Tip, Side(Pi / 2), At(AAngle + Pi, ATail), Side(-Pi / 2)}, HandColor);
    ACanvas->SetPixel(Tip.x, Tip.y, HandColor);
  };
  Hand(((h % 12) * 3600 + m * 60 + s - 10800) * 2 * Pi / 43200, 4.5, 0.75, 0.15);
  Hand((m * 60 + s - 900) * 2 * Pi / 3600, 3.5, 0.85, 0.2);
  const TPoint Second = At((s - 15) * 2 * Pi / 60, 0.9);
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(clRed);
  ACanvas->MoveTo(Cx, Cy);
  ACanvas->LineTo(Second.x, Second.y);
}

}  // namespace cxLookAndFeelPainters
