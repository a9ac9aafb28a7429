// The extra-flat and ultra-flat painters.
#include "cxPCInternal.h"
#include "cxPCPaintersFlat.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeels.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPCPainters {

IMPLEMENT_CLASS(TcxPCExtraFlatPainter)
IMPLEMENT_CLASS(TcxPCUltraFlatPainter)

// ---- Geometry -----------------------------------------------------------------------------------------
Integer TcxPCExtraFlatPainter::GetTabNormalWidth(Integer AIndex) {
  if (!IsAssignedImages() || (AIndex != -1 && !IsTabHasImage(AIndex) && !GetControl()->GetRotate())) return 0;
  return GetTabBaseImageSize().cx + 2 * GetControl()->GetImageBorder() + 4;
}

Integer TcxPCExtraFlatPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  const Integer index = ATab->GetVisibleIndex();
  Integer width = GetControl()->GetTabWidth();
  if (width <= 0) {
    width = GetTabNormalWidth(index);
    width += ATab->GetCaption().empty() ? 12 : TextSize(ATab, ATab->GetCaption()).cx + 9;
  }
  return std::max(width, GetMinTabNormalWidth(index));
}

Integer TcxPCExtraFlatPainter::CalculateTabNormalHeight() {
  Integer height = std::max(InternalCalculateTabNormalHeight(), GetDefaultTabNormalHeight());
  CorrectTabHeightForImage(height);
  const Integer requested = GetControl()->GetTabHeight() - 4;
  if (requested >= GetDefaultTabNormalHeight() && requested > height) height = requested;
  return height;
}

TcxPCWOffset TcxPCExtraFlatPainter::GetTabContentWOffset(Integer AIndex) {
  return IsMainTab(AIndex) ? TcxPCWOffset{3, 3} : TcxPCWOffset{2, 2};
}

TRect TcxPCExtraFlatPainter::GetDrawImageOffset(Integer AIndex) {
  return TRect(IsMainTab(AIndex) ? 3 : 2, 0, 0, 0);
}

TRect TcxPCExtraFlatPainter::GetDrawTextHOffset(Integer AIndex) {
  const bool main = IsMainTab(AIndex);
  TRect r(main ? 6 : 5, 2, 3, 0);
  const Integer positionIndex = GetTab(AIndex)->GetPaintingPositionIndex();
  if (positionIndex == 5 || positionIndex == 7 || positionIndex == 10) r.top = r.bottom = 0;
  if (GetTabRotatedImageSize().cx > 0) r.left += main ? 1 : 2;
  return r;
}

void TcxPCExtraFlatPainter::CorrectTabRect(Integer AIndex, TcxPCRectCorrection& ACorrection) {
  if (IsMainTab(AIndex))
    ACorrection = TcxPCRectCorrection{-1, -1, 1, 1};
  else
    inherited::CorrectTabRect(AIndex, ACorrection);
}

TcxPCDistance TcxPCExtraFlatPainter::GetTabsNormalDistance() {
  TcxPCDistance distance{GetTabsDelimiterWidth(), GetTabsRowsDelimiterWidth() + 3};
  if (GetControl()->GetRotate()) RotateTabsDistance(distance);
  return distance;
}

Integer TcxPCExtraFlatPainter::GetButtonsRegionWOffset() { return 1 + (NeedShowTabsRegionFrame() ? GetFrameWidth() : 0); }

Integer TcxPCExtraFlatPainter::GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) {
  const bool goDialog = AButton1 == nbGoDialog || AButton2 == nbGoDialog;
  const bool close = AButton1 == nbClose || AButton2 == nbClose;
  return goDialog && !close ? 0 : 3;
}

void TcxPCExtraFlatPainter::GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) {
  const Integer buttonsWidth = CalculateButtonsRegionWidth(AButtons);
  TRect margins(6, 3, 6, 0);
  if (NeedShowTabsRegionFrame()) {
    margins.top += GetFrameWidth();
    margins.bottom += GetFrameWidth();
  }
  const TcxTabPosition position = GetTabPosition();
  const Integer width = GetControl()->GetWidth(), height = GetControl()->GetHeight();
  TRect inner = GetExtendedRect(TRect(0, 0, width, height), margins, position);
  ATabsPosition.RowLength = (IsHorizontalTabs() ? width : height) - 12 - buttonsWidth;
  if (IsHorizontalTabs()) {
    if (IsNavigatorAtStart())
      inner.left += buttonsWidth;
    else
      inner.right -= buttonsWidth;
  } else if (IsNavigatorAtStart()) {
    inner.top += buttonsWidth;
  } else {
    inner.bottom -= buttonsWidth;
  }
  ATabsPosition.InnerTabsRect = inner;
  ATabsPosition.OuterTabsRect = GetExtendedRect(inner, TRect(-1, -1, -1, 0), position);
  const bool topOrLeft = position == tpTop || position == tpLeft;
  ATabsPosition.TopOrLeftPartBorderOffset = topOrLeft ? 1 : 0;
  ATabsPosition.BottomOrRightPartBorderOffset = topOrLeft ? 0 : -1;
  ATabsPosition.MinPartsDistance = GetTabsNormalDistance().RowGap - 1;
  CalculateButtonsRegion(AButtons);
}

