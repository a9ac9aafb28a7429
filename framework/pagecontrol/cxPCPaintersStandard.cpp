// The standard painter: navigator buttons, standard tab geometry, tabs rectangle, frame and the
// painting of one tab; and the routines several painters share.
#include "cxPCInternal.h"
#include "cxPCPaintersStandard.h"

#include <algorithm>
#include <cmath>

#include "Graphics.h"
#include "WinGdi.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPCPainters {

IMPLEMENT_ABSTRACT_CLASS(TcxPCStandardPainter)

TColor cxPCLightBrushColor = clBtnFace;

namespace {
// Per standard style (tabs, buttons, flat buttons) and border (thin, thick).
constexpr TcxPCWOffset ContentWOffsets[3][2] = {{{2, 2}, {4, 4}}, {{3, 3}, {3, 3}}, {{2, 2}, {4, 2}}};
constexpr TcxPCWOffset TooNarrowContentWOffsets[3][2] = {{{2, 2}, {4, 4}}, {{3, 3}, {3, 3}}, {{2, 2}, {3, 2}}};
constexpr TRect DrawImageOffsets[3][2] = {{TRect(6, 1, 0, 0), TRect(8, 1, 0, 3)},
                                          {TRect(6, -1, 0, 1), TRect(7, -1, 0, 1)},
                                          {TRect(6, -1, 0, 1), TRect(7, -1, 0, 1)}};
constexpr TRect DrawTextHOffsets[3][2] = {{TRect(5, 1, 5, -1), TRect(5, 1, 5, 2)},
                                          {TRect(6, 0, 4, 1), TRect(6, 0, 4, 1)},
                                          {TRect(6, 0, 4, 1), TRect(6, 0, 4, 1)}};
constexpr Integer DefaultTabNormalHeights[3] = {18, 20, 20};
constexpr Integer DefaultTabNormalHTextOffsets[3] = {2, 4, 4};
constexpr TcxPCDistance TabsNormalDistances[3] = {{0, 0}, {3, 3}, {10, 3}};
}  // namespace

// ---- Standard geometry ----------------------------------------------------------------------------------
TcxPCWOffset TcxPCStandardPainter::GetTabContentWOffset(Integer AIndex) {
  return ContentWOffsets[StyleColumn()][IsTabBorderThick(AIndex) ? 1 : 0];
}

TcxPCWOffset TcxPCStandardPainter::GetTooNarrowTabContentWOffset(Integer AIndex) {
  return TooNarrowContentWOffsets[StyleColumn()][IsTabBorderThick(AIndex) ? 1 : 0];
}

TRect TcxPCStandardPainter::GetDrawImageOffset(Integer AIndex) {
  return DrawImageOffsets[StyleColumn()][IsTabBorderThick(AIndex) ? 1 : 0];
}

TRect TcxPCStandardPainter::GetDrawTextHOffset(Integer AIndex) {
  return DrawTextHOffsets[StyleColumn()][IsTabBorderThick(AIndex) ? 1 : 0];
}

Integer TcxPCStandardPainter::GetDefaultTabNormalHeight() { return DefaultTabNormalHeights[StyleColumn()]; }

Integer TcxPCStandardPainter::GetDefaultTabNormalHTextOffset() { return DefaultTabNormalHTextOffsets[StyleColumn()]; }

TcxPCDistance TcxPCStandardPainter::GetTabsNormalDistance() { return TabsNormalDistances[StyleColumn()]; }

Integer TcxPCStandardPainter::GetTabNormalWidth(Integer AIndex) {
  if (!IsAssignedImages() || (AIndex != -1 && !IsTabHasImage(AIndex) && !GetControl()->GetRotate())) return 12;
  return GetTabBaseImageSize().cx + 2 * GetControl()->GetImageBorder() + 18;
}

Integer TcxPCStandardPainter::GetMinTabNormalWidth(Integer AIndex) {
  return std::max(GetTabNormalWidth(AIndex), GetDefaultTabNormalWidth());
}

