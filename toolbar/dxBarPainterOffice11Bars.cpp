// The Office 2003 painter's docks and toolbars: the dock gradient, the toolbar's tube gradient with its
// rounded, anti-aliased frame and dotted grip, the two-line group separators, the mark with its
// customization glyph, the floating caption's elements and the hot, pressed and checked button cells.
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "dxBar.h"
#include "dxBarControl.h"
#include "dxBarDock.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

using namespace dxOffice11;

bool IsHorizontal(TCustomdxBarControl* ABarControl) { return !ABarControl || !ABarControl->IsVertical(); }

void DockColorsOfStyle(TdxBarDockingStyle AStyle, COLORREF& AColor1, COLORREF& AColor2) {
  AColor1 = AStyle == dsRight ? dxOffice11DockColor2 : dxOffice11DockColor1;
  AColor2 = AStyle == dsLeft ? dxOffice11DockColor1 : dxOffice11DockColor2;
}

void SetPixelIn(HDC DC, Integer X, Integer Y, COLORREF AColor) { FillRectByColor(DC, RECT{X, Y, X + 1, Y + 1}, AColor); }

// The dock's colour under the point (X, Y) of the bar window: the bar stands on its dock's gradient.
COLORREF DockColorUnder(TCustomdxBarControl* ABarControl, Integer X) {
  COLORREF color1, color2;
  DockColorsOfStyle(ABarControl ? ABarControl->GetDockingStyle() : dsTop, color1, color2);
  TWinControl* dock = ABarControl ? ABarControl->GetParent() : nullptr;
  const Integer width = dock ? dock->GetClientWidth() : (ABarControl ? ABarControl->GetWidth() : 1);
  const Integer at = X + (dock && ABarControl ? ABarControl->GetLeft() : 0);
  return GetGradientColorRect(RECT{0, 0, std::max<Integer>(width, 1), 1}, at, color1, color2, true);
}

// The toolbar gradient's colour at a position across the bar (a row of a horizontal bar).
COLORREF BarColorAt(const TRect& AGradientR, Integer APos, bool AHorizontal) {
  const RECT across = AHorizontal ? RECT{AGradientR.top, 0, AGradientR.bottom, 1}
                                  : RECT{AGradientR.left, 0, AGradientR.right, 1};
  return GetGradientColorRect(across, APos, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, true);
}

// One rounded corner: the corner pixel in the dock's colour, its two neighbours half way between their
// own colour and the dock's.
struct TCorner {
  POINT Corner, Neighbour1, Neighbour2;
};

}  // namespace

// ---- Helpers of the class ---------------------------------------------------------------------------------------
TRect TdxBarOffice11Painter::GetBarGradientRect(TCustomdxBarControl* ABarControl) {
  TRect R(0, 0, ABarControl->GetWidth(), ABarControl->GetHeight());
  if (ABarControl->Kind() == bkBarControl) {
    if (ABarControl->IsVertical())
      InflateRect(&R, -1, 0);
    else
      InflateRect(&R, 0, -1);
  }
  return R;
}

void TdxBarOffice11Painter::GetSelectedColors(TdxBarItemControl* AControl, bool ADowned, bool ASelected,
                                              COLORREF& AColor1, COLORREF& AColor2) {
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  if (parent && parent->IsInternal()) {
    AColor1 = AColor2 = ADowned ? dxOffice11OwnerControlDownedColor : dxOffice11SelectedColor1;
  } else if (!ADowned) {
    AColor1 = dxOffice11SelectedColor1;
    AColor2 = dxOffice11SelectedColor2;
  } else if (ASelected) {
    AColor1 = dxOffice11SelectedDownColor2;
    AColor2 = dxOffice11SelectedDownColor1;
  } else {
    AColor1 = dxOffice11SelectedDownColor1;
    AColor2 = dxOffice11SelectedDownColor2;
    // A scheme without a gradient fills a checked button plainly.
    if (AColor1 == AColor2) AColor1 = AColor2 = dxOffice11DownedColor;
  }
}