// ---- Rectangles -----------------------------------------------------------------------------------------------
TRect TcxPCExtraFlatPainter::GetClientRectOffset() {
  TRect offset = inherited::GetClientRectOffset();
  if (!GetControl()->GetHideTabs() && GetControl()->GetRowCount() > 0) offset.top += 2;
  ExcludeUnderLine(offset);
  return offset;
}

void TcxPCExtraFlatPainter::ExcludeUnderLine(TRect& AOffset) {
  if (NeedShowFrame() && !GetControl()->GetHideTabs() && GetControl()->GetRowCount() > 0) AOffset.top -= 1;
}

TRect TcxPCExtraFlatPainter::GetDisplayRectOffset() {
  TRect offset = inherited::GetDisplayRectOffset();
  if (!GetControl()->GetHideTabs() && GetParentInfo()->GetTabsOnBothSides()) offset.bottom += 3;
  return offset;
}

TRect TcxPCExtraFlatPainter::GetMainTabRowUnderlineRect() {
  if (GetControl()->GetHideTabs() || GetControl()->GetRowCount() == 0) return TRect(0, 0, 0, 0);
  const TRect client = GetClientRect();
  return GetBandOutside(GetExtendedRect(client, TRect(0, -2, 0, 0), GetTabPosition()), client,
                        TabSide(GetTabPosition()));
}

TRect TcxPCExtraFlatPainter::GetTabBackgroundRect(Integer AIndex, bool AIgnoreMainTab) {
  TcxTab* tab = GetTab(AIndex);
  if (IsMainTab(AIndex) && !AIgnoreMainTab)
    return GetExtendedRect(tab->GetFullRect(), TRect(1, 1, 1, 0), tab->GetPaintingPosition());
  return GetExtendedRect(tab->GetNormalRect(), TRect(0, -3, 0, -GetTabsRowsDelimiterWidth()), GetTabPosition());
}

TRect TcxPCExtraFlatPainter::GetTabsRowRect(Integer ARow) {
  const TcxPCLineIndexBoundsArray rows = InitializeLineBoundsArray(GetControl());
  if (ARow < 0 || ARow >= static_cast<Integer>(rows.size()) || rows[static_cast<size_t>(ARow)].First == -1)
    return TRect(0, 0, 0, 0);
  TRect r = GetTabBackgroundRect(rows[static_cast<size_t>(ARow)].First, true);
  if (IsHorizontalTabs()) {
    r.left = 0;
    r.right = GetControl()->GetWidth();
  } else {
    r.top = 0;
    r.bottom = GetControl()->GetHeight();
  }
  if (NeedShowTabsRegionFrame()) r = GetExtendedRect(r, TRect(1, 0, 1, 0), GetTabPosition());
  return r;
}

TRect TcxPCExtraFlatPainter::GetFocusRect() {
  static constexpr TcxPCRectCorrection Corrections[] = {{0, 0, -1, 1}, {1, -1, -1, -1}, {0, 0, 1, -1}, {-1, 1, -1, -1}};
  TRect r = GetTab(GetMainTabVisibleIndex())->GetFullRect();
  CorrectRect(r, Corrections[GetTabPosition()]);
  return r;
}

bool TcxPCExtraFlatPainter::IsMainTabRow(Integer ARow) {
  const Integer main = GetMainTabVisibleIndex();
  if (main != -1) return GetTab(main)->GetDisplayRow() == ARow;
  const TcxTabPosition position = GetTabPosition();
  return position == tpTop || position == tpLeft ? ARow == GetControl()->GetRowCount() - 1 : ARow == 0;
}

