// The Tabs painter (three-dimensional and native) and the flat painter.
#include "cxPCInternal.h"
#include "cxPCPaintersTabs.h"

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeels.h"
#include "cxPCPageControl.h"
#include "cxPCRoutines.h"
#include "dxUxTheme.h"

namespace cxPCPainters {

IMPLEMENT_CLASS(TcxPCTabsPainter)
IMPLEMENT_CLASS(TcxPCFlatPainter)

namespace {
// The tab-class parts: row start, middle and end, normal and selected; and the pane.
constexpr Integer TabParts[2][3] = {{2, 1, 3}, {6, 5, 7}};
constexpr Integer TabPanePart = 9;
constexpr Integer SpinDownPart = 2;

bool IsOneOf(Integer AValue, std::initializer_list<Integer> AValues) {
  return std::find(AValues.begin(), AValues.end(), AValue) != AValues.end();
}

// The theme states of a button: normal 1, pressed 3, hot 2, disabled 4.
Integer NativeButtonState(TcxPCNavigatorButtonState AState) {
  static constexpr Integer States[] = {1, 3, 2, 4};
  return States[AState];
}
}  // namespace

// ---- Class answers ----------------------------------------------------------------------------------------
bool TcxPCTabsPainter::HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  const TcxLookAndFeelStyle style = ALookAndFeel->GetAvailablePainter(totTab)->LookAndFeelStyle();
  return style == lfsStandard || style == lfsNative;
}

bool TcxPCTabsPainter::IsDefault(TcxLookAndFeel* ALookAndFeel) { return ALookAndFeel->GetNativeStyle(); }

bool TcxPCTabsPainter::IsNativePainting() {
  TcxCustomTabControl* control = GetControl();
  return control && !control->IsDestroying() && control->GetLookAndFeel()->GetNativeStyle() &&
         AreVisualStylesAvailable(totTab) && OpenTheme(totTab);
}

// ---- Geometry -----------------------------------------------------------------------------------------------
Integer TcxPCTabsPainter::GetButtonWidth(TcxPCNavigatorButton AButton) {
  if (!IsNativePainting()) return inherited::GetButtonWidth(AButton);
  if (AButton == nbGoDialog) {
    SIZE size{0, 0};
    if (HTHEME theme = OpenTheme(totSpin); theme && GetThemePartSize(theme, nullptr, SpinDownPart, 1, TS_TRUE, size) == 0)
      return size.cx;
  }
  return 17;
}

Integer TcxPCTabsPainter::GetMinFrameRectSize() {
  return GetControl()->GetIsTabsContainer() ? GetFrameWidth() + 3 : inherited::GetMinFrameRectSize();
}

Integer TcxPCTabsPainter::InternalCalculateTabNormalHeight() {
  return inherited::InternalCalculateTabNormalHeight() - (GetControl()->GetRotate() ? 2 : 3);
}

TcxPCWOffset TcxPCTabsPainter::GetTabContentWOffset(Integer AIndex) {
  TcxPCWOffset offset{3, 3};
  if (IsTabBorderThick(AIndex)) offset = GetControl()->GetRotate() ? TcxPCWOffset{4, 5} : TcxPCWOffset{5, 5};
  if (IsOneOf(GetTab(AIndex)->GetPaintingPositionIndex(), {3, 6, 11})) std::swap(offset.Before, offset.After);
  return offset;
}

TRect TcxPCTabsPainter::GetDrawImageOffset(Integer AIndex) {
  TRect r = inherited::GetDrawImageOffset(AIndex);
  if (IsOneOf(GetTab(AIndex)->GetPaintingPositionIndex(), {5, 7, 10})) ++r.bottom;
  return r;
}

TRect TcxPCTabsPainter::GetDrawTextHOffset(Integer AIndex) {
  TRect r = inherited::GetDrawTextHOffset(AIndex);
  if (IsOneOf(GetTab(AIndex)->GetPaintingPositionIndex(), {5, 7, 10})) ++r.bottom;
  if (IsMainTab(AIndex) && GetTabRotatedImageSize().cx == 0) r.left += 2;
  return r;
}

