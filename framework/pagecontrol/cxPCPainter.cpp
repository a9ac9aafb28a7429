// The base painter's shared routines (clip-region stack, client and display rectangles, rotation of
// points and polylines, colours, hot tracking) and the painter's read-only view of its control.
#include "cxPCPainter.h"

#include "Forms.h"
#include "Graphics.h"
#include "WinGdi.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxPCImageList.h"
#include "cxPCPageControl.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"
#include "dxUxTheme.h"

namespace cxPC {

IMPLEMENT_CLASS(TcxPCPainterParentInfo)
IMPLEMENT_ABSTRACT_CLASS(TcxPCCustomPainter)

// ---- TcxPCPainterParentInfo --------------------------------------------------------------------------
TcxCanvas* TcxPCPainterParentInfo::GetCanvas() const { return FControl->GetCanvas(); }
TFont* TcxPCPainterParentInfo::GetFont() const { return FControl->GetFont(); }
TColor TcxPCPainterParentInfo::GetColor() const { return FControl->GetColor(); }
Integer TcxPCPainterParentInfo::GetWidth() const { return FControl->GetWidth(); }
Integer TcxPCPainterParentInfo::GetHeight() const { return FControl->GetHeight(); }
bool TcxPCPainterParentInfo::GetHideTabs() const { return FControl->GetHideTabs(); }
bool TcxPCPainterParentInfo::GetMultiLine() const { return FControl->GetMultiLine(); }
bool TcxPCPainterParentInfo::GetRaggedRight() const { return FControl->GetRaggedRight(); }
bool TcxPCPainterParentInfo::GetRotate() const { return FControl->GetRotate(); }
bool TcxPCPainterParentInfo::GetScrollOpposite() const { return FControl->GetScrollOpposite(); }
bool TcxPCPainterParentInfo::GetShowFrame() const { return FControl->GetShowFrame(); }
bool TcxPCPainterParentInfo::GetIsTabsContainer() const { return FControl->GetIsTabsContainer(); }
Integer TcxPCPainterParentInfo::GetImageBorder() const { return FControl->GetImageBorder(); }
Integer TcxPCPainterParentInfo::GetTabHeight() const { return FControl->GetTabHeight(); }
Integer TcxPCPainterParentInfo::GetTabWidth() const { return FControl->GetTabWidth(); }
TcxTabPosition TcxPCPainterParentInfo::GetTabPosition() const { return FControl->GetTabPosition(); }
TcxTabSlants* TcxPCPainterParentInfo::GetTabSlants() const { return FControl->GetTabSlants(); }
TcxPCOptions TcxPCPainterParentInfo::GetOptions() const { return FControl->GetOptions(); }
TcxPCNavigatorButtons TcxPCPainterParentInfo::GetNavigatorButtons() const { return FControl->GetNavigatorButtons(); }
TcxPCNavigatorPosition TcxPCPainterParentInfo::GetNavigatorPositione() const {
  return FControl->GetNavigatorPosition();
}
TcxPCNavigatorButtonState TcxPCPainterParentInfo::GetNavigatorButtonState(TcxPCNavigatorButton AButton) const {
  return FControl->GetNavigatorButtonState(AButton);
}
Integer TcxPCPainterParentInfo::GetRowCount() const { return FControl->GetRowCount(); }
Integer TcxPCPainterParentInfo::GetTopOrLeftPartRowCount() const { return FControl->GetTopOrLeftPartRowCount(); }
Integer TcxPCPainterParentInfo::GetMainTabVisibleIndex() const { return FControl->GetMainTabVisibleIndex(); }
TRect TcxPCPainterParentInfo::GetExtendedTopOrLeftTabsRect() const {
  return FControl->GetExtendedTopOrLeftTabsRect();
}
TRect TcxPCPainterParentInfo::GetExtendedBottomOrRightTabsRect() const {
  return FControl->GetExtendedBottomOrRightTabsRect();
}

bool TcxPCPainterParentInfo::GetTabsOnBothSides() const {
  const TcxTabPosition position = FControl->GetTabPosition();
  if (position == tpTop || position == tpLeft) return FControl->GetTopOrLeftPartRowCount() != FControl->GetRowCount();
  return FControl->GetTopOrLeftPartRowCount() != 0;
}

TcxTab* TcxPCPainterParentInfo::GetVisibleTab(Integer AIndex) const {
  return FControl->GetVisibleTabList()->GetTab(AIndex);
}

TcxTabSheet* TcxPCPainterParentInfo::GetActivePage() const { return FControl->GetActivePage(); }

TcxTabSheet* TcxPCPainterParentInfo::GetPage(Integer AIndex) const {
  return FControl->GetPage(GetVisibleTab(AIndex)->GetIndex());
}

TColor TcxPCPainterParentInfo::GetPageColor(Integer AIndex) const {
  if (AIndex >= 0)
    if (TcxTabSheet* page = GetPage(AIndex)) return page->GetColor();
  return FControl->GetColor();
}

TColor TcxPCPainterParentInfo::GetTabColor(Integer AIndex) const {
  TcxTab* tab = GetVisibleTab(AIndex);
  TcxTabSheet* page = GetPage(AIndex);
  if (tab->GetColor() != clDefault || !page) return tab->GetColor();
  if (!FControl->GetOptions().Contains(pcoUsePageColorForTab) && !FControl->GetPainter()->AlwaysColoredTabs())
    return clDefault;
  return page->GetParentColor() ? clDefault : page->GetColor();
}

// ---- TcxPCCustomPainter: life ------------------------------------------------------------------------------
void TcxPCCustomPainter::Construct() {
  inherited::Construct();
  FParentInfo = New<TcxPCPainterParentInfo>(FControl);
}

void TcxPCCustomPainter::Destroy() {
  DestroySavedClipRgns();
  FreeAndNil(FParentInfo);
  inherited::Destroy();
}

// ---- Access to the control ---------------------------------------------------------------------------------
TcxTab* TcxPCCustomPainter::GetTab(Integer AIndex) const { return FControl->GetVisibleTabList()->GetTab(AIndex); }
TcxCanvas* TcxPCCustomPainter::GetCanvas() const { return FControl->GetCanvas(); }
TcxTabPosition TcxPCCustomPainter::GetTabPosition() const { return FControl->GetTabPosition(); }
TcxPCOptions TcxPCCustomPainter::GetOptions() const { return FControl->GetOptions(); }
bool TcxPCCustomPainter::IsMainTab(Integer AIndex) const {
  return AIndex != -1 && AIndex == FControl->GetMainTabVisibleIndex();
}
Integer TcxPCCustomPainter::GetMainTabVisibleIndex() const { return FControl->GetMainTabVisibleIndex(); }
Integer TcxPCCustomPainter::GetVisibleTabCount() const { return FControl->GetVisibleTabList()->GetCount(); }
bool TcxPCCustomPainter::IsTabsContainer() const { return FControl->GetIsTabsContainer(); }

// ---- Clip regions ------------------------------------------------------------------------------------------
void TcxPCCustomPainter::SaveClipRgn() {
  HDC dc = GetCanvas()->GetHandle();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetClipRgn(dc, region) != 1) {
    DeleteObject(region);
    region = nullptr;
  }
  FSavedClipRgns.push_back(region);
}