Integer TcxPCStandardPainter::CalculateTabNormalWidth(TcxTab* ATab) {
  if (GetControl()->GetTabWidth() > 0) return GetControl()->GetTabWidth();
  const Integer index = ATab->GetVisibleIndex();
  Integer width = GetTabNormalWidth(index);
  if (!ATab->GetCaption().empty()) width += TextSize(ATab, ATab->GetCaption()).cx;
  return std::max(width, GetMinTabNormalWidth(index));
}

Integer TcxPCStandardPainter::InternalCalculateTabNormalHeight() {
  const Integer imageHeight =
      IsAssignedImages() ? GetTabBaseImageSize().cy + 2 * GetControl()->GetImageBorder() + 6 : 0;
  return std::max(imageHeight, GetMaxTabCaptionHeight() + 8);
}

Integer TcxPCStandardPainter::CalculateTabNormalHeight() {
  Integer height = std::max(InternalCalculateTabNormalHeight(), GetDefaultTabNormalHeight());
  CorrectTabHeightForImage(height);
  return std::max<Integer>(height, GetControl()->GetTabHeight());
}

// A rotated image centres on whole pixels.
void TcxPCStandardPainter::CorrectTabHeightForImage(Integer& AHeight) {
  const Integer imageHeight = GetTabBaseImageSize().cy;
  if (GetControl()->GetRotate() && imageHeight > 0 && (AHeight - imageHeight) % 2 != 0) ++AHeight;
}

TRect TcxPCStandardPainter::GetFrameRect() {
  TRect r = GetDisplayRect();
  r.right = std::max<LONG>(r.right, r.left + GetMinFrameRectSize());
  r.bottom = std::max<LONG>(r.bottom, r.top + GetMinFrameRectSize());
  return r;
}

bool TcxPCStandardPainter::IsHorizontalTabs() const {
  return GetTabPosition() == tpTop || GetTabPosition() == tpBottom;
}

bool TcxPCStandardPainter::IsNavigatorAtStart() const {
  const TcxPCNavigatorPosition position = GetControl()->GetNavigatorPosition();
  return IsHorizontalTabs() ? position == npLeftTop || position == npLeftBottom
                            : position == npLeftTop || position == npRightTop;
}

// ---- The tabs rectangle -----------------------------------------------------------------------------------
void TcxPCStandardPainter::GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) {
  const Integer buttonsWidth = CalculateButtonsRegionWidth(AButtons);
  TRect offsets = GetControl()->GetIsTabsContainer() ? GetTabsContainerOffsets() : TRect(0, 0, 0, 0);
  const TcxTabPosition position = GetTabPosition();
  TRect r(0, 0, GetControl()->GetWidth(), GetControl()->GetHeight());
  ExtendRect(r, GetTabsRectOffset());
  if (!AButtons.Empty()) {
    ExtendRect(r, RotateRect(TRect(0, offsets.top, 0, 0), position));
    offsets = RotateRect(offsets, position);
    if (IsHorizontalTabs()) {
      if (IsNavigatorAtStart()) {
        r.left += buttonsWidth;
        r.right -= offsets.right;
      } else {
        r.right -= buttonsWidth;
        r.left += offsets.left;
      }
    } else if (IsNavigatorAtStart()) {
      r.top += buttonsWidth;
      r.bottom -= offsets.bottom;
    } else {
      r.bottom -= buttonsWidth;
      r.top += offsets.top;
    }
  } else {
    ExtendRect(r, RotateRect(offsets, position));
  }
  ATabsPosition.OuterTabsRect = r;
  ATabsPosition.RowLength = IsHorizontalTabs() ? r.Width() : r.Height();
  ATabsPosition.InnerTabsRect = r;
  ATabsPosition.TopOrLeftPartBorderOffset = 0;
  ATabsPosition.BottomOrRightPartBorderOffset = 0;
  ATabsPosition.MinPartsDistance = GetTabsNormalDistance().RowGap;
  CalculateButtonsRegion(AButtons);
}

// ---- Navigator buttons --------------------------------------------------------------------------------------
TcxPCNavigatorButtonState TcxPCStandardPainter::GetButtonState(TcxPCNavigatorButton AButton) const {
  return GetControl()->GetNavigatorButtonState(AButton);
}