void TdxBarOffice11Painter::FillDockBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                               const TRect& AWholeR, TdxBarDockingStyle AStyle) {
  COLORREF color1, color2;
  DockColorsOfStyle(AStyle, color1, color2);
  // The gradient runs across the whole dock, whatever part of it is asked for.
  const Integer dx = ADestR.left - ASourceR.left, dy = ADestR.top - ASourceR.top;
  const RECT whole{AWholeR.left + dx, AWholeR.top + dy, AWholeR.right + dx, AWholeR.bottom + dy};
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, ADestR.left, ADestR.top, ADestR.right, ADestR.bottom);
  FillGradientRect(DC, whole, color1, color2, true);
  RestoreDC(DC, saved);
}

bool TdxBarOffice11Painter::IsSimpleMark(TCustomdxBarControl* ABarControl) { return ABarControl->GetIsMainMenu(); }

// ---- Docks and toolbar backgrounds --------------------------------------------------------------------------------
// The gradient runs across the dock's edge: a dock control of the application's own counts by its alignment.
void TdxBarOffice11Painter::DockControlFillBackground(TdxDockControl* ADockControl, HDC DC, const TRect& ADestR,
                                                      const TRect& ASourceR, const TRect& AWholeR, HBRUSH, TColor) {
  FillDockBackground(DC, ADestR, ASourceR, AWholeR, ADockControl ? ADockControl->GetDockingStyle() : dsTop);
}

void TdxBarOffice11Painter::BarDrawDockedBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                                    const TRect& ASourceR, HBRUSH ABrush, TColor AColor) {
  if (IsSimpleMark(ABarControl) || ABarControl->IsBackgroundBitmap())
    return inherited::BarDrawDockedBackground(ABarControl, DC, ADestR, ASourceR, ABrush, AColor);
  TRect gradient = GetBarGradientRect(ABarControl);
  OffsetRect(&gradient, ADestR.left - ASourceR.left, ADestR.top - ASourceR.top);
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, ADestR.left, ADestR.top, ADestR.right, ADestR.bottom);
  FillTubeGradientRect(DC, gradient, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, !IsHorizontal(ABarControl));
  RestoreDC(DC, saved);
}

void TdxBarOffice11Painter::BarDrawFloatingBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                                      const TRect& ASourceR, HBRUSH ABrush, TColor AColor) {
  if (ABarControl->IsInternal() || ABarControl->IsBackgroundBitmap())
    return inherited::BarDrawFloatingBackground(ABarControl, DC, ADestR, ASourceR, ABrush, AColor);
  const TRect client = ABarControl->GetClientRect();
  const RECT gradient{client.left + ADestR.left - ASourceR.left, client.top + ADestR.top - ASourceR.top,
                      client.right + ADestR.left - ASourceR.left, client.bottom + ADestR.top - ASourceR.top};
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, ADestR.left, ADestR.top, ADestR.right, ADestR.bottom);
  FillGradientRect(DC, gradient, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2, false);
  RestoreDC(DC, saved);
}

// The main menu has no border along its docking axis, so it runs from edge to edge of its dock.
TRect TdxBarOffice11Painter::BarBorderPaintSizes(TCustomdxBarControl* ABarControl) {
  TRect sizes = BarBorderSizes();
  if (ABarControl && ABarControl->GetIsMainMenu()) {
    const TdxBarDockingStyle style = ABarControl->GetDockingStyle();
    if (style == dsTop || style == dsBottom)
      sizes.left = sizes.right = 0;
    else
      sizes.top = sizes.bottom = 0;
  }
  return sizes;
}

