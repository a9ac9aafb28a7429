// The slanted painter: tab outlines as polylines turned to the tab position, figure regions from them,
// gradients, rows and the page.
#include "cxPCInternal.h"
#include "cxPCPaintersSlanted.h"

#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxPCImageList.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"
#include "dxOffice11.h"

namespace cxPCPainters {

IMPLEMENT_CLASS(TcxPCSlantedPainter)

// ---- Outline routines ---------------------------------------------------------------------------------
void AddPolylinePart(TPoints& APoints, const TPoints& APartPoints, TLinePositions& APositions,
                     const TLinePositions& APartPositions) {
  APoints.insert(APoints.end(), APartPoints.begin(), APartPoints.end());
  APositions.insert(APositions.end(), APartPositions.begin(), APartPositions.end());
}

bool HasLinePosition(const TLinePositions& APositions, TLinePosition APosition) {
  return std::find(APositions.begin(), APositions.end(), APosition) != APositions.end();
}

// Moves the outline's segments so that the polygon through the points covers the inside of the drawn
// outline (left and top sides moved in) or the outline with its frame (right and bottom moved out).
TcxRegion* CreateFigureRegion(const TPoints& APoints, const TLinePositions& APositions, bool AInner) {
  TPoints p = APoints;
  auto has = [&](TLinePosition lp) { return HasLinePosition(APositions, lp); };
  for (size_t k = 0; k < APositions.size() && k + 1 < p.size(); ++k) {
    TPoint& a = p[k];
    TPoint& b = p[k + 1];
    switch (APositions[k]) {
      case lpL:
        if (!AInner) break;
        a.x += 1, b.x += 1;
        if (has(lpLB)) a.y += 1;
        if (has(lpLT)) b.y -= 1;
        break;
      case lpLT:
        if (!AInner) break;
        (has(lpL) ? a.y : a.x) += 1;
        (has(lpT) ? b.x : b.y) += 1;
        break;
      case lpT:
        if (!AInner) break;
        a.y += 1, b.y += 1;
        if (has(lpLT)) a.x -= 1;
        if (has(lpRT)) b.x += 1;
        break;
      case lpLB:
        if (!AInner) break;
        if (has(lpB)) a.x += 1; else a.y -= 1;
        if (has(lpL)) b.y -= 1; else b.x += 1;
        break;
      case lpRT:
        if (AInner) break;
        if (has(lpT)) a.x += 1; else a.y -= 1;
        if (has(lpR)) b.y -= 1; else b.x += 1;
        break;
      case lpR:
        if (AInner) break;
        a.x += 1, b.x += 1;
        if (has(lpRT)) a.y += 1;
        if (has(lpRB)) b.y -= 1;
        break;
      case lpRB:
        if (AInner) break;
        (has(lpR) ? a.y : a.x) += 1;
        (has(lpB) ? b.x : b.y) += 1;
        break;
      case lpB:
        if (AInner) break;
        a.y += 1, b.y += 1;
        if (has(lpRB)) a.x -= 1;
        if (has(lpLB)) b.x += 1;
        break;
    }
  }
  return New<TcxRegion>(CreatePolygonRgn(p.data(), static_cast<int>(p.size()), WINDING));
}

TcxRegion* TcxPCSlantedPainter::DirectionalGetFigureRegion(const TRect& ARect, const TPoints& APoints,
                                                           const TLinePositions& APositions,
                                                           TcxTabPosition ATabPosition, bool AInner) {
  static constexpr TLinePosition Mapping[4][8] = {
      {lpL, lpLT, lpT, lpRT, lpR, lpRB, lpB, lpLB},
      {lpL, lpLB, lpB, lpRB, lpR, lpRB, lpB, lpLB},
      {lpB, lpLB, lpL, lpLT, lpT, lpRB, lpB, lpLB},
      {lpB, lpRB, lpR, lpRT, lpT, lpRB, lpB, lpLB}};
  static constexpr TPoint LastPointShifts[8] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
  TPoints points = APoints;
  RotatePolyline(ARect, points, ATabPosition);
  TLinePositions positions = APositions;
  if (ATabPosition == tpBottom || ATabPosition == tpRight) {
    std::reverse(points.begin(), points.end());
    std::reverse(positions.begin(), positions.end());
  }
  for (TLinePosition& lp : positions) lp = Mapping[ATabPosition][lp];
  if (!positions.empty() && !points.empty()) {
    const TPoint shift = LastPointShifts[positions.back()];
    points.back() = TPoint(points.back().x + shift.x, points.back().y + shift.y);
    if (ATabPosition == tpLeft && positions.front() == lpLB) points.front() = TPoint(points.front().x + 1, points.front().y + 1);
  }
  return CreateFigureRegion(points, positions, AInner);
}

void TcxPCSlantedPainter::GetTabSize(Integer AIndex, Integer& AWidth, Integer& AHeight) {
  TcxTab* tab = GetTab(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  GetRectSize(tab->GetFullRect(), position == tpTop || position == tpBottom, AWidth, AHeight);
}

void TcxPCSlantedPainter::GetTabFramePolyline(Integer AIndex, TPoints& APoints, TLinePositions& APositions) {
  APoints.clear();
  APositions.clear();
  const TRect R = GetTab(AIndex)->GetFullRect();
  Integer W, H;
  GetTabSize(AIndex, W, H);
  const Integer L = R.left, B = R.bottom;
  TcxTabSlants* slants = GetControl()->GetTabSlants();
  const TcxTabSlantKind kind = slants->GetKind();
  const bool straight = kind == skCutCorner && !slants->GetPositions().Empty();
  auto plain = [&](TcxTabSlantPosition side) {
    return !slants->GetPositions().Contains(side) || (GetControl()->GetRotate() && kind == skSlant);
  };
  if (plain(spLeft)) {
    if (straight)
      AddPolylinePart(APoints, {{L, B - 1}, {L, B - H}}, APositions, {lpL});
    else
      AddPolylinePart(APoints, {{L, B - 1}, {L, B + 2 - H}, {L + 2, B - H}}, APositions, {lpL, lpLT});
  } else if (kind == skSlant) {
    AddPolylinePart(APoints, {{L, B - 1}, {L + H - 1, B - H}}, APositions, {lpLT});
  } else {
    AddPolylinePart(APoints, {{L, B - 1}, {L, B + 6 - H}, {L + 6, B - H}}, APositions, {lpL, lpLT});
  }
  if (plain(spRight)) {
    if (straight)
      AddPolylinePart(APoints, {{L + W - 1, B - H}, {L + W - 1, B - 1}}, APositions, {lpT, lpR});
    else
      AddPolylinePart(APoints, {{L + W - 3, B - H}, {L + W - 1, B + 2 - H}, {L + W - 1, B - 1}}, APositions,
                      {lpT, lpRT, lpR});
  } else if (kind == skSlant) {
    AddPolylinePart(APoints, {{L + W - H, B - H}, {L + W - 1, B - 1}}, APositions, {lpT, lpRT});
  } else {
    AddPolylinePart(APoints, {{L + W - 7, B - H}, {L + W - 1, B + 6 - H}, {L + W - 1, B - 1}}, APositions,
                    {lpT, lpRT, lpR});
  }
}

TcxRegion* TcxPCSlantedPainter::InternalGetTabClipRegion(Integer AIndex, bool AInner) {
  TPoints points;
  TLinePositions positions;
  GetTabFramePolyline(AIndex, points, positions);
  TcxTab* tab = GetTab(AIndex);
  return DirectionalGetFigureRegion(tab->GetFullRect(), points, positions, tab->GetPaintingPosition(), AInner);
}

TRect TcxPCSlantedPainter::GetTabUnderlineRect(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TRect visible = tab->GetVisibleRect();
  const TcxTabPosition position = tab->GetPaintingPosition();
  return GetBandOutside(GetExtendedRect(visible, TRect(0, 0, 0, -1), position), visible, PageSide(position));
}

TcxRegion* TcxPCSlantedPainter::GetTabClipRgn(Integer AIndex) {
  TcxRegion* region = InternalGetTabClipRegion(AIndex, false);
  region->Combine(New<TcxRegion>(GetTab(AIndex)->GetVisibleRect()), roIntersect);
  if (IsMainTab(AIndex)) region->Combine(New<TcxRegion>(GetTabUnderlineRect(AIndex)), roAdd);
  return region;
}

// The main tab lies over its overlapping neighbour.
bool TcxPCSlantedPainter::IsOverTab(Integer AIndex, Integer X, Integer Y) {
  auto contains = [this, X, Y](Integer AIndexToTest) {
    TcxRegion* region = GetTabClipRgn(AIndexToTest);
    const bool result = region->PtInRegion(X, Y);
    region->Free();
    return result;
  };
  if (!contains(AIndex)) return false;
  Integer first, last;
  InitializeVisibleTabRange(GetControl(), first, last);
  const Integer next = AIndex + 1;
  if (next <= last && IsMainTab(next)) return !contains(next);
  return true;
}

// ---- Geometry -------------------------------------------------------------------------------------------
void TcxPCSlantedPainter::Init() {
  inherited::Init();
  FCutValue = InternalGetCutValue();
}

Integer TcxPCSlantedPainter::InternalGetCutValue() {
  return GetControl()->GetTabSlants()->GetKind() == skSlant ? CalculateTabNormalHeight() - 1 : 6;
}

TcxTabSlantPositions TcxPCSlantedPainter::GetSlantedSides() {
  TcxTabSlants* slants = GetControl()->GetTabSlants();
  return slants->GetKind() == skSlant && !GetControl()->GetRotate() ? slants->GetPositions() : TcxTabSlantPositions();
}

TSize TcxPCSlantedPainter::GetTabImageSize() {
  TSize size = GetTabBaseImageSize();
  const Integer border = 2 * GetControl()->GetImageBorder();
  if (size.cx > 0) size.cx += border;
  if (size.cy > 0) size.cy += border;
  return size;
}

TRect TcxPCSlantedPainter::GetDrawImageOffset(Integer) {
  const Integer fw = GetFrameWidth();
  if (!GetControl()->GetRotate()) return TRect(0, fw + 3, 0, 1);
  TcxTabSlants* slants = GetControl()->GetTabSlants();
  const Integer margin = slants->GetKind() == skCutCorner && !slants->GetPositions().Empty() ? fw + 2 : fw + 1;
  return TRect(0, margin, 0, margin);
}

TRect TcxPCSlantedPainter::GetDrawTextHOffset(Integer) {
  const Integer fw = GetFrameWidth();
  return GetControl()->GetRotate() ? TRect(0, fw + 3, 0, fw + 1) : TRect(0, fw + 4, 0, 1);
}

TcxPCDistance TcxPCSlantedPainter::GetTabsNormalDistance() {
  const TcxTabSlantPositions sides = GetSlantedSides();
  TcxPCDistance distance{sides.Empty() ? 1 : -(FCutValue / 2) * sides.Count(), -3};
  if (GetControl()->GetRotate()) RotateTabsDistance(distance);
  return distance;
}

TRect TcxPCSlantedPainter::GetTabsRectOffset() {
  const TcxTabSlantPositions sides = GetSlantedSides();
  const bool vertical = GetTabPosition() == tpLeft || GetTabPosition() == tpRight;
  TRect r(0, 0, 0, 0);
  if (sides.Contains(spLeft)) (vertical ? r.bottom : r.left) = 1;
  if (sides.Contains(spRight)) (vertical ? r.top : r.right) = 1;
  return r;
}

TRect TcxPCSlantedPainter::GetTabsContainerOffsets() {
  if (!GetControl()->GetIsTabsContainer()) return TRect(0, 0, 0, 0);
  const TcxTabSlantPositions sides = GetSlantedSides();
  const Integer left = 2 - (sides.Contains(spLeft) ? 1 : 0), right = 2 - (sides.Contains(spRight) ? 1 : 0);
  const bool topOrLeft = GetTabPosition() == tpTop || GetTabPosition() == tpLeft;
  return topOrLeft ? TRect(left, 2, right, 0) : TRect(right, 2, left, 0);
}

TRect TcxPCSlantedPainter::GetClientRectOffset() {
  TRect offset = inherited::GetClientRectOffset();
  const bool tabsShown = !GetControl()->GetHideTabs() && GetControl()->GetRowCount() > 0;
  if (tabsShown && GetControl()->GetIsTabsContainer()) offset.top += 2;
  if (!NeedShowFrame() && tabsShown) {
    offset.top += 1;
    if (GetParentInfo()->GetTabsOnBothSides()) offset.bottom += 1;
  }
  return offset;
}

TcxPCWOffset TcxPCSlantedPainter::GetTabContentWOffset(Integer AIndex) {
  const Integer fw = GetFrameWidth();
  TcxTabSlants* slants = GetControl()->GetTabSlants();
  const TcxRotationAngle angle = GetTextRotationAngle(GetControl());
  TcxPCWOffset offset;
  if (GetControl()->GetRotate()) {
    offset = TcxPCWOffset{2, fw + 5};
    if (slants->GetKind() == skCutCorner && !slants->GetPositions().Empty()) ++offset.After;
    const TcxTabPosition position = AIndex == -1 ? GetTabPosition() : GetTab(AIndex)->GetPaintingPosition();
    if ((position == tpTop && angle == raMinus90) || (position == tpBottom && angle == raPlus90) ||
        position == tpLeft)
      std::swap(offset.Before, offset.After);
    return offset;
  }
  offset = TcxPCWOffset{fw + 2, fw + 2};
  const Integer cut = slants->GetKind() == skSlant ? FCutValue : 6;
  if (slants->GetPositions().Contains(spLeft)) offset.Before = cut;
  if (slants->GetPositions().Contains(spRight)) offset.After = cut;
  if (angle == raMinus90) std::swap(offset.Before, offset.After);
  return offset;
}

Integer TcxPCSlantedPainter::GetGeometricalMinTabWidth() {
  if (GetControl()->GetRotate()) return 0;
  TcxTabSlants* slants = GetControl()->GetTabSlants();
  const Integer n = slants->GetPositions().Count();
  if (n == 0) return 8;
  if (slants->GetKind() == skSlant) return FCutValue * n - 2 * n + 8;
  return FCutValue * n + GetFrameWidth() * (2 - n) + 4;
}

Integer TcxPCSlantedPainter::GetTabNormalWidth(Integer AIndex) {
  const TcxPCWOffset offset = GetTabContentWOffset(AIndex);
  Integer width = offset.Before + offset.After;
  if (IsAssignedImages() && (AIndex == -1 || IsTabHasImage(AIndex) || GetControl()->GetRotate()))
    width += GetTabImageSize().cx;
  return std::max(width, GetGeometricalMinTabWidth());
}

Integer TcxPCSlantedPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  if (!ATab->GetVisible()) return 0;
  const Integer index = ATab->GetVisibleIndex();
  Integer width = GetControl()->GetTabWidth();
  if (width < 1) {
    width = GetTabNormalWidth(index);
    if (!ATab->GetCaption().empty()) width += TextSize(ATab, ATab->GetCaption()).cx;
    if (IsTabHasImage(index) || (IsAssignedImages() && GetControl()->GetRotate())) width += GetImageTextDistance(index);
  }
  return std::max(width, GetMinTabNormalWidth(index));
}

Integer TcxPCSlantedPainter::InternalCalculateTabNormalHeight() {
  const TRect text = GetDrawTextHOffset(-1), image = GetDrawImageOffset(-1);
  return std::max(GetMaxTabCaptionHeight() + text.top + text.bottom, GetTabImageSize().cy + image.top + image.bottom);
}

// ---- Colours and buttons -----------------------------------------------------------------------------------
TColor TcxPCSlantedPainter::GetTabBodyColor(Integer AIndex) {
  if (GetTab(AIndex)->GetHighlighted()) return GetHighlightedTabBodyColor();
  const TColor color = GetTabColor(AIndex);
  if (color != clDefault) return color;
  return GetControl()->GetIsTabsContainer() ? TColor(clBtnFace) : GetControl()->GetColor();
}

TColor TcxPCSlantedPainter::GetClientColor() {
  const Integer main = GetMainTabVisibleIndex();
  if (!GetControl()->GetIsTabsContainer() || main == -1) return inherited::GetClientColor();
  const TColor color = GetTabColor(main);
  return color == clDefault ? TColor(clBtnFace) : color;
}

void TcxPCSlantedPainter::GetBackgroundGradientColors(Integer AIndex, TColor& AColor1, TColor& AColor2) {
  const TColor body = GetTabBodyColor(AIndex);
  if (GetTab(AIndex)->GetHotTrack()) {
    AColor1 = IncreaseColorBrightness(body, 20);
    AColor2 = body;
  } else {
    AColor1 = IncreaseColorBrightness(body, 13);
    AColor2 = static_cast<TColor>(Dark(ColorToRGB(body), 90));
  }
}

Integer TcxPCSlantedPainter::GetButtonWidth(TcxPCNavigatorButton AButton) {
  static constexpr Integer Widths[] = {17, 17, 13, 16};
  return Widths[AButton];
}

Integer TcxPCSlantedPainter::GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) {
  return IsOneOfButtons(AButton1, AButton2, nbClose) ? 3 : 1;
}