Integer TcxPCStandardPainter::GetButtonWidth(TcxPCNavigatorButton AButton) {
  if (AButton == nbGoDialog) return IsHorizontalTabs() ? 12 : 13;
  return 20;
}

TColor TcxPCStandardPainter::GetButtonContentColor(TcxPCNavigatorButtonState AState) {
  return AState == nbsHotTrack ? GetHotTrackColor() : TColor(clBtnText);
}

void TcxPCStandardPainter::GetButtonsOrder(TcxPCNavigatorButtons AButtons, TcxPCNavigatorButtonPositions& APositions) {
  static constexpr TcxPCNavigatorButton AtStart[] = {nbClose, nbTopLeft, nbBottomRight, nbGoDialog};
  static constexpr TcxPCNavigatorButton AtEnd[] = {nbGoDialog, nbTopLeft, nbBottomRight, nbClose};
  APositions.clear();
  for (TcxPCNavigatorButton button : IsNavigatorAtStart() ? AtStart : AtEnd)
    if (AButtons.Contains(button)) APositions.push_back({button, TRect()});
}

Integer TcxPCStandardPainter::GetButtonsWidth(TcxPCNavigatorButtons AButtons) {
  TcxPCNavigatorButtonPositions ordered;
  GetButtonsOrder(AButtons, ordered);
  Integer width = 0;
  for (size_t i = 0; i < ordered.size(); ++i) {
    width += GetButtonWidth(ordered[i].Button);
    if (i + 1 < ordered.size()) width += GetButtonsDistance(ordered[i].Button, ordered[i + 1].Button);
  }
  return width;
}

Integer TcxPCStandardPainter::CalculateButtonsRegionWidth(TcxPCNavigatorButtons AButtons) {
  Integer width = GetButtonsWidth(AButtons);
  if (width > 0) width += GetButtonsRegionWOffset() + GetButtonsRegionFromTabsOffset();
  return width;
}

void TcxPCStandardPainter::CalculateButtonsRect(TcxPCNavigatorButtons AButtons) {
  const Integer h = GetButtonHeight(), w = GetButtonsWidth(AButtons);
  const Integer width = GetControl()->GetWidth(), height = GetControl()->GetHeight();
  const Integer hOffset = GetButtonsRegionHOffset(), wOffset = GetButtonsRegionWOffset();
  TRect& r = FNavigatorButtonsBounds;
  if (IsHorizontalTabs()) {
    r.left = IsNavigatorAtStart() ? wOffset : width - w - wOffset;
    r.top = GetTabPosition() == tpTop ? hOffset : height - h - hOffset;
    r.right = r.left + w;
    r.bottom = r.top + h;
  } else {
    r.left = GetTabPosition() == tpLeft ? hOffset : width - h - hOffset;
    r.top = IsNavigatorAtStart() ? wOffset : height - w - wOffset;
    r.right = r.left + h;
    r.bottom = r.top + w;
  }
}

void TcxPCStandardPainter::CalculateButtonsRegion(TcxPCNavigatorButtons AButtons) {
  if (AButtons.Empty()) {
    FNavigatorButtonList.clear();
    return;
  }
  CalculateButtonsRect(AButtons);
  GetButtonsOrder(AButtons, FNavigatorButtonList);
  TPoint p = FNavigatorButtonsBounds.TopLeft();
  const bool horizontal = IsHorizontalTabs();
  for (size_t i = 0; i < FNavigatorButtonList.size(); ++i) {
    TcxPCNavigatorButtonPosition& entry = FNavigatorButtonList[i];
    const Integer length = GetButtonWidth(entry.Button);
    const Integer distance =
        i + 1 < FNavigatorButtonList.size() ? GetButtonsDistance(entry.Button, FNavigatorButtonList[i + 1].Button) : 0;
    if (horizontal) {
      entry.Bounds = Bounds(p.x, p.y, length, GetButtonHeight());
      p.x = entry.Bounds.right + distance;
    } else {
      entry.Bounds = Bounds(p.x, p.y, GetButtonHeight(), length);
      p.y = entry.Bounds.bottom + distance;
    }
  }
}