// The rounded toolbar frame: dock background before the leading edge and at every corner, a shadow
// line along the bottom and the trailing side, anti-aliased corners, then the dotted grip.
void TdxBarOffice11Painter::BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH) {
  const bool horizontal = IsHorizontal(ABarControl);
  // The dock shows through: its gradient, as the dock paints it under the bar.
  auto dockFill = [&](const TRect& APart) {
    if (IsRectEmpty(&APart)) return;
    TWinControl* dock = ABarControl->GetParent();
    const TRect whole = dock ? dock->GetClientRect() : TRect(0, 0, ABarControl->GetWidth(), ABarControl->GetHeight());
    TRect source = APart;
    if (dock) OffsetRect(&source, ABarControl->GetLeft(), ABarControl->GetTop());
    FillDockBackground(DC, APart, source, whole, ABarControl->GetDockingStyle());
  };
  if (ABarControl->GetIsMainMenu()) {
    if (horizontal) {
      dockFill(TRect(R.left, R.top, R.right, R.top + 2));
      dockFill(TRect(R.left, R.bottom - 2, R.right, R.bottom));
    } else {
      dockFill(TRect(R.left, R.top, R.left + 2, R.bottom));
      dockFill(TRect(R.right - 2, R.top, R.right, R.bottom));
    }
    return;
  }
  const Integer indent = BarBeforeFingersIndent();
  const COLORREF shadow = dxOffice11BarBorderColors[1];
  const TRect gradient = GetBarGradientRect(ABarControl);
  auto bodyColorAt = [&](Integer X, Integer Y) { return BarColorAt(gradient, horizontal ? Y : X, horizontal); };
  auto dockColorAt = [&](Integer X, Integer Y) { return DockColorUnder(ABarControl, X); };
  // The body: from the leading indent to the trailing edge, the shadow on the last row and column.
  TRect body = R;
  if (horizontal) {
    dockFill(TRect(R.left, R.top, R.left + indent, R.bottom));
    dockFill(TRect(R.left + indent, R.top, R.right, R.top + 1));
    body.left += indent;
    body.top += 1;
    FillRectByColor(DC, RECT{body.left, R.bottom - 1, R.right, R.bottom}, shadow);
    FillRectByColor(DC, RECT{R.right - 1, body.top, R.right, R.bottom}, shadow);
  } else {
    dockFill(TRect(R.left, R.top, R.right, R.top + indent));
    dockFill(TRect(R.left, R.top + indent, R.left + 1, R.bottom));
    body.top += indent;
    body.left += 1;
    FillRectByColor(DC, RECT{R.right - 1, body.top, R.right, R.bottom}, shadow);
    FillRectByColor(DC, RECT{body.left, R.bottom - 1, R.right, R.bottom}, shadow);
  }
  const bool mark = ABarControl->MarkExists();
  const TCorner corners[] = {
      {{body.left, body.top}, {body.left + 1, body.top}, {body.left, body.top + 1}},
      {{body.left, body.bottom - 1}, {body.left + 1, body.bottom - 1}, {body.left, body.bottom - 2}},
      {{body.right - 1, body.top}, {body.right - 2, body.top}, {body.right - 1, body.top + 1}},
      {{body.right - 1, body.bottom - 1}, {body.right - 2, body.bottom - 1}, {body.right - 1, body.bottom - 2}}};
  for (Integer i = 0; i < 4; ++i) {
    // The mark rounds the trailing corners itself.
    const bool trailing = horizontal ? i >= 2 : (i == 1 || i == 3);
    if (mark && trailing) continue;
    const TCorner& c = corners[i];
    SetPixelIn(DC, c.Corner.x, c.Corner.y, dockColorAt(c.Corner.x, c.Corner.y));
    for (const POINT& p : {c.Neighbour1, c.Neighbour2}) {
      const bool onShadow = p.x == R.right - 1 || p.y == R.bottom - 1;
      const COLORREF own = onShadow ? shadow : bodyColorAt(p.x, p.y);
      SetPixelIn(DC, p.x, p.y, GetMiddleRGB(own, dockColorAt(p.x, p.y), 50));
    }
  }
  if (!dxBarCanMove(ABarControl)) return;
  // The dots start BeforeFingersSize into the bar's body, which begins past the leading indent.
  const Integer start = indent + BeforeFingersSize();
  const TRect grip = horizontal ? TRect(R.left + start, R.top + 3, R.left + start + GripperSize(), R.bottom - 3)
                                : TRect(R.left + 3, R.top + start, R.right - 3, R.top + start + GripperSize());
  BarDrawFingerElements(ABarControl, DC, grip, horizontal);
}

