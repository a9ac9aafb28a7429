// The base painter's headers, header-control sections, group-by box, footers, filter buttons, row
// indicators, scroll-bar slots and the size grip.
#include "Graphics.h"
#include "ImgList.h"
#include "WinMetrics.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPainters {

// ---- Headers -----------------------------------------------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                             TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                             TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                             bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                             TFont* AFont, TColor ATextColor, TColor ABkColor,
                                             TcxDrawBackgroundEvent AOnDrawBackground, bool, bool) const {
  DrawHeaderBorder(ACanvas, ABounds, ANeighbors, ABorders);
  DrawContent(ACanvas, HeaderContentBounds(ABounds, ABorders), ATextAreaBounds, AState, AAlignmentHorz,
              AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground,
              false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                                               TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                                               TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                               bool AShowEndEllipsis, const String& AText, TFont* AFont,
                                               TColor ATextColor, TColor ABkColor,
                                               TcxDrawBackgroundEvent AOnDrawBackground) const {
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
             AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, false, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderBorder(TcxCanvas*, const TRect&, TcxNeighbors, TcxBorders) const {}

void TcxCustomLookAndFeelPainter::DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) const {
  ACanvas->InvertRect(ABounds);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors, TcxBorders ABorders,
    TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
    bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  DrawHeaderControlSectionBorder(ACanvas, ABounds, ABorders, AState);
  DrawHeaderControlSectionContent(ACanvas, HeaderControlSectionContentBounds(ABounds, AState), ATextAreaBounds,
                                  AState, AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText,
                                  AFont, ATextColor, ABkColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas*, const TRect&, TcxBorders,
                                                                 TcxButtonState) const {}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionContent(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxButtonState AState,
    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
    const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) const {
  ACanvas->FillRect(ABounds, ABkColor);
  DrawHeaderControlSectionText(ACanvas, HeaderControlSectionTextAreaBounds(ATextAreaBounds, AState), AState,
                               AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont,
                               ATextColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionText(TcxCanvas* ACanvas, const TRect& ATextAreaBounds,
                                                               TcxButtonState AState, TAlignment AAlignmentHorz,
                                                               TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                                               bool AShowEndEllipsis, const String& AText,
                                                               TFont* AFont, TColor ATextColor) const {
  ACanvas->GetBrush()->SetStyle(bsClear);
  if (!AText.empty()) {
    if (AFont) ACanvas->SetFont(AFont);
    const Integer Flags = PainterTextFlags(AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis);
    if (AState == cxbsDisabled) {
      ACanvas->GetFont()->SetColor(clBtnHighlight);
      ACanvas->DrawTexT(AText, cxRectOffset(ATextAreaBounds, 1, 1), Flags);
      ACanvas->GetFont()->SetColor(clBtnShadow);
      ACanvas->DrawTexT(AText, ATextAreaBounds, Flags);
    } else {
      ACanvas->GetFont()->SetColor(ATextColor);
      ACanvas->DrawTexT(AText, ATextAreaBounds, Flags);
    }
  }
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSeparator(TcxCanvas* ACanvas, const TRect& ABounds, Integer AIndentSize,
                                                      TColor AColor, const TcxViewParams& AViewParams) const {
  ACanvas->FillRect(TRect(ABounds.left, ABounds.top, ABounds.left + AIndentSize, ABounds.bottom), AViewParams);
  ACanvas->FillRect(TRect(ABounds.right - AIndentSize, ABounds.top, ABounds.right, ABounds.bottom), AViewParams);
  ACanvas->FillRect(cxRectInflate(ABounds, -AIndentSize, 0), AColor);
}

void TcxCustomLookAndFeelPainter::DrawSortingMark(TcxCanvas*, const TRect&, bool) const {}
TcxBorders TcxCustomLookAndFeelPainter::HeaderBorders(TcxNeighbors) const { return cxBordersAll; }
Integer TcxCustomLookAndFeelPainter::HeaderBorderSize() const { return 0; }

TRect TcxCustomLookAndFeelPainter::HeaderBounds(const TRect& ABounds, TcxNeighbors ANeighbors,
                                                TcxBorders ABorders) const {
  TRect R = ABounds;
  const TcxBorders Own = HeaderBorders(ANeighbors);
  const Integer s = HeaderBorderSize();
  auto Outside = [&](TcxBorder B) { return ABorders.Contains(B) && !Own.Contains(B); };
  if (Outside(bLeft)) R.left -= s;
  if (Outside(bTop)) R.top -= s;
  if (Outside(bRight)) R.right += s;
  if (Outside(bBottom)) R.bottom += s;
  return R;
}

TRect TcxCustomLookAndFeelPainter::HeaderContentBounds(const TRect& ABounds, TcxBorders ABorders) const {
  TRect R = ABounds;
  const Integer s = HeaderBorderSize();
  if (ABorders.Contains(bLeft)) R.left += s;
  if (ABorders.Contains(bTop)) R.top += s;
  if (ABorders.Contains(bRight)) R.right -= s;
  if (ABorders.Contains(bBottom)) R.bottom -= s;
  return R;
}

bool TcxCustomLookAndFeelPainter::HeaderDrawCellsFirst() const { return true; }

Integer TcxCustomLookAndFeelPainter::HeaderHeight(Integer AFontHeight) const {
  return AFontHeight + 2 * (HeaderBorderSize() + 2);
}

Integer TcxCustomLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState) const { return 1; }

TRect TcxCustomLookAndFeelPainter::HeaderControlSectionTextAreaBounds(const TRect& ABounds,
                                                                      TcxButtonState AState) const {
  return AState == cxbsPressed ? cxRectOffset(ABounds, 1, 1) : ABounds;
}

TRect TcxCustomLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& ABounds,
                                                                     TcxButtonState AState) const {
  const Integer s = HeaderControlSectionBorderSize(AState);
  return cxRectInflate(ABounds, -s, -s);
}

Integer TcxCustomLookAndFeelPainter::HeaderWidth(TcxCanvas* ACanvas, TcxBorders ABorders, const String& AText,
                                                 TFont* AFont) const {
  if (AFont) ACanvas->SetFont(AFont);
  Integer Result = ACanvas->TextWidth(AText) + 4;
  if (ABorders.Contains(bLeft)) Result += HeaderBorderSize();
  if (ABorders.Contains(bRight)) Result -= HeaderBorderSize();
  return Result;
}

bool TcxCustomLookAndFeelPainter::IsHeaderHotTrack() const { return false; }
TPoint TcxCustomLookAndFeelPainter::SortingMarkAreaSize() const { return TPoint(16, SortingMarkSize().y); }
TPoint TcxCustomLookAndFeelPainter::SortingMarkSize() const { return TPoint(0, 0); }

void TcxCustomLookAndFeelPainter::DrawSortingArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor1,
                                                   TColor AColor2, bool AAscendingSorting) const {
  const TPoint Size = SortingMarkSize();
  const Integer w = Size.x, h = Size.y, d = AAscendingSorting ? 1 : -1;
  const bool Even = w % 2 == 0;
  const Integer x = PainterHalf(R.left + R.right) - (Even ? 1 : 0);
  const Integer y = AAscendingSorting ? PainterHalf(R.top + R.bottom - h) : PainterHalf(R.top + R.bottom + h) - 1;
  const Integer r = PainterHalf(w), l = r - (Even ? 1 : 0);
  TPen* Pen = ACanvas->GetPen();
  Pen->SetStyle(psSolid);
  Pen->SetColor(AColor2);
  ACanvas->MoveTo(x + r, y + (h - 2) * d);
  ACanvas->LineTo(x + r - l, y);
  ACanvas->LineTo(x + r, y + (h - 1) * d);
  if (!AAscendingSorting) Pen->SetColor(AColor1);
  ACanvas->LineTo(x - l, y + (h - 1) * d);
  if (AAscendingSorting) Pen->SetColor(AColor1);
  ACanvas->LineTo(x, y);
  ACanvas->LineTo(x - l, y + (h - (Even ? 0 : 1)) * d);
}

// ---- Group-by box, footers and filter buttons --------------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawGroupByBox(TcxCanvas* ACanvas, const TRect& ABounds, bool ATransparent,
                                                 TColor ABackgroundColor, TBitmap* ABackgroundBitmap) const {
  DrawBackground(ACanvas, ABounds, ATransparent, ABackgroundColor, ABackgroundBitmap);
}

TcxBorders TcxCustomLookAndFeelPainter::FooterBorders() const { return cxBordersAll; }
Integer TcxCustomLookAndFeelPainter::FooterBorderSize() const { return 0; }
Integer TcxCustomLookAndFeelPainter::FooterCellBorderSize() const { return 0; }
Integer TcxCustomLookAndFeelPainter::FooterCellOffset() const { return 0; }
bool TcxCustomLookAndFeelPainter::FooterDrawCellsFirst() const { return true; }
TColor TcxCustomLookAndFeelPainter::FooterSeparatorColor() const { return clBtnShadow; }
Integer TcxCustomLookAndFeelPainter::FooterSeparatorSize() const { return 1; }

void TcxCustomLookAndFeelPainter::DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds,
                                                 TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                 bool AMultiLine, const String& AText, TFont* AFont,
                                                 TColor ATextColor, TColor ABkColor,
                                                 TcxDrawBackgroundEvent AOnDrawBackground) const {
  DrawFooterCellBorder(ACanvas, ABounds);
  DrawContent(ACanvas, FooterCellContentBounds(ABounds), FooterCellTextAreaBounds(ABounds), cxbsNormal,
              AAlignmentHorz, AAlignmentVert, AMultiLine, false, AText, AFont, ATextColor, ABkColor,
              AOnDrawBackground, false);
}

