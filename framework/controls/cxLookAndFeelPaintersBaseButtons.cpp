// The base painter's arrows, buttons, expand buttons, check boxes and radio buttons.
#include "Graphics.h"
#include "ImgList.h"
#include "cxGeometry.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPaintersBaseDraw {

Integer PainterTextFlags(TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                         bool AShowEndEllipsis) {
  static const Integer Horz[] = {cxtfAlignLeft, cxtfAlignRight, cxtfAlignHCenter};
  static const Integer Vert[] = {cxtfAlignTop, cxtfAlignBottom, cxtfAlignVCenter};
  return Horz[AAlignmentHorz] | Vert[AAlignmentVert] | (AMultiLine ? cxtfWordBreak : cxtfSingleLine) |
         (AShowEndEllipsis ? cxtfShowEndEllipsis : 0);
}

void PainterPolygon(TcxCanvas* ACanvas, const TPointArray& APoints, TColor AColor) {
  ACanvas->GetBrush()->SetStyle(bsSolid);
  ACanvas->GetBrush()->SetColor(AColor);
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(AColor);
  ACanvas->Polygon(APoints);
}

}  // namespace cxLookAndFeelPaintersBaseDraw

namespace cxLookAndFeelPainters {

namespace {

TPointArray ToArray(const TcxArrowPoints& P) { return TPointArray{P[0], P[1], P[2]}; }

}  // namespace

// ---- Arrow geometry ----------------------------------------------------------------------------------
void TcxCustomLookAndFeelPainter::CalculateArrowPoints(TRect R, TcxArrowPoints& P,
                                                       TcxArrowDirection AArrowDirection, bool AProportional,
                                                       Integer AArrowSize) {
  if (AProportional) {
    const Integer d = R.Width() - R.Height();
    if (d > 0)
      R = cxRectInflate(R, -PainterHalf(d), 0);
    else
      R = cxRectInflate(R, 0, -PainterHalf(-d));
  }
  const bool Vertical = AArrowDirection == adUp || AArrowDirection == adDown;
  Integer s = AArrowSize;
  if (s == 0) s = ((Vertical ? R.Width() : R.Height()) - 1) / 4 + 1;
  const Integer cx = Vertical ? 2 * s - 1 : s;
  const Integer cy = Vertical ? s : 2 * s - 1;
  const Integer L = R.left, T = R.top, Rt = R.right, B = R.bottom;
  switch (AArrowDirection) {
    case adUp:
      P[1] = TPoint(PainterHalf(L + Rt - 1), PainterMid(T + B - cy));
      P[0] = TPoint(PainterHalf(L + Rt - cx), P[1].y + cy - 1);
      P[2] = TPoint(P[0].x + cx - 1, P[0].y);
      break;
    case adDown:
      P[2] = TPoint(PainterHalf(L + Rt - cx), PainterMid(T + B - cy));
      P[0] = TPoint(P[2].x + cx - 1, P[2].y);
      P[1] = TPoint(PainterHalf(L + Rt - 1), P[2].y + cy - 1);
      break;
    case adLeft:
      P[1] = TPoint(PainterHalf(L + Rt - cx), PainterHalf(T + B));
      P[2] = TPoint(P[1].x + cx - 1, PainterMid(T + B - cy));
      P[0] = TPoint(P[2].x, P[2].y + cy - 1);
      break;
    case adRight:
      P[0] = TPoint(PainterHalf(L + Rt - cx), PainterMid(T + B - cy));
      P[1] = TPoint(P[0].x + cx - 1, PainterHalf(T + B));
      P[2] = TPoint(P[0].x, P[0].y + cy - 1);
      break;
  }
}

TcxArrowDirection TcxCustomLookAndFeelPainter::GetArrowDirection(bool AHorizontal, TcxScrollBarPart APart) {
  if (APart == sbpLineUp) return AHorizontal ? adLeft : adUp;
  return AHorizontal ? adRight : adDown;
}

// ---- Arrows ------------------------------------------------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawButtonArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const {
  Integer n = PainterHalf(R.Width());
  if (n % 2 == 0) ++n;
  const Integer m = PainterHalf(n) + 1;
  const Integer Row = PainterMid(R.top + R.bottom - m);
  const Integer X0 = PainterHalf(R.left + R.right - n);
  PainterPolygon(ACanvas, TPointArray{TPoint(X0, Row), TPoint(X0 + n - 1, Row), TPoint(X0 + PainterHalf(n), Row + m - 1)},
                 AColor);
}

void TcxCustomLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection,
                                            TColor AColor) const {
  TcxArrowPoints P;
  CalculateArrowPoints(R, P, AArrowDirection, true);
  PainterPolygon(ACanvas, ToArray(P), AColor);
}

void TcxCustomLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                            TcxArrowDirection AArrowDirection, bool ADrawBorder) const {
  TcxArrowPoints P;
  CalculateArrowPoints(R, P, AArrowDirection, false);
  if (ADrawBorder)
    DrawArrowBorder(ACanvas, R, AState);
  else
    ACanvas->FillRect(R, ButtonColor(AState));
  PainterPolygon(ACanvas, ToArray(P), ButtonSymbolColor(AState));
}

void TcxCustomLookAndFeelPainter::DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  ACanvas->FillRect(R, ButtonColor(AState));
  DrawButtonBorder(ACanvas, R, AState);
}

void TcxCustomLookAndFeelPainter::DrawScrollBarArrow(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                     TcxArrowDirection AArrowDirection) const {
  if (AState == cxbsPressed) R = cxRectOffset(R, ButtonTextShift(), ButtonTextShift());
  TcxArrowPoints P;
  CalculateArrowPoints(R, P, AArrowDirection, true);
  if (AState == cxbsDisabled) {
    TPointArray Engraved = ToArray(P);
    for (TPoint& Pt : Engraved) Pt = TPoint(Pt.x + 1, Pt.y + 1);
    PainterPolygon(ACanvas, Engraved, clBtnHighlight);
    PainterPolygon(ACanvas, ToArray(P), clBtnShadow);
  } else
    PainterPolygon(ACanvas, ToArray(P), ButtonSymbolColor(AState));
}

// ---- Borders and buttons -----------------------------------------------------------------------------
Integer TcxCustomLookAndFeelPainter::BorderSize() const { return 0; }
void TcxCustomLookAndFeelPainter::DrawBorder(TcxCanvas*, TRect) const {}
TRect TcxCustomLookAndFeelPainter::AdjustGroupButtonDisplayRect(const TRect& R, Integer, Integer) const { return R; }
Integer TcxCustomLookAndFeelPainter::ButtonBorderSize(TcxButtonState) const { return 0; }
TColor TcxCustomLookAndFeelPainter::ButtonColor(TcxButtonState) const { return clBtnFace; }

TRect TcxCustomLookAndFeelPainter::ButtonFocusRect(TcxCanvas*, const TRect& R) const {
  const TRect Result = cxRectInflate(R, -4, -4);
  return cxRectIsEmpty(Result) ? R : Result;
}

TRect TcxCustomLookAndFeelPainter::ButtonGroupBorderSizes(Integer, Integer) const {
  const Integer s = ButtonBorderSize(cxbsNormal);
  return TRect(s, s, s, s);
}

Integer TcxCustomLookAndFeelPainter::ButtonTextOffset() const { return 0; }
Integer TcxCustomLookAndFeelPainter::ButtonTextShift() const { return 0; }

TColor TcxCustomLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) const {
  if (AState == cxbsDisabled) return clBtnShadow;
  return ADefaultColor == clDefault ? clBtnText : ADefaultColor;
}

TcxButtonState TcxCustomLookAndFeelPainter::ButtonSymbolState(TcxButtonState AState) const { return AState; }

