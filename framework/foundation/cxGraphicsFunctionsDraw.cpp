// The image drawer with its looks (normal, disabled, faded, grayscale, dingy, shadowed), image-list
// drawing, hatching, arrows, half-tone and design rects, and painting a parent's background under a
// transparent control.
#include <algorithm>

#include "Controls.h"
#include "GdiSurface.h"
#include "ImgList.h"
#include "Messages.h"
#include "RtlMath.h"
#include "WinImageList.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsFunctions.h"
#include "cxGraphicsImageList.h"
#include "dxUxTheme.h"

namespace cxGraphics {

namespace {

// The work area, the image and the mask of cxDrawImage, kept for the whole process so that drawing
// an image allocates nothing once they have grown to the sizes in use.
enum TWorkBitmap { wbWork, wbImage, wbMask, wbCount };
TcxBitmap* FWorkBitmaps[wbCount] = {};

void FreeWorkBitmaps() {
  for (TcxBitmap*& bitmap : FWorkBitmaps) FreeAndNil(bitmap);
}

TcxBitmap* WorkBitmap(TWorkBitmap AKind, Integer AWidth, Integer AHeight) {
  TcxBitmap*& bitmap = FWorkBitmaps[AKind];
  if (bitmap == nullptr) {
    bitmap = New<TcxBitmap>(AWidth, AHeight);
    cxGraphicsFunctionsFinalization = &FreeWorkBitmaps;
  } else {
    bitmap->GetTransparentBkColors()->Clear();
    bitmap->SetSize(AWidth, AHeight);
  }
  return bitmap;
}

HDC BitmapDC(TBitmap* ABitmap) { return ABitmap->GetCanvas()->GetHandle(); }

// Whether the image fetched into AImage may carry its own alpha channel.
bool FetchImage(TcxBitmap* AImage, TBitmap* AGlyph, TCustomImageList* AImages, Integer AImageIndex) {
  if (IsGlyphAssigned(AGlyph)) {
    AImage->CopyBitmap(AGlyph);
    Graphics::TPixelFormat format = AGlyph->GetPixelFormat();
    return format == Graphics::pf32bit ||
           (format == Graphics::pfDevice && GetDeviceCaps(BitmapDC(AImage), BITSPIXEL) == 32);
  }
  if (auto* list = dynamic_cast<TcxImageList*>(AImages)) list->GetImageInfo(AImageIndex, AImage, nullptr);
  else TcxImageList::GetImageInfo(AImages->GetHandle(), AImageIndex, AImage, nullptr);
  return TcxImageList::GetPixelFormat(AImages->GetHandle()) >= 32;
}
// A work bitmap's instance as it stands, made (at the size given) on first use.
TcxBitmap* WorkBitmapInstance(TWorkBitmap AKind, Integer AWidth, Integer AHeight) {
  return FWorkBitmaps[AKind] ? FWorkBitmaps[AKind] : WorkBitmap(AKind, AWidth, AHeight);
}

RGBQUAD PixelQuad(uint32_t APixel) {
  return RGBQUAD{static_cast<BYTE>(APixel), static_cast<BYTE>(APixel >> 8), static_cast<BYTE>(APixel >> 16),
                 static_cast<BYTE>(APixel >> 24)};
}

uint32_t QuadPixel(const RGBQUAD& AColor) {
  return static_cast<uint32_t>(AColor.rgbBlue) | static_cast<uint32_t>(AColor.rgbGreen) << 8 |
         static_cast<uint32_t>(AColor.rgbRed) << 16 | static_cast<uint32_t>(AColor.rgbReserved) << 24;
}

// The drawer's steps for a 32-bit glyph with its own alpha, drawn at its size with a look that
// changes every pixel by itself and no brush, done in one pass and one blend: the glyph, in its look,
// is blended straight onto the DC. That gives the pixels of composing on the work bitmap and copying
// it back, for a DC that puts 32-bit pixels down as they are with a plain mapping: the blend meets
// the same background pixels, and those around the glyph would only be copied back as they were.
// The mask of transparent pixels changes nothing here: it clears the pixels equal to its clear
// colour, which when 0 are clear already. False: the general steps apply.
bool DrawAlphaGlyphDirect(HDC ADC, const TRect& AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                          TcxImageDrawMode ADrawMode, HBRUSH ABrush) {
  if (ADrawMode == idmShadowed || ABrush || CustomDrawImageProc) return false;
  const Integer w = AGlyph->GetWidth(), h = AGlyph->GetHeight();
  if (cxRectWidth(AGlyphRect) != w || cxRectHeight(AGlyphRect) != h || AGlyph->GetPixelFormat() != Graphics::pf32bit)
    return false;
  if (!DCDrawsTrueColor(ADC) || GetMapMode(ADC) != MM_TEXT || GetLayout(ADC) != 0) return false;
  TGdiSurface* glyph = GetDCSurface(BitmapDC(AGlyph));
  if (!glyph || glyph->Width() != w || glyph->Height() != h) return false;
  if (QuadPixel(WorkBitmapInstance(wbMask, w, h)->GetClearColor()) != 0) return false;
  bool alpha = false;
  for (Integer y = 0; y < h && !alpha; ++y)
    for (Integer x = 0; x < w; ++x) alpha |= (glyph->Pixel(x, y) >> 24) != 0;
  if (!alpha) return false;
  // The work bitmap held the background rectangle only: the glyph is cut to it.
  TRect target;
  if (!cxRectIntersect(target, AGlyphRect, ABackgroundRect)) return true;
  const TPoint from{target.left - AGlyphRect.left, target.top - AGlyphRect.top};
  TcxBitmap* image = WorkBitmapInstance(wbImage, w, h);
  image->GetTransparentBkColors()->Clear();
  auto look = [&](RGBQUAD& c) {
    switch (ADrawMode) {
      case idmDisabled: image->Disable(c); break;
      case idmFaded: image->Fade(c); break;
      case idmGrayScale: image->GrayScale(c); break;
      case idmDingy: image->Dingy(c); break;
      default: break;
    }
  };
  const BYTE constantAlpha = ADrawMode == idmDisabled ? DisableMap.SrcConstantAlpha
                             : ADrawMode == idmFaded  ? FadeMap.SrcConstantAlpha
                                                      : 255;
  if (!cxSystemAlphaBlendFunc) {
    // The software blend, on the background pixels under the glyph read into the work bitmap.
    const Integer tw = cxRectWidth(target), th = cxRectHeight(target);
    TcxBitmap* work = WorkBitmapInstance(wbWork, tw, th);
    if (work->GetWidth() != tw || work->GetHeight() != th) work->SetSize(tw, th);
    TGdiSurface* pixels = GetDCSurface(BitmapDC(work));
    if (!pixels) return false;
    cxBitBlt(BitmapDC(work), ADC, work->GetClientRect(), target.TopLeft(), SRCCOPY);
    for (Integer y = 0; y < th; ++y) {
      const uint32_t* s = glyph->Scanline(y + from.y) + from.x;
      uint32_t* d = pixels->Scanline(y);
      for (Integer x = 0; x < tw; ++x) {
        RGBQUAD c = PixelQuad(s[x]), b = PixelQuad(d[x]);
        look(c);
        cxBlendFunction(c, b, constantAlpha);
        d[x] = QuadPixel(b);
      }
    }
    cxBitBlt(ADC, BitmapDC(work), target, TPoint{0, 0}, SRCCOPY);
    return true;
  }
  HDC source = BitmapDC(AGlyph);
  if (ADrawMode != idmNormal) {
    if (image->GetWidth() != w || image->GetHeight() != h) image->SetSize(w, h);
    TGdiSurface* pixels = GetDCSurface(BitmapDC(image));
    if (!pixels) return false;
    for (Integer y = 0; y < h; ++y) {
      const uint32_t* s = glyph->Scanline(y);
      uint32_t* d = pixels->Scanline(y);
      for (Integer x = 0; x < w; ++x) {
        RGBQUAD c = PixelQuad(s[x]);
        look(c);
        d[x] = QuadPixel(c);
      }
    }
    source = BitmapDC(image);
  }
  SystemAlphaBlend(ADC, source, target, cxRectOffset(TRect{0, 0, cxRectWidth(target), cxRectHeight(target)}, from),
                   constantAlpha);
  return true;
}

}  // namespace

void cxDrawImage(HDC ADC, const TRect& AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                 TCustomImageList* AImages, Integer AImageIndex, TcxImageDrawMode ADrawMode, bool ASmoothImage,
                 HBRUSH ABrush, TColor ATransparentColor, bool AUseLeftBottomPixelAsTransparent) {
  bool glyph = IsGlyphAssigned(AGlyph);
  if (!glyph && !IsImageAssigned(AImages, AImageIndex)) return;
  if (cxRectIsEmpty(ABackgroundRect)) return;
  if (glyph && DrawAlphaGlyphDirect(ADC, AGlyphRect, ABackgroundRect, AGlyph, ADrawMode, ABrush)) return;

  TcxBitmap* work = WorkBitmap(wbWork, cxRectWidth(ABackgroundRect), cxRectHeight(ABackgroundRect));
  TRect workRect = work->GetClientRect();
  if (ABrush) FillRect(BitmapDC(work), &workRect, ABrush);
  else cxBitBlt(BitmapDC(work), ADC, work->GetClientRect(), ABackgroundRect.TopLeft(), SRCCOPY);
  TRect imageRect = cxRectOffset(AGlyphRect, -ABackgroundRect.left, -ABackgroundRect.top);

  if (CustomDrawImageProc == nullptr ||
      !CustomDrawImageProc(work->GetcxCanvas(), AImages, AImageIndex, ADrawMode, imageRect, AGlyph)) {
    TSize size = glyph ? TSize(AGlyph->GetWidth(), AGlyph->GetHeight())
                       : TSize(AImages->GetWidth(), AImages->GetHeight());
    TcxBitmap* image = WorkBitmap(wbImage, size.cx, size.cy);
    bool alpha = FetchImage(image, AGlyph, AImages, AImageIndex) && image->GetIsAlphaUsed();
    if (!alpha) image->TransformBitmap(btmSetOpaque);

    TcxBitmap* mask = WorkBitmap(wbMask, size.cx, size.cy);
    mask->CopyBitmap(image);
    if (!alpha) {
      if (!glyph) {
        TOwnedPtr<TcxBitmap> listMask = NewOwned<TcxBitmap>(size.cx, size.cy);
        if (auto* list = dynamic_cast<TcxImageList*>(AImages)) list->GetImageInfo(AImageIndex, nullptr, listMask.get());
        else TcxImageList::GetImageInfo(AImages->GetHandle(), AImageIndex, nullptr, listMask.get());
        listMask->TransformBitmap(btmCorrectBlend);
        mask->Filter(listMask.get());
      }
      if (ATransparentColor != clNone) mask->GetTransparentBkColors()->Add(ATransparentColor);
      if (AUseLeftBottomPixelAsTransparent && glyph)
        mask->GetTransparentBkColors()->Add(AGlyph->GetTransparentColor());
    }
    mask->TransformBitmap(btmMakeMask);
    image->Filter(mask);

    BYTE constantAlpha = 255;
    switch (ADrawMode) {
      case idmDisabled:
        if (alpha) {
          image->TransformBitmap(btmDisable);
          constantAlpha = DisableMap.SrcConstantAlpha;
        } else {
          image->TransformBitmap(btmDirty);
          image->DrawShadow(mask, 1, clBtnHighlight, false);
        }
        break;
      case idmFaded:
        image->TransformBitmap(btmFade);
        constantAlpha = FadeMap.SrcConstantAlpha;
        break;
      case idmGrayScale: image->TransformBitmap(btmGrayScale); break;
      case idmDingy: image->TransformBitmap(btmDingy); break;
      case idmShadowed:
        image->DrawShadow(mask, 2, clBtnShadow, true);
        imageRect = cxRectOffset(cxRectInflate(imageRect, 0, 0, 2, 2), -1, -1);
        break;
      case idmNormal: break;
    }
    image->AlphaBlend(work, imageRect, ASmoothImage, constantAlpha);
  }
  cxBitBlt(ADC, BitmapDC(work), ABackgroundRect, TPoint{0, 0}, SRCCOPY);
}

void cxDrawImageList(HIMAGELIST AImageListHandle, Integer AImageIndex, HDC ADC, const TPoint& APoint,
                     ImgList::TDrawingStyle ADrawingStyle, ImgList::TImageType AImageType) {
  static const UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  static const UINT types[] = {0, ILD_MASK};
  ImageList_Draw(AImageListHandle, AImageIndex, ADC, APoint.x, APoint.y,
                 styles[ADrawingStyle] | types[AImageType]);
}

void cxDrawHatch(HDC ADC, const TRect& ARect, TColor AColor1, TColor AColor2, BYTE AStep, BYTE AAlpha1,
                 BYTE AAlpha2) {
  if (cxRectIsEmpty(ARect)) return;
  TOwnedPtr<TcxBitmap> bitmap = NewOwned<TcxBitmap>(cxRectWidth(ARect), cxRectHeight(ARect));
  cxBitBlt(BitmapDC(bitmap.get()), ADC, bitmap->GetClientRect(), ARect.TopLeft(), SRCCOPY);
  bitmap->DrawHatch(AColor1, AColor2, AStep, AAlpha1, AAlpha2);
  cxBitBlt(ADC, BitmapDC(bitmap.get()), ARect, TPoint{0, 0}, SRCCOPY);
}

void cxDrawArrows(TCanvas* ACanvas, const TRect& ARect, TcxBorder ASide, TColor AColor, TColor APenColor) {
  static const TPoint vertical[2][7] = {{{0, -1}, {-5, -6}, {-2, -6}, {-2, -9}, {2, -9}, {2, -6}, {5, -6}},
                                        {{0, 0}, {5, 5}, {2, 5}, {2, 8}, {-2, 8}, {-2, 5}, {-5, 5}}};
  static const TPoint horizontal[2][7] = {{{-1, 0}, {-6, -5}, {-6, -2}, {-9, -2}, {-9, 2}, {-6, 2}, {-6, 5}},
                                          {{0, 0}, {5, 5}, {5, 2}, {8, 2}, {8, -2}, {5, -2}, {5, -5}}};
  TPoint anchors[2];
  switch (ASide) {
    case bLeft: anchors[0] = {ARect.left, ARect.top}, anchors[1] = {ARect.left, ARect.bottom}; break;
    case bTop: anchors[0] = {ARect.left, ARect.top}, anchors[1] = {ARect.right, ARect.top}; break;
    case bRight: anchors[0] = {ARect.right, ARect.top}, anchors[1] = {ARect.right, ARect.bottom}; break;
    case bBottom: anchors[0] = {ARect.left, ARect.bottom}, anchors[1] = {ARect.right, ARect.bottom}; break;
  }
  const auto& shapes = (ASide == bLeft || ASide == bRight) ? vertical : horizontal;
  ACanvas->GetBrush()->SetColor(AColor);
  ACanvas->GetPen()->SetColor(APenColor == clDefault ? static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF)
                                                     : APenColor);
  for (int arrow = 0; arrow < 2; ++arrow) {
    TPoint points[7];
    for (int i = 0; i < 7; ++i)
      points[i] = TPoint(shapes[arrow][i].x + anchors[arrow].x, shapes[arrow][i].y + anchors[arrow].y);
    ACanvas->Polygon(points, 7);
  }
}

