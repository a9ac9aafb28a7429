// The base bar painter's passive controls: static texts with their borders, separators with and
// without a caption, progress bars and in-place sub-items in menus.
#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"

namespace dxBar {

// ---- Static controls -------------------------------------------------------------------------------------------
bool TdxBarPainter::StaticBackgroundIsOpaque(TdxBarItemControl* AControl) { return AControl->IsBkColorAssigned(); }

void TdxBarPainter::DrawStaticBackground(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  DrawBackground(control, ADrawParams->Canvas->GetHandle(), R, control->GetBkBrush(),
                 StaticBackgroundIsOpaque(control));
}

void TdxBarPainter::DrawStaticBorder(TdxBarStaticLikeControlDrawParams* ADrawParams, TRect& R) {
  HDC DC = ADrawParams->Canvas->GetHandle();
  switch (ADrawParams->BorderStyle) {
    case sbsNone:
      break;
    case sbsLowered:
      DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
      break;
    case sbsRaised:
      DrawEdge(DC, &R, BDR_RAISEDINNER, BF_RECT);
      break;
    case sbsEtched:
      DrawEdge(DC, &R, EDGE_ETCHED, BF_RECT);
      break;
    case sbsBump: {
      DrawEdge(DC, &R, BDR_RAISEDINNER, BF_RECT);
      TRect inner = R;
      InflateRect(&inner, -1, -1);
      DrawEdge(DC, &inner, BDR_SUNKENOUTER, BF_RECT);
      break;
    }
  }
  const TRect offsets = StaticControlGetBorderOffsets(ADrawParams->BorderStyle);
  R.left += offsets.left;
  R.top += offsets.top;
  R.right -= offsets.right;
  R.bottom -= offsets.bottom;
}

// The glyph leads the text (or stands in the middle when it is alone and may), the text follows it.
void TdxBarPainter::DrawStaticGlyphAndCaption(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  const bool vertical = ADrawParams->PaintType == ptVert;
  const bool hasText = ADrawParams->ViewStructure.Contains(cpText) && !ADrawParams->Caption.empty();
  const bool hasGlyph = ADrawParams->ViewStructure.Contains(cpIcon) && control->IconAssigned(ADrawParams->ViewSize);
  TRect textR = R;
  if (hasGlyph) {
    const TSize size = control->GetGlyphSize(ADrawParams->ViewSize);
    TRect cell = R;
    if (!(ADrawParams->AllowCenter && !hasText)) {
      if (vertical) cell.bottom = std::min(R.bottom, R.top + size.cy + 2);
      else cell.right = std::min(R.right, R.left + size.cx + 2);
    }
    TdxBarGlyphState state;
    state.ViewSize = ADrawParams->ViewSize;
    state.Enabled = ADrawParams->Enabled;
    DrawGlyph(control, DC, cell, TRect(), ADrawParams->PaintType, state);
    if (vertical) textR.top += size.cy + 2;
    else textR.left += size.cx + 2;
  } else if (!ADrawParams->AllowCenter) {
    const Integer textSize = control->GetParent() ? control->GetParent()->GetTextSize() : 0;
    if (vertical) textR.top += textSize / 4;
    else textR.left += textSize / 4;
  }
  if (!hasText) return;
  static const Integer alignments[] = {0, 2, 1};  // by TAlignment: left, right, centre
  const Integer alignment = alignments[ADrawParams->Alignment];
  if (alignment == 2) textR.right -= 2;
  DrawItemText(control, DC, ADrawParams->Caption, textR, alignment, true, vertical, false, ADrawParams->Enabled,
               IsFlatItemText(), DT_SINGLELINE);
}

void TdxBarPainter::DrawStaticLikeControl(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R,
                                          const TRect& AContentRect) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  DrawStaticBackground(ADrawParams, AContentRect);
  // The margins between the control and its content are the bar's background.
  const TRect margins[] = {TRect(R.left, R.top, R.right, AContentRect.top),
                           TRect(R.left, AContentRect.bottom, R.right, R.bottom),
                           TRect(R.left, AContentRect.top, AContentRect.left, AContentRect.bottom),
                           TRect(AContentRect.right, AContentRect.top, R.right, AContentRect.bottom)};
  for (const TRect& margin : margins) DrawBackground(control, DC, margin, control->GetBkBrush(), false);
  TRect content = AContentRect;
  DrawStaticBorder(ADrawParams, content);
  DrawStaticGlyphAndCaption(ADrawParams, content);
}

// ---- Separators ------------------------------------------------------------------------------------------------
void TdxBarPainter::DrawSeparatorGlyphAndCaption(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R) {
  DrawStaticGlyphAndCaption(ADrawParams, R);
}

// A titled separator: its caption between a line above (unless it is the first row) and one below;
// without a title it is a plain begin-group gap.
void TdxBarPainter::DrawSeparatorControl(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* parent = control->GetParent();
  HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->Caption.empty()) {
    if (!parent) return;
    if (ADrawParams->PaintType == ptMenu) SubMenuControlDrawBeginGroup(parent, control, ADrawParams->Canvas, R);
    else BarDrawBeginGroup(parent, DC, R, parent->GetToolbarBrush(), ADrawParams->PaintType == ptVert);
    return;
  }
  const Integer size = SubMenuGetSeparatorSize();
  TRect textR = R;
  DrawBackground(control, DC, R, control->GetBkBrush(), StaticBackgroundIsOpaque(control));
  if (!ADrawParams->IsFirstVisible) {
    SubMenuControlDrawSeparator(ADrawParams->Canvas, TRect(R.left, R.top, R.right, R.top + size));
    textR.top += size;
  }
  SubMenuControlDrawSeparator(ADrawParams->Canvas, TRect(R.left, R.bottom - size, R.right, R.bottom));
  textR.bottom -= size;
  DrawSeparatorGlyphAndCaption(ADrawParams, textR);
}