bool TcxPCStandardPainter::IsOverButton(Integer X, Integer Y, TcxPCNavigatorButton& AButton) {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtonList)
    if (cxRectPtIn(entry.Bounds, X, Y)) {
      AButton = entry.Button;
      return true;
    }
  return false;
}

void TcxPCStandardPainter::RepaintButton(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState) {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtonList)
    if (entry.Button == AButton) InternalInvalidateRect(entry.Bounds);
}

void TcxPCStandardPainter::RepaintButtonsRegion() {
  if (!GetControl()->GetNavigatorButtons().Empty()) InternalInvalidateRect(FNavigatorButtonsBounds);
}

TRect TcxPCStandardPainter::GetGoDialogButtonBounds() {
  for (const TcxPCNavigatorButtonPosition& entry : FNavigatorButtonList)
    if (entry.Button == nbGoDialog) return entry.Bounds;
  return TRect(0, 0, 0, 0);
}

void TcxPCStandardPainter::GetGoDialogPosition(const TSize& ASize, TPoint& APoint) {
  // The corner of the go-dialog button the menu hangs from, by tab position and navigator position:
  // 0 below its left, 1 above its left, 2 below its right, 3 above its right.
  static constexpr Integer Corners[4][4] = {{0, 0, 2, 2}, {1, 1, 3, 3}, {0, 1, 0, 1}, {2, 3, 2, 3}};
  const auto entry = std::find_if(FNavigatorButtonList.begin(), FNavigatorButtonList.end(),
                                  [](const TcxPCNavigatorButtonPosition& e) { return e.Button == nbGoDialog; });
  if (entry == FNavigatorButtonList.end()) return;
  const Integer corner = Corners[GetTabPosition()][GetControl()->GetNavigatorPosition()];
  const TRect& r = entry->Bounds;
  APoint.x = corner < 2 ? r.left : r.right - ASize.cx;
  APoint.y = corner % 2 == 0 ? r.bottom : r.top - ASize.cy;
}

void TcxPCStandardPainter::PaintButtonsRegion() {
  if (GetControl()->GetNavigatorButtons().Empty()) return;
  for (const TcxPCNavigatorButtonPosition& entry : TcxPCNavigatorButtonPositions(FNavigatorButtonList)) {
    if (InternalSetClipRect(entry.Bounds, true)) {
      PaintButton(entry.Button, entry.Bounds);
      InternalResetClipRegion();
    }
    GetCanvas()->ExcludeClipRect(entry.Bounds);
  }
}

void TcxPCStandardPainter::PaintButton(TcxPCNavigatorButton AButton, TRect ARect) {
  const TPoint origin = ARect.TopLeft();
  const TcxPCNavigatorButtonState state = GetButtonState(AButton);
  PaintButtonFrame(ARect, state);
  PaintButtonBackground(ARect, state);
  TcxPCNavigatorButtonContentParameters parameters;
  CalculateButtonContentParameters(AButton, parameters);
  const TPoint offset = GetButtonContentPosition(AButton);
  DrawButtonContent(AButton, parameters, TPoint(origin.x + offset.x, origin.y + offset.y));
}

void TcxPCStandardPainter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  InternalDrawEdge(ARect, AState == nbsPressed, false);
  ARect = cxRectInflate(ARect, -2, -2);
}

void TcxPCStandardPainter::PaintButtonBackground(TRect& ARect, TcxPCNavigatorButtonState AState) {
  GetCanvas()->FillRect(ARect, GetButtonColor(AState));
}

void TcxPCStandardPainter::CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                                            TcxPCNavigatorButtonContentParameters& AParameters) {
  const TcxPCNavigatorButtonState state = GetButtonState(AButton);
  AParameters.BrushColor = AParameters.PenColor = GetButtonContentColor(state);
  AParameters.Enabled = GetControl()->GetEnabled() && state != nbsDisabled;
  AParameters.SmallCross = false;
}