void TcxPCCustomPainter::RestoreClipRgn() {
  if (FSavedClipRgns.empty()) return;
  HRGN region = FSavedClipRgns.back();
  FSavedClipRgns.pop_back();
  SelectClipRgn(GetCanvas()->GetHandle(), region);
  if (region) DeleteObject(region);
}

void TcxPCCustomPainter::DestroySavedClipRgns() {
  for (HRGN region : FSavedClipRgns)
    if (region) DeleteObject(region);
  FSavedClipRgns.clear();
}

bool TcxPCCustomPainter::InternalSetClipRect(const TRect& ARect, bool AIntersect) {
  if (cxRectIsEmpty(ARect)) return false;
  TcxCanvas* canvas = GetCanvas();
  if (AIntersect && !canvas->RectVisible(ARect)) return false;
  SaveClipRgn();
  if (AIntersect) {
    canvas->IntersectClipRect(ARect);
  } else {
    HRGN region = CreateRectRgn(ARect.left, ARect.top, ARect.right, ARect.bottom);
    SelectClipRgn(canvas->GetHandle(), region);
    DeleteObject(region);
  }
  return true;
}

// ---- Rectangles --------------------------------------------------------------------------------------------
TRect TcxPCCustomPainter::GetExtendedRect(const TRect& ARect, const TRect& AMargins, TcxTabPosition ATabPosition) {
  TRect r = ARect;
  ExtendRect(r, RotateRect(AMargins, ATabPosition));
  return r;
}

TRect TcxPCCustomPainter::GetControlRectWithin(const TRect& AMargins) {
  TRect r = GetExtendedRect(TRect(0, 0, FControl->GetWidth(), FControl->GetHeight()), AMargins, GetTabPosition());
  ValidateRect(r);
  return r;
}

TRect TcxPCCustomPainter::GetClientRect() { return GetControlRectWithin(GetClientRectOffset()); }

TRect TcxPCCustomPainter::GetDisplayRect() { return GetControlRectWithin(GetDisplayRectOffset()); }

TRect TcxPCCustomPainter::GetClientRectOffset() {
  TRect r = GetDisplayRectOffset();
  if (NeedShowFrame()) {
    const Integer w = GetFrameWidth();
    r = TRect(r.left + w, r.top + w, r.right + w, r.bottom + w);
  }
  return r;
}

