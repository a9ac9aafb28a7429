// The base bar painter's text: item captions in their enabled, disabled, selected and vertical looks,
// and the lines of an item text that wraps, such as a large button's caption under its glyph.
#include "StringLists.h"
#include "Strings.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"

namespace dxBar {

void dxBarGetItemTextLines(cxGraphics::TcxCanvas* ACanvas, const String& AText, const TRect& R,
                           Integer AMaxLineCount, StringLists::TStrings* ALines) {
  ALines->Clear();
  if (AMaxLineCount < 1) return;
  cxGetTextLines(AText, ACanvas, R, ALines);
  if (ALines->GetCount() <= AMaxLineCount) return;
  // The broken lines lose the blanks between them; find each kept line in the text to know where the
  // rest begins.
  size_t restStart = 0;
  for (Integer i = 0; i < AMaxLineCount - 1; ++i) {
    const String line = ALines->GetStrings(i);
    const size_t at = AText.find(line, restStart);
    if (at != String::npos) restStart = at + line.size();
  }
  while (ALines->GetCount() > AMaxLineCount) ALines->Delete(ALines->GetCount() - 1);
  ALines->SetStrings(AMaxLineCount - 1, Trim(AText.substr(restStart)));
}

// ---- Text colours ---------------------------------------------------------------------------------------------
TColor TdxBarPainter::GetDefaultEnabledTextColor(TdxBarItemControl*, bool ASelected, bool AFlat) {
  return ASelected && !AFlat ? clHighlightText : clBtnText;
}

TColor TdxBarPainter::GetEnabledTextColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat) {
  return GetDefaultEnabledTextColor(AControl, ASelected, AFlat);
}

// The raised look of disabled text: a highlight shadow one pixel right and down under shadow-coloured
// text; flat and selected text is plain grey.
void TdxBarPainter::GetDisabledTextColors(TdxBarItemControl*, bool ASelected, bool AFlat, TColor& AColor1,
                                          TColor& AColor2) {
  if (AFlat || ASelected) {
    AColor1 = clGrayText;
    AColor2 = clGrayText;
  } else {
    AColor1 = clBtnShadow;
    AColor2 = clBtnHighlight;
  }
}

void TdxBarPainter::GetTextColors(TdxBarItemControl* AControl, bool AEnabled, bool ASelected, bool AFlat,
                                  TColor& AColor1, TColor& AColor2) {
  if (!AEnabled) {
    GetDisabledTextColors(AControl, ASelected, AFlat, AColor1, AColor2);
    return;
  }
  AColor1 = clDefault;
  TdxBarItem* item = AControl ? AControl->GetItem() : nullptr;
  if (item && item->IsStyleColorSupported()) {
    TcxViewParams params;
    item->GetTextViewParams(params);
    if (params.TextColor != clDefault && params.TextColor != clNone) AColor1 = params.TextColor;
  }
  if (AColor1 == clDefault) AColor1 = GetEnabledTextColor(AControl, ASelected, AFlat);
  AColor2 = AColor1;
}

TColor TdxBarPainter::GetItemArrowColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat) {
  if (!UseTextColorForItemArrow()) return clDefault;
  TColor color1 = clDefault, color2 = clDefault;
  GetTextColors(AControl, true, ASelected, AFlat, color1, color2);
  return color1;
}

// ---- Item text ------------------------------------------------------------------------------------------------
namespace {

// Vertical text runs down the bar in the rotated font the bar selected; its accelerator underline is
// drawn by hand since the system's prefix handling knows only horizontal text.
void DrawVerticalText(HDC DC, String AText, const TRect& R, Integer AAlignment, TColor AColor) {
  const Integer accel = GetAccelPos(AText, true);
  SIZE extent{};
  GetTextExtentPoint32(DC, AText.c_str(), static_cast<int>(AText.size()), &extent);
  TEXTMETRIC metrics{};
  GetTextMetrics(DC, &metrics);
  const Integer free = R.Height() - extent.cx;
  const Integer offset = AAlignment == 1 ? free / 2 : AAlignment == 2 ? free : 0;
  const Integer x = (R.left + R.right + extent.cy) / 2;
  SetTextColor(DC, ColorToRGB(AColor));
  ExtTextOut(DC, x, R.top + offset, ETO_CLIPPED, &R, AText.c_str(), static_cast<UINT>(AText.size()), nullptr);
  if (accel < 0 || accel >= static_cast<Integer>(AText.size())) return;
  SIZE before{}, accelSize{};
  GetTextExtentPoint32(DC, AText.c_str(), accel, &before);
  GetTextExtentPoint32(DC, AText.c_str() + accel, 1, &accelSize);
  const Integer lineX = (R.left + R.right - extent.cy) / 2 + metrics.tmDescent - 2;
  const Integer top = R.top + offset + before.cx;
  const TRect line(lineX, top, lineX + 1, top + accelSize.cx);
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  FillRect(DC, &line, brush);
  DeleteObject(brush);
}

void DrawTextOnce(HDC DC, const String& AText, TRect R, Integer AAlignment, bool AVertical, TColor AColor,
                  UINT AFormat) {
  if (AVertical) {
    DrawVerticalText(DC, AText, R, AAlignment, AColor);
    return;
  }
  SetTextColor(DC, ColorToRGB(AColor));
  DrawText(DC, AText.c_str(), static_cast<int>(AText.size()), &R, AFormat);
}

}  // namespace