// ---- Glyphs ---------------------------------------------------------------------------------------------------
TcxPCArrow TcxPCStandardPainter::GetButtonArrow(TcxPCNavigatorButton AButton) {
  if (AButton == nbGoDialog) return aBottom;
  if (AButton == nbTopLeft) return IsHorizontalTabs() ? aLeft : aTop;
  return IsHorizontalTabs() ? aRight : aBottom;
}

void TcxPCStandardPainter::DrawArrowGlyph(TcxPCArrow AArrow, Integer ASize, const TPoint& APoint) {
  const Integer d = ASize - 1;
  TPoint corners[3];
  switch (AArrow) {
    case aTop: corners[0] = TPoint(0, d), corners[1] = TPoint(d, 0), corners[2] = TPoint(2 * d, d); break;
    case aBottom: corners[0] = TPoint(0, 0), corners[1] = TPoint(2 * d, 0), corners[2] = TPoint(d, d); break;
    case aLeft: corners[0] = TPoint(0, d), corners[1] = TPoint(d, 0), corners[2] = TPoint(d, 2 * d); break;
    case aRight: corners[0] = TPoint(0, 0), corners[1] = TPoint(d, d), corners[2] = TPoint(0, 2 * d); break;
  }
  TPointArray points;
  for (const TPoint& c : corners) points.push_back(TPoint(APoint.x + c.x, APoint.y + c.y));
  GetCanvas()->Polygon(points);
}

void TcxPCStandardPainter::DrawCrossGlyph(bool ASmall, const TPoint& APoint) {
  using TLine = std::pair<TPoint, TPoint>;
  static const std::vector<TLine> Large = {{{1, 0}, {8, 7}}, {{0, 0}, {8, 8}}, {{0, 1}, {7, 8}},
                                           {{0, 7}, {7, 0}}, {{0, 8}, {8, 0}}, {{1, 8}, {8, 1}}};
  static const std::vector<TLine> SmallHorizontal = {{{1, 0}, {7, 6}}, {{0, 0}, {6, 6}}, {{0, 6}, {6, 0}},
                                                     {{1, 6}, {7, 0}}};
  static const std::vector<TLine> SmallVertical = {{{0, 0}, {6, 6}}, {{0, 1}, {6, 7}}, {{0, 6}, {6, 0}},
                                                   {{0, 7}, {6, 1}}};
  const std::vector<TLine>& lines = !ASmall ? Large : IsHorizontalTabs() ? SmallHorizontal : SmallVertical;
  const TColor color = GetCanvas()->GetPen()->GetColor();
  for (const TLine& line : lines)
    InternalPolyLine({TPoint(APoint.x + line.first.x, APoint.y + line.first.y),
                      TPoint(APoint.x + line.second.x, APoint.y + line.second.y)},
                     color);
}

void TcxPCStandardPainter::DrawButtonContent(TcxPCNavigatorButton AButton,
                                             const TcxPCNavigatorButtonContentParameters& AParameters,
                                             const TPoint& APoint) {
  TcxCanvas* canvas = GetCanvas();
  auto drawGlyph = [&](TColor ABrush, TColor APen, const TPoint& P) {
    canvas->GetBrush()->SetStyle(Graphics::bsSolid);
    canvas->GetBrush()->SetColor(ABrush);
    canvas->GetPen()->SetStyle(Graphics::psSolid);
    canvas->GetPen()->SetColor(APen);
    if (AButton == nbClose)
      DrawCrossGlyph(AParameters.SmallCross, P);
    else
      DrawArrowGlyph(GetButtonArrow(AButton), AButton == nbGoDialog ? 4 : 5, P);
  };
  if (AParameters.Enabled) {
    drawGlyph(AParameters.BrushColor, AParameters.PenColor, APoint);
  } else {
    // The embossed look: the face colour one pixel down and right, the shadow colour on top.
    drawGlyph(GetDisabledTextFaceColor(), GetDisabledTextFaceColor(), TPoint(APoint.x + 1, APoint.y + 1));
    drawGlyph(GetDisabledTextShadowColor(), GetDisabledTextShadowColor(), APoint);
  }
  canvas->GetBrush()->SetStyle(Graphics::bsSolid);
}

