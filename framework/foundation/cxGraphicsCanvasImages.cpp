// The canvas wrapper's bitmaps: tiled fills, glyphs and image-list images, constant-alpha drawing,
// rotation and flipping, and elliptic pie slices.
#include <cmath>
#include <numbers>

#include "ImgList.h"
#include "RtlMath.h"
#include "WinGdi.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"

namespace cxGraphics {

namespace {

// Division rounding toward minus infinity, so that tiles stay anchored left of and above the origin.
Integer FloorDiv(Integer A, Integer B) { return A / B - ((A % B != 0) && ((A < 0) != (B < 0))); }

}  // namespace

void TcxCanvas::FillRect(const TRect& R, TBitmap* ABitmap, bool AExcludeRect) {
  if (cxRectIsEmpty(R)) return;
  if (ABitmap && !ABitmap->GetEmpty()) {
    // Tiles anchored at multiples of the bitmap's size from the logical origin.
    const Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
    HDC source = ABitmap->GetCanvas()->GetHandle(), dest = GetHandle();
    for (Integer row = FloorDiv(R.top, h), lastRow = FloorDiv(R.bottom - 1, h); row <= lastRow; ++row)
      for (Integer col = FloorDiv(R.left, w), lastCol = FloorDiv(R.right - 1, w); col <= lastCol; ++col) {
        TRect tile;
        if (!cxRectIntersect(tile, cxRectBounds(col * w, row * h, w, h), R)) continue;
        BitBlt(dest, tile.left, tile.top, tile.Width(), tile.Height(), source, tile.left - col * w,
               tile.top - row * h, SRCCOPY);
      }
  } else {
    FCanvas->FillRect(R);
  }
  if (AExcludeRect) SetClipRegion(New<TcxRegion>(R), roSubtract, true, true);
}

void TcxCanvas::Draw(Integer X, Integer Y, TGraphic* AGraphic) { FCanvas->Draw(X, Y, AGraphic); }

void TcxCanvas::DrawGlyph(Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled, TColor ABackgroundColor) {
  const Integer w = AGlyph->GetWidth(), h = AGlyph->GetHeight();
  if (AEnabled) {
    const TBrushStyle style = GetBrush()->GetStyle();
    if (ABackgroundColor == clNone)
      GetBrush()->SetStyle(bsClear);
    else
      SetBrushColor(ABackgroundColor);
    FCanvas->BrushCopy(cxRectBounds(X, Y, w, h), AGlyph, TRect(0, 0, w, h), AGlyph->GetTransparentColor());
    GetBrush()->SetStyle(style);
    return;
  }
  // The disabled look is the image list's own: the glyph goes through a temporary list.
  TOwnedPtr<TCustomImageList> images(TCustomImageList::CreateSize(w, h));
  TOwnedPtr<TBitmap> background;
  if (ABackgroundColor != clNone) {
    background.reset(New<TBitmap>());
    background->SetSize(w, h);
    background->GetCanvas()->GetBrush()->SetColor(ABackgroundColor);
    background->GetCanvas()->FillRect(TRect(0, 0, w, h));
  }
  // An automatic transparent colour is the top-left pixel's, as image lists take it.
  images->AddMasked(AGlyph, AGlyph->GetTransparentMode() == tmFixed ? AGlyph->GetTransparentColor()
                                                                    : AGlyph->GetCanvas()->GetPixel(0, 0));
  if (background) {
    images->Draw(background->GetCanvas(), 0, 0, 0, false);
    FCanvas->Draw(X, Y, background.get());
  } else {
    images->Draw(FCanvas, X, Y, 0, false);
  }
}

void TcxCanvas::DrawImage(TCustomImageList* AImages, Integer X, Integer Y, Integer AIndex, bool AEnabled) {
  if (!AImages || AIndex < 0 || AIndex >= AImages->GetCount()) return;
  SaveDC();
  struct TRestore {
    TcxCanvas* Canvas;
    ~TRestore() { Canvas->RestoreDC(); }
  } restore{this};
  AImages->Draw(FCanvas, X, Y, AIndex, AEnabled);
}

void TcxCanvas::TransparentDraw(Integer X, Integer Y, TBitmap* ABitmap, Byte AAlpha, TBitmap* ABackground) {
  const Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  if (w <= 0 || h <= 0) return;
  TOwnedPtr<TBitmap> work(New<TBitmap>());
  work->SetPixelFormat(pf32bit);
  work->SetSize(w, h);
  HDC workDC = work->GetCanvas()->GetHandle();
  if (ABackground)
    work->GetCanvas()->Draw(0, 0, ABackground);
  else
    BitBlt(workDC, 0, 0, w, h, GetHandle(), X, Y, SRCCOPY);
  if (cxSystemAlphaBlendFunc) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, AAlpha, 0};
    cxSystemAlphaBlendFunc(workDC, 0, 0, w, h, ABitmap->GetCanvas()->GetHandle(), 0, 0, w, h, blend);
  } else {
    const TRGBColors source = GetBitmapBits(ABitmap, true);
    TRGBColors background = GetBitmapBits(work.get(), true);
    auto mix = [AAlpha](BYTE b, BYTE s) {
      return static_cast<BYTE>(MulDiv(b, 255 - AAlpha, 255) + MulDiv(s, AAlpha, 255));
    };
    for (size_t i = 0; i < background.size(); ++i) {
      background[i].rgbBlue = mix(background[i].rgbBlue, source[i].rgbBlue);
      background[i].rgbGreen = mix(background[i].rgbGreen, source[i].rgbGreen);
      background[i].rgbRed = mix(background[i].rgbRed, source[i].rgbRed);
    }
    SetBitmapBits(work.get(), background, true);
  }
  BitBlt(GetHandle(), X, Y, w, h, work->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
}