void TcxCustomLookAndFeelPainter::DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                             TcxButtonState AState, bool ADrawBorder, TColor AColor,
                                             TColor ATextColor, bool AWordWrap) const {
  TRect Content = R;
  if (ADrawBorder) {
    DrawButtonBorder(ACanvas, Content, AState);
    Content = cxRectInflate(Content, -ButtonBorderSize(AState), -ButtonBorderSize(AState));
  }
  if (AColor == clDefault) AColor = ButtonColor(AState);
  ACanvas->FillRect(Content, AColor);
  if (ATextColor == clDefault) ATextColor = ButtonSymbolColor(AState, clDefault);
  ACanvas->GetFont()->SetColor(ATextColor);
  ACanvas->GetBrush()->SetStyle(bsClear);
  // Odd heights lose their last row and short buttons then move up a row: the caption sits on the
  // same line as in the system's own buttons.
  if (Content.Height() % 2 != 0) {
    --Content.bottom;
    if (Content.Height() < 18) --Content.top;
  }
  if (AState == cxbsPressed) Content = cxRectOffset(Content, ButtonTextShift(), ButtonTextShift());
  if (!ACaption.empty()) {
    const Integer Flags = AWordWrap ? cxtfAlignHCenter | cxtfAlignVCenter | cxtfWordBreak | cxtfShowPrefix
                                    : cxtfAlignHCenter | cxtfAlignVCenter | cxtfSingleLine | cxtfShowPrefix;
    ACanvas->DrawTexT(ACaption, Content, Flags, AState != cxbsDisabled);
  }
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawButtonInGroup(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                    Integer, Integer, TColor) const {
  DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault, false);
}

void TcxCustomLookAndFeelPainter::DrawButtonBorder(TcxCanvas*, const TRect&, TcxButtonState) const {}
void TcxCustomLookAndFeelPainter::DrawButtonGroupBorder(TcxCanvas*, const TRect&, bool, bool) const {}
void TcxCustomLookAndFeelPainter::DrawExpandButton(TcxCanvas*, const TRect&, bool, TColor) const {}
bool TcxCustomLookAndFeelPainter::DrawExpandButtonFirst() const { return true; }

void TcxCustomLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                        TcxButtonState AState) const {
  DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault, false);
  DrawGroupExpandButtonMark(ACanvas, R, AExpanded, AState);
}

void TcxCustomLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                        TColor ABorderColor, TColor AColor) const {
  ACanvas->FrameRect(R, ABorderColor);
  if (AColor != clDefault) ACanvas->FillRect(cxRectInflate(R, -1, -1), AColor);
  DrawExpandButtonCross(ACanvas, R, AExpanded, clBtnText);
}

Integer TcxCustomLookAndFeelPainter::ExpandButtonSize() const { return 0; }
Integer TcxCustomLookAndFeelPainter::GroupExpandButtonSize() const { return 15; }
bool TcxCustomLookAndFeelPainter::IsButtonHotTrack() const { return false; }
bool TcxCustomLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) const {
  return cxRectPtIn(R, P);
}
Integer TcxCustomLookAndFeelPainter::SmallExpandButtonSize() const { return 9; }

void TcxCustomLookAndFeelPainter::DrawExpandButtonCross(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                        TColor AColor) const {
  const Integer cx = PainterHalf(R.left + R.right), cy = PainterHalf(R.top + R.bottom);
  const Integer h = PainterHalf(R.Width() - 4);
  ACanvas->FillRect(TRect(cx - h, cy, cx + h + 1, cy + 1), AColor);
  if (!AExpanded) ACanvas->FillRect(TRect(cx, cy - h, cx + 1, cy + h + 1), AColor);
}

void TcxCustomLookAndFeelPainter::DrawGroupExpandButtonMark(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                            TcxButtonState AState) const {
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(ButtonSymbolColor(AState));
  const Integer X0 = PainterHalf(R.left + R.right - 7), Y0 = PainterHalf(R.top + R.bottom - 8);
  const Integer d = AExpanded ? 1 : -1;
  for (Integer y : {Y0, Y0 + 1, Y0 + 4, Y0 + 5}) {
    const Integer p = AExpanded ? (y - Y0) % 2 : 1 - (y - Y0) % 2;
    const Integer y1 = AExpanded ? y + 3 : y;
    ACanvas->Polyline(TPointArray{TPoint(X0 + p, y1 - d * p), TPoint(X0 + 3, y1 - 3 * d),
                                  TPoint(X0 + 7 - p, y1 + d * (1 - p))});
  }
}