TPoint TcxPCStandardPainter::GetButtonCenteredContentPosition(TcxPCNavigatorButton AButton) {
  const Integer s = AButton == nbGoDialog ? 4 : 5;
  TSize glyph = AButton == nbClose ? TSize(8, 7) : TSize(s, 2 * s - 1);
  if (AButton == nbGoDialog || !IsHorizontalTabs()) std::swap(glyph.cx, glyph.cy);
  TSize button(GetButtonWidth(AButton), GetButtonHeight());
  if (!IsHorizontalTabs()) std::swap(button.cx, button.cy);
  TPoint p((button.cx - glyph.cx) / 2, (button.cy - glyph.cy) / 2);
  if (AButton == nbGoDialog) ++p.y;
  if (GetButtonState(AButton) == nbsPressed) {
    ++p.y;
    if (AButton != nbGoDialog) ++p.x;
  }
  return p;
}

TPoint TcxPCStandardPainter::Get3DButtonContentPosition(TcxPCNavigatorButton AButton) {
  TPoint p;
  if (AButton == nbGoDialog)
    p = IsHorizontalTabs() ? TPoint(2, 8) : TPoint(6, 4);
  else if (AButton == nbClose)
    p = TPoint(5, 5);
  else
    switch (GetButtonArrow(AButton)) {
      case aTop:
      case aBottom: p = TPoint(5, 7); break;
      case aLeft: p = TPoint(6, 5); break;
      case aRight: p = TPoint(8, 5); break;
    }
  if (GetButtonState(AButton) == nbsPressed) p = TPoint(p.x + 1, p.y + 1);
  return p;
}

void TcxPCStandardPainter::InternalDrawEdge(const TRect& ARect, bool APressed, bool AThin) {
  const Integer L = ARect.left, T = ARect.top, R = ARect.right, B = ARect.bottom;
  if (AThin) {
    const TColor colors[] = {APressed ? cl3DDkShadow : cl3DLight, APressed ? cl3DLight : cl3DDkShadow};
    InternalPolyLine({TPoint(L, B - 2), TPoint(L, T), TPoint(R - 2, T)}, colors[0]);
    InternalPolyLine({TPoint(L, B - 1), TPoint(R - 1, B - 1), TPoint(R - 1, T)}, colors[1]);
    return;
  }
  const TColor normal[] = {cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow};
  const TColor pressed[] = {clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight};
  const TColor* colors = APressed ? pressed : normal;
  InternalPolyLine({TPoint(L, B - 2), TPoint(L, T), TPoint(R - 2, T)}, colors[0]);
  InternalPolyLine({TPoint(L + 1, B - 3), TPoint(L + 1, T + 1), TPoint(R - 3, T + 1)}, colors[1]);
  InternalPolyLine({TPoint(L, B - 1), TPoint(R - 1, B - 1), TPoint(R - 1, T)}, colors[2]);
  InternalPolyLine({TPoint(L + 1, B - 2), TPoint(R - 2, B - 2), TPoint(R - 2, T + 1)}, colors[3]);
}

// ---- Frame, focus and free space ------------------------------------------------------------------------------
void TcxPCStandardPainter::PaintFrameBorder(const TRect& ARect) {
  GetCanvas()->DrawComplexFrame(ARect, clBtnHighlight, cl3DDkShadow);
  GetCanvas()->DrawComplexFrame(cxRectInflate(ARect, -1, -1), cl3DLight, clBtnShadow);
}

void TcxPCStandardPainter::InternalDrawFocusRect(Integer AIndex, const TRect& ARect) {
  TcxTab* tab = GetTab(AIndex);
  if (!InternalSetClipRect(tab->GetVisibleRect(), false)) return;
  if (tab->GetRealEnabled() && IsMainTab(AIndex) && GetControl()->IsFocused()) {
    GetCanvas()->GetPen()->SetColor(GetControl()->GetFont()->GetColor());
    GetCanvas()->DrawFocusRect(cxRectInflate(ARect, -1, -1));
  }
  InternalResetClipRegion();
}