void TcxCustomLookAndFeelPainter::DrawFooterBorder(TcxCanvas*, const TRect&) const {}
void TcxCustomLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas*, const TRect&) const {}

void TcxCustomLookAndFeelPainter::DrawFooterContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                    const TcxViewParams& AViewParams) const {
  if (!cxRectIsEmpty(ARect)) ACanvas->FillRect(ARect, AViewParams);
}

void TcxCustomLookAndFeelPainter::DrawFooterSeparator(TcxCanvas* ACanvas, const TRect& R) const {
  ACanvas->FillRect(R, FooterSeparatorColor());
}

void TcxCustomLookAndFeelPainter::DrawFilterActivateButton(TcxCanvas* ACanvas, const TRect& R,
                                                           TcxButtonState AState, bool AChecked) const {
  DrawCheckButton(ACanvas, R, AState, AChecked);
}

void TcxCustomLookAndFeelPainter::DrawFilterCloseButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState) const {
  DrawButtonBorder(ACanvas, R, AState);
  R = cxRectInflate(R, -ButtonBorderSize(cxbsNormal), -ButtonBorderSize(cxbsNormal));
  ACanvas->FillRect(R, ButtonColor(AState));
  DrawButtonCross(ACanvas, R, ButtonSymbolColor(AState), ButtonSymbolState(AState));
}