void cxFillHalfToneRect(TCanvas* ACanvas, const TRect& ARect, TColor ABkColor, TColor AColor) {
  HDC dc = ACanvas->GetHandle();
  COLORREF oldBk = SetBkColor(dc, ColorToRGB(ABkColor));
  COLORREF oldText = SetTextColor(dc, ColorToRGB(AColor));
  if (cxHalfToneBrush != nullptr) FillRect(dc, &ARect, cxHalfToneBrush->GetHandle());
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
}

void cxDrawDesignRect(TcxCanvas* ACanvas, const TRect& ARect, bool ASelected) {
  if (cxRectIsEmpty(ARect)) return;
  TColor color = ASelected ? 0x9090FF : 0xA0FFA0;
  ACanvas->SaveState();
  try {
    ACanvas->SetClipRegion(New<TcxRegion>(ARect), roSet);
    ACanvas->FillRect(ARect, color);
    ACanvas->GetPen()->SetColor(static_cast<TColor>(dxOffice11::Dark(static_cast<COLORREF>(color), 75)));
    // Lines past the rect's width plus height lie wholly outside it; stopping there draws the same.
    Integer count = std::min(RtlMath::MulDiv(ARect.right, 3, 2), (cxRectWidth(ARect) + cxRectHeight(ARect)) / 3 + 1);
    for (Integer i = 1; i <= count; ++i) {
      ACanvas->MoveTo(ARect.right - 3 * i, ARect.top);
      ACanvas->LineTo(ARect.right, ARect.top + 3 * i);
    }
    ACanvas->FrameRect(ARect, static_cast<TColor>(dxOffice11::Dark(static_cast<COLORREF>(color), 50)), 1);
  } catch (...) {
    ACanvas->RestoreState();
    throw;
  }
  ACanvas->RestoreState();
  ACanvas->ExcludeClipRect(ARect);
  TRect shadow = cxRectOffset(ARect, 1, 1);
  ACanvas->FillRect(shadow, clBtnShadow);
  ACanvas->ExcludeClipRect(shadow);
}

