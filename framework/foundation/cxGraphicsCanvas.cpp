// The canvas wrapper's regions, clip and state stacks, fills and frames, parameters and the shared
// screen canvas. Text is in cxGraphicsCanvasText.cpp, glyphs and bitmaps in cxGraphicsCanvasImages.cpp.
#include "cxGraphicsCanvas.h"

#include "Controls.h"
#include "WinGdi.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinUserDraw.h"

namespace cxGraphics {

// ---- cx text flags ------------------------------------------------------------------------------------
UINT cxFlagsToDTFlags(Integer Flags) {
  static constexpr struct {
    Integer Cx;
    UINT Dt;
  } map[] = {
      {cxtfAlignRight, DT_RIGHT},      {cxtfAlignHCenter, DT_CENTER},          {cxtfAlignBottom, DT_BOTTOM},
      {cxtfAlignVCenter, DT_VCENTER},  {cxtfSingleLine, DT_SINGLELINE},        {cxtfDontClip, DT_NOCLIP},
      {cxtfExpandTabs, DT_EXPANDTABS}, {cxtfShowEndEllipsis, DT_END_ELLIPSIS}, {cxtfCalcRect, DT_CALCRECT},
      {cxtfShowPathEllipsis, DT_PATH_ELLIPSIS},
  };
  UINT result = DT_NOPREFIX;
  for (const auto& m : map)
    if (Flags & m.Cx) result |= m.Dt;
  if (Flags & cxtfShowPrefix) result &= ~DT_NOPREFIX;
  if (Flags & cxtfWordBreak) {
    result |= DT_WORDBREAK;
    if (!(Flags & cxtfDontBreakChars)) result |= DT_EDITCONTROL;
  }
  return result;
}

// ---- TcxRegion ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxRegion)

TcxRegion::TcxRegion() : FHandle(CreateRectRgn(0, 0, 0, 0)) {}
TcxRegion::TcxRegion(HRGN ARegionHandle) : FHandle(ARegionHandle) {}
TcxRegion::TcxRegion(const TRect& R) : FHandle(CreateRectRgnIndirect(&R)) {}
TcxRegion::TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)
    : FHandle(CreateRectRgn(ALeft, ATop, ARight, ABottom)) {}
TcxRegion::TcxRegion(const TRect& R, Integer AEllipseWidth, Integer AEllipseHeight)
    : TcxRegion(R.left, R.top, R.right, R.bottom, AEllipseWidth, AEllipseHeight) {}
TcxRegion::TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, Integer AEllipseWidth,
                     Integer AEllipseHeight)
    : FHandle(CreateRoundRectRgn(ALeft + 1, ATop + 1, ARight, ABottom, AEllipseWidth, AEllipseHeight)) {}

void TcxRegion::Destroy() {
  DestroyHandle();
  inherited::Destroy();
}

void TcxRegion::DestroyHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

TRect TcxRegion::GetBoundsRect() const {
  RECT r;
  if (GetRgnBox(FHandle, &r) == NULLREGION) return cxNullRect;
  return r;
}

bool TcxRegion::GetIsEmpty() const {
  RECT r;
  return GetRgnBox(FHandle, &r) == NULLREGION;
}

void TcxRegion::Combine(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion) {
  static constexpr int modes[] = {RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND};
  if (AOperation == roSet)
    CombineRgn(FHandle, ARegion->FHandle, nullptr, RGN_COPY);
  else
    CombineRgn(FHandle, FHandle, ARegion->FHandle, modes[AOperation]);
  if (ADestroyRegion) ARegion->Free();
}

bool TcxRegion::IsEqual(TcxRegion* ARegion) const {
  if (!ARegion) return false;
  if (GetIsEmpty() && ARegion->GetIsEmpty()) return true;
  return EqualRgn(FHandle, ARegion->FHandle);
}

bool TcxRegion::IsEqual(HRGN ARegionHandle) const {
  // Compared through a borrowed wrapper that must not delete the caller's handle.
  RECT r;
  if (!ARegionHandle) return false;
  if (GetIsEmpty() && GetRgnBox(ARegionHandle, &r) == NULLREGION) return true;
  return EqualRgn(FHandle, ARegionHandle);
}