void TcxPCSlantedPainter::CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                                           TcxPCNavigatorButtonContentParameters& AParameters) {
  inherited::CalculateButtonContentParameters(AButton, AParameters);
  AParameters.Enabled = true;
  AParameters.SmallCross = AButton == nbClose;
}

TColor TcxPCSlantedPainter::GetButtonColor(TcxPCNavigatorButtonState AState) {
  if (AState == nbsHotTrack) return static_cast<TColor>(GetMiddleRGB(clBtnFace, clWhite, 35));
  if (AState == nbsPressed) return static_cast<TColor>(GetMiddleRGB(clBtnFace, clBlack, 90));
  return clBtnFace;
}

TColor TcxPCSlantedPainter::GetButtonContentColor(TcxPCNavigatorButtonState AState) {
  if (AState == nbsDisabled || !GetControl()->GetEnabled()) return clBtnShadow;
  if (AState == nbsPressed) return static_cast<TColor>(GetMiddleRGB(GetControl()->GetColor(), clWhite, 10));
  return clBtnText;
}

void TcxPCSlantedPainter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  const TColor color = AState == nbsPressed || AState == nbsHotTrack ? TColor(clBlack) : TColor(clBtnShadow);
  GetCanvas()->DrawComplexFrame(ARect, color, color);
  ARect = cxRectInflate(ARect, -1, -1);
}