TColor TcxPCStandardPainter::GetFreeSpaceColor() { return GetControl()->GetColor(); }

void TcxPCStandardPainter::Paint() {
  inherited::Paint();
  const TRect bounds(0, 0, GetControl()->GetWidth(), GetControl()->GetHeight());
  if (IsNativePainting() && GetControl()->GetParentBackground()) {
    cxDrawThemeParentBackground(GetControl(), GetCanvas(), bounds);
  } else {
    GetCanvas()->GetBrush()->SetStyle(Graphics::bsSolid);
    GetCanvas()->FillRect(bounds, GetFreeSpaceColor());
  }
}

// ---- Tabs ---------------------------------------------------------------------------------------------------
void TcxPCStandardPainter::PaintTabsRegion() {
  Integer first, last;
  InitializeVisibleTabRange(GetControl(), first, last);
  for (Integer i = first; i <= last; ++i) PaintTab(i);
}

void TcxPCStandardPainter::PaintTab(Integer AIndex) {
  TcxRegion* region = GetTabClipRgn(AIndex);
  TFinally freeRegion([region] { region->Free(); });
  TcxCanvas* canvas = GetCanvas();
  SaveClipRgn();
  bool customDrawn;
  {
    TFinally restore([this] { RestoreClipRgn(); });
    canvas->SetClipRegion(region, GetTabClipRgnOperation(AIndex), false);
    customDrawn = IsCustomDraw() && DoCustomDraw(AIndex);
    if (!customDrawn) {
      if (IsNativePainting()) PrepareTabBackground(AIndex);
      DrawTabImageAndText(AIndex);
      PaintTabShape(AIndex);
    }
  }
  if (customDrawn || !IsTabTransparent(AIndex)) {
    AfterPaintTab(AIndex);
    canvas->SetClipRegion(region, roSubtract, false);
  } else {
    ExcludeTabContentClipRegion(AIndex);
  }
}

void TcxPCStandardPainter::RepaintTab(Integer AIndex, TcxPCTabPropertyChanged) {
  if (IsVerticalText(GetControl())) GetTab(AIndex)->ResetVerticalTextBitmap();
  InvalidateTabRect(AIndex);
}

TRect TcxPCStandardPainter::GetContentBitmapBackgroundRect(TBitmap* ABitmap, TRect ARect, TPoint AOrigin,
                                                           bool& ASwap) {
  if (IsVerticalText(GetControl())) {
    ARect = TRect(ARect.top, ARect.left, ARect.bottom, ARect.right);
    AOrigin = TPoint(AOrigin.y, AOrigin.x);
  }
  const bool rotate = GetControl()->GetRotate();
  const TcxRotationAngle angle = GetTextRotationAngle(GetControl());
  ASwap = (rotate && angle == raPlus90) || (!rotate && angle == raMinus90);
  if (rotate && angle == raPlus90)
    return cxRectOffset(ARect, ABitmap->GetWidth() + AOrigin.x - ARect.left - ARect.right, -AOrigin.y);
  if (!rotate && angle == raMinus90)
    return cxRectOffset(ARect, -AOrigin.x, ABitmap->GetHeight() + AOrigin.y - ARect.top - ARect.bottom);
  return cxRectOffset(ARect, -AOrigin.x, -AOrigin.y);
}

void TcxPCStandardPainter::InternalPrepareOutTabImageAndTextData(Integer AIndex, TRect& AImageRect, TRect& ATextRect) {
  FOutData.ImageRect = AImageRect;
  FOutData.TextRect = ATextRect;
  FOutData.OwnerVisibleIndex = AIndex;
}

