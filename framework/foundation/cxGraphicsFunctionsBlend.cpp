// Raw 32-bit pixels of bitmaps, bitmap creation and copying, alpha blending (the system's when it is
// bound, else in software) and smooth resizing with a Lanczos-3 filter.
#include <algorithm>
#include <cmath>

#include "RtlMath.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsFunctions.h"

namespace cxGraphics {

namespace {

BITMAPINFO TrueColorInfo(Integer AWidth, Integer AHeight, bool ATopDownDIB) {
  BITMAPINFO info{};
  info.bmiHeader.biWidth = AWidth;
  info.bmiHeader.biHeight = ATopDownDIB ? -AHeight : AHeight;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

BYTE ClampByte(Int64 v) { return static_cast<BYTE>(std::clamp<Int64>(v, 0, 255)); }

size_t PixelCount(Integer AWidth, Integer AHeight) {
  return AWidth > 0 && AHeight > 0 ? static_cast<size_t>(AWidth) * static_cast<size_t>(AHeight) : 0;
}

HDC BitmapDC(TBitmap* ABitmap) { return ABitmap->GetCanvas()->GetHandle(); }

}  // namespace

// ---- Pixels and bitmaps -----------------------------------------------------------------------------------

TRGBColors GetBitmapBits(TBitmap* ABitmap, bool ATopDownDIB) {
  Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  TRGBColors colors(PixelCount(w, h));
  if (colors.empty()) return colors;
  BITMAPINFO info = TrueColorInfo(w, h, ATopDownDIB);
  GetDIBits(cxScreenCanvas()->GetHandle(), ABitmap->GetHandle(), 0, static_cast<UINT>(h), colors.data(), &info,
            DIB_RGB_COLORS);
  return colors;
}

void SetBitmapBits(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownDIB) {
  Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  // An array smaller than the bitmap would be read past its end.
  if (!AColors.empty() && AColors.size() >= PixelCount(w, h) && PixelCount(w, h) > 0) {
    BITMAPINFO info = TrueColorInfo(w, h, ATopDownDIB);
    SetDIBits(cxScreenCanvas()->GetHandle(), ABitmap->GetHandle(), 0, static_cast<UINT>(h), AColors.data(), &info,
              DIB_RGB_COLORS);
  }
  AColors.clear();
}

TBitmap* cxCreateBitmap(Integer AWidth, Integer AHeight, Graphics::TPixelFormat AFormat) {
  TBitmap* result = New<TBitmap>();
  result->SetPixelFormat(AFormat);
  result->SetSize(AWidth, AHeight);
  return result;
}

TBitmap* cxCreateBitmap(const TSize& ASize, Graphics::TPixelFormat AFormat) {
  return cxCreateBitmap(ASize.cx, ASize.cy, AFormat);
}

TBitmap* cxCreateBitmap(const TRect& ARect, Graphics::TPixelFormat AFormat) {
  return cxCreateBitmap(cxRectWidth(ARect), cxRectHeight(ARect), AFormat);
}

TBitmap* cxCreateTrueColorBitmap(Integer AWidth, Integer AHeight) {
  TBitmap* result = New<TBitmap>();
  result->SetHandle(cxCreateTrueColorBitmapHandle(AWidth, AHeight));
  return result;
}

TBitmap* cxCreateTrueColorBitmap(const TSize& ASize) { return cxCreateTrueColorBitmap(ASize.cx, ASize.cy); }

HBITMAP cxCreateTrueColorBitmapHandle(Integer AWidth, Integer AHeight, Integer ABPP) {
  return CreateBitmap(AWidth, AHeight, 1, static_cast<UINT>(ABPP), nullptr);
}

void cxMakeTrueColorBitmap(TBitmap* ASourceBitmap, TBitmap* ATrueColorBitmap) {
  Integer w = ASourceBitmap->GetWidth(), h = ASourceBitmap->GetHeight();
  TOwnedPtr<TcxBitmap> image = NewOwned<TcxBitmap>(w, h);
  image->CopyBitmap(ASourceBitmap);
  image->TransformBitmap(btmSetOpaque);
  TOwnedPtr<TcxBitmap> mask = NewOwned<TcxBitmap>(w, h);
  mask->CopyBitmap(ASourceBitmap);
  mask->GetTransparentBkColors()->Add(ASourceBitmap->GetTransparentColor());
  mask->TransformBitmap(btmMakeMask);
  image->Filter(mask.get());
  ATrueColorBitmap->Assign(image.get());
}

void cxMakeMaskBitmap(TBitmap* ASourceBitmap, TBitmap* AMaskBitmap) {
  Integer w = ASourceBitmap->GetWidth(), h = ASourceBitmap->GetHeight();
  TOwnedPtr<TcxBitmap> mask = NewOwned<TcxBitmap>(w, h);
  mask->CopyBitmap(ASourceBitmap);
  if (!mask->GetIsAlphaUsed()) mask->RecoverAlphaChannel(ASourceBitmap->GetTransparentColor());
  mask->TransformBitmap(btmMakeMask);
  cxBitBlt(BitmapDC(AMaskBitmap), BitmapDC(mask.get()), mask->GetClientRect(), TPoint{0, 0}, SRCCOPY);
}

void cxCopyImage(TBitmap* ASource, TBitmap* ADestination, const TPoint& P1, const TPoint& P2, const TRect& ARect) {
  cxBitBlt(BitmapDC(ADestination), BitmapDC(ASource), cxRectOffset(ARect, P1),
           TPoint{ARect.left + P2.x, ARect.top + P2.y}, SRCCOPY);
}

void cxCopyImage(TCanvas* ASource, TCanvas* ADestination, const TPoint& P1, const TPoint& P2, const TRect& ARect) {
  cxBitBlt(ADestination->GetHandle(), ASource->GetHandle(), cxRectOffset(ARect, P2),
           TPoint{ARect.left + P1.x, ARect.top + P1.y}, SRCCOPY);
}

void cxBitBlt(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ROP) {
  BitBlt(ADestDC, ADestRect.left, ADestRect.top, cxRectWidth(ADestRect), cxRectHeight(ADestRect), ASrcDC,
         ASrcTopLeft.x, ASrcTopLeft.y, ROP);
}

// ---- Alpha blending ---------------------------------------------------------------------------------------

bool SystemAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect, BYTE AConstantAlpha) {
  if (cxSystemAlphaBlendFunc == nullptr) return false;
  BLENDFUNCTION blend;
  blend.BlendOp = AC_SRC_OVER;
  blend.BlendFlags = 0;
  blend.SourceConstantAlpha = AConstantAlpha;
  blend.AlphaFormat = AC_SRC_ALPHA;
  return cxSystemAlphaBlendFunc(ADestDC, ADestRect.left, ADestRect.top, cxRectWidth(ADestRect),
                                cxRectHeight(ADestRect), ASrcDC, ASrcRect.left, ASrcRect.top, cxRectWidth(ASrcRect),
                                cxRectHeight(ASrcRect), blend) != FALSE;
}

void cxBlendFunction(const RGBQUAD& ASource, RGBQUAD& ADestination, BYTE ASourceConstantAlpha) {
  // The two pixels the arithmetic below leaves as they are or turns into the source exactly: a
  // source of nothing (k * 0 + 1 * d), and an opaque source at full constant alpha (1 * s + 0 * d).
  const bool ANothing = ASource.rgbBlue == 0 && ASource.rgbGreen == 0 && ASource.rgbRed == 0 && ASource.rgbReserved == 0;
  if (ANothing) return;
  if (ASourceConstantAlpha == 255 && ASource.rgbReserved == 255) {
    ADestination = ASource;
    return;
  }
  double k = ASourceConstantAlpha / 255.0;
  double a = k * ASource.rgbReserved;
  double m = 1 - a / 255.0;
  auto mix = [&](BYTE s, BYTE d) { return ClampByte(RtlMath::Round(k * s + m * d)); };
  ADestination.rgbRed = mix(ASource.rgbRed, ADestination.rgbRed);
  ADestination.rgbGreen = mix(ASource.rgbGreen, ADestination.rgbGreen);
  ADestination.rgbBlue = mix(ASource.rgbBlue, ADestination.rgbBlue);
  ADestination.rgbReserved = ClampByte(RtlMath::Round(a + m * ADestination.rgbReserved));
}

void cxAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect, bool ASmoothImage,
                  BYTE AConstantAlpha) {
  Integer dw = cxRectWidth(ADestRect), dh = cxRectHeight(ADestRect);
  bool stretch = dw != cxRectWidth(ASrcRect) || dh != cxRectHeight(ASrcRect);
  if (cxSystemAlphaBlendFunc != nullptr && !(ASmoothImage && stretch)) {
    SystemAlphaBlend(ADestDC, ASrcDC, ADestRect, ASrcRect, AConstantAlpha);
    return;
  }
  if (dw <= 0 || dh <= 0 || cxRectWidth(ASrcRect) <= 0 || cxRectHeight(ASrcRect) <= 0) return;
  TOwnedPtr<TcxBitmap> source = NewOwned<TcxBitmap>(cxRectWidth(ASrcRect), cxRectHeight(ASrcRect));
  cxBitBlt(BitmapDC(source.get()), ASrcDC, source->GetClientRect(), TPoint{ASrcRect.left, ASrcRect.top}, SRCCOPY);
  TOwnedPtr<TcxBitmap> dest = NewOwned<TcxBitmap>(dw, dh);
  cxBitBlt(BitmapDC(dest.get()), ADestDC, dest->GetClientRect(), TPoint{ADestRect.left, ADestRect.top}, SRCCOPY);
  if (stretch) {
    TOwnedPtr<TcxBitmap> resized = NewOwned<TcxBitmap>(dw, dh);
    if (ASmoothImage) cxSmoothResizeBitmap(source.get(), resized.get(), true);
    else
      StretchBlt(BitmapDC(resized.get()), 0, 0, dw, dh, BitmapDC(source.get()), 0, 0, source->GetWidth(),
                 source->GetHeight(), SRCCOPY);
    source = std::move(resized);
  }
  if (!SystemAlphaBlend(BitmapDC(dest.get()), BitmapDC(source.get()), dest->GetClientRect(), source->GetClientRect(),
                        AConstantAlpha)) {
    std::vector<RGBQUAD> s = source->GetBitmapColors(), d = dest->GetBitmapColors();
    for (size_t i = 0; i < d.size() && i < s.size(); ++i) cxBlendFunction(s[i], d[i], AConstantAlpha);
    dest->SetBitmapColors(d);
  }
  cxBitBlt(ADestDC, BitmapDC(dest.get()), ADestRect, TPoint{0, 0}, SRCCOPY);
}