void TcxCanvas::RotateBitmap(TBitmap* ABitmap, TcxRotationAngle ARotationAngle, bool AFlipVertically) {
  if (ARotationAngle == ra0 && !AFlipVertically) return;
  const Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  const TRGBColors source = GetBitmapBits(ABitmap, true);
  TRGBColors dest(source.size());
  const bool turned = ARotationAngle == raPlus90 || ARotationAngle == raMinus90;
  const Integer newWidth = turned ? h : w;
  for (Integer y = 0; y < h; ++y)
    for (Integer x = 0; x < w; ++x) {
      Integer col = x, row = y;
      switch (ARotationAngle) {
        case ra0:
          row = h - 1 - y;
          break;
        case raPlus90:
          col = y;
          row = AFlipVertically ? x : w - 1 - x;
          break;
        case raMinus90:
          col = h - 1 - y;
          row = AFlipVertically ? w - 1 - x : x;
          break;
        case ra180:
          col = w - 1 - x;
          row = AFlipVertically ? y : h - 1 - y;
          break;
      }
      dest[static_cast<size_t>(row) * newWidth + col] = source[static_cast<size_t>(y) * w + x];
    }
  if (turned) {
    ABitmap->SetHeight(0);
    ABitmap->SetWidth(h);
    ABitmap->SetHeight(w);
  }
  SetBitmapBits(ABitmap, dest, true);
}

void TcxCanvas::FlipHorizontally(TBitmap* ABitmap) {
  const Integer w = ABitmap->GetWidth(), h = ABitmap->GetHeight();
  TRGBColors pixels = GetBitmapBits(ABitmap, true);
  for (Integer y = 0; y < h; ++y) {
    RGBQUAD* line = pixels.data() + static_cast<size_t>(y) * w;
    for (Integer i = 0; i <= (w - 1) / 2; ++i) std::swap(line[i], line[w - 1 - i]);
  }
  SetBitmapBits(ABitmap, pixels, true);
}

void TcxCanvas::Pie(const TRect& R, const TPoint& ARadial1, const TPoint& ARadial2) {
  FCanvas->Pie(R.left, R.top, R.right, R.bottom, ARadial1.x, ARadial1.y, ARadial2.x, ARadial2.y);
}

void TcxCanvas::Pie(const TRect& R, Integer AStartAngle, Integer ASweepAngle) {
  if (cxRectIsEmpty(R) || ASweepAngle == 0) return;
  const Integer cx = R.left + R.Width() / 2, cy = R.top + R.Height() / 2;
  const double a = R.Width() / 2, b = R.Height() / 2;
  auto pointAt = [&](double degrees) {
    const double t = degrees * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
    const double r = a == 0 || b == 0 ? 0 : a * b / std::sqrt(b * b * c * c + a * a * s * s);
    return TPoint(static_cast<LONG>(std::nearbyint(cx + r * c)), static_cast<LONG>(std::nearbyint(cy - r * s)));
  };
  const TPoint start = pointAt(AStartAngle);
  const TPoint end = ASweepAngle == 360 ? start : pointAt(AStartAngle + ASweepAngle);
  if (!(start == end) || ASweepAngle > 180) Pie(R, start, end);
}

}  // namespace cxGraphics
