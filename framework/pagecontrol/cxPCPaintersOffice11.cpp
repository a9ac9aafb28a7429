// The Office 2003 painter: the ultra-flat geometry in the Office 2003 colour scheme, with two-colour
// gradients for rows, the selected tab, hot and pressed buttons and (optionally) the page.
#include "cxPCInternal.h"
#include "cxPCPaintersFlat.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeels.h"
#include "cxPCPageControl.h"
#include "cxPCRoutines.h"
#include "dxOffice11.h"

namespace cxPCPainters {

IMPLEMENT_CLASS(TcxPCOffice11Painter)

bool TcxPCOffice11Painter::HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  if (ALookAndFeel->GetSkinPainter()) return false;
  return ALookAndFeel->GetAvailablePainter(totTab)->LookAndFeelStyle() == lfsOffice11;
}

TColor TcxPCOffice11Painter::GetFrameColor() { return static_cast<TColor>(dxOffice11SelectedBorderColor); }

TColor TcxPCOffice11Painter::GetSelectedColor1() { return static_cast<TColor>(dxOffice11SelectedColor1); }

TColor TcxPCOffice11Painter::GetSelectedColor2() { return static_cast<TColor>(dxOffice11SelectedColor2); }

bool TcxPCOffice11Painter::IsGradientClienArea() {
  return GetOptions().Contains(pcoGradient) && GetOptions().Contains(pcoGradientClientArea);
}

void TcxPCOffice11Painter::ApplyGradientOption(TColor& AColor1, TColor& AColor2) {
  if (GetOptions().Contains(pcoGradient)) return;
  AColor1 = AColor2 = static_cast<TColor>(GetMiddleRGB(AColor1, AColor2, 50));
}

// ---- Tabs ----------------------------------------------------------------------------------------------
TColor TcxPCOffice11Painter::GetTabBodyColor(Integer AIndex) {
  if (GetTab(AIndex)->GetHighlighted()) return GetHighlightedTabBodyColor();
  return GetTabColor(AIndex);
}

bool TcxPCOffice11Painter::IsTabTransparent(Integer AIndex) {
  return !IsMainTab(AIndex) && GetTabBodyColor(AIndex) == clDefault;
}

TcxPCTabsDelimiterOffsets TcxPCOffice11Painter::GetTabsDelimiterOffsets() {
  const TcxTabPosition position = GetTabPosition();
  return position == tpTop || position == tpLeft ? TcxPCTabsDelimiterOffsets{0, 2} : TcxPCTabsDelimiterOffsets{3, -1};
}

TRect TcxPCOffice11Painter::GetFocusRect() {
  return GetExtendedRect(GetTab(GetMainTabVisibleIndex())->GetFullRect(), TRect(1, 1, 1, 0), GetTabPosition());
}

void TcxPCOffice11Painter::DrawGradientBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex, bool AHorizontal,
                                                  bool ASwap) {
  const bool main = IsMainTab(AIndex);
  TColor color1 = main ? GetSelectedColor1() : static_cast<TColor>(dxOffice11ToolbarsColor1);
  TColor color2 = main ? GetSelectedColor2() : static_cast<TColor>(dxOffice11ToolbarsColor2);
  if (!GetOptions().Contains(pcoGradient))
    ApplyGradientOption(color1, color2);
  else if (ASwap)
    std::swap(color1, color2);
  HDC dc = ACanvas->GetHandle();
  if (AIndex == -1 || GetTabBodyColor(AIndex) == clDefault) {
    FillGradientRect(dc, ARect, color1, color2, AHorizontal);
    return;
  }
  // A tab with a colour of its own: solid, with one line of the row's gradient end on its page side.
  if (!main) {
    TCanvas* canvas = ACanvas->GetCanvas();
    const TRect& R = ARect;
    switch (GetTab(AIndex)->GetPaintingPosition()) {
      case tpTop:
        InternalPolyLine({TPoint(R.left, R.bottom - 1), TPoint(R.right - 1, R.bottom - 1)}, color2, canvas);
        --ARect.bottom;
        break;
      case tpBottom:
        InternalPolyLine({TPoint(R.left, R.top), TPoint(R.right - 1, R.top)}, color1, canvas);
        ++ARect.top;
        break;
      case tpLeft:
        InternalPolyLine({TPoint(R.right - 1, R.top), TPoint(R.right - 1, R.bottom - 1)}, color2, canvas);
        --ARect.right;
        break;
      case tpRight:
        InternalPolyLine({TPoint(R.left, R.top), TPoint(R.left, R.bottom - 1)}, color1, canvas);
        ++ARect.left;
        break;
    }
  }
  FillRectByColor(dc, ARect, ColorToRGB(GetTabBodyColor(AIndex)));
}