void cxAlphaBlend(TBitmap* ADestBitmap, TBitmap* ASrcBitmap, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage, BYTE AConstantAlpha) {
  cxAlphaBlend(BitmapDC(ADestBitmap), BitmapDC(ASrcBitmap), ADestRect, ASrcRect, ASmoothImage, AConstantAlpha);
}

void cxAlphaBlend(HDC ADestDC, TBitmap* ASrcBitmap, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage, BYTE AConstantAlpha) {
  cxAlphaBlend(ADestDC, BitmapDC(ASrcBitmap), ADestRect, ASrcRect, ASmoothImage, AConstantAlpha);
}

void cxAlphaBlend(TBitmap* AResultBitmap, TBitmap* ABkBitmap, TBitmap* ASrcBitmap, BYTE AConstantAlpha) {
  Integer w = AResultBitmap->GetWidth(), h = AResultBitmap->GetHeight();
  TRect r{0, 0, w, h};
  if (cxSystemAlphaBlendFunc != nullptr) {
    cxBitBlt(BitmapDC(AResultBitmap), BitmapDC(ABkBitmap), r, TPoint{0, 0}, SRCCOPY);
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = AConstantAlpha;
    blend.AlphaFormat = 0;
    cxSystemAlphaBlendFunc(BitmapDC(AResultBitmap), 0, 0, w, h, BitmapDC(ASrcBitmap), 0, 0, w, h, blend);
    return;
  }
  // Both pictures are read as 32-bit pixels of the result's size, whatever their own formats, so
  // that the blend walks exactly the bytes it has.
  if (PixelCount(w, h) == 0) return;
  TOwnedPtr<TcxBitmap> bk = NewOwned<TcxBitmap>(w, h), src = NewOwned<TcxBitmap>(w, h);
  cxBitBlt(BitmapDC(bk.get()), BitmapDC(ABkBitmap), r, TPoint{0, 0}, SRCCOPY);
  cxBitBlt(BitmapDC(src.get()), BitmapDC(ASrcBitmap), r, TPoint{0, 0}, SRCCOPY);
  std::vector<RGBQUAD> b = bk->GetBitmapColors(), s = src->GetBitmapColors();
  double k = AConstantAlpha / 255.0;
  auto mix = [k](BYTE sv, BYTE bv) {
    return ClampByte(RtlMath::Round(k * sv) + RtlMath::Round((1 - k) * bv));
  };
  for (size_t i = 0; i < b.size(); ++i) {
    b[i].rgbBlue = mix(s[i].rgbBlue, b[i].rgbBlue);
    b[i].rgbGreen = mix(s[i].rgbGreen, b[i].rgbGreen);
    b[i].rgbRed = mix(s[i].rgbRed, b[i].rgbRed);
    b[i].rgbReserved = mix(s[i].rgbReserved, b[i].rgbReserved);
  }
  bk->SetBitmapColors(b);
  cxBitBlt(BitmapDC(AResultBitmap), BitmapDC(bk.get()), r, TPoint{0, 0}, SRCCOPY);
}