TcxPCWOffset TcxPCTabsPainter::GetDrawImageWithoutTextWOffset(Integer AIndex) {
  if (!GetControl()->GetRotate() || !IsMainTab(AIndex)) return cxPCEmptyWOffset;
  return IsOneOf(GetTab(AIndex)->GetPaintingPositionIndex(), {3, 6, 11}) ? TcxPCWOffset{2, 1} : TcxPCWOffset{1, 2};
}

void TcxPCTabsPainter::CorrectTabRect(Integer AIndex, TcxPCRectCorrection& ACorrection) {
  static constexpr TcxPCRectCorrection MainTab[] = {{-2, -2, 2, 1}, {-2, -1, 2, 2}, {-2, -2, 1, 2}, {-1, -2, 2, 2}};
  if (IsMainTab(AIndex))
    ACorrection = MainTab[GetTab(AIndex)->GetPaintingPosition()];
  else
    inherited::CorrectTabRect(AIndex, ACorrection);
}

TcxRegion* TcxPCTabsPainter::GetTabClipRgn(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  TRect r = tab->GetVisibleRect();
  if (IsMainTab(AIndex)) r = GetExtendedRect(r, TRect(0, 0, 0, -1), tab->GetPaintingPosition());
  return New<TcxRegion>(r);
}

TcxRegionOperation TcxPCTabsPainter::GetTabClipRgnOperation(Integer AIndex) {
  return IsMainTab(AIndex) ? roSet : roIntersect;
}

TRect TcxPCTabsPainter::GetDisplayRectOffset() {
  TRect offset = inherited::GetDisplayRectOffset();
  if (!GetControl()->GetHideTabs() && GetControl()->GetRowCount() > 0) offset.top -= 1;
  return offset;
}

TRect TcxPCTabsPainter::GetClientRectOffset() {
  TRect offset = inherited::GetClientRectOffset();
  const bool native = IsNativePainting();
  if (native) {
    offset = TRect(offset.left - 2, offset.top - 2, offset.right - 2, offset.bottom - 2);
    const TRect m = GetNativeContentOffset();
    switch (GetTabPosition()) {
      case tpTop: offset = TRect(offset.left + m.left, offset.top + m.top, offset.right + m.right, offset.bottom + m.bottom); break;
      case tpBottom: offset = TRect(offset.left + m.right, offset.top + m.bottom, offset.right + m.left, offset.bottom + m.top); break;
      case tpLeft: offset = TRect(offset.left + m.bottom, offset.top + m.left, offset.right + m.top, offset.bottom + m.right); break;
      case tpRight: offset = TRect(offset.left + m.top, offset.top + m.right, offset.right + m.bottom, offset.bottom + m.left); break;
    }
  }
  if (GetControl()->GetIsTabsContainer() && !native) offset.top += 3 - GetFrameWidth();
  return offset;
}

void TcxPCTabsPainter::GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) {
  const Integer buttonsWidth = CalculateButtonsRegionWidth(AButtons);
  const TRect o = GetControl()->GetIsTabsContainer() ? GetTabsContainerOffsets() : TRect(0, 0, 0, 0);
  const Integer length = IsHorizontalTabs() ? GetControl()->GetWidth() : GetControl()->GetHeight();
  Integer start = o.left, end = length - o.left;
  if (!GetControl()->GetMultiLine() && !AButtons.Empty()) {
    if (IsNavigatorAtStart())
      start = buttonsWidth;
    else
      end = length - buttonsWidth;
  }
  // Along the strip and in from the tab side; the inner band lies 2 pixels further in on each.
  auto place = [&](Integer ATabSideInset, Integer AStart, Integer AEnd) {
    TRect r(0, 0, GetControl()->GetWidth(), GetControl()->GetHeight());
    switch (GetTabPosition()) {
      case tpTop: r.top += ATabSideInset; break;
      case tpBottom: r.bottom -= ATabSideInset; break;
      case tpLeft: r.left += ATabSideInset; break;
      case tpRight: r.right -= ATabSideInset; break;
    }
    if (IsHorizontalTabs()) {
      r.left = AStart;
      r.right = AEnd;
    } else {
      r.top = AStart;
      r.bottom = AEnd;
    }
    return r;
  };
  ATabsPosition.OuterTabsRect = place(o.top, start, end);
  ATabsPosition.InnerTabsRect = place(o.top + 2, start + 2, end - 2);
  ATabsPosition.RowLength = end - 2 - (start + 2);
  const bool topOrLeft = GetTabPosition() == tpTop || GetTabPosition() == tpLeft;
  ATabsPosition.TopOrLeftPartBorderOffset = topOrLeft ? 1 : 0;
  ATabsPosition.BottomOrRightPartBorderOffset = topOrLeft ? 0 : -1;
  ATabsPosition.MinPartsDistance = 0;
  CalculateButtonsRegion(AButtons);
}