// ---- Check boxes and radio buttons -------------------------------------------------------------------
Integer TcxCustomLookAndFeelPainter::CheckBorderSize() const { return 2; }

TColor TcxCustomLookAndFeelPainter::CheckButtonColor(TcxButtonState AState) const {
  return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::CheckButtonSize() const { return cxLookAndFeelCheckButtonSize(); }

void TcxCustomLookAndFeelPainter::DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                            bool AChecked, TColor AColor) const {
  if (ACanvas->GetBrush()->GetStyle() == bsSolid) ACanvas->FillRect(R, CheckButtonColor(AState));
  if (!AChecked) return;
  const Integer W = R.Width() - 2, H = R.Height() - 4, Xc = PainterHalf(R.left + R.right) - 1;
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(AColor);
  for (Integer d = 0; d < 3; ++d) {
    const Integer y = PainterHalf(R.top + R.bottom + H) - 2 + d;
    ACanvas->Polyline(TPointArray{TPoint(Xc - PainterHalf(W) + 1, y - PainterHalf(H)), TPoint(Xc, y),
                                  TPoint(Xc + PainterHalf(W) + 2, y - H)});
  }
}

void TcxCustomLookAndFeelPainter::DrawCheckBorder(TcxCanvas*, const TRect&, TcxButtonState) const {}

void TcxCustomLookAndFeelPainter::DrawCheckButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                  bool AChecked) const {
  DrawCheckButton(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked);
}

void TcxCustomLookAndFeelPainter::DrawCheckButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                  TcxCheckBoxState ACheckState) const {
  DrawCheckBorder(ACanvas, R, AState);
  R = cxRectInflate(R, -CheckBorderSize(), -CheckBorderSize());
  const TColor Color = AState == cxbsDisabled || ACheckState == cbsGrayed ? clGrayText : clBtnText;
  DrawCheck(ACanvas, R, AState, ACheckState == cbsChecked, Color);
}

void TcxCustomLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, Integer X, Integer Y,
                                                  TcxButtonState AButtonState, bool AChecked, bool AFocused,
                                                  TColor ABrushColor, bool AHighlighted) const {
  TcxImageList* Images = PrepareRadioButtonImageList();
  if (!Images) return;
  TcxLookAndFeelStyle Kind = LookAndFeelStyle();
  if (Kind != lfsFlat && Kind != lfsUltraFlat && Kind != lfsOffice11) Kind = lfsStandard;
  const Integer Index = cxLookAndFeelRadioButtonImageIndex(Kind, AButtonState, AChecked, AFocused, AHighlighted);
  if (Index < 0) return;
  if (ABrushColor == clDefault) {
    ACanvas->DrawImage(Images, X, Y, Index);
    return;
  }
  auto Bitmap = NewOwned<TBitmap>();
  Bitmap->SetWidth(Images->GetWidth());
  Bitmap->SetHeight(Images->GetHeight());
  Bitmap->GetCanvas()->GetBrush()->SetColor(ABrushColor);
  Bitmap->GetCanvas()->FillRect(TRect(0, 0, Images->GetWidth(), Images->GetHeight()));
  Images->ImgList::TCustomImageList::Draw(Bitmap->GetCanvas(), 0, 0, Index);
  ACanvas->Draw(X, Y, Bitmap.get());
}

TSize TcxCustomLookAndFeelPainter::RadioButtonSize() const {
  TcxImageList* Images = PrepareRadioButtonImageList();
  return Images ? TSize(Images->GetWidth(), Images->GetHeight()) : cxLookAndFeelCheckButtonSize();
}

}  // namespace cxLookAndFeelPainters