// ---- Colours ----------------------------------------------------------------------------------------------
TColor TcxPCExtraFlatPainter::GetClientColor() {
  const Integer main = GetMainTabVisibleIndex();
  return main != -1 ? GetParentInfo()->GetPageColor(main) : TColor(clBtnFace);
}

TColor TcxPCExtraFlatPainter::GetTabsRowColor() {
  return GetControl()->GetIsTabsContainer() ? GetControl()->GetColor() : cxPCLightBrushColor;
}

TColor TcxPCExtraFlatPainter::GetTabBodyColor(Integer AIndex) {
  if (GetTab(AIndex)->GetHighlighted()) return GetHighlightedTabBodyColor();
  const TColor color = GetTabColor(AIndex);
  if (color != clDefault) return color;
  if (IsMainTab(AIndex)) return clBtnFace;
  return GetControl()->GetIsTabsContainer() ? GetControl()->GetColor() : cxPCLightBrushColor;
}

TColor TcxPCExtraFlatPainter::GetMainTabRowUnderlineColor() {
  const Integer main = GetMainTabVisibleIndex();
  if (main != -1) {
    const TColor color = GetTabColor(main);
    if (color != clDefault) return color;
  }
  return clBtnFace;
}

TColor TcxPCExtraFlatPainter::GetButtonColor(TcxPCNavigatorButtonState AState) {
  return AState == nbsPressed || AState == nbsHotTrack ? TColor(clBtnFace) : GetTabsRowColor();
}

TColor TcxPCExtraFlatPainter::GetButtonContentColor(TcxPCNavigatorButtonState AState) {
  if (GetControl()->GetEnabled() && AState != nbsDisabled) return AState == nbsPressed ? clBtnHighlight : clBtnText;
  return clBtnShadow;
}

// ---- Navigator buttons ---------------------------------------------------------------------------------------
void TcxPCExtraFlatPainter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  if (AState != nbsPressed && AState != nbsHotTrack) return;
  InternalDrawEdge(ARect, AState == nbsPressed, true);
  ARect = cxRectInflate(ARect, -1, -1);
}

void TcxPCExtraFlatPainter::CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                                             TcxPCNavigatorButtonContentParameters& AParameters) {
  inherited::CalculateButtonContentParameters(AButton, AParameters);
  AParameters.Enabled = true;
  // A disabled arrow is an outline filled with the light colour.
  AParameters.SmallCross =
      AButton == nbClose || !GetControl()->GetEnabled() || GetButtonState(AButton) == nbsDisabled;
  if (AParameters.SmallCross) AParameters.BrushColor = cxPCLightBrushColor;
}

TPoint TcxPCExtraFlatPainter::GetButtonContentPosition(TcxPCNavigatorButton AButton) {
  if (AButton == nbGoDialog) return TPoint(3, GetButtonState(AButton) == nbsPressed ? 5 : 4);
  if (AButton == nbClose) return IsHorizontalTabs() ? TPoint(2, 3) : TPoint(3, 2);
  switch (GetButtonArrow(AButton)) {
    case aTop: return TPoint(2, 5);
    case aBottom: return TPoint(2, 3);
    case aLeft: return TPoint(5, 2);
    default: return TPoint(3, 2);
  }
}

// ---- Painting --------------------------------------------------------------------------------------------------
void TcxPCExtraFlatPainter::InternalPaint() {
  PaintClientArea();
  if (GetControl()->GetHideTabs()) return;
  PaintButtonsRegion();
  PaintTabsRegion();
}

void TcxPCExtraFlatPainter::PaintClientArea() {
  PaintMainTabRowUnderline();
  inherited::PaintClientArea();
}

void TcxPCExtraFlatPainter::PaintMainTabRowUnderline() {
  if (GetControl()->GetHideTabs() || GetControl()->GetRowCount() == 0) return;
  GetCanvas()->FillRect(GetMainTabRowUnderlineRect(), GetMainTabRowUnderlineColor());
}

void TcxPCExtraFlatPainter::InternalPaintFrame(TColor ALightColor, TColor ADarkColor) {
  TRect r = GetDisplayRect();
  if (GetControl()->GetHideTabs() || GetControl()->GetRowCount() == 0) {
    GetCanvas()->DrawComplexFrame(r, ALightColor, ADarkColor);
    return;
  }
  switch (GetTabPosition()) {
    case tpTop: DrawBorder(GetCanvas(), r, {bRight, bBottom, bLeft}, {ADarkColor, ADarkColor, ALightColor}); break;
    case tpBottom: DrawBorder(GetCanvas(), r, {bRight, bTop, bLeft}, {ADarkColor, ALightColor, ALightColor}); break;
    case tpLeft: DrawBorder(GetCanvas(), r, {bBottom, bRight, bTop}, {ADarkColor, ADarkColor, ALightColor}); break;
    case tpRight: DrawBorder(GetCanvas(), r, {bBottom, bLeft, bTop}, {ADarkColor, ALightColor, ALightColor}); break;
  }
}