TColor TcxPCTabsPainter::GetTabBodyColor(Integer AIndex) {
  if (GetTab(AIndex)->GetHighlighted()) return GetHighlightedTabBodyColor();
  const TColor color = GetTabColor(AIndex);
  return color == clDefault ? TColor(clBtnFace) : color;
}

// ---- Painting -------------------------------------------------------------------------------------------------
void TcxPCTabsPainter::PaintTabsRegion() {
  // The enlarged main tab first: each tab leaves the clip after painting, so its neighbours cannot
  // paint over it.
  const Integer main = GetMainTabVisibleIndex();
  const bool mainShown = main != -1 && !cxRectIsEmpty(GetTab(main)->GetVisibleRect());
  if (mainShown) PaintTab(main);
  Integer first, last;
  InitializeVisibleTabRange(GetControl(), first, last);
  for (Integer i = first; i <= last; ++i)
    if (!(mainShown && i == main)) PaintTab(i);
}

void TcxPCTabsPainter::PaintClientArea() {
  if (IsNativePainting())
    InternalPaintFrame(GetCanvas());
  else
    inherited::PaintClientArea();
}

void TcxPCTabsPainter::PaintFrame() {
  inherited::PaintFrame();
  if (GetControl()->GetIsTabsContainer())
    GetCanvas()->FillRect(cxRectInflate(GetFrameRect(), -GetFrameWidth(), -GetFrameWidth()), clBtnFace);
}

void TcxPCTabsPainter::RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) {
  if (AType == tpcIsMainTab && !IsMainTab(AIndex)) return InvalidateTabExtendedTabsRect(AIndex);
  if (IsVerticalText(GetControl())) GetTab(AIndex)->ResetVerticalTextBitmap();
  InvalidateTabRect(AIndex);
}

void TcxPCTabsPainter::InvalidateTabRect(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  InternalInvalidateRect(GetExtendedRect(tab->GetVisibleRect(), TRect(0, 0, 0, -1), tab->GetPaintingPosition()));
}