void TcxPCOffice11Painter::DrawBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex) {
  DrawGradientBackground(ACanvas, ARect, AIndex, IsVerticalTabs(), false);
}

// The caption's bitmap gets the part of the gradient that lies under it.
void TcxPCOffice11Painter::PrepareDrawTabContentBitmapBackground(TBitmap* ABitmap, const TPoint& AOrigin,
                                                                 Integer AIndex) {
  const TRect background = GetExtendedRect(GetTabBackgroundRect(AIndex, false),
                                           TRect(0, 0, 0, GetTabsRowsDelimiterWidth()), GetTabPosition());
  bool swap;
  const TRect r = GetContentBitmapBackgroundRect(ABitmap, background, AOrigin, swap);
  TcxCanvas* canvas = New<TcxCanvas>(ABitmap->GetCanvas());
  TFinally release([canvas] { canvas->Free(); });
  DrawGradientBackground(canvas, r, AIndex, GetControl()->GetRotate(), swap);
}

// ---- Page and frames ------------------------------------------------------------------------------------------
void TcxPCOffice11Painter::FillDisplayRect() {
  const TRect r = GetClientRect();
  HDC dc = GetCanvas()->GetHandle();
  TcxTabSheet* page = GetParentInfo()->GetActivePage();
  if (page && !page->GetParentColor()) {
    FillRectByColor(dc, r, ColorToRGB(page->GetColor()));
  } else if (IsGradientClienArea()) {
    FillGradientRect(dc, r, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, IsVerticalTabs());
  } else {
    FillRectByColor(dc, r, GetMiddleRGB(dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, 50));
  }
}

TRect TcxPCOffice11Painter::GetClientRectOffset() {
  TRect offset = inherited::GetClientRectOffset();
  if (NeedShowMainTabOppositeRowLine()) offset.bottom += 1;
  return offset;
}

TRect TcxPCOffice11Painter::GetMainTabRowUnderlineRect() {
  if (GetControl()->GetHideTabs() || GetControl()->GetRowCount() == 0) return TRect(0, 0, 0, 0);
  const TRect display = GetDisplayRect();
  return GetBandOutside(display, GetExtendedRect(display, TRect(0, 2, 0, 0), GetTabPosition()),
                        TabSide(GetTabPosition()));
}

TColor TcxPCOffice11Painter::GetMainTabRowUnderlineColor() {
  const Integer main = GetMainTabVisibleIndex();
  if (main != -1) {
    const TColor color = GetTabColor(main);
    if (color != clDefault) return color;
  }
  TColor color1 = GetSelectedColor1(), color2 = GetSelectedColor2();
  if (!GetOptions().Contains(pcoGradient)) return static_cast<TColor>(GetMiddleRGB(color1, color2, 50));
  // The end of the selected tab's gradient that touches the page.
  const TcxTabPosition position = GetTabPosition();
  return position == tpTop || position == tpLeft ? color2 : color1;
}

void TcxPCOffice11Painter::PaintFrame() {
  GetCanvas()->FrameRect(cxRectInflate(GetClientRect(), 1, 1), GetFrameColor());
}