void TcxPCExtraFlatPainter::InternalPaintMainTabFrame(TRect& ARect, TColor ALightColor, TColor ADarkColor) {
  const TPoint corner = ARect.TopLeft();
  TcxCanvas* canvas = GetCanvas();
  switch (GetTab(GetMainTabVisibleIndex())->GetPaintingPosition()) {
    case tpTop: DrawBorder(canvas, ARect, {bLeft, bTop, bRight}, {ALightColor, ALightColor, ADarkColor}); break;
    case tpBottom:
      DrawBorder(canvas, ARect, {bLeft, bBottom, bRight}, {ALightColor, ADarkColor, ADarkColor});
      canvas->SetPixel(corner.x, corner.y, ADarkColor);
      break;
    case tpLeft: DrawBorder(canvas, ARect, {bTop, bLeft, bBottom}, {ALightColor, ALightColor, ADarkColor}); break;
    case tpRight:
      DrawBorder(canvas, ARect, {bTop, bRight, bBottom}, {ALightColor, ADarkColor, ADarkColor});
      canvas->SetPixel(corner.x, corner.y, ADarkColor);
      break;
  }
}

void TcxPCExtraFlatPainter::InternalPaintTabsRowsDelimiter(TRect& ARect, std::initializer_list<TColor> AColors) {
  static constexpr TcxBorder FarSides[] = {bBottom, bTop, bRight, bLeft};
  const TcxBorder side = FarSides[GetTabPosition()];
  auto color = AColors.begin();
  for (Integer i = 0; i < GetTabsRowsDelimiterWidth() && color != AColors.end(); ++i)
    DrawBorder(GetCanvas(), ARect, {side}, {*color++});
}

void TcxPCExtraFlatPainter::PaintTabsRowsDelimiter(TRect& ARect, Integer) {
  const TcxTabPosition position = GetTabPosition();
  InternalPaintTabsRowsDelimiter(
      ARect, {clBtnFace, clBtnFace, position == tpTop || position == tpLeft ? TColor(clWhite) : TColor(clBlack)});
}

void TcxPCExtraFlatPainter::PaintTabsDelimiter(const TRect& ARect) {
  GetCanvas()->FillRect(ARect, clBtnShadow);
  GetCanvas()->ExcludeClipRect(ARect);
}

// The short line after tab AIndex, unless it touches the main tab or ends the row.
void TcxPCExtraFlatPainter::PaintTabsDelimiterAfter(Integer AIndex) {
  if (IsMainTab(AIndex) || AIndex >= GetVisibleTabCount() - 1 || IsMainTab(AIndex + 1)) return;
  if (GetTab(AIndex)->GetDisplayRow() != GetTab(AIndex + 1)->GetDisplayRow()) return;
  const TRect F = GetTab(AIndex)->GetFullRect();
  const TcxPCTabsDelimiterOffsets offsets = GetTabsDelimiterOffsets();
  const Integer w = GetTabsDelimiterWidth();
  TRect r;
  if (IsHorizontalTabs()) {
    r.top = F.top + offsets.TopOrLeftOffset;
    r.bottom = F.bottom - offsets.BottomOrRightOffset;
    r.left = IsRightToLeftAlignment(GetControl()) ? F.left - w : F.right;
    r.right = r.left + w;
  } else {
    r.left = F.left + offsets.TopOrLeftOffset;
    r.right = F.right - offsets.BottomOrRightOffset;
    r.top = IsBottomToTopAlignment(GetControl()) ? F.top - w : F.bottom;
    r.bottom = r.top + w;
  }
  PaintTabsDelimiter(r);
}