void TdxBarOffice11Painter::BarDrawFingerElements(TCustomdxBarControl*, HDC DC, const TRect& R, bool AHorizontal) {
  // A horizontal bar's grip is a column of dots.
  Office11DrawFingerElements(DC, R, AHorizontal);
}

void TdxBarOffice11Painter::BarDrawFloatingBarCaption(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                      TRect ACaptionR, HBRUSH) {
  const HBRUSH line = CreateSolidBrush(dxOffice11BarFloatingBorderColor3);
  inherited::BarDrawFloatingBarCaption(ABarControl, DC, R, ACaptionR, line);
  DeleteObject(line);
}

void TdxBarOffice11Painter::BarDrawCaptionElement(TCustomdxBarControl* ABarControl, HDC DC, TdxBarMarkState AState,
                                                  TRect& R) {
  if (AState == msNone) {
    FillRectByColor(DC, R, ColorToRGB(BarCaptionBkColor(true)));
    return;
  }
  Office11FrameSelectedRect(DC, R);
  InflateRect(&R, -1, -1);
  FillRectByColor(DC, R, AState == msSelected ? dxOffice11SelectedColor1 : dxOffice11SelectedColor2);
}

// The gap between groups: bar background, then a dark line with a light one beside it.
void TdxBarOffice11Painter::BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush,
                                              bool AHorz) {
  inherited::BarDrawBackground(ABarControl, DC, R, R, ABrush, clDefault);
  const Integer side = BarBeginGroupSideSize();
  if (AHorz) {
    const Integer y = R.top + side;
    const RECT dark{R.left + 3, y, R.right - 4, y + 1}, light{R.left + 4, y + 1, R.right - 3, y + 2};
    FillRect(DC, &dark, dxOffice11BarSeparatorBrush1);
    FillRect(DC, &light, dxOffice11BarSeparatorBrush2);
  } else {
    const Integer x = R.left + side;
    const RECT dark{x, R.top + 3, x + 1, R.bottom - 4}, light{x + 1, R.top + 4, x + 2, R.bottom - 3};
    FillRect(DC, &dark, dxOffice11BarSeparatorBrush1);
    FillRect(DC, &light, dxOffice11BarSeparatorBrush2);
  }
}

// ---- The mark -------------------------------------------------------------------------------------------------------
TRect TdxBarOffice11Painter::BarMarkRect(TCustomdxBarControl* ABarControl) {
  TRect R = inherited::BarMarkRect(ABarControl);
  if (IsSimpleMark(ABarControl)) return R;
  switch (ABarControl->GetDockingStyle()) {
    case dsLeft:
    case dsRight:
      R.left -= 1, R.right += 1, R.bottom += 2;
      break;
    case dsTop:
    case dsBottom:
      R.top -= 1, R.right += 2, R.bottom += 1;
      break;
    default:
      break;
  }
  return R;
}