void TcxCustomLookAndFeelPainter::DrawButtonCross(TcxCanvas* ACanvas, const TRect& R, TColor AColor,
                                                  TcxButtonState AState) const {
  Integer n = PainterHalf(FilterCloseButtonSize().x);
  if (n % 2 == 0) --n;
  TRect Square = cxRectCenter(R, n, n);
  if (AState == cxbsPressed) Square = cxRectOffset(Square, 1, 1);
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(AColor);
  ACanvas->MoveTo(Square.left, Square.top);
  ACanvas->LineTo(Square.right, Square.bottom);
  ACanvas->MoveTo(Square.right - 1, Square.top);
  ACanvas->LineTo(Square.left - 1, Square.bottom);
}

void TcxCustomLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas*, TRect, TcxButtonState, bool) const {}

void TcxCustomLookAndFeelPainter::DrawFilterPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent,
                                                  TColor ABackgroundColor, TBitmap* ABackgroundBitmap) const {
  DrawBackground(ACanvas, ARect, ATransparent, ABackgroundColor, ABackgroundBitmap);
}

TPoint TcxCustomLookAndFeelPainter::FilterActivateButtonSize() const { return TPoint(13, 13); }
TPoint TcxCustomLookAndFeelPainter::FilterCloseButtonSize() const { return TPoint(16, 14); }
TPoint TcxCustomLookAndFeelPainter::FilterDropDownButtonSize() const { return TPoint(15, 0); }