void TcxPCTabsPainter::PaintTabShape(Integer AIndex) {
  if (IsNativePainting()) return PaintNativeTabShape(AIndex);
  TcxTab* tab = GetTab(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  TRect r = GetExtendedRect(cxRectInflate(tab->GetFullRect(), -2, -2), TRect(0, 0, 0, -2), position);
  GetCanvas()->FillRect(r, GetTabBodyColor(AIndex));
  if (IsMainTab(AIndex)) {
    InternalDrawFocusRect(AIndex, GetExtendedRect(r, TRect(0, 0, 0, 1), position));
  } else {
    // The gap between a normal tab and the page frame.
    const TRect grown = GetExtendedRect(r, TRect(0, 0, 0, -2), position);
    GetCanvas()->FillRect(GetBandOutside(grown, r, PageSide(position)), GetControl()->GetColor());
  }
  PaintTabFrame(AIndex);
}

void TcxPCTabsPainter::PaintTabFrame(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TRect F = tab->GetFullRect();
  const Integer L = F.left, T = F.top, R = F.right, B = F.bottom;
  switch (tab->GetPaintingPosition()) {
    case tpTop:
      InternalPolyLine({TPoint(L, B - 1), TPoint(L, T + 2), TPoint(L + 2, T), TPoint(R - 3, T)}, clBtnHighlight);
      InternalPolyLine({TPoint(L + 1, B - 1), TPoint(L + 1, T + 2), TPoint(L + 2, T + 1), TPoint(R - 3, T + 1)}, cl3DLight);
      InternalPolyLine({TPoint(R - 1, B - 1), TPoint(R - 1, T + 2), TPoint(R - 2, T + 1)}, cl3DDkShadow);
      InternalPolyLine({TPoint(R - 2, B - 1), TPoint(R - 2, T + 2)}, clBtnShadow);
      break;
    case tpBottom:
      InternalPolyLine({TPoint(L, T), TPoint(L, B - 3), TPoint(L + 1, B - 2)}, clBtnHighlight);
      InternalPolyLine({TPoint(L + 1, T), TPoint(L + 1, B - 3)}, cl3DLight);
      InternalPolyLine({TPoint(L + 2, B - 1), TPoint(R - 3, B - 1), TPoint(R - 1, B - 3), TPoint(R - 1, T)}, cl3DDkShadow);
      InternalPolyLine({TPoint(L + 2, B - 2), TPoint(R - 3, B - 2), TPoint(R - 2, B - 3), TPoint(R - 2, T)}, clBtnShadow);
      break;
    case tpLeft:
      InternalPolyLine({TPoint(L, B - 3), TPoint(L, T + 2), TPoint(L + 2, T), TPoint(R - 1, T)}, clBtnHighlight);
      InternalPolyLine({TPoint(L + 1, B - 3), TPoint(L + 1, T + 2), TPoint(L + 2, T + 1), TPoint(R - 1, T + 1)}, cl3DLight);
      InternalPolyLine({TPoint(L + 2, B - 2), TPoint(L + 3, B - 1), TPoint(R - 1, B - 1)}, cl3DDkShadow);
      InternalPolyLine({TPoint(L + 1, B - 2), TPoint(L + 2, B - 1), TPoint(L + 3, B - 2), TPoint(R - 1, B - 2)}, clBtnShadow);
      break;
    case tpRight:
      InternalPolyLine({TPoint(L, T), TPoint(R - 3, T), TPoint(R - 2, T + 1)}, clBtnHighlight);
      InternalPolyLine({TPoint(L, T + 1), TPoint(R - 3, T + 1)}, cl3DLight);
      InternalPolyLine({TPoint(L, B - 1), TPoint(R - 3, B - 1), TPoint(R - 1, B - 3), TPoint(R - 1, T + 2)}, cl3DDkShadow);
      InternalPolyLine({TPoint(L, B - 2), TPoint(R - 3, B - 2), TPoint(R - 2, B - 3), TPoint(R - 2, T + 2)}, clBtnShadow);
      break;
  }
  if (IsMainTab(AIndex))
    PaintMainTabJoin(AIndex, GetControl()->GetIsTabsContainer() ? TColor(clBtnFace) : GetTabBodyColor(AIndex));
  PaintTabCorners(AIndex);
}

// The line just beyond the main tab toward the page lies on the page frame: it is repainted so that tab
// and page merge, keeping the frame's own pixels where the tab reaches the control's edge.
void TcxPCTabsPainter::PaintMainTabJoin(Integer AIndex, TColor ABody) {
  TcxTab* tab = GetTab(AIndex);
  const TRect F = tab->GetFullRect();
  const Integer L = F.left, T = F.top, R = F.right, B = F.bottom;
  const Integer W = GetControl()->GetWidth(), H = GetControl()->GetHeight();
  TcxCanvas* canvas = GetCanvas();
  switch (tab->GetPaintingPosition()) {
    case tpTop: {
      Integer start = L;
      if (L == 0) {
        canvas->SetPixel(L, B, clBtnHighlight);
        start = L + 1;
      }
      InternalPolyLine({TPoint(start, B), TPoint(L + 1, B)}, cl3DLight);
      if (R == W) {
        InternalPolyLine({TPoint(L + 2, B), TPoint(R - 3, B)}, ABody);
        canvas->SetPixel(R - 2, B, clBtnShadow);
        canvas->SetPixel(R - 1, B, cl3DDkShadow);
      } else {
        InternalPolyLine({TPoint(L + 2, B), TPoint(R - 1, B)}, ABody);
      }
      break;
    }
    case tpBottom: {
      Integer start = L;
      if (L == 0) {
        canvas->SetPixel(L, T - 1, clBtnHighlight);
        canvas->SetPixel(L + 1, T - 1, cl3DLight);
        start = L + 2;
      }
      InternalPolyLine({TPoint(start, T - 1), TPoint(R - 3, T - 1)}, ABody);
      if (R == W) {
        canvas->SetPixel(R - 2, T - 1, clBtnShadow);
        canvas->SetPixel(R - 1, T - 1, cl3DDkShadow);
      } else {
        InternalPolyLine({TPoint(R - 2, T - 1), TPoint(R - 1, T - 1)}, clBtnShadow);
      }
      break;
    }
    case tpLeft: {
      Integer start = T;
      if (T == 0) {
        canvas->SetPixel(R, T, clBtnHighlight);
        start = T + 1;
      }
      InternalPolyLine({TPoint(R, start), TPoint(R, T + 1)}, cl3DLight);
      if (B == H) {
        InternalPolyLine({TPoint(R, T + 2), TPoint(R, B - 3)}, ABody);
        canvas->SetPixel(R, B - 2, clBtnShadow);
        canvas->SetPixel(R, B - 1, cl3DDkShadow);
      } else {
        InternalPolyLine({TPoint(R, T + 2), TPoint(R, B - 1)}, ABody);
      }
      break;
    }
    case tpRight: {
      Integer start = T;
      if (T == 0) {
        canvas->SetPixel(L - 1, T, clBtnHighlight);
        canvas->SetPixel(L - 1, T + 1, cl3DLight);
        start = T + 2;
      }
      InternalPolyLine({TPoint(L - 1, start), TPoint(L - 1, B - 3)}, ABody);
      if (B == H) {
        canvas->SetPixel(L - 1, B - 2, clBtnShadow);
        canvas->SetPixel(L - 1, B - 1, cl3DDkShadow);
      } else {
        InternalPolyLine({TPoint(L - 1, B - 2), TPoint(L - 1, B - 1)}, clBtnShadow);
      }
      break;
    }
  }
}

bool TcxPCTabsPainter::IsFirstOrLastOfRow(Integer AIndex, bool AFirst) {
  const TcxPCLineIndexBoundsArray rows = InitializeLineBoundsArray(GetControl());
  const Integer row = GetTab(AIndex)->GetDisplayRow();
  if (row < 0 || row >= static_cast<Integer>(rows.size())) return false;
  return AFirst ? rows[static_cast<size_t>(row)].First == AIndex : rows[static_cast<size_t>(row)].Last == AIndex;
}

// The outermost rows have the control's background behind their corners, inner rows the row behind.
void TcxPCTabsPainter::GetTabCornersColor(Integer AIndex, TColor& AColor1, TColor& AColor2) {
  const Integer row = GetTab(AIndex)->GetDisplayRow();
  const Integer rowCount = GetControl()->GetRowCount(), topOrLeftRows = GetControl()->GetTopOrLeftPartRowCount();
  if ((row == 0 && topOrLeftRows > 0) || (row == rowCount - 1 && topOrLeftRows != rowCount)) {
    AColor1 = AColor2 = GetControl()->GetColor();
    return;
  }
  AColor1 = AColor2 = clBtnFace;
  if (IsMainTab(AIndex) && !GetControl()->GetRotate()) {
    if (IsFirstOrLastOfRow(AIndex, true)) AColor1 = GetControl()->GetColor();
    if (IsFirstOrLastOfRow(AIndex, false)) AColor2 = GetControl()->GetColor();
  }
}

void TcxPCTabsPainter::PaintTabCorners(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  TColor c1, c2;
  GetTabCornersColor(AIndex, c1, c2);
  const TcxTabPosition position = tab->GetPaintingPosition();
  if ((position == tpLeft || position == tpRight) && GetTextRotationAngle(GetControl()) != raMinus90) std::swap(c1, c2);
  const TRect F = tab->GetFullRect();
  const Integer L = F.left, T = F.top, R = F.right, B = F.bottom;
  switch (position) {
    case tpTop:
      InternalPolyLine({TPoint(L, T + 1), TPoint(L, T), TPoint(L + 1, T)}, c1);
      InternalPolyLine({TPoint(R - 2, T), TPoint(R - 1, T), TPoint(R - 1, T + 1)}, c2);
      break;
    case tpBottom:
      InternalPolyLine({TPoint(L, B - 2), TPoint(L, B - 1), TPoint(L + 1, B - 1)}, c1);
      InternalPolyLine({TPoint(R - 2, B - 1), TPoint(R - 1, B - 1), TPoint(R - 1, B - 2)}, c2);
      break;
    case tpLeft:
      InternalPolyLine({TPoint(L, T + 1), TPoint(L, T), TPoint(L + 1, T)}, c1);
      InternalPolyLine({TPoint(L, B - 2), TPoint(L, B - 1), TPoint(L + 1, B - 1)}, c2);
      break;
    case tpRight:
      InternalPolyLine({TPoint(R - 2, T), TPoint(R - 1, T), TPoint(R - 1, T + 1)}, c1);
      InternalPolyLine({TPoint(R - 2, B - 1), TPoint(R - 1, B - 1), TPoint(R - 1, B - 2)}, c2);
      break;
  }
}

// ---- Native painting ------------------------------------------------------------------------------------------
void TcxPCTabsPainter::GetTabNativePartAndState(Integer AIndex, Integer& APart, Integer& AState) {
  TcxCustomTabControl* control = GetControl();
  Integer slot = 1;
  if (!control->GetIsTabsContainer()) {
    const bool oneRowOrder = !control->GetMultiLine() || control->GetRaggedRight();
    const bool first = IsFirstOrLastOfRow(AIndex, true), last = IsFirstOrLastOfRow(AIndex, false);
    if (oneRowOrder)
      slot = first ? 0 : AIndex == GetVisibleTabCount() - 1 ? 2 : 1;
    else
      slot = last ? 2 : first ? 0 : 1;
    if (oneRowOrder && IsMainTab(AIndex) && slot == 2) slot = 1;
  }
  APart = TabParts[IsMainTab(AIndex) ? 1 : 0][slot];
  AState = GetTabNativeState(AIndex);
}

void TcxPCTabsPainter::PaintNativeTabBackground(HDC DC, Integer AIndex, const TRect& ARect) {
  Integer part, state;
  GetTabNativePartAndState(AIndex, part, state);
  DrawThemeBackground(OpenTheme(totTab), DC, part, state, ARect);
}

void TcxPCTabsPainter::PrepareTabBitmapBackground(TBitmap* ABitmap, const TRect& ARect, TcxTab*) {
  if (GetControl()->GetParentBackground()) {
    TcxCanvas* canvas = New<TcxCanvas>(ABitmap->GetCanvas());
    TFinally release([canvas] { canvas->Free(); });
    const TPoint saved = canvas->GetWindowOrg();
    canvas->SetWindowOrg(ARect.TopLeft());
    cxDrawTransparentControlBackground(GetControl(), canvas, ARect, true);
    canvas->SetWindowOrg(saved);
  } else {
    ABitmap->GetCanvas()->GetBrush()->SetColor(GetFreeSpaceColor());
    ABitmap->GetCanvas()->FillRect(TRect(0, 0, ABitmap->GetWidth(), ABitmap->GetHeight()));
  }
}

void TcxPCTabsPainter::PrepareTabBackground(Integer AIndex) {
  static constexpr TcxPCRectCorrection MainTab[] = {{0, 0, 0, 1}, {0, -1, 0, 0}, {0, 0, 1, 0}, {-1, 0, 0, 0}};
  TcxTab* tab = GetTab(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  TRect r = tab->GetFullRect();
  if (IsMainTab(AIndex)) CorrectRect(r, MainTab[position]);
  tab->InitializePaintBitmap();
  TBitmap* bitmap = tab->GetPaintBitmap();
  if (position == tpLeft || position == tpRight)
    bitmap->SetSize(r.Height(), r.Width());
  else
    bitmap->SetSize(r.Width(), r.Height());
  PrepareTabBitmapBackground(bitmap, r, tab);
  PaintNativeTabBackground(bitmap->GetCanvas()->GetHandle(), AIndex, TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()));
  // The part is drawn as for tabs on top; the bitmap turns it to the tab's position and text angle.
  struct TTurn {
    TcxRotationAngle Angle;
    bool Flip;
  };
  static constexpr TTurn Turns[13] = {{ra0, false},      {ra0, false},      {raMinus90, false}, {raPlus90, false},
                                      {ra180, true},     {ra0, true},       {raPlus90, true},   {ra180, false},
                                      {ra0, false},      {raMinus90, false}, {ra0, true},       {raPlus90, true},
                                      {raMinus90, true}};
  const TTurn turn = Turns[tab->GetPaintingPositionIndex()];
  if (turn.Angle != ra0 || turn.Flip) GetCanvas()->RotateBitmap(bitmap, turn.Angle, turn.Flip);
}

void TcxPCTabsPainter::PaintNativeTabShape(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TcxTabPosition position = tab->GetPaintingPosition();
  TRect r = tab->GetFullRect();
  if (IsMainTab(AIndex)) r = GetExtendedRect(r, TRect(0, 0, 0, -1), position);
  TBitmap* bitmap = tab->GetPaintBitmap();
  if (!bitmap) return;
  const Integer index = tab->GetPaintingPositionIndex();
  TRect& text = FOutData.TextRect;
  const Integer width = bitmap->GetWidth(), height = bitmap->GetHeight();
  if (IsOneOf(index, {2, 4, 7, 11})) {
    GetCanvas()->RotateBitmap(bitmap, raPlus90);
    text = TRect(text.top, width - text.right, text.bottom, width - text.left);
  } else if (IsOneOf(index, {3, 5, 8, 12})) {
    GetCanvas()->RotateBitmap(bitmap, raMinus90);
    text = TRect(height - text.bottom, text.left, height - text.top, text.right);
  }
  text = cxRectOffset(text, r.left, r.top);
  GetCanvas()->CopyRect(r, bitmap->GetCanvas(), TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()));
  InternalDrawFocusRect(AIndex, cxRectInflate(r, -2, -2));
  tab->ResetPaintBitmap();
}