void TdxBarOffice11Painter::BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                                  HBRUSH ABrush) {
  const TdxBarMarkState state = ABarControl->GetMarkDrawState();
  const bool horizontal = IsHorizontal(ABarControl);
  const COLORREF color1 = dxOffice11BarMarkColors1[state], color2 = dxOffice11BarMarkColors2[state];
  if (IsSimpleMark(ABarControl)) {
    FillTubeGradientRect(DC, R, color1, color2, !horizontal);
    return;
  }
  const COLORREF border = dxOffice11BarBorderMarkColors[state];
  // The mark reaches 2 pixels into the bar's end; its leading corners stand on the bar's body, its
  // trailing ones on the dock.
  TRect mark = R;
  if (horizontal)
    mark.left -= 2;
  else
    mark.top -= 2;
  inherited::BarDrawBackground(ABarControl, DC, mark, mark, ABrush, clDefault);
  FillTubeGradientRect(DC, mark, color1, color2, !horizontal);
  const TRect gradient = GetBarGradientRect(ABarControl);
  auto barColor = [&](Integer X, Integer Y) { return BarColorAt(gradient, horizontal ? Y : X, horizontal); };
  const POINT leading[] = {{mark.left, mark.top},
                           horizontal ? POINT{mark.left, mark.bottom - 1} : POINT{mark.right - 1, mark.top}};
  for (const POINT& p : leading) SetPixelIn(DC, p.x, p.y, GetMiddleRGB(border, barColor(p.x, p.y), 50));
  const POINT trailing[] = {horizontal ? POINT{mark.right - 1, mark.top} : POINT{mark.left, mark.bottom - 1},
                            {mark.right - 1, mark.bottom - 1}};
  for (const POINT& p : trailing) {
    const COLORREF dock = DockColorUnder(ABarControl, p.x);
    SetPixelIn(DC, p.x, p.y, dock);
    const POINT inward = horizontal ? POINT{p.x - 1, p.y} : POINT{p.x, p.y - 1};
    const POINT along = horizontal ? POINT{p.x, p.y == mark.top ? p.y + 1 : p.y - 1}
                                   : POINT{p.x == mark.left ? p.x + 1 : p.x - 1, p.y};
    for (const POINT& q : {inward, along}) SetPixelIn(DC, q.x, q.y, GetMiddleRGB(border, dock, 50));
  }
}

namespace {

// The customization glyph: a 5-pixel line over a small triangle pointing down (turned on vertical bars).
void DrawCustomizeGlyph(HDC DC, Integer X, Integer Y, bool AHorizontal, COLORREF AColor) {
  if (AHorizontal) {
    FillRectByColor(DC, RECT{X, Y, X + 5, Y + 1}, AColor);
    for (Integer row = 0; row < 3; ++row) FillRectByColor(DC, RECT{X + row, Y + 3 + row, X + 5 - row, Y + 4 + row}, AColor);
  } else {
    FillRectByColor(DC, RECT{X, Y, X + 1, Y + 5}, AColor);
    for (Integer col = 0; col < 3; ++col) FillRectByColor(DC, RECT{X + 3 + col, Y + col, X + 4 + col, Y + 5 - col}, AColor);
  }
}

// Two chevrons 4 pixels apart pointing along the bar: the bar has hidden items.
void DrawChevrons(HDC DC, Integer X, Integer Y, bool AHorizontal, COLORREF AColor) {
  for (Integer chevron = 0; chevron < 2; ++chevron)
    for (Integer i = 0; i < 5; ++i) {
      const Integer depth = i <= 2 ? i : 4 - i;
      if (AHorizontal) {
        const Integer x = X + chevron * 4 + depth, y = Y + i;
        FillRectByColor(DC, RECT{x, y, x + 2, y + 1}, AColor);
      } else {
        const Integer x = X + i, y = Y + chevron * 4 + depth;
        FillRectByColor(DC, RECT{x, y, x + 1, y + 2}, AColor);
      }
    }
}

}  // namespace

