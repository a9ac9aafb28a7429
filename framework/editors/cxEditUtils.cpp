#include "cxEditUtils.h"

#include <algorithm>
#include <utility>

#include "ImgList.h"
#include "SysInfo.h"
#include "WinUserDraw.h"
#include "cxDrawTextUtils.h"
#include "cxEditPaintUtils.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPainters.h"
#include "cxContainerViewInfo.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"

namespace cxEditUtils {

namespace {

// The systems that have a hot-light colour of their own: 98, Me, 2000 and XP.
bool FHasHotLightColor = false;
Integer FUnitInitCount = 0;

void FillWithBrush(HDC ADC, const TRect& R, HBRUSH ABrush) {
  RECT r = R;
  FillRect(ADC, &r, ABrush);
}

}  // namespace

// ---- Filling ----------------------------------------------------------------------------------------------
void cxEditFillRect(TCanvas* ACanvas, const TRect& R, TColor AColor) {
  FillWithBrush(ACanvas->GetHandle(), R, GetSolidBrush(AColor));
}

void cxEditFillRect(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  FillWithBrush(ACanvas->GetHandle(), R, GetSolidBrush(AColor));
}

void cxEditFillRect(HDC ADC, const TRect& R, HBRUSH ABrush) { FillWithBrush(ADC, R, ABrush); }

void cxOffsetRect(TRect& R, const TPoint& P) { R = cxRectOffset(R, P); }

void InternalFillRect(TCanvas* ACanvas, const TRect& AOuterRect, const TRect& AInternalRect, HBRUSH ABrush) {
  HDC dc = ACanvas->GetHandle();
  for (const TRect& part : cxContainer::GetContainerFrameParts(AOuterRect, AInternalRect))
    FillWithBrush(dc, part, ABrush);
}

void InternalPolyLine(TCanvas* ACanvas, const TPoint* APoints, Integer ALastIndex, TColor AColor, bool AUseBrush) {
  if (ALastIndex < 0) return;
  const TPoint& last = APoints[ALastIndex];
  if (!AUseBrush) {
    ACanvas->GetPen()->SetColor(AColor);
    ACanvas->Polyline(APoints, ALastIndex + 1);
    // The platform leaves the end point of a line undrawn.
    ACanvas->SetPixel(last.x, last.y, AColor);
    return;
  }
  HDC dc = ACanvas->GetHandle();
  HBRUSH brush = GetSolidBrush(AColor);
  for (Integer i = 0; i < ALastIndex; ++i) {
    const TPoint& a = APoints[i];
    const TPoint& b = APoints[i + 1];
    FillWithBrush(dc, TRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1),
                  brush);
  }
  FillWithBrush(dc, TRect(last.x, last.y, last.x + 1, last.y + 1), brush);
}

// ---- Borders, arrows and glyphs ---------------------------------------------------------------------------
void DrawButtonBorder(TCanvas* ACanvas, TRect& R, TcxBorders ABorders, TColor AColor) {
  HDC dc = ACanvas->GetHandle();
  HBRUSH brush = GetSolidBrush(AColor);
  if (ABorders.Contains(bLeft)) {
    FillWithBrush(dc, TRect(R.left, R.top, R.left + 1, R.bottom), brush);
    ++R.left;
  }
  if (ABorders.Contains(bRight)) {
    FillWithBrush(dc, TRect(R.right - 1, R.top, R.right, R.bottom), brush);
    --R.right;
  }
  if (ABorders.Contains(bTop)) {
    FillWithBrush(dc, TRect(R.left, R.top, R.right, R.top + 1), brush);
    ++R.top;
  }
  if (ABorders.Contains(bBottom)) {
    FillWithBrush(dc, TRect(R.left, R.bottom - 1, R.right, R.bottom), brush);
    --R.bottom;
  }
}

void DrawArrow(TCanvas* ACanvas, Integer ASize, const TRect& R, TcxArrowDirection ADirection, bool ADouble,
               bool APressed, TColor AColor) {
  if (ASize <= 0) return;
  const Integer count = ADouble ? 2 : 1;
  const bool vertical = ADirection == adUp || ADirection == adDown;
  const Integer width = vertical ? 2 * ASize - 1 : count * ASize;
  const Integer height = vertical ? count * ASize : 2 * ASize - 1;
  Integer left = R.left + (R.Width() - width) / 2;
  Integer top = R.top + (R.Height() - height) / 2;
  if (APressed) ++left, ++top;
  HDC dc = ACanvas->GetHandle();
  HBRUSH brush = GetSolidBrush(AColor);
  for (Integer arrow = 0; arrow < count; ++arrow) {
    for (Integer j = 0; j < ASize; ++j) {
      // Strip j: a row for the vertical arrows, a column for the horizontal ones, growing from the tip.
      const Integer grow = ADirection == adUp || ADirection == adLeft ? j : ASize - 1 - j;
      const Integer from = ASize - 1 - grow, to = ASize + grow;  // across the arrow, half-open
      if (vertical)
        FillWithBrush(dc, TRect(left + from, top + j, left + to, top + j + 1), brush);
      else
        FillWithBrush(dc, TRect(left + j, top + from, left + j + 1, top + to), brush);
    }
    (vertical ? top : left) += ASize;
  }
}

TSize GetArrowSize(const TSize& ASize, TcxArrowDirection ADirection) {
  const Integer m = std::min(ASize.cx, ASize.cy);
  Integer w = (m - 1) / 2;
  if (w % 2 == 0) ++w;
  const Integer h = w / 2 + 1;
  return ADirection == adUp || ADirection == adDown ? TSize(w, h) : TSize(h, w);
}