void cxAlphaBlend(TBitmap* ABitmap, const TRect& ARect, TColor ASelColor, BYTE Alpha) {
  POINT origin{};
  GetWindowOrgEx(BitmapDC(ABitmap), &origin);
  TRect r = cxRectOffset(ARect, -origin.x, -origin.y);
  Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  if (!cxRectIntersect(r, r, TRect{0, 0, w, h})) return;
  RGBQUAD color = cxColorToRGBQuad(ASelColor, 0);
  double k = Alpha / 255.0;
  const BYTE add[4] = {ClampByte(RtlMath::Round(color.rgbBlue * k)), ClampByte(RtlMath::Round(color.rgbGreen * k)),
                       ClampByte(RtlMath::Round(color.rgbRed * k)), 0};
  TRGBColors colors = GetBitmapBits(ABitmap, true);
  for (Integer y = r.top; y < r.bottom; ++y)
    for (Integer x = r.left; x < r.right; ++x) {
      RGBQUAD& p = colors[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
      BYTE* bytes[4] = {&p.rgbBlue, &p.rgbGreen, &p.rgbRed, &p.rgbReserved};
      for (int i = 0; i < 4; ++i) *bytes[i] = ClampByte(RtlMath::Round(*bytes[i] * (1 - k)) + add[i]);
    }
  SetBitmapBits(ABitmap, colors, true);
}

// ---- Resizing ---------------------------------------------------------------------------------------------

namespace {

struct TContributor {
  Integer Pixel;
  Integer Weight;  // 8.8 fixed point
};

float Sinc(float x) {
  if (x == 0.0f) return 1.0f;
  float px = static_cast<float>(M_PI) * x;
  return std::sin(px) / px;
}

float Lanczos3(float x) { return std::fabs(x) >= 3.0f ? 0.0f : Sinc(x) * Sinc(x / 3.0f); }

// The source pixels and weights of every destination index along one axis.
std::vector<std::vector<TContributor>> Contributors(Integer ASource, Integer ADest) {
  float scale = (ASource == 1 || ADest == 1) ? static_cast<float>(ADest) / static_cast<float>(ASource)
                                             : static_cast<float>(ADest - 1) / static_cast<float>(ASource - 1);
  float width = scale >= 1.0f ? 1.0f : 1.0f / scale;
  float radius = 3.0f * width;
  size_t maxCount = static_cast<size_t>(2.0f * radius + 1.0f);
  std::vector<std::vector<TContributor>> result(static_cast<size_t>(ADest));
  for (Integer i = 0; i < ADest; ++i) {
    float center = static_cast<float>(i) / scale;
    auto& list = result[static_cast<size_t>(i)];
    for (Integer j = static_cast<Integer>(std::floor(center - radius));
         j <= static_cast<Integer>(std::ceil(center + radius)) && list.size() < maxCount; ++j) {
      Integer weight =
          static_cast<Integer>(std::lround(Lanczos3((center - static_cast<float>(j)) / width) / width * 256.0f));
      if (weight == 0) continue;
      Integer pixel = j < 0 ? -j : j >= ASource ? 2 * ASource - 1 - j : j;
      // Mirroring alone leaves very short axes (one or two pixels) outside the source.
      pixel = std::clamp<Integer>(pixel, 0, ASource - 1);
      list.push_back({pixel, weight});
    }
  }
  return result;
}

RGBQUAD Weighted(const std::vector<TContributor>& AList, const RGBQUAD* APixels, size_t AStride) {
  Integer sum[4] = {0, 0, 0, 0};
  for (const TContributor& c : AList) {
    const RGBQUAD& p = APixels[static_cast<size_t>(c.Pixel) * AStride];
    sum[0] += p.rgbBlue * c.Weight;
    sum[1] += p.rgbGreen * c.Weight;
    sum[2] += p.rgbRed * c.Weight;
    sum[3] += p.rgbReserved * c.Weight;
  }
  RGBQUAD r;
  r.rgbBlue = ClampByte(sum[0] >> 8);
  r.rgbGreen = ClampByte(sum[1] >> 8);
  r.rgbRed = ClampByte(sum[2] >> 8);
  r.rgbReserved = ClampByte(sum[3] >> 8);
  return r;
}

}  // namespace

void cxLanczos3Resize(const RGBQUAD* ASource, Integer ASourceWidth, Integer ASourceHeight, RGBQUAD* ADest,
                      Integer ADestWidth, Integer ADestHeight) {
  if (ASourceWidth <= 0 || ASourceHeight <= 0 || ADestWidth <= 0 || ADestHeight <= 0) return;
  auto horz = Contributors(ASourceWidth, ADestWidth);
  auto vert = Contributors(ASourceHeight, ADestHeight);
  std::vector<RGBQUAD> work(static_cast<size_t>(ADestWidth) * static_cast<size_t>(ASourceHeight));
  for (Integer y = 0; y < ASourceHeight; ++y)
    for (Integer x = 0; x < ADestWidth; ++x)
      work[static_cast<size_t>(y) * ADestWidth + x] =
          Weighted(horz[static_cast<size_t>(x)], ASource + static_cast<size_t>(y) * ASourceWidth, 1);
  for (Integer x = 0; x < ADestWidth; ++x)
    for (Integer y = 0; y < ADestHeight; ++y)
      ADest[static_cast<size_t>(y) * ADestWidth + x] =
          Weighted(vert[static_cast<size_t>(y)], work.data() + x, static_cast<size_t>(ADestWidth));
}

void cxSmoothResizeBitmap(TBitmap* ASource, TBitmap* ADestination, bool AForceUseLanczos3Filter) {
  Integer sw = ASource->GetWidth(), sh = ASource->GetHeight();
  Integer dw = ADestination->GetWidth(), dh = ADestination->GetHeight();
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  TCanvas* sourceCanvas = ASource->GetCanvas();
  TCanvas* destCanvas = ADestination->GetCanvas();
  sourceCanvas->Lock();
  destCanvas->Lock();
  try {
    // The platform is of the NT line, where the system resamples itself unless the filter is asked for.
    if (!AForceUseLanczos3Filter) {
      HDC dc = destCanvas->GetHandle();
      int oldMode = SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, 0, 0, dw, dh, sourceCanvas->GetHandle(), 0, 0, sw, sh, SRCCOPY);
      SetStretchBltMode(dc, oldMode);
    } else {
      TRGBColors source = GetBitmapBits(ASource, true);
      TRGBColors dest(PixelCount(dw, dh));
      cxLanczos3Resize(source.data(), sw, sh, dest.data(), dw, dh);
      SetBitmapBits(ADestination, dest, true);
    }
  } catch (...) {
    destCanvas->Unlock();
    sourceCanvas->Unlock();
    throw;
  }
  destCanvas->Unlock();
  sourceCanvas->Unlock();
}

}  // namespace cxGraphics