void TdxBarOffice11Painter::BarDrawMarkElements(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R) {
  const bool horizontal = IsHorizontal(ABarControl);
  const bool simple = IsSimpleMark(ABarControl);
  const Integer a = simple ? 2 : 0, s = simple ? 1 : 0;
  const bool hiddenItems = dxBarHasHiddenItems(ABarControl);
  // Each element once in the light colour one pixel right and down, then in place in the dark one.
  for (Integer pass = 0; pass < 2; ++pass) {
    const Integer d = pass == 0 ? 1 : 0;
    const COLORREF color = pass == 0 ? dxOffice11BarMarkArrowColor2 : dxOffice11BarMarkArrowColor1;
    if (BarAllowQuickCustomizing()) {
      if (horizontal)
        DrawCustomizeGlyph(DC, R.right - 6 - a + d, R.bottom - 8 - s + d, true, color);
      else
        DrawCustomizeGlyph(DC, R.right - 8 - s + d, R.bottom - 6 - a + d, false, color);
    }
    if (hiddenItems) {
      if (horizontal)
        DrawChevrons(DC, R.right - 7 - a + d, R.top + 3 - s + d, true, color);
      else
        DrawChevrons(DC, R.left + 3 - a + d, R.bottom - 7 - s + d, false, color);
    }
  }
}

// ---- Popup owner links ----------------------------------------------------------------------------------------------
void TdxBarOffice11Painter::BarDrawOwnerLink(TCustomdxBarControl* ABarControl, HDC DC) {
  TRect R = ABarControl->GetOwnerLinkBounds(false);
  if (!IsRectEmpty(&R)) FillRect(DC, &R, dxOffice11DropDownBorderBrush2);
}

void TdxBarOffice11Painter::BarDrawBarControlOwnerFrame(TCustomdxBarControl*, HDC DC, const TRect& R) {
  FrameRect(DC, &R, dxOffice11DropDownBorderBrush1);
}

void TdxBarOffice11Painter::BarDrawBarControlOwnerLink(TCustomdxBarControl* ABarControl, HDC DC,
                                                       const TRect& ALinkR, const TRect& R,
                                                       TdxBarItemControl* AControl) {
  if (!IsMenuGradient(AControl)) return inherited::BarDrawBarControlOwnerLink(ABarControl, DC, ALinkR, R, AControl);
  // The link continues whichever end of the owner's gradient it touches.
  bool nearFirst;
  if (ALinkR.Width() > ALinkR.Height())
    nearFirst = ALinkR.top < (R.top + R.bottom) / 2;
  else
    nearFirst = ALinkR.left < (R.left + R.right) / 2;
  FillRectByColor(DC, ALinkR, nearFirst ? dxOffice11MenuDownedColor1 : dxOffice11MenuDownedColor2);
}

bool TdxBarOffice11Painter::IsMenuGradient(TdxBarItemControl* AControl) {
  if (!AControl || !AControl->GetParent()) return false;
  TCustomdxBarControl* parent = AControl->GetParent();
  if (parent->NeedShowGlyphAndCheckForItem(AControl)) return false;
  return AControl->IsMenuItem() || AControl->IsDropDown();
}

// ---- Button cells -----------------------------------------------------------------------------------------------------
void TdxBarOffice11Painter::DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R,
                                            TdxBarPaintType APaintType, const TdxBarGlyphState& AState) {
  const bool inMenu = APaintType == ptMenu;
  const bool ownBackground = AControl && AControl->IsBkColorAssigned();
  if (ownBackground || (inMenu && AState.Selected && AState.NoImage && !AState.Down)) {
    FillRect(DC, &R, ABrush);
    return;
  }
  const bool owner = AState.DroppedDown;
  const bool gradientAcross = APaintType == ptVert;
  if (owner && IsMenuGradient(AControl) && !AState.Down) {
    FillGradientRect(DC, R, dxOffice11MenuDownedColor1, dxOffice11MenuDownedColor2, gradientAcross);
  } else if (!inMenu && (AState.Selected || AState.Pressed || AState.Down)) {
    COLORREF color1, color2;
    GetSelectedColors(AControl, AState.Pressed || AState.Down, AState.Selected, color1, color2);
    FillGradientRect(DC, R, color1, color2, gradientAcross);
  } else {
    DrawBackground(AControl, DC, R, ABrush, AState.Selected || AState.Pressed || AState.Down);
  }
  if (owner && AControl && AControl->GetParent()) {
    BarDrawBarControlOwnerBorder(AControl->GetParent(), DC, R, AControl);
  } else if (AState.Selected && !inMenu) {
    Office11FrameSelectedRect(DC, R);
  } else if (AState.Down) {
    if (dxBarIsButtonDown(AControl))
      Office11FrameSelectedRect(DC, R);
    else
      FrameRect(DC, &R, dxOffice11SelectedBorderBrush);
  }
}

