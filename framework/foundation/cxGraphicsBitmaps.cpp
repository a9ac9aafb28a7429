// TcxCustomBitmap's update lock and copying, and TcxBitmap's 32-bit pixels with their effects.
#include "cxGraphicsBitmaps.h"

#include <algorithm>
#include <cmath>

#include "RtlMath.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"

namespace cxGraphics {

IMPLEMENT_CLASS(TcxColorList)
IMPLEMENT_CLASS(TcxCustomBitmap)
IMPLEMENT_CLASS(TcxBitmap)

const TcxColorTransitionMap DisableMap = {0.0729f, 0.7146f, 0.2125f, 105, 151};
const TcxColorTransitionMap FadeMap = {0.299f, 0.587f, 0.114f, 192, 64};
const TcxColorTransitionMap GrayMap = {0.299f, 0.587f, 0.114f, 255, 255};

namespace {

BYTE ClampByte(Int64 v) { return static_cast<BYTE>(std::clamp<Int64>(v, 0, 255)); }

}  // namespace

// ---- TcxColorList -----------------------------------------------------------------------------------------

void TcxColorList::Add(TColor AColor) {
  inherited::Add(reinterpret_cast<void*>(static_cast<uintptr_t>(QuadToUInt(cxColorToRGBQuad(AColor, 0)))));
}

RGBQUAD TcxColorList::GetColor(Integer Index) const {
  return UIntToQuad(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetItems(Index))));
}

// ---- TcxCustomBitmap --------------------------------------------------------------------------------------

void TcxCustomBitmap::Construct() {
  inherited::Construct();
  Initialize(FInitWidth, FInitHeight, FInitPixelFormat);
}

void TcxCustomBitmap::Destroy() {
  FreeAndNil(FcxCanvas);
  inherited::Destroy();
}