void TcxPCTabsPainter::InternalPrepareOutTabImageAndTextData(Integer AIndex, TRect& AImageRect, TRect& ATextRect) {
  if (IsNativePainting() && IsMainTab(AIndex) && IsOneOf(GetTab(AIndex)->GetPaintingPositionIndex(), {5, 7, 10})) {
    AImageRect = cxRectOffset(AImageRect, 0, 1);
    ATextRect = cxRectOffset(ATextRect, 0, 1);
  }
  inherited::InternalPrepareOutTabImageAndTextData(AIndex, AImageRect, ATextRect);
}

void TcxPCTabsPainter::InternalPaintFrame(TcxCanvas* ACanvas) {
  TRect r = GetDisplayRect();
  if (cxRectIsEmpty(r)) return;
  const TRect m = GetNativeContentOffset();
  r.right = std::max<LONG>(r.right, r.left + m.left + m.right);
  r.bottom = std::max<LONG>(r.bottom, r.top + m.top + m.bottom);
  HTHEME theme = OpenTheme(totTab);
  const bool ownCanvas = ACanvas == GetCanvas();
  if (ownCanvas && IsThemeBackgroundPartiallyTransparent(theme, TabPanePart, 0) && GetControl()->GetParentBackground())
    cxDrawThemeParentBackground(GetControl(), ACanvas, r);
  else
    ACanvas->FillRect(r, GetControl()->GetColor());
  DrawThemeBackground(theme, ACanvas->GetHandle(), TabPanePart, 0, r);
  if (ownCanvas) ACanvas->ExcludeClipRect(r);
}