HBRUSH TdxBarOffice11Painter::ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  TCustomdxBarControl* parent = ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetParent() : nullptr;
  if (!ADrawParams->Enabled) return GetSysColorBrush(COLOR_BTNFACE);
  if (!ADrawParams->DrawSelected) return parent ? parent->GetToolbarBrush() : BarToolbarBrush();
  if (ADrawParams->DroppedDown) return parent ? parent->GetToolbarDownedSelBrush() : BarToolbarDownedSelBrush();
  return parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush();
}

// ---- Colours, brushes and flags --------------------------------------------------------------------------------------
HBRUSH TdxBarOffice11Painter::BarToolbarBrushEx2(TCustomdxBarControl*) { return dxOffice11MenuBrush; }
HBRUSH TdxBarOffice11Painter::BarControlOwnerBrush(TdxBarManager*) { return dxOffice11OwnerControlDownedBrush; }
HBRUSH TdxBarOffice11Painter::GetToolbarBrush(TdxBarItemControl* AControl) {
  return AControl && AControl->GetParent() ? AControl->GetParent()->GetToolbarBrush() : BarToolbarBrush();
}
HBRUSH TdxBarOffice11Painter::StaticBorderBrush(TdxBarItemControl*, TdxBarStaticBorderStyle) {
  return dxOffice11StaticBorderBrush;
}
bool TdxBarOffice11Painter::BarHasShadow(TCustomdxBarControl* ABarControl) {
  return ABarControl && ABarControl->HasShadow();
}
bool TdxBarOffice11Painter::GetFaded(TCustomdxBarControl*) { return true; }

// The caption's buttons and the mark take the caption text colour of their state.
TColor TdxBarOffice11Painter::BarMarkArrowColor(TdxBarMarkState AState) {
  if (AState == msSelected) return dxOffice11BarFloatingCaptionTextColor2;
  if (AState == msPressed) return dxOffice11BarFloatingCaptionTextColor3;
  return dxOffice11BarFloatingCaptionTextColor1;
}

TColor TdxBarOffice11Painter::GetDefaultEnabledTextColor(TdxBarItemControl*, bool ASelected, bool AFlat) {
  if (ASelected && !AFlat) return IsHighContrastWhite() ? clWhite : dxOffice11InPlaceSubItemTextColor;
  return dxOffice11TextEnabledColor;
}

// Disabled text is drawn once, in the scheme's disabled colour, never embossed.
void TdxBarOffice11Painter::GetDisabledTextColors(TdxBarItemControl*, bool, bool, TColor& AColor1, TColor& AColor2) {
  AColor1 = AColor2 = dxOffice11TextDisabledColor;
}

TColor TdxBarOffice11Painter::EditGetDisabledBkColor(TdxBarItemControl*) { return clBtnFace; }

void TdxBarOffice11Painter::DrawItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, bool AEnabled,
                                          bool ASelected, bool AFlat, TColor) {
  Office11DrawItemArrow(DC, R, ADirection == adDown || ADirection == adUp, AEnabled, ASelected, AFlat);
}

void TdxBarOffice11Painter::DrawLargeItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, Integer ASize,
                                               bool AEnabled, bool ASelected, bool AFlat, TColor) {
  Office11DrawLargeItemArrow(DC, R, ADirection == adDown || ADirection == adUp, ASize, ASelected, AEnabled, AFlat);
}

}  // namespace dxBar