void TcxRegion::Offset(Integer DX, Integer DY) { OffsetRgn(FHandle, DX, DY); }
bool TcxRegion::PtInRegion(const TPoint& Pt) const { return PtInRegion(Pt.x, Pt.y); }
bool TcxRegion::PtInRegion(Integer X, Integer Y) const { return ::PtInRegion(FHandle, X, Y); }
bool TcxRegion::RectInRegion(const TRect& R) const { return ::RectInRegion(FHandle, &R); }
bool TcxRegion::RectInRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) const {
  return RectInRegion(TRect(ALeft, ATop, ARight, ABottom));
}

// ---- TcxCanvas: construction and pass-through ---------------------------------------------------------
IMPLEMENT_CLASS(TcxCanvas)

void TcxCanvas::Construct() { inherited::Construct(); }

void TcxCanvas::Destroy() {
  // Regions left on the saved list by unpaired saves belong to nobody else: free them.
  for (TcxRegion* r : FSavedRegions) r->Free();
  FSavedRegions.clear();
  for (auto& s : FSavedStates) {
    s.Font->Free();
    s.Brush->Free();
    s.Pen->Free();
  }
  FSavedStates.clear();
  inherited::Destroy();
}


void TcxCanvas::Polygon(const TPointArray& Points) {
  if (!Points.empty()) FCanvas->Polygon(Points.data(), static_cast<Integer>(Points.size()));
}

void TcxCanvas::Polyline(const TPointArray& Points) {
  if (!Points.empty()) FCanvas->Polyline(Points.data(), static_cast<Integer>(Points.size()));
}

TPoint TcxCanvas::GetViewportOrg() const {
  POINT p;
  GetViewportOrgEx(GetHandle(), &p);
  return p;
}

void TcxCanvas::SetViewportOrg(const TPoint& P) { SetViewportOrgEx(GetHandle(), P.x, P.y, nullptr); }

TPoint TcxCanvas::GetWindowOrg() const {
  POINT p;
  GetWindowOrgEx(GetHandle(), &p);
  return p;
}

void TcxCanvas::SetWindowOrg(const TPoint& P) { SetWindowOrgEx(GetHandle(), P.x, P.y, nullptr); }

TPoint TcxCanvas::GetDCOrigin() const {
  TPoint v = GetViewportOrg(), w = GetWindowOrg();
  return TPoint(v.x - w.x, v.y - w.y);
}

void TcxCanvas::BeginPath() { ::BeginPath(GetHandle()); }
void TcxCanvas::EndPath() { ::EndPath(GetHandle()); }
void TcxCanvas::WidenPath() { ::WidenPath(GetHandle()); }
TcxRegion* TcxCanvas::PathToRegion() { return New<TcxRegion>(::PathToRegion(GetHandle())); }

void TcxCanvas::ExcludeClipRect(const TRect& R) { ::ExcludeClipRect(GetHandle(), R.left, R.top, R.right, R.bottom); }
void TcxCanvas::IntersectClipRect(const TRect& R) {
  ::IntersectClipRect(GetHandle(), R.left, R.top, R.right, R.bottom);
}
bool TcxCanvas::RectVisible(const TRect& R) { return ::RectVisible(GetHandle(), &R); }

// ---- Clip regions and saved states --------------------------------------------------------------------
void TcxCanvas::SaveDC() { FSavedDCs.push_back(::SaveDC(GetHandle())); }

void TcxCanvas::RestoreDC() {
  if (FSavedDCs.empty()) return;
  ::RestoreDC(GetHandle(), FSavedDCs.back());
  FSavedDCs.pop_back();
  // The restored context may hold other objects than the ones the wrapped canvas believes it
  // selected; it selects its own again at the next drawing.
  FCanvas->Refresh();
}

TcxRegion* TcxCanvas::GetClipRegion(bool AConsiderOrigin) {
  auto* region = New<TcxRegion>();
  if (GetClipRgn(GetHandle(), region->GetHandle()) != 1) SetRectRgn(region->GetHandle(), 0, 0, 30000, 30000);
  if (AConsiderOrigin) {
    TPoint origin = GetDCOrigin();
    region->Offset(-origin.x, -origin.y);
  }
  return region;
}