// ---- Shared routines -------------------------------------------------------------------------------------------
void DrawBorder(TcxCanvas* ACanvas, TRect& R, std::initializer_list<TcxBorder> ABorders,
                std::initializer_list<TColor> AColors, bool AExcludeFromClip) {
  const TRect start = R;
  auto color = AColors.begin();
  TCanvas* canvas = ACanvas->GetCanvas();
  for (TcxBorder border : ABorders) {
    canvas->GetPen()->SetStyle(Graphics::psSolid);
    canvas->GetPen()->SetColor(*color++);
    switch (border) {
      case bLeft:
        canvas->MoveTo(R.left, R.top), canvas->LineTo(R.left, R.bottom);
        ++R.left;
        break;
      case bTop:
        canvas->MoveTo(R.left, R.top), canvas->LineTo(R.right, R.top);
        ++R.top;
        break;
      case bRight:
        canvas->MoveTo(R.right - 1, R.top), canvas->LineTo(R.right - 1, R.bottom);
        --R.right;
        break;
      case bBottom:
        canvas->MoveTo(R.left, R.bottom - 1), canvas->LineTo(R.right, R.bottom - 1);
        --R.bottom;
        break;
    }
  }
  if (AExcludeFromClip) {
    TcxRegion* band = New<TcxRegion>(start);
    band->Combine(New<TcxRegion>(R), roSubtract);
    ACanvas->SetClipRegion(band, roSubtract);
  }
}

void GetRectSize(const TRect& R, bool AHorizontal, Integer& AWidth, Integer& AHeight) {
  AWidth = R.Width();
  AHeight = R.Height();
  if (!AHorizontal) std::swap(AWidth, AHeight);
}

void RotateTabsDistance(TcxPCDistance& ADistance) { std::swap(ADistance.TabGap, ADistance.RowGap); }

TColor IncreaseColorBrightness(TColor AColor, Integer APercent) {
  const COLORREF rgb = ColorToRGB(AColor);
  const double r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  const double maxC = std::max({r, g, b}), minC = std::min({r, g, b});
  double brightness = maxC * 100 / 255;
  const double saturation = maxC == 0 ? 0 : 100 - minC * 100 / maxC;
  double hue = 0;
  if (saturation != 0) {
    if (maxC == r)
      hue = (g - b) * 60 / (maxC - minC);
    else if (maxC == g)
      hue = (b - r) * 60 / (maxC - minC) + 120;
    else
      hue = (r - g) * 60 / (maxC - minC) + 240;
    if (hue < 0) hue += 360;
  }
  brightness = std::min(100.0, brightness * (100 + APercent) / 100);
  const double v = brightness * 255 / 100;
  if (v == 0) return clBlack;
  const double c = v * (100 - saturation) / 100, d = v - c;
  double nr, ng, nb;
  if (hue <= 60)
    nr = v, ng = c + d * hue / 60, nb = c;
  else if (hue <= 120)
    nr = v - d * (hue - 60) / 60, ng = v, nb = c;
  else if (hue <= 180)
    nr = c, ng = v, nb = c + d * (hue - 120) / 60;
  else if (hue <= 240)
    nr = c, ng = v - d * (hue - 180) / 60, nb = v;
  else if (hue <= 300)
    nr = c + d * (hue - 240) / 60, ng = c, nb = v;
  else
    nr = v, ng = c, nb = v - d * (hue - 300) / 60;
  auto channel = [](double x) { return static_cast<BYTE>(std::clamp<long>(std::lround(x), 0, 255)); };
  return static_cast<TColor>(RGB(channel(nr), channel(ng), channel(nb)));
}

TRect GetBandOutside(const TRect& AOuter, const TRect& AInner, TcxBorder ASide) {
  TRect band = AOuter;
  switch (ASide) {
    case bLeft: band.right = AInner.left; break;
    case bTop: band.bottom = AInner.top; break;
    case bRight: band.left = AInner.right; break;
    case bBottom: band.top = AInner.bottom; break;
  }
  return band;
}

TcxBorder TabSide(TcxTabPosition APosition) {
  static constexpr TcxBorder Sides[] = {bTop, bBottom, bLeft, bRight};
  return Sides[APosition];
}

TcxBorder PageSide(TcxTabPosition APosition) {
  static constexpr TcxBorder Sides[] = {bBottom, bTop, bRight, bLeft};
  return Sides[APosition];
}

}  // namespace cxPCPainters