void TcxCustomBitmap::Initialize(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat) {
  FcxCanvas = New<TcxCanvas>(GetCanvas());
  BeginUpdate();
  try {
    inherited::SetSize(AWidth, AHeight);
    SetPixelFormat(APixelFormat);
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TcxCustomBitmap::BeginUpdate() { ++FLockCount; }

void TcxCustomBitmap::EndUpdate(bool AForceUpdate) {
  if (FLockCount <= 0) return;
  --FLockCount;
  if (AForceUpdate || FChangedWhileLocked) Changed(this);
}

void TcxCustomBitmap::Changed(TObject* Sender) {
  if (ChangeLocked()) {
    FChangedWhileLocked = true;
    return;
  }
  inherited::Changed(Sender);
  Update();
  FChangedWhileLocked = false;
}

void TcxCustomBitmap::CopyBitmap(TBitmap* ASrcBitmap, DWORD ACopyMode) {
  CopyBitmap(ASrcBitmap, GetClientRect(), TPoint{0, 0}, ACopyMode);
}

namespace {

// A blit whose raster operation reads the pattern gets the canvas's brush selected for it: the
// canvas selects its objects only for its own drawing members.
void BlitWithBrush(TCanvas* ADest, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop) {
  HDC dc = ADest->GetHandle();
  BYTE code = static_cast<BYTE>(ARop >> 16);
  bool usesPattern = (((code >> 4) ^ code) & 0x0F) != 0;
  HGDIOBJ old = usesPattern ? SelectObject(dc, ADest->GetBrush()->GetHandle()) : nullptr;
  cxBitBlt(dc, ASrcDC, ADestRect, ASrcTopLeft, ARop);
  if (old) SelectObject(dc, old);
}

}  // namespace

void TcxCustomBitmap::CopyBitmap(TBitmap* ASrcBitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft,
                                 DWORD ACopyMode) {
  BlitWithBrush(GetCanvas(), ASrcBitmap->GetCanvas()->GetHandle(), ADestRect, ASrcTopLeft, ACopyMode);
}

void TcxCustomBitmap::Clear() {
  GetCanvas()->GetBrush()->SetColor(clBlack);
  GetCanvas()->FillRect(GetClientRect());
}

void TcxCustomBitmap::Rotate(Integer ARotationAngle, bool AFlipVertically) {
  FcxCanvas->RotateBitmap(this, static_cast<TcxRotationAngle>(ARotationAngle), AFlipVertically);
}

void TcxCustomBitmap::SetSize(Integer AWidth, Integer AHeight) {
  BeginUpdate();
  try {
    inherited::SetSize(AWidth, AHeight);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(false);
}

TRect TcxCustomBitmap::GetClientRect() { return TRect{0, 0, GetWidth(), GetHeight()}; }

// ---- TcxBitmap: pixels ------------------------------------------------------------------------------------

void TcxBitmap::Construct() {
  inherited::Construct();
  Clear();
}

void TcxBitmap::Initialize(Integer AWidth, Integer AHeight, TPixelFormat) {
  FBitmapInfo = BITMAPINFO{};
  FBitmapInfo.bmiHeader.biWidth = AWidth;
  FBitmapInfo.bmiHeader.biHeight = AHeight;
  FBitmapInfo.bmiHeader.biBitCount = 32;
  FBitmapInfo.bmiHeader.biCompression = BI_RGB;
  FDC = CreateCompatibleDC(nullptr);
  FTransparentBkColors = New<TcxColorList>();
  inherited::Initialize(AWidth, AHeight, Graphics::pf32bit);
}

void TcxBitmap::Destroy() {
  if (FDC) DeleteDC(FDC);
  FDC = nullptr;
  FreeAndNil(FTransparentBkColors);
  inherited::Destroy();
}

void TcxBitmap::Update() {
  FBitmapInfo.bmiHeader.biWidth = GetWidth();
  FBitmapInfo.bmiHeader.biHeight = GetHeight();
}

std::vector<RGBQUAD> TcxBitmap::GetBitmapColors() {
  Integer w = GetWidth(), h = GetHeight();
  std::vector<RGBQUAD> colors(static_cast<size_t>(std::max(0, w)) * static_cast<size_t>(std::max(0, h)));
  if (!colors.empty()) {
    Update();
    GetDIBits(FDC, GetHandle(), 0, static_cast<UINT>(h), colors.data(), &FBitmapInfo, DIB_RGB_COLORS);
  }
  return colors;
}

void TcxBitmap::SetBitmapColors(const std::vector<RGBQUAD>& AColors) {
  Integer w = GetWidth(), h = GetHeight();
  // Fewer colours than pixels would make the platform read past the array.
  if (w <= 0 || h <= 0 || AColors.size() < static_cast<size_t>(w) * static_cast<size_t>(h)) return;
  Update();
  SetDIBits(FDC, GetHandle(), 0, static_cast<UINT>(h), AColors.data(), &FBitmapInfo, DIB_RGB_COLORS);
}

void TcxBitmap::Clear() {
  if (FClearColor.rgbReserved != 0) TransformBitmap(btmClear);
  else inherited::Clear();
}

void TcxBitmap::SetSize(Integer AWidth, Integer AHeight) {
  inherited::SetSize(AWidth, AHeight);
  Clear();
}

void TcxBitmap::TransformBitmap(TcxBitmapTransformationMode AMode) {
  std::vector<RGBQUAD> colors = GetBitmapColors();
  Integer w = GetWidth(), h = GetHeight();
  // Row by row: the effects depend on a pixel and its position only, so the order is free.
  for (Integer y = 0; y < h; ++y)
    for (Integer x = 0; x < w; ++x) {
      FCurrentColorIndexX = x;
      FCurrentColorIndexY = y;
      RGBQUAD& c = colors[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
      switch (AMode) {
        case btmDingy: Dingy(c); break;
        case btmDirty: Dirty(c); break;
        case btmGrayScale: GrayScale(c); break;
        case btmSetOpaque: SetOpaque(c); break;
        case btmMakeMask: MakeMask(c); break;
        case btmFade: Fade(c); break;
        case btmDisable: Disable(c); break;
        case btmCorrectBlend: CorrectBlend(c); break;
        case btmHatch: Hatch(c); break;
        case btmClear: ClearColor(c); break;
      }
    }
  SetBitmapColors(colors);
  Changed(this);
}

bool TcxBitmap::IsColorTransparent(const RGBQUAD& AColor) const {
  uint32_t v = QuadToUInt(AColor);
  if (v == QuadToUInt(FClearColor)) return true;
  for (Integer i = 0; i < FTransparentBkColors->GetCount(); ++i)
    if ((v & 0xFFFFFF) == QuadToUInt(FTransparentBkColors->GetColor(i))) return true;
  return false;
}

bool TcxBitmap::GetIsAlphaUsed() {
  std::vector<RGBQUAD> colors = GetBitmapColors();
  return std::any_of(colors.begin(), colors.end(), [](const RGBQUAD& c) { return c.rgbReserved != 0; });
}

void TcxBitmap::MakeOpaque() {
  std::vector<RGBQUAD> colors = GetBitmapColors();
  for (RGBQUAD& c : colors) c.rgbReserved = 255;
  SetBitmapColors(colors);
}

void TcxBitmap::RecoverAlphaChannel(TColor ATransparentColor) {
  FTransparentBkColors->Clear();
  FTransparentBkColors->Add(ATransparentColor);
  FClearColor = cxColorToRGBQuad(ATransparentColor, 0);
  TransformBitmap(btmCorrectBlend);
}

void TcxBitmap::Filter(TBitmap* AMaskBitmap) { CopyBitmap(AMaskBitmap, 0x00220326); }

void TcxBitmap::Invert() { CopyBitmap(this, NOTSRCCOPY); }

void TcxBitmap::Shade(TBitmap* AMaskBitmap) {
  TCanvas* maskCanvas = AMaskBitmap->GetCanvas();
  BlitWithBrush(maskCanvas, maskCanvas->GetHandle(), TRect{0, 0, AMaskBitmap->GetWidth(), AMaskBitmap->GetHeight()},
                TPoint{0, 0}, PATINVERT);
  CopyBitmap(AMaskBitmap, cxRectOffset(GetClientRect(), 1, 1), TPoint{0, 0}, SRCCOPY);
  GetCanvas()->GetBrush()->SetColor(clBtnShadow);
  CopyBitmap(AMaskBitmap, GetClientRect(), TPoint{0, 0}, 0x00E20746);
  TransformBitmap(btmCorrectBlend);
}

void TcxBitmap::DrawShadow(TBitmap* AMaskBitmap, Integer AShadowSize, TColor AShadowColor, bool AInflateSize) {
  Integer s = std::max(0, AShadowSize), w = GetWidth(), h = GetHeight();
  TOwnedPtr<TcxBitmap> shadow = NewOwned<TcxBitmap>(w + 2 * s, h + 2 * s, UIntToQuad(0xFFFFFFFF));
  shadow->CopyBitmap(AMaskBitmap, TRect{s, s, s + w, s + h}, TPoint{0, 0}, SRCCOPY);
  shadow->GetCanvas()->GetBrush()->SetColor(AShadowColor);
  shadow->CopyBitmap(shadow.get(), cxRectOffset(shadow->GetClientRect(), s, s), TPoint{0, 0}, 0x00200F09);
  shadow->SetClearColor(UIntToQuad(0));
  shadow->TransformBitmap(btmCorrectBlend);

  TOwnedPtr<TcxBitmap> result = NewOwned<TcxBitmap>(w + s, h + s);
  result->CopyBitmap(this, TRect{0, 0, w, h}, TPoint{0, 0}, SRCCOPY);
  result->CopyBitmap(shadow.get(), result->GetClientRect(), TPoint{s, s}, SRCPAINT);
  if (AInflateSize) SetSize(w + s, h + s);
  CopyBitmap(result.get());
}

void TcxBitmap::DrawHatch(const TcxHatchData& AHatchData) {
  FHatchData = AHatchData;
  TransformBitmap(btmHatch);
}

void TcxBitmap::DrawHatch(TColor AColor1, TColor AColor2, BYTE AStep, BYTE AAlpha1, BYTE AAlpha2) {
  TcxHatchData data;
  data.Color1 = cxColorToRGBQuad(AColor1, 255);
  data.Alpha1 = AAlpha1;
  data.Color2 = cxColorToRGBQuad(AColor2, 255);
  data.Alpha2 = AAlpha2;
  data.Step = AStep;
  DrawHatch(data);
}

void TcxBitmap::AlphaBlend(TcxBitmap* ADestBitmap, const TRect& ARect, bool ASmoothImage, BYTE AConstantAlpha) {
  cxAlphaBlend(ADestBitmap, this, ARect, GetClientRect(), ASmoothImage, AConstantAlpha);
}

// ---- TcxBitmap: per-pixel effects -------------------------------------------------------------------------

void TcxBitmap::SetOpaque(RGBQUAD& AColor) { AColor.rgbReserved = 255; }

void TcxBitmap::ClearColor(RGBQUAD& AColor) { AColor = FClearColor; }

void TcxBitmap::CorrectBlend(RGBQUAD& AColor) {
  if (!IsColorTransparent(AColor) && AColor.rgbReserved == 0) AColor.rgbReserved = 255;
}

void TcxBitmap::MakeMask(RGBQUAD& AColor) { AColor = UIntToQuad(IsColorTransparent(AColor) ? 0xFFFFFFFF : 0); }

void TcxBitmap::GrayScale(RGBQUAD& AColor) {
  if (!IsColorTransparent(AColor)) GrayScaleColor(AColor);
}

void TcxBitmap::GrayScaleColor(RGBQUAD& AColor) {
  BYTE g = static_cast<BYTE>((AColor.rgbRed + AColor.rgbGreen + AColor.rgbBlue) / 3);
  AColor.rgbRed = AColor.rgbGreen = AColor.rgbBlue = g;
}

void TcxBitmap::Scale(RGBQUAD& AColor, const TcxColorTransitionMap& AColorMap) {
  BYTE g = ClampByte(RtlMath::Round(AColor.rgbRed * AColorMap.RedScale + AColor.rgbGreen * AColorMap.GreenScale +
                                    AColor.rgbBlue * AColorMap.BlueScale));
  AColor.rgbRed = AColor.rgbGreen = AColor.rgbBlue = g;
}

void TcxBitmap::Disable(RGBQUAD& AColor) {
  if (!IsColorTransparent(AColor)) Scale(AColor, DisableMap);
}

void TcxBitmap::Fade(RGBQUAD& AColor) {
  if (!IsColorTransparent(AColor)) Scale(AColor, FadeMap);
}

void TcxBitmap::Dirty(RGBQUAD& AColor) {
  if (IsColorTransparent(AColor)) return;
  Scale(AColor, GrayMap);
  cxBlendFunction(cxColorToRGBQuad(clBtnShadow, 0xC0), AColor, 238);
}

void TcxBitmap::Dingy(RGBQUAD& AColor) {
  if (!IsColorTransparent(AColor)) DingyColor(AColor);
}

void TcxBitmap::DingyColor(RGBQUAD& AColor) {
  if (AColor.rgbReserved == 255) {
    auto lighten = [](BYTE& c) { c = ClampByte(c + RtlMath::MulDiv(255 - c, 3, 10)); };
    lighten(AColor.rgbRed);
    lighten(AColor.rgbGreen);
    lighten(AColor.rgbBlue);
  } else {
    auto dim = [](BYTE& c) { c = ClampByte(RtlMath::MulDiv(c, 200, 255)); };
    dim(AColor.rgbBlue);
    dim(AColor.rgbGreen);
    dim(AColor.rgbRed);
    dim(AColor.rgbReserved);
  }
}

void TcxBitmap::Hatch(RGBQUAD& AColor) {
  // A step of 0 would divide by zero: it hatches like cells of one pixel.
  Integer s = std::max<Integer>(1, FHatchData.Step);
  if ((FCurrentColorIndexX / s + FCurrentColorIndexY / s) % 2 == 1)
    cxBlendFunction(FHatchData.Color2, AColor, FHatchData.Alpha2);
  else
    cxBlendFunction(FHatchData.Color1, AColor, FHatchData.Alpha1);
}

}  // namespace cxGraphics