void TcxCanvas::SetClipRegion(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion,
                              bool AConsiderOrigin) {
  if (AOperation == roSet) {
    TPoint origin;
    if (AConsiderOrigin) {
      origin = GetDCOrigin();
      ARegion->Offset(origin.x, origin.y);
    }
    SelectClipRgn(GetHandle(), ARegion->GetHandle());
    if (ADestroyRegion)
      ARegion->Free();
    else if (AConsiderOrigin)
      ARegion->Offset(-origin.x, -origin.y);
  } else {
    TcxRegion* clip = GetClipRegion(AConsiderOrigin);
    clip->Combine(ARegion, AOperation, ADestroyRegion);
    SetClipRegion(clip, roSet, true, AConsiderOrigin);
  }
}

void TcxCanvas::SaveClipRegion() { FSavedRegions.push_back(GetClipRegion(true)); }

void TcxCanvas::RestoreClipRegion() {
  if (FSavedRegions.empty()) return;
  TcxRegion* region = FSavedRegions.back();
  FSavedRegions.pop_back();
  SetClipRegion(region, roSet, true, true);
}

void TcxCanvas::SaveState() {
  SaveDC();
  TcxCanvasState s{New<TFont>(), New<TBrush>(), New<TPen>()};
  s.Font->Assign(GetFont());
  s.Brush->Assign(GetBrush());
  s.Pen->Assign(GetPen());
  FSavedStates.push_back(s);
}

void TcxCanvas::RestoreState() {
  if (FSavedStates.empty()) return;
  TcxCanvasState s = FSavedStates.back();
  FSavedStates.pop_back();
  GetFont()->Assign(s.Font);
  GetBrush()->Assign(s.Brush);
  GetPen()->Assign(s.Pen);
  s.Font->Free();
  s.Brush->Free();
  s.Pen->Free();
  RestoreDC();
}

bool TcxCanvas::RectFullyVisible(const TRect& R) {
  TOwnedPtr<TcxRegion> clip(GetClipRegion(true));
  TOwnedPtr<TcxRegion> rect(New<TcxRegion>(R));
  clip->Combine(rect.get(), roIntersect, false);
  return clip->IsEqual(rect.get());
}

// ---- Fills and frames ---------------------------------------------------------------------------------
void TcxCanvas::SetBrushColor(TColor Value) {
  if (GetBrush()->GetColor() != Value) GetBrush()->SetColor(Value);
}

void TcxCanvas::FillRect(const TRect& R, TColor AColor) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FCanvas->FillRect(R);
}

void TcxCanvas::FrameRect(const TRect& R, TColor AColor, Integer ALineWidth, TcxBorders ABorders,
                          bool AExcludeFrame) {
  // clNone draws nothing here as everywhere else in the framework.
  if (cxRectIsEmpty(R) || AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  const Integer w = ALineWidth;
  if (ABorders.Contains(bLeft))
    FillRect(TRect(R.left, R.top, std::min<Integer>(R.left + w, R.right), R.bottom), nullptr, AExcludeFrame);
  if (ABorders.Contains(bRight))
    FillRect(TRect(std::max<Integer>(R.right - w, R.left), R.top, R.right, R.bottom), nullptr, AExcludeFrame);
  if (ABorders.Contains(bTop))
    FillRect(TRect(R.left, R.top, R.right, std::min<Integer>(R.top + w, R.bottom)), nullptr, AExcludeFrame);
  if (ABorders.Contains(bBottom))
    FillRect(TRect(R.left, std::max<Integer>(R.bottom - w, R.top), R.right, R.bottom), nullptr, AExcludeFrame);
}

void TcxCanvas::FillRect(TRect R, const TcxViewParams& AParams, TcxBorders ABorders, TColor ABorderColor,
                         Integer ALineWidth, bool AExcludeRect) {
  FrameRect(R, ABorderColor, ALineWidth, ABorders, AExcludeRect);
  if (ABorders.Contains(bLeft)) R.left += ALineWidth;
  if (ABorders.Contains(bTop)) R.top += ALineWidth;
  if (ABorders.Contains(bRight)) R.right -= ALineWidth;
  if (ABorders.Contains(bBottom)) R.bottom -= ALineWidth;
  if (AParams.Color == clNone && !AParams.Bitmap) {
    // Nothing to paint with; the area is still taken out of the clip when asked.
    if (AExcludeRect && !cxRectIsEmpty(R)) SetClipRegion(New<TcxRegion>(R), roSubtract, true, true);
    return;
  }
  if (AParams.Color != clNone && AParams.Color != clDefault) SetBrushColor(AParams.Color);
  FillRect(R, AParams.Bitmap, AExcludeRect);
}

void TcxCanvas::DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                                 TcxBorders ABorders, Integer ABorderWidth) {
  const Integer w = ABorderWidth;
  const struct {
    TcxBorder Side;
    TRect Strip;
  } strips[] = {
      {bLeft, TRect(R.left, R.top, R.left + w, R.bottom)},
      {bTop, TRect(R.left, R.top, R.right, R.top + w)},
      {bRight, TRect(R.right - w, R.top, R.right, R.bottom)},
      {bBottom, TRect(R.left, R.bottom - w, R.right, R.bottom)},
  };
  for (const auto& s : strips) {
    if (!ABorders.Contains(s.Side)) continue;
    TColor color = s.Side == bLeft || s.Side == bTop ? ALeftTopColor : ARightBottomColor;
    if (color == clNone) continue;
    if (color != clDefault) SetBrushColor(color);
    FillRect(s.Strip, nullptr, false);
  }
}