TRect TcxPCCustomPainter::GetDisplayRectOffset() {
  TRect r(0, 0, 0, 0);
  if (FControl->GetHideTabs() || FControl->GetRowCount() == 0) return r;
  const TRect topOrLeft = FControl->GetExtendedTopOrLeftTabsRect();
  const TRect bottomOrRight = FControl->GetExtendedBottomOrRightTabsRect();
  const bool bothSides = FParentInfo->GetTabsOnBothSides();
  const Integer width = FControl->GetWidth(), height = FControl->GetHeight();
  switch (GetTabPosition()) {
    case tpTop:
      r.top = topOrLeft.bottom;
      if (bothSides) r.bottom = height - bottomOrRight.top;
      break;
    case tpBottom:
      r.top = height - bottomOrRight.top;
      if (bothSides) r.bottom = topOrLeft.bottom;
      break;
    case tpLeft:
      r.top = topOrLeft.right;
      if (bothSides) r.bottom = width - bottomOrRight.left;
      break;
    case tpRight:
      r.top = width - bottomOrRight.left;
      if (bothSides) r.bottom = topOrLeft.right;
      break;
  }
  return r;
}

TRect TcxPCCustomPainter::GetNativeContentOffset() {
  TRect content(0, 0, 100, 100);
  const TRect bounds(0, 0, 100, 100);
  if (HTHEME theme = OpenTheme(totTab)) GetThemeBackgroundContentRect(theme, nullptr, 9, 0, &bounds, &content);
  TRect r(content.left, content.top, 100 - content.right, 100 - content.bottom);
  if (IsStandardTheme()) {
    r.left = FControl->GetIsTabsContainer() ? 3 : std::max(r.left, r.top);
    r.top = r.left;
    r.right = 2 * r.left;
    r.bottom = 2 * r.left;
  }
  return r;
}

bool TcxPCCustomPainter::NeedShowFrame() { return FControl->GetShowFrame(); }

// ---- Rotation ----------------------------------------------------------------------------------------------
TPoint TcxPCCustomPainter::RotatePoint(const TRect& ARect, const TPoint& APoint, TcxTabPosition ATabPosition) {
  const TRect& R = ARect;
  const TPoint& P = APoint;
  switch (ATabPosition) {
    case tpBottom: return TPoint(P.x, (R.bottom - 1) - (P.y - R.top));
    case tpLeft: return TPoint((R.right - 1) - ((R.bottom - 1) - P.y), (R.bottom - 1) - (P.x - R.left));
    case tpRight: return TPoint(R.left + ((R.bottom - 1) - P.y), (R.bottom - 1) - (P.x - R.left));
    default: return P;
  }
}

void TcxPCCustomPainter::RotatePolyline(const TRect& ARect, TPointArray& APoints, TcxTabPosition ATabPosition) {
  for (TPoint& p : APoints) p = RotatePoint(ARect, p, ATabPosition);
}

void TcxPCCustomPainter::DirectionalPolyline(const TRect& ARect, const TPointArray& APoints,
                                             TcxTabPosition ATabPosition, TColor AColor) {
  TPointArray points = APoints;
  RotatePolyline(ARect, points, ATabPosition);
  InternalPolyLine(points, AColor);
}

void TcxPCCustomPainter::InternalPolyLine(const TPointArray& APoints, TColor AColor, TCanvas* ACanvas) {
  if (APoints.empty()) return;
  TCanvas* canvas = ACanvas ? ACanvas : GetCanvas()->GetCanvas();
  canvas->GetPen()->SetStyle(Graphics::psSolid);
  canvas->GetPen()->SetWidth(1);
  canvas->GetPen()->SetColor(AColor);
  canvas->Polyline(APoints.data(), static_cast<Integer>(APoints.size()));
  // A polyline leaves out its last point: one more pixel-long segment puts it in.
  const TPoint last[] = {APoints.back(), TPoint(APoints.back().x + 1, APoints.back().y + 1)};
  canvas->Polyline(last, 2);
}

// ---- Invalidation ------------------------------------------------------------------------------------------
void TcxPCCustomPainter::InternalInvalidateRect(const TRect& ARect) { FControl->InvalidateRect(ARect, false); }

void TcxPCCustomPainter::InvalidateTabExtendedTabsRect(Integer AIndex) {
  InternalInvalidateRect(FControl->GetTabExtendedTabsRect(AIndex));
}

void TcxPCCustomPainter::InvalidateTabRect(Integer AIndex) { InternalInvalidateRect(GetTab(AIndex)->GetVisibleRect()); }