void TcxPCExtraFlatPainter::PaintTabsRegion() {
  const TcxPCLineIndexBoundsArray rows = InitializeLineBoundsArray(GetControl());
  for (Integer row = 0; row < static_cast<Integer>(rows.size()); ++row) {
    const TcxPCIndexInterval interval = rows[static_cast<size_t>(row)];
    if (interval.First == -1) continue;
    std::vector<TcxPCOutTabImageAndTextData> outData;
    SaveClipRgn();
    TRect rowRect;
    {
      TFinally restore([this] { RestoreClipRgn(); });
      for (Integer i = interval.First; i <= interval.Last; ++i) {
        PaintTab(i);
        PaintTabsDelimiterAfter(i);
        outData.push_back(FOutData);
      }
      rowRect = GetTabsRowRect(row);
      TRect rest = rowRect;
      PaintTabsRowsDelimiter(rest, row);
      DrawBackground(GetCanvas(), rest, -1);
    }
    // Transparent tabs get their caption drawn again over the row background.
    for (Integer i = interval.First; i <= interval.Last; ++i)
      if (IsTabTransparent(i)) {
        FOutData = outData[static_cast<size_t>(i - interval.First)];
        AfterPaintTab(i);
      }
    GetCanvas()->ExcludeClipRect(rowRect);
  }
}

void TcxPCExtraFlatPainter::PaintTabShape(Integer AIndex) {
  TRect full = GetTab(AIndex)->GetFullRect();
  const bool main = IsMainTab(AIndex);
  if (main) PaintMainTabFrame(full);
  if (!IsTabTransparent(AIndex)) DrawBackground(GetCanvas(), full, AIndex);
  if (main) InternalDrawFocusRect(AIndex, GetFocusRect());
}

void TcxPCExtraFlatPainter::DrawBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex) {
  if (AIndex != -1 && !IsMainTab(AIndex)) {
    ACanvas->FrameRect(ARect, GetTabsRowColor());
    ARect = cxRectInflate(ARect, -1, -1);
  }
  ACanvas->FillRect(ARect, AIndex == -1 ? GetTabsRowColor() : GetTabBodyColor(AIndex));
}

void TcxPCExtraFlatPainter::RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) {
  if (IsVerticalText(GetControl())) GetTab(AIndex)->ResetVerticalTextBitmap();
  const bool main = IsMainTab(AIndex);
  if (AType == tpcIsMainTab && !main)
    InvalidateTabExtendedTabsRect(AIndex);
  else
    InvalidateTabRect(AIndex);
  if (main) GetControl()->InvalidateRect(GetMainTabRowUnderlineRect(), false);
}

// ---- TcxPCUltraFlatPainter ----------------------------------------------------------------------------------------
bool TcxPCUltraFlatPainter::HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->GetAvailablePainter(totTab)->LookAndFeelStyle() == lfsUltraFlat;
}

Integer TcxPCUltraFlatPainter::GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) {
  return IsOneOfButtons(AButton1, AButton2, nbClose) ? 3 : 1;
}

Integer TcxPCUltraFlatPainter::GetButtonWidth(TcxPCNavigatorButton AButton) {
  static constexpr Integer Widths[] = {15, 15, 11, 14};
  return Widths[AButton];
}

TColor TcxPCUltraFlatPainter::GetButtonColor(TcxPCNavigatorButtonState AState) {
  if (AState == nbsHotTrack) return clBtnFace;
  if (AState == nbsPressed) return clBtnShadow;
  return cxPCLightBrushColor;
}

void TcxPCUltraFlatPainter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  const TColor color = AState == nbsPressed || AState == nbsHotTrack ? TColor(clBlack) : TColor(clBtnShadow);
  GetCanvas()->DrawComplexFrame(ARect, color, color);
  ARect = cxRectInflate(ARect, -1, -1);
}

void TcxPCUltraFlatPainter::CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                                             TcxPCNavigatorButtonContentParameters& AParameters) {
  inherited::CalculateButtonContentParameters(AButton, AParameters);
  AParameters.Enabled = GetControl()->GetEnabled();
  AParameters.SmallCross = AButton == nbClose;
  AParameters.BrushColor = AParameters.PenColor;
}

TRect TcxPCUltraFlatPainter::GetFocusRect() {
  return GetExtendedRect(GetTab(GetMainTabVisibleIndex())->GetFullRect(), TRect(1, 1, 1, 0), GetTabPosition());
}

void TcxPCUltraFlatPainter::PaintTabsRowsDelimiter(TRect& ARect, Integer ARow) {
  if (IsMainTabRow(ARow))
    InternalPaintTabsRowsDelimiter(ARect, {clBtnFace, clBtnFace, clBlack});
  else
    InternalPaintTabsRowsDelimiter(ARect, {clBtnFace, clBlack, clBtnFace});
}

}  // namespace cxPCPainters