void TcxCanvas::DrawEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders) {
  TColor leftTop, rightBottom;
  if (ASunken) {
    leftTop = AOuter ? clBtnShadow : cl3DDkShadow;
    rightBottom = AOuter ? clBtnHighlight : cl3DLight;
  } else {
    leftTop = AOuter ? cl3DLight : clBtnHighlight;
    rightBottom = AOuter ? cl3DDkShadow : clBtnShadow;
  }
  DrawComplexFrame(R, leftTop, rightBottom, ABorders, 1);
}

void TcxCanvas::DrawFocusRect(const TRect& R) {
  SetBrushColor(clWhite);
  GetFont()->SetColor(clBlack);
  RequireFont();
  FCanvas->DrawFocusRect(R);
}

void TcxCanvas::DrawDesignSelection(TRect R, Integer AWidth) {
  for (Integer i = 0; i < AWidth; ++i) {
    DrawFocusRect(R);
    R = cxRectInflate(R, -1, -1);
  }
}

void TcxCanvas::InvertRect(const TRect& R) {
  SetCopyMode(DSTINVERT);
  CopyRect(R, FCanvas, R);
  SetCopyMode(SRCCOPY);
}

void TcxCanvas::InvertFrame(const TRect& R, Integer ABorderWidth) {
  const Integer w = ABorderWidth;
  InvertRect(TRect(R.left, R.top, R.left + w, R.bottom));
  InvertRect(TRect(R.right - w, R.top, R.right, R.bottom));
  InvertRect(TRect(R.left + w, R.top, R.right - w, R.top + w));
  InvertRect(TRect(R.left + w, R.bottom - w, R.right - w, R.bottom));
}

void TcxCanvas::FillRegion(TcxRegion* ARegion, TColor AColor) { FillRegion(ARegion->GetHandle(), AColor); }

void TcxCanvas::FillRegion(HRGN ARegion, TColor AColor) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FillRgn(GetHandle(), ARegion, GetBrush()->GetHandle());
}

void TcxCanvas::FrameRegion(TcxRegion* ARegion, TColor AColor, Integer ABorderWidth, Integer ABorderHeight) {
  FrameRegion(ARegion->GetHandle(), AColor, ABorderWidth, ABorderHeight);
}

void TcxCanvas::FrameRegion(HRGN ARegion, TColor AColor, Integer ABorderWidth, Integer ABorderHeight) {
  if (AColor == clNone) return;
  if (AColor != clDefault) SetBrushColor(AColor);
  FrameRgn(GetHandle(), ARegion, GetBrush()->GetHandle(), ABorderWidth, ABorderHeight);
}

void TcxCanvas::DrawRegion(TcxRegion* ARegion, TColor AContentColor, TColor ABorderColor, Integer ABorderWidth,
                           Integer ABorderHeight) {
  DrawRegion(ARegion->GetHandle(), AContentColor, ABorderColor, ABorderWidth, ABorderHeight);
}

void TcxCanvas::DrawRegion(HRGN ARegion, TColor AContentColor, TColor ABorderColor, Integer ABorderWidth,
                           Integer ABorderHeight) {
  FillRegion(ARegion, AContentColor);
  FrameRegion(ARegion, ABorderColor, ABorderWidth, ABorderHeight);
}