// ---- Images and custom drawing -----------------------------------------------------------------------------
bool TcxPCCustomPainter::IsAssignedImages() {
  const TSize size = FControl->FImages->GetBaseImageSize();
  return size.cx > 0 && size.cy > 0;
}

bool TcxPCCustomPainter::IsTabHasImage(Integer AIndex) {
  return IsAssignedImages() && GetTab(AIndex)->GetImageIndex() >= 0;
}

TSize TcxPCCustomPainter::GetTabBaseImageSize() { return FControl->FImages->GetBaseImageSize(); }

TSize TcxPCCustomPainter::GetTabRotatedImageSize() {
  const TSize size = GetTabBaseImageSize();
  return InternalGetTextRotationAngle(FControl) == ra0 ? size : TSize(size.cy, size.cx);
}

bool TcxPCCustomPainter::IsCustomDraw() { return FControl->GetOwnerDraw() && FControl->OnDrawTab; }

bool TcxPCCustomPainter::DoCustomDraw(Integer AIndex) {
  bool defaultDraw = true;
  FControl->OnDrawTab(FControl, GetTab(AIndex), defaultDraw);
  return !defaultDraw;
}

void TcxPCCustomPainter::PrepareTabCanvasFont(TcxTab* ATab, TcxCanvas* ACanvas) {
  FControl->PrepareTabCanvasFont(ATab, ACanvas);
}

void TcxPCCustomPainter::PrepareTabControlImagesBitmapBackground(TBitmap* ABitmap) {
  PrepareDrawTabContentBitmapBackground(ABitmap, FOutData.ImageRect.TopLeft(), FOutData.OwnerVisibleIndex);
}

void TcxPCCustomPainter::AfterPaintTab(Integer AIndex) { FControl->AfterPaintTab(GetCanvas(), GetTab(AIndex), FOutData); }

Integer TcxPCCustomPainter::GetMaxTabCaptionHeight() {
  Integer result = 0;
  TcxCanvas* canvas = cxScreenCanvas();
  for (Integer i = 0; i < GetVisibleTabCount(); ++i) {
    PrepareTabCanvasFont(GetTab(i), canvas);
    result = std::max(result, canvas->TextHeight("Zg"));
  }
  return result;
}

// ---- Colours -----------------------------------------------------------------------------------------------
TColor TcxPCCustomPainter::GetClientColor() {
  const Integer main = GetMainTabVisibleIndex();
  return main != -1 ? FParentInfo->GetPageColor(main) : FControl->GetColor();
}

TColor TcxPCCustomPainter::GetTabColor(Integer AIndex) { return FParentInfo->GetTabColor(AIndex); }

TColor TcxPCCustomPainter::GetHotTrackColor() { return IsHotTrackColorAvailable() ? clHotLight : clBlue; }

TColor TcxPCCustomPainter::GetHighlightedTextColor(Integer AIndex, TColor ADefaultColor) {
  if (!IsNativePainting()) return clHighlightText;
  COLORREF color;
  if (HTHEME theme = OpenTheme(totTab); theme && GetThemeColor(theme, 1, GetTabNativeState(AIndex), 3803, &color) == 0)
    return static_cast<TColor>(color);
  return ADefaultColor;
}

Integer TcxPCCustomPainter::GetTabNativeState(Integer AIndex) {
  if (IsMainTab(AIndex)) return 3;
  return AIndex == FControl->GetHotTrackTabVisibleIndex() ? 2 : 1;
}

TBitmap* TcxPCCustomPainter::CreateNewTabVerticalTextBitmap(Integer AIndex) {
  TBitmap* bitmap = New<TBitmap>();
  GetTab(AIndex)->SetVerticalTextBitmap(bitmap);
  return bitmap;
}

TBitmap* TcxPCCustomPainter::GetTabVerticalTextBitmap(Integer AIndex) { return GetTab(AIndex)->GetVerticalTextBitmap(); }

// ---- Painting ----------------------------------------------------------------------------------------------
void TcxPCCustomPainter::InternalPaint() {
  if (!FControl->GetHideTabs()) {
    PaintButtonsRegion();
    PaintTabsRegion();
  }
  PaintClientArea();
}

void TcxPCCustomPainter::PaintClientArea() {
  if (NeedShowFrame()) PaintFrame();
  FillDisplayRect();
  GetCanvas()->ExcludeClipRect(GetDisplayRect());
}

void TcxPCCustomPainter::FillDisplayRect() {
  TcxCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(Graphics::bsSolid);
  canvas->GetBrush()->SetColor(GetClientColor());
  canvas->FillRect(GetClientRect());
}

TcxRegion* TcxPCCustomPainter::GetTabClipRgn(Integer AIndex) { return New<TcxRegion>(GetTab(AIndex)->GetVisibleRect()); }

}  // namespace cxPC