void TcxPCOffice11Painter::PaintMainTabFrame(TRect& ARect) {
  InternalPaintMainTabFrame(ARect, GetFrameColor(), GetFrameColor());
}

void TcxPCOffice11Painter::PaintTabsRowsDelimiter(TRect& ARect, Integer) {
  InternalPaintTabsRowsDelimiter(ARect, {GetFrameColor()});
}

// Two tones: a dark line and a light one a pixel to the right and lower.
void TcxPCOffice11Painter::PaintTabsDelimiter(const TRect& ARect) {
  TRect r(ARect.left, ARect.top, ARect.right - 1, ARect.bottom - 1);
  GetCanvas()->FillRect(r, static_cast<TColor>(dxOffice11BarSeparatorColor1));
  GetCanvas()->ExcludeClipRect(r);
  r = cxRectOffset(r, 1, 1);
  GetCanvas()->FillRect(r, static_cast<TColor>(dxOffice11BarSeparatorColor2));
  GetCanvas()->ExcludeClipRect(r);
}

bool TcxPCOffice11Painter::NeedShowMainTabOppositeRowLine() {
  if (NeedShowFrame()) return false;
  const Integer topOrLeftRows = GetControl()->GetTopOrLeftPartRowCount();
  const TcxTabPosition position = GetTabPosition();
  if (position == tpTop || position == tpLeft) return topOrLeftRows != GetControl()->GetRowCount();
  return topOrLeftRows != 0;
}

void TcxPCOffice11Painter::PaintMainTabOppositeRowLine() {
  const TRect r = GetExtendedRect(GetClientRect(), TRect(0, 0, 0, -1), GetTabPosition());
  Integer width, height;
  GetRectSize(r, IsHorizontalTabs(), width, height);
  DirectionalPolyline(r, {TPoint(r.left, r.bottom - 1), TPoint(r.left + width - 1, r.bottom - 1)}, GetTabPosition(),
                      GetFrameColor());
}

void TcxPCOffice11Painter::PaintClientArea() {
  if (NeedShowMainTabOppositeRowLine()) PaintMainTabOppositeRowLine();
  inherited::PaintClientArea();
}

// ---- Navigator buttons -------------------------------------------------------------------------------------------
TColor TcxPCOffice11Painter::GetButtonContentColor(TcxPCNavigatorButtonState AState) {
  return static_cast<TColor>(AState == nbsDisabled ? dxOffice11TextDisabledColor : dxOffice11TextEnabledColor);
}

void TcxPCOffice11Painter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  const bool enabled = GetControl()->GetEnabled() && AState != nbsDisabled;
  GetCanvas()->FrameRect(ARect, enabled ? GetFrameColor() : static_cast<TColor>(dxOffice11TextDisabledColor));
  ARect = cxRectInflate(ARect, -1, -1);
}

// The button's background continues the row's gradient: the gradient spans the whole first row and
// only the button's part of it shows.
void TcxPCOffice11Painter::PaintButtonBackground(TRect& ARect, TcxPCNavigatorButtonState AState) {
  if (!InternalSetClipRect(ARect, true)) return;
  TFinally restore([this] { InternalResetClipRegion(); });
  const TRect row = GetTabsRowRect(0);
  if (AState == nbsNormal || AState == nbsDisabled) return DrawBackground(GetCanvas(), row, -1);
  TColor color1, color2;
  if (AState == nbsHotTrack) {
    color1 = GetSelectedColor1();
    color2 = GetSelectedColor2();
  } else {
    color1 = static_cast<TColor>(dxOffice11SelectedDownColor1);
    color2 = static_cast<TColor>(dxOffice11SelectedDownColor2);
  }
  ApplyGradientOption(color1, color2);
  FillGradientRect(GetCanvas()->GetHandle(), row, color1, color2, IsVerticalTabs());
}

}  // namespace cxPCPainters