// ---- Progress bar ----------------------------------------------------------------------------------------------
void TdxBarPainter::ProgressControlDrawBackground(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HBRUSH brush = control->GetParent() ? control->GetParent()->GetToolbarBrush() : GetSysColorBrush(COLOR_BTNFACE);
  DrawBackground(control, ADrawParams->Canvas->GetHandle(), R, brush, false);
}

void TdxBarPainter::ProgressControlFillContent(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                               HBRUSH ABrush) {
  FillRect(ADrawParams->Canvas->GetHandle(), &R, ABrush);
}

void TdxBarPainter::ProgressControlFillDiscreteContent(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                                       HBRUSH ABrush) {
  FillRect(ADrawParams->Canvas->GetHandle(), &R, ABrush);
}

// The filled length is the position's share of the range along the bar; an empty range (maximum equal
// to minimum) fills nothing rather than dividing by zero.
Integer dxBarProgressFilledLength(Integer ALength, Integer AMin, Integer AMax, Integer APosition) {
  if (AMax <= AMin || ALength <= 0) return 0;
  const Integer position = std::clamp(APosition, AMin, AMax);
  return static_cast<Integer>(static_cast<long long>(ALength) * (position - AMin) / (AMax - AMin));
}

void TdxBarPainter::ProgressControlDrawBar(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                           TColor AColor) {
  ProgressControlDrawBackground(ADrawParams, R);
  const bool vertical = ADrawParams->PaintType == ptVert;
  const Integer length = vertical ? R.Height() : R.Width();
  const Integer filled = dxBarProgressFilledLength(length, ADrawParams->Min, ADrawParams->Max, ADrawParams->Position);
  if (filled <= 0) return;
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  auto part = [&](Integer AFrom, Integer ATo) {
    return vertical ? TRect(R.left, R.bottom - ATo, R.right, R.bottom - AFrom)
                    : TRect(R.left + AFrom, R.top, R.left + ATo, R.bottom);
  };
  if (ADrawParams->Smooth) {
    ProgressControlFillContent(ADrawParams, part(0, filled), brush);
  } else {
    // Blocks two thirds of the bar's thickness long with 2-pixel gaps; the last one cut at the end.
    const Integer block = std::max<Integer>((vertical ? R.Width() : R.Height()) * 2 / 3, 1);
    for (Integer from = 0; from < filled; from += block + 2)
      ProgressControlFillDiscreteContent(ADrawParams, part(from, std::min(from + block, filled)), brush);
  }
  DeleteObject(brush);
}

// ---- In-place sub-items ----------------------------------------------------------------------------------------
Integer TdxBarPainter::InPlaceSubItemGetArrowWidth(TdxBarItemControl* AControl) {
  return AControl->GetParent() ? AControl->GetParent()->GetTextSize() : 0;
}

bool TdxBarPainter::InPlaceSubItemControlIsFlatItemText(TdxBarInPlaceSubItemControlDrawParams* ADrawParams) {
  return ADrawParams->DrawSelected;
}

void TdxBarPainter::InPlaceSubItemControlDrawBackground(TdxBarInPlaceSubItemControlDrawParams* ADrawParams,
                                                        const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  TCustomdxBarControl* parent = control->GetParent();
  const TRect strip(R.left, R.bottom - 1, R.right, R.bottom);
  DrawBackground(control, DC, strip, parent ? parent->GetToolbarBrush() : control->GetBkBrush(), true);
  TRect body = R;
  body.bottom -= 1;
  if (ADrawParams->DrawSelected) {
    FillRect(DC, &body, parent ? parent->GetToolbarSelBrush() : GetSysColorBrush(COLOR_HIGHLIGHT));
    FrameFlatSelRect(DC, body);
  } else {
    FillRect(DC, &body, InPlaceSubItemControlBrush());
  }
}

void TdxBarPainter::InPlaceSubItemControlDrawArrow(TdxBarInPlaceSubItemControlDrawParams* ADrawParams,
                                                   const TRect& R) {
  const Integer size = ADrawParams->ArrowSize.cy > 0 ? ADrawParams->ArrowSize.cy : 4;
  TRect arrowR = R;
  if (!ADrawParams->IsExpanded) arrowR.left = R.right - size * 2;
  DrawLargeItemArrow(ADrawParams->Canvas->GetHandle(), arrowR, ADrawParams->IsExpanded ? adDown : adRight, size,
                     ADrawParams->Enabled, ADrawParams->DrawSelected && InPlaceSubItemControlIsArrowSelected(ADrawParams),
                     InPlaceSubItemControlIsFlatItemText(ADrawParams));
}

void TdxBarPainter::InPlaceSubItemControlDrawInMenu(TdxBarInPlaceSubItemControlDrawParams* ADrawParams,
                                                    const TRect& R) {
  InPlaceSubItemControlDrawBackground(ADrawParams, R);
  TRect textR = R;
  textR.left += InPlaceSubItemGetTextIndent();
  DrawItemText(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), ADrawParams->Caption, textR, 0, true,
               false, ADrawParams->DrawSelected, ADrawParams->Enabled,
               InPlaceSubItemControlIsFlatItemText(ADrawParams), DT_SINGLELINE);
  if (ADrawParams->Enabled) {
    TRect arrowR = R;
    arrowR.right -= InPlaceSubItemGetArrowWidth(ADrawParams->BarItemControl) / 2;
    InPlaceSubItemControlDrawArrow(ADrawParams, arrowR);
  }
}

}  // namespace dxBar