void TcxPCTabsPainter::DrawNativeTabBackground(HDC DC, TcxTabSheet* ATabSheet) {
  const TRect r = cxRectOffset(cxRectInflate(GetDisplayRect(), 2, 2), -ATabSheet->GetLeft(), -ATabSheet->GetTop());
  DrawThemeBackground(OpenTheme(totTab), DC, TabPanePart, 0, r);
}

void TcxPCTabsPainter::PaintButton(TcxPCNavigatorButton AButton, TRect ARect) {
  if (!IsNativePainting()) return inherited::PaintButton(AButton, ARect);
  static constexpr Integer ArrowParts[] = {1, 2, 4, 3};  // aTop, aBottom, aLeft, aRight
  const bool close = AButton == nbClose;
  HTHEME theme = OpenTheme(close ? totWindow : totSpin);
  const Integer part = close ? 19 : ArrowParts[GetButtonArrow(AButton)];
  const Integer state = NativeButtonState(GetButtonState(AButton));
  if (GetControl()->GetParentBackground() && IsThemeBackgroundPartiallyTransparent(theme, part, state))
    cxDrawThemeParentBackground(GetControl(), GetCanvas(), ARect);
  else
    GetCanvas()->FillRect(ARect, GetControl()->GetColor());
  DrawThemeBackground(theme, GetCanvas()->GetHandle(), part, state, ARect);
}