void TdxBarPainter::DrawItemText(TdxBarItemControl* AControl, HDC DC, const String& AText, TRect R,
                                 Integer AAlignment, bool AClip, bool AVertical, bool ASelected, bool AEnabled,
                                 bool AFlat, UINT AFormat) {
  if (AText.empty() || IsRectEmpty(&R)) return;
  const Integer saved = SaveDC(DC);
  if (!AClip || AVertical) AFormat |= DT_NOCLIP;
  if (AClip && AVertical) IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
  if (!AVertical) {
    static const UINT alignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    AFormat |= alignments[std::clamp(AAlignment, 0, 2)] | DT_VCENTER;
  }
  TColor textColor = clDefault, shadowColor = clDefault;
  GetTextColors(AControl, AEnabled, ASelected, AFlat, textColor, shadowColor);
  SetBkMode(DC, TRANSPARENT);
  if (shadowColor != textColor) {
    TRect shadowR = R;
    OffsetRect(&shadowR, 1, 1);
    DrawTextOnce(DC, AText, shadowR, AAlignment, AVertical, shadowColor, AFormat);
  }
  DrawTextOnce(DC, AText, R, AAlignment, AVertical, textColor, AFormat);
  RestoreDC(DC, saved);
}

void dxBarDrawItemMultilineText(TdxBarPainter* APainter, TdxBarItemControlDrawParams* ADrawParams, const String& AText,
                           TRect R, Integer AMaxLineCount, bool AFlat) {
  cxGraphics::TcxCanvas* canvas = ADrawParams->Canvas;
  auto lines = NewOwned<StringLists::TStringList>();
  dxBarGetItemTextLines(canvas, AText, R, AMaxLineCount, lines.get());
  const Integer lineHeight = canvas->TextHeight("Wg");
  for (Integer i = 0; i < lines->GetCount(); ++i) {
    APainter->DrawItemText(ADrawParams->BarItemControl, canvas->GetHandle(), lines->GetStrings(i), R, 0, true, false,
                           ADrawParams->DrawSelected, ADrawParams->Enabled, AFlat, DT_SINGLELINE);
    R.top += lineHeight;
  }
}

void TdxBarPainter::ButtonLikeControlDoDrawCaption(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R,
                                                   UINT AFormat, Integer AAlignment) {
  DrawItemText(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), ADrawParams->Caption, R, AAlignment,
               false, ADrawParams->PaintType == ptVert, ADrawParams->IsTextSelected, ADrawParams->Enabled,
               ADrawParams->IsFlatText, AFormat);
}

TRect TdxBarPainter::GetControlCaptionRect(TdxBarItemControlDrawParams* ADrawParams) {
  TRect R(0, 0, 0, 0);
  if (!ADrawParams->Canvas || ADrawParams->Caption.empty()) return R;
  const TSize extent = ADrawParams->Canvas->TextExtent(GetTextOf(ADrawParams->Caption));
  return TRect(0, 0, extent.cx, extent.cy);
}

Integer TdxBarPainter::GetControlCaptionOffset(TdxBarItemControl* AControl) {
  cxGraphics::TcxCanvas* canvas = AControl ? AControl->GetCanvas() : nullptr;
  return canvas ? -canvas->GetFont()->GetHeight() / 2 : 0;
}

Integer TdxBarPainter::GetDefaultTextSize(cxGraphics::TcxCanvas* ACanvas) { return ACanvas->TextHeight("Wg") + 6; }

Integer TdxBarPainter::SubMenuControlTextSize(cxGraphics::TcxCanvas* ACanvas) { return GetDefaultTextSize(ACanvas); }

}  // namespace dxBar