// ---- Painting one tab -------------------------------------------------------------------------------------------
void TcxPCSlantedPainter::PaintTabFrame(Integer AIndex, const TRect& ARect) {
  TPoints points;
  TLinePositions positions;
  GetTabFramePolyline(AIndex, points, positions);
  DirectionalPolyline(ARect, points, GetTab(AIndex)->GetPaintingPosition(), GetFrameColor());
}

void TcxPCSlantedPainter::PaintTabStateMark(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  if (!tab->GetHotTrack() && !IsMainTab(AIndex)) return;
  const TcxTabPosition position = tab->GetPaintingPosition();
  const TRect full = tab->GetFullRect();
  const TRect band = GetBandOutside(full, GetExtendedRect(full, TRect(0, GetFrameWidth() + 3, 0, 0), position),
                                    TabSide(position));
  GetCanvas()->FillRect(band, clHighlight);
  GetCanvas()->ExcludeClipRect(band);
}

void TcxPCSlantedPainter::DrawBackground(TcxCanvas* ACanvas, const TRect& ARect, Integer AIndex, bool AHorizontal,
                                         bool ASwap) {
  TcxTab* tab = GetTab(AIndex);
  const bool main = IsMainTab(AIndex);
  const bool lit = CanLightMainTab() && tab->GetHotTrack();
  if (main && !lit) {
    FillRectByColor(ACanvas->GetHandle(), ARect, ColorToRGB(GetTabBodyColor(AIndex)));
    return;
  }
  TColor color1, color2;
  if (GetOptions().Contains(pcoGradient))
    GetBackgroundGradientColors(AIndex, color1, color2);
  else
    color1 = color2 = GetTabBodyColor(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  if (lit && main && (position == tpBottom || position == tpRight)) std::swap(color1, color2);
  if (ASwap) std::swap(color1, color2);
  FillGradientRect(ACanvas->GetHandle(), ARect, ColorToRGB(color1), ColorToRGB(color2), AHorizontal);
}

void TcxPCSlantedPainter::DrawTabUnderline(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  GetCanvas()->FillRect(GetTabUnderlineRect(AIndex), GetTabBodyColor(AIndex));
  if (!IsMainTab(AIndex)) return;
  // The page frame closes under the tab's ends that are not slanted.
  const TRect F = tab->GetFullRect();
  Integer W, H;
  GetTabSize(AIndex, W, H);
  const TcxTabPosition position = tab->GetPaintingPosition();
  const TcxTabSlantPositions sides = GetSlantedSides();
  if (!sides.Contains(spLeft)) {
    const TPoint p = RotatePoint(F, TPoint(F.left, F.bottom), position);
    GetCanvas()->SetPixel(p.x, p.y, GetFrameColor());
  }
  if (!sides.Contains(spRight)) {
    const TPoint p = RotatePoint(F, TPoint(F.left + W - 1, F.bottom), position);
    GetCanvas()->SetPixel(p.x, p.y, GetFrameColor());
  }
}

void TcxPCSlantedPainter::PaintTabShape(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TRect full = tab->GetFullRect();
  const TcxTabPosition position = tab->GetPaintingPosition();
  SaveClipRgn();
  {
    TFinally restore([this] { RestoreClipRgn(); });
    PaintTabFrame(AIndex, full);
    GetCanvas()->SetClipRegion(InternalGetTabClipRegion(AIndex, true), roIntersect);
    PaintTabStateMark(AIndex);
    DrawBackground(GetCanvas(), full, AIndex, position == tpLeft || position == tpRight, false);
  }
  if (IsMainTab(AIndex)) DrawTabUnderline(AIndex);
  TRect text = FOutData.TextRect;
  if (cxRectIsEmpty(text)) return;
  text = GetTextRotationAngle(GetControl()) == ra0 ? cxRectInflate(text, 3, 2) : cxRectInflate(text, 2, 3);
  GetCanvas()->GetBrush()->SetColor(GetTabBodyColor(AIndex));
  InternalDrawFocusRect(AIndex, text);
}

void TcxPCSlantedPainter::PrepareDrawTabContentBitmapBackground(TBitmap* ABitmap, const TPoint& AOrigin,
                                                                Integer AIndex) {
  bool swap;
  const TRect r = GetContentBitmapBackgroundRect(ABitmap, GetTab(AIndex)->GetFullRect(), AOrigin, swap);
  TcxCanvas* canvas = New<TcxCanvas>(ABitmap->GetCanvas());
  TFinally release([canvas] { canvas->Free(); });
  DrawBackground(canvas, r, AIndex, GetControl()->GetRotate(), swap);
}

// ---- Rows and page ----------------------------------------------------------------------------------------------
TRect TcxPCSlantedPainter::GetTabsLineRect(const TcxPCIndexInterval& AInterval, bool AAdjacent) {
  TcxTab* first = GetTab(AInterval.First);
  TcxTab* last = GetTab(AInterval.Last);
  TRect r = first->GetVisibleRect();
  const TcxTabSlantPositions sides = GetSlantedSides();
  if (IsHorizontalTabs()) {
    if (IsRightToLeftAlignment(GetControl())) std::swap(first, last);
    r.left = AAdjacent || sides.Contains(spLeft) ? 0 : first->GetVisibleRect().left;
    r.right = AAdjacent || sides.Contains(spRight) ? GetControl()->GetWidth() : last->GetVisibleRect().right;
  } else {
    if (!IsBottomToTopAlignment(GetControl())) std::swap(first, last);
    r.top = AAdjacent || sides.Contains(spRight) ? 0 : last->GetVisibleRect().top;
    r.bottom = AAdjacent || sides.Contains(spLeft) ? GetControl()->GetHeight() : first->GetVisibleRect().bottom;
  }
  return r;
}

void TcxPCSlantedPainter::PaintRowLine(const TcxPCIndexInterval& AInterval, Integer, bool AAdjacent, bool AOutermost) {
  static constexpr TcxBorder Borders[4][3] = {
      {bLeft, bRight, bBottom}, {bLeft, bRight, bTop}, {bBottom, bTop, bRight}, {bBottom, bTop, bLeft}};
  const TcxTabPosition position = GetTab(AInterval.First)->GetPaintingPosition();
  TRect line = GetExtendedRect(GetTabsLineRect(AInterval, AAdjacent),
                               TRect(0, -GetTabsNormalDistance().RowGap, 0, -1), position);
  const TcxTabSlantPositions sides = GetSlantedSides();
  const TcxBorder* borders = Borders[position];
  if (sides.Contains(spLeft) && !AOutermost) DrawBorder(GetCanvas(), line, {borders[0]}, {GetFrameColor()}, true);
  if (sides.Contains(spRight) && !AOutermost) DrawBorder(GetCanvas(), line, {borders[1]}, {GetFrameColor()}, true);
  DrawBorder(GetCanvas(), line, {borders[2]}, {GetFrameColor()}, true);
}

void TcxPCSlantedPainter::PaintTabsRegion() {
  Integer first, last;
  InitializeVisibleTabRange(GetControl(), first, last);
  const Integer main = GetMainTabVisibleIndex();
  if (main != -1 && main >= first && main <= last) PaintTab(main);
  const TcxPCLineIndexBoundsArray rows = InitializeLineBoundsArray(GetControl());
  const Integer rowCount = static_cast<Integer>(rows.size());
  const Integer topOrLeftRows = GetControl()->GetTopOrLeftPartRowCount();
  std::vector<Integer> order;
  for (Integer row = topOrLeftRows - 1; row >= 0; --row) order.push_back(row);
  for (Integer row = topOrLeftRows; row < rowCount; ++row) order.push_back(row);
  for (Integer row : order) {
    const TcxPCIndexInterval interval = rows[static_cast<size_t>(row)];
    if (interval.First == -1) continue;
    for (Integer i = interval.First; i <= interval.Last; ++i)
      if (i != main) PaintTab(i);
    const bool adjacent = row == topOrLeftRows - 1 || row == topOrLeftRows;
    const bool outermost = row == 0 || row == rowCount - 1;
    PaintRowLine(interval, row, adjacent, outermost);
  }
}

void TcxPCSlantedPainter::FillDisplayRect() {
  TRect r = GetClientRect();
  if (GetControl()->GetIsTabsContainer()) ExtendRect(r, RotateRect(TRect(0, -2, 0, 0), GetTabPosition()));
  GetCanvas()->FillRect(r, GetClientColor());
}

void TcxPCSlantedPainter::PaintFrame() {
  TRect r = cxRectInflate(GetClientRect(), 1, 1);
  if (GetControl()->GetIsTabsContainer()) ExtendRect(r, RotateRect(TRect(0, -2, 0, 0), GetTabPosition()));
  GetCanvas()->FrameRect(r, GetFrameColor());
}

}  // namespace cxPCPainters