// ---- Row indicators, scroll bars and the size grip ---------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawIndicatorCustomizationMark(TcxCanvas* ACanvas, const TRect& R,
                                                                 TColor AColor) const {
  ACanvas->GetPen()->SetStyle(psSolid);
  ACanvas->GetPen()->SetColor(AColor);
  Integer y = PainterHalf(R.top + R.bottom - 9);
  for (Integer i = 0; i < 5; ++i, y += 2) {
    ACanvas->MoveTo(R.left + 5, y);
    ACanvas->LineTo(R.left + 3 + R.Width() - 6, y);
    if (i % 2 == 0) ACanvas->SetPixel(R.left + 3, y, AColor);
  }
}

void TcxCustomLookAndFeelPainter::DrawIndicatorImage(TcxCanvas* ACanvas, const TRect& R,
                                                     TcxIndicatorKind AKind) const {
  if (AKind == ikNone) return;
  TcxImageList* Images = cxLookAndFeelIndicatorImages();
  if (!Images) return;
  ACanvas->DrawImage(Images, R.left + PainterHalf(R.Width() - Images->GetWidth()),
                     R.top + PainterHalf(R.Height() - Images->GetHeight()), AKind - 1);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                    TColor AColor, TcxDrawBackgroundEvent AOnDrawBackground) const {
  DrawHeader(ACanvas, R, R, TcxNeighbors(), HeaderBorders(TcxNeighbors{nTop, nBottom}), cxbsNormal, taLeftJustify,
             vaTop, false, false, String(), nullptr, clNone, AColor, AOnDrawBackground, false, false);
  DrawIndicatorImage(ACanvas, R, AKind);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItemEx(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                      TColor AColor,
                                                      TcxDrawBackgroundEvent AOnDrawBackground) const {
  DrawHeaderEx(ACanvas, R, R, TcxNeighbors(), cxBordersAll, cxbsNormal, taLeftJustify, vaTop, false, false,
               String(), nullptr, clNone, AColor, AOnDrawBackground);
  DrawIndicatorImage(ACanvas, R, AKind);
}

bool TcxCustomLookAndFeelPainter::IndicatorDrawItemsFirst() const { return true; }
Integer TcxCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(bool) const { return 8; }
void TcxCustomLookAndFeelPainter::DrawScrollBarPart(TcxCanvas*, bool, TRect, TcxScrollBarPart,
                                                    TcxButtonState) const {}

TSize TcxCustomLookAndFeelPainter::SizeGripSize() const {
  return TSize(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
}

void TcxCustomLookAndFeelPainter::DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect,
                                               TColor ABackgroundColor) const {
  ACanvas->FillRect(ARect, ABackgroundColor);
  RECT R = ARect;
  DrawFrameControl(ACanvas->GetHandle(), &R, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

}  // namespace cxLookAndFeelPainters

namespace cxLookAndFeelPaintersBaseDraw {

void PainterFillScrollBarPage(TcxCanvas* ACanvas, const TRect& R, bool APressed) {
  if (TBitmap* Pattern = cxLookAndFeelScrollBarBitmap(APressed))
    ACanvas->FillRect(R, Pattern);
  else
    ACanvas->FillRect(R, clBtnFace);  // the unit made no patterns: a plain track rather than a stale brush
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

}  // namespace cxLookAndFeelPaintersBaseDraw