void cxSetCanvasOrg(TCanvas* ACanvas, TRect& AOrg) {
  POINT old{};
  SetWindowOrgEx(ACanvas->GetHandle(), AOrg.left, AOrg.top, &old);
  AOrg.left = old.x;
  AOrg.top = old.y;
}

void cxApplyViewParams(TcxCanvas* ACanvas, const TcxViewParams& AViewParams) {
  if (AViewParams.Font != nullptr) ACanvas->GetFont()->Assign(AViewParams.Font);
  ACanvas->GetFont()->SetColor(AViewParams.TextColor);
  ACanvas->GetBrush()->SetColor(AViewParams.Color);
}

void cxInvalidateRect(HWND AHandle, const TRect& ARect, bool AEraseBackground) {
  InvalidateRect(AHandle, &ARect, AEraseBackground);
}

void cxInvalidateRect(HWND AHandle, bool AEraseBackground) { InvalidateRect(AHandle, nullptr, AEraseBackground); }

// ---- Background of transparent controls -------------------------------------------------------------------

namespace {

using Controls::TControl;
using Controls::TWinControl;

void PaintControlBackground(TcxCanvas* ACanvas, TWinControl* APainted, TWinControl* AControl, const TRect& ARect,
                            const TPoint& AOffset, bool APaintChildren) {
  HDC dc = ACanvas->GetHandle();
  int saved = SaveDC(dc);
  OffsetWindowOrgEx(dc, AOffset.x, AOffset.y, nullptr);
  if (RectVisible(dc, &ARect)) {
    APainted->ControlState.Include(Controls::csPaintCopy);
    try {
      if (APainted != AControl->GetParent()) {
        TRect r{0, 0, APainted->GetWidth(), APainted->GetHeight()};
        LONG exStyle = GetWindowLong(APainted->GetHandle(), GWL_EXSTYLE);
        LONG style = GetWindowLong(APainted->GetHandle(), GWL_STYLE);
        if (exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        else if (style & WS_BORDER) DrawEdge(dc, &r, BDR_OUTER, BF_RECT | BF_ADJUST | BF_MONO);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetWindowOrgEx(dc, -r.left, -r.top, nullptr);
      }
      TCanvas* canvas = ACanvas->GetCanvas();
      canvas->Lock();
      try {
        APainted->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
        APainted->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      } catch (...) {
        canvas->Unlock();
        throw;
      }
      canvas->Unlock();
      if (APaintChildren)
        for (Integer i = 0; i < APainted->ControlCount(); ++i) {
          TControl* child = APainted->GetControl(i);
          if (child == AControl) break;
          auto* winChild = dynamic_cast<TWinControl*>(child);
          if (winChild == nullptr || !winChild->GetVisible()) continue;
          PaintControlBackground(ACanvas, winChild, AControl, TRect{0, 0, winChild->GetWidth(), winChild->GetHeight()},
                                 TPoint{-winChild->GetLeft(), -winChild->GetTop()}, true);
        }
    } catch (...) {
      APainted->ControlState.Exclude(Controls::csPaintCopy);
      RestoreDC(dc, saved);
      throw;
    }
    APainted->ControlState.Exclude(Controls::csPaintCopy);
  }
  RestoreDC(dc, saved);
}

template <class TFunc>
void WithWrapper(TCanvas* ACanvas, TFunc AFunc) {
  TOwnedPtr<TcxCanvas> canvas = NewOwned<TcxCanvas>(ACanvas);
  AFunc(canvas.get());
}

}  // namespace

void cxDrawTransparentControlBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren) {
  TWinControl* parent = AControl->GetParent();
  if (parent == nullptr) return;
  TPoint offset{AControl->GetLeft(), AControl->GetTop()};
  PaintControlBackground(ACanvas, parent, AControl, cxRectOffset(ARect, offset), offset, APaintParentWithChildren);
}

void cxDrawTransparentControlBackground(TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren) {
  WithWrapper(ACanvas, [&](TcxCanvas* canvas) {
    cxDrawTransparentControlBackground(AControl, canvas, ARect, APaintParentWithChildren);
  });
}

void cxDrawThemeParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect) {
  TWinControl* parent = AControl->GetParent();
  if ((parent != nullptr && parent->GetDoubleBuffered()) || !dxUxTheme::IsThemeLibraryLoaded())
    cxDrawTransparentControlBackground(AControl, ACanvas, ARect, false);
  else
    dxUxTheme::DrawThemeParentBackground(AControl->GetHandle(), ACanvas->GetHandle(), &ARect);
}

void cxDrawThemeParentBackground(TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect) {
  WithWrapper(ACanvas, [&](TcxCanvas* canvas) { cxDrawThemeParentBackground(AControl, canvas, ARect); });
}

}  // namespace cxGraphics