void DrawGlyph(TcxCanvas* ACanvas, Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor,
               TBitmap* ABackgroundBitmap) {
  if (!ABackgroundBitmap) {
    ACanvas->DrawGlyph(X, Y, AGlyph, AEnabled, ABackgroundColor);
    return;
  }
  // The glyph goes onto the background bitmap, whose own pixels show through it.
  TOwnedPtr<TcxCanvas> background(New<TcxCanvas>(ABackgroundBitmap->GetCanvas()));
  background->DrawGlyph(0, 0, AGlyph, AEnabled, clNone);
  ACanvas->Draw(X, Y, ABackgroundBitmap);
}

void DrawGlyph(TCanvas* ACanvas, Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor,
               TBitmap* ABackgroundBitmap) {
  TOwnedPtr<TcxCanvas> canvas(New<TcxCanvas>(ACanvas));
  DrawGlyph(canvas.get(), X, Y, AGlyph, AEnabled, ABackgroundColor, ABackgroundBitmap);
}

void DrawGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, Integer AImageIndex, const TRect& R,
               TColor ABackgroundColor, bool AEnabled, TBitmap* ABackgroundBitmap) {
  TOwnedPtr<TBitmap> own;
  TBitmap* bitmap = ABackgroundBitmap;
  if (!bitmap) {
    own.reset(New<TBitmap>());
    own->SetSize(AImageList->GetWidth(), AImageList->GetHeight());
    own->GetCanvas()->GetBrush()->SetColor(ABackgroundColor);
    own->GetCanvas()->FillRect(TRect(0, 0, AImageList->GetWidth(), AImageList->GetHeight()));
    bitmap = own.get();
  }
  TOwnedPtr<TcxCanvas> canvas(New<TcxCanvas>(bitmap->GetCanvas()));
  canvas->DrawImage(AImageList, 0, 0, AImageIndex, AEnabled);
  ACanvas->Draw(R.left, R.top, bitmap);
}

bool VerifyBitmap(TBitmap* ABitmap) {
  return ABitmap && !ABitmap->GetEmpty() && ABitmap->GetWidth() > 0 && ABitmap->GetHeight() > 0;
}

bool VerifyImages(TCustomImageList* AImages) {
  return AImages && AImages->GetWidth() > 0 && AImages->GetHeight() > 0;
}

// ---- Looks and colours ------------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass GetPainterClass(bool ANative, TcxLookAndFeelKind ALookAndFeelKind) {
  using Painter = TcxCustomLookAndFeelPainterClass;
  if (ANative && AreVisualStylesAvailable()) return Painter::Of<TcxWinXPLookAndFeelPainter>();
  switch (ALookAndFeelKind) {
    case lfFlat: return Painter::Of<TcxFlatLookAndFeelPainter>();
    case lfStandard: return Painter::Of<TcxStandardLookAndFeelPainter>();
    case lfOffice11: return Painter::Of<TcxOffice11LookAndFeelPainter>();
    case lfUltraFlat:
    default: return Painter::Of<TcxUltraFlatLookAndFeelPainter>();
  }
}

TColor GetHotTrackColor() { return FHasHotLightColor ? clHotLight : TColor(0xFF0000); }

TColor GetEditBorderHighlightColor(bool AIsOffice11Style) {
  return AIsOffice11Style ? TColor(dxOffice11SelectedBorderColor) : clHighlight;
}

TColor GetEditButtonHighlightColor(bool APressed, bool AIsOffice11Style) {
  using Painter = TcxCustomLookAndFeelPainterClass;
  const Painter painter = AIsOffice11Style ? Painter::Of<TcxOffice11LookAndFeelPainter>()
                                           : Painter::Of<TcxUltraFlatLookAndFeelPainter>();
  return painter->ButtonColor(APressed ? cxbsPressed : cxbsHot);
}

// ---- Fonts and text flags ---------------------------------------------------------------------------------
void SaveCanvasFont(TcxCanvas* ACanvas, LOGFONTA& AFontData) {
  AFontData = LOGFONTA();
  cxGetFontData(ACanvas->GetFont()->GetHandle(), AFontData);
}

void RestoreCanvasFont(TcxCanvas* ACanvas, const LOGFONTA& AFontData) { ACanvas->GetFont()->AssignLogFont(AFontData); }

namespace {

// The bits of the cxTextOut format word and the cx text flags that stand for each other.
constexpr std::pair<DWORD, Integer> TextFlagPairs[] = {
    {1, cxtfAlignHCenter}, {2, cxtfAlignRight},       {16, cxtfAlignVCenter},
    {32, cxtfAlignBottom}, {cxtoSingleLine, cxtfSingleLine}, {cxtoWordBreak, cxtfWordBreak},
};

}  // namespace

Integer cxTextOutFlagsToDrawTextFlags(DWORD AFlags) {
  Integer result = 0;
  for (const auto& [format, flag] : TextFlagPairs)
    if (AFlags & format) result |= flag;
  return result;
}

DWORD DrawTextFlagsTocxTextOutFlags(Integer AFlags) {
  DWORD result = 0;
  for (const auto& [format, flag] : TextFlagPairs)
    if (AFlags & flag) result |= format;
  return result;
}

// ---- The unit's start ---------------------------------------------------------------------------------------
void InitEditUtils() {
  if (FUnitInitCount++ > 0) return;
  FHasHotLightColor = (Win32Platform == VER_PLATFORM_WIN32_WINDOWS && Win32MinorVersion != 0) ||
                      (Win32Platform == VER_PLATFORM_WIN32_NT && Win32MajorVersion == 5);
}

}  // namespace cxEditUtils