// ---- Parameters and objects ---------------------------------------------------------------------------
void TcxCanvas::GetParams(TcxViewParams& AParams) const {
  AParams.Color = GetBrush()->GetColor();
  AParams.Font = GetFont();
  AParams.TextColor = GetFont()->GetColor();
}

void TcxCanvas::SetParams(const TcxViewParams& AParams) {
  SetBrushColor(AParams.Color);
  if (AParams.Font) SetFont(AParams.Font);
  GetFont()->SetColor(AParams.TextColor);
}

void TcxCanvas::SynchronizeObjects(HDC ADC) {
  LOGFONTA lf;
  if (GetObjectA(GetCurrentObject(ADC, OBJ_FONT), sizeof lf, &lf)) GetFont()->AssignLogFont(lf);
  GetFont()->SetColor(static_cast<TColor>(GetTextColor(ADC)));

  LOGBRUSH lb;
  if (GetObjectA(GetCurrentObject(ADC, OBJ_BRUSH), sizeof lb, &lb)) {
    GetBrush()->SetColor(static_cast<TColor>(lb.lbColor));
    TBrushStyle style = bsSolid;
    if (lb.lbStyle == BS_NULL) {
      style = bsClear;
    } else if (lb.lbStyle == BS_HATCHED) {
      static constexpr TBrushStyle hatches[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                                bsBDiagonal,  bsCross,    bsDiagCross};
      if (lb.lbHatch <= HS_DIAGCROSS) style = hatches[lb.lbHatch];
    }
    GetBrush()->SetStyle(style);
  }

  LOGPEN lp;
  if (GetObjectA(GetCurrentObject(ADC, OBJ_PEN), sizeof lp, &lp)) {
    GetPen()->SetColor(static_cast<TColor>(lp.lopnColor));
    UINT dash = lp.lopnStyle & PS_STYLE_MASK;
    GetPen()->SetStyle(dash <= PS_INSIDEFRAME ? static_cast<TPenStyle>(dash) : psSolid);
    GetPen()->SetWidth(lp.lopnWidth.x);
  }
  // The pen mode whose raster-2 code the DC uses (TPenMode order).
  static constexpr int rop2s[] = {R2_BLACK,       R2_WHITE,       R2_NOP,        R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  TPenMode mode = pmCopy;
  const int rop2 = GetROP2(ADC);
  for (int i = 0; i < 16; ++i)
    if (rop2s[i] == rop2) mode = static_cast<TPenMode>(i);
  GetPen()->SetMode(mode);
}

// ---- The screen canvas --------------------------------------------------------------------------------
namespace {

// A bare control whose device context covers the whole screen.
class TcxScreenControl : public TControl {
  DECLARE_CLASS(TcxScreenControl, TControl)
 public:
  HDC GetDeviceContext(HWND& WindowHandle) override {
    WindowHandle = GetDesktopWindow();
    return GetDCEx(WindowHandle, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  }
};
IMPLEMENT_CLASS(TcxScreenControl)

// A control canvas on its own screen control; releases the context and frees the control when done.
class TScreenCanvas : public TControlCanvas {
  DECLARE_CLASS(TScreenCanvas, TControlCanvas)

 protected:
  void Construct() override {
    inherited::Construct();
    SetControl(New<TcxScreenControl>());
  }
  void Destroy() override {
    FreeHandle();
    TControl* control = GetControl();
    SetControl(nullptr);
    FreeObject(control);
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TScreenCanvas)

TcxScreenCanvas* FScreenCanvas = nullptr;

}  // namespace

IMPLEMENT_CLASS(TcxScreenCanvas)

void TcxScreenCanvas::Construct() {
  inherited::Construct();
  SetCanvas(New<TScreenCanvas>());
}

void TcxScreenCanvas::Destroy() {
  TCanvas* canvas = GetCanvas();
  SetCanvas(nullptr);
  FreeObject(canvas);
  inherited::Destroy();
}

TcxScreenCanvas* cxScreenCanvas() {
  if (!FScreenCanvas) FScreenCanvas = New<TcxScreenCanvas>();
  return FScreenCanvas;
}

void cxFreeScreenCanvas() { FreeAndNil(FScreenCanvas); }

}  // namespace cxGraphics