// ---- TcxPCFlatPainter -------------------------------------------------------------------------------------------
bool TcxPCFlatPainter::HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel->GetAvailablePainter(totTab)->LookAndFeelStyle() == lfsFlat;
}

TPoint TcxPCFlatPainter::GetButtonContentPosition(TcxPCNavigatorButton AButton) {
  const TPoint p = inherited::GetButtonContentPosition(AButton);
  return TPoint(p.x - 1, p.y - 1);
}

void TcxPCFlatPainter::PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) {
  if (AState == nbsPressed)
    GetCanvas()->DrawComplexFrame(ARect, clBtnShadow, clBtnHighlight);
  else
    GetCanvas()->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow);
  ARect = cxRectInflate(ARect, -1, -1);
}

void TcxPCFlatPainter::PaintFrameBorder(const TRect& ARect) {
  GetCanvas()->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow);
}

void TcxPCFlatPainter::PaintTabFrame(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  const TColor light = IncreaseColorBrightness(GetTabBodyColor(AIndex), 85);
  const TRect F = tab->GetFullRect();
  const Integer L = F.left, T = F.top, R = F.right, B = F.bottom;
  switch (tab->GetPaintingPosition()) {
    case tpTop:
      InternalPolyLine({TPoint(L, B - 1), TPoint(L, T + 2), TPoint(L + 2, T), TPoint(R - 3, T), TPoint(R - 2, T + 1)}, clBtnHighlight);
      InternalPolyLine({TPoint(R - 1, T + 2), TPoint(R - 1, B - 1)}, clBtnShadow);
      InternalPolyLine({TPoint(L + 1, B - 1), TPoint(L + 1, T + 2), TPoint(L + 2, T + 1), TPoint(R - 3, T + 1),
                        TPoint(R - 2, T + 2), TPoint(R - 2, B - 1)},
                       light);
      break;
    case tpBottom:
      InternalPolyLine({TPoint(L, T), TPoint(L, B - 3), TPoint(L + 1, B - 2)}, clBtnHighlight);
      InternalPolyLine({TPoint(L + 2, B - 1), TPoint(R - 3, B - 1), TPoint(R - 1, B - 3), TPoint(R - 1, T)}, clBtnShadow);
      InternalPolyLine({TPoint(L + 1, T), TPoint(L + 1, B - 3)}, light);
      InternalPolyLine({TPoint(L + 2, B - 2), TPoint(R - 3, B - 2), TPoint(R - 2, B - 3), TPoint(R - 2, T)}, clBtnFace);
      break;
    case tpLeft:
      InternalPolyLine({TPoint(R - 1, B - 1), TPoint(L + 2, B - 1)}, clBtnShadow);
      InternalPolyLine({TPoint(L + 1, B - 2), TPoint(L, B - 3), TPoint(L, T + 2), TPoint(L + 2, T), TPoint(R - 1, T)}, clBtnHighlight);
      InternalPolyLine({TPoint(R - 1, B - 2), TPoint(L + 2, B - 2), TPoint(L + 1, B - 3), TPoint(L + 1, T + 2),
                        TPoint(L + 2, T + 1), TPoint(R - 1, T + 1)},
                       light);
      break;
    case tpRight:
      InternalPolyLine({TPoint(L, T), TPoint(R - 3, T), TPoint(R - 2, T + 1)}, clBtnHighlight);
      InternalPolyLine({TPoint(R - 1, T + 2), TPoint(R - 1, B - 3), TPoint(R - 3, B - 1), TPoint(L, B - 1)}, clBtnShadow);
      InternalPolyLine({TPoint(L, T + 1), TPoint(R - 3, T + 1)}, light);
      InternalPolyLine({TPoint(R - 2, T + 2), TPoint(R - 2, B - 3), TPoint(R - 3, B - 2), TPoint(L, B - 2)}, clBtnFace);
      break;
  }
  PaintTabCorners(AIndex);
}

}  // namespace cxPCPainters
